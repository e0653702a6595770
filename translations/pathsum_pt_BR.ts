<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Exports</name>
    <message>
        <source>No screen has been calculated yet, so there are no numbers to export: calculate first.</source>
        <translation>Nenhum anteparo foi calculado ainda, então não há números para exportar: calcule primeiro.</translation>
    </message>
    <message>
        <source>The file “%1” was not written: its name must end in .png, .svg, .pdf or .csv, which says what kind of file to write.</source>
        <translation>O arquivo “%1” não foi gravado: seu nome deve terminar em .png, .svg, .pdf ou .csv, que diz que tipo de arquivo gravar.</translation>
    </message>
    <message>
        <source>The file “%1” was not written: %2</source>
        <translation>O arquivo “%1” não foi gravado: %2</translation>
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
        <translation>A rede de difração de largura %1 e espaçamento %2 teria mais de %3 fendas. Largura mais espaçamento deve ser pelo menos%4.</translation>
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
        <translation>ele se aninha mais de %1 níveis (%2); uma montagem tem dois</translation>
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
        <translation>&amp;Escolher...</translation>
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
</TS>
