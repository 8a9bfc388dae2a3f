#pragma once
// The user message box as an interface: the window program shows real boxes,
// the command-line tool asks on the terminal, tests script the answers.

#include <string>

enum class cmcMbButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class cmcMbIcon { None, Information, Warning, Stop, Question };
enum class cmcMbResult { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

class cmcMessageBoxHost {
  public:
    virtual ~cmcMessageBoxHost() = default;
    virtual cmcMbResult Show(const std::string& caption, const std::string& text,
                             cmcMbButtons buttons, cmcMbIcon icon) = 0;
};

// The host that shows user message boxes. The default writes the text to
// stderr and answers OK to a plain box and Cancel to a question.
cmcMessageBoxHost& CurrentMessageBoxHost();
cmcMessageBoxHost* SetCurrentMessageBoxHost(cmcMessageBoxHost* host);

// The answer a box without a user gives: OK for a plain box, else the refusing choice.
cmcMbResult SafeAnswer(cmcMbButtons buttons);
