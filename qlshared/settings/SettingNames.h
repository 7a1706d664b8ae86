#pragma once

// Where the format settings live and the one value of the key that is not a
// format option (FormatOptionTable names those). The same names serve the
// Windows registry and the settings file of other systems.
namespace SettingNames
{
// The key under HKEY_LOCAL_MACHINE, without a trailing backslash.
constexpr const char* KeyPath = "Software\\Tamsel Software\\Quillet";

// The installation folder; written by the installation, read by the help path.
constexpr const char* InstallPath = "Install Path";
} // namespace SettingNames
