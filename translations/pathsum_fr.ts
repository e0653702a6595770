<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Notice</name>
    <message>
        <source>Not plain numbers: %1.</source>
        <translation>Pas des nombres simples : %1.</translation>
    </message>
    <message>
        <source>Not a plain number: %1.</source>
        <translation>Pas un nombre simple : %1.</translation>
    </message>
    <message>
        <source>No path reaches the screens: no ray from the source meets a mirror or slit within the plot. Move the source, or change the width or the spacing.</source>
        <translation>Aucun chemin n&apos;atteint les écrans : aucun rayon de la source ne rencontre de miroir ni de fente dans le graphique. Déplace la source, ou change la largeur ou l&apos;espacement.</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>%1 (read as%2)</source>
        <translation>%1 (lu comme%2)</translation>
    </message>
    <message>
        <source>Wavelength %1 cannot be used: the wavelength must be a finite number other than 0.</source>
        <translation>Longueur d&apos;onde %1 inutilisable : la longueur d&apos;onde doit être un nombre fini différent de 0.</translation>
    </message>
    <message>
        <source>Wavelength %1 cannot be used: it is so short that the longest path of this run, about %2 units, holds more wavelengths than the computer can count to a millionth of a turn, so the arrows of the paths would point the wrong way. Use a wavelength of at least%3.</source>
        <translation>Longueur d&apos;onde %1 inutilisable : elle est si courte que le plus long chemin de ce calcul, environ %2 unités, contient plus de longueurs d&apos;onde que l&apos;ordinateur ne peut en compter au millionième de tour près ; les flèches des chemins pointeraient dans la mauvaise direction. Choisis une longueur d&apos;onde d&apos;au moins%3.</translation>
    </message>
    <message>
        <source>Resolution Radians %1 cannot be used: the angular resolution must be a finite number greater than 0.</source>
        <translation>Résolution radians %1 inutilisable : la résolution angulaire doit être un nombre fini supérieur à 0.</translation>
    </message>
    <message>
        <source>Resolution X %1 cannot be used: the detector step must be a finite number of at least%2.</source>
        <translation>Résolution X %1 inutilisable : le pas du détecteur doit être un nombre fini d&apos;au moins%2.</translation>
    </message>
    <message>
        <source>Gain %1 cannot be used: the gain must be a finite number from %2 to%3, or the plotted values would be too large for the computer&apos;s numbers.</source>
        <translation>Gain %1 inutilisable : le gain doit être un nombre fini de %2 à%3, sinon les valeurs tracées seraient trop grandes pour les nombres de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>%1 %2 cannot be used: it must be a finite number.</source>
        <translation>%1 %2 ne peut pas être utilisé : la valeur doit être un nombre fini.</translation>
    </message>
    <message>
        <source>The source marker is too far below the plot: the source it stands for lies beyond the number range. Move the marker closer to the plot.</source>
        <translation>Le repère de la source est trop loin sous le graphique : la source qu&apos;il représente est hors de la plage des nombres. Rapproche le repère du graphique.</translation>
    </message>
    <message>
        <source>The grating of Width %1 and Spacing %2 never reaches the right edge: Width plus Spacing must be more than 0.</source>
        <translation>Le réseau de largeur %1 et d&apos;espacement %2 n&apos;atteint jamais le bord droit : largeur plus espacement doit dépasser 0.</translation>
    </message>
    <message>
        <source>The grating of Width %1 and Spacing %2 would hold more than %3 elements. Width plus Spacing must be at least%4.</source>
        <translation>Le réseau de largeur %1 et d&apos;espacement %2 aurait plus de %3 fentes. Largeur plus espacement doit valoir au moins%4.</translation>
    </message>
    <message>
        <source>Resolution Radians %1 cannot be used with this source and these elements: the sweep of rays from the source would try more than %2 rays. Use a coarser resolution (a larger number of radians), or move the source or change the elements.</source>
        <translation>Résolution radians %1 inutilisable avec cette source et ces éléments : le balayage des rayons depuis la source essaierait plus de %2 rayons. Choisis une résolution plus grossière (plus de radians), déplace la source ou change les éléments.</translation>
    </message>
    <message>
        <source>Width %1 and Spacing %2 cannot be used with this source: they put an element at x =%3, where no ray from the source reaches, so the sweep of rays would never find it. Change the width or the spacing, or move the source.</source>
        <translation>Largeur %1 et espacement %2 inutilisables avec cette source : ils placent un élément en x =%3, qu&apos;aucun rayon de la source n&apos;atteint ; le balayage des rayons ne le trouverait jamais. Change la largeur ou l&apos;espacement, ou déplace la source.</translation>
    </message>
    <message>
        <source>Width %1 cannot be used with this source: it puts an element at x =%2, where no ray from the source reaches, so the sweep of rays would never find it. Change the width or the spacing, or move the source.</source>
        <translation>Largeur %1 inutilisable avec cette source : elle place un élément en x =%2, qu&apos;aucun rayon de la source n&apos;atteint ; le balayage des rayons ne le trouverait jamais. Change la largeur ou l&apos;espacement, ou déplace la source.</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Longueur d&apos;onde</translation>
    </message>
    <message>
        <source>Resolution Radians</source>
        <translation>Résolution radians</translation>
    </message>
    <message>
        <source>Resolution X</source>
        <translation>Résolution X</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espacement</translation>
    </message>
</context>
</TS>
