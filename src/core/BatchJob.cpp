#include "core/BatchJob.h"

#include "core/Paths.h"
#include "core/RunLog.h"
#include "core/SettingsKeys.h"
#include "core/Templates.h"
#include "core/TextReplace.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"

namespace kettwerk {

BatchJob::BatchJob()
    : m_mapkeyNames(settings::kDefaultMapkeyNames), m_frame(BatchFrame::stored()),
      m_functionBlock(templates::storedFunctionBlock())
{
}

void BatchJob::restore(const platform::SettingsStore& settings)
{
    const QString proFolder = platform::defaultWorkingFolder(platform::loginName());
    const QString initial =
        platform::isExistingFolder(proFolder) ? proFolder : platform::fallbackWorkingFolder();
    m_workingFolder = settings.get(settings::kWorkingFolder, initial);
    m_functionBlock = settings.get(settings::kFunctionBlock, m_functionBlock);
    m_mapkeyNames = settings.get(settings::kMapkeyNames, settings::kDefaultMapkeyNames);
    m_furtherConfigFiles =
        settings.get(settings::kFurtherConfigFiles, {}).split(u'\n', Qt::SkipEmptyParts);
    m_logProgress = settings.get(settings::kLogProgress, QStringLiteral("0")) == u"1";
}

Result<> BatchJob::store(platform::SettingsStore& settings) const
{
    settings.set(settings::kWorkingFolder, m_workingFolder);
    settings.set(settings::kFunctionBlock, m_functionBlock);
    return storeMapkeyNames(settings);
}

Result<> BatchJob::storeMapkeyNames(platform::SettingsStore& settings) const
{
    settings.set(settings::kMapkeyNames, m_mapkeyNames);
    settings.set(settings::kFurtherConfigFiles, m_furtherConfigFiles.join(u'\n'));
    settings.set(settings::kLogProgress, m_logProgress ? QStringLiteral("1") : QStringLiteral("0"));
    return settings.sync();
}

QString BatchJob::customFunctionBlock() const
{
    return replaceAll(templates::customSequenceTemplate(),
                      QString::fromUtf16(templates::kPlaceholder), m_mapkeyNames);
}

QStringList BatchJob::lookupFiles() const
{
    return mapkeyLookupFiles(m_workingFolder, m_furtherConfigFiles);
}

MapkeyDefinitions BatchJob::readDefinitions(QStringList* warnings) const
{
    MapkeyDefinitions definitions;
    for (const QString& file : lookupFiles())
        definitions.addFile(file, m_furtherConfigFiles.contains(file), warnings);
    return definitions;
}

QString BatchJob::batchFilePath() const
{
    return joinFolderAndName(m_workingFolder, QString::fromUtf16(kBatchFileName),
                             platform::pathSeparator());
}

QString BatchJob::runLogPath() const
{
    return joinFolderAndName(m_workingFolder, QString::fromUtf16(kRunLogFileName),
                             platform::pathSeparator());
}

QString BatchJob::configFilePath() const
{
    return kettwerk::configFilePath(m_workingFolder, platform::programFolder(),
                                    platform::pathSeparator());
}

Result<ConfigInstalled> BatchJob::installAutoMapkey() const
{
    if (m_workingFolder.isEmpty())
        return noWorkingFolder(QString::fromUtf16(kConfigFileName));
    return kettwerk::installAutoMapkey(configFilePath());
}

Failure BatchJob::noWorkingFolder(const QString& fileName)
{
    return Failure::file(
        tr("%1 wurde nicht geschrieben: es ist kein Speicherort eingestellt. Bitte "
           "wählen Sie unter „Speicherort der Ausgabedatei:“ einen Ordner.")
            .arg(fileName));
}

} // namespace kettwerk
