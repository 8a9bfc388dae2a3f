#include "cuiCEdit.h"

#include <QActionGroup>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "MenuLayout.h"
#include "OverlayStyle.h"
#include "WindowHooks.h"
#include "cmcGTex.h"
#include "cmcMessageBoxHost.h"

namespace {

constexpr int PanelBorder = 5;
constexpr int GridMargin = 2;
constexpr int MinDot = 12;
constexpr int PreviewDot = 4;
constexpr int ButtonWidth = 84;
constexpr int ButtonGap = 4;
constexpr int TagClear = 0;
constexpr int TagPen = 10;

}  // namespace

// The magnified grid: cell (x, y) is the square at 2 + x (s + 1), 2 + y (s + 1).
class cuiCEditGrid : public QWidget {
  public:
    explicit cuiCEditGrid(cuiCEdit& editor) : QWidget(&editor), editor_(editor) {
        const int s = editor.dotSize_;
        setFixedSize(2 * GridMargin + cuiCEditDots::Width * (s + 1) - 1,
                     2 * GridMargin + cuiCEditDots::Height * (s + 1) - 1);
        setAccessibleName(QStringLiteral("Dots"));
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const int s = editor_.dotSize_;
        painter.fillRect(event->rect(), Qt::lightGray);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        for (int y = 0; y < cuiCEditDots::Height; ++y) {
            for (int x = 0; x < cuiCEditDots::Width; ++x) {
                const QRect dot(editor_.DotCorner(x, y), QSize(s, s));
                if (dot.intersects(event->rect())) {
                    painter.fillRect(dot, editor_.dots_.Displayed(x, y) ? Qt::black : Qt::white);
                }
            }
        }
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) {
            return;
        }
        editor_.dots_.Press(CellAt(event->position().toPoint()),
                            event->button() == Qt::RightButton);
        editor_.RepaintChanged();
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        editor_.dots_.Move(CellAt(event->position().toPoint()));
        editor_.RepaintChanged();
    }
    void mouseReleaseEvent(QMouseEvent* /*event*/) override {
        editor_.dots_.Release();
        editor_.RepaintChanged();
    }

  private:
    cuiCEditDots::Cell CellAt(const QPoint& p) const {
        const int step = editor_.dotSize_ + 1;
        const auto at = [step](int v) {
            const int d = v - GridMargin;
            return d >= 0 ? d / step : (d - step + 1) / step;  // rounds down outside the grid
        };
        return {at(p.x()), at(p.y())};
    }

    cuiCEdit& editor_;
};

namespace {

// The character at 4 x 4 pixels a dot, centred in a black frame.
class CEditPreview : public QWidget {
  public:
    CEditPreview(QWidget* parent, const cuiCEditDots& dots) : QWidget(parent), dots_(dots) {
        setMinimumSize(cuiCEditDots::Width * PreviewDot + 16,
                       cuiCEditDots::Height * PreviewDot + 16);
        setAccessibleName(QStringLiteral("Preview"));
    }

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        const int w = cuiCEditDots::Width * PreviewDot;
        const int h = cuiCEditDots::Height * PreviewDot;
        const QRect box((width() - w) / 2, (height() - h) / 2, w, h);
        painter.fillRect(box, Qt::white);
        painter.setPen(Qt::black);
        painter.drawRect(box.adjusted(-1, -1, 0, 0));
        for (int y = 0; y < cuiCEditDots::Height; ++y) {
            for (int x = 0; x < cuiCEditDots::Width; ++x) {
                if (dots_.Displayed(x, y)) {
                    painter.fillRect(box.left() + x * PreviewDot, box.top() + y * PreviewDot,
                                     PreviewDot, PreviewDot, Qt::black);
                }
            }
        }
    }

  private:
    const cuiCEditDots& dots_;
};

QString Text(cmcGTex& texts, const char* name, int index, const char* fallback) {
    const std::string text = texts.GetText(name, index);
    return text.empty() ? QString::fromLatin1(fallback) : OverlayStyle::Qs(text);
}

}  // namespace

cuiCEdit::cuiCEdit(QWidget* parent, cmcGTex& texts, const std::string& dots, int fontPercent,
                   Done done)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      texts_(texts),
      dotSize_(std::max(MinDot, MinDot * fontPercent / 100)),
      answer_(std::move(done)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(Text(texts, "GI_AppInd_CharacterEditorCaption", 0, "Character editor"));
    dots_.Load(dots);
    (void)dots_.TakeChanged();

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(PanelBorder, PanelBorder, PanelBorder, PanelBorder);
    grid_ = new cuiCEditGrid(*this);
    leftLayout->addWidget(grid_);
    row->addWidget(left);

    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(PanelBorder, PanelBorder, PanelBorder, PanelBorder);
    BuildToolBar(texts, right);
    preview_ = new CEditPreview(right, dots_);
    rightLayout->addWidget(preview_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(ButtonGap);
    ok_ = new QPushButton(Text(texts, "GI_AppInd_Button_OkCancel", 0, "OK"), right);
    cancel_ = new QPushButton(Text(texts, "GI_AppInd_Button_OkCancel", 1, "Cancel"), right);
    ok_->setFixedWidth(ButtonWidth);
    cancel_->setFixedWidth(ButtonWidth);
    ok_->setDefault(true);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    rightLayout->addLayout(buttons);
    row->addWidget(right);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sizeHint());
}

cuiCEdit::~cuiCEdit() {
    if (answer_) {
        answer_(std::nullopt);
    }
}

void cuiCEdit::BuildToolBar(cmcGTex& texts, QWidget* panel) {
    auto* bar = new QToolBar(panel);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    panel->layout()->addWidget(bar);
    auto* group = new QActionGroup(bar);
    group->setExclusive(true);
    cmcToolBarLayout layout;
    layout.Load(texts, "GI_ToolBar_CEdit");
    for (const cmcToolItem& item : layout.Items()) {
        if (item.kind != cmcToolKind::Button) {
            bar->addSeparator();
            continue;
        }
        const int tag = item.cell.index;
        const QString caption = OverlayStyle::Qs(item.cell.text.value_or(""));
        QAction* action =
            item.cell.imageIndex >= 0
                ? bar->addAction(WindowHooks::ToolBarIcon(item.cell.imageIndex), caption)
                : bar->addAction(caption);
        action->setToolTip(caption);
        if (tag != TagClear) {
            action->setCheckable(true);
            action->setChecked(tag == TagPen);
            group->addAction(action);
        }
        connect(action, &QAction::triggered, this, [this, tag] { ToolClicked(tag); });
        tools_.emplace_back(tag, action);
    }
}

QAction* cuiCEdit::ToolButton(int tag) const {
    for (const auto& [t, action] : tools_) {
        if (t == tag) {
            return action;
        }
    }
    return nullptr;
}

QPoint cuiCEdit::DotCorner(int x, int y) const {
    return {GridMargin + x * (dotSize_ + 1), GridMargin + y * (dotSize_ + 1)};
}

void cuiCEdit::ToolClicked(int tag) {
    if (tag != TagClear) {
        dots_.SetTool(static_cast<cuiCEditDots::Tool>(tag));
        return;
    }
    const cmcMbResult answer = CurrentMessageBoxHost().Show(
        texts_.GetText("GI_Sys_AppTitle"), texts_.GetLines("GI_AppMess_Confirm_CEdit_Clear"),
        cmcMbButtons::OkCancel, cmcMbIcon::Warning);
    if (answer == cmcMbResult::Ok) {
        dots_.Clear();
        RepaintChanged();
    }
}

void cuiCEdit::RepaintChanged() {
    const std::vector<cuiCEditDots::Cell> changed = dots_.TakeChanged();
    for (const cuiCEditDots::Cell& c : changed) {
        grid_->update(QRect(DotCorner(c.x, c.y), QSize(dotSize_, dotSize_)));
    }
    if (!changed.empty()) {
        preview_->update();
    }
}

void cuiCEdit::done(int result) {
    Done answer = std::move(answer_);
    answer_ = nullptr;
    if (answer) {
        answer(result == QDialog::Accepted ? std::optional<std::string>(dots_.DotText())
                                           : std::nullopt);
    }
    QDialog::done(result);
}
