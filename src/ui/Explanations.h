#pragma once

#include <QString>

// The texts that the explanation label shows while the pointer is over a
// control of the main window.
namespace kettwerk::ui::explanations {

inline const QString kWriteButton = QStringLiteral(
    "Mit diesem Knopf wird die Generierung des Mapkeys gestartet und die Datei doit.pro angelegt.");
inline const QString kMapkeyButton =
    QStringLiteral("Mit dieser Funktion können verschiedene Mapkeys ausgelöst werden. Die Mapkeys "
                   "müssen in Ihrer Konfiguration definiert sein.");
inline const QString kStatusLine = QStringLiteral(
    "Statuszeile. An dieser Stelle werden Hinweise und Informationen zum Programm ablauf "
    "angezeigt.");
inline const QString kInfoImage = QStringLiteral("Anzeige des Info Formulars");
inline const QString kExitImage = QStringLiteral("Das Programm verlassen");
inline const QString kFilesImage =
    QStringLiteral("Aktiviert die Eingabemaske für die zu bearbeitenden Dateien.");
inline const QString kFolderHeading = QStringLiteral(
    "Hier kann mit einem kleinen Browser das Verzeichnis eingestellt werden indem sich die Datei "
    "doit.pro befinden soll. Es sollte das Arbeitsverzeichnis von Pro/ENGINEER sein. Klicken Sie "
    "dazu zunächst diese Überschrift an.");

// The config.pro button names the working folder of the moment.
inline QString autoButton(const QString& workingFolder)
{
    return QStringLiteral("Mit dieser Funktion wird der config.pro der Mapkey auto zugewiesen. Die "
                          "config.pro liegt im Verzeichnis: ") +
           workingFolder +
           QStringLiteral(" Mit der Tastenfolge >> auto <<  -eingegeben in der Pro/ENGINEER "
                          "Oberfläche-  wird die Datei doit.pro geladen und ausgeführt.");
}

} // namespace kettwerk::ui::explanations
