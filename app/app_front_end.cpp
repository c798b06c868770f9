#include "app/app_front_end.hpp"

#include "app/popup_choice.hpp"
#include "app/view_point.hpp"

namespace tovrins::app {

using host::DialogAction;

AppFrontEnd::AppFrontEnd(std::vector<DialogAction> script, const host::Document& document)
    : ScriptedFrontEnd([&document](TvRealPoint p) { return pickPixel(document, p); }), script_(std::move(script))
{
}

void AppFrontEnd::run(host::DialogUser& user)
{
    if (user.dialog().resourceId != kFilterDialogResource) {
        // An error report before the filter's dialog must not be handed its
        // script; the report is what the user gets to read.
        try {
            user.pressDefault();
        } catch (const std::exception&) {
            // Returning without a result closes the dialog too.
        }
        return;
    }
    if (!checked_) {
        checked_ = true;
        for (const DialogAction& action : script_) {
            const host::AdmItem* item = user.dialog().find(action.item);
            if (!item)
                continue; // the scripted front end reports a missing item
            if (auto refusal = checkPopupChoice(*item, action)) {
                refusedChoice_ = std::move(refusal);
                try {
                    user.pressCancel();
                } catch (const std::exception&) {
                    // Returning without a result cancels the dialog too.
                }
                return;
            }
        }
        // Queued only now, so that no other dialog is handed this script.
        addScript(std::move(script_));
    }
    ScriptedFrontEnd::run(user);
}

} // namespace tovrins::app
