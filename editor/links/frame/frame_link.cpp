// The window frame's own page, the region-defined frame and the two folder
// nodes below a frame.
#include "editor/links/frame/frame_pages.h"
#include "editor/links/link_strings.h"
#include "editor/links/page_rows.h"
#include "model/elements/frame_properties.h"
#include "model/elements/wnd_frame.h"

namespace hexmoor::links {
namespace {

namespace ids = frame_props;

enum FrameRow {
    kFont,
    kCaption,
    kTextColor,
    kTextLocation,
    kIconLocation,
    kMdiBackground,
    kRegion,
    kAlignment,
    kSemitransparent,
    kDragging,
};

const PageTable& FramePage() {
    static const PageTable t = [] {
        PageTable p;
        p.className = "CFrameLink";
        p.element = Text(IDS_LINK_WINDOW_FRAME);
        p.states = {StateDecl::kNoneButGrid, {}};
        RowSpec font = rows::Make(Literal(L"TitleBar Font"), kKindFont, ids::kCaptionFont, 0);
        font.fillText = FillText::kAlways;
        RowSpec caption = rows::Choice(Text(IDS_LINK_TITLEBAR_TEXT), ids::kTextHidden, Literal(L"Show|Hide"));
        caption.expandable = true;
        // The offsets show under their choice while it is UserOffset; the
        // round rectangle's size under the region while it is RoundRectShape.
        RowSpec textLocation =
            rows::Choice(Text(IDS_LINK_TEXT_LOCATION), ids::kTextLocation, Text(IDS_LINK_TEXT_LOCATIONS), kCaption);
        textLocation.pair = rows::OffsetPair(ids::kTextOffset);
        textLocation.pairEntry = 3;
        RowSpec iconLocation =
            rows::Choice(Text(IDS_LINK_ICON_LOCATION), ids::kIconLocation, Text(IDS_LINK_ICON_LOCATIONS), kCaption);
        iconLocation.pair = rows::OffsetPair(ids::kIconOffset);
        iconLocation.pairEntry = 1;
        RowSpec background = rows::Image(Text(IDS_LINK_MDI_CLIENT_BACKGROUND), ids::kMdiClientBackground, 0);
        background.fillText = FillText::kAlways;
        RowSpec region = rows::Choice(Text(IDS_LINK_REGION_SHAPE), ids::kRegionShape, Text(IDS_LINK_REGION_SHAPES));
        region.pair = PairSpec{ids::kRoundRectSize, Literal(L"cx"), Literal(L"cy")};
        region.pairEntry = 1;
        region.keyWhileHolding = {L"datargn_size", kKindNumber, ids::kRoundRectSize};
        RowSpec textColor = rows::Color(Text(IDS_LINK_STATE_TEXT_COLOR), ids::kTextColor, 0);
        textColor.parent = kCaption;
        p.rows = {
            font,
            caption,
            textColor,
            textLocation,
            iconLocation,
            background,
            region,
            rows::Choice(Text(IDS_LINK_CAPTION_BUTTON_ALIGNMENT), ids::kButtonAlignment, Literal(L"Right|Left")),
            rows::Choice(Text(IDS_LINK_USE_SEMITRANSPARENCY), ids::kSemitransparency, Literal(L"False|True")),
            rows::Choice(Text(IDS_LINK_CONTENT_WHILE_DRAGGING), ids::kContentWhileDragging, Literal(L"Show|Hide")),
        };
        p.fills[0] = {Row(kFont),
                      Row(kCaption),
                      Key(L"text_offset", kKindNumber, ids::kTextOffset),
                      PairStep(kTextLocation),
                      Key(L"icon_offset", kKindNumber, ids::kIconOffset),
                      PairStep(kIconLocation),
                      Row(kMdiBackground),
                      Row(kRegion),
                      Row(kAlignment),
                      Row(kSemitransparent),
                      Row(kDragging)};
        // The region row is made by the page alone.
        p.build = {kCaption, kMdiBackground, kFont, kAlignment, kSemitransparent, kDragging};
        // A reset puts the caption and the shape back to their first choices
        // and zeroes their offsets and size; images, colour, font and the
        // last three choices stay.
        p.clear = {
            ClearSpec::kSteps,
            {rows::StoreZero(ids::kRegionShape), rows::StoreZero(ids::kTextLocation),
             rows::StoreZero(ids::kIconLocation), rows::StoreZero(ids::kTextHidden), rows::StoreZero(ids::kTextOffset),
             rows::StoreZero(ids::kIconOffset), rows::StoreZero(ids::kRoundRectSize)}};
        return p;
    }();
    return t;
}

const PageTable& FixedFramePage() {
    static const PageTable t = [] {
        PageTable p;
        p.className = "CFrameFixedLink";
        p.element = Text(IDS_LINK_WINDOW_FRAME);
        p.states = {StateDecl::kNoneButGrid, {}};
        RowSpec region = rows::Make(Text(IDS_LINK_REGION), kKindRegion, 0, 0);
        region.fillText = FillText::kAlways;
        p.rows = {region};
        p.fills[0] = {Row(0)};
        // The row is made by the page alone.
        p.target = PageTarget::kTopSide;
        p.image = ImageDisplay::kNone;
        return p;
    }();
    return t;
}

} // namespace

// --- the frame --------------------------------------------------------------------------

const wchar_t* const CFrameLink::kSoftwareAlphaWarning =
    L"This computer does not have a hardware acceleration for per-pixel-alpha frames,\n therefore it'll be "
    L"software emulated and content will not be shown while dragging.";

CFrameLink::CFrameLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(FramePage(), item, typeId, controlId, std::move(schemeName)) {}

void CFrameLink::WarnSoftwareAlphaFrames(bool contentShown) {
    EditorServices* services = Links().services;
    if (!contentShown || !object_ || !services) return;
    if (object_->GetNumber(ids::kSemitransparency) != 0 && !services->AlphaFramesAccelerated())
        services->ShowMessage(kSoftwareAlphaWarning);
}

BOOL CFrameLink::BuildPropertyItems(int mode) {
    const BOOL result = CPageLink::BuildPropertyItems(mode);
    if (mode == 1 && result) WarnSoftwareAlphaFrames(object_->GetNumber(ids::kContentWhileDragging) == 0);
    return result;
}

BOOL CFrameLink::CommitEditedValues(PropertyGridModel* grid) {
    // The warning reads the choice as it is being committed.
    const CPropertyItem* dragging = Row(kDragging);
    const int shown = dragging ? GetChoiceIndex(dragging->Choices(), dragging->Value()) : -1;
    const BOOL result = CPageLink::CommitEditedValues(grid);
    WarnSoftwareAlphaFrames(shown == 0);
    return result;
}

// --- the region-defined frame -------------------------------------------------------------

CFrameFixedLink::CFrameFixedLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CPageLink(FixedFramePage(), item, typeId, controlId, std::move(schemeName)) {}

BOOL CFrameFixedLink::SetRegion(WORD id, ImageRgnPtr region) {
    auto* side = dynamic_cast<CTwfSideFrame*>(object_);
    if (!side) return 0;
    // Drawn as it is (blit).
    return side->SetRegionOptions(id, std::move(region), 0);
}

void CFrameFixedLink::ShowItemImage(CPropertyItem* row) {
    auto* side = dynamic_cast<CTwfSideFrame*>(object_);
    if (!row || row->Kind() != kKindRegion || !side) return;
    // Showing the region makes the frame a region-defined window.
    if (CTwfWndFrame* frame = side->GetParentFrame()) frame->SetNumber(ids::kRegionShape, ids::kRegionDefinedWindow);
    OptionsPages* pages = Links().options;
    if (!pages) return;
    pages->EnableAllControls(OptionsPages::kRegionPage, true);
    pages->EnableRegionDrawMode(false);
    const OptionsHrgn* options = side->GetRegionOptions(row->Id());
    pages->SetRegionPreview(options && options->HasRegion() ? options->GetRegionData() : nullptr, 0);
}

// --- the folder nodes -----------------------------------------------------------------------

CFrameSides::CFrameSides(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CGroupNodeLink(item, typeId, controlId, std::move(schemeName), IDS_LINK_FRAME_SIDES, "CFrameSides") {}

CCaptionButtons::CCaptionButtons(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CGroupNodeLink(item, typeId, controlId, std::move(schemeName), IDS_LINK_CAPTION_BUTTONS, "CCaptionButtons") {}

} // namespace hexmoor::links
