#include "SettingsStore.h"

#include <QDir>
#include <QSettings>

namespace kettwerk::platform {

SettingsStore::SettingsStore()
#ifdef Q_OS_WIN
    : m_settings(std::make_unique<QSettings>(
          QStringLiteral("HKEY_CURRENT_USER\\Software\\Kettwerk"), QSettings::NativeFormat))
#else
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QStringLiteral("Kettwerk"),
                                             QStringLiteral("Kettwerk")))
#endif
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

bool SettingsStore::sync(QString* error)
{
    m_settings->sync();
    if (m_settings->status() == QSettings::NoError)
        return true;
    if (error) {
        *error = QStringLiteral("Die Einstellungen konnten nicht gespeichert werden: „%1“.")
                     .arg(location());
    }
    return false;
}

QString SettingsStore::location() const
{
    return QDir::toNativeSeparators(m_settings->fileName());
}

} // namespace kettwerk::platform
