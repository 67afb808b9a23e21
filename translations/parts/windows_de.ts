<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CreditsChart</name>
    <message>
        <source>No plays yet in this game</source>
        <translation>Noch keine Spielzüge in diesem Spiel</translation>
    </message>
    <message>
        <source>plays, oldest first</source>
        <extracomment>Under the chart&apos;s axis of plays.</extracomment>
        <translation>Spielzüge, älteste zuerst</translation>
    </message>
</context>
<context>
    <name>GameHistoryWindow</name>
    <message>
        <source>held</source>
        <extracomment>Under a reel: what kept or moved it.</extracomment>
        <translation>gehalten</translation>
    </message>
    <message>
        <source>moved up</source>
        <translation>nach oben</translation>
    </message>
    <message>
        <source>moved down</source>
        <translation>nach unten</translation>
    </message>
    <message>
        <source>nudged</source>
        <translation>gestupst</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Spielverlauf</translation>
    </message>
    <message>
        <source>&amp;First</source>
        <extracomment>Shows the newest play.</extracomment>
        <translation>&amp;Erster</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Vorheriger</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächster</translation>
    </message>
    <message>
        <source>&amp;Last</source>
        <extracomment>Shows the oldest play kept.</extracomment>
        <translation>&amp;Letzter</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>The newest play (Home)</source>
        <translation>Der neueste Spielzug (Pos1)</translation>
    </message>
    <message>
        <source>The next newer play (Left)</source>
        <translation>Der nächstneuere Spielzug (Links)</translation>
    </message>
    <message>
        <source>The next older play (Right)</source>
        <translation>Der nächstältere Spielzug (Rechts)</translation>
    </message>
    <message>
        <source>The oldest play kept (End)</source>
        <translation>Der älteste gespeicherte Spielzug (Ende)</translation>
    </message>
    <message>
        <source>Play %1 of %2: the only one so far</source>
        <translation>Spielzug %1 von %2: bisher der einzige</translation>
    </message>
    <message>
        <source>Play %1 of %2: the newest</source>
        <translation>Spielzug %1 von %2: der neueste</translation>
    </message>
    <message>
        <source>Play %1 of %2: the oldest kept</source>
        <translation>Spielzug %1 von %2: der älteste gespeicherte</translation>
    </message>
    <message>
        <source>Play %1 of %2, counted from the newest</source>
        <translation>Spielzug %1 von %2, vom neuesten an gezählt</translation>
    </message>
    <message>
        <source>No plays yet in this game.</source>
        <translation>Noch keine Spielzüge in diesem Spiel.</translation>
    </message>
    <message>
        <source>The plays of this game show here once it has been played: up to the last %1, newest first.</source>
        <translation>Sobald Sie dieses Spiel gespielt haben, erscheinen hier seine Spielzüge: bis zu den letzten %1, die neuesten zuerst.</translation>
    </message>
    <message>
        <source>pays
%1</source>
        <translation>zahlt
%L1</translation>
    </message>
</context>
<context>
    <name>GameStatistics</name>
    <message>
        <source>%1%</source>
        <extracomment>A percentage in the statistics window: &quot;98.50%&quot;.</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>LoanDeskWindow</name>
    <message>
        <source>$%1</source>
        <extracomment>A chip&apos;s value in dollars: &quot;$1,000&quot;.</extracomment>
        <translation>%1 $</translation>
    </message>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Credits leihen oder zurückzahlen</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Credits leihen</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Credits zurückzahlen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).

To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <translation>Hier können Sie Credits leihen oder früher geliehene Credits zurückzahlen. Klicken Sie auf den Knopf mit dem Betrag, den Sie leihen (oder zurückzahlen) möchten.

Um zwischen „leihen“ und „zurückzahlen“ zu wechseln, wählen Sie den Modus.</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Credits:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Geliehen:</translation>
    </message>
</context>
<context>
    <name>PaybackReturns</name>
    <message>
        <source>%1%</source>
        <extracomment>An exact return in percent: &quot;98.01%&quot;.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>about %1%</source>
        <extracomment>An estimated return in percent: &quot;about 105%&quot;.</extracomment>
        <translation>etwa %1 %</translation>
    </message>
    <message>
        <source>Pays back</source>
        <extracomment>The machine&apos;s return when the player makes no choices.</extracomment>
        <translation>Zahlt zurück</translation>
    </message>
    <message>
        <source>With the machine&apos;s advice</source>
        <translation>Mit den Tipps der Maschine</translation>
    </message>
    <message>
        <source>With %1 played well</source>
        <extracomment>%1 is the game&apos;s stock: &quot;holds&quot;, &quot;nudges&quot;.</extracomment>
        <translation>%1 gut gespielt</translation>
    </message>
</context>
<context>
    <name>PlayAnnouncement</name>
    <message>
        <source>%1 on the top line</source>
        <extracomment>%1 is what won, as the pay chart names it: &quot;Three Horses on the middle line&quot;.</extracomment>
        <translation>%1 auf der oberen Linie</translation>
    </message>
    <message>
        <source>%1 on the bottom line</source>
        <translation>%1 auf der unteren Linie</translation>
    </message>
    <message>
        <source>%1 on the middle line</source>
        <translation>%1 auf der mittleren Linie</translation>
    </message>
    <message>
        <source>bonus box %1, %2</source>
        <translation>Bonuskiste %1, %2</translation>
    </message>
    <message>
        <source>bonus box %1, a prize of %2</source>
        <extracomment>%2 is the game&apos;s stock: &quot;holds&quot;, &quot;nudges&quot;.</extracomment>
        <translation>Bonuskiste %1, als Preis %2</translation>
    </message>
    <message>
        <source>bonus box %1 held nothing</source>
        <translation>Bonuskiste %1 war leer</translation>
    </message>
    <message>
        <source>%1 %2 earned</source>
        <extracomment>%2 is the game&apos;s stock (&quot;holds&quot;, &quot;nudges&quot;), in your language&apos;s plural even for one.</extracomment>
        <translation>%2 erhalten: %1</translation>
    </message>
    <message>
        <source>Borrowed %1</source>
        <translation>%1 geliehen</translation>
    </message>
    <message>
        <source>Paid back %1</source>
        <translation>%1 zurückgezahlt</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Kein Gewinn</translation>
    </message>
    <message>
        <source>%1 credit</source>
        <translation>%L1 Credit</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <translation>%L1 Credits</translation>
    </message>
</context>
<context>
    <name>PlayDescription</name>
    <message>
        <source>%1 coin</source>
        <translation>%1 Münze</translation>
    </message>
    <message>
        <source>%1 coins</source>
        <translation>%1 Münzen</translation>
    </message>
    <message>
        <source>%1 line</source>
        <translation>%1 Linie</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 Linien</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>The bet of a spin: &quot;3 coins on 3 lines&quot;.</extracomment>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>Reel %1 held at stop %2</source>
        <translation>Walze %1 auf Position %2 gehalten</translation>
    </message>
    <message>
        <source>Reel %1 moved up from stop %2 to %3</source>
        <translation>Walze %1 von Position %2 auf %3 nach oben bewegt</translation>
    </message>
    <message>
        <source>Reel %1 moved down from stop %2 to %3</source>
        <translation>Walze %1 von Position %2 auf %3 nach unten bewegt</translation>
    </message>
    <message>
        <source>Reel %1 nudged from stop %2 to %3</source>
        <translation>Walze %1 von Position %2 auf %3 gestupst</translation>
    </message>
    <message>
        <source>Reels at rest at stops %1, %2 and %3</source>
        <translation>Walzen stehen auf den Positionen %1, %2 und %3</translation>
    </message>
    <message>
        <source>Bonus game: box %1 held %2 and paid %3</source>
        <translation>Bonusspiel: Kiste %1 enthielt %2 und zahlte %3</translation>
    </message>
    <message>
        <source>Bonus game: box %1 gave a prize of %2</source>
        <extracomment>%2 is the game&apos;s stock: &quot;holds&quot;, &quot;nudges&quot;.</extracomment>
        <translation>Bonusspiel: Kiste %1 brachte als Preis %2</translation>
    </message>
    <message>
        <source>Bonus game: box %1 held nothing</source>
        <translation>Bonusspiel: Kiste %1 war leer</translation>
    </message>
    <message>
        <source>Spin %1</source>
        <extracomment>The heading of a spin: &quot;Spin 57&quot;.</extracomment>
        <translation>Drehung %1</translation>
    </message>
    <message>
        <source>Nudge before the first spin</source>
        <translation>Stupser vor der ersten Drehung</translation>
    </message>
    <message>
        <source>Nudge after spin %1</source>
        <translation>Stupser nach Drehung %1</translation>
    </message>
    <message>
        <source>Loan before the first spin</source>
        <translation>Kredit vor der ersten Drehung</translation>
    </message>
    <message>
        <source>Loan after spin %1</source>
        <translation>Kredit nach Drehung %1</translation>
    </message>
    <message>
        <source>Payback before the first spin</source>
        <translation>Rückzahlung vor der ersten Drehung</translation>
    </message>
    <message>
        <source>Payback after spin %1</source>
        <translation>Rückzahlung nach Drehung %1</translation>
    </message>
    <message>
        <source>Bonus game played later, before the first spin</source>
        <translation>Bonusspiel später gespielt, vor der ersten Drehung</translation>
    </message>
    <message>
        <source>Bonus game played later, after spin %1</source>
        <translation>Bonusspiel später gespielt, nach Drehung %1</translation>
    </message>
    <message>
        <source>Top line paid %1</source>
        <translation>Obere Linie zahlte %1</translation>
    </message>
    <message>
        <source>Bottom line paid %1</source>
        <translation>Untere Linie zahlte %1</translation>
    </message>
    <message>
        <source>Middle line paid %1</source>
        <translation>Mittlere Linie zahlte %1</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <extracomment>What a spin bet: &quot;Bet 3 coins on 3 lines&quot;.</extracomment>
        <translation>Einsatz: %1</translation>
    </message>
    <message>
        <source>Last bet: %1</source>
        <translation>Letzter Einsatz: %1</translation>
    </message>
    <message>
        <source>No line paid</source>
        <translation>Keine Linie zahlte</translation>
    </message>
    <message>
        <source>Bonus points %1 → %2</source>
        <translation>Bonuspunkte %1 → %2</translation>
    </message>
    <message>
        <source>%1: %2 before, %3 earned, %4 used</source>
        <extracomment>%1 is the game&apos;s stock, capitalised: &quot;Holds&quot;, &quot;Nudges&quot;.</extracomment>
        <translation>%1: %2 vorher, %3 erhalten, %4 verbraucht</translation>
    </message>
    <message>
        <source>top</source>
        <extracomment>A row of the reels, as a screen reader names a symbol in it: &quot;top Cherry&quot;.</extracomment>
        <translation>oben</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>d MMM yyyy &apos;at&apos; HH:mm:ss</source>
        <extracomment>How a play&apos;s time is shown, in QDateTime&apos;s format letters: &quot;8 Dec 2026 at 13:00:05&quot;.</extracomment>
        <translation>d. MMM yyyy &apos;um&apos; HH:mm:ss</translation>
    </message>
    <message>
        <source>Borrowed %1</source>
        <translation>%1 geliehen</translation>
    </message>
    <message>
        <source>Paid back %1</source>
        <translation>%1 zurückgezahlt</translation>
    </message>
    <message>
        <source>Won %1</source>
        <translation>Gewonnen: %1</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Kein Gewinn</translation>
    </message>
    <message>
        <source>%1 credit</source>
        <translation>%L1 Credit</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <translation>%L1 Credits</translation>
    </message>
    <message>
        <source>Credits %1 → %2</source>
        <translation>Credits %L1 → %L2</translation>
    </message>
</context>
<context>
    <name>PlayFiguresPanel</name>
    <message>
        <source>The machine&apos;s return over a long run</source>
        <translation>Auszahlungsquote der Maschine auf lange Sicht</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Münzen</translation>
    </message>
    <message>
        <source>This session, since the program started</source>
        <translation>Diese Sitzung, seit dem Programmstart</translation>
    </message>
    <message>
        <source>Playing time:</source>
        <translation>Spielzeit:</translation>
    </message>
    <message>
        <source>Won less bet:</source>
        <extracomment>This session&apos;s winnings less its bets.</extracomment>
        <translation>Gewinne minus Einsätze:</translation>
    </message>
    <message>
        <source>Biggest win:</source>
        <translation>Größter Gewinn:</translation>
    </message>
    <message>
        <source>Credits over this game&apos;s last %1 plays</source>
        <translation>Credits der letzten %1 Spielzüge</translation>
    </message>
    <message>
        <source>Credits over this game&apos;s plays</source>
        <translation>Credits dieses Spiels</translation>
    </message>
    <message>
        <source>Biggest win (last %1 plays):</source>
        <translation>Größter Gewinn (letzte %1 Spielzüge):</translation>
    </message>
</context>
<context>
    <name>PublisherPage</name>
    <message>
        <source>The publisher&apos;s page (%1) could not be found.</source>
        <translation>Die Seite des Herausgebers (%1) wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Could not find a web browser on your system!</source>
        <translation>Auf Ihrem System wurde kein Webbrowser gefunden!</translation>
    </message>
    <message>
        <source>Please visit Brightplay, the makers of this game, at
%1</source>
        <translation>Besuchen Sie Brightplay, die Macher dieses Spiels, unter
%1</translation>
    </message>
</context>
<context>
    <name>RecallSections</name>
    <message>
        <source>it holds more than %1 plays</source>
        <translation>er enthält mehr als %1 Spielzüge</translation>
    </message>
    <message>
        <source>%1 is there twice</source>
        <extracomment>%1 is a key of the record file: &quot;Play7&quot;.</extracomment>
        <translation>%1 kommt doppelt vor</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is a key of the record file: &quot;Play7&quot;.</extracomment>
        <translation>%1 fehlt</translation>
    </message>
</context>
<context>
    <name>RecordFile</name>
    <message>
        <source>The saved games file %1 was damaged (%2).

It has been kept as %3. The games that could be read are kept, and play goes on with them.</source>
        <extracomment>%2 says what was wrong: &quot;line 5 is cut off&quot;.</extracomment>
        <translation>Die Datei der gespeicherten Spiele %1 war beschädigt (%2).

Sie wurde als %3 aufbewahrt. Die lesbaren Spiele bleiben erhalten, und es wird mit ihnen weitergespielt.</translation>
    </message>
    <message>
        <source>a folder stands in its place</source>
        <translation>an Stelle der Datei steht ein Ordner</translation>
    </message>
    <message>
        <source>it could not be taken in</source>
        <translation>die Datei konnte nicht eingelesen werden</translation>
    </message>
    <message>
        <source>it is damaged (%1), and could not be kept aside</source>
        <translation>die Datei ist beschädigt (%1) und konnte nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>The saved games in %1 cannot be read (%2).

They are left untouched. This game is not kept until the problem is fixed.</source>
        <translation>Die gespeicherten Spiele in %1 können nicht gelesen werden (%2).

Sie bleiben unverändert. Dieses Spiel wird nicht gespeichert, bis das Problem behoben ist.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>RecordScan</name>
    <message>
        <source>line %1 holds a NUL byte</source>
        <translation>Zeile %1 enthält ein NUL-Byte</translation>
    </message>
    <message>
        <source>line %1 holds a control character</source>
        <translation>Zeile %1 enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text</source>
        <translation>Zeile %1 ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>line %1 is a heading without its closing bracket</source>
        <translation>Zeile %1 ist eine Überschrift ohne schließende Klammer</translation>
    </message>
    <message>
        <source>line %1 is cut off</source>
        <translation>Zeile %1 ist abgeschnitten</translation>
    </message>
    <message>
        <source>line %1 is neither a heading nor a value</source>
        <translation>Zeile %1 ist weder Überschrift noch Wert</translation>
    </message>
    <message>
        <source>line %1 repeats a value of [%2]</source>
        <translation>Zeile %1 wiederholt einen Wert von [%2]</translation>
    </message>
    <message>
        <source>[%1] lacks its value %2</source>
        <translation>in [%1] fehlt der Wert %2</translation>
    </message>
    <message>
        <source>the reader lost part of [%1]</source>
        <translation>beim Einlesen ging ein Teil von [%1] verloren</translation>
    </message>
    <message>
        <source>the reader found a section that is not there</source>
        <translation>beim Einlesen tauchte ein Abschnitt auf, den es nicht gibt</translation>
    </message>
</context>
<context>
    <name>SaveOpenWindow</name>
    <message>
        <source>no</source>
        <comment>saved game dates in the locale&apos;s form</comment>
        <extracomment>Answer &quot;yes&quot; to show a saved game&apos;s date in your locale&apos;s short form (&quot;07.12.26&quot;); &quot;no&quot; shows it as the record keeps it, month first (&quot;12/07/26&quot;).</extracomment>
        <translation>yes</translation>
    </message>
    <message>
        <source>Save the game into this slot</source>
        <translation>Das Spiel auf diesem Speicherplatz speichern</translation>
    </message>
    <message>
        <source>Open the game of this slot</source>
        <translation>Das Spiel dieses Speicherplatzes öffnen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Spiel speichern -- Speicherplatz wählen</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Spiel öffnen -- Speicherplatz wählen</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>Name für dieses gespeicherte Spiel?</translation>
    </message>
    <message>
        <source>%1 Credits</source>
        <translation>%L1 Credits</translation>
    </message>
    <message>
        <source>%1 Borrowed</source>
        <translation>%L1 geliehen</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your Game Statistics</source>
        <translation>Ihre Spielstatistik</translation>
    </message>
    <message>
        <source>Spins:</source>
        <translation>Drehungen:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Credits:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Geliehen:</translation>
    </message>
    <message>
        <source>Total Bets:</source>
        <translation>Einsätze gesamt:</translation>
    </message>
    <message>
        <source>Payoffs:</source>
        <translation>Auszahlungen:</translation>
    </message>
    <message>
        <source>Normal:</source>
        <extracomment>Payoffs by the pay table alone, beside those of the bonus game.</extracomment>
        <translation>Normal:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <source>Overall Payoff Percentage:</source>
        <translation>Auszahlungsquote gesamt:</translation>
    </message>
</context>
</TS>
