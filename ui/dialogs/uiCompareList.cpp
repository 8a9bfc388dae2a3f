#include "uiCompareList.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cstdio>

#include "OverlayStyle.h"

namespace {

constexpr int ReferenceRole = Qt::UserRole;
constexpr int RowRole = Qt::UserRole + 1;
constexpr int ColRole = Qt::UserRole + 2;

}  // namespace

uiCompareList::uiCompareList(const indCompareResult& result, const std::string& otherName,
                             OpenCell open, QWidget* owner)
    : QDialog(owner), list_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("uiCompareList"));
    setWindowTitle(QStringLiteral("Compare with ") + OverlayStyle::Qs(otherName));
    auto* layout = new QVBoxLayout(this);
    const size_t count = result.diff.cells.size() + result.diff.bytes.size() +
                         (result.modelThis != result.modelOther ? 1 : 0);
    auto* summary =
        new QLabel(count == 0 ? QStringLiteral("The images are the same.")
                              : QStringLiteral("%1 differences. Double-click a line to go to "
                                               "its cell.")
                                    .arg(count),
                   this);
    layout->addWidget(summary);
    list_->setColumnCount(5);
    list_->setHeaderLabels({QStringLiteral("Sheet"), QStringLiteral("Row"),
                            QStringLiteral("Column"), QStringLiteral("This image"),
                            OverlayStyle::Qs(otherName)});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    const auto add = [this](const QStringList& texts) { return new QTreeWidgetItem(list_, texts); };
    if (result.modelThis != result.modelOther) {
        add({QStringLiteral("model"), QStringLiteral("-"), QStringLiteral("model type"),
             QString::number(result.modelThis), QString::number(result.modelOther)});
    }
    for (const indCellDifference& d : result.diff.cells) {
        QTreeWidgetItem* item =
            add({OverlayStyle::Qs(d.sheet), OverlayStyle::Qs(d.row), OverlayStyle::Qs(d.column),
                 OverlayStyle::Qs(d.before), OverlayStyle::Qs(d.after)});
        item->setData(0, ReferenceRole, OverlayStyle::Qs(d.reference));
        item->setData(0, RowRole, d.gridRow);
        item->setData(0, ColRole, d.gridCol);
    }
    for (const indByteDifference& d : result.diff.bytes) {
        char range[32];
        std::snprintf(range, sizeof range, "bytes %04X-%04X", d.first, d.last);
        add({QString::fromLatin1(range), QString(), QStringLiteral("no cell shows them")});
    }
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(list_, &QTreeWidget::itemDoubleClicked, this,
            [open = std::move(open)](QTreeWidgetItem* item) {
                const QString reference = item->data(0, ReferenceRole).toString();
                if (!reference.isEmpty() && open) {
                    open(reference.toStdString(), item->data(0, RowRole).toInt(),
                         item->data(0, ColRole).toInt());
                }
            });
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(760, 420);
}
