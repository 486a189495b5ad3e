#include "site_sheet_window.h"

#include <algorithm>

#include "platform/controls.h"
#include "platform/utf8_text.h"
#include "site_sheet_window_layout.h"

namespace krv1::forms {

namespace k = site_sheet_controls;
using platform::FromUtf8;

SiteSheetWindow::SiteSheetWindow()
    : SheetWindow(kSiteSheetWindowLayout, kSiteSheetWindowControls,
                  {k::kPrintCommand, k::kSavePdfCommand, k::kCopyCommand, k::kCloseCommand}) {
    for (const char* box : k::kSettingBoxes)
        connect(control<platform::FormTextBox>(box), &QLineEdit::textEdited, this,
                &SiteSheetWindow::settingEdited);
}

void SiteSheetWindow::fill(const presentation::SiteSettings& settings) {
    settings_ = settings;
    for (std::size_t i = 0; i < settings.size(); ++i)
        control<platform::FormTextBox>(k::kSettingBoxes[i])->setText(FromUtf8(settings[i]));
}

QWidget* SiteSheetWindow::firstFocus() const { return control<QWidget>(k::kSettingBoxes[0]); }

void SiteSheetWindow::settingEdited() {
    for (std::size_t i = 0; i < settings_.size(); ++i)
        settings_[i] = control<platform::FormTextBox>(k::kSettingBoxes[i])->text().toStdString();
    if (settingsSink_) settingsSink_(settings_);
}

void SiteSheetWindow::show(const presentation::SiteSheet& sheet,
                           const presentation::SiteSheetSource& source) {
    sheet_ = sheet;
    source_ = source;
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

std::string SiteSheetWindow::copiedText() const {
    return presentation::SheetCopyText(presentation::SiteSheetRows(sheet_, source_, settings_));
}

std::optional<presentation::PrintedPage> SiteSheetWindow::page() const {
    return presentation::SiteSheetPage(sheet_, source_, settings_, documents::PageFaceMetrics());
}

}  // namespace krv1::forms
