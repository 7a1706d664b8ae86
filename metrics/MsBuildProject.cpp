// The sources of .vcxproj and .vcproj projects, read from their XML elements as Visual Studio reads them.
#include "MsBuildProject.h"

#include "FileNameCase.h"
#include "MsBuildWildcard.h"
#include "NativeText.h"

#include <algorithm>

namespace
{

// The item types that name source files, as the program lists them.
const char* const SourceItemTypes[] = {"ClCompile", "ClInclude", "ResourceCompile", "None", "Text", "Midl"};

bool IsSourceItemType(const std::string& name)
{
    return std::any_of(std::begin(SourceItemTypes), std::end(SourceItemTypes),
                       [&](const char* type) { return name == type; });
}

// An item of a project-level ItemGroup; items inside a Target are made only
// when the target runs.
bool IsProjectItem(const std::vector<XmlElement>& elements, const XmlElement& item)
{
    if (item.parent == XmlElement::NoParent || elements[item.parent].name != "ItemGroup")
        return false;
    for (std::size_t at = item.parent; at != XmlElement::NoParent; at = elements[at].parent)
    {
        if (elements[at].name == "Target")
            return false;
    }
    return true;
}

bool UsesPropertyOrItemList(const std::string& pattern)
{
    return pattern.find("$(") != std::string::npos || pattern.find("@(") != std::string::npos;
}

// The ';'-separated parts of an attribute, blanks around them trimmed.
std::vector<std::string> PatternParts(const std::string* value)
{
    std::vector<std::string> parts;
    if (!value)
        return parts;
    const std::string text = NativeFromUtf8(*value);
    std::size_t start = 0;
    while (start <= text.size())
    {
        std::size_t end = text.find(';', start);
        if (end == std::string::npos)
            end = text.size();
        const std::size_t first = text.find_first_not_of(" \t\r\n", start);
        if (first != std::string::npos && first < end)
        {
            const std::size_t last = text.find_last_not_of(" \t\r\n", end - 1);
            parts.push_back(text.substr(first, last - first + 1));
        }
        start = end + 1;
    }
    return parts;
}

bool Matches(const std::string& pattern, const ProjectSourceEntry& entry)
{
    // A property stays unevaluated: only the same text names the same item.
    if (!entry.countable || UsesPropertyOrItemList(pattern))
        return EqualIgnoringCase(pattern, entry.name);
    return MsBuildPatternMatches(pattern, entry.name);
}

// The entries one Include= part makes.
void AddIncluded(const std::string& pattern, const std::string& projectDirectory, std::vector<ProjectSourceEntry>& made)
{
    if (UsesPropertyOrItemList(pattern))
    {
        made.push_back({pattern, false});
        return;
    }
    if (!HasMsBuildWildcard(pattern))
    {
        made.push_back({MsBuildUnescape(pattern), true});
        return;
    }
    const auto files = ExpandMsBuildWildcard(pattern, projectDirectory);
    if (!files)
    {
        made.push_back({pattern, false});
        return;
    }
    for (const std::string& file : *files)
        made.push_back({file, true});
}

} // namespace

std::vector<ProjectSourceEntry> MsBuildSourceItems(const std::vector<XmlElement>& elements,
                                                   const std::string& projectDirectory)
{
    struct Item
    {
        const std::string* type;
        ProjectSourceEntry entry;
    };
    std::vector<Item> items;
    for (const XmlElement& element : elements)
    {
        if (!IsSourceItemType(element.name) || !IsProjectItem(elements, element))
            continue;
        if (const std::string* include = element.Attribute("Include"))
        {
            std::vector<ProjectSourceEntry> made;
            for (const std::string& pattern : PatternParts(include))
                AddIncluded(pattern, projectDirectory, made);
            const std::vector<std::string> excluded = PatternParts(element.Attribute("Exclude"));
            for (const ProjectSourceEntry& entry : made)
            {
                if (std::none_of(excluded.begin(), excluded.end(),
                                 [&](const std::string& pattern) { return Matches(pattern, entry); }))
                    items.push_back({&element.name, entry});
            }
        }
        else
        {
            // Remove= takes away the items of its type listed so far.
            const std::vector<std::string> removed = PatternParts(element.Attribute("Remove"));
            items.erase(std::remove_if(items.begin(), items.end(),
                                       [&](const Item& item)
                                       {
                                           return *item.type == element.name &&
                                                  std::any_of(removed.begin(), removed.end(),
                                                              [&](const std::string& pattern)
                                                              { return Matches(pattern, item.entry); });
                                       }),
                        items.end());
        }
    }
    std::vector<ProjectSourceEntry> entries;
    for (Item& item : items)
        entries.push_back(std::move(item.entry));
    return entries;
}

std::vector<ProjectSourceEntry> VcProjectFiles(const std::vector<XmlElement>& elements)
{
    std::vector<ProjectSourceEntry> entries;
    for (const XmlElement& element : elements)
    {
        if (element.name != "File")
            continue;
        if (const std::string* path = element.Attribute("RelativePath"))
            entries.push_back({NativeFromUtf8(*path), true});
    }
    return entries;
}
