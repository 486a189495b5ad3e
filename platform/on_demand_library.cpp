#include "on_demand_library.h"

#ifdef KRV1_ON_DEMAND_LINKED

#include <QWidget>
#include <cstring>
#include <vector>

#include "chart_drawing.h"
#include "pdf_actual_text.h"
#include "system_printer.h"

// A static build (Windows) has one Qt, linked into the program: the
// libraries' functions are linked in with it, each when it was built, and
// found by name here.
#ifdef KRV1_LINKED_CHARTS
extern "C" krv1::platform::ChartDrawing* krv1NewChartDrawing(QWidget* parent);
#endif
#ifdef KRV1_LINKED_PDF_TEXT
extern "C" bool krv1WithActualText(const QByteArray& pdf,
                                   const std::vector<krv1::platform::DrawnLine>& lines,
                                   QByteArray* marked);
#endif
extern "C" krv1::platform::SystemPrinter krv1OpenDefaultSystemPrinter();
extern "C" krv1::platform::SystemPrinter krv1ChooseSystemPrinter(QWidget* parent);

namespace krv1::platform {

QFunctionPointer ResolveOnDemand(const char* name, const char* symbol) {
    struct Linked {
        const char* name;
        const char* symbol;
        QFunctionPointer function;
    };
    // Without Qt Charts the charts say that their library is missing.
    static const Linked linked[] = {
#ifdef KRV1_LINKED_CHARTS
        {"charts", "krv1NewChartDrawing", reinterpret_cast<QFunctionPointer>(&krv1NewChartDrawing)},
#endif
#ifdef KRV1_LINKED_PDF_TEXT
        {"pdf_text", "krv1WithActualText", reinterpret_cast<QFunctionPointer>(&krv1WithActualText)},
#endif
        {"printing", "krv1OpenDefaultSystemPrinter",
         reinterpret_cast<QFunctionPointer>(&krv1OpenDefaultSystemPrinter)},
        {"printing", "krv1ChooseSystemPrinter",
         reinterpret_cast<QFunctionPointer>(&krv1ChooseSystemPrinter)},
    };
    for (const Linked& entry : linked)
        if (std::strcmp(entry.name, name) == 0 && std::strcmp(entry.symbol, symbol) == 0)
            return entry.function;
    return nullptr;
}

}  // namespace krv1::platform

#else

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>
#include <map>
#include <memory>
#include <string>

namespace krv1::platform {
namespace {

struct Loaded {
    std::unique_ptr<QLibrary> library;  // null when none of the folders held it
    bool tried = false;
};

// Beside the program, as on Windows, then lib/krv1 beside the program's own
// folder: /usr/lib/krv1 for /usr/bin/krv1, and the build tree's lib/krv1 for
// its app/, tests/ and bench/ (tests/windows/ reaches it through a link).
// Never a folder named by the environment or the working directory.
QStringList Folders() {
    const QString program = QCoreApplication::applicationDirPath();
    return {program, program + QStringLiteral("/../lib/krv1")};
}

Loaded& LoadedLibrary(const char* name) {
    // Loaded on the GUI thread or the command line's one thread only.
    static std::map<std::string, Loaded> libraries;
    Loaded& loaded = libraries[name];
    if (loaded.tried) return loaded;
    loaded.tried = true;
    for (const QString& folder : Folders()) {
        auto library = std::make_unique<QLibrary>(folder + QStringLiteral("/krv1_") +
                                                  QString::fromLatin1(name));
        if (library->load()) {
            loaded.library = std::move(library);
            return loaded;
        }
    }
    return loaded;
}

}  // namespace

QFunctionPointer ResolveOnDemand(const char* name, const char* symbol) {
    Loaded& loaded = LoadedLibrary(name);
    return loaded.library ? loaded.library->resolve(symbol) : nullptr;
}

}  // namespace krv1::platform

#endif
