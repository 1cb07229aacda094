#include "FlagsValueReader.h"

namespace bitloom::flags {

namespace {

constexpr std::uint64_t maxValue32 = 0xFFFFFFFF;

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool hasPrefix(std::string_view text)
{
    return text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

// Like strtoul, the game takes "0x" for a prefix only when a hex digit
// follows it; otherwise the "0" is the number and the "x" ends it.
std::size_t gamePrefixLength(std::string_view text)
{
    return hasPrefix(text) && text.size() > 2 && hexDigit(text[2]) >= 0 ? 2 : 0;
}

std::optional<std::uint32_t> gameReading(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    text.remove_prefix(gamePrefixLength(text));
    std::uint64_t value = 0;
    std::size_t digits = 0;
    for (; digits < text.size() && hexDigit(text[digits]) >= 0; ++digits) {
        value = value * 16 + static_cast<std::uint64_t>(hexDigit(text[digits]));
        if (value > maxValue32)
            return std::nullopt; // beyond what an unsigned int holds: no sure answer
    }
    if (digits == 0)
        return std::nullopt;
    const auto result = static_cast<std::uint32_t>(value);
    return negative ? static_cast<std::uint32_t>(0u - result) : result;
}

} // namespace

ValueReading readFlagsValue(std::string_view text, std::uint32_t allowedBits)
{
    ValueReading reading;
    reading.gameValue = gameReading(text);
    if (text.empty()) {
        reading.problem = ValueProblem::Empty;
        return reading;
    }

    // A person who writes "0x" means the prefix, whatever follows: the
    // character after it is the one to blame.
    const std::size_t start = hasPrefix(text) ? 2 : 0;
    if (start == text.size()) {
        reading.problem = ValueProblem::NoDigits;
        return reading;
    }
    std::uint64_t value = 0;
    bool above32Bits = false;
    for (std::size_t i = start; i < text.size(); ++i) {
        const int digit = hexDigit(text[i]);
        if (digit < 0) {
            reading.problem = ValueProblem::NotHex;
            reading.badOffset = i;
            return reading;
        }
        // Leading zeros may be many, so only stop adding once past 32 bits.
        if (!above32Bits) {
            value = value * 16 + static_cast<std::uint64_t>(digit);
            above32Bits = value > maxValue32;
        }
    }
    if (above32Bits) {
        reading.problem = ValueProblem::Above32Bits;
        return reading;
    }
    reading.value = static_cast<std::uint32_t>(value);
    if ((reading.value & ~allowedBits) != 0)
        reading.problem = ValueProblem::AboveFlags;
    return reading;
}

} // namespace bitloom::flags
