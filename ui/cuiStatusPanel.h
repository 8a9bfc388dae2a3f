#pragma once
// An owner-drawn status-bar panel: filled with its background colour, its text
// drawn in its text colour, at the left edge or centred.

#include <QColor>
#include <QString>
#include <QWidget>

class cuiStatusPanel : public QWidget {
  public:
    explicit cuiStatusPanel(bool centred, QWidget* parent = nullptr);

    void Show(const QString& text, const QColor& textColour, const QColor& background);
    const QString& Text() const { return text_; }
    const QColor& Background() const { return background_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool centred_;
    QString text_;
    QColor textColour_;
    QColor background_;
};
