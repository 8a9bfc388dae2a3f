// Stand-ins for the dialog library when it is not part of the build: theme
// icons only, plain message boxes, an input box for the port number and no
// progress window. The window stays usable; the dialog library replaces all
// of this.
#include <QInputDialog>
#include <QMessageBox>
#include <QWidget>

#include "cmcCellObj.h"
#include "cmcGTex.h"
#include "indCloneMan.h"
#include "uiWindowHooks.h"

namespace uiHooks {

namespace {

QIcon Themed(const char* name) {
    return name == nullptr ? QIcon() : QIcon::fromTheme(QString::fromLatin1(name));
}

class EnableOnlyHost : public indCloneManHost {
  public:
    explicit EnableOnlyHost(QWidget* window) : window_(window) {}
    void EnableMainWindow(bool enabled) override {
        window_->setEnabled(enabled);
        if (enabled) {
            window_->activateWindow();
        }
    }

  private:
    QWidget* window_;
};

}  // namespace

QIcon ApplicationIcon() {
    return Themed("applications-other");
}

QIcon TreeIcon(int index) {
    return Themed(index == TreeErrorMark     ? "dialog-error"
                  : index == TreeWarningMark ? "dialog-warning"
                                             : "folder");
}

QIcon ToolBarIcon(int index) {
    static const char* const names[] = {"document-new", "document-open", "document-save"};
    return Themed(index >= 0 && index < 3 ? names[index] : nullptr);
}

QFont CellFont(const cmcCellObj& cell) {
    QFont font;
    for (const cmcCellObj* c = &cell; c != nullptr; c = c->base) {
        if (c->font) {
            font.setFamily(QString::fromStdString(c->font->name));
            if (c->font->height < 0) {
                font.setPixelSize(-c->font->height);
            }
            break;
        }
    }
    return font;
}

QColor Colour(uint32_t colour, const QPalette& palette) {
    if ((colour & 0x80000000u) == 0) {  // 0x00BBGGRR
        return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                      static_cast<int>((colour >> 16) & 0xFFu));
    }
    switch (colour & 0xFFu) {
        case 5:
            return palette.color(QPalette::Base);
        case 13:
            return palette.color(QPalette::Highlight);
        case 14:
            return palette.color(QPalette::HighlightedText);
        case 15:
            return palette.color(QPalette::Button);
        case 17:
            return palette.color(QPalette::Disabled, QPalette::Text);
        default:
            return palette.color(QPalette::Text);
    }
}

bool AskPortNumber(QWidget* owner, cmcGTex& texts, int& port) {
    bool ok = false;
    const int chosen =
        QInputDialog::getInt(owner, QString::fromStdString(texts.GetText("GI_Sys_AppTitle", 0)),
                             QString(), port, 1, 256, 1, &ok);
    if (ok) {
        port = chosen;
    }
    return ok;
}

void ShowAbout(QWidget* mainWindow, cmcGTex& texts, std::function<void()> enterMakerMode) {
    (void)enterMakerMode;
    const QString title = QString::fromStdString(texts.GetText("GI_Sys_AppTitle", 0));
    QMessageBox::about(mainWindow, title, title);
}

void ShowCloneInfo(QWidget* mainWindow, indDocumentContext& context) {
    (void)context;
    QMessageBox::information(mainWindow, mainWindow->windowTitle(),
                             QStringLiteral("Radio identified."));
}

std::unique_ptr<indCloneManHost> MakeProgressHost(QWidget* mainWindow, cmcGTex& texts) {
    (void)texts;
    return std::make_unique<EnableOnlyHost>(mainWindow);
}

}  // namespace uiHooks
