#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace kettwerk::platform {

// The per-user store of the program's options: the registry under
// HKEY_CURRENT_USER\Software\Kettwerk on Windows, an INI file in the user's
// configuration folder elsewhere. Values are kept whole, line breaks
// included; a key that holds an empty text reads back as empty.
class SettingsStore
{
public:
    SettingsStore();
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString get(const QString& key, const QString& fallback) const;
    void save(const QString& key, const QString& value);

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace kettwerk::platform
