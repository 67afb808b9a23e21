<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Autoplay</name>
    <message>
        <source>all spins played</source>
        <translation>alle Drehungen gespielt</translation>
    </message>
    <message>
        <source>credits below your limit</source>
        <translation>Credits unter Ihrem Limit</translation>
    </message>
    <message>
        <source>a big win</source>
        <translation>ein großer Gewinn</translation>
    </message>
    <message>
        <source>a bonus game</source>
        <translation>ein Bonusspiel</translation>
    </message>
    <message>
        <source>not enough credits for the bet</source>
        <translation>zu wenig Credits für den Einsatz</translation>
    </message>
    <message>
        <source>stopped by you</source>
        <translation>von Ihnen gestoppt</translation>
    </message>
    <message>
        <source>the game is closing</source>
        <translation>das Spiel wird beendet</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Autoplay</translation>
    </message>
    <message>
        <source>%1 spin left</source>
        <translation>noch %1 Drehung</translation>
    </message>
    <message>
        <source>%1 spins left</source>
        <translation>noch %1 Drehungen</translation>
    </message>
    <message>
        <source>Autoplay stopped</source>
        <translation>Autoplay beendet</translation>
    </message>
</context>
<context>
    <name>AutoplayWindow</name>
    <message>
        <source>never</source>
        <extracomment>Shown in an empty limit: autoplay never stops for it.</extracomment>
        <translation>nie</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Autoplay</translation>
    </message>
    <message>
        <source>Stop when a &amp;bonus game opens</source>
        <translation>Stoppen, wenn ein &amp;Bonusspiel beginnt</translation>
    </message>
    <message>
        <source>Follow the machine&apos;s &amp;advice on holds and nudges</source>
        <translation>Den &amp;Tipps des Automaten zu Halten und Stupsern folgen</translation>
    </message>
    <message>
        <source>Number of &amp;spins:</source>
        <translation>&amp;Anzahl der Drehungen:</translation>
    </message>
    <message>
        <source>Stop when credits fall &amp;below:</source>
        <translation>Stoppen bei Credits &amp;unter:</translation>
    </message>
    <message>
        <source>Stop after a single &amp;win of:</source>
        <translation>Stoppen bei einem &amp;Einzelgewinn ab:</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The button that starts autoplay.</extracomment>
        <translation>Starten</translation>
    </message>
</context>
<context>
    <name>Betting</name>
    <message>
        <source>You are out of credits...better borrow some!</source>
        <translation>Sie haben keine Credits mehr... leihen Sie sich besser welche!</translation>
    </message>
</context>
<context>
    <name>BonusAccessible</name>
    <message>
        <source>Box %1</source>
        <translation>Kiste %1</translation>
    </message>
</context>
<context>
    <name>BonusWindow</name>
    <message>
        <source>Click on one of the Boxes!</source>
        <translation>Klicken Sie auf eine der Kisten!</translation>
    </message>
</context>
<context>
    <name>BoxAward</name>
    <message>
        <source>%1 Credits!</source>
        <translation>%1 Credits!</translation>
    </message>
</context>
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
    <name>EmberpeakEvaluation</name>
    <message>
        <source>%1 Nudges!</source>
        <extracomment>the bonus game&apos;s prize of nudges, at least 2</extracomment>
        <translation>%1 Stupser!</translation>
    </message>
    <message>
        <source>%1 Credits!</source>
        <extracomment>the bonus game&apos;s prize of credits</extracomment>
        <translation>%1 Credits!</translation>
    </message>
</context>
<context>
    <name>EmberpeakExtras</name>
    <message>
        <source>%1 or %2</source>
        <extracomment>the last of a list of prizes: &quot;250, 100, 50 or 25&quot;</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>Wild</source>
        <translation>Wild</translation>
    </message>
    <message>
        <source>Right reel only</source>
        <translation>Nur rechte Walze</translation>
    </message>
    <message>
        <source>Stands in for any symbol there. Alone it pays your bet back.</source>
        <translation>Ersetzt dort jedes Symbol. Allein gibt es Ihren Einsatz zurück.</translation>
    </message>
    <message>
        <source>On the payline it glows, and earns a nudge.</source>
        <translation>Auf der Gewinnlinie glüht es und bringt einen Stupser.</translation>
    </message>
    <message>
        <source>Bonus game</source>
        <translation>Bonusspiel</translation>
    </message>
    <message>
        <source>or</source>
        <extracomment>between the three bonus symbols and the wild symbol on the right reel</extracomment>
        <translation>oder</translation>
    </message>
    <message>
        <source>on the right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>Open one of eight boxes: %1 credits, two nudges for every coin bet, or nothing.</source>
        <translation>Öffnen Sie eine von acht Kisten: %1 Credits, zwei Stupser je eingesetzter Münze oder nichts.</translation>
    </message>
    <message>
        <source>Nudges</source>
        <translation>Stupser</translation>
    </message>
    <message>
        <source>After a losing spin the NUDGE buttons blink: each press moves its reel down one stop, and the line pays again. A new game holds %1.</source>
        <translation>Nach einer Drehung ohne Gewinn blinken die NUDGE-Tasten: Jeder Druck bewegt ihre Walze um ein Feld nach unten, und die Linie zahlt erneut. Ein neues Spiel hat %1.</translation>
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
    <name>GameText</name>
    <message>
        <source>nudges</source>
        <translation>Stupser</translation>
    </message>
    <message>
        <source>Three Volcanoes</source>
        <translation>Drei Vulkane</translation>
    </message>
    <message>
        <source>Three Fire Crystals</source>
        <translation>Drei Feuerkristalle</translation>
    </message>
    <message>
        <source>Three Helicopters</source>
        <translation>Drei Hubschrauber</translation>
    </message>
    <message>
        <source>Three Flares</source>
        <translation>Drei Leuchtfackeln</translation>
    </message>
    <message>
        <source>Three Ropes</source>
        <translation>Drei Seile</translation>
    </message>
    <message>
        <source>Three Compasses</source>
        <translation>Drei Kompasse</translation>
    </message>
    <message>
        <source>Three Ice Crystals</source>
        <translation>Drei Eiskristalle</translation>
    </message>
    <message>
        <source>Three Lava Rocks</source>
        <translation>Drei Lavabrocken</translation>
    </message>
    <message>
        <source>Three SOS Bonus signs</source>
        <translation>Drei SOS-Bonusschilder</translation>
    </message>
    <message>
        <source>Wild on the right reel</source>
        <translation>Wild auf der rechten Walze</translation>
    </message>
    <message>
        <source>Volcano</source>
        <translation>Vulkan</translation>
    </message>
    <message>
        <source>Fire Crystal</source>
        <translation>Feuerkristall</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Hubschrauber</translation>
    </message>
    <message>
        <source>Flare</source>
        <translation>Leuchtfackel</translation>
    </message>
    <message>
        <source>Rope</source>
        <translation>Seil</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Kompass</translation>
    </message>
    <message>
        <source>Ice Crystal</source>
        <translation>Eiskristall</translation>
    </message>
    <message>
        <source>Lava Rock</source>
        <translation>Lavabrocken</translation>
    </message>
    <message>
        <source>SOS Bonus sign</source>
        <translation>SOS-Bonusschild</translation>
    </message>
    <message>
        <source>Wild</source>
        <translation>Wild</translation>
    </message>
    <message>
        <source>Nudge</source>
        <extracomment>what pressing a nudge button does to its reel</extracomment>
        <translation>Stupsen</translation>
    </message>
    <message>
        <source>Three Nuggets</source>
        <translation>Drei Nuggets</translation>
    </message>
    <message>
        <source>Three Ingots</source>
        <translation>Drei Barren</translation>
    </message>
    <message>
        <source>Any two Nuggets</source>
        <translation>Zwei beliebige Nuggets</translation>
    </message>
    <message>
        <source>Three Ore Carts</source>
        <translation>Drei Erzloren</translation>
    </message>
    <message>
        <source>Three Lanterns</source>
        <translation>Drei Laternen</translation>
    </message>
    <message>
        <source>Three Pickaxes</source>
        <translation>Drei Spitzhacken</translation>
    </message>
    <message>
        <source>Any mix of Ore Carts, Lanterns and Pickaxes</source>
        <translation>Erzloren, Laternen und Spitzhacken gemischt</translation>
    </message>
    <message>
        <source>Any one Nugget</source>
        <translation>Ein beliebiges Nugget</translation>
    </message>
    <message>
        <source>Nugget</source>
        <translation>Nugget</translation>
    </message>
    <message>
        <source>Ingot</source>
        <translation>Barren</translation>
    </message>
    <message>
        <source>Ore Cart</source>
        <translation>Erzlore</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Laterne</translation>
    </message>
    <message>
        <source>Pickaxe</source>
        <translation>Spitzhacke</translation>
    </message>
    <message>
        <source>Ore Cart with an Up arrow</source>
        <translation>Erzlore mit Pfeil nach oben</translation>
    </message>
    <message>
        <source>Lantern with an Up arrow</source>
        <translation>Laterne mit Pfeil nach oben</translation>
    </message>
    <message>
        <source>Pickaxe with an Up arrow</source>
        <translation>Spitzhacke mit Pfeil nach oben</translation>
    </message>
    <message>
        <source>Ore Cart with a Down arrow</source>
        <translation>Erzlore mit Pfeil nach unten</translation>
    </message>
    <message>
        <source>Lantern with a Down arrow</source>
        <translation>Laterne mit Pfeil nach unten</translation>
    </message>
    <message>
        <source>Pickaxe with a Down arrow</source>
        <translation>Spitzhacke mit Pfeil nach unten</translation>
    </message>
    <message>
        <source>Ore Cart with a 3 star</source>
        <extracomment>a symbol with a badge worth 3 bonus points</extracomment>
        <translation>Erzlore mit 3er-Stern</translation>
    </message>
    <message>
        <source>Lantern with a 2 star</source>
        <extracomment>a symbol with a badge worth 2 bonus points</extracomment>
        <translation>Laterne mit 2er-Stern</translation>
    </message>
    <message>
        <source>Pickaxe with a 1 star</source>
        <extracomment>a symbol with a badge worth 1 bonus point</extracomment>
        <translation>Spitzhacke mit 1er-Stern</translation>
    </message>
    <message>
        <source>Dynamite</source>
        <translation>Dynamit</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Leerfeld</translation>
    </message>
    <message>
        <source>holds</source>
        <translation>Halte</translation>
    </message>
    <message>
        <source>Three Wilds</source>
        <translation>Drei Wilds</translation>
    </message>
    <message>
        <source>Three Horses</source>
        <translation>Drei Pferde</translation>
    </message>
    <message>
        <source>Three Dogs</source>
        <translation>Drei Hunde</translation>
    </message>
    <message>
        <source>Three Pigs</source>
        <translation>Drei Schweine</translation>
    </message>
    <message>
        <source>Three Cats</source>
        <translation>Drei Katzen</translation>
    </message>
    <message>
        <source>Three Rabbits</source>
        <translation>Drei Kaninchen</translation>
    </message>
    <message>
        <source>Three Roosters</source>
        <translation>Drei Hähne</translation>
    </message>
    <message>
        <source>Three Fish</source>
        <translation>Drei Fische</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Pferd</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Hund</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Schwein</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Katze</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Kaninchen</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Hahn</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Fisch</translation>
    </message>
    <message>
        <source>Wild in a gold ring</source>
        <translation>Wild im Goldring</translation>
    </message>
    <message>
        <source>Horse in a gold ring</source>
        <translation>Pferd im Goldring</translation>
    </message>
    <message>
        <source>Dog in a gold ring</source>
        <translation>Hund im Goldring</translation>
    </message>
    <message>
        <source>Pig in a gold ring</source>
        <translation>Schwein im Goldring</translation>
    </message>
    <message>
        <source>Cat in a gold ring</source>
        <translation>Katze im Goldring</translation>
    </message>
    <message>
        <source>Rabbit in a gold ring</source>
        <translation>Kaninchen im Goldring</translation>
    </message>
    <message>
        <source>Rooster in a gold ring</source>
        <translation>Hahn im Goldring</translation>
    </message>
    <message>
        <source>Fish in a gold ring</source>
        <translation>Fisch im Goldring</translation>
    </message>
    <message>
        <source>Hold</source>
        <extracomment>what pressing a hold lamp does to its reel</extracomment>
        <translation>Halten</translation>
    </message>
</context>
<context>
    <name>GamepadMapping</name>
    <message>
        <source>Spin</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Press or choose</source>
        <translation>Drücken oder wählen</translation>
    </message>
    <message>
        <source>Cancel or close</source>
        <translation>Abbrechen oder schließen</translation>
    </message>
    <message>
        <source>Bet 1</source>
        <translation>Einsatz 1</translation>
    </message>
    <message>
        <source>Bet max</source>
        <translation>Max. Einsatz</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>Steuerkreuz links</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>Steuerkreuz oben</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>Steuerkreuz rechts</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>Steuerkreuz unten</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Previous field</source>
        <translation>Voriges Feld</translation>
    </message>
    <message>
        <source>Next field</source>
        <translation>Nächstes Feld</translation>
    </message>
    <message>
        <source>Open the menu</source>
        <translation>Menü öffnen</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>Window help</source>
        <translation>Fensterhilfe</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Autoplay</translation>
    </message>
    <message>
        <source>Quick spin on or off</source>
        <translation>Schnelldrehung an/aus</translation>
    </message>
    <message>
        <source>Left stick press</source>
        <translation>Linken Stick drücken</translation>
    </message>
    <message>
        <source>Game history</source>
        <translation>Spielverlauf</translation>
    </message>
    <message>
        <source>Right stick press</source>
        <translation>Rechten Stick drücken</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
</context>
<context>
    <name>GamepadPicture</name>
    <message>
        <source>L stick</source>
        <translation>L-Stick</translation>
    </message>
    <message>
        <source>R stick</source>
        <translation>R-Stick</translation>
    </message>
</context>
<context>
    <name>GamepadTable</name>
    <message>
        <source>%1; %2 on the machine</source>
        <translation>%1; %2 am Automaten</translation>
    </message>
    <message>
        <source>%1; %2 in a menu or text field</source>
        <translation>%1; %2 in einem Menü oder Textfeld</translation>
    </message>
    <message>
        <source>Hold reel 1</source>
        <translation>Walze 1 halten</translation>
    </message>
    <message>
        <source>Hold reel 2</source>
        <translation>Walze 2 halten</translation>
    </message>
    <message>
        <source>Hold reel 3</source>
        <translation>Walze 3 halten</translation>
    </message>
    <message>
        <source>Nudge reel 1</source>
        <translation>Walze 1 stupsen</translation>
    </message>
    <message>
        <source>Nudge reel 2</source>
        <translation>Walze 2 stupsen</translation>
    </message>
    <message>
        <source>Nudge reel 3</source>
        <translation>Walze 3 stupsen</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Bedienelement</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>On the machine</source>
        <translation>Am Automaten</translation>
    </message>
    <message>
        <source>In a window or menu</source>
        <translation>In einem Fenster oder Menü</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The manual %1 could not be found.</source>
        <translation>Das Handbuch %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The manual %1 could not be read.</source>
        <translation>Das Handbuch %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <extracomment>The help window&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>%1 – Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>No web browser could be started to show %1.</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um %1 anzuzeigen.</translation>
    </message>
</context>
<context>
    <name>LoanDesk</name>
    <message>
        <source>There is nothing to borrow.</source>
        <translation>Es gibt nichts zu leihen.</translation>
    </message>
    <message>
        <source>The machine cannot hold that many credits. Pay some back first!</source>
        <translation>So viele Credits fasst der Automat nicht. Zahlen Sie zuerst etwas zurück!</translation>
    </message>
    <message>
        <source>There is nothing to pay back.</source>
        <translation>Es gibt nichts zurückzuzahlen.</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>Sie haben keine %L1 Credits!</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Sie können nicht mehr Credits zurückzahlen, als Sie geliehen haben!</translation>
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
    <name>MachineAccessibility</name>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Münzen</translation>
    </message>
    <message>
        <source>Winnings</source>
        <translation>Gewinne</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The machine&apos;s button that spins the reels.</extracomment>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Bet 1</source>
        <translation>Einsatz 1</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <translation>Einsatz %1</translation>
    </message>
    <message>
        <source>%1 reel %2</source>
        <extracomment>A button over one reel: %1 is what it does to the reel (&quot;Hold&quot;, &quot;Nudge&quot;), %2 the reel&apos;s number.</extracomment>
        <translation>Walze %2: %1</translation>
    </message>
    <message>
        <source>Reel %1</source>
        <translation>Walze %1</translation>
    </message>
</context>
<context>
    <name>MachineDisplay</name>
    <message>
        <source>Coins</source>
        <translation>Münzen</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Winnings</source>
        <translation>Gewinne</translation>
    </message>
</context>
<context>
    <name>MachineMenu</name>
    <message>
        <source>Distributed by Brightplay Games</source>
        <translation>Vertrieb: Brightplay Games</translation>
    </message>
    <message>
        <source>© 2026 Brightplay Games. All rights reserved.</source>
        <translation>© 2026 Brightplay Games. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>Spiel ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>Spiel &amp;speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>&amp;Volume…</source>
        <translation>La&amp;utstärke…</translation>
    </message>
    <message>
        <source>&amp;Quick Spin</source>
        <translation>&amp;Schnelldrehung</translation>
    </message>
    <message>
        <source>&amp;Autoplay…</source>
        <translation>&amp;Autoplay…</translation>
    </message>
    <message>
        <source>&amp;Borrow</source>
        <translation>&amp;Leihen</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>S&amp;tatistik</translation>
    </message>
    <message>
        <source>Game &amp;History</source>
        <translation>Spiel&amp;verlauf</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <translation>&amp;Gewinntabelle</translation>
    </message>
    <message>
        <source>Show &amp;Advice</source>
        <translation>Tipps an&amp;zeigen</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>Voll&amp;bild</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>&amp;%1 Manual</source>
        <extracomment>The Help menu&apos;s item that opens the game&apos;s manual; %1 is the game&apos;s name.</extracomment>
        <translation>&amp;Handbuch zu %1</translation>
    </message>
    <message>
        <source>&amp;Brightplay Homepage</source>
        <translation>&amp;Brightplay-Homepage</translation>
    </message>
    <message>
        <source>&amp;Company Information</source>
        <translation>&amp;Firmeninformationen</translation>
    </message>
    <message>
        <source>Version:  %1</source>
        <translation>Version:  %1</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Payline</source>
        <comment>the pay table&apos;s first column: the symbols a line pays for</comment>
        <translation>Gewinnlinie</translation>
    </message>
    <message>
        <source>Each active line</source>
        <translation>Je aktive Linie</translation>
    </message>
    <message>
        <source>1 coin</source>
        <translation>1 Münze</translation>
    </message>
    <message>
        <source>%1 coins</source>
        <translation>%1 Münzen</translation>
    </message>
    <message>
        <source>Bonus game</source>
        <translation>Bonusspiel</translation>
    </message>
    <message>
        <source>never</source>
        <comment>how often a win comes: once in ... spins, or never</comment>
        <translation>nie</translation>
    </message>
    <message>
        <source>%1 spins</source>
        <comment>once in so many spins (%1 is a number, or the word for never)</comment>
        <translation>%1 Drehungen</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>an exact return</comment>
        <translation>%1&amp;nbsp;%</translation>
    </message>
    <message>
        <source>about %1%</source>
        <comment>an estimated return</comment>
        <translation>etwa %1&amp;nbsp;%</translation>
    </message>
    <message>
        <source>Pays back</source>
        <comment>the return of a game that spends no holds or nudges</comment>
        <translation>Auszahlungsquote</translation>
    </message>
    <message>
        <source>With the machine&apos;s advice</source>
        <translation>Mit den Tipps des Automaten</translation>
    </message>
    <message>
        <source>With %1 played well</source>
        <comment>%1: the game&apos;s holds or nudges</comment>
        <translation>%1 gut gespielt</translation>
    </message>
    <message>
        <source>Over a long run of play, this is what the machine gives back for every credit you bet, and how often good things happen:</source>
        <translation>So viel gibt der Automat auf lange Sicht für jeden eingesetzten Credit zurück, und so oft geschieht etwas Gutes:</translation>
    </message>
    <message>
        <source>Coins bet</source>
        <translation>Eingesetzte Münzen</translation>
    </message>
    <message>
        <source>A winning line, once in</source>
        <translation>Eine Gewinnlinie, einmal alle</translation>
    </message>
    <message>
        <source>The bonus game, once in</source>
        <translation>Das Bonusspiel, einmal alle</translation>
    </message>
    <message>
        <source>How often each line of the pay table comes up on a line you play, on average:</source>
        <translation>Wie oft jede Zeile der Gewinntabelle im Durchschnitt auf einer gespielten Linie erscheint:</translation>
    </message>
    <message>
        <source>Once in</source>
        <translation>Einmal alle</translation>
    </message>
    <message>
        <source>1 coin: once in</source>
        <translation>1 Münze: einmal alle</translation>
    </message>
    <message>
        <source>%1 coins: once in</source>
        <translation>%1 Münzen: einmal alle</translation>
    </message>
    <message>
        <source>, with the bonus points carried from spin to spin</source>
        <comment>added to the end of the sentence &apos;These figures are exact...&apos;</comment>
        <translation>, wobei die Bonuspunkte von Drehung zu Drehung mitgenommen werden</translation>
    </message>
    <message>
        <source>These figures are exact where they do not say &amp;ldquo;about&amp;rdquo;: they come from playing every one of the %1 ways the three reels can stop through the machine&apos;s own rules%2.</source>
        <comment>%2: nothing, or the words about bonus points carried from spin to spin</comment>
        <translation>Diese Zahlen sind exakt, wo nicht &amp;bdquo;etwa&amp;ldquo; davorsteht: Sie entstehen, indem jede der %1 Arten, wie die drei Walzen stehen bleiben können, nach den Regeln des Automaten durchgespielt wird%2.</translation>
    </message>
    <message>
        <source>These figures are exact, not guessed: they come from playing every one of the %1 ways the three reels can stop through the machine&apos;s own rules%2.</source>
        <comment>%2: nothing, or the words about bonus points carried from spin to spin</comment>
        <translation>Diese Zahlen sind exakt, nicht geschätzt: Sie entstehen, indem jede der %1 Arten, wie die drei Walzen stehen bleiben können, nach den Regeln des Automaten durchgespielt wird%2.</translation>
    </message>
    <message>
        <source>A bonus game is counted at its average prize, %1 credits for a box opened at random.</source>
        <translation>Ein Bonusspiel zählt mit seinem durchschnittlichen Gewinn, %1 Credits für eine zufällig geöffnete Kiste.</translation>
    </message>
    <message>
        <source>&amp;ldquo;Pays back&amp;rdquo; counts no %1 spent.</source>
        <comment>%1: the game&apos;s holds or nudges</comment>
        <translation>&amp;bdquo;Auszahlungsquote&amp;ldquo; rechnet ohne eingesetzte %1.</translation>
    </message>
    <message>
        <source>&amp;ldquo;With the machine&apos;s advice&amp;rdquo; spends them after each losing spin as Show Advice advises</source>
        <comment>first half of a sentence; &apos;Show Advice&apos; is the menu item</comment>
        <translation>&amp;bdquo;Mit den Tipps des Automaten&amp;ldquo; setzt sie nach jeder verlorenen Drehung so ein, wie &amp;bdquo;Tipps anzeigen&amp;ldquo; rät</translation>
    </message>
    <message>
        <source>&amp;ldquo;With %1 played well&amp;rdquo; spends them after each losing spin as a careful player would</source>
        <comment>first half of a sentence; %1: the game&apos;s holds or nudges</comment>
        <translation>&amp;bdquo;%1 gut gespielt&amp;ldquo; setzt sie nach jeder verlorenen Drehung so ein, wie es ein umsichtiger Spieler täte</translation>
    </message>
    <message>
        <source>it is an estimate from %1 simulated spins, give or take about %2 points.</source>
        <comment>second half of a sentence, after a semicolon</comment>
        <translation>der Wert ist eine Schätzung aus %1 simulierten Drehungen, auf etwa %2 Prozentpunkte genau.</translation>
    </message>
    <message>
        <source>it is exact as long as you have %1 left, and such play earns more of them than it spends.</source>
        <comment>second half of a sentence, after a semicolon; %1: the game&apos;s holds or nudges</comment>
        <translation>der Wert ist exakt, solange Sie noch %1 haben, und ein solches Spiel bringt mehr davon ein, als es verbraucht.</translation>
    </message>
    <message>
        <source>it is exact as long as you have %1 left, and such play spends more of them than it earns, so a long session pays back less.</source>
        <comment>second half of a sentence, after a semicolon; %1: the game&apos;s holds or nudges</comment>
        <translation>der Wert ist exakt, solange Sie noch %1 haben, und ein solches Spiel verbraucht mehr davon, als es einbringt, sodass eine lange Sitzung weniger zurückzahlt.</translation>
    </message>
    <message>
        <source>Any single session can run well above or below them: that is the luck of the reels.</source>
        <translation>Eine einzelne Sitzung kann deutlich darüber oder darunter liegen: Das ist das Glück der Walzen.</translation>
    </message>
</context>
<context>
    <name>MusicRing</name>
    <message>
        <source>Unable to play the music track %1: %2</source>
        <translation>Das Musikstück %1 kann nicht abgespielt werden: %2</translation>
    </message>
</context>
<context>
    <name>NudgeCount</name>
    <message>
        <source>Nudges</source>
        <translation>Stupser</translation>
    </message>
</context>
<context>
    <name>OreveinExtras</name>
    <message>
        <source>Up and Down</source>
        <translation>Auf und Ab</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Below the payline, moves its reel up one step.</source>
        <translation>Unter der Gewinnlinie hebt es seine Walze um einen Schritt.</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Above the payline, moves its reel down one step.</source>
        <translation>Über der Gewinnlinie senkt es seine Walze um einen Schritt.</translation>
    </message>
    <message>
        <source>Bonus points</source>
        <translation>Bonuspunkte</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 Punkt</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>Score them on the payline: %1 points open the bonus game!</source>
        <translation>Sammeln Sie sie auf der Gewinnlinie: %1 Punkte öffnen das Bonusspiel!</translation>
    </message>
    <message>
        <source>Dynamite</source>
        <translation>Dynamit</translation>
    </message>
    <message>
        <source>Look out!</source>
        <translation>Vorsicht!</translation>
    </message>
    <message>
        <source>On the payline it empties the bonus meter.</source>
        <translation>Auf der Gewinnlinie leert es die Bonusanzeige.</translation>
    </message>
</context>
<context>
    <name>PawlaneBonus</name>
    <message>
        <source>%1 Holds!</source>
        <extracomment>the bonus game&apos;s prize of holds, at least 2</extracomment>
        <translation>%1 Halte!</translation>
    </message>
</context>
<context>
    <name>PawlaneExtras</name>
    <message>
        <source>1st coin: middle line</source>
        <translation>1. Münze: Mitte</translation>
    </message>
    <message>
        <source>2nd coin: top line</source>
        <translation>2. Münze: oben</translation>
    </message>
    <message>
        <source>3rd coin: bottom line</source>
        <translation>3. Münze: unten</translation>
    </message>
    <message>
        <source>Wild</source>
        <translation>Wild</translation>
    </message>
    <message>
        <source>Three pay %1</source>
        <translation>Drei zahlen %1</translation>
    </message>
    <message>
        <source>It stands in for every other symbol on a line.</source>
        <translation>Es ersetzt jedes andere Symbol auf einer Linie.</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linien</translation>
    </message>
    <message>
        <source>Every open line is paid on its own, and the wins add up.</source>
        <translation>Jede offene Linie zahlt für sich, und die Gewinne werden addiert.</translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>Halte</translation>
    </message>
    <message>
        <source>After a losing spin the HOLD lamps blink: click up to two, and those reels stay still on the next spin.</source>
        <translation>Nach einer Drehung ohne Gewinn blinken die HOLD-Lampen: Klicken Sie bis zu zwei an, dann stehen diese Walzen bei der nächsten Drehung still.</translation>
    </message>
    <message>
        <source>Marked stops</source>
        <translation>Markierte Felder</translation>
    </message>
    <message>
        <source>3 points</source>
        <translation>3 Punkte</translation>
    </message>
    <message>
        <source>2 points</source>
        <translation>2 Punkte</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 Punkt</translation>
    </message>
    <message>
        <source>Meter reset</source>
        <translation>Zähler auf 0</translation>
    </message>
    <message>
        <source>+1 hold</source>
        <translation>+1 Halt</translation>
    </message>
    <message>
        <source>They count on the row of an open line.</source>
        <translation>Sie zählen in der Reihe einer offenen Linie.</translation>
    </message>
    <message>
        <source>Bonus game</source>
        <translation>Bonusspiel</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>the last of a list of prizes: &quot;250, 100 or 50&quot;</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 points open it: pick one of %2 animal boxes. %3 hold %4 credits, %5 hold 2 holds for each coin bet, %6 are empty.</source>
        <translation>%1 Punkte öffnen es: Wählen Sie eine von %2 Tierkisten. %3 enthalten %4 Credits, %5 enthalten 2 Halte je eingesetzter Münze, %6 sind leer.</translation>
    </message>
</context>
<context>
    <name>PawlaneGame</name>
    <message>
        <source>Holds</source>
        <extracomment>the caption over the meter of holds left, on the machine</extracomment>
        <translation>Halte</translation>
    </message>
</context>
<context>
    <name>PayChart</name>
    <message>
        <source>ANY</source>
        <extracomment>the mark drawn where a reel may show any other symbol, in a symbol&apos;s small square</extracomment>
        <translation>BEL.</translation>
    </message>
    <message>
        <source>PAYOFF CHART</source>
        <translation>GEWINNTABELLE</translation>
    </message>
    <message>
        <source>EACH LINE</source>
        <extracomment>under &quot;PAYS&quot;, the heading of the one column of a game whose coins open lines</extracomment>
        <translation>JE LINIE</translation>
    </message>
    <message>
        <source>COIN</source>
        <extracomment>a column heading under the number 1: the pays for one coin bet</extracomment>
        <translation>MÜNZE</translation>
    </message>
    <message>
        <source>COINS</source>
        <extracomment>a column heading under a number of coins bet (2 to 5)</extracomment>
        <translation>MÜNZEN</translation>
    </message>
    <message>
        <source>PAYS</source>
        <extracomment>over &quot;EACH LINE&quot;: the column of what a line pays</extracomment>
        <translation>ZAHLT</translation>
    </message>
    <message>
        <source>WINNING LINE</source>
        <extracomment>the heading over the column of symbols that a line shows to win</extracomment>
        <translation>GEWINNBILD</translation>
    </message>
    <message>
        <source>BONUS</source>
        <extracomment>in the pay column of the rule that starts the bonus game</extracomment>
        <translation>BONUS</translation>
    </message>
    <message>
        <source>any other symbol</source>
        <extracomment>the legend of the mark drawn where a reel may show any symbol but the row&apos;s own</extracomment>
        <translation>beliebiges anderes Symbol</translation>
    </message>
    <message>
        <source>wild: stands in for them</source>
        <extracomment>the legend of the wild symbol&apos;s small picture: it stands in for the symbols of the rows</extracomment>
        <translation>Wild: ersetzt sie</translation>
    </message>
    <message>
        <source>Different symbols: any mix of them pays</source>
        <translation>Gemischt: jede Mischung zahlt</translation>
    </message>
</context>
<context>
    <name>PayChartWindow</name>
    <message>
        <source>Payoff Chart</source>
        <translation>Gewinntabelle</translation>
    </message>
    <message>
        <source>The pay chart picture %1 could not be found.</source>
        <translation>Das Bild der Gewinntabelle %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The pay chart picture %1 could not be read: %2.</source>
        <extracomment>%1 is the picture&apos;s file, %2 what went wrong.</extracomment>
        <translation>Das Bild der Gewinntabelle %1 konnte nicht gelesen werden: %2.</translation>
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
        <translation>Auszahlungsquote</translation>
    </message>
    <message>
        <source>With the machine&apos;s advice</source>
        <translation>Mit den Tipps des Automaten</translation>
    </message>
    <message>
        <source>With %1 played well</source>
        <extracomment>%1 is the game&apos;s stock: &quot;holds&quot;, &quot;nudges&quot;.</extracomment>
        <translation>%1 gut gespielt</translation>
    </message>
</context>
<context>
    <name>PictureChecks</name>
    <message>
        <source>This program is optimized for at least 16-bit color.  The graphics may be distorted with your current display settings.</source>
        <translation>Dieses Programm ist für mindestens 16 Bit Farbtiefe ausgelegt. Mit Ihren aktuellen Anzeigeeinstellungen kann die Grafik verzerrt erscheinen.</translation>
    </message>
    <message>
        <source>Missing a file (%1.bmp).  Program will close.</source>
        <translation>Eine Datei fehlt (%1.bmp). Das Programm wird beendet.</translation>
    </message>
    <message>
        <source>There are BMP files missing which may cause this program to not function properly!</source>
        <translation>Es fehlen BMP-Dateien, daher funktioniert dieses Programm möglicherweise nicht richtig!</translation>
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
        <translation>Auszahlungsquote des Automaten auf lange Sicht</translation>
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
    <name>SpinCommand</name>
    <message>
        <source>No bet was placed!</source>
        <translation>Es wurde kein Einsatz gesetzt!</translation>
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
<context>
    <name>TrayNotes</name>
    <message>
        <source>Win</source>
        <extracomment>The coin tray&apos;s heading over the win being paid (a noun).</extracomment>
        <translation>Gewinn</translation>
    </message>
</context>
<context>
    <name>VolumeWindow</name>
    <message>
        <source>%1 %</source>
        <extracomment>A volume in percent.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Sound effects volume</source>
        <translation>Lautstärke der Toneffekte</translation>
    </message>
    <message>
        <source>Music volume</source>
        <translation>Lautstärke der Musik</translation>
    </message>
    <message>
        <source>Sound &amp;effects:</source>
        <translation>&amp;Toneffekte:</translation>
    </message>
    <message>
        <source>&amp;Music:</source>
        <translation>&amp;Musik:</translation>
    </message>
</context>
<context>
    <name>WinDisplay</name>
    <message>
        <source>BIG WIN</source>
        <translation>GROSSER GEWINN</translation>
    </message>
</context>
<context>
    <name>WinShow</name>
    <message>
        <source>Line win</source>
        <translation>Liniengewinn</translation>
    </message>
    <message>
        <source>(+%1 more)</source>
        <extracomment>After the best win: how many other lines paid too.</extracomment>
        <translation>(+%1 weitere)</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>Before the amount won, when no single line tells the win (a noun).</extracomment>
        <translation>Gewinn</translation>
    </message>
</context>
</TS>
