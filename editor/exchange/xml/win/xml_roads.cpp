#include "editor/exchange/xml/win/xml_roads.h"

#include "editor/exchange/xml/controls_import.h"
#include "editor/exchange/xml/win/controls_import_export.h"
#include "model/twf_skin.h"

namespace hexmoor::exchange::xml {

std::wstring ExchangeFailureText(bool exporting, const std::wstring& path, const ExchangeProblem& problem) {
    std::wstring text = (exporting ? L"Cannot export to " : L"Cannot import ") + path + L":\n";
    if (!problem.file.empty() && problem.file != path) text += problem.file + L":\n";
    text += problem.reason + L".";
    return text;
}

bool ExportControlsToFile(const std::wstring& path, CTwfSkin& skin, ElementLinkSource& links, const XmlRoadHost& host) {
    const ExchangeOutcome outcome = CControlsImportExport(skin).ExportControls(path, links);
    if (!outcome.ok && host.message) host.message(ExchangeFailureText(true, path, outcome.problem));
    return outcome.ok;
}

bool ImportControlsFromFile(const std::wstring& path, CTwfSkin& skin, const XmlRoadHost& host) {
    ImportPlanResult read = CControlsImportExport(skin).ReadImport(path);
    if (!read.plan) {
        if (host.message) host.message(ExchangeFailureText(false, path, read.problem));
        return false;
    }
    // No skinned window may paint from an element while it changes, and no
    // tree item or grid row may point into one.
    if (host.setSkinning) host.setSkinning(false);
    skin.SetCompressedFlag(0);
    if (host.clearViews) host.clearViews();
    ApplyImportPlan(std::move(*read.plan), skin);
    if (host.setSkinning) host.setSkinning(true);
    if (host.fillViews) host.fillViews();
    if (host.markModified) host.markModified();
    return true;
}

} // namespace hexmoor::exchange::xml
