// The site batch sheet: the last successful calculation per bag of cement,
// for the whole pour, in loose volumes and buckets, and its cost. It follows
// each new calculation and every keystroke in its settings.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/number_locale.h"
#include "platform/form_window.h"
#include "platform/printer.h"
#include "presentation/site_sheet.h"

namespace krv1::forms {

class SiteSheetWindow : public platform::FormWindow {
    Q_OBJECT
public:
    // Where "พิมพ์" prints: the printer chosen in the print dialog (null when
    // it is cancelled).
    using PrinterSource = std::function<std::unique_ptr<platform::Printer>(QWidget* parent)>;
    using SettingsSink = std::function<void(const presentation::SiteSettings&)>;

    SiteSheetWindow();

    // Shows the sheet of this calculation with these settings in the boxes.
    void fill(const presentation::SiteSheetSource& source,
              const presentation::SiteSettings& settings);
    // Told of every change the engineer makes to the settings.
    void setSettingsSink(SettingsSink sink) { settingsSink_ = std::move(sink); }
    void setPrinterSource(PrinterSource printers) { printers_ = std::move(printers); }

    const presentation::SiteSettings& settings() const { return settings_; }
    // The sheet as plain text, as it is copied and written by the command line.
    std::string plainText() const;

    // Asks for the printer and the copies, then prints the sheet's page.
    void printSheet();
    void saveSheetAsPdf();
    void copySheet();

protected:
    QWidget* firstFocus() const override;

private:
    void settingEdited();
    void refresh();
    presentation::PrintedPage page() const;

    presentation::SiteSheetSource source_;
    presentation::SiteSettings settings_ = presentation::DefaultSiteSettings();
    presentation::SiteSheet sheet_;
    SettingsSink settingsSink_;
    PrinterSource printers_;
};

}  // namespace krv1::forms
