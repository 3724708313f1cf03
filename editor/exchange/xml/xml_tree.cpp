#include "editor/exchange/xml/xml_tree.h"

namespace hexmoor::exchange::xml {

const std::wstring* XmlElement::Attribute(std::wstring_view name) const {
    for (const auto& [n, v] : attributes_)
        if (n == name) return &v;
    return nullptr;
}

void XmlElement::SetAttribute(std::wstring name, std::wstring value) {
    for (auto& [n, v] : attributes_)
        if (n == name) {
            v = std::move(value);
            return;
        }
    attributes_.emplace_back(std::move(name), std::move(value));
}

XmlElement& XmlElement::AddChild(std::wstring name) {
    children_.push_back(std::make_unique<XmlElement>(std::move(name)));
    return *children_.back();
}

const XmlElement* XmlElement::FindDescendant(std::wstring_view name) const {
    // Depth first without recursion: a hostile document may nest deeply.
    std::vector<const XmlElement*> pending;
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) pending.push_back(it->get());
    while (!pending.empty()) {
        const XmlElement* e = pending.back();
        pending.pop_back();
        if (e->name_ == name) return e;
        for (auto it = e->children_.rbegin(); it != e->children_.rend(); ++it) pending.push_back(it->get());
    }
    return nullptr;
}

XmlElement* XmlElement::FindDescendant(std::wstring_view name) {
    return const_cast<XmlElement*>(static_cast<const XmlElement*>(this)->FindDescendant(name));
}

} // namespace hexmoor::exchange::xml
