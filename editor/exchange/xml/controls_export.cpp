#include "editor/exchange/xml/controls_export.h"

#include <map>
#include <set>
#include <tuple>
#include <utility>

#include "editor/exchange/xml/link_source.h"
#include "editor/exchange/xml/xml_format.h"
#include "editor/links/property_item.h"
#include "model/elements/wnd_frame.h"
#include "model/platform/file.h"
#include "model/platform/image.h"
#include "model/twf_skin.h"

namespace hexmoor::exchange::xml {
namespace {

namespace plat = hexmoor::platform;
using links::CItemLinkObj;
using links::CPropertyItem;

// Handed by address to a link's page fill and back, unread, to the sink.
struct ExportContext {
    XmlElement* state = nullptr;
    int stateIndex = 0;
};

// A link in export mode for as long as this lives, on every way out.
class ExportModeScope {
public:
    ExportModeScope(CItemLinkObj& link, links::ExportSink& sink) : link_(link) {
        link_.SetExportSink(&sink);
        link_.SetOutputMode(1);
    }
    ~ExportModeScope() {
        link_.SetOutputMode(0);
        link_.SetExportSink(nullptr);
    }
    ExportModeScope(const ExportModeScope&) = delete;
    ExportModeScope& operator=(const ExportModeScope&) = delete;

private:
    CItemLinkObj& link_;
};

XmlElement& ChildNamed(XmlElement& parent, const wchar_t* name) {
    for (const auto& child : parent.Children())
        if (child->Name() == name) return *child;
    return parent.AddChild(name);
}

bool IsDefaultLink(const CItemLinkObj& link) { return link.GetName() == kDefaultSchemeName; }

// The side a side link edits, by its place in the owning frame; -1 when the
// link's object is no side of a frame.
int SideIndexOf(const CTwfSideFrame* side) {
    const CTwfWndFrame* frame = side ? side->GetParentFrame() : nullptr;
    for (int i = 0; frame && i < kSideCount; ++i)
        if (frame->GetSide(i) == side) return i;
    return -1;
}

bool InState(WORD number, int state) {
    return state == 0 ? number <= kLastActiveSideNumber : number > kLastActiveSideNumber;
}

class ExportBuilder : public links::ExportSink {
public:
    explicit ExportBuilder(ControlsExport& out) : out_(out) {}

    void Build(const CTwfSkin& skin, ElementLinkSource& source) {
        XmlDocument& doc = out_.document;
        doc.hasDeclaration = true;
        doc.declaration = DeclarationData(kFormatVersion);
        doc.root = XmlElement(kRootName);
        doc.root.SetAttribute(kNameAttribute, skin.GetInfo().skinName);
        XmlElement& controls = doc.root.AddChild(kControlsName);
        XmlElement& customControls = doc.root.AddChild(kCustomControlsName);
        // One walk fills both groups: a source may make its links (and fill
        // their pages) afresh on every walk. Each group keeps the walk's
        // order, and the two never share a folder, so file names come out as
        // from a walk per group.
        source.ForEachLink([&](CItemLinkObj& link) {
            if (!link.GetTwfObj()) return;
            custom_ = !IsDefaultLink(link);
            if (!custom_) {
                WriteLink(controls, link);
                return;
            }
            // Group nodes carry no name and folders and user data no type
            // name: none of them is a custom control.
            if (link.GetName().empty() || TrimmedTypeName(link.GetTypeId()).empty()) return;
            WriteLink(customControls, link);
        });
        out_.counts.controls = static_cast<int>(controls.Children().size());
        out_.counts.custom = static_cast<int>(customControls.Children().size());
    }

    void AddExportProperty(CItemLinkObj& link, const CPropertyItem& row, void* context, int position) override {
        auto* ctx = static_cast<ExportContext*>(context);
        if (!ctx || !ctx->state) return;
        CTwfObj* object = link.GetTwfObj();
        // Property 0 is nobody's, except the dialog frame's background image.
        if (object && (row.Id() != 0 || link.GetTypeId() == kElemDialogFrame)) {
            std::wstring desc = DescFromLabel(row.Label());
            if (!IsDefaultLink(link)) desc = CustomDesc(GroupNameFromScheme(link.GetName()), desc);
            switch (row.Kind()) {
            case links::kKindImage:
                // A plain value kept among the images is no image to save.
                if (MrgBitmapPtr image = object->GetImageShared(row.Id()); image && image->HasImage())
                    WriteImage(*ctx->state, std::move(image), link.GetTypeId(), row.Id(), ctx->stateIndex, desc);
                break;
            case links::kKindColor: WriteColor(*ctx->state, object->GetColor(row.Id()), row.Id(), desc); break;
            default: WriteData(*ctx->state, object->GetNumber(row.Id()), row.Id(), desc); break;
            }
        }
        for (int i = 0; i < row.ChildCount(); ++i) AddExportProperty(link, *row.Child(i), context, position);
    }

private:
    void WriteLink(XmlElement& group, CItemLinkObj& link) {
        XmlElement& control = ControlElement(group, link);
        auto* side = link.IsSideFrame() ? dynamic_cast<CTwfSideFrame*>(link.GetTwfObj()) : nullptr;
        const int sideIndex = SideIndexOf(side);
        if (link.IsSideFrame()) {
            if (sideIndex >= 0) WriteSide(control, link, *side, sideIndex);
            return;
        }
        WriteStates(control, link);
    }

    XmlElement& ControlElement(XmlElement& group, const CItemLinkObj& link) {
        const WORD type = link.GetTypeId();
        if (!custom_) {
            auto [at, fresh] = defaultControls_.try_emplace(type, nullptr);
            if (fresh) {
                at->second = &group.AddChild(ControlElementName(type, L""));
                at->second->SetAttribute(kIdAttribute, std::to_wstring(type));
            }
            return *at->second;
        }
        // One element per kind and group name, matched exactly: "OkButton"
        // and "okbutton" are two controls even where their element names meet.
        const std::wstring groupName = GroupNameFromScheme(link.GetName());
        auto [at, fresh] = customControls_.try_emplace({type, groupName}, nullptr);
        if (fresh) {
            at->second = &group.AddChild(ControlElementName(type, groupName));
            at->second->SetAttribute(kIdAttribute, std::to_wstring(type));
            at->second->SetAttribute(kGroupNameAttribute, groupName);
        }
        return *at->second;
    }

    void WriteStates(XmlElement& control, CItemLinkObj& link) {
        ExportModeScope scope(link, *this);
        for (const StateElement& s : kControlStates) {
            ExportContext ctx{&ChildNamed(control, s.name), s.index};
            link.FillPropertyPage(s.index, &ctx);
        }
    }

    void WriteSide(XmlElement& control, CItemLinkObj& link, const CTwfSideFrame& side, int sideIndex) {
        ExportModeScope scope(link, *this);
        XmlElement& sideElement = control.AddChild(SideElementName(sideIndex));
        std::wstring desc = SideElementName(sideIndex);
        if (!IsDefaultLink(link)) desc = CustomDesc(GroupNameFromScheme(link.GetName()), desc);
        const WORD type = link.GetTypeId();
        XmlElement& active = ChildNamed(sideElement, kActiveState.name);
        WriteSideState(active, side, type, desc, kActiveState.index);
        const WORD sizeId = SideSizeId(sideIndex);
        const CTwfWndFrame* frame = side.GetParentFrame();
        WriteData(active, frame ? frame->GetNumber(sizeId) : 0, sizeId, L"side_size");
        XmlElement& inactive = ChildNamed(sideElement, kInactiveState.name);
        WriteSideState(inactive, side, type, desc, kInactiveState.index);
    }

    void WriteSideState(XmlElement& state, const CTwfSideFrame& side, WORD type, const std::wstring& desc, int index) {
        for (const auto& [number, options] : side.GetImageOptionsMap()) {
            if (!InState(number, index)) continue;
            XmlElement& record = state.AddChild(kImgOptionsRecord);
            record.SetAttribute(kIdAttribute, std::to_wstring(number));
            record.SetAttribute(kDrawModeAttribute, std::to_wstring(options.DrawMode & 0xFFFF));
            record.SetAttribute(kXOffsetAttribute, std::to_wstring(options.XOffset));
            record.SetAttribute(kYOffsetAttribute, std::to_wstring(options.YOffset));
            ++out_.counts.records;
        }
        for (const auto& [number, image] : side.GetImageMap()) {
            if (InState(number, index) && image && image->HasImage())
                WriteImage(state, image, type, number, index, desc);
        }
        for (const auto& [number, options] : side.GetRegionOptionsMap()) {
            if (!InState(number, index)) continue;
            XmlElement& record = state.AddChild(kRgnOptionsRecord);
            record.SetAttribute(kIdAttribute, std::to_wstring(number));
            record.SetAttribute(kDrawModeAttribute, std::to_wstring(options.DrawMode & 0xFFFF));
            // Options without a region name no file (the skin file drops
            // them too); naming one that is never written would make the
            // document unreadable.
            if (options.HasRegion())
                record.SetAttribute(kFileAttribute,
                                    AddFile(type, number, index, desc, L".rgn", nullptr, options.region));
            ++out_.counts.records;
        }
    }

    // A new record with its "Id" and "Desc", or null when the state element
    // holds one of that name and id already (a property that several rows or
    // links show is written once).
    XmlElement* NewRecord(XmlElement& state, const wchar_t* name, WORD id, const std::wstring& desc) {
        if (!written_.insert({&state, name, id}).second) return nullptr;
        XmlElement& record = state.AddChild(name);
        record.SetAttribute(kIdAttribute, std::to_wstring(id));
        record.SetAttribute(kDescAttribute, desc);
        ++out_.counts.records;
        return &record;
    }

    void WriteData(XmlElement& state, DWORD value, WORD id, const std::wstring& desc) {
        if (XmlElement* record = NewRecord(state, kDataRecord, id, desc))
            record->SetAttribute(kValueAttribute, FormatHex(value));
    }

    void WriteColor(XmlElement& state, COLORREF color, WORD id, const std::wstring& desc) {
        if (XmlElement* record = NewRecord(state, kColorRecord, id, desc))
            record->SetAttribute(kRgbAttribute, FormatRgb(color));
    }

    void WriteImage(XmlElement& state, MrgBitmapPtr image, WORD type, WORD id, int stateIndex,
                    const std::wstring& desc) {
        XmlElement* record = NewRecord(state, kImageRecord, id, desc);
        if (!record) return;
        record->SetAttribute(kMarginLeftAttribute, std::to_wstring(image->GetLeft()));
        record->SetAttribute(kMarginRightAttribute, std::to_wstring(image->GetRight()));
        record->SetAttribute(kMarginTopAttribute, std::to_wstring(image->GetTop()));
        record->SetAttribute(kMarginBottomAttribute, std::to_wstring(image->GetBottom()));
        record->SetAttribute(kDrawModeAttribute, std::to_wstring(image->GetDrawMode()));
        record->SetAttribute(kMrgDrawModeAttribute, std::to_wstring(image->GetMrgDrawMode()));
        const wchar_t* extension = image->IsGdiplus() ? L".png" : L".bmp";
        record->SetAttribute(kFileAttribute, AddFile(type, id, stateIndex, desc, extension, std::move(image), nullptr));
    }

    std::wstring AddFile(WORD type, WORD id, int stateIndex, const std::wstring& desc, const wchar_t* extension,
                         MrgBitmapPtr image, ImageRgnPtr region) {
        const std::wstring relative = names_.Claim(FolderPartFor(type, custom_) + L"\\" +
                                                   MakeControlFileName(type, id, stateIndex, desc, extension));
        if (image) ++out_.counts.images;
        if (region) ++out_.counts.regions;
        out_.files.push_back({relative, std::move(image), std::move(region)});
        return relative;
    }

    ControlsExport& out_;
    bool custom_ = false;
    std::map<WORD, XmlElement*> defaultControls_;
    std::map<std::pair<WORD, std::wstring>, XmlElement*> customControls_;
    std::set<std::tuple<const XmlElement*, const wchar_t*, WORD>> written_;
    UniqueFileNames names_;
};

std::vector<std::wstring> SplitRelative(const std::wstring& relative) {
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = relative.find(L'\\', start);
        parts.push_back(relative.substr(start, slash == std::wstring::npos ? std::wstring::npos : slash - start));
        if (slash == std::wstring::npos) return parts;
        start = slash + 1;
    }
}

bool EncodeFile(const ExportFile& file, std::vector<std::uint8_t>* bytes) {
    if (file.region) {
        *bytes = EncodeRegionFile(*file.region);
        return !bytes->empty();
    }
    if (!file.image) return false;
    if (file.image->IsGdiplus()) return plat::EncodePng(file.image->GetGdiplusBitmap(), bytes);
    return plat::EncodeBmp(file.image->GetHBitmap(), bytes);
}

bool WriteBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes, plat::WriteDurability durability) {
    return plat::WriteFileReplacing(
        path, [&](plat::ByteSink& sink) { return sink.Write(bytes); }, nullptr, durability);
}

// Whether the file at path holds exactly these bytes (read only when it is
// no larger than they are).
bool HoldsBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> held;
    return plat::ReadFileBytes(path, &held, bytes.size()) == plat::FileReadResult::kOk && held == bytes;
}

// An image or region file: written straight under its name when the name is
// free (the usual case, a fresh folder). When a file of an earlier export is
// there it is left alone if it holds these very bytes already (exporting to
// the same place again; under Wine a new temporary name costs a search of
// the whole folder, far more than reading the file back), and otherwise
// replaced through a temporary file, so that it stays as it was should the
// write fail. Either way the file is whole or absent, and only the document that
// names them all waits for the disk (a flush per image would cost the export
// several times its encoding).
bool WriteExportFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    switch (plat::WriteNewFile(path, [&](plat::ByteSink& sink) { return sink.Write(bytes); })) {
    case plat::NewFileResult::kWritten: return true;
    case plat::NewFileResult::kNameTaken:
        return HoldsBytes(path, bytes) || WriteBytes(path, bytes, plat::WriteDurability::kUnflushed);
    case plat::NewFileResult::kFailed: break;
    }
    return false;
}

ExchangeOutcome Failed(std::wstring file, std::wstring reason) {
    ExchangeOutcome outcome;
    outcome.problem = {std::move(file), std::move(reason)};
    return outcome;
}

} // namespace

ControlsExport BuildControlsExport(const CTwfSkin& skin, ElementLinkSource& links) {
    ControlsExport out;
    ExportBuilder(out).Build(skin, links);
    return out;
}

ExchangeOutcome WriteControlsExport(const ControlsExport& exported, const std::wstring& xmlPath,
                                    const XmlWriter& writer) {
    if (xmlPath.empty()) return Failed(xmlPath, L"no file name was given");
    const std::wstring folder = FolderOf(xmlPath);
    std::set<std::wstring> made;
    std::vector<std::uint8_t> bytes;
    for (const ExportFile& file : exported.files) {
        const std::vector<std::wstring> parts = SplitRelative(file.relative);
        // Each folder on the way, once per export.
        for (std::size_t depth = 1; depth < parts.size(); ++depth) {
            const std::wstring path =
                JoinUnder(folder, {parts.begin(), parts.begin() + static_cast<std::ptrdiff_t>(depth)});
            if (made.insert(path).second && !plat::CreateFolder(path))
                return Failed(path, L"the folder could not be created");
        }
        const std::wstring path = JoinUnder(folder, parts);
        if (!EncodeFile(file, &bytes))
            return Failed(path, file.region ? L"the region could not be encoded" : L"the image could not be encoded");
        if (!WriteExportFile(path, bytes)) return Failed(path, L"the file could not be written");
    }
    if (!writer || !writer(exported.document, &bytes)) return Failed(xmlPath, L"the XML document could not be made");
    if (!WriteBytes(xmlPath, bytes, plat::WriteDurability::kFlushed))
        return Failed(xmlPath, L"the file could not be written");
    ExchangeOutcome outcome;
    outcome.ok = true;
    outcome.counts = exported.counts;
    return outcome;
}

} // namespace hexmoor::exchange::xml
