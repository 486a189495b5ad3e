#include "remembered_settings.h"

#include <QSettings>

namespace krv1::forms {
namespace {

const QString kEngineerKey = QStringLiteral("engineer");
const QString kSiteSettingsKey = QStringLiteral("siteSettings");
const QString kRecentKey = QStringLiteral("recentDesigns");
const QString kLastCalculatedKey = QStringLiteral("lastCalculatedDesign");

}  // namespace

QString RememberedSettings::Engineer() { return QSettings().value(kEngineerKey).toString(); }

void RememberedSettings::SetEngineer(const QString& name) {
    QSettings().setValue(kEngineerKey, name);
}

presentation::SiteSettings RememberedSettings::SiteSettings() {
    presentation::SiteSettings settings = presentation::DefaultSiteSettings();
    const QStringList remembered = QSettings().value(kSiteSettingsKey).toStringList();
    if (remembered.size() == static_cast<qsizetype>(settings.size()))
        for (std::size_t i = 0; i < settings.size(); ++i)
            settings[i] = remembered[static_cast<qsizetype>(i)].toStdString();
    return settings;
}

void RememberedSettings::SetSiteSettings(const presentation::SiteSettings& settings) {
    QStringList texts;
    for (const std::string& text : settings) texts << QString::fromStdString(text);
    QSettings().setValue(kSiteSettingsKey, texts);
}

QStringList RememberedSettings::RecentDesigns() {
    // Capped as read too: a settings file may list any number.
    return QSettings().value(kRecentKey).toStringList().mid(0, kRecentDesigns);
}

void RememberedSettings::SetRecentDesigns(const QStringList& paths) {
    QSettings().setValue(kRecentKey, paths.mid(0, kRecentDesigns));
}

std::optional<QString> RememberedSettings::LastCalculatedDesign() {
    QSettings settings;
    if (!settings.contains(kLastCalculatedKey)) return std::nullopt;
    return settings.value(kLastCalculatedKey).toString();
}

void RememberedSettings::SetLastCalculatedDesign(const QString& designText) {
    QSettings().setValue(kLastCalculatedKey, designText);
}

}  // namespace krv1::forms
