#include "app/interrupt_cleanup.hpp"

#include <atomic>
#include <csignal>
#include <cstring>
#include <string>

#include <unistd.h>

#include "app/app_error.hpp"

namespace tovrins::app {

namespace {

constexpr std::size_t kNoEntry = kMostTemporaryFiles;

// The protocol's one piece of shared state: what the handler may read.
struct Table {
    char paths[kMostTemporaryFiles][TemporaryFileEntry::kCapacity];
    volatile std::sig_atomic_t armed[kMostTemporaryFiles];
    bool claimed[kMostTemporaryFiles]; // touched by the program only
};
Table table;

void removeArmed()
{
    for (std::size_t i = 0; i < kMostTemporaryFiles; ++i)
        if (table.armed[i])
            ::unlink(table.paths[i]);
}

extern "C" void removeTemporariesAndReraise(int signal)
{
    removeArmed();
#ifdef _WIN32
    std::signal(signal, SIG_DFL);
#endif
    // Installed with SA_RESETHAND: the default action is back, and the
    // signal, blocked while this handler runs, arrives once it returns.
    std::raise(signal);
}

void install(int signal)
{
#ifdef _WIN32
    std::signal(signal, removeTemporariesAndReraise);
#else
    struct sigaction previous { };
    if (::sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN)
        return;
    struct sigaction action { };
    action.sa_handler = removeTemporariesAndReraise;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    ::sigaction(signal, &action, nullptr);
#endif
}

} // namespace

void removeTemporaryFilesNow() { removeArmed(); }

void removeTemporariesOnInterrupt()
{
    static const bool installed = [] {
        install(SIGINT);
        install(SIGTERM);
#ifndef _WIN32
        install(SIGHUP);
#endif
        return true;
    }();
    (void)installed;
}

TemporaryFileEntry::TemporaryFileEntry() : index_(kNoEntry)
{
    for (std::size_t i = 0; i < kMostTemporaryFiles; ++i)
        if (!table.claimed[i]) {
            table.claimed[i] = true;
            index_ = i;
            return;
        }
    throw RunError("cannot keep track of more than " + std::to_string(kMostTemporaryFiles) +
                   " temporary files at once");
}

TemporaryFileEntry::~TemporaryFileEntry()
{
    if (index_ == kNoEntry)
        return;
    disarm();
    table.claimed[index_] = false;
}

TemporaryFileEntry::TemporaryFileEntry(TemporaryFileEntry&& other) noexcept : index_(other.index_)
{
    other.index_ = kNoEntry;
}

TemporaryFileEntry& TemporaryFileEntry::operator=(TemporaryFileEntry&& other) noexcept
{
    if (this != &other) {
        this->~TemporaryFileEntry();
        index_ = other.index_;
        other.index_ = kNoEntry;
    }
    return *this;
}

char* TemporaryFileEntry::arm(const char* pathTemplate)
{
    const std::size_t length = std::strlen(pathTemplate);
    if (length >= kCapacity)
        throw RunError(std::string("the temporary file name ") + pathTemplate + " is too long");
    disarm();
    std::memcpy(table.paths[index_], pathTemplate, length + 1);
    // The name is complete before the handler may read it.
    std::atomic_signal_fence(std::memory_order_seq_cst);
    table.armed[index_] = 1;
    return table.paths[index_];
}

void TemporaryFileEntry::disarm()
{
    table.armed[index_] = 0;
    std::atomic_signal_fence(std::memory_order_seq_cst);
}

bool TemporaryFileEntry::armed() const { return table.armed[index_] != 0; }

const char* TemporaryFileEntry::path() const { return table.paths[index_]; }

} // namespace tovrins::app
