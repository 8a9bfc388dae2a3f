#pragma once
// Shared by the document tests: a document on memory settings with a scripted
// message box, a file chooser that answers from a script, and a recorder of
// posted events. Every question, chooser call and event lands in one log so
// that tests can check their order.

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "ClfTestSupport.h"
#include "ScopedOverride.h"
#include "cmcEvMan.h"
#include "cmcScriptedMessageBox.h"
#include "cmcSettingsBackend.h"
#include "cmcTimerHost.h"
#include "cmcVirtualTimerHost.h"
#include "indDocument.h"
#include "indEnviron.h"
#include "indFileChooser.h"

class ScriptedChooser : public indFileChooser {
  public:
    explicit ScriptedChooser(std::vector<std::string>& log) : log_(log) {}
    // An empty path cancels the dialog.
    void Answer(const std::string& path) { answers_.push_back(path); }

    bool ChooseOpenFile(const std::string& directory, std::string& path) override;
    bool ChooseSaveFile(const std::string& directory, const std::string& name,
                        std::string& path) override;

    std::string lastProposedName;

  private:
    bool Next(std::string& path);

    std::vector<std::string>& log_;
    std::deque<std::string> answers_;
};

// A message box that logs "box:<text>" and answers from its script.
class LoggingMessageBox : public cmcScriptedMessageBox {
  public:
    explicit LoggingMessageBox(std::vector<std::string>& log) : log_(log) {}
    cmcMbResult Show(const std::string& caption, const std::string& text, cmcMbButtons buttons,
                     cmcMbIcon icon) override;

  private:
    std::vector<std::string>& log_;
};

class DocFixture {
  public:
    DocFixture();
    ~DocFixture();

    // Posted events delivered so far, as "ev:<kind>" entries in the log.
    void PumpEvents();
    // A file of the given image under the scratch folder; returns its path.
    std::string WriteImageFile(const std::string& name, const cmcEeprom& image,
                               const std::string& header = "23360300");
    void Edit(int address, uint8_t value);
    // A whole-map clone file read into image (resized); false on any failure.
    static bool ReadImageFile(const std::string& path, cmcEeprom& image);

    std::vector<std::string> log;
    // CommitEdits (open editors commit) is sent before every save, open and
    // question; it is counted here instead of being logged.
    int commits = 0;
    cmcMemorySettings settings;
    indEnviron settingsStore{&settings, nullptr};
    ScratchDir dir;
    LoggingMessageBox box{log};
    ScriptedChooser chooser{log};
    cmcVirtualTimerHost timers;
    cmcEvMan events{&timers};
    std::unique_ptr<indDocument> doc;

  private:
    static void OnEvent(void* self, const cmcEvent& event);
    ScopedOverride<cmcMessageBoxHost> boxOverride_{SetCurrentMessageBoxHost, &box};
    ScopedOverride<cmcEvMan> eventsOverride_{SetEvMan, &events};
};
