#pragma once

#include <string>

class CMultiDocTemplate;

// Tells the shell that the template's files open in this program, the
// compatible way: the file type (its registry id and name, icon, the open
// command "/dde" with the DDE open request "[open("%1")]", and the print
// and print-to commands) is written every time; the extension is pointed at
// it only while no program owns the extension, so an association the user
// or another program made stays. Written under the current user's classes
// key, so no administrator rights are needed. A template without a registry
// file type id registers nothing. False when a key could not be written.
bool RegisterShellFileType(const CMultiDocTemplate& docTemplate, const std::string& ddeService);
