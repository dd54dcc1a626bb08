#include "core/BatchJob.h"

#include "core/Paths.h"
#include "core/SafeWrite.h"
#include "core/SettingsKeys.h"
#include "core/Templates.h"
#include "core/TextReplace.h"
#include "platform/EightBitCodec.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileDevice>

namespace kettwerk {
namespace {

// An empty working folder would put the file at the root of the drive, or
// config.pro beside the program: nowhere the user meant.
JobResult noWorkingFolder(const QString& fileName)
{
    return JobResult::failure(
        BatchJob::tr("%1 wurde nicht geschrieben: es ist kein Speicherort eingestellt. Bitte "
                     "wählen Sie unter „Speicherort der Ausgabedatei:“ einen Ordner.")
            .arg(fileName));
}

QString characterName(QChar c)
{
    switch (c.unicode()) {
    case u'`':
        return BatchJob::tr("Akzent `");
    case u'\t':
        return BatchJob::tr("Tabulator");
    case u'\n':
    case u'\r':
        return BatchJob::tr("Zeilenumbruch");
    default:
        return BatchJob::tr("Steuerzeichen U+%1")
            .arg(QString::number(c.unicode(), 16).rightJustified(4, u'0').toUpper());
    }
}

// The text as it can be shown: control characters as their code.
QString shown(const QString& text)
{
    QString visible;
    for (const QChar c : text)
        visible += c.unicode() < 0x20 ? QStringLiteral("<%1>").arg(characterName(c)) : QString(c);
    return visible;
}

// The first character of `text` that breaks the mapkey text, or 0.
QChar firstUnsafe(const QString& text, bool quoted)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || (quoted && c == u'`'))
            return c;
    }
    return QChar();
}

} // namespace

BatchJob::BatchJob(QObject* parent)
    : QObject(parent), m_mapkeyNames(settings::kDefaultMapkeyNames), m_frame(BatchFrame::stored()),
      m_functionBlock(templates::storedFunctionBlock()),
      m_customSequenceTemplate(templates::customSequenceTemplate())
{
}

void BatchJob::restore(const platform::SettingsStore& settings)
{
    const QString proFolder = platform::defaultWorkingFolder(platform::loginName());
    const QString initial = isExistingFolder(proFolder) ? proFolder : platform::programFolder();
    setWorkingFolder(settings.get(settings::kWorkingFolder, initial));
    m_functionBlock = settings.get(settings::kFunctionBlock, m_functionBlock);
    m_mapkeyNames = settings.get(settings::kMapkeyNames, settings::kDefaultMapkeyNames);
    m_furtherConfigFiles =
        settings.get(settings::kFurtherConfigFiles, {}).split(u'\n', Qt::SkipEmptyParts);
}

JobResult BatchJob::store(platform::SettingsStore& settings) const
{
    settings.set(settings::kWorkingFolder, m_workingFolder);
    settings.set(settings::kFunctionBlock, m_functionBlock);
    return storeMapkeyNames(settings);
}

JobResult BatchJob::storeMapkeyNames(platform::SettingsStore& settings) const
{
    settings.set(settings::kMapkeyNames, m_mapkeyNames);
    settings.set(settings::kFurtherConfigFiles, m_furtherConfigFiles.join(u'\n'));
    QString error;
    if (!settings.sync(&error))
        return JobResult::failure(error);
    return {};
}

void BatchJob::setWorkingFolder(const QString& folder)
{
    if (folder == m_workingFolder)
        return;
    m_workingFolder = folder;
    Q_EMIT workingFolderChanged(folder);
}

QString BatchJob::customFunctionBlock() const
{
    // The template itself keeps its placeholder for the next composition.
    return replaceAll(m_customSequenceTemplate, QString::fromUtf16(templates::kPlaceholder),
                      m_mapkeyNames);
}

JobResult BatchJob::composeCustomSequence()
{
    JobResult result = compose(customFunctionBlock());
    if (result.ok)
        m_composedMapkeyNames = m_mapkeyNames;
    return result;
}

JobResult BatchJob::compose(const QString& functionBlock)
{
    if (m_frame.openStep.size() < 2) {
        return JobResult::failure(
            tr("Der Schritt „Datei aufrufen“ ist zu kurz: er muss mit dem öffnenden Akzent und "
               "einem Zeilenende schließen. Es wurde nichts erstellt."));
    }
    m_batch.emplace(m_frame, m_selection, functionBlock, platform::eightBitCodec());
    m_composedSelection = m_selection;
    m_composedMapkeyNames.clear();
    return {};
}

QStringList BatchJob::unsafeText() const
{
    QStringList findings;
    for (const QString& name : m_composedSelection) {
        if (const QChar c = firstUnsafe(name, true); !c.isNull())
            findings.append(tr("Dateiname „%1“: %2").arg(shown(name), characterName(c)));
    }
    if (const QChar c = firstUnsafe(m_composedMapkeyNames, false); !c.isNull()) {
        findings.append(
            tr("Mapkey-Namen „%1“: %2").arg(shown(m_composedMapkeyNames), characterName(c)));
    }
    return findings;
}

QString BatchJob::batchFilePath() const
{
    return joinFolderAndName(m_workingFolder, QString::fromUtf16(kBatchFileName),
                             platform::pathSeparator());
}

QStringList BatchJob::lookupFiles() const
{
    return mapkeyLookupFiles(m_workingFolder, m_furtherConfigFiles);
}

MapkeyDefinitions BatchJob::readDefinitions(QStringList* warnings) const
{
    MapkeyDefinitions definitions;
    for (const QString& file : lookupFiles())
        definitions.addFile(file, warnings);
    return definitions;
}

QList<Finding> BatchJob::check() const
{
    QList<Finding> findings;
    for (const QString& unsafe : unsafeText())
        findings.append({Finding::Error, unsafe, -1});
    QStringList unreadable;
    const MapkeyDefinitions definitions = readDefinitions(&unreadable);
    for (const QString& warning : unreadable)
        findings.append({Finding::Warning, warning, -1});
    findings += checkBatch(m_composedSelection, m_composedMapkeyNames, definitions, lookupFiles());
    return findings;
}

QList<Finding> BatchJob::checkFileNames(const QStringList& selection)
{
    return checkBatch(selection, QString(), MapkeyDefinitions(), {});
}

JobResult BatchJob::refusal() const
{
    if (!m_batch)
        return JobResult::failure(tr("Es wurde noch kein Mapkey erstellt."));
    const QStringList findings = unsafeText();
    if (findings.isEmpty())
        return {};
    JobResult refused = JobResult::failure(
        tr("doit.pro wurde nicht angelegt: diese Angaben würden die Mapkey-Zeilen zerbrechen.") +
        u'\n' + findings.join(u'\n'));
    refused.badInput = true;
    return refused;
}

JobResult BatchJob::writeBatchFile() const
{
    const QString path = batchFilePath();
    if (JobResult refused = refusal(); !refused.ok)
        return refused;
    if (m_workingFolder.isEmpty())
        return noWorkingFolder(QStringLiteral("doit.pro"));
    if (!m_batch->encodingProblem().isEmpty()) {
        return JobResult::failure(
            tr("Die Datei „%1“ wurde nicht geschrieben.\n%2")
                .arg(QDir::toNativeSeparators(path), m_batch->encodingProblem()));
    }
    QString error;
    FileLock lock(path);
    if (!lock.acquire(&error))
        return JobResult::failure(error);
    const ComposedBatch& batch = *m_batch;
    if (!writeFileAtomically(
            path, [&batch](QIODevice& device) { return batch.writeTo(device); }, &error))
        return JobResult::failure(error);
    return {};
}

JobResult BatchJob::printBatch(QIODevice& out) const
{
    if (JobResult refused = refusal(); !refused.ok)
        return refused;
    if (!m_batch->encodingProblem().isEmpty()) {
        return JobResult::failure(tr("doit.pro wurde nicht ausgegeben.") + u'\n' +
                                  m_batch->encodingProblem());
    }
    // A buffered device says whether its last bytes arrived only at a flush.
    auto* file = qobject_cast<QFileDevice*>(&out);
    if (!m_batch->writeTo(out) || (file && !file->flush())) {
        return JobResult::failure(
            tr("doit.pro konnte nicht ausgegeben werden.\nGrund: %1").arg(failureReason(out)));
    }
    return {};
}

QString BatchJob::configFilePath() const
{
    return kettwerk::configFilePath(m_workingFolder, platform::programFolder(),
                                    platform::pathSeparator());
}

ConfigInstallResult BatchJob::installAutoMapkey() const
{
    if (m_workingFolder.isEmpty()) {
        ConfigInstallResult refused;
        refused.error = noWorkingFolder(QStringLiteral("config.pro")).error;
        return refused;
    }
    return kettwerk::installAutoMapkey(configFilePath());
}

} // namespace kettwerk
