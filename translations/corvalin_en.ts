<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AlarmPanel</name>
    <message>
        <source>Stop alarm</source>
        <translation>Stop alarm</translation>
    </message>
    <message>
        <source>Stops the alarm signal that sounds</source>
        <translation>Stops the alarm signal that sounds</translation>
    </message>
    <message>
        <source>Alarm signals...</source>
        <translation>Alarm signals...</translation>
    </message>
    <message>
        <source>Alarm: %1</source>
        <extracomment>An alarm signal, by its name</extracomment>
        <translation>Alarm: %1</translation>
    </message>
    <message>
        <source>until it is stopped</source>
        <translation>until it is stopped</translation>
    </message>
    <message>
        <source>Sound the alarm signal %1 now? It rings on the bell card %2. It sounds now, and starts again from the beginning.</source>
        <extracomment>%1: the signal&apos;s name; %2: how long it rings (&quot;3 times&quot;, &quot;until it is stopped&quot;)</extracomment>
        <translation>Sound the alarm signal %1 now? It rings on the bell sound card %2. It is sounding now, and will start again from the beginning.</translation>
    </message>
    <message>
        <source>Sound the alarm signal %1 now? It rings on the bell card %2. The alarm signal %3, which sounds now, stops.</source>
        <extracomment>%1: the signal&apos;s name; %2: how long it rings; %3: the signal that sounds now</extracomment>
        <translation>Sound the alarm signal %1 now? It rings on the bell sound card %2. The alarm signal %3, which is sounding now, will stop.</translation>
    </message>
    <message>
        <source>Sound the alarm signal %1 now? It rings on the bell card %2.</source>
        <extracomment>%1: the signal&apos;s name; %2: how long it rings (&quot;3 times&quot;, &quot;until it is stopped&quot;)</extracomment>
        <translation>Sound the alarm signal %1 now? It rings on the bell sound card %2.</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Sound it</source>
        <translation>Sound it</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The alarm signal %1 did not sound: %2.</source>
        <translation>The alarm signal %1 did not sound: %2.</translation>
    </message>
</context>
<context>
    <name>AlarmsDialog</name>
    <message>
        <source>Alarm signals</source>
        <translation>Alarm signals</translation>
    </message>
    <message>
        <source>Each signal sounds at once from the Alarm menu, after a question, and rings on the bell card for its times or until it is stopped. A row with no name is no signal.</source>
        <translation>Each signal sounds from the Alarm menu as soon as you confirm it, and rings on the bell sound card the set number of times, or until it is stopped. A row without a name is ignored.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column: the alarm signal&apos;s name</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>A column: the alarm signal&apos;s sound</extracomment>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Times</source>
        <extracomment>A column: how many times the alarm signal rings</extracomment>
        <translation>Times</translation>
    </message>
    <message>
        <source>%1 (not in the sound folder)</source>
        <extracomment>%1: a sound file&apos;s name</extracomment>
        <translation>%1 (not in the sound folder)</translation>
    </message>
    <message>
        <source>until stopped</source>
        <extracomment>How many times an alarm signal rings: none set, it rings until it is stopped</extracomment>
        <translation>until stopped</translation>
    </message>
    <message>
        <source>Name of alarm signal %1</source>
        <extracomment>%1: the row&apos;s number</extracomment>
        <translation>Name of alarm signal %1</translation>
    </message>
    <message>
        <source>Sound of alarm signal %1</source>
        <extracomment>%1: the row&apos;s number</extracomment>
        <translation>Sound of alarm signal %1</translation>
    </message>
    <message>
        <source>Times alarm signal %1 rings</source>
        <extracomment>%1: the row&apos;s number</extracomment>
        <translation>How many times alarm signal %1 rings</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Not saved: %1.</source>
        <extracomment>%1: why the alarm signals cannot be saved</extracomment>
        <translation>Not saved: %1.</translation>
    </message>
    <message>
        <source>The alarm signals could not be written to the data folder (the ring log says why); they hold until the program ends. OK tries again.</source>
        <translation>The alarm signals could not be saved to the data folder (the ring log says why); they stay in effect until the program ends. OK tries again.</translation>
    </message>
</context>
<context>
    <name>AutoModeForm</name>
    <message>
        <source>Auto execution way</source>
        <extracomment>How the program shows itself when it starts on its own</extracomment>
        <translation>When started automatically</translation>
    </message>
    <message>
        <source>Execution to monitor</source>
        <extracomment>Started on its own, the program shows its window</extracomment>
        <translation>Show the window</translation>
    </message>
    <message>
        <source>Execution to tray icon</source>
        <extracomment>Started on its own, the program shows only its tray icon</extracomment>
        <translation>Show only the tray icon</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Auto execution방법</source>
        <extracomment>&quot;Auto execution method&quot;</extracomment>
        <translation>Auto start</translation>
    </message>
</context>
<context>
    <name>CalendarWindow</name>
    <message>
        <source>no bells</source>
        <extracomment>What happens on the exception&apos;s days: no bell rings</extracomment>
        <translation>no bells</translation>
    </message>
    <message>
        <source>ring templet %1</source>
        <extracomment>&quot;ring template %1&quot;: the bells of stored time list %1 ring</extracomment>
        <translation>ring template %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>From one day to another, both included (the days are written yyyy-MM-dd)</extracomment>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An exception&apos;s label, then what happens on its days</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Exception days are marked; choosing a day chooses the exception that decides it, or puts the day into the first and last day boxes</source>
        <translation>Exception days are marked; choosing a day chooses the exception that decides it, or puts the day into the first and last day boxes</translation>
    </message>
    <message>
        <source>Days</source>
        <extracomment>Column heads of the list of date exceptions: the days, what happens on them, their label</extracomment>
        <translation>Days</translation>
    </message>
    <message>
        <source>What</source>
        <extracomment>What happens on the exception&apos;s days</extracomment>
        <translation>What</translation>
    </message>
    <message>
        <source>Label</source>
        <extracomment>The exception&apos;s own name, such as &quot;Winter holidays&quot;
----------
The name the subscription goes by</extracomment>
        <translation>Label</translation>
    </message>
    <message>
        <source>Subscription</source>
        <extracomment>Column heads of the list of subscribed calendars</extracomment>
        <translation>Subscription</translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>The web address of the calendar to subscribe to</extracomment>
        <translation>Address</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>for example Winter holidays</source>
        <translation>for example Winter holidays</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Adds a date exception</extracomment>
        <translation>Add</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Changes the chosen date exception</extracomment>
        <translation>Change</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Deletes the chosen date exception</extracomment>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Import iCalendar...</source>
        <translation>Import iCalendar...</translation>
    </message>
    <message>
        <source>Subscribe...</source>
        <translation>Subscribe...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Fetches the subscribed calendars again</extracomment>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Fetch the subscribed calendars again now</source>
        <translation>Fetch the subscribed calendars again now</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Unsubscribe</translation>
    </message>
    <message>
        <source>End the subscription chosen in the list and delete its days</source>
        <translation>End the subscription chosen in the list and delete its days</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>First day</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Last day</translation>
    </message>
    <message>
        <source>Date exceptions</source>
        <translation>Date exceptions</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Subscriptions</translation>
    </message>
    <message>
        <source>%1 (subscribed: %2)</source>
        <extracomment>A subscribed day&apos;s label, then the subscription&apos;s name</extracomment>
        <translation>%1 (subscribed: %2)</translation>
    </message>
    <message>
        <source>From the subscription &quot;%1&quot;; it changes when the feed does</source>
        <translation>From the subscription &quot;%1&quot;; it changes when the feed does</translation>
    </message>
    <message>
        <source>Select the subscription to end in the list.</source>
        <translation>Select the subscription to end in the list.</translation>
    </message>
    <message>
        <source>These days come from the subscription &quot;%1&quot; (%2). End the subscription and delete all its days?</source>
        <translation>These days come from the subscription &quot;%1&quot; (%2). End the subscription and delete all its days?</translation>
    </message>
    <message>
        <source>The last day must not be before the first day.</source>
        <translation>The last day must not be before the first day.</translation>
    </message>
    <message>
        <source>The calendar already holds %1 for %2.</source>
        <extracomment>Refuses a second exception with the same days: what it does, then its days</extracomment>
        <translation>The calendar already holds %1 for %2.</translation>
    </message>
    <message>
        <source>Select the exception to change in the list.</source>
        <translation>Select the exception to change in the list.</translation>
    </message>
    <message>
        <source>These days come from the subscription &quot;%1&quot; and change with it. Add an exception of your own for them instead: it decides before the subscription.</source>
        <translation>These days come from the subscription &quot;%1&quot; and change with it. Add an exception of your own for them instead: it decides before the subscription.</translation>
    </message>
    <message>
        <source>Select the exception to delete in the list.</source>
        <translation>Select the exception to delete in the list.</translation>
    </message>
    <message>
        <source>Delete %1 (%2)?</source>
        <extracomment>Asks before an exception is deleted: its label and what it does, then its days</extracomment>
        <translation>Delete %1 (%2)?</translation>
    </message>
    <message>
        <source>Subscribe to a calendar</source>
        <translation>Subscribe to a calendar</translation>
    </message>
    <message>
        <source>https://... or webcal://... of an iCalendar feed</source>
        <translation>https://... or webcal://... of an iCalendar feed</translation>
    </message>
    <message>
        <source>for example School holidays</source>
        <translation>for example School holidays</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Subscribe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>All-day events of the calendar become days without bells. It is fetched now, at every start and once a day.</source>
        <translation>All-day events of the calendar become days without bells. It is fetched now, at every start and once a day.</translation>
    </message>
    <message>
        <source>The calendar was not subscribed to: %1.</source>
        <translation>The calendar was not subscribed to: %1.</translation>
    </message>
    <message>
        <source>Import iCalendar</source>
        <translation>Import iCalendar</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ical);;All files (*)</source>
        <extracomment>File dialog filters: keep the patterns in brackets as they are</extracomment>
        <translation>iCalendar files (*.ics *.ical);;All files (*)</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a file was not imported; %1 is the system&apos;s reason</extracomment>
        <translation>it cannot be read (%1)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <extracomment>Why a file was not imported</extracomment>
        <translation>it is larger than %1 MB</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <extracomment>%1 is a file name</extracomment>
        <translation>Reading %1...</translation>
    </message>
    <message>
        <source>%1 was not imported: %2. The calendar is unchanged.</source>
        <extracomment>%1 is a file name, %2 why it was not imported</extracomment>
        <translation>%1 was not imported: %2. The calendar is unchanged.</translation>
    </message>
    <message>
        <source>%1 events with a time of day</source>
        <translation>%1 events with a time of day</translation>
    </message>
    <message>
        <source>%1 events that have ended</source>
        <translation>%1 events that have ended</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <extracomment>The events of the file that were not imported, listed with commas between them</extracomment>
        <translation>Left out: %1.</translation>
    </message>
    <message>
        <source>%1 holds no all-day events from today on; nothing was added. %2</source>
        <extracomment>%1 is a file name, %2 what was left out of it, if anything</extracomment>
        <translation>%1 holds no all-day events from today on; nothing was added. %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ring the bells with no window, tray or display, as a service started at boot does (see corvalin.service). The bells start as with &quot;Auto execution&quot; on; while a window copy runs this copy waits, and it takes the bells back when that copy ends.</source>
        <translation>Ring the bells with no window, tray or display, as a service started at boot does (see corvalin.service). The bells start as with &quot;Auto start&quot; on; while a copy with a window runs, this copy waits, and it takes the bells back when that copy ends.</translation>
    </message>
    <message>
        <source>Write the whole set-up (every settings file and your own bell sounds) to &lt;file&gt;, a zip file, and end.</source>
        <translation>Write the whole set-up (every settings file and your own bell sounds) to &lt;file&gt;, a zip file, and end.</translation>
    </message>
    <message>
        <source>Replace the set-up with the one in &lt;file&gt;, written by --export or the Set-up menu, and end. Only while no copy of Corvalin runs; nothing changes unless all of it checks out.</source>
        <translation>Replace the set-up with the one in &lt;file&gt;, written by --export or the Set-up menu, and end. Only while no copy of Corvalin runs; nothing changes unless all of it checks out.</translation>
    </message>
    <message>
        <source>With --export: sign the exported set-up with the secret key in &lt;keyfile&gt; and write the signature beside it, as &lt;file&gt;.sig, for the PCs that follow the published set-up. A key file that cannot sign is refused before anything is written.</source>
        <translation>With --export: sign the exported set-up with the secret key in &lt;keyfile&gt; and write the signature beside it, as &lt;file&gt;.sig, for the PCs that follow the published set-up. A key file that cannot sign is refused before anything is written.</translation>
    </message>
    <message>
        <source>Make a key pair for signing set-ups: write the secret key to &lt;keyfile&gt;, a new file readable by you alone (an existing file is never written over), print the public key that the following PCs are given, as the last line, and end.</source>
        <translation>Make a key pair for signing set-ups: write the secret key to &lt;keyfile&gt;, a new file readable by you alone (an existing file is never written over), print the public key that the following PCs are given, as the last line, and end.</translation>
    </message>
    <message>
        <source>Rings a school&apos;s or a shop&apos;s bells on time, day after day.
Settings live in %1; your own bell sounds in %2.</source>
        <translation>Rings a school&apos;s or a shop&apos;s bells on time, day after day.
Settings live in %1; your own bell sounds in %2.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Say what the copy of Corvalin that runs for you is doing: the bell service, the next bell, today&apos;s changes, the last bell rung, an alarm signal and the open problems.</source>
        <translation>Show what your running copy of Corvalin is doing: the bell service, the next bell, today&apos;s changes, the last bell rung, an alarm signal and the open problems.</translation>
    </message>
    <message>
        <source>Ring a bell now, the sound named after the option (as the ring-now button does), or the next bell&apos;s sound when none is named.</source>
        <translation>Ring a bell now, the sound named after the option (as the ring-now button does), or the next bell&apos;s sound when none is named.</translation>
    </message>
    <message>
        <source>Stop the bell, or the alarm signal, that sounds.</source>
        <translation>Stop the bell, or the alarm signal, that sounds.</translation>
    </message>
    <message>
        <source>Skip the next bell, today only.</source>
        <translation>Skip the next bell, today only.</translation>
    </message>
    <message>
        <source>Skip the bell at &lt;time&gt; (hh:mm), today only.</source>
        <translation>Skip the bell at &lt;time&gt; (hh:mm), today only.</translation>
    </message>
    <message>
        <source>Move the bell at &lt;time&gt; to the time given after it, today only: --move 10:15 10:45.</source>
        <translation>Move the bell at &lt;time&gt; to the time given after it, today only: --move 10:15 10:45.</translation>
    </message>
    <message>
        <source>Add a bell at &lt;time&gt;, ringing the sound named after it, today only: --add 12:10 school-bell.wav.</source>
        <translation>Add a bell at &lt;time&gt;, ringing the sound named after it, today only: --add 12:10 school-bell.wav.</translation>
    </message>
    <message>
        <source>Ring no bells today.</source>
        <translation>Ring no bells today.</translation>
    </message>
    <message>
        <source>Ring templet &lt;n&gt; (1 to 6) today, in place of the day&apos;s own times.</source>
        <translation>Ring template &lt;n&gt; (1 to 6) today, in place of the day&apos;s own times.</translation>
    </message>
    <message>
        <source>Undo today&apos;s change &lt;n&gt; (from 0, in the order --status lists them), or all of them.</source>
        <translation>Undo today&apos;s change &lt;n&gt; (from 0, in the order --status lists them), or all of them.</translation>
    </message>
    <message>
        <source>Sound the alarm signal &lt;name&gt; at once, with no question.</source>
        <translation>Sound the alarm signal &lt;name&gt; at once, with no question.</translation>
    </message>
    <message>
        <source>Stop the alarm signal that sounds.</source>
        <translation>Stop the alarm signal that sounds.</translation>
    </message>
    <message>
        <source>Start the bell service, as the start button does.</source>
        <translation>Start the bell service, as the start button does.</translation>
    </message>
    <message>
        <source>Stop the bell service, as the stop button does.</source>
        <translation>Stop the bell service, as the stop button does.</translation>
    </message>
    <message>
        <source>Follow the set-up published at &lt;address&gt; (https://, or http:// on a LAN), signed with the publisher&apos;s key given with --key: it is fetched at start and every 15 minutes and applied when its signature and contents check out. Without a copy running, kept for the next start.</source>
        <translation>Follow the set-up published at &lt;address&gt; (https://, or http:// on a LAN), signed with the publisher&apos;s key given with --key: it is fetched at start and every 15 minutes and applied when its signature and contents check out. Without a copy running, kept for the next start.</translation>
    </message>
    <message>
        <source>Follow no set-up any more; the set-up in use stays, as this computer&apos;s own.</source>
        <translation>Follow no set-up any more; the set-up in use stays, as this computer&apos;s own.</translation>
    </message>
    <message>
        <source>Fetch the followed set-up now.</source>
        <translation>Fetch the followed set-up now.</translation>
    </message>
    <message>
        <source>Serve the staff web page (HTTPS) from now on and at every start: on every address, port 8443, or on the port or address:port given after it (--web-on 192.0.2.10:8443). Without a copy running, kept for the next start.</source>
        <translation>Serve the staff web page (HTTPS) from now on and at every start: on every address, port 8443, or on the port or address:port given after it (--web-on 192.0.2.10:8443). Without a copy running, kept for the next start.</translation>
    </message>
    <message>
        <source>Serve the staff web page no more.</source>
        <translation>Serve the staff web page no more.</translation>
    </message>
    <message>
        <source>Add an account for the staff web page, or give one a new password and role: --role alarm (raise and stop alarms; the default) or --role office (also today&apos;s changes, ring now, stop bell, start and stop). The password is read from standard input, one line, or asked twice on a terminal.</source>
        <translation>Add an account for the staff web page, or give one a new password and role: --role alarm (raise and stop alarms; the default) or --role office (also today&apos;s changes, ring now, stop bell, start and stop). The password is read from standard input, one line, or asked twice on a terminal.</translation>
    </message>
    <message>
        <source>Remove the staff web page&apos;s account &lt;name&gt;; its sessions end.</source>
        <translation>Remove the staff web page&apos;s account &lt;name&gt;; its sessions end.</translation>
    </message>
    <message>
        <source>List the staff web page&apos;s accounts and their roles.</source>
        <translation>List the staff web page&apos;s accounts and their roles.</translation>
    </message>
    <message>
        <source>With --status: as one JSON object, for a script.</source>
        <translation>With --status: as one JSON object, for a script.</translation>
    </message>
    <message>
        <source>With --follow: the publisher&apos;s public key.</source>
        <translation>With --follow: the publisher&apos;s public key.</translation>
    </message>
    <message>
        <source>With --staff-add: what the account may do (alarm when not given).</source>
        <translation>With --staff-add: what the account may do (alarm when not given).</translation>
    </message>
</context>
<context>
    <name>CopyDaysDialog</name>
    <message>
        <source>Copy to days</source>
        <translation>Copy to days</translation>
    </message>
    <message>
        <source>Copy the list of %1 to:</source>
        <extracomment>%1 is the day whose list is copied</extracomment>
        <translation>Copy the list of %1 to:</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>FollowPanel</name>
    <message>
        <source>Follow a set-up...</source>
        <translation>Follow a set-up...</translation>
    </message>
    <message>
        <source>Refresh the followed set-up</source>
        <translation>Refresh the followed set-up</translation>
    </message>
    <message>
        <source>Stop following</source>
        <translation>Stop following</translation>
    </message>
    <message>
        <source>Managed from %1; change it there</source>
        <extracomment>%1: the web address the set-up is followed from</extracomment>
        <translation>Managed from %1; change it there</translation>
    </message>
    <message>
        <source>Follow a set-up</source>
        <translation>Follow a set-up</translation>
    </message>
    <message>
        <source>This computer takes its set-up from a web address, as it is published there and signed by its publisher, and keeps it up to date (at start and every 15 minutes). Its settings are then changed only there.</source>
        <translation>This computer takes its set-up from a web address, as it is published there and signed by its publisher, and keeps it up to date (at start and every 15 minutes). Its settings are then changed only there.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Publisher&apos;s public key</source>
        <translation>Publisher&apos;s public key</translation>
    </message>
    <message>
        <source>Follow</source>
        <extracomment>Starts following the set-up at the address</extracomment>
        <translation>Follow</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>this copy cannot follow a set-up</source>
        <translation>this copy cannot follow a set-up</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Publisher&apos;s public key:</source>
        <translation>Publisher&apos;s public key:</translation>
    </message>
</context>
<context>
    <name>FrmBellCount</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>FrmCountDown</name>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>시간</source>
        <extracomment>&quot;hours&quot;</extracomment>
        <translation>hr</translation>
    </message>
    <message>
        <source>분</source>
        <extracomment>&quot;minutes&quot;</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>초 카운트다운</source>
        <extracomment>&quot;seconds countdown&quot;</extracomment>
        <translation>sec countdown</translation>
    </message>
    <message>
        <source>Hours to count</source>
        <translation>Hours to count</translation>
    </message>
    <message>
        <source>Minutes to count</source>
        <translation>Minutes to count</translation>
    </message>
    <message>
        <source>Seconds to count</source>
        <translation>Seconds to count</translation>
    </message>
    <message>
        <source>Step the hours</source>
        <translation>Step the hours</translation>
    </message>
    <message>
        <source>Step the minutes</source>
        <translation>Step the minutes</translation>
    </message>
    <message>
        <source>Step the seconds</source>
        <translation>Step the seconds</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Time left</translation>
    </message>
    <message>
        <source>Count start</source>
        <translation>Start count</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>Resumes the paused count</extracomment>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Count exit</source>
        <extracomment>Ends the count</extracomment>
        <translation>Stop count</translation>
    </message>
</context>
<context>
    <name>FrmFullScreen</name>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>Resumes the paused count</extracomment>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Small window</source>
        <extracomment>Back from the full-screen view to the countdown&apos;s small window</extracomment>
        <translation>Small window</translation>
    </message>
</context>
<context>
    <name>FrmSyncError</name>
    <message>
        <source>Because failure of connecting in the Internet time server, it cannot fix time.</source>
        <extracomment>&quot;The clock cannot be set: the internet time server could not be reached.&quot;</extracomment>
        <translation>The clock cannot be set: the internet time server could not be reached.</translation>
    </message>
    <message>
        <source>Please confirm network condition which probably is normal.</source>
        <extracomment>&quot;Please check that the network works as it should.&quot;</extracomment>
        <translation>Please check that the network works as it should.</translation>
    </message>
    <message>
        <source>If this warning window are opened frequently, it means that the network condition is unstable. therefore, you not be able to use internet time function.</source>
        <extracomment>&quot;If this warning comes up often, the network is unstable, and the internet time cannot be used.&quot;</extracomment>
        <translation>If this warning comes up often, the network is unstable, and the internet time cannot be used.</translation>
    </message>
    <message>
        <source>So, please cancel the check box [Internet time] of Corvalin main window.</source>
        <extracomment>&quot;Then please untick [Internet time] in Corvalin&apos;s main window.&quot; Keep the box&apos;s name as the main window shows it.</extracomment>
        <translation>Then please untick [Internet time] in Corvalin&apos;s main window.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>FullScreenWindow</name>
    <message>
        <source>Time left</source>
        <translation>Time left</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Time of day</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Start page</source>
        <extracomment>The manual&apos;s start page: its contents and the point of caution
----------
Goes to the manual&apos;s start page</extracomment>
        <translation>Start page</translation>
    </message>
    <message>
        <source>Set up a week of bells</source>
        <translation>Set up a week of bells</translation>
    </message>
    <message>
        <source>A day made from lessons</source>
        <translation>A day made from lessons</translation>
    </message>
    <message>
        <source>Today&apos;s changes</source>
        <translation>Today&apos;s changes</translation>
    </message>
    <message>
        <source>Alarm signals</source>
        <translation>Alarm signals</translation>
    </message>
    <message>
        <source>The staff web page</source>
        <translation>The staff web page</translation>
    </message>
    <message>
        <source>Calendar and feeds</source>
        <translation>Calendar and feeds</translation>
    </message>
    <message>
        <source>Backup and moving to another PC</source>
        <translation>Backup and moving to another PC</translation>
    </message>
    <message>
        <source>Following a district&apos;s set-up</source>
        <translation>Following a district&apos;s set-up</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnings</translation>
    </message>
    <message>
        <source>help-language</source>
        <extracomment>The folder of the operator&apos;s manual in this translation&apos;s language, its two-letter code (assets/help/&lt;code&gt;/): &quot;de&quot; for German. Left as it is, the desktop&apos;s language decides.</extracomment>
        <translation>en</translation>
    </message>
    <message>
        <source>Corvalin Help</source>
        <translation>Corvalin Help</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>The pages of the manual; choose one to read it</source>
        <translation>The pages of the manual; choose one to read it</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Help page</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>What to do?</source>
        <translation>What to do?</translation>
    </message>
    <message>
        <source>Opens the manual&apos;s page on this warning</source>
        <translation>Opens the manual&apos;s page on this warning</translation>
    </message>
</context>
<context>
    <name>IcsPreview</name>
    <message>
        <source>Add</source>
        <extracomment>Adds the new days of the file to the calendar</extracomment>
        <translation>Add</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Import iCalendar</source>
        <translation>Import iCalendar</translation>
    </message>
    <message>
        <source>Days in the file</source>
        <translation>Days in the file</translation>
    </message>
    <message>
        <source>%1   %2   (already in the calendar)</source>
        <extracomment>An exception of the file (its days, its label) that the calendar holds already</extracomment>
        <translation>%1   %2   (already in the calendar)</translation>
    </message>
    <message>
        <source>%1: %2 all-day events from today on, %3 of them new. The new ones are added as &quot;no bells&quot; exceptions.</source>
        <extracomment>%1 is a file name, %2 and %3 numbers of events; &quot;no bells&quot; as the calendar window shows it</extracomment>
        <translation>%1: %2 all-day events from today on, %3 of them new. The new ones are added as &quot;no bells&quot; exceptions.</translation>
    </message>
</context>
<context>
    <name>Info1</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Corvalin infomation</source>
        <extracomment>&quot;Corvalin information&quot;: the title of the window with the program&apos;s version</extracomment>
        <translation>Corvalin information</translation>
    </message>
    <message>
        <source>Corvalin version %1</source>
        <translation>Corvalin version %1</translation>
    </message>
    <message>
        <source>Rings the bells of a school or a shop, on time, day after day.</source>
        <translation>Rings the bells of a school or a shop, on time, day after day.</translation>
    </message>
</context>
<context>
    <name>IntervalPanel</name>
    <message>
        <source>Apply</source>
        <extracomment>Takes the sound chosen in the sound list for this bell</extracomment>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Set start  and end time</source>
        <extracomment>&quot;Set start and end time&quot; (of the day&apos;s bells)</extracomment>
        <translation>Set start and end time</translation>
    </message>
    <message>
        <source>hr</source>
        <extracomment>Unit after an hour box: hours</extracomment>
        <translation>hr</translation>
    </message>
    <message>
        <source>min</source>
        <extracomment>Unit after a minute box: minutes</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Start of the day&apos;s bells (a time)
----------
A pre-bell some minutes after the lesson&apos;s bell</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>End of the day&apos;s bells (a time)
----------
A pre-bell some minutes before the break&apos;s bell</extracomment>
        <translation>End</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Start hour</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Start minute</translation>
    </message>
    <message>
        <source>End hour</source>
        <translation>End hour</translation>
    </message>
    <message>
        <source>End minute</source>
        <translation>End minute</translation>
    </message>
    <message>
        <source>The Up and Down keys step it</source>
        <translation>The Up and Down keys step it</translation>
    </message>
    <message>
        <source>Set time interval</source>
        <translation>Set time intervals</translation>
    </message>
    <message>
        <source>Work time</source>
        <extracomment>The length of a lesson</extracomment>
        <translation>Lesson time</translation>
    </message>
    <message>
        <source>Rest time</source>
        <extracomment>The length of a break</extracomment>
        <translation>Break time</translation>
    </message>
    <message>
        <source>%1 in minutes</source>
        <extracomment>%1: &quot;Work time&quot; or &quot;Rest time&quot;; the box holds minutes</extracomment>
        <translation>%1 in minutes</translation>
    </message>
    <message>
        <source>Set start bell sound</source>
        <translation>Set bell sounds</translation>
    </message>
    <message>
        <source>Work</source>
        <extracomment>The sound of the bell that starts a lesson</extracomment>
        <translation>Lesson</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The sound of the bell that starts a break</extracomment>
        <translation>Break</translation>
    </message>
    <message>
        <source>Sound of the lesson&apos;s bell</source>
        <translation>Sound of the lesson&apos;s bell</translation>
    </message>
    <message>
        <source>Sound of the break&apos;s bell</source>
        <translation>Sound of the break&apos;s bell</translation>
    </message>
    <message>
        <source>Apply the chosen sound to the lesson&apos;s bell</source>
        <translation>Apply the chosen sound to the lesson&apos;s bell</translation>
    </message>
    <message>
        <source>Apply the chosen sound to the break&apos;s bell</source>
        <translation>Apply the chosen sound to the break&apos;s bell</translation>
    </message>
    <message>
        <source>Alarm before and after bell time (After check,Apply sound)</source>
        <extracomment>&quot;Pre-bells before and after the bell time (check one, then apply its sound)&quot;</extracomment>
        <translation>Pre-bells before and after the bell time (tick one, then apply its sound)</translation>
    </message>
    <message>
        <source>min after</source>
        <extracomment>Minutes after the lesson&apos;s bell</extracomment>
        <translation>min after</translation>
    </message>
    <message>
        <source>min before</source>
        <extracomment>Minutes before the break&apos;s bell</extracomment>
        <translation>min before</translation>
    </message>
    <message>
        <source>Minutes after the lesson&apos;s bell</source>
        <translation>Minutes after the lesson&apos;s bell</translation>
    </message>
    <message>
        <source>Minutes before the break&apos;s bell</source>
        <translation>Minutes before the break&apos;s bell</translation>
    </message>
    <message>
        <source>Sound of the pre-bell after the lesson&apos;s bell</source>
        <translation>Sound of the pre-bell after the lesson&apos;s bell</translation>
    </message>
    <message>
        <source>Sound of the pre-bell before the break&apos;s bell</source>
        <translation>Sound of the pre-bell before the break&apos;s bell</translation>
    </message>
    <message>
        <source>Apply the chosen sound to the pre-bell after the lesson&apos;s bell</source>
        <translation>Apply the chosen sound to the pre-bell after the lesson&apos;s bell</translation>
    </message>
    <message>
        <source>Apply the chosen sound to the pre-bell before the break&apos;s bell</source>
        <translation>Apply the chosen sound to the pre-bell before the break&apos;s bell</translation>
    </message>
    <message>
        <source>Select bell sound from [Select bell sound]</source>
        <translation>Select a bell sound in [Select bell sound]</translation>
    </message>
</context>
<context>
    <name>IsAutoExitForm</name>
    <message>
        <source>Reservation computer exit</source>
        <extracomment>&quot;Booked switching off of the computer&quot;</extracomment>
        <translation>Scheduled shutdown</translation>
    </message>
    <message>
        <source>Exit time (Type 24Hour)</source>
        <extracomment>The time of day at which the computer is switched off, on the 24-hour clock</extracomment>
        <translation>Shutdown time (24-hour clock)</translation>
    </message>
    <message>
        <source>hr</source>
        <extracomment>Short for &quot;hours&quot;, after the hour box</extracomment>
        <translation>hr</translation>
    </message>
    <message>
        <source>min</source>
        <extracomment>Short for &quot;minutes&quot;, after the minute box</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>Exit hour</source>
        <translation>Shutdown hour</translation>
    </message>
    <message>
        <source>Exit minute</source>
        <translation>Shutdown minute</translation>
    </message>
    <message>
        <source>Step the hour</source>
        <translation>Step the hour</translation>
    </message>
    <message>
        <source>Step the minute</source>
        <translation>Step the minute</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tray</source>
        <extracomment>The title strip&apos;s button that hides the window into the tray</extracomment>
        <translation>Tray</translation>
    </message>
    <message>
        <source>Hides the window into the tray; the bells go on</source>
        <translation>Hides the window into the tray; the bells go on</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The menu strip&apos;s entry that ends the program
----------
The tray menu&apos;s entry that ends the program</extracomment>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Infomation</source>
        <extracomment>&quot;Information&quot;: the program&apos;s version and maker</extracomment>
        <translation>Information</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Countdown</source>
        <extracomment>A countdown the operator sets, which rings the bell at zero</extracomment>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>Countdown next bell</source>
        <extracomment>The time left until the next bell, shown large</extracomment>
        <translation>Countdown to next bell</translation>
    </message>
    <message>
        <source>Calendar</source>
        <extracomment>The school calendar</extracomment>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>Set-up</source>
        <translation>Set-up</translation>
    </message>
    <message>
        <source>Ring log</source>
        <translation>Ring log</translation>
    </message>
    <message>
        <source>Alarm</source>
        <extracomment>The alarm signals (fire, lockdown...)</extracomment>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Export...</source>
        <extracomment>Exports the whole set-up to one file</extracomment>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Import...</source>
        <extracomment>Imports a set-up file in place of this computer&apos;s set-up</extracomment>
        <translation>Import...</translation>
    </message>
    <message>
        <source>Opens the ring log</source>
        <translation>Opens the ring log</translation>
    </message>
    <message>
        <source>Open Window</source>
        <extracomment>The tray menu&apos;s entry that brings the window back</extracomment>
        <translation>Open window</translation>
    </message>
    <message>
        <source>Set time mode</source>
        <extracomment>How the bell times are set: by intervals or typed one by one</extracomment>
        <translation>Time entry</translation>
    </message>
    <message>
        <source>Auto interval</source>
        <extracomment>The bell times made from a start, an end and intervals</extracomment>
        <translation>Auto interval</translation>
    </message>
    <message>
        <source>Manual input</source>
        <extracomment>The bell times typed one by one</extracomment>
        <translation>Manual input</translation>
    </message>
    <message>
        <source>Apply day</source>
        <extracomment>Which days the bell times apply to</extracomment>
        <translation>Apply to</translation>
    </message>
    <message>
        <source>Apply week</source>
        <extracomment>The same bell times every day of the week</extracomment>
        <translation>Whole week</translation>
    </message>
    <message>
        <source>Set each day</source>
        <extracomment>Bell times of their own for each day of the week</extracomment>
        <translation>Each day</translation>
    </message>
    <message>
        <source>Select day</source>
        <translation>Select day</translation>
    </message>
    <message>
        <source>Day shown</source>
        <translation>Day shown</translation>
    </message>
    <message>
        <source>No rings</source>
        <extracomment>The day has no bells</extracomment>
        <translation>No bells</translation>
    </message>
    <message>
        <source>Copy to days...</source>
        <translation>Copy to days...</translation>
    </message>
    <message>
        <source>System language</source>
        <extracomment>The language the computer&apos;s own settings ask for</extracomment>
        <translation>System language</translation>
    </message>
    <message>
        <source>Original texts</source>
        <extracomment>The texts as the program&apos;s code has them, with no translation (English and Korean mixed)</extracomment>
        <translation>Original texts</translation>
    </message>
    <message>
        <source>The language could not be kept: %1</source>
        <translation>The language could not be kept: %1</translation>
    </message>
    <message>
        <source>The language is changed at the next start of Corvalin.</source>
        <translation>The language is changed at the next start of Corvalin.</translation>
    </message>
    <message>
        <source>Error Number : </source>
        <translation>Error number: </translation>
    </message>
    <message>
        <source>Dedicated %1 soundcard</source>
        <extracomment>%1 is the program&apos;s name: the sound card kept for the bells alone</extracomment>
        <translation>Dedicated %1 sound card</translation>
    </message>
    <message>
        <source>The bells go on: Corvalin keeps running here. To end it, choose Exit in this icon&apos;s menu.</source>
        <translation>The bells go on: Corvalin keeps running here. To end it, choose Exit in this icon&apos;s menu.</translation>
    </message>
    <message>
        <source>The school calendar is managed from %1 with the rest of the set-up; change it there.</source>
        <extracomment>%1 is the web address the set-up is followed from</extracomment>
        <translation>The school calendar is managed from %1 with the rest of the set-up; change it there.</translation>
    </message>
    <message>
        <source>%1 already has a list of its own. Replace it with the list of %2?</source>
        <extracomment>%1 is one day, %2 the day whose list is copied</extracomment>
        <translation>%1 already has a list of its own. Replace it with the list of %2?</translation>
    </message>
    <message>
        <source>%1 already have lists of their own. Replace them with the list of %2?</source>
        <extracomment>%1 lists several days, %2 is the day whose list is copied</extracomment>
        <translation>%1 already have lists of their own. Replace them with the list of %2?</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the days of a list</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Copy to days</source>
        <translation>Copy to days</translation>
    </message>
    <message>
        <source>templet%1</source>
        <extracomment>&quot;template %1&quot;: the %1st of the stored day lists the day selector offers after Saturday</extracomment>
        <translation>Template %1</translation>
    </message>
    <message>
        <source>All days</source>
        <extracomment>The day selector&apos;s caption while the same times apply to every day</extracomment>
        <translation>All days</translation>
    </message>
    <message>
        <source>Click arrow in right [Select day], Seting each day bell time.</source>
        <extracomment>&quot;Click the arrows on the right of [Select day] to set each day&apos;s bell times.&quot;</extracomment>
        <translation>Click the arrows to the right of [Select day] to set each day&apos;s bell times.</translation>
    </message>
    <message>
        <source>Bell time offset...</source>
        <translation>Bell time offset...</translation>
    </message>
    <message>
        <source>Bell time offset</source>
        <translation>Bell time offset</translation>
    </message>
    <message>
        <source>Every bell rings this many seconds after the computer&apos;s clock (before it when negative), so that the bells match the building&apos;s clocks:</source>
        <translation>Every bell rings this many seconds after the computer&apos;s clock (before it when negative), so that the bells match the building&apos;s clocks:</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>Seconds, after a number</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1

Click to open the ring log</source>
        <extracomment>%1 is the problem, as the ring log has it</extracomment>
        <translation>%1

Click to open the ring log</translation>
    </message>
    <message>
        <source>Corvalin set-up (*.zip)</source>
        <extracomment>The file dialog&apos;s filter; keep &quot;(*.zip)&quot; as it is</extracomment>
        <translation>Corvalin set-up (*.zip)</translation>
    </message>
    <message>
        <source>Export the set-up</source>
        <translation>Export the set-up</translation>
    </message>
    <message>
        <source>The set-up was not exported: %1</source>
        <extracomment>%1 says why</extracomment>
        <translation>The set-up was not exported: %1</translation>
    </message>
    <message>
        <source>The set-up was exported to %1.</source>
        <translation>The set-up was exported to %1.</translation>
    </message>
    <message>
        <source>The set-up was exported to %1. The signature of an older set-up beside it, %2, was removed.</source>
        <extracomment>%1 is the set-up&apos;s file, %2 the signature file beside it</extracomment>
        <translation>The set-up was exported to %1. The signature of an older set-up beside it, %2, was removed.</translation>
    </message>
    <message>
        <source>The set-up was exported to %1. The signature of an older set-up beside it, %2, does not match it and could not be removed: remove it before publishing the set-up.</source>
        <extracomment>%1 is the set-up&apos;s file, %2 the signature file beside it</extracomment>
        <translation>The set-up was exported to %1. The signature of an older set-up beside it, %2, does not match it and could not be removed: remove it before publishing the set-up.</translation>
    </message>
    <message>
        <source>Import a set-up</source>
        <translation>Import a set-up</translation>
    </message>
    <message>
        <source>%1. Nothing was changed.</source>
        <extracomment>%1 says why the file cannot be imported</extracomment>
        <translation>%1. Nothing was changed.</translation>
    </message>
    <message>
        <source>%1

Replace the set-up of this computer with this one? Its settings take the place of every setting now in use; the bell service, if it runs, starts again with them.</source>
        <extracomment>%1 describes what the file holds</extracomment>
        <translation>%1

Replace the set-up of this computer with this one? Its settings take the place of every setting now in use; the bell service, if it runs, starts again with them.</translation>
    </message>
    <message>
        <source>Skip next bell (%1)</source>
        <extracomment>%1 is the next bell&apos;s time, as 10:50</extracomment>
        <translation>Skip next bell (%1)</translation>
    </message>
    <message>
        <source>%1-Alarm: %2</source>
        <extracomment>%1 is the program&apos;s name, %2 the alarm signal that sounds</extracomment>
        <translation>%1 - Alarm: %2</translation>
    </message>
    <message>
        <source>%1-Stop</source>
        <extracomment>%1 is the program&apos;s name: the bells are stopped</extracomment>
        <translation>%1 - Stopped</translation>
    </message>
    <message>
        <source>%1-Excuting...</source>
        <extracomment>%1 is the program&apos;s name: &quot;Executing...&quot;, the bells run</extracomment>
        <translation>%1 - Running...</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Auto execution</source>
        <extracomment>Start Corvalin when the computer starts (a user logs on)</extracomment>
        <translation>Auto start</translation>
    </message>
    <message>
        <source>If you want Corvalin to operate automatically at computer start time.</source>
        <translation>Starts Corvalin automatically when the computer starts.</translation>
    </message>
    <message>
        <source>No sound at bell</source>
        <extracomment>Silence the computer&apos;s other sounds while a bell rings</extracomment>
        <translation>Mute other sounds</translation>
    </message>
    <message>
        <source>Silences the computer&apos;s other sounds while a bell rings</source>
        <translation>Silences the computer&apos;s other sounds while a bell rings</translation>
    </message>
    <message>
        <source>Repeating bell</source>
        <translation>Repeating bell</translation>
    </message>
    <message>
        <source>if you click [Stop Bell], bell sound will be stoped.</source>
        <extracomment>&quot;If you click [Stop bell], the bell sound stops.&quot;</extracomment>
        <translation>If you click [Stop bell], the bell sound stops.</translation>
    </message>
    <message>
        <source>Internet time</source>
        <translation>Internet time</translation>
    </message>
    <message>
        <source>At real-time it synchronizes a computer time in standard time.</source>
        <extracomment>&quot;It keeps the computer&apos;s clock set to the standard time.&quot;</extracomment>
        <translation>Keeps the computer&apos;s clock set to the standard time.</translation>
    </message>
    <message>
        <source>Reservation Exit</source>
        <extracomment>&quot;Booked power-off&quot;: the computer is switched off at a set time every day</extracomment>
        <translation>Scheduled shutdown</translation>
    </message>
    <message>
        <source>Switches the computer off at a set time every day</source>
        <translation>Switches the computer off at a set time every day</translation>
    </message>
    <message>
        <source>Because, this function purge computer default soundcard at bell time, so, computer lings only Corvalin at bell time.

벨소리 재생이 끝난 후 컴퓨터 기본 사운드카드를 다시 활성화시킵니다. 

컴퓨터로 음악을 내보내는 곳(카페나 편의점등의 상점)에서 필요한 기능입니다.</source>
        <extracomment>&quot;This silences the computer&apos;s default sound card at bell time, so the computer plays only Corvalin&apos;s bell then. [Korean:] When the bell sound ends the computer&apos;s default sound card is turned on again. [Korean:] A function needed where a computer plays music (shops such as cafés or convenience stores).&quot;</extracomment>
        <translation>This mutes the computer&apos;s default sound card at bell time, so that the computer plays only Corvalin&apos;s bell then.

When the bell sound ends, the computer&apos;s default sound card is turned on again.

This is needed where a computer plays music (in shops such as cafés or convenience stores).</translation>
    </message>
    <message>
        <source>It uses the Internet time server, at real-time it synchronizes a computer time in standard time.</source>
        <extracomment>&quot;It uses an internet time server to keep the computer&apos;s clock set to the standard time.&quot;</extracomment>
        <translation>It uses an internet time server to keep the computer&apos;s clock set to the standard time.</translation>
    </message>
    <message>
        <source>at %1:%2</source>
        <extracomment>The booked power-off&apos;s time: %1 hours, %2 minutes</extracomment>
        <translation>at %1:%2</translation>
    </message>
</context>
<context>
    <name>RingLogWindow</name>
    <message>
        <source>Ring log</source>
        <translation>Ring log</translation>
    </message>
    <message>
        <source>Every bell rung and every problem, newest last</source>
        <translation>Every bell rung and every problem, newest last</translation>
    </message>
    <message>
        <source>The ring log %1 cannot be shown: %2.</source>
        <extracomment>%1 is the ring log&apos;s file, %2 says why</extracomment>
        <translation>The ring log %1 cannot be shown: %2.</translation>
    </message>
    <message>
        <source>Nothing has been logged yet.</source>
        <translation>Nothing has been logged yet.</translation>
    </message>
</context>
<context>
    <name>ServicePanel</name>
    <message>
        <source>Next bell</source>
        <translation>Next bell</translation>
    </message>
    <message>
        <source>Next sound</source>
        <translation>Next sound</translation>
    </message>
    <message>
        <source>Now state</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Starts the bell service</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Starts the bells with the settings shown</source>
        <translation>Starts the bells with the settings shown</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stops the bell service</extracomment>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Stops the bells</source>
        <translation>Stops the bells</translation>
    </message>
    <message>
        <source>Now time :</source>
        <translation>Time now:</translation>
    </message>
    <message>
        <source>Today :</source>
        <translation>Today:</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>The bell service&apos;s state: stopped</extracomment>
        <translation>OFF</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The bell service&apos;s state: running</extracomment>
        <translation>ON</translation>
    </message>
    <message>
        <source>NEXT DAY</source>
        <extracomment>No bell is left today: the next one rings on another day</extracomment>
        <translation>NEXT DAY</translation>
    </message>
    <message>
        <source>%1hr %2min</source>
        <translation>%1hr %2min</translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation>No bells today</translation>
    </message>
    <message>
        <source>Templet %1 rings today</source>
        <extracomment>&quot;Templet&quot;: template (a saved list of bell times)</extracomment>
        <translation>Template %1 rings today</translation>
    </message>
    <message>
        <source>(bells %1%2 s)</source>
        <extracomment>The bells&apos; offset from this clock: %1 the sign, %2 the seconds; &quot;s&quot;: seconds</extracomment>
        <translation>(bells %1%2 s)</translation>
    </message>
    <message>
        <source>Every bell rings %1 s before this clock</source>
        <translation>Every bell rings %1 s before this clock</translation>
    </message>
    <message>
        <source>Every bell rings %1 s after this clock</source>
        <translation>Every bell rings %1 s after this clock</translation>
    </message>
</context>
<context>
    <name>SndSelect</name>
    <message>
        <source>Select dedicated soundcard</source>
        <translation>Select dedicated sound card</translation>
    </message>
    <message>
        <source>Default output</source>
        <translation>Default output</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>Stores the chosen sound card</extracomment>
        <translation>Set</translation>
    </message>
    <message>
        <source>Sound card</source>
        <translation>Sound card</translation>
    </message>
    <message>
        <source>The sound card the bells play on; none chosen: the default output</source>
        <translation>The sound card the bells play on; none chosen: the default output</translation>
    </message>
    <message>
        <source>Clears the choice: the bells follow the system&apos;s output</source>
        <translation>Clears the choice: the bells follow the system&apos;s output</translation>
    </message>
</context>
<context>
    <name>SoundsPanel</name>
    <message>
        <source>Select bell sound</source>
        <translation>Select bell sound</translation>
    </message>
    <message>
        <source>Bell sounds</source>
        <translation>Bell sounds</translation>
    </message>
    <message>
        <source>The sound folder&apos;s sounds; the one chosen rings now and is given to the bells added</source>
        <translation>The sounds in the sound folder; the chosen one rings with Ring now and goes to the bells you add</translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation>Ring now</translation>
    </message>
    <message>
        <source>Stop bell</source>
        <translation>Stop bell</translation>
    </message>
    <message>
        <source>Add sound...</source>
        <translation>Add sound...</translation>
    </message>
    <message>
        <source>Copies a sound file into the sound folder</source>
        <translation>Copies a sound file into the sound folder</translation>
    </message>
    <message>
        <source>Ring now (%1)</source>
        <extracomment>%1: its shortcut, e.g. Ctrl+R</extracomment>
        <translation>Ring now (%1)</translation>
    </message>
    <message>
        <source>Rings the sound chosen in the list now; shortcut %1</source>
        <extracomment>%1: its shortcut, e.g. Ctrl+R</extracomment>
        <translation>Rings the sound chosen in the list now; shortcut %1</translation>
    </message>
    <message>
        <source>Stop bell (%1)</source>
        <extracomment>%1: its shortcut, e.g. Ctrl+S</extracomment>
        <translation>Stop bell (%1)</translation>
    </message>
    <message>
        <source>Stops the repeating bell; shortcut %1</source>
        <extracomment>%1: its shortcut, e.g. Ctrl+S</extracomment>
        <translation>Stops the repeating bell; shortcut %1</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>Chooses the sound card the bells ring on</extracomment>
        <translation>Set</translation>
    </message>
    <message>
        <source>Chooses the sound card the bells ring on</source>
        <translation>Chooses the sound card the bells ring on</translation>
    </message>
    <message>
        <source>Not a bell sound: %1</source>
        <translation>Not a bell sound: %1</translation>
    </message>
    <message>
        <source>Sounds (%1);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters: keep &quot;;;&quot; and &quot;(*)&quot;</extracomment>
        <translation>Sounds (%1);;All files (*)</translation>
    </message>
    <message>
        <source>Add sound</source>
        <translation>Add sound</translation>
    </message>
    <message>
        <source>%1 was not added: %2.</source>
        <extracomment>%1: a file name; %2: why it was not added</extracomment>
        <translation>%1 was not added: %2.</translation>
    </message>
    <message>
        <source>a bell sound is a WAV, FLAC, Ogg Vorbis, Opus or MP3 file, named so (%1)</source>
        <translation>a bell sound is a WAV, FLAC, Ogg Vorbis, Opus or MP3 file, named so (%1)</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>it cannot be read (%1)</translation>
    </message>
    <message>
        <source>it is larger than any bell sound</source>
        <translation>it is larger than any bell sound</translation>
    </message>
    <message>
        <source>the file is not a sound that can be played</source>
        <translation>the file is not a sound that can be played</translation>
    </message>
    <message>
        <source>%1 is already in the sound folder. Replace it?</source>
        <translation>%1 is already in the sound folder. Replace it?</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>the folder %1 cannot be made</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1: why a file could not be written; %2: the file</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>it could not be copied: %1</source>
        <translation>it could not be copied: %1</translation>
    </message>
    <message>
        <source>Select bell sound from [Select bell sound]</source>
        <translation>Select a bell sound in [Select bell sound]</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Lower</source>
        <translation>Lower</translation>
    </message>
    <message>
        <source>Higher</source>
        <translation>Higher</translation>
    </message>
    <message>
        <source>The Up and Down arrow keys change the value</source>
        <translation>The Up and Down arrow keys change the value</translation>
    </message>
</context>
<context>
    <name>StaffPage</name>
    <message>
        <source>Corvalin staff page</source>
        <translation>Corvalin staff page</translation>
    </message>
    <message>
        <source>Staff log-in</source>
        <translation>Staff log-in</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>Alarm:</source>
        <translation>Alarm:</translation>
    </message>
    <message>
        <source>Stop alarm</source>
        <translation>Stop alarm</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Yes, sound it now</source>
        <translation>Yes, sound it now</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Next bell</source>
        <translation>Next bell</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>Bells</translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation>Ring now</translation>
    </message>
    <message>
        <source>Stop bell</source>
        <translation>Stop bell</translation>
    </message>
    <message>
        <source>Skip next bell</source>
        <translation>Skip next bell</translation>
    </message>
    <message>
        <source>Start the bells</source>
        <translation>Start the bells</translation>
    </message>
    <message>
        <source>Stop the bells</source>
        <translation>Stop the bells</translation>
    </message>
    <message>
        <source>Today&apos;s changes</source>
        <translation>Today&apos;s changes</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Skip the bell at</source>
        <translation>Skip the bell at</translation>
    </message>
    <message>
        <source>Move the bell at</source>
        <translation>Move the bell at</translation>
    </message>
    <message>
        <source>Add a bell at</source>
        <translation>Add a bell at</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Change today</source>
        <translation>Change today</translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation>No bells today</translation>
    </message>
    <message>
        <source>Undo today&apos;s changes</source>
        <translation>Undo today&apos;s changes</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Log out</translation>
    </message>
    <message>
        <source>The bells&apos; clock</source>
        <translation>The bells&apos; clock</translation>
    </message>
    <message>
        <source>The bell PC cannot be reached: %1</source>
        <translation>The bell PC cannot be reached: %1</translation>
    </message>
    <message>
        <source>Your session has ended: log in again.</source>
        <translation>Your session has ended: log in again.</translation>
    </message>
    <message>
        <source>Not logged in</source>
        <translation>Not logged in</translation>
    </message>
    <message>
        <source>Logged in as %1 (%2)</source>
        <translation>Logged in as %1 (%2)</translation>
    </message>
    <message>
        <source>Sound %1 in the whole school now?</source>
        <translation>Sound %1 in the whole school now?</translation>
    </message>
    <message>
        <source>ALARM: %1</source>
        <translation>ALARM: %1</translation>
    </message>
    <message>
        <source>The bells run</source>
        <translation>The bells run</translation>
    </message>
    <message>
        <source>The bells are stopped</source>
        <translation>The bells are stopped</translation>
    </message>
    <message>
        <source>None: the bells are stopped</source>
        <translation>None: the bells are stopped</translation>
    </message>
    <message>
        <source>None left today</source>
        <translation>None left today</translation>
    </message>
    <message>
        <source>None listed: the bells are stopped</source>
        <translation>None listed: the bells are stopped</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>The bell PC cannot be reached.</source>
        <translation>The bell PC cannot be reached.</translation>
    </message>
</context>
<context>
    <name>StaffPageDialog</name>
    <message>
        <source>Staff web page</source>
        <translation>Staff web page</translation>
    </message>
    <message>
        <source>Staff raise alarms and see the bells from a phone or a classroom PC, in a browser, on this school&apos;s network.</source>
        <translation>Staff raise alarms and see the bells from a phone or a classroom PC, in a browser, on this school&apos;s network.</translation>
    </message>
    <message>
        <source>Page</source>
        <extracomment>The staff web page, as served</extracomment>
        <translation>Page</translation>
    </message>
    <message>
        <source>Serve the staff web page (HTTPS)</source>
        <translation>Serve the staff web page (HTTPS)</translation>
    </message>
    <message>
        <source>8443, or 192.0.2.10:8443</source>
        <translation>8443, or 192.0.2.10:8443</translation>
    </message>
    <message>
        <source>Port, or address:port</source>
        <translation>Port, or address:port</translation>
    </message>
    <message>
        <source>Where the page is served: a port, or an address and a port</source>
        <translation>Where the page is served: a port, or an address and a port</translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>Where the page is served, or that it is not</extracomment>
        <translation>Address</translation>
    </message>
    <message>
        <source>Staff check that their browser shows this fingerprint for the page&apos;s certificate</source>
        <translation>Staff check that their browser shows this fingerprint for the page&apos;s certificate</translation>
    </message>
    <message>
        <source>Certificate SHA-256</source>
        <translation>Certificate SHA-256</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Staff accounts</source>
        <translation>Staff accounts</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Add...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Removes the account chosen in the list</source>
        <translation>Removes the account chosen in the list</translation>
    </message>
    <message>
        <source>alarm: raise and stop alarms, see the bells. office: also today&apos;s changes, ring now, stop a bell, start and stop the bells.</source>
        <extracomment>&quot;alarm&quot; and &quot;office&quot; are the names of the two roles, typed as they are: keep them untranslated</extracomment>
        <translation>alarm: raise and stop alarms, see the bells. office: also today&apos;s changes, ring now, stop a bell, start and stop the bells.</translation>
    </message>
    <message>
        <source>not served</source>
        <translation>not served</translation>
    </message>
    <message>
        <source>none yet: made when the page is first served</source>
        <translation>none yet: made when the page is first served</translation>
    </message>
    <message>
        <source>Add a staff account</source>
        <translation>Add a staff account</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The staff member&apos;s account name</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Role</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>The same again</source>
        <extracomment>The password typed a second time</extracomment>
        <translation>The same again</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Password again</translation>
    </message>
    <message>
        <source>the two passwords differ</source>
        <translation>the two passwords differ</translation>
    </message>
</context>
<context>
    <name>StaffPageLine</name>
    <message>
        <source>Staff web page...</source>
        <translation>Staff web page...</translation>
    </message>
    <message>
        <source>Staff web page: %1   certificate SHA-256 %2</source>
        <translation>Staff web page: %1   certificate SHA-256 %2</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>Corvalin (window copy): the bell service runs</source>
        <translation>Corvalin (window copy): the bell service runs</translation>
    </message>
    <message>
        <source>Corvalin (window copy): the bell service is stopped</source>
        <translation>Corvalin (window copy): the bell service is stopped</translation>
    </message>
    <message>
        <source>Corvalin (copy with no window): the bell service runs</source>
        <translation>Corvalin (copy with no window): the bell service runs</translation>
    </message>
    <message>
        <source>Corvalin (copy with no window): the bell service is stopped</source>
        <translation>Corvalin (copy with no window): the bell service is stopped</translation>
    </message>
    <message>
        <source>Alarm signal: none</source>
        <translation>Alarm signal: none</translation>
    </message>
    <message>
        <source>Alarm signal: %1 sounds</source>
        <translation>Alarm signal: %1 sounds</translation>
    </message>
    <message>
        <source>Next bell: none (stopped)</source>
        <translation>Next bell: none (stopped)</translation>
    </message>
    <message>
        <source>Next bell: none left today</source>
        <translation>Next bell: none left today</translation>
    </message>
    <message>
        <source>Next bell: %1 %2</source>
        <translation>Next bell: %1 %2</translation>
    </message>
    <message>
        <source>Last bell: none yet</source>
        <translation>Last bell: none yet</translation>
    </message>
    <message>
        <source>Last bell: %1 %2 (ring now)</source>
        <translation>Last bell: %1 %2 (ring now)</translation>
    </message>
    <message>
        <source>Last bell: %1 %2</source>
        <translation>Last bell: %1 %2</translation>
    </message>
    <message>
        <source>Bells&apos; clock: %1 %2</source>
        <translation>Bells&apos; clock: %1 %2</translation>
    </message>
    <message>
        <source>Bells&apos; clock: %1 %2 (%3 s ahead of the computer&apos;s clock)</source>
        <translation>Bells&apos; clock: %1 %2 (%3 s ahead of the computer&apos;s clock)</translation>
    </message>
    <message>
        <source>Bells&apos; clock: %1 %2 (%3 s behind the computer&apos;s clock)</source>
        <translation>Bells&apos; clock: %1 %2 (%3 s behind the computer&apos;s clock)</translation>
    </message>
    <message>
        <source>Today: %1, %2</source>
        <translation>Today: %1, %2</translation>
    </message>
    <message>
        <source>Today&apos;s changes: none</source>
        <translation>Today&apos;s changes: none</translation>
    </message>
    <message>
        <source>Today&apos;s changes:</source>
        <translation>Today&apos;s changes:</translation>
    </message>
    <message>
        <source>Set-up: this computer&apos;s own</source>
        <translation>Set-up: this computer&apos;s own</translation>
    </message>
    <message>
        <source>Set-up: managed from %1</source>
        <translation>Set-up: managed from %1</translation>
    </message>
    <message>
        <source>  version in use: none yet</source>
        <translation>  version in use: none yet</translation>
    </message>
    <message>
        <source>  version in use: SHA-256 %1, applied %2</source>
        <translation>  version in use: SHA-256 %1, applied %2</translation>
    </message>
    <message>
        <source>  last checked: not yet</source>
        <translation>  last checked: not yet</translation>
    </message>
    <message>
        <source>  last checked: %1</source>
        <translation>  last checked: %1</translation>
    </message>
    <message>
        <source>Staff web page: off</source>
        <translation>Staff web page: off</translation>
    </message>
    <message>
        <source>Staff web page: %1</source>
        <translation>Staff web page: %1</translation>
    </message>
    <message>
        <source>  certificate SHA-256: %1</source>
        <translation>  certificate SHA-256: %1</translation>
    </message>
    <message>
        <source>Problems: none</source>
        <translation>Problems: none</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Problems:</translation>
    </message>
</context>
<context>
    <name>Templet</name>
    <message>
        <source>Select templet</source>
        <extracomment>&quot;Select template&quot;: one of the six stored time lists</extracomment>
        <translation>Select template</translation>
    </message>
    <message>
        <source>Apply templet %1</source>
        <extracomment>&quot;Apply template %1&quot;: copies stored time list %1 into the list being edited</extracomment>
        <translation>Apply template %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TimeListPanel</name>
    <message>
        <source>Input time (Add after selecting sound)</source>
        <translation>Enter time (add it after choosing a sound)</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Adds the time typed, with the sound chosen, to the list</extracomment>
        <translation>Add</translation>
    </message>
    <message>
        <source>hr</source>
        <extracomment>Unit after an hour box: hours</extracomment>
        <translation>hr</translation>
    </message>
    <message>
        <source>min</source>
        <extracomment>Unit after a minute box: minutes</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>Hour of the bell to add</source>
        <translation>Hour of the bell to add</translation>
    </message>
    <message>
        <source>Minute of the bell to add</source>
        <translation>Minute of the bell to add</translation>
    </message>
    <message>
        <source>The Up and Down keys step it</source>
        <translation>The Up and Down keys step it</translation>
    </message>
    <message>
        <source>Adds the time typed, with the sound chosen, to the added times</source>
        <translation>Adds the time typed, with the sound chosen, to the added times</translation>
    </message>
    <message>
        <source>Added time (Type 24Hour)</source>
        <extracomment>&quot;Added times (24-hour clock)&quot;</extracomment>
        <translation>Added times (24-hour clock)</translation>
    </message>
    <message>
        <source>Added times</source>
        <translation>Added times</translation>
    </message>
    <message>
        <source>Each bell&apos;s time and sound</source>
        <translation>Each bell&apos;s time and sound</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Deletes the time chosen in the list
----------
A box&apos;s title: deleting times</extracomment>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Change sound</source>
        <translation>Change sound</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Delete all</translation>
    </message>
    <message>
        <source>Apply templet</source>
        <extracomment>&quot;Apply template&quot;: puts a saved list of times in the list&apos;s place</extracomment>
        <translation>Apply template</translation>
    </message>
    <message>
        <source>Deletes the time chosen in the added times</source>
        <translation>Deletes the time chosen in the added times</translation>
    </message>
    <message>
        <source>Gives the time chosen in the added times the sound chosen in the sound list</source>
        <translation>Gives the time chosen in the added times the sound chosen in the sound list</translation>
    </message>
    <message>
        <source>Deletes every added time</source>
        <translation>Deletes every added time</translation>
    </message>
    <message>
        <source>Puts a template&apos;s times in the place of the added times</source>
        <translation>Puts a template&apos;s times in the place of the added times</translation>
    </message>
    <message>
        <source>Select bell sound int [Select bell sound]</source>
        <extracomment>&quot;Select a bell sound in [Select bell sound]&quot;</extracomment>
        <translation>Select a bell sound in [Select bell sound]</translation>
    </message>
    <message>
        <source>Add Only wave file to sound folder. Please, delete non wave file from
%1.</source>
        <extracomment>&quot;Add only sound files to the sound folder. Please delete the other files from&quot; %1: the folder</extracomment>
        <translation>Add only sound files to the sound folder. Please delete the other files from
%1.</translation>
    </message>
    <message>
        <source>The corresponding time is being register already.</source>
        <extracomment>&quot;That time is in the list already.&quot;</extracomment>
        <translation>That time is in the list already.</translation>
    </message>
    <message>
        <source>Select time that you want to delete in [Added time]</source>
        <translation>Select the time you want to delete in [Added times]</translation>
    </message>
    <message>
        <source>Select time that you want to modify in [Added time]</source>
        <translation>Select the time you want to change in [Added times]</translation>
    </message>
    <message>
        <source>Select bell sound in [Select bell sound]</source>
        <translation>Select a bell sound in [Select bell sound]</translation>
    </message>
    <message>
        <source>Delete all times of time box?</source>
        <translation>Delete all the times in the list?</translation>
    </message>
    <message>
        <source>templet%1 has no saved times: %2</source>
        <extracomment>&quot;Template %1 has no saved times: %2&quot; (%2: its file)</extracomment>
        <translation>Template %1 has no saved times: %2</translation>
    </message>
</context>
<context>
    <name>TodayBellDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Bell time</source>
        <extracomment>The time of a bell changed for today</extracomment>
        <translation>Bell time</translation>
    </message>
    <message>
        <source>Bell sound</source>
        <translation>Bell sound</translation>
    </message>
</context>
<context>
    <name>TodayPanel</name>
    <message>
        <source>%1hr%2min</source>
        <extracomment>A bell&apos;s time in the list of today&apos;s bells: hours and minutes, e.g. &quot;10hr50min&quot;; the list sorts by it, so keep the hours first</extracomment>
        <translation>%1hr%2min</translation>
    </message>
    <message>
        <source>skipped</source>
        <extracomment>A bell of today&apos;s list that does not ring today</extracomment>
        <translation>skipped</translation>
    </message>
    <message>
        <source>added</source>
        <extracomment>A bell of today&apos;s list added for today only</extracomment>
        <translation>added</translation>
    </message>
    <message>
        <source>moved from %1</source>
        <extracomment>A bell of today&apos;s list moved here for today; %1: the time it had, e.g. 10:50</extracomment>
        <translation>moved from %1</translation>
    </message>
    <message>
        <source>Today Bells</source>
        <translation>Today&apos;s bells</translation>
    </message>
    <message>
        <source>Today&apos;s bells</source>
        <translation>Today&apos;s bells</translation>
    </message>
    <message>
        <source>The bells that ring today. The context menu (right click, or the Menu key) changes them for today; %1 skips the next bell.</source>
        <extracomment>%1: the shortcut that skips the next bell, e.g. Ctrl+K</extracomment>
        <translation>The bells that ring today. The context menu (right click, or the Menu key) changes them for today; %1 skips the next bell.</translation>
    </message>
    <message>
        <source>Right click to change today&apos;s bells; %1 skips the next bell</source>
        <extracomment>%1: the shortcut that skips the next bell, e.g. Ctrl+K</extracomment>
        <translation>Right click to change today&apos;s bells; %1 skips the next bell</translation>
    </message>
    <message>
        <source>Skip %1 today</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Skip %1 today</translation>
    </message>
    <message>
        <source>Move %1 today...</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Move %1 today...</translation>
    </message>
    <message>
        <source>Move a bell today</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Move a bell today</translation>
    </message>
    <message>
        <source>The %1 bell rings today at:</source>
        <translation>The %1 bell rings today at:</translation>
    </message>
    <message>
        <source>Undo: %1 added today</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Undo: %1 added today</translation>
    </message>
    <message>
        <source>Undo: %1 skipped today</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Undo: %1 skipped today</translation>
    </message>
    <message>
        <source>Undo: %1 moved to %2</source>
        <extracomment>%1: the bell&apos;s time before, %2: its time today, e.g. 10:50</extracomment>
        <translation>Undo: %1 moved to %2</translation>
    </message>
    <message>
        <source>Skip next bell (%1)</source>
        <extracomment>%1: the next bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Skip next bell (%1)</translation>
    </message>
    <message>
        <source>Add a bell today...</source>
        <translation>Add a bell today...</translation>
    </message>
    <message>
        <source>Add a bell today</source>
        <translation>Add a bell today</translation>
    </message>
    <message>
        <source>A bell today only, at:</source>
        <translation>A bell today only, at:</translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation>No bells today</translation>
    </message>
    <message>
        <source>Ring templet today</source>
        <extracomment>&quot;Ring template ... today&quot;: today rings a saved list of times instead</extracomment>
        <translation>Ring a template today</translation>
    </message>
    <message>
        <source>Templet %1</source>
        <extracomment>&quot;Template %1&quot;: a saved list of bell times, by its number</extracomment>
        <translation>Template %1</translation>
    </message>
    <message>
        <source>Undo all of today&apos;s changes</source>
        <translation>Undo all of today&apos;s changes</translation>
    </message>
    <message>
        <source>Today&apos;s bells were not changed: %1.</source>
        <extracomment>%1: why the bells refused the change</extracomment>
        <translation>Today&apos;s bells were not changed: %1.</translation>
    </message>
</context>
</TS>
