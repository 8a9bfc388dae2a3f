#include "cuiFBitsR.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>

#include "Codec.h"
#include "indCellCapsule.h"

namespace {

// A position's label by the request's label mode: 1 hexadecimal, 2 decimal
// with 10 as 0, 3 "B" and the bit number counted from the last position
// down to B0, otherwise decimal.
QString Label(int mode, int position, int last) {
    switch (mode) {
        case 1:
            return QString::number(position, 16).toUpper();
        case 2:
            return QString::number(position == 10 ? 0 : position);
        case 3:
            return QStringLiteral("B%1").arg(last - position);
        default:
            return QString::number(position);
    }
}

}  // namespace

cuiFBitsR::cuiFBitsR(QWidget* parent, const indPopupRequest& request, Done done)
    : QWidget(parent, Qt::Popup), first_(request.first), done_(std::move(done)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAccessibleName(QStringLiteral("Flag bits"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    const int n = std::max(0, request.last - request.first + 1);
    const int32_t bits = Codec::UnplaceFlagBits(request.value, request.first, request.last);
    for (int i = 0; i < n; ++i) {
        auto* box = new QCheckBox(Label(request.mode, request.first + i, request.last), this);
        box->setChecked((bits & (1 << (n - 1 - i))) != 0);
        row->addWidget(box);
        boxes_.push_back(box);
    }
}

void cuiFBitsR::Popup(const QPoint& at) {
    move(at);
    show();
    if (!boxes_.empty()) {
        boxes_.front()->setFocus(Qt::PopupFocusReason);
    }
}

QCheckBox* cuiFBitsR::Box(int position) const {
    const int i = position - first_;
    return i >= 0 && i < static_cast<int>(boxes_.size()) ? boxes_[static_cast<size_t>(i)] : nullptr;
}

int32_t cuiFBitsR::Bits() const {
    const int n = static_cast<int>(boxes_.size());
    int32_t bits = 0;
    for (int i = 0; i < n; ++i) {
        bits |= boxes_[static_cast<size_t>(i)]->isChecked() ? 1 << (n - 1 - i) : 0;
    }
    return bits;
}

void cuiFBitsR::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        Finish(true);
    } else if (key == Qt::Key_Escape) {
        Finish(false);
    } else if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        const int position = key == Qt::Key_0 ? 10 : key - Qt::Key_0;
        if (QCheckBox* box = Box(position)) {
            box->toggle();
        }
    } else {
        QWidget::keyPressEvent(event);
    }
}

void cuiFBitsR::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    Finish(true);  // a click outside commits
}

void cuiFBitsR::Finish(bool commit) {
    if (finished_) {
        return;
    }
    finished_ = true;
    done_(commit ? std::optional<int32_t>(Bits()) : std::nullopt);
    close();
}
