#pragma once

#include <string>

class CMultiDocTemplate;

// Tells the shell that the template's files open in this program: the file
// type (its registry id and name, icon, open and print commands, and the DDE
// open request "[open("%1")]" to a running instance) and the extension that
// names it. Written under the current user's classes key, so no
// administrator rights are needed. False when a key could not be written.
bool RegisterShellFileType(const CMultiDocTemplate& docTemplate, const std::string& ddeService);
