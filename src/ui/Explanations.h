#pragma once

#include <QCoreApplication>
#include <QString>

// The texts that the explanation label shows while the pointer is over a
// control of the main window, as written; text() gives them in the user's
// language.
namespace kettwerk::ui::explanations {

inline constexpr char kContext[] = "kettwerk::ui::explanations";

inline constexpr const char* kWriteButton = QT_TRANSLATE_NOOP(
    "kettwerk::ui::explanations",
    "Mit diesem Knopf wird die Generierung des Mapkeys gestartet und die Datei doit.pro angelegt.");
inline constexpr const char* kMapkeyButton =
    QT_TRANSLATE_NOOP("kettwerk::ui::explanations",
                      "Mit dieser Funktion können verschiedene Mapkeys ausgelöst werden. Die "
                      "Mapkeys müssen in Ihrer Konfiguration definiert sein.");
inline constexpr const char* kStatusLine = QT_TRANSLATE_NOOP(
    "kettwerk::ui::explanations",
    "Statuszeile. An dieser Stelle werden Hinweise und Informationen zum Programm ablauf "
    "angezeigt.");
inline constexpr const char* kInfoImage =
    QT_TRANSLATE_NOOP("kettwerk::ui::explanations", "Anzeige des Info Formulars");
inline constexpr const char* kExitImage =
    QT_TRANSLATE_NOOP("kettwerk::ui::explanations", "Das Programm verlassen");
inline constexpr const char* kFilesImage = QT_TRANSLATE_NOOP(
    "kettwerk::ui::explanations", "Aktiviert die Eingabemaske für die zu bearbeitenden Dateien.");
inline constexpr const char* kFolderHeading = QT_TRANSLATE_NOOP(
    "kettwerk::ui::explanations",
    "Hier kann mit einem kleinen Browser das Verzeichnis eingestellt werden indem sich die Datei "
    "doit.pro befinden soll. Es sollte das Arbeitsverzeichnis von Pro/ENGINEER sein. Klicken Sie "
    "dazu zunächst diese Überschrift an.");

inline QString text(const char* explanation)
{
    return QCoreApplication::translate(kContext, explanation);
}

// The config.pro button names the working folder of the moment.
inline QString autoButton(const QString& workingFolder)
{
    return QCoreApplication::translate(
               "kettwerk::ui::explanations",
               "Mit dieser Funktion wird der config.pro der Mapkey auto zugewiesen. Die config.pro "
               "liegt im Verzeichnis: %1 Mit der Tastenfolge >> auto <<  -eingegeben in der "
               "Pro/ENGINEER Oberfläche-  wird die Datei doit.pro geladen und ausgeführt.")
        .arg(workingFolder);
}

} // namespace kettwerk::ui::explanations
