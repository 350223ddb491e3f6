<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AtomicFile</name>
    <message>
        <source>cannot make its folder</source>
        <translation>nie można utworzyć katalogu</translation>
    </message>
    <message>
        <source>cannot create a file: %1</source>
        <translation>nie można utworzyć pliku: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>nie można zapisać: %1</translation>
    </message>
    <message>
        <source>cannot write to disk</source>
        <translation>nie można zapisać na dysku</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>nie można zastąpić pliku</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Paytick&apos;s path holds a control character or %, which a login cannot start; install Paytick or move it to another path</source>
        <translation>Ścieżka programu Paytick zawiera znak sterujący lub %, którego logowanie nie uruchomi; zainstaluj Paytick lub przenieś go w inne miejsce</translation>
    </message>
</context>
<context>
    <name>BackButton</name>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
</context>
<context>
    <name>ColorSection</name>
    <message>
        <source>Number color</source>
        <translation>Kolor cyfr</translation>
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
        <translation>Użycie: paytick [--help] [--version] [opcje Qt]
Pokazuje na małym panelu nad innymi oknami, ile zarobiono od naciśnięcia
„Zacznij zarabiać”.

  -h, --help     wyświetla tę pomoc i kończy
  -v, --version  wyświetla wersję i kończy
</translation>
    </message>
    <message>
        <source>paytick: unknown option %1</source>
        <translation>paytick: nieznana opcja %1</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Paytick wymaga sesji graficznej: nie ustawiono ani DISPLAY, ani WAYLAND_DISPLAY.
</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: the display %1 cannot be opened.
</source>
        <translation>Paytick wymaga sesji graficznej: nie można otworzyć ekranu %1.
</translation>
    </message>
</context>
<context>
    <name>CountFrom</name>
    <message>
        <source>Since start</source>
        <translation>Od początku</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Dzisiaj</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>W tym tygodniu</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>W tym miesiącu</translation>
    </message>
</context>
<context>
    <name>CountSection</name>
    <message>
        <source>Count</source>
        <translation>Okres</translation>
    </message>
</context>
<context>
    <name>CounterFace</name>
    <message>
        <source>%1 left</source>
        <translation>Zostało %1</translation>
    </message>
</context>
<context>
    <name>CounterView</name>
    <message>
        <source>Resumes %1</source>
        <translation>Wznowi %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>Amount hidden</source>
        <translation>Kwota ukryta</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
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
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Waluta</translation>
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
        <translation>%1: od</translation>
    </message>
    <message>
        <source>%1 to</source>
        <translation>%1: do</translation>
    </message>
    <message>
        <source>%1 break</source>
        <translation>%1: przerwa</translation>
    </message>
    <message>
        <source>%1 break from</source>
        <translation>%1: przerwa od</translation>
    </message>
    <message>
        <source>%1 break to</source>
        <translation>%1: przerwa do</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Przerwa</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>„Od” i „Do” muszą się różnić</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>Przerwa musi mieścić się w godzinach pracy</translation>
    </message>
</context>
<context>
    <name>DigitColor</name>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limonkowy</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Pomarańczowy</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Różowy</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Fioletowy</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyjan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
</context>
<context>
    <name>EmojiChooser</name>
    <message>
        <source>Any</source>
        <translation>Inne</translation>
    </message>
    <message>
        <source>Any emoji</source>
        <translation>Inne emoji</translation>
    </message>
    <message>
        <source>Type or paste one emoji</source>
        <translation>Wpisz lub wklej jedno emoji</translation>
    </message>
</context>
<context>
    <name>FloatingPanel</name>
    <message>
        <source>Hide Amount</source>
        <translation>Ukryj kwotę</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>Quit Paytick</source>
        <translation>Zakończ Paytick</translation>
    </message>
    <message>
        <source>Paytick could not turn on Start at Login.</source>
        <translation>Nie udało się włączyć „Uruchamiaj po zalogowaniu”.</translation>
    </message>
    <message>
        <source>Paytick could not turn off Start at Login.</source>
        <translation>Nie udało się wyłączyć „Uruchamiaj po zalogowaniu”.</translation>
    </message>
</context>
<context>
    <name>GoalPictureKind</name>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Obraz</translation>
    </message>
</context>
<context>
    <name>GoalProgress</name>
    <message>
        <source>Add an amount in Settings</source>
        <translation>Dodaj kwotę w Ustawieniach</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>Reached!</source>
        <translation>Osiągnięto!</translation>
    </message>
    <message>
        <source>Reached %1!</source>
        <translation>Osiągnięto %1!</translation>
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
        <translation>Cel</translation>
    </message>
    <message>
        <source>How much to make</source>
        <translation>Ile zarobić</translation>
    </message>
    <message>
        <source>What it&apos;s for</source>
        <translation>Na co</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Kwota</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Enter an amount to start tracking your goal</source>
        <translation>Wpisz kwotę, aby śledzić cel</translation>
    </message>
    <message>
        <source>Enter the amount as a number, like 5000</source>
        <translation>Wpisz kwotę jako liczbę, np. 5000</translation>
    </message>
</context>
<context>
    <name>ImageChooser</name>
    <message>
        <source>Couldn&apos;t read that image</source>
        <translation>Nie można odczytać obrazu</translation>
    </message>
    <message>
        <source>Change Image…</source>
        <translation>Zmień obraz…</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Wyślij obraz…</translation>
    </message>
</context>
<context>
    <name>PayPeriod</name>
    <message>
        <source>Monthly</source>
        <translation>Miesięcznie</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Rocznie</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Godzinowo</translation>
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
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>SaveProblemMark</name>
    <message>
        <source>Settings not saved</source>
        <translation>Nie zapisano ustawień</translation>
    </message>
    <message>
        <source>Paytick can&apos;t save its settings (%1). It keeps trying; what you typed is kept while it runs.</source>
        <translation>Paytick nie może zapisać ustawień (%1). Ponawia próby; to, co wpisano, jest przechowywane, dopóki działa.</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>cannot keep a copy of the old file as %1: %2</source>
        <translation>nie można zachować kopii starego pliku jako %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
</context>
<context>
    <name>SetupView</name>
    <message>
        <source>Salary period</source>
        <translation>Okres wynagrodzenia</translation>
    </message>
    <message>
        <source>Start Earning</source>
        <translation>Zacznij zarabiać</translation>
    </message>
    <message>
        <source>Your salary</source>
        <translation>Twoje wynagrodzenie</translation>
    </message>
    <message>
        <source>Enter at most %1 a year</source>
        <translation>Najwyżej %1 rocznie</translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <source>Images (%1)</source>
        <translation>Obrazy (%1)</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Wybierz obraz</translation>
    </message>
</context>
<context>
    <name>WorkingHoursSection</name>
    <message>
        <source>Working hours</source>
        <translation>Godziny pracy</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>„Od” i „Do” muszą się różnić</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Przerwa</translation>
    </message>
    <message>
        <source>Break from</source>
        <translation>Przerwa od</translation>
    </message>
    <message>
        <source>Break to</source>
        <translation>Przerwa do</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>Przerwa musi mieścić się w godzinach pracy</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dni</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Godziny</translation>
    </message>
    <message>
        <source>Same hours every day</source>
        <translation>Te same godziny codziennie</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Paytick: found no private folder for its lock, so starting it again will open a second panel.
</source>
        <translation>Paytick: nie znaleziono prywatnego katalogu na blokadę, więc ponowne uruchomienie otworzy drugi panel.
</translation>
    </message>
    <message>
        <source>Paytick: quit without saving %1 to %2: %3
</source>
        <translation>Paytick: zakończono bez zapisania %1 w %2: %3
</translation>
    </message>
</context>
</TS>
