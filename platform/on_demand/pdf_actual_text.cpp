// The on-demand library "pdf_text": each line of a PDF Qt wrote marked with
// its text, through qpdf.
#include "platform/pdf_actual_text.h"

#include <memory>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <stdexcept>
#include <string>

namespace krv1::platform {
namespace {

// The text as a PDF text string: UTF-16BE after its byte order mark.
std::string Utf16Hex(const QString& text) {
    std::string hex = "<FEFF";
    for (const QChar c : text) hex += QString::asprintf("%04X", c.unicode()).toStdString();
    return hex + ">";
}

// Qt writes a text item as BT, then one "<glyph> Tj" a glyph, then ET; a
// bold it makes up itself draws the glyphs again inside an empty
// ActualText span. Each text item is wrapped in a span: the first of a line
// carries the line's text, any further one (a run in another face) none.
class ActualTextFilter : public QPDFObjectHandle::TokenFilter {
public:
    explicit ActualTextFilter(const std::vector<DrawnLine>& lines) : lines_(lines) {}

    void handleToken(const QPDFTokenizer::Token& token) override {
        const bool word = token.getType() == QPDFTokenizer::tt_word;
        if (word && token.getValue() == "BT") {
            openSpan();
            inText_ = true;
        } else if (word && inText_ && token.getValue() == "BDC") {
            ++innerSpans_;
        } else if (word && inText_ && innerSpans_ > 0 && token.getValue() == "EMC") {
            --innerSpans_;
        } else if (word && inText_ && innerSpans_ == 0 && token.getValue() == "Tj") {
            if (--remaining_ < 0) matched_ = false;
        }
        writeToken(token);
        if (word && token.getValue() == "ET") {
            write("\nEMC");
            inText_ = false;
        }
    }

    // Every line's glyphs were met, no more and no fewer.
    bool matched() const {
        if (!matched_ || remaining_ != 0) return false;
        for (std::size_t i = next_; i < lines_.size(); ++i)
            if (lines_[i].glyphs > 0) return false;
        return true;
    }

private:
    void openSpan() {
        if (remaining_ > 0) {
            write("/Span <</ActualText ()>> BDC\n");
            return;
        }
        while (next_ < lines_.size() && lines_[next_].glyphs == 0) ++next_;
        if (next_ == lines_.size()) {
            matched_ = false;
            write("/Span <</ActualText ()>> BDC\n");
            return;
        }
        remaining_ = lines_[next_].glyphs;
        write("/Span <</ActualText " + Utf16Hex(lines_[next_].text) + ">> BDC\n");
        ++next_;
    }

    const std::vector<DrawnLine>& lines_;
    std::size_t next_ = 0;
    int remaining_ = 0;
    int innerSpans_ = 0;
    bool inText_ = false;
    bool matched_ = true;
};

std::optional<QByteArray> MarkedWithActualText(const QByteArray& pdf,
                                               const std::vector<DrawnLine>& lines) {
    try {
        QPDF document;
        document.setSuppressWarnings(true);
        document.processMemoryFile("page", pdf.constData(), static_cast<size_t>(pdf.size()));
        std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(document).getAllPages();
        // Each page's lines, split at the breaks.
        std::vector<std::vector<DrawnLine>> pageLines(1);
        for (const DrawnLine& line : lines) {
            if (line.glyphs < 0) {
                pageLines.emplace_back();
            } else {
                pageLines.back().push_back(line);
            }
        }
        if (pages.size() != pageLines.size()) return std::nullopt;
        std::vector<std::shared_ptr<ActualTextFilter>> filters;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            filters.push_back(std::make_shared<ActualTextFilter>(pageLines[i]));
            pages[i].addContentTokenFilter(filters.back());
        }
        QPDFWriter writer(document);
        writer.setOutputMemory();
        // The contents were compressed by Qt; so they stay, and the file
        // keeps the PDF version a span needs.
        writer.setCompressStreams(true);
        writer.setMinimumPDFVersion("1.5");
        writer.setDeterministicID(true);
        writer.write();
        for (const auto& filter : filters)
            if (!filter->matched()) return std::nullopt;
        const std::shared_ptr<Buffer> written = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(written->getBuffer()),
                          static_cast<qsizetype>(written->getSize()));
    } catch (const std::exception&) {
        return std::nullopt;  // not a PDF qpdf can read: Qt's stands as it is
    }
}

}  // namespace
}  // namespace krv1::platform

extern "C" Q_DECL_EXPORT bool krv1WithActualText(
    const QByteArray& pdf, const std::vector<krv1::platform::DrawnLine>& lines,
    QByteArray* marked) {
    const std::optional<QByteArray> written = krv1::platform::MarkedWithActualText(pdf, lines);
    if (written) *marked = *written;
    return written.has_value();
}
