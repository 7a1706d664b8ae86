// A command's prompt from its string resource: the status bar's text, or the tooltip's short name.
#include "CommandPrompt.h"

#include "ResourceModule.h"

std::string CommandPrompt(UINT id, PromptPart part)
{
    const std::string prompt = LoadResourceString(id);
    const std::size_t feed = prompt.find('\n');
    if (part == PromptPart::Status)
        return prompt.substr(0, feed);
    return feed == std::string::npos ? std::string() : prompt.substr(feed + 1);
}
