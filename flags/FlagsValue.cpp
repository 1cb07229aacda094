#include "FlagsValue.h"

#include "text/AsciiCase.h"

#include <charconv>
#include <stdexcept>

namespace bitloom::flags {

std::uint32_t flagsValue(const FlagStates &states)
{
    std::uint32_t value = 0;
    for (int bit = 0; bit < flagCount; ++bit) {
        if (states[static_cast<std::size_t>(bit)] == CheckState::Checked)
            value |= maskOf(bit);
    }
    return value;
}

std::string valueText(std::uint32_t value)
{
    if (value > allFlagsMask)
        throw std::out_of_range("flags value has bits above the 28 flags");
    return hexText(value);
}

std::string hexText(std::uint32_t value)
{
    std::array<char, 8> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value, 16).ptr;
    std::string upper(digits.data(), end);
    for (char &c : upper)
        c = text::upperAscii(c);
    return upper;
}

std::vector<int> setBits(std::uint32_t value)
{
    std::vector<int> bits;
    for (int bit = 0; bit < flagCount; ++bit) {
        if ((value & maskOf(bit)) != 0)
            bits.push_back(bit);
    }
    return bits;
}

} // namespace bitloom::flags
