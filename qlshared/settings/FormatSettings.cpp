// The thirteen format options loaded from and saved to any settings store, in the table's load and save orders.
#include "FormatSettings.h"

#include "FormatOptionTable.h"

FormatOptions LoadFormatOptions(ISettingsStore& store)
{
    FormatOptions options;
    if (!store.OpenKey())
        return options;
    for (const FormatOptionSpec* option : FormatOptionsInOrderOf(&FormatOptionSpec::loadPosition))
        option->Set(options, store.ReadNumber(option->name, option->storedDefault));
    return options;
}

bool SaveFormatOptions(ISettingsStore& store, const FormatOptions& options)
{
    if (!store.OpenOrCreateKey())
        return false;
    for (const FormatOptionSpec* option : FormatOptionsInOrderOf(&FormatOptionSpec::savePosition))
        store.WriteNumber(option->name, option->Get(options));
    return true;
}
