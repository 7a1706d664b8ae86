// ReadXmlElements through MSXML 6.0, which every Windows since XP SP3 has
// (and Wine too): the document is loaded from the bytes and its tree walked
// in document order.

#include "XmlElements.h"

#include <windows.h>

#include "AutoBstr.h"
#include "AutoVariant.h"
#include "ComPtr.h"

#include <msxml2.h>

namespace
{

// The MinGW libraries lack this interface's identifier.
const IID DomDocument2Interface = {0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

// COM for the calling thread while one document is read; a thread that has
// it already keeps it as it is.
class ComApartment
{
public:
    ComApartment() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment()
    {
        if (SUCCEEDED(m_result))
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT m_result;
};

std::string Utf8(BSTR text)
{
    const int length = text ? int(SysStringLen(text)) : 0;
    if (length == 0)
        return std::string();
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(size > 0 ? size : 0, '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, text, length, &result[0], size, nullptr, nullptr);
    return result;
}

std::string BaseName(IXMLDOMNode& node)
{
    CAutoBstr name;
    return SUCCEEDED(node.get_baseName(&name)) ? Utf8(name.Get()) : std::string();
}

XmlElement ElementOf(IXMLDOMNode& node, std::size_t parent)
{
    XmlElement element;
    element.name = BaseName(node);
    element.parent = parent;
    CComPtr<IXMLDOMNamedNodeMap> attributes;
    long count = 0;
    if (FAILED(node.get_attributes(&attributes)) || !attributes || FAILED(attributes->get_length(&count)))
        return element;
    for (long i = 0; i < count; ++i)
    {
        CComPtr<IXMLDOMNode> attribute;
        CAutoVariant value;
        if (SUCCEEDED(attributes->get_item(i, &attribute)) && attribute &&
            SUCCEEDED(attribute->get_nodeValue(&value)) && V_VT(&value) == VT_BSTR)
            element.attributes.emplace_back(BaseName(*attribute.Get()), Utf8(V_BSTR(&value)));
    }
    return element;
}

// The document's bytes as the byte array that load() takes, so that the
// parser, not we, reads the encoding.
bool ByteArray(const std::string& bytes, CAutoVariant& variant)
{
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, ULONG(bytes.size()));
    if (!array)
        return false;
    void* data = nullptr;
    if (FAILED(SafeArrayAccessData(array, &data)))
    {
        SafeArrayDestroy(array);
        return false;
    }
    if (!bytes.empty())
        CopyMemory(data, bytes.data(), bytes.size());
    SafeArrayUnaccessData(array);
    V_VT(&variant) = VT_ARRAY | VT_UI1;
    V_ARRAY(&variant) = array;
    return true;
}

std::string ParseFailure(IXMLDOMDocument2& document)
{
    CComPtr<IXMLDOMParseError> error;
    CAutoBstr reason;
    long line = 0;
    if (FAILED(document.get_parseError(&error)) || !error || FAILED(error->get_reason(&reason)))
        return "not well-formed";
    std::string text = Utf8(reason.Get());
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    if (text.empty())
        text = "not well-formed";
    return SUCCEEDED(error->get_line(&line)) && line > 0 ? "line " + std::to_string(line) + ": " + text : text;
}

// The elements below root in document order, each with its parent's index.
void Walk(IXMLDOMNode* root, std::vector<XmlElement>& elements)
{
    std::vector<std::size_t> open;
    CComPtr<IXMLDOMNode> node(root);
    while (node)
    {
        DOMNodeType type = NODE_INVALID;
        if (SUCCEEDED(node->get_nodeType(&type)) && type == NODE_ELEMENT)
        {
            elements.push_back(ElementOf(*node.Get(), open.empty() ? XmlElement::NoParent : open.back()));
            CComPtr<IXMLDOMNode> child;
            if (SUCCEEDED(node->get_firstChild(&child)) && child)
            {
                open.push_back(elements.size() - 1);
                node = child;
                continue;
            }
        }
        // On to the next sibling, climbing out of finished elements.
        for (;;)
        {
            CComPtr<IXMLDOMNode> next;
            if (SUCCEEDED(node->get_nextSibling(&next)) && next)
            {
                node = next;
                break;
            }
            CComPtr<IXMLDOMNode> up;
            if (open.empty() || FAILED(node->get_parentNode(&up)) || !up)
            {
                node.Release();
                break;
            }
            open.pop_back();
            node = up;
        }
    }
}

} // namespace

bool ReadXmlElements(const std::string& bytes, std::vector<XmlElement>& elements, std::string& cause)
{
    elements.clear();
    const ComApartment apartment;
    CLSID documentClass{};
    CComPtr<IXMLDOMDocument2> document;
    if (FAILED(CLSIDFromProgID(L"Msxml2.DOMDocument.6.0", &documentClass)) ||
        FAILED(CoCreateInstance(documentClass, nullptr, CLSCTX_INPROC_SERVER, DomDocument2Interface,
                                document.OutVoid())) ||
        !document)
    {
        cause = "MSXML 6.0 is not available";
        return false;
    }
    // Nothing beyond the bytes is loaded, and a DTD is refused outright.
    CAutoVariant prohibit;
    V_VT(&prohibit) = VT_BOOL;
    V_BOOL(&prohibit) = VARIANT_TRUE;
    const CAutoBstr prohibitDtd(L"ProhibitDTD");
    document->put_async(VARIANT_FALSE);
    document->put_validateOnParse(VARIANT_FALSE);
    document->put_resolveExternals(VARIANT_FALSE);
    document->setProperty(prohibitDtd.Get(), prohibit);

    CAutoVariant source;
    VARIANT_BOOL loaded = VARIANT_FALSE;
    if (!ByteArray(bytes, source))
    {
        cause = "too large to read";
        return false;
    }
    if (FAILED(document->load(source, &loaded)) || loaded != VARIANT_TRUE)
    {
        cause = ParseFailure(*document.Get());
        return false;
    }
    // In case the parser let one through.
    CComPtr<IXMLDOMDocumentType> documentType;
    if (SUCCEEDED(document->get_doctype(&documentType)) && documentType)
    {
        cause = "a document type declaration is not read";
        return false;
    }
    CComPtr<IXMLDOMElement> root;
    if (FAILED(document->get_documentElement(&root)) || !root)
    {
        cause = "not an XML document";
        return false;
    }
    Walk(root.Get(), elements);
    return true;
}
