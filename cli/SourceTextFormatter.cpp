#include "SourceTextFormatter.h"

#include "CodeFormatter.h"

#include <exception>

bool FormatSourceText(const std::string& text, const FormatOptions& options, std::string& result,
                      std::string& cause, IProgressSink* progress)
{
    if (text.find('\0') != std::string::npos)
    {
        result.clear();
        cause = "holds a NUL byte";
        return false;
    }
    return FormatNulFreeText(text, options, result, cause, progress);
}

bool FormatNulFreeText(const std::string& text, const FormatOptions& options, std::string& result,
                       std::string& cause, IProgressSink* progress)
{
    result.clear();
    if (text.empty())
        return true;
    try
    {
        CCodeFormatter formatter(text, options);
        formatter.SetProgressDialog(progress);
        if (!formatter.Format())
        {
            cause = "formatting failed";
            return false;
        }
        result = formatter.GetResult();
    }
    catch (const std::exception& exception)
    {
        cause = std::string("formatting failed: ") + exception.what();
        return false;
    }
    // Every line of a result ends in a line feed, so a text that is not
    // empty never formats to nothing: an empty result is a failure.
    if (result.empty())
    {
        cause = "formatting failed";
        return false;
    }
    return true;
}
