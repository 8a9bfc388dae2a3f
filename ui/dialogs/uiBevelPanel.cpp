#include "uiBevelPanel.h"

#include <QVBoxLayout>

uiBevelPanel::uiBevelPanel(QWidget* content, int contentMargin, QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(Bevel);
    auto* inner = new QFrame(this);
    inner->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    inner->setLineWidth(Bevel);
    auto* innerLayout = new QVBoxLayout(inner);
    innerLayout->setContentsMargins(contentMargin, contentMargin, contentMargin, contentMargin);
    innerLayout->addWidget(content);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Border, Border, Border, Border);
    layout->addWidget(inner);
}
