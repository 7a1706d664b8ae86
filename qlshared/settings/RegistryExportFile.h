#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The text of a registry export file ("Windows Registry Editor Version 5.00"
// or "REGEDIT4"): sections named by a key in brackets, each holding lines
// such as "TabSize"=dword:00000004 or "Install Path"="C:\\Quillet".
// Everything it does not change comes back byte for byte: other sections,
// comments, malformed lines, line ends.
class CRegistryExportFile
{
public:
    // A new file with only the version header.
    CRegistryExportFile();
    // Parses existing bytes; lines it does not understand are kept as they are.
    explicit CRegistryExportFile(const std::string& bytes);

    // A file saved as UTF-16 cannot be read or rewritten by this class.
    bool IsReadable() const { return m_readable; }

    // Key names are compared as the registry does, ignoring ASCII case.
    bool HasKey(const std::string& key) const;
    void AddKey(const std::string& key);

    // The raw data after '=' of the value, when the key holds a well-formed
    // line for it; the last such line wins, as on import.
    bool FindValue(const std::string& key, const std::string& name, std::string& data) const;
    // Replaces every line of the value by one line, or adds it to the key.
    // The key must exist.
    void SetValue(const std::string& key, const std::string& name, const std::string& data);

    std::string Text() const;

    // Value data in the file's notation.
    static bool ParseDword(const std::string& data, std::uint32_t& value);
    static bool ParseString(const std::string& data, std::string& text);
    static std::string DwordData(std::uint32_t value);
    static std::string Quote(const std::string& text);

private:
    struct Entry
    {
        std::vector<std::string> lines; // physical lines with their own line ends
        bool isSection = false;
        bool isValue = false;
        int section = -1; // index into m_sections; -1 before the first
        std::string name; // section key or value name
        std::string data; // value data
    };

    static void ParseLogicalLine(const std::string& text, Entry& entry);
    bool InKey(const Entry& entry, const std::string& key) const;
    void AppendEntry(Entry entry);

    std::vector<Entry> m_entries;
    std::vector<std::string> m_sections;
    std::string m_lineEnd = "\r\n";
    bool m_readable = true;
};
