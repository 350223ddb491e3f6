<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AtomicFile</name>
    <message>
        <source>cannot make its folder</source>
        <translation>não foi possível criar sua pasta</translation>
    </message>
    <message>
        <source>cannot create a file: %1</source>
        <translation>não foi possível criar um arquivo: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>não foi possível gravar: %1</translation>
    </message>
    <message>
        <source>cannot write to disk</source>
        <translation>não foi possível gravar no disco</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>não foi possível substituir o arquivo</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Paytick&apos;s path holds a control character or %, which a login cannot start; install Paytick or move it to another path</source>
        <translation>O caminho do Paytick contém um caractere de controle ou %, que uma sessão não consegue iniciar; instale o Paytick ou mova-o para outro caminho</translation>
    </message>
</context>
<context>
    <name>BackButton</name>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>ColorSection</name>
    <message>
        <source>Number color</source>
        <translation>Cor dos números</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: paytick [--help] [--version] [Qt options]
Shows how much you have earned since you pressed Start Earning, on a
small panel that floats above your other windows.

  -h, --help     show this help and quit
  -v, --version  show the version and quit
</source>
        <translation>Uso: paytick [--help] [--version] [opções do Qt]
Mostra, num pequeno painel acima das outras janelas, quanto você ganhou
desde que apertou “Começar a ganhar”.

  -h, --help     mostrar esta ajuda e sair
  -v, --version  mostrar a versão e sair
</translation>
    </message>
    <message>
        <source>paytick: unknown option %1</source>
        <translation>paytick: opção desconhecida %1</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>O Paytick precisa de uma sessão gráfica: nem DISPLAY nem WAYLAND_DISPLAY está definido.
</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: the display %1 cannot be opened.
</source>
        <translation>O Paytick precisa de uma sessão gráfica: não foi possível abrir a tela %1.
</translation>
    </message>
</context>
<context>
    <name>CountFrom</name>
    <message>
        <source>Since start</source>
        <translation>Desde o início</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Este mês</translation>
    </message>
</context>
<context>
    <name>CountSection</name>
    <message>
        <source>Count</source>
        <translation>Período</translation>
    </message>
</context>
<context>
    <name>CounterFace</name>
    <message>
        <source>%1 left</source>
        <translation>Faltam %1</translation>
    </message>
</context>
<context>
    <name>CounterView</name>
    <message>
        <source>Resumes %1</source>
        <translation>Volta %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Amount hidden</source>
        <translation>Valor oculto</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>what the display stands at, then the pause sign</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>CurrencySection</name>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moeda</translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation>Símbolo %1</translation>
    </message>
</context>
<context>
    <name>DayHoursRow</name>
    <message>
        <source>%1 from</source>
        <translation>%1: de</translation>
    </message>
    <message>
        <source>%1 to</source>
        <translation>%1: até</translation>
    </message>
    <message>
        <source>%1 break</source>
        <translation>%1: pausa</translation>
    </message>
    <message>
        <source>%1 break from</source>
        <translation>%1: pausa de</translation>
    </message>
    <message>
        <source>%1 break to</source>
        <translation>%1: pausa até</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>“De” e “Até” precisam ser diferentes</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>A pausa precisa estar dentro do horário</translation>
    </message>
</context>
<context>
    <name>DigitColor</name>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Laranja</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
</context>
<context>
    <name>EmojiChooser</name>
    <message>
        <source>Any</source>
        <translation>Outro</translation>
    </message>
    <message>
        <source>Any emoji</source>
        <translation>Outro emoji</translation>
    </message>
    <message>
        <source>Type or paste one emoji</source>
        <translation>Digite ou cole um emoji</translation>
    </message>
</context>
<context>
    <name>FloatingPanel</name>
    <message>
        <source>Hide Amount</source>
        <translation>Ocultar valor</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Iniciar ao entrar</translation>
    </message>
    <message>
        <source>Quit Paytick</source>
        <translation>Sair do Paytick</translation>
    </message>
    <message>
        <source>Paytick could not turn on Start at Login.</source>
        <translation>O Paytick não conseguiu ativar “Iniciar ao entrar”.</translation>
    </message>
    <message>
        <source>Paytick could not turn off Start at Login.</source>
        <translation>O Paytick não conseguiu desativar “Iniciar ao entrar”.</translation>
    </message>
</context>
<context>
    <name>GoalPictureKind</name>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagem</translation>
    </message>
</context>
<context>
    <name>GoalProgress</name>
    <message>
        <source>Add an amount in Settings</source>
        <translation>Adicione um valor nas Configurações</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Reached!</source>
        <translation>Alcançado!</translation>
    </message>
    <message>
        <source>Reached %1!</source>
        <translation>%1 alcançado!</translation>
    </message>
</context>
<context>
    <name>GoalRow</name>
    <message>
        <source>%1, %2</source>
        <comment>the goal&apos;s text, then how far it is reached</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>GoalSection</name>
    <message>
        <source>Goal</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>How much to make</source>
        <translation>Quanto ganhar</translation>
    </message>
    <message>
        <source>What it&apos;s for</source>
        <translation>Para quê</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Enter an amount to start tracking your goal</source>
        <translation>Digite um valor para acompanhar sua meta</translation>
    </message>
    <message>
        <source>Enter the amount as a number, like 5000</source>
        <translation>Digite o valor como número, por exemplo 5000</translation>
    </message>
</context>
<context>
    <name>ImageChooser</name>
    <message>
        <source>Couldn&apos;t read that image</source>
        <translation>Não foi possível ler essa imagem</translation>
    </message>
    <message>
        <source>Change Image…</source>
        <translation>Trocar imagem…</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Enviar imagem…</translation>
    </message>
</context>
<context>
    <name>PayPeriod</name>
    <message>
        <source>Monthly</source>
        <translation>Mensal</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Anual</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Por hora</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QuitButton</name>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>SaveProblemMark</name>
    <message>
        <source>Settings not saved</source>
        <translation>Configurações não salvas</translation>
    </message>
    <message>
        <source>Paytick can&apos;t save its settings (%1). It keeps trying; what you typed is kept while it runs.</source>
        <translation>O Paytick não consegue salvar as configurações (%1). Ele continua tentando; o que você digitou é mantido enquanto ele estiver aberto.</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>cannot keep a copy of the old file as %1: %2</source>
        <translation>não foi possível manter uma cópia do arquivo antigo como %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
</context>
<context>
    <name>SetupView</name>
    <message>
        <source>Salary period</source>
        <translation>Período do salário</translation>
    </message>
    <message>
        <source>Start Earning</source>
        <translation>Começar a ganhar</translation>
    </message>
    <message>
        <source>Your salary</source>
        <translation>Seu salário</translation>
    </message>
    <message>
        <source>Enter at most %1 a year</source>
        <translation>No máximo %1 por ano</translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <source>Images (%1)</source>
        <translation>Imagens (%1)</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Escolher uma imagem</translation>
    </message>
</context>
<context>
    <name>WorkingHoursSection</name>
    <message>
        <source>Working hours</source>
        <translation>Horário de trabalho</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Até</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>“De” e “Até” precisam ser diferentes</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Break from</source>
        <translation>Pausa de</translation>
    </message>
    <message>
        <source>Break to</source>
        <translation>Pausa até</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>A pausa precisa estar dentro do horário</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dias</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horário</translation>
    </message>
    <message>
        <source>Same hours every day</source>
        <translation>Mesmo horário todo dia</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Paytick: found no private folder for its lock, so starting it again will open a second panel.
</source>
        <translation>Paytick: nenhuma pasta privada para a trava, então abri-lo de novo abrirá um segundo painel.
</translation>
    </message>
    <message>
        <source>Paytick: quit without saving %1 to %2: %3
</source>
        <translation>Paytick: fechado sem salvar %1 em %2: %3
</translation>
    </message>
</context>
</TS>
