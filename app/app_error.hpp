// The two kinds of failure the program reports: a command line it cannot
// act on (exit code 2) and a run that went wrong (exit code 1). Both carry
// one sentence naming the value, file or filter at fault.
#pragma once

#include <stdexcept>

namespace tovrins::app {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class RunError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr int kExitRunError = 1;
inline constexpr int kExitUsageError = 2;

} // namespace tovrins::app
