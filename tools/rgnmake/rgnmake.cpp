// rgnmake: builds a window region from a bitmap file by colour keying, as the
// region editor's "Update" does, and writes it as a region file; or reads a
// region file back (see kUsage for the contract).
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "editor/imaging/image_load_rules.h"
#include "model/dib_pixels.h"
#include "model/image_rgn.h"
#include "model/platform/file.h"
#include "model/region_from_pixels.h"

namespace {

constexpr int kInputRefused = 2;
constexpr int kOutputNotWritten = 3;

constexpr char kUsage[] =
    "usage: rgnmake IN.bmp OUT.rgn [--key RRGGBB] [--tol R,G,B | --dest RRGGBB] [--invert] [--upper-left]\n"
    "       rgnmake --check IN.rgn\n"
    "Builds the region of the pixels of IN.bmp that do not match the key colour\n"
    "(white unless --key; an exact match unless --tol gives plus/minus values or\n"
    "--dest a second colour; --invert keeps the matching pixels; --upper-left\n"
    "takes the key from the picture's upper-left pixel) and writes it to OUT.rgn,\n"
    "or reads IN.rgn. Prints \"rects N\", \"bound L,T,R,B\" and \"size WxH\".\n"
    "Exit code: 0 done; 2 input refused (the reason on standard error); 3 the\n"
    "output was not written (an existing file is left as it was).\n";

int Refuse(const std::string& reason) {
    std::fprintf(stderr, "rgnmake: %s\n", reason.c_str());
    return kInputRefused;
}

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t ch : text) out.push_back(ch < 128 ? static_cast<char>(ch) : '?');
    return out;
}

// "RRGGBB" in hexadecimal as a COLORREF.
std::optional<COLORREF> ParseHexColour(const std::wstring& text) {
    if (text.size() != 6) return std::nullopt;
    unsigned value = 0;
    for (wchar_t ch : text) {
        value <<= 4;
        if (ch >= L'0' && ch <= L'9')
            value |= ch - L'0';
        else if (ch >= L'a' && ch <= L'f')
            value |= ch - L'a' + 10;
        else if (ch >= L'A' && ch <= L'F')
            value |= ch - L'A' + 10;
        else
            return std::nullopt;
    }
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

// "R,G,B" with each value 0..255, as a COLORREF.
std::optional<COLORREF> ParseTriple(const std::wstring& text) {
    int values[3];
    std::size_t at = 0;
    for (int i = 0; i < 3; ++i) {
        std::size_t digits = 0;
        int value = 0;
        while (at < text.size() && text[at] >= L'0' && text[at] <= L'9' && digits < 4) {
            value = value * 10 + (text[at++] - L'0');
            ++digits;
        }
        if (digits == 0 || value > 255) return std::nullopt;
        values[i] = value;
        if (i < 2) {
            if (at >= text.size() || text[at] != L',') return std::nullopt;
            ++at;
        }
    }
    if (at != text.size()) return std::nullopt;
    return RGB(values[0], values[1], values[2]);
}

// The three lines describing a region object.
void PrintRegion(const CImageRgn& region) {
    const std::vector<std::uint8_t> data = region.GetRegionData();
    RGNDATAHEADER header{};
    if (data.size() >= sizeof header) std::memcpy(&header, data.data(), sizeof header);
    std::printf("rects %lu\n", static_cast<unsigned long>(header.nCount));
    std::printf("bound %ld,%ld,%ld,%ld\n", static_cast<long>(header.rcBound.left),
                static_cast<long>(header.rcBound.top), static_cast<long>(header.rcBound.right),
                static_cast<long>(header.rcBound.bottom));
    std::printf("size %dx%d\n", region.GetWidth(), region.GetHeight());
}

int Check(const std::wstring& path) {
    std::vector<std::uint8_t> bytes;
    if (hexmoor::platform::ReadFileBytes(path, &bytes) != hexmoor::platform::FileReadResult::kOk) {
        return Refuse("cannot read " + Narrow(path));
    }
    SIZE refused{-1, -1};
    std::unique_ptr<CImageRgn> region = DecodeRegionFile(bytes, &refused);
    if (refused.cx != -1 || refused.cy != -1) {
        return Refuse("region size " + std::to_string(refused.cx) + "x" + std::to_string(refused.cy) +
                      " is outside 0..16384");
    }
    if (!region || !region->GetHRgn()) return Refuse("not a region file: " + Narrow(path));
    PrintRegion(*region);
    return 0;
}

int Make(const std::wstring& input, const std::wstring& output, const RegionKey& key) {
    std::vector<std::uint8_t> bytes;
    if (hexmoor::platform::ReadFileBytes(input, &bytes) != hexmoor::platform::FileReadResult::kOk) {
        return Refuse("cannot read " + Narrow(input));
    }
    namespace preview = hexmoor::preview;
    const std::optional<hexmoor::Size> size = preview::ReadPictureHeaderSize(bytes, preview::PictureKind::Bitmap);
    if (!size) return Refuse("not a bitmap file: " + Narrow(input));
    if (!preview::IsPictureSizeAllowed(size->cx, size->cy)) {
        return Refuse("picture " + std::to_string(size->cx) + "x" + std::to_string(size->cy) +
                      " is larger than 16384 a side or 64 megapixels");
    }
    hexmoor::platform::ImagePixels pixels;
    if (!DecodeBmpFilePixels(bytes, &pixels)) return Refuse("bitmap cannot be decoded: " + Narrow(input));
    std::unique_ptr<CImageRgn> region = CreateRegionFromBitmap(pixels, key);
    if (!region) return Refuse("no region could be made");
    const std::vector<std::uint8_t> file = EncodeRegionFile(*region);
    if (file.empty()) {
        std::fputs("rgnmake: the region has no data\n", stderr);
        return kOutputNotWritten;
    }
    hexmoor::platform::FileWriteFailure failure{};
    const bool written = hexmoor::platform::WriteFileReplacing(
        output, [&](hexmoor::platform::ByteSink& sink) { return sink.Write(file); }, &failure);
    if (!written) {
        static const char* const kSteps[] = {"cannot create a temporary file beside it", "writing failed",
                                             "cannot replace it"};
        std::fprintf(stderr, "rgnmake: %s not written: %s\n", Narrow(output).c_str(),
                     kSteps[static_cast<int>(failure)]);
        return kOutputNotWritten;
    }
    PrintRegion(*region);
    return 0;
}

} // namespace

int main() {
    int argc = 0;
    LPWSTR* raw = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::wstring> args;
    for (int i = 1; raw && i < argc; ++i) args.emplace_back(raw[i]);
    if (raw) LocalFree(raw);
    _setmode(_fileno(stdout), _O_BINARY); // lines end in \n only

    if (args.size() == 2 && args[0] == L"--check") return Check(args[1]);

    std::vector<std::wstring> positional;
    RegionKey key; // white, exact match
    bool haveTol = false, haveDest = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::wstring& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == L"--key" && hasValue) {
            const auto colour = ParseHexColour(args[++i]);
            if (!colour) return Refuse("--key wants RRGGBB in hexadecimal");
            key.key = *colour;
        } else if (a == L"--tol" && hasValue) {
            const auto triple = ParseTriple(args[++i]);
            if (!triple) return Refuse("--tol wants R,G,B with values 0..255");
            key.range = *triple;
            key.mode = RegionRange::Tolerance;
            haveTol = true;
        } else if (a == L"--dest" && hasValue) {
            const auto colour = ParseHexColour(args[++i]);
            if (!colour) return Refuse("--dest wants RRGGBB in hexadecimal");
            key.range = *colour;
            key.mode = RegionRange::Destination;
            haveDest = true;
        } else if (a == L"--invert") {
            key.invert = true;
        } else if (a == L"--upper-left") {
            key.useUpperLeft = true;
        } else if (a.size() > 1 && a[0] == L'-' && a[1] == L'-') {
            std::fputs(kUsage, stderr);
            return Refuse("unknown or incomplete option " + Narrow(a));
        } else {
            positional.push_back(a);
        }
    }
    if (haveTol && haveDest) return Refuse("--tol and --dest exclude each other");
    if (positional.size() != 2) {
        std::fputs(kUsage, stderr);
        return Refuse("expected IN.bmp and OUT.rgn");
    }
    return Make(positional[0], positional[1], key);
}
