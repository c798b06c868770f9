#include "app/dialog_script.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "app/app_error.hpp"
#include "app/text_parsing.hpp"

namespace tovrins::app {

namespace {

using host::DialogAction;

DialogAction makeAction(DialogAction::Kind kind, int32_t item, std::string description)
{
    DialogAction action;
    action.kind = kind;
    action.item = item;
    action.description = std::move(description);
    return action;
}

// "NAME=VALUE" split at the first '='; throws when there is none.
std::pair<std::string_view, std::string_view> splitAssignment(const ActionRequest& request, std::string_view shape)
{
    const std::string_view text = request.value;
    const auto equals = text.find('=');
    if (equals == std::string_view::npos || trimSpaces(text.substr(0, equals)).empty())
        throw UsageError("'" + request.typed() + "' is not of the form " + std::string(shape));
    return {trimSpaces(text.substr(0, equals)), text.substr(equals + 1)};
}

// A number too large for its field's type is one rule with a number beyond
// the item's limits: the dialog brings it within them (rotateCopies=1e10
// gives 100, as 500 does). So a whole number of any size or notation goes
// to a whole-number item as the nearest 32-bit one, and a number beyond
// single precision to a number item as the largest one of its sign; the
// item's own limits then apply. Other text is left for the field's check.
std::string withinFieldType(const Field& field, std::string_view value)
{
    if (field.kind != FieldKind::Integer && field.kind != FieldKind::Real)
        return std::string(value);
    const auto number = parseUnboundedReal(value);
    if (!number)
        return std::string(value);
    if (field.kind == FieldKind::Integer) {
        if (*number != std::trunc(*number) || (parseInteger(value) && std::abs(*number) < 2e9))
            return std::string(value); // fractions are refused; small whole numbers pass as typed
        const double clamped = std::clamp(*number, double{std::numeric_limits<int32_t>::min()},
                                          double{std::numeric_limits<int32_t>::max()});
        return std::to_string(static_cast<int32_t>(clamped));
    }
    constexpr double largest = std::numeric_limits<float>::max();
    if (std::abs(*number) <= largest)
        return std::string(value);
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, std::copysign(largest, *number)).ptr;
    return std::string(text, end);
}

DialogAction setAction(const FilterInfo& filter, const ActionRequest& request)
{
    const auto [name, value] = splitAssignment(request, "FIELD=VALUE");
    const Field& field = findField(filter, name);
    DialogAction action = makeAction(DialogAction::Kind::SetText, field.item, request.typed());
    action.text = checkFieldValue(field, withinFieldType(field, value));
    return action;
}

DialogAction presetAction(const ActionRequest& request)
{
    if (trimSpaces(request.value).empty())
        throw UsageError("--preset needs a preset's index or label");
    DialogAction action = makeAction(DialogAction::Kind::SetText, kPresetItem, request.typed());
    action.text = plainChoice(request.value);
    return action;
}

DialogAction zoomAction(const ActionRequest& request)
{
    const auto percent = parseReal(request.value);
    if (!percent || *percent <= 0 || *percent > std::numeric_limits<float>::max())
        throw UsageError("--zoom '" + request.value + "' is not a zoom percentage; give a number above 0");
    DialogAction action = makeAction(DialogAction::Kind::EnterNumber, kZoomItem, request.typed());
    action.number = *percent;
    return action;
}

DialogAction pickAction(const FilterInfo& filter, const ActionRequest& request)
{
    const auto [itemText, pointText] = splitAssignment(request, "ITEM=X,Y");
    const std::string buttons =
        std::to_string(filter.firstPictureButton) + " to " + std::to_string(filter.lastPictureButton);
    const auto item = parseInteger(itemText);
    if (!item || *item < filter.firstPictureButton || *item > filter.lastPictureButton)
        throw UsageError("'" + request.typed() + "' names no picture button of the " + std::string(filter.command) +
                         " dialog; its picture buttons are items " + buttons);
    const auto comma = pointText.find(',');
    const auto x = parseReal(pointText.substr(0, comma));
    const auto y = comma == std::string_view::npos ? std::nullopt : parseReal(pointText.substr(comma + 1));
    if (!x || !y)
        throw UsageError("'" + request.typed() + "' has no artwork point; write it as ITEM=X,Y, e.g. 61=100,200");
    // Artwork coordinates are single-precision numbers.
    constexpr double largest = std::numeric_limits<TvReal>::max();
    if (std::abs(*x) > largest || std::abs(*y) > largest)
        throw UsageError("'" + request.typed() + "' names an artwork point beyond the artwork's coordinates, " +
                         "which reach about 3.4e38 either way");
    DialogAction action = makeAction(DialogAction::Kind::PickArtwork, static_cast<int32_t>(*item), request.typed());
    action.artworkPoint = {static_cast<TvReal>(*x), static_cast<TvReal>(*y)};
    return action;
}

} // namespace

std::vector<DialogAction> buildDialogScript(const FilterInfo& filter, std::span<const ActionRequest> actions,
                                            bool cancel)
{
    std::vector<DialogAction> script;
    script.reserve(actions.size() + 1);
    for (const ActionRequest& request : actions) {
        switch (request.kind) {
        case ActionRequest::Kind::Set: script.push_back(setAction(filter, request)); break;
        case ActionRequest::Kind::Preset: script.push_back(presetAction(request)); break;
        case ActionRequest::Kind::Zoom: script.push_back(zoomAction(request)); break;
        case ActionRequest::Kind::Pick: script.push_back(pickAction(filter, request)); break;
        case ActionRequest::Kind::Tumble:
            script.push_back(makeAction(DialogAction::Kind::Click, kTumbleItem, request.typed()));
            break;
        case ActionRequest::Kind::Shuffle:
            script.push_back(makeAction(DialogAction::Kind::Click, kShuffleItem, request.typed()));
            break;
        }
    }
    if (cancel)
        script.push_back(makeAction(DialogAction::Kind::Cancel, 2, "--cancel"));
    else
        script.push_back(makeAction(DialogAction::Kind::Accept, 1, "accepting the dialog"));
    return script;
}

} // namespace tovrins::app
