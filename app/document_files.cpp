#include "app/document_files.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <set>
#include <sstream>

#include "app/app_error.hpp"
#include "app/memory_failure.hpp"
#include "app/atomic_file.hpp"
#include "app/input_file.hpp"
#include "app/interrupt_cleanup.hpp"
#include "host/io/json_document.hpp"
#include "host/io/png_render.hpp"
#include "host/io/svg_export.hpp"
#include "host/io/svg_import.hpp"

namespace tovrins::app {

namespace {

std::string lowerExtension(const std::filesystem::path& path)
{
    std::string ext = path.extension().string();
    std::ranges::transform(ext, ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

// A size as whole pixels: "20000", or "3.40282e+38" beyond all reason.
std::string pixelText(double pixels)
{
    std::ostringstream text;
    text << pixels;
    return std::move(text).str();
}

// The renderer names the file it wrote, here the temporary one; the
// message names the output instead.
void writePngTo(const std::filesystem::path& temporary, const host::Document& document,
                const std::filesystem::path& target)
{
    try {
        host::writePng(document, temporary.string());
    } catch (const std::exception& e) {
        if (isOutOfMemory(e))
            throw;
        std::string_view what = e.what();
        const std::string prefix = temporary.string() + ": ";
        if (what.starts_with(prefix))
            what.remove_prefix(prefix.size());
        throw RunError("cannot write " + target.string() + ": " + std::string(what));
    }
}

} // namespace

std::optional<FileFormat> formatOf(const std::filesystem::path& path)
{
    const std::string ext = lowerExtension(path);
    if (ext == ".svg")
        return FileFormat::Svg;
    if (ext == ".json")
        return FileFormat::Json;
    if (ext == ".png")
        return FileFormat::Png;
    return std::nullopt;
}

std::vector<OutputFile> planOutputs(std::span<const std::filesystem::path> paths)
{
    if (paths.size() > kMostTemporaryFiles)
        throw UsageError("there are " + std::to_string(paths.size()) + " outputs; one run writes at most " +
                         std::to_string(kMostTemporaryFiles));
    std::vector<OutputFile> outputs;
    std::set<std::filesystem::path> seen;
    for (const std::filesystem::path& path : paths) {
        const auto format = formatOf(path);
        if (!format)
            throw UsageError("output " + path.string() + " has no known extension; use .svg, .json or .png");
        if (*format == FileFormat::Png && !host::kCanWritePng)
            throw UsageError("output " + path.string() +
                             " cannot be written: this build of tovrins has no PNG "
                             "output; use .svg or .json");
        if (path.filename().empty() || path.filename() == "." || path.filename() == "..")
            throw UsageError("output " + path.string() + " names no file");
        std::error_code ec;
        const std::filesystem::path directory = path.has_parent_path() ? path.parent_path() : ".";
        if (!std::filesystem::is_directory(directory, ec))
            throw UsageError("output " + path.string() + " cannot be written: directory " + directory.string() +
                             " does not exist");
        if (std::filesystem::is_directory(path, ec))
            throw UsageError("output " + path.string() + " is a directory");
        if (!seen.insert(std::filesystem::absolute(path, ec).lexically_normal()).second)
            throw UsageError("output " + path.string() + " is given twice");
        outputs.push_back({path, *format});
    }
    return outputs;
}

host::DocumentData loadDocument(const std::filesystem::path& path, std::vector<std::string>& warnings)
{
    const auto format = formatOf(path);
    if (!format || *format == FileFormat::Png)
        throw UsageError("input " + path.string() + " is neither an .svg nor a .json document");
    return needingMemoryTo("read " + path.string(), [&] {
        const std::string text = readInputFile(path, *format);
        try {
            if (*format == FileFormat::Svg)
                return host::readSvg(text, path.string(), warnings);
            return host::readJson(text, path.string());
        } catch (const std::exception& e) {
            if (isOutOfMemory(e))
                throw;
            // The readers name the file and the fault themselves.
            throw RunError(e.what());
        }
    });
}

void checkPngSizes(const host::DocumentData& document, std::span<const OutputFile> outputs)
{
    checkPngSizes(document.width, document.height, outputs);
}

void checkPngSizes(float width, float height, std::span<const OutputFile> outputs)
{
    // The renderer's own rule, checked before the run instead of at writing.
    const host::PngSize size = host::pngSize(width, height);
    if (host::pngSizeFits(size))
        return;
    for (const OutputFile& output : outputs)
        if (output.format == FileFormat::Png)
            throw RunError("cannot write " + output.path.string() + ": the document would render as a " +
                           pixelText(size.width) + " x " + pixelText(size.height) +
                           " pixel image, and a PNG must be from 1 to " + pixelText(host::kMaxPngSide) +
                           " pixels a side");
}

void saveDocuments(const host::Document& document, std::span<const OutputFile> outputs)
{
    checkPngSizes(document.width(), document.height(), outputs);
    StagedFiles files;
    // The writers read the live document in place and hand their text on
    // a chunk at a time: neither the document nor a whole file's text is
    // copied on the way to the disk.
    auto svg = [&](const auto& put) { host::writeSvg(document, put); };
    auto json = [&](const auto& put) { host::writeJson(document, put); };
    for (const OutputFile& output : outputs) {
        needingMemoryTo("write " + output.path.string(), [&] {
            try {
                switch (output.format) {
                case FileFormat::Svg: files.write(output.path, svg); break;
                case FileFormat::Json: files.write(output.path, json); break;
                case FileFormat::Png: writePngTo(files.reserve(output.path), document, output.path); break;
                }
            } catch (const RunError&) {
                throw;
            } catch (const std::exception& e) {
                if (isOutOfMemory(e))
                    throw;
                throw RunError("cannot write " + output.path.string() + ": " + e.what());
            }
        });
    }
    // A test of interruption holds the run here, every temporary file
    // written, so that its signal comes at a known moment.
#ifdef SIGSTOP
    if (std::getenv("TOVRINS_TEST_STOP_BEFORE_COMMIT"))
        std::raise(SIGSTOP);
#endif
    files.commit();
}

} // namespace tovrins::app
