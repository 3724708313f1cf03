#include "editor/exchange/importers.h"

#include <algorithm>
#include <cstdlib>

#include "model/elements/combo_box.h"
#include "model/elements/wnd_frame.h"
#include "model/region_from_pixels.h"

namespace hexmoor::exchange {
namespace {

constexpr Margins kNoMargins{};
constexpr Margins kOneMargins{1, 1, 1, 1};

Margins Uniform(int s) { return Margins{s, s, s, s}; }

Pixels Solid(int width, int height, std::uint32_t argb) { return SolidImage(width, height, argb); }

Pixels Bordered(int width, int height, std::uint32_t inner, std::uint32_t border, int s) {
    Pixels image = SolidImage(width, height, inner);
    FillWithBorder(image, inner, border, s, s, s, s);
    return image;
}

// Frames of a strip into consecutive slots from first.
void CutFrames(const Strip& strip, const std::vector<int>& frames, std::vector<Slot>& slots, int first) {
    for (std::size_t i = 0; i < frames.size(); ++i) slots[first + i] = strip.Frame(frames[i]);
}

std::vector<int> Range(int count) {
    std::vector<int> frames;
    for (int i = 0; i < count; ++i) frames.push_back(i);
    return frames;
}

// Frames 0..n-1 of a strip, at most limit of them.
int StripFrames(const Strip& strip, int limit) {
    if (strip.count < 0) return 0;
    return std::min(strip.FrameCount(), limit);
}

// Draws glyph frames onto slots first.. for the frames listed.
void OverlayGlyphs(const Strip& glyph, const std::vector<int>& frames, std::vector<Slot>& slots, int first) {
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const auto g = glyph.Frame(frames[i]);
        Slot& slot = slots[first + i];
        if (g && slot) DrawCentered(slot->Edit(), g->View());
    }
}

std::vector<Slot> Slots(std::size_t count) { return std::vector<Slot>(count); }

// A whole strip copied into n slots.
std::vector<Slot> WholeCopies(const Strip& strip, int n) {
    std::vector<Slot> slots(n);
    for (Slot& s : slots) s = strip.Whole();
    return slots;
}

// One strip, frames listed in slot order, stored with the part's margins.
void FramesPart(const StyleReader& r, std::string_view section, const std::vector<int>& frames,
                const std::vector<WORD>& ids, int drawMode = 0, int mrgDrawMode = 0) {
    const auto strip = r.LoadPartImage("ImageFile", section);
    if (!strip) return;
    auto slots = Slots(frames.size());
    CutFrames(*strip, frames, slots, 0);
    r.StoreImages(slots, ids, r.ReadSizingMargins(section), static_cast<int>(ids.size()), 0, drawMode, mrgDrawMode);
}

// A whole image copied under each id.
void WholePart(const StyleReader& r, std::string_view section, const std::vector<WORD>& ids, const Margins& margins,
               int drawMode, int mrgDrawMode) {
    const auto strip = r.LoadPartImage("ImageFile", section);
    if (!strip) return;
    auto slots = WholeCopies(*strip, static_cast<int>(ids.size()));
    r.StoreImages(slots, ids, margins, static_cast<int>(ids.size()), 0, drawMode, mrgDrawMode);
}

void SetColors(const StyleReader& r, std::string_view section, std::string_view key, std::initializer_list<WORD> ids) {
    const COLORREF color = r.ReadColorRef(section, key);
    for (WORD id : ids) r.Target()->SetColor(id, color);
}

// Border-filled normal and disabled images from a section's fill colours.
void BorderFillPair(const StyleReader& r, std::string_view section, WORD normal, WORD disabled, int width, int height) {
    const std::uint32_t fill = r.ReadColor(section, "FillColor");
    const std::uint32_t disabledFill = r.ReadColor("Edit.Edittext(Disabled)", "FillColor");
    const std::uint32_t border = r.ReadColor(section, "BorderColor");
    const int s = r.ReadNumber(section, "BorderSize");
    r.StoreImage(normal, Bordered(width, height, fill, border, s), Uniform(s), 0, 0);
    r.StoreImage(disabled, Bordered(width, height, disabledFill, border, s), Uniform(s), 0, 0);
}

void SetNumbers(CTwfObj* object, std::initializer_list<WORD> ids, DWORD value) {
    for (WORD id : ids) object->SetNumber(id, value);
}

// Check-box states a list box or date-time picker shows: every other pair
// of frames (0, 3, 4, 7, 8, 11, ...).
void CheckBoxImages(const StyleReader& r, const std::vector<WORD>& ids) {
    std::vector<int> frames;
    int frame = 0;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        frames.push_back(frame);
        frame += (i % 2 == 0) ? 3 : 1;
    }
    const auto strip = r.LoadPartImage("ImageFile1", "Button.Checkbox");
    if (!strip) return;
    auto slots = Slots(ids.size());
    CutFrames(*strip, frames, slots, 0);
    r.StoreImages(slots, ids, r.ReadSizingMargins("Button.Checkbox"), static_cast<int>(ids.size()), 0, 0, 0);
}

// --- window frame ----------------------------------------------------------

void ImportFrameSettings(const ImportContext& context, CTwfObj* frame) {
    StyleReader r(context, "Window.SysButton", frame);
    r.StoreImage(485, Solid(10, 10, r.ReadColor("SysMetrics", "BtnShadow")), kOneMargins, 0, 0);
    frame->SetNumber(483, 3);
    if (ToLower(r.ReadKey("Window.Caption", "ContentAlignment")) == u"center") {
        frame->SetNumber(484, 1);
        frame->SetNumber(488, 1);
        frame->SetNumber(558, PackPair(6, 8));
    } else {
        frame->SetNumber(484, 0);
        frame->SetNumber(488, 0);
    }
    if (const auto font = ParseFont(r.ReadKey("SysMetrics", "CaptionFont")))
        frame->SetFont(std::make_unique<CFont>(*font));
    frame->SetColor(482, r.ReadColorRef("SysMetrics", "CaptionText"));
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
    r.StoreImages(slots, {418, 420, 419, 421, 422}, kOneMargins, 5, 0, 0, 0);
    frame->SetNumber(652, 19);
    const COLORREF text = r.ReadColorRef("SysMetrics", "MenuText");
    const COLORREF highlight = r.ReadColorRef("SysMetrics", "HighlightText");
    frame->SetColor(423, text);
    frame->SetColor(425, highlight);
    frame->SetColor(424, highlight);
    frame->SetColor(426, r.ReadColorRef("SysMetrics", "GrayText"));
}

void ImportMinCaption(const ImportContext& context, CTwfObj* frame) {
    StyleReader r(context, "Window.MinCaption", frame);
    const auto strip = r.LoadPartImage("ImageFile", "");
    if (!strip) return;
    std::vector<Slot> slots = {strip->Frame(0)};
    r.StoreImages(slots, {486}, r.ReadSizingMargins(""), 1, 0, 0, 0);
}

// --- buttons -----------------------------------------------------------------

void PushButtonColors(const StyleReader& r, std::initializer_list<WORD> ids) {
    static constexpr const char* kStates[] = {"Button.Pushbutton(Normal)", "Button.Pushbutton(Hot)",
                                              "Button.Pushbutton(Pressed)", "Button.Pushbutton(Disabled)",
                                              "Button.Pushbutton(Defaulted)"};
    const WORD* id = ids.begin();
    for (const char* state : kStates) {
        std::u16string value = r.ReadKey(state, "TextColor");
        if (value.empty()) value = r.ReadKey("Button.Pushbutton", "TextColor");
        r.Target()->SetColor(*id++, ParseColorRef(value));
    }
}

void GroupedCheckImages(const StyleReader& r, const std::vector<WORD>& ids) {
    const auto strip = r.LoadPartImage("ImageFile1", "");
    if (!strip) return;
    auto slots = Slots(ids.size());
    int frame = 0;
    for (std::size_t group = 0; group * 5 < ids.size(); ++group) {
        // Every image is cut anew, so that each is paid for from the budget.
        for (int i = 0; i < 4; ++i) slots[group * 5 + i] = strip->Frame(frame++);
        slots[group * 5 + 4] = strip->Frame(frame - 4);
    }
    r.StoreImages(slots, ids, r.ReadSizingMargins(""), static_cast<int>(ids.size()), 0, 0, 0);
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
    ImportThreePieceSide(context, frame, frame->GetTopSide(), "Window.Caption", 478, true);
    ImportThreePieceSide(context, frame, frame->GetBottomSide(), "Window.FrameBottom", 479, false);
    ImportOnePieceSide(context, frame, frame->GetLeftSide(), "Window.FrameLeft", 480);
    ImportOnePieceSide(context, frame, frame->GetRightSide(), "Window.FrameRight", 481);
    static const CaptionButton kButtons[] = {
        {"Window.CloseButton", {456, 458, 457, 459}, 4, 493, 489, 554},
        {"Window.MaxButton", {460, 462, 461, 470}, 4, 551, 491, 555},
        {"Window.RestoreButton", {466, 468, 467, 469}, 4, 0, 0, 0},
        {"Window.MinButton", {463, 465, 464, 471}, 4, 550, 490, 556},
        {"Window.HelpButton", {472, 474, 473, 0}, 3, 552, 492, 0},
    };
    for (const CaptionButton& b : kButtons) ImportCaptionButton(context, frame, b);
    ImportMenuBar(context, frame);
    static const MdiButton kMdi[] = {
        {"Window.MDICloseButton", {505, 507, 506}, 649, 646},
        {"Window.MDIRestoreButton", {515, 517, 516}, 650, 647},
        {"Window.MDIMinButton", {512, 514, 513}, 651, 648},
    };
    for (const MdiButton& b : kMdi) ImportMdiButton(context, frame->GetMenuBar(), b);
    ImportMinCaption(context, frame);
}

void ImportDialogFrame(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Window.Dialog", object);
    r.StoreImage(0, Solid(10, 10, r.ReadColor("SysMetrics", "Btnface")), kOneMargins, 0, 0);
}

void ImportButton(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Button.Pushbutton", object);
    FramesPart(r, "Button.Pushbutton", {0, 1, 2, 3, 4}, {22, 26, 24, 28, 30});
    PushButtonColors(r, {23, 27, 25, 29, 32});
}

void ImportCheckButton(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Button.Pushbutton", object);
    if (const auto strip = r.LoadPartImage("ImageFile", "")) {
        auto slots = Slots(10);
        // The checked states reuse frames, each cut anew.
        CutFrames(*strip, {0, 1, 2, 3, 4, 2, 2, 0, 3, 2}, slots, 0);
        r.StoreImages(slots, {663, 669, 666, 672, 675, 664, 670, 667, 673, 676}, r.ReadSizingMargins(""), 10, 0, 0, 0);
    }
    PushButtonColors(r, {665, 671, 668, 674, 677});
}

void ImportCheckBox(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Button.Checkbox", object);
    GroupedCheckImages(r, {109, 115, 112, 118, 121, 110, 116, 113, 119, 122, 124, 126, 125, 127, 128});
    const COLORREF a = r.ReadColorRef("", "TextColor");
    for (WORD id : {111, 117, 114, 123}) object->SetColor(id, a);
    object->SetColor(120, r.ReadColorRef("Button.Checkbox(Checkeddisabled)", "TextColor"));
}

void ImportRadioBox(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Button.Radiobutton", object);
    GroupedCheckImages(r, {133, 139, 136, 142, 145, 134, 140, 137, 143, 146});
    const COLORREF a = r.ReadColorRef("", "TextColor");
    for (WORD id : {135, 141, 138, 147}) object->SetColor(id, a);
    object->SetColor(144, r.ReadColorRef("Button.Radiobutton(Checkeddisabled)", "TextColor"));
}

void ImportGroupBox(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Button.Groupbox", object);
    object->SetColor(157, r.ReadColorRef("", "TextColor"));
    object->SetColor(160, r.ReadColorRef("", "TextShadowColor"));
    SetColors(r, "", "BorderColorHint", {158, 161, 159, 162});
}

void ImportGrip(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Status.Gripper", object);
    auto strip = r.LoadPartImage("ImageFile", "");
    if (!strip) return;
    strip->vertical = false; // always cut along the width
    std::vector<Slot> slots = {strip->Frame(0)};
    r.StoreImages(slots, {41}, kNoMargins, 1, 0, 1, 0);
}

void ImportScrollBar(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "ScrollBar.ArrowBtn", object);
    const std::vector<WORD> ids = {77, 81, 79, 83, 85, 89, 87, 91, 43, 47, 45, 49,  51, 55,
                                   53, 57, 93, 96, 94, 98, 59, 63, 61, 65, 76, 100, 42, 101};
    auto slots = Slots(28);
    if (const auto arrows = r.LoadPartImage("ImageFile", "")) {
        const auto frames = Range(StripFrames(*arrows, 16));
        CutFrames(*arrows, frames, slots, 0);
        if (const auto glyph = r.LoadPartImage("ImageFile1", ""))
            OverlayGlyphs(*glyph, Range(StripFrames(*glyph, 16)), slots, 0);
        r.StoreImages(slots, ids, r.ReadSizingMargins(""), 16, 0, 0, 0);
    }
    // Each thumb block stores only its own four slots.
    const auto thumb = [&](const char* section, int first) {
        const auto strip = r.LoadPartImage("ImageFile", section);
        if (!strip) return;
        const int n = StripFrames(*strip, 4);
        CutFrames(*strip, Range(n), slots, first);
        r.StoreImages(slots, ids, r.ReadSizingMargins(section), n, first, 0, 0);
    };
    thumb("ScrollBar.ThumbBtnVert", 16);
    thumb("ScrollBar.ThumbBtnHorz", 20);
    const auto track = [&](const char* section, int first, const char* marginSection) {
        const auto strip = r.LoadPartImage("ImageFile", section);
        if (!strip) return;
        if (strip->count == 0) {
            slots[first] = strip->Whole();
            slots[first + 1] = strip->Whole();
        } else if (strip->count > 0) {
            slots[first] = strip->Frame(0);
            slots[first + 1] = strip->Frame(strip->count - 1);
        }
        r.StoreImages(slots, ids, r.ReadSizingMargins(marginSection), 2, first, 0, 0);
    };
    track("ScrollBar.UpperTrackVert", 24, "ScrollBar.UpperTrackVert");
    track("ScrollBar.UpperTrackHorz", 26, "ScrollBar.ArrowBtn");
}

void ImportEditBox(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Edit", object);
    if (ToLower(r.ReadKey("Edit", "Bgtype")) == u"borderfill") {
        const int s = r.ReadNumber("Edit", "BorderSize");
        SetNumbers(object, {17, 19, 18, 20}, static_cast<DWORD>(s));
        BorderFillPair(r, "Edit", 10, 11, 10, 10);
    }
    SetColors(r, "Edit.Edittext(ReadOnly)", "TextColor", {13});
    SetColors(r, "Edit.Edittext(Disabled)", "TextColor", {15});
    SetColors(r, "SysMetrics", "HighlightText", {16});
    SetColors(r, "SysMetrics", "Highlight", {14});
}

void ImportListBox(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Listbox", object);
    BorderFillPair(r, "Listbox", 354, 355, 10, 10);
    SetNumbers(object, {359, 361, 360, 362}, static_cast<DWORD>(r.ReadNumber("Listbox", "BorderSize")));
    CheckBoxImages(r, {791, 792, 793, 794, 795, 796});
    SetColors(r, "Edit.Edittext(ReadOnly)", "TextColor", {356});
    SetColors(r, "Edit.Edittext(Disabled)", "TextColor", {357});
    SetColors(r, "SysMetrics", "HighlightText", {363});
    SetColors(r, "SysMetrics", "Highlight", {358});
}

void ImportListView(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "ListView", object);
    BorderFillPair(r, "ListView", 366, 367, 10, 10);
    SetNumbers(object, {368, 370, 369, 371}, static_cast<DWORD>(r.ReadNumber("ListView", "BorderSize")));
    SetColors(r, "Edit.Edittext(ReadOnly)", "TextColor", {374});
    SetColors(r, "Edit.Edittext(Disabled)", "TextColor", {375});
    SetColors(r, "SysMetrics", "HighlightText", {627});
    SetColors(r, "SysMetrics", "Highlight", {626, 628});
    SetColors(r, "SysMetrics", "Btnface", {372, 373});
}

void ImportTreeView(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "TreeView", object);
    auto glyph = r.LoadPartImage("ImageFile", "TreeView.Glyph");
    if (!glyph) glyph = r.LoadPartImage("ImageFile1", "TreeView.Glyph");
    if (glyph) {
        auto slots = Slots(4);
        CutFrames(*glyph, {0, 0, 1, 1}, slots, 0);
        r.StoreImages(slots, {395, 401, 396, 402}, kNoMargins, 4, 0, 0, 0);
    }
    if (ToLower(r.ReadKey("TreeView", "Bgtype")) == u"borderfill") BorderFillPair(r, "TreeView", 393, 394, 10, 10);
    const auto withFallback = [&](WORD id, const char* key, const char* fallbackSection) {
        COLORREF color = r.ReadColorRef("TreeView", key);
        if (color == 0xFF000000u) color = r.ReadColorRef(fallbackSection, "TextColor");
        object->SetColor(id, color);
    };
    withFallback(612, "TextColor", "Edit.Edittext(ReadOnly)");
    withFallback(613, "TextShadowColor", "Edit.Edittext(Disabled)");
    SetColors(r, "SysMetrics", "HighlightText", {614, 615});
    SetColors(r, "SysMetrics", "Highlight", {616});
    SetColors(r, "SysMetrics", "Btnface", {617});
}

namespace {

// The combo box's and date-time picker's drop-down button.
bool DropDownButton(const StyleReader& r, const std::vector<int>& frames, std::vector<Slot>& slots, int* frameWidth) {
    const auto strip = r.LoadPartImage("ImageFile", "Combobox.DropDownButton");
    if (!strip) return false;
    CutFrames(*strip, frames, slots, 0);
    *frameWidth = strip->FrameWidth();
    if (const auto glyph = r.LoadPartImage("GlyphImageFile", "Combobox.DropDownButton"))
        OverlayGlyphs(*glyph, frames, slots, 0);
    return true;
}

} // namespace

void ImportComboBox(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Combobox", object);
    auto slots = Slots(4);
    int width = 0;
    const auto strip = r.LoadPartImage("ImageFile", "Combobox.DropDownButton");
    if (strip) {
        const auto frames = Range(StripFrames(*strip, 4));
        CutFrames(*strip, frames, slots, 0);
        width = strip->FrameWidth();
        if (auto* combo = dynamic_cast<CTwfComboBox*>(object)) combo->SetArrowWidth(static_cast<DWORD>(width));
        if (const auto glyph = r.LoadPartImage("GlyphImageFile", "Combobox.DropDownButton"))
            OverlayGlyphs(*glyph, Range(StripFrames(*glyph, 4)), slots, 0);
        r.StoreImages(slots, {341, 343, 342, 344}, r.ReadSizingMargins("Combobox"), 4, 0, 0, 0);
    }
    if (const auto background = r.LoadPartImage("ImageFile", "Combobox")) {
        std::vector<Slot> copies = {background->Frame(0), background->Frame(0), background->Frame(0)};
        const Margins m = r.ReadSizingMargins("Combobox");
        r.StoreImages(copies, {346, 351, 348}, m, 3, 0, 0, 0);
        object->SetNumber(658, static_cast<DWORD>(m.left));
        object->SetNumber(660, static_cast<DWORD>(m.right));
    } else {
        const std::uint32_t inner = r.ReadColor("SysMetrics", "Btnface");
        const std::uint32_t border = r.ReadColor("Combobox", "BorderColor");
        const int s = r.ReadNumber("Combobox", "BorderSize");
        SetNumbers(object, {658, 660}, static_cast<DWORD>(s));
        for (WORD id : {346, 351, 348}) r.StoreImage(id, Bordered(20, 10, inner, border, s), Uniform(s), 0, 0);
    }
    SetColors(r, "Edit.Edittext(ReadOnly)", "TextColor", {347, 349});
    SetColors(r, "Edit.Edittext(Disabled)", "TextColor", {352});
    SetColors(r, "Combobox", "BorderColor", {353});
}

void ImportDateTime(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "SysMetrics", object);
    auto slots = Slots(3);
    int width = 0;
    if (DropDownButton(r, {0, 2, 3}, slots, &width))
        r.StoreImages(slots, {413, 414, 415}, r.ReadSizingMargins(""), 3, 0, 0, 0);
    if (const auto background = r.LoadPartImage("ImageFile", "Combobox")) {
        std::vector<Slot> copies = {background->Frame(0), background->Frame(0)};
        r.StoreImages(copies, {405, 407}, r.ReadSizingMargins("Combobox"), 2, 0, 0, 0);
    } else {
        const std::uint32_t fill = r.ReadColor("Edit", "FillColor");
        const std::uint32_t face = r.ReadColor("SysMetrics", "Btnface");
        const std::uint32_t border = r.ReadColor("Combobox", "BorderColor");
        const int s = r.ReadNumber("Combobox", "BorderSize");
        r.StoreImage(405, Bordered(20, 10, fill, border, s), Uniform(s), 0, 0);
        r.StoreImage(407, Bordered(20, 10, face, border, s), Uniform(s), 0, 0);
    }
    SetNumbers(object, {678, 679, 680, 681}, 4);
    CheckBoxImages(r, {410, 412, 409, 411});
    SetColors(r, "Edit.Edittext(ReadOnly)", "TextColor", {406});
    SetColors(r, "Edit.Edittext(Disabled)", "TextColor", {408});
    SetColors(r, "SysMetrics", "HighlightText", {417});
    SetColors(r, "SysMetrics", "Highlight", {416});
}

void ImportStaticText(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "SysMetrics", object);
    SetColors(r, "Edit.Edittext(ReadOnly)", "TextColor", {494});
    SetColors(r, "Edit.Edittext(Disabled)", "TextColor", {495});
}

void ImportTab(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Tab", object);
    FramesPart(r, "Tab.TabItem", {0, 1, 2, 3, 4}, {239, 243, 241, 245, 247});
    FramesPart(r, "Tab.TopTabItem", {0, 1, 2, 3, 4}, {219, 223, 221, 225, 227});
    if (auto pane = r.LoadPartImage("ImageFile", "Tab.Pane")) {
        pane->vertical = true; // the panel is the top frame whatever the layout
        std::vector<Slot> slots = {pane->Frame(0), pane->Frame(0)};
        r.StoreImages(slots, {238, 218}, r.ReadSizingMargins("Tab.Pane"), 2, 0, 0, 0);
    }
    SetColors(r, "Tab", "TextColor", {220, 222, 224, 228});
    SetColors(r, "Tab", "TextShadowColor", {226});
}

void ImportProgressBar(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Progress", object);
    const auto bar = [&](const char* section, WORD id, std::initializer_list<WORD> numbers) {
        const auto strip = r.LoadPartImage("ImageFile", section);
        if (!strip) return;
        const Margins m = r.ReadSizingMargins(section);
        auto slots = WholeCopies(*strip, 1);
        r.StoreImages(slots, {id}, m, 1, 0, 1, 0);
        const WORD* n = numbers.begin();
        object->SetNumber(n[0], static_cast<DWORD>(m.left));
        object->SetNumber(n[1], static_cast<DWORD>(m.right));
        object->SetNumber(n[2], static_cast<DWORD>(m.top));
        object->SetNumber(n[3], static_cast<DWORD>(m.bottom));
    };
    bar("Progress.Bar", 287, {289, 291, 290, 292});
    bar("Progress.BarVert", 298, {300, 302, 301, 303});
    WholePart(r, "Progress.Chunk", {288}, kNoMargins, 1, 0);
    WholePart(r, "Progress.ChunkVert", {299}, kNoMargins, 1, 0);
}

void ImportSpin(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Spin", object);
    const auto part = [&](const char* section, std::vector<WORD> ids) {
        const auto strip = r.LoadPartImage("ImageFile", section);
        if (!strip) return;
        auto slots = Slots(4);
        int count = StripFrames(*strip, 4);
        CutFrames(*strip, Range(count), slots, 0);
        if (const auto glyph = r.LoadPartImage("GlyphImageFile", section)) {
            count = StripFrames(*glyph, 4);
            OverlayGlyphs(*glyph, Range(count), slots, 0);
        }
        r.StoreImages(slots, ids, r.ReadSizingMargins(section), count, 0, 0, 0);
    };
    part("Spin.Downhorz", {258, 260, 259, 261});
    part("Spin.Uphorz", {263, 265, 264, 266});
    part("Spin.Up", {277, 279, 278, 280});
    part("Spin.Down", {282, 284, 283, 285});
}

void ImportSlider(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "TrackBar", object);
    FramesPart(r, "TrackBar.Thumb", {0, 1, 2, 3, 4}, {170, 176, 173, 182, 179});
    FramesPart(r, "TrackBar.ThumbVert", {0, 1, 2, 3, 4}, {194, 200, 197, 206, 203});
    WholePart(r, "TrackBar.Track", {171, 177, 174, 180, 183}, r.ReadSizingMargins("TrackBar.Track"), 0, 1);
    WholePart(r, "TrackBar.TrackVert", {195, 201, 198, 204, 207}, r.ReadSizingMargins("TrackBar.TrackVert"), 0, 0);
}

void ImportSplitter(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "SysMetrics", object);
    const std::uint32_t face = r.ReadColor("SysMetrics", "Btnface");
    const std::uint32_t line = r.ReadColor("SysMetrics", "BtnShadow");
    struct Look {
        WORD id;
        int left, top, right, bottom;
    };
    static constexpr Look kLooks[] = {{603, 0, 0, 0, 0}, {601, 1, 0, 1, 0}, {602, 0, 1, 0, 1},
                                      {600, 1, 1, 1, 1}, {605, 1, 1, 1, 1}, {604, 1, 1, 1, 1}};
    for (const Look& look : kLooks) {
        Pixels image = SolidImage(7, 7, face);
        FillWithBorder(image, face, line, look.left, look.top, look.right, look.bottom);
        r.StoreImage(look.id, std::move(image), kOneMargins, 0, 0);
    }
}

void ImportHeader(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Header.HeaderItem", object);
    FramesPart(r, "Header.HeaderItem", {0, 1, 2}, {376, 378, 377});
}

void ImportToolBar(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Toolbar", object);
    FramesPart(r, "Toolbar.Button", {0, 1, 2, 3}, {311, 313, 312, 314});
    WholePart(r, "Toolbar.Separator", {315}, r.ReadSizingMargins("Toolbar"), 0, 0);
    const int s = r.ReadNumber("Toolbar", "BorderSize");
    r.StoreImage(309, Solid(10, 10, r.ReadColor("SysMetrics", "Btnface")), Uniform(s), 0, 0);
}

void ImportTooltip(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "SysMetrics", object);
    r.StoreImage(527, Bordered(10, 10, 0xFFFFFFE1u, 0xFF000000u, 1), kOneMargins, 0, 0);
    object->SetColor(528, 0);
}

void ImportStatusBar(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Status", object);
    WholePart(r, "Status", {332}, r.ReadSizingMargins("Status"), 0, 0);
    WholePart(r, "Status.Pane", {324, 325}, r.ReadSizingMargins("Status"), 1, 1);
    if (auto grip = r.LoadPartImage("ImageFile", "Status.Gripper")) {
        grip->vertical = false;
        std::vector<Slot> slots = {grip->Frame(0), grip->Frame(0)};
        r.StoreImages(slots, {326, 329}, kNoMargins, 2, 0, 1, 1);
    }
    SetColors(r, "Status", "TextColor", {330});
    SetColors(r, "SysMetrics", "GrayText", {331});
}

void ImportMenu(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "SysMetrics", object);
    const std::uint32_t menu = r.ReadColor("SysMetrics", "Menu");
    const std::uint32_t highlight = r.ReadColor("SysMetrics", "MenuHilight");
    const std::uint32_t shadow = r.ReadColor("SysMetrics", "BtnShadow");
    r.StoreImage(437, Solid(10, 10, menu), kNoMargins, 0, 0);
    r.StoreImage(441, Solid(10, 10, highlight), kNoMargins, 0, 0);
    r.StoreImage(439, Solid(10, 10, highlight), kNoMargins, 0, 0);
    r.StoreImage(443, Solid(10, 10, menu), kNoMargins, 0, 0);
    const std::pair<WORD, std::uint32_t> arrows[] = {{449, menu}, {450, highlight}, {452, menu}};
    for (const auto& [id, color] : arrows) {
        Pixels item = Solid(16, 17, color);
        DrawSubmenuArrow(item);
        r.StoreImage(id, std::move(item), kNoMargins, 0, 0);
    }
    Pixels separator = Solid(10, 9, menu);
    DrawCentered(separator, Solid(10, 1, shadow));
    r.StoreImage(447, std::move(separator), Margins{0, 0, 4, 4}, 0, 0);
    SetColors(r, "SysMetrics", "MenuText", {438});
    SetColors(r, "SysMetrics", "HighlightText", {442, 440});
    SetColors(r, "SysMetrics", "GrayText", {444});
    SetColors(r, "SysMetrics", "Btnface", {429});
}

} // namespace hexmoor::exchange
