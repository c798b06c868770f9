// A workbench session with one fake plug-in whose resources are made in
// code, and shortcuts to the ADM suite tables.
#pragma once

#include <functional>

#include <gtest/gtest.h>

#include "host/adm/adm_session.hpp"
#include "host/adm/adm_suites.hpp"
#include "host/host_context.hpp"
#include "host/suites/host_environment.hpp"

namespace tovrins::host::testing {

// Template 100: an OK button (1), a Cancel button (2), an auto check box
// (3), an icon (4), a text without id and a black frame (6), 200 x 80
// dialog units.
PluginResources fakeResources();

// A front end that runs a function on each dialog.
class FunctionFrontEnd : public DialogFrontEnd {
public:
    explicit FunctionFrontEnd(std::function<void(DialogUser&)> play) : play_(std::move(play)) { }
    void run(DialogUser& user) override { play_(user); }
    void alert(std::string_view text) override { alerts.emplace_back(text); }
    std::vector<std::string> alerts;

private:
    std::function<void(DialogUser&)> play_;
};

class AdmTest : public ::testing::Test {
protected:
    AdmTest();
    ~AdmTest() override;

    TvPluginRef plugin() const { return reinterpret_cast<TvPluginRef>(const_cast<char*>(&token_)); }
    // Runs template 100 with init, then the front end; returns modal's code.
    TvErr runModal(TvADMDialogInitProc init, DialogFrontEnd& frontEnd, int32_t& result, void* userData = nullptr);

    const TvADMDialogSuiteV3& dialogs = admDialogSuite();
    const TvADMItemSuiteV4& items = admItemSuite();
    const TvADMListSuiteV1& lists = admListSuite();
    const TvADMEntrySuiteV2& entries = admEntrySuite();
    const TvADMBasicSuiteV2& basic = admBasicSuite();

    HostEnvironment env;
    AdmSession session;
    PluginResources resources = fakeResources();

private:
    char token_ = 0;
    AdmSession* previous_ = nullptr;
};

} // namespace tovrins::host::testing
