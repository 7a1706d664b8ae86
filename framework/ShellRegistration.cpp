#include "ShellRegistration.h"

#include "MultiDocTemplate.h"
#include "SECRegistry.h"

#include <vector>

namespace
{

const char kClasses[] = "Software\\Classes\\";
// The document icon is the program's second icon resource.
const char kDocumentIconIndex[] = ",1";

bool SetDefaultValue(const std::string& key, const std::string& value)
{
    SECRegistry registry;
    return registry.Connect(HKEY_CURRENT_USER) && registry.Create((kClasses + key).c_str(), KEY_ALL_ACCESS) &&
           registry.SetValue(nullptr, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>(value.size() + 1));
}

} // namespace

bool RegisterShellFileType(const CMultiDocTemplate& docTemplate, const std::string& ddeService)
{
    const std::string id = docTemplate.GetDocString(CMultiDocTemplate::RegFileTypeId);
    const std::string extension = docTemplate.GetDocString(CMultiDocTemplate::FilterExt);
    if (id.empty() || extension.empty())
        return false;
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string program = std::string("\"") + module + "\"";

    const std::vector<std::pair<std::string, std::string>> values = {
        {extension, id},
        {id, docTemplate.GetDocString(CMultiDocTemplate::RegFileTypeName)},
        {id + "\\DefaultIcon", module + std::string(kDocumentIconIndex)},
        {id + "\\shell\\open\\command", program + " \"%1\""},
        {id + "\\shell\\open\\ddeexec", "[open(\"%1\")]"},
        {id + "\\shell\\open\\ddeexec\\application", ddeService},
        {id + "\\shell\\open\\ddeexec\\topic", "system"},
        {id + "\\shell\\print\\command", program + " /p \"%1\""},
    };
    bool written = true;
    for (const auto& value : values)
        written = SetDefaultValue(value.first, value.second) && written;
    return written;
}
