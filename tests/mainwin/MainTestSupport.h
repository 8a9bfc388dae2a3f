#pragma once
// Shared by the main-window logic tests: a view that records what it was asked
// to show and answers its dialogs from a script, and menu cells made from
// their overlay definitions.

#include <deque>
#include <string>
#include <vector>

#include "cmcCellObj.h"
#include "cuiMainView.h"

class RecordingView : public cuiMainView {
  public:
    bool ChooseOpenFile(const std::string& directory, std::string& path) override;
    bool ChooseSaveFile(const std::string& directory, const std::string& name,
                        std::string& path) override;
    void TitleChanged() override { ++titles; }
    void TreeRebuilt() override { ++trees; }
    void SheetChanged() override { ++sheets; }
    void MakerModeShown() override { ++makerPanels; }
    void ShowToolBar(bool visible) override { toolBar = visible; }
    bool AskPortNumber(int& port) override;
    void ShowCloneInfo() override { ++cloneInfos; }
    void OpenHelp(const std::string& path) override { help = path; }
    void CloseWindow() override { ++closes; }
    void SetWindowEnabled(bool enabled) override;
    bool WindowEnabled() const override { return enabled; }
    void ShowProgress() override { ++progressShown; }
    void ShowSerialTrace() override { traceWindow = true; }
    void CloseSerialTrace() override { traceWindow = false; }

    // An empty path cancels the file dialog; 0 cancels the port dialog.
    std::deque<std::string> files;
    std::deque<int> ports;
    int titles = 0, trees = 0, sheets = 0, makerPanels = 0, cloneInfos = 0, closes = 0;
    int progressShown = 0, disabledTimes = 0;
    bool enabled = true;
    bool toolBar = true;
    bool traceWindow = false;
    std::string help;
};

class cmcEeprom;

// A whole-map clone file read into image (resized); false on any failure.
bool ReadImageFile(const std::string& path, cmcEeprom& image);

// A menu or tool-bar cell from its definition, e.g. "{(%CT_Null.CL_Menu_File_New)}".
cmcCellObj MenuCell(const std::string& definition);
// The cell of a command item with an index: MenuCell("{(%CT_Null.<item>[<index>])}").
cmcCellObj CommandCell(const std::string& item, int index = 0);
