// Fuzzes the workspace and project reader: the input is written as a
// workspace file and as a project file in a scratch folder, and both are read.
#include "ProjectReader.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace
{

std::string ScratchFolder()
{
    static const std::string folder = []
    {
        char name[] = "/tmp/quillet-reader-fuzz-XXXXXX";
        if (!mkdtemp(name))
            std::abort();
        return std::string(name) + "/";
    }();
    return folder;
}

void Write(const std::string& path, const std::uint8_t* bytes, std::size_t size)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(size));
}

int NameLength(const std::string&, const std::string& fileName)
{
    return static_cast<int>(fileName.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string folder = ScratchFolder();
    Write(folder + "w.dsw", bytes, size);
    Write(folder + "p.dsp", bytes, size);

    std::string error;
    MetricsTable standalone;
    CProjectReader(standalone, CProjectReader::Flavour::Standalone, {NameLength, NameLength})
        .ReadWorkspace(folder + "w.dsw", error);
    MetricsTable addIn;
    CProjectReader(addIn, CProjectReader::Flavour::AddIn, {NameLength, NameLength}).AddProject(folder + "p.dsp", error);
    // A read project's row comes first and holds the totals of its files.
    if (addIn.Size() == 0 || addIn.kinds[0] != RowKind::Project || addIn.lineCounts[0] < 0)
        std::abort();
    return 0;
}
