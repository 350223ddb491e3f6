<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>AtomicFile</name>
    <message>
        <source>cannot make its folder</source>
        <translation>تعذّر إنشاء مجلده</translation>
    </message>
    <message>
        <source>cannot create a file: %1</source>
        <translation>تعذّر إنشاء ملف: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>تعذّرت الكتابة: %1</translation>
    </message>
    <message>
        <source>cannot write to disk</source>
        <translation>تعذّرت الكتابة على القرص</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>تعذّر استبدال الملف</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Paytick&apos;s path holds a control character or %, which a login cannot start; install Paytick or move it to another path</source>
        <translation>يحوي مسار Paytick محرف تحكم أو %، فلا يمكن تشغيله عند الولوج؛ ثبّت Paytick أو انقله إلى مسار آخر</translation>
    </message>
</context>
<context>
    <name>BackButton</name>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
</context>
<context>
    <name>ColorSection</name>
    <message>
        <source>Number color</source>
        <translation>لون الأرقام</translation>
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
        <translation>الاستخدام: paytick [--help] [--version] [خيارات Qt]
يعرض على لوحة صغيرة فوق نوافذك الأخرى ما ربحته منذ ضغطت «ابدأ الربح».

  -h, --help     اعرض هذه المساعدة واخرج
  -v, --version  اعرض الإصدارة واخرج
</translation>
    </message>
    <message>
        <source>paytick: unknown option %1</source>
        <translation>paytick: خيار مجهول %1</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>يحتاج Paytick إلى جلسة رسومية: لم يُضبط DISPLAY ولا WAYLAND_DISPLAY.
</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: the display %1 cannot be opened.
</source>
        <translation>يحتاج Paytick إلى جلسة رسومية: تعذّر فتح العرض %1.
</translation>
    </message>
</context>
<context>
    <name>CountFrom</name>
    <message>
        <source>Since start</source>
        <translation>منذ البداية</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>هذا الأسبوع</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>هذا الشهر</translation>
    </message>
</context>
<context>
    <name>CountSection</name>
    <message>
        <source>Count</source>
        <translation>فترة العدّ</translation>
    </message>
</context>
<context>
    <name>CounterFace</name>
    <message>
        <source>%1 left</source>
        <translation>يتبقى %1</translation>
    </message>
</context>
<context>
    <name>CounterView</name>
    <message>
        <source>Resumes %1</source>
        <translation>يستأنف %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>متوقف مؤقتًا</translation>
    </message>
    <message>
        <source>Amount hidden</source>
        <translation>المبلغ مخفي</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>أوقف</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>what the display stands at, then the pause sign</comment>
        <translation>%1، %2</translation>
    </message>
</context>
<context>
    <name>CurrencySection</name>
    <message>
        <source>Show</source>
        <translation>العرض</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>العملة</translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation>الرمز %1</translation>
    </message>
</context>
<context>
    <name>DayHoursRow</name>
    <message>
        <source>%1 from</source>
        <translation>%1 من</translation>
    </message>
    <message>
        <source>%1 to</source>
        <translation>%1 إلى</translation>
    </message>
    <message>
        <source>%1 break</source>
        <translation>استراحة %1</translation>
    </message>
    <message>
        <source>%1 break from</source>
        <translation>استراحة %1 من</translation>
    </message>
    <message>
        <source>%1 break to</source>
        <translation>استراحة %1 إلى</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>استراحة</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>يجب أن يختلف «من» عن «إلى»</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>يجب أن تقع الاستراحة ضمن ساعات العمل</translation>
    </message>
</context>
<context>
    <name>DigitColor</name>
    <message>
        <source>Green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>ليموني</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>برتقالي</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>وردي</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>بنفسجي</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>سماوي</translation>
    </message>
    <message>
        <source>White</source>
        <translation>أبيض</translation>
    </message>
</context>
<context>
    <name>EmojiChooser</name>
    <message>
        <source>Any</source>
        <translation>أي</translation>
    </message>
    <message>
        <source>Any emoji</source>
        <translation>أي إيموجي</translation>
    </message>
    <message>
        <source>Type or paste one emoji</source>
        <translation>اكتب إيموجي واحدًا أو ألصقه</translation>
    </message>
</context>
<context>
    <name>FloatingPanel</name>
    <message>
        <source>Hide Amount</source>
        <translation>إخفاء المبلغ</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>البدء عند الولوج</translation>
    </message>
    <message>
        <source>Quit Paytick</source>
        <translation>إنهاء Paytick</translation>
    </message>
    <message>
        <source>Paytick could not turn on Start at Login.</source>
        <translation>تعذّر على Paytick تفعيل «البدء عند الولوج».</translation>
    </message>
    <message>
        <source>Paytick could not turn off Start at Login.</source>
        <translation>تعذّر على Paytick تعطيل «البدء عند الولوج».</translation>
    </message>
</context>
<context>
    <name>GoalPictureKind</name>
    <message>
        <source>None</source>
        <translation>بلا</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>إيموجي</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>صورة</translation>
    </message>
</context>
<context>
    <name>GoalProgress</name>
    <message>
        <source>Add an amount in Settings</source>
        <translation>أضف مبلغًا في الإعدادات</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 من %2</translation>
    </message>
    <message>
        <source>Reached!</source>
        <translation>تحقق!</translation>
    </message>
    <message>
        <source>Reached %1!</source>
        <translation>تحقق %1!</translation>
    </message>
</context>
<context>
    <name>GoalRow</name>
    <message>
        <source>%1, %2</source>
        <comment>the goal&apos;s text, then how far it is reached</comment>
        <translation>%1، %2</translation>
    </message>
</context>
<context>
    <name>GoalSection</name>
    <message>
        <source>Goal</source>
        <translation>الهدف</translation>
    </message>
    <message>
        <source>How much to make</source>
        <translation>كم تريد أن تربح</translation>
    </message>
    <message>
        <source>What it&apos;s for</source>
        <translation>لأجل ماذا</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>صورة</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>المبلغ</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>النص</translation>
    </message>
    <message>
        <source>Enter an amount to start tracking your goal</source>
        <translation>أدخل مبلغًا لتتابع هدفك</translation>
    </message>
    <message>
        <source>Enter the amount as a number, like 5000</source>
        <translation>أدخل المبلغ رقمًا، مثل 5000</translation>
    </message>
</context>
<context>
    <name>ImageChooser</name>
    <message>
        <source>Couldn&apos;t read that image</source>
        <translation>تعذّرت قراءة تلك الصورة</translation>
    </message>
    <message>
        <source>Change Image…</source>
        <translation>غيّر الصورة…</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>ارفع صورة…</translation>
    </message>
</context>
<context>
    <name>PayPeriod</name>
    <message>
        <source>Monthly</source>
        <translation>شهري</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>سنوي</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>بالساعة</translation>
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
        <translation>إنهاء</translation>
    </message>
</context>
<context>
    <name>SaveProblemMark</name>
    <message>
        <source>Settings not saved</source>
        <translation>لم تُحفظ الإعدادات</translation>
    </message>
    <message>
        <source>Paytick can&apos;t save its settings (%1). It keeps trying; what you typed is kept while it runs.</source>
        <translation>يتعذّر على Paytick حفظ إعداداته (%1). سيواصل المحاولة؛ ويبقى ما كتبته ما دام يعمل.</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>cannot keep a copy of the old file as %1: %2</source>
        <translation>تعذّر حفظ نسخة من الملف القديم باسم %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
</context>
<context>
    <name>SetupView</name>
    <message>
        <source>Salary period</source>
        <translation>فترة الراتب</translation>
    </message>
    <message>
        <source>Start Earning</source>
        <translation>ابدأ الربح</translation>
    </message>
    <message>
        <source>Your salary</source>
        <translation>راتبك</translation>
    </message>
    <message>
        <source>Enter at most %1 a year</source>
        <translation>%1 في السنة على الأكثر</translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <source>Images (%1)</source>
        <translation>الصور (%1)</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>اختر صورة</translation>
    </message>
</context>
<context>
    <name>WorkingHoursSection</name>
    <message>
        <source>Working hours</source>
        <translation>ساعات العمل</translation>
    </message>
    <message>
        <source>From</source>
        <translation>من</translation>
    </message>
    <message>
        <source>To</source>
        <translation>إلى</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>يجب أن يختلف «من» عن «إلى»</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>استراحة</translation>
    </message>
    <message>
        <source>Break from</source>
        <translation>الاستراحة من</translation>
    </message>
    <message>
        <source>Break to</source>
        <translation>الاستراحة إلى</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>يجب أن تقع الاستراحة ضمن ساعات العمل</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>الأيام</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>الساعات</translation>
    </message>
    <message>
        <source>Same hours every day</source>
        <translation>الساعات نفسها كل يوم</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Paytick: found no private folder for its lock, so starting it again will open a second panel.
</source>
        <translation>Paytick: لم يُعثر على مجلد خاص لقفله، لذا فتشغيله مجددًا سيفتح لوحة ثانية.
</translation>
    </message>
    <message>
        <source>Paytick: quit without saving %1 to %2: %3
</source>
        <translation>Paytick: أُنهي دون حفظ %1 في %2: %3
</translation>
    </message>
</context>
</TS>
