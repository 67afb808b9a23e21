<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Beliebige Mischung aus Erzloren, Laternen und Spitzhacken</translation>
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
</TS>
