<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AlarmPanel</name>
    <message>
        <source>Stop alarm</source>
        <translation>경보 정지</translation>
    </message>
    <message>
        <source>Stops the alarm signal that sounds</source>
        <translation>울리고 있는 경보 신호를 멈춥니다</translation>
    </message>
    <message>
        <source>Alarm signals...</source>
        <translation>경보 신호...</translation>
    </message>
    <message>
        <source>Alarm: %1</source>
        <extracomment>An alarm signal, by its name</extracomment>
        <translation>경보: %1</translation>
    </message>
    <message>
        <source>until it is stopped</source>
        <translation>멈출 때까지</translation>
    </message>
    <message>
        <source>Sound the alarm signal %1 now? It rings on the bell card %2. It sounds now, and starts again from the beginning.</source>
        <extracomment>%1: the signal&apos;s name; %2: how long it rings (&quot;3 times&quot;, &quot;until it is stopped&quot;)</extracomment>
        <translation>지금 경보 신호 %1을(를) 울릴까요? 벨 사운드 카드에서 %2 울립니다. 이미 울리고 있는 이 신호는 처음부터 다시 울립니다.</translation>
    </message>
    <message>
        <source>Sound the alarm signal %1 now? It rings on the bell card %2. The alarm signal %3, which sounds now, stops.</source>
        <extracomment>%1: the signal&apos;s name; %2: how long it rings; %3: the signal that sounds now</extracomment>
        <translation>지금 경보 신호 %1을(를) 울릴까요? 벨 사운드 카드에서 %2 울립니다. 지금 울리고 있는 경보 신호 %3은(는) 멈춥니다.</translation>
    </message>
    <message>
        <source>Sound the alarm signal %1 now? It rings on the bell card %2.</source>
        <extracomment>%1: the signal&apos;s name; %2: how long it rings (&quot;3 times&quot;, &quot;until it is stopped&quot;)</extracomment>
        <translation>지금 경보 신호 %1을(를) 울릴까요? 벨 사운드 카드에서 %2 울립니다.</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>경보</translation>
    </message>
    <message>
        <source>Sound it</source>
        <translation>울리기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>The alarm signal %1 did not sound: %2.</source>
        <translation>경보 신호 %1을(를) 울리지 못했습니다: %2.</translation>
    </message>
</context>
<context>
    <name>AlarmsDialog</name>
    <message>
        <source>Alarm signals</source>
        <translation>경보 신호</translation>
    </message>
    <message>
        <source>Each signal sounds at once from the Alarm menu, after a question, and rings on the bell card for its times or until it is stopped. A row with no name is no signal.</source>
        <translation>각 신호는 경보 메뉴에서 확인을 거쳐 바로 울리며, 벨 사운드 카드에서 정한 횟수만큼 또는 멈출 때까지 울립니다. 이름이 없는 행은 신호로 쓰이지 않습니다.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column: the alarm signal&apos;s name</extracomment>
        <translation>이름</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>A column: the alarm signal&apos;s sound</extracomment>
        <translation>소리</translation>
    </message>
    <message>
        <source>Times</source>
        <extracomment>A column: how many times the alarm signal rings</extracomment>
        <translation>횟수</translation>
    </message>
    <message>
        <source>%1 (not in the sound folder)</source>
        <extracomment>%1: a sound file&apos;s name</extracomment>
        <translation>%1 (사운드 폴더에 없음)</translation>
    </message>
    <message>
        <source>until stopped</source>
        <extracomment>How many times an alarm signal rings: none set, it rings until it is stopped</extracomment>
        <translation>멈출 때까지</translation>
    </message>
    <message>
        <source>Name of alarm signal %1</source>
        <extracomment>%1: the row&apos;s number</extracomment>
        <translation>경보 신호 %1의 이름</translation>
    </message>
    <message>
        <source>Sound of alarm signal %1</source>
        <extracomment>%1: the row&apos;s number</extracomment>
        <translation>경보 신호 %1의 소리</translation>
    </message>
    <message>
        <source>Times alarm signal %1 rings</source>
        <extracomment>%1: the row&apos;s number</extracomment>
        <translation>경보 신호 %1의 울림 횟수</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Not saved: %1.</source>
        <extracomment>%1: why the alarm signals cannot be saved</extracomment>
        <translation>저장하지 못했습니다: %1.</translation>
    </message>
    <message>
        <source>The alarm signals could not be written to the data folder (the ring log says why); they hold until the program ends. OK tries again.</source>
        <translation>경보 신호를 데이터 폴더에 기록하지 못했습니다(이유는 벨 기록에 있습니다). 프로그램을 종료할 때까지는 유지됩니다. 확인을 누르면 다시 시도합니다.</translation>
    </message>
</context>
<context>
    <name>AutoModeForm</name>
    <message>
        <source>Auto execution way</source>
        <extracomment>How the program shows itself when it starts on its own</extracomment>
        <translation>자동 실행 방식</translation>
    </message>
    <message>
        <source>Execution to monitor</source>
        <extracomment>Started on its own, the program shows its window</extracomment>
        <translation>창으로 실행</translation>
    </message>
    <message>
        <source>Execution to tray icon</source>
        <extracomment>Started on its own, the program shows only its tray icon</extracomment>
        <translation>트레이 아이콘으로 실행</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Auto execution방법</source>
        <extracomment>&quot;Auto execution method&quot;</extracomment>
        <translation>자동 실행 방법</translation>
    </message>
</context>
<context>
    <name>CalendarWindow</name>
    <message>
        <source>no bells</source>
        <extracomment>What happens on the exception&apos;s days: no bell rings</extracomment>
        <translation>벨 없음</translation>
    </message>
    <message>
        <source>ring templet %1</source>
        <extracomment>&quot;ring template %1&quot;: the bells of stored time list %1 ring</extracomment>
        <translation>템플릿 %1 울림</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>From one day to another, both included (the days are written yyyy-MM-dd)</extracomment>
        <translation>%1 ~ %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An exception&apos;s label, then what happens on its days</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>달력</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>월</translation>
    </message>
    <message>
        <source>Exception days are marked; choosing a day chooses the exception that decides it, or puts the day into the first and last day boxes</source>
        <translation>예외 날짜가 표시됩니다. 날짜를 고르면 그날을 정하는 예외가 선택되거나, 그 날짜가 첫날과 마지막 날 칸에 들어갑니다</translation>
    </message>
    <message>
        <source>Days</source>
        <extracomment>Column heads of the list of date exceptions: the days, what happens on them, their label</extracomment>
        <translation>날짜</translation>
    </message>
    <message>
        <source>What</source>
        <extracomment>What happens on the exception&apos;s days</extracomment>
        <translation>내용</translation>
    </message>
    <message>
        <source>Label</source>
        <extracomment>The exception&apos;s own name, such as &quot;Winter holidays&quot;
----------
The name the subscription goes by</extracomment>
        <translation>이름</translation>
    </message>
    <message>
        <source>Subscription</source>
        <extracomment>Column heads of the list of subscribed calendars</extracomment>
        <translation>구독</translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>The web address of the calendar to subscribe to</extracomment>
        <translation>주소</translation>
    </message>
    <message>
        <source>State</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>for example Winter holidays</source>
        <translation>예: 겨울 방학</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Adds a date exception</extracomment>
        <translation>추가</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Changes the chosen date exception</extracomment>
        <translation>변경</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Deletes the chosen date exception</extracomment>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Import iCalendar...</source>
        <translation>iCalendar 가져오기...</translation>
    </message>
    <message>
        <source>Subscribe...</source>
        <translation>구독...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Fetches the subscribed calendars again</extracomment>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Fetch the subscribed calendars again now</source>
        <translation>구독한 달력을 지금 다시 가져옵니다</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>구독 해지</translation>
    </message>
    <message>
        <source>End the subscription chosen in the list and delete its days</source>
        <translation>목록에서 고른 구독을 해지하고 그 날짜를 삭제합니다</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>첫날</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>마지막 날</translation>
    </message>
    <message>
        <source>Date exceptions</source>
        <translation>날짜 예외</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>구독</translation>
    </message>
    <message>
        <source>%1 (subscribed: %2)</source>
        <extracomment>A subscribed day&apos;s label, then the subscription&apos;s name</extracomment>
        <translation>%1 (구독: %2)</translation>
    </message>
    <message>
        <source>From the subscription &quot;%1&quot;; it changes when the feed does</source>
        <translation>구독 &quot;%1&quot;에서 온 날짜입니다. 피드가 바뀌면 함께 바뀝니다</translation>
    </message>
    <message>
        <source>Select the subscription to end in the list.</source>
        <translation>해지할 구독을 목록에서 고르세요.</translation>
    </message>
    <message>
        <source>These days come from the subscription &quot;%1&quot; (%2). End the subscription and delete all its days?</source>
        <translation>이 날짜들은 구독 &quot;%1&quot;(%2)에서 왔습니다. 구독을 해지하고 그 날짜를 모두 삭제할까요?</translation>
    </message>
    <message>
        <source>The last day must not be before the first day.</source>
        <translation>마지막 날은 첫날보다 앞설 수 없습니다.</translation>
    </message>
    <message>
        <source>The calendar already holds %1 for %2.</source>
        <extracomment>Refuses a second exception with the same days: what it does, then its days</extracomment>
        <translation>달력에 이미 %2 날짜의 예외(%1)가 있습니다.</translation>
    </message>
    <message>
        <source>Select the exception to change in the list.</source>
        <translation>변경할 예외를 목록에서 고르세요.</translation>
    </message>
    <message>
        <source>These days come from the subscription &quot;%1&quot; and change with it. Add an exception of your own for them instead: it decides before the subscription.</source>
        <translation>이 날짜들은 구독 &quot;%1&quot;에서 왔으며 구독에 따라 바뀝니다. 대신 이 날짜에 직접 예외를 추가하세요. 직접 추가한 예외가 구독보다 우선합니다.</translation>
    </message>
    <message>
        <source>Select the exception to delete in the list.</source>
        <translation>삭제할 예외를 목록에서 고르세요.</translation>
    </message>
    <message>
        <source>Delete %1 (%2)?</source>
        <extracomment>Asks before an exception is deleted: its label and what it does, then its days</extracomment>
        <translation>%1 (%2) 예외를 삭제할까요?</translation>
    </message>
    <message>
        <source>Subscribe to a calendar</source>
        <translation>달력 구독</translation>
    </message>
    <message>
        <source>https://... or webcal://... of an iCalendar feed</source>
        <translation>iCalendar 피드의 https://... 또는 webcal://... 주소</translation>
    </message>
    <message>
        <source>for example School holidays</source>
        <translation>예: 학교 휴일</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>구독</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>All-day events of the calendar become days without bells. It is fetched now, at every start and once a day.</source>
        <translation>달력의 종일 일정은 벨 없는 날이 됩니다. 달력은 지금 가져오고, 시작할 때마다 그리고 하루에 한 번 다시 가져옵니다.</translation>
    </message>
    <message>
        <source>The calendar was not subscribed to: %1.</source>
        <translation>달력을 구독하지 못했습니다: %1.</translation>
    </message>
    <message>
        <source>Import iCalendar</source>
        <translation>iCalendar 가져오기</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ical);;All files (*)</source>
        <extracomment>File dialog filters: keep the patterns in brackets as they are</extracomment>
        <translation>iCalendar 파일 (*.ics *.ical);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a file was not imported; %1 is the system&apos;s reason</extracomment>
        <translation>읽을 수 없음 (%1)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <extracomment>Why a file was not imported</extracomment>
        <translation>%1 MB보다 큼</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <extracomment>%1 is a file name</extracomment>
        <translation>%1 읽는 중...</translation>
    </message>
    <message>
        <source>%1 was not imported: %2. The calendar is unchanged.</source>
        <extracomment>%1 is a file name, %2 why it was not imported</extracomment>
        <translation>%1을(를) 가져오지 않았습니다: %2. 달력은 바뀌지 않았습니다.</translation>
    </message>
    <message>
        <source>%1 events with a time of day</source>
        <translation>시각이 정해진 일정 %1개</translation>
    </message>
    <message>
        <source>%1 events that have ended</source>
        <translation>이미 끝난 일정 %1개</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <extracomment>The events of the file that were not imported, listed with commas between them</extracomment>
        <translation>제외됨: %1.</translation>
    </message>
    <message>
        <source>%1 holds no all-day events from today on; nothing was added. %2</source>
        <extracomment>%1 is a file name, %2 what was left out of it, if anything</extracomment>
        <translation>%1에는 오늘 이후의 종일 일정이 없어 아무것도 추가하지 않았습니다. %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ring the bells with no window, tray or display, as a service started at boot does (see corvalin.service). The bells start as with &quot;Auto execution&quot; on; while a window copy runs this copy waits, and it takes the bells back when that copy ends.</source>
        <translation>창, 트레이, 화면 없이 벨을 울립니다. 부팅할 때 시작되는 서비스처럼 동작합니다(corvalin.service 참고). 벨은 &quot;자동 실행&quot;이 켜져 있을 때처럼 시작합니다. 창이 있는 인스턴스가 실행 중이면 이 인스턴스는 기다렸다가, 그 인스턴스가 끝나면 벨을 넘겨받습니다.</translation>
    </message>
    <message>
        <source>Write the whole set-up (every settings file and your own bell sounds) to &lt;file&gt;, a zip file, and end.</source>
        <translation>전체 구성(모든 설정 파일과 직접 추가한 벨소리)을 zip 파일 &lt;file&gt;에 쓰고 종료합니다.</translation>
    </message>
    <message>
        <source>Replace the set-up with the one in &lt;file&gt;, written by --export or the Set-up menu, and end. Only while no copy of Corvalin runs; nothing changes unless all of it checks out.</source>
        <translation>구성을 &lt;file&gt;(--export 또는 구성 메뉴로 만든 파일)의 구성으로 바꾸고 종료합니다. 실행 중인 Corvalin이 없을 때만 가능하며, 모든 내용이 검증되지 않으면 아무것도 바뀌지 않습니다.</translation>
    </message>
    <message>
        <source>With --export: sign the exported set-up with the secret key in &lt;keyfile&gt; and write the signature beside it, as &lt;file&gt;.sig, for the PCs that follow the published set-up. A key file that cannot sign is refused before anything is written.</source>
        <translation>--export와 함께: 내보낸 구성을 &lt;keyfile&gt;의 비밀 키로 서명하고, 게시된 구성을 따르는 PC를 위해 서명을 그 옆에 &lt;file&gt;.sig로 씁니다. 서명할 수 없는 키 파일은 아무것도 쓰기 전에 거부됩니다.</translation>
    </message>
    <message>
        <source>Make a key pair for signing set-ups: write the secret key to &lt;keyfile&gt;, a new file readable by you alone (an existing file is never written over), print the public key that the following PCs are given, as the last line, and end.</source>
        <translation>구성 서명용 키 쌍을 만듭니다. 비밀 키는 본인만 읽을 수 있는 새 파일 &lt;keyfile&gt;에 쓰고(기존 파일은 덮어쓰지 않음), 따르는 PC에 줄 공개 키를 마지막 줄에 출력한 뒤 종료합니다.</translation>
    </message>
    <message>
        <source>Rings a school&apos;s or a shop&apos;s bells on time, day after day.
Settings live in %1; your own bell sounds in %2.</source>
        <translation>학교나 상점의 벨을 날마다 제시간에 울립니다.
설정은 %1에, 직접 추가한 벨소리는 %2에 있습니다.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Say what the copy of Corvalin that runs for you is doing: the bell service, the next bell, today&apos;s changes, the last bell rung, an alarm signal and the open problems.</source>
        <translation>실행 중인 Corvalin이 무엇을 하고 있는지 알려 줍니다: 벨 서비스, 다음 벨, 오늘의 변경, 마지막으로 울린 벨, 경보 신호, 해결되지 않은 문제.</translation>
    </message>
    <message>
        <source>Ring a bell now, the sound named after the option (as the ring-now button does), or the next bell&apos;s sound when none is named.</source>
        <translation>지금 벨을 울립니다(지금 울리기 버튼과 같음). 옵션 뒤에 적은 소리를 울리며, 적지 않으면 다음 벨의 소리를 울립니다.</translation>
    </message>
    <message>
        <source>Stop the bell, or the alarm signal, that sounds.</source>
        <translation>울리고 있는 벨이나 경보 신호를 멈춥니다.</translation>
    </message>
    <message>
        <source>Skip the next bell, today only.</source>
        <translation>다음 벨을 건너뜁니다(오늘만).</translation>
    </message>
    <message>
        <source>Skip the bell at &lt;time&gt; (hh:mm), today only.</source>
        <translation>&lt;time&gt;(hh:mm)의 벨을 건너뜁니다(오늘만).</translation>
    </message>
    <message>
        <source>Move the bell at &lt;time&gt; to the time given after it, today only: --move 10:15 10:45.</source>
        <translation>&lt;time&gt;의 벨을 그 뒤에 적은 시각으로 옮깁니다(오늘만): --move 10:15 10:45.</translation>
    </message>
    <message>
        <source>Add a bell at &lt;time&gt;, ringing the sound named after it, today only: --add 12:10 school-bell.wav.</source>
        <translation>&lt;time&gt;에 그 뒤에 적은 소리로 울리는 벨을 추가합니다(오늘만): --add 12:10 school-bell.wav.</translation>
    </message>
    <message>
        <source>Ring no bells today.</source>
        <translation>오늘은 벨을 울리지 않습니다.</translation>
    </message>
    <message>
        <source>Ring templet &lt;n&gt; (1 to 6) today, in place of the day&apos;s own times.</source>
        <translation>오늘은 그날의 시각 대신 템플릿 &lt;n&gt;(1~6)을 울립니다.</translation>
    </message>
    <message>
        <source>Undo today&apos;s change &lt;n&gt; (from 0, in the order --status lists them), or all of them.</source>
        <translation>오늘의 변경 &lt;n&gt;(0부터, --status가 나열하는 순서)을 되돌리거나, 모두 되돌립니다.</translation>
    </message>
    <message>
        <source>Sound the alarm signal &lt;name&gt; at once, with no question.</source>
        <translation>경보 신호 &lt;name&gt;을(를) 묻지 않고 바로 울립니다.</translation>
    </message>
    <message>
        <source>Stop the alarm signal that sounds.</source>
        <translation>울리고 있는 경보 신호를 멈춥니다.</translation>
    </message>
    <message>
        <source>Start the bell service, as the start button does.</source>
        <translation>시작 버튼처럼 벨 서비스를 시작합니다.</translation>
    </message>
    <message>
        <source>Stop the bell service, as the stop button does.</source>
        <translation>정지 버튼처럼 벨 서비스를 정지합니다.</translation>
    </message>
    <message>
        <source>Follow the set-up published at &lt;address&gt; (https://, or http:// on a LAN), signed with the publisher&apos;s key given with --key: it is fetched at start and every 15 minutes and applied when its signature and contents check out. Without a copy running, kept for the next start.</source>
        <translation>&lt;address&gt;(https://, LAN에서는 http://)에 게시되고 --key로 준 게시자 키로 서명된 구성을 따릅니다. 시작할 때와 15분마다 가져오며, 서명과 내용이 검증되면 적용합니다. 실행 중인 Corvalin이 없으면 다음 시작 때를 위해 저장합니다.</translation>
    </message>
    <message>
        <source>Follow no set-up any more; the set-up in use stays, as this computer&apos;s own.</source>
        <translation>더 이상 구성을 따르지 않습니다. 사용 중인 구성은 이 컴퓨터 자체의 구성으로 남습니다.</translation>
    </message>
    <message>
        <source>Fetch the followed set-up now.</source>
        <translation>따르는 구성을 지금 가져옵니다.</translation>
    </message>
    <message>
        <source>Serve the staff web page (HTTPS) from now on and at every start: on every address, port 8443, or on the port or address:port given after it (--web-on 192.0.2.10:8443). Without a copy running, kept for the next start.</source>
        <translation>지금부터 그리고 시작할 때마다 직원 웹 페이지(HTTPS)를 제공합니다. 모든 주소의 8443 포트, 또는 뒤에 적은 포트나 주소:포트에서 제공합니다(--web-on 192.0.2.10:8443). 실행 중인 Corvalin이 없으면 다음 시작 때를 위해 저장합니다.</translation>
    </message>
    <message>
        <source>Serve the staff web page no more.</source>
        <translation>직원 웹 페이지를 더 이상 제공하지 않습니다.</translation>
    </message>
    <message>
        <source>Add an account for the staff web page, or give one a new password and role: --role alarm (raise and stop alarms; the default) or --role office (also today&apos;s changes, ring now, stop bell, start and stop). The password is read from standard input, one line, or asked twice on a terminal.</source>
        <translation>직원 웹 페이지 계정을 추가하거나, 계정에 새 비밀번호와 역할을 줍니다: --role alarm(경보 울리기와 멈추기, 기본값) 또는 --role office(오늘의 변경, 지금 울리기, 벨 정지, 시작과 정지도 가능). 비밀번호는 표준 입력에서 한 줄로 읽거나, 터미널에서 두 번 묻습니다.</translation>
    </message>
    <message>
        <source>Remove the staff web page&apos;s account &lt;name&gt;; its sessions end.</source>
        <translation>직원 웹 페이지 계정 &lt;name&gt;을(를) 삭제합니다. 그 계정의 세션은 끝납니다.</translation>
    </message>
    <message>
        <source>List the staff web page&apos;s accounts and their roles.</source>
        <translation>직원 웹 페이지 계정과 그 역할을 나열합니다.</translation>
    </message>
    <message>
        <source>With --status: as one JSON object, for a script.</source>
        <translation>--status와 함께: 스크립트용 JSON 객체 하나로 출력합니다.</translation>
    </message>
    <message>
        <source>With --follow: the publisher&apos;s public key.</source>
        <translation>--follow와 함께: 게시자의 공개 키.</translation>
    </message>
    <message>
        <source>With --staff-add: what the account may do (alarm when not given).</source>
        <translation>--staff-add와 함께: 계정이 할 수 있는 일(주지 않으면 alarm).</translation>
    </message>
</context>
<context>
    <name>CopyDaysDialog</name>
    <message>
        <source>Copy to days</source>
        <translation>다른 요일에 복사</translation>
    </message>
    <message>
        <source>Copy the list of %1 to:</source>
        <extracomment>%1 is the day whose list is copied</extracomment>
        <translation>%1의 목록을 복사할 요일:</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
</context>
<context>
    <name>FollowPanel</name>
    <message>
        <source>Follow a set-up...</source>
        <translation>구성 따르기...</translation>
    </message>
    <message>
        <source>Refresh the followed set-up</source>
        <translation>따르는 구성 새로 고침</translation>
    </message>
    <message>
        <source>Stop following</source>
        <translation>따르기 중지</translation>
    </message>
    <message>
        <source>Managed from %1; change it there</source>
        <extracomment>%1: the web address the set-up is followed from</extracomment>
        <translation>%1에서 관리됨. 그곳에서 변경하세요</translation>
    </message>
    <message>
        <source>Follow a set-up</source>
        <translation>구성 따르기</translation>
    </message>
    <message>
        <source>This computer takes its set-up from a web address, as it is published there and signed by its publisher, and keeps it up to date (at start and every 15 minutes). Its settings are then changed only there.</source>
        <translation>이 컴퓨터는 웹 주소에 게시되고 게시자가 서명한 구성을 그대로 가져와 최신 상태로 유지합니다(시작할 때와 15분마다). 그 뒤로 설정은 그곳에서만 바꿀 수 있습니다.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>주소</translation>
    </message>
    <message>
        <source>Publisher&apos;s public key</source>
        <translation>게시자 공개 키</translation>
    </message>
    <message>
        <source>Follow</source>
        <extracomment>Starts following the set-up at the address</extracomment>
        <translation>따르기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>this copy cannot follow a set-up</source>
        <translation>이 인스턴스는 구성을 따를 수 없습니다</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>주소:</translation>
    </message>
    <message>
        <source>Publisher&apos;s public key:</source>
        <translation>게시자 공개 키:</translation>
    </message>
</context>
<context>
    <name>FrmBellCount</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>FrmCountDown</name>
    <message>
        <source>Countdown</source>
        <translation>카운트다운</translation>
    </message>
    <message>
        <source>시간</source>
        <extracomment>&quot;hours&quot;</extracomment>
        <translation>시간</translation>
    </message>
    <message>
        <source>분</source>
        <extracomment>&quot;minutes&quot;</extracomment>
        <translation>분</translation>
    </message>
    <message>
        <source>초 카운트다운</source>
        <extracomment>&quot;seconds countdown&quot;</extracomment>
        <translation>초 카운트다운</translation>
    </message>
    <message>
        <source>Hours to count</source>
        <translation>카운트할 시간</translation>
    </message>
    <message>
        <source>Minutes to count</source>
        <translation>카운트할 분</translation>
    </message>
    <message>
        <source>Seconds to count</source>
        <translation>카운트할 초</translation>
    </message>
    <message>
        <source>Step the hours</source>
        <translation>시간 조정</translation>
    </message>
    <message>
        <source>Step the minutes</source>
        <translation>분 조정</translation>
    </message>
    <message>
        <source>Step the seconds</source>
        <translation>초 조정</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>남은 시간</translation>
    </message>
    <message>
        <source>Count start</source>
        <translation>카운트 시작</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>Resumes the paused count</extracomment>
        <translation>계속</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Count exit</source>
        <extracomment>Ends the count</extracomment>
        <translation>카운트 종료</translation>
    </message>
</context>
<context>
    <name>FrmFullScreen</name>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>Resumes the paused count</extracomment>
        <translation>계속</translation>
    </message>
    <message>
        <source>Small window</source>
        <extracomment>Back from the full-screen view to the countdown&apos;s small window</extracomment>
        <translation>작은 창</translation>
    </message>
</context>
<context>
    <name>FrmSyncError</name>
    <message>
        <source>Because failure of connecting in the Internet time server, it cannot fix time.</source>
        <extracomment>&quot;The clock cannot be set: the internet time server could not be reached.&quot;</extracomment>
        <translation>인터넷 시간 서버에 연결하지 못해 시계를 맞출 수 없습니다.</translation>
    </message>
    <message>
        <source>Please confirm network condition which probably is normal.</source>
        <extracomment>&quot;Please check that the network works as it should.&quot;</extracomment>
        <translation>네트워크가 정상적으로 작동하는지 확인하세요.</translation>
    </message>
    <message>
        <source>If this warning window are opened frequently, it means that the network condition is unstable. therefore, you not be able to use internet time function.</source>
        <extracomment>&quot;If this warning comes up often, the network is unstable, and the internet time cannot be used.&quot;</extracomment>
        <translation>이 경고가 자주 나타나면 네트워크가 불안정한 것이므로 인터넷 시간 기능을 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>So, please cancel the check box [Internet time] of Corvalin main window.</source>
        <extracomment>&quot;Then please untick [Internet time] in Corvalin&apos;s main window.&quot; Keep the box&apos;s name as the main window shows it.</extracomment>
        <translation>이 경우 Corvalin 기본 창에서 [인터넷 시간] 체크를 해제하세요.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>FullScreenWindow</name>
    <message>
        <source>Time left</source>
        <translation>남은 시간</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>현재 시각</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Start page</source>
        <extracomment>The manual&apos;s start page: its contents and the point of caution
----------
Goes to the manual&apos;s start page</extracomment>
        <translation>시작 페이지</translation>
    </message>
    <message>
        <source>Set up a week of bells</source>
        <translation>한 주의 벨 설정하기</translation>
    </message>
    <message>
        <source>A day made from lessons</source>
        <translation>수업으로 하루 만들기</translation>
    </message>
    <message>
        <source>Today&apos;s changes</source>
        <translation>오늘의 변경</translation>
    </message>
    <message>
        <source>Alarm signals</source>
        <translation>경보 신호</translation>
    </message>
    <message>
        <source>The staff web page</source>
        <translation>직원 웹 페이지</translation>
    </message>
    <message>
        <source>Calendar and feeds</source>
        <translation>달력과 피드</translation>
    </message>
    <message>
        <source>Backup and moving to another PC</source>
        <translation>백업과 다른 PC로 옮기기</translation>
    </message>
    <message>
        <source>Following a district&apos;s set-up</source>
        <translation>교육청 구성 따르기</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>help-language</source>
        <extracomment>The folder of the operator&apos;s manual in this translation&apos;s language, its two-letter code (assets/help/&lt;code&gt;/): &quot;de&quot; for German. Left as it is, the desktop&apos;s language decides.</extracomment>
        <translation>ko</translation>
    </message>
    <message>
        <source>Corvalin Help</source>
        <translation>Corvalin 도움말</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>목차</translation>
    </message>
    <message>
        <source>The pages of the manual; choose one to read it</source>
        <translation>설명서의 페이지입니다. 읽을 페이지를 고르세요</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>도움말 페이지</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>앞으로</translation>
    </message>
    <message>
        <source>What to do?</source>
        <translation>어떻게 하나요?</translation>
    </message>
    <message>
        <source>Opens the manual&apos;s page on this warning</source>
        <translation>이 경고에 대한 설명서 페이지를 엽니다</translation>
    </message>
</context>
<context>
    <name>IcsPreview</name>
    <message>
        <source>Add</source>
        <extracomment>Adds the new days of the file to the calendar</extracomment>
        <translation>추가</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Import iCalendar</source>
        <translation>iCalendar 가져오기</translation>
    </message>
    <message>
        <source>Days in the file</source>
        <translation>파일의 날짜</translation>
    </message>
    <message>
        <source>%1   %2   (already in the calendar)</source>
        <extracomment>An exception of the file (its days, its label) that the calendar holds already</extracomment>
        <translation>%1   %2   (이미 달력에 있음)</translation>
    </message>
    <message>
        <source>%1: %2 all-day events from today on, %3 of them new. The new ones are added as &quot;no bells&quot; exceptions.</source>
        <extracomment>%1 is a file name, %2 and %3 numbers of events; &quot;no bells&quot; as the calendar window shows it</extracomment>
        <translation>%1: 오늘 이후의 종일 일정 %2개, 그중 새 일정 %3개. 새 일정은 &quot;벨 없음&quot; 예외로 추가됩니다.</translation>
    </message>
</context>
<context>
    <name>Info1</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Corvalin infomation</source>
        <extracomment>&quot;Corvalin information&quot;: the title of the window with the program&apos;s version</extracomment>
        <translation>Corvalin 정보</translation>
    </message>
    <message>
        <source>Corvalin version %1</source>
        <translation>Corvalin 버전 %1</translation>
    </message>
    <message>
        <source>Rings the bells of a school or a shop, on time, day after day.</source>
        <translation>학교나 상점의 벨을 매일 제시간에 울립니다.</translation>
    </message>
</context>
<context>
    <name>IntervalPanel</name>
    <message>
        <source>Apply</source>
        <extracomment>Takes the sound chosen in the sound list for this bell</extracomment>
        <translation>적용</translation>
    </message>
    <message>
        <source>Set start  and end time</source>
        <extracomment>&quot;Set start and end time&quot; (of the day&apos;s bells)</extracomment>
        <translation>시작 및 종료 시각 설정</translation>
    </message>
    <message>
        <source>hr</source>
        <extracomment>Unit after an hour box: hours</extracomment>
        <translation>시</translation>
    </message>
    <message>
        <source>min</source>
        <extracomment>Unit after a minute box: minutes</extracomment>
        <translation>분</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Start of the day&apos;s bells (a time)
----------
A pre-bell some minutes after the lesson&apos;s bell</extracomment>
        <translation>시작</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>End of the day&apos;s bells (a time)
----------
A pre-bell some minutes before the break&apos;s bell</extracomment>
        <translation>종료</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>시작 시</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>시작 분</translation>
    </message>
    <message>
        <source>End hour</source>
        <translation>종료 시</translation>
    </message>
    <message>
        <source>End minute</source>
        <translation>종료 분</translation>
    </message>
    <message>
        <source>The Up and Down keys step it</source>
        <translation>위/아래 키로 조정합니다</translation>
    </message>
    <message>
        <source>Set time interval</source>
        <translation>시간 간격 설정</translation>
    </message>
    <message>
        <source>Work time</source>
        <extracomment>The length of a lesson</extracomment>
        <translation>수업 시간</translation>
    </message>
    <message>
        <source>Rest time</source>
        <extracomment>The length of a break</extracomment>
        <translation>쉬는 시간</translation>
    </message>
    <message>
        <source>%1 in minutes</source>
        <extracomment>%1: &quot;Work time&quot; or &quot;Rest time&quot;; the box holds minutes</extracomment>
        <translation>%1(분)</translation>
    </message>
    <message>
        <source>Set start bell sound</source>
        <translation>시작 벨소리 설정</translation>
    </message>
    <message>
        <source>Work</source>
        <extracomment>The sound of the bell that starts a lesson</extracomment>
        <translation>수업</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The sound of the bell that starts a break</extracomment>
        <translation>쉬는 시간</translation>
    </message>
    <message>
        <source>Sound of the lesson&apos;s bell</source>
        <translation>수업 벨소리</translation>
    </message>
    <message>
        <source>Sound of the break&apos;s bell</source>
        <translation>쉬는 시간 벨소리</translation>
    </message>
    <message>
        <source>Apply the chosen sound to the lesson&apos;s bell</source>
        <translation>고른 소리를 수업 벨에 적용</translation>
    </message>
    <message>
        <source>Apply the chosen sound to the break&apos;s bell</source>
        <translation>고른 소리를 쉬는 시간 벨에 적용</translation>
    </message>
    <message>
        <source>Alarm before and after bell time (After check,Apply sound)</source>
        <extracomment>&quot;Pre-bells before and after the bell time (check one, then apply its sound)&quot;</extracomment>
        <translation>벨 시각 전후 예비벨 (체크한 뒤 소리 적용)</translation>
    </message>
    <message>
        <source>min after</source>
        <extracomment>Minutes after the lesson&apos;s bell</extracomment>
        <translation>분 후</translation>
    </message>
    <message>
        <source>min before</source>
        <extracomment>Minutes before the break&apos;s bell</extracomment>
        <translation>분 전</translation>
    </message>
    <message>
        <source>Minutes after the lesson&apos;s bell</source>
        <translation>수업 벨 몇 분 후</translation>
    </message>
    <message>
        <source>Minutes before the break&apos;s bell</source>
        <translation>쉬는 시간 벨 몇 분 전</translation>
    </message>
    <message>
        <source>Sound of the pre-bell after the lesson&apos;s bell</source>
        <translation>수업 벨 후 예비벨 소리</translation>
    </message>
    <message>
        <source>Sound of the pre-bell before the break&apos;s bell</source>
        <translation>쉬는 시간 벨 전 예비벨 소리</translation>
    </message>
    <message>
        <source>Apply the chosen sound to the pre-bell after the lesson&apos;s bell</source>
        <translation>고른 소리를 수업 벨 후 예비벨에 적용</translation>
    </message>
    <message>
        <source>Apply the chosen sound to the pre-bell before the break&apos;s bell</source>
        <translation>고른 소리를 쉬는 시간 벨 전 예비벨에 적용</translation>
    </message>
    <message>
        <source>Select bell sound from [Select bell sound]</source>
        <translation>[벨소리 선택]에서 벨소리를 고르세요</translation>
    </message>
</context>
<context>
    <name>IsAutoExitForm</name>
    <message>
        <source>Reservation computer exit</source>
        <extracomment>&quot;Booked switching off of the computer&quot;</extracomment>
        <translation>컴퓨터 예약 종료</translation>
    </message>
    <message>
        <source>Exit time (Type 24Hour)</source>
        <extracomment>The time of day at which the computer is switched off, on the 24-hour clock</extracomment>
        <translation>종료 시각 (24시간제)</translation>
    </message>
    <message>
        <source>hr</source>
        <extracomment>Short for &quot;hours&quot;, after the hour box</extracomment>
        <translation>시</translation>
    </message>
    <message>
        <source>min</source>
        <extracomment>Short for &quot;minutes&quot;, after the minute box</extracomment>
        <translation>분</translation>
    </message>
    <message>
        <source>Exit hour</source>
        <translation>종료 시</translation>
    </message>
    <message>
        <source>Exit minute</source>
        <translation>종료 분</translation>
    </message>
    <message>
        <source>Step the hour</source>
        <translation>시 조정</translation>
    </message>
    <message>
        <source>Step the minute</source>
        <translation>분 조정</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tray</source>
        <extracomment>The title strip&apos;s button that hides the window into the tray</extracomment>
        <translation>트레이</translation>
    </message>
    <message>
        <source>Hides the window into the tray; the bells go on</source>
        <translation>창을 트레이로 숨깁니다. 벨은 계속 울립니다</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The menu strip&apos;s entry that ends the program
----------
The tray menu&apos;s entry that ends the program</extracomment>
        <translation>종료</translation>
    </message>
    <message>
        <source>Infomation</source>
        <extracomment>&quot;Information&quot;: the program&apos;s version and maker</extracomment>
        <translation>정보</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Countdown</source>
        <extracomment>A countdown the operator sets, which rings the bell at zero</extracomment>
        <translation>카운트다운</translation>
    </message>
    <message>
        <source>Countdown next bell</source>
        <extracomment>The time left until the next bell, shown large</extracomment>
        <translation>다음 벨까지 카운트다운</translation>
    </message>
    <message>
        <source>Calendar</source>
        <extracomment>The school calendar</extracomment>
        <translation>달력</translation>
    </message>
    <message>
        <source>Set-up</source>
        <translation>구성</translation>
    </message>
    <message>
        <source>Ring log</source>
        <translation>벨 기록</translation>
    </message>
    <message>
        <source>Alarm</source>
        <extracomment>The alarm signals (fire, lockdown...)</extracomment>
        <translation>경보</translation>
    </message>
    <message>
        <source>Export...</source>
        <extracomment>Exports the whole set-up to one file</extracomment>
        <translation>내보내기...</translation>
    </message>
    <message>
        <source>Import...</source>
        <extracomment>Imports a set-up file in place of this computer&apos;s set-up</extracomment>
        <translation>가져오기...</translation>
    </message>
    <message>
        <source>Opens the ring log</source>
        <translation>벨 기록을 엽니다</translation>
    </message>
    <message>
        <source>Open Window</source>
        <extracomment>The tray menu&apos;s entry that brings the window back</extracomment>
        <translation>창 열기</translation>
    </message>
    <message>
        <source>Set time mode</source>
        <extracomment>How the bell times are set: by intervals or typed one by one</extracomment>
        <translation>시각 설정 방식</translation>
    </message>
    <message>
        <source>Auto interval</source>
        <extracomment>The bell times made from a start, an end and intervals</extracomment>
        <translation>자동 간격</translation>
    </message>
    <message>
        <source>Manual input</source>
        <extracomment>The bell times typed one by one</extracomment>
        <translation>직접 입력</translation>
    </message>
    <message>
        <source>Apply day</source>
        <extracomment>Which days the bell times apply to</extracomment>
        <translation>적용 요일</translation>
    </message>
    <message>
        <source>Apply week</source>
        <extracomment>The same bell times every day of the week</extracomment>
        <translation>매일 동일</translation>
    </message>
    <message>
        <source>Set each day</source>
        <extracomment>Bell times of their own for each day of the week</extracomment>
        <translation>요일별 설정</translation>
    </message>
    <message>
        <source>Select day</source>
        <translation>요일 선택</translation>
    </message>
    <message>
        <source>Day shown</source>
        <translation>표시된 요일</translation>
    </message>
    <message>
        <source>No rings</source>
        <extracomment>The day has no bells</extracomment>
        <translation>벨 없음</translation>
    </message>
    <message>
        <source>Copy to days...</source>
        <translation>다른 요일에 복사...</translation>
    </message>
    <message>
        <source>System language</source>
        <extracomment>The language the computer&apos;s own settings ask for</extracomment>
        <translation>시스템 언어</translation>
    </message>
    <message>
        <source>Original texts</source>
        <extracomment>The texts as the program&apos;s code has them, with no translation (English and Korean mixed)</extracomment>
        <translation>원문</translation>
    </message>
    <message>
        <source>The language could not be kept: %1</source>
        <translation>언어 설정을 저장하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>The language is changed at the next start of Corvalin.</source>
        <translation>언어는 Corvalin을 다음에 시작할 때 바뀝니다.</translation>
    </message>
    <message>
        <source>Error Number : </source>
        <translation>오류 번호 : </translation>
    </message>
    <message>
        <source>Dedicated %1 soundcard</source>
        <extracomment>%1 is the program&apos;s name: the sound card kept for the bells alone</extracomment>
        <translation>%1 전용 사운드 카드</translation>
    </message>
    <message>
        <source>The bells go on: Corvalin keeps running here. To end it, choose Exit in this icon&apos;s menu.</source>
        <translation>벨은 계속 울립니다. Corvalin은 여기서 계속 실행됩니다. 끝내려면 이 아이콘의 메뉴에서 종료를 선택하세요.</translation>
    </message>
    <message>
        <source>The school calendar is managed from %1 with the rest of the set-up; change it there.</source>
        <extracomment>%1 is the web address the set-up is followed from</extracomment>
        <translation>학교 달력은 나머지 구성과 함께 %1에서 관리됩니다. 그곳에서 변경하세요.</translation>
    </message>
    <message>
        <source>%1 already has a list of its own. Replace it with the list of %2?</source>
        <extracomment>%1 is one day, %2 the day whose list is copied</extracomment>
        <translation>%1에는 이미 자체 목록이 있습니다. %2의 목록으로 바꿀까요?</translation>
    </message>
    <message>
        <source>%1 already have lists of their own. Replace them with the list of %2?</source>
        <extracomment>%1 lists several days, %2 is the day whose list is copied</extracomment>
        <translation>%1에는 이미 자체 목록이 있습니다. %2의 목록으로 바꿀까요?</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the days of a list</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Copy to days</source>
        <translation>다른 요일에 복사</translation>
    </message>
    <message>
        <source>templet%1</source>
        <extracomment>&quot;template %1&quot;: the %1st of the stored day lists the day selector offers after Saturday</extracomment>
        <translation>템플릿 %1</translation>
    </message>
    <message>
        <source>All days</source>
        <extracomment>The day selector&apos;s caption while the same times apply to every day</extracomment>
        <translation>모든 요일</translation>
    </message>
    <message>
        <source>Click arrow in right [Select day], Seting each day bell time.</source>
        <extracomment>&quot;Click the arrows on the right of [Select day] to set each day&apos;s bell times.&quot;</extracomment>
        <translation>[요일 선택] 오른쪽의 화살표를 눌러 요일별 벨 시각을 설정하세요.</translation>
    </message>
    <message>
        <source>Bell time offset...</source>
        <translation>벨 시각 보정...</translation>
    </message>
    <message>
        <source>Bell time offset</source>
        <translation>벨 시각 보정</translation>
    </message>
    <message>
        <source>Every bell rings this many seconds after the computer&apos;s clock (before it when negative), so that the bells match the building&apos;s clocks:</source>
        <translation>모든 벨이 컴퓨터 시계보다 이 초만큼 늦게(음수이면 일찍) 울려, 건물의 시계와 맞춥니다:</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>Seconds, after a number</extracomment>
        <translation> 초</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>%1

Click to open the ring log</source>
        <extracomment>%1 is the problem, as the ring log has it</extracomment>
        <translation>%1

클릭하면 벨 기록을 엽니다</translation>
    </message>
    <message>
        <source>Corvalin set-up (*.zip)</source>
        <extracomment>The file dialog&apos;s filter; keep &quot;(*.zip)&quot; as it is</extracomment>
        <translation>Corvalin 구성 (*.zip)</translation>
    </message>
    <message>
        <source>Export the set-up</source>
        <translation>구성 내보내기</translation>
    </message>
    <message>
        <source>The set-up was not exported: %1</source>
        <extracomment>%1 says why</extracomment>
        <translation>구성을 내보내지 못했습니다: %1</translation>
    </message>
    <message>
        <source>The set-up was exported to %1.</source>
        <translation>구성을 %1(으)로 내보냈습니다.</translation>
    </message>
    <message>
        <source>The set-up was exported to %1. The signature of an older set-up beside it, %2, was removed.</source>
        <extracomment>%1 is the set-up&apos;s file, %2 the signature file beside it</extracomment>
        <translation>구성을 %1(으)로 내보냈습니다. 그 옆에 있던 이전 구성의 서명 %2은(는) 삭제했습니다.</translation>
    </message>
    <message>
        <source>The set-up was exported to %1. The signature of an older set-up beside it, %2, does not match it and could not be removed: remove it before publishing the set-up.</source>
        <extracomment>%1 is the set-up&apos;s file, %2 the signature file beside it</extracomment>
        <translation>구성을 %1(으)로 내보냈습니다. 그 옆에 있는 이전 구성의 서명 %2이(가) 새 구성과 맞지 않는데 삭제하지 못했습니다. 구성을 게시하기 전에 삭제하세요.</translation>
    </message>
    <message>
        <source>Import a set-up</source>
        <translation>구성 가져오기</translation>
    </message>
    <message>
        <source>%1. Nothing was changed.</source>
        <extracomment>%1 says why the file cannot be imported</extracomment>
        <translation>%1. 아무것도 바뀌지 않았습니다.</translation>
    </message>
    <message>
        <source>%1

Replace the set-up of this computer with this one? Its settings take the place of every setting now in use; the bell service, if it runs, starts again with them.</source>
        <extracomment>%1 describes what the file holds</extracomment>
        <translation>%1

이 컴퓨터의 구성을 이 구성으로 바꿀까요? 지금 쓰는 모든 설정이 이 구성의 설정으로 바뀌며, 벨 서비스가 실행 중이면 새 설정으로 다시 시작합니다.</translation>
    </message>
    <message>
        <source>Skip next bell (%1)</source>
        <extracomment>%1 is the next bell&apos;s time, as 10:50</extracomment>
        <translation>다음 벨 건너뛰기 (%1)</translation>
    </message>
    <message>
        <source>%1-Alarm: %2</source>
        <extracomment>%1 is the program&apos;s name, %2 the alarm signal that sounds</extracomment>
        <translation>%1-경보: %2</translation>
    </message>
    <message>
        <source>%1-Stop</source>
        <extracomment>%1 is the program&apos;s name: the bells are stopped</extracomment>
        <translation>%1-정지</translation>
    </message>
    <message>
        <source>%1-Excuting...</source>
        <extracomment>%1 is the program&apos;s name: &quot;Executing...&quot;, the bells run</extracomment>
        <translation>%1-실행 중...</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Auto execution</source>
        <extracomment>Start Corvalin when the computer starts (a user logs on)</extracomment>
        <translation>자동 실행</translation>
    </message>
    <message>
        <source>If you want Corvalin to operate automatically at computer start time.</source>
        <translation>컴퓨터를 시작할 때 Corvalin이 자동으로 실행되게 합니다.</translation>
    </message>
    <message>
        <source>No sound at bell</source>
        <extracomment>Silence the computer&apos;s other sounds while a bell rings</extracomment>
        <translation>다른 소리 끄기</translation>
    </message>
    <message>
        <source>Silences the computer&apos;s other sounds while a bell rings</source>
        <translation>벨이 울리는 동안 컴퓨터의 다른 소리를 끕니다</translation>
    </message>
    <message>
        <source>Repeating bell</source>
        <translation>반복 벨</translation>
    </message>
    <message>
        <source>if you click [Stop Bell], bell sound will be stoped.</source>
        <extracomment>&quot;If you click [Stop bell], the bell sound stops.&quot;</extracomment>
        <translation>[벨 정지]를 누르면 벨소리가 멈춥니다.</translation>
    </message>
    <message>
        <source>Internet time</source>
        <translation>인터넷 시간</translation>
    </message>
    <message>
        <source>At real-time it synchronizes a computer time in standard time.</source>
        <extracomment>&quot;It keeps the computer&apos;s clock set to the standard time.&quot;</extracomment>
        <translation>컴퓨터 시계를 표준 시간에 맞춰 둡니다.</translation>
    </message>
    <message>
        <source>Reservation Exit</source>
        <extracomment>&quot;Booked power-off&quot;: the computer is switched off at a set time every day</extracomment>
        <translation>예약 종료</translation>
    </message>
    <message>
        <source>Switches the computer off at a set time every day</source>
        <translation>매일 정한 시각에 컴퓨터를 끕니다</translation>
    </message>
    <message>
        <source>Because, this function purge computer default soundcard at bell time, so, computer lings only Corvalin at bell time.

벨소리 재생이 끝난 후 컴퓨터 기본 사운드카드를 다시 활성화시킵니다. 

컴퓨터로 음악을 내보내는 곳(카페나 편의점등의 상점)에서 필요한 기능입니다.</source>
        <extracomment>&quot;This silences the computer&apos;s default sound card at bell time, so the computer plays only Corvalin&apos;s bell then. [Korean:] When the bell sound ends the computer&apos;s default sound card is turned on again. [Korean:] A function needed where a computer plays music (shops such as cafés or convenience stores).&quot;</extracomment>
        <translation>벨이 울릴 때 컴퓨터의 기본 사운드 카드를 무음으로 하여, 그때는 Corvalin의 벨만 들리게 합니다.

벨소리 재생이 끝나면 컴퓨터 기본 사운드 카드를 다시 켭니다.

컴퓨터로 음악을 트는 곳(카페나 편의점 같은 상점)에 필요한 기능입니다.</translation>
    </message>
    <message>
        <source>It uses the Internet time server, at real-time it synchronizes a computer time in standard time.</source>
        <extracomment>&quot;It uses an internet time server to keep the computer&apos;s clock set to the standard time.&quot;</extracomment>
        <translation>인터넷 시간 서버를 사용해 컴퓨터 시계를 표준 시간에 맞춰 둡니다.</translation>
    </message>
    <message>
        <source>at %1:%2</source>
        <extracomment>The booked power-off&apos;s time: %1 hours, %2 minutes</extracomment>
        <translation>%1:%2에</translation>
    </message>
</context>
<context>
    <name>RingLogWindow</name>
    <message>
        <source>Ring log</source>
        <translation>벨 기록</translation>
    </message>
    <message>
        <source>Every bell rung and every problem, newest last</source>
        <translation>울린 모든 벨과 모든 문제 (최신 항목이 맨 아래)</translation>
    </message>
    <message>
        <source>The ring log %1 cannot be shown: %2.</source>
        <extracomment>%1 is the ring log&apos;s file, %2 says why</extracomment>
        <translation>벨 기록 %1을(를) 표시할 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>Nothing has been logged yet.</source>
        <translation>아직 기록된 내용이 없습니다.</translation>
    </message>
</context>
<context>
    <name>ServicePanel</name>
    <message>
        <source>Next bell</source>
        <translation>다음 벨</translation>
    </message>
    <message>
        <source>Next sound</source>
        <translation>다음 소리</translation>
    </message>
    <message>
        <source>Now state</source>
        <translation>현재 상태</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Starts the bell service</extracomment>
        <translation>시작</translation>
    </message>
    <message>
        <source>Starts the bells with the settings shown</source>
        <translation>표시된 설정으로 벨을 시작합니다</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stops the bell service</extracomment>
        <translation>정지</translation>
    </message>
    <message>
        <source>Stops the bells</source>
        <translation>벨을 정지합니다</translation>
    </message>
    <message>
        <source>Now time :</source>
        <translation>현재 시각 :</translation>
    </message>
    <message>
        <source>Today :</source>
        <translation>오늘 :</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>The bell service&apos;s state: stopped</extracomment>
        <translation>꺼짐</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The bell service&apos;s state: running</extracomment>
        <translation>켜짐</translation>
    </message>
    <message>
        <source>NEXT DAY</source>
        <extracomment>No bell is left today: the next one rings on another day</extracomment>
        <translation>다음 날</translation>
    </message>
    <message>
        <source>%1hr %2min</source>
        <translation>%1시 %2분</translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation>오늘은 벨 없음</translation>
    </message>
    <message>
        <source>Templet %1 rings today</source>
        <extracomment>&quot;Templet&quot;: template (a saved list of bell times)</extracomment>
        <translation>오늘은 템플릿 %1 울림</translation>
    </message>
    <message>
        <source>(bells %1%2 s)</source>
        <extracomment>The bells&apos; offset from this clock: %1 the sign, %2 the seconds; &quot;s&quot;: seconds</extracomment>
        <translation>(벨 %1%2초)</translation>
    </message>
    <message>
        <source>Every bell rings %1 s before this clock</source>
        <translation>모든 벨이 이 시계보다 %1초 일찍 울립니다</translation>
    </message>
    <message>
        <source>Every bell rings %1 s after this clock</source>
        <translation>모든 벨이 이 시계보다 %1초 늦게 울립니다</translation>
    </message>
</context>
<context>
    <name>SndSelect</name>
    <message>
        <source>Select dedicated soundcard</source>
        <translation>전용 사운드 카드 선택</translation>
    </message>
    <message>
        <source>Default output</source>
        <translation>기본 출력</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>Stores the chosen sound card</extracomment>
        <translation>설정</translation>
    </message>
    <message>
        <source>Sound card</source>
        <translation>사운드 카드</translation>
    </message>
    <message>
        <source>The sound card the bells play on; none chosen: the default output</source>
        <translation>벨을 재생할 사운드 카드. 선택하지 않으면 기본 출력</translation>
    </message>
    <message>
        <source>Clears the choice: the bells follow the system&apos;s output</source>
        <translation>선택을 지웁니다. 벨은 시스템 출력을 따릅니다</translation>
    </message>
</context>
<context>
    <name>SoundsPanel</name>
    <message>
        <source>Select bell sound</source>
        <translation>벨소리 선택</translation>
    </message>
    <message>
        <source>Bell sounds</source>
        <translation>벨소리</translation>
    </message>
    <message>
        <source>The sound folder&apos;s sounds; the one chosen rings now and is given to the bells added</source>
        <translation>사운드 폴더의 소리입니다. 고른 소리는 지금 울리기와 새로 추가하는 벨에 쓰입니다</translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation>지금 울리기</translation>
    </message>
    <message>
        <source>Stop bell</source>
        <translation>벨 정지</translation>
    </message>
    <message>
        <source>Add sound...</source>
        <translation>소리 추가...</translation>
    </message>
    <message>
        <source>Copies a sound file into the sound folder</source>
        <translation>소리 파일을 사운드 폴더에 복사합니다</translation>
    </message>
    <message>
        <source>Ring now (%1)</source>
        <extracomment>%1: its shortcut, e.g. Ctrl+R</extracomment>
        <translation>지금 울리기 (%1)</translation>
    </message>
    <message>
        <source>Rings the sound chosen in the list now; shortcut %1</source>
        <extracomment>%1: its shortcut, e.g. Ctrl+R</extracomment>
        <translation>목록에서 고른 소리를 지금 울립니다. 단축키 %1</translation>
    </message>
    <message>
        <source>Stop bell (%1)</source>
        <extracomment>%1: its shortcut, e.g. Ctrl+S</extracomment>
        <translation>벨 정지 (%1)</translation>
    </message>
    <message>
        <source>Stops the repeating bell; shortcut %1</source>
        <extracomment>%1: its shortcut, e.g. Ctrl+S</extracomment>
        <translation>반복 중인 벨을 멈춥니다. 단축키 %1</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>Chooses the sound card the bells ring on</extracomment>
        <translation>설정</translation>
    </message>
    <message>
        <source>Chooses the sound card the bells ring on</source>
        <translation>벨을 울릴 사운드 카드를 고릅니다</translation>
    </message>
    <message>
        <source>Not a bell sound: %1</source>
        <translation>벨소리가 아닙니다: %1</translation>
    </message>
    <message>
        <source>Sounds (%1);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters: keep &quot;;;&quot; and &quot;(*)&quot;</extracomment>
        <translation>소리 (%1);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>Add sound</source>
        <translation>소리 추가</translation>
    </message>
    <message>
        <source>%1 was not added: %2.</source>
        <extracomment>%1: a file name; %2: why it was not added</extracomment>
        <translation>%1을(를) 추가하지 않았습니다: %2.</translation>
    </message>
    <message>
        <source>a bell sound is a WAV, FLAC, Ogg Vorbis, Opus or MP3 file, named so (%1)</source>
        <translation>벨소리는 그에 맞는 확장자를 가진 WAV, FLAC, Ogg Vorbis, Opus, MP3 파일이어야 합니다 (%1)</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>읽을 수 없음 (%1)</translation>
    </message>
    <message>
        <source>it is larger than any bell sound</source>
        <translation>벨소리로 쓰기에는 너무 큼</translation>
    </message>
    <message>
        <source>the file is not a sound that can be played</source>
        <translation>재생할 수 있는 소리 파일이 아님</translation>
    </message>
    <message>
        <source>%1 is already in the sound folder. Replace it?</source>
        <translation>%1이(가) 이미 사운드 폴더에 있습니다. 바꿀까요?</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>폴더 %1을(를) 만들 수 없음</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1: why a file could not be written; %2: the file</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>it could not be copied: %1</source>
        <translation>복사할 수 없음: %1</translation>
    </message>
    <message>
        <source>Select bell sound from [Select bell sound]</source>
        <translation>[벨소리 선택]에서 벨소리를 고르세요</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Lower</source>
        <translation>낮추기</translation>
    </message>
    <message>
        <source>Higher</source>
        <translation>높이기</translation>
    </message>
    <message>
        <source>The Up and Down arrow keys change the value</source>
        <translation>위/아래 화살표 키로 값을 바꿉니다</translation>
    </message>
</context>
<context>
    <name>StaffPage</name>
    <message>
        <source>Corvalin staff page</source>
        <translation>Corvalin 직원 페이지</translation>
    </message>
    <message>
        <source>Staff log-in</source>
        <translation>직원 로그인</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>Alarm:</source>
        <translation>경보:</translation>
    </message>
    <message>
        <source>Stop alarm</source>
        <translation>경보 정지</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>경보</translation>
    </message>
    <message>
        <source>Yes, sound it now</source>
        <translation>예, 지금 울립니다</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Next bell</source>
        <translation>다음 벨</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>오늘</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>벨</translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation>지금 울리기</translation>
    </message>
    <message>
        <source>Stop bell</source>
        <translation>벨 정지</translation>
    </message>
    <message>
        <source>Skip next bell</source>
        <translation>다음 벨 건너뛰기</translation>
    </message>
    <message>
        <source>Start the bells</source>
        <translation>벨 서비스 시작</translation>
    </message>
    <message>
        <source>Stop the bells</source>
        <translation>벨 서비스 정지</translation>
    </message>
    <message>
        <source>Today&apos;s changes</source>
        <translation>오늘의 변경</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>변경</translation>
    </message>
    <message>
        <source>Skip the bell at</source>
        <translation>벨 건너뛰기</translation>
    </message>
    <message>
        <source>Move the bell at</source>
        <translation>벨 옮기기</translation>
    </message>
    <message>
        <source>Add a bell at</source>
        <translation>벨 추가</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시각</translation>
    </message>
    <message>
        <source>To</source>
        <translation>옮길 시각</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>소리</translation>
    </message>
    <message>
        <source>Change today</source>
        <translation>오늘만 변경</translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation>오늘은 벨 없음</translation>
    </message>
    <message>
        <source>Undo today&apos;s changes</source>
        <translation>오늘의 변경 되돌리기</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>로그아웃</translation>
    </message>
    <message>
        <source>The bells&apos; clock</source>
        <translation>벨 시계</translation>
    </message>
    <message>
        <source>The bell PC cannot be reached: %1</source>
        <translation>벨 PC에 연결할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Your session has ended: log in again.</source>
        <translation>세션이 끝났습니다. 다시 로그인하세요.</translation>
    </message>
    <message>
        <source>Not logged in</source>
        <translation>로그인하지 않음</translation>
    </message>
    <message>
        <source>Logged in as %1 (%2)</source>
        <translation>로그인: %1 (%2)</translation>
    </message>
    <message>
        <source>Sound %1 in the whole school now?</source>
        <translation>지금 학교 전체에 %1을(를) 울릴까요?</translation>
    </message>
    <message>
        <source>ALARM: %1</source>
        <translation>경보: %1</translation>
    </message>
    <message>
        <source>The bells run</source>
        <translation>벨 서비스 실행 중</translation>
    </message>
    <message>
        <source>The bells are stopped</source>
        <translation>벨 서비스 정지됨</translation>
    </message>
    <message>
        <source>None: the bells are stopped</source>
        <translation>없음: 벨 서비스 정지됨</translation>
    </message>
    <message>
        <source>None left today</source>
        <translation>오늘 남은 벨 없음</translation>
    </message>
    <message>
        <source>None listed: the bells are stopped</source>
        <translation>목록 없음: 벨 서비스 정지됨</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>되돌리기</translation>
    </message>
    <message>
        <source>The bell PC cannot be reached.</source>
        <translation>벨 PC에 연결할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>StaffPageDialog</name>
    <message>
        <source>Staff web page</source>
        <translation>직원 웹 페이지</translation>
    </message>
    <message>
        <source>Staff raise alarms and see the bells from a phone or a classroom PC, in a browser, on this school&apos;s network.</source>
        <translation>직원은 이 학교 네트워크에서 휴대폰이나 교실 PC의 브라우저로 경보를 울리고 벨을 확인합니다.</translation>
    </message>
    <message>
        <source>Page</source>
        <extracomment>The staff web page, as served</extracomment>
        <translation>페이지</translation>
    </message>
    <message>
        <source>Serve the staff web page (HTTPS)</source>
        <translation>직원 웹 페이지 제공 (HTTPS)</translation>
    </message>
    <message>
        <source>8443, or 192.0.2.10:8443</source>
        <translation>8443 또는 192.0.2.10:8443</translation>
    </message>
    <message>
        <source>Port, or address:port</source>
        <translation>포트 또는 주소:포트</translation>
    </message>
    <message>
        <source>Where the page is served: a port, or an address and a port</source>
        <translation>페이지를 제공할 곳: 포트, 또는 주소와 포트</translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>Where the page is served, or that it is not</extracomment>
        <translation>주소</translation>
    </message>
    <message>
        <source>Staff check that their browser shows this fingerprint for the page&apos;s certificate</source>
        <translation>직원은 브라우저에 표시되는 이 페이지 인증서의 지문이 이것과 같은지 확인합니다</translation>
    </message>
    <message>
        <source>Certificate SHA-256</source>
        <translation>인증서 SHA-256</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Staff accounts</source>
        <translation>직원 계정</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>추가...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Removes the account chosen in the list</source>
        <translation>목록에서 고른 계정을 삭제합니다</translation>
    </message>
    <message>
        <source>alarm: raise and stop alarms, see the bells. office: also today&apos;s changes, ring now, stop a bell, start and stop the bells.</source>
        <extracomment>&quot;alarm&quot; and &quot;office&quot; are the names of the two roles, typed as they are: keep them untranslated</extracomment>
        <translation>alarm: 경보 울리기와 멈추기, 벨 확인. office: 오늘의 변경, 지금 울리기, 벨 정지, 벨 서비스 시작과 정지도 가능.</translation>
    </message>
    <message>
        <source>not served</source>
        <translation>제공 안 함</translation>
    </message>
    <message>
        <source>none yet: made when the page is first served</source>
        <translation>아직 없음: 페이지를 처음 제공할 때 만들어집니다</translation>
    </message>
    <message>
        <source>Add a staff account</source>
        <translation>직원 계정 추가</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The staff member&apos;s account name</extracomment>
        <translation>이름</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>역할</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>The same again</source>
        <extracomment>The password typed a second time</extracomment>
        <translation>한 번 더</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>비밀번호 다시 입력</translation>
    </message>
    <message>
        <source>the two passwords differ</source>
        <translation>두 비밀번호가 다릅니다</translation>
    </message>
</context>
<context>
    <name>StaffPageLine</name>
    <message>
        <source>Staff web page...</source>
        <translation>직원 웹 페이지...</translation>
    </message>
    <message>
        <source>Staff web page: %1   certificate SHA-256 %2</source>
        <translation>직원 웹 페이지: %1   인증서 SHA-256 %2</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>Corvalin (window copy): the bell service runs</source>
        <translation>Corvalin (창 있는 인스턴스): 벨 서비스 실행 중</translation>
    </message>
    <message>
        <source>Corvalin (window copy): the bell service is stopped</source>
        <translation>Corvalin (창 있는 인스턴스): 벨 서비스 정지됨</translation>
    </message>
    <message>
        <source>Corvalin (copy with no window): the bell service runs</source>
        <translation>Corvalin (창 없는 인스턴스): 벨 서비스 실행 중</translation>
    </message>
    <message>
        <source>Corvalin (copy with no window): the bell service is stopped</source>
        <translation>Corvalin (창 없는 인스턴스): 벨 서비스 정지됨</translation>
    </message>
    <message>
        <source>Alarm signal: none</source>
        <translation>경보 신호: 없음</translation>
    </message>
    <message>
        <source>Alarm signal: %1 sounds</source>
        <translation>경보 신호: %1 울리는 중</translation>
    </message>
    <message>
        <source>Next bell: none (stopped)</source>
        <translation>다음 벨: 없음 (정지됨)</translation>
    </message>
    <message>
        <source>Next bell: none left today</source>
        <translation>다음 벨: 오늘 남은 벨 없음</translation>
    </message>
    <message>
        <source>Next bell: %1 %2</source>
        <translation>다음 벨: %1 %2</translation>
    </message>
    <message>
        <source>Last bell: none yet</source>
        <translation>마지막 벨: 아직 없음</translation>
    </message>
    <message>
        <source>Last bell: %1 %2 (ring now)</source>
        <translation>마지막 벨: %1 %2 (지금 울리기)</translation>
    </message>
    <message>
        <source>Last bell: %1 %2</source>
        <translation>마지막 벨: %1 %2</translation>
    </message>
    <message>
        <source>Bells&apos; clock: %1 %2</source>
        <translation>벨 시계: %1 %2</translation>
    </message>
    <message>
        <source>Bells&apos; clock: %1 %2 (%3 s ahead of the computer&apos;s clock)</source>
        <translation>벨 시계: %1 %2 (컴퓨터 시계보다 %3초 빠름)</translation>
    </message>
    <message>
        <source>Bells&apos; clock: %1 %2 (%3 s behind the computer&apos;s clock)</source>
        <translation>벨 시계: %1 %2 (컴퓨터 시계보다 %3초 느림)</translation>
    </message>
    <message>
        <source>Today: %1, %2</source>
        <translation>오늘: %1, %2</translation>
    </message>
    <message>
        <source>Today&apos;s changes: none</source>
        <translation>오늘의 변경: 없음</translation>
    </message>
    <message>
        <source>Today&apos;s changes:</source>
        <translation>오늘의 변경:</translation>
    </message>
    <message>
        <source>Set-up: this computer&apos;s own</source>
        <translation>구성: 이 컴퓨터 자체 구성</translation>
    </message>
    <message>
        <source>Set-up: managed from %1</source>
        <translation>구성: %1에서 관리됨</translation>
    </message>
    <message>
        <source>  version in use: none yet</source>
        <translation>  사용 중인 버전: 아직 없음</translation>
    </message>
    <message>
        <source>  version in use: SHA-256 %1, applied %2</source>
        <translation>  사용 중인 버전: SHA-256 %1, 적용 시각 %2</translation>
    </message>
    <message>
        <source>  last checked: not yet</source>
        <translation>  마지막 확인: 아직 없음</translation>
    </message>
    <message>
        <source>  last checked: %1</source>
        <translation>  마지막 확인: %1</translation>
    </message>
    <message>
        <source>Staff web page: off</source>
        <translation>직원 웹 페이지: 꺼짐</translation>
    </message>
    <message>
        <source>Staff web page: %1</source>
        <translation>직원 웹 페이지: %1</translation>
    </message>
    <message>
        <source>  certificate SHA-256: %1</source>
        <translation>  인증서 SHA-256: %1</translation>
    </message>
    <message>
        <source>Problems: none</source>
        <translation>문제: 없음</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>문제:</translation>
    </message>
</context>
<context>
    <name>Templet</name>
    <message>
        <source>Select templet</source>
        <extracomment>&quot;Select template&quot;: one of the six stored time lists</extracomment>
        <translation>템플릿 선택</translation>
    </message>
    <message>
        <source>Apply templet %1</source>
        <extracomment>&quot;Apply template %1&quot;: copies stored time list %1 into the list being edited</extracomment>
        <translation>템플릿 %1 적용</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>TimeListPanel</name>
    <message>
        <source>Input time (Add after selecting sound)</source>
        <translation>시각 입력 (소리를 고른 뒤 추가)</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Adds the time typed, with the sound chosen, to the list</extracomment>
        <translation>추가</translation>
    </message>
    <message>
        <source>hr</source>
        <extracomment>Unit after an hour box: hours</extracomment>
        <translation>시</translation>
    </message>
    <message>
        <source>min</source>
        <extracomment>Unit after a minute box: minutes</extracomment>
        <translation>분</translation>
    </message>
    <message>
        <source>Hour of the bell to add</source>
        <translation>추가할 벨의 시</translation>
    </message>
    <message>
        <source>Minute of the bell to add</source>
        <translation>추가할 벨의 분</translation>
    </message>
    <message>
        <source>The Up and Down keys step it</source>
        <translation>위/아래 키로 조정합니다</translation>
    </message>
    <message>
        <source>Adds the time typed, with the sound chosen, to the added times</source>
        <translation>입력한 시각을 고른 소리와 함께 추가된 시각에 넣습니다</translation>
    </message>
    <message>
        <source>Added time (Type 24Hour)</source>
        <extracomment>&quot;Added times (24-hour clock)&quot;</extracomment>
        <translation>추가된 시각 (24시간제)</translation>
    </message>
    <message>
        <source>Added times</source>
        <translation>추가된 시각</translation>
    </message>
    <message>
        <source>Each bell&apos;s time and sound</source>
        <translation>각 벨의 시각과 소리</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Deletes the time chosen in the list
----------
A box&apos;s title: deleting times</extracomment>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Change sound</source>
        <translation>소리 변경</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>모두 삭제</translation>
    </message>
    <message>
        <source>Apply templet</source>
        <extracomment>&quot;Apply template&quot;: puts a saved list of times in the list&apos;s place</extracomment>
        <translation>템플릿 적용</translation>
    </message>
    <message>
        <source>Deletes the time chosen in the added times</source>
        <translation>추가된 시각에서 고른 시각을 삭제합니다</translation>
    </message>
    <message>
        <source>Gives the time chosen in the added times the sound chosen in the sound list</source>
        <translation>추가된 시각에서 고른 시각에 소리 목록에서 고른 소리를 지정합니다</translation>
    </message>
    <message>
        <source>Deletes every added time</source>
        <translation>추가된 시각을 모두 삭제합니다</translation>
    </message>
    <message>
        <source>Puts a template&apos;s times in the place of the added times</source>
        <translation>추가된 시각을 템플릿의 시각으로 바꿉니다</translation>
    </message>
    <message>
        <source>Select bell sound int [Select bell sound]</source>
        <extracomment>&quot;Select a bell sound in [Select bell sound]&quot;</extracomment>
        <translation>[벨소리 선택]에서 벨소리를 고르세요</translation>
    </message>
    <message>
        <source>Add Only wave file to sound folder. Please, delete non wave file from
%1.</source>
        <extracomment>&quot;Add only sound files to the sound folder. Please delete the other files from&quot; %1: the folder</extracomment>
        <translation>사운드 폴더에는 소리 파일만 넣으세요. 다른 파일은 다음 폴더에서 삭제하세요:
%1.</translation>
    </message>
    <message>
        <source>The corresponding time is being register already.</source>
        <extracomment>&quot;That time is in the list already.&quot;</extracomment>
        <translation>그 시각은 이미 목록에 있습니다.</translation>
    </message>
    <message>
        <source>Select time that you want to delete in [Added time]</source>
        <translation>[추가된 시각]에서 삭제할 시각을 고르세요</translation>
    </message>
    <message>
        <source>Select time that you want to modify in [Added time]</source>
        <translation>[추가된 시각]에서 변경할 시각을 고르세요</translation>
    </message>
    <message>
        <source>Select bell sound in [Select bell sound]</source>
        <translation>[벨소리 선택]에서 벨소리를 고르세요</translation>
    </message>
    <message>
        <source>Delete all times of time box?</source>
        <translation>시각 목록의 모든 시각을 삭제할까요?</translation>
    </message>
    <message>
        <source>templet%1 has no saved times: %2</source>
        <extracomment>&quot;Template %1 has no saved times: %2&quot; (%2: its file)</extracomment>
        <translation>템플릿 %1에 저장된 시각이 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>TodayBellDialog</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Bell time</source>
        <extracomment>The time of a bell changed for today</extracomment>
        <translation>벨 시각</translation>
    </message>
    <message>
        <source>Bell sound</source>
        <translation>벨소리</translation>
    </message>
</context>
<context>
    <name>TodayPanel</name>
    <message>
        <source>%1hr%2min</source>
        <extracomment>A bell&apos;s time in the list of today&apos;s bells: hours and minutes, e.g. &quot;10hr50min&quot;; the list sorts by it, so keep the hours first</extracomment>
        <translation>%1시%2분</translation>
    </message>
    <message>
        <source>skipped</source>
        <extracomment>A bell of today&apos;s list that does not ring today</extracomment>
        <translation>건너뜀</translation>
    </message>
    <message>
        <source>added</source>
        <extracomment>A bell of today&apos;s list added for today only</extracomment>
        <translation>추가됨</translation>
    </message>
    <message>
        <source>moved from %1</source>
        <extracomment>A bell of today&apos;s list moved here for today; %1: the time it had, e.g. 10:50</extracomment>
        <translation>%1에서 옮김</translation>
    </message>
    <message>
        <source>Today Bells</source>
        <translation>오늘의 벨</translation>
    </message>
    <message>
        <source>Today&apos;s bells</source>
        <translation>오늘의 벨</translation>
    </message>
    <message>
        <source>The bells that ring today. The context menu (right click, or the Menu key) changes them for today; %1 skips the next bell.</source>
        <extracomment>%1: the shortcut that skips the next bell, e.g. Ctrl+K</extracomment>
        <translation>오늘 울리는 벨입니다. 바로 가기 메뉴(오른쪽 클릭 또는 메뉴 키)로 오늘만 바꿀 수 있으며, %1 키로 다음 벨을 건너뜁니다.</translation>
    </message>
    <message>
        <source>Right click to change today&apos;s bells; %1 skips the next bell</source>
        <extracomment>%1: the shortcut that skips the next bell, e.g. Ctrl+K</extracomment>
        <translation>오른쪽 클릭으로 오늘의 벨을 바꿉니다. %1 키로 다음 벨을 건너뜁니다</translation>
    </message>
    <message>
        <source>Skip %1 today</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>오늘 %1 건너뛰기</translation>
    </message>
    <message>
        <source>Move %1 today...</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>오늘 %1 옮기기...</translation>
    </message>
    <message>
        <source>Move a bell today</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>오늘 벨 옮기기</translation>
    </message>
    <message>
        <source>The %1 bell rings today at:</source>
        <translation>%1 벨을 오늘 울릴 시각:</translation>
    </message>
    <message>
        <source>Undo: %1 added today</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>되돌리기: 오늘 추가한 %1</translation>
    </message>
    <message>
        <source>Undo: %1 skipped today</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>되돌리기: 오늘 건너뛴 %1</translation>
    </message>
    <message>
        <source>Undo: %1 moved to %2</source>
        <extracomment>%1: the bell&apos;s time before, %2: its time today, e.g. 10:50</extracomment>
        <translation>되돌리기: %1에서 %2(으)로 옮김</translation>
    </message>
    <message>
        <source>Skip next bell (%1)</source>
        <extracomment>%1: the next bell&apos;s time, e.g. 10:50</extracomment>
        <translation>다음 벨 건너뛰기 (%1)</translation>
    </message>
    <message>
        <source>Add a bell today...</source>
        <translation>오늘 벨 추가...</translation>
    </message>
    <message>
        <source>Add a bell today</source>
        <translation>오늘 벨 추가</translation>
    </message>
    <message>
        <source>A bell today only, at:</source>
        <translation>오늘만 울릴 벨 시각:</translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation>오늘은 벨 없음</translation>
    </message>
    <message>
        <source>Ring templet today</source>
        <extracomment>&quot;Ring template ... today&quot;: today rings a saved list of times instead</extracomment>
        <translation>오늘 템플릿 울리기</translation>
    </message>
    <message>
        <source>Templet %1</source>
        <extracomment>&quot;Template %1&quot;: a saved list of bell times, by its number</extracomment>
        <translation>템플릿 %1</translation>
    </message>
    <message>
        <source>Undo all of today&apos;s changes</source>
        <translation>오늘의 변경 모두 되돌리기</translation>
    </message>
    <message>
        <source>Today&apos;s bells were not changed: %1.</source>
        <extracomment>%1: why the bells refused the change</extracomment>
        <translation>오늘의 벨을 바꾸지 못했습니다: %1.</translation>
    </message>
</context>
</TS>
