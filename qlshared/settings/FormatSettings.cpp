#include "FormatSettings.h"

#include "SettingNames.h"

FormatOptions LoadFormatOptions(ISettingsStore& store)
{
    FormatOptions options;
    if (!store.OpenKey())
        return options;
    // The defaults are those of a default-constructed FormatOptions.
    options.TabSize = store.ReadNumber(SettingNames::TabSize, options.TabSize);
    options.IndentSize = store.ReadNumber(SettingNames::IndentSize, options.IndentSize);
    options.SpaceTabStyle = store.ReadNumber(SettingNames::SpaceTabStyle, options.SpaceTabStyle);
    options.OpenIndentStyle = store.ReadNumber(SettingNames::OpenIndentStyle, options.OpenIndentStyle);
    options.OpenNewLineStyle = store.ReadNumber(SettingNames::OpenNewLineStyle, options.OpenNewLineStyle);
    options.CloseIndentStyle = store.ReadNumber(SettingNames::CloseIndentStyle, options.CloseIndentStyle);
    options.CloseNewLineStyle = store.ReadNumber(SettingNames::CloseNewLineStyle, options.CloseNewLineStyle);
    options.ParenthesesSpace = store.ReadNumber(SettingNames::ParenthesesSpace, options.ParenthesesSpace);
    options.OperatorSpace = store.ReadNumber(SettingNames::OperatorSpace, options.OperatorSpace);
    options.DeleteTrailingWhiteSpace =
        store.ReadNumber(SettingNames::DeleteTrailingWhiteSpace, options.DeleteTrailingWhiteSpace);
    options.SpellCheckComments = store.ReadNumber(SettingNames::SpellCheckComments, options.SpellCheckComments);
    options.SpellCheckText = store.ReadNumber(SettingNames::SpellCheckText, options.SpellCheckText);
    options.RecalculateIndents = store.ReadNumber(SettingNames::RecalculateIndents, options.RecalculateIndents);
    return options;
}

bool SaveFormatOptions(ISettingsStore& store, const FormatOptions& options)
{
    if (!store.OpenOrCreateKey())
        return false;
    store.WriteNumber(SettingNames::TabSize, options.TabSize);
    store.WriteNumber(SettingNames::IndentSize, options.IndentSize);
    store.WriteNumber(SettingNames::SpaceTabStyle, options.SpaceTabStyle);
    store.WriteNumber(SettingNames::CloseIndentStyle, options.CloseIndentStyle);
    store.WriteNumber(SettingNames::CloseNewLineStyle, options.CloseNewLineStyle);
    store.WriteNumber(SettingNames::OpenIndentStyle, options.OpenIndentStyle);
    store.WriteNumber(SettingNames::OpenNewLineStyle, options.OpenNewLineStyle);
    store.WriteNumber(SettingNames::RecalculateIndents, options.RecalculateIndents);
    store.WriteNumber(SettingNames::DeleteTrailingWhiteSpace, options.DeleteTrailingWhiteSpace);
    store.WriteNumber(SettingNames::OperatorSpace, options.OperatorSpace);
    store.WriteNumber(SettingNames::ParenthesesSpace, options.ParenthesesSpace);
    store.WriteNumber(SettingNames::SpellCheckComments, options.SpellCheckComments);
    store.WriteNumber(SettingNames::SpellCheckText, options.SpellCheckText);
    return true;
}
