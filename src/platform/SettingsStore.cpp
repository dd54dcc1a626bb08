#include "SettingsStore.h"

#include "SettingsKeys.h"

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
    m_settings->beginGroup(settings::kSection);
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::get(const QString& key, const QString& fallback) const
{
    if (!m_settings->contains(key))
        return fallback;
    return m_settings->value(key).toString();
}

void SettingsStore::save(const QString& key, const QString& value)
{
    m_settings->setValue(key, value);
    // Written at once, so that a value saved by a button survives a crash.
    m_settings->sync();
}

} // namespace kettwerk::platform
