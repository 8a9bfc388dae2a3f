#include "uiProblemList.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

uiProblemList::uiProblemList(const std::string& title, const std::string& message,
                             const std::vector<std::string>& lines, QWidget* owner)
    : QDialog(owner), list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("uiProblemList"));
    setWindowTitle(QString::fromStdString(title));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QString::fromStdString(message), this);
    text->setWordWrap(true);
    layout->addWidget(text);
    for (const std::string& line : lines) {
        list_->addItem(QString::fromStdString(line));
    }
    list_->setVisible(!lines.empty());
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(560, lines.empty() ? 120 : 360);
}
