<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>AtomicFile</name>
    <message>
        <source>cannot make its folder</source>
        <translation>klasörü oluşturulamıyor</translation>
    </message>
    <message>
        <source>cannot create a file: %1</source>
        <translation>dosya oluşturulamıyor: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>yazılamıyor: %1</translation>
    </message>
    <message>
        <source>cannot write to disk</source>
        <translation>diske yazılamıyor</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>dosya değiştirilemiyor</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Paytick&apos;s path holds a control character or %, which a login cannot start; install Paytick or move it to another path</source>
        <translation>Paytick&apos;in yolu bir denetim karakteri ya da % içeriyor, oturum açılışı bunu başlatamaz; Paytick&apos;i kurun ya da başka bir yola taşıyın</translation>
    </message>
</context>
<context>
    <name>BackButton</name>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
</context>
<context>
    <name>ColorSection</name>
    <message>
        <source>Number color</source>
        <translation>Rakam rengi</translation>
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
        <translation>Kullanım: paytick [--help] [--version] [Qt seçenekleri]
Diğer pencerelerinizin üstünde duran küçük bir panelde, “Kazanmaya başla”
düğmesine bastığınızdan beri ne kadar kazandığınızı gösterir.

  -h, --help     bu yardımı göster ve çık
  -v, --version  sürümü göster ve çık
</translation>
    </message>
    <message>
        <source>paytick: unknown option %1</source>
        <translation>paytick: bilinmeyen seçenek %1</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Paytick grafik bir oturum gerektirir: DISPLAY ve WAYLAND_DISPLAY ayarlı değil.
</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: the display %1 cannot be opened.
</source>
        <translation>Paytick grafik bir oturum gerektirir: %1 ekranı açılamıyor.
</translation>
    </message>
</context>
<context>
    <name>CountFrom</name>
    <message>
        <source>Since start</source>
        <translation>Başlangıçtan beri</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Bugün</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Bu hafta</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Bu ay</translation>
    </message>
</context>
<context>
    <name>CountSection</name>
    <message>
        <source>Count</source>
        <translation>Dönem</translation>
    </message>
</context>
<context>
    <name>CounterFace</name>
    <message>
        <source>%1 left</source>
        <translation>%1 kaldı</translation>
    </message>
</context>
<context>
    <name>CounterView</name>
    <message>
        <source>Resumes %1</source>
        <translation>%1 sürecek</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Duraklatıldı</translation>
    </message>
    <message>
        <source>Amount hidden</source>
        <translation>Tutar gizli</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
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
        <translation>Göster</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Para birimi</translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation>Simge %1</translation>
    </message>
</context>
<context>
    <name>DayHoursRow</name>
    <message>
        <source>%1 from</source>
        <translation>%1 başlangıcı</translation>
    </message>
    <message>
        <source>%1 to</source>
        <translation>%1 bitişi</translation>
    </message>
    <message>
        <source>%1 break</source>
        <translation>%1 molası</translation>
    </message>
    <message>
        <source>%1 break from</source>
        <translation>%1 mola başlangıcı</translation>
    </message>
    <message>
        <source>%1 break to</source>
        <translation>%1 mola bitişi</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Mola</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>“Başlangıç” ve “Bitiş” farklı olmalı</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>Mola çalışma saatleri içinde olmalı</translation>
    </message>
</context>
<context>
    <name>DigitColor</name>
    <message>
        <source>Green</source>
        <translation>Yeşil</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limon</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Sarı</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Turuncu</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Kırmızı</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Pembe</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Mor</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Mavi</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Camgöbeği</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Beyaz</translation>
    </message>
</context>
<context>
    <name>EmojiChooser</name>
    <message>
        <source>Any</source>
        <translation>Başka</translation>
    </message>
    <message>
        <source>Any emoji</source>
        <translation>Başka emoji</translation>
    </message>
    <message>
        <source>Type or paste one emoji</source>
        <translation>Bir emoji yazın ya da yapıştırın</translation>
    </message>
</context>
<context>
    <name>FloatingPanel</name>
    <message>
        <source>Hide Amount</source>
        <translation>Tutarı gizle</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Oturum açılınca başlat</translation>
    </message>
    <message>
        <source>Quit Paytick</source>
        <translation>Paytick&apos;ten çık</translation>
    </message>
    <message>
        <source>Paytick could not turn on Start at Login.</source>
        <translation>Paytick “Oturum açılınca başlat”ı açamadı.</translation>
    </message>
    <message>
        <source>Paytick could not turn off Start at Login.</source>
        <translation>Paytick “Oturum açılınca başlat”ı kapatamadı.</translation>
    </message>
</context>
<context>
    <name>GoalPictureKind</name>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Görsel</translation>
    </message>
</context>
<context>
    <name>GoalProgress</name>
    <message>
        <source>Add an amount in Settings</source>
        <translation>Ayarlar&apos;da bir tutar ekleyin</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Reached!</source>
        <translation>Ulaşıldı!</translation>
    </message>
    <message>
        <source>Reached %1!</source>
        <translation>%1 ulaşıldı!</translation>
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
        <translation>Hedef</translation>
    </message>
    <message>
        <source>How much to make</source>
        <translation>Ne kadar kazanılacak</translation>
    </message>
    <message>
        <source>What it&apos;s for</source>
        <translation>Ne için</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Görsel</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Tutar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>Enter an amount to start tracking your goal</source>
        <translation>Hedefinizi izlemek için bir tutar girin</translation>
    </message>
    <message>
        <source>Enter the amount as a number, like 5000</source>
        <translation>Tutarı sayı olarak girin, örneğin 5000</translation>
    </message>
</context>
<context>
    <name>ImageChooser</name>
    <message>
        <source>Couldn&apos;t read that image</source>
        <translation>Bu görsel okunamadı</translation>
    </message>
    <message>
        <source>Change Image…</source>
        <translation>Görseli değiştir…</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Görsel yükle…</translation>
    </message>
</context>
<context>
    <name>PayPeriod</name>
    <message>
        <source>Monthly</source>
        <translation>Aylık</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Yıllık</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Saatlik</translation>
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
        <translation>Çık</translation>
    </message>
</context>
<context>
    <name>SaveProblemMark</name>
    <message>
        <source>Settings not saved</source>
        <translation>Ayarlar kaydedilmedi</translation>
    </message>
    <message>
        <source>Paytick can&apos;t save its settings (%1). It keeps trying; what you typed is kept while it runs.</source>
        <translation>Paytick ayarlarını kaydedemiyor (%1). Denemeyi sürdürüyor; yazdıklarınız o çalıştıkça korunur.</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>cannot keep a copy of the old file as %1: %2</source>
        <translation>eski dosyanın kopyası %1 olarak saklanamıyor: %2</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
</context>
<context>
    <name>SetupView</name>
    <message>
        <source>Salary period</source>
        <translation>Maaş dönemi</translation>
    </message>
    <message>
        <source>Start Earning</source>
        <translation>Kazanmaya başla</translation>
    </message>
    <message>
        <source>Your salary</source>
        <translation>Maaşınız</translation>
    </message>
    <message>
        <source>Enter at most %1 a year</source>
        <translation>Yılda en çok %1</translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <source>Images (%1)</source>
        <translation>Görseller (%1)</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Görsel seçin</translation>
    </message>
</context>
<context>
    <name>WorkingHoursSection</name>
    <message>
        <source>Working hours</source>
        <translation>Çalışma saatleri</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bitiş</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>“Başlangıç” ve “Bitiş” farklı olmalı</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Mola</translation>
    </message>
    <message>
        <source>Break from</source>
        <translation>Mola başlangıcı</translation>
    </message>
    <message>
        <source>Break to</source>
        <translation>Mola bitişi</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>Mola çalışma saatleri içinde olmalı</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Günler</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Saatler</translation>
    </message>
    <message>
        <source>Same hours every day</source>
        <translation>Her gün aynı saatler</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Paytick: found no private folder for its lock, so starting it again will open a second panel.
</source>
        <translation>Paytick: kilidi için özel klasör bulunamadı, bu yüzden yeniden başlatmak ikinci bir panel açar.
</translation>
    </message>
    <message>
        <source>Paytick: quit without saving %1 to %2: %3
</source>
        <translation>Paytick: %1, %2 dosyasına kaydedilmeden kapandı: %3
</translation>
    </message>
</context>
</TS>
