<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="sv_SE">
<context>
    <name>AboutBox</name>
    <message>
        <source>Om Vokabo</source>
        <translation>About Vokabo</translation>
    </message>
    <message>
        <source>Detta program är fritt att kopiera och använda.</source>
        <translation>This program is free to use and copy.</translation>
    </message>
    <message>
        <source>Vokabo är ett lättanvänt program för att träna ord, till exempel dina engelska-glosor.</source>
        <translation>Vokabo is an easy to use vocabulary learning program. For example you can use it to learn your foreign words.</translation>
    </message>
    <message>
        <source>1. Först skriver du in dina ord i programmet och sparar dem.</source>
        <translation>1. You write the words with this program and save them.</translation>
    </message>
    <message>
        <source>2. Sedan tränar du orden direkt eller senare.</source>
        <translation>2. Then you learn the words using this program.</translation>
    </message>
    <message>
        <source>3. På detta sätt får du förhoppningsvis bättre studieresultat.</source>
        <translation>3. Good luck with your studies!</translation>
    </message>
    <message>
        <source>Bild av Vokabo</source>
        <translation>Picture of Vokabo</translation>
    </message>
</context>
<context>
    <name>EditorPage</name>
    <message>
        <source>Rubrik</source>
        <translation>Heading</translation>
    </message>
    <message>
        <source>Ordens språk</source>
        <translation>Language of the words</translation>
    </message>
    <message>
        <source>Betydelsernas språk</source>
        <translation>Language of the meanings</translation>
    </message>
    <message>
        <source>Sida</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Ord %1</source>
        <translation>Word %1</translation>
    </message>
    <message>
        <source>Betydelse %1</source>
        <translation>Meaning %1</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Exportera ordlista</source>
        <translation>Export wordlist</translation>
    </message>
    <message>
        <source>Tabbseparerad text för Anki och Quizlet (*.tsv *.txt)|*.tsv;*.txt|CSV för kalkylprogram (*.csv)|*.csv|KVTML för KWordQuiz och Parley (*.kvtml)|*.kvtml</source>
        <translation>Tab-separated text for Anki and Quizlet (*.tsv *.txt)|*.tsv;*.txt|CSV for spreadsheets (*.csv)|*.csv|KVTML for KWordQuiz and Parley (*.kvtml)|*.kvtml</translation>
    </message>
    <message>
        <source>Ordlistan kunde inte exporteras som %1.</source>
        <translation>The wordlist could not be exported as %1.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Vokabo - Osparad ordlista</source>
        <translation>Vokabo - Unsaved wordlist</translation>
    </message>
    <message>
        <source>Vokabo filer (*.vkf)|*.vkf|Glosfiler (*.gls)|*.gls|Alla filer (*.*)|*.*</source>
        <translation>Vokabo files (*.vkf)|*.vkf|Glosan files (*.gls)|*.gls|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Öppna ordlista</source>
        <translation>Open wordlist</translation>
    </message>
    <message>
        <source>Spara ordlista som</source>
        <translation>Save wordlist as</translation>
    </message>
    <message>
        <source>Vill du spara ändringar i denna ordlista?</source>
        <translation>Do you want to save changes to this wordlist?</translation>
    </message>
    <message>
        <source>Vill du spara ändringar i denna ordlista, innan en ny ordlista öppnas?</source>
        <translation>Do you want to save changes to this wordlist before you open one another?</translation>
    </message>
    <message>
        <source>Filen finns inte.</source>
        <translation>File not found.</translation>
    </message>
    <message>
        <source>Öppna fil</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Det är en mapp, inte en fil.</source>
        <translation>It is a folder, not a file.</translation>
    </message>
    <message>
        <source>Filen är ingen textfil.</source>
        <translation>The file is not a text file.</translation>
    </message>
    <message>
        <source>Filen har en rad som är för lång för en ordlista.</source>
        <translation>The file has a line too long for a wordlist.</translation>
    </message>
    <message>
        <source>Filen är för stor för en ordlista.</source>
        <translation>The file is too large for a wordlist.</translation>
    </message>
    <message>
        <source>Filen är skrivskyddad.</source>
        <translation>The file is write-protected.</translation>
    </message>
    <message>
        <source>Ordlistan %1 kunde inte öppnas.</source>
        <translation>The wordlist %1 could not be opened.</translation>
    </message>
    <message>
        <source>Ordlistan kunde inte sparas som %1.</source>
        <translation>The wordlist could not be saved as %1.</translation>
    </message>
    <message>
        <source>Spara ordlista</source>
        <translation>Save wordlist</translation>
    </message>
    <message>
        <source>Det är ingen vanlig fil.</source>
        <translation>It is not a regular file.</translation>
    </message>
</context>
<context>
    <name>HelpCommand</name>
    <message>
        <source>Hjälpfilen hittades inte</source>
        <translation>Helpfile not found</translation>
    </message>
    <message>
        <source>Filen %1 hittades inte, därför kan du inte använda hjälpen.</source>
        <translation>The file %1 was not found, you can not use the help.</translation>
    </message>
    <message>
        <source>svenska</source>
        <comment>anchor of the help part in this language</comment>
        <translation>english</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Vokabo - Hjälp</source>
        <translation>Vokabo - Help</translation>
    </message>
    <message>
        <source>Bakåt</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Gå tillbaka (%1)</source>
        <translation>Go back (%1)</translation>
    </message>
    <message>
        <source>Framåt</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Gå framåt (%1)</source>
        <translation>Go forward (%1)</translation>
    </message>
    <message>
        <source>Bläddra</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Hjälptext</source>
        <translation>Help text</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>Importera ordlista</source>
        <translation>Import wordlist</translation>
    </message>
    <message>
        <source>Ordlistor från andra program (*.kvtml *.csv *.tsv *.txt)|*.kvtml;*.csv;*.tsv;*.txt|KVTML (*.kvtml)|*.kvtml|CSV (*.csv)|*.csv|Tabbseparerad text (*.tsv *.txt)|*.tsv;*.txt|Alla filer (*.*)|*.*</source>
        <translation>Lists from other programs (*.kvtml *.csv *.tsv *.txt)|*.kvtml;*.csv;*.tsv;*.txt|KVTML (*.kvtml)|*.kvtml|CSV (*.csv)|*.csv|Tab-separated text (*.tsv *.txt)|*.tsv;*.txt|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Vill du spara ändringar i denna ordlista, innan en ny ordlista öppnas?</source>
        <translation>Do you want to save changes to this wordlist before you open one another?</translation>
    </message>
    <message>
        <source>Filen innehåller inga ordpar.</source>
        <translation>The file holds no word pairs.</translation>
    </message>
    <message>
        <source>Listan har %1 ordpar. En ordlista rymmer 100, så de första 100 har lästs in och %2 har utelämnats.</source>
        <translation>The list has %1 word pairs. A wordlist holds 100, so the first 100 were read and %2 were left out.</translation>
    </message>
    <message>
        <source>Listan %1 kunde inte importeras.</source>
        <translation>The list %1 could not be imported.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Importera ordlista</source>
        <translation>Import wordlist</translation>
    </message>
    <message>
        <source>Text med avgränsare (CSV, Anki, Quizlet)</source>
        <translation>Delimited text (CSV, Anki, Quizlet)</translation>
    </message>
    <message>
        <source>KVTML (KWordQuiz, Parley)</source>
        <translation>KVTML (KWordQuiz, Parley)</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>Tabb</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Semikolon ;</source>
        <translation>Semicolon ;</translation>
    </message>
    <message>
        <source>Komma ,</source>
        <translation>Comma ,</translation>
    </message>
    <message>
        <source>Lodstreck |</source>
        <translation>Vertical bar |</translation>
    </message>
    <message>
        <source>Mellanslag</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Kolon :</source>
        <translation>Colon :</translation>
    </message>
    <message>
        <source>&amp;Avgränsare:</source>
        <translation>&amp;Delimiter:</translation>
    </message>
    <message>
        <source>Första &amp;raden är en rubrik</source>
        <translation>First &amp;row is a header</translation>
    </message>
    <message>
        <source>&amp;Byt plats på kolumnerna</source>
        <translation>&amp;Swap columns</translation>
    </message>
    <message>
        <source>För&amp;handsvisning:</source>
        <translation>&amp;Preview:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Vänster kolumn</source>
        <translation>Left column</translation>
    </message>
    <message>
        <source>Höger kolumn</source>
        <translation>Right column</translation>
    </message>
    <message>
        <source>Filen kan inte läsas så.</source>
        <translation>The file cannot be read that way.</translation>
    </message>
    <message>
        <source>Filen innehåller inga ordpar.</source>
        <translation>The file holds no word pairs.</translation>
    </message>
    <message>
        <source>%1 ordpar, av dem får de första %2 plats.</source>
        <translation>%1 word pairs, of which the first %2 fit.</translation>
    </message>
    <message>
        <source>%1 ordpar</source>
        <translation>%1 word pairs</translation>
    </message>
    <message>
        <source>Filen är för stor för en ordlista.</source>
        <translation>The file is too large for a wordlist.</translation>
    </message>
    <message>
        <source>Filen är ingen textfil.</source>
        <translation>The file is not a text file.</translation>
    </message>
    <message>
        <source>Filen är ingen giltig XML (rad %1: %2).</source>
        <translation>The file is not valid XML (line %1: %2).</translation>
    </message>
    <message>
        <source>Filen är ingen KVTML-fil.</source>
        <translation>The file is not a KVTML file.</translation>
    </message>
    <message>
        <source>Filen deklarerar egna XML-entiteter, som ordlistor aldrig behöver.</source>
        <translation>The file declares XML entities of its own, which wordlists never need.</translation>
    </message>
    <message>
        <source>Filens XML är djupare nästlad än i någon ordlista.</source>
        <translation>The file&apos;s XML is nested deeper than in any wordlist.</translation>
    </message>
    <message>
        <source>Filen har ett ord som är för långt för en ordlista.</source>
        <translation>The file has a word that is too long for a wordlist.</translation>
    </message>
    <message>
        <source>Förhandsvisning</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>MainMenuPage</name>
    <message>
        <source>Öppna ord</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Skriv ord</source>
        <comment>main menu</comment>
        <translation>Write words</translation>
    </message>
    <message>
        <source>Förhör ord</source>
        <comment>main menu</comment>
        <translation>Learn words</translation>
    </message>
    <message>
        <source>Inställningar...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>Hjälp</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Öppnar en sparad ordlista från en fil</source>
        <translation>Opens a saved wordlist from a file</translation>
    </message>
    <message>
        <source>Skriv in nya ord eller ändra ordlistan</source>
        <translation>Write new words or change the wordlist</translation>
    </message>
    <message>
        <source>Förhör dig på orden i ordlistan</source>
        <translation>Test yourself on the words of the wordlist</translation>
    </message>
    <message>
        <source>Välj språklistor, typsnitt och programmets språk</source>
        <translation>Choose the language lists, the fonts and the language of the program</translation>
    </message>
    <message>
        <source>Visar hjälpen för Vokabo</source>
        <translation>Shows the help for Vokabo</translation>
    </message>
    <message>
        <source>Vokabos logotyp</source>
        <translation>The Vokabo logo</translation>
    </message>
    <message>
        <source>Programtorget</source>
        <translation>Programtorget</translation>
    </message>
    <message>
        <source>Öppnar ett fönster som berättar hur du hittar Programtorget</source>
        <translation>Opens a window that tells you how to find Programtorget</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Arkiv</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Nytt</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Öppna...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>S&amp;para</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Spara so&amp;m...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <source>Skriv &amp;ut...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>&amp;Inställningar...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Avsluta</source>
        <translation>E&amp;xit Vokabo</translation>
    </message>
    <message>
        <source>&amp;Redigera</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Klipp ut</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>Ko&amp;piera</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>K&amp;listra in</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Radera</source>
        <translation>De&amp;lete</translation>
    </message>
    <message>
        <source>&amp;Ord</source>
        <translation>&amp;Words</translation>
    </message>
    <message>
        <source>&amp;Skriv ord...</source>
        <translation>&amp;Write words...</translation>
    </message>
    <message>
        <source>&amp;Förhör ord...</source>
        <translation>&amp;Learn words...</translation>
    </message>
    <message>
        <source>&amp;Hjälp</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Hjälpavsnitt</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;Gå till programmets hemsida</source>
        <translation>Go to Vokabo &amp;web site</translation>
    </message>
    <message>
        <source>&amp;Om Vokabo</source>
        <translation>&amp;About Vokabo</translation>
    </message>
    <message>
        <source>Impor&amp;tera...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <source>&amp;Exportera...</source>
        <translation>&amp;Export...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vill du spara ändringar i denna ordlista, innan Vokabo avslutas?</source>
        <translation>Do you want to save changes to this wordlist before you exit Vokabo?</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Inställningar</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Språk som du ska lära dig:</source>
        <translation>Languages which you are learning:</translation>
    </message>
    <message>
        <source>Nytt språk:</source>
        <translation>New language:</translation>
    </message>
    <message>
        <source>&amp;Ta bort</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>Språk som du kan:</source>
        <translation>Languages that you know:</translation>
    </message>
    <message>
        <source>Ta &amp;bort</source>
        <translation>R&amp;emove</translation>
    </message>
    <message>
        <source>Typsnitt för språken som du ska lära dig:</source>
        <translation>The font for the languages which you are learning:</translation>
    </message>
    <message>
        <source>Exempel: AaBbCc</source>
        <translation>Example: AaBbCc</translation>
    </message>
    <message>
        <source>&amp;Välj...</source>
        <translation>C&amp;hoose...</translation>
    </message>
    <message>
        <source>Åter&amp;ställ</source>
        <translation>R&amp;estore</translation>
    </message>
    <message>
        <source>Typsnitt för språken som du kan:</source>
        <translation>The font for the languages that you know:</translation>
    </message>
    <message>
        <source>Vä&amp;lj...</source>
        <translation>Ch&amp;oose...</translation>
    </message>
    <message>
        <source>Återstä&amp;ll</source>
        <translation>Res&amp;tore</translation>
    </message>
    <message>
        <source>Programmets språk:</source>
        <translation>The language of the program:</translation>
    </message>
    <message>
        <source>&amp;Avbryt</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>PortalWindow</name>
    <message>
        <source>Programtorgets adress</source>
        <translation>Address of Programtorget</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>Vill du skriva ut denna ordlista?</source>
        <translation>Do you want to print this wordlist?</translation>
    </message>
    <message>
        <source>Ingen skrivare hittades. Ordlistan sparades som PDF-fil:</source>
        <translation>No printer was found. The wordlist was saved as a PDF file:</translation>
    </message>
    <message>
        <source>Ordlistan kunde inte skrivas ut.</source>
        <translation>The wordlist could not be printed.</translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nej</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QuizPage</name>
    <message>
        <source>Du har inte öppnat en ordlista eller skrivit in några ord som du kan bli förhörd på.</source>
        <translation>You have not opened a wordlist or written in any words which you can learn.</translation>
    </message>
    <message>
        <source>Sida</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Rätt</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Fel</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>Inte besvarad ännu</source>
        <translation>Not answered yet</translation>
    </message>
    <message>
        <source>Svar %1</source>
        <translation>Answer %1</translation>
    </message>
    <message>
        <source>Svar på &apos;%1&apos;</source>
        <translation>Answer to &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>Score</name>
    <message>
        <source>%1 rätt av %2</source>
        <translation>%1 correct of %2</translation>
    </message>
    <message>
        <source>Antal rätt</source>
        <translation>Number of correct written words</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>Du har inte behörighet till filen eller mappen.</source>
        <translation>You do not have permission for the file or folder.</translation>
    </message>
    <message>
        <source>Det finns inte plats kvar på disken.</source>
        <translation>There is no space left on the disk.</translation>
    </message>
    <message>
        <source>Disken är skrivskyddad.</source>
        <translation>The disk is read-only.</translation>
    </message>
    <message>
        <source>Filen eller mappen finns inte.</source>
        <translation>The file or folder does not exist.</translation>
    </message>
    <message>
        <source>En del av sökvägen är inte en mapp.</source>
        <translation>A part of the path is not a folder.</translation>
    </message>
    <message>
        <source>Det är en mapp, inte en fil.</source>
        <translation>It is a folder, not a file.</translation>
    </message>
    <message>
        <source>Sökvägen har för många symboliska länkar.</source>
        <translation>The path has too many symbolic links.</translation>
    </message>
    <message>
        <source>Namnet är för långt.</source>
        <translation>The name is too long.</translation>
    </message>
    <message>
        <source>Filen blir för stor.</source>
        <translation>The file would be too large.</translation>
    </message>
    <message>
        <source>Disken kunde inte läsas eller skrivas.</source>
        <translation>The disk could not be read or written.</translation>
    </message>
    <message>
        <source>För många filer är öppna.</source>
        <translation>Too many files are open.</translation>
    </message>
    <message>
        <source>Filen används av ett annat program.</source>
        <translation>The file is in use by another program.</translation>
    </message>
    <message>
        <source>Det är ingen vanlig fil.</source>
        <translation>It is not a regular file.</translation>
    </message>
    <message>
        <source>Systemfel %1.</source>
        <translation>System error %1.</translation>
    </message>
</context>
<context>
    <name>ToolbarPanel</name>
    <message>
        <source>Nytt</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Öppna</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Spara</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Skriv ut</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Skriv ord</source>
        <comment>toolbar</comment>
        <translation>Write</translation>
    </message>
    <message>
        <source>Förhör ord</source>
        <comment>toolbar</comment>
        <translation>Learn</translation>
    </message>
    <message>
        <source>Hjälp</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Antal rätt</source>
        <translation>Count c</translation>
    </message>
    <message>
        <source>Rätt/fel</source>
        <translation>Show c/w</translation>
    </message>
    <message>
        <source>Huvudmeny</source>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>Börja på en ny, tom ordlista</source>
        <translation>Start a new, empty wordlist</translation>
    </message>
    <message>
        <source>Öppna en sparad ordlista</source>
        <translation>Open a saved wordlist</translation>
    </message>
    <message>
        <source>Spara ordlistan</source>
        <translation>Save the wordlist</translation>
    </message>
    <message>
        <source>Skriv ut ordlistan</source>
        <translation>Print the wordlist</translation>
    </message>
    <message>
        <source>Skriv in och ändra orden i listan</source>
        <translation>Write and change the words of the list</translation>
    </message>
    <message>
        <source>Bli förhörd på orden i listan</source>
        <translation>Be tested on the words of the list</translation>
    </message>
    <message>
        <source>Visa hjälpen</source>
        <translation>Show the help</translation>
    </message>
    <message>
        <source>Räkna hur många svar som är rätt (%1)</source>
        <translation>Count how many answers are correct (%1)</translation>
    </message>
    <message>
        <source>Visa rätta svar i grönt och fel svar i rött, eller sluta visa dem (%1)</source>
        <translation>Show correct answers in green and wrong ones in red, or stop showing them (%1)</translation>
    </message>
    <message>
        <source>Tillbaka till huvudmenyn</source>
        <translation>Back to the main menu</translation>
    </message>
</context>
<context>
    <name>WebCommands</name>
    <message>
        <source>Www-bläddraren hittades inte</source>
        <translation>Web-browser not found</translation>
    </message>
    <message>
        <source>Vokabo hittar inte din www-bläddrare, starta den på vanligt sätt och gå till: %1<byte value="xd"/>för att komma till denna programs hemsida.</source>
        <translation>Vokabo can not find your web-browser, please start it and go to: %1</translation>
    </message>
</context>
<context>
    <name>SessionGuard</name>
    <message>
        <source>Vokabo avslutades utan att en ny ordlista sparades. Vill du återställa den?</source>
        <translation>Vokabo ended without saving a new wordlist. Do you want to restore it?</translation>
    </message>
    <message>
        <source>Vokabo avslutades utan att ändringarna i ordlistan %1 sparades. Vill du återställa dem?</source>
        <translation>Vokabo ended without saving the changes to the wordlist %1. Do you want to restore them?</translation>
    </message>
</context>
</TS>
