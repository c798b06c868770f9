#include "tests/host/adm/adm_fixture.hpp"

namespace tovrins::host::testing {

PluginResources fakeResources()
{
    PluginResources r;
    r.strings[16000] = "first";
    r.strings[16001] = "second string";
    DialogTemplate t;
    t.title = "Fake";
    t.rect = {0, 0, 200, 80};
    t.items.push_back({1, "Button", "OK", std::nullopt, {140, 8, 50, 14}, 0x50010001});
    t.items.push_back({2, "Button", "Cancel", std::nullopt, {140, 26, 50, 14}, 0x50010000});
    t.items.push_back({3, "Button", "Check", std::nullopt, {8, 8, 60, 10}, 0x50010003});
    t.items.push_back({4, "Static", "", uint16_t{16051}, {8, 30, 20, 20}, 0x50000003});
    t.items.push_back({-1, "Static", "A line of text", std::nullopt, {8, 60, 120, 8}, 0x50000000});
    t.items.push_back({6, "Static", "", std::nullopt, {30, 30, 20, 20}, 0x50000007});
    r.dialogs[100] = t;
    return r;
}

AdmTest::AdmTest() : previous_(hostContext().adm)
{
    hostContext().adm = &session;
    session.addPlugin(plugin(), resources);
}

AdmTest::~AdmTest() { hostContext().adm = previous_; }

TvErr AdmTest::runModal(TvADMDialogInitProc init, DialogFrontEnd& frontEnd, int32_t& result, void* userData)
{
    session.setFrontEnd(&frontEnd);
    const TvErr code = dialogs.modal(plugin(), "Fake Dialog", 100, TV_DIALOG_STYLE_MODAL, init, userData, &result);
    session.setFrontEnd(nullptr);
    return code;
}

} // namespace tovrins::host::testing
