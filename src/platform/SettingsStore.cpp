#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

namespace kettwerk::platform {

namespace {

// KETTWERK_SETTINGS_ROOT names an INI file to use instead of the user's
// store, or on Windows another registry key ("HKEY_CURRENT_USER\..."). The
// tests set it so that no run reaches the real settings; on Windows the
// registry key cannot be moved aside any other way.
std::unique_ptr<QSettings> openStore()
{
    const QString redirected = qEnvironmentVariable("KETTWERK_SETTINGS_ROOT");
#ifdef Q_OS_WIN
    if (redirected.startsWith(QLatin1String("HKEY_")))
        return std::make_unique<QSettings>(redirected, QSettings::NativeFormat);
#endif
    if (!redirected.isEmpty())
        return std::make_unique<QSettings>(redirected, QSettings::IniFormat);
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Kettwerk"),
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Kettwerk"), QStringLiteral("Kettwerk"));
#endif
}

} // namespace

SettingsStore::SettingsStore() : m_settings(openStore())
{
    // Every value of the program lies in this one section.
    m_settings->beginGroup(QStringLiteral("Optionen"));
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::get(const QString& key, const QString& fallback) const
{
    if (!m_settings->contains(key))
        return fallback;
    return m_settings->value(key).toString();
}

void SettingsStore::set(const QString& key, const QString& value)
{
    m_settings->setValue(key, value);
}

Result<> SettingsStore::sync()
{
    m_settings->sync();
    if (m_settings->status() == QSettings::NoError)
        return {};
    return Failure::file(QCoreApplication::translate("kettwerk::platform::SettingsStore",
                                                     "Die Einstellungen konnten nicht gespeichert "
                                                     "werden: „%1“.")
                             .arg(location()));
}

QString SettingsStore::location() const
{
    return QDir::toNativeSeparators(m_settings->fileName());
}

} // namespace kettwerk::platform
