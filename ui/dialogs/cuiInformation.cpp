#include "cuiInformation.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "OverlayStyle.h"
#include "Placement.h"
#include "cmcGTex.h"
#include "cuiSheet.h"
#include "indDocumentContext.h"
#include "uiBevelPanel.h"
#include "uiSheetView.h"

namespace {

constexpr int ButtonMargin = 5;

}  // namespace

cuiInformation::cuiInformation(QWidget* owner, const QString& caption, cmcGTex& texts,
                               std::unique_ptr<cuiSheet> sheet, indActiveCell& handler)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      owner_(owner) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);

    view_ = new uiSheetView(std::move(sheet), handler, this);
    auto* panel = new uiBevelPanel(view_, 0, this);

    // Below the panel the form grows by the button's height + 10; the button
    // sits 5 pixels from the right and bottom edges.
    button_ =
        new QPushButton(OverlayStyle::Qs(texts.GetText("GI_AppInd_Button_OkCancel", 0)), this);
    button_->setDefault(true);
    connect(button_, &QPushButton::clicked, this, &QDialog::close);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(0, ButtonMargin, ButtonMargin, ButtonMargin);
    buttonRow->addStretch();
    buttonRow->addWidget(button_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (owner_ != nullptr) {
        owner_->setEnabled(false);
        setEnabled(true);  // a window stays usable while its disabled owner waits
    }
    adjustSize();
    Placement::CentreOver(*this, owner_);
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
    return new cuiInformation(
        owner, OverlayStyle::Qs(context.Texts().GetText("GI_Sys_AppTitle", 0)), context.Texts(),
        context.MakeSheet("GI_Sheet_CloneInfo"), context.Handler());
}
