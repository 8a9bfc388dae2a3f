#include "uiTraceWindow.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "OverlayStyle.h"
#include "cmcGTex.h"
#include "indTraceLog.h"

namespace {

enum TextLine { Caption, SaveButton, ClearButton, CloseButton, FileFilter, Note };

constexpr int InitialWidth = 860;
constexpr int InitialHeight = 420;

}  // namespace

uiTraceWindow::uiTraceWindow(indTraceLog& log, cmcGTex& texts, Hooks hooks, QWidget* owner)
    : QWidget(owner, Qt::Tool), log_(log), texts_(texts), hooks_(std::move(hooks)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(OverlayStyle::Qs(texts.GetText("GI_TraceWin", Caption)));
    note_ = new QLabel(OverlayStyle::Qs(texts.GetText("GI_TraceWin", Note)), this);
    note_->setWordWrap(true);
    lines_ = new QPlainTextEdit(this);
    lines_->setReadOnly(true);
    lines_->setLineWrapMode(QPlainTextEdit::NoWrap);
    lines_->setMaximumBlockCount(static_cast<int>(indTraceLog::Capacity));
    lines_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    save_ = new QPushButton(OverlayStyle::Qs(texts.GetText("GI_TraceWin", SaveButton)), this);
    clear_ = new QPushButton(OverlayStyle::Qs(texts.GetText("GI_TraceWin", ClearButton)), this);
    close_ = new QPushButton(OverlayStyle::Qs(texts.GetText("GI_TraceWin", CloseButton)), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save_);
    buttons->addWidget(clear_);
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addWidget(lines_, 1);
    layout->addLayout(buttons);
    resize(InitialWidth, InitialHeight);

    connect(save_, &QPushButton::clicked, this, [this] { Save(); });
    connect(clear_, &QPushButton::clicked, this, [this] { Clear(); });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    askPath = [this](std::string& path) {
        const QString chosen = QFileDialog::getSaveFileName(
            this, OverlayStyle::Qs(texts_.GetText("GI_TraceWin", Caption)),
            QStringLiteral("serial-trace.txt"),
            OverlayStyle::Qs(texts_.GetText("GI_TraceWin", FileFilter)));
        path = chosen.toStdString();
        return !chosen.isEmpty();
    };
    for (const std::string& line : log_.Lines()) {
        lines_->appendPlainText(OverlayStyle::Qs(line));
    }
    log_.SetListener(
        [this](const std::string& line) { lines_->appendPlainText(OverlayStyle::Qs(line)); });
}

uiTraceWindow::~uiTraceWindow() {
    log_.SetListener(nullptr);
}

void uiTraceWindow::Save() {
    std::string path;
    if (askPath && askPath(path) && hooks_.save) {
        hooks_.save(path);
    }
}

void uiTraceWindow::Clear() {
    log_.Clear();
    lines_->clear();
}

void uiTraceWindow::closeEvent(QCloseEvent* event) {
    if (hooks_.closed) {
        hooks_.closed();
    }
    QWidget::closeEvent(event);
}
