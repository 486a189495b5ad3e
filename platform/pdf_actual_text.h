// The text a PDF's reader copies and searches, as it was written.
//
// Qt writes each glyph of a PDF's text on its own and maps it back to a
// character through the face's character map. The Thai faces substitute
// glyphs as they shape: a tone mark over a letter without an upper vowel is
// lowered (ส่วน, ต้อง), sara am is split into nikhahit and sara aa, a tone
// mark is drawn before a lower vowel (ผู้). Those glyphs come back as
// private-use characters, split or out of order. Each line drawn is marked
// with the text it was drawn from (an ActualText span, PDF 1.5), which
// readers take in place of the glyphs' own characters.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace krv1::platform {

// A line as it was drawn: its text and how many glyphs Qt drew for it.
struct DrawnLine {
    QString text;
    int glyphs = 0;
};
// Where one page ends and the next begins, among the lines.
inline const DrawnLine kPageBreak{QString(), -1};

// `pdf`, its pages as Qt wrote them, with each line's glyphs marked with the
// line's text, in drawing order, kPageBreak between pages; empty when a
// page's glyphs do not match its lines, the PDF cannot be read, or qpdf's library (the on-demand
// "pdf_text") cannot be loaded.
std::optional<QByteArray> WithActualText(const QByteArray& pdf,
                                         const std::vector<DrawnLine>& lines);

}  // namespace krv1::platform
