#include "model/file/archive_reader.h"

#include "model/twf_error.h"

namespace {

[[noreturn]] void Corrupt() { throw TwfError{kTwfCorrupt}; }

} // namespace

void ArchiveReader::Require(std::uint64_t bytes) const {
    if (bytes > Remaining()) Corrupt();
}

void ArchiveReader::RequireRecords(std::uint64_t count, std::uint64_t recordSize) const {
    // count < 2^32 and recordSize is small: the product fits in 64 bits.
    Require(count * recordSize);
}

std::uint8_t ArchiveReader::ReadU8() {
    Require(1);
    return data_[pos_++];
}

std::uint16_t ArchiveReader::ReadU16() {
    Require(2);
    std::uint16_t v = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
}

std::uint32_t ArchiveReader::ReadU32() {
    Require(4);
    std::uint32_t v = static_cast<std::uint32_t>(data_[pos_]) | (static_cast<std::uint32_t>(data_[pos_ + 1]) << 8) |
                      (static_cast<std::uint32_t>(data_[pos_ + 2]) << 16) |
                      (static_cast<std::uint32_t>(data_[pos_ + 3]) << 24);
    pos_ += 4;
    return v;
}

std::span<const std::uint8_t> ArchiveReader::ReadBytes(std::uint64_t count) {
    Require(count);
    auto bytes = data_.subspan(pos_, static_cast<std::size_t>(count));
    pos_ += static_cast<std::size_t>(count);
    return bytes;
}

std::uint64_t ArchiveReader::ReadStringLength() {
    std::uint8_t first = ReadU8();
    if (first < 0xFF) return first;
    std::uint16_t second = ReadU16();
    if (second < 0xFFFE) return second;
    if (second == 0xFFFF) return ReadU32();
    Corrupt(); // 0xFFFE is the wide marker, handled by the caller
}

ArchiveString ArchiveReader::ReadArchiveString() {
    ArchiveString result;
    // The wide form starts with 0xFF 0xFE 0xFF; peek for it.
    if (Remaining() >= 3 && data_[pos_] == 0xFF && data_[pos_ + 1] == 0xFE && data_[pos_ + 2] == 0xFF) {
        pos_ += 3;
        std::uint64_t units = ReadStringLength();
        auto bytes = ReadBytes(units * 2);
        result.wide = true;
        result.units.resize(static_cast<std::size_t>(units));
        for (std::size_t i = 0; i < result.units.size(); ++i) {
            result.units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        }
        return result;
    }
    std::uint64_t length = ReadStringLength();
    auto bytes = ReadBytes(length);
    result.narrow.assign(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return result;
}

std::string ArchiveReader::ReadCountedText() {
    std::uint32_t count = ReadU32();
    auto bytes = ReadBytes(count);
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

void ArchiveReader::ChargeInflated(std::uint64_t bytes, std::uint64_t limit) {
    if (bytes > limit || inflated_ > limit - bytes) Corrupt();
    inflated_ += bytes;
}
