#include "model/file/skin_listing.h"

#include <zlib.h>

#include <cstdio>
#include <vector>

#include "model/elements.h"
#include "model/platform/image.h"
#include "model/platform/text.h"
#include "model/twf_skin.h"

namespace plat = hexmoor::platform;

namespace {

std::string Format(const char* format, auto... args) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

// CRC-32 (zlib's polynomial) over the B, G, R bytes of every pixel, rows
// top to bottom.
unsigned long PixelCrc(const plat::ImagePixels& pixels) {
    std::vector<Bytef> bgr;
    bgr.reserve(pixels.argb.size() * 3);
    for (std::uint32_t w : pixels.argb) {
        bgr.push_back(static_cast<Bytef>(w));
        bgr.push_back(static_cast<Bytef>(w >> 8));
        bgr.push_back(static_cast<Bytef>(w >> 16));
    }
    return crc32(crc32(0, nullptr, 0), bgr.data(), static_cast<uInt>(bgr.size()));
}

class Listing {
public:
    void Line(int indent, const std::string& text) {
        text_.append(static_cast<std::size_t>(indent), ' ');
        text_ += text;
        text_ += '\n';
    }

    void Entries(const CTwfObj& el, int indent) {
        for (const auto& [id, colour] : el.GetColorMap()) Line(indent, Format("color %u 0x%08X", id, colour));
        for (const auto& [id, number] : el.GetNumberMap()) Line(indent, Format("number %u %u", id, number));
        for (const auto& [id, entry] : el.GetImageMap()) {
            if (entry && entry->IsPlainValue()) Line(indent, Format("value %u %u", id, entry->GetValue()));
        }
        for (const auto& [id, entry] : el.GetImageMap()) {
            if (!entry || entry->IsPlainValue()) continue;
            plat::ImagePixels pixels;
            const bool read = entry->ReadPixels(&pixels);
            Line(indent, Format("image %u %dx%d margins=%d,%d,%d,%d mode=%d mrgmode=%d rgb-crc32=%08lX", id,
                                read ? pixels.width : 0, read ? pixels.height : 0, entry->GetLeft(), entry->GetTop(),
                                entry->GetRight(), entry->GetBottom(), entry->GetDrawMode(), entry->GetMrgDrawMode(),
                                read ? PixelCrc(pixels) : 0ul));
        }
        if (const CFont* font = el.GetFont()) {
            const LOGFONT& lf = font->GetLogFontRef();
            std::wstring face;
            for (int i = 0; i < LF_FACESIZE && lf.lfFaceName[i]; ++i) face += static_cast<wchar_t>(lf.lfFaceName[i]);
            Line(indent, "font " + plat::WideToAnsi(face) +
                             Format(" height=%d weight=%d italic=%u underline=%u strikeout=%u charset=%u",
                                    static_cast<int>(lf.lfHeight), static_cast<int>(lf.lfWeight), lf.lfItalic,
                                    lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet));
        }
    }

    void Side(const char* name, const CTwfSideFrame& side, int indent) {
        Line(indent, std::string("side ") + name);
        Entries(side, indent + 2);
        for (const auto& [id, o] : side.GetImageOptionsMap()) {
            Line(indent + 2, Format("imageoption %u x=%d y=%d mode=%u", id, static_cast<int>(o.XOffset),
                                    static_cast<int>(o.YOffset), o.DrawMode));
        }
        for (const auto& [id, o] : side.GetRegionOptionsMap()) {
            const CImageRgn* rgn = o.region.get();
            unsigned rects = 0;
            if (rgn) {
                std::vector<std::uint8_t> data = rgn->GetRegionData();
                if (data.size() >= 32)
                    rects = data[8] | (data[9] << 8) | (data[10] << 16) | (static_cast<unsigned>(data[11]) << 24);
            }
            Line(indent + 2, Format("regionoption %u mode=%u size=%dx%d rects=%u", id, o.DrawMode,
                                    rgn ? rgn->GetWidth() : 0, rgn ? rgn->GetHeight() : 0, rects));
        }
    }

    void Element(WORD type, const CTwfObj& el) {
        Line(2, Format("element %u enabled=%u folder=%u order=%u", type, el.GetEnabled(), el.GetFolderId(),
                       el.GetOrder()));
        Entries(el, 4);
        if (const auto* combo = dynamic_cast<const CTwfComboBox*>(&el)) {
            Line(4, Format("arrowwidth %u", combo->GetArrowWidth()));
        }
        if (const auto* data = dynamic_cast<const CTwfUserData*>(&el)) {
            const uLong crc = data->GetDataSize()
                                  ? crc32(crc32(0, nullptr, 0), data->GetData(), static_cast<uInt>(data->GetDataSize()))
                                  : 0;
            Line(4, Format("userdata %u crc32=%08lX", data->GetDataSize(), crc));
        }
        if (const auto* frame = dynamic_cast<const CTwfWndFrame*>(&el)) {
            static const char* const kSides[4] = {"top", "right", "bottom", "left"};
            for (int i = 0; i < 4; ++i) Side(kSides[i], *frame->GetSide(i), 4);
            Line(4, "menubar");
            Entries(*frame->GetMenuBar(), 6);
        }
    }

    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};

} // namespace

std::string SkinListing(const CTwfSkin& skin, int result) {
    Listing out;
    out.Line(0, Format("result %d", result));
    out.Line(0, Format("version %u", skin.GetVersion()));
    for (int field = 0; field < SkinInfo::kFieldCount; ++field) {
        const std::string text = plat::WideToAnsi(skin.GetInfo().Field(field));
        out.Line(0, Format("info %d", field + 1) + (text.empty() ? "" : " " + text));
    }
    out.Line(0, Format("compressed %u", skin.GetCompressedFlag()));
    // The scheme map is ordered by name and each scheme by type id.
    for (const auto& [name, scheme] : skin.GetSchemes()) {
        out.Line(0, "scheme " + plat::WideToAnsi(name));
        for (const auto& [type, element] : scheme) out.Element(type, *element);
    }
    return out.Take();
}
