#pragma once
// The flag-bit pop-up: the positions of a bit-field cell as a row of tick
// boxes under the cell, labelled by the request's label mode (numbers,
// hexadecimal, 10 written as 0, or bit names B(n-1) to B0). Space or a click ticks
// a box, a digit key ticks that position (0 for 10), Enter or a click outside
// commits, Escape cancels. The answer goes back as the bits the cell shows,
// the first position in the highest bit.

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
struct indPopupRequest;

class cuiFBitsR : public QWidget {
  public:
    // done gets the bits, or nothing when the pop-up was cancelled.
    using Done = std::function<void(std::optional<int32_t> bits)>;

    cuiFBitsR(QWidget* parent, const indPopupRequest& request, Done done);

    void Popup(const QPoint& at);
    int First() const { return first_; }
    // The tick box of a position (First() upward).
    QCheckBox* Box(int position) const;
    int32_t Bits() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void Finish(bool commit);

    int first_;
    std::vector<QCheckBox*> boxes_;
    Done done_;
    bool finished_ = false;
};
