// Fuzzes the settings file: parsing, and writing a number into a fuzzed file,
// which must read back as written or fail.
#include "FileSettingsStore.h"
#include "RegistryExportFile.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace
{

std::string ScratchFile()
{
    static const std::string path = []
    {
        char name[] = "/tmp/quillet-settings-fuzz-XXXXXX";
        if (!mkdtemp(name))
            std::abort();
        return std::string(name) + "/settings.reg";
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    const CRegistryExportFile file(text);
    // What is not changed comes back byte for byte.
    if (file.IsReadable() && file.Text() != text)
        std::abort();

    const std::string path = ScratchFile();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    CFileSettingsStore store(path);
    const int value = static_cast<int>(size * 2654435761u);
    if (store.OpenOrCreateKey() && store.WriteNumber("TabSize", value))
    {
        CFileSettingsStore reader(path);
        if (!reader.OpenKey() || reader.ReadNumber("TabSize", ~value) != value)
            std::abort();
    }
    return 0;
}
