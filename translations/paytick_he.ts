<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>AtomicFile</name>
    <message>
        <source>cannot make its folder</source>
        <translation>לא ניתן ליצור את התיקייה שלו</translation>
    </message>
    <message>
        <source>cannot create a file: %1</source>
        <translation>לא ניתן ליצור קובץ: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>לא ניתן לכתוב: %1</translation>
    </message>
    <message>
        <source>cannot write to disk</source>
        <translation>לא ניתן לכתוב לכונן</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>לא ניתן להחליף את הקובץ</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Paytick&apos;s path holds a control character or %, which a login cannot start; install Paytick or move it to another path</source>
        <translation>הנתיב של Paytick מכיל תו בקרה או %, שכניסה למערכת לא יכולה להפעיל; יש להתקין את Paytick או להעביר אותו לנתיב אחר</translation>
    </message>
</context>
<context>
    <name>BackButton</name>
    <message>
        <source>Back</source>
        <translation>חזרה</translation>
    </message>
</context>
<context>
    <name>ColorSection</name>
    <message>
        <source>Number color</source>
        <translation>צבע הספרות</translation>
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
        <translation>שימוש: paytick [--help] [--version] [אפשרויות Qt]
מציג בלוח קטן מעל שאר החלונות כמה הרווחת מאז שלחצת על „להתחיל להרוויח”.

  -h, --help     הצגת עזרה זו ויציאה
  -v, --version  הצגת הגרסה ויציאה
</translation>
    </message>
    <message>
        <source>paytick: unknown option %1</source>
        <translation>paytick: אפשרות לא מוכרת %1</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Paytick צריך הפעלה גרפית: לא הוגדרו DISPLAY או WAYLAND_DISPLAY.
</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: the display %1 cannot be opened.
</source>
        <translation>Paytick צריך הפעלה גרפית: לא ניתן לפתוח את התצוגה %1.
</translation>
    </message>
</context>
<context>
    <name>CountFrom</name>
    <message>
        <source>Since start</source>
        <translation>מאז ההתחלה</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>היום</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>השבוע</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>החודש</translation>
    </message>
</context>
<context>
    <name>CountSection</name>
    <message>
        <source>Count</source>
        <translation>טווח</translation>
    </message>
</context>
<context>
    <name>CounterFace</name>
    <message>
        <source>%1 left</source>
        <translation>נותרו %1</translation>
    </message>
</context>
<context>
    <name>CounterView</name>
    <message>
        <source>Resumes %1</source>
        <translation>ימשיך ב־%1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>מושהה</translation>
    </message>
    <message>
        <source>Amount hidden</source>
        <translation>הסכום מוסתר</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>עצירה</translation>
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
        <translation>הצגה</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>מטבע</translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation>סמל %1</translation>
    </message>
</context>
<context>
    <name>DayHoursRow</name>
    <message>
        <source>%1 from</source>
        <translation>%1: התחלה</translation>
    </message>
    <message>
        <source>%1 to</source>
        <translation>%1: סיום</translation>
    </message>
    <message>
        <source>%1 break</source>
        <translation>%1: הפסקה</translation>
    </message>
    <message>
        <source>%1 break from</source>
        <translation>%1: תחילת ההפסקה</translation>
    </message>
    <message>
        <source>%1 break to</source>
        <translation>%1: סוף ההפסקה</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>הפסקה</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>„התחלה” ו„סיום” חייבים להיות שונים</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>ההפסקה חייבת להיות בתוך שעות העבודה</translation>
    </message>
</context>
<context>
    <name>DigitColor</name>
    <message>
        <source>Green</source>
        <translation>ירוק</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>ליים</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>צהוב</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>כתום</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>אדום</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>ורוד</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>סגול</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>כחול</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>תכלת</translation>
    </message>
    <message>
        <source>White</source>
        <translation>לבן</translation>
    </message>
</context>
<context>
    <name>EmojiChooser</name>
    <message>
        <source>Any</source>
        <translation>כלשהו</translation>
    </message>
    <message>
        <source>Any emoji</source>
        <translation>אימוג׳י כלשהו</translation>
    </message>
    <message>
        <source>Type or paste one emoji</source>
        <translation>יש להקליד או להדביק אימוג׳י אחד</translation>
    </message>
</context>
<context>
    <name>FloatingPanel</name>
    <message>
        <source>Hide Amount</source>
        <translation>הסתרת הסכום</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>הפעלה בכניסה</translation>
    </message>
    <message>
        <source>Quit Paytick</source>
        <translation>יציאה מ־Paytick</translation>
    </message>
    <message>
        <source>Paytick could not turn on Start at Login.</source>
        <translation>Paytick לא הצליח להפעיל את „הפעלה בכניסה”.</translation>
    </message>
    <message>
        <source>Paytick could not turn off Start at Login.</source>
        <translation>Paytick לא הצליח לכבות את „הפעלה בכניסה”.</translation>
    </message>
</context>
<context>
    <name>GoalPictureKind</name>
    <message>
        <source>None</source>
        <translation>ללא</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>אימוג׳י</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>תמונה</translation>
    </message>
</context>
<context>
    <name>GoalProgress</name>
    <message>
        <source>Add an amount in Settings</source>
        <translation>יש להוסיף סכום בהגדרות</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 מתוך %2</translation>
    </message>
    <message>
        <source>Reached!</source>
        <translation>הושג!</translation>
    </message>
    <message>
        <source>Reached %1!</source>
        <translation>%1 הושג!</translation>
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
        <translation>יעד</translation>
    </message>
    <message>
        <source>How much to make</source>
        <translation>כמה להרוויח</translation>
    </message>
    <message>
        <source>What it&apos;s for</source>
        <translation>בשביל מה</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>תמונה</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>סכום</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>טקסט</translation>
    </message>
    <message>
        <source>Enter an amount to start tracking your goal</source>
        <translation>יש להזין סכום כדי לעקוב אחר היעד</translation>
    </message>
    <message>
        <source>Enter the amount as a number, like 5000</source>
        <translation>יש להזין את הסכום כמספר, למשל 5000</translation>
    </message>
</context>
<context>
    <name>ImageChooser</name>
    <message>
        <source>Couldn&apos;t read that image</source>
        <translation>לא ניתן לקרוא את התמונה</translation>
    </message>
    <message>
        <source>Change Image…</source>
        <translation>החלפת תמונה…</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>העלאת תמונה…</translation>
    </message>
</context>
<context>
    <name>PayPeriod</name>
    <message>
        <source>Monthly</source>
        <translation>חודשי</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>שנתי</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>שעתי</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QuitButton</name>
    <message>
        <source>Quit</source>
        <translation>יציאה</translation>
    </message>
</context>
<context>
    <name>SaveProblemMark</name>
    <message>
        <source>Settings not saved</source>
        <translation>ההגדרות לא נשמרו</translation>
    </message>
    <message>
        <source>Paytick can&apos;t save its settings (%1). It keeps trying; what you typed is kept while it runs.</source>
        <translation>ל־Paytick אין אפשרות לשמור את ההגדרות (%1). הוא ממשיך לנסות; מה שהקלדת נשמר כל עוד הוא פועל.</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>הגדרות</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>cannot keep a copy of the old file as %1: %2</source>
        <translation>לא ניתן לשמור עותק של הקובץ הישן בשם %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>הגדרות</translation>
    </message>
</context>
<context>
    <name>SetupView</name>
    <message>
        <source>Salary period</source>
        <translation>תקופת המשכורת</translation>
    </message>
    <message>
        <source>Start Earning</source>
        <translation>להתחיל להרוויח</translation>
    </message>
    <message>
        <source>Your salary</source>
        <translation>המשכורת שלך</translation>
    </message>
    <message>
        <source>Enter at most %1 a year</source>
        <translation>לכל היותר %1 בשנה</translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <source>Images (%1)</source>
        <translation>תמונות (%1)</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>בחירת תמונה</translation>
    </message>
</context>
<context>
    <name>WorkingHoursSection</name>
    <message>
        <source>Working hours</source>
        <translation>שעות עבודה</translation>
    </message>
    <message>
        <source>From</source>
        <translation>התחלה</translation>
    </message>
    <message>
        <source>To</source>
        <translation>סיום</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>„התחלה” ו„סיום” חייבים להיות שונים</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>הפסקה</translation>
    </message>
    <message>
        <source>Break from</source>
        <translation>תחילת ההפסקה</translation>
    </message>
    <message>
        <source>Break to</source>
        <translation>סוף ההפסקה</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>ההפסקה חייבת להיות בתוך שעות העבודה</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>ימים</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>שעות</translation>
    </message>
    <message>
        <source>Same hours every day</source>
        <translation>אותן שעות בכל יום</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Paytick: found no private folder for its lock, so starting it again will open a second panel.
</source>
        <translation>Paytick: לא נמצאה תיקייה פרטית לנעילה, לכן הפעלה נוספת תפתח לוח שני.
</translation>
    </message>
    <message>
        <source>Paytick: quit without saving %1 to %2: %3
</source>
        <translation>Paytick: נסגר בלי לשמור את %1 ב־%2: %3
</translation>
    </message>
</context>
</TS>
