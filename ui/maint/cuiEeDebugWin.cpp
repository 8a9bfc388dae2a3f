#include "cuiEeDebugWin.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "EventIds.h"
#include "OverlayStyle.h"
#include "Placement.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cuiEeGrid.h"
#include "indDocumentContext.h"
#include "uiBevelPanel.h"

namespace {

constexpr int ButtonMargin = 5;

}  // namespace

cuiEeDebugWin::cuiEeDebugWin(QWidget* owner, indDocumentContext& context)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::CustomizeWindowHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    cmcGTex& texts = context.Texts();
    setWindowTitle(OverlayStyle::Qs(texts.GetText("GI_Sys_AppTitle", 0)));

    grid_ = new cuiEeGrid(context.MakeSheet("GI_Sheet_EeDebugWin"), context.Handler(), this);
    grid_->setFrameStyle(QFrame::NoFrame);
    auto* panel = new uiBevelPanel(grid_, uiBevelPanel::Bevel, this);
    // The sheet's width; its height at most half the screen.
    const int screenHeight = QGuiApplication::primaryScreen()->availableGeometry().height();
    grid_->setFixedSize(grid_->SheetWidth() + grid_->verticalScrollBar()->sizeHint().width(),
                        std::min(grid_->SheetHeight(), screenHeight / 2));

    close_ = new QPushButton(OverlayStyle::Qs(texts.GetText("GI_AppInd_Button_OkCancel", 0)), this);
    setComp_ = new QPushButton(QStringLiteral("Set Comp"), this);
    redraw_ = new QPushButton(QStringLiteral("Redraw"), this);
    const int width = std::max(
        {close_->sizeHint().width(), setComp_->sizeHint().width(), redraw_->sizeHint().width()});
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, ButtonMargin, ButtonMargin, ButtonMargin);
    buttons->setSpacing(ButtonMargin);
    buttons->addStretch();
    for (QPushButton* b : {redraw_, setComp_, close_}) {
        b->setFixedWidth(width);
        b->setAutoDefault(false);
        b->setDefault(false);
        buttons->addWidget(b);
    }
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    connect(setComp_, &QPushButton::clicked, this, [] {
        EvMan().Post(EventIds::CopyToCompareBase, nullptr, 0);
        EvMan().Send(EventIds::WarningCheckDone, nullptr, 0);
    });
    connect(redraw_, &QPushButton::clicked, this,
            [] { EvMan().Post(EventIds::ImageReplaced, nullptr, 0); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (const std::optional<cuiCellPos> first = grid_->Sheet().FindCell(CL_EeDebugWin_0, 0)) {
        grid_->GoTo(first->row, first->col);
    }
    EvMan().AddListener(&OnEvent, this);
    adjustSize();
    Placement::CentreOver(*this, owner);
}

cuiEeDebugWin::~cuiEeDebugWin() {
    EvMan().RemoveListener(&OnEvent, this);
}

void cuiEeDebugWin::OnEvent(void* self, const cmcEvent& event) {
    auto* window = static_cast<cuiEeDebugWin*>(self);
    switch (event.kind) {
        case EventIds::WarningCheckDone:
        case EventIds::ImageReplaced:
            window->grid_->viewport()->update();
            break;
        case EventIds::EepromGoTo:
            window->grid_->GoTo(event.value / BytesPerRow + HeaderRows,
                                (event.value % BytesPerRow) * 2 + LeadingCols);
            break;
        default:
            break;
    }
}
