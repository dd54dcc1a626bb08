#include "BatchOptions.h"

namespace kettwerk::cli {

bool parseBatchOptions(const QStringList& arguments, BatchOptions* options, QString* problem)
{
    *options = {};
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        std::optional<QString>* target = nullptr;
        if (argument == QStringLiteral("--list"))
            target = &options->listSource;
        else if (argument == QStringLiteral("--mapkeys"))
            target = &options->mapkeys;
        else if (argument == QStringLiteral("--out"))
            target = &options->outFolder;

        if (target) {
            if (i + 1 >= arguments.size()) {
                *problem = QStringLiteral("Nach %1 fehlt der Wert.").arg(argument);
                return false;
            }
            if (target->has_value()) {
                *problem = QStringLiteral("%1 ist doppelt angegeben.").arg(argument);
                return false;
            }
            *target = arguments.at(++i);
        } else if (argument == QStringLiteral("--print")) {
            options->print = true;
        } else if (argument == QStringLiteral("--install-auto")) {
            options->installAuto = true;
        } else if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) {
            options->help = true;
        } else {
            *problem = QStringLiteral("Unbekannte Angabe „%1“.").arg(argument);
            return false;
        }
    }
    if (!options->help && !options->listSource && !options->installAuto) {
        *problem = QStringLiteral("Es fehlt --list (oder --install-auto).");
        return false;
    }
    if (options->listSource && options->listSource->isEmpty()) {
        *problem = QStringLiteral("--list braucht einen Dateinamen oder -.");
        return false;
    }
    return true;
}

QString batchUsage()
{
    return QStringLiteral(
        "Aufruf: kettwerk-batch [--list DATEI|-] [--mapkeys TEXT] [--out ORDNER] [--print]\n"
        "                       [--install-auto] [--help]\n"
        "\n"
        "Erzeugt doit.pro aus einer Liste von Dateinamen, genau wie das Fenster von Kettwerk.\n"
        "\n"
        "  --list DATEI|-    Liste der Dateien, ein Name je Zeile (- liest die Standardeingabe).\n"
        "                    Leere Zeilen und die Überschrift \"Name\" werden übergangen.\n"
        "  --mapkeys TEXT    Auszuführende Mapkeys, z.B. \"+;%bb;%00;\". Ohne diese Angabe gilt\n"
        "                    der zuletzt im Fenster eingegebene Text, sonst \"ds\".\n"
        "  --out ORDNER      Speicherort von doit.pro und config.pro. Ohne diese Angabe gilt\n"
        "                    der im Fenster eingestellte Speicherort.\n"
        "  --print           doit.pro auf die Standardausgabe schreiben statt in den Ordner.\n"
        "  --install-auto    Den Mapkey auto an die config.pro im Ordner anhängen.\n"
        "  --help            Diese Hilfe.\n"
        "\n"
        "Rückgabewerte: 0 erfolgreich, 1 falscher Aufruf oder keine Dateien,\n"
        "2 eine Datei konnte nicht gelesen oder geschrieben werden.\n");
}

} // namespace kettwerk::cli
