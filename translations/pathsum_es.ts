<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
</TS>
