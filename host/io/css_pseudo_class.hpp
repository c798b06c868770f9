// The pseudo-classes a static picture can answer: :root, :empty, :link,
// :lang(), and the structural ones (:first-child, :nth-of-type(2n+1), ...).
// :not() lives with the selectors, as it holds selectors.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

namespace tovrins::host::css {

// A pseudo-class other than :not(), its name in lower case.
struct SimplePseudoClass {
    std::string name;
    int a = 0, b = 0;                   // :nth-*(an+b)
    std::vector<std::string> languages; // :lang(), any of them
};

// `argument` is what stood in the parentheses, nullopt without them;
// nullopt for a pseudo-class we do not answer (:hover, :focus, ...) or a
// malformed argument.
std::optional<SimplePseudoClass> readPseudoClass(std::string name, std::optional<std::string_view> argument);

// Where elements stand among their element siblings, counted from 1 at
// either end, among all and among those of their own type. Each parent's
// children are counted once, so that :nth-child stays linear on wide trees.
class SiblingPositions {
public:
    struct Position {
        int index = 0, fromEnd = 0, ofType = 0, ofTypeFromEnd = 0;
    };
    Position of(const pugi::xml_node& element);

private:
    std::unordered_map<const void*, Position> known_;
};

bool pseudoClassMatches(const SimplePseudoClass& p, const pugi::xml_node& element, SiblingPositions& positions);

} // namespace tovrins::host::css
