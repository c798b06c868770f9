#include "host/io/css_pseudo_class.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <vector>

#include "host/io/svg_attributes.hpp"

namespace tovrins::host::css {

namespace {

using svg::localName;
using svg::trim;

constexpr std::string_view kWithoutArgument[] = {"root",          "empty",        "link",
                                                 "first-child",   "last-child",   "only-child",
                                                 "first-of-type", "last-of-type", "only-of-type"};
constexpr std::string_view kNth[] = {"nth-child", "nth-last-child", "nth-of-type", "nth-last-of-type"};

std::string lower(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

std::optional<int> integer(std::string_view s)
{
    s = trim(s);
    if (s.starts_with('+'))
        s.remove_prefix(1);
    int v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size())
        return std::nullopt;
    return v;
}

// "odd", "even", "5", "-n+3", "2n + 1", "n"; whitespace around the sign of b.
bool readNth(std::string_view text, int& a, int& b)
{
    const std::string t = lower(trim(text));
    if (t == "odd" || t == "even") {
        a = 2;
        b = t == "odd" ? 1 : 0;
        return true;
    }
    const size_t n = t.find('n');
    if (n == std::string::npos) {
        const auto v = integer(t);
        a = 0;
        b = v.value_or(0);
        return v.has_value();
    }
    const std::string_view coefficient = trim(std::string_view(t).substr(0, n));
    if (coefficient.empty() || coefficient == "+" || coefficient == "-") {
        a = coefficient == "-" ? -1 : 1;
    } else if (auto v = integer(coefficient)) {
        a = *v;
    } else {
        return false;
    }
    std::string rest(trim(std::string_view(t).substr(n + 1)));
    if (rest.empty()) {
        b = 0;
        return true;
    }
    if (rest[0] != '+' && rest[0] != '-')
        return false;
    const bool negative = rest[0] == '-';
    const auto v = integer(std::string_view(rest).substr(1));
    if (!v || (*v < 0 && !negative) || std::string_view(rest).substr(1).find_first_of("+-") != std::string_view::npos)
        return false;
    b = negative ? -*v : *v;
    return true;
}

// Whether some n >= 0 gives a·n + b = index.
bool nthMatches(int a, int b, int index)
{
    if (a == 0)
        return index == b;
    const long diff = static_cast<long>(index) - b;
    return diff % a == 0 && diff / a >= 0;
}

// The language of an element: its own xml:lang or lang, or its nearest
// ancestor's.
std::string_view languageOf(pugi::xml_node n)
{
    for (; n && n.type() == pugi::node_element; n = n.parent()) {
        if (const pugi::xml_attribute a = n.attribute("xml:lang"))
            return a.value();
        if (const pugi::xml_attribute a = n.attribute("lang"))
            return a.value();
    }
    return {};
}

bool isEmpty(const pugi::xml_node& n)
{
    for (const pugi::xml_node& c : n.children())
        if (c.type() == pugi::node_element || c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata)
            return false;
    return true;
}

} // namespace

std::optional<SimplePseudoClass> readPseudoClass(std::string name, std::optional<std::string_view> argument)
{
    SimplePseudoClass p{std::move(name), 0, 0, {}};
    const auto among = [&](const auto& names) {
        return std::find(std::begin(names), std::end(names), p.name) != std::end(names);
    };
    if (!argument)
        return among(kWithoutArgument) ? std::optional(p) : std::nullopt;
    if (among(kNth))
        return readNth(*argument, p.a, p.b) ? std::optional(p) : std::nullopt;
    if (p.name == "lang") {
        // One language or a comma-separated list of them, any of which matches.
        std::string_view rest = *argument;
        while (true) {
            const size_t comma = rest.find(',');
            std::string_view l = trim(rest.substr(0, comma));
            if (l.size() >= 2 && (l.front() == '"' || l.front() == '\'') && l.back() == l.front())
                l = l.substr(1, l.size() - 2);
            if (l.empty())
                return std::nullopt;
            p.languages.push_back(lower(l));
            if (comma == std::string_view::npos)
                return p;
            rest.remove_prefix(comma + 1);
        }
    }
    return std::nullopt;
}

SiblingPositions::Position SiblingPositions::of(const pugi::xml_node& element)
{
    if (auto it = known_.find(element.internal_object()); it != known_.end())
        return it->second;
    // Count the whole family once.
    std::vector<pugi::xml_node> family;
    for (pugi::xml_node c = element.parent().first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element)
            family.push_back(c);
    std::map<std::string_view, int> seen, total;
    for (const pugi::xml_node& c : family)
        ++total[localName(c)];
    for (size_t i = 0; i < family.size(); ++i) {
        const std::string_view type = localName(family[i]);
        const int ofType = ++seen[type];
        known_[family[i].internal_object()] = {static_cast<int>(i + 1), static_cast<int>(family.size() - i), ofType,
                                               total[type] - ofType + 1};
    }
    return known_[element.internal_object()];
}

bool pseudoClassMatches(const SimplePseudoClass& p, const pugi::xml_node& n, SiblingPositions& positions)
{
    const std::string_view name = p.name;
    if (name == "root")
        return n.parent().type() != pugi::node_element;
    if (name == "empty")
        return isEmpty(n);
    if (name == "link")
        return localName(n) == "a" && (n.attribute("href") || n.attribute("xlink:href"));
    if (name == "lang") {
        const std::string l = lower(languageOf(n));
        return std::any_of(p.languages.begin(), p.languages.end(), [&](const std::string& range) {
            return l == range || (l.starts_with(range) && l[range.size()] == '-');
        });
    }
    const SiblingPositions::Position at = positions.of(n);
    if (name == "first-child")
        return at.index == 1;
    if (name == "last-child")
        return at.fromEnd == 1;
    if (name == "only-child")
        return at.index == 1 && at.fromEnd == 1;
    if (name == "first-of-type")
        return at.ofType == 1;
    if (name == "last-of-type")
        return at.ofTypeFromEnd == 1;
    if (name == "only-of-type")
        return at.ofType == 1 && at.ofTypeFromEnd == 1;
    if (name == "nth-child")
        return nthMatches(p.a, p.b, at.index);
    if (name == "nth-last-child")
        return nthMatches(p.a, p.b, at.fromEnd);
    if (name == "nth-of-type")
        return nthMatches(p.a, p.b, at.ofType);
    if (name == "nth-last-of-type")
        return nthMatches(p.a, p.b, at.ofTypeFromEnd);
    return false;
}

} // namespace tovrins::host::css
