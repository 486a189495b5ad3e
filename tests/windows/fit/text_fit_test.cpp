// Every caption, value, option, frame title and command of every window shows
// its whole text inside its own rectangle, and nothing drawn above it meets
// that text: measured from the fonts after the longest fillings.
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyleOption>
#include <QTableView>
#include <QTextLayout>

#include "forms/details/details_window_layout.h"
#include "forms/materials/materials_window_layout.h"
#include "forms/project/project_window_layout.h"
#include "forms/strength_records/records_window_layout.h"
#include "main/main_window_fixture.h"

namespace krv1::testing {
namespace {

namespace mc = forms::materials_controls;

// One line of a widget's text, in its window's coordinates.
struct TextLine {
    const QWidget* widget;
    QRectF box;
};

QRectF InWindow(const QWidget* widget, const QRectF& box) {
    return box.translated(widget->mapTo(widget->window(), QPoint(0, 0)));
}

// The lines of a wrapped caption as QLabel lays them out: left and top
// aligned, broken between words, one font line spacing apart.
QList<QRectF> WrappedLines(const QLabel* label) {
    const QRect room = label->contentsRect();
    QTextLayout layout(label->text(), label->font(), const_cast<QLabel*>(label));
    QTextOption option(label->alignment());
    option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    layout.setTextOption(option);
    QList<QRectF> lines;
    layout.beginLayout();
    qreal y = room.top();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room.width());
        line.setPosition(QPointF(room.left(), y));
        y += line.height();
        if (line.naturalTextWidth() > 0)
            lines << QRectF(room.left(), line.y(), line.naturalTextWidth(), line.height());
    }
    layout.endLayout();
    return lines;
}

// A one-line text placed in `room` with `flags`, as the style draws it.
QRectF PlacedLine(const QWidget* widget, const QRect& room, int flags, const QString& text) {
    return QFontMetricsF(widget->font(), const_cast<QWidget*>(widget))
        .boundingRect(QRectF(room), flags, text);
}

// The lines of text a widget draws, with the rectangle they must stay in.
struct Drawn {
    QList<QRectF> lines;
    QRectF room;
};

std::optional<Drawn> DrawnText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty()) return std::nullopt;
        return Drawn{WrappedLines(label), QRectF(label->rect())};
    }
    if (const auto* check = qobject_cast<const QCheckBox*>(widget)) {
        QStyleOptionButton style;
        style.initFrom(check);
        style.text = check->text();
        const QRect room =
            check->style()->subElementRect(QStyle::SE_CheckBoxContents, &style, check);
        return Drawn{{PlacedLine(check, room, Qt::AlignLeft | Qt::AlignVCenter, check->text())},
                     QRectF(check->rect())};
    }
    if (const auto* option = qobject_cast<const QRadioButton*>(widget)) {
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        const QRect room =
            option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
        return Drawn{{PlacedLine(option, room, Qt::AlignLeft | Qt::AlignVCenter, option->text())},
                     QRectF(option->rect())};
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        QStyleOptionButton style;
        style.initFrom(button);
        style.text = button->text();
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &style, button);
        return Drawn{{PlacedLine(button, room, Qt::AlignCenter, button->text())}, QRectF(room)};
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        if (frame->title().isEmpty()) return std::nullopt;
        QStyleOptionGroupBox style;
        style.initFrom(frame);
        style.text = frame->title();
        style.lineWidth = 1;
        style.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        style.textAlignment = frame->alignment();
        const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &style,
                                                           QStyle::SC_GroupBoxLabel, frame);
        return Drawn{{PlacedLine(frame, title, Qt::AlignLeft | Qt::AlignTop, frame->title())},
                     QRectF(frame->rect())};
    }
    return std::nullopt;
}

// Whether the widget paints its whole rectangle, hiding what lies below.
bool Opaque(const QWidget* widget) {
    return widget->autoFillBackground() || qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractScrollArea*>(widget);
}

QList<const QWidget*> Chain(const QWidget* widget) {
    QList<const QWidget*> chain;
    for (; widget; widget = widget->isWindow() ? nullptr : widget->parentWidget())
        chain.prepend(widget);
    return chain;
}

// Whether `upper` is painted after `lower`: a child after its parent,
// siblings in their stacking order.
bool PaintedAfter(const QWidget* upper, const QWidget* lower) {
    const QList<const QWidget*> u = Chain(upper), l = Chain(lower);
    qsizetype i = 0;
    while (i < u.size() && i < l.size() && u[i] == l[i]) ++i;
    if (i == l.size()) return i < u.size();  // upper lies inside lower
    if (i == u.size()) return false;         // lower lies inside upper
    const QObjectList& order = u[i - 1]->children();
    return order.indexOf(u[i]) > order.indexOf(l[i]);
}

// Every fault of the window: a text that leaves its rectangle or is met by
// something drawn above it.
QStringList TextFaults(const QWidget* window) {
    struct Shown {
        const QWidget* widget;
        Drawn text;  // in window coordinates
    };
    QList<Shown> shown;
    QList<const QWidget*> all;
    for (const QWidget* widget : window->findChildren<const QWidget*>()) {
        if (!widget->isVisibleTo(window) || qobject_cast<const QMenuBar*>(widget->parentWidget()))
            continue;
        all << widget;
        if (std::optional<Drawn> drawn = DrawnText(widget)) {
            for (QRectF& line : drawn->lines) line = InWindow(widget, line);
            shown << Shown{widget, {drawn->lines, InWindow(widget, drawn->room)}};
        }
    }
    QStringList faults;
    const auto fault = [&](const QWidget* widget, const QRectF& line, const QString& what) {
        faults << widget->objectName() + QStringLiteral(": text ") + QDebug::toString(line) + what;
    };
    for (const Shown& text : shown) {
        for (const QRectF& line : text.text.lines)
            if (!text.text.room.contains(line))
                fault(text.widget, line,
                      QStringLiteral(" leaves ") + QDebug::toString(text.text.room));
        for (const QWidget* other : all) {
            if (other == text.widget || !PaintedAfter(other, text.widget)) continue;
            QList<QRectF> above{InWindow(other, QRectF(other->rect()))};
            if (!Opaque(other)) {
                above.clear();
                for (const Shown& o : shown)
                    if (o.widget == other) above = o.text.lines;
            }
            for (const QRectF& line : text.text.lines)
                for (const QRectF& ink : above)
                    if (line.intersects(ink))
                        fault(text.widget, line, QStringLiteral(" under ") + other->objectName());
        }
    }
    return faults;
}

// A design as the engineer enters it; the dosage only with admixture.
struct Filling {
    const char* name;
    const char* strength;
    bool cube;
    int slump, stone;
    const char* dosage;  // empty: without admixture
    const char* moisture;
};

// The fillings that give each text its longest: found by a sweep over every
// choice, strengths 100 to 560 (whole and to two decimals) and moistures 0 to
// 30 % in steps of 0.01.
const Filling kLongestFillings[] = {
    {"cube_240_with_admixture", "240", true, 0, 1, "250", "5"},
    {"strength_typed_to_two_decimals", "387.25", true, 2, 0, "1000", "24.37"},
    // Surface moisture 0.0700000000000001 %; unrounded water 185.5755 litres.
    {"moisture_just_over_absorption", "102", true, 0, 0, "1000", "0.77"},
    // Excess water -0.993999999999999 kg.
    {"moisture_under_absorption", "386", true, 0, 0, "1000", "0.56"},
    // 1000.271 kg of wet sand.
    {"wettest_sand", "100", true, 0, 0, "1000", "13.09"},
    {"cylinder_one_inch", "300", false, 1, 1, "", "10.01"},
};

// An engineer's name that fills the name box.
QString NameFillingTheBox(const QWidget* box) {
    const QString word = QString::fromUtf8("ศักดิ์สิทธิ์ ");
    QString name;
    const QFontMetrics metrics(box->font());
    while (metrics.horizontalAdvance(name + word) < box->width()) name += word;
    return name.trimmed();
}

void PrintTo(const Filling& filling, std::ostream* out) { *out << filling.name; }

class TextFitTest : public MainWindowTest, public ::testing::WithParamInterface<Filling> {
public:
    // Every window of the program, open and filled from this design.
    QList<QWidget*> filledWindows() {
        const Filling& design = GetParam();
        type(m::kEngineerBox, NameFillingTheBox(control(m::kEngineerBox)));
        type(m::kStrengthBox, QString::fromLatin1(design.strength));
        control<platform::FormOptionButton>(design.cube ? m::kCubeOption : m::kCylinderOption)
            ->click();
        choose(m::kSlumpList, design.slump);
        choose(m::kStoneList, design.stone);
        const bool admixture = *design.dosage != '\0';
        control<platform::FormOptionButton>(admixture ? m::kWithAdmixtureOption
                                                      : m::kWithoutAdmixtureOption)
            ->click();
        if (admixture) type(m::kDosageBox, QString::fromLatin1(design.dosage));
        type(m::kMoistureBox, QString::fromLatin1(design.moisture));
        calculate();
        control<QPushButton>(m::kDetailsCommand)->click();
        QWidget* details = windows->details.existing();
        Find<QPushButton>(details, forms::details_controls::kSiteSheetCommand)->click();
        Find<QPushButton>(details, forms::details_controls::kTrialCommand)->click();
        Find<QPushButton>(details, forms::details_controls::kConditionsCommand)->click();
        control<QPushButton>(m::kAboutCommand)->click();
        // Records that earn a margin, one of them low, with the box ticked.
        form->showRecords();
        forms::RecordsWindow* records = windows->records.existing();
        QString rows;
        for (int i = 0; i < 16; ++i)
            rows += QStringLiteral("%1/1/2569\t%2\t%3\t\tเสาชั้น %1\n")
                        .arg(i + 1)
                        .arg(i == 7 ? 150 : (i % 2 ? 240 : 360) + i)
                        .arg(310 - i);
        records->pasteRows(rows);
        Find<QCheckBox>(records, forms::records_controls::kUseMarginCheck)->click();
        // The site's materials, every figure as long as a box takes: the
        // main window's notice names them all, and the cement's note stands
        // under the results but for Portland's longer name.
        form->showMaterials();
        forms::MaterialsWindow* materials = windows->materials.existing();
        auto* cement = Find<platform::FormDropDownList>(materials, mc::kCementList);
        cement->setCurrentIndex(design.cube ? 1 : 0);
        emit cement->entryChosen();
        const char* longest[] = {"3.051", "2.623", "1.235", "2.679", "0.654", "2.012"};
        for (std::size_t i = 0; i < mc::kBoxes.size(); ++i) {
            auto* box = Find<platform::FormTextBox>(materials, mc::kBoxes[i]);
            box->setText(QString::fromLatin1(longest[i]));
            emit box->textEdited(box->text());
        }
        // A project holding this design twice, a setting refused.
        form->newProject();
        forms::ProjectWindow* project = windows->project.existing();
        for (int i = 0; i < 2; ++i)
            Find<QPushButton>(project, forms::project_controls::kAddCommand)->click();
        auto* truck =
            Find<platform::FormTextBox>(project, forms::project_controls::kSettingBoxes[0]);
        truck->setText(QStringLiteral("31"));
        emit truck->textEdited(truck->text());
        // A scatter so wide that the details' caption carries a margin of
        // three figures.
        control<QPushButton>(m::kDetailsCommand)->click();
        return {form.get(),
                details,
                windows->siteSheet.existing(),
                windows->trial.existing(),
                windows->conditions.existing(),
                windows->about.existing(),
                records,
                materials,
                project};
    }
};

TEST_P(TextFitTest, EveryTextWholeAndUncovered) {
    for (const QWidget* window : filledWindows()) {
        ASSERT_NE(window, nullptr);
        const QStringList faults = TextFaults(window);
        EXPECT_TRUE(faults.isEmpty()) << window->objectName().toStdString() << ":\n"
                                      << faults.join('\n').toStdString();
    }
}

// A screen reader names every input and command by its caption, and reads
// each value with its caption: "ซีเมนต์ = 300 กิโลกรัม". The site sheet's
// values are whole lines that say what they are.
TEST_P(TextFitTest, EveryInputCommandAndValueNamedForScreenReaders) {
    for (const QWidget* window : filledWindows()) {
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(window)) continue;
            QAccessibleInterface* named = QAccessible::queryAccessibleInterface(widget);
            const QString name = named ? named->text(QAccessible::Name) : QString();
            const QString where = window->objectName() + u'.' + widget->objectName();
            const bool input =
                qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
                qobject_cast<QAbstractButton*>(widget) || qobject_cast<QTableView*>(widget);
            if (input && !widget->objectName().isEmpty()) {
                EXPECT_FALSE(name.trimmed().isEmpty()) << where.toStdString();
            }
            const auto* label = qobject_cast<QLabel*>(widget);
            if (label && label->textInteractionFlags() & Qt::TextSelectableByMouse &&
                !label->text().trimmed().isEmpty() && window->objectName() != u"Form5") {
                EXPECT_TRUE(name.endsWith(label->text().simplified()) &&
                            name.size() > label->text().simplified().size())
                    << where.toStdString() << ": " << name.toStdString();
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(LongestFillings, TextFitTest, ::testing::ValuesIn(kLongestFillings),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace krv1::testing
