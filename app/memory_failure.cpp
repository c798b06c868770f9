#include "app/memory_failure.hpp"

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

#include "app/interrupt_cleanup.hpp"

namespace tovrins::app {

namespace {

const std::string* currentStep = nullptr; // the innermost MemoryStep's
std::terminate_handler previousHandler = nullptr;

[[noreturn]] void onTerminate()
{
    bool memory = false;
    if (const std::exception_ptr failure = std::current_exception()) {
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception& e) {
            memory = isOutOfMemory(e);
        } catch (...) {
        }
    }
    if (!memory) {
        if (previousHandler)
            previousHandler();
        std::abort();
    }
    removeTemporaryFilesNow();
    // Written without allocating.
    std::fputs("tovrins: not enough memory to ", stderr);
    std::fputs(currentStep ? currentStep->c_str() : "finish the command", stderr);
    std::fputs("\n", stderr);
    std::fflush(stderr);
    ::_exit(kExitRunError);
}

} // namespace

MemoryStep::MemoryStep(const std::string& what) : previous_(currentStep) { currentStep = &what; }

MemoryStep::~MemoryStep() { currentStep = previous_; }

void reportMemoryFailuresOnTerminate() { previousHandler = std::set_terminate(onTerminate); }

} // namespace tovrins::app
