#pragma once
// Clone > Fleet Write...: the clone file, the ports, RADIOS.csv, the log and
// the write options, and a status row per port while the run goes on. The
// run itself is the application's (indFleetRun) on the program's timer host;
// the dialog only fills its setup and draws what it reports. Modal: the main
// window's commands wait until the dialog is closed, which it cannot be while
// radios are being written.

#include <QDialog>
#include <memory>

#include "indFleetRun.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

class uiFleetDialog : public QDialog {
    Q_OBJECT
  public:
    uiFleetDialog(const indFleetSetup& proposal, QWidget* owner);
    ~uiFleetDialog() override;

    // The setup as the fields give it (ports split at commas, blanks trimmed).
    indFleetSetup Setup() const;
    bool IsRunning() const { return run_ && run_->IsRunning(); }

    QLineEdit* FileEdit() const { return file_; }
    QLineEdit* PortsEdit() const { return ports_; }
    QLineEdit* RadiosEdit() const { return radios_; }
    QLineEdit* LogEdit() const { return log_; }
    QLineEdit* BackupEdit() const { return backup_; }
    QCheckBox* VerifyBox() const { return verify_; }
    QCheckBox* HighSpeedBox() const { return highSpeed_; }
    QSpinBox* CountBox() const { return count_; }
    QPushButton* StartButton() const { return start_; }
    QPushButton* StopButton() const { return stop_; }
    QPushButton* CloseButton() const { return close_; }
    QTableWidget* Table() const { return table_; }
    QPlainTextEdit* Messages() const { return messages_; }

  public slots:
    // Checks the setup (one message when it does not fit), asks once, starts.
    void StartRun();
    void StopRun();
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void ShowPort(int index);
    void Note(const std::string& text);
    void RunStateChanged();
    QPushButton* BrowseButton(QLineEdit* edit, bool folder, const QString& filter);

    std::unique_ptr<indFleetRun> run_;
    QLineEdit* file_ = nullptr;
    QLineEdit* ports_ = nullptr;
    QLineEdit* radios_ = nullptr;
    QLineEdit* log_ = nullptr;
    QLineEdit* backup_ = nullptr;
    QCheckBox* verify_ = nullptr;
    QCheckBox* highSpeed_ = nullptr;
    QSpinBox* count_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* close_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPlainTextEdit* messages_ = nullptr;
    QWidget* fields_ = nullptr;
    bool summaryShown_ = true;
};
