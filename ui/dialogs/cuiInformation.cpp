#include "cuiInformation.h"

#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

#include "cmcGTex.h"
#include "cuiSheet.h"
#include "indDocumentContext.h"
#include "uiOverlayStyle.h"
#include "uiPlacement.h"
#include "uiSheetView.h"

namespace {

constexpr int PanelBorder = 8;
constexpr int ButtonMargin = 5;

}  // namespace

cuiInformation::cuiInformation(QWidget* owner, const QString& caption, cmcGTex& texts,
                               std::unique_ptr<cuiSheet> sheet, indActiveCell& handler)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      owner_(owner) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);

    // A raised panel with a lowered inner bevel around the sheet.
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    auto* inner = new QFrame(panel);
    inner->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    inner->setLineWidth(2);
    view_ = new uiSheetView(std::move(sheet), handler, inner);
    auto* innerLayout = new QVBoxLayout(inner);
    innerLayout->setContentsMargins(2, 2, 2, 2);
    innerLayout->addWidget(view_);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(PanelBorder, PanelBorder, PanelBorder, PanelBorder);
    panelLayout->addWidget(inner);

    button_ = new QPushButton(Qs(texts.GetText("GI_AppInd_Button_OkCancel", 0)), this);
    button_->setDefault(true);
    connect(button_, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, ButtonMargin, ButtonMargin);
    layout->setSpacing(ButtonMargin * 2);
    layout->addWidget(panel);
    layout->addWidget(button_, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (owner_ != nullptr) {
        owner_->setEnabled(false);
        setEnabled(true);  // a window stays usable while its disabled owner waits
    }
    adjustSize();
    CentreOver(*this, owner_);
    show();
    button_->setFocus();
}

cuiInformation::~cuiInformation() {
    if (owner_ != nullptr) {
        owner_->setEnabled(true);
        owner_->activateWindow();
        owner_->setFocus();
    }
}

cuiInformation* ShowCloneInformation(QWidget* owner, indDocumentContext& context) {
    return new cuiInformation(owner, Qs(context.Texts().GetText("GI_Sys_AppTitle", 0)),
                              context.Texts(), context.MakeSheet("GI_Sheet_CloneInfo"),
                              context.Handler());
}
