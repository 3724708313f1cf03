#include "editor/exchange/xml/controls_import.h"

#include <algorithm>
#include <map>

#include "editor/exchange/xml/xml_format.h"
#include "model/element_types.h"
#include "model/elements/wnd_frame.h"
#include "model/picture_file.h"
#include "model/platform/file.h"
#include "model/platform/image.h"
#include "model/twf_skin.h"

namespace hexmoor::exchange::xml {

namespace plat = hexmoor::platform;

namespace {

using Step = ImportPlan::Step;
using StepKind = ImportPlan::StepKind;
using Target = ImportPlan::Target;

// The picture format a file's first bytes announce, when it is one the
// exchange reads.
std::optional<PictureFormat> PngOrBmp(std::span<const std::uint8_t> b) {
    static constexpr std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (b.size() >= 8 && std::equal(kPng, kPng + 8, b.begin())) return PictureFormat::kPng;
    if (b.size() >= 2 && b[0] == 'B' && b[1] == 'M') return PictureFormat::kBitmap;
    return std::nullopt;
}

std::int32_t SignedOr(const XmlElement& e, const wchar_t* name, std::int32_t fallback) {
    const std::wstring* text = e.Attribute(name);
    const std::optional<std::int32_t> value = text ? ParseSigned(*text) : std::nullopt;
    return value ? *value : fallback;
}

} // namespace

std::wstring FileReadProblem(plat::FileReadResult result, std::uint64_t maxBytes) {
    switch (result) {
    case plat::FileReadResult::kCannotOpen: return L"the file is missing or cannot be opened";
    case plat::FileReadResult::kSharingViolation: return L"the file is in use by another program";
    case plat::FileReadResult::kTooLarge:
        return L"the file is larger than this editor reads (" + std::to_wstring(maxBytes >> 20) + L" MB)";
    default: return L"the file could not be read";
    }
}

class ImportPlanner {
public:
    explicit ImportPlanner(const std::wstring& xmlPath) : xmlPath_(xmlPath), folder_(FolderOf(xmlPath)) {}

    ImportPlanResult Run(const XmlDocument& document) {
        if (!document.hasDeclaration) return Refused(xmlPath_, L"the XML declaration is missing");
        const std::optional<WORD> version = ParseDeclarationVersion(document.declaration);
        if (!version) return Refused(xmlPath_, L"the XML declaration has no version");
        plan_.version_ = *version;
        if (document.root.Name() != kRootName)
            return Refused(xmlPath_, L"the document is not a controls file (its root element is \"" +
                                         document.root.Name() + L"\", not \"" + kRootName + L"\")");
        if (const XmlElement* controls = document.root.FindDescendant(kControlsName)) ReadGroup(*controls, false);
        if (!problem_.reason.empty()) return {std::nullopt, problem_};
        if (const XmlElement* custom = document.root.FindDescendant(kCustomControlsName)) ReadGroup(*custom, true);
        if (!problem_.reason.empty()) return {std::nullopt, problem_};
        return {std::move(plan_), {}};
    }

private:
    ImportPlanResult Refused(const std::wstring& file, std::wstring reason) {
        return {std::nullopt, {file, std::move(reason)}};
    }
    bool Failed() const { return !problem_.reason.empty(); }
    void Fail(const std::wstring& file, std::wstring reason) {
        if (!Failed()) problem_ = {file, std::move(reason)};
    }

    void ReadGroup(const XmlElement& group, bool custom) {
        for (const auto& child : group.Children()) {
            if (Failed()) return;
            const std::wstring* idText = child->Attribute(kIdAttribute);
            const std::optional<WORD> type = idText ? ParseId(*idText) : std::nullopt;
            // Kinds without a name (folders, user data) are no controls, and
            // a kind without an element class gets no element object.
            if (!type || TrimmedTypeName(*type).empty() || !HasElementClass(*type)) continue;
            std::wstring scheme;
            if (custom) {
                const std::wstring* group = child->Attribute(kGroupNameAttribute);
                if (!group || !IsValidGroupName(*group)) continue;
                scheme = *group;
                ++plan_.counts_.custom;
            } else {
                ++plan_.counts_.controls;
            }
            ReadControl(*child, *type, std::move(scheme));
        }
    }

    void ReadControl(const XmlElement& element, WORD type, std::wstring scheme) {
        const std::size_t control = plan_.controls_.size();
        plan_.controls_.push_back({type, std::move(scheme)});
        Add({.kind = StepKind::kEnsure, .control = control});
        const bool frame = type == kElemWndFrame;
        for (const auto& child : element.Children()) {
            if (IsStateElementName(child->Name())) {
                ReadState(*child, control, frame, -1);
            } else if (const std::optional<int> side = SideFromElementName(child->Name()); side && frame) {
                Add({.kind = StepKind::kClearSide, .control = control, .target = Target::kSide, .side = *side});
                for (const auto& state : child->Children()) {
                    if (!IsStateElementName(state->Name())) continue;
                    if (!ReadState(*state, control, frame, *side)) break;
                }
            }
            if (Failed()) return;
        }
    }

    // False when a record without "Id" ended the state element.
    bool ReadState(const XmlElement& state, std::size_t control, bool frame, int side) {
        const bool inSide = side >= 0;
        for (const auto& child : state.Children()) {
            const XmlElement& record = *child;
            const std::wstring* idText = record.Attribute(kIdAttribute);
            const std::optional<WORD> id = idText ? ParseId(*idText) : std::nullopt;
            if (!id) return false;
            Step step{.control = control, .target = inSide ? Target::kSide : Target::kElement, .side = side, .id = *id};
            // The MDI buttons live in the frame's menu-bar object.
            if (!inSide && frame && IsMenuBarButtonId(*id)) step.target = Target::kMenuBar;
            const std::wstring& name = record.Name();
            if (name == kImgOptionsRecord) {
                if (!inSide) continue;
                step.kind = StepKind::kImageOptions;
                step.value = static_cast<DWORD>(SignedOr(record, kDrawModeAttribute, 0));
                step.x = SignedOr(record, kXOffsetAttribute, 0);
                step.y = SignedOr(record, kYOffsetAttribute, 0);
            } else if (name == kRgnOptionsRecord) {
                const std::wstring* file = record.Attribute(kFileAttribute);
                if (!inSide || !file || file->empty()) continue;
                step.kind = StepKind::kRegionOptions;
                step.value = static_cast<DWORD>(SignedOr(record, kDrawModeAttribute, 0));
                step.region = LoadRegion(*file);
                if (!step.region) return true;
                ++plan_.counts_.regions;
            } else if (name == kImageRecord) {
                if (!ReadImageRecord(record, step)) {
                    if (Failed()) return true;
                    continue;
                }
            } else if (name == kColorRecord) {
                const std::wstring* rgb = record.Attribute(kRgbAttribute);
                const std::optional<COLORREF> color = rgb ? ParseRgb(*rgb) : std::nullopt;
                if (!color) continue;
                step.kind = StepKind::kColor;
                step.value = *color;
            } else if (name == kDataRecord) {
                const std::wstring* text = record.Attribute(kValueAttribute);
                const std::optional<DWORD> value = text ? ParseHex(*text) : std::nullopt;
                if (!value) continue;
                if (IsSideSizeId(*id)) {
                    // A side's size is a number of the frame that owns the side.
                    if (!inSide) continue;
                    step.target = Target::kElement;
                }
                step.kind = StepKind::kNumber;
                step.value = *value;
            } else {
                continue;
            }
            ++plan_.counts_.records;
            Add(std::move(step));
        }
        return true;
    }

    // False when the record is ignored (an attribute missing) or refused.
    bool ReadImageRecord(const XmlElement& record, Step& step) {
        static constexpr const wchar_t* kNeeded[] = {
            kFileAttribute,         kMarginLeftAttribute, kMarginRightAttribute, kMarginTopAttribute,
            kMarginBottomAttribute, kDrawModeAttribute,   kMrgDrawModeAttribute};
        std::int32_t v[6] = {};
        for (int i = 0; i < 7; ++i) {
            const std::wstring* text = record.Attribute(kNeeded[i]);
            if (!text) return false;
            if (i == 0) continue;
            const std::optional<std::int32_t> value = ParseSigned(*text);
            if (!value) return false;
            v[i - 1] = *value;
        }
        step.kind = StepKind::kImage;
        // DrawMode 2 marks a plain value: an image stored with it would be
        // taken for a value and lost, so it is drawn stretched instead.
        step.params = {.left = v[0],
                       .top = v[2],
                       .right = v[1],
                       .bottom = v[3],
                       .drawMode = v[4] == CMrgBitmap::kDrawPlainValue ? CMrgBitmap::kDrawStretch : v[4],
                       .mrgDrawMode = v[5]};
        step.image = LoadImage(*record.Attribute(kFileAttribute));
        if (!step.image) return false;
        ++plan_.counts_.images;
        return true;
    }

    // The full path of a "File" value, or "" (with the problem noted).
    std::wstring Resolve(const std::wstring& file) {
        const FilePathCheck check = CheckRelativeFile(file);
        if (!check.ok) {
            Fail(xmlPath_, L"\"" + file + L"\": " + check.problem);
            return {};
        }
        return JoinUnder(folder_, check.parts);
    }

    std::shared_ptr<CMrgBitmap> LoadImage(const std::wstring& file) {
        const std::wstring path = Resolve(file);
        if (path.empty()) return nullptr;
        auto cached = images_.find(path);
        if (cached == images_.end()) {
            std::shared_ptr<CMrgBitmap> image = DecodeImageFile(path);
            if (!image) return nullptr;
            cached = images_.emplace(path, std::move(image)).first;
        }
        // Each record that names the file gets its own copy when applied.
        const std::uint64_t pixels = static_cast<std::uint64_t>(cached->second->GetWidth()) *
                                     static_cast<std::uint64_t>(cached->second->GetHeight());
        pixels_ += pixels;
        if (pixels_ > kMaxImportPixels) {
            Fail(xmlPath_,
                 L"its images hold more than " + std::to_wstring(kMaxImportPixels >> 20) + L" megapixels together");
            return nullptr;
        }
        return cached->second;
    }

    std::shared_ptr<CMrgBitmap> DecodeImageFile(const std::wstring& path) {
        // The header's size is checked against the picture loader's caps
        // before the rest of the file is read or anything is decoded.
        std::wstring refusal;
        Size claimed;
        const auto check = [&](std::span<const std::uint8_t> head,
                               std::uint64_t fileSize) -> std::optional<std::uint64_t> {
            const std::optional<PictureFormat> format = PngOrBmp(head);
            if (!format) {
                refusal = L"the file is neither a PNG nor a BMP image";
                return std::nullopt;
            }
            const std::optional<Size> size = ReadPictureHeaderSize(head, *format);
            if (!size) {
                refusal = L"the image cannot be decoded";
                return std::nullopt;
            }
            if (!IsPictureSizeAllowed(size->cx, size->cy)) {
                refusal = L"the image is larger than " + std::to_wstring(kMaxPictureSide) + L" pixels a side or " +
                          std::to_wstring(kMaxPicturePixels >> 20) + L" megapixels";
                return std::nullopt;
            }
            if (fileSize > std::min(kMaxImageFileBytes, MaxPictureFileBytes(*size))) {
                refusal = L"the file is too large";
                return std::nullopt;
            }
            claimed = *size;
            return fileSize;
        };
        std::vector<std::uint8_t> bytes;
        const plat::FileReadResult read = plat::ReadFileHeadFirst(path, kPictureHeadBytes, check, &bytes);
        if (read == plat::FileReadResult::kRefused) {
            Fail(path, refusal);
            return nullptr;
        }
        if (read != plat::FileReadResult::kOk) {
            Fail(path, FileReadProblem(read, plat::kMaxFileBytes));
            return nullptr;
        }
        plat::DecodedImage decoded = plat::DecodeImageStream(bytes);
        if (!decoded) {
            Fail(path, L"the image cannot be decoded");
            return nullptr;
        }
        auto image = decoded.png ? std::make_shared<CMrgBitmap>(std::move(decoded.png), MrgBitmapParams{})
                                 : std::make_shared<CMrgBitmap>(std::move(decoded.bitmap), MrgBitmapParams{});
        // The decoder must agree with the header that was checked.
        if (image->GetWidth() != claimed.cx || image->GetHeight() != claimed.cy) {
            Fail(path, L"the image cannot be decoded");
            return nullptr;
        }
        return image;
    }

    ImageRgnPtr LoadRegion(const std::wstring& file) {
        const std::wstring path = Resolve(file);
        if (path.empty()) return nullptr;
        std::vector<std::uint8_t> bytes;
        const plat::FileReadResult read = plat::ReadFileBytes(path, &bytes, kMaxRegionFileBytes);
        if (read != plat::FileReadResult::kOk) {
            Fail(path, FileReadProblem(read, kMaxRegionFileBytes));
            return nullptr;
        }
        SIZE refused{-1, -1};
        std::unique_ptr<CImageRgn> region = DecodeRegionFile(bytes, &refused);
        if (refused.cx != -1 || refused.cy != -1) {
            Fail(path, L"the region's size " + std::to_wstring(refused.cx) + L"x" + std::to_wstring(refused.cy) +
                           L" is outside 0.." + std::to_wstring(kMaxRegionCanvas));
            return nullptr;
        }
        if (!region || !region->GetHRgn()) {
            Fail(path, L"the file is not a region file, or it is damaged");
            return nullptr;
        }
        return ImageRgnPtr(std::move(region));
    }

    void Add(Step step) { plan_.steps_.push_back(std::move(step)); }

    std::wstring xmlPath_;
    std::wstring folder_;
    ImportPlan plan_;
    ExchangeProblem problem_;
    std::map<std::wstring, std::shared_ptr<CMrgBitmap>> images_;
    std::uint64_t pixels_ = 0;
};

ImportPlanResult PlanControlsImport(const XmlDocument& document, const std::wstring& xmlPath) {
    return ImportPlanner(xmlPath).Run(document);
}

void ApplyImportPlan(ImportPlan plan, CTwfSkin& skin) {
    std::vector<CTwfObj*> objects(plan.controls_.size(), nullptr);
    for (Step& step : plan.steps_) {
        const ImportPlan::Control& control = plan.controls_[step.control];
        CTwfObj*& object = objects[step.control];
        if (!object) object = skin.GetOrCreateObject(control.type, control.scheme, 0);
        if (!object) continue;
        auto* frame = dynamic_cast<CTwfWndFrame*>(object);
        CTwfObj* target = object;
        if (step.target == Target::kSide) target = frame ? frame->GetSide(step.side) : nullptr;
        if (step.target == Target::kMenuBar) target = frame ? frame->GetMenuBar() : nullptr;
        auto* side = dynamic_cast<CTwfSideFrame*>(target);
        if (!target) continue;
        switch (step.kind) {
        case StepKind::kEnsure: break;
        case StepKind::kClearSide:
            if (side) side->Clear(0);
            break;
        case StepKind::kNumber: target->SetNumber(step.id, step.value); break;
        case StepKind::kColor: target->SetColor(step.id, step.value); break;
        case StepKind::kImage: {
            // The last record to use a decoded image takes it; the others copy.
            MrgBitmapPtr image =
                step.image.use_count() > 1 ? std::make_shared<CMrgBitmap>(*step.image) : std::move(step.image);
            step.image.reset();
            target->PutImage(step.id, image);
            // The entry keeps the record's parameters, not those of the
            // entry it replaced.
            image->SetParams(step.params);
            break;
        }
        case StepKind::kImageOptions:
            if (side) side->SetImageOptions(step.id, step.x, step.y, step.value);
            break;
        case StepKind::kRegionOptions:
            if (side) side->SetRegionOptions(step.id, step.region, step.value);
            break;
        }
    }
}

} // namespace hexmoor::exchange::xml
