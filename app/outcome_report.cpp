#include "app/outcome_report.hpp"

#include <cstdint>

#include "sdk/tv_errors.h"

namespace tovrins::app {

namespace {

constexpr int32_t kMessageItem = 2;
constexpr int32_t kCodeItem = 3;

std::string textOf(const host::ShownDialog& dialog, int32_t item)
{
    const auto it = dialog.texts.find(item);
    return it == dialog.texts.end() ? std::string() : it->second;
}

} // namespace

std::string errorCodeText(TvErr code)
{
    const auto upper = static_cast<uint32_t>(code) >> 16;
    if (upper == 0 || upper == 0xFFFF)
        return std::to_string(code);
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const auto c = static_cast<unsigned char>(static_cast<uint32_t>(code) >> shift);
        text += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
    }
    return text;
}

std::string describeRefusal(const host::HostRefusal& refusal)
{
    const std::string code = "code " + errorCodeText(refusal.code);
    if (refusal.code == TV_ERR_OUT_OF_RANGE)
        return "its copies would leave the range of coordinates (" + refusal.reason + "; " + code + ")";
    return refusal.reason + " (" + code + ")";
}

std::string describeErrorDialog(std::string_view filter, const host::ShownDialog& dialog)
{
    std::string message = textOf(dialog, kMessageItem);
    if (message.empty())
        message = "(no message)";
    std::string sentence = "the " + std::string(filter) + " filter reported an error: " + message;
    if (const std::string code = textOf(dialog, kCodeItem); !code.empty())
        sentence += " (code " + code + ")";
    return sentence;
}

} // namespace tovrins::app
