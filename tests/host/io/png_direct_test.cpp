// The direct drawing of plain paths against librsvg's drawing of our SVG
// export of the same document: the two must give the same pixels but for
// antialiasing (kStrayPixels), over paths of every kind, strokes,
// opacity, spaces of their own, and the librsvg corpus files the direct
// route takes. Documents it cannot draw go to librsvg.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <cairo.h>

#include "host/io/png_render.hpp"
#include "host/io/svg_import.hpp"
#include "tests/host/io/io_test_support.hpp"

namespace tovrins::host {
namespace {

namespace fs = std::filesystem;
using testing::straightPath;

// librsvg's numbers come from the export's shortest float spellings, ours
// straight from the floats: an edge pixel's coverage may round the other
// way. So a few pixels (two, or kStrayPixels of them in a large image) may
// differ by a level or two (kStrayLevels); a colour one level off over an
// area is a fault.
constexpr double kStrayPixels = 0.001;
constexpr int kStrayLevels = 2;

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> argb;
};

cairo_status_t readBytes(void* closure, unsigned char* data, unsigned int length)
{
    auto* rest = static_cast<std::string_view*>(closure);
    if (rest->size() < length)
        return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, rest->data(), length);
    rest->remove_prefix(length);
    return CAIRO_STATUS_SUCCESS;
}

Pixels decode(const std::string& png)
{
    std::string_view rest = png;
    cairo_surface_t* s = cairo_image_surface_create_from_png_stream(readBytes, &rest);
    Pixels p;
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
        cairo_surface_flush(s);
        p.width = cairo_image_surface_get_width(s);
        p.height = cairo_image_surface_get_height(s);
        const int stride = cairo_image_surface_get_stride(s);
        const unsigned char* data = cairo_image_surface_get_data(s);
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x) {
                uint32_t v = 0;
                std::memcpy(&v, data + static_cast<ptrdiff_t>(y) * stride + 4 * x, 4);
                p.argb.push_back(v);
            }
    }
    cairo_surface_destroy(s);
    return p;
}

struct Comparison {
    size_t differing = 0; // pixels with a channel off at all
    size_t pixels = 0;
    int largest = 0;     // the largest channel difference
    size_t nonWhite = 0; // pixels librsvg drew on, so that a blank test shows
    bool same() const
    {
        return largest <= kStrayLevels && differing <= std::max(2.0, kStrayPixels * static_cast<double>(pixels));
    }
};

Comparison compareRoutes(const Document& doc, double scale = 1)
{
    const Pixels direct = decode(renderPng(doc, scale, PngRoute::Direct));
    const Pixels reference = decode(renderPng(doc, scale, PngRoute::Librsvg));
    Comparison c;
    EXPECT_EQ(direct.width, reference.width);
    EXPECT_EQ(direct.height, reference.height);
    if (direct.argb.size() != reference.argb.size())
        return {1, 0, 255, 0};
    c.pixels = direct.argb.size();
    for (size_t i = 0; i < direct.argb.size(); ++i) {
        int worst = 0;
        for (int shift = 0; shift < 32; shift += 8)
            worst = std::max(worst,
                             std::abs(static_cast<int>((direct.argb[i] >> shift) & 0xff) -
                                      static_cast<int>((reference.argb[i] >> shift) & 0xff)));
        c.largest = std::max(c.largest, worst);
        c.differing += worst > 0 ? 1 : 0;
        c.nonWhite += (reference.argb[i] & 0xffffff) != 0xffffff ? 1 : 0;
    }
    return c;
}

// The document must take the direct route and draw as librsvg does.
void expectSameAsLibrsvg(const DocumentData& data, double scale = 1)
{
    const Document doc(data);
    ASSERT_EQ(pngRoute(doc), PngRoute::Direct);
    const Comparison c = compareRoutes(doc, scale);
    EXPECT_TRUE(c.same()) << c.differing << " of " << c.pixels << " pixels differ, by up to " << c.largest;
    EXPECT_GT(c.nonWhite, 0u) << "nothing was drawn";
}

TvColor rgb(float r, float g, float b) { return {TV_COLOR_RGB, {r, g, b, 0}}; }

ArtData stroked(ArtData a, TvColor stroke, float width)
{
    a.style.stroke = stroke;
    a.style.strokeWidth = width;
    return a;
}

// A closed curve: a circle-like loop of four smooth anchors.
ArtData loop(float cx, float cy, float r)
{
    const float k = 0.5523f * r;
    ArtData a = straightPath({}, true);
    a.segments = {{{cx + r, cy}, {cx + r, cy - k}, {cx + r, cy + k}, false},
                  {{cx, cy + r}, {cx + k, cy + r}, {cx - k, cy + r}, false},
                  {{cx - r, cy}, {cx - r, cy + k}, {cx - r, cy - k}, false},
                  {{cx, cy - r}, {cx - k, cy - r}, {cx + k, cy - r}, false}};
    return a;
}

DocumentData page(float width, float height, std::vector<ArtData> art)
{
    DocumentData d;
    d.width = width;
    d.height = height;
    d.layers.push_back({"Art", true, false, std::move(art)});
    return d;
}

TEST(PngDirect, DrawsLinesAndCurvesOpenAndClosedAsLibrsvg)
{
    ArtData open = stroked(straightPath({{10, 10}, {60, 40}, {30, 70}, {90, 75}}, false), rgb(0, 0, 0.8f), 3);
    open.style.fill = {TV_COLOR_NONE, {}};
    ArtData mixed = stroked(straightPath({{100, 10}, {150, 10}, {150, 60}}, true), {TV_COLOR_GRAY, {0.3f}}, 2);
    mixed.segments[1].out = {160, 30}; // one curved side; the others straight
    mixed.segments[2].in = {170, 40};
    // Process colour: librsvg reads the export's RGB, not its device-cmyk().
    mixed.style.fill = {TV_COLOR_PROCESS, {0.1f, 0.7f, 0.2f, 0.15f}};
    ArtData curvedClose = stroked(loop(60, 120, 30), rgb(0.1f, 0.7f, 0.2f), 1.5f);
    curvedClose.style.fill = rgb(0.9f, 0.8f, 0.1f);
    ArtData openCurve = stroked(loop(140, 120, 25), rgb(0.5f, 0, 0.5f), 4);
    openCurve.closed = false;
    openCurve.style.fill = {TV_COLOR_GRAY, {0.75f}};
    for (double scale : {1.0, 2.5})
        expectSameAsLibrsvg(page(200, 160, {open, mixed, curvedClose, openCurve}), scale);
}

TEST(PngDirect, DrawsJoinsCapsMiterLimitsAndDashesAsLibrsvg)
{
    const std::vector<std::vector<Attribute>> looks = {
        {{"stroke-linejoin", "round"}, {"stroke-linecap", "round"}},
        {{"stroke-linejoin", "bevel"}, {"stroke-linecap", "square"}},
        {{"stroke-miterlimit", "1.5"}},
        {{"stroke-miterlimit", "30"}},
        {{"stroke-dasharray", "8 3, 2"}, {"stroke-dashoffset", "5px"}},
        {{"stroke-dasharray", "0 0"}, {"stroke-linecap", "butt"}}, // no length: solid
        {{"stroke-dasharray", "6"}, {"stroke-linecap", "round"}, {"inkscape:label", "kept"}},
    };
    std::vector<ArtData> art;
    for (size_t i = 0; i < looks.size(); ++i) {
        const float x = 20 + 60 * static_cast<float>(i % 4), y = 20 + 70 * static_cast<float>(i / 4);
        ArtData zigzag = stroked(straightPath({{x, y}, {x + 40, y + 8}, {x + 5, y + 20}, {x + 35, y + 50}}, false),
                                 rgb(0.2f, 0.2f, 0.6f), 6);
        zigzag.style.fill = {TV_COLOR_NONE, {}};
        zigzag.attributes = looks[i];
        art.push_back(zigzag);
    }
    // A spike whose miter is 5.8 times the width: cut off at SVG's default
    // limit of 4 (cairo's own is 10).
    ArtData spike = stroked(straightPath({{20, 200}, {120, 182}, {20, 164}}, false), rgb(0, 0, 0), 4);
    spike.style.fill = {TV_COLOR_NONE, {}};
    art.push_back(spike);
    expectSameAsLibrsvg(page(250, 220, art), 1.5);
}

TEST(PngDirect, DrawsOpacityOfPathsGroupsAndPaintsAsLibrsvg)
{
    ArtData under = stroked(straightPath({{10, 10}, {90, 10}, {90, 90}, {10, 90}}, true), rgb(0, 0, 0), 8);
    under.style.fill = rgb(1, 0, 0);
    under.style.opacity = 0.5f; // the stroke does not show the fill through it
    ArtData over = loop(70, 70, 35);
    over.style.fill = rgb(0, 0.4f, 1);
    over.attributes = {{"fill-opacity", "0.35"}};
    ArtData strokeOnly = stroked(straightPath({{120, 20}, {190, 80}}, false), rgb(0, 0.5f, 0), 10);
    strokeOnly.attributes = {{"stroke-opacity", ".6"}};
    ArtData group;
    group.type = ArtType::Group;
    group.style.opacity = 0.4f;                        // the overlap of its children is not darker
    group.attributes = {{"stroke-linejoin", "round"}}; // inherited by the children
    ArtData a = stroked(straightPath({{110, 100}, {180, 100}, {180, 150}}, true), rgb(0, 0, 0), 6);
    ArtData b = loop(150, 110, 25);
    b.style.fill = rgb(0.2f, 0.2f, 0.2f);
    group.children = {a, b};
    // An opacity between two bytes: librsvg rounds it to the nearer.
    ArtData faint = straightPath({{10, 100}, {60, 100}, {60, 160}, {10, 160}}, true);
    faint.style.fill = rgb(0, 0, 0);
    faint.attributes = {{"fill-opacity", "0.1988"}};
    ArtData invisible = loop(50, 130, 20);
    invisible.style.opacity = 0;
    expectSameAsLibrsvg(page(200, 170, {under, over, strokeOnly, group, faint, invisible}));
}

TEST(PngDirect, FillsCompoundPathsByTheirFillRuleAsLibrsvg)
{
    auto ring = [](float x, std::vector<Attribute> rule) {
        ArtData compound = straightPath({}, false);
        compound.type = ArtType::CompoundPath;
        compound.style.fill = rgb(0.3f, 0.1f, 0.6f);
        compound.attributes = std::move(rule);
        // Both squares wound the same way: even-odd leaves a hole, nonzero none.
        compound.children = {straightPath({{x, 10}, {x + 80, 10}, {x + 80, 90}, {x, 90}}, true),
                             straightPath({{x + 20, 30}, {x + 60, 30}, {x + 60, 70}, {x + 20, 70}}, true)};
        return compound;
    };
    const DocumentData d = page(200, 100, {ring(10, {{"fill-rule", "evenodd"}}), ring(110, {})});
    expectSameAsLibrsvg(d);
    // The hole is a hole.
    const Pixels p = decode(renderPng(Document(d), 1));
    EXPECT_EQ(p.argb[50 * p.width + 50] & 0xffffff, 0xffffffu);
    EXPECT_NE(p.argb[50 * p.width + 150] & 0xffffff, 0xffffffu);
}

// Art keeping a user space of its own (dashes laid out in it) is written
// with a transform: the dashes and the stroke's width follow that space.
TEST(PngDirect, DrawsArtInItsOwnUserSpaceAsLibrsvg)
{
    ArtData dashed = stroked(straightPath({{20, 20}, {150, 40}, {60, 110}}, true), rgb(0.6f, 0.1f, 0.1f), 4);
    dashed.style.fill = {TV_COLOR_NONE, {}};
    dashed.attributes = {{"stroke-dasharray", "10 4"}};
    dashed.space = TvRealMatrix{2, 0.5f, 0, -1.5f, 10, 130}; // sheared and stretched, y down
    ArtData group;
    group.type = ArtType::Group;
    group.space = TvRealMatrix{0.5f, 0, 0, -0.5f, 100, 140};
    group.style.opacity = 0.7f; // its group spans its strokes in its own space
    ArtData inner = stroked(loop(150, 60, 20), rgb(0, 0, 0), 3);
    inner.attributes = {{"stroke-dasharray", "3 3"}};
    group.children = {inner};
    expectSameAsLibrsvg(page(200, 140, {dashed, group}), 1.25);
}

// The page's viewport clips the artwork; an image rounded up to whole
// pixels shows the page's fractional edge.
TEST(PngDirect, ClipsToAFractionalPageAsLibrsvg)
{
    ArtData overflowing = stroked(straightPath({{-20, -20}, {120, 10}, {90, 90}}, true), rgb(0, 0, 1), 5);
    expectSameAsLibrsvg(page(100.4f, 60.7f, {overflowing}), 1.3);
}

TEST(PngDirect, DrawsDegeneratePathsAsLibrsvg)
{
    ArtData dot = stroked(straightPath({{20, 20}}, false), rgb(0, 0, 0), 8);
    dot.attributes = {{"stroke-linecap", "round"}};
    ArtData closedDot = stroked(straightPath({{40, 20}}, true), rgb(0, 0, 0), 8);
    closedDot.attributes = {{"stroke-linecap", "round"}};
    ArtData squareDot = stroked(straightPath({{60, 20}, {60, 20}}, false), rgb(0, 0, 0), 8);
    squareDot.attributes = {{"stroke-linecap", "square"}};
    ArtData empty = stroked(straightPath({}, true), rgb(0, 0, 0), 8);
    ArtData zeroWidth = stroked(straightPath({{10, 40}, {90, 40}, {50, 60}}, true), rgb(1, 0, 0), 0);
    expectSameAsLibrsvg(page(100, 70, {dot, closedDot, squareDot, empty, zeroWidth}), 2);
}

TEST(PngDirect, DrawsVisibilityShapeRenderingAndPaintOrderAsLibrsvg)
{
    ArtData hiddenGroup;
    hiddenGroup.type = ArtType::Group;
    hiddenGroup.style.opacity = 1;
    hiddenGroup.attributes = {{"visibility", "hidden"}, {"font-size", "12"}}; // text's, drawing nothing here
    ArtData hidden = loop(30, 30, 20);
    ArtData shown = loop(80, 30, 20);
    shown.attributes = {{"visibility", "visible"}}; // a child may show again
    hiddenGroup.children = {hidden, shown};
    ArtData crisp = stroked(straightPath({{10, 60}, {90, 75}, {30, 110}}, true), rgb(0.2f, 0.3f, 0.9f), 3);
    crisp.attributes = {{"shape-rendering", "crispEdges"}};
    ArtData under = stroked(loop(140, 40, 25), rgb(0, 0, 0), 12);
    under.attributes = {{"paint-order", "stroke markers"}}; // the fill hides the stroke's inner half
    ArtData normal = stroked(loop(140, 95, 25), rgb(0, 0, 0), 12);
    normal.attributes = {{"paint-order", "markers fill"}};
    expectSameAsLibrsvg(page(180, 130, {hiddenGroup, crisp, under, normal}), 1.5);
}

TEST(PngDirect, LeavesHiddenLayersOut)
{
    DocumentData d = page(60, 60, {loop(30, 30, 20)});
    ArtData cover = straightPath({{0, 0}, {60, 0}, {60, 60}, {0, 60}}, true);
    d.layers.push_back({"Hidden", false, false, {cover}});
    expectSameAsLibrsvg(d);
}

std::string fileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Files whose text names an element the direct route never takes are not
// read at all: reading every file costs the test most of its time.
bool namesOtherElements(const std::string& text)
{
    static const char* const names[] = {"<text", "<image",  "Gradient", "<pattern", "<filter",  "<use",    "<mask",
                                        "<clip", "<marker", "<style",   "<switch",  "<foreign", "<symbol", "<svg:"};
    return std::any_of(std::begin(names), std::end(names),
                       [&](const char* name) { return text.find(name) != std::string::npos; });
}

DocumentData readText(const std::string& svg)
{
    std::vector<std::string> warnings;
    return readSvg(svg, "test.svg", warnings);
}

// What the direct route cannot model goes to librsvg, whose pixels show it.
TEST(PngDirect, LeavesGradientsStyleSheetsAndOtherArtToLibrsvg)
{
    const Document gradient(readText(
        R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="20"><defs>)svg"
        R"svg(<linearGradient id="g"><stop offset="0" stop-color="#000"/><stop offset="1" stop-color="#fff"/>)svg"
        R"svg(</linearGradient></defs><path d="M0 0H100V20H0Z" fill="url(#g)"/></svg>)svg"));
    EXPECT_EQ(pngRoute(gradient), PngRoute::Librsvg);
    EXPECT_THROW(renderPng(gradient, 1, PngRoute::Direct), std::invalid_argument);
    const Pixels p = decode(renderPng(gradient));
    ASSERT_EQ(p.width, 100);
    EXPECT_LT(p.argb[10 * 100 + 5] & 0xff, 0x30u) << "dark at the gradient's start";
    EXPECT_GT(p.argb[10 * 100 + 94] & 0xff, 0xd0u) << "light at its end";

    for (const char* svg : {
             R"svg(<svg xmlns="http://www.w3.org/2000/svg"><text x="5" y="20">Text</text></svg>)svg",
             R"svg(<svg xmlns="http://www.w3.org/2000/svg"><path d="M0 0H9V9Z" filter="blur(2px)"/></svg>)svg",
             R"svg(<svg xmlns="http://www.w3.org/2000/svg"><path d="M0 0H9V9Z" stroke="#000" )svg"
             R"svg(stroke-dasharray="10%"/></svg>)svg",
             R"svg(<svg xmlns="http://www.w3.org/2000/svg"><path d="M0 0H9V9Z" fill-opacity="50%"/></svg>)svg",
             R"svg(<svg xmlns="http://www.w3.org/2000/svg"><path d="M0 0H9V9Z" stroke-miterlimit="5."/></svg>)svg",
         })
        EXPECT_EQ(pngRoute(readText(svg)), PngRoute::Librsvg) << svg;

    // A style sheet kept with the definitions restyles the path: librsvg
    // draws it red, where the path alone says black.
    DocumentData sheet = page(40, 40, {straightPath({{0, 0}, {40, 0}, {40, 40}, {0, 40}}, true)});
    sheet.layers[0].art[0].style.fill = rgb(0, 0, 0);
    sheet.definitions = "<style>path { fill: #ff0000 }</style>";
    EXPECT_EQ(pngRoute(sheet), PngRoute::Librsvg);
    EXPECT_EQ(decode(renderPng(Document(sheet))).argb[20 * 40 + 20], 0xffff0000u);
    DocumentData rootStyle = page(40, 40, {straightPath({{0, 0}, {40, 0}, {40, 40}}, true)});
    rootStyle.rootAttributes = {{"style", "stroke-linejoin:round"}};
    EXPECT_EQ(pngRoute(rootStyle), PngRoute::Librsvg);

    DocumentData nan = page(50, 50, {straightPath({{10, 10}, {40, NAN}, {25, 40}}, true)});
    EXPECT_EQ(pngRoute(nan), PngRoute::Librsvg);
    DocumentData flattened = page(50, 50, {straightPath({{10, 10}, {40, 10}, {25, 40}}, true)});
    flattened.layers[0].art[0].space = TvRealMatrix{1, 0, 0, 0, 0, 0};
    EXPECT_EQ(pngRoute(flattened), PngRoute::Librsvg);
}

// The librsvg reference files the direct route takes (plain shapes and
// paths) draw as librsvg draws their export.
TEST(PngDirect, DrawsTheLibrsvgCorpusFilesItTakesAsLibrsvg)
{
    const fs::path corpus = "/usr/libexec/installed-tests/RSVG/fixtures/reftests";
    ASSERT_TRUE(fs::is_directory(corpus)) << "install Debian's librsvg2-tests (scripts/install-deps)";
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(corpus))
        if (entry.path().extension() == ".svg" && entry.path().string().find("-ref") == std::string::npos)
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    // At most this many files of a folder: the Adwaita icons alone would
    // be most of the sample, and of the test's time.
    constexpr size_t kPerFolder = 60;
    std::map<fs::path, size_t> byFolder;
    size_t compared = 0;
    for (const fs::path& file : files) {
        if (byFolder[file.parent_path()] >= kPerFolder)
            continue;
        const std::string text = fileText(file);
        if (namesOtherElements(text))
            continue;
        DocumentData data;
        try {
            std::vector<std::string> warnings;
            data = readSvg(text, file.string(), warnings);
        } catch (const std::exception&) {
            continue;
        }
        const Document doc(data);
        // A few hundred pixels a side keeps the test quick.
        const double scale = std::min(1.0, 300.0 / std::max(doc.width(), doc.height()));
        if (pngRoute(doc) != PngRoute::Direct || !pngSizeFits(pngSize(doc.width(), doc.height(), scale)))
            continue;
        ++compared;
        ++byFolder[file.parent_path()];
        const Comparison c = compareRoutes(doc, scale);
        EXPECT_TRUE(c.same()) << file << ": " << c.differing << " of " << c.pixels << " pixels differ, by up to "
                              << c.largest;
    }
    std::printf("direct PNG drawing matched librsvg on %zu corpus files\n", compared);
    EXPECT_GE(compared, 60u) << "the direct route takes too few of the corpus files to say much";
}

} // namespace
} // namespace tovrins::host
