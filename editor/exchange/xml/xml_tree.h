#pragma once
// A controls XML document as plain data: the declaration's data text and a
// tree of elements with their attributes in order. The export builds one and
// the XML service writes it; the XML service reads a file into one (element
// children only: comments, text and processing instructions are not kept)
// and the import reads it. Nothing here knows the XML service.

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hexmoor::exchange::xml {

class XmlElement {
public:
    explicit XmlElement(std::wstring name = {}) : name_(std::move(name)) {}
    XmlElement(const XmlElement&) = delete;
    XmlElement& operator=(const XmlElement&) = delete;
    XmlElement(XmlElement&&) = default;
    XmlElement& operator=(XmlElement&&) = default;

    const std::wstring& Name() const { return name_; }

    // The attribute's value, or null when the element has none of that name.
    const std::wstring* Attribute(std::wstring_view name) const;
    // Sets the value; a new attribute goes after the others.
    void SetAttribute(std::wstring name, std::wstring value);
    const std::vector<std::pair<std::wstring, std::wstring>>& Attributes() const { return attributes_; }

    XmlElement& AddChild(std::wstring name);
    const std::vector<std::unique_ptr<XmlElement>>& Children() const { return children_; }
    // The first element of that name below this one, in document order.
    const XmlElement* FindDescendant(std::wstring_view name) const;
    XmlElement* FindDescendant(std::wstring_view name);

private:
    std::wstring name_;
    std::vector<std::pair<std::wstring, std::wstring>> attributes_;
    std::vector<std::unique_ptr<XmlElement>> children_;
};

struct XmlDocument {
    // The data text of the declaration (version="1.0" ...); empty when the
    // document has none (hasDeclaration tells the two apart).
    bool hasDeclaration = false;
    std::wstring declaration;
    XmlElement root;
};

} // namespace hexmoor::exchange::xml
