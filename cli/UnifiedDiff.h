#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Line differences between a file's text and the text it would be rewritten
// with. Lines keep their own ends, so a line that only changes from CR LF to
// LF differs.
class CLineDiff
{
public:
    CLineDiff(const std::string& oldText, const std::string& newText);

    bool HasChanges() const;

    // As "diff -u" writes it, with three lines of context and the paths
    // "a/NAME" and "b/NAME", so that "patch -p1" and "git apply" take it.
    std::string Unified(const std::string& name) const;

private:
    enum class Op : char
    {
        Keep = ' ',
        Delete = '-',
        Insert = '+'
    };

    void Compare(std::size_t a0, std::size_t a1, std::size_t b0, std::size_t b1);
    bool Split(std::size_t a0, std::size_t a1, std::size_t b0, std::size_t b1, std::size_t& x, std::size_t& y) const;
    void BuildScript();

    std::string m_oldText;
    std::string m_newText;
    // Each line's start and length in its text, and its number among the
    // distinct lines of both texts, which is what is compared.
    struct Line
    {
        std::size_t start;
        std::size_t length;
        std::size_t id;
    };
    std::vector<Line> m_old;
    std::vector<Line> m_new;
    std::vector<bool> m_deleted;
    std::vector<bool> m_inserted;
    std::vector<Op> m_script;
};
