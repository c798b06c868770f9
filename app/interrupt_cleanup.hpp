// Removing temporary output files when the program is interrupted (Ctrl-C,
// TERM, HUP). A signal handler may only make async-signal-safe calls, so
// the paths live in a fixed table of plain buffers that the handler reads
// without taking a lock, and removal is unlink(). KILL cannot be caught: a
// killed run can leave its hidden temporary files behind.
#pragma once

#include <cstddef>

namespace tovrins::app {

// How many temporary files can be covered at once, so how many outputs one
// run can write.
inline constexpr std::size_t kMostTemporaryFiles = 64;

// Installs the handlers (once; later calls do nothing). A signal the
// program was started ignoring stays ignored. After removing the files the
// handler gives the signal its default action and raises it again, so the
// program ends as the signal says.
void removeTemporariesOnInterrupt();

// Removes every armed temporary file now, as the signal handler does: for
// a program that must end without unwinding.
void removeTemporaryFilesNow();

// One entry of the table: the path of one temporary file, removed by the
// handler while the entry is armed. Movable, not copyable.
class TemporaryFileEntry {
public:
    static constexpr std::size_t kCapacity = 4096; // with its terminating zero

    // Claims a free entry; throws RunError when all are in use.
    TemporaryFileEntry();
    ~TemporaryFileEntry();
    TemporaryFileEntry(TemporaryFileEntry&& other) noexcept;
    TemporaryFileEntry& operator=(TemporaryFileEntry&& other) noexcept;
    TemporaryFileEntry(const TemporaryFileEntry&) = delete;
    TemporaryFileEntry& operator=(const TemporaryFileEntry&) = delete;

    // The entry's path buffer, armed: mkstemp fills its X's in place, so
    // the name is in the table before the file exists. Throws RunError when
    // the path is longer than the buffer holds.
    char* arm(const char* pathTemplate);
    // The file is gone or renamed into place: the handler leaves it alone.
    void disarm();
    bool armed() const;
    const char* path() const;

private:
    std::size_t index_;
};

} // namespace tovrins::app
