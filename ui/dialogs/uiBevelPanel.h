#pragma once
// The panel the information and maintenance windows put their sheet in: a
// raised outer bevel, a border of 8 pixels, and a lowered inner bevel right
// around the content.

#include <QFrame>

class uiBevelPanel : public QFrame {
  public:
    static constexpr int Bevel = 2;
    static constexpr int Border = 8;

    // contentMargin: room between the inner bevel and the content.
    uiBevelPanel(QWidget* content, int contentMargin, QWidget* parent);
};
