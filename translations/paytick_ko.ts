<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AtomicFile</name>
    <message>
        <source>cannot make its folder</source>
        <translation>폴더를 만들 수 없음</translation>
    </message>
    <message>
        <source>cannot create a file: %1</source>
        <translation>파일을 만들 수 없음: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>쓸 수 없음: %1</translation>
    </message>
    <message>
        <source>cannot write to disk</source>
        <translation>디스크에 쓸 수 없음</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>파일을 바꿀 수 없음</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Paytick&apos;s path holds a control character or %, which a login cannot start; install Paytick or move it to another path</source>
        <translation>Paytick 경로에 제어 문자나 %가 있어 로그인할 때 시작할 수 없습니다. Paytick을 설치하거나 다른 경로로 옮기십시오</translation>
    </message>
</context>
<context>
    <name>BackButton</name>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
</context>
<context>
    <name>ColorSection</name>
    <message>
        <source>Number color</source>
        <translation>숫자 색</translation>
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
        <translation>사용법: paytick [--help] [--version] [Qt 옵션]
&quot;수입 시작&quot;을 누른 뒤로 번 금액을 다른 창 위에 떠 있는 작은 패널에
보여 줍니다.

  -h, --help     이 도움말을 보이고 끝냄
  -v, --version  버전을 보이고 끝냄
</translation>
    </message>
    <message>
        <source>paytick: unknown option %1</source>
        <translation>paytick: 알 수 없는 옵션 %1</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Paytick에는 그래픽 세션이 필요합니다: DISPLAY와 WAYLAND_DISPLAY가 모두 설정되지 않았습니다.
</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: the display %1 cannot be opened.
</source>
        <translation>Paytick에는 그래픽 세션이 필요합니다: 디스플레이 %1을(를) 열 수 없습니다.
</translation>
    </message>
</context>
<context>
    <name>CountFrom</name>
    <message>
        <source>Since start</source>
        <translation>시작부터</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>오늘</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>이번 주</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>이번 달</translation>
    </message>
</context>
<context>
    <name>CountSection</name>
    <message>
        <source>Count</source>
        <translation>집계 기간</translation>
    </message>
</context>
<context>
    <name>CounterFace</name>
    <message>
        <source>%1 left</source>
        <translation>%1 남음</translation>
    </message>
</context>
<context>
    <name>CounterView</name>
    <message>
        <source>Resumes %1</source>
        <translation>%1에 다시 시작</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>일시 정지됨</translation>
    </message>
    <message>
        <source>Amount hidden</source>
        <translation>금액 숨김</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
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
        <translation>표시</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>통화</translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation>기호 %1</translation>
    </message>
</context>
<context>
    <name>DayHoursRow</name>
    <message>
        <source>%1 from</source>
        <translation>%1 시작</translation>
    </message>
    <message>
        <source>%1 to</source>
        <translation>%1 종료</translation>
    </message>
    <message>
        <source>%1 break</source>
        <translation>%1 휴식</translation>
    </message>
    <message>
        <source>%1 break from</source>
        <translation>%1 휴식 시작</translation>
    </message>
    <message>
        <source>%1 break to</source>
        <translation>%1 휴식 종료</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>휴식</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>&quot;시작&quot;과 &quot;종료&quot;는 달라야 합니다</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>휴식은 근무 시간 안에 있어야 합니다</translation>
    </message>
</context>
<context>
    <name>DigitColor</name>
    <message>
        <source>Green</source>
        <translation>초록</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>라임</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>노랑</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>주황</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>빨강</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>분홍</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>보라</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>파랑</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>청록</translation>
    </message>
    <message>
        <source>White</source>
        <translation>흰색</translation>
    </message>
</context>
<context>
    <name>EmojiChooser</name>
    <message>
        <source>Any</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>Any emoji</source>
        <translation>기타 이모지</translation>
    </message>
    <message>
        <source>Type or paste one emoji</source>
        <translation>이모지 하나를 입력하거나 붙여 넣기</translation>
    </message>
</context>
<context>
    <name>FloatingPanel</name>
    <message>
        <source>Hide Amount</source>
        <translation>금액 숨기기</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>로그인 시 시작</translation>
    </message>
    <message>
        <source>Quit Paytick</source>
        <translation>Paytick 끝내기</translation>
    </message>
    <message>
        <source>Paytick could not turn on Start at Login.</source>
        <translation>Paytick이 &quot;로그인 시 시작&quot;을 켜지 못했습니다.</translation>
    </message>
    <message>
        <source>Paytick could not turn off Start at Login.</source>
        <translation>Paytick이 &quot;로그인 시 시작&quot;을 끄지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>GoalPictureKind</name>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>이모지</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>이미지</translation>
    </message>
</context>
<context>
    <name>GoalProgress</name>
    <message>
        <source>Add an amount in Settings</source>
        <translation>설정에서 금액을 추가하십시오</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Reached!</source>
        <translation>달성!</translation>
    </message>
    <message>
        <source>Reached %1!</source>
        <translation>%1 달성!</translation>
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
        <translation>목표</translation>
    </message>
    <message>
        <source>How much to make</source>
        <translation>목표 금액</translation>
    </message>
    <message>
        <source>What it&apos;s for</source>
        <translation>용도</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>그림</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>금액</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Enter an amount to start tracking your goal</source>
        <translation>목표를 추적하려면 금액을 입력하십시오</translation>
    </message>
    <message>
        <source>Enter the amount as a number, like 5000</source>
        <translation>금액을 숫자로 입력하십시오(예: 5000)</translation>
    </message>
</context>
<context>
    <name>ImageChooser</name>
    <message>
        <source>Couldn&apos;t read that image</source>
        <translation>그 이미지를 읽을 수 없음</translation>
    </message>
    <message>
        <source>Change Image…</source>
        <translation>이미지 바꾸기…</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>이미지 올리기…</translation>
    </message>
</context>
<context>
    <name>PayPeriod</name>
    <message>
        <source>Monthly</source>
        <translation>월급</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>연봉</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>시급</translation>
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
        <translation>끝내기</translation>
    </message>
</context>
<context>
    <name>SaveProblemMark</name>
    <message>
        <source>Settings not saved</source>
        <translation>설정이 저장되지 않음</translation>
    </message>
    <message>
        <source>Paytick can&apos;t save its settings (%1). It keeps trying; what you typed is kept while it runs.</source>
        <translation>Paytick이 설정을 저장할 수 없습니다(%1). 계속 다시 시도하며, 실행 중에는 입력한 내용이 유지됩니다.</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>cannot keep a copy of the old file as %1: %2</source>
        <translation>이전 파일의 사본을 %1(으)로 보관할 수 없음: %2</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
</context>
<context>
    <name>SetupView</name>
    <message>
        <source>Salary period</source>
        <translation>급여 기간</translation>
    </message>
    <message>
        <source>Start Earning</source>
        <translation>수입 시작</translation>
    </message>
    <message>
        <source>Your salary</source>
        <translation>급여</translation>
    </message>
    <message>
        <source>Enter at most %1 a year</source>
        <translation>연 %1 이하로 입력하십시오</translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <source>Images (%1)</source>
        <translation>이미지 (%1)</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>그림 선택</translation>
    </message>
</context>
<context>
    <name>WorkingHoursSection</name>
    <message>
        <source>Working hours</source>
        <translation>근무 시간</translation>
    </message>
    <message>
        <source>From</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>To</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>&quot;시작&quot;과 &quot;종료&quot;는 달라야 합니다</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>휴식</translation>
    </message>
    <message>
        <source>Break from</source>
        <translation>휴식 시작</translation>
    </message>
    <message>
        <source>Break to</source>
        <translation>휴식 종료</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>휴식은 근무 시간 안에 있어야 합니다</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>요일</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Same hours every day</source>
        <translation>매일 같은 시간</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Paytick: found no private folder for its lock, so starting it again will open a second panel.
</source>
        <translation>Paytick: 잠금용 개인 폴더를 찾지 못해 다시 시작하면 두 번째 패널이 열립니다.
</translation>
    </message>
    <message>
        <source>Paytick: quit without saving %1 to %2: %3
</source>
        <translation>Paytick: %1을(를) %2에 저장하지 못하고 끝냈습니다: %3
</translation>
    </message>
</context>
</TS>
