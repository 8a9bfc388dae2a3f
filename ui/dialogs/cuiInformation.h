#pragma once
// A read-only sheet in a small window: the clone information after the radio
// has been identified. The owner window is disabled while it is open; the
// window deletes itself (and its sheet) when closed, by its button or its
// title bar, and the owner is enabled and focused again.

#include <QDialog>
#include <memory>

class QPushButton;
class cmcGTex;
class cuiSheet;
class indActiveCell;
class indDocumentContext;
class uiSheetView;

class cuiInformation : public QDialog {
    Q_OBJECT
  public:
    // Builds and shows the window over owner.
    cuiInformation(QWidget* owner, const QString& caption, cmcGTex& texts,
                   std::unique_ptr<cuiSheet> sheet, indActiveCell& handler);
    ~cuiInformation() override;

    uiSheetView* View() const { return view_; }
    QPushButton* Button() const { return button_; }

  private:
    QWidget* owner_;
    uiSheetView* view_ = nullptr;
    QPushButton* button_ = nullptr;
};

// Clone Information's window: caption line 0 of "GI_Sys_AppTitle", the sheet
// "GI_Sheet_CloneInfo" over the radio identity the document holds.
cuiInformation* ShowCloneInformation(QWidget* owner, indDocumentContext& context);
