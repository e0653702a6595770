<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ArrowDrawing</name>
    <message>
        <source>1 arrow  (one arrow: %1 pixels)</source>
        <translation>1 Zeiger  (ein Zeiger: %1 Pixel)</translation>
    </message>
    <message>
        <source>%1 arrows  (one arrow: %2 pixels)</source>
        <translation>%1 Zeiger  (ein Zeiger: %2 Pixel)</translation>
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
        <translation>Gezeichnet, Verstärkung · p / N²</translation>
    </message>
    <message>
        <source>Shortest path (wavelengths)</source>
        <translation>Kürzester Weg (Wellenlängen)</translation>
    </message>
    <message>
        <source>Longest path (wavelengths)</source>
        <translation>Längster Weg (Wellenlängen)</translation>
    </message>
    <message>
        <source>Paths N</source>
        <translation>Wege N</translation>
    </message>
    <message>
        <source>Y (below the row)</source>
        <translation>Y (unter der Reihe)</translation>
    </message>
    <message>
        <source>X (from the centre)</source>
        <translation>X (von der Mitte)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>pathsum: %1
Try &quot;pathsum --help&quot;.</source>
        <translation>pathsum: %1
Siehe &quot;pathsum --help&quot;.</translation>
    </message>
    <message>
        <source>the run cannot be calculated: </source>
        <translation>die Rechnung lässt sich nicht ausführen: </translation>
    </message>
    <message>
        <source>Light at mirrors and slits as a sum over paths. With a set-up file, the window opens with it; with --export, the run is performed without a window and written to files.</source>
        <translation>Licht an Spiegeln und Spalten als Summe über Wege. Mit einer Aufbau-Datei öffnet sich das Fenster mit ihr; mit --export läuft die Rechnung ohne Fenster und wird in Dateien geschrieben.</translation>
    </message>
    <message>
        <source>A set-up file (.pathsum) to open or export.</source>
        <translation>Eine Aufbau-Datei (.pathsum) zum Öffnen oder Exportieren.</translation>
    </message>
    <message>
        <source>Draws the pictures with the plot dark on white, as Print on White.</source>
        <translation>Zeichnet die Bilder dunkel auf Weiß, wie beim Drucken auf Weiß.</translation>
    </message>
    <message>
        <source>A PNG at N times the window&apos;s pixels: 1, 2 or 4 (1 unless told).</source>
        <translation>Ein PNG mit N-mal so vielen Pixeln wie das Fenster: 1, 2 oder 4 (sonst 1).</translation>
    </message>
    <message>
        <source>one set-up file at most, not %1</source>
        <translation>höchstens eine Aufbau-Datei, nicht %1</translation>
    </message>
    <message>
        <source>--on-white and --scale go with --export</source>
        <translation>--on-white und --scale gehören zu --export</translation>
    </message>
    <message>
        <source>nothing to do without a window: give --export</source>
        <translation>ohne Fenster gibt es nichts zu tun: Gib --export an</translation>
    </message>
    <message>
        <source>cannot tell what to write to “%1”: its name must end in .png, .svg, .pdf, .csv or .wav</source>
        <translation>unklar, was nach „%1“ geschrieben werden soll: Der Name muss auf .png, .svg, .pdf, .csv oder .wav enden</translation>
    </message>
    <message>
        <source>--scale may be given once, not %1 times</source>
        <translation>--scale darf einmal angegeben werden, nicht %1-mal</translation>
    </message>
    <message>
        <source>--scale takes 1, 2 or 4, not “%1”</source>
        <translation>--scale nimmt 1, 2 oder 4, nicht „%1“</translation>
    </message>
    <message>
        <source>The screen a .wav plays from left to right in three seconds, by its number: 1, the nearest the mirrors, to 10, the farthest (10 unless told).</source>
        <translation>Der Schirm, den eine .wav in drei Sekunden von links nach rechts spielt, mit seiner Nummer: 1, der den Spiegeln nächste, bis 10, der fernste (10, wenn nichts angegeben ist).</translation>
    </message>
    <message>
        <source>--screen goes with --export</source>
        <translation>--screen gehört zu --export</translation>
    </message>
    <message>
        <source>--screen may be given once, not %1 times</source>
        <translation>--screen darf einmal angegeben werden, nicht %1-mal</translation>
    </message>
    <message>
        <source>--screen takes a screen&apos;s number, 1 to %1, not “%2”</source>
        <translation>--screen nimmt die Nummer eines Schirms, 1 bis %1, nicht „%2“</translation>
    </message>
    <message>
        <source>--screen says which screen a .wav plays: give --export with a name ending in .wav</source>
        <translation>--screen sagt, welchen Schirm eine .wav spielt: Gib --export mit einem Namen an, der auf .wav endet</translation>
    </message>
    <message>
        <source>Performs the run without a window and writes FILE, a picture, the numbers or a sound by its name&apos;s end: .png, .svg, .pdf, .csv or .wav. May be given more than once.</source>
        <translation>Führt die Rechnung ohne Fenster aus und schreibt FILE, ein Bild, die Zahlen oder einen Klang, je nach Endung des Namens: .png, .svg, .pdf, .csv oder .wav. Darf mehrmals angegeben werden.</translation>
    </message>
</context>
<context>
    <name>ControlTexts</name>
    <message>
        <source>%1 Left button: divide by 10; right button: multiply by 10. Below %2 it wraps to %3, above %3 to %2.</source>
        <translation>%1 Linke Maustaste: durch 10 teilen; rechte Maustaste: mit 10 malnehmen. Unter %2 springt der Wert auf %3, über %3 auf %2.</translation>
    </message>
    <message>
        <source>%1 Click (or press F2) to type a new value in a dialog; Page Up and Page Down multiply and divide it by 10, like the right and left button on its label.</source>
        <translation>%1 Klicken (oder F2) öffnet ein Fenster für einen neuen Wert; Bild auf und Bild ab nehmen ihn mit 10 mal oder teilen ihn durch 10, wie die rechte und linke Maustaste auf seiner Beschriftung.</translation>
    </message>
    <message>
        <source>Field of light</source>
        <translation>Lichtfeld</translation>
    </message>
    <message>
        <source>Colour scale</source>
        <translation>Farbskala</translation>
    </message>
    <message>
        <source>Run of the field</source>
        <translation>Rechnung des Feldes</translation>
    </message>
    <message>
        <source>The run whose paths the field sums.</source>
        <translation>Die Rechnung, deren Wege das Feld summiert.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>How far the field is computed: a coarse picture first, then every pixel.</source>
        <translation>Wie weit das Feld berechnet ist: erst ein grobes Bild, dann jedes Pixel.</translation>
    </message>
    <message>
        <source>Point under the pointer</source>
        <translation>Punkt unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>Where the pointer is, as the source labels give a point: X across from the centre of the row, Y the distance below the row; and the value there.</source>
        <translation>Wo der Mauszeiger ist, so angegeben wie bei der Quelle: X quer von der Mitte der Reihe, Y die Entfernung unter der Reihe; und der Wert dort.</translation>
    </message>
    <message>
        <source>Fringes finer than the pixels</source>
        <translation>Streifen feiner als die Pixel</translation>
    </message>
    <message>
        <source>Where the fringes are finer than two pixels, a pixel&apos;s value is a sample: zoom in to see them.</source>
        <translation>Wo die Interferenzstreifen feiner als zwei Pixel sind, ist der Wert eines Pixels nur eine Stichprobe: Zoome hinein, um sie zu sehen.</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Logarithmic scale</source>
        <translation>Logarithmische Skala</translation>
    </message>
    <message>
        <source>Shows %1 decades below full colour evenly, for the faint fringes.</source>
        <translation>Zeigt %1 Dekaden unter der vollen Farbe gleichmäßig, für die schwachen Streifen.</translation>
    </message>
    <message>
        <source>Whole square</source>
        <translation>Ganzes Quadrat</translation>
    </message>
    <message>
        <source>Shows the whole plot square again (Home).</source>
        <translation>Zeigt wieder das ganze Quadrat des Bildes (Pos1).</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Saves the field and its colour scale as a PNG picture, at the window&apos;s resolution, once every pixel is computed.</source>
        <translation>Speichert das Feld und seine Farbskala als PNG-Bild in der Auflösung des Fensters, sobald jedes Pixel berechnet ist.</translation>
    </message>
    <message>
        <source>Save numbers</source>
        <translation>Zahlen speichern</translation>
    </message>
    <message>
        <source>The wavelength of the light, in plot units: the plot is 100 by 100 units.</source>
        <translation>Die Wellenlänge des Lichts in Einheiten des Bildes: Das Bild ist 100 mal 100 Einheiten groß.</translation>
    </message>
    <message>
        <source>The angle between neighbouring rays from the source, in radians: a finer resolution sums more paths.</source>
        <translation>Der Winkel zwischen benachbarten Strahlen der Quelle, in Radiant: Eine feinere Auflösung summiert mehr Wege.</translation>
    </message>
    <message>
        <source>The factor the plotted curves are multiplied by.</source>
        <translation>Der Faktor, mit dem die gezeichneten Kurven malgenommen werden.</translation>
    </message>
    <message>
        <source>The width of every mirror or slit, in plot units.</source>
        <translation>Die Breite jedes Spiegels oder Spalts, in Einheiten des Bildes.</translation>
    </message>
    <message>
        <source>Resolution X is the step between detector points along each screen, in plot units (at least %1).</source>
        <translation>Auflösung X ist der Abstand der Messpunkte auf jedem Schirm, in Einheiten des Bildes (mindestens %1).</translation>
    </message>
    <message>
        <source>Wavelength label</source>
        <translation>Beschriftung Wellenlänge</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Wellenlänge</translation>
    </message>
    <message>
        <source>Resolution label</source>
        <translation>Beschriftung Auflösung</translation>
    </message>
    <message>
        <source>Resolution in radians</source>
        <translation>Auflösung in Radiant</translation>
    </message>
    <message>
        <source>Resolution X label</source>
        <translation>Beschriftung Auflösung X</translation>
    </message>
    <message>
        <source>%1 Click to step it: 1, .5, .25, .1, then 1 again.</source>
        <translation>%1 Klicken schaltet weiter: 1, .5, .25, .1, dann wieder 1.</translation>
    </message>
    <message>
        <source>Resolution X</source>
        <translation>Auflösung X</translation>
    </message>
    <message>
        <source>%1 Type a new value; Page Up or Page Down steps it like a click on its label.</source>
        <translation>%1 Gib einen neuen Wert ein; Bild auf oder Bild ab schaltet ihn weiter wie ein Klick auf seine Beschriftung.</translation>
    </message>
    <message>
        <source>Gain label</source>
        <translation>Beschriftung Verstärkung</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Verstärkung</translation>
    </message>
    <message>
        <source>Width label</source>
        <translation>Beschriftung Breite</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Spacing label</source>
        <translation>Beschriftung Abstand</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Calculate and plot</source>
        <translation>Berechnen und zeichnen</translation>
    </message>
    <message>
        <source>Computes the ten screens and draws their curves (%1).</source>
        <translation>Berechnet die zehn Schirme und zeichnet ihre Kurven (%1).</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Anordnung</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Prints the window on the default printer (%1).</source>
        <translation>Druckt das Fenster auf dem Standarddrucker (%1).</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stops a calculation in progress; the curves drawn so far stay (%1).</source>
        <translation>Hält eine laufende Rechnung an; die bisher gezeichneten Kurven bleiben (%1).</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Explains the program and how to use it (%1).</source>
        <translation>Erklärt das Programm und seine Bedienung (%1).</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Ends the program at once (%1).</source>
        <translation>Beendet das Programm sofort (%1).</translation>
    </message>
    <message>
        <source>Source Y</source>
        <translation>Quelle Y</translation>
    </message>
    <message>
        <source>Y: how far the light source lies below the mirrors. Click to put the source back at Y= 100.</source>
        <translation>Y: wie weit die Lichtquelle unter den Spiegeln liegt. Klicken setzt die Quelle zurück auf Y= 100.</translation>
    </message>
    <message>
        <source>Source X</source>
        <translation>Quelle X</translation>
    </message>
    <message>
        <source>X: how far the light source lies right of the centre of the mirrors. Click to put the source back at X= 0.</source>
        <translation>X: wie weit die Lichtquelle rechts von der Mitte der Spiegel liegt. Klicken setzt die Quelle zurück auf X= 0.</translation>
    </message>
    <message>
        <source>Light source</source>
        <translation>Lichtquelle</translation>
    </message>
    <message>
        <source>The light source. %1</source>
        <translation>Die Lichtquelle. %1</translation>
    </message>
    <message>
        <source>Light source, left half</source>
        <translation>Lichtquelle, linke Hälfte</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>What the last run read from a box whose text is not a plain number, or that no path reached the mirrors; in the live mode also whether the picture is coarse while the source moves, or why the last change cannot be calculated.</source>
        <translation>Was die letzte Rechnung aus einem Eingabefeld gelesen hat, dessen Text keine reine Zahl ist, oder dass kein Weg die Spiegel erreicht hat; im Live-Modus auch, ob das Bild grob ist, solange sich die Quelle bewegt, oder warum sich die letzte Änderung nicht berechnen lässt.</translation>
    </message>
    <message>
        <source>Probed point</source>
        <translation>Untersuchter Punkt</translation>
    </message>
    <message>
        <source>The point the Arrows at a Point window shows.</source>
        <translation>Der Punkt, den das Fenster „Zeiger an einem Punkt“ zeigt.</translation>
    </message>
    <message>
        <source>Experiment</source>
        <translation>Versuch</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Screen %1 distance</source>
        <translation>Schirm %1 Entfernung</translation>
    </message>
    <message>
        <source>The distance of the screen below from the mirrors, in plot units.</source>
        <translation>Die Entfernung des Schirms darunter von den Spiegeln, in Einheiten des Bildes.</translation>
    </message>
    <message>
        <source>Screen %1 paths</source>
        <translation>Schirm %1 Wege</translation>
    </message>
    <message>
        <source>The number of paths summed at every point of the screen below.</source>
        <translation>Die Zahl der Wege, die an jedem Punkt des Schirms darunter summiert werden.</translation>
    </message>
    <message>
        <source>Screen %1</source>
        <translation>Schirm %1</translation>
    </message>
    <message>
        <source>Pattern: %1</source>
        <translation>Anordnung: %1</translation>
    </message>
    <message>
        <source>Source %1</source>
        <translation>Quelle %1</translation>
    </message>
    <message>
        <source>%1, not computed yet</source>
        <translation>%1, noch nicht berechnet</translation>
    </message>
    <message>
        <source>%1, %2 below the mirrors</source>
        <translation>%1, %2 unter den Spiegeln</translation>
    </message>
    <message>
        <source>: largest value %1 at X = %2</source>
        <translation>: größter Wert %1 bei X = %2</translation>
    </message>
    <message>
        <source>%1 paths, not computed yet</source>
        <translation>%1 Wege, noch nicht berechnet</translation>
    </message>
    <message>
        <source>%1: %2 paths</source>
        <translation>%1: %2 Wege</translation>
    </message>
    <message>
        <source> The largest value, %1, lies on %2 at X = %3.</source>
        <translation> Der größte Wert, %1, liegt auf %2 bei X = %3.</translation>
    </message>
    <message>
        <source>How much light arrives at every point of the plot: p / N² of the last run&apos;s paths as a colour (every arrow has the same length, so compare points at one distance from the row, not at different distances). The wheel zooms about the pointer, a drag with the left button moves the view, + and - zoom, Home shows the whole square, Shift and a drag measure. With Arrows at a Point open, the pointer chooses the point whose arrows it shows.</source>
        <translation>Wie viel Licht an jedem Punkt des Bildes ankommt: p / N² der Wege der letzten Rechnung als Farbe (jeder Zeiger hat dieselbe Länge, also vergleiche Punkte in gleichem Abstand von der Reihe, nicht in verschiedenen Abständen). Das Mausrad zoomt um den Mauszeiger, Ziehen mit der linken Maustaste verschiebt die Ansicht, + und - zoomen, Pos1 zeigt das ganze Quadrat, Umschalt und Ziehen misst. Ist „Zeiger an einem Punkt“ offen, wählt der Mauszeiger den Punkt, dessen Zeiger es zeigt.</translation>
    </message>
    <message>
        <source>The gap between one mirror or slit and the next, in plot units (a single mirror has none). The period, from one element&apos;s centre to the next, is the width plus the spacing.</source>
        <translation>Der Abstand zwischen einem Spiegel oder Spalt und dem nächsten, in Einheiten des Bildes (ein einzelner Spiegel hat keinen). Die Gitterkonstante, von der Mitte eines Elements zur Mitte des nächsten, ist die Breite plus der Abstand.</translation>
    </message>
    <message>
        <source>Click with the left button anywhere in the window to move the light source there. A click in the strip below the plot makes a far source, a hundred times as far below the plot&apos;s bottom edge as the click: a few pixels below the plot it stands only 150 to 200 below the row, at the bottom of the strip 1900 below, where its light is almost parallel. %1 places it from the keyboard.</source>
        <translation>Ein Klick mit der linken Maustaste irgendwo ins Fenster setzt die Lichtquelle dorthin. Ein Klick in den Streifen unter dem Bild ergibt eine ferne Quelle, hundertmal so weit unter dem unteren Rand des Bildes wie der Klick: wenige Pixel unter dem Bild steht sie nur 150 bis 200 unter der Reihe, am unteren Ende des Streifens 1900 darunter, wo ihr Licht fast parallel ist. %1 setzt sie über die Tastatur.</translation>
    </message>
    <message>
        <source>The mirrors or slits of the next run. Click to step through one to five mirrors and a grating that fills the row. The elements reflect: the screens show the pattern that slits would let through, mirrored across the row.</source>
        <translation>Die Spiegel oder Spalte der nächsten Rechnung. Klicken schaltet durch einen bis fünf Spiegel und ein Gitter, das die Reihe füllt. Die Elemente spiegeln: Die Schirme zeigen das Muster, das Spalte durchlassen würden, an der Reihe gespiegelt.</translation>
    </message>
    <message>
        <source>Ten screens (the horizontal lines) below a row of mirrors or slits at the top. %1 Hold Shift and drag to measure a line with the ruler; Esc takes it away.</source>
        <translation>Zehn Schirme (die waagerechten Linien) unter einer Reihe von Spiegeln oder Spalten oben. %1 Mit gedrückter Umschalttaste ziehen misst eine Strecke mit dem Lineal; Esc nimmt es weg.</translation>
    </message>
    <message>
        <source>Screen %1 Fresnel number</source>
        <translation>Schirm %1 Fresnel-Zahl</translation>
    </message>
    <message>
        <source>With View &gt; Theory on, after a run: the Fresnel number F of the screen above and whether it is far (F below 0.3), where the textbook&apos;s far-field pattern holds, near (F above 3) or between.</source>
        <translation>Bei eingeschalteter Ansicht &gt; Theorie, nach einer Rechnung: die Fresnel-Zahl F des Schirms darüber und ob er fern ist (F unter 0.3), wo das Fernfeldmuster des Lehrbuchs gilt, nah (F über 3) oder dazwischen.</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>The line Shift and a drag measure: its X and Y differences, its length and its angle from the vertical, in plot units, and with View &gt; Theory on the textbook&apos;s fringe spacing. Esc takes it away.</source>
        <translation>Die Strecke, die Umschalt und Ziehen messen: ihre Unterschiede in X und Y, ihre Länge und ihr Winkel zur Senkrechten, in Einheiten des Bildes, und bei eingeschalteter Ansicht &gt; Theorie der Streifenabstand des Lehrbuchs. Esc nimmt sie weg.</translation>
    </message>
    <message>
        <source>Screen %1 Fresnel number %2</source>
        <translation>Schirm %1 Fresnel-Zahl %2</translation>
    </message>
    <message>
        <source>Screen %1, %2 below the mirrors: Fresnel number F = %3, below 0.3, so the screen is far: the textbook&apos;s far-field pattern (the coloured curve) should match the band here.</source>
        <translation>Schirm %1, %2 unter den Spiegeln: Fresnel-Zahl F = %3, unter 0.3, also ist der Schirm fern: Das Fernfeldmuster des Lehrbuchs (die farbige Kurve) sollte hier zum Band passen.</translation>
    </message>
    <message>
        <source>Screen %1, %2 below the mirrors: Fresnel number F = %3, above 3, so the screen is near: the band still has the shape of the mirrors and the textbook&apos;s far-field pattern (the coloured curve) does not hold.</source>
        <translation>Schirm %1, %2 unter den Spiegeln: Fresnel-Zahl F = %3, über 3, also ist der Schirm nah: Das Band hat noch die Form der Spiegel, und das Fernfeldmuster des Lehrbuchs (die farbige Kurve) gilt nicht.</translation>
    </message>
    <message>
        <source>Screen %1, %2 below the mirrors: Fresnel number F = %3, between 0.3 and 3, so the screen is neither near nor far: the band is on its way to the textbook&apos;s far-field pattern (the coloured curve).</source>
        <translation>Schirm %1, %2 unter den Spiegeln: Fresnel-Zahl F = %3, zwischen 0.3 und 3, also ist der Schirm weder nah noch fern: Das Band ist auf dem Weg zum Fernfeldmuster des Lehrbuchs (die farbige Kurve).</translation>
    </message>
    <message>
        <source>Textbook p / N² (far field)</source>
        <translation>Lehrbuch p / N² (Fernfeld)</translation>
    </message>
    <message>
        <source>Fresnel number</source>
        <translation>Fresnel-Zahl</translation>
    </message>
    <message>
        <source>The mirrors or slits along the top and, on each of the ten screens, a white band whose height shows how much light arrives at each point compared with the other points of that screen: every path&apos;s arrow has the same length however long the path, so the heights compare within a screen, not between screens.</source>
        <translation>Die Spiegel oder Spalte oben und auf jedem der zehn Schirme ein weißes Band, dessen Höhe zeigt, wie viel Licht an jedem Punkt ankommt, verglichen mit den anderen Punkten dieses Schirms: Der Zeiger jedes Weges hat dieselbe Länge, wie lang der Weg auch ist, also vergleichen sich die Höhen innerhalb eines Schirms, nicht zwischen Schirmen.</translation>
    </message>
    <message>
        <source>The value of p / N² each colour stands for. Full colour is where a curve&apos;s band in the main window would reach the next screen. With Waves, the value of Re S / N each colour stands for: the horizontal part of the pixel&apos;s sum of arrows at that instant, divided by N. A crest is full colour where p / N² is.</source>
        <translation>Der Wert von p / N², für den jede Farbe steht. Volle Farbe heißt: Das Band einer Kurve im Hauptfenster würde bis zum nächsten Schirm reichen. Bei Wellen der Wert von Re S / N, für den jede Farbe steht: der waagerechte Teil der Summe der Zeiger des Pixels in diesem Augenblick, geteilt durch N. Ein Wellenberg hat volle Farbe, wo p / N² sie hat.</translation>
    </message>
    <message>
        <source>The colours of the field: from dark violet through red to pale yellow, or grey, which prints as it shows. In both, brighter is more light. Waves shows the light as it moves: every arrow turned as time passes, a crest in one colour, a trough in another, dark where the wave is zero.</source>
        <translation>Die Farben des Feldes: von dunklem Violett über Rot zu hellem Gelb, oder Grau, das gedruckt so aussieht wie am Bildschirm. In beiden heißt heller mehr Licht. Wellen zeigt das Licht, wie es sich bewegt: Jeder Zeiger dreht sich mit der Zeit, ein Wellenberg in einer Farbe, ein Wellental in einer anderen, dunkel, wo die Welle null ist.</translation>
    </message>
    <message>
        <source>Saves X (from the centre of the row), Y (below the row), the paths, p / N² and the sum of the arrows (its horizontal and vertical parts) of every pixel as comma-separated values with every digit, after lines starting with # that name the settings, once every pixel is computed.</source>
        <translation>Speichert X (von der Mitte der Reihe), Y (unter der Reihe), die Wege, p / N² und die Summe der Zeiger (ihren waagerechten und senkrechten Teil) jedes Pixels als kommagetrennte Werte mit allen Stellen, nach Zeilen mit #, die die Einstellungen nennen, sobald jedes Pixel berechnet ist.</translation>
    </message>
    <message>
        <source>Speed of the waves</source>
        <translation>Geschwindigkeit der Wellen</translation>
    </message>
    <message>
        <source>How fast the waves move: at 1× a period lasts a second.</source>
        <translation>Wie schnell sich die Wellen bewegen: bei 1× dauert eine Periode eine Sekunde.</translation>
    </message>
    <message>
        <source>Pause the waves</source>
        <translation>Wellen anhalten</translation>
    </message>
    <message>
        <source>Stops the waves at the instant shown, and starts them again (Space).</source>
        <translation>Hält die Wellen im gezeigten Augenblick an und lässt sie wieder laufen (Leertaste).</translation>
    </message>
    <message>
        <source> Tab to the plot, or press %1, and the arrow keys move a probe along the screens; %2 turns on a tone that follows it.</source>
        <translation> Springe mit Tab zum Bild oder drücke %1, dann bewegen die Pfeiltasten eine Sonde über die Schirme; %2 schaltet einen Ton ein, der ihr folgt.</translation>
    </message>
    <message>
        <source>Nothing calculated yet: press %1 (CALC AND PLOT), then the arrow keys move the probe along a screen.</source>
        <translation>Noch nichts berechnet: Drücke %1 (RECHNEN UND ZEICHNEN), dann bewegen die Pfeiltasten die Sonde über einen Schirm.</translation>
    </message>
    <message>
        <source>Screen %1, X %2: not computed yet</source>
        <translation>Schirm %1, X %2: noch nicht berechnet</translation>
    </message>
    <message>
        <source>Screen %1, X %2: no path reaches the screens</source>
        <translation>Schirm %1, X %2: Kein Weg erreicht die Schirme</translation>
    </message>
    <message>
        <source>Screen %1, X %2: dark, as the whole screen is</source>
        <translation>Schirm %1, X %2: dunkel, wie der ganze Schirm</translation>
    </message>
    <message>
        <source>Screen %1, X %2: %3 of the screen&apos;s brightest</source>
        <translation>Schirm %1, X %2: %3 der hellsten Stelle des Schirms</translation>
    </message>
    <message>
        <source>Screen %1 is not computed yet: press %2 (CALC AND PLOT), then play it.</source>
        <translation>Schirm %1 ist noch nicht berechnet: Drücke %2 (RECHNEN UND ZEICHNEN) und spiele ihn dann.</translation>
    </message>
    <message>
        <source>Field at %1</source>
        <translation>Feld bei %1</translation>
    </message>
</context>
<context>
    <name>Exports</name>
    <message>
        <source>No screen has been calculated yet, so there are no numbers to export: calculate first.</source>
        <translation>Noch ist kein Schirm berechnet, also gibt es keine Zahlen zu exportieren: Berechne zuerst.</translation>
    </message>
    <message>
        <source>The file “%1” was not written: its name must end in .png, .svg, .pdf, .csv or .wav, which says what kind of file to write.</source>
        <translation>Die Datei „%1“ wurde nicht geschrieben: Ihr Name muss auf .png, .svg, .pdf, .csv oder .wav enden; die Endung sagt, welche Art von Datei entsteht.</translation>
    </message>
    <message>
        <source>The file “%1” was not written: %2</source>
        <translation>Die Datei „%1“ wurde nicht geschrieben: %2</translation>
    </message>
    <message>
        <source>screen %1 has not been calculated, so there is no sound of it to export.</source>
        <translation>Schirm %1 ist nicht berechnet, also gibt es keinen Klang von ihm zum Exportieren.</translation>
    </message>
</context>
<context>
    <name>FarField</name>
    <message>
        <source>F=%1 far</source>
        <translation>F=%1 fern</translation>
    </message>
    <message>
        <source>F=%1 near</source>
        <translation>F=%1 nah</translation>
    </message>
    <message>
        <source>F=%1 between</source>
        <translation>F=%1 dazwischen</translation>
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
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Simulates various slit/mirror configurations for different wavelengths and point light-source locations. <byte value="xd"/><byte value="xd"/>Click Calculate to see probability distributions appear on ten equally-spaced graphs.<byte value="xd"/><byte value="xd"/>For the theory behind the arrows, read a physicist&apos;s popular book on light and electrons: &quot;Little Arrows: How Light Finds Its Way&quot;<byte value="xd"/><byte value="xd"/>The plot area is 100 by 100. If Wavelength = 1 then the area is 100 by 100 wavelengths. <byte value="xd"/><byte value="xd"/>To change point light source location: Click anywhere on screen. Note coordinates are shown at bottom right. <byte value="xd"/>Clicking below Y=-100 multiplies X,Y by 100 enabling distant almost parallel light source.<byte value="xd"/><byte value="xd"/>The number of paths analyzed is on the right of the graphs.<byte value="xd"/>If too few paths produce eroneous results, use finer angular resolution to get more paths as measured from point source. <byte value="xd"/><byte value="xd"/>Curves are not normalized but are divided by number of paths squared.<byte value="xd"/><byte value="xd"/>Select Mirror Number, Mirror/Slit Width and Spacing, and Wavelength, Resolution, Gain, to conduct different experiments. <byte value="xd"/></source>
        <translation>Simuliert verschiedene Anordnungen von Spalten und Spiegeln für verschiedene Wellenlängen und Orte einer punktförmigen Lichtquelle. </translation>
    </message>
    <message>
        <source>Light as a sum over paths, A. N. Arrowsmith, Pathsum Teaching Workshop, 2016</source>
        <translation>Licht als Summe über Wege, A. N. Arrowsmith, Pathsum Teaching Workshop, 2016</translation>
    </message>
</context>
<context>
    <name>Lessons</name>
    <message>
        <source>A mirror: the light comes back where the paths are shortest</source>
        <translation>Ein Spiegel: Das Licht kommt dort zurück, wo die Wege am kürzesten sind</translation>
    </message>
    <message>
        <source>A mirror with strips removed: beside the reflection, beams go off to the side</source>
        <translation>Ein Spiegel mit entfernten Streifen: Neben der Reflexion gehen Bündel zur Seite ab</translation>
    </message>
    <message>
        <source>Two slits: bright and dark fringes where their arrows agree or cancel</source>
        <translation>Zwei Spalte: helle und dunkle Streifen, wo ihre Zeiger übereinstimmen oder sich aufheben</translation>
    </message>
    <message>
        <source>Five slits in parallel light: sharp bright lines, with three faint ones between each pair</source>
        <translation>Fünf Spalte in parallelem Licht: scharfe helle Linien, mit drei schwachen zwischen je zweien</translation>
    </message>
    <message>
        <source>Parallel light from a far source: the mirror returns a beam about as wide as itself</source>
        <translation>Paralleles Licht von einer fernen Quelle: Der Spiegel wirft ein Bündel zurück, etwa so breit wie er selbst</translation>
    </message>
    <message>
        <source>Two slits at half the wavelength: the fringes stand twice as close</source>
        <translation>Zwei Spalte bei halber Wellenlänge: Die Streifen liegen doppelt so dicht</translation>
    </message>
    <message>
        <source>One slit, 10 wide, in parallel light: on the nearest screen (F=2.5, between) a low rippled top about as wide as the slit, nothing like the textbook&apos;s narrow hump; on the two farthest (F below 0.3, far) one hump with faint side lobes, within 8% of the textbook&apos;s curve</source>
        <translation>Ein Spalt, 10 breit, in parallelem Licht: auf dem nächsten Schirm (F=2.5, dazwischen) ein flaches, welliges Plateau, etwa so breit wie der Spalt, ganz anders als der schmale Buckel des Lehrbuchs; auf den zwei fernsten (F unter 0.3, fern) ein Buckel mit schwachen Nebenmaxima, bis auf 8% wie die Kurve des Lehrbuchs</translation>
    </message>
    <message>
        <source>A small grating in parallel light: five strips one unit apart send beams along the orders, sine = m times wavelength / (width + spacing)</source>
        <translation>Ein kleines Gitter in parallelem Licht: fünf Spiegelstreifen, von Mitte zu Mitte eine Einheit auseinander, senden Bündel entlang der Ordnungen, Sinus = m mal Wellenlänge / (Breite + Abstand)</translation>
    </message>
    <message>
        <source>White light through the two slits: a white fringe in the middle, and beside it fringes blue on their inner edge and red on their outer one</source>
        <translation>Weißes Licht durch die zwei Spalte: ein weißer Streifen in der Mitte und daneben Streifen, die innen blau und außen rot gerandet sind</translation>
    </message>
    <message>
        <source>A grating in white light: a white beam straight on and, on either side, a spectrum from violet nearest the middle to red farthest out</source>
        <translation>Ein Gitter in weißem Licht: ein weißes Bündel geradeaus und zu beiden Seiten ein Spektrum von Violett, der Mitte am nächsten, bis Rot, am weitesten außen</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Exa&amp;mples</source>
        <translation>&amp;Beispiele</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>Bild e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Export &amp;Data...</source>
        <translation>&amp;Daten exportieren...</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>D&amp;rucken</translation>
    </message>
    <message>
        <source>Print on &amp;White</source>
        <translation>Auf &amp;Weiß drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>&amp;Place Source...</source>
        <translation>&amp;Quelle setzen...</translation>
    </message>
    <message>
        <source>&amp;Arrows at a Point</source>
        <translation>&amp;Zeiger an einem Punkt</translation>
    </message>
    <message>
        <source>&amp;Field of Light</source>
        <translation>&amp;Lichtfeld</translation>
    </message>
    <message>
        <source>&amp;Live</source>
        <translation>Li&amp;ve</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About pathsum</source>
        <translation>&amp;Über pathsum</translation>
    </message>
    <message>
        <source>&amp;Theory</source>
        <translation>&amp;Theorie</translation>
    </message>
    <message>
        <source>&amp;White Light</source>
        <translation>&amp;Weißes Licht</translation>
    </message>
    <message>
        <source>Probe with &amp;Keys</source>
        <translation>&amp;Sonde mit Tasten</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>T&amp;on</translation>
    </message>
    <message>
        <source>Pla&amp;y Screen</source>
        <translation>Schirm abs&amp;pielen</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Not plain numbers: %1.</source>
        <translation>Keine reinen Zahlen: %1.</translation>
    </message>
    <message>
        <source>Not a plain number: %1.</source>
        <translation>Keine reine Zahl: %1.</translation>
    </message>
    <message>
        <source>No path reaches the screens: no ray from the source meets a mirror or slit within the plot. Move the source, or change the width or the spacing.</source>
        <translation>Kein Weg erreicht die Schirme: Kein Strahl der Quelle trifft innerhalb des Bildes einen Spiegel oder Spalt. Verschiebe die Quelle oder ändere Breite oder Abstand.</translation>
    </message>
    <message>
        <source>Too few paths for this wavelength: neighbouring rays meet the mirrors up to %1 apart, more than half a wavelength (%2), so the screens may show beams that the light does not have. A resolution of %3 radians or finer is fine enough.</source>
        <translation>Zu wenige Wege für diese Wellenlänge: Benachbarte Strahlen treffen die Spiegel bis zu %1 voneinander entfernt, mehr als eine halbe Wellenlänge (%2), daher können die Schirme Strahlenbündel zeigen, die das Licht nicht hat. Eine Auflösung von %3 Radiant oder feiner ist fein genug.</translation>
    </message>
    <message>
        <source>Too few paths for this wavelength: neighbouring rays meet the mirrors up to %1 apart, more than half a wavelength (%2), so the screens may show beams that the light does not have. A resolution of %3 radians would be fine enough, but needs more rays than a run may try: choose a longer wavelength, or a source nearer the mirrors.</source>
        <translation>Zu wenige Wege für diese Wellenlänge: Benachbarte Strahlen treffen die Spiegel bis zu %1 voneinander entfernt, mehr als eine halbe Wellenlänge (%2), daher können die Schirme Strahlenbündel zeigen, die das Licht nicht hat. Eine Auflösung von %3 Radiant wäre fein genug, braucht aber mehr Strahlen, als eine Rechnung versuchen darf: Wähle eine größere Wellenlänge oder eine Quelle näher an den Spiegeln.</translation>
    </message>
</context>
<context>
    <name>Pattern</name>
    <message>
        <source>Mirror Number Single</source>
        <translation>Spiegel: einer</translation>
    </message>
    <message>
        <source>Mirror Number Double</source>
        <translation>Spiegel: zwei</translation>
    </message>
    <message>
        <source>Mirror Number Triple</source>
        <translation>Spiegel: drei</translation>
    </message>
    <message>
        <source>Mirror Number Four</source>
        <translation>Spiegel: vier</translation>
    </message>
    <message>
        <source>Mirror Number Five</source>
        <translation>Spiegel: fünf</translation>
    </message>
    <message>
        <source>Mirror Number Grating</source>
        <translation>Spiegel: Gitter</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>%1 (read as%2)</source>
        <translation>%1 (gelesen als%2)</translation>
    </message>
    <message>
        <source>Wavelength %1 cannot be used: the wavelength must be a finite number other than 0.</source>
        <translation>Wellenlänge %1 ist nicht verwendbar: Die Wellenlänge muss eine endliche Zahl ungleich 0 sein.</translation>
    </message>
    <message>
        <source>Wavelength %1 cannot be used: it is so short that the longest path of this run, about %2 units, holds more wavelengths than the computer can count to a millionth of a turn, so the arrows of the paths would point the wrong way. Use a wavelength of at least%3.</source>
        <translation>Wellenlänge %1 ist nicht verwendbar: Sie ist so kurz, dass der längste Weg dieser Rechnung, etwa %2 Einheiten, mehr Wellenlängen enthält, als der Computer auf eine millionstel Umdrehung genau zählen kann; die Zeiger der Wege würden in die falsche Richtung zeigen. Wähle eine Wellenlänge von mindestens%3.</translation>
    </message>
    <message>
        <source>Resolution Radians %1 cannot be used: the angular resolution must be a finite number greater than 0.</source>
        <translation>Auflösung Radiant %1 ist nicht verwendbar: Die Winkelauflösung muss eine endliche Zahl größer als 0 sein.</translation>
    </message>
    <message>
        <source>Resolution X %1 cannot be used: the detector step must be a finite number of at least%2.</source>
        <translation>Auflösung X %1 ist nicht verwendbar: Der Abstand der Messpunkte muss eine endliche Zahl von mindestens%2 sein.</translation>
    </message>
    <message>
        <source>Gain %1 cannot be used: the gain must be a finite number from %2 to%3, or the plotted values would be too large for the computer&apos;s numbers.</source>
        <translation>Verstärkung %1 ist nicht verwendbar: Die Verstärkung muss eine endliche Zahl von %2 bis%3 sein, sonst würden die gezeichneten Werte zu groß für die Zahlen des Computers.</translation>
    </message>
    <message>
        <source>%1 %2 cannot be used: it must be a finite number.</source>
        <translation>%1 %2 ist nicht verwendbar: Der Wert muss eine endliche Zahl sein.</translation>
    </message>
    <message>
        <source>The source marker is too far below the plot: the source it stands for lies beyond the number range. Move the marker closer to the plot.</source>
        <translation>Die Markierung der Lichtquelle liegt zu weit unter dem Bild: Die Quelle, für die sie steht, liegt jenseits des Zahlenbereichs. Rücke die Markierung näher an das Bild.</translation>
    </message>
    <message>
        <source>The grating of Width %1 and Spacing %2 never reaches the right edge: Width plus Spacing must be more than 0.</source>
        <translation>Das Gitter mit Breite %1 und Abstand %2 erreicht nie den rechten Rand: Breite plus Abstand muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>The grating of Width %1 and Spacing %2 would hold more than %3 elements. Width plus Spacing must be at least%4.</source>
        <translation>Das Gitter mit Breite %1 und Abstand %2 hätte mehr als %3 Elemente. Breite plus Abstand muss mindestens%4 sein.</translation>
    </message>
    <message>
        <source>Resolution Radians %1 cannot be used with this source and these elements: the sweep of rays from the source would try more than %2 rays. Use a coarser resolution (a larger number of radians), or move the source or change the elements.</source>
        <translation>Auflösung Radiant %1 ist mit dieser Quelle und diesen Elementen nicht verwendbar: Der Fächer der Strahlen von der Quelle würde mehr als %2 Strahlen versuchen. Wähle eine gröbere Auflösung (mehr Radiant), verschiebe die Quelle oder ändere die Elemente.</translation>
    </message>
    <message>
        <source>Width %1 and Spacing %2 cannot be used with this source: they put an element at x =%3, where no ray from the source reaches, so the sweep of rays would never find it. Change the width or the spacing, or move the source.</source>
        <translation>Breite %1 und Abstand %2 sind mit dieser Quelle nicht verwendbar: Damit liegt ein Element bei x =%3, wohin kein Strahl der Quelle reicht; der Fächer der Strahlen fände es nie. Ändere Breite oder Abstand oder verschiebe die Quelle.</translation>
    </message>
    <message>
        <source>Width %1 cannot be used with this source: it puts an element at x =%2, where no ray from the source reaches, so the sweep of rays would never find it. Change the width or the spacing, or move the source.</source>
        <translation>Breite %1 ist mit dieser Quelle nicht verwendbar: Damit liegt ein Element bei x =%2, wohin kein Strahl der Quelle reicht; der Fächer der Strahlen fände es nie. Ändere Breite oder Abstand oder verschiebe die Quelle.</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Wellenlänge</translation>
    </message>
    <message>
        <source>Resolution Radians</source>
        <translation>Auflösung Radiant</translation>
    </message>
    <message>
        <source>Resolution X</source>
        <translation>Auflösung X</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Verstärkung</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Wavelength %1 cannot be used: it is so short that the longest path of this run, about %2 units, holds more of the white light&apos;s shortest wavelengths than the computer can count to a millionth of a turn, so the arrows of the paths would point the wrong way. Use a wavelength of at least%3.</source>
        <translation>Wellenlänge %1 ist nicht verwendbar: Sie ist so kurz, dass der längste Weg dieser Rechnung, etwa %2 Einheiten, mehr der kürzesten Wellenlängen des weißen Lichts enthält, als der Computer auf eine millionstel Umdrehung genau zählen kann; die Zeiger der Wege würden in die falsche Richtung zeigen. Wähle eine Wellenlänge von mindestens%3.</translation>
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
        <translation>Länge %1, %2° zur Senkrechten</translation>
    </message>
    <message>
        <source>textbook fringe spacing at Y %1: %2</source>
        <translation>Streifenabstand laut Lehrbuch bei Y %1: %2</translation>
    </message>
    <message>
        <source>one element: no fringes of that kind</source>
        <translation>ein Element: keine Streifen dieser Art</translation>
    </message>
</context>
<context>
    <name>SaveWhole</name>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>eine benannte Pipe (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation>etwas anderes als eine Datei</translation>
    </message>
    <message>
        <source>The file %1 was not written: </source>
        <translation>Die Datei %1 wurde nicht geschrieben: </translation>
    </message>
    <message>
        <source>it is %1, not a plain file.</source>
        <translation>Sie ist %1, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>it links to %1, which is %2, not a plain file.</source>
        <translation>Sie verweist auf %1, und das ist %2, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>nothing more could be written</source>
        <translation>es ließ sich nichts mehr schreiben</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2.</source>
        <translation>Die Datei %1 ließ sich nicht schreiben: %2.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2. A file of that name that was there before is as it was.</source>
        <translation>Die Datei %1 ließ sich nicht schreiben: %2. Eine Datei dieses Namens, die vorher da war, ist unverändert.</translation>
    </message>
</context>
<context>
    <name>SetupFile</name>
    <message>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1 must be a text in quotes, as its box holds it (for example &quot;%2&quot;: &quot;1&quot;)</source>
        <translation>%1 muss ein Text in Anführungszeichen sein, wie ihn sein Eingabefeld enthält (zum Beispiel &quot;%2&quot;: &quot;1&quot;)</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>%1 holds a line break or another control character, which a box cannot hold</source>
        <translation>%1 enthält einen Zeilenumbruch oder ein anderes Steuerzeichen, das ein Eingabefeld nicht enthalten kann</translation>
    </message>
    <message>
        <source>%1 is %2, which is none of the patterns (%3)</source>
        <translation>%1 ist %2, und das ist keine der Anordnungen (%3)</translation>
    </message>
    <message>
        <source>the source&apos;s %1 must be a number</source>
        <translation>%1 der Quelle muss eine Zahl sein</translation>
    </message>
    <message>
        <source>the source&apos;s %1, %2, lies more than %3 units from the centre of the plot</source>
        <translation>%1 der Quelle, %2, liegt mehr als %3 Einheiten von der Mitte des Bildes entfernt</translation>
    </message>
    <message>
        <source>%1 must be an object such as {&quot;x&quot;: 50, &quot;y&quot;: 0}</source>
        <translation>%1 muss ein Objekt wie {&quot;x&quot;: 50, &quot;y&quot;: 0} sein</translation>
    </message>
    <message>
        <source>%1 must give both %2 and %3, such as {&quot;x&quot;: 50, &quot;y&quot;: 0}</source>
        <translation>%1 muss %2 und %3 angeben, etwa {&quot;x&quot;: 50, &quot;y&quot;: 0}</translation>
    </message>
    <message>
        <source>it holds none of the keys of a pathsum set-up</source>
        <translation>Sie enthält keinen der Schlüssel eines pathsum-Aufbaus</translation>
    </message>
    <message>
        <source>its %1 is not &quot;%2&quot;: it is not a pathsum set-up</source>
        <translation>Ihr %1 ist nicht &quot;%2&quot;: Sie ist kein pathsum-Aufbau</translation>
    </message>
    <message>
        <source>it is a set-up of version %1, written by a newer pathsum; this one reads version %2</source>
        <translation>Sie ist ein Aufbau der Version %1, von einem neueren pathsum geschrieben; dieses liest Version %2</translation>
    </message>
    <message>
        <source>its %1 must be %2</source>
        <translation>Ihr %1 muss %2 sein</translation>
    </message>
    <message>
        <source>it nests deeper than %1 levels (%2); a set-up nests two deep</source>
        <translation>Sie ist tiefer als %1 Ebenen verschachtelt (%2); ein Aufbau ist zwei Ebenen tief</translation>
    </message>
    <message>
        <source>it is not text in UTF-8</source>
        <translation>Sie ist kein Text in UTF-8</translation>
    </message>
    <message>
        <source>it is not JSON (%1): %2</source>
        <translation>Sie ist kein JSON (%1): %2</translation>
    </message>
    <message>
        <source>it holds no JSON object: a set-up is one object, {...}</source>
        <translation>Sie enthält kein JSON-Objekt: Ein Aufbau ist ein Objekt, {...}</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened as a set-up: %2.</source>
        <translation>Die Datei %1 lässt sich nicht als Aufbau öffnen: %2.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>Sie ist ein Ordner</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>Es gibt keine solche Datei</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>Sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is %1 bytes long, and a set-up is at most %2</source>
        <translation>Sie ist %1 Bytes lang, und ein Aufbau hat höchstens %2</translation>
    </message>
    <message>
        <source>it is over %1 bytes long</source>
        <translation>Sie ist über %1 Bytes lang</translation>
    </message>
    <message>
        <source>%1 must be the text &quot;%2&quot; for white light, or be left out for light of the one wavelength typed</source>
        <translation>%1 muss der Text &quot;%2&quot; für weißes Licht sein oder fehlen für Licht der einen eingegebenen Wellenlänge</translation>
    </message>
    <message>
        <source>%1 is %2, which is no light pathsum knows (&quot;%3&quot; is white light; without the key the light is the one wavelength typed)</source>
        <translation>%1 ist %2, und das ist kein Licht, das pathsum kennt (&quot;%3&quot; ist weißes Licht; ohne den Schlüssel ist das Licht die eine eingegebene Wellenlänge)</translation>
    </message>
</context>
<context>
    <name>pathsum::ArrowPictureView</name>
    <message>
        <source>Arrow chain</source>
        <translation>Zeigerkette</translation>
    </message>
    <message>
        <source>The arrows of every path to the chosen point, head to tail, and their resultant.</source>
        <translation>Die Zeiger aller Wege zum gewählten Punkt, aneinandergehängt, und ihre Resultierende.</translation>
    </message>
    <message>
        <source> Now %1 arrows; the resultant is %2 arrows long.</source>
        <translation> Jetzt %1 Zeiger; die Resultierende ist %2 Zeiger lang.</translation>
    </message>
</context>
<context>
    <name>pathsum::ArrowsWindow</name>
    <message>
        <source>Arrows at a Point</source>
        <translation>Zeiger an einem Punkt</translation>
    </message>
    <message>
        <source>Show each &amp;element&apos;s resultant</source>
        <translation>Resultierende jedes &amp;Elements zeigen</translation>
    </message>
    <message>
        <source>Draws, over the chain, one large arrow for each mirror or slit: the sum of its own paths&apos; arrows. Added head to tail they make the resultant.</source>
        <translation>Zeichnet über die Kette einen großen Zeiger für jeden Spiegel oder Spalt: die Summe der Zeiger seiner eigenen Wege. Aneinandergehängt ergeben sie die Resultierende.</translation>
    </message>
    <message>
        <source>&amp;Hold</source>
        <translation>&amp;Halten</translation>
    </message>
    <message>
        <source>Keeps the chosen point while the pointer moves on (Alt+H).</source>
        <translation>Behält den gewählten Punkt, während der Mauszeiger weiterzieht (Alt+H).</translation>
    </message>
    <message>
        <source>Click CALC AND PLOT, then move the pointer over the plot: the arrows of the point under it appear here.</source>
        <translation>Klicke auf RECHNEN UND ZEICHNEN und bewege dann den Mauszeiger über das Bild: Die Zeiger des Punktes darunter erscheinen hier.</translation>
    </message>
    <message>
        <source>Move the pointer over the plot to choose a point.</source>
        <translation>Bewege den Mauszeiger über das Bild, um einen Punkt zu wählen.</translation>
    </message>
    <message>
        <source>The last run has no detector points.</source>
        <translation>Die letzte Rechnung hat keine Messpunkte.</translation>
    </message>
    <message>
        <source>This screen is not computed yet.</source>
        <translation>Dieser Schirm ist noch nicht berechnet.</translation>
    </message>
    <message>
        <source>No paths reach this point.</source>
        <translation>Kein Weg erreicht diesen Punkt.</translation>
    </message>
    <message>
        <source>The arrows of the %1 paths to this point of the field, head to tail, in the colours of their elements; the resultant in red.</source>
        <translation>Die Zeiger der %1 Wege zu diesem Punkt des Feldes, aneinandergehängt, in den Farben ihrer Elemente; die Resultierende in Rot.</translation>
    </message>
    <message>
        <source>The arrows of the %1 paths to this point, head to tail, in the colours of their elements; the resultant in red.</source>
        <translation>Die Zeiger der %1 Wege zu diesem Punkt, aneinandergehängt, in den Farben ihrer Elemente; die Resultierende in Rot.</translation>
    </message>
    <message>
        <source>The arrows of the %1 paths to this point of the field at the wavelength typed, the 550 nm of the white light, head to tail, in the colours of their elements; the resultant in red. The plot shows the mean of all 31 wavelengths.</source>
        <translation>Die Zeiger der %1 Wege zu diesem Punkt des Feldes bei der eingegebenen Wellenlänge, den 550 nm des weißen Lichts, aneinandergehängt, in den Farben ihrer Elemente; die Resultierende in Rot. Die Darstellung zeigt den Mittelwert aller 31 Wellenlängen.</translation>
    </message>
    <message>
        <source>The arrows of the %1 paths to this point at the wavelength typed, the 550 nm of the white light, head to tail, in the colours of their elements; the resultant in red. The plot shows the mean of all 31 wavelengths.</source>
        <translation>Die Zeiger der %1 Wege zu diesem Punkt bei der eingegebenen Wellenlänge, den 550 nm des weißen Lichts, aneinandergehängt, in den Farben ihrer Elemente; die Resultierende in Rot. Die Darstellung zeigt den Mittelwert aller 31 Wellenlängen.</translation>
    </message>
    <message>
        <source>The wave now, the resultant&apos;s projection / N: %1</source>
        <translation>Die Welle jetzt, die Projektion der Resultierenden / N: %1</translation>
    </message>
    <message>
        <source>The value the point&apos;s pixel in the field shows at this instant, with every digit: %1</source>
        <translation>Der Wert, den das Pixel des Punktes im Feld in diesem Augenblick zeigt, mit allen Stellen: %1</translation>
    </message>
</context>
<context>
    <name>pathsum::ExportPictureDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>a PNG picture</source>
        <translation>ein PNG-Bild</translation>
    </message>
    <message>
        <source>an SVG drawing</source>
        <translation>eine SVG-Zeichnung</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>ein PDF-Dokument</translation>
    </message>
    <message>
        <source>a table</source>
        <translation>eine Tabelle</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Ends in .png, .svg or .pdf: the kind of picture.</source>
        <translation>Endet auf .png, .svg oder .pdf: die Art des Bildes.</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>Wä&amp;hlen...</translation>
    </message>
    <message>
        <source>PNG size</source>
        <translation>PNG-Größe</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 Pixel</translation>
    </message>
    <message>
        <source>%1 (as the window)</source>
        <translation>%1 (wie das Fenster)</translation>
    </message>
    <message>
        <source>%1 (%2 times the window)</source>
        <translation>%1 (%2-mal das Fenster)</translation>
    </message>
    <message>
        <source>On &amp;white: the plot dark on white, as Print on White</source>
        <translation>Auf &amp;Weiß: das Bild dunkel auf Weiß, wie beim Drucken auf Weiß</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>PNG &amp;size:</source>
        <translation>PNG-&amp;Größe:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 gibt es schon.
Soll die Datei ersetzt werden?</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <translation>PNG-Bild (*.png);;SVG-Zeichnung (*.svg);;PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Writes %1: %2</source>
        <translation>Schreibt %1: %2</translation>
    </message>
    <message>
        <source>Export waits for the name of the file to write.</source>
        <translation>Der Export wartet auf den Namen der Datei.</translation>
    </message>
    <message>
        <source>Export waits: a name ending in .csv is for the numbers, which File &gt; Export Data writes. A picture&apos;s name ends in .png, .svg or .pdf.</source>
        <translation>Der Export wartet: Ein Name auf .csv ist für die Zahlen, die Datei &gt; Daten exportieren schreibt. Der Name eines Bildes endet auf .png, .svg oder .pdf.</translation>
    </message>
    <message>
        <source>Export waits for a name that ends in .png, .svg or .pdf: the ending says which kind of picture to write.</source>
        <translation>Der Export wartet auf einen Namen, der auf .png, .svg oder .pdf endet: Die Endung sagt, welche Art von Bild entsteht.</translation>
    </message>
    <message>
        <source>a sound</source>
        <translation>einen Klang</translation>
    </message>
</context>
<context>
    <name>pathsum::FieldWindow</name>
    <message>
        <source>Field of Light</source>
        <translation>Lichtfeld</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>&amp;Logarithmic</source>
        <translation>&amp;Logarithmisch</translation>
    </message>
    <message>
        <source>&amp;Whole Square</source>
        <translation>Ganzes &amp;Quadrat</translation>
    </message>
    <message>
        <source>Save &amp;Picture...</source>
        <translation>&amp;Bild speichern...</translation>
    </message>
    <message>
        <source>Save &amp;Numbers...</source>
        <translation>&amp;Zahlen speichern...</translation>
    </message>
    <message>
        <source>The last run: %1, wavelength %2, %3 paths, gain %4.</source>
        <translation>Die letzte Rechnung: %1, Wellenlänge %2, %3 Wege, Verstärkung %4.</translation>
    </message>
    <message>
        <source>The fringes here are as fine as %1 apart, finer than two pixels (a pixel is %2 across): each pixel is a sample, and the picture may show patterns that are not there. Zoom in (the wheel) to see the fringes themselves.</source>
        <translation>Die Interferenzstreifen liegen hier nur %1 auseinander, feiner als zwei Pixel (ein Pixel ist %2 breit): Jedes Pixel ist eine Stichprobe, und das Bild kann Muster zeigen, die es nicht gibt. Zoome hinein (Mausrad), um die Streifen selbst zu sehen.</translation>
    </message>
    <message>
        <source>Within %1 of the row the fringes are finer than two pixels (down to %2 apart; a pixel is %3 across): there each pixel is a sample, and the picture may show patterns that are not there. Zoom in (the wheel) to see them.</source>
        <translation>Bis %1 unter der Reihe sind die Interferenzstreifen feiner als zwei Pixel (bis zu %2 auseinander; ein Pixel ist %3 breit): Dort ist jedes Pixel eine Stichprobe, und das Bild kann Muster zeigen, die es nicht gibt. Zoome hinein (Mausrad), um sie zu sehen.</translation>
    </message>
    <message>
        <source>Click CALC AND PLOT in the main window: the field of the run&apos;s paths appears here.</source>
        <translation>Klicke im Hauptfenster auf RECHNEN UND ZEICHNEN: Das Feld der Wege der Rechnung erscheint hier.</translation>
    </message>
    <message>
        <source>The last run has no paths: no light reaches the plot.</source>
        <translation>Die letzte Rechnung hat keine Wege: Kein Licht erreicht das Bild.</translation>
    </message>
    <message>
        <source>The field follows once the run in the main window has ended.</source>
        <translation>Das Feld folgt, sobald die Rechnung im Hauptfenster beendet ist.</translation>
    </message>
    <message>
        <source>Refining: %1% of %2 pixels.</source>
        <translation>Verfeinern: %1% von %2 Pixeln.</translation>
    </message>
    <message>
        <source>Every one of %1 pixels computed, by the interpolated sum: within %2 of the sum over every path in p / N².</source>
        <translation>Alle %1 Pixel berechnet, mit der interpolierten Summe: höchstens %2 von der Summe über alle Wege entfernt, in p / N².</translation>
    </message>
    <message>
        <source>Every one of %1 pixels computed, summed over every path.</source>
        <translation>Alle %1 Pixel berechnet, summiert über alle Wege.</translation>
    </message>
    <message>
        <source>: p / N² %1</source>
        <translation>: p / N² %1</translation>
    </message>
    <message>
        <source>: p / N² about %1</source>
        <translation>: p / N² etwa %1</translation>
    </message>
    <message>
        <source>The file “%1” was not written: the field is not computed at every pixel yet.</source>
        <translation>Die Datei „%1“ wurde nicht geschrieben: Das Feld ist noch nicht an jedem Pixel berechnet.</translation>
    </message>
    <message>
        <source>Save the Picture of the Field</source>
        <translation>Bild des Feldes speichern</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Save the Numbers of the Field</source>
        <translation>Zahlen des Feldes speichern</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>The last run: %1 in white light, the wavelength %2 standing for 550 nm, %3 paths, gain %4. Each pixel shows the colour of the light arriving there.</source>
        <translation>Die letzte Rechnung: %1 in weißem Licht, die Wellenlänge %2 steht für 550 nm, %3 Wege, Verstärkung %4. Jedes Pixel zeigt die Farbe des Lichts, das dort ankommt.</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Wellen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
</context>
<context>
    <name>pathsum::FileCommands</name>
    <message>
        <source>pathsum set-ups (*.pathsum)</source>
        <translation>pathsum-Versuchsaufbauten (*.pathsum)</translation>
    </message>
    <message>
        <source>Open Set-up</source>
        <translation>Aufbau öffnen</translation>
    </message>
    <message>
        <source>Save Set-up</source>
        <translation>Aufbau speichern</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>The picture is written: %1</source>
        <translation>Das Bild ist geschrieben: %1</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Daten exportieren</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>The numbers are written: %1</source>
        <translation>Die Zahlen sind geschrieben: %1</translation>
    </message>
    <message>
        <source>No set-ups yet</source>
        <translation>Noch keine Aufbauten</translation>
    </message>
    <message>
        <source>No lessons found in %1</source>
        <translation>Keine Lektionen in %1 gefunden</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>Save the changes to “%1”?</source>
        <translation>Änderungen an „%1“ speichern?</translation>
    </message>
    <message>
        <source>The set-up has changed since it was opened or saved. Without saving, the changes are lost.</source>
        <translation>Der Aufbau wurde seit dem Öffnen oder Speichern geändert. Ohne Speichern gehen die Änderungen verloren.</translation>
    </message>
</context>
<context>
    <name>pathsum::GuideWindow</name>
    <message>
        <source>pathsum Guide</source>
        <translation>pathsum-Anleitung</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Anleitung</translation>
    </message>
</context>
<context>
    <name>pathsum::MainForm</name>
    <message>
        <source>Light meets matter: the sum-over-paths method, multiple slit and mirror analysis                    pathsum home page</source>
        <translation>Licht trifft Materie: die Summe über Wege, Mehrfachspalt und Spiegel                    pathsum-Startseite</translation>
    </message>
    <message>
        <source>Wave- Length</source>
        <translation>Wellen- länge</translation>
    </message>
    <message>
        <source> Resolution Radians</source>
        <translation> Auflösung Radiant</translation>
    </message>
    <message>
        <source> Resolution X</source>
        <translation> Auflösung X</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Verstär- kung</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>CALC AND PLOT</source>
        <translation>RECHNEN UND ZEICHNEN</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Input Wavelength:</source>
        <translation>Wellenlänge eingeben:</translation>
    </message>
    <message>
        <source>Input Resolution in radians:</source>
        <translation>Auflösung in Radiant eingeben:</translation>
    </message>
    <message>
        <source>Input Gain:</source>
        <translation>Verstärkung eingeben:</translation>
    </message>
    <message>
        <source>Input Grating Width:</source>
        <translation>Breite der Spalte eingeben:</translation>
    </message>
    <message>
        <source>Input Spacing:</source>
        <translation>Abstand eingeben:</translation>
    </message>
    <message>
        <source>No printer is available</source>
        <translation>Es ist kein Drucker vorhanden</translation>
    </message>
    <message>
        <source>No default printer is set</source>
        <translation>Es ist kein Standarddrucker eingestellt</translation>
    </message>
    <message>
        <source>%1, so the window was not printed. Set up a default printer and try again.</source>
        <translation>%1, daher wurde das Fenster nicht gedruckt. Richte einen Standarddrucker ein und versuche es noch einmal.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be used, so the window was not printed.</source>
        <translation>Der Drucker „%1“ ließ sich nicht verwenden, daher wurde das Fenster nicht gedruckt.</translation>
    </message>
    <message>
        <source>Cannot calculate</source>
        <translation>Berechnung nicht möglich</translation>
    </message>
    <message>
        <source>Live: a coarse picture while the source moves; the full one follows when it rests.</source>
        <translation>Live: ein grobes Bild, solange sich die Quelle bewegt; das volle folgt, wenn sie ruht.</translation>
    </message>
</context>
<context>
    <name>pathsum::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Rechnen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About pathsum</source>
        <translation>Über pathsum</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;pathsum&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;%2: a point source, a row of mirrors or slits and ten screens, every path an arrow turned by its length in wavelengths.&lt;/p&gt;&lt;p&gt;Free software under the MIT licence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;pathsum&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;%2: eine punktförmige Lichtquelle, eine Reihe von Spiegeln oder Spalten und zehn Schirme; jeder Weg ein Zeiger, gedreht um seine Länge in Wellenlängen.&lt;/p&gt;&lt;p&gt;Freie Software unter der MIT-Lizenz.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Light at mirrors and slits as a sum over paths</source>
        <translation>Licht an Spiegeln und Spalten als Summe über Wege</translation>
    </message>
</context>
<context>
    <name>pathsum::PlaceSourceDialog</name>
    <message>
        <source>Place Source</source>
        <translation>Quelle setzen</translation>
    </message>
    <message>
        <source>Source X</source>
        <translation>Quelle X</translation>
    </message>
    <message>
        <source>Source Y</source>
        <translation>Quelle Y</translation>
    </message>
    <message>
        <source>X is measured right of the centre of the row, Y down from the row.
A Y above 100 puts the marker below the plot: a far source.</source>
        <translation>X wird von der Mitte der Reihe nach rechts gemessen, Y von der Reihe nach unten.
Ein Y über 100 setzt die Markierung unter das Bild: eine ferne Quelle.</translation>
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
        <translation>Die Beschriftungen werden %1 und %2 zeigen.</translation>
    </message>
</context>
<context>
    <name>pathsum::SoundPlayer</name>
    <message>
        <source>There is no sound device: the sound is off.</source>
        <translation>Es gibt kein Audiogerät: Der Ton ist aus.</translation>
    </message>
    <message>
        <source>The sound device cannot play 16-bit stereo at 44,100 Hz: the sound is off.</source>
        <translation>Das Audiogerät kann kein 16-Bit-Stereo mit 44 100 Hz abspielen: Der Ton ist aus.</translation>
    </message>
    <message>
        <source>The sound device could not be opened (another program may hold it): the sound is off.</source>
        <translation>Das Audiogerät ließ sich nicht öffnen (vielleicht belegt es ein anderes Programm): Der Ton ist aus.</translation>
    </message>
    <message>
        <source>The sound device stopped playing: the sound is off.</source>
        <translation>Das Audiogerät hat aufgehört zu spielen: Der Ton ist aus.</translation>
    </message>
</context>
</TS>
