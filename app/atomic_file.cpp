#include "atomic_file.hpp"

#include <cerrno>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app_error.hpp"

namespace tovrins::app {

namespace {

// Owns the temporary file until it has been renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target)
    {
        const std::filesystem::path directory = target.has_parent_path() ? target.parent_path() : ".";
        name_ = (directory / ("." + target.filename().string() + ".tmp-XXXXXX")).string();
        fd_ = ::mkstemp(name_.data());
        if (fd_ < 0)
            fail(target, "cannot create a temporary file beside it");
    }
    ~TemporaryFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!renamed_)
            ::unlink(name_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void write(const std::filesystem::path& target, std::string_view content)
    {
        while (!content.empty()) {
            const ssize_t n = ::write(fd_, content.data(), content.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                fail(target, "writing failed");
            content.remove_prefix(static_cast<size_t>(n));
        }
        const int fd = fd_;
        fd_ = -1;
        const bool synced = ::fsync(fd) == 0;
        const int syncError = errno;
        if (::close(fd) != 0 || !synced) {
            if (!synced)
                errno = syncError;
            fail(target, "writing failed");
        }
    }

    void renameTo(const std::filesystem::path& target)
    {
        // mkstemp makes the file readable by its owner only; give it the
        // permissions an ordinary new file gets.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::chmod(name_.c_str(), 0666 & ~mask);
        if (::rename(name_.c_str(), target.c_str()) != 0)
            fail(target, "it cannot be replaced");
        renamed_ = true;
    }

private:
    [[noreturn]] static void fail(const std::filesystem::path& target, const std::string& what)
    {
        throw RunError("cannot write " + target.string() + ": " + what + " (" + std::strerror(errno) + ")");
    }

    std::string name_;
    int fd_ = -1;
    bool renamed_ = false;
};

} // namespace

void writeFileAtomically(const std::filesystem::path& path, std::string_view content)
{
    TemporaryFile file(path);
    file.write(path, content);
    file.renameTo(path);
}

} // namespace tovrins::app
