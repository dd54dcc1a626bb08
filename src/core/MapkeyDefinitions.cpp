#include "core/MapkeyDefinitions.h"

#include "core/ConfigInstaller.h"
#include "core/Lines.h"
#include "core/Paths.h"
#include "core/SafeWrite.h"
#include "platform/EightBitCodec.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <optional>

namespace kettwerk {
namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView withoutLeadingBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.mid(1);
    return text;
}

QStringView withoutTrailingBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// The text behind `keyword` when `text` starts with it, in any case.
std::optional<QStringView> behind(QStringView text, QStringView keyword)
{
    if (!text.startsWith(keyword, Qt::CaseInsensitive))
        return std::nullopt;
    return text.mid(keyword.size());
}

// One line's share of the definition: the trailing backslash only says that
// the next line continues, it is no part of the text.
QStringView lineItems(QStringView text)
{
    text = withoutTrailingBlanks(withoutLeadingBlanks(text));
    if (text.endsWith(u'\\'))
        text.chop(1);
    return text;
}

// Fills in what the checks need from a definition's joined text. Its items
// are separated by ";"; a "%name" item calls another mapkey.
void readItems(QStringView text, Definition& definition)
{
    QString label;
    QString nameText;
    for (const QStringView raw : text.tokenize(u';')) {
        const QStringView item = withoutLeadingBlanks(raw);
        if (item.startsWith(u'%')) {
            const QStringView called = withoutTrailingBlanks(item.mid(1));
            if (!called.isEmpty())
                definition.calls.append(called.toString());
        } else if (const auto labelText = behind(item, u"@MAPKEY_LABEL")) {
            label = labelText->trimmed().toString();
        } else if (const auto shortText = behind(item, u"@MAPKEY_NAME")) {
            nameText = shortText->trimmed().toString();
        } else if (item.startsWith(u"@MANUAL_PAUSE", Qt::CaseInsensitive)) {
            definition.pauses = true;
        } else if (item.startsWith(u"@SYSTEM", Qt::CaseInsensitive)) {
            definition.leavesProgram = true;
        }
    }
    definition.description = label.isEmpty() ? nameText : label;
}

} // namespace

void MapkeyDefinitions::addFile(const QString& path, bool named, QStringList* warnings)
{
    const QFileInfo info(path);
    QString reason;
    QByteArray bytes;
    if (!info.exists()) {
        if (!named)
            return;
        reason = QCoreApplication::translate("kettwerk::MapkeyDefinitions", "nicht gefunden");
    } else if (info.isFile()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            reason = failureReason(file);
        } else if (Result<QByteArray> read = readToEnd(file); read.ok()) {
            bytes = std::move(read.value());
        } else {
            reason = read.error();
        }
    } else {
        // A folder or a device would either fail late or never end.
        reason =
            info.isDir()
                ? QCoreApplication::translate("kettwerk::MapkeyDefinitions", "ist ein Ordner")
                : QCoreApplication::translate("kettwerk::MapkeyDefinitions", "ist keine Datei");
    }
    if (!reason.isEmpty()) {
        if (warnings) {
            warnings->append(QCoreApplication::translate("kettwerk::MapkeyDefinitions",
                                                         "„%1“: nicht lesbar (%2), ihre Mapkeys "
                                                         "bleiben ungeprüft")
                                 .arg(QDir::toNativeSeparators(path), reason.simplified()));
        }
        return;
    }
    addText(bytes, path);
}

void MapkeyDefinitions::addText(QByteArrayView bytes, const QString& source)
{
    const QString text = platform::eightBitCodec().decode(bytes);
    std::optional<Definition> open;
    QString joined;
    const auto finish = [&] {
        if (open) {
            readItems(joined, *open);
            define(std::move(*open));
            open.reset();
        }
    };

    forEachLine(QStringView(text), [&](QStringView wholeLine, bool) {
        const QStringView line = withoutLeadingBlanks(wholeLine);
        // Comments and empty lines may stand between a definition's lines.
        if (line.isEmpty() || line.front() == u'!')
            return;
        if (const auto rest = behind(line, u"mapkey(continued)")) {
            if (open)
                joined += lineItems(*rest);
            return;
        }
        finish();
        const auto rest = behind(line, u"mapkey");
        if (!rest || rest->isEmpty() || !isBlank(rest->front()))
            return; // another option
        const QStringView nameAndItems = withoutLeadingBlanks(*rest);
        qsizetype nameEnd = 0;
        while (nameEnd < nameAndItems.size() && !isBlank(nameAndItems.at(nameEnd)))
            ++nameEnd;
        if (nameEnd == 0)
            return;
        open.emplace();
        open->name = nameAndItems.left(nameEnd).toString();
        open->source = source;
        joined = lineItems(nameAndItems.mid(nameEnd)).toString();
    });
    finish();
}

void MapkeyDefinitions::define(Definition definition)
{
    const QString folded = definition.name.toCaseFolded();
    const auto known = m_byName.constFind(definition.name);
    qsizetype index = m_definitions.size();
    if (known != m_byName.cend()) {
        index = *known;
        m_definitions[index] = std::move(definition);
    } else {
        m_byName.insert(definition.name, index);
        m_definitions.append(std::move(definition));
    }
    m_byFoldedName.insert(folded, index);
}

const Definition* MapkeyDefinitions::find(QStringView name) const
{
    const auto found = m_byName.constFind(name.toString());
    return found == m_byName.cend() ? nullptr : &m_definitions.at(*found);
}

const Definition* MapkeyDefinitions::findIgnoringCase(QStringView name) const
{
    const auto found = m_byFoldedName.constFind(name.toString().toCaseFolded());
    return found == m_byFoldedName.cend() ? nullptr : &m_definitions.at(*found);
}

QStringList MapkeyDefinitions::names() const
{
    QStringList all;
    all.reserve(m_definitions.size());
    for (const Definition& definition : m_definitions)
        all.append(definition.name);
    return all;
}

QStringList mapkeyLookupFiles(const QString& workingFolder, const QStringList& further)
{
    const QString configName = QString::fromUtf16(kConfigFileName);
    const QChar separator = platform::pathSeparator();
    QStringList candidates{joinFolderAndName(platform::homeFolder(), configName, separator)};
    if (!workingFolder.isEmpty())
        candidates.append(joinFolderAndName(workingFolder, configName, separator));
    candidates += further;

    QStringList files;
    QSet<QString> seen;
    for (const QString& file : candidates) {
        QString key = QDir::cleanPath(QDir::fromNativeSeparators(file));
        if (platform::fileNamesIgnoreCase())
            key = key.toCaseFolded(); // one file, however its name is spelt
        if (!file.isEmpty() && !seen.contains(key)) {
            seen.insert(key);
            files.append(file);
        }
    }
    return files;
}

} // namespace kettwerk
