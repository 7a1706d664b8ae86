// The --diff output: a line diff of a file against its reformatted text, written as "diff -u" writes it.
#include "UnifiedDiff.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace
{

const std::size_t kContext = 3;

// Edits a search from each end may try before it settles for the furthest
// point it reached: a text that changes nearly everywhere then still takes
// time linear in its length, at the price of a diff that is not the smallest.
const std::ptrdiff_t kCostLimit = 256;

std::string Range(std::size_t first, std::size_t count)
{
    // diff -u names an empty range by the line before it.
    const std::size_t start = count == 0 ? first : first + 1;
    return count == 1 ? std::to_string(start) : std::to_string(start) + "," + std::to_string(count);
}

std::string DiffName(const std::string& prefix, std::string name)
{
    std::replace(name.begin(), name.end(), '\\', '/');
    while (name.compare(0, 2, "./") == 0)
        name.erase(0, 2);
    return prefix + name;
}

} // namespace

CLineDiff::CLineDiff(const std::string& oldText, const std::string& newText) : m_oldText(oldText), m_newText(newText)
{
    std::unordered_map<std::string_view, std::size_t> ids;
    auto split = [&ids](const std::string& text, std::vector<Line>& lines)
    {
        for (std::size_t start = 0; start < text.size();)
        {
            const std::size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
            const std::string_view line(text.data() + start, end - start);
            const std::size_t id = ids.emplace(line, ids.size()).first->second;
            lines.push_back({start, end - start, id});
            start = end;
        }
    };
    split(m_oldText, m_old);
    split(m_newText, m_new);
    m_deleted.assign(m_old.size(), false);
    m_inserted.assign(m_new.size(), false);
    Compare(0, m_old.size(), 0, m_new.size());
    BuildScript();
}

bool CLineDiff::HasChanges() const
{
    return std::any_of(m_script.begin(), m_script.end(), [](Op op) { return op != Op::Keep; });
}

void CLineDiff::Compare(std::size_t a0, std::size_t a1, std::size_t b0, std::size_t b1)
{
    while (a0 < a1 && b0 < b1 && m_old[a0].id == m_new[b0].id)
        ++a0, ++b0;
    while (a0 < a1 && b0 < b1 && m_old[a1 - 1].id == m_new[b1 - 1].id)
        --a1, --b1;
    std::size_t x = 0;
    std::size_t y = 0;
    if (a0 == a1 || b0 == b1 || !Split(a0, a1, b0, b1, x, y))
    {
        std::fill(m_deleted.begin() + a0, m_deleted.begin() + a1, true);
        std::fill(m_inserted.begin() + b0, m_inserted.begin() + b1, true);
        return;
    }
    Compare(a0, x, b0, y);
    Compare(x, a1, y, b1);
}

// The point where a shortest edit path crosses the middle, found by running
// it from both ends at once (Myers), in space linear in the input. False
// when there is none inside the ranges.
bool CLineDiff::Split(std::size_t a0, std::size_t a1, std::size_t b0, std::size_t b1, std::size_t& x,
                      std::size_t& y) const
{
    using Index = std::ptrdiff_t;
    const Index n = static_cast<Index>(a1 - a0);
    const Index m = static_cast<Index>(b1 - b0);
    auto same = [&](Index i, Index j) { return m_old[a0 + i].id == m_new[b0 + j].id; };
    const Index maxD = (n + m + 1) / 2;
    const Index offset = maxD;
    const Index width = 2 * maxD + 2;
    std::vector<Index> forward(width, -1);
    std::vector<Index> backward(width, -1);
    forward[offset + 1] = 0;
    backward[offset + 1] = 0;
    const Index delta = n - m;
    const bool odd = delta % 2 != 0;
    Index k1start = 0, k1end = 0, k2start = 0, k2end = 0;
    const Index limit = std::min(maxD, kCostLimit);
    for (Index d = 0; d < limit; ++d)
    {
        for (Index k1 = -d + k1start; k1 <= d - k1end; k1 += 2)
        {
            const Index i = offset + k1;
            Index x1 = k1 == -d || (k1 != d && forward[i - 1] < forward[i + 1]) ? forward[i + 1] : forward[i - 1] + 1;
            Index y1 = x1 - k1;
            while (x1 < n && y1 < m && same(x1, y1))
                ++x1, ++y1;
            forward[i] = x1;
            if (x1 > n)
                k1end += 2;
            else if (y1 > m)
                k1start += 2;
            else if (odd)
            {
                const Index j = offset + delta - k1;
                if (j >= 0 && j < width && backward[j] != -1 && x1 >= n - backward[j])
                {
                    x = a0 + x1;
                    y = b0 + y1;
                    return (x1 > 0 || y1 > 0) && (x1 < n || y1 < m);
                }
            }
        }
        for (Index k2 = -d + k2start; k2 <= d - k2end; k2 += 2)
        {
            const Index i = offset + k2;
            Index x2 =
                k2 == -d || (k2 != d && backward[i - 1] < backward[i + 1]) ? backward[i + 1] : backward[i - 1] + 1;
            Index y2 = x2 - k2;
            while (x2 < n && y2 < m && same(n - x2 - 1, m - y2 - 1))
                ++x2, ++y2;
            backward[i] = x2;
            if (x2 > n)
                k2end += 2;
            else if (y2 > m)
                k2start += 2;
            else if (!odd)
            {
                const Index j = offset + delta - k2;
                if (j >= 0 && j < width && forward[j] != -1)
                {
                    const Index x1 = forward[j];
                    const Index y1 = offset + x1 - j;
                    if (x1 >= n - x2)
                    {
                        x = a0 + x1;
                        y = b0 + y1;
                        return (x1 > 0 || y1 > 0) && (x1 < n || y1 < m);
                    }
                }
            }
        }
    }
    // Too costly: split where the forward search got furthest.
    Index best = -1;
    for (Index k = -limit; k <= limit; ++k)
    {
        const Index x1 = forward[offset + k];
        const Index y1 = x1 - k;
        if (x1 >= 0 && x1 <= n && y1 >= 0 && y1 <= m && x1 + y1 > best)
        {
            best = x1 + y1;
            x = a0 + x1;
            y = b0 + y1;
        }
    }
    return best > 0 && best < n + m;
}

void CLineDiff::BuildScript()
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < m_old.size() || j < m_new.size())
    {
        if (i < m_old.size() && m_deleted[i])
            m_script.push_back(Op::Delete), ++i;
        else if (j < m_new.size() && m_inserted[j])
            m_script.push_back(Op::Insert), ++j;
        else
            m_script.push_back(Op::Keep), ++i, ++j;
    }
}

std::string CLineDiff::Unified(const std::string& name) const
{
    std::string diff;
    if (!HasChanges())
        return diff;
    diff += "--- " + DiffName("a/", name) + "\n+++ " + DiffName("b/", name) + "\n";
    // Positions in the script, and the old and new line each stands at.
    std::vector<std::size_t> oldAt(m_script.size() + 1, 0);
    std::vector<std::size_t> newAt(m_script.size() + 1, 0);
    for (std::size_t s = 0; s < m_script.size(); ++s)
    {
        oldAt[s + 1] = oldAt[s] + (m_script[s] != Op::Insert);
        newAt[s + 1] = newAt[s] + (m_script[s] != Op::Delete);
    }
    std::size_t s = 0;
    while (s < m_script.size())
    {
        while (s < m_script.size() && m_script[s] == Op::Keep)
            ++s;
        if (s == m_script.size())
            break;
        // A hunk runs on while the unchanged lines between two changes are
        // too few to give each its own context.
        const std::size_t first = s >= kContext ? s - kContext : 0;
        std::size_t lastChange = s;
        for (std::size_t p = s; p < m_script.size() && p <= lastChange + 2 * kContext + 1; ++p)
        {
            if (m_script[p] != Op::Keep)
                lastChange = p;
        }
        const std::size_t last = std::min(m_script.size(), lastChange + 1 + kContext);
        diff += "@@ -" + Range(oldAt[first], oldAt[last] - oldAt[first]) + " +" +
                Range(newAt[first], newAt[last] - newAt[first]) + " @@\n";
        for (std::size_t h = first; h < last; ++h)
        {
            const Op op = m_script[h];
            const Line& line = op == Op::Insert ? m_new[newAt[h]] : m_old[oldAt[h]];
            const std::string& text = op == Op::Insert ? m_newText : m_oldText;
            diff += static_cast<char>(op);
            diff.append(text, line.start, line.length);
            if (text[line.start + line.length - 1] != '\n')
                diff += "\n\\ No newline at end of file\n";
        }
        s = last;
    }
    return diff;
}
