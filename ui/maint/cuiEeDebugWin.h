#pragma once
// The EEPROM window (maker mode): the sheet "GI_Sheet_EeDebugWin" over the
// working image in a bevelled panel, and three buttons at the bottom right:
// close, "Set Comp" (the working image becomes the compare base, then the
// window refreshes) and "Redraw" (the image counts as replaced). Modeless; the
// main window stays enabled. Event 23 (and 25) refresh every cell; event 24
// with an address makes that byte's cell current.

#include <QDialog>

class QPushButton;
class cuiEeGrid;
class indDocumentContext;
struct cmcEvent;

class cuiEeDebugWin : public QDialog {
  public:
    static constexpr int BytesPerRow = 16;
    static constexpr int HeaderRows = 3;
    static constexpr int LeadingCols = 3;

    cuiEeDebugWin(QWidget* owner, indDocumentContext& context);
    ~cuiEeDebugWin() override;

    cuiEeGrid& Grid() { return *grid_; }
    QPushButton& CloseButton() { return *close_; }
    QPushButton& SetCompButton() { return *setComp_; }
    QPushButton& RedrawButton() { return *redraw_; }

  private:
    static void OnEvent(void* self, const cmcEvent& event);

    cuiEeGrid* grid_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* setComp_ = nullptr;
    QPushButton* redraw_ = nullptr;
};
