#include "print_queue.h"

#include <cups/cups.h>

#include <cstring>

namespace krv1::platform {

bool QueueAcceptsJobs(const QString& queue) {
    const QByteArray name = queue.toUtf8();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (!dest) return true;  // not a CUPS queue: let Qt report what it can
    const char* accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool accepts = !accepting || std::strcmp(accepting, "false") != 0;
    cupsFreeDests(1, dest);
    return accepts;
}

}  // namespace krv1::platform
