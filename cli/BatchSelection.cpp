#include "BatchSelection.h"

#include "FileNameCase.h"
#include "PathParts.h"

namespace
{

std::string WithoutExtension(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

bool ProjectMatches(const std::string& rowName, const std::string& wanted)
{
    const std::string fileName = FileNamePart(rowName);
    return EqualIgnoringCase(rowName, wanted) || EqualIgnoringCase(fileName, wanted) ||
           EqualIgnoringCase(WithoutExtension(fileName), wanted);
}

bool FileMatches(const std::string& rowName, const std::string& wanted)
{
    return EqualIgnoringCase(rowName, wanted) || EqualIgnoringCase(FileNamePart(rowName), wanted);
}

} // namespace

bool SelectRequested(const BatchRequest& request, CMetricsList& list, std::string& error)
{
    if (request.projects.empty() && request.files.empty())
    {
        list.SelectAll();
        return true;
    }
    for (const std::string& wanted : request.projects)
    {
        bool found = false;
        for (std::size_t p = 0; p < list.ProjectCount(); ++p)
        {
            if (ProjectMatches(list.ProjectText(p, IMetricsTree::NameColumn), wanted))
            {
                list.SelectProject(p);
                found = true;
            }
        }
        if (!found)
        {
            error = "no project '" + wanted + "' in the workspace";
            return false;
        }
    }
    for (const std::string& wanted : request.files)
    {
        bool found = false;
        for (std::size_t p = 0; p < list.ProjectCount(); ++p)
        {
            for (std::size_t f = 0; f < list.FileCount(p); ++f)
            {
                if (FileMatches(list.FileText(p, f, IMetricsTree::NameColumn), wanted))
                {
                    list.SelectFile(p, f);
                    found = true;
                }
            }
        }
        if (!found)
        {
            error = "no source file '" + wanted + "' in the workspace";
            return false;
        }
    }
    return true;
}
