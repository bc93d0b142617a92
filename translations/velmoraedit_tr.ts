<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>CoreText</name>
    <message>
        <source>You must initialize the serial port.</source>
        <translation>Önce seri portu başlatmalısınız.</translation>
    </message>
    <message>
        <source>Invalid Data Format</source>
        <translation>Geçersiz Veri Biçimi</translation>
    </message>
    <message>
        <source>Unknown Usage Type</source>
        <translation>Bilinmeyen Kullanım Türü</translation>
    </message>
    <message>
        <source>H/W version error</source>
        <translation>Donanım sürümü hatası</translation>
    </message>
    <message>
        <source>S/W version error</source>
        <translation>Yazılım sürümü hatası</translation>
    </message>
    <message>
        <source>Model ID error</source>
        <translation>Model ID hatası</translation>
    </message>
    <message>
        <source>Checksum error</source>
        <translation>Sağlama toplamı hatası</translation>
    </message>
    <message>
        <source>Verify error</source>
        <translation>Doğrulama hatası</translation>
    </message>
    <message>
        <source>Download OK</source>
        <translation>Yükleme tamam</translation>
    </message>
    <message>
        <source>UpLoad Complete(C)!!</source>
        <translation>Alım Tamamlandı(C)!!</translation>
    </message>
    <message>
        <source>UpLoad Complete(M)!!</source>
        <translation>Alım Tamamlandı(M)!!</translation>
    </message>
    <message>
        <source>The previous file was kept.</source>
        <translation>Önceki dosya korundu.</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>dosya çok büyük</translation>
    </message>
    <message>
        <source>Invalid Data Format!!!</source>
        <translation>Geçersiz Veri Biçimi!!!</translation>
    </message>
    <message>
        <source>Invalid Data Format, Check the Source File</source>
        <translation>Geçersiz Veri Biçimi, Kaynak Dosyayı Kontrol Edin</translation>
    </message>
    <message>
        <source>There is no channel with that number.</source>
        <translation>Bu numarada kanal yok.</translation>
    </message>
    <message>
        <source>There is no transponder with that number.</source>
        <translation>Bu numarada transponder yok.</translation>
    </message>
    <message>
        <source>There is no satellite with that number.</source>
        <translation>Bu numarada uydu yok.</translation>
    </message>
    <message>
        <source>The file has no such favourite group.</source>
        <translation>Dosyada böyle bir favori grubu yok.</translation>
    </message>
    <message>
        <source>The channel list is full (10000 channels).</source>
        <translation>Kanal listesi dolu (10000 kanal).</translation>
    </message>
    <message>
        <source>The transponder table is full (1000 transponders).</source>
        <translation>Transponder tablosu dolu (1000 transponder).</translation>
    </message>
    <message>
        <source>A channel file holds at most 255 satellites.</source>
        <translation>Bir kanal dosyası en fazla 255 uydu içerebilir.</translation>
    </message>
    <message>
        <source>The favourite groups are full (10000 entries).</source>
        <translation>Favori grupları dolu (10000 kayıt).</translation>
    </message>
    <message>
        <source>The channel is already in that favourite group.</source>
        <translation>Kanal zaten bu favori grubunda.</translation>
    </message>
    <message>
        <source>The channel is not in that favourite group.</source>
        <translation>Kanal bu favori grubunda değil.</translation>
    </message>
    <message>
        <source>The new order does not name every channel exactly once.</source>
        <translation>Yeni sıralama her kanalı tam olarak bir kez içermiyor.</translation>
    </message>
    <message>
        <source>The favourite group has no entry at that place.</source>
        <translation>Favori grubunda bu konumda kayıt yok.</translation>
    </message>
    <message>
        <source>The file ends before its header is complete.</source>
        <translation>Dosya, dosya başlığı tamamlanmadan bitiyor.</translation>
    </message>
    <message>
        <source>The file ends before its block head is complete.</source>
        <translation>Dosya, blok başlığı tamamlanmadan bitiyor.</translation>
    </message>
    <message>
        <source>The file ends before its general section is complete.</source>
        <translation>Dosya, genel bölüm tamamlanmadan bitiyor.</translation>
    </message>
    <message>
        <source>The file ends before its satellite section is complete.</source>
        <translation>Dosya, uydu bölümü tamamlanmadan bitiyor.</translation>
    </message>
    <message>
        <source>The file ends before its transponder section is complete.</source>
        <translation>Dosya, transponder bölümü tamamlanmadan bitiyor.</translation>
    </message>
    <message>
        <source>The file ends before its channel section is complete.</source>
        <translation>Dosya, kanal bölümü tamamlanmadan bitiyor.</translation>
    </message>
    <message>
        <source>The file ends before its favourite section is complete.</source>
        <translation>Dosya, favori bölümü tamamlanmadan bitiyor.</translation>
    </message>
    <message>
        <source>The file ends before its CRC trailer is complete.</source>
        <translation>Dosya, sondaki CRC değeri tamamlanmadan bitiyor.</translation>
    </message>
    <message>
        <source>The file ends before its extra block is complete.</source>
        <translation>Dosya, ek blok tamamlanmadan bitiyor.</translation>
    </message>
    <message>
        <source>The file ends before its extra block is complete. (A byte 0xF0 after the favourite section starts an extra block.)</source>
        <translation>Dosya, ek blok tamamlanmadan bitiyor. (Favori bölümünden sonra gelen 0xF0 baytı bir ek blok başlatır.)</translation>
    </message>
    <message>
        <source>The file holds %1 favourite groups; at most %2 fit.</source>
        <translation>Dosyada %1 favori grubu var; en fazla %2 sığar.</translation>
    </message>
    <message>
        <source>The file holds %1 transponders; at most %2 fit.</source>
        <translation>Dosyada %1 transponder var; en fazla %2 sığar.</translation>
    </message>
    <message>
        <source>The file holds %1 TV channels; at most %2 fit.</source>
        <translation>Dosyada %1 TV kanalı var; en fazla %2 sığar.</translation>
    </message>
    <message>
        <source>The file holds %1 radio channels; at most %2 fit.</source>
        <translation>Dosyada %1 radyo kanalı var; en fazla %2 sığar.</translation>
    </message>
    <message>
        <source>The favourite groups hold more than %1 TV members; at most %2 fit.</source>
        <translation>Favori gruplarında %1 taneden fazla TV kanalı var; en fazla %2 sığar.</translation>
    </message>
    <message>
        <source>The favourite groups hold more than %1 radio members; at most %2 fit.</source>
        <translation>Favori gruplarında %1 taneden fazla radyo kanalı var; en fazla %2 sığar.</translation>
    </message>
    <message>
        <source>The extra block is %1 bytes long; at most %2 fit.</source>
        <translation>Ek blok %1 bayt uzunluğunda; en fazla %2 sığar.</translation>
    </message>
    <message>
        <source>The file is too large to be a channel file: it holds more than %1 bytes.</source>
        <translation>Dosya, kanal dosyası olamayacak kadar büyük: %1 bayttan fazla veri içeriyor.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 açılamıyor: %2</translation>
    </message>
</context>
<context>
    <name>velmora::AboutBox</name>
    <message>
        <source>About VelmoraEdit</source>
        <translation>VelmoraEdit Hakkında</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>VelmoraEdit Version 1.0</source>
        <translation>VelmoraEdit Sürüm 1.0</translation>
    </message>
    <message>
        <source>Release %1
Copyright © The VelmoraEdit developers
Licensed under the GNU General Public License, version 3 or later
(GPL-3.0-or-later). There is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Yayın %1
Telif hakkı © VelmoraEdit geliştiricileri
GNU Genel Kamu Lisansı, sürüm 3 veya sonrası ile lisanslanmıştır
(GPL-3.0-or-later). Yasaların izin verdiği ölçüde HİÇBİR GARANTİ yoktur.</translation>
    </message>
    <message>
        <source>Channel list editor for Velmora receivers</source>
        <translation>Velmora alıcıları için kanal listesi düzenleyici</translation>
    </message>
</context>
<context>
    <name>velmora::ApplyOrderDialog</name>
    <message>
        <source>Apply Order From %1</source>
        <translation>Sıralamayı Al: %1</translation>
    </message>
    <message>
        <source>Put both lists in the order of %1?</source>
        <translation>İki liste de %1 dosyasındaki sıraya konsun mu?</translation>
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
        <translation>Uydu</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriler</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Kanal Adı</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Servis ID</translation>
    </message>
    <message>
        <source>PID Mode</source>
        <translation>PID Modu</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video PID</translation>
    </message>
    <message>
        <source>PMT PID</source>
        <translation>PMT PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Ses PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>[HEX]</source>
        <translation>[HEX]</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Kilit</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Şifreli</translation>
    </message>
    <message>
        <source>Transponder No.</source>
        <translation>Transponder No.</translation>
    </message>
    <message>
        <source>Transponder ID</source>
        <translation>Transponder ID</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>Ağ ID</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frekans (MHz)</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarizasyon</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Yatay</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Dikey</translation>
    </message>
    <message>
        <source>Symbol Rate (kS/s)</source>
        <translation>Sembol Oranı (kS/s)</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>OTOMATİK</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Boylam</translation>
    </message>
    <message>
        <source>TV Channel List</source>
        <translation>TV Kanal Listesi</translation>
    </message>
    <message>
        <source>Radio Channel List</source>
        <translation>Radyo Kanal Listesi</translation>
    </message>
    <message>
        <source>Marked channel will be deleted, proceed saving?</source>
        <translation>İşaretli kanal silinecek, kaydetmeye devam edilsin mi?</translation>
    </message>
    <message numerus="yes">
        <source>%n marked channels will be deleted, proceed saving?</source>
        <translation>
            <numerusform>İşaretli %n kanal silinecek, kaydetmeye devam edilsin mi?</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Satellite &apos;%1&apos;</source>
        <translation>Uydu Düzenleme &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Edit Transponder %1</source>
        <translation>Transponder Düzenleme %1</translation>
    </message>
    <message>
        <source>Edit Channel &apos;%1&apos;</source>
        <translation>Kanal Düzenleme &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Only Western European (Latin-1) characters can be stored in a channel file</source>
        <translation>Kanal dosyasına yalnızca Batı Avrupa (Latin-1) karakterleri kaydedilebilir</translation>
    </message>
    <message>
        <source>Edit Favourite Groups</source>
        <translation>Favori Grupları Düzenleme</translation>
    </message>
    <message>
        <source>Save changes to the All Data Channels?</source>
        <translation>Tüm veri kanallarındaki değişiklikler kaydedilsin mi?</translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened. Overwrite it?</source>
        <translation>Dosya açıldıktan sonra diskte değişti. Üzerine yazılsın mı?</translation>
    </message>
    <message>
        <source>The channel file could not be saved.
%1
%2</source>
        <translation>Kanal dosyası kaydedilemedi.
%1
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be undone; the undo history was cleared</source>
        <translation>&quot;%1&quot; geri alınamayacak kadar büyük; geri alma geçmişi temizlendi</translation>
    </message>
    <message>
        <source>The oldest undo steps were dropped to keep the history within %1 MB</source>
        <translation>Geçmişi %1 MB içinde tutmak için en eski geri alma adımları silindi</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri Al</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Geri Al: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Yinele: %1</translation>
    </message>
    <message>
        <source>As opened</source>
        <translation>Açıldığı gibi</translation>
    </message>
    <message>
        <source>Edit Satellite %1</source>
        <translation>Uydu Düzenleme %1</translation>
    </message>
    <message>
        <source>Edit Channel %1</source>
        <translation>Kanal Düzenleme %1</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>Yeni Kanal</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Yeni Transponder</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Yeni Uydu</translation>
    </message>
    <message>
        <source>Lists (*.csv *.tsv)|*.csv;*.tsv|All Files(*.*)|*|</source>
        <translation>Listeler (*.csv *.tsv)|*.csv;*.tsv|Tüm Dosyalar(*.*)|*|</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Listeyi Dışa Aktar</translation>
    </message>
    <message>
        <source>The list cannot be written: %1
%2</source>
        <translation>Liste yazılamıyor: %1
%2</translation>
    </message>
    <message>
        <source>The list cannot be read; the order of the lists was not changed.
%1</source>
        <translation>Liste okunamıyor; listelerin sırası değiştirilmedi.
%1</translation>
    </message>
    <message>
        <source>The list is not one this editor can read; the order of the lists was not changed.
%1
%2</source>
        <translation>Bu liste, bu düzenleyicinin okuyabildiği türden değil; listelerin sırası değiştirilmedi.
%1
%2</translation>
    </message>
    <message>
        <source>Apply Order From &apos;%1&apos;</source>
        <translation>Sıralamayı Alma &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Favourite Group %1</source>
        <translation>Favori Grubu %1</translation>
    </message>
    <message>
        <source>Lock Channel</source>
        <translation>Kanal Kilitleme</translation>
    </message>
    <message>
        <source>Unlock Channel</source>
        <translation>Kanal Kilidi Açma</translation>
    </message>
    <message numerus="yes">
        <source>Lock %n Channels</source>
        <translation>
            <numerusform>%n Kanal Kilitleme</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unlock %n Channels</source>
        <translation>
            <numerusform>%n Kanalın Kilidini Açma</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n channels)</source>
        <translation>
            <numerusform>(%n kanal)</numerusform>
        </translation>
    </message>
    <message>
        <source>Move Channel</source>
        <translation>Kanal Taşıma</translation>
    </message>
    <message>
        <source>Marked channels will be deleted, proceed SAVING?</source>
        <translation>İşaretli kanallar silinecek, KAYDETMEYE devam edilsin mi?</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Sıralamayı Dosyadan Al</translation>
    </message>
    <message>
        <source>Lists (*.csv *.tsv)</source>
        <translation>Listeler (*.csv *.tsv)</translation>
    </message>
    <message>
        <source>The reference file cannot be read; the order of the lists was not changed.</source>
        <translation>Referans dosyası okunamıyor; listelerin sırası değiştirilmedi.</translation>
    </message>
    <message>
        <source>The reference file is damaged; the order of the lists was not changed.</source>
        <translation>Referans dosyası bozuk; listelerin sırası değiştirilmedi.</translation>
    </message>
    <message>
        <source>The channel list could not be printed on %1.</source>
        <translation>Kanal listesi %1 üzerinde yazdırılamadı.</translation>
    </message>
    <message>
        <source>All channels related to this transponder will be deleted, proceed SAVING?</source>
        <translation>Bu transpondere ait tüm kanallar silinecek, KAYDETMEYE devam edilsin mi?</translation>
    </message>
    <message>
        <source>All channels and transponders related to this satellite will be deleted, proceed SAVING?</source>
        <translation>Bu uyduya ait tüm kanallar ve transponderler silinecek, KAYDETMEYE devam edilsin mi?</translation>
    </message>
    <message>
        <source>Not Delete!!</source>
        <translation>Silinemez!!</translation>
    </message>
    <message>
        <source>Delete Transponder %1</source>
        <translation>Transponder Silme %1</translation>
    </message>
    <message>
        <source>Delete Satellite &apos;%1&apos;</source>
        <translation>Uydu Silme &apos;%1&apos;</translation>
    </message>
    <message>
        <source>End of Data</source>
        <translation>Veri Sonu</translation>
    </message>
    <message numerus="yes">
        <source>%n channels selected</source>
        <translation>
            <numerusform>%n kanal seçili</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Channels</source>
        <translation>
            <numerusform>%n Kanal Taşıma</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Kanal Silme</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Channels</source>
        <translation>
            <numerusform>%n Kanal Silme</numerusform>
        </translation>
    </message>
    <message>
        <source>Sorted by %1: Save or Cancel to move channels</source>
        <translation>%1 sütununa göre sıralı: kanalları taşımak için önce Kaydet veya İptal</translation>
    </message>
    <message>
        <source>The earlier version was not kept: %1</source>
        <translation>Önceki sürüm saklanamadı: %1</translation>
    </message>
    <message>
        <source>Discard the unsaved changes and read %1 again from disk?</source>
        <translation>Kaydedilmemiş değişiklikler atılsın ve %1 diskten yeniden okunsun mu?</translation>
    </message>
    <message>
        <source>the list as Save would write it</source>
        <translation>Kaydet&apos;in yazacağı liste</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Karşılaştır</translation>
    </message>
    <message>
        <source>The file cannot be compared.</source>
        <translation>Dosya karşılaştırılamıyor.</translation>
    </message>
    <message>
        <source>the open list</source>
        <translation>açık liste</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>okunamıyor</translation>
    </message>
    <message>
        <source>Replace the open list with this version? It stays unsaved until Save.</source>
        <translation>Açık liste bu sürümle değiştirilsin mi? Kaydet&apos;e basılana kadar kaydedilmemiş kalır.</translation>
    </message>
    <message>
        <source>The version cannot be read; the open list is unchanged.</source>
        <translation>Sürüm okunamıyor; açık liste değişmedi.</translation>
    </message>
    <message>
        <source>Restore Version</source>
        <translation>Sürüm Geri Yükleme</translation>
    </message>
    <message>
        <source>Restored the version of %1; Save writes it</source>
        <translation>%1 sürümü geri yüklendi; Kaydet ile dosyaya yazılır</translation>
    </message>
    <message>
        <source>No duplicate channels found.</source>
        <translation>Yinelenen kanal bulunamadı.</translation>
    </message>
    <message>
        <source>TV channels: %1 duplicates; radio channels: %2 duplicates.
</source>
        <translation>TV kanalları: %1 yinelenen; radyo kanalları: %2 yinelenen.
</translation>
    </message>
    <message>
        <source>Remove 1 duplicate channel? It keeps the first of its copies and its favourite entries.</source>
        <translation>1 yinelenen kanal kaldırılsın mı? Kopyalarının ilki, sık kullanılan girişleriyle birlikte kalır.</translation>
    </message>
    <message>
        <source>Remove %1 duplicate channels? Each keeps the first of its copies and its favourite entries.</source>
        <translation>%1 yinelenen kanal kaldırılsın mı? Her birinin ilk kopyası, sık kullanılan girişleriyle birlikte kalır.</translation>
    </message>
    <message>
        <source>Remove Duplicate</source>
        <translation>Yineleneni kaldır</translation>
    </message>
    <message>
        <source>Remove %1 Duplicates</source>
        <translation>%1 yineleneni kaldır</translation>
    </message>
    <message>
        <source>Filter channels</source>
        <translation>Kanalları süz</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Tüm kanallar</translation>
    </message>
    <message>
        <source>Free only</source>
        <translation>Yalnızca şifresiz</translation>
    </message>
    <message>
        <source>Scrambled only</source>
        <translation>Yalnızca şifreli</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Kilitli</translation>
    </message>
    <message>
        <source>In favourite group…</source>
        <translation>Sık kullanılan grubunda…</translation>
    </message>
    <message>
        <source>In no favourite group</source>
        <translation>Hiçbir sık kullanılan grubunda değil</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Yinelenenler</translation>
    </message>
    <message>
        <source>All satellites</source>
        <translation>Tüm uydular</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Filtered: clear the filter to move channels by Cut and Paste, a drag or one row at a time</source>
        <translation>Süzülmüş: kanalları Kes ve Yapıştır, sürükleme ya da birer satır taşımak için süzgeci temizleyin</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n channels shown</source>
        <translation>
            <numerusform>%n kanaldan %1 tanesi gösteriliyor</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::CMainFrame</name>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Var olan bir belgeyi açar
Aç</translation>
    </message>
    <message>
        <source>Save the File
File Save</source>
        <translation>Dosyayı kaydeder
Kaydet</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Etkin belgeyi yazdırır
Yazdır</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Tam sayfaları gösterir
Baskı Önizleme</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Yazıcıyı ve yazdırma seçeneklerini değiştirir
Yazdırma Ayarları</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Uygulamadan çıkar; belgelerin kaydedilmesini sorar
Çıkış</translation>
    </message>
    <message>
        <source>Viewing the TV Channel
TV Channel</source>
        <translation>TV kanallarını gösterir
TV Kanalları</translation>
    </message>
    <message>
        <source>Viewing the Radio Channel
Radio Channel</source>
        <translation>Radyo kanallarını gösterir
Radyo Kanalları</translation>
    </message>
    <message>
        <source>View the Favorite Channel
Favorite Channel</source>
        <translation>Favori kanalları gösterir
Favori Kanallar</translation>
    </message>
    <message>
        <source>Serial Port Setting
Serial Port</source>
        <translation>Seri port ayarı
Seri Port</translation>
    </message>
    <message>
        <source>Download the Data
Download</source>
        <translation>Verileri alıcıya yükler
Alıcıya Yükle</translation>
    </message>
    <message>
        <source>Move the selected channels up by one place
Move Up</source>
        <translation>Seçili kanalları bir sıra yukarı taşır
Yukarı Taşı</translation>
    </message>
    <message>
        <source>Move the selected channels down by one place
Move Down</source>
        <translation>Seçili kanalları bir sıra aşağı taşır
Aşağı Taşı</translation>
    </message>
    <message>
        <source>Move the selected channels to the top of the list
Move to Top</source>
        <translation>Seçili kanalları listenin en üstüne taşır
En Üste Taşı</translation>
    </message>
    <message>
        <source>Move the selected channels to the bottom of the list
Move to Bottom</source>
        <translation>Seçili kanalları listenin en altına taşır
En Alta Taşı</translation>
    </message>
    <message>
        <source>Give the selected channels a new position
Move To</source>
        <translation>Seçili kanallara yeni bir konum verir
Konuma Taşı</translation>
    </message>
    <message>
        <source>Put both lists in the order of another channel file
Apply Order From</source>
        <translation>İki listeyi başka bir kanal dosyasındaki sıraya koyar
Sıralamayı Dosyadan Al</translation>
    </message>
    <message>
        <source>Write both channel lists to a CSV file for a spreadsheet
Export List</source>
        <translation>İki kanal listesini hesap tablosu için bir CSV dosyasına yazar
Listeyi Dışa Aktar</translation>
    </message>
    <message>
        <source>Copy the selected rows to the clipboard as text
Copy Rows</source>
        <translation>Seçili satırları panoya metin olarak kopyalar
Satırları Kopyala</translation>
    </message>
    <message>
        <source>Upload the Data from the receiver
Upload</source>
        <translation>Verileri alıcıdan alır
Alıcıdan Al</translation>
    </message>
    <message>
        <source>Undo the last change of the channel lists
Undo</source>
        <translation>Kanal listelerindeki son değişikliği geri alır
Geri Al</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>En son geri alınan değişikliği yineler
Yinele</translation>
    </message>
    <message>
        <source>Show the changes that can be undone and redone
Undo History</source>
        <translation>Geri alınabilen ve yinelenebilen değişiklikleri gösterir
Geri Alma Geçmişi</translation>
    </message>
    <message>
        <source>List what Save would change in the file on disk
Show Changes</source>
        <translation>Kaydet&apos;in diskteki dosyada neleri değiştireceğini listeler
Değişiklikleri Göster</translation>
    </message>
    <message>
        <source>Compare the open list with another channel file
Compare With</source>
        <translation>Açık listeyi başka bir kanal dosyasıyla karşılaştırır
Karşılaştır</translation>
    </message>
    <message>
        <source>The earlier versions of this file kept before each save
Versions</source>
        <translation>Bu dosyanın her kayıttan önce saklanan eski sürümleri
Sürümler</translation>
    </message>
    <message>
        <source>Read the file again from disk, dropping the unsaved changes
Revert</source>
        <translation>Kaydedilmemiş değişiklikleri atıp dosyayı diskten yeniden okur
Yeniden Yükle</translation>
    </message>
    <message>
        <source>Show the changes before each save, with Save and Cancel
Review Before Saving</source>
        <translation>Her kayıttan önce değişiklikleri Kaydet ve İptal ile gösterir
Kaydetmeden Önce İncele</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Araç çubuğunu gösterir veya gizler
Araç Çubuğu</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Durum çubuğunu gösterir veya gizler
Durum Çubuğu</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Program bilgisini, sürüm numarasını ve telif hakkını gösterir
Hakkında</translation>
    </message>
    <message>
        <source>Save changes to the All Data Channels?</source>
        <translation>Tüm veri kanallarındaki değişiklikler kaydedilsin mi?</translation>
    </message>
    <message>
        <source>Undo History</source>
        <translation>Geri Alma Geçmişi</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Aç...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Kaydet	Ctrl+S</translation>
    </message>
    <message>
        <source>Re&amp;vert</source>
        <translation>Yeniden &amp;Yükle</translation>
    </message>
    <message>
        <source>Show &amp;Changes	Ctrl+Shift+D</source>
        <translation>Değişiklikleri &amp;Göster	Ctrl+Shift+D</translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation>Karşı&amp;laştır...</translation>
    </message>
    <message>
        <source>Versio&amp;ns...</source>
        <translation>&amp;Sürümler...</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <translation>Listeyi &amp;Dışa Aktar...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Ya&amp;zdır...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Baskı Önizleme</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Yazdırma Aya&amp;rları...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Dü&amp;zen</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Geri Al	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <translation>&amp;Yinele	Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>Ye&amp;ni	Ctrl+N</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Kes</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ya&amp;pıştır</translation>
    </message>
    <message>
        <source>&amp;Copy Rows	Ctrl+C</source>
        <translation>Satırları K&amp;opyala	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Delete	Ctrl+D</source>
        <translation>&amp;Sil	Ctrl+D</translation>
    </message>
    <message>
        <source>Move &amp;Up	Alt+Up</source>
        <translation>Y&amp;ukarı Taşı	Alt+Up</translation>
    </message>
    <message>
        <source>Move Do&amp;wn	Alt+Down</source>
        <translation>&amp;Aşağı Taşı	Alt+Down</translation>
    </message>
    <message>
        <source>Move to To&amp;p	Alt+Home</source>
        <translation>En &amp;Üste Taşı	Alt+Home</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom	Alt+End</source>
        <translation>En A&amp;lta Taşı	Alt+End</translation>
    </message>
    <message>
        <source>&amp;Move To...	Ctrl+M</source>
        <translation>Konuma &amp;Taşı...	Ctrl+M</translation>
    </message>
    <message>
        <source>Apply &amp;Order From...</source>
        <translation>Sı&amp;ralamayı Dosyadan Al...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>&amp;TV Channels</source>
        <translation>&amp;TV Kanalları</translation>
    </message>
    <message>
        <source>&amp;Radio Channels</source>
        <translation>&amp;Radyo Kanalları</translation>
    </message>
    <message>
        <source>&amp;Favourites...</source>
        <translation>&amp;Favoriler...</translation>
    </message>
    <message>
        <source>Undo &amp;History</source>
        <translation>Geri Alma &amp;Geçmişi</translation>
    </message>
    <message>
        <source>Review Before &amp;Saving</source>
        <translation>&amp;Kaydetmeden Önce İncele</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>P&amp;ort</translation>
    </message>
    <message>
        <source>&amp;Open Port</source>
        <translation>&amp;Portu Aç</translation>
    </message>
    <message>
        <source>Port &amp;Settings...</source>
        <translation>Port &amp;Ayarları...</translation>
    </message>
    <message>
        <source>&amp;Download to Receiver...</source>
        <translation>Alıcıya &amp;Yükle...</translation>
    </message>
    <message>
        <source>&amp;Upload from Receiver...</source>
        <translation>Alıcıdan A&amp;l...</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Pencere</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Araç Çubuğu</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Durum Çubuğu</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>&amp;About VelmoraEdit...</source>
        <translation>VelmoraEdit &amp;Hakkında...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Dil</translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <translation>&amp;Sistem varsayılanı</translation>
    </message>
    <message>
        <source>The language changes when VelmoraEdit starts again.</source>
        <translation>Dil, VelmoraEdit yeniden başlatıldığında değişir.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Araç Çubuğu</translation>
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
        <translation>Hazır</translation>
    </message>
    <message>
        <source>%1
This file no longer exists and has been removed from the list of recent files.</source>
        <translation>%1
Bu dosya artık yok ve son kullanılan dosyalar listesinden kaldırıldı.</translation>
    </message>
    <message>
        <source>Remove channels stored twice, keeping their favourite entries
Remove Duplicates</source>
        <translation>İki kez kaydedilmiş kanalları, sık kullanılan girişlerini koruyarak kaldır
Yinelenenleri kaldır</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>A&amp;raçlar</translation>
    </message>
    <message>
        <source>Remove &amp;Duplicates...</source>
        <translation>&amp;Yinelenenleri kaldır...</translation>
    </message>
</context>
<context>
    <name>velmora::ChangesWindow</name>
    <message>
        <source>name</source>
        <translation>ad</translation>
    </message>
    <message>
        <source>serviceId</source>
        <translation>servis ID</translation>
    </message>
    <message>
        <source>pmtPid</source>
        <translation>PMT PID</translation>
    </message>
    <message>
        <source>videoPid</source>
        <translation>video PID</translation>
    </message>
    <message>
        <source>audioPid</source>
        <translation>ses PID</translation>
    </message>
    <message>
        <source>pcrPid</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>pidMode</source>
        <translation>PID modu</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>şifreli</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>kilitli</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>transponder</translation>
    </message>
    <message>
        <source>networkId</source>
        <translation>ağ ID</translation>
    </message>
    <message>
        <source>transponderId</source>
        <translation>transponder ID</translation>
    </message>
    <message>
        <source>symbolRate</source>
        <translation>sembol oranı</translation>
    </message>
    <message>
        <source>fec</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>band</source>
        <translation>bant</translation>
    </message>
    <message>
        <source>on</source>
        <translation>açık</translation>
    </message>
    <message>
        <source>off</source>
        <translation>kapalı</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>evet</translation>
    </message>
    <message>
        <source>no</source>
        <translation>hayır</translation>
    </message>
    <message>
        <source>Review Before Saving</source>
        <translation>Kaydetmeden Önce İncele</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Değişiklikler</translation>
    </message>
    <message>
        <source>From %1
to %2</source>
        <translation>Eski: %1
Yeni: %2</translation>
    </message>
    <message>
        <source>No changes</source>
        <translation>Değişiklik yok</translation>
    </message>
    <message>
        <source>added</source>
        <translation>eklenen</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>kaldırılan</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>değişen</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>taşınan</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV kanalları</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Radyo kanalları</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Favori grupları</translation>
    </message>
    <message>
        <source>: added</source>
        <translation>: eklendi</translation>
    </message>
    <message>
        <source>: removed</source>
        <translation>: kaldırıldı</translation>
    </message>
    <message>
        <source>renamed from %1</source>
        <translation>eski adı %1</translation>
    </message>
    <message>
        <source>reordered</source>
        <translation>yeri değişen</translation>
    </message>
    <message>
        <source>%1 member %2 %3 %4</source>
        <translation>%2 %1 üyesi %3 %4</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>radyo</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponderler</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Uydular</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 eklendi</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 kaldırıldı</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 değişti</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>%1 taşındı</translation>
    </message>
    <message>
        <source>1 favourite group</source>
        <translation>1 favori grubu</translation>
    </message>
    <message numerus="yes">
        <source>%n favourite groups</source>
        <translation>
            <numerusform>%n favori grubu</numerusform>
        </translation>
    </message>
    <message>
        <source>1 transponder or satellite</source>
        <translation>1 transponder veya uydu</translation>
    </message>
    <message numerus="yes">
        <source>%n transponders or satellites</source>
        <translation>
            <numerusform>%n transponder veya uydu</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::ChannelListMenu</name>
    <message>
        <source>&lt;TV channel&gt;</source>
        <translation>&lt;TV kanalı&gt;</translation>
    </message>
    <message>
        <source>&lt;Radio channel&gt;</source>
        <translation>&lt;Radyo kanalı&gt;</translation>
    </message>
    <message>
        <source>New  (&amp;N)</source>
        <translation>Yeni  (&amp;Y)</translation>
    </message>
    <message>
        <source>Cut (&amp;X)</source>
        <translation>Kes (&amp;K)</translation>
    </message>
    <message>
        <source>Cut  (&amp;X)</source>
        <translation>Kes  (&amp;K)</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>Yapıştır(&amp;P)</translation>
    </message>
    <message>
        <source>Del  (&amp;D)</source>
        <translation>Sil  (&amp;S)</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Yukarı Taşı</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Aşağı Taşı</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>En Üste Taşı</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>En Alta Taşı</translation>
    </message>
    <message>
        <source>Move To...</source>
        <translation>Konuma Taşı...</translation>
    </message>
</context>
<context>
    <name>velmora::ChannelListModel</name>
    <message>
        <source>Number</source>
        <translation>Numara</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Kanal Adı</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Uydu Adı</translation>
    </message>
</context>
<context>
    <name>velmora::FavoritesDialog</name>
    <message>
        <source>Favorite Channel</source>
        <translation>Favori Kanal</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>TV Favorites:</source>
        <translation>TV Favorileri:</translation>
    </message>
    <message>
        <source>Radio Favorites:</source>
        <translation>Radyo Favorileri:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Input the Favorite Name, or Related channel will be deleted, proceed saving?</source>
        <translation>Favori adını girin, yoksa ilgili kanallar silinecek; kaydetmeye devam edilsin mi?</translation>
    </message>
</context>
<context>
    <name>velmora::ListPrinter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Sayfa %1 / %2</translation>
    </message>
    <message>
        <source>Velmora Channel List</source>
        <translation>Velmora Kanal Listesi</translation>
    </message>
</context>
<context>
    <name>velmora::MoveToDialog</name>
    <message>
        <source>Move To</source>
        <translation>Konuma Taşı</translation>
    </message>
    <message>
        <source>the channel</source>
        <translation>kanal</translation>
    </message>
    <message>
        <source>New position of %1 (1 to %2):</source>
        <translation>%1 için yeni konum (1 - %2):</translation>
    </message>
    <message numerus="yes">
        <source>the %n channels</source>
        <translation>
            <numerusform>%n kanal</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::OrderReport</name>
    <message>
        <source>%1: %2 of %3 channels matched (%4 by ids, %5 by name)</source>
        <translation>%1: %3 kanaldan %2 eşleşti (%4 ID ile, %5 adla)</translation>
    </message>
    <message>
        <source>; not matched, placed after them: %1</source>
        <translation>; eşleşmeyen, arkalarına yerleştirilen: %1</translation>
    </message>
    <message>
        <source>; reference channels not in the file: %1</source>
        <translation>; dosyada olmayan referans kanalları: %1</translation>
    </message>
    <message>
        <source>%1 not matched: %2 %3 now %4</source>
        <translation>%1 eşleşmedi: %2 %3 şimdi %4</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>Favourites: groups taken from the reference: %1</source>
        <translation>Favoriler: referanstan alınan gruplar: %1</translation>
    </message>
    <message>
        <source>; members dropped, their channels not in the file: %1</source>
        <translation>; atılan üyeler, kanalları dosyada yok: %1</translation>
    </message>
    <message>
        <source>Favourites group %1: %2 member %3 %4 dropped</source>
        <translation>Favori grubu %1: %2 üyesi %3 %4 atıldı</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>radyo</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>satır %1: %2</translation>
    </message>
    <message>
        <source>Names taken from the list: %1</source>
        <translation>Listeden alınan adlar: %1</translation>
    </message>
    <message>
        <source>Favourite groups taken from the list:</source>
        <translation>Listeden alınan favori grupları:</translation>
    </message>
</context>
<context>
    <name>velmora::SearchDialog</name>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Kanal Adı</translation>
    </message>
</context>
<context>
    <name>velmora::VersionsDialog</name>
    <message>
        <source>Versions</source>
        <translation>Sürümler</translation>
    </message>
    <message>
        <source>Kept versions of %1, newest first</source>
        <translation>%1 dosyasının saklanan sürümleri, en yenisi başta</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Saklanma</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>Changes to the open list</source>
        <translation>Açık listeye göre değişiklikler</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Karşılaştır</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Geri Yükle</translation>
    </message>
</context>
<context>
    <name>velmora::ui::DownloadProgressDialog</name>
    <message>
        <source>Download to receiver</source>
        <translation>Alıcıya yükle</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Sistem bilgisi</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Donanım sürümü:</translation>
    </message>
    <message>
        <source>Software version:</source>
        <translation>Yazılım sürümü:</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>İletişim</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Hız:</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bayt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>velmora::ui::PortController</name>
    <message>
        <source>Setting : %1</source>
        <translation>Ayar : %1</translation>
    </message>
    <message>
        <source>Please set up the port first.</source>
        <translation>Lütfen önce portu ayarlayın.</translation>
    </message>
    <message>
        <source>Initialization of Port COM%1 is successful.</source>
        <translation>COM%1 portu başarıyla başlatıldı.</translation>
    </message>
    <message>
        <source>COM%1 (%2): %3</source>
        <translation>COM%1 (%2): %3</translation>
    </message>
    <message>
        <source>Failed initializing port.</source>
        <translation>Port başlatılamadı.</translation>
    </message>
    <message>
        <source>Port COM%1 is closed.</source>
        <translation>COM%1 portu kapatıldı.</translation>
    </message>
    <message>
        <source>The port settings could not be saved to %1.
%2</source>
        <translation>Port ayarları %1 dosyasına kaydedilemedi.
%2</translation>
    </message>
    <message>
        <source>The port devices could not be saved to the settings.</source>
        <translation>Port aygıtları ayarlara kaydedilemedi.</translation>
    </message>
    <message>
        <source>The new port settings take effect when the port is opened again.</source>
        <translation>Yeni port ayarları, port yeniden açıldığında geçerli olur.</translation>
    </message>
    <message>
        <source>serial port QueueRead FULL!</source>
        <translation>seri port QueueRead DOLU!</translation>
    </message>
    <message>
        <source>Error while creating ThreadWatchComm, %1</source>
        <translation>ThreadWatchComm oluşturulurken hata, %1</translation>
    </message>
    <message>
        <source>Port COM%1 was lost: the serial device stopped responding or was unplugged.</source>
        <translation>COM%1 portu kayboldu: seri aygıt yanıt vermiyor veya çıkarıldı.</translation>
    </message>
    <message>
        <source>even</source>
        <translation>çift</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>tek</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>işaret</translation>
    </message>
    <message>
        <source>space</source>
        <translation>boşluk</translation>
    </message>
</context>
<context>
    <name>velmora::ui::PortSettingsDialog</name>
    <message>
        <source>Serial Port Setting</source>
        <translation>Seri Port Ayarı</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Çift</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Tek</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>İşaret</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Boşluk</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baud hızı</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Veri bitleri</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Eşlik</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Dur bitleri</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Seçenek</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Seçenek %1</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Akış denetimi</translation>
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
        <translation>Aygıtlar</translation>
    </message>
    <message>
        <source>COM%1 (set by VELMORA_COM%1)</source>
        <translation>COM%1 (VELMORA_COM%1 ile ayarlı)</translation>
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
        <translation>Velmora İkili Dosyaları(*.bin,*.sgn)|*.bin;*.sgn|Tüm Dosyalar(*.*)|*|</translation>
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
        <translation>Alıcıya yükle</translation>
    </message>
    <message>
        <source>Upload from receiver</source>
        <translation>Alıcıdan al</translation>
    </message>
    <message>
        <source>The earlier version was not kept: %1</source>
        <translation>Önceki sürüm saklanamadı: %1</translation>
    </message>
</context>
<context>
    <name>velmora::ui::UploadProgressDialog</name>
    <message>
        <source>Upload from receiver — pulling</source>
        <translation>Alıcıdan al — veri alınıyor</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Saving to:</source>
        <translation>Kayıt yeri:</translation>
    </message>
    <message>
        <source>Bytes received:</source>
        <translation>Alınan bayt:</translation>
    </message>
</context>
</TS>
