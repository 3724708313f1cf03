// The import over plain document trees (both trees): what each record sets,
// where side and menu-bar values go, what is skipped, and what refuses the
// whole document before the skin is touched.
#include <gtest/gtest.h>

#include <fstream>

#include "editor/exchange/xml/controls_import.h"
#include "model/file/image_record.h"
#include "tests/exchange/xml/exchange_fixture.h"

using namespace hexmoor::exchange::xml;
using namespace xml_test;

namespace {

class ControlsImportTest : public ::testing::Test {
protected:
    ControlsImportTest() { skin_.InitNewSkin(L"Default"); }

    // Plans the document (its files in the scratch folder) and, when the
    // plan is complete, applies it; the problem's reason otherwise.
    std::wstring Import(const Node& root, bool declared = true) {
        ImportPlanResult planned = PlanControlsImport(Document(root, declared), folder_.File(L"in.xml"));
        if (!planned.plan) return planned.problem.reason.empty() ? L"?" : planned.problem.reason;
        counts_ = planned.plan->Counts();
        ApplyImportPlan(std::move(*planned.plan), skin_);
        return L"";
    }

    void WriteImage(const std::wstring& name, const plat::ImagePixels& pixels, bool png) {
        std::vector<std::uint8_t> bytes;
        if (png) {
            ASSERT_TRUE(plat::EncodePng(plat::CreateGdiplusBitmapFromPixels(pixels).get(), &bytes));
        } else {
            ASSERT_TRUE(plat::EncodeBmp(plat::CreateBitmapFromPixels(pixels).Get(), &bytes));
        }
        WriteBytes(name, bytes);
    }
    void WriteBytes(const std::wstring& name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream out(folder_.Path() / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    CTwfWndFrame* Frame() { return dynamic_cast<CTwfWndFrame*>(skin_.FindObject(kFrame, L"")); }

    CGdiPlusInit gdiplus_;
    CTwfSkin skin_;
    ScratchFolder folder_{"import"};
    ExchangeCounts counts_;
};

Node Skin(std::vector<Node> controls, std::vector<Node> custom = {}) {
    return {L"TarnwickSkin",
            {{L"Name", L"x"}},
            {{L"Controls", {}, std::move(controls)}, {L"CustomControls", {}, std::move(custom)}}};
}
Node Data(const wchar_t* id, const wchar_t* value) {
    return {L"Data", {{L"Id", id}, {L"Desc", L"d"}, {L"Value", value}}};
}
Node Color(const wchar_t* id, const wchar_t* rgb) { return {L"Color", {{L"Id", id}, {L"RGB", rgb}}}; }
Node Image(const wchar_t* id, const wchar_t* file, const wchar_t* drawMode = L"1") {
    return {L"Image",
            {{L"Id", id},
             {L"ml", L"1"},
             {L"mr", L"2"},
             {L"mt", L"3"},
             {L"mb", L"4"},
             {L"DrawMode", drawMode},
             {L"MrgDrawMode", L"1"},
             {L"File", file}}};
}
Node State(const wchar_t* name, std::vector<Node> records) { return {name, {}, std::move(records)}; }

} // namespace

TEST_F(ControlsImportTest, RecordsSetTheirValues) {
    WriteImage(L"b.bmp", Pattern(6, 4, 1, true), false);
    WriteImage(L"p.png", Pattern(3, 5, 2, false), true);
    ASSERT_EQ(
        Import(
            Skin({{L"anything",
                   {{L"Id", L"4"}},
                   {State(L"NormalState", {Data(L"34", L"ffff0001"), Color(L"40", L"ff0000"), Color(L"41", L"ffffffff"),
                                           Color(L"42", L"ffffff"), Image(L"22", L"b.bmp")}),
                    State(L"FocusedState", {Image(L"24", L"p.png", L"2"), Image(L"25", L"p.png")})}}})),
        L"");
    CTwfObj* button = skin_.FindObject(kButton, L"");
    EXPECT_EQ(button->GetNumber(34), 0xFFFF0001u);
    EXPECT_EQ(button->GetColor(40), RGB(255, 0, 0));
    EXPECT_EQ(button->GetColor(41), 0xFFFFFFFFu); // Invert Color
    EXPECT_EQ(button->GetColor(42), RGB(255, 255, 255));
    const CMrgBitmap* bmp = button->GetImage(22);
    ASSERT_TRUE(bmp);
    EXPECT_FALSE(bmp->IsGdiplus());
    EXPECT_EQ(bmp->GetParams(), (MrgBitmapParams{1, 3, 2, 4, 1, 1}));
    plat::ImagePixels pixels;
    ASSERT_TRUE(bmp->ReadPixels(&pixels));
    EXPECT_EQ(pixels.argb, Pattern(6, 4, 1, true).argb);
    const CMrgBitmap* png = button->GetImage(24);
    ASSERT_TRUE(png);
    EXPECT_TRUE(png->IsGdiplus());
    // DrawMode 2 marks a plain value: the image is drawn stretched instead.
    EXPECT_EQ(png->GetDrawMode(), CMrgBitmap::kDrawStretch);
    ASSERT_TRUE(png->ReadPixels(&pixels));
    EXPECT_EQ(pixels.argb, Pattern(3, 5, 2, false).argb);
    // Two records naming one file get an entry each.
    EXPECT_NE(button->GetImage(25), png);
    EXPECT_EQ(counts_.controls, 1);
    EXPECT_EQ(counts_.records, 7);
    EXPECT_EQ(counts_.images, 3);
}

TEST_F(ControlsImportTest, SidesAndMenuBarValuesGoWhereTheyLive) {
    CTwfWndFrame* frame = Frame();
    frame->GetTopSide()->PutImage(7, BitmapImage(2, 2, 1, {}));
    frame->GetTopSide()->SetImageOptions(7, 1, 1, 1);
    frame->GetLeftSide()->PutImage(0, BitmapImage(2, 2, 1, {}));
    WriteBytes(L"r.rgn", EncodeRegionFile(*Region(8, 6)));
    WriteImage(L"t.png", Pattern(8, 6, 3, false), true);
    // No side element below sets 479, so only a side size read outside a
    // side could change it.
    const DWORD sideSizeBefore = frame->GetNumber(479);
    ASSERT_NE(sideSizeBefore, 0x63u);
    ASSERT_EQ(
        Import(Skin(
            {{L"wndframe",
              {{L"Id", L"2"}},
              {State(L"NormalState", {Image(L"505", L"t.png"),
                                      Data(L"649", L"e0010"),
                                      Data(L"478", L"63"),
                                      Data(L"479", L"63"),
                                      {L"ImgOptions", {{L"Id", L"1"}, {L"DrawMode", L"2"}}}}),
               {L"topside",
                {},
                {State(L"ActiveState",
                       {{L"ImgOptions", {{L"Id", L"0"}, {L"DrawMode", L"2"}, {L"XOffset", L"-3"}, {L"YOffset", L"5"}}},
                        Image(L"0", L"t.png"),
                        {L"RgnOptions", {{L"Id", L"1"}, {L"DrawMode", L"1"}, {L"File", L"r.rgn"}}},
                        {L"RgnOptions", {{L"Id", L"2"}, {L"DrawMode", L"1"}}},
                        Data(L"478", L"1a")})}}}},
             {L"button",
              {{L"Id", L"4"}},
              {{L"topside", {}, {State(L"ActiveState", {Data(L"478", L"5")})}},
               State(L"NormalState", {Data(L"505", L"9"), {L"RgnOptions", {{L"Id", L"1"}, {L"File", L"r.rgn"}}}})}}})),
        L"");
    // A side element empties its side first; the other sides stay.
    CTwfSideFrame* top = frame->GetTopSide();
    EXPECT_FALSE(top->HasImage(7));
    EXPECT_FALSE(top->GetImageOptions(7));
    EXPECT_TRUE(frame->GetLeftSide()->HasImage(0));
    ASSERT_TRUE(top->GetImageOptions(0));
    EXPECT_EQ(top->GetImageOptions(0)->XOffset, -3);
    EXPECT_EQ(top->GetImageOptions(0)->YOffset, 5);
    EXPECT_EQ(top->GetImageOptions(0)->DrawMode, 2u);
    EXPECT_TRUE(top->HasImage(0));
    ASSERT_TRUE(top->GetRegionOptions(1));
    EXPECT_TRUE(top->GetRegionOptions(1)->HasRegion());
    EXPECT_EQ(top->GetRegionOptions(1)->region->GetSize().cx, 8);
    EXPECT_FALSE(top->GetRegionOptions(2)); // no file: nothing stored
    // The side's size is the frame's number; outside a side it is ignored.
    EXPECT_EQ(frame->GetNumber(478), 0x1Au);
    EXPECT_EQ(frame->GetNumber(479), sideSizeBefore);
    EXPECT_FALSE(top->HasNumber(478));
    // The MDI buttons' values under the window frame reach its menu bar.
    EXPECT_TRUE(frame->GetMenuBar()->HasImage(505));
    EXPECT_EQ(frame->GetMenuBar()->GetNumber(649), 0xE0010u);
    EXPECT_FALSE(frame->HasImage(505));
    EXPECT_FALSE(frame->HasNumber(649));
    // Side records and side elements outside a frame do nothing.
    EXPECT_FALSE(frame->GetTopSide()->GetImageOptions(1));
    CTwfObj* button = skin_.FindObject(kButton, L"");
    EXPECT_FALSE(button->HasNumber(478));
    EXPECT_EQ(button->GetNumber(505), 9u); // a button's own number 505
    EXPECT_EQ(counts_.regions, 1);
}

TEST_F(ControlsImportTest, LenientReadingOfSingleRecords) {
    skin_.GetOrCreateObject(kButton, L"")->SetNumber(30, 7);
    ASSERT_EQ(
        Import(Skin(
            {
                {L"noid", {}, {State(L"NormalState", {Data(L"31", L"1")})}},
                {L"folder", {{L"Id", L"33"}}, {State(L"NormalState", {Data(L"31", L"1")})}},
                {L"unknown", {{L"Id", L"3000"}}, {State(L"NormalState", {Data(L"31", L"1")})}},
                {L"button",
                 {{L"Id", L"4"}},
                 {State(L"NormalState", {Data(L"32", L"2"), {L"Data", {{L"Value", L"3"}}}, Data(L"33", L"3")}),
                  State(L"HotState", {Data(L"34", L"4"),
                                      {L"Unknown", {{L"Id", L"35"}}},
                                      Data(L"36", L"zz"),
                                      Color(L"37", L"blue"),
                                      {L"Image", {{L"Id", L"38"}, {L"File", L"missing.png"}}},
                                      Data(L"39", L"5")}),
                  {L"Whatever", {}, {Data(L"40", L"6")}}}},
            },
            {
                {L"x", {{L"Id", L"4"}, {L"GroupName", L"Brand New"}}, {State(L"NormalState", {Data(L"31", L"8")})}},
                {L"x", {{L"Id", L"4"}}, {State(L"NormalState", {Data(L"31", L"9")})}},
                {L"x", {{L"Id", L"4"}, {L"GroupName", L"Default"}}, {State(L"NormalState", {Data(L"31", L"9")})}},
                {L"x", {{L"Id", L"4"}, {L"GroupName", L"<2>Inside"}}, {State(L"NormalState", {Data(L"31", L"9")})}},
            })),
        L"");
    CTwfObj* button = skin_.FindObject(kButton, L"");
    EXPECT_EQ(button->GetNumber(30), 7u); // not mentioned: kept
    EXPECT_FALSE(button->HasNumber(31));  // no Id, a folder, an unknown kind
    EXPECT_EQ(button->GetNumber(32), 2u);
    EXPECT_FALSE(button->HasNumber(33)); // after a record without Id
    EXPECT_EQ(button->GetNumber(34), 4u);
    EXPECT_FALSE(button->HasNumber(36));
    EXPECT_FALSE(button->HasColor(37));
    EXPECT_FALSE(button->HasImage(38)); // an Image record short of attributes reads no file
    EXPECT_EQ(button->GetNumber(39), 5u);
    EXPECT_FALSE(button->HasNumber(40));
    // An unknown group name makes a new custom control at the top level;
    // names a custom control cannot have are skipped.
    ASSERT_TRUE(skin_.FindObject(kButton, L"Brand New"));
    EXPECT_EQ(skin_.FindObject(kButton, L"Brand New")->GetNumber(31), 8u);
    EXPECT_FALSE(skin_.FindObject(kButton, L"<2>Inside"));
    EXPECT_EQ(counts_.controls, 1);
    EXPECT_EQ(counts_.custom, 1);
}

TEST_F(ControlsImportTest, EitherGroupMayBeMissing) {
    ASSERT_EQ(
        Import({L"TarnwickSkin",
                {},
                {{L"CustomControls",
                  {},
                  {{L"c", {{L"Id", L"4"}, {L"GroupName", L"Ok"}}, {State(L"NormalState", {Data(L"31", L"1")})}}}}}}),
        L"");
    EXPECT_EQ(skin_.FindObject(kButton, L"Ok")->GetNumber(31), 1u);
    ASSERT_EQ(
        Import({L"TarnwickSkin",
                {},
                {{L"Controls", {}, {{L"button", {{L"Id", L"4"}}, {State(L"NormalState", {Data(L"31", L"2")})}}}}}}),
        L"");
    EXPECT_EQ(skin_.FindObject(kButton, L"")->GetNumber(31), 2u);
    EXPECT_EQ(Import({L"TarnwickSkin"}), L"");
}

TEST_F(ControlsImportTest, WholeDocumentRefusals) {
    // A good record before each fault: nothing of it may arrive.
    auto button = [](std::vector<Node> more) {
        std::vector<Node> records = {Data(L"31", L"1")};
        records.insert(records.end(), more.begin(), more.end());
        return Skin({{L"button", {{L"Id", L"4"}}, {State(L"NormalState", records)}}});
    };
    WriteBytes(L"short.png", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0});
    std::vector<std::uint8_t> huge = {0x89, 'P',  'N',  'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R', 0,
                                      1,    0x86, 0xA0, 0,   1,    0x86, 0xA0, 8,    6, 0, 0, 0,  0,   0,   0,   0};
    WriteBytes(L"huge.png", huge); // 100000 x 100000
    // Over the cap a side, or over 64 megapixels, yet within what a decoder
    // would take on: refused from the header, before any decoding.
    auto pngHeader = [](std::uint32_t width, std::uint32_t height) {
        std::vector<std::uint8_t> b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
        for (const std::uint32_t v : {width, height}) {
            for (int shift = 24; shift >= 0; shift -= 8) b.push_back(static_cast<std::uint8_t>(v >> shift));
        }
        b.insert(b.end(), {8, 6, 0, 0, 0, 0, 0, 0, 0});
        return b;
    };
    WriteBytes(L"wide.png", pngHeader(16385, 16));
    WriteBytes(L"long.png", pngHeader(32767, 2048));
    std::vector<std::uint8_t> wideBmp = {'B', 'M', 0, 0,    0,    0, 0, 0,  0, 0, 54, 0, 0, 0,  40,
                                         0,   0,   0, 0x01, 0x40, 0, 0, 16, 0, 0, 0,  1, 0, 32, 0};
    wideBmp.resize(54);
    WriteBytes(L"wide.bmp", wideBmp); // 16385 x 16
    WriteBytes(L"text.png", {'h', 'e', 'l', 'l', 'o'});
    WriteBytes(L"lying.rgn", {10, 0, 0, 0, 10, 0, 0, 0, 0xFF, 0xFF, 0, 0, 1, 2, 3});
    WriteBytes(L"vast.rgn", {0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0});
    struct Case {
        Node document;
        bool declared;
        const wchar_t* reason;
    };
    auto side = [](Node record) {
        return Skin({{L"wndframe",
                      {{L"Id", L"2"}},
                      {{L"topside", {}, {State(L"ActiveState", {Data(L"478", L"1"), record})}}}}});
    };
    const Case cases[] = {
        {button({}), false, L"the XML declaration is missing"},
        {{L"Other", {}, {}},
         true,
         L"the document is not a controls file (its root element is \"Other\", not \"TarnwickSkin\")"},
        {button({Image(L"22", L"C:\\skins\\a.png")}), true,
         L"\"C:\\skins\\a.png\": the file name names a drive or a stream"},
        {button({Image(L"22", L"..\\a.png")}), true, L"\"..\\a.png\": the file name leaves the XML file's folder"},
        {button({Image(L"22", L"\\a.png")}), true,
         L"\"\\a.png\": the file name is not relative to the XML file's folder"},
        {button({Image(L"22", L"missing.png")}), true, L"the file is missing or cannot be opened"},
        {button({Image(L"22", L"short.png")}), true, L"the image cannot be decoded"},
        {button({Image(L"22", L"huge.png")}), true, L"the image is larger than 16384 pixels a side or 64 megapixels"},
        {button({Image(L"22", L"wide.png")}), true, L"the image is larger than 16384 pixels a side or 64 megapixels"},
        {button({Image(L"22", L"long.png")}), true, L"the image is larger than 16384 pixels a side or 64 megapixels"},
        {button({Image(L"22", L"wide.bmp")}), true, L"the image is larger than 16384 pixels a side or 64 megapixels"},
        {button({Image(L"22", L"text.png")}), true, L"the file is neither a PNG nor a BMP image"},
        {side({L"RgnOptions", {{L"Id", L"1"}, {L"File", L"lying.rgn"}}}), true,
         L"the file is not a region file, or it is damaged"},
        {side({L"RgnOptions", {{L"Id", L"1"}, {L"File", L"vast.rgn"}}}), true,
         L"the region's size 65536x1 is outside 0..16384"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Import(c.document, c.declared), c.reason);
        EXPECT_FALSE(skin_.FindObject(kButton, L"")->HasNumber(31)) << testing::PrintToString(std::wstring(c.reason));
        EXPECT_FALSE(Frame()->HasNumber(478));
    }
    XmlDocument noVersion = Document(button({}));
    noVersion.declaration = L"encoding=\"UTF-8\"";
    EXPECT_EQ(PlanControlsImport(noVersion, folder_.File(L"in.xml")).problem.reason,
              L"the XML declaration has no version");
    // A problem in a named file names that file.
    const ImportPlanResult missing =
        PlanControlsImport(Document(button({Image(L"22", L"sub/missing.png")})), folder_.File(L"in.xml"));
    EXPECT_NE(missing.problem.file.find(L"missing.png"), std::wstring::npos);
}
