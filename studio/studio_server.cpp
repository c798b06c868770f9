#include "studio/studio_server.hpp"

#include <httplib.h>

#include <chrono>

#include "studio/page_assets.hpp"

namespace tovrins::studio {

namespace {

void send(httplib::Response& response, const Reply& reply)
{
    response.status = reply.status;
    if (!reply.downloadName.empty())
        response.set_header("Content-Disposition", "attachment; filename=\"" + reply.downloadName + "\"");
    response.set_header("Cache-Control", "no-store");
    response.set_content(reply.body, reply.contentType.c_str());
}

nlohmann::json bodyJson(const httplib::Request& request)
{
    nlohmann::json json = nlohmann::json::parse(request.body, nullptr, false);
    if (json.is_discarded() || !json.is_object())
        throw StudioError(400, "the request's body is not a JSON object");
    return json;
}

double number(const nlohmann::json& json, const char* key)
{
    if (!json.contains(key) || !json[key].is_number())
        throw StudioError(400, std::string("the request has no number \"") + key + "\"");
    return json[key].get<double>();
}

int32_t pixel(const nlohmann::json& value)
{
    if (!value.is_number() || !(std::abs(value.get<double>()) < 1e9))
        throw StudioError(400, "a view pixel is a number, not " + value.dump());
    return static_cast<int32_t>(std::lround(value.get<double>()));
}

// The download's name: the document's stem, kept to safe characters.
std::string downloadName(const std::string& documentName, const std::string& extension)
{
    std::string stem = documentName.substr(0, documentName.rfind('.'));
    for (char& c : stem)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_')
            c = '_';
    return (stem.empty() ? "document" : stem) + extension;
}

} // namespace

StudioServer::StudioServer(StudioSession& session, HostQueue& queue, const std::string& host, int port)
    : session_(session), queue_(queue), host_(host), server_(std::make_unique<httplib::Server>())
{
    server_->set_payload_max_length(kMostUploadBytes);
    // Small answers go out at once: with Nagle's algorithm a reply written
    // as headers then body waits for the client's delayed ACK (40 ms).
    server_->set_tcp_nodelay(true);
    // cpp-httplib's default also sets SO_REUSEPORT, which lets a second
    // studio share the port and take half of this one's requests: a port in
    // use must refuse it. SO_REUSEADDR alone still restarts on a port whose
    // last connections are closing.
    server_->set_socket_options([](socket_t sock) {
        int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&yes), sizeof yes);
    });
    addRoutes();
    port_ = port == 0 ? server_->bind_to_any_port(host) : (server_->bind_to_port(host, port) ? port : -1);
    if (port_ <= 0)
        throw StudioError(500,
                          "cannot listen on " + host + ":" + std::to_string(port) +
                              " (is the port in use, or the address not this machine's?)");
}

StudioServer::~StudioServer() { stop(); }

std::string StudioServer::url() const
{
    const bool v6 = host_.find(':') != std::string::npos;
    return "http://" + (v6 ? "[" + host_ + "]" : host_) + ":" + std::to_string(port_) + "/";
}

void StudioServer::start()
{
    listenEnded_ = false;
    thread_ = std::thread([this] {
        server_->listen_after_bind();
        listenEnded_ = true;
    });
    // The server's stop() ends only a server that has begun to listen: a
    // Ctrl-C straight after starting would otherwise leave it running.
    while (!server_->is_running() && !listenEnded_)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void StudioServer::stop()
{
    if (!thread_.joinable())
        return;
    server_->stop();
    thread_.join();
}

bool StudioServer::addressedToUs(const std::string& hostHeader, const std::string& originHeader) const
{
    const std::string port = ":" + std::to_string(port_);
    std::vector<std::string> names{"127.0.0.1" + port, "localhost" + port};
    if (host_ != "127.0.0.1")
        names.push_back((host_.find(':') != std::string::npos ? "[" + host_ + "]" : host_) + port);
    const auto ours = [&](const std::string& value, const std::string& prefix) {
        for (const std::string& name : names)
            if (value == prefix + name)
                return true;
        return false;
    };
    return ours(hostHeader, "") && (originHeader.empty() || ours(originHeader, "http://"));
}

void StudioServer::addRoutes()
{
    server_->set_pre_routing_handler([this](const httplib::Request& request, httplib::Response& response) {
        if (addressedToUs(request.get_header_value("Host"), request.get_header_value("Origin")))
            return httplib::Server::HandlerResponse::Unhandled;
        send(response, Reply::error(403, "the studio answers only pages it served itself"));
        return httplib::Server::HandlerResponse::Handled;
    });
    for (const PageAsset& asset : pageAssets()) {
        const std::string path(asset.path);
        const auto serve = [asset](const httplib::Request&, httplib::Response& response) {
            response.set_content(std::string(asset.body), std::string(asset.contentType).c_str());
        };
        server_->Get(path, serve);
        if (path == "/index.html")
            server_->Get("/", serve);
    }

    // A request that reaches the workbench: answered on the host thread.
    const auto onHost = [this](auto handler) {
        return [this, handler](const httplib::Request& request, httplib::Response& response) {
            send(response, queue_.call([&, handler]() -> std::optional<Reply> { return handler(request); }));
        };
    };
    using Result = std::optional<Reply>;
    server_->Get("/api/state",
                 onHost([this](const httplib::Request&) -> Result { return Reply::json(session_.state().dump()); }));
    const auto document = [&](const std::string& extension, const std::string& type, auto body) {
        server_->Get("/api/document" + extension,
                     onHost([this, extension, type, body](const httplib::Request& r) -> Result {
                         Reply reply{200, type, body(), {}};
                         if (r.has_param("download"))
                             reply.downloadName = downloadName(session_.documentName(), extension);
                         return reply;
                     }));
    };
    document(".svg", "image/svg+xml; charset=utf-8", [this] { return session_.documentSvg(); });
    document(".json", kJsonType, [this] { return session_.documentJson(); });
    document(".png", "image/png", [this] { return session_.documentPng(); });
    server_->Get(R"(/api/artwork/([0-9a-f]+-[0-9a-f]+)\.svg)", onHost([this](const httplib::Request& r) -> Result {
                     const std::string* image = session_.artworkImage(r.matches[1]);
                     if (!image)
                         throw StudioError(404,
                                           "the artwork image " + std::string(r.matches[1]) +
                                               " is of an older revision; ask for the state again");
                     return Reply{200, "image/svg+xml; charset=utf-8", *image, {}};
                 }));

    // Actions answer with the state once the host next waits for the user.
    server_->Post("/api/command", onHost([this](const httplib::Request& r) -> Result {
                      const nlohmann::json body = bodyJson(r);
                      if (!body.contains("command") || !body["command"].is_string())
                          throw StudioError(400, "a menu command is {\"command\": TITLE}");
                      session_.command(body["command"].get<std::string>());
                      return std::nullopt;
                  }));
    server_->Post("/api/dialog", onHost([this](const httplib::Request& r) -> Result {
                      session_.dialogAction(bodyJson(r));
                      return std::nullopt;
                  }));
    server_->Post("/api/select", onHost([this](const httplib::Request& r) -> Result {
                      const nlohmann::json body = bodyJson(r);
                      const bool extend = body.value("extend", false);
                      if (body.contains("point") && body["point"].is_array() && body["point"].size() == 2)
                          session_.selectAt({pixel(body["point"][0]), pixel(body["point"][1])}, extend);
                      else if (body.contains("band") && body["band"].is_array() && body["band"].size() == 4)
                          session_.selectInside({pixel(body["band"][0]), pixel(body["band"][1]), pixel(body["band"][2]),
                                                 pixel(body["band"][3])},
                                                extend);
                      else
                          throw StudioError(400, "a selection is {\"point\": [x, y]} or {\"band\": [l, t, r, b]}");
                      return std::nullopt;
                  }));
    server_->Post("/api/layer", onHost([this](const httplib::Request& r) -> Result {
                      const nlohmann::json body = bodyJson(r);
                      const double index = number(body, "index");
                      if (index < 0 || index != std::floor(index))
                          throw StudioError(400, "a layer index is a whole number from 0");
                      session_.setLayer(static_cast<size_t>(index), body.value("visible", true),
                                        body.value("locked", false));
                      return std::nullopt;
                  }));
    server_->Post(
        "/api/view", onHost([this](const httplib::Request& r) -> Result {
            const nlohmann::json body = bodyJson(r);
            if (!body.contains("centre") || !body["centre"].is_array() || body["centre"].size() != 2 ||
                !body["centre"][0].is_number() || !body["centre"][1].is_number())
                throw StudioError(400, "a view is {\"zoom\": Z, \"centre\": [h, v]}");
            session_.setView(number(body, "zoom"), {body["centre"][0].get<float>(), body["centre"][1].get<float>()});
            return std::nullopt;
        }));
    server_->Post("/api/open", onHost([this](const httplib::Request& r) -> Result {
                      const std::string name = r.has_param("name") ? r.get_param_value("name") : "";
                      session_.open(name.empty() ? "upload" : name, r.body);
                      return std::nullopt;
                  }));
}

} // namespace tovrins::studio
