#include "uiPortDialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "OverlayStyle.h"
#include "Placement.h"
#include "cmcGTex.h"

namespace {

constexpr int MaxDigits = 4;
constexpr int Saturated = 1000000;

}  // namespace

int ParsePortNumber(std::string_view text) {
    const auto blank = [](char ch) { return ch == ' ' || ch == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    int value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') {
            break;
        }
        value = std::min(value * 10 + (ch - '0'), Saturated);
    }
    return value;
}

bool IsValidPortNumber(int port) {
    return port >= uiPortDialog::FirstPort && port <= uiPortDialog::LastPort;
}

uiPortDialog::uiPortDialog(cmcGTex& texts, int port, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      texts_(texts),
      port_(port) {
    setWindowTitle(OverlayStyle::Qs(texts.GetText("GI_AppInd_Opt_ComSel_Caption", 0)));
    label_ = new QLabel(OverlayStyle::Qs(texts.GetLines("GI_AppInd_Opt_ComSel_Notice")), this);
    label_->setTextFormat(Qt::PlainText);
    edit_ = new QLineEdit(QString::number(port), this);
    edit_->setMaxLength(MaxDigits);
    edit_->setAttribute(Qt::WA_InputMethodEnabled, false);
    ok_ = new QPushButton(OverlayStyle::Qs(texts.GetText("GI_AppInd_Opt_ComSel_Buttons", 0)), this);
    cancel_ =
        new QPushButton(OverlayStyle::Qs(texts.GetText("GI_AppInd_Opt_ComSel_Buttons", 1)), this);
    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    cancel_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &uiPortDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &uiPortDialog::reject);
    Lay(texts);
    edit_->selectAll();
    edit_->setFocus();
}

// Every measure comes from the dialog's font; no control is made smaller than
// the style needs to show its text unclipped.
void uiPortDialog::Lay(cmcGTex& texts) {
    const QFontMetrics fm(font());
    const int wHeight = fm.height();
    const int margin = wHeight;

    label_->adjustSize();
    const int buttonWidth = std::max({fm.horizontalAdvance(OverlayStyle::Qs(
                                          texts.GetText("GI_AppInd_Opt_ComSel_SizeOfButtons", 0))),
                                      ok_->sizeHint().width(), cancel_->sizeHint().width()});
    const int buttonHeight = std::max(2 * fm.height(), ok_->sizeHint().height());
    const int gap = buttonHeight / 2;
    const int labelWidth = std::max(label_->width(), 2 * buttonWidth + gap);
    label_->setGeometry(margin, margin, labelWidth, label_->height());

    // Room for two full-width characters after the digits.
    const int editHeight = std::max(
        QFontMetrics(edit_->font()).boundingRect(QStringLiteral("255WW\uFF37\uFF37")).height(),
        edit_->sizeHint().height());
    const int editWidth = fm.horizontalAdvance(QStringLiteral("255WWWW"));
    const int editTop = label_->y() + label_->height() + wHeight / 2;
    edit_->setGeometry(fm.horizontalAdvance(QStringLiteral("WW")) + margin, editTop, editWidth,
                       editHeight);

    const int buttonTop = editTop + 4 * editHeight;
    const int cancelLeft = label_->x() + labelWidth - buttonWidth;
    cancel_->setGeometry(cancelLeft, buttonTop, buttonWidth, buttonHeight);
    ok_->setGeometry(cancelLeft - gap - buttonWidth, buttonTop, buttonWidth, buttonHeight);

    setFixedSize(2 * margin + labelWidth, buttonTop + buttonHeight * 3 / 2);
}

void uiPortDialog::accept() {
    const int number = ParsePortNumber(edit_->text().toStdString());
    if (!IsValidPortNumber(number)) {
        ShowMessage(texts_.GetLines("GI_AppInd_Opt_ComSel_OutofRange"), cmcMbButtons::Ok,
                    cmcMbIcon::Stop);
        edit_->setFocus();
        edit_->selectAll();
        return;
    }
    port_ = number;
    QDialog::accept();
}

std::optional<int> SelectPortNumber(QWidget* owner, cmcGTex& texts, int current) {
    uiPortDialog dialog(texts, current, owner);
    Placement::CentreOver(dialog, owner);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Port();
}
