<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CoreText</name>
    <message>
        <source>You must initialize the serial port.</source>
        <translation>Die serielle Schnittstelle muss zuerst initialisiert werden.</translation>
    </message>
    <message>
        <source>Invalid Data Format</source>
        <translation>Ungültiges Datenformat</translation>
    </message>
    <message>
        <source>Unknown Usage Type</source>
        <translation>Unbekannter Verwendungstyp</translation>
    </message>
    <message>
        <source>H/W version error</source>
        <translation>H/W-Versionsfehler</translation>
    </message>
    <message>
        <source>S/W version error</source>
        <translation>S/W-Versionsfehler</translation>
    </message>
    <message>
        <source>Model ID error</source>
        <translation>Modell-ID-Fehler</translation>
    </message>
    <message>
        <source>Checksum error</source>
        <translation>Prüfsummenfehler</translation>
    </message>
    <message>
        <source>Verify error</source>
        <translation>Verifizierungsfehler</translation>
    </message>
    <message>
        <source>Download OK</source>
        <translation>Senden OK</translation>
    </message>
    <message>
        <source>UpLoad Complete(C)!!</source>
        <translation>Empfang abgeschlossen (C)!!</translation>
    </message>
    <message>
        <source>UpLoad Complete(M)!!</source>
        <translation>Empfang abgeschlossen (M)!!</translation>
    </message>
    <message>
        <source>The previous file was kept.</source>
        <translation>Die bisherige Datei wurde beibehalten.</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>Invalid Data Format!!!</source>
        <translation>Ungültiges Datenformat!!!</translation>
    </message>
    <message>
        <source>Invalid Data Format, Check the Source File</source>
        <translation>Ungültiges Datenformat, Quelldatei prüfen</translation>
    </message>
    <message>
        <source>There is no channel with that number.</source>
        <translation>Es gibt keinen Kanal mit dieser Nummer.</translation>
    </message>
    <message>
        <source>There is no transponder with that number.</source>
        <translation>Es gibt keinen Transponder mit dieser Nummer.</translation>
    </message>
    <message>
        <source>There is no satellite with that number.</source>
        <translation>Es gibt keinen Satelliten mit dieser Nummer.</translation>
    </message>
    <message>
        <source>The file has no such favourite group.</source>
        <translation>Diese Favoritengruppe gibt es in der Datei nicht.</translation>
    </message>
    <message>
        <source>The channel list is full (10000 channels).</source>
        <translation>Die Kanalliste ist voll (10000 Kanäle).</translation>
    </message>
    <message>
        <source>The transponder table is full (1000 transponders).</source>
        <translation>Die Transpondertabelle ist voll (1000 Transponder).</translation>
    </message>
    <message>
        <source>A channel file holds at most 255 satellites.</source>
        <translation>Eine Kanaldatei fasst höchstens 255 Satelliten.</translation>
    </message>
    <message>
        <source>The favourite groups are full (10000 entries).</source>
        <translation>Die Favoritengruppen sind voll (10000 Einträge).</translation>
    </message>
    <message>
        <source>The channel is already in that favourite group.</source>
        <translation>Der Kanal ist bereits in dieser Favoritengruppe.</translation>
    </message>
    <message>
        <source>The channel is not in that favourite group.</source>
        <translation>Der Kanal ist nicht in dieser Favoritengruppe.</translation>
    </message>
    <message>
        <source>The new order does not name every channel exactly once.</source>
        <translation>Die neue Reihenfolge nennt nicht jeden Kanal genau einmal.</translation>
    </message>
    <message>
        <source>The favourite group has no entry at that place.</source>
        <translation>Die Favoritengruppe hat an dieser Stelle keinen Eintrag.</translation>
    </message>
    <message>
        <source>The file ends before its header is complete.</source>
        <translation>Die Datei endet, bevor ihr Header vollständig ist.</translation>
    </message>
    <message>
        <source>The file ends before its block head is complete.</source>
        <translation>Die Datei endet, bevor ihr Blockkopf vollständig ist.</translation>
    </message>
    <message>
        <source>The file ends before its general section is complete.</source>
        <translation>Die Datei endet, bevor ihr allgemeiner Abschnitt vollständig ist.</translation>
    </message>
    <message>
        <source>The file ends before its satellite section is complete.</source>
        <translation>Die Datei endet, bevor ihr Satellitenabschnitt vollständig ist.</translation>
    </message>
    <message>
        <source>The file ends before its transponder section is complete.</source>
        <translation>Die Datei endet, bevor ihr Transponderabschnitt vollständig ist.</translation>
    </message>
    <message>
        <source>The file ends before its channel section is complete.</source>
        <translation>Die Datei endet, bevor ihr Kanalabschnitt vollständig ist.</translation>
    </message>
    <message>
        <source>The file ends before its favourite section is complete.</source>
        <translation>Die Datei endet, bevor ihr Favoritenabschnitt vollständig ist.</translation>
    </message>
    <message>
        <source>The file ends before its CRC trailer is complete.</source>
        <translation>Die Datei endet, bevor ihr CRC-Trailer vollständig ist.</translation>
    </message>
    <message>
        <source>The file ends before its extra block is complete.</source>
        <translation>Die Datei endet, bevor ihr Zusatzblock vollständig ist.</translation>
    </message>
    <message>
        <source>The file ends before its extra block is complete. (A byte 0xF0 after the favourite section starts an extra block.)</source>
        <translation>Die Datei endet, bevor ihr Zusatzblock vollständig ist. (Ein Byte 0xF0 nach dem Favoritenabschnitt leitet einen Zusatzblock ein.)</translation>
    </message>
    <message>
        <source>The file holds %1 favourite groups; at most %2 fit.</source>
        <translation>Die Datei enthält %1 Favoritengruppen; höchstens %2 passen hinein.</translation>
    </message>
    <message>
        <source>The file holds %1 transponders; at most %2 fit.</source>
        <translation>Die Datei enthält %1 Transponder; höchstens %2 passen hinein.</translation>
    </message>
    <message>
        <source>The file holds %1 TV channels; at most %2 fit.</source>
        <translation>Die Datei enthält %1 TV-Kanäle; höchstens %2 passen hinein.</translation>
    </message>
    <message>
        <source>The file holds %1 radio channels; at most %2 fit.</source>
        <translation>Die Datei enthält %1 Radiokanäle; höchstens %2 passen hinein.</translation>
    </message>
    <message>
        <source>The favourite groups hold more than %1 TV members; at most %2 fit.</source>
        <translation>Die Favoritengruppen enthalten mehr als %1 TV-Einträge; höchstens %2 passen hinein.</translation>
    </message>
    <message>
        <source>The favourite groups hold more than %1 radio members; at most %2 fit.</source>
        <translation>Die Favoritengruppen enthalten mehr als %1 Radio-Einträge; höchstens %2 passen hinein.</translation>
    </message>
    <message>
        <source>The extra block is %1 bytes long; at most %2 fit.</source>
        <translation>Der Zusatzblock ist %1 Bytes lang; höchstens %2 passen hinein.</translation>
    </message>
    <message>
        <source>The file is too large to be a channel file: it holds more than %1 bytes.</source>
        <translation>Die Datei ist zu groß für eine Kanaldatei: Sie enthält mehr als %1 Bytes.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>velmora::AboutBox</name>
    <message>
        <source>About VelmoraEdit</source>
        <translation>Über VelmoraEdit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>VelmoraEdit Version 1.0</source>
        <translation>VelmoraEdit Version 1.0</translation>
    </message>
    <message>
        <source>Release %1
Copyright © The VelmoraEdit developers
Licensed under the GNU General Public License, version 3 or later
(GPL-3.0-or-later). There is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Release %1
Copyright © Die VelmoraEdit-Entwickler
Lizenziert unter der GNU General Public License, Version 3 oder später
(GPL-3.0-or-later). Es besteht KEINE GEWÄHRLEISTUNG, soweit gesetzlich zulässig.</translation>
    </message>
    <message>
        <source>Channel list editor for Velmora receivers</source>
        <translation>Kanallisten-Editor für Velmora-Receiver</translation>
    </message>
</context>
<context>
    <name>velmora::ApplyOrderDialog</name>
    <message>
        <source>Apply Order From %1</source>
        <translation>Reihenfolge von %1 übernehmen</translation>
    </message>
    <message>
        <source>Put both lists in the order of %1?</source>
        <translation>Beide Listen in die Reihenfolge von %1 bringen?</translation>
    </message>
</context>
<context>
    <name>velmora::CArdelEditView</name>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>PID Mode</source>
        <translation>PID-Modus</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>PMT PID</source>
        <translation>PMT-PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>[HEX]</source>
        <translation>[HEX]</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>Transponder No.</source>
        <translation>Transponder-Nr.</translation>
    </message>
    <message>
        <source>Transponder ID</source>
        <translation>Transponder-ID</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>Netzwerk-ID</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequenz (MHz)</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Symbol Rate (kS/s)</source>
        <translation>Symbolrate (kS/s)</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Orbitposition</translation>
    </message>
    <message>
        <source>TV Channel List</source>
        <translation>TV-Kanalliste</translation>
    </message>
    <message>
        <source>Radio Channel List</source>
        <translation>Radio-Kanalliste</translation>
    </message>
    <message>
        <source>Marked channel will be deleted, proceed saving?</source>
        <translation>Markierter Kanal wird gelöscht, Speichern fortsetzen?</translation>
    </message>
    <message numerus="yes">
        <source>%n marked channels will be deleted, proceed saving?</source>
        <translation>
            <numerusform>%n markierter Kanal wird gelöscht, Speichern fortsetzen?</numerusform>
            <numerusform>%n markierte Kanäle werden gelöscht, Speichern fortsetzen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Satellite &apos;%1&apos;</source>
        <translation>Satellit „%1“ bearbeiten</translation>
    </message>
    <message>
        <source>Edit Transponder %1</source>
        <translation>Transponder %1 bearbeiten</translation>
    </message>
    <message>
        <source>Edit Channel &apos;%1&apos;</source>
        <translation>Kanal „%1“ bearbeiten</translation>
    </message>
    <message>
        <source>Only Western European (Latin-1) characters can be stored in a channel file</source>
        <translation>In einer Kanaldatei lassen sich nur westeuropäische Zeichen (Latin-1) speichern</translation>
    </message>
    <message>
        <source>Edit Favourite Groups</source>
        <translation>Favoritengruppen bearbeiten</translation>
    </message>
    <message>
        <source>Save changes to the All Data Channels?</source>
        <translation>Änderungen an allen Kanaldaten speichern?</translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened. Overwrite it?</source>
        <translation>Die Datei wurde seit dem Öffnen auf der Festplatte geändert. Überschreiben?</translation>
    </message>
    <message>
        <source>The channel file could not be saved.
%1
%2</source>
        <translation>Die Kanaldatei konnte nicht gespeichert werden.
%1
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be undone; the undo history was cleared</source>
        <translation>„%1“ ist zu groß zum Rückgängigmachen; der Bearbeitungsverlauf wurde geleert</translation>
    </message>
    <message>
        <source>The oldest undo steps were dropped to keep the history within %1 MB</source>
        <translation>Die ältesten Bearbeitungsschritte wurden verworfen, damit der Verlauf unter %1 MB bleibt</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>As opened</source>
        <translation>Beim Öffnen</translation>
    </message>
    <message>
        <source>Edit Satellite %1</source>
        <translation>Satellit %1 bearbeiten</translation>
    </message>
    <message>
        <source>Edit Channel %1</source>
        <translation>Kanal %1 bearbeiten</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>Neuer Kanal</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Neuer Transponder</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Neuer Satellit</translation>
    </message>
    <message>
        <source>Lists (*.csv *.tsv)|*.csv;*.tsv|All Files(*.*)|*|</source>
        <translation>Listen (*.csv *.tsv)|*.csv;*.tsv|Alle Dateien(*.*)|*|</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Liste exportieren</translation>
    </message>
    <message>
        <source>The list cannot be written: %1
%2</source>
        <translation>Die Liste kann nicht geschrieben werden: %1
%2</translation>
    </message>
    <message>
        <source>The list cannot be read; the order of the lists was not changed.
%1</source>
        <translation>Die Liste kann nicht gelesen werden; die Reihenfolge der Listen bleibt unverändert.
%1</translation>
    </message>
    <message>
        <source>The list is not one this editor can read; the order of the lists was not changed.
%1
%2</source>
        <translation>Diese Liste kann der Editor nicht lesen; die Reihenfolge der Listen bleibt unverändert.
%1
%2</translation>
    </message>
    <message>
        <source>Apply Order From &apos;%1&apos;</source>
        <translation>Reihenfolge von „%1“ übernehmen</translation>
    </message>
    <message>
        <source>Favourite Group %1</source>
        <translation>Favoritengruppe %1</translation>
    </message>
    <message>
        <source>Lock Channel</source>
        <translation>Kanal sperren</translation>
    </message>
    <message>
        <source>Unlock Channel</source>
        <translation>Kanal entsperren</translation>
    </message>
    <message numerus="yes">
        <source>Lock %n Channels</source>
        <translation>
            <numerusform>%n Kanal sperren</numerusform>
            <numerusform>%n Kanäle sperren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unlock %n Channels</source>
        <translation>
            <numerusform>%n Kanal entsperren</numerusform>
            <numerusform>%n Kanäle entsperren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n channels)</source>
        <translation>
            <numerusform>(%n Kanal)</numerusform>
            <numerusform>(%n Kanäle)</numerusform>
        </translation>
    </message>
    <message>
        <source>Move Channel</source>
        <translation>Kanal verschieben</translation>
    </message>
    <message>
        <source>Marked channels will be deleted, proceed SAVING?</source>
        <translation>Markierte Kanäle werden gelöscht, SPEICHERN fortsetzen?</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Reihenfolge übernehmen</translation>
    </message>
    <message>
        <source>Lists (*.csv *.tsv)</source>
        <translation>Listen (*.csv *.tsv)</translation>
    </message>
    <message>
        <source>The reference file cannot be read; the order of the lists was not changed.</source>
        <translation>Die Vorlagedatei kann nicht gelesen werden; die Reihenfolge der Listen bleibt unverändert.</translation>
    </message>
    <message>
        <source>The reference file is damaged; the order of the lists was not changed.</source>
        <translation>Die Vorlagedatei ist beschädigt; die Reihenfolge der Listen bleibt unverändert.</translation>
    </message>
    <message>
        <source>The channel list could not be printed on %1.</source>
        <translation>Die Kanalliste konnte nicht auf %1 gedruckt werden.</translation>
    </message>
    <message>
        <source>All channels related to this transponder will be deleted, proceed SAVING?</source>
        <translation>Alle Kanäle dieses Transponders werden gelöscht, SPEICHERN fortsetzen?</translation>
    </message>
    <message>
        <source>All channels and transponders related to this satellite will be deleted, proceed SAVING?</source>
        <translation>Alle Kanäle und Transponder dieses Satelliten werden gelöscht, SPEICHERN fortsetzen?</translation>
    </message>
    <message>
        <source>Not Delete!!</source>
        <translation>Löschen nicht möglich!!</translation>
    </message>
    <message>
        <source>Delete Transponder %1</source>
        <translation>Transponder %1 löschen</translation>
    </message>
    <message>
        <source>Delete Satellite &apos;%1&apos;</source>
        <translation>Satellit „%1“ löschen</translation>
    </message>
    <message>
        <source>End of Data</source>
        <translation>Ende der Daten</translation>
    </message>
    <message numerus="yes">
        <source>%n channels selected</source>
        <translation>
            <numerusform>%n Kanal ausgewählt</numerusform>
            <numerusform>%n Kanäle ausgewählt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Channels</source>
        <translation>
            <numerusform>%n Kanal verschieben</numerusform>
            <numerusform>%n Kanäle verschieben</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Kanal löschen</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Channels</source>
        <translation>
            <numerusform>%n Kanal löschen</numerusform>
            <numerusform>%n Kanäle löschen</numerusform>
        </translation>
    </message>
    <message>
        <source>Sorted by %1: Save or Cancel to move channels</source>
        <translation>Sortiert nach %1: Speichern oder Abbrechen, um Kanäle zu verschieben</translation>
    </message>
    <message>
        <source>The earlier version was not kept: %1</source>
        <translation>Die vorherige Version wurde nicht aufbewahrt: %1</translation>
    </message>
    <message>
        <source>Discard the unsaved changes and read %1 again from disk?</source>
        <translation>Ungespeicherte Änderungen verwerfen und %1 neu von der Festplatte laden?</translation>
    </message>
    <message>
        <source>the list as Save would write it</source>
        <translation>die Liste, wie Speichern sie schreiben würde</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>The file cannot be compared.</source>
        <translation>Die Datei kann nicht verglichen werden.</translation>
    </message>
    <message>
        <source>the open list</source>
        <translation>die geöffnete Liste</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>Replace the open list with this version? It stays unsaved until Save.</source>
        <translation>Die geöffnete Liste durch diese Version ersetzen? Sie bleibt bis zum Speichern ungespeichert.</translation>
    </message>
    <message>
        <source>The version cannot be read; the open list is unchanged.</source>
        <translation>Die Version kann nicht gelesen werden; die geöffnete Liste bleibt unverändert.</translation>
    </message>
    <message>
        <source>Restore Version</source>
        <translation>Version wiederherstellen</translation>
    </message>
    <message>
        <source>Restored the version of %1; Save writes it</source>
        <translation>Version von %1 wiederhergestellt; Speichern schreibt sie</translation>
    </message>
    <message>
        <source>No duplicate channels found.</source>
        <translation>Keine doppelten Kanäle gefunden.</translation>
    </message>
    <message>
        <source>TV channels: %1 duplicates; radio channels: %2 duplicates.
</source>
        <translation>TV-Kanäle: %1 doppelt; Radiokanäle: %2 doppelt.
</translation>
    </message>
    <message>
        <source>Remove 1 duplicate channel? It keeps the first of its copies and its favourite entries.</source>
        <translation>1 doppelten Kanal entfernen? Die erste seiner Kopien bleibt, mit ihren Favoriteneinträgen.</translation>
    </message>
    <message>
        <source>Remove %1 duplicate channels? Each keeps the first of its copies and its favourite entries.</source>
        <translation>%1 doppelte Kanäle entfernen? Von jedem bleibt die erste Kopie, mit ihren Favoriteneinträgen.</translation>
    </message>
    <message>
        <source>Remove Duplicate</source>
        <translation>Doppelten Kanal entfernen</translation>
    </message>
    <message>
        <source>Remove %1 Duplicates</source>
        <translation>%1 doppelte Kanäle entfernen</translation>
    </message>
    <message>
        <source>Filter channels</source>
        <translation>Kanäle filtern</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Alle Kanäle</translation>
    </message>
    <message>
        <source>Free only</source>
        <translation>Nur frei empfangbare</translation>
    </message>
    <message>
        <source>Scrambled only</source>
        <translation>Nur verschlüsselte</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>In favourite group…</source>
        <translation>In Favoritengruppe…</translation>
    </message>
    <message>
        <source>In no favourite group</source>
        <translation>In keiner Favoritengruppe</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Doppelte</translation>
    </message>
    <message>
        <source>All satellites</source>
        <translation>Alle Satelliten</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Filtered: clear the filter to move channels by Cut and Paste, a drag or one row at a time</source>
        <translation>Gefiltert: Filter leeren, um Kanäle mit Ausschneiden und Einfügen, durch Ziehen oder zeilenweise zu verschieben</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n channels shown</source>
        <translation>
            <numerusform>%1 von %n Kanal angezeigt</numerusform>
            <numerusform>%1 von %n Kanälen angezeigt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::CMainFrame</name>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Vorhandenes Dokument öffnen
Öffnen</translation>
    </message>
    <message>
        <source>Save the File
File Save</source>
        <translation>Datei speichern
Speichern</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Aktives Dokument drucken
Drucken</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Ganze Seiten anzeigen
Druckvorschau</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Drucker und Druckoptionen ändern
Drucker einrichten</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Programm beenden; fragt, ob Dokumente gespeichert werden sollen
Beenden</translation>
    </message>
    <message>
        <source>Viewing the TV Channel
TV Channel</source>
        <translation>TV-Kanäle anzeigen
TV-Kanäle</translation>
    </message>
    <message>
        <source>Viewing the Radio Channel
Radio Channel</source>
        <translation>Radiokanäle anzeigen
Radiokanäle</translation>
    </message>
    <message>
        <source>View the Favorite Channel
Favorite Channel</source>
        <translation>Favoritenkanäle anzeigen
Favoriten</translation>
    </message>
    <message>
        <source>Serial Port Setting
Serial Port</source>
        <translation>Serielle Schnittstelle einstellen
Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Download the Data
Download</source>
        <translation>Daten zum Receiver senden
Senden</translation>
    </message>
    <message>
        <source>Move the selected channels up by one place
Move Up</source>
        <translation>Ausgewählte Kanäle um eine Stelle nach oben verschieben
Nach oben</translation>
    </message>
    <message>
        <source>Move the selected channels down by one place
Move Down</source>
        <translation>Ausgewählte Kanäle um eine Stelle nach unten verschieben
Nach unten</translation>
    </message>
    <message>
        <source>Move the selected channels to the top of the list
Move to Top</source>
        <translation>Ausgewählte Kanäle an den Anfang der Liste verschieben
Ganz nach oben</translation>
    </message>
    <message>
        <source>Move the selected channels to the bottom of the list
Move to Bottom</source>
        <translation>Ausgewählte Kanäle an das Ende der Liste verschieben
Ganz nach unten</translation>
    </message>
    <message>
        <source>Give the selected channels a new position
Move To</source>
        <translation>Ausgewählten Kanälen eine neue Position geben
Verschieben nach</translation>
    </message>
    <message>
        <source>Put both lists in the order of another channel file
Apply Order From</source>
        <translation>Beide Listen in die Reihenfolge einer anderen Kanaldatei bringen
Reihenfolge übernehmen</translation>
    </message>
    <message>
        <source>Write both channel lists to a CSV file for a spreadsheet
Export List</source>
        <translation>Beide Kanallisten als CSV-Datei für eine Tabellenkalkulation schreiben
Liste exportieren</translation>
    </message>
    <message>
        <source>Copy the selected rows to the clipboard as text
Copy Rows</source>
        <translation>Ausgewählte Zeilen als Text in die Zwischenablage kopieren
Zeilen kopieren</translation>
    </message>
    <message>
        <source>Upload the Data from the receiver
Upload</source>
        <translation>Daten vom Receiver empfangen
Empfangen</translation>
    </message>
    <message>
        <source>Undo the last change of the channel lists
Undo</source>
        <translation>Letzte Änderung der Kanallisten rückgängig machen
Rückgängig</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Zuletzt rückgängig gemachte Änderung wiederholen
Wiederholen</translation>
    </message>
    <message>
        <source>Show the changes that can be undone and redone
Undo History</source>
        <translation>Änderungen anzeigen, die sich rückgängig machen und wiederholen lassen
Bearbeitungsverlauf</translation>
    </message>
    <message>
        <source>List what Save would change in the file on disk
Show Changes</source>
        <translation>Auflisten, was Speichern an der Datei auf der Festplatte ändern würde
Änderungen anzeigen</translation>
    </message>
    <message>
        <source>Compare the open list with another channel file
Compare With</source>
        <translation>Geöffnete Liste mit einer anderen Kanaldatei vergleichen
Vergleichen mit</translation>
    </message>
    <message>
        <source>The earlier versions of this file kept before each save
Versions</source>
        <translation>Frühere Versionen dieser Datei, vor jedem Speichern aufbewahrt
Versionen</translation>
    </message>
    <message>
        <source>Read the file again from disk, dropping the unsaved changes
Revert</source>
        <translation>Datei neu von der Festplatte laden und ungespeicherte Änderungen verwerfen
Zurücksetzen</translation>
    </message>
    <message>
        <source>Show the changes before each save, with Save and Cancel
Review Before Saving</source>
        <translation>Änderungen vor jedem Speichern anzeigen, mit Speichern und Abbrechen
Vor dem Speichern prüfen</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Symbolleiste ein- oder ausblenden
Symbolleiste ein/aus</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Statusleiste ein- oder ausblenden
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Info</translation>
    </message>
    <message>
        <source>Save changes to the All Data Channels?</source>
        <translation>Änderungen an allen Kanaldaten speichern?</translation>
    </message>
    <message>
        <source>Undo History</source>
        <translation>Bearbeitungsverlauf</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Ctrl+S</translation>
    </message>
    <message>
        <source>Re&amp;vert</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Show &amp;Changes	Ctrl+Shift+D</source>
        <translation>Änderungen &amp;anzeigen	Ctrl+Shift+D</translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation>Ver&amp;gleichen mit...</translation>
    </message>
    <message>
        <source>Versio&amp;ns...</source>
        <translation>Versio&amp;nen...</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <translation>Liste e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker ein&amp;richten...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <translation>&amp;Wiederholen	Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Ctrl+N</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Copy Rows	Ctrl+C</source>
        <translation>Zeilen &amp;kopieren	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Delete	Ctrl+D</source>
        <translation>&amp;Löschen	Ctrl+D</translation>
    </message>
    <message>
        <source>Move &amp;Up	Alt+Up</source>
        <translation>Nach &amp;oben	Alt+Up</translation>
    </message>
    <message>
        <source>Move Do&amp;wn	Alt+Down</source>
        <translation>Nach &amp;unten	Alt+Down</translation>
    </message>
    <message>
        <source>Move to To&amp;p	Alt+Home</source>
        <translation>&amp;Ganz nach oben	Alt+Home</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom	Alt+End</source>
        <translation>Ganz nach un&amp;ten	Alt+End</translation>
    </message>
    <message>
        <source>&amp;Move To...	Ctrl+M</source>
        <translation>&amp;Verschieben nach...	Ctrl+M</translation>
    </message>
    <message>
        <source>Apply &amp;Order From...</source>
        <translation>Reihen&amp;folge übernehmen...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;TV Channels</source>
        <translation>&amp;TV-Kanäle</translation>
    </message>
    <message>
        <source>&amp;Radio Channels</source>
        <translation>&amp;Radiokanäle</translation>
    </message>
    <message>
        <source>&amp;Favourites...</source>
        <translation>&amp;Favoriten...</translation>
    </message>
    <message>
        <source>Undo &amp;History</source>
        <translation>Bearbeitungs&amp;verlauf</translation>
    </message>
    <message>
        <source>Review Before &amp;Saving</source>
        <translation>Vor dem Speichern &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>&amp;Open Port</source>
        <translation>Port &amp;öffnen</translation>
    </message>
    <message>
        <source>Port &amp;Settings...</source>
        <translation>Port-E&amp;instellungen...</translation>
    </message>
    <message>
        <source>&amp;Download to Receiver...</source>
        <translation>Zum Receiver &amp;senden...</translation>
    </message>
    <message>
        <source>&amp;Upload from Receiver...</source>
        <translation>Vom Receiver &amp;empfangen...</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;About VelmoraEdit...</source>
        <translation>Ü&amp;ber VelmoraEdit...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <translation>&amp;Systemstandard</translation>
    </message>
    <message>
        <source>The language changes when VelmoraEdit starts again.</source>
        <translation>Die Sprache wechselt beim nächsten Start von VelmoraEdit.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>%1
This file no longer exists and has been removed from the list of recent files.</source>
        <translation>%1
Diese Datei existiert nicht mehr und wurde aus der Liste der zuletzt geöffneten Dateien entfernt.</translation>
    </message>
    <message>
        <source>Remove channels stored twice, keeping their favourite entries
Remove Duplicates</source>
        <translation>Doppelt gespeicherte Kanäle entfernen, ihre Favoriteneinträge bleiben
Doppelte entfernen</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Remove &amp;Duplicates...</source>
        <translation>&amp;Doppelte entfernen...</translation>
    </message>
</context>
<context>
    <name>velmora::ChangesWindow</name>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>serviceId</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>pmtPid</source>
        <translation>PMT-PID</translation>
    </message>
    <message>
        <source>videoPid</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>audioPid</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>pcrPid</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>pidMode</source>
        <translation>PID-Modus</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>verschlüsselt</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>gesperrt</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>networkId</source>
        <translation>Netzwerk-ID</translation>
    </message>
    <message>
        <source>transponderId</source>
        <translation>Transponder-ID</translation>
    </message>
    <message>
        <source>symbolRate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>fec</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Review Before Saving</source>
        <translation>Vor dem Speichern prüfen</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>From %1
to %2</source>
        <translation>Von: %1
Nach: %2</translation>
    </message>
    <message>
        <source>No changes</source>
        <translation>Keine Änderungen</translation>
    </message>
    <message>
        <source>added</source>
        <translation>hinzugefügt</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>verschoben</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV-Kanäle</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Radiokanäle</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Favoritengruppen</translation>
    </message>
    <message>
        <source>: added</source>
        <translation>: hinzugefügt</translation>
    </message>
    <message>
        <source>: removed</source>
        <translation>: entfernt</translation>
    </message>
    <message>
        <source>renamed from %1</source>
        <translation>umbenannt von %1</translation>
    </message>
    <message>
        <source>reordered</source>
        <translation>umsortiert</translation>
    </message>
    <message>
        <source>%1 member %2 %3 %4</source>
        <translation>%1-Eintrag %2 %3 %4</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 geändert</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>%1 verschoben</translation>
    </message>
    <message>
        <source>1 favourite group</source>
        <translation>1 Favoritengruppe</translation>
    </message>
    <message numerus="yes">
        <source>%n favourite groups</source>
        <translation>
            <numerusform>%n Favoritengruppen</numerusform>
            <numerusform>%n Favoritengruppen</numerusform>
        </translation>
    </message>
    <message>
        <source>1 transponder or satellite</source>
        <translation>1 Transponder oder Satellit</translation>
    </message>
    <message numerus="yes">
        <source>%n transponders or satellites</source>
        <translation>
            <numerusform>%n Transponder oder Satelliten</numerusform>
            <numerusform>%n Transponder oder Satelliten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::ChannelListMenu</name>
    <message>
        <source>&lt;TV channel&gt;</source>
        <translation>&lt;TV-Kanal&gt;</translation>
    </message>
    <message>
        <source>&lt;Radio channel&gt;</source>
        <translation>&lt;Radiokanal&gt;</translation>
    </message>
    <message>
        <source>New  (&amp;N)</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Cut (&amp;X)</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Cut  (&amp;X)</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Del  (&amp;D)</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Ganz nach oben</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Ganz nach unten</translation>
    </message>
    <message>
        <source>Move To...</source>
        <translation>Verschieben nach...</translation>
    </message>
</context>
<context>
    <name>velmora::ChannelListModel</name>
    <message>
        <source>Number</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Satellitenname</translation>
    </message>
</context>
<context>
    <name>velmora::FavoritesDialog</name>
    <message>
        <source>Favorite Channel</source>
        <translation>Favoritenkanäle</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>TV Favorites:</source>
        <translation>TV-Favoriten:</translation>
    </message>
    <message>
        <source>Radio Favorites:</source>
        <translation>Radio-Favoriten:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Input the Favorite Name, or Related channel will be deleted, proceed saving?</source>
        <translation>Favoritennamen eingeben, sonst werden die zugehörigen Kanäle gelöscht, Speichern fortsetzen?</translation>
    </message>
</context>
<context>
    <name>velmora::ListPrinter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Velmora Channel List</source>
        <translation>Velmora-Kanalliste</translation>
    </message>
</context>
<context>
    <name>velmora::MoveToDialog</name>
    <message>
        <source>Move To</source>
        <translation>Verschieben nach</translation>
    </message>
    <message>
        <source>the channel</source>
        <translation>den Kanal</translation>
    </message>
    <message>
        <source>New position of %1 (1 to %2):</source>
        <translation>Neue Position für %1 (1 bis %2):</translation>
    </message>
    <message numerus="yes">
        <source>the %n channels</source>
        <translation>
            <numerusform>die %n Kanäle</numerusform>
            <numerusform>die %n Kanäle</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::OrderReport</name>
    <message>
        <source>%1: %2 of %3 channels matched (%4 by ids, %5 by name)</source>
        <translation>%1: %2 von %3 Kanälen zugeordnet (%4 über IDs, %5 über den Namen)</translation>
    </message>
    <message>
        <source>; not matched, placed after them: %1</source>
        <translation>; nicht zugeordnet, dahinter eingereiht: %1</translation>
    </message>
    <message>
        <source>; reference channels not in the file: %1</source>
        <translation>; Kanäle der Vorlage, die in der Datei fehlen: %1</translation>
    </message>
    <message>
        <source>%1 not matched: %2 %3 now %4</source>
        <translation>%1 nicht zugeordnet: %2 %3 jetzt %4</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Favourites: groups taken from the reference: %1</source>
        <translation>Favoriten: aus der Vorlage übernommene Gruppen: %1</translation>
    </message>
    <message>
        <source>; members dropped, their channels not in the file: %1</source>
        <translation>; Einträge entfallen, ihre Kanäle fehlen in der Datei: %1</translation>
    </message>
    <message>
        <source>Favourites group %1: %2 member %3 %4 dropped</source>
        <translation>Favoritengruppe %1: %2-Eintrag %3 %4 entfällt</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Names taken from the list: %1</source>
        <translation>Aus der Liste übernommene Namen: %1</translation>
    </message>
    <message>
        <source>Favourite groups taken from the list:</source>
        <translation>Aus der Liste übernommene Favoritengruppen:</translation>
    </message>
</context>
<context>
    <name>velmora::SearchDialog</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Kanalname</translation>
    </message>
</context>
<context>
    <name>velmora::VersionsDialog</name>
    <message>
        <source>Versions</source>
        <translation>Versionen</translation>
    </message>
    <message>
        <source>Kept versions of %1, newest first</source>
        <translation>Aufbewahrte Versionen von %1, neueste zuerst</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Aufbewahrt</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Changes to the open list</source>
        <translation>Änderungen zur geöffneten Liste</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>velmora::ui::DownloadProgressDialog</name>
    <message>
        <source>Download to receiver</source>
        <translation>Zum Receiver senden</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Systeminformationen</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Hardware-Version:</translation>
    </message>
    <message>
        <source>Software version:</source>
        <translation>Software-Version:</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Kommunikation</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Geschwindigkeit:</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>velmora::ui::PortController</name>
    <message>
        <source>Setting : %1</source>
        <translation>Einstellung: %1</translation>
    </message>
    <message>
        <source>Please set up the port first.</source>
        <translation>Bitte zuerst den Port einrichten.</translation>
    </message>
    <message>
        <source>Initialization of Port COM%1 is successful.</source>
        <translation>Port COM%1 wurde erfolgreich initialisiert.</translation>
    </message>
    <message>
        <source>COM%1 (%2): %3</source>
        <translation>COM%1 (%2): %3</translation>
    </message>
    <message>
        <source>Failed initializing port.</source>
        <translation>Initialisierung des Ports fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Port COM%1 is closed.</source>
        <translation>Port COM%1 ist geschlossen.</translation>
    </message>
    <message>
        <source>The port settings could not be saved to %1.
%2</source>
        <translation>Die Port-Einstellungen konnten nicht in %1 gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>The port devices could not be saved to the settings.</source>
        <translation>Die Port-Geräte konnten nicht in den Einstellungen gespeichert werden.</translation>
    </message>
    <message>
        <source>The new port settings take effect when the port is opened again.</source>
        <translation>Die neuen Port-Einstellungen gelten, sobald der Port wieder geöffnet wird.</translation>
    </message>
    <message>
        <source>serial port QueueRead FULL!</source>
        <translation>Serieller Port: QueueRead VOLL!</translation>
    </message>
    <message>
        <source>Error while creating ThreadWatchComm, %1</source>
        <translation>Fehler beim Erzeugen von ThreadWatchComm, %1</translation>
    </message>
    <message>
        <source>Port COM%1 was lost: the serial device stopped responding or was unplugged.</source>
        <translation>Verbindung zu Port COM%1 verloren: Das serielle Gerät antwortet nicht mehr oder wurde abgezogen.</translation>
    </message>
    <message>
        <source>even</source>
        <translation>gerade</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>ungerade</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>space</source>
        <translation>Leerzeichen</translation>
    </message>
</context>
<context>
    <name>velmora::ui::PortSettingsDialog</name>
    <message>
        <source>Serial Port Setting</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Datenbits</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Stoppbits</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Option %1</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Flusssteuerung</translation>
    </message>
    <message>
        <source>Xon/Xoff</source>
        <translation>Xon/Xoff</translation>
    </message>
    <message>
        <source>RTS</source>
        <translation>RTS</translation>
    </message>
    <message>
        <source>Xon/RTS</source>
        <translation>Xon/RTS</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>COM%1 (set by VELMORA_COM%1)</source>
        <translation>COM%1 (gesetzt durch VELMORA_COM%1)</translation>
    </message>
</context>
<context>
    <name>velmora::ui::Prompter</name>
    <message>
        <source>VelmoraEdit</source>
        <translation>VelmoraEdit</translation>
    </message>
    <message>
        <source>Velmora Binary Files(*.bin,*.sgn)|*.bin;*.sgn|All Files(*.*)|*|</source>
        <translation>Velmora-Binärdateien(*.bin,*.sgn)|*.bin;*.sgn|Alle Dateien(*.*)|*|</translation>
    </message>
    <message>
        <source>Ardel Editor</source>
        <translation>Ardel Editor</translation>
    </message>
</context>
<context>
    <name>velmora::ui::TransferController</name>
    <message>
        <source>Download to receiver</source>
        <translation>Zum Receiver senden</translation>
    </message>
    <message>
        <source>Upload from receiver</source>
        <translation>Vom Receiver empfangen</translation>
    </message>
    <message>
        <source>The earlier version was not kept: %1</source>
        <translation>Die vorherige Version wurde nicht aufbewahrt: %1</translation>
    </message>
</context>
<context>
    <name>velmora::ui::UploadProgressDialog</name>
    <message>
        <source>Upload from receiver — pulling</source>
        <translation>Vom Receiver empfangen — Abruf läuft</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Saving to:</source>
        <translation>Speichern in:</translation>
    </message>
    <message>
        <source>Bytes received:</source>
        <translation>Empfangene Bytes:</translation>
    </message>
</context>
</TS>
