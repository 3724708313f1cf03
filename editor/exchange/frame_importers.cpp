// The window frame's, dialog frame's and menu's importers of the
// visual-style import: sides, caption and MDI buttons, the menu bar and the
// minimized caption.
#include <algorithm>
#include <cstdlib>

#include "editor/exchange/import_parts.h"
#include "editor/exchange/importers.h"
#include "model/elements/dialog_properties.h"
#include "model/elements/frame_properties.h"
#include "model/elements/menu_properties.h"
#include "model/elements/wnd_frame.h"
#include "model/region_from_pixels.h"

namespace hexmoor::exchange {
namespace {

using namespace import_parts;
namespace fp = frame_props;

// --- window frame ----------------------------------------------------------

void ImportFrameSettings(const ImportContext& context, CTwfObj* frame) {
    StyleReader r(context, "Window.SysButton", frame);
    r.StoreImage(fp::kMdiClientBackground, Solid(10, 10, r.ReadColor("SysMetrics", "BtnShadow")), kOneMargins, 0, 0);
    frame->SetNumber(fp::kRegionShape, fp::kRegionShapeUser);
    if (ToLower(r.ReadKey("Window.Caption", "ContentAlignment")) == u"center") {
        frame->SetNumber(fp::kTextLocation, 1);
        frame->SetNumber(fp::kIconLocation, 1);
        frame->SetNumber(fp::kIconOffset, PackPair(6, 8));
    } else {
        frame->SetNumber(fp::kTextLocation, 0);
        frame->SetNumber(fp::kIconLocation, 0);
    }
    if (const auto font = ParseFont(r.ReadKey("SysMetrics", "CaptionFont")))
        frame->SetFont(std::make_unique<CFont>(*font));
    frame->SetColor(fp::kTextColor, r.ReadColorRef("SysMetrics", "CaptionText"));
}

void StoreSidePiece(CTwfSideFrame* side, WORD id, const Slot& piece, DWORD drawMode) {
    if (!piece) return;
    auto bitmap = hexmoor::platform::CreateBitmapFromPixels(OnTransparentBlack(piece->View()));
    if (!bitmap) return;
    // The side takes this 32-bit DIB section as its own (the side is new:
    // no earlier entry lends its parameters).
    side->PutImage(id, std::make_unique<CMrgBitmap>(std::move(bitmap), MrgBitmapParams{}));
    side->SetImageOptions(id, 0, 0, drawMode);
}

// Frame k's rectangle origin along the strip's layout.
std::pair<std::int64_t, std::int64_t> FrameOrigin(const Strip& strip, int k) {
    return strip.vertical ? std::pair<std::int64_t, std::int64_t>(0, std::int64_t(k) * strip.FrameHeight())
                          : std::pair<std::int64_t, std::int64_t>(std::int64_t(k) * strip.FrameWidth(), 0);
}

// Caption or bottom side: three pieces of frames 0 and 1; the caption also
// gives the window its shape.
void ImportThreePieceSide(const ImportContext& context, CTwfWndFrame* frame, CTwfSideFrame* side, const char* section,
                          WORD sizeId, bool withRegions) {
    StyleReader r(context, section, frame);
    const auto strip = r.LoadPartImage("ImageFile", "");
    if (!strip || strip->count < 0) return;
    const Margins m = r.ReadSizingMargins("");
    const std::int64_t fw = strip->FrameWidth(), fh = strip->FrameHeight();
    std::vector<Slot> pieces(6);
    for (int k = 0; k < 2; ++k) {
        if (!strip->Frame(k)) continue;
        const auto [x0, y0] = FrameOrigin(*strip, k);
        pieces[3 * k] = strip->Piece(x0, y0, m.left, fh);
        pieces[3 * k + 1] = strip->Piece(x0 + m.left, y0, fw - m.left - m.right, fh);
        pieces[3 * k + 2] = strip->Piece(x0 + fw - m.right, y0, m.right, fh);
    }
    frame->SetNumber(sizeId, static_cast<DWORD>(fh));
    static constexpr WORD kIds[6] = {0, 1, 2, 1001, 1002, 1003};
    for (int i = 0; i < 6; ++i) StoreSidePiece(side, kIds[i], pieces[i], (i % 3 == 1) ? 1 : 0);
    if (!withRegions) return;
    // The window's shape: every pixel of the active pieces that is not
    // exactly magenta. A piece that is magenta throughout gives no region;
    // its options are recorded all the same.
    // A piece whose region would need more rectangles than a region may
    // have keeps its options without a region, and the import says so.
    RegionKey key;
    key.key = RGB(255, 0, 255);
    bool overCap = false;
    for (int i = 0; i < 3; ++i) {
        if (!pieces[i]) continue;
        ImageRgnPtr region;
        const hexmoor::platform::ImagePixelsView piece = pieces[i]->View();
        bool shaped = false;
        for (int y = 0; y < piece.height && !shaped; ++y) {
            shaped = std::any_of(piece.Row(y), piece.Row(y) + piece.width,
                                 [](std::uint32_t p) { return (p & 0x00FFFFFFu) != 0x00FF00FFu; });
        }
        bool pieceOverCap = false;
        if (shaped) region = CreateRegionFromBitmap(piece, key, &pieceOverCap);
        overCap = overCap || pieceOverCap;
        side->SetRegionOptions(kIds[i], std::move(region), i == 1 ? 1 : 0);
    }
    if (overCap) r.Skip("ImageFile", kSkipRegionOverCap);
}

void ImportOnePieceSide(const ImportContext& context, CTwfWndFrame* frame, CTwfSideFrame* side, const char* section,
                        WORD sizeId) {
    StyleReader r(context, section, frame);
    const auto strip = r.LoadPartImage("ImageFile", "");
    if (!strip || strip->count < 0) return;
    frame->SetNumber(sizeId, static_cast<DWORD>(strip->FrameWidth()));
    StoreSidePiece(side, 0, strip->Frame(0), 1);
    StoreSidePiece(side, 1001, strip->Frame(1), 1);
}

struct CaptionButton {
    const char* section;
    WORD ids[4];
    int slotCount;
    WORD sizeId;      // 0: none
    WORD offsetId;    // 0: none
    WORD minOffsetId; // 0: none
};

void ImportCaptionButton(const ImportContext& context, CTwfObj* frame, const CaptionButton& b) {
    StyleReader r(context, b.section, frame);
    const auto strip = r.LoadPartImage("ImageFile", "");
    if (!strip) return;
    std::vector<int> frames = {0, 1, 2, 4};
    frames.resize(b.slotCount);
    auto slots = Slots(b.slotCount);
    CutFrames(*strip, frames, slots, 0);
    const int fw = strip->FrameWidth(), fh = strip->FrameHeight();
    if (b.sizeId) {
        frame->SetNumber(b.sizeId, PackPair(fw, fh));
        // Without an "Offset" there is no offset to write.
        if (const auto offset = r.ReadOffset("")) {
            const DWORD value = PackPair(std::abs(std::abs(offset->first) - fw), offset->second);
            frame->SetNumber(b.offsetId, value);
            if (b.minOffsetId) frame->SetNumber(b.minOffsetId, value);
        }
    }
    if (const auto glyph = r.LoadPartImage("ImageFile3", "")) {
        OverlayGlyphs(*glyph, frames, slots, 0);
        const unsigned gw = static_cast<unsigned>(glyph->FrameWidth());
        if (b.sizeId && gw > static_cast<unsigned>(fw)) frame->SetNumber(b.sizeId, PackPair(gw, glyph->FrameHeight()));
    }
    r.StoreImages(slots, std::vector<WORD>(b.ids, b.ids + b.slotCount), r.ReadSizingMargins(""), b.slotCount, 0, 0, 0);
}

struct MdiButton {
    const char* section;
    WORD ids[3];
    WORD sizeId;
    WORD offsetId;
};

void ImportMdiButton(const ImportContext& context, CTwfMenuBar* bar, const MdiButton& b) {
    StyleReader r(context, b.section, bar);
    const auto strip = r.LoadPartImage("ImageFile", "");
    if (!strip) return;
    auto slots = Slots(3);
    CutFrames(*strip, {0, 1, 2}, slots, 0);
    const int fw = strip->FrameWidth(), fh = strip->FrameHeight();
    bar->SetNumber(b.sizeId, PackPair(fw, fh));
    if (const auto offset = r.ReadOffset(""))
        bar->SetNumber(b.offsetId, PackPair(std::abs(offset->first) - fw, offset->second));
    if (const auto glyph = r.LoadPartImage("GlyphImageFile", "")) OverlayGlyphs(*glyph, {0, 1, 2}, slots, 0);
    const Margins m = r.ReadSizingMargins("");
    for (int i = 0; i < 3; ++i) {
        if (!slots[i]) continue;
        auto bitmap = hexmoor::platform::CreateBitmapFromPixels(OnTransparentBlack(slots[i]->View()));
        if (!bitmap) continue;
        MrgBitmapParams params;
        params.left = m.left;
        params.top = m.top;
        params.right = m.right;
        params.bottom = m.bottom;
        bar->RemoveImage(b.ids[i]);
        bar->PutImage(b.ids[i], std::make_unique<CMrgBitmap>(std::move(bitmap), params));
    }
}

void ImportMenuBar(const ImportContext& context, CTwfObj* frame) {
    StyleReader r(context, "SysMetrics", frame);
    const std::uint32_t bar = r.ReadColor("SysMetrics", "MenuBar");
    const std::uint32_t light = r.ReadColor("SysMetrics", "MenuHilight");
    std::vector<Slot> slots = {Solid(10, 10, bar), Solid(10, 10, light), Solid(10, 10, light), Solid(10, 10, bar),
                               Solid(10, 10, bar)};
    r.StoreImages(slots,
                  {fp::kMenuBarItemNormal, fp::kMenuBarItemHot, fp::kMenuBarItemPressed, fp::kMenuBarItemDisabled,
                   fp::kMenuBarBackground},
                  kOneMargins, 5, 0, 0, 0);
    frame->SetNumber(fp::kMenuBarHeight, 19);
    const COLORREF text = r.ReadColorRef("SysMetrics", "MenuText");
    const COLORREF highlight = r.ReadColorRef("SysMetrics", "HighlightText");
    frame->SetColor(fp::kMenuBarTextNormal, text);
    frame->SetColor(fp::kMenuBarTextHot, highlight);
    frame->SetColor(fp::kMenuBarTextPressed, highlight);
    frame->SetColor(fp::kMenuBarTextDisabled, r.ReadColorRef("SysMetrics", "GrayText"));
}

void ImportMinCaption(const ImportContext& context, CTwfObj* frame) {
    StyleReader r(context, "Window.MinCaption", frame);
    const auto strip = r.LoadPartImage("ImageFile", "");
    if (!strip) return;
    std::vector<Slot> slots = {strip->Frame(0)};
    r.StoreImages(slots, {fp::kMinimizedImage}, r.ReadSizingMargins(""), 1, 0, 0, 0);
}

} // namespace

void DrawSubmenuArrow(Pixels& target) {
    Pixels arrow = SolidImage(4, 8, 0);
    for (int x = 0; x < 4; ++x)
        for (int y = x; y <= 8 - x && y < 8; ++y) arrow.argb[static_cast<std::size_t>(y) * 4 + x] = 0xFF000000u;
    DrawCentered(target, arrow);
}

void ImportWindowFrame(const ImportContext& context, CTwfObj* object) {
    auto* frame = dynamic_cast<CTwfWndFrame*>(object);
    if (!frame) return;
    ImportFrameSettings(context, frame);
    ImportThreePieceSide(context, frame, frame->GetTopSide(), "Window.Caption", fp::kTopThickness, true);
    ImportThreePieceSide(context, frame, frame->GetBottomSide(), "Window.FrameBottom", fp::kBottomThickness, false);
    ImportOnePieceSide(context, frame, frame->GetLeftSide(), "Window.FrameLeft", fp::kLeftThickness);
    ImportOnePieceSide(context, frame, frame->GetRightSide(), "Window.FrameRight", fp::kRightThickness);
    static const CaptionButton kButtons[] = {
        {"Window.CloseButton",
         {fp::kCloseImageNormal, fp::kCloseImageHot, fp::kCloseImagePressed, fp::kCloseImageDisabled},
         4,
         fp::kCloseButtonSize,
         fp::kCloseButtonOffset,
         fp::kMinimizedCloseOffset},
        {"Window.MaxButton",
         {fp::kMaximizeImageNormal, fp::kMaximizeImageHot, fp::kMaximizeImagePressed, fp::kMaximizeImageDisabled},
         4,
         fp::kMaximizeButtonSize,
         fp::kMaximizeButtonOffset,
         fp::kMinimizedMaximizeOffset},
        {"Window.RestoreButton",
         {fp::kRestoreImageNormal, fp::kRestoreImageHot, fp::kRestoreImagePressed, fp::kRestoreImageDisabled},
         4,
         0,
         0,
         0},
        {"Window.MinButton",
         {fp::kMinimizeImageNormal, fp::kMinimizeImageHot, fp::kMinimizeImagePressed, fp::kMinimizeImageDisabled},
         4,
         fp::kMinimizeButtonSize,
         fp::kMinimizeButtonOffset,
         fp::kMinimizedMinimizeOffset},
        {"Window.HelpButton",
         {fp::kHelpImageNormal, fp::kHelpImageHot, fp::kHelpImagePressed, 0},
         3,
         fp::kHelpButtonSize,
         fp::kHelpButtonOffset,
         0},
    };
    for (const CaptionButton& b : kButtons) ImportCaptionButton(context, frame, b);
    ImportMenuBar(context, frame);
    static const MdiButton kMdi[] = {
        {"Window.MDICloseButton",
         {fp::kMdiCloseNormal, fp::kMdiCloseHot, fp::kMdiClosePressed},
         fp::kMdiCloseSize,
         fp::kMdiCloseOffset},
        {"Window.MDIRestoreButton",
         {fp::kMdiRestoreNormal, fp::kMdiRestoreHot, fp::kMdiRestorePressed},
         fp::kMdiRestoreSize,
         fp::kMdiRestoreOffset},
        {"Window.MDIMinButton",
         {fp::kMdiMinimizeNormal, fp::kMdiMinimizeHot, fp::kMdiMinimizePressed},
         fp::kMdiMinimizeSize,
         fp::kMdiMinimizeOffset},
    };
    for (const MdiButton& b : kMdi) ImportMdiButton(context, frame->GetMenuBar(), b);
    ImportMinCaption(context, frame);
}

void ImportDialogFrame(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Window.Dialog", object);
    r.StoreImage(dialog_props::kBackground, Solid(10, 10, r.ReadColor("SysMetrics", "Btnface")), kOneMargins, 0, 0);
}

void ImportMenu(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "SysMetrics", object);
    const std::uint32_t menu = r.ReadColor("SysMetrics", "Menu");
    const std::uint32_t highlight = r.ReadColor("SysMetrics", "MenuHilight");
    const std::uint32_t shadow = r.ReadColor("SysMetrics", "BtnShadow");
    namespace mp = menu_props;
    r.StoreImage(mp::kItemNormal, Solid(10, 10, menu), kNoMargins, 0, 0);
    r.StoreImage(mp::kItemHot, Solid(10, 10, highlight), kNoMargins, 0, 0);
    r.StoreImage(mp::kItemPressed, Solid(10, 10, highlight), kNoMargins, 0, 0);
    r.StoreImage(mp::kItemDisabled, Solid(10, 10, menu), kNoMargins, 0, 0);
    const std::pair<WORD, std::uint32_t> arrows[] = {
        {mp::kArrowNormal, menu}, {mp::kArrowHot, highlight}, {mp::kArrowDisabled, menu}};
    for (const auto& [id, color] : arrows) {
        Pixels item = Solid(16, 17, color);
        DrawSubmenuArrow(item);
        r.StoreImage(id, std::move(item), kNoMargins, 0, 0);
    }
    Pixels separator = Solid(10, 9, menu);
    DrawCentered(separator, Solid(10, 1, shadow));
    r.StoreImage(mp::kSeparator, std::move(separator), Margins{0, 0, 4, 4}, 0, 0);
    SetColors(r, "SysMetrics", "MenuText", {mp::kTextNormal});
    SetColors(r, "SysMetrics", "HighlightText", {mp::kTextHot, mp::kTextPressed});
    SetColors(r, "SysMetrics", "GrayText", {mp::kTextDisabled});
    SetColors(r, "SysMetrics", "Btnface", {mp::kBorderColor});
}

} // namespace hexmoor::exchange
