#include "app/text_parsing.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tovrins::app {

namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

template <class T> std::optional<T> parseWhole(std::string_view text)
{
    text = trimSpaces(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1); // from_chars takes no plus sign; users type one
    if (text.empty())
        return std::nullopt;
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool sameLabel(std::string_view a, std::string_view b)
{
    a = trimSpaces(a);
    b = trimSpaces(b);
    return std::ranges::equal(a, b, [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::optional<int64_t> parseInteger(std::string_view text) { return parseWhole<int64_t>(text); }

std::optional<uint64_t> parseUnsigned(std::string_view text)
{
    if (trimSpaces(text).starts_with('-'))
        return std::nullopt;
    return parseWhole<uint64_t>(text);
}

std::optional<double> parseReal(std::string_view text)
{
    const auto value = parseWhole<double>(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

std::optional<double> parseUnboundedReal(std::string_view text)
{
    if (const auto value = parseReal(text))
        return value;
    text = trimSpaces(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const bool negative = !text.empty() && text.front() == '-';
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc::result_out_of_range || end != text.data() + text.size())
        return std::nullopt;
    // Out of range either way: a huge exponent or a tiny one.
    const auto exponent = text.find_first_of("eE");
    const bool tiny = exponent != std::string_view::npos && text.substr(exponent + 1).starts_with('-');
    if (tiny)
        return negative ? -0.0 : 0.0;
    return negative ? -HUGE_VAL : HUGE_VAL;
}

std::string plainNumber(std::string_view text)
{
    text = trimSpaces(text);
    if (text.starts_with('+'))
        text.remove_prefix(1);
    return std::string(text);
}

std::string plainChoice(std::string_view text)
{
    if (const auto index = parseInteger(text))
        return std::to_string(*index);
    return std::string(trimSpaces(text));
}

} // namespace tovrins::app
