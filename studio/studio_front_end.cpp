#include "studio/studio_front_end.hpp"

namespace tovrins::studio {

namespace {

// Pops the innermost dialog however its loop ends.
class OpenScope {
public:
    OpenScope(std::vector<OpenDialog>& open, OpenDialog dialog) : open_(open) { open_.push_back(std::move(dialog)); }
    ~OpenScope() { open_.pop_back(); }
    OpenScope(const OpenScope&) = delete;
    OpenScope& operator=(const OpenScope&) = delete;

private:
    std::vector<OpenDialog>& open_;
};

} // namespace

// A stopping studio leaves the dialog without a result, which the host
// takes as Cancel.
void StudioFrontEnd::run(host::DialogUser& user)
{
    const OpenScope scope(open_, OpenDialog{&user, {}, false});
    while (!user.ended() && queue_.runNext()) { }
}

void StudioFrontEnd::alert(std::string_view text)
{
    const OpenScope scope(open_, OpenDialog{nullptr, std::string(text), false});
    while (!open_.back().dismissed && queue_.runNext()) { }
}

} // namespace tovrins::studio
