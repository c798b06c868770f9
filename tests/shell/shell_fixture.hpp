// Installs a fresh FakeHost and leaves the shell's static state as a newly
// loaded plug-in has it, before and after every test.
#pragma once

#include <gtest/gtest.h>

#include "tests/shell/fake_host.hpp"
#include "shell/plugin_globals.hpp"
#include "shell/suites.hpp"

namespace tovrins::test {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        installFakeHost(&host);
        resetShell();
    }
    void TearDown() override
    {
        resetShell();
        installFakeHost(nullptr);
    }

    // Acquires every suite, as PluginMain does before handling a message.
    void holdSuites() { ASSERT_EQ(acquireSuites(host.basic()), 0); }

    // A PluginGlobals record in host memory with no list held.
    PluginGlobals& useGlobals()
    {
        globals = PluginGlobals{};
        globals.selectionCount = -1;
        pluginGlobals() = &globals;
        return globals;
    }

    FakeHost host;
    PluginGlobals globals{};

private:
    static void resetShell()
    {
        resetSuiteNesting();
        suites() = Suites{};
        pluginGlobals() = nullptr;
    }
};

} // namespace tovrins::test
