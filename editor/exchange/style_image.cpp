#include "editor/exchange/style_image.h"

#include <algorithm>

#include "model/dib_pixels.h"
#include "model/dib_sizes.h"

namespace hexmoor::exchange {

std::optional<StyleBitmapHeader> ReadStyleBitmapHeader(std::span<const std::uint8_t> dib) {
    DibHeaderFacts facts;
    if (!ReadDibHeaderFacts(dib, &facts)) return std::nullopt;
    if (facts.width <= 0 || facts.height <= 0 || facts.width > kMaxBitmapSide || facts.height > kMaxBitmapSide)
        return std::nullopt;
    if (static_cast<std::uint64_t>(facts.width * facts.height) > kMaxBitmapPixels) return std::nullopt;
    StyleBitmapHeader header;
    header.width = static_cast<int>(facts.width);
    header.height = static_cast<int>(facts.height);
    header.alpha = facts.headerSize != sizeof(BITMAPCOREHEADER) && facts.bitCount == 32 && facts.colorsUsed == 0 &&
                   (facts.compression == BI_RGB || facts.compression == BI_BITFIELDS);
    return header;
}

bool DecodeStyleBitmap(std::span<const std::uint8_t> dib, bool keepAlpha, Pixels* out) {
    // The caps are checked on the header before any pixel is decoded.
    const auto header = ReadStyleBitmapHeader(dib);
    if (!header || !DecodePackedDibPixels(dib, out)) return false;
    if (!keepAlpha || !header->alpha) {
        for (std::uint32_t& p : out->argb) p |= 0xFF000000u;
        return true;
    }
    BITMAPINFOHEADER info;
    const std::size_t bitsOffset = ValidatePackedDib(dib, &info);
    if (bitsOffset && info.biCompression == BI_BITFIELDS) {
        // The decoder makes bit-field pixels opaque; the fourth byte of each
        // stored pixel is its alpha.
        const bool bottomUp = info.biHeight > 0;
        const std::size_t rowBytes = static_cast<std::size_t>(out->width) * 4;
        for (int y = 0; y < out->height; ++y) {
            const int sourceRow = bottomUp ? out->height - 1 - y : y;
            const std::uint8_t* row = dib.data() + bitsOffset + rowBytes * sourceRow;
            std::uint32_t* target = out->argb.data() + static_cast<std::size_t>(y) * out->width;
            for (int x = 0; x < out->width; ++x)
                target[x] = (target[x] & 0x00FFFFFFu) | (static_cast<std::uint32_t>(row[4 * x + 3]) << 24);
        }
    }
    return true;
}

Pixels SolidImage(int width, int height, std::uint32_t argb) {
    Pixels image;
    if (width < 1 || height < 1) return image;
    image.width = width;
    image.height = height;
    image.argb.assign(static_cast<std::size_t>(width) * height, argb);
    return image;
}

void FillWithBorder(Pixels& image, std::uint32_t inner, std::uint32_t border, int left, int top, int right,
                    int bottom) {
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const bool in = x >= left && x < image.width - right && y >= top && y < image.height - bottom;
            image.argb[static_cast<std::size_t>(y) * image.width + x] = in ? inner : border;
        }
    }
}

void MakeColorTransparent(Pixels& image, std::uint32_t argb) {
    for (std::uint32_t& p : image.argb)
        if (p == argb) p = 0;
}

namespace {

// Source-over of one straight-alpha pixel onto another.
std::uint32_t Over(std::uint32_t dst, std::uint32_t src) {
    const std::uint32_t sa = src >> 24;
    if (sa == 255) return src;
    if (sa == 0) return dst;
    const std::uint32_t da = dst >> 24;
    const std::uint32_t outA255 = sa * 255 + da * (255 - sa); // alpha scaled by 255
    if (outA255 == 0) return 0;
    std::uint32_t result = ((outA255 + 127) / 255) << 24;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t sc = (src >> shift) & 0xFF;
        const std::uint32_t dc = (dst >> shift) & 0xFF;
        const std::uint32_t c = (sc * sa * 255 + dc * da * (255 - sa) + outA255 / 2) / outA255;
        result |= std::min<std::uint32_t>(c, 255) << shift;
    }
    return result;
}

} // namespace

void DrawCentered(Pixels& frame, const hexmoor::platform::ImagePixelsView& glyph) {
    if (frame.argb.empty() || !glyph.first || glyph.width <= 0 || glyph.height <= 0) return;
    const int offsetX = (frame.width - glyph.width) / 2;
    const int offsetY = (frame.height - glyph.height) / 2;
    for (int gy = 0; gy < glyph.height; ++gy) {
        const int y = gy + offsetY;
        if (y < 0 || y >= frame.height) continue;
        const std::uint32_t* source = glyph.Row(gy);
        for (int gx = 0; gx < glyph.width; ++gx) {
            const int x = gx + offsetX;
            if (x < 0 || x >= frame.width) continue;
            std::uint32_t& d = frame.argb[static_cast<std::size_t>(y) * frame.width + x];
            d = Over(d, source[gx]);
        }
    }
}

Pixels OnTransparentBlack(const hexmoor::platform::ImagePixelsView& image) {
    Pixels out;
    if (!image.first || image.width <= 0 || image.height <= 0) return out;
    out.width = image.width;
    out.height = image.height;
    // Written in one pass as the rows are read: no zero fill, no second copy.
    out.argb.reserve(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        const std::uint32_t* row = image.Row(y);
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = row[x];
            const std::uint32_t a = p >> 24;
            std::uint32_t premultiplied = p;
            if (a != 255) {
                premultiplied = a << 24;
                for (int shift = 0; shift <= 16; shift += 8)
                    premultiplied |= ((((p >> shift) & 0xFF) * a + 127) / 255) << shift;
            }
            out.argb.push_back(premultiplied);
        }
    }
    return out;
}

hexmoor::platform::ImagePixelsView ImageCut::View() const {
    if (!source_) return hexmoor::platform::ViewOf(own_);
    const std::size_t stride = static_cast<std::size_t>(source_->width);
    return {source_->argb.data() + static_cast<std::size_t>(y_) * stride + x_, width_, height_, stride};
}

Pixels ImageCut::ToPixels() const {
    if (!source_) return own_;
    const hexmoor::platform::ImagePixelsView view = View();
    Pixels out;
    out.width = view.width;
    out.height = view.height;
    // Rows appended to reserved room: the copy writes each word once.
    out.argb.reserve(static_cast<std::size_t>(view.width) * static_cast<std::size_t>(view.height));
    for (int y = 0; y < view.height; ++y) out.argb.insert(out.argb.end(), view.Row(y), view.Row(y) + view.width);
    return out;
}

Pixels& ImageCut::Edit() {
    if (source_) {
        own_ = ToPixels();
        source_.reset();
    }
    return own_;
}

int Strip::FrameWidth() const {
    if (count < 0) return 0;
    return vertical ? pixels->width : pixels->width / FrameCount();
}

int Strip::FrameHeight() const {
    if (count < 0) return 0;
    return vertical ? pixels->height / FrameCount() : pixels->height;
}

bool StripAccount::Take(std::uint64_t pixels) {
    if (!budget || budget->Take(pixels)) return true;
    if (!refused && onRefused) onRefused();
    refused = true;
    return false;
}

std::optional<ImageCut> Strip::Piece(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) const {
    if (width < 1 || height < 1 || x < 0 || y < 0 || x + width > pixels->width || y + height > pixels->height)
        return std::nullopt;
    // Paid for when cut: the skin will hold a copy of it.
    if (account && !account->Take(static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height)))
        return std::nullopt;
    return ImageCut(pixels, static_cast<int>(x), static_cast<int>(y), static_cast<int>(width),
                    static_cast<int>(height));
}

std::optional<ImageCut> Strip::Frame(int k) const {
    if (count < 0 || k < 0) return std::nullopt;
    const std::int64_t fw = FrameWidth(), fh = FrameHeight();
    return vertical ? Piece(0, k * fh, fw, fh) : Piece(k * fw, 0, fw, fh);
}

std::optional<ImageCut> Strip::Whole() const { return Piece(0, 0, pixels->width, pixels->height); }

} // namespace hexmoor::exchange
