// Makes suite calls fail on purpose so that every failure path of a plug-in
// can be exercised. Every suite function of the workbench asks it first.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "sdk/tv_types.h"

namespace tovrins::host {

class FaultInjector {
public:
    // The nth suite call from now (1 for the next one) returns code.
    void failNthCall(uint64_t n, TvErr code);
    // Every call of suite's operation returns code.
    void failOperation(std::string_view suite, std::string_view operation, TvErr code);
    void clear();
    // Suite calls counted since construction or the last resetCount().
    uint64_t callCount() const { return calls_; }
    void resetCount() { calls_ = 0; }
    // Counts one call; returns the code to fail it with, or 0.
    TvErr onCall(std::string_view suite, std::string_view operation)
    {
        ++calls_;
        return armed() ? failure(suite, operation) : 0;
    }

private:
    // Every suite call asks, so the common answer (nothing armed) is inline.
    bool armed() const { return failAt_ != 0 || failOperationCode_ != 0; }
    TvErr failure(std::string_view suite, std::string_view operation);

    uint64_t calls_ = 0;
    uint64_t failAt_ = 0; // absolute call number, 0 for none
    TvErr failAtCode_ = 0;
    std::string failSuite_;
    std::string failOperation_;
    TvErr failOperationCode_ = 0;
};

} // namespace tovrins::host
