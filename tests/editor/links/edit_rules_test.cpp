// When the Edit menu's grid commands are enabled: one table over row kinds,
// stored values, held values and clipboard formats, and the facts read from
// a real frame side.
#include "links_fixture.h"

#include "editor/links/edit_rules.h"
#include "editor/links/frame/side_links.h"
#include "editor/links/grid_clipboard.h"
#include "model/elements/wnd_frame.h"

using namespace links_test;

namespace {

using C = EditCommand;

struct Case {
    const char* name;
    EditFacts facts;
    // copy, copy with margins, paste, paste with margins, delete, fill all states, cut
    bool enabled[7];
};

EditFacts Row(int kind, WORD baseId = 0) {
    EditFacts f;
    f.hasRow = true;
    f.hasLink = true;
    f.kind = kind;
    f.baseId = baseId;
    return f;
}

template <typename F>
EditFacts With(EditFacts f, F change) {
    change(f);
    return f;
}

} // namespace

TEST(EditRules, Table) {
    constexpr C kCommands[7] = {C::kCopy,   C::kCopyWithMargins, C::kPaste, C::kPasteWithMargins,
                                C::kDelete, C::kFillAllStates,   C::kCut};
    const ClipboardFormats kBitmap{true, true, false};
    const ClipboardFormats kBoth{true, true, true};
    const ClipboardFormats kMarginsOnly{true, false, true};
    const ClipboardFormats kClosed{false, false, false};
    const Case cases[] = {
        {"no row", With(Row(kKindColor, 494), [](EditFacts& f) { f.hasRow = false; }), {}},
        {"no link",
         With(Row(kKindImage, 1),
              [&](EditFacts& f) {
                  f.hasLink = false;
                  f.imageStored = true;
                  f.clipboard = kBoth;
              }),
         {}},
        {"colour, nothing held", Row(kKindColor, 494), {1, 0, 0, 0, 0, 1, 0}},
        {"colour, text on the clipboard but no colour held",
         With(Row(kKindColor, 494), [&](EditFacts& f) { f.clipboard = kBitmap; }),
         {1, 0, 0, 0, 0, 1, 0}},
        {"colour held", With(Row(kKindColor, 494), [](EditFacts& f) { f.heldColor = 0; }), {1, 0, 1, 0, 0, 1, 0}},
        {"colour held, margin block on the clipboard",
         With(Row(kKindColor, 494),
              [&](EditFacts& f) {
                  f.heldColor = 0x00FF00;
                  f.clipboard = kMarginsOnly;
              }),
         {1, 0, 1, 1, 0, 1, 0}},
        {"colour of base 0", Row(kKindColor, 0), {1, 0, 0, 0, 0, 0, 0}},
        {"image row, no image", Row(kKindImage, 1), {0, 0, 0, 0, 0, 0, 0}},
        {"image row, no image, bitmap on the clipboard",
         With(Row(kKindImage, 1), [&](EditFacts& f) { f.clipboard = kBitmap; }),
         {0, 0, 1, 0, 0, 0, 0}},
        {"image stored", With(Row(kKindImage, 1), [](EditFacts& f) { f.imageStored = true; }), {1, 1, 0, 0, 1, 1, 0}},
        {"image stored, base 0",
         With(Row(kKindImage, 0), [](EditFacts& f) { f.imageStored = true; }),
         {1, 1, 0, 0, 1, 0, 0}},
        {"image, bitmap and block",
         With(Row(kKindImage, 1),
              [&](EditFacts& f) {
                  f.imageStored = true;
                  f.clipboard = kBoth;
              }),
         {1, 1, 1, 1, 1, 1, 0}},
        // What a copy with margins leaves on an empty clipboard.
        {"image, block without a plain bitmap",
         With(Row(kKindImage, 1), [&](EditFacts& f) { f.clipboard = kMarginsOnly; }),
         {0, 0, 0, 1, 0, 0, 0}},
        {"image, clipboard would not open",
         With(Row(kKindImage, 1),
              [&](EditFacts& f) {
                  f.imageStored = true;
                  f.clipboard = kClosed;
              }),
         {1, 1, 0, 0, 1, 1, 0}},
        {"region row, nothing stored", Row(kKindRegion, 0), {0, 0, 0, 0, 0, 0, 0}},
        {"region stored",
         With(Row(kKindRegion, 0), [](EditFacts& f) { f.regionStored = true; }),
         {1, 0, 0, 0, 1, 0, 0}},
        {"region copied, block on the clipboard",
         With(Row(kKindRegion, 0),
              [&](EditFacts& f) {
                  f.regionCopied = true;
                  f.clipboard = kBoth;
              }),
         {0, 0, 1, 1, 0, 0, 0}},
        {"region copied, no block",
         With(Row(kKindRegion, 0), [](EditFacts& f) { f.regionCopied = true; }),
         {0, 0, 1, 0, 0, 0, 0}},
        {"user-data file", Row(kKindUserData, 0), {0, 0, 0, 0, 1, 0, 0}},
        {"number row, everything held",
         With(Row(kKindNumber, 3),
              [&](EditFacts& f) {
                  f.heldColor = 0;
                  f.regionCopied = true;
                  f.imageStored = true;
                  f.clipboard = kBoth;
              }),
         {0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases)
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(IsEditCommandEnabled(kCommands[i], c.facts), c.enabled[i]) << c.name << ", command " << i;
}

TEST_F(LinksTest, EditFactsComeFromTheElementAndTheGridClipboard) {
    CTwfWndFrame frame;
    CTwfSideFrame* top = frame.GetTopSide();
    top->PutImage(0, TestImage(4, 6));
    top->SetRegionOptions(0, nullptr, 1);
    CTopSideFrame link(nullptr, 2, 0, L"Default");
    link.SetTwfObj(&frame);
    ASSERT_EQ(link.BuildPropertyItems(1), 1);
    Show(link, 0);
    const CPropertyItem* image = link.ActiveGroup()->Child(0);
    const CPropertyItem* noImage = link.ActiveGroup()->Child(1);
    CPropertyItem region(L"Region", L"", kKindRegion, L"", 0, FALSE, nullptr, 0);
    CPropertyItem noRegion(L"Region", L"", kKindRegion, L"", 1, FALSE, nullptr, 0);

    EXPECT_TRUE(GatherRowFacts(&link, image).imageStored);
    EXPECT_FALSE(GatherRowFacts(&link, noImage).imageStored);
    EXPECT_TRUE(GatherRowFacts(&link, &region).regionStored);
    EXPECT_FALSE(GatherRowFacts(&link, &noRegion).regionStored);

    // Copying a region row whose options hold no region still enables its paste.
    GridClipboard held(grid, nullptr);
    const ClipboardFormats none{true, false, false};
    EXPECT_FALSE(IsEditCommandEnabled(C::kPaste, GatherEditFacts(&link, &noRegion, held, none)));
    ASSERT_TRUE(held.CopyItem(&region, false));
    EXPECT_TRUE(IsEditCommandEnabled(C::kPaste, GatherEditFacts(&link, &noRegion, held, none)));
    EXPECT_EQ(GatherEditFacts(&link, image, held, none).heldColor, kNoHeldColor);
}
