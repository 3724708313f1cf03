// The file layer of the skin-file reader and writer: reading a whole file,
// replacing a file only after its new contents are completely on disk, and
// the debugger-output line the loaders write on failure.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/file/archive_writer.h"

enum class FileReadStatus {
    kRead,             // the whole file is in the buffer
    kCannotOpen,       // missing, not a file, no access
    kSharingViolation, // another process holds the file locked
    kReadError,        // opened, but the operating system failed a read
    kTooLarge,         // larger than any skin file the model accepts
};

// Files above this size are refused without reading them.
inline constexpr std::uint64_t kMaxSkinFileBytes = std::uint64_t{1} << 31;

FileReadStatus ReadWholeFile(const std::wstring& path, std::vector<std::uint8_t>* out);

// Writes a file through `produce`, which writes every byte to the sink it is
// given and returns false on any failure. The bytes go to a temporary file
// beside the target; only when they were all written and flushed to disk
// does the temporary file replace the target. On any failure the temporary
// file is removed and the target is left exactly as it was. True on success.
bool WriteFileReplacing(const std::wstring& path, const std::function<bool(ByteSink&)>& produce);

// The temporary file name used beside a target.
std::wstring TemporaryPathFor(const std::wstring& path);

// One line to the debugger output (nothing in the native tree).
void DebugOutput(std::string_view line);

// Waits before the next attempt to open a locked file.
void SleepMilliseconds(unsigned milliseconds);
