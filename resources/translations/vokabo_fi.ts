<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI" sourcelanguage="sv_SE">
<context>
    <name>AboutBox</name>
    <message>
        <source>Om Vokabo</source>
        <translation>Tietoja: Vokabo</translation>
    </message>
    <message>
        <source>Detta program är fritt att kopiera och använda.</source>
        <translation>Tätä ohjelmaa saa käyttää ja kopioda ilmaiseksi.</translation>
    </message>
    <message>
        <source>Vokabo är ett lättanvänt program för att träna ord, till exempel dina engelska-glosor.</source>
        <translation>Vokabo on helppokäyttöinen sanan harjoittelu ohjelma. Esimerkiksi voit käyttää sitä englanninsanojen kuulusteluun.</translation>
    </message>
    <message>
        <source>1. Först skriver du in dina ord i programmet och sparar dem.</source>
        <translation>1. Kirjoitat ensin sanat ohjelmalla ja tallennat ne.</translation>
    </message>
    <message>
        <source>2. Sedan tränar du orden direkt eller senare.</source>
        <translation>2. Kuulustelet sitten sanat ohjelmalla.</translation>
    </message>
    <message>
        <source>3. På detta sätt får du förhoppningsvis bättre studieresultat.</source>
        <translation>3. Toivottavasti opit sanat paremmin tällä ohjelmalla!</translation>
    </message>
    <message>
        <source>Bild av Vokabo</source>
        <translation>Vokabon kuva</translation>
    </message>
</context>
<context>
    <name>EditorPage</name>
    <message>
        <source>Rubrik</source>
        <translation>Otsikko</translation>
    </message>
    <message>
        <source>Ordens språk</source>
        <translation>Sanojen kieli</translation>
    </message>
    <message>
        <source>Betydelsernas språk</source>
        <translation>Merkitysten kieli</translation>
    </message>
    <message>
        <source>Sida</source>
        <translation>Sivu</translation>
    </message>
    <message>
        <source>Ord %1</source>
        <translation>Sana %1</translation>
    </message>
    <message>
        <source>Betydelse %1</source>
        <translation>Merkitys %1</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Exportera ordlista</source>
        <translation>Vie sanalista</translation>
    </message>
    <message>
        <source>Tabbseparerad text för Anki och Quizlet (*.tsv *.txt)|*.tsv;*.txt|CSV för kalkylprogram (*.csv)|*.csv|KVTML för KWordQuiz och Parley (*.kvtml)|*.kvtml</source>
        <translation>Sarkaimin eroteltu teksti Ankille ja Quizletille (*.tsv *.txt)|*.tsv;*.txt|CSV taulukkolaskentaan (*.csv)|*.csv|KVTML KWordQuizille ja Parleylle (*.kvtml)|*.kvtml</translation>
    </message>
    <message>
        <source>Ordlistan kunde inte exporteras som %1.</source>
        <translation>Sanalistaa ei voitu viedä tiedostoksi %1.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Vokabo - Osparad ordlista</source>
        <translation>Vokabo - Ej tallennettu sanalista</translation>
    </message>
    <message>
        <source>Vokabo filer (*.vkf)|*.vkf|Glosfiler (*.gls)|*.gls|Alla filer (*.*)|*.*</source>
        <translation>Vokabo tiedostot (*.vkf)|*.vkf|Glosan tiedostot (*.gls)|*.gls|Kaikki tiedostot (*.*)|*.*</translation>
    </message>
    <message>
        <source>Öppna ordlista</source>
        <translation>Avaa sanalista</translation>
    </message>
    <message>
        <source>Spara ordlista som</source>
        <translation>Tallenna sanalista nimellä</translation>
    </message>
    <message>
        <source>Vill du spara ändringar i denna ordlista?</source>
        <translation>Haluatko tallentaa muutokset tässa sanalistassa?</translation>
    </message>
    <message>
        <source>Vill du spara ändringar i denna ordlista, innan en ny ordlista öppnas?</source>
        <translation>Haluatko tallentaa muutokset tässa sanalistassa ennen kuin avaat toisen?</translation>
    </message>
    <message>
        <source>Filen finns inte.</source>
        <translation>Tiedostoa ei ole.</translation>
    </message>
    <message>
        <source>Öppna fil</source>
        <translation>Avaa tiedosto</translation>
    </message>
    <message>
        <source>Det är en mapp, inte en fil.</source>
        <translation>Se on kansio, ei tiedosto.</translation>
    </message>
    <message>
        <source>Filen är ingen textfil.</source>
        <translation>Tiedosto ei ole tekstitiedosto.</translation>
    </message>
    <message>
        <source>Filen har en rad som är för lång för en ordlista.</source>
        <translation>Tiedostossa on rivi, joka on liian pitkä sanalistaan.</translation>
    </message>
    <message>
        <source>Filen är för stor för en ordlista.</source>
        <translation>Tiedosto on liian suuri sanalistaksi.</translation>
    </message>
    <message>
        <source>Filen är skrivskyddad.</source>
        <translation>Tiedosto on kirjoitussuojattu.</translation>
    </message>
    <message>
        <source>Ordlistan %1 kunde inte öppnas.</source>
        <translation>Sanalistaa %1 ei voitu avata.</translation>
    </message>
    <message>
        <source>Ordlistan kunde inte sparas som %1.</source>
        <translation>Sanalistaa ei voitu tallentaa nimellä %1.</translation>
    </message>
    <message>
        <source>Spara ordlista</source>
        <translation>Tallenna sanalista</translation>
    </message>
    <message>
        <source>Det är ingen vanlig fil.</source>
        <translation>Se ei ole tavallinen tiedosto.</translation>
    </message>
</context>
<context>
    <name>HelpCommand</name>
    <message>
        <source>Hjälpfilen hittades inte</source>
        <translation>Aputiedostoa ei löytynyt</translation>
    </message>
    <message>
        <source>Filen %1 hittades inte, därför kan du inte använda hjälpen.</source>
        <translation>Tiedostoa %1 ei löytynyt, et siis voi käytää apua.</translation>
    </message>
    <message>
        <source>svenska</source>
        <comment>anchor of the help part in this language</comment>
        <translation>suomi</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Vokabo - Hjälp</source>
        <translation>Vokabo - Ohje</translation>
    </message>
    <message>
        <source>Bakåt</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Gå tillbaka (%1)</source>
        <translation>Siirry takaisin (%1)</translation>
    </message>
    <message>
        <source>Framåt</source>
        <translation>Eteenpäin</translation>
    </message>
    <message>
        <source>Gå framåt (%1)</source>
        <translation>Siirry eteenpäin (%1)</translation>
    </message>
    <message>
        <source>Bläddra</source>
        <translation>Selaa</translation>
    </message>
    <message>
        <source>Hjälptext</source>
        <translation>Ohjeteksti</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>Importera ordlista</source>
        <translation>Tuo sanalista</translation>
    </message>
    <message>
        <source>Ordlistor från andra program (*.kvtml *.csv *.tsv *.txt)|*.kvtml;*.csv;*.tsv;*.txt|KVTML (*.kvtml)|*.kvtml|CSV (*.csv)|*.csv|Tabbseparerad text (*.tsv *.txt)|*.tsv;*.txt|Alla filer (*.*)|*.*</source>
        <translation>Muiden ohjelmien listat (*.kvtml *.csv *.tsv *.txt)|*.kvtml;*.csv;*.tsv;*.txt|KVTML (*.kvtml)|*.kvtml|CSV (*.csv)|*.csv|Sarkaimin eroteltu teksti (*.tsv *.txt)|*.tsv;*.txt|Kaikki tiedostot (*.*)|*.*</translation>
    </message>
    <message>
        <source>Vill du spara ändringar i denna ordlista, innan en ny ordlista öppnas?</source>
        <translation>Haluatko tallentaa muutokset tässa sanalistassa ennen kuin avaat toisen?</translation>
    </message>
    <message>
        <source>Filen innehåller inga ordpar.</source>
        <translation>Tiedostossa ei ole sanapareja.</translation>
    </message>
    <message>
        <source>Listan har %1 ordpar. En ordlista rymmer 100, så de första 100 har lästs in och %2 har utelämnats.</source>
        <translation>Listassa on %1 sanaparia. Sanalistaan mahtuu 100, joten ensimmäiset 100 luettiin ja %2 jätettiin pois.</translation>
    </message>
    <message>
        <source>Listan %1 kunde inte importeras.</source>
        <translation>Listaa %1 ei voitu tuoda.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Importera ordlista</source>
        <translation>Tuo sanalista</translation>
    </message>
    <message>
        <source>Text med avgränsare (CSV, Anki, Quizlet)</source>
        <translation>Eroteltu teksti (CSV, Anki, Quizlet)</translation>
    </message>
    <message>
        <source>KVTML (KWordQuiz, Parley)</source>
        <translation>KVTML (KWordQuiz, Parley)</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Muoto:</translation>
    </message>
    <message>
        <source>Tabb</source>
        <translation>Sarkain</translation>
    </message>
    <message>
        <source>Semikolon ;</source>
        <translation>Puolipiste ;</translation>
    </message>
    <message>
        <source>Komma ,</source>
        <translation>Pilkku ,</translation>
    </message>
    <message>
        <source>Lodstreck |</source>
        <translation>Pystyviiva |</translation>
    </message>
    <message>
        <source>Mellanslag</source>
        <translation>Välilyönti</translation>
    </message>
    <message>
        <source>Kolon :</source>
        <translation>Kaksoispiste :</translation>
    </message>
    <message>
        <source>&amp;Avgränsare:</source>
        <translation>&amp;Erotin:</translation>
    </message>
    <message>
        <source>Första &amp;raden är en rubrik</source>
        <translation>Ensimmäinen &amp;rivi on otsikko</translation>
    </message>
    <message>
        <source>&amp;Byt plats på kolumnerna</source>
        <translation>&amp;Vaihda sarakkeet</translation>
    </message>
    <message>
        <source>För&amp;handsvisning:</source>
        <translation>E&amp;sikatselu:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Vänster kolumn</source>
        <translation>Vasen sarake</translation>
    </message>
    <message>
        <source>Höger kolumn</source>
        <translation>Oikea sarake</translation>
    </message>
    <message>
        <source>Filen kan inte läsas så.</source>
        <translation>Tiedostoa ei voi lukea näin.</translation>
    </message>
    <message>
        <source>Filen innehåller inga ordpar.</source>
        <translation>Tiedostossa ei ole sanapareja.</translation>
    </message>
    <message>
        <source>%1 ordpar, av dem får de första %2 plats.</source>
        <translation>%1 sanaparia, joista ensimmäiset %2 mahtuvat.</translation>
    </message>
    <message>
        <source>%1 ordpar</source>
        <translation>%1 sanaparia</translation>
    </message>
    <message>
        <source>Filen är för stor för en ordlista.</source>
        <translation>Tiedosto on liian suuri sanalistaksi.</translation>
    </message>
    <message>
        <source>Filen är ingen textfil.</source>
        <translation>Tiedosto ei ole tekstitiedosto.</translation>
    </message>
    <message>
        <source>Filen är ingen giltig XML (rad %1: %2).</source>
        <translation>Tiedosto ei ole kelvollista XML:ää (rivi %1: %2).</translation>
    </message>
    <message>
        <source>Filen är ingen KVTML-fil.</source>
        <translation>Tiedosto ei ole KVTML-tiedosto.</translation>
    </message>
    <message>
        <source>Filen deklarerar egna XML-entiteter, som ordlistor aldrig behöver.</source>
        <translation>Tiedosto määrittelee omia XML-entiteettejä, joita sanalistat eivät koskaan tarvitse.</translation>
    </message>
    <message>
        <source>Filens XML är djupare nästlad än i någon ordlista.</source>
        <translation>Tiedoston XML on syvemmälle sisäkkäin kuin missään sanalistassa.</translation>
    </message>
    <message>
        <source>Filen har ett ord som är för långt för en ordlista.</source>
        <translation>Tiedostossa on sana, joka on liian pitkä sanalistaan.</translation>
    </message>
    <message>
        <source>Förhandsvisning</source>
        <translation>Esikatselu</translation>
    </message>
</context>
<context>
    <name>MainMenuPage</name>
    <message>
        <source>Öppna ord</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>Skriv ord</source>
        <comment>main menu</comment>
        <translation>Kirjoita sanoja</translation>
    </message>
    <message>
        <source>Förhör ord</source>
        <comment>main menu</comment>
        <translation>Kuulustele sanoja</translation>
    </message>
    <message>
        <source>Inställningar...</source>
        <translation>Asetukset...</translation>
    </message>
    <message>
        <source>Hjälp</source>
        <translation>Apu</translation>
    </message>
    <message>
        <source>Öppnar en sparad ordlista från en fil</source>
        <translation>Avaa tallennetun sanalistan tiedostosta</translation>
    </message>
    <message>
        <source>Skriv in nya ord eller ändra ordlistan</source>
        <translation>Kirjoita uusia sanoja tai muuta sanalistaa</translation>
    </message>
    <message>
        <source>Förhör dig på orden i ordlistan</source>
        <translation>Kuulustele itseäsi sanalistan sanoista</translation>
    </message>
    <message>
        <source>Välj språklistor, typsnitt och programmets språk</source>
        <translation>Valitse kielilistat, fontit ja ohjelman kieli</translation>
    </message>
    <message>
        <source>Visar hjälpen för Vokabo</source>
        <translation>Näyttää Vokabon ohjeen</translation>
    </message>
    <message>
        <source>Vokabos logotyp</source>
        <translation>Vokabon logo</translation>
    </message>
    <message>
        <source>Programtorget</source>
        <translation>Programtorget</translation>
    </message>
    <message>
        <source>Öppnar ett fönster som berättar hur du hittar Programtorget</source>
        <translation>Avaa ikkunan, joka kertoo, miten löydät Programtorgetin</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Arkiv</source>
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <source>&amp;Nytt</source>
        <translation>&amp;Uusi</translation>
    </message>
    <message>
        <source>&amp;Öppna...</source>
        <translation>&amp;Avaa...</translation>
    </message>
    <message>
        <source>S&amp;para</source>
        <translation>&amp;Tallenna</translation>
    </message>
    <message>
        <source>Spara so&amp;m...</source>
        <translation>Tallenna &amp;nimellä...</translation>
    </message>
    <message>
        <source>Skriv &amp;ut...</source>
        <translation>&amp;Tulosta...</translation>
    </message>
    <message>
        <source>&amp;Inställningar...</source>
        <translation>&amp;Asetukset...</translation>
    </message>
    <message>
        <source>&amp;Avsluta</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>&amp;Redigera</source>
        <translation>&amp;Muokkaa</translation>
    </message>
    <message>
        <source>&amp;Klipp ut</source>
        <translation>&amp;Leikkaa</translation>
    </message>
    <message>
        <source>Ko&amp;piera</source>
        <translation>&amp;Kopioi</translation>
    </message>
    <message>
        <source>K&amp;listra in</source>
        <translation>&amp;Liitä</translation>
    </message>
    <message>
        <source>&amp;Radera</source>
        <translation>&amp;Poista</translation>
    </message>
    <message>
        <source>&amp;Ord</source>
        <translation>&amp;Sanat</translation>
    </message>
    <message>
        <source>&amp;Skriv ord...</source>
        <translation>&amp;Kirjoita sanoja...</translation>
    </message>
    <message>
        <source>&amp;Förhör ord...</source>
        <translation>&amp;Kuulustele sanoja...</translation>
    </message>
    <message>
        <source>&amp;Hjälp</source>
        <translation>&amp;Apu</translation>
    </message>
    <message>
        <source>&amp;Hjälpavsnitt</source>
        <translation>&amp;Sisältö</translation>
    </message>
    <message>
        <source>&amp;Gå till programmets hemsida</source>
        <translation>Mene Vokabo &amp;kotisivulle</translation>
    </message>
    <message>
        <source>&amp;Om Vokabo</source>
        <translation>&amp;Tietoja: Vokabo</translation>
    </message>
    <message>
        <source>Impor&amp;tera...</source>
        <translation>Tu&amp;o...</translation>
    </message>
    <message>
        <source>&amp;Exportera...</source>
        <translation>&amp;Vie...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vill du spara ändringar i denna ordlista, innan Vokabo avslutas?</source>
        <translation>Haluatko tallentaa muutokset tässä sanalistassa ennen kuin lopetat ohjelman?</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Inställningar</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Språk som du ska lära dig:</source>
        <translation>Kielet joita opettelet:</translation>
    </message>
    <message>
        <source>Nytt språk:</source>
        <translation>Uusi kieli:</translation>
    </message>
    <message>
        <source>&amp;Ta bort</source>
        <translation>&amp;Poista</translation>
    </message>
    <message>
        <source>Språk som du kan:</source>
        <translation>Kielet jotka osaat:</translation>
    </message>
    <message>
        <source>Ta &amp;bort</source>
        <translation>P&amp;oista</translation>
    </message>
    <message>
        <source>Typsnitt för språken som du ska lära dig:</source>
        <translation>Fontti kiellille joita opettelet:</translation>
    </message>
    <message>
        <source>Exempel: AaBbCc</source>
        <translation>Esimerkki: AaBbCc</translation>
    </message>
    <message>
        <source>&amp;Välj...</source>
        <translation>&amp;Valitse...</translation>
    </message>
    <message>
        <source>Åter&amp;ställ</source>
        <translation>&amp;Tavallinen</translation>
    </message>
    <message>
        <source>Typsnitt för språken som du kan:</source>
        <translation>Fontti kielille jotka osaat:</translation>
    </message>
    <message>
        <source>Vä&amp;lj...</source>
        <translation>V&amp;alitse...</translation>
    </message>
    <message>
        <source>Återstä&amp;ll</source>
        <translation>Ta&amp;vallinen</translation>
    </message>
    <message>
        <source>Programmets språk:</source>
        <translation>Ohjelman kieli:</translation>
    </message>
    <message>
        <source>&amp;Avbryt</source>
        <translation>&amp;Peruuta</translation>
    </message>
</context>
<context>
    <name>PortalWindow</name>
    <message>
        <source>Programtorgets adress</source>
        <translation>Programtorgetin osoite</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>Vill du skriva ut denna ordlista?</source>
        <translation>Haluatko tulostaa tämän sanalistan?</translation>
    </message>
    <message>
        <source>Ingen skrivare hittades. Ordlistan sparades som PDF-fil:</source>
        <translation>Tulostinta ei löytynyt. Sanalista tallennettiin PDF-tiedostoksi:</translation>
    </message>
    <message>
        <source>Ordlistan kunde inte skrivas ut.</source>
        <translation>Sanalistaa ei voitu tulostaa.</translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Kyllä</translation>
    </message>
    <message>
        <source>&amp;Nej</source>
        <translation>&amp;Ei</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Peruuta</translation>
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
        <translation>Et ole avannut sanalistaa tai kirjoittanut sananoja joita voit kuulustella.</translation>
    </message>
    <message>
        <source>Sida</source>
        <translation>Sivu</translation>
    </message>
    <message>
        <source>Rätt</source>
        <translation>Oikein</translation>
    </message>
    <message>
        <source>Fel</source>
        <translation>Väärin</translation>
    </message>
    <message>
        <source>Inte besvarad ännu</source>
        <translation>Ei vielä vastattu</translation>
    </message>
    <message>
        <source>Svar %1</source>
        <translation>Vastaus %1</translation>
    </message>
    <message>
        <source>Svar på &apos;%1&apos;</source>
        <translation>Vastaus sanaan &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>Score</name>
    <message>
        <source>%1 rätt av %2</source>
        <translation>%1 oikein,%2 mahdollisesta.</translation>
    </message>
    <message>
        <source>Antal rätt</source>
        <translation>Oikeinkirjoitettua sanaa</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>Du har inte behörighet till filen eller mappen.</source>
        <translation>Sinulla ei ole oikeutta tiedostoon tai kansioon.</translation>
    </message>
    <message>
        <source>Det finns inte plats kvar på disken.</source>
        <translation>Levyllä ei ole tilaa jäljellä.</translation>
    </message>
    <message>
        <source>Disken är skrivskyddad.</source>
        <translation>Levy on kirjoitussuojattu.</translation>
    </message>
    <message>
        <source>Filen eller mappen finns inte.</source>
        <translation>Tiedostoa tai kansiota ei ole.</translation>
    </message>
    <message>
        <source>En del av sökvägen är inte en mapp.</source>
        <translation>Osa polusta ei ole kansio.</translation>
    </message>
    <message>
        <source>Det är en mapp, inte en fil.</source>
        <translation>Se on kansio, ei tiedosto.</translation>
    </message>
    <message>
        <source>Sökvägen har för många symboliska länkar.</source>
        <translation>Polussa on liian monta symbolista linkkiä.</translation>
    </message>
    <message>
        <source>Namnet är för långt.</source>
        <translation>Nimi on liian pitkä.</translation>
    </message>
    <message>
        <source>Filen blir för stor.</source>
        <translation>Tiedostosta tulisi liian suuri.</translation>
    </message>
    <message>
        <source>Disken kunde inte läsas eller skrivas.</source>
        <translation>Levyä ei voitu lukea tai kirjoittaa.</translation>
    </message>
    <message>
        <source>För många filer är öppna.</source>
        <translation>Liian monta tiedostoa on auki.</translation>
    </message>
    <message>
        <source>Filen används av ett annat program.</source>
        <translation>Tiedosto on toisen ohjelman käytössä.</translation>
    </message>
    <message>
        <source>Det är ingen vanlig fil.</source>
        <translation>Se ei ole tavallinen tiedosto.</translation>
    </message>
    <message>
        <source>Systemfel %1.</source>
        <translation>Järjestelmävirhe %1.</translation>
    </message>
</context>
<context>
    <name>ToolbarPanel</name>
    <message>
        <source>Nytt</source>
        <translation>Uusi</translation>
    </message>
    <message>
        <source>Öppna</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>Spara</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Skriv ut</source>
        <translation>Tulosta</translation>
    </message>
    <message>
        <source>Skriv ord</source>
        <comment>toolbar</comment>
        <translation>Kirjoita</translation>
    </message>
    <message>
        <source>Förhör ord</source>
        <comment>toolbar</comment>
        <translation>Kuulustele</translation>
    </message>
    <message>
        <source>Hjälp</source>
        <translation>Apu</translation>
    </message>
    <message>
        <source>Antal rätt</source>
        <translation>Laske o</translation>
    </message>
    <message>
        <source>Rätt/fel</source>
        <translation>Näytä o/v</translation>
    </message>
    <message>
        <source>Huvudmeny</source>
        <translation>Päävalikko</translation>
    </message>
    <message>
        <source>Börja på en ny, tom ordlista</source>
        <translation>Aloita uusi, tyhjä sanalista</translation>
    </message>
    <message>
        <source>Öppna en sparad ordlista</source>
        <translation>Avaa tallennettu sanalista</translation>
    </message>
    <message>
        <source>Spara ordlistan</source>
        <translation>Tallenna sanalista</translation>
    </message>
    <message>
        <source>Skriv ut ordlistan</source>
        <translation>Tulosta sanalista</translation>
    </message>
    <message>
        <source>Skriv in och ändra orden i listan</source>
        <translation>Kirjoita ja muuta listan sanoja</translation>
    </message>
    <message>
        <source>Bli förhörd på orden i listan</source>
        <translation>Kuulustele listan sanoja</translation>
    </message>
    <message>
        <source>Visa hjälpen</source>
        <translation>Näytä ohje</translation>
    </message>
    <message>
        <source>Räkna hur många svar som är rätt (%1)</source>
        <translation>Laske, montako vastausta on oikein (%1)</translation>
    </message>
    <message>
        <source>Visa rätta svar i grönt och fel svar i rött, eller sluta visa dem (%1)</source>
        <translation>Näytä oikeat vastaukset vihreinä ja väärät punaisina tai lopeta niiden näyttäminen (%1)</translation>
    </message>
    <message>
        <source>Tillbaka till huvudmenyn</source>
        <translation>Takaisin päävalikkoon</translation>
    </message>
</context>
<context>
    <name>WebCommands</name>
    <message>
        <source>Www-bläddraren hittades inte</source>
        <translation>Www-selaiju ohjelma ei löytynyt</translation>
    </message>
    <message>
        <source>Vokabo hittar inte din www-bläddrare, starta den på vanligt sätt och gå till: %1<byte value="xd"/>för att komma till denna programs hemsida.</source>
        <translation>Vokabo ei löydä sinun www-selailu ohjelmaa, käynnistä se ja mene osoitteesen: %1<byte value="xd"/>niin pääset Vokabo kotisivulle.</translation>
    </message>
</context>
<context>
    <name>SessionGuard</name>
    <message>
        <source>Vokabo avslutades utan att en ny ordlista sparades. Vill du återställa den?</source>
        <translation>Vokabo sulkeutui tallentamatta uutta sanalistaa. Haluatko palauttaa sen?</translation>
    </message>
    <message>
        <source>Vokabo avslutades utan att ändringarna i ordlistan %1 sparades. Vill du återställa dem?</source>
        <translation>Vokabo sulkeutui tallentamatta sanalistan %1 muutoksia. Haluatko palauttaa ne?</translation>
    </message>
</context>
</TS>
