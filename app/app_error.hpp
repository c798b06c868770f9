// The two kinds of failure the program reports: a command line it cannot
// act on (exit code 2) and a run that went wrong (exit code 1). Both carry
// one sentence naming the value, file or filter at fault.
#pragma once

#include <new>
#include <stdexcept>
#include <string>

namespace tovrins::app {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class RunError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The failures needingMemoryTo reports as a lack of memory; other handlers
// let them pass.
inline bool isOutOfMemory(const std::exception& e)
{
    return dynamic_cast<const std::bad_alloc*>(&e) != nullptr || dynamic_cast<const std::length_error*>(&e) != nullptr;
}

// Runs step; an allocation failure in it, or a size beyond what a string or
// vector holds, becomes a RunError saying what there was not enough memory
// for: "not enough memory to write out.json".
template <class Step> decltype(auto) needingMemoryTo(const std::string& what, Step&& step)
{
    try {
        return step();
    } catch (const std::bad_alloc&) {
        throw RunError("not enough memory to " + what);
    } catch (const std::length_error&) {
        throw RunError("not enough memory to " + what);
    }
}

inline constexpr int kExitRunError = 1;
inline constexpr int kExitUsageError = 2;

} // namespace tovrins::app
