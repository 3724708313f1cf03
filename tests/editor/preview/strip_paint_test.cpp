// The strips painted on a memory DC from a skin giving every image and
// colour id its own solid colour: one pixel probed per item, the fallback
// picture for a switched-off or missing element, the bar and the menus
// judged separately, the texts' colours and the font chain.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <vector>

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "editor/preview/strips/strip_paint.h"
#include "model/gdiplus_init.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"
#include "runtime/draw/draw_engine.h"
#include "tests/harness/capture.h"
#include "tests/harness/synthetic_skin.h"

using namespace hexmoor;
using namespace hexmoor::preview;
using namespace hexmoor::test;

namespace {

COLORREF IdColour(int id) { return RGB(id & 0xFF, 60 + 50 * (id >> 8), 211); }
constexpr COLORREF kFallbackMark = RGB(1, 2, 3);
constexpr COLORREF kCanvas = RGB(9, 9, 9);

LOGFONTW SharpFont() {
    LOGFONTW lf{};
    lf.lfHeight = -13;
    lf.lfWeight = FW_BOLD;
    lf.lfQuality = NONANTIALIASED_QUALITY;
    wcscpy(lf.lfFaceName, L"Tahoma");
    return lf;
}

class StripPaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateThreadDrawEngine(GetCurrentThreadId());
        skin_.InitNewSkin(L"Default");
        font_.Reset(CreateFontIndirectW(&lf_));
    }
    void TearDown() override { DestroyThreadDrawEngine(GetCurrentThreadId()); }

    // Every image and colour of the plan under its own colour.
    CTwfObj* Colour(const StripPlan& plan) {
        SyntheticSkin s(&skin_);
        for (const StripItemSpec& item : plan.items) {
            s.SolidImage(plan.element, item.image, IdColour(item.image));
            if (item.colour) s.Element(plan.element)->SetColor(item.colour, IdColour(item.colour));
        }
        return s.Element(plan.element);
    }

    template <typename Paint>
    PixelBuffer Canvas(Size size, Paint paint) {
        win::MemoryDC dc(nullptr);
        win::Bitmap bitmap(win::CreateScreenBitmap(size.cx, size.cy));
        win::SelectGuard select(dc.Get(), bitmap.Get());
        win::Brush ground(CreateSolidBrush(kCanvas));
        RECT all{0, 0, size.cx, size.cy};
        FillRect(dc.Get(), &all, ground.Get());
        paint(dc.Get());
        return CaptureDC(dc.Get(), 0, 0, size.cx, size.cy);
    }

    FallbackPainter Fallback() {
        return [this](HDC dc, int id, Point at) {
            pictures_.push_back(id);
            win::Brush mark(CreateSolidBrush(kFallbackMark));
            RECT r{at.x, at.y, at.x + 4, at.y + 4};
            FillRect(dc, &r, mark.Get());
        };
    }

    // Each item's first pixel (top row first) that no later item covers
    // shows the item's image colour.
    static void ExpectEveryItemProbed(const PixelBuffer& pixels, const StripPlan& plan) {
        for (size_t i = 0; i < plan.items.size(); ++i) {
            const Rect& r = plan.items[i].rect;
            bool probed = false;
            for (int y = r.top; y < r.bottom && !probed; ++y)
                for (int x = r.left; x < r.right && !probed; ++x) {
                    bool covered = false;
                    for (size_t j = i + 1; j < plan.items.size() && !covered; ++j)
                        covered = plan.items[j].rect.Contains({x, y});
                    if (covered) continue;
                    probed = true;
                    EXPECT_EQ(pixels.At(x, y) & 0xFFFFFF, IdColour(plan.items[i].image))
                        << "element " << plan.element << " item " << i << " image " << plan.items[i].image << " at "
                        << x << "," << y;
                }
        }
    }

    CGdiPlusInit gdiplus_;
    CTwfSkin skin_;
    LOGFONTW lf_ = SharpFont();
    win::Font font_;
    std::vector<int> pictures_;
};

} // namespace

TEST_F(StripPaintTest, EveryItemOfEachStripShowsItsImageAtItsRectangle) {
    const Size tool{600, 123}, status{600, 44}, menu{600, 210};
    CTwfObj* t = Colour(ToolStripPlan(tool.cx));
    ExpectEveryItemProbed(Canvas(tool, [&](HDC dc) { PaintToolStrip(dc, tool, t, font_.Get(), Fallback()); }),
                          ToolStripPlan(tool.cx));
    CTwfObj* s = Colour(StatusStripPlan(status.cx, status.cy));
    ExpectEveryItemProbed(Canvas(status, [&](HDC dc) { PaintStatusStrip(dc, status, s, font_.Get(), Fallback()); }),
                          StatusStripPlan(status.cx, status.cy));
    CTwfObj* bar = Colour(MenuStripBarPlan(menu.cx));
    CTwfObj* menus = Colour(DropDownMenusPlan());
    const PixelBuffer pixels =
        Canvas(menu, [&](HDC dc) { PaintMenuStrip(dc, menu, bar, menus, font_.Get(), Fallback()); });
    ExpectEveryItemProbed(pixels, MenuStripBarPlan(menu.cx));
    ExpectEveryItemProbed(pixels, DropDownMenusPlan());
    EXPECT_TRUE(pictures_.empty());
}

TEST_F(StripPaintTest, ASwitchedOffOrMissingElementShowsItsFallbackPictureAndNoImage) {
    const Size size{600, 123};
    CTwfObj* t = Colour(ToolStripPlan(size.cx));
    t->SetEnabled(0);
    for (const CTwfObj* element : {static_cast<const CTwfObj*>(t), static_cast<const CTwfObj*>(nullptr)}) {
        pictures_.clear();
        const PixelBuffer pixels =
            Canvas(size, [&](HDC dc) { PaintToolStrip(dc, size, element, font_.Get(), Fallback()); });
        EXPECT_EQ(pictures_, std::vector<int>{248});
        EXPECT_EQ(pixels.At(0, 0) & 0xFFFFFF, kFallbackMark);
        // No white fill and no image: the canvas shows where no text is.
        EXPECT_EQ(pixels.At(300, 0) & 0xFFFFFF, kCanvas);
        EXPECT_EQ(pixels.At(size.cx - 2, 110) & 0xFFFFFF, kCanvas);
    }
}

TEST_F(StripPaintTest, TheMenuBarAndTheMenusAreJudgedSeparately) {
    const Size size{600, 210};
    CTwfObj* bar = Colour(MenuStripBarPlan(size.cx));
    CTwfObj* menus = Colour(DropDownMenusPlan());
    bar->SetEnabled(0);
    PixelBuffer pixels = Canvas(size, [&](HDC dc) { PaintMenuStrip(dc, size, bar, menus, font_.Get(), Fallback()); });
    EXPECT_EQ(pictures_, std::vector<int>{247});
    EXPECT_EQ(pixels.At(2, 0) & 0xFFFFFF, kFallbackMark);
    ExpectEveryItemProbed(pixels, DropDownMenusPlan());
    bar->SetEnabled(1);
    menus->SetEnabled(0);
    pictures_.clear();
    pixels = Canvas(size, [&](HDC dc) { PaintMenuStrip(dc, size, bar, menus, font_.Get(), Fallback()); });
    EXPECT_EQ(pictures_, std::vector<int>{249});
    EXPECT_EQ(pixels.At(10, 25) & 0xFFFFFF, kFallbackMark);
    ExpectEveryItemProbed(pixels, MenuStripBarPlan(size.cx));
}

TEST_F(StripPaintTest, EnabledMenusWithoutImagesAreWhiteWithABlackOutline) {
    const Size size{600, 210};
    SyntheticSkin s(&skin_);
    CTwfObj* menus = s.Element(42);
    const PixelBuffer pixels =
        Canvas(size, [&](HDC dc) { PaintMenuStrip(dc, size, nullptr, menus, font_.Get(), Fallback()); });
    EXPECT_EQ(pixels.At(10, 25) & 0xFFFFFF, 0u);
    EXPECT_EQ(pixels.At(170, 100) & 0xFFFFFF, 0u); // the first menu's right edge
    EXPECT_EQ(pixels.At(12, 30) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(pixels.At(400, 205) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(StripPaintTest, TextsTakeTheItemColourOrGreyAndBlackWhenTheElementIsOff) {
    const Size size{600, 44};
    CTwfObj* s = Colour(StatusStripPlan(size.cx, size.cy));
    s->SetFont(std::make_unique<CFont>(lf_));
    auto count = [](const PixelBuffer& p, const Rect& r, COLORREF c) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) n += (p.At(x, y) & 0xFFFFFF) == c ? 1 : 0;
        return n;
    };
    const StripPlan plan = StatusStripPlan(size.cx, size.cy);
    PixelBuffer pixels = Canvas(size, [&](HDC dc) { PaintStatusStrip(dc, size, s, nullptr, Fallback()); });
    for (const StripItemSpec& item : plan.items) {
        if (item.text.empty()) continue;
        EXPECT_GT(count(pixels, item.rect, IdColour(item.colour)), 0) << item.text;
    }
    s->SetEnabled(0);
    pixels = Canvas(size, [&](HDC dc) { PaintStatusStrip(dc, size, s, nullptr, Fallback()); });
    for (const StripItemSpec& item : plan.items) {
        if (item.text.empty()) continue;
        const COLORREF wanted = item.greyWhenDisabled ? kDisabledGreyText : 0;
        const COLORREF other = item.greyWhenDisabled ? 0 : kDisabledGreyText;
        EXPECT_GT(count(pixels, item.rect, wanted), 0) << item.text;
        EXPECT_EQ(count(pixels, item.rect, other), 0) << item.text;
    }
}

TEST_F(StripPaintTest, TheFontIsTheElementsThenTheWindowsThenTheDefaultGuiFont) {
    SyntheticSkin s(&skin_);
    CTwfObj* element = s.Element(40);
    const HFONT gui = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(StripFont(nullptr, nullptr), gui);
    EXPECT_EQ(StripFont(element, nullptr), gui);
    EXPECT_EQ(StripFont(element, font_.Get()), font_.Get());
    element->SetFont(std::make_unique<CFont>(lf_));
    EXPECT_EQ(StripFont(element, font_.Get()), element->GetFont()->GetSafeHandle());
    element->SetFont(FontPtr());
    EXPECT_EQ(StripFont(element, font_.Get()), font_.Get());
}
