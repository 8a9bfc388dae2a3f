#include "cuiDebugWin.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "EventIds.h"
#include "Placement.h"
#include "cmcEvMan.h"

cuiDebugWin::cuiDebugWin(QWidget* owner) : QWidget(owner, Qt::Window) {
    setWindowTitle(QStringLiteral("Free Debug Window"));
    memo_ = new QPlainTextEdit(this);
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo_);
    const int height = owner != nullptr ? owner->height() * 8 / 10 : MinHeight;
    resize(owner != nullptr ? owner->width() / 2 : 400, std::max(height, MinHeight));
    Placement::CentreOver(*this, owner);
    EvMan().AddListener(&OnEvent, this);
}

cuiDebugWin::~cuiDebugWin() {
    EvMan().RemoveListener(&OnEvent, this);
}

void cuiDebugWin::OnEvent(void* self, const cmcEvent& event) {
    if (event.kind == EventIds::DebugText) {
        static_cast<cuiDebugWin*>(self)->memo_->appendPlainText(
            QString::fromStdString(event.Text()));
    }
}

QDialog* MakeCompareWindow(QWidget* owner, const QRect& area,
                           const std::vector<std::string>& lines) {
    auto* dialog = new QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                          Qt::CustomizeWindowHint);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Debug compare"));
    auto* memo = new QPlainTextEdit(dialog);
    memo->setObjectName(QStringLiteral("compareLines"));
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QStringList text;
    for (const std::string& line : lines) {
        text << QString::fromStdString(line);
    }
    memo->setPlainText(text.join(QLatin1Char('\n')));
    auto* close = new QPushButton(QStringLiteral("Close"), dialog);
    close->setDefault(true);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(memo);
    layout->addLayout(buttons);
    dialog->setGeometry(area);
    close->setFocus();
    return dialog;
}
