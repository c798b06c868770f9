// Writing the document model as JSON, streamed straight into one buffer:
// no JSON tree is built. Keys come in alphabetical order; each art object
// and each path segment starts a line of its own, everything inside them
// is written inline.
#include "host/io/json_document.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/document/geometry.hpp"
#include "host/io/art_source.hpp"
#include "host/io/float_text.hpp"
#include "host/io/style_memo.hpp"

namespace tovrins::host {

namespace {

const char* typeName(ArtType t)
{
    switch (t) {
    case ArtType::Group: return "group";
    case ArtType::Path: return "path";
    case ArtType::CompoundPath: return "compound";
    case ArtType::Text: return "text";
    case ArtType::PlacedImage: return "image";
    case ArtType::Instance: return "instance";
    }
    return "path";
}

// Bit for bit, so that a handle at -0 beside an anchor at 0 is still written.
bool samePoint(TvRealPoint a, TvRealPoint b) { return std::memcmp(&a, &b, sizeof a) == 0; }

class JsonText {
public:
    explicit JsonText(std::string& out) : out_(out) { }

    void raw(std::string_view text) { out_ += text; }
    void line(int depth)
    {
        out_ += '\n';
        out_.append(static_cast<size_t>(depth), ' ');
    }
    // The shortest decimal that reads back as the same float ("0.1", not
    // "0.100000001490116"), always with a point or an exponent so that it
    // reads as a real number; null for what is not finite.
    static constexpr size_t kNumberRoom = kFloatRoom + 2;
    // Spells v at `at`, which has kNumberRoom chars free; returns the end.
    static char* spell(char* at, float v)
    {
        if (!std::isfinite(v))
            return std::copy_n("null", 4, at);
        char* end = spellFloat(at, v);
        if (std::find_if(at, end, [](char c) { return c == '.' || c == 'e'; }) == end) {
            *end++ = '.';
            *end++ = '0';
        }
        return end;
    }
    void number(float v)
    {
        char buf[kNumberRoom];
        out_.append(buf, spell(buf, v));
    }
    template <class Integer> void integer(Integer v)
    {
        char buf[24];
        out_.append(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
    }
    void boolean(bool v) { out_ += v ? "true" : "false"; }
    void numbers(std::initializer_list<float> list)
    {
        out_ += '[';
        bool first = true;
        for (float v : list) {
            if (!first)
                out_ += ',';
            first = false;
            number(v);
        }
        out_ += ']';
    }
    void point(TvRealPoint p) { numbers({p.h, p.v}); }
    void rect(const TvRealRect& r) { numbers({r.left, r.top, r.right, r.bottom}); }
    void matrix(const TvRealMatrix& m) { numbers({m.a, m.b, m.c, m.d, m.tx, m.ty}); }
    // Plain ASCII goes straight in; anything else is escaped by the JSON
    // library, which writes bytes that are not UTF-8 as U+FFFD.
    void string(std::string_view s)
    {
        const bool plain = std::all_of(s.begin(), s.end(), [](char c) {
            return static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7f && c != '"' &&
                c != '\\';
        });
        if (plain) {
            out_ += '"';
            out_ += s;
            out_ += '"';
            return;
        }
        out_ += nlohmann::json(std::string(s)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    }
    void attributes(const std::vector<Attribute>& list)
    {
        out_ += '[';
        for (size_t i = 0; i < list.size(); ++i) {
            out_ += i ? ",[" : "[";
            string(list[i].name);
            out_ += ',';
            string(list[i].value);
            out_ += ']';
        }
        out_ += ']';
    }
    void paint(const TvColor& c, const std::string& server)
    {
        const auto& k = c.components;
        if (isPaintServerKind(c.kind) && !server.empty()) {
            out_ += c.kind == TV_COLOR_GRADIENT ? R"({"kind":"gradient","paint":)" : R"({"kind":"pattern","paint":)";
            string(server);
            out_ += '}';
            return;
        }
        switch (c.kind) {
        case TV_COLOR_NONE: out_ += R"({"kind":"none"})"; return;
        case TV_COLOR_GRAY:
            out_ += R"({"gray":)";
            number(k[0]);
            out_ += R"(,"kind":"gray"})";
            return;
        case TV_COLOR_RGB:
            out_ += R"({"kind":"rgb","rgb":)";
            numbers({k[0], k[1], k[2]});
            out_ += '}';
            return;
        case TV_COLOR_PROCESS:
            out_ += R"({"cmyk":)";
            numbers({k[0], k[1], k[2], k[3]});
            out_ += R"(,"kind":"cmyk"})";
            return;
        default:
            // Pattern, gradient and custom colours are opaque to us: keep them.
            out_ += R"({"code":)";
            integer(c.kind);
            out_ += R"(,"components":)";
            numbers({k[0], k[1], k[2], k[3]});
            out_ += R"(,"kind":"other"})";
        }
    }

private:
    std::string& out_;
};

template <class Source> class JsonWriter {
public:
    using Art = typename Source::Art;

    JsonWriter(const Source& source, TextOutput& out) : source_(source), out_(out), json_(out.text()) { }

    void document();

private:
    template <class Item, class F> void topList(const char* key, const std::vector<Item>& items, F&& write);
    void layer(size_t index);
    void art(const Art& a, int depth);
    void segments(std::span<const Segment> list, int depth);
    void style(const Art& a);
    TvRealRect bounds(const Art& a) const;

    const Source& source_;
    TextOutput& out_;
    JsonText json_;
    std::vector<char> segmentRoom_;
    StyleMemo lastStyle_;
};

// The art's bounds as the document reports them: control points included
// for paths, the union of the children for groups.
template <class Source> TvRealRect JsonWriter<Source>::bounds(const Art& a) const
{
    switch (a.type) {
    case ArtType::Path: return segmentsBounds(Source::segments(a));
    case ArtType::Text:
    case ArtType::PlacedImage:
    case ArtType::Instance: return transformedBounds(a.matrix, a.bounds);
    case ArtType::Group:
    case ArtType::CompoundPath: break;
    }
    TvRealRect r{};
    source_.forEachChild(a, [&](const Art& c) { r = unionRect(r, bounds(c)); });
    return r;
}

// Spelt once for a run of art that looks the same, as copies do.
template <class Source> void JsonWriter<Source>::style(const Art& a)
{
    if (lastStyle_.same(a.style, a.fillPaint, a.strokePaint)) {
        json_.raw(lastStyle_.text());
        return;
    }
    std::string& out = out_.text();
    const size_t start = out.size();
    json_.raw(R"(,"style":{"fill":)");
    json_.paint(a.style.fill, a.fillPaint);
    json_.raw(R"(,"opacity":)");
    json_.number(a.style.opacity);
    json_.raw(R"(,"stroke":)");
    json_.paint(a.style.stroke, a.strokePaint);
    json_.raw(R"(,"strokeWidth":)");
    json_.number(a.style.strokeWidth);
    json_.raw("}");
    lastStyle_.remember(a.style, a.fillPaint, a.strokePaint, 1, std::string_view(out).substr(start));
}

// One segment a line; a handle lying on its anchor is left out. The lines
// are spelt into one buffer and appended once: segments are most of the
// file, and small appends cost more than the spelling of the numbers.
template <class Source> void JsonWriter<Source>::segments(std::span<const Segment> list, int depth)
{
    const auto indent = static_cast<size_t>(depth + 1);
    // A line: ",\n", the indent, three points and the keys around them.
    const size_t lineRoom = 2 + indent + 3 * (2 * JsonText::kNumberRoom + 12) + 24;
    if (segmentRoom_.size() < list.size() * lineRoom + 1)
        segmentRoom_.resize(list.size() * lineRoom + 1);
    char* end = segmentRoom_.data();
    *end++ = '[';
    auto put = [&end](std::string_view text) { end = std::copy(text.begin(), text.end(), end); };
    auto point = [&](std::string_view key, TvRealPoint p) {
        put(key);
        end = JsonText::spell(end, p.h);
        *end++ = ',';
        end = JsonText::spell(end, p.v);
        *end++ = ']';
    };
    for (size_t i = 0; i < list.size(); ++i) {
        const Segment& s = list[i];
        if (i)
            *end++ = ',';
        *end++ = '\n';
        end = std::fill_n(end, indent, ' ');
        put(s.corner ? R"({"corner":true)" : R"({"corner":false)");
        if (!samePoint(s.in, s.p))
            point(R"(,"in":[)", s.in);
        if (!samePoint(s.out, s.p))
            point(R"(,"out":[)", s.out);
        point(R"(,"p":[)", s.p);
        *end++ = '}';
    }
    json_.raw({segmentRoom_.data(), static_cast<size_t>(end - segmentRoom_.data())});
    if (!list.empty())
        json_.line(depth);
    json_.raw("]");
}

template <class Source> void JsonWriter<Source>::art(const Art& a, int depth)
{
    if (depth > kMaxArtDepth)
        throw std::runtime_error("the document nests art more than " + std::to_string(kMaxArtDepth) +
                                 " levels deep, which JSON documents cannot hold");
    // The line of an art object at this depth below the layer.
    const int indent = 3 + depth;
    json_.raw("{");
    if (!a.attributes.empty()) {
        json_.raw(R"("attributes":)");
        json_.attributes(a.attributes);
        json_.raw(",");
    }
    json_.raw(R"("bounds":)");
    json_.rect(bounds(a));
    const bool opaque = a.type == ArtType::Text || a.type == ArtType::PlacedImage || a.type == ArtType::Instance;
    if (opaque) {
        json_.raw(R"(,"box":)");
        json_.rect(a.bounds);
    }
    if (a.type == ArtType::Group || a.type == ArtType::CompoundPath) {
        json_.raw(R"(,"children":[)");
        bool first = true;
        source_.forEachChild(a, [&](const Art& c) {
            json_.raw(first ? "" : ",");
            first = false;
            json_.line(indent + 1);
            art(c, depth + 1);
        });
        if (!first)
            json_.line(indent);
        json_.raw("]");
    }
    if (a.type == ArtType::Path)
        json_.raw(a.closed ? R"(,"closed":true)" : R"(,"closed":false)");
    if (opaque) {
        json_.raw(R"(,"content":)");
        json_.string(a.content);
    }
    json_.raw(R"(,"id":)");
    json_.string(Source::name(a));
    if (opaque) {
        json_.raw(R"(,"matrix":)");
        json_.matrix(a.matrix);
    }
    if (a.type == ArtType::Path) {
        json_.raw(R"(,"segments":)");
        segments(Source::segments(a), indent);
    }
    json_.raw(a.selected ? R"(,"selected":true)" : R"(,"selected":false)");
    if (opaque) {
        json_.raw(R"(,"source":)");
        json_.string(a.sourceXml);
    }
    if (a.space) {
        json_.raw(R"(,"space":)");
        json_.matrix(*a.space);
    }
    style(a);
    json_.raw(R"(,"type":")");
    json_.raw(typeName(a.type));
    json_.raw("\"}");
}

template <class Source> void JsonWriter<Source>::layer(size_t index)
{
    const LayerData& l = source_.header().layers[index];
    json_.raw(R"({"art":[)");
    bool first = true;
    source_.forEachLayerArt(index, [&](const Art& a) {
        json_.raw(first ? "" : ",");
        first = false;
        json_.line(3);
        art(a, 0);
        out_.pass();
    });
    if (!first)
        json_.line(2);
    json_.raw(l.locked ? R"(],"locked":true,"name":)" : R"(],"locked":false,"name":)");
    json_.string(l.name);
    json_.raw(l.visible ? R"(,"visible":true})" : R"(,"visible":false})");
}

// A list of the document's own, one entry a line.
template <class Source>
template <class Item, class F>
void JsonWriter<Source>::topList(const char* key, const std::vector<Item>& items, F&& write)
{
    json_.raw(",\n \"");
    json_.raw(key);
    json_.raw("\":[");
    for (size_t i = 0; i < items.size(); ++i) {
        json_.raw(i ? ",\n  " : "\n  ");
        write(items[i]);
    }
    json_.raw("\n ]");
}

template <class Source> void JsonWriter<Source>::document()
{
    const DocumentData& doc = source_.header();
    json_.raw("{\n \"currentLayer\":");
    json_.integer(doc.currentLayer);
    if (!doc.definitions.empty()) {
        json_.raw(",\n \"definitions\":");
        json_.string(doc.definitions);
    }
    if (!doc.derivedPaints.empty()) {
        topList("derivedPaints", doc.derivedPaints, [&](const DerivedPaint& d) {
            json_.raw(R"({"base":)");
            json_.string(d.base);
            json_.raw(R"(,"element":)");
            json_.string(d.element);
            json_.raw(R"(,"id":)");
            json_.string(d.id);
            json_.raw(R"(,"transform":)");
            json_.matrix(d.transform);
            json_.raw("}");
        });
    }
    json_.raw(",\n \"format\":\"tovrins-document\",\n \"height\":");
    json_.number(doc.height);
    json_.raw(",\n \"layers\":[");
    for (size_t i = 0; i < doc.layers.size(); ++i) {
        json_.raw(i ? ",\n  " : "\n  ");
        layer(i);
    }
    json_.raw(doc.layers.empty() ? "]" : "\n ]");
    if (!doc.paintServers.empty()) {
        topList("paintServers", doc.paintServers, [&](const PaintServer& p) {
            json_.raw(R"({"boundingBoxUnits":)");
            json_.boolean(p.boundingBoxUnits);
            json_.raw(R"(,"element":)");
            json_.string(p.element);
            json_.raw(R"(,"id":)");
            json_.string(p.id);
            json_.raw(R"(,"transform":)");
            json_.matrix(p.transform);
            json_.raw("}");
        });
    }
    if (!doc.rootAttributes.empty()) {
        json_.raw(",\n \"rootAttributes\":");
        json_.attributes(doc.rootAttributes);
    }
    if (doc.seed) {
        json_.raw(",\n \"seed\":");
        json_.integer(*doc.seed);
    }
    json_.raw(",\n \"version\":1,\n \"width\":");
    json_.number(doc.width);
    json_.raw("\n}\n");
    out_.finish();
}

template <class Source> std::string written(const Source& source)
{
    std::string text;
    TextOutput out(text, nullptr);
    JsonWriter<Source>(source, out).document();
    return text;
}

} // namespace

std::string writeJson(const DocumentData& doc) { return written(PlainArtSource(doc)); }

std::string writeJson(const Document& doc) { return written(LiveArtSource(doc)); }

void writeJson(const Document& doc, const TextDrain& drain)
{
    std::string buffer;
    TextOutput out(buffer, &drain);
    const LiveArtSource source(doc);
    JsonWriter<LiveArtSource>(source, out).document();
}

} // namespace tovrins::host
