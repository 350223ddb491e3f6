<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AtomicFile</name>
    <message>
        <source>cannot make its folder</source>
        <translation>无法创建其文件夹</translation>
    </message>
    <message>
        <source>cannot create a file: %1</source>
        <translation>无法创建文件：%1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>无法写入：%1</translation>
    </message>
    <message>
        <source>cannot write to disk</source>
        <translation>无法写入磁盘</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>无法替换文件</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Paytick&apos;s path holds a control character or %, which a login cannot start; install Paytick or move it to another path</source>
        <translation>Paytick 的路径含有控制字符或 %，登录时无法启动；请安装 Paytick 或将其移到其他路径</translation>
    </message>
</context>
<context>
    <name>BackButton</name>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>ColorSection</name>
    <message>
        <source>Number color</source>
        <translation>数字颜色</translation>
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
        <translation>用法：paytick [--help] [--version] [Qt 选项]
在浮于其他窗口之上的小面板中，显示您按下“开始赚钱”以来赚到的金额。

  -h, --help     显示此帮助并退出
  -v, --version  显示版本并退出
</translation>
    </message>
    <message>
        <source>paytick: unknown option %1</source>
        <translation>paytick：未知选项 %1</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Paytick 需要图形会话：DISPLAY 和 WAYLAND_DISPLAY 均未设置。
</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: the display %1 cannot be opened.
</source>
        <translation>Paytick 需要图形会话：无法打开显示 %1。
</translation>
    </message>
</context>
<context>
    <name>CountFrom</name>
    <message>
        <source>Since start</source>
        <translation>开始至今</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>本周</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>本月</translation>
    </message>
</context>
<context>
    <name>CountSection</name>
    <message>
        <source>Count</source>
        <translation>统计范围</translation>
    </message>
</context>
<context>
    <name>CounterFace</name>
    <message>
        <source>%1 left</source>
        <translation>剩余 %1</translation>
    </message>
</context>
<context>
    <name>CounterView</name>
    <message>
        <source>Resumes %1</source>
        <translation>%1 继续</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Amount hidden</source>
        <translation>金额已隐藏</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>what the display stands at, then the pause sign</comment>
        <translation>%1，%2</translation>
    </message>
</context>
<context>
    <name>CurrencySection</name>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>货币</translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation>符号 %1</translation>
    </message>
</context>
<context>
    <name>DayHoursRow</name>
    <message>
        <source>%1 from</source>
        <translation>%1：从</translation>
    </message>
    <message>
        <source>%1 to</source>
        <translation>%1：到</translation>
    </message>
    <message>
        <source>%1 break</source>
        <translation>%1：休息</translation>
    </message>
    <message>
        <source>%1 break from</source>
        <translation>%1：休息开始</translation>
    </message>
    <message>
        <source>%1 break to</source>
        <translation>%1：休息结束</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>休息</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>“从”和“到”必须不同</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>休息时间必须在工作时间内</translation>
    </message>
</context>
<context>
    <name>DigitColor</name>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>青柠色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉色</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
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
        <translation>任意表情</translation>
    </message>
    <message>
        <source>Type or paste one emoji</source>
        <translation>输入或粘贴一个表情</translation>
    </message>
</context>
<context>
    <name>FloatingPanel</name>
    <message>
        <source>Hide Amount</source>
        <translation>隐藏金额</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Quit Paytick</source>
        <translation>退出 Paytick</translation>
    </message>
    <message>
        <source>Paytick could not turn on Start at Login.</source>
        <translation>Paytick 无法开启“登录时启动”。</translation>
    </message>
    <message>
        <source>Paytick could not turn off Start at Login.</source>
        <translation>Paytick 无法关闭“登录时启动”。</translation>
    </message>
</context>
<context>
    <name>GoalPictureKind</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>表情</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>图片</translation>
    </message>
</context>
<context>
    <name>GoalProgress</name>
    <message>
        <source>Add an amount in Settings</source>
        <translation>请在设置中添加金额</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Reached!</source>
        <translation>已达成！</translation>
    </message>
    <message>
        <source>Reached %1!</source>
        <translation>已达成 %1！</translation>
    </message>
</context>
<context>
    <name>GoalRow</name>
    <message>
        <source>%1, %2</source>
        <comment>the goal&apos;s text, then how far it is reached</comment>
        <translation>%1，%2</translation>
    </message>
</context>
<context>
    <name>GoalSection</name>
    <message>
        <source>Goal</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>How much to make</source>
        <translation>目标金额</translation>
    </message>
    <message>
        <source>What it&apos;s for</source>
        <translation>用途</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金额</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Enter an amount to start tracking your goal</source>
        <translation>输入金额以跟踪您的目标</translation>
    </message>
    <message>
        <source>Enter the amount as a number, like 5000</source>
        <translation>请以数字输入金额，例如 5000</translation>
    </message>
</context>
<context>
    <name>ImageChooser</name>
    <message>
        <source>Couldn&apos;t read that image</source>
        <translation>无法读取该图片</translation>
    </message>
    <message>
        <source>Change Image…</source>
        <translation>更换图片…</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>上传图片…</translation>
    </message>
</context>
<context>
    <name>PayPeriod</name>
    <message>
        <source>Monthly</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>每年</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>每小时</translation>
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
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>SaveProblemMark</name>
    <message>
        <source>Settings not saved</source>
        <translation>设置未保存</translation>
    </message>
    <message>
        <source>Paytick can&apos;t save its settings (%1). It keeps trying; what you typed is kept while it runs.</source>
        <translation>Paytick 无法保存设置（%1）。它会继续尝试；运行期间您输入的内容会保留。</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>cannot keep a copy of the old file as %1: %2</source>
        <translation>无法将旧文件的副本保存为 %1：%2</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>SetupView</name>
    <message>
        <source>Salary period</source>
        <translation>工资周期</translation>
    </message>
    <message>
        <source>Start Earning</source>
        <translation>开始赚钱</translation>
    </message>
    <message>
        <source>Your salary</source>
        <translation>您的工资</translation>
    </message>
    <message>
        <source>Enter at most %1 a year</source>
        <translation>每年最多 %1</translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <source>Images (%1)</source>
        <translation>图片 (%1)</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>选择图片</translation>
    </message>
</context>
<context>
    <name>WorkingHoursSection</name>
    <message>
        <source>Working hours</source>
        <translation>工作时间</translation>
    </message>
    <message>
        <source>From</source>
        <translation>从</translation>
    </message>
    <message>
        <source>To</source>
        <translation>到</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>“从”和“到”必须不同</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>休息</translation>
    </message>
    <message>
        <source>Break from</source>
        <translation>休息开始</translation>
    </message>
    <message>
        <source>Break to</source>
        <translation>休息结束</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>休息时间必须在工作时间内</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>星期</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Same hours every day</source>
        <translation>每天时间相同</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Paytick: found no private folder for its lock, so starting it again will open a second panel.
</source>
        <translation>Paytick：找不到用于锁的私有文件夹，因此再次启动会打开第二个面板。
</translation>
    </message>
    <message>
        <source>Paytick: quit without saving %1 to %2: %3
</source>
        <translation>Paytick：已退出，未将 %1 保存到 %2：%3
</translation>
    </message>
</context>
</TS>
