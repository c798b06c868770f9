#include "host/io/css_parser.hpp"

#include <algorithm>
#include <cctype>

namespace tovrins::host::css {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

} // namespace

std::string_view trim(std::string_view s)
{
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

namespace {

std::string lower(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

// The text without its comments; strings are copied as they stand.
std::string withoutComments(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            const size_t end = text.find("*/", i + 2);
            i = end == std::string_view::npos ? text.size() : end + 2;
            out += ' ';
            continue;
        }
        if (c == '"' || c == '\'') {
            size_t j = i + 1;
            while (j < text.size() && text[j] != c && text[j] != '\n') {
                if (text[j] == '\\' && j + 1 < text.size())
                    ++j;
                ++j;
            }
            j = std::min(j + 1, text.size());
            out.append(text.substr(i, j - i));
            i = j;
            continue;
        }
        if (c == '\\' && i + 1 < text.size()) {
            out.append(text.substr(i, 2));
            i += 2;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

// The position of the first of `stops` at nesting level 0 from `from`,
// skipping strings, escapes and (), [] and {} blocks; npos if none.
size_t findTopLevel(std::string_view s, size_t from, std::string_view stops)
{
    int depth = 0;
    for (size_t i = from; i < s.size(); ++i) {
        const char c = s[i];
        if (depth == 0 && stops.find(c) != std::string_view::npos)
            return i;
        if (c == '\\') {
            ++i;
        } else if (c == '"' || c == '\'') {
            ++i;
            while (i < s.size() && s[i] != c) {
                if (s[i] == '\\')
                    ++i;
                ++i;
            }
        } else if (c == '(' || c == '[' || c == '{') {
            ++depth;
        } else if ((c == ')' || c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return std::string_view::npos;
}

// The end of the block opened at `open`: the position after its brace.
size_t blockEnd(std::string_view s, size_t open)
{
    const size_t close = findTopLevel(s, open + 1, "}");
    return close == std::string_view::npos ? s.size() : close + 1;
}

} // namespace

std::vector<Declaration> parseDeclarations(std::string_view block)
{
    const std::string text = withoutComments(block);
    const std::string_view s = text;
    std::vector<Declaration> out;
    size_t i = 0;
    while (i < s.size()) {
        size_t end = findTopLevel(s, i, ";");
        if (end == std::string_view::npos)
            end = s.size();
        const std::string_view decl = s.substr(i, end - i);
        i = end + 1;
        const size_t colon = decl.find(':');
        if (colon == std::string_view::npos)
            continue;
        Declaration d{lower(trim(decl.substr(0, colon))), std::string(trim(decl.substr(colon + 1))), false};
        const size_t bang = d.value.rfind('!');
        if (bang != std::string::npos && lower(trim(std::string_view(d.value).substr(bang + 1))) == "important") {
            d.important = true;
            d.value = std::string(trim(std::string_view(d.value).substr(0, bang)));
        }
        const bool nameOk = !d.name.empty() && std::none_of(d.name.begin(), d.name.end(), [](char c) {
            return isSpace(c) || c == '{' || c == '}' || c == '"' || c == '\'';
        });
        if (nameOk && !d.value.empty())
            out.push_back(std::move(d));
    }
    return out;
}

StyleSheet parseStyleSheet(std::string_view sheetText)
{
    const std::string text = withoutComments(sheetText);
    const std::string_view s = text;
    StyleSheet sheet;
    size_t i = 0;
    while (i < s.size()) {
        if (isSpace(s[i])) {
            ++i;
            continue;
        }
        if (s.substr(i).starts_with("<!--") || s.substr(i).starts_with("-->")) {
            i += s[i] == '<' ? 4 : 3;
            continue;
        }
        const size_t stop = findTopLevel(s, i, s[i] == '@' ? ";{" : "{");
        if (stop == std::string_view::npos)
            break; // an unfinished rule at the end is dropped
        const size_t next = s[stop] == ';' ? stop + 1 : blockEnd(s, stop);
        if (s[i] == '@') {
            size_t nameEnd = i + 1;
            while (nameEnd < s.size() && (std::isalnum(static_cast<unsigned char>(s[nameEnd])) || s[nameEnd] == '-'))
                ++nameEnd;
            std::string name = lower(s.substr(i, nameEnd - i));
            if (name != "@charset")
                sheet.atRules.push_back(std::move(name));
        } else {
            const size_t bodyEnd = s[next - 1] == '}' ? next - 1 : next;
            sheet.rules.push_back(
                {std::string(trim(s.substr(i, stop - i))), parseDeclarations(s.substr(stop + 1, bodyEnd - stop - 1))});
        }
        i = next;
    }
    return sheet;
}

} // namespace tovrins::host::css
