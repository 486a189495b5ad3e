#include "site_sheet_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QShortcut>

#include "documents/page_printing.h"
#include "platform/artwork.h"
#include "platform/controls.h"
#include "platform/utf8_text.h"
#include "site_sheet_window_layout.h"

namespace krv1::forms {

namespace k = site_sheet_controls;
using platform::FromUtf8;

SiteSheetWindow::SiteSheetWindow()
    : FormWindow(kSiteSheetWindowLayout, kSiteSheetWindowControls, platform::RedDiscIcon()),
      printers_(platform::ChoosePrinter) {
    for (const char* box : k::kSettingBoxes)
        connect(control<platform::FormTextBox>(box), &QLineEdit::textEdited, this,
                &SiteSheetWindow::settingEdited);
    connect(control<QPushButton>(k::kPrintCommand), &QPushButton::clicked, this,
            &SiteSheetWindow::printSheet);
    connect(control<QPushButton>(k::kSavePdfCommand), &QPushButton::clicked, this,
            &SiteSheetWindow::saveSheetAsPdf);
    connect(control<QPushButton>(k::kCopyCommand), &QPushButton::clicked, this,
            &SiteSheetWindow::copySheet);
    connect(control<QPushButton>(k::kCloseCommand), &QPushButton::clicked, this,
            &SiteSheetWindow::hide);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &SiteSheetWindow::hide);
}

void SiteSheetWindow::fill(const presentation::SiteSheetSource& source,
                           const presentation::SiteSettings& settings) {
    source_ = source;
    settings_ = settings;
    for (std::size_t i = 0; i < settings.size(); ++i)
        control<platform::FormTextBox>(k::kSettingBoxes[i])->setText(FromUtf8(settings[i]));
    refresh();
}

QWidget* SiteSheetWindow::firstFocus() const { return control<QWidget>(k::kSettingBoxes[0]); }

void SiteSheetWindow::settingEdited() {
    for (std::size_t i = 0; i < settings_.size(); ++i)
        settings_[i] = control<platform::FormTextBox>(k::kSettingBoxes[i])->text().toStdString();
    refresh();
    if (settingsSink_) settingsSink_(settings_);
}

void SiteSheetWindow::refresh() {
    sheet_ = presentation::ComputeSiteSheet(source_.Basis, settings_, source_.Locale);
    const presentation::SiteSheetTexts texts = presentation::SiteSheetPartTexts(sheet_, source_);
    control<platform::FormLabel>(k::kDesign)->setCaption(FromUtf8(texts.Heading));
    control<platform::FormLabel>(k::kBasis)->setCaption(FromUtf8(texts.Basis));
    control<platform::FormLabel>(k::kPerBag)->setCaption(FromUtf8(texts.PerBag));
    control<platform::FormLabel>(k::kPour)->setCaption(FromUtf8(texts.Pour));
    control<platform::FormLabel>(k::kCost)->setCaption(FromUtf8(texts.Cost));
    control<platform::FormLabel>(k::kFoot)->setCaption(FromUtf8(texts.Foot));
    for (std::size_t i = 0; i < k::kSettingBoxes.size(); ++i) {
        const auto setting = static_cast<presentation::SiteSetting>(i);
        const bool out = std::find(sheet_.OutOfRange.begin(), sheet_.OutOfRange.end(), setting) !=
                         sheet_.OutOfRange.end();
        control<platform::FormTextBox>(k::kSettingBoxes[i])->setFlagged(out);
    }
}

std::string SiteSheetWindow::plainText() const {
    return presentation::SiteSheetPlainText(sheet_, source_, settings_);
}

void SiteSheetWindow::printSheet() { documents::PrintPageWithChoice(this, page(), printers_); }

void SiteSheetWindow::saveSheetAsPdf() { documents::SavePageAsPdf(this, page(), QString()); }

presentation::PrintedPage SiteSheetWindow::page() const {
    return presentation::SiteSheetPage(sheet_, source_, settings_, documents::PageFaceMetrics());
}

void SiteSheetWindow::copySheet() { QGuiApplication::clipboard()->setText(FromUtf8(plainText())); }

}  // namespace krv1::forms
