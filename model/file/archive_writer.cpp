#include "model/file/archive_writer.h"

void ArchiveWriter::WriteU8(std::uint8_t v) {
    if (buffer_.size() >= kBufferSize) Flush();
    buffer_.push_back(v);
    ++position_;
}

void ArchiveWriter::WriteU16(std::uint16_t v) {
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)};
    WriteBytes(bytes);
}

void ArchiveWriter::WriteU32(std::uint32_t v) {
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                                   static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
    WriteBytes(bytes);
}

void ArchiveWriter::WriteBytes(std::span<const std::uint8_t> bytes) {
    position_ += bytes.size();
    if (buffer_.size() + bytes.size() <= kBufferSize) {
        buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
        return;
    }
    Flush();
    if (bytes.size() >= kBufferSize) {
        // Large blocks (image data) go to the sink directly.
        if (!failed_ && !sink_.Write(bytes)) failed_ = true;
        return;
    }
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
}

void ArchiveWriter::WriteArchiveString(std::string_view text) {
    const std::uint64_t length = text.size();
    if (length < 0xFF) {
        WriteU8(static_cast<std::uint8_t>(length));
    } else if (length <= 0xFFFD) {
        WriteU8(0xFF);
        WriteU16(static_cast<std::uint16_t>(length));
    } else {
        WriteU8(0xFF);
        WriteU16(0xFFFF);
        WriteU32(static_cast<std::uint32_t>(length));
    }
    WriteBytes({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

void ArchiveWriter::WriteCountedText(std::string_view text) {
    WriteU32(static_cast<std::uint32_t>(text.size()));
    WriteBytes({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

bool ArchiveWriter::Flush() {
    if (!buffer_.empty()) {
        if (!failed_ && !sink_.Write(buffer_)) failed_ = true;
        buffer_.clear();
    }
    return !failed_;
}
