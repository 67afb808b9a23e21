<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
