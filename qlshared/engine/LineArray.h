#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The lines of a text. Their bytes live in one buffer: the text itself, with
// the new bytes of every line that grew appended, so that no line costs an
// allocation of its own. No two lines share bytes. Bytes no line holds any
// more are given back by packing the lines once they outweigh the live ones,
// so a run of edits to one long line keeps the buffer near the text's size. The array of lines keeps a
// gap of free slots where the last insertion or removal happened; the
// formatting pass inserts and removes lines right next to the line it is on,
// so the gap follows it and no edit shifts the rest of a long text.
//
// A pass that walks the lines in order settles those it is done with: they
// move into the result text at once, so a line the pass rewrote is written
// once, not stored and then copied. Of the settled lines only the last can
// still change (a brace joined onto its end); the others are final.
//
// A view returned by operator[] is valid until the next change of the array.
class CLineArray
{
public:
    // Takes the lines of a text up to its first NUL byte. A line ends at a
    // line feed, which it does not keep, nor one carriage return before it;
    // a final line feed makes no empty last line.
    void Split(std::string_view text);
    // Makes text the result: every line with a line feed after each. The
    // lines are gone afterwards.
    void JoinInto(std::string& text);

    // Every line up to index goes into the result; line index with the bytes
    // given instead of its own. Settled lines stay readable.
    void Settle(std::size_t index);
    void Settle(std::size_t index, std::string_view line);
    // The same for the only line of the text, whose bytes become the result.
    void SettleOnly(std::string&& line);
    // Settled lines lose their trailing white space once they are final.
    void TrimSettledLines() { m_trimSettled = true; }
    // The first line that may still change: the last settled one, if any.
    std::size_t FirstChangeable() const { return m_settled == 0 ? 0 : m_settled - 1; }

    std::size_t Size() const { return m_items.size() - m_gapLength; }
    // Counts the changes made: equal counts mean equal lines.
    std::size_t Changes() const { return m_changes; }
    std::string_view operator[](std::size_t index) const
    {
        const Slice& slice = m_items[Slot(index)];
        return std::string_view((index < m_settled ? m_result : m_bytes).data() + slice.offset, slice.length);
    }

    void Set(std::size_t index, std::string_view line);
    // Adds bytes to the end of a line; a line that was the last one stored
    // grows where it stands, so a line appended to again and again is not
    // copied each time.
    void Append(std::size_t index, std::string_view tail);
    void Truncate(std::size_t index, std::size_t length);
    void InsertAt(std::size_t index, std::string_view line);
    void RemoveAt(std::size_t index);

private:
    struct Slice
    {
        std::size_t offset;
        std::size_t length;
    };

    std::size_t Slot(std::size_t index) const { return index < m_gapBegin ? index : index + m_gapLength; }
    void MoveGapTo(std::size_t index);
    Slice Store(std::string_view line);
    void Pack();
    std::size_t& LengthAt(std::size_t index) { return m_items[Slot(index)].length; }
    void InsertSlice(std::size_t index, Slice slice);
    void SettleBefore(std::size_t index);
    void AddToResult(std::size_t index, std::string_view line);
    // An edit of the last settled line, at the end of the result.
    void SetLastSettled(std::size_t index, std::string_view line);

    std::string m_bytes;
    std::vector<Slice> m_items;
    std::size_t m_gapBegin = 0;
    std::size_t m_gapLength = 0;
    std::size_t m_liveBytes = 0; // the bytes the lines hold, of m_bytes' size
    std::size_t m_changes = 0;
    // The settled lines, a line feed after each but the last.
    std::string m_result;
    std::size_t m_settled = 0;
    std::size_t m_settledBytes = 0; // of m_bytes, left behind by settled lines
    bool m_trimSettled = false;
};
