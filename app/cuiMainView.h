#pragma once
// What the main-window controller asks of its window. The window program
// implements it with widgets; tests record the calls. Every operation has a
// harmless default so that a view implements only what it shows.

#include <string>

#include "cuiWindowBounds.h"
#include "indCloneMan.h"
#include "indFileChooser.h"

class cuiMainView : public indFileChooser {
  public:
    bool ChooseOpenFile(const std::string&, std::string&) override { return false; }
    bool ChooseSaveFile(const std::string&, const std::string&, std::string&) override {
        return false;
    }

    virtual void TitleChanged() {}
    virtual void TreeRebuilt() {}
    // A sheet was opened or closed.
    virtual void SheetChanged() {}
    virtual void StatusChanged() {}
    virtual void MakerModeShown() {}
    // MenuStates and ToolBarStates: ask every entry and button for its state.
    virtual void RefreshMenu() {}
    virtual void RefreshToolBar() {}
    // MenuClear and MenuFill: the entries under the menu entry of item.
    virtual void ClearMenuBody(int item) { (void)item; }
    virtual void FillMenuBody(int item, const std::string& sectionBase) {
        (void)item;
        (void)sectionBase;
    }
    virtual void ShowToolBar(bool visible) { (void)visible; }
    // The other-port dialog: true with port (1..256) when confirmed.
    virtual bool AskPortNumber(int& port) {
        (void)port;
        return false;
    }
    virtual void ShowAbout() {}
    // The clone information window over the radio of the last exchange.
    virtual void ShowCloneInfo() {}
    virtual void OpenHelp(const std::string& path) { (void)path; }
    virtual void CloseWindow() {}
    virtual void SetWindowEnabled(bool enabled) { (void)enabled; }
    virtual bool WindowEnabled() const { return true; }
    virtual void BusyCursor(bool on) { (void)on; }
    virtual void ShowProgress() {}
    virtual void UpdateProgress(const indCloneProgress& progress) { (void)progress; }
    virtual void HideProgress() {}
    // Edit > Paste with another program's text on the clipboard: the window
    // pastes it (true when it holds such text; the row paste is then not run).
    virtual bool HoldsForeignPaste() { return false; }
    virtual void PasteForeignText() {}
};
