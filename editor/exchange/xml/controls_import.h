#pragma once
// The controls import, in two steps so that a file that cannot be read whole
// changes nothing: the plan reads the document and every image and region
// file it names, checks them and keeps what each record sets; only a
// complete plan is applied to the skin.
//
// Single records keep the lenient reading of the format: a control element
// without "Id" (or a custom one without a usable "GroupName") is skipped, a
// record without "Id" ends its state element, unknown names are ignored.
// Side records only count inside a window frame's side elements; the MDI
// buttons' values, carried under the window frame, go to its menu-bar object.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/exchange/xml/exchange_result.h"
#include "editor/exchange/xml/xml_tree.h"
#include "model/image_rgn.h"
#include "model/platform/file.h"
#include "model/twf_obj.h"

class CTwfSkin;

namespace hexmoor::exchange::xml {

// Caps on what one import reads, so that a hostile document is refused
// within bounded memory.
inline constexpr std::uint64_t kMaxXmlFileBytes = std::uint64_t{32} << 20;
inline constexpr std::uint64_t kMaxImageFileBytes = std::uint64_t{320} << 20;
inline constexpr std::uint64_t kMaxRegionFileBytes = std::uint64_t{64} << 20;
// All images of one import together.
inline constexpr std::uint64_t kMaxImportPixels = std::uint64_t{128} << 20;

// What the user is told of a file read that did not succeed; maxBytes is
// the most the reader accepted, named when the file was larger.
std::wstring FileReadProblem(platform::FileReadResult result, std::uint64_t maxBytes);

class ImportPlan {
public:
    const ExchangeCounts& Counts() const { return counts_; }
    WORD FormatVersion() const { return version_; }

    enum class StepKind { kEnsure, kClearSide, kNumber, kColor, kImage, kImageOptions, kRegionOptions };
    enum class Target { kElement, kSide, kMenuBar };
    struct Control {
        WORD type = 0;
        std::wstring scheme; // "" for the default scheme
    };
    struct Step {
        StepKind kind = StepKind::kEnsure;
        std::size_t control = 0;
        Target target = Target::kElement;
        int side = -1;
        WORD id = 0;
        DWORD value = 0; // number, colour or drawing mode
        LONG x = 0, y = 0;
        // Shared while planning when several records name one file; each
        // record gets an entry of its own when applied.
        std::shared_ptr<CMrgBitmap> image;
        MrgBitmapParams params;
        ImageRgnPtr region;
    };

private:
    friend class ImportPlanner;
    friend void ApplyImportPlan(ImportPlan plan, CTwfSkin& skin);
    WORD version_ = 0;
    ExchangeCounts counts_;
    std::vector<Control> controls_;
    std::vector<Step> steps_;
};

struct ImportPlanResult {
    std::optional<ImportPlan> plan;
    ExchangeProblem problem; // when there is no plan
};

// Reads the document (already parsed; xmlPath names it and its folder holds
// the files it names) and every file it names.
ImportPlanResult PlanControlsImport(const XmlDocument& document, const std::wstring& xmlPath);

// Writes the plan into the skin: missing element objects and custom-control
// schemes are created, a side element's side is emptied before it is
// refilled, every record sets its value.
void ApplyImportPlan(ImportPlan plan, CTwfSkin& skin);

} // namespace hexmoor::exchange::xml
