// The site batch sheet: the last successful calculation per bag of cement,
// for the whole pour, in loose volumes and buckets, and its cost. It shows
// the sheet the main window's design gives, and tells the main window of
// every keystroke in its settings.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "documents/sheet_window.h"
#include "presentation/site_sheet.h"

namespace krv1::forms {

class SiteSheetWindow : public documents::SheetWindow {
    Q_OBJECT
public:
    using SettingsSink = std::function<void(const presentation::SiteSettings&)>;

    SiteSheetWindow();

    // Puts these settings in the boxes.
    void fill(const presentation::SiteSettings& settings);
    // Shows this sheet, worked from the settings in the boxes.
    void show(const presentation::SiteSheet& sheet, const presentation::SiteSheetSource& source);
    // Told of every change the engineer makes to the settings.
    void setSettingsSink(SettingsSink sink) { settingsSink_ = std::move(sink); }

    const presentation::SiteSettings& settings() const { return settings_; }
    std::string plainText() const override;
    std::string copiedText() const override;

protected:
    QWidget* firstFocus() const override;
    std::optional<presentation::PrintedPage> page() const override;

private:
    void settingEdited();

    presentation::SiteSheetSource source_;
    presentation::SiteSettings settings_ = presentation::DefaultSiteSettings();
    presentation::SiteSheet sheet_;
    SettingsSink settingsSink_;
};

}  // namespace krv1::forms
