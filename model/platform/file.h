// The model's file layer, one for skin files and region files alike:
// reading a whole file, and replacing a file only once its new contents are
// completely written and flushed to disk. The Windows and native halves
// differ only in the system calls; the rules below hold for both.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace hexmoor::platform {

// Where a writer puts its bytes.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Takes all of data; false when it could not.
    virtual bool Write(std::span<const std::uint8_t> data) = 0;
};

enum class FileReadResult {
    kOk,               // the whole file is in the buffer
    kCannotOpen,       // missing, not a regular file, no access
    kSharingViolation, // another process holds the file locked (Windows)
    kReadError,        // opened, but the operating system failed a read
    kTooLarge,         // larger than the reader accepts
    kRefused,          // its first bytes did not pass the reader's check
};

// Files above this size are refused without reading them.
inline constexpr std::uint64_t kMaxFileBytes = std::uint64_t{1} << 31;

// Reads the whole file into out (cleared first). A file larger than
// maxBytes is refused (kTooLarge) without reading any of it. A file that
// shrinks while it is read gives what was there.
FileReadResult ReadFileBytes(const std::wstring& path, std::vector<std::uint8_t>* out,
                             std::uint64_t maxBytes = kMaxFileBytes);

// What a header-first read decides from a file's first bytes and its size:
// how many bytes of the file to read in all (the head included; anything
// beyond is left unread), or nothing to refuse the file.
using HeadCheck = std::function<std::optional<std::uint64_t>(std::span<const std::uint8_t> head, std::uint64_t size)>;

// Reads a file header first, for readers whose limits follow from a header
// (a picture's size, a region's rectangle count): reads at most headBytes,
// asks check how much to read, and only then reads on. A file the check
// refuses gives kRefused with nothing read past the head; out then holds
// the head. The whole is read in one open, so the head and the rest belong
// to the same file.
FileReadResult ReadFileHeadFirst(const std::wstring& path, std::size_t headBytes, const HeadCheck& check,
                                 std::vector<std::uint8_t>* out);

// Writes every byte of a file to the sink it is given; false on any failure.
using FileProducer = std::function<bool(ByteSink&)>;

// The step at which a replacing write failed.
enum class FileWriteFailure {
    kCreateTemporary, // the temporary file beside the target could not be created
    kWriteTemporary,  // the producer or the operating system failed a write, or the flush failed
    kReplaceTarget,   // the complete temporary file could not take the target's place
};

// Whether a replacing write waits for its bytes to reach the disk itself
// before the new file takes the target's place (kFlushed), or leaves the
// flush to the system (kUnflushed: still whole or absent after any failure
// of the program, but not after a failure of the machine). A flush costs a
// few milliseconds; writers of many files that a flushed file names last
// (the XML export's images) use kUnflushed for them.
enum class WriteDurability { kFlushed, kUnflushed };

// Writes a file through `produce`. The bytes go to a temporary file beside
// the target (TemporaryPathFor); only when all of them were written (and,
// by default, flushed to disk) does it replace the target. On any failure
// the temporary file is removed, the target is left exactly as it was and,
// when `failure` is given, it names the step that failed. True on success.
bool WriteFileReplacing(const std::wstring& path, const FileProducer& produce, FileWriteFailure* failure = nullptr,
                        WriteDurability durability = WriteDurability::kFlushed);

// What writing a new file came to.
enum class NewFileResult {
    kWritten,   // the file is there, whole
    kNameTaken, // a file or folder of that name exists: left exactly as it was
    kFailed,    // not created, or a write failed: nothing of it is left
};

// Writes a file that does not exist yet straight under its name: no
// temporary file and no rename, which costs a writer of many small files
// (the XML export's images) more than the writing itself. A name that is
// taken is left alone for the caller to replace (WriteFileReplacing). On a
// failed write the partly written file is removed, so it is whole or absent
// after any failure of the program; like kUnflushed, not after a failure
// of the machine.
NewFileResult WriteNewFile(const std::wstring& path, const FileProducer& produce);

// Creates one folder; true when the path is a folder afterwards (also when
// it was one already).
bool CreateFolder(const std::wstring& path);

// The temporary file name used beside a target.
std::wstring TemporaryPathFor(const std::wstring& path);

// One line to the debugger output (nothing in the native tree).
void DebugOutput(std::string_view line);

// Waits before the next attempt to open a locked file.
void SleepMilliseconds(unsigned milliseconds);

// A message box without owner (nothing in the native tree). Flags are the
// MB_* values of the Windows tree.
void ShowMessageBox(const std::wstring& text, const std::wstring& caption, unsigned flags);

// Tests see the model's message boxes instead of a window appearing: while
// a shower is set, ShowMessageBox hands its arguments to it. Returns the
// previous shower; an empty one restores the system's box.
using MessageBoxShower = std::function<void(const std::wstring& text, const std::wstring& caption, unsigned flags)>;
MessageBoxShower SetMessageBoxShower(MessageBoxShower shower);

} // namespace hexmoor::platform
