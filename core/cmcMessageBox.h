#pragma once
// The user message box as an interface: the window program shows real boxes,
// the command-line tool asks on the terminal, tests script the answers.

#include <deque>
#include <string>
#include <vector>

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

// Test double: answers from a script, records every box shown. With the
// script used up it answers the safe choice (OK for plain boxes, else Cancel or No).
class cmcScriptedMessageBox : public cmcMessageBoxHost {
  public:
    struct Shown {
        std::string caption;
        std::string text;
        cmcMbButtons buttons;
        cmcMbIcon icon;
    };

    cmcMbResult Show(const std::string& caption, const std::string& text, cmcMbButtons buttons,
                     cmcMbIcon icon) override;

    void Answer(cmcMbResult result) { answers_.push_back(result); }
    const std::vector<Shown>& Boxes() const { return shown_; }
    void Clear() { shown_.clear(); }

  private:
    std::deque<cmcMbResult> answers_;
    std::vector<Shown> shown_;
};

// The answer a box without a user gives: OK for a plain box, else the refusing choice.
cmcMbResult SafeAnswer(cmcMbButtons buttons);
