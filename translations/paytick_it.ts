<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AtomicFile</name>
    <message>
        <source>cannot make its folder</source>
        <translation>impossibile creare la sua cartella</translation>
    </message>
    <message>
        <source>cannot create a file: %1</source>
        <translation>impossibile creare un file: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>impossibile scrivere: %1</translation>
    </message>
    <message>
        <source>cannot write to disk</source>
        <translation>impossibile scrivere sul disco</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>impossibile sostituire il file</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Paytick&apos;s path holds a control character or %, which a login cannot start; install Paytick or move it to another path</source>
        <translation>Il percorso di Paytick contiene un carattere di controllo o %, che un accesso non può avviare; installa Paytick o spostalo in un altro percorso</translation>
    </message>
</context>
<context>
    <name>BackButton</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
</context>
<context>
    <name>ColorSection</name>
    <message>
        <source>Number color</source>
        <translation>Colore cifre</translation>
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
        <translation>Uso: paytick [--help] [--version] [opzioni Qt]
Mostra su un piccolo pannello sopra le altre finestre quanto hai guadagnato
da quando hai premuto «Inizia a guadagnare».

  -h, --help     mostra questo aiuto ed esci
  -v, --version  mostra la versione ed esci
</translation>
    </message>
    <message>
        <source>paytick: unknown option %1</source>
        <translation>paytick: opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Paytick richiede una sessione grafica: né DISPLAY né WAYLAND_DISPLAY sono impostati.
</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: the display %1 cannot be opened.
</source>
        <translation>Paytick richiede una sessione grafica: impossibile aprire il display %1.
</translation>
    </message>
</context>
<context>
    <name>CountFrom</name>
    <message>
        <source>Since start</source>
        <translation>Dall&apos;inizio</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Questa settimana</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Questo mese</translation>
    </message>
</context>
<context>
    <name>CountSection</name>
    <message>
        <source>Count</source>
        <translation>Periodo</translation>
    </message>
</context>
<context>
    <name>CounterFace</name>
    <message>
        <source>%1 left</source>
        <translation>Ancora %1</translation>
    </message>
</context>
<context>
    <name>CounterView</name>
    <message>
        <source>Resumes %1</source>
        <translation>Riprende %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Amount hidden</source>
        <translation>Importo nascosto</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
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
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Valuta</translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation>Simbolo %1</translation>
    </message>
</context>
<context>
    <name>DayHoursRow</name>
    <message>
        <source>%1 from</source>
        <translation>%1: dalle</translation>
    </message>
    <message>
        <source>%1 to</source>
        <translation>%1: alle</translation>
    </message>
    <message>
        <source>%1 break</source>
        <translation>%1: pausa</translation>
    </message>
    <message>
        <source>%1 break from</source>
        <translation>%1: pausa dalle</translation>
    </message>
    <message>
        <source>%1 break to</source>
        <translation>%1: pausa alle</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>«Dalle» e «Alle» devono differire</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>La pausa deve stare dentro l&apos;orario</translation>
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
        <translation>Lime</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
</context>
<context>
    <name>EmojiChooser</name>
    <message>
        <source>Any</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Any emoji</source>
        <translation>Altra emoji</translation>
    </message>
    <message>
        <source>Type or paste one emoji</source>
        <translation>Digita o incolla una emoji</translation>
    </message>
</context>
<context>
    <name>FloatingPanel</name>
    <message>
        <source>Hide Amount</source>
        <translation>Nascondi importo</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>Quit Paytick</source>
        <translation>Esci da Paytick</translation>
    </message>
    <message>
        <source>Paytick could not turn on Start at Login.</source>
        <translation>Paytick non ha potuto attivare «Avvia all&apos;accesso».</translation>
    </message>
    <message>
        <source>Paytick could not turn off Start at Login.</source>
        <translation>Paytick non ha potuto disattivare «Avvia all&apos;accesso».</translation>
    </message>
</context>
<context>
    <name>GoalPictureKind</name>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Immagine</translation>
    </message>
</context>
<context>
    <name>GoalProgress</name>
    <message>
        <source>Add an amount in Settings</source>
        <translation>Aggiungi un importo nelle Impostazioni</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Reached!</source>
        <translation>Raggiunto!</translation>
    </message>
    <message>
        <source>Reached %1!</source>
        <translation>%1 raggiunto!</translation>
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
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>How much to make</source>
        <translation>Quanto guadagnare</translation>
    </message>
    <message>
        <source>What it&apos;s for</source>
        <translation>A cosa serve</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Enter an amount to start tracking your goal</source>
        <translation>Inserisci un importo per seguire l&apos;obiettivo</translation>
    </message>
    <message>
        <source>Enter the amount as a number, like 5000</source>
        <translation>Inserisci l&apos;importo come numero, ad es. 5000</translation>
    </message>
</context>
<context>
    <name>ImageChooser</name>
    <message>
        <source>Couldn&apos;t read that image</source>
        <translation>Impossibile leggere l&apos;immagine</translation>
    </message>
    <message>
        <source>Change Image…</source>
        <translation>Cambia immagine…</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Carica immagine…</translation>
    </message>
</context>
<context>
    <name>PayPeriod</name>
    <message>
        <source>Monthly</source>
        <translation>Mensile</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Annuale</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Orario</translation>
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
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>SaveProblemMark</name>
    <message>
        <source>Settings not saved</source>
        <translation>Impostazioni non salvate</translation>
    </message>
    <message>
        <source>Paytick can&apos;t save its settings (%1). It keeps trying; what you typed is kept while it runs.</source>
        <translation>Paytick non riesce a salvare le impostazioni (%1). Continua a provare; ciò che hai digitato resta finché è in esecuzione.</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>cannot keep a copy of the old file as %1: %2</source>
        <translation>impossibile conservare una copia del vecchio file come %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
</context>
<context>
    <name>SetupView</name>
    <message>
        <source>Salary period</source>
        <translation>Periodo dello stipendio</translation>
    </message>
    <message>
        <source>Start Earning</source>
        <translation>Inizia a guadagnare</translation>
    </message>
    <message>
        <source>Your salary</source>
        <translation>Il tuo stipendio</translation>
    </message>
    <message>
        <source>Enter at most %1 a year</source>
        <translation>Al massimo %1 l&apos;anno</translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <source>Images (%1)</source>
        <translation>Immagini (%1)</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Scegli un&apos;immagine</translation>
    </message>
</context>
<context>
    <name>WorkingHoursSection</name>
    <message>
        <source>Working hours</source>
        <translation>Orario di lavoro</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Dalle</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>«Dalle» e «Alle» devono differire</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Break from</source>
        <translation>Pausa dalle</translation>
    </message>
    <message>
        <source>Break to</source>
        <translation>Pausa alle</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>La pausa deve stare dentro l&apos;orario</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Giorni</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Orario</translation>
    </message>
    <message>
        <source>Same hours every day</source>
        <translation>Stesso orario ogni giorno</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Paytick: found no private folder for its lock, so starting it again will open a second panel.
</source>
        <translation>Paytick: nessuna cartella privata per il blocco, quindi avviarlo di nuovo aprirà un secondo pannello.
</translation>
    </message>
    <message>
        <source>Paytick: quit without saving %1 to %2: %3
</source>
        <translation>Paytick: chiuso senza salvare %1 in %2: %3
</translation>
    </message>
</context>
</TS>
