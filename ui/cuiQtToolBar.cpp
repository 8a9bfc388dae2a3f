#include "cuiQtToolBar.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>

#include "indMain.h"

namespace {
constexpr uint8_t Checked = 0x04, Disabled = 0x10;
}

cuiQtToolBar::cuiQtToolBar(QMainWindow& window, cmcGTex& texts, indMain& main, ImageList images)
    : window_(window), texts_(texts), main_(main), images_(std::move(images)) {}

cuiQtToolBar::~cuiQtToolBar() = default;

QToolBar* cuiQtToolBar::NewRow() {
    if (!rows_.empty()) {
        window_.addToolBarBreak();
    }
    QToolBar* row = window_.addToolBar(QString());
    row->setObjectName(QStringLiteral("toolBar%1").arg(rows_.size()));
    row->setMovable(false);
    row->setIconSize(QSize(16, 16));
    rows_.push_back(row);
    return row;
}

void cuiQtToolBar::Build(const std::string& section) {
    for (QToolBar* row : rows_) {
        window_.removeToolBar(row);
        delete row;
    }
    rows_.clear();
    buttons_.clear();
    layout_ = std::make_unique<cmcToolBarLayout>();
    layout_->Load(texts_, section);
    QToolBar* row = NewRow();
    for (const cmcToolItem& item : layout_->Items()) {
        switch (item.kind) {
            case cmcToolKind::Separator:
                row->addSeparator();
                break;
            case cmcToolKind::RowEnd:
                row = NewRow();
                break;
            case cmcToolKind::Button: {
                auto* cell = const_cast<cmcCellObj*>(&item.cell);
                QAction* action = row->addAction(images_ ? images_(item.cell.imageIndex) : QIcon(),
                                                 QString::fromStdString(item.cell.Text()));
                action->setToolTip(QString::fromStdString(item.cell.Text()));
                QObject::connect(action, &QAction::triggered, row,
                                 [this, cell] { main_.ClickCell(*cell); });
                buttons_.push_back({action, cell});
                break;
            }
        }
    }
    Refresh();
}

void cuiQtToolBar::Refresh() {
    for (Button& b : buttons_) {
        main_.QueryCell(*b.cell);
        const bool checked = (b.cell->stateFlags & Checked) != 0;
        b.action->setCheckable(checked || b.action->isCheckable());
        b.action->setChecked(checked);
        b.action->setEnabled((b.cell->stateFlags & Disabled) == 0);
    }
}

void cuiQtToolBar::SetVisible(bool visible) {
    for (QToolBar* row : rows_) {
        row->setVisible(visible);
    }
}

QAction* cuiQtToolBar::FindAction(int item, int index) const {
    for (const Button& b : buttons_) {
        if (b.cell->item == item && b.cell->index == index) {
            return b.action;
        }
    }
    return nullptr;
}
