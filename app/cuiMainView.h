#pragma once
// What the main-window controller asks of its window. The window program
// implements it with widgets; tests record the calls. Every operation has a
// harmless default so that a view implements only what it shows.

#include <memory>
#include <string>
#include <vector>

#include "ChannelExchange.h"
#include "WindowBounds.h"
#include "indCloneMan.h"
#include "indFileChooser.h"
#include "indFleetRun.h"
#include "indPrintJob.h"

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
    // The serial trace window over indMain's trace log; Close makes the window
    // report indMain::SerialTraceClosed.
    virtual void ShowSerialTrace() {}
    virtual void CloseSerialTrace() {}
    // The clone information window over the radio of the last exchange.
    virtual void ShowCloneInfo() {}
    // The fleet-write dialog, its fields filled from proposal; it runs until closed.
    virtual void ShowFleetWrite(const indFleetSetup& proposal) { (void)proposal; }
    virtual void OpenHelp(const std::string& path) { (void)path; }
    // A CSV file to read (save false) or to write; false when cancelled.
    virtual bool ChooseCsvFile(bool save, const std::string& directory, std::string& path) {
        (void)save;
        (void)directory;
        (void)path;
        return false;
    }
    // A message with every line of a list under it (the errors of an import).
    virtual void ShowList(const std::string& title, const std::string& message,
                          const std::vector<std::string>& lines) {
        (void)title;
        (void)message;
        (void)lines;
    }
    // The differences from another clone file; a line opens its cell (indMain::ShowCell).
    virtual void ShowComparison(const indCompareResult& result, const std::string& otherName) {
        (void)result;
        (void)otherName;
    }
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
    // Printing: whether the output can be chosen at all (a printer or a PDF target).
    virtual bool HasPrintOutput(cuiPrintOutput output) {
        (void)output;
        return false;
    }
    // The output's set-up dialog, then its started document; nullptr when cancelled.
    virtual std::unique_ptr<cuiPrintTarget> StartPrint(cuiPrintOutput output) {
        (void)output;
        return nullptr;
    }
    // The printing dialog whose Cancel button calls indMain::CancelPrint.
    virtual void ShowPrinting(bool shown) { (void)shown; }
    // The maintenance windows (maker mode).
    virtual void ShowDebugWindow() {}
    virtual void ShowEepromWindow() {}
    virtual void ShowCompareWindow(const std::vector<std::string>& lines) { (void)lines; }
};
