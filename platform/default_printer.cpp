#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "fonts.h"
#include "print_queue.h"
#include "printer.h"
#include "twips.h"

namespace krv1::platform {
namespace {

class DefaultPrinter : public Printer {
public:
    explicit DefaultPrinter(const QPrinterInfo& info)
        : queue_(info.printerName()), printer_(info, QPrinter::HighResolution) {
        printer_.setFullPage(false);
        printer_.setCreator(QStringLiteral("KRV1"));
        printer_.setDocName(QStringLiteral("KRV1"));
    }

    void setPaperA4() override { printer_.setPageSize(QPageSize(QPageSize::A4)); }
    void setPortrait() override { printer_.setPageOrientation(QPageLayout::Portrait); }
    void setFontName(const QString& family) override {
        // Without the named face, the substitute is drawn larger at the same
        // size, so the size is scaled to keep the lines where they belong.
        const bool installed = FontInstalled(family);
        font_.setFamily(installed ? family : QString::fromLatin1(kReportSubstitute));
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
        const double dotsPerTwip = printer_.resolution() / double(kTwipsPerInch);
        const double ascent = painter_.fontMetrics().ascent();
        painter_.drawText(QPointF(x_ * dotsPerTwip, y_ * dotsPerTwip + ascent), text);
    }

    bool endDoc() override {
        if (!begin()) return false;
        return painter_.end() && !failed_;
    }

private:
    bool begin() {
        if (painter_.isActive()) return true;
        if (failed_) return false;
        if (!QueueAcceptsJobs(queue_)) {
            failed_ = true;
            return false;
        }
        // The printable area is the origin: no margins beyond the printer's own.
        printer_.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
        failed_ = !painter_.begin(&printer_);
        return !failed_;
    }
    void applySize() { font_.setPointSizeF(points_ * scale_); }

    QString queue_;
    QPrinter printer_;
    QPainter painter_;
    QFont font_;
    double points_ = 12;
    double scale_ = 1;
    int x_ = 0;
    int y_ = 0;
    bool failed_ = false;
};

}  // namespace

std::unique_ptr<Printer> OpenDefaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<DefaultPrinter>(info);
}

}  // namespace krv1::platform
