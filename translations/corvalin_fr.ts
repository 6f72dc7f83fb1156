<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AlarmPanel</name>
    <message>
        <source>Stop alarm</source>
        <translation>Arrêter l&apos;alarme</translation>
    </message>
    <message>
        <source>Stops the alarm signal that sounds</source>
        <translation>Arrête le signal d&apos;alarme en cours</translation>
    </message>
    <message>
        <source>Alarm signals...</source>
        <translation>Signaux d&apos;alarme...</translation>
    </message>
    <message>
        <source>Alarm: %1</source>
        <extracomment>An alarm signal, by its name</extracomment>
        <translation>Alarme&#xa0;: %1</translation>
    </message>
    <message>
        <source>until it is stopped</source>
        <translation>jusqu&apos;à son arrêt</translation>
    </message>
    <message>
        <source>Sound the alarm signal %1 now? It rings on the bell card %2. It sounds now, and starts again from the beginning.</source>
        <extracomment>%1: the signal&apos;s name; %2: how long it rings (&quot;3 times&quot;, &quot;until it is stopped&quot;)</extracomment>
        <translation>Déclencher le signal d&apos;alarme %1 maintenant&#xa0;? Il retentit sur la carte son des sonneries %2. Il est en cours et reprend depuis le début.</translation>
    </message>
    <message>
        <source>Sound the alarm signal %1 now? It rings on the bell card %2. The alarm signal %3, which sounds now, stops.</source>
        <extracomment>%1: the signal&apos;s name; %2: how long it rings; %3: the signal that sounds now</extracomment>
        <translation>Déclencher le signal d&apos;alarme %1 maintenant&#xa0;? Il retentit sur la carte son des sonneries %2. Le signal d&apos;alarme %3, en cours, s&apos;arrête.</translation>
    </message>
    <message>
        <source>Sound the alarm signal %1 now? It rings on the bell card %2.</source>
        <extracomment>%1: the signal&apos;s name; %2: how long it rings (&quot;3 times&quot;, &quot;until it is stopped&quot;)</extracomment>
        <translation>Déclencher le signal d&apos;alarme %1 maintenant&#xa0;? Il retentit sur la carte son des sonneries %2.</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Sound it</source>
        <translation>Déclencher</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The alarm signal %1 did not sound: %2.</source>
        <translation>Le signal d&apos;alarme %1 n&apos;a pas retenti&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>AlarmsDialog</name>
    <message>
        <source>Alarm signals</source>
        <translation>Signaux d&apos;alarme</translation>
    </message>
    <message>
        <source>Each signal sounds at once from the Alarm menu, after a question, and rings on the bell card for its times or until it is stopped. A row with no name is no signal.</source>
        <translation>Chaque signal se déclenche aussitôt depuis le menu Alarme, après confirmation, et retentit sur la carte son des sonneries le nombre de fois indiqué ou jusqu&apos;à son arrêt. Une ligne sans nom n&apos;est pas un signal.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column: the alarm signal&apos;s name</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>A column: the alarm signal&apos;s sound</extracomment>
        <translation>Son</translation>
    </message>
    <message>
        <source>Times</source>
        <extracomment>A column: how many times the alarm signal rings</extracomment>
        <translation>Fois</translation>
    </message>
    <message>
        <source>%1 (not in the sound folder)</source>
        <extracomment>%1: a sound file&apos;s name</extracomment>
        <translation>%1 (absent du dossier des sons)</translation>
    </message>
    <message>
        <source>until stopped</source>
        <extracomment>How many times an alarm signal rings: none set, it rings until it is stopped</extracomment>
        <translation>jusqu&apos;à l&apos;arrêt</translation>
    </message>
    <message>
        <source>Name of alarm signal %1</source>
        <extracomment>%1: the row&apos;s number</extracomment>
        <translation>Nom du signal d&apos;alarme %1</translation>
    </message>
    <message>
        <source>Sound of alarm signal %1</source>
        <extracomment>%1: the row&apos;s number</extracomment>
        <translation>Son du signal d&apos;alarme %1</translation>
    </message>
    <message>
        <source>Times alarm signal %1 rings</source>
        <extracomment>%1: the row&apos;s number</extracomment>
        <translation>Nombre de fois que retentit le signal d&apos;alarme %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Not saved: %1.</source>
        <extracomment>%1: why the alarm signals cannot be saved</extracomment>
        <translation>Non enregistré&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The alarm signals could not be written to the data folder (the ring log says why); they hold until the program ends. OK tries again.</source>
        <translation>Les signaux d&apos;alarme n&apos;ont pas pu être écrits dans le dossier des données (le journal des sonneries indique pourquoi)&#xa0;; ils restent valables jusqu&apos;à la fermeture du programme. OK réessaie.</translation>
    </message>
</context>
<context>
    <name>AutoModeForm</name>
    <message>
        <source>Auto execution way</source>
        <extracomment>How the program shows itself when it starts on its own</extracomment>
        <translation>Mode de démarrage auto</translation>
    </message>
    <message>
        <source>Execution to monitor</source>
        <extracomment>Started on its own, the program shows its window</extracomment>
        <translation>Afficher la fenêtre</translation>
    </message>
    <message>
        <source>Execution to tray icon</source>
        <extracomment>Started on its own, the program shows only its tray icon</extracomment>
        <translation>Icône de notification seule</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Auto execution방법</source>
        <extracomment>&quot;Auto execution method&quot;</extracomment>
        <translation>Mode de démarrage auto</translation>
    </message>
</context>
<context>
    <name>CalendarWindow</name>
    <message>
        <source>no bells</source>
        <extracomment>What happens on the exception&apos;s days: no bell rings</extracomment>
        <translation>sans sonnerie</translation>
    </message>
    <message>
        <source>ring templet %1</source>
        <extracomment>&quot;ring template %1&quot;: the bells of stored time list %1 ring</extracomment>
        <translation>sonner le modèle %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>From one day to another, both included (the days are written yyyy-MM-dd)</extracomment>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An exception&apos;s label, then what happens on its days</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Exception days are marked; choosing a day chooses the exception that decides it, or puts the day into the first and last day boxes</source>
        <translation>Les jours d&apos;exception sont marqués&#xa0;; choisir un jour sélectionne l&apos;exception qui le régit, ou place ce jour dans les champs Premier jour et Dernier jour</translation>
    </message>
    <message>
        <source>Days</source>
        <extracomment>Column heads of the list of date exceptions: the days, what happens on them, their label</extracomment>
        <translation>Jours</translation>
    </message>
    <message>
        <source>What</source>
        <extracomment>What happens on the exception&apos;s days</extracomment>
        <translation>Quoi</translation>
    </message>
    <message>
        <source>Label</source>
        <extracomment>The exception&apos;s own name, such as &quot;Winter holidays&quot;
----------
The name the subscription goes by</extracomment>
        <translation>Libellé</translation>
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
        <translation>État</translation>
    </message>
    <message>
        <source>for example Winter holidays</source>
        <translation>par exemple Vacances d&apos;hiver</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Adds a date exception</extracomment>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Changes the chosen date exception</extracomment>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Deletes the chosen date exception</extracomment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Import iCalendar...</source>
        <translation>Importer iCalendar...</translation>
    </message>
    <message>
        <source>Subscribe...</source>
        <translation>S&apos;abonner...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Fetches the subscribed calendars again</extracomment>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Fetch the subscribed calendars again now</source>
        <translation>Récupérer à nouveau les calendriers abonnés maintenant</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Se désabonner</translation>
    </message>
    <message>
        <source>End the subscription chosen in the list and delete its days</source>
        <translation>Mettre fin à l&apos;abonnement choisi dans la liste et supprimer ses jours</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Premier jour</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Dernier jour</translation>
    </message>
    <message>
        <source>Date exceptions</source>
        <translation>Dates d&apos;exception</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>%1 (subscribed: %2)</source>
        <extracomment>A subscribed day&apos;s label, then the subscription&apos;s name</extracomment>
        <translation>%1 (abonnement&#xa0;: %2)</translation>
    </message>
    <message>
        <source>From the subscription &quot;%1&quot;; it changes when the feed does</source>
        <translation>Provient de l&apos;abonnement «&#xa0;%1&#xa0;»&#xa0;; change quand le flux change</translation>
    </message>
    <message>
        <source>Select the subscription to end in the list.</source>
        <translation>Choisissez dans la liste l&apos;abonnement à terminer.</translation>
    </message>
    <message>
        <source>These days come from the subscription &quot;%1&quot; (%2). End the subscription and delete all its days?</source>
        <translation>Ces jours proviennent de l&apos;abonnement «&#xa0;%1&#xa0;» (%2). Mettre fin à l&apos;abonnement et supprimer tous ses jours&#xa0;?</translation>
    </message>
    <message>
        <source>The last day must not be before the first day.</source>
        <translation>Le dernier jour ne doit pas précéder le premier jour.</translation>
    </message>
    <message>
        <source>The calendar already holds %1 for %2.</source>
        <extracomment>Refuses a second exception with the same days: what it does, then its days</extracomment>
        <translation>Le calendrier contient déjà «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Select the exception to change in the list.</source>
        <translation>Choisissez dans la liste l&apos;exception à modifier.</translation>
    </message>
    <message>
        <source>These days come from the subscription &quot;%1&quot; and change with it. Add an exception of your own for them instead: it decides before the subscription.</source>
        <translation>Ces jours proviennent de l&apos;abonnement «&#xa0;%1&#xa0;» et changent avec lui. Ajoutez plutôt votre propre exception pour ces jours&#xa0;: elle prime sur l&apos;abonnement.</translation>
    </message>
    <message>
        <source>Select the exception to delete in the list.</source>
        <translation>Choisissez dans la liste l&apos;exception à supprimer.</translation>
    </message>
    <message>
        <source>Delete %1 (%2)?</source>
        <extracomment>Asks before an exception is deleted: its label and what it does, then its days</extracomment>
        <translation>Supprimer %1 (%2)&#xa0;?</translation>
    </message>
    <message>
        <source>Subscribe to a calendar</source>
        <translation>S&apos;abonner à un calendrier</translation>
    </message>
    <message>
        <source>https://... or webcal://... of an iCalendar feed</source>
        <translation>https://... ou webcal://... d&apos;un flux iCalendar</translation>
    </message>
    <message>
        <source>for example School holidays</source>
        <translation>par exemple Vacances scolaires</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>S&apos;abonner</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>All-day events of the calendar become days without bells. It is fetched now, at every start and once a day.</source>
        <translation>Les événements du calendrier qui durent toute la journée deviennent des jours sans sonnerie. Il est récupéré maintenant, à chaque démarrage et une fois par jour.</translation>
    </message>
    <message>
        <source>The calendar was not subscribed to: %1.</source>
        <translation>L&apos;abonnement au calendrier a échoué&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Import iCalendar</source>
        <translation>Importer iCalendar</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ical);;All files (*)</source>
        <extracomment>File dialog filters: keep the patterns in brackets as they are</extracomment>
        <translation>Fichiers iCalendar (*.ics *.ical);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a file was not imported; %1 is the system&apos;s reason</extracomment>
        <translation>il est illisible (%1)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <extracomment>Why a file was not imported</extracomment>
        <translation>il dépasse %1 Mo</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <extracomment>%1 is a file name</extracomment>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>%1 was not imported: %2. The calendar is unchanged.</source>
        <extracomment>%1 is a file name, %2 why it was not imported</extracomment>
        <translation>%1 n&apos;a pas été importé&#xa0;: %2. Le calendrier n&apos;a pas changé.</translation>
    </message>
    <message>
        <source>%1 events with a time of day</source>
        <translation>%1 événements avec une heure</translation>
    </message>
    <message>
        <source>%1 events that have ended</source>
        <translation>%1 événements déjà terminés</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <extracomment>The events of the file that were not imported, listed with commas between them</extracomment>
        <translation>Ignorés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 holds no all-day events from today on; nothing was added. %2</source>
        <extracomment>%1 is a file name, %2 what was left out of it, if anything</extracomment>
        <translation>%1 ne contient aucun événement d&apos;une journée entière à partir d&apos;aujourd&apos;hui&#xa0;; rien n&apos;a été ajouté. %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ring the bells with no window, tray or display, as a service started at boot does (see corvalin.service). The bells start as with &quot;Auto execution&quot; on; while a window copy runs this copy waits, and it takes the bells back when that copy ends.</source>
        <translation>Faire sonner les sonneries sans fenêtre, icône ni écran, comme un service lancé au démarrage (voir corvalin.service). Les sonneries démarrent comme avec «&#xa0;Démarrage auto&#xa0;» activé&#xa0;; tant qu&apos;une copie avec fenêtre tourne, cette copie attend, et elle reprend les sonneries quand l&apos;autre se termine.</translation>
    </message>
    <message>
        <source>Write the whole set-up (every settings file and your own bell sounds) to &lt;file&gt;, a zip file, and end.</source>
        <translation>Écrire toute la configuration (chaque fichier de réglages et vos propres sons de sonnerie) dans &lt;file&gt;, un fichier zip, puis quitter.</translation>
    </message>
    <message>
        <source>Replace the set-up with the one in &lt;file&gt;, written by --export or the Set-up menu, and end. Only while no copy of Corvalin runs; nothing changes unless all of it checks out.</source>
        <translation>Remplacer la configuration par celle de &lt;file&gt;, écrite par --export ou le menu Configuration, puis quitter. Seulement si aucune copie de Corvalin ne tourne&#xa0;; rien ne change si tout n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>With --export: sign the exported set-up with the secret key in &lt;keyfile&gt; and write the signature beside it, as &lt;file&gt;.sig, for the PCs that follow the published set-up. A key file that cannot sign is refused before anything is written.</source>
        <translation>Avec --export&#xa0;: signer la configuration exportée avec la clé secrète de &lt;keyfile&gt; et écrire la signature à côté, sous &lt;file&gt;.sig, pour les PC qui suivent la configuration publiée. Un fichier de clé incapable de signer est refusé avant toute écriture.</translation>
    </message>
    <message>
        <source>Make a key pair for signing set-ups: write the secret key to &lt;keyfile&gt;, a new file readable by you alone (an existing file is never written over), print the public key that the following PCs are given, as the last line, and end.</source>
        <translation>Créer une paire de clés pour signer les configurations&#xa0;: écrire la clé secrète dans &lt;keyfile&gt;, un nouveau fichier lisible par vous seul (un fichier existant n&apos;est jamais écrasé), afficher en dernière ligne la clé publique à donner aux PC qui suivent, puis quitter.</translation>
    </message>
    <message>
        <source>Rings a school&apos;s or a shop&apos;s bells on time, day after day.
Settings live in %1; your own bell sounds in %2.</source>
        <translation>Fait sonner à l&apos;heure les sonneries d&apos;une école ou d&apos;un magasin, jour après jour.
Les réglages sont dans %1&#xa0;; vos propres sons de sonnerie dans %2.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Say what the copy of Corvalin that runs for you is doing: the bell service, the next bell, today&apos;s changes, the last bell rung, an alarm signal and the open problems.</source>
        <translation>Indiquer ce que fait la copie de Corvalin qui tourne pour vous&#xa0;: le service des sonneries, la prochaine sonnerie, les modifications du jour, la dernière sonnerie, un signal d&apos;alarme et les problèmes en cours.</translation>
    </message>
    <message>
        <source>Ring a bell now, the sound named after the option (as the ring-now button does), or the next bell&apos;s sound when none is named.</source>
        <translation>Sonner maintenant, avec le son nommé après l&apos;option (comme le bouton Sonner maintenant), ou le son de la prochaine sonnerie si aucun n&apos;est nommé.</translation>
    </message>
    <message>
        <source>Stop the bell, or the alarm signal, that sounds.</source>
        <translation>Arrêter la sonnerie, ou le signal d&apos;alarme, en cours.</translation>
    </message>
    <message>
        <source>Skip the next bell, today only.</source>
        <translation>Sauter la prochaine sonnerie, aujourd&apos;hui seulement.</translation>
    </message>
    <message>
        <source>Skip the bell at &lt;time&gt; (hh:mm), today only.</source>
        <translation>Sauter la sonnerie de &lt;time&gt; (hh:mm), aujourd&apos;hui seulement.</translation>
    </message>
    <message>
        <source>Move the bell at &lt;time&gt; to the time given after it, today only: --move 10:15 10:45.</source>
        <translation>Déplacer la sonnerie de &lt;time&gt; à l&apos;heure donnée ensuite, aujourd&apos;hui seulement&#xa0;: --move 10:15 10:45.</translation>
    </message>
    <message>
        <source>Add a bell at &lt;time&gt;, ringing the sound named after it, today only: --add 12:10 school-bell.wav.</source>
        <translation>Ajouter une sonnerie à &lt;time&gt;, avec le son nommé ensuite, aujourd&apos;hui seulement&#xa0;: --add 12:10 school-bell.wav.</translation>
    </message>
    <message>
        <source>Ring no bells today.</source>
        <translation>Aucune sonnerie aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>Ring templet &lt;n&gt; (1 to 6) today, in place of the day&apos;s own times.</source>
        <translation>Sonner le modèle &lt;n&gt; (1 à 6) aujourd&apos;hui, à la place des heures du jour.</translation>
    </message>
    <message>
        <source>Undo today&apos;s change &lt;n&gt; (from 0, in the order --status lists them), or all of them.</source>
        <translation>Annuler la modification du jour &lt;n&gt; (à partir de 0, dans l&apos;ordre de --status), ou toutes.</translation>
    </message>
    <message>
        <source>Sound the alarm signal &lt;name&gt; at once, with no question.</source>
        <translation>Déclencher aussitôt le signal d&apos;alarme &lt;name&gt;, sans confirmation.</translation>
    </message>
    <message>
        <source>Stop the alarm signal that sounds.</source>
        <translation>Arrêter le signal d&apos;alarme en cours.</translation>
    </message>
    <message>
        <source>Start the bell service, as the start button does.</source>
        <translation>Démarrer le service des sonneries, comme le bouton Démarrer.</translation>
    </message>
    <message>
        <source>Stop the bell service, as the stop button does.</source>
        <translation>Arrêter le service des sonneries, comme le bouton Arrêter.</translation>
    </message>
    <message>
        <source>Follow the set-up published at &lt;address&gt; (https://, or http:// on a LAN), signed with the publisher&apos;s key given with --key: it is fetched at start and every 15 minutes and applied when its signature and contents check out. Without a copy running, kept for the next start.</source>
        <translation>Suivre la configuration publiée à &lt;address&gt; (https://, ou http:// sur un réseau local), signée avec la clé de l&apos;éditeur donnée par --key&#xa0;: elle est récupérée au démarrage et toutes les 15 minutes, et appliquée quand sa signature et son contenu sont valides. Si aucune copie ne tourne, retenu pour le prochain démarrage.</translation>
    </message>
    <message>
        <source>Follow no set-up any more; the set-up in use stays, as this computer&apos;s own.</source>
        <translation>Ne plus suivre de configuration&#xa0;; la configuration en cours reste, comme celle de cet ordinateur.</translation>
    </message>
    <message>
        <source>Fetch the followed set-up now.</source>
        <translation>Récupérer maintenant la configuration suivie.</translation>
    </message>
    <message>
        <source>Serve the staff web page (HTTPS) from now on and at every start: on every address, port 8443, or on the port or address:port given after it (--web-on 192.0.2.10:8443). Without a copy running, kept for the next start.</source>
        <translation>Servir la page web du personnel (HTTPS) dès maintenant et à chaque démarrage&#xa0;: sur toutes les adresses, port 8443, ou sur le port ou adresse:port donné ensuite (--web-on 192.0.2.10:8443). Si aucune copie ne tourne, retenu pour le prochain démarrage.</translation>
    </message>
    <message>
        <source>Serve the staff web page no more.</source>
        <translation>Ne plus servir la page web du personnel.</translation>
    </message>
    <message>
        <source>Add an account for the staff web page, or give one a new password and role: --role alarm (raise and stop alarms; the default) or --role office (also today&apos;s changes, ring now, stop bell, start and stop). The password is read from standard input, one line, or asked twice on a terminal.</source>
        <translation>Ajouter un compte à la page web du personnel, ou donner à un compte un nouveau mot de passe et un rôle&#xa0;: --role alarm (déclencher et arrêter les alarmes&#xa0;; par défaut) ou --role office (aussi les modifications du jour, sonner maintenant, arrêter la sonnerie, démarrer et arrêter). Le mot de passe est lu sur l&apos;entrée standard, une ligne, ou demandé deux fois dans un terminal.</translation>
    </message>
    <message>
        <source>Remove the staff web page&apos;s account &lt;name&gt;; its sessions end.</source>
        <translation>Supprimer le compte &lt;name&gt; de la page web du personnel&#xa0;; ses sessions prennent fin.</translation>
    </message>
    <message>
        <source>List the staff web page&apos;s accounts and their roles.</source>
        <translation>Lister les comptes de la page web du personnel et leurs rôles.</translation>
    </message>
    <message>
        <source>With --status: as one JSON object, for a script.</source>
        <translation>Avec --status&#xa0;: sous forme d&apos;un seul objet JSON, pour un script.</translation>
    </message>
    <message>
        <source>With --follow: the publisher&apos;s public key.</source>
        <translation>Avec --follow&#xa0;: la clé publique de l&apos;éditeur.</translation>
    </message>
    <message>
        <source>With --staff-add: what the account may do (alarm when not given).</source>
        <translation>Avec --staff-add&#xa0;: ce que le compte peut faire (alarm par défaut).</translation>
    </message>
</context>
<context>
    <name>CopyDaysDialog</name>
    <message>
        <source>Copy to days</source>
        <translation>Copier vers des jours</translation>
    </message>
    <message>
        <source>Copy the list of %1 to:</source>
        <extracomment>%1 is the day whose list is copied</extracomment>
        <translation>Copier la liste de %1 vers&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>FollowPanel</name>
    <message>
        <source>Follow a set-up...</source>
        <translation>Suivre une configuration...</translation>
    </message>
    <message>
        <source>Refresh the followed set-up</source>
        <translation>Actualiser la configuration suivie</translation>
    </message>
    <message>
        <source>Stop following</source>
        <translation>Ne plus suivre</translation>
    </message>
    <message>
        <source>Managed from %1; change it there</source>
        <extracomment>%1: the web address the set-up is followed from</extracomment>
        <translation>Gérée depuis %1&#xa0;; modifiez-la là-bas</translation>
    </message>
    <message>
        <source>Follow a set-up</source>
        <translation>Suivre une configuration</translation>
    </message>
    <message>
        <source>This computer takes its set-up from a web address, as it is published there and signed by its publisher, and keeps it up to date (at start and every 15 minutes). Its settings are then changed only there.</source>
        <translation>Cet ordinateur reprend sa configuration d&apos;une adresse web, telle qu&apos;elle y est publiée et signée par son éditeur, et la tient à jour (au démarrage et toutes les 15 minutes). Ses réglages ne se modifient alors que là-bas.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Publisher&apos;s public key</source>
        <translation>Clé publique de l&apos;éditeur</translation>
    </message>
    <message>
        <source>Follow</source>
        <extracomment>Starts following the set-up at the address</extracomment>
        <translation>Suivre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>this copy cannot follow a set-up</source>
        <translation>cette copie ne peut pas suivre de configuration</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>Publisher&apos;s public key:</source>
        <translation>Clé publique de l&apos;éditeur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>FrmBellCount</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>FrmCountDown</name>
    <message>
        <source>Countdown</source>
        <translation>Compte à rebours</translation>
    </message>
    <message>
        <source>시간</source>
        <extracomment>&quot;hours&quot;</extracomment>
        <translation>heures</translation>
    </message>
    <message>
        <source>분</source>
        <extracomment>&quot;minutes&quot;</extracomment>
        <translation>minutes</translation>
    </message>
    <message>
        <source>초 카운트다운</source>
        <extracomment>&quot;seconds countdown&quot;</extracomment>
        <translation>secondes à décompter</translation>
    </message>
    <message>
        <source>Hours to count</source>
        <translation>Heures à décompter</translation>
    </message>
    <message>
        <source>Minutes to count</source>
        <translation>Minutes à décompter</translation>
    </message>
    <message>
        <source>Seconds to count</source>
        <translation>Secondes à décompter</translation>
    </message>
    <message>
        <source>Step the hours</source>
        <translation>Régler les heures</translation>
    </message>
    <message>
        <source>Step the minutes</source>
        <translation>Régler les minutes</translation>
    </message>
    <message>
        <source>Step the seconds</source>
        <translation>Régler les secondes</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Count start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>Resumes the paused count</extracomment>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Count exit</source>
        <extracomment>Ends the count</extracomment>
        <translation>Terminer</translation>
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
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Small window</source>
        <extracomment>Back from the full-screen view to the countdown&apos;s small window</extracomment>
        <translation>Petite fenêtre</translation>
    </message>
</context>
<context>
    <name>FrmSyncError</name>
    <message>
        <source>Because failure of connecting in the Internet time server, it cannot fix time.</source>
        <extracomment>&quot;The clock cannot be set: the internet time server could not be reached.&quot;</extracomment>
        <translation>Impossible de régler l&apos;horloge&#xa0;: le serveur de temps Internet est injoignable.</translation>
    </message>
    <message>
        <source>Please confirm network condition which probably is normal.</source>
        <extracomment>&quot;Please check that the network works as it should.&quot;</extracomment>
        <translation>Vérifiez que le réseau fonctionne normalement.</translation>
    </message>
    <message>
        <source>If this warning window are opened frequently, it means that the network condition is unstable. therefore, you not be able to use internet time function.</source>
        <extracomment>&quot;If this warning comes up often, the network is unstable, and the internet time cannot be used.&quot;</extracomment>
        <translation>Si cet avertissement apparaît souvent, le réseau est instable et l&apos;heure Internet ne peut pas être utilisée.</translation>
    </message>
    <message>
        <source>So, please cancel the check box [Internet time] of Corvalin main window.</source>
        <extracomment>&quot;Then please untick [Internet time] in Corvalin&apos;s main window.&quot; Keep the box&apos;s name as the main window shows it.</extracomment>
        <translation>Dans ce cas, décochez [Heure Internet] dans la fenêtre principale de Corvalin.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>FullScreenWindow</name>
    <message>
        <source>Time left</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Heure</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Start page</source>
        <extracomment>The manual&apos;s start page: its contents and the point of caution
----------
Goes to the manual&apos;s start page</extracomment>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Set up a week of bells</source>
        <translation>Régler une semaine de sonneries</translation>
    </message>
    <message>
        <source>A day made from lessons</source>
        <translation>Une journée faite de cours</translation>
    </message>
    <message>
        <source>Today&apos;s changes</source>
        <translation>Modifications du jour</translation>
    </message>
    <message>
        <source>Alarm signals</source>
        <translation>Signaux d&apos;alarme</translation>
    </message>
    <message>
        <source>The staff web page</source>
        <translation>La page web du personnel</translation>
    </message>
    <message>
        <source>Calendar and feeds</source>
        <translation>Calendrier et flux</translation>
    </message>
    <message>
        <source>Backup and moving to another PC</source>
        <translation>Sauvegarde et passage à un autre PC</translation>
    </message>
    <message>
        <source>Following a district&apos;s set-up</source>
        <translation>Suivre la configuration d&apos;un réseau d&apos;écoles</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avertissements</translation>
    </message>
    <message>
        <source>help-language</source>
        <extracomment>The folder of the operator&apos;s manual in this translation&apos;s language, its two-letter code (assets/help/&lt;code&gt;/): &quot;de&quot; for German. Left as it is, the desktop&apos;s language decides.</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <source>Corvalin Help</source>
        <translation>Aide de Corvalin</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>The pages of the manual; choose one to read it</source>
        <translation>Les pages du manuel&#xa0;; choisissez-en une pour la lire</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>What to do?</source>
        <translation>Que faire&#xa0;?</translation>
    </message>
    <message>
        <source>Opens the manual&apos;s page on this warning</source>
        <translation>Ouvre la page du manuel sur cet avertissement</translation>
    </message>
</context>
<context>
    <name>IcsPreview</name>
    <message>
        <source>Add</source>
        <extracomment>Adds the new days of the file to the calendar</extracomment>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Import iCalendar</source>
        <translation>Importer iCalendar</translation>
    </message>
    <message>
        <source>Days in the file</source>
        <translation>Jours du fichier</translation>
    </message>
    <message>
        <source>%1   %2   (already in the calendar)</source>
        <extracomment>An exception of the file (its days, its label) that the calendar holds already</extracomment>
        <translation>%1   %2   (déjà dans le calendrier)</translation>
    </message>
    <message>
        <source>%1: %2 all-day events from today on, %3 of them new. The new ones are added as &quot;no bells&quot; exceptions.</source>
        <extracomment>%1 is a file name, %2 and %3 numbers of events; &quot;no bells&quot; as the calendar window shows it</extracomment>
        <translation>%1&#xa0;: %2 événements d&apos;une journée entière à partir d&apos;aujourd&apos;hui, dont %3 nouveaux. Les nouveaux sont ajoutés comme exceptions «&#xa0;sans sonnerie&#xa0;».</translation>
    </message>
</context>
<context>
    <name>Info1</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Corvalin infomation</source>
        <extracomment>&quot;Corvalin information&quot;: the title of the window with the program&apos;s version</extracomment>
        <translation>À propos de Corvalin</translation>
    </message>
    <message>
        <source>Corvalin version %1</source>
        <translation>Corvalin version %1</translation>
    </message>
    <message>
        <source>Rings the bells of a school or a shop, on time, day after day.</source>
        <translation>Fait sonner les sonneries d&apos;une école ou d&apos;un magasin, à l&apos;heure, jour après jour.</translation>
    </message>
</context>
<context>
    <name>IntervalPanel</name>
    <message>
        <source>Apply</source>
        <extracomment>Takes the sound chosen in the sound list for this bell</extracomment>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Set start  and end time</source>
        <extracomment>&quot;Set start and end time&quot; (of the day&apos;s bells)</extracomment>
        <translation>Heures de début et de fin</translation>
    </message>
    <message>
        <source>hr</source>
        <extracomment>Unit after an hour box: hours</extracomment>
        <translation>h</translation>
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
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>End of the day&apos;s bells (a time)
----------
A pre-bell some minutes before the break&apos;s bell</extracomment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Minute de début</translation>
    </message>
    <message>
        <source>End hour</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>End minute</source>
        <translation>Minute de fin</translation>
    </message>
    <message>
        <source>The Up and Down keys step it</source>
        <translation>Les flèches Haut et Bas le modifient</translation>
    </message>
    <message>
        <source>Set time interval</source>
        <translation>Régler les durées</translation>
    </message>
    <message>
        <source>Work time</source>
        <extracomment>The length of a lesson</extracomment>
        <translation>Durée du cours</translation>
    </message>
    <message>
        <source>Rest time</source>
        <extracomment>The length of a break</extracomment>
        <translation>Durée de la pause</translation>
    </message>
    <message>
        <source>%1 in minutes</source>
        <extracomment>%1: &quot;Work time&quot; or &quot;Rest time&quot;; the box holds minutes</extracomment>
        <translation>%1 en minutes</translation>
    </message>
    <message>
        <source>Set start bell sound</source>
        <translation>Sons des sonneries</translation>
    </message>
    <message>
        <source>Work</source>
        <extracomment>The sound of the bell that starts a lesson</extracomment>
        <translation>Cours</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The sound of the bell that starts a break</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Sound of the lesson&apos;s bell</source>
        <translation>Son de la sonnerie de cours</translation>
    </message>
    <message>
        <source>Sound of the break&apos;s bell</source>
        <translation>Son de la sonnerie de pause</translation>
    </message>
    <message>
        <source>Apply the chosen sound to the lesson&apos;s bell</source>
        <translation>Appliquer le son choisi à la sonnerie de cours</translation>
    </message>
    <message>
        <source>Apply the chosen sound to the break&apos;s bell</source>
        <translation>Appliquer le son choisi à la sonnerie de pause</translation>
    </message>
    <message>
        <source>Alarm before and after bell time (After check,Apply sound)</source>
        <extracomment>&quot;Pre-bells before and after the bell time (check one, then apply its sound)&quot;</extracomment>
        <translation>Pré-sonneries avant et après la sonnerie (cocher, puis appliquer le son)</translation>
    </message>
    <message>
        <source>min after</source>
        <extracomment>Minutes after the lesson&apos;s bell</extracomment>
        <translation>min après</translation>
    </message>
    <message>
        <source>min before</source>
        <extracomment>Minutes before the break&apos;s bell</extracomment>
        <translation>min avant</translation>
    </message>
    <message>
        <source>Minutes after the lesson&apos;s bell</source>
        <translation>Minutes après la sonnerie de cours</translation>
    </message>
    <message>
        <source>Minutes before the break&apos;s bell</source>
        <translation>Minutes avant la sonnerie de pause</translation>
    </message>
    <message>
        <source>Sound of the pre-bell after the lesson&apos;s bell</source>
        <translation>Son de la pré-sonnerie après la sonnerie de cours</translation>
    </message>
    <message>
        <source>Sound of the pre-bell before the break&apos;s bell</source>
        <translation>Son de la pré-sonnerie avant la sonnerie de pause</translation>
    </message>
    <message>
        <source>Apply the chosen sound to the pre-bell after the lesson&apos;s bell</source>
        <translation>Appliquer le son choisi à la pré-sonnerie après la sonnerie de cours</translation>
    </message>
    <message>
        <source>Apply the chosen sound to the pre-bell before the break&apos;s bell</source>
        <translation>Appliquer le son choisi à la pré-sonnerie avant la sonnerie de pause</translation>
    </message>
    <message>
        <source>Select bell sound from [Select bell sound]</source>
        <translation>Choisissez un son dans [Choix du son]</translation>
    </message>
</context>
<context>
    <name>IsAutoExitForm</name>
    <message>
        <source>Reservation computer exit</source>
        <extracomment>&quot;Booked switching off of the computer&quot;</extracomment>
        <translation>Arrêt programmé de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Exit time (Type 24Hour)</source>
        <extracomment>The time of day at which the computer is switched off, on the 24-hour clock</extracomment>
        <translation>Heure d&apos;arrêt (24 h)</translation>
    </message>
    <message>
        <source>hr</source>
        <extracomment>Short for &quot;hours&quot;, after the hour box</extracomment>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <extracomment>Short for &quot;minutes&quot;, after the minute box</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>Exit hour</source>
        <translation>Heure d&apos;arrêt</translation>
    </message>
    <message>
        <source>Exit minute</source>
        <translation>Minute d&apos;arrêt</translation>
    </message>
    <message>
        <source>Step the hour</source>
        <translation>Régler l&apos;heure</translation>
    </message>
    <message>
        <source>Step the minute</source>
        <translation>Régler la minute</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Valider</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tray</source>
        <extracomment>The title strip&apos;s button that hides the window into the tray</extracomment>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Hides the window into the tray; the bells go on</source>
        <translation>Masque la fenêtre dans la zone de notification&#xa0;; les sonneries continuent</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
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
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Infomation</source>
        <extracomment>&quot;Information&quot;: the program&apos;s version and maker</extracomment>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Countdown</source>
        <extracomment>A countdown the operator sets, which rings the bell at zero</extracomment>
        <translation>Compte à rebours</translation>
    </message>
    <message>
        <source>Countdown next bell</source>
        <extracomment>The time left until the next bell, shown large</extracomment>
        <translation>Décompte jusqu&apos;à la prochaine sonnerie</translation>
    </message>
    <message>
        <source>Calendar</source>
        <extracomment>The school calendar</extracomment>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Set-up</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Ring log</source>
        <translation>Journal des sonneries</translation>
    </message>
    <message>
        <source>Alarm</source>
        <extracomment>The alarm signals (fire, lockdown...)</extracomment>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Export...</source>
        <extracomment>Exports the whole set-up to one file</extracomment>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Import...</source>
        <extracomment>Imports a set-up file in place of this computer&apos;s set-up</extracomment>
        <translation>Importer...</translation>
    </message>
    <message>
        <source>Opens the ring log</source>
        <translation>Ouvre le journal des sonneries</translation>
    </message>
    <message>
        <source>Open Window</source>
        <extracomment>The tray menu&apos;s entry that brings the window back</extracomment>
        <translation>Ouvrir la fenêtre</translation>
    </message>
    <message>
        <source>Set time mode</source>
        <extracomment>How the bell times are set: by intervals or typed one by one</extracomment>
        <translation>Mode de réglage des heures</translation>
    </message>
    <message>
        <source>Auto interval</source>
        <extracomment>The bell times made from a start, an end and intervals</extracomment>
        <translation>Intervalles auto</translation>
    </message>
    <message>
        <source>Manual input</source>
        <extracomment>The bell times typed one by one</extracomment>
        <translation>Saisie manuelle</translation>
    </message>
    <message>
        <source>Apply day</source>
        <extracomment>Which days the bell times apply to</extracomment>
        <translation>Jours concernés</translation>
    </message>
    <message>
        <source>Apply week</source>
        <extracomment>The same bell times every day of the week</extracomment>
        <translation>Toute la semaine</translation>
    </message>
    <message>
        <source>Set each day</source>
        <extracomment>Bell times of their own for each day of the week</extracomment>
        <translation>Jour par jour</translation>
    </message>
    <message>
        <source>Select day</source>
        <translation>Choix du jour</translation>
    </message>
    <message>
        <source>Day shown</source>
        <translation>Jour affiché</translation>
    </message>
    <message>
        <source>No rings</source>
        <extracomment>The day has no bells</extracomment>
        <translation>Aucune sonnerie</translation>
    </message>
    <message>
        <source>Copy to days...</source>
        <translation>Copier vers des jours...</translation>
    </message>
    <message>
        <source>System language</source>
        <extracomment>The language the computer&apos;s own settings ask for</extracomment>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Original texts</source>
        <extracomment>The texts as the program&apos;s code has them, with no translation (English and Korean mixed)</extracomment>
        <translation>Textes d&apos;origine</translation>
    </message>
    <message>
        <source>The language could not be kept: %1</source>
        <translation>La langue n&apos;a pas pu être enregistrée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The language is changed at the next start of Corvalin.</source>
        <translation>La langue change au prochain démarrage de Corvalin.</translation>
    </message>
    <message>
        <source>Error Number : </source>
        <translation>Numéro d&apos;erreur&#xa0;: </translation>
    </message>
    <message>
        <source>Dedicated %1 soundcard</source>
        <extracomment>%1 is the program&apos;s name: the sound card kept for the bells alone</extracomment>
        <translation>Carte son dédiée à %1</translation>
    </message>
    <message>
        <source>The bells go on: Corvalin keeps running here. To end it, choose Exit in this icon&apos;s menu.</source>
        <translation>Les sonneries continuent&#xa0;: Corvalin reste actif ici. Pour le fermer, choisissez Quitter dans le menu de cette icône.</translation>
    </message>
    <message>
        <source>The school calendar is managed from %1 with the rest of the set-up; change it there.</source>
        <extracomment>%1 is the web address the set-up is followed from</extracomment>
        <translation>Le calendrier scolaire est géré depuis %1 avec le reste de la configuration&#xa0;; modifiez-le là-bas.</translation>
    </message>
    <message>
        <source>%1 already has a list of its own. Replace it with the list of %2?</source>
        <extracomment>%1 is one day, %2 the day whose list is copied</extracomment>
        <translation>%1 a déjà sa propre liste. La remplacer par la liste de %2&#xa0;?</translation>
    </message>
    <message>
        <source>%1 already have lists of their own. Replace them with the list of %2?</source>
        <extracomment>%1 lists several days, %2 is the day whose list is copied</extracomment>
        <translation>%1 ont déjà leurs propres listes. Les remplacer par la liste de %2&#xa0;?</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the days of a list</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Copy to days</source>
        <translation>Copier vers des jours</translation>
    </message>
    <message>
        <source>templet%1</source>
        <extracomment>&quot;template %1&quot;: the %1st of the stored day lists the day selector offers after Saturday</extracomment>
        <translation>modèle %1</translation>
    </message>
    <message>
        <source>All days</source>
        <extracomment>The day selector&apos;s caption while the same times apply to every day</extracomment>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Click arrow in right [Select day], Seting each day bell time.</source>
        <extracomment>&quot;Click the arrows on the right of [Select day] to set each day&apos;s bell times.&quot;</extracomment>
        <translation>Cliquez sur les flèches à droite de [Choix du jour] pour régler les sonneries de chaque jour.</translation>
    </message>
    <message>
        <source>Bell time offset...</source>
        <translation>Décalage des sonneries...</translation>
    </message>
    <message>
        <source>Bell time offset</source>
        <translation>Décalage des sonneries</translation>
    </message>
    <message>
        <source>Every bell rings this many seconds after the computer&apos;s clock (before it when negative), so that the bells match the building&apos;s clocks:</source>
        <translation>Chaque sonnerie retentit ce nombre de secondes après l&apos;horloge de l&apos;ordinateur (avant si négatif), pour que les sonneries concordent avec les horloges du bâtiment&#xa0;:</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1

Click to open the ring log</source>
        <extracomment>%1 is the problem, as the ring log has it</extracomment>
        <translation>%1

Cliquez pour ouvrir le journal des sonneries</translation>
    </message>
    <message>
        <source>Corvalin set-up (*.zip)</source>
        <extracomment>The file dialog&apos;s filter; keep &quot;(*.zip)&quot; as it is</extracomment>
        <translation>Configuration Corvalin (*.zip)</translation>
    </message>
    <message>
        <source>Export the set-up</source>
        <translation>Exporter la configuration</translation>
    </message>
    <message>
        <source>The set-up was not exported: %1</source>
        <extracomment>%1 says why</extracomment>
        <translation>La configuration n&apos;a pas été exportée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The set-up was exported to %1.</source>
        <translation>La configuration a été exportée vers %1.</translation>
    </message>
    <message>
        <source>The set-up was exported to %1. The signature of an older set-up beside it, %2, was removed.</source>
        <extracomment>%1 is the set-up&apos;s file, %2 the signature file beside it</extracomment>
        <translation>La configuration a été exportée vers %1. La signature d&apos;une ancienne configuration placée à côté, %2, a été supprimée.</translation>
    </message>
    <message>
        <source>The set-up was exported to %1. The signature of an older set-up beside it, %2, does not match it and could not be removed: remove it before publishing the set-up.</source>
        <extracomment>%1 is the set-up&apos;s file, %2 the signature file beside it</extracomment>
        <translation>La configuration a été exportée vers %1. La signature d&apos;une ancienne configuration placée à côté, %2, ne lui correspond pas et n&apos;a pas pu être supprimée&#xa0;: supprimez-la avant de publier la configuration.</translation>
    </message>
    <message>
        <source>Import a set-up</source>
        <translation>Importer une configuration</translation>
    </message>
    <message>
        <source>%1. Nothing was changed.</source>
        <extracomment>%1 says why the file cannot be imported</extracomment>
        <translation>%1. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1

Replace the set-up of this computer with this one? Its settings take the place of every setting now in use; the bell service, if it runs, starts again with them.</source>
        <extracomment>%1 describes what the file holds</extracomment>
        <translation>%1

Remplacer la configuration de cet ordinateur par celle-ci&#xa0;? Ses réglages remplacent tous les réglages en cours&#xa0;; le service des sonneries, s&apos;il tourne, redémarre avec eux.</translation>
    </message>
    <message>
        <source>Skip next bell (%1)</source>
        <extracomment>%1 is the next bell&apos;s time, as 10:50</extracomment>
        <translation>Sauter la prochaine sonnerie (%1)</translation>
    </message>
    <message>
        <source>%1-Alarm: %2</source>
        <extracomment>%1 is the program&apos;s name, %2 the alarm signal that sounds</extracomment>
        <translation>%1 - Alarme&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1-Stop</source>
        <extracomment>%1 is the program&apos;s name: the bells are stopped</extracomment>
        <translation>%1 - Arrêté</translation>
    </message>
    <message>
        <source>%1-Excuting...</source>
        <extracomment>%1 is the program&apos;s name: &quot;Executing...&quot;, the bells run</extracomment>
        <translation>%1 - En marche...</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Auto execution</source>
        <extracomment>Start Corvalin when the computer starts (a user logs on)</extracomment>
        <translation>Démarrage auto</translation>
    </message>
    <message>
        <source>If you want Corvalin to operate automatically at computer start time.</source>
        <translation>Pour que Corvalin se lance automatiquement au démarrage de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>No sound at bell</source>
        <extracomment>Silence the computer&apos;s other sounds while a bell rings</extracomment>
        <translation>Silence pendant la sonnerie</translation>
    </message>
    <message>
        <source>Silences the computer&apos;s other sounds while a bell rings</source>
        <translation>Coupe les autres sons de l&apos;ordinateur pendant une sonnerie</translation>
    </message>
    <message>
        <source>Repeating bell</source>
        <translation>Sonnerie répétée</translation>
    </message>
    <message>
        <source>if you click [Stop Bell], bell sound will be stoped.</source>
        <extracomment>&quot;If you click [Stop bell], the bell sound stops.&quot;</extracomment>
        <translation>Si vous cliquez sur [Arrêter la sonnerie], le son de la sonnerie s&apos;arrête.</translation>
    </message>
    <message>
        <source>Internet time</source>
        <translation>Heure Internet</translation>
    </message>
    <message>
        <source>At real-time it synchronizes a computer time in standard time.</source>
        <extracomment>&quot;It keeps the computer&apos;s clock set to the standard time.&quot;</extracomment>
        <translation>Maintient l&apos;horloge de l&apos;ordinateur à l&apos;heure officielle.</translation>
    </message>
    <message>
        <source>Reservation Exit</source>
        <extracomment>&quot;Booked power-off&quot;: the computer is switched off at a set time every day</extracomment>
        <translation>Arrêt programmé</translation>
    </message>
    <message>
        <source>Switches the computer off at a set time every day</source>
        <translation>Éteint l&apos;ordinateur à une heure fixe chaque jour</translation>
    </message>
    <message>
        <source>Because, this function purge computer default soundcard at bell time, so, computer lings only Corvalin at bell time.

벨소리 재생이 끝난 후 컴퓨터 기본 사운드카드를 다시 활성화시킵니다. 

컴퓨터로 음악을 내보내는 곳(카페나 편의점등의 상점)에서 필요한 기능입니다.</source>
        <extracomment>&quot;This silences the computer&apos;s default sound card at bell time, so the computer plays only Corvalin&apos;s bell then. [Korean:] When the bell sound ends the computer&apos;s default sound card is turned on again. [Korean:] A function needed where a computer plays music (shops such as cafés or convenience stores).&quot;</extracomment>
        <translation>Cette fonction coupe la carte son par défaut de l&apos;ordinateur à l&apos;heure de la sonnerie&#xa0;: l&apos;ordinateur ne fait alors entendre que la sonnerie de Corvalin.

À la fin de la sonnerie, la carte son par défaut de l&apos;ordinateur est réactivée. 

Fonction utile là où un ordinateur diffuse de la musique (commerces tels que cafés ou supérettes).</translation>
    </message>
    <message>
        <source>It uses the Internet time server, at real-time it synchronizes a computer time in standard time.</source>
        <extracomment>&quot;It uses an internet time server to keep the computer&apos;s clock set to the standard time.&quot;</extracomment>
        <translation>Utilise un serveur de temps Internet pour maintenir l&apos;horloge de l&apos;ordinateur à l&apos;heure officielle.</translation>
    </message>
    <message>
        <source>at %1:%2</source>
        <extracomment>The booked power-off&apos;s time: %1 hours, %2 minutes</extracomment>
        <translation>à %1:%2</translation>
    </message>
</context>
<context>
    <name>RingLogWindow</name>
    <message>
        <source>Ring log</source>
        <translation>Journal des sonneries</translation>
    </message>
    <message>
        <source>Every bell rung and every problem, newest last</source>
        <translation>Chaque sonnerie et chaque problème, du plus ancien au plus récent</translation>
    </message>
    <message>
        <source>The ring log %1 cannot be shown: %2.</source>
        <extracomment>%1 is the ring log&apos;s file, %2 says why</extracomment>
        <translation>Le journal des sonneries %1 ne peut pas être affiché&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Nothing has been logged yet.</source>
        <translation>Rien n&apos;a encore été journalisé.</translation>
    </message>
</context>
<context>
    <name>ServicePanel</name>
    <message>
        <source>Next bell</source>
        <translation>Prochaine sonnerie</translation>
    </message>
    <message>
        <source>Next sound</source>
        <translation>Son suivant</translation>
    </message>
    <message>
        <source>Now state</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Starts the bell service</extracomment>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Starts the bells with the settings shown</source>
        <translation>Démarre les sonneries avec les réglages affichés</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stops the bell service</extracomment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stops the bells</source>
        <translation>Arrête les sonneries</translation>
    </message>
    <message>
        <source>Now time :</source>
        <translation>Heure&#xa0;:</translation>
    </message>
    <message>
        <source>Today :</source>
        <translation>Aujourd&apos;hui&#xa0;:</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>The bell service&apos;s state: stopped</extracomment>
        <translation>ARRÊT</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The bell service&apos;s state: running</extracomment>
        <translation>MARCHE</translation>
    </message>
    <message>
        <source>NEXT DAY</source>
        <extracomment>No bell is left today: the next one rings on another day</extracomment>
        <translation>JOUR SUIVANT</translation>
    </message>
    <message>
        <source>%1hr %2min</source>
        <translation>%1&#xa0;h&#xa0;%2</translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation>Aucune sonnerie aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Templet %1 rings today</source>
        <extracomment>&quot;Templet&quot;: template (a saved list of bell times)</extracomment>
        <translation>Le modèle %1 sonne aujourd&apos;hui</translation>
    </message>
    <message>
        <source>(bells %1%2 s)</source>
        <extracomment>The bells&apos; offset from this clock: %1 the sign, %2 the seconds; &quot;s&quot;: seconds</extracomment>
        <translation>(sonneries %1%2 s)</translation>
    </message>
    <message>
        <source>Every bell rings %1 s before this clock</source>
        <translation>Chaque sonnerie retentit %1 s avant cette horloge</translation>
    </message>
    <message>
        <source>Every bell rings %1 s after this clock</source>
        <translation>Chaque sonnerie retentit %1 s après cette horloge</translation>
    </message>
</context>
<context>
    <name>SndSelect</name>
    <message>
        <source>Select dedicated soundcard</source>
        <translation>Choisir la carte son dédiée</translation>
    </message>
    <message>
        <source>Default output</source>
        <translation>Sortie par défaut</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>Stores the chosen sound card</extracomment>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Sound card</source>
        <translation>Carte son</translation>
    </message>
    <message>
        <source>The sound card the bells play on; none chosen: the default output</source>
        <translation>La carte son des sonneries&#xa0;; si aucune n&apos;est choisie&#xa0;: la sortie par défaut</translation>
    </message>
    <message>
        <source>Clears the choice: the bells follow the system&apos;s output</source>
        <translation>Efface le choix&#xa0;: les sonneries suivent la sortie du système</translation>
    </message>
</context>
<context>
    <name>SoundsPanel</name>
    <message>
        <source>Select bell sound</source>
        <translation>Choix du son</translation>
    </message>
    <message>
        <source>Bell sounds</source>
        <translation>Sons de sonnerie</translation>
    </message>
    <message>
        <source>The sound folder&apos;s sounds; the one chosen rings now and is given to the bells added</source>
        <translation>Les sons du dossier des sons&#xa0;; celui choisi sert à Sonner maintenant et aux sonneries ajoutées</translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation>Sonner maintenant</translation>
    </message>
    <message>
        <source>Stop bell</source>
        <translation>Arrêter la sonnerie</translation>
    </message>
    <message>
        <source>Add sound...</source>
        <translation>Ajouter un son...</translation>
    </message>
    <message>
        <source>Copies a sound file into the sound folder</source>
        <translation>Copie un fichier son dans le dossier des sons</translation>
    </message>
    <message>
        <source>Ring now (%1)</source>
        <extracomment>%1: its shortcut, e.g. Ctrl+R</extracomment>
        <translation>Sonner maintenant (%1)</translation>
    </message>
    <message>
        <source>Rings the sound chosen in the list now; shortcut %1</source>
        <extracomment>%1: its shortcut, e.g. Ctrl+R</extracomment>
        <translation>Fait sonner maintenant le son choisi dans la liste&#xa0;; raccourci %1</translation>
    </message>
    <message>
        <source>Stop bell (%1)</source>
        <extracomment>%1: its shortcut, e.g. Ctrl+S</extracomment>
        <translation>Arrêter la sonnerie (%1)</translation>
    </message>
    <message>
        <source>Stops the repeating bell; shortcut %1</source>
        <extracomment>%1: its shortcut, e.g. Ctrl+S</extracomment>
        <translation>Arrête la sonnerie répétée&#xa0;; raccourci %1</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>Chooses the sound card the bells ring on</extracomment>
        <translation>Carte son</translation>
    </message>
    <message>
        <source>Chooses the sound card the bells ring on</source>
        <translation>Choisit la carte son des sonneries</translation>
    </message>
    <message>
        <source>Not a bell sound: %1</source>
        <translation>Pas un son de sonnerie&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sounds (%1);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters: keep &quot;;;&quot; and &quot;(*)&quot;</extracomment>
        <translation>Sons (%1);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Add sound</source>
        <translation>Ajouter un son</translation>
    </message>
    <message>
        <source>%1 was not added: %2.</source>
        <extracomment>%1: a file name; %2: why it was not added</extracomment>
        <translation>%1 n&apos;a pas été ajouté&#xa0;: %2.</translation>
    </message>
    <message>
        <source>a bell sound is a WAV, FLAC, Ogg Vorbis, Opus or MP3 file, named so (%1)</source>
        <translation>un son de sonnerie est un fichier WAV, FLAC, Ogg Vorbis, Opus ou MP3, nommé comme tel (%1)</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>il est illisible (%1)</translation>
    </message>
    <message>
        <source>it is larger than any bell sound</source>
        <translation>il est trop gros pour un son de sonnerie</translation>
    </message>
    <message>
        <source>the file is not a sound that can be played</source>
        <translation>le fichier n&apos;est pas un son lisible</translation>
    </message>
    <message>
        <source>%1 is already in the sound folder. Replace it?</source>
        <translation>%1 est déjà dans le dossier des sons. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1: why a file could not be written; %2: the file</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>it could not be copied: %1</source>
        <translation>il n&apos;a pas pu être copié&#xa0;: %1</translation>
    </message>
    <message>
        <source>Select bell sound from [Select bell sound]</source>
        <translation>Choisissez un son dans [Choix du son]</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Lower</source>
        <translation>Moins</translation>
    </message>
    <message>
        <source>Higher</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>The Up and Down arrow keys change the value</source>
        <translation>Les flèches Haut et Bas changent la valeur</translation>
    </message>
</context>
<context>
    <name>StaffPage</name>
    <message>
        <source>Corvalin staff page</source>
        <translation>Page du personnel Corvalin</translation>
    </message>
    <message>
        <source>Staff log-in</source>
        <translation>Connexion du personnel</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Alarm:</source>
        <translation>Alarme&#xa0;:</translation>
    </message>
    <message>
        <source>Stop alarm</source>
        <translation>Arrêter l&apos;alarme</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>Yes, sound it now</source>
        <translation>Oui, déclencher maintenant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Next bell</source>
        <translation>Prochaine sonnerie</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>Sonneries</translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation>Sonner maintenant</translation>
    </message>
    <message>
        <source>Stop bell</source>
        <translation>Arrêter la sonnerie</translation>
    </message>
    <message>
        <source>Skip next bell</source>
        <translation>Sauter la prochaine sonnerie</translation>
    </message>
    <message>
        <source>Start the bells</source>
        <translation>Démarrer les sonneries</translation>
    </message>
    <message>
        <source>Stop the bells</source>
        <translation>Arrêter les sonneries</translation>
    </message>
    <message>
        <source>Today&apos;s changes</source>
        <translation>Modifications du jour</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Skip the bell at</source>
        <translation>Sauter la sonnerie de</translation>
    </message>
    <message>
        <source>Move the bell at</source>
        <translation>Déplacer la sonnerie de</translation>
    </message>
    <message>
        <source>Add a bell at</source>
        <translation>Ajouter une sonnerie à</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Vers</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Change today</source>
        <translation>Modifier aujourd&apos;hui</translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation>Aucune sonnerie aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Undo today&apos;s changes</source>
        <translation>Annuler les modifications du jour</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>The bells&apos; clock</source>
        <translation>L&apos;horloge des sonneries</translation>
    </message>
    <message>
        <source>The bell PC cannot be reached: %1</source>
        <translation>Le PC des sonneries est injoignable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your session has ended: log in again.</source>
        <translation>Votre session a pris fin&#xa0;: reconnectez-vous.</translation>
    </message>
    <message>
        <source>Not logged in</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Logged in as %1 (%2)</source>
        <translation>Connecté en tant que %1 (%2)</translation>
    </message>
    <message>
        <source>Sound %1 in the whole school now?</source>
        <translation>Déclencher %1 dans toute l&apos;école maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>ALARM: %1</source>
        <translation>ALARME&#xa0;: %1</translation>
    </message>
    <message>
        <source>The bells run</source>
        <translation>Les sonneries sont en marche</translation>
    </message>
    <message>
        <source>The bells are stopped</source>
        <translation>Les sonneries sont arrêtées</translation>
    </message>
    <message>
        <source>None: the bells are stopped</source>
        <translation>Aucune&#xa0;: les sonneries sont arrêtées</translation>
    </message>
    <message>
        <source>None left today</source>
        <translation>Plus aucune aujourd&apos;hui</translation>
    </message>
    <message>
        <source>None listed: the bells are stopped</source>
        <translation>Aucune listée&#xa0;: les sonneries sont arrêtées</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The bell PC cannot be reached.</source>
        <translation>Le PC des sonneries est injoignable.</translation>
    </message>
</context>
<context>
    <name>StaffPageDialog</name>
    <message>
        <source>Staff web page</source>
        <translation>Page web du personnel</translation>
    </message>
    <message>
        <source>Staff raise alarms and see the bells from a phone or a classroom PC, in a browser, on this school&apos;s network.</source>
        <translation>Le personnel déclenche les alarmes et voit les sonneries depuis un téléphone ou un PC de classe, dans un navigateur, sur le réseau de l&apos;école.</translation>
    </message>
    <message>
        <source>Page</source>
        <extracomment>The staff web page, as served</extracomment>
        <translation>Page</translation>
    </message>
    <message>
        <source>Serve the staff web page (HTTPS)</source>
        <translation>Servir la page web du personnel (HTTPS)</translation>
    </message>
    <message>
        <source>8443, or 192.0.2.10:8443</source>
        <translation>8443, ou 192.0.2.10:8443</translation>
    </message>
    <message>
        <source>Port, or address:port</source>
        <translation>Port, ou adresse:port</translation>
    </message>
    <message>
        <source>Where the page is served: a port, or an address and a port</source>
        <translation>Où la page est servie&#xa0;: un port, ou une adresse et un port</translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>Where the page is served, or that it is not</extracomment>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Staff check that their browser shows this fingerprint for the page&apos;s certificate</source>
        <translation>Le personnel vérifie que son navigateur affiche cette empreinte pour le certificat de la page</translation>
    </message>
    <message>
        <source>Certificate SHA-256</source>
        <translation>Certificat SHA-256</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Staff accounts</source>
        <translation>Comptes du personnel</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Ajouter...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Removes the account chosen in the list</source>
        <translation>Supprime le compte choisi dans la liste</translation>
    </message>
    <message>
        <source>alarm: raise and stop alarms, see the bells. office: also today&apos;s changes, ring now, stop a bell, start and stop the bells.</source>
        <extracomment>&quot;alarm&quot; and &quot;office&quot; are the names of the two roles, typed as they are: keep them untranslated</extracomment>
        <translation>alarm&#xa0;: déclencher et arrêter les alarmes, voir les sonneries. office&#xa0;: aussi les modifications du jour, sonner maintenant, arrêter une sonnerie, démarrer et arrêter les sonneries.</translation>
    </message>
    <message>
        <source>not served</source>
        <translation>non servie</translation>
    </message>
    <message>
        <source>none yet: made when the page is first served</source>
        <translation>aucun pour l&apos;instant&#xa0;: créé quand la page est servie pour la première fois</translation>
    </message>
    <message>
        <source>Add a staff account</source>
        <translation>Ajouter un compte du personnel</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The staff member&apos;s account name</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rôle</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>The same again</source>
        <extracomment>The password typed a second time</extracomment>
        <translation>Le même à nouveau</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
    <message>
        <source>the two passwords differ</source>
        <translation>les deux mots de passe diffèrent</translation>
    </message>
</context>
<context>
    <name>StaffPageLine</name>
    <message>
        <source>Staff web page...</source>
        <translation>Page web du personnel...</translation>
    </message>
    <message>
        <source>Staff web page: %1   certificate SHA-256 %2</source>
        <translation>Page web du personnel&#xa0;: %1   certificat SHA-256 %2</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>Corvalin (window copy): the bell service runs</source>
        <translation>Corvalin (copie avec fenêtre)&#xa0;: le service des sonneries tourne</translation>
    </message>
    <message>
        <source>Corvalin (window copy): the bell service is stopped</source>
        <translation>Corvalin (copie avec fenêtre)&#xa0;: le service des sonneries est arrêté</translation>
    </message>
    <message>
        <source>Corvalin (copy with no window): the bell service runs</source>
        <translation>Corvalin (copie sans fenêtre)&#xa0;: le service des sonneries tourne</translation>
    </message>
    <message>
        <source>Corvalin (copy with no window): the bell service is stopped</source>
        <translation>Corvalin (copie sans fenêtre)&#xa0;: le service des sonneries est arrêté</translation>
    </message>
    <message>
        <source>Alarm signal: none</source>
        <translation>Signal d&apos;alarme&#xa0;: aucun</translation>
    </message>
    <message>
        <source>Alarm signal: %1 sounds</source>
        <translation>Signal d&apos;alarme&#xa0;: %1 retentit</translation>
    </message>
    <message>
        <source>Next bell: none (stopped)</source>
        <translation>Prochaine sonnerie&#xa0;: aucune (arrêté)</translation>
    </message>
    <message>
        <source>Next bell: none left today</source>
        <translation>Prochaine sonnerie&#xa0;: plus aucune aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Next bell: %1 %2</source>
        <translation>Prochaine sonnerie&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>Last bell: none yet</source>
        <translation>Dernière sonnerie&#xa0;: aucune pour l&apos;instant</translation>
    </message>
    <message>
        <source>Last bell: %1 %2 (ring now)</source>
        <translation>Dernière sonnerie&#xa0;: %1 %2 (sonner maintenant)</translation>
    </message>
    <message>
        <source>Last bell: %1 %2</source>
        <translation>Dernière sonnerie&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>Bells&apos; clock: %1 %2</source>
        <translation>Horloge des sonneries&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>Bells&apos; clock: %1 %2 (%3 s ahead of the computer&apos;s clock)</source>
        <translation>Horloge des sonneries&#xa0;: %1 %2 (%3 s d&apos;avance sur l&apos;horloge de l&apos;ordinateur)</translation>
    </message>
    <message>
        <source>Bells&apos; clock: %1 %2 (%3 s behind the computer&apos;s clock)</source>
        <translation>Horloge des sonneries&#xa0;: %1 %2 (%3 s de retard sur l&apos;horloge de l&apos;ordinateur)</translation>
    </message>
    <message>
        <source>Today: %1, %2</source>
        <translation>Aujourd&apos;hui&#xa0;: %1, %2</translation>
    </message>
    <message>
        <source>Today&apos;s changes: none</source>
        <translation>Modifications du jour&#xa0;: aucune</translation>
    </message>
    <message>
        <source>Today&apos;s changes:</source>
        <translation>Modifications du jour&#xa0;:</translation>
    </message>
    <message>
        <source>Set-up: this computer&apos;s own</source>
        <translation>Configuration&#xa0;: propre à cet ordinateur</translation>
    </message>
    <message>
        <source>Set-up: managed from %1</source>
        <translation>Configuration&#xa0;: gérée depuis %1</translation>
    </message>
    <message>
        <source>  version in use: none yet</source>
        <translation>  version en cours&#xa0;: aucune pour l&apos;instant</translation>
    </message>
    <message>
        <source>  version in use: SHA-256 %1, applied %2</source>
        <translation>  version en cours&#xa0;: SHA-256 %1, appliquée %2</translation>
    </message>
    <message>
        <source>  last checked: not yet</source>
        <translation>  dernière vérification&#xa0;: pas encore</translation>
    </message>
    <message>
        <source>  last checked: %1</source>
        <translation>  dernière vérification&#xa0;: %1</translation>
    </message>
    <message>
        <source>Staff web page: off</source>
        <translation>Page web du personnel&#xa0;: désactivée</translation>
    </message>
    <message>
        <source>Staff web page: %1</source>
        <translation>Page web du personnel&#xa0;: %1</translation>
    </message>
    <message>
        <source>  certificate SHA-256: %1</source>
        <translation>  certificat SHA-256&#xa0;: %1</translation>
    </message>
    <message>
        <source>Problems: none</source>
        <translation>Problèmes&#xa0;: aucun</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Problèmes&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Templet</name>
    <message>
        <source>Select templet</source>
        <extracomment>&quot;Select template&quot;: one of the six stored time lists</extracomment>
        <translation>Choisir un modèle</translation>
    </message>
    <message>
        <source>Apply templet %1</source>
        <extracomment>&quot;Apply template %1&quot;: copies stored time list %1 into the list being edited</extracomment>
        <translation>Appliquer le modèle %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TimeListPanel</name>
    <message>
        <source>Input time (Add after selecting sound)</source>
        <translation>Saisir l&apos;heure (choisir le son, puis Ajouter)</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Adds the time typed, with the sound chosen, to the list</extracomment>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>hr</source>
        <extracomment>Unit after an hour box: hours</extracomment>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <extracomment>Unit after a minute box: minutes</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>Hour of the bell to add</source>
        <translation>Heure de la sonnerie à ajouter</translation>
    </message>
    <message>
        <source>Minute of the bell to add</source>
        <translation>Minute de la sonnerie à ajouter</translation>
    </message>
    <message>
        <source>The Up and Down keys step it</source>
        <translation>Les flèches Haut et Bas le modifient</translation>
    </message>
    <message>
        <source>Adds the time typed, with the sound chosen, to the added times</source>
        <translation>Ajoute l&apos;heure saisie, avec le son choisi, aux heures ajoutées</translation>
    </message>
    <message>
        <source>Added time (Type 24Hour)</source>
        <extracomment>&quot;Added times (24-hour clock)&quot;</extracomment>
        <translation>Heures ajoutées (24 h)</translation>
    </message>
    <message>
        <source>Added times</source>
        <translation>Heures ajoutées</translation>
    </message>
    <message>
        <source>Each bell&apos;s time and sound</source>
        <translation>Heure et son de chaque sonnerie</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Deletes the time chosen in the list
----------
A box&apos;s title: deleting times</extracomment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Change sound</source>
        <translation>Changer le son</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Apply templet</source>
        <extracomment>&quot;Apply template&quot;: puts a saved list of times in the list&apos;s place</extracomment>
        <translation>Appliquer un modèle</translation>
    </message>
    <message>
        <source>Deletes the time chosen in the added times</source>
        <translation>Supprime l&apos;heure choisie dans les heures ajoutées</translation>
    </message>
    <message>
        <source>Gives the time chosen in the added times the sound chosen in the sound list</source>
        <translation>Donne à l&apos;heure choisie dans les heures ajoutées le son choisi dans la liste des sons</translation>
    </message>
    <message>
        <source>Deletes every added time</source>
        <translation>Supprime toutes les heures ajoutées</translation>
    </message>
    <message>
        <source>Puts a template&apos;s times in the place of the added times</source>
        <translation>Remplace les heures ajoutées par celles d&apos;un modèle</translation>
    </message>
    <message>
        <source>Select bell sound int [Select bell sound]</source>
        <extracomment>&quot;Select a bell sound in [Select bell sound]&quot;</extracomment>
        <translation>Choisissez un son dans [Choix du son]</translation>
    </message>
    <message>
        <source>Add Only wave file to sound folder. Please, delete non wave file from
%1.</source>
        <extracomment>&quot;Add only sound files to the sound folder. Please delete the other files from&quot; %1: the folder</extracomment>
        <translation>N&apos;ajoutez que des fichiers son au dossier des sons. Supprimez les autres fichiers de
%1.</translation>
    </message>
    <message>
        <source>The corresponding time is being register already.</source>
        <extracomment>&quot;That time is in the list already.&quot;</extracomment>
        <translation>Cette heure est déjà dans la liste.</translation>
    </message>
    <message>
        <source>Select time that you want to delete in [Added time]</source>
        <translation>Choisissez l&apos;heure à supprimer dans [Heures ajoutées]</translation>
    </message>
    <message>
        <source>Select time that you want to modify in [Added time]</source>
        <translation>Choisissez l&apos;heure à modifier dans [Heures ajoutées]</translation>
    </message>
    <message>
        <source>Select bell sound in [Select bell sound]</source>
        <translation>Choisissez un son dans [Choix du son]</translation>
    </message>
    <message>
        <source>Delete all times of time box?</source>
        <translation>Supprimer toutes les heures de la liste&#xa0;?</translation>
    </message>
    <message>
        <source>templet%1 has no saved times: %2</source>
        <extracomment>&quot;Template %1 has no saved times: %2&quot; (%2: its file)</extracomment>
        <translation>Le modèle %1 n&apos;a aucune heure enregistrée&#xa0;: %2</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Bell time</source>
        <extracomment>The time of a bell changed for today</extracomment>
        <translation>Heure de la sonnerie</translation>
    </message>
    <message>
        <source>Bell sound</source>
        <translation>Son de la sonnerie</translation>
    </message>
</context>
<context>
    <name>TodayPanel</name>
    <message>
        <source>%1hr%2min</source>
        <extracomment>A bell&apos;s time in the list of today&apos;s bells: hours and minutes, e.g. &quot;10hr50min&quot;; the list sorts by it, so keep the hours first</extracomment>
        <translation>%1&#xa0;h&#xa0;%2</translation>
    </message>
    <message>
        <source>skipped</source>
        <extracomment>A bell of today&apos;s list that does not ring today</extracomment>
        <translation>sautée</translation>
    </message>
    <message>
        <source>added</source>
        <extracomment>A bell of today&apos;s list added for today only</extracomment>
        <translation>ajoutée</translation>
    </message>
    <message>
        <source>moved from %1</source>
        <extracomment>A bell of today&apos;s list moved here for today; %1: the time it had, e.g. 10:50</extracomment>
        <translation>déplacée de %1</translation>
    </message>
    <message>
        <source>Today Bells</source>
        <translation>Sonneries du jour</translation>
    </message>
    <message>
        <source>Today&apos;s bells</source>
        <translation>Sonneries du jour</translation>
    </message>
    <message>
        <source>The bells that ring today. The context menu (right click, or the Menu key) changes them for today; %1 skips the next bell.</source>
        <extracomment>%1: the shortcut that skips the next bell, e.g. Ctrl+K</extracomment>
        <translation>Les sonneries d&apos;aujourd&apos;hui. Le menu contextuel (clic droit, ou touche Menu) les modifie pour aujourd&apos;hui&#xa0;; %1 saute la prochaine sonnerie.</translation>
    </message>
    <message>
        <source>Right click to change today&apos;s bells; %1 skips the next bell</source>
        <extracomment>%1: the shortcut that skips the next bell, e.g. Ctrl+K</extracomment>
        <translation>Clic droit pour modifier les sonneries du jour&#xa0;; %1 saute la prochaine sonnerie</translation>
    </message>
    <message>
        <source>Skip %1 today</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Sauter %1 aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Move %1 today...</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Déplacer %1 aujourd&apos;hui...</translation>
    </message>
    <message>
        <source>Move a bell today</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Déplacer une sonnerie aujourd&apos;hui</translation>
    </message>
    <message>
        <source>The %1 bell rings today at:</source>
        <translation>La sonnerie de %1 retentit aujourd&apos;hui à&#xa0;:</translation>
    </message>
    <message>
        <source>Undo: %1 added today</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Annuler&#xa0;: %1 ajoutée aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Undo: %1 skipped today</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Annuler&#xa0;: %1 sautée aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Undo: %1 moved to %2</source>
        <extracomment>%1: the bell&apos;s time before, %2: its time today, e.g. 10:50</extracomment>
        <translation>Annuler&#xa0;: %1 déplacée à %2</translation>
    </message>
    <message>
        <source>Skip next bell (%1)</source>
        <extracomment>%1: the next bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Sauter la prochaine sonnerie (%1)</translation>
    </message>
    <message>
        <source>Add a bell today...</source>
        <translation>Ajouter une sonnerie aujourd&apos;hui...</translation>
    </message>
    <message>
        <source>Add a bell today</source>
        <translation>Ajouter une sonnerie aujourd&apos;hui</translation>
    </message>
    <message>
        <source>A bell today only, at:</source>
        <translation>Une sonnerie aujourd&apos;hui seulement, à&#xa0;:</translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation>Aucune sonnerie aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Ring templet today</source>
        <extracomment>&quot;Ring template ... today&quot;: today rings a saved list of times instead</extracomment>
        <translation>Sonner un modèle aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Templet %1</source>
        <extracomment>&quot;Template %1&quot;: a saved list of bell times, by its number</extracomment>
        <translation>Modèle %1</translation>
    </message>
    <message>
        <source>Undo all of today&apos;s changes</source>
        <translation>Annuler toutes les modifications du jour</translation>
    </message>
    <message>
        <source>Today&apos;s bells were not changed: %1.</source>
        <extracomment>%1: why the bells refused the change</extracomment>
        <translation>Les sonneries du jour n&apos;ont pas été modifiées&#xa0;: %1.</translation>
    </message>
</context>
</TS>
