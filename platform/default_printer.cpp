#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <QtMath>
#include <memory>
#include <vector>

#include "files.h"
#include "fonts.h"
#include "message_box.h"
#include "on_demand_library.h"
#include "pdf_actual_text.h"
#include "print_queue.h"
#include "printer.h"
#include "system_printer.h"
#include "text/ui_texts.h"
#include "twips.h"
#include "utf8_text.h"

namespace krv1::platform {
namespace {

// The one drawing routine of the report, on any paged device: the system's
// printer or a PDF file. Each text is placed by its top-left corner in twips
// from the printable area's corner.
// The face a page is printed in. Without the named face, the substitute is
// drawn larger and wider at the same size, so it is scaled to keep the lines
// where they belong and narrowed to keep them on the page.
QFont PageFont(const QString& family, bool bold, double points) {
    QFont font;
    const bool installed = FontInstalled(family);
    font.setFamily(installed ? family : QString::fromLatin1(kReportSubstitute));
    font.setStretch(installed ? 100 : kReportSubstituteStretch);
    font.setPointSizeF(points * (installed ? 1.0 : kReportSubstituteScale));
    font.setBold(bold);
    return font;
}

class PagePrinter : public Printer {
public:
    void setPaperA4() override { device().setPageSize(QPageSize(QPageSize::A4)); }
    void setPortrait() override { device().setPageOrientation(QPageLayout::Portrait); }
    void setFontName(const QString& family) override { family_ = family; }
    void setFontBold(bool bold) override { bold_ = bold; }
    void setFontSize(double points) override { points_ = points; }
    void setCurrentX(int twips) override { x_ = twips; }
    void setCurrentY(int twips) override { y_ = twips; }
    void setAlignRight(bool right) override { alignRight_ = right; }

    void print(const QString& text) override {
        if (!begin()) return;
        painter_.setFont(PageFont(family_, bold_, points_));
        const double dotsPerTwip = dotsPerInch() / double(kTwipsPerInch);
        const QFontMetricsF metrics = painter_.fontMetrics();
        const double left = x_ * dotsPerTwip - (alignRight_ ? metrics.horizontalAdvance(text) : 0);
        painter_.drawText(QPointF(left, y_ * dotsPerTwip + metrics.ascent()), text);
        drew(text, painter_.font());
    }

    void drawRule(int x1, int y1, int x2, int y2) override {
        if (!begin()) return;
        const double dotsPerTwip = dotsPerInch() / double(kTwipsPerInch);
        // Half a point: plain on paper, still there on a fax of the sheet.
        painter_.setPen(QPen(Qt::black, dotsPerInch() / 144.0));
        painter_.drawLine(QPointF(x1 * dotsPerTwip, y1 * dotsPerTwip),
                          QPointF(x2 * dotsPerTwip, y2 * dotsPerTwip));
    }

    void newPage() override {
        if (!begin()) return;
        if (!device().newPage()) failed_ = true;
        pageEnded();
    }

    bool endDoc() override {
        if (!begin()) return false;
        return painter_.end() && !failed_ && finish();
    }

protected:
    virtual QPagedPaintDevice& device() = 0;
    virtual double dotsPerInch() = 0;
    // Whether the job may start at all; asked once, before the first line.
    virtual bool mayStart() { return true; }
    // Completes the job after the page is painted; false when it failed.
    virtual bool finish() { return true; }
    // Told of each page's end but the last.
    virtual void pageEnded() {}
    // Told of each text as it is drawn, in `font`.
    virtual void drew(const QString& text, const QFont& font) {
        Q_UNUSED(text);
        Q_UNUSED(font);
    }

private:
    bool begin() {
        if (painter_.isActive()) return true;
        if (failed_) return false;
        if (!mayStart()) {
            failed_ = true;
            return false;
        }
        // The printable area is the origin: no margins beyond the device's own.
        device().setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
        failed_ = !painter_.begin(&device());
        return !failed_;
    }
    QPainter painter_;
    QString family_;
    bool bold_ = false;
    double points_ = 12;
    bool alignRight_ = false;
    int x_ = 0;
    int y_ = 0;
    bool failed_ = false;
};

// A system printer: the default one, or the one chosen in the print dialog.
class SystemPagePrinter : public PagePrinter {
public:
    explicit SystemPagePrinter(const SystemPrinter& printer)
        : device_(printer.device), queue_(printer.queue) {}

protected:
    QPagedPaintDevice& device() override { return *device_; }
    // A printer's resolution is its page's dots per inch.
    double dotsPerInch() override { return device_->logicalDpiY(); }
    bool mayStart() override { return queue_.isEmpty() || QueueAcceptsJobs(queue_); }

private:
    std::unique_ptr<QPagedPaintDevice> device_;
    QString queue_;  // empty for a job printed to a file
};

// A PDF written whole or not at all: the page goes to a temporary file that
// replaces the target only once it is complete, or straight into a device,
// a FIFO or standard output.
class PdfPrinter : public PagePrinter {
public:
    explicit PdfPrinter(const QString& path) : file_(FileToWrite(path)), writer_(&page_) {
        writer_.setCreator(QStringLiteral("KRV1"));
        writer_.setTitle(QStringLiteral("KRV1"));
        writer_.setResolution(kPdfDotsPerInch);
    }

protected:
    QPagedPaintDevice& device() override { return writer_; }
    double dotsPerInch() override { return writer_.resolution(); }
    bool mayStart() override {
        return page_.open(QIODevice::WriteOnly) && file_->open(QIODevice::WriteOnly);
    }
    // The page is whole by the painter's end; it reaches the file with each
    // line marked with its text, or as Qt wrote it when it cannot be marked.
    bool finish() override {
        const QByteArray written = page_.data();
        const QByteArray marked = WithActualText(written, lines_).value_or(written);
        return file_->write(marked) == marked.size() && FinishWriting(*file_);
    }
    // Qt draws the glyphs a layout of the text in the same face gives.
    void drew(const QString& text, const QFont& font) override {
        QTextLayout layout(text, font, &writer_);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        int glyphs = 0;
        for (const QGlyphRun& run : layout.glyphRuns()) glyphs += int(run.glyphIndexes().size());
        lines_.push_back({text, glyphs});
    }
    void pageEnded() override { lines_.push_back(kPageBreak); }

private:
    static constexpr int kPdfDotsPerInch = 1200;
    std::unique_ptr<QFileDevice> file_;
    QBuffer page_;
    QPdfWriter writer_;
    std::vector<DrawnLine> lines_;
};

}  // namespace

namespace {

// Texts are measured at a PDF's resolution, where hinting moves nothing.
constexpr int kMeasureDotsPerInch = 1200;

QFontMetricsF PageMetrics(const QFont& font) {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        const int dotsPerMetre = qRound(kMeasureDotsPerInch / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return QFontMetricsF(font, &device);
}

}  // namespace

int PageTextWidth(const QString& family, const QString& text, bool bold, double points) {
    const QFontMetricsF metrics = PageMetrics(PageFont(family, bold, points));
    return qCeil(metrics.horizontalAdvance(text) * kTwipsPerInch / kMeasureDotsPerInch);
}

int PageLineHeight(const QString& family, double points) {
    const QFontMetricsF metrics = PageMetrics(PageFont(family, false, points));
    return qCeil((metrics.ascent() + metrics.descent()) * kTwipsPerInch / kMeasureDotsPerInch);
}

std::unique_ptr<Printer> OpenDefaultPrinter() {
    const auto open = reinterpret_cast<OpenDefaultSystemPrinter>(
        ResolveOnDemand(kPrintingLibrary, kOpenDefaultSystemPrinter));
    const SystemPrinter printer = open ? open() : SystemPrinter{};
    if (!printer.device) return nullptr;
    return std::make_unique<SystemPagePrinter>(printer);
}

std::unique_ptr<Printer> ChoosePrinter(QWidget* parent) {
    const auto choose = reinterpret_cast<ChooseSystemPrinter>(
        ResolveOnDemand(kPrintingLibrary, kChooseSystemPrinter));
    if (!choose) {
        // Not a cancelled dialog: the engineer is told why nothing prints.
        ShowMessage(parent, FromUtf8(text::ui::kPrintingLibraryMissing));
        return nullptr;
    }
    const SystemPrinter printer = choose(parent);
    if (!printer.device) return nullptr;
    return std::make_unique<SystemPagePrinter>(printer);
}

std::unique_ptr<Printer> OpenPdfFile(const QString& path) {
    return std::make_unique<PdfPrinter>(path);
}

}  // namespace krv1::platform
