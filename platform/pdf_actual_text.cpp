#include "pdf_actual_text.h"

#include "on_demand_library.h"

namespace krv1::platform {

std::optional<QByteArray> WithActualText(const QByteArray& pdf,
                                         const std::vector<DrawnLine>& lines) {
    // qpdf, loaded with the first PDF written rather than at every start.
    using Mark = bool (*)(const QByteArray&, const std::vector<DrawnLine>&, QByteArray*);
    const auto mark = reinterpret_cast<Mark>(ResolveOnDemand("pdf_text", "krv1WithActualText"));
    QByteArray marked;
    if (!mark || !mark(pdf, lines, &marked)) return std::nullopt;
    return marked;
}

}  // namespace krv1::platform
