<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CoreText</name>
    <message>
        <source>You must initialize the serial port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Data Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Usage Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H/W version error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S/W version error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model ID error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checksum error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UpLoad Complete(C)!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UpLoad Complete(M)!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The previous file was kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Data Format!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Data Format, Check the Source File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no channel with that number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no transponder with that number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no satellite with that number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has no such favourite group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel list is full (10000 channels).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transponder table is full (1000 transponders).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A channel file holds at most 255 satellites.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The favourite groups are full (10000 entries).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel is already in that favourite group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel is not in that favourite group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new order does not name every channel exactly once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The favourite group has no entry at that place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends before its header is complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends before its block head is complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends before its general section is complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends before its satellite section is complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends before its transponder section is complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends before its channel section is complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends before its favourite section is complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends before its CRC trailer is complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends before its extra block is complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends before its extra block is complete. (A byte 0xF0 after the favourite section starts an extra block.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds %1 favourite groups; at most %2 fit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds %1 transponders; at most %2 fit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds %1 TV channels; at most %2 fit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds %1 radio channels; at most %2 fit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The favourite groups hold more than %1 TV members; at most %2 fit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The favourite groups hold more than %1 radio members; at most %2 fit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The extra block is %1 bytes long; at most %2 fit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large to be a channel file: it holds more than %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::AboutBox</name>
    <message>
        <source>About VelmoraEdit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VelmoraEdit Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release %1
Copyright © The VelmoraEdit developers
Licensed under the GNU General Public License, version 3 or later
(GPL-3.0-or-later). There is NO WARRANTY, to the extent permitted by law.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel list editor for Velmora receivers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ApplyOrderDialog</name>
    <message>
        <source>Apply Order From %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put both lists in the order of %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CArdelEditView</name>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PID Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PMT PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[HEX]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponder No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponder ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol Rate (kS/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Channel List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Channel List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marked channel will be deleted, proceed saving?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n marked channels will be deleted, proceed saving?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Satellite &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Transponder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Channel &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Western European (Latin-1) characters can be stored in a channel file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Favourite Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to the All Data Channels?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened. Overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel file could not be saved.
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be undone; the undo history was cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The oldest undo steps were dropped to keep the history within %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Satellite %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Channel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists (*.csv *.tsv)|*.csv;*.tsv|All Files(*.*)|*|</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list cannot be written: %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list cannot be read; the order of the lists was not changed.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list is not one this editor can read; the order of the lists was not changed.
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Order From &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favourite Group %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Lock %n Channels</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unlock %n Channels</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n channels)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Move Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marked channels will be deleted, proceed SAVING?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists (*.csv *.tsv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reference file cannot be read; the order of the lists was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reference file is damaged; the order of the lists was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel list could not be printed on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All channels related to this transponder will be deleted, proceed SAVING?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All channels and transponders related to this satellite will be deleted, proceed SAVING?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Delete!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Transponder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Satellite &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n channels selected</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Channels</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Channels</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Sorted by %1: Save or Cancel to move channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The earlier version was not kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard the unsaved changes and read %1 again from disk?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list as Save would write it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be compared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the open list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the open list with this version? It stays unsaved until Save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The version cannot be read; the open list is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored the version of %1; Save writes it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CMainFrame</name>
    <message>
        <source>Open an existing document
Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the File
File Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viewing the TV Channel
TV Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viewing the Radio Channel
Radio Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View the Favorite Channel
Favorite Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Port Setting
Serial Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download the Data
Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected channels up by one place
Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected channels down by one place
Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected channels to the top of the list
Move to Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected channels to the bottom of the list
Move to Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the selected channels a new position
Move To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put both lists in the order of another channel file
Apply Order From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write both channel lists to a CSV file for a spreadsheet
Export List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selected rows to the clipboard as text
Copy Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload the Data from the receiver
Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last change of the channel lists
Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the changes that can be undone and redone
Undo History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List what Save would change in the file on disk
Show Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare the open list with another channel file
Compare With</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The earlier versions of this file kept before each save
Versions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the file again from disk, dropping the unsaved changes
Revert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the changes before each save, with Save and Cancel
Review Before Saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to the All Data Channels?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;vert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Changes	Ctrl+Shift+D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versio&amp;ns...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Rows	Ctrl+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete	Ctrl+D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;Up	Alt+Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Do&amp;wn	Alt+Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to To&amp;p	Alt+Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to &amp;Bottom	Alt+End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move To...	Ctrl+M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply &amp;Order From...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;TV Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Radio Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Favourites...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo &amp;History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review Before &amp;Saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port &amp;Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Download to Receiver...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upload from Receiver...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About VelmoraEdit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language changes when VelmoraEdit starts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
This file no longer exists and has been removed from the list of recent files.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ChangesWindow</name>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serviceId</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pmtPid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>videoPid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>audioPid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pcrPid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pidMode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>networkId</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transponderId</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>symbolRate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review Before Saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1
to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>renamed from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reordered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 member %2 %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>favourite group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>favourite groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transponder or satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transponders or satellites</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ChannelListMenu</name>
    <message>
        <source>&lt;TV channel&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;Radio channel&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New  (&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut (&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut  (&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Del  (&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move To...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ChannelListModel</name>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::FavoritesDialog</name>
    <message>
        <source>Favorite Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Favorites:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Favorites:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input the Favorite Name, or Related channel will be deleted, proceed saving?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ListPrinter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmora Channel List</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::MoveToDialog</name>
    <message>
        <source>Move To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New position of %1 (1 to %2):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::SearchDialog</name>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::VersionsDialog</name>
    <message>
        <source>Versions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept versions of %1, newest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes to the open list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ui::DownloadProgressDialog</name>
    <message>
        <source>Download to receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ui::PortController</name>
    <message>
        <source>Setting : 115200, none, 8, 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please set up the port first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initialization of Port COM%1 is successful.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 (%2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed initializing port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port COM%1 is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port settings could not be saved to %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port devices could not be saved to the settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new port settings take effect when the port is opened again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial port QueueRead FULL!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error while creating ThreadWatchComm, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port COM%1 was lost: the serial device stopped responding or was unplugged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ui::PortSettingsDialog</name>
    <message>
        <source>Serial Port Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xon/Xoff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xon/RTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 (set by VELMORA_COM%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ui::Prompter</name>
    <message>
        <source>VelmoraEdit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmora Binary Files(*.bin,*.sgn)|*.bin;*.sgn|All Files(*.*)|*|</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ardel Editor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ui::TransferController</name>
    <message>
        <source>Download to receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload from receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The earlier version was not kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ui::UploadProgressDialog</name>
    <message>
        <source>Upload from receiver — pulling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes received:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
