#pragma once

// The progress a batch shows and the write-failure questions it asks, with
// the answers a test scripts; the run is cancelled once it has set so many
// statuses.

#include "BatchFormatter.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

class ScriptedBatch : public IBatchProgress, public IMessageSink
{
public:
    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    void FileStarted(const std::string& itemText) override { SetStatus(FormattingFileStatus(itemText)); }
    bool IsCancelled() const override { return cancelAfter >= 0 && int(statuses.size()) >= cancelAfter; }
    void OnProgress(int percent) override { percents.push_back(percent); }
    MessageAnswer Show(const std::string& text, const std::string& caption, MessageStyle style) override
    {
        texts.push_back(text);
        EXPECT_EQ("Quillet", caption);
        EXPECT_EQ(MessageStyle::YesNoQuestion, style);
        EXPECT_FALSE(answers.empty()) << "unexpected question: " << text;
        if (answers.empty())
            return MessageAnswer::No;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<MessageAnswer> answers;
    int cancelAfter = -1;
    std::vector<std::string> statuses;
    std::vector<int> percents;
    std::vector<std::string> texts;
};
