// Registers a document kind's file type with the shell for the current user, leaving others' associations be.
#include "ShellRegistration.h"

#include "MultiDocTemplate.h"
#include "SECRegistry.h"

#include <vector>

namespace
{

const char kClasses[] = "Software\\Classes\\";
// The document icon is the program's second icon resource.
const char kDocumentIconIndex[] = ",1";

// Where file types are written: the user's own classes, and the classes
// root itself on a system that does not show the user's classes there (as
// Wine does not), where the shell would otherwise never find them.
struct ClassesKey
{
    HKEY hive;
    const char* prefix;
};
const ClassesKey kUserClasses{HKEY_CURRENT_USER, kClasses};
const ClassesKey kClassesRoot{HKEY_CLASSES_ROOT, ""};

bool SetDefaultValue(const ClassesKey& classes, const std::string& key, const std::string& value)
{
    SECRegistry registry;
    return registry.Connect(classes.hive) && registry.Create((classes.prefix + key).c_str(), KEY_ALL_ACCESS) &&
           registry.SetValue(nullptr, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>(value.size() + 1));
}

// The default value of a key; empty when there is none.
std::string DefaultValue(const ClassesKey& classes, const std::string& key)
{
    SECRegistry registry;
    char value[MAX_PATH] = {};
    DWORD type = 0, size = sizeof(value) - 1;
    if (registry.Connect(classes.hive) && registry.Open((classes.prefix + key).c_str(), KEY_READ) &&
        registry.QueryValue(nullptr, type, reinterpret_cast<BYTE*>(value), size) && type == REG_SZ)
        return value;
    return std::string();
}

// Whether the extension already names a file type, for this user or for the
// machine: another program's (or the user's own choice) stays.
bool HasOwner(const std::string& extension)
{
    return !DefaultValue(kUserClasses, extension).empty() || !DefaultValue(kClassesRoot, extension).empty();
}

} // namespace

bool RegisterShellFileType(const CMultiDocTemplate& docTemplate, const std::string& ddeService)
{
    const std::string id = docTemplate.GetDocString(CMultiDocTemplate::RegFileTypeId);
    const std::string extension = docTemplate.GetDocString(CMultiDocTemplate::FilterExt);
    if (id.empty())
        return true;
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string program = std::string("\"") + module + "\"";

    // The shell starts the program with /dde for a verb that also sends a
    // DDE request; the program then waits for that request and opens
    // nothing itself, so one double-click gives one window.
    std::vector<std::pair<std::string, std::string>> values = {
        {id, docTemplate.GetDocString(CMultiDocTemplate::RegFileTypeName)},
        {id + "\\DefaultIcon", module + std::string(kDocumentIconIndex)},
        {id + "\\shell\\open\\command", program + " /dde"},
        {id + "\\shell\\open\\ddeexec", "[open(\"%1\")]"},
        {id + "\\shell\\open\\ddeexec\\application", ddeService},
        {id + "\\shell\\open\\ddeexec\\topic", "system"},
        {id + "\\shell\\print\\command", program + " /p \"%1\""},
        {id + "\\shell\\printto\\command", program + " /pt \"%1\" \"%2\" \"%3\" \"%4\""},
    };
    if (!extension.empty() && !HasOwner(extension))
        values.emplace_back(extension, id);
    bool written = true;
    for (const auto& value : values)
        written = SetDefaultValue(kUserClasses, value.first, value.second) && written;
    // Written there only where it may be written (a user without the right
    // has a system that shows the user's classes).
    const std::string open = id + "\\shell\\open\\command";
    if (written && DefaultValue(kClassesRoot, open) != DefaultValue(kUserClasses, open))
    {
        for (const auto& value : values)
            SetDefaultValue(kClassesRoot, value.first, value.second);
    }
    return written;
}
