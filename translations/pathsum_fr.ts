<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ArrowDrawing</name>
    <message>
        <source>1 arrow  (one arrow: %1 pixels)</source>
        <translation>1 flèche  (une flèche : %1 pixels)</translation>
    </message>
    <message>
        <source>%1 arrows  (one arrow: %2 pixels)</source>
        <translation>%1 flèches  (une flèche : %2 pixels)</translation>
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
        <translation>Tracé, gain · p / N²</translation>
    </message>
    <message>
        <source>Shortest path (wavelengths)</source>
        <translation>Chemin le plus court (longueurs d&apos;onde)</translation>
    </message>
    <message>
        <source>Longest path (wavelengths)</source>
        <translation>Chemin le plus long (longueurs d&apos;onde)</translation>
    </message>
    <message>
        <source>Paths N</source>
        <translation>Chemins N</translation>
    </message>
    <message>
        <source>Y (below the row)</source>
        <translation>Y (sous la rangée)</translation>
    </message>
    <message>
        <source>X (from the centre)</source>
        <translation>X (depuis le centre)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>pathsum: %1
Try &quot;pathsum --help&quot;.</source>
        <translation>pathsum : %1
Essaie &quot;pathsum --help&quot;.</translation>
    </message>
    <message>
        <source>the run cannot be calculated: </source>
        <translation>le calcul est impossible : </translation>
    </message>
    <message>
        <source>Light at mirrors and slits as a sum over paths. With a set-up file, the window opens with it; with --export, the run is performed without a window and written to files.</source>
        <translation>La lumière sur des miroirs et des fentes comme somme sur les chemins. Avec un fichier de montage, la fenêtre s&apos;ouvre avec lui ; avec --export, le calcul se fait sans fenêtre et s&apos;écrit dans des fichiers.</translation>
    </message>
    <message>
        <source>A set-up file (.pathsum) to open or export.</source>
        <translation>Un fichier de montage (.pathsum) à ouvrir ou à exporter.</translation>
    </message>
    <message>
        <source>Draws the pictures with the plot dark on white, as Print on White.</source>
        <translation>Dessine les images avec le graphique foncé sur blanc, comme Imprimer sur blanc.</translation>
    </message>
    <message>
        <source>A PNG at N times the window&apos;s pixels: 1, 2 or 4 (1 unless told).</source>
        <translation>Un PNG à N fois les pixels de la fenêtre : 1, 2 ou 4 (1 par défaut).</translation>
    </message>
    <message>
        <source>one set-up file at most, not %1</source>
        <translation>un fichier de montage au plus, pas %1</translation>
    </message>
    <message>
        <source>--on-white and --scale go with --export</source>
        <translation>--on-white et --scale vont avec --export</translation>
    </message>
    <message>
        <source>nothing to do without a window: give --export</source>
        <translation>rien à faire sans fenêtre : donne --export</translation>
    </message>
    <message>
        <source>cannot tell what to write to “%1”: its name must end in .png, .svg, .pdf, .csv or .wav</source>
        <translation>impossible de savoir quoi écrire dans « %1 » : son nom doit finir par .png, .svg, .pdf, .csv ou .wav</translation>
    </message>
    <message>
        <source>--scale may be given once, not %1 times</source>
        <translation>--scale peut être donné une fois, pas %1 fois</translation>
    </message>
    <message>
        <source>--scale takes 1, 2 or 4, not “%1”</source>
        <translation>--scale prend 1, 2 ou 4, pas « %1 »</translation>
    </message>
    <message>
        <source>The screen a .wav plays from left to right in three seconds, by its number: 1, the nearest the mirrors, to 10, the farthest (10 unless told).</source>
        <translation>L&apos;écran qu&apos;un .wav joue de gauche à droite en trois secondes, par son numéro : 1, le plus proche des miroirs, à 10, le plus loin (10 par défaut).</translation>
    </message>
    <message>
        <source>--screen goes with --export</source>
        <translation>--screen va avec --export</translation>
    </message>
    <message>
        <source>--screen may be given once, not %1 times</source>
        <translation>--screen peut être donné une fois, pas %1 fois</translation>
    </message>
    <message>
        <source>--screen takes a screen&apos;s number, 1 to %1, not “%2”</source>
        <translation>--screen prend le numéro d&apos;un écran, de 1 à %1, pas « %2 »</translation>
    </message>
    <message>
        <source>--screen says which screen a .wav plays: give --export with a name ending in .wav</source>
        <translation>--screen dit quel écran un .wav joue : donne --export avec un nom qui finit par .wav</translation>
    </message>
    <message>
        <source>Performs the run without a window and writes FILE, a picture, the numbers or a sound by its name&apos;s end: .png, .svg, .pdf, .csv or .wav. May be given more than once.</source>
        <translation>Fait le calcul sans fenêtre et écrit FILE, une image, les nombres ou un son selon la fin de son nom : .png, .svg, .pdf, .csv ou .wav. Peut être donné plusieurs fois.</translation>
    </message>
</context>
<context>
    <name>ControlTexts</name>
    <message>
        <source>%1 Left button: divide by 10; right button: multiply by 10. Below %2 it wraps to %3, above %3 to %2.</source>
        <translation>%1 Bouton gauche : diviser par 10 ; bouton droit : multiplier par 10. Sous %2 on repasse à %3, au-dessus de %3 à %2.</translation>
    </message>
    <message>
        <source>%1 Click (or press F2) to type a new value in a dialog; Page Up and Page Down multiply and divide it by 10, like the right and left button on its label.</source>
        <translation>%1 Clique (ou appuie sur F2) pour taper une nouvelle valeur dans une boîte de dialogue ; Page préc. et Page suiv. la multiplient et la divisent par 10, comme les boutons droit et gauche sur son étiquette.</translation>
    </message>
    <message>
        <source>Field of light</source>
        <translation>Champ de lumière</translation>
    </message>
    <message>
        <source>Colour scale</source>
        <translation>Échelle des couleurs</translation>
    </message>
    <message>
        <source>Run of the field</source>
        <translation>Calcul du champ</translation>
    </message>
    <message>
        <source>The run whose paths the field sums.</source>
        <translation>Le calcul dont le champ somme les chemins.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>How far the field is computed: a coarse picture first, then every pixel.</source>
        <translation>Où en est le calcul du champ : d&apos;abord une image grossière, puis chaque pixel.</translation>
    </message>
    <message>
        <source>Point under the pointer</source>
        <translation>Point sous le pointeur</translation>
    </message>
    <message>
        <source>Where the pointer is, as the source labels give a point: X across from the centre of the row, Y the distance below the row; and the value there.</source>
        <translation>Où est le pointeur, comme les étiquettes de la source donnent un point : X horizontalement depuis le centre de la rangée, Y la distance sous la rangée ; et la valeur en ce point.</translation>
    </message>
    <message>
        <source>Fringes finer than the pixels</source>
        <translation>Franges plus fines que les pixels</translation>
    </message>
    <message>
        <source>Where the fringes are finer than two pixels, a pixel&apos;s value is a sample: zoom in to see them.</source>
        <translation>Là où les franges sont plus fines que deux pixels, la valeur d&apos;un pixel n&apos;est qu&apos;un échantillon : zoome pour les voir.</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Logarithmic scale</source>
        <translation>Échelle logarithmique</translation>
    </message>
    <message>
        <source>Shows %1 decades below full colour evenly, for the faint fringes.</source>
        <translation>Montre %1 décades sous la couleur pleine de façon régulière, pour les franges faibles.</translation>
    </message>
    <message>
        <source>Whole square</source>
        <translation>Carré entier</translation>
    </message>
    <message>
        <source>Shows the whole plot square again (Home).</source>
        <translation>Montre à nouveau tout le carré du graphique (Origine).</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>Saves the field and its colour scale as a PNG picture, at the window&apos;s resolution, once every pixel is computed.</source>
        <translation>Enregistre le champ et son échelle de couleurs en image PNG, à la résolution de la fenêtre, une fois chaque pixel calculé.</translation>
    </message>
    <message>
        <source>Save numbers</source>
        <translation>Enregistrer les nombres</translation>
    </message>
    <message>
        <source>The wavelength of the light, in plot units: the plot is 100 by 100 units.</source>
        <translation>La longueur d&apos;onde de la lumière, en unités du graphique : le graphique mesure 100 sur 100 unités.</translation>
    </message>
    <message>
        <source>The angle between neighbouring rays from the source, in radians: a finer resolution sums more paths.</source>
        <translation>L&apos;angle entre rayons voisins issus de la source, en radians : une résolution plus fine somme plus de chemins.</translation>
    </message>
    <message>
        <source>The factor the plotted curves are multiplied by.</source>
        <translation>Le facteur par lequel les courbes tracées sont multipliées.</translation>
    </message>
    <message>
        <source>The width of every mirror or slit, in plot units.</source>
        <translation>La largeur de chaque miroir ou fente, en unités du graphique.</translation>
    </message>
    <message>
        <source>Resolution X is the step between detector points along each screen, in plot units (at least %1).</source>
        <translation>La résolution X est le pas entre les points du détecteur le long de chaque écran, en unités du graphique (au moins %1).</translation>
    </message>
    <message>
        <source>Wavelength label</source>
        <translation>Étiquette longueur d&apos;onde</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Longueur d&apos;onde</translation>
    </message>
    <message>
        <source>Resolution label</source>
        <translation>Étiquette résolution</translation>
    </message>
    <message>
        <source>Resolution in radians</source>
        <translation>Résolution en radians</translation>
    </message>
    <message>
        <source>Resolution X label</source>
        <translation>Étiquette résolution X</translation>
    </message>
    <message>
        <source>%1 Click to step it: 1, .5, .25, .1, then 1 again.</source>
        <translation>%1 Clique pour le changer : 1, .5, .25, .1, puis de nouveau 1.</translation>
    </message>
    <message>
        <source>Resolution X</source>
        <translation>Résolution X</translation>
    </message>
    <message>
        <source>%1 Type a new value; Page Up or Page Down steps it like a click on its label.</source>
        <translation>%1 Tape une nouvelle valeur ; Page préc. ou Page suiv. la change comme un clic sur son étiquette.</translation>
    </message>
    <message>
        <source>Gain label</source>
        <translation>Étiquette gain</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Width label</source>
        <translation>Étiquette largeur</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Spacing label</source>
        <translation>Étiquette espacement</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espacement</translation>
    </message>
    <message>
        <source>Calculate and plot</source>
        <translation>Calculer et tracer</translation>
    </message>
    <message>
        <source>Computes the ten screens and draws their curves (%1).</source>
        <translation>Calcule les dix écrans et trace leurs courbes (%1).</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Prints the window on the default printer (%1).</source>
        <translation>Imprime la fenêtre sur l&apos;imprimante par défaut (%1).</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Stops a calculation in progress; the curves drawn so far stay (%1).</source>
        <translation>Arrête un calcul en cours ; les courbes déjà tracées restent (%1).</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Explains the program and how to use it (%1).</source>
        <translation>Explique le programme et son utilisation (%1).</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Ends the program at once (%1).</source>
        <translation>Quitte le programme tout de suite (%1).</translation>
    </message>
    <message>
        <source>Source Y</source>
        <translation>Source Y</translation>
    </message>
    <message>
        <source>Y: how far the light source lies below the mirrors. Click to put the source back at Y= 100.</source>
        <translation>Y : à quelle distance sous les miroirs se trouve la source lumineuse. Clique pour remettre la source à Y= 100.</translation>
    </message>
    <message>
        <source>Source X</source>
        <translation>Source X</translation>
    </message>
    <message>
        <source>X: how far the light source lies right of the centre of the mirrors. Click to put the source back at X= 0.</source>
        <translation>X : à quelle distance à droite du centre des miroirs se trouve la source lumineuse. Clique pour remettre la source à X= 0.</translation>
    </message>
    <message>
        <source>Light source</source>
        <translation>Source lumineuse</translation>
    </message>
    <message>
        <source>The light source. %1</source>
        <translation>La source lumineuse. %1</translation>
    </message>
    <message>
        <source>Light source, left half</source>
        <translation>Source lumineuse, moitié gauche</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>What the last run read from a box whose text is not a plain number, or that no path reached the mirrors; in the live mode also whether the picture is coarse while the source moves, or why the last change cannot be calculated.</source>
        <translation>Ce que le dernier calcul a lu dans une case dont le texte n&apos;est pas un nombre simple, ou qu&apos;aucun chemin n&apos;a atteint les miroirs ; en mode direct aussi si l&apos;image est grossière pendant que la source bouge, ou pourquoi la dernière modification ne peut pas être calculée.</translation>
    </message>
    <message>
        <source>Probed point</source>
        <translation>Point sondé</translation>
    </message>
    <message>
        <source>The point the Arrows at a Point window shows.</source>
        <translation>Le point que montre la fenêtre Flèches en un point.</translation>
    </message>
    <message>
        <source>Experiment</source>
        <translation>Expérience</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Screen %1 distance</source>
        <translation>Écran %1 distance</translation>
    </message>
    <message>
        <source>The distance of the screen below from the mirrors, in plot units.</source>
        <translation>La distance de l&apos;écran en dessous aux miroirs, en unités du graphique.</translation>
    </message>
    <message>
        <source>Screen %1 paths</source>
        <translation>Écran %1 chemins</translation>
    </message>
    <message>
        <source>The number of paths summed at every point of the screen below.</source>
        <translation>Le nombre de chemins sommés en chaque point de l&apos;écran en dessous.</translation>
    </message>
    <message>
        <source>Screen %1</source>
        <translation>Écran %1</translation>
    </message>
    <message>
        <source>Pattern: %1</source>
        <translation>Motif : %1</translation>
    </message>
    <message>
        <source>Source %1</source>
        <translation>Source %1</translation>
    </message>
    <message>
        <source>%1, not computed yet</source>
        <translation>%1, pas encore calculé</translation>
    </message>
    <message>
        <source>%1, %2 below the mirrors</source>
        <translation>%1, %2 sous les miroirs</translation>
    </message>
    <message>
        <source>: largest value %1 at X = %2</source>
        <translation> : plus grande valeur %1 en X = %2</translation>
    </message>
    <message>
        <source>%1 paths, not computed yet</source>
        <translation>%1 chemins, pas encore calculé</translation>
    </message>
    <message>
        <source>%1: %2 paths</source>
        <translation>%1 : %2 chemins</translation>
    </message>
    <message>
        <source> The largest value, %1, lies on %2 at X = %3.</source>
        <translation> La plus grande valeur, %1, est sur %2 en X = %3.</translation>
    </message>
    <message>
        <source>How much light arrives at every point of the plot: p / N² of the last run&apos;s paths as a colour (every arrow has the same length, so compare points at one distance from the row, not at different distances). The wheel zooms about the pointer, a drag with the left button moves the view, + and - zoom, Home shows the whole square, Shift and a drag measure. With Arrows at a Point open, the pointer chooses the point whose arrows it shows.</source>
        <translation>La quantité de lumière qui arrive en chaque point du graphique : p / N² des chemins du dernier calcul, en couleur (chaque flèche a la même longueur : compare donc des points à une même distance de la rangée, pas à des distances différentes). La molette zoome autour du pointeur, un glisser avec le bouton gauche déplace la vue, + et - zooment, Origine montre tout le carré, Maj et un glisser mesurent. Avec Flèches en un point ouvert, le pointeur choisit le point dont cette fenêtre montre les flèches.</translation>
    </message>
    <message>
        <source>The gap between one mirror or slit and the next, in plot units (a single mirror has none). The period, from one element&apos;s centre to the next, is the width plus the spacing.</source>
        <translation>L&apos;écart entre un miroir ou une fente et le suivant, en unités du graphique (un miroir seul n&apos;en a pas). Le pas, du centre d&apos;un élément au centre du suivant, est la largeur plus l&apos;espacement.</translation>
    </message>
    <message>
        <source>Click with the left button anywhere in the window to move the light source there. A click in the strip below the plot makes a far source, a hundred times as far below the plot&apos;s bottom edge as the click: a few pixels below the plot it stands only 150 to 200 below the row, at the bottom of the strip 1900 below, where its light is almost parallel. %1 places it from the keyboard.</source>
        <translation>Clique avec le bouton gauche n&apos;importe où dans la fenêtre pour y placer la source lumineuse. Un clic dans la bande sous le graphique donne une source lointaine, cent fois plus loin sous le bord inférieur du graphique que le clic : quelques pixels sous le graphique elle n&apos;est qu&apos;à 150 à 200 sous la rangée, au bas de la bande à 1900, où sa lumière est presque parallèle. %1 la place au clavier.</translation>
    </message>
    <message>
        <source>The mirrors or slits of the next run. Click to step through one to five mirrors and a grating that fills the row. The elements reflect: the screens show the pattern that slits would let through, mirrored across the row.</source>
        <translation>Les miroirs ou fentes du prochain calcul. Clique pour passer d&apos;un à cinq miroirs et à un réseau qui remplit la rangée. Les éléments réfléchissent : les écrans montrent la figure que des fentes laisseraient passer, en miroir par rapport à la rangée.</translation>
    </message>
    <message>
        <source>Ten screens (the horizontal lines) below a row of mirrors or slits at the top. %1 Hold Shift and drag to measure a line with the ruler; Esc takes it away.</source>
        <translation>Dix écrans (les lignes horizontales) sous une rangée de miroirs ou de fentes en haut. %1 Maintiens Maj et fais glisser pour mesurer un segment avec la règle ; Échap l&apos;enlève.</translation>
    </message>
    <message>
        <source>Screen %1 Fresnel number</source>
        <translation>Écran %1 nombre de Fresnel</translation>
    </message>
    <message>
        <source>With View &gt; Theory on, after a run: the Fresnel number F of the screen above and whether it is far (F below 0.3), where the textbook&apos;s far-field pattern holds, near (F above 3) or between.</source>
        <translation>Avec Affichage &gt; Théorie activé, après un calcul : le nombre de Fresnel F de l&apos;écran au-dessus et s&apos;il est loin (F inférieur à 0.3), là où vaut la figure de champ lointain du manuel, proche (F supérieur à 3) ou entre les deux.</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>The line Shift and a drag measure: its X and Y differences, its length and its angle from the vertical, in plot units, and with View &gt; Theory on the textbook&apos;s fringe spacing. Esc takes it away.</source>
        <translation>Le segment que Maj et un glisser mesurent : ses écarts en X et en Y, sa longueur et son angle avec la verticale, en unités du graphique, et avec Affichage &gt; Théorie activé l&apos;interfrange du manuel. Échap l&apos;enlève.</translation>
    </message>
    <message>
        <source>Screen %1 Fresnel number %2</source>
        <translation>Écran %1 nombre de Fresnel %2</translation>
    </message>
    <message>
        <source>Screen %1, %2 below the mirrors: Fresnel number F = %3, below 0.3, so the screen is far: the textbook&apos;s far-field pattern (the coloured curve) should match the band here.</source>
        <translation>Écran %1, à %2 sous les miroirs : nombre de Fresnel F = %3, inférieur à 0.3, donc l&apos;écran est loin : la figure de champ lointain du manuel (la courbe en couleur) devrait coïncider avec la bande ici.</translation>
    </message>
    <message>
        <source>Screen %1, %2 below the mirrors: Fresnel number F = %3, above 3, so the screen is near: the band still has the shape of the mirrors and the textbook&apos;s far-field pattern (the coloured curve) does not hold.</source>
        <translation>Écran %1, à %2 sous les miroirs : nombre de Fresnel F = %3, supérieur à 3, donc l&apos;écran est proche : la bande a encore la forme des miroirs et la figure de champ lointain du manuel (la courbe en couleur) ne vaut pas.</translation>
    </message>
    <message>
        <source>Screen %1, %2 below the mirrors: Fresnel number F = %3, between 0.3 and 3, so the screen is neither near nor far: the band is on its way to the textbook&apos;s far-field pattern (the coloured curve).</source>
        <translation>Écran %1, à %2 sous les miroirs : nombre de Fresnel F = %3, entre 0.3 et 3, donc l&apos;écran n&apos;est ni proche ni loin : la bande est en chemin vers la figure de champ lointain du manuel (la courbe en couleur).</translation>
    </message>
    <message>
        <source>Textbook p / N² (far field)</source>
        <translation>p / N² du manuel (champ lointain)</translation>
    </message>
    <message>
        <source>Fresnel number</source>
        <translation>Nombre de Fresnel</translation>
    </message>
    <message>
        <source>The mirrors or slits along the top and, on each of the ten screens, a white band whose height shows how much light arrives at each point compared with the other points of that screen: every path&apos;s arrow has the same length however long the path, so the heights compare within a screen, not between screens.</source>
        <translation>Les miroirs ou fentes en haut et, sur chacun des dix écrans, une bande blanche dont la hauteur montre combien de lumière arrive en chaque point par rapport aux autres points de cet écran : la flèche de chaque chemin a la même longueur, quelle que soit la longueur du chemin, donc les hauteurs se comparent sur un même écran, pas d&apos;un écran à l&apos;autre.</translation>
    </message>
    <message>
        <source>The value of p / N² each colour stands for. Full colour is where a curve&apos;s band in the main window would reach the next screen. With Waves, the value of Re S / N each colour stands for: the horizontal part of the pixel&apos;s sum of arrows at that instant, divided by N. A crest is full colour where p / N² is.</source>
        <translation>La valeur de p / N² que représente chaque couleur. La couleur pleine est là où la bande d&apos;une courbe dans la fenêtre principale atteindrait l&apos;écran suivant. Avec Ondes, la valeur de Re S / N que représente chaque couleur : la partie horizontale de la somme des flèches du pixel à cet instant, divisée par N. Une crête est en couleur pleine là où p / N² l&apos;est.</translation>
    </message>
    <message>
        <source>The colours of the field: from dark violet through red to pale yellow, or grey, which prints as it shows. In both, brighter is more light. Waves shows the light as it moves: every arrow turned as time passes, a crest in one colour, a trough in another, dark where the wave is zero.</source>
        <translation>Les couleurs du champ : du violet foncé au jaune pâle en passant par le rouge, ou le gris, qui s&apos;imprime tel qu&apos;il s&apos;affiche. Dans les deux, plus clair veut dire plus de lumière. Ondes montre la lumière en mouvement : chaque flèche tourne avec le temps, une crête d&apos;une couleur, un creux d&apos;une autre, sombre là où l&apos;onde est nulle.</translation>
    </message>
    <message>
        <source>Saves X (from the centre of the row), Y (below the row), the paths, p / N² and the sum of the arrows (its horizontal and vertical parts) of every pixel as comma-separated values with every digit, after lines starting with # that name the settings, once every pixel is computed.</source>
        <translation>Enregistre X (depuis le centre de la rangée), Y (sous la rangée), les chemins, p / N² et la somme des flèches (ses parties horizontale et verticale) de chaque pixel en valeurs séparées par des virgules avec tous les chiffres, après des lignes commençant par # qui donnent les réglages, une fois chaque pixel calculé.</translation>
    </message>
    <message>
        <source>Speed of the waves</source>
        <translation>Vitesse des ondes</translation>
    </message>
    <message>
        <source>How fast the waves move: at 1× a period lasts a second.</source>
        <translation>La vitesse des ondes : à 1×, une période dure une seconde.</translation>
    </message>
    <message>
        <source>Pause the waves</source>
        <translation>Mettre les ondes en pause</translation>
    </message>
    <message>
        <source>Stops the waves at the instant shown, and starts them again (Space).</source>
        <translation>Arrête les ondes à l&apos;instant affiché, et les relance (Espace).</translation>
    </message>
    <message>
        <source> Tab to the plot, or press %1, and the arrow keys move a probe along the screens; %2 turns on a tone that follows it.</source>
        <translation> Va au graphique avec Tab, ou appuie sur %1, et les flèches du clavier déplacent une sonde le long des écrans ; %2 active un son qui la suit.</translation>
    </message>
    <message>
        <source>Nothing calculated yet: press %1 (CALC AND PLOT), then the arrow keys move the probe along a screen.</source>
        <translation>Rien n&apos;est encore calculé : appuie sur %1 (CALCULER ET TRACER), puis les flèches du clavier déplacent la sonde le long d&apos;un écran.</translation>
    </message>
    <message>
        <source>Screen %1, X %2: not computed yet</source>
        <translation>Écran %1, X %2 : pas encore calculé</translation>
    </message>
    <message>
        <source>Screen %1, X %2: no path reaches the screens</source>
        <translation>Écran %1, X %2 : aucun chemin n&apos;atteint les écrans</translation>
    </message>
    <message>
        <source>Screen %1, X %2: dark, as the whole screen is</source>
        <translation>Écran %1, X %2 : sombre, comme tout l&apos;écran</translation>
    </message>
    <message>
        <source>Screen %1, X %2: %3 of the screen&apos;s brightest</source>
        <translation>Écran %1, X %2 : %3 du plus brillant de l&apos;écran</translation>
    </message>
    <message>
        <source>Screen %1 is not computed yet: press %2 (CALC AND PLOT), then play it.</source>
        <translation>L&apos;écran %1 n&apos;est pas encore calculé : appuie sur %2 (CALCULER ET TRACER), puis joue-le.</translation>
    </message>
    <message>
        <source>Field at %1</source>
        <translation>Champ en %1</translation>
    </message>
</context>
<context>
    <name>Exports</name>
    <message>
        <source>No screen has been calculated yet, so there are no numbers to export: calculate first.</source>
        <translation>Aucun écran n&apos;a encore été calculé, il n&apos;y a donc pas de nombres à exporter : calcule d&apos;abord.</translation>
    </message>
    <message>
        <source>The file “%1” was not written: its name must end in .png, .svg, .pdf, .csv or .wav, which says what kind of file to write.</source>
        <translation>Le fichier « %1 » n&apos;a pas été écrit : son nom doit finir par .png, .svg, .pdf, .csv ou .wav, ce qui indique le type de fichier à écrire.</translation>
    </message>
    <message>
        <source>The file “%1” was not written: %2</source>
        <translation>Le fichier « %1 » n&apos;a pas été écrit : %2</translation>
    </message>
    <message>
        <source>screen %1 has not been calculated, so there is no sound of it to export.</source>
        <translation>l&apos;écran %1 n&apos;a pas été calculé, il n&apos;y a donc aucun son de cet écran à exporter.</translation>
    </message>
</context>
<context>
    <name>FarField</name>
    <message>
        <source>F=%1 far</source>
        <translation>F=%1 loin</translation>
    </message>
    <message>
        <source>F=%1 near</source>
        <translation>F=%1 proche</translation>
    </message>
    <message>
        <source>F=%1 between</source>
        <translation>F=%1 entre les deux</translation>
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
    <name>Lessons</name>
    <message>
        <source>A mirror: the light comes back where the paths are shortest</source>
        <translation>Un miroir : la lumière revient là où les chemins sont les plus courts</translation>
    </message>
    <message>
        <source>A mirror with strips removed: beside the reflection, beams go off to the side</source>
        <translation>Un miroir dont on a retiré des lamelles : à côté de la réflexion, des faisceaux partent sur le côté</translation>
    </message>
    <message>
        <source>Two slits: bright and dark fringes where their arrows agree or cancel</source>
        <translation>Deux fentes : des franges brillantes et sombres là où leurs flèches s&apos;accordent ou s&apos;annulent</translation>
    </message>
    <message>
        <source>Five slits in parallel light: sharp bright lines, with three faint ones between each pair</source>
        <translation>Cinq fentes en lumière parallèle : des raies brillantes fines, avec trois raies faibles entre deux voisines</translation>
    </message>
    <message>
        <source>Parallel light from a far source: the mirror returns a beam about as wide as itself</source>
        <translation>Lumière parallèle issue d&apos;une source lointaine : le miroir renvoie un faisceau à peu près aussi large que lui</translation>
    </message>
    <message>
        <source>Two slits at half the wavelength: the fringes stand twice as close</source>
        <translation>Deux fentes avec une longueur d&apos;onde deux fois plus petite : les franges sont deux fois plus serrées</translation>
    </message>
    <message>
        <source>One slit, 10 wide, in parallel light: on the nearest screen (F=2.5, between) a low rippled top about as wide as the slit, nothing like the textbook&apos;s narrow hump; on the two farthest (F below 0.3, far) one hump with faint side lobes, within 8% of the textbook&apos;s curve</source>
        <translation>Une fente de largeur 10 en lumière parallèle : sur l&apos;écran le plus proche (F=2.5, entre les deux), un sommet bas et ondulé à peu près aussi large que la fente, rien à voir avec la bosse étroite du manuel ; sur les deux plus lointains (F sous 0.3, loin), une bosse avec de faibles lobes secondaires, à 8 % près de la courbe du manuel</translation>
    </message>
    <message>
        <source>A small grating in parallel light: five strips one unit apart send beams along the orders, sine = m times wavelength / (width + spacing)</source>
        <translation>Un petit réseau en lumière parallèle : cinq lamelles distantes d&apos;une unité envoient des faisceaux selon les ordres, sinus = m fois longueur d&apos;onde / (largeur + espacement)</translation>
    </message>
    <message>
        <source>White light through the two slits: a white fringe in the middle, and beside it fringes blue on their inner edge and red on their outer one</source>
        <translation>La lumière blanche à travers les deux fentes : une frange blanche au milieu et, à côté, des franges bleues sur leur bord intérieur et rouges sur leur bord extérieur</translation>
    </message>
    <message>
        <source>A grating in white light: a white beam straight on and, on either side, a spectrum from violet nearest the middle to red farthest out</source>
        <translation>Un réseau en lumière blanche : un faisceau blanc droit devant et, de chaque côté, un spectre allant du violet, le plus près du milieu, au rouge, le plus loin</translation>
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
    <message>
        <source>&amp;Theory</source>
        <translation>&amp;Théorie</translation>
    </message>
    <message>
        <source>&amp;White Light</source>
        <translation>Lumière &amp;blanche</translation>
    </message>
    <message>
        <source>Probe with &amp;Keys</source>
        <translation>Sonde au cla&amp;vier</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>Pla&amp;y Screen</source>
        <translation>&amp;Jouer l&apos;écran</translation>
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
    <message>
        <source>Too few paths for this wavelength: neighbouring rays meet the mirrors up to %1 apart, more than half a wavelength (%2), so the screens may show beams that the light does not have. A resolution of %3 radians or finer is fine enough.</source>
        <translation>Trop peu de chemins pour cette longueur d&apos;onde : des rayons voisins rencontrent les miroirs jusqu&apos;à %1 l&apos;un de l&apos;autre, plus d&apos;une demi-longueur d&apos;onde (%2), donc les écrans peuvent montrer des faisceaux que la lumière n&apos;a pas. Une résolution de %3 radians ou plus fine suffit.</translation>
    </message>
    <message>
        <source>Too few paths for this wavelength: neighbouring rays meet the mirrors up to %1 apart, more than half a wavelength (%2), so the screens may show beams that the light does not have. A resolution of %3 radians would be fine enough, but needs more rays than a run may try: choose a longer wavelength, or a source nearer the mirrors.</source>
        <translation>Trop peu de chemins pour cette longueur d&apos;onde : des rayons voisins rencontrent les miroirs jusqu&apos;à %1 l&apos;un de l&apos;autre, plus d&apos;une demi-longueur d&apos;onde (%2), donc les écrans peuvent montrer des faisceaux que la lumière n&apos;a pas. Une résolution de %3 radians suffirait, mais demande plus de rayons qu&apos;un calcul ne peut en essayer : choisis une longueur d&apos;onde plus grande, ou une source plus près des miroirs.</translation>
    </message>
</context>
<context>
    <name>Pattern</name>
    <message>
        <source>Mirror Number Single</source>
        <translation>Miroirs : un</translation>
    </message>
    <message>
        <source>Mirror Number Double</source>
        <translation>Miroirs : deux</translation>
    </message>
    <message>
        <source>Mirror Number Triple</source>
        <translation>Miroirs : trois</translation>
    </message>
    <message>
        <source>Mirror Number Four</source>
        <translation>Miroirs : quatre</translation>
    </message>
    <message>
        <source>Mirror Number Five</source>
        <translation>Miroirs : cinq</translation>
    </message>
    <message>
        <source>Mirror Number Grating</source>
        <translation>Miroirs : réseau</translation>
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
        <translation>Le réseau de largeur %1 et d&apos;espacement %2 aurait plus de %3 éléments. Largeur plus espacement doit valoir au moins%4.</translation>
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
    <message>
        <source>Wavelength %1 cannot be used: it is so short that the longest path of this run, about %2 units, holds more of the white light&apos;s shortest wavelengths than the computer can count to a millionth of a turn, so the arrows of the paths would point the wrong way. Use a wavelength of at least%3.</source>
        <translation>Longueur d&apos;onde %1 inutilisable : elle est si courte que le plus long chemin de ce calcul, environ %2 unités, contient plus des plus courtes longueurs d&apos;onde de la lumière blanche que l&apos;ordinateur ne peut en compter au millionième de tour près ; les flèches des chemins pointeraient dans la mauvaise direction. Choisis une longueur d&apos;onde d&apos;au moins%3.</translation>
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
        <translation>longueur %1, %2° de la verticale</translation>
    </message>
    <message>
        <source>textbook fringe spacing at Y %1: %2</source>
        <translation>interfrange du manuel en Y %1 : %2</translation>
    </message>
    <message>
        <source>one element: no fringes of that kind</source>
        <translation>un seul élément : pas de franges de ce genre</translation>
    </message>
</context>
<context>
    <name>SaveWhole</name>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>un tube nommé (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation>autre chose qu&apos;un fichier</translation>
    </message>
    <message>
        <source>The file %1 was not written: </source>
        <translation>Le fichier %1 n&apos;a pas été écrit : </translation>
    </message>
    <message>
        <source>it is %1, not a plain file.</source>
        <translation>c&apos;est %1, pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>it links to %1, which is %2, not a plain file.</source>
        <translation>c&apos;est un lien vers %1, qui est %2, pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>nothing more could be written</source>
        <translation>plus rien n&apos;a pu être écrit</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2.</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit : %2.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2. A file of that name that was there before is as it was.</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit : %2. Un fichier de ce nom qui existait avant est resté tel quel.</translation>
    </message>
</context>
<context>
    <name>SetupFile</name>
    <message>
        <source>line %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>%1 must be a text in quotes, as its box holds it (for example &quot;%2&quot;: &quot;1&quot;)</source>
        <translation>%1 doit être un texte entre guillemets, comme sa case le contient (par exemple &quot;%2&quot;: &quot;1&quot;)</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 dépasse %2 caractères</translation>
    </message>
    <message>
        <source>%1 holds a line break or another control character, which a box cannot hold</source>
        <translation>%1 contient un saut de ligne ou un autre caractère de contrôle, qu&apos;une case ne peut pas contenir</translation>
    </message>
    <message>
        <source>%1 is %2, which is none of the patterns (%3)</source>
        <translation>%1 vaut %2, qui n&apos;est aucun des motifs (%3)</translation>
    </message>
    <message>
        <source>the source&apos;s %1 must be a number</source>
        <translation>le %1 de la source doit être un nombre</translation>
    </message>
    <message>
        <source>the source&apos;s %1, %2, lies more than %3 units from the centre of the plot</source>
        <translation>le %1 de la source, %2, est à plus de %3 unités du centre du graphique</translation>
    </message>
    <message>
        <source>%1 must be an object such as {&quot;x&quot;: 50, &quot;y&quot;: 0}</source>
        <translation>%1 doit être un objet comme {&quot;x&quot;: 50, &quot;y&quot;: 0}</translation>
    </message>
    <message>
        <source>%1 must give both %2 and %3, such as {&quot;x&quot;: 50, &quot;y&quot;: 0}</source>
        <translation>%1 doit donner %2 et %3, comme {&quot;x&quot;: 50, &quot;y&quot;: 0}</translation>
    </message>
    <message>
        <source>it holds none of the keys of a pathsum set-up</source>
        <translation>il ne contient aucune des clés d&apos;un montage pathsum</translation>
    </message>
    <message>
        <source>its %1 is not &quot;%2&quot;: it is not a pathsum set-up</source>
        <translation>son %1 n&apos;est pas &quot;%2&quot; : ce n&apos;est pas un montage pathsum</translation>
    </message>
    <message>
        <source>it is a set-up of version %1, written by a newer pathsum; this one reads version %2</source>
        <translation>c&apos;est un montage de version %1, écrit par un pathsum plus récent ; celui-ci lit la version %2</translation>
    </message>
    <message>
        <source>its %1 must be %2</source>
        <translation>son %1 doit valoir %2</translation>
    </message>
    <message>
        <source>it nests deeper than %1 levels (%2); a set-up nests two deep</source>
        <translation>il s&apos;imbrique sur plus de %1 niveaux (%2) ; un montage en a deux</translation>
    </message>
    <message>
        <source>it is not text in UTF-8</source>
        <translation>ce n&apos;est pas du texte en UTF-8</translation>
    </message>
    <message>
        <source>it is not JSON (%1): %2</source>
        <translation>ce n&apos;est pas du JSON (%1) : %2</translation>
    </message>
    <message>
        <source>it holds no JSON object: a set-up is one object, {...}</source>
        <translation>il ne contient aucun objet JSON : un montage est un objet, {...}</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened as a set-up: %2.</source>
        <translation>Le fichier %1 ne peut pas être ouvert comme montage : %2.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is %1 bytes long, and a set-up is at most %2</source>
        <translation>il fait %1 octets, et un montage en fait au plus %2</translation>
    </message>
    <message>
        <source>it is over %1 bytes long</source>
        <translation>il fait plus de %1 octets</translation>
    </message>
    <message>
        <source>%1 must be the text &quot;%2&quot; for white light, or be left out for light of the one wavelength typed</source>
        <translation>%1 doit être le texte &quot;%2&quot; pour la lumière blanche, ou être omis pour la lumière de la seule longueur d&apos;onde saisie</translation>
    </message>
    <message>
        <source>%1 is %2, which is no light pathsum knows (&quot;%3&quot; is white light; without the key the light is the one wavelength typed)</source>
        <translation>%1 vaut %2, qui n&apos;est aucune lumière que pathsum connaisse (&quot;%3&quot; est la lumière blanche ; sans la clé, la lumière est la seule longueur d&apos;onde saisie)</translation>
    </message>
</context>
<context>
    <name>pathsum::ArrowPictureView</name>
    <message>
        <source>Arrow chain</source>
        <translation>Chaîne de flèches</translation>
    </message>
    <message>
        <source>The arrows of every path to the chosen point, head to tail, and their resultant.</source>
        <translation>Les flèches de tous les chemins jusqu&apos;au point choisi, mises bout à bout, et leur résultante.</translation>
    </message>
    <message>
        <source> Now %1 arrows; the resultant is %2 arrows long.</source>
        <translation> Maintenant %1 flèches ; la résultante mesure %2 flèches.</translation>
    </message>
</context>
<context>
    <name>pathsum::ArrowsWindow</name>
    <message>
        <source>Arrows at a Point</source>
        <translation>Flèches en un point</translation>
    </message>
    <message>
        <source>Show each &amp;element&apos;s resultant</source>
        <translation>Montrer la résultante de chaque &amp;élément</translation>
    </message>
    <message>
        <source>Draws, over the chain, one large arrow for each mirror or slit: the sum of its own paths&apos; arrows. Added head to tail they make the resultant.</source>
        <translation>Dessine, par-dessus la chaîne, une grande flèche pour chaque miroir ou fente : la somme des flèches de ses propres chemins. Mises bout à bout, elles donnent la résultante.</translation>
    </message>
    <message>
        <source>&amp;Hold</source>
        <translation>&amp;Garder</translation>
    </message>
    <message>
        <source>Keeps the chosen point while the pointer moves on (Alt+H).</source>
        <translation>Garde le point choisi pendant que le pointeur se déplace (Alt+G).</translation>
    </message>
    <message>
        <source>Click CALC AND PLOT, then move the pointer over the plot: the arrows of the point under it appear here.</source>
        <translation>Clique sur CALCULER ET TRACER, puis déplace le pointeur sur le graphique : les flèches du point en dessous apparaissent ici.</translation>
    </message>
    <message>
        <source>Move the pointer over the plot to choose a point.</source>
        <translation>Déplace le pointeur sur le graphique pour choisir un point.</translation>
    </message>
    <message>
        <source>The last run has no detector points.</source>
        <translation>Le dernier calcul n&apos;a aucun point de détecteur.</translation>
    </message>
    <message>
        <source>This screen is not computed yet.</source>
        <translation>Cet écran n&apos;est pas encore calculé.</translation>
    </message>
    <message>
        <source>No paths reach this point.</source>
        <translation>Aucun chemin n&apos;atteint ce point.</translation>
    </message>
    <message>
        <source>The arrows of the %1 paths to this point of the field, head to tail, in the colours of their elements; the resultant in red.</source>
        <translation>Les flèches des %1 chemins jusqu&apos;à ce point du champ, bout à bout, aux couleurs de leurs éléments ; la résultante en rouge.</translation>
    </message>
    <message>
        <source>The arrows of the %1 paths to this point, head to tail, in the colours of their elements; the resultant in red.</source>
        <translation>Les flèches des %1 chemins jusqu&apos;à ce point, bout à bout, aux couleurs de leurs éléments ; la résultante en rouge.</translation>
    </message>
    <message>
        <source>The arrows of the %1 paths to this point of the field at the wavelength typed, the 550 nm of the white light, head to tail, in the colours of their elements; the resultant in red. The plot shows the mean of all 31 wavelengths.</source>
        <translation>Les flèches des %1 chemins jusqu&apos;à ce point du champ à la longueur d&apos;onde saisie, les 550 nm de la lumière blanche, bout à bout, aux couleurs de leurs éléments ; la résultante en rouge. Le tracé montre la moyenne des 31 longueurs d&apos;onde.</translation>
    </message>
    <message>
        <source>The arrows of the %1 paths to this point at the wavelength typed, the 550 nm of the white light, head to tail, in the colours of their elements; the resultant in red. The plot shows the mean of all 31 wavelengths.</source>
        <translation>Les flèches des %1 chemins jusqu&apos;à ce point à la longueur d&apos;onde saisie, les 550 nm de la lumière blanche, bout à bout, aux couleurs de leurs éléments ; la résultante en rouge. Le tracé montre la moyenne des 31 longueurs d&apos;onde.</translation>
    </message>
    <message>
        <source>The wave now, the resultant&apos;s projection / N: %1</source>
        <translation>L&apos;onde maintenant, la projection de la résultante / N : %1</translation>
    </message>
    <message>
        <source>The value the point&apos;s pixel in the field shows at this instant, with every digit: %1</source>
        <translation>La valeur que le pixel du point montre dans le champ à cet instant, avec tous les chiffres : %1</translation>
    </message>
</context>
<context>
    <name>pathsum::ExportPictureDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>a PNG picture</source>
        <translation>une image PNG</translation>
    </message>
    <message>
        <source>an SVG drawing</source>
        <translation>un dessin SVG</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un document PDF</translation>
    </message>
    <message>
        <source>a table</source>
        <translation>un tableau</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Ends in .png, .svg or .pdf: the kind of picture.</source>
        <translation>Finit par .png, .svg ou .pdf : le type d&apos;image.</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Choisir...</translation>
    </message>
    <message>
        <source>PNG size</source>
        <translation>Taille PNG</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixels</translation>
    </message>
    <message>
        <source>%1 (as the window)</source>
        <translation>%1 (comme la fenêtre)</translation>
    </message>
    <message>
        <source>%1 (%2 times the window)</source>
        <translation>%1 (%2 fois la fenêtre)</translation>
    </message>
    <message>
        <source>On &amp;white: the plot dark on white, as Print on White</source>
        <translation>Sur &amp;blanc : le graphique foncé sur blanc, comme Imprimer sur blanc</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporter</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fichier :</translation>
    </message>
    <message>
        <source>PNG &amp;size:</source>
        <translation>&amp;Taille PNG :</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Veux-tu le remplacer ?</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <translation>Image PNG (*.png);;Dessin SVG (*.svg);;Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Writes %1: %2</source>
        <translation>Écrit %1 : %2</translation>
    </message>
    <message>
        <source>Export waits for the name of the file to write.</source>
        <translation>L&apos;export attend le nom du fichier à écrire.</translation>
    </message>
    <message>
        <source>Export waits: a name ending in .csv is for the numbers, which File &gt; Export Data writes. A picture&apos;s name ends in .png, .svg or .pdf.</source>
        <translation>L&apos;export attend : un nom en .csv est pour les nombres, qu&apos;écrit Fichier &gt; Exporter les données. Le nom d&apos;une image finit par .png, .svg ou .pdf.</translation>
    </message>
    <message>
        <source>Export waits for a name that ends in .png, .svg or .pdf: the ending says which kind of picture to write.</source>
        <translation>L&apos;export attend un nom qui finit par .png, .svg ou .pdf : la fin indique le type d&apos;image à écrire.</translation>
    </message>
    <message>
        <source>a sound</source>
        <translation>un son</translation>
    </message>
</context>
<context>
    <name>pathsum::FieldWindow</name>
    <message>
        <source>Field of Light</source>
        <translation>Champ de lumière</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>&amp;Logarithmic</source>
        <translation>&amp;Logarithmique</translation>
    </message>
    <message>
        <source>&amp;Whole Square</source>
        <translation>&amp;Carré entier</translation>
    </message>
    <message>
        <source>Save &amp;Picture...</source>
        <translation>Enregistrer l&apos;&amp;image...</translation>
    </message>
    <message>
        <source>Save &amp;Numbers...</source>
        <translation>Enregistrer les &amp;nombres...</translation>
    </message>
    <message>
        <source>The last run: %1, wavelength %2, %3 paths, gain %4.</source>
        <translation>Le dernier calcul : %1, longueur d&apos;onde %2, %3 chemins, gain %4.</translation>
    </message>
    <message>
        <source>The fringes here are as fine as %1 apart, finer than two pixels (a pixel is %2 across): each pixel is a sample, and the picture may show patterns that are not there. Zoom in (the wheel) to see the fringes themselves.</source>
        <translation>Les franges sont ici espacées de %1 seulement, plus fines que deux pixels (un pixel mesure %2) : chaque pixel est un échantillon, et l&apos;image peut montrer des motifs qui n&apos;existent pas. Zoome (la molette) pour voir les franges elles-mêmes.</translation>
    </message>
    <message>
        <source>Within %1 of the row the fringes are finer than two pixels (down to %2 apart; a pixel is %3 across): there each pixel is a sample, and the picture may show patterns that are not there. Zoom in (the wheel) to see them.</source>
        <translation>À moins de %1 de la rangée, les franges sont plus fines que deux pixels (jusqu&apos;à %2 d&apos;écart ; un pixel mesure %3) : là, chaque pixel est un échantillon, et l&apos;image peut montrer des motifs qui n&apos;existent pas. Zoome (la molette) pour les voir.</translation>
    </message>
    <message>
        <source>Click CALC AND PLOT in the main window: the field of the run&apos;s paths appears here.</source>
        <translation>Clique sur CALCULER ET TRACER dans la fenêtre principale : le champ des chemins du calcul apparaît ici.</translation>
    </message>
    <message>
        <source>The last run has no paths: no light reaches the plot.</source>
        <translation>Le dernier calcul n&apos;a aucun chemin : aucune lumière n&apos;atteint le graphique.</translation>
    </message>
    <message>
        <source>The field follows once the run in the main window has ended.</source>
        <translation>Le champ suit dès que le calcul de la fenêtre principale est terminé.</translation>
    </message>
    <message>
        <source>Refining: %1% of %2 pixels.</source>
        <translation>Affinage : %1 % de %2 pixels.</translation>
    </message>
    <message>
        <source>Every one of %1 pixels computed, by the interpolated sum: within %2 of the sum over every path in p / N².</source>
        <translation>Les %1 pixels sont tous calculés, par la somme interpolée : à moins de %2 de la somme sur tous les chemins, en p / N².</translation>
    </message>
    <message>
        <source>Every one of %1 pixels computed, summed over every path.</source>
        <translation>Les %1 pixels sont tous calculés, sommés sur tous les chemins.</translation>
    </message>
    <message>
        <source>: p / N² %1</source>
        <translation> : p / N² %1</translation>
    </message>
    <message>
        <source>: p / N² about %1</source>
        <translation> : p / N² environ %1</translation>
    </message>
    <message>
        <source>The file “%1” was not written: the field is not computed at every pixel yet.</source>
        <translation>Le fichier « %1 » n&apos;a pas été écrit : le champ n&apos;est pas encore calculé en chaque pixel.</translation>
    </message>
    <message>
        <source>Save the Picture of the Field</source>
        <translation>Enregistrer l&apos;image du champ</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Save the Numbers of the Field</source>
        <translation>Enregistrer les nombres du champ</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valeurs séparées par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>The last run: %1 in white light, the wavelength %2 standing for 550 nm, %3 paths, gain %4. Each pixel shows the colour of the light arriving there.</source>
        <translation>Le dernier calcul : %1 en lumière blanche, la longueur d&apos;onde %2 représentant 550 nm, %3 chemins, gain %4. Chaque pixel montre la couleur de la lumière qui y arrive.</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Ondes</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
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
    <message>
        <source>Cannot calculate</source>
        <translation>Calcul impossible</translation>
    </message>
    <message>
        <source>Live: a coarse picture while the source moves; the full one follows when it rests.</source>
        <translation>En direct : une image grossière pendant que la source bouge ; l&apos;image complète suit quand elle s&apos;arrête.</translation>
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
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>About pathsum</source>
        <translation>À propos de pathsum</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;pathsum&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;%2: a point source, a row of mirrors or slits and ten screens, every path an arrow turned by its length in wavelengths.&lt;/p&gt;&lt;p&gt;Free software under the MIT licence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;pathsum&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;%2 : une source ponctuelle, une rangée de miroirs ou de fentes et dix écrans ; chaque chemin est une flèche tournée selon sa longueur en longueurs d&apos;onde.&lt;/p&gt;&lt;p&gt;Logiciel libre sous licence MIT.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Light at mirrors and slits as a sum over paths</source>
        <translation>La lumière sur des miroirs et des fentes comme somme sur les chemins</translation>
    </message>
</context>
<context>
    <name>pathsum::PlaceSourceDialog</name>
    <message>
        <source>Place Source</source>
        <translation>Placer la source</translation>
    </message>
    <message>
        <source>Source X</source>
        <translation>Source X</translation>
    </message>
    <message>
        <source>Source Y</source>
        <translation>Source Y</translation>
    </message>
    <message>
        <source>X is measured right of the centre of the row, Y down from the row.
A Y above 100 puts the marker below the plot: a far source.</source>
        <translation>X se mesure à droite du centre de la rangée, Y vers le bas depuis la rangée.
Un Y supérieur à 100 place le repère sous le graphique : une source lointaine.</translation>
    </message>
    <message>
        <source>&amp;X:</source>
        <translation>&amp;X :</translation>
    </message>
    <message>
        <source>&amp;Y:</source>
        <translation>&amp;Y :</translation>
    </message>
    <message>
        <source>The labels will read %1 and %2.</source>
        <translation>Les étiquettes afficheront %1 et %2.</translation>
    </message>
</context>
<context>
    <name>pathsum::SoundPlayer</name>
    <message>
        <source>There is no sound device: the sound is off.</source>
        <translation>Il n&apos;y a aucun périphérique audio : le son est coupé.</translation>
    </message>
    <message>
        <source>The sound device cannot play 16-bit stereo at 44,100 Hz: the sound is off.</source>
        <translation>Le périphérique audio ne peut pas jouer de stéréo 16 bits à 44 100 Hz : le son est coupé.</translation>
    </message>
    <message>
        <source>The sound device could not be opened (another program may hold it): the sound is off.</source>
        <translation>Le périphérique audio n&apos;a pas pu être ouvert (un autre programme l&apos;occupe peut-être) : le son est coupé.</translation>
    </message>
    <message>
        <source>The sound device stopped playing: the sound is off.</source>
        <translation>Le périphérique audio a cessé de jouer : le son est coupé.</translation>
    </message>
</context>
</TS>
