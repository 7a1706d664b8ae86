// Reading and editing regedit export files, with every line left unchanged kept byte for byte.
#include "RegistryExportFile.h"

#include <cstdio>

namespace
{

const char* const VersionHeader = "Windows Registry Editor Version 5.00";

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
    {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string Trimmed(const std::string& text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// The line without its line end.
std::string Content(const std::string& line)
{
    size_t end = line.size();
    if (end > 0 && line[end - 1] == '\n')
        --end;
    if (end > 0 && line[end - 1] == '\r')
        --end;
    return line.substr(0, end);
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    const char lower = LowerAscii(c);
    if (lower >= 'a' && lower <= 'f')
        return lower - 'a' + 10;
    return -1;
}

// Reads a quoted text with the file's two escapes (\\ and \") starting at
// text[pos] == '"'; pos ends after the closing quote.
bool ReadQuoted(const std::string& text, size_t& pos, std::string& out)
{
    if (pos >= text.size() || text[pos] != '"')
        return false;
    out.clear();
    for (size_t i = pos + 1; i < text.size(); ++i)
    {
        const char c = text[i];
        if (c == '"')
        {
            pos = i + 1;
            return true;
        }
        if (c == '\\')
        {
            if (i + 1 >= text.size() || (text[i + 1] != '\\' && text[i + 1] != '"'))
                return false;
            out += text[++i];
        }
        else
        {
            out += c;
        }
    }
    return false;
}

// The backslashes a value line ends in, each of which joins one more line to
// it; only the last entry of a file can still have any.
size_t DanglingContinuations(const std::vector<std::string>& lines)
{
    if (lines.front().empty() || lines.front()[0] != '"')
        return 0;
    const std::string text = lines.size() == 1 ? Content(lines.back()) : Trimmed(Content(lines.back()));
    const size_t last = text.find_last_not_of('\\');
    return last == std::string::npos ? text.size() : text.size() - last - 1;
}

} // namespace

CRegistryExportFile::CRegistryExportFile()
{
    Entry header;
    header.lines.push_back(std::string(VersionHeader) + m_lineEnd);
    m_entries.push_back(header);
}

CRegistryExportFile::CRegistryExportFile(const std::string& bytes)
{
    // regedit's own Unicode export; reading it as bytes and writing it back
    // would ruin the file.
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE)
    {
        m_readable = false;
        return;
    }

    std::vector<std::string> physical;
    size_t pos = 0;
    while (pos < bytes.size())
    {
        const size_t lf = bytes.find('\n', pos);
        const size_t end = lf == std::string::npos ? bytes.size() : lf + 1;
        physical.push_back(bytes.substr(pos, end - pos));
        pos = end;
    }
    if (!physical.empty())
    {
        const std::string& first = physical.front();
        if (first.size() >= 2 && first.compare(first.size() - 2, 2, "\r\n") == 0)
            m_lineEnd = "\r\n";
        else if (!first.empty() && first.back() == '\n')
            m_lineEnd = "\n";
    }

    for (size_t i = 0; i < physical.size(); ++i)
    {
        Entry entry;
        entry.lines.push_back(physical[i]);
        std::string text = Content(physical[i]);
        // A value line ending in a backslash goes on in the next line.
        if (!text.empty() && text[0] == '"')
        {
            while (!text.empty() && text.back() == '\\' && i + 1 < physical.size())
            {
                text.pop_back();
                entry.lines.push_back(physical[++i]);
                text += Trimmed(Content(physical[i]));
            }
        }
        ParseLogicalLine(text, entry);
        AppendEntry(std::move(entry));
    }
}

void CRegistryExportFile::ParseLogicalLine(const std::string& text, Entry& entry)
{
    const std::string line = Trimmed(text);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
    {
        entry.isSection = true;
        entry.name = line.substr(1, line.size() - 2);
        return;
    }
    size_t pos = 0;
    std::string name;
    if (!ReadQuoted(line, pos, name))
        return;
    while (pos < line.size() && IsBlank(line[pos]))
        ++pos;
    if (pos >= line.size() || line[pos] != '=')
        return;
    entry.isValue = true;
    entry.name = name;
    entry.data = Trimmed(line.substr(pos + 1));
}

void CRegistryExportFile::AppendEntry(Entry entry)
{
    if (entry.isSection)
    {
        m_sections.push_back(entry.name);
        entry.section = static_cast<int>(m_sections.size()) - 1;
    }
    else
    {
        entry.section = static_cast<int>(m_sections.size()) - 1;
    }
    m_entries.push_back(std::move(entry));
}

bool CRegistryExportFile::InKey(const Entry& entry, const std::string& key) const
{
    return entry.section >= 0 && SameName(m_sections[entry.section], key);
}

bool CRegistryExportFile::HasKey(const std::string& key) const
{
    for (const std::string& section : m_sections)
    {
        if (SameName(section, key))
            return true;
    }
    return false;
}

void CRegistryExportFile::AddKey(const std::string& key)
{
    // The last line may lack its line end; the new lines must not join it.
    if (!m_entries.empty())
    {
        std::string& last = m_entries.back().lines.back();
        if (last.empty() || last.back() != '\n')
            last += m_lineEnd;
        // A blank line ends the last one, and one blank line more is
        // taken up by each backslash that continues it.
        const size_t blanks = Content(last).empty() ? 0 : 1 + DanglingContinuations(m_entries.back().lines);
        for (size_t i = 0; i < blanks; ++i)
        {
            Entry blank;
            blank.lines.push_back(m_lineEnd);
            AppendEntry(blank);
        }
    }
    Entry section;
    section.isSection = true;
    section.name = key;
    section.lines.push_back("[" + key + "]" + m_lineEnd);
    AppendEntry(section);
}

bool CRegistryExportFile::FindValue(const std::string& key, const std::string& name, std::string& data) const
{
    bool found = false;
    for (const Entry& entry : m_entries)
    {
        if (entry.isValue && InKey(entry, key) && SameName(entry.name, name))
        {
            data = entry.data;
            found = true;
        }
    }
    return found;
}

void CRegistryExportFile::SetValue(const std::string& key, const std::string& name, const std::string& data)
{
    const std::string line = Quote(name) + "=" + data;

    // The first line of the value takes the new data; later duplicates go.
    bool replaced = false;
    for (auto it = m_entries.begin(); it != m_entries.end();)
    {
        if (it->isValue && InKey(*it, key) && SameName(it->name, name))
        {
            if (replaced)
            {
                it = m_entries.erase(it);
                continue;
            }
            const std::string& old = it->lines.back();
            const std::string end = old.substr(Content(old).size());
            it->lines.assign(1, line + end);
            it->data = data;
            replaced = true;
        }
        ++it;
    }
    if (replaced)
        return;

    // A new value goes after the last non-blank line of the key's first
    // section, so the blank line before the next section stays in place.
    size_t header = 0;
    while (header < m_entries.size() && !(m_entries[header].isSection && InKey(m_entries[header], key)))
        ++header;
    if (header == m_entries.size())
        return;
    size_t last = header;
    for (size_t j = header + 1; j < m_entries.size() && !m_entries[j].isSection; ++j)
    {
        if (!Trimmed(Content(m_entries[j].lines.front())).empty())
            last = j;
    }
    // A last line that goes on with a backslash would take the new line in:
    // the new line goes before it.
    if (last > header && DanglingContinuations(m_entries[last].lines) > 0)
        --last;
    std::string& before = m_entries[last].lines.back();
    if (before.empty() || before.back() != '\n')
        before += m_lineEnd;

    Entry entry;
    entry.isValue = true;
    entry.name = name;
    entry.data = data;
    entry.section = m_entries[header].section;
    entry.lines.push_back(line + m_lineEnd);
    m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(last + 1), std::move(entry));
}

std::string CRegistryExportFile::Text() const
{
    std::string text;
    for (const Entry& entry : m_entries)
    {
        for (const std::string& line : entry.lines)
            text += line;
    }
    return text;
}

bool CRegistryExportFile::ParseDword(const std::string& data, std::uint32_t& value)
{
    const std::string prefix = "dword:";
    if (data.size() <= prefix.size() || data.size() > prefix.size() + 8 ||
        !SameName(data.substr(0, prefix.size()), prefix))
        return false;
    std::uint32_t result = 0;
    for (size_t i = prefix.size(); i < data.size(); ++i)
    {
        const int digit = HexDigit(data[i]);
        if (digit < 0)
            return false;
        result = result * 16 + static_cast<std::uint32_t>(digit);
    }
    value = result;
    return true;
}

bool CRegistryExportFile::ParseString(const std::string& data, std::string& text)
{
    size_t pos = 0;
    std::string out;
    if (!ReadQuoted(data, pos, out) || pos != data.size())
        return false;
    text = out;
    return true;
}

std::string CRegistryExportFile::DwordData(std::uint32_t value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "dword:%08x", static_cast<unsigned>(value));
    return buffer;
}

std::string CRegistryExportFile::Quote(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text)
    {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + "\"";
}
