#include "core/BatchCheck.h"
#include "support/Files.h"
#include "support/Rows.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kettwerk;
using namespace Qt::StringLiterals;

namespace {

// "W#2 text" for a finding about entry 2, "E text" for one about the mapkeys.
QStringList described(const QList<Finding>& findings)
{
    QStringList lines;
    for (const Finding& finding : findings) {
        const QString entry =
            finding.entry >= 0 ? u'#' + QString::number(finding.entry) : QString();
        lines.append((finding.severity == Finding::Error ? u"E"_s : u"W"_s) + entry + u' ' +
                     finding.text);
    }
    return lines;
}

// What the checks take from a definition: "description|calls|stops", or "-".
QString summary(const Definition* definition)
{
    if (!definition)
        return u"-"_s;
    return definition->description + u'|' + definition->calls.join(u' ') + u'|' +
           (definition->pauses ? u"pause"_s : QString()) +
           (definition->leavesProgram ? u"system"_s : QString());
}

const QString kExpectedTypes = u"(erwartet: drw, prt, asm, frm, sec, lay, mfg)"_s;

} // namespace

class TestBatchCheck : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fileNames_data()
    {
        QTest::addColumn<QString>("selection"); // entries apart by "|"
        QTest::addColumn<QString>("expected");  // one finding a line
        const QString a31(31, u'a');
        row("31 characters, type and version not counted", a31 + u".drw.3|a-b_C9.PRT"_s, "");
        row("32 characters", a31 + u"b.prt"_s,
            u"W#0 „"_s + a31 + u"b.prt“: Modellname länger als 31 Zeichen"_s);
        row("blank", "a b.drw", "W#0 „a b.drw“: Zeichen „ “ im Modellnamen");
        row("each character named once", "x;%!?[]\"';.asm|Mutter(ä).v2.prt",
            "W#0 „x;%!?[]\"';.asm“: Zeichen „;“, „%“, „!“, „?“, „[“, „]“, „\"“ und „'“ im "
            "Modellnamen\nW#1 „Mutter(ä).v2.prt“: Zeichen „(“, „ä“, „)“ und „.“ im Modellnamen");
        row("leading hyphen, every digit", "-a.prt|b0123456789.asm",
            "W#0 „-a.prt“: Modellname beginnt mit „-“");
        row("a dot after the type is no version", "x.drw.",
            u"W#0 „x.drw.“: Zeichen „.“ im Modellnamen\nW#0 „x.drw.“: Dateityp fehlt "_s +
                kExpectedTypes);
        row("refused by the job, not repeated here", "a`b.drw|a\tb.drw|aΩ.drw", "");
        row("types", "a|b.txt|c.DRW|d.frm|e.sec|f.lay|g.mfg|h.asm",
            u"W#0 „a“: Dateityp fehlt "_s + kExpectedTypes +
                u"\nW#1 „b.txt“: unbekannter Dateityp „txt“ "_s + kExpectedTypes);
        row("case only", "Bracket.drw|x.prt|bracket.DRW|Bracket.drw",
            "W#2 „bracket.DRW“: unterscheidet sich von „Bracket.drw“ nur in der "
            "Groß-/Kleinschreibung");
    }
    void fileNames()
    {
        QFETCH(QString, selection);
        QFETCH(QString, expected);
        QCOMPARE(described(checkBatch(selection.split(u'|'), QString(), {}, {})).join(u'\n'),
                 expected);
    }
    void mapkeyNames_data()
    {
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("expected"); // empty: no finding
        // The files searched are named as the system writes paths.
        const QString files = QDir::toNativeSeparators(u"(/home/u/config.pro, /work/config.pro)"_s);
        const QString deep = u"W Mapkey „d“ ist tiefer verschachtelt als die 5 Ebenen von "
                             u"Pro/ENGINEER: auto → doit → d → e → f → g"_s;
        row("two levels below a user mapkey", "a", "");
        row("three levels below", "d", deep);
        row("too deep through a mapkey checked before", "e;%d", deep);
        row("empty items are Enters", "+;%a;%;%c;", "");
        row("doit", "doit", "E Mapkey „doit“: der Batch würde sich selbst aufrufen");
        row("auto further on", "a;%auto", "E Mapkey „auto“: der Batch würde sich selbst aufrufen");
        row("undefined", "a;%rt;%rt",
            u"W Mapkey „rt“ ist in keiner der durchsuchten Dateien definiert "_s + files);
        row("case only", "A",
            u"W Mapkey „A“ ist nicht definiert, nur „a“ in anderer Groß-/Kleinschreibung ("_s +
                QDir::toNativeSeparators(u"/work/config.pro)"_s));
        row("called, undefined", "n",
            u"W Mapkey „missing“ (aufgerufen über n → missing) ist in keiner der durchsuchten "
            u"Dateien definiert "_s +
                files);
        row("direct cycle", "self", "E Mapkeys rufen sich im Kreis auf: self → self");
        row("indirect cycle", "loop1;%loop2",
            "E Mapkeys rufen sich im Kreis auf: loop1 → loop2 → loop1");
        row("back into the batch", "back", "E Mapkeys rufen sich im Kreis auf: doit → back → doit");
        row("calls auto", "ba", "E Mapkeys rufen sich im Kreis auf: auto → doit → ba → auto");
        row("leads into a cycle", "into", "E Mapkeys rufen sich im Kreis auf: self → self");
        row("control characters named", "x\u007f\u009f",
            u"W Mapkey „x<Steuerzeichen U+007F><Steuerzeichen U+009F>“ ist in keiner der "
            u"durchsuchten Dateien "
            u"definiert "_s +
                files);
        row("pause below", "p",
            "W Mapkey „p“ hält den unbeaufsichtigten Lauf an: @MANUAL_PAUSE in „q“ (p → q)");
        row("system command", "s",
            "W Mapkey „s“ verlässt Pro/ENGINEER für einen Systembefehl: @SYSTEM in „s“");
        row("system command below", "t",
            "W Mapkey „t“ verlässt Pro/ENGINEER für einen Systembefehl: @SYSTEM in „s“ (t → s)");
    }
    void mapkeyNames()
    {
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
        QCOMPARE(described(checkBatch({u"x.prt"_s}, names, definitions, searched)).join(u'\n'),
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
        row("CR LF", QByteArray(continued).replace("\n", "\r\n"), "Erst|b c|");
        row("CR", QByteArray(continued).replace('\n', '\r'), "Erst|b c|");
        row("any case, leading blanks", "  MAPKEY a %b;\\\n\tMapkey(Continued) @manual_pausex;"_ba,
            "|b|pause");
        row("name as description", "mapkey a @MAPKEY_NAMEKurz;%b;\n"_ba, "Kurz|b|");
        row("label before name", "mapkey a @MAPKEY_LABELLang;@MAPKEY_NAMEKurz;\n"_ba, "Lang||");
        row("later wins, in any case", "mapkey a %b;\nmapkey a %c;\nmapkey A %d;\n"_ba, "|d|");
        row("other option ends it", "mapkey a %b;\\\nsave_display yes\nmapkey(continued) %c;\n"_ba,
            "|b|");
        row("8-bit text",
            "mapkey a @MAPKEY_LABELPr\xfc"
            "fen;@SYSTEMdir;\r\n"_ba,
            "Prüfen||system");
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
        QDir root(dir.path());
        QVERIFY(root.mkpath(u"home"_s) && root.mkpath(u"work"_s) &&
                root.mkpath(u"odd/config.pro"_s));
        qputenv("HOME", QFile::encodeName(root.filePath(u"home"_s)));
        const auto path = [&root](const QString& name) {
            return QDir::toNativeSeparators(root.filePath(name));
        };
        const QString home = path(u"home/config.pro"_s);
        const QString work = path(u"work/config.pro"_s);
        const QString folder = path(u"odd/config.pro"_s);
        const QString missing = path(u"none/config.pro"_s);
        QVERIFY(writeBytes(home, "mapkey a @MAPKEY_LABELHeim;\nmapkey h %a;\n"));
        QVERIFY(writeBytes(work, "mapkey a @MAPKEY_LABELArbeit;\n"));

        QCOMPARE(mapkeyLookupFiles(QString(), {}), QStringList{home});
        QCOMPARE(mapkeyLookupFiles(path(u"home/"_s), {}), QStringList{home});
        const QStringList files = mapkeyLookupFiles(path(u"work"_s), {folder, missing, work});
        QCOMPARE(files, (QStringList{home, work, folder, missing}));

        MapkeyDefinitions definitions;
        QStringList warnings;
        for (const QString& file : files)
            definitions.addFile(file, file == folder || file == missing, &warnings);
        // Only a file the user named is missed out loud.
        QCOMPARE(warnings, (QStringList{u"„"_s + folder +
                                            u"“: nicht lesbar (ist ein Ordner), ihre "
                                            u"Mapkeys bleiben ungeprüft"_s,
                                        u"„"_s + missing +
                                            u"“: nicht lesbar (nicht gefunden), "
                                            u"ihre Mapkeys bleiben ungeprüft"_s}));
        QCOMPARE(definitions.names(), (QStringList{u"a"_s, u"h"_s}));
        QCOMPARE(definitions.find(u"a")->description, u"Arbeit"_s);
        QCOMPARE(definitions.find(u"a")->source, work);
        QCOMPARE(definitions.findIgnoringCase(u"H")->calls, QStringList{u"a"_s});
    }
};

QTEST_APPLESS_MAIN(TestBatchCheck)
#include "tst_batchcheck.moc"
