#include "cli/BatchOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTranslator>

namespace kettwerk::cli {
namespace {

// The parser's own complaints, in the language of the rest of the command.
// The texts are looked up before the parser runs: a translator must not ask
// the translators again while it answers.
class ParserTexts : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override
    {
        if (qstrcmp(context, "QCommandLineParser") != 0)
            return {};
        const QLatin1StringView source(sourceText);
        if (source == QLatin1StringView("Missing value after '%1'."))
            return m_missingValue;
        if (source == QLatin1StringView("Unexpected value after '%1'."))
            return m_unexpectedValue;
        return {};
    }
    bool isEmpty() const override { return false; }

private:
    const QString m_missingValue =
        QCoreApplication::translate("kettwerk::cli::BatchOptions", "Nach %1 fehlt der Wert.");
    const QString m_unexpectedValue =
        QCoreApplication::translate("kettwerk::cli::BatchOptions", "%1 erwartet keinen Wert.");
};

// The argument the user typed for an option the parser does not know.
QString typedUnknown(const QStringList& arguments, const QStringList& unknownNames)
{
    for (const QString& argument : arguments) {
        QString name = argument.section(u'=', 0, 0);
        while (name.startsWith(u'-'))
            name.remove(0, 1);
        if (argument.startsWith(u'-') && unknownNames.contains(name))
            return argument;
    }
    return unknownNames.value(0);
}

} // namespace

Result<BatchOptions> parseBatchOptions(const QStringList& arguments)
{
    BatchOptions options;
    const QCommandLineOption list(QStringLiteral("list"), {}, QStringLiteral("DATEI"));
    const QCommandLineOption mapkeys(QStringLiteral("mapkeys"), {}, QStringLiteral("TEXT"));
    const QCommandLineOption out(QStringLiteral("out"), {}, QStringLiteral("ORDNER"));
    const QCommandLineOption config(QStringLiteral("config"), {}, QStringLiteral("DATEI"));
    const QCommandLineOption check(QStringLiteral("check"));
    const QCommandLineOption strict(QStringLiteral("strict"));
    const QCommandLineOption print(QStringLiteral("print"));
    const QCommandLineOption log(QStringLiteral("log"));
    const QCommandLineOption status(QStringLiteral("status"));
    const QCommandLineOption resume(QStringLiteral("resume"));
    const QCommandLineOption skipCurrent(QStringLiteral("skip-current"));
    const QCommandLineOption installAuto(QStringLiteral("install-auto"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});

    QCommandLineParser parser;
    parser.addOptions({list, mapkeys, out, config, check, strict, print, log, status, resume,
                       skipCurrent, installAuto, help});
    const QCommandLineOption version = parser.addVersionOption();
    // The parser expects the program's name first.
    const QStringList withProgram = QStringList{QStringLiteral("kettwerk-batch")} + arguments;
    bool parsed = false;
    QString parserSaid;
    {
        ParserTexts texts;
        const bool installed =
            QCoreApplication::instance() && QCoreApplication::installTranslator(&texts);
        parsed = parser.parse(withProgram);
        if (!parsed)
            parserSaid = parser.errorText();
        if (installed)
            QCoreApplication::removeTranslator(&texts);
    }
    const auto unknown = [](const QString& argument) {
        return Failure::badInput(
            QCoreApplication::translate("kettwerk::cli::BatchOptions", "Unbekannte Angabe „%1“.")
                .arg(argument));
    };
    if (!parsed && !parser.unknownOptionNames().isEmpty())
        return unknown(typedUnknown(arguments, parser.unknownOptionNames()));
    if (!parsed)
        return Failure::badInput(parserSaid);
    if (!parser.positionalArguments().isEmpty())
        return unknown(parser.positionalArguments().first());
    const std::pair<const QCommandLineOption*, std::optional<QString>*> valued[] = {
        {&list, &options.listSource}, {&mapkeys, &options.mapkeys}, {&out, &options.outFolder}};
    for (const auto& [option, target] : valued) {
        const QStringList values = parser.values(*option);
        if (values.size() > 1) {
            return Failure::badInput(QCoreApplication::translate("kettwerk::cli::BatchOptions",
                                                                 "--%1 ist doppelt angegeben.")
                                         .arg(option->names().first()));
        }
        if (!values.isEmpty())
            *target = values.first();
    }
    options.configFiles = parser.values(config);
    options.check = parser.isSet(check);
    options.strict = parser.isSet(strict);
    options.print = parser.isSet(print);
    options.log = parser.isSet(log);
    options.status = parser.isSet(status);
    options.resume = parser.isSet(resume);
    options.skipCurrent = parser.isSet(skipCurrent);
    options.installAuto = parser.isSet(installAuto);
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);

    const bool runLog = options.status || options.resume;
    if (!options.help && !options.version && !options.listSource && !options.installAuto &&
        !runLog) {
        return Failure::badInput(QCoreApplication::translate(
            "kettwerk::cli::BatchOptions",
            "Es fehlt --list (oder --install-auto, --status, --resume)."));
    }
    // A run in doit.log is looked at or taken up on its own.
    if ((options.status && options.resume) ||
        (runLog && (options.listSource || options.installAuto))) {
        return Failure::badInput(QCoreApplication::translate(
            "kettwerk::cli::BatchOptions",
            "--status und --resume stehen allein (nur mit --out, --resume auch mit "
            "--skip-current)."));
    }
    if (options.skipCurrent && !options.resume) {
        return Failure::badInput(QCoreApplication::translate("kettwerk::cli::BatchOptions",
                                                             "--skip-current gehört zu --resume."));
    }
    // Standard output keeps no log beside it.
    if (options.log && (!options.listSource || options.print || options.check)) {
        return Failure::badInput(QCoreApplication::translate(
            "kettwerk::cli::BatchOptions", "--log gehört zu --list und schreibt doit.pro in "
                                           "den Ordner (nicht mit --print oder --check)."));
    }
    if (options.listSource && options.listSource->isEmpty()) {
        return Failure::badInput(QCoreApplication::translate(
            "kettwerk::cli::BatchOptions", "--list braucht einen Dateinamen oder -."));
    }
    if (options.check && !options.listSource) {
        return Failure::badInput(
            QCoreApplication::translate("kettwerk::cli::BatchOptions", "--check braucht --list."));
    }
    if (options.outFolder && options.outFolder->isEmpty()) {
        return Failure::badInput(QCoreApplication::translate("kettwerk::cli::BatchOptions",
                                                             "--out braucht einen Ordner."));
    }
    return options;
}

QString batchUsage()
{
    return QCoreApplication::translate(
        "kettwerk::cli::BatchOptions",
        "Aufruf: kettwerk-batch [--list DATEI|-] [--mapkeys TEXT] [--out ORDNER] [--print]\n"
        "                       [--check] [--strict] [--config DATEI]... [--log]\n"
        "                       [--install-auto] [--help] [--version]\n"
        "       kettwerk-batch --status [--out ORDNER]\n"
        "       kettwerk-batch --resume [--skip-current] [--out ORDNER]\n"
        "\n"
        "Erzeugt doit.pro aus einer Liste von Dateinamen, genau wie das Fenster von Kettwerk.\n"
        "\n"
        "  --list DATEI|-    Liste der Dateien, ein Name je Zeile (- liest die Standardeingabe).\n"
        "                    Leere Zeilen und die Überschrift \"Name\" werden übergangen.\n"
        "  --mapkeys TEXT    Auszuführende Mapkeys, z.B. \"+;%bb;%00;\". Ohne diese Angabe gilt\n"
        "                    der zuletzt im Fenster eingegebene Text, sonst \"ds\".\n"
        "  --out ORDNER      Speicherort von doit.pro, doit.log und config.pro. Ohne diese\n"
        "                    Angabe gilt der im Fenster eingestellte Speicherort.\n"
        "  --print           doit.pro auf die Standardausgabe schreiben statt in den Ordner.\n"
        "  --check           Nur prüfen: jeden Befund als Zeile \"Fehler: …\" oder\n"
        "                    \"Warnung: …\" ausgeben und nichts schreiben.\n"
        "  --strict          Warnungen wie Fehler behandeln.\n"
        "  --config DATEI    Eine weitere config.pro, in der Mapkeys definiert sind (mehrfach\n"
        "                    möglich). Immer durchsucht werden die config.pro im Ordner und\n"
        "                    die im Benutzerordner.\n"
        "  --log             Der Batch schreibt beim Lauf in doit.log, welche Datei er gerade\n"
        "                    öffnet; doit.log wird vorher mit der Liste der Dateien angelegt\n"
        "                    (eine frühere doit.log wird zu doit.log.1).\n"
        "  --status          Zeigt, wie weit der Lauf in doit.log gekommen ist.\n"
        "  --resume          Schreibt die Dateien, die der abgebrochene Lauf in doit.log noch\n"
        "                    nicht erledigt hat, als neue doit.pro (mit neuer doit.log), ab der\n"
        "                    Datei, bei der er stehen geblieben ist.\n"
        "  --skip-current    Mit --resume: diese Datei überspringen.\n"
        "  --install-auto    Den Mapkey auto an die config.pro im Ordner anhängen.\n"
        "  --help            Diese Hilfe.\n"
        "  --version         Name und Version des Programms ausgeben.\n"
        "\n"
        "Vor dem Schreiben wird geprüft: Modellnamen (Länge, Zeichen, Dateityp, nur in\n"
        "Groß-/Kleinschreibung verschieden) und Mapkeys (definiert, Aufrufe im Kreis,\n"
        "Verschachtelung über 5 Ebenen, @MANUAL_PAUSE und @SYSTEM). Warnungen gehen auf die\n"
        "Standardfehlerausgabe, bei einem Fehler wird nichts geschrieben.\n"
        "\n"
        "Rückgabewerte: 0 erfolgreich (mit --status: der Lauf ist fertig), 1 falscher Aufruf,\n"
        "keine Dateien, ein Fehler der Prüfung oder (mit --resume) nichts mehr übrig, 2 eine\n"
        "Datei konnte nicht gelesen oder geschrieben werden oder doit.log ist kein lesbares\n"
        "Protokoll, 3 (mit --status) der Lauf ist nicht fertig.\n");
}

} // namespace kettwerk::cli
