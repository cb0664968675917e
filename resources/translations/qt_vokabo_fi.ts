<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ei</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Kyllä</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ohje</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Keskeytä</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Palauta</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Yritä uudelleen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Palauta oletukset</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ohita</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>E&amp;i kaikkiin</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Tallenna kaikki</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Hylkää</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Kyllä k&amp;aikkiin</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Tallenna</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sulje</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Sulje tallentamatta</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Peruuta</translation>
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
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Tiedosto</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Avaa</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Tallenna</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Asema</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Tiedostot</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Näytä </translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>”%1” on kirjoitussuojattu.
Haluatko silti poistaa sen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Haluatko varmasti poistaa kohteen ”%1”?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Sijaintien ja kirjanmerkkien lista</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Tiedosto&amp;nimi:</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Tiedostokansio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poisto</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Uusi kansio</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Kansio</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Yläkansio</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Uusi kansio</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Oma tietokone</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Lähde:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Luo uusi kansio</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1-tiedosto</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Tiedostotyyppi:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Etsi kansio</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>&amp;Näytä piilotiedostot</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Tallenna nimellä</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Kansiota ei löydy.
Varmista oikea kansion nimi.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Sivupalkki</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Listanäkymä</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Valitse</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Poista</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Kaikki tiedostot (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Kaikki tiedostot (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Kansiot</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Muuta nimeä</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Kansion poistaminen epäonnistui.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Kansio:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tuntematon</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 on jo olemassa.
Korvataanko se?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Eteenpäin</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Siirry eteenpäin</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Siirry yläkansioon</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Viimeaikaiset sijainnit</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Siirry takaisin</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Vaihda yksityiskohtaiseen näkymään</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Uusi kansio</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Pikakuvake</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Yksityiskohtainen näkymä</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Tiedostoa ei löydy.
Varmista oikea tiedoston nimi.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Vaihda listanäkymään</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>Laji</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Koko</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tyyppi</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Oma tietokone</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Tietokone</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Virheellinen tiedostonimi</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</source>
        <translation>&lt;b&gt;Nimeä ”%1” ei voi käyttää.&lt;/b&gt;&lt;p&gt;Kokeile jotain muuta nimeä, esim. vähemmän merkkejä tai ei välimerkkejä.</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Muutosaika</translation>
    </message>
</context>
<context>
    <name>QFontDialog</name>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Fontti</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>K&amp;oko</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Näyte</translation>
    </message>
    <message>
        <source>Font st&amp;yle</source>
        <translation>Fontti&amp;tyyli</translation>
    </message>
    <message>
        <source>Wr&amp;iting System</source>
        <translation>K&amp;irjoitusjärjestelmä</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Valitse fontti</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Alleviivaus</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Tehosteet</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Yliviivaus</translation>
    </message>
</context>
<context>
    <name>QFontDatabase</name>
    <message>
        <source>Any</source>
        <translation>Mikä tahansa</translation>
    </message>
    <message>
        <source>Lao</source>
        <translation>Laolainen</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Lihava</translation>
    </message>
    <message>
        <source>Demi</source>
        <translation>Puoli</translation>
    </message>
    <message>
        <source>N'Ko</source>
        <translation>N'ko</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailainen</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Ohuin</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Musta</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Erittäin</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Kreikkalainen</translation>
    </message>
    <message>
        <source>Khmer</source>
        <translation>Khmeriläinen</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Latinalainen</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ohut</translation>
    </message>
    <message>
        <source>Ogham</source>
        <translation>Ogam</translation>
    </message>
    <message>
        <source>Oriya</source>
        <translation>Orijalainen</translation>
    </message>
    <message>
        <source>Runic</source>
        <translation>Riimukirjoitus</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>Tamililainen</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Kyrillinen</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>Kannadalainen</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>Malajalamilainen</translation>
    </message>
    <message>
        <source>Extra Light</source>
        <translation>Erittäin ohut</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Kiinalainen (yksinkertaistettu)</translation>
    </message>
    <message>
        <source>Demi Bold</source>
        <translation>Puolilihava</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabialainen</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Heprealainen</translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translation>Burmalainen</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiivi</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korealainen</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Lievästi lihava</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaali</translation>
    </message>
    <message>
        <source>Oblique</source>
        <translation>Kallistettu</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>Telugulainen</translation>
    </message>
    <message>
        <source>Thaana</source>
        <translation>Thaana</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbolit</translation>
    </message>
    <message>
        <source>Syriac</source>
        <translation>Syyrialainen</translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <translation>Erittäin lihava</translation>
    </message>
    <message>
        <source>Devanagari</source>
        <translation>Devanagari</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanilainen</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengalilainen</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Armenialainen</translation>
    </message>
    <message>
        <source>Sinhala</source>
        <translation>Sinhalilainen</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>Tiibetiläinen</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamilainen</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>Gudžaratilainen</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Kiinalainen (perinteinen)</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Georgialainen</translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation>Gurmukhi</translation>
    </message>
</context>
</TS>
