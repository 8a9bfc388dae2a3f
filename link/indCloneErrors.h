#pragma once
// The one message of a failed radio exchange: the headline "GI_Mess_CloneErr_Head"
// line = result code, a blank line, then the hint lines of
// "GI_Mess_CloneErr_Check" that fit the code.

#include <string>
#include <vector>

// The hint lines of a result code.
std::vector<int> CloneErrorHints(int code);
// The message text; the headline of code 2 names the port: %s the device, %d the port number.
std::string CloneErrorText(int code, int portNumber, const std::string& device);
// Shows it in a message box with the error icon; nothing for code 0.
void ShowCloneError(int code, int portNumber, const std::string& device);

// pattern with every %d replaced by number and every %s by text ("%%" gives "%").
std::string FormatPortText(const std::string& pattern, int number, const std::string& text);
