<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CoreText</name>
    <message>
        <source>You must initialize the serial port.</source>
        <translation>Vous devez initialiser le port série.</translation>
    </message>
    <message>
        <source>Invalid Data Format</source>
        <translation>Format de données non valide</translation>
    </message>
    <message>
        <source>Unknown Usage Type</source>
        <translation>Type d&apos;utilisation inconnu</translation>
    </message>
    <message>
        <source>H/W version error</source>
        <translation>Erreur de version matérielle</translation>
    </message>
    <message>
        <source>S/W version error</source>
        <translation>Erreur de version logicielle</translation>
    </message>
    <message>
        <source>Model ID error</source>
        <translation>Erreur d&apos;identifiant de modèle</translation>
    </message>
    <message>
        <source>Checksum error</source>
        <translation>Erreur de somme de contrôle</translation>
    </message>
    <message>
        <source>Verify error</source>
        <translation>Erreur de vérification</translation>
    </message>
    <message>
        <source>Download OK</source>
        <translation>Envoi réussi</translation>
    </message>
    <message>
        <source>UpLoad Complete(C)!!</source>
        <translation>Réception terminée (C) !!</translation>
    </message>
    <message>
        <source>UpLoad Complete(M)!!</source>
        <translation>Réception terminée (M) !!</translation>
    </message>
    <message>
        <source>The previous file was kept.</source>
        <translation>Le fichier précédent a été conservé.</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>le fichier est trop volumineux</translation>
    </message>
    <message>
        <source>Invalid Data Format!!!</source>
        <translation>Format de données non valide !!!</translation>
    </message>
    <message>
        <source>Invalid Data Format, Check the Source File</source>
        <translation>Format de données non valide, vérifiez le fichier source</translation>
    </message>
    <message>
        <source>There is no channel with that number.</source>
        <translation>Aucune chaîne ne porte ce numéro.</translation>
    </message>
    <message>
        <source>There is no transponder with that number.</source>
        <translation>Aucun transpondeur ne porte ce numéro.</translation>
    </message>
    <message>
        <source>There is no satellite with that number.</source>
        <translation>Aucun satellite ne porte ce numéro.</translation>
    </message>
    <message>
        <source>The file has no such favourite group.</source>
        <translation>Le fichier ne contient pas ce groupe de favoris.</translation>
    </message>
    <message>
        <source>The channel list is full (10000 channels).</source>
        <translation>La liste des chaînes est pleine (10000 chaînes).</translation>
    </message>
    <message>
        <source>The transponder table is full (1000 transponders).</source>
        <translation>La table des transpondeurs est pleine (1000 transpondeurs).</translation>
    </message>
    <message>
        <source>A channel file holds at most 255 satellites.</source>
        <translation>Un fichier de chaînes contient au plus 255 satellites.</translation>
    </message>
    <message>
        <source>The favourite groups are full (10000 entries).</source>
        <translation>Les groupes de favoris sont pleins (10000 entrées).</translation>
    </message>
    <message>
        <source>The channel is already in that favourite group.</source>
        <translation>La chaîne est déjà dans ce groupe de favoris.</translation>
    </message>
    <message>
        <source>The channel is not in that favourite group.</source>
        <translation>La chaîne n&apos;est pas dans ce groupe de favoris.</translation>
    </message>
    <message>
        <source>The new order does not name every channel exactly once.</source>
        <translation>Le nouvel ordre ne cite pas chaque chaîne exactement une fois.</translation>
    </message>
    <message>
        <source>The favourite group has no entry at that place.</source>
        <translation>Le groupe de favoris n&apos;a aucune entrée à cette position.</translation>
    </message>
    <message>
        <source>The file ends before its header is complete.</source>
        <translation>Le fichier se termine avant la fin de son en-tête.</translation>
    </message>
    <message>
        <source>The file ends before its block head is complete.</source>
        <translation>Le fichier se termine avant la fin de son en-tête de bloc.</translation>
    </message>
    <message>
        <source>The file ends before its general section is complete.</source>
        <translation>Le fichier se termine avant la fin de sa section générale.</translation>
    </message>
    <message>
        <source>The file ends before its satellite section is complete.</source>
        <translation>Le fichier se termine avant la fin de sa section des satellites.</translation>
    </message>
    <message>
        <source>The file ends before its transponder section is complete.</source>
        <translation>Le fichier se termine avant la fin de sa section des transpondeurs.</translation>
    </message>
    <message>
        <source>The file ends before its channel section is complete.</source>
        <translation>Le fichier se termine avant la fin de sa section des chaînes.</translation>
    </message>
    <message>
        <source>The file ends before its favourite section is complete.</source>
        <translation>Le fichier se termine avant la fin de sa section des favoris.</translation>
    </message>
    <message>
        <source>The file ends before its CRC trailer is complete.</source>
        <translation>Le fichier se termine avant la fin de son bloc final CRC.</translation>
    </message>
    <message>
        <source>The file ends before its extra block is complete.</source>
        <translation>Le fichier se termine avant la fin de son bloc supplémentaire.</translation>
    </message>
    <message>
        <source>The file ends before its extra block is complete. (A byte 0xF0 after the favourite section starts an extra block.)</source>
        <translation>Le fichier se termine avant la fin de son bloc supplémentaire. (Un octet 0xF0 après la section des favoris ouvre un bloc supplémentaire.)</translation>
    </message>
    <message>
        <source>The file holds %1 favourite groups; at most %2 fit.</source>
        <translation>Le fichier contient %1 groupes de favoris ; %2 au maximum sont possibles.</translation>
    </message>
    <message>
        <source>The file holds %1 transponders; at most %2 fit.</source>
        <translation>Le fichier contient %1 transpondeurs ; %2 au maximum sont possibles.</translation>
    </message>
    <message>
        <source>The file holds %1 TV channels; at most %2 fit.</source>
        <translation>Le fichier contient %1 chaînes TV ; %2 au maximum sont possibles.</translation>
    </message>
    <message>
        <source>The file holds %1 radio channels; at most %2 fit.</source>
        <translation>Le fichier contient %1 chaînes radio ; %2 au maximum sont possibles.</translation>
    </message>
    <message>
        <source>The favourite groups hold more than %1 TV members; at most %2 fit.</source>
        <translation>Les groupes de favoris contiennent plus de %1 membres TV ; %2 au maximum sont possibles.</translation>
    </message>
    <message>
        <source>The favourite groups hold more than %1 radio members; at most %2 fit.</source>
        <translation>Les groupes de favoris contiennent plus de %1 membres radio ; %2 au maximum sont possibles.</translation>
    </message>
    <message>
        <source>The extra block is %1 bytes long; at most %2 fit.</source>
        <translation>Le bloc supplémentaire fait %1 octets ; %2 au maximum sont possibles.</translation>
    </message>
    <message>
        <source>The file is too large to be a channel file: it holds more than %1 bytes.</source>
        <translation>Le fichier est trop volumineux pour être un fichier de chaînes : il contient plus de %1 octets.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1 : %2</translation>
    </message>
</context>
<context>
    <name>velmora::AboutBox</name>
    <message>
        <source>About VelmoraEdit</source>
        <translation>À propos de VelmoraEdit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>VelmoraEdit Version 1.0</source>
        <translation>VelmoraEdit version 1.0</translation>
    </message>
    <message>
        <source>Release %1
Copyright © The VelmoraEdit developers
Licensed under the GNU General Public License, version 3 or later
(GPL-3.0-or-later). There is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Révision %1
Copyright © The VelmoraEdit developers
Distribué sous la licence publique générale GNU, version 3 ou ultérieure
(GPL-3.0-or-later). AUCUNE GARANTIE, dans les limites permises par la loi.</translation>
    </message>
    <message>
        <source>Channel list editor for Velmora receivers</source>
        <translation>Éditeur de listes de chaînes pour récepteurs Velmora</translation>
    </message>
</context>
<context>
    <name>velmora::ApplyOrderDialog</name>
    <message>
        <source>Apply Order From %1</source>
        <translation>Appliquer l&apos;ordre de %1</translation>
    </message>
    <message>
        <source>Put both lists in the order of %1?</source>
        <translation>Mettre les deux listes dans l&apos;ordre de %1 ?</translation>
    </message>
</context>
<context>
    <name>velmora::CArdelEditView</name>
    <message>
        <source>Channel</source>
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
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
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
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
        <translation>Nom de chaîne</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID service</translation>
    </message>
    <message>
        <source>PID Mode</source>
        <translation>Mode PID</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID vidéo</translation>
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
        <translation>Verrou</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Crypté</translation>
    </message>
    <message>
        <source>Transponder No.</source>
        <translation>N° transpondeur</translation>
    </message>
    <message>
        <source>Transponder ID</source>
        <translation>ID transpondeur</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>ID réseau</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Fréquence (MHz)</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontale</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Symbol Rate (kS/s)</source>
        <translation>Débit symb. (kS/s)</translation>
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
        <translation>Longitude</translation>
    </message>
    <message>
        <source>TV Channel List</source>
        <translation>Liste des chaînes TV</translation>
    </message>
    <message>
        <source>Radio Channel List</source>
        <translation>Liste des chaînes radio</translation>
    </message>
    <message>
        <source>Marked channel will be deleted, proceed saving?</source>
        <translation>La chaîne marquée sera supprimée, poursuivre l&apos;enregistrement ?</translation>
    </message>
    <message numerus="yes">
        <source>%n marked channels will be deleted, proceed saving?</source>
        <translation>
            <numerusform>%n chaîne marquée sera supprimée, poursuivre l&apos;enregistrement ?</numerusform>
            <numerusform>%n chaînes marquées seront supprimées, poursuivre l&apos;enregistrement ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Satellite &apos;%1&apos;</source>
        <translation>Modifier le satellite « %1 »</translation>
    </message>
    <message>
        <source>Edit Transponder %1</source>
        <translation>Modifier le transpondeur %1</translation>
    </message>
    <message>
        <source>Edit Channel &apos;%1&apos;</source>
        <translation>Modifier la chaîne « %1 »</translation>
    </message>
    <message>
        <source>Only Western European (Latin-1) characters can be stored in a channel file</source>
        <translation>Seuls les caractères d&apos;Europe occidentale (Latin-1) peuvent être enregistrés dans un fichier de chaînes</translation>
    </message>
    <message>
        <source>Edit Favourite Groups</source>
        <translation>Modifier les groupes de favoris</translation>
    </message>
    <message>
        <source>Save changes to the All Data Channels?</source>
        <translation>Enregistrer les modifications de toutes les chaînes ?</translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened. Overwrite it?</source>
        <translation>Le fichier a été modifié sur le disque depuis son ouverture. L&apos;écraser ?</translation>
    </message>
    <message>
        <source>The channel file could not be saved.
%1
%2</source>
        <translation>Le fichier de chaînes n&apos;a pas pu être enregistré.
%1
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be undone; the undo history was cleared</source>
        <translation>« %1 » est trop volumineux pour être annulé ; l&apos;historique d&apos;annulation a été vidé</translation>
    </message>
    <message>
        <source>The oldest undo steps were dropped to keep the history within %1 MB</source>
        <translation>Les plus anciennes étapes d&apos;annulation ont été abandonnées pour limiter l&apos;historique à %1 Mo</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir : %1</translation>
    </message>
    <message>
        <source>As opened</source>
        <translation>À l&apos;ouverture</translation>
    </message>
    <message>
        <source>Edit Satellite %1</source>
        <translation>Modifier le satellite %1</translation>
    </message>
    <message>
        <source>Edit Channel %1</source>
        <translation>Modifier la chaîne %1</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>Nouvelle chaîne</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Nouveau transpondeur</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Nouveau satellite</translation>
    </message>
    <message>
        <source>Lists (*.csv *.tsv)|*.csv;*.tsv|All Files(*.*)|*|</source>
        <translation>Listes (*.csv *.tsv)|*.csv;*.tsv|Tous les fichiers (*.*)|*|</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Exporter la liste</translation>
    </message>
    <message>
        <source>The list cannot be written: %1
%2</source>
        <translation>Impossible d&apos;écrire la liste : %1
%2</translation>
    </message>
    <message>
        <source>The list cannot be read; the order of the lists was not changed.
%1</source>
        <translation>Impossible de lire la liste ; l&apos;ordre des listes n&apos;a pas été modifié.
%1</translation>
    </message>
    <message>
        <source>The list is not one this editor can read; the order of the lists was not changed.
%1
%2</source>
        <translation>Cette liste n&apos;est pas dans un format que cet éditeur sait lire ; l&apos;ordre des listes n&apos;a pas été modifié.
%1
%2</translation>
    </message>
    <message>
        <source>Apply Order From &apos;%1&apos;</source>
        <translation>Appliquer l&apos;ordre de « %1 »</translation>
    </message>
    <message>
        <source>Favourite Group %1</source>
        <translation>Groupe de favoris %1</translation>
    </message>
    <message>
        <source>Lock Channel</source>
        <translation>Verrouiller la chaîne</translation>
    </message>
    <message>
        <source>Unlock Channel</source>
        <translation>Déverrouiller la chaîne</translation>
    </message>
    <message numerus="yes">
        <source>Lock %n Channels</source>
        <translation>
            <numerusform>Verrouiller %n chaîne</numerusform>
            <numerusform>Verrouiller %n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unlock %n Channels</source>
        <translation>
            <numerusform>Déverrouiller %n chaîne</numerusform>
            <numerusform>Déverrouiller %n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n channels)</source>
        <translation>
            <numerusform>(%n chaîne)</numerusform>
            <numerusform>(%n chaînes)</numerusform>
        </translation>
    </message>
    <message>
        <source>Move Channel</source>
        <translation>Déplacer la chaîne</translation>
    </message>
    <message>
        <source>Marked channels will be deleted, proceed SAVING?</source>
        <translation>Les chaînes marquées seront supprimées, poursuivre l&apos;ENREGISTREMENT ?</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Appliquer l&apos;ordre de</translation>
    </message>
    <message>
        <source>Lists (*.csv *.tsv)</source>
        <translation>Listes (*.csv *.tsv)</translation>
    </message>
    <message>
        <source>The reference file cannot be read; the order of the lists was not changed.</source>
        <translation>Impossible de lire le fichier de référence ; l&apos;ordre des listes n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The reference file is damaged; the order of the lists was not changed.</source>
        <translation>Le fichier de référence est endommagé ; l&apos;ordre des listes n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The channel list could not be printed on %1.</source>
        <translation>La liste des chaînes n&apos;a pas pu être imprimée sur %1.</translation>
    </message>
    <message>
        <source>All channels related to this transponder will be deleted, proceed SAVING?</source>
        <translation>Toutes les chaînes de ce transpondeur seront supprimées, poursuivre l&apos;ENREGISTREMENT ?</translation>
    </message>
    <message>
        <source>All channels and transponders related to this satellite will be deleted, proceed SAVING?</source>
        <translation>Toutes les chaînes et tous les transpondeurs de ce satellite seront supprimés, poursuivre l&apos;ENREGISTREMENT ?</translation>
    </message>
    <message>
        <source>Not Delete!!</source>
        <translation>Suppression impossible !!</translation>
    </message>
    <message>
        <source>Delete Transponder %1</source>
        <translation>Supprimer le transpondeur %1</translation>
    </message>
    <message>
        <source>Delete Satellite &apos;%1&apos;</source>
        <translation>Supprimer le satellite « %1 »</translation>
    </message>
    <message>
        <source>End of Data</source>
        <translation>Fin des données</translation>
    </message>
    <message numerus="yes">
        <source>%n channels selected</source>
        <translation>
            <numerusform>%n chaîne sélectionnée</numerusform>
            <numerusform>%n chaînes sélectionnées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Channels</source>
        <translation>
            <numerusform>Déplacer %n chaîne</numerusform>
            <numerusform>Déplacer %n chaînes</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Supprimer la chaîne</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Channels</source>
        <translation>
            <numerusform>Supprimer %n chaîne</numerusform>
            <numerusform>Supprimer %n chaînes</numerusform>
        </translation>
    </message>
    <message>
        <source>Sorted by %1: Save or Cancel to move channels</source>
        <translation>Trié par %1 : Enregistrer ou Annuler pour déplacer des chaînes</translation>
    </message>
    <message>
        <source>The earlier version was not kept: %1</source>
        <translation>La version précédente n&apos;a pas été conservée : %1</translation>
    </message>
    <message>
        <source>Discard the unsaved changes and read %1 again from disk?</source>
        <translation>Abandonner les modifications non enregistrées et relire %1 depuis le disque ?</translation>
    </message>
    <message>
        <source>the list as Save would write it</source>
        <translation>la liste telle qu&apos;Enregistrer l&apos;écrirait</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>The file cannot be compared.</source>
        <translation>Impossible de comparer le fichier.</translation>
    </message>
    <message>
        <source>the open list</source>
        <translation>la liste ouverte</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>Replace the open list with this version? It stays unsaved until Save.</source>
        <translation>Remplacer la liste ouverte par cette version ? Elle reste non enregistrée jusqu&apos;à Enregistrer.</translation>
    </message>
    <message>
        <source>The version cannot be read; the open list is unchanged.</source>
        <translation>Impossible de lire la version ; la liste ouverte n&apos;est pas modifiée.</translation>
    </message>
    <message>
        <source>Restore Version</source>
        <translation>Restaurer la version</translation>
    </message>
    <message>
        <source>Restored the version of %1; Save writes it</source>
        <translation>Version %1 restaurée ; Enregistrer l&apos;écrira</translation>
    </message>
    <message>
        <source>No duplicate channels found.</source>
        <translation>Aucune chaîne en double trouvée.</translation>
    </message>
    <message>
        <source>TV channels: %1 duplicates; radio channels: %2 duplicates.
</source>
        <translation>Chaînes TV : %1 en double ; chaînes radio : %2 en double.
</translation>
    </message>
    <message>
        <source>Remove 1 duplicate channel? It keeps the first of its copies and its favourite entries.</source>
        <translation>Supprimer 1 chaîne en double ? La première de ses copies est conservée avec ses entrées de favoris.</translation>
    </message>
    <message>
        <source>Remove %1 duplicate channels? Each keeps the first of its copies and its favourite entries.</source>
        <translation>Supprimer %1 chaînes en double ? Pour chacune, la première copie est conservée avec ses entrées de favoris.</translation>
    </message>
    <message>
        <source>Remove Duplicate</source>
        <translation>Supprimer le doublon</translation>
    </message>
    <message>
        <source>Remove %1 Duplicates</source>
        <translation>Supprimer %1 doublons</translation>
    </message>
    <message>
        <source>Filter channels</source>
        <translation>Filtrer les chaînes</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Toutes les chaînes</translation>
    </message>
    <message>
        <source>Free only</source>
        <translation>Gratuites seulement</translation>
    </message>
    <message>
        <source>Scrambled only</source>
        <translation>Cryptées seulement</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillées</translation>
    </message>
    <message>
        <source>In favourite group…</source>
        <translation>Dans le groupe de favoris…</translation>
    </message>
    <message>
        <source>In no favourite group</source>
        <translation>Dans aucun groupe de favoris</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Doublons</translation>
    </message>
    <message>
        <source>All satellites</source>
        <translation>Tous les satellites</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Filtered: clear the filter to move channels by Cut and Paste, a drag or one row at a time</source>
        <translation>Filtrée : videz le filtre pour déplacer des chaînes par Couper et Coller, par glisser ou ligne par ligne</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n channels shown</source>
        <translation>
            <numerusform>%1 sur %n chaîne affichée</numerusform>
            <numerusform>%1 sur %n chaînes affichées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::CMainFrame</name>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ouvrir un document existant
Ouvrir</translation>
    </message>
    <message>
        <source>Save the File
File Save</source>
        <translation>Enregistrer le fichier
Enregistrer</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimer le document actif
Imprimer</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Afficher des pages entières
Aperçu avant impression</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Changer l&apos;imprimante et les options d&apos;impression
Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quitter l&apos;application ; propose d&apos;enregistrer les documents
Quitter</translation>
    </message>
    <message>
        <source>Viewing the TV Channel
TV Channel</source>
        <translation>Afficher les chaînes TV
Chaînes TV</translation>
    </message>
    <message>
        <source>Viewing the Radio Channel
Radio Channel</source>
        <translation>Afficher les chaînes radio
Chaînes radio</translation>
    </message>
    <message>
        <source>View the Favorite Channel
Favorite Channel</source>
        <translation>Afficher les chaînes favorites
Chaînes favorites</translation>
    </message>
    <message>
        <source>Serial Port Setting
Serial Port</source>
        <translation>Paramètres du port série
Port série</translation>
    </message>
    <message>
        <source>Download the Data
Download</source>
        <translation>Envoyer les données au récepteur
Envoyer</translation>
    </message>
    <message>
        <source>Move the selected channels up by one place
Move Up</source>
        <translation>Monter les chaînes sélectionnées d&apos;une place
Monter</translation>
    </message>
    <message>
        <source>Move the selected channels down by one place
Move Down</source>
        <translation>Descendre les chaînes sélectionnées d&apos;une place
Descendre</translation>
    </message>
    <message>
        <source>Move the selected channels to the top of the list
Move to Top</source>
        <translation>Placer les chaînes sélectionnées en tête de liste
Tout en haut</translation>
    </message>
    <message>
        <source>Move the selected channels to the bottom of the list
Move to Bottom</source>
        <translation>Placer les chaînes sélectionnées en fin de liste
Tout en bas</translation>
    </message>
    <message>
        <source>Give the selected channels a new position
Move To</source>
        <translation>Donner une nouvelle position aux chaînes sélectionnées
Déplacer vers</translation>
    </message>
    <message>
        <source>Put both lists in the order of another channel file
Apply Order From</source>
        <translation>Mettre les deux listes dans l&apos;ordre d&apos;un autre fichier de chaînes
Appliquer l&apos;ordre de</translation>
    </message>
    <message>
        <source>Write both channel lists to a CSV file for a spreadsheet
Export List</source>
        <translation>Écrire les deux listes de chaînes dans un fichier CSV pour un tableur
Exporter la liste</translation>
    </message>
    <message>
        <source>Copy the selected rows to the clipboard as text
Copy Rows</source>
        <translation>Copier les lignes sélectionnées dans le presse-papiers sous forme de texte
Copier les lignes</translation>
    </message>
    <message>
        <source>Upload the Data from the receiver
Upload</source>
        <translation>Récupérer les données du récepteur
Récupérer</translation>
    </message>
    <message>
        <source>Undo the last change of the channel lists
Undo</source>
        <translation>Annuler la dernière modification des listes de chaînes
Annuler</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Rétablir la dernière modification annulée
Rétablir</translation>
    </message>
    <message>
        <source>Show the changes that can be undone and redone
Undo History</source>
        <translation>Afficher les modifications pouvant être annulées et rétablies
Historique d&apos;annulation</translation>
    </message>
    <message>
        <source>List what Save would change in the file on disk
Show Changes</source>
        <translation>Lister ce qu&apos;Enregistrer changerait dans le fichier sur le disque
Afficher les modifications</translation>
    </message>
    <message>
        <source>Compare the open list with another channel file
Compare With</source>
        <translation>Comparer la liste ouverte avec un autre fichier de chaînes
Comparer avec</translation>
    </message>
    <message>
        <source>The earlier versions of this file kept before each save
Versions</source>
        <translation>Les versions antérieures de ce fichier, conservées avant chaque enregistrement
Versions</translation>
    </message>
    <message>
        <source>Read the file again from disk, dropping the unsaved changes
Revert</source>
        <translation>Relire le fichier depuis le disque en abandonnant les modifications non enregistrées
Recharger</translation>
    </message>
    <message>
        <source>Show the changes before each save, with Save and Cancel
Review Before Saving</source>
        <translation>Afficher les modifications avant chaque enregistrement, avec Enregistrer et Annuler
Vérifier avant d&apos;enregistrer</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Afficher ou masquer la barre d&apos;outils
Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Afficher ou masquer la barre d&apos;état
Barre d&apos;état</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright
À propos</translation>
    </message>
    <message>
        <source>Save changes to the All Data Channels?</source>
        <translation>Enregistrer les modifications de toutes les chaînes ?</translation>
    </message>
    <message>
        <source>Undo History</source>
        <translation>Historique d&apos;annulation</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Ouvrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Enregistrer	Ctrl+S</translation>
    </message>
    <message>
        <source>Re&amp;vert</source>
        <translation>&amp;Recharger</translation>
    </message>
    <message>
        <source>Show &amp;Changes	Ctrl+Shift+D</source>
        <translation>Afficher les &amp;modifications	Ctrl+Shift+D</translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation>&amp;Comparer avec...</translation>
    </message>
    <message>
        <source>Versio&amp;ns...</source>
        <translation>&amp;Versions...</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <translation>E&amp;xporter la liste...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimer...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Confi&amp;guration de l&apos;impression...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annuler	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <translation>&amp;Rétablir	Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nouveau	Ctrl+N</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Copy Rows	Ctrl+C</source>
        <translation>&amp;Copier les lignes	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Delete	Ctrl+D</source>
        <translation>&amp;Supprimer	Ctrl+D</translation>
    </message>
    <message>
        <source>Move &amp;Up	Alt+Up</source>
        <translation>&amp;Monter	Alt+Up</translation>
    </message>
    <message>
        <source>Move Do&amp;wn	Alt+Down</source>
        <translation>&amp;Descendre	Alt+Down</translation>
    </message>
    <message>
        <source>Move to To&amp;p	Alt+Home</source>
        <translation>Tout en &amp;haut	Alt+Home</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom	Alt+End</source>
        <translation>Tout en &amp;bas	Alt+End</translation>
    </message>
    <message>
        <source>&amp;Move To...	Ctrl+M</source>
        <translation>Déplacer &amp;vers...	Ctrl+M</translation>
    </message>
    <message>
        <source>Apply &amp;Order From...</source>
        <translation>A&amp;ppliquer l&apos;ordre de...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;TV Channels</source>
        <translation>Chaînes &amp;TV</translation>
    </message>
    <message>
        <source>&amp;Radio Channels</source>
        <translation>Chaînes &amp;radio</translation>
    </message>
    <message>
        <source>&amp;Favourites...</source>
        <translation>&amp;Favoris...</translation>
    </message>
    <message>
        <source>Undo &amp;History</source>
        <translation>&amp;Historique d&apos;annulation</translation>
    </message>
    <message>
        <source>Review Before &amp;Saving</source>
        <translation>&amp;Vérifier avant d&apos;enregistrer</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>&amp;Open Port</source>
        <translation>&amp;Ouvrir le port</translation>
    </message>
    <message>
        <source>Port &amp;Settings...</source>
        <translation>&amp;Paramètres du port...</translation>
    </message>
    <message>
        <source>&amp;Download to Receiver...</source>
        <translation>&amp;Envoyer vers le récepteur...</translation>
    </message>
    <message>
        <source>&amp;Upload from Receiver...</source>
        <translation>&amp;Récupérer depuis le récepteur...</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>&amp;About VelmoraEdit...</source>
        <translation>À &amp;propos de VelmoraEdit...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <translation>Langue du &amp;système</translation>
    </message>
    <message>
        <source>The language changes when VelmoraEdit starts again.</source>
        <translation>La langue changera au prochain démarrage de VelmoraEdit.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DÉFIL</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>%1
This file no longer exists and has been removed from the list of recent files.</source>
        <translation>%1
Ce fichier n&apos;existe plus et a été retiré de la liste des fichiers récents.</translation>
    </message>
    <message>
        <source>Remove channels stored twice, keeping their favourite entries
Remove Duplicates</source>
        <translation>Supprimer les chaînes enregistrées deux fois, en gardant leurs entrées de favoris
Supprimer les doublons</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Remove &amp;Duplicates...</source>
        <translation>Supprimer les &amp;doublons...</translation>
    </message>
</context>
<context>
    <name>velmora::ChangesWindow</name>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>serviceId</source>
        <translation>ID service</translation>
    </message>
    <message>
        <source>pmtPid</source>
        <translation>PID PMT</translation>
    </message>
    <message>
        <source>videoPid</source>
        <translation>PID vidéo</translation>
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
        <translation>mode PID</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>crypté</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>verrouillé</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>transpondeur</translation>
    </message>
    <message>
        <source>networkId</source>
        <translation>ID réseau</translation>
    </message>
    <message>
        <source>transponderId</source>
        <translation>ID transpondeur</translation>
    </message>
    <message>
        <source>symbolRate</source>
        <translation>débit symbole</translation>
    </message>
    <message>
        <source>fec</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>band</source>
        <translation>bande</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Review Before Saving</source>
        <translation>Vérifier avant d&apos;enregistrer</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>From %1
to %2</source>
        <translation>De %1
à %2</translation>
    </message>
    <message>
        <source>No changes</source>
        <translation>Aucune modification</translation>
    </message>
    <message>
        <source>added</source>
        <translation>ajouté</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>supprimé</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>déplacé</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Chaînes TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Chaînes radio</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Groupes de favoris</translation>
    </message>
    <message>
        <source>: added</source>
        <translation> : ajouté</translation>
    </message>
    <message>
        <source>: removed</source>
        <translation> : supprimé</translation>
    </message>
    <message>
        <source>renamed from %1</source>
        <translation>renommé (ancien nom : %1)</translation>
    </message>
    <message>
        <source>reordered</source>
        <translation>déplacé</translation>
    </message>
    <message>
        <source>%1 member %2 %3 %4</source>
        <translation>membre %1 %2 %3 %4</translation>
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
        <translation>Transpondeurs</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 ajoutée(s)</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 supprimée(s)</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 modifiée(s)</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>%1 déplacée(s)</translation>
    </message>
    <message>
        <source>1 favourite group</source>
        <translation>1 groupe de favoris</translation>
    </message>
    <message numerus="yes">
        <source>%n favourite groups</source>
        <translation>
            <numerusform>%n groupe de favoris</numerusform>
            <numerusform>%n groupes de favoris</numerusform>
        </translation>
    </message>
    <message>
        <source>1 transponder or satellite</source>
        <translation>1 transpondeur ou satellite</translation>
    </message>
    <message numerus="yes">
        <source>%n transponders or satellites</source>
        <translation>
            <numerusform>%n transpondeur ou satellite</numerusform>
            <numerusform>%n transpondeurs ou satellites</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::ChannelListMenu</name>
    <message>
        <source>&lt;TV channel&gt;</source>
        <translation>&lt;Chaîne TV&gt;</translation>
    </message>
    <message>
        <source>&lt;Radio channel&gt;</source>
        <translation>&lt;Chaîne radio&gt;</translation>
    </message>
    <message>
        <source>New  (&amp;N)</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Cut (&amp;X)</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Cut  (&amp;X)</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Del  (&amp;D)</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Tout en haut</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Tout en bas</translation>
    </message>
    <message>
        <source>Move To...</source>
        <translation>Déplacer vers...</translation>
    </message>
</context>
<context>
    <name>velmora::ChannelListModel</name>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nom de chaîne</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Nom du satellite</translation>
    </message>
</context>
<context>
    <name>velmora::FavoritesDialog</name>
    <message>
        <source>Favorite Channel</source>
        <translation>Chaînes favorites</translation>
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
        <translation>Favoris TV :</translation>
    </message>
    <message>
        <source>Radio Favorites:</source>
        <translation>Favoris radio :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Input the Favorite Name, or Related channel will be deleted, proceed saving?</source>
        <translation>Saisissez le nom du groupe de favoris, sinon les chaînes associées seront supprimées. Poursuivre l&apos;enregistrement ?</translation>
    </message>
</context>
<context>
    <name>velmora::ListPrinter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Velmora Channel List</source>
        <translation>Liste des chaînes Velmora</translation>
    </message>
</context>
<context>
    <name>velmora::MoveToDialog</name>
    <message>
        <source>Move To</source>
        <translation>Déplacer vers</translation>
    </message>
    <message>
        <source>the channel</source>
        <translation>la chaîne</translation>
    </message>
    <message>
        <source>New position of %1 (1 to %2):</source>
        <translation>Nouvelle position pour %1 (1 à %2) :</translation>
    </message>
    <message numerus="yes">
        <source>the %n channels</source>
        <translation>
            <numerusform>la %n chaîne</numerusform>
            <numerusform>les %n chaînes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::OrderReport</name>
    <message>
        <source>%1: %2 of %3 channels matched (%4 by ids, %5 by name)</source>
        <translation>%1 : %2 chaînes sur %3 associées (%4 par les ID, %5 par le nom)</translation>
    </message>
    <message>
        <source>; not matched, placed after them: %1</source>
        <translation>; non associées, placées après : %1</translation>
    </message>
    <message>
        <source>; reference channels not in the file: %1</source>
        <translation>; chaînes de la référence absentes du fichier : %1</translation>
    </message>
    <message>
        <source>%1 not matched: %2 %3 now %4</source>
        <translation>%1 non associée : %2 %3 désormais %4</translation>
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
        <translation>Favoris : groupes repris de la référence : %1</translation>
    </message>
    <message>
        <source>; members dropped, their channels not in the file: %1</source>
        <translation>; entrées abandonnées, leurs chaînes absentes du fichier : %1</translation>
    </message>
    <message>
        <source>Favourites group %1: %2 member %3 %4 dropped</source>
        <translation>Groupe de favoris %1 : entrée %2 %3 %4 abandonnée</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>radio</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>Names taken from the list: %1</source>
        <translation>Noms repris de la liste : %1</translation>
    </message>
    <message>
        <source>Favourite groups taken from the list:</source>
        <translation>Groupes de favoris repris de la liste :</translation>
    </message>
</context>
<context>
    <name>velmora::SearchDialog</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nom de chaîne</translation>
    </message>
</context>
<context>
    <name>velmora::VersionsDialog</name>
    <message>
        <source>Versions</source>
        <translation>Versions</translation>
    </message>
    <message>
        <source>Kept versions of %1, newest first</source>
        <translation>Versions conservées de %1, la plus récente en premier</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Conservée le</translation>
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
        <translation>Différences avec la liste ouverte</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparer</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
</context>
<context>
    <name>velmora::ui::DownloadProgressDialog</name>
    <message>
        <source>Download to receiver</source>
        <translation>Envoi vers le récepteur</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Informations système</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Version matérielle :</translation>
    </message>
    <message>
        <source>Software version:</source>
        <translation>Version logicielle :</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse :</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>velmora::ui::PortController</name>
    <message>
        <source>Setting : %1</source>
        <translation>Réglage : %1</translation>
    </message>
    <message>
        <source>Please set up the port first.</source>
        <translation>Veuillez d&apos;abord configurer le port.</translation>
    </message>
    <message>
        <source>Initialization of Port COM%1 is successful.</source>
        <translation>Initialisation du port COM%1 réussie.</translation>
    </message>
    <message>
        <source>COM%1 (%2): %3</source>
        <translation>COM%1 (%2) : %3</translation>
    </message>
    <message>
        <source>Failed initializing port.</source>
        <translation>Échec de l&apos;initialisation du port.</translation>
    </message>
    <message>
        <source>Port COM%1 is closed.</source>
        <translation>Le port COM%1 est fermé.</translation>
    </message>
    <message>
        <source>The port settings could not be saved to %1.
%2</source>
        <translation>Les paramètres du port n&apos;ont pas pu être enregistrés dans %1.
%2</translation>
    </message>
    <message>
        <source>The port devices could not be saved to the settings.</source>
        <translation>Les périphériques du port n&apos;ont pas pu être enregistrés dans les paramètres.</translation>
    </message>
    <message>
        <source>The new port settings take effect when the port is opened again.</source>
        <translation>Les nouveaux paramètres du port prendront effet à sa prochaine ouverture.</translation>
    </message>
    <message>
        <source>serial port QueueRead FULL!</source>
        <translation>Port série : file QueueRead PLEINE !</translation>
    </message>
    <message>
        <source>Error while creating ThreadWatchComm, %1</source>
        <translation>Erreur lors de la création de ThreadWatchComm, %1</translation>
    </message>
    <message>
        <source>Port COM%1 was lost: the serial device stopped responding or was unplugged.</source>
        <translation>Port COM%1 perdu : le périphérique série ne répond plus ou a été débranché.</translation>
    </message>
    <message>
        <source>even</source>
        <translation>paire</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>impaire</translation>
    </message>
    <message>
        <source>none</source>
        <translation>sans</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>marque</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espace</translation>
    </message>
</context>
<context>
    <name>velmora::ui::PortSettingsDialog</name>
    <message>
        <source>Serial Port Setting</source>
        <translation>Paramètres du port série</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impaire</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Sans</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Vitesse (bauds)</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Bits de données</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parité</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Bits d&apos;arrêt</translation>
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
        <translation>Contrôle de flux</translation>
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
        <translation>Périphériques</translation>
    </message>
    <message>
        <source>COM%1 (set by VELMORA_COM%1)</source>
        <translation>COM%1 (défini par VELMORA_COM%1)</translation>
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
        <translation>Fichiers binaires Velmora (*.bin,*.sgn)|*.bin;*.sgn|Tous les fichiers (*.*)|*|</translation>
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
        <translation>Envoi vers le récepteur</translation>
    </message>
    <message>
        <source>Upload from receiver</source>
        <translation>Récupération depuis le récepteur</translation>
    </message>
    <message>
        <source>The earlier version was not kept: %1</source>
        <translation>La version précédente n&apos;a pas été conservée : %1</translation>
    </message>
</context>
<context>
    <name>velmora::ui::UploadProgressDialog</name>
    <message>
        <source>Upload from receiver — pulling</source>
        <translation>Récupération depuis le récepteur — lecture en cours</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Saving to:</source>
        <translation>Enregistrement dans :</translation>
    </message>
    <message>
        <source>Bytes received:</source>
        <translation>Octets reçus :</translation>
    </message>
</context>
</TS>
