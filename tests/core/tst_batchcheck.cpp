#include "BatchCheck.h"
#include "Files.h"

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
    void fileNames_data();
    void fileNames();
    void mapkeyNames_data();
    void mapkeyNames();
    void definitionsAreRead_data();
    void definitionsAreRead();
    void filesInLookupOrder();
};

void TestBatchCheck::fileNames_data()
{
    QTest::addColumn<QStringList>("selection");
    QTest::addColumn<QStringList>("expected");
    const QString a31(31, u'a');
    QTest::newRow("31 characters, type and version not counted")
        << QStringList{a31 + u".drw.3"_s, u"a-b_C9.PRT"_s} << QStringList{};
    QTest::newRow("32 characters")
        << QStringList{a31 + u"b.prt"_s}
        << QStringList{u"W#0 „"_s + a31 + u"b.prt“: Modellname länger als 31 Zeichen"_s};
    QTest::newRow("blank") << QStringList{u"a b.drw"_s}
                           << QStringList{u"W#0 „a b.drw“: Zeichen „ “ im Modellnamen"_s};
    QTest::newRow("each character named once")
        << QStringList{u"x;%!?[]\"';.asm"_s, u"Mutter(ä).v2.prt"_s}
        << QStringList{
               u"W#0 „x;%!?[]\"';.asm“: Zeichen „;“, „%“, „!“, „?“, „[“, „]“, „\"“ und „'“ im Modellnamen"_s,
               u"W#1 „Mutter(ä).v2.prt“: Zeichen „(“, „ä“, „)“ und „.“ im Modellnamen"_s};
    QTest::newRow("leading hyphen")
        << QStringList{u"-a.prt"_s} << QStringList{u"W#0 „-a.prt“: Modellname beginnt mit „-“"_s};
    QTest::newRow("refused by the job, not repeated here")
        << QStringList{u"a`b.drw"_s, u"a\tb.drw"_s, u"aΩ.drw"_s} << QStringList{};
    QTest::newRow("types") << u"a b.txt c.DRW d.frm e.sec f.lay g.mfg h.asm"_s.split(u' ')
                           << QStringList{u"W#0 „a“: Dateityp fehlt "_s + kExpectedTypes,
                                          u"W#1 „b.txt“: unbekannter Dateityp „txt“ "_s +
                                              kExpectedTypes};
    QTest::newRow("case only")
        << u"Bracket.drw x.prt bracket.DRW Bracket.drw"_s.split(u' ')
        << QStringList{
               u"W#2 „bracket.DRW“: unterscheidet sich von „Bracket.drw“ nur in der Groß-/Kleinschreibung"_s};
}

void TestBatchCheck::fileNames()
{
    QFETCH(QStringList, selection);
    QFETCH(QStringList, expected);
    QCOMPARE(described(checkBatch(selection, QString(), {}, {})), expected);
}

void TestBatchCheck::mapkeyNames_data()
{
    QTest::addColumn<QString>("names");
    QTest::addColumn<QStringList>("expected");
    // The files searched are named as the system writes paths.
    const QString files = QDir::toNativeSeparators(u"(/home/u/config.pro, /work/config.pro)"_s);
    const QString deep = u"W Mapkey „d“ ist tiefer verschachtelt als die 5 Ebenen von "
                         u"Pro/ENGINEER: auto → doit → d → e → f → g"_s;
    const auto row = [](const char* name, const QString& names, const QString& finding) {
        QTest::newRow(name) << names << (finding.isEmpty() ? QStringList() : QStringList{finding});
    };
    row("two levels below a user mapkey", u"a"_s, {});
    row("three levels below", u"d"_s, deep);
    row("too deep through a mapkey checked before", u"e;%d"_s, deep);
    row("empty items are Enters", u"+;%a;%;%c;"_s, {});
    row("doit", u"doit"_s, u"E Mapkey „doit“: der Batch würde sich selbst aufrufen"_s);
    row("auto further on", u"a;%auto"_s,
        u"E Mapkey „auto“: der Batch würde sich selbst aufrufen"_s);
    row("undefined", u"a;%rt;%rt"_s,
        u"W Mapkey „rt“ ist in keiner der durchsuchten Dateien definiert "_s + files);
    row("case only", u"A"_s,
        u"W Mapkey „A“ ist nicht definiert, nur „a“ in anderer Groß-/Kleinschreibung ("_s +
            QDir::toNativeSeparators(u"/work/config.pro)"_s));
    row("called, undefined", u"n"_s,
        u"W Mapkey „missing“ (aufgerufen über n → missing) ist in keiner der durchsuchten Dateien definiert "_s +
            files);
    row("direct cycle", u"self"_s, u"E Mapkeys rufen sich im Kreis auf: self → self"_s);
    row("indirect cycle", u"loop1;%loop2"_s,
        u"E Mapkeys rufen sich im Kreis auf: loop1 → loop2 → loop1"_s);
    row("back into the batch", u"back"_s,
        u"E Mapkeys rufen sich im Kreis auf: doit → back → doit"_s);
    row("pause below", u"p"_s,
        u"W Mapkey „p“ hält den unbeaufsichtigten Lauf an: @MANUAL_PAUSE in „q“ (p → q)"_s);
    row("system command", u"s"_s,
        u"W Mapkey „s“ verlässt Pro/ENGINEER für einen Systembefehl: @SYSTEM in „s“"_s);
}

void TestBatchCheck::mapkeyNames()
{
    QFETCH(QString, names);
    QFETCH(QStringList, expected);
    MapkeyDefinitions definitions;
    definitions.addText("mapkey + %c;\nmapkey a @MAPKEY_LABELzwei Ebenen;%b;\nmapkey b %c;\n"
                        "mapkey c ~ Command `ProCmdRegen`;\nmapkey d %e;\nmapkey e %f;\n"
                        "mapkey f %g;\nmapkey g ~ Command `ProCmdSave`;\nmapkey self %self;\n"
                        "mapkey loop1 %loop2;\nmapkey loop2 %c;%loop1;%loop1;\n"
                        "mapkey back %b;%doit;\nmapkey p %c;%q;\nmapkey q @MANUAL_PAUSEbitte;\n"
                        "mapkey s @SYSTEMnotepad;\nmapkey n %missing;%c;\n",
                        u"/work/config.pro"_s);
    const QStringList searched{u"/home/u/config.pro"_s, u"/work/config.pro"_s};
    QCOMPARE(described(checkBatch({u"x.prt"_s}, names, definitions, searched)), expected);
}

void TestBatchCheck::definitionsAreRead_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("summary"); // of mapkey a
    const QByteArray continued = "mapkey a @MAPKEY_LABELErst;%b;\\\n! Notiz\n"
                                 "mapkey(continued) %c;\\\nmapkey(continued) ~ Update `x` `50%`;\n";
    QTest::newRow("LF, comment between") << continued << u"Erst|b c|"_s;
    QTest::newRow("CR LF") << QByteArray(continued).replace("\n", "\r\n") << u"Erst|b c|"_s;
    QTest::newRow("CR") << QByteArray(continued).replace('\n', '\r') << u"Erst|b c|"_s;
    QTest::newRow("any case, leading blanks")
        << QByteArray("  MAPKEY a %b;\\\n\tMapkey(Continued) @MANUAL_PAUSEx;") << u"|b|pause"_s;
    QTest::newRow("name as description")
        << QByteArray("mapkey a @MAPKEY_NAMEKurz;%b;\n") << u"Kurz|b|"_s;
    QTest::newRow("label before name")
        << QByteArray("mapkey a @MAPKEY_LABELLang;@MAPKEY_NAMEKurz;\n") << u"Lang||"_s;
    QTest::newRow("later wins") << QByteArray("mapkey a %b;\nmapkey a %c;\n") << u"|c|"_s;
    QTest::newRow("other option ends it")
        << QByteArray("mapkey a %b;\\\nsave_display yes\nmapkey(continued) %c;\n") << u"|b|"_s;
    QTest::newRow("8-bit text") << QByteArray("mapkey a @MAPKEY_LABELPr\xfc"
                                              "fen;@SYSTEMdir;\r\n")
                                << u"Prüfen||system"_s;
    QTest::newRow("commented out") << QByteArray(" ! mapkey a %b;\n") << u"-"_s;
    QTest::newRow("keyword without blank") << QByteArray("mapkeya %b;\n") << u"-"_s;
}

void TestBatchCheck::definitionsAreRead()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, summary);
    MapkeyDefinitions definitions;
    definitions.addText(config, u"config.pro"_s);
    QCOMPARE(::summary(definitions.find(u"a")), summary);
}

void TestBatchCheck::filesInLookupOrder()
{
    QTemporaryDir dir;
    QDir root(dir.path());
    QVERIFY(root.mkpath(u"home"_s) && root.mkpath(u"work"_s) && root.mkpath(u"odd/config.pro"_s));
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
        definitions.addFile(file, &warnings);
    QCOMPARE(warnings, QStringList{u"„"_s + folder +
                                   u"“: nicht lesbar (ist ein Ordner), ihre Mapkeys bleiben "
                                   u"ungeprüft"_s});
    QCOMPARE(definitions.names(), (QStringList{u"a"_s, u"h"_s}));
    QCOMPARE(definitions.find(u"a")->description, u"Arbeit"_s);
    QCOMPARE(definitions.find(u"a")->source, work);
    QCOMPARE(definitions.findIgnoringCase(u"H")->calls, QStringList{u"a"_s});
}

QTEST_APPLESS_MAIN(TestBatchCheck)
#include "tst_batchcheck.moc"
