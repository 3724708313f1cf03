#include "editor/preview/strips/strip_tables.h"

#include "model/element_types.h"

namespace hexmoor::preview {

namespace {

StripItemSpec Piece(Rect r, WORD image) { return {r, "", image, 0, false}; }
StripItemSpec Text(Rect r, const char* text, WORD image, WORD colour) {
    const std::string t = text;
    return {r, t, image, colour, t.find("(D)") != std::string::npos};
}

// One row of the tool strip's label, separator, split and drop-down buttons.
struct SplitRow {
    const char* label;
    WORD labelImage;
    const char* split1;
    WORD split1Image, split1Arrow;
    const char* split2;
    WORD split2Image, split2Arrow;
    const char* drop1;
    WORD drop1Image, drop1Arrow;
    const char* drop2;
    WORD drop2Image, drop2Arrow;
    WORD colour1, colour2; // first and second button of each pair
    WORD overflow;
};

// One row of plain, checked and indeterminate buttons.
struct ButtonRow {
    const char* texts[6];
    WORD images[6];
    WORD colour1, colour2;
    WORD overflow;
};

void AddRowFrame(std::vector<StripItemSpec>& items, int w, int y0) {
    items.push_back(Piece({0, y0, w, y0 + 25}, 760));
    items.push_back(Piece({2, y0, 7, y0 + 25}, 689));
}

} // namespace

StripPlan ToolStripPlan(int w) {
    StripPlan plan;
    plan.element = kElemToolStrip;
    plan.whiteFill = {{0, 0, w, 100}, {w - 84, 100, w, 123}};
    plan.fallbackPicture = kPngToolStrip;
    const SplitRow splitRows[2] = {
        {"Label(N)", 731, "SplitButton(N)", 690, 694, "SplitButton(H)", 691, 695, "DropDownButton(N)", 698, 702,
         "DropDownButton(H)", 699, 703, 770, 771, 706},
        {"Label(D)", 732, "SplitButton(D)", 693, 697, "SplitButton(P)", 692, 696, "DropDownButton(D)", 701, 705,
         "DropDownButton(P)", 700, 704, 733, 772, 709},
    };
    for (int row = 0; row < 2; ++row) {
        const SplitRow& r = splitRows[row];
        const int y0 = 25 * row, top = y0 + 1, bottom = y0 + 23;
        AddRowFrame(plan.items, w, y0);
        plan.items.push_back(Text({7, top, 54, bottom}, r.label, r.labelImage, r.colour1));
        plan.items.push_back(Piece({54, y0, 60, y0 + 25}, 769));
        plan.items.push_back(Text({60, top, 138, bottom}, r.split1, r.split1Image, r.colour1));
        plan.items.push_back(Piece({138, top, 150, bottom}, r.split1Arrow));
        plan.items.push_back(Text({150, top, 228, bottom}, r.split2, r.split2Image, r.colour2));
        plan.items.push_back(Piece({228, top, 240, bottom}, r.split2Arrow));
        plan.items.push_back(Text({240, top, 346, bottom}, r.drop1, r.drop1Image, r.colour1));
        plan.items.push_back(Piece({346, top, 357, bottom}, r.drop1Arrow));
        plan.items.push_back(Text({357, top, 463, bottom}, r.drop2, r.drop2Image, r.colour2));
        plan.items.push_back(Piece({463, top, 474, bottom}, r.drop2Arrow));
        plan.items.push_back(Piece({w - 16, y0, w, y0 + 25}, r.overflow));
    }
    const ButtonRow buttonRows[2] = {
        {{"Button(N)", "Button(H)", "CheckButton(N)", "CheckButton(H)", "IndetButton(N)", "IndetButton(H)"},
         {761, 762, 710, 766, 712, 768},
         770,
         771,
         707},
        {{"Button(D)", "Button(P)", "CheckButton(D)", "CheckButton(P)", "IndetButton(D)", "IndetButton(P)"},
         {764, 763, 711, 765, 713, 767},
         733,
         772,
         708},
    };
    const int edges[7] = {7, 65, 123, 210, 297, 381, 465};
    for (int row = 0; row < 2; ++row) {
        const ButtonRow& r = buttonRows[row];
        const int y0 = 25 * (row + 2);
        AddRowFrame(plan.items, w, y0);
        for (int i = 0; i < 6; ++i)
            plan.items.push_back(Text({edges[i], y0 + 1, edges[i + 1], y0 + 23}, r.texts[i], r.images[i],
                                      i % 2 == 0 ? r.colour1 : r.colour2));
        plan.items.push_back(Piece({w - 16, y0, w, y0 + 25}, r.overflow));
    }
    plan.items.push_back(Piece({w - 85, 100, w, 123}, 760));
    plan.items.push_back(Text({w - 84, 102, w - 1, 119}, "OverflowButton", 761, 770));
    return plan;
}

StripPlan StatusStripPlan(int w, int h) {
    StripPlan plan;
    plan.element = kElemStatusStrip;
    plan.whiteFill = {{0, 0, w, 44}};
    plan.fallbackPicture = kPngStatusStrip;
    struct Row {
        const char* label;
        WORD labelImage;
        const char* split1;
        WORD split1Image, split1Arrow;
        const char* split2;
        WORD split2Image, split2Arrow;
        const char* drop1;
        WORD drop1Image, drop1Arrow;
        const char* drop2;
        WORD drop2Image, drop2Arrow;
        WORD colour1, colour2;
    };
    const Row rows[2] = {
        {"Label(N)", 751, "SplitButton(N)", 715, 719, "SplitButton(H)", 716, 720, "DropDownButton(N)", 723, 727,
         "DropDownButton(H)", 724, 728, 756, 757},
        {"Label(D)", 752, "SplitButton(D)", 718, 722, "SplitButton(P)", 717, 721, "DropDownButton(D)", 726, 730,
         "DropDownButton(P)", 725, 729, 755, 758},
    };
    for (int row = 0; row < 2; ++row) {
        const Row& r = rows[row];
        const int y0 = 22 * row, top = y0 + 2, bottom = y0 + 22;
        plan.items.push_back(Piece({0, y0, w, y0 + 22}, 750));
        plan.items.push_back(Text({1, y0 + 3, 48, y0 + 20}, r.label, r.labelImage, r.colour1));
        plan.items.push_back(Text({48, top, 126, bottom}, r.split1, r.split1Image, r.colour1));
        plan.items.push_back(Piece({126, top, 138, bottom}, r.split1Arrow));
        plan.items.push_back(Text({138, top, 216, bottom}, r.split2, r.split2Image, r.colour2));
        plan.items.push_back(Piece({216, top, 228, bottom}, r.split2Arrow));
        plan.items.push_back(Text({228, top, 334, bottom}, r.drop1, r.drop1Image, r.colour1));
        plan.items.push_back(Piece({334, top, 345, bottom}, r.drop1Arrow));
        plan.items.push_back(Text({345, top, 451, bottom}, r.drop2, r.drop2Image, r.colour2));
        plan.items.push_back(Piece({451, top, 462, bottom}, r.drop2Arrow));
    }
    plan.items.push_back(Piece({w - 14, h - 22, w, h}, 753));
    return plan;
}

StripPlan MenuStripBarPlan(int w) {
    StripPlan plan;
    plan.element = kElemMenuStrip;
    plan.whiteFill = {{0, 0, w, 28}};
    plan.fallbackPicture = kPngMenuStripBar;
    plan.fallbackAt = {2, 0};
    plan.items = {
        Piece({0, 0, w, 28}, 741),
        Piece({5, 0, 10, 28}, 688),
        Text({10, 2, 47, 26}, "File", 744, 749),
        Text({47, 2, 143, 26}, "View(Highlight)", 743, 748),
        Text({143, 2, 188, 26}, "Tools", 745, 746),
        Text({188, 2, 229, 26}, "Help", 742, 747),
    };
    plan.items[4].greyWhenDisabled = true;
    return plan;
}

StripPlan DropDownMenusPlan() {
    StripPlan plan;
    plan.element = kElemDropDownMenu;
    // The white menu rectangles (each with a black outline, drawn by the
    // painter) of an enabled element.
    plan.whiteFill = {{10, 25, 171, 167}, {170, 27, 352, 87}, {351, 29, 523, 209}};
    plan.fallbackPicture = kPngDropDownMenus;
    plan.fallbackAt = {10, 25};
    auto menuText = [](Rect r, const char* text, WORD image, WORD colour) {
        const std::string t = text;
        return StripItemSpec{r, t, image, colour, t.find("(Disabled)") != std::string::npos || t == "Save"};
    };
    plan.items = {
        Piece({10, 25, 171, 167}, 684),
        Piece({10, 27, 33, 165}, 685),
        menuText({10, 27, 171, 49}, "New", 788, 787),
        menuText({33, 49, 171, 71}, "Open", 778, 785),
        menuText({33, 93, 171, 115}, "Save", 780, 784),
        menuText({33, 143, 171, 165}, "Exit", 778, 785),
        Piece({33, 137, 171, 143}, 781),
        Piece({147, 27, 164, 49}, 776),
        Piece({170, 27, 352, 87}, 684),
        Piece({170, 29, 193, 85}, 685),
        menuText({170, 29, 352, 51}, "Project", 788, 787),
        Piece({328, 29, 345, 51}, 776),
        Piece({193, 51, 352, 57}, 781),
        Piece({351, 29, 523, 209}, 684),
        Piece({351, 31, 374, 207}, 685),
        menuText({374, 31, 523, 53}, "Modern(Normal)", 778, 785),
        Piece({352, 32, 372, 52}, 686),
        Piece({499, 31, 516, 53}, 775),
        menuText({374, 53, 523, 75}, "Classic(Normal)", 778, 785),
        Piece({352, 54, 372, 74}, 735),
        Piece({499, 53, 516, 75}, 738),
        menuText({351, 75, 523, 97}, "Modern(Highlight)", 779, 786),
        Piece({352, 76, 372, 96}, 687),
        Piece({499, 75, 516, 97}, 776),
        menuText({351, 97, 523, 119}, "Classic(Highlight)", 779, 786),
        Piece({352, 98, 372, 118}, 736),
        Piece({499, 97, 516, 119}, 739),
        menuText({351, 119, 523, 141}, "Modern(Pressed)", 788, 787),
        Piece({352, 120, 372, 140}, 790),
        Piece({499, 119, 516, 141}, 776),
        menuText({351, 141, 523, 163}, "Classic(Pressed)", 788, 787),
        Piece({352, 142, 372, 162}, 789),
        Piece({499, 141, 516, 163}, 739),
        menuText({374, 163, 523, 185}, "Modern(Disabled)", 780, 784),
        Piece({352, 164, 372, 184}, 734),
        Piece({499, 163, 516, 185}, 777),
        menuText({374, 185, 523, 207}, "Classic(Disabled)", 780, 784),
        Piece({352, 186, 372, 206}, 737),
        Piece({499, 185, 516, 207}, 740),
    };
    return plan;
}

PlacedText PlaceMenuText(const StripItemSpec& item) {
    PlacedText placed{item.rect, kMenuTextLeftFormat};
    const std::string& t = item.text;
    placed.rect.left += (t == "New" || t == "Project") ? 33 : 10;
    if (t.find("Classic") != std::string::npos) {
        placed.format = kMenuTextRightFormat;
        placed.rect.right -= 32;
    }
    if (t.find("(Highlight)") != std::string::npos || t.find("(Pressed)") != std::string::npos) placed.rect.left += 23;
    return placed;
}

} // namespace hexmoor::preview
