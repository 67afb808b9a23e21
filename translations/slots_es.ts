<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>EmberpeakEvaluation</name>
    <message>
        <source>%1 Nudges!</source>
        <extracomment>the bonus game&apos;s prize of nudges, at least 2</extracomment>
        <translation>¡%1 empujones!</translation>
    </message>
    <message>
        <source>%1 Credits!</source>
        <extracomment>the bonus game&apos;s prize of credits</extracomment>
        <translation>¡%1 créditos!</translation>
    </message>
</context>
<context>
    <name>EmberpeakExtras</name>
    <message>
        <source>%1 or %2</source>
        <extracomment>the last of a list of prizes: &quot;250, 100, 50 or 25&quot;</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Wild</source>
        <translation>Comodín</translation>
    </message>
    <message>
        <source>Right reel only</source>
        <translation>Solo rodillo derecho</translation>
    </message>
    <message>
        <source>Stands in for any symbol there. Alone it pays your bet back.</source>
        <translation>Allí sustituye a cualquier símbolo. Solo, te devuelve la apuesta.</translation>
    </message>
    <message>
        <source>On the payline it glows, and earns a nudge.</source>
        <translation>En la línea de pago brilla y gana un empujón.</translation>
    </message>
    <message>
        <source>Bonus game</source>
        <translation>Juego de bonificación</translation>
    </message>
    <message>
        <source>or</source>
        <extracomment>between the three bonus symbols and the wild symbol on the right reel</extracomment>
        <translation>o</translation>
    </message>
    <message>
        <source>on the right</source>
        <translation>a la derecha</translation>
    </message>
    <message>
        <source>Open one of eight boxes: %1 credits, two nudges for every coin bet, or nothing.</source>
        <translation>Abre una de ocho cajas: %1 créditos, dos empujones por cada moneda apostada o nada.</translation>
    </message>
    <message>
        <source>Nudges</source>
        <translation>Empujones</translation>
    </message>
    <message>
        <source>After a losing spin the NUDGE buttons blink: each press moves its reel down one stop, and the line pays again. A new game holds %1.</source>
        <translation>Tras una tirada sin premio parpadean los botones NUDGE: cada pulsación baja su rodillo una posición y la línea vuelve a pagar. Una partida nueva tiene %1.</translation>
    </message>
</context>
<context>
    <name>GameText</name>
    <message>
        <source>nudges</source>
        <translation>empujones</translation>
    </message>
    <message>
        <source>Three Volcanoes</source>
        <translation>Tres volcanes</translation>
    </message>
    <message>
        <source>Three Fire Crystals</source>
        <translation>Tres cristales de fuego</translation>
    </message>
    <message>
        <source>Three Helicopters</source>
        <translation>Tres helicópteros</translation>
    </message>
    <message>
        <source>Three Flares</source>
        <translation>Tres bengalas</translation>
    </message>
    <message>
        <source>Three Ropes</source>
        <translation>Tres cuerdas</translation>
    </message>
    <message>
        <source>Three Compasses</source>
        <translation>Tres brújulas</translation>
    </message>
    <message>
        <source>Three Ice Crystals</source>
        <translation>Tres cristales de hielo</translation>
    </message>
    <message>
        <source>Three Lava Rocks</source>
        <translation>Tres rocas de lava</translation>
    </message>
    <message>
        <source>Three SOS Bonus signs</source>
        <translation>Tres señales SOS de bonificación</translation>
    </message>
    <message>
        <source>Wild on the right reel</source>
        <translation>Comodín en el rodillo derecho</translation>
    </message>
    <message>
        <source>Volcano</source>
        <translation>Volcán</translation>
    </message>
    <message>
        <source>Fire Crystal</source>
        <translation>Cristal de fuego</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helicóptero</translation>
    </message>
    <message>
        <source>Flare</source>
        <translation>Bengala</translation>
    </message>
    <message>
        <source>Rope</source>
        <translation>Cuerda</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Brújula</translation>
    </message>
    <message>
        <source>Ice Crystal</source>
        <translation>Cristal de hielo</translation>
    </message>
    <message>
        <source>Lava Rock</source>
        <translation>Roca de lava</translation>
    </message>
    <message>
        <source>SOS Bonus sign</source>
        <translation>Señal SOS de bonificación</translation>
    </message>
    <message>
        <source>Wild</source>
        <translation>Comodín</translation>
    </message>
    <message>
        <source>Nudge</source>
        <extracomment>what pressing a nudge button does to its reel</extracomment>
        <translation>Empujar</translation>
    </message>
    <message>
        <source>Three Nuggets</source>
        <translation>Tres pepitas</translation>
    </message>
    <message>
        <source>Three Ingots</source>
        <translation>Tres lingotes</translation>
    </message>
    <message>
        <source>Any two Nuggets</source>
        <translation>Dos pepitas cualesquiera</translation>
    </message>
    <message>
        <source>Three Ore Carts</source>
        <translation>Tres vagonetas</translation>
    </message>
    <message>
        <source>Three Lanterns</source>
        <translation>Tres faroles</translation>
    </message>
    <message>
        <source>Three Pickaxes</source>
        <translation>Tres picos</translation>
    </message>
    <message>
        <source>Any mix of Ore Carts, Lanterns and Pickaxes</source>
        <translation>Cualquier mezcla de vagonetas, faroles y picos</translation>
    </message>
    <message>
        <source>Any one Nugget</source>
        <translation>Una pepita cualquiera</translation>
    </message>
    <message>
        <source>Nugget</source>
        <translation>Pepita</translation>
    </message>
    <message>
        <source>Ingot</source>
        <translation>Lingote</translation>
    </message>
    <message>
        <source>Ore Cart</source>
        <translation>Vagoneta</translation>
    </message>
    <message>
        <source>Lantern</source>
        <translation>Farol</translation>
    </message>
    <message>
        <source>Pickaxe</source>
        <translation>Pico</translation>
    </message>
    <message>
        <source>Ore Cart with an Up arrow</source>
        <translation>Vagoneta con flecha hacia arriba</translation>
    </message>
    <message>
        <source>Lantern with an Up arrow</source>
        <translation>Farol con flecha hacia arriba</translation>
    </message>
    <message>
        <source>Pickaxe with an Up arrow</source>
        <translation>Pico con flecha hacia arriba</translation>
    </message>
    <message>
        <source>Ore Cart with a Down arrow</source>
        <translation>Vagoneta con flecha hacia abajo</translation>
    </message>
    <message>
        <source>Lantern with a Down arrow</source>
        <translation>Farol con flecha hacia abajo</translation>
    </message>
    <message>
        <source>Pickaxe with a Down arrow</source>
        <translation>Pico con flecha hacia abajo</translation>
    </message>
    <message>
        <source>Ore Cart with a 3 star</source>
        <extracomment>a symbol with a badge worth 3 bonus points</extracomment>
        <translation>Vagoneta con estrella de 3</translation>
    </message>
    <message>
        <source>Lantern with a 2 star</source>
        <extracomment>a symbol with a badge worth 2 bonus points</extracomment>
        <translation>Farol con estrella de 2</translation>
    </message>
    <message>
        <source>Pickaxe with a 1 star</source>
        <extracomment>a symbol with a badge worth 1 bonus point</extracomment>
        <translation>Pico con estrella de 1</translation>
    </message>
    <message>
        <source>Dynamite</source>
        <translation>Dinamita</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Vacío</translation>
    </message>
    <message>
        <source>holds</source>
        <translation>retenciones</translation>
    </message>
    <message>
        <source>Three Wilds</source>
        <translation>Tres comodines</translation>
    </message>
    <message>
        <source>Three Horses</source>
        <translation>Tres caballos</translation>
    </message>
    <message>
        <source>Three Dogs</source>
        <translation>Tres perros</translation>
    </message>
    <message>
        <source>Three Pigs</source>
        <translation>Tres cerdos</translation>
    </message>
    <message>
        <source>Three Cats</source>
        <translation>Tres gatos</translation>
    </message>
    <message>
        <source>Three Rabbits</source>
        <translation>Tres conejos</translation>
    </message>
    <message>
        <source>Three Roosters</source>
        <translation>Tres gallos</translation>
    </message>
    <message>
        <source>Three Fish</source>
        <translation>Tres peces</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Caballo</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Perro</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Cerdo</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Gato</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Conejo</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Gallo</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Pez</translation>
    </message>
    <message>
        <source>Wild in a gold ring</source>
        <translation>Comodín en un aro dorado</translation>
    </message>
    <message>
        <source>Horse in a gold ring</source>
        <translation>Caballo en un aro dorado</translation>
    </message>
    <message>
        <source>Dog in a gold ring</source>
        <translation>Perro en un aro dorado</translation>
    </message>
    <message>
        <source>Pig in a gold ring</source>
        <translation>Cerdo en un aro dorado</translation>
    </message>
    <message>
        <source>Cat in a gold ring</source>
        <translation>Gato en un aro dorado</translation>
    </message>
    <message>
        <source>Rabbit in a gold ring</source>
        <translation>Conejo en un aro dorado</translation>
    </message>
    <message>
        <source>Rooster in a gold ring</source>
        <translation>Gallo en un aro dorado</translation>
    </message>
    <message>
        <source>Fish in a gold ring</source>
        <translation>Pez en un aro dorado</translation>
    </message>
    <message>
        <source>Hold</source>
        <extracomment>what pressing a hold lamp does to its reel</extracomment>
        <translation>Retener</translation>
    </message>
</context>
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
    <name>NudgeCount</name>
    <message>
        <source>Nudges</source>
        <translation>Empujones</translation>
    </message>
</context>
<context>
    <name>OreveinExtras</name>
    <message>
        <source>Up and Down</source>
        <translation>Arriba y abajo</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Below the payline, moves its reel up one step.</source>
        <translation>Bajo la línea de pago, sube su rodillo una posición.</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Above the payline, moves its reel down one step.</source>
        <translation>Sobre la línea de pago, baja su rodillo una posición.</translation>
    </message>
    <message>
        <source>Bonus points</source>
        <translation>Puntos de bonificación</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 punto</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>Score them on the payline: %1 points open the bonus game!</source>
        <translation>Consíguelos en la línea de pago: ¡%1 puntos abren el juego de bonificación!</translation>
    </message>
    <message>
        <source>Dynamite</source>
        <translation>Dinamita</translation>
    </message>
    <message>
        <source>Look out!</source>
        <translation>¡Cuidado!</translation>
    </message>
    <message>
        <source>On the payline it empties the bonus meter.</source>
        <translation>En la línea de pago vacía el contador de bonificación.</translation>
    </message>
</context>
<context>
    <name>PawlaneBonus</name>
    <message>
        <source>%1 Holds!</source>
        <extracomment>the bonus game&apos;s prize of holds, at least 2</extracomment>
        <translation>¡%1 retenciones!</translation>
    </message>
</context>
<context>
    <name>PawlaneExtras</name>
    <message>
        <source>1st coin: middle line</source>
        <translation>1.ª moneda: centro</translation>
    </message>
    <message>
        <source>2nd coin: top line</source>
        <translation>2.ª moneda: arriba</translation>
    </message>
    <message>
        <source>3rd coin: bottom line</source>
        <translation>3.ª moneda: abajo</translation>
    </message>
    <message>
        <source>Wild</source>
        <translation>Comodín</translation>
    </message>
    <message>
        <source>Three pay %1</source>
        <translation>Tres pagan %1</translation>
    </message>
    <message>
        <source>It stands in for every other symbol on a line.</source>
        <translation>Sustituye a cualquier otro símbolo en una línea.</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Every open line is paid on its own, and the wins add up.</source>
        <translation>Cada línea abierta paga por separado y los premios se suman.</translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>Retenciones</translation>
    </message>
    <message>
        <source>After a losing spin the HOLD lamps blink: click up to two, and those reels stay still on the next spin.</source>
        <translation>Tras una tirada sin premio parpadean las luces HOLD: pulsa hasta dos y esos rodillos no girarán en la siguiente tirada.</translation>
    </message>
    <message>
        <source>Marked stops</source>
        <translation>Casillas marcadas</translation>
    </message>
    <message>
        <source>3 points</source>
        <translation>3 puntos</translation>
    </message>
    <message>
        <source>2 points</source>
        <translation>2 puntos</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 punto</translation>
    </message>
    <message>
        <source>Meter reset</source>
        <translation>Contador a 0</translation>
    </message>
    <message>
        <source>+1 hold</source>
        <translation>+1 retención</translation>
    </message>
    <message>
        <source>They count on the row of an open line.</source>
        <translation>Cuentan en la fila de una línea abierta.</translation>
    </message>
    <message>
        <source>Bonus game</source>
        <translation>Bonificación</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>the last of a list of prizes: &quot;250, 100 or 50&quot;</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1 points open it: pick one of %2 animal boxes. %3 hold %4 credits, %5 hold 2 holds for each coin bet, %6 are empty.</source>
        <translation>%1 puntos lo abren: elige una de %2 cajas de animales. %3 tienen %4 créditos, %5 tienen 2 retenciones por cada moneda apostada y %6 están vacías.</translation>
    </message>
</context>
<context>
    <name>PawlaneGame</name>
    <message>
        <source>Holds</source>
        <extracomment>the caption over the meter of holds left, on the machine</extracomment>
        <translation>Retenciones</translation>
    </message>
</context>
<context>
    <name>PayChart</name>
    <message>
        <source>ANY</source>
        <extracomment>the mark drawn where a reel may show any other symbol, in a symbol&apos;s small square</extracomment>
        <translation>OTRO</translation>
    </message>
    <message>
        <source>PAYOFF CHART</source>
        <translation>TABLA DE PREMIOS</translation>
    </message>
    <message>
        <source>EACH LINE</source>
        <extracomment>under &quot;PAYS&quot;, the heading of the one column of a game whose coins open lines</extracomment>
        <translation>POR LÍNEA</translation>
    </message>
    <message>
        <source>COIN</source>
        <extracomment>a column heading under the number 1: the pays for one coin bet</extracomment>
        <translation>MONEDA</translation>
    </message>
    <message>
        <source>COINS</source>
        <extracomment>a column heading under a number of coins bet (2 to 5)</extracomment>
        <translation>MONEDAS</translation>
    </message>
    <message>
        <source>PAYS</source>
        <extracomment>over &quot;EACH LINE&quot;: the column of what a line pays</extracomment>
        <translation>PAGA</translation>
    </message>
    <message>
        <source>WINNING LINE</source>
        <extracomment>the heading over the column of symbols that a line shows to win</extracomment>
        <translation>COMBINACIÓN</translation>
    </message>
    <message>
        <source>BONUS</source>
        <extracomment>in the pay column of the rule that starts the bonus game</extracomment>
        <translation>BONO</translation>
    </message>
    <message>
        <source>any other symbol</source>
        <extracomment>the legend of the mark drawn where a reel may show any symbol but the row&apos;s own</extracomment>
        <translation>cualquier otro símbolo</translation>
    </message>
    <message>
        <source>wild: stands in for them</source>
        <extracomment>the legend of the wild symbol&apos;s small picture: it stands in for the symbols of the rows</extracomment>
        <translation>comodín: los sustituye</translation>
    </message>
    <message>
        <source>Different symbols: any mix of them pays</source>
        <translation>Distintos: cualquier mezcla paga</translation>
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
