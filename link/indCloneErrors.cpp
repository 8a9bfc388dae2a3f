#include "indCloneErrors.h"

#include "cmcGTex.h"
#include "dst_CDrv_Result.h"

namespace {

struct HintRow {
    int code;
    std::vector<int> hints;
};

// Codes not listed take the default hints.
const std::vector<HintRow> kHints = {
    {10, {0, 2, 3}}, {11, {0, 1, 2, 3, 4, 5}}, {12, {0, 1, 2, 3, 4, 5}},
    {13, {6, 7}},    {14, {0, 4, 5}},          {16, {}},
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

std::string CloneErrorText(int code, int portNumber, const std::string& device) {
    std::string headline = GTex().GetText("GI_Mess_CloneErr_Head", code);
    if (code == CloneResult::PortFailed) {
        headline = FormatPortText(headline, portNumber, device);
    }
    std::string text = headline + "\n\n";
    bool first = true;
    for (int hint : CloneErrorHints(code)) {
        text += (first ? "" : "\n") + GTex().GetText("GI_Mess_CloneErr_Check", hint);
        first = false;
    }
    return text;
}

void ShowCloneError(int code, int portNumber, const std::string& device) {
    if (code != CloneResult::Success) {
        ShowMessage(CloneErrorText(code, portNumber, device), cmcMbButtons::Ok, cmcMbIcon::Stop);
    }
}
