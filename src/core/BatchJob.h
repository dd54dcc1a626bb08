#pragma once

#include "core/BatchCheck.h"
#include "core/BatchText.h"
#include "core/ConfigInstaller.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

namespace kettwerk {

namespace platform {
class SettingsStore;
}

struct JobResult
{
    bool ok = true;
    QString error; // names the path and the reason; empty when ok
    // The failure lies in what the user gave (names that would break the
    // mapkey text), not in a file.
    bool badInput = false;

    static JobResult failure(QString message) { return {false, std::move(message), false}; }
};

// One batch from a list of files to doit.pro: what the window and
// kettwerk-batch both work on. It holds the selection, the mapkey names, the
// blocks a batch is made of and the working folder; it alone composes,
// encodes and writes doit.pro and installs the mapkey auto into config.pro.
class BatchJob : public QObject
{
    Q_OBJECT

public:
    explicit BatchJob(QObject* parent = nullptr);

    // The values a run starts with: working folder, function block and mapkey
    // names as stored, each with its default. The working folder's default is
    // Pro/ENGINEER's usual folder for this user when it exists, else the
    // program's own folder.
    void restore(const platform::SettingsStore& settings);
    // Stores the three values; false with a message naming the store
    // when it cannot be written.
    JobResult store(platform::SettingsStore& settings) const;
    // Stores what the user entered in the mapkey window (the names and the
    // further config.pro files), as its OK does.
    JobResult storeMapkeyNames(platform::SettingsStore& settings) const;

    // The names Pro/ENGINEER opens, as a hand-over or a list file gave them.
    const QStringList& selection() const { return m_selection; }
    void setSelection(const QStringList& names) { m_selection = names; }

    // The names of the user's mapkeys, in the form the template expects:
    // the first name, then ";%" before every further one ("+;%bb;%00;").
    const QString& mapkeyNames() const { return m_mapkeyNames; }
    void setMapkeyNames(const QString& names) { m_mapkeyNames = names; }

    // doit.pro is written into this folder and config.pro lies in it.
    const QString& workingFolder() const { return m_workingFolder; }
    void setWorkingFolder(const QString& folder);

    const BatchFrame& frame() const { return m_frame; }
    void setFrame(const BatchFrame& frame) { m_frame = frame; }
    // The function block kept from run to run (regenerate, save, erase).
    const QString& functionBlock() const { return m_functionBlock; }
    void setFunctionBlock(const QString& block) { m_functionBlock = block; }
    // The function block that runs the user's mapkeys on each file.
    QString customFunctionBlock() const;

    // Composes doit.pro for the selection with the user's mapkeys, or with
    // `functionBlock`. Refused while the open step is too short to be joined.
    JobResult composeCustomSequence();
    JobResult compose(const QString& functionBlock);
    // The last composition; empty before the first.
    const std::optional<ComposedBatch>& batch() const { return m_batch; }

    QString batchFilePath() const;
    // Replaces doit.pro in the working folder with the last composition.
    JobResult writeBatchFile() const;
    // Writes the last composition to `out` instead, such as standard output.
    JobResult printBatch(QIODevice& out) const;

    QString configFilePath() const;
    ConfigInstallResult installAutoMapkey() const;

    // Further config.pro files that define the user's mapkeys, besides the
    // one of the working folder and the one in the home folder.
    const QStringList& furtherConfigFiles() const { return m_furtherConfigFiles; }
    void setFurtherConfigFiles(const QStringList& files) { m_furtherConfigFiles = files; }
    // Every file the check looks in, and what they define. Unreadable
    // files are named in `warnings`.
    QStringList lookupFiles() const;
    MapkeyDefinitions readDefinitions(QStringList* warnings) const;
    // What could go wrong in Pro/ENGINEER with the last composition: its
    // file names, the mapkeys and what they call. Names that would break
    // doit.pro itself are errors here too.
    QList<Finding> check() const;
    // The findings about the file names alone, which need no config.pro.
    static QList<Finding> checkFileNames(const QStringList& selection);

    // Each selected name and the mapkey names that would break doit.pro: a
    // backquote ends a file name's quotes early, a control character (a line
    // break above all) would put lines of its own into the file. One line
    // each, naming the text and the character; empty when all is well.
    QStringList unsafeText() const;

Q_SIGNALS:
    void workingFolderChanged(const QString& folder);

private:
    // Why the last composition may not be written at all: there is none, or
    // it holds text that would break doit.pro.
    JobResult refusal() const;

    QStringList m_selection;
    QString m_mapkeyNames;
    QString m_workingFolder;
    BatchFrame m_frame;
    QString m_functionBlock;
    QString m_customSequenceTemplate;
    QStringList m_furtherConfigFiles;
    std::optional<ComposedBatch> m_batch;
    // What the last composition was made of, for the check before writing.
    QStringList m_composedSelection;
    QString m_composedMapkeyNames;
};

} // namespace kettwerk
