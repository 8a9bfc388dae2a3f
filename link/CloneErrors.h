#pragma once
// The one message of a failed radio exchange: the headline "GI_Mess_CloneErr_Head"
// line = result code, what the device's own error says about it, for a write that failed after data
// went out the warning "GI_Mess_CloneErr_Partial", a blank line, then the hint lines of
// "GI_Mess_CloneErr_Check" that fit the code.

#include <map>
#include <string>
#include <vector>

// Hint lines a program replaces with its own texts, by hint number (a program
// without the window's menus names its own options instead).
using CloneHintTexts = std::map<int, std::string>;

// What the message says besides the code.
struct CloneErrorContext {
    int portNumber = 1;
    std::string device;         // the headline of code 2 names it
    bool partialWrite = false;  // a write ended after data frames went to the radio
    std::string deviceProblem;  // what the device's own error says (SerialProblemText), or ""
    CloneHintTexts hintTexts;
};

namespace CloneErrors {

// The hint lines of a result code.
std::vector<int> CloneErrorHints(int code);
// The message text; the headline of code 2 names the port: %s the device, %d the port number.
std::string CloneErrorText(int code, const CloneErrorContext& context);
// The message without its hint lines, on one line, for a log.
std::string CloneErrorSummary(int code, const CloneErrorContext& context);
std::string CloneErrorText(int code, int portNumber, const std::string& device);
// Shows it in a message box with the error icon; nothing for code 0.
void ShowCloneError(int code, const CloneErrorContext& context);

// pattern with every %d replaced by number and every %s by text ("%%" gives "%").
std::string FormatPortText(const std::string& pattern, int number, const std::string& text);

}  // namespace CloneErrors
