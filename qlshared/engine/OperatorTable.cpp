// The operators the formatting pass knows, indexed by first byte, and the byte pairs that would fuse into one token.
#include "OperatorTable.h"

#include <array>

const std::string_view OperatorTable[OperatorCount] = {
    "<<=", ">>=", "^=", "&=", "|=", "<<", ">>", "+=", "<=", ">=", "&&", "||", "++", "--", "!=", "==", "-=", "*=",
    "/=",  "%=",  "->", "+",  "-",  "*",  "/",  "%",  "^",  "!",  "=",  "<",  ">",  "~",  "|",  "&",  ",",
};

namespace
{
std::array<OperatorCandidates, 256> MakeCandidates()
{
    std::array<OperatorCandidates, 256> candidates{};
    for (std::size_t i = 0; i < OperatorCount; ++i)
    {
        OperatorCandidates& forByte = candidates[static_cast<unsigned char>(OperatorTable[i][0])];
        forByte.entries[forByte.count++] = static_cast<unsigned char>(i);
    }
    return candidates;
}
} // namespace

const OperatorCandidates& OperatorsBeginningWith(unsigned char byte)
{
    static const std::array<OperatorCandidates, 256> candidates = MakeCandidates();
    return candidates[byte];
}

bool WouldFuse(char before, char after)
{
    if ((before == '/' && (after == '/' || after == '*')) || (before == '*' && after == '/'))
        return true;
    for (const std::string_view op : OperatorTable)
    {
        if (op.size() == 2 && op[0] == before && op[1] == after)
            return true;
    }
    return false;
}
