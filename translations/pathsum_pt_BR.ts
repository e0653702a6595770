<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ArrowDrawing</name>
    <message>
        <source>1 arrow  (one arrow: %1 pixels)</source>
        <translation>1 seta  (uma seta: %1 pixels)</translation>
    </message>
    <message>
        <source>%1 arrows  (one arrow: %2 pixels)</source>
        <translation>%1 setas  (uma seta: %2 pixels)</translation>
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
        <translation>Desenhado, ganho · p / N²</translation>
    </message>
    <message>
        <source>Shortest path (wavelengths)</source>
        <translation>Caminho mais curto (comprimentos de onda)</translation>
    </message>
    <message>
        <source>Longest path (wavelengths)</source>
        <translation>Caminho mais longo (comprimentos de onda)</translation>
    </message>
    <message>
        <source>Paths N</source>
        <translation>Caminhos N</translation>
    </message>
    <message>
        <source>Y (below the row)</source>
        <translation>Y (abaixo da fileira)</translation>
    </message>
    <message>
        <source>X (from the centre)</source>
        <translation>X (a partir do centro)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>pathsum: %1
Try &quot;pathsum --help&quot;.</source>
        <translation>pathsum: %1
Tente &quot;pathsum --help&quot;.</translation>
    </message>
    <message>
        <source>the run cannot be calculated: </source>
        <translation>o cálculo não pode ser feito: </translation>
    </message>
    <message>
        <source>Light at mirrors and slits as a sum over paths. With a set-up file, the window opens with it; with --export, the run is performed without a window and written to files.</source>
        <translation>A luz em espelhos e fendas como soma sobre caminhos. Com um arquivo de montagem, a janela abre com ele; com --export, o cálculo é feito sem janela e gravado em arquivos.</translation>
    </message>
    <message>
        <source>A set-up file (.pathsum) to open or export.</source>
        <translation>Um arquivo de montagem (.pathsum) para abrir ou exportar.</translation>
    </message>
    <message>
        <source>Draws the pictures with the plot dark on white, as Print on White.</source>
        <translation>Desenha as imagens com o gráfico escuro sobre branco, como Imprimir em branco.</translation>
    </message>
    <message>
        <source>A PNG at N times the window&apos;s pixels: 1, 2 or 4 (1 unless told).</source>
        <translation>Um PNG com N vezes os pixels da janela: 1, 2 ou 4 (1 se não for indicado).</translation>
    </message>
    <message>
        <source>one set-up file at most, not %1</source>
        <translation>no máximo um arquivo de montagem, não %1</translation>
    </message>
    <message>
        <source>--on-white and --scale go with --export</source>
        <translation>--on-white e --scale vão com --export</translation>
    </message>
    <message>
        <source>nothing to do without a window: give --export</source>
        <translation>nada a fazer sem janela: dê --export</translation>
    </message>
    <message>
        <source>cannot tell what to write to “%1”: its name must end in .png, .svg, .pdf, .csv or .wav</source>
        <translation>não dá para saber o que gravar em “%1”: o nome deve terminar em .png, .svg, .pdf, .csv ou .wav</translation>
    </message>
    <message>
        <source>--scale may be given once, not %1 times</source>
        <translation>--scale pode ser dado uma vez, não %1 vezes</translation>
    </message>
    <message>
        <source>--scale takes 1, 2 or 4, not “%1”</source>
        <translation>--scale aceita 1, 2 ou 4, não “%1”</translation>
    </message>
    <message>
        <source>The screen a .wav plays from left to right in three seconds, by its number: 1, the nearest the mirrors, to 10, the farthest (10 unless told).</source>
        <translation>O anteparo que um .wav toca da esquerda para a direita em três segundos, pelo seu número: 1, o mais perto dos espelhos, a 10, o mais distante (10 se nada for dito).</translation>
    </message>
    <message>
        <source>--screen goes with --export</source>
        <translation>--screen vai com --export</translation>
    </message>
    <message>
        <source>--screen may be given once, not %1 times</source>
        <translation>--screen pode ser dado uma vez, não %1 vezes</translation>
    </message>
    <message>
        <source>--screen takes a screen&apos;s number, 1 to %1, not “%2”</source>
        <translation>--screen recebe o número de um anteparo, de 1 a %1, não “%2”</translation>
    </message>
    <message>
        <source>--screen says which screen a .wav plays: give --export with a name ending in .wav</source>
        <translation>--screen diz qual anteparo um .wav toca: dê --export com um nome terminado em .wav</translation>
    </message>
    <message>
        <source>Performs the run without a window and writes FILE, a picture, the numbers or a sound by its name&apos;s end: .png, .svg, .pdf, .csv or .wav. May be given more than once.</source>
        <translation>Faz o cálculo sem janela e grava FILE, uma imagem, os números ou um som conforme o final do nome: .png, .svg, .pdf, .csv ou .wav. Pode ser dado mais de uma vez.</translation>
    </message>
</context>
<context>
    <name>ControlTexts</name>
    <message>
        <source>%1 Left button: divide by 10; right button: multiply by 10. Below %2 it wraps to %3, above %3 to %2.</source>
        <translation>%1 Botão esquerdo: dividir por 10; botão direito: multiplicar por 10. Abaixo de %2 volta a %3, acima de %3 a %2.</translation>
    </message>
    <message>
        <source>%1 Click (or press F2) to type a new value in a dialog; Page Up and Page Down multiply and divide it by 10, like the right and left button on its label.</source>
        <translation>%1 Clique (ou pressione F2) para digitar um novo valor em uma caixa de diálogo; Page Up e Page Down o multiplicam e o dividem por 10, como os botões direito e esquerdo sobre seu rótulo.</translation>
    </message>
    <message>
        <source>Field of light</source>
        <translation>Campo de luz</translation>
    </message>
    <message>
        <source>Colour scale</source>
        <translation>Escala de cores</translation>
    </message>
    <message>
        <source>Run of the field</source>
        <translation>Cálculo do campo</translation>
    </message>
    <message>
        <source>The run whose paths the field sums.</source>
        <translation>O cálculo cujos caminhos o campo soma.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>How far the field is computed: a coarse picture first, then every pixel.</source>
        <translation>Quanto do campo já foi calculado: primeiro uma imagem grosseira, depois cada pixel.</translation>
    </message>
    <message>
        <source>Point under the pointer</source>
        <translation>Ponto sob o ponteiro</translation>
    </message>
    <message>
        <source>Where the pointer is, as the source labels give a point: X across from the centre of the row, Y the distance below the row; and the value there.</source>
        <translation>Onde está o ponteiro, como os rótulos da fonte dão um ponto: X na horizontal a partir do centro da fileira, Y a distância abaixo da fileira; e o valor ali.</translation>
    </message>
    <message>
        <source>Fringes finer than the pixels</source>
        <translation>Franjas mais finas que os pixels</translation>
    </message>
    <message>
        <source>Where the fringes are finer than two pixels, a pixel&apos;s value is a sample: zoom in to see them.</source>
        <translation>Onde as franjas são mais finas que dois pixels, o valor de um pixel é uma amostra: amplie para vê-las.</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Logarithmic scale</source>
        <translation>Escala logarítmica</translation>
    </message>
    <message>
        <source>Shows %1 decades below full colour evenly, for the faint fringes.</source>
        <translation>Mostra %1 décadas abaixo da cor plena de forma uniforme, para as franjas fracas.</translation>
    </message>
    <message>
        <source>Whole square</source>
        <translation>Quadrado inteiro</translation>
    </message>
    <message>
        <source>Shows the whole plot square again (Home).</source>
        <translation>Mostra de novo o quadrado inteiro do gráfico (Home).</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <source>Saves the field and its colour scale as a PNG picture, at the window&apos;s resolution, once every pixel is computed.</source>
        <translation>Salva o campo e sua escala de cores como imagem PNG, na resolução da janela, quando cada pixel estiver calculado.</translation>
    </message>
    <message>
        <source>Save numbers</source>
        <translation>Salvar números</translation>
    </message>
    <message>
        <source>The wavelength of the light, in plot units: the plot is 100 by 100 units.</source>
        <translation>O comprimento de onda da luz, em unidades do gráfico: o gráfico mede 100 por 100 unidades.</translation>
    </message>
    <message>
        <source>The angle between neighbouring rays from the source, in radians: a finer resolution sums more paths.</source>
        <translation>O ângulo entre raios vizinhos da fonte, em radianos: uma resolução mais fina soma mais caminhos.</translation>
    </message>
    <message>
        <source>The factor the plotted curves are multiplied by.</source>
        <translation>O fator pelo qual as curvas desenhadas são multiplicadas.</translation>
    </message>
    <message>
        <source>The width of every mirror or slit, in plot units.</source>
        <translation>A largura de cada espelho ou fenda, em unidades do gráfico.</translation>
    </message>
    <message>
        <source>Resolution X is the step between detector points along each screen, in plot units (at least %1).</source>
        <translation>A resolução X é o passo entre os pontos do detector ao longo de cada anteparo, em unidades do gráfico (pelo menos %1).</translation>
    </message>
    <message>
        <source>Wavelength label</source>
        <translation>Rótulo do comprimento de onda</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Comprimento de onda</translation>
    </message>
    <message>
        <source>Resolution label</source>
        <translation>Rótulo da resolução</translation>
    </message>
    <message>
        <source>Resolution in radians</source>
        <translation>Resolução em radianos</translation>
    </message>
    <message>
        <source>Resolution X label</source>
        <translation>Rótulo da resolução X</translation>
    </message>
    <message>
        <source>%1 Click to step it: 1, .5, .25, .1, then 1 again.</source>
        <translation>%1 Clique para mudá-lo: 1, .5, .25, .1 e de novo 1.</translation>
    </message>
    <message>
        <source>Resolution X</source>
        <translation>Resolução X</translation>
    </message>
    <message>
        <source>%1 Type a new value; Page Up or Page Down steps it like a click on its label.</source>
        <translation>%1 Digite um novo valor; Page Up ou Page Down o muda como um clique em seu rótulo.</translation>
    </message>
    <message>
        <source>Gain label</source>
        <translation>Rótulo do ganho</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganho</translation>
    </message>
    <message>
        <source>Width label</source>
        <translation>Rótulo da largura</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Spacing label</source>
        <translation>Rótulo do espaçamento</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espaçamento</translation>
    </message>
    <message>
        <source>Calculate and plot</source>
        <translation>Calcular e traçar</translation>
    </message>
    <message>
        <source>Computes the ten screens and draws their curves (%1).</source>
        <translation>Calcula os dez anteparos e desenha suas curvas (%1).</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Prints the window on the default printer (%1).</source>
        <translation>Imprime a janela na impressora padrão (%1).</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stops a calculation in progress; the curves drawn so far stay (%1).</source>
        <translation>Para um cálculo em andamento; as curvas já desenhadas ficam (%1).</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Explains the program and how to use it (%1).</source>
        <translation>Explica o programa e como usá-lo (%1).</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Ends the program at once (%1).</source>
        <translation>Encerra o programa imediatamente (%1).</translation>
    </message>
    <message>
        <source>Source Y</source>
        <translation>Fonte Y</translation>
    </message>
    <message>
        <source>Y: how far the light source lies below the mirrors. Click to put the source back at Y= 100.</source>
        <translation>Y: a que distância abaixo dos espelhos fica a fonte de luz. Clique para pôr a fonte de volta em Y= 100.</translation>
    </message>
    <message>
        <source>Source X</source>
        <translation>Fonte X</translation>
    </message>
    <message>
        <source>X: how far the light source lies right of the centre of the mirrors. Click to put the source back at X= 0.</source>
        <translation>X: a que distância à direita do centro dos espelhos fica a fonte de luz. Clique para pôr a fonte de volta em X= 0.</translation>
    </message>
    <message>
        <source>Light source</source>
        <translation>Fonte de luz</translation>
    </message>
    <message>
        <source>The light source. %1</source>
        <translation>A fonte de luz. %1</translation>
    </message>
    <message>
        <source>Light source, left half</source>
        <translation>Fonte de luz, metade esquerda</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>What the last run read from a box whose text is not a plain number, or that no path reached the mirrors; in the live mode also whether the picture is coarse while the source moves, or why the last change cannot be calculated.</source>
        <translation>O que o último cálculo leu de uma caixa cujo texto não é um número simples, ou que nenhum caminho chegou aos espelhos; no modo ao vivo também se a imagem está grosseira enquanto a fonte se move, ou por que a última mudança não pode ser calculada.</translation>
    </message>
    <message>
        <source>Probed point</source>
        <translation>Ponto sondado</translation>
    </message>
    <message>
        <source>The point the Arrows at a Point window shows.</source>
        <translation>O ponto que a janela Setas em um ponto mostra.</translation>
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
        <translation>Distância do anteparo %1</translation>
    </message>
    <message>
        <source>The distance of the screen below from the mirrors, in plot units.</source>
        <translation>A distância do anteparo abaixo até os espelhos, em unidades do gráfico.</translation>
    </message>
    <message>
        <source>Screen %1 paths</source>
        <translation>Caminhos do anteparo %1</translation>
    </message>
    <message>
        <source>The number of paths summed at every point of the screen below.</source>
        <translation>O número de caminhos somados em cada ponto do anteparo abaixo.</translation>
    </message>
    <message>
        <source>Screen %1</source>
        <translation>Anteparo %1</translation>
    </message>
    <message>
        <source>Pattern: %1</source>
        <translation>Padrão: %1</translation>
    </message>
    <message>
        <source>Source %1</source>
        <translation>Fonte %1</translation>
    </message>
    <message>
        <source>%1, not computed yet</source>
        <translation>%1, ainda não calculado</translation>
    </message>
    <message>
        <source>%1, %2 below the mirrors</source>
        <translation>%1, %2 abaixo dos espelhos</translation>
    </message>
    <message>
        <source>: largest value %1 at X = %2</source>
        <translation>: maior valor %1 em X = %2</translation>
    </message>
    <message>
        <source>%1 paths, not computed yet</source>
        <translation>%1 caminhos, ainda não calculado</translation>
    </message>
    <message>
        <source>%1: %2 paths</source>
        <translation>%1: %2 caminhos</translation>
    </message>
    <message>
        <source> The largest value, %1, lies on %2 at X = %3.</source>
        <translation> O maior valor, %1, está em %2 em X = %3.</translation>
    </message>
    <message>
        <source>How much light arrives at every point of the plot: p / N² of the last run&apos;s paths as a colour (every arrow has the same length, so compare points at one distance from the row, not at different distances). The wheel zooms about the pointer, a drag with the left button moves the view, + and - zoom, Home shows the whole square, Shift and a drag measure. With Arrows at a Point open, the pointer chooses the point whose arrows it shows.</source>
        <translation>Quanta luz chega a cada ponto do gráfico: p / N² dos caminhos do último cálculo, como cor (todas as setas têm o mesmo comprimento, então compare pontos a uma mesma distância da fileira, não a distâncias diferentes). A roda amplia em torno do ponteiro, arrastar com o botão esquerdo move a vista, + e - ampliam e reduzem, Home mostra o quadrado inteiro, Shift e arrastar medem. Com a janela Setas em um ponto aberta, o ponteiro escolhe o ponto cujas setas ele mostra.</translation>
    </message>
    <message>
        <source>The gap between one mirror or slit and the next, in plot units (a single mirror has none). The period, from one element&apos;s centre to the next, is the width plus the spacing.</source>
        <translation>O espaço entre um espelho ou fenda e o seguinte, em unidades do gráfico (um espelho sozinho não tem). O período, do centro de um elemento ao centro do seguinte, é a largura mais o espaçamento.</translation>
    </message>
    <message>
        <source>Click with the left button anywhere in the window to move the light source there. A click in the strip below the plot makes a far source, a hundred times as far below the plot&apos;s bottom edge as the click: a few pixels below the plot it stands only 150 to 200 below the row, at the bottom of the strip 1900 below, where its light is almost parallel. %1 places it from the keyboard.</source>
        <translation>Clique com o botão esquerdo em qualquer lugar da janela para levar a fonte de luz para lá. Um clique na faixa abaixo do gráfico dá uma fonte distante, cem vezes mais longe abaixo da borda inferior do gráfico que o clique: alguns pixels abaixo do gráfico ela fica só 150 a 200 abaixo da fileira, no fundo da faixa a 1900, onde sua luz é quase paralela. %1 a posiciona pelo teclado.</translation>
    </message>
    <message>
        <source>The mirrors or slits of the next run. Click to step through one to five mirrors and a grating that fills the row. The elements reflect: the screens show the pattern that slits would let through, mirrored across the row.</source>
        <translation>Os espelhos ou fendas do próximo cálculo. Clique para passar de um a cinco espelhos e a uma rede de difração que preenche a fileira. Os elementos refletem: os anteparos mostram o padrão que fendas deixariam passar, espelhado em relação à fileira.</translation>
    </message>
    <message>
        <source>Ten screens (the horizontal lines) below a row of mirrors or slits at the top. %1 Hold Shift and drag to measure a line with the ruler; Esc takes it away.</source>
        <translation>Dez anteparos (as linhas horizontais) abaixo de uma fileira de espelhos ou fendas no alto. %1 Segure Shift e arraste para medir um segmento com a régua; Esc a remove.</translation>
    </message>
    <message>
        <source>Screen %1 Fresnel number</source>
        <translation>Número de Fresnel do anteparo %1</translation>
    </message>
    <message>
        <source>With View &gt; Theory on, after a run: the Fresnel number F of the screen above and whether it is far (F below 0.3), where the textbook&apos;s far-field pattern holds, near (F above 3) or between.</source>
        <translation>Com Exibir &gt; Teoria ligada, após um cálculo: o número de Fresnel F do anteparo acima e se ele está longe (F abaixo de 0.3), onde vale o padrão de campo distante do livro didático, perto (F acima de 3) ou intermediário.</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Régua</translation>
    </message>
    <message>
        <source>The line Shift and a drag measure: its X and Y differences, its length and its angle from the vertical, in plot units, and with View &gt; Theory on the textbook&apos;s fringe spacing. Esc takes it away.</source>
        <translation>O segmento que Shift e arrastar medem: suas diferenças em X e em Y, seu comprimento e seu ângulo com a vertical, em unidades do gráfico, e com Exibir &gt; Teoria ligada o espaçamento entre franjas do livro didático. Esc o remove.</translation>
    </message>
    <message>
        <source>Screen %1 Fresnel number %2</source>
        <translation>Anteparo %1, número de Fresnel %2</translation>
    </message>
    <message>
        <source>Screen %1, %2 below the mirrors: Fresnel number F = %3, below 0.3, so the screen is far: the textbook&apos;s far-field pattern (the coloured curve) should match the band here.</source>
        <translation>Anteparo %1, %2 abaixo dos espelhos: número de Fresnel F = %3, abaixo de 0.3, então o anteparo está longe: o padrão de campo distante do livro didático (a curva colorida) deve coincidir aqui com a faixa.</translation>
    </message>
    <message>
        <source>Screen %1, %2 below the mirrors: Fresnel number F = %3, above 3, so the screen is near: the band still has the shape of the mirrors and the textbook&apos;s far-field pattern (the coloured curve) does not hold.</source>
        <translation>Anteparo %1, %2 abaixo dos espelhos: número de Fresnel F = %3, acima de 3, então o anteparo está perto: a faixa ainda tem a forma dos espelhos e o padrão de campo distante do livro didático (a curva colorida) não vale.</translation>
    </message>
    <message>
        <source>Screen %1, %2 below the mirrors: Fresnel number F = %3, between 0.3 and 3, so the screen is neither near nor far: the band is on its way to the textbook&apos;s far-field pattern (the coloured curve).</source>
        <translation>Anteparo %1, %2 abaixo dos espelhos: número de Fresnel F = %3, entre 0.3 e 3, então o anteparo não está nem perto nem longe: a faixa está a caminho do padrão de campo distante do livro didático (a curva colorida).</translation>
    </message>
    <message>
        <source>Textbook p / N² (far field)</source>
        <translation>p / N² do livro didático (campo distante)</translation>
    </message>
    <message>
        <source>Fresnel number</source>
        <translation>Número de Fresnel</translation>
    </message>
    <message>
        <source>The mirrors or slits along the top and, on each of the ten screens, a white band whose height shows how much light arrives at each point compared with the other points of that screen: every path&apos;s arrow has the same length however long the path, so the heights compare within a screen, not between screens.</source>
        <translation>Os espelhos ou fendas no alto e, em cada um dos dez anteparos, uma faixa branca cuja altura mostra quanta luz chega a cada ponto comparada com os outros pontos desse anteparo: a seta de cada caminho tem o mesmo comprimento, seja qual for o comprimento do caminho, então as alturas se comparam dentro de um anteparo, não entre anteparos.</translation>
    </message>
    <message>
        <source>The value of p / N² each colour stands for. Full colour is where a curve&apos;s band in the main window would reach the next screen. With Waves, the value of Re S / N each colour stands for: the horizontal part of the pixel&apos;s sum of arrows at that instant, divided by N. A crest is full colour where p / N² is.</source>
        <translation>O valor de p / N² que cada cor representa. A cor plena é onde a faixa de uma curva na janela principal chegaria ao anteparo seguinte. Com Ondas, o valor de Re S / N que cada cor representa: a parte horizontal da soma das setas do pixel naquele instante, dividida por N. Uma crista tem cor plena onde p / N² tem.</translation>
    </message>
    <message>
        <source>The colours of the field: from dark violet through red to pale yellow, or grey, which prints as it shows. In both, brighter is more light. Waves shows the light as it moves: every arrow turned as time passes, a crest in one colour, a trough in another, dark where the wave is zero.</source>
        <translation>As cores do campo: do violeta escuro ao amarelo-claro passando pelo vermelho, ou cinza, que imprime como aparece. Em ambos, mais claro é mais luz. Ondas mostra a luz em movimento: cada seta gira com o tempo, uma crista de uma cor, um vale de outra, escuro onde a onda é zero.</translation>
    </message>
    <message>
        <source>Saves X (from the centre of the row), Y (below the row), the paths, p / N² and the sum of the arrows (its horizontal and vertical parts) of every pixel as comma-separated values with every digit, after lines starting with # that name the settings, once every pixel is computed.</source>
        <translation>Salva X (a partir do centro da fileira), Y (abaixo da fileira), os caminhos, p / N² e a soma das setas (suas partes horizontal e vertical) de cada pixel como valores separados por vírgulas com todos os dígitos, após linhas começando com # que dão as configurações, quando cada pixel estiver calculado.</translation>
    </message>
    <message>
        <source>Speed of the waves</source>
        <translation>Velocidade das ondas</translation>
    </message>
    <message>
        <source>How fast the waves move: at 1× a period lasts a second.</source>
        <translation>A rapidez com que as ondas se movem: em 1× um período dura um segundo.</translation>
    </message>
    <message>
        <source>Pause the waves</source>
        <translation>Pausar as ondas</translation>
    </message>
    <message>
        <source>Stops the waves at the instant shown, and starts them again (Space).</source>
        <translation>Para as ondas no instante mostrado e as faz andar de novo (Espaço).</translation>
    </message>
    <message>
        <source> Tab to the plot, or press %1, and the arrow keys move a probe along the screens; %2 turns on a tone that follows it.</source>
        <translation> Vá ao gráfico com Tab, ou pressione %1, e as setas do teclado movem uma sonda pelos anteparos; %2 liga um tom que a acompanha.</translation>
    </message>
    <message>
        <source>Nothing calculated yet: press %1 (CALC AND PLOT), then the arrow keys move the probe along a screen.</source>
        <translation>Nada calculado ainda: pressione %1 (CALCULAR E TRAÇAR) e depois as setas do teclado movem a sonda por um anteparo.</translation>
    </message>
    <message>
        <source>Screen %1, X %2: not computed yet</source>
        <translation>Anteparo %1, X %2: ainda não calculado</translation>
    </message>
    <message>
        <source>Screen %1, X %2: no path reaches the screens</source>
        <translation>Anteparo %1, X %2: nenhum caminho chega aos anteparos</translation>
    </message>
    <message>
        <source>Screen %1, X %2: dark, as the whole screen is</source>
        <translation>Anteparo %1, X %2: escuro, como todo o anteparo</translation>
    </message>
    <message>
        <source>Screen %1, X %2: %3 of the screen&apos;s brightest</source>
        <translation>Anteparo %1, X %2: %3 do mais claro do anteparo</translation>
    </message>
    <message>
        <source>Screen %1 is not computed yet: press %2 (CALC AND PLOT), then play it.</source>
        <translation>O anteparo %1 ainda não foi calculado: pressione %2 (CALCULAR E TRAÇAR) e depois toque-o.</translation>
    </message>
    <message>
        <source>Field at %1</source>
        <translation>Campo em %1</translation>
    </message>
</context>
<context>
    <name>Exports</name>
    <message>
        <source>No screen has been calculated yet, so there are no numbers to export: calculate first.</source>
        <translation>Nenhum anteparo foi calculado ainda, então não há números para exportar: calcule primeiro.</translation>
    </message>
    <message>
        <source>The file “%1” was not written: its name must end in .png, .svg, .pdf, .csv or .wav, which says what kind of file to write.</source>
        <translation>O arquivo “%1” não foi gravado: seu nome deve terminar em .png, .svg, .pdf, .csv ou .wav, que diz que tipo de arquivo gravar.</translation>
    </message>
    <message>
        <source>The file “%1” was not written: %2</source>
        <translation>O arquivo “%1” não foi gravado: %2</translation>
    </message>
    <message>
        <source>screen %1 has not been calculated, so there is no sound of it to export.</source>
        <translation>o anteparo %1 não foi calculado, então não há som dele para exportar.</translation>
    </message>
</context>
<context>
    <name>FarField</name>
    <message>
        <source>F=%1 far</source>
        <translation>F=%1 longe</translation>
    </message>
    <message>
        <source>F=%1 near</source>
        <translation>F=%1 perto</translation>
    </message>
    <message>
        <source>F=%1 between</source>
        <translation>F=%1 intermediário</translation>
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
        <translation>Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Simulates various slit/mirror configurations for different wavelengths and point light-source locations. <byte value="xd"/><byte value="xd"/>Click Calculate to see probability distributions appear on ten equally-spaced graphs.<byte value="xd"/><byte value="xd"/>For the theory behind the arrows, read a physicist&apos;s popular book on light and electrons: &quot;Little Arrows: How Light Finds Its Way&quot;<byte value="xd"/><byte value="xd"/>The plot area is 100 by 100. If Wavelength = 1 then the area is 100 by 100 wavelengths. <byte value="xd"/><byte value="xd"/>To change point light source location: Click anywhere on screen. Note coordinates are shown at bottom right. <byte value="xd"/>Clicking below Y=-100 multiplies X,Y by 100 enabling distant almost parallel light source.<byte value="xd"/><byte value="xd"/>The number of paths analyzed is on the right of the graphs.<byte value="xd"/>If too few paths produce eroneous results, use finer angular resolution to get more paths as measured from point source. <byte value="xd"/><byte value="xd"/>Curves are not normalized but are divided by number of paths squared.<byte value="xd"/><byte value="xd"/>Select Mirror Number, Mirror/Slit Width and Spacing, and Wavelength, Resolution, Gain, to conduct different experiments. <byte value="xd"/></source>
        <translation>Simula diversas configurações de fendas e espelhos para diferentes comprimentos de onda e posições de uma fonte de luz pontual.<byte value="xd"/><byte value="xd"/>Clique em Calcular para ver as distribuições de probabilidade aparecerem em dez anteparos igualmente espaçados.<byte value="xd"/><byte value="xd"/>Para a teoria por trás das setas, leia o livro de divulgação de um físico sobre a luz e os elétrons: &quot;Little Arrows: How Light Finds Its Way&quot;<byte value="xd"/><byte value="xd"/>O gráfico mede 100 por 100. Se o comprimento de onda for 1, ele mede 100 por 100 comprimentos de onda.<byte value="xd"/><byte value="xd"/>Para mover a fonte de luz pontual: clique em qualquer lugar da janela. As coordenadas aparecem embaixo, à direita.<byte value="xd"/>Um clique abaixo de Y=-100 multiplica X e Y por 100: uma fonte distante, quase paralela.<byte value="xd"/><byte value="xd"/>O número de caminhos analisados aparece à direita dos anteparos.<byte value="xd"/>Se poucos caminhos derem resultados errados, use uma resolução angular mais fina para ter mais caminhos a partir da fonte.<byte value="xd"/><byte value="xd"/>As curvas não são normalizadas, mas divididas pelo quadrado do número de caminhos.<byte value="xd"/><byte value="xd"/>Escolha o número de espelhos, a largura e o espaçamento dos espelhos ou fendas, e o comprimento de onda, a resolução e o ganho, para fazer diferentes experimentos.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Light as a sum over paths, A. N. Arrowsmith, Pathsum Teaching Workshop, 2016</source>
        <translation>A luz como soma sobre caminhos, A. N. Arrowsmith, Pathsum Teaching Workshop, 2016</translation>
    </message>
</context>
<context>
    <name>Lessons</name>
    <message>
        <source>A mirror: the light comes back where the paths are shortest</source>
        <translation>Um espelho: a luz volta onde os caminhos são mais curtos</translation>
    </message>
    <message>
        <source>A mirror with strips removed: beside the reflection, beams go off to the side</source>
        <translation>Um espelho com tiras removidas: ao lado da reflexão, feixes saem para os lados</translation>
    </message>
    <message>
        <source>Two slits: bright and dark fringes where their arrows agree or cancel</source>
        <translation>Duas fendas: franjas claras e escuras onde suas setas concordam ou se cancelam</translation>
    </message>
    <message>
        <source>Five slits in parallel light: sharp bright lines, with three faint ones between each pair</source>
        <translation>Cinco fendas em luz paralela: linhas claras e nítidas, com três fracas entre cada par</translation>
    </message>
    <message>
        <source>Parallel light from a far source: the mirror returns a beam about as wide as itself</source>
        <translation>Luz paralela de uma fonte distante: o espelho devolve um feixe mais ou menos tão largo quanto ele</translation>
    </message>
    <message>
        <source>Two slits at half the wavelength: the fringes stand twice as close</source>
        <translation>Duas fendas com metade do comprimento de onda: as franjas ficam duas vezes mais próximas</translation>
    </message>
    <message>
        <source>One slit, 10 wide, in parallel light: on the nearest screen (F=2.5, between) a low rippled top about as wide as the slit, nothing like the textbook&apos;s narrow hump; on the two farthest (F below 0.3, far) one hump with faint side lobes, within 8% of the textbook&apos;s curve</source>
        <translation>Uma fenda de largura 10 em luz paralela: no anteparo mais próximo (F=2.5, intermediário), um topo baixo e ondulado mais ou menos tão largo quanto a fenda, nada parecido com a elevação estreita do livro didático; nos dois mais distantes (F abaixo de 0.3, longe), uma elevação com lóbulos laterais fracos, a menos de 8% da curva do livro didático</translation>
    </message>
    <message>
        <source>A small grating in parallel light: five strips one unit apart send beams along the orders, sine = m times wavelength / (width + spacing)</source>
        <translation>Uma pequena rede de difração em luz paralela: cinco tiras separadas por uma unidade enviam feixes ao longo das ordens, seno = m vezes comprimento de onda / (largura + espaçamento)</translation>
    </message>
    <message>
        <source>White light through the two slits: a white fringe in the middle, and beside it fringes blue on their inner edge and red on their outer one</source>
        <translation>Luz branca pelas duas fendas: uma franja branca no meio e, ao lado, franjas azuis na borda interna e vermelhas na externa</translation>
    </message>
    <message>
        <source>A grating in white light: a white beam straight on and, on either side, a spectrum from violet nearest the middle to red farthest out</source>
        <translation>Uma rede com luz branca: um feixe branco bem à frente e, de cada lado, um espectro do violeta, mais perto do meio, ao vermelho, mais longe</translation>
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
        <translation>Abrir &amp;recente</translation>
    </message>
    <message>
        <source>Exa&amp;mples</source>
        <translation>E&amp;xemplos</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>Exportar i&amp;magem...</translation>
    </message>
    <message>
        <source>Export &amp;Data...</source>
        <translation>Exportar &amp;dados...</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copiar imagem</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>&amp;Guia</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>Print on &amp;White</source>
        <translation>Imprimir em &amp;branco</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>&amp;Place Source...</source>
        <translation>Posicionar &amp;fonte...</translation>
    </message>
    <message>
        <source>&amp;Arrows at a Point</source>
        <translation>&amp;Setas em um ponto</translation>
    </message>
    <message>
        <source>&amp;Field of Light</source>
        <translation>&amp;Campo de luz</translation>
    </message>
    <message>
        <source>&amp;Live</source>
        <translation>Ao &amp;vivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About pathsum</source>
        <translation>&amp;Sobre o pathsum</translation>
    </message>
    <message>
        <source>&amp;Theory</source>
        <translation>&amp;Teoria</translation>
    </message>
    <message>
        <source>&amp;White Light</source>
        <translation>Luz &amp;branca</translation>
    </message>
    <message>
        <source>Probe with &amp;Keys</source>
        <translation>Sonda pelo tecla&amp;do</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>S&amp;om</translation>
    </message>
    <message>
        <source>Pla&amp;y Screen</source>
        <translation>&amp;Tocar anteparo</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>Not plain numbers: %1.</source>
        <translation>Não são números simples: %1.</translation>
    </message>
    <message>
        <source>Not a plain number: %1.</source>
        <translation>Não é um número simples: %1.</translation>
    </message>
    <message>
        <source>No path reaches the screens: no ray from the source meets a mirror or slit within the plot. Move the source, or change the width or the spacing.</source>
        <translation>Nenhum caminho chega aos anteparos: nenhum raio da fonte encontra um espelho ou fenda dentro do gráfico. Mova a fonte, ou mude a largura ou o espaçamento.</translation>
    </message>
    <message>
        <source>Too few paths for this wavelength: neighbouring rays meet the mirrors up to %1 apart, more than half a wavelength (%2), so the screens may show beams that the light does not have. A resolution of %3 radians or finer is fine enough.</source>
        <translation>Poucos caminhos para este comprimento de onda: raios vizinhos atingem os espelhos a até %1 um do outro, mais de meio comprimento de onda (%2), então os anteparos podem mostrar feixes que a luz não tem. Uma resolução de %3 radianos ou mais fina basta.</translation>
    </message>
    <message>
        <source>Too few paths for this wavelength: neighbouring rays meet the mirrors up to %1 apart, more than half a wavelength (%2), so the screens may show beams that the light does not have. A resolution of %3 radians would be fine enough, but needs more rays than a run may try: choose a longer wavelength, or a source nearer the mirrors.</source>
        <translation>Poucos caminhos para este comprimento de onda: raios vizinhos atingem os espelhos a até %1 um do outro, mais de meio comprimento de onda (%2), então os anteparos podem mostrar feixes que a luz não tem. Uma resolução de %3 radianos bastaria, mas precisa de mais raios do que um cálculo pode tentar: escolha um comprimento de onda maior ou uma fonte mais perto dos espelhos.</translation>
    </message>
</context>
<context>
    <name>Pattern</name>
    <message>
        <source>Mirror Number Single</source>
        <translation>Espelhos: um</translation>
    </message>
    <message>
        <source>Mirror Number Double</source>
        <translation>Espelhos: dois</translation>
    </message>
    <message>
        <source>Mirror Number Triple</source>
        <translation>Espelhos: três</translation>
    </message>
    <message>
        <source>Mirror Number Four</source>
        <translation>Espelhos: quatro</translation>
    </message>
    <message>
        <source>Mirror Number Five</source>
        <translation>Espelhos: cinco</translation>
    </message>
    <message>
        <source>Mirror Number Grating</source>
        <translation>Espelhos: rede</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>%1 (read as%2)</source>
        <translation>%1 (lido como%2)</translation>
    </message>
    <message>
        <source>Wavelength %1 cannot be used: the wavelength must be a finite number other than 0.</source>
        <translation>Comprimento de onda %1 não pode ser usado: o comprimento de onda deve ser um número finito diferente de 0.</translation>
    </message>
    <message>
        <source>Wavelength %1 cannot be used: it is so short that the longest path of this run, about %2 units, holds more wavelengths than the computer can count to a millionth of a turn, so the arrows of the paths would point the wrong way. Use a wavelength of at least%3.</source>
        <translation>Comprimento de onda %1 não pode ser usado: é tão curto que o caminho mais longo deste cálculo, cerca de %2 unidades, contém mais comprimentos de onda do que o computador consegue contar com precisão de um milionésimo de volta, e as setas dos caminhos apontariam para o lado errado. Use um comprimento de onda de pelo menos%3.</translation>
    </message>
    <message>
        <source>Resolution Radians %1 cannot be used: the angular resolution must be a finite number greater than 0.</source>
        <translation>Resolução radianos %1 não pode ser usada: a resolução angular deve ser um número finito maior que 0.</translation>
    </message>
    <message>
        <source>Resolution X %1 cannot be used: the detector step must be a finite number of at least%2.</source>
        <translation>Resolução X %1 não pode ser usada: o passo do detector deve ser um número finito de pelo menos%2.</translation>
    </message>
    <message>
        <source>Gain %1 cannot be used: the gain must be a finite number from %2 to%3, or the plotted values would be too large for the computer&apos;s numbers.</source>
        <translation>Ganho %1 não pode ser usado: o ganho deve ser um número finito de %2 a%3, ou os valores desenhados seriam grandes demais para os números do computador.</translation>
    </message>
    <message>
        <source>%1 %2 cannot be used: it must be a finite number.</source>
        <translation>%1 %2 não pode ser usado: o valor deve ser um número finito.</translation>
    </message>
    <message>
        <source>The source marker is too far below the plot: the source it stands for lies beyond the number range. Move the marker closer to the plot.</source>
        <translation>O marcador da fonte está longe demais abaixo do gráfico: a fonte que ele representa fica fora da faixa dos números. Aproxime o marcador do gráfico.</translation>
    </message>
    <message>
        <source>The grating of Width %1 and Spacing %2 never reaches the right edge: Width plus Spacing must be more than 0.</source>
        <translation>A rede de difração de largura %1 e espaçamento %2 nunca chega à borda direita: largura mais espaçamento deve ser maior que 0.</translation>
    </message>
    <message>
        <source>The grating of Width %1 and Spacing %2 would hold more than %3 elements. Width plus Spacing must be at least%4.</source>
        <translation>A rede de difração de largura %1 e espaçamento %2 teria mais de %3 elementos. Largura mais espaçamento deve ser pelo menos%4.</translation>
    </message>
    <message>
        <source>Resolution Radians %1 cannot be used with this source and these elements: the sweep of rays from the source would try more than %2 rays. Use a coarser resolution (a larger number of radians), or move the source or change the elements.</source>
        <translation>Resolução radianos %1 não pode ser usada com esta fonte e estes elementos: a varredura de raios a partir da fonte tentaria mais de %2 raios. Use uma resolução mais grossa (mais radianos), mova a fonte ou mude os elementos.</translation>
    </message>
    <message>
        <source>Width %1 and Spacing %2 cannot be used with this source: they put an element at x =%3, where no ray from the source reaches, so the sweep of rays would never find it. Change the width or the spacing, or move the source.</source>
        <translation>Largura %1 e espaçamento %2 não podem ser usados com esta fonte: colocam um elemento em x =%3, aonde nenhum raio da fonte chega, e a varredura de raios nunca o encontraria. Mude a largura ou o espaçamento, ou mova a fonte.</translation>
    </message>
    <message>
        <source>Width %1 cannot be used with this source: it puts an element at x =%2, where no ray from the source reaches, so the sweep of rays would never find it. Change the width or the spacing, or move the source.</source>
        <translation>Largura %1 não pode ser usada com esta fonte: coloca um elemento em x =%2, aonde nenhum raio da fonte chega, e a varredura de raios nunca o encontraria. Mude a largura ou o espaçamento, ou mova a fonte.</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Comprimento de onda</translation>
    </message>
    <message>
        <source>Resolution Radians</source>
        <translation>Resolução radianos</translation>
    </message>
    <message>
        <source>Resolution X</source>
        <translation>Resolução X</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganho</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espaçamento</translation>
    </message>
    <message>
        <source>Wavelength %1 cannot be used: it is so short that the longest path of this run, about %2 units, holds more of the white light&apos;s shortest wavelengths than the computer can count to a millionth of a turn, so the arrows of the paths would point the wrong way. Use a wavelength of at least%3.</source>
        <translation>Comprimento de onda %1 não pode ser usado: é tão curto que o caminho mais longo deste cálculo, cerca de %2 unidades, contém mais dos comprimentos de onda mais curtos da luz branca do que o computador consegue contar com precisão de um milionésimo de volta, e as setas dos caminhos apontariam para o lado errado. Use um comprimento de onda de pelo menos%3.</translation>
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
        <translation>comprimento %1, %2° da vertical</translation>
    </message>
    <message>
        <source>textbook fringe spacing at Y %1: %2</source>
        <translation>espaçamento das franjas do livro didático em Y %1: %2</translation>
    </message>
    <message>
        <source>one element: no fringes of that kind</source>
        <translation>um só elemento: não há franjas desse tipo</translation>
    </message>
</context>
<context>
    <name>SaveWhole</name>
    <message>
        <source>a folder</source>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>um dispositivo</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>um pipe nomeado (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>um socket</translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation>algo diferente de um arquivo</translation>
    </message>
    <message>
        <source>The file %1 was not written: </source>
        <translation>O arquivo %1 não foi gravado: </translation>
    </message>
    <message>
        <source>it is %1, not a plain file.</source>
        <translation>é %1, não um arquivo comum.</translation>
    </message>
    <message>
        <source>it links to %1, which is %2, not a plain file.</source>
        <translation>aponta para %1, que é %2, não um arquivo comum.</translation>
    </message>
    <message>
        <source>nothing more could be written</source>
        <translation>nada mais pôde ser gravado</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2.</source>
        <translation>Não foi possível gravar o arquivo %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2. A file of that name that was there before is as it was.</source>
        <translation>Não foi possível gravar o arquivo %1: %2. Um arquivo com esse nome que já existia continua como estava.</translation>
    </message>
</context>
<context>
    <name>SetupFile</name>
    <message>
        <source>line %1, column %2</source>
        <translation>linha %1, coluna %2</translation>
    </message>
    <message>
        <source>%1 must be a text in quotes, as its box holds it (for example &quot;%2&quot;: &quot;1&quot;)</source>
        <translation>%1 deve ser um texto entre aspas, como sua caixa o contém (por exemplo &quot;%2&quot;: &quot;1&quot;)</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 tem mais de %2 caracteres</translation>
    </message>
    <message>
        <source>%1 holds a line break or another control character, which a box cannot hold</source>
        <translation>%1 contém uma quebra de linha ou outro caractere de controle, que uma caixa não pode conter</translation>
    </message>
    <message>
        <source>%1 is %2, which is none of the patterns (%3)</source>
        <translation>%1 é %2, que não é nenhum dos padrões (%3)</translation>
    </message>
    <message>
        <source>the source&apos;s %1 must be a number</source>
        <translation>o %1 da fonte deve ser um número</translation>
    </message>
    <message>
        <source>the source&apos;s %1, %2, lies more than %3 units from the centre of the plot</source>
        <translation>o %1 da fonte, %2, fica a mais de %3 unidades do centro do gráfico</translation>
    </message>
    <message>
        <source>%1 must be an object such as {&quot;x&quot;: 50, &quot;y&quot;: 0}</source>
        <translation>%1 deve ser um objeto como {&quot;x&quot;: 50, &quot;y&quot;: 0}</translation>
    </message>
    <message>
        <source>%1 must give both %2 and %3, such as {&quot;x&quot;: 50, &quot;y&quot;: 0}</source>
        <translation>%1 deve dar %2 e %3, como {&quot;x&quot;: 50, &quot;y&quot;: 0}</translation>
    </message>
    <message>
        <source>it holds none of the keys of a pathsum set-up</source>
        <translation>ele não contém nenhuma das chaves de uma montagem do pathsum</translation>
    </message>
    <message>
        <source>its %1 is not &quot;%2&quot;: it is not a pathsum set-up</source>
        <translation>seu %1 não é &quot;%2&quot;: não é uma montagem do pathsum</translation>
    </message>
    <message>
        <source>it is a set-up of version %1, written by a newer pathsum; this one reads version %2</source>
        <translation>é uma montagem da versão %1, gravada por um pathsum mais novo; este lê a versão %2</translation>
    </message>
    <message>
        <source>its %1 must be %2</source>
        <translation>seu %1 deve ser %2</translation>
    </message>
    <message>
        <source>it nests deeper than %1 levels (%2); a set-up nests two deep</source>
        <translation>ele se aninha em mais de %1 níveis (%2); uma montagem tem dois</translation>
    </message>
    <message>
        <source>it is not text in UTF-8</source>
        <translation>não é texto em UTF-8</translation>
    </message>
    <message>
        <source>it is not JSON (%1): %2</source>
        <translation>não é JSON (%1): %2</translation>
    </message>
    <message>
        <source>it holds no JSON object: a set-up is one object, {...}</source>
        <translation>não contém nenhum objeto JSON: uma montagem é um objeto, {...}</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened as a set-up: %2.</source>
        <translation>O arquivo %1 não pode ser aberto como montagem: %2.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>esse arquivo não existe</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is %1 bytes long, and a set-up is at most %2</source>
        <translation>tem %1 bytes, e uma montagem tem no máximo %2</translation>
    </message>
    <message>
        <source>it is over %1 bytes long</source>
        <translation>tem mais de %1 bytes</translation>
    </message>
    <message>
        <source>%1 must be the text &quot;%2&quot; for white light, or be left out for light of the one wavelength typed</source>
        <translation>%1 deve ser o texto &quot;%2&quot; para luz branca, ou ser omitido para luz do único comprimento de onda digitado</translation>
    </message>
    <message>
        <source>%1 is %2, which is no light pathsum knows (&quot;%3&quot; is white light; without the key the light is the one wavelength typed)</source>
        <translation>%1 é %2, que não é nenhuma luz que o pathsum conheça (&quot;%3&quot; é luz branca; sem a chave a luz é o único comprimento de onda digitado)</translation>
    </message>
</context>
<context>
    <name>pathsum::ArrowPictureView</name>
    <message>
        <source>Arrow chain</source>
        <translation>Cadeia de setas</translation>
    </message>
    <message>
        <source>The arrows of every path to the chosen point, head to tail, and their resultant.</source>
        <translation>As setas de todos os caminhos até o ponto escolhido, uma após a outra, e sua resultante.</translation>
    </message>
    <message>
        <source> Now %1 arrows; the resultant is %2 arrows long.</source>
        <translation> Agora %1 setas; a resultante mede %2 setas.</translation>
    </message>
</context>
<context>
    <name>pathsum::ArrowsWindow</name>
    <message>
        <source>Arrows at a Point</source>
        <translation>Setas em um ponto</translation>
    </message>
    <message>
        <source>Show each &amp;element&apos;s resultant</source>
        <translation>Mostrar a resultante de cada &amp;elemento</translation>
    </message>
    <message>
        <source>Draws, over the chain, one large arrow for each mirror or slit: the sum of its own paths&apos; arrows. Added head to tail they make the resultant.</source>
        <translation>Desenha, sobre a cadeia, uma seta grande para cada espelho ou fenda: a soma das setas de seus próprios caminhos. Uma após a outra, formam a resultante.</translation>
    </message>
    <message>
        <source>&amp;Hold</source>
        <translation>&amp;Fixar</translation>
    </message>
    <message>
        <source>Keeps the chosen point while the pointer moves on (Alt+H).</source>
        <translation>Mantém o ponto escolhido enquanto o ponteiro se move (Alt+F).</translation>
    </message>
    <message>
        <source>Click CALC AND PLOT, then move the pointer over the plot: the arrows of the point under it appear here.</source>
        <translation>Clique em CALCULAR E TRAÇAR e mova o ponteiro sobre o gráfico: as setas do ponto embaixo dele aparecem aqui.</translation>
    </message>
    <message>
        <source>Move the pointer over the plot to choose a point.</source>
        <translation>Mova o ponteiro sobre o gráfico para escolher um ponto.</translation>
    </message>
    <message>
        <source>The last run has no detector points.</source>
        <translation>O último cálculo não tem pontos de detector.</translation>
    </message>
    <message>
        <source>This screen is not computed yet.</source>
        <translation>Este anteparo ainda não foi calculado.</translation>
    </message>
    <message>
        <source>No paths reach this point.</source>
        <translation>Nenhum caminho chega a este ponto.</translation>
    </message>
    <message>
        <source>The arrows of the %1 paths to this point of the field, head to tail, in the colours of their elements; the resultant in red.</source>
        <translation>As setas dos %1 caminhos até este ponto do campo, uma após a outra, nas cores de seus elementos; a resultante em vermelho.</translation>
    </message>
    <message>
        <source>The arrows of the %1 paths to this point, head to tail, in the colours of their elements; the resultant in red.</source>
        <translation>As setas dos %1 caminhos até este ponto, uma após a outra, nas cores de seus elementos; a resultante em vermelho.</translation>
    </message>
    <message>
        <source>The arrows of the %1 paths to this point of the field at the wavelength typed, the 550 nm of the white light, head to tail, in the colours of their elements; the resultant in red. The plot shows the mean of all 31 wavelengths.</source>
        <translation>As setas dos %1 caminhos até este ponto do campo no comprimento de onda digitado, os 550 nm da luz branca, uma após a outra, nas cores de seus elementos; a resultante em vermelho. O gráfico mostra a média dos 31 comprimentos de onda.</translation>
    </message>
    <message>
        <source>The arrows of the %1 paths to this point at the wavelength typed, the 550 nm of the white light, head to tail, in the colours of their elements; the resultant in red. The plot shows the mean of all 31 wavelengths.</source>
        <translation>As setas dos %1 caminhos até este ponto no comprimento de onda digitado, os 550 nm da luz branca, uma após a outra, nas cores de seus elementos; a resultante em vermelho. O gráfico mostra a média dos 31 comprimentos de onda.</translation>
    </message>
    <message>
        <source>The wave now, the resultant&apos;s projection / N: %1</source>
        <translation>A onda agora, a projeção da resultante / N: %1</translation>
    </message>
    <message>
        <source>The value the point&apos;s pixel in the field shows at this instant, with every digit: %1</source>
        <translation>O valor que o pixel do ponto mostra no campo neste instante, com todos os dígitos: %1</translation>
    </message>
</context>
<context>
    <name>pathsum::ExportPictureDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagem</translation>
    </message>
    <message>
        <source>a PNG picture</source>
        <translation>uma imagem PNG</translation>
    </message>
    <message>
        <source>an SVG drawing</source>
        <translation>um desenho SVG</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>um documento PDF</translation>
    </message>
    <message>
        <source>a table</source>
        <translation>uma tabela</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Ends in .png, .svg or .pdf: the kind of picture.</source>
        <translation>Termina em .png, .svg ou .pdf: o tipo de imagem.</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>Esc&amp;olher...</translation>
    </message>
    <message>
        <source>PNG size</source>
        <translation>Tamanho PNG</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixels</translation>
    </message>
    <message>
        <source>%1 (as the window)</source>
        <translation>%1 (como a janela)</translation>
    </message>
    <message>
        <source>%1 (%2 times the window)</source>
        <translation>%1 (%2 vezes a janela)</translation>
    </message>
    <message>
        <source>On &amp;white: the plot dark on white, as Print on White</source>
        <translation>Em &amp;branco: o gráfico escuro sobre branco, como Imprimir em branco</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Arquivo:</translation>
    </message>
    <message>
        <source>PNG &amp;size:</source>
        <translation>&amp;Tamanho PNG:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <translation>Imagem PNG (*.png);;Desenho SVG (*.svg);;Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Writes %1: %2</source>
        <translation>Grava %1: %2</translation>
    </message>
    <message>
        <source>Export waits for the name of the file to write.</source>
        <translation>A exportação aguarda o nome do arquivo a gravar.</translation>
    </message>
    <message>
        <source>Export waits: a name ending in .csv is for the numbers, which File &gt; Export Data writes. A picture&apos;s name ends in .png, .svg or .pdf.</source>
        <translation>A exportação aguarda: um nome terminado em .csv é para os números, que Arquivo &gt; Exportar dados grava. O nome de uma imagem termina em .png, .svg ou .pdf.</translation>
    </message>
    <message>
        <source>Export waits for a name that ends in .png, .svg or .pdf: the ending says which kind of picture to write.</source>
        <translation>A exportação aguarda um nome que termine em .png, .svg ou .pdf: a terminação diz que tipo de imagem gravar.</translation>
    </message>
    <message>
        <source>a sound</source>
        <translation>um som</translation>
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
        <translation>Cor</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>&amp;Logarithmic</source>
        <translation>&amp;Logarítmica</translation>
    </message>
    <message>
        <source>&amp;Whole Square</source>
        <translation>&amp;Quadrado inteiro</translation>
    </message>
    <message>
        <source>Save &amp;Picture...</source>
        <translation>Salvar &amp;imagem...</translation>
    </message>
    <message>
        <source>Save &amp;Numbers...</source>
        <translation>Salvar &amp;números...</translation>
    </message>
    <message>
        <source>The last run: %1, wavelength %2, %3 paths, gain %4.</source>
        <translation>O último cálculo: %1, comprimento de onda %2, %3 caminhos, ganho %4.</translation>
    </message>
    <message>
        <source>The fringes here are as fine as %1 apart, finer than two pixels (a pixel is %2 across): each pixel is a sample, and the picture may show patterns that are not there. Zoom in (the wheel) to see the fringes themselves.</source>
        <translation>Aqui as franjas estão a apenas %1 de distância, mais finas que dois pixels (um pixel mede %2): cada pixel é uma amostra, e a imagem pode mostrar padrões que não existem. Amplie (a roda) para ver as próprias franjas.</translation>
    </message>
    <message>
        <source>Within %1 of the row the fringes are finer than two pixels (down to %2 apart; a pixel is %3 across): there each pixel is a sample, and the picture may show patterns that are not there. Zoom in (the wheel) to see them.</source>
        <translation>A menos de %1 da fileira, as franjas são mais finas que dois pixels (separadas por apenas %2; um pixel mede %3): ali cada pixel é uma amostra, e a imagem pode mostrar padrões que não existem. Amplie (a roda) para vê-las.</translation>
    </message>
    <message>
        <source>Click CALC AND PLOT in the main window: the field of the run&apos;s paths appears here.</source>
        <translation>Clique em CALCULAR E TRAÇAR na janela principal: o campo dos caminhos do cálculo aparece aqui.</translation>
    </message>
    <message>
        <source>The last run has no paths: no light reaches the plot.</source>
        <translation>O último cálculo não tem caminhos: nenhuma luz chega ao gráfico.</translation>
    </message>
    <message>
        <source>The field follows once the run in the main window has ended.</source>
        <translation>O campo vem assim que o cálculo da janela principal terminar.</translation>
    </message>
    <message>
        <source>Refining: %1% of %2 pixels.</source>
        <translation>Refinando: %1% de %2 pixels.</translation>
    </message>
    <message>
        <source>Every one of %1 pixels computed, by the interpolated sum: within %2 of the sum over every path in p / N².</source>
        <translation>Todos os %1 pixels calculados, pela soma interpolada: a menos de %2 da soma sobre todos os caminhos, em p / N².</translation>
    </message>
    <message>
        <source>Every one of %1 pixels computed, summed over every path.</source>
        <translation>Todos os %1 pixels calculados, somados sobre todos os caminhos.</translation>
    </message>
    <message>
        <source>: p / N² %1</source>
        <translation>: p / N² %1</translation>
    </message>
    <message>
        <source>: p / N² about %1</source>
        <translation>: p / N² cerca de %1</translation>
    </message>
    <message>
        <source>The file “%1” was not written: the field is not computed at every pixel yet.</source>
        <translation>O arquivo “%1” não foi gravado: o campo ainda não está calculado em cada pixel.</translation>
    </message>
    <message>
        <source>Save the Picture of the Field</source>
        <translation>Salvar a imagem do campo</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>Save the Numbers of the Field</source>
        <translation>Salvar os números do campo</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por vírgulas (*.csv)</translation>
    </message>
    <message>
        <source>The last run: %1 in white light, the wavelength %2 standing for 550 nm, %3 paths, gain %4. Each pixel shows the colour of the light arriving there.</source>
        <translation>O último cálculo: %1 com luz branca, o comprimento de onda %2 representando 550 nm, %3 caminhos, ganho %4. Cada pixel mostra a cor da luz que chega ali.</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Ondas</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
</context>
<context>
    <name>pathsum::FileCommands</name>
    <message>
        <source>pathsum set-ups (*.pathsum)</source>
        <translation>Montagens do pathsum (*.pathsum)</translation>
    </message>
    <message>
        <source>Open Set-up</source>
        <translation>Abrir montagem</translation>
    </message>
    <message>
        <source>Save Set-up</source>
        <translation>Salvar montagem</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagem</translation>
    </message>
    <message>
        <source>The picture is written: %1</source>
        <translation>A imagem foi gravada: %1</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Exportar dados</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por vírgulas (*.csv)</translation>
    </message>
    <message>
        <source>The numbers are written: %1</source>
        <translation>Os números foram gravados: %1</translation>
    </message>
    <message>
        <source>No set-ups yet</source>
        <translation>Nenhuma montagem ainda</translation>
    </message>
    <message>
        <source>No lessons found in %1</source>
        <translation>Nenhuma lição encontrada em %1</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Alterações não salvas</translation>
    </message>
    <message>
        <source>Save the changes to “%1”?</source>
        <translation>Salvar as alterações em “%1”?</translation>
    </message>
    <message>
        <source>The set-up has changed since it was opened or saved. Without saving, the changes are lost.</source>
        <translation>A montagem mudou desde que foi aberta ou salva. Sem salvar, as alterações se perdem.</translation>
    </message>
</context>
<context>
    <name>pathsum::GuideWindow</name>
    <message>
        <source>pathsum Guide</source>
        <translation>Guia do pathsum</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guia</translation>
    </message>
</context>
<context>
    <name>pathsum::MainForm</name>
    <message>
        <source>Light meets matter: the sum-over-paths method, multiple slit and mirror analysis                    pathsum home page</source>
        <translation>A luz encontra a matéria: a soma sobre caminhos, fendas múltiplas e espelhos                    página inicial do pathsum</translation>
    </message>
    <message>
        <source>Wave- Length</source>
        <translation>Compr. de onda</translation>
    </message>
    <message>
        <source> Resolution Radians</source>
        <translation> Resolução radianos</translation>
    </message>
    <message>
        <source> Resolution X</source>
        <translation> Resolução X</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganho</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espaça- mento</translation>
    </message>
    <message>
        <source>CALC AND PLOT</source>
        <translation>CALCULAR E TRAÇAR</translation>
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
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Input Wavelength:</source>
        <translation>Digite o comprimento de onda:</translation>
    </message>
    <message>
        <source>Input Resolution in radians:</source>
        <translation>Digite a resolução em radianos:</translation>
    </message>
    <message>
        <source>Input Gain:</source>
        <translation>Digite o ganho:</translation>
    </message>
    <message>
        <source>Input Grating Width:</source>
        <translation>Digite a largura das fendas:</translation>
    </message>
    <message>
        <source>Input Spacing:</source>
        <translation>Digite o espaçamento:</translation>
    </message>
    <message>
        <source>No printer is available</source>
        <translation>Nenhuma impressora está disponível</translation>
    </message>
    <message>
        <source>No default printer is set</source>
        <translation>Nenhuma impressora padrão está definida</translation>
    </message>
    <message>
        <source>%1, so the window was not printed. Set up a default printer and try again.</source>
        <translation>%1, então a janela não foi impressa. Configure uma impressora padrão e tente de novo.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be used, so the window was not printed.</source>
        <translation>Não foi possível usar a impressora &quot;%1&quot;, então a janela não foi impressa.</translation>
    </message>
    <message>
        <source>Cannot calculate</source>
        <translation>Não é possível calcular</translation>
    </message>
    <message>
        <source>Live: a coarse picture while the source moves; the full one follows when it rests.</source>
        <translation>Ao vivo: uma imagem grosseira enquanto a fonte se move; a completa vem quando ela para.</translation>
    </message>
</context>
<context>
    <name>pathsum::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Cálculo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>About pathsum</source>
        <translation>Sobre o pathsum</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;pathsum&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;%2: a point source, a row of mirrors or slits and ten screens, every path an arrow turned by its length in wavelengths.&lt;/p&gt;&lt;p&gt;Free software under the MIT licence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;pathsum&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;%2: uma fonte pontual, uma fileira de espelhos ou fendas e dez anteparos; cada caminho é uma seta girada conforme seu comprimento em comprimentos de onda.&lt;/p&gt;&lt;p&gt;Software livre sob a licença MIT.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Light at mirrors and slits as a sum over paths</source>
        <translation>A luz em espelhos e fendas como soma sobre caminhos</translation>
    </message>
</context>
<context>
    <name>pathsum::PlaceSourceDialog</name>
    <message>
        <source>Place Source</source>
        <translation>Posicionar a fonte</translation>
    </message>
    <message>
        <source>Source X</source>
        <translation>Fonte X</translation>
    </message>
    <message>
        <source>Source Y</source>
        <translation>Fonte Y</translation>
    </message>
    <message>
        <source>X is measured right of the centre of the row, Y down from the row.
A Y above 100 puts the marker below the plot: a far source.</source>
        <translation>X é medido à direita do centro da fileira, Y para baixo a partir da fileira.
Um Y acima de 100 põe o marcador abaixo do gráfico: uma fonte distante.</translation>
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
        <translation>Os rótulos mostrarão %1 e %2.</translation>
    </message>
</context>
<context>
    <name>pathsum::SoundPlayer</name>
    <message>
        <source>There is no sound device: the sound is off.</source>
        <translation>Não há dispositivo de som: o som está desligado.</translation>
    </message>
    <message>
        <source>The sound device cannot play 16-bit stereo at 44,100 Hz: the sound is off.</source>
        <translation>O dispositivo de som não consegue tocar estéreo de 16 bits a 44 100 Hz: o som está desligado.</translation>
    </message>
    <message>
        <source>The sound device could not be opened (another program may hold it): the sound is off.</source>
        <translation>Não foi possível abrir o dispositivo de som (talvez outro programa o esteja usando): o som está desligado.</translation>
    </message>
    <message>
        <source>The sound device stopped playing: the sound is off.</source>
        <translation>O dispositivo de som parou de tocar: o som está desligado.</translation>
    </message>
</context>
</TS>
