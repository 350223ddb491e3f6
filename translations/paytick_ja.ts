<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AtomicFile</name>
    <message>
        <source>cannot make its folder</source>
        <translation>フォルダーを作成できません</translation>
    </message>
    <message>
        <source>cannot create a file: %1</source>
        <translation>ファイルを作成できません: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>書き込めません: %1</translation>
    </message>
    <message>
        <source>cannot write to disk</source>
        <translation>ディスクに書き込めません</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>ファイルを置き換えられません</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Paytick&apos;s path holds a control character or %, which a login cannot start; install Paytick or move it to another path</source>
        <translation>Paytick のパスに制御文字か % が含まれているため、ログイン時に起動できません。Paytick をインストールするか、別のパスに移動してください</translation>
    </message>
</context>
<context>
    <name>BackButton</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
</context>
<context>
    <name>ColorSection</name>
    <message>
        <source>Number color</source>
        <translation>数字の色</translation>
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
        <translation>使い方: paytick [--help] [--version] [Qt のオプション]
「稼ぎ始める」を押してから稼いだ金額を、ほかのウィンドウの上に浮かぶ
小さなパネルに表示します。

  -h, --help     このヘルプを表示して終了
  -v, --version  バージョンを表示して終了
</translation>
    </message>
    <message>
        <source>paytick: unknown option %1</source>
        <translation>paytick: 不明なオプション %1</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Paytick にはグラフィカルなセッションが必要です: DISPLAY も WAYLAND_DISPLAY も設定されていません。
</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: the display %1 cannot be opened.
</source>
        <translation>Paytick にはグラフィカルなセッションが必要です: ディスプレイ %1 を開けません。
</translation>
    </message>
</context>
<context>
    <name>CountFrom</name>
    <message>
        <source>Since start</source>
        <translation>開始から</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>今週</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>今月</translation>
    </message>
</context>
<context>
    <name>CountSection</name>
    <message>
        <source>Count</source>
        <translation>集計期間</translation>
    </message>
</context>
<context>
    <name>CounterFace</name>
    <message>
        <source>%1 left</source>
        <translation>残り %1</translation>
    </message>
</context>
<context>
    <name>CounterView</name>
    <message>
        <source>Resumes %1</source>
        <translation>%1 に再開</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Amount hidden</source>
        <translation>金額を非表示</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>what the display stands at, then the pause sign</comment>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>CurrencySection</name>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>通貨</translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation>記号 %1</translation>
    </message>
</context>
<context>
    <name>DayHoursRow</name>
    <message>
        <source>%1 from</source>
        <translation>%1の開始</translation>
    </message>
    <message>
        <source>%1 to</source>
        <translation>%1の終了</translation>
    </message>
    <message>
        <source>%1 break</source>
        <translation>%1の休憩</translation>
    </message>
    <message>
        <source>%1 break from</source>
        <translation>%1の休憩開始</translation>
    </message>
    <message>
        <source>%1 break to</source>
        <translation>%1の休憩終了</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>休憩</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>「開始」と「終了」は別の時刻にしてください</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>休憩は勤務時間内にしてください</translation>
    </message>
</context>
<context>
    <name>DigitColor</name>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>ライム</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>シアン</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
</context>
<context>
    <name>EmojiChooser</name>
    <message>
        <source>Any</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Any emoji</source>
        <translation>任意の絵文字</translation>
    </message>
    <message>
        <source>Type or paste one emoji</source>
        <translation>絵文字を 1 つ入力または貼り付け</translation>
    </message>
</context>
<context>
    <name>FloatingPanel</name>
    <message>
        <source>Hide Amount</source>
        <translation>金額を隠す</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Quit Paytick</source>
        <translation>Paytick を終了</translation>
    </message>
    <message>
        <source>Paytick could not turn on Start at Login.</source>
        <translation>「ログイン時に起動」を有効にできませんでした。</translation>
    </message>
    <message>
        <source>Paytick could not turn off Start at Login.</source>
        <translation>「ログイン時に起動」を無効にできませんでした。</translation>
    </message>
</context>
<context>
    <name>GoalPictureKind</name>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>絵文字</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>画像</translation>
    </message>
</context>
<context>
    <name>GoalProgress</name>
    <message>
        <source>Add an amount in Settings</source>
        <translation>設定で金額を追加してください</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Reached!</source>
        <translation>達成！</translation>
    </message>
    <message>
        <source>Reached %1!</source>
        <translation>%1 達成！</translation>
    </message>
</context>
<context>
    <name>GoalRow</name>
    <message>
        <source>%1, %2</source>
        <comment>the goal&apos;s text, then how far it is reached</comment>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>GoalSection</name>
    <message>
        <source>Goal</source>
        <translation>目標</translation>
    </message>
    <message>
        <source>How much to make</source>
        <translation>目標金額</translation>
    </message>
    <message>
        <source>What it&apos;s for</source>
        <translation>用途</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Enter an amount to start tracking your goal</source>
        <translation>目標を追跡するには金額を入力してください</translation>
    </message>
    <message>
        <source>Enter the amount as a number, like 5000</source>
        <translation>金額を数値で入力してください (例: 5000)</translation>
    </message>
</context>
<context>
    <name>ImageChooser</name>
    <message>
        <source>Couldn&apos;t read that image</source>
        <translation>その画像を読み込めませんでした</translation>
    </message>
    <message>
        <source>Change Image…</source>
        <translation>画像を変更…</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>画像をアップロード…</translation>
    </message>
</context>
<context>
    <name>PayPeriod</name>
    <message>
        <source>Monthly</source>
        <translation>月給</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>年収</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>時給</translation>
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
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>SaveProblemMark</name>
    <message>
        <source>Settings not saved</source>
        <translation>設定が保存されていません</translation>
    </message>
    <message>
        <source>Paytick can&apos;t save its settings (%1). It keeps trying; what you typed is kept while it runs.</source>
        <translation>Paytick は設定を保存できません (%1)。再試行を続けます。入力した内容は実行中は保持されます。</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>cannot keep a copy of the old file as %1: %2</source>
        <translation>古いファイルのコピーを %1 として保存できません: %2</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>SetupView</name>
    <message>
        <source>Salary period</source>
        <translation>給与の期間</translation>
    </message>
    <message>
        <source>Start Earning</source>
        <translation>稼ぎ始める</translation>
    </message>
    <message>
        <source>Your salary</source>
        <translation>給与</translation>
    </message>
    <message>
        <source>Enter at most %1 a year</source>
        <translation>年 %1までです</translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <source>Images (%1)</source>
        <translation>画像 (%1)</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>画像を選択</translation>
    </message>
</context>
<context>
    <name>WorkingHoursSection</name>
    <message>
        <source>Working hours</source>
        <translation>勤務時間</translation>
    </message>
    <message>
        <source>From</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>To</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>「開始」と「終了」は別の時刻にしてください</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>休憩</translation>
    </message>
    <message>
        <source>Break from</source>
        <translation>休憩開始</translation>
    </message>
    <message>
        <source>Break to</source>
        <translation>休憩終了</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>休憩は勤務時間内にしてください</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>曜日</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Same hours every day</source>
        <translation>毎日同じ時間</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Paytick: found no private folder for its lock, so starting it again will open a second panel.
</source>
        <translation>Paytick: ロック用の個人フォルダーが見つからないため、もう一度起動すると 2 つ目のパネルが開きます。
</translation>
    </message>
    <message>
        <source>Paytick: quit without saving %1 to %2: %3
</source>
        <translation>Paytick: %1 を %2 に保存せずに終了しました: %3
</translation>
    </message>
</context>
</TS>
