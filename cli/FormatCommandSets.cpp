#include "FormatCommandSets.h"

#include "NamedEntries.h"

const FormatCommandSet* FindFormatCommandSet(const std::string& name)
{
    return FindNamedEntry(FormatCommandSets, name);
}

std::string FormatCommandSetList()
{
    return NamedEntryList(FormatCommandSets);
}
