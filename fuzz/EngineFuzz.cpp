// Fuzzes the formatting engine: fuzzed values of the thirteen options, then
// one of the format commands or nine fuzzed command values, then the text.
#include "CodeFormatter.h"
#include "FormatCommandTable.h"
#include "FormatOptionTable.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

namespace
{

// Mostly small numbers, around and just outside each kind's values, and now
// and then any 32-bit number.
int OptionNumber(FuzzedDataProvider& data)
{
    if (data.ConsumeBool())
        return data.ConsumeIntegral<int>();
    return data.ConsumeIntegralInRange<int>(-2, 24);
}

template <typename Kind> Kind Value(FuzzedDataProvider& data)
{
    return static_cast<Kind>(OptionNumber(data));
}

SpecialFormatValues FuzzedValues(FuzzedDataProvider& data)
{
    SpecialFormatValues values;
    values.ParenthesesSpace = Value<Spacing>(data);
    values.OperatorSpace = Value<Spacing>(data);
    values.SpaceTabStyle = Value<TabConversion>(data);
    values.OpenNewLineStyle = Value<BracePlacement>(data);
    values.CloseNewLineStyle = Value<BracePlacement>(data);
    values.RecalculateIndents = Value<OnOff>(data);
    values.SpellCheckText = Value<OnOff>(data);
    values.SpellCheckComments = Value<OnOff>(data);
    values.DeleteTrailingWhiteSpace = Value<OnOff>(data);
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    FormatOptions options;
    for (const FormatOptionSpec& option : FormatOptionTable)
        option.Set(options, OptionNumber(data));
    const std::size_t command = data.ConsumeIntegralInRange<std::size_t>(0, FormatCommandCount);
    if (command == FormatCommandCount)
        ApplySpecialFormatValues(options, FuzzedValues(data));
    else if (!FormatCommandSets[command].usesStoredOptions)
        ApplySpecialFormatValues(options, FormatCommandSets[command].values);

    const std::string text = data.ConsumeRemainingBytesAsString();
    CCodeFormatter formatter(text, options);
    if (!formatter.Format())
        std::abort();
    const std::string result = formatter.GetResult();
    // Every line of the result ends with its line feed.
    if (!result.empty() && result.back() != '\n')
        std::abort();
    return 0;
}
