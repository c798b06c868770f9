// Running out of memory told as what the program was doing: "not enough
// memory to write out.json", never an exception's name.
#pragma once

#include <exception>
#include <new>
#include <stdexcept>
#include <string>

#include "app/app_error.hpp"

namespace tovrins::app {

// The failures needingMemoryTo reports as a lack of memory: an allocation
// that failed, or a size beyond what a string or vector holds. Other
// handlers let them pass.
inline bool isOutOfMemory(const std::exception& e)
{
    return dynamic_cast<const std::bad_alloc*>(&e) != nullptr || dynamic_cast<const std::length_error*>(&e) != nullptr;
}

// While it lives, names the step the program is taking, for a failure that
// cannot be caught (one thrown where a library does not let it pass).
class MemoryStep {
public:
    explicit MemoryStep(const std::string& what);
    ~MemoryStep();
    MemoryStep(const MemoryStep&) = delete;
    MemoryStep& operator=(const MemoryStep&) = delete;

private:
    const std::string* previous_;
};

// Runs step; running out of memory in it becomes a RunError saying what
// for: "not enough memory to write out.json".
template <class Step> decltype(auto) needingMemoryTo(const std::string& what, Step&& step)
{
    const MemoryStep naming(what);
    try {
        return step();
    } catch (const std::exception& e) {
        if (!isOutOfMemory(e))
            throw;
        throw RunError("not enough memory to " + what);
    }
}

// Installs a terminate handler for an allocation failure that a library
// turned into std::terminate: it removes the temporary output files, says
// what there was not enough memory for, and ends with the run-error code.
// Anything else still aborts as before.
void reportMemoryFailuresOnTerminate();

} // namespace tovrins::app
