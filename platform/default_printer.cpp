#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "files.h"
#include "fonts.h"
#include "print_queue.h"
#include "printer.h"
#include "twips.h"

namespace krv1::platform {
namespace {

// The one drawing routine of the report, on any paged device: the system's
// printer or a PDF file. Each text is placed by its top-left corner in twips
// from the printable area's corner.
class PagePrinter : public Printer {
public:
    void setPaperA4() override { device().setPageSize(QPageSize(QPageSize::A4)); }
    void setPortrait() override { device().setPageOrientation(QPageLayout::Portrait); }
    void setFontName(const QString& family) override {
        // Without the named face, the substitute is drawn larger and wider at
        // the same size, so it is scaled to keep the lines where they belong
        // and narrowed to keep them on the page.
        const bool installed = FontInstalled(family);
        font_.setFamily(installed ? family : QString::fromLatin1(kReportSubstitute));
        font_.setStretch(installed ? 100 : kReportSubstituteStretch);
        scale_ = installed ? 1.0 : kReportSubstituteScale;
        applySize();
    }
    void setFontBold(bool bold) override { font_.setBold(bold); }
    void setFontSize(double points) override {
        points_ = points;
        applySize();
    }
    void setCurrentX(int twips) override { x_ = twips; }
    void setCurrentY(int twips) override { y_ = twips; }

    void print(const QString& text) override {
        if (!begin()) return;
        painter_.setFont(font_);
        const double dotsPerTwip = dotsPerInch() / double(kTwipsPerInch);
        const double ascent = painter_.fontMetrics().ascent();
        painter_.drawText(QPointF(x_ * dotsPerTwip, y_ * dotsPerTwip + ascent), text);
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
    void applySize() { font_.setPointSizeF(points_ * scale_); }

    QPainter painter_;
    QFont font_;
    double points_ = 12;
    double scale_ = 1;
    int x_ = 0;
    int y_ = 0;
    bool failed_ = false;
};

class DefaultPrinter : public PagePrinter {
public:
    explicit DefaultPrinter(const QPrinterInfo& info)
        : queue_(info.printerName()), printer_(info, QPrinter::HighResolution) {
        printer_.setFullPage(false);
        printer_.setCreator(QStringLiteral("KRV1"));
        printer_.setDocName(QStringLiteral("KRV1"));
    }

protected:
    QPagedPaintDevice& device() override { return printer_; }
    double dotsPerInch() override { return printer_.resolution(); }
    bool mayStart() override { return QueueAcceptsJobs(queue_); }

private:
    QString queue_;
    QPrinter printer_;
};

// A PDF written whole or not at all: the page goes to a temporary file that
// replaces the target only once it is complete, or straight into a device,
// a FIFO or standard output.
class PdfPrinter : public PagePrinter {
public:
    explicit PdfPrinter(const QString& path) : file_(FileToWrite(path)), writer_(file_.get()) {
        writer_.setCreator(QStringLiteral("KRV1"));
        writer_.setTitle(QStringLiteral("KRV1"));
        writer_.setResolution(kPdfDotsPerInch);
    }

protected:
    QPagedPaintDevice& device() override { return writer_; }
    double dotsPerInch() override { return writer_.resolution(); }
    bool mayStart() override { return file_->open(QIODevice::WriteOnly); }
    // The writer has handed every byte to the file by the painter's end.
    bool finish() override { return FinishWriting(*file_); }

private:
    static constexpr int kPdfDotsPerInch = 1200;
    std::unique_ptr<QFileDevice> file_;
    QPdfWriter writer_;
};

}  // namespace

std::unique_ptr<Printer> OpenDefaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<DefaultPrinter>(info);
}

std::unique_ptr<Printer> OpenPdfFile(const QString& path) {
    return std::make_unique<PdfPrinter>(path);
}

}  // namespace krv1::platform
