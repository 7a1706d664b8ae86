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
// A view returned by operator[] is valid until the next change of the array.
class CLineArray
{
public:
    // Takes the lines of a text up to its first NUL byte. A line ends at a
    // line feed, which it does not keep, nor one carriage return before it;
    // a final line feed makes no empty last line.
    void Split(std::string_view text);
    // Appends every line and a line feed after each to text, then lets the
    // lines go.
    void JoinInto(std::string& text);

    std::size_t Size() const { return m_items.size() - m_gapLength; }
    // Counts the changes made: equal counts mean equal lines.
    std::size_t Changes() const { return m_changes; }
    std::string_view operator[](std::size_t index) const
    {
        const Slice& slice = m_items[Slot(index)];
        return std::string_view(m_bytes.data() + slice.offset, slice.length);
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

    std::string m_bytes;
    std::vector<Slice> m_items;
    std::size_t m_gapBegin = 0;
    std::size_t m_gapLength = 0;
    std::size_t m_liveBytes = 0; // the bytes the lines hold, of m_bytes' size
    std::size_t m_changes = 0;
};
