#include "CloneErrors.h"

#include <algorithm>

#include "cmcGTex.h"
#include "dst_CDrv_Result.h"

namespace CloneErrors {

namespace {

struct HintRow {
    int code;
    std::vector<int> hints;
};

// Codes not listed take the default hints.
const std::vector<HintRow> kHints = {
    {10, {0, 2, 3}}, {11, {0, 1, 2, 3, 4, 5}}, {12, {0, 1, 2, 3, 4, 5}},
    {13, {6, 7}},    {14, {0, 4, 5}},          {16, {}},
    {18, {}},        {19, {0, 6, 2}},
};
const std::vector<int> kDefaultHints = {0, 1, 2, 3};

}  // namespace

std::vector<int> CloneErrorHints(int code) {
    for (const HintRow& row : kHints) {
        if (row.code == code) {
            return row.hints;
        }
    }
    return kDefaultHints;
}

std::string FormatPortText(const std::string& pattern, int number, const std::string& text) {
    std::string out;
    for (std::string::size_type i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && (next == 'd' || next == 's' || next == '%')) {
            out += next == 'd' ? std::to_string(number) : next == 's' ? text : "%";
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

namespace {

// The headline, what is said of the device and the partial-write warning, a line each.
std::string What(int code, const CloneErrorContext& context) {
    std::string text = GTex().GetText("GI_Mess_CloneErr_Head", code);
    if (code == CodeNumber(CloneResult::PortFailed)) {
        text = FormatPortText(text, context.portNumber, context.device);
    }
    if (!context.deviceProblem.empty()) {
        text += "\n" + context.deviceProblem;
    }
    if (context.partialWrite) {
        text += "\n" + GTex().GetLines("GI_Mess_CloneErr_Partial");
    }
    return text;
}

}  // namespace

std::string CloneErrorSummary(int code, const CloneErrorContext& context) {
    std::string text = What(code, context);
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

std::string CloneErrorText(int code, const CloneErrorContext& context) {
    std::string text = What(code, context);
    text += "\n\n";
    bool first = true;
    for (int hint : CloneErrorHints(code)) {
        const auto own = context.hintTexts.find(hint);
        text += (first ? "" : "\n") + (own != context.hintTexts.end()
                                           ? own->second
                                           : GTex().GetText("GI_Mess_CloneErr_Check", hint));
        first = false;
    }
    return text;
}

std::string CloneErrorText(int code, int portNumber, const std::string& device) {
    CloneErrorContext context;
    context.portNumber = portNumber;
    context.device = device;
    return CloneErrorText(code, context);
}

void ShowCloneError(int code, const CloneErrorContext& context) {
    if (code != CodeNumber(CloneResult::Success)) {
        ShowMessage(CloneErrorText(code, context), cmcMbButtons::Ok, cmcMbIcon::Stop);
    }
}

}  // namespace CloneErrors
