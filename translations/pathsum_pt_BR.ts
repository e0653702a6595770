<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
</TS>
