// Reading and writing region files (.rgn).
#include "model/image_rgn.h"
#include "model/platform/file.h"

namespace {
constexpr unsigned kStopIcon = 0x10; // MB_ICONHAND
constexpr unsigned kPlainOk = 0x0;   // MB_OK
} // namespace

int SaveRegionFile(const CImageRgn* region, const std::wstring& path) {
    if (!region) return 0;
    if (path.size() <= 3) return 1;
    const std::vector<std::uint8_t> bytes = EncodeRegionFile(*region);
    if (bytes.empty()) return 0;
    if (!hexmoor::platform::WriteFileReplacing(path, bytes)) {
        hexmoor::platform::ShowMessageBox(L"Failed to create region file", L"Save RGN", kStopIcon);
        return 0;
    }
    return 1;
}

std::unique_ptr<CImageRgn> LoadRegionFile(const std::wstring& path) {
    std::vector<std::uint8_t> bytes;
    const auto result = hexmoor::platform::ReadFileBytes(path, &bytes);
    if (result == hexmoor::platform::FileReadResult::kCannotOpen) {
        hexmoor::platform::ShowMessageBox(L"Failed to Open File!", L"Error", kPlainOk);
        return std::make_unique<CImageRgn>();
    }
    if (result != hexmoor::platform::FileReadResult::kOk) return std::make_unique<CImageRgn>();
    return DecodeRegionFile(bytes);
}
