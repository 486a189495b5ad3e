// A printer that writes down every operation of a job instead of printing.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "platform/printer.h"

namespace krv1::testing {

struct PrintedLine {
    int x, y;
    bool bold;
    QString font;
    double size;
    QString text;
    bool alignRight = false;
};

struct PrintJob {
    QStringList operations;  // e.g. "paper A4", "x 3900", "print ..."
    std::vector<PrintedLine> lines;
    bool ended = false;
};

class RecordingPrinter : public platform::Printer {
public:
    RecordingPrinter(PrintJob& job, bool accepts) : job_(job), accepts_(accepts) {}
    void setPaperA4() override { job_.operations << QStringLiteral("paper A4"); }
    void setPortrait() override { job_.operations << QStringLiteral("portrait"); }
    void setFontName(const QString& family) override {
        font_ = family;
        job_.operations << QStringLiteral("font ") + family;
    }
    void setFontBold(bool bold) override {
        bold_ = bold;
        job_.operations << (bold ? QStringLiteral("bold on") : QStringLiteral("bold off"));
    }
    void setFontSize(double points) override {
        size_ = points;
        job_.operations << QStringLiteral("size %1").arg(points);
    }
    void setCurrentX(int twips) override {
        x_ = twips;
        job_.operations << QStringLiteral("x %1").arg(twips);
    }
    void setCurrentY(int twips) override {
        y_ = twips;
        job_.operations << QStringLiteral("y %1").arg(twips);
    }
    void setAlignRight(bool right) override {
        alignRight_ = right;
        job_.operations << (right ? QStringLiteral("align right") : QStringLiteral("align left"));
    }
    void newPage() override { job_.operations << QStringLiteral("new page"); }
    void print(const QString& text) override {
        job_.operations << QStringLiteral("print");
        job_.lines.push_back(PrintedLine{x_, y_, bold_, font_, size_, text, alignRight_});
    }
    void drawRule(int x1, int y1, int x2, int y2) override {
        job_.operations << QStringLiteral("rule %1 %2 %3 %4").arg(x1).arg(y1).arg(x2).arg(y2);
    }
    bool endDoc() override {
        job_.operations << QStringLiteral("end");
        job_.ended = true;
        return accepts_;
    }

private:
    PrintJob& job_;
    bool accepts_;
    QString font_;
    bool bold_ = false;
    bool alignRight_ = false;
    double size_ = 0;
    int x_ = 0, y_ = 0;
};

}  // namespace krv1::testing
