<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>vx::AboutDialog</name>
    <message>
        <source>Scoreteller voor darts</source>
        <translation>Darts score keeper</translation>
    </message>
    <message>
        <source>Ontwerp: het Vorlentix-team</source>
        <translation>Design: the Vorlentix team</translation>
    </message>
    <message>
        <source>Version : %1 / %2</source>
        <translation>Version: %1 / %2 bytes</translation>
    </message>
    <message>
        <source>Date : %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Version : %1 / grootte onbekend</source>
        <translation>Version: %1 / size unknown</translation>
    </message>
    <message>
        <source>Date : onbekend, het programmabestand is niet te lezen</source>
        <translation>Date: unknown, the program file cannot be read</translation>
    </message>
    <message>
        <source>About me...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vrije software: GNU GPL versie 3 of later</source>
        <translation>Free software: GNU GPL version 3 or later</translation>
    </message>
</context>
<context>
    <name>vx::BackgroundWork</name>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vx::Caller</name>
    <message>
        <source>geen score</source>
        <translation>no score</translation>
    </message>
    <message>
        <source>leg</source>
        <translation>leg</translation>
    </message>
    <message>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <source>wedstrijd</source>
        <translation>match</translation>
    </message>
    <message>
        <source>Game shot, en de %1 voor %2</source>
        <translation>Game shot, and the %1 to %2</translation>
    </message>
    <message>
        <source>%1%2 %3, u heeft %4 nodig</source>
        <translation>%1%2 %3, you require %4</translation>
    </message>
</context>
<context>
    <name>vx::CheckoutChartDialog</name>
    <message>
        <source>Darts Checkout Lijst</source>
        <translation>Darts Checkout Chart</translation>
    </message>
    <message>
        <source>De checkout lijst kan niet worden getoond: het bestand %1 is niet gevonden.</source>
        <translation>The checkout chart cannot be shown: the file %1 was not found.</translation>
    </message>
</context>
<context>
    <name>vx::ClubSender</name>
    <message>
        <source>1 beurt wacht</source>
        <translation>1 turn waiting</translation>
    </message>
    <message>
        <source>%1 beurten wachten</source>
        <translation>%1 turns waiting</translation>
    </message>
    <message>
        <source>Clubserver: niet bereikbaar</source>
        <translation>Club server: not reachable</translation>
    </message>
    <message>
        <source>Clubserver: niet bereikbaar — %1</source>
        <translation>Club server: not reachable — %1</translation>
    </message>
    <message>
        <source>Clubserver: bijgewerkt</source>
        <translation>Club server: up to date</translation>
    </message>
    <message>
        <source>Clubserver: verbonden — %1</source>
        <translation>Club server: connected — %1</translation>
    </message>
    <message>
        <source>Alle borden: worden opgehaald</source>
        <translation>All boards: being fetched</translation>
    </message>
    <message>
        <source>Clubserver niet bereikbaar: alleen dit bord</source>
        <translation>Club server not reachable: this board only</translation>
    </message>
    <message>
        <source>Alle borden, bijgewerkt om %1</source>
        <translation>All boards, updated at %1</translation>
    </message>
    <message>
        <source>Clubserver niet bereikbaar: alleen wat om %1 is opgehaald</source>
        <translation>Club server not reachable: only what was fetched at %1</translation>
    </message>
</context>
<context>
    <name>vx::ClubServer</name>
    <message>
        <source>De clubserver kan niet worden gebruikt: het stuurprogramma voor PostgreSQL (libqt6sql6-psql) ontbreekt</source>
        <translation>The club server cannot be used: the PostgreSQL driver (libqt6sql6-psql) is missing</translation>
    </message>
    <message>
        <source>Clubserver &quot;%1&quot; is niet bereikbaar</source>
        <translation>Club server &quot;%1&quot; is not reachable</translation>
    </message>
    <message>
        <source>De historie op clubserver &quot;%1&quot; kan niet worden bijgewerkt</source>
        <translation>The history on club server &quot;%1&quot; cannot be updated</translation>
    </message>
    <message>
        <source>De historie op clubserver &quot;%1&quot; is van een nieuwere versie van het programma (schema %2, dit programma kent %3). De historie blijft op deze computer</source>
        <translation>The history on club server &quot;%1&quot; is from a newer version of the program (schema %2, this program knows %3). The history stays on this computer</translation>
    </message>
    <message>
        <source>Clubserver &quot;%1&quot; heeft de beurten niet aangenomen</source>
        <translation>Club server &quot;%1&quot; did not accept the turns</translation>
    </message>
</context>
<context>
    <name>vx::CsvExport</name>
    <message>
        <source>De scorelijst is niet geëxporteerd naar &quot;%1&quot;: %2.</source>
        <translation>The score list was not exported to &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>De tabel is niet geëxporteerd naar &quot;%1&quot;: %2.</source>
        <translation>The table was not exported to &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>vx::DartBoardPanel</name>
    <message>
        <source>Darts Checkout</source>
        <translation>Darts Checkout</translation>
    </message>
    <message>
        <source> Toetsenbord: T20, D16, 5, 25, 50 of 0 en spatie; Enter telt de beurt; Backspace is Correctie </source>
        <translation> Keyboard: T20, D16, 5, 25, 50 or 0 and space; Enter books the turn; Backspace is Correction </translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Triple</translation>
    </message>
    <message>
        <source>Bull           Bull&apos;s Eye     Zero</source>
        <translation>Bull           Bull&apos;s Eye     Zero</translation>
    </message>
    <message>
        <source> Misser / Buiten de ring </source>
        <translation> Miss / Outside the ring </translation>
    </message>
    <message>
        <source>Correctie</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source> Dart scores ongedaan maken </source>
        <translation> Undo the dart scores </translation>
    </message>
    <message>
        <source>Dart 1     Dart 2     Dart 3</source>
        <translation>Dart 1     Dart 2     Dart 3</translation>
    </message>
    <message>
        <source> Score toevoegen van de 3 darts </source>
        <translation> Add the score of the 3 darts </translation>
    </message>
    <message>
        <source> Score van %1 toevoegen </source>
        <translation> Add a score of %1 </translation>
    </message>
    <message>
        <source>Single %1</source>
        <translation>Single %1</translation>
    </message>
    <message>
        <source>Double %1</source>
        <translation>Double %1</translation>
    </message>
    <message>
        <source>Triple %1</source>
        <translation>Triple %1</translation>
    </message>
    <message>
        <source>Bull 25</source>
        <translation>Bull 25</translation>
    </message>
    <message>
        <source>Bull&apos;s Eye 50</source>
        <translation>Bull&apos;s Eye 50</translation>
    </message>
    <message>
        <source>Nul</source>
        <translation>Zero</translation>
    </message>
    <message>
        <source>Uitgooi</source>
        <translation>Checkout</translation>
    </message>
    <message>
        <source>Dart %1</source>
        <translation>Dart %1</translation>
    </message>
    <message>
        <source>Toevoegen</source>
        <translation>Add</translation>
    </message>
</context>
<context>
    <name>vx::DisplayScale</name>
    <message>
        <source>Passend</source>
        <translation>Fit</translation>
    </message>
</context>
<context>
    <name>vx::DuoPanel</name>
    <message>
        <source>Checkout</source>
        <translation>Checkout</translation>
    </message>
    <message>
        <source>Speler %1</source>
        <translation>Player %1</translation>
    </message>
    <message>
        <source> Totaalscore 3 darts speler %1 </source>
        <translation> Total of 3 darts, player %1 </translation>
    </message>
    <message>
        <source> Deze speler gooit als 1e </source>
        <translation> This player throws first </translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source> Score toevoegen aan Speler %1 </source>
        <translation> Add the score to Player %1 </translation>
    </message>
    <message>
        <source>Gemiddelde</source>
        <translation>Average</translation>
    </message>
    <message>
        <source> Gemiddelde van speler %1 </source>
        <translation> Average of player %1 </translation>
    </message>
    <message>
        <source>Duo Match</source>
        <translation>Duo Match</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message numerus="yes">
        <source>First to %n Sets</source>
        <translation>
            <numerusform>First to %n Set</numerusform>
            <numerusform>First to %n Sets</numerusform>
        </translation>
    </message>
    <message>
        <source>Naam Spelers                     Sets    Legs</source>
        <translation>Player names                     Sets    Legs</translation>
    </message>
    <message>
        <source>Volgende Ronde</source>
        <translation>Next Leg</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Player %1</translation>
    </message>
    <message numerus="yes">
        <source>First to %n Legs</source>
        <translation>
            <numerusform>First to %n Leg</numerusform>
            <numerusform>First to %n Legs</numerusform>
        </translation>
    </message>
    <message>
        <source>Naam Spelers                                Legs</source>
        <translation>Player names                                Legs</translation>
    </message>
    <message>
        <source>Beurten %1</source>
        <translation>Turns %1</translation>
    </message>
    <message>
        <source>Toevoegen %1</source>
        <translation>Add %1</translation>
    </message>
    <message>
        <source>Resterende score %1</source>
        <translation>Remaining score %1</translation>
    </message>
    <message>
        <source>Beurt %1</source>
        <translation>Turn %1</translation>
    </message>
    <message>
        <source>Gemiddelde %1</source>
        <translation>Average %1</translation>
    </message>
    <message>
        <source>Uitgooi %1</source>
        <translation>Checkout %1</translation>
    </message>
    <message>
        <source>Sets %1</source>
        <translation>Sets %1</translation>
    </message>
    <message>
        <source>Legs %1</source>
        <translation>Legs %1</translation>
    </message>
</context>
<context>
    <name>vx::DuoSetupDialog</name>
    <message>
        <source>Duo Match</source>
        <translation>Duo Match</translation>
    </message>
    <message>
        <source> Bestandsnaam Scorelijst Spelers </source>
        <translation> File name of the players&apos; score list </translation>
    </message>
    <message>
        <source>Bestandsnaam</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Nieuw</source>
        <translation>New</translation>
    </message>
    <message>
        <source> Nieuwe naam Scorelijst aanmaken </source>
        <translation> Create a new score list name </translation>
    </message>
    <message>
        <source>Naam Speler 1  (Start als 1e)</source>
        <translation>Player 1 Name  (throws first)</translation>
    </message>
    <message>
        <source>Naam Speler 2</source>
        <translation>Player 2 Name</translation>
    </message>
    <message>
        <source>First to</source>
        <translation>First to</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>Legs</source>
        <translation>Legs</translation>
    </message>
    <message>
        <source>Darthoogte</source>
        <translation>Start score</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> Wijzigingen Opslaan </source>
        <translation> Save Changes </translation>
    </message>
    <message>
        <source>Geef een nieuwe naam in voor de scorelijst...
van de spelers.</source>
        <translation>Enter a new name for the score list...
of the players.</translation>
    </message>
    <message>
        <source>Filenaam</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Bestandsnaam: %1</source>
        <translation>File name: %1</translation>
    </message>
</context>
<context>
    <name>vx::FileReason</name>
    <message>
        <source>het lezen van de schijf is mislukt</source>
        <translation>reading from the disk failed</translation>
    </message>
    <message>
        <source>het schrijven naar de schijf is mislukt</source>
        <translation>writing to the disk failed</translation>
    </message>
    <message>
        <source>de schijf is vol of er zijn te veel bestanden geopend</source>
        <translation>the disk is full or too many files are open</translation>
    </message>
    <message>
        <source>het bestand kan niet worden geopend</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>u hebt geen toegang tot het bestand</source>
        <translation>you have no access to the file</translation>
    </message>
    <message>
        <source>het nieuwe bestand kan niet in de plaats van het oude worden gezet</source>
        <translation>the new file cannot take the place of the old one</translation>
    </message>
    <message>
        <source>het oude bestand kan niet worden verwijderd</source>
        <translation>the old file cannot be removed</translation>
    </message>
    <message>
        <source>de bewerking is afgebroken</source>
        <translation>the operation was aborted</translation>
    </message>
    <message>
        <source>de schijf reageert niet op tijd</source>
        <translation>the disk does not respond in time</translation>
    </message>
    <message>
        <source>de oorzaak is onbekend</source>
        <translation>the cause is unknown</translation>
    </message>
    <message>
        <source>er staat een map met die naam</source>
        <translation>there is a folder of that name</translation>
    </message>
    <message>
        <source>de map &quot;%1&quot; bestaat niet</source>
        <translation>the folder &quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <source>het bestand bestaat niet</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>u hebt geen leesrechten voor het bestand</source>
        <translation>you may not read the file</translation>
    </message>
    <message>
        <source>de schijf &quot;%1&quot; is alleen-lezen</source>
        <translation>the disk &quot;%1&quot; is read-only</translation>
    </message>
    <message>
        <source>het bestand is alleen-lezen</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>u hebt geen schrijfrechten in de map &quot;%1&quot;</source>
        <translation>you may not write in the folder &quot;%1&quot;</translation>
    </message>
    <message>
        <source>de schijf &quot;%1&quot; is vol</source>
        <translation>the disk &quot;%1&quot; is full</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is een bestand en geen map</source>
        <translation>&quot;%1&quot; is a file, not a folder</translation>
    </message>
    <message>
        <source>de schijf is vol</source>
        <translation>the disk is full</translation>
    </message>
</context>
<context>
    <name>vx::HelpPanel</name>
    <message>
        <source>Beknopte uitleg programma Vorlentix</source>
        <translation>Vorlentix in brief</translation>
    </message>
    <message>
        <source>Klik nogmaals op de Helpknop om dit scherm weer te verlaten.</source>
        <translation>Click the Help button again to leave this screen.</translation>
    </message>
</context>
<context>
    <name>vx::HistoryDrawing</name>
    <message>
        <source>Aandeel van de darts</source>
        <translation>Share of the darts</translation>
    </message>
    <message>
        <source>Mis: %1</source>
        <translation>Missed: %1</translation>
    </message>
    <message>
        <source>Gemiddelde per 3 darts</source>
        <translation>Average per 3 darts</translation>
    </message>
    <message>
        <source>Eerste negen</source>
        <translation>First nine</translation>
    </message>
    <message>
        <source>1 leg</source>
        <translation>1 leg</translation>
    </message>
    <message>
        <source>%1 legs</source>
        <translation>%1 legs</translation>
    </message>
</context>
<context>
    <name>vx::HistoryImportRun</name>
    <message>
        <source>Scorelijsten in de historie zetten…</source>
        <translation>Putting the score lists into the history…</translation>
    </message>
    <message numerus="yes">
        <source>Het importeren is afgebroken; %n scorelijst(en) staan al in de historie.</source>
        <translation>
            <numerusform>The import was cancelled; %n score list is in the history already.</numerusform>
            <numerusform>The import was cancelled; %n score lists are in the history already.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n scorelijst(en) met %1 rijen in de historie gezet.</source>
        <translation>
            <numerusform>%n score list with %1 rows put into the history.</numerusform>
            <numerusform>%n score lists with %1 rows put into the history.</numerusform>
        </translation>
    </message>
    <message>
        <source>De scorelijsten konden niet in de historie: %1</source>
        <translation>The score lists could not be put into the history: %1</translation>
    </message>
</context>
<context>
    <name>vx::HistoryRecorder</name>
    <message>
        <source>De historie &quot;%1&quot; kan niet worden geopend: %2. Het spel gaat door zonder historie.</source>
        <translation>The history &quot;%1&quot; cannot be opened: %2. Play goes on without a history.</translation>
    </message>
    <message>
        <source>De historie &quot;%1&quot; was beschadigd en is bewaard als &quot;%2&quot;; er is een nieuwe historie begonnen.</source>
        <translation>The history &quot;%1&quot; was damaged and has been kept as &quot;%2&quot;; a new history has been started.</translation>
    </message>
    <message>
        <source>De historie &quot;%1&quot; kan niet worden bijgewerkt: %2. Het spel gaat door.</source>
        <translation>The history &quot;%1&quot; cannot be updated: %2. Play goes on.</translation>
    </message>
</context>
<context>
    <name>vx::HistoryStore</name>
    <message>
        <source>het bestand is van een nieuwere versie van het programma (schema %1)</source>
        <translation>the file is from a newer version of the program (schema %1)</translation>
    </message>
    <message>
        <source>het beschadigde bestand kan niet opzij worden gezet als &quot;%1&quot;</source>
        <translation>the damaged file cannot be set aside as &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>vx::HistoryTables</name>
    <message>
        <source>Bull</source>
        <translation>Bull</translation>
    </message>
    <message>
        <source>Geen beurten in deze periode.</source>
        <translation>No turns in this period.</translation>
    </message>
    <message>
        <source>Geen darts bekend: van deze periode zijn alleen beurttotalen bewaard (ingelezen scorelijsten).</source>
        <translation>No darts known: only turn totals were kept of this period (imported score lists).</translation>
    </message>
    <message>
        <source>Over %1 van de %2 beurten; van de andere zijn alleen de totalen bekend.</source>
        <translation>Over %1 of the %2 turns; of the others only the totals are known.</translation>
    </message>
    <message>
        <source>Mis</source>
        <translation>Miss</translation>
    </message>
    <message>
        <source>25 (buitenste bull)</source>
        <translation>25 (outer bull)</translation>
    </message>
    <message>
        <source>50 (bull)</source>
        <translation>50 (bull)</translation>
    </message>
    <message>
        <source>Enkel %1</source>
        <translation>Single %1</translation>
    </message>
    <message>
        <source>Checkout-percentage van %1</source>
        <translation>Checkout percentage of %1</translation>
    </message>
    <message>
        <source>Dubbel</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>Darts</source>
        <translation>Darts</translation>
    </message>
    <message>
        <source>Uit</source>
        <translation>Out</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Percentage</translation>
    </message>
    <message>
        <source>Checkout-percentage: %1 % (%2 keer uit met %3 darts op een dubbel)</source>
        <translation>Checkout percentage: %1 % (%2 times out with %3 darts at a double)</translation>
    </message>
    <message>
        <source>Alle dubbels</source>
        <translation>All doubles</translation>
    </message>
    <message>
        <source>Waar de darts van %1 landen</source>
        <translation>Where the darts of %1 land</translation>
    </message>
    <message>
        <source>Vak</source>
        <translation>Segment</translation>
    </message>
    <message>
        <source>Aandeel (%)</source>
        <translation>Share (%)</translation>
    </message>
    <message>
        <source>T20: %1 % van alle darts, T19: %2 % van alle darts</source>
        <translation>T20: %1 % of all darts, T19: %2 % of all darts</translation>
    </message>
    <message>
        <source>Voortgang van %1</source>
        <translation>Progress of %1</translation>
    </message>
    <message>
        <source>Avond</source>
        <translation>Evening</translation>
    </message>
    <message>
        <source>Legs</source>
        <translation>Legs</translation>
    </message>
    <message>
        <source>Gemiddelde</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Eerste negen</source>
        <translation>First nine</translation>
    </message>
    <message>
        <source>%1 tegen %2</source>
        <translation>%1 against %2</translation>
    </message>
    <message>
        <source>Wedstrijden gewonnen</source>
        <translation>Matches won</translation>
    </message>
    <message>
        <source>Legs gewonnen</source>
        <translation>Legs won</translation>
    </message>
    <message>
        <source>Competitiestand van %1</source>
        <translation>League table of %1</translation>
    </message>
    <message>
        <source>Speler</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Gewonnen</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>180</source>
        <translation>180</translation>
    </message>
    <message>
        <source>Checkout (%)</source>
        <translation>Checkout (%)</translation>
    </message>
    <message>
        <source>Beste leg (darts)</source>
        <translation>Best leg (darts)</translation>
    </message>
    <message>
        <source>Hoogste finish</source>
        <translation>Highest finish</translation>
    </message>
    <message>
        <source>1 duo-wedstrijd tegen elkaar</source>
        <translation>1 duo match against each other</translation>
    </message>
    <message>
        <source>%1 duo-wedstrijden tegen elkaar</source>
        <translation>%1 duo matches against each other</translation>
    </message>
</context>
<context>
    <name>vx::HistoryWindow</name>
    <message>
        <source>Historie</source>
        <translation>History</translation>
    </message>
    <message>
        <source>&amp;Speler:</source>
        <translation>&amp;Player:</translation>
    </message>
    <message>
        <source>&amp;Periode:</source>
        <translation>&amp;Period:</translation>
    </message>
    <message>
        <source>Deze avond</source>
        <translation>This evening</translation>
    </message>
    <message>
        <source>Van … tot en met</source>
        <translation>From … up to</translation>
    </message>
    <message>
        <source>Alles</source>
        <translation>Everything</translation>
    </message>
    <message>
        <source>Van</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Tot en met</source>
        <translation>Up to</translation>
    </message>
    <message>
        <source>Checkout-percentage</source>
        <translation>Checkout percentage</translation>
    </message>
    <message>
        <source>Waar de darts landen</source>
        <translation>Where the darts land</translation>
    </message>
    <message>
        <source>Voortgang</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Onderling</source>
        <translation>Head to head</translation>
    </message>
    <message>
        <source>Competitie</source>
        <translation>League</translation>
    </message>
    <message>
        <source>&amp;Tegen:</source>
        <translation>&amp;Against:</translation>
    </message>
    <message>
        <source>T&amp;eam:</source>
        <translation>T&amp;eam:</translation>
    </message>
    <message>
        <source>Avonden in de stand</source>
        <translation>Evenings in the table</translation>
    </message>
    <message>
        <source>Afdrukken…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Exporteren naar CSV…</source>
        <translation>Export to CSV…</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Vorlentix Historie</source>
        <translation>Vorlentix History</translation>
    </message>
    <message>
        <source>Cijfers: %1</source>
        <translation>Figures: %1</translation>
    </message>
</context>
<context>
    <name>vx::MainMenus</name>
    <message>
        <source>Bestand</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Naar Keuzemenu</source>
        <translation>Back to the Start Menu</translation>
    </message>
    <message>
        <source>Exporteren naar CSV…</source>
        <translation>Export to CSV…</translation>
    </message>
    <message>
        <source>Bewerken</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Correctie Laatste 3 Darts</source>
        <translation>Correct the Last 3 Darts</translation>
    </message>
    <message>
        <source>Spelers</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>Nieuwe Speler</source>
        <translation>New Player</translation>
    </message>
    <message>
        <source>Open Spelers</source>
        <translation>Open Players</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Instellingen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Scorebord voor publiek</source>
        <translation>Scoreboard for the Audience</translation>
    </message>
    <message>
        <source>Caller</source>
        <translation>Caller</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Meer Software</source>
        <translation>More Software</translation>
    </message>
    <message>
        <source>Dart Checkout Lijst</source>
        <translation>Darts Checkout Chart</translation>
    </message>
    <message>
        <source>Spelregels</source>
        <translation>Rules of the Game</translation>
    </message>
    <message>
        <source>Bestandsnaam</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Geselecteerde Item</source>
        <translation>Selected Item</translation>
    </message>
    <message>
        <source>Alle Items</source>
        <translation>All Items</translation>
    </message>
    <message>
        <source>Historie…</source>
        <translation>History…</translation>
    </message>
    <message>
        <source>Historie importeren…</source>
        <translation>Import History…</translation>
    </message>
</context>
<context>
    <name>vx::MainWindow</name>
    <message>
        <source>De instellingen konden niet worden opgeslagen in %1: %2.</source>
        <translation>The settings could not be saved in %1: %2.</translation>
    </message>
    <message>
        <source>Scorelijst is gewijzigd, wilt u deze opslaan?</source>
        <translation>The score list has changed. Do you want to save it?</translation>
    </message>
    <message>
        <source> Change</source>
        <translation> Change</translation>
    </message>
    <message>
        <source>De scorelijst is niet opgeslagen. Toch doorgaan zonder op te slaan?</source>
        <translation>The score list was not saved. Go on without saving?</translation>
    </message>
    <message>
        <source>Score is te hoog, klik op button &apos;Correctie&apos;</source>
        <translation>Bust: the score is too high, click the &apos;Correction&apos; button</translation>
    </message>
    <message>
        <source>Einde ronde, klik op &apos;Volgende Ronde&apos;...</source>
        <translation>End of the leg, click &apos;Next Leg&apos;...</translation>
    </message>
    <message>
        <source>End Match</source>
        <translation>End Match</translation>
    </message>
    <message>
        <source>Het bestand %1 kon niet worden gelezen en wordt daarom niet overschreven.</source>
        <translation>The file %1 could not be read and is therefore not overwritten.</translation>
    </message>
    <message>
        <source>De vorige wedstrijd is niet afgesloten (%1). Wilt u verder spelen?</source>
        <translation>The previous match was not closed (%1). Do you want to play on?</translation>
    </message>
    <message>
        <source>Een nieuw team maken met hun spelers, (alleen bij een Team Match).</source>
        <translation>Make a new team with its players (Team Match only).</translation>
    </message>
    <message>
        <source>Openen van een team en spelers (Duo Match en Team Match).</source>
        <translation>Open a team and players (Duo Match and Team Match).</translation>
    </message>
    <message>
        <source>Scorelijst spelers opslaan.</source>
        <translation>Save the players&apos; score list.</translation>
    </message>
    <message>
        <source>Afdrukken van de scorelijst, dart checkout lijst, helptekst en afmetingen naar het dartbord.</source>
        <translation>Print the score list, the darts checkout chart, the help text and the dartboard dimensions.</translation>
    </message>
    <message>
        <source>Scorelijst bewerken van één speler</source>
        <translation>Edit one player&apos;s score list</translation>
    </message>
    <message>
        <source>De scorelijst bekijken van één geselecteerde speler of alle spelers in de lijst.</source>
        <translation>View the score list of one selected player or of all players in the list.</translation>
    </message>
    <message>
        <source>Configuratie en instellingen van verschillende onderdelen.</source>
        <translation>Configuration and settings of the program.</translation>
    </message>
    <message>
        <source>Informatie over dit programma en de ontwerper.</source>
        <translation>About this program and its designer.</translation>
    </message>
    <message>
        <source>Beknopte uitleg over dit programma.</source>
        <translation>A short guide to this program.</translation>
    </message>
    <message>
        <source>Scorelijst Spelers laden a.u.b.</source>
        <translation>Please load the players&apos; score list.</translation>
    </message>
    <message>
        <source>Einde Leg, klik op &apos;Volgende Speler&apos;...</source>
        <translation>End of the leg, click &apos;Next Player&apos;...</translation>
    </message>
    <message>
        <source>Einde Duo Match, %1  heeft gewonnen.</source>
        <translation>End of the Duo Match, %1  has won.</translation>
    </message>
    <message>
        <source>Wil je een nieuwe Match starten?</source>
        <translation>Do you want to start a new match?</translation>
    </message>
    <message>
        <source>De speler is niet gewisseld.</source>
        <translation>The player was not changed.</translation>
    </message>
    <message>
        <source>Deze leg had meer dan 25 beurten; beurt 26 en verder staan niet in de scorelijst.</source>
        <translation>This leg had more than 25 turns; turn 26 and later are not in the score list.</translation>
    </message>
    <message>
        <source>De wedstrijd die nu gespeeld wordt, kan niet worden bewaard voor het geval het programma onverwacht stopt.
%1
U kunt gewoon verder spelen.</source>
        <translation>The match in play cannot be kept in case the program stops unexpectedly.
%1
You can play on as usual.</translation>
    </message>
    <message>
        <source>Het herstelbestand is bewaard als &quot;%1&quot;.</source>
        <translation>The recovery file was kept as &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>De scorelijst wordt geladen...</source>
        <translation>Loading the score list...</translation>
    </message>
    <message>
        <source>Het laden van %1 is afgebroken; de scorelijst is niet veranderd.</source>
        <translation>Loading %1 was cancelled; the score list has not changed.</translation>
    </message>
    <message>
        <source>De scorelijst wordt opgeslagen...</source>
        <translation>Saving the score list...</translation>
    </message>
</context>
<context>
    <name>vx::MatchSetup</name>
    <message>
        <source>Naam Speler %1</source>
        <translation>Player %1 Name</translation>
    </message>
    <message>
        <source>Het aantal spelers moet een getal van 1 tot en met %1 zijn.</source>
        <translation>The number of players must be a number from 1 to %1.</translation>
    </message>
    <message>
        <source>De startscore moet een getal van 1 tot en met %1 zijn.</source>
        <translation>The start score must be a number from 1 to %1.</translation>
    </message>
    <message>
        <source>&quot;First to&quot; moet een getal van 1 tot en met %1 zijn.</source>
        <translation>&quot;First to&quot; must be a number from 1 to %1.</translation>
    </message>
    <message>
        <source>%1 invullen a.u.b.</source>
        <translation>Please fill in %1.</translation>
    </message>
    <message>
        <source>%1 is gelijk aan %2. Elke speler heeft een eigen naam nodig, anders schrijven twee spelers in hetzelfde scorebestand.</source>
        <translation>%1 is the same as %2. Every player needs a name of their own, or two players would write to the same score file.</translation>
    </message>
    <message>
        <source>Naam Speler 1 of/en Speler 2 invullen a.u.b.</source>
        <translation>Please fill in the name of Player 1 and/or Player 2.</translation>
    </message>
    <message>
        <source>%1 bevat een teken dat niet in de scorelijst kan worden bewaard.</source>
        <translation>%1 holds a character the score list cannot keep.</translation>
    </message>
    <message>
        <source>%1 is gelijk aan %2. Elke speler heeft een eigen naam nodig, anders zijn de twee spelers in de statistieken en het overzicht niet uit elkaar te houden.</source>
        <translation>%1 is the same as %2. Every player needs a name of their own, or the two players cannot be told apart in the statistics and the overview.</translation>
    </message>
</context>
<context>
    <name>vx::MenuStrip</name>
    <message>
        <source>Januari</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Februari</source>
        <translation>February</translation>
    </message>
    <message>
        <source>Maart</source>
        <translation>March</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Mei</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Juni</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Juli</source>
        <translation>July</translation>
    </message>
    <message>
        <source>Augustus</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation>October</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>December</translation>
    </message>
</context>
<context>
    <name>vx::PlayerOverview</name>
    <message>
        <source>Speler</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Legs</source>
        <translation>Legs</translation>
    </message>
    <message>
        <source>Gewonnen</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>Gem.</source>
        <translation>Avg.</translation>
    </message>
    <message>
        <source>Eerste 9</source>
        <translation>First 9</translation>
    </message>
    <message>
        <source>Hoogste</source>
        <translation>Highest</translation>
    </message>
    <message>
        <source>Beste leg</source>
        <translation>Best leg</translation>
    </message>
    <message>
        <source>Hoogste uitgooi</source>
        <translation>Highest checkout</translation>
    </message>
    <message>
        <source>Speleroverzicht</source>
        <translation>Player Overview</translation>
    </message>
</context>
<context>
    <name>vx::PrintDialog</name>
    <message>
        <source>Print Scorelijst</source>
        <translation>Print Score List</translation>
    </message>
    <message>
        <source>Print Dart Checkout Lijst</source>
        <translation>Print Darts Checkout Chart</translation>
    </message>
    <message>
        <source>Print Helptekst</source>
        <translation>Print Help Text</translation>
    </message>
    <message>
        <source>Print Afmetingen Dartbord</source>
        <translation>Print Dartboard Dimensions</translation>
    </message>
    <message>
        <source>Vorlentix Scorelijst</source>
        <translation>Vorlentix Score List</translation>
    </message>
    <message>
        <source>Vorlentix Dart Checkout Lijst</source>
        <translation>Vorlentix Darts Checkout Chart</translation>
    </message>
    <message>
        <source>Vorlentix Helptekst</source>
        <translation>Vorlentix Help Text</translation>
    </message>
    <message>
        <source>Vorlentix Afmetingen Dartbord</source>
        <translation>Vorlentix Dartboard Dimensions</translation>
    </message>
    <message>
        <source>Printer Keuze</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Pagina nummers afdrukken</source>
        <translation>Print page numbers</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Afdrukken (%1)</source>
        <translation>Print (%1)</translation>
    </message>
</context>
<context>
    <name>vx::Printing</name>
    <message>
        <source>Afdrukken naar PDF-bestand</source>
        <translation>Print to PDF file</translation>
    </message>
    <message>
        <source>PDF-bestanden (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>PDF-bestand...</source>
        <translation>PDF file...</translation>
    </message>
    <message>
        <source>PDF-bestand</source>
        <translation>PDF file</translation>
    </message>
    <message>
        <source>Er is geen printer gekozen. Kies een printer of &quot;%1&quot; in het venster Afdrukken.</source>
        <translation>No printer has been chosen. Choose a printer or &quot;%1&quot; in the Print window.</translation>
    </message>
    <message>
        <source>De printer &quot;%1&quot; is niet beschikbaar. Kies een andere printer of &quot;%2&quot; in het venster Afdrukken.</source>
        <translation>The printer &quot;%1&quot; is not available. Choose another printer or &quot;%2&quot; in the Print window.</translation>
    </message>
    <message>
        <source>Het PDF-bestand &quot;%1&quot; is niet geschreven: %2.</source>
        <translation>The PDF file &quot;%1&quot; was not written: %2.</translation>
    </message>
</context>
<context>
    <name>vx::RecoveryFile</name>
    <message>
        <source>&quot;%1&quot; ontbreekt of is geen geheel getal</source>
        <translation>&quot;%1&quot; is missing or not a whole number</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, buiten %3 tot en met %4</source>
        <translation>&quot;%1&quot; is %2, outside %3 to %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ontbreekt of is geen lijst</source>
        <translation>&quot;%1&quot; is missing or not a list</translation>
    </message>
    <message>
        <source>&quot;%1&quot; heeft %2 elementen in plaats van %3</source>
        <translation>&quot;%1&quot; has %2 elements instead of %3</translation>
    </message>
    <message>
        <source>&quot;%1[%2]&quot; is geen tekst</source>
        <translation>&quot;%1[%2]&quot; is not a text</translation>
    </message>
    <message>
        <source>de beurten in &quot;%1&quot; zijn samen meer dan de startscore</source>
        <translation>the turns in &quot;%1&quot; add up to more than the starting score</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ontbreekt of is geen tekst</source>
        <translation>&quot;%1&quot; is missing or not a text</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ontbreekt of is geen ja/nee-waarde</source>
        <translation>&quot;%1&quot; is missing or not a yes/no value</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ontbreekt of is geen object</source>
        <translation>&quot;%1&quot; is missing or not an object</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is &quot;%2&quot; en niet &quot;sets&quot; of &quot;legs&quot;</source>
        <translation>&quot;%1&quot; is &quot;%2&quot; and not &quot;sets&quot; or &quot;legs&quot;</translation>
    </message>
    <message>
        <source>beide spelers hebben de leg gewonnen</source>
        <translation>both players have won the leg</translation>
    </message>
    <message>
        <source>beide spelers hebben de wedstrijd gewonnen</source>
        <translation>both players have won the match</translation>
    </message>
    <message>
        <source>de winnaar van de wedstrijd heeft de laatste leg niet gewonnen</source>
        <translation>the winner of the match did not win the last leg</translation>
    </message>
    <message>
        <source>&quot;%1&quot; heeft %2 spelers en niet 1 tot en met %3</source>
        <translation>&quot;%1&quot; has %2 players and not 1 to %3</translation>
    </message>
    <message>
        <source>het is geen geldige JSON (fout bij teken %1)</source>
        <translation>it is not valid JSON (error at character %1)</translation>
    </message>
    <message>
        <source>het bevat geen JSON-object</source>
        <translation>it holds no JSON object</translation>
    </message>
    <message>
        <source>het is geen herstelbestand van Vorlentix</source>
        <translation>it is not a Vorlentix recovery file</translation>
    </message>
    <message>
        <source>&quot;savedAt&quot; is &quot;%1&quot; en geen datum en tijd</source>
        <translation>&quot;savedAt&quot; is &quot;%1&quot; and not a date and time</translation>
    </message>
    <message>
        <source>&quot;savedAt&quot; is &quot;%1&quot; en valt hier buiten de jaren 1 tot en met 9999</source>
        <translation>&quot;savedAt&quot; is &quot;%1&quot; and falls outside the years 1 to 9999 here</translation>
    </message>
    <message>
        <source>&quot;match&quot; is &quot;%1&quot; en niet &quot;duo&quot; of &quot;team&quot;</source>
        <translation>&quot;match&quot; is &quot;%1&quot; and not &quot;duo&quot; or &quot;team&quot;</translation>
    </message>
    <message>
        <source>De wedstrijd is niet bewaard in &quot;%1&quot;: %2.</source>
        <translation>The match was not kept in &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Het herstelbestand &quot;%1&quot; is niet te gebruiken: %2.</source>
        <translation>The recovery file &quot;%1&quot; cannot be used: %2.</translation>
    </message>
    <message>
        <source>Het herstelbestand &quot;%1&quot; kan niet opzij worden gezet: %2.</source>
        <translation>The recovery file &quot;%1&quot; cannot be set aside: %2.</translation>
    </message>
    <message>
        <source>&quot;%1[%2]&quot; is geen ja/nee-waarde</source>
        <translation>&quot;%1[%2]&quot; is not a yes/no value</translation>
    </message>
    <message>
        <source>het heeft versie %1 en dit programma leest alleen versie 1 tot en met %2</source>
        <translation>it has version %1 and this program reads only versions 1 to %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is leeg</source>
        <translation>&quot;%1&quot; is empty</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is geen SHA-256 in hexadecimalen</source>
        <translation>&quot;%1&quot; is not a SHA-256 in hexadecimal digits</translation>
    </message>
    <message>
        <source>&quot;%1&quot; neemt rijen uit een scorelijst, maar er is geen &quot;base&quot;</source>
        <translation>&quot;%1&quot; takes rows from a score list, but there is no &quot;base&quot;</translation>
    </message>
    <message>
        <source>het is geen scorelijst</source>
        <translation>it is not a score list</translation>
    </message>
    <message>
        <source>De scorelijst &quot;%1&quot; is veranderd sinds de wedstrijd werd onderbroken.</source>
        <translation>The score list &quot;%1&quot; has changed since the match was interrupted.</translation>
    </message>
    <message>
        <source>De scorelijst &quot;%1&quot; is niet te lezen: %2.</source>
        <translation>The score list &quot;%1&quot; cannot be read: %2.</translation>
    </message>
    <message>
        <source>De rijen die nog niet waren opgeslagen, nieuwe en gewijzigde, staan nu achter de rijen die het bestand nu heeft; rijen die uit de lijst waren verwijderd, staan er weer in. Kijk de scorelijst na voordat u opslaat.</source>
        <translation>The rows that had not been saved yet, new and edited ones, now follow the rows the file holds now; rows that had been removed from the list are back in it. Check the score list before you save.</translation>
    </message>
</context>
<context>
    <name>vx::Reports</name>
    <message>
        <source>Het afdrukken is mislukt: de printer of het bestand kon niet worden geschreven.</source>
        <translation>Printing failed: the printer or the file could not be written.</translation>
    </message>
    <message>
        <source>Speler</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Out</translation>
    </message>
    <message>
        <source>Gem.</source>
        <translation>Avg.</translation>
    </message>
    <message>
        <source>Duo Match</source>
        <translation>Duo Match</translation>
    </message>
    <message>
        <source>Team Match</source>
        <translation>Team Match</translation>
    </message>
    <message>
        <source>Dart Checkout Lijst</source>
        <translation>Darts Checkout Chart</translation>
    </message>
    <message>
        <source>Beknopte uitleg Vorlentix</source>
        <translation>Vorlentix in Brief</translation>
    </message>
    <message>
        <source>Meer informatie en nieuwe versies van Vorlentix: %1</source>
        <translation>More information and new versions of Vorlentix: %1</translation>
    </message>
    <message>
        <source>De afbeelding &quot;%1&quot; ontbreekt of kan niet worden gelezen. De afmetingen van het dartbord worden niet afgedrukt.</source>
        <translation>The picture &quot;%1&quot; is missing or cannot be read. The dartboard dimensions are not printed.</translation>
    </message>
    <message>
        <source>Dart Afmetingen</source>
        <translation>Dartboard Dimensions</translation>
    </message>
</context>
<context>
    <name>vx::RowEditorDialog</name>
    <message>
        <source>Scorelijst Bewerken van...</source>
        <translation>Edit Score List...</translation>
    </message>
    <message>
        <source>Naam Speler</source>
        <translation>Player Name</translation>
    </message>
    <message>
        <source>Item %1</source>
        <translation>Item %1</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Out</translation>
    </message>
    <message>
        <source>Gem.</source>
        <translation>Avg.</translation>
    </message>
    <message>
        <source> Item Wijzigen </source>
        <translation> Change Item </translation>
    </message>
    <message>
        <source> Item Verwijderen </source>
        <translation> Delete Item </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Vul de tekst bij &quot;%1&quot; in: een regel zonder naam gaat verloren bij het opslaan van de scorelijst.</source>
        <translation>Fill in &quot;%1&quot;: a row without a name is lost when the score list is saved.</translation>
    </message>
    <message>
        <source>De tekst bij &quot;%1&quot; (&quot;%2&quot;) bevat een regeleinde of tekens die niet in een scorelijst kunnen worden opgeslagen. Pas de tekst aan en probeer het opnieuw.</source>
        <translation>The text at &quot;%1&quot; (&quot;%2&quot;) holds a line break or characters a score list cannot store. Change the text and try again.</translation>
    </message>
    <message>
        <source>Wilt u deze wijzigingen doorvoeren in de scorelijst?</source>
        <translation>Do you want to apply these changes to the score list?</translation>
    </message>
    <message>
        <source> Change</source>
        <translation> Change</translation>
    </message>
    <message>
        <source>Wilt u &apos;%1&apos; verwijderen uit de scorelijst?</source>
        <translation>Do you want to delete &apos;%1&apos; from the score list?</translation>
    </message>
    <message>
        <source> Delete</source>
        <translation> Delete</translation>
    </message>
</context>
<context>
    <name>vx::SaveDialog</name>
    <message>
        <source>Er is al een scorelijst met de naam &apos;%1&apos;. Wilt u deze overschrijven?</source>
        <translation>A score list named &apos;%1&apos; already exists. Do you want to overwrite it?</translation>
    </message>
    <message>
        <source> Overschrijven</source>
        <translation> Overwrite</translation>
    </message>
    <message>
        <source>Data Opslaan</source>
        <translation>Save Data</translation>
    </message>
    <message>
        <source>Opslaan</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Opslaan is niet gelukt.
%1</source>
        <translation>Saving failed.
%1</translation>
    </message>
    <message>
        <source>Bestandsnaam</source>
        <translation>File name</translation>
    </message>
</context>
<context>
    <name>vx::ScoreListExport</name>
    <message>
        <source>Exporteren naar CSV</source>
        <translation>Export to CSV</translation>
    </message>
    <message>
        <source>CSV-bestanden (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Scorelijst</source>
        <translation>Score list</translation>
    </message>
</context>
<context>
    <name>vx::ScoreListFiles</name>
    <message>
        <source>De map &quot;%1&quot; kan niet worden aangemaakt (%2).</source>
        <translation>The folder &quot;%1&quot; cannot be created (%2).</translation>
    </message>
    <message>
        <source>De scorelijst is niet opgeslagen: de tekst bij &quot;%1&quot; van Item %2 (&quot;%3&quot;) bevat een regeleinde of tekens die niet in het bestand passen. Verbeter deze met &quot;Item Wijzigen&quot; en sla de scorelijst opnieuw op.</source>
        <translation>The score list was not saved: the text under &quot;%1&quot; of Item %2 (&quot;%3&quot;) holds a line break or characters the file cannot hold. Correct it with &quot;Change Item&quot; and save the score list again.</translation>
    </message>
    <message>
        <source>De scorelijst is niet opgeslagen in &quot;%1&quot;: %2.</source>
        <translation>The score list was not saved in &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>De naam mag niet leeg zijn.</source>
        <translation>The name must not be empty.</translation>
    </message>
    <message>
        <source>De naam mag niet &quot;.&quot; of &quot;..&quot; zijn.</source>
        <translation>The name must not be &quot;.&quot; or &quot;..&quot;.</translation>
    </message>
    <message>
        <source>De naam mag geen / of \ bevatten.</source>
        <translation>The name must not contain / or \.</translation>
    </message>
    <message>
        <source>De naam mag geen stuurtekens bevatten.</source>
        <translation>The name must not contain control characters.</translation>
    </message>
    <message>
        <source>De naam mag geen van deze tekens bevatten: &lt; &gt; : &quot; | ? *</source>
        <translation>The name must not contain any of these characters: &lt; &gt; : &quot; | ? *</translation>
    </message>
    <message>
        <source>Het teken &quot;%1&quot; kan niet in een bestand worden bewaard.</source>
        <translation>The character &quot;%1&quot; cannot be kept in a file.</translation>
    </message>
    <message>
        <source>De naam mag niet op een punt of een spatie eindigen.</source>
        <translation>The name must not end in a full stop or a space.</translation>
    </message>
    <message>
        <source>De naam &quot;%1&quot; is gereserveerd voor het systeem.</source>
        <translation>The name &quot;%1&quot; is reserved for the system.</translation>
    </message>
    <message>
        <source>De naam is te lang.</source>
        <translation>The name is too long.</translation>
    </message>
    <message>
        <source>Het bestand &quot;%1&quot; kan niet worden gelezen (%2).</source>
        <translation>The file &quot;%1&quot; cannot be read (%2).</translation>
    </message>
    <message>
        <source>Het bestand &quot;%1&quot; is geen scorelijst.</source>
        <translation>The file &quot;%1&quot; is not a score list.</translation>
    </message>
    <message>
        <source>Speler &quot;%1&quot;: %2</source>
        <translation>Player &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Het bestand van speler &quot;%1&quot; kan niet worden gelezen (%2).</source>
        <translation>The file of player &quot;%1&quot; cannot be read (%2).</translation>
    </message>
    <message>
        <source>Het bestand van speler &quot;%1&quot; is niet aangemaakt: %2.</source>
        <translation>The file of player &quot;%1&quot; was not created: %2.</translation>
    </message>
    <message>
        <source>Het bestand &quot;%1&quot; is geen scorelijst: de scheidingsregels van 28 streepjes staan niet op hun plaats (regel %2).</source>
        <translation>The file &quot;%1&quot; is not a score list: the separator lines of 28 hyphens are not in their place (line %2).</translation>
    </message>
    <message>
        <source>Speler &quot;%1&quot;: %2 Het bestand blijft zoals het is.</source>
        <translation>Player &quot;%1&quot;: %2 The file is left as it is.</translation>
    </message>
    <message>
        <source>De scorelijst is niet opgeslagen. %1 Het bestand wordt niet overschreven.</source>
        <translation>The score list was not saved. %1 The file is not written over.</translation>
    </message>
    <message>
        <source>De scorelijst is niet opgeslagen: het opslaan is afgebroken.</source>
        <translation>The score list was not saved: saving was cancelled.</translation>
    </message>
</context>
<context>
    <name>vx::ScoreListModel</name>
    <message>
        <source>Naam Speler</source>
        <translation>Player Name</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Out</translation>
    </message>
    <message>
        <source>Gemiddelde</source>
        <translation>Average</translation>
    </message>
    <message numerus="yes">
        <source>%n Items</source>
        <translation>
            <numerusform>%n Item</numerusform>
            <numerusform>%n Items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vx::ScoreListPanel</name>
    <message>
        <source> Scorelijst Spelers </source>
        <translation> Players&apos; score list </translation>
    </message>
    <message>
        <source>Scorelijst Spelers</source>
        <translation>Players&apos; score list</translation>
    </message>
</context>
<context>
    <name>vx::ScoreboardWindow</name>
    <message numerus="yes">
        <source>First to %n Sets</source>
        <translation>
            <numerusform>First to %n Set</numerusform>
            <numerusform>First to %n Sets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>First to %n Legs</source>
        <translation>
            <numerusform>First to %n Leg</numerusform>
            <numerusform>First to %n Legs</numerusform>
        </translation>
    </message>
    <message>
        <source>Vorlentix Scorebord</source>
        <translation>Vorlentix Scoreboard</translation>
    </message>
    <message>
        <source>Legs %1</source>
        <translation>Legs %1</translation>
    </message>
    <message>
        <source>Sets %1    %2</source>
        <translation>Sets %1    %2</translation>
    </message>
    <message>
        <source>Laatste beurt %1</source>
        <translation>Last turn %1</translation>
    </message>
    <message>
        <source>Gemiddelde %1</source>
        <translation>Average %1</translation>
    </message>
    <message>
        <source>Beurten</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>Checkout %1</source>
        <translation>Checkout %1</translation>
    </message>
    <message>
        <source>Leg: %1</source>
        <translation>Leg: %1</translation>
    </message>
    <message>
        <source>Set: %1</source>
        <translation>Set: %1</translation>
    </message>
    <message>
        <source>Wedstrijd: %1</source>
        <translation>Match: %1</translation>
    </message>
    <message>
        <source>GEEN SCORE</source>
        <translation>BUST</translation>
    </message>
</context>
<context>
    <name>vx::Settings</name>
    <message>
        <source>de tekst onderaan de afdrukpagina&apos;s kan niet worden bewaard</source>
        <translation>the footer text of the printed pages cannot be kept</translation>
    </message>
    <message>
        <source>De keuze is niet bewaard in &quot;%1&quot;: %2.</source>
        <translation>The choice was not kept in &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>het bestand kan niet worden gelezen (%1)</source>
        <translation>the file cannot be read (%1)</translation>
    </message>
</context>
<context>
    <name>vx::SettingsDialog</name>
    <message>
        <source>Instellingen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Tekst onderaan alle afdrukpagina&apos;s</source>
        <translation>Footer text of all printed pages</translation>
    </message>
    <message>
        <source>Button Tekst (1..20)</source>
        <translation>Button Text (1..20)</translation>
    </message>
    <message>
        <source>Button Tekst (2..40 / 3..60)</source>
        <translation>Button Text (2..40 / 3..60)</translation>
    </message>
    <message>
        <source>Caller</source>
        <translation>Caller</translation>
    </message>
    <message>
        <source>Taal</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Reset alle gemaakte Wijzigingen</source>
        <translation>Reset all changes made</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> Wijzigingen Opslaan </source>
        <translation> Save Changes </translation>
    </message>
    <message>
        <source>Deze tekst kan niet worden bewaard. Gebruik geen dubbele aanhalingstekens (&quot;) en alleen letters en tekens van het West-Europese alfabet.</source>
        <translation>This text cannot be kept. Use no double quotes (&quot;) and only letters and characters of the Western European alphabet.</translation>
    </message>
    <message>
        <source>Weergave</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Weergave vanaf de volgende start</source>
        <translation>Display from the next start on</translation>
    </message>
    <message>
        <source>Historie</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Deze computer</source>
        <translation>This computer</translation>
    </message>
    <message>
        <source>Clubserver</source>
        <translation>Club server</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Poort</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Gebruiker</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Bord</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>De naam van dit bord op de clubserver, zoals &quot;Bord 1&quot;; het wachtwoord staat niet hier maar in ~/.pgpass van de gebruiker</source>
        <translation>The name of this board on the club server, such as &quot;Board 1&quot;; the password is not kept here but in the user&apos;s ~/.pgpass</translation>
    </message>
    <message>
        <source>Geef dit bord een naam, zoals &quot;Bord 1&quot;: de clubserver kent elke wedstrijd aan zijn bord.</source>
        <translation>Give this board a name, such as &quot;Board 1&quot;: the club server knows every match by its board.</translation>
    </message>
</context>
<context>
    <name>vx::StartDialog</name>
    <message>
        <source>Maak een keuze uit onderstaande
twee Dart Matches.</source>
        <translation>Choose one of the two
darts matches below.</translation>
    </message>
    <message>
        <source>Duo Match</source>
        <translation>Duo Match</translation>
    </message>
    <message>
        <source>Team Match</source>
        <translation>Team Match</translation>
    </message>
    <message>
        <source> Match tussen 2 spelers </source>
        <translation> Match between 2 players </translation>
    </message>
    <message>
        <source> Match met een team van maximaal 10 spelers </source>
        <translation> Match with a team of up to 10 players </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source> Programma Starten </source>
        <translation> Start the program </translation>
    </message>
    <message>
        <source>Dart scorebord</source>
        <translation>Darts scoreboard</translation>
    </message>
</context>
<context>
    <name>vx::StartUp</name>
    <message>
        <source>Toont deze hulp.</source>
        <translation>Displays this help.</translation>
    </message>
    <message>
        <source>Toont de versie en de licentie.</source>
        <translation>Displays the version and the licence.</translation>
    </message>
    <message>
        <source>Spreek in deze run Engels (en) of Nederlands (nl); anders de taal die in de instellingen gekozen is.</source>
        <translation>Speak English (en) or Dutch (nl) in this run; the default is the choice made in the settings.</translation>
    </message>
    <message>
        <source>Bewaar Teams/ en Vorlentix.ini in MAP, met alle andere bestanden van de gebruiker, in plaats van in de mappen hieronder.</source>
        <translation>Keep Teams/ and Vorlentix.ini in DIR, with every other file of the user, instead of in the folders below.</translation>
    </message>
    <message>
        <source>MAP</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>Toon de vensters in deze run op 100, 125, 150 of 200 procent, of zo groot als het hoofdvenster op het scherm past (fit).</source>
        <translation>Draw the windows at 100, 125, 150 or 200 percent in this run, or as large as the main window fits the screen (fit).</translation>
    </message>
    <message>
        <source>Gebruik:</source>
        <translation>Usage:</translation>
    </message>
    <message>
        <source>Vorlentix houdt de scores bij van dartwedstrijden.</source>
        <translation>Vorlentix keeps the score of darts matches.</translation>
    </message>
    <message>
        <source>Opties:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Qt&apos;s eigen opties, zoals -platform, -style en -geometry, gaan door naar Qt.</source>
        <translation>Qt&apos;s own options, such as -platform, -style and -geometry, are passed on to Qt.</translation>
    </message>
    <message>
        <source>De bestanden van de gebruiker in deze run:</source>
        <translation>The user&apos;s files in this run:</translation>
    </message>
    <message>
        <source>  instellingen (Vorlentix.ini, Vorlentix-opties.ini): %1</source>
        <translation>  settings (Vorlentix.ini, Vorlentix-opties.ini): %1</translation>
    </message>
    <message>
        <source>  Teams/ en het herstelbestand: %1</source>
        <translation>  Teams/ and the recovery file: %1</translation>
    </message>
</context>
<context>
    <name>vx::Statistics</name>
    <message>
        <source>Speler (%1) zonder scores</source>
        <translation>Player (%1) without scores</translation>
    </message>
    <message>
        <source>Speler (%1) met een gemiddelde van %2 per 3 darts</source>
        <translation>Player (%1) with an average of %2 per 3 darts</translation>
    </message>
    <message>
        <source>Uitslag complete scorelijst</source>
        <translation>Complete score list</translation>
    </message>
    <message>
        <source>Totaal aantal uitslagen : %1</source>
        <translation>Number of turns: %1</translation>
    </message>
    <message>
        <source>Totaal van alle scores : %1 punten</source>
        <translation>Total of all scores: %1 points</translation>
    </message>
    <message>
        <source>Gemiddeld is dit : %1 per 3 darts</source>
        <translation>Average: %1 per 3 darts</translation>
    </message>
    <message>
        <source>Score : %1 / 180</source>
        <translation>Score: %1 / 180</translation>
    </message>
</context>
<context>
    <name>vx::StatisticsDialog</name>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Afdrukken Lijst / Grafiek</source>
        <translation>Print Numbers / Graph</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Getallen</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Grafiek</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Overzicht</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Vorlentix Speleroverzicht</source>
        <translation>Vorlentix Player Overview</translation>
    </message>
    <message>
        <source>Vorlentix Statistiek</source>
        <translation>Vorlentix Statistics</translation>
    </message>
    <message>
        <source>Overzicht van de spelers</source>
        <translation>Overview of the players</translation>
    </message>
</context>
<context>
    <name>vx::TeamPanel</name>
    <message>
        <source>Team :</source>
        <translation>Team :</translation>
    </message>
    <message>
        <source>Speler :</source>
        <translation>Player :</translation>
    </message>
    <message>
        <source>Team Match</source>
        <translation>Team Match</translation>
    </message>
    <message>
        <source> Klik op een spelersnaam </source>
        <translation> Click a player&apos;s name </translation>
    </message>
    <message>
        <source>Volgende Speler</source>
        <translation>Next Player</translation>
    </message>
    <message>
        <source>Beurten</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>Spelers</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>Resterende score</source>
        <translation>Remaining score</translation>
    </message>
</context>
<context>
    <name>vx::TeamSetupDialog</name>
    <message>
        <source>Naam Team</source>
        <translation>Team Name</translation>
    </message>
    <message>
        <source>Aantal Spelers  (Max.10)</source>
        <translation>Number of Players  (max. 10)</translation>
    </message>
    <message>
        <source>Naam Speler %1</source>
        <translation>Player %1 Name</translation>
    </message>
    <message>
        <source>Startscore</source>
        <translation>Start score</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Nieuw Team en Spelers</source>
        <translation>New Team and Players</translation>
    </message>
    <message>
        <source>Open Teams en Spelers</source>
        <translation>Open Team and Players</translation>
    </message>
    <message numerus="yes">
        <source>Team %1 heeft %n spelers. Alleen de eerste %2 kunnen meedoen.</source>
        <translation>
            <numerusform>Team %1 has %n player. Only the first %2 can play.</numerusform>
            <numerusform>Team %1 has %n players. Only the first %2 can play.</numerusform>
        </translation>
    </message>
    <message>
        <source>Naam Team invullen a.u.b.</source>
        <translation>Please fill in the team name.</translation>
    </message>
    <message>
        <source>Kies een team a.u.b. Is er nog geen team, maak dan eerst een nieuw team aan.</source>
        <translation>Please choose a team. If there is no team yet, create a new team first.</translation>
    </message>
    <message>
        <source>Naam Team: %1</source>
        <translation>Team name: %1</translation>
    </message>
</context>
<context>
    <name>vx::TextFile</name>
    <message>
        <source>het bestand kan niet worden aangemaakt (%1)</source>
        <translation>the file cannot be created (%1)</translation>
    </message>
    <message>
        <source>het bestand kan niet worden geschreven (%1)</source>
        <translation>the file cannot be written (%1)</translation>
    </message>
    <message>
        <source>het bestand kan niet worden opgeslagen (%1)</source>
        <translation>the file cannot be saved (%1)</translation>
    </message>
    <message>
        <source>de tekst bevat tekens die niet in het bestand passen</source>
        <translation>the text holds characters the file cannot hold</translation>
    </message>
</context>
<context>
    <name>vx::TextSpeech</name>
    <message>
        <source>De spraakengine werkt niet (is speech-dispatcher geïnstalleerd?).</source>
        <translation>The speech engine does not work (is speech-dispatcher installed?).</translation>
    </message>
    <message>
        <source>De spraakengine heeft geen stem (speech-dispatcher-espeak-ng).</source>
        <translation>The speech engine has no voice (speech-dispatcher-espeak-ng).</translation>
    </message>
    <message>
        <source>Er is geen spraakengine geïnstalleerd (qt6-speech-speechd-plugin).</source>
        <translation>No speech engine is installed (qt6-speech-speechd-plugin).</translation>
    </message>
</context>
</TS>
