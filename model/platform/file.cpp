// The rules of the file layer, the same in both trees; the system calls sit
// in platform/win/file_win.cpp and platform/native/file_native.cpp.
#include "model/platform/file.h"

#include <algorithm>
#include <utility>

#include "model/platform/file_system.h"

namespace hexmoor::platform {

namespace {

MessageBoxShower& Shower() {
    static MessageBoxShower shower;
    return shower;
}

} // namespace

namespace {

// Reads until out holds `wanted` bytes or the file ends; false on an error of
// the system.
bool ReadInto(detail::InputFile& file, std::vector<std::uint8_t>* out, std::size_t wanted) {
    std::size_t done = out->size();
    out->resize(wanted);
    while (done < wanted) {
        const std::int64_t read = file.Read(out->data() + done, wanted - done);
        if (read < 0) return false;
        if (read == 0) break; // the file shrank while it was read
        done += static_cast<std::size_t>(read);
    }
    out->resize(done);
    return true;
}

} // namespace

FileReadResult ReadFileHeadFirst(const std::wstring& path, std::size_t headBytes, const HeadCheck& check,
                                 std::vector<std::uint8_t>* out) {
    out->clear();
    detail::InputFile file(path);
    if (file.OpenResult() != FileReadResult::kOk) return file.OpenResult();
    std::uint64_t size = 0;
    if (!file.Size(&size)) return FileReadResult::kReadError;
    const std::size_t head = static_cast<std::size_t>(std::min<std::uint64_t>(headBytes, size));
    if (!ReadInto(file, out, head)) {
        out->clear();
        return FileReadResult::kReadError;
    }
    const std::optional<std::uint64_t> total = check(*out, size);
    if (!total) return FileReadResult::kRefused;
    const std::uint64_t wanted = std::min(*total, size);
    if (wanted > kMaxFileBytes) {
        out->clear();
        return FileReadResult::kTooLarge;
    }
    if (wanted < out->size()) out->resize(static_cast<std::size_t>(wanted));
    if (wanted > out->size() && !ReadInto(file, out, static_cast<std::size_t>(wanted))) {
        out->clear();
        return FileReadResult::kReadError;
    }
    return FileReadResult::kOk;
}

FileReadResult ReadFileBytes(const std::wstring& path, std::vector<std::uint8_t>* out, std::uint64_t maxBytes) {
    const FileReadResult result = ReadFileHeadFirst(
        path, 0,
        [maxBytes](std::span<const std::uint8_t>, std::uint64_t size) {
            return size > maxBytes ? std::nullopt : std::optional<std::uint64_t>(size);
        },
        out);
    return result == FileReadResult::kRefused ? FileReadResult::kTooLarge : result;
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

NewFileResult WriteNewFile(const std::wstring& path, const FileProducer& produce) {
    {
        detail::OutputFile file(path, detail::Creation::kCreateNew);
        if (!file.IsOpen()) return file.NameTaken() ? NewFileResult::kNameTaken : NewFileResult::kFailed;
        const bool written = produce(file);
        if (file.Close() && written) return NewFileResult::kWritten;
    }
    detail::RemoveFile(path);
    return NewFileResult::kFailed;
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
