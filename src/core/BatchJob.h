#pragma once

#include "core/BatchText.h"
#include "core/ConfigInstaller.h"
#include "core/MapkeyDefinitions.h"
#include "platform/Result.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace kettwerk {

namespace platform {
class SettingsStore;
}

// One batch from a list of files to doit.pro, as the window and
// kettwerk-batch both hold it: the selection, the mapkey names, the blocks a
// batch is made of, the working folder and the further config.pro files.
// Plain values; the run (core/BatchRun.h) composes, checks and writes from
// them.
class BatchJob
{
    Q_DECLARE_TR_FUNCTIONS(kettwerk::BatchJob)

public:
    BatchJob();

    // The values a run starts with: working folder, function block, mapkey
    // names and further config.pro files as stored, each with its default.
    // The working folder's default is Pro/ENGINEER's usual folder for this
    // user when it exists, else the system's fallback.
    void restore(const platform::SettingsStore& settings);
    // Stores the working folder, the function block, the mapkey names and
    // the further config.pro files; fails naming the store when it cannot
    // be written.
    Result<> store(platform::SettingsStore& settings) const;
    // Stores what the user entered in the mapkey window (the names, the
    // further config.pro files and the progress log), as its OK does.
    Result<> storeMapkeyNames(platform::SettingsStore& settings) const;

    // The names Pro/ENGINEER opens, as a hand-over or a list file gave them.
    const QStringList& selection() const { return m_selection; }
    void setSelection(const QStringList& names) { m_selection = names; }

    // The names of the user's mapkeys, in the form the template expects:
    // the first name, then ";%" before every further one ("+;%bb;%00;").
    const QString& mapkeyNames() const { return m_mapkeyNames; }
    void setMapkeyNames(const QString& names) { m_mapkeyNames = names; }

    // doit.pro is written into this folder and config.pro lies in it.
    const QString& workingFolder() const { return m_workingFolder; }
    void setWorkingFolder(const QString& folder) { m_workingFolder = folder; }

    const BatchFrame& frame() const { return m_frame; }
    void setFrame(const BatchFrame& frame) { m_frame = frame; }
    // The function block kept from run to run (regenerate, save, erase).
    const QString& functionBlock() const { return m_functionBlock; }
    void setFunctionBlock(const QString& block) { m_functionBlock = block; }
    // The function block that runs the user's mapkeys on each file.
    QString customFunctionBlock() const;

    // Whether the batch notes its progress in doit.log as it runs.
    bool logProgress() const { return m_logProgress; }
    void setLogProgress(bool on) { m_logProgress = on; }

    // Further config.pro files that define the user's mapkeys, besides the
    // one of the working folder and the one in the home folder.
    const QStringList& furtherConfigFiles() const { return m_furtherConfigFiles; }
    void setFurtherConfigFiles(const QStringList& files) { m_furtherConfigFiles = files; }
    // Every file the check looks in, and what they define. Unreadable files,
    // and further files that are gone, are named in `warnings`.
    QStringList lookupFiles() const;
    MapkeyDefinitions readDefinitions(QStringList* warnings) const;

    QString batchFilePath() const;
    QString runLogPath() const;
    QString configFilePath() const;
    // Appends the mapkey auto to the config.pro of the working folder.
    Result<ConfigInstalled> installAutoMapkey() const;

    // An empty working folder would put the file at the root of the drive,
    // or config.pro beside the program: nowhere the user meant.
    static Failure noWorkingFolder(const QString& fileName);

private:
    QStringList m_selection;
    QString m_mapkeyNames;
    QString m_workingFolder;
    BatchFrame m_frame;
    QString m_functionBlock;
    QStringList m_furtherConfigFiles;
    bool m_logProgress = false;
};

} // namespace kettwerk
