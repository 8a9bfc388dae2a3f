#pragma once
// View > Serial Trace: a tool window that shows the trace lines of the
// running exchanges as they come (the last indTraceLog::Capacity of them),
// saves them as text and clears them. Everything it shows comes from the
// trace log; saving and closing are the owner's (the main object saves the
// file and, on closing, stops the trace and frees the lines).

#include <QWidget>
#include <functional>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class cmcGTex;
class indTraceLog;

class uiTraceWindow : public QWidget {
  public:
    struct Hooks {
        std::function<void(const std::string& path)> save;
        std::function<void()> closed;
    };
    uiTraceWindow(indTraceLog& log, cmcGTex& texts, Hooks hooks, QWidget* owner);
    ~uiTraceWindow() override;

    // Where Save asks for the file name (tests answer without a dialog).
    std::function<bool(std::string& path)> askPath;

    QPlainTextEdit& Lines() { return *lines_; }
    void Save();
    void Clear();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    indTraceLog& log_;
    cmcGTex& texts_;
    Hooks hooks_;
    QLabel* note_ = nullptr;
    QPlainTextEdit* lines_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* close_ = nullptr;
};
