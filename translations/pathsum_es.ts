<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ArrowDrawing</name>
    <message>
        <source>1 arrow  (one arrow: %1 pixels)</source>
        <translation>1 flecha  (una flecha: %1 píxeles)</translation>
    </message>
    <message>
        <source>%1 arrows  (one arrow: %2 pixels)</source>
        <translation>%1 flechas  (una flecha: %2 píxeles)</translation>
    </message>
</context>
<context>
    <name>ChainNumbers</name>
    <message>
        <source>|S|</source>
        <translation>|S|</translation>
    </message>
    <message>
        <source>p = |S|²</source>
        <translation>p = |S|²</translation>
    </message>
    <message>
        <source>p / N²</source>
        <translation>p / N²</translation>
    </message>
    <message>
        <source>Plotted, gain · p / N²</source>
        <translation>Dibujado, ganancia · p / N²</translation>
    </message>
    <message>
        <source>Shortest path (wavelengths)</source>
        <translation>Camino más corto (longitudes de onda)</translation>
    </message>
    <message>
        <source>Longest path (wavelengths)</source>
        <translation>Camino más largo (longitudes de onda)</translation>
    </message>
    <message>
        <source>Paths N</source>
        <translation>Caminos N</translation>
    </message>
    <message>
        <source>Y (below the row)</source>
        <translation>Y (bajo la fila)</translation>
    </message>
    <message>
        <source>X (from the centre)</source>
        <translation>X (desde el centro)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>pathsum: %1
Try &quot;pathsum --help&quot;.</source>
        <translation>pathsum: %1
Prueba &quot;pathsum --help&quot;.</translation>
    </message>
    <message>
        <source>the run cannot be calculated: </source>
        <translation>el cálculo no se puede hacer: </translation>
    </message>
    <message>
        <source>Light at mirrors and slits as a sum over paths. With a set-up file, the window opens with it; with --export, the run is performed without a window and written to files.</source>
        <translation>La luz en espejos y rendijas como suma sobre caminos. Con un archivo de montaje, la ventana se abre con él; con --export, el cálculo se hace sin ventana y se escribe en archivos.</translation>
    </message>
    <message>
        <source>A set-up file (.pathsum) to open or export.</source>
        <translation>Un archivo de montaje (.pathsum) para abrir o exportar.</translation>
    </message>
    <message>
        <source>Draws the pictures with the plot dark on white, as Print on White.</source>
        <translation>Dibuja las imágenes con el gráfico oscuro sobre blanco, como Imprimir sobre blanco.</translation>
    </message>
    <message>
        <source>A PNG at N times the window&apos;s pixels: 1, 2 or 4 (1 unless told).</source>
        <translation>Un PNG con N veces los píxeles de la ventana: 1, 2 o 4 (1 si no se indica).</translation>
    </message>
    <message>
        <source>one set-up file at most, not %1</source>
        <translation>como mucho un archivo de montaje, no %1</translation>
    </message>
    <message>
        <source>--on-white and --scale go with --export</source>
        <translation>--on-white y --scale van con --export</translation>
    </message>
    <message>
        <source>nothing to do without a window: give --export</source>
        <translation>nada que hacer sin ventana: indica --export</translation>
    </message>
    <message>
        <source>cannot tell what to write to “%1”: its name must end in .png, .svg, .pdf, .csv or .wav</source>
        <translation>no se sabe qué escribir en «%1»: su nombre debe terminar en .png, .svg, .pdf, .csv o .wav</translation>
    </message>
    <message>
        <source>--scale may be given once, not %1 times</source>
        <translation>--scale se puede dar una vez, no %1 veces</translation>
    </message>
    <message>
        <source>--scale takes 1, 2 or 4, not “%1”</source>
        <translation>--scale admite 1, 2 o 4, no «%1»</translation>
    </message>
    <message>
        <source>The screen a .wav plays from left to right in three seconds, by its number: 1, the nearest the mirrors, to 10, the farthest (10 unless told).</source>
        <translation>La pantalla que un .wav reproduce de izquierda a derecha en tres segundos, por su número: 1, la más cercana a los espejos, a 10, la más lejana (10 si no se indica).</translation>
    </message>
    <message>
        <source>--screen goes with --export</source>
        <translation>--screen va con --export</translation>
    </message>
    <message>
        <source>--screen may be given once, not %1 times</source>
        <translation>--screen se puede dar una vez, no %1 veces</translation>
    </message>
    <message>
        <source>--screen takes a screen&apos;s number, 1 to %1, not “%2”</source>
        <translation>--screen toma el número de una pantalla, de 1 a %1, no «%2»</translation>
    </message>
    <message>
        <source>--screen says which screen a .wav plays: give --export with a name ending in .wav</source>
        <translation>--screen dice qué pantalla reproduce un .wav: da --export con un nombre que termine en .wav</translation>
    </message>
    <message>
        <source>Performs the run without a window and writes FILE, a picture, the numbers or a sound by its name&apos;s end: .png, .svg, .pdf, .csv or .wav. May be given more than once.</source>
        <translation>Hace el cálculo sin ventana y escribe FILE, una imagen, los números o un sonido según el final de su nombre: .png, .svg, .pdf, .csv o .wav. Se puede dar más de una vez.</translation>
    </message>
</context>
<context>
    <name>ControlTexts</name>
    <message>
        <source>%1 Left button: divide by 10; right button: multiply by 10. Below %2 it wraps to %3, above %3 to %2.</source>
        <translation>%1 Botón izquierdo: dividir entre 10; botón derecho: multiplicar por 10. Por debajo de %2 pasa a %3, por encima de %3 a %2.</translation>
    </message>
    <message>
        <source>%1 Click (or press F2) to type a new value in a dialog; Page Up and Page Down multiply and divide it by 10, like the right and left button on its label.</source>
        <translation>%1 Haz clic (o pulsa F2) para escribir un valor nuevo en un cuadro de diálogo; RePág y AvPág lo multiplican y lo dividen por 10, como los botones derecho e izquierdo sobre su etiqueta.</translation>
    </message>
    <message>
        <source>Field of light</source>
        <translation>Campo de luz</translation>
    </message>
    <message>
        <source>Colour scale</source>
        <translation>Escala de colores</translation>
    </message>
    <message>
        <source>Run of the field</source>
        <translation>Cálculo del campo</translation>
    </message>
    <message>
        <source>The run whose paths the field sums.</source>
        <translation>El cálculo cuyos caminos suma el campo.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>How far the field is computed: a coarse picture first, then every pixel.</source>
        <translation>Cuánto del campo está calculado: primero una imagen gruesa, luego cada píxel.</translation>
    </message>
    <message>
        <source>Point under the pointer</source>
        <translation>Punto bajo el puntero</translation>
    </message>
    <message>
        <source>Where the pointer is, as the source labels give a point: X across from the centre of the row, Y the distance below the row; and the value there.</source>
        <translation>Dónde está el puntero, como las etiquetas de la fuente dan un punto: X a lo ancho desde el centro de la fila, Y la distancia bajo la fila; y el valor allí.</translation>
    </message>
    <message>
        <source>Fringes finer than the pixels</source>
        <translation>Franjas más finas que los píxeles</translation>
    </message>
    <message>
        <source>Where the fringes are finer than two pixels, a pixel&apos;s value is a sample: zoom in to see them.</source>
        <translation>Donde las franjas son más finas que dos píxeles, el valor de un píxel es una muestra: amplía para verlas.</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Logarithmic scale</source>
        <translation>Escala logarítmica</translation>
    </message>
    <message>
        <source>Shows %1 decades below full colour evenly, for the faint fringes.</source>
        <translation>Muestra %1 décadas por debajo del color pleno de forma uniforme, para las franjas débiles.</translation>
    </message>
    <message>
        <source>Whole square</source>
        <translation>Cuadrado entero</translation>
    </message>
    <message>
        <source>Shows the whole plot square again (Home).</source>
        <translation>Vuelve a mostrar todo el cuadrado del gráfico (Inicio).</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>Saves the field and its colour scale as a PNG picture, at the window&apos;s resolution, once every pixel is computed.</source>
        <translation>Guarda el campo y su escala de colores como imagen PNG, a la resolución de la ventana, cuando cada píxel está calculado.</translation>
    </message>
    <message>
        <source>Save numbers</source>
        <translation>Guardar números</translation>
    </message>
    <message>
        <source>The wavelength of the light, in plot units: the plot is 100 by 100 units.</source>
        <translation>La longitud de onda de la luz, en unidades del gráfico: el gráfico mide 100 por 100 unidades.</translation>
    </message>
    <message>
        <source>The angle between neighbouring rays from the source, in radians: a finer resolution sums more paths.</source>
        <translation>El ángulo entre rayos vecinos de la fuente, en radianes: una resolución más fina suma más caminos.</translation>
    </message>
    <message>
        <source>The factor the plotted curves are multiplied by.</source>
        <translation>El factor por el que se multiplican las curvas dibujadas.</translation>
    </message>
    <message>
        <source>The width of every mirror or slit, in plot units.</source>
        <translation>La anchura de cada espejo o rendija, en unidades del gráfico.</translation>
    </message>
    <message>
        <source>Resolution X is the step between detector points along each screen, in plot units (at least %1).</source>
        <translation>La resolución X es el paso entre los puntos del detector a lo largo de cada pantalla, en unidades del gráfico (al menos %1).</translation>
    </message>
    <message>
        <source>Wavelength label</source>
        <translation>Etiqueta longitud de onda</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Longitud de onda</translation>
    </message>
    <message>
        <source>Resolution label</source>
        <translation>Etiqueta resolución</translation>
    </message>
    <message>
        <source>Resolution in radians</source>
        <translation>Resolución en radianes</translation>
    </message>
    <message>
        <source>Resolution X label</source>
        <translation>Etiqueta resolución X</translation>
    </message>
    <message>
        <source>%1 Click to step it: 1, .5, .25, .1, then 1 again.</source>
        <translation>%1 Haz clic para cambiarlo: 1, .5, .25, .1 y otra vez 1.</translation>
    </message>
    <message>
        <source>Resolution X</source>
        <translation>Resolución X</translation>
    </message>
    <message>
        <source>%1 Type a new value; Page Up or Page Down steps it like a click on its label.</source>
        <translation>%1 Escribe un valor nuevo; RePág o AvPág lo cambia como un clic en su etiqueta.</translation>
    </message>
    <message>
        <source>Gain label</source>
        <translation>Etiqueta ganancia</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganancia</translation>
    </message>
    <message>
        <source>Width label</source>
        <translation>Etiqueta anchura</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Anchura</translation>
    </message>
    <message>
        <source>Spacing label</source>
        <translation>Etiqueta separación</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Separación</translation>
    </message>
    <message>
        <source>Calculate and plot</source>
        <translation>Calcular y graficar</translation>
    </message>
    <message>
        <source>Computes the ten screens and draws their curves (%1).</source>
        <translation>Calcula las diez pantallas y dibuja sus curvas (%1).</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Patrón</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Prints the window on the default printer (%1).</source>
        <translation>Imprime la ventana en la impresora predeterminada (%1).</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stops a calculation in progress; the curves drawn so far stay (%1).</source>
        <translation>Detiene un cálculo en curso; las curvas ya dibujadas se quedan (%1).</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Explains the program and how to use it (%1).</source>
        <translation>Explica el programa y cómo usarlo (%1).</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Ends the program at once (%1).</source>
        <translation>Cierra el programa enseguida (%1).</translation>
    </message>
    <message>
        <source>Source Y</source>
        <translation>Fuente Y</translation>
    </message>
    <message>
        <source>Y: how far the light source lies below the mirrors. Click to put the source back at Y= 100.</source>
        <translation>Y: a qué distancia bajo los espejos está la fuente de luz. Haz clic para devolver la fuente a Y= 100.</translation>
    </message>
    <message>
        <source>Source X</source>
        <translation>Fuente X</translation>
    </message>
    <message>
        <source>X: how far the light source lies right of the centre of the mirrors. Click to put the source back at X= 0.</source>
        <translation>X: a qué distancia a la derecha del centro de los espejos está la fuente de luz. Haz clic para devolver la fuente a X= 0.</translation>
    </message>
    <message>
        <source>Light source</source>
        <translation>Fuente de luz</translation>
    </message>
    <message>
        <source>The light source. %1</source>
        <translation>La fuente de luz. %1</translation>
    </message>
    <message>
        <source>Light source, left half</source>
        <translation>Fuente de luz, mitad izquierda</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>What the last run read from a box whose text is not a plain number, or that no path reached the mirrors; in the live mode also whether the picture is coarse while the source moves, or why the last change cannot be calculated.</source>
        <translation>Lo que el último cálculo leyó de una casilla cuyo texto no es un número simple, o que ningún camino llegó a los espejos; en el modo en vivo también si la imagen es gruesa mientras la fuente se mueve, o por qué no se puede calcular el último cambio.</translation>
    </message>
    <message>
        <source>Probed point</source>
        <translation>Punto sondeado</translation>
    </message>
    <message>
        <source>The point the Arrows at a Point window shows.</source>
        <translation>El punto que muestra la ventana Flechas en un punto.</translation>
    </message>
    <message>
        <source>Experiment</source>
        <translation>Experimento</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Screen %1 distance</source>
        <translation>Pantalla %1 distancia</translation>
    </message>
    <message>
        <source>The distance of the screen below from the mirrors, in plot units.</source>
        <translation>La distancia de la pantalla de abajo a los espejos, en unidades del gráfico.</translation>
    </message>
    <message>
        <source>Screen %1 paths</source>
        <translation>Pantalla %1 caminos</translation>
    </message>
    <message>
        <source>The number of paths summed at every point of the screen below.</source>
        <translation>El número de caminos sumados en cada punto de la pantalla de abajo.</translation>
    </message>
    <message>
        <source>Screen %1</source>
        <translation>Pantalla %1</translation>
    </message>
    <message>
        <source>Pattern: %1</source>
        <translation>Patrón: %1</translation>
    </message>
    <message>
        <source>Source %1</source>
        <translation>Fuente %1</translation>
    </message>
    <message>
        <source>%1, not computed yet</source>
        <translation>%1, aún sin calcular</translation>
    </message>
    <message>
        <source>%1, %2 below the mirrors</source>
        <translation>%1, %2 bajo los espejos</translation>
    </message>
    <message>
        <source>: largest value %1 at X = %2</source>
        <translation>: valor máximo %1 en X = %2</translation>
    </message>
    <message>
        <source>%1 paths, not computed yet</source>
        <translation>%1 caminos, aún sin calcular</translation>
    </message>
    <message>
        <source>%1: %2 paths</source>
        <translation>%1: %2 caminos</translation>
    </message>
    <message>
        <source> The largest value, %1, lies on %2 at X = %3.</source>
        <translation> El valor máximo, %1, está en %2 en X = %3.</translation>
    </message>
    <message>
        <source>How much light arrives at every point of the plot: p / N² of the last run&apos;s paths as a colour (every arrow has the same length, so compare points at one distance from the row, not at different distances). The wheel zooms about the pointer, a drag with the left button moves the view, + and - zoom, Home shows the whole square, Shift and a drag measure. With Arrows at a Point open, the pointer chooses the point whose arrows it shows.</source>
        <translation>Cuánta luz llega a cada punto del gráfico: p / N² de los caminos del último cálculo, como color (todas las flechas tienen la misma longitud, así que compara puntos a una misma distancia de la fila, no a distancias distintas). La rueda amplía alrededor del puntero, arrastrar con el botón izquierdo mueve la vista, + y - amplían y reducen, Inicio muestra todo el cuadrado, Mayús y arrastrar miden. Con Flechas en un punto abierto, el puntero elige el punto cuyas flechas muestra.</translation>
    </message>
    <message>
        <source>The gap between one mirror or slit and the next, in plot units (a single mirror has none). The period, from one element&apos;s centre to the next, is the width plus the spacing.</source>
        <translation>La separación entre un espejo o rendija y el siguiente, en unidades del gráfico (un espejo solo no tiene). El periodo, del centro de un elemento al centro del siguiente, es la anchura más la separación.</translation>
    </message>
    <message>
        <source>Click with the left button anywhere in the window to move the light source there. A click in the strip below the plot makes a far source, a hundred times as far below the plot&apos;s bottom edge as the click: a few pixels below the plot it stands only 150 to 200 below the row, at the bottom of the strip 1900 below, where its light is almost parallel. %1 places it from the keyboard.</source>
        <translation>Haz clic con el botón izquierdo en cualquier parte de la ventana para llevar allí la fuente de luz. Un clic en la zona bajo el gráfico da una fuente lejana, cien veces más lejos bajo el borde inferior del gráfico que el clic: unos píxeles bajo el gráfico queda solo de 150 a 200 bajo la fila, al fondo de esa zona, a 1900 bajo la fila, donde su luz es casi paralela. %1 la coloca desde el teclado.</translation>
    </message>
    <message>
        <source>The mirrors or slits of the next run. Click to step through one to five mirrors and a grating that fills the row. The elements reflect: the screens show the pattern that slits would let through, mirrored across the row.</source>
        <translation>Los espejos o rendijas del próximo cálculo. Haz clic para pasar de uno a cinco espejos y a una red de difracción que llena la fila. Los elementos reflejan: las pantallas muestran el patrón que dejarían pasar unas rendijas, reflejado respecto de la fila.</translation>
    </message>
    <message>
        <source>Ten screens (the horizontal lines) below a row of mirrors or slits at the top. %1 Hold Shift and drag to measure a line with the ruler; Esc takes it away.</source>
        <translation>Diez pantallas (las líneas horizontales) bajo una fila de espejos o rendijas arriba. %1 Mantén Mayús y arrastra para medir un segmento con la regla; Esc la quita.</translation>
    </message>
    <message>
        <source>Screen %1 Fresnel number</source>
        <translation>Pantalla %1 número de Fresnel</translation>
    </message>
    <message>
        <source>With View &gt; Theory on, after a run: the Fresnel number F of the screen above and whether it is far (F below 0.3), where the textbook&apos;s far-field pattern holds, near (F above 3) or between.</source>
        <translation>Con Ver &gt; Teoría activada, tras un cálculo: el número de Fresnel F de la pantalla de arriba y si está lejos (F menor que 0.3), donde vale el patrón de campo lejano del libro de texto, cerca (F mayor que 3) o en medio.</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Regla</translation>
    </message>
    <message>
        <source>The line Shift and a drag measure: its X and Y differences, its length and its angle from the vertical, in plot units, and with View &gt; Theory on the textbook&apos;s fringe spacing. Esc takes it away.</source>
        <translation>El segmento que miden Mayús y arrastrar: sus diferencias en X y en Y, su longitud y su ángulo con la vertical, en unidades del gráfico, y con Ver &gt; Teoría activada la separación entre franjas del libro de texto. Esc lo quita.</translation>
    </message>
    <message>
        <source>Screen %1 Fresnel number %2</source>
        <translation>Pantalla %1 número de Fresnel %2</translation>
    </message>
    <message>
        <source>Screen %1, %2 below the mirrors: Fresnel number F = %3, below 0.3, so the screen is far: the textbook&apos;s far-field pattern (the coloured curve) should match the band here.</source>
        <translation>Pantalla %1, a %2 bajo los espejos: número de Fresnel F = %3, menor que 0.3, así que la pantalla está lejos: el patrón de campo lejano del libro de texto (la curva de color) debería coincidir aquí con la banda.</translation>
    </message>
    <message>
        <source>Screen %1, %2 below the mirrors: Fresnel number F = %3, above 3, so the screen is near: the band still has the shape of the mirrors and the textbook&apos;s far-field pattern (the coloured curve) does not hold.</source>
        <translation>Pantalla %1, a %2 bajo los espejos: número de Fresnel F = %3, mayor que 3, así que la pantalla está cerca: la banda aún tiene la forma de los espejos y el patrón de campo lejano del libro de texto (la curva de color) no vale.</translation>
    </message>
    <message>
        <source>Screen %1, %2 below the mirrors: Fresnel number F = %3, between 0.3 and 3, so the screen is neither near nor far: the band is on its way to the textbook&apos;s far-field pattern (the coloured curve).</source>
        <translation>Pantalla %1, a %2 bajo los espejos: número de Fresnel F = %3, entre 0.3 y 3, así que la pantalla no está ni cerca ni lejos: la banda va camino del patrón de campo lejano del libro de texto (la curva de color).</translation>
    </message>
    <message>
        <source>Textbook p / N² (far field)</source>
        <translation>p / N² del libro de texto (campo lejano)</translation>
    </message>
    <message>
        <source>Fresnel number</source>
        <translation>Número de Fresnel</translation>
    </message>
    <message>
        <source>The mirrors or slits along the top and, on each of the ten screens, a white band whose height shows how much light arrives at each point compared with the other points of that screen: every path&apos;s arrow has the same length however long the path, so the heights compare within a screen, not between screens.</source>
        <translation>Los espejos o rendijas arriba y, en cada una de las diez pantallas, una banda blanca cuya altura muestra cuánta luz llega a cada punto comparada con los demás puntos de esa pantalla: la flecha de cada camino tiene la misma longitud, sea cual sea la longitud del camino, así que las alturas se comparan dentro de una pantalla, no entre pantallas.</translation>
    </message>
    <message>
        <source>The value of p / N² each colour stands for. Full colour is where a curve&apos;s band in the main window would reach the next screen. With Waves, the value of Re S / N each colour stands for: the horizontal part of the pixel&apos;s sum of arrows at that instant, divided by N. A crest is full colour where p / N² is.</source>
        <translation>El valor de p / N² que representa cada color. El color pleno es donde la banda de una curva en la ventana principal llegaría a la pantalla siguiente. Con Ondas, el valor de Re S / N que representa cada color: la parte horizontal de la suma de las flechas del píxel en ese instante, dividida por N. Una cresta tiene color pleno donde lo tiene p / N².</translation>
    </message>
    <message>
        <source>The colours of the field: from dark violet through red to pale yellow, or grey, which prints as it shows. In both, brighter is more light. Waves shows the light as it moves: every arrow turned as time passes, a crest in one colour, a trough in another, dark where the wave is zero.</source>
        <translation>Los colores del campo: del violeta oscuro al amarillo pálido pasando por el rojo, o gris, que se imprime tal como se ve. En ambos, más claro es más luz. Ondas muestra la luz en movimiento: cada flecha gira con el tiempo, una cresta de un color, un valle de otro, oscuro donde la onda es cero.</translation>
    </message>
    <message>
        <source>Saves X (from the centre of the row), Y (below the row), the paths, p / N² and the sum of the arrows (its horizontal and vertical parts) of every pixel as comma-separated values with every digit, after lines starting with # that name the settings, once every pixel is computed.</source>
        <translation>Guarda X (desde el centro de la fila), Y (bajo la fila), los caminos, p / N² y la suma de las flechas (sus partes horizontal y vertical) de cada píxel como valores separados por comas con todas las cifras, tras líneas que empiezan por # con los ajustes, cuando cada píxel está calculado.</translation>
    </message>
    <message>
        <source>Speed of the waves</source>
        <translation>Velocidad de las ondas</translation>
    </message>
    <message>
        <source>How fast the waves move: at 1× a period lasts a second.</source>
        <translation>Lo rápido que se mueven las ondas: a 1× un período dura un segundo.</translation>
    </message>
    <message>
        <source>Pause the waves</source>
        <translation>Pausar las ondas</translation>
    </message>
    <message>
        <source>Stops the waves at the instant shown, and starts them again (Space).</source>
        <translation>Detiene las ondas en el instante mostrado y las vuelve a poner en marcha (Espacio).</translation>
    </message>
    <message>
        <source> Tab to the plot, or press %1, and the arrow keys move a probe along the screens; %2 turns on a tone that follows it.</source>
        <translation> Ve al gráfico con Tab, o pulsa %1, y las flechas del teclado mueven una sonda por las pantallas; %2 activa un tono que la sigue.</translation>
    </message>
    <message>
        <source>Nothing calculated yet: press %1 (CALC AND PLOT), then the arrow keys move the probe along a screen.</source>
        <translation>Aún no hay nada calculado: pulsa %1 (CALCULAR Y GRAFICAR) y luego las flechas del teclado mueven la sonda por una pantalla.</translation>
    </message>
    <message>
        <source>Screen %1, X %2: not computed yet</source>
        <translation>Pantalla %1, X %2: aún sin calcular</translation>
    </message>
    <message>
        <source>Screen %1, X %2: no path reaches the screens</source>
        <translation>Pantalla %1, X %2: ningún camino llega a las pantallas</translation>
    </message>
    <message>
        <source>Screen %1, X %2: dark, as the whole screen is</source>
        <translation>Pantalla %1, X %2: oscura, como toda la pantalla</translation>
    </message>
    <message>
        <source>Screen %1, X %2: %3 of the screen&apos;s brightest</source>
        <translation>Pantalla %1, X %2: %3 del punto más brillante de la pantalla</translation>
    </message>
    <message>
        <source>Screen %1 is not computed yet: press %2 (CALC AND PLOT), then play it.</source>
        <translation>La pantalla %1 aún no está calculada: pulsa %2 (CALCULAR Y GRAFICAR) y luego reprodúcela.</translation>
    </message>
    <message>
        <source>Field at %1</source>
        <translation>Campo en %1</translation>
    </message>
</context>
<context>
    <name>Exports</name>
    <message>
        <source>No screen has been calculated yet, so there are no numbers to export: calculate first.</source>
        <translation>Todavía no se ha calculado ninguna pantalla, así que no hay números que exportar: calcula primero.</translation>
    </message>
    <message>
        <source>The file “%1” was not written: its name must end in .png, .svg, .pdf, .csv or .wav, which says what kind of file to write.</source>
        <translation>El archivo «%1» no se escribió: su nombre debe terminar en .png, .svg, .pdf, .csv o .wav, que indica qué tipo de archivo escribir.</translation>
    </message>
    <message>
        <source>The file “%1” was not written: %2</source>
        <translation>El archivo «%1» no se escribió: %2</translation>
    </message>
    <message>
        <source>screen %1 has not been calculated, so there is no sound of it to export.</source>
        <translation>la pantalla %1 no se ha calculado, así que no hay sonido de ella que exportar.</translation>
    </message>
</context>
<context>
    <name>FarField</name>
    <message>
        <source>F=%1 far</source>
        <translation>F=%1 lejos</translation>
    </message>
    <message>
        <source>F=%1 near</source>
        <translation>F=%1 cerca</translation>
    </message>
    <message>
        <source>F=%1 between</source>
        <translation>F=%1 intermedio</translation>
    </message>
</context>
<context>
    <name>FieldColourBar</name>
    <message>
        <source>Re S / N, log</source>
        <translation>Re S / N, log</translation>
    </message>
    <message>
        <source>Re S / N</source>
        <translation>Re S / N</translation>
    </message>
    <message>
        <source>p / N², log</source>
        <translation>p / N², log</translation>
    </message>
    <message>
        <source>p / N²</source>
        <translation>p / N²</translation>
    </message>
</context>
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
    <name>Lessons</name>
    <message>
        <source>A mirror: the light comes back where the paths are shortest</source>
        <translation>Un espejo: la luz vuelve donde los caminos son más cortos</translation>
    </message>
    <message>
        <source>A mirror with strips removed: beside the reflection, beams go off to the side</source>
        <translation>Un espejo al que se le han quitado tiras: junto a la reflexión, salen haces hacia los lados</translation>
    </message>
    <message>
        <source>Two slits: bright and dark fringes where their arrows agree or cancel</source>
        <translation>Dos rendijas: franjas brillantes y oscuras donde sus flechas coinciden o se anulan</translation>
    </message>
    <message>
        <source>Five slits in parallel light: sharp bright lines, with three faint ones between each pair</source>
        <translation>Cinco rendijas con luz paralela: líneas brillantes nítidas, con tres débiles entre cada par</translation>
    </message>
    <message>
        <source>Parallel light from a far source: the mirror returns a beam about as wide as itself</source>
        <translation>Luz paralela de una fuente lejana: el espejo devuelve un haz más o menos tan ancho como él</translation>
    </message>
    <message>
        <source>Two slits at half the wavelength: the fringes stand twice as close</source>
        <translation>Dos rendijas a la mitad de la longitud de onda: las franjas quedan el doble de juntas</translation>
    </message>
    <message>
        <source>One slit, 10 wide, in parallel light: on the nearest screen (F=2.5, between) a low rippled top about as wide as the slit, nothing like the textbook&apos;s narrow hump; on the two farthest (F below 0.3, far) one hump with faint side lobes, within 8% of the textbook&apos;s curve</source>
        <translation>Una rendija de anchura 10 con luz paralela: en la pantalla más cercana (F=2.5, intermedio), una cima baja y ondulada casi tan ancha como la rendija, nada que ver con el máximo estrecho del libro de texto; en las dos más lejanas (F menor que 0.3, lejos), un máximo con débiles lóbulos laterales, a menos de un 8% de la curva del libro de texto</translation>
    </message>
    <message>
        <source>A small grating in parallel light: five strips one unit apart send beams along the orders, sine = m times wavelength / (width + spacing)</source>
        <translation>Una pequeña red de difracción con luz paralela: cinco tiras separadas una unidad envían haces según los órdenes, seno = m por longitud de onda / (anchura + separación)</translation>
    </message>
    <message>
        <source>White light through the two slits: a white fringe in the middle, and beside it fringes blue on their inner edge and red on their outer one</source>
        <translation>Luz blanca a través de las dos rendijas: una franja blanca en el centro y, a su lado, franjas azules por su borde interior y rojas por el exterior</translation>
    </message>
    <message>
        <source>A grating in white light: a white beam straight on and, on either side, a spectrum from violet nearest the middle to red farthest out</source>
        <translation>Una red de difracción con luz blanca: un haz blanco de frente y, a cada lado, un espectro del violeta, más cerca del centro, al rojo, más afuera</translation>
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
    <message>
        <source>&amp;Theory</source>
        <translation>&amp;Teoría</translation>
    </message>
    <message>
        <source>&amp;White Light</source>
        <translation>Luz &amp;blanca</translation>
    </message>
    <message>
        <source>Probe with &amp;Keys</source>
        <translation>Sonda con el tec&amp;lado</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>Pla&amp;y Screen</source>
        <translation>Re&amp;producir pantalla</translation>
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
    <message>
        <source>Too few paths for this wavelength: neighbouring rays meet the mirrors up to %1 apart, more than half a wavelength (%2), so the screens may show beams that the light does not have. A resolution of %3 radians or finer is fine enough.</source>
        <translation>Muy pocos caminos para esta longitud de onda: rayos vecinos llegan a los espejos hasta a %1 de distancia, más de media longitud de onda (%2), así que las pantallas pueden mostrar haces que la luz no tiene. Una resolución de %3 radianes o más fina basta.</translation>
    </message>
    <message>
        <source>Too few paths for this wavelength: neighbouring rays meet the mirrors up to %1 apart, more than half a wavelength (%2), so the screens may show beams that the light does not have. A resolution of %3 radians would be fine enough, but needs more rays than a run may try: choose a longer wavelength, or a source nearer the mirrors.</source>
        <translation>Muy pocos caminos para esta longitud de onda: rayos vecinos llegan a los espejos hasta a %1 de distancia, más de media longitud de onda (%2), así que las pantallas pueden mostrar haces que la luz no tiene. Una resolución de %3 radianes bastaría, pero necesita más rayos de los que un cálculo puede probar: elige una longitud de onda mayor o una fuente más cerca de los espejos.</translation>
    </message>
</context>
<context>
    <name>Pattern</name>
    <message>
        <source>Mirror Number Single</source>
        <translation>Espejos: uno</translation>
    </message>
    <message>
        <source>Mirror Number Double</source>
        <translation>Espejos: dos</translation>
    </message>
    <message>
        <source>Mirror Number Triple</source>
        <translation>Espejos: tres</translation>
    </message>
    <message>
        <source>Mirror Number Four</source>
        <translation>Espejos: cuatro</translation>
    </message>
    <message>
        <source>Mirror Number Five</source>
        <translation>Espejos: cinco</translation>
    </message>
    <message>
        <source>Mirror Number Grating</source>
        <translation>Espejos: red</translation>
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
        <translation>La red de difracción de anchura %1 y separación %2 tendría más de %3 elementos. Anchura más separación debe ser al menos%4.</translation>
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
    <message>
        <source>Wavelength %1 cannot be used: it is so short that the longest path of this run, about %2 units, holds more of the white light&apos;s shortest wavelengths than the computer can count to a millionth of a turn, so the arrows of the paths would point the wrong way. Use a wavelength of at least%3.</source>
        <translation>Longitud de onda %1 no se puede usar: es tan corta que el camino más largo de este cálculo, unas %2 unidades, contiene más de las longitudes de onda más cortas de la luz blanca de las que el ordenador puede contar con precisión de una millonésima de vuelta, así que las flechas de los caminos apuntarían mal. Usa una longitud de onda de al menos%3.</translation>
    </message>
</context>
<context>
    <name>Ruler</name>
    <message>
        <source>ΔX %1, ΔY %2</source>
        <translation>ΔX %1, ΔY %2</translation>
    </message>
    <message>
        <source>length %1, %2° from the vertical</source>
        <translation>longitud %1, %2° de la vertical</translation>
    </message>
    <message>
        <source>textbook fringe spacing at Y %1: %2</source>
        <translation>separación de franjas del libro de texto en Y %1: %2</translation>
    </message>
    <message>
        <source>one element: no fringes of that kind</source>
        <translation>un solo elemento: no hay franjas de ese tipo</translation>
    </message>
</context>
<context>
    <name>SaveWhole</name>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>una tubería con nombre (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation>algo distinto de un archivo</translation>
    </message>
    <message>
        <source>The file %1 was not written: </source>
        <translation>El archivo %1 no se escribió: </translation>
    </message>
    <message>
        <source>it is %1, not a plain file.</source>
        <translation>es %1, no un archivo normal.</translation>
    </message>
    <message>
        <source>it links to %1, which is %2, not a plain file.</source>
        <translation>enlaza con %1, que es %2, no un archivo normal.</translation>
    </message>
    <message>
        <source>nothing more could be written</source>
        <translation>no se pudo escribir nada más</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2.</source>
        <translation>No se pudo escribir el archivo %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2. A file of that name that was there before is as it was.</source>
        <translation>No se pudo escribir el archivo %1: %2. Un archivo con ese nombre que ya existía sigue como estaba.</translation>
    </message>
</context>
<context>
    <name>SetupFile</name>
    <message>
        <source>line %1, column %2</source>
        <translation>línea %1, columna %2</translation>
    </message>
    <message>
        <source>%1 must be a text in quotes, as its box holds it (for example &quot;%2&quot;: &quot;1&quot;)</source>
        <translation>%1 debe ser un texto entre comillas, como lo tiene su casilla (por ejemplo &quot;%2&quot;: &quot;1&quot;)</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 tiene más de %2 caracteres</translation>
    </message>
    <message>
        <source>%1 holds a line break or another control character, which a box cannot hold</source>
        <translation>%1 contiene un salto de línea u otro carácter de control, que una casilla no puede contener</translation>
    </message>
    <message>
        <source>%1 is %2, which is none of the patterns (%3)</source>
        <translation>%1 es %2, que no es ninguno de los patrones (%3)</translation>
    </message>
    <message>
        <source>the source&apos;s %1 must be a number</source>
        <translation>el %1 de la fuente debe ser un número</translation>
    </message>
    <message>
        <source>the source&apos;s %1, %2, lies more than %3 units from the centre of the plot</source>
        <translation>el %1 de la fuente, %2, está a más de %3 unidades del centro del gráfico</translation>
    </message>
    <message>
        <source>%1 must be an object such as {&quot;x&quot;: 50, &quot;y&quot;: 0}</source>
        <translation>%1 debe ser un objeto como {&quot;x&quot;: 50, &quot;y&quot;: 0}</translation>
    </message>
    <message>
        <source>%1 must give both %2 and %3, such as {&quot;x&quot;: 50, &quot;y&quot;: 0}</source>
        <translation>%1 debe dar %2 y %3, como {&quot;x&quot;: 50, &quot;y&quot;: 0}</translation>
    </message>
    <message>
        <source>it holds none of the keys of a pathsum set-up</source>
        <translation>no contiene ninguna de las claves de un montaje de pathsum</translation>
    </message>
    <message>
        <source>its %1 is not &quot;%2&quot;: it is not a pathsum set-up</source>
        <translation>su %1 no es &quot;%2&quot;: no es un montaje de pathsum</translation>
    </message>
    <message>
        <source>it is a set-up of version %1, written by a newer pathsum; this one reads version %2</source>
        <translation>es un montaje de la versión %1, escrito por un pathsum más nuevo; este lee la versión %2</translation>
    </message>
    <message>
        <source>its %1 must be %2</source>
        <translation>su %1 debe ser %2</translation>
    </message>
    <message>
        <source>it nests deeper than %1 levels (%2); a set-up nests two deep</source>
        <translation>tiene más de %1 niveles de anidamiento (%2); un montaje tiene dos</translation>
    </message>
    <message>
        <source>it is not text in UTF-8</source>
        <translation>no es texto en UTF-8</translation>
    </message>
    <message>
        <source>it is not JSON (%1): %2</source>
        <translation>no es JSON (%1): %2</translation>
    </message>
    <message>
        <source>it holds no JSON object: a set-up is one object, {...}</source>
        <translation>no contiene ningún objeto JSON: un montaje es un objeto, {...}</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened as a set-up: %2.</source>
        <translation>El archivo %1 no se puede abrir como montaje: %2.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>no existe ese archivo</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is %1 bytes long, and a set-up is at most %2</source>
        <translation>mide %1 bytes, y un montaje mide como mucho %2</translation>
    </message>
    <message>
        <source>it is over %1 bytes long</source>
        <translation>mide más de %1 bytes</translation>
    </message>
    <message>
        <source>%1 must be the text &quot;%2&quot; for white light, or be left out for light of the one wavelength typed</source>
        <translation>%1 debe ser el texto &quot;%2&quot; para luz blanca, o no estar para luz de la única longitud de onda escrita</translation>
    </message>
    <message>
        <source>%1 is %2, which is no light pathsum knows (&quot;%3&quot; is white light; without the key the light is the one wavelength typed)</source>
        <translation>%1 es %2, que no es ninguna luz que pathsum conozca (&quot;%3&quot; es luz blanca; sin la clave la luz es la única longitud de onda escrita)</translation>
    </message>
</context>
<context>
    <name>pathsum::ArrowPictureView</name>
    <message>
        <source>Arrow chain</source>
        <translation>Cadena de flechas</translation>
    </message>
    <message>
        <source>The arrows of every path to the chosen point, head to tail, and their resultant.</source>
        <translation>Las flechas de todos los caminos hasta el punto elegido, una tras otra, y su resultante.</translation>
    </message>
    <message>
        <source> Now %1 arrows; the resultant is %2 arrows long.</source>
        <translation> Ahora %1 flechas; la resultante mide %2 flechas.</translation>
    </message>
</context>
<context>
    <name>pathsum::ArrowsWindow</name>
    <message>
        <source>Arrows at a Point</source>
        <translation>Flechas en un punto</translation>
    </message>
    <message>
        <source>Show each &amp;element&apos;s resultant</source>
        <translation>Mostrar la resultante de cada &amp;elemento</translation>
    </message>
    <message>
        <source>Draws, over the chain, one large arrow for each mirror or slit: the sum of its own paths&apos; arrows. Added head to tail they make the resultant.</source>
        <translation>Dibuja, sobre la cadena, una flecha grande por cada espejo o rendija: la suma de las flechas de sus propios caminos. Una tras otra forman la resultante.</translation>
    </message>
    <message>
        <source>&amp;Hold</source>
        <translation>&amp;Fijar</translation>
    </message>
    <message>
        <source>Keeps the chosen point while the pointer moves on (Alt+H).</source>
        <translation>Mantiene el punto elegido mientras el puntero se mueve (Alt+F).</translation>
    </message>
    <message>
        <source>Click CALC AND PLOT, then move the pointer over the plot: the arrows of the point under it appear here.</source>
        <translation>Haz clic en CALCULAR Y GRAFICAR y mueve el puntero sobre el gráfico: las flechas del punto de debajo aparecen aquí.</translation>
    </message>
    <message>
        <source>Move the pointer over the plot to choose a point.</source>
        <translation>Mueve el puntero sobre el gráfico para elegir un punto.</translation>
    </message>
    <message>
        <source>The last run has no detector points.</source>
        <translation>El último cálculo no tiene puntos de detector.</translation>
    </message>
    <message>
        <source>This screen is not computed yet.</source>
        <translation>Esta pantalla aún no está calculada.</translation>
    </message>
    <message>
        <source>No paths reach this point.</source>
        <translation>Ningún camino llega a este punto.</translation>
    </message>
    <message>
        <source>The arrows of the %1 paths to this point of the field, head to tail, in the colours of their elements; the resultant in red.</source>
        <translation>Las flechas de los %1 caminos hasta este punto del campo, una tras otra, en los colores de sus elementos; la resultante en rojo.</translation>
    </message>
    <message>
        <source>The arrows of the %1 paths to this point, head to tail, in the colours of their elements; the resultant in red.</source>
        <translation>Las flechas de los %1 caminos hasta este punto, una tras otra, en los colores de sus elementos; la resultante en rojo.</translation>
    </message>
    <message>
        <source>The arrows of the %1 paths to this point of the field at the wavelength typed, the 550 nm of the white light, head to tail, in the colours of their elements; the resultant in red. The plot shows the mean of all 31 wavelengths.</source>
        <translation>Las flechas de los %1 caminos hasta este punto del campo en la longitud de onda escrita, los 550 nm de la luz blanca, una tras otra, en los colores de sus elementos; la resultante en rojo. El gráfico muestra la media de las 31 longitudes de onda.</translation>
    </message>
    <message>
        <source>The arrows of the %1 paths to this point at the wavelength typed, the 550 nm of the white light, head to tail, in the colours of their elements; the resultant in red. The plot shows the mean of all 31 wavelengths.</source>
        <translation>Las flechas de los %1 caminos hasta este punto en la longitud de onda escrita, los 550 nm de la luz blanca, una tras otra, en los colores de sus elementos; la resultante en rojo. El gráfico muestra la media de las 31 longitudes de onda.</translation>
    </message>
    <message>
        <source>The wave now, the resultant&apos;s projection / N: %1</source>
        <translation>La onda ahora, la proyección de la resultante / N: %1</translation>
    </message>
    <message>
        <source>The value the point&apos;s pixel in the field shows at this instant, with every digit: %1</source>
        <translation>El valor que muestra el píxel del punto en el campo en este instante, con todas las cifras: %1</translation>
    </message>
</context>
<context>
    <name>pathsum::ExportPictureDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>a PNG picture</source>
        <translation>una imagen PNG</translation>
    </message>
    <message>
        <source>an SVG drawing</source>
        <translation>un dibujo SVG</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un documento PDF</translation>
    </message>
    <message>
        <source>a table</source>
        <translation>una tabla</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Ends in .png, .svg or .pdf: the kind of picture.</source>
        <translation>Termina en .png, .svg o .pdf: el tipo de imagen.</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>E&amp;legir...</translation>
    </message>
    <message>
        <source>PNG size</source>
        <translation>Tamaño PNG</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 píxeles</translation>
    </message>
    <message>
        <source>%1 (as the window)</source>
        <translation>%1 (como la ventana)</translation>
    </message>
    <message>
        <source>%1 (%2 times the window)</source>
        <translation>%1 (%2 veces la ventana)</translation>
    </message>
    <message>
        <source>On &amp;white: the plot dark on white, as Print on White</source>
        <translation>Sobre &amp;blanco: el gráfico oscuro sobre blanco, como Imprimir sobre blanco</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Archivo:</translation>
    </message>
    <message>
        <source>PNG &amp;size:</source>
        <translation>&amp;Tamaño PNG:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Quieres reemplazarlo?</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <translation>Imagen PNG (*.png);;Dibujo SVG (*.svg);;Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Writes %1: %2</source>
        <translation>Escribe %1: %2</translation>
    </message>
    <message>
        <source>Export waits for the name of the file to write.</source>
        <translation>La exportación espera el nombre del archivo que escribir.</translation>
    </message>
    <message>
        <source>Export waits: a name ending in .csv is for the numbers, which File &gt; Export Data writes. A picture&apos;s name ends in .png, .svg or .pdf.</source>
        <translation>La exportación espera: un nombre terminado en .csv es para los números, que escribe Archivo &gt; Exportar datos. El nombre de una imagen termina en .png, .svg o .pdf.</translation>
    </message>
    <message>
        <source>Export waits for a name that ends in .png, .svg or .pdf: the ending says which kind of picture to write.</source>
        <translation>La exportación espera un nombre que termine en .png, .svg o .pdf: la terminación indica qué tipo de imagen escribir.</translation>
    </message>
    <message>
        <source>a sound</source>
        <translation>un sonido</translation>
    </message>
</context>
<context>
    <name>pathsum::FieldWindow</name>
    <message>
        <source>Field of Light</source>
        <translation>Campo de luz</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>&amp;Logarithmic</source>
        <translation>&amp;Logarítmica</translation>
    </message>
    <message>
        <source>&amp;Whole Square</source>
        <translation>&amp;Cuadrado entero</translation>
    </message>
    <message>
        <source>Save &amp;Picture...</source>
        <translation>Guardar &amp;imagen...</translation>
    </message>
    <message>
        <source>Save &amp;Numbers...</source>
        <translation>Guardar &amp;números...</translation>
    </message>
    <message>
        <source>The last run: %1, wavelength %2, %3 paths, gain %4.</source>
        <translation>El último cálculo: %1, longitud de onda %2, %3 caminos, ganancia %4.</translation>
    </message>
    <message>
        <source>The fringes here are as fine as %1 apart, finer than two pixels (a pixel is %2 across): each pixel is a sample, and the picture may show patterns that are not there. Zoom in (the wheel) to see the fringes themselves.</source>
        <translation>Aquí las franjas están a solo %1 de distancia, más finas que dos píxeles (un píxel mide %2): cada píxel es una muestra, y la imagen puede mostrar patrones que no existen. Amplía (la rueda) para ver las franjas mismas.</translation>
    </message>
    <message>
        <source>Within %1 of the row the fringes are finer than two pixels (down to %2 apart; a pixel is %3 across): there each pixel is a sample, and the picture may show patterns that are not there. Zoom in (the wheel) to see them.</source>
        <translation>A menos de %1 de la fila, las franjas son más finas que dos píxeles (hasta %2 de distancia; un píxel mide %3): allí cada píxel es una muestra, y la imagen puede mostrar patrones que no existen. Amplía (la rueda) para verlas.</translation>
    </message>
    <message>
        <source>Click CALC AND PLOT in the main window: the field of the run&apos;s paths appears here.</source>
        <translation>Haz clic en CALCULAR Y GRAFICAR en la ventana principal: el campo de los caminos del cálculo aparece aquí.</translation>
    </message>
    <message>
        <source>The last run has no paths: no light reaches the plot.</source>
        <translation>El último cálculo no tiene caminos: ninguna luz llega al gráfico.</translation>
    </message>
    <message>
        <source>The field follows once the run in the main window has ended.</source>
        <translation>El campo aparecerá cuando termine el cálculo de la ventana principal.</translation>
    </message>
    <message>
        <source>Refining: %1% of %2 pixels.</source>
        <translation>Refinando: %1% de %2 píxeles.</translation>
    </message>
    <message>
        <source>Every one of %1 pixels computed, by the interpolated sum: within %2 of the sum over every path in p / N².</source>
        <translation>Los %1 píxeles están calculados, con la suma interpolada: a menos de %2 de la suma sobre todos los caminos, en p / N².</translation>
    </message>
    <message>
        <source>Every one of %1 pixels computed, summed over every path.</source>
        <translation>Los %1 píxeles están calculados, sumados sobre todos los caminos.</translation>
    </message>
    <message>
        <source>: p / N² %1</source>
        <translation>: p / N² %1</translation>
    </message>
    <message>
        <source>: p / N² about %1</source>
        <translation>: p / N² aprox. %1</translation>
    </message>
    <message>
        <source>The file “%1” was not written: the field is not computed at every pixel yet.</source>
        <translation>El archivo «%1» no se escribió: el campo aún no está calculado en cada píxel.</translation>
    </message>
    <message>
        <source>Save the Picture of the Field</source>
        <translation>Guardar la imagen del campo</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Save the Numbers of the Field</source>
        <translation>Guardar los números del campo</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>The last run: %1 in white light, the wavelength %2 standing for 550 nm, %3 paths, gain %4. Each pixel shows the colour of the light arriving there.</source>
        <translation>El último cálculo: %1 con luz blanca, la longitud de onda %2 representa los 550 nm, %3 caminos, ganancia %4. Cada píxel muestra el color de la luz que llega allí.</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Ondas</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
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
    <message>
        <source>Cannot calculate</source>
        <translation>No se puede calcular</translation>
    </message>
    <message>
        <source>Live: a coarse picture while the source moves; the full one follows when it rests.</source>
        <translation>En vivo: una imagen gruesa mientras la fuente se mueve; la completa llega cuando se detiene.</translation>
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
    <message>
        <source>Light at mirrors and slits as a sum over paths</source>
        <translation>La luz en espejos y rendijas como suma sobre caminos</translation>
    </message>
</context>
<context>
    <name>pathsum::PlaceSourceDialog</name>
    <message>
        <source>Place Source</source>
        <translation>Colocar la fuente</translation>
    </message>
    <message>
        <source>Source X</source>
        <translation>Fuente X</translation>
    </message>
    <message>
        <source>Source Y</source>
        <translation>Fuente Y</translation>
    </message>
    <message>
        <source>X is measured right of the centre of the row, Y down from the row.
A Y above 100 puts the marker below the plot: a far source.</source>
        <translation>X se mide a la derecha del centro de la fila, Y hacia abajo desde la fila.
Una Y mayor que 100 pone el marcador bajo el gráfico: una fuente lejana.</translation>
    </message>
    <message>
        <source>&amp;X:</source>
        <translation>&amp;X:</translation>
    </message>
    <message>
        <source>&amp;Y:</source>
        <translation>&amp;Y:</translation>
    </message>
    <message>
        <source>The labels will read %1 and %2.</source>
        <translation>Las etiquetas mostrarán %1 y %2.</translation>
    </message>
</context>
<context>
    <name>pathsum::SoundPlayer</name>
    <message>
        <source>There is no sound device: the sound is off.</source>
        <translation>No hay ningún dispositivo de sonido: el sonido está apagado.</translation>
    </message>
    <message>
        <source>The sound device cannot play 16-bit stereo at 44,100 Hz: the sound is off.</source>
        <translation>El dispositivo de sonido no puede reproducir estéreo de 16 bits a 44 100 Hz: el sonido está apagado.</translation>
    </message>
    <message>
        <source>The sound device could not be opened (another program may hold it): the sound is off.</source>
        <translation>No se pudo abrir el dispositivo de sonido (quizá lo usa otro programa): el sonido está apagado.</translation>
    </message>
    <message>
        <source>The sound device stopped playing: the sound is off.</source>
        <translation>El dispositivo de sonido dejó de reproducir: el sonido está apagado.</translation>
    </message>
</context>
</TS>
