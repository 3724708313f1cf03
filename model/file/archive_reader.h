// A bounded reader over the bytes of a skin file. Every read checks the
// bytes that are left before it touches or allocates anything, and a read
// past the end raises TwfError with code 2 (a truncated or lying file is a
// corrupt file). Lengths taken from the file are compared in 64 bits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// An archive string as the file stores it: 8-bit text, or (the wide form)
// UTF-16 code units.
struct ArchiveString {
    bool wide = false;
    std::string narrow;
    std::u16string units;
};

class ArchiveReader {
public:
    explicit ArchiveReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::size_t Position() const { return pos_; }
    std::size_t Remaining() const { return data_.size() - pos_; }

    // Raises TwfError 2 unless at least `bytes` bytes are left.
    void Require(std::uint64_t bytes) const;
    // Raises TwfError 2 unless `count` records of `recordSize` bytes each can
    // still follow (a count that cannot be true is refused before the loop).
    void RequireRecords(std::uint64_t count, std::uint64_t recordSize) const;

    std::uint8_t ReadU8();
    std::uint16_t ReadU16();
    std::uint32_t ReadU32();
    std::int32_t ReadI32() { return static_cast<std::int32_t>(ReadU32()); }
    // The next `count` bytes, without copying.
    std::span<const std::uint8_t> ReadBytes(std::uint64_t count);

    // Length-prefixed archive string (one byte; 0xFF + u16; 0xFF + 0xFFFF +
    // u32; or 0xFF + 0xFFFE + one of those counting UTF-16 units).
    ArchiveString ReadArchiveString();
    // u32 byte count followed by that many bytes of 8-bit text.
    std::string ReadCountedText();

    // Counts bytes that compressed records of this file inflate to; raises
    // TwfError 2 once the file as a whole would inflate beyond `limit` (a
    // small file must not expand into more memory than any skin needs).
    void ChargeInflated(std::uint64_t bytes, std::uint64_t limit);

private:
    std::uint64_t ReadStringLength();

    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    std::uint64_t inflated_ = 0;
};
