#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// Marks the byte values a scan stops at.
using ByteSet = std::array<bool, 256>;

// The line the formatting pass is walking. Every edit of the walk inserts or
// removes blanks at or next to its position, so the bytes are kept with a gap
// that follows the edits: an edit costs the distance from the previous one,
// not the length of the line.
//
// Two facts the walk asks at every byte are kept up to date instead of being
// searched for: where the first non-blank byte is and where the last ')' is.
class CWorkingLine
{
public:
    // Copies the bytes of a line into the working buffer, which is kept from
    // line to line.
    void Load(std::string_view line);
    // The bytes as one string; valid until the next edit or load.
    const std::string& Contiguous();
    // The bytes as one string, handed over instead of copied: the line is
    // empty afterwards.
    std::string Release();
    // True once an edit has been made since the line was loaded.
    bool IsChanged() const { return m_changed; }

    std::size_t size() const { return m_buffer.size() - m_gapLength; }
    char operator[](std::size_t index) const { return m_buffer[index < m_gapBegin ? index : index + m_gapLength]; }

    // Index of the first byte that is neither space nor tab; size() if none.
    std::size_t FirstNonBlank() const { return m_firstNonBlank; }
    bool HasCloseParenAfter(std::size_t index) const;
    // What LineHasBalancedBraces says of the line, for a line that begins
    // outside a comment. A line split off the end of a long one is answered
    // from counts kept through the splits, without a scan of what is left.
    bool HasBalancedBraces();

    // Index of the first byte at or after from that is in the set; size()
    // if none.
    std::size_t FindFirstOf(std::size_t from, const ByteSet& set) const;

    // Only blanks are inserted and removed, which is what keeps the two facts
    // above cheap to maintain.
    void InsertBlanks(std::size_t index, std::size_t count, char blank);
    void EraseBlanks(std::size_t index, std::size_t count);
    // Replaces the first count bytes (all blanks) by blanks: the new
    // indentation of the line.
    void ReplaceLeadingBlanks(std::size_t count, std::size_t newCount, char blank);

    // For a line split where the walk stands: a copy of the bytes before
    // count, and their removal, which costs the distance from the last edit,
    // not the length of what stays.
    std::string Front(std::size_t count) const;
    void DropFront(std::size_t count);

private:
    // The braces and slashes of the line. Only a slash begins a comment, so
    // where every slash follows the last brace every brace counts, and the
    // balance follows from the counts alone.
    struct BraceCensus
    {
        std::size_t opens = 0;
        std::size_t closes = 0;
        std::size_t closesAfterLastOpen = 0;
        std::size_t lastOpen = std::string::npos;
        std::size_t slashes = 0;
        std::size_t slashesAfterLastBrace = 0;
    };

    void MoveGapTo(std::size_t index);
    void TakeCensus();
    void ShiftFrom(std::size_t index, std::size_t count);
    void ShiftBackFrom(std::size_t index, std::size_t count);

    std::string m_buffer;
    std::size_t m_gapBegin = 0;
    std::size_t m_gapLength = 0;
    std::size_t m_firstNonBlank = 0;
    bool m_changed = false;
    // True once the front of the line has been dropped since it was loaded.
    bool m_split = false;
    // Found on first use: most lines are never asked.
    mutable bool m_lastCloseParenKnown = false;
    mutable std::size_t m_lastCloseParen = std::string::npos;
    // Taken on first use and kept through edits until the next load.
    bool m_censusKnown = false;
    BraceCensus m_census;
};
