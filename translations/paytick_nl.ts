<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AtomicFile</name>
    <message>
        <source>cannot make its folder</source>
        <translation>kan zijn map niet aanmaken</translation>
    </message>
    <message>
        <source>cannot create a file: %1</source>
        <translation>kan geen bestand aanmaken: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>kan niet schrijven: %1</translation>
    </message>
    <message>
        <source>cannot write to disk</source>
        <translation>kan niet naar de schijf schrijven</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>kan het bestand niet vervangen</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Paytick&apos;s path holds a control character or %, which a login cannot start; install Paytick or move it to another path</source>
        <translation>Het pad van Paytick bevat een stuurteken of %, dat een aanmelding niet kan starten; installeer Paytick of verplaats het naar een ander pad</translation>
    </message>
</context>
<context>
    <name>BackButton</name>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
</context>
<context>
    <name>ColorSection</name>
    <message>
        <source>Number color</source>
        <translation>Cijferkleur</translation>
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
        <translation>Gebruik: paytick [--help] [--version] [Qt-opties]
Toont op een klein paneel boven uw andere vensters hoeveel u hebt verdiend
sinds u op ‘Beginnen met verdienen’ drukte.

  -h, --help     deze hulp tonen en afsluiten
  -v, --version  de versie tonen en afsluiten
</translation>
    </message>
    <message>
        <source>paytick: unknown option %1</source>
        <translation>paytick: onbekende optie %1</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Paytick heeft een grafische sessie nodig: DISPLAY noch WAYLAND_DISPLAY is ingesteld.
</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: the display %1 cannot be opened.
</source>
        <translation>Paytick heeft een grafische sessie nodig: het scherm %1 kan niet worden geopend.
</translation>
    </message>
</context>
<context>
    <name>CountFrom</name>
    <message>
        <source>Since start</source>
        <translation>Sinds het begin</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Deze week</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Deze maand</translation>
    </message>
</context>
<context>
    <name>CountSection</name>
    <message>
        <source>Count</source>
        <translation>Periode</translation>
    </message>
</context>
<context>
    <name>CounterFace</name>
    <message>
        <source>%1 left</source>
        <translation>Nog %1</translation>
    </message>
</context>
<context>
    <name>CounterView</name>
    <message>
        <source>Resumes %1</source>
        <translation>Verder %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>Amount hidden</source>
        <translation>Bedrag verborgen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
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
        <translation>Tonen</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Valuta</translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation>Symbool %1</translation>
    </message>
</context>
<context>
    <name>DayHoursRow</name>
    <message>
        <source>%1 from</source>
        <translation>%1: van</translation>
    </message>
    <message>
        <source>%1 to</source>
        <translation>%1: tot</translation>
    </message>
    <message>
        <source>%1 break</source>
        <translation>%1: pauze</translation>
    </message>
    <message>
        <source>%1 break from</source>
        <translation>%1: pauze van</translation>
    </message>
    <message>
        <source>%1 break to</source>
        <translation>%1: pauze tot</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>‘Van’ en ‘Tot’ moeten verschillen</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>De pauze moet binnen de werktijd vallen</translation>
    </message>
</context>
<context>
    <name>DigitColor</name>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limoen</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Oranje</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Roze</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Paars</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyaan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
</context>
<context>
    <name>EmojiChooser</name>
    <message>
        <source>Any</source>
        <translation>Ander</translation>
    </message>
    <message>
        <source>Any emoji</source>
        <translation>Andere emoji</translation>
    </message>
    <message>
        <source>Type or paste one emoji</source>
        <translation>Typ of plak één emoji</translation>
    </message>
</context>
<context>
    <name>FloatingPanel</name>
    <message>
        <source>Hide Amount</source>
        <translation>Bedrag verbergen</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Starten bij aanmelden</translation>
    </message>
    <message>
        <source>Quit Paytick</source>
        <translation>Paytick afsluiten</translation>
    </message>
    <message>
        <source>Paytick could not turn on Start at Login.</source>
        <translation>Paytick kon ‘Starten bij aanmelden’ niet inschakelen.</translation>
    </message>
    <message>
        <source>Paytick could not turn off Start at Login.</source>
        <translation>Paytick kon ‘Starten bij aanmelden’ niet uitschakelen.</translation>
    </message>
</context>
<context>
    <name>GoalPictureKind</name>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Afbeelding</translation>
    </message>
</context>
<context>
    <name>GoalProgress</name>
    <message>
        <source>Add an amount in Settings</source>
        <translation>Voeg een bedrag toe in Instellingen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>Reached!</source>
        <translation>Bereikt!</translation>
    </message>
    <message>
        <source>Reached %1!</source>
        <translation>%1 bereikt!</translation>
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
        <translation>Doel</translation>
    </message>
    <message>
        <source>How much to make</source>
        <translation>Hoeveel verdienen</translation>
    </message>
    <message>
        <source>What it&apos;s for</source>
        <translation>Waarvoor</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Bedrag</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Enter an amount to start tracking your goal</source>
        <translation>Voer een bedrag in om uw doel te volgen</translation>
    </message>
    <message>
        <source>Enter the amount as a number, like 5000</source>
        <translation>Voer het bedrag als getal in, bijvoorbeeld 5000</translation>
    </message>
</context>
<context>
    <name>ImageChooser</name>
    <message>
        <source>Couldn&apos;t read that image</source>
        <translation>Kan die afbeelding niet lezen</translation>
    </message>
    <message>
        <source>Change Image…</source>
        <translation>Afbeelding wijzigen…</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Afbeelding uploaden…</translation>
    </message>
</context>
<context>
    <name>PayPeriod</name>
    <message>
        <source>Monthly</source>
        <translation>Per maand</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Per jaar</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Per uur</translation>
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
        <translation>Afsluiten</translation>
    </message>
</context>
<context>
    <name>SaveProblemMark</name>
    <message>
        <source>Settings not saved</source>
        <translation>Instellingen niet opgeslagen</translation>
    </message>
    <message>
        <source>Paytick can&apos;t save its settings (%1). It keeps trying; what you typed is kept while it runs.</source>
        <translation>Paytick kan zijn instellingen niet opslaan (%1). Het blijft het proberen; wat u typte blijft bewaard zolang het draait.</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>cannot keep a copy of the old file as %1: %2</source>
        <translation>kan geen kopie van het oude bestand bewaren als %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
</context>
<context>
    <name>SetupView</name>
    <message>
        <source>Salary period</source>
        <translation>Salarisperiode</translation>
    </message>
    <message>
        <source>Start Earning</source>
        <translation>Beginnen met verdienen</translation>
    </message>
    <message>
        <source>Your salary</source>
        <translation>Uw salaris</translation>
    </message>
    <message>
        <source>Enter at most %1 a year</source>
        <translation>Hoogstens %1 per jaar</translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <source>Images (%1)</source>
        <translation>Afbeeldingen (%1)</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Kies een afbeelding</translation>
    </message>
</context>
<context>
    <name>WorkingHoursSection</name>
    <message>
        <source>Working hours</source>
        <translation>Werktijden</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>‘Van’ en ‘Tot’ moeten verschillen</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Break from</source>
        <translation>Pauze van</translation>
    </message>
    <message>
        <source>Break to</source>
        <translation>Pauze tot</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>De pauze moet binnen de werktijd vallen</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dagen</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Tijden</translation>
    </message>
    <message>
        <source>Same hours every day</source>
        <translation>Elke dag dezelfde tijden</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Paytick: found no private folder for its lock, so starting it again will open a second panel.
</source>
        <translation>Paytick: geen eigen map voor de vergrendeling gevonden, dus opnieuw starten opent een tweede paneel.
</translation>
    </message>
    <message>
        <source>Paytick: quit without saving %1 to %2: %3
</source>
        <translation>Paytick: afgesloten zonder %1 op te slaan in %2: %3
</translation>
    </message>
</context>
</TS>
