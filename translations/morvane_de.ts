<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Batch</name>
    <message>
        <source>Please select a destination folder for Copy/Move mode.</source>
        <translation>Bitte wählen Sie einen Zielordner für Kopieren/Verschieben.</translation>
    </message>
    <message>
        <source>Please build preview first (click &quot;Preview Result&quot; button).</source>
        <translation>Bitte erstellen Sie zuerst eine Vorschau (Schaltfläche „Ergebnis-Vorschau“).</translation>
    </message>
    <message>
        <source>Batch completed. A CSV log has been saved in AppData.</source>
        <translation>Stapel abgeschlossen. Ein CSV-Protokoll wurde in AppData gespeichert.</translation>
    </message>
    <message>
        <source>The specified file was not found</source>
        <translation>Die angegebene Datei wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The specified path was not found</source>
        <translation>Der angegebene Pfad wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The specified file already exists</source>
        <translation>Die angegebene Datei existiert bereits</translation>
    </message>
    <message>
        <source>The file changed while it was being copied</source>
        <translation>Die Datei hat sich während des Kopierens geändert</translation>
    </message>
    <message>
        <source>No undo log found in AppData.</source>
        <translation>Kein Rückgängig-Protokoll in AppData gefunden.</translation>
    </message>
    <message>
        <source>Undo completed for the last rename operation.</source>
        <translation>Die letzte Umbenennung wurde rückgängig gemacht.</translation>
    </message>
    <message>
        <source>No mapping for the Unicode character exists in the target multi-byte code page</source>
        <translation>Für das Unicode-Zeichen gibt es in der Ziel-Codepage keine Entsprechung</translation>
    </message>
    <message>
        <source>The destination folder &quot;%1&quot; is not a full path. Give it from the root, such as /home/you/Photos, or from your home folder, such as ~/Photos.</source>
        <translation>Der Zielordner „%1“ ist kein vollständiger Pfad. Geben Sie ihn ab dem Wurzelordner an, etwa /home/sie/Fotos, oder ab Ihrem persönlichen Ordner, etwa ~/Fotos.</translation>
    </message>
    <message>
        <source>The destination folder %1 cannot be created: %2</source>
        <translation>Der Zielordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <source>Same new name as row %1</source>
        <translation>Gleicher neuer Name wie Zeile %1</translation>
    </message>
    <message>
        <source>A file of this name is already there</source>
        <translation>Eine Datei dieses Namens ist schon da</translation>
    </message>
    <message>
        <source>Name too long for the file system</source>
        <translation>Name zu lang für das Dateisystem</translation>
    </message>
    <message>
        <source>Empty name</source>
        <translation>Leerer Name</translation>
    </message>
    <message>
        <source>No preview yet</source>
        <translation>Noch keine Vorschau</translation>
    </message>
    <message numerus="yes">
        <source>%n clash(es)</source>
        <translation>
            <numerusform>%n Konflikt</numerusform>
            <numerusform>%n Konflikte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n too long</source>
        <translation>
            <numerusform>%n zu lang</numerusform>
            <numerusform>%n zu lang</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n empty</source>
        <translation>
            <numerusform>%n leer</numerusform>
            <numerusform>%n leer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not built</source>
        <translation>
            <numerusform>%n nicht erstellt</numerusform>
            <numerusform>%n nicht erstellt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unchanged</source>
        <translation>
            <numerusform>%n unverändert</numerusform>
            <numerusform>%n unverändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ready</source>
        <translation>
            <numerusform>%n bereit</numerusform>
            <numerusform>%n bereit</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1: %2 (%3 bytes)</source>
        <translation>Zeile %1: %2 (%3 Bytes)</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... und %n weitere</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new name(s) are too long for the file system of their folder; nothing was renamed:</source>
        <translation>
            <numerusform>%n neuer Name ist zu lang für das Dateisystem seines Ordners; nichts wurde umbenannt:</numerusform>
            <numerusform>%n neue Namen sind zu lang für das Dateisystem ihres Ordners; nichts wurde umbenannt:</numerusform>
        </translation>
    </message>
    <message>
        <source>Proceed to rename files as shown in the preview?</source>
        <translation>Dateien wie in der Vorschau gezeigt umbenennen?</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be renamed.</source>
        <translation>
            <numerusform>%n Datei wird umbenannt.</numerusform>
            <numerusform>%n Dateien werden umbenannt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be copied.</source>
        <translation>
            <numerusform>%n Datei wird kopiert.</numerusform>
            <numerusform>%n Dateien werden kopiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be moved.</source>
        <translation>
            <numerusform>%n Datei wird verschoben.</numerusform>
            <numerusform>%n Dateien werden verschoben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) keep their name.</source>
        <translation>
            <numerusform>%n Datei behält ihren Namen.</numerusform>
            <numerusform>%n Dateien behalten ihren Namen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clash(es) will be skipped.</source>
        <translation>
            <numerusform>%n Konflikt wird übersprungen.</numerusform>
            <numerusform>%n Konflikte werden übersprungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clash(es) will replace the file there (files of this batch are numbered instead).</source>
        <translation>
            <numerusform>%n Konflikt ersetzt die Datei dort (Dateien dieses Stapels werden stattdessen nummeriert).</numerusform>
            <numerusform>%n Konflikte ersetzen die Datei dort (Dateien dieses Stapels werden stattdessen nummeriert).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clash(es) will get a number.</source>
        <translation>
            <numerusform>%n Konflikt erhält eine Nummer.</numerusform>
            <numerusform>%n Konflikte erhalten eine Nummer.</numerusform>
        </translation>
    </message>
    <message>
        <source>Another batch is running</source>
        <translation>Ein anderer Stapel läuft gerade</translation>
    </message>
    <message>
        <source>Renaming %1 to %2</source>
        <translation>%1 wird in %2 umbenannt</translation>
    </message>
    <message>
        <source>Moving %1 to %2</source>
        <translation>%1 wird nach %2 verschoben</translation>
    </message>
    <message>
        <source>Copying %1 to %2</source>
        <translation>%1 wird nach %2 kopiert</translation>
    </message>
    <message>
        <source>Moving %1 back to %2</source>
        <translation>%1 wird zurück nach %2 verschoben</translation>
    </message>
    <message>
        <source>Locking %1</source>
        <translation>%1 wird gesperrt</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>Undo finished, but %1 file(s) stayed at their new names: another file now holds the old name.

%2

The undo log keeps these files. Move the other files out of the way and undo again.</source>
        <translation>Rückgängig beendet, aber %1 Datei(en) blieben unter ihrem neuen Namen: eine andere Datei hat jetzt den alten Namen.

%2

Das Rückgängig-Protokoll behält diese Dateien. Räumen Sie die anderen Dateien aus dem Weg und machen Sie erneut rückgängig.</translation>
    </message>
    <message>
        <source>Batch finished with errors. A CSV log has been saved in AppData.

Renamed: %1
Skipped as clashes: %2
Failed: %3

%4

The full list of failures: %5</source>
        <translation>Stapel mit Fehlern beendet. Ein CSV-Protokoll wurde in AppData gespeichert.

Umbenannt: %1
Als Konflikt übersprungen: %2
Fehlgeschlagen: %3

%4

Die vollständige Liste der Fehler: %5</translation>
    </message>
    <message>
        <source>Undo completed for %1 batch(es).</source>
        <translation>Rückgängig abgeschlossen für %1 Stapel.</translation>
    </message>
    <message>
        <source>%1 file(s)</source>
        <translation>%1 Datei(en)</translation>
    </message>
    <message>
        <source>renamed in place</source>
        <translation>am Ort umbenannt</translation>
    </message>
    <message>
        <source>copied or moved</source>
        <translation>kopiert oder verschoben</translation>
    </message>
    <message numerus="yes">
        <source>The list holds %n folder(s). Folders are renamed in place only: choose &quot;Rename in place&quot;, or remove the folders from the list. Nothing was copied or moved.</source>
        <translation>
            <numerusform>Die Liste enthält %n Ordner. Ordner werden nur an Ort und Stelle umbenannt: wählen Sie „An Ort und Stelle umbenennen“ oder entfernen Sie die Ordner aus der Liste. Es wurde nichts kopiert oder verschoben.</numerusform>
            <numerusform>Die Liste enthält %n Ordner. Ordner werden nur an Ort und Stelle umbenannt: wählen Sie „An Ort und Stelle umbenennen“ oder entfernen Sie die Ordner aus der Liste. Es wurde nichts kopiert oder verschoben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>/undo cannot be combined with /dryrun: an undo cannot be tried out.</source>
        <translation>/undo lässt sich nicht mit /dryrun verbinden: ein Rückgängigmachen kann nicht erprobt werden.</translation>
    </message>
    <message>
        <source>/undo takes no files or folders: it reverts the last batch from its undo log.</source>
        <translation>/undo nimmt keine Dateien oder Ordner: es nimmt den letzten Stapel anhand seines Protokolls zurück.</translation>
    </message>
    <message>
        <source>No files or folders given.</source>
        <translation>Keine Dateien oder Ordner angegeben.</translation>
    </message>
    <message>
        <source>File or folder not found: %1</source>
        <translation>Datei oder Ordner nicht gefunden: %1</translation>
    </message>
    <message>
        <source>These files were left out because their names are not valid UTF-8 text:
%1</source>
        <translation>Diese Dateien wurden ausgelassen, weil ihre Namen kein gültiger UTF-8-Text sind:
%1</translation>
    </message>
    <message>
        <source>File or folder not found:
%1</source>
        <translation>Datei oder Ordner nicht gefunden:
%1</translation>
    </message>
    <message>
        <source>The switch /%1 takes no value.</source>
        <translation>Der Schalter /%1 nimmt keinen Wert.</translation>
    </message>
    <message>
        <source>The option /%1 needs a value: /%1=VALUE.</source>
        <translation>Die Option /%1 braucht einen Wert: /%1=WERT.</translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>Fehler: </translation>
    </message>
    <message>
        <source>Warning: </source>
        <translation>Warnung: </translation>
    </message>
    <message>
        <source>Try &apos;morvane --help&apos; for more information.
</source>
        <translation>Mehr dazu mit »morvane --help«.
</translation>
    </message>
    <message>
        <source>/quiet runs a batch only together with /cli.</source>
        <translation>/quiet führt einen Stapel nur zusammen mit /cli aus.</translation>
    </message>
    <message>
        <source>Error: cannot write to standard output.
</source>
        <translation>Fehler: Die Standardausgabe kann nicht geschrieben werden.
</translation>
    </message>
    <message>
        <source>/descending needs /sort=name, date or size.</source>
        <translation>/descending braucht /sort=name, date oder size.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number, not &quot;%2&quot;.</source>
        <translation>--%1 erwartet eine ganze Zahl, nicht „%2“.</translation>
    </message>
    <message>
        <source>--%1 takes true or false, not &quot;%2&quot;.</source>
        <translation>--%1 erwartet true oder false, nicht „%2“.</translation>
    </message>
    <message>
        <source>--%1 takes %2 (or 0 to %3), not &quot;%4&quot;.</source>
        <translation>--%1 erwartet %2 (oder 0 bis %3), nicht „%4“.</translation>
    </message>
    <message>
        <source>Unknown sort key &quot;%1&quot;: use /sort=name, date, size or none.</source>
        <translation>Unbekannter Sortierschlüssel „%1“: verwenden Sie /sort=name, date, size oder none.</translation>
    </message>
    <message>
        <source>The preset keys %1 are the options of the same name above.
</source>
        <translation>Die Vorlagenschlüssel %1 sind die gleichnamigen Optionen oben.
</translation>
    </message>
    <message>
        <source>/undo-history only lists the batches that can be undone: give it nothing else.</source>
        <translation>/undo-history listet nur die Stapel auf, die sich zurücknehmen lassen: geben Sie sonst nichts an.</translation>
    </message>
    <message>
        <source>/onError takes stop or skip, not &quot;%1&quot;.</source>
        <translation>/onError erwartet stop oder skip, nicht „%1“.</translation>
    </message>
    <message>
        <source>These files or folders could not be read, so their files were left out:
%1</source>
        <translation>Diese Dateien oder Ordner konnten nicht gelesen werden, ihre Dateien wurden ausgelassen:
%1</translation>
    </message>
    <message>
        <source>Usage: morvane [FILE|FOLDER...]
       morvane /cli [/quiet] [OPTIONS] FILE|FOLDER...
       morvane /cli [/quiet] /undo
       morvane /cli [/quiet] /undo-history

Renames files in a batch. Without /cli the window opens with the files and
folders given. With /cli one batch runs without questions: the options are
applied, the preview is built and the new names are applied.

Switches:
  /cli             run one batch from the command line
  /quiet           no window and no message boxes; messages are printed
                   (information to stdout, warnings and errors to stderr)
  /dryrun          build the preview only; touch no file. With /quiet the
                   preview is printed: original path, TAB, new name, one
                   line per file (TAB, CR, LF and \ written as \t \r \n \\)
  /regex           find and replace with regular expressions
  /undo            revert the last batch from its undo log instead; a file
                   now standing at an old name is never replaced: that file
                   stays at its new name and its line stays in the log
  /undo-history    list the batches that can still be undone, newest first
                   (the last 20; older ones are reverted from the window)
  /descending      with /sort: the other way round
  /help, /?        show this text

Options:
  /pattern=TEXT    name pattern, e.g. {counter}_{name} or {taken:yyyymmdd_hhnnss};
                   the keywords are listed in the window&apos;s pattern help (the
                   &quot;?&quot; button beside the pattern)
  /start=N         first counter value
  /digits=N        counter digits (1 to 10)
  /case=lower|upper|title   case of the new names (other: unchanged)
  /find=TEXT       text to find in the new names
  /replace=TEXT    its replacement
  /newext=EXT      new extension (empty: keep the extension)
  /conflict=skip|overwrite|number   when the target exists (default: number)
  /preset=FILE     load a preset first; absent options then keep its values
  /onError=stop|skip   when a file cannot be renamed: stop there (default),
                   or skip it, go on, and list the failures at the end
  /sort=name|date|size|none   order of the files before they are numbered:
                   name as file managers list names (case ignored, numbers
                   by value), date last written, size in bytes; ties by
                   name. none (the default) keeps the order given, each
                   folder&apos;s files in name order
  /mask=PATTERNS   take only the files of folders that fit one of the
                   patterns, e.g. &quot;*.jpg;*.png&quot; (* any text, ? one
                   character, case ignored)

Preset keys, applied after /preset= and before the options above:
</source>
        <translation>Aufruf: morvane [DATEI|ORDNER...]
        morvane /cli [/quiet] [OPTIONEN] DATEI|ORDNER...
        morvane /cli [/quiet] /undo

Benennt Dateien stapelweise um. Ohne /cli öffnet sich das Fenster mit den
angegebenen Dateien und Ordnern. Mit /cli läuft ein Stapel ohne Rückfragen:
die Optionen werden übernommen, die Vorschau erstellt und die neuen Namen
angewendet.

Schalter:
  /cli             einen Stapel von der Befehlszeile ausführen
  /quiet           kein Fenster und keine Meldungsfenster; Meldungen werden
                   ausgegeben (Hinweise auf stdout, Warnungen und Fehler auf stderr)
  /dryrun          nur die Vorschau erstellen, keine Datei anfassen. Mit /quiet
                   wird die Vorschau ausgegeben: ursprünglicher Pfad, TAB, neuer
                   Name, eine Zeile je Datei (TAB, CR, LF und \ als \t \r \n \\)
  /regex           Suchen und Ersetzen mit regulären Ausdrücken
  /undo            stattdessen den letzten Stapel anhand seines Protokolls
                   zurücknehmen; eine Datei, die jetzt unter einem alten Namen
                   steht, wird nie ersetzt: die Datei des Stapels bleibt unter
                   ihrem neuen Namen und ihre Zeile im Protokoll
  /undo-history    die Stapel auflisten, die sich noch zurücknehmen lassen,
                   neueste zuerst (die letzten 20; ältere im Fenster)
  /descending      mit /sort: in umgekehrter Reihenfolge
  /help, /?        diesen Text anzeigen

Optionen:
  /pattern=TEXT    Namensmuster, z. B. {counter}_{name} oder {taken:yyyymmdd_hhnnss};
                   die Schlüsselwörter stehen in der Musterhilfe des Fensters
                   (die Schaltfläche „?“ neben dem Muster)
  /start=N         erster Zählerwert
  /digits=N        Stellen des Zählers (1 bis 10)
  /case=lower|upper|title   Groß-/Kleinschreibung der neuen Namen (sonst: unverändert)
  /find=TEXT       in den neuen Namen zu suchender Text
  /replace=TEXT    sein Ersatz
  /newext=EXT      neue Endung (leer: Endung behalten)
  /conflict=skip|overwrite|number   wenn das Ziel existiert (Standard: number)
  /preset=DATEI    zuerst eine Vorlage laden; fehlende Optionen behalten dann ihre Werte
  /onError=stop|skip   wenn eine Datei nicht umbenannt werden kann: dort anhalten
                   (Standard) oder sie überspringen, weitermachen und die
                   Fehler am Ende auflisten
  /sort=name|date|size|none   Reihenfolge der Dateien, bevor sie nummeriert werden:
                   name wie Dateimanager Namen ordnen (Groß-/Kleinschreibung
                   egal, Zahlen nach Wert), date zuletzt geschrieben, size in
                   Bytes; Gleichstand nach Name. none (Standard) behält die
                   angegebene Reihenfolge, die Dateien jedes Ordners nach Name
  /mask=MUSTER     nur die Dateien von Ordnern nehmen, die zu einem der Muster
                   passen, z. B. &quot;*.jpg;*.png&quot; (* beliebiger Text, ? ein
                   Zeichen, Groß-/Kleinschreibung egal)

Vorlagenschlüssel, angewendet nach /preset= und vor den Optionen oben:
</translation>
    </message>
    <message>
        <source>
Every switch and option may also be written as --name or --name=value, in
any letter case. Other arguments are files (added) and folders (their files
added; with subfolders when the preset says so). A path whose name looks
like an option, such as /pattern=x, can be written as /./pattern=x, and
every argument after -- is a path. A destination folder is a full path or
starts with ~/ for the home folder.

Symbolic links are renamed and moved as links. Copy to folder copies the
file a link points to, as cp does. One batch or undo runs at a time.

Exit status: 0 done, 1 an error or warning stopped the run, 2 usage fault.
</source>
        <translation>
Jeder Schalter und jede Option kann auch als --name oder --name=wert geschrieben
werden, in beliebiger Groß-/Kleinschreibung. Weitere Argumente sind Dateien
(werden hinzugefügt) und Ordner (ihre Dateien werden hinzugefügt; mit
Unterordnern, wenn die Vorlage es sagt). Ein Pfad, dessen Name wie eine Option
aussieht, etwa /pattern=x, kann als /./pattern=x geschrieben werden, und jedes
Argument nach -- ist ein Pfad. Ein Zielordner ist ein vollständiger Pfad oder
beginnt mit ~/ für den persönlichen Ordner.

Symbolische Verknüpfungen werden als Verknüpfungen umbenannt und verschoben.
„Kopieren in Ordner“ kopiert die Datei, auf die eine Verknüpfung zeigt, wie cp.
Es läuft immer nur ein Stapel oder ein Rückgängigmachen zugleich.

Rückgabewert: 0 erledigt, 1 ein Fehler oder eine Warnung hat den Lauf beendet,
2 falscher Aufruf.
</translation>
    </message>
    <message>
        <source>
Folders as items:
  /folders         rename the folders given themselves, not their files
                   (with --includeSubfolders=true every folder below them
                   too; the deepest are renamed first). Folders are renamed
                   in place only: copy and move refuse them.
</source>
        <translation>
Ordner als Einträge:
  /folders         die angegebenen Ordner selbst umbenennen, nicht ihre Dateien
                   (mit --includeSubfolders=true auch jeden Ordner darunter;
                   die tiefsten zuerst). Ordner werden nur an Ort und Stelle
                   umbenannt: Kopieren und Verschieben lehnen sie ab.
</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Photo metadata, audio tags and picture sizes cannot be read: the module morvane-metadata.so could not be loaded (%1)</source>
        <translation>Fotometadaten, Audio-Tags und Bildgrößen können nicht gelesen werden: das Modul morvane-metadata.so konnte nicht geladen werden (%1)</translation>
    </message>
    <message>
        <source>Error in regular expression at offset %1: %2</source>
        <translation>Fehler im regulären Ausdruck an Stelle %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>No mapping for the Unicode character exists in the target multi-byte code page</source>
        <translation>Für das Unicode-Zeichen gibt es in der Ziel-Codepage keine Entsprechung</translation>
    </message>
    <message>
        <source>Invalid characters in path</source>
        <translation>Ungültige Zeichen im Pfad</translation>
    </message>
    <message>
        <source>No files loaded. Add files first.</source>
        <translation>Keine Dateien geladen. Fügen Sie zuerst Dateien hinzu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be named exactly: its name is not valid UTF-8 text</source>
        <translation>„%1“ kann nicht genau benannt werden: sein Name ist kein gültiger UTF-8-Text</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>The file &quot;%1&quot; is not UTF-8 text</source>
        <translation>Die Datei „%1“ ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large for a preset</source>
        <translation>Die Datei „%1“ ist zu groß für eine Vorlage</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>This version of the software is out of date. You must download the current version %1 to continue using the software.</source>
        <translation>Diese Version der Software ist veraltet. Laden Sie die aktuelle Version %1 herunter, um die Software weiter zu verwenden.</translation>
    </message>
    <message>
        <source>The new version %1 is available</source>
        <translation>Die neue Version %1 ist verfügbar</translation>
    </message>
    <message>
        <source>What&apos;s new:</source>
        <translation>Neuigkeiten:</translation>
    </message>
</context>
<context>
    <name>morvane::AppTexts</name>
    <message>
        <source>add files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>add a folder</source>
        <translation>einen Ordner hinzufügen</translation>
    </message>
    <message>
        <source>preview the new names</source>
        <translation>Vorschau der neuen Namen</translation>
    </message>
    <message>
        <source>rename the files</source>
        <translation>die Dateien umbenennen</translation>
    </message>
    <message>
        <source>undo the last rename</source>
        <translation>die letzte Umbenennung rückgängig machen</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>diese Hilfe</translation>
    </message>
    <message>
        <source>remove the selected files from the list</source>
        <translation>die ausgewählten Dateien aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Keyboard shortcuts:</source>
        <translation>Tastenkürzel:</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Website: %1</source>
        <translation>Website: %1</translation>
    </message>
    <message>
        <source>This software is protected by copyright law and international treaties. </source>
        <translation>Diese Software ist durch das Urheberrecht und internationale Verträge geschützt. </translation>
    </message>
    <message>
        <source>Unauthorised reproduction or distribution of this program, or any portion of it, </source>
        <translation>Unerlaubte Vervielfältigung oder Verbreitung dieses Programms oder eines Teils davon </translation>
    </message>
    <message>
        <source>may result in severe civil and criminal penalties, and will be prosecuted </source>
        <translation>kann schwere zivil- und strafrechtliche Folgen haben und wird </translation>
    </message>
    <message>
        <source>to the maximum extent possible under the law.</source>
        <translation>im größtmöglichen gesetzlich zulässigen Umfang verfolgt.</translation>
    </message>
    <message>
        <source>Copyright (c) %1 Quenzel. All rights reserved.</source>
        <translation>Copyright (c) %1 Quenzel. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Pattern defines how the new file name will be built.</source>
        <translation>Das Muster bestimmt, wie der neue Dateiname gebildet wird.</translation>
    </message>
    <message>
        <source>You can combine plain text with keywords in braces.</source>
        <translation>Sie können einfachen Text mit Schlüsselwörtern in geschweiften Klammern kombinieren.</translation>
    </message>
    <message>
        <source>Examples:</source>
        <translation>Beispiele:</translation>
    </message>
    <message>
        <source>Supported keywords:</source>
        <translation>Unterstützte Schlüsselwörter:</translation>
    </message>
    <message>
        <source>{name} - file name after string replacement</source>
        <translation>{name} - Dateiname nach dem Ersetzen von Text</translation>
    </message>
    <message>
        <source>{ext} - original file extension without dot</source>
        <translation>{ext} - ursprüngliche Dateiendung ohne Punkt</translation>
    </message>
    <message>
        <source>{counter} - auto-increment number</source>
        <translation>{counter} - fortlaufende Nummer</translation>
    </message>
    <message>
        <source>{date} - current date</source>
        <translation>{date} - aktuelles Datum</translation>
    </message>
    <message>
        <source>{time} - current time</source>
        <translation>{time} - aktuelle Uhrzeit</translation>
    </message>
    <message>
        <source>{created} - file creation date</source>
        <translation>{created} - Erstellungsdatum der Datei</translation>
    </message>
    <message>
        <source>{modified} - file modification date</source>
        <translation>{modified} - Änderungsdatum der Datei</translation>
    </message>
    <message>
        <source>{parent}/{folder} - parent folder name</source>
        <translation>{parent}/{folder} - Name des übergeordneten Ordners</translation>
    </message>
    <message>
        <source>{size} - file size in bytes</source>
        <translation>{size} - Dateigröße in Byte</translation>
    </message>
    <message>
        <source>{list} - imported name list entry</source>
        <translation>{list} - Eintrag der importierten Namensliste</translation>
    </message>
    <message>
        <source>{imgw}/{imgh} - image width/height when available</source>
        <translation>{imgw}/{imgh} - Bildbreite/-höhe, sofern verfügbar</translation>
    </message>
    <message>
        <source>Formatting examples:</source>
        <translation>Beispiele für Formate:</translation>
    </message>
    <message>
        <source>{name:1:8} - substring of the original name</source>
        <translation>{name:1:8} - Teil des ursprünglichen Namens</translation>
    </message>
    <message>
        <source>Photo metadata (JPEG, TIFF, PNG, raw; empty when absent):</source>
        <translation>Fotometadaten (JPEG, TIFF, PNG, Raw; leer, wenn nicht vorhanden):</translation>
    </message>
    <message>
        <source>{taken} - date taken, yyyymmdd; {taken:yyyy-MM-dd_hh-nn-ss.zzz} formatted</source>
        <translation>{taken} - Aufnahmedatum, yyyymmdd; {taken:yyyy-MM-dd_hh-nn-ss.zzz} formatiert</translation>
    </message>
    <message>
        <source>{camera} - make and model; {make}, {model}, {lens}, {iso}</source>
        <translation>{camera} - Hersteller und Modell; {make}, {model}, {lens}, {iso}</translation>
    </message>
    <message>
        <source>{exif:Exif.Photo.FNumber} - any Exif, IPTC or XMP key</source>
        <translation>{exif:Exif.Photo.FNumber} - beliebiger Exif-, IPTC- oder XMP-Schlüssel</translation>
    </message>
    <message>
        <source>Audio tags (MP3, FLAC, Ogg, M4A, WMA, WAV, ...):</source>
        <translation>Audio-Tags (MP3, FLAC, Ogg, M4A, WMA, WAV, ...):</translation>
    </message>
    <message>
        <source>{artist}, {album}, {albumartist}, {title}, {track}, {disc}, {year}, {genre}</source>
        <translation>{artist}, {album}, {albumartist}, {title}, {track}, {disc}, {year}, {genre}</translation>
    </message>
</context>
<context>
    <name>morvane::CommandBar</name>
    <message>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Ordner hinzufügen...</translation>
    </message>
    <message>
        <source>Remove Selected Items</source>
        <translation>Ausgewählte Einträge entfernen</translation>
    </message>
    <message>
        <source>Preview Result</source>
        <translation>Ergebnis-Vorschau</translation>
    </message>
    <message>
        <source>Rename Files!</source>
        <translation>Dateien umbenennen!</translation>
    </message>
    <message>
        <source>Undo Last Rename</source>
        <translation>Letzte Umbenennung rückgängig</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>Vorlage speichern</translation>
    </message>
    <message>
        <source>Load Preset</source>
        <translation>Vorlage laden</translation>
    </message>
    <message>
        <source>Load Name List</source>
        <translation>Namensliste laden</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About Program</source>
        <translation>Über das Programm</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Unter&amp;ordner einbeziehen</translation>
    </message>
    <message>
        <source>Folders added or dropped bring the files of their subfolders too</source>
        <translation>Hinzugefügte oder abgelegte Ordner bringen auch die Dateien ihrer Unterordner mit</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Weitere Befehle</translation>
    </message>
    <message>
        <source>Live preview</source>
        <translation>Live-Vorschau</translation>
    </message>
    <message>
        <source>Live preview: rebuild the preview as rules, files or their order change</source>
        <translation>Live-Vorschau: die Vorschau neu erstellen, sobald sich Regeln, Dateien oder ihre Reihenfolge ändern</translation>
    </message>
    <message>
        <source>Show only problems</source>
        <translation>Nur Probleme</translation>
    </message>
    <message>
        <source>Show only rows that would not land as previewed</source>
        <translation>Nur Zeilen zeigen, die nicht wie in der Vorschau ankämen</translation>
    </message>
    <message>
        <source>Folder mask: *.jpg;*.png</source>
        <translation>Ordnermaske: *.jpg;*.png</translation>
    </message>
    <message>
        <source>Only files of added or dropped folders that fit one of these patterns (separated by &quot;;&quot;, * any text, ? one character, letter case ignored); empty takes every file</source>
        <translation>Nur Dateien hinzugefügter oder abgelegter Ordner, die zu einem dieser Muster passen (getrennt durch „;“, * beliebiger Text, ? ein Zeichen, Groß-/Kleinschreibung egal); leer nimmt jede Datei</translation>
    </message>
    <message>
        <source>Folder mask</source>
        <translation>Ordnermaske</translation>
    </message>
    <message>
        <source>Undo history...</source>
        <translation>Rückgängig-Verlauf...</translation>
    </message>
    <message>
        <source>Rename folders</source>
        <translation>Ordner umbenennen</translation>
    </message>
    <message>
        <source>Rename folders: added and dropped folders are renamed themselves, not their files (with Include subfolders, every folder below them too)</source>
        <translation>Ordner umbenennen: hinzugefügte und abgelegte Ordner werden selbst umbenannt, nicht ihre Dateien (mit „Unterordner einbeziehen“ auch jeder Ordner darunter)</translation>
    </message>
</context>
<context>
    <name>morvane::Dialogs</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>morvane::FileAdder</name>
    <message>
        <source>Select files to add</source>
        <translation>Hinzuzufügende Dateien auswählen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Select folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>These folders could not be read, so their files were not added:

%1</source>
        <translation>Diese Ordner konnten nicht gelesen werden, ihre Dateien wurden nicht hinzugefügt:

%1</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... und %n weiterer</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file name(s) are not valid UTF-8 and cannot be renamed safely, so they were skipped:

%1</source>
        <translation>
            <numerusform>%n Dateiname ist kein gültiges UTF-8 und kann nicht sicher umbenannt werden, daher wurde er übersprungen:

%1</numerusform>
            <numerusform>%n Dateinamen sind kein gültiges UTF-8 und können nicht sicher umbenannt werden, daher wurden sie übersprungen:

%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvane::FileListModel</name>
    <message>
        <source>Original Name</source>
        <translation>Ursprünglicher Name</translation>
    </message>
    <message>
        <source>New Name (preview)</source>
        <translation>Neuer Name (Vorschau)</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Old: %1
New: %2</source>
        <translation>Alt: %1
Neu: %2</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>morvane::FileListView</name>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>The files to rename with their new names; Delete removes the selected ones</source>
        <translation>Die umzubenennenden Dateien mit ihren neuen Namen; Entf entfernt die ausgewählten</translation>
    </message>
    <message>
        <source>Remove selected</source>
        <translation>Ausgewählte entfernen</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
</context>
<context>
    <name>morvane::HomePageLink</name>
    <message>
        <source>Opens the program&apos;s home page in the web browser</source>
        <translation>Öffnet die Homepage des Programms im Webbrowser</translation>
    </message>
</context>
<context>
    <name>morvane::InstallerDownload</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>The server answered HTTP %1 %2 and redirected to %3.</source>
        <translation>Der Server antwortete mit HTTP %1 %2 und leitete weiter zu %3.</translation>
    </message>
    <message>
        <source>The server answered HTTP %1 %2.</source>
        <translation>Der Server antwortete mit HTTP %1 %2.</translation>
    </message>
    <message>
        <source>Cannot find downloaded file.</source>
        <translation>Die heruntergeladene Datei ist nicht zu finden.</translation>
    </message>
</context>
<context>
    <name>morvane::MainWindow</name>
    <message>
        <source>An unexpected error stopped the operation</source>
        <translation>Ein unerwarteter Fehler hat den Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Files: %1</source>
        <translation>Dateien: %1</translation>
    </message>
    <message>
        <source>Nothing to rename. Add files and build a preview first.</source>
        <translation>Nichts umzubenennen. Fügen Sie zuerst Dateien hinzu und erstellen Sie eine Vorschau.</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Zielordner auswählen</translation>
    </message>
    <message>
        <source>No undo log found in AppData.</source>
        <translation>Kein Rückgängig-Protokoll in AppData gefunden.</translation>
    </message>
    <message>
        <source>Undo the %1 newest batch(es), newest first?</source>
        <translation>Die %1 neuesten Stapel rückgängig machen, den neuesten zuerst?</translation>
    </message>
</context>
<context>
    <name>morvane::NewVersionDialog</name>
    <message>
        <source>Update Now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>morvane::OperationPanel</name>
    <message>
        <source>Op&amp;eration::</source>
        <translation>Vorgan&amp;g::</translation>
    </message>
    <message>
        <source>Rename in place</source>
        <translation>An Ort und Stelle umbenennen</translation>
    </message>
    <message>
        <source>Copy to folder</source>
        <translation>In Ordner kopieren</translation>
    </message>
    <message>
        <source>MOVE to folder</source>
        <translation>In Ordner VERSCHIEBEN</translation>
    </message>
    <message>
        <source>Destinati&amp;on:</source>
        <translation>Zielo&amp;rdner:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Zielordner auswählen</translation>
    </message>
</context>
<context>
    <name>morvane::RuleFiles</name>
    <message>
        <source>Preset JSON (*.json)</source>
        <translation>Vorlage JSON (*.json)</translation>
    </message>
    <message>
        <source>Name list (*.txt *.csv);;All files (*)</source>
        <translation>Namensliste (*.txt *.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Name list (*.txt *.csv)</source>
        <translation>Namensliste (*.txt *.csv)</translation>
    </message>
</context>
<context>
    <name>morvane::RulePanel</name>
    <message>
        <source>&amp;Find in name:</source>
        <translation>&amp;Suchen im Namen:</translation>
    </message>
    <message>
        <source>&amp;Replace with:</source>
        <translation>&amp;Ersetzen durch:</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Keywords of the pattern</source>
        <translation>Schlüsselwörter des Musters</translation>
    </message>
    <message>
        <source>Pattern help</source>
        <translation>Hilfe zum Muster</translation>
    </message>
    <message>
        <source>&amp;Pattern:</source>
        <translation>&amp;Muster:</translation>
    </message>
    <message>
        <source>&amp;New extension:</source>
        <translation>&amp;Neue Endung:</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <source>lowercase</source>
        <translation>klein</translation>
    </message>
    <message>
        <source>UPPERCASE</source>
        <translation>GROSS</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Wörter Groß</translation>
    </message>
    <message>
        <source>&amp;Case:</source>
        <translation>Groß/&amp;klein:</translation>
    </message>
    <message>
        <source>&amp;Insert text</source>
        <translation>Text e&amp;infügen</translation>
    </message>
    <message>
        <source>&amp;at position:</source>
        <translation>an &amp;Position:</translation>
    </message>
    <message>
        <source>Remove fir&amp;st:</source>
        <translation>&amp;Vorne entfernen:</translation>
    </message>
    <message>
        <source>Remove &amp;last:</source>
        <translation>&amp;Hinten entfernen:</translation>
    </message>
    <message>
        <source>Remove fro&amp;m position</source>
        <translation>Entfernen &amp;ab Position</translation>
    </message>
    <message>
        <source>Remove from</source>
        <translation>Entfernen ab</translation>
    </message>
    <message>
        <source>&amp;until position:</source>
        <translation>bis Posi&amp;tion:</translation>
    </message>
    <message>
        <source>&amp;Trim from text:</source>
        <translation>Kürzen ab Te&amp;xt:</translation>
    </message>
    <message>
        <source>Trim until te&amp;xt:</source>
        <translation>Kürzen &amp;bis Text:</translation>
    </message>
    <message>
        <source>Collapse &amp;double spaces</source>
        <translation>Doppelte &amp;Leerzeichen zusammenfassen</translation>
    </message>
    <message>
        <source>Remove c&amp;haracters:</source>
        <translation>&amp;Zeichen entfernen:</translation>
    </message>
    <message>
        <source>Add leading &amp;zeroes to the numbers. Digits count:</source>
        <translation>Zahlen mit führenden N&amp;ullen auffüllen. Ziffernzahl:</translation>
    </message>
</context>
<context>
    <name>morvane::SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>If {counter} keyword is used in Pattern, then apply the following rules:</source>
        <translation>Wenn das Schlüsselwort {counter} im Muster vorkommt, gelten folgende Regeln:</translation>
    </message>
    <message>
        <source>Counter &amp;start:</source>
        <translation>&amp;Zählerstart:</translation>
    </message>
    <message>
        <source>&amp;Digits:</source>
        <translation>&amp;Stellen:</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message>
        <source>If the file name already exists, then apply the following change:</source>
        <translation>Wenn der Dateiname bereits existiert, gilt folgende Änderung:</translation>
    </message>
    <message>
        <source>&amp;Change:</source>
        <translation>Ä&amp;nderung:</translation>
    </message>
    <message>
        <source>Renaming</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Use &amp;Regular Expressions</source>
        <translation>&amp;Reguläre Ausdrücke verwenden</translation>
    </message>
    <message>
        <source>Timestamp</source>
        <translation>Zeitstempel</translation>
    </message>
    <message>
        <source>&amp;Update modified date/time</source>
        <translation>Änderungsdatum/-zeit a&amp;ktualisieren</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>System follows the desktop&apos;s light or dark colours</source>
        <translation>System folgt den hellen oder dunklen Farben des Desktops</translation>
    </message>
    <message>
        <source>&amp;Theme:</source>
        <translation>&amp;Design:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Auto-number</source>
        <translation>Automatisch nummerieren</translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>When a file cannot be renamed:</source>
        <translation>Wenn eine Datei nicht umbenannt werden kann:</translation>
    </message>
    <message>
        <source>Stop (default)</source>
        <translation>Anhalten (Standard)</translation>
    </message>
    <message>
        <source>Skip it and go on</source>
        <translation>Überspringen und weitermachen</translation>
    </message>
    <message>
        <source>Rename &amp;folders</source>
        <translation>&amp;Ordner umbenennen</translation>
    </message>
    <message>
        <source>Added and dropped folders are renamed themselves, not their files</source>
        <translation>Hinzugefügte und abgelegte Ordner werden selbst umbenannt, nicht ihre Dateien</translation>
    </message>
</context>
<context>
    <name>morvane::StatusBar</name>
    <message>
        <source>  Add the files</source>
        <translation>  Dateien hinzufügen</translation>
    </message>
    <message>
        <source>  Working: %1 of %2</source>
        <translation>  In Arbeit: %1 von %2</translation>
    </message>
</context>
<context>
    <name>morvane::Theme</name>
    <message>
        <source>The visual style &quot;%1&quot; cannot be applied: it is not among the program&apos;s resources. The default look is used.</source>
        <translation>Der Stil „%1“ kann nicht angewendet werden: Er ist nicht unter den Ressourcen des Programms. Das Standardaussehen wird verwendet.</translation>
    </message>
</context>
<context>
    <name>morvane::UndoHistoryDialog</name>
    <message>
        <source>Undo history</source>
        <translation>Rückgängig-Verlauf</translation>
    </message>
    <message>
        <source>Newest first. Undoing a batch undoes every newer batch first, one after another.</source>
        <translation>Neueste zuerst. Wer einen Stapel rückgängig macht, macht zuerst jeden neueren rückgängig, einen nach dem anderen.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Rename in place</source>
        <translation>An Ort und Stelle umbenennen</translation>
    </message>
    <message>
        <source>Copy or move to folder</source>
        <translation>In Ordner kopieren oder verschieben</translation>
    </message>
    <message>
        <source>Undo through selected</source>
        <translation>Bis zum gewählten rückgängig</translation>
    </message>
</context>
<context>
    <name>morvane::UpDownButtons</name>
    <message>
        <source>Increase</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Verringern</translation>
    </message>
</context>
</TS>
