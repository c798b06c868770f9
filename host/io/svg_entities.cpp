#include "host/io/svg_entities.hpp"

#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>

namespace tovrins::host {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == ':' || c == '-' || c == '.' ||
        static_cast<unsigned char>(c) >= 0x80;
}

struct Entity {
    std::string value; // as declared
    bool external = false;
    std::optional<std::string> expanded;
    bool expanding = false;
};

// The position after the end of the markup item starting at `i` ("<!--",
// "<?", "<![CDATA[", or a declaration honouring quotes); npos if unfinished.
size_t itemEnd(std::string_view s, size_t i)
{
    auto after = [&](std::string_view close) {
        const size_t e = s.find(close, i);
        return e == std::string_view::npos ? e : e + close.size();
    };
    if (s.substr(i).starts_with("<!--"))
        return after("-->");
    if (s.substr(i).starts_with("<![CDATA["))
        return after("]]>");
    if (s.substr(i).starts_with("<?"))
        return after("?>");
    for (size_t j = i + 1; j < s.size(); ++j) {
        if (s[j] == '"' || s[j] == '\'') {
            j = s.find(s[j], j + 1);
            if (j == std::string_view::npos)
                return j;
        } else if (s[j] == '>') {
            return j + 1;
        }
    }
    return std::string_view::npos;
}

class Expander {
public:
    explicit Expander(std::vector<std::string>& warnings) : warnings_(warnings) { }

    // Reads the <!ENTITY> declarations of the internal subset.
    void declare(std::string_view subset)
    {
        size_t i = 0;
        while (i < subset.size()) {
            if (subset[i] != '<') {
                ++i;
                continue;
            }
            const size_t end = itemEnd(subset, i);
            if (end == std::string_view::npos)
                return;
            if (subset.substr(i).starts_with("<!ENTITY"))
                entity(subset.substr(i + 8, end - i - 9));
            i = end;
        }
    }

    // The text with the references in content and attribute values replaced.
    std::string expandBody(std::string_view s)
    {
        std::string out;
        out.reserve(s.size());
        size_t i = 0;
        while (i < s.size()) {
            const char c = s[i];
            if (c == '<') {
                const bool tag = !s.substr(i).starts_with("<!") && !s.substr(i).starts_with("<?");
                size_t end = itemEnd(s, i);
                if (end == std::string_view::npos)
                    end = s.size();
                if (tag)
                    expandTag(s.substr(i, end - i), out);
                else
                    out.append(s.substr(i, end - i));
                i = end;
            } else if (c == '&') {
                i = reference(s, i, out, false);
            } else {
                out += c;
                ++i;
            }
        }
        return out;
    }

private:
    // "[%] name (\"value\" | SYSTEM ... | PUBLIC ...)"
    void entity(std::string_view d)
    {
        size_t i = 0;
        auto space = [&] {
            while (i < d.size() && isSpace(d[i]))
                ++i;
        };
        space();
        if (i < d.size() && d[i] == '%')
            return; // parameter entities only shape the DTD, which we do not read
        const size_t nameStart = i;
        while (i < d.size() && isNameChar(d[i]))
            ++i;
        const std::string name(d.substr(nameStart, i - nameStart));
        space();
        if (name.empty() || i >= d.size() || entities_.contains(name))
            return; // the first declaration of a name binds
        Entity e;
        if (d[i] == '"' || d[i] == '\'') {
            const size_t close = d.find(d[i], i + 1);
            if (close == std::string_view::npos)
                return;
            e.value = std::string(d.substr(i + 1, close - i - 1));
        } else {
            e.external = true;
        }
        entities_.emplace(name, std::move(e));
    }

    // The expansion of a declared entity, computed once.
    const std::string& expansion(const std::string& name, Entity& e, int depth)
    {
        if (e.expanded)
            return *e.expanded;
        if (e.expanding)
            throw std::runtime_error("has an entity \"" + name + "\" that refers to itself");
        if (depth > kMaxEntityNesting)
            throw std::runtime_error("nests entities more than " + std::to_string(kMaxEntityNesting) + " deep");
        e.expanding = true;
        std::string out;
        const std::string_view v = e.value;
        for (size_t i = 0; i < v.size();) {
            if (v[i] == '&') {
                i = reference(v, i, out, false, depth + 1);
            } else {
                out += v[i++];
            }
            if (out.size() > kMaxEntityExpansion)
                tooLarge();
        }
        e.expanding = false;
        e.expanded = std::move(out);
        return *e.expanded;
    }

    [[noreturn]] static void tooLarge()
    {
        throw std::runtime_error("declares entities that expand to more than " +
                                 std::to_string(kMaxEntityExpansion >> 20) +
                                 " MiB of text, which looks like an entity bomb; it was not read");
    }

    // Replaces the reference at s[i] ("&name;") into `out`; returns the
    // position after it. Character references, the predefined entities and
    // names nobody declared are copied as they stand.
    size_t reference(std::string_view s, size_t i, std::string& out, bool inAttribute, int depth = 0)
    {
        size_t j = i + 1;
        while (j < s.size() && j - i < 256 && isNameChar(s[j]))
            ++j;
        const std::string name(s.substr(i + 1, j - i - 1));
        auto it = j < s.size() && s[j] == ';' ? entities_.find(name) : entities_.end();
        if (it == entities_.end()) {
            out += '&';
            return i + 1;
        }
        Entity& e = it->second;
        if (e.external) {
            if (warnedExternal_.insert(name).second)
                warnings_.push_back("did not read the external entity \"" + name + "\"; its references are left out");
            return j + 1;
        }
        const std::string& text = expansion(name, e, depth);
        added_ += text.size();
        if (added_ > kMaxEntityExpansion)
            tooLarge();
        if (!inAttribute) {
            out += text;
            return j + 1;
        }
        // In an attribute value the replacement is text: quotes and "<"
        // must not end or break the value.
        for (char c : text)
            out += c == '"' ? "&quot;" : c == '\'' ? "&apos;" : c == '<' ? "&lt;" : std::string(1, c);
        return j + 1;
    }

    void expandTag(std::string_view tag, std::string& out)
    {
        char quote = 0;
        for (size_t i = 0; i < tag.size();) {
            const char c = tag[i];
            if (quote && c == '&') {
                i = reference(tag, i, out, true);
                continue;
            }
            if (c == '"' || c == '\'')
                quote = quote == c ? 0 : quote ? quote : c;
            out += c;
            ++i;
        }
    }

    std::vector<std::string>& warnings_;
    std::map<std::string, Entity> entities_;
    std::set<std::string> warnedExternal_;
    size_t added_ = 0;
};

// The prolog ends where the root element starts; the doctype sits in it.
struct Doctype {
    size_t end = 0;          // after its ">"
    std::string_view subset; // the internal subset, between [ and ]
};

std::optional<Doctype> findDoctype(std::string_view s)
{
    size_t i = 0;
    while (i < s.size()) {
        if (isSpace(s[i])) {
            ++i;
            continue;
        }
        if (s.substr(i).starts_with("<!DOCTYPE")) {
            const size_t open = s.find_first_of("[>", i);
            if (open == std::string_view::npos || s[open] == '>')
                return std::nullopt; // no internal subset
            const size_t close = s.find("]", open);
            // A "]" inside an entity value would end the subset early; the
            // quoted-aware scan below finds the true end.
            size_t j = open + 1;
            while (j < s.size() && s[j] != ']') {
                const size_t end = s[j] == '<' ? itemEnd(s, j) : j + 1;
                if (end == std::string_view::npos)
                    return std::nullopt;
                j = end;
            }
            if (close == std::string_view::npos || j >= s.size())
                return std::nullopt;
            const size_t gt = s.find('>', j);
            if (gt == std::string_view::npos)
                return std::nullopt;
            return Doctype{gt + 1, s.substr(open + 1, j - open - 1)};
        }
        if (!s.substr(i).starts_with("<?") && !s.substr(i).starts_with("<!--"))
            return std::nullopt;
        const size_t end = itemEnd(s, i);
        if (end == std::string_view::npos)
            return std::nullopt;
        i = end;
    }
    return std::nullopt;
}

} // namespace

std::string expandDtdEntities(std::string_view text, std::vector<std::string>& warnings)
{
    const auto doctype = findDoctype(text);
    if (!doctype || doctype->subset.find("<!ENTITY") == std::string_view::npos)
        return std::string(text);
    Expander expander(warnings);
    expander.declare(doctype->subset);
    std::string out(text.substr(0, doctype->end));
    out += expander.expandBody(text.substr(doctype->end));
    return out;
}

} // namespace tovrins::host
