// Reading CSS text: style sheets into rules and declaration blocks (a
// sheet's rule bodies and style="" attributes) into declarations.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tovrins::host::css {

// s without CSS white space (space, tab, line feed, carriage return, form
// feed) at either end.
std::string_view trim(std::string_view s);

struct Declaration {
    std::string name;  // in lower case, as property names ignore ASCII case
    std::string value; // trimmed, without "!important"
    bool important = false;
};

struct Rule {
    std::string selectors; // the prelude, as written
    std::vector<Declaration> declarations;
};

struct StyleSheet {
    std::vector<Rule> rules;
    // The at-rules the sheet holds other than @charset ("@media", "@import",
    // ...), one entry each, in lower case; nothing of them is applied.
    std::vector<std::string> atRules;
};

// Comments, strings, escapes, nested blocks and the "<!--"/"-->" markers of
// old sheets are handled; a rule without its closing brace ends the sheet,
// as in browsers. @import is recorded, never fetched.
StyleSheet parseStyleSheet(std::string_view text);

// "a: b; c: d !important"; declarations without a name or a value are left
// out, as browsers leave them out.
std::vector<Declaration> parseDeclarations(std::string_view block);

} // namespace tovrins::host::css
