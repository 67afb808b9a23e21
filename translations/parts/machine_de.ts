<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>nicht genug Credits für den Einsatz</translation>
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
        <translation>Sie haben keine %1 Credits!</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Sie können nicht mehr Credits zurückzahlen, als Sie geliehen haben!</translation>
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
    <name>MusicRing</name>
    <message>
        <source>Unable to play the music track %1: %2</source>
        <translation>Das Musikstück %1 kann nicht abgespielt werden: %2</translation>
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
    <name>SpinCommand</name>
    <message>
        <source>No bet was placed!</source>
        <translation>Es wurde kein Einsatz gesetzt!</translation>
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
