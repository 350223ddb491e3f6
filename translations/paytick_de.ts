<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AtomicFile</name>
    <message>
        <source>cannot make its folder</source>
        <translation>Ordner lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>cannot create a file: %1</source>
        <translation>Datei lässt sich nicht anlegen: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>Schreiben fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>cannot write to disk</source>
        <translation>Schreiben auf den Datenträger fehlgeschlagen</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>Datei lässt sich nicht ersetzen</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Paytick&apos;s path holds a control character or %, which a login cannot start; install Paytick or move it to another path</source>
        <translation>Der Pfad von Paytick enthält ein Steuerzeichen oder %, das eine Anmeldung nicht starten kann; installieren Sie Paytick oder verschieben Sie es an einen anderen Ort</translation>
    </message>
</context>
<context>
    <name>BackButton</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>ColorSection</name>
    <message>
        <source>Number color</source>
        <translation>Ziffernfarbe</translation>
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
        <translation>Aufruf: paytick [--help] [--version] [Qt-Optionen]
Zeigt auf einer kleinen Leiste über Ihren anderen Fenstern, wie viel Sie
verdient haben, seit Sie „Verdienst starten“ gedrückt haben.

  -h, --help     diese Hilfe zeigen und beenden
  -v, --version  die Version zeigen und beenden
</translation>
    </message>
    <message>
        <source>paytick: unknown option %1</source>
        <translation>paytick: unbekannte Option %1</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Paytick braucht eine grafische Sitzung: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt.
</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: the display %1 cannot be opened.
</source>
        <translation>Paytick braucht eine grafische Sitzung: die Anzeige %1 lässt sich nicht öffnen.
</translation>
    </message>
</context>
<context>
    <name>CountFrom</name>
    <message>
        <source>Since start</source>
        <translation>Seit dem Start</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Diesen Monat</translation>
    </message>
</context>
<context>
    <name>CountSection</name>
    <message>
        <source>Count</source>
        <translation>Zählen</translation>
    </message>
</context>
<context>
    <name>CounterFace</name>
    <message>
        <source>%1 left</source>
        <translation>Noch %1</translation>
    </message>
</context>
<context>
    <name>CounterView</name>
    <message>
        <source>Resumes %1</source>
        <translation>Weiter %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Amount hidden</source>
        <translation>Betrag ausgeblendet</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
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
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation>Symbol %1</translation>
    </message>
</context>
<context>
    <name>DayHoursRow</name>
    <message>
        <source>%1 from</source>
        <translation>%1 von</translation>
    </message>
    <message>
        <source>%1 to</source>
        <translation>%1 bis</translation>
    </message>
    <message>
        <source>%1 break</source>
        <translation>Pause am %1</translation>
    </message>
    <message>
        <source>%1 break from</source>
        <translation>Pause am %1 von</translation>
    </message>
    <message>
        <source>%1 break to</source>
        <translation>Pause am %1 bis</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>„Von“ und „Bis“ müssen sich unterscheiden</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>Die Pause muss in der Arbeitszeit liegen</translation>
    </message>
</context>
<context>
    <name>DigitColor</name>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limette</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
</context>
<context>
    <name>EmojiChooser</name>
    <message>
        <source>Any</source>
        <translation>Beliebig</translation>
    </message>
    <message>
        <source>Any emoji</source>
        <translation>Beliebiges Emoji</translation>
    </message>
    <message>
        <source>Type or paste one emoji</source>
        <translation>Ein Emoji eingeben oder einfügen</translation>
    </message>
</context>
<context>
    <name>FloatingPanel</name>
    <message>
        <source>Hide Amount</source>
        <translation>Betrag ausblenden</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Quit Paytick</source>
        <translation>Paytick beenden</translation>
    </message>
    <message>
        <source>Paytick could not turn on Start at Login.</source>
        <translation>Paytick konnte „Beim Anmelden starten“ nicht einschalten.</translation>
    </message>
    <message>
        <source>Paytick could not turn off Start at Login.</source>
        <translation>Paytick konnte „Beim Anmelden starten“ nicht ausschalten.</translation>
    </message>
</context>
<context>
    <name>GoalPictureKind</name>
    <message>
        <source>None</source>
        <translation>Keins</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>GoalProgress</name>
    <message>
        <source>Add an amount in Settings</source>
        <translation>Betrag in den Einstellungen eingeben</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Reached!</source>
        <translation>Erreicht!</translation>
    </message>
    <message>
        <source>Reached %1!</source>
        <translation>%1 erreicht!</translation>
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
        <translation>Ziel</translation>
    </message>
    <message>
        <source>How much to make</source>
        <translation>Wie viel verdienen</translation>
    </message>
    <message>
        <source>What it&apos;s for</source>
        <translation>Wofür</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter an amount to start tracking your goal</source>
        <translation>Geben Sie einen Betrag ein, um Ihr Ziel zu verfolgen</translation>
    </message>
    <message>
        <source>Enter the amount as a number, like 5000</source>
        <translation>Geben Sie den Betrag als Zahl ein, etwa 5000</translation>
    </message>
</context>
<context>
    <name>ImageChooser</name>
    <message>
        <source>Couldn&apos;t read that image</source>
        <translation>Bild konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Change Image…</source>
        <translation>Bild ändern …</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Bild hochladen …</translation>
    </message>
</context>
<context>
    <name>PayPeriod</name>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Stündlich</translation>
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
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>SaveProblemMark</name>
    <message>
        <source>Settings not saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>Paytick can&apos;t save its settings (%1). It keeps trying; what you typed is kept while it runs.</source>
        <translation>Paytick kann seine Einstellungen nicht speichern (%1). Es versucht es weiter; Ihre Eingaben bleiben erhalten, solange es läuft.</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>cannot keep a copy of the old file as %1: %2</source>
        <translation>keine Kopie der alten Datei als %1 möglich: %2</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>SetupView</name>
    <message>
        <source>Salary period</source>
        <translation>Gehaltszeitraum</translation>
    </message>
    <message>
        <source>Start Earning</source>
        <translation>Verdienst starten</translation>
    </message>
    <message>
        <source>Your salary</source>
        <translation>Ihr Gehalt</translation>
    </message>
    <message>
        <source>Enter at most %1 a year</source>
        <translation>Höchstens %1 im Jahr</translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <source>Images (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Bild auswählen</translation>
    </message>
</context>
<context>
    <name>WorkingHoursSection</name>
    <message>
        <source>Working hours</source>
        <translation>Arbeitszeit</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>„Von“ und „Bis“ müssen sich unterscheiden</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Break from</source>
        <translation>Pause von</translation>
    </message>
    <message>
        <source>Break to</source>
        <translation>Pause bis</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>Die Pause muss in der Arbeitszeit liegen</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Zeiten</translation>
    </message>
    <message>
        <source>Same hours every day</source>
        <translation>Jeden Tag gleiche Zeiten</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Paytick: found no private folder for its lock, so starting it again will open a second panel.
</source>
        <translation>Paytick: kein privater Ordner für die Sperre gefunden, ein weiterer Start öffnet also eine zweite Leiste.
</translation>
    </message>
    <message>
        <source>Paytick: quit without saving %1 to %2: %3
</source>
        <translation>Paytick: beendet, ohne %1 in %2 zu speichern: %3
</translation>
    </message>
</context>
</TS>
