// The controls the windows are made of, on Qt widgets. Each raises the events
// the windows' handlers listen to: Click, and MouseMove for every movement of
// the pointer over it, whether or not a button is held.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

namespace krv1::platform {

class FormLabel : public QLabel {
    Q_OBJECT
public:
    explicit FormLabel(QWidget* parent);
    // Lets the mouse select the text for Ctrl+C; the label then takes the
    // focus by a click, never by Tab. Its text is a computed value and is
    // narrowed to fit, as condenseToFit does.
    void makeSelectable();
    // The caption exactly as set, blanks included; wraps at blanks.
    void setCaption(const QString& caption);
    QString caption() const { return text(); }
    // A value's caption, read with it by a screen reader: "ซีเมนต์ = 300 กิโลกรัม".
    void setCaptionedBy(const QString& caption);
signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void condenseToFit();
    void nameForScreenReaders();
    bool condensable_ = false;
    QString captionedBy_;
    int stretch_ = 100;  // percent of the face's width the text is drawn at
};

// A command that Enter and Return press, as Space does.
class FormCommandButton : public QPushButton {
    Q_OBJECT
public:
    FormCommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class FormTextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit FormTextBox(QWidget* parent);
    // A red frame round a box whose text cannot be used.
    void setFlagged(bool flagged);
    // What the engineer types or pastes is taken only when the whole text
    // keeps to `rule`; anything else is refused as it is typed.
    void acceptOnly(std::function<bool(const QString&)> rule);
    bool isFlagged() const { return flagged_; }
signals:
    void mouseMoved();
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool flagged_ = false;
};

// Several lines of read-only text with word wrap.
class FormMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    FormMemo(QWidget* parent, bool verticalScrollBar);
    // Replaces the whole text and shows its beginning.
    void setContent(const QString& text);
    QString content() const { return toPlainText(); }
};

class FormDropDownList : public QComboBox {
    Q_OBJECT
public:
    explicit FormDropDownList(QWidget* parent);
    // The chosen entry, or an empty text while none is chosen.
    QString currentEntry() const { return currentIndex() < 0 ? QString() : currentText(); }
    // Appends an entry without choosing one.
    void appendEntry(const QString& entry);
signals:
    // An entry was chosen by the user, by mouse or keyboard.
    void entryChosen();
};

// Exclusive with the other option buttons directly in its container (not
// with those in frames nested inside it), through the container's group.
class FormOptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit FormOptionButton(QWidget* parent);
    // Joins the exclusive group of the buttons directly in `container`.
    void joinGroupOf(QWidget* container);
    // Selects the button, or leaves its whole group unselected.
    void setValue(bool selected);
signals:
    void mouseMoved();
    // The button became the selected one of its group.
    void selected();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

class FormFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit FormFrame(QWidget* parent) : QGroupBox(parent) {}
};

}  // namespace krv1::platform
