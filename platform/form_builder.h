// Builds a window's controls from its layout table.
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <span>

#include "control_row.h"

namespace krv1::platform {

// The controls of one window by name.
class Controls {
public:
    void add(const QString& name, QWidget* widget) { byName_.insert(name, widget); }
    QWidget* find(const QString& name) const { return byName_.value(name, nullptr); }
    template <typename T>
    T* get(const char* name) const {
        T* control = qobject_cast<T*>(find(QString::fromLatin1(name)));
        Q_ASSERT_X(control, "Controls::get", name);
        return control;
    }

private:
    QHash<QString, QWidget*> byName_;
};

// Creates every control of `rows` inside `window` (whose back colour is
// `windowBack`), places it in its container at its twip rectangle, gives it
// its colours, font and state, and sets the tab order by tab index.
Controls BuildControls(QWidget* window, std::span<const ControlRow> rows, Rgb windowBack,
                       double dpi);

}  // namespace krv1::platform
