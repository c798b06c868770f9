// The studio's user at the plug-in's modal dialogs and alerts: while one is
// open, the host thread takes the browser's actions from the queue until it
// ends, so the plug-in sees the same DialogUser operations a script plays.
#pragma once

#include <string>
#include <vector>

#include "host/adm/dialog_front_end.hpp"
#include "studio/host_queue.hpp"

namespace tovrins::studio {

// A dialog or alert the user has in front of them; the innermost is last.
struct OpenDialog {
    host::DialogUser* user = nullptr; // null for an alert
    std::string alertText;
    bool dismissed = false; // an alert's OK was pressed
};

class StudioFrontEnd : public host::DialogFrontEnd {
public:
    explicit StudioFrontEnd(HostQueue& queue) : queue_(queue) { }

    void run(host::DialogUser& user) override;
    void alert(std::string_view text) override;

    // Null when nothing is open.
    OpenDialog* top() { return open_.empty() ? nullptr : &open_.back(); }
    const OpenDialog* top() const { return open_.empty() ? nullptr : &open_.back(); }

private:
    HostQueue& queue_;
    std::vector<OpenDialog> open_;
};

} // namespace tovrins::studio
