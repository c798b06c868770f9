// A front end that plays recorded user actions: one script per dialog, in
// the order the dialogs open. A dialog with no script left is accepted with
// its default button, as a user pressing Return would. The first action
// that fails cancels its dialog and is kept as the failure.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/adm/dialog_front_end.hpp"

namespace tovrins::host {

struct DialogAction {
    enum class Kind {
        SetText,     // item, text: DialogUser::setFromText
        EnterNumber, // item, number
        Click,       // item
        PickView,    // item, viewPoint
        PickArtwork, // item, artworkPoint (converted through the document view)
        Accept,      // Return: item 1
        Cancel,      // the Cancel button, item 2
    };
    Kind kind = Kind::Accept;
    int32_t item = 0;
    std::string text;
    double number = 0;
    TvIntPoint viewPoint{};
    TvRealPoint artworkPoint{};
    // How the action is named in a failure message, e.g. "--set rotateCopies=x".
    std::string description;

    static DialogAction setText(int32_t item, std::string text, std::string description = {})
    {
        DialogAction a;
        a.kind = Kind::SetText, a.item = item, a.text = std::move(text), a.description = std::move(description);
        return a;
    }
    static DialogAction enterNumber(int32_t item, double number)
    {
        DialogAction a;
        a.kind = Kind::EnterNumber, a.item = item, a.number = number;
        return a;
    }
    static DialogAction click(int32_t item)
    {
        DialogAction a;
        a.kind = Kind::Click, a.item = item;
        return a;
    }
    static DialogAction pickView(int32_t item, TvIntPoint point)
    {
        DialogAction a;
        a.kind = Kind::PickView, a.item = item, a.viewPoint = point;
        return a;
    }
    static DialogAction pickArtwork(int32_t item, TvRealPoint point)
    {
        DialogAction a;
        a.kind = Kind::PickArtwork, a.item = item, a.artworkPoint = point;
        return a;
    }
    static DialogAction accept() { return {}; }
    static DialogAction cancel()
    {
        DialogAction a;
        a.kind = Kind::Cancel;
        return a;
    }
};

class ScriptedFrontEnd : public DialogFrontEnd {
public:
    using ArtworkToView = std::function<TvIntPoint(TvRealPoint)>;

    explicit ScriptedFrontEnd(ArtworkToView artworkToView = {}) : artworkToView_(std::move(artworkToView)) { }

    void addScript(std::vector<DialogAction> actions) { scripts_.push_back(std::move(actions)); }
    size_t scriptsLeft() const { return scripts_.size(); }

    void run(DialogUser& user) override;
    void alert(std::string_view text) override { alerts_.emplace_back(text); }

    const std::optional<std::string>& failure() const { return failure_; }
    // The failure was a lack of memory, not an action the dialog refused.
    bool failedForMemory() const { return failedForMemory_; }
    const std::vector<std::string>& alerts() const { return alerts_; }

private:
    void play(DialogUser& user, const DialogAction& action);

    ArtworkToView artworkToView_;
    std::deque<std::vector<DialogAction>> scripts_;
    std::optional<std::string> failure_;
    bool failedForMemory_ = false;
    std::vector<std::string> alerts_;
};

} // namespace tovrins::host
