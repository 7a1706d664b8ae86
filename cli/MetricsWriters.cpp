// The metrics command's four output forms: the printed text table, CSV, JSON and Markdown.
#include "MetricsWriters.h"

#include "CliCommand.h"
#include "MetricsList.h"
#include "ReportLayout.h"
#include "Utf8Text.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace
{

const char kTotalName[] = "Total";

const char* KindName(RowKind kind)
{
    return kind == RowKind::Project ? "project" : "file";
}

bool IsFile(const MetricsReport::Row& row)
{
    return row.kind == RowKind::SourceFile;
}

// A file's count below 0 is "not countable".
std::string CountText(std::int64_t count, bool isFile)
{
    return isFile && count < 0 ? CMetricsList::CountText(-1, true) : std::to_string(count);
}

std::int64_t CountNumber(std::int64_t count)
{
    return std::max<std::int64_t>(count, -1);
}

// The note after a text row whose file could not be counted.
const char* StatusNote(const MetricsReport::Row& row)
{
    return row.status == CountStatus::Missing      ? "  (missing)"
           : row.status == CountStatus::Unreadable ? "  (unreadable)"
                                                   : "";
}

std::string RightAligned(const std::string& text, std::size_t width)
{
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

// The printed report's columns: File, Lines, Comments; files indented under
// their project, "NA" for a count that is not available; a note after a file
// that is missing or unreadable; the totals last.
void WriteText(const MetricsReport& report, std::ostream& out)
{
    struct Line
    {
        std::string name;
        std::string lines;
        std::string comments;
        const char* note;
    };
    std::vector<Line> lines;
    for (const MetricsReport::Row& row : report.rows)
    {
        lines.push_back({(IsFile(row) ? CReportLayout::FileIndent : "") + row.name,
                         CountText(row.lines, IsFile(row)) + CReportLayout::CountSuffix,
                         CountText(row.comments, IsFile(row)) + CReportLayout::CountSuffix, StatusNote(row)});
    }
    lines.push_back({kTotalName, std::to_string(report.totalLines) + CReportLayout::CountSuffix,
                     std::to_string(report.totalComments) + CReportLayout::CountSuffix, ""});

    std::size_t nameWidth = std::string(CReportLayout::FileHeader).size();
    std::size_t linesWidth = std::string(CReportLayout::LinesHeader).size();
    std::size_t commentsWidth = std::string(CReportLayout::CommentsHeader).size();
    for (const Line& line : lines)
    {
        nameWidth = std::max(nameWidth, line.name.size());
        linesWidth = std::max(linesWidth, line.lines.size());
        commentsWidth = std::max(commentsWidth, line.comments.size());
    }
    // Counts and headings keep the report's two trailing spaces as the gap
    // between columns; the last gap is not printed.
    auto write = [&](const Line& line)
    {
        std::string text = line.name + std::string(nameWidth - line.name.size(), ' ') + "  " +
                           RightAligned(line.lines, linesWidth) + RightAligned(line.comments, commentsWidth);
        text.erase(text.find_last_not_of(' ') + 1);
        out << text << line.note << "\n";
    };
    write({CReportLayout::FileHeader, CReportLayout::LinesHeader, CReportLayout::CommentsHeader, ""});
    for (const Line& line : lines)
        write(line);
}

std::string CsvField(const std::string& name)
{
    const std::string text = AsUtf8(name);
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

// One row per project and file, -1 for a count that is not available, and a
// last row "total" with the counts of all projects.
void WriteCsv(const MetricsReport& report, std::ostream& out)
{
    out << "kind,project,name,lines,comments,status\n";
    for (const MetricsReport::Row& row : report.rows)
    {
        out << KindName(row.kind) << ',' << CsvField(row.project) << ',' << CsvField(row.name) << ','
            << CountNumber(row.lines) << ',' << CountNumber(row.comments) << ',' << CountStatusName(row.status) << "\n";
    }
    out << "total,,," << report.totalLines << ',' << report.totalComments << ",\n";
}

std::string JsonString(const std::string& name)
{
    std::string json = "\"";
    for (const char c : AsUtf8(name))
    {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
        {
            json += '\\';
            json += c;
        }
        else if (byte < 0x20)
        {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            json += escape;
        }
        else
        {
            json += c;
        }
    }
    return json + "\"";
}

// The same rows as a JSON array of objects, the totals last.
void WriteJson(const MetricsReport& report, std::ostream& out)
{
    out << "[";
    for (const MetricsReport::Row& row : report.rows)
    {
        out << "\n  {\"kind\": \"" << KindName(row.kind) << "\", \"project\": " << JsonString(row.project)
            << ", \"name\": " << JsonString(row.name) << ", \"lines\": " << CountNumber(row.lines)
            << ", \"comments\": " << CountNumber(row.comments) << ", \"status\": \"" << CountStatusName(row.status)
            << "\"},";
    }
    out << "\n  {\"kind\": \"total\", \"lines\": " << report.totalLines << ", \"comments\": " << report.totalComments
        << "}\n]\n";
}

// Characters that mean something in a Markdown table cell.
std::string MarkdownText(const std::string& name)
{
    std::string text;
    for (const char c : AsUtf8(name))
    {
        if (std::string("\\|*_`[]<>#").find(c) != std::string::npos)
            text += '\\';
        text += c;
    }
    return text;
}

// A table for pasting into a review: projects and the totals in bold.
void WriteMarkdown(const MetricsReport& report, std::ostream& out)
{
    out << "| File | Lines | Comments | Status |\n|:--|--:|--:|:--|\n";
    for (const MetricsReport::Row& row : report.rows)
    {
        const bool file = IsFile(row);
        const std::string name = MarkdownText(row.name);
        out << "| " << (file ? name : "**" + name + "**") << " | " << CountText(row.lines, file) << " | "
            << CountText(row.comments, file) << " |" << (file ? std::string(" ") + CountStatusName(row.status) : "")
            << " |\n";
    }
    out << "| **" << kTotalName << "** | " << report.totalLines << " | " << report.totalComments << " | |\n";
}

const MetricsOutputForm kOutputForms[] = {
    {"text", WriteText},
    {"csv", WriteCsv},
    {"json", WriteJson},
    {"markdown", WriteMarkdown},
};

} // namespace

const MetricsOutputForm* FindMetricsOutputForm(const std::string& name)
{
    return FindNamedEntry(kOutputForms, name);
}

std::string MetricsOutputFormList()
{
    return NamedEntryList(kOutputForms);
}
