#include "model/file/image_record.h"

#include <zlib.h>

#include <cstring>
#include <memory>

#include "model/platform/image.h"
#include "model/twf_error.h"
#include "model/twf_obj.h"

namespace plat = hexmoor::platform;

namespace {

std::uint32_t BigEndian32(std::span<const std::uint8_t> d, std::size_t at) {
    return (static_cast<std::uint32_t>(d[at]) << 24) | (static_cast<std::uint32_t>(d[at + 1]) << 16) |
           (static_cast<std::uint32_t>(d[at + 2]) << 8) | d[at + 3];
}

std::uint32_t Little32(std::span<const std::uint8_t> d, std::size_t at) {
    return static_cast<std::uint32_t>(d[at]) | (static_cast<std::uint32_t>(d[at + 1]) << 8) |
           (static_cast<std::uint32_t>(d[at + 2]) << 16) | (static_cast<std::uint32_t>(d[at + 3]) << 24);
}

bool SizeWithinLimits(std::int64_t width, std::int64_t height) {
    if (width < 0) width = -width;
    if (height < 0) height = -height;
    if (width > 32767 || height > 32767) return false;
    return static_cast<std::uint64_t>(width * height) <= kMaxImagePixels;
}

MrgBitmapParams ReadParams(ArchiveReader& reader, WORD version) {
    MrgBitmapParams p;
    p.left = reader.ReadI32();
    p.top = reader.ReadI32();
    p.right = reader.ReadI32();
    p.bottom = reader.ReadI32();
    p.drawMode = reader.ReadI32();
    p.mrgDrawMode = version >= 518 ? reader.ReadI32() : 0;
    // DrawMode 2 marks a plain value; an image stored with it would read as a
    // value and be lost on the next save, so it is drawn stretched instead.
    if (p.drawMode == CMrgBitmap::kDrawPlainValue) p.drawMode = CMrgBitmap::kDrawStretch;
    return p;
}

// Stores a decoded image (a 32-bit DIB section or a GDI+ bitmap, taken over)
// under the id with exactly the record's parameters: an earlier entry under
// the same id lends none of its own.
template <typename Image>
void StoreDecoded(CTwfObj& element, WORD id, Image image, const MrgBitmapParams& p) {
    element.PutImage(id, std::make_unique<CMrgBitmap>(std::move(image), p));
    element.GetImage(id)->SetParams(p);
}

void StoreImage(CTwfObj& element, WORD id, std::span<const std::uint8_t> block, const MrgBitmapParams& p) {
    if (ImageSizePlausible(block)) {
        plat::DecodedImage decoded = plat::DecodeImageStream(block);
        if (decoded.png) {
            StoreDecoded(element, id, std::move(decoded.png), p);
            return;
        }
        if (decoded.bitmap) {
            StoreDecoded(element, id, std::move(decoded.bitmap), p);
            return;
        }
    }
    if (plat::BitmapHandle dib = plat::DecodePackedDib(block)) StoreDecoded(element, id, std::move(dib), p);
    // Otherwise the block is no image in any form: the property stays absent.
}

} // namespace

bool ImageSizePlausible(std::span<const std::uint8_t> d) {
    static constexpr std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (d.size() >= 24 && std::memcmp(d.data(), kPng, 8) == 0) {
        return SizeWithinLimits(BigEndian32(d, 16), BigEndian32(d, 20));
    }
    if (d.size() >= 26 && d[0] == 'B' && d[1] == 'M') {
        const std::uint32_t headerSize = Little32(d, 14);
        if (headerSize == 12) return SizeWithinLimits(d[18] | (d[19] << 8), d[20] | (d[21] << 8));
        return SizeWithinLimits(static_cast<std::int32_t>(Little32(d, 18)), static_cast<std::int32_t>(Little32(d, 22)));
    }
    return true; // other formats: the decoder's own checks apply
}

void ReadImageRecord(ArchiveReader& reader, CTwfObj& element, WORD version) {
    bool compressed = false;
    std::uint64_t original = 0;
    if (version >= 531) {
        compressed = reader.ReadU32() != 0;
        if (compressed) original = reader.ReadU32();
    }
    const std::uint32_t stored = reader.ReadU32();
    const WORD id = reader.ReadU16();
    std::span<const std::uint8_t> data = reader.ReadBytes(stored);

    std::vector<std::uint8_t> inflated;
    std::span<const std::uint8_t> block = data;
    if (compressed) {
        // An original size that no zlib stream of this length can produce, or
        // one beyond the cap, is a lie: refuse the file rather than allocate it.
        if (original > kMaxInflatedBytes || original > std::uint64_t{stored} * kMaxDeflateRatio + 64) {
            throw TwfError{kTwfCorrupt};
        }
        reader.ChargeInflated(original, kMaxInflatedTotal);
        inflated.assign(static_cast<std::size_t>(original), 0);
        uLongf length = static_cast<uLongf>(original);
        // A stream that does not inflate to its original size is still offered
        // to the decoders (which refuse what they cannot read).
        (void)uncompress(inflated.data(), &length, data.data(), static_cast<uLong>(data.size()));
        block = inflated;
    }

    if (block.size() == 4) {
        DWORD value = Little32(block, 0);
        element.SetValue(id, value);
        reader.ReadBytes(version >= 518 ? 24 : 20); // the value's parameters are ignored
        return;
    }
    const MrgBitmapParams params = ReadParams(reader, version);
    StoreImage(element, id, block, params);
}

std::optional<std::vector<std::uint8_t>> CompressIfSmaller(std::span<const std::uint8_t> data) {
    const std::uint64_t n = data.size();
    std::vector<std::uint8_t> out(static_cast<std::size_t>(n + n / 1000 + 13));
    uLongf length = static_cast<uLongf>(out.size());
    if (compress2(out.data(), &length, data.data(), static_cast<uLong>(n), 9) != Z_OK) return std::nullopt;
    if (length >= n) return std::nullopt;
    out.resize(length);
    return out;
}

std::optional<EncodedImage> EncodeImageEntry(const CMrgBitmap& entry, bool compress) {
    EncodedImage image;
    if (entry.IsPlainValue()) {
        const DWORD v = entry.GetValue();
        image.data = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                      static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
        image.originalSize = 4;
        return image;
    }
    if (entry.IsGdiplus()) {
        if (!entry.GetGdiplusBitmap() || !plat::EncodePng(entry.GetGdiplusBitmap(), &image.data)) return std::nullopt;
        image.originalSize = static_cast<std::uint32_t>(image.data.size());
        return image; // PNG data is never compressed again
    }
    if (!entry.GetHBitmap() || !plat::EncodeBmp(entry.GetHBitmap(), &image.data)) return std::nullopt;
    image.originalSize = static_cast<std::uint32_t>(image.data.size());
    if (compress) {
        if (auto packed = CompressIfSmaller(image.data)) {
            image.data = std::move(*packed);
            image.compressed = true;
        }
    }
    return image;
}

void WriteImageRecord(ArchiveWriter& writer, WORD id, const EncodedImage& image, const MrgBitmapParams& p) {
    writer.WriteU32(image.compressed ? 1 : 0);
    if (image.compressed) writer.WriteU32(image.originalSize);
    writer.WriteU32(static_cast<std::uint32_t>(image.data.size()));
    writer.WriteU16(id);
    writer.WriteBytes(image.data);
    writer.WriteI32(p.left);
    writer.WriteI32(p.top);
    writer.WriteI32(p.right);
    writer.WriteI32(p.bottom);
    writer.WriteI32(p.drawMode);
    writer.WriteI32(p.mrgDrawMode);
}
