<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AtomicFile</name>
    <message>
        <source>cannot make its folder</source>
        <translation>не удаётся создать папку</translation>
    </message>
    <message>
        <source>cannot create a file: %1</source>
        <translation>не удаётся создать файл: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>не удаётся записать: %1</translation>
    </message>
    <message>
        <source>cannot write to disk</source>
        <translation>не удаётся записать на диск</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>не удаётся заменить файл</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Paytick&apos;s path holds a control character or %, which a login cannot start; install Paytick or move it to another path</source>
        <translation>Путь к Paytick содержит управляющий символ или %, с которым вход в систему не сможет его запустить; установите Paytick или переместите его</translation>
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
        <translation>Цвет цифр</translation>
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
        <translation>Использование: paytick [--help] [--version] [параметры Qt]
Показывает на небольшой панели поверх других окон, сколько вы заработали
с тех пор, как нажали «Начать зарабатывать».

  -h, --help     показать эту справку и выйти
  -v, --version  показать версию и выйти
</translation>
    </message>
    <message>
        <source>paytick: unknown option %1</source>
        <translation>paytick: неизвестный параметр %1</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Paytick нужен графический сеанс: не задана ни DISPLAY, ни WAYLAND_DISPLAY.
</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: the display %1 cannot be opened.
</source>
        <translation>Paytick нужен графический сеанс: не удаётся открыть дисплей %1.
</translation>
    </message>
</context>
<context>
    <name>CountFrom</name>
    <message>
        <source>Since start</source>
        <translation>С начала</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>На этой неделе</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>В этом месяце</translation>
    </message>
</context>
<context>
    <name>CountSection</name>
    <message>
        <source>Count</source>
        <translation>Период</translation>
    </message>
</context>
<context>
    <name>CounterFace</name>
    <message>
        <source>%1 left</source>
        <translation>Осталось %1</translation>
    </message>
</context>
<context>
    <name>CounterView</name>
    <message>
        <source>Resumes %1</source>
        <translation>Продолжит %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Amount hidden</source>
        <translation>Сумма скрыта</translation>
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
        <translation>%1: с</translation>
    </message>
    <message>
        <source>%1 to</source>
        <translation>%1: до</translation>
    </message>
    <message>
        <source>%1 break</source>
        <translation>%1: перерыв</translation>
    </message>
    <message>
        <source>%1 break from</source>
        <translation>%1: перерыв с</translation>
    </message>
    <message>
        <source>%1 break to</source>
        <translation>%1: перерыв до</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Перерыв</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>«С» и «До» должны различаться</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>Перерыв должен быть в рабочих часах</translation>
    </message>
</context>
<context>
    <name>DigitColor</name>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Лаймовый</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Оранжевый</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Розовый</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Фиолетовый</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Бирюзовый</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
</context>
<context>
    <name>EmojiChooser</name>
    <message>
        <source>Any</source>
        <translation>Другой</translation>
    </message>
    <message>
        <source>Any emoji</source>
        <translation>Другой эмодзи</translation>
    </message>
    <message>
        <source>Type or paste one emoji</source>
        <translation>Введите или вставьте один эмодзи</translation>
    </message>
</context>
<context>
    <name>FloatingPanel</name>
    <message>
        <source>Hide Amount</source>
        <translation>Скрыть сумму</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Запускать при входе</translation>
    </message>
    <message>
        <source>Quit Paytick</source>
        <translation>Выйти из Paytick</translation>
    </message>
    <message>
        <source>Paytick could not turn on Start at Login.</source>
        <translation>Paytick не удалось включить «Запускать при входе».</translation>
    </message>
    <message>
        <source>Paytick could not turn off Start at Login.</source>
        <translation>Paytick не удалось выключить «Запускать при входе».</translation>
    </message>
</context>
<context>
    <name>GoalPictureKind</name>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Эмодзи</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Картинка</translation>
    </message>
</context>
<context>
    <name>GoalProgress</name>
    <message>
        <source>Add an amount in Settings</source>
        <translation>Укажите сумму в настройках</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Reached!</source>
        <translation>Достигнуто!</translation>
    </message>
    <message>
        <source>Reached %1!</source>
        <translation>%1 достигнуто!</translation>
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
        <translation>Цель</translation>
    </message>
    <message>
        <source>How much to make</source>
        <translation>Сколько заработать</translation>
    </message>
    <message>
        <source>What it&apos;s for</source>
        <translation>На что</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Картинка</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Сумма</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Enter an amount to start tracking your goal</source>
        <translation>Укажите сумму, чтобы следить за целью</translation>
    </message>
    <message>
        <source>Enter the amount as a number, like 5000</source>
        <translation>Укажите сумму числом, например 5000</translation>
    </message>
</context>
<context>
    <name>ImageChooser</name>
    <message>
        <source>Couldn&apos;t read that image</source>
        <translation>Не удалось прочитать изображение</translation>
    </message>
    <message>
        <source>Change Image…</source>
        <translation>Сменить картинку…</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Загрузить картинку…</translation>
    </message>
</context>
<context>
    <name>PayPeriod</name>
    <message>
        <source>Monthly</source>
        <translation>В месяц</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>В год</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>В час</translation>
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
        <translation>Выйти</translation>
    </message>
</context>
<context>
    <name>SaveProblemMark</name>
    <message>
        <source>Settings not saved</source>
        <translation>Настройки не сохранены</translation>
    </message>
    <message>
        <source>Paytick can&apos;t save its settings (%1). It keeps trying; what you typed is kept while it runs.</source>
        <translation>Paytick не удаётся сохранить настройки (%1). Попытки продолжаются; введённое сохраняется, пока программа работает.</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>cannot keep a copy of the old file as %1: %2</source>
        <translation>не удаётся сохранить копию старого файла как %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>SetupView</name>
    <message>
        <source>Salary period</source>
        <translation>Период оплаты</translation>
    </message>
    <message>
        <source>Start Earning</source>
        <translation>Начать зарабатывать</translation>
    </message>
    <message>
        <source>Your salary</source>
        <translation>Ваша зарплата</translation>
    </message>
    <message>
        <source>Enter at most %1 a year</source>
        <translation>Не больше %1 в год</translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <source>Images (%1)</source>
        <translation>Изображения (%1)</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Выбор картинки</translation>
    </message>
</context>
<context>
    <name>WorkingHoursSection</name>
    <message>
        <source>Working hours</source>
        <translation>Рабочие часы</translation>
    </message>
    <message>
        <source>From</source>
        <translation>С</translation>
    </message>
    <message>
        <source>To</source>
        <translation>До</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>«С» и «До» должны различаться</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Перерыв</translation>
    </message>
    <message>
        <source>Break from</source>
        <translation>Перерыв с</translation>
    </message>
    <message>
        <source>Break to</source>
        <translation>Перерыв до</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>Перерыв должен быть в рабочих часах</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Дни</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Same hours every day</source>
        <translation>Одинаковые часы каждый день</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Paytick: found no private folder for its lock, so starting it again will open a second panel.
</source>
        <translation>Paytick: не найдена личная папка для блокировки, поэтому повторный запуск откроет вторую панель.
</translation>
    </message>
    <message>
        <source>Paytick: quit without saving %1 to %2: %3
</source>
        <translation>Paytick: завершён без сохранения %1 в %2: %3
</translation>
    </message>
</context>
</TS>
