<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CoreText</name>
    <message>
        <source>You must initialize the serial port.</source>
        <translation>Необходимо инициализировать последовательный порт.</translation>
    </message>
    <message>
        <source>Invalid Data Format</source>
        <translation>Неверный формат данных</translation>
    </message>
    <message>
        <source>Unknown Usage Type</source>
        <translation>Неизвестный тип использования</translation>
    </message>
    <message>
        <source>H/W version error</source>
        <translation>Ошибка версии H/W</translation>
    </message>
    <message>
        <source>S/W version error</source>
        <translation>Ошибка версии S/W</translation>
    </message>
    <message>
        <source>Model ID error</source>
        <translation>Ошибка ID модели</translation>
    </message>
    <message>
        <source>Checksum error</source>
        <translation>Ошибка контрольной суммы</translation>
    </message>
    <message>
        <source>Verify error</source>
        <translation>Ошибка проверки</translation>
    </message>
    <message>
        <source>Download OK</source>
        <translation>Передача выполнена</translation>
    </message>
    <message>
        <source>UpLoad Complete(C)!!</source>
        <translation>Считывание завершено (C)!!</translation>
    </message>
    <message>
        <source>UpLoad Complete(M)!!</source>
        <translation>Считывание завершено (M)!!</translation>
    </message>
    <message>
        <source>The previous file was kept.</source>
        <translation>Прежний файл оставлен без изменений.</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>файл слишком большой</translation>
    </message>
    <message>
        <source>Invalid Data Format!!!</source>
        <translation>Неверный формат данных!!!</translation>
    </message>
    <message>
        <source>Invalid Data Format, Check the Source File</source>
        <translation>Неверный формат данных, проверьте исходный файл</translation>
    </message>
    <message>
        <source>There is no channel with that number.</source>
        <translation>Канала с таким номером нет.</translation>
    </message>
    <message>
        <source>There is no transponder with that number.</source>
        <translation>Транспондера с таким номером нет.</translation>
    </message>
    <message>
        <source>There is no satellite with that number.</source>
        <translation>Спутника с таким номером нет.</translation>
    </message>
    <message>
        <source>The file has no such favourite group.</source>
        <translation>В файле нет такой группы избранного.</translation>
    </message>
    <message>
        <source>The channel list is full (10000 channels).</source>
        <translation>Список каналов заполнен (10000 каналов).</translation>
    </message>
    <message>
        <source>The transponder table is full (1000 transponders).</source>
        <translation>Таблица транспондеров заполнена (1000 транспондеров).</translation>
    </message>
    <message>
        <source>A channel file holds at most 255 satellites.</source>
        <translation>Файл каналов вмещает не более 255 спутников.</translation>
    </message>
    <message>
        <source>The favourite groups are full (10000 entries).</source>
        <translation>Группы избранного заполнены (10000 записей).</translation>
    </message>
    <message>
        <source>The channel is already in that favourite group.</source>
        <translation>Канал уже есть в этой группе избранного.</translation>
    </message>
    <message>
        <source>The channel is not in that favourite group.</source>
        <translation>Канала нет в этой группе избранного.</translation>
    </message>
    <message>
        <source>The new order does not name every channel exactly once.</source>
        <translation>В новом порядке не каждый канал указан ровно один раз.</translation>
    </message>
    <message>
        <source>The favourite group has no entry at that place.</source>
        <translation>В группе избранного нет записи на этой позиции.</translation>
    </message>
    <message>
        <source>The file ends before its header is complete.</source>
        <translation>Файл обрывается до конца заголовка.</translation>
    </message>
    <message>
        <source>The file ends before its block head is complete.</source>
        <translation>Файл обрывается до конца заголовка блока.</translation>
    </message>
    <message>
        <source>The file ends before its general section is complete.</source>
        <translation>Файл обрывается до конца общего раздела.</translation>
    </message>
    <message>
        <source>The file ends before its satellite section is complete.</source>
        <translation>Файл обрывается до конца раздела спутников.</translation>
    </message>
    <message>
        <source>The file ends before its transponder section is complete.</source>
        <translation>Файл обрывается до конца раздела транспондеров.</translation>
    </message>
    <message>
        <source>The file ends before its channel section is complete.</source>
        <translation>Файл обрывается до конца раздела каналов.</translation>
    </message>
    <message>
        <source>The file ends before its favourite section is complete.</source>
        <translation>Файл обрывается до конца раздела избранного.</translation>
    </message>
    <message>
        <source>The file ends before its CRC trailer is complete.</source>
        <translation>Файл обрывается до конца контрольной суммы CRC.</translation>
    </message>
    <message>
        <source>The file ends before its extra block is complete.</source>
        <translation>Файл обрывается до конца дополнительного блока.</translation>
    </message>
    <message>
        <source>The file ends before its extra block is complete. (A byte 0xF0 after the favourite section starts an extra block.)</source>
        <translation>Файл обрывается до конца дополнительного блока. (Байт 0xF0 после раздела избранного начинает дополнительный блок.)</translation>
    </message>
    <message>
        <source>The file holds %1 favourite groups; at most %2 fit.</source>
        <translation>Групп избранного в файле: %1; допускается не более %2.</translation>
    </message>
    <message>
        <source>The file holds %1 transponders; at most %2 fit.</source>
        <translation>Транспондеров в файле: %1; допускается не более %2.</translation>
    </message>
    <message>
        <source>The file holds %1 TV channels; at most %2 fit.</source>
        <translation>ТВ-каналов в файле: %1; допускается не более %2.</translation>
    </message>
    <message>
        <source>The file holds %1 radio channels; at most %2 fit.</source>
        <translation>Радиоканалов в файле: %1; допускается не более %2.</translation>
    </message>
    <message>
        <source>The favourite groups hold more than %1 TV members; at most %2 fit.</source>
        <translation>ТВ-каналов в группах избранного больше, чем %1; допускается не более %2.</translation>
    </message>
    <message>
        <source>The favourite groups hold more than %1 radio members; at most %2 fit.</source>
        <translation>Радиоканалов в группах избранного больше, чем %1; допускается не более %2.</translation>
    </message>
    <message>
        <source>The extra block is %1 bytes long; at most %2 fit.</source>
        <translation>Длина дополнительного блока: %1 байт; допускается не более %2.</translation>
    </message>
    <message>
        <source>The file is too large to be a channel file: it holds more than %1 bytes.</source>
        <translation>Файл слишком велик для файла каналов: его размер больше %1 байт.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Не удаётся открыть %1: %2</translation>
    </message>
</context>
<context>
    <name>velmora::AboutBox</name>
    <message>
        <source>About VelmoraEdit</source>
        <translation>О программе VelmoraEdit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>VelmoraEdit Version 1.0</source>
        <translation>VelmoraEdit, версия 1.0</translation>
    </message>
    <message>
        <source>Release %1
Copyright © The VelmoraEdit developers
Licensed under the GNU General Public License, version 3 or later
(GPL-3.0-or-later). There is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Выпуск %1
Авторские права © Разработчики VelmoraEdit
Распространяется на условиях GNU General Public License версии 3 или более поздней
(GPL-3.0-or-later). НИКАКИХ ГАРАНТИЙ в пределах, допускаемых законом.</translation>
    </message>
    <message>
        <source>Channel list editor for Velmora receivers</source>
        <translation>Редактор списков каналов для ресиверов Velmora</translation>
    </message>
</context>
<context>
    <name>velmora::ApplyOrderDialog</name>
    <message>
        <source>Apply Order From %1</source>
        <translation>Применить порядок из %1</translation>
    </message>
    <message>
        <source>Put both lists in the order of %1?</source>
        <translation>Упорядочить оба списка как в %1?</translation>
    </message>
</context>
<context>
    <name>velmora::CArdelEditView</name>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Имя канала</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID сервиса</translation>
    </message>
    <message>
        <source>PID Mode</source>
        <translation>Режим PID</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Видео PID</translation>
    </message>
    <message>
        <source>PMT PID</source>
        <translation>PMT PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Аудио PID</translation>
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
        <translation>Блок.</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Кодирован</translation>
    </message>
    <message>
        <source>Transponder No.</source>
        <translation>№ транспондера</translation>
    </message>
    <message>
        <source>Transponder ID</source>
        <translation>ID транспондера</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>ID сети</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Частота (МГц)</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Поляризация</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Гориз.</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Верт.</translation>
    </message>
    <message>
        <source>Symbol Rate (kS/s)</source>
        <translation>Симв. скор. (кС/с)</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>АВТО</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>TV Channel List</source>
        <translation>Список ТВ-каналов</translation>
    </message>
    <message>
        <source>Radio Channel List</source>
        <translation>Список радиоканалов</translation>
    </message>
    <message>
        <source>Marked channel will be deleted, proceed saving?</source>
        <translation>Отмеченный канал будет удалён. Продолжить сохранение?</translation>
    </message>
    <message numerus="yes">
        <source>%n marked channels will be deleted, proceed saving?</source>
        <translation>
            <numerusform>%n отмеченный канал будет удалён. Продолжить сохранение?</numerusform>
            <numerusform>%n отмеченных канала будут удалены. Продолжить сохранение?</numerusform>
            <numerusform>%n отмеченных каналов будут удалены. Продолжить сохранение?</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Satellite &apos;%1&apos;</source>
        <translation>Изменение спутника «%1»</translation>
    </message>
    <message>
        <source>Edit Transponder %1</source>
        <translation>Изменение транспондера %1</translation>
    </message>
    <message>
        <source>Edit Channel &apos;%1&apos;</source>
        <translation>Изменение канала «%1»</translation>
    </message>
    <message>
        <source>Only Western European (Latin-1) characters can be stored in a channel file</source>
        <translation>В файле каналов можно хранить только западноевропейские символы (Latin-1)</translation>
    </message>
    <message>
        <source>Edit Favourite Groups</source>
        <translation>Изменение групп избранного</translation>
    </message>
    <message>
        <source>Save changes to the All Data Channels?</source>
        <translation>Сохранить изменения в данных всех каналов?</translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened. Overwrite it?</source>
        <translation>Файл на диске изменился после открытия. Перезаписать его?</translation>
    </message>
    <message>
        <source>The channel file could not be saved.
%1
%2</source>
        <translation>Не удалось сохранить файл каналов.
%1
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be undone; the undo history was cleared</source>
        <translation>Действие «%1» слишком велико для отмены; история отмен очищена</translation>
    </message>
    <message>
        <source>The oldest undo steps were dropped to keep the history within %1 MB</source>
        <translation>Самые старые шаги отмены удалены, чтобы история не превышала %1 МБ</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Отменить: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Повторить: %1</translation>
    </message>
    <message>
        <source>As opened</source>
        <translation>Как при открытии</translation>
    </message>
    <message>
        <source>Edit Satellite %1</source>
        <translation>Изменение спутника %1</translation>
    </message>
    <message>
        <source>Edit Channel %1</source>
        <translation>Изменение канала %1</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>Новый канал</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Новый транспондер</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Новый спутник</translation>
    </message>
    <message>
        <source>Lists (*.csv *.tsv)|*.csv;*.tsv|All Files(*.*)|*|</source>
        <translation>Списки (*.csv *.tsv)|*.csv;*.tsv|Все файлы (*.*)|*|</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Экспорт списка</translation>
    </message>
    <message>
        <source>The list cannot be written: %1
%2</source>
        <translation>Не удаётся записать список: %1
%2</translation>
    </message>
    <message>
        <source>The list cannot be read; the order of the lists was not changed.
%1</source>
        <translation>Не удаётся прочитать список; порядок списков не изменён.
%1</translation>
    </message>
    <message>
        <source>The list is not one this editor can read; the order of the lists was not changed.
%1
%2</source>
        <translation>Этот список редактор прочитать не может; порядок списков не изменён.
%1
%2</translation>
    </message>
    <message>
        <source>Apply Order From &apos;%1&apos;</source>
        <translation>Применение порядка из «%1»</translation>
    </message>
    <message>
        <source>Favourite Group %1</source>
        <translation>Группа избранного %1</translation>
    </message>
    <message>
        <source>Lock Channel</source>
        <translation>Блокировка канала</translation>
    </message>
    <message>
        <source>Unlock Channel</source>
        <translation>Разблокировка канала</translation>
    </message>
    <message numerus="yes">
        <source>Lock %n Channels</source>
        <translation>
            <numerusform>Блокировка %n канала</numerusform>
            <numerusform>Блокировка %n каналов</numerusform>
            <numerusform>Блокировка %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unlock %n Channels</source>
        <translation>
            <numerusform>Разблокировка %n канала</numerusform>
            <numerusform>Разблокировка %n каналов</numerusform>
            <numerusform>Разблокировка %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n channels)</source>
        <translation>
            <numerusform>(%n канал)</numerusform>
            <numerusform>(%n канала)</numerusform>
            <numerusform>(%n каналов)</numerusform>
        </translation>
    </message>
    <message>
        <source>Move Channel</source>
        <translation>Перемещение канала</translation>
    </message>
    <message>
        <source>Marked channels will be deleted, proceed SAVING?</source>
        <translation>Отмеченные каналы будут удалены. Продолжить СОХРАНЕНИЕ?</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Применить порядок из</translation>
    </message>
    <message>
        <source>Lists (*.csv *.tsv)</source>
        <translation>Списки (*.csv *.tsv)</translation>
    </message>
    <message>
        <source>The reference file cannot be read; the order of the lists was not changed.</source>
        <translation>Не удаётся прочитать файл-образец; порядок списков не изменён.</translation>
    </message>
    <message>
        <source>The reference file is damaged; the order of the lists was not changed.</source>
        <translation>Файл-образец повреждён; порядок списков не изменён.</translation>
    </message>
    <message>
        <source>The channel list could not be printed on %1.</source>
        <translation>Не удалось напечатать список каналов на %1.</translation>
    </message>
    <message>
        <source>All channels related to this transponder will be deleted, proceed SAVING?</source>
        <translation>Все каналы этого транспондера будут удалены. Продолжить СОХРАНЕНИЕ?</translation>
    </message>
    <message>
        <source>All channels and transponders related to this satellite will be deleted, proceed SAVING?</source>
        <translation>Все каналы и транспондеры этого спутника будут удалены. Продолжить СОХРАНЕНИЕ?</translation>
    </message>
    <message>
        <source>Not Delete!!</source>
        <translation>Удаление невозможно!!</translation>
    </message>
    <message>
        <source>Delete Transponder %1</source>
        <translation>Удаление транспондера %1</translation>
    </message>
    <message>
        <source>Delete Satellite &apos;%1&apos;</source>
        <translation>Удаление спутника «%1»</translation>
    </message>
    <message>
        <source>End of Data</source>
        <translation>Конец данных</translation>
    </message>
    <message numerus="yes">
        <source>%n channels selected</source>
        <translation>
            <numerusform>Выбран %n канал</numerusform>
            <numerusform>Выбрано %n канала</numerusform>
            <numerusform>Выбрано %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Channels</source>
        <translation>
            <numerusform>Перемещение %n канала</numerusform>
            <numerusform>Перемещение %n каналов</numerusform>
            <numerusform>Перемещение %n каналов</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Удаление канала</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Channels</source>
        <translation>
            <numerusform>Удаление %n канала</numerusform>
            <numerusform>Удаление %n каналов</numerusform>
            <numerusform>Удаление %n каналов</numerusform>
        </translation>
    </message>
    <message>
        <source>Sorted by %1: Save or Cancel to move channels</source>
        <translation>Список отсортирован по «%1»: чтобы перемещать каналы, нажмите «Сохранить» или «Отмена»</translation>
    </message>
    <message>
        <source>The earlier version was not kept: %1</source>
        <translation>Прежняя версия не сохранена: %1</translation>
    </message>
    <message>
        <source>Discard the unsaved changes and read %1 again from disk?</source>
        <translation>Отбросить несохранённые изменения и снова прочитать %1 с диска?</translation>
    </message>
    <message>
        <source>the list as Save would write it</source>
        <translation>список в том виде, в каком его запишет сохранение</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Сравнить с</translation>
    </message>
    <message>
        <source>The file cannot be compared.</source>
        <translation>Этот файл невозможно сравнить.</translation>
    </message>
    <message>
        <source>the open list</source>
        <translation>открытый список</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>не читается</translation>
    </message>
    <message>
        <source>Replace the open list with this version? It stays unsaved until Save.</source>
        <translation>Заменить открытый список этой версией? До сохранения изменения не будут записаны.</translation>
    </message>
    <message>
        <source>The version cannot be read; the open list is unchanged.</source>
        <translation>Не удаётся прочитать версию; открытый список не изменён.</translation>
    </message>
    <message>
        <source>Restore Version</source>
        <translation>Восстановление версии</translation>
    </message>
    <message>
        <source>Restored the version of %1; Save writes it</source>
        <translation>Восстановлена версия от %1; сохранение запишет её</translation>
    </message>
    <message>
        <source>No duplicate channels found.</source>
        <translation>Повторяющиеся каналы не найдены.</translation>
    </message>
    <message>
        <source>TV channels: %1 duplicates; radio channels: %2 duplicates.
</source>
        <translation>Каналы ТВ: повторов %1; радиоканалы: повторов %2.
</translation>
    </message>
    <message>
        <source>Remove 1 duplicate channel? It keeps the first of its copies and its favourite entries.</source>
        <translation>Удалить 1 повторяющийся канал? Остаётся первая из его копий вместе с записями избранного.</translation>
    </message>
    <message>
        <source>Remove %1 duplicate channels? Each keeps the first of its copies and its favourite entries.</source>
        <translation>Удалить повторяющиеся каналы (%1)? У каждого остаётся первая копия вместе с записями избранного.</translation>
    </message>
    <message>
        <source>Remove Duplicate</source>
        <translation>Удаление повтора</translation>
    </message>
    <message>
        <source>Remove %1 Duplicates</source>
        <translation>Удаление повторов (%1)</translation>
    </message>
    <message>
        <source>Filter channels</source>
        <translation>Фильтр каналов</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Все каналы</translation>
    </message>
    <message>
        <source>Free only</source>
        <translation>Только открытые</translation>
    </message>
    <message>
        <source>Scrambled only</source>
        <translation>Только закодированные</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Заблокированные</translation>
    </message>
    <message>
        <source>In favourite group…</source>
        <translation>В группе избранного…</translation>
    </message>
    <message>
        <source>In no favourite group</source>
        <translation>Ни в одной группе избранного</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Повторы</translation>
    </message>
    <message>
        <source>All satellites</source>
        <translation>Все спутники</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Filtered: clear the filter to move channels by Cut and Paste, a drag or one row at a time</source>
        <translation>Фильтр включён: очистите фильтр, чтобы перемещать каналы вырезанием и вставкой, перетаскиванием или по одной строке</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n channels shown</source>
        <translation>
            <numerusform>Показано %1 из %n канала</numerusform>
            <numerusform>Показано %1 из %n каналов</numerusform>
            <numerusform>Показано %1 из %n каналов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::CMainFrame</name>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Открыть существующий документ
Открыть</translation>
    </message>
    <message>
        <source>Save the File
File Save</source>
        <translation>Сохранить файл
Сохранить</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Печать активного документа
Печать</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Показать страницы целиком
Предварительный просмотр</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Изменить принтер и параметры печати
Настройка печати</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Выйти из программы с запросом на сохранение документов
Выход</translation>
    </message>
    <message>
        <source>Viewing the TV Channel
TV Channel</source>
        <translation>Показать ТВ-каналы
ТВ-каналы</translation>
    </message>
    <message>
        <source>Viewing the Radio Channel
Radio Channel</source>
        <translation>Показать радиоканалы
Радиоканалы</translation>
    </message>
    <message>
        <source>View the Favorite Channel
Favorite Channel</source>
        <translation>Показать избранные каналы
Избранное</translation>
    </message>
    <message>
        <source>Serial Port Setting
Serial Port</source>
        <translation>Настройка последовательного порта
COM-порт</translation>
    </message>
    <message>
        <source>Download the Data
Download</source>
        <translation>Передать данные в ресивер
Передать в ресивер</translation>
    </message>
    <message>
        <source>Move the selected channels up by one place
Move Up</source>
        <translation>Переместить выбранные каналы на одну позицию вверх
Вверх</translation>
    </message>
    <message>
        <source>Move the selected channels down by one place
Move Down</source>
        <translation>Переместить выбранные каналы на одну позицию вниз
Вниз</translation>
    </message>
    <message>
        <source>Move the selected channels to the top of the list
Move to Top</source>
        <translation>Переместить выбранные каналы в начало списка
В начало</translation>
    </message>
    <message>
        <source>Move the selected channels to the bottom of the list
Move to Bottom</source>
        <translation>Переместить выбранные каналы в конец списка
В конец</translation>
    </message>
    <message>
        <source>Give the selected channels a new position
Move To</source>
        <translation>Задать выбранным каналам новую позицию
Переместить на позицию</translation>
    </message>
    <message>
        <source>Put both lists in the order of another channel file
Apply Order From</source>
        <translation>Упорядочить оба списка как в другом файле каналов
Применить порядок из</translation>
    </message>
    <message>
        <source>Write both channel lists to a CSV file for a spreadsheet
Export List</source>
        <translation>Записать оба списка каналов в файл CSV для электронной таблицы
Экспорт списка</translation>
    </message>
    <message>
        <source>Copy the selected rows to the clipboard as text
Copy Rows</source>
        <translation>Скопировать выбранные строки в буфер обмена как текст
Копировать строки</translation>
    </message>
    <message>
        <source>Upload the Data from the receiver
Upload</source>
        <translation>Считать данные с ресивера
Считать с ресивера</translation>
    </message>
    <message>
        <source>Undo the last change of the channel lists
Undo</source>
        <translation>Отменить последнее изменение списков каналов
Отменить</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Повторить последнее отменённое изменение
Повторить</translation>
    </message>
    <message>
        <source>Show the changes that can be undone and redone
Undo History</source>
        <translation>Показать изменения, которые можно отменить и повторить
История отмен</translation>
    </message>
    <message>
        <source>List what Save would change in the file on disk
Show Changes</source>
        <translation>Показать, что сохранение изменит в файле на диске
Показать изменения</translation>
    </message>
    <message>
        <source>Compare the open list with another channel file
Compare With</source>
        <translation>Сравнить открытый список с другим файлом каналов
Сравнить с</translation>
    </message>
    <message>
        <source>The earlier versions of this file kept before each save
Versions</source>
        <translation>Прежние версии этого файла, сохранённые перед каждой записью
Версии</translation>
    </message>
    <message>
        <source>Read the file again from disk, dropping the unsaved changes
Revert</source>
        <translation>Перечитать файл с диска, отбросив несохранённые изменения
Перечитать</translation>
    </message>
    <message>
        <source>Show the changes before each save, with Save and Cancel
Review Before Saving</source>
        <translation>Показывать изменения перед каждым сохранением, с кнопками «Сохранить» и «Отмена»
Просмотр перед сохранением</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Показать или скрыть панель инструментов
Панель инструментов</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Показать или скрыть строку состояния
Строка состояния</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Сведения о программе, номер версии и авторские права
О программе</translation>
    </message>
    <message>
        <source>Save changes to the All Data Channels?</source>
        <translation>Сохранить изменения в данных всех каналов?</translation>
    </message>
    <message>
        <source>Undo History</source>
        <translation>История отмен</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Открыть...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Сохранить	Ctrl+S</translation>
    </message>
    <message>
        <source>Re&amp;vert</source>
        <translation>Пере&amp;читать</translation>
    </message>
    <message>
        <source>Show &amp;Changes	Ctrl+Shift+D</source>
        <translation>Показать &amp;изменения	Ctrl+Shift+D</translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation>Ср&amp;авнить с...</translation>
    </message>
    <message>
        <source>Versio&amp;ns...</source>
        <translation>&amp;Версии...</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <translation>&amp;Экспорт списка...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Печать...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Пре&amp;дварительный просмотр</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Настройка печати...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Отменить	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <translation>&amp;Повторить	Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Создать	Ctrl+N</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Вст&amp;авить</translation>
    </message>
    <message>
        <source>&amp;Copy Rows	Ctrl+C</source>
        <translation>Копировать с&amp;троки	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Delete	Ctrl+D</source>
        <translation>&amp;Удалить	Ctrl+D</translation>
    </message>
    <message>
        <source>Move &amp;Up	Alt+Up</source>
        <translation>Переместить вв&amp;ерх	Alt+Up</translation>
    </message>
    <message>
        <source>Move Do&amp;wn	Alt+Down</source>
        <translation>Переместить вн&amp;из	Alt+Down</translation>
    </message>
    <message>
        <source>Move to To&amp;p	Alt+Home</source>
        <translation>Переместить в &amp;начало	Alt+Home</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom	Alt+End</source>
        <translation>Переместить в &amp;конец	Alt+End</translation>
    </message>
    <message>
        <source>&amp;Move To...	Ctrl+M</source>
        <translation>Пере&amp;местить на позицию...	Ctrl+M</translation>
    </message>
    <message>
        <source>Apply &amp;Order From...</source>
        <translation>Применить по&amp;рядок из...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;TV Channels</source>
        <translation>&amp;ТВ-каналы</translation>
    </message>
    <message>
        <source>&amp;Radio Channels</source>
        <translation>&amp;Радиоканалы</translation>
    </message>
    <message>
        <source>&amp;Favourites...</source>
        <translation>&amp;Избранное...</translation>
    </message>
    <message>
        <source>Undo &amp;History</source>
        <translation>История &amp;отмен</translation>
    </message>
    <message>
        <source>Review Before &amp;Saving</source>
        <translation>Просмотр перед &amp;сохранением</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>По&amp;рт</translation>
    </message>
    <message>
        <source>&amp;Open Port</source>
        <translation>&amp;Открыть порт</translation>
    </message>
    <message>
        <source>Port &amp;Settings...</source>
        <translation>&amp;Настройки порта...</translation>
    </message>
    <message>
        <source>&amp;Download to Receiver...</source>
        <translation>&amp;Передать в ресивер...</translation>
    </message>
    <message>
        <source>&amp;Upload from Receiver...</source>
        <translation>&amp;Считать с ресивера...</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Окно</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Панель инструментов</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Строка состояния</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About VelmoraEdit...</source>
        <translation>&amp;О программе VelmoraEdit...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <translation>&amp;Как в системе</translation>
    </message>
    <message>
        <source>The language changes when VelmoraEdit starts again.</source>
        <translation>Язык сменится при следующем запуске VelmoraEdit.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
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
        <translation>Готово</translation>
    </message>
    <message>
        <source>%1
This file no longer exists and has been removed from the list of recent files.</source>
        <translation>%1
Этот файл больше не существует и удалён из списка последних файлов.</translation>
    </message>
    <message>
        <source>Remove channels stored twice, keeping their favourite entries
Remove Duplicates</source>
        <translation>Удалить каналы, записанные дважды, сохранив их записи избранного
Удалить повторы</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>С&amp;ервис</translation>
    </message>
    <message>
        <source>Remove &amp;Duplicates...</source>
        <translation>Удалить &amp;повторы...</translation>
    </message>
</context>
<context>
    <name>velmora::ChangesWindow</name>
    <message>
        <source>name</source>
        <translation>имя</translation>
    </message>
    <message>
        <source>serviceId</source>
        <translation>ID сервиса</translation>
    </message>
    <message>
        <source>pmtPid</source>
        <translation>PMT PID</translation>
    </message>
    <message>
        <source>videoPid</source>
        <translation>видео PID</translation>
    </message>
    <message>
        <source>audioPid</source>
        <translation>аудио PID</translation>
    </message>
    <message>
        <source>pcrPid</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>pidMode</source>
        <translation>режим PID</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>кодирован</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>блокировка</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>транспондер</translation>
    </message>
    <message>
        <source>networkId</source>
        <translation>ID сети</translation>
    </message>
    <message>
        <source>transponderId</source>
        <translation>ID транспондера</translation>
    </message>
    <message>
        <source>symbolRate</source>
        <translation>симв. скорость</translation>
    </message>
    <message>
        <source>fec</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>band</source>
        <translation>диапазон</translation>
    </message>
    <message>
        <source>on</source>
        <translation>вкл.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>выкл.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <source>no</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Review Before Saving</source>
        <translation>Просмотр перед сохранением</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Изменения</translation>
    </message>
    <message>
        <source>From %1
to %2</source>
        <translation>Было: %1
Стало: %2</translation>
    </message>
    <message>
        <source>No changes</source>
        <translation>Изменений нет</translation>
    </message>
    <message>
        <source>added</source>
        <translation>добавлено</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>удалено</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>изменено</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>перемещено</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>ТВ-каналы</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Радиоканалы</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Группы избранного</translation>
    </message>
    <message>
        <source>: added</source>
        <translation>: добавлена</translation>
    </message>
    <message>
        <source>: removed</source>
        <translation>: удалена</translation>
    </message>
    <message>
        <source>renamed from %1</source>
        <translation>прежнее имя: %1</translation>
    </message>
    <message>
        <source>reordered</source>
        <translation>порядок изменён</translation>
    </message>
    <message>
        <source>%1 member %2 %3 %4</source>
        <translation>%1 — %2: %3 %4</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>радио</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Транспондеры</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>добавлено: %1</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>удалено: %1</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>изменено: %1</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>перемещено: %1</translation>
    </message>
    <message>
        <source>1 favourite group</source>
        <translation>1 группа избранного</translation>
    </message>
    <message numerus="yes">
        <source>%n favourite groups</source>
        <translation>
            <numerusform>%n группа избранного</numerusform>
            <numerusform>%n группы избранного</numerusform>
            <numerusform>%n групп избранного</numerusform>
        </translation>
    </message>
    <message>
        <source>1 transponder or satellite</source>
        <translation>1 транспондер или спутник</translation>
    </message>
    <message numerus="yes">
        <source>%n transponders or satellites</source>
        <translation>
            <numerusform>%n транспондер или спутник</numerusform>
            <numerusform>%n транспондера или спутника</numerusform>
            <numerusform>%n транспондеров или спутников</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::ChannelListMenu</name>
    <message>
        <source>&lt;TV channel&gt;</source>
        <translation>&lt;ТВ-канал&gt;</translation>
    </message>
    <message>
        <source>&lt;Radio channel&gt;</source>
        <translation>&lt;Радиоканал&gt;</translation>
    </message>
    <message>
        <source>New  (&amp;N)</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>Cut (&amp;X)</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>Cut  (&amp;X)</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>Вст&amp;авить</translation>
    </message>
    <message>
        <source>Del  (&amp;D)</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Переместить вверх</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Переместить вниз</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Переместить в начало</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Переместить в конец</translation>
    </message>
    <message>
        <source>Move To...</source>
        <translation>Переместить на позицию...</translation>
    </message>
</context>
<context>
    <name>velmora::ChannelListModel</name>
    <message>
        <source>Number</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Имя канала</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Имя спутника</translation>
    </message>
</context>
<context>
    <name>velmora::FavoritesDialog</name>
    <message>
        <source>Favorite Channel</source>
        <translation>Избранные каналы</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>TV Favorites:</source>
        <translation>Избранное ТВ:</translation>
    </message>
    <message>
        <source>Radio Favorites:</source>
        <translation>Избранное радио:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Input the Favorite Name, or Related channel will be deleted, proceed saving?</source>
        <translation>Введите имя группы избранного, иначе её каналы будут удалены. Продолжить сохранение?</translation>
    </message>
</context>
<context>
    <name>velmora::ListPrinter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
    <message>
        <source>Velmora Channel List</source>
        <translation>Список каналов Velmora</translation>
    </message>
</context>
<context>
    <name>velmora::MoveToDialog</name>
    <message>
        <source>Move To</source>
        <translation>Переместить на позицию</translation>
    </message>
    <message>
        <source>the channel</source>
        <translation>канала</translation>
    </message>
    <message>
        <source>New position of %1 (1 to %2):</source>
        <translation>Новая позиция %1 (от 1 до %2):</translation>
    </message>
    <message numerus="yes">
        <source>the %n channels</source>
        <translation>
            <numerusform>%n канала</numerusform>
            <numerusform>%n каналов</numerusform>
            <numerusform>%n каналов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::OrderReport</name>
    <message>
        <source>%1: %2 of %3 channels matched (%4 by ids, %5 by name)</source>
        <translation>%1: сопоставлено каналов: %2 из %3 (%4 по ID, %5 по имени)</translation>
    </message>
    <message>
        <source>; not matched, placed after them: %1</source>
        <translation>; не сопоставлено, помещены после них: %1</translation>
    </message>
    <message>
        <source>; reference channels not in the file: %1</source>
        <translation>; каналы образца, которых нет в файле: %1</translation>
    </message>
    <message>
        <source>%1 not matched: %2 %3 now %4</source>
        <translation>%1 не сопоставлен: %2 %3 теперь %4</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>Favourites: groups taken from the reference: %1</source>
        <translation>Избранное: групп взято из образца: %1</translation>
    </message>
    <message>
        <source>; members dropped, their channels not in the file: %1</source>
        <translation>; записи отброшены, их каналов нет в файле: %1</translation>
    </message>
    <message>
        <source>Favourites group %1: %2 member %3 %4 dropped</source>
        <translation>Группа избранного %1: запись %2 %3 %4 отброшена</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>радио</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>Names taken from the list: %1</source>
        <translation>Имён взято из списка: %1</translation>
    </message>
    <message>
        <source>Favourite groups taken from the list:</source>
        <translation>Группы избранного, взятые из списка:</translation>
    </message>
</context>
<context>
    <name>velmora::SearchDialog</name>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Имя канала</translation>
    </message>
</context>
<context>
    <name>velmora::VersionsDialog</name>
    <message>
        <source>Versions</source>
        <translation>Версии</translation>
    </message>
    <message>
        <source>Kept versions of %1, newest first</source>
        <translation>Сохранённые версии %1, сначала новые</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Сохранена</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>Changes to the open list</source>
        <translation>Отличия от открытого списка</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Сравнить</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Восстановить</translation>
    </message>
</context>
<context>
    <name>velmora::ui::DownloadProgressDialog</name>
    <message>
        <source>Download to receiver</source>
        <translation>Передача в ресивер</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Сведения о ресивере</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Модель:</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Версия H/W:</translation>
    </message>
    <message>
        <source>Software version:</source>
        <translation>Версия S/W:</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Связь</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>байт</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>velmora::ui::PortController</name>
    <message>
        <source>Setting : %1</source>
        <translation>Настройка: %1</translation>
    </message>
    <message>
        <source>Please set up the port first.</source>
        <translation>Сначала настройте порт.</translation>
    </message>
    <message>
        <source>Initialization of Port COM%1 is successful.</source>
        <translation>Порт COM%1 успешно инициализирован.</translation>
    </message>
    <message>
        <source>COM%1 (%2): %3</source>
        <translation>COM%1 (%2): %3</translation>
    </message>
    <message>
        <source>Failed initializing port.</source>
        <translation>Не удалось инициализировать порт.</translation>
    </message>
    <message>
        <source>Port COM%1 is closed.</source>
        <translation>Порт COM%1 закрыт.</translation>
    </message>
    <message>
        <source>The port settings could not be saved to %1.
%2</source>
        <translation>Не удалось сохранить настройки порта в %1.
%2</translation>
    </message>
    <message>
        <source>The port devices could not be saved to the settings.</source>
        <translation>Не удалось сохранить устройства портов в настройках.</translation>
    </message>
    <message>
        <source>The new port settings take effect when the port is opened again.</source>
        <translation>Новые настройки порта вступят в силу при следующем открытии порта.</translation>
    </message>
    <message>
        <source>serial port QueueRead FULL!</source>
        <translation>Последовательный порт: очередь чтения (QueueRead) ПЕРЕПОЛНЕНА!</translation>
    </message>
    <message>
        <source>Error while creating ThreadWatchComm, %1</source>
        <translation>Ошибка при создании ThreadWatchComm, %1</translation>
    </message>
    <message>
        <source>Port COM%1 was lost: the serial device stopped responding or was unplugged.</source>
        <translation>Порт COM%1 потерян: последовательное устройство перестало отвечать или было отключено.</translation>
    </message>
    <message>
        <source>even</source>
        <translation>чёт</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>нечёт</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>маркер</translation>
    </message>
    <message>
        <source>space</source>
        <translation>пробел</translation>
    </message>
</context>
<context>
    <name>velmora::ui::PortSettingsDialog</name>
    <message>
        <source>Serial Port Setting</source>
        <translation>Настройка COM-порта</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Чёт</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Нечёт</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Маркер</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Скорость (бод)</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Биты данных</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Чётность</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Стоповые биты</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Вариант</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Вариант %1</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Управление потоком</translation>
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
        <translation>Устройства</translation>
    </message>
    <message>
        <source>COM%1 (set by VELMORA_COM%1)</source>
        <translation>COM%1 (задан в VELMORA_COM%1)</translation>
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
        <translation>Двоичные файлы Velmora (*.bin,*.sgn)|*.bin;*.sgn|Все файлы (*.*)|*|</translation>
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
        <translation>Передача в ресивер</translation>
    </message>
    <message>
        <source>Upload from receiver</source>
        <translation>Считывание с ресивера</translation>
    </message>
    <message>
        <source>The earlier version was not kept: %1</source>
        <translation>Прежняя версия не сохранена: %1</translation>
    </message>
</context>
<context>
    <name>velmora::ui::UploadProgressDialog</name>
    <message>
        <source>Upload from receiver — pulling</source>
        <translation>Считывание с ресивера — приём данных</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Saving to:</source>
        <translation>Сохранение в:</translation>
    </message>
    <message>
        <source>Bytes received:</source>
        <translation>Принято байт:</translation>
    </message>
</context>
</TS>
