#include "host/adm/scripted_front_end.hpp"

#include <new>

namespace tovrins::host {

void ScriptedFrontEnd::run(DialogUser& user)
{
    if (scripts_.empty()) {
        user.pressDefault();
        return;
    }
    const std::vector<DialogAction> script = std::move(scripts_.front());
    scripts_.pop_front();
    try {
        for (const DialogAction& action : script) {
            if (user.ended())
                break;
            play(user, action);
        }
        if (!user.ended())
            user.pressDefault();
    } catch (const std::exception& error) {
        // The rest of the script cannot mean what its author meant.
        if (!failure_) {
            failure_ = error.what();
            failedForMemory_ = dynamic_cast<const std::bad_alloc*>(&error) != nullptr;
        }
        if (!user.ended())
            user.pressCancel();
    }
}

void ScriptedFrontEnd::play(DialogUser& user, const DialogAction& action)
{
    try {
        switch (action.kind) {
        case DialogAction::Kind::SetText: return user.setFromText(action.item, action.text);
        case DialogAction::Kind::EnterNumber: return user.enterNumber(action.item, action.number);
        case DialogAction::Kind::Click: return user.click(action.item);
        case DialogAction::Kind::PickView: return user.pick(action.item, action.viewPoint);
        case DialogAction::Kind::PickArtwork:
            if (!artworkToView_)
                throw DialogActionError("cannot pick an artwork point: no document view");
            return user.pick(action.item, artworkToView_(action.artworkPoint));
        case DialogAction::Kind::Accept: return user.pressDefault();
        case DialogAction::Kind::Cancel: return user.pressCancel();
        }
    } catch (const DialogActionError& error) {
        if (action.description.empty())
            throw;
        throw DialogActionError(action.description + ": " + error.what());
    }
}

} // namespace tovrins::host
