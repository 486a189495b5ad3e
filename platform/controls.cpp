#include "controls.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QValidator>

namespace krv1::platform {

FormLabel::FormLabel(QWidget* parent) : QLabel(parent) {
    // Plain text keeps runs of blanks and never reads a caption as markup.
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);
}

void FormLabel::makeSelectable() {
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::ClickFocus);
    condensable_ = true;
}

void FormLabel::setCaption(const QString& caption) {
    if (caption == text()) return;
    setText(caption);
    if (condensable_) condenseToFit();
    nameForScreenReaders();
}

void FormLabel::setCaptionedBy(const QString& caption) {
    captionedBy_ = caption.simplified();
    nameForScreenReaders();
}

void FormLabel::nameForScreenReaders() {
    if (!captionedBy_.isEmpty())
        setAccessibleName((captionedBy_ + u' ' + text().simplified()).trimmed());
}

// A few computed values outgrow their boxes: a surface moisture printed to
// fifteen figures ("0.0700000000000001%") or a slump with its tolerance.
// Wrapping would push the end onto the next row and cutting would lose
// figures, so the face is narrowed just enough for the whole text to fit,
// never below half its width. Short values keep the face as it is.
void FormLabel::condenseToFit() {
    constexpr int kNarrowest = 50;
    const QRect room = contentsRect();
    // Nearly every value fits on one line at full width: that is settled
    // without laying the text out.
    const QFontMetrics metrics = fontMetrics();
    if (stretch_ == 100 && metrics.height() <= room.height() &&
        metrics.horizontalAdvance(text()) <= room.width())
        return;
    const int flags = int(alignment()) | Qt::TextWordWrap;
    QFont trial = font();
    const auto fitsAt = [&](int stretch) {
        trial.setStretch(stretch);
        return room.contains(QFontMetrics(trial, this).boundingRect(room, flags, text()));
    };
    int stretch = 100;
    while (stretch > kNarrowest && !fitsAt(stretch)) --stretch;
    // A new font relays the label out: only when the width changes.
    if (stretch == stretch_) return;
    stretch_ = stretch;
    QFont narrowed = font();
    narrowed.setStretch(stretch);
    setFont(narrowed);
}

void FormCommandButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void FormLabel::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    QLabel::mouseMoveEvent(event);
}

FormTextBox::FormTextBox(QWidget* parent) : QLineEdit(parent) { setMouseTracking(true); }

void FormTextBox::setFlagged(bool flagged) {
    if (flagged == flagged_) return;
    flagged_ = flagged;
    setStyleSheet(flagged ? QStringLiteral("QLineEdit { border: 2px solid rgb(255, 0, 0); }")
                          : QString());
}

namespace {

class RuleValidator : public QValidator {
public:
    RuleValidator(std::function<bool(const QString&)> rule, QObject* parent)
        : QValidator(parent), rule_(std::move(rule)) {}
    State validate(QString& text, int& /*position*/) const override {
        return rule_(text) ? Acceptable : Invalid;
    }

private:
    std::function<bool(const QString&)> rule_;
};

}  // namespace

void FormTextBox::acceptOnly(std::function<bool(const QString&)> rule) {
    setValidator(new RuleValidator(std::move(rule), this));
}

void FormTextBox::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    QLineEdit::mouseMoveEvent(event);
}

void FormTextBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

FormMemo::FormMemo(QWidget* parent, bool verticalScrollBar) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setTabChangesFocus(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WordWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(verticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void FormMemo::setContent(const QString& text) {
    setPlainText(text);
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
}

FormDropDownList::FormDropDownList(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, [this](int) { emit entryChosen(); });
}

void FormDropDownList::appendEntry(const QString& entry) {
    const int chosen = currentIndex();
    addItem(entry);
    setCurrentIndex(chosen);
}

FormOptionButton::FormOptionButton(QWidget* parent) : QRadioButton(parent) {
    setMouseTracking(true);
    // Qt's automatic exclusivity spans nested frames; the group does not.
    setAutoExclusive(false);
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on) emit selected();
    });
}

void FormOptionButton::joinGroupOf(QWidget* container) {
    auto* group = container->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
    if (!group) {
        group = new QButtonGroup(container);
        group->setExclusive(true);
    }
    group->addButton(this);
}

void FormOptionButton::setValue(bool selected) {
    QButtonGroup* exclusive = group();
    if (selected || !exclusive) {
        setChecked(selected);
        return;
    }
    exclusive->setExclusive(false);
    setChecked(false);
    exclusive->setExclusive(true);
}

void FormOptionButton::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    QRadioButton::mouseMoveEvent(event);
}

}  // namespace krv1::platform
