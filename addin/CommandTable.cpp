// The commands the add-in announces to Developer Studio, with the names the host has always known them by.
#include "CommandTable.h"

#include "QLAddInRes.h"
#include "ResourceModule.h"

// The names differ from the methods where the host has always seen them so:
// no prefix on the first, a capital S in the third, "Reindent" reaching
// ReIndent through the case-blind lookup.
const CommandRow CommandTable[CommandCount] = {
    {"QuilletMainDlg", L"QuilletMainDlg", IDS_CMD_QUILLETMAINDLG},
    {"QLFullFormat", L"FullFormat", IDS_CMD_FULLFORMAT},
    {"QLDeleteTrailingWhiteSpace", L"DeleteTrailingWhitespace", IDS_CMD_DELETETRAILINGWHITESPACE},
    {"QLTabify", L"Tabify", IDS_CMD_TABIFY},
    {"QLUntabify", L"Untabify", IDS_CMD_UNTABIFY},
    {"QLOperatorExpand", L"OperatorExpand", IDS_CMD_OPERATOREXPAND},
    {"QLOperatorContract", L"OperatorContract", IDS_CMD_OPERATORCONTRACT},
    {"QLParenthesesExpand", L"ParenthesesExpand", IDS_CMD_PARENTHESESEXPAND},
    {"QLParenthesesContract", L"ParenthesesContract", IDS_CMD_PARENTHESESCONTRACT},
    {"QLReindent", L"Reindent", IDS_CMD_REINDENT},
    {"QLQuilletHelp", L"QuilletHelp", IDS_CMD_QUILLETHELP},
};

std::string CommandString(const CommandRow& row)
{
    return row.commandName + LoadResourceString(row.stringId);
}
