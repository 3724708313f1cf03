// Reading and writing region files (.rgn) through the model's file layer.
#include <string>

#include "model/image_rgn.h"
#include "model/platform/file.h"

namespace platform = hexmoor::platform;

namespace {

constexpr unsigned kStopIcon = 0x10; // MB_ICONHAND
constexpr unsigned kPlainOk = 0x0;   // MB_OK

// What the user is told when a save failed; the old file, if any, is intact.
const wchar_t* SaveFailureText(platform::FileWriteFailure failure) {
    switch (failure) {
    case platform::FileWriteFailure::kCreateTemporary: return L"Failed to create region file";
    case platform::FileWriteFailure::kWriteTemporary: return L"Failed to write region file";
    case platform::FileWriteFailure::kReplaceTarget:
        return L"Failed to replace the existing region file with the new one; the existing file is unchanged";
    }
    return L"Failed to create region file";
}

} // namespace

int SaveRegionFile(const CImageRgn* region, const std::wstring& path) {
    if (!region) return 0;
    // A path of three characters or fewer ("C:\", "a.r") is no region file
    // the editor offers; nothing is written and the caller is told so.
    if (path.size() <= 3) return 0;
    const std::vector<std::uint8_t> bytes = EncodeRegionFile(*region);
    if (bytes.empty()) return 0;
    platform::FileWriteFailure failure{};
    if (!platform::WriteFileReplacing(
            path, [&bytes](platform::ByteSink& sink) { return sink.Write(bytes); }, &failure)) {
        platform::ShowMessageBox(SaveFailureText(failure), L"Save RGN", kStopIcon);
        return 0;
    }
    return 1;
}

hexmoor::platform::FileReadResult ReadRegionFileBytes(const std::wstring& path, std::vector<std::uint8_t>* bytes) {
    // Width, height and the data count come first; a file whose count is
    // refused is not read on, and no more than the count is read.
    const auto check = [](std::span<const std::uint8_t> head, std::uint64_t) -> std::optional<std::uint64_t> {
        if (head.size() < 12) return head.size();
        const std::uint64_t count = static_cast<std::uint64_t>(head[8]) | (static_cast<std::uint64_t>(head[9]) << 8) |
                                    (static_cast<std::uint64_t>(head[10]) << 16) |
                                    (static_cast<std::uint64_t>(head[11]) << 24);
        if (count > kMaxRegionDataBytes) return 12;
        return 12 + count;
    };
    return platform::ReadFileHeadFirst(path, 12, check, bytes);
}

std::unique_ptr<CImageRgn> LoadRegionFile(const std::wstring& path) {
    std::vector<std::uint8_t> bytes;
    switch (ReadRegionFileBytes(path, &bytes)) {
    case platform::FileReadResult::kOk: break;
    case platform::FileReadResult::kCannotOpen:
    case platform::FileReadResult::kSharingViolation:
        platform::ShowMessageBox(L"Failed to Open File!", L"Error", kPlainOk);
        return std::make_unique<CImageRgn>();
    default: return std::make_unique<CImageRgn>();
    }
    SIZE refused{};
    auto region = DecodeRegionFile(bytes, &refused);
    if (refused.cx != 0 || refused.cy != 0) {
        platform::ShowMessageBox(L"Invalid region file: its size " + std::to_wstring(refused.cx) + L" x " +
                                     std::to_wstring(refused.cy) + L" is outside 0 to " +
                                     std::to_wstring(kMaxRegionCanvas) + L" pixels.",
                                 L"Error", kStopIcon);
    }
    return region;
}
