#include "host/io/css_selector.hpp"
#include "host/io/svg_attributes.hpp"

#include <algorithm>
#include <cctype>
#include <optional>
#include <set>
#include <utility>

namespace tovrins::host::css {

namespace {

using svg::localName;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
// Identifier characters; escapes and non-ASCII names are not supported.
bool isNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

constexpr size_t kMaxCompounds = 64;

class SelectorReader {
public:
    explicit SelectorReader(std::string_view s) : s_(s) { }

    // One complex selector up to a comma or the end.
    std::optional<Selector> selector()
    {
        Selector out;
        skipSpace();
        while (true) {
            // Matching recurses once per compound; no real sheet comes near.
            if (out.compounds.size() >= kMaxCompounds) {
                unsupported = "a selector of more than " + std::to_string(kMaxCompounds) + " parts";
                return std::nullopt;
            }
            auto c = compound(out.specificity);
            if (!c)
                return std::nullopt;
            out.compounds.push_back(std::move(*c));
            const bool spaced = skipSpace();
            if (atEnd() || peek() == ',')
                return out;
            Combinator comb = Combinator::Descendant;
            if (peek() == '>' || peek() == '+' || peek() == '~') {
                comb = peek() == '>' ? Combinator::Child
                    : peek() == '+'  ? Combinator::NextSibling
                                     : Combinator::SubsequentSibling;
                ++i_;
                skipSpace();
            } else if (!spaced) {
                return std::nullopt;
            }
            out.combinators.push_back(comb);
        }
    }

    bool atEnd() const { return i_ >= s_.size(); }
    char peek() const { return s_[i_]; }
    void skip() { ++i_; }
    bool skipSpace()
    {
        const size_t from = i_;
        while (!atEnd() && isSpace(peek()))
            ++i_;
        return i_ > from;
    }
    std::string unsupported;

private:
    std::string name()
    {
        const size_t from = i_;
        while (!atEnd() && isNameChar(peek()))
            ++i_;
        return std::string(s_.substr(from, i_ - from));
    }

    std::optional<Compound> compound(Specificity& spec)
    {
        Compound c;
        bool any = false;
        if (!atEnd() && peek() == '*') {
            ++i_;
            any = true;
        } else if (!atEnd() && isNameChar(peek())) {
            c.type = name();
            ++spec[2];
            any = true;
        }
        if (!atEnd() && peek() == '|') {
            unsupported = "namespace prefix";
            return std::nullopt;
        }
        while (!atEnd()) {
            const char k = peek();
            if (k == '#' || k == '.') {
                ++i_;
                std::string n = name();
                if (n.empty())
                    return std::nullopt;
                (k == '#' ? c.ids : c.classes).push_back(std::move(n));
                ++spec[k == '#' ? 0 : 1];
            } else if (k == '[') {
                auto a = attribute();
                if (!a)
                    return std::nullopt;
                c.attributes.push_back(std::move(*a));
                ++spec[1];
            } else if (k == ':') {
                if (!pseudoClass(c, spec))
                    return std::nullopt;
            } else {
                break;
            }
            any = true;
        }
        if (!any)
            return std::nullopt;
        return c;
    }

    // ":name", ":name(argument)" or "::name" into `c`.
    bool pseudoClass(Compound& c, Specificity& spec)
    {
        ++i_;
        const bool element = !atEnd() && peek() == ':';
        if (element)
            ++i_;
        std::string p = name();
        for (char& ch : p)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        std::optional<std::string_view> argument;
        if (!atEnd() && peek() == '(') {
            size_t depth = 0, end = i_;
            for (; end < s_.size(); ++end)
                if (s_[end] == '(')
                    ++depth;
                else if (s_[end] == ')' && --depth == 0)
                    break;
            if (end >= s_.size())
                return false;
            argument = s_.substr(i_ + 1, end - i_ - 1);
            i_ = end + 1;
        }
        if (p == "not" && argument && !element)
            return negation(*argument, c, spec);
        auto simple = element ? std::nullopt : readPseudoClass(p, argument);
        if (!simple) {
            unsupported = std::string(element ? "pseudo-element ::" : "pseudo-class :") + p;
            return false;
        }
        c.pseudoClasses.push_back(std::move(*simple));
        ++spec[1];
        return true;
    }

    // :not(a, b) of compounds; it weighs as its most specific argument.
    bool negation(std::string_view argument, Compound& c, Specificity& spec)
    {
        SelectorReader inner(argument);
        std::vector<Compound> list;
        Specificity heaviest{};
        while (true) {
            inner.skipSpace();
            Specificity one{};
            auto compound = inner.compound(one);
            inner.skipSpace();
            if (!compound || (!inner.atEnd() && inner.peek() != ',')) {
                unsupported =
                    inner.unsupported.empty() ? "pseudo-class :not of more than simple selectors" : inner.unsupported;
                return false;
            }
            list.push_back(std::move(*compound));
            heaviest = std::max(heaviest, one);
            if (inner.atEnd())
                break;
            inner.skip();
        }
        for (int i = 0; i < 3; ++i)
            spec[i] += heaviest[i];
        c.negations.push_back(std::move(list));
        return true;
    }

    std::optional<AttributeTest> attribute()
    {
        ++i_; // [
        skipSpace();
        AttributeTest a;
        a.name = name();
        skipSpace();
        if (a.name.empty() || atEnd())
            return std::nullopt;
        if (peek() == '|' && (i_ + 1 >= s_.size() || s_[i_ + 1] != '=')) {
            unsupported = "namespace prefix";
            return std::nullopt;
        }
        if (peek() != ']') {
            const char op = peek();
            if (op == '=') {
                ++i_;
            } else if (std::string_view("~|^$*").find(op) != std::string_view::npos && i_ + 1 < s_.size() &&
                       s_[i_ + 1] == '=') {
                i_ += 2;
            } else {
                return std::nullopt;
            }
            a.op = op;
            skipSpace();
            if (atEnd())
                return std::nullopt;
            if (peek() == '"' || peek() == '\'') {
                const char q = peek();
                const size_t end = s_.find(q, i_ + 1);
                if (end == std::string_view::npos)
                    return std::nullopt;
                a.value = std::string(s_.substr(i_ + 1, end - i_ - 1));
                i_ = end + 1;
            } else {
                a.value = name();
                if (a.value.empty())
                    return std::nullopt;
            }
            skipSpace();
        }
        if (atEnd() || peek() != ']') {
            if (!atEnd() && std::isalpha(static_cast<unsigned char>(peek())))
                unsupported = "attribute selector flag";
            return std::nullopt;
        }
        ++i_;
        return a;
    }

    std::string_view s_;
    size_t i_ = 0;
};

// Whether the whitespace-separated list holds `word`.
bool listHolds(std::string_view list, std::string_view word)
{
    size_t i = 0;
    while (i < list.size()) {
        while (i < list.size() && isSpace(list[i]))
            ++i;
        size_t j = i;
        while (j < list.size() && !isSpace(list[j]))
            ++j;
        if (j > i && list.substr(i, j - i) == word)
            return true;
        i = j;
    }
    return false;
}

bool attributeMatches(const AttributeTest& t, const pugi::xml_node& n)
{
    const pugi::xml_attribute a = n.attribute(t.name.c_str());
    if (!a)
        return false;
    const std::string_view v = a.value(), w = t.value;
    switch (t.op) {
    case 0: return true;
    case '=': return v == w;
    case '~': return !w.empty() && listHolds(v, w) && w.find_first_of(" \t\n\r\f") == std::string_view::npos;
    case '|': return v == w || (v.starts_with(w) && v.size() > w.size() && v[w.size()] == '-');
    case '^': return !w.empty() && v.starts_with(w);
    case '$': return !w.empty() && v.ends_with(w);
    case '*': return !w.empty() && v.find(w) != std::string_view::npos;
    default: return false;
    }
}

pugi::xml_node previousElement(const pugi::xml_node& from)
{
    pugi::xml_node n;
    for (n = from.previous_sibling(); n && n.type() != pugi::node_element; n = n.previous_sibling()) { }
    return n;
}

pugi::xml_node parentElement(const pugi::xml_node& n)
{
    const pugi::xml_node p = n.parent();
    return p.type() == pugi::node_element ? p : pugi::xml_node();
}

bool compoundMatches(const Compound& c, const pugi::xml_node& n, SiblingPositions& positions)
{
    if (!c.type.empty() && localName(n) != c.type)
        return false;
    for (const std::string& id : c.ids)
        if (id != n.attribute("id").value())
            return false;
    for (const std::string& cls : c.classes)
        if (!listHolds(n.attribute("class").value(), cls))
            return false;
    for (const AttributeTest& a : c.attributes)
        if (!attributeMatches(a, n))
            return false;
    for (const SimplePseudoClass& p : c.pseudoClasses)
        if (!pseudoClassMatches(p, n, positions))
            return false;
    for (const std::vector<Compound>& negation : c.negations)
        for (const Compound& not_ : negation)
            if (compoundMatches(not_, n, positions))
                return false;
    return true;
}

} // namespace

std::variant<std::vector<Selector>, Unsupported> parseSelectors(std::string_view text)
{
    SelectorReader in(text);
    std::vector<Selector> out;
    while (true) {
        auto s = in.selector();
        if (!s)
            return Unsupported{in.unsupported.empty() ? "malformed selector" : in.unsupported};
        out.push_back(std::move(*s));
        if (in.atEnd())
            return out;
        in.skip(); // the comma
    }
}

SelectorMatcher::SelectorMatcher(const Selector& selector) : s_(selector) { }

bool SelectorMatcher::matches(const pugi::xml_node& element)
{
    return !s_.compounds.empty() && at(s_.compounds.size() - 1, element);
}

bool SelectorMatcher::at(size_t i, const pugi::xml_node& n)
{
    const Key key{i, n.internal_object()};
    if (auto it = at_.find(key); it != at_.end())
        return it->second;
    const bool ok = compoundMatches(s_.compounds[i], n, positions_) && (i == 0 || before(i, n));
    // The rightmost compound is tried once per element: no need to remember.
    if (i + 1 < s_.compounds.size())
        at_.emplace(key, ok);
    return ok;
}

bool SelectorMatcher::before(size_t i, const pugi::xml_node& n)
{
    switch (s_.combinators[i - 1]) {
    case Combinator::Child: {
        const pugi::xml_node p = parentElement(n);
        return p && at(i - 1, p);
    }
    case Combinator::NextSibling: {
        const pugi::xml_node p = previousElement(n);
        return p && at(i - 1, p);
    }
    case Combinator::Descendant: return anyAlong(i - 1, parentElement(n), parentElement, ancestors_);
    case Combinator::SubsequentSibling: return anyAlong(i - 1, previousElement(n), previousElement, siblings_);
    }
    return false;
}

// Whether compound i matches `from` or a node after it along `step`. Every
// node walked past gets the answer too, so each (compound, node) pair is
// walked once however many elements ask: a loop, linear in the tree.
bool SelectorMatcher::anyAlong(size_t i, pugi::xml_node from, pugi::xml_node (*step)(const pugi::xml_node&),
                               std::unordered_map<Key, bool, KeyHash>& memo)
{
    std::vector<const void*> walked;
    bool found = false;
    for (pugi::xml_node p = from; p; p = step(p)) {
        if (auto it = memo.find({i, p.internal_object()}); it != memo.end()) {
            found = it->second;
            break;
        }
        walked.push_back(p.internal_object());
        if (at(i, p)) {
            found = true;
            break;
        }
    }
    for (const void* w : walked)
        memo.emplace(Key{i, w}, found);
    return found;
}

bool matches(const Selector& selector, const pugi::xml_node& element)
{
    return SelectorMatcher(selector).matches(element);
}

} // namespace tovrins::host::css
