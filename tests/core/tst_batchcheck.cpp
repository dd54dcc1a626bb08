#include "core/BatchCheck.h"
#include "support/Files.h"
#include "support/Rows.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kettwerk;
using namespace Qt::StringLiterals;

namespace {

const QString kTypes = u"(erwartet: drw, prt, asm, frm, sec, lay, mfg)"_s;

// One finding a line: "W#2 text" for one about entry 2, "E text" for one about the mapkeys;
// "…" stands for kTypes.
QString described(const QList<Finding>& findings)
{
    QStringList lines;
    for (const Finding& f : findings)
        lines.append((f.severity == Finding::Error ? u"E"_s : u"W"_s) +
                     (f.entry >= 0 ? u"#%1"_s.arg(f.entry) : QString()) + u' ' + f.text);
    return lines.join(u'\n').replace(kTypes, u"…"_s);
}

// What the checks take from a definition: "description|calls|stops", or "-".
QString summary(const Definition* definition)
{
    return !definition ? u"-"_s
                       : definition->description + u'|' + definition->calls.join(u' ') + u'|' +
                             (definition->pauses ? u"pause"_s : QString()) +
                             (definition->leavesProgram ? u"system"_s : QString());
}

} // namespace

class TestBatchCheck : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void findings_data()
    {
        QTest::addColumn<QString>("selection"); // entries apart by "|"
        QTest::addColumn<QString>("names");     // the mapkeys entered
        QTest::addColumn<QString>("expected");  // one finding a line
        const QString a31(31, u'a');
        row("31 characters, type and version not counted", a31 + u".drw.3|a-b_C9.PRT"_s, "", "");
        row("32 characters", a31 + u"b.prt"_s, "",
            u"W#0 „"_s + a31 + u"b.prt“: Modellname länger als 31 Zeichen"_s);
        row("each character named once", "x;%[]\"';.asm", "",
            "W#0 „x;%[]\"';.asm“: Zeichen „;“, „%“, „[“, „]“, „\"“ und „'“ im Modellnamen");
        row("blank, leading hyphen, every digit", "a b.drw|-a.prt|b0123456789.asm", "",
            "W#0 „a b.drw“: Zeichen „ “ im Modellnamen\nW#1 „-a.prt“: Modellname beginnt mit „-“");
        row("a dot after the type is no version", "x.drw.", "",
            "W#0 „x.drw.“: Zeichen „.“ im Modellnamen\nW#0 „x.drw.“: Dateityp fehlt …");
        row("refused by the job, not repeated here", "a`b.drw|a\tb.drw|aΩ.drw", "", "");
        row("types", "a|b.x|c.DRW|d.frm|e.sec|f.lay|g.mfg|h.asm", "",
            "W#0 „a“: Dateityp fehlt …\nW#1 „b.x“: unbekannter Dateityp „x“ …");
        row("case only", "B.drw|x.prt|b.DRW|B.drw", "",
            "W#2 „b.DRW“: unterscheidet sich von „B.drw“ nur in der Groß-/Kleinschreibung");

        // The mapkeys, on a batch of one good file; the files searched are
        // named as the system writes paths.
        const QString undefined =
            u"W Mapkey %1 ist in keiner der durchsuchten Dateien definiert "_s +
            QDir::toNativeSeparators(u"(/home/u/config.pro, /work/config.pro)"_s);
        const QString deep = u"W Mapkey „d“ ist tiefer verschachtelt als die 5 Ebenen von "
                             u"Pro/ENGINEER: auto → doit → d → e → f → g"_s;
        const QString circle = u"E Mapkeys rufen sich im Kreis auf: "_s;
        const QString self = u"E Mapkey „%1“: der Batch würde sich selbst aufrufen"_s;
        const QString system =
            u"W Mapkey „%1“ verlässt Pro/ENGINEER für einen Systembefehl: @SYSTEM in „s“"_s;
        row("two levels below a user mapkey", "x.prt", "a", "");
        row("too deep through a mapkey checked before", "x.prt", "e;%d", deep);
        row("empty items are Enters", "x.prt", "+;%a;%;%c;", "");
        // doit, and auto behind another name
        row("self-calls", "x.prt", "doit;%a;%auto", self.arg(u"doit") + u'\n' + self.arg(u"auto"));
        row("undefined", "x.prt", "a;%rt;%rt", undefined.arg(u"„rt“"_s));
        row("case only", "x.prt", "A",
            u"W Mapkey „A“ ist nicht definiert, nur „a“ in anderer Groß-/Kleinschreibung ("_s +
                QDir::toNativeSeparators(u"/work/config.pro)"_s));
        row("called", "x.prt", "n", undefined.arg(u"„missing“ (aufgerufen über n → missing)"_s));
        row("indirect cycle", "x.prt", "loop1;%loop2", circle + u"loop1 → loop2 → loop1"_s);
        row("back into the batch", "x.prt", "back", circle + u"doit → back → doit"_s);
        row("calls auto", "x.prt", "ba", circle + u"auto → doit → ba → auto"_s);
        row("leads into a cycle", "x.prt", "into", circle + u"self → self"_s);
        row("control characters named", "x.prt", "x\u007f\u009f",
            undefined.arg(u"„x<Steuerzeichen U+007F><Steuerzeichen U+009F>“"_s));
        row("pause below", "x.prt", "p",
            "W Mapkey „p“ hält den unbeaufsichtigten Lauf an: @MANUAL_PAUSE in „q“ (p → q)");
        row("system command", "x.prt", "s", system.arg(u"s"));
        row("system command below", "x.prt", "t", system.arg(u"t") + u" (t → s)"_s);
    }
    void findings()
    {
        QFETCH(QString, selection);
        QFETCH(QString, names);
        QFETCH(QString, expected);
        MapkeyDefinitions definitions;
        definitions.addText("mapkey + %c;\nmapkey a @MAPKEY_LABELzwei Ebenen;%b;\nmapkey b %c;\n"
                            "mapkey c ~ Command `ProCmdRegen`;\nmapkey d %e;\nmapkey e %f;\n"
                            "mapkey f %g;\nmapkey g ~ Command `ProCmdSave`;\nmapkey self %self;\n"
                            "mapkey loop1 %loop2;\nmapkey loop2 %c;%loop1;%loop1;\n"
                            "mapkey back %b;%doit;\nmapkey p %c;%q;\nmapkey q @MANUAL_PAUSEbitte;\n"
                            "mapkey s @SYSTEMnotepad;\nmapkey n %missing;%c;\nmapkey ba %auto;\n"
                            "mapkey into %self;\nmapkey t %c;%s;\n",
                            u"/work/config.pro"_s);
        const QStringList searched{u"/home/u/config.pro"_s, u"/work/config.pro"_s};
        QCOMPARE(described(checkBatch(selection.split(u'|'), names, definitions, searched)),
                 expected);
    }
    void definitionsAreRead_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QString>("summary"); // of mapkey a
        const QByteArray continued =
            "mapkey a @MAPKEY_LABELErst;%b;\\\n! Notiz\n"
            "mapkey(continued) %c;\\\nmapkey(continued) ~ Update `x` `50%`;\n";
        row("LF, comment between", continued, "Erst|b c|");
        row("CR", QByteArray(continued).replace('\n', '\r'), "Erst|b c|");
        row("case, blanks", "  MAPKEY a %b;\\\n\tMapkey(Continued) @manual_pausex;"_ba, "|b|pause");
        row("name as description", "mapkey a @MAPKEY_NAMEKurz;%b;\n"_ba, "Kurz|b|");
        row("label before name", "mapkey a @MAPKEY_LABELLang;@MAPKEY_NAMEKurz;\n"_ba, "Lang||");
        row("later wins, in any case", "mapkey a %b;\nmapkey a %c;\nmapkey A %d;\n"_ba, "|d|");
        row("option ends it", "mapkey a %b;\\\nopt 1\nmapkey(continued) %c;\n"_ba, "|b|");
        row("8-bit text", "mapkey a @MAPKEY_LABELPr\374fen;@SYSTEMdir;\r\n"_ba, "Prüfen||system");
        row("commented out", " ! mapkey a %b;\n"_ba, "-");
        row("keyword without blank", "mapkeya %b;\n"_ba, "-");
    }
    void definitionsAreRead()
    {
        QFETCH(QByteArray, config);
        QFETCH(QString, summary);
        MapkeyDefinitions definitions;
        definitions.addText(config, u"config.pro"_s);
        QCOMPARE(::summary(definitions.findIgnoringCase(u"a")), summary);
    }
    void filesInLookupOrder()
    {
        QTemporaryDir dir;
        QVERIFY(makeTree(dir.path(), {u"home/"_s, u"work/"_s, u"odd/config.pro/"_s}));
        qputenv("HOME", QFile::encodeName(dir.filePath(u"home"_s)));
        auto path = [&](const QString& n) { return QDir::toNativeSeparators(dir.filePath(n)); };
        const QString home = path(u"home/config.pro"_s), work = path(u"work/config.pro"_s),
                      folder = path(u"odd/config.pro"_s), missing = path(u"none/config.pro"_s);
        QVERIFY(writeBytes(home, "mapkey a @MAPKEY_LABELHeim;\nmapkey h %a;\n"));
        QVERIFY(writeBytes(work, "mapkey a @MAPKEY_LABELArbeit;\n"));

        QCOMPARE(mapkeyLookupFiles(QString(), {}), QStringList{home});
        QCOMPARE(mapkeyLookupFiles(path(u"home/"_s), {}), QStringList{home});
        const QStringList files = mapkeyLookupFiles(path(u"work"_s), {folder, missing, work});
        QCOMPARE(files, (QStringList{home, work, folder, missing}));

        MapkeyDefinitions definitions;
        QStringList warnings;
        for (const QString& file : files)
            definitions.addFile(file, file == folder, &warnings);
        // Only a file the user named is missed out loud (tst_batchjob: a named
        // file not found).
        QCOMPARE(warnings.join(u'\n'),
                 u"„"_s + folder +
                     u"“: nicht lesbar (ist ein Ordner), ihre Mapkeys bleiben ungeprüft"_s);
        QCOMPARE(definitions.names(), (QStringList{u"a"_s, u"h"_s}));
        QCOMPARE(definitions.find(u"a")->description, u"Arbeit"_s);
    }
};

QTEST_APPLESS_MAIN(TestBatchCheck)
#include "tst_batchcheck.moc"
