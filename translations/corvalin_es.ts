<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AlarmPanel</name>
    <message>
        <source>Stop alarm</source>
        <translation>Detener alarma</translation>
    </message>
    <message>
        <source>Stops the alarm signal that sounds</source>
        <translation>Detiene la señal de alarma que suena</translation>
    </message>
    <message>
        <source>Alarm signals...</source>
        <translation>Señales de alarma...</translation>
    </message>
    <message>
        <source>Alarm: %1</source>
        <extracomment>An alarm signal, by its name</extracomment>
        <translation>Alarma: %1</translation>
    </message>
    <message>
        <source>until it is stopped</source>
        <translation>hasta que se detenga</translation>
    </message>
    <message>
        <source>Sound the alarm signal %1 now? It rings on the bell card %2. It sounds now, and starts again from the beginning.</source>
        <extracomment>%1: the signal&apos;s name; %2: how long it rings (&quot;3 times&quot;, &quot;until it is stopped&quot;)</extracomment>
        <translation>¿Hacer sonar ahora la señal de alarma %1? Suena en la tarjeta de sonido de los timbres %2. Ya está sonando y volverá a empezar desde el principio.</translation>
    </message>
    <message>
        <source>Sound the alarm signal %1 now? It rings on the bell card %2. The alarm signal %3, which sounds now, stops.</source>
        <extracomment>%1: the signal&apos;s name; %2: how long it rings; %3: the signal that sounds now</extracomment>
        <translation>¿Hacer sonar ahora la señal de alarma %1? Suena en la tarjeta de sonido de los timbres %2. La señal de alarma %3, que suena ahora, se detendrá.</translation>
    </message>
    <message>
        <source>Sound the alarm signal %1 now? It rings on the bell card %2.</source>
        <extracomment>%1: the signal&apos;s name; %2: how long it rings (&quot;3 times&quot;, &quot;until it is stopped&quot;)</extracomment>
        <translation>¿Hacer sonar ahora la señal de alarma %1? Suena en la tarjeta de sonido de los timbres %2.</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Sound it</source>
        <translation>Hacer sonar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The alarm signal %1 did not sound: %2.</source>
        <translation>La señal de alarma %1 no sonó: %2.</translation>
    </message>
</context>
<context>
    <name>AlarmsDialog</name>
    <message>
        <source>Alarm signals</source>
        <translation>Señales de alarma</translation>
    </message>
    <message>
        <source>Each signal sounds at once from the Alarm menu, after a question, and rings on the bell card for its times or until it is stopped. A row with no name is no signal.</source>
        <translation>Cada señal suena desde el menú Alarma en cuanto se confirma, y suena en la tarjeta de sonido de los timbres las veces indicadas o hasta que se detenga. Una fila sin nombre se ignora.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column: the alarm signal&apos;s name</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>A column: the alarm signal&apos;s sound</extracomment>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Times</source>
        <extracomment>A column: how many times the alarm signal rings</extracomment>
        <translation>Veces</translation>
    </message>
    <message>
        <source>%1 (not in the sound folder)</source>
        <extracomment>%1: a sound file&apos;s name</extracomment>
        <translation>%1 (no está en la carpeta de sonidos)</translation>
    </message>
    <message>
        <source>until stopped</source>
        <extracomment>How many times an alarm signal rings: none set, it rings until it is stopped</extracomment>
        <translation>hasta detenerla</translation>
    </message>
    <message>
        <source>Name of alarm signal %1</source>
        <extracomment>%1: the row&apos;s number</extracomment>
        <translation>Nombre de la señal de alarma %1</translation>
    </message>
    <message>
        <source>Sound of alarm signal %1</source>
        <extracomment>%1: the row&apos;s number</extracomment>
        <translation>Sonido de la señal de alarma %1</translation>
    </message>
    <message>
        <source>Times alarm signal %1 rings</source>
        <extracomment>%1: the row&apos;s number</extracomment>
        <translation>Veces que suena la señal de alarma %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Not saved: %1.</source>
        <extracomment>%1: why the alarm signals cannot be saved</extracomment>
        <translation>No se guardó: %1.</translation>
    </message>
    <message>
        <source>The alarm signals could not be written to the data folder (the ring log says why); they hold until the program ends. OK tries again.</source>
        <translation>Las señales de alarma no se pudieron guardar en la carpeta de datos (el registro de timbres indica por qué); siguen vigentes hasta que termine el programa. Aceptar lo vuelve a intentar.</translation>
    </message>
</context>
<context>
    <name>AutoModeForm</name>
    <message>
        <source>Auto execution way</source>
        <extracomment>How the program shows itself when it starts on its own</extracomment>
        <translation>Al iniciarse automáticamente</translation>
    </message>
    <message>
        <source>Execution to monitor</source>
        <extracomment>Started on its own, the program shows its window</extracomment>
        <translation>Mostrar la ventana</translation>
    </message>
    <message>
        <source>Execution to tray icon</source>
        <extracomment>Started on its own, the program shows only its tray icon</extracomment>
        <translation>Mostrar solo el icono de la bandeja</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Auto execution방법</source>
        <extracomment>&quot;Auto execution method&quot;</extracomment>
        <translation>Inicio automático</translation>
    </message>
</context>
<context>
    <name>CalendarWindow</name>
    <message>
        <source>no bells</source>
        <extracomment>What happens on the exception&apos;s days: no bell rings</extracomment>
        <translation>sin timbres</translation>
    </message>
    <message>
        <source>ring templet %1</source>
        <extracomment>&quot;ring template %1&quot;: the bells of stored time list %1 ring</extracomment>
        <translation>tocar la plantilla %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>From one day to another, both included (the days are written yyyy-MM-dd)</extracomment>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An exception&apos;s label, then what happens on its days</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Exception days are marked; choosing a day chooses the exception that decides it, or puts the day into the first and last day boxes</source>
        <translation>Los días con excepción están marcados; al elegir un día se elige la excepción que lo decide, o se pone el día en los campos de primer y último día</translation>
    </message>
    <message>
        <source>Days</source>
        <extracomment>Column heads of the list of date exceptions: the days, what happens on them, their label</extracomment>
        <translation>Días</translation>
    </message>
    <message>
        <source>What</source>
        <extracomment>What happens on the exception&apos;s days</extracomment>
        <translation>Qué</translation>
    </message>
    <message>
        <source>Label</source>
        <extracomment>The exception&apos;s own name, such as &quot;Winter holidays&quot;
----------
The name the subscription goes by</extracomment>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Subscription</source>
        <extracomment>Column heads of the list of subscribed calendars</extracomment>
        <translation>Suscripción</translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>The web address of the calendar to subscribe to</extracomment>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>for example Winter holidays</source>
        <translation>por ejemplo Vacaciones de invierno</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Adds a date exception</extracomment>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Changes the chosen date exception</extracomment>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Deletes the chosen date exception</extracomment>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Import iCalendar...</source>
        <translation>Importar iCalendar...</translation>
    </message>
    <message>
        <source>Subscribe...</source>
        <translation>Suscribirse...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Fetches the subscribed calendars again</extracomment>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Fetch the subscribed calendars again now</source>
        <translation>Volver a descargar ahora los calendarios suscritos</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Cancelar suscripción</translation>
    </message>
    <message>
        <source>End the subscription chosen in the list and delete its days</source>
        <translation>Termina la suscripción elegida en la lista y elimina sus días</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Primer día</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Último día</translation>
    </message>
    <message>
        <source>Date exceptions</source>
        <translation>Excepciones de fecha</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Suscripciones</translation>
    </message>
    <message>
        <source>%1 (subscribed: %2)</source>
        <extracomment>A subscribed day&apos;s label, then the subscription&apos;s name</extracomment>
        <translation>%1 (suscrito: %2)</translation>
    </message>
    <message>
        <source>From the subscription &quot;%1&quot;; it changes when the feed does</source>
        <translation>De la suscripción «%1»; cambia cuando cambia el calendario suscrito</translation>
    </message>
    <message>
        <source>Select the subscription to end in the list.</source>
        <translation>Seleccione en la lista la suscripción que quiere terminar.</translation>
    </message>
    <message>
        <source>These days come from the subscription &quot;%1&quot; (%2). End the subscription and delete all its days?</source>
        <translation>Estos días vienen de la suscripción «%1» (%2). ¿Terminar la suscripción y eliminar todos sus días?</translation>
    </message>
    <message>
        <source>The last day must not be before the first day.</source>
        <translation>El último día no puede ser anterior al primero.</translation>
    </message>
    <message>
        <source>The calendar already holds %1 for %2.</source>
        <extracomment>Refuses a second exception with the same days: what it does, then its days</extracomment>
        <translation>El calendario ya contiene %1 para %2.</translation>
    </message>
    <message>
        <source>Select the exception to change in the list.</source>
        <translation>Seleccione en la lista la excepción que quiere cambiar.</translation>
    </message>
    <message>
        <source>These days come from the subscription &quot;%1&quot; and change with it. Add an exception of your own for them instead: it decides before the subscription.</source>
        <translation>Estos días vienen de la suscripción «%1» y cambian con ella. Añada en su lugar una excepción propia para ellos: decide antes que la suscripción.</translation>
    </message>
    <message>
        <source>Select the exception to delete in the list.</source>
        <translation>Seleccione en la lista la excepción que quiere eliminar.</translation>
    </message>
    <message>
        <source>Delete %1 (%2)?</source>
        <extracomment>Asks before an exception is deleted: its label and what it does, then its days</extracomment>
        <translation>¿Eliminar %1 (%2)?</translation>
    </message>
    <message>
        <source>Subscribe to a calendar</source>
        <translation>Suscribirse a un calendario</translation>
    </message>
    <message>
        <source>https://... or webcal://... of an iCalendar feed</source>
        <translation>https://... o webcal://... de un calendario iCalendar</translation>
    </message>
    <message>
        <source>for example School holidays</source>
        <translation>por ejemplo Vacaciones escolares</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Suscribirse</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>All-day events of the calendar become days without bells. It is fetched now, at every start and once a day.</source>
        <translation>Los eventos de día completo del calendario pasan a ser días sin timbres. Se descarga ahora, en cada inicio y una vez al día.</translation>
    </message>
    <message>
        <source>The calendar was not subscribed to: %1.</source>
        <translation>No se realizó la suscripción al calendario: %1.</translation>
    </message>
    <message>
        <source>Import iCalendar</source>
        <translation>Importar iCalendar</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ical);;All files (*)</source>
        <extracomment>File dialog filters: keep the patterns in brackets as they are</extracomment>
        <translation>Archivos iCalendar (*.ics *.ical);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a file was not imported; %1 is the system&apos;s reason</extracomment>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <extracomment>Why a file was not imported</extracomment>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <extracomment>%1 is a file name</extracomment>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>%1 was not imported: %2. The calendar is unchanged.</source>
        <extracomment>%1 is a file name, %2 why it was not imported</extracomment>
        <translation>%1 no se importó: %2. El calendario no ha cambiado.</translation>
    </message>
    <message>
        <source>%1 events with a time of day</source>
        <translation>%1 eventos con hora del día</translation>
    </message>
    <message>
        <source>%1 events that have ended</source>
        <translation>%1 eventos ya terminados</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <extracomment>The events of the file that were not imported, listed with commas between them</extracomment>
        <translation>Omitidos: %1.</translation>
    </message>
    <message>
        <source>%1 holds no all-day events from today on; nothing was added. %2</source>
        <extracomment>%1 is a file name, %2 what was left out of it, if anything</extracomment>
        <translation>%1 no contiene eventos de día completo a partir de hoy; no se añadió nada. %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ring the bells with no window, tray or display, as a service started at boot does (see corvalin.service). The bells start as with &quot;Auto execution&quot; on; while a window copy runs this copy waits, and it takes the bells back when that copy ends.</source>
        <translation>Toca los timbres sin ventana, bandeja ni pantalla, como lo hace un servicio iniciado al arrancar (véase corvalin.service). Los timbres se inician como con «Inicio automático» activado; mientras se ejecuta una copia con ventana, esta copia espera, y retoma los timbres cuando aquella termina.</translation>
    </message>
    <message>
        <source>Write the whole set-up (every settings file and your own bell sounds) to &lt;file&gt;, a zip file, and end.</source>
        <translation>Escribe toda la configuración (todos los archivos de ajustes y sus propios sonidos de timbre) en &lt;file&gt;, un archivo zip, y termina.</translation>
    </message>
    <message>
        <source>Replace the set-up with the one in &lt;file&gt;, written by --export or the Set-up menu, and end. Only while no copy of Corvalin runs; nothing changes unless all of it checks out.</source>
        <translation>Sustituye la configuración por la de &lt;file&gt;, escrita con --export o desde el menú Configuración, y termina. Solo mientras no se ejecuta ninguna copia de Corvalin; no cambia nada a menos que todo sea correcto.</translation>
    </message>
    <message>
        <source>With --export: sign the exported set-up with the secret key in &lt;keyfile&gt; and write the signature beside it, as &lt;file&gt;.sig, for the PCs that follow the published set-up. A key file that cannot sign is refused before anything is written.</source>
        <translation>Con --export: firma la configuración exportada con la clave secreta de &lt;keyfile&gt; y escribe la firma a su lado, como &lt;file&gt;.sig, para los PC que siguen la configuración publicada. Un archivo de clave que no puede firmar se rechaza antes de escribir nada.</translation>
    </message>
    <message>
        <source>Make a key pair for signing set-ups: write the secret key to &lt;keyfile&gt;, a new file readable by you alone (an existing file is never written over), print the public key that the following PCs are given, as the last line, and end.</source>
        <translation>Crea un par de claves para firmar configuraciones: escribe la clave secreta en &lt;keyfile&gt;, un archivo nuevo que solo usted puede leer (nunca se sobrescribe un archivo existente), muestra como última línea la clave pública que se da a los PC que la siguen, y termina.</translation>
    </message>
    <message>
        <source>Rings a school&apos;s or a shop&apos;s bells on time, day after day.
Settings live in %1; your own bell sounds in %2.</source>
        <translation>Toca los timbres de una escuela o una tienda a su hora, día tras día.
Los ajustes están en %1; sus propios sonidos de timbre, en %2.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Say what the copy of Corvalin that runs for you is doing: the bell service, the next bell, today&apos;s changes, the last bell rung, an alarm signal and the open problems.</source>
        <translation>Muestra qué está haciendo la copia de Corvalin que se ejecuta para usted: el servicio de timbres, el próximo timbre, los cambios de hoy, el último timbre tocado, una señal de alarma y los problemas abiertos.</translation>
    </message>
    <message>
        <source>Ring a bell now, the sound named after the option (as the ring-now button does), or the next bell&apos;s sound when none is named.</source>
        <translation>Toca un timbre ahora, con el sonido indicado tras la opción (como el botón Tocar ahora), o con el sonido del próximo timbre si no se indica ninguno.</translation>
    </message>
    <message>
        <source>Stop the bell, or the alarm signal, that sounds.</source>
        <translation>Detiene el timbre, o la señal de alarma, que suena.</translation>
    </message>
    <message>
        <source>Skip the next bell, today only.</source>
        <translation>Omite el próximo timbre, solo hoy.</translation>
    </message>
    <message>
        <source>Skip the bell at &lt;time&gt; (hh:mm), today only.</source>
        <translation>Omite el timbre de las &lt;time&gt; (hh:mm), solo hoy.</translation>
    </message>
    <message>
        <source>Move the bell at &lt;time&gt; to the time given after it, today only: --move 10:15 10:45.</source>
        <translation>Mueve el timbre de las &lt;time&gt; a la hora indicada tras ella, solo hoy: --move 10:15 10:45.</translation>
    </message>
    <message>
        <source>Add a bell at &lt;time&gt;, ringing the sound named after it, today only: --add 12:10 school-bell.wav.</source>
        <translation>Añade un timbre a las &lt;time&gt;, con el sonido indicado tras ella, solo hoy: --add 12:10 school-bell.wav.</translation>
    </message>
    <message>
        <source>Ring no bells today.</source>
        <translation>Hoy no toca ningún timbre.</translation>
    </message>
    <message>
        <source>Ring templet &lt;n&gt; (1 to 6) today, in place of the day&apos;s own times.</source>
        <translation>Toca hoy la plantilla &lt;n&gt; (1 a 6), en lugar de las horas propias del día.</translation>
    </message>
    <message>
        <source>Undo today&apos;s change &lt;n&gt; (from 0, in the order --status lists them), or all of them.</source>
        <translation>Deshace el cambio de hoy &lt;n&gt; (desde 0, en el orden en que los muestra --status), o todos ellos.</translation>
    </message>
    <message>
        <source>Sound the alarm signal &lt;name&gt; at once, with no question.</source>
        <translation>Hace sonar la señal de alarma &lt;name&gt; de inmediato, sin preguntar.</translation>
    </message>
    <message>
        <source>Stop the alarm signal that sounds.</source>
        <translation>Detiene la señal de alarma que suena.</translation>
    </message>
    <message>
        <source>Start the bell service, as the start button does.</source>
        <translation>Inicia el servicio de timbres, como el botón Iniciar.</translation>
    </message>
    <message>
        <source>Stop the bell service, as the stop button does.</source>
        <translation>Detiene el servicio de timbres, como el botón Detener.</translation>
    </message>
    <message>
        <source>Follow the set-up published at &lt;address&gt; (https://, or http:// on a LAN), signed with the publisher&apos;s key given with --key: it is fetched at start and every 15 minutes and applied when its signature and contents check out. Without a copy running, kept for the next start.</source>
        <translation>Sigue la configuración publicada en &lt;address&gt; (https://, o http:// en una red local), firmada con la clave del editor indicada con --key: se descarga al iniciar y cada 15 minutos, y se aplica cuando su firma y su contenido son correctos. Sin una copia en ejecución, se guarda para el próximo inicio.</translation>
    </message>
    <message>
        <source>Follow no set-up any more; the set-up in use stays, as this computer&apos;s own.</source>
        <translation>Deja de seguir una configuración; la configuración en uso se mantiene como propia de este equipo.</translation>
    </message>
    <message>
        <source>Fetch the followed set-up now.</source>
        <translation>Descarga ahora la configuración seguida.</translation>
    </message>
    <message>
        <source>Serve the staff web page (HTTPS) from now on and at every start: on every address, port 8443, or on the port or address:port given after it (--web-on 192.0.2.10:8443). Without a copy running, kept for the next start.</source>
        <translation>Sirve la página web del personal (HTTPS) desde ahora y en cada inicio: en todas las direcciones, puerto 8443, o en el puerto o dirección:puerto indicado tras la opción (--web-on 192.0.2.10:8443). Sin una copia en ejecución, se guarda para el próximo inicio.</translation>
    </message>
    <message>
        <source>Serve the staff web page no more.</source>
        <translation>Deja de servir la página web del personal.</translation>
    </message>
    <message>
        <source>Add an account for the staff web page, or give one a new password and role: --role alarm (raise and stop alarms; the default) or --role office (also today&apos;s changes, ring now, stop bell, start and stop). The password is read from standard input, one line, or asked twice on a terminal.</source>
        <translation>Añade una cuenta para la página web del personal, o da a una cuenta una nueva contraseña y un rol: --role alarm (activar y detener alarmas; el predeterminado) o --role office (además cambios de hoy, tocar ahora, parar timbre, iniciar y detener). La contraseña se lee de la entrada estándar, una línea, o se pide dos veces en un terminal.</translation>
    </message>
    <message>
        <source>Remove the staff web page&apos;s account &lt;name&gt;; its sessions end.</source>
        <translation>Elimina la cuenta &lt;name&gt; de la página web del personal; sus sesiones terminan.</translation>
    </message>
    <message>
        <source>List the staff web page&apos;s accounts and their roles.</source>
        <translation>Lista las cuentas de la página web del personal y sus roles.</translation>
    </message>
    <message>
        <source>With --status: as one JSON object, for a script.</source>
        <translation>Con --status: como un objeto JSON, para un script.</translation>
    </message>
    <message>
        <source>With --follow: the publisher&apos;s public key.</source>
        <translation>Con --follow: la clave pública del editor.</translation>
    </message>
    <message>
        <source>With --staff-add: what the account may do (alarm when not given).</source>
        <translation>Con --staff-add: lo que puede hacer la cuenta (alarm si no se indica).</translation>
    </message>
</context>
<context>
    <name>CopyDaysDialog</name>
    <message>
        <source>Copy to days</source>
        <translation>Copiar a días</translation>
    </message>
    <message>
        <source>Copy the list of %1 to:</source>
        <extracomment>%1 is the day whose list is copied</extracomment>
        <translation>Copiar la lista de %1 a:</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
</context>
<context>
    <name>FollowPanel</name>
    <message>
        <source>Follow a set-up...</source>
        <translation>Seguir una configuración...</translation>
    </message>
    <message>
        <source>Refresh the followed set-up</source>
        <translation>Actualizar la configuración seguida</translation>
    </message>
    <message>
        <source>Stop following</source>
        <translation>Dejar de seguir</translation>
    </message>
    <message>
        <source>Managed from %1; change it there</source>
        <extracomment>%1: the web address the set-up is followed from</extracomment>
        <translation>Gestionada desde %1; cámbiela allí</translation>
    </message>
    <message>
        <source>Follow a set-up</source>
        <translation>Seguir una configuración</translation>
    </message>
    <message>
        <source>This computer takes its set-up from a web address, as it is published there and signed by its publisher, and keeps it up to date (at start and every 15 minutes). Its settings are then changed only there.</source>
        <translation>Este equipo toma su configuración de una dirección web, tal como se publica allí firmada por su editor, y la mantiene al día (al iniciar y cada 15 minutos). Sus ajustes solo se cambian entonces allí.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Publisher&apos;s public key</source>
        <translation>Clave pública del editor</translation>
    </message>
    <message>
        <source>Follow</source>
        <extracomment>Starts following the set-up at the address</extracomment>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>this copy cannot follow a set-up</source>
        <translation>esta copia no puede seguir una configuración</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Publisher&apos;s public key:</source>
        <translation>Clave pública del editor:</translation>
    </message>
</context>
<context>
    <name>FrmBellCount</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>FrmCountDown</name>
    <message>
        <source>Countdown</source>
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <source>시간</source>
        <extracomment>&quot;hours&quot;</extracomment>
        <translation>h</translation>
    </message>
    <message>
        <source>분</source>
        <extracomment>&quot;minutes&quot;</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>초 카운트다운</source>
        <extracomment>&quot;seconds countdown&quot;</extracomment>
        <translation>s de cuenta atrás</translation>
    </message>
    <message>
        <source>Hours to count</source>
        <translation>Horas a contar</translation>
    </message>
    <message>
        <source>Minutes to count</source>
        <translation>Minutos a contar</translation>
    </message>
    <message>
        <source>Seconds to count</source>
        <translation>Segundos a contar</translation>
    </message>
    <message>
        <source>Step the hours</source>
        <translation>Cambiar las horas</translation>
    </message>
    <message>
        <source>Step the minutes</source>
        <translation>Cambiar los minutos</translation>
    </message>
    <message>
        <source>Step the seconds</source>
        <translation>Cambiar los segundos</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Count start</source>
        <translation>Iniciar cuenta</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>Resumes the paused count</extracomment>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Count exit</source>
        <extracomment>Ends the count</extracomment>
        <translation>Terminar cuenta</translation>
    </message>
</context>
<context>
    <name>FrmFullScreen</name>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>Resumes the paused count</extracomment>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Small window</source>
        <extracomment>Back from the full-screen view to the countdown&apos;s small window</extracomment>
        <translation>Ventana pequeña</translation>
    </message>
</context>
<context>
    <name>FrmSyncError</name>
    <message>
        <source>Because failure of connecting in the Internet time server, it cannot fix time.</source>
        <extracomment>&quot;The clock cannot be set: the internet time server could not be reached.&quot;</extracomment>
        <translation>No se puede ajustar la hora: no se pudo conectar con el servidor de hora de Internet.</translation>
    </message>
    <message>
        <source>Please confirm network condition which probably is normal.</source>
        <extracomment>&quot;Please check that the network works as it should.&quot;</extracomment>
        <translation>Compruebe que la red funciona correctamente.</translation>
    </message>
    <message>
        <source>If this warning window are opened frequently, it means that the network condition is unstable. therefore, you not be able to use internet time function.</source>
        <extracomment>&quot;If this warning comes up often, the network is unstable, and the internet time cannot be used.&quot;</extracomment>
        <translation>Si este aviso aparece a menudo, la red es inestable y no se puede usar la hora de Internet.</translation>
    </message>
    <message>
        <source>So, please cancel the check box [Internet time] of Corvalin main window.</source>
        <extracomment>&quot;Then please untick [Internet time] in Corvalin&apos;s main window.&quot; Keep the box&apos;s name as the main window shows it.</extracomment>
        <translation>En ese caso, desmarque [Hora de Internet] en la ventana principal de Corvalin.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>FullScreenWindow</name>
    <message>
        <source>Time left</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Hora actual</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Start page</source>
        <extracomment>The manual&apos;s start page: its contents and the point of caution
----------
Goes to the manual&apos;s start page</extracomment>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Set up a week of bells</source>
        <translation>Configurar una semana de timbres</translation>
    </message>
    <message>
        <source>A day made from lessons</source>
        <translation>Un día hecho de clases</translation>
    </message>
    <message>
        <source>Today&apos;s changes</source>
        <translation>Cambios de hoy</translation>
    </message>
    <message>
        <source>Alarm signals</source>
        <translation>Señales de alarma</translation>
    </message>
    <message>
        <source>The staff web page</source>
        <translation>La página web del personal</translation>
    </message>
    <message>
        <source>Calendar and feeds</source>
        <translation>Calendario y suscripciones</translation>
    </message>
    <message>
        <source>Backup and moving to another PC</source>
        <translation>Copia de seguridad y traslado a otro PC</translation>
    </message>
    <message>
        <source>Following a district&apos;s set-up</source>
        <translation>Seguir la configuración de un distrito</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>help-language</source>
        <extracomment>The folder of the operator&apos;s manual in this translation&apos;s language, its two-letter code (assets/help/&lt;code&gt;/): &quot;de&quot; for German. Left as it is, the desktop&apos;s language decides.</extracomment>
        <translation>es</translation>
    </message>
    <message>
        <source>Corvalin Help</source>
        <translation>Ayuda de Corvalin</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>The pages of the manual; choose one to read it</source>
        <translation>Las páginas del manual; elija una para leerla</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>What to do?</source>
        <translation>¿Qué hacer?</translation>
    </message>
    <message>
        <source>Opens the manual&apos;s page on this warning</source>
        <translation>Abre la página del manual sobre este aviso</translation>
    </message>
</context>
<context>
    <name>IcsPreview</name>
    <message>
        <source>Add</source>
        <extracomment>Adds the new days of the file to the calendar</extracomment>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Import iCalendar</source>
        <translation>Importar iCalendar</translation>
    </message>
    <message>
        <source>Days in the file</source>
        <translation>Días del archivo</translation>
    </message>
    <message>
        <source>%1   %2   (already in the calendar)</source>
        <extracomment>An exception of the file (its days, its label) that the calendar holds already</extracomment>
        <translation>%1   %2   (ya está en el calendario)</translation>
    </message>
    <message>
        <source>%1: %2 all-day events from today on, %3 of them new. The new ones are added as &quot;no bells&quot; exceptions.</source>
        <extracomment>%1 is a file name, %2 and %3 numbers of events; &quot;no bells&quot; as the calendar window shows it</extracomment>
        <translation>%1: %2 eventos de día completo a partir de hoy, %3 de ellos nuevos. Los nuevos se añaden como excepciones «sin timbres».</translation>
    </message>
</context>
<context>
    <name>Info1</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Corvalin infomation</source>
        <extracomment>&quot;Corvalin information&quot;: the title of the window with the program&apos;s version</extracomment>
        <translation>Información de Corvalin</translation>
    </message>
    <message>
        <source>Corvalin version %1</source>
        <translation>Corvalin versión %1</translation>
    </message>
    <message>
        <source>Rings the bells of a school or a shop, on time, day after day.</source>
        <translation>Hace sonar los timbres de una escuela o una tienda, puntualmente, día tras día.</translation>
    </message>
</context>
<context>
    <name>IntervalPanel</name>
    <message>
        <source>Apply</source>
        <extracomment>Takes the sound chosen in the sound list for this bell</extracomment>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Set start  and end time</source>
        <extracomment>&quot;Set start and end time&quot; (of the day&apos;s bells)</extracomment>
        <translation>Hora de inicio y fin</translation>
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
        <translation>Inicio</translation>
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
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>Minuto de inicio</translation>
    </message>
    <message>
        <source>End hour</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>End minute</source>
        <translation>Minuto de fin</translation>
    </message>
    <message>
        <source>The Up and Down keys step it</source>
        <translation>Las teclas Arriba y Abajo lo cambian</translation>
    </message>
    <message>
        <source>Set time interval</source>
        <translation>Intervalos</translation>
    </message>
    <message>
        <source>Work time</source>
        <extracomment>The length of a lesson</extracomment>
        <translation>Duración de la clase</translation>
    </message>
    <message>
        <source>Rest time</source>
        <extracomment>The length of a break</extracomment>
        <translation>Duración del descanso</translation>
    </message>
    <message>
        <source>%1 in minutes</source>
        <extracomment>%1: &quot;Work time&quot; or &quot;Rest time&quot;; the box holds minutes</extracomment>
        <translation>%1 en minutos</translation>
    </message>
    <message>
        <source>Set start bell sound</source>
        <translation>Sonidos de timbre</translation>
    </message>
    <message>
        <source>Work</source>
        <extracomment>The sound of the bell that starts a lesson</extracomment>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The sound of the bell that starts a break</extracomment>
        <translation>Descanso</translation>
    </message>
    <message>
        <source>Sound of the lesson&apos;s bell</source>
        <translation>Sonido del timbre de clase</translation>
    </message>
    <message>
        <source>Sound of the break&apos;s bell</source>
        <translation>Sonido del timbre de descanso</translation>
    </message>
    <message>
        <source>Apply the chosen sound to the lesson&apos;s bell</source>
        <translation>Aplicar el sonido elegido al timbre de clase</translation>
    </message>
    <message>
        <source>Apply the chosen sound to the break&apos;s bell</source>
        <translation>Aplicar el sonido elegido al timbre de descanso</translation>
    </message>
    <message>
        <source>Alarm before and after bell time (After check,Apply sound)</source>
        <extracomment>&quot;Pre-bells before and after the bell time (check one, then apply its sound)&quot;</extracomment>
        <translation>Timbres de aviso antes y después de la hora del timbre (marque uno y aplique su sonido)</translation>
    </message>
    <message>
        <source>min after</source>
        <extracomment>Minutes after the lesson&apos;s bell</extracomment>
        <translation>min después</translation>
    </message>
    <message>
        <source>min before</source>
        <extracomment>Minutes before the break&apos;s bell</extracomment>
        <translation>min antes</translation>
    </message>
    <message>
        <source>Minutes after the lesson&apos;s bell</source>
        <translation>Minutos después del timbre de clase</translation>
    </message>
    <message>
        <source>Minutes before the break&apos;s bell</source>
        <translation>Minutos antes del timbre de descanso</translation>
    </message>
    <message>
        <source>Sound of the pre-bell after the lesson&apos;s bell</source>
        <translation>Sonido del timbre de aviso después del timbre de clase</translation>
    </message>
    <message>
        <source>Sound of the pre-bell before the break&apos;s bell</source>
        <translation>Sonido del timbre de aviso antes del timbre de descanso</translation>
    </message>
    <message>
        <source>Apply the chosen sound to the pre-bell after the lesson&apos;s bell</source>
        <translation>Aplicar el sonido elegido al timbre de aviso después del timbre de clase</translation>
    </message>
    <message>
        <source>Apply the chosen sound to the pre-bell before the break&apos;s bell</source>
        <translation>Aplicar el sonido elegido al timbre de aviso antes del timbre de descanso</translation>
    </message>
    <message>
        <source>Select bell sound from [Select bell sound]</source>
        <translation>Seleccione un sonido de timbre en [Seleccionar sonido de timbre]</translation>
    </message>
</context>
<context>
    <name>IsAutoExitForm</name>
    <message>
        <source>Reservation computer exit</source>
        <extracomment>&quot;Booked switching off of the computer&quot;</extracomment>
        <translation>Apagado programado</translation>
    </message>
    <message>
        <source>Exit time (Type 24Hour)</source>
        <extracomment>The time of day at which the computer is switched off, on the 24-hour clock</extracomment>
        <translation>Hora de apagado (24 horas)</translation>
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
        <translation>Hora de apagado</translation>
    </message>
    <message>
        <source>Exit minute</source>
        <translation>Minuto de apagado</translation>
    </message>
    <message>
        <source>Step the hour</source>
        <translation>Cambiar la hora</translation>
    </message>
    <message>
        <source>Step the minute</source>
        <translation>Cambiar el minuto</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tray</source>
        <extracomment>The title strip&apos;s button that hides the window into the tray</extracomment>
        <translation>Bandeja</translation>
    </message>
    <message>
        <source>Hides the window into the tray; the bells go on</source>
        <translation>Oculta la ventana en la bandeja; los timbres siguen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The menu strip&apos;s entry that ends the program
----------
The tray menu&apos;s entry that ends the program</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Infomation</source>
        <extracomment>&quot;Information&quot;: the program&apos;s version and maker</extracomment>
        <translation>Información</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Countdown</source>
        <extracomment>A countdown the operator sets, which rings the bell at zero</extracomment>
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <source>Countdown next bell</source>
        <extracomment>The time left until the next bell, shown large</extracomment>
        <translation>Cuenta atrás al próximo timbre</translation>
    </message>
    <message>
        <source>Calendar</source>
        <extracomment>The school calendar</extracomment>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Set-up</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Ring log</source>
        <translation>Registro de timbres</translation>
    </message>
    <message>
        <source>Alarm</source>
        <extracomment>The alarm signals (fire, lockdown...)</extracomment>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Export...</source>
        <extracomment>Exports the whole set-up to one file</extracomment>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Import...</source>
        <extracomment>Imports a set-up file in place of this computer&apos;s set-up</extracomment>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>Opens the ring log</source>
        <translation>Abre el registro de timbres</translation>
    </message>
    <message>
        <source>Open Window</source>
        <extracomment>The tray menu&apos;s entry that brings the window back</extracomment>
        <translation>Abrir ventana</translation>
    </message>
    <message>
        <source>Set time mode</source>
        <extracomment>How the bell times are set: by intervals or typed one by one</extracomment>
        <translation>Entrada de horas</translation>
    </message>
    <message>
        <source>Auto interval</source>
        <extracomment>The bell times made from a start, an end and intervals</extracomment>
        <translation>Intervalos automáticos</translation>
    </message>
    <message>
        <source>Manual input</source>
        <extracomment>The bell times typed one by one</extracomment>
        <translation>Entrada manual</translation>
    </message>
    <message>
        <source>Apply day</source>
        <extracomment>Which days the bell times apply to</extracomment>
        <translation>Aplicar a</translation>
    </message>
    <message>
        <source>Apply week</source>
        <extracomment>The same bell times every day of the week</extracomment>
        <translation>Toda la semana</translation>
    </message>
    <message>
        <source>Set each day</source>
        <extracomment>Bell times of their own for each day of the week</extracomment>
        <translation>Cada día</translation>
    </message>
    <message>
        <source>Select day</source>
        <translation>Seleccionar día</translation>
    </message>
    <message>
        <source>Day shown</source>
        <translation>Día mostrado</translation>
    </message>
    <message>
        <source>No rings</source>
        <extracomment>The day has no bells</extracomment>
        <translation>Sin timbres</translation>
    </message>
    <message>
        <source>Copy to days...</source>
        <translation>Copiar a días...</translation>
    </message>
    <message>
        <source>System language</source>
        <extracomment>The language the computer&apos;s own settings ask for</extracomment>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>Original texts</source>
        <extracomment>The texts as the program&apos;s code has them, with no translation (English and Korean mixed)</extracomment>
        <translation>Textos originales</translation>
    </message>
    <message>
        <source>The language could not be kept: %1</source>
        <translation>No se pudo guardar el idioma: %1</translation>
    </message>
    <message>
        <source>The language is changed at the next start of Corvalin.</source>
        <translation>El idioma cambia en el próximo inicio de Corvalin.</translation>
    </message>
    <message>
        <source>Error Number : </source>
        <translation>Número de error: </translation>
    </message>
    <message>
        <source>Dedicated %1 soundcard</source>
        <extracomment>%1 is the program&apos;s name: the sound card kept for the bells alone</extracomment>
        <translation>Tarjeta de sonido exclusiva de %1</translation>
    </message>
    <message>
        <source>The bells go on: Corvalin keeps running here. To end it, choose Exit in this icon&apos;s menu.</source>
        <translation>Los timbres siguen: Corvalin continúa en ejecución aquí. Para terminarlo, elija Salir en el menú de este icono.</translation>
    </message>
    <message>
        <source>The school calendar is managed from %1 with the rest of the set-up; change it there.</source>
        <extracomment>%1 is the web address the set-up is followed from</extracomment>
        <translation>El calendario escolar se gestiona desde %1 junto con el resto de la configuración; cámbielo allí.</translation>
    </message>
    <message>
        <source>%1 already has a list of its own. Replace it with the list of %2?</source>
        <extracomment>%1 is one day, %2 the day whose list is copied</extracomment>
        <translation>%1 ya tiene una lista propia. ¿Sustituirla por la lista de %2?</translation>
    </message>
    <message>
        <source>%1 already have lists of their own. Replace them with the list of %2?</source>
        <extracomment>%1 lists several days, %2 is the day whose list is copied</extracomment>
        <translation>%1 ya tienen listas propias. ¿Sustituirlas por la lista de %2?</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the days of a list</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Copy to days</source>
        <translation>Copiar a días</translation>
    </message>
    <message>
        <source>templet%1</source>
        <extracomment>&quot;template %1&quot;: the %1st of the stored day lists the day selector offers after Saturday</extracomment>
        <translation>Plantilla %1</translation>
    </message>
    <message>
        <source>All days</source>
        <extracomment>The day selector&apos;s caption while the same times apply to every day</extracomment>
        <translation>Todos los días</translation>
    </message>
    <message>
        <source>Click arrow in right [Select day], Seting each day bell time.</source>
        <extracomment>&quot;Click the arrows on the right of [Select day] to set each day&apos;s bell times.&quot;</extracomment>
        <translation>Haga clic en las flechas a la derecha de [Seleccionar día] para fijar las horas de timbre de cada día.</translation>
    </message>
    <message>
        <source>Bell time offset...</source>
        <translation>Desfase de los timbres...</translation>
    </message>
    <message>
        <source>Bell time offset</source>
        <translation>Desfase de los timbres</translation>
    </message>
    <message>
        <source>Every bell rings this many seconds after the computer&apos;s clock (before it when negative), so that the bells match the building&apos;s clocks:</source>
        <translation>Cada timbre toca estos segundos después del reloj del equipo (antes, si es negativo), para que los timbres coincidan con los relojes del edificio:</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>Seconds, after a number</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1

Click to open the ring log</source>
        <extracomment>%1 is the problem, as the ring log has it</extracomment>
        <translation>%1

Haga clic para abrir el registro de timbres</translation>
    </message>
    <message>
        <source>Corvalin set-up (*.zip)</source>
        <extracomment>The file dialog&apos;s filter; keep &quot;(*.zip)&quot; as it is</extracomment>
        <translation>Configuración de Corvalin (*.zip)</translation>
    </message>
    <message>
        <source>Export the set-up</source>
        <translation>Exportar la configuración</translation>
    </message>
    <message>
        <source>The set-up was not exported: %1</source>
        <extracomment>%1 says why</extracomment>
        <translation>La configuración no se exportó: %1</translation>
    </message>
    <message>
        <source>The set-up was exported to %1.</source>
        <translation>La configuración se exportó a %1.</translation>
    </message>
    <message>
        <source>The set-up was exported to %1. The signature of an older set-up beside it, %2, was removed.</source>
        <extracomment>%1 is the set-up&apos;s file, %2 the signature file beside it</extracomment>
        <translation>La configuración se exportó a %1. Se eliminó la firma de una configuración anterior que estaba a su lado, %2.</translation>
    </message>
    <message>
        <source>The set-up was exported to %1. The signature of an older set-up beside it, %2, does not match it and could not be removed: remove it before publishing the set-up.</source>
        <extracomment>%1 is the set-up&apos;s file, %2 the signature file beside it</extracomment>
        <translation>La configuración se exportó a %1. La firma de una configuración anterior que está a su lado, %2, no coincide con ella y no se pudo eliminar: elimínela antes de publicar la configuración.</translation>
    </message>
    <message>
        <source>Import a set-up</source>
        <translation>Importar una configuración</translation>
    </message>
    <message>
        <source>%1. Nothing was changed.</source>
        <extracomment>%1 says why the file cannot be imported</extracomment>
        <translation>%1. No se cambió nada.</translation>
    </message>
    <message>
        <source>%1

Replace the set-up of this computer with this one? Its settings take the place of every setting now in use; the bell service, if it runs, starts again with them.</source>
        <extracomment>%1 describes what the file holds</extracomment>
        <translation>%1

¿Sustituir la configuración de este equipo por esta? Sus ajustes reemplazan todos los ajustes en uso; el servicio de timbres, si está en marcha, se reinicia con ellos.</translation>
    </message>
    <message>
        <source>Skip next bell (%1)</source>
        <extracomment>%1 is the next bell&apos;s time, as 10:50</extracomment>
        <translation>Omitir el próximo timbre (%1)</translation>
    </message>
    <message>
        <source>%1-Alarm: %2</source>
        <extracomment>%1 is the program&apos;s name, %2 the alarm signal that sounds</extracomment>
        <translation>%1 - Alarma: %2</translation>
    </message>
    <message>
        <source>%1-Stop</source>
        <extracomment>%1 is the program&apos;s name: the bells are stopped</extracomment>
        <translation>%1 - Detenido</translation>
    </message>
    <message>
        <source>%1-Excuting...</source>
        <extracomment>%1 is the program&apos;s name: &quot;Executing...&quot;, the bells run</extracomment>
        <translation>%1 - En marcha...</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Auto execution</source>
        <extracomment>Start Corvalin when the computer starts (a user logs on)</extracomment>
        <translation>Inicio automático</translation>
    </message>
    <message>
        <source>If you want Corvalin to operate automatically at computer start time.</source>
        <translation>Inicia Corvalin automáticamente al arrancar el equipo.</translation>
    </message>
    <message>
        <source>No sound at bell</source>
        <extracomment>Silence the computer&apos;s other sounds while a bell rings</extracomment>
        <translation>Silenciar otros sonidos</translation>
    </message>
    <message>
        <source>Silences the computer&apos;s other sounds while a bell rings</source>
        <translation>Silencia los demás sonidos del equipo mientras suena un timbre</translation>
    </message>
    <message>
        <source>Repeating bell</source>
        <translation>Timbre repetido</translation>
    </message>
    <message>
        <source>if you click [Stop Bell], bell sound will be stoped.</source>
        <extracomment>&quot;If you click [Stop bell], the bell sound stops.&quot;</extracomment>
        <translation>Si hace clic en [Parar timbre], el sonido del timbre se detiene.</translation>
    </message>
    <message>
        <source>Internet time</source>
        <translation>Hora de Internet</translation>
    </message>
    <message>
        <source>At real-time it synchronizes a computer time in standard time.</source>
        <extracomment>&quot;It keeps the computer&apos;s clock set to the standard time.&quot;</extracomment>
        <translation>Mantiene el reloj del equipo en la hora oficial.</translation>
    </message>
    <message>
        <source>Reservation Exit</source>
        <extracomment>&quot;Booked power-off&quot;: the computer is switched off at a set time every day</extracomment>
        <translation>Apagado programado</translation>
    </message>
    <message>
        <source>Switches the computer off at a set time every day</source>
        <translation>Apaga el equipo a una hora fija todos los días</translation>
    </message>
    <message>
        <source>Because, this function purge computer default soundcard at bell time, so, computer lings only Corvalin at bell time.

벨소리 재생이 끝난 후 컴퓨터 기본 사운드카드를 다시 활성화시킵니다. 

컴퓨터로 음악을 내보내는 곳(카페나 편의점등의 상점)에서 필요한 기능입니다.</source>
        <extracomment>&quot;This silences the computer&apos;s default sound card at bell time, so the computer plays only Corvalin&apos;s bell then. [Korean:] When the bell sound ends the computer&apos;s default sound card is turned on again. [Korean:] A function needed where a computer plays music (shops such as cafés or convenience stores).&quot;</extracomment>
        <translation>Esta función silencia la tarjeta de sonido predeterminada del equipo a la hora del timbre, para que el equipo solo reproduzca entonces el timbre de Corvalin.

Cuando termina el sonido del timbre, la tarjeta de sonido predeterminada del equipo se vuelve a activar.

Es necesaria donde un equipo reproduce música (tiendas como cafeterías o tiendas de conveniencia).</translation>
    </message>
    <message>
        <source>It uses the Internet time server, at real-time it synchronizes a computer time in standard time.</source>
        <extracomment>&quot;It uses an internet time server to keep the computer&apos;s clock set to the standard time.&quot;</extracomment>
        <translation>Usa un servidor de hora de Internet para mantener el reloj del equipo en la hora oficial.</translation>
    </message>
    <message>
        <source>at %1:%2</source>
        <extracomment>The booked power-off&apos;s time: %1 hours, %2 minutes</extracomment>
        <translation>a las %1:%2</translation>
    </message>
</context>
<context>
    <name>RingLogWindow</name>
    <message>
        <source>Ring log</source>
        <translation>Registro de timbres</translation>
    </message>
    <message>
        <source>Every bell rung and every problem, newest last</source>
        <translation>Cada timbre tocado y cada problema, el más reciente al final</translation>
    </message>
    <message>
        <source>The ring log %1 cannot be shown: %2.</source>
        <extracomment>%1 is the ring log&apos;s file, %2 says why</extracomment>
        <translation>No se puede mostrar el registro de timbres %1: %2.</translation>
    </message>
    <message>
        <source>Nothing has been logged yet.</source>
        <translation>Aún no se ha registrado nada.</translation>
    </message>
</context>
<context>
    <name>ServicePanel</name>
    <message>
        <source>Next bell</source>
        <translation>Próximo timbre</translation>
    </message>
    <message>
        <source>Next sound</source>
        <translation>Próximo sonido</translation>
    </message>
    <message>
        <source>Now state</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Starts the bell service</extracomment>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Starts the bells with the settings shown</source>
        <translation>Inicia los timbres con los ajustes mostrados</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stops the bell service</extracomment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stops the bells</source>
        <translation>Detiene los timbres</translation>
    </message>
    <message>
        <source>Now time :</source>
        <translation>Hora actual:</translation>
    </message>
    <message>
        <source>Today :</source>
        <translation>Hoy:</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>The bell service&apos;s state: stopped</extracomment>
        <translation>DETENIDO</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The bell service&apos;s state: running</extracomment>
        <translation>EN MARCHA</translation>
    </message>
    <message>
        <source>NEXT DAY</source>
        <extracomment>No bell is left today: the next one rings on another day</extracomment>
        <translation>OTRO DÍA</translation>
    </message>
    <message>
        <source>%1hr %2min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation>Hoy no hay timbres</translation>
    </message>
    <message>
        <source>Templet %1 rings today</source>
        <extracomment>&quot;Templet&quot;: template (a saved list of bell times)</extracomment>
        <translation>Hoy toca la plantilla %1</translation>
    </message>
    <message>
        <source>(bells %1%2 s)</source>
        <extracomment>The bells&apos; offset from this clock: %1 the sign, %2 the seconds; &quot;s&quot;: seconds</extracomment>
        <translation>(timbres %1%2 s)</translation>
    </message>
    <message>
        <source>Every bell rings %1 s before this clock</source>
        <translation>Cada timbre toca %1 s antes que este reloj</translation>
    </message>
    <message>
        <source>Every bell rings %1 s after this clock</source>
        <translation>Cada timbre toca %1 s después que este reloj</translation>
    </message>
</context>
<context>
    <name>SndSelect</name>
    <message>
        <source>Select dedicated soundcard</source>
        <translation>Seleccionar tarjeta de sonido exclusiva</translation>
    </message>
    <message>
        <source>Default output</source>
        <translation>Salida predeterminada</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>Stores the chosen sound card</extracomment>
        <translation>Fijar</translation>
    </message>
    <message>
        <source>Sound card</source>
        <translation>Tarjeta de sonido</translation>
    </message>
    <message>
        <source>The sound card the bells play on; none chosen: the default output</source>
        <translation>La tarjeta de sonido en la que suenan los timbres; si no se elige ninguna, la salida predeterminada</translation>
    </message>
    <message>
        <source>Clears the choice: the bells follow the system&apos;s output</source>
        <translation>Borra la elección: los timbres siguen la salida del sistema</translation>
    </message>
</context>
<context>
    <name>SoundsPanel</name>
    <message>
        <source>Select bell sound</source>
        <translation>Seleccionar sonido de timbre</translation>
    </message>
    <message>
        <source>Bell sounds</source>
        <translation>Sonidos de timbre</translation>
    </message>
    <message>
        <source>The sound folder&apos;s sounds; the one chosen rings now and is given to the bells added</source>
        <translation>Los sonidos de la carpeta de sonidos; el elegido suena con Tocar ahora y se asigna a los timbres que añada</translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation>Tocar ahora</translation>
    </message>
    <message>
        <source>Stop bell</source>
        <translation>Parar timbre</translation>
    </message>
    <message>
        <source>Add sound...</source>
        <translation>Añadir sonido...</translation>
    </message>
    <message>
        <source>Copies a sound file into the sound folder</source>
        <translation>Copia un archivo de sonido en la carpeta de sonidos</translation>
    </message>
    <message>
        <source>Ring now (%1)</source>
        <extracomment>%1: its shortcut, e.g. Ctrl+R</extracomment>
        <translation>Tocar ahora (%1)</translation>
    </message>
    <message>
        <source>Rings the sound chosen in the list now; shortcut %1</source>
        <extracomment>%1: its shortcut, e.g. Ctrl+R</extracomment>
        <translation>Toca ahora el sonido elegido en la lista; atajo %1</translation>
    </message>
    <message>
        <source>Stop bell (%1)</source>
        <extracomment>%1: its shortcut, e.g. Ctrl+S</extracomment>
        <translation>Parar timbre (%1)</translation>
    </message>
    <message>
        <source>Stops the repeating bell; shortcut %1</source>
        <extracomment>%1: its shortcut, e.g. Ctrl+S</extracomment>
        <translation>Detiene el timbre repetido; atajo %1</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>Chooses the sound card the bells ring on</extracomment>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Chooses the sound card the bells ring on</source>
        <translation>Elige la tarjeta de sonido en la que suenan los timbres</translation>
    </message>
    <message>
        <source>Not a bell sound: %1</source>
        <translation>No es un sonido de timbre: %1</translation>
    </message>
    <message>
        <source>Sounds (%1);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters: keep &quot;;;&quot; and &quot;(*)&quot;</extracomment>
        <translation>Sonidos (%1);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Add sound</source>
        <translation>Añadir sonido</translation>
    </message>
    <message>
        <source>%1 was not added: %2.</source>
        <extracomment>%1: a file name; %2: why it was not added</extracomment>
        <translation>%1 no se añadió: %2.</translation>
    </message>
    <message>
        <source>a bell sound is a WAV, FLAC, Ogg Vorbis, Opus or MP3 file, named so (%1)</source>
        <translation>un sonido de timbre es un archivo WAV, FLAC, Ogg Vorbis, Opus o MP3, con el nombre correspondiente (%1)</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>it is larger than any bell sound</source>
        <translation>es más grande que cualquier sonido de timbre</translation>
    </message>
    <message>
        <source>the file is not a sound that can be played</source>
        <translation>el archivo no es un sonido que se pueda reproducir</translation>
    </message>
    <message>
        <source>%1 is already in the sound folder. Replace it?</source>
        <translation>%1 ya está en la carpeta de sonidos. ¿Sustituirlo?</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1: why a file could not be written; %2: the file</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>it could not be copied: %1</source>
        <translation>no se pudo copiar: %1</translation>
    </message>
    <message>
        <source>Select bell sound from [Select bell sound]</source>
        <translation>Seleccione un sonido de timbre en [Seleccionar sonido de timbre]</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Lower</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Higher</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>The Up and Down arrow keys change the value</source>
        <translation>Las flechas Arriba y Abajo cambian el valor</translation>
    </message>
</context>
<context>
    <name>StaffPage</name>
    <message>
        <source>Corvalin staff page</source>
        <translation>Página del personal de Corvalin</translation>
    </message>
    <message>
        <source>Staff log-in</source>
        <translation>Acceso del personal</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Alarm:</source>
        <translation>Alarma:</translation>
    </message>
    <message>
        <source>Stop alarm</source>
        <translation>Detener alarma</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmas</translation>
    </message>
    <message>
        <source>Yes, sound it now</source>
        <translation>Sí, hacerla sonar ahora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Next bell</source>
        <translation>Próximo timbre</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>Timbres</translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation>Tocar ahora</translation>
    </message>
    <message>
        <source>Stop bell</source>
        <translation>Parar timbre</translation>
    </message>
    <message>
        <source>Skip next bell</source>
        <translation>Omitir el próximo timbre</translation>
    </message>
    <message>
        <source>Start the bells</source>
        <translation>Iniciar los timbres</translation>
    </message>
    <message>
        <source>Stop the bells</source>
        <translation>Detener los timbres</translation>
    </message>
    <message>
        <source>Today&apos;s changes</source>
        <translation>Cambios de hoy</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Skip the bell at</source>
        <translation>Omitir el timbre de las</translation>
    </message>
    <message>
        <source>Move the bell at</source>
        <translation>Mover el timbre de las</translation>
    </message>
    <message>
        <source>Add a bell at</source>
        <translation>Añadir un timbre a las</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A las</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Change today</source>
        <translation>Cambiar hoy</translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation>Hoy no hay timbres</translation>
    </message>
    <message>
        <source>Undo today&apos;s changes</source>
        <translation>Deshacer los cambios de hoy</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>The bells&apos; clock</source>
        <translation>El reloj de los timbres</translation>
    </message>
    <message>
        <source>The bell PC cannot be reached: %1</source>
        <translation>No se puede conectar con el PC de los timbres: %1</translation>
    </message>
    <message>
        <source>Your session has ended: log in again.</source>
        <translation>Su sesión ha terminado: vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>Not logged in</source>
        <translation>Sin sesión iniciada</translation>
    </message>
    <message>
        <source>Logged in as %1 (%2)</source>
        <translation>Sesión iniciada como %1 (%2)</translation>
    </message>
    <message>
        <source>Sound %1 in the whole school now?</source>
        <translation>¿Hacer sonar %1 en toda la escuela ahora?</translation>
    </message>
    <message>
        <source>ALARM: %1</source>
        <translation>ALARMA: %1</translation>
    </message>
    <message>
        <source>The bells run</source>
        <translation>Los timbres están en marcha</translation>
    </message>
    <message>
        <source>The bells are stopped</source>
        <translation>Los timbres están detenidos</translation>
    </message>
    <message>
        <source>None: the bells are stopped</source>
        <translation>Ninguno: los timbres están detenidos</translation>
    </message>
    <message>
        <source>None left today</source>
        <translation>No quedan más hoy</translation>
    </message>
    <message>
        <source>None listed: the bells are stopped</source>
        <translation>Ninguno en la lista: los timbres están detenidos</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>The bell PC cannot be reached.</source>
        <translation>No se puede conectar con el PC de los timbres.</translation>
    </message>
</context>
<context>
    <name>StaffPageDialog</name>
    <message>
        <source>Staff web page</source>
        <translation>Página web del personal</translation>
    </message>
    <message>
        <source>Staff raise alarms and see the bells from a phone or a classroom PC, in a browser, on this school&apos;s network.</source>
        <translation>El personal activa alarmas y consulta los timbres desde un teléfono o un PC de aula, en un navegador, en la red de esta escuela.</translation>
    </message>
    <message>
        <source>Page</source>
        <extracomment>The staff web page, as served</extracomment>
        <translation>Página</translation>
    </message>
    <message>
        <source>Serve the staff web page (HTTPS)</source>
        <translation>Servir la página web del personal (HTTPS)</translation>
    </message>
    <message>
        <source>8443, or 192.0.2.10:8443</source>
        <translation>8443, o 192.0.2.10:8443</translation>
    </message>
    <message>
        <source>Port, or address:port</source>
        <translation>Puerto, o dirección:puerto</translation>
    </message>
    <message>
        <source>Where the page is served: a port, or an address and a port</source>
        <translation>Dónde se sirve la página: un puerto, o una dirección y un puerto</translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>Where the page is served, or that it is not</extracomment>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Staff check that their browser shows this fingerprint for the page&apos;s certificate</source>
        <translation>El personal comprueba que su navegador muestra esta huella para el certificado de la página</translation>
    </message>
    <message>
        <source>Certificate SHA-256</source>
        <translation>Certificado SHA-256</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Staff accounts</source>
        <translation>Cuentas del personal</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Añadir...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Removes the account chosen in the list</source>
        <translation>Elimina la cuenta elegida en la lista</translation>
    </message>
    <message>
        <source>alarm: raise and stop alarms, see the bells. office: also today&apos;s changes, ring now, stop a bell, start and stop the bells.</source>
        <extracomment>&quot;alarm&quot; and &quot;office&quot; are the names of the two roles, typed as they are: keep them untranslated</extracomment>
        <translation>alarm: activar y detener alarmas, ver los timbres. office: además cambios de hoy, tocar ahora, parar un timbre, iniciar y detener los timbres.</translation>
    </message>
    <message>
        <source>not served</source>
        <translation>no se sirve</translation>
    </message>
    <message>
        <source>none yet: made when the page is first served</source>
        <translation>aún ninguno: se crea cuando la página se sirve por primera vez</translation>
    </message>
    <message>
        <source>Add a staff account</source>
        <translation>Añadir una cuenta del personal</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The staff member&apos;s account name</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rol</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>The same again</source>
        <extracomment>The password typed a second time</extracomment>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Repetir contraseña</translation>
    </message>
    <message>
        <source>the two passwords differ</source>
        <translation>las dos contraseñas no coinciden</translation>
    </message>
</context>
<context>
    <name>StaffPageLine</name>
    <message>
        <source>Staff web page...</source>
        <translation>Página web del personal...</translation>
    </message>
    <message>
        <source>Staff web page: %1   certificate SHA-256 %2</source>
        <translation>Página web del personal: %1   certificado SHA-256 %2</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>Corvalin (window copy): the bell service runs</source>
        <translation>Corvalin (copia con ventana): el servicio de timbres está en marcha</translation>
    </message>
    <message>
        <source>Corvalin (window copy): the bell service is stopped</source>
        <translation>Corvalin (copia con ventana): el servicio de timbres está detenido</translation>
    </message>
    <message>
        <source>Corvalin (copy with no window): the bell service runs</source>
        <translation>Corvalin (copia sin ventana): el servicio de timbres está en marcha</translation>
    </message>
    <message>
        <source>Corvalin (copy with no window): the bell service is stopped</source>
        <translation>Corvalin (copia sin ventana): el servicio de timbres está detenido</translation>
    </message>
    <message>
        <source>Alarm signal: none</source>
        <translation>Señal de alarma: ninguna</translation>
    </message>
    <message>
        <source>Alarm signal: %1 sounds</source>
        <translation>Señal de alarma: %1 está sonando</translation>
    </message>
    <message>
        <source>Next bell: none (stopped)</source>
        <translation>Próximo timbre: ninguno (detenido)</translation>
    </message>
    <message>
        <source>Next bell: none left today</source>
        <translation>Próximo timbre: no quedan más hoy</translation>
    </message>
    <message>
        <source>Next bell: %1 %2</source>
        <translation>Próximo timbre: %1 %2</translation>
    </message>
    <message>
        <source>Last bell: none yet</source>
        <translation>Último timbre: ninguno aún</translation>
    </message>
    <message>
        <source>Last bell: %1 %2 (ring now)</source>
        <translation>Último timbre: %1 %2 (tocar ahora)</translation>
    </message>
    <message>
        <source>Last bell: %1 %2</source>
        <translation>Último timbre: %1 %2</translation>
    </message>
    <message>
        <source>Bells&apos; clock: %1 %2</source>
        <translation>Reloj de los timbres: %1 %2</translation>
    </message>
    <message>
        <source>Bells&apos; clock: %1 %2 (%3 s ahead of the computer&apos;s clock)</source>
        <translation>Reloj de los timbres: %1 %2 (%3 s por delante del reloj del equipo)</translation>
    </message>
    <message>
        <source>Bells&apos; clock: %1 %2 (%3 s behind the computer&apos;s clock)</source>
        <translation>Reloj de los timbres: %1 %2 (%3 s por detrás del reloj del equipo)</translation>
    </message>
    <message>
        <source>Today: %1, %2</source>
        <translation>Hoy: %1, %2</translation>
    </message>
    <message>
        <source>Today&apos;s changes: none</source>
        <translation>Cambios de hoy: ninguno</translation>
    </message>
    <message>
        <source>Today&apos;s changes:</source>
        <translation>Cambios de hoy:</translation>
    </message>
    <message>
        <source>Set-up: this computer&apos;s own</source>
        <translation>Configuración: propia de este equipo</translation>
    </message>
    <message>
        <source>Set-up: managed from %1</source>
        <translation>Configuración: gestionada desde %1</translation>
    </message>
    <message>
        <source>  version in use: none yet</source>
        <translation>  versión en uso: ninguna aún</translation>
    </message>
    <message>
        <source>  version in use: SHA-256 %1, applied %2</source>
        <translation>  versión en uso: SHA-256 %1, aplicada %2</translation>
    </message>
    <message>
        <source>  last checked: not yet</source>
        <translation>  última comprobación: aún no</translation>
    </message>
    <message>
        <source>  last checked: %1</source>
        <translation>  última comprobación: %1</translation>
    </message>
    <message>
        <source>Staff web page: off</source>
        <translation>Página web del personal: desactivada</translation>
    </message>
    <message>
        <source>Staff web page: %1</source>
        <translation>Página web del personal: %1</translation>
    </message>
    <message>
        <source>  certificate SHA-256: %1</source>
        <translation>  certificado SHA-256: %1</translation>
    </message>
    <message>
        <source>Problems: none</source>
        <translation>Problemas: ninguno</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Problemas:</translation>
    </message>
</context>
<context>
    <name>Templet</name>
    <message>
        <source>Select templet</source>
        <extracomment>&quot;Select template&quot;: one of the six stored time lists</extracomment>
        <translation>Seleccionar plantilla</translation>
    </message>
    <message>
        <source>Apply templet %1</source>
        <extracomment>&quot;Apply template %1&quot;: copies stored time list %1 into the list being edited</extracomment>
        <translation>Aplicar la plantilla %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TimeListPanel</name>
    <message>
        <source>Input time (Add after selecting sound)</source>
        <translation>Introducir hora (añádala tras elegir un sonido)</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Adds the time typed, with the sound chosen, to the list</extracomment>
        <translation>Añadir</translation>
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
        <translation>Hora del timbre a añadir</translation>
    </message>
    <message>
        <source>Minute of the bell to add</source>
        <translation>Minuto del timbre a añadir</translation>
    </message>
    <message>
        <source>The Up and Down keys step it</source>
        <translation>Las teclas Arriba y Abajo lo cambian</translation>
    </message>
    <message>
        <source>Adds the time typed, with the sound chosen, to the added times</source>
        <translation>Añade la hora introducida, con el sonido elegido, a las horas añadidas</translation>
    </message>
    <message>
        <source>Added time (Type 24Hour)</source>
        <extracomment>&quot;Added times (24-hour clock)&quot;</extracomment>
        <translation>Horas añadidas (24 horas)</translation>
    </message>
    <message>
        <source>Added times</source>
        <translation>Horas añadidas</translation>
    </message>
    <message>
        <source>Each bell&apos;s time and sound</source>
        <translation>La hora y el sonido de cada timbre</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Deletes the time chosen in the list
----------
A box&apos;s title: deleting times</extracomment>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Change sound</source>
        <translation>Cambiar sonido</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Eliminar todo</translation>
    </message>
    <message>
        <source>Apply templet</source>
        <extracomment>&quot;Apply template&quot;: puts a saved list of times in the list&apos;s place</extracomment>
        <translation>Aplicar plantilla</translation>
    </message>
    <message>
        <source>Deletes the time chosen in the added times</source>
        <translation>Elimina la hora elegida de las horas añadidas</translation>
    </message>
    <message>
        <source>Gives the time chosen in the added times the sound chosen in the sound list</source>
        <translation>Da a la hora elegida de las horas añadidas el sonido elegido en la lista de sonidos</translation>
    </message>
    <message>
        <source>Deletes every added time</source>
        <translation>Elimina todas las horas añadidas</translation>
    </message>
    <message>
        <source>Puts a template&apos;s times in the place of the added times</source>
        <translation>Pone las horas de una plantilla en lugar de las horas añadidas</translation>
    </message>
    <message>
        <source>Select bell sound int [Select bell sound]</source>
        <extracomment>&quot;Select a bell sound in [Select bell sound]&quot;</extracomment>
        <translation>Seleccione un sonido de timbre en [Seleccionar sonido de timbre]</translation>
    </message>
    <message>
        <source>Add Only wave file to sound folder. Please, delete non wave file from
%1.</source>
        <extracomment>&quot;Add only sound files to the sound folder. Please delete the other files from&quot; %1: the folder</extracomment>
        <translation>Añada solo archivos de sonido a la carpeta de sonidos. Elimine los demás archivos de
%1.</translation>
    </message>
    <message>
        <source>The corresponding time is being register already.</source>
        <extracomment>&quot;That time is in the list already.&quot;</extracomment>
        <translation>Esa hora ya está en la lista.</translation>
    </message>
    <message>
        <source>Select time that you want to delete in [Added time]</source>
        <translation>Seleccione la hora que quiere eliminar en [Horas añadidas]</translation>
    </message>
    <message>
        <source>Select time that you want to modify in [Added time]</source>
        <translation>Seleccione la hora que quiere cambiar en [Horas añadidas]</translation>
    </message>
    <message>
        <source>Select bell sound in [Select bell sound]</source>
        <translation>Seleccione un sonido de timbre en [Seleccionar sonido de timbre]</translation>
    </message>
    <message>
        <source>Delete all times of time box?</source>
        <translation>¿Eliminar todas las horas de la lista?</translation>
    </message>
    <message>
        <source>templet%1 has no saved times: %2</source>
        <extracomment>&quot;Template %1 has no saved times: %2&quot; (%2: its file)</extracomment>
        <translation>La plantilla %1 no tiene horas guardadas: %2</translation>
    </message>
</context>
<context>
    <name>TodayBellDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Bell time</source>
        <extracomment>The time of a bell changed for today</extracomment>
        <translation>Hora del timbre</translation>
    </message>
    <message>
        <source>Bell sound</source>
        <translation>Sonido del timbre</translation>
    </message>
</context>
<context>
    <name>TodayPanel</name>
    <message>
        <source>%1hr%2min</source>
        <extracomment>A bell&apos;s time in the list of today&apos;s bells: hours and minutes, e.g. &quot;10hr50min&quot;; the list sorts by it, so keep the hours first</extracomment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>skipped</source>
        <extracomment>A bell of today&apos;s list that does not ring today</extracomment>
        <translation>omitido</translation>
    </message>
    <message>
        <source>added</source>
        <extracomment>A bell of today&apos;s list added for today only</extracomment>
        <translation>añadido</translation>
    </message>
    <message>
        <source>moved from %1</source>
        <extracomment>A bell of today&apos;s list moved here for today; %1: the time it had, e.g. 10:50</extracomment>
        <translation>movido desde las %1</translation>
    </message>
    <message>
        <source>Today Bells</source>
        <translation>Timbres de hoy</translation>
    </message>
    <message>
        <source>Today&apos;s bells</source>
        <translation>Timbres de hoy</translation>
    </message>
    <message>
        <source>The bells that ring today. The context menu (right click, or the Menu key) changes them for today; %1 skips the next bell.</source>
        <extracomment>%1: the shortcut that skips the next bell, e.g. Ctrl+K</extracomment>
        <translation>Los timbres que tocan hoy. El menú contextual (clic derecho, o la tecla Menú) los cambia para hoy; %1 omite el próximo timbre.</translation>
    </message>
    <message>
        <source>Right click to change today&apos;s bells; %1 skips the next bell</source>
        <extracomment>%1: the shortcut that skips the next bell, e.g. Ctrl+K</extracomment>
        <translation>Clic derecho para cambiar los timbres de hoy; %1 omite el próximo timbre</translation>
    </message>
    <message>
        <source>Skip %1 today</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Omitir %1 hoy</translation>
    </message>
    <message>
        <source>Move %1 today...</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Mover %1 hoy...</translation>
    </message>
    <message>
        <source>Move a bell today</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Mover un timbre hoy</translation>
    </message>
    <message>
        <source>The %1 bell rings today at:</source>
        <translation>El timbre de las %1 toca hoy a las:</translation>
    </message>
    <message>
        <source>Undo: %1 added today</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Deshacer: %1 añadido hoy</translation>
    </message>
    <message>
        <source>Undo: %1 skipped today</source>
        <extracomment>%1: a bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Deshacer: %1 omitido hoy</translation>
    </message>
    <message>
        <source>Undo: %1 moved to %2</source>
        <extracomment>%1: the bell&apos;s time before, %2: its time today, e.g. 10:50</extracomment>
        <translation>Deshacer: %1 movido a las %2</translation>
    </message>
    <message>
        <source>Skip next bell (%1)</source>
        <extracomment>%1: the next bell&apos;s time, e.g. 10:50</extracomment>
        <translation>Omitir el próximo timbre (%1)</translation>
    </message>
    <message>
        <source>Add a bell today...</source>
        <translation>Añadir un timbre hoy...</translation>
    </message>
    <message>
        <source>Add a bell today</source>
        <translation>Añadir un timbre hoy</translation>
    </message>
    <message>
        <source>A bell today only, at:</source>
        <translation>Un timbre solo hoy, a las:</translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation>Hoy no hay timbres</translation>
    </message>
    <message>
        <source>Ring templet today</source>
        <extracomment>&quot;Ring template ... today&quot;: today rings a saved list of times instead</extracomment>
        <translation>Tocar una plantilla hoy</translation>
    </message>
    <message>
        <source>Templet %1</source>
        <extracomment>&quot;Template %1&quot;: a saved list of bell times, by its number</extracomment>
        <translation>Plantilla %1</translation>
    </message>
    <message>
        <source>Undo all of today&apos;s changes</source>
        <translation>Deshacer todos los cambios de hoy</translation>
    </message>
    <message>
        <source>Today&apos;s bells were not changed: %1.</source>
        <extracomment>%1: why the bells refused the change</extracomment>
        <translation>Los timbres de hoy no se cambiaron: %1.</translation>
    </message>
</context>
</TS>
