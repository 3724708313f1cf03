// The rules of the file layer, the same in both trees; the system calls sit
// in platform/win/file_win.cpp and platform/native/file_native.cpp.
#include "model/platform/file.h"

#include <utility>

#include "model/platform/file_system.h"

namespace hexmoor::platform {

namespace {

MessageBoxShower& Shower() {
    static MessageBoxShower shower;
    return shower;
}

} // namespace

FileReadResult ReadFileBytes(const std::wstring& path, std::vector<std::uint8_t>* out, std::uint64_t maxBytes) {
    out->clear();
    detail::InputFile file(path);
    if (file.OpenResult() != FileReadResult::kOk) return file.OpenResult();
    std::uint64_t size = 0;
    if (!file.Size(&size)) return FileReadResult::kReadError;
    if (size > kMaxFileBytes || size > maxBytes) return FileReadResult::kTooLarge;
    out->resize(static_cast<std::size_t>(size));
    std::size_t done = 0;
    while (done < out->size()) {
        const std::int64_t read = file.Read(out->data() + done, out->size() - done);
        if (read < 0) {
            out->clear();
            return FileReadResult::kReadError;
        }
        if (read == 0) break; // the file shrank while it was read
        done += static_cast<std::size_t>(read);
    }
    out->resize(done);
    return FileReadResult::kOk;
}

std::wstring TemporaryPathFor(const std::wstring& path) { return path + L".saving~"; }

bool WriteFileReplacing(const std::wstring& path, const FileProducer& produce, FileWriteFailure* failure,
                        WriteDurability durability) {
    const std::wstring temporary = TemporaryPathFor(path);
    auto fail = [&](FileWriteFailure step) {
        if (failure) *failure = step;
        return false;
    };
    auto failRemoving = [&](FileWriteFailure step) {
        detail::RemoveFile(temporary);
        return fail(step);
    };
    {
        detail::OutputFile file(temporary);
        // A temporary file that could not be created is not ours to remove.
        if (!file.IsOpen()) return fail(FileWriteFailure::kCreateTemporary);
        bool written = produce(file);
        if (durability == WriteDurability::kFlushed) written = written && file.FlushToDisk();
        written = file.Close() && written;
        if (!written) return failRemoving(FileWriteFailure::kWriteTemporary);
    }
    if (!detail::MoveReplacing(temporary, path)) return failRemoving(FileWriteFailure::kReplaceTarget);
    return true;
}

void ShowMessageBox(const std::wstring& text, const std::wstring& caption, unsigned flags) {
    if (Shower()) {
        Shower()(text, caption, flags);
        return;
    }
    detail::ShowSystemMessageBox(text, caption, flags);
}

MessageBoxShower SetMessageBoxShower(MessageBoxShower shower) { return std::exchange(Shower(), std::move(shower)); }

} // namespace hexmoor::platform
