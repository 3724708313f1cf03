#include "editor/links/frame/button_pages.h"

#include "editor/links/page_rows.h"

namespace hexmoor::links {

PageTable MakeButtonPage(const ButtonPageSpec& b) {
    enum { kNormal, kHot, kPressed, kSize, kOffsets, kDisabled };
    PageTable t;
    t.className = b.className;
    t.element = Text(b.name);
    t.states = {StateDecl::kList, b.disabled != 0 && b.disabledPage == DisabledPage::kOffered
                                      ? std::vector<int>{0, 2, 1, 3}
                                      : std::vector<int>{0, 2, 1}};
    const Label image = Text(b.imageLabel);
    t.rows = {rows::Image(image, b.normal, b.normal), rows::Image(image, b.hot, b.normal),
              rows::Image(image, b.pressed, b.normal), rows::PairGroup(Text(IDS_LINK_SIZE), rows::SizePair(b.size)),
              rows::PairGroup(Text(IDS_LINK_OFFSETS), rows::OffsetPair(b.offset))};
    t.fills[0] = {Row(kNormal)};
    t.fills[1] = {Row(kHot)};
    t.fills[2] = {Row(kPressed)};
    t.build = {kNormal, kPressed, kHot};
    t.target = b.target;
    t.image = ImageDisplay::kPreviewFirst;
    t.clear = {ClearSpec::kSteps, {}, b.legacy};
    if (b.disabled != 0) {
        t.rows.push_back(rows::Image(image, b.disabled, b.normal));
        if (b.disabledPage != DisabledPage::kNever) t.fills[3] = {Row(kDisabled)};
        t.build.push_back(kDisabled);
    }
    if (b.size != 0) {
        t.fills[0].insert(t.fills[0].end(), {Key(b.sizeKey, kKindNumber, b.size), Row(kSize),
                                             Key(b.offsetKey, kKindNumber, b.offset), Row(kOffsets)});
        t.build.insert(t.build.end(), {kSize, kOffsets});
        t.pairCommit = PairCommit::kAll;
        if (b.captionButton) {
            t.sizeFollowsImage = kSize;
            t.clear.steps = {rows::StoreZero(b.size), rows::StoreZero(b.offset)};
        }
    }
    for (WORD id : {b.normal, b.pressed, b.hot, b.disabled})
        if (id != 0) t.clear.steps.push_back(rows::RemoveImage(id));
    return t;
}

} // namespace hexmoor::links
