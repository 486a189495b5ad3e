// The printed report: 44 lines at fixed places on one A4 page, each a text of
// its own or the captions of details-window labels joined end to end.
#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace krv1::forms {

struct ReportLine {
    int X;  // twips from the printable area's left edge
    int Y;  // twips from its top edge, to the line's top
    bool Bold;
    QString Text;
};

// Caption of a details-window label, as it reads at the moment of printing.
using CaptionOf = std::function<QString(const char* label)>;

std::vector<ReportLine> ReportLines(const CaptionOf& captionOf, const QString& engineerName);

}  // namespace krv1::forms
