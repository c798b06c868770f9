// Real artwork survives a round trip: every SVG of Debian's librsvg
// reference tests and of our own feature files, read and written back
// unchanged, draws as the original did. Files on the known-failures list
// may still fail (the list names the kind); any other failure fails the
// test, and listed files that now pass are printed so the list shrinks.
// The environment variable TOVRINS_SVG_CORPUS_SHARD=i/n runs every n-th
// file from the i-th (CTest runs the shards in parallel).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/host/io/svg_fidelity.hpp"

namespace tovrins::host::testing {
namespace {

namespace fs = std::filesystem;

struct CorpusFile {
    std::string key; // the root's label and the path under it
    fs::path path;
};

// Every .svg under root, sorted, keyed "label/relative/path".
void addFiles(const std::string& label, const fs::path& root, std::vector<CorpusFile>& out)
{
    std::vector<CorpusFile> found;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file() && entry.path().extension() == ".svg")
            found.push_back({label + "/" + entry.path().lexically_relative(root).generic_string(), entry.path()});
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.key < b.key; });
    out.insert(out.end(), found.begin(), found.end());
}

// "key kind" a line; blank lines and lines from '#' are comments.
std::map<std::string, std::string> knownFailures(const fs::path& list)
{
    std::map<std::string, std::string> known;
    std::ifstream in(list);
    std::string line;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string key, kind;
        if (words >> key >> kind)
            known[key] = kind;
    }
    return known;
}

struct Shard {
    size_t index = 0;
    size_t count = 1;
};

Shard shardFromEnvironment()
{
    Shard shard;
    if (const char* text = std::getenv("TOVRINS_SVG_CORPUS_SHARD"))
        if (std::sscanf(text, "%zu/%zu", &shard.index, &shard.count) != 2 || shard.count == 0 ||
            shard.index >= shard.count)
            shard = {};
    return shard;
}

TEST(SvgCorpus, UnchangedFilesDrawAsTheirOriginals)
{
    ASSERT_TRUE(fs::is_directory(TOVRINS_RSVG_CORPUS_DIR))
        << TOVRINS_RSVG_CORPUS_DIR << " is missing: install Debian's librsvg2-tests (scripts/install-deps).";
    std::vector<CorpusFile> files;
    addFiles("RSVG", TOVRINS_RSVG_CORPUS_DIR, files);
    const size_t corpusSize = files.size();
    addFiles("features", TOVRINS_SVG_FEATURES_DIR, files);
    EXPECT_GE(corpusSize, 800u) << "the librsvg corpus is incomplete";
    const std::map<std::string, std::string> known = knownFailures(TOVRINS_SVG_KNOWN_FAILURES);
    const Shard shard = shardFromEnvironment();

    size_t rendered = 0, passed = 0, notRendered = 0;
    std::map<std::string, size_t> byKind;
    std::vector<std::string> nowPassing;
    for (size_t i = shard.index; i < files.size(); i += shard.count) {
        const CorpusFile& file = files[i];
        const FidelityResult result = checkRoundTrip(file.path);
        if (result.kind == Fidelity::NotRenderedByLibrsvg) {
            ++notRendered;
            continue;
        }
        ++rendered;
        const auto listed = known.find(file.key);
        if (result.kind == Fidelity::Passed) {
            ++passed;
            if (listed != known.end())
                nowPassing.push_back(file.key);
            continue;
        }
        const std::string kind(fidelityName(result.kind));
        ++byKind[kind];
        // Every failure, listed or not, one line each: the list is made from these.
        std::printf("fails: %s %s: %s\n", file.key.c_str(), kind.c_str(), result.detail.c_str());
        if (listed == known.end())
            ADD_FAILURE() << file.key << " " << kind << ": " << result.detail << " (" << file.path.string() << ")";
        else if (listed->second != kind)
            std::printf("known failure changed kind: %s %s (was %s): %s\n", file.key.c_str(), kind.c_str(),
                        listed->second.c_str(), result.detail.c_str());
    }
    std::printf("SVG fidelity, shard %zu/%zu: %zu of %zu files that librsvg renders pass (%.1f %%); "
                "%zu not rendered by librsvg\n",
                shard.index, shard.count, passed, rendered, rendered ? 100.0 * passed / rendered : 0.0, notRendered);
    for (const auto& [kind, count] : byKind)
        std::printf("  failing, %s: %zu\n", kind.c_str(), count);
    for (const std::string& key : nowPassing)
        std::printf("known failure now passes (remove it from the list): %s\n", key.c_str());
}

} // namespace
} // namespace tovrins::host::testing
