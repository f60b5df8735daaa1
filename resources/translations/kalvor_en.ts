<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name>Hoofdvenster</name>
    <message>
        <source>Roekeloos</source>
        <translation>Reckless</translation>
    </message>
    <message>
        <source>Aanvallend</source>
        <translation>Attacking</translation>
    </message>
    <message>
        <source>Normaal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Behoedzaam</source>
        <translation>Cautious</translation>
    </message>
    <message>
        <source>Angstig</source>
        <translation>Anxious</translation>
    </message>
    <message>
        <source>bouwt aan de eigen rijen en blokkeert zelden</source>
        <translation>builds its own rows and rarely blocks</translation>
    </message>
    <message>
        <source>valt aan en blokkeert pas als het moet</source>
        <translation>attacks and blocks only when it must</translation>
    </message>
    <message>
        <source>iets meer aanval dan verdediging</source>
        <translation>a little more attack than defence</translation>
    </message>
    <message>
        <source>blokkeert eerst en bouwt daarna</source>
        <translation>blocks first and builds afterwards</translation>
    </message>
    <message>
        <source>blokkeert bijna altijd</source>
        <translation>nearly always blocks</translation>
    </message>
    <message>
        <source>Kalvor %1 – 5 op een rijtje</source>
        <translation>Kalvor %1 – five in a row</translation>
    </message>
    <message>
        <source>Druk eerst op ‘Start partij’. Klik dan op een vrij kruispunt om een steen te zetten; de hand laat zien waar dat kan. Wie als eerste vijf stenen van de eigen kleur op een ononderbroken rij heeft, horizontaal, verticaal of diagonaal, wint; een blauwe ring wijst die vijf aan. Zwart en wit openen de partijen om beurten. Elke speler heeft een klok; wie meer dan 9 uur bedenktijd gebruikt, verliest op de klok.</source>
        <translation>First press ‘Start game’. Then click a free crossing to place a stone; the hand shows where you can. Whoever first has five stones of their own colour in an unbroken row, horizontal, vertical or diagonal, wins; a blue ring marks those five. Black and white open the games in turn. Each player has a clock; whoever uses more than 9 hours of thinking time loses on time.</translation>
    </message>
    <message>
        <source>Mens tegen Mens: twee spelers aan één bord.
Computer 1 tegen Mens: computer 1 speelt zwart, u speelt wit.
Computer 1 tegen Computer 2: de computers spelen tegen elkaar; vijf seconden na het einde van een partij begint de volgende.</source>
        <translation>Human vs Human: two players at one board.
Computer 1 vs Human: computer 1 plays black, you play white.
Computer 1 vs Computer 2: the computers play each other; five seconds after the end of a game the next one begins.</translation>
    </message>
    <message>
        <source>De computer rekent niet vooruit: hij speelt het lege punt waar de rijen van vijf punten samen het meest waard zijn. Een stijl weegt de eigen stenen tegen die van de tegenstander (computer 1 / computer 2):</source>
        <translation>The computer does not look ahead: it plays the empty point where the rows of five points together are worth the most. A style weighs its own stones against the opponent&apos;s (computer 1 / computer 2):</translation>
    </message>
    <message>
        <source>Toon zetnummers zet op elke steen het nummer van zijn zet; anders draagt alleen de laatste zet een rood vierkantje. Snelle computer laat de computer 50 ms in plaats van 800 ms nadenken; zonder Stap voor Stap spelen de computers dan stil tegen elkaar, en zo gaat ook het naspelen van een lopende partij.</source>
        <translation>Move numbers puts the number of its move on every stone; otherwise only the last move carries a small red square. Fast computer makes the computer think 50 ms instead of 800 ms; without Step by step the computers then play each other silently, and so does the replay of a running game.</translation>
    </message>
    <message>
        <source>Het bord speelt ook zonder muis: Tab brengt de toetsen naar het bord, de pijltjestoetsen verplaatsen de cursor en Return zet een steen waar hij staat.</source>
        <translation>The board plays without a mouse too: Tab takes the keys to the board, the arrow keys move the cursor and Return places a stone where it stands.</translation>
    </message>
    <message>
        <source>Toetsen: Backspace neemt een zet terug; tegen de computer uw zet en zijn antwoord, zodat u weer aan zet bent. Pause pauzeert, Return gaat verder. Esc breekt het naspelen af. Spatie speelt bij Stap voor Stap de volgende zet. Delete zet de scores op 0 - 0. F1 toont dit venster.</source>
        <translation>Keys: Backspace takes back a move; against the computer your move and its reply, so that it is your turn again. Pause pauses, Return goes on. Esc cuts a replay short. Space plays the next move in Step by step. Delete sets the scores to 0 - 0. F1 shows this window.</translation>
    </message>
    <message>
        <source>Kalvor %1, © de Kalvor-ontwikkelaars.
Vrije software onder de MIT-licentie.
Gebouwd met Qt %2.</source>
        <translation>Kalvor %1, © the Kalvor developers.
Free software under the MIT licence.
Built with Qt %2.</translation>
    </message>
    <message>
        <source>Over Kalvor</source>
        <translation>About Kalvor</translation>
    </message>
    <message>
        <source>Spelers</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>Mens tegen Mens</source>
        <translation>Human vs Human</translation>
    </message>
    <message>
        <source>Computer 1 tegen Mens</source>
        <translation>Computer 1 vs Human</translation>
    </message>
    <message>
        <source>Computer 1 tegen Computer 2</source>
        <translation>Computer 1 vs Computer 2</translation>
    </message>
    <message>
        <source>Computer 1</source>
        <translation>Computer 1</translation>
    </message>
    <message>
        <source>Computer 2</source>
        <translation>Computer 2</translation>
    </message>
    <message>
        <source>Uren, minuten, seconden, milliseconden. Maximale speeltijd per speler: 9 uur.</source>
        <translation>Hours, minutes, seconds, milliseconds. Maximum playing time per player: 9 hours.</translation>
    </message>
    <message>
        <source>Zwart</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Wit</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Mens</source>
        <translation>Human</translation>
    </message>
    <message>
        <source>Aantal partijen door Zwart gewonnen</source>
        <translation>Games won by Black</translation>
    </message>
    <message>
        <source>Aantal partijen door Wit gewonnen</source>
        <translation>Games won by White</translation>
    </message>
    <message>
        <source>Druk op &apos;Start partij&apos;</source>
        <translation>Press &apos;Start game&apos;</translation>
    </message>
    <message>
        <source>Geluid</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Toon zetnummers</source>
        <translation>Move numbers</translation>
    </message>
    <message>
        <source>Snelle computer</source>
        <translation>Fast computer</translation>
    </message>
    <message>
        <source>Stap voor Stap</source>
        <translation>Step by step</translation>
    </message>
    <message>
        <source>Druk op Z voor de volgende zet (alleen bij Computer tegen Computer en bij Naspelen)</source>
        <translation>Press Z for the next move (only in Computer vs Computer and in replays)</translation>
    </message>
    <message>
        <source>Kalvor  (5 op een rijtje)</source>
        <translation>Kalvor  (five in a row)</translation>
    </message>
    <message>
        <source>Start partij</source>
        <translation>Start game</translation>
    </message>
    <message>
        <source> Pauzeer met de &apos;PAUSE&apos;-toets  </source>
        <translation> Pause with the &apos;PAUSE&apos; key  </translation>
    </message>
    <message>
        <source>Neem zet terug</source>
        <translation>Take back move</translation>
    </message>
    <message>
        <source> = Backspace  </source>
        <translation> = Backspace  </translation>
    </message>
    <message>
        <source>Speel partij na</source>
        <translation>Replay game</translation>
    </message>
    <message>
        <source> Breek het het naspelen af met de Esc-toets </source>
        <translation> Cut the replay short with the Esc key </translation>
    </message>
    <message>
        <source>Zet scores op 0 - 0</source>
        <translation>Set scores to 0 - 0</translation>
    </message>
    <message>
        <source> = Delete  </source>
        <translation> = Delete  </translation>
    </message>
    <message>
        <source>Een programma van</source>
        <translation>About Kalvor</translation>
    </message>
    <message>
        <source> = F1  </source>
        <translation> = F1  </translation>
    </message>
    <message>
        <source>Nieuwe partij</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>zwart</source>
        <translation>black</translation>
    </message>
    <message>
        <source>wit</source>
        <translation>white</translation>
    </message>
    <message>
        <source>leeg</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>%1, zet %2</source>
        <translation>%1, move %2</translation>
    </message>
    <message>
        <source>, laatste zet</source>
        <translation>, last move</translation>
    </message>
    <message>
        <source>Bord</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Er staan geen stenen op het bord.</source>
        <translation>There are no stones on the board.</translation>
    </message>
    <message>
        <source>Laatste zet: %1, %2 op %3</source>
        <translation>Last move: %1, %2 on %3</translation>
    </message>
    <message>
        <source>Bedenktijd van zwart</source>
        <translation>Black&apos;s thinking time</translation>
    </message>
    <message>
        <source>Bedenktijd van wit</source>
        <translation>White&apos;s thinking time</translation>
    </message>
    <message>
        <source>Gewonnen door zwart</source>
        <translation>Won by black</translation>
    </message>
    <message>
        <source>Gewonnen door wit</source>
        <translation>Won by white</translation>
    </message>
    <message>
        <source>Computer 1: %1</source>
        <translation>Computer 1: %1</translation>
    </message>
    <message>
        <source>Computer 2: %1</source>
        <translation>Computer 2: %1</translation>
    </message>
    <message>
        <source>Speelstijl</source>
        <translation>Playing style</translation>
    </message>
    <message>
        <source>Stijl van computer 1</source>
        <translation>Style of computer 1</translation>
    </message>
    <message>
        <source>Stijl van computer 2</source>
        <translation>Style of computer 2</translation>
    </message>
    <message>
        <source>Klokken en stand</source>
        <translation>Clocks and score</translation>
    </message>
    <message>
        <source>Klok van zwart</source>
        <translation>Black&apos;s clock</translation>
    </message>
    <message>
        <source>Klok van wit</source>
        <translation>White&apos;s clock</translation>
    </message>
    <message>
        <source>Stand</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Instellingen</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>Hulp</name>
    <message>
        <source>Gebruik: kalvor [--help] [--version]

Kalvor is vijf op een rij (&quot;5 op een rijtje&quot;) in één venster: zwart en wit zetten om beurten een steen op een bord van 19 bij 19 lijnen, en wie als eerste vijf op een rij heeft, wint. Mens tegen mens, de computer tegen een mens, of twee computers tegen elkaar.

  --help, -h   toont deze tekst
  --version    toont de versie

Zonder argumenten opent het spel zijn venster; F1 legt daar de rest uit.
</source>
        <translation>Usage: kalvor [--help] [--version]

Kalvor is five in a row (&quot;5 op een rijtje&quot;) in one window: black and white place stones in turn on a board of 19 by 19 lines, and whoever first has five in a row wins. Human against human, the computer against a human, or two computers against each other.

  --help, -h   shows this text
  --version    shows the version

Without arguments the game opens its window; F1 explains the rest there.
</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>geen beeldscherm gevonden: DISPLAY is niet gezet. Start Kalvor in een grafische sessie.</source>
        <translation>no display found: DISPLAY is not set. Start Kalvor in a graphical session.</translation>
    </message>
    <message>
        <source>kan het beeldscherm DISPLAY=%1 niet bereiken. Start Kalvor in een grafische sessie.</source>
        <translation>cannot reach the display DISPLAY=%1. Start Kalvor in a graphical session.</translation>
    </message>
    <message>
        <source>het grafische platform kon niet starten%1</source>
        <translation>the graphical platform could not start%1</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Pauze, druk op Return</source>
        <translation>Paused, press Return</translation>
    </message>
    <message>
        <source>Partij wordt nagespeeld</source>
        <translation>Replaying the game</translation>
    </message>
    <message>
        <source>Druk op &quot;Start Partij&quot;</source>
        <translation>Press &quot;Start Game&quot;</translation>
    </message>
    <message>
        <source>Zet %1.  Zwart is aan zet</source>
        <translation>Move %1.  Black to move</translation>
    </message>
    <message>
        <source>Zet %1.   Wit is aan zet   </source>
        <translation>Move %1.   White to move   </translation>
    </message>
    <message>
        <source>Wit verliest op de klok</source>
        <translation>White loses on time</translation>
    </message>
    <message>
        <source>Zwart wint in %1 zetten.</source>
        <translation>Black wins in %1 moves.</translation>
    </message>
    <message>
        <source>Zwart verliest op de klok</source>
        <translation>Black loses on time</translation>
    </message>
    <message>
        <source>Wit wint in %1 zetten.</source>
        <translation>White wins in %1 moves.</translation>
    </message>
    <message>
        <source>Het is remise na %1 zetten.</source>
        <translation>A draw after %1 moves.</translation>
    </message>
</context>
</TS>
