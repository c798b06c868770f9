#include "shell/error_report.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <span>

#include "shell/pascal_strings.hpp"
#include "shell/suites.hpp"

namespace tovrins {

namespace {

// A table far longer than any resource holds means the host never answers
// with the empty end entry; stop rather than loop for ever.
constexpr int32_t kMaxTableIndex = 1000;

struct ErrorText {
    std::array<char, 256> message{};
    std::array<char, 16> code{};
};

bool readEntry(TvPluginRef self, int32_t index, std::span<char> buffer, int32_t limit)
{
    buffer[0] = '\0';
    return suites().admBasic->getIndexString(self, kErrorTableList, index, buffer.data(), limit) == TV_ERR_NONE;
}

// A key starting with '-' or a digit is a decimal number, any other key a
// four-character code. False when the key cannot be read as one.
bool keyCode(std::span<const char> key, TvErr& code)
{
    std::array<char, 256> text{};
    const std::size_t length = cStringLength(key);
    std::copy_n(key.begin(), std::min(length, text.size() - 1), text.begin());
    const auto first = static_cast<unsigned char>(text[0]);
    if (first == '-' || std::isdigit(first)) {
        int16_t number = 0;
        if (textToNumber(text, number) != TV_ERR_NONE)
            return false;
        code = number;
        return true;
    }
    if (!cToPascal(text))
        return false;
    code = fourCharCodeFromPascal(text);
    return true;
}

void makeCodeText(TvErr code, std::span<char> out)
{
    std::array<char, 256> text{};
    if (tv::isNumericCode(code)) {
        if (numberToText(code, text) != TV_ERR_NONE)
            text[0] = '\0';
    } else {
        fourCharCodeToPascal(code, text);
        pascalToC(text);
    }
    const std::size_t length = std::min(cStringLength(text), out.size() - 1);
    std::copy_n(text.begin(), length, out.begin());
    out[length] = '\0';
}

TvItemRef itemOf(TvDialogRef dialog, int32_t id)
{
    TvItemRef item = nullptr;
    if (suites().dialog->getItem(dialog, id, &item) != TV_ERR_NONE)
        return nullptr;
    return item;
}

TvErr attachPassThrough(TvDialogRef dialog, int32_t okItem)
{
    if (!suites().item)
        return TV_ERR_NONE;
    if (TvItemRef ok = itemOf(dialog, okItem))
        return suites().item->setNotifyProc(ok, passThroughNotifier);
    return TV_ERR_NONE;
}

TvErr errorDialogInit(TvDialogRef dialog)
{
    void* data = nullptr;
    if (const TvErr code = suites().dialog->getUserData(dialog, &data); code != TV_ERR_NONE)
        return code;
    if (const TvErr code = attachPassThrough(dialog, TOVRINS_ERROR_OK_ITEM); code != TV_ERR_NONE)
        return code;
    const auto* text = static_cast<const ErrorText*>(data);
    if (!text || !suites().item)
        return TV_ERR_NONE;
    if (TvItemRef message = itemOf(dialog, TOVRINS_ERROR_MESSAGE_ITEM))
        suites().item->setText(message, text->message.data());
    if (TvItemRef codeItem = itemOf(dialog, TOVRINS_ERROR_CODE_ITEM))
        suites().item->setText(codeItem, text->code.data());
    return TV_ERR_NONE;
}

TvErr aboutDialogInit(TvDialogRef dialog) { return attachPassThrough(dialog, TOVRINS_ABOUT_OK_ITEM); }

} // namespace

void passThroughNotifier(TvItemRef item, TvNotifierRef notifier)
{
    if (suites().item)
        suites().item->defaultNotify(item, notifier);
}

void reportError(TvPluginRef self, TvErr code)
{
    if (code == TV_ERR_NONE || code == TV_ERR_CANCELLED || !suites().admBasic || !suites().dialog)
        return;

    std::array<char, 256> key{};
    int32_t index = TOVRINS_ERROR_FIRST_KEY;
    bool matched = false;
    if (!readEntry(self, index, key, 255))
        return;
    while (key[0] != '\0' && index < kMaxTableIndex) {
        TvErr candidate = 0;
        if (keyCode(key, candidate) && candidate == code) {
            matched = true;
            break;
        }
        index += 2;
        if (!readEntry(self, index, key, 255))
            return;
    }
    // Without a match the last message before the end entry is the fallback.
    const int32_t messageIndex = matched ? index + 1 : index - 1;
    if (messageIndex < TOVRINS_ERROR_FIRST_KEY)
        return;

    ErrorText text;
    if (!readEntry(self, messageIndex, text.message, 256))
        return;
    makeCodeText(code, text.code);

    int32_t result = 0;
    suites().dialog->modal(self, "Error Dialog", kErrorDialogId, TV_DIALOG_STYLE_MODAL, errorDialogInit, &text,
                           &result);
}

TvErr showAbout(TvPluginRef self)
{
    if (!suites().dialog)
        return TV_ERR_NONE;
    int32_t result = 0;
    suites().dialog->modal(self, "About Dialog", kAboutDialogId, TV_DIALOG_STYLE_MODAL, aboutDialogInit, nullptr,
                           &result);
    return TV_ERR_NONE;
}

} // namespace tovrins
