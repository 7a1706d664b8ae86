#pragma once

#include <string>
#include <vector>

// The C++ projects of a Visual Studio solution (.sln): the path of every
//   Project("{type}") = "Name", "path\to\project.vcxproj", "{guid}"
// line whose path ends in .vcxproj or .vcproj (case-blind), in file order,
// as the solution writes it. Solution folders and other kinds of project
// are passed over. A UTF-8 byte-order mark and CR LF or LF line ends are
// taken as they come; text after a byte-order mark is UTF-8 and is turned
// into the system's file-name text. Fails, naming the line and the cause, on
// a Project line whose quoted path cannot be read.
bool ReadSolutionProjects(const std::string& text, std::vector<std::string>& projects, std::string& cause);
