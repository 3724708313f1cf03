// Commands 32899 and 32900 in the running editor, with scripted file
// dialogs and message boxes: the export writes the file, the import fills
// the skin and the trees; a file that cannot be written or read whole gives
// one message and changes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "editor/exchange/xml/win/msxml_document.h"
#include "editor/exchange/xml/xml_format.h"
#include "editor/shell/editor_state.h"
#include "editor/shell/trees/element_tree.h"
#include "editor/shell/runtime_link.h"
#include "model/file/skin_listing.h"
#include "model/twf_skin.h"
#include "resources/command_ids.h"
#include "tests/editor/app_fixture.h"

using namespace hexmoor;

namespace {

struct ScriptedFiles : fw::FileDialogService {
    std::wstring path;
    std::vector<fw::FileDialogRequest> asked;
    std::optional<fw::FileDialogResult> Show(HWND, const fw::FileDialogRequest& request) override {
        asked.push_back(request);
        if (path.empty()) return std::nullopt;
        return fw::FileDialogResult{path, 1};
    }
};

class XmlRoads : public test::EditorApp {
protected:
    void SetUp() override {
        EditorApp::SetUp();
        folder_ =
            std::filesystem::temp_directory_path() / ("hexmoor_xml_roads_" + std::to_string(GetCurrentProcessId()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        Start();
        auto files = std::make_unique<ScriptedFiles>();
        script_ = files.get();
        app->SetFileDialogs(std::move(files));
        skin_ = shell::runtime::MainSkin();
        ASSERT_NE(skin_, nullptr);
        messages->shown.clear();
    }
    void TearDown() override {
        shell::Editor().documentModified = false;
        EditorApp::TearDown();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::wstring Write(const std::wstring& name, const std::string& text) {
        const std::filesystem::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.wstring();
    }

    std::filesystem::path folder_;
    ScriptedFiles* script_ = nullptr;
    CTwfSkin* skin_ = nullptr;
};

const char kDocument[] =
    "<?xml version=\"1.0\"?>\n"
    "<TarnwickSkin Name=\"x\">\n"
    "  <Controls><button Id=\"4\"><NormalState><Color Id=\"40\" RGB=\"ff\"/></NormalState></button></Controls>\n"
    "  <CustomControls>\n"
    "    <button_fancy Id=\"4\" GroupName=\"Fancy\"><NormalState><Data Id=\"34\" Value=\"ffff0001\"/></NormalState>"
    "</button_fancy>\n"
    "  </CustomControls>\n"
    "</TarnwickSkin>\n";

} // namespace

TEST_F(XmlRoads, ImportFillsTheSkinAndTheTrees) {
    script_->path = Write(L"in.xml", kDocument);
    const std::wstring path = app->CurrentSkinPath();
    skin_->SetCompressedFlag(1);
    frame->RunCommand(ID_FILE_IMPORT_XML);
    ASSERT_EQ(script_->asked.size(), 1u);
    EXPECT_FALSE(script_->asked[0].save);
    EXPECT_EQ(script_->asked[0].filter, L"MSXML file (*.xml)|*.xml||");
    EXPECT_EQ(script_->asked[0].defaultExtension, L"xml");
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(skin_->FindObject(4, L"")->GetColor(40), RGB(0, 0, 255));
    ASSERT_NE(skin_->FindObject(4, L"Fancy"), nullptr);
    EXPECT_EQ(skin_->FindObject(4, L"Fancy")->GetNumber(34), 0xFFFF0001u);
    EXPECT_EQ(skin_->GetCompressedFlag(), 0u);
    // The new custom control shows in its tree; the document is modified,
    // its file and caption stay.
    EXPECT_NE(frame->CustomControls()->Model()->Find(L"Fancy"), nullptr);
    EXPECT_TRUE(shell::Editor().documentModified);
    EXPECT_TRUE(shell::Editor().skinningOn);
    EXPECT_EQ(app->CurrentSkinPath(), path);
}

TEST_F(XmlRoads, AFileThatCannotBeReadWholeChangesNothing) {
    skin_->SetCompressedFlag(1);
    const std::string before = SkinListing(*skin_, 0);
    const auto customBefore = frame->CustomControls()->Model()->Dump();
    // The custom control is fine; an image it names is missing.
    std::string text = kDocument;
    text.replace(text.find("<Data"), 0,
                 "<Image Id=\"22\" ml=\"0\" mr=\"0\" mt=\"0\" mb=\"0\" DrawMode=\"0\" MrgDrawMode=\"0\" "
                 "File=\"button\\none.png\"/>");
    script_->path = Write(L"bad.xml", text);
    frame->RunCommand(ID_FILE_IMPORT_XML);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0], L"Cannot import " + script_->path + L":\n" +
                                      (folder_ / L"button\\none.png").wstring() +
                                      L":\nthe file is missing or cannot be opened.");
    EXPECT_EQ(SkinListing(*skin_, 0), before);
    EXPECT_EQ(frame->CustomControls()->Model()->Dump(), customBefore);
    EXPECT_EQ(skin_->GetCompressedFlag(), 1u);
    EXPECT_FALSE(shell::Editor().documentModified);

    // Cancelling the dialog does nothing at all.
    script_->path.clear();
    messages->shown.clear();
    frame->RunCommand(ID_FILE_IMPORT_XML);
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(SkinListing(*skin_, 0), before);
}

TEST_F(XmlRoads, ExportWritesTheFileOrSaysWhyNot) {
    skin_->GetOrCreateObject(21, L"")->SetColor(494, RGB(1, 2, 3));
    script_->path = (folder_ / L"out.xml").wstring();
    frame->RunCommand(ID_FILE_EXPORT_XML);
    ASSERT_EQ(script_->asked.size(), 1u);
    EXPECT_TRUE(script_->asked[0].save);
    EXPECT_EQ(script_->asked[0].filter, L"MSXML file (*.xml)|*.xml||");
    EXPECT_EQ(script_->asked[0].defaultExtension, L"xml");
    EXPECT_EQ(script_->asked[0].flags & (OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT),
              static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
    EXPECT_TRUE(messages->shown.empty());
    // The saved file, read back: the colour's record under its control.
    std::ifstream written(folder_ / L"out.xml", std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
    exchange::xml::XmlReadResult read = exchange::xml::ReadXmlDocument(bytes);
    ASSERT_TRUE(read.document) << std::string(read.problem.begin(), read.problem.end());
    const exchange::xml::XmlElement* control =
        read.document->root.FindDescendant(exchange::xml::ControlElementName(21, L""));
    ASSERT_NE(control, nullptr);
    const exchange::xml::XmlElement* color = nullptr;
    for (const auto& state : control->Children())
        for (const auto& record : state->Children())
            if (record->Name() == L"Color" && record->Attribute(L"Id") && *record->Attribute(L"Id") == L"494")
                color = record.get();
    ASSERT_NE(color, nullptr);
    ASSERT_NE(color->Attribute(L"Desc"), nullptr);
    EXPECT_EQ(*color->Attribute(L"Desc"), L"text_color");
    ASSERT_NE(color->Attribute(L"RGB"), nullptr);
    EXPECT_EQ(*color->Attribute(L"RGB"), L"10203");
    EXPECT_FALSE(shell::Editor().documentModified);

    // A folder that does not exist: one message, no file.
    script_->path = (folder_ / L"missing" / L"out.xml").wstring();
    frame->RunCommand(ID_FILE_EXPORT_XML);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].rfind(L"Cannot export to " + script_->path + L":\n", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(folder_ / L"missing"));
}
