// The export's walk over the element trees' links, filled from a skin on the
// in-memory tree: it gives the document the links made straight from the
// family table give (the bench and older callers walk those), control by
// control, with the same files; only the order of the controls is the trees'.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "editor/exchange/xml/controls_export.h"
#include "editor/exchange/xml/link_source.h"
#include "editor/exchange/xml/xml_format.h"
#include "editor/shell/trees/element_tree.h"
#include "editor/shell/trees/tree_link_source.h"
#include "model/element_types.h"
#include "model/elements/wnd_frame.h"
#include "model/platform/image.h"
#include "model/twf_skin.h"
#include "model/elements/frame_properties.h"
#include "model/elements/static_text_properties.h"

using namespace hexmoor;
using exchange::xml::BuildControlsExport;
using exchange::xml::ControlsExport;
using exchange::xml::ExportFile;
using exchange::xml::XmlElement;

namespace {

void Outline(const XmlElement& e, std::wstring& text, int depth) {
    text += std::wstring(static_cast<std::size_t>(depth) * 2, L' ') + e.Name();
    for (const auto& [n, v] : e.Attributes()) text += L" " + n + L"=" + v;
    text += L"\n";
    for (const auto& child : e.Children()) Outline(*child, text, depth + 1);
}

// Each control element of the document with everything below it, one text
// per control under its group, sorted; then the files the document names.
std::vector<std::wstring> Controls(const ControlsExport& exported) {
    std::vector<std::wstring> out;
    for (const auto& group : exported.document.root.Children())
        for (const auto& control : group->Children()) {
            std::wstring text = group->Name() + L"\n";
            Outline(*control, text, 1);
            out.push_back(std::move(text));
        }
    std::sort(out.begin(), out.end());
    std::vector<std::wstring> files;
    for (const auto& file : exported.files) files.push_back(L"file " + file.relative);
    std::sort(files.begin(), files.end());
    out.insert(out.end(), files.begin(), files.end());
    return out;
}

std::unique_ptr<CMrgBitmap> Picture(int width, int height) {
    platform::ImagePixels pixels;
    pixels.width = width;
    pixels.height = height;
    for (int i = 0; i < width * height; ++i) pixels.argb.push_back(0xFF000000u | static_cast<std::uint32_t>(i * 97));
    return std::make_unique<CMrgBitmap>(platform::CreateBitmapFromPixels(pixels), MrgBitmapParams{1, 2, 3, 4, 1, 0});
}

// The export walking the links of both element trees, filled from the skin
// on the in-memory tree store.
ControlsExport ExportThroughTrees(CTwfSkin& skin) {
    const auto skinOf = [&skin] { return &skin; };
    shell::MemoryTree defaultStore, customStore;
    shell::ElementTree defaults(defaultStore, 0, skinOf);
    shell::ElementTree customs(customStore, 1, skinOf);
    defaults.FillFromSkin();
    customs.FillFromSkin();
    shell::TreeLinkSource trees({&defaults, &customs});
    return BuildControlsExport(skin, trees);
}

} // namespace

TEST(TreeLinkSourceTest, TheTreesGiveTheDocumentOfTheFamilyTableLinks) {
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    auto* frame = dynamic_cast<CTwfWndFrame*>(skin.GetOrCreateObject(kElemWndFrame, L""));
    frame->GetTopSide()->PutImage(0, Picture(6, 4));
    frame->GetTopSide()->SetImageOptions(0, 2, -1, 1);
    frame->SetNumber(frame_props::kTopThickness, 4);
    frame->GetMenuBar()->PutImage(505, Picture(5, 5));
    frame->GetMenuBar()->SetNumber(649, 0x50005);
    skin.GetOrCreateObject(kElemButton, L"")->SetColor(23, RGB(1, 2, 3));
    skin.GetOrCreateObject(kElemStaticText, L"")->SetColor(static_text_props::kTextColor, 0xFFFFFFFF);
    auto* custom = dynamic_cast<CTwfWndFrame*>(skin.GetOrCreateObject(kElemWndFrame, L"My Frame"));
    custom->GetLeftSide()->PutImage(0, Picture(3, 7));
    skin.GetOrCreateObject(kElemButton, L"OkButton")->SetColor(23, RGB(0, 255, 0));
    skin.GetOrCreateObject(kElemButton, L"okbutton")->SetNumber(34, 0xFFFF0001);
    skin.GetOrCreateObject(kElemStaticText, L"Label")->SetColor(static_text_props::kTextColor, RGB(9, 9, 9));

    exchange::xml::SkinFamilyLinks family(skin);
    const ControlsExport fromFamily = BuildControlsExport(skin, family);

    const ControlsExport fromTrees = ExportThroughTrees(skin);

    const std::vector<std::wstring> want = Controls(fromFamily);
    ASSERT_GT(want.size(), 4u);
    EXPECT_EQ(Controls(fromTrees), want);
    EXPECT_EQ(fromTrees.counts.controls, fromFamily.counts.controls);
    EXPECT_EQ(fromTrees.counts.custom, 4);
    EXPECT_EQ(fromTrees.counts.records, fromFamily.counts.records);
    EXPECT_EQ(fromTrees.counts.images, 3);
}

// Past a hundred frame items in the custom tree, every custom frame is still
// written as one frame with its own four sides and its own side image: no
// frame item is taken for a side.
TEST(TreeLinkSourceTest, EveryCustomFrameKeepsItsOwnSidesPastAHundredFrames) {
    constexpr int kFrames = 101;
    const std::wstring prefix = L"Frame ";
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    for (int i = 0; i < kFrames; ++i) {
        auto* frame = dynamic_cast<CTwfWndFrame*>(skin.GetOrCreateObject(kElemWndFrame, prefix + std::to_wstring(i)));
        ASSERT_NE(frame, nullptr);
        // The width tells the frames' images apart.
        frame->GetLeftSide()->PutImage(0, Picture(i + 1, 2));
    }
    const ControlsExport exported = ExportThroughTrees(skin);

    std::map<std::wstring, const ExportFile*> files;
    for (const ExportFile& file : exported.files) files[file.relative] = &file;
    const std::wstring frameName = exchange::xml::TrimmedTypeName(kElemWndFrame);
    std::set<int> framesSeen;
    std::set<std::wstring> sideFiles;
    for (const auto& group : exported.document.root.Children()) {
        if (group->Name() != exchange::xml::kCustomControlsName) continue;
        for (const auto& control : group->Children()) {
            if (control->Name().rfind(frameName, 0) != 0) continue;
            const std::wstring* groupName = control->Attribute(exchange::xml::kGroupNameAttribute);
            ASSERT_NE(groupName, nullptr) << control->Name();
            ASSERT_EQ(groupName->rfind(prefix, 0), 0u) << *groupName;
            const int index = std::stoi(groupName->substr(prefix.size()));
            EXPECT_TRUE(framesSeen.insert(index).second) << *groupName;
            int sides[exchange::xml::kSideCount] = {};
            int states = 0;
            for (const auto& child : control->Children()) {
                if (const std::optional<int> side = exchange::xml::SideFromElementName(child->Name())) {
                    ++sides[*side];
                    for (const auto& state : child->Children())
                        EXPECT_TRUE(exchange::xml::IsStateElementName(state->Name())) << *groupName;
                } else {
                    EXPECT_TRUE(exchange::xml::IsStateElementName(child->Name()))
                        << *groupName << L" " << child->Name();
                    ++states;
                }
            }
            for (int side = 0; side < exchange::xml::kSideCount; ++side) EXPECT_EQ(sides[side], 1) << *groupName;
            EXPECT_GT(states, 0) << *groupName;

            // The left side's active image names this frame's picture.
            const XmlElement* left = nullptr;
            for (const auto& child : control->Children())
                if (child->Name() == exchange::xml::SideElementName(3)) left = child.get();
            ASSERT_NE(left, nullptr) << *groupName;
            const XmlElement* image = left->FindDescendant(exchange::xml::kImageRecord);
            ASSERT_NE(image, nullptr) << *groupName;
            const std::wstring* file = image->Attribute(exchange::xml::kFileAttribute);
            ASSERT_NE(file, nullptr) << *groupName;
            EXPECT_TRUE(sideFiles.insert(*file).second) << *file;
            const auto named = files.find(*file);
            ASSERT_NE(named, files.end()) << *file;
            ASSERT_TRUE(named->second->image) << *file;
            EXPECT_EQ(named->second->image->GetWidth(), index + 1) << *file;
        }
    }
    EXPECT_EQ(framesSeen.size(), static_cast<std::size_t>(kFrames));
    EXPECT_EQ(sideFiles.size(), static_cast<std::size_t>(kFrames));
}
