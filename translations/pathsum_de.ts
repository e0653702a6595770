<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Das Gitter mit Breite %1 und Abstand %2 hätte mehr als %3 Spalte. Breite plus Abstand muss mindestens%4 sein.</translation>
    </message>
    <message>
        <source>Resolution Radians %1 cannot be used with this source and these elements: the sweep of rays from the source would try more than %2 rays. Use a coarser resolution (a larger number of radians), or move the source or change the elements.</source>
        <translation>Auflösung Radiant %1 ist mit dieser Quelle und diesen Spalten nicht verwendbar: Der Fächer der Strahlen von der Quelle würde mehr als %2 Strahlen versuchen. Wähle eine gröbere Auflösung (mehr Radiant), verschiebe die Quelle oder ändere die Spalte.</translation>
    </message>
    <message>
        <source>Width %1 and Spacing %2 cannot be used with this source: they put an element at x =%3, where no ray from the source reaches, so the sweep of rays would never find it. Change the width or the spacing, or move the source.</source>
        <translation>Breite %1 und Abstand %2 sind mit dieser Quelle nicht verwendbar: Sie setzen ein Element bei x =%3, wohin kein Strahl der Quelle reicht; der Fächer der Strahlen fände es nie. Ändere Breite oder Abstand oder verschiebe die Quelle.</translation>
    </message>
    <message>
        <source>Width %1 cannot be used with this source: it puts an element at x =%2, where no ray from the source reaches, so the sweep of rays would never find it. Change the width or the spacing, or move the source.</source>
        <translation>Breite %1 ist mit dieser Quelle nicht verwendbar: Sie setzt ein Element bei x =%2, wohin kein Strahl der Quelle reicht; der Fächer der Strahlen fände es nie. Ändere Breite oder Abstand oder verschiebe die Quelle.</translation>
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
</context>
</TS>
