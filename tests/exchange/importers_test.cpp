// Tables over the element importers: each runs on a fresh element with a
// scheme text written here and the bitmaps of the generated style
// "full.msstyles" (solid frames, frame k of colour kPalette[k]).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "editor/exchange/importers.h"
#include "editor/exchange/style_import.h"
#include "model/elements/wnd_frame.h"
#include "model/twf_skin.h"

using namespace hexmoor::exchange;

namespace {

// The generator's frame colours (24-bit strips: opaque).
constexpr std::uint32_t kPalette[] = {0xFF102030, 0xFF405060, 0xFF708090, 0xFFA0B0C0, 0xFFD0E0F0, 0xFF204060,
                                      0xFF608020, 0xFF80A0C0, 0xFF123456, 0xFF654321, 0xFF0F1E2D, 0xFF3C4B5A};

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

class Importers : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(style_.Open(ReadBytes(std::string(HEXMOOR_STYLE_FIXTURES) + "/full.msstyles")),
                  StyleFile::OpenResult::kOk);
        skin_.InitNewSkin(L"Default");
    }

    // A fresh element of the type filled by the importer from the text.
    std::unique_ptr<CTwfObj> Run(WORD type, void (*importer)(const ImportContext&, CTwfObj*), std::string text) {
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        scheme_ = IniText(bytes);
        skipped_.clear();
        ImportContext context{&style_, &scheme_, &skipped_};
        auto object = skin_.CreateTwfObject(type);
        object->Clear(0);
        importer(context, object.get());
        return object;
    }

    static std::uint32_t Pixel(const CTwfObj& object, WORD id, int x = 0, int y = 0) {
        hexmoor::platform::ImagePixels pixels;
        const CMrgBitmap* image = object.GetImage(id);
        if (!image || !image->ReadPixels(&pixels)) return 0xDEADBEEF;
        return pixels.argb[static_cast<std::size_t>(y) * pixels.width + x];
    }
    static SIZE Size(const CTwfObj& object, WORD id) {
        const CMrgBitmap* image = object.GetImage(id);
        return image ? image->GetSize() : SIZE{0, 0};
    }

    StyleFile style_;
    IniText scheme_;
    std::vector<SkippedImage> skipped_;
    CTwfSkin skin_;
};

} // namespace

TEST_F(Importers, WindowFrameSettings) {
    struct Row {
        const char* alignment;
        DWORD text, icon;
        bool offset;
    };
    const Row rows[] = {{"Center", 1, 1, true}, {"CENTER", 1, 1, true}, {"Right", 0, 0, false}, {"", 0, 0, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.alignment);
        auto frame = Run(2, ImportWindowFrame,
                         std::string("[Window.Caption]\nContentAlignment=") + row.alignment +
                             "\n[SysMetrics]\nCaptionText=255 255 255\nBtnShadow=1 2 3\n");
        EXPECT_EQ(frame->GetNumber(483), 3u);
        EXPECT_EQ(frame->GetNumber(484), row.text);
        EXPECT_EQ(frame->GetNumber(488), row.icon);
        EXPECT_EQ(frame->HasNumber(558) != 0, row.offset);
        if (row.offset) {
            EXPECT_EQ(frame->GetNumber(558), 0x00080006u);
        }
        EXPECT_EQ(frame->GetColor(482), 0x00FFFFFFu);
        EXPECT_EQ(Pixel(*frame, 485), 0xFF010203u);
        EXPECT_EQ(frame->GetFont(), nullptr); // no "CaptionFont": no font
    }
}

TEST_F(Importers, FrameSidesAreCutIntoPieces) {
    auto object = Run(2, ImportWindowFrame,
                      "[Window.Caption]\nImageFile=CAPTION.bmp\nImageCount=2\nImageLayout=Vertical\n"
                      "SizingMargins=10, 12, 0, 0\n"
                      "[Window.FrameLeft]\nImageFile=FRAMELEFT.bmp\nImageCount=2\n");
    auto* frame = dynamic_cast<CTwfWndFrame*>(object.get());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetNumber(478), 12u);
    EXPECT_EQ(frame->GetNumber(480), 4u);
    CTwfSideFrame* top = frame->GetTopSide();
    struct Piece {
        WORD id;
        LONG width;
        DWORD mode;
        std::uint32_t color;
    };
    const Piece pieces[] = {{0, 10, 0, kPalette[0]},    {1, 18, 1, kPalette[0]},    {2, 12, 0, kPalette[0]},
                            {1001, 10, 0, kPalette[1]}, {1002, 18, 1, kPalette[1]}, {1003, 12, 0, kPalette[1]}};
    for (const Piece& p : pieces) {
        SCOPED_TRACE(p.id);
        EXPECT_EQ(Size(*top, p.id).cx, p.width);
        EXPECT_EQ(Size(*top, p.id).cy, 12);
        ASSERT_NE(top->GetImageOptions(p.id), nullptr);
        EXPECT_EQ(top->GetImageOptions(p.id)->DrawMode, p.mode);
        // The caption is made opaque and keyed by no colour.
        EXPECT_EQ(Pixel(*top, p.id) | 0xFF000000u, p.color);
    }
    CTwfSideFrame* left = frame->GetLeftSide();
    EXPECT_EQ(Size(*left, 0).cx, 4);
    EXPECT_EQ(Size(*left, 1001).cy, 20);
    EXPECT_EQ(left->GetImageOptions(1001)->DrawMode, 1u);
    EXPECT_FALSE(frame->GetBottomSide()->HasImage(0));
    EXPECT_FALSE(frame->HasNumber(479));
}

TEST_F(Importers, CaptionAndMdiButtonValues) {
    auto object = Run(2, ImportWindowFrame,
                      "[Window.CloseButton]\nImageFile=CLOSE.bmp\nImageCount=8\nOffset=-20, 2\n"
                      "[Window.MinButton]\nImageFile=MIN.bmp\nImageCount=8\n"
                      "[Window.RestoreButton]\nImageFile=RESTORE.bmp\nImageCount=8\nOffset=-20, 2\n"
                      "[Window.MDICloseButton]\nImageFile=MDICLOSE.bmp\nImageCount=3\nOffset=-18, 1\n"
                      "[Window.MDIMinButton]\nImageFile=MDIMIN.bmp\nImageCount=3\nOffset=-4, 1\n");
    auto* frame = dynamic_cast<CTwfWndFrame*>(object.get());
    EXPECT_EQ(frame->GetNumber(493), (9u << 16) | 9u);
    EXPECT_EQ(frame->GetNumber(489), (2u << 16) | 11u);
    EXPECT_EQ(frame->GetNumber(554), (2u << 16) | 11u);
    EXPECT_EQ(Pixel(*frame, 459), kPalette[4]); // slot 3 holds frame 4
    EXPECT_EQ(Pixel(*frame, 457), kPalette[2]);
    // Without "Offset" the size is written and no offset value at all.
    EXPECT_EQ(frame->GetNumber(550), (9u << 16) | 9u);
    EXPECT_FALSE(frame->HasNumber(490));
    EXPECT_FALSE(frame->HasNumber(556));
    // The restore button writes images only.
    EXPECT_TRUE(frame->HasImage(466));
    EXPECT_FALSE(frame->HasNumber(551));
    CTwfMenuBar* bar = frame->GetMenuBar();
    EXPECT_EQ(bar->GetNumber(649), (7u << 16) | 8u);
    EXPECT_EQ(bar->GetNumber(646), (1u << 16) | 10u);
    // abs(x) smaller than the frame: the low half is packed on its own.
    EXPECT_EQ(bar->GetNumber(648), (1u << 16) | 0xFFFCu);
    EXPECT_EQ(bar->GetImage(505)->GetHBitmap() != nullptr, true);
    EXPECT_EQ(Pixel(*bar, 506), kPalette[2]);
}

TEST_F(Importers, ScrollBarBlocksStoreOnlyTheirOwnSlots) {
    // A vertical thumb strip of five frames and no horizontal thumb: the
    // fifth frame must not land under the horizontal thumb's first id.
    auto bars = Run(5, ImportScrollBar,
                    "[ScrollBar.ThumbBtnVert]\nImageFile=PUSH.bmp\nImageCount=5\nImageLayout=Vertical\n"
                    "[ScrollBar.UpperTrackVert]\nImageFile=TRACKV.bmp\nImageCount=4\nImageLayout=Vertical\n"
                    "[ScrollBar.ArrowBtn]\nImageFile=ARROWBG.bmp\nImageCount=16\nImageLayout=Vertical\n");
    const WORD thumbs[] = {93, 96, 94, 98};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Pixel(*bars, thumbs[i]), kPalette[i]);
    EXPECT_FALSE(bars->HasImage(59));
    EXPECT_EQ(Pixel(*bars, 76), kPalette[0]);
    EXPECT_EQ(Pixel(*bars, 100), kPalette[3]);
    EXPECT_EQ(Pixel(*bars, 57), 0xFFAABBCCu); // the sixteenth arrow frame
    EXPECT_TRUE(bars->HasImage(77));
    EXPECT_TRUE(bars->HasImage(57));
}

TEST_F(Importers, ButtonsTable) {
    struct Row {
        const char* count;
        bool defaulted;
    };
    for (const Row row : {Row{"5", true}, Row{"4", false}}) {
        SCOPED_TRACE(row.count);
        auto button =
            Run(4, ImportButton,
                std::string("[Button.Pushbutton]\nImageFile=PUSH.bmp\nImageLayout=Vertical\nImageCount=") + row.count +
                    "\nTextColor=1 2 3\nSizingMargins=2, 3, 4, 5\n"
                    "[Button.Pushbutton(Hot)]\n[Button.Pushbutton(Normal)]\nTextColor=0 0 0\n");
        EXPECT_EQ(button->HasImage(30) != 0, row.defaulted);
        EXPECT_TRUE(button->HasImage(28));
        const CMrgBitmap* normal = button->GetImage(22);
        ASSERT_NE(normal, nullptr);
        EXPECT_EQ((std::vector<int>{normal->GetLeft(), normal->GetRight(), normal->GetTop(), normal->GetBottom()}),
                  (std::vector<int>{2, 3, 4, 5}));
        EXPECT_EQ(button->GetColor(23), 0u);          // black stays black
        EXPECT_EQ(button->GetColor(27), 0x00030201u); // falls back to the part's colour
    }
    auto check =
        Run(39, ImportCheckButton, "[Button.Pushbutton]\nImageFile=PUSH.bmp\nImageLayout=Vertical\nImageCount=5\n");
    const std::pair<WORD, int> made[] = {{664, 2}, {670, 2}, {667, 0}, {673, 3}, {676, 2}, {675, 4}};
    for (const auto& [id, frame] : made) EXPECT_EQ(Pixel(*check, id), kPalette[frame]) << id;
    EXPECT_EQ(check->GetColor(665), 0xFF000000u); // missing colours are stored as read
}

TEST_F(Importers, CheckMarksTable) {
    const std::string text = "[Button.Checkbox]\nImageFile1=CHECKS.bmp\nImageCount=12\nImageLayout=Vertical\n";
    auto box = Run(6, ImportCheckBox, text);
    const std::pair<WORD, int> boxes[] = {{109, 0}, {118, 3}, {121, 0}, {110, 4}, {122, 4}, {127, 11}, {128, 8}};
    for (const auto& [id, frame] : boxes) EXPECT_EQ(Pixel(*box, id), kPalette[frame]) << id;
    auto list = Run(14, ImportListBox, text);
    const std::pair<WORD, int> marks[] = {{791, 0}, {792, 3}, {793, 4}, {794, 7}, {795, 8}, {796, 11}};
    for (const auto& [id, frame] : marks) EXPECT_EQ(Pixel(*list, id), kPalette[frame]) << id;
    auto date = Run(22, ImportDateTime, text);
    const std::pair<WORD, int> dates[] = {{410, 0}, {412, 3}, {409, 4}, {411, 7}};
    for (const auto& [id, frame] : dates) EXPECT_EQ(Pixel(*date, id), kPalette[frame]) << id;
    // A strip cut into four frames gives the list box its unchecked marks only.
    auto few = Run(14, ImportListBox, "[Button.Checkbox]\nImageFile1=CHECKS.bmp\nImageCount=4\nImageLayout=Vertical\n");
    EXPECT_TRUE(few->HasImage(791));
    EXPECT_TRUE(few->HasImage(792));
    EXPECT_FALSE(few->HasImage(793));
}

TEST_F(Importers, BorderFillsTable) {
    for (const char* bgtype : {"borderfill", "BorderFill", "imagefile", ""}) {
        SCOPED_TRACE(bgtype);
        auto edit = Run(3, ImportEditBox,
                        std::string("[Edit]\nBgtype=") + bgtype +
                            "\nFillColor=255 255 255\nBorderColor=1 2 3\n"
                            "BorderSize=2\n");
        const bool filled = std::string(bgtype) == "borderfill" || std::string(bgtype) == "BorderFill";
        EXPECT_EQ(edit->HasImage(10) != 0, filled);
        EXPECT_EQ(edit->HasNumber(17) != 0, filled);
        if (!filled) continue;
        EXPECT_EQ(Pixel(*edit, 10, 1, 1), 0xFF010203u);
        EXPECT_EQ(Pixel(*edit, 10, 2, 2), 0xFFFFFFFFu);
        EXPECT_EQ(edit->GetImage(10)->GetLeft(), 2);
        EXPECT_EQ(edit->GetNumber(20), 2u);
    }
    auto combo = Run(13, ImportComboBox, "[Combobox]\nBorderSize=1\n[SysMetrics]\nBtnface=9 9 9\n");
    EXPECT_EQ(Size(*combo, 346).cx, 20);
    EXPECT_EQ(combo->GetNumber(658), 1u);
    auto tree = Run(19, ImportTreeView, "[Edit.Edittext(ReadOnly)]\nTextColor=1 2 3\n");
    EXPECT_EQ(tree->GetColor(612), 0x00030201u);
}

TEST_F(Importers, PaintedImagesTable) {
    auto menu = Run(16, ImportMenu, "[SysMetrics]\nMenu=255 255 255\nMenuHilight=0 0 255\nBtnShadow=128 128 128\n");
    EXPECT_EQ(Pixel(*menu, 437), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(*menu, 441), 0xFF0000FFu);
    EXPECT_EQ(Pixel(*menu, 449, 6, 4), 0xFF000000u);
    EXPECT_EQ(Pixel(*menu, 447, 0, 4), 0xFF808080u);
    EXPECT_EQ(Pixel(*menu, 447, 0, 3), 0xFFFFFFFFu);
    EXPECT_EQ(menu->GetImage(447)->GetTop(), 4);
    auto tip = Run(28, ImportTooltip, "");
    EXPECT_EQ(Pixel(*tip, 527, 0, 0), 0xFF000000u);
    EXPECT_EQ(Pixel(*tip, 527, 5, 5), 0xFFFFFFE1u);
    EXPECT_EQ(tip->GetColor(528), 0u);
    auto splitter = Run(34, ImportSplitter, "[SysMetrics]\nBtnface=1 1 1\nBtnShadow=2 2 2\n");
    EXPECT_EQ(Pixel(*splitter, 601, 0, 3), 0xFF020202u);
    EXPECT_EQ(Pixel(*splitter, 601, 3, 0), 0xFF010101u);
    EXPECT_EQ(Pixel(*splitter, 603, 0, 0), 0xFF010101u);
}

TEST_F(Importers, RangeControlsTable) {
    auto progress = Run(18, ImportProgressBar, "[Progress.Bar]\nImageFile=PROGBAR.bmp\nSizingMargins=3, 4, 1, 2\n");
    EXPECT_EQ((std::vector<DWORD>{progress->GetNumber(289), progress->GetNumber(291), progress->GetNumber(290),
                                  progress->GetNumber(292)}),
              (std::vector<DWORD>{3, 4, 1, 2}));
    EXPECT_EQ(progress->GetImage(287)->GetDrawMode(), 1);
    auto slider = Run(9, ImportSlider,
                      "[TrackBar.Track]\nImageFile=TRACK.bmp\n[TrackBar.TrackVert]\nImageFile=TRACKVERT.bmp\n"
                      "[TrackBar.Thumb]\nImageFile=PUSH.bmp\nImageCount=3\nImageLayout=Vertical\n");
    EXPECT_EQ(slider->GetImage(171)->GetMrgDrawMode(), 1);
    EXPECT_EQ(slider->GetImage(195)->GetMrgDrawMode(), 0);
    EXPECT_TRUE(slider->HasImage(173));
    EXPECT_FALSE(slider->HasImage(182));
    auto tab = Run(10, ImportTab, "[Tab.Pane]\nImageFile=PUSH.bmp\nImageCount=2\n");
    EXPECT_EQ(Size(*tab, 238).cy, 15); // the top half even though laid out sideways
    EXPECT_EQ(Size(*tab, 218).cx, 12);
    auto spin = Run(17, ImportSpin, "[Spin.Up]\nImageFile=SPINU.bmp\nImageCount=4\nImageLayout=Vertical\n");
    EXPECT_EQ(Pixel(*spin, 279), kPalette[1]);
    EXPECT_EQ(Pixel(*spin, 278), kPalette[2]);
}

TEST_F(Importers, PartImagesKeepAlphaAndKeyMagenta) {
    // The 32-bit strips of alpha.msstyles keep their straight alpha.
    StyleFile alpha;
    ASSERT_EQ(alpha.Open(ReadBytes(std::string(HEXMOOR_STYLE_FIXTURES) + "/alpha.msstyles")),
              StyleFile::OpenResult::kOk);
    const std::string text = "[Button.Pushbutton]\nImageFile=PUSH.bmp\nImageCount=5\nImageLayout=Vertical\n";
    scheme_ = IniText(std::vector<std::uint8_t>(text.begin(), text.end()));
    ImportContext context{&alpha, &scheme_, &skipped_};
    auto object = skin_.CreateTwfObject(4);
    ImportButton(context, object.get());
    EXPECT_EQ(Pixel(*object, 22), (kPalette[0] & 0x00FFFFFFu) | 0x80000000u);
    EXPECT_EQ(Pixel(*object, 30), (kPalette[4] & 0x00FFFFFFu) | 0x80000000u);

    // A frame colour named as transparent becomes transparent black.
    auto keyed = Run(4, ImportButton,
                     "[Button.Pushbutton]\nImageFile=PUSH.bmp\nImageCount=5\nImageLayout=Vertical\n"
                     "TransparentColor=16 32 48\n");
    EXPECT_EQ(Pixel(*keyed, 22), 0u);
    EXPECT_EQ(Pixel(*keyed, 26), kPalette[1]);
}

TEST_F(Importers, MissingBitmapsAreSkippedAndListed) {
    auto button = Run(4, ImportButton, "[Button.Pushbutton]\nImageFile=Images\\Nothing.bmp\nBgtype=ImageFile\n");
    EXPECT_TRUE(button->GetImageMap().empty());
    ASSERT_EQ(skipped_.size(), 1u);
    EXPECT_EQ(skipped_[0].section, "Button.Pushbutton");
    EXPECT_EQ(skipped_[0].reason, "missing");
    auto filled = Run(4, ImportButton, "[Button.Pushbutton]\nImageFile=PUSH.bmp\nBgtype=BorderFill\n");
    EXPECT_TRUE(filled->GetImageMap().empty());
    EXPECT_TRUE(skipped_.empty());
}

TEST_F(Importers, TheImportSwapsInEveryKindAndLeavesTheRest) {
    CTwfObj* custom = skin_.GetOrCreateObject(4, L"<CC>\\Mine");
    custom->SetColor(1, 7);
    CTwfObj* strip = skin_.GetOrCreateObject(40, L"");
    strip->SetNumber(5, 9);
    CTwfObj* month = skin_.GetOrCreateObject(38, L"");
    month->SetNumber(1, 1);
    month->SetEnabled(1);
    CTwfObj* button = skin_.GetOrCreateObject(4, L"");
    button->SetNumber(12345, 1);
    button->SetOrder(7);
    const std::string text = "[SysMetrics]\nBtnface=1 1 1\n";
    IniText scheme(std::vector<std::uint8_t>(text.begin(), text.end()));
    ImportScheme(skin_, style_, scheme, nullptr);
    EXPECT_EQ(skin_.FindObject(4, L"<CC>\\Mine")->GetColor(1), 7u);
    EXPECT_EQ(skin_.FindObject(40, L"")->GetNumber(5), 9u);
    const CTwfObj* newMonth = skin_.FindObject(38, L"");
    EXPECT_EQ(newMonth->GetEnabled(), 0u);
    EXPECT_TRUE(newMonth->GetNumberMap().empty());
    EXPECT_TRUE(newMonth->GetColorMap().empty());
    const CTwfObj* newButton = skin_.FindObject(4, L"");
    EXPECT_FALSE(newButton->HasNumber(12345));
    EXPECT_EQ(newButton->GetEnabled(), 1u);
    EXPECT_EQ(newButton->GetOrder(), 7);
    EXPECT_EQ(skin_.GetInfo().skinName, L"Generated");
    EXPECT_TRUE(skin_.GetInfo().email.empty());
    EXPECT_EQ(CountImported(skin_).elements, 27);
}

TEST_F(Importers, CaptionPiecesGiveTheWindowItsShape) {
    auto object = Run(2, ImportWindowFrame,
                      "[Window.Caption]\nImageFile=CAPTION.bmp\nImageCount=2\nImageLayout=Vertical\n"
                      "SizingMargins=10, 12, 0, 0\n"
                      "[Window.FrameBottom]\nImageFile=FRAMEBOTTOM.bmp\nImageCount=2\nImageLayout=Vertical\n"
                      "SizingMargins=4, 4, 0, 0\n");
    auto* frame = dynamic_cast<CTwfWndFrame*>(object.get());
    CTwfSideFrame* top = frame->GetTopSide();
    const std::pair<WORD, DWORD> modes[] = {{0, 0}, {1, 1}, {2, 0}};
    for (const auto& [id, mode] : modes) {
        SCOPED_TRACE(id);
        const OptionsHrgn* options = top->GetRegionOptions(id);
        ASSERT_NE(options, nullptr);
        EXPECT_EQ(options->DrawMode, mode);
        ASSERT_TRUE(options->HasRegion());
        EXPECT_EQ(options->GetRegionData()->GetWidth(), id == 1 ? 18 : (id == 0 ? 10 : 12));
        EXPECT_EQ(options->GetRegionData()->GetHeight(), 12);
    }
    EXPECT_FALSE(top->HasRegionOptions(1001));
    EXPECT_TRUE(frame->GetBottomSide()->GetRegionOptionsMap().empty());
}

TEST_F(Importers, AMagentaCaptionRecordsRegionOptionsWithoutARegion) {
    auto object = Run(2, ImportWindowFrame,
                      "[Window.Caption]\nImageFile=MAGENTA.bmp\nImageCount=2\nImageLayout=Vertical\n"
                      "SizingMargins=10, 12, 0, 0\n");
    CTwfSideFrame* top = dynamic_cast<CTwfWndFrame*>(object.get())->GetTopSide();
    for (WORD id : {0, 1, 2}) {
        SCOPED_TRACE(id);
        const OptionsHrgn* options = top->GetRegionOptions(id);
        ASSERT_NE(options, nullptr);
        EXPECT_EQ(options->DrawMode, id == 1 ? 1u : 0u);
        EXPECT_FALSE(options->HasRegion());
    }
    EXPECT_TRUE(top->HasImage(1));
}

TEST_F(Importers, AlphaSidesAndMdiButtonsAreKeptPremultiplied) {
    // Sides and MDI buttons are kept as GDI bitmaps, which layered frames
    // blend as premultiplied pixels: a half-transparent frame of the
    // alpha.msstyles strips holds its colour times its alpha, while a part
    // image keeps straight alpha (PartImagesKeepAlphaAndKeyMagenta).
    StyleFile alpha;
    ASSERT_EQ(alpha.Open(ReadBytes(std::string(HEXMOOR_STYLE_FIXTURES) + "/alpha.msstyles")),
              StyleFile::OpenResult::kOk);
    const std::string text =
        "[Window.FrameLeft]\nImageFile=FRAMELEFT.bmp\nImageCount=2\n"
        "[Window.MDICloseButton]\nImageFile=MDICLOSE.bmp\nImageCount=3\n";
    scheme_ = IniText(std::vector<std::uint8_t>(text.begin(), text.end()));
    ImportContext context{&alpha, &scheme_, &skipped_};
    auto object = skin_.CreateTwfObject(2);
    object->Clear(0);
    ImportWindowFrame(context, object.get());
    auto* frame = dynamic_cast<CTwfWndFrame*>(object.get());
    ASSERT_NE(frame, nullptr);
    const auto premultiplied = [](std::uint32_t straight) {
        std::uint32_t out = 0x80000000u;
        for (int shift = 0; shift <= 16; shift += 8)
            out |= ((((straight >> shift) & 0xFF) * 0x80 + 127) / 255) << shift;
        return out;
    };
    EXPECT_EQ(premultiplied(0x102030), 0x80081018u);
    struct Case {
        const CTwfObj* holder;
        WORD id;
        std::uint32_t straight;
    };
    const Case cases[] = {{frame->GetLeftSide(), 0, kPalette[0]},
                          {frame->GetLeftSide(), 1001, kPalette[1]},
                          {frame->GetMenuBar(), 505, kPalette[0]},
                          {frame->GetMenuBar(), 506, kPalette[2]}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(Pixel(*c.holder, c.id) & 0x00FFFFFFu, premultiplied(c.straight) & 0x00FFFFFFu);
    }
}
