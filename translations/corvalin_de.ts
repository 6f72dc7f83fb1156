<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AlarmPanel</name>
    <message>
        <source>Stop alarm</source>
        <translation>Alarm stoppen</translation>
    </message>
    <message>
        <source>Stops the alarm signal that sounds</source>
        <translation>Stoppt das Alarmsignal, das gerade ertönt</translation>
    </message>
    <message>
        <source>Alarm signals...</source>
        <translation>Alarmsignale...</translation>
    </message>
    <message>
        <source>Alarm: %1</source>
        <extracomment>An alarm signal, by its name</extracomment>
        <translation>Alarm: %1</translation>
    </message>
    <message>
        <source>until it is stopped</source>
        <translation>bis zum Stoppen</translation>
    </message>
    <message>
        <source>Sound the alarm signal %1 now? It rings on the bell card %2. It sounds now, and starts again from the beginning.</source>
        <extracomment>%1: the signal&apos;s name; %2: how long it rings (&quot;3 times&quot;, &quot;until it is stopped&quot;)</extracomment>
        <translation>Alarmsignal %1 jetzt auslösen? Es ertönt auf der Klingel-Soundkarte %2. Es ertönt jetzt und beginnt wieder von vorn.</translation>
    </message>
    <message>
        <source>Sound the alarm signal %1 now? It rings on the bell card %2. The alarm signal %3, which sounds now, stops.</source>
        <extracomment>%1: the signal&apos;s name; %2: how long it rings; %3: the signal that sounds now</extracomment>
        <translation>Alarmsignal %1 jetzt auslösen? Es ertönt auf der Klingel-Soundkarte %2. Das Alarmsignal %3, das gerade ertönt, wird gestoppt.</translation>
    </message>
    <message>
        <source>Sound the alarm signal %1 now? It rings on the bell card %2.</source>
        <extracomment>%1: the signal&apos;s name; %2: how long it rings (&quot;3 times&quot;, &quot;until it is stopped&quot;)</extracomment>
        <translation>Alarmsignal %1 jetzt auslösen? Es ertönt auf der Klingel-Soundkarte %2.</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Sound it</source>
        <translation>Auslösen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The alarm signal %1 did not sound: %2.</source>
        <translation>Das Alarmsignal %1 wurde nicht ausgelöst: %2.</translation>
    </message>
</context>
<context>
    <name>AlarmsDialog</name>
    <message>
        <source>Alarm signals</source>
        <translation>Alarmsignale</translation>
    </message>
    <message>
        <source>Each signal sounds at once from the Alarm menu, after a question, and rings on the bell card for its times or until it is stopped. A row with no name is no signal.</source>
        <translation>Jedes Signal ertönt nach einer Rückfrage sofort über das Menü Alarm und erklingt auf der Klingel-Soundkarte so oft wie eingestellt oder bis es gestoppt wird. Eine Zeile ohne Namen ist kein Signal.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column: the alarm signal&apos;s name</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>A column: the alarm signal&apos;s sound</extracomment>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Times</source>
        <extracomment>A column: how many times the alarm signal rings</extracomment>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>%1 (not in the sound folder)</source>
        <extracomment>%1: a sound file&apos;s name</extracomment>
        <translation>%1 (nicht im Klangordner)</translation>
    </message>
    <message>
        <source>until stopped</source>
        <extracomment>How many times an alarm signal rings: none set, it rings until it is stopped</extracomment>
        <translation>bis zum Stoppen</translation>
    </message>
    <message>
        <source>Name of alarm signal %1</source>
        <extracomment>%1: the row&apos;s number</extracomment>
        <translation>Name von Alarmsignal %1</translation>
    </message>
    <message>
        <source>Sound of alarm signal %1</source>
        <extracomment>%1: the row&apos;s number</extracomment>
        <translation>Ton von Alarmsignal %1</translation>
    </message>
    <message>
        <source>Times alarm signal %1 rings</source>
        <extracomment>%1: the row&apos;s number</extracomment>
        <translation>Wie oft Alarmsignal %1 ertönt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Not saved: %1.</source>
        <extracomment>%1: why the alarm signals cannot be saved</extracomment>
        <translation>Nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>The alarm signals could not be written to the data folder (the ring log says why); they hold until the program ends. OK tries again.</source>
        <translation>Die Alarmsignale konnten nicht in den Datenordner geschrieben werden (das Klingelprotokoll nennt den Grund); sie gelten, bis das Programm beendet wird. OK versucht es erneut.</translation>
    </message>
</context>
<context>
    <name>AutoModeForm</name>
    <message>
        <source>Auto execution way</source>
        <extracomment>How the program shows itself when it starts on its own</extracomment>
        <translation>Autostart-Modus</translation>
    </message>
    <message>
        <source>Execution to monitor</source>
        <extracomment>Started on its own, the program shows its window</extracomment>
        <translation>Mit Fenster starten</translation>
    </message>
    <message>
        <source>Execution to tray icon</source>
        <extracomment>Started on its own, the program shows only its tray icon</extracomment>
        <translation>Nur im Infobereich starten</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Auto execution방법</source>
        <extracomment>&quot;Auto execution method&quot;</extracomment>
        <translation>Autostart-Modus</translation>
    </message>
</context>
<context>
    <name>CalendarWindow</name>
    <message>
        <source>no bells</source>
        <extracomment>What happens on the exception&apos;s days: no bell rings</extracomment>
        <translation>kein Klingeln</translation>
    </message>
    <message>
        <source>ring templet %1</source>
        <extracomment>&quot;ring template %1&quot;: the bells of stored time list %1 ring</extracomment>
        <translation>nach Vorlage %1 klingeln</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>From one day to another, both included (the days are written yyyy-MM-dd)</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An exception&apos;s label, then what happens on its days</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Exception days are marked; choosing a day chooses the exception that decides it, or puts the day into the first and last day boxes</source>
        <translation>Ausnahmetage sind markiert; ein gewählter Tag wählt die Ausnahme, die für ihn gilt, oder trägt den Tag in die Felder für ersten und letzten Tag ein</translation>
    </message>
    <message>
        <source>Days</source>
        <extracomment>Column heads of the list of date exceptions: the days, what happens on them, their label</extracomment>
        <translation>Tage</translation>
    </message>
    <message>
        <source>What</source>
        <extracomment>What happens on the exception&apos;s days</extracomment>
        <translation>Was</translation>
    </message>
    <message>
        <source>Label</source>
        <extracomment>The exception&apos;s own name, such as &quot;Winter holidays&quot;
----------
The name the subscription goes by</extracomment>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Subscription</source>
        <extracomment>Column heads of the list of subscribed calendars</extracomment>
        <translation>Abonnement</translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>The web address of the calendar to subscribe to</extracomment>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>for example Winter holidays</source>
        <translation>zum Beispiel Winterferien</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Adds a date exception</extracomment>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Changes the chosen date exception</extracomment>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Deletes the chosen date exception</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Import iCalendar...</source>
        <translation>iCalendar importieren...</translation>
    </message>
    <message>
        <source>Subscribe...</source>
        <translation>Abonnieren...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Fetches the subscribed calendars again</extracomment>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Fetch the subscribed calendars again now</source>
        <translation>Die abonnierten Kalender jetzt neu abrufen</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Abo beenden</translation>
    </message>
    <message>
        <source>End the subscription chosen in the list and delete its days</source>
        <translation>Das in der Liste gewählte Abonnement beenden und seine Tage löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Erster Tag</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <source>Date exceptions</source>
        <translation>Ausnahmetage</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>%1 (subscribed: %2)</source>
        <extracomment>A subscribed day&apos;s label, then the subscription&apos;s name</extracomment>
        <translation>%1 (abonniert: %2)</translation>
    </message>
    <message>
        <source>From the subscription &quot;%1&quot;; it changes when the feed does</source>
        <translation>Aus dem Abonnement „%1“; ändert sich mit dem Feed</translation>
    </message>
    <message>
        <source>Select the subscription to end in the list.</source>
        <translation>Wählen Sie das zu beendende Abonnement in der Liste.</translation>
    </message>
    <message>
        <source>These days come from the subscription &quot;%1&quot; (%2). End the subscription and delete all its days?</source>
        <translation>Diese Tage stammen aus dem Abonnement „%1“ (%2). Abonnement beenden und alle seine Tage löschen?</translation>
    </message>
    <message>
        <source>The last day must not be before the first day.</source>
        <translation>Der letzte Tag darf nicht vor dem ersten Tag liegen.</translation>
    </message>
    <message>
        <source>The calendar already holds %1 for %2.</source>
        <extracomment>Refuses a second exception with the same days: what it does, then its days</extracomment>
        <translation>Der Kalender enthält bereits %1 für %2.</translation>
    </message>
    <message>
        <source>Select the exception to change in the list.</source>
        <translation>Wählen Sie die zu ändernde Ausnahme in der Liste.</translation>
    </message>
    <message>
        <source>These days come from the subscription &quot;%1&quot; and change with it. Add an exception of your own for them instead: it decides before the subscription.</source>
        <translation>Diese Tage stammen aus dem Abonnement „%1“ und ändern sich mit ihm. Legen Sie stattdessen eine eigene Ausnahme für sie an: Sie hat Vorrang vor dem Abonnement.</translation>
    </message>
    <message>
        <source>Select the exception to delete in the list.</source>
        <translation>Wählen Sie die zu löschende Ausnahme in der Liste.</translation>
    </message>
    <message>
        <source>Delete %1 (%2)?</source>
        <extracomment>Asks before an exception is deleted: its label and what it does, then its days</extracomment>
        <translation>%1 (%2) löschen?</translation>
    </message>
    <message>
        <source>Subscribe to a calendar</source>
        <translation>Kalender abonnieren</translation>
    </message>
    <message>
        <source>https://... or webcal://... of an iCalendar feed</source>
        <translation>https://... oder webcal://... eines iCalendar-Feeds</translation>
    </message>
    <message>
        <source>for example School holidays</source>
        <translation>zum Beispiel Schulferien</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Abonnieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>All-day events of the calendar become days without bells. It is fetched now, at every start and once a day.</source>
        <translation>Ganztägige Termine des Kalenders werden zu Tagen ohne Klingeln. Er wird jetzt, bei jedem Start und einmal täglich abgerufen.</translation>
    </message>
    <message>
        <source>The calendar was not subscribed to: %1.</source>
        <translation>Der Kalender wurde nicht abonniert: %1.</translation>
    </message>
    <message>
        <source>Import iCalendar</source>
        <translation>iCalendar importieren</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ical);;All files (*)</source>
        <extracomment>File dialog filters: keep the patterns in brackets as they are</extracomment>
        <translation>iCalendar-Dateien (*.ics *.ical);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a file was not imported; %1 is the system&apos;s reason</extracomment>
        <translation>sie kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <extracomment>Why a file was not imported</extracomment>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <extracomment>%1 is a file name</extracomment>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>%1 was not imported: %2. The calendar is unchanged.</source>
        <extracomment>%1 is a file name, %2 why it was not imported</extracomment>
        <translation>%1 wurde nicht importiert: %2. Der Kalender ist unverändert.</translation>
    </message>
    <message>
        <source>%1 events with a time of day</source>
        <translation>%1 Termine mit Uhrzeit</translation>
    </message>
    <message>
        <source>%1 events that have ended</source>
        <translation>%1 bereits vergangene Termine</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <extracomment>The events of the file that were not imported, listed with commas between them</extracomment>
        <translation>Ausgelassen: %1.</translation>
    </message>
    <message>
        <source>%1 holds no all-day events from today on; nothing was added. %2</source>
        <extracomment>%1 is a file name, %2 what was left out of it, if anything</extracomment>
        <translation>%1 enthält ab heute keine ganztägigen Termine; nichts wurde hinzugefügt. %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ring the bells with no window, tray or display, as a service started at boot does (see corvalin.service). The bells start as with &quot;Auto execution&quot; on; while a window copy runs this copy waits, and it takes the bells back when that copy ends.</source>
        <translation>Klingelt ohne Fenster, Infobereich oder Bildschirm, wie ein beim Hochfahren gestarteter Dienst (siehe corvalin.service). Der Klingelbetrieb startet wie mit eingeschaltetem „Autostart“; solange eine Fenster-Instanz läuft, wartet diese Instanz und übernimmt das Klingeln, wenn jene endet.</translation>
    </message>
    <message>
        <source>Write the whole set-up (every settings file and your own bell sounds) to &lt;file&gt;, a zip file, and end.</source>
        <translation>Schreibt die gesamte Konfiguration (alle Einstellungsdateien und Ihre eigenen Klingeltöne) in &lt;file&gt;, eine ZIP-Datei, und beendet sich.</translation>
    </message>
    <message>
        <source>Replace the set-up with the one in &lt;file&gt;, written by --export or the Set-up menu, and end. Only while no copy of Corvalin runs; nothing changes unless all of it checks out.</source>
        <translation>Ersetzt die Konfiguration durch die in &lt;file&gt;, die mit --export oder dem Menü Konfiguration geschrieben wurde, und beendet sich. Nur solange keine Instanz von Corvalin läuft; es ändert sich nichts, wenn nicht alles geprüft ist.</translation>
    </message>
    <message>
        <source>With --export: sign the exported set-up with the secret key in &lt;keyfile&gt; and write the signature beside it, as &lt;file&gt;.sig, for the PCs that follow the published set-up. A key file that cannot sign is refused before anything is written.</source>
        <translation>Mit --export: signiert die exportierte Konfiguration mit dem geheimen Schlüssel in &lt;keyfile&gt; und schreibt die Signatur daneben als &lt;file&gt;.sig, für die PCs, die der veröffentlichten Konfiguration folgen. Eine Schlüsseldatei, die nicht signieren kann, wird abgewiesen, bevor etwas geschrieben wird.</translation>
    </message>
    <message>
        <source>Make a key pair for signing set-ups: write the secret key to &lt;keyfile&gt;, a new file readable by you alone (an existing file is never written over), print the public key that the following PCs are given, as the last line, and end.</source>
        <translation>Erzeugt ein Schlüsselpaar zum Signieren von Konfigurationen: schreibt den geheimen Schlüssel in &lt;keyfile&gt;, eine neue, nur für Sie lesbare Datei (eine vorhandene Datei wird nie überschrieben), gibt als letzte Zeile den öffentlichen Schlüssel aus, den die folgenden PCs erhalten, und beendet sich.</translation>
    </message>
    <message>
        <source>Rings a school&apos;s or a shop&apos;s bells on time, day after day.
Settings live in %1; your own bell sounds in %2.</source>
        <translation>Lässt die Klingel einer Schule oder eines Geschäfts pünktlich ertönen, Tag für Tag.
Einstellungen liegen in %1, Ihre eigenen Klingeltöne in %2.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Say what the copy of Corvalin that runs for you is doing: the bell service, the next bell, today&apos;s changes, the last bell rung, an alarm signal and the open problems.</source>
        <translation>Zeigt, was die für Sie laufende Instanz von Corvalin tut: Klingelbetrieb, nächstes Klingeln, heutige Änderungen, letztes Klingeln, Alarmsignal und offene Probleme.</translation>
    </message>
    <message>
        <source>Ring a bell now, the sound named after the option (as the ring-now button does), or the next bell&apos;s sound when none is named.</source>
        <translation>Jetzt klingeln, mit dem nach der Option genannten Ton (wie die Schaltfläche Jetzt klingeln) oder mit dem Ton des nächsten Klingelns, wenn keiner genannt ist.</translation>
    </message>
    <message>
        <source>Stop the bell, or the alarm signal, that sounds.</source>
        <translation>Stoppt das Klingeln oder das Alarmsignal, das gerade ertönt.</translation>
    </message>
    <message>
        <source>Skip the next bell, today only.</source>
        <translation>Lässt das nächste Klingeln aus, nur heute.</translation>
    </message>
    <message>
        <source>Skip the bell at &lt;time&gt; (hh:mm), today only.</source>
        <translation>Lässt das Klingeln um &lt;time&gt; (hh:mm) aus, nur heute.</translation>
    </message>
    <message>
        <source>Move the bell at &lt;time&gt; to the time given after it, today only: --move 10:15 10:45.</source>
        <translation>Verschiebt das Klingeln um &lt;time&gt; auf die danach angegebene Zeit, nur heute: --move 10:15 10:45.</translation>
    </message>
    <message>
        <source>Add a bell at &lt;time&gt;, ringing the sound named after it, today only: --add 12:10 school-bell.wav.</source>
        <translation>Fügt ein Klingeln um &lt;time&gt; mit dem danach genannten Ton hinzu, nur heute: --add 12:10 school-bell.wav.</translation>
    </message>
    <message>
        <source>Ring no bells today.</source>
        <translation>Heute kein Klingeln.</translation>
    </message>
    <message>
        <source>Ring templet &lt;n&gt; (1 to 6) today, in place of the day&apos;s own times.</source>
        <translation>Klingelt heute nach Vorlage &lt;n&gt; (1 bis 6) statt nach den Zeiten des Tages.</translation>
    </message>
    <message>
        <source>Undo today&apos;s change &lt;n&gt; (from 0, in the order --status lists them), or all of them.</source>
        <translation>Macht die heutige Änderung &lt;n&gt; rückgängig (ab 0, in der Reihenfolge von --status) oder alle.</translation>
    </message>
    <message>
        <source>Sound the alarm signal &lt;name&gt; at once, with no question.</source>
        <translation>Löst das Alarmsignal &lt;name&gt; sofort aus, ohne Rückfrage.</translation>
    </message>
    <message>
        <source>Stop the alarm signal that sounds.</source>
        <translation>Stoppt das Alarmsignal, das gerade ertönt.</translation>
    </message>
    <message>
        <source>Start the bell service, as the start button does.</source>
        <translation>Startet den Klingelbetrieb, wie die Schaltfläche Starten.</translation>
    </message>
    <message>
        <source>Stop the bell service, as the stop button does.</source>
        <translation>Stoppt den Klingelbetrieb, wie die Schaltfläche Stoppen.</translation>
    </message>
    <message>
        <source>Follow the set-up published at &lt;address&gt; (https://, or http:// on a LAN), signed with the publisher&apos;s key given with --key: it is fetched at start and every 15 minutes and applied when its signature and contents check out. Without a copy running, kept for the next start.</source>
        <translation>Folgt der unter &lt;address&gt; veröffentlichten Konfiguration (https:// oder im LAN http://), signiert mit dem Schlüssel des Herausgebers, der mit --key angegeben wird: Sie wird beim Start und alle 15 Minuten abgerufen und übernommen, wenn Signatur und Inhalt geprüft sind. Läuft keine Instanz, wird es für den nächsten Start gemerkt.</translation>
    </message>
    <message>
        <source>Follow no set-up any more; the set-up in use stays, as this computer&apos;s own.</source>
        <translation>Folgt keiner Konfiguration mehr; die verwendete Konfiguration bleibt als eigene dieses Computers.</translation>
    </message>
    <message>
        <source>Fetch the followed set-up now.</source>
        <translation>Ruft die gefolgte Konfiguration jetzt ab.</translation>
    </message>
    <message>
        <source>Serve the staff web page (HTTPS) from now on and at every start: on every address, port 8443, or on the port or address:port given after it (--web-on 192.0.2.10:8443). Without a copy running, kept for the next start.</source>
        <translation>Stellt die Personal-Webseite (HTTPS) ab jetzt und bei jedem Start bereit: auf allen Adressen, Port 8443, oder auf dem danach angegebenen Port bzw. Adresse:Port (--web-on 192.0.2.10:8443). Läuft keine Instanz, wird es für den nächsten Start gemerkt.</translation>
    </message>
    <message>
        <source>Serve the staff web page no more.</source>
        <translation>Stellt die Personal-Webseite nicht mehr bereit.</translation>
    </message>
    <message>
        <source>Add an account for the staff web page, or give one a new password and role: --role alarm (raise and stop alarms; the default) or --role office (also today&apos;s changes, ring now, stop bell, start and stop). The password is read from standard input, one line, or asked twice on a terminal.</source>
        <translation>Legt ein Konto für die Personal-Webseite an oder gibt einem Konto ein neues Passwort und eine neue Rolle: --role alarm (Alarme auslösen und stoppen; Standard) oder --role office (zusätzlich heutige Änderungen, Jetzt klingeln, Klingeln stoppen, Starten und Stoppen). Das Passwort wird von der Standardeingabe gelesen, eine Zeile, oder im Terminal zweimal abgefragt.</translation>
    </message>
    <message>
        <source>Remove the staff web page&apos;s account &lt;name&gt;; its sessions end.</source>
        <translation>Entfernt das Konto &lt;name&gt; der Personal-Webseite; seine Sitzungen enden.</translation>
    </message>
    <message>
        <source>List the staff web page&apos;s accounts and their roles.</source>
        <translation>Listet die Konten der Personal-Webseite und ihre Rollen auf.</translation>
    </message>
    <message>
        <source>With --status: as one JSON object, for a script.</source>
        <translation>Mit --status: als ein JSON-Objekt, für ein Skript.</translation>
    </message>
    <message>
        <source>With --follow: the publisher&apos;s public key.</source>
        <translation>Mit --follow: der öffentliche Schlüssel des Herausgebers.</translation>
    </message>
    <message>
        <source>With --staff-add: what the account may do (alarm when not given).</source>
        <translation>Mit --staff-add: was das Konto darf (alarm, wenn nicht angegeben).</translation>
    </message>
</context>
<context>
    <name>CopyDaysDialog</name>
    <message>
        <source>Copy to days</source>
        <translation>Auf Tage kopieren</translation>
    </message>
    <message>
        <source>Copy the list of %1 to:</source>
        <extracomment>%1 is the day whose list is copied</extracomment>
        <translation>Die Liste von %1 kopieren nach:</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>FollowPanel</name>
    <message>
        <source>Follow a set-up...</source>
        <translation>Konfiguration folgen...</translation>
    </message>
    <message>
        <source>Refresh the followed set-up</source>
        <translation>Gefolgte Konfiguration aktualisieren</translation>
    </message>
    <message>
        <source>Stop following</source>
        <translation>Nicht mehr folgen</translation>
    </message>
    <message>
        <source>Managed from %1; change it there</source>
        <extracomment>%1: the web address the set-up is followed from</extracomment>
        <translation>Verwaltet von %1; dort ändern</translation>
    </message>
    <message>
        <source>Follow a set-up</source>
        <translation>Konfiguration folgen</translation>
    </message>
    <message>
        <source>This computer takes its set-up from a web address, as it is published there and signed by its publisher, and keeps it up to date (at start and every 15 minutes). Its settings are then changed only there.</source>
        <translation>Dieser Computer übernimmt seine Konfiguration von einer Webadresse, so wie sie dort veröffentlicht und von ihrem Herausgeber signiert ist, und hält sie aktuell (beim Start und alle 15 Minuten). Seine Einstellungen werden dann nur noch dort geändert.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Publisher&apos;s public key</source>
        <translation>Öffentlicher Schlüssel des Herausgebers</translation>
    </message>
    <message>
        <source>Follow</source>
        <extracomment>Starts following the set-up at the address</extracomment>
        <translation>Folgen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>this copy cannot follow a set-up</source>
        <translation>diese Instanz kann keiner Konfiguration folgen</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Publisher&apos;s public key:</source>
        <translation>Öffentlicher Schlüssel des Herausgebers:</translation>
    </message>
</context>
<context>
    <name>FrmBellCount</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>Std</translation>
    </message>
    <message>
        <source>분</source>
        <extracomment>&quot;minutes&quot;</extracomment>
        <translation>Min</translation>
    </message>
    <message>
        <source>초 카운트다운</source>
        <extracomment>&quot;seconds countdown&quot;</extracomment>
        <translation>Sek. Countdown</translation>
    </message>
    <message>
        <source>Hours to count</source>
        <translation>Stunden für den Countdown</translation>
    </message>
    <message>
        <source>Minutes to count</source>
        <translation>Minuten für den Countdown</translation>
    </message>
    <message>
        <source>Seconds to count</source>
        <translation>Sekunden für den Countdown</translation>
    </message>
    <message>
        <source>Step the hours</source>
        <translation>Stunden einstellen</translation>
    </message>
    <message>
        <source>Step the minutes</source>
        <translation>Minuten einstellen</translation>
    </message>
    <message>
        <source>Step the seconds</source>
        <translation>Sekunden einstellen</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Count start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>Resumes the paused count</extracomment>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Count exit</source>
        <extracomment>Ends the count</extracomment>
        <translation>Beenden</translation>
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
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Small window</source>
        <extracomment>Back from the full-screen view to the countdown&apos;s small window</extracomment>
        <translation>Kleines Fenster</translation>
    </message>
</context>
<context>
    <name>FrmSyncError</name>
    <message>
        <source>Because failure of connecting in the Internet time server, it cannot fix time.</source>
        <extracomment>&quot;The clock cannot be set: the internet time server could not be reached.&quot;</extracomment>
        <translation>Die Uhr kann nicht gestellt werden: Der Internet-Zeitserver ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>Please confirm network condition which probably is normal.</source>
        <extracomment>&quot;Please check that the network works as it should.&quot;</extracomment>
        <translation>Bitte prüfen Sie, ob das Netzwerk richtig funktioniert.</translation>
    </message>
    <message>
        <source>If this warning window are opened frequently, it means that the network condition is unstable. therefore, you not be able to use internet time function.</source>
        <extracomment>&quot;If this warning comes up often, the network is unstable, and the internet time cannot be used.&quot;</extracomment>
        <translation>Erscheint diese Warnung oft, ist das Netzwerk instabil und die Internetzeit kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>So, please cancel the check box [Internet time] of Corvalin main window.</source>
        <extracomment>&quot;Then please untick [Internet time] in Corvalin&apos;s main window.&quot; Keep the box&apos;s name as the main window shows it.</extracomment>
        <translation>Deaktivieren Sie dann bitte [Internetzeit] im Hauptfenster von Corvalin.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>FullScreenWindow</name>
    <message>
        <source>Time left</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Uhrzeit</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Start page</source>
        <extracomment>The manual&apos;s start page: its contents and the point of caution
----------
Goes to the manual&apos;s start page</extracomment>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Set up a week of bells</source>
        <translation>Eine Woche Klingelzeiten einrichten</translation>
    </message>
    <message>
        <source>A day made from lessons</source>
        <translation>Ein Tag aus Unterricht und Pausen</translation>
    </message>
    <message>
        <source>Today&apos;s changes</source>
        <translation>Heutige Änderungen</translation>
    </message>
    <message>
        <source>Alarm signals</source>
        <translation>Alarmsignale</translation>
    </message>
    <message>
        <source>The staff web page</source>
        <translation>Die Personal-Webseite</translation>
    </message>
    <message>
        <source>Calendar and feeds</source>
        <translation>Kalender und Feeds</translation>
    </message>
    <message>
        <source>Backup and moving to another PC</source>
        <translation>Sicherung und Umzug auf einen anderen PC</translation>
    </message>
    <message>
        <source>Following a district&apos;s set-up</source>
        <translation>Der Konfiguration eines Schulträgers folgen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>help-language</source>
        <extracomment>The folder of the operator&apos;s manual in this translation&apos;s language, its two-letter code (assets/help/&lt;code&gt;/): &quot;de&quot; for German. Left as it is, the desktop&apos;s language decides.</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>Corvalin Help</source>
        <translation>Corvalin-Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>The pages of the manual; choose one to read it</source>
        <translation>Die Seiten des Handbuchs; wählen Sie eine zum Lesen</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>What to do?</source>
        <translation>Was tun?</translation>
    </message>
    <message>
        <source>Opens the manual&apos;s page on this warning</source>
        <translation>Öffnet die Handbuchseite zu dieser Warnung</translation>
    </message>
</context>
<context>
    <name>IcsPreview</name>
    <message>
        <source>Add</source>
        <extracomment>Adds the new days of the file to the calendar</extracomment>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import iCalendar</source>
        <translation>iCalendar importieren</translation>
    </message>
    <message>
        <source>Days in the file</source>
        <translation>Tage in der Datei</translation>
    </message>
    <message>
        <source>%1   %2   (already in the calendar)</source>
        <extracomment>An exception of the file (its days, its label) that the calendar holds already</extracomment>
        <translation>%1   %2   (bereits im Kalender)</translation>
    </message>
    <message>
        <source>%1: %2 all-day events from today on, %3 of them new. The new ones are added as &quot;no bells&quot; exceptions.</source>
        <extracomment>%1 is a file name, %2 and %3 numbers of events; &quot;no bells&quot; as the calendar window shows it</extracomment>
        <translation>%1: %2 ganztägige Termine ab heute, davon %3 neu. Die neuen werden als Ausnahmen „kein Klingeln“ hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>Info1</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Corvalin infomation</source>
        <extracomment>&quot;Corvalin information&quot;: the title of the window with the program&apos;s version</extracomment>
        <translation>Info zu Corvalin</translation>
    </message>
    <message>
        <source>Corvalin version %1</source>
        <translation>Corvalin Version %1</translation>
    </message>
    <message>
        <source>Rings the bells of a school or a shop, on time, day after day.</source>
        <translation>Läutet die Klingeln einer Schule oder eines Geschäfts, pünktlich, Tag für Tag.</translation>
    </message>
</context>
<context>
    <name>IntervalPanel</name>
    <message>
        <source>Apply</source>
        <extracomment>Takes the sound chosen in the sound list for this bell</extracomment>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Set start  and end time</source>
        <extracomment>&quot;Set start and end time&quot; (of the day&apos;s bells)</extracomment>
        <translation>Beginn und Ende festlegen</translation>
    </message>
    <message>
        <source>hr</source>
        <extracomment>Unit after an hour box: hours</extracomment>
        <translation>Std</translation>
    </message>
    <message>
        <source>min</source>
        <extracomment>Unit after a minute box: minutes</extracomment>
        <translation>Min</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Start of the day&apos;s bells (a time)
----------
A pre-bell some minutes after the lesson&apos;s bell</extracomment>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>End of the day&apos;s bells (a time)
----------
A pre-bell some minutes before the break&apos;s bell</extracomment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Beginn Stunde</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Beginn Minute</translation>
    </message>
    <message>
        <source>End hour</source>
        <translation>Ende Stunde</translation>
    </message>
    <message>
        <source>End minute</source>
        <translation>Ende Minute</translation>
    </message>
    <message>
        <source>The Up and Down keys step it</source>
        <translation>Mit den Pfeiltasten auf und ab einstellen</translation>
    </message>
    <message>
        <source>Set time interval</source>
        <translation>Intervalle festlegen</translation>
    </message>
    <message>
        <source>Work time</source>
        <extracomment>The length of a lesson</extracomment>
        <translation>Unterrichtszeit</translation>
    </message>
    <message>
        <source>Rest time</source>
        <extracomment>The length of a break</extracomment>
        <translation>Pausenzeit</translation>
    </message>
    <message>
        <source>%1 in minutes</source>
        <extracomment>%1: &quot;Work time&quot; or &quot;Rest time&quot;; the box holds minutes</extracomment>
        <translation>%1 in Minuten</translation>
    </message>
    <message>
        <source>Set start bell sound</source>
        <translation>Klingelton festlegen</translation>
    </message>
    <message>
        <source>Work</source>
        <extracomment>The sound of the bell that starts a lesson</extracomment>
        <translation>Unterricht</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The sound of the bell that starts a break</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Sound of the lesson&apos;s bell</source>
        <translation>Klingelton zum Unterrichtsbeginn</translation>
    </message>
    <message>
        <source>Sound of the break&apos;s bell</source>
        <translation>Klingelton zum Pausenbeginn</translation>
    </message>
    <message>
        <source>Apply the chosen sound to the lesson&apos;s bell</source>
        <translation>Den gewählten Ton für das Klingeln zum Unterrichtsbeginn übernehmen</translation>
    </message>
    <message>
        <source>Apply the chosen sound to the break&apos;s bell</source>
        <translation>Den gewählten Ton für das Klingeln zum Pausenbeginn übernehmen</translation>
    </message>
    <message>
        <source>Alarm before and after bell time (After check,Apply sound)</source>
        <extracomment>&quot;Pre-bells before and after the bell time (check one, then apply its sound)&quot;</extracomment>
        <translation>Vorklingeln vor und nach der Klingelzeit (ankreuzen, dann Ton übernehmen)</translation>
    </message>
    <message>
        <source>min after</source>
        <extracomment>Minutes after the lesson&apos;s bell</extracomment>
        <translation>Min danach</translation>
    </message>
    <message>
        <source>min before</source>
        <extracomment>Minutes before the break&apos;s bell</extracomment>
        <translation>Min vorher</translation>
    </message>
    <message>
        <source>Minutes after the lesson&apos;s bell</source>
        <translation>Minuten nach dem Klingeln zum Unterrichtsbeginn</translation>
    </message>
    <message>
        <source>Minutes before the break&apos;s bell</source>
        <translation>Minuten vor dem Klingeln zum Pausenbeginn</translation>
    </message>
    <message>
        <source>Sound of the pre-bell after the lesson&apos;s bell</source>
        <translation>Ton des Vorklingelns nach dem Unterrichtsbeginn</translation>
    </message>
    <message>
        <source>Sound of the pre-bell before the break&apos;s bell</source>
        <translation>Ton des Vorklingelns vor dem Pausenbeginn</translation>
    </message>
    <message>
        <source>Apply the chosen sound to the pre-bell after the lesson&apos;s bell</source>
        <translation>Den gewählten Ton für das Vorklingeln nach dem Unterrichtsbeginn übernehmen</translation>
    </message>
    <message>
        <source>Apply the chosen sound to the pre-bell before the break&apos;s bell</source>
        <translation>Den gewählten Ton für das Vorklingeln vor dem Pausenbeginn übernehmen</translation>
    </message>
    <message>
        <source>Select bell sound from [Select bell sound]</source>
        <translation>Klingelton unter [Klingelton wählen] auswählen</translation>
    </message>
</context>
<context>
    <name>IsAutoExitForm</name>
    <message>
        <source>Reservation computer exit</source>
        <extracomment>&quot;Booked switching off of the computer&quot;</extracomment>
        <translation>Geplantes Ausschalten</translation>
    </message>
    <message>
        <source>Exit time (Type 24Hour)</source>
        <extracomment>The time of day at which the computer is switched off, on the 24-hour clock</extracomment>
        <translation>Ausschaltzeit (24-Stunden-Format)</translation>
    </message>
    <message>
        <source>hr</source>
        <extracomment>Short for &quot;hours&quot;, after the hour box</extracomment>
        <translation>Std</translation>
    </message>
    <message>
        <source>min</source>
        <extracomment>Short for &quot;minutes&quot;, after the minute box</extracomment>
        <translation>Min</translation>
    </message>
    <message>
        <source>Exit hour</source>
        <translation>Ausschalten Stunde</translation>
    </message>
    <message>
        <source>Exit minute</source>
        <translation>Ausschalten Minute</translation>
    </message>
    <message>
        <source>Step the hour</source>
        <translation>Stunde einstellen</translation>
    </message>
    <message>
        <source>Step the minute</source>
        <translation>Minute einstellen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tray</source>
        <extracomment>The title strip&apos;s button that hides the window into the tray</extracomment>
        <translation>Infobereich</translation>
    </message>
    <message>
        <source>Hides the window into the tray; the bells go on</source>
        <translation>Blendet das Fenster in den Infobereich aus; das Klingeln läuft weiter</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The menu strip&apos;s entry that ends the program
----------
The tray menu&apos;s entry that ends the program</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Infomation</source>
        <extracomment>&quot;Information&quot;: the program&apos;s version and maker</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Countdown</source>
        <extracomment>A countdown the operator sets, which rings the bell at zero</extracomment>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>Countdown next bell</source>
        <extracomment>The time left until the next bell, shown large</extracomment>
        <translation>Countdown bis zum nächsten Klingeln</translation>
    </message>
    <message>
        <source>Calendar</source>
        <extracomment>The school calendar</extracomment>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Set-up</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Ring log</source>
        <translation>Klingelprotokoll</translation>
    </message>
    <message>
        <source>Alarm</source>
        <extracomment>The alarm signals (fire, lockdown...)</extracomment>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Export...</source>
        <extracomment>Exports the whole set-up to one file</extracomment>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Import...</source>
        <extracomment>Imports a set-up file in place of this computer&apos;s set-up</extracomment>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Opens the ring log</source>
        <translation>Öffnet das Klingelprotokoll</translation>
    </message>
    <message>
        <source>Open Window</source>
        <extracomment>The tray menu&apos;s entry that brings the window back</extracomment>
        <translation>Fenster öffnen</translation>
    </message>
    <message>
        <source>Set time mode</source>
        <extracomment>How the bell times are set: by intervals or typed one by one</extracomment>
        <translation>Zeiteingabe</translation>
    </message>
    <message>
        <source>Auto interval</source>
        <extracomment>The bell times made from a start, an end and intervals</extracomment>
        <translation>Automatische Intervalle</translation>
    </message>
    <message>
        <source>Manual input</source>
        <extracomment>The bell times typed one by one</extracomment>
        <translation>Manuelle Eingabe</translation>
    </message>
    <message>
        <source>Apply day</source>
        <extracomment>Which days the bell times apply to</extracomment>
        <translation>Gültig für</translation>
    </message>
    <message>
        <source>Apply week</source>
        <extracomment>The same bell times every day of the week</extracomment>
        <translation>Ganze Woche</translation>
    </message>
    <message>
        <source>Set each day</source>
        <extracomment>Bell times of their own for each day of the week</extracomment>
        <translation>Jeden Tag einzeln</translation>
    </message>
    <message>
        <source>Select day</source>
        <translation>Tag wählen</translation>
    </message>
    <message>
        <source>Day shown</source>
        <translation>Angezeigter Tag</translation>
    </message>
    <message>
        <source>No rings</source>
        <extracomment>The day has no bells</extracomment>
        <translation>Kein Klingeln</translation>
    </message>
    <message>
        <source>Copy to days...</source>
        <translation>Auf Tage kopieren...</translation>
    </message>
    <message>
        <source>System language</source>
        <extracomment>The language the computer&apos;s own settings ask for</extracomment>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>Original texts</source>
        <extracomment>The texts as the program&apos;s code has them, with no translation (English and Korean mixed)</extracomment>
        <translation>Originaltexte</translation>
    </message>
    <message>
        <source>The language could not be kept: %1</source>
        <translation>Die Sprache konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The language is changed at the next start of Corvalin.</source>
        <translation>Die Sprache wird beim nächsten Start von Corvalin geändert.</translation>
    </message>
    <message>
        <source>Error Number : </source>
        <translation>Fehlernummer: </translation>
    </message>
    <message>
        <source>Dedicated %1 soundcard</source>
        <extracomment>%1 is the program&apos;s name: the sound card kept for the bells alone</extracomment>
        <translation>Eigene %1-Soundkarte</translation>
    </message>
    <message>
        <source>The bells go on: Corvalin keeps running here. To end it, choose Exit in this icon&apos;s menu.</source>
        <translation>Das Klingeln läuft weiter: Corvalin bleibt hier aktiv. Zum Beenden wählen Sie Beenden im Menü dieses Symbols.</translation>
    </message>
    <message>
        <source>The school calendar is managed from %1 with the rest of the set-up; change it there.</source>
        <extracomment>%1 is the web address the set-up is followed from</extracomment>
        <translation>Der Schulkalender wird mit der übrigen Konfiguration von %1 aus verwaltet; ändern Sie ihn dort.</translation>
    </message>
    <message>
        <source>%1 already has a list of its own. Replace it with the list of %2?</source>
        <extracomment>%1 is one day, %2 the day whose list is copied</extracomment>
        <translation>%1 hat bereits eine eigene Liste. Durch die Liste von %2 ersetzen?</translation>
    </message>
    <message>
        <source>%1 already have lists of their own. Replace them with the list of %2?</source>
        <extracomment>%1 lists several days, %2 is the day whose list is copied</extracomment>
        <translation>%1 haben bereits eigene Listen. Durch die Liste von %2 ersetzen?</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the days of a list</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Copy to days</source>
        <translation>Auf Tage kopieren</translation>
    </message>
    <message>
        <source>templet%1</source>
        <extracomment>&quot;template %1&quot;: the %1st of the stored day lists the day selector offers after Saturday</extracomment>
        <translation>Vorlage %1</translation>
    </message>
    <message>
        <source>All days</source>
        <extracomment>The day selector&apos;s caption while the same times apply to every day</extracomment>
        <translation>Alle Tage</translation>
    </message>
    <message>
        <source>Click arrow in right [Select day], Seting each day bell time.</source>
        <extracomment>&quot;Click the arrows on the right of [Select day] to set each day&apos;s bell times.&quot;</extracomment>
        <translation>Klicken Sie auf die Pfeile rechts von [Tag wählen], um die Klingelzeiten jedes Tages festzulegen.</translation>
    </message>
    <message>
        <source>Bell time offset...</source>
        <translation>Klingelversatz...</translation>
    </message>
    <message>
        <source>Bell time offset</source>
        <translation>Klingelversatz</translation>
    </message>
    <message>
        <source>Every bell rings this many seconds after the computer&apos;s clock (before it when negative), so that the bells match the building&apos;s clocks:</source>
        <translation>Jedes Klingeln ertönt so viele Sekunden nach der Computeruhr (bei negativem Wert davor), damit das Klingeln zu den Uhren im Gebäude passt:</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1

Click to open the ring log</source>
        <extracomment>%1 is the problem, as the ring log has it</extracomment>
        <translation>%1

Klicken, um das Klingelprotokoll zu öffnen</translation>
    </message>
    <message>
        <source>Corvalin set-up (*.zip)</source>
        <extracomment>The file dialog&apos;s filter; keep &quot;(*.zip)&quot; as it is</extracomment>
        <translation>Corvalin-Konfiguration (*.zip)</translation>
    </message>
    <message>
        <source>Export the set-up</source>
        <translation>Konfiguration exportieren</translation>
    </message>
    <message>
        <source>The set-up was not exported: %1</source>
        <extracomment>%1 says why</extracomment>
        <translation>Die Konfiguration wurde nicht exportiert: %1</translation>
    </message>
    <message>
        <source>The set-up was exported to %1.</source>
        <translation>Die Konfiguration wurde nach %1 exportiert.</translation>
    </message>
    <message>
        <source>The set-up was exported to %1. The signature of an older set-up beside it, %2, was removed.</source>
        <extracomment>%1 is the set-up&apos;s file, %2 the signature file beside it</extracomment>
        <translation>Die Konfiguration wurde nach %1 exportiert. Die Signatur einer älteren Konfiguration daneben, %2, wurde entfernt.</translation>
    </message>
    <message>
        <source>The set-up was exported to %1. The signature of an older set-up beside it, %2, does not match it and could not be removed: remove it before publishing the set-up.</source>
        <extracomment>%1 is the set-up&apos;s file, %2 the signature file beside it</extracomment>
        <translation>Die Konfiguration wurde nach %1 exportiert. Die Signatur einer älteren Konfiguration daneben, %2, passt nicht dazu und konnte nicht entfernt werden: Entfernen Sie sie, bevor Sie die Konfiguration veröffentlichen.</translation>
    </message>
    <message>
        <source>Import a set-up</source>
        <translation>Konfiguration importieren</translation>
    </message>
    <message>
        <source>%1. Nothing was changed.</source>
        <extracomment>%1 says why the file cannot be imported</extracomment>
        <translation>%1. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1

Replace the set-up of this computer with this one? Its settings take the place of every setting now in use; the bell service, if it runs, starts again with them.</source>
        <extracomment>%1 describes what the file holds</extracomment>
        <translation>%1

Die Konfiguration dieses Computers durch diese ersetzen? Ihre Einstellungen treten an die Stelle aller jetzt verwendeten Einstellungen; der Klingelbetrieb startet, falls er läuft, mit ihnen neu.</translation>
    </message>
    <message>
        <source>Skip next bell (%1)</source>
        <extracomment>%1 is the next bell&apos;s time, as 10:50</extracomment>
        <translation>Nächstes Klingeln auslassen (%1)</translation>
    </message>
    <message>
        <source>%1-Alarm: %2</source>
        <extracomment>%1 is the program&apos;s name, %2 the alarm signal that sounds</extracomment>
        <translation>%1 – Alarm: %2</translation>
    </message>
    <message>
        <source>%1-Stop</source>
        <extracomment>%1 is the program&apos;s name: the bells are stopped</extracomment>
        <translation>%1 – Gestoppt</translation>
    </message>
    <message>
        <source>%1-Excuting...</source>
        <extracomment>%1 is the program&apos;s name: &quot;Executing...&quot;, the bells run</extracomment>
        <translation>%1 – Läuft...</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Auto execution</source>
        <extracomment>Start Corvalin when the computer starts (a user logs on)</extracomment>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>If you want Corvalin to operate automatically at computer start time.</source>
        <translation>Wenn Corvalin beim Start des Computers automatisch laufen soll.</translation>
    </message>
    <message>
        <source>No sound at bell</source>
        <extracomment>Silence the computer&apos;s other sounds while a bell rings</extracomment>
        <translation>Andere Töne stumm</translation>
    </message>
    <message>
        <source>Silences the computer&apos;s other sounds while a bell rings</source>
        <translation>Schaltet die übrigen Töne des Computers stumm, während es klingelt</translation>
    </message>
    <message>
        <source>Repeating bell</source>
        <translation>Klingeln wiederholen</translation>
    </message>
    <message>
        <source>if you click [Stop Bell], bell sound will be stoped.</source>
        <extracomment>&quot;If you click [Stop bell], the bell sound stops.&quot;</extracomment>
        <translation>Wenn Sie auf [Klingeln stoppen] klicken, endet der Klingelton.</translation>
    </message>
    <message>
        <source>Internet time</source>
        <translation>Internetzeit</translation>
    </message>
    <message>
        <source>At real-time it synchronizes a computer time in standard time.</source>
        <extracomment>&quot;It keeps the computer&apos;s clock set to the standard time.&quot;</extracomment>
        <translation>Hält die Computeruhr auf der genauen Normalzeit.</translation>
    </message>
    <message>
        <source>Reservation Exit</source>
        <extracomment>&quot;Booked power-off&quot;: the computer is switched off at a set time every day</extracomment>
        <translation>Geplantes Ausschalten</translation>
    </message>
    <message>
        <source>Switches the computer off at a set time every day</source>
        <translation>Schaltet den Computer jeden Tag zu einer festen Zeit aus</translation>
    </message>
    <message>
        <source>Because, this function purge computer default soundcard at bell time, so, computer lings only Corvalin at bell time.

벨소리 재생이 끝난 후 컴퓨터 기본 사운드카드를 다시 활성화시킵니다. 

컴퓨터로 음악을 내보내는 곳(카페나 편의점등의 상점)에서 필요한 기능입니다.</source>
        <extracomment>&quot;This silences the computer&apos;s default sound card at bell time, so the computer plays only Corvalin&apos;s bell then. [Korean:] When the bell sound ends the computer&apos;s default sound card is turned on again. [Korean:] A function needed where a computer plays music (shops such as cafés or convenience stores).&quot;</extracomment>
        <translation>Diese Funktion schaltet beim Klingeln die Standard-Soundkarte des Computers stumm, sodass der Computer dann nur das Klingeln von Corvalin wiedergibt.

Nach dem Ende des Klingeltons wird die Standard-Soundkarte des Computers wieder eingeschaltet.

Diese Funktion wird dort gebraucht, wo ein Computer Musik abspielt (in Geschäften wie Cafés oder Läden).</translation>
    </message>
    <message>
        <source>It uses the Internet time server, at real-time it synchronizes a computer time in standard time.</source>
        <extracomment>&quot;It uses an internet time server to keep the computer&apos;s clock set to the standard time.&quot;</extracomment>
        <translation>Hält die Computeruhr über einen Internet-Zeitserver auf der genauen Normalzeit.</translation>
    </message>
    <message>
        <source>at %1:%2</source>
        <extracomment>The booked power-off&apos;s time: %1 hours, %2 minutes</extracomment>
        <translation>um %1:%2</translation>
    </message>
</context>
<context>
    <name>RingLogWindow</name>
    <message>
        <source>Ring log</source>
        <translation>Klingelprotokoll</translation>
    </message>
    <message>
        <source>Every bell rung and every problem, newest last</source>
        <translation>Jedes Klingeln und jedes Problem, das neueste zuletzt</translation>
    </message>
    <message>
        <source>The ring log %1 cannot be shown: %2.</source>
        <extracomment>%1 is the ring log&apos;s file, %2 says why</extracomment>
        <translation>Das Klingelprotokoll %1 kann nicht angezeigt werden: %2.</translation>
    </message>
    <message>
        <source>Nothing has been logged yet.</source>
        <translation>Noch nichts protokolliert.</translation>
    </message>
</context>
<context>
    <name>ServicePanel</name>
    <message>
        <source>Next bell</source>
        <translation>Nächstes Klingeln</translation>
    </message>
    <message>
        <source>Next sound</source>
        <translation>Nächster Ton</translation>
    </message>
    <message>
        <source>Now state</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Starts the bell service</extracomment>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Starts the bells with the settings shown</source>
        <translation>Startet das Klingeln mit den angezeigten Einstellungen</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stops the bell service</extracomment>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Stops the bells</source>
        <translation>Stoppt das Klingeln</translation>
    </message>
    <message>
        <source>Now time :</source>
        <translation>Uhrzeit:</translation>
    </message>
    <message>
        <source>Today :</source>
        <translation>Heute:</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>The bell service&apos;s state: stopped</extracomment>
        <translation>AUS</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The bell service&apos;s state: running</extracomment>
        <translation>EIN</translation>
    </message>
    <message>
        <source>NEXT DAY</source>
        <extracomment>No bell is left today: the next one rings on another day</extracomment>
        <translation>NÄCHSTER TAG</translation>
    </message>
    <message>
        <source>%1hr %2min</source>
        <translation>%1 Std %2 Min</translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation>Heute kein Klingeln</translation>
    </message>
    <message>
        <source>Templet %1 rings today</source>
        <extracomment>&quot;Templet&quot;: template (a saved list of bell times)</extracomment>
        <translation>Heute klingelt Vorlage %1</translation>
    </message>
    <message>
        <source>(bells %1%2 s)</source>
        <extracomment>The bells&apos; offset from this clock: %1 the sign, %2 the seconds; &quot;s&quot;: seconds</extracomment>
        <translation>(Versatz %1%2 s)</translation>
    </message>
    <message>
        <source>Every bell rings %1 s before this clock</source>
        <translation>Jedes Klingeln ertönt %1 s vor dieser Uhr</translation>
    </message>
    <message>
        <source>Every bell rings %1 s after this clock</source>
        <translation>Jedes Klingeln ertönt %1 s nach dieser Uhr</translation>
    </message>
</context>
<context>
    <name>SndSelect</name>
    <message>
        <source>Select dedicated soundcard</source>
        <translation>Eigene Soundkarte wählen</translation>
    </message>
    <message>
        <source>Default output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>Stores the chosen sound card</extracomment>
        <translation>Festlegen</translation>
    </message>
    <message>
        <source>Sound card</source>
        <translation>Soundkarte</translation>
    </message>
    <message>
        <source>The sound card the bells play on; none chosen: the default output</source>
        <translation>Die Soundkarte für das Klingeln; keine gewählt: die Standardausgabe</translation>
    </message>
    <message>
        <source>Clears the choice: the bells follow the system&apos;s output</source>
        <translation>Hebt die Wahl auf: Das Klingeln folgt der Ausgabe des Systems</translation>
    </message>
</context>
<context>
    <name>SoundsPanel</name>
    <message>
        <source>Select bell sound</source>
        <translation>Klingelton wählen</translation>
    </message>
    <message>
        <source>Bell sounds</source>
        <translation>Klingeltöne</translation>
    </message>
    <message>
        <source>The sound folder&apos;s sounds; the one chosen rings now and is given to the bells added</source>
        <translation>Die Töne des Klangordners; der gewählte erklingt bei Jetzt klingeln und wird neuen Klingelzeiten zugewiesen</translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation>Jetzt klingeln</translation>
    </message>
    <message>
        <source>Stop bell</source>
        <translation>Klingeln stoppen</translation>
    </message>
    <message>
        <source>Add sound...</source>
        <translation>Ton hinzufügen...</translation>
    </message>
    <message>
        <source>Copies a sound file into the sound folder</source>
        <translation>Kopiert eine Tondatei in den Klangordner</translation>
    </message>
    <message>
        <source>Ring now (%1)</source>
        <extracomment>%1: its shortcut, e.g. Ctrl+R</extracomment>
        <translation>Jetzt klingeln (%1)</translation>
    </message>
    <message>
        <source>Rings the sound chosen in the list now; shortcut %1</source>
        <extracomment>%1: its shortcut, e.g. Ctrl+R</extracomment>
        <translation>Spielt den in der Liste gewählten Ton jetzt ab; Tastenkürzel %1</translation>
    </message>
    <message>
        <source>Stop bell (%1)</source>
        <extracomment>%1: its shortcut, e.g. Ctrl+S</extracomment>
        <translation>Klingeln stoppen (%1)</translation>
    </message>
    <message>
        <source>Stops the repeating bell; shortcut %1</source>
        <extracomment>%1: its shortcut, e.g. Ctrl+S</extracomment>
        <translation>Stoppt das wiederholte Klingeln; Tastenkürzel %1</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>Chooses the sound card the bells ring on</extracomment>
        <translation>Festlegen</translation>
    </message>
    <message>
        <source>Chooses the sound card the bells ring on</source>
        <translation>Wählt die Soundkarte für das Klingeln</translation>
    </message>
    <message>
        <source>Not a bell sound: %1</source>
        <translation>Kein Klingelton: %1</translation>
    </message>
    <message>
        <source>Sounds (%1);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters: keep &quot;;;&quot; and &quot;(*)&quot;</extracomment>
        <translation>Töne (%1);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Add sound</source>
        <translation>Ton hinzufügen</translation>
    </message>
    <message>
        <source>%1 was not added: %2.</source>
        <extracomment>%1: a file name; %2: why it was not added</extracomment>
        <translation>%1 wurde nicht hinzugefügt: %2.</translation>
    </message>
    <message>
        <source>a bell sound is a WAV, FLAC, Ogg Vorbis, Opus or MP3 file, named so (%1)</source>
        <translation>ein Klingelton ist eine WAV-, FLAC-, Ogg-Vorbis-, Opus- oder MP3-Datei mit passender Endung (%1)</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>sie kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it is larger than any bell sound</source>
        <translation>sie ist größer als jeder Klingelton</translation>
    </message>
    <message>
        <source>the file is not a sound that can be played</source>
        <translation>die Datei ist kein abspielbarer Ton</translation>
    </message>
    <message>
        <source>%1 is already in the sound folder. Replace it?</source>
        <translation>%1 ist bereits im Klangordner. Ersetzen?</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1: why a file could not be written; %2: the file</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>it could not be copied: %1</source>
        <translation>sie konnte nicht kopiert werden: %1</translation>
    </message>
    <message>
        <source>Select bell sound from [Select bell sound]</source>
        <translation>Klingelton unter [Klingelton wählen] auswählen</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Lower</source>
        <translation>Weniger</translation>
    </message>
    <message>
        <source>Higher</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>The Up and Down arrow keys change the value</source>
        <translation>Die Pfeiltasten auf und ab ändern den Wert</translation>
    </message>
</context>
<context>
    <name>StaffPage</name>
    <message>
        <source>Corvalin staff page</source>
        <translation>Corvalin – Personal-Webseite</translation>
    </message>
    <message>
        <source>Staff log-in</source>
        <translation>Anmeldung für das Personal</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Alarm:</source>
        <translation>Alarm:</translation>
    </message>
    <message>
        <source>Stop alarm</source>
        <translation>Alarm stoppen</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Yes, sound it now</source>
        <translation>Ja, jetzt auslösen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Next bell</source>
        <translation>Nächstes Klingeln</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>Klingeln</translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation>Jetzt klingeln</translation>
    </message>
    <message>
        <source>Stop bell</source>
        <translation>Klingeln stoppen</translation>
    </message>
    <message>
        <source>Skip next bell</source>
        <translation>Nächstes Klingeln auslassen</translation>
    </message>
    <message>
        <source>Start the bells</source>
        <translation>Klingelbetrieb starten</translation>
    </message>
    <message>
        <source>Stop the bells</source>
        <translation>Klingelbetrieb stoppen</translation>
    </message>
    <message>
        <source>Today&apos;s changes</source>
        <translation>Heutige Änderungen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Skip the bell at</source>
        <translation>Klingeln auslassen um</translation>
    </message>
    <message>
        <source>Move the bell at</source>
        <translation>Klingeln verschieben von</translation>
    </message>
    <message>
        <source>Add a bell at</source>
        <translation>Klingeln hinzufügen um</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Change today</source>
        <translation>Heute ändern</translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation>Heute kein Klingeln</translation>
    </message>
    <message>
        <source>Undo today&apos;s changes</source>
        <translation>Heutige Änderungen rückgängig machen</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>The bells&apos; clock</source>
        <translation>Uhr des Klingelbetriebs</translation>
    </message>
    <message>
        <source>The bell PC cannot be reached: %1</source>
        <translation>Der Klingel-PC ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>Your session has ended: log in again.</source>
        <translation>Ihre Sitzung ist abgelaufen: Bitte melden Sie sich erneut an.</translation>
    </message>
    <message>
        <source>Not logged in</source>
        <translation>Nicht angemeldet</translation>
    </message>
    <message>
        <source>Logged in as %1 (%2)</source>
        <translation>Angemeldet als %1 (%2)</translation>
    </message>
    <message>
        <source>Sound %1 in the whole school now?</source>
        <translation>%1 jetzt in der ganzen Schule auslösen?</translation>
    </message>
    <message>
        <source>ALARM: %1</source>
        <translation>ALARM: %1</translation>
    </message>
    <message>
        <source>The bells run</source>
        <translation>Der Klingelbetrieb läuft</translation>
    </message>
    <message>
        <source>The bells are stopped</source>
        <translation>Der Klingelbetrieb ist gestoppt</translation>
    </message>
    <message>
        <source>None: the bells are stopped</source>
        <translation>Keines: Der Klingelbetrieb ist gestoppt</translation>
    </message>
    <message>
        <source>None left today</source>
        <translation>Heute keines mehr</translation>
    </message>
    <message>
        <source>None listed: the bells are stopped</source>
        <translation>Keine aufgeführt: Der Klingelbetrieb ist gestoppt</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>The bell PC cannot be reached.</source>
        <translation>Der Klingel-PC ist nicht erreichbar.</translation>
    </message>
</context>
<context>
    <name>StaffPageDialog</name>
    <message>
        <source>Staff web page</source>
        <translation>Personal-Webseite</translation>
    </message>
    <message>
        <source>Staff raise alarms and see the bells from a phone or a classroom PC, in a browser, on this school&apos;s network.</source>
        <translation>Das Personal löst Alarme aus und sieht die Klingelzeiten vom Handy oder einem Klassenraum-PC aus, im Browser, im Netzwerk dieser Schule.</translation>
    </message>
    <message>
        <source>Page</source>
        <extracomment>The staff web page, as served</extracomment>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Serve the staff web page (HTTPS)</source>
        <translation>Personal-Webseite bereitstellen (HTTPS)</translation>
    </message>
    <message>
        <source>8443, or 192.0.2.10:8443</source>
        <translation>8443 oder 192.0.2.10:8443</translation>
    </message>
    <message>
        <source>Port, or address:port</source>
        <translation>Port oder Adresse:Port</translation>
    </message>
    <message>
        <source>Where the page is served: a port, or an address and a port</source>
        <translation>Wo die Seite bereitgestellt wird: ein Port oder eine Adresse und ein Port</translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>Where the page is served, or that it is not</extracomment>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Staff check that their browser shows this fingerprint for the page&apos;s certificate</source>
        <translation>Das Personal prüft, ob der Browser diesen Fingerabdruck für das Zertifikat der Seite anzeigt</translation>
    </message>
    <message>
        <source>Certificate SHA-256</source>
        <translation>Zertifikat SHA-256</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Staff accounts</source>
        <translation>Personalkonten</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Hinzufügen...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Removes the account chosen in the list</source>
        <translation>Entfernt das in der Liste gewählte Konto</translation>
    </message>
    <message>
        <source>alarm: raise and stop alarms, see the bells. office: also today&apos;s changes, ring now, stop a bell, start and stop the bells.</source>
        <extracomment>&quot;alarm&quot; and &quot;office&quot; are the names of the two roles, typed as they are: keep them untranslated</extracomment>
        <translation>alarm: Alarme auslösen und stoppen, Klingelzeiten sehen. office: zusätzlich heutige Änderungen, Jetzt klingeln, Klingeln stoppen, Klingelbetrieb starten und stoppen.</translation>
    </message>
    <message>
        <source>not served</source>
        <translation>nicht bereitgestellt</translation>
    </message>
    <message>
        <source>none yet: made when the page is first served</source>
        <translation>noch keins: wird beim ersten Bereitstellen der Seite erzeugt</translation>
    </message>
    <message>
        <source>Add a staff account</source>
        <translation>Personalkonto hinzufügen</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The staff member&apos;s account name</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>The same again</source>
        <extracomment>The password typed a second time</extracomment>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Passwort wiederholen</translation>
    </message>
    <message>
        <source>the two passwords differ</source>
        <translation>die beiden Passwörter stimmen nicht überein</translation>
    </message>
</context>
<context>
    <name>StaffPageLine</name>
    <message>
        <source>Staff web page...</source>
        <translation>Personal-Webseite...</translation>
    </message>
    <message>
        <source>Staff web page: %1   certificate SHA-256 %2</source>
        <translation>Personal-Webseite: %1   Zertifikat SHA-256 %2</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>Corvalin (window copy): the bell service runs</source>
        <translation>Corvalin (Fenster-Instanz): Der Klingelbetrieb läuft</translation>
    </message>
    <message>
        <source>Corvalin (window copy): the bell service is stopped</source>
        <translation>Corvalin (Fenster-Instanz): Der Klingelbetrieb ist gestoppt</translation>
    </message>
    <message>
        <source>Corvalin (copy with no window): the bell service runs</source>
        <translation>Corvalin (Instanz ohne Fenster): Der Klingelbetrieb läuft</translation>
    </message>
    <message>
        <source>Corvalin (copy with no window): the bell service is stopped</source>
        <translation>Corvalin (Instanz ohne Fenster): Der Klingelbetrieb ist gestoppt</translation>
    </message>
    <message>
        <source>Alarm signal: none</source>
        <translation>Alarmsignal: keines</translation>
    </message>
    <message>
        <source>Alarm signal: %1 sounds</source>
        <translation>Alarmsignal: %1 ertönt</translation>
    </message>
    <message>
        <source>Next bell: none (stopped)</source>
        <translation>Nächstes Klingeln: keines (gestoppt)</translation>
    </message>
    <message>
        <source>Next bell: none left today</source>
        <translation>Nächstes Klingeln: heute keines mehr</translation>
    </message>
    <message>
        <source>Next bell: %1 %2</source>
        <translation>Nächstes Klingeln: %1 %2</translation>
    </message>
    <message>
        <source>Last bell: none yet</source>
        <translation>Letztes Klingeln: noch keines</translation>
    </message>
    <message>
        <source>Last bell: %1 %2 (ring now)</source>
        <translation>Letztes Klingeln: %1 %2 (Jetzt klingeln)</translation>
    </message>
    <message>
        <source>Last bell: %1 %2</source>
        <translation>Letztes Klingeln: %1 %2</translation>
    </message>
    <message>
        <source>Bells&apos; clock: %1 %2</source>
        <translation>Uhr des Klingelbetriebs: %1 %2</translation>
    </message>
    <message>
        <source>Bells&apos; clock: %1 %2 (%3 s ahead of the computer&apos;s clock)</source>
        <translation>Uhr des Klingelbetriebs: %1 %2 (%3 s vor der Computeruhr)</translation>
    </message>
    <message>
        <source>Bells&apos; clock: %1 %2 (%3 s behind the computer&apos;s clock)</source>
        <translation>Uhr des Klingelbetriebs: %1 %2 (%3 s hinter der Computeruhr)</translation>
    </message>
    <message>
        <source>Today: %1, %2</source>
        <translation>Heute: %1, %2</translation>
    </message>
    <message>
        <source>Today&apos;s changes: none</source>
        <translation>Heutige Änderungen: keine</translation>
    </message>
    <message>
        <source>Today&apos;s changes:</source>
        <translation>Heutige Änderungen:</translation>
    </message>
    <message>
        <source>Set-up: this computer&apos;s own</source>
        <translation>Konfiguration: die eigene dieses Computers</translation>
    </message>
    <message>
        <source>Set-up: managed from %1</source>
        <translation>Konfiguration: verwaltet von %1</translation>
    </message>
    <message>
        <source>  version in use: none yet</source>
        <translation>  verwendete Version: noch keine</translation>
    </message>
    <message>
        <source>  version in use: SHA-256 %1, applied %2</source>
        <translation>  verwendete Version: SHA-256 %1, übernommen %2</translation>
    </message>
    <message>
        <source>  last checked: not yet</source>
        <translation>  zuletzt geprüft: noch nicht</translation>
    </message>
    <message>
        <source>  last checked: %1</source>
        <translation>  zuletzt geprüft: %1</translation>
    </message>
    <message>
        <source>Staff web page: off</source>
        <translation>Personal-Webseite: aus</translation>
    </message>
    <message>
        <source>Staff web page: %1</source>
        <translation>Personal-Webseite: %1</translation>
    </message>
    <message>
        <source>  certificate SHA-256: %1</source>
        <translation>  Zertifikat SHA-256: %1</translation>
    </message>
    <message>
        <source>Problems: none</source>
        <translation>Probleme: keine</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Probleme:</translation>
    </message>
</context>
<context>
    <name>Templet</name>
    <message>
        <source>Select templet</source>
        <extracomment>&quot;Select template&quot;: one of the six stored time lists</extracomment>
        <translation>Vorlage wählen</translation>
    </message>
    <message>
        <source>Apply templet %1</source>
        <extracomment>&quot;Apply template %1&quot;: copies stored time list %1 into the list being edited</extracomment>
        <translation>Vorlage %1 übernehmen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TimeListPanel</name>
    <message>
        <source>Input time (Add after selecting sound)</source>
        <translation>Zeit eingeben (nach Wahl des Tons hinzufügen)</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Adds the time typed, with the sound chosen, to the list</extracomment>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>hr</source>
        <extracomment>Unit after an hour box: hours</extracomment>
        <translation>Std</translation>
    </message>
    <message>
        <source>min</source>
        <extracomment>Unit after a minute box: minutes</extracomment>
        <translation>Min</translation>
    </message>
    <message>
        <source>Hour of the bell to add</source>
        <translation>Stunde des neuen Klingelns</translation>
    </message>
    <message>
        <source>Minute of the bell to add</source>
        <translation>Minute des neuen Klingelns</translation>
    </message>
    <message>
        <source>The Up and Down keys step it</source>
        <translation>Mit den Pfeiltasten auf und ab einstellen</translation>
    </message>
    <message>
        <source>Adds the time typed, with the sound chosen, to the added times</source>
        <translation>Fügt die eingegebene Zeit mit dem gewählten Ton zu den Klingelzeiten hinzu</translation>
    </message>
    <message>
        <source>Added time (Type 24Hour)</source>
        <extracomment>&quot;Added times (24-hour clock)&quot;</extracomment>
        <translation>Klingelzeiten (24-Stunden-Format)</translation>
    </message>
    <message>
        <source>Added times</source>
        <translation>Klingelzeiten</translation>
    </message>
    <message>
        <source>Each bell&apos;s time and sound</source>
        <translation>Zeit und Ton jedes Klingelns</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Deletes the time chosen in the list
----------
A box&apos;s title: deleting times</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Change sound</source>
        <translation>Ton ändern</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Apply templet</source>
        <extracomment>&quot;Apply template&quot;: puts a saved list of times in the list&apos;s place</extracomment>
        <translation>Vorlage übernehmen</translation>
    </message>
    <message>
        <source>Deletes the time chosen in the added times</source>
        <translation>Löscht die in den Klingelzeiten gewählte Zeit</translation>
    </message>
    <message>
        <source>Gives the time chosen in the added times the sound chosen in the sound list</source>
        <translation>Gibt der in den Klingelzeiten gewählten Zeit den in der Tonliste gewählten Ton</translation>
    </message>
    <message>
        <source>Deletes every added time</source>
        <translation>Löscht alle Klingelzeiten</translation>
    </message>
    <message>
        <source>Puts a template&apos;s times in the place of the added times</source>
        <translation>Ersetzt die Klingelzeiten durch die Zeiten einer Vorlage</translation>
    </message>
    <message>
        <source>Select bell sound int [Select bell sound]</source>
        <extracomment>&quot;Select a bell sound in [Select bell sound]&quot;</extracomment>
        <translation>Klingelton unter [Klingelton wählen] auswählen</translation>
    </message>
    <message>
        <source>Add Only wave file to sound folder. Please, delete non wave file from
%1.</source>
        <extracomment>&quot;Add only sound files to the sound folder. Please delete the other files from&quot; %1: the folder</extracomment>
        <translation>Nur Tondateien in den Klangordner legen. Bitte löschen Sie die anderen Dateien aus
%1.</translation>
    </message>
    <message>
        <source>The corresponding time is being register already.</source>
        <extracomment>&quot;That time is in the list already.&quot;</extracomment>
        <translation>Diese Zeit ist bereits in der Liste.</translation>
    </message>
    <message>
        <source>Select time that you want to delete in [Added time]</source>
        <translation>Wählen Sie die zu löschende Zeit unter [Klingelzeiten]</translation>
    </message>
    <message>
        <source>Select time that you want to modify in [Added time]</source>
        <translation>Wählen Sie die zu ändernde Zeit unter [Klingelzeiten]</translation>
    </message>
    <message>
        <source>Select bell sound in [Select bell sound]</source>
        <translation>Klingelton unter [Klingelton wählen] auswählen</translation>
    </message>
    <message>
        <source>Delete all times of time box?</source>
        <translation>Alle Zeiten der Liste löschen?</translation>
    </message>
    <message>
        <source>templet%1 has no saved times: %2</source>
        <extracomment>&quot;Template %1 has no saved times: %2&quot; (%2: its file)</extracomment>
        <translation>Vorlage %1 hat keine gespeicherten Zeiten: %2</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Bell time</source>
        <extracomment>The time of a bell changed for today</extracomment>
        <translation>Klingelzeit</translation>
    </message>
    <message>
        <source>Bell sound</source>
        <translation>Klingelton</translation>
    </message>
</context>
<context>
    <name>TodayPanel</name>
    <message>
        <source>%1hr%2min</source>
        <extracomment>A bell&apos;s time in the list of today&apos;s bells: hours and minutes, e.g. &quot;10hr50min&quot;; the list sorts by it, so keep the hours first</extracomment>
        <translation>%1 Std %2 Min</translation>
    </message>
    <message>
        <source>skipped</source>
        <extracomment>A bell of today&apos;s list that does not ring today</extracomment>
        <translation>ausgelassen</translation>
    </message>
    <message>
        <source>added</source>
        <extracomment>A bell of today&apos;s list added for today only</extracomment>
        <translation>hinzugefügt</translation>
    </message>
    <message>
        <source>moved from %1</source>
        <extracomment>A bell of today&apos;s list moved here for today; %1: the time it had, e.g. 10:50</extracomment>
        <translation>verschoben von %1</translation>
    </message>
    <message>
        <source>Today Bells</source>
        <translation>Heutige Klingelzeiten</translation>
    </message>
    <message>
        <source>Today&apos;s bells</source>
        <translation>Heutige Klingelzeiten</translation>
    </message>
    <message>
        <source>The bells that ring today. The context menu (right click, or the Menu key) changes them for today; %1 skips the next bell.</source>
        <extracomment>%1: the shortcut that skips the next bell, e.g. Ctrl+K</extracomment>
        <translation>Die heutigen Klingelzeiten. Das Kontextmenü (Rechtsklick oder Menütaste) ändert sie für heute; %1 lässt das nächste Klingeln aus.</translation>
    </message>
    <message>
        <source>Right click to change today&apos;s bells; %1 skips the next bell</source>
        <extracomment>%1: the shortcut that skips the next bell, e.g. Ctrl+K</extracomment>
        <translation>Rechtsklick ändert die heutigen Klingelzeiten; %1 lässt das nächste Klingeln aus</translation>
    </message>
    <message>
        <source>Skip %1 today</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>%1 heute auslassen</translation>
    </message>
    <message>
        <source>Move %1 today...</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>%1 heute verschieben...</translation>
    </message>
    <message>
        <source>Move a bell today</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Klingeln heute verschieben</translation>
    </message>
    <message>
        <source>The %1 bell rings today at:</source>
        <translation>Das Klingeln um %1 ertönt heute um:</translation>
    </message>
    <message>
        <source>Undo: %1 added today</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Rückgängig: %1 heute hinzugefügt</translation>
    </message>
    <message>
        <source>Undo: %1 skipped today</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Rückgängig: %1 heute ausgelassen</translation>
    </message>
    <message>
        <source>Undo: %1 moved to %2</source>
        <extracomment>%1: the bell&apos;s time before, %2: its time today, e.g. 10:50</extracomment>
        <translation>Rückgängig: %1 verschoben auf %2</translation>
    </message>
    <message>
        <source>Skip next bell (%1)</source>
        <extracomment>%1: the next bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Nächstes Klingeln auslassen (%1)</translation>
    </message>
    <message>
        <source>Add a bell today...</source>
        <translation>Klingeln für heute hinzufügen...</translation>
    </message>
    <message>
        <source>Add a bell today</source>
        <translation>Klingeln für heute hinzufügen</translation>
    </message>
    <message>
        <source>A bell today only, at:</source>
        <translation>Klingeln nur heute, um:</translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation>Heute kein Klingeln</translation>
    </message>
    <message>
        <source>Ring templet today</source>
        <extracomment>&quot;Ring template ... today&quot;: today rings a saved list of times instead</extracomment>
        <translation>Heute nach Vorlage klingeln</translation>
    </message>
    <message>
        <source>Templet %1</source>
        <extracomment>&quot;Template %1&quot;: a saved list of bell times, by its number</extracomment>
        <translation>Vorlage %1</translation>
    </message>
    <message>
        <source>Undo all of today&apos;s changes</source>
        <translation>Alle heutigen Änderungen rückgängig machen</translation>
    </message>
    <message>
        <source>Today&apos;s bells were not changed: %1.</source>
        <extracomment>%1: why the bells refused the change</extracomment>
        <translation>Die heutigen Klingelzeiten wurden nicht geändert: %1.</translation>
    </message>
</context>
</TS>
