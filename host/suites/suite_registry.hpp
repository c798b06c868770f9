// The suites a host offers, by name and version, with the references
// plug-ins hold on them.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "sdk/tv_types.h"

namespace tovrins::host {

class SuiteRegistry {
public:
    void add(std::string name, int32_t version, const void* table);
    // S!Fd for an unknown name or version.
    TvErr acquire(std::string_view name, int32_t version, const void** table);
    // S!Fd when no reference is held.
    TvErr release(std::string_view name, int32_t version);
    int32_t referenceCount(std::string_view name, int32_t version) const;
    // References held on all suites together, for leak checks.
    int64_t totalReferences() const;

private:
    struct Entry {
        const void* table = nullptr;
        int32_t references = 0;
    };
    std::map<std::pair<std::string, int32_t>, Entry, std::less<>> suites_;
};

} // namespace tovrins::host
