#include "host/fault_injector.hpp"

namespace tovrins::host {

void FaultInjector::failNthCall(uint64_t n, TvErr code)
{
    failAt_ = n == 0 ? 0 : calls_ + n;
    failAtCode_ = code;
}

void FaultInjector::failOperation(std::string_view suite, std::string_view operation, TvErr code)
{
    failSuite_ = suite;
    failOperation_ = operation;
    failOperationCode_ = code;
}

void FaultInjector::clear()
{
    failAt_ = 0;
    failAtCode_ = 0;
    failSuite_.clear();
    failOperation_.clear();
    failOperationCode_ = 0;
}

TvErr FaultInjector::failure(std::string_view suite, std::string_view operation)
{
    if (failAt_ != 0 && calls_ == failAt_) {
        failAt_ = 0; // one shot: the calls after it succeed again
        return failAtCode_;
    }
    if (failOperationCode_ != 0 && suite == failSuite_ && operation == failOperation_)
        return failOperationCode_;
    return 0;
}

} // namespace tovrins::host
