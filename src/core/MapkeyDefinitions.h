#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace kettwerk {

// One mapkey as a config.pro defines it.
struct Definition
{
    QString name;
    // The text after @MAPKEY_LABEL, or after @MAPKEY_NAME when there is no
    // label; empty when the definition has neither.
    QString description;
    // The mapkeys it calls through its "%name" items, in order, repeats kept.
    QStringList calls;
    bool pauses = false;        // holds @MANUAL_PAUSE: waits for the user
    bool leavesProgram = false; // holds @SYSTEM: runs a command outside Pro/ENGINEER
    QString source;             // the file (or other source) it was read from
};

// The mapkeys that the user's config.pro files define, read the way
// Pro/ENGINEER reads them: a later definition of a name replaces an earlier
// one, within a file and across files, so files are added in the order
// Pro/ENGINEER loads them.
//
// The files are 8-bit text in the system's code page with any line end
// (CR LF, CR or LF). Only mapkey lines are looked at; every other option,
// and every line starting with "!" (after blanks), is left alone.
class MapkeyDefinitions
{
public:
    // Reads the file at `path`. A path that exists but cannot be read (a
    // folder, no permission, a read error) adds one line naming it to
    // `warnings` and leaves the definitions as they were. A missing file
    // does so only when the user `named` it; most home folders have no
    // config.pro, and that needs no word.
    void addFile(const QString& path, bool named, QStringList* warnings);
    // Reads `bytes` as the content of a config.pro; `source` is noted in
    // each definition.
    void addText(QByteArrayView bytes, const QString& source);

    // The definition of exactly `name`, or null. Mapkey names are
    // case-sensitive for Pro/ENGINEER.
    const Definition* find(QStringView name) const;
    // A definition whose name equals `name` when case is ignored, or null;
    // of several such, the one defined last.
    const Definition* findIgnoringCase(QStringView name) const;

    // Every defined name, in the order of first definition.
    QStringList names() const;
    qsizetype size() const { return m_definitions.size(); }

private:
    void define(Definition definition);

    QList<Definition> m_definitions;
    QHash<QString, qsizetype> m_byName;
    QHash<QString, qsizetype> m_byFoldedName;
};

// The config.pro files to read for the user's mapkeys, in the order in which
// Pro/ENGINEER loads them, so that later ones win: the home folder's (read at
// start), the working folder's (read at start, after it) and then `further`
// files, which the user loads later through the options dialog. An empty
// working folder adds nothing; a file named twice is listed once.
QStringList mapkeyLookupFiles(const QString& workingFolder, const QStringList& further);

} // namespace kettwerk
