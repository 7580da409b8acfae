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
        <translation>Name Player 1  (throws first)</translation>
    </message>
    <message>
        <source>Naam Speler 2</source>
        <translation>Name Player 2</translation>
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
        <translation> Save changes </translation>
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
        <source>D.%1</source>
        <translation>T.%1</translation>
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
        <translation>Row %1</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Out</translation>
    </message>
    <message>
        <source>D.%1</source>
        <translation>T.%1</translation>
    </message>
    <message>
        <source>Gem.</source>
        <translation>Avg.</translation>
    </message>
    <message>
        <source> Item Wijzigen </source>
        <translation> Change Row </translation>
    </message>
    <message>
        <source> Item Verwijderen </source>
        <translation> Delete Row </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Close</translation>
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
</context>
<context>
    <name>vx::SettingsDialog</name>
    <message>
        <source>Instellingen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tekst onderaan alle afdrukpagina&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button Tekst (1..20)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button Tekst (2..40 / 3..60)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset alle gemaakte Wijzigingen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation type="unfinished">Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <source> Wijzigingen Opslaan </source>
        <translation type="unfinished"> Save changes </translation>
    </message>
    <message>
        <source>Deze tekst kan niet worden bewaard. Gebruik geen dubbele aanhalingstekens (&quot;) en alleen letters en tekens van het West-Europese alfabet.</source>
        <translation type="unfinished"></translation>
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
        <translation>Name Player %1</translation>
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
</TS>
