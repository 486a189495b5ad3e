#include "thai_qt_texts.h"

#include <QCoreApplication>
#include <QTranslator>

#include "text/qt_texts.h"
#include "utf8_text.h"

namespace krv1::platform {
namespace {

// A translator from a table rather than a .qm file: the texts live with
// every other Thai text of the program. What it does not know, Qt keeps.
class ThaiQtTexts : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        if (!context || !source) return {};
        for (const text::qt::QtText& text : text::qt::kQtTexts)
            if (text.context == context && text.source == source) return FromUtf8(text.thai);
        return {};
    }
};

}  // namespace

void InstallThaiQtTexts() {
    static ThaiQtTexts texts;
    static const bool installed = QCoreApplication::installTranslator(&texts);
    Q_UNUSED(installed);
}

}  // namespace krv1::platform
