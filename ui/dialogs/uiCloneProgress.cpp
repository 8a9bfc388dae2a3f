#include "uiCloneProgress.h"

#include <QPainter>

#include "OverlayStyle.h"
#include "Placement.h"
#include "cmcGTex.h"

namespace {

// Around the drawing area: 16 pixels left and right, 8 above, 24 below.
constexpr int ExtraSize = 32;
constexpr int PanelLeft = 16;
constexpr int PanelTop = 8;
constexpr int Bevel = 1;

}  // namespace

QRect ProgressCellRect(int cell, int width, int height) {
    const int w = width / indCloneProgress::Cells;
    return {w * cell, 0, w - 1, height};
}

uiProgressBar::uiProgressBar(QWidget* parent) : QWidget(parent) {
    setFixedSize(DrawWidth, DrawHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void uiProgressBar::SetProgress(const indCloneProgress& progress) {
    const int filled = progress.Filled();
    if (filled != filled_) {
        filled_ = filled;
        update();
    }
}

void uiProgressBar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QColor window = palette().color(QPalette::Base);
    const QColor highlight = palette().color(QPalette::Highlight);
    painter.fillRect(rect(), window);  // the gaps
    for (int i = 0; i < indCloneProgress::Cells; ++i) {
        painter.fillRect(ProgressCellRect(i, width(), height()), i < filled_ ? highlight : window);
    }
}

uiCloneProgress::uiCloneProgress(QWidget* owner, cmcGTex& texts)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(OverlayStyle::Qs(texts.GetText("GI_CloneProgress_Caption", 0)));
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(Bevel);
    bar_ = new uiProgressBar(panel);
    bar_->move(Bevel, Bevel);
    panel->setGeometry(PanelLeft - Bevel, PanelTop - Bevel, uiProgressBar::DrawWidth + 2 * Bevel,
                       uiProgressBar::DrawHeight + 2 * Bevel);
    setFixedSize(uiProgressBar::DrawWidth + ExtraSize, uiProgressBar::DrawHeight + ExtraSize);
}

uiCloneProgressHost::uiCloneProgressHost(QWidget* mainWindow, cmcGTex& texts)
    : mainWindow_(mainWindow), texts_(texts) {}

uiCloneProgressHost::~uiCloneProgressHost() {
    delete window_.data();
}

void uiCloneProgressHost::EnableMainWindow(bool enabled) {
    if (mainWindow_ == nullptr) {
        return;
    }
    mainWindow_->setEnabled(enabled);
    if (enabled) {
        mainWindow_->activateWindow();
        mainWindow_->setFocus();
    }
}

void uiCloneProgressHost::ShowProgress() {
    delete window_.data();
    window_ = new uiCloneProgress(mainWindow_, texts_);
    window_->setEnabled(true);  // drawn in the active colours over the disabled main window
    Placement::CentreOver(*window_, mainWindow_);
    window_->show();
}

void uiCloneProgressHost::UpdateProgress(const indCloneProgress& progress) {
    if (window_ != nullptr) {
        window_->SetProgress(progress);
    }
}

void uiCloneProgressHost::HideProgress() {
    delete window_.data();
}
