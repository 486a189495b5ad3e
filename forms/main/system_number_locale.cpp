#include "system_number_locale.h"

#include <QLocale>

namespace krv1::forms {

NumberLocale SystemNumberLocale() {
    const QLocale locale = QLocale::system();
    return NumberLocale{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

}  // namespace krv1::forms
