// doctest, with the standard containers the tests compare shown in full
// when a check fails.
#pragma once

#include <doctest.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace doctest {

template <typename T>
struct StringMaker<std::vector<T>> {
    static String convert(const std::vector<T> &items)
    {
        String text = "{";
        for (std::size_t i = 0; i < items.size(); ++i)
            text += (i == 0 ? "" : ", ") + toString(items[i]);
        return text + "}";
    }
};

template <typename T>
struct StringMaker<std::optional<T>> {
    static String convert(const std::optional<T> &value)
    {
        return value ? toString(*value) : String("nullopt");
    }
};

template <>
struct StringMaker<std::string_view> {
    static String convert(std::string_view text)
    {
        return String(text.data(), static_cast<String::size_type>(text.size()));
    }
};

} // namespace doctest
