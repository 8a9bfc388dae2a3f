#pragma once
// The port-number dialog of the Port menu's other-port entry: a number from 1
// to 256, laid out from the dialog's font so that the overlay's texts fit.

#include <QDialog>
#include <optional>
#include <string_view>

class QLabel;
class QLineEdit;
class QPushButton;
class cmcGTex;

// The typed text with blanks trimmed, read as a decimal number: the leading
// digits, 0 when there are none (so "abc" reads as 0). Large values saturate.
int ParsePortNumber(std::string_view text);
bool IsValidPortNumber(int port);

class uiPortDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int FirstPort = 1;
    static constexpr int LastPort = 256;

    uiPortDialog(cmcGTex& texts, int port, QWidget* owner);

    // The accepted number (the given one until OK accepted a new one).
    int Port() const { return port_; }
    QLineEdit* Edit() const { return edit_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

  public slots:
    // OK: a number out of range shows "GI_AppInd_Opt_ComSel_OutofRange" and
    // the dialog stays open with the edit box focused.
    void accept() override;

  private:
    void Lay(cmcGTex& texts);

    cmcGTex& texts_;
    int port_;
    QLabel* label_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// Shows the dialog modally over owner; the new port number, or none on Cancel.
std::optional<int> SelectPortNumber(QWidget* owner, cmcGTex& texts, int current);
