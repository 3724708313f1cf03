#include "editor/exchange/xml/win/msxml_document.h"

#include <windows.h>
#include <msxml2.h>
#include <objbase.h>
#include <wrl/client.h>

#include <cstring>

#include "base/win/handles.h"
#include "editor/exchange/xml/win/com_owners.h"
#include "editor/exchange/xml/xml_format.h"

namespace hexmoor::exchange::xml {
namespace {

using Microsoft::WRL::ComPtr;

// Defined here: the import library's IIDs may resolve to import thunks.
constexpr IID kIID_IXMLDOMDocument2 = {0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

constexpr wchar_t kServiceMissing[] = L"the XML service (MSXML 4.0 or 6.0) is not available";

// Version 4.0 first, as the format was made with it; 6.0 where a system
// has no 4.0.
ComPtr<IXMLDOMDocument2> CreateDocument() {
    ComPtr<IXMLDOMDocument2> doc;
    for (const wchar_t* progId : {L"Msxml2.DOMDocument.4.0", L"Msxml2.DOMDocument.6.0"}) {
        CLSID clsid;
        if (FAILED(CLSIDFromProgID(progId, &clsid))) continue;
        if (SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, kIID_IXMLDOMDocument2,
                                       reinterpret_cast<void**>(doc.ReleaseAndGetAddressOf()))) &&
            doc)
            return doc;
    }
    return nullptr;
}

void SetProperty(IXMLDOMDocument2* doc, const wchar_t* name, VARIANT value) {
    // Older services lack some properties; reading goes on without them.
    Bstr property(name);
    (void)doc->setProperty(property.Get(), value);
}

std::wstring NodeName(IXMLDOMNode* node) {
    Bstr name;
    return SUCCEEDED(node->get_nodeName(name.Out())) ? name.Text() : std::wstring();
}

DOMNodeType NodeType(IXMLDOMNode* node) {
    DOMNodeType type = NODE_INVALID;
    return SUCCEEDED(node->get_nodeType(&type)) ? type : NODE_INVALID;
}

std::wstring NodeValue(IXMLDOMNode* node) {
    Variant value;
    return SUCCEEDED(node->get_nodeValue(value.Out())) ? value.Text() : std::wstring();
}

ComPtr<IXMLDOMNode> FirstChild(IXMLDOMNode* node) {
    ComPtr<IXMLDOMNode> child;
    if (FAILED(node->get_firstChild(child.GetAddressOf()))) return nullptr;
    return child;
}

ComPtr<IXMLDOMNode> NextSibling(IXMLDOMNode* node) {
    ComPtr<IXMLDOMNode> next;
    if (FAILED(node->get_nextSibling(next.GetAddressOf()))) return nullptr;
    return next;
}

bool ReadAttributes(IXMLDOMNode* node, XmlElement& element) {
    ComPtr<IXMLDOMNamedNodeMap> attributes;
    if (FAILED(node->get_attributes(attributes.GetAddressOf())) || !attributes) return false;
    long count = 0;
    if (FAILED(attributes->get_length(&count))) return false;
    for (long i = 0; i < count; ++i) {
        ComPtr<IXMLDOMNode> attribute;
        if (FAILED(attributes->get_item(i, attribute.GetAddressOf())) || !attribute) return false;
        element.SetAttribute(NodeName(attribute.Get()), NodeValue(attribute.Get()));
    }
    return true;
}

// The element and its element children, to the depth cap; comments, text,
// whitespace and processing instructions inside are not kept.
bool ReadElement(IXMLDOMNode* node, XmlElement& element, int depth) {
    if (!ReadAttributes(node, element)) return false;
    if (depth >= kMaxReadDepth) return true;
    for (ComPtr<IXMLDOMNode> child = FirstChild(node); child; child = NextSibling(child.Get())) {
        if (NodeType(child.Get()) != NODE_ELEMENT) continue;
        XmlElement& added = element.AddChild(NodeName(child.Get()));
        if (!ReadElement(child.Get(), added, depth + 1)) return false;
    }
    return true;
}

std::wstring ParseProblem(IXMLDOMDocument2* doc) {
    std::wstring problem = L"the file is not well-formed XML";
    ComPtr<IXMLDOMParseError> error;
    if (FAILED(doc->get_parseError(error.GetAddressOf())) || !error) return problem;
    long line = 0;
    Bstr reason;
    (void)error->get_line(&line);
    (void)error->get_reason(reason.Out());
    std::wstring text = reason.Text();
    while (!text.empty() &&
           (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' || text.back() == L'.'))
        text.pop_back();
    if (line > 0)
        problem += L" (line " + std::to_wstring(line) + (text.empty() ? L")" : L": " + text + L")");
    else if (!text.empty() && text != L"error")
        problem += L" (" + text + L")";
    return problem;
}

bool AppendChild(IXMLDOMNode* parent, IXMLDOMNode* child) {
    ComPtr<IXMLDOMNode> added;
    return SUCCEEDED(parent->appendChild(child, added.GetAddressOf()));
}

bool WriteElement(IXMLDOMDocument2* doc, IXMLDOMNode* parent, const XmlElement& element, int depth) {
    if (depth > kMaxReadDepth) return false;
    ComPtr<IXMLDOMElement> made;
    Bstr name(element.Name());
    if (FAILED(doc->createElement(name.Get(), made.GetAddressOf())) || !made) return false;
    for (const auto& [attribute, value] : element.Attributes()) {
        Bstr attributeName(attribute);
        Variant text;
        if (!Variant::SetText(text, XmlSafeText(value))) return false;
        if (FAILED(made->setAttribute(attributeName.Get(), text.Get()))) return false;
    }
    if (!AppendChild(parent, made.Get())) return false;
    for (const auto& child : element.Children())
        if (!WriteElement(doc, made.Get(), *child, depth + 1)) return false;
    return true;
}

bool SaveToBytes(IXMLDOMDocument2* doc, std::vector<std::uint8_t>* out) {
    ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.GetAddressOf())) || !stream) return false;
    Variant target;
    target.Get().vt = VT_UNKNOWN;
    target.Get().punkVal = stream.Get();
    stream.Get()->AddRef(); // the VARIANT holds its own reference
    if (FAILED(doc->save(target.Get()))) return false;
    STATSTG stat{};
    if (FAILED(stream->Stat(&stat, STATFLAG_NONAME))) return false;
    HGLOBAL memory = nullptr;
    if (FAILED(GetHGlobalFromStream(stream.Get(), &memory)) || !memory) return false;
    const auto size = static_cast<std::size_t>(stat.cbSize.QuadPart);
    win::GlobalLockScope lock(memory);
    const auto* data = static_cast<const std::uint8_t*>(lock.Data());
    if (!data && size > 0) return false;
    out->assign(data, data + size);
    return true;
}

} // namespace

XmlReadResult ReadXmlDocument(std::span<const std::uint8_t> bytes) {
    XmlReadResult result;
    ComPtr<IXMLDOMDocument2> doc = CreateDocument();
    if (!doc) {
        result.problem = kServiceMissing;
        return result;
    }
    if (FAILED(doc->put_async(VARIANT_FALSE)) || FAILED(doc->put_validateOnParse(VARIANT_FALSE)) ||
        FAILED(doc->put_resolveExternals(VARIANT_FALSE))) {
        result.problem = L"the XML service could not be set up for reading";
        return result;
    }
    VARIANT on;
    VariantInit(&on);
    on.vt = VT_BOOL;
    on.boolVal = VARIANT_TRUE;
    SetProperty(doc.Get(), L"ProhibitDTD", on);
    VARIANT depth;
    VariantInit(&depth);
    depth.vt = VT_I4;
    depth.lVal = 64;
    SetProperty(doc.Get(), L"MaxElementDepth", depth);

    Variant source;
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
    if (!array) {
        result.problem = L"there is not enough memory to read the file";
        return result;
    }
    source.Get().vt = VT_ARRAY | VT_UI1;
    source.Get().parray = array; // freed with the VARIANT
    void* data = nullptr;
    if (FAILED(SafeArrayAccessData(array, &data))) {
        result.problem = L"there is not enough memory to read the file";
        return result;
    }
    if (!bytes.empty()) std::memcpy(data, bytes.data(), bytes.size());
    SafeArrayUnaccessData(array);

    VARIANT_BOOL loaded = VARIANT_FALSE;
    if (FAILED(doc->load(source.Get(), &loaded)) || loaded != VARIANT_TRUE) {
        result.problem = ParseProblem(doc.Get());
        return result;
    }
    // A document type could bring entities and external references in; the
    // format has none, so a document with one is refused.
    ComPtr<IXMLDOMDocumentType> doctype;
    if (SUCCEEDED(doc->get_doctype(doctype.GetAddressOf())) && doctype) {
        result.problem = kDocumentTypeRefusal;
        return result;
    }
    XmlDocument document;
    ComPtr<IXMLDOMNode> first = FirstChild(doc.Get());
    if (first && NodeType(first.Get()) == NODE_PROCESSING_INSTRUCTION && NodeName(first.Get()) == L"xml") {
        // The data text, not the attribute map: older services give a dummy map.
        document.hasDeclaration = true;
        document.declaration = NodeValue(first.Get());
    }
    for (ComPtr<IXMLDOMNode> node = first; node; node = NextSibling(node.Get())) {
        const DOMNodeType type = NodeType(node.Get());
        if (type == NODE_DOCUMENT_TYPE) {
            result.problem = kDocumentTypeRefusal;
            return result;
        }
        if (type != NODE_ELEMENT) continue;
        document.root = XmlElement(NodeName(node.Get()));
        if (!ReadElement(node.Get(), document.root, 0)) {
            result.problem = L"the XML service could not read the document's elements";
            return result;
        }
        result.document = std::move(document);
        return result;
    }
    result.problem = L"the file holds no XML element";
    return result;
}

bool WriteXmlDocument(const XmlDocument& document, std::vector<std::uint8_t>* out, std::wstring* problem) {
    auto fail = [&](const wchar_t* text) {
        if (problem) *problem = text;
        return false;
    };
    ComPtr<IXMLDOMDocument2> doc = CreateDocument();
    if (!doc) return fail(kServiceMissing);
    ComPtr<IXMLDOMProcessingInstruction> declaration;
    Bstr target(L"xml");
    Bstr data(document.declaration);
    if (document.hasDeclaration) {
        if (FAILED(doc->createProcessingInstruction(target.Get(), data.Get(), declaration.GetAddressOf())) ||
            !declaration || !AppendChild(doc.Get(), declaration.Get()))
            return fail(L"the XML service could not make the declaration");
    }
    if (!WriteElement(doc.Get(), doc.Get(), document.root, 0))
        return fail(L"the XML service could not make an element");
    if (!SaveToBytes(doc.Get(), out)) return fail(L"the XML service could not save the document");
    return true;
}

} // namespace hexmoor::exchange::xml
