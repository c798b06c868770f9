// Compressed SVG (.svgz): inflated, bounded, damage named.
#include <stdexcept>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include "host/io/svg_gzip.hpp"
#include "host/io/svg_import.hpp"

namespace tovrins::host {
namespace {

using ::testing::HasSubstr;

std::string gzip(const std::string& text)
{
    z_stream z{};
    EXPECT_EQ(deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 9, Z_DEFAULT_STRATEGY), Z_OK);
    std::string out(deflateBound(&z, text.size()), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.avail_in = static_cast<uInt>(text.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

std::string refusal(const std::string& bytes)
{
    std::vector<std::string> warnings;
    try {
        readSvg(bytes, "packed.svgz", warnings);
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "(read)";
}

TEST(SvgGzip, CompressedFilesAreReadAndOthersLeftAlone)
{
    const std::string svg =
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10"><rect width="1" height="1"/></svg>)";
    EXPECT_EQ(gunzipped(gzip(svg)), svg);
    EXPECT_FALSE(gunzipped(svg));
    EXPECT_FALSE(gunzipped(""));
    std::vector<std::string> warnings;
    const DocumentData d = readSvg(gzip(svg), "packed.svgz", warnings);
    ASSERT_EQ(d.layers.size(), 1u);
    EXPECT_EQ(d.layers[0].art.size(), 1u);
}

TEST(SvgGzip, DamageBombsAndNestingAreRefused)
{
    const std::string packed = gzip(std::string(1000, 'x'));
    EXPECT_THAT(refusal(packed.substr(0, packed.size() / 2)),
                HasSubstr("packed.svgz is compressed, but its gzip data is damaged or cut short."));
    EXPECT_THAT(refusal("\x1f\x8bnot gzip"), HasSubstr("damaged"));
    // A bomb: 3 MiB of spaces pack into a few kB. The bound is lowered for
    // the test; the importer's is kMaxInflatedSvg.
    try {
        gunzipped(gzip(std::string(3u << 20, ' ')), 2u << 20);
        ADD_FAILURE() << "inflated past the bound";
    } catch (const std::runtime_error& e) {
        EXPECT_THAT(e.what(), HasSubstr("inflates to more than 2 MiB"));
    }
    EXPECT_EQ(gunzipped(gzip(std::string(2u << 20, ' ')), 2u << 20)->size(), 2u << 20) << "the bound itself is fine";
    // Compressed twice is inflated once, then is not XML.
    EXPECT_THAT(refusal(gzip(gzip("<svg/>"))), HasSubstr("not an SVG file"));
}

} // namespace
} // namespace tovrins::host
