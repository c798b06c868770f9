#include "host/io/css_cascade.hpp"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <variant>

#include "host/io/css_parser.hpp"
#include "host/io/css_selector.hpp"
#include "host/io/svg_attributes.hpp"

namespace tovrins::host {

namespace {

using svg::localName;

using namespace css;

// A rule we apply, with its place in the cascade.
struct AppliedRule {
    std::vector<Selector> selectors;
    const std::vector<Declaration>* declarations;
    size_t order; // source order over all sheets
};

// One sheet element and what we read of it.
struct Sheet {
    pugi::xml_node element;
    StyleSheet parsed;
    bool fullyApplied = true;
};

// Where a declaration comes from, weakest first; the cascade compares
// (origin, specificity, order).
enum class Origin { SheetNormal, StyleNormal, SheetImportant, StyleImportant };

struct Candidate {
    Origin origin;
    Specificity specificity;
    size_t order;
    std::string value;
    auto key() const { return std::tie(origin, specificity, order); }
    bool important() const { return origin >= Origin::SheetImportant; }
};

std::string lower(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

// A media list a screen rendering satisfies: empty, "all" or "screen".
bool forScreen(std::string_view media)
{
    const std::string m = lower(svg::trim(media));
    if (m.empty())
        return true;
    size_t i = 0;
    while (i <= m.size()) {
        const size_t comma = std::min(m.find(',', i), m.size());
        const std::string_view entry = svg::trim(std::string_view(m).substr(i, comma - i));
        if (entry == "all" || entry == "screen")
            return true;
        i = comma + 1;
    }
    return false;
}

std::string sheetText(const pugi::xml_node& style)
{
    std::string text;
    for (const pugi::xml_node& c : style.children())
        if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata)
            text += c.value();
    return text;
}

// Selectors filed under what their rightmost compound asks for (an id, a
// class, a type), so that an element is tried only against the selectors
// that could match it: a sheet of a thousand classes costs each element a
// lookup, not a thousand matches.
class SelectorIndex {
public:
    using Entry = std::pair<size_t, size_t>; // rule, selector

    void add(Entry e, const Compound& rightmost)
    {
        if (!rightmost.ids.empty())
            byId_[rightmost.ids.front()].push_back(e);
        else if (!rightmost.classes.empty())
            byClass_[rightmost.classes.front()].push_back(e);
        else if (!rightmost.type.empty())
            byType_[rightmost.type].push_back(e);
        else
            universal_.push_back(e);
    }

    // In rule order.
    std::vector<Entry> candidates(const pugi::xml_node& n) const
    {
        std::vector<Entry> out = universal_;
        auto take = [&](const std::unordered_map<std::string, std::vector<Entry>>& from, const std::string& key) {
            if (auto it = from.find(key); it != from.end())
                out.insert(out.end(), it->second.begin(), it->second.end());
        };
        if (const char* id = n.attribute("id").value(); *id)
            take(byId_, id);
        std::string_view classes = n.attribute("class").value();
        while (!classes.empty()) {
            const size_t start = classes.find_first_not_of(" \t\r\n\f");
            if (start == std::string_view::npos)
                break;
            classes.remove_prefix(start);
            const size_t end = std::min(classes.find_first_of(" \t\r\n\f"), classes.size());
            take(byClass_, std::string(classes.substr(0, end)));
            classes.remove_prefix(end);
        }
        take(byType_, std::string(localName(n)));
        std::sort(out.begin(), out.end());
        out.erase(std::unique(out.begin(), out.end()), out.end());
        return out;
    }

private:
    std::unordered_map<std::string, std::vector<Entry>> byId_, byClass_, byType_;
    std::vector<Entry> universal_;
};

// The walk is a loop, not a recursion: the cascade runs before the importer
// refuses trees nested too deep, and must not run out of stack on them.
pugi::xml_node nextInDocumentOrder(pugi::xml_node n)
{
    if (n.first_child())
        return n.first_child();
    for (; n; n = n.parent())
        if (n.next_sibling())
            return n.next_sibling();
    return {};
}

class Cascade {
public:
    explicit Cascade(std::vector<std::string>& warnings) : warnings_(warnings) { }

    void read(pugi::xml_document& document)
    {
        collectSheets(document);
        for (Sheet& sheet : sheets_)
            readSheet(sheet);
    }

    // Styles are written once every element is matched: a selector such as
    // [style] must see the tree as the file has it.
    void apply(const pugi::xml_document& document)
    {
        for (const AppliedRule& rule : rules_)
            matchers_.emplace_back(rule.selectors.begin(), rule.selectors.end());
        std::vector<std::pair<pugi::xml_node, std::string>> styles;
        for (pugi::xml_node n = document.first_child(); n; n = nextInDocumentOrder(n))
            if (n.type() == pugi::node_element && localName(n) != "style")
                if (auto style = cascadedStyle(n))
                    styles.emplace_back(n, std::move(*style));
        for (auto& [n, style] : styles) {
            pugi::xml_attribute a = n.attribute("style");
            if (!a)
                a = n.append_attribute("style");
            a.set_value(style.c_str());
        }
    }

    // `keepSheets`: the sheets also style content the file brings in from
    // elsewhere, so they stay even where everything here took them in.
    void finish(bool keepSheets)
    {
        for (const Sheet& sheet : sheets_)
            if (sheet.fullyApplied && !keepSheets)
                sheet.element.parent().remove_child(sheet.element);
        for (const auto& [what, count] : skipped_) {
            const auto& [noun, kind] = what;
            const bool one = count == 1;
            warnings_.push_back("kept " + std::to_string(count) + " " + noun + (one ? "" : "s") + " with " + kind +
                                " in place without applying " + (one ? "it" : "them"));
        }
    }

    bool empty() const { return sheets_.empty(); }

private:
    void collectSheets(const pugi::xml_document& document)
    {
        for (pugi::xml_node n = document.first_child(); n; n = nextInDocumentOrder(n))
            if (n.type() == pugi::node_element && localName(n) == "style")
                sheets_.push_back({n, {}, true});
    }

    // `noun` is "style rule" or "style sheet": one warning per kind of thing.
    void skip(Sheet& sheet, const std::string& kind, const char* noun = "style rule")
    {
        sheet.fullyApplied = false;
        ++skipped_[{noun, kind}];
    }

    void readSheet(Sheet& sheet)
    {
        const std::string type = lower(svg::trim(sheet.element.attribute("type").value()));
        if (!type.empty() && type != "text/css" && !type.starts_with("text/css;")) {
            skip(sheet, "the type \"" + type + "\"", "style sheet");
            return;
        }
        if (!forScreen(sheet.element.attribute("media").value())) {
            skip(sheet, "media other than the screen", "style sheet");
            return;
        }
        sheet.parsed = parseStyleSheet(sheetText(sheet.element));
        for (const std::string& at : sheet.parsed.atRules)
            skip(sheet, at);
        for (const Rule& rule : sheet.parsed.rules) {
            auto selectors = parseSelectors(rule.selectors);
            if (auto* u = std::get_if<Unsupported>(&selectors))
                skip(sheet, u->kind);
            else
                addRule(std::move(std::get<std::vector<Selector>>(selectors)), rule.declarations);
        }
    }

    void addRule(std::vector<Selector> selectors, const std::vector<Declaration>& declarations)
    {
        const size_t order = rules_.size();
        for (size_t i = 0; i < selectors.size(); ++i)
            index_.add({order, i}, selectors[i].compounds.back());
        rules_.push_back({std::move(selectors), &declarations, order});
    }

    // The element's new style="", or nullopt when no rule matches it.
    std::optional<std::string> cascadedStyle(const pugi::xml_node& n)
    {
        std::map<std::string, Candidate> winners;
        auto offer = [&](const Declaration& d, Candidate c) {
            auto [it, fresh] = winners.try_emplace(d.name, c);
            if (!fresh && it->second.key() < c.key())
                it->second = std::move(c);
        };
        bool matched = false;
        const std::vector<SelectorIndex::Entry> candidates = index_.candidates(n);
        for (size_t c = 0; c < candidates.size();) {
            const AppliedRule& rule = rules_[candidates[c].first];
            // A rule counts with the most specific of its selectors that match.
            std::optional<Specificity> best;
            for (; c < candidates.size() && candidates[c].first == rule.order; ++c) {
                const Selector& s = rule.selectors[candidates[c].second];
                if ((!best || *best < s.specificity) && matchers_[rule.order][candidates[c].second].matches(n))
                    best = s.specificity;
            }
            if (!best)
                continue;
            matched = true;
            for (const Declaration& d : *rule.declarations)
                offer(d, {d.important ? Origin::SheetImportant : Origin::SheetNormal, *best, rule.order, d.value});
        }
        if (!matched)
            return std::nullopt;
        const std::vector<Declaration> own = parseDeclarations(n.attribute("style").value());
        for (size_t i = 0; i < own.size(); ++i)
            offer(own[i], {own[i].important ? Origin::StyleImportant : Origin::StyleNormal, {}, i, own[i].value});
        return styleText(own, winners);
    }

    // The element's own declarations keep their order; the sheets' winners
    // follow in name order. An !important winner stays marked so that a
    // renderer reading a sheet that was kept still sees it win.
    static std::string styleText(const std::vector<Declaration>& own, std::map<std::string, Candidate>& winners)
    {
        std::string style;
        auto write = [&](const std::string& name, const Candidate& c) {
            if (!style.empty())
                style += ';';
            style += name + ':' + c.value + (c.important() ? " !important" : "");
        };
        for (const Declaration& d : own)
            if (auto it = winners.find(d.name); it != winners.end()) {
                write(d.name, it->second);
                winners.erase(it);
            }
        for (const auto& [name, c] : winners)
            write(name, c);
        return style;
    }

    std::vector<std::string>& warnings_;
    std::vector<Sheet> sheets_;
    std::vector<AppliedRule> rules_;
    std::vector<std::vector<SelectorMatcher>> matchers_; // per rule, per selector
    SelectorIndex index_;
    std::map<std::pair<std::string, std::string>, size_t> skipped_;
};

// The inherited properties of SVG and the CSS it uses.
constexpr std::string_view kInherited[] = {
    "clip-rule",
    "color",
    "color-interpolation",
    "color-interpolation-filters",
    "color-profile",
    "color-rendering",
    "cursor",
    "direction",
    "dominant-baseline",
    "fill",
    "fill-opacity",
    "fill-rule",
    "font",
    "font-family",
    "font-feature-settings",
    "font-kerning",
    "font-size",
    "font-size-adjust",
    "font-stretch",
    "font-style",
    "font-variant",
    "font-variant-caps",
    "font-variant-east-asian",
    "font-variant-ligatures",
    "font-variant-numeric",
    "font-weight",
    "glyph-orientation-horizontal",
    "glyph-orientation-vertical",
    "image-rendering",
    "kerning",
    "letter-spacing",
    "line-height",
    "marker",
    "marker-end",
    "marker-mid",
    "marker-start",
    "paint-order",
    "pointer-events",
    "shape-rendering",
    "stroke",
    "stroke-dasharray",
    "stroke-dashoffset",
    "stroke-linecap",
    "stroke-linejoin",
    "stroke-miterlimit",
    "stroke-opacity",
    "stroke-width",
    "text-anchor",
    "text-orientation",
    "text-rendering",
    "visibility",
    "white-space",
    "word-spacing",
    "writing-mode",
};

} // namespace

void applyStyleSheets(pugi::xml_document& document, std::vector<std::string>& warnings)
{
    Cascade cascade(warnings);
    cascade.read(document);
    if (cascade.empty())
        return;
    cascade.apply(document);
    bool includes = false;
    for (pugi::xml_node n = document.first_child(); n && !includes; n = nextInDocumentOrder(n))
        includes = n.type() == pugi::node_element && std::string_view(n.name()).ends_with(":include");
    cascade.finish(includes);
}

bool isInheritedProperty(std::string_view name)
{
    return std::find(std::begin(kInherited), std::end(kInherited), name) != std::end(kInherited);
}

} // namespace tovrins::host
