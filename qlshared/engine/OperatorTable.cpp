#include "OperatorTable.h"

#include <array>

const std::string_view OperatorTable[OperatorCount] = {
    "<<=", ">>=", "^=", "&=", "|=", "<<", ">>",
    "+=", "<=", ">=", "&&", "||", "++", "--",
    "!=", "==", "-=", "*=", "/=", "%=", "->",
    "+", "-", "*", "/", "%", "^", "!",
    "=", "<", ">", "~", "|", "&", ",",
};

namespace
{
std::array<bool, 256> MakeFirstByteSet()
{
    std::array<bool, 256> set{};
    for (std::string_view entry : OperatorTable)
        set[static_cast<unsigned char>(entry[0])] = true;
    return set;
}
}

bool CanBeginOperator(unsigned char byte)
{
    static const std::array<bool, 256> firstBytes = MakeFirstByteSet();
    return firstBytes[byte];
}
