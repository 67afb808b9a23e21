<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Autoplay</name>
    <message>
        <source>all spins played</source>
        <translation>tiradas completadas</translation>
    </message>
    <message>
        <source>credits below your limit</source>
        <translation>créditos bajo tu límite</translation>
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
        <translation>faltan créditos para la apuesta</translation>
    </message>
    <message>
        <source>stopped by you</source>
        <translation>detenido por ti</translation>
    </message>
    <message>
        <source>the game is closing</source>
        <translation>el juego se cierra</translation>
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
        <translation>Automático detenido</translation>
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
    <name>CreditsChart</name>
    <message>
        <source>No plays yet in this game</source>
        <translation>Aún no hay jugadas en esta partida</translation>
    </message>
    <message>
        <source>plays, oldest first</source>
        <extracomment>Under the chart&apos;s axis of plays.</extracomment>
        <translation>jugadas, la más antigua primero</translation>
    </message>
</context>
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
    <name>GameHistoryWindow</name>
    <message>
        <source>held</source>
        <extracomment>Under a reel: what kept or moved it.</extracomment>
        <translation>retenido</translation>
    </message>
    <message>
        <source>moved up</source>
        <translation>subido</translation>
    </message>
    <message>
        <source>moved down</source>
        <translation>bajado</translation>
    </message>
    <message>
        <source>nudged</source>
        <translation>empujado</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Historial de partida</translation>
    </message>
    <message>
        <source>&amp;First</source>
        <extracomment>Shows the newest play.</extracomment>
        <translation>&amp;Primera</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Last</source>
        <extracomment>Shows the oldest play kept.</extracomment>
        <translation>Ú&amp;ltima</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The newest play (Home)</source>
        <translation>La jugada más reciente (Inicio)</translation>
    </message>
    <message>
        <source>The next newer play (Left)</source>
        <translation>La siguiente jugada más reciente (Izquierda)</translation>
    </message>
    <message>
        <source>The next older play (Right)</source>
        <translation>La siguiente jugada más antigua (Derecha)</translation>
    </message>
    <message>
        <source>The oldest play kept (End)</source>
        <translation>La jugada más antigua guardada (Fin)</translation>
    </message>
    <message>
        <source>Play %1 of %2: the only one so far</source>
        <translation>Jugada %1 de %2: la única hasta ahora</translation>
    </message>
    <message>
        <source>Play %1 of %2: the newest</source>
        <translation>Jugada %1 de %2: la más reciente</translation>
    </message>
    <message>
        <source>Play %1 of %2: the oldest kept</source>
        <translation>Jugada %1 de %2: la más antigua guardada</translation>
    </message>
    <message>
        <source>Play %1 of %2, counted from the newest</source>
        <translation>Jugada %1 de %2, contando desde la más reciente</translation>
    </message>
    <message>
        <source>No plays yet in this game.</source>
        <translation>Aún no hay jugadas en esta partida.</translation>
    </message>
    <message>
        <source>The plays of this game show here once it has been played: up to the last %1, newest first.</source>
        <translation>Las jugadas de esta partida aparecerán aquí en cuanto juegues: hasta las últimas %1, la más reciente primero.</translation>
    </message>
    <message>
        <source>pays
%1</source>
        <translation>paga
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
        <translation>Mezcla de vagonetas, faroles y picos</translation>
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
        <translation>&amp;Contenido</translation>
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
        <translation>¡No tienes %L1 créditos!</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>¡No puedes devolver más créditos de los que has pedido prestados!</translation>
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
        <translation>Pedir prestado o devolver créditos</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Pedir prestado</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Devolver créditos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).

To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <translation>Usa esta ventana para pedir créditos prestados o devolver los que pediste antes. Haz clic en el botón del importe que quieres pedir (o devolver).

Para cambiar entre «pedir prestado» y «devolver», elige el modo.</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Créditos:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Prestado:</translation>
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
        <translation>Premio</translation>
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
        <translation>Retorno</translation>
    </message>
    <message>
        <source>With the machine&apos;s advice</source>
        <translation>Con consejos de la máquina</translation>
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
        <translation>&amp;laquo;Retorno&amp;raquo; no cuenta el gasto de %1.</translation>
    </message>
    <message>
        <source>&amp;ldquo;With the machine&apos;s advice&amp;rdquo; spends them after each losing spin as Show Advice advises</source>
        <comment>first half of a sentence; &apos;Show Advice&apos; is the menu item</comment>
        <translation>&amp;laquo;Con consejos de la máquina&amp;raquo; hace tras cada tirada perdedora lo que aconseja Mostrar consejos</translation>
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
    <name>MusicRing</name>
    <message>
        <source>Unable to play the music track %1: %2</source>
        <translation>No se puede reproducir la pista de música %1: %2</translation>
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
        <translation>aprox. %1 %</translation>
    </message>
    <message>
        <source>Pays back</source>
        <extracomment>The machine&apos;s return when the player makes no choices.</extracomment>
        <translation>Retorno</translation>
    </message>
    <message>
        <source>With the machine&apos;s advice</source>
        <translation>Con consejos de la máquina</translation>
    </message>
    <message>
        <source>With %1 played well</source>
        <extracomment>%1 is the game&apos;s stock: &quot;holds&quot;, &quot;nudges&quot;.</extracomment>
        <translation>Con buen uso de %1</translation>
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
    <name>PlayAnnouncement</name>
    <message>
        <source>%1 on the top line</source>
        <extracomment>%1 is what won, as the pay chart names it: &quot;Three Horses on the middle line&quot;.</extracomment>
        <translation>%1 en la línea superior</translation>
    </message>
    <message>
        <source>%1 on the bottom line</source>
        <translation>%1 en la línea inferior</translation>
    </message>
    <message>
        <source>%1 on the middle line</source>
        <translation>%1 en la línea central</translation>
    </message>
    <message>
        <source>bonus box %1, %2</source>
        <translation>caja de bonificación %1, %2</translation>
    </message>
    <message>
        <source>bonus box %1, a prize of %2</source>
        <extracomment>%2 is the game&apos;s stock: &quot;holds&quot;, &quot;nudges&quot;.</extracomment>
        <translation>caja de bonificación %1, un premio de %2</translation>
    </message>
    <message>
        <source>bonus box %1 held nothing</source>
        <translation>caja de bonificación %1 vacía</translation>
    </message>
    <message>
        <source>%1 %2 earned</source>
        <extracomment>%2 is the game&apos;s stock (&quot;holds&quot;, &quot;nudges&quot;), in your language&apos;s plural even for one.</extracomment>
        <translation>%2 extra: %1</translation>
    </message>
    <message>
        <source>Borrowed %1</source>
        <translation>Préstamo de %1</translation>
    </message>
    <message>
        <source>Paid back %1</source>
        <translation>Devolución de %1</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Sin premio</translation>
    </message>
    <message>
        <source>%1 credit</source>
        <translation>%L1 crédito</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <translation>%L1 créditos</translation>
    </message>
</context>
<context>
    <name>PlayDescription</name>
    <message>
        <source>%1 coin</source>
        <translation>%1 moneda</translation>
    </message>
    <message>
        <source>%1 coins</source>
        <translation>%1 monedas</translation>
    </message>
    <message>
        <source>%1 line</source>
        <translation>%1 línea</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 líneas</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>The bet of a spin: &quot;3 coins on 3 lines&quot;.</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Reel %1 held at stop %2</source>
        <translation>Rodillo %1 retenido en la posición %2</translation>
    </message>
    <message>
        <source>Reel %1 moved up from stop %2 to %3</source>
        <translation>Rodillo %1 subido de la posición %2 a la %3</translation>
    </message>
    <message>
        <source>Reel %1 moved down from stop %2 to %3</source>
        <translation>Rodillo %1 bajado de la posición %2 a la %3</translation>
    </message>
    <message>
        <source>Reel %1 nudged from stop %2 to %3</source>
        <translation>Rodillo %1 empujado de la posición %2 a la %3</translation>
    </message>
    <message>
        <source>Reels at rest at stops %1, %2 and %3</source>
        <translation>Rodillos parados en las posiciones %1, %2 y %3</translation>
    </message>
    <message>
        <source>Bonus game: box %1 held %2 and paid %3</source>
        <translation>Juego de bonificación: la caja %1 contenía %2 y pagó %3</translation>
    </message>
    <message>
        <source>Bonus game: box %1 gave a prize of %2</source>
        <extracomment>%2 is the game&apos;s stock: &quot;holds&quot;, &quot;nudges&quot;.</extracomment>
        <translation>Juego de bonificación: la caja %1 dio un premio de %2</translation>
    </message>
    <message>
        <source>Bonus game: box %1 held nothing</source>
        <translation>Juego de bonificación: la caja %1 estaba vacía</translation>
    </message>
    <message>
        <source>Spin %1</source>
        <extracomment>The heading of a spin: &quot;Spin 57&quot;.</extracomment>
        <translation>Tirada %1</translation>
    </message>
    <message>
        <source>Nudge before the first spin</source>
        <translation>Empujón antes de la primera tirada</translation>
    </message>
    <message>
        <source>Nudge after spin %1</source>
        <translation>Empujón tras la tirada %1</translation>
    </message>
    <message>
        <source>Loan before the first spin</source>
        <translation>Préstamo antes de la primera tirada</translation>
    </message>
    <message>
        <source>Loan after spin %1</source>
        <translation>Préstamo tras la tirada %1</translation>
    </message>
    <message>
        <source>Payback before the first spin</source>
        <translation>Devolución antes de la primera tirada</translation>
    </message>
    <message>
        <source>Payback after spin %1</source>
        <translation>Devolución tras la tirada %1</translation>
    </message>
    <message>
        <source>Bonus game played later, before the first spin</source>
        <translation>Juego de bonificación jugado más tarde, antes de la primera tirada</translation>
    </message>
    <message>
        <source>Bonus game played later, after spin %1</source>
        <translation>Juego de bonificación jugado más tarde, tras la tirada %1</translation>
    </message>
    <message>
        <source>Top line paid %1</source>
        <translation>La línea superior pagó %1</translation>
    </message>
    <message>
        <source>Bottom line paid %1</source>
        <translation>La línea inferior pagó %1</translation>
    </message>
    <message>
        <source>Middle line paid %1</source>
        <translation>La línea central pagó %1</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <extracomment>What a spin bet: &quot;Bet 3 coins on 3 lines&quot;.</extracomment>
        <translation>Apuesta: %1</translation>
    </message>
    <message>
        <source>Last bet: %1</source>
        <translation>Última apuesta: %1</translation>
    </message>
    <message>
        <source>No line paid</source>
        <translation>Ninguna línea pagó</translation>
    </message>
    <message>
        <source>Bonus points %1 → %2</source>
        <translation>Puntos de bonificación %1 → %2</translation>
    </message>
    <message>
        <source>%1: %2 before, %3 earned, %4 used</source>
        <extracomment>%1 is the game&apos;s stock, capitalised: &quot;Holds&quot;, &quot;Nudges&quot;.</extracomment>
        <translation>%1: tenías %2, ganaste %3, usaste %4</translation>
    </message>
    <message>
        <source>top</source>
        <extracomment>A row of the reels, as a screen reader names a symbol in it: &quot;top Cherry&quot;.</extracomment>
        <translation>arriba</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>abajo</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>centro</translation>
    </message>
    <message>
        <source>d MMM yyyy &apos;at&apos; HH:mm:ss</source>
        <extracomment>How a play&apos;s time is shown, in QDateTime&apos;s format letters: &quot;8 Dec 2026 at 13:00:05&quot;.</extracomment>
        <translation>d &apos;de&apos; MMM &apos;de&apos; yyyy, HH:mm:ss</translation>
    </message>
    <message>
        <source>Borrowed %1</source>
        <translation>Préstamo de %1</translation>
    </message>
    <message>
        <source>Paid back %1</source>
        <translation>Devolución de %1</translation>
    </message>
    <message>
        <source>Won %1</source>
        <translation>Ganaste %1</translation>
    </message>
    <message>
        <source>No win</source>
        <translation>Sin premio</translation>
    </message>
    <message>
        <source>%1 credit</source>
        <translation>%L1 crédito</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <translation>%L1 créditos</translation>
    </message>
    <message>
        <source>Credits %1 → %2</source>
        <translation>Créditos %L1 → %L2</translation>
    </message>
</context>
<context>
    <name>PlayFiguresPanel</name>
    <message>
        <source>The machine&apos;s return over a long run</source>
        <translation>Retorno de la máquina a largo plazo</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Monedas</translation>
    </message>
    <message>
        <source>This session, since the program started</source>
        <translation>Esta sesión, desde que se abrió el programa</translation>
    </message>
    <message>
        <source>Playing time:</source>
        <translation>Tiempo de juego:</translation>
    </message>
    <message>
        <source>Won less bet:</source>
        <extracomment>This session&apos;s winnings less its bets.</extracomment>
        <translation>Ganancias menos apuestas:</translation>
    </message>
    <message>
        <source>Biggest win:</source>
        <translation>Mayor premio:</translation>
    </message>
    <message>
        <source>Credits over this game&apos;s last %1 plays</source>
        <translation>Créditos: últimas %1 jugadas</translation>
    </message>
    <message>
        <source>Credits over this game&apos;s plays</source>
        <translation>Créditos de esta partida</translation>
    </message>
    <message>
        <source>Biggest win (last %1 plays):</source>
        <translation>Mayor premio (últimas %1 jugadas):</translation>
    </message>
</context>
<context>
    <name>PublisherPage</name>
    <message>
        <source>The publisher&apos;s page (%1) could not be found.</source>
        <translation>No se encontró la página del editor (%1).</translation>
    </message>
    <message>
        <source>Could not find a web browser on your system!</source>
        <translation>¡No se encontró ningún navegador web en tu sistema!</translation>
    </message>
    <message>
        <source>Please visit Brightplay, the makers of this game, at
%1</source>
        <translation>Visita Brightplay, los creadores de este juego, en
%1</translation>
    </message>
</context>
<context>
    <name>RecallSections</name>
    <message>
        <source>it holds more than %1 plays</source>
        <translation>contiene más de %1 jugadas</translation>
    </message>
    <message>
        <source>%1 is there twice</source>
        <extracomment>%1 is a key of the record file: &quot;Play7&quot;.</extracomment>
        <translation>%1 aparece dos veces</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is a key of the record file: &quot;Play7&quot;.</extracomment>
        <translation>falta %1</translation>
    </message>
</context>
<context>
    <name>RecordFile</name>
    <message>
        <source>The saved games file %1 was damaged (%2).

It has been kept as %3. The games that could be read are kept, and play goes on with them.</source>
        <extracomment>%2 says what was wrong: &quot;line 5 is cut off&quot;.</extracomment>
        <translation>El archivo de partidas guardadas %1 estaba dañado (%2).

Se ha conservado como %3. Las partidas que se pudieron leer se conservan y el juego sigue con ellas.</translation>
    </message>
    <message>
        <source>a folder stands in its place</source>
        <translation>en lugar del archivo hay una carpeta</translation>
    </message>
    <message>
        <source>it could not be taken in</source>
        <translation>el archivo no se pudo leer</translation>
    </message>
    <message>
        <source>it is damaged (%1), and could not be kept aside</source>
        <translation>el archivo está dañado (%1) y no se pudo apartar</translation>
    </message>
    <message>
        <source>The saved games in %1 cannot be read (%2).

They are left untouched. This game is not kept until the problem is fixed.</source>
        <translation>Las partidas guardadas en %1 no se pueden leer (%2).

No se modifican. Esta partida no se guardará hasta que se resuelva el problema.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
<context>
    <name>RecordScan</name>
    <message>
        <source>line %1 holds a NUL byte</source>
        <translation>la línea %1 contiene un byte NUL</translation>
    </message>
    <message>
        <source>line %1 holds a control character</source>
        <translation>la línea %1 contiene un carácter de control</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text</source>
        <translation>la línea %1 no es texto UTF-8</translation>
    </message>
    <message>
        <source>line %1 is a heading without its closing bracket</source>
        <translation>la línea %1 es un encabezado sin corchete de cierre</translation>
    </message>
    <message>
        <source>line %1 is cut off</source>
        <translation>la línea %1 está cortada</translation>
    </message>
    <message>
        <source>line %1 is neither a heading nor a value</source>
        <translation>la línea %1 no es ni un encabezado ni un valor</translation>
    </message>
    <message>
        <source>line %1 repeats a value of [%2]</source>
        <translation>la línea %1 repite un valor de [%2]</translation>
    </message>
    <message>
        <source>[%1] lacks its value %2</source>
        <translation>a [%1] le falta el valor %2</translation>
    </message>
    <message>
        <source>the reader lost part of [%1]</source>
        <translation>al leer se perdió parte de [%1]</translation>
    </message>
    <message>
        <source>the reader found a section that is not there</source>
        <translation>al leer apareció una sección que no existe</translation>
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
        <translation>Guardar la partida en esta ranura</translation>
    </message>
    <message>
        <source>Open the game of this slot</source>
        <translation>Abrir la partida de esta ranura</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Guardar partida -- Elige una ranura</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Abrir partida -- Elige una ranura</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>¿Nombre para esta partida guardada?</translation>
    </message>
    <message>
        <source>%1 Credits</source>
        <translation>%L1 créditos</translation>
    </message>
    <message>
        <source>%1 Borrowed</source>
        <translation>%L1 prestados</translation>
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
    <name>StatisticsWindow</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Your Game Statistics</source>
        <translation>Estadísticas de tu partida</translation>
    </message>
    <message>
        <source>Spins:</source>
        <translation>Tiradas:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Créditos:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Prestado:</translation>
    </message>
    <message>
        <source>Total Bets:</source>
        <translation>Apuestas totales:</translation>
    </message>
    <message>
        <source>Payoffs:</source>
        <translation>Premios pagados:</translation>
    </message>
    <message>
        <source>Normal:</source>
        <extracomment>Payoffs by the pay table alone, beside those of the bonus game.</extracomment>
        <translation>Normales:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bonificación:</translation>
    </message>
    <message>
        <source>Overall Payoff Percentage:</source>
        <translation>Porcentaje de retorno total:</translation>
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
