#include "print_queue.h"

#ifdef _WIN32

namespace krv1::platform {

// Windows' own spooler takes every job it is given and reports its printer's
// state through Qt; there is no queue to ask first.
bool QueueAcceptsJobs(const QString&) { return true; }

}  // namespace krv1::platform

#else

#include <cups/cups.h>

#include <QLibrary>
#include <cstring>

namespace krv1::platform {
namespace {

// The CUPS library is opened on the first print, not at start-up: linked
// directly it brings some twenty libraries (TLS, Kerberos, Avahi) into every
// start of the program, a third of its start-up time.
struct CupsFunctions {
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    bool loaded() const { return getNamedDest && getOption && freeDests; }
};

const CupsFunctions& Cups() {
    static const CupsFunctions functions = [] {
        CupsFunctions f;
        QLibrary library(QStringLiteral("cups"), 2);
        if (!library.load()) return f;
        f.getNamedDest =
            reinterpret_cast<decltype(f.getNamedDest)>(library.resolve("cupsGetNamedDest"));
        f.getOption = reinterpret_cast<decltype(f.getOption)>(library.resolve("cupsGetOption"));
        f.freeDests = reinterpret_cast<decltype(f.freeDests)>(library.resolve("cupsFreeDests"));
        return f;
    }();
    return functions;
}

}  // namespace

bool QueueAcceptsJobs(const QString& queue) {
    const CupsFunctions& cups = Cups();
    if (!cups.loaded()) return true;  // no CUPS: let Qt report what it can
    const QByteArray name = queue.toUtf8();
    cups_dest_t* dest = cups.getNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (!dest) return true;  // not a CUPS queue
    const char* accepting =
        cups.getOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool accepts = !accepting || std::strcmp(accepting, "false") != 0;
    cups.freeDests(1, dest);
    return accepts;
}

}  // namespace krv1::platform

#endif
