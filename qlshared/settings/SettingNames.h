#pragma once

// Where the format settings live and the names of their values. The same
// names serve the Windows registry and the settings file of other systems.
namespace SettingNames
{
// The key under HKEY_LOCAL_MACHINE, without a trailing backslash.
constexpr const char* KeyPath = "Software\\Tamsel Software\\Quillet";

constexpr const char* TabSize = "TabSize";
constexpr const char* IndentSize = "IndentSize";
constexpr const char* SpaceTabStyle = "SpaceTabStyle";
constexpr const char* OpenIndentStyle = "OpenIndentStyle";
constexpr const char* OpenNewLineStyle = "OpenNewLineStyle";
constexpr const char* CloseIndentStyle = "CloseIndentStyle";
constexpr const char* CloseNewLineStyle = "CloseNewLineStyle";
constexpr const char* ParenthesesSpace = "ParenthesesSpace";
constexpr const char* OperatorSpace = "OperatorSpace";
constexpr const char* DeleteTrailingWhiteSpace = "DeleteTrailingWhiteSpace";
constexpr const char* RecalculateIndents = "RecalculateIndents";
constexpr const char* SpellCheckComments = "SpellCheckComments";
constexpr const char* SpellCheckText = "SpellCheckText";

// The installation folder; written by the installation, read by the help path.
constexpr const char* InstallPath = "Install Path";
} // namespace SettingNames
