<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>AtomicFile</name>
    <message>
        <source>cannot make its folder</source>
        <translation>не вдається створити теку</translation>
    </message>
    <message>
        <source>cannot create a file: %1</source>
        <translation>не вдається створити файл: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>не вдається записати: %1</translation>
    </message>
    <message>
        <source>cannot write to disk</source>
        <translation>не вдається записати на диск</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>не вдається замінити файл</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Paytick&apos;s path holds a control character or %, which a login cannot start; install Paytick or move it to another path</source>
        <translation>Шлях до Paytick містить керівний символ або %, з яким вхід до системи не зможе його запустити; встановіть Paytick або перемістіть його</translation>
    </message>
</context>
<context>
    <name>BackButton</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
</context>
<context>
    <name>ColorSection</name>
    <message>
        <source>Number color</source>
        <translation>Колір цифр</translation>
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
        <translation>Використання: paytick [--help] [--version] [параметри Qt]
Показує на невеликій панелі над іншими вікнами, скільки ви заробили
відтоді, як натиснули «Почати заробляти».

  -h, --help     показати цю довідку й вийти
  -v, --version  показати версію й вийти
</translation>
    </message>
    <message>
        <source>paytick: unknown option %1</source>
        <translation>paytick: невідомий параметр %1</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Paytick потребує графічного сеансу: не задано ні DISPLAY, ні WAYLAND_DISPLAY.
</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: the display %1 cannot be opened.
</source>
        <translation>Paytick потребує графічного сеансу: не вдається відкрити дисплей %1.
</translation>
    </message>
</context>
<context>
    <name>CountFrom</name>
    <message>
        <source>Since start</source>
        <translation>Від початку</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сьогодні</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Цього тижня</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Цього місяця</translation>
    </message>
</context>
<context>
    <name>CountSection</name>
    <message>
        <source>Count</source>
        <translation>Період</translation>
    </message>
</context>
<context>
    <name>CounterFace</name>
    <message>
        <source>%1 left</source>
        <translation>Залишилося %1</translation>
    </message>
</context>
<context>
    <name>CounterView</name>
    <message>
        <source>Resumes %1</source>
        <translation>Продовжить %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Amount hidden</source>
        <translation>Суму приховано</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
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
        <translation>Показ</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Валюта</translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation>Символ %1</translation>
    </message>
</context>
<context>
    <name>DayHoursRow</name>
    <message>
        <source>%1 from</source>
        <translation>%1: з</translation>
    </message>
    <message>
        <source>%1 to</source>
        <translation>%1: до</translation>
    </message>
    <message>
        <source>%1 break</source>
        <translation>%1: перерва</translation>
    </message>
    <message>
        <source>%1 break from</source>
        <translation>%1: перерва з</translation>
    </message>
    <message>
        <source>%1 break to</source>
        <translation>%1: перерва до</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Перерва</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>«З» і «До» мають відрізнятися</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>Перерва має бути в робочих годинах</translation>
    </message>
</context>
<context>
    <name>DigitColor</name>
    <message>
        <source>Green</source>
        <translation>Зелений</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Лаймовий</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жовтий</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Помаранчевий</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Червоний</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Рожевий</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Фіолетовий</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синій</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Бірюзовий</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Білий</translation>
    </message>
</context>
<context>
    <name>EmojiChooser</name>
    <message>
        <source>Any</source>
        <translation>Інший</translation>
    </message>
    <message>
        <source>Any emoji</source>
        <translation>Інший емодзі</translation>
    </message>
    <message>
        <source>Type or paste one emoji</source>
        <translation>Введіть або вставте один емодзі</translation>
    </message>
</context>
<context>
    <name>FloatingPanel</name>
    <message>
        <source>Hide Amount</source>
        <translation>Приховати суму</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Запускати під час входу</translation>
    </message>
    <message>
        <source>Quit Paytick</source>
        <translation>Вийти з Paytick</translation>
    </message>
    <message>
        <source>Paytick could not turn on Start at Login.</source>
        <translation>Paytick не вдалося увімкнути «Запускати під час входу».</translation>
    </message>
    <message>
        <source>Paytick could not turn off Start at Login.</source>
        <translation>Paytick не вдалося вимкнути «Запускати під час входу».</translation>
    </message>
</context>
<context>
    <name>GoalPictureKind</name>
    <message>
        <source>None</source>
        <translation>Немає</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Емодзі</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Зображення</translation>
    </message>
</context>
<context>
    <name>GoalProgress</name>
    <message>
        <source>Add an amount in Settings</source>
        <translation>Вкажіть суму в налаштуваннях</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 з %2</translation>
    </message>
    <message>
        <source>Reached!</source>
        <translation>Досягнуто!</translation>
    </message>
    <message>
        <source>Reached %1!</source>
        <translation>%1 досягнуто!</translation>
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
        <translation>Мета</translation>
    </message>
    <message>
        <source>How much to make</source>
        <translation>Скільки заробити</translation>
    </message>
    <message>
        <source>What it&apos;s for</source>
        <translation>На що</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Зображення</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Сума</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Enter an amount to start tracking your goal</source>
        <translation>Вкажіть суму, щоб стежити за метою</translation>
    </message>
    <message>
        <source>Enter the amount as a number, like 5000</source>
        <translation>Вкажіть суму числом, наприклад 5000</translation>
    </message>
</context>
<context>
    <name>ImageChooser</name>
    <message>
        <source>Couldn&apos;t read that image</source>
        <translation>Не вдалося прочитати зображення</translation>
    </message>
    <message>
        <source>Change Image…</source>
        <translation>Змінити зображення…</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Вивантажити зображення…</translation>
    </message>
</context>
<context>
    <name>PayPeriod</name>
    <message>
        <source>Monthly</source>
        <translation>На місяць</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>На рік</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>На годину</translation>
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
        <translation>Вийти</translation>
    </message>
</context>
<context>
    <name>SaveProblemMark</name>
    <message>
        <source>Settings not saved</source>
        <translation>Налаштування не збережено</translation>
    </message>
    <message>
        <source>Paytick can&apos;t save its settings (%1). It keeps trying; what you typed is kept while it runs.</source>
        <translation>Paytick не вдається зберегти налаштування (%1). Спроби тривають; введене зберігається, поки програма працює.</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>cannot keep a copy of the old file as %1: %2</source>
        <translation>не вдається зберегти копію старого файлу як %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
</context>
<context>
    <name>SetupView</name>
    <message>
        <source>Salary period</source>
        <translation>Період оплати</translation>
    </message>
    <message>
        <source>Start Earning</source>
        <translation>Почати заробляти</translation>
    </message>
    <message>
        <source>Your salary</source>
        <translation>Ваша зарплата</translation>
    </message>
    <message>
        <source>Enter at most %1 a year</source>
        <translation>Не більше %1 на рік</translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <source>Images (%1)</source>
        <translation>Зображення (%1)</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Вибір зображення</translation>
    </message>
</context>
<context>
    <name>WorkingHoursSection</name>
    <message>
        <source>Working hours</source>
        <translation>Робочі години</translation>
    </message>
    <message>
        <source>From</source>
        <translation>З</translation>
    </message>
    <message>
        <source>To</source>
        <translation>До</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>«З» і «До» мають відрізнятися</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Перерва</translation>
    </message>
    <message>
        <source>Break from</source>
        <translation>Перерва з</translation>
    </message>
    <message>
        <source>Break to</source>
        <translation>Перерва до</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>Перерва має бути в робочих годинах</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Дні</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Години</translation>
    </message>
    <message>
        <source>Same hours every day</source>
        <translation>Однакові години щодня</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Paytick: found no private folder for its lock, so starting it again will open a second panel.
</source>
        <translation>Paytick: не знайдено особистої теки для блокування, тож повторний запуск відкриє другу панель.
</translation>
    </message>
    <message>
        <source>Paytick: quit without saving %1 to %2: %3
</source>
        <translation>Paytick: завершено без збереження %1 у %2: %3
</translation>
    </message>
</context>
</TS>
