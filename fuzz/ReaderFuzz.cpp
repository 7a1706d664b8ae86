// Fuzzes the workspace and project readers: the input is written as each
// kind of file they read (workspace and solution, Developer Studio and XML
// project) in a scratch folder, and each is read.
#include "ProjectReader.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// Eight empty folders deep in a folder of its own: a wildcard item that
// climbs out with "..\" finds nothing until it has climbed nine levels.
std::string ScratchFolder()
{
    static const std::string folder = []
    {
        char name[] = "/tmp/quillet-reader-fuzz-XXXXXX";
        if (!mkdtemp(name))
            std::abort();
        std::string path = name;
        for (const char* level : {"1", "2", "3", "4", "5", "6", "7", "8"})
        {
            path += std::string("/") + level;
            if (mkdir(path.c_str(), 0700) != 0)
                std::abort();
        }
        return path + "/";
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
    std::string error;
    for (const char* workspace : {"w.dsw", "w.sln"})
    {
        Write(folder + workspace, bytes, size);
        MetricsTable standalone;
        CProjectReader(standalone, FrontEnd::Standalone, {NameLength, NameLength})
            .ReadWorkspace(folder + workspace, error);
    }
    for (const char* project : {"p.dsp", "p.vcxproj", "p.vcproj"})
    {
        Write(folder + project, bytes, size);
        MetricsTable addIn;
        CProjectReader(addIn, FrontEnd::AddIn, {NameLength, NameLength}).AddProject(folder + project, error);
        // A read project's row comes first and holds the totals of its files.
        if (addIn.Size() == 0 || addIn.kinds[0] != RowKind::Project || addIn.lineCounts[0] < 0)
            std::abort();
    }
    return 0;
}
