// What the program remembers between runs, each under its own key with its
// type and its default. A settings file is input like any other: a value
// that does not read as its type is its default.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "presentation/site_sheet.h"

namespace krv1::forms {

class RememberedSettings {
public:
    // The recent designs kept, newest first.
    static constexpr int kRecentDesigns = 5;

    // The engineer's name; empty when none is kept.
    static QString Engineer();
    static void SetEngineer(const QString& name);

    // The site sheet's settings last typed with no design file open; the
    // defaults when none are kept or not all ten.
    static presentation::SiteSettings SiteSettings();
    static void SetSiteSettings(const presentation::SiteSettings& settings);

    // The design files opened or saved last, at most kRecentDesigns.
    static QStringList RecentDesigns();
    static void SetRecentDesigns(const QStringList& paths);

    // The last design that calculated, as a design file's text: a design
    // never saved is not lost when the program closes.
    static std::optional<QString> LastCalculatedDesign();
    static void SetLastCalculatedDesign(const QString& designText);
};

}  // namespace krv1::forms
