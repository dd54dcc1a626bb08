#include "TestEnvironment.h"

#include "SettingsStore.h"

#include <QSettings>

TestSettings::TestSettings()
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
}

void storeSetting(const QString& key, const QString& value)
{
    kettwerk::platform::SettingsStore store;
    store.set(key, value);
    store.sync();
}

void TestSettings::clear()
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Kettwerk"),
                       QStringLiteral("Kettwerk"));
    settings.clear();
    settings.sync();
}
