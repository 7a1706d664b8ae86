// The shipped QLShared.dll exports its seven functions and nothing else:
// anything more would let any module in the process replace its seams.
#include "QLShared.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

namespace
{

// The names in the export directory of a loaded module, as stored.
std::vector<std::string> ExportedNames(HMODULE module)
{
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    std::vector<std::string> names;
    if (entry.VirtualAddress == 0)
        return names;
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
    const auto* nameOffsets = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        names.emplace_back(reinterpret_cast<const char*>(base + nameOffsets[i]));
    // Exports by ordinal alone would be functions without a name.
    EXPECT_EQ(exports->NumberOfFunctions, exports->NumberOfNames);
    return names;
}

// The function name inside a decorated name: _Z10FormatText... gives
// FormatText; anything else stays as it is.
std::string FunctionName(const std::string& decorated)
{
    std::smatch length;
    if (!std::regex_search(decorated, length, std::regex("^_Z([0-9]+)")))
        return decorated;
    return decorated.substr(length.length(), std::stoul(length[1]));
}

} // namespace

TEST(ExportTable, ExactlyTheSevenFunctionsUnderTheirDecoratedNames)
{
    // Calling an export makes this program import the library, so it is
    // loaded already.
    EXPECT_EQ(GetVersionString("C:\\no such folder\\nothing.dll"), "");
    const HMODULE library = GetModuleHandleA("QLShared.dll");
    ASSERT_NE(library, nullptr);
    std::vector<std::string> functions;
    for (const std::string& name : ExportedNames(library))
        functions.push_back(FunctionName(name));
    std::sort(functions.begin(), functions.end());
    EXPECT_EQ(functions,
              (std::vector<std::string>{"DoPropertySheet", "FormatText", "GetCommentCount", "GetHelpFilePath",
                                        "GetLineCount", "GetVersionString", "SpecialFormatText"}));
}
