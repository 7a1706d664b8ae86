// ReadXmlElements through libxml2's streaming reader: it follows the
// encoding declaration (Visual Studio 2008 writes Windows-1252 project
// files) and hands every name and value over in UTF-8.

#include "XmlElements.h"

#include <libxml/xmlreader.h>
#include <libxml/xmlversion.h>

#include <climits>
#include <memory>

namespace
{

struct ReaderFree
{
    void operator()(xmlTextReaderPtr reader) const { xmlFreeTextReader(reader); }
};

// libxml2 2.12 hands its errors over as constant.
#if LIBXML_VERSION >= 21200
using ParserError = const xmlError*;
#else
using ParserError = xmlErrorPtr;
#endif

// The parser's first error, kept instead of being printed; warnings are
// not kept.
void KeepFirstError(void* context, ParserError error)
{
    std::string& cause = *static_cast<std::string*>(context);
    if (!cause.empty() || !error || error->level < XML_ERR_ERROR)
        return;
    std::string message = error->message ? error->message : "not well-formed";
    while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
        message.pop_back();
    cause = error->line > 0 ? "line " + std::to_string(error->line) + ": " + message : message;
}

std::string Text(const xmlChar* text)
{
    return text ? reinterpret_cast<const char*>(text) : std::string();
}

} // namespace

bool ReadXmlElements(const std::string& bytes, std::vector<XmlElement>& elements, std::string& cause)
{
    elements.clear();
    cause.clear();
    if (bytes.size() > INT_MAX)
    {
        cause = "too large to read";
        return false;
    }
    // No network, no DTD loaded, no entity substituted beyond XML's own.
    const std::unique_ptr<xmlTextReader, ReaderFree> reader(
        xmlReaderForMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr, XML_PARSE_NONET));
    if (!reader)
    {
        cause = "cannot start the XML parser";
        return false;
    }
    std::string parseError;
    xmlTextReaderSetStructuredErrorHandler(reader.get(), KeepFirstError, &parseError);

    // open[d]: the element at depth d that holds the node being read.
    std::vector<std::size_t> open;
    int status;
    while ((status = xmlTextReaderRead(reader.get())) == 1)
    {
        const int type = xmlTextReaderNodeType(reader.get());
        if (type == XML_READER_TYPE_DOCUMENT_TYPE)
        {
            cause = "a document type declaration is not read";
            elements.clear();
            return false;
        }
        if (type != XML_READER_TYPE_ELEMENT)
            continue;
        const std::size_t depth = static_cast<std::size_t>(xmlTextReaderDepth(reader.get()));
        open.resize(depth);
        XmlElement element;
        element.name = Text(xmlTextReaderConstLocalName(reader.get()));
        element.parent = depth == 0 ? XmlElement::NoParent : open[depth - 1];
        while (xmlTextReaderMoveToNextAttribute(reader.get()) == 1)
            element.attributes.emplace_back(Text(xmlTextReaderConstLocalName(reader.get())),
                                            Text(xmlTextReaderConstValue(reader.get())));
        open.push_back(elements.size());
        elements.push_back(std::move(element));
    }
    if (status < 0 || elements.empty())
    {
        cause = !parseError.empty() ? parseError : "not an XML document";
        elements.clear();
        return false;
    }
    return true;
}
