#include "css_cascade.hpp"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <tuple>
#include <variant>

#include "css_parser.hpp"
#include "css_selector.hpp"

namespace tovrins::host {

namespace {

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
    bool important;
    auto key() const { return std::tie(origin, specificity, order); }
};

std::string lower(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

std::string trimmed(std::string_view s)
{
    const size_t b = s.find_first_not_of(" \t\r\n\f");
    if (b == std::string_view::npos)
        return {};
    return std::string(s.substr(b, s.find_last_not_of(" \t\r\n\f") - b + 1));
}

// A media list a screen rendering satisfies: empty, "all" or "screen".
bool forScreen(std::string_view media)
{
    const std::string m = lower(trimmed(media));
    if (m.empty())
        return true;
    size_t i = 0;
    while (i <= m.size()) {
        const size_t comma = std::min(m.find(',', i), m.size());
        const std::string entry = trimmed(std::string_view(m).substr(i, comma - i));
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

std::string_view localName(const pugi::xml_node& n)
{
    std::string_view name = n.name();
    if (name.starts_with("svg:"))
        name.remove_prefix(4);
    return name;
}

class Cascade {
public:
    explicit Cascade(std::vector<std::string>& warnings) : warnings_(warnings) {}

    void read(pugi::xml_document& document)
    {
        collectSheets(document);
        for (Sheet& sheet : sheets_)
            readSheet(sheet);
    }

    void apply(pugi::xml_node n)
    {
        for (; n; n = n.next_sibling()) {
            if (n.type() != pugi::node_element || localName(n) == "style")
                continue;
            applyTo(n);
            apply(n.first_child());
        }
    }

    void finish()
    {
        for (const Sheet& sheet : sheets_)
            if (sheet.fullyApplied)
                sheet.element.parent().remove_child(sheet.element);
        for (const auto& [kind, count] : skipped_)
            warnings_.push_back("kept " + std::to_string(count) + " style " + (count == 1 ? "rule" : "rules") +
                                " with " + kind + " in place without applying " + (count == 1 ? "it" : "them"));
    }

    bool empty() const { return sheets_.empty(); }

private:
    void collectSheets(const pugi::xml_node& n)
    {
        for (const pugi::xml_node& c : n.children()) {
            if (c.type() != pugi::node_element)
                continue;
            if (localName(c) == "style")
                sheets_.push_back({c, {}, true});
            else
                collectSheets(c);
        }
    }

    void skip(Sheet& sheet, const std::string& kind, size_t count = 1)
    {
        sheet.fullyApplied = false;
        skipped_[kind] += count;
    }

    void readSheet(Sheet& sheet)
    {
        const std::string type = lower(trimmed(sheet.element.attribute("type").value()));
        if (!type.empty() && type != "text/css" && !type.starts_with("text/css;")) {
            skip(sheet, "the type \"" + type + "\"");
            return;
        }
        if (!forScreen(sheet.element.attribute("media").value())) {
            skip(sheet, "a media list other than screen");
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
                rules_.push_back({std::move(std::get<std::vector<Selector>>(selectors)), &rule.declarations,
                                  rules_.size()});
        }
    }

    void applyTo(pugi::xml_node n)
    {
        std::map<std::string, Candidate> winners;
        auto offer = [&](const Declaration& d, Candidate c) {
            auto [it, fresh] = winners.try_emplace(d.name, c);
            if (!fresh && it->second.key() < c.key())
                it->second = std::move(c);
        };
        bool matched = false;
        for (const AppliedRule& rule : rules_) {
            std::optional<Specificity> best;
            for (const Selector& s : rule.selectors)
                if ((!best || *best < s.specificity) && matches(s, n))
                    best = s.specificity;
            if (!best)
                continue;
            matched = true;
            for (const Declaration& d : *rule.declarations)
                offer(d, {d.important ? Origin::SheetImportant : Origin::SheetNormal, *best, rule.order, d.value,
                          d.important});
        }
        if (!matched)
            return;
        const std::vector<Declaration> own = parseDeclarations(n.attribute("style").value());
        for (size_t i = 0; i < own.size(); ++i)
            offer(own[i], {own[i].important ? Origin::StyleImportant : Origin::StyleNormal, {}, i, own[i].value,
                           own[i].important});
        writeStyle(n, own, winners);
    }

    // The element's own declarations keep their order; the sheets' winners
    // follow in name order. An !important winner stays marked so that a
    // renderer reading a sheet that was kept still sees it win.
    static void writeStyle(pugi::xml_node n, const std::vector<Declaration>& own,
                           std::map<std::string, Candidate>& winners)
    {
        std::string style;
        auto write = [&](const std::string& name, const Candidate& c) {
            if (!style.empty())
                style += ';';
            style += name + ':' + c.value + (c.important ? " !important" : "");
        };
        for (const Declaration& d : own)
            if (auto it = winners.find(d.name); it != winners.end()) {
                write(d.name, it->second);
                winners.erase(it);
            }
        for (const auto& [name, c] : winners)
            write(name, c);
        pugi::xml_attribute a = n.attribute("style");
        if (!a)
            a = n.append_attribute("style");
        a.set_value(style.c_str());
    }

    std::vector<std::string>& warnings_;
    std::vector<Sheet> sheets_;
    std::vector<AppliedRule> rules_;
    std::map<std::string, size_t> skipped_;
};

// The inherited properties of SVG and the CSS it uses.
constexpr std::string_view kInherited[] = {
    "clip-rule", "color", "color-interpolation", "color-interpolation-filters", "color-profile",
    "color-rendering", "cursor", "direction", "dominant-baseline", "fill", "fill-opacity", "fill-rule",
    "font", "font-family", "font-feature-settings", "font-kerning", "font-size", "font-size-adjust",
    "font-stretch", "font-style", "font-variant", "font-variant-caps", "font-variant-east-asian",
    "font-variant-ligatures", "font-variant-numeric", "font-weight", "glyph-orientation-horizontal",
    "glyph-orientation-vertical", "image-rendering", "kerning", "letter-spacing", "line-height", "marker",
    "marker-end", "marker-mid", "marker-start", "paint-order", "pointer-events", "shape-rendering", "stroke",
    "stroke-dasharray", "stroke-dashoffset", "stroke-linecap", "stroke-linejoin", "stroke-miterlimit",
    "stroke-opacity", "stroke-width", "text-anchor", "text-orientation", "text-rendering", "visibility",
    "white-space", "word-spacing", "writing-mode",
};

} // namespace

void applyStyleSheets(pugi::xml_document& document, std::vector<std::string>& warnings)
{
    Cascade cascade(warnings);
    cascade.read(document);
    if (cascade.empty())
        return;
    cascade.apply(document.first_child());
    cascade.finish();
}

bool isInheritedProperty(std::string_view name)
{
    return std::find(std::begin(kInherited), std::end(kInherited), name) != std::end(kInherited);
}

} // namespace tovrins::host
