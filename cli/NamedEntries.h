#pragma once

#include <iterator>
#include <string>

// The subcommands, the command sets and the option names are tables of
// entries with a "name" member, each looked up by that name and listed by it
// in help and error texts.

// The entry whose name is name (exact spelling), or null.
template <typename Entries>
auto FindNamedEntry(const Entries& entries, const std::string& name) -> decltype(&*std::begin(entries))
{
    for (const auto& entry : entries)
    {
        if (name == entry.name)
            return &entry;
    }
    return nullptr;
}

// Every entry's name, separated by ", ".
template <typename Entries> std::string NamedEntryList(const Entries& entries)
{
    std::string list;
    for (const auto& entry : entries)
    {
        if (!list.empty())
            list += ", ";
        list += entry.name;
    }
    return list;
}
