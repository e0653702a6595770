<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>FileDialogs</name>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Simulates various slit/mirror configurations for different wavelengths and point light-source locations. <byte value="xd"/><byte value="xd"/>Click Calculate to see probability distributions appear on ten equally-spaced graphs.<byte value="xd"/><byte value="xd"/>For the theory behind the arrows, read a physicist&apos;s popular book on light and electrons: &quot;Little Arrows: How Light Finds Its Way&quot;<byte value="xd"/><byte value="xd"/>The plot area is 100 by 100. If Wavelength = 1 then the area is 100 by 100 wavelengths. <byte value="xd"/><byte value="xd"/>To change point light source location: Click anywhere on screen. Note coordinates are shown at bottom right. <byte value="xd"/>Clicking below Y=-100 multiplies X,Y by 100 enabling distant almost parallel light source.<byte value="xd"/><byte value="xd"/>The number of paths analyzed is on the right of the graphs.<byte value="xd"/>If too few paths produce eroneous results, use finer angular resolution to get more paths as measured from point source. <byte value="xd"/><byte value="xd"/>Curves are not normalized but are divided by number of paths squared.<byte value="xd"/><byte value="xd"/>Select Mirror Number, Mirror/Slit Width and Spacing, and Wavelength, Resolution, Gain, to conduct different experiments. <byte value="xd"/></source>
        <translation>Simule diverses configurations de fentes et de miroirs pour différentes longueurs d&apos;onde et positions d&apos;une source lumineuse ponctuelle.<byte value="xd"/><byte value="xd"/>Clique sur Calculer pour voir apparaître les distributions de probabilité sur dix écrans également espacés.<byte value="xd"/><byte value="xd"/>Pour la théorie derrière les flèches, lis le livre de vulgarisation d&apos;un physicien sur la lumière et les électrons : &quot;Little Arrows: How Light Finds Its Way&quot;<byte value="xd"/><byte value="xd"/>Le graphique mesure 100 sur 100. Si la longueur d&apos;onde vaut 1, il mesure 100 sur 100 longueurs d&apos;onde.<byte value="xd"/><byte value="xd"/>Pour déplacer la source lumineuse ponctuelle : clique n&apos;importe où dans la fenêtre. Les coordonnées sont affichées en bas à droite.<byte value="xd"/>Un clic sous Y=-100 multiplie X et Y par 100 : une source lointaine, presque parallèle.<byte value="xd"/><byte value="xd"/>Le nombre de chemins étudiés est indiqué à droite des écrans.<byte value="xd"/>Si trop peu de chemins donnent des résultats faux, choisis une résolution angulaire plus fine pour avoir plus de chemins depuis la source.<byte value="xd"/><byte value="xd"/>Les courbes ne sont pas normalisées, mais divisées par le carré du nombre de chemins.<byte value="xd"/><byte value="xd"/>Choisis le nombre de miroirs, la largeur et l&apos;espacement des miroirs ou des fentes, ainsi que la longueur d&apos;onde, la résolution et le gain, pour faire différentes expériences.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Light as a sum over paths, A. N. Arrowsmith, Pathsum Teaching Workshop, 2016</source>
        <translation>La lumière comme somme sur les chemins, A. N. Arrowsmith, Pathsum Teaching Workshop, 2016</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>Exa&amp;mples</source>
        <translation>E&amp;xemples</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>Exporter l&apos;&amp;image...</translation>
    </message>
    <message>
        <source>Export &amp;Data...</source>
        <translation>Exporter les &amp;données...</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copier l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>&amp;Guide</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Print on &amp;White</source>
        <translation>Imprimer sur &amp;blanc</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Place Source...</source>
        <translation>&amp;Placer la source...</translation>
    </message>
    <message>
        <source>&amp;Arrows at a Point</source>
        <translation>&amp;Flèches en un point</translation>
    </message>
    <message>
        <source>&amp;Field of Light</source>
        <translation>&amp;Champ de lumière</translation>
    </message>
    <message>
        <source>&amp;Live</source>
        <translation>En &amp;direct</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About pathsum</source>
        <translation>À &amp;propos de pathsum</translation>
    </message>
</context>
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
<context>
    <name>pathsum::FileCommands</name>
    <message>
        <source>pathsum set-ups (*.pathsum)</source>
        <translation>Montages pathsum (*.pathsum)</translation>
    </message>
    <message>
        <source>Open Set-up</source>
        <translation>Ouvrir un montage</translation>
    </message>
    <message>
        <source>Save Set-up</source>
        <translation>Enregistrer le montage</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>The picture is written: %1</source>
        <translation>L&apos;image est écrite : %1</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Exporter les données</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valeurs séparées par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>The numbers are written: %1</source>
        <translation>Les nombres sont écrits : %1</translation>
    </message>
    <message>
        <source>No set-ups yet</source>
        <translation>Aucun montage pour l&apos;instant</translation>
    </message>
    <message>
        <source>No lessons found in %1</source>
        <translation>Aucune leçon trouvée dans %1</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>Save the changes to “%1”?</source>
        <translation>Enregistrer les modifications de « %1 » ?</translation>
    </message>
    <message>
        <source>The set-up has changed since it was opened or saved. Without saving, the changes are lost.</source>
        <translation>Le montage a changé depuis son ouverture ou son enregistrement. Sans enregistrer, les modifications sont perdues.</translation>
    </message>
</context>
<context>
    <name>pathsum::GuideWindow</name>
    <message>
        <source>pathsum Guide</source>
        <translation>Guide de pathsum</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guide</translation>
    </message>
</context>
<context>
    <name>pathsum::MainForm</name>
    <message>
        <source>Light meets matter: the sum-over-paths method, multiple slit and mirror analysis                    pathsum home page</source>
        <translation>La lumière rencontre la matière : la somme sur les chemins, fentes multiples et miroirs                    page d&apos;accueil de pathsum</translation>
    </message>
    <message>
        <source>Wave- Length</source>
        <translation>Longueur d&apos;onde</translation>
    </message>
    <message>
        <source> Resolution Radians</source>
        <translation> Résolution radians</translation>
    </message>
    <message>
        <source> Resolution X</source>
        <translation> Résolution X</translation>
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
    <message>
        <source>CALC AND PLOT</source>
        <translation>CALCULER ET TRACER</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Input Wavelength:</source>
        <translation>Entrer la longueur d&apos;onde :</translation>
    </message>
    <message>
        <source>Input Resolution in radians:</source>
        <translation>Entrer la résolution en radians :</translation>
    </message>
    <message>
        <source>Input Gain:</source>
        <translation>Entrer le gain :</translation>
    </message>
    <message>
        <source>Input Grating Width:</source>
        <translation>Entrer la largeur des fentes :</translation>
    </message>
    <message>
        <source>Input Spacing:</source>
        <translation>Entrer l&apos;espacement :</translation>
    </message>
    <message>
        <source>No printer is available</source>
        <translation>Aucune imprimante n&apos;est disponible</translation>
    </message>
    <message>
        <source>No default printer is set</source>
        <translation>Aucune imprimante par défaut n&apos;est définie</translation>
    </message>
    <message>
        <source>%1, so the window was not printed. Set up a default printer and try again.</source>
        <translation>%1 : la fenêtre n&apos;a donc pas été imprimée. Configure une imprimante par défaut et réessaie.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be used, so the window was not printed.</source>
        <translation>L&apos;imprimante « %1 » n&apos;a pas pu être utilisée : la fenêtre n&apos;a donc pas été imprimée.</translation>
    </message>
</context>
<context>
    <name>pathsum::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Calcul</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>About pathsum</source>
        <translation>À propos de pathsum</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;pathsum&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;%2: a point source, a row of mirrors or slits and ten screens, every path an arrow turned by its length in wavelengths.&lt;/p&gt;&lt;p&gt;Free software under the MIT licence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;pathsum&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;%2 : une source ponctuelle, une rangée de miroirs ou de fentes et dix écrans ; chaque chemin est une flèche tournée selon sa longueur en longueurs d&apos;onde.&lt;/p&gt;&lt;p&gt;Logiciel libre sous licence MIT.&lt;/p&gt;</translation>
    </message>
</context>
</TS>
