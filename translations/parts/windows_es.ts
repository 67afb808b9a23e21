<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
    <name>LoanDeskWindow</name>
    <message>
        <source>$%1</source>
        <extracomment>A chip&apos;s value in dollars: &quot;$1,000&quot;.</extracomment>
        <translation>%1 $</translation>
    </message>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Pide prestados o devuelve créditos</translation>
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
        <translation>Devuelve</translation>
    </message>
    <message>
        <source>With the machine&apos;s advice</source>
        <translation>Con consejos de la máquina</translation>
    </message>
    <message>
        <source>With %1 played well</source>
        <extracomment>%1 is the game&apos;s stock: &quot;holds&quot;, &quot;nudges&quot;.</extracomment>
        <translation>Jugando bien con %1</translation>
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
</TS>
