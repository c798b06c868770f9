#include "app/document_files.hpp"

#include <fstream>
#include <stdexcept>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/scratch_directory.hpp"

#include "app/app_error.hpp"
#include "app/atomic_file.hpp"

namespace tovrins::app {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

// A fresh directory per test, removed afterwards.
class FilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = tovrins::test::scratchDirectory("tovrins_app_");
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::vector<fs::path> entries()
    {
        std::vector<fs::path> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.push_back(entry.path().filename());
        return names;
    }

    fs::path dir_;
};

TEST(FileFormat, ByExtensionIgnoringCase)
{
    EXPECT_EQ(formatOf("a/b.svg"), FileFormat::Svg);
    EXPECT_EQ(formatOf("B.JSON"), FileFormat::Json);
    EXPECT_EQ(formatOf("x.Png"), FileFormat::Png);
    EXPECT_FALSE(formatOf("x.pdf"));
    EXPECT_FALSE(formatOf("svg"));
    EXPECT_FALSE(formatOf("x.svg.bak"));
}

TEST_F(FilesTest, OutputsAreCheckedBeforeAnythingRuns)
{
    const auto refused = [](std::vector<fs::path> paths) {
        try {
            planOutputs(paths);
        } catch (const UsageError& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    const auto plan = planOutputs(std::vector<fs::path>{dir_ / "a.svg", dir_ / "a.PNG", dir_ / "a.json"});
    ASSERT_EQ(plan.size(), 3u);
    EXPECT_EQ(plan[1].format, FileFormat::Png);

    EXPECT_THAT(refused({dir_ / "a.svg", dir_ / "a.pdf"}), HasSubstr("a.pdf"));
    EXPECT_THAT(refused({dir_ / "a.pdf"}), HasSubstr(".svg, .json or .png"));
    EXPECT_THAT(refused({dir_ / "missing" / "a.svg"}), HasSubstr("does not exist"));
    fs::create_directory(dir_ / "d.svg");
    EXPECT_THAT(refused({dir_ / "d.svg"}), HasSubstr("is a directory"));
    EXPECT_THAT(refused({dir_ / "a.svg", dir_ / "." / "a.svg"}), HasSubstr("twice"));
    // Nothing was created while checking.
    EXPECT_EQ(entries(), std::vector<fs::path>{"d.svg"});
}

TEST_F(FilesTest, AtomicWriteReplacesTheFileAndLeavesNoTemporary)
{
    const fs::path target = dir_ / "out.svg";
    writeFileAtomically(target, "first");
    writeFileAtomically(target, std::string(100000, 'x'));
    EXPECT_EQ(read(target), std::string(100000, 'x'));
    EXPECT_EQ(entries(), std::vector<fs::path>{"out.svg"});
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::owner_read, fs::perms::owner_read);
}

TEST_F(FilesTest, FailingWriteLeavesNoFile)
{
    // The target cannot be replaced: a non-empty directory stands there.
    fs::create_directories(dir_ / "busy.json" / "inside");
    try {
        writeFileAtomically(dir_ / "busy.json", "content");
        FAIL() << "writing over a directory succeeded";
    } catch (const RunError& e) {
        EXPECT_THAT(e.what(), HasSubstr("busy.json"));
    }
    EXPECT_EQ(entries(), std::vector<fs::path>{"busy.json"});
    EXPECT_TRUE(fs::is_directory(dir_ / "busy.json"));

    // No directory to put the temporary file in.
    EXPECT_THROW(writeFileAtomically(dir_ / "no" / "x.svg", "content"), RunError);
    EXPECT_FALSE(fs::exists(dir_ / "no"));
}

TEST_F(FilesTest, SavingWritesEveryOutputOrNone)
{
    const fs::path kept = dir_ / "keep.json";
    writeFileAtomically(kept, "old");
    // The last output cannot be put in place: a non-empty directory stands there.
    fs::create_directories(dir_ / "busy.svg" / "x");
    const std::vector<OutputFile> failing = {
        {kept, FileFormat::Json}, {dir_ / "new.png", FileFormat::Png}, {dir_ / "busy.svg", FileFormat::Svg}};
    EXPECT_THROW(saveDocuments(host::Document(host::DocumentData{}), failing), RunError);
    EXPECT_EQ(read(kept), "old");
    EXPECT_THAT(entries(), ::testing::UnorderedElementsAre("keep.json", "busy.svg"));

    const std::vector<OutputFile> outputs = {{kept, FileFormat::Json}, {dir_ / "new.png", FileFormat::Png}};
    saveDocuments(host::Document(host::DocumentData{}), outputs);
    EXPECT_THAT(read(kept), HasSubstr("tovrins-document"));
    EXPECT_EQ(read(dir_ / "new.png").substr(1, 3), "PNG");
    EXPECT_THAT(entries(), ::testing::UnorderedElementsAre("keep.json", "new.png", "busy.svg"));
}

// A document whose first megabytes write fine and whose last art is nested
// deeper than any writer takes: the failure comes after text reached disk.
host::DocumentData failingLate()
{
    host::DocumentData d;
    d.layers.emplace_back().name = "L";
    for (int i = 0; i < 20000; ++i) {
        host::ArtData& path = d.layers[0].art.emplace_back();
        for (float x : {1.0f, 2.5f, 7.25f, 9.125f})
            path.segments.push_back({{x + i, x}, {x + i, x}, {x + i, x}, true});
    }
    host::ArtData deep = d.layers[0].art.back();
    for (int i = 0; i <= host::kMaxArtDepth; ++i) {
        host::ArtData group;
        group.type = host::ArtType::Group;
        group.children.push_back(std::move(deep));
        deep = std::move(group);
    }
    d.layers[0].art.push_back(std::move(deep));
    return d;
}

TEST_F(FilesTest, AWriterFailingPartWayLeavesNoOutput)
{
    const host::Document document(failingLate());
    const fs::path kept = dir_ / "keep.svg";
    writeFileAtomically(kept, "old");
    for (const FileFormat format : {FileFormat::Svg, FileFormat::Json}) {
        const std::vector<OutputFile> outputs = {{kept, format}};
        try {
            saveDocuments(document, outputs);
            ADD_FAILURE() << "art nested too deeply was written";
        } catch (const RunError& e) {
            EXPECT_THAT(e.what(), HasSubstr("cannot write " + kept.string()));
            EXPECT_THAT(e.what(), HasSubstr("levels deep"));
        }
        EXPECT_EQ(read(kept), "old");
        EXPECT_THAT(entries(), ::testing::ElementsAre("keep.svg"));
    }
}

TEST_F(FilesTest, StreamedContentIsWrittenWholeOrRemoved)
{
    const fs::path target = dir_ / "out.txt";
    StagedFiles files;
    files.write(target, [](const auto& put) {
        put("one ");
        put("");
        put("two");
    });
    files.commit();
    EXPECT_EQ(read(target), "one two");
    {
        StagedFiles failing;
        EXPECT_THROW(failing.write(target,
                                   [](const auto& put) {
                                       put(std::string(3 << 20, 'x'));
                                       throw std::runtime_error("the producer failed");
                                   }),
                     std::runtime_error);
    }
    EXPECT_EQ(read(target), "one two");
    EXPECT_THAT(entries(), ::testing::ElementsAre("out.txt"));
}

TEST_F(FilesTest, APngTooLargeToRenderIsRefusedBeforeAnythingIsWritten)
{
    host::DocumentData big;
    big.width = 20000;
    big.height = 300.5f;
    const std::vector<OutputFile> outputs = {{dir_ / "first.svg", FileFormat::Svg},
                                             {dir_ / "big.png", FileFormat::Png}};
    try {
        checkPngSizes(big, outputs);
        FAIL() << "a 20000 pixel wide PNG was accepted";
    } catch (const RunError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "cannot write " + (dir_ / "big.png").string() +
                      ": the document would render as a 20000 x 301 pixel image, and a PNG "
                      "must be from 1 to 10000 pixels a side");
    }
    EXPECT_THROW(saveDocuments(host::Document(big), outputs), RunError);
    EXPECT_THAT(entries(), ::testing::IsEmpty());
    // Without a PNG output any size is fine; so is the largest PNG.
    EXPECT_NO_THROW(checkPngSizes(big, std::span(outputs).first(1)));
    big.width = 10000;
    EXPECT_NO_THROW(checkPngSizes(big, outputs));
    big.height = 0.f;
    EXPECT_THROW(checkPngSizes(big, outputs), RunError);
}

TEST_F(FilesTest, UnreadableInputsNameTheFile)
{
    std::vector<std::string> warnings;
    const auto message = [&](const fs::path& path) {
        try {
            loadDocument(path, warnings);
        } catch (const std::runtime_error& e) {
            return std::string(e.what());
        }
        return std::string("loaded");
    };
    EXPECT_THROW(loadDocument(dir_ / "in.png", warnings), UsageError);
    EXPECT_THROW(loadDocument(dir_ / "in.txt", warnings), UsageError);
    EXPECT_THAT(message(dir_ / "absent.svg"), HasSubstr("absent.svg: no such file"));
    fs::create_directory(dir_ / "folder.json");
    EXPECT_THAT(message(dir_ / "folder.json"), HasSubstr("is a directory"));
    std::ofstream(dir_ / "broken.json") << "{ not json";
    EXPECT_THROW(loadDocument(dir_ / "broken.json", warnings), RunError);
    EXPECT_THAT(message(dir_ / "broken.json"), HasSubstr("broken.json"));
    std::ofstream(dir_ / "broken.svg") << "<svg";
    EXPECT_THROW(loadDocument(dir_ / "broken.svg", warnings), RunError);
}

TEST(DocumentFiles, ReadsTheTestDocument)
{
    std::vector<std::string> warnings;
    const host::DocumentData doc = loadDocument(fs::path(TOVRINS_APP_TEST_DATA) / "shapes.svg", warnings);
    ASSERT_FALSE(doc.layers.empty());
    size_t art = 0;
    for (const auto& layer : doc.layers)
        art += layer.art.size();
    // The top-level group "pair" is a layer of its own, so its two shapes
    // count at the top level, beside the rect and the polygon.
    ASSERT_EQ(doc.layers.size(), 3u);
    EXPECT_EQ(doc.layers[1].name, "pair");
    EXPECT_EQ(art, 4u);
}

} // namespace
} // namespace tovrins::app
