#include "CliCommand.h"
#include "LineCounter.h"
#include "MetricsList.h"
#include "ProjectReader.h"
#include "ReportLayout.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

// quillet-cli metrics: a workspace's projects and files with their counts,
// in one of three output forms.

namespace
{

void WriteHelp(std::ostream& out)
{
    out << "Usage: " << kCliName << " metrics WORKSPACE.dsw [--format text|csv|json]\n"
        << "\n"
        << "Reads a Developer Studio workspace and every project it names, and lists\n"
        << "each project and source file with its line and comment counts.\n"
        << "  text  the report's columns; \"NA\" where a file is not countable (default)\n"
        << "  csv   kind,project,name,lines,comments; -1 where not countable\n"
        << "  json  an array of objects with the same fields\n"
        << "Exit status: 0 success, 2 usage error or a file that cannot be read.\n";
}

const char* KindName(RowKind kind)
{
    return kind == RowKind::Project ? "project" : "file";
}

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string field = "\"";
    for (const char c : text)
    {
        if (c == '"')
            field += '"';
        field += c;
    }
    return field + "\"";
}

// Length of the UTF-8 sequence starting at text[i], or 0 when it is not one.
std::size_t Utf8SequenceLength(const std::string& text, std::size_t i)
{
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
    {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

// Names are bytes in the ANSI code page of whoever wrote the project file.
// UTF-8 passes through; any other byte above 0x7F is taken as Latin-1 so
// the output is always valid JSON.
std::string JsonString(const std::string& text)
{
    std::string json = "\"";
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\')
        {
            json += '\\';
            json += static_cast<char>(c);
        }
        else if (c < 0x20 || c >= 0x80)
        {
            const std::size_t length = c >= 0x80 ? Utf8SequenceLength(text, i) : 0;
            if (length > 0)
            {
                json.append(text, i, length);
                i += length - 1;
                continue;
            }
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            json += escape;
        }
        else
        {
            json += static_cast<char>(c);
        }
    }
    return json + "\"";
}

// The project row each row belongs to, as the table keeps them in step.
std::vector<std::string> ProjectNames(const MetricsTable& table)
{
    std::vector<std::string> projects;
    std::string current;
    for (std::size_t i = 0; i < table.Size(); ++i)
    {
        if (table.kinds[i] == RowKind::Project)
            current = table.names[i];
        projects.push_back(current);
    }
    return projects;
}

std::string RightAligned(const std::string& text, std::size_t width)
{
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

// The report's columns: File, Lines, Comments; files indented under their
// project, "NA" for a count that is not available.
void WriteMetricsText(const MetricsTable& table, std::ostream& out)
{
    CMetricsList list;
    list.Fill(table);
    std::vector<CReportLayout::Row> rows;
    for (int page = 1; page <= CReportLayout::PageCount(list); ++page)
    {
        const std::vector<CReportLayout::Row> pageRows = CReportLayout::PageRows(list, page);
        rows.insert(rows.end(), pageRows.begin(), pageRows.end());
    }

    std::size_t nameWidth = std::string(CReportLayout::FileHeader).size();
    std::size_t linesWidth = std::string(CReportLayout::LinesHeader).size();
    std::size_t commentsWidth = std::string(CReportLayout::CommentsHeader).size();
    for (const CReportLayout::Row& row : rows)
    {
        nameWidth = std::max(nameWidth, row.text.size());
        linesWidth = std::max(linesWidth, row.lines.size());
        commentsWidth = std::max(commentsWidth, row.comments.size());
    }
    // Counts and headings keep the report's two trailing spaces as the gap
    // between columns; the last gap is not printed.
    auto writeLine = [&](const std::string& name, const std::string& lines, const std::string& comments)
    {
        std::string line = name + std::string(nameWidth - name.size(), ' ') + "  " + RightAligned(lines, linesWidth) +
                           RightAligned(comments, commentsWidth);
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << "\n";
    };
    writeLine(CReportLayout::FileHeader, CReportLayout::LinesHeader, CReportLayout::CommentsHeader);
    for (const CReportLayout::Row& row : rows)
        writeLine(row.text, row.lines, row.comments);
}

// One row per project and file: kind, project, name, lines, comments, with
// -1 for a count that is not available.
void WriteMetricsCsv(const MetricsTable& table, std::ostream& out)
{
    const std::vector<std::string> projects = ProjectNames(table);
    out << "kind,project,name,lines,comments\n";
    for (std::size_t i = 0; i < table.Size(); ++i)
    {
        out << KindName(table.kinds[i]) << ',' << CsvField(projects[i]) << ',' << CsvField(table.names[i]) << ','
            << std::max(table.lineCounts[i], -1) << ',' << std::max(table.commentCounts[i], -1) << "\n";
    }
}

// The same rows as a JSON array of objects.
void WriteMetricsJson(const MetricsTable& table, std::ostream& out)
{
    const std::vector<std::string> projects = ProjectNames(table);
    out << "[";
    for (std::size_t i = 0; i < table.Size(); ++i)
    {
        out << (i == 0 ? "\n" : ",\n") << "  {\"kind\": \"" << KindName(table.kinds[i])
            << "\", \"project\": " << JsonString(projects[i]) << ", \"name\": " << JsonString(table.names[i])
            << ", \"lines\": " << std::max(table.lineCounts[i], -1)
            << ", \"comments\": " << std::max(table.commentCounts[i], -1) << "}";
    }
    out << (table.Size() == 0 ? "]\n" : "\n]\n");
}

struct OutputForm
{
    const char* name;
    void (*write)(const MetricsTable& table, std::ostream& out);
};

const OutputForm kOutputForms[] = {
    {"text", WriteMetricsText},
    {"csv", WriteMetricsCsv},
    {"json", WriteMetricsJson},
};

} // namespace

int RunMetricsCommand(const std::vector<std::string>& args, CliStreams& io)
{
    std::string workspace;
    const OutputForm* form = &kOutputForms[0];
    CCliArguments arguments(args, {{"--format", true}}, CCliArguments::Operands::Workspace);
    for (CliArgument argument; arguments.Next(argument);)
    {
        if (argument.Is("--help"))
        {
            WriteHelp(io.out);
            return kExitOk;
        }
        if (argument.IsOperand())
        {
            if (!workspace.empty())
                return Fail(io.err, "metrics: only one workspace, not also '" + argument.value + "'");
            workspace = argument.value;
            continue;
        }
        form = FindNamedEntry(kOutputForms, argument.value);
        if (!form)
            return Fail(io.err, "metrics: unknown format '" + argument.value + "' (text, csv or json)");
    }
    if (!arguments.Error().empty())
        return UsageError(io.err, "metrics", arguments.Error());
    if (workspace.empty())
        return UsageError(io.err, "metrics", "no workspace file given");

    MetricsTable table;
    CProjectReader reader(table, CProjectReader::Flavour::Standalone,
                          {CLineCounter::GetLineCount, CLineCounter::GetCommentCount});
    std::string error;
    if (!reader.ReadWorkspace(workspace, error))
        return Fail(io.err, error);
    form->write(table, io.out);
    return kExitOk;
}
