// The documents the program reads and writes, told apart by extension:
// .svg and .json in, .svg, .json and .png out.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "host/document/document.hpp"
#include "host/document_data.hpp"

namespace tovrins::app {

enum class FileFormat { Svg, Json, Png };

// By extension, ignoring case; nullopt for any other.
std::optional<FileFormat> formatOf(const std::filesystem::path& path);

struct OutputFile {
    std::filesystem::path path;
    FileFormat format;
};

// Checks every output before anything runs: a known extension, a directory
// that exists, no file named twice. Throws UsageError naming the file.
std::vector<OutputFile> planOutputs(std::span<const std::filesystem::path> paths);

// Throws UsageError for an extension other than .svg or .json and RunError
// for a file that cannot be read or parsed. The SVG reader's notes on what
// it skipped are appended to warnings.
host::DocumentData loadDocument(const std::filesystem::path& path, std::vector<std::string>& warnings);

// Throws RunError when a PNG output is asked for a document too small or
// too large to render, so the run can be refused before anything runs.
void checkPngSizes(const host::DocumentData& document, std::span<const OutputFile> outputs);
void checkPngSizes(float width, float height, std::span<const OutputFile> outputs);

// Writes every output, or none of them when one fails: each goes to a
// temporary file first, and they are put in place together. Throws RunError.
void saveDocuments(const host::Document& document, std::span<const OutputFile> outputs);

} // namespace tovrins::app
