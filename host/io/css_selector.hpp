// CSS selectors over an SVG tree: type, universal, class, id and attribute
// selectors, the four combinators, :not() of simple selectors and the
// pseudo-classes a static picture can answer (see css_pseudo_class.hpp).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

#include <pugixml.hpp>

#include "host/io/css_pseudo_class.hpp"

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
    std::vector<std::string> ids, classes;
    std::vector<AttributeTest> attributes;
    std::vector<SimplePseudoClass> pseudoClasses;
    // Each :not(a, b): the element must match none of its compounds.
    std::vector<std::vector<Compound>> negations;
};

enum class Combinator { Descendant, Child, NextSibling, SubsequentSibling };

struct Selector {
    std::vector<Compound> compounds;     // left to right
    std::vector<Combinator> combinators; // between compounds i and i + 1
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

// Matches one selector against the elements of a tree that does not change
// meanwhile, remembering what it found about each (compound, node) pair, so
// that descendant and sibling combinators cost time linear in the tree even
// on a deep or wide one ("g g g g rect", "rect ~ g" over 10⁵ siblings).
// Element names compare without an "svg:" prefix.
class SelectorMatcher {
public:
    explicit SelectorMatcher(const Selector& selector);
    bool matches(const pugi::xml_node& element);

private:
    using Key = std::pair<size_t, const void*>; // compound, node
    struct KeyHash {
        size_t operator()(const Key& k) const { return std::hash<const void*>()(k.second) * 31 + k.first; }
    };
    bool at(size_t i, const pugi::xml_node& n);
    bool before(size_t i, const pugi::xml_node& n);
    bool anyAlong(size_t i, pugi::xml_node from, pugi::xml_node (*step)(const pugi::xml_node&),
                  std::unordered_map<Key, bool, KeyHash>& memo);

    const Selector& s_;
    std::unordered_map<Key, bool, KeyHash> at_, ancestors_, siblings_;
    SiblingPositions positions_;
};

// One match on its own, for a single question.
bool matches(const Selector& selector, const pugi::xml_node& element);

} // namespace tovrins::host::css
