// What the dialog tests share: a front end that plays one step per dialog
// and lets the step inspect the open dialog between actions, small
// documents of selected squares, and counts over a document.
#pragma once

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/host/document_fixtures.hpp"
#include "tests/support/plugin_harness.hpp"

namespace tovrins::dialogs_test {

using host::AdmDialog;
using host::AdmItem;
using host::AdmItemKind;
using host::DialogUser;

// Plays the user's part of each dialog with the next step, in the order
// the dialogs open. A step that leaves its dialog open cancels it; an
// action the dialog refuses is a test failure. A dialog with no step left
// (an error report, say) is a failure too unless acceptOthers is set.
class StepFrontEnd : public host::DialogFrontEnd {
public:
    using Step = std::function<void(DialogUser&)>;

    StepFrontEnd& then(Step step)
    {
        steps_.push_back(std::move(step));
        return *this;
    }
    size_t stepsLeft() const { return steps_.size(); }

    void run(DialogUser& user) override
    {
        ++dialogsRun;
        if (steps_.empty()) {
            if (!acceptOthers)
                ADD_FAILURE() << "dialog \"" << user.dialog().name << "\" opened with no step left for it";
            user.pressDefault();
            return;
        }
        const Step step = std::move(steps_.front());
        steps_.pop_front();
        try {
            step(user);
        } catch (const std::exception& error) {
            ADD_FAILURE() << "dialog \"" << user.dialog().name << "\": " << error.what();
        }
        if (!user.ended())
            user.pressCancel();
    }
    void alert(std::string_view text) override { alerts.emplace_back(text); }

    bool acceptOthers = false;
    int dialogsRun = 0;
    std::vector<std::string> alerts;

private:
    std::deque<Step> steps_;
};

inline const AdmItem& item(const AdmDialog& dialog, int32_t id)
{
    if (const AdmItem* found = dialog.find(id))
        return *found;
    throw std::runtime_error("dialog \"" + dialog.name + "\" has no item " + std::to_string(id));
}

// The block the open dialog edits: its user data. (The host learns the
// block's handle only when Get Parameters returns.)
inline FilterParams& blockOf(DialogUser& user)
{
    if (!user.dialog().userData)
        throw std::runtime_error("dialog \"" + user.dialog().name + "\" has no parameter block");
    return *static_cast<FilterParams*>(user.dialog().userData);
}

// A layer of `selected` selected 10 by 10 squares in a row from (100, 100),
// 20 apart, with one unselected square above them that no command touches.
inline host::DocumentData squaresDocument(int selected = 1)
{
    host::DocumentData data;
    std::vector<host::ArtData> art;
    for (int i = 0; i < selected; ++i) {
        const float left = 100.0f + 20.0f * static_cast<float>(i);
        art.push_back(host::testing::rect("s" + std::to_string(i), left, 100, left + 10, 110, true));
    }
    art.push_back(host::testing::rect("bystander", 100, 300, 110, 310, false));
    data.layers.push_back(host::testing::layer("Layer 1", std::move(art)));
    return data;
}

using host::testing::topLevelArtCount;

// The art with the given id, searched over all layers; null when absent.
inline const host::ArtData* findArt(const host::DocumentData& data, std::string_view id)
{
    for (const host::LayerData& layer : data.layers)
        for (const host::ArtData& art : layer.art)
            if (art.id == id)
                return &art;
    return nullptr;
}

// Bounds of every top-level art in document order: what the copies look like.
inline std::vector<TvRealRect> allBounds(const host::DocumentData& data)
{
    std::vector<TvRealRect> out;
    for (const host::LayerData& layer : data.layers)
        for (const host::ArtData& art : layer.art)
            out.push_back(host::artBounds(art));
    return out;
}

inline bool sameBounds(const std::vector<TvRealRect>& a, const std::vector<TvRealRect>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!host::testing::sameBytes(a[i], b[i]))
            return false;
    return true;
}

// Every filter under its registered title, for parameterised tests.
enum class Which { Rotate, Scale, Translate };

inline const char* titleOf(Which which)
{
    switch (which) {
    case Which::Rotate: return "TovrinRotate...";
    case Which::Scale: return "TovrinScale...";
    case Which::Translate: return "TovrinTranslate...";
    }
    return "";
}

inline std::string nameOf(const ::testing::TestParamInfo<Which>& info)
{
    switch (info.param) {
    case Which::Rotate: return "Rotate";
    case Which::Scale: return "Scale";
    case Which::Translate: return "Translate";
    }
    return "Unknown";
}

// The header words and shared fields of one filter's block, by filter.
struct FilterFields {
    int32_t FilterParams::*previewApplied;
    int32_t FilterParams::*goRun;
    int32_t FilterParams::*preview;
    int32_t FilterParams::*copies;
    int32_t FilterParams::*boundsSaved;
    DialogBounds FilterParams::*bounds;
    float FilterParams::*zoom;
};

inline FilterFields fieldsOf(Which which)
{
    using P = FilterParams;
    switch (which) {
    case Which::Rotate:
        return {&P::rotatePreviewApplied, &P::rotateGoRun,        &P::rotatePreview, &P::rotateCopies,
                &P::rotateBoundsSaved,    &P::rotateDialogBounds, &P::rotateViewZoom};
    case Which::Scale:
        return {&P::scalePreviewApplied, &P::scaleGoRun,        &P::scalePreview, &P::scaleCopies,
                &P::scaleBoundsSaved,    &P::scaleDialogBounds, &P::scaleZoom};
    case Which::Translate: break;
    }
    return {&P::translatePreviewApplied, &P::translateGoRun,        &P::translatePreview, &P::translateCopies,
            &P::translateBoundsSaved,    &P::translateDialogBounds, &P::translateZoom};
}

// The dialog names the three commands open.
inline const char* dialogNameOf(Which which)
{
    switch (which) {
    case Which::Rotate: return "KM47_Tovrins";
    case Which::Scale: return "KM47_TovrinScale";
    case Which::Translate: return "KM47_TovrinTranslate";
    }
    return "";
}

} // namespace tovrins::dialogs_test
