<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>FileDialogs</name>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Simulates various slit/mirror configurations for different wavelengths and point light-source locations. <byte value="xd"/><byte value="xd"/>Click Calculate to see probability distributions appear on ten equally-spaced graphs.<byte value="xd"/><byte value="xd"/>For the theory behind the arrows, read a physicist&apos;s popular book on light and electrons: &quot;Little Arrows: How Light Finds Its Way&quot;<byte value="xd"/><byte value="xd"/>The plot area is 100 by 100. If Wavelength = 1 then the area is 100 by 100 wavelengths. <byte value="xd"/><byte value="xd"/>To change point light source location: Click anywhere on screen. Note coordinates are shown at bottom right. <byte value="xd"/>Clicking below Y=-100 multiplies X,Y by 100 enabling distant almost parallel light source.<byte value="xd"/><byte value="xd"/>The number of paths analyzed is on the right of the graphs.<byte value="xd"/>If too few paths produce eroneous results, use finer angular resolution to get more paths as measured from point source. <byte value="xd"/><byte value="xd"/>Curves are not normalized but are divided by number of paths squared.<byte value="xd"/><byte value="xd"/>Select Mirror Number, Mirror/Slit Width and Spacing, and Wavelength, Resolution, Gain, to conduct different experiments. <byte value="xd"/></source>
        <translation>Simula diversas configuraciones de rendijas y espejos para distintas longitudes de onda y posiciones de una fuente de luz puntual.<byte value="xd"/><byte value="xd"/>Haz clic en Calcular para ver aparecer las distribuciones de probabilidad en diez pantallas igualmente espaciadas.<byte value="xd"/><byte value="xd"/>Para la teoría detrás de las flechas, lee el libro de divulgación de un físico sobre la luz y los electrones: &quot;Little Arrows: How Light Finds Its Way&quot;<byte value="xd"/><byte value="xd"/>El gráfico mide 100 por 100. Si la longitud de onda es 1, mide 100 por 100 longitudes de onda.<byte value="xd"/><byte value="xd"/>Para mover la fuente de luz puntual: haz clic en cualquier parte de la ventana. Las coordenadas se muestran abajo a la derecha.<byte value="xd"/>Un clic por debajo de Y=-100 multiplica X e Y por 100: una fuente lejana, casi paralela.<byte value="xd"/><byte value="xd"/>El número de caminos analizados aparece a la derecha de las pantallas.<byte value="xd"/>Si muy pocos caminos dan resultados erróneos, usa una resolución angular más fina para tener más caminos desde la fuente.<byte value="xd"/><byte value="xd"/>Las curvas no están normalizadas, sino divididas por el cuadrado del número de caminos.<byte value="xd"/><byte value="xd"/>Elige el número de espejos, la anchura y la separación de los espejos o rendijas, y la longitud de onda, la resolución y la ganancia, para hacer distintos experimentos.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Light as a sum over paths, A. N. Arrowsmith, Pathsum Teaching Workshop, 2016</source>
        <translation>La luz como suma sobre caminos, A. N. Arrowsmith, Pathsum Teaching Workshop, 2016</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>Exa&amp;mples</source>
        <translation>E&amp;jemplos</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>E&amp;xportar imagen...</translation>
    </message>
    <message>
        <source>Export &amp;Data...</source>
        <translation>Exportar &amp;datos...</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copiar imagen</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>&amp;Guía</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print on &amp;White</source>
        <translation>Imprimir sobre &amp;blanco</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Place Source...</source>
        <translation>Colocar &amp;fuente...</translation>
    </message>
    <message>
        <source>&amp;Arrows at a Point</source>
        <translation>&amp;Flechas en un punto</translation>
    </message>
    <message>
        <source>&amp;Field of Light</source>
        <translation>&amp;Campo de luz</translation>
    </message>
    <message>
        <source>&amp;Live</source>
        <translation>En &amp;vivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About pathsum</source>
        <translation>Acerca &amp;de pathsum</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Not plain numbers: %1.</source>
        <translation>No son números simples: %1.</translation>
    </message>
    <message>
        <source>Not a plain number: %1.</source>
        <translation>No es un número simple: %1.</translation>
    </message>
    <message>
        <source>No path reaches the screens: no ray from the source meets a mirror or slit within the plot. Move the source, or change the width or the spacing.</source>
        <translation>Ningún camino llega a las pantallas: ningún rayo de la fuente encuentra un espejo o una rendija dentro del gráfico. Mueve la fuente, o cambia la anchura o la separación.</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>%1 (read as%2)</source>
        <translation>%1 (leído como%2)</translation>
    </message>
    <message>
        <source>Wavelength %1 cannot be used: the wavelength must be a finite number other than 0.</source>
        <translation>Longitud de onda %1 no se puede usar: la longitud de onda debe ser un número finito distinto de 0.</translation>
    </message>
    <message>
        <source>Wavelength %1 cannot be used: it is so short that the longest path of this run, about %2 units, holds more wavelengths than the computer can count to a millionth of a turn, so the arrows of the paths would point the wrong way. Use a wavelength of at least%3.</source>
        <translation>Longitud de onda %1 no se puede usar: es tan corta que el camino más largo de este cálculo, unas %2 unidades, contiene más longitudes de onda de las que el ordenador puede contar con precisión de una millonésima de vuelta, así que las flechas de los caminos apuntarían mal. Usa una longitud de onda de al menos%3.</translation>
    </message>
    <message>
        <source>Resolution Radians %1 cannot be used: the angular resolution must be a finite number greater than 0.</source>
        <translation>Resolución radianes %1 no se puede usar: la resolución angular debe ser un número finito mayor que 0.</translation>
    </message>
    <message>
        <source>Resolution X %1 cannot be used: the detector step must be a finite number of at least%2.</source>
        <translation>Resolución X %1 no se puede usar: el paso del detector debe ser un número finito de al menos%2.</translation>
    </message>
    <message>
        <source>Gain %1 cannot be used: the gain must be a finite number from %2 to%3, or the plotted values would be too large for the computer&apos;s numbers.</source>
        <translation>Ganancia %1 no se puede usar: la ganancia debe ser un número finito de %2 a%3, o los valores dibujados serían demasiado grandes para los números del ordenador.</translation>
    </message>
    <message>
        <source>%1 %2 cannot be used: it must be a finite number.</source>
        <translation>%1 %2 no se puede usar: el valor debe ser un número finito.</translation>
    </message>
    <message>
        <source>The source marker is too far below the plot: the source it stands for lies beyond the number range. Move the marker closer to the plot.</source>
        <translation>El marcador de la fuente está demasiado por debajo del gráfico: la fuente que representa queda fuera del rango de los números. Acerca el marcador al gráfico.</translation>
    </message>
    <message>
        <source>The grating of Width %1 and Spacing %2 never reaches the right edge: Width plus Spacing must be more than 0.</source>
        <translation>La red de difracción de anchura %1 y separación %2 nunca llega al borde derecho: anchura más separación debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>The grating of Width %1 and Spacing %2 would hold more than %3 elements. Width plus Spacing must be at least%4.</source>
        <translation>La red de difracción de anchura %1 y separación %2 tendría más de %3 rendijas. Anchura más separación debe ser al menos%4.</translation>
    </message>
    <message>
        <source>Resolution Radians %1 cannot be used with this source and these elements: the sweep of rays from the source would try more than %2 rays. Use a coarser resolution (a larger number of radians), or move the source or change the elements.</source>
        <translation>Resolución radianes %1 no se puede usar con esta fuente y estos elementos: el barrido de rayos desde la fuente probaría más de %2 rayos. Usa una resolución más gruesa (más radianes), mueve la fuente o cambia los elementos.</translation>
    </message>
    <message>
        <source>Width %1 and Spacing %2 cannot be used with this source: they put an element at x =%3, where no ray from the source reaches, so the sweep of rays would never find it. Change the width or the spacing, or move the source.</source>
        <translation>Anchura %1 y separación %2 no se pueden usar con esta fuente: ponen un elemento en x =%3, adonde no llega ningún rayo de la fuente, así que el barrido de rayos nunca lo encontraría. Cambia la anchura o la separación, o mueve la fuente.</translation>
    </message>
    <message>
        <source>Width %1 cannot be used with this source: it puts an element at x =%2, where no ray from the source reaches, so the sweep of rays would never find it. Change the width or the spacing, or move the source.</source>
        <translation>Anchura %1 no se puede usar con esta fuente: pone un elemento en x =%2, adonde no llega ningún rayo de la fuente, así que el barrido de rayos nunca lo encontraría. Cambia la anchura o la separación, o mueve la fuente.</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Longitud de onda</translation>
    </message>
    <message>
        <source>Resolution Radians</source>
        <translation>Resolución radianes</translation>
    </message>
    <message>
        <source>Resolution X</source>
        <translation>Resolución X</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganancia</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Anchura</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Separación</translation>
    </message>
</context>
<context>
    <name>pathsum::FileCommands</name>
    <message>
        <source>pathsum set-ups (*.pathsum)</source>
        <translation>Montajes de pathsum (*.pathsum)</translation>
    </message>
    <message>
        <source>Open Set-up</source>
        <translation>Abrir montaje</translation>
    </message>
    <message>
        <source>Save Set-up</source>
        <translation>Guardar montaje</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>The picture is written: %1</source>
        <translation>La imagen está escrita: %1</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Exportar datos</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>The numbers are written: %1</source>
        <translation>Los números están escritos: %1</translation>
    </message>
    <message>
        <source>No set-ups yet</source>
        <translation>Aún no hay montajes</translation>
    </message>
    <message>
        <source>No lessons found in %1</source>
        <translation>No se encontraron lecciones en %1</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>Save the changes to “%1”?</source>
        <translation>¿Guardar los cambios en «%1»?</translation>
    </message>
    <message>
        <source>The set-up has changed since it was opened or saved. Without saving, the changes are lost.</source>
        <translation>El montaje ha cambiado desde que se abrió o se guardó. Sin guardar, los cambios se pierden.</translation>
    </message>
</context>
<context>
    <name>pathsum::GuideWindow</name>
    <message>
        <source>pathsum Guide</source>
        <translation>Guía de pathsum</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guía</translation>
    </message>
</context>
<context>
    <name>pathsum::MainForm</name>
    <message>
        <source>Light meets matter: the sum-over-paths method, multiple slit and mirror analysis                    pathsum home page</source>
        <translation>La luz encuentra la materia: la suma sobre caminos, rendijas múltiples y espejos                    página de inicio de pathsum</translation>
    </message>
    <message>
        <source>Wave- Length</source>
        <translation>Longitud de onda</translation>
    </message>
    <message>
        <source> Resolution Radians</source>
        <translation> Resolución radianes</translation>
    </message>
    <message>
        <source> Resolution X</source>
        <translation> Resolución X</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganancia</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Anchura</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Separación</translation>
    </message>
    <message>
        <source>CALC AND PLOT</source>
        <translation>CALCULAR Y GRAFICAR</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Input Wavelength:</source>
        <translation>Introduce la longitud de onda:</translation>
    </message>
    <message>
        <source>Input Resolution in radians:</source>
        <translation>Introduce la resolución en radianes:</translation>
    </message>
    <message>
        <source>Input Gain:</source>
        <translation>Introduce la ganancia:</translation>
    </message>
    <message>
        <source>Input Grating Width:</source>
        <translation>Introduce la anchura de las rendijas:</translation>
    </message>
    <message>
        <source>Input Spacing:</source>
        <translation>Introduce la separación:</translation>
    </message>
    <message>
        <source>No printer is available</source>
        <translation>No hay ninguna impresora disponible</translation>
    </message>
    <message>
        <source>No default printer is set</source>
        <translation>No hay ninguna impresora predeterminada</translation>
    </message>
    <message>
        <source>%1, so the window was not printed. Set up a default printer and try again.</source>
        <translation>%1, así que la ventana no se imprimió. Configura una impresora predeterminada y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be used, so the window was not printed.</source>
        <translation>No se pudo usar la impresora &quot;%1&quot;, así que la ventana no se imprimió.</translation>
    </message>
</context>
<context>
    <name>pathsum::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Cálculo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>About pathsum</source>
        <translation>Acerca de pathsum</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;pathsum&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;%2: a point source, a row of mirrors or slits and ten screens, every path an arrow turned by its length in wavelengths.&lt;/p&gt;&lt;p&gt;Free software under the MIT licence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;pathsum&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;%2: una fuente puntual, una fila de espejos o rendijas y diez pantallas; cada camino es una flecha girada según su longitud en longitudes de onda.&lt;/p&gt;&lt;p&gt;Software libre bajo la licencia MIT.&lt;/p&gt;</translation>
    </message>
</context>
</TS>
