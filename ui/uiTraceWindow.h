#pragma once
// View > Serial Trace: a tool window that shows the trace lines of the
// running exchanges as they come (the last indTraceLog::Capacity of them),
// saves them as text and clears them. Closing it stops the trace and frees
// its lines. Everything it shows comes from indMain's trace log.

#include <QWidget>
#include <functional>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class cmcGTex;
class indMain;

class uiTraceWindow : public QWidget {
  public:
    uiTraceWindow(indMain& main, cmcGTex& texts, QWidget* owner);
    ~uiTraceWindow() override;

    // Where Save asks for the file name (tests answer without a dialog).
    std::function<bool(std::string& path)> askPath;

    QPlainTextEdit& Lines() { return *lines_; }
    void Save();
    void Clear();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    indMain& main_;
    cmcGTex& texts_;
    QLabel* note_ = nullptr;
    QPlainTextEdit* lines_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* close_ = nullptr;
};
