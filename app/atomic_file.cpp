#include "app/atomic_file.hpp"

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef _WIN32
#include <io.h>
#endif

#include "app/app_error.hpp"

namespace tovrins::app {

namespace {

[[noreturn]] void fail(const std::filesystem::path& target, const std::string& what)
{
    throw RunError("cannot write " + target.string() + ": " + what + " (" + std::strerror(errno) + ")");
}

[[noreturn]] void fail(const std::filesystem::path& target, const std::string& what, const std::error_code& why)
{
    throw RunError("cannot write " + target.string() + ": " + what + " (" + why.message() + ")");
}

int syncToDisk(int fd)
{
#ifdef _WIN32
    return ::_commit(fd);
#else
    return ::fsync(fd);
#endif
}

// Creates the temporary file beside target, its name in entry (so that an
// interrupted run removes it); returns its open descriptor.
int createTemporary(const std::filesystem::path& target, TemporaryFileEntry& entry)
{
    const std::filesystem::path directory = target.has_parent_path() ? target.parent_path() : ".";
    const std::string pattern = (directory / ("." + target.filename().string() + ".tmp-XXXXXX")).string();
    const int fd = ::mkstemp(entry.arm(pattern.c_str()));
    if (fd < 0) {
        entry.disarm();
        fail(target, "cannot create a temporary file beside it");
    }
    return fd;
}

// Closes fd when dropped: a writer that throws part-way leaves no
// descriptor open.
class OpenFile {
public:
    explicit OpenFile(int fd) : fd_(fd) { }
    ~OpenFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

void writeAll(int fd, const std::filesystem::path& target, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(target, "writing failed");
        content.remove_prefix(static_cast<size_t>(n));
    }
}

void syncAndClose(int fd, const std::filesystem::path& target)
{
    const bool synced = syncToDisk(fd) == 0;
    const int syncError = errno;
    if (::close(fd) != 0 || !synced) {
        if (!synced)
            errno = syncError;
        fail(target, "writing failed");
    }
}

} // namespace

StagedFiles::~StagedFiles()
{
    std::error_code ignored;
    for (Staged& file : staged_) {
        if (file.temporary.armed())
            std::filesystem::remove(file.temporary.path(), ignored);
        file.temporary.disarm();
    }
}

void StagedFiles::write(const std::filesystem::path& target, std::string_view content)
{
    write(target, [content](const std::function<void(std::string_view)>& put) { put(content); });
}

void StagedFiles::write(const std::filesystem::path& target, const Producer& produce)
{
    staged_.push_back({TemporaryFileEntry(), target}); // removed by the destructor from here on
    OpenFile file(createTemporary(target, staged_.back().temporary));
    produce([&](std::string_view piece) { writeAll(file.fd(), target, piece); });
    syncAndClose(file.release(), target);
}

std::filesystem::path StagedFiles::reserve(const std::filesystem::path& target)
{
    staged_.push_back({TemporaryFileEntry(), target});
    const int fd = createTemporary(target, staged_.back().temporary);
    if (::close(fd) != 0)
        fail(target, "cannot create a temporary file beside it");
    return staged_.back().temporary.path();
}

void StagedFiles::commit()
{
    // mkstemp makes files readable by their owner only; give them the
    // permissions an ordinary new file gets.
    const auto mask = ::umask(0);
    ::umask(mask);
    // A directory where an output goes is what makes a rename fail; look for
    // one before any file is put in place. A rename failing after that for
    // another reason leaves the outputs before it written.
    for (const Staged& file : staged_) {
        std::error_code ec;
        if (std::filesystem::is_directory(file.target, ec)) {
            errno = EISDIR;
            fail(file.target, "it cannot be replaced");
        }
    }
    while (!staged_.empty()) {
        Staged& file = staged_.front();
        ::chmod(file.temporary.path(), 0666 & ~mask);
        // Replaces an existing target on Windows too, where rename() will not.
        std::error_code ec;
        std::filesystem::rename(file.temporary.path(), file.target, ec);
        if (ec)
            fail(file.target, "it cannot be replaced", ec);
        file.temporary.disarm(); // renamed: an interrupt must leave it in place
        staged_.erase(staged_.begin());
    }
}

void writeFileAtomically(const std::filesystem::path& path, std::string_view content)
{
    StagedFiles file;
    file.write(path, content);
    file.commit();
}

} // namespace tovrins::app
