// The exchange through the XML service and real files (Windows tree, COM
// and GDI+, no windows): round trips of generated skins, documents written
// by hand with comments and whitespace, and documents that must be refused
// whole, leaving the skin as it was.
#include <gtest/gtest.h>
#include <objbase.h>

#include <fstream>
#include <iterator>

#include "editor/exchange/xml/controls_export.h"
#include "editor/exchange/xml/win/controls_import_export.h"
#include "editor/exchange/xml/win/msxml_document.h"
#include "editor/exchange/xml/xml_format.h"
#include "tests/exchange/xml/exchange_fixture.h"

using namespace hexmoor::exchange::xml;
using namespace xml_test;

namespace {

class XmlServiceTest : public ::testing::Test {
protected:
    XmlServiceTest() { CoInitialize(nullptr); }
    ~XmlServiceTest() override { CoUninitialize(); }

    std::string ReadText(const std::wstring& path) {
        std::ifstream in(std::filesystem::path(path), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void WriteText(const std::wstring& path, const std::string& text) {
        std::ofstream out(std::filesystem::path(path), std::ios::binary);
        out << text;
    }

    CGdiPlusInit gdiplus_;
    ScratchFolder folder_{"service"};
};

const std::vector<std::wstring> kCustoms = {L"OkButton", L"okbutton", L"<3>Fancy"};

} // namespace

TEST_F(XmlServiceTest, AnExportedFileImportsIntoANewSkin) {
    SampleSkin sample;
    const std::wstring xml = folder_.File(L"controls.xml");
    const ExchangeOutcome exported =
        CControlsImportExport(sample.skin).ExportControls(xml, *SampleSkin::Links(sample.skin, kCustoms));
    ASSERT_TRUE(exported.ok) << testing::PrintToString(exported.problem.reason);
    // The file starts with the declaration the format asks for.
    EXPECT_EQ(ReadText(xml).rfind("<?xml version=\"1.0\"?>", 0), 0u);

    CTwfSkin imported;
    imported.InitNewSkin(L"Default");
    const ExchangeOutcome read = CControlsImportExport(imported).ImportControls(xml);
    ASSERT_TRUE(read.ok) << testing::PrintToString(read.problem.reason);
    EXPECT_EQ(read.counts.controls, exported.counts.controls);
    EXPECT_EQ(read.counts.custom, exported.counts.custom);
    EXPECT_EQ(read.counts.records, exported.counts.records);
    EXPECT_EQ(read.counts.images, exported.counts.images);
    EXPECT_EQ(read.counts.regions, exported.counts.regions);
    ASSERT_TRUE(sample.skin.MoveObject(kButton, L"<3>Fancy", L"Fancy"));
    EXPECT_EQ(EntryLines(imported), EntryLines(sample.skin));
}

TEST_F(XmlServiceTest, TheServiceReadsBackWhatItWrote) {
    // Attribute order, texts XML must escape, names with blanks made valid,
    // and characters no XML document may hold.
    XmlDocument doc = Document(
        {L"TarnwickSkin",
         {{L"Name", L"<a & \"b\" 'c'> \u00e9\u4e2d"}},
         {{L"Controls", {}, {{L"button", {{L"Id", L"4"}, {L"Desc", L"x"}, {L"A", L"1"}, {L"B", L"2"}}, {}}}},
          {L"CustomControls",
           {},
           {{ControlElementName(4, L"My: Button"), {{L"Id", L"4"}, {L"GroupName", L"My: Button\x01"}}, {}}}}}});
    std::vector<std::uint8_t> bytes;
    std::wstring problem;
    ASSERT_TRUE(WriteXmlDocument(doc, &bytes, &problem)) << testing::PrintToString(problem);
    const XmlReadResult read = ReadXmlDocument(bytes);
    ASSERT_TRUE(read.document) << testing::PrintToString(read.problem);
    EXPECT_TRUE(read.document->hasDeclaration);
    EXPECT_EQ(read.document->declaration, L"version=\"1.0\"");
    std::vector<std::wstring> expected = Outline(doc.root);
    expected.back() = L"    button_my__button Id=4 GroupName=My: Button\xFFFD";
    EXPECT_EQ(Outline(read.document->root), expected);
}

TEST_F(XmlServiceTest, CommentsAndWhitespaceDoNotEndAState) {
    const std::wstring xml = folder_.File(L"hand.xml");
    WriteText(xml,
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<!-- written by hand -->\n"
              "<TarnwickSkin Name=\"x\">\n"
              "  <Controls>\n"
              "    <button Id=\"4\">\n"
              "      <NormalState>\n"
              "        <!-- the text colour -->\n"
              "        <Color Id=\"40\" Desc=\"text_color\" RGB=\"ff\"/>\n"
              "        <?note ignored?>\n"
              "        text between records\n"
              "        <Data Id=\"34\" Desc=\"text_offset\" Value=\"ffff0001\"/>\n"
              "      </NormalState>\n"
              "    </button>\n"
              "  </Controls>\n"
              "</TarnwickSkin>\n");
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    const ExchangeOutcome read = CControlsImportExport(skin).ImportControls(xml);
    ASSERT_TRUE(read.ok) << testing::PrintToString(read.problem.reason);
    EXPECT_EQ(skin.FindObject(kButton, L"")->GetColor(40), RGB(0, 0, 255));
    EXPECT_EQ(skin.FindObject(kButton, L"")->GetNumber(34), 0xFFFF0001u);
    EXPECT_EQ(read.counts.records, 2);
}

TEST_F(XmlServiceTest, DocumentsThatCannotBeReadWholeAreRefused) {
    SampleSkin sample;
    const std::wstring xml = folder_.File(L"controls.xml");
    ASSERT_TRUE(CControlsImportExport(sample.skin).ExportControls(xml, *SampleSkin::Links(sample.skin, kCustoms)).ok);
    const std::string good = ReadText(xml);
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    const std::vector<std::string> before = EntryLines(skin);
    const std::wstring bad = folder_.File(L"bad.xml");
    auto refused = [&](const std::string& text) {
        WriteText(bad, text);
        const ExchangeOutcome outcome = CControlsImportExport(skin).ImportControls(bad);
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(outcome.problem.file, bad);
        return outcome.problem.reason;
    };
    // Every cut of the document, 64 bytes apart, is refused.
    for (std::size_t cut = 0; cut < good.size(); cut += 64) {
        const std::wstring reason = refused(good.substr(0, cut));
        EXPECT_FALSE(reason.empty()) << cut;
    }
    EXPECT_EQ(refused("<TarnwickSkin Name=\"x\"><Controls/></TarnwickSkin>"), L"the XML declaration is missing");
    EXPECT_EQ(refused("<?xml version=\"1.0\"?><Skin/>"),
              L"the document is not a controls file (its root element is \"Skin\", not \"TarnwickSkin\")");
    EXPECT_EQ(refused("<?xml version=\"1.0\"?>\n<!DOCTYPE TarnwickSkin>\n<TarnwickSkin Name=\"x\"/>"),
              L"the file has a document type declaration, which a controls file never has");
    // An external entity is refused before anything could read it.
    EXPECT_EQ(refused("<?xml version=\"1.0\"?>\n<!DOCTYPE r [<!ENTITY e SYSTEM \"file:///C:/windows/win.ini\">]>\n"
                      "<TarnwickSkin Name=\"&e;\"/>")
                  .find(L"the file"),
              0u);
    EXPECT_EQ(refused("not XML at all").rfind(L"the file is not well-formed XML", 0), 0u);
    EXPECT_EQ(EntryLines(skin), before);

    const ExchangeOutcome missing = CControlsImportExport(skin).ImportControls(folder_.File(L"none.xml"));
    EXPECT_EQ(missing.problem.reason, L"the file is missing or cannot be opened");
}
