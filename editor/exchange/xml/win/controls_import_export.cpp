#include "editor/exchange/xml/win/controls_import_export.h"

#include "editor/exchange/xml/controls_export.h"
#include "editor/exchange/xml/win/msxml_document.h"
#include "editor/exchange/xml/xml_format.h"
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
    const plat::FileReadResult result = plat::ReadFileBytes(path, &bytes, kMaxXmlFileBytes);
    if (result != plat::FileReadResult::kOk) return {std::nullopt, {path, FileReadProblem(result, kMaxXmlFileBytes)}};
    if (MentionsDocumentType(bytes)) return {std::nullopt, {path, kDocumentTypeRefusal}};
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
