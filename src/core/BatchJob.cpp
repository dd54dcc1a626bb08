#include "BatchJob.h"

#include "EightBitCodec.h"
#include "Paths.h"
#include "Platform.h"
#include "SafeWrite.h"
#include "SettingsKeys.h"
#include "SettingsStore.h"
#include "Templates.h"
#include "TextReplace.h"

#include <QDir>
#include <QIODevice>

namespace kettwerk {

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
    return compose(customFunctionBlock());
}

JobResult BatchJob::compose(const QString& functionBlock)
{
    if (m_frame.openStep.size() < 2) {
        return JobResult::failure(
            QStringLiteral("Der Schritt „Datei aufrufen“ ist zu kurz: er muss mit dem öffnenden "
                           "Akzent und einem Zeilenende schließen. Es wurde nichts erstellt."));
    }
    m_batch.emplace(m_frame, m_selection, functionBlock, platform::eightBitCodec());
    return {};
}

QString BatchJob::batchFilePath() const
{
    return joinFolderAndName(m_workingFolder, QString::fromUtf16(kBatchFileName),
                             platform::pathSeparator());
}

JobResult BatchJob::writeBatchFile() const
{
    const QString path = batchFilePath();
    if (!m_batch)
        return JobResult::failure(QStringLiteral("Es wurde noch kein Mapkey erstellt."));
    if (!m_batch->encodingProblem().isEmpty()) {
        return JobResult::failure(
            QStringLiteral("Die Datei „%1“ wurde nicht geschrieben.\n%2")
                .arg(QDir::toNativeSeparators(path), m_batch->encodingProblem()));
    }
    QString error;
    const ComposedBatch& batch = *m_batch;
    if (!writeFileAtomically(
            path, [&batch](QIODevice& device) { return batch.writeTo(device); }, &error))
        return JobResult::failure(error);
    return {};
}

JobResult BatchJob::printBatch(QIODevice& out) const
{
    if (!m_batch)
        return JobResult::failure(QStringLiteral("Es wurde noch kein Mapkey erstellt."));
    if (!m_batch->encodingProblem().isEmpty()) {
        return JobResult::failure(QStringLiteral("doit.pro wurde nicht ausgegeben.\n") +
                                  m_batch->encodingProblem());
    }
    if (!m_batch->writeTo(out)) {
        return JobResult::failure(QStringLiteral("doit.pro konnte nicht ausgegeben werden.\n"
                                                 "Grund: ") +
                                  out.errorString());
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
    return kettwerk::installAutoMapkey(configFilePath());
}

} // namespace kettwerk
