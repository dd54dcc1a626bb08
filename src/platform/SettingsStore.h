#pragma once

#include "platform/Result.h"

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
    void set(const QString& key, const QString& value);

    // Writes what was set to the store at once. Fails when the store could
    // not be written (a read-only file or folder, a full disk), naming where.
    Result<> sync();

    // Where the values live: a file path, or the registry key.
    QString location() const;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace kettwerk::platform
