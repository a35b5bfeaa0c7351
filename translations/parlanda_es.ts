<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AudioDecoder</name>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="94"/>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="97"/>
        <source>you do not have permission to read it</source>
        <translation>no tiene permiso para leerlo</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="104"/>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="108"/>
        <source>it is a device or a pipe, not a file</source>
        <translation>es un dispositivo o una tubería, no un archivo</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="110"/>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="140"/>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="483"/>
        <source>it is not an audio file that can be played (%1)</source>
        <translation>no es un archivo de audio que se pueda reproducir (%1)</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="146"/>
        <source>1 channel</source>
        <translation>1 canal</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="147"/>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="148"/>
        <source>%1 at %2 Hz cannot be played</source>
        <translation>no se puede reproducir un sonido de %1 a %2 Hz</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="366"/>
        <source>no sound in it can be decoded, so it has no length</source>
        <translation>no se puede decodificar ningún sonido, así que no tiene duración</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.h" line="26"/>
        <source>Cannot open %1: %2.</source>
        <translation>No se puede abrir %1: %2.</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="434"/>
        <source>it holds no sound</source>
        <translation>no contiene sonido</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="438"/>
        <source>its sound is coded in a format that cannot be decoded (%1)</source>
        <translation>su sonido está codificado en un formato que no se puede decodificar (%1)</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="446"/>
        <source>its sound cannot be decoded (%1)</source>
        <translation>su sonido no se puede decodificar (%1)</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="450"/>
        <source>%1 channels at %2 Hz cannot be played</source>
        <translation>no se puede reproducir un sonido de %1 canales a %2 Hz</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="459"/>
        <source>its samples cannot be converted</source>
        <translation>sus muestras no se pueden convertir</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="465"/>
        <source>its sound is encrypted</source>
        <translation>su sonido está cifrado</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="467"/>
        <source>no sound in it can be decoded</source>
        <translation>no se puede decodificar ningún sonido</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="481"/>
        <source>its index is missing: the recording was cut off before it was finished</source>
        <translation>le falta el índice: la grabación se cortó antes de terminar</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="490"/>
        <source>its streams cannot be read (%1)</source>
        <translation>sus flujos no se pueden leer (%1)</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="22"/>
        <source>Walk</source>
        <translation>Recorrer</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="23"/>
        <source>Previous Step</source>
        <translation>Paso anterior</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="24"/>
        <source>Current Step</source>
        <translation>Paso actual</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="25"/>
        <source>Next Step</source>
        <translation>Paso siguiente</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="26"/>
        <source>Jump Back</source>
        <translation>Saltar atrás</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="27"/>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="28"/>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="29"/>
        <source>Jump Forward</source>
        <translation>Saltar adelante</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="30"/>
        <source>Play Pause</source>
        <translation>Reproducir/Pausa</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="31"/>
        <source>Slower</source>
        <translation>Más lento</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="32"/>
        <source>Faster</source>
        <translation>Más rápido</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="33"/>
        <source>Normal Speed</source>
        <translation>Velocidad normal</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="34"/>
        <source>Copy Time Stamp</source>
        <translation>Copiar marca de tiempo</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/main.cpp" line="64"/>
        <source>Send %1 to the running player.</source>
        <translation>Enviar «%1» al reproductor en ejecución.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="68"/>
        <source>Audio file to open (in the running player when there is one).</source>
        <translation>Archivo de audio que abrir (en el reproductor en ejecución, si lo hay).</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="84"/>
        <source>Give one command at a time.</source>
        <translation>Indique un solo comando cada vez.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="87"/>
        <source>Usage: parlanda [file] | parlanda --walk (and the other commands of parlanda --help)</source>
        <translation>Uso: parlanda [archivo] | parlanda --walk (y los demás comandos de parlanda --help)</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="111"/>
        <source>Parlanda is not running</source>
        <translation>Parlanda no está en ejecución</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="115"/>
        <source>Parlanda is not running: without a session bus (D-Bus) no running player can be reached (%1)</source>
        <translation>Parlanda no está en ejecución: sin bus de sesión (D-Bus) no se puede llegar a ningún reproductor en ejecución (%1)</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="121"/>
        <source>The running Parlanda did not take the command: %1</source>
        <translation>El Parlanda en ejecución no aceptó el comando: %1</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="196"/>
        <source>No session bus (D-Bus): this player runs alone, and neither parlanda --walk nor media keys can reach it.</source>
        <translation>No hay bus de sesión (D-Bus): este reproductor funciona solo, y ni parlanda --walk ni las teclas multimedia pueden llegar a él.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="200"/>
        <source>Parlanda could not offer all its commands on the session bus: %1</source>
        <translation>Parlanda no pudo ofrecer todos sus comandos en el bus de sesión: %1</translation>
    </message>
</context>
<context>
    <name>FootPedalPage</name>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="21"/>
        <source>Left</source>
        <translation>Izquierdo</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="21"/>
        <source>Middle</source>
        <translation>Central</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="21"/>
        <source>Right</source>
        <translation>Derecho</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="22"/>
        <source>Fourth</source>
        <translation>Cuarto</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="28"/>
        <source>(nothing)</source>
        <translation>(nada)</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="39"/>
        <source>&amp;Hold to play (sound while held down)</source>
        <translation>&amp;Mantener para reproducir (suena mientras se pisa)</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="42"/>
        <location filename="../src/windows/FootPedalPage.cpp" line="91"/>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="42"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="42"/>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="72"/>
        <source>Another device</source>
        <translation>Otro dispositivo</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="76"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="81"/>
        <source>&amp;Teach</source>
        <translation>&amp;Enseñar</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="85"/>
        <source>Its keys reach only Parlanda from the first Teach on, until Parlanda ends.</source>
        <translation>Desde la primera vez que se enseña, sus teclas solo llegan a Parlanda, hasta que Parlanda se cierra.</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="92"/>
        <source>Pedal</source>
        <translation>Pedal</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="104"/>
        <source>No foot pedal found.</source>
        <translation>No se encontró ningún pedal.</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="113"/>
        <source>Press the pedal &quot;%1&quot; now.</source>
        <translation>Pise ahora el pedal «%1».</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="118"/>
        <source>The pedal &quot;%1&quot; is taught.</source>
        <translation>El pedal «%1» ya está enseñado.</translation>
    </message>
</context>
<context>
    <name>FootPedals</name>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="69"/>
        <source>Foot pedal %1 connected.</source>
        <translation>Pedal %1 conectado.</translation>
    </message>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="73"/>
        <source>unplugged</source>
        <translation>desenchufado</translation>
    </message>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="120"/>
        <source>Cannot open the foot pedal %1: %2. Install the udev rule 70-parlanda-pedals.rules (see the help page &quot;Foot pedals&quot;) and plug the pedal in again.</source>
        <translation>No se puede abrir el pedal %1: %2. Instale la regla udev 70-parlanda-pedals.rules (vea la página de ayuda «Pedales») y vuelva a enchufar el pedal.</translation>
    </message>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="124"/>
        <source>Cannot open %1: %2. Give your user access to it with a udev rule (see the help page &quot;Foot pedals&quot;).</source>
        <translation>No se puede abrir %1: %2. Dé acceso a su usuario con una regla udev (vea la página de ayuda «Pedales»).</translation>
    </message>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="129"/>
        <source>Cannot take over %1: another program holds it.</source>
        <translation>No se puede tomar %1: otro programa lo está usando.</translation>
    </message>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="130"/>
        <source>Cannot open the foot pedal %1: %2.</source>
        <translation>No se puede abrir el pedal %1: %2.</translation>
    </message>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="160"/>
        <source>Foot pedal %1 disconnected (%2).</source>
        <translation>Pedal %1 desconectado (%2).</translation>
    </message>
</context>
<context>
    <name>GlobalKeysPage</name>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="35"/>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="37"/>
        <source>Registered</source>
        <translation>Registrada</translation>
    </message>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="39"/>
        <source>Taken</source>
        <translation>Ocupada</translation>
    </message>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="41"/>
        <source>Unsupported</source>
        <translation>No admitida</translation>
    </message>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="48"/>
        <source>Looking for the desktop&apos;s service for global keys...</source>
        <translation>Buscando el servicio de teclas globales del escritorio...</translation>
    </message>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="50"/>
        <source>Global keys work in every program through %1.</source>
        <translation>Las teclas globales funcionan en todos los programas mediante %1.</translation>
    </message>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="52"/>
        <source>Nothing on this desktop delivers global keys (a Wayland desktop without the desktop portal&apos;s global shortcuts or KDE&apos;s service). Bind a key in the desktop&apos;s own keyboard settings to a command line such as &quot;parlanda --walk&quot; instead: it gives the command to the running player.</source>
        <translation>Nada en este escritorio ofrece teclas globales (un escritorio Wayland sin los atajos globales del portal de escritorio ni el servicio de KDE). Asigne en su lugar una tecla, en la configuración del teclado del escritorio, a una línea de comandos como «parlanda --walk»: esta pasa el comando al reproductor en ejecución.</translation>
    </message>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="112"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <location filename="../src/inputs/GlobalShortcuts.cpp" line="92"/>
        <source>A global key is one key, with or without Ctrl, Alt, Shift or Meta.</source>
        <translation>Una tecla global es una sola tecla, con o sin Ctrl, Alt, Mayús o Meta.</translation>
    </message>
    <message>
        <location filename="../src/inputs/GlobalShortcuts.cpp" line="94"/>
        <source>Already the key of &quot;%1&quot;.</source>
        <translation>Ya es la tecla de «%1».</translation>
    </message>
    <message>
        <location filename="../src/inputs/GlobalShortcuts.cpp" line="97"/>
        <source>Looking for the desktop&apos;s service for global keys.</source>
        <translation>Buscando el servicio de teclas globales del escritorio.</translation>
    </message>
    <message>
        <location filename="../src/inputs/GlobalShortcuts.cpp" line="100"/>
        <source>This desktop lets no program take global keys. Bind a key in the desktop&apos;s own keyboard settings to a command line such as &quot;parlanda --walk&quot; instead.</source>
        <translation>Este escritorio no deja que ningún programa tome teclas globales. Asigne en su lugar una tecla, en la configuración del teclado del escritorio, a una línea de comandos como «parlanda --walk».</translation>
    </message>
    <message>
        <location filename="../src/inputs/GlobalShortcuts.cpp" line="145"/>
        <source>The global key &quot;%1&quot; of &quot;%2&quot; is not a key; the command has no global key.</source>
        <translation>La tecla global «%1» de «%2» no es una tecla; el comando no tiene tecla global.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="97"/>
        <source>Parlanda Help</source>
        <translation>Ayuda de Parlanda</translation>
    </message>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="120"/>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="123"/>
        <source>&amp;Index</source>
        <translation>Índ&amp;ice</translation>
    </message>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="126"/>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="128"/>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="170"/>
        <source>Type a word to find</source>
        <translation>Escriba una palabra para buscar</translation>
    </message>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="187"/>
        <source>Find a topic:</source>
        <translation>Buscar un tema:</translation>
    </message>
</context>
<context>
    <name>KdeShortcuts</name>
    <message>
        <location filename="../src/inputs/KdeShortcuts.cpp" line="45"/>
        <source>KDE&apos;s global shortcuts</source>
        <translation>los atajos globales de KDE</translation>
    </message>
    <message>
        <location filename="../src/inputs/KdeShortcuts.cpp" line="75"/>
        <source>KDE&apos;s global shortcuts failed: %1</source>
        <translation>Los atajos globales de KDE fallaron: %1</translation>
    </message>
</context>
<context>
    <name>MediaControl</name>
    <message>
        <location filename="../src/audio/MediaControl.cpp" line="112"/>
        <source>No audio file is open.</source>
        <translation>No hay ningún archivo de audio abierto.</translation>
    </message>
    <message>
        <location filename="../src/audio/MediaControl.cpp" line="152"/>
        <source>The play range ends (%1 ms) before it starts (%2 ms).</source>
        <translation>El intervalo de reproducción termina (%1 ms) antes de empezar (%2 ms).</translation>
    </message>
    <message>
        <location filename="../src/audio/MediaControl.cpp" line="238"/>
        <source>Invalid filename.</source>
        <translation>Nombre de archivo no válido.</translation>
    </message>
</context>
<context>
    <name>MediaErrorText</name>
    <message>
        <location filename="../src/player/MediaErrorText.cpp" line="8"/>
        <source>Invalid device id.</source>
        <translation>Identificador de dispositivo no válido.</translation>
    </message>
    <message>
        <location filename="../src/player/MediaErrorText.cpp" line="10"/>
        <source>The device is not open or is not known.</source>
        <translation>El dispositivo no está abierto o es desconocido.</translation>
    </message>
    <message>
        <location filename="../src/player/MediaErrorText.cpp" line="13"/>
        <source>Error load media device driver.</source>
        <translation>Error al cargar el controlador del dispositivo multimedia.</translation>
    </message>
    <message>
        <location filename="../src/player/MediaErrorText.cpp" line="15"/>
        <source>Action not available for this device.</source>
        <translation>Acción no disponible para este dispositivo.</translation>
    </message>
    <message>
        <location filename="../src/player/MediaErrorText.cpp" line="18"/>
        <source>Invalid filename.</source>
        <translation>Nombre de archivo no válido.</translation>
    </message>
    <message>
        <location filename="../src/player/MediaErrorText.cpp" line="20"/>
        <source>Unknown error (%1).</source>
        <translation>Error desconocido (%1).</translation>
    </message>
</context>
<context>
    <name>MprisPlayerAdaptor</name>
    <message>
        <location filename="../src/inputs/MprisService.cpp" line="140"/>
        <source>Parlanda opens only local files (file:// addresses).</source>
        <translation>Parlanda solo abre archivos locales (direcciones file://).</translation>
    </message>
</context>
<context>
    <name>PedalReader</name>
    <message>
        <location filename="../src/inputs/PedalReader.cpp" line="33"/>
        <source>the device was closed</source>
        <translation>el dispositivo se cerró</translation>
    </message>
</context>
<context>
    <name>PlaybackPage</name>
    <message>
        <location filename="../src/windows/PlaybackPage.cpp" line="15"/>
        <source>Resume where I left off</source>
        <translation>Continuar donde lo dejé</translation>
    </message>
    <message>
        <location filename="../src/windows/PlaybackPage.cpp" line="21"/>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <location filename="../src/windows/PlaybackPage.cpp" line="24"/>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <location filename="../src/windows/PlaybackPage.cpp" line="27"/>
        <source>Rewind after Stop or pause</source>
        <translation>Retroceder tras Detener o pausa</translation>
    </message>
    <message>
        <location filename="../src/windows/PlaybackPage.cpp" line="28"/>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
</context>
<context>
    <name>PlayerController</name>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="413"/>
        <source>Cannot Open Audio File</source>
        <translation>No se puede abrir el archivo de audio</translation>
    </message>
</context>
<context>
    <name>PortalShortcuts</name>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="83"/>
        <source>the desktop portal</source>
        <translation>el portal de escritorio</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="140"/>
        <source>The desktop portal failed: %1</source>
        <translation>El portal de escritorio falló: %1</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="159"/>
        <source>The desktop portal opened no session.</source>
        <translation>El portal de escritorio no abrió ninguna sesión.</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="166"/>
        <source>Refused in the desktop&apos;s dialog.</source>
        <translation>Rechazado en el diálogo del escritorio.</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="167"/>
        <source>The desktop refused the keys.</source>
        <translation>El escritorio rechazó las teclas.</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="177"/>
        <source>The desktop did not bind this key.</source>
        <translation>El escritorio no asignó esta tecla.</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="182"/>
        <source>Bound by the desktop.</source>
        <translation>Asignada por el escritorio.</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="183"/>
        <source>The desktop binds it to %1.</source>
        <translation>El escritorio la asigna a %1.</translation>
    </message>
</context>
<context>
    <name>ShortcutBackend</name>
    <message>
        <location filename="../src/inputs/ShortcutBackend.cpp" line="4"/>
        <source>Waiting for the desktop to accept the key.</source>
        <translation>Esperando a que el escritorio acepte la tecla.</translation>
    </message>
    <message>
        <location filename="../src/inputs/ShortcutBackend.cpp" line="8"/>
        <source>Works in every program.</source>
        <translation>Funciona en todos los programas.</translation>
    </message>
    <message>
        <location filename="../src/inputs/ShortcutBackend.cpp" line="12"/>
        <source>Another program uses this key.</source>
        <translation>Otro programa usa esta tecla.</translation>
    </message>
</context>
<context>
    <name>TimeStampPage</name>
    <message>
        <location filename="../src/windows/TimeStampPage.cpp" line="22"/>
        <source>%1, as in %2</source>
        <translation>%1, por ejemplo %2</translation>
    </message>
    <message>
        <location filename="../src/windows/TimeStampPage.cpp" line="24"/>
        <source>Form of the time stamps</source>
        <translation>Formato de las marcas de tiempo</translation>
    </message>
</context>
<context>
    <name>WaveformStrip</name>
    <message>
        <location filename="../src/windows/WaveformStrip.cpp" line="36"/>
        <source>Click to go there; Ctrl+wheel zooms in and out</source>
        <translation>Haga clic para ir allí; Ctrl+rueda acerca y aleja</translation>
    </message>
    <message>
        <location filename="../src/windows/WaveformStrip.cpp" line="37"/>
        <source>Waveform</source>
        <translation>Forma de onda</translation>
    </message>
</context>
<context>
    <name>X11Shortcuts</name>
    <message>
        <location filename="../src/inputs/X11Shortcuts.cpp" line="61"/>
        <source>X11 key grabs</source>
        <translation>la captura de teclas de X11</translation>
    </message>
    <message>
        <location filename="../src/inputs/X11Shortcuts.cpp" line="74"/>
        <source>The keyboard has no such key.</source>
        <translation>El teclado no tiene esa tecla.</translation>
    </message>
    <message>
        <location filename="../src/inputs/X11Shortcuts.cpp" line="79"/>
        <source>The X server refused the key (error %1).</source>
        <translation>El servidor X rechazó la tecla (error %1).</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="18"/>
        <source>Copyright © 2026 the Parlanda developers. Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Copyright © 2026 los desarrolladores de Parlanda. Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior.</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="26"/>
        <source>Thanks to:</source>
        <translation>Gracias a:</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="27"/>
        <source>The Qt Project, for the Qt toolkit</source>
        <translation>The Qt Project, por la biblioteca Qt</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="28"/>
        <source>The libsndfile developers, for reading sound files</source>
        <translation>los desarrolladores de libsndfile, por la lectura de archivos de sonido</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="29"/>
        <source>The PulseAudio developers, for playing them</source>
        <translation>los desarrolladores de PulseAudio, por reproducirlos</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="30"/>
        <source>The espeak-ng developers, for the voice of the sample</source>
        <translation>los desarrolladores de espeak-ng, por la voz del ejemplo</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="31"/>
        <source>and the transcribers who tried every step of it.</source>
        <translation>y a los transcriptores que probaron cada paso.</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="87"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="104"/>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="106"/>
        <source>Version %1.%2.%3,  %4</source>
        <translation>Versión %1.%2.%3,  %4</translation>
    </message>
</context>
<context>
    <name>frmChooseFolder</name>
    <message>
        <location filename="../src/windows/frmChooseFolder.cpp" line="65"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../src/windows/frmChooseFolder.cpp" line="67"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>frmControls</name>
    <message>
        <location filename="../src/windows/frmControls.cpp" line="15"/>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
</context>
<context>
    <name>frmInfo</name>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="19"/>
        <source>Length: %1 (%2 seconds)</source>
        <translation>Duración: %1 (%2 segundos)</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="41"/>
        <source>stereo</source>
        <translation>estéreo</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="43"/>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="75"/>
        <source>Unable to obtain recording information.</source>
        <translation>No se puede obtener la información de la grabación.</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="78"/>
        <source>%1 kHz, %2, %3</source>
        <translation>%1 kHz, %2, %3</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="80"/>
        <source>%1 kHz, %2, %3 bits per channel</source>
        <translation>%1 kHz, %2, %3 bits por canal</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="89"/>
        <source>Audio File Information</source>
        <translation>Información del archivo de audio</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="98"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="118"/>
        <source>File: %1</source>
        <translation>Archivo: %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="239"/>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="255"/>
        <source>Click to adjust time</source>
        <translation>Haga clic para ajustar el tiempo</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="290"/>
        <source>No audio output device</source>
        <translation>No hay dispositivo de salida de audio</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="298"/>
        <source>&amp;File</source>
        <comment>Menu bar</comment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="300"/>
        <source>&amp;Open...</source>
        <comment>File menu</comment>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="303"/>
        <source>Info</source>
        <comment>File menu</comment>
        <translation>Información</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="306"/>
        <source>E&amp;xit</source>
        <comment>File menu</comment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="315"/>
        <source>&amp;Play</source>
        <comment>Menu bar</comment>
        <translation>&amp;Reproducción</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="317"/>
        <source>Jump &amp;Back</source>
        <comment>Play menu</comment>
        <translation>Saltar &amp;atrás</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="318"/>
        <source>&amp;Stop</source>
        <comment>Play menu</comment>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="318"/>
        <source>&amp;Play</source>
        <comment>Play menu</comment>
        <translation>Re&amp;producir</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="319"/>
        <source>Jump &amp;Forward</source>
        <comment>Play menu</comment>
        <translation>Saltar adela&amp;nte</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="328"/>
        <source>&amp;Walk</source>
        <comment>Play menu</comment>
        <translation>&amp;Recorrer</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="328"/>
        <source>&amp;Previous Step</source>
        <comment>Play menu</comment>
        <translation>Paso an&amp;terior</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="329"/>
        <source>&amp;Current Step</source>
        <comment>Play menu</comment>
        <translation>Paso a&amp;ctual</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="329"/>
        <source>&amp;Next Step</source>
        <comment>Play menu</comment>
        <translation>Paso &amp;siguiente</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="334"/>
        <source>&amp;Looping</source>
        <comment>Menu bar</comment>
        <translation>&amp;Bucle</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="337"/>
        <location filename="../src/windows/frmMainCommands.cpp" line="112"/>
        <source>Disable</source>
        <comment>Looping menu</comment>
        <translation>Desactivar</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="345"/>
        <source>&amp;Tools</source>
        <comment>Menu bar</comment>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="347"/>
        <source>&amp;Options</source>
        <comment>Tools menu</comment>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="349"/>
        <source>&amp;Clear File List</source>
        <comment>Tools menu</comment>
        <translation>&amp;Borrar lista de archivos</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="352"/>
        <source>&amp;Go To Time</source>
        <comment>Tools menu</comment>
        <translation>&amp;Ir a un instante</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="354"/>
        <source>&amp;Update Time</source>
        <comment>Tools menu</comment>
        <translation>&amp;Actualizar tiempo</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="358"/>
        <source>&amp;Time Stamp</source>
        <comment>Tools menu</comment>
        <translation>Marca de &amp;tiempo</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="361"/>
        <source>Co&amp;ntrols...</source>
        <comment>Tools menu</comment>
        <translation>&amp;Controles...</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="363"/>
        <source>Show &amp;Waveform</source>
        <comment>Tools menu</comment>
        <translation>Mostrar &amp;forma de onda</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="366"/>
        <source>Always on &amp;Top</source>
        <comment>Tools menu</comment>
        <translation>Siempre &amp;visible</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="372"/>
        <source>&amp;Help</source>
        <comment>Menu bar</comment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="374"/>
        <source>Contents..</source>
        <comment>Help menu</comment>
        <translation>Contenido..</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="375"/>
        <source>Index..</source>
        <comment>Help menu</comment>
        <translation>Índice..</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="376"/>
        <source>Search..</source>
        <comment>Help menu</comment>
        <translation>Buscar..</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="380"/>
        <source>&amp;About Parlanda..</source>
        <comment>Help menu</comment>
        <translation>&amp;Acerca de Parlanda..</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="383"/>
        <source>&amp;Start Here</source>
        <comment>Help menu</comment>
        <translation>&amp;Primeros pasos</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="398"/>
        <source>Slo&amp;wer</source>
        <comment>Play menu</comment>
        <translation>Más &amp;lento</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="402"/>
        <source>&amp;Faster</source>
        <comment>Play menu</comment>
        <translation>Más rápid&amp;o</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="406"/>
        <source>Normal &amp;Speed</source>
        <comment>Play menu</comment>
        <translation>&amp;Velocidad normal</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="424"/>
        <source>Speed %1 %</source>
        <translation>Velocidad %1 %</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="515"/>
        <source>Time stamp %1 copied</source>
        <translation>Marca de tiempo %1 copiada</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="518"/>
        <source>Resumed at %1</source>
        <translation>Reanudado en %1</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="521"/>
        <source>The file is damaged at %1; it plays as silence there.</source>
        <translation>El archivo está dañado en %1; ahí se reproduce como silencio.</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="583"/>
        <location filename="../src/windows/frmMain.cpp" line="603"/>
        <source>Parlanda</source>
        <translation>Parlanda</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="600"/>
        <source>Parlanda could not save its settings and recent files in %1. The changes made since the program started are lost.</source>
        <translation>Parlanda no pudo guardar su configuración y sus archivos recientes en %1. Los cambios hechos desde que se inició el programa se han perdido.</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="646"/>
        <source>No audio file</source>
        <translation>Ningún archivo de audio</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="65"/>
        <source>Overflow: the time %1 is too large.</source>
        <translation>Desbordamiento: el tiempo %1 es demasiado grande.</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="67"/>
        <source>Error!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="77"/>
        <source>Audio files</source>
        <translation>Archivos de audio</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="113"/>
        <source>Enable</source>
        <comment>Looping menu</comment>
        <translation>Activar</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="146"/>
        <source>Wave (*.wav)|*.wav|All files (*.*)|*.*</source>
        <translation>Wave (*.wav)|*.wav|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="230"/>
        <source>Playback</source>
        <translation>Reproducción</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="231"/>
        <source>Time Stamps</source>
        <translation>Marcas de tiempo</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="233"/>
        <source>Global Keys</source>
        <translation>Teclas globales</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="235"/>
        <source>Foot Pedal</source>
        <translation>Pedal</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="298"/>
        <source>Enter new time:</source>
        <translation>Introduzca el nuevo tiempo:</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="298"/>
        <source>Go to new time</source>
        <translation>Ir al nuevo tiempo</translation>
    </message>
</context>
<context>
    <name>frmSettings</name>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="113"/>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="123"/>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="126"/>
        <source>Length (in seconds) for each step</source>
        <translation>Duración de cada paso (en segundos)</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="127"/>
        <source>Number of seconds between successive steps</source>
        <translation>Segundos entre pasos sucesivos</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="128"/>
        <source>Rest duration between loops</source>
        <translation>Duración de la pausa entre repeticiones</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="129"/>
        <source>Number of seconds to jump forward or back</source>
        <translation>Segundos que se salta hacia adelante o atrás</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="131"/>
        <source>Step Length</source>
        <translation>Duración del paso</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="132"/>
        <source>Offset Time</source>
        <translation>Desplazamiento</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="133"/>
        <source>Pause Interval</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="134"/>
        <source>Jump Length</source>
        <translation>Longitud del salto</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="148"/>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="149"/>
        <source>Reset to default values</source>
        <translation>Restablecer los valores predeterminados</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="154"/>
        <source>Recent Files List</source>
        <translation>Lista de archivos recientes</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="160"/>
        <source>Clear List</source>
        <translation>Borrar lista</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="161"/>
        <source>Clear recent file list</source>
        <translation>Borrar la lista de archivos recientes</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="162"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="164"/>
        <source>Default Folder for Audio Files</source>
        <translation>Carpeta predeterminada de archivos de audio</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="308"/>
        <source>Please enter a valid number of seconds.</source>
        <translation>Introduzca un número de segundos válido.</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="308"/>
        <source>Invalid Entry</source>
        <translation>Entrada no válida</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="335"/>
        <source>Choose Default Audio Folder</source>
        <translation>Elegir la carpeta de audio predeterminada</translation>
    </message>
</context>
</TS>
