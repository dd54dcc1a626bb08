#include "core/BatchCheck.h"

#include "core/MapkeyDefinitions.h"
#include "core/MapkeyNames.h"
#include "core/VisibleText.h"
#include "platform/EightBitCodec.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QSet>

#include <vector>

namespace kettwerk {
namespace {

// Longer model names are refused by Pro/ENGINEER when it opens the file.
constexpr qsizetype kMaxModelNameLength = 31;

// The mapkeys doit.pro is started from; calling one of them again from
// within the batch would start the batch anew.
const QString kAuto = QStringLiteral("auto");
const QString kDoit = QStringLiteral("doit");

// Pro/ENGINEER runs mapkeys nested five deep at most, and auto and doit take
// the first two levels, so a user's mapkey and two levels below it remain.
constexpr int kMaxNesting = 5;
constexpr int kUserLevels = kMaxNesting - 2;

// The model types Pro/ENGINEER opens through the file dialog.
const QStringList kKnownTypes = {
    QStringLiteral("drw"), QStringLiteral("prt"), QStringLiteral("asm"), QStringLiteral("frm"),
    QStringLiteral("sec"), QStringLiteral("lay"), QStringLiteral("mfg")};

QString quoted(QStringView text)
{
    return QCoreApplication::translate("kettwerk::BatchCheck", "„%1“").arg(visibleText(text));
}

// "„a“", "„a“ und „b“", "„a“, „b“ und „c“".
QString listed(const QList<QChar>& characters)
{
    QString text;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        if (i > 0)
            text += i + 1 == characters.size()
                        ? QCoreApplication::translate("kettwerk::BatchCheck", " und ")
                        : QStringLiteral(", ");
        text += quoted(QStringView(&characters.at(i), 1));
    }
    return text;
}

bool isModelNameCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
           u == u'_' || u == u'-';
}

// Characters for which the batch job already refuses to write doit.pro.
bool isRefusedElsewhere(QChar c, const platform::EightBitCodec& codec)
{
    return c.unicode() < 0x20 || c == u'`' ||
           (c.unicode() >= 0x80 && !codec.canEncode(QStringView(&c, 1)));
}

struct NameParts
{
    QStringView model;
    QStringView type; // empty when there is none
};

// "bracket.drw.3": model "bracket", type "drw"; a trailing number after a
// type is Pro/ENGINEER's version. Cut from the end, so that a dot inside the
// model name stays in it and is reported.
NameParts nameParts(QStringView entry)
{
    const qsizetype lastDot = entry.lastIndexOf(u'.');
    if (lastDot > 0 && lastDot + 1 < entry.size() && entry.lastIndexOf(u'.', lastDot - 1) >= 0) {
        bool allDigits = true;
        for (const QChar c : entry.mid(lastDot + 1))
            allDigits = allDigits && c >= u'0' && c <= u'9';
        if (allDigits)
            entry = entry.left(lastDot);
    }
    const qsizetype dot = entry.lastIndexOf(u'.');
    if (dot < 0)
        return {entry, {}};
    return {entry.left(dot), entry.mid(dot + 1)};
}

void checkEntry(const QString& entry, qsizetype index, const platform::EightBitCodec& codec,
                QList<Finding>& findings)
{
    const auto warn = [&](const QString& text) {
        findings.append(
            {Finding::Warning, QStringLiteral("%1: %2").arg(quoted(entry), text), index});
    };
    const NameParts parts = nameParts(entry);
    if (parts.model.isEmpty())
        warn(QCoreApplication::translate("kettwerk::BatchCheck", "Modellname fehlt"));
    if (parts.model.size() > kMaxModelNameLength)
        warn(QCoreApplication::translate("kettwerk::BatchCheck", "Modellname länger als %1 Zeichen")
                 .arg(kMaxModelNameLength));
    QList<QChar> strange;
    for (const QChar c : parts.model) {
        if (!isModelNameCharacter(c) && !isRefusedElsewhere(c, codec) && !strange.contains(c))
            strange.append(c);
    }
    if (!strange.isEmpty())
        warn(QCoreApplication::translate("kettwerk::BatchCheck", "Zeichen %1 im Modellnamen")
                 .arg(listed(strange)));
    if (parts.model.startsWith(u'-'))
        warn(QCoreApplication::translate("kettwerk::BatchCheck", "Modellname beginnt mit „-“"));
    const auto expected = [] { return kKnownTypes.join(QStringLiteral(", ")); };
    if (parts.type.isEmpty())
        warn(QCoreApplication::translate("kettwerk::BatchCheck", "Dateityp fehlt (erwartet: %1)")
                 .arg(expected()));
    else if (!kKnownTypes.contains(parts.type, Qt::CaseInsensitive))
        warn(QCoreApplication::translate("kettwerk::BatchCheck",
                                         "unbekannter Dateityp %1 (erwartet: %2)")
                 .arg(quoted(parts.type), expected()));
}

QString chain(const QStringList& names)
{
    return visibleText(names.join(QStringLiteral(" → ")));
}

// Follows the calls inside the definitions once for the whole check: each
// definition is entered once, so that shared callees and long lists of calls
// cost no more than their number.
class CallWalk
{
public:
    CallWalk(const MapkeyDefinitions& definitions, const QStringList& searchedFiles,
             QList<Finding>& findings)
        : m_definitions(definitions), m_findings(findings),
          m_searched(
              searchedFiles.isEmpty()
                  ? QCoreApplication::translate("kettwerk::BatchCheck", "keine Datei durchsucht")
                  : QDir::toNativeSeparators(searchedFiles.join(QStringLiteral(", "))))
    {
    }

    void checkEnteredName(const QString& name);

private:
    struct Node
    {
        const Definition* definition = nullptr;
        bool done = false;
        int height = 1;         // levels from this mapkey down to its deepest call
        qsizetype deeper = -1;  // the node on that deepest way
        qsizetype pausing = -1; // the node on the way to @MANUAL_PAUSE, or this one
        qsizetype leaving = -1; // the same for @SYSTEM
    };

    // `caller` is the way to the mapkey that calls `name`; empty for an
    // entered name.
    const Definition* resolve(const QString& name, const QStringList& caller);
    qsizetype nodeOf(const Definition* definition);
    void walkFrom(qsizetype root);
    QStringList wayAlong(qsizetype start, qsizetype Node::*next, qsizetype limit) const;
    // A definition that calls the same mapkey twice would repeat a finding.
    void report(Finding::Severity severity, const QString& text)
    {
        if (!m_reported.contains(text)) {
            m_reported.insert(text);
            m_findings.append({severity, text, -1});
        }
    }

    const MapkeyDefinitions& m_definitions;
    QList<Finding>& m_findings;
    const QString m_searched;
    std::vector<Node> m_nodes;
    QHash<const Definition*, qsizetype> m_nodeOf;
    QSet<QString> m_missing;
    QSet<QString> m_reported;
};

const Definition* CallWalk::resolve(const QString& name, const QStringList& caller)
{
    if (const Definition* exact = m_definitions.find(name))
        return exact;
    if (m_missing.contains(name))
        return nullptr;
    m_missing.insert(name);
    // A mapkey called from within another says which way it was reached.
    QString subject = quoted(name);
    if (!caller.isEmpty())
        subject += QCoreApplication::translate("kettwerk::BatchCheck", " (aufgerufen über %1)")
                       .arg(chain(caller + QStringList{name}));
    if (const Definition* other = m_definitions.findIgnoringCase(name)) {
        report(Finding::Warning,
               QCoreApplication::translate("kettwerk::BatchCheck",
                                           "Mapkey %1 ist nicht definiert, nur %2 in anderer "
                                           "Groß-/Kleinschreibung (%3)")
                   .arg(subject, quoted(other->name), QDir::toNativeSeparators(other->source)));
    } else {
        report(Finding::Warning,
               QCoreApplication::translate(
                   "kettwerk::BatchCheck",
                   "Mapkey %1 ist in keiner der durchsuchten Dateien definiert (%2)")
                   .arg(subject, m_searched));
    }
    return nullptr;
}

qsizetype CallWalk::nodeOf(const Definition* definition)
{
    const auto known = m_nodeOf.constFind(definition);
    if (known != m_nodeOf.cend())
        return *known;
    const qsizetype index = qsizetype(m_nodes.size());
    m_nodes.push_back({definition, false, 1, -1, definition->pauses ? index : -1,
                       definition->leavesProgram ? index : -1});
    m_nodeOf.insert(definition, index);
    return index;
}

// Depth first along the calls, with the way from `root` kept as a stack; a
// call to a mapkey already on the way closes a cycle. A finished node hands
// its deepest way and its stops on to the node that called it.
void CallWalk::walkFrom(qsizetype root)
{
    std::vector<std::pair<qsizetype, qsizetype>> way{{root, 0}}; // node, next call
    QStringList names{m_nodes[root].definition->name};
    QSet<qsizetype> onWay{root};
    const auto takeOver = [this](qsizetype parent, qsizetype child) {
        Node& up = m_nodes[parent];
        const Node& down = m_nodes[child];
        if (down.height + 1 > up.height) {
            up.height = down.height + 1;
            up.deeper = child;
        }
        up.pausing = up.pausing < 0 && down.pausing >= 0 ? child : up.pausing;
        up.leaving = up.leaving < 0 && down.leaving >= 0 ? child : up.leaving;
    };
    const QString circle =
        QCoreApplication::translate("kettwerk::BatchCheck", "Mapkeys rufen sich im Kreis auf: %1");
    while (!way.empty()) {
        const auto [node, next] = way.back();
        const QStringList& calls = m_nodes[node].definition->calls;
        if (next == calls.size()) {
            m_nodes[node].done = true;
            onWay.remove(node);
            way.pop_back();
            names.removeLast();
            if (!way.empty())
                takeOver(way.back().first, node);
            continue;
        }
        ++way.back().second;
        const QString& called = calls.at(next);
        if (called == kDoit || called == kAuto) {
            // The batch itself is on the way before the user's mapkey.
            const QStringList batch =
                called == kAuto ? QStringList{kAuto, kDoit} : QStringList{kDoit};
            report(Finding::Error, circle.arg(chain(batch + names + QStringList{called})));
            continue;
        }
        const Definition* target = resolve(called, names);
        const qsizetype child = target ? nodeOf(target) : -1;
        if (child < 0)
            continue;
        if (onWay.contains(child)) {
            report(Finding::Error,
                   circle.arg(chain(names.mid(names.indexOf(called)) + QStringList{called})));
        } else if (m_nodes[child].done) {
            takeOver(node, child);
        } else {
            onWay.insert(child);
            names.append(called);
            way.push_back({child, 0});
        }
    }
}

// The names from `start` along `next`, `limit` of them at most.
QStringList CallWalk::wayAlong(qsizetype start, qsizetype Node::*next, qsizetype limit) const
{
    QStringList names;
    for (qsizetype at = start; at >= 0 && names.size() < limit;) {
        names.append(m_nodes[at].definition->name);
        at = m_nodes[at].*next == at ? -1 : m_nodes[at].*next;
    }
    return names;
}

void CallWalk::checkEnteredName(const QString& name)
{
    if (name == kDoit || name == kAuto) {
        report(Finding::Error,
               QCoreApplication::translate("kettwerk::BatchCheck",
                                           "Mapkey %1: der Batch würde sich selbst aufrufen")
                   .arg(quoted(name)));
        return;
    }
    const Definition* definition = resolve(name, {});
    if (!definition)
        return;
    const qsizetype root = nodeOf(definition);
    if (!m_nodes[root].done)
        walkFrom(root);
    const Node& node = m_nodes[root];
    if (node.height > kUserLevels) {
        const QStringList deepest = wayAlong(root, &Node::deeper, kUserLevels + 1);
        report(Finding::Warning,
               QCoreApplication::translate("kettwerk::BatchCheck",
                                           "Mapkey %1 ist tiefer verschachtelt "
                                           "als die %2 Ebenen von Pro/ENGINEER: %3")
                   .arg(quoted(name), QString::number(kMaxNesting),
                        chain(QStringList{kAuto, kDoit} + deepest)));
    }
    const auto stop = [&](qsizetype Node::*next, const QString& what, const QString& item) {
        const QStringList way = wayAlong(root, next, qsizetype(m_nodes.size()));
        const QString via = way.size() > 1 ? QStringLiteral(" (%1)").arg(chain(way)) : QString();
        report(Finding::Warning, QStringLiteral("Mapkey %1 %2: %3 in %4%5")
                                     .arg(quoted(name), what, item, quoted(way.last()), via));
    };
    if (node.pausing >= 0)
        stop(&Node::pausing,
             QCoreApplication::translate("kettwerk::BatchCheck",
                                         "hält den unbeaufsichtigten Lauf an"),
             QStringLiteral("@MANUAL_PAUSE"));
    if (node.leaving >= 0)
        stop(&Node::leaving,
             QCoreApplication::translate("kettwerk::BatchCheck",
                                         "verlässt Pro/ENGINEER für einen Systembefehl"),
             QStringLiteral("@SYSTEM"));
}

} // namespace

QList<Finding> checkBatch(const QStringList& selection, const QString& mapkeyNames,
                          const MapkeyDefinitions& definitions, const QStringList& searchedFiles)
{
    QList<Finding> findings;
    CallWalk walk(definitions, searchedFiles, findings);
    QSet<QString> entered;
    for (const QString& name : splitMapkeyNames(mapkeyNames)) {
        if (!entered.contains(name)) {
            entered.insert(name);
            walk.checkEnteredName(name);
        }
    }

    // Pro/ENGINEER keeps model names in one case, so two entries that differ
    // only in case open the same model twice.
    const platform::EightBitCodec& codec = platform::eightBitCodec();
    QHash<QString, qsizetype> firstByFoldedName;
    firstByFoldedName.reserve(selection.size());
    for (qsizetype i = 0; i < selection.size(); ++i) {
        const QString& entry = selection.at(i);
        checkEntry(entry, i, codec, findings);
        const QString folded = entry.toCaseFolded();
        const auto first = firstByFoldedName.constFind(folded);
        if (first == firstByFoldedName.cend()) {
            firstByFoldedName.insert(folded, i);
        } else if (selection.at(*first) != entry) {
            findings.append({Finding::Warning,
                             QCoreApplication::translate("kettwerk::BatchCheck",
                                                         "%1: unterscheidet sich von %2 nur in "
                                                         "der Groß-/Kleinschreibung")
                                 .arg(quoted(entry), quoted(selection.at(*first))),
                             i});
        }
    }
    return findings;
}

QList<Finding> checkFileNames(const QStringList& selection)
{
    return checkBatch(selection, QString(), MapkeyDefinitions(), {});
}

} // namespace kettwerk
