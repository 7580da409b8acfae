// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/DataTexts.h"

namespace vxtools {

QStringList CheckoutLines() {
    // The finishes the players learn by heart: a treble that leaves a favourite double (D20,
    // D16, D8) with the single field of the same number as a fallback.
    // clang-format off
    static const char* const kFinishes[] = {
        "2,D1",            "3,1 D1",          "4,D2",            "5,1 D2",          "6,D3",
        "7,3 D2",          "8,D4",            "9,1 D4",          "10,D5",           "11,3 D4",
        "12,D6",           "13,5 D4",         "14,D7",           "15,7 D4",         "16,D8",
        "17,1 D8",         "18,D9",           "19,3 D8",         "20,D10",          "21,5 D8",
        "22,D11",          "23,7 D8",         "24,D12",          "25,9 D8",         "26,D13",
        "27,11 D8",        "28,D14",          "29,13 D8",        "30,D15",          "31,15 D8",
        "32,D16",          "33,1 D16",        "34,D17",          "35,3 D16",        "36,D18",
        "37,5 D16",        "38,D19",          "39,7 D16",        "40,D20",          "41,9 D16",
        "42,10 D16",       "43,11 D16",       "44,12 D16",       "45,13 D16",       "46,6 D20",
        "47,15 D16",       "48,16 D16",       "49,17 D16",       "50,18 D16",       "51,19 D16",
        "52,20 D16",       "53,13 D20",       "54,14 D20",       "55,15 D20",       "56,16 D20",
        "57,17 D20",       "58,18 D20",       "59,19 D20",       "60,20 D20",       "61,T15 D8",
        "62,T10 D16",      "63,T13 D12",      "64,T16 D8",       "65,T19 D4",       "66,T10 D18",
        "67,T17 D8",       "68,T20 D4",       "69,T19 D6",       "70,T18 D8",       "71,T13 D16",
        "72,T16 D12",      "73,T19 D8",       "74,T14 D16",      "75,T17 D12",      "76,T20 D8",
        "77,T19 D10",      "78,T18 D12",      "79,T19 D11",      "80,T20 D10",      "81,T19 D12",
        "82,T14 D20",      "83,T17 D16",      "84,T20 D12",      "85,T15 D20",      "86,T18 D16",
        "87,T17 D18",      "88,T20 D14",      "89,T19 D16",      "90,T20 D15",      "91,T17 D20",
        "92,T20 D16",      "93,T19 D18",      "94,T18 D20",      "95,T19 D19",      "96,T20 D18",
        "97,T19 D20",      "98,T20 D19",      "99,T19 10 D16",   "100,T20 D20",     "101,T17 10 D20",
        "102,T20 10 D16",  "103,T19 6 D20",   "104,T18 10 D20",  "105,T20 13 D16",  "106,T20 6 D20",
        "107,T19 10 D20",  "108,T20 16 D16",  "109,T20 17 D16",  "110,T20 18 D16",  "111,T20 19 D16",
        "112,T20 12 D20",  "113,T20 13 D20",  "114,T20 14 D20",  "115,T20 15 D20",  "116,T20 16 D20",
        "117,T20 17 D20",  "118,T20 18 D20",  "119,T19 T12 D13", "120,T20 20 D20",  "121,T20 T11 D14",
        "122,T18 T20 D4",  "123,T19 T16 D9",  "124,T20 T16 D8",  "125,25 T20 D20",  "126,T19 T19 D6",
        "127,T20 T17 D8",  "128,T18 T14 D16", "129,T19 T16 D12", "130,T20 T20 D5",  "131,T20 T13 D16",
        "132,T20 T16 D12", "133,T20 T19 D8",  "134,T20 T14 D16", "135,T20 T17 D12", "136,T20 T20 D8",
        "137,T20 T19 D10", "138,T20 T18 D12", "139,T19 T14 D20", "140,T20 T20 D10", "141,T20 T19 D12",
        "142,T20 T14 D20", "143,T20 T17 D16", "144,T20 T20 D12", "145,T20 T15 D20", "146,T20 T18 D16",
        "147,T20 T17 D18", "148,T20 T16 D20", "149,T20 T19 D16", "150,T20 T18 D18", "151,T20 T17 D20",
        "152,T20 T20 D16", "153,T20 T19 D18", "154,T20 T18 D20", "155,T20 T19 D19", "156,T20 T20 D18",
        "157,T20 T19 D20", "158,T20 T20 D19", "160,T20 T20 D20", "161,T20 T17 Bull", "164,T20 T18 Bull",
        "167,T20 T19 Bull", "170,T20 T20 Bull",
    };
    // clang-format on
    QStringList lines;
    for (const char* finish : kFinishes)
        lines << QString::fromLatin1(finish);
    return lines;
}

QStringList HelpLines() {
    // Line n stands at 540 + 240 (n - 1) twips on the help page. Lines 6-8, 13-15, 20-22, 25-27
    // and 31-33 lie behind the five illustrations and stay empty; line 35 is the last one above
    // the closing line of the page.
    static const char kText[] = R"(
Kies bij de start 'Duo Match' (2 spelers, First to legs of sets) of 'Team Match' (tot 10 spelers), klik Open.
Menuknoppen onderaan, van links naar rechts: 1 nieuw team, 2 team of duo openen, 3 opslaan, 4 afdrukken,
5 scorelijst bewerken, 6 statistiek, 7 instellingen, 8 info, 9 deze uitleg. De muis erboven geeft uitleg.
Team Match: maak met knop 1 een nieuw team met spelers of open met knop 2 een team; klik daarna op een speler.
Duo Match: knop 2 opent de instellingen: scorelijst (Nieuw), namen, First to sets/legs, darthoogte 301..1001.



Darts invoeren: klik per dart op het segment in de rij Single, Double of Triple, of op 25 (Bull),
50 (Bull's Eye) of 0 (misser). De darts staan in Dart 1, 2 en 3; de restscore en de checkout lopen mee.
Klik daarna op ADD (Team Match) of op Add onder de speler (Duo Match) om de beurt van 3 darts te boeken.
Foute dart of te hoog? 'Correctie' wist de darts van deze beurt; menu Bewerken neemt de vorige beurt terug.



Toetsenbord: typ eventueel S, D of T (single, double, triple) met het nummer en druk op Spatie: T20 Spatie.
25 is de Bull, 50 de Bull's Eye, 0 een misser. Numeriek blok: / is double, * is triple, + voert de dart in.
Enter voert een getypte dart in en boekt de beurt van de speler die gooit. Backspace wist het laatste
teken, of doet Correctie als er niets getypt is. Esc wist wat getypt is. Zo: D16 Spatie, 5 Spatie, T20 Enter.



Leg uit: bij een Team Match kiest u met 'Volgende Speler' wie gaat gooien (de scorelijst wordt bewaard);
bij een Duo Match start 'Volgende Ronde' de volgende leg. Aan het eind van de match wordt de winnaar gemeld.



Knop 3 slaat de scorelijst op; bij het sluiten wordt gevraagd of een gewijzigde lijst bewaard moet worden.
Knop 6: statistiek van de geselecteerde regel of van alle regels (hoe vaak elke score gegooid is, grafiek).
Knop 5 wijzigt of verwijdert regels. Knop 4 drukt de scorelijst, checkout lijst, uitleg of afmetingen af.



Knop 7: tekst onderaan elke afdruk en opschrift van de Double- en Triple-knoppen (1..20 of 2..40 / 3..60).
Menu Help: Dart Checkout Lijst en Spelregels. Menu Bestand, Naar Keuzemenu: terug naar het keuzemenu.
)";
    QStringList lines = QString::fromLatin1(kText).split(u'\n');
    // The raw text starts and ends with a line break of its own.
    lines.removeFirst();
    lines.removeLast();
    return lines;
}

QStringList EnglishHelpLines() {
    // The same lines as HelpLines(), one for one: the bands behind the illustrations stay empty.
    static const char kText[] = R"(
At the start choose 'Duo Match' (2 players, first to a number of legs or sets) or 'Team Match' (up to 10
players), click Open. Menu buttons at the bottom, from left to right: 1 new team, 2 open a team or duo,
3 save, 4 print, 5 edit the score list, 6 statistics, 7 settings, 8 about, 9 this guide. Hover for a hint.
Team Match: make a new team with players with button 1, or open a team with button 2; then click a player.
Duo Match: button 2 opens the set-up: score list (New), names, first to sets/legs, starting score 301..1001.



Entering darts: for each dart click the segment in the Single, Double or Triple row, or 25 (Bull),
50 (Bull's Eye) or 0 (miss). The darts show in Dart 1, 2 and 3; the score left and the checkout follow.
Then click ADD (Team Match) or Add under the player (Duo Match) to book the turn of 3 darts.
A wrong dart, or a bust? 'Correction' clears the darts of this turn; the Edit menu takes back the last turn.



Keyboard: type S, D or T (single, double, triple) if wanted, then the number, and press Space: T20 Space.
25 is the Bull, 50 the Bull's Eye, 0 a miss. Number pad: / is double, * is triple, + enters the dart.
Enter enters a typed dart and books the turn of the player at the throw. Backspace clears the last
character, or is Correction if nothing is typed. Esc clears what was typed. So: D16 Space, 5 Space, T20 Enter.



End of a leg: in a Team Match 'Next Player' chooses who throws next (the score list is kept);
in a Duo Match 'Next Leg' starts the next leg. At the end of the match the winner is announced.



Button 3 saves the score list; on closing you are asked whether a changed list should be kept.
Button 6: statistics of the selected row or of all rows (how often each score was thrown, graph).
Button 5 changes or removes rows. Button 4 prints the score list, checkout chart, this guide or dimensions.



Button 7: footer text of printouts and captions of the Double and Triple buttons (1..20 or 2..40 / 3..60).
Help menu: Dart Checkout Chart, Rules of the Game. File menu: Back to the Start Menu.
)";
    QStringList lines = QString::fromLatin1(kText).split(u'\n');
    lines.removeFirst();
    lines.removeLast();
    return lines;
}

} // namespace vxtools
