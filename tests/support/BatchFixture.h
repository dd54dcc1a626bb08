#pragma once

#include "support/BatchRunner.h"
#include "support/ExpectedBatch.h"
#include "support/Files.h"
#include "support/TestEnvironment.h"

#include <QTemporaryDir>

#include <optional>

// What the tests of the batch and of kettwerk-batch share: a home whose
// config.pro defines the mapkeys they name, settings of their own, a fresh
// folder for every test, and kettwerk-batch run with all three.
class BatchFixture
{
protected:
    // From initTestCase().
    bool setUpHome()
    {
        qputenv("HOME", QFile::encodeName(m_home.path()));
        return writeBytes(m_home.filePath(QStringLiteral("config.pro")), kDefinedMapkeys);
    }
    // From init().
    void startAfresh()
    {
        m_settings.clear();
        m_work.emplace();
        m_batch.environment = QProcessEnvironment::systemEnvironment();
        m_batch.environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_settings.folder());
    }
    QString file(const QString& name) const { return m_work->filePath(name); }

    TestSettings m_settings;
    QTemporaryDir m_home;
    std::optional<QTemporaryDir> m_work;
    BatchRunner m_batch;
};
