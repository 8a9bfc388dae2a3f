#pragma once
// The About box: the program's icon, name, revision and maker, and a button
// that closes it. Modeless, but the main window is disabled while it is open.
// Every character typed in it reaches the main object's KeyTyped first, before
// the box's own controls see it.

#include <QDialog>
#include <functional>

class QPushButton;
class cmcGTex;

class uiAboutBox : public QDialog {
    Q_OBJECT
  public:
    using KeyTyped = std::function<void(char)>;

    // Disables mainWindow (may be null) until the box is destroyed; the box
    // deletes itself when closed.
    uiAboutBox(QWidget* mainWindow, cmcGTex& texts, KeyTyped keyTyped);
    ~uiAboutBox() override;

    QPushButton* CloseButton() const { return button_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* mainWindow_;
    KeyTyped keyTyped_;
    QPushButton* button_ = nullptr;
    const QEvent* lastKey_ = nullptr;  // the press a control has already passed on
};

// Builds, centres over the main window and shows the About box.
uiAboutBox* ShowAboutBox(QWidget* mainWindow, cmcGTex& texts, uiAboutBox::KeyTyped keyTyped);
