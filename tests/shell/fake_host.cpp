#include "tests/shell/fake_host.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace tovrins::test {

namespace {

FakeHost* current = nullptr;

TvDialogRef theDialog() { return reinterpret_cast<TvDialogRef>(uintptr_t{0xD1A}); }

TvItemRef itemRef(int32_t id) { return reinterpret_cast<TvItemRef>(static_cast<uintptr_t>(id)); }

int32_t itemId(TvItemRef item) { return static_cast<int32_t>(reinterpret_cast<uintptr_t>(item)); }

std::string fromPascal(const unsigned char* text)
{
    return std::string(reinterpret_cast<const char*>(text) + 1, text[0]);
}

TvErr failureOf(const std::map<std::string, TvErr>& failures, const char* name)
{
    const auto found = failures.find(name);
    return found == failures.end() ? 0 : found->second;
}

// Suites the shell never calls: a zeroed table, so any call would crash.
const std::array<void*, 64> kEmptyTable{};

const TvSPBlocksSuiteV2 kBlocks{
    .allocateBlock = [](uint32_t size, const char* name, void** block) -> TvErr {
        if (size > 256)
            return TV_ERR_MEMORY_FULL;
        auto& storage = fakeHost().blocks.emplace_back(std::make_unique<std::array<std::byte, 256>>());
        storage->fill(std::byte{0});
        fakeHost().blockNames.emplace_back(name);
        *block = storage->data();
        return 0;
    },
    .freeBlock = [](void* block) -> TvErr {
        fakeHost().freedBlocks.push_back(block);
        return 0;
    },
};

const TvAIMdMemorySuiteV1 kMemory{
    .newHandle = [](uint32_t size, TvMemoryHandle* handle) -> TvErr {
        FakeHost& host = fakeHost();
        if (host.newHandleResult != 0)
            return host.newHandleResult;
        *handle = host.newHandleGivesNull ? nullptr : host.newMemory(size);
        return 0;
    },
    .disposeHandle = [](TvMemoryHandle handle) -> TvErr {
        FakeHost& host = fakeHost();
        host.disposed.push_back(handle);
        return host.memory.erase(handle) == 1 ? 0 : TV_ERR_BAD_PARAMETER;
    },
    .getPointer = [](TvMemoryHandle handle, void** pointer) -> TvErr {
        const auto found = fakeHost().memory.find(handle);
        if (found == fakeHost().memory.end())
            return TV_ERR_BAD_PARAMETER;
        *pointer = found->second.data();
        return 0;
    },
};

// Assigned one by one: the operations the shell never calls stay null.
const TvAIArtSuiteV9 kArt = [] {
    TvAIArtSuiteV9 s{};
    s.getArtType = [](TvArtHandle art, int16_t* type) -> TvErr {
        const auto found = fakeHost().artTypes.find(art);
        *type = found == fakeHost().artTypes.end() ? int16_t{TV_ART_PATH} : found->second;
        return 0;
    };
    s.getArtFirstChild = [](TvArtHandle art, TvArtHandle* child) -> TvErr {
        const auto found = fakeHost().children.find(art);
        *child = found == fakeHost().children.end() || found->second.empty() ? nullptr : found->second.front();
        return 0;
    };
    s.getArtSibling = [](TvArtHandle art, TvArtHandle* sibling) -> TvErr {
        *sibling = nullptr;
        for (const auto& [parent, kids] : fakeHost().children)
            for (std::size_t i = 0; i + 1 < kids.size(); ++i)
                if (kids[i] == art)
                    *sibling = kids[i + 1];
        return 0;
    };
    s.getArtBounds = [](TvArtHandle art, TvRealRect* bounds) -> TvErr {
        fakeHost().boundsRead.push_back(art);
        *bounds = TvRealRect{0, 10, 10, 0};
        const auto found = fakeHost().boundsFailures.find(art);
        return found == fakeHost().boundsFailures.end() ? 0 : found->second;
    };
    return s;
}();

const TvAIUserSuiteV5 kUser{
    .realToText = [](TvReal value, int16_t decimals, unsigned char* text) -> TvErr {
        char digits[64];
        const int length = std::snprintf(digits, sizeof digits, "%.*f", decimals, static_cast<double>(value));
        text[0] = static_cast<unsigned char>(length);
        std::memcpy(text + 1, digits, static_cast<std::size_t>(length));
        return 0;
    },
    .textToReal = [](const unsigned char* text, TvReal* value) -> TvErr {
        const std::string digits = fromPascal(text);
        char* end = nullptr;
        *value = std::strtof(digits.c_str(), &end);
        return digits.empty() || *end != '\0' ? TV_ERR_BAD_PARAMETER : 0;
    },
};

const TvAIUndoSuiteV4 kUndo{
    .undoChanges = []() -> TvErr {
        ++fakeHost().undoCalls;
        return fakeHost().undoResult;
    },
};

const TvAIMatchingArtSuiteV4 kMatching{
    .getMatchingArt = [](const TvMatchingArtSpec* specs, int16_t count, TvMemoryHandle* matches,
                         int32_t* found) -> TvErr {
        FakeHost& host = fakeHost();
        host.requestedTypes.clear();
        for (int16_t i = 0; i < count; ++i) {
            host.requestedTypes.emplace_back(specs[i].type, specs[i].whichAttr);
            if (specs[i].attr != TV_ART_SELECTED)
                return TV_ERR_BAD_PARAMETER;
        }
        if (host.matchingResult != 0)
            return host.matchingResult;
        *found = static_cast<int32_t>(host.selected.size());
        *matches = nullptr;
        if (host.selected.empty())
            return 0;
        *matches = host.newMemory(host.selected.size() * sizeof(TvArtHandle));
        std::memcpy(host.memory[*matches].data(), host.selected.data(), host.selected.size() * sizeof(TvArtHandle));
        return 0;
    },
};

const TvAIMenuSuiteV7 kMenu{
    .updateMenuItemAutomatically = [](TvMenuItemHandle item, int32_t action, int32_t a, int32_t b, int32_t c, int32_t d,
                                      int32_t ifTrue, int32_t ifNotTrue) -> TvErr {
        fakeHost().menuItems.push_back(item);
        fakeHost().menuUpdates.push_back({action, a, b, c, d, ifTrue, ifNotTrue});
        return 0;
    },
};

const TvAIFilterSuiteV2 kFilter{
    .addFilter = [](TvPluginRef, const char* name, const TvFilterMenuText* text, int32_t options,
                    TvFilterHandle* filter) -> TvErr {
        FakeHost& host = fakeHost();
        if (host.addFilterThrows)
            throw std::bad_alloc();
        if (const TvErr code = failureOf(host.addFilterFailures, name))
            return code;
        *filter = reinterpret_cast<TvFilterHandle>(static_cast<uintptr_t>(0xF00 + host.filters.size()));
        host.filters.push_back({name, fromPascal(text->category), fromPascal(text->title), options, *filter});
        return 0;
    },
    .getFilterMenuItem = [](TvFilterHandle filter, TvMenuItemHandle* item) -> TvErr {
        *item = reinterpret_cast<TvMenuItemHandle>(reinterpret_cast<uintptr_t>(filter) + 0x100);
        return 0;
    },
};

const TvADMBasicSuiteV2 kAdmBasic{
    .getIndexString = [](TvPluginRef, int32_t list, int32_t index, char* buffer, int32_t size) -> TvErr {
        FakeHost& host = fakeHost();
        host.stringReads.emplace_back(index, size);
        if (host.failingStringIndices.contains(index))
            return TV_ERR_BAD_PARAMETER;
        const auto found = host.strings.find({list, index});
        const std::string text = found == host.strings.end() ? std::string{} : found->second;
        const std::size_t length = std::min(text.size(), static_cast<std::size_t>(size - 1));
        std::memcpy(buffer, text.data(), length);
        buffer[length] = '\0';
        return 0;
    },
    .errorAlert = [](const char* text) -> TvErr {
        fakeHost().alerts.emplace_back(text);
        return 0;
    },
};

// Assigned one by one: the operations the shell never calls stay null.
const TvADMDialogSuiteV3 kDialog = [] {
    TvADMDialogSuiteV3 s{};
    s.modal = [](TvPluginRef, const char* name, int32_t id, int32_t style, TvADMDialogInitProc init, void* data,
                 int32_t* result) -> TvErr {
        FakeHost& host = fakeHost();
        host.modals.push_back({name, id, style, init, data});
        host.initResult = init && host.runInit ? init(theDialog()) : 0;
        if (host.initResult != 0)
            return host.initResult;
        if (host.whileModal)
            host.whileModal();
        *result = host.modalResult;
        return 0;
    };
    s.getUserData = [](TvDialogRef, void** data) -> TvErr {
        *data = fakeHost().modals.empty() ? nullptr : fakeHost().modals.back().userData;
        return 0;
    };
    s.getItem = [](TvDialogRef, int32_t id, TvItemRef* item) -> TvErr {
        *item = itemRef(id);
        return 0;
    };
    return s;
}();

// Assigned one by one: the operations the shell never calls stay null.
const TvADMItemSuiteV4 kItem = [] {
    TvADMItemSuiteV4 s{};
    s.setNotifyProc = [](TvItemRef item, TvADMNotifyProc proc) -> TvErr {
        fakeHost().notifyProcs[itemId(item)] = proc;
        return 0;
    };
    s.defaultNotify = [](TvItemRef item, TvNotifierRef) -> TvErr {
        fakeHost().defaultNotified.push_back(itemId(item));
        return 0;
    };
    s.setText = [](TvItemRef item, const char* text) -> TvErr {
        fakeHost().itemTexts[itemId(item)] = text;
        return 0;
    };
    return s;
}();

const void* tableFor(const std::string& name)
{
    static const std::map<std::string, const void*> tables{
        {kTvSPBlocksSuite, &kBlocks},  {kTvAIMdMemorySuite, &kMemory}, {kTvAIArtSuite, &kArt},
        {kTvAIUserSuite, &kUser},      {kTvAIUndoSuite, &kUndo},       {kTvAIMatchingArtSuite, &kMatching},
        {kTvAIMenuSuite, &kMenu},      {kTvAIFilterSuite, &kFilter},   {kTvADMBasicSuite, &kAdmBasic},
        {kTvADMDialogSuite, &kDialog}, {kTvADMItemSuite, &kItem},
    };
    const auto found = tables.find(name);
    return found == tables.end() ? kEmptyTable.data() : found->second;
}

const TvSPBasicSuite kBasic{
    .acquireSuite = [](const char* name, int32_t version, const void** suite) -> TvErr {
        FakeHost& host = fakeHost();
        host.acquired.push_back(suiteLabel(name, version));
        if (const TvErr code = failureOf(host.acquireFailures, name))
            return code;
        *suite = tableFor(name);
        return 0;
    },
    .releaseSuite = [](const char* name, int32_t version) -> TvErr {
        FakeHost& host = fakeHost();
        host.released.push_back(suiteLabel(name, version));
        return failureOf(host.releaseFailures, name);
    },
    .isEqual = [](const char* first, const char* second) -> TvBool { return std::strcmp(first, second) == 0; },
};

} // namespace

const TvSPBasicSuite* FakeHost::basic() const { return &kBasic; }

TvMemoryHandle FakeHost::newMemory(std::size_t size)
{
    static uintptr_t next = 0x1000;
    const auto handle = reinterpret_cast<TvMemoryHandle>(next++);
    memory[handle].assign(size, std::byte{0});
    return handle;
}

FakeHost& fakeHost() { return *current; }

void installFakeHost(FakeHost* host) { current = host; }

TvArtHandle artHandle(uintptr_t id) { return reinterpret_cast<TvArtHandle>(id); }

std::string suiteLabel(const char* name, int32_t version) { return std::string(name) + " v" + std::to_string(version); }

} // namespace tovrins::test
