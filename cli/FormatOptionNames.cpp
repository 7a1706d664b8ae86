#include "FormatOptionNames.h"

#include "NamedEntries.h"

const FormatOptionName* FindFormatOptionName(const std::string& name)
{
    return FindNamedEntry(FormatOptionTable, name);
}

std::string FormatOptionNameList()
{
    return NamedEntryList(FormatOptionTable);
}
