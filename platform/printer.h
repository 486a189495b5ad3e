// A printer, or a PDF file, with just the operations the report uses. Positions
// are in twips from the top-left corner of the printable area; each text is
// placed by its top-left corner.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>

namespace krv1::platform {

class Printer {
public:
    virtual ~Printer() = default;
    virtual void setPaperA4() = 0;
    virtual void setPortrait() = 0;
    virtual void setFontName(const QString& family) = 0;
    virtual void setFontBold(bool bold) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setCurrentX(int twips) = 0;
    virtual void setCurrentY(int twips) = 0;
    // Whether the current X is where the next texts end rather than start.
    virtual void setAlignRight(bool right) = 0;
    virtual void print(const QString& text) = 0;
    // A thin ruled line from one point to another, in twips.
    virtual void drawRule(int x1, int y1, int x2, int y2) = 0;
    // Ends the page; what follows is drawn on the next, of the same paper.
    virtual void newPage() = 0;
    // Sends the page; false when the printer did not take the job.
    virtual bool endDoc() = 0;
};

// How wide a text is in twips when printed in `family` (or the substitute
// the page printers choose for it), bold or not, at `points`.
int PageTextWidth(const QString& family, const QString& text, bool bold, double points);
// The height in twips of a line of that face, ascent and descent.
int PageLineHeight(const QString& family, double points);

// The system's default printer, or null when there is none.
std::unique_ptr<Printer> OpenDefaultPrinter();
// The printer and copies the engineer chooses in Qt's print dialog over
// `parent`, or null when the dialog is cancelled.
std::unique_ptr<Printer> ChoosePrinter(QWidget* parent);
// A PDF file of A4 pages, with its fonts embedded, written as FileToWrite
// says (atomically over a regular file) at endDoc(): false there, and an
// existing file left whole, when it cannot be.
std::unique_ptr<Printer> OpenPdfFile(const QString& path);

}  // namespace krv1::platform
