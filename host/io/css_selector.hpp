// CSS selectors over an SVG tree: type, universal, class, id and attribute
// selectors, the four combinators, and the structural pseudo-classes
// :root, :first-child, :last-child and :only-child.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <pugixml.hpp>

namespace tovrins::host::css {

// (ids, classes + attributes + pseudo-classes, types), compared in order.
using Specificity = std::array<int, 3>;

struct AttributeTest {
    std::string name;
    char op = 0; // 0 for presence, '=' or the first character of ~= |= ^= $= *=
    std::string value;
};

struct Compound {
    std::string type; // empty for any element
    std::vector<std::string> ids, classes, pseudoClasses;
    std::vector<AttributeTest> attributes;
};

enum class Combinator { Descendant, Child, NextSibling, SubsequentSibling };

struct Selector {
    std::vector<Compound> compounds;       // left to right
    std::vector<Combinator> combinators;   // between compounds i and i + 1
    Specificity specificity{};
};

// Why a selector list cannot be used: what it holds that we do not apply
// ("pseudo-class :hover"), or "malformed selector".
struct Unsupported {
    std::string kind;
};

// A selector list ("a, b > c"); one selector we cannot use makes the whole
// list unusable, as one invalid selector drops a rule in browsers.
std::variant<std::vector<Selector>, Unsupported> parseSelectors(std::string_view text);

// Whether `element` matches; element names compare without an "svg:" prefix.
bool matches(const Selector& selector, const pugi::xml_node& element);

} // namespace tovrins::host::css
