// The storing side of the skin-file archive: little-endian fields gathered in
// a buffer and handed to a byte sink in large blocks. The writer counts every
// byte it has taken, so the file offset of the next field is always exact.
// A sink that fails marks the writer failed; later writes are dropped and
// the caller asks Failed() once at the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "model/platform/file.h"

// The archive writes to the file layer's sinks (files, memory, tests').
using ByteSink = hexmoor::platform::ByteSink;

// A sink that keeps the bytes in memory.
class MemorySink : public ByteSink {
public:
    bool Write(std::span<const std::uint8_t> data) override {
        bytes_.insert(bytes_.end(), data.begin(), data.end());
        return true;
    }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

class ArchiveWriter {
public:
    static constexpr std::size_t kBufferSize = 64 * 1024;

    explicit ArchiveWriter(ByteSink& sink) : sink_(sink) { buffer_.reserve(kBufferSize); }
    ArchiveWriter(const ArchiveWriter&) = delete;
    ArchiveWriter& operator=(const ArchiveWriter&) = delete;

    // Offset in the file of the next byte written.
    std::uint64_t Position() const { return position_; }
    bool Failed() const { return failed_; }
    // Marks the write failed (a part of the file could not be produced).
    void Fail() { failed_ = true; }

    void WriteU8(std::uint8_t v);
    void WriteU16(std::uint16_t v);
    void WriteU32(std::uint32_t v);
    void WriteI32(std::int32_t v) { WriteU32(static_cast<std::uint32_t>(v)); }
    void WriteBytes(std::span<const std::uint8_t> bytes);
    // 8-bit archive string (writers never produce the wide form).
    void WriteArchiveString(std::string_view text);
    // u32 byte count, then the bytes.
    void WriteCountedText(std::string_view text);

    // Hands the buffer to the sink; false when the writer has failed.
    bool Flush();

private:
    ByteSink& sink_;
    std::vector<std::uint8_t> buffer_;
    std::uint64_t position_ = 0;
    bool failed_ = false;
};
