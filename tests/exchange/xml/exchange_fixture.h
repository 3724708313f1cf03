// A skin and links to export it through, for the exchange's tests in both
// trees: a link that shows a given list of rows per state (the page links
// of every element kind hand their rows to the export the same way), the
// real frame-side links, and a scratch folder.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "editor/exchange/xml/link_source.h"
#include "editor/exchange/xml/xml_tree.h"
#include "editor/links/family.h"
#include "editor/links/item_link.h"
#include "model/elements/wnd_frame.h"
#include "model/file/skin_listing.h"
#include "model/gdiplus_init.h"
#include "model/platform/image.h"
#include "model/twf_skin.h"

namespace xml_test {

namespace links = hexmoor::links;
namespace plat = hexmoor::platform;

// One row of a page: a record row, a group row with children, or a group
// key (a number the page hands over without a row of its own).
struct RowSpec {
    int state = 0;
    std::wstring label;
    int kind = links::kKindNumber;
    WORD id = 0;
    std::vector<RowSpec> children;
    bool groupKey = false;
};

class RowsLink : public links::CItemLinkObj {
public:
    RowsLink(WORD type, std::wstring scheme, std::vector<RowSpec> rows)
        : CItemLinkObj(nullptr, type, 0, std::move(scheme)), specs_(std::move(rows)) {}
    ~RowsLink() override { ForgetRows(); }
    const char* ClassName() const override { return "RowsLink"; }
    BOOL OnOptionsChanged() override { return 1; }
    BOOL CommitEditedValues(links::PropertyGridModel*) override { return 1; }
    BOOL BuildPropertyItems(int) override { return 1; }
    BOOL FillPropertyPage(int state, void* context) override {
        for (const RowSpec& spec : specs_) {
            if (spec.state != state) continue;
            if (spec.groupKey) {
                AddExportGroupKey(spec.label, spec.kind, spec.id, context);
                continue;
            }
            rows_.push_back(Make(spec, nullptr));
            AddPropertyItem(rows_.back().get(), context, -1);
        }
        return 1;
    }

private:
    std::unique_ptr<links::CPropertyItem> Make(const RowSpec& spec, links::CPropertyItem* parent) {
        auto row = MakeRow(spec.label, L"", spec.kind, L"", spec.id, !spec.children.empty(), parent, 0);
        for (const RowSpec& child : spec.children) row->AddChild(Make(child, row.get()));
        return row;
    }
    std::vector<RowSpec> specs_;
    std::vector<std::unique_ptr<links::CPropertyItem>> rows_;
};

// Borrowed links, in the order given.
class ListedLinks : public hexmoor::exchange::xml::ElementLinkSource {
public:
    void Add(std::shared_ptr<links::CItemLinkObj> link) { links_.push_back(std::move(link)); }
    void ForEachLink(const std::function<void(links::CItemLinkObj&)>& visit) override {
        for (auto& link : links_) visit(*link);
    }

private:
    std::vector<std::shared_ptr<links::CItemLinkObj>> links_;
};

inline plat::ImagePixels Pattern(int width, int height, std::uint32_t seed, bool opaque) {
    plat::ImagePixels p;
    p.width = width;
    p.height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t alpha = opaque ? 0xFFu : static_cast<std::uint32_t>((x * 40 + y * 7 + seed) % 256);
            p.argb.push_back((alpha << 24) | ((x * 37 + seed) % 256) << 16 | ((y * 53 + seed) % 256) << 8 |
                             ((x + y + seed) % 256));
        }
    return p;
}

// A bitmap-held image (opaque: a BMP file keeps no alpha) and a GDI+ one.
inline std::unique_ptr<CMrgBitmap> BitmapImage(int w, int h, std::uint32_t seed, MrgBitmapParams p) {
    return std::make_unique<CMrgBitmap>(plat::CreateBitmapFromPixels(Pattern(w, h, seed, true)), p);
}
inline std::unique_ptr<CMrgBitmap> PngImage(int w, int h, std::uint32_t seed, MrgBitmapParams p) {
    return std::make_unique<CMrgBitmap>(plat::CreateGdiplusBitmapFromPixels(Pattern(w, h, seed, false)), p);
}

inline ImageRgnPtr Region(int w, int h) {
    // A two-rectangle region in region-file form: width, height, RGNDATA.
    std::vector<std::uint8_t> file;
    auto put = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) file.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    put(static_cast<std::uint32_t>(w));
    put(static_cast<std::uint32_t>(h));
    put(32 + 2 * 16);
    for (std::uint32_t v : {32u, 1u, 2u, 32u, 0u, 0u, static_cast<std::uint32_t>(w), static_cast<std::uint32_t>(h)})
        put(v);
    for (std::uint32_t v : {0u, 0u, 2u, 1u, 1u, 1u, static_cast<std::uint32_t>(w), static_cast<std::uint32_t>(h)})
        put(v);
    return ImageRgnPtr(DecodeRegionFile(file));
}

inline constexpr WORD kButton = 4;
inline constexpr WORD kFrame = 2;

// The skin every round trip starts from: default button and frame (sides,
// MDI buttons in the menu bar), and custom buttons whose names differ only
// in case, one of them kept in a folder.
struct SampleSkin {
    CTwfSkin skin;

    SampleSkin() {
        skin.InitNewSkin(L"Default");
        skin.GetInfo().skinName = L"Sample \"skin\" <&>";
        FillButton(skin.GetOrCreateObject(kButton, L""), 1);
        auto* frame = dynamic_cast<CTwfWndFrame*>(skin.GetOrCreateObject(kFrame, L""));
        for (auto [id, size] : {std::pair{478, 25}, {479, 0}, {480, 4}, {481, 0}})
            frame->SetNumber(WORD(id), DWORD(size));
        CTwfSideFrame* top = frame->GetTopSide();
        top->PutImage(0, BitmapImage(10, 25, 3, {2, 0, 2, 0, 1, 1}));
        top->PutImage(1001, PngImage(10, 25, 4, {}));
        top->SetImageOptions(0, -3, 5, 2);
        top->SetImageOptions(1001, 0, 0, 1);
        top->SetRegionOptions(1, Region(10, 25), 1);
        top->SetRegionOptions(1002, Region(6, 4), 0);
        frame->GetLeftSide()->PutImage(0, BitmapImage(4, 8, 5, {}));
        CTwfMenuBar* bar = frame->GetMenuBar();
        bar->PutImage(505, PngImage(16, 14, 6, {}));
        bar->PutImage(508, BitmapImage(16, 14, 7, {}));
        bar->SetNumber(649, (14u << 16) | 16u);
        bar->SetNumber(646, 0xFFFE0003);

        std::uint32_t seed = 10;
        for (const wchar_t* name : {L"OkButton", L"okbutton", L"<3>Fancy"})
            FillButton(skin.GetOrCreateObject(kButton, name), seed++);
    }

    // The pages of a skin shaped like this one: the button's rows, the frame's side links, the MDI close
    // button's page on the menu-bar object, and the custom buttons' rows.
    static std::unique_ptr<ListedLinks> Links(CTwfSkin& skin, const std::vector<std::wstring>& customs) {
        auto list = std::make_unique<ListedLinks>();
        auto buttonRows = [] {
            return std::vector<RowSpec>{
                {0, L"Image", links::kKindImage, 22},
                {0, L"text_offset", links::kKindNumber, 34, {}, true},
                {0, L"Text Offset", links::kKindCategory, 0, {{0, L"X", links::kKindLowHalf, 0}}},
                {0, L"Text Color", links::kKindColor, 40},
                {0,
                 L"Borders",
                 links::kKindCategory,
                 0,
                 {{0, L"Left", links::kKindSize, 36}, {0, L"Right", links::kKindSize, 37}}},
                {2, L"Image", links::kKindImage, 24},
                {2, L"Text Color", links::kKindColor, 41},
                {3, L"Text Color", links::kKindColor, 42},
                {3, L"Image", links::kKindImage, 23}, // no image: no record
            };
        };
        std::vector<std::wstring> schemes = {L"Default"};
        schemes.insert(schemes.end(), customs.begin(), customs.end());
        for (const std::wstring& scheme : schemes) {
            auto link = std::make_unique<RowsLink>(kButton, scheme, buttonRows());
            link->SetTwfObj(skin.FindObject(kButton, scheme == L"Default" ? L"" : scheme));
            list->Add(std::move(link));
        }
        CTwfObj* frame = skin.FindObject(kFrame, L"");
        // The frame's four side links (the frame family's other pages are
        // left out: this skin's frame holds only side values).
        for (const links::LinkFamily* family : links::FamiliesForType(kFrame)) {
            std::shared_ptr<links::CItemLinkObj> side = family->make(nullptr, kFrame, family->controlId, L"Default");
            if (!side->IsSideFrame()) continue;
            side->SetTwfObj(frame);
            side->BuildPropertyItems(1);
            list->Add(std::move(side));
        }
        auto mdi =
            std::make_unique<RowsLink>(kFrame, L"Default",
                                       std::vector<RowSpec>{{0, L"Menubar Close Image", links::kKindImage, 505},
                                                            {0, L"mbclose_size", links::kKindNumber, 649, {}, true},
                                                            {0, L"mbclose_offset", links::kKindNumber, 646, {}, true},
                                                            {3, L"Menubar Close Image", links::kKindImage, 508}});
        mdi->SetTwfObj(dynamic_cast<CTwfWndFrame*>(frame)->GetMenuBar());
        list->Add(std::move(mdi));
        return list;
    }

    // Every value the button's page shows.
    static void FillButton(CTwfObj* button, std::uint32_t seed) {
        button->PutImage(22, BitmapImage(12, 9, seed, {1, 2, 3, 4, 1, 0}));
        button->PutImage(24, PngImage(7, 5, seed + 1, {0, 0, 6, 5, 0, 1}));
        button->SetNumber(34, 0xFFFF0001 + seed); // a negative packed pair
        button->SetNumber(36, 0);
        button->SetNumber(37, 0x7FFFFFFF);
        button->SetColor(40, RGB(255, 0, static_cast<BYTE>(seed)));
        button->SetColor(41, 0xFFFFFFFF); // Invert Color
        button->SetColor(42, RGB(0, 0, 255));
    }
};

// The listing lines of the skin's entries (colours, numbers, images with
// their pixels, side options and regions), without the element headers that
// carry flags the exchange does not.
inline std::vector<std::string> EntryLines(const CTwfSkin& skin) {
    std::vector<std::string> lines;
    const std::string listing = SkinListing(skin, 0);
    std::size_t start = 0;
    while (start < listing.size()) {
        std::size_t end = listing.find('\n', start);
        if (end == std::string::npos) end = listing.size();
        const std::string line = listing.substr(start, end - start);
        start = end + 1;
        const std::size_t text = line.find_first_not_of(' ');
        if (text == std::string::npos) continue;
        if (text == 0 && line.compare(0, 7, "scheme ") != 0) continue; // header lines
        // An element by its type only: its flags are the trees' business.
        if (line.compare(text, 8, "element ") == 0) {
            lines.push_back(line.substr(0, line.find(' ', text + 8)));
            continue;
        }
        lines.push_back(line);
    }
    return lines;
}

// A document written as nested nodes, for the import's tables.
struct Node {
    std::wstring name;
    std::vector<std::pair<std::wstring, std::wstring>> attributes;
    std::vector<Node> children;
};

inline void Build(hexmoor::exchange::xml::XmlElement& element, const Node& node) {
    for (const auto& [n, v] : node.attributes) element.SetAttribute(n, v);
    for (const Node& child : node.children) Build(element.AddChild(child.name), child);
}

inline hexmoor::exchange::xml::XmlDocument Document(const Node& root, bool declared = true) {
    hexmoor::exchange::xml::XmlDocument doc;
    doc.hasDeclaration = declared;
    doc.declaration = declared ? L"version=\"1.0\"" : L"";
    doc.root = hexmoor::exchange::xml::XmlElement(root.name);
    Build(doc.root, root);
    return doc;
}

// The tree as indented lines: a name and its attributes in order per line.
inline void Outline(const hexmoor::exchange::xml::XmlElement& e, std::vector<std::wstring>& lines, int depth = 0) {
    std::wstring line(static_cast<std::size_t>(depth) * 2, L' ');
    line += e.Name();
    for (const auto& [n, v] : e.Attributes()) line += L" " + n + L"=" + v;
    lines.push_back(line);
    for (const auto& child : e.Children()) Outline(*child, lines, depth + 1);
}
inline std::vector<std::wstring> Outline(const hexmoor::exchange::xml::XmlElement& e) {
    std::vector<std::wstring> lines;
    Outline(e, lines);
    return lines;
}

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name)
        : path_(std::filesystem::temp_directory_path() / ("hexmoor_xml_" + name + "_" + std::to_string(Tag()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return (path_ / name).wstring(); }

private:
    static unsigned long long Tag() {
        static unsigned long long count = 0;
        return static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()) + ++count;
    }
    std::filesystem::path path_;
};

} // namespace xml_test
