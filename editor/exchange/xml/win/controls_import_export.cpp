#include "editor/exchange/xml/win/controls_import_export.h"

#include "editor/exchange/xml/controls_export.h"
#include "editor/exchange/xml/win/msxml_document.h"
#include "model/platform/file.h"

namespace hexmoor::exchange::xml {

namespace plat = hexmoor::platform;

ExchangeOutcome CControlsImportExport::ExportControls(const std::wstring& path, ElementLinkSource& links) {
    std::wstring problem;
    const XmlWriter writer = [&problem](const XmlDocument& document, std::vector<std::uint8_t>* bytes) {
        return WriteXmlDocument(document, bytes, &problem);
    };
    ExchangeOutcome outcome = WriteControlsExport(BuildControlsExport(skin_, links), path, writer);
    if (!outcome.ok && !problem.empty()) outcome.problem.reason = problem;
    return outcome;
}

ImportPlanResult CControlsImportExport::ReadImport(const std::wstring& path) {
    if (path.empty()) return {std::nullopt, {path, L"no file name was given"}};
    std::vector<std::uint8_t> bytes;
    switch (plat::ReadFileBytes(path, &bytes, kMaxXmlFileBytes)) {
    case plat::FileReadResult::kOk: break;
    case plat::FileReadResult::kCannotOpen: return {std::nullopt, {path, L"the file is missing or cannot be opened"}};
    case plat::FileReadResult::kSharingViolation:
        return {std::nullopt, {path, L"the file is in use by another program"}};
    case plat::FileReadResult::kTooLarge:
        return {std::nullopt,
                {path, L"the file is larger than any controls file this editor reads (" +
                           std::to_wstring(kMaxXmlFileBytes >> 20) + L" MB)"}};
    default: return {std::nullopt, {path, L"the file could not be read"}};
    }
    XmlReadResult read = ReadXmlDocument(bytes);
    if (!read.document) return {std::nullopt, {path, read.problem}};
    return PlanControlsImport(*read.document, path);
}

ExchangeOutcome CControlsImportExport::ImportControls(const std::wstring& path) {
    ImportPlanResult read = ReadImport(path);
    ExchangeOutcome outcome;
    if (!read.plan) {
        outcome.problem = read.problem;
        return outcome;
    }
    outcome.counts = read.plan->Counts();
    ApplyImportPlan(std::move(*read.plan), skin_);
    outcome.ok = true;
    return outcome;
}

} // namespace hexmoor::exchange::xml
