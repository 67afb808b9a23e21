<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Autoplay</name>
    <message>
        <source>all spins played</source>
        <translation>todas las tiradas jugadas</translation>
    </message>
    <message>
        <source>credits below your limit</source>
        <translation>créditos por debajo de tu límite</translation>
    </message>
    <message>
        <source>a big win</source>
        <translation>un gran premio</translation>
    </message>
    <message>
        <source>a bonus game</source>
        <translation>un juego de bonificación</translation>
    </message>
    <message>
        <source>not enough credits for the bet</source>
        <translation>no hay créditos suficientes para la apuesta</translation>
    </message>
    <message>
        <source>stopped by you</source>
        <translation>detenido por ti</translation>
    </message>
    <message>
        <source>the game is closing</source>
        <translation>el juego se está cerrando</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Juego automático</translation>
    </message>
    <message>
        <source>%1 spin left</source>
        <translation>queda %1 tirada</translation>
    </message>
    <message>
        <source>%1 spins left</source>
        <translation>quedan %1 tiradas</translation>
    </message>
    <message>
        <source>Autoplay stopped</source>
        <translation>Juego automático detenido</translation>
    </message>
</context>
<context>
    <name>AutoplayWindow</name>
    <message>
        <source>never</source>
        <extracomment>Shown in an empty limit: autoplay never stops for it.</extracomment>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Juego automático</translation>
    </message>
    <message>
        <source>Stop when a &amp;bonus game opens</source>
        <translation>Parar al empezar un &amp;juego de bonificación</translation>
    </message>
    <message>
        <source>Follow the machine&apos;s &amp;advice on holds and nudges</source>
        <translation>Seguir los &amp;consejos de la máquina sobre retenciones y empujones</translation>
    </message>
    <message>
        <source>Number of &amp;spins:</source>
        <translation>&amp;Número de tiradas:</translation>
    </message>
    <message>
        <source>Stop when credits fall &amp;below:</source>
        <translation>Parar si los créditos &amp;bajan de:</translation>
    </message>
    <message>
        <source>Stop after a single &amp;win of:</source>
        <translation>Parar tras un solo &amp;premio de:</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The button that starts autoplay.</extracomment>
        <translation>Empezar</translation>
    </message>
</context>
<context>
    <name>Betting</name>
    <message>
        <source>You are out of credits...better borrow some!</source>
        <translation>Te has quedado sin créditos... ¡mejor pide algunos prestados!</translation>
    </message>
</context>
<context>
    <name>BonusAccessible</name>
    <message>
        <source>Box %1</source>
        <translation>Caja %1</translation>
    </message>
</context>
<context>
    <name>BonusWindow</name>
    <message>
        <source>Click on one of the Boxes!</source>
        <translation>¡Haz clic en una de las cajas!</translation>
    </message>
</context>
<context>
    <name>BoxAward</name>
    <message>
        <source>%1 Credits!</source>
        <translation>¡%1 créditos!</translation>
    </message>
</context>
<context>
    <name>LoanDesk</name>
    <message>
        <source>There is nothing to borrow.</source>
        <translation>No hay nada que pedir prestado.</translation>
    </message>
    <message>
        <source>The machine cannot hold that many credits. Pay some back first!</source>
        <translation>La máquina no puede guardar tantos créditos. ¡Devuelve algunos primero!</translation>
    </message>
    <message>
        <source>There is nothing to pay back.</source>
        <translation>No hay nada que devolver.</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>¡No tienes %1 créditos!</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>¡No puedes devolver más créditos de los que has pedido prestados!</translation>
    </message>
</context>
<context>
    <name>MachineAccessibility</name>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Monedas</translation>
    </message>
    <message>
        <source>Winnings</source>
        <translation>Ganancias</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The machine&apos;s button that spins the reels.</extracomment>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Bet 1</source>
        <translation>Apostar 1</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <translation>Apostar %1</translation>
    </message>
    <message>
        <source>%1 reel %2</source>
        <extracomment>A button over one reel: %1 is what it does to the reel (&quot;Hold&quot;, &quot;Nudge&quot;), %2 the reel&apos;s number.</extracomment>
        <translation>Rodillo %2: %1</translation>
    </message>
    <message>
        <source>Reel %1</source>
        <translation>Rodillo %1</translation>
    </message>
</context>
<context>
    <name>MachineDisplay</name>
    <message>
        <source>Coins</source>
        <translation>Monedas</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Winnings</source>
        <translation>Ganancias</translation>
    </message>
</context>
<context>
    <name>MachineMenu</name>
    <message>
        <source>Distributed by Brightplay Games</source>
        <translation>Distribuido por Brightplay Games</translation>
    </message>
    <message>
        <source>© 2026 Brightplay Games. All rights reserved.</source>
        <translation>© 2026 Brightplay Games. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>Partida &amp;nueva</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Abrir partida</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Guardar partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>&amp;Volume…</source>
        <translation>&amp;Volumen…</translation>
    </message>
    <message>
        <source>&amp;Quick Spin</source>
        <translation>&amp;Giro rápido</translation>
    </message>
    <message>
        <source>&amp;Autoplay…</source>
        <translation>&amp;Juego automático…</translation>
    </message>
    <message>
        <source>&amp;Borrow</source>
        <translation>&amp;Pedir prestado</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>Game &amp;History</source>
        <translation>&amp;Historial de partida</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <translation>&amp;Tabla de premios</translation>
    </message>
    <message>
        <source>Show &amp;Advice</source>
        <translation>Mostrar &amp;consejos</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>Pantalla co&amp;mpleta</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>&amp;%1 Manual</source>
        <extracomment>The Help menu&apos;s item that opens the game&apos;s manual; %1 is the game&apos;s name.</extracomment>
        <translation>&amp;Manual de %1</translation>
    </message>
    <message>
        <source>&amp;Brightplay Homepage</source>
        <translation>&amp;Página de Brightplay</translation>
    </message>
    <message>
        <source>&amp;Company Information</source>
        <translation>&amp;Información de la empresa</translation>
    </message>
    <message>
        <source>Version:  %1</source>
        <translation>Versión:  %1</translation>
    </message>
</context>
<context>
    <name>MusicRing</name>
    <message>
        <source>Unable to play the music track %1: %2</source>
        <translation>No se puede reproducir la pista de música %1: %2</translation>
    </message>
</context>
<context>
    <name>PictureChecks</name>
    <message>
        <source>This program is optimized for at least 16-bit color.  The graphics may be distorted with your current display settings.</source>
        <translation>Este programa está optimizado para al menos 16 bits de color. Con tu configuración de pantalla actual, los gráficos pueden verse distorsionados.</translation>
    </message>
    <message>
        <source>Missing a file (%1.bmp).  Program will close.</source>
        <translation>Falta un archivo (%1.bmp). El programa se cerrará.</translation>
    </message>
    <message>
        <source>There are BMP files missing which may cause this program to not function properly!</source>
        <translation>¡Faltan archivos BMP, así que es posible que este programa no funcione correctamente!</translation>
    </message>
</context>
<context>
    <name>SpinCommand</name>
    <message>
        <source>No bet was placed!</source>
        <translation>¡No has hecho ninguna apuesta!</translation>
    </message>
</context>
<context>
    <name>TrayNotes</name>
    <message>
        <source>Win</source>
        <extracomment>The coin tray&apos;s heading over the win being paid (a noun).</extracomment>
        <translation>Premio</translation>
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
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Sound effects volume</source>
        <translation>Volumen de los efectos de sonido</translation>
    </message>
    <message>
        <source>Music volume</source>
        <translation>Volumen de la música</translation>
    </message>
    <message>
        <source>Sound &amp;effects:</source>
        <translation>&amp;Efectos de sonido:</translation>
    </message>
    <message>
        <source>&amp;Music:</source>
        <translation>&amp;Música:</translation>
    </message>
</context>
<context>
    <name>WinDisplay</name>
    <message>
        <source>BIG WIN</source>
        <translation>¡GRAN PREMIO!</translation>
    </message>
</context>
<context>
    <name>WinShow</name>
    <message>
        <source>Line win</source>
        <translation>Premio de línea</translation>
    </message>
    <message>
        <source>(+%1 more)</source>
        <extracomment>After the best win: how many other lines paid too.</extracomment>
        <translation>(+%1 más)</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>Before the amount won, when no single line tells the win (a noun).</extracomment>
        <translation>Premio</translation>
    </message>
</context>
</TS>
