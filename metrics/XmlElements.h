#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// One element of an XML document: its local name (any namespace prefix
// dropped), the index of its parent among the document's elements, and its
// attributes, entities and character references decoded, in UTF-8.
struct XmlElement
{
    static constexpr std::size_t NoParent = static_cast<std::size_t>(-1);

    std::string name;
    std::size_t parent = NoParent;
    std::vector<std::pair<std::string, std::string>> attributes;

    // The attribute's value; null when the element has none of that name.
    const std::string* Attribute(const char* attributeName) const
    {
        for (const auto& attribute : attributes)
        {
            if (attribute.first == attributeName)
                return &attribute.second;
        }
        return nullptr;
    }
};

// Parses a whole XML document, in whatever encoding its byte-order mark or
// declaration names, into its elements in document order. Windows reads it
// through MSXML, other systems through libxml2; both give the same elements.
// A document that is not well-formed, or that holds a document type
// declaration, fails with the cause (and the line, where the parser knows
// it). Nothing outside the bytes is ever loaded: no DTD, no external entity,
// no network resource.
bool ReadXmlElements(const std::string& bytes, std::vector<XmlElement>& elements, std::string& cause);
