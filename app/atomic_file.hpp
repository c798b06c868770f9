// Writing output files completely or not at all: the bytes go to temporary
// files in the targets' directories, which are renamed over the targets
// only once every one of them is fully written and closed.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

#include "app/interrupt_cleanup.hpp"

namespace tovrins::app {

// A set of outputs written together. Whatever has not been committed when
// it is destroyed is removed, so a failure part-way leaves no output; with
// removeTemporariesOnInterrupt installed, so does Ctrl-C or TERM.
class StagedFiles {
public:
    StagedFiles() = default;
    ~StagedFiles();
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // Writes content to a new temporary file for target. Throws RunError
    // naming the target.
    void write(const std::filesystem::path& target, std::string_view content);
    // The same for content made piece by piece: produce passes each piece,
    // in order, to the function it is given, which writes it to the file.
    using Producer = std::function<void(const std::function<void(std::string_view)>&)>;
    void write(const std::filesystem::path& target, const Producer& produce);
    // Creates an empty temporary file for target and returns its path, for
    // a writer that takes a file name; it may replace that file.
    std::filesystem::path reserve(const std::filesystem::path& target);
    // Renames every temporary file over its target, in the order staged,
    // after checking that no target is a directory. Throws RunError naming
    // the target that could not be replaced.
    void commit();

private:
    struct Staged {
        TemporaryFileEntry temporary; // a claimed entry, armed while the file exists
        std::filesystem::path target;
    };
    std::vector<Staged> staged_;
};

// One file on its own; throws RunError naming the file.
void writeFileAtomically(const std::filesystem::path& path, std::string_view content);

} // namespace tovrins::app
