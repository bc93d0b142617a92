<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>CoreText</name>
    <message>
        <source>You must initialize the serial port.</source>
        <translation>Najpierw należy zainicjować port szeregowy.</translation>
    </message>
    <message>
        <source>Invalid Data Format</source>
        <translation>Nieprawidłowy format danych</translation>
    </message>
    <message>
        <source>Unknown Usage Type</source>
        <translation>Nieznany typ użycia</translation>
    </message>
    <message>
        <source>H/W version error</source>
        <translation>Błąd wersji sprzętu (H/W)</translation>
    </message>
    <message>
        <source>S/W version error</source>
        <translation>Błąd wersji oprogramowania (S/W)</translation>
    </message>
    <message>
        <source>Model ID error</source>
        <translation>Błąd identyfikatora modelu</translation>
    </message>
    <message>
        <source>Checksum error</source>
        <translation>Błąd sumy kontrolnej</translation>
    </message>
    <message>
        <source>Verify error</source>
        <translation>Błąd weryfikacji</translation>
    </message>
    <message>
        <source>Download OK</source>
        <translation>Wysyłanie OK</translation>
    </message>
    <message>
        <source>UpLoad Complete(C)!!</source>
        <translation>Pobieranie zakończone(C)!!</translation>
    </message>
    <message>
        <source>UpLoad Complete(M)!!</source>
        <translation>Pobieranie zakończone(M)!!</translation>
    </message>
    <message>
        <source>The previous file was kept.</source>
        <translation>Poprzedni plik został zachowany.</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>plik jest za duży</translation>
    </message>
    <message>
        <source>Invalid Data Format!!!</source>
        <translation>Nieprawidłowy format danych!!!</translation>
    </message>
    <message>
        <source>Invalid Data Format, Check the Source File</source>
        <translation>Nieprawidłowy format danych, sprawdź plik źródłowy</translation>
    </message>
    <message>
        <source>There is no channel with that number.</source>
        <translation>Nie ma kanału o tym numerze.</translation>
    </message>
    <message>
        <source>There is no transponder with that number.</source>
        <translation>Nie ma transpondera o tym numerze.</translation>
    </message>
    <message>
        <source>There is no satellite with that number.</source>
        <translation>Nie ma satelity o tym numerze.</translation>
    </message>
    <message>
        <source>The file has no such favourite group.</source>
        <translation>W pliku nie ma takiej grupy ulubionych.</translation>
    </message>
    <message>
        <source>The channel list is full (10000 channels).</source>
        <translation>Lista kanałów jest pełna (10000 kanałów).</translation>
    </message>
    <message>
        <source>The transponder table is full (1000 transponders).</source>
        <translation>Tabela transponderów jest pełna (1000 transponderów).</translation>
    </message>
    <message>
        <source>A channel file holds at most 255 satellites.</source>
        <translation>Plik kanałów mieści najwyżej 255 satelitów.</translation>
    </message>
    <message>
        <source>The favourite groups are full (10000 entries).</source>
        <translation>Grupy ulubionych są pełne (10000 pozycji).</translation>
    </message>
    <message>
        <source>The channel is already in that favourite group.</source>
        <translation>Kanał jest już w tej grupie ulubionych.</translation>
    </message>
    <message>
        <source>The channel is not in that favourite group.</source>
        <translation>Kanału nie ma w tej grupie ulubionych.</translation>
    </message>
    <message>
        <source>The new order does not name every channel exactly once.</source>
        <translation>Nowa kolejność nie zawiera każdego kanału dokładnie raz.</translation>
    </message>
    <message>
        <source>The favourite group has no entry at that place.</source>
        <translation>Grupa ulubionych nie ma pozycji w tym miejscu.</translation>
    </message>
    <message>
        <source>The file ends before its header is complete.</source>
        <translation>Plik kończy się przed końcem nagłówka.</translation>
    </message>
    <message>
        <source>The file ends before its block head is complete.</source>
        <translation>Plik kończy się przed końcem nagłówka bloku.</translation>
    </message>
    <message>
        <source>The file ends before its general section is complete.</source>
        <translation>Plik kończy się przed końcem sekcji ogólnej.</translation>
    </message>
    <message>
        <source>The file ends before its satellite section is complete.</source>
        <translation>Plik kończy się przed końcem sekcji satelitów.</translation>
    </message>
    <message>
        <source>The file ends before its transponder section is complete.</source>
        <translation>Plik kończy się przed końcem sekcji transponderów.</translation>
    </message>
    <message>
        <source>The file ends before its channel section is complete.</source>
        <translation>Plik kończy się przed końcem sekcji kanałów.</translation>
    </message>
    <message>
        <source>The file ends before its favourite section is complete.</source>
        <translation>Plik kończy się przed końcem sekcji ulubionych.</translation>
    </message>
    <message>
        <source>The file ends before its CRC trailer is complete.</source>
        <translation>Plik kończy się przed końcem stopki CRC.</translation>
    </message>
    <message>
        <source>The file ends before its extra block is complete.</source>
        <translation>Plik kończy się przed końcem bloku dodatkowego.</translation>
    </message>
    <message>
        <source>The file ends before its extra block is complete. (A byte 0xF0 after the favourite section starts an extra block.)</source>
        <translation>Plik kończy się przed końcem bloku dodatkowego. (Bajt 0xF0 po sekcji ulubionych rozpoczyna blok dodatkowy.)</translation>
    </message>
    <message>
        <source>The file holds %1 favourite groups; at most %2 fit.</source>
        <translation>Plik zawiera za dużo grup ulubionych (%1); dozwolone najwyżej %2.</translation>
    </message>
    <message>
        <source>The file holds %1 transponders; at most %2 fit.</source>
        <translation>Plik zawiera za dużo transponderów (%1); dozwolone najwyżej %2.</translation>
    </message>
    <message>
        <source>The file holds %1 TV channels; at most %2 fit.</source>
        <translation>Plik zawiera za dużo kanałów TV (%1); dozwolone najwyżej %2.</translation>
    </message>
    <message>
        <source>The file holds %1 radio channels; at most %2 fit.</source>
        <translation>Plik zawiera za dużo kanałów radiowych (%1); dozwolone najwyżej %2.</translation>
    </message>
    <message>
        <source>The favourite groups hold more than %1 TV members; at most %2 fit.</source>
        <translation>Grupy ulubionych zawierają za dużo kanałów TV (ponad %1); dozwolone najwyżej %2.</translation>
    </message>
    <message>
        <source>The favourite groups hold more than %1 radio members; at most %2 fit.</source>
        <translation>Grupy ulubionych zawierają za dużo kanałów radiowych (ponad %1); dozwolone najwyżej %2.</translation>
    </message>
    <message>
        <source>The extra block is %1 bytes long; at most %2 fit.</source>
        <translation>Blok dodatkowy jest za długi (%1 B); dozwolone najwyżej %2 B.</translation>
    </message>
    <message>
        <source>The file is too large to be a channel file: it holds more than %1 bytes.</source>
        <translation>Plik jest za duży jak na plik kanałów: przekracza %1 B.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Nie można otworzyć %1: %2</translation>
    </message>
</context>
<context>
    <name>velmora::AboutBox</name>
    <message>
        <source>About VelmoraEdit</source>
        <translation>O programie VelmoraEdit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>VelmoraEdit Version 1.0</source>
        <translation>VelmoraEdit wersja 1.0</translation>
    </message>
    <message>
        <source>Release %1
Copyright © The VelmoraEdit developers
Licensed under the GNU General Public License, version 3 or later
(GPL-3.0-or-later). There is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Wydanie %1
Copyright © The VelmoraEdit developers
Licencja: GNU General Public License w wersji 3 lub nowszej
(GPL-3.0-or-later). Program jest dostarczany BEZ GWARANCJI w zakresie dozwolonym przez prawo.</translation>
    </message>
    <message>
        <source>Channel list editor for Velmora receivers</source>
        <translation>Edytor list kanałów dla odbiorników Velmora</translation>
    </message>
</context>
<context>
    <name>velmora::ApplyOrderDialog</name>
    <message>
        <source>Apply Order From %1</source>
        <translation>Zastosuj kolejność z %1</translation>
    </message>
    <message>
        <source>Put both lists in the order of %1?</source>
        <translation>Ułożyć obie listy w kolejności z %1?</translation>
    </message>
</context>
<context>
    <name>velmora::CArdelEditView</name>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Ulubione</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
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
        <translation>Nazwa kanału</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID usługi</translation>
    </message>
    <message>
        <source>PID Mode</source>
        <translation>Tryb PID</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID wideo</translation>
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
        <translation>Blokuj</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Kodowany</translation>
    </message>
    <message>
        <source>Transponder No.</source>
        <translation>Nr transpondera</translation>
    </message>
    <message>
        <source>Transponder ID</source>
        <translation>ID transpondera</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>ID sieci</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Częstotl. (MHz)</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polaryzacja</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Pozioma</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Pionowa</translation>
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
        <translation>Długość geogr.</translation>
    </message>
    <message>
        <source>TV Channel List</source>
        <translation>Lista kanałów TV</translation>
    </message>
    <message>
        <source>Radio Channel List</source>
        <translation>Lista kanałów radiowych</translation>
    </message>
    <message>
        <source>Marked channel will be deleted, proceed saving?</source>
        <translation>Zaznaczony kanał zostanie usunięty. Kontynuować zapis?</translation>
    </message>
    <message numerus="yes">
        <source>%n marked channels will be deleted, proceed saving?</source>
        <translation>
            <numerusform>%n zaznaczony kanał zostanie usunięty. Kontynuować zapis?</numerusform>
            <numerusform>%n zaznaczone kanały zostaną usunięte. Kontynuować zapis?</numerusform>
            <numerusform>%n zaznaczonych kanałów zostanie usuniętych. Kontynuować zapis?</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Satellite &apos;%1&apos;</source>
        <translation>Edycja satelity &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Edit Transponder %1</source>
        <translation>Edycja transpondera %1</translation>
    </message>
    <message>
        <source>Edit Channel &apos;%1&apos;</source>
        <translation>Edycja kanału &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Only Western European (Latin-1) characters can be stored in a channel file</source>
        <translation>W pliku kanałów można zapisać tylko znaki zachodnioeuropejskie (Latin-1)</translation>
    </message>
    <message>
        <source>Edit Favourite Groups</source>
        <translation>Edycja grup ulubionych</translation>
    </message>
    <message>
        <source>Save changes to the All Data Channels?</source>
        <translation>Zapisać zmiany we wszystkich danych kanałów?</translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened. Overwrite it?</source>
        <translation>Plik na dysku zmienił się od czasu otwarcia. Nadpisać go?</translation>
    </message>
    <message>
        <source>The channel file could not be saved.
%1
%2</source>
        <translation>Nie udało się zapisać pliku kanałów.
%1
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be undone; the undo history was cleared</source>
        <translation>Nie można cofnąć &quot;%1&quot; (zbyt duża zmiana); historia cofania została wyczyszczona</translation>
    </message>
    <message>
        <source>The oldest undo steps were dropped to keep the history within %1 MB</source>
        <translation>Usunięto najstarsze kroki cofania, aby historia zmieściła się w %1 MB</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Cofnij: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ponów: %1</translation>
    </message>
    <message>
        <source>As opened</source>
        <translation>Stan po otwarciu</translation>
    </message>
    <message>
        <source>Edit Satellite %1</source>
        <translation>Edycja satelity %1</translation>
    </message>
    <message>
        <source>Edit Channel %1</source>
        <translation>Edycja kanału %1</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>Nowy kanał</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Nowy transponder</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Nowy satelita</translation>
    </message>
    <message>
        <source>Lists (*.csv *.tsv)|*.csv;*.tsv|All Files(*.*)|*|</source>
        <translation>Listy (*.csv *.tsv)|*.csv;*.tsv|Wszystkie pliki(*.*)|*|</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Eksportuj listę</translation>
    </message>
    <message>
        <source>The list cannot be written: %1
%2</source>
        <translation>Nie można zapisać listy: %1
%2</translation>
    </message>
    <message>
        <source>The list cannot be read; the order of the lists was not changed.
%1</source>
        <translation>Nie można odczytać listy; kolejność list nie została zmieniona.
%1</translation>
    </message>
    <message>
        <source>The list is not one this editor can read; the order of the lists was not changed.
%1
%2</source>
        <translation>Tej listy nie da się odczytać w tym edytorze; kolejność list nie została zmieniona.
%1
%2</translation>
    </message>
    <message>
        <source>Apply Order From &apos;%1&apos;</source>
        <translation>Zastosuj kolejność z &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Favourite Group %1</source>
        <translation>Grupa ulubionych %1</translation>
    </message>
    <message>
        <source>Lock Channel</source>
        <translation>Zablokuj kanał</translation>
    </message>
    <message>
        <source>Unlock Channel</source>
        <translation>Odblokuj kanał</translation>
    </message>
    <message numerus="yes">
        <source>Lock %n Channels</source>
        <translation>
            <numerusform>Zablokuj %n kanał</numerusform>
            <numerusform>Zablokuj %n kanały</numerusform>
            <numerusform>Zablokuj %n kanałów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unlock %n Channels</source>
        <translation>
            <numerusform>Odblokuj %n kanał</numerusform>
            <numerusform>Odblokuj %n kanały</numerusform>
            <numerusform>Odblokuj %n kanałów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n channels)</source>
        <translation>
            <numerusform>(%n kanał)</numerusform>
            <numerusform>(%n kanały)</numerusform>
            <numerusform>(%n kanałów)</numerusform>
        </translation>
    </message>
    <message>
        <source>Move Channel</source>
        <translation>Przesuń kanał</translation>
    </message>
    <message>
        <source>Marked channels will be deleted, proceed SAVING?</source>
        <translation>Zaznaczone kanały zostaną usunięte. Kontynuować ZAPIS?</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Zastosuj kolejność z</translation>
    </message>
    <message>
        <source>Lists (*.csv *.tsv)</source>
        <translation>Listy (*.csv *.tsv)</translation>
    </message>
    <message>
        <source>The reference file cannot be read; the order of the lists was not changed.</source>
        <translation>Nie można odczytać pliku wzorcowego; kolejność list nie została zmieniona.</translation>
    </message>
    <message>
        <source>The reference file is damaged; the order of the lists was not changed.</source>
        <translation>Plik wzorcowy jest uszkodzony; kolejność list nie została zmieniona.</translation>
    </message>
    <message>
        <source>The channel list could not be printed on %1.</source>
        <translation>Nie udało się wydrukować listy kanałów na %1.</translation>
    </message>
    <message>
        <source>All channels related to this transponder will be deleted, proceed SAVING?</source>
        <translation>Wszystkie kanały tego transpondera zostaną usunięte. Kontynuować ZAPIS?</translation>
    </message>
    <message>
        <source>All channels and transponders related to this satellite will be deleted, proceed SAVING?</source>
        <translation>Wszystkie kanały i transpondery tego satelity zostaną usunięte. Kontynuować ZAPIS?</translation>
    </message>
    <message>
        <source>Not Delete!!</source>
        <translation>Nie można usunąć!!</translation>
    </message>
    <message>
        <source>Delete Transponder %1</source>
        <translation>Usuń transponder %1</translation>
    </message>
    <message>
        <source>Delete Satellite &apos;%1&apos;</source>
        <translation>Usuń satelitę &apos;%1&apos;</translation>
    </message>
    <message>
        <source>End of Data</source>
        <translation>Koniec danych</translation>
    </message>
    <message numerus="yes">
        <source>%n channels selected</source>
        <translation>
            <numerusform>Zaznaczono %n kanał</numerusform>
            <numerusform>Zaznaczono %n kanały</numerusform>
            <numerusform>Zaznaczono %n kanałów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Channels</source>
        <translation>
            <numerusform>Przesuń %n kanał</numerusform>
            <numerusform>Przesuń %n kanały</numerusform>
            <numerusform>Przesuń %n kanałów</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Usuń kanał</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Channels</source>
        <translation>
            <numerusform>Usuń %n kanał</numerusform>
            <numerusform>Usuń %n kanały</numerusform>
            <numerusform>Usuń %n kanałów</numerusform>
        </translation>
    </message>
    <message>
        <source>Sorted by %1: Save or Cancel to move channels</source>
        <translation>Sortowanie: %1 — Zapisz lub Anuluj, aby przesuwać kanały</translation>
    </message>
    <message>
        <source>The earlier version was not kept: %1</source>
        <translation>Poprzednia wersja nie została zachowana: %1</translation>
    </message>
    <message>
        <source>Discard the unsaved changes and read %1 again from disk?</source>
        <translation>Odrzucić niezapisane zmiany i wczytać %1 ponownie z dysku?</translation>
    </message>
    <message>
        <source>the list as Save would write it</source>
        <translation>lista w postaci, w jakiej zapisze ją Zapisz</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Porównaj z</translation>
    </message>
    <message>
        <source>The file cannot be compared.</source>
        <translation>Nie można porównać pliku.</translation>
    </message>
    <message>
        <source>the open list</source>
        <translation>otwarta lista</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nieczytelna</translation>
    </message>
    <message>
        <source>Replace the open list with this version? It stays unsaved until Save.</source>
        <translation>Zastąpić otwartą listę tą wersją? Pozostanie niezapisana do użycia Zapisz.</translation>
    </message>
    <message>
        <source>The version cannot be read; the open list is unchanged.</source>
        <translation>Nie można odczytać wersji; otwarta lista nie została zmieniona.</translation>
    </message>
    <message>
        <source>Restore Version</source>
        <translation>Przywróć wersję</translation>
    </message>
    <message>
        <source>Restored the version of %1; Save writes it</source>
        <translation>Przywrócono wersję %1; zapisze ją polecenie Zapisz</translation>
    </message>
    <message>
        <source>No duplicate channels found.</source>
        <translation>Nie znaleziono zdublowanych kanałów.</translation>
    </message>
    <message>
        <source>TV channels: %1 duplicates; radio channels: %2 duplicates.
</source>
        <translation>Kanały TV: %1 duplikatów; kanały radiowe: %2 duplikatów.
</translation>
    </message>
    <message>
        <source>Remove 1 duplicate channel? It keeps the first of its copies and its favourite entries.</source>
        <translation>Usunąć 1 zdublowany kanał? Zostaje pierwsza z jego kopii wraz z wpisami ulubionych.</translation>
    </message>
    <message>
        <source>Remove %1 duplicate channels? Each keeps the first of its copies and its favourite entries.</source>
        <translation>Usunąć zdublowane kanały (%1)? Z każdego zostaje pierwsza kopia wraz z wpisami ulubionych.</translation>
    </message>
    <message>
        <source>Remove Duplicate</source>
        <translation>Usuń duplikat</translation>
    </message>
    <message>
        <source>Remove %1 Duplicates</source>
        <translation>Usuń duplikaty (%1)</translation>
    </message>
    <message>
        <source>Filter channels</source>
        <translation>Filtruj kanały</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Wszystkie kanały</translation>
    </message>
    <message>
        <source>Free only</source>
        <translation>Tylko niekodowane</translation>
    </message>
    <message>
        <source>Scrambled only</source>
        <translation>Tylko kodowane</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Zablokowane</translation>
    </message>
    <message>
        <source>In favourite group…</source>
        <translation>W grupie ulubionych…</translation>
    </message>
    <message>
        <source>In no favourite group</source>
        <translation>W żadnej grupie ulubionych</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplikaty</translation>
    </message>
    <message>
        <source>All satellites</source>
        <translation>Wszystkie satelity</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Filtered: clear the filter to move channels by Cut and Paste, a drag or one row at a time</source>
        <translation>Filtr aktywny: wyczyść filtr, aby przenosić kanały przez Wytnij i Wklej, przeciąganie lub o jeden wiersz</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n channels shown</source>
        <translation>
            <numerusform>Pokazano %1 z %n kanału</numerusform>
            <numerusform>Pokazano %1 z %n kanałów</numerusform>
            <numerusform>Pokazano %1 z %n kanałów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::CMainFrame</name>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Otwórz istniejący dokument
Otwórz</translation>
    </message>
    <message>
        <source>Save the File
File Save</source>
        <translation>Zapisz plik
Zapisz plik</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Drukuj aktywny dokument
Drukuj</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Wyświetl całe strony
Podgląd wydruku</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Zmień drukarkę i opcje drukowania
Ustawienia wydruku</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Zakończ program; pyta o zapisanie dokumentów
Zakończ</translation>
    </message>
    <message>
        <source>Viewing the TV Channel
TV Channel</source>
        <translation>Wyświetl kanały TV
Kanały TV</translation>
    </message>
    <message>
        <source>Viewing the Radio Channel
Radio Channel</source>
        <translation>Wyświetl kanały radiowe
Kanały radiowe</translation>
    </message>
    <message>
        <source>View the Favorite Channel
Favorite Channel</source>
        <translation>Wyświetl ulubione kanały
Ulubione kanały</translation>
    </message>
    <message>
        <source>Serial Port Setting
Serial Port</source>
        <translation>Ustawienia portu szeregowego
Port szeregowy</translation>
    </message>
    <message>
        <source>Download the Data
Download</source>
        <translation>Wyślij dane do odbiornika
Wyślij</translation>
    </message>
    <message>
        <source>Move the selected channels up by one place
Move Up</source>
        <translation>Przesuń zaznaczone kanały o jedno miejsce w górę
Przesuń w górę</translation>
    </message>
    <message>
        <source>Move the selected channels down by one place
Move Down</source>
        <translation>Przesuń zaznaczone kanały o jedno miejsce w dół
Przesuń w dół</translation>
    </message>
    <message>
        <source>Move the selected channels to the top of the list
Move to Top</source>
        <translation>Przesuń zaznaczone kanały na początek listy
Przesuń na początek</translation>
    </message>
    <message>
        <source>Move the selected channels to the bottom of the list
Move to Bottom</source>
        <translation>Przesuń zaznaczone kanały na koniec listy
Przesuń na koniec</translation>
    </message>
    <message>
        <source>Give the selected channels a new position
Move To</source>
        <translation>Nadaj zaznaczonym kanałom nową pozycję
Przesuń na pozycję</translation>
    </message>
    <message>
        <source>Put both lists in the order of another channel file
Apply Order From</source>
        <translation>Ułóż obie listy w kolejności z innego pliku kanałów
Zastosuj kolejność z</translation>
    </message>
    <message>
        <source>Write both channel lists to a CSV file for a spreadsheet
Export List</source>
        <translation>Zapisz obie listy kanałów do pliku CSV dla arkusza kalkulacyjnego
Eksportuj listę</translation>
    </message>
    <message>
        <source>Copy the selected rows to the clipboard as text
Copy Rows</source>
        <translation>Skopiuj zaznaczone wiersze do schowka jako tekst
Kopiuj wiersze</translation>
    </message>
    <message>
        <source>Upload the Data from the receiver
Upload</source>
        <translation>Pobierz dane z odbiornika
Pobierz</translation>
    </message>
    <message>
        <source>Undo the last change of the channel lists
Undo</source>
        <translation>Cofnij ostatnią zmianę list kanałów
Cofnij</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Ponów ostatnio cofniętą zmianę
Ponów</translation>
    </message>
    <message>
        <source>Show the changes that can be undone and redone
Undo History</source>
        <translation>Pokaż zmiany, które można cofnąć i ponowić
Historia cofania</translation>
    </message>
    <message>
        <source>List what Save would change in the file on disk
Show Changes</source>
        <translation>Pokaż, co Zapisz zmieni w pliku na dysku
Pokaż zmiany</translation>
    </message>
    <message>
        <source>Compare the open list with another channel file
Compare With</source>
        <translation>Porównaj otwartą listę z innym plikiem kanałów
Porównaj z</translation>
    </message>
    <message>
        <source>The earlier versions of this file kept before each save
Versions</source>
        <translation>Wcześniejsze wersje tego pliku zachowane przed każdym zapisem
Wersje</translation>
    </message>
    <message>
        <source>Read the file again from disk, dropping the unsaved changes
Revert</source>
        <translation>Wczytaj plik ponownie z dysku, odrzucając niezapisane zmiany
Wczytaj ponownie</translation>
    </message>
    <message>
        <source>Show the changes before each save, with Save and Cancel
Review Before Saving</source>
        <translation>Pokazuj zmiany przed każdym zapisem, z przyciskami Zapisz i Anuluj
Przegląd przed zapisem</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Pokaż lub ukryj pasek narzędzi
Pasek narzędzi</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Pokaż lub ukryj pasek stanu
Pasek stanu</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Wyświetl informacje o programie, numer wersji i prawa autorskie
O programie</translation>
    </message>
    <message>
        <source>Save changes to the All Data Channels?</source>
        <translation>Zapisać zmiany we wszystkich danych kanałów?</translation>
    </message>
    <message>
        <source>Undo History</source>
        <translation>Historia cofania</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Otwórz...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Zapisz	Ctrl+S</translation>
    </message>
    <message>
        <source>Re&amp;vert</source>
        <translation>&amp;Wczytaj ponownie</translation>
    </message>
    <message>
        <source>Show &amp;Changes	Ctrl+Shift+D</source>
        <translation>Pokaż z&amp;miany	Ctrl+Shift+D</translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation>Po&amp;równaj z...</translation>
    </message>
    <message>
        <source>Versio&amp;ns...</source>
        <translation>W&amp;ersje...</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <translation>Eksportuj &amp;listę...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drukuj...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Podgląd wydruku</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Ustawienia wydruku...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Cofnij	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <translation>&amp;Ponów	Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nowy	Ctrl+N</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Wy&amp;tnij</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <source>&amp;Copy Rows	Ctrl+C</source>
        <translation>&amp;Kopiuj wiersze	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Delete	Ctrl+D</source>
        <translation>&amp;Usuń	Ctrl+D</translation>
    </message>
    <message>
        <source>Move &amp;Up	Alt+Up</source>
        <translation>Przesuń w &amp;górę	Alt+Up</translation>
    </message>
    <message>
        <source>Move Do&amp;wn	Alt+Down</source>
        <translation>Przesuń w &amp;dół	Alt+Down</translation>
    </message>
    <message>
        <source>Move to To&amp;p	Alt+Home</source>
        <translation>Przesuń na p&amp;oczątek	Alt+Home</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom	Alt+End</source>
        <translation>Przesuń na koni&amp;ec	Alt+End</translation>
    </message>
    <message>
        <source>&amp;Move To...	Ctrl+M</source>
        <translation>Przesuń na poz&amp;ycję...	Ctrl+M</translation>
    </message>
    <message>
        <source>Apply &amp;Order From...</source>
        <translation>&amp;Zastosuj kolejność z...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;TV Channels</source>
        <translation>Kanały &amp;TV</translation>
    </message>
    <message>
        <source>&amp;Radio Channels</source>
        <translation>Kanały &amp;radiowe</translation>
    </message>
    <message>
        <source>&amp;Favourites...</source>
        <translation>&amp;Ulubione...</translation>
    </message>
    <message>
        <source>Undo &amp;History</source>
        <translation>&amp;Historia cofania</translation>
    </message>
    <message>
        <source>Review Before &amp;Saving</source>
        <translation>Przegląd przed &amp;zapisem</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>Po&amp;rt</translation>
    </message>
    <message>
        <source>&amp;Open Port</source>
        <translation>&amp;Otwórz port</translation>
    </message>
    <message>
        <source>Port &amp;Settings...</source>
        <translation>&amp;Ustawienia portu...</translation>
    </message>
    <message>
        <source>&amp;Download to Receiver...</source>
        <translation>&amp;Wyślij do odbiornika...</translation>
    </message>
    <message>
        <source>&amp;Upload from Receiver...</source>
        <translation>&amp;Pobierz z odbiornika...</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Okno</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Pasek narzędzi</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Pasek &amp;stanu</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About VelmoraEdit...</source>
        <translation>&amp;O programie VelmoraEdit...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <translation>&amp;Domyślny systemowy</translation>
    </message>
    <message>
        <source>The language changes when VelmoraEdit starts again.</source>
        <translation>Język zmieni się po ponownym uruchomieniu VelmoraEdit.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowy</translation>
    </message>
    <message>
        <source>%1
This file no longer exists and has been removed from the list of recent files.</source>
        <translation>%1
Ten plik już nie istnieje i został usunięty z listy ostatnio używanych plików.</translation>
    </message>
    <message>
        <source>Remove channels stored twice, keeping their favourite entries
Remove Duplicates</source>
        <translation>Usuń kanały zapisane dwukrotnie, zachowując ich wpisy ulubionych
Usuń duplikaty</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>Remove &amp;Duplicates...</source>
        <translation>Usuń &amp;duplikaty...</translation>
    </message>
</context>
<context>
    <name>velmora::ChangesWindow</name>
    <message>
        <source>name</source>
        <translation>nazwa</translation>
    </message>
    <message>
        <source>serviceId</source>
        <translation>ID usługi</translation>
    </message>
    <message>
        <source>pmtPid</source>
        <translation>PID PMT</translation>
    </message>
    <message>
        <source>videoPid</source>
        <translation>PID wideo</translation>
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
        <translation>tryb PID</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>kodowany</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>blokada</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>transponder</translation>
    </message>
    <message>
        <source>networkId</source>
        <translation>ID sieci</translation>
    </message>
    <message>
        <source>transponderId</source>
        <translation>ID transpondera</translation>
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
        <translation>pasmo</translation>
    </message>
    <message>
        <source>on</source>
        <translation>wł.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wył.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Review Before Saving</source>
        <translation>Przegląd przed zapisem</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Zmiany</translation>
    </message>
    <message>
        <source>From %1
to %2</source>
        <translation>Od: %1
do: %2</translation>
    </message>
    <message>
        <source>No changes</source>
        <translation>Brak zmian</translation>
    </message>
    <message>
        <source>added</source>
        <translation>dodano</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>usunięto</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>zmieniono</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>przeniesiono</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Kanały TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Kanały radiowe</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Grupy ulubionych</translation>
    </message>
    <message>
        <source>: added</source>
        <translation>: dodana</translation>
    </message>
    <message>
        <source>: removed</source>
        <translation>: usunięta</translation>
    </message>
    <message>
        <source>renamed from %1</source>
        <translation>zmieniono nazwę z %1</translation>
    </message>
    <message>
        <source>reordered</source>
        <translation>przesunięto</translation>
    </message>
    <message>
        <source>%1 member %2 %3 %4</source>
        <translation>%2 kanał %1 %3 %4</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>radiowy</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondery</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>dodano %1</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>usunięto %1</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>zmieniono %1</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>przeniesiono %1</translation>
    </message>
    <message>
        <source>1 favourite group</source>
        <translation>1 grupa ulubionych</translation>
    </message>
    <message numerus="yes">
        <source>%n favourite groups</source>
        <translation>
            <numerusform>%n grupa ulubionych</numerusform>
            <numerusform>%n grupy ulubionych</numerusform>
            <numerusform>%n grup ulubionych</numerusform>
        </translation>
    </message>
    <message>
        <source>1 transponder or satellite</source>
        <translation>1 transponder lub satelita</translation>
    </message>
    <message numerus="yes">
        <source>%n transponders or satellites</source>
        <translation>
            <numerusform>%n transponder lub satelita</numerusform>
            <numerusform>%n transpondery lub satelity</numerusform>
            <numerusform>%n transponderów lub satelitów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::ChannelListMenu</name>
    <message>
        <source>&lt;TV channel&gt;</source>
        <translation>&lt;Kanał TV&gt;</translation>
    </message>
    <message>
        <source>&lt;Radio channel&gt;</source>
        <translation>&lt;Kanał radiowy&gt;</translation>
    </message>
    <message>
        <source>New  (&amp;N)</source>
        <translation>Nowy  (&amp;N)</translation>
    </message>
    <message>
        <source>Cut (&amp;X)</source>
        <translation>Wytnij (&amp;X)</translation>
    </message>
    <message>
        <source>Cut  (&amp;X)</source>
        <translation>Wytnij  (&amp;X)</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>Wklej(&amp;P)</translation>
    </message>
    <message>
        <source>Del  (&amp;D)</source>
        <translation>Usuń  (&amp;D)</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Przesuń w górę</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Przesuń w dół</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Przesuń na początek</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Przesuń na koniec</translation>
    </message>
    <message>
        <source>Move To...</source>
        <translation>Przesuń na pozycję...</translation>
    </message>
</context>
<context>
    <name>velmora::ChannelListModel</name>
    <message>
        <source>Number</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nazwa kanału</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Nazwa satelity</translation>
    </message>
</context>
<context>
    <name>velmora::FavoritesDialog</name>
    <message>
        <source>Favorite Channel</source>
        <translation>Ulubione kanały</translation>
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
        <translation>Ulubione TV:</translation>
    </message>
    <message>
        <source>Radio Favorites:</source>
        <translation>Ulubione radio:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Input the Favorite Name, or Related channel will be deleted, proceed saving?</source>
        <translation>Wpisz nazwę grupy ulubionych, inaczej powiązane kanały zostaną usunięte. Kontynuować zapis?</translation>
    </message>
</context>
<context>
    <name>velmora::ListPrinter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
    <message>
        <source>Velmora Channel List</source>
        <translation>Lista kanałów Velmora</translation>
    </message>
</context>
<context>
    <name>velmora::MoveToDialog</name>
    <message>
        <source>Move To</source>
        <translation>Przesuń na pozycję</translation>
    </message>
    <message>
        <source>the channel</source>
        <translation>kanału</translation>
    </message>
    <message>
        <source>New position of %1 (1 to %2):</source>
        <translation>Nowa pozycja %1 (od 1 do %2):</translation>
    </message>
    <message numerus="yes">
        <source>the %n channels</source>
        <translation>
            <numerusform>%n kanałów</numerusform>
            <numerusform>%n kanałów</numerusform>
            <numerusform>%n kanałów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::OrderReport</name>
    <message>
        <source>%1: %2 of %3 channels matched (%4 by ids, %5 by name)</source>
        <translation>%1: dopasowano %2 z %3 kanałów (%4 po ID, %5 po nazwie)</translation>
    </message>
    <message>
        <source>; not matched, placed after them: %1</source>
        <translation>; niedopasowane, umieszczone za nimi: %1</translation>
    </message>
    <message>
        <source>; reference channels not in the file: %1</source>
        <translation>; kanały wzorca nieobecne w pliku: %1</translation>
    </message>
    <message>
        <source>%1 not matched: %2 %3 now %4</source>
        <translation>%1 niedopasowany: %2 %3 teraz %4</translation>
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
        <translation>Ulubione: grupy przejęte ze wzorca: %1</translation>
    </message>
    <message>
        <source>; members dropped, their channels not in the file: %1</source>
        <translation>; pominięte pozycje, ich kanałów nie ma w pliku: %1</translation>
    </message>
    <message>
        <source>Favourites group %1: %2 member %3 %4 dropped</source>
        <translation>Grupa ulubionych %1: pozycja %2 %3 %4 pominięta</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>radio</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>Names taken from the list: %1</source>
        <translation>Nazwy przejęte z listy: %1</translation>
    </message>
    <message>
        <source>Favourite groups taken from the list:</source>
        <translation>Grupy ulubionych przejęte z listy:</translation>
    </message>
</context>
<context>
    <name>velmora::SearchDialog</name>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nazwa kanału</translation>
    </message>
</context>
<context>
    <name>velmora::VersionsDialog</name>
    <message>
        <source>Versions</source>
        <translation>Wersje</translation>
    </message>
    <message>
        <source>Kept versions of %1, newest first</source>
        <translation>Zachowane wersje %1, od najnowszej</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Zachowano</translation>
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
        <translation>Zmiany względem otwartej listy</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Porównaj</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>P&amp;rzywróć</translation>
    </message>
</context>
<context>
    <name>velmora::ui::DownloadProgressDialog</name>
    <message>
        <source>Download to receiver</source>
        <translation>Wysyłanie do odbiornika</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Informacje o systemie</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Wersja sprzętu:</translation>
    </message>
    <message>
        <source>Software version:</source>
        <translation>Wersja oprogramowania:</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Komunikacja</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Prędkość:</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bajtów</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>velmora::ui::PortController</name>
    <message>
        <source>Setting : %1</source>
        <translation>Ustawienia : %1</translation>
    </message>
    <message>
        <source>Please set up the port first.</source>
        <translation>Najpierw skonfiguruj port.</translation>
    </message>
    <message>
        <source>Initialization of Port COM%1 is successful.</source>
        <translation>Port COM%1 został zainicjowany.</translation>
    </message>
    <message>
        <source>COM%1 (%2): %3</source>
        <translation>COM%1 (%2): %3</translation>
    </message>
    <message>
        <source>Failed initializing port.</source>
        <translation>Nie udało się zainicjować portu.</translation>
    </message>
    <message>
        <source>Port COM%1 is closed.</source>
        <translation>Port COM%1 jest zamknięty.</translation>
    </message>
    <message>
        <source>The port settings could not be saved to %1.
%2</source>
        <translation>Nie udało się zapisać ustawień portu w %1.
%2</translation>
    </message>
    <message>
        <source>The port devices could not be saved to the settings.</source>
        <translation>Nie udało się zapisać urządzeń portu w ustawieniach.</translation>
    </message>
    <message>
        <source>The new port settings take effect when the port is opened again.</source>
        <translation>Nowe ustawienia portu zaczną obowiązywać po ponownym otwarciu portu.</translation>
    </message>
    <message>
        <source>serial port QueueRead FULL!</source>
        <translation>Port szeregowy: kolejka QueueRead PEŁNA!</translation>
    </message>
    <message>
        <source>Error while creating ThreadWatchComm, %1</source>
        <translation>Błąd podczas tworzenia ThreadWatchComm, %1</translation>
    </message>
    <message>
        <source>Port COM%1 was lost: the serial device stopped responding or was unplugged.</source>
        <translation>Utracono port COM%1: urządzenie szeregowe przestało odpowiadać lub zostało odłączone.</translation>
    </message>
    <message>
        <source>even</source>
        <translation>parzysta</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>nieparzysta</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>znacznik</translation>
    </message>
    <message>
        <source>space</source>
        <translation>odstęp</translation>
    </message>
</context>
<context>
    <name>velmora::ui::PortSettingsDialog</name>
    <message>
        <source>Serial Port Setting</source>
        <translation>Ustawienia portu szeregowego</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Parzysta</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Nieparzysta</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Znacznik</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Odstęp</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Prędkość (bit/s)</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Bity danych</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parzystość</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Bity stopu</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opcja</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Opcja %1</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Sterowanie przepływem</translation>
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
        <translation>Urządzenia</translation>
    </message>
    <message>
        <source>COM%1 (set by VELMORA_COM%1)</source>
        <translation>COM%1 (ustawione przez VELMORA_COM%1)</translation>
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
        <translation>Pliki binarne Velmora(*.bin,*.sgn)|*.bin;*.sgn|Wszystkie pliki(*.*)|*|</translation>
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
        <translation>Wysyłanie do odbiornika</translation>
    </message>
    <message>
        <source>Upload from receiver</source>
        <translation>Pobieranie z odbiornika</translation>
    </message>
    <message>
        <source>The earlier version was not kept: %1</source>
        <translation>Poprzednia wersja nie została zachowana: %1</translation>
    </message>
</context>
<context>
    <name>velmora::ui::UploadProgressDialog</name>
    <message>
        <source>Upload from receiver — pulling</source>
        <translation>Pobieranie z odbiornika — odbiór danych</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Saving to:</source>
        <translation>Zapis do:</translation>
    </message>
    <message>
        <source>Bytes received:</source>
        <translation>Odebrane bajty:</translation>
    </message>
</context>
</TS>
