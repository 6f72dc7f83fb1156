<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Ring the bells with no window, tray or display, as a service started at boot does (see corvalin.service). The bells start as with &quot;Auto execution&quot; on; while a window copy runs this copy waits, and it takes the bells back when that copy ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the whole set-up (every settings file and your own bell sounds) to &lt;file&gt;, a zip file, and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the set-up with the one in &lt;file&gt;, written by --export or the Set-up menu, and end. Only while no copy of Corvalin runs; nothing changes unless all of it checks out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --export: sign the exported set-up with the secret key in &lt;keyfile&gt; and write the signature beside it, as &lt;file&gt;.sig, for the PCs that follow the published set-up. A key file that cannot sign is refused before anything is written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a key pair for signing set-ups: write the secret key to &lt;keyfile&gt;, a new file readable by you alone (an existing file is never written over), print the public key that the following PCs are given, as the last line, and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rings a school&apos;s or a shop&apos;s bells on time, day after day.
Settings live in %1; your own bell sounds in %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Say what the copy of Corvalin that runs for you is doing: the bell service, the next bell, today&apos;s changes, the last bell rung, an alarm signal and the open problems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ring a bell now, the sound named after the option (as the ring-now button does), or the next bell&apos;s sound when none is named.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the bell, or the alarm signal, that sounds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip the next bell, today only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip the bell at &lt;time&gt; (hh:mm), today only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the bell at &lt;time&gt; to the time given after it, today only: --move 10:15 10:45.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a bell at &lt;time&gt;, ringing the sound named after it, today only: --add 12:10 school-bell.wav.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ring no bells today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ring templet &lt;n&gt; (1 to 6) today, in place of the day&apos;s own times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo today&apos;s change &lt;n&gt; (from 0, in the order --status lists them), or all of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound the alarm signal &lt;name&gt; at once, with no question.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the alarm signal that sounds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the bell service, as the start button does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the bell service, as the stop button does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow the set-up published at &lt;address&gt; (https://, or http:// on a LAN), signed with the publisher&apos;s key given with --key: it is fetched at start and every 15 minutes and applied when its signature and contents check out. Without a copy running, kept for the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow no set-up any more; the set-up in use stays, as this computer&apos;s own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetch the followed set-up now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serve the staff web page (HTTPS) from now on and at every start: on every address, port 8443, or on the port or address:port given after it (--web-on 192.0.2.10:8443). Without a copy running, kept for the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serve the staff web page no more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add an account for the staff web page, or give one a new password and role: --role alarm (raise and stop alarms; the default) or --role office (also today&apos;s changes, ring now, stop bell, start and stop). The password is read from standard input, one line, or asked twice on a terminal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the staff web page&apos;s account &lt;name&gt;; its sessions end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the staff web page&apos;s accounts and their roles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --status: as one JSON object, for a script.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --follow: the publisher&apos;s public key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --staff-add: what the account may do (alarm when not given).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StaffPage</name>
    <message>
        <source>Corvalin staff page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staff log-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes, sound it now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next bell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop bell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip next bell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the bells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the bells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip the bell at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the bell at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a bell at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo today&apos;s changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bells&apos; clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bell PC cannot be reached: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your session has ended: log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not logged in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logged in as %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound %1 in the whole school now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALARM: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bells run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bells are stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None: the bells are stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None left today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None listed: the bells are stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bell PC cannot be reached.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>Corvalin (window copy): the bell service runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvalin (window copy): the bell service is stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvalin (copy with no window): the bell service runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvalin (copy with no window): the bell service is stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm signal: none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm signal: %1 sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next bell: none (stopped)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next bell: none left today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next bell: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last bell: none yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last bell: %1 %2 (ring now)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last bell: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bells&apos; clock: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bells&apos; clock: %1 %2 (%3 s ahead of the computer&apos;s clock)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bells&apos; clock: %1 %2 (%3 s behind the computer&apos;s clock)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s changes: none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s changes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set-up: this computer&apos;s own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set-up: managed from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  version in use: none yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  version in use: SHA-256 %1, applied %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  last checked: not yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  last checked: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staff web page: off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staff web page: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  certificate SHA-256: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems: none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
