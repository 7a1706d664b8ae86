#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Runs quillet-cli with the arguments that follow the program name. Reads
// stdin from in, writes results to out and diagnostics to err; returns the
// process exit status. Never shows a window, so tests run it in-process.
int RunQuilletCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);
