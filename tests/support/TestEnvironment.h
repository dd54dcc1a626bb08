#pragma once

#include <QTemporaryDir>

// Gives a test its own settings folder, so that nothing a test stores can
// reach the real user's settings, and lets each test start from none.
class TestSettings
{
public:
    TestSettings();
    // Removes every stored value.
    void clear();
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// Stores one value the way the program does, as if left by an earlier run.
void storeSetting(const QString& key, const QString& value);
