#include "cuiTextEditor.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "FText.h"
#include "RadioText.h"
#include "cuiCharTable.h"
#include "cuiSheet.h"

namespace {

constexpr int MemoMaxLength = 1024;
constexpr int ButtonGap = 8;
constexpr int PreviewLines = 2;
constexpr int PreviewPerLine = 12;
constexpr int TableCellHeight = 26;

// The memo's text as radio characters: Latin-1 as it is, anything else a space.
std::string Latin1(const QString& text) {
    std::string out;
    for (const QChar c : text) {
        out.push_back(c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : ' ');
    }
    return out;
}

// The preview box: the memo's text in the radio font in a black frame.
class PreviewBox : public QWidget {
  public:
    PreviewBox(QWidget* parent, std::function<std::string()> bytes, int fieldLength,
               const RadioFont::UserGlyphs& user)
        : QWidget(parent), bytes_(std::move(bytes)), fieldLength_(fieldLength), user_(user) {
        setAccessibleName(QStringLiteral("Preview"));
    }

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        FText::Style style;
        style.perLine = PreviewPerLine;
        style.lines = PreviewLines;
        style.fieldLength = fieldLength_;
        FText::Draw(painter, rect().adjusted(1, 1, -1, -1), bytes_(), style, user_, Qt::black);
    }

  private:
    std::function<std::string()> bytes_;
    int fieldLength_;
    const RadioFont::UserGlyphs& user_;
};

}  // namespace

cuiTextEditor::cuiTextEditor(QWidget* parent, const Setup& setup, std::unique_ptr<cuiSheet> table,
                             Done done)
    : QWidget(parent, Qt::Popup),
      fieldLength_(setup.fieldLength),
      user_(setup.user),
      done_(std::move(done)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAccessibleName(QStringLiteral("Text editor"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);

    memo_ = new QLineEdit(this);
    memo_->setMaxLength(MemoMaxLength);
    memo_->setFont(setup.font);
    memo_->setText(
        QString::fromLatin1(setup.text.data(), static_cast<qsizetype>(setup.text.size())));
    memo_->setFixedHeight(QFontMetrics(setup.font).height() * 3 / 2 + 4);
    memo_->setCursorPosition(setup.caret);
    if (setup.selLength > 0) {
        memo_->setSelection(setup.caret, setup.selLength);
    }
    memo_->installEventFilter(this);
    column->addWidget(memo_);

    preview_ = new PreviewBox(
        this, [this] { return PreviewBytes(); }, fieldLength_, user_);
    preview_->setFixedHeight(memo_->height() * 2 + 2);
    column->addWidget(preview_);
    connect(memo_, &QLineEdit::textChanged, preview_, qOverload<>(&QWidget::update));

    table_ = new cuiCharTable(std::move(table), TableCellHeight, this,
                              [this](cuiCharTable::Action action, const std::string& text) {
                                  switch (action) {
                                      case cuiCharTable::Action::Pick:
                                          Insert(text);
                                          break;
                                      case cuiCharTable::Action::Type:
                                          Insert(text == "%" ? "%%" : text);
                                          memo_->setFocus();
                                          break;
                                      case cuiCharTable::Action::ReturnFocus:
                                          memo_->setFocus();
                                          break;
                                      case cuiCharTable::Action::Accept:
                                          Finish(true);
                                          break;
                                  }
                              });
    table_->SetUserGlyphs(user_);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(table_);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const QSize full = table_->sizeHint();
    table_->resize(full);
    scroll->setFixedSize(
        full.width() + scroll->verticalScrollBar()->sizeHint().width() + 2 * scroll->frameWidth(),
        full.height() / 3 + 2 * scroll->frameWidth());
    column->addWidget(scroll);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(ButtonGap);
    buttons->addStretch();
    ok_ = new QPushButton(setup.ok, this);
    cancel_ = new QPushButton(setup.cancel, this);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    column->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, [this] { Finish(true); });
    connect(cancel_, &QPushButton::clicked, this, [this] { Finish(false); });
}

cuiTextEditor::~cuiTextEditor() {
    if (!finished_ && done_) {
        done_(std::nullopt);  // closed from outside without an answer
    }
}

std::string cuiTextEditor::PreviewBytes() const {
    return RadioText::FromDisplay(Latin1(memo_->text()));
}

void cuiTextEditor::Popup(const QPoint& at) {
    adjustSize();
    move(at);
    show();
    memo_->setFocus(Qt::PopupFocusReason);
}

void cuiTextEditor::Insert(const std::string& displayText) {
    memo_->insert(
        QString::fromLatin1(displayText.data(), static_cast<qsizetype>(displayText.size())));
}

bool cuiTextEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memo_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Finish(true);
            return true;
        }
        if (key == Qt::Key_Escape) {
            Finish(false);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void cuiTextEditor::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    Finish(true);  // a click outside takes the text
}

void cuiTextEditor::Finish(bool accept) {
    if (finished_) {
        return;
    }
    finished_ = true;
    Done done = std::move(done_);
    const std::string text = Latin1(memo_->text());
    close();
    if (done) {
        done(accept ? std::optional<std::string>(text) : std::nullopt);
    }
}
