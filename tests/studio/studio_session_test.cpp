// The studio's session and API against the built plug-in: requests come
// from a client thread over HTTP while the test's thread is the host's.
#include <gtest/gtest.h>

#include <fstream>
#include <future>
#include <sstream>

#include <httplib.h>

#include "host/io/json_document.hpp"
#include "studio/studio_server.hpp"
#include "studio/studio_session.hpp"
#include "host/io/svg_import.hpp"

namespace tovrins::studio {
namespace {

using nlohmann::json;

host::DocumentData example()
{
    std::ifstream in(TOVRINS_EXAMPLE);
    std::stringstream text;
    text << in.rdbuf();
    std::vector<std::string> warnings;
    return host::readSvg(text.str(), "star.svg", warnings);
}

class StudioApi : public ::testing::Test {
protected:
    explicit StudioApi(uint64_t seed = 7) : bench(TOVRINS_PLUGIN_PATH, seed)
    {
        bench.open(example());
        session.emplace(bench, queue, seed, "star.svg");
        server.emplace(*session, queue, "127.0.0.1", 0);
        server->start();
    }

    // The client runs on a thread of its own; this thread plays the host
    // until the client is done.
    template <class F> void withClient(F client)
    {
        auto done = std::async(std::launch::async, [&] {
            client();
            queue.stop();
        });
        while (queue.runNext()) { }
        done.get();
    }

    httplib::Client client() { return httplib::Client("127.0.0.1", server->port()); }

    static json post(httplib::Client& c, const std::string& path, const json& body, int status = 200)
    {
        const auto result = c.Post(path.c_str(), body.dump(), "application/json");
        EXPECT_TRUE(result);
        if (!result)
            return {};
        EXPECT_EQ(result->status, status) << result->body;
        return json::parse(result->body);
    }

    static const json& item(const json& state, int id)
    {
        for (const json& i : state["dialog"]["items"])
            if (i["id"] == id)
                return i;
        throw std::runtime_error("no item " + std::to_string(id));
    }

    host::Workbench bench;
    std::optional<StudioSession> session;
    HostQueue queue{[this] { return Reply::json(session->state().dump()); }};
    std::optional<StudioServer> server;
};

TEST_F(StudioApi, AFilterDialogIsWorkedThroughTheApiAndItsCommandIsOneUndoStep)
{
    withClient([&] {
        auto c = client();
        json state = post(c, "/api/command", {{"command", "Select All"}});
        EXPECT_EQ(state["selection"]["count"], 2);
        state = post(c, "/api/command", {{"command", "TovrinRotate..."}});
        ASSERT_TRUE(state["dialog"].is_object());
        EXPECT_EQ(state["dialog"]["resourceId"], 16100);
        EXPECT_EQ(item(state, 4)["display"], "7");
        EXPECT_EQ(item(state, 4)["maximum"], 100);
        EXPECT_FALSE(item(state, 6)["enabled"]); // radial step, with radial mode 0
        EXPECT_FALSE(state["menus"]["edit"][0]["enabled"]);

        state = post(c, "/api/dialog", {{"action", "set"}, {"item", 4}, {"value", "12"}});
        EXPECT_EQ(item(state, 4)["display"], "12");
        const json refused = post(c, "/api/dialog", {{"action", "set"}, {"item", 4}, {"value", "twelve"}}, 422);
        EXPECT_NE(refused["error"].get<std::string>().find("takes a number"), std::string::npos);
        post(c, "/api/dialog", {{"action", "set"}, {"item", 6}, {"value", "5"}}, 422); // disabled
        post(c, "/api/command", {{"command", "Undo"}}, 409);                           // modal
        state = post(c, "/api/dialog", {{"action", "zoom"}, {"value", "50"}});
        EXPECT_DOUBLE_EQ(state["view"]["zoom"], 0.5);
        state = post(c, "/api/dialog", {{"action", "move"}, {"left", 10}, {"top", 20}});
        EXPECT_EQ(state["dialog"]["bounds"], json({10, 20, 395, 320}));

        state = post(c, "/api/dialog", {{"action", "ok"}});
        EXPECT_TRUE(state["dialog"].is_null());
        EXPECT_TRUE(state["canUndo"]);
        EXPECT_EQ(state["menus"]["filter"]["repeat"], json({{"title", "Repeat TovrinRotate..."}, {"enabled", true}}));
        post(c, "/api/dialog", {{"action", "ok"}}, 409); // nothing is open
    });
    // Undo takes back the whole command, leaving the Select All.
    const std::string after = host::writeJson(bench.document()->data());
    ASSERT_TRUE(bench.document()->undo());
    ASSERT_TRUE(bench.document()->undo());
    EXPECT_FALSE(bench.document()->canUndo());
    EXPECT_NE(host::writeJson(bench.document()->data()), after);
}

// With this seed, "Tumble" on the whole example picks steps whose copies
// overflow the coordinates, so the command fails at OK.
class StudioApiFailingTumble : public StudioApi {
protected:
    StudioApiFailingTumble() : StudioApi(1) { }
};

TEST_F(StudioApiFailingTumble, AFailedCommandShowsTheErrorDialogAndLeavesTheDocumentAsItWas)
{
    const std::string before = host::writeJson(bench.document()->data());
    withClient([&] {
        auto c = client();
        post(c, "/api/command", {{"command", "Select All"}});
        json state = post(c, "/api/command", {{"command", "TovrinTranslate..."}});
        ASSERT_EQ(state["dialog"]["resourceId"], 16100);
        post(c, "/api/dialog", {{"action", "click"}, {"item", 51}});
        state = post(c, "/api/dialog", {{"action", "ok"}});
        ASSERT_TRUE(state["dialog"].is_object()) << state.dump();
        EXPECT_EQ(state["dialog"]["resourceId"], 16051);
        EXPECT_EQ(state["dialog"]["title"], "Plug-in Error");
        post(c, "/api/command", {{"command", "Undo"}}, 409); // the error dialog is modal too
        state = post(c, "/api/dialog", {{"action", "ok"}});
        EXPECT_TRUE(state["dialog"].is_null());
    });
    ASSERT_TRUE(bench.document()->undo()); // the Select All, and nothing else
    EXPECT_EQ(host::writeJson(bench.document()->data()), before);
}

TEST_F(StudioApi, StoppingWithADialogOpenCancelsItAndLeavesTheDocumentAsItWas)
{
    const std::string before = host::writeJson(bench.document()->data());
    withClient([&] {
        auto c = client();
        post(c, "/api/command", {{"command", "Select All"}});
        const json state = post(c, "/api/command", {{"command", "TovrinScale..."}});
        ASSERT_TRUE(state["dialog"].is_object());
        post(c, "/api/dialog", {{"action", "set"}, {"item", 4}, {"value", "30"}});
    });
    EXPECT_FALSE(session->dialogOpen());
    ASSERT_TRUE(bench.document()->undo()); // the Select All, and nothing else
    EXPECT_EQ(host::writeJson(bench.document()->data()), before);
}

TEST_F(StudioApi, SelectionByClickShiftClickAndBandInViewPixels)
{
    withClient([&] {
        auto c = client();
        // The view is 800 x 600 about the page's centre (200, 200) at 100 %:
        // the star's middle (200, 200) is pixel (400, 300), the moon's (330, 330) is (530, 170).
        json state = post(c, "/api/select", {{"point", {400, 300}}});
        EXPECT_EQ(state["selection"]["count"], 1);
        state = post(c, "/api/select", {{"point", {530, 170}}, {"extend", true}});
        EXPECT_EQ(state["selection"]["count"], 2);
        state = post(c, "/api/select", {{"point", {530, 170}}, {"extend", true}});
        EXPECT_EQ(state["selection"]["count"], 1); // Shift-click takes it back off
        state = post(c, "/api/select", {{"point", {5, 5}}});
        EXPECT_EQ(state["selection"]["count"], 0);                      // the paper; the locked sky is not selectable
        state = post(c, "/api/select", {{"band", {790, 590, 10, 10}}}); // drawn either way
        EXPECT_EQ(state["selection"]["count"], 2);
        state = post(c, "/api/select", {{"band", {0, 0, 50, 50}}, {"extend", true}});
        EXPECT_EQ(state["selection"]["count"], 2);
        state = post(c, "/api/select", {{"band", {0, 0, 50, 50}}});
        EXPECT_EQ(state["selection"]["count"], 0);
        post(c, "/api/select", {{"point", {"x", 1}}}, 400);
    });
}

TEST_F(StudioApi, UploadsAreReadByTheDocumentReadersAndRefusedWithTheirSentence)
{
    withClient([&] {
        auto c = client();
        auto upload = [&](const std::string& name, const std::string& body) {
            return c.Post(("/api/open?name=" + name).c_str(), body, "application/octet-stream");
        };
        auto result = upload("notes.txt", "hello");
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, 415);
        EXPECT_NE(result->body.find("notes.txt"), std::string::npos);
        result = upload("broken.svg", "<svg><path d='M 0 0 L'");
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, 422);
        EXPECT_NE(result->body.find("broken.svg"), std::string::npos);
        result = upload("big.svg", std::string(kMostUploadBytes + 1, ' '));
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, 413);
        result = upload("star.json", host::writeJson(example()));
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, 200);
        EXPECT_EQ(json::parse(result->body)["document"]["name"], "star.json");
        const auto svg = c.Get("/api/document.svg?download=1");
        ASSERT_TRUE(svg);
        EXPECT_EQ(svg->get_header_value("Content-Disposition"), "attachment; filename=\"star.svg\"");
        const auto png = c.Get("/api/document.png");
        ASSERT_TRUE(png);
        EXPECT_EQ(png->body.substr(1, 3), "PNG");
    });
}

TEST_F(StudioApi, APortInUseIsRefusedNotShared)
{
    try {
        StudioServer second(*session, queue, "127.0.0.1", server->port());
        ADD_FAILURE() << "a second studio listens on port " << server->port();
    } catch (const StudioError& e) {
        EXPECT_NE(std::string(e.what()).find("cannot listen on 127.0.0.1:" + std::to_string(server->port())),
                  std::string::npos)
            << e.what();
    }
}

TEST_F(StudioApi, TheArtworkImagesOfTheStateAreServedAndOthersAreNot)
{
    withClient([&] {
        auto c = client();
        const auto state = c.Get("/api/state");
        ASSERT_TRUE(state);
        const json keys = json::parse(state->body)["artwork"];
        ASSERT_EQ(keys.size(), 2u); // the sky's layer, the star's and moon's
        for (const json& key : keys) {
            const auto image = c.Get(("/api/artwork/" + key.get<std::string>() + ".svg").c_str());
            ASSERT_TRUE(image);
            EXPECT_EQ(image->status, 200);
            EXPECT_EQ(image->body.rfind("<?xml", 0), 0u);
        }
        const auto unknown = c.Get("/api/artwork/0123456789abcdef-1.svg");
        ASSERT_TRUE(unknown);
        EXPECT_EQ(unknown->status, 404);
        const auto malformed = c.Get("/api/artwork/..%2Fsecret.svg");
        ASSERT_TRUE(malformed);
        EXPECT_EQ(malformed->status, 404);
    });
}

TEST_F(StudioApi, RequestsAddressedToAnotherHostOrFromAnotherOriginAreRefused)
{
    const std::string port = std::to_string(server->port());
    EXPECT_TRUE(server->addressedToUs("127.0.0.1:" + port, ""));
    EXPECT_TRUE(server->addressedToUs("localhost:" + port, "http://localhost:" + port));
    EXPECT_FALSE(server->addressedToUs("evil.example:" + port, "")); // DNS rebinding
    EXPECT_FALSE(server->addressedToUs("127.0.0.1:" + port, "http://evil.example"));
    EXPECT_FALSE(server->addressedToUs("127.0.0.1:1", ""));
    withClient([&] {
        auto c = client();
        const auto foreign = c.Post("/api/command", {{"Origin", "http://evil.example"}}, R"({"command":"Select All"})",
                                    "application/json");
        ASSERT_TRUE(foreign);
        EXPECT_EQ(foreign->status, 403);
        const auto page = c.Get("/");
        ASSERT_TRUE(page);
        EXPECT_NE(page->body.find("data-view=\"document\""), std::string::npos);
    });
    EXPECT_FALSE(bench.document()->canUndo()); // the foreign Select All never ran
}

} // namespace
} // namespace tovrins::studio
