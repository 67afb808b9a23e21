<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>GamepadMapping</name>
    <message>
        <source>Spin</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Press or choose</source>
        <translation>Pulsar o elegir</translation>
    </message>
    <message>
        <source>Cancel or close</source>
        <translation>Cancelar o cerrar</translation>
    </message>
    <message>
        <source>Bet 1</source>
        <translation>Apostar 1</translation>
    </message>
    <message>
        <source>Bet max</source>
        <translation>Apuesta máx.</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>Cruceta izquierda</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>Cruceta arriba</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>Cruceta derecha</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>Cruceta abajo</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Previous field</source>
        <translation>Campo anterior</translation>
    </message>
    <message>
        <source>Next field</source>
        <translation>Campo siguiente</translation>
    </message>
    <message>
        <source>Open the menu</source>
        <translation>Abrir el menú</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Window help</source>
        <translation>Ayuda de ventana</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Juego automático</translation>
    </message>
    <message>
        <source>Quick spin on or off</source>
        <translation>Giro rápido sí/no</translation>
    </message>
    <message>
        <source>Left stick press</source>
        <translation>Pulsar el stick izquierdo</translation>
    </message>
    <message>
        <source>Game history</source>
        <translation>Historial de partida</translation>
    </message>
    <message>
        <source>Right stick press</source>
        <translation>Pulsar el stick derecho</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
</context>
<context>
    <name>GamepadPicture</name>
    <message>
        <source>L stick</source>
        <translation>Stick I</translation>
    </message>
    <message>
        <source>R stick</source>
        <translation>Stick D</translation>
    </message>
</context>
<context>
    <name>GamepadTable</name>
    <message>
        <source>%1; %2 on the machine</source>
        <translation>%1; %2 en la máquina</translation>
    </message>
    <message>
        <source>%1; %2 in a menu or text field</source>
        <translation>%1; %2 en un menú o campo de texto</translation>
    </message>
    <message>
        <source>Hold reel 1</source>
        <translation>Retener rodillo 1</translation>
    </message>
    <message>
        <source>Hold reel 2</source>
        <translation>Retener rodillo 2</translation>
    </message>
    <message>
        <source>Hold reel 3</source>
        <translation>Retener rodillo 3</translation>
    </message>
    <message>
        <source>Nudge reel 1</source>
        <translation>Empujar rodillo 1</translation>
    </message>
    <message>
        <source>Nudge reel 2</source>
        <translation>Empujar rodillo 2</translation>
    </message>
    <message>
        <source>Nudge reel 3</source>
        <translation>Empujar rodillo 3</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Botón</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>On the machine</source>
        <translation>En la máquina</translation>
    </message>
    <message>
        <source>In a window or menu</source>
        <translation>En una ventana o menú</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The manual %1 could not be found.</source>
        <translation>No se encontró el manual %1.</translation>
    </message>
    <message>
        <source>The manual %1 could not be read.</source>
        <translation>No se pudo leer el manual %1.</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <extracomment>The help window&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Índice</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>No web browser could be started to show %1.</source>
        <translation>No se pudo abrir ningún navegador web para mostrar %1.</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Payline</source>
        <comment>the pay table&apos;s first column: the symbols a line pays for</comment>
        <translation>Línea de pago</translation>
    </message>
    <message>
        <source>Each active line</source>
        <translation>Por línea activa</translation>
    </message>
    <message>
        <source>1 coin</source>
        <translation>1 moneda</translation>
    </message>
    <message>
        <source>%1 coins</source>
        <translation>%1 monedas</translation>
    </message>
    <message>
        <source>Bonus game</source>
        <translation>Juego de bonificación</translation>
    </message>
    <message>
        <source>never</source>
        <comment>how often a win comes: once in ... spins, or never</comment>
        <translation>nunca</translation>
    </message>
    <message>
        <source>%1 spins</source>
        <comment>once in so many spins (%1 is a number, or the word for never)</comment>
        <translation>%1 tiradas</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>an exact return</comment>
        <translation>%1&amp;nbsp;%</translation>
    </message>
    <message>
        <source>about %1%</source>
        <comment>an estimated return</comment>
        <translation>aprox. %1&amp;nbsp;%</translation>
    </message>
    <message>
        <source>Pays back</source>
        <comment>the return of a game that spends no holds or nudges</comment>
        <translation>Porcentaje de retorno</translation>
    </message>
    <message>
        <source>With the machine&apos;s advice</source>
        <translation>Con los consejos de la máquina</translation>
    </message>
    <message>
        <source>With %1 played well</source>
        <comment>%1: the game&apos;s holds or nudges</comment>
        <translation>Con buen uso de %1</translation>
    </message>
    <message>
        <source>Over a long run of play, this is what the machine gives back for every credit you bet, and how often good things happen:</source>
        <translation>A la larga, esto es lo que la máquina te devuelve por cada crédito que apuestas, y con qué frecuencia pasan cosas buenas:</translation>
    </message>
    <message>
        <source>Coins bet</source>
        <translation>Monedas apostadas</translation>
    </message>
    <message>
        <source>A winning line, once in</source>
        <translation>Una línea ganadora, una vez cada</translation>
    </message>
    <message>
        <source>The bonus game, once in</source>
        <translation>El juego de bonificación, una vez cada</translation>
    </message>
    <message>
        <source>How often each line of the pay table comes up on a line you play, on average:</source>
        <translation>Con qué frecuencia sale, de media, cada fila de la tabla de premios en una línea que juegas:</translation>
    </message>
    <message>
        <source>Once in</source>
        <translation>Una vez cada</translation>
    </message>
    <message>
        <source>1 coin: once in</source>
        <translation>1 moneda: una vez cada</translation>
    </message>
    <message>
        <source>%1 coins: once in</source>
        <translation>%1 monedas: una vez cada</translation>
    </message>
    <message>
        <source>, with the bonus points carried from spin to spin</source>
        <comment>added to the end of the sentence &apos;These figures are exact...&apos;</comment>
        <translation>, con los puntos de bonificación pasando de una tirada a la siguiente</translation>
    </message>
    <message>
        <source>These figures are exact where they do not say &amp;ldquo;about&amp;rdquo;: they come from playing every one of the %1 ways the three reels can stop through the machine&apos;s own rules%2.</source>
        <comment>%2: nothing, or the words about bonus points carried from spin to spin</comment>
        <translation>Estas cifras son exactas donde no dicen &amp;laquo;aprox.&amp;raquo;: salen de jugar, con las propias reglas de la máquina, cada una de las %1 maneras en que pueden pararse los tres rodillos%2.</translation>
    </message>
    <message>
        <source>These figures are exact, not guessed: they come from playing every one of the %1 ways the three reels can stop through the machine&apos;s own rules%2.</source>
        <comment>%2: nothing, or the words about bonus points carried from spin to spin</comment>
        <translation>Estas cifras son exactas, no estimadas: salen de jugar, con las propias reglas de la máquina, cada una de las %1 maneras en que pueden pararse los tres rodillos%2.</translation>
    </message>
    <message>
        <source>A bonus game is counted at its average prize, %1 credits for a box opened at random.</source>
        <translation>Cada juego de bonificación cuenta por su premio medio, %1 créditos por una caja abierta al azar.</translation>
    </message>
    <message>
        <source>&amp;ldquo;Pays back&amp;rdquo; counts no %1 spent.</source>
        <comment>%1: the game&apos;s holds or nudges</comment>
        <translation>&amp;laquo;Porcentaje de retorno&amp;raquo; no cuenta el gasto de %1.</translation>
    </message>
    <message>
        <source>&amp;ldquo;With the machine&apos;s advice&amp;rdquo; spends them after each losing spin as Show Advice advises</source>
        <comment>first half of a sentence; &apos;Show Advice&apos; is the menu item</comment>
        <translation>&amp;laquo;Con los consejos de la máquina&amp;raquo; hace tras cada tirada perdedora lo que aconseja Mostrar consejos</translation>
    </message>
    <message>
        <source>&amp;ldquo;With %1 played well&amp;rdquo; spends them after each losing spin as a careful player would</source>
        <comment>first half of a sentence; %1: the game&apos;s holds or nudges</comment>
        <translation>&amp;laquo;Con buen uso de %1&amp;raquo; juega tras cada tirada perdedora como lo haría un jugador cuidadoso</translation>
    </message>
    <message>
        <source>it is an estimate from %1 simulated spins, give or take about %2 points.</source>
        <comment>second half of a sentence, after a semicolon</comment>
        <translation>es una estimación a partir de %1 tiradas simuladas, con un margen de unos %2 puntos.</translation>
    </message>
    <message>
        <source>it is exact as long as you have %1 left, and such play earns more of them than it spends.</source>
        <comment>second half of a sentence, after a semicolon; %1: the game&apos;s holds or nudges</comment>
        <translation>es exacto mientras te queden %1, y ese juego consigue más de lo que gasta.</translation>
    </message>
    <message>
        <source>it is exact as long as you have %1 left, and such play spends more of them than it earns, so a long session pays back less.</source>
        <comment>second half of a sentence, after a semicolon; %1: the game&apos;s holds or nudges</comment>
        <translation>es exacto mientras te queden %1, y ese juego gasta más de lo que consigue, así que una sesión larga devuelve menos.</translation>
    </message>
    <message>
        <source>Any single session can run well above or below them: that is the luck of the reels.</source>
        <translation>Cualquier sesión puede quedar muy por encima o por debajo: es la suerte de los rodillos.</translation>
    </message>
</context>
<context>
    <name>PayChartWindow</name>
    <message>
        <source>Payoff Chart</source>
        <translation>Tabla de premios</translation>
    </message>
    <message>
        <source>The pay chart picture %1 could not be found.</source>
        <translation>No se encontró la imagen de la tabla de premios %1.</translation>
    </message>
    <message>
        <source>The pay chart picture %1 could not be read: %2.</source>
        <extracomment>%1 is the picture&apos;s file, %2 what went wrong.</extracomment>
        <translation>No se pudo leer la imagen de la tabla de premios %1: %2.</translation>
    </message>
</context>
</TS>
