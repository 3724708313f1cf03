#include "editor/exchange/importers.h"

#include <algorithm>
#include <cstdlib>

#include "model/elements/bar_properties.h"
#include "model/elements/button_properties.h"
#include "model/elements/check_properties.h"
#include "model/elements/combo_box.h"
#include "model/elements/combo_box_properties.h"
#include "model/elements/common_control_properties.h"
#include "model/elements/dialog_properties.h"
#include "model/elements/edit_properties.h"
#include "model/elements/frame_properties.h"
#include "model/elements/grip_properties.h"
#include "model/elements/group_box_properties.h"
#include "model/elements/header_properties.h"
#include "model/elements/list_properties.h"
#include "model/elements/menu_properties.h"
#include "model/elements/range_properties.h"
#include "model/elements/scrollbar_properties.h"
#include "model/elements/slider_properties.h"
#include "model/elements/static_text_properties.h"
#include "model/elements/tab_properties.h"
#include "model/elements/wnd_frame.h"
#include "model/region_from_pixels.h"

namespace hexmoor::exchange {
namespace {

namespace fp = frame_props;

// State indices of the elements whose ids come in per-state blocks.
enum StateIndex : int { kNormal = 0, kHot = 1, kPressed = 2, kDisabled = 3, kFocused = 4 };

// The id at `within` of a state's block of three, for the elements whose
// blocks run from `base` in the order blockOfState gives.
WORD InBlockOfThree(WORD base, const WORD (&blockOfState)[5], int state, WORD within) {
    return static_cast<WORD>(base + 3 * blockOfState[state] + within);
}

// InBlockOfThree for each state listed, in that order.
std::vector<WORD> BlockIds(WORD base, const WORD (&blockOfState)[5], WORD within, std::initializer_list<int> states) {
    std::vector<WORD> ids;
    for (int state : states) ids.push_back(InBlockOfThree(base, blockOfState, state, within));
    return ids;
}

// A scroll-bar part's images in the order of the style's frames: normal,
// highlighted, pressed, disabled.
std::vector<WORD> FrameOrder(const scrollbar_props::PartIds& part) {
    return {part.normal, part.hot, part.pressed, part.disabled};
}

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

void ImportButton(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Button.Pushbutton", object);
    namespace bp = button_props;
    FramesPart(r, "Button.Pushbutton", {0, 1, 2, 3, 4},
               {bp::kImageNormal, bp::kImageHot, bp::kImagePressed, bp::kImageDisabled, bp::kImageFocused});
    PushButtonColors(r, {bp::kTextNormal, bp::kTextHot, bp::kTextPressed, bp::kTextDisabled, bp::kTextFocused});
}

void ImportCheckButton(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Button.Pushbutton", object);
    if (const auto strip = r.LoadPartImage("ImageFile", "")) {
        auto slots = Slots(10);
        // The checked states reuse frames, each cut anew.
        CutFrames(*strip, {0, 1, 2, 3, 4, 2, 2, 0, 3, 2}, slots, 0);
        namespace cb = check_button_props;
        std::vector<WORD> ids(std::begin(cb::kUncheckedImage), std::end(cb::kUncheckedImage));
        ids.insert(ids.end(), std::begin(cb::kCheckedImage), std::end(cb::kCheckedImage));
        r.StoreImages(slots, ids, r.ReadSizingMargins(""), 10, 0, 0, 0);
    }
    const WORD* text = check_button_props::kUncheckedText;
    PushButtonColors(r, {text[0], text[1], text[2], text[3], text[4]});
}

namespace {

// A check or radio box from its block base: the unchecked and the checked
// images of every state (then the indeterminate ones when given), one text
// colour for the enabled states and one for the disabled state.
void ImportCheckBlocks(const ImportContext& context, CTwfObj* object, const char* section, WORD base,
                       const WORD* indeterminate) {
    namespace cp = check_props;
    StyleReader r(context, section, object);
    const std::initializer_list<int> kAll = {kNormal, kHot, kPressed, kDisabled, kFocused};
    std::vector<WORD> images = BlockIds(base, cp::kBlockOfState, cp::kUncheckedImage, kAll);
    const std::vector<WORD> checked = BlockIds(base, cp::kBlockOfState, cp::kCheckedImage, kAll);
    images.insert(images.end(), checked.begin(), checked.end());
    if (indeterminate)
        for (int state : kAll) images.push_back(static_cast<WORD>(*indeterminate + cp::kBlockOfState[state]));
    GroupedCheckImages(r, images);
    const COLORREF a = r.ReadColorRef("", "TextColor");
    for (WORD id : BlockIds(base, cp::kBlockOfState, cp::kTextColor, {kNormal, kHot, kPressed, kFocused}))
        object->SetColor(id, a);
    object->SetColor(InBlockOfThree(base, cp::kBlockOfState, kDisabled, cp::kTextColor),
                     r.ReadColorRef(std::string(section) + "(Checkeddisabled)", "TextColor"));
}

} // namespace

void ImportCheckBox(const ImportContext& context, CTwfObj* object) {
    ImportCheckBlocks(context, object, "Button.Checkbox", check_props::kCheckBoxBase,
                      &check_props::kCheckBoxIndeterminate);
}

void ImportRadioBox(const ImportContext& context, CTwfObj* object) {
    ImportCheckBlocks(context, object, "Button.Radiobutton", check_props::kRadioBoxBase, nullptr);
}

void ImportGroupBox(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Button.Groupbox", object);
    namespace gb = group_box_props;
    object->SetColor(gb::kTextNormal, r.ReadColorRef("", "TextColor"));
    object->SetColor(gb::kTextDisabled, r.ReadColorRef("", "TextShadowColor"));
    SetColors(r, "", "BorderColorHint",
              {gb::kLightLineNormal, gb::kLightLineDisabled, gb::kDarkLineNormal, gb::kDarkLineDisabled});
}

void ImportGrip(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Status.Gripper", object);
    auto strip = r.LoadPartImage("ImageFile", "");
    if (!strip) return;
    strip->vertical = false; // always cut along the width
    std::vector<Slot> slots = {strip->Frame(0)};
    r.StoreImages(slots, {grip_props::kImage}, kNoMargins, 1, 0, 1, 0);
}

void ImportScrollBar(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "ScrollBar.ArrowBtn", object);
    // Slots: the vertical bar's arrows, the horizontal bar's, the vertical
    // thumb, the horizontal thumb, then each bar's background and disabled
    // background.
    namespace sb = scrollbar_props;
    constexpr const sb::BarIds& vert = sb::kStandaloneVert;
    constexpr const sb::BarIds& horz = sb::kStandaloneHorz;
    std::vector<WORD> ids;
    for (const sb::PartIds* part :
         {&vert.firstArrow, &vert.secondArrow, &horz.firstArrow, &horz.secondArrow, &vert.thumb, &horz.thumb}) {
        const std::vector<WORD> four = FrameOrder(*part);
        ids.insert(ids.end(), four.begin(), four.end());
    }
    ids.insert(ids.end(), {vert.background, vert.backgroundDisabled, horz.background, horz.backgroundDisabled});
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
    namespace ep = edit_props;
    StyleReader r(context, "Edit", object);
    if (ToLower(r.ReadKey("Edit", "Bgtype")) == u"borderfill") {
        const int s = r.ReadNumber("Edit", "BorderSize");
        SetNumbers(object, {ep::kLeftBorder, ep::kRightBorder, ep::kTopBorder, ep::kBottomBorder},
                   static_cast<DWORD>(s));
        BorderFillPair(r, "Edit", ep::kImageNormal, ep::kImageDisabled, 10, 10);
    }
    SetColors(r, "Edit.Edittext(ReadOnly)", "TextColor", {ep::kTextNormal});
    SetColors(r, "Edit.Edittext(Disabled)", "TextColor", {ep::kTextDisabled});
    SetColors(r, "SysMetrics", "HighlightText", {ep::kSelectedText});
    SetColors(r, "SysMetrics", "Highlight", {ep::kSelection});
}

void ImportListBox(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Listbox", object);
    namespace lb = list_box_props;
    BorderFillPair(r, "Listbox", lb::kImageNormal, lb::kImageDisabled, 10, 10);
    SetNumbers(object, {lb::kLeftBorder, lb::kRightBorder, lb::kTopBorder, lb::kBottomBorder},
               static_cast<DWORD>(r.ReadNumber("Listbox", "BorderSize")));
    CheckBoxImages(r, {lb::kUncheckNormal, lb::kUncheckDisabled, lb::kCheckNormal, lb::kCheckDisabled,
                       lb::kIndeterminateNormal, lb::kIndeterminateDisabled});
    SetColors(r, "Edit.Edittext(ReadOnly)", "TextColor", {lb::kTextNormal});
    SetColors(r, "Edit.Edittext(Disabled)", "TextColor", {lb::kTextDisabled});
    SetColors(r, "SysMetrics", "HighlightText", {lb::kSelectedText});
    SetColors(r, "SysMetrics", "Highlight", {lb::kSelection});
}

void ImportListView(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "ListView", object);
    namespace lv = list_view_props;
    BorderFillPair(r, "ListView", lv::kImageNormal, lv::kImageDisabled, 10, 10);
    SetNumbers(object, {lv::kLeftBorder, lv::kRightBorder, lv::kTopBorder, lv::kBottomBorder},
               static_cast<DWORD>(r.ReadNumber("ListView", "BorderSize")));
    SetColors(r, "Edit.Edittext(ReadOnly)", "TextColor", {lv::kTextNormal});
    SetColors(r, "Edit.Edittext(Disabled)", "TextColor", {lv::kTextDisabled});
    SetColors(r, "SysMetrics", "HighlightText", {lv::kSelectedText});
    SetColors(r, "SysMetrics", "Highlight", {lv::kSelection, lv::kHotItem});
    SetColors(r, "SysMetrics", "Btnface", {lv::kGridNormal, lv::kGridDisabled});
}

void ImportTreeView(const ImportContext& context, CTwfObj* object) {
    namespace tp = tree_props;
    StyleReader r(context, "TreeView", object);
    auto glyph = r.LoadPartImage("ImageFile", "TreeView.Glyph");
    if (!glyph) glyph = r.LoadPartImage("ImageFile1", "TreeView.Glyph");
    if (glyph) {
        auto slots = Slots(4);
        CutFrames(*glyph, {0, 0, 1, 1}, slots, 0);
        r.StoreImages(slots, {tp::kBoxNormal, tp::kBoxDisabled, tp::kExpandedBoxNormal, tp::kExpandedBoxDisabled},
                      kNoMargins, 4, 0, 0, 0);
    }
    if (ToLower(r.ReadKey("TreeView", "Bgtype")) == u"borderfill")
        BorderFillPair(r, "TreeView", tp::kBackgroundNormal, tp::kBackgroundDisabled, 10, 10);
    const auto withFallback = [&](WORD id, const char* key, const char* fallbackSection) {
        COLORREF color = r.ReadColorRef("TreeView", key);
        if (color == 0xFF000000u) color = r.ReadColorRef(fallbackSection, "TextColor");
        object->SetColor(id, color);
    };
    withFallback(tp::kTextNormal, "TextColor", "Edit.Edittext(ReadOnly)");
    withFallback(tp::kTextDisabled, "TextShadowColor", "Edit.Edittext(Disabled)");
    SetColors(r, "SysMetrics", "HighlightText", {tp::kSelectedTextNormal, tp::kSelectedTextDisabled});
    SetColors(r, "SysMetrics", "Highlight", {tp::kSelectionNormal});
    SetColors(r, "SysMetrics", "Btnface", {tp::kSelectionDisabled});
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
    namespace cb = combo_box_props;
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
        r.StoreImages(slots, {cb::kArrowNormal, cb::kArrowHot, cb::kArrowPressed, cb::kArrowDisabled},
                      r.ReadSizingMargins("Combobox"), 4, 0, 0, 0);
    }
    const std::vector<WORD> backgrounds = {cb::kBackgroundNormal, cb::kBackgroundDisabled, cb::kBackgroundFocused};
    if (const auto background = r.LoadPartImage("ImageFile", "Combobox")) {
        std::vector<Slot> copies = {background->Frame(0), background->Frame(0), background->Frame(0)};
        const Margins m = r.ReadSizingMargins("Combobox");
        r.StoreImages(copies, backgrounds, m, 3, 0, 0, 0);
        object->SetNumber(cb::kLeftBorder, static_cast<DWORD>(m.left));
        object->SetNumber(cb::kRightBorder, static_cast<DWORD>(m.right));
    } else {
        const std::uint32_t inner = r.ReadColor("SysMetrics", "Btnface");
        const std::uint32_t border = r.ReadColor("Combobox", "BorderColor");
        const int s = r.ReadNumber("Combobox", "BorderSize");
        SetNumbers(object, {cb::kLeftBorder, cb::kRightBorder}, static_cast<DWORD>(s));
        for (WORD id : backgrounds) r.StoreImage(id, Bordered(20, 10, inner, border, s), Uniform(s), 0, 0);
    }
    SetColors(r, "Edit.Edittext(ReadOnly)", "TextColor", {cb::kTextNormal, cb::kTextFocused});
    SetColors(r, "Edit.Edittext(Disabled)", "TextColor", {cb::kTextDisabled});
    SetColors(r, "Combobox", "BorderColor", {cb::kListBorderColor});
}

void ImportDateTime(const ImportContext& context, CTwfObj* object) {
    namespace dt = date_time_props;
    StyleReader r(context, "SysMetrics", object);
    auto slots = Slots(3);
    int width = 0;
    if (DropDownButton(r, {0, 2, 3}, slots, &width))
        r.StoreImages(slots, {dt::kArrowNormal, dt::kArrowPressed, dt::kArrowDisabled}, r.ReadSizingMargins(""), 3, 0,
                      0, 0);
    if (const auto background = r.LoadPartImage("ImageFile", "Combobox")) {
        std::vector<Slot> copies = {background->Frame(0), background->Frame(0)};
        r.StoreImages(copies, {dt::kBackgroundNormal, dt::kBackgroundDisabled}, r.ReadSizingMargins("Combobox"), 2, 0,
                      0, 0);
    } else {
        const std::uint32_t fill = r.ReadColor("Edit", "FillColor");
        const std::uint32_t face = r.ReadColor("SysMetrics", "Btnface");
        const std::uint32_t border = r.ReadColor("Combobox", "BorderColor");
        const int s = r.ReadNumber("Combobox", "BorderSize");
        r.StoreImage(dt::kBackgroundNormal, Bordered(20, 10, fill, border, s), Uniform(s), 0, 0);
        r.StoreImage(dt::kBackgroundDisabled, Bordered(20, 10, face, border, s), Uniform(s), 0, 0);
    }
    SetNumbers(object, {dt::kLeftBorder, dt::kRightBorder, dt::kTopBorder, dt::kBottomBorder}, 4);
    CheckBoxImages(r, {dt::kUncheckedNormal, dt::kUncheckedDisabled, dt::kCheckedNormal, dt::kCheckedDisabled});
    SetColors(r, "Edit.Edittext(ReadOnly)", "TextColor", {dt::kTextNormal});
    SetColors(r, "Edit.Edittext(Disabled)", "TextColor", {dt::kTextDisabled});
    SetColors(r, "SysMetrics", "HighlightText", {dt::kSelectedText});
    SetColors(r, "SysMetrics", "Highlight", {dt::kSelection});
}

void ImportStaticText(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "SysMetrics", object);
    SetColors(r, "Edit.Edittext(ReadOnly)", "TextColor", {static_text_props::kTextColor});
    SetColors(r, "Edit.Edittext(Disabled)", "TextColor", {static_text_props::kTextColorDisabled});
}

void ImportTab(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Tab", object);
    namespace tb = tab_props;
    // A state's item image, or with text 1 its text colour, in a block.
    const auto item = [](WORD base, int state, int text = 0) {
        return static_cast<WORD>(base + tb::kItemOfState[state] + text);
    };
    const auto items = [&](WORD base) {
        return std::vector<WORD>{item(base, kNormal), item(base, kHot), item(base, kPressed), item(base, kDisabled),
                                 item(base, kFocused)};
    };
    FramesPart(r, "Tab.TabItem", {0, 1, 2, 3, 4}, items(tb::kVerticalBase));
    FramesPart(r, "Tab.TopTabItem", {0, 1, 2, 3, 4}, items(tb::kHorizontalBase));
    if (auto pane = r.LoadPartImage("ImageFile", "Tab.Pane")) {
        pane->vertical = true; // the panel is the top frame whatever the layout
        std::vector<Slot> slots = {pane->Frame(0), pane->Frame(0)};
        r.StoreImages(slots, {tb::kVerticalBase + tb::kPanel, tb::kHorizontalBase + tb::kPanel},
                      r.ReadSizingMargins("Tab.Pane"), 2, 0, 0, 0);
    }
    const WORD h = tb::kHorizontalBase;
    SetColors(r, "Tab", "TextColor",
              {item(h, kNormal, 1), item(h, kPressed, 1), item(h, kHot, 1), item(h, kFocused, 1)});
    SetColors(r, "Tab", "TextShadowColor", {item(h, kDisabled, 1)});
}

void ImportProgressBar(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Progress", object);
    const auto bar = [&](const char* section, const progress_props::BarIds& ids) {
        const auto strip = r.LoadPartImage("ImageFile", section);
        if (!strip) return;
        const Margins m = r.ReadSizingMargins(section);
        auto slots = WholeCopies(*strip, 1);
        r.StoreImages(slots, {ids.background}, m, 1, 0, 1, 0);
        object->SetNumber(ids.leftBorder, static_cast<DWORD>(m.left));
        object->SetNumber(ids.rightBorder, static_cast<DWORD>(m.right));
        object->SetNumber(ids.topBorder, static_cast<DWORD>(m.top));
        object->SetNumber(ids.bottomBorder, static_cast<DWORD>(m.bottom));
    };
    bar("Progress.Bar", progress_props::kHorz);
    bar("Progress.BarVert", progress_props::kVert);
    WholePart(r, "Progress.Chunk", {progress_props::kHorz.item}, kNoMargins, 1, 0);
    WholePart(r, "Progress.ChunkVert", {progress_props::kVert.item}, kNoMargins, 1, 0);
}

void ImportSpin(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Spin", object);
    const auto part = [&](const char* section, const spin_props::ArrowIds& arrow) {
        const std::vector<WORD> ids = {arrow.normal, arrow.hot, arrow.pressed, arrow.disabled};
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
    part("Spin.Downhorz", spin_props::kLeftArrow);
    part("Spin.Uphorz", spin_props::kRightArrow);
    part("Spin.Up", spin_props::kUpArrow);
    part("Spin.Down", spin_props::kDownArrow);
}

void ImportSlider(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "TrackBar", object);
    namespace sp = slider_props;
    // The style's thumb frames run normal, hot, pressed, focused, disabled.
    const auto thumbs = [](WORD base) {
        return BlockIds(base, sp::kBlockOfState, sp::kThumb, {kNormal, kHot, kPressed, kFocused, kDisabled});
    };
    const auto lines = [](WORD base) {
        return BlockIds(base, sp::kBlockOfState, sp::kLine, {kNormal, kHot, kPressed, kDisabled, kFocused});
    };
    FramesPart(r, "TrackBar.Thumb", {0, 1, 2, 3, 4}, thumbs(sp::kHorizontalBase));
    FramesPart(r, "TrackBar.ThumbVert", {0, 1, 2, 3, 4}, thumbs(sp::kVerticalBase));
    WholePart(r, "TrackBar.Track", lines(sp::kHorizontalBase), r.ReadSizingMargins("TrackBar.Track"), 0, 1);
    WholePart(r, "TrackBar.TrackVert", lines(sp::kVerticalBase), r.ReadSizingMargins("TrackBar.TrackVert"), 0, 0);
}

void ImportSplitter(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "SysMetrics", object);
    const std::uint32_t face = r.ReadColor("SysMetrics", "Btnface");
    const std::uint32_t line = r.ReadColor("SysMetrics", "BtnShadow");
    struct Look {
        WORD id;
        int left, top, right, bottom;
    };
    namespace sp = splitter_props;
    static constexpr Look kLooks[] = {{sp::kIntersection, 0, 0, 0, 0}, {sp::kVertBar, 1, 0, 1, 0},
                                      {sp::kHorBar, 0, 1, 0, 1},       {sp::kBorderImage, 1, 1, 1, 1},
                                      {sp::kHorBox, 1, 1, 1, 1},       {sp::kVertBox, 1, 1, 1, 1}};
    for (const Look& look : kLooks) {
        Pixels image = SolidImage(7, 7, face);
        FillWithBorder(image, face, line, look.left, look.top, look.right, look.bottom);
        r.StoreImage(look.id, std::move(image), kOneMargins, 0, 0);
    }
}

void ImportHeader(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Header.HeaderItem", object);
    FramesPart(r, "Header.HeaderItem", {0, 1, 2},
               {header_props::kImageNormal, header_props::kImageHot, header_props::kImagePressed});
}

void ImportToolBar(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Toolbar", object);
    namespace tp = toolbar_props;
    FramesPart(r, "Toolbar.Button", {0, 1, 2, 3},
               {tp::kButtonNormal, tp::kButtonHot, tp::kButtonPressed, tp::kButtonDisabled});
    WholePart(r, "Toolbar.Separator", {tp::kSeparator}, r.ReadSizingMargins("Toolbar"), 0, 0);
    const int s = r.ReadNumber("Toolbar", "BorderSize");
    r.StoreImage(tp::kBackground, Solid(10, 10, r.ReadColor("SysMetrics", "Btnface")), Uniform(s), 0, 0);
}

void ImportTooltip(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "SysMetrics", object);
    r.StoreImage(tooltip_props::kBackground, Bordered(10, 10, 0xFFFFFFE1u, 0xFF000000u, 1), kOneMargins, 0, 0);
    object->SetColor(tooltip_props::kTextColor, 0);
}

void ImportStatusBar(const ImportContext& context, CTwfObj* object) {
    StyleReader r(context, "Status", object);
    namespace sb = status_bar_props;
    WholePart(r, "Status", {sb::kPaneImage}, r.ReadSizingMargins("Status"), 0, 0);
    WholePart(r, "Status.Pane", {sb::kBarNormal, sb::kBarDisabled}, r.ReadSizingMargins("Status"), 1, 1);
    if (auto grip = r.LoadPartImage("ImageFile", "Status.Gripper")) {
        grip->vertical = false;
        std::vector<Slot> slots = {grip->Frame(0), grip->Frame(0)};
        r.StoreImages(slots, {sb::kGripNormal, sb::kGripDisabled}, kNoMargins, 2, 0, 1, 1);
    }
    SetColors(r, "Status", "TextColor", {sb::kTextNormal});
    SetColors(r, "SysMetrics", "GrayText", {sb::kTextDisabled});
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
