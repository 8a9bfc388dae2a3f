#pragma once
// The main window's logic without its widgets: the document, the item
// handler's context, the clone manager and commands, the tree of sheets, the
// open sheet and its history, the status message, the 50 ms housekeeping tick,
// maker mode and the close query. Menu entries and tool buttons are cells:
// their clicks and state queries go through the item handler, which calls the
// commands below. The window (cuiMainView) only shows what this decides.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "OverlayNames.h"
#include "cmcTask.h"
#include "cuiMainView.h"
#include "cuiSheet.h"
#include "cuiSheetHistory.h"
#include "cuiTree.h"
#include "indCloneCommands.h"
#include "indCloneMan.h"
#include "indDocument.h"
#include "indDocumentContext.h"
#include "indHandlerContext.h"
#include "indPortMenu.h"
#include "indPrintJob.h"
#include "indSafeWrite.h"
#include "indTraceLog.h"

class cmcGTex;
class cmcSerialDevice;
class indEnviron;
struct cmcEvent;

// The status bar's message: text colour, background colour, text.
struct cuiStatusMessage {
    uint32_t textColour = kClWindowText;
    uint32_t background = kClBtnFace;
    std::string text;
};

class indMain : public indCommands, public indCloneManHost {
  public:
    static constexpr int TickMs = 50;
    // The warning check runs this long after the last key or edit.
    static constexpr int WarningDelayMs = 250;
    static constexpr char MakerSwitch[] = "/kestrel";

    // None of the references is owned; device nullptr: the serial port.
    indMain(indEnviron& store, cmcGTex& texts, cuiMainView& view,
            std::unique_ptr<cmcSerialDevice> device = nullptr);
    ~indMain() override;
    indMain(const indMain&) = delete;
    indMain& operator=(const indMain&) = delete;

    // The initial file, the tree, the tick; SettingChanged (menu and tool-bar states).
    void Start();
    // Every argument (program path first): "/kestrel" in any case asks for
    // maker mode; the first other argument after the program path is the file
    // to open once the window is up (returned, empty when none).
    std::string ScanArguments(const std::vector<std::string>& args);

    // --- cells of the menu, the tool bar and the Edit menu
    // Enter on the cell (a click), then the menu states are refreshed.
    void ClickCell(cmcCellObj& cell);
    // Clears the state bits 2 to 5 and asks the handler for them (key 0).
    void QueryCell(cmcCellObj& cell);

    // --- the tree and the open sheet
    cuiTree& Tree() { return tree_; }
    // The tree selection: the sheet the tick (re)opens.
    void SelectSheet(const std::string& reference);
    const std::string& SelectedSheet() const { return selected_; }
    cuiSheet* Sheet() { return sheet_.get(); }
    // The sheet's cursor moved: the Edit menu follows the new cell's pop-up menu.
    void MoveSheetCursor(const cuiCellPos& pos);
    // The sheet's scroll position, kept in the history when it closes.
    void SetSheetScroll(int leftCol, int topRow);
    const cuiSheetHistory& History() const { return history_; }
    // The display text of a sheet cell.
    std::string CellText(int row, int col);
    void CloseSheet();
    // The 50 ms housekeeping: after a stop signal closes the window (as File >
    // Exit) once no exchange runs; reopens the selected sheet after a command
    // closed it; runs the warning check once its delay has passed.
    void Tick();

    // --- the status bar and maker mode
    const cuiStatusMessage& Status() const { return status_; }
    bool MakerMode() const { return document_.MakerMode(); }
    std::string MakerPanelText();
    // The caution question, then maker mode, the tree rebuilt, the maker panel.
    void RequestMakerMode();

    // The close query: refused while the window is disabled or a radio
    // exchange runs, or when the unsaved-changes question is cancelled;
    // otherwise the window's normal bounds and the tree width are stored.
    bool QueryClose(const cuiRect& normalBounds, int treeWidth);
    // After the window closed: the tick stops.
    void Closed();

    indDocument& Document() { return document_; }
    indDocumentContext& Context() { return context_; }
    indCloneCommands& Clone() { return clone_; }
    indEnviron& Environ() { return environ_; }
    cmcGTex& Texts() { return texts_; }
    std::string AppTitle();

    // --- indCommands: what the item handler calls for menu entries
    void FileNew() override;
    void FileOpen() override;
    void FileSave() override;
    void FileSaveAs() override;
    void OpenRecent(int index) override;
    std::string RecentFileName(int index) override;
    void Exit() override;
    void SetFontSize(int percent) override;
    int FontSize() override;
    void ToggleToolBar() override;
    bool ToolBarVisible() override;
    void SetComPort(int port) override;
    int ComPort() override;
    void PortDialog() override;
    std::string SerialDeviceCaption(int index) override { return ports_.Caption(index); }
    bool SerialDeviceChosen(int index) override { return ports_.Chosen(index); }
    void ChooseSerialDevice(int index) override { ports_.Choose(index); }
    bool PortNumbered() override { return ports_.Numbered(); }
    indPortMenu& PortMenu() { return ports_; }
    void ToggleSerialTrace() override;
    bool SerialTraceShown() override { return traceShown_; }
    // The trace window closed: the trace stops and its lines are dropped.
    void SerialTraceClosed();
    indTraceLog& TraceLog() { return traceLog_; }
    // Saves the trace as a text file; false after a message when it could not.
    bool SaveSerialTrace(const std::string& path);
    void SetSpeedHigh(int on) override;
    int SpeedHigh() override;
    void CloneRead() override;
    void CloneWrite() override;
    void CloneInfo() override;
    void FleetWrite() override;
    void ChangeModel(int type) override;
    void EditUndo() override;
    void EditRedo() override;
    std::string UndoStepName(bool redo) override;
    void ImportChannels() override;
    void ExportChannels() override;
    void CompareWithFile() override;
    void ToggleWriteOption(int option) override;
    bool WriteOption(int option) override;
    // Opens the sheet of a reference with the cursor on the grid cell.
    void ShowCell(const std::string& reference, int row, int col);
    void HelpContents(const std::string& file) override;
    void OpenSheet(const std::string& reference) override;
    // After a key, an edit or a pop-up command: the warning check waits again.
    void RestartRefresh() override;
    // The open sheet (or every tree node's sheet) to the output: "no printer"
    // when the output cannot be chosen; nothing when its dialog is cancelled;
    // otherwise the window is disabled and the printing dialog shown until
    // the job ends. Print-all on a printer or a PDF file prints one sheet per tick.
    void Print(bool all, int output) override;
    // The open sheet prints (not "NoPrint", not an empty bank); print-all
    // needs an open sheet only. Neither while a job runs.
    bool CanPrintCurrent() override { return CanPrintAll() && sheet_->IsPrintable(); }
    bool CanPrintAll() override { return sheet_ != nullptr && !printJob_; }
    // The printing dialog's Cancel: no further page is printed.
    void CancelPrint();
    bool Printing() const { return printJob_ != nullptr; }
    // The compare window's lines since the compare base, which then becomes
    // the working image.
    std::vector<std::string> TakeCompare();

    // --- indCloneManHost
    void EnableMainWindow(bool enabled) override;
    void ShowProgress() override { view_.ShowProgress(); }
    void UpdateProgress(const indCloneProgress& p) override { view_.UpdateProgress(p); }
    void HideProgress() override { view_.HideProgress(); }

  private:
    static void OnEvent(void* self, const cmcEvent& event);
    void HandleEvent(const cmcEvent& event);
    void RebuildTree();
    void OpenSelectedSheet();
    // The warning check list marks the tree; WarningCheckDone when done.
    void RunWarningCheck();
    // After the print job ended: the window back, and its one message if any.
    void FinishPrint();
    // The capsule of the open sheet's current cell (the Edit menu's context).
    bool PrepareCurrentCell(indCellCapsule& capsule);
    // After Undo or Redo: the sheet of the step opens with the cursor on its cell.
    void ShowUndoStep(const indUndoRecord* step);
    // A finished safeguarded write: its message.
    void ReportSafeWrite();

    indEnviron& environ_;
    cmcGTex& texts_;
    cuiMainView& view_;
    indDocument document_;
    indDocumentContext context_;
    indCloneMan manager_;
    indCloneCommands clone_;
    indSafeWrite safeWrite_{clone_};
    cuiTree tree_;
    std::unique_ptr<cuiSheet> sheet_;
    std::string selected_;
    std::string pendingSheet_;  // asked for by a cell; opened on the next tick
    int scrollCol_ = 0;
    int scrollRow_ = 0;
    cuiSheetHistory history_;
    cuiStatusMessage status_;
    indPortMenu ports_;
    indTraceLog traceLog_;
    bool traceShown_ = false;
    bool quitting_ = false;  // a stop signal closed the window
    int warningTicks_ = 0;   // ticks until the warning check; 0: none pending
    std::unique_ptr<indPrintJob> printJob_;
    cmcTaskHandle tick_;
};
