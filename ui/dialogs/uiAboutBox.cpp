#include "uiAboutBox.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Icons.h"
#include "OverlayStyle.h"
#include "Placement.h"
#include "cmcGTex.h"

uiAboutBox::uiAboutBox(QWidget* mainWindow, cmcGTex& texts, KeyTyped keyTyped)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      mainWindow_(mainWindow),
      keyTyped_(std::move(keyTyped)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(OverlayStyle::Qs(texts.GetText("GI_App_About_Caption", 0)));

    auto* icon = new QLabel(this);
    icon->setPixmap(Icons::Application().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    auto* title = new QLabel(OverlayStyle::Qs(texts.GetText("GI_Sys_AppTitleRev", 0)), this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    title->setFont(bold);
    auto* body = new QLabel(OverlayStyle::Qs(texts.GetLines("GI_App_About_Text")), this);
    auto* maker = new QLabel(OverlayStyle::Qs(texts.GetText("GI_Sys_Maker", 0)), this);
    for (QLabel* label : {title, body, maker}) {
        label->setTextFormat(Qt::PlainText);
    }

    button_ = new QPushButton(OverlayStyle::Qs(texts.GetText("GI_App_About_Button", 0)), this);
    button_->setDefault(true);
    connect(button_, &QPushButton::clicked, this, &QDialog::close);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->addWidget(icon, 0, 0, 3, 1);
    grid->addWidget(title, 0, 1);
    grid->addWidget(body, 1, 1);
    grid->addWidget(maker, 2, 1);
    grid->addWidget(button_, 3, 1, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
    if (mainWindow_ != nullptr) {
        mainWindow_->setEnabled(false);
        setEnabled(true);  // a window stays usable while its disabled owner waits
    }
}

uiAboutBox::~uiAboutBox() {
    if (mainWindow_ != nullptr) {
        mainWindow_->setEnabled(true);
        mainWindow_->activateWindow();
        mainWindow_->setFocus();
    }
}

bool uiAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        lastKey_ = nullptr;  // the press before it has been delivered
    } else if (event->type() == QEvent::KeyPress && event != lastKey_ && keyTyped_) {
        // A key a control ignores travels on to the box: it is passed on once.
        lastKey_ = watched != this ? event : nullptr;
        for (QChar ch : static_cast<QKeyEvent*>(event)->text()) {
            if (ch.unicode() >= 0x20 && ch.unicode() < 0x7F) {
                keyTyped_(static_cast<char>(ch.unicode()));
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

uiAboutBox* ShowAboutBox(QWidget* mainWindow, cmcGTex& texts, uiAboutBox::KeyTyped keyTyped) {
    auto* box = new uiAboutBox(mainWindow, texts, std::move(keyTyped));
    box->adjustSize();
    Placement::CentreOver(*box, mainWindow);
    box->show();
    box->CloseButton()->setFocus();
    return box;
}
