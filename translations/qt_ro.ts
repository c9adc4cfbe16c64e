<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Salvare toate</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschidere</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Da la &amp;toate</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Nu la t&amp;oate</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonare</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reincercare</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorare</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Inchidere</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Renuntare</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicare</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetare</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Valori initiale</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>Arata detaliile...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ascunde detaliile...</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Enter a value:</source>
        <translation>Introduceti o valoare:</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Cauta in:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nume fisier:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fisiere de tipul:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Deschidere</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvare</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschidere</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvare ca</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Alegere</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Alegere folder</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Foldere</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Inapoi</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Inainte</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Folderul parinte</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Folder nou</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Detalii</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Inapoi</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Inainte</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>La folderul parinte</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Creeaza un folder nou</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Afisare ca lista</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Afisare cu detalii</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Folder nou</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Folder &amp;nou</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Redenumire</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Stergere</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Arata fisierele &amp;ascunse</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Scoate</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Toate fisierele (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Toate fisierele (*)</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Calculatorul meu</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Locuri recente</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Locuri</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Locuri si semne de carte</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fisiere</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Necunoscut</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 exista deja.
Suprapun ?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Fisier inexistent.
Verificati numele fisierului.</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Folder inexistent.
Verificati numele folderului.</translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>'%1' este protejat la scriere.
Il sterg totusi ?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Sterg '%1' ?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Nu am putut sterge folderul.</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Marime</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data modificarii</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Calculatorul meu</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nume de fisier invalid</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Unitate</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Folder</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fisier</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Fisier %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Necunoscut</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Tiparire</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Tiparire</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Optiuni &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Optiuni &lt;&lt;</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Tiparire in fisier (PDF)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Fisier local</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Scrie fisier PDF</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Tiparire in fisier ...</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Toate paginile</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Paginile impare</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Paginile pare</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automat</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Paginile sau intervalele, despartite prin virgula; un interval se scrie cu doua numere legate prin cratima. De exemplu 3,5-7,9 tipareste paginile 3, 5, 6, 7 si 9.</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>Proprietatile imprimantei</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 este un folder.
Alegeti alt nume de fisier.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Fisierul %1 nu poate fi scris.
Alegeti alt nume de fisier.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 exista deja.
Suprapun ?</translation>
    </message>
    <message>
        <source>The 'From' value cannot be greater than the 'To' value.</source>
        <translation>Prima pagina nu poate fi dupa ultima.</translation>
    </message>
    <message>
        <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
        <translation>Optiunile 'Pagini pe foaie' si 'Set de pagini' nu pot fi folosite impreuna.
Renuntati la una dintre ele.</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>De la stanga la dreapta, de sus in jos</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>De la stanga la dreapta, de jos in sus</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>De la dreapta la stanga, de jos in sus</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>De la dreapta la stanga, de sus in jos</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>De jos in sus, de la stanga la dreapta</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>De jos in sus, de la dreapta la stanga</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>De sus in jos, de la stanga la dreapta</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>De sus in jos, de la dreapta la stanga</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Printer</source>
        <translation>Imprimanta</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nume:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;roprietati</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Locatie:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Previzualizare</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tip:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Fisier de iesire:</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Copies</source>
        <translation>Copii</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Ce se tipareste</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Paginile de la</translation>
    </message>
    <message>
        <source>to</source>
        <translation>pana la</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Pagina curenta</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selectia</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Iesire</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Copii:</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Pe exemplare</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>In ordine inversa</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optiuni</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Culoare</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Tonuri de gri</translation>
    </message>
    <message>
        <source>Duplex Printing</source>
        <translation>Tiparire fata-verso</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Deloc</translation>
    </message>
    <message>
        <source>Long side</source>
        <translation>Latura lunga</translation>
    </message>
    <message>
        <source>Short side</source>
        <translation>Latura scurta</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Set de pagini:</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Tiparire fata-verso</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Deloc</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Legat pe latura lunga</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Legat pe latura scurta</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Paginile</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Paginile sau intervalele, despartite prin virgula; un interval se scrie cu doua numere legate prin cratima. De exemplu 3,5-7,9 tipareste paginile 3, 5, 6, 7 si 9.</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Printer Properties</source>
        <translation>Proprietatile imprimantei</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avansat</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Optiuni lucrare</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Pagina</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Spre stanga</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Spre dreapta</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avansat</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Optiuni lucrare</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Paper</source>
        <translation>Hartie</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Format pagina:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Latime:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Inaltime:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Sursa hartiei:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientare</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portret</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Peisaj</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Peisaj intors</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Portret intors</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margini</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>marginea de sus</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>marginea din stanga</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>marginea din dreapta</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>marginea de jos</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Asezare in pagina</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Ordinea paginilor:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Pagini pe foaie:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Alt format</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimetri (mm)</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Toli (in)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Puncte (pt)</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>Select Color</source>
        <translation>Alegere culoare</translation>
    </message>
    <message>
        <source>&amp;Basic colors</source>
        <translation>Culori de &amp;baza</translation>
    </message>
    <message>
        <source>&amp;Custom colors</source>
        <translation>Culori &amp;proprii</translation>
    </message>
    <message>
        <source>&amp;Add to Custom Colors</source>
        <translation>&amp;Adauga la culorile proprii</translation>
    </message>
    <message>
        <source>&amp;Pick Screen Color</source>
        <translation>Culoare de pe &amp;ecran</translation>
    </message>
    <message>
        <source>Hu&amp;e:</source>
        <translation>&amp;Nuanta:</translation>
    </message>
    <message>
        <source>&amp;Sat:</source>
        <translation>&amp;Saturatie:</translation>
    </message>
    <message>
        <source>&amp;Val:</source>
        <translation>&amp;Valoare:</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Rosu:</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>&amp;Verde:</translation>
    </message>
    <message>
        <source>Bl&amp;ue:</source>
        <translation>Albastr&amp;u:</translation>
    </message>
    <message>
        <source>A&amp;lpha channel:</source>
        <translation>Canal a&amp;lfa:</translation>
    </message>
    <message>
        <source>&amp;HTML:</source>
        <translation>&amp;HTML:</translation>
    </message>
    <message>
        <source>Cursor at %1, %2
Press ESC to cancel</source>
        <translation>Cursor la %1, %2
Apasati ESC pentru anulare</translation>
    </message>
</context>
<context>
    <name>QFontDialog</name>
    <message>
        <source>Select Font</source>
        <translation>Alegere font</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Font</translation>
    </message>
    <message>
        <source>Font st&amp;yle</source>
        <translation>St&amp;il</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Marime</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efecte</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Taiat</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Subliniat</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Exemplu</translation>
    </message>
    <message>
        <source>Wr&amp;iting System</source>
        <translation>S&amp;istem de scriere</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anulare</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refacere</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taiere</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiere</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lipire</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Stergere</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selectare totala</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anulare</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refacere</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taiere</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiere</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lipire</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Stergere</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selectare totala</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copiere &amp;legatura</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Selectare totala</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Creste</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>&amp;Scade</translation>
    </message>
</context>
</TS>
