#include "editor/exchange/xml/link_source.h"

#include "editor/exchange/xml/xml_format.h"
#include "editor/links/family.h"
#include "model/twf_skin.h"

namespace hexmoor::exchange::xml {

void SkinFamilyLinks::ForEachLink(const std::function<void(links::CItemLinkObj&)>& visit) {
    const std::wstring& defaultScheme = skin_.GetDefaultSchemeName();
    for (const auto& [scheme, elements] : skin_.GetSchemes()) {
        const bool isDefault = scheme == (defaultScheme.empty() ? std::wstring(kDefaultSchemeName) : defaultScheme);
        const std::wstring linkName = isDefault ? std::wstring(kDefaultSchemeName) : scheme;
        for (const auto& [type, object] : elements) {
            for (const links::LinkFamily* family : links::FamiliesForType(type)) {
                std::shared_ptr<links::CItemLinkObj> link = family->make(nullptr, type, family->controlId, linkName);
                link->SetTwfObj(object.get());
                link->BuildPropertyItems(1);
                visit(*link);
            }
        }
    }
}

} // namespace hexmoor::exchange::xml
