#pragma once

#include "platform/SettingsStore.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// Gives a test its own settings folder, so that nothing a test stores can
// reach the real user's settings, and lets each test start from none.
class TestSettings
{
public:
    TestSettings()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
#ifdef Q_OS_WIN
        // The registry key is the same for every process; only the
        // redirection moves the program's values into this folder.
        qputenv("KETTWERK_SETTINGS_ROOT", file().toLocal8Bit());
#endif
    }
    void clear()
    {
        QSettings settings(file(), QSettings::IniFormat);
        settings.clear();
        settings.sync();
    }
    QString folder() const
    {
        return m_dir.path();
    }
    // Where the program keeps its values.
    QString file() const
    {
        return m_dir.filePath(QStringLiteral("Kettwerk/Kettwerk.ini"));
    }

private:
    QTemporaryDir m_dir;
};

// Stores one value the way the program does, as if left by an earlier run.
inline void storeSetting(const QString& key, const QString& value)
{
    kettwerk::platform::SettingsStore store;
    store.set(key, value);
    QVERIFY(store.sync().ok());
}
