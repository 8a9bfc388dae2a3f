#pragma once
// The main window: title, font and bounds from the overlay and the settings,
// the menu and tool bar built from the overlay, the tree pane and the sheet
// pane beside a splitter, and the status bar with its message panel and the
// maker panel. Everything it shows is decided by indMain.

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "cuiMainView.h"
#include "indMain.h"
#include "uiTraceWindow.h"

class QSplitter;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class cmcGTex;
class cuiQtMenu;
class cuiQtToolBar;
class cuiSheetPane;
class cuiStatusPanel;
class indEnviron;
class indCloneManHost;

class TForm1 : public QMainWindow, public cuiMainView {
  public:
    static constexpr int MinWidth = 400;
    static constexpr int MinHeight = 200;
    static constexpr int MinTreeWidth = 8;

    TForm1(indEnviron& store, cmcGTex& texts);
    ~TForm1() override;

    // After the window is shown: the maker switch and the file of the command line.
    void ScanArguments(const std::vector<std::string>& args);

    indMain& Main() { return *main_; }
    cuiQtMenu& Menu() { return *menu_; }
    cuiQtToolBar& ToolBar() { return *toolBar_; }
    QTreeWidget& TreePane() { return *tree_; }
    cuiSheetPane& SheetPane() { return *sheetPane_; }
    cuiStatusPanel& MessagePanel() { return *message_; }
    cuiStatusPanel& MakerPanel() { return *maker_; }

    // --- cuiMainView
    bool ChooseOpenFile(const std::string& directory, std::string& path) override;
    bool ChooseSaveFile(const std::string& directory, const std::string& name,
                        std::string& path) override;
    void TitleChanged() override;
    void TreeRebuilt() override;
    void SheetChanged() override;
    void StatusChanged() override;
    void MakerModeShown() override;
    void RefreshMenu() override;
    void RefreshToolBar() override;
    void ClearMenuBody(int item) override;
    void FillMenuBody(int item, const std::string& sectionBase) override;
    void ShowToolBar(bool visible) override;
    bool AskPortNumber(int& port) override;
    void ShowAbout() override;
    void ShowCloneInfo() override;
    void ShowFleetWrite(const indFleetSetup& proposal) override;
    void ShowSerialTrace() override;
    void CloseSerialTrace() override;
    uiTraceWindow* TraceWindow() { return trace_; }
    void OpenHelp(const std::string& path) override;
    bool ChooseCsvFile(bool save, const std::string& directory, std::string& path) override;
    void ShowList(const std::string& title, const std::string& message,
                  const std::vector<std::string>& lines) override;
    void ShowComparison(const indCompareResult& result, const std::string& otherName) override;
    void CloseWindow() override;
    void SetWindowEnabled(bool enabled) override;
    bool WindowEnabled() const override;
    void BusyCursor(bool on) override;
    void ShowProgress() override;
    void UpdateProgress(const indCloneProgress& progress) override;
    void HideProgress() override;
    bool HoldsForeignPaste() override;
    void PasteForeignText() override;
    // Printing and the maintenance windows (TForm1Print.cpp).
    bool HasPrintOutput(cuiPrintOutput output) override;
    std::unique_ptr<cuiPrintTarget> StartPrint(cuiPrintOutput output) override;
    void ShowPrinting(bool shown) override;
    void ShowDebugWindow() override;
    void ShowEepromWindow() override;
    void ShowCompareWindow(const std::vector<std::string>& lines) override;
    // The printing dialog while a job runs, or nullptr.
    QWidget* PrintingDialog() const { return printing_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void PlaceWindow();
    void BuildPanes();
    void BuildStatusBar();
    // The overlay's file filter "Desc|pattern|Desc|pattern" as a dialog's filters.
    QStringList FileFilters();

    indEnviron& environ_;
    cmcGTex& texts_;
    QSplitter* splitter_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QTimer* treeDelay_ = nullptr;  // the tree's change delay
    cuiSheetPane* sheetPane_ = nullptr;
    cuiStatusPanel* message_ = nullptr;
    cuiStatusPanel* maker_ = nullptr;
    std::unique_ptr<indCloneManHost> progress_;
    std::unique_ptr<indMain> main_;
    std::unique_ptr<cuiQtMenu> menu_;
    std::unique_ptr<cuiQtToolBar> toolBar_;
    QPointer<uiTraceWindow> trace_;
    QWidget* printing_ = nullptr;
    bool closing_ = false;
};
