#include "sheet_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QShortcut>

#include "platform/artwork.h"
#include "platform/utf8_text.h"

namespace krv1::documents {

SheetWindow::SheetWindow(const platform::WindowLayout& layout,
                         std::span<const platform::ControlRow> controls,
                         const SheetCommands& commands)
    : FormWindow(layout, controls, platform::RedDiscIcon()) {
    connect(control<QPushButton>(commands.print), &QPushButton::clicked, this,
            &SheetWindow::printSheet);
    connect(control<QPushButton>(commands.savePdf), &QPushButton::clicked, this,
            &SheetWindow::saveSheetAsPdf);
    connect(control<QPushButton>(commands.copy), &QPushButton::clicked, this,
            &SheetWindow::copySheet);
    connect(control<QPushButton>(commands.close), &QPushButton::clicked, this, &SheetWindow::hide);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &SheetWindow::hide);
}

void SheetWindow::printSheet() {
    if (const auto sheet = page()) PrintPageWithChoice(this, *sheet, printerChoice_);
}

void SheetWindow::saveSheetAsPdf() {
    if (const auto sheet = page())
        SavePageAsPdf(this, *sheet, pdfName_ ? pdfName_() : QStringLiteral("KRV1.pdf"));
}

void SheetWindow::copySheet() {
    QGuiApplication::clipboard()->setText(platform::FromUtf8(copiedText()));
}

platform::ChartScale ScaleOf(std::string_view title, const presentation::ChartAxis& axis) {
    platform::ChartScale scale{platform::FromUtf8(title), axis.From, axis.To, {}};
    for (const auto& [at, label] : axis.Ticks)
        scale.ticks.emplace_back(at, platform::FromUtf8(label));
    return scale;
}

}  // namespace krv1::documents
