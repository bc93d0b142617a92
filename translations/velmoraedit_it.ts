<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CoreText</name>
    <message>
        <source>You must initialize the serial port.</source>
        <translation>È necessario inizializzare la porta seriale.</translation>
    </message>
    <message>
        <source>Invalid Data Format</source>
        <translation>Formato dati non valido</translation>
    </message>
    <message>
        <source>Unknown Usage Type</source>
        <translation>Tipo di utilizzo sconosciuto</translation>
    </message>
    <message>
        <source>H/W version error</source>
        <translation>Errore versione H/W</translation>
    </message>
    <message>
        <source>S/W version error</source>
        <translation>Errore versione S/W</translation>
    </message>
    <message>
        <source>Model ID error</source>
        <translation>Errore ID modello</translation>
    </message>
    <message>
        <source>Checksum error</source>
        <translation>Errore di checksum</translation>
    </message>
    <message>
        <source>Verify error</source>
        <translation>Errore di verifica</translation>
    </message>
    <message>
        <source>Download OK</source>
        <translation>Invio OK</translation>
    </message>
    <message>
        <source>UpLoad Complete(C)!!</source>
        <translation>Scaricamento completato (C)!!</translation>
    </message>
    <message>
        <source>UpLoad Complete(M)!!</source>
        <translation>Scaricamento completato (M)!!</translation>
    </message>
    <message>
        <source>The previous file was kept.</source>
        <translation>Il file precedente è stato conservato.</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>il file è troppo grande</translation>
    </message>
    <message>
        <source>Invalid Data Format!!!</source>
        <translation>Formato dati non valido!!!</translation>
    </message>
    <message>
        <source>Invalid Data Format, Check the Source File</source>
        <translation>Formato dati non valido, controllare il file di origine</translation>
    </message>
    <message>
        <source>There is no channel with that number.</source>
        <translation>Non esiste alcun canale con quel numero.</translation>
    </message>
    <message>
        <source>There is no transponder with that number.</source>
        <translation>Non esiste alcun transponder con quel numero.</translation>
    </message>
    <message>
        <source>There is no satellite with that number.</source>
        <translation>Non esiste alcun satellite con quel numero.</translation>
    </message>
    <message>
        <source>The file has no such favourite group.</source>
        <translation>Il file non contiene questo gruppo preferiti.</translation>
    </message>
    <message>
        <source>The channel list is full (10000 channels).</source>
        <translation>La lista canali è piena (10000 canali).</translation>
    </message>
    <message>
        <source>The transponder table is full (1000 transponders).</source>
        <translation>La tabella dei transponder è piena (1000 transponder).</translation>
    </message>
    <message>
        <source>A channel file holds at most 255 satellites.</source>
        <translation>Un file di canali contiene al massimo 255 satelliti.</translation>
    </message>
    <message>
        <source>The favourite groups are full (10000 entries).</source>
        <translation>I gruppi preferiti sono pieni (10000 voci).</translation>
    </message>
    <message>
        <source>The channel is already in that favourite group.</source>
        <translation>Il canale è già in quel gruppo preferiti.</translation>
    </message>
    <message>
        <source>The channel is not in that favourite group.</source>
        <translation>Il canale non è in quel gruppo preferiti.</translation>
    </message>
    <message>
        <source>The new order does not name every channel exactly once.</source>
        <translation>Il nuovo ordine non indica ogni canale esattamente una volta.</translation>
    </message>
    <message>
        <source>The favourite group has no entry at that place.</source>
        <translation>Il gruppo preferiti non ha alcuna voce in quella posizione.</translation>
    </message>
    <message>
        <source>The file ends before its header is complete.</source>
        <translation>Il file termina prima che l&apos;intestazione sia completa.</translation>
    </message>
    <message>
        <source>The file ends before its block head is complete.</source>
        <translation>Il file termina prima che l&apos;intestazione del blocco sia completa.</translation>
    </message>
    <message>
        <source>The file ends before its general section is complete.</source>
        <translation>Il file termina prima che la sezione generale sia completa.</translation>
    </message>
    <message>
        <source>The file ends before its satellite section is complete.</source>
        <translation>Il file termina prima che la sezione dei satelliti sia completa.</translation>
    </message>
    <message>
        <source>The file ends before its transponder section is complete.</source>
        <translation>Il file termina prima che la sezione dei transponder sia completa.</translation>
    </message>
    <message>
        <source>The file ends before its channel section is complete.</source>
        <translation>Il file termina prima che la sezione dei canali sia completa.</translation>
    </message>
    <message>
        <source>The file ends before its favourite section is complete.</source>
        <translation>Il file termina prima che la sezione dei preferiti sia completa.</translation>
    </message>
    <message>
        <source>The file ends before its CRC trailer is complete.</source>
        <translation>Il file termina prima che la coda CRC sia completa.</translation>
    </message>
    <message>
        <source>The file ends before its extra block is complete.</source>
        <translation>Il file termina prima che il blocco aggiuntivo sia completo.</translation>
    </message>
    <message>
        <source>The file ends before its extra block is complete. (A byte 0xF0 after the favourite section starts an extra block.)</source>
        <translation>Il file termina prima che il blocco aggiuntivo sia completo. (Un byte 0xF0 dopo la sezione dei preferiti apre un blocco aggiuntivo.)</translation>
    </message>
    <message>
        <source>The file holds %1 favourite groups; at most %2 fit.</source>
        <translation>Il file contiene %1 gruppi preferiti; il massimo è %2.</translation>
    </message>
    <message>
        <source>The file holds %1 transponders; at most %2 fit.</source>
        <translation>Il file contiene %1 transponder; il massimo è %2.</translation>
    </message>
    <message>
        <source>The file holds %1 TV channels; at most %2 fit.</source>
        <translation>Il file contiene %1 canali TV; il massimo è %2.</translation>
    </message>
    <message>
        <source>The file holds %1 radio channels; at most %2 fit.</source>
        <translation>Il file contiene %1 canali radio; il massimo è %2.</translation>
    </message>
    <message>
        <source>The favourite groups hold more than %1 TV members; at most %2 fit.</source>
        <translation>I gruppi preferiti contengono più di %1 voci TV; il massimo è %2.</translation>
    </message>
    <message>
        <source>The favourite groups hold more than %1 radio members; at most %2 fit.</source>
        <translation>I gruppi preferiti contengono più di %1 voci radio; il massimo è %2.</translation>
    </message>
    <message>
        <source>The extra block is %1 bytes long; at most %2 fit.</source>
        <translation>Il blocco aggiuntivo è lungo %1 byte; il massimo è %2.</translation>
    </message>
    <message>
        <source>The file is too large to be a channel file: it holds more than %1 bytes.</source>
        <translation>Il file è troppo grande per essere un file di canali: contiene più di %1 byte.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
</context>
<context>
    <name>velmora::AboutBox</name>
    <message>
        <source>About VelmoraEdit</source>
        <translation>Informazioni su VelmoraEdit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>VelmoraEdit Version 1.0</source>
        <translation>VelmoraEdit versione 1.0</translation>
    </message>
    <message>
        <source>Release %1
Copyright © The VelmoraEdit developers
Licensed under the GNU General Public License, version 3 or later
(GPL-3.0-or-later). There is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Release %1
Copyright © Gli sviluppatori di VelmoraEdit
Distribuito secondo i termini della GNU General Public License, versione 3 o successiva
(GPL-3.0-or-later). NESSUNA GARANZIA, nei limiti consentiti dalla legge.</translation>
    </message>
    <message>
        <source>Channel list editor for Velmora receivers</source>
        <translation>Editor di liste canali per ricevitori Velmora</translation>
    </message>
</context>
<context>
    <name>velmora::ApplyOrderDialog</name>
    <message>
        <source>Apply Order From %1</source>
        <translation>Applica ordine da %1</translation>
    </message>
    <message>
        <source>Put both lists in the order of %1?</source>
        <translation>Ordinare entrambe le liste come %1?</translation>
    </message>
</context>
<context>
    <name>velmora::CArdelEditView</name>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
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
        <translation>Nome canale</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID servizio</translation>
    </message>
    <message>
        <source>PID Mode</source>
        <translation>Modo PID</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID video</translation>
    </message>
    <message>
        <source>PMT PID</source>
        <translation>PID PMT</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>[HEX]</source>
        <translation>[HEX]</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blocco</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Criptato</translation>
    </message>
    <message>
        <source>Transponder No.</source>
        <translation>N. transponder</translation>
    </message>
    <message>
        <source>Transponder ID</source>
        <translation>ID transponder</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>ID rete</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequenza (MHz)</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarizzazione</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Symbol Rate (kS/s)</source>
        <translation>Symbol rate (kS/s)</translation>
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
        <translation>Longitudine</translation>
    </message>
    <message>
        <source>TV Channel List</source>
        <translation>Lista canali TV</translation>
    </message>
    <message>
        <source>Radio Channel List</source>
        <translation>Lista canali radio</translation>
    </message>
    <message>
        <source>Marked channel will be deleted, proceed saving?</source>
        <translation>Il canale contrassegnato verrà eliminato, procedere con il salvataggio?</translation>
    </message>
    <message numerus="yes">
        <source>%n marked channels will be deleted, proceed saving?</source>
        <translation>
            <numerusform>%n canale contrassegnato verrà eliminato, procedere con il salvataggio?</numerusform>
            <numerusform>%n canali contrassegnati verranno eliminati, procedere con il salvataggio?</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Satellite &apos;%1&apos;</source>
        <translation>Modifica satellite &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Edit Transponder %1</source>
        <translation>Modifica transponder %1</translation>
    </message>
    <message>
        <source>Edit Channel &apos;%1&apos;</source>
        <translation>Modifica canale &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Only Western European (Latin-1) characters can be stored in a channel file</source>
        <translation>In un file di canali si possono memorizzare solo caratteri dell&apos;Europa occidentale (Latin-1)</translation>
    </message>
    <message>
        <source>Edit Favourite Groups</source>
        <translation>Modifica gruppi preferiti</translation>
    </message>
    <message>
        <source>Save changes to the All Data Channels?</source>
        <translation>Salvare le modifiche ai dati di tutti i canali?</translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened. Overwrite it?</source>
        <translation>Il file è stato modificato sul disco dopo l&apos;apertura. Sovrascriverlo?</translation>
    </message>
    <message>
        <source>The channel file could not be saved.
%1
%2</source>
        <translation>Impossibile salvare il file dei canali.
%1
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be undone; the undo history was cleared</source>
        <translation>&quot;%1&quot; è troppo grande per essere annullato; la cronologia annullamenti è stata svuotata</translation>
    </message>
    <message>
        <source>The oldest undo steps were dropped to keep the history within %1 MB</source>
        <translation>I passi di annullamento più vecchi sono stati scartati per mantenere la cronologia entro %1 MB</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annulla %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ripeti %1</translation>
    </message>
    <message>
        <source>As opened</source>
        <translation>Come all&apos;apertura</translation>
    </message>
    <message>
        <source>Edit Satellite %1</source>
        <translation>Modifica satellite %1</translation>
    </message>
    <message>
        <source>Edit Channel %1</source>
        <translation>Modifica canale %1</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>Nuovo canale</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Nuovo transponder</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Nuovo satellite</translation>
    </message>
    <message>
        <source>Lists (*.csv *.tsv)|*.csv;*.tsv|All Files(*.*)|*|</source>
        <translation>Liste (*.csv *.tsv)|*.csv;*.tsv|Tutti i file(*.*)|*|</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Esporta lista</translation>
    </message>
    <message>
        <source>The list cannot be written: %1
%2</source>
        <translation>Impossibile scrivere la lista: %1
%2</translation>
    </message>
    <message>
        <source>The list cannot be read; the order of the lists was not changed.
%1</source>
        <translation>Impossibile leggere la lista; l&apos;ordine delle liste non è stato modificato.
%1</translation>
    </message>
    <message>
        <source>The list is not one this editor can read; the order of the lists was not changed.
%1
%2</source>
        <translation>Questo editor non è in grado di leggere la lista; l&apos;ordine delle liste non è stato modificato.
%1
%2</translation>
    </message>
    <message>
        <source>Apply Order From &apos;%1&apos;</source>
        <translation>Applica ordine da &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Favourite Group %1</source>
        <translation>Gruppo preferiti %1</translation>
    </message>
    <message>
        <source>Lock Channel</source>
        <translation>Blocca canale</translation>
    </message>
    <message>
        <source>Unlock Channel</source>
        <translation>Sblocca canale</translation>
    </message>
    <message numerus="yes">
        <source>Lock %n Channels</source>
        <translation>
            <numerusform>Blocca %n canale</numerusform>
            <numerusform>Blocca %n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unlock %n Channels</source>
        <translation>
            <numerusform>Sblocca %n canale</numerusform>
            <numerusform>Sblocca %n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n channels)</source>
        <translation>
            <numerusform>(%n canale)</numerusform>
            <numerusform>(%n canali)</numerusform>
        </translation>
    </message>
    <message>
        <source>Move Channel</source>
        <translation>Sposta canale</translation>
    </message>
    <message>
        <source>Marked channels will be deleted, proceed SAVING?</source>
        <translation>I canali contrassegnati verranno eliminati, procedere con il SALVATAGGIO?</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Applica ordine da</translation>
    </message>
    <message>
        <source>Lists (*.csv *.tsv)</source>
        <translation>Liste (*.csv *.tsv)</translation>
    </message>
    <message>
        <source>The reference file cannot be read; the order of the lists was not changed.</source>
        <translation>Impossibile leggere il file di riferimento; l&apos;ordine delle liste non è stato modificato.</translation>
    </message>
    <message>
        <source>The reference file is damaged; the order of the lists was not changed.</source>
        <translation>Il file di riferimento è danneggiato; l&apos;ordine delle liste non è stato modificato.</translation>
    </message>
    <message>
        <source>The channel list could not be printed on %1.</source>
        <translation>Impossibile stampare la lista canali su %1.</translation>
    </message>
    <message>
        <source>All channels related to this transponder will be deleted, proceed SAVING?</source>
        <translation>Tutti i canali di questo transponder verranno eliminati, procedere con il SALVATAGGIO?</translation>
    </message>
    <message>
        <source>All channels and transponders related to this satellite will be deleted, proceed SAVING?</source>
        <translation>Tutti i canali e i transponder di questo satellite verranno eliminati, procedere con il SALVATAGGIO?</translation>
    </message>
    <message>
        <source>Not Delete!!</source>
        <translation>Impossibile eliminare!!</translation>
    </message>
    <message>
        <source>Delete Transponder %1</source>
        <translation>Elimina transponder %1</translation>
    </message>
    <message>
        <source>Delete Satellite &apos;%1&apos;</source>
        <translation>Elimina satellite &apos;%1&apos;</translation>
    </message>
    <message>
        <source>End of Data</source>
        <translation>Fine dei dati</translation>
    </message>
    <message numerus="yes">
        <source>%n channels selected</source>
        <translation>
            <numerusform>%n canale selezionato</numerusform>
            <numerusform>%n canali selezionati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Channels</source>
        <translation>
            <numerusform>Sposta %n canale</numerusform>
            <numerusform>Sposta %n canali</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Elimina canale</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Channels</source>
        <translation>
            <numerusform>Elimina %n canale</numerusform>
            <numerusform>Elimina %n canali</numerusform>
        </translation>
    </message>
    <message>
        <source>Sorted by %1: Save or Cancel to move channels</source>
        <translation>Ordinata per %1: Salva o Annulla per spostare i canali</translation>
    </message>
    <message>
        <source>The earlier version was not kept: %1</source>
        <translation>La versione precedente non è stata conservata: %1</translation>
    </message>
    <message>
        <source>Discard the unsaved changes and read %1 again from disk?</source>
        <translation>Scartare le modifiche non salvate e rileggere %1 dal disco?</translation>
    </message>
    <message>
        <source>the list as Save would write it</source>
        <translation>la lista come la scriverebbe Salva</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Confronta con</translation>
    </message>
    <message>
        <source>The file cannot be compared.</source>
        <translation>Impossibile confrontare il file.</translation>
    </message>
    <message>
        <source>the open list</source>
        <translation>la lista aperta</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illeggibile</translation>
    </message>
    <message>
        <source>Replace the open list with this version? It stays unsaved until Save.</source>
        <translation>Sostituire la lista aperta con questa versione? Resterà non salvata fino a Salva.</translation>
    </message>
    <message>
        <source>The version cannot be read; the open list is unchanged.</source>
        <translation>Impossibile leggere la versione; la lista aperta non è cambiata.</translation>
    </message>
    <message>
        <source>Restore Version</source>
        <translation>Ripristina versione</translation>
    </message>
    <message>
        <source>Restored the version of %1; Save writes it</source>
        <translation>Ripristinata la versione %1; Salva la scrive su disco</translation>
    </message>
    <message>
        <source>No duplicate channels found.</source>
        <translation>Nessun canale duplicato trovato.</translation>
    </message>
    <message>
        <source>TV channels: %1 duplicates; radio channels: %2 duplicates.
</source>
        <translation>Canali TV: %1 duplicati; canali radio: %2 duplicati.
</translation>
    </message>
    <message>
        <source>Remove 1 duplicate channel? It keeps the first of its copies and its favourite entries.</source>
        <translation>Rimuovere 1 canale duplicato? Resta la prima delle sue copie, con le sue voci dei preferiti.</translation>
    </message>
    <message>
        <source>Remove %1 duplicate channels? Each keeps the first of its copies and its favourite entries.</source>
        <translation>Rimuovere %1 canali duplicati? Di ciascuno resta la prima copia, con le sue voci dei preferiti.</translation>
    </message>
    <message>
        <source>Remove Duplicate</source>
        <translation>Rimuovi duplicato</translation>
    </message>
    <message>
        <source>Remove %1 Duplicates</source>
        <translation>Rimuovi %1 duplicati</translation>
    </message>
    <message>
        <source>Filter channels</source>
        <translation>Filtra canali</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Tutti i canali</translation>
    </message>
    <message>
        <source>Free only</source>
        <translation>Solo in chiaro</translation>
    </message>
    <message>
        <source>Scrambled only</source>
        <translation>Solo criptati</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloccati</translation>
    </message>
    <message>
        <source>In favourite group…</source>
        <translation>Nel gruppo di preferiti…</translation>
    </message>
    <message>
        <source>In no favourite group</source>
        <translation>In nessun gruppo di preferiti</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplicati</translation>
    </message>
    <message>
        <source>All satellites</source>
        <translation>Tutti i satelliti</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Filtered: clear the filter to move channels by Cut and Paste, a drag or one row at a time</source>
        <translation>Filtrato: svuota il filtro per spostare i canali con Taglia e Incolla, trascinando o di una riga alla volta</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n channels shown</source>
        <translation>
            <numerusform>%1 di %n canale mostrato</numerusform>
            <numerusform>%1 di %n canali mostrati</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::CMainFrame</name>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Apre un documento esistente
Apri</translation>
    </message>
    <message>
        <source>Save the File
File Save</source>
        <translation>Salva il file
Salva file</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Stampa il documento attivo
Stampa</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Visualizza le pagine intere
Anteprima di stampa</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Cambia la stampante e le opzioni di stampa
Impostazioni di stampa</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Chiude l&apos;applicazione; chiede di salvare i documenti
Esci</translation>
    </message>
    <message>
        <source>Viewing the TV Channel
TV Channel</source>
        <translation>Visualizza i canali TV
Canali TV</translation>
    </message>
    <message>
        <source>Viewing the Radio Channel
Radio Channel</source>
        <translation>Visualizza i canali radio
Canali radio</translation>
    </message>
    <message>
        <source>View the Favorite Channel
Favorite Channel</source>
        <translation>Visualizza i canali preferiti
Canali preferiti</translation>
    </message>
    <message>
        <source>Serial Port Setting
Serial Port</source>
        <translation>Impostazioni della porta seriale
Porta seriale</translation>
    </message>
    <message>
        <source>Download the Data
Download</source>
        <translation>Invia i dati al ricevitore
Invia</translation>
    </message>
    <message>
        <source>Move the selected channels up by one place
Move Up</source>
        <translation>Sposta i canali selezionati su di una posizione
Sposta su</translation>
    </message>
    <message>
        <source>Move the selected channels down by one place
Move Down</source>
        <translation>Sposta i canali selezionati giù di una posizione
Sposta giù</translation>
    </message>
    <message>
        <source>Move the selected channels to the top of the list
Move to Top</source>
        <translation>Sposta i canali selezionati in cima alla lista
Sposta in cima</translation>
    </message>
    <message>
        <source>Move the selected channels to the bottom of the list
Move to Bottom</source>
        <translation>Sposta i canali selezionati in fondo alla lista
Sposta in fondo</translation>
    </message>
    <message>
        <source>Give the selected channels a new position
Move To</source>
        <translation>Assegna ai canali selezionati una nuova posizione
Sposta in posizione</translation>
    </message>
    <message>
        <source>Put both lists in the order of another channel file
Apply Order From</source>
        <translation>Ordina entrambe le liste come un altro file di canali
Applica ordine da</translation>
    </message>
    <message>
        <source>Write both channel lists to a CSV file for a spreadsheet
Export List</source>
        <translation>Scrive entrambe le liste canali in un file CSV per un foglio di calcolo
Esporta lista</translation>
    </message>
    <message>
        <source>Copy the selected rows to the clipboard as text
Copy Rows</source>
        <translation>Copia le righe selezionate negli appunti come testo
Copia righe</translation>
    </message>
    <message>
        <source>Upload the Data from the receiver
Upload</source>
        <translation>Scarica i dati dal ricevitore
Scarica</translation>
    </message>
    <message>
        <source>Undo the last change of the channel lists
Undo</source>
        <translation>Annulla l&apos;ultima modifica alle liste canali
Annulla</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Ripete l&apos;ultima modifica annullata
Ripeti</translation>
    </message>
    <message>
        <source>Show the changes that can be undone and redone
Undo History</source>
        <translation>Mostra le modifiche che si possono annullare e ripetere
Cronologia annullamenti</translation>
    </message>
    <message>
        <source>List what Save would change in the file on disk
Show Changes</source>
        <translation>Elenca cosa cambierebbe Salva nel file su disco
Mostra modifiche</translation>
    </message>
    <message>
        <source>Compare the open list with another channel file
Compare With</source>
        <translation>Confronta la lista aperta con un altro file di canali
Confronta con</translation>
    </message>
    <message>
        <source>The earlier versions of this file kept before each save
Versions</source>
        <translation>Le versioni precedenti di questo file, conservate prima di ogni salvataggio
Versioni</translation>
    </message>
    <message>
        <source>Read the file again from disk, dropping the unsaved changes
Revert</source>
        <translation>Rilegge il file dal disco, scartando le modifiche non salvate
Ricarica</translation>
    </message>
    <message>
        <source>Show the changes before each save, with Save and Cancel
Review Before Saving</source>
        <translation>Mostra le modifiche prima di ogni salvataggio, con Salva e Annulla
Rivedi prima di salvare</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Mostra o nasconde la barra degli strumenti
Barra degli strumenti</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Mostra o nasconde la barra di stato
Barra di stato</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostra le informazioni sul programma, il numero di versione e il copyright
Informazioni</translation>
    </message>
    <message>
        <source>Save changes to the All Data Channels?</source>
        <translation>Salvare le modifiche ai dati di tutti i canali?</translation>
    </message>
    <message>
        <source>Undo History</source>
        <translation>Cronologia annullamenti</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Apri...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Salva	Ctrl+S</translation>
    </message>
    <message>
        <source>Re&amp;vert</source>
        <translation>&amp;Ricarica</translation>
    </message>
    <message>
        <source>Show &amp;Changes	Ctrl+Shift+D</source>
        <translation>&amp;Mostra modifiche	Ctrl+Shift+D</translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation>&amp;Confronta con...</translation>
    </message>
    <message>
        <source>Versio&amp;ns...</source>
        <translation>&amp;Versioni...</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <translation>&amp;Esporta lista...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Stam&amp;pa...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Anteprima di s&amp;tampa</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Imposta&amp;zioni di stampa...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Esc&amp;i</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annulla	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <translation>&amp;Ripeti	Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nuovo	Ctrl+N</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>&amp;Copy Rows	Ctrl+C</source>
        <translation>&amp;Copia righe	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Delete	Ctrl+D</source>
        <translation>&amp;Elimina	Ctrl+D</translation>
    </message>
    <message>
        <source>Move &amp;Up	Alt+Up</source>
        <translation>Sposta s&amp;u	Alt+Up</translation>
    </message>
    <message>
        <source>Move Do&amp;wn	Alt+Down</source>
        <translation>Sposta &amp;giù	Alt+Down</translation>
    </message>
    <message>
        <source>Move to To&amp;p	Alt+Home</source>
        <translation>Sposta in ci&amp;ma	Alt+Home</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom	Alt+End</source>
        <translation>Sposta in &amp;fondo	Alt+End</translation>
    </message>
    <message>
        <source>&amp;Move To...	Ctrl+M</source>
        <translation>Sposta in &amp;posizione...	Ctrl+M</translation>
    </message>
    <message>
        <source>Apply &amp;Order From...</source>
        <translation>Applica &amp;ordine da...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;TV Channels</source>
        <translation>Canali &amp;TV</translation>
    </message>
    <message>
        <source>&amp;Radio Channels</source>
        <translation>Canali &amp;radio</translation>
    </message>
    <message>
        <source>&amp;Favourites...</source>
        <translation>&amp;Preferiti...</translation>
    </message>
    <message>
        <source>Undo &amp;History</source>
        <translation>Cronologia &amp;annullamenti</translation>
    </message>
    <message>
        <source>Review Before &amp;Saving</source>
        <translation>Rivedi prima di &amp;salvare</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Porta</translation>
    </message>
    <message>
        <source>&amp;Open Port</source>
        <translation>&amp;Apri porta</translation>
    </message>
    <message>
        <source>Port &amp;Settings...</source>
        <translation>Impo&amp;stazioni porta...</translation>
    </message>
    <message>
        <source>&amp;Download to Receiver...</source>
        <translation>&amp;Invia al ricevitore...</translation>
    </message>
    <message>
        <source>&amp;Upload from Receiver...</source>
        <translation>S&amp;carica dal ricevitore...</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fi&amp;nestra</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra degli strumenti</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra di &amp;stato</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;About VelmoraEdit...</source>
        <translation>&amp;Informazioni su VelmoraEdit...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <translation>Predefinita di &amp;sistema</translation>
    </message>
    <message>
        <source>The language changes when VelmoraEdit starts again.</source>
        <translation>La lingua cambierà al prossimo avvio di VelmoraEdit.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAIUSC</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCORR</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>%1
This file no longer exists and has been removed from the list of recent files.</source>
        <translation>%1
Questo file non esiste più ed è stato rimosso dall&apos;elenco dei file recenti.</translation>
    </message>
    <message>
        <source>Remove channels stored twice, keeping their favourite entries
Remove Duplicates</source>
        <translation>Rimuovi i canali memorizzati due volte, mantenendo le loro voci dei preferiti
Rimuovi duplicati</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>S&amp;trumenti</translation>
    </message>
    <message>
        <source>Remove &amp;Duplicates...</source>
        <translation>Rimuovi &amp;duplicati...</translation>
    </message>
</context>
<context>
    <name>velmora::ChangesWindow</name>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>serviceId</source>
        <translation>ID servizio</translation>
    </message>
    <message>
        <source>pmtPid</source>
        <translation>PID PMT</translation>
    </message>
    <message>
        <source>videoPid</source>
        <translation>PID video</translation>
    </message>
    <message>
        <source>audioPid</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>pcrPid</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>pidMode</source>
        <translation>modo PID</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>criptato</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>bloccato</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>transponder</translation>
    </message>
    <message>
        <source>networkId</source>
        <translation>ID rete</translation>
    </message>
    <message>
        <source>transponderId</source>
        <translation>ID transponder</translation>
    </message>
    <message>
        <source>symbolRate</source>
        <translation>symbol rate</translation>
    </message>
    <message>
        <source>fec</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>band</source>
        <translation>banda</translation>
    </message>
    <message>
        <source>on</source>
        <translation>attivo</translation>
    </message>
    <message>
        <source>off</source>
        <translation>disattivo</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Review Before Saving</source>
        <translation>Rivedi prima di salvare</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifiche</translation>
    </message>
    <message>
        <source>From %1
to %2</source>
        <translation>Da %1
a %2</translation>
    </message>
    <message>
        <source>No changes</source>
        <translation>Nessuna modifica</translation>
    </message>
    <message>
        <source>added</source>
        <translation>aggiunto</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>rimosso</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modificato</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>spostato</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Canali TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Canali radio</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Gruppi preferiti</translation>
    </message>
    <message>
        <source>: added</source>
        <translation>: aggiunto</translation>
    </message>
    <message>
        <source>: removed</source>
        <translation>: rimosso</translation>
    </message>
    <message>
        <source>renamed from %1</source>
        <translation>rinominato da %1</translation>
    </message>
    <message>
        <source>reordered</source>
        <translation>riordinato</translation>
    </message>
    <message>
        <source>%1 member %2 %3 %4</source>
        <translation>membro %1 %2 %3 %4</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>radio</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliti</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>aggiunti: %1</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>rimossi: %1</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>modificati: %1</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>spostati: %1</translation>
    </message>
    <message>
        <source>1 favourite group</source>
        <translation>1 gruppo preferiti</translation>
    </message>
    <message numerus="yes">
        <source>%n favourite groups</source>
        <translation>
            <numerusform>%n gruppo preferiti</numerusform>
            <numerusform>%n gruppi preferiti</numerusform>
        </translation>
    </message>
    <message>
        <source>1 transponder or satellite</source>
        <translation>1 transponder o satellite</translation>
    </message>
    <message numerus="yes">
        <source>%n transponders or satellites</source>
        <translation>
            <numerusform>%n transponder o satellite</numerusform>
            <numerusform>%n transponder o satelliti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::ChannelListMenu</name>
    <message>
        <source>&lt;TV channel&gt;</source>
        <translation>&lt;Canale TV&gt;</translation>
    </message>
    <message>
        <source>&lt;Radio channel&gt;</source>
        <translation>&lt;Canale radio&gt;</translation>
    </message>
    <message>
        <source>New  (&amp;N)</source>
        <translation>Nuovo  (&amp;N)</translation>
    </message>
    <message>
        <source>Cut (&amp;X)</source>
        <translation>Taglia (&amp;T)</translation>
    </message>
    <message>
        <source>Cut  (&amp;X)</source>
        <translation>Taglia  (&amp;T)</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>Incolla(&amp;I)</translation>
    </message>
    <message>
        <source>Del  (&amp;D)</source>
        <translation>Elimina  (&amp;E)</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Sposta in cima</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Sposta in fondo</translation>
    </message>
    <message>
        <source>Move To...</source>
        <translation>Sposta in posizione...</translation>
    </message>
</context>
<context>
    <name>velmora::ChannelListModel</name>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nome canale</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Nome satellite</translation>
    </message>
</context>
<context>
    <name>velmora::FavoritesDialog</name>
    <message>
        <source>Favorite Channel</source>
        <translation>Canali preferiti</translation>
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
        <translation>Preferiti TV:</translation>
    </message>
    <message>
        <source>Radio Favorites:</source>
        <translation>Preferiti radio:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Input the Favorite Name, or Related channel will be deleted, proceed saving?</source>
        <translation>Inserire il nome del preferito, altrimenti i canali collegati verranno eliminati; procedere con il salvataggio?</translation>
    </message>
</context>
<context>
    <name>velmora::ListPrinter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>Velmora Channel List</source>
        <translation>Lista canali Velmora</translation>
    </message>
</context>
<context>
    <name>velmora::MoveToDialog</name>
    <message>
        <source>Move To</source>
        <translation>Sposta in posizione</translation>
    </message>
    <message>
        <source>the channel</source>
        <translation>il canale</translation>
    </message>
    <message>
        <source>New position of %1 (1 to %2):</source>
        <translation>Nuova posizione per %1 (da 1 a %2):</translation>
    </message>
    <message numerus="yes">
        <source>the %n channels</source>
        <translation>
            <numerusform>il %n canale</numerusform>
            <numerusform>i %n canali</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::OrderReport</name>
    <message>
        <source>%1: %2 of %3 channels matched (%4 by ids, %5 by name)</source>
        <translation>%1: %2 canali su %3 abbinati (%4 per ID, %5 per nome)</translation>
    </message>
    <message>
        <source>; not matched, placed after them: %1</source>
        <translation>; non abbinati, posti dopo: %1</translation>
    </message>
    <message>
        <source>; reference channels not in the file: %1</source>
        <translation>; canali del riferimento non presenti nel file: %1</translation>
    </message>
    <message>
        <source>%1 not matched: %2 %3 now %4</source>
        <translation>%1 non abbinato: %2 %3 ora %4</translation>
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
        <translation>Preferiti: gruppi presi dal riferimento: %1</translation>
    </message>
    <message>
        <source>; members dropped, their channels not in the file: %1</source>
        <translation>; voci scartate, i loro canali non sono nel file: %1</translation>
    </message>
    <message>
        <source>Favourites group %1: %2 member %3 %4 dropped</source>
        <translation>Gruppo preferiti %1: voce %2 %3 %4 scartata</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>radio</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>Names taken from the list: %1</source>
        <translation>Nomi presi dalla lista: %1</translation>
    </message>
    <message>
        <source>Favourite groups taken from the list:</source>
        <translation>Gruppi preferiti presi dalla lista:</translation>
    </message>
</context>
<context>
    <name>velmora::SearchDialog</name>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nome canale</translation>
    </message>
</context>
<context>
    <name>velmora::VersionsDialog</name>
    <message>
        <source>Versions</source>
        <translation>Versioni</translation>
    </message>
    <message>
        <source>Kept versions of %1, newest first</source>
        <translation>Versioni conservate di %1, dalla più recente</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Conservata</translation>
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
        <translation>Modifiche rispetto alla lista aperta</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>Con&amp;fronta</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
</context>
<context>
    <name>velmora::ui::DownloadProgressDialog</name>
    <message>
        <source>Download to receiver</source>
        <translation>Invio al ricevitore</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Informazioni di sistema</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modello:</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Versione hardware:</translation>
    </message>
    <message>
        <source>Software version:</source>
        <translation>Versione software:</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Comunicazione</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>byte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>velmora::ui::PortController</name>
    <message>
        <source>Setting : %1</source>
        <translation>Impostazioni: %1</translation>
    </message>
    <message>
        <source>Please set up the port first.</source>
        <translation>Impostare prima la porta.</translation>
    </message>
    <message>
        <source>Initialization of Port COM%1 is successful.</source>
        <translation>Inizializzazione della porta COM%1 riuscita.</translation>
    </message>
    <message>
        <source>COM%1 (%2): %3</source>
        <translation>COM%1 (%2): %3</translation>
    </message>
    <message>
        <source>Failed initializing port.</source>
        <translation>Inizializzazione della porta non riuscita.</translation>
    </message>
    <message>
        <source>Port COM%1 is closed.</source>
        <translation>Porta COM%1 chiusa.</translation>
    </message>
    <message>
        <source>The port settings could not be saved to %1.
%2</source>
        <translation>Impossibile salvare le impostazioni della porta in %1.
%2</translation>
    </message>
    <message>
        <source>The port devices could not be saved to the settings.</source>
        <translation>Impossibile salvare i dispositivi della porta nelle impostazioni.</translation>
    </message>
    <message>
        <source>The new port settings take effect when the port is opened again.</source>
        <translation>Le nuove impostazioni della porta avranno effetto alla prossima apertura della porta.</translation>
    </message>
    <message>
        <source>serial port QueueRead FULL!</source>
        <translation>porta seriale: QueueRead PIENA!</translation>
    </message>
    <message>
        <source>Error while creating ThreadWatchComm, %1</source>
        <translation>Errore durante la creazione di ThreadWatchComm, %1</translation>
    </message>
    <message>
        <source>Port COM%1 was lost: the serial device stopped responding or was unplugged.</source>
        <translation>Porta COM%1 persa: il dispositivo seriale non risponde più o è stato scollegato.</translation>
    </message>
    <message>
        <source>even</source>
        <translation>pari</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>dispari</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>mark</translation>
    </message>
    <message>
        <source>space</source>
        <translation>space</translation>
    </message>
</context>
<context>
    <name>velmora::ui::PortSettingsDialog</name>
    <message>
        <source>Serial Port Setting</source>
        <translation>Impostazioni porta seriale</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Pari</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Dispari</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Velocità (baud)</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Bit di dati</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parità</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Bit di stop</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opzione</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Opzione %1</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Controllo di flusso</translation>
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
        <translation>Dispositivi</translation>
    </message>
    <message>
        <source>COM%1 (set by VELMORA_COM%1)</source>
        <translation>COM%1 (impostata da VELMORA_COM%1)</translation>
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
        <translation>File binari Velmora(*.bin,*.sgn)|*.bin;*.sgn|Tutti i file(*.*)|*|</translation>
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
        <translation>Invio al ricevitore</translation>
    </message>
    <message>
        <source>Upload from receiver</source>
        <translation>Scaricamento dal ricevitore</translation>
    </message>
    <message>
        <source>The earlier version was not kept: %1</source>
        <translation>La versione precedente non è stata conservata: %1</translation>
    </message>
</context>
<context>
    <name>velmora::ui::UploadProgressDialog</name>
    <message>
        <source>Upload from receiver — pulling</source>
        <translation>Scaricamento dal ricevitore — ricezione in corso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Saving to:</source>
        <translation>Salvataggio in:</translation>
    </message>
    <message>
        <source>Bytes received:</source>
        <translation>Byte ricevuti:</translation>
    </message>
</context>
</TS>
