#include <atomic>
#include <cwchar>
#include <vector>

#include "model/gdiplus_init.h"
#include "model/platform/imaging.h"
#include "model/platform/win/gdiplus_codec.h"

namespace {
// Successful start-ups not yet shut down.
std::atomic<int> g_startedCount{0};
} // namespace

namespace hexmoor::platform {
bool ImagingAvailable() { return g_startedCount.load() > 0; }
} // namespace hexmoor::platform

CGdiPlusInit::CGdiPlusInit(unsigned int gdiplusVersion) {
    Gdiplus::GdiplusStartupInput input; // no callback, thread and codecs on
    input.GdiplusVersion = gdiplusVersion;
    ULONG_PTR token = 0;
    const Gdiplus::Status status = Gdiplus::GdiplusStartup(&token, &input, nullptr);
    status_ = static_cast<int>(status);
    if (status == Gdiplus::Ok) {
        started_ = true;
        token_ = token;
        ++g_startedCount;
    }
}

CGdiPlusInit::~CGdiPlusInit() {
    if (started_) {
        --g_startedCount;
        Gdiplus::GdiplusShutdown(token_);
    }
}

int GetImageEncoderClsid(const wchar_t* mimeType, CLSID* out) {
    if (!mimeType || !out) return -1;
    UINT count = 0;
    UINT size = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || count == 0 || size == 0) return -1;
    std::vector<BYTE> buffer(size);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, size, encoders) != Gdiplus::Ok) return -1;
    for (UINT i = 0; i < count; ++i) {
        if (encoders[i].MimeType && wcscmp(encoders[i].MimeType, mimeType) == 0) {
            *out = encoders[i].Clsid;
            return static_cast<int>(i);
        }
    }
    return -1;
}
