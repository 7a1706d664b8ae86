#pragma once

#include "XmlElements.h"

#include <string>
#include <vector>

// One source entry of a project file, named as the project writes it.
struct ProjectSourceEntry
{
    std::string name;
    // False for an entry whose name uses an MSBuild property or item list
    // ("$(IntDir)gen.cpp", "@(Generated)"): it names no file we can find.
    bool countable = true;
};

// The source items of a Visual Studio 2010 and later project (.vcxproj), in
// document order: the Include of every ClCompile, ClInclude, ResourceCompile,
// None, Text and Midl item of the project's item groups (not of a target's),
// each ';'-separated part one entry. Escapes are decoded, wildcards expanded
// below the project's folder, parts named by Exclude= left out, and an item
// removed by a later Remove= of its type is not listed. Names are in the
// system's file-name text.
std::vector<ProjectSourceEntry> MsBuildSourceItems(const std::vector<XmlElement>& elements,
                                                   const std::string& projectDirectory);

// The RelativePath of every File element of a Visual Studio 2002 to 2008
// project (.vcproj), in document order, however deep its filters nest.
std::vector<ProjectSourceEntry> VcProjectFiles(const std::vector<XmlElement>& elements);
