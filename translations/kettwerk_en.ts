<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>kettwerk::BatchCheck</name>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source> und </source>
        <translation> and </translation>
    </message>
    <message>
        <source>Modellname fehlt</source>
        <translation>model name missing</translation>
    </message>
    <message>
        <source>Modellname länger als %1 Zeichen</source>
        <translation>model name longer than %1 characters</translation>
    </message>
    <message>
        <source>Zeichen %1 im Modellnamen</source>
        <translation>model name contains %1</translation>
    </message>
    <message>
        <source>Modellname beginnt mit „-“</source>
        <translation>model name starts with “-”</translation>
    </message>
    <message>
        <source>Dateityp fehlt (erwartet: %1)</source>
        <translation>file type missing (expected: %1)</translation>
    </message>
    <message>
        <source>unbekannter Dateityp %1 (erwartet: %2)</source>
        <translation>unknown file type %1 (expected: %2)</translation>
    </message>
    <message>
        <source>keine Datei durchsucht</source>
        <translation>no file searched</translation>
    </message>
    <message>
        <source> (aufgerufen über %1)</source>
        <translation> (called via %1)</translation>
    </message>
    <message>
        <source>Mapkey %1 ist nicht definiert, nur %2 in anderer Groß-/Kleinschreibung (%3)</source>
        <translation>Mapkey %1 is not defined, only %2 in different case (%3)</translation>
    </message>
    <message>
        <source>Mapkey %1 ist in keiner der durchsuchten Dateien definiert (%2)</source>
        <translation>Mapkey %1 is not defined in any of the files searched (%2)</translation>
    </message>
    <message>
        <source>Mapkeys rufen sich im Kreis auf: %1</source>
        <translation>Mapkeys call each other in a circle: %1</translation>
    </message>
    <message>
        <source>Mapkey %1: der Batch würde sich selbst aufrufen</source>
        <translation>Mapkey %1: the batch would call itself</translation>
    </message>
    <message>
        <source>Mapkey %1 ist tiefer verschachtelt als die %2 Ebenen von Pro/ENGINEER: %3</source>
        <translation>Mapkey %1 is nested deeper than the %2 levels of Pro/ENGINEER: %3</translation>
    </message>
    <message>
        <source>hält den unbeaufsichtigten Lauf an</source>
        <translation>stops the unattended run</translation>
    </message>
    <message>
        <source>verlässt Pro/ENGINEER für einen Systembefehl</source>
        <translation>leaves Pro/ENGINEER for a system command</translation>
    </message>
    <message>
        <source>%1: unterscheidet sich von %2 nur in der Groß-/Kleinschreibung</source>
        <translation>%1: differs from %2 only in case</translation>
    </message>
</context>
<context>
    <name>kettwerk::BatchJob</name>
    <message>
        <source>%1 wurde nicht geschrieben: es ist kein Speicherort eingestellt. Bitte wählen Sie unter „Speicherort der Ausgabedatei:“ einen Ordner.</source>
        <translation>%1 was not written: no output folder is set. Please choose a folder under “Output file location:”.</translation>
    </message>
    <message>
        <source>Akzent `</source>
        <translation>backquote `</translation>
    </message>
    <message>
        <source>Tabulator</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Zeilenumbruch</source>
        <translation>line break</translation>
    </message>
    <message>
        <source>Steuerzeichen U+%1</source>
        <translation>control character U+%1</translation>
    </message>
    <message>
        <source>Der Schritt „Datei aufrufen“ ist zu kurz: er muss mit dem öffnenden Akzent und einem Zeilenende schließen. Es wurde nichts erstellt.</source>
        <translation>The step “Open file” is too short: it must end with the opening backquote and a line end. Nothing was created.</translation>
    </message>
    <message>
        <source>Dateiname „%1“: %2</source>
        <translation>File name “%1”: %2</translation>
    </message>
    <message>
        <source>Mapkey-Namen „%1“: %2</source>
        <translation>Mapkey names “%1”: %2</translation>
    </message>
    <message>
        <source>doit.pro wurde nicht angelegt: diese Angaben würden die Mapkey-Zeilen zerbrechen.</source>
        <translation>doit.pro was not created: these entries would break the mapkey lines.</translation>
    </message>
    <message>
        <source>doit.pro wurde nicht ausgegeben.</source>
        <translation>doit.pro was not written out.</translation>
    </message>
    <message>
        <source>doit.pro konnte nicht ausgegeben werden.
Grund: %1</source>
        <translation>doit.pro could not be written out.
Reason: %1</translation>
    </message>
    <message>
        <source>Die Datei „%1“ wurde nicht geschrieben.</source>
        <translation>The file “%1” was not written.</translation>
    </message>
    <message>
        <source>„%1“ gehört nicht mehr zum Lauf %2 in doit.log: sie wurde seitdem neu geschrieben oder geändert. Es wurde nichts geschrieben.</source>
        <translation>“%1” no longer belongs to run %2 in doit.log: it has been written again or changed since. Nothing was written.</translation>
    </message>
    <message>
        <source>Vom Lauf %1 in doit.log ist keine Datei mehr übrig. Es wurde nichts geschrieben.</source>
        <translation>No file of run %1 in doit.log is left to do. Nothing was written.</translation>
    </message>
</context>
<context>
    <name>kettwerk::ComposedBatch</name>
    <message>
        <source>Der Mapkey-Text (Zeichen „%1“) enthält Zeichen, die in der Codepage der Datei nicht darstellbar sind.</source>
        <translation>The mapkey text (character “%1”) contains characters that the file&apos;s code page cannot represent.</translation>
    </message>
    <message>
        <source>Der Dateiname „%1“ enthält Zeichen, die in der Codepage der Datei nicht darstellbar sind.</source>
        <translation>The file name “%1” contains characters that the file&apos;s code page cannot represent.</translation>
    </message>
</context>
<context>
    <name>kettwerk::ConfigInstaller</name>
    <message>
        <source>Es wurde eine Datei config.pro angelegt</source>
        <translation>A new config.pro has been created</translation>
    </message>
    <message>
        <source>Der Mapkey auto wurde Ihrer config.pro hinzugefügt !</source>
        <translation>The mapkey auto has been added to your config.pro!</translation>
    </message>
    <message>
        <source>Der Pfad ist keine gewöhnliche Datei.</source>
        <translation>The path is not a regular file.</translation>
    </message>
</context>
<context>
    <name>kettwerk::MapkeyDefinitions</name>
    <message>
        <source>ist ein Ordner</source>
        <translation>is a folder</translation>
    </message>
    <message>
        <source>ist keine Datei</source>
        <translation>is not a file</translation>
    </message>
    <message>
        <source>„%1“: nicht lesbar (%2), ihre Mapkeys bleiben ungeprüft</source>
        <translation>“%1”: not readable (%2), its mapkeys remain unchecked</translation>
    </message>
    <message>
        <source>nicht gefunden</source>
        <translation>not found</translation>
    </message>
</context>
<context>
    <name>kettwerk::RunLog</name>
    <message>
        <source>Die Datei „%1“ ist kein Protokoll von Kettwerk (Zeile 1).</source>
        <translation>The file “%1” is not a Kettwerk log (line 1).</translation>
    </message>
    <message>
        <source>„%1“, Zeile %2: unvollständige letzte Zeile übergangen</source>
        <translation>“%1”, line %2: incomplete last line passed over</translation>
    </message>
    <message>
        <source>Die Datei „%1“ ist ein Protokoll einer neueren Version von Kettwerk (Format %2).</source>
        <translation>The file “%1” is a log of a newer version of Kettwerk (format %2).</translation>
    </message>
    <message>
        <source>„%1“, Zeile %2: Nr. %3 in der Dateiliste, erwartet war Nr. %4</source>
        <translation>“%1”, line %2: no. %3 in the file list where no. %4 was expected</translation>
    </message>
    <message>
        <source>„%1“, Zeile %2: Nr. %3 liegt außerhalb der Liste (1 bis %4)</source>
        <translation>“%1”, line %2: no. %3 lies outside the list (1 to %4)</translation>
    </message>
    <message>
        <source>„%1“: der Kopf nennt %2 Dateien, die Liste hat %3 (Zeile %4)</source>
        <translation>“%1”: the header announces %2 files, the list has %3 (line %4)</translation>
    </message>
    <message numerus="yes">
        <source>„%1“: %n weitere Zeilen übergangen</source>
        <translation>
            <numerusform>“%1”: %n more line passed over</numerusform>
            <numerusform>“%1”: %n more lines passed over</numerusform>
        </translation>
    </message>
    <message>
        <source>„%1“, Zeile %2: unbekannte Zeile übergangen</source>
        <translation>“%1”, line %2: unknown line passed over</translation>
    </message>
</context>
<context>
    <name>kettwerk::RunStatus</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Lauf %1: fertig, %2 von %3 Dateien.</source>
        <translation>Run %1: finished, %2 of %3 files.</translation>
    </message>
    <message>
        <source>Lauf %1: noch nicht begonnen, 0 von %2 Dateien.</source>
        <translation>Run %1: not started yet, 0 of %2 files.</translation>
    </message>
    <message>
        <source>Lauf %1: %2 von %3 Dateien begonnen, %4 fertig.</source>
        <translation>Run %1: %2 of %3 files started, %4 finished.</translation>
    </message>
    <message>
        <source>Zuletzt begonnen: Nr. %1 %2, vor %3.</source>
        <translation>Last started: no. %1 %2, %3 ago.</translation>
    </message>
    <message>
        <source>Der Lauf in doit.log ist bei Nr. %1 von %2 stehen geblieben – Strg+L zeigt ihn</source>
        <translation>The run in doit.log stopped at no. %1 of %2 – Ctrl+L shows it</translation>
    </message>
</context>
<context>
    <name>kettwerk::SafeWrite</name>
    <message>
        <source>Die Datei „%1“ konnte nicht geschrieben werden.
Grund: %2</source>
        <translation>The file “%1” could not be written.
Reason: %2</translation>
    </message>
    <message>
        <source>Der neue Inhalt konnte nicht erzeugt werden.</source>
        <translation>The new content could not be produced.</translation>
    </message>
    <message>
        <source>Der frühere Inhalt liegt in „%1“.</source>
        <translation>The previous content is in “%1”.</translation>
    </message>
    <message>
        <source>Der Pfad ist ein Ordner.</source>
        <translation>The path is a folder.</translation>
    </message>
    <message>
        <source>Die Datei ist schreibgeschützt.</source>
        <translation>The file is read-only.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ existiert nicht.</source>
        <translation>The folder “%1” does not exist.</translation>
    </message>
    <message>
        <source>Ein anderer Vorgang arbeitet gerade an dieser Datei. Bitte versuchen Sie es gleich noch einmal.</source>
        <translation>Another process is working on this file right now. Please try again in a moment.</translation>
    </message>
    <message>
        <source>Im Ordner darf keine Sperrdatei angelegt werden (keine Schreibrechte, oder der Ordner fehlt).</source>
        <translation>No lock file may be created in the folder (no write permission, or the folder is missing).</translation>
    </message>
    <message>
        <source>Die Sperrdatei „%1“ konnte nicht angelegt werden.</source>
        <translation>The lock file “%1” could not be created.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht gelesen werden.
Grund: %2</source>
        <translation>The file “%1” could not be read.
Reason: %2</translation>
    </message>
</context>
<context>
    <name>kettwerk::cli::BatchCommand</name>
    <message>
        <source>Die Standardeingabe konnte nicht gelesen werden.
Grund: %1</source>
        <translation>Standard input could not be read.
Reason: %1</translation>
    </message>
    <message>
        <source>Fehler: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Warnung: %1</source>
        <translation>Warning: %1</translation>
    </message>
    <message>
        <source>Aufruf: kettwerk-batch --help</source>
        <translation>Usage: kettwerk-batch --help</translation>
    </message>
    <message>
        <source>Bitte Dateien auswählen !</source>
        <translation>Please select files!</translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien gewählt.</source>
        <translation>
            <numerusform>%n file selected.</numerusform>
            <numerusform>%n files selected.</numerusform>
        </translation>
    </message>
    <message>
        <source>doit.pro enthält nun die %1 übrigen Dateien ab Nr. %2.</source>
        <translation>doit.pro now holds the %1 remaining files from no. %2 on.</translation>
    </message>
</context>
<context>
    <name>kettwerk::cli::BatchOptions</name>
    <message>
        <source>Nach %1 fehlt der Wert.</source>
        <translation>Missing value after %1.</translation>
    </message>
    <message>
        <source>%1 erwartet keinen Wert.</source>
        <translation>%1 takes no value.</translation>
    </message>
    <message>
        <source>Unbekannte Angabe „%1“.</source>
        <translation>Unknown argument “%1”.</translation>
    </message>
    <message>
        <source>--%1 ist doppelt angegeben.</source>
        <translation>--%1 is given twice.</translation>
    </message>
    <message>
        <source>--list braucht einen Dateinamen oder -.</source>
        <translation>--list needs a file name or -.</translation>
    </message>
    <message>
        <source>--check braucht --list.</source>
        <translation>--check needs --list.</translation>
    </message>
    <message>
        <source>--out braucht einen Ordner.</source>
        <translation>--out needs a folder.</translation>
    </message>
    <message>
        <source>Es fehlt --list (oder --install-auto, --status, --resume).</source>
        <translation>--list (or --install-auto, --status, --resume) is missing.</translation>
    </message>
    <message>
        <source>--status und --resume stehen allein (nur mit --out, --resume auch mit --skip-current).</source>
        <translation>--status and --resume stand alone (only with --out, --resume also with --skip-current).</translation>
    </message>
    <message>
        <source>--skip-current gehört zu --resume.</source>
        <translation>--skip-current goes with --resume.</translation>
    </message>
    <message>
        <source>--log gehört zu --list und schreibt doit.pro in den Ordner (nicht mit --print oder --check).</source>
        <translation>--log goes with --list and writes doit.pro into the folder (not with --print or --check).</translation>
    </message>
    <message>
        <source>Aufruf: kettwerk-batch [--list DATEI|-] [--mapkeys TEXT] [--out ORDNER] [--print]
                       [--check] [--strict] [--config DATEI]... [--log]
                       [--install-auto] [--help] [--version]
       kettwerk-batch --status [--out ORDNER]
       kettwerk-batch --resume [--skip-current] [--out ORDNER]

Erzeugt doit.pro aus einer Liste von Dateinamen, genau wie das Fenster von Kettwerk.

  --list DATEI|-    Liste der Dateien, ein Name je Zeile (- liest die Standardeingabe).
                    Leere Zeilen und die Überschrift &quot;Name&quot; werden übergangen.
  --mapkeys TEXT    Auszuführende Mapkeys, z.B. &quot;+;%bb;%00;&quot;. Ohne diese Angabe gilt
                    der zuletzt im Fenster eingegebene Text, sonst &quot;ds&quot;.
  --out ORDNER      Speicherort von doit.pro, doit.log und config.pro. Ohne diese
                    Angabe gilt der im Fenster eingestellte Speicherort.
  --print           doit.pro auf die Standardausgabe schreiben statt in den Ordner.
  --check           Nur prüfen: jeden Befund als Zeile &quot;Fehler: …&quot; oder
                    &quot;Warnung: …&quot; ausgeben und nichts schreiben.
  --strict          Warnungen wie Fehler behandeln.
  --config DATEI    Eine weitere config.pro, in der Mapkeys definiert sind (mehrfach
                    möglich). Immer durchsucht werden die config.pro im Ordner und
                    die im Benutzerordner.
  --log             Der Batch schreibt beim Lauf in doit.log, welche Datei er gerade
                    öffnet; doit.log wird vorher mit der Liste der Dateien angelegt
                    (eine frühere doit.log wird zu doit.log.1).
  --status          Zeigt, wie weit der Lauf in doit.log gekommen ist.
  --resume          Schreibt die Dateien, die der abgebrochene Lauf in doit.log noch
                    nicht erledigt hat, als neue doit.pro (mit neuer doit.log), ab der
                    Datei, bei der er stehen geblieben ist.
  --skip-current    Mit --resume: diese Datei überspringen.
  --install-auto    Den Mapkey auto an die config.pro im Ordner anhängen.
  --help            Diese Hilfe.
  --version         Name und Version des Programms ausgeben.

Vor dem Schreiben wird geprüft: Modellnamen (Länge, Zeichen, Dateityp, nur in
Groß-/Kleinschreibung verschieden) und Mapkeys (definiert, Aufrufe im Kreis,
Verschachtelung über 5 Ebenen, @MANUAL_PAUSE und @SYSTEM). Warnungen gehen auf die
Standardfehlerausgabe, bei einem Fehler wird nichts geschrieben.

Rückgabewerte: 0 erfolgreich (mit --status: der Lauf ist fertig), 1 falscher Aufruf,
keine Dateien, ein Fehler der Prüfung oder (mit --resume) nichts mehr übrig, 2 eine
Datei konnte nicht gelesen oder geschrieben werden oder doit.log ist kein lesbares
Protokoll, 3 (mit --status) der Lauf ist nicht fertig.
</source>
        <translation>Usage: kettwerk-batch [--list FILE|-] [--mapkeys TEXT] [--out FOLDER] [--print]
                      [--check] [--strict] [--config FILE]... [--log]
                      [--install-auto] [--help] [--version]
       kettwerk-batch --status [--out FOLDER]
       kettwerk-batch --resume [--skip-current] [--out FOLDER]

Writes doit.pro from a list of file names, exactly as the Kettwerk window does.

  --list FILE|-     List of files, one name per line (- reads standard input).
                    Empty lines and the heading &quot;Name&quot; are skipped.
  --mapkeys TEXT    Mapkeys to run, e.g. &quot;+;%bb;%00;&quot;. Without this option the
                    text last entered in the window applies, otherwise &quot;ds&quot;.
  --out FOLDER      Folder of doit.pro, doit.log and config.pro. Without this
                    option the output folder set in the window applies.
  --print           Write doit.pro to standard output instead of the folder.
  --check           Check only: print every finding as a line &quot;Error: …&quot; or
                    &quot;Warning: …&quot; and write nothing.
  --strict          Treat warnings as errors.
  --config FILE     A further config.pro that defines mapkeys (may be given
                    more than once). The config.pro in the folder and the one
                    in the home folder are always searched.
  --log             While it runs, the batch notes in doit.log which file it is
                    opening; doit.log is written first with the list of files
                    (an earlier doit.log becomes doit.log.1).
  --status          Shows how far the run in doit.log has got.
  --resume          Writes the files that the broken run in doit.log has not
                    done yet as a new doit.pro (with a new doit.log), from the
                    file it stopped at.
  --skip-current    With --resume: skip that file.
  --install-auto    Append the mapkey auto to the config.pro in the folder.
  --help            This help.
  --version         Print the program&apos;s name and version.

Checked before writing: model names (length, characters, file type, differing
only in case) and mapkeys (defined, calls in a circle, nesting deeper than 5
levels, @MANUAL_PAUSE and @SYSTEM). Warnings go to standard error; after an
error nothing is written.

Exit codes: 0 success (with --status: the run has finished), 1 wrong call, no
files, an error found by the check or (with --resume) nothing left, 2 a file
could not be read or written or doit.log is no readable log, 3 (with --status)
the run has not finished.
</translation>
    </message>
</context>
<context>
    <name>kettwerk::platform::SettingsStore</name>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden: „%1“.</source>
        <translation>The settings could not be saved: “%1”.</translation>
    </message>
</context>
<context>
    <name>kettwerk::platform::Shell</name>
    <message>
        <source>„%1“ konnte nicht geöffnet werden: xdg-open ließ sich nicht starten.</source>
        <translation>“%1” could not be opened: xdg-open could not be started.</translation>
    </message>
    <message>
        <source>Nicht genug Speicher.</source>
        <translation>Not enough memory.</translation>
    </message>
    <message>
        <source>Die Datei wurde nicht gefunden.</source>
        <translation>The file was not found.</translation>
    </message>
    <message>
        <source>Der Pfad wurde nicht gefunden.</source>
        <translation>The path was not found.</translation>
    </message>
    <message>
        <source>Zugriff verweigert.</source>
        <translation>Access denied.</translation>
    </message>
    <message>
        <source>Diesem Dateityp ist kein Programm zugeordnet.</source>
        <translation>No program is associated with this file type.</translation>
    </message>
    <message>
        <source>Fehler %1 der Windows-Shell.</source>
        <translation>Windows shell error %1.</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht geöffnet werden: %2</source>
        <translation>“%1” could not be opened: %2</translation>
    </message>
</context>
<context>
    <name>kettwerk::ui::BatchSteps</name>
    <message>
        <source>Mapkeys eingeben</source>
        <translation>Enter mapkeys</translation>
    </message>
    <message>
        <source>doit.pro jetzt anlegen</source>
        <translation>Create doit.pro now</translation>
    </message>
    <message>
        <source>Die Datei doit.pro kann nun erzeugt werden. Diese kann in Pro/E als Konfigurationsdatei eingelesen werden</source>
        <translation>doit.pro can now be created. Pro/E can load it as a configuration file</translation>
    </message>
    <message>
        <source>Fehler:</source>
        <translation>Errors:</translation>
    </message>
    <message>
        <source>Warnungen:</source>
        <translation>Warnings:</translation>
    </message>
    <message>
        <source>doit.pro wurde nicht angelegt.</source>
        <translation>doit.pro was not created.</translation>
    </message>
    <message>
        <source>Trotzdem anlegen?</source>
        <translation>Create it anyway?</translation>
    </message>
    <message>
        <source>Datei doit.pro wurde gespeichert !</source>
        <translation>doit.pro has been saved!</translation>
    </message>
    <message>
        <source>… und %1 weitere</source>
        <translation>… and %1 more</translation>
    </message>
</context>
<context>
    <name>kettwerk::ui::BottomBar</name>
    <message>
        <source>Speicherort der Ausgabedatei:</source>
        <translation>Output file location:</translation>
    </message>
    <message>
        <source>Mapkey &quot;auto&quot; der config.pro zuweisen</source>
        <translation>Add mapkey &quot;auto&quot; to config.pro</translation>
    </message>
</context>
<context>
    <name>kettwerk::ui::BrowserPanel</name>
    <message>
        <source>Dateiliste</source>
        <translation>File list</translation>
    </message>
    <message>
        <source>Erzeugung der Dateiliste</source>
        <translation>Build the file list</translation>
    </message>
    <message>
        <source>Ordner nicht lesbar, die Dateiliste bleibt leer: %1</source>
        <translation>Folder not readable, the file list stays empty: %1</translation>
    </message>
    <message>
        <source>Laufwerk nicht verfügbar !</source>
        <translation>Drive not available!</translation>
    </message>
</context>
<context>
    <name>kettwerk::ui::CompletionWindow</name>
    <message>
        <source>Der Vorgang wurde erfolgreich abgeschlossen !</source>
        <translation>The operation completed successfully!</translation>
    </message>
    <message>
        <source>Datei kann nun in Pro/E unter</source>
        <translation>Load the file in Pro/E under</translation>
    </message>
    <message>
        <source>-&gt; Tools -&gt; Optionen</source>
        <translation>-&gt; Tools -&gt; Options</translation>
    </message>
    <message>
        <source>geladen werden.</source>
        <translation>to use it.</translation>
    </message>
    <message>
        <source>Datei editieren</source>
        <translation>Edit file</translation>
    </message>
    <message>
        <source>Lauf verfolgen</source>
        <translation>Follow run</translation>
    </message>
</context>
<context>
    <name>kettwerk::ui::ConstructionPanel</name>
    <message>
        <source>Mapkeykonstruktion</source>
        <translation>Mapkey construction</translation>
    </message>
    <message>
        <source>Kopf und Name</source>
        <translation>Header and name</translation>
    </message>
    <message>
        <source>Datei aufrufen</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Funktionen</source>
        <translation>Functions</translation>
    </message>
    <message>
        <source>Abschluss</source>
        <translation>Closing</translation>
    </message>
    <message>
        <source>Mapkeykonstruktion ausblenden</source>
        <translation>Hide mapkey construction</translation>
    </message>
</context>
<context>
    <name>kettwerk::ui::ExplanationLabel</name>
    <message>
        <source>Der Kettwerk dient zum Erstellen eines Mapkeys der Mapkeys ausführt und das über viele Dateien</source>
        <translation>Kettwerk creates a mapkey that runs mapkeys, and does so over many files</translation>
    </message>
</context>
<context>
    <name>kettwerk::ui::FileListPanel</name>
    <message>
        <source>klicken Sie mit der rechte Maustaste in das weiße Feld um die Liste zu bearbeiten. Es werden nur die markierten Einträge bearbeitet.</source>
        <translation>Right-click in the white field to edit the list. Only the marked entries are processed.</translation>
    </message>
    <message>
        <source>Dateiauswahl ausblenden</source>
        <translation>Hide file selection</translation>
    </message>
    <message>
        <source>Zwischenablage eingefügt</source>
        <translation>Clipboard pasted</translation>
    </message>
    <message>
        <source>Bitte Dateien auswählen !</source>
        <translation>Please select files!</translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien gewählt. Mapkey kann nun erstellt werden.</source>
        <translation>
            <numerusform>%n file selected. The mapkey can now be created.</numerusform>
            <numerusform>%n files selected. The mapkey can now be created.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 Eintrag aus der Liste entfernt</source>
        <translation>1 entry removed from the list</translation>
    </message>
    <message>
        <source>%1 Einträge aus der Liste entfernt</source>
        <translation>%1 entries removed from the list</translation>
    </message>
    <message>
        <source>Ordner nicht lesbar: %1</source>
        <translation>Folder cannot be read: %1</translation>
    </message>
</context>
<context>
    <name>kettwerk::ui::HelpWindow</name>
    <message>
        <source>Juni 2025, Kettwerk-Team</source>
        <translation>June 2025, Kettwerk team</translation>
    </message>
    <message>
        <source>Kontakt:</source>
        <translation>Contact:</translation>
    </message>
    <message>
        <source>E-Mail an den Autor</source>
        <translation>E-mail the author</translation>
    </message>
    <message>
        <source>Mit dem Kettwerk können mehrere Mapkeys für viele Dateien 
ausgeführt werden.
Die Funktionsweise ist wie folgt:
1.) Liste der zu bearbeitenden Dateien in die Zwischenablage
2.) Einfügen in die Liste von Kettwerk
3.) Abzuarbeitende Mapkeys einstellen. Es wird eine Datei mit Namen doit.pro 
erzeugt. Ablageort kann im Programm eingestellt werden.
5.) Starten von Pro/ENGINEER
4.) führen Sie den Mapkey auto in Pro/ENGINEER aus.

Der Mapkey auto muß in der config.pro definiert sein. Er kann auch über einen 
einfachen Klick in diesem Tool in die Konfiguration implementiert werden.</source>
        <translation>With Kettwerk you can run several mapkeys on many files.
It works as follows:
1.) Copy the list of files to process to the clipboard
2.) Paste it into the Kettwerk list
3.) Set the mapkeys to run. A file named doit.pro is created;
its location can be set in the program.
4.) Start Pro/ENGINEER
5.) Run the mapkey auto in Pro/ENGINEER.

The mapkey auto must be defined in config.pro. A single click in
this tool can also add it to the configuration.</translation>
    </message>
    <message>
        <source>Der Autor übernimmt keine Garantie für die Funktionsweise des Programms 
oder eventuellen Datenverlust der durch die Verwendung des Programms enstanden ist.</source>
        <translation>The author gives no guarantee that the program works and accepts no
liability for any loss of data caused by its use.</translation>
    </message>
    <message>
        <source>Kettwerk Info – Version %1</source>
        <translation>Kettwerk Info – Version %1</translation>
    </message>
</context>
<context>
    <name>kettwerk::ui::MainWindow</name>
    <message>
        <source>Kettwerk für Wildfire 2.0</source>
        <translation>Kettwerk for Wildfire 2.0</translation>
    </message>
    <message>
        <source>Bitte Dateien wählen</source>
        <translation>Please choose files</translation>
    </message>
    <message>
        <source>Datei lesen...</source>
        <translation>Reading file...</translation>
    </message>
</context>
<context>
    <name>kettwerk::ui::MapkeyWindow</name>
    <message>
        <source>Mapkey ausführen</source>
        <translation>Run mapkey</translation>
    </message>
    <message>
        <source>bei der Ausführung dieses Mapkeys wird NICHT automatisch gespeichert !</source>
        <translation>Running this mapkey does NOT save anything automatically!</translation>
    </message>
    <message>
        <source>Name des Mapkeys eingeben:</source>
        <translation>Enter the mapkey name:</translation>
    </message>
    <message>
        <source>Weitere config.pro mit Mapkeys hinzufügen …</source>
        <translation>Add another config.pro with mapkeys …</translation>
    </message>
    <message>
        <source>config.pro mit Mapkeys</source>
        <translation>config.pro with mapkeys</translation>
    </message>
    <message>
        <source>Pro/ENGINEER-Konfiguration (*.pro);;Alle Dateien (*)</source>
        <translation>Pro/ENGINEER configuration (*.pro);;All files (*)</translation>
    </message>
    <message>
        <source>mehrere Mapkeys mit &quot;;&quot; und &quot;%&quot; trennen, z.B.: </source>
        <translation>separate mapkeys by &quot;;%&quot;, e.g.: </translation>
    </message>
    <message>
        <source>Fortschritt in doit.log protokollieren</source>
        <translation>Log the progress in doit.log</translation>
    </message>
    <message>
        <source>Der Batch notiert beim Lauf in doit.log, welche Datei er gerade öffnet. Strg+L im Hauptfenster zeigt den Lauf.</source>
        <translation>While it runs, the batch notes in doit.log which file it is opening. Ctrl+L in the main window shows the run.</translation>
    </message>
</context>
<context>
    <name>kettwerk::ui::MenuPanel</name>
    <message>
        <source>Menue</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Zwischenablage einfügen</source>
        <translation>Paste from the clipboard</translation>
    </message>
    <message>
        <source>ALLE</source>
        <translation>ALL</translation>
    </message>
    <message>
        <source>Liste löschen</source>
        <translation>Clear list</translation>
    </message>
    <message>
        <source>einzelner Eintrag</source>
        <translation>single entry</translation>
    </message>
    <message>
        <source>file bowser</source>
        <translation>file browser</translation>
    </message>
</context>
<context>
    <name>kettwerk::ui::MessageBox</name>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>kettwerk::ui::OutputFolderPanel</name>
    <message>
        <source>Speicherort doit.pro</source>
        <translation>doit.pro location</translation>
    </message>
    <message>
        <source>Laufwerk nicht verfügbar !</source>
        <translation>Drive not available!</translation>
    </message>
</context>
<context>
    <name>kettwerk::ui::RunFilesModel</name>
    <message>
        <source>fertig</source>
        <translation>done</translation>
    </message>
    <message>
        <source>vermutlich hängen geblieben</source>
        <translation>probably stuck</translation>
    </message>
    <message>
        <source>läuft</source>
        <translation>running</translation>
    </message>
    <message>
        <source>wartet</source>
        <translation>waiting</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Zustand</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Sekunden</source>
        <translation>Seconds</translation>
    </message>
</context>
<context>
    <name>kettwerk::ui::RunWindow</name>
    <message>
        <source>Batchlauf</source>
        <translation>Batch run</translation>
    </message>
    <message>
        <source>%v von %m begonnen</source>
        <translation>%v of %m started</translation>
    </message>
    <message>
        <source>Hängen geblieben nach dem</source>
        <translation>Stuck after</translation>
    </message>
    <message>
        <source>fachen der Medianzeit, frühestens nach</source>
        <translation>times the median time, at the earliest after</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Rest als neue doit.pro</source>
        <translation>Rest as new doit.pro</translation>
    </message>
    <message>
        <source>Im Speicherort gibt es keine doit.log: „%1“.</source>
        <translation>There is no doit.log in the output folder: “%1”.</translation>
    </message>
    <message>
        <source>Lauf %1 vom %2 mit %3 Dateien: „%4“</source>
        <translation>Run %1 of %2 with %3 files: “%4”</translation>
    </message>
    <message numerus="yes">
        <source>%n Zeilen übergangen (siehe Tooltip)</source>
        <translation>
            <numerusform>%n line passed over (see the tooltip)</numerusform>
            <numerusform>%n lines passed over (see the tooltip)</numerusform>
        </translation>
    </message>
    <message>
        <source>Fertig: alle %1 Dateien.</source>
        <translation>Finished: all %1 files.</translation>
    </message>
    <message>
        <source>Noch nicht begonnen.</source>
        <translation>Not started yet.</translation>
    </message>
    <message>
        <source>Jetzt: Nr. %1 %2</source>
        <translation>Now: no. %1 %2</translation>
    </message>
    <message>
        <source>Seit dem Beginn: %1 · Median je Datei: %2 · Rest: etwa %3</source>
        <translation>Since the start: %1 · median per file: %2 · left: about %3</translation>
    </message>
    <message>
        <source>Seit %1 keine Rückmeldung: Nr. %2 %3</source>
        <translation>No sign for %1: no. %2 %3</translation>
    </message>
    <message>
        <source>ab Nr. %1 wiederholen</source>
        <translation>repeat from no. %1</translation>
    </message>
    <message>
        <source>Nr. %1 überspringen</source>
        <translation>skip no. %1</translation>
    </message>
    <message>
        <source>doit.pro enthält nun die %1 übrigen Dateien ab Nr. %2. Der Mapkey auto in Pro/ENGINEER setzt den Lauf fort.</source>
        <translation>doit.pro now holds the %1 remaining files from no. %2 on. The mapkey auto in Pro/ENGINEER goes on with the run.</translation>
    </message>
</context>
<context>
    <name>kettwerk::ui::explanations</name>
    <message>
        <source>Mit diesem Knopf wird die Generierung des Mapkeys gestartet und die Datei doit.pro angelegt.</source>
        <translation>This button starts generating the mapkey and creates the file doit.pro.</translation>
    </message>
    <message>
        <source>Mit dieser Funktion können verschiedene Mapkeys ausgelöst werden. Die Mapkeys müssen in Ihrer Konfiguration definiert sein.</source>
        <translation>This function runs several mapkeys. The mapkeys must be defined in your configuration.</translation>
    </message>
    <message>
        <source>Statuszeile. An dieser Stelle werden Hinweise und Informationen zum Programm ablauf angezeigt.</source>
        <translation>Status line. Notes and information about the progress of the program are shown here.</translation>
    </message>
    <message>
        <source>Anzeige des Info Formulars</source>
        <translation>Shows the info window</translation>
    </message>
    <message>
        <source>Das Programm verlassen</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>Aktiviert die Eingabemaske für die zu bearbeitenden Dateien.</source>
        <translation>Opens the input panel for the files to process.</translation>
    </message>
    <message>
        <source>Hier kann mit einem kleinen Browser das Verzeichnis eingestellt werden indem sich die Datei doit.pro befinden soll. Es sollte das Arbeitsverzeichnis von Pro/ENGINEER sein. Klicken Sie dazu zunächst diese Überschrift an.</source>
        <translation>Here a small browser sets the folder in which doit.pro is to be written. It should be the working folder of Pro/ENGINEER. To open the browser, first click this heading.</translation>
    </message>
    <message>
        <source>Mit dieser Funktion wird der config.pro der Mapkey auto zugewiesen. Die config.pro liegt im Verzeichnis: %1 Mit der Tastenfolge &gt;&gt; auto &lt;&lt;  -eingegeben in der Pro/ENGINEER Oberfläche-  wird die Datei doit.pro geladen und ausgeführt.</source>
        <translation>This function adds the mapkey auto to config.pro. The config.pro lies in the folder: %1 Typing &gt;&gt; auto &lt;&lt; in Pro/ENGINEER loads the file doit.pro and runs it.</translation>
    </message>
</context>
</TS>
