<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CoreText</name>
    <message>
        <source>You must initialize the serial port.</source>
        <translation>Debe inicializar el puerto serie.</translation>
    </message>
    <message>
        <source>Invalid Data Format</source>
        <translation>Formato de datos no válido</translation>
    </message>
    <message>
        <source>Unknown Usage Type</source>
        <translation>Tipo de uso desconocido</translation>
    </message>
    <message>
        <source>H/W version error</source>
        <translation>Error de versión de H/W</translation>
    </message>
    <message>
        <source>S/W version error</source>
        <translation>Error de versión de S/W</translation>
    </message>
    <message>
        <source>Model ID error</source>
        <translation>Error de ID de modelo</translation>
    </message>
    <message>
        <source>Checksum error</source>
        <translation>Error de suma de comprobación</translation>
    </message>
    <message>
        <source>Verify error</source>
        <translation>Error de verificación</translation>
    </message>
    <message>
        <source>Download OK</source>
        <translation>Envío correcto</translation>
    </message>
    <message>
        <source>UpLoad Complete(C)!!</source>
        <translation>¡¡Recepción completa (C)!!</translation>
    </message>
    <message>
        <source>UpLoad Complete(M)!!</source>
        <translation>¡¡Recepción completa (M)!!</translation>
    </message>
    <message>
        <source>The previous file was kept.</source>
        <translation>Se ha conservado el archivo anterior.</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>el archivo es demasiado grande</translation>
    </message>
    <message>
        <source>Invalid Data Format!!!</source>
        <translation>¡¡¡Formato de datos no válido!!!</translation>
    </message>
    <message>
        <source>Invalid Data Format, Check the Source File</source>
        <translation>Formato de datos no válido, compruebe el archivo de origen</translation>
    </message>
    <message>
        <source>There is no channel with that number.</source>
        <translation>No hay ningún canal con ese número.</translation>
    </message>
    <message>
        <source>There is no transponder with that number.</source>
        <translation>No hay ningún transpondedor con ese número.</translation>
    </message>
    <message>
        <source>There is no satellite with that number.</source>
        <translation>No hay ningún satélite con ese número.</translation>
    </message>
    <message>
        <source>The file has no such favourite group.</source>
        <translation>El archivo no tiene ese grupo de favoritos.</translation>
    </message>
    <message>
        <source>The channel list is full (10000 channels).</source>
        <translation>La lista de canales está llena (10000 canales).</translation>
    </message>
    <message>
        <source>The transponder table is full (1000 transponders).</source>
        <translation>La tabla de transpondedores está llena (1000 transpondedores).</translation>
    </message>
    <message>
        <source>A channel file holds at most 255 satellites.</source>
        <translation>Un archivo de canales admite como máximo 255 satélites.</translation>
    </message>
    <message>
        <source>The favourite groups are full (10000 entries).</source>
        <translation>Los grupos de favoritos están llenos (10000 entradas).</translation>
    </message>
    <message>
        <source>The channel is already in that favourite group.</source>
        <translation>El canal ya está en ese grupo de favoritos.</translation>
    </message>
    <message>
        <source>The channel is not in that favourite group.</source>
        <translation>El canal no está en ese grupo de favoritos.</translation>
    </message>
    <message>
        <source>The new order does not name every channel exactly once.</source>
        <translation>El nuevo orden no incluye cada canal exactamente una vez.</translation>
    </message>
    <message>
        <source>The favourite group has no entry at that place.</source>
        <translation>El grupo de favoritos no tiene ninguna entrada en esa posición.</translation>
    </message>
    <message>
        <source>The file ends before its header is complete.</source>
        <translation>El archivo termina antes de completar su cabecera.</translation>
    </message>
    <message>
        <source>The file ends before its block head is complete.</source>
        <translation>El archivo termina antes de completar la cabecera de bloque.</translation>
    </message>
    <message>
        <source>The file ends before its general section is complete.</source>
        <translation>El archivo termina antes de completar su sección general.</translation>
    </message>
    <message>
        <source>The file ends before its satellite section is complete.</source>
        <translation>El archivo termina antes de completar su sección de satélites.</translation>
    </message>
    <message>
        <source>The file ends before its transponder section is complete.</source>
        <translation>El archivo termina antes de completar su sección de transpondedores.</translation>
    </message>
    <message>
        <source>The file ends before its channel section is complete.</source>
        <translation>El archivo termina antes de completar su sección de canales.</translation>
    </message>
    <message>
        <source>The file ends before its favourite section is complete.</source>
        <translation>El archivo termina antes de completar su sección de favoritos.</translation>
    </message>
    <message>
        <source>The file ends before its CRC trailer is complete.</source>
        <translation>El archivo termina antes de completar su CRC final.</translation>
    </message>
    <message>
        <source>The file ends before its extra block is complete.</source>
        <translation>El archivo termina antes de completar su bloque adicional.</translation>
    </message>
    <message>
        <source>The file ends before its extra block is complete. (A byte 0xF0 after the favourite section starts an extra block.)</source>
        <translation>El archivo termina antes de completar su bloque adicional. (Un byte 0xF0 tras la sección de favoritos inicia un bloque adicional.)</translation>
    </message>
    <message>
        <source>The file holds %1 favourite groups; at most %2 fit.</source>
        <translation>El archivo contiene %1 grupos de favoritos; caben como máximo %2.</translation>
    </message>
    <message>
        <source>The file holds %1 transponders; at most %2 fit.</source>
        <translation>El archivo contiene %1 transpondedores; caben como máximo %2.</translation>
    </message>
    <message>
        <source>The file holds %1 TV channels; at most %2 fit.</source>
        <translation>El archivo contiene %1 canales de TV; caben como máximo %2.</translation>
    </message>
    <message>
        <source>The file holds %1 radio channels; at most %2 fit.</source>
        <translation>El archivo contiene %1 canales de radio; caben como máximo %2.</translation>
    </message>
    <message>
        <source>The favourite groups hold more than %1 TV members; at most %2 fit.</source>
        <translation>Los grupos de favoritos contienen más de %1 canales de TV; caben como máximo %2.</translation>
    </message>
    <message>
        <source>The favourite groups hold more than %1 radio members; at most %2 fit.</source>
        <translation>Los grupos de favoritos contienen más de %1 canales de radio; caben como máximo %2.</translation>
    </message>
    <message>
        <source>The extra block is %1 bytes long; at most %2 fit.</source>
        <translation>El bloque adicional ocupa %1 bytes; caben como máximo %2.</translation>
    </message>
    <message>
        <source>The file is too large to be a channel file: it holds more than %1 bytes.</source>
        <translation>El archivo es demasiado grande para ser un archivo de canales: ocupa más de %1 bytes.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
</context>
<context>
    <name>velmora::AboutBox</name>
    <message>
        <source>About VelmoraEdit</source>
        <translation>Acerca de VelmoraEdit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>VelmoraEdit Version 1.0</source>
        <translation>VelmoraEdit versión 1.0</translation>
    </message>
    <message>
        <source>Release %1
Copyright © The VelmoraEdit developers
Licensed under the GNU General Public License, version 3 or later
(GPL-3.0-or-later). There is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Revisión %1
Copyright © The VelmoraEdit developers
Publicado bajo la Licencia Pública General de GNU, versión 3 o posterior
(GPL-3.0-or-later). NO HAY NINGUNA GARANTÍA, en la medida permitida por la ley.</translation>
    </message>
    <message>
        <source>Channel list editor for Velmora receivers</source>
        <translation>Editor de listas de canales para receptores Velmora</translation>
    </message>
</context>
<context>
    <name>velmora::ApplyOrderDialog</name>
    <message>
        <source>Apply Order From %1</source>
        <translation>Aplicar orden de %1</translation>
    </message>
    <message>
        <source>Put both lists in the order of %1?</source>
        <translation>¿Poner ambas listas en el orden de %1?</translation>
    </message>
</context>
<context>
    <name>velmora::CArdelEditView</name>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID de servicio</translation>
    </message>
    <message>
        <source>PID Mode</source>
        <translation>Modo PID</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID vídeo</translation>
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
        <translation>Bloqueo</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Codificado</translation>
    </message>
    <message>
        <source>Transponder No.</source>
        <translation>N.º transpondedor</translation>
    </message>
    <message>
        <source>Transponder ID</source>
        <translation>ID transpondedor</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>ID de red</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frecuencia (MHz)</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarización</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Symbol Rate (kS/s)</source>
        <translation>Tasa símb. (kS/s)</translation>
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
        <translation>Longitud</translation>
    </message>
    <message>
        <source>TV Channel List</source>
        <translation>Lista de canales de TV</translation>
    </message>
    <message>
        <source>Radio Channel List</source>
        <translation>Lista de canales de radio</translation>
    </message>
    <message>
        <source>Marked channel will be deleted, proceed saving?</source>
        <translation>Se eliminará el canal marcado. ¿Continuar y guardar?</translation>
    </message>
    <message numerus="yes">
        <source>%n marked channels will be deleted, proceed saving?</source>
        <translation>
            <numerusform>Se eliminará %n canal marcado. ¿Continuar y guardar?</numerusform>
            <numerusform>Se eliminarán %n canales marcados. ¿Continuar y guardar?</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Satellite &apos;%1&apos;</source>
        <translation>Editar satélite &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Edit Transponder %1</source>
        <translation>Editar transpondedor %1</translation>
    </message>
    <message>
        <source>Edit Channel &apos;%1&apos;</source>
        <translation>Editar canal &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Only Western European (Latin-1) characters can be stored in a channel file</source>
        <translation>En un archivo de canales solo se pueden guardar caracteres de Europa occidental (Latin-1)</translation>
    </message>
    <message>
        <source>Edit Favourite Groups</source>
        <translation>Editar grupos de favoritos</translation>
    </message>
    <message>
        <source>Save changes to the All Data Channels?</source>
        <translation>¿Guardar los cambios en los datos de todos los canales?</translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened. Overwrite it?</source>
        <translation>El archivo ha cambiado en el disco desde que se abrió. ¿Sobrescribirlo?</translation>
    </message>
    <message>
        <source>The channel file could not be saved.
%1
%2</source>
        <translation>No se pudo guardar el archivo de canales.
%1
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be undone; the undo history was cleared</source>
        <translation>&quot;%1&quot; es demasiado grande para poder deshacerse; se ha vaciado el historial de deshacer</translation>
    </message>
    <message>
        <source>The oldest undo steps were dropped to keep the history within %1 MB</source>
        <translation>Se han descartado los pasos de deshacer más antiguos para que el historial no supere %1 MB</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <source>As opened</source>
        <translation>Tal como se abrió</translation>
    </message>
    <message>
        <source>Edit Satellite %1</source>
        <translation>Editar satélite %1</translation>
    </message>
    <message>
        <source>Edit Channel %1</source>
        <translation>Editar canal %1</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>Nuevo canal</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Nuevo transpondedor</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Nuevo satélite</translation>
    </message>
    <message>
        <source>Lists (*.csv *.tsv)|*.csv;*.tsv|All Files(*.*)|*|</source>
        <translation>Listas (*.csv *.tsv)|*.csv;*.tsv|Todos los archivos (*.*)|*|</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Exportar lista</translation>
    </message>
    <message>
        <source>The list cannot be written: %1
%2</source>
        <translation>No se puede escribir la lista: %1
%2</translation>
    </message>
    <message>
        <source>The list cannot be read; the order of the lists was not changed.
%1</source>
        <translation>No se puede leer la lista; el orden de las listas no ha cambiado.
%1</translation>
    </message>
    <message>
        <source>The list is not one this editor can read; the order of the lists was not changed.
%1
%2</source>
        <translation>Este editor no puede leer esa lista; el orden de las listas no ha cambiado.
%1
%2</translation>
    </message>
    <message>
        <source>Apply Order From &apos;%1&apos;</source>
        <translation>Aplicar orden de &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Favourite Group %1</source>
        <translation>Grupo de favoritos %1</translation>
    </message>
    <message>
        <source>Lock Channel</source>
        <translation>Bloquear canal</translation>
    </message>
    <message>
        <source>Unlock Channel</source>
        <translation>Desbloquear canal</translation>
    </message>
    <message numerus="yes">
        <source>Lock %n Channels</source>
        <translation>
            <numerusform>Bloquear %n canal</numerusform>
            <numerusform>Bloquear %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unlock %n Channels</source>
        <translation>
            <numerusform>Desbloquear %n canal</numerusform>
            <numerusform>Desbloquear %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n channels)</source>
        <translation>
            <numerusform>(%n canal)</numerusform>
            <numerusform>(%n canales)</numerusform>
        </translation>
    </message>
    <message>
        <source>Move Channel</source>
        <translation>Mover canal</translation>
    </message>
    <message>
        <source>Marked channels will be deleted, proceed SAVING?</source>
        <translation>Se eliminarán los canales marcados. ¿Continuar y GUARDAR?</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Aplicar orden de</translation>
    </message>
    <message>
        <source>Lists (*.csv *.tsv)</source>
        <translation>Listas (*.csv *.tsv)</translation>
    </message>
    <message>
        <source>The reference file cannot be read; the order of the lists was not changed.</source>
        <translation>No se puede leer el archivo de referencia; el orden de las listas no ha cambiado.</translation>
    </message>
    <message>
        <source>The reference file is damaged; the order of the lists was not changed.</source>
        <translation>El archivo de referencia está dañado; el orden de las listas no ha cambiado.</translation>
    </message>
    <message>
        <source>The channel list could not be printed on %1.</source>
        <translation>No se pudo imprimir la lista de canales en %1.</translation>
    </message>
    <message>
        <source>All channels related to this transponder will be deleted, proceed SAVING?</source>
        <translation>Se eliminarán todos los canales de este transpondedor. ¿Continuar y GUARDAR?</translation>
    </message>
    <message>
        <source>All channels and transponders related to this satellite will be deleted, proceed SAVING?</source>
        <translation>Se eliminarán todos los canales y transpondedores de este satélite. ¿Continuar y GUARDAR?</translation>
    </message>
    <message>
        <source>Not Delete!!</source>
        <translation>¡¡No se puede eliminar!!</translation>
    </message>
    <message>
        <source>Delete Transponder %1</source>
        <translation>Eliminar transpondedor %1</translation>
    </message>
    <message>
        <source>Delete Satellite &apos;%1&apos;</source>
        <translation>Eliminar satélite &apos;%1&apos;</translation>
    </message>
    <message>
        <source>End of Data</source>
        <translation>Fin de los datos</translation>
    </message>
    <message numerus="yes">
        <source>%n channels selected</source>
        <translation>
            <numerusform>%n canal seleccionado</numerusform>
            <numerusform>%n canales seleccionados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Channels</source>
        <translation>
            <numerusform>Mover %n canal</numerusform>
            <numerusform>Mover %n canales</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Eliminar canal</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Channels</source>
        <translation>
            <numerusform>Eliminar %n canal</numerusform>
            <numerusform>Eliminar %n canales</numerusform>
        </translation>
    </message>
    <message>
        <source>Sorted by %1: Save or Cancel to move channels</source>
        <translation>Ordenado por %1: pulse Guardar o Cancelar para mover canales</translation>
    </message>
    <message>
        <source>The earlier version was not kept: %1</source>
        <translation>No se ha conservado la versión anterior: %1</translation>
    </message>
    <message>
        <source>Discard the unsaved changes and read %1 again from disk?</source>
        <translation>¿Descartar los cambios no guardados y volver a leer %1 del disco?</translation>
    </message>
    <message>
        <source>the list as Save would write it</source>
        <translation>la lista tal como la escribiría Guardar</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>The file cannot be compared.</source>
        <translation>No se puede comparar el archivo.</translation>
    </message>
    <message>
        <source>the open list</source>
        <translation>la lista abierta</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>Replace the open list with this version? It stays unsaved until Save.</source>
        <translation>¿Sustituir la lista abierta por esta versión? No se guardará hasta pulsar Guardar.</translation>
    </message>
    <message>
        <source>The version cannot be read; the open list is unchanged.</source>
        <translation>No se puede leer la versión; la lista abierta no ha cambiado.</translation>
    </message>
    <message>
        <source>Restore Version</source>
        <translation>Restaurar versión</translation>
    </message>
    <message>
        <source>Restored the version of %1; Save writes it</source>
        <translation>Versión de %1 restaurada; Guardar la escribirá</translation>
    </message>
    <message>
        <source>No duplicate channels found.</source>
        <translation>No se encontraron canales duplicados.</translation>
    </message>
    <message>
        <source>TV channels: %1 duplicates; radio channels: %2 duplicates.
</source>
        <translation>Canales de TV: %1 duplicados; canales de radio: %2 duplicados.
</translation>
    </message>
    <message>
        <source>Remove 1 duplicate channel? It keeps the first of its copies and its favourite entries.</source>
        <translation>¿Eliminar 1 canal duplicado? Se conserva la primera de sus copias con sus entradas de favoritos.</translation>
    </message>
    <message>
        <source>Remove %1 duplicate channels? Each keeps the first of its copies and its favourite entries.</source>
        <translation>¿Eliminar %1 canales duplicados? De cada uno se conserva la primera copia con sus entradas de favoritos.</translation>
    </message>
    <message>
        <source>Remove Duplicate</source>
        <translation>Eliminar duplicado</translation>
    </message>
    <message>
        <source>Remove %1 Duplicates</source>
        <translation>Eliminar %1 duplicados</translation>
    </message>
    <message>
        <source>Filter channels</source>
        <translation>Filtrar canales</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Todos los canales</translation>
    </message>
    <message>
        <source>Free only</source>
        <translation>Solo libres</translation>
    </message>
    <message>
        <source>Scrambled only</source>
        <translation>Solo codificados</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueados</translation>
    </message>
    <message>
        <source>In favourite group…</source>
        <translation>En el grupo de favoritos…</translation>
    </message>
    <message>
        <source>In no favourite group</source>
        <translation>En ningún grupo de favoritos</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplicados</translation>
    </message>
    <message>
        <source>All satellites</source>
        <translation>Todos los satélites</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Filtered: clear the filter to move channels by Cut and Paste, a drag or one row at a time</source>
        <translation>Filtrado: borre el filtro para mover canales con Cortar y Pegar, arrastrando o de fila en fila</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n channels shown</source>
        <translation>
            <numerusform>%1 de %n canal mostrado</numerusform>
            <numerusform>%1 de %n canales mostrados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::CMainFrame</name>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Abrir un documento existente
Abrir</translation>
    </message>
    <message>
        <source>Save the File
File Save</source>
        <translation>Guardar el archivo
Guardar archivo</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimir el documento activo
Imprimir</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Mostrar páginas completas
Vista previa</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Cambiar la impresora y las opciones de impresión
Configurar impresión</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Salir de la aplicación; pregunta si desea guardar los documentos
Salir</translation>
    </message>
    <message>
        <source>Viewing the TV Channel
TV Channel</source>
        <translation>Ver los canales de TV
Canales de TV</translation>
    </message>
    <message>
        <source>Viewing the Radio Channel
Radio Channel</source>
        <translation>Ver los canales de radio
Canales de radio</translation>
    </message>
    <message>
        <source>View the Favorite Channel
Favorite Channel</source>
        <translation>Ver los canales favoritos
Canales favoritos</translation>
    </message>
    <message>
        <source>Serial Port Setting
Serial Port</source>
        <translation>Configuración del puerto serie
Puerto serie</translation>
    </message>
    <message>
        <source>Download the Data
Download</source>
        <translation>Enviar los datos al receptor
Enviar</translation>
    </message>
    <message>
        <source>Move the selected channels up by one place
Move Up</source>
        <translation>Subir los canales seleccionados una posición
Mover arriba</translation>
    </message>
    <message>
        <source>Move the selected channels down by one place
Move Down</source>
        <translation>Bajar los canales seleccionados una posición
Mover abajo</translation>
    </message>
    <message>
        <source>Move the selected channels to the top of the list
Move to Top</source>
        <translation>Mover los canales seleccionados al principio de la lista
Mover al inicio</translation>
    </message>
    <message>
        <source>Move the selected channels to the bottom of the list
Move to Bottom</source>
        <translation>Mover los canales seleccionados al final de la lista
Mover al final</translation>
    </message>
    <message>
        <source>Give the selected channels a new position
Move To</source>
        <translation>Dar una nueva posición a los canales seleccionados
Mover a</translation>
    </message>
    <message>
        <source>Put both lists in the order of another channel file
Apply Order From</source>
        <translation>Poner ambas listas en el orden de otro archivo de canales
Aplicar orden de</translation>
    </message>
    <message>
        <source>Write both channel lists to a CSV file for a spreadsheet
Export List</source>
        <translation>Escribir ambas listas de canales en un archivo CSV para una hoja de cálculo
Exportar lista</translation>
    </message>
    <message>
        <source>Copy the selected rows to the clipboard as text
Copy Rows</source>
        <translation>Copiar las filas seleccionadas al portapapeles como texto
Copiar filas</translation>
    </message>
    <message>
        <source>Upload the Data from the receiver
Upload</source>
        <translation>Recibir los datos del receptor
Recibir</translation>
    </message>
    <message>
        <source>Undo the last change of the channel lists
Undo</source>
        <translation>Deshacer el último cambio de las listas de canales
Deshacer</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Rehacer el último cambio deshecho
Rehacer</translation>
    </message>
    <message>
        <source>Show the changes that can be undone and redone
Undo History</source>
        <translation>Mostrar los cambios que se pueden deshacer y rehacer
Historial de deshacer</translation>
    </message>
    <message>
        <source>List what Save would change in the file on disk
Show Changes</source>
        <translation>Mostrar lo que Guardar cambiaría en el archivo del disco
Mostrar cambios</translation>
    </message>
    <message>
        <source>Compare the open list with another channel file
Compare With</source>
        <translation>Comparar la lista abierta con otro archivo de canales
Comparar con</translation>
    </message>
    <message>
        <source>The earlier versions of this file kept before each save
Versions</source>
        <translation>Las versiones anteriores de este archivo, conservadas antes de cada guardado
Versiones</translation>
    </message>
    <message>
        <source>Read the file again from disk, dropping the unsaved changes
Revert</source>
        <translation>Volver a leer el archivo del disco, descartando los cambios no guardados
Revertir</translation>
    </message>
    <message>
        <source>Show the changes before each save, with Save and Cancel
Review Before Saving</source>
        <translation>Mostrar los cambios antes de cada guardado, con Guardar y Cancelar
Revisar antes de guardar</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Mostrar u ocultar la barra de herramientas
Barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Mostrar u ocultar la barra de estado
Barra de estado</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostrar información del programa, número de versión y copyright
Acerca de</translation>
    </message>
    <message>
        <source>Save changes to the All Data Channels?</source>
        <translation>¿Guardar los cambios en los datos de todos los canales?</translation>
    </message>
    <message>
        <source>Undo History</source>
        <translation>Historial de deshacer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Abrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Guardar	Ctrl+S</translation>
    </message>
    <message>
        <source>Re&amp;vert</source>
        <translation>Re&amp;vertir</translation>
    </message>
    <message>
        <source>Show &amp;Changes	Ctrl+Shift+D</source>
        <translation>Mostrar &amp;cambios	Ctrl+Shift+D</translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation>Co&amp;mparar con...</translation>
    </message>
    <message>
        <source>Versio&amp;ns...</source>
        <translation>Versio&amp;nes...</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <translation>&amp;Exportar lista...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimir...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Vista p&amp;revia</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Con&amp;figurar impresión...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Deshacer	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <translation>&amp;Rehacer	Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nuevo	Ctrl+N</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Copy Rows	Ctrl+C</source>
        <translation>&amp;Copiar filas	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Delete	Ctrl+D</source>
        <translation>&amp;Eliminar	Ctrl+D</translation>
    </message>
    <message>
        <source>Move &amp;Up	Alt+Up</source>
        <translation>Mover &amp;arriba	Alt+Up</translation>
    </message>
    <message>
        <source>Move Do&amp;wn	Alt+Down</source>
        <translation>Mover a&amp;bajo	Alt+Down</translation>
    </message>
    <message>
        <source>Move to To&amp;p	Alt+Home</source>
        <translation>Mover al &amp;inicio	Alt+Home</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom	Alt+End</source>
        <translation>Mover al &amp;final	Alt+End</translation>
    </message>
    <message>
        <source>&amp;Move To...	Ctrl+M</source>
        <translation>&amp;Mover a...	Ctrl+M</translation>
    </message>
    <message>
        <source>Apply &amp;Order From...</source>
        <translation>Aplicar &amp;orden de...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;TV Channels</source>
        <translation>Canales de &amp;TV</translation>
    </message>
    <message>
        <source>&amp;Radio Channels</source>
        <translation>Canales de &amp;radio</translation>
    </message>
    <message>
        <source>&amp;Favourites...</source>
        <translation>&amp;Favoritos...</translation>
    </message>
    <message>
        <source>Undo &amp;History</source>
        <translation>&amp;Historial de deshacer</translation>
    </message>
    <message>
        <source>Review Before &amp;Saving</source>
        <translation>Revisar antes de &amp;guardar</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Puerto</translation>
    </message>
    <message>
        <source>&amp;Open Port</source>
        <translation>&amp;Abrir puerto</translation>
    </message>
    <message>
        <source>Port &amp;Settings...</source>
        <translation>&amp;Configuración del puerto...</translation>
    </message>
    <message>
        <source>&amp;Download to Receiver...</source>
        <translation>&amp;Enviar al receptor...</translation>
    </message>
    <message>
        <source>&amp;Upload from Receiver...</source>
        <translation>&amp;Recibir del receptor...</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>A&amp;cerca de</translation>
    </message>
    <message>
        <source>&amp;About VelmoraEdit...</source>
        <translation>&amp;Acerca de VelmoraEdit...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <translation>Predeterminado del &amp;sistema</translation>
    </message>
    <message>
        <source>The language changes when VelmoraEdit starts again.</source>
        <translation>El idioma cambiará la próxima vez que se inicie VelmoraEdit.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAYÚS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DESPL</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>%1
This file no longer exists and has been removed from the list of recent files.</source>
        <translation>%1
Este archivo ya no existe y se ha quitado de la lista de archivos recientes.</translation>
    </message>
    <message>
        <source>Remove channels stored twice, keeping their favourite entries
Remove Duplicates</source>
        <translation>Eliminar los canales guardados dos veces, conservando sus entradas de favoritos
Eliminar duplicados</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Remove &amp;Duplicates...</source>
        <translation>Eliminar &amp;duplicados...</translation>
    </message>
</context>
<context>
    <name>velmora::ChangesWindow</name>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>serviceId</source>
        <translation>ID de servicio</translation>
    </message>
    <message>
        <source>pmtPid</source>
        <translation>PID PMT</translation>
    </message>
    <message>
        <source>videoPid</source>
        <translation>PID vídeo</translation>
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
        <translation>codificado</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>bloqueado</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>transpondedor</translation>
    </message>
    <message>
        <source>networkId</source>
        <translation>ID de red</translation>
    </message>
    <message>
        <source>transponderId</source>
        <translation>ID de transpondedor</translation>
    </message>
    <message>
        <source>symbolRate</source>
        <translation>tasa de símbolos</translation>
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
        <translation>activado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Review Before Saving</source>
        <translation>Revisar antes de guardar</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>From %1
to %2</source>
        <translation>De %1
a %2</translation>
    </message>
    <message>
        <source>No changes</source>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <source>added</source>
        <translation>añadido</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>eliminado</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modificado</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>movido</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Canales de TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Canales de radio</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Grupos de favoritos</translation>
    </message>
    <message>
        <source>: added</source>
        <translation>: añadido</translation>
    </message>
    <message>
        <source>: removed</source>
        <translation>: eliminado</translation>
    </message>
    <message>
        <source>renamed from %1</source>
        <translation>nombre anterior: %1</translation>
    </message>
    <message>
        <source>reordered</source>
        <translation>reordenado</translation>
    </message>
    <message>
        <source>%1 member %2 %3 %4</source>
        <translation>miembro de %1 %2 %3 %4</translation>
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
        <translation>Transpondedores</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>añadidos: %1</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>eliminados: %1</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>modificados: %1</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>movidos: %1</translation>
    </message>
    <message>
        <source>1 favourite group</source>
        <translation>1 grupo de favoritos</translation>
    </message>
    <message numerus="yes">
        <source>%n favourite groups</source>
        <translation>
            <numerusform>%n grupo de favoritos</numerusform>
            <numerusform>%n grupos de favoritos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 transponder or satellite</source>
        <translation>1 transpondedor o satélite</translation>
    </message>
    <message numerus="yes">
        <source>%n transponders or satellites</source>
        <translation>
            <numerusform>%n transpondedor o satélite</numerusform>
            <numerusform>%n transpondedores o satélites</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::ChannelListMenu</name>
    <message>
        <source>&lt;TV channel&gt;</source>
        <translation>&lt;Canal de TV&gt;</translation>
    </message>
    <message>
        <source>&lt;Radio channel&gt;</source>
        <translation>&lt;Canal de radio&gt;</translation>
    </message>
    <message>
        <source>New  (&amp;N)</source>
        <translation>Nuevo  (&amp;N)</translation>
    </message>
    <message>
        <source>Cut (&amp;X)</source>
        <translation>Cortar (&amp;X)</translation>
    </message>
    <message>
        <source>Cut  (&amp;X)</source>
        <translation>Cortar  (&amp;X)</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>Pegar(&amp;P)</translation>
    </message>
    <message>
        <source>Del  (&amp;D)</source>
        <translation>Eliminar  (&amp;E)</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Mover arriba</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover abajo</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Mover al inicio</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Mover al final</translation>
    </message>
    <message>
        <source>Move To...</source>
        <translation>Mover a...</translation>
    </message>
</context>
<context>
    <name>velmora::ChannelListModel</name>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nombre del canal</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Nombre del satélite</translation>
    </message>
</context>
<context>
    <name>velmora::FavoritesDialog</name>
    <message>
        <source>Favorite Channel</source>
        <translation>Canales favoritos</translation>
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
        <translation>Favoritos de TV:</translation>
    </message>
    <message>
        <source>Radio Favorites:</source>
        <translation>Favoritos de radio:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Input the Favorite Name, or Related channel will be deleted, proceed saving?</source>
        <translation>Escriba el nombre del favorito o se eliminarán los canales relacionados. ¿Continuar y guardar?</translation>
    </message>
</context>
<context>
    <name>velmora::ListPrinter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Velmora Channel List</source>
        <translation>Lista de canales Velmora</translation>
    </message>
</context>
<context>
    <name>velmora::MoveToDialog</name>
    <message>
        <source>Move To</source>
        <translation>Mover a</translation>
    </message>
    <message>
        <source>the channel</source>
        <translation>el canal</translation>
    </message>
    <message>
        <source>New position of %1 (1 to %2):</source>
        <translation>Nueva posición para %1 (de 1 a %2):</translation>
    </message>
    <message numerus="yes">
        <source>the %n channels</source>
        <translation>
            <numerusform>el %n canal</numerusform>
            <numerusform>los %n canales</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::OrderReport</name>
    <message>
        <source>%1: %2 of %3 channels matched (%4 by ids, %5 by name)</source>
        <translation>%1: %2 de %3 canales emparejados (%4 por ID, %5 por nombre)</translation>
    </message>
    <message>
        <source>; not matched, placed after them: %1</source>
        <translation>; sin emparejar, colocados detrás: %1</translation>
    </message>
    <message>
        <source>; reference channels not in the file: %1</source>
        <translation>; canales de la referencia que no están en el archivo: %1</translation>
    </message>
    <message>
        <source>%1 not matched: %2 %3 now %4</source>
        <translation>%1 sin emparejar: %2 %3 ahora %4</translation>
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
        <translation>Favoritos: grupos tomados de la referencia: %1</translation>
    </message>
    <message>
        <source>; members dropped, their channels not in the file: %1</source>
        <translation>; entradas descartadas, sus canales no están en el archivo: %1</translation>
    </message>
    <message>
        <source>Favourites group %1: %2 member %3 %4 dropped</source>
        <translation>Grupo de favoritos %1: entrada %2 %3 %4 descartada</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>radio</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>Names taken from the list: %1</source>
        <translation>Nombres tomados de la lista: %1</translation>
    </message>
    <message>
        <source>Favourite groups taken from the list:</source>
        <translation>Grupos de favoritos tomados de la lista:</translation>
    </message>
</context>
<context>
    <name>velmora::SearchDialog</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nombre del canal</translation>
    </message>
</context>
<context>
    <name>velmora::VersionsDialog</name>
    <message>
        <source>Versions</source>
        <translation>Versiones</translation>
    </message>
    <message>
        <source>Kept versions of %1, newest first</source>
        <translation>Versiones conservadas de %1, la más reciente primero</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Conservada</translation>
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
        <translation>Cambios respecto a la lista abierta</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>Co&amp;mparar</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
</context>
<context>
    <name>velmora::ui::DownloadProgressDialog</name>
    <message>
        <source>Download to receiver</source>
        <translation>Enviar al receptor</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Información del sistema</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modelo:</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Versión de hardware:</translation>
    </message>
    <message>
        <source>Software version:</source>
        <translation>Versión de software:</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Comunicación</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>velmora::ui::PortController</name>
    <message>
        <source>Setting : %1</source>
        <translation>Configuración: %1</translation>
    </message>
    <message>
        <source>Please set up the port first.</source>
        <translation>Configure primero el puerto.</translation>
    </message>
    <message>
        <source>Initialization of Port COM%1 is successful.</source>
        <translation>El puerto COM%1 se ha inicializado correctamente.</translation>
    </message>
    <message>
        <source>COM%1 (%2): %3</source>
        <translation>COM%1 (%2): %3</translation>
    </message>
    <message>
        <source>Failed initializing port.</source>
        <translation>Error al inicializar el puerto.</translation>
    </message>
    <message>
        <source>Port COM%1 is closed.</source>
        <translation>El puerto COM%1 está cerrado.</translation>
    </message>
    <message>
        <source>The port settings could not be saved to %1.
%2</source>
        <translation>No se pudo guardar la configuración del puerto en %1.
%2</translation>
    </message>
    <message>
        <source>The port devices could not be saved to the settings.</source>
        <translation>No se pudieron guardar los dispositivos de los puertos en la configuración.</translation>
    </message>
    <message>
        <source>The new port settings take effect when the port is opened again.</source>
        <translation>La nueva configuración del puerto se aplicará cuando se vuelva a abrir el puerto.</translation>
    </message>
    <message>
        <source>serial port QueueRead FULL!</source>
        <translation>¡Cola de lectura del puerto serie LLENA!</translation>
    </message>
    <message>
        <source>Error while creating ThreadWatchComm, %1</source>
        <translation>Error al crear ThreadWatchComm, %1</translation>
    </message>
    <message>
        <source>Port COM%1 was lost: the serial device stopped responding or was unplugged.</source>
        <translation>Se ha perdido el puerto COM%1: el dispositivo serie ha dejado de responder o se ha desconectado.</translation>
    </message>
    <message>
        <source>even</source>
        <translation>par</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>impar</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>marca</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espacio</translation>
    </message>
</context>
<context>
    <name>velmora::ui::PortSettingsDialog</name>
    <message>
        <source>Serial Port Setting</source>
        <translation>Configuración del puerto serie</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impar</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baudios</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Bits de datos</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paridad</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Bits de parada</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opción</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Opción %1</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Control de flujo</translation>
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
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>COM%1 (set by VELMORA_COM%1)</source>
        <translation>COM%1 (fijado por VELMORA_COM%1)</translation>
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
        <translation>Archivos binarios Velmora (*.bin,*.sgn)|*.bin;*.sgn|Todos los archivos (*.*)|*|</translation>
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
        <translation>Enviar al receptor</translation>
    </message>
    <message>
        <source>Upload from receiver</source>
        <translation>Recibir del receptor</translation>
    </message>
    <message>
        <source>The earlier version was not kept: %1</source>
        <translation>No se ha conservado la versión anterior: %1</translation>
    </message>
</context>
<context>
    <name>velmora::ui::UploadProgressDialog</name>
    <message>
        <source>Upload from receiver — pulling</source>
        <translation>Recibir del receptor — transfiriendo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Saving to:</source>
        <translation>Guardando en:</translation>
    </message>
    <message>
        <source>Bytes received:</source>
        <translation>Bytes recibidos:</translation>
    </message>
</context>
</TS>
