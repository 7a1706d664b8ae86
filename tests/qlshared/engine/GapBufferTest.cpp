#include "LineArray.h"
#include "WorkingLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

// Random edits compared against a plain vector: the gap must never show.
TEST(GapBuffers, LineArrayMatchesVector)
{
    std::mt19937 random(11);
    CLineArray lines;
    std::vector<std::string> model;
    for (int step = 0; step < 5000; ++step)
    {
        const std::size_t index = model.empty() ? 0 : random() % (model.size() + 1);
        const int action = static_cast<int>(random() % 6);
        if (action >= 4 && index < model.size())
        {
            // Rewrite a line shorter or longer, or cut it, from a view of itself.
            const std::string_view current = lines[index];
            if (action == 4)
            {
                const std::string longer = std::string(current) + "+" + std::to_string(step);
                lines.Set(index, longer);
                model[index] = longer;
            }
            else
            {
                const std::size_t keep = current.size() / 2;
                lines.Set(index, current.substr(current.size() - keep));
                model[index] = model[index].substr(model[index].size() - keep);
                lines.Truncate(index, keep / 2);
                model[index].resize(keep / 2);
            }
        }
        else if (action < 2 || model.empty())
        {
            const std::string line = "line " + std::to_string(step);
            lines.InsertAt(index, line);
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(index), line);
        }
        else if (action == 2 && index < model.size())
        {
            lines.RemoveAt(index);
            model.erase(model.begin() + static_cast<std::ptrdiff_t>(index));
        }
        else
        {
            lines.InsertAt(lines.Size(), "end");
            model.push_back("end");
        }
        ASSERT_EQ(lines.Size(), model.size());
    }
    for (std::size_t i = 0; i < model.size(); ++i)
        ASSERT_EQ(lines[i], model[i]) << i;
}

TEST(GapBuffers, WorkingLineMatchesString)
{
    std::mt19937 random(5);
    for (int round = 0; round < 200; ++round)
    {
        std::string model = round % 3 ? "a(b) c)d" : "   ";
        CWorkingLine line;
        line.Load(std::string(model));
        for (int step = 0; step < 40; ++step)
        {
            const std::size_t at = random() % (model.size() + 1);
            const int action = static_cast<int>(random() % 5);
            if (action == 0)
            {
                const std::size_t count = std::min(model.find_first_not_of(" \t"), model.size());
                const std::size_t newCount = random() % 6;
                line.ReplaceLeadingBlanks(count, newCount, ' ');
                model.replace(0, count, newCount, ' ');
            }
            else if (action < 3)
            {
                const std::size_t count = random() % 5;
                const char blank = random() % 2 ? ' ' : '\t';
                line.InsertBlanks(at, count, blank);
                model.insert(at, count, blank);
            }
            else
            {
                const std::size_t count = std::min(model.find_first_not_of(" \t", at), model.size()) - at;
                line.EraseBlanks(at, count);
                model.erase(at, count);
            }
            ASSERT_EQ(line.size(), model.size());
            ASSERT_EQ(line.FirstNonBlank(), std::min(model.find_first_not_of(" \t"), model.size()));
            for (std::size_t i = 0; i <= model.size(); ++i)
                ASSERT_EQ(line.HasCloseParenAfter(i), model.find(')', i + 1) != std::string::npos) << model << " " << i;
            for (std::size_t i = 0; i < model.size(); ++i)
                ASSERT_EQ(line[i], model[i]);
            // The bytes left behind in the gap must never be found.
            ByteSet letters{};
            letters['a'] = letters['d'] = true;
            for (std::size_t i = 0; i <= model.size(); ++i)
                ASSERT_EQ(line.FindFirstOf(i, letters), std::min(model.find_first_of("ad", i), model.size()));
        }
        ASSERT_EQ(line.Contiguous(), model);
    }
}

// Packing the bytes of a line rewritten again and again must leave the
// settled lines alone and the others readable.
TEST(SettledLines, PackingSkipsSettledLines)
{
    CLineArray lines;
    lines.Split("first\nsecond\nthird\nlast\n");
    lines.Settle(1, "SECOND!");
    std::string grown;
    for (int i = 0; i < 40; ++i)
    {
        grown.append(100000, static_cast<char>('a' + i % 26));
        lines.Set(2, grown);
    }
    EXPECT_EQ(lines[1], "SECOND!");
    std::string text;
    lines.JoinInto(text);
    EXPECT_EQ(text, "first\nSECOND!\n" + grown + "\nlast\n");
}
