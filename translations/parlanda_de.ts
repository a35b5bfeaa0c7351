<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AudioDecoder</name>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="94"/>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="97"/>
        <source>you do not have permission to read it</source>
        <translation>Sie haben keine Berechtigung, sie zu lesen</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="104"/>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="108"/>
        <source>it is a device or a pipe, not a file</source>
        <translation>es ist ein Gerät oder eine Pipe, keine Datei</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="110"/>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="140"/>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="483"/>
        <source>it is not an audio file that can be played (%1)</source>
        <translation>es ist keine abspielbare Audiodatei (%1)</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="146"/>
        <source>1 channel</source>
        <translation>1 Kanal</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="147"/>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="148"/>
        <source>%1 at %2 Hz cannot be played</source>
        <translation>Ton mit %1 bei %2 Hz lässt sich nicht abspielen</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="366"/>
        <source>no sound in it can be decoded, so it has no length</source>
        <translation>kein Ton darin lässt sich dekodieren, daher hat sie keine Länge</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.h" line="26"/>
        <source>Cannot open %1: %2.</source>
        <translation>%1 lässt sich nicht öffnen: %2.</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="434"/>
        <source>it holds no sound</source>
        <translation>sie enthält keinen Ton</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="438"/>
        <source>its sound is coded in a format that cannot be decoded (%1)</source>
        <translation>ihr Ton ist in einem Format kodiert, das sich nicht dekodieren lässt (%1)</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="446"/>
        <source>its sound cannot be decoded (%1)</source>
        <translation>ihr Ton lässt sich nicht dekodieren (%1)</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="450"/>
        <source>%1 channels at %2 Hz cannot be played</source>
        <translation>Ton mit %1 Kanälen bei %2 Hz lässt sich nicht abspielen</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="459"/>
        <source>its samples cannot be converted</source>
        <translation>ihre Abtastwerte lassen sich nicht umwandeln</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="465"/>
        <source>its sound is encrypted</source>
        <translation>ihr Ton ist verschlüsselt</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="467"/>
        <source>no sound in it can be decoded</source>
        <translation>kein Ton darin lässt sich dekodieren</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="481"/>
        <source>its index is missing: the recording was cut off before it was finished</source>
        <translation>ihr Index fehlt: Die Aufnahme wurde abgebrochen, bevor sie fertig war</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="490"/>
        <source>its streams cannot be read (%1)</source>
        <translation>ihre Datenströme lassen sich nicht lesen (%1)</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="22"/>
        <source>Walk</source>
        <translation>Durchgehen</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="23"/>
        <source>Previous Step</source>
        <translation>Vorheriger Schritt</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="24"/>
        <source>Current Step</source>
        <translation>Aktueller Schritt</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="25"/>
        <source>Next Step</source>
        <translation>Nächster Schritt</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="26"/>
        <source>Jump Back</source>
        <translation>Zurückspringen</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="27"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="28"/>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="29"/>
        <source>Jump Forward</source>
        <translation>Vorspringen</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="30"/>
        <source>Play Pause</source>
        <translation>Abspielen/Pause</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="31"/>
        <source>Slower</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="32"/>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="33"/>
        <source>Normal Speed</source>
        <translation>Normale Geschwindigkeit</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="34"/>
        <source>Copy Time Stamp</source>
        <translation>Zeitstempel kopieren</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/main.cpp" line="64"/>
        <source>Send %1 to the running player.</source>
        <translation>„%1“ an das laufende Parlanda senden.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="68"/>
        <source>Audio file to open (in the running player when there is one).</source>
        <translation>Zu öffnende Audiodatei (im laufenden Parlanda, falls eines läuft).</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="84"/>
        <source>Give one command at a time.</source>
        <translation>Bitte nur einen Befehl auf einmal angeben.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="87"/>
        <source>Usage: parlanda [file] | parlanda --walk (and the other commands of parlanda --help)</source>
        <translation>Aufruf: parlanda [Datei] | parlanda --walk (und die anderen Befehle aus parlanda --help)</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="111"/>
        <source>Parlanda is not running</source>
        <translation>Parlanda läuft nicht</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="115"/>
        <source>Parlanda is not running: without a session bus (D-Bus) no running player can be reached (%1)</source>
        <translation>Parlanda läuft nicht: Ohne Sitzungsbus (D-Bus) ist kein laufendes Parlanda erreichbar (%1)</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="121"/>
        <source>The running Parlanda did not take the command: %1</source>
        <translation>Das laufende Parlanda hat den Befehl nicht angenommen: %1</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="196"/>
        <source>No session bus (D-Bus): this player runs alone, and neither parlanda --walk nor media keys can reach it.</source>
        <translation>Kein Sitzungsbus (D-Bus): Dieses Parlanda läuft für sich allein, weder parlanda --walk noch Medientasten erreichen es.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="200"/>
        <source>Parlanda could not offer all its commands on the session bus: %1</source>
        <translation>Parlanda konnte nicht alle Befehle auf dem Sitzungsbus anbieten: %1</translation>
    </message>
</context>
<context>
    <name>FootPedalPage</name>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="21"/>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="21"/>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="21"/>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="22"/>
        <source>Fourth</source>
        <translation>Vierte</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="28"/>
        <source>(nothing)</source>
        <translation>(nichts)</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="39"/>
        <source>&amp;Hold to play (sound while held down)</source>
        <translation>&amp;Halten zum Abspielen (Ton, solange getreten)</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="42"/>
        <location filename="../src/windows/FootPedalPage.cpp" line="91"/>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="42"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="42"/>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="72"/>
        <source>Another device</source>
        <translation>Anderes Gerät</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="76"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="81"/>
        <source>&amp;Teach</source>
        <translation>&amp;Anlernen</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="85"/>
        <source>Its keys reach only Parlanda from the first Teach on, until Parlanda ends.</source>
        <translation>Ab dem ersten Anlernen erreichen seine Tasten nur noch Parlanda, bis Parlanda beendet wird.</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="92"/>
        <source>Pedal</source>
        <translation>Pedal</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="104"/>
        <source>No foot pedal found.</source>
        <translation>Kein Fußpedal gefunden.</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="113"/>
        <source>Press the pedal &quot;%1&quot; now.</source>
        <translation>Treten Sie jetzt das Pedal „%1“.</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="118"/>
        <source>The pedal &quot;%1&quot; is taught.</source>
        <translation>Das Pedal „%1“ ist angelernt.</translation>
    </message>
</context>
<context>
    <name>FootPedals</name>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="69"/>
        <source>Foot pedal %1 connected.</source>
        <translation>Fußpedal %1 angeschlossen.</translation>
    </message>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="73"/>
        <source>unplugged</source>
        <translation>abgezogen</translation>
    </message>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="120"/>
        <source>Cannot open the foot pedal %1: %2. Install the udev rule 70-parlanda-pedals.rules (see the help page &quot;Foot pedals&quot;) and plug the pedal in again.</source>
        <translation>Das Fußpedal %1 lässt sich nicht öffnen: %2. Installieren Sie die udev-Regel 70-parlanda-pedals.rules (siehe die Hilfeseite „Fußpedale“) und stecken Sie das Pedal erneut ein.</translation>
    </message>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="124"/>
        <source>Cannot open %1: %2. Give your user access to it with a udev rule (see the help page &quot;Foot pedals&quot;).</source>
        <translation>%1 lässt sich nicht öffnen: %2. Geben Sie Ihrem Benutzer mit einer udev-Regel Zugriff darauf (siehe die Hilfeseite „Fußpedale“).</translation>
    </message>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="129"/>
        <source>Cannot take over %1: another program holds it.</source>
        <translation>%1 kann nicht übernommen werden: Ein anderes Programm belegt es.</translation>
    </message>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="130"/>
        <source>Cannot open the foot pedal %1: %2.</source>
        <translation>Das Fußpedal %1 lässt sich nicht öffnen: %2.</translation>
    </message>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="160"/>
        <source>Foot pedal %1 disconnected (%2).</source>
        <translation>Fußpedal %1 getrennt (%2).</translation>
    </message>
</context>
<context>
    <name>GlobalKeysPage</name>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="35"/>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="37"/>
        <source>Registered</source>
        <translation>Registriert</translation>
    </message>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="39"/>
        <source>Taken</source>
        <translation>Belegt</translation>
    </message>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="41"/>
        <source>Unsupported</source>
        <translation>Nicht unterstützt</translation>
    </message>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="48"/>
        <source>Looking for the desktop&apos;s service for global keys...</source>
        <translation>Der Dienst der Arbeitsumgebung für globale Tasten wird gesucht...</translation>
    </message>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="50"/>
        <source>Global keys work in every program through %1.</source>
        <translation>Globale Tasten wirken in jedem Programm über %1.</translation>
    </message>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="52"/>
        <source>Nothing on this desktop delivers global keys (a Wayland desktop without the desktop portal&apos;s global shortcuts or KDE&apos;s service). Bind a key in the desktop&apos;s own keyboard settings to a command line such as &quot;parlanda --walk&quot; instead: it gives the command to the running player.</source>
        <translation>Diese Arbeitsumgebung liefert keine globalen Tasten (eine Wayland-Arbeitsumgebung ohne die globalen Tastenkürzel des Desktop-Portals oder den Dienst von KDE). Legen Sie stattdessen in den Tastatureinstellungen der Arbeitsumgebung eine Taste auf eine Befehlszeile wie „parlanda --walk“: Sie gibt den Befehl an das laufende Parlanda weiter.</translation>
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
        <translation>Eine globale Taste ist eine einzelne Taste, mit oder ohne Strg, Alt, Umschalt oder Meta.</translation>
    </message>
    <message>
        <location filename="../src/inputs/GlobalShortcuts.cpp" line="94"/>
        <source>Already the key of &quot;%1&quot;.</source>
        <translation>Bereits die Taste von „%1“.</translation>
    </message>
    <message>
        <location filename="../src/inputs/GlobalShortcuts.cpp" line="97"/>
        <source>Looking for the desktop&apos;s service for global keys.</source>
        <translation>Der Dienst der Arbeitsumgebung für globale Tasten wird gesucht.</translation>
    </message>
    <message>
        <location filename="../src/inputs/GlobalShortcuts.cpp" line="100"/>
        <source>This desktop lets no program take global keys. Bind a key in the desktop&apos;s own keyboard settings to a command line such as &quot;parlanda --walk&quot; instead.</source>
        <translation>Diese Arbeitsumgebung lässt kein Programm globale Tasten belegen. Legen Sie stattdessen in den Tastatureinstellungen der Arbeitsumgebung eine Taste auf eine Befehlszeile wie „parlanda --walk“.</translation>
    </message>
    <message>
        <location filename="../src/inputs/GlobalShortcuts.cpp" line="145"/>
        <source>The global key &quot;%1&quot; of &quot;%2&quot; is not a key; the command has no global key.</source>
        <translation>Die globale Taste „%1“ von „%2“ ist keine Taste; der Befehl hat keine globale Taste.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="97"/>
        <source>Parlanda Help</source>
        <translation>Parlanda-Hilfe</translation>
    </message>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="120"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="123"/>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="126"/>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="128"/>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="170"/>
        <source>Type a word to find</source>
        <translation>Suchbegriff eingeben</translation>
    </message>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="187"/>
        <source>Find a topic:</source>
        <translation>Thema suchen:</translation>
    </message>
</context>
<context>
    <name>KdeShortcuts</name>
    <message>
        <location filename="../src/inputs/KdeShortcuts.cpp" line="45"/>
        <source>KDE&apos;s global shortcuts</source>
        <translation>die globalen Tastenkürzel von KDE</translation>
    </message>
    <message>
        <location filename="../src/inputs/KdeShortcuts.cpp" line="75"/>
        <source>KDE&apos;s global shortcuts failed: %1</source>
        <translation>Die globalen Tastenkürzel von KDE sind fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>MediaControl</name>
    <message>
        <location filename="../src/audio/MediaControl.cpp" line="112"/>
        <source>No audio file is open.</source>
        <translation>Keine Audiodatei geöffnet.</translation>
    </message>
    <message>
        <location filename="../src/audio/MediaControl.cpp" line="152"/>
        <source>The play range ends (%1 ms) before it starts (%2 ms).</source>
        <translation>Der Wiedergabebereich endet (%1 ms), bevor er beginnt (%2 ms).</translation>
    </message>
    <message>
        <location filename="../src/audio/MediaControl.cpp" line="238"/>
        <source>Invalid filename.</source>
        <translation>Ungültiger Dateiname.</translation>
    </message>
</context>
<context>
    <name>MediaErrorText</name>
    <message>
        <location filename="../src/player/MediaErrorText.cpp" line="8"/>
        <source>Invalid device id.</source>
        <translation>Ungültige Gerätekennung.</translation>
    </message>
    <message>
        <location filename="../src/player/MediaErrorText.cpp" line="10"/>
        <source>The device is not open or is not known.</source>
        <translation>Das Gerät ist nicht geöffnet oder unbekannt.</translation>
    </message>
    <message>
        <location filename="../src/player/MediaErrorText.cpp" line="13"/>
        <source>Error load media device driver.</source>
        <translation>Fehler beim Laden des Mediengerätetreibers.</translation>
    </message>
    <message>
        <location filename="../src/player/MediaErrorText.cpp" line="15"/>
        <source>Action not available for this device.</source>
        <translation>Diese Aktion ist für dieses Gerät nicht verfügbar.</translation>
    </message>
    <message>
        <location filename="../src/player/MediaErrorText.cpp" line="18"/>
        <source>Invalid filename.</source>
        <translation>Ungültiger Dateiname.</translation>
    </message>
    <message>
        <location filename="../src/player/MediaErrorText.cpp" line="20"/>
        <source>Unknown error (%1).</source>
        <translation>Unbekannter Fehler (%1).</translation>
    </message>
</context>
<context>
    <name>MprisPlayerAdaptor</name>
    <message>
        <location filename="../src/inputs/MprisService.cpp" line="140"/>
        <source>Parlanda opens only local files (file:// addresses).</source>
        <translation>Parlanda öffnet nur lokale Dateien (file://-Adressen).</translation>
    </message>
</context>
<context>
    <name>PedalReader</name>
    <message>
        <location filename="../src/inputs/PedalReader.cpp" line="33"/>
        <source>the device was closed</source>
        <translation>das Gerät wurde geschlossen</translation>
    </message>
</context>
<context>
    <name>PlaybackPage</name>
    <message>
        <location filename="../src/windows/PlaybackPage.cpp" line="15"/>
        <source>Resume where I left off</source>
        <translation>Dort fortsetzen, wo ich aufgehört habe</translation>
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
        <translation>Zurückspulen nach Stopp oder Pause</translation>
    </message>
    <message>
        <location filename="../src/windows/PlaybackPage.cpp" line="28"/>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
</context>
<context>
    <name>PlayerController</name>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="413"/>
        <source>Cannot Open Audio File</source>
        <translation>Audiodatei kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>PortalShortcuts</name>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="83"/>
        <source>the desktop portal</source>
        <translation>das Desktop-Portal</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="140"/>
        <source>The desktop portal failed: %1</source>
        <translation>Das Desktop-Portal ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="159"/>
        <source>The desktop portal opened no session.</source>
        <translation>Das Desktop-Portal hat keine Sitzung geöffnet.</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="166"/>
        <source>Refused in the desktop&apos;s dialog.</source>
        <translation>Im Dialog der Arbeitsumgebung abgelehnt.</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="167"/>
        <source>The desktop refused the keys.</source>
        <translation>Die Arbeitsumgebung hat die Tasten abgelehnt.</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="177"/>
        <source>The desktop did not bind this key.</source>
        <translation>Die Arbeitsumgebung hat diese Taste nicht zugewiesen.</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="182"/>
        <source>Bound by the desktop.</source>
        <translation>Von der Arbeitsumgebung zugewiesen.</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="183"/>
        <source>The desktop binds it to %1.</source>
        <translation>Die Arbeitsumgebung legt den Befehl auf %1.</translation>
    </message>
</context>
<context>
    <name>ShortcutBackend</name>
    <message>
        <location filename="../src/inputs/ShortcutBackend.cpp" line="4"/>
        <source>Waiting for the desktop to accept the key.</source>
        <translation>Wartet darauf, dass die Arbeitsumgebung die Taste annimmt.</translation>
    </message>
    <message>
        <location filename="../src/inputs/ShortcutBackend.cpp" line="8"/>
        <source>Works in every program.</source>
        <translation>Wirkt in jedem Programm.</translation>
    </message>
    <message>
        <location filename="../src/inputs/ShortcutBackend.cpp" line="12"/>
        <source>Another program uses this key.</source>
        <translation>Ein anderes Programm verwendet diese Taste.</translation>
    </message>
</context>
<context>
    <name>TimeStampPage</name>
    <message>
        <location filename="../src/windows/TimeStampPage.cpp" line="22"/>
        <source>%1, as in %2</source>
        <translation>%1, zum Beispiel %2</translation>
    </message>
    <message>
        <location filename="../src/windows/TimeStampPage.cpp" line="24"/>
        <source>Form of the time stamps</source>
        <translation>Format der Zeitstempel</translation>
    </message>
</context>
<context>
    <name>WaveformStrip</name>
    <message>
        <location filename="../src/windows/WaveformStrip.cpp" line="36"/>
        <source>Click to go there; Ctrl+wheel zooms in and out</source>
        <translation>Klicken, um dorthin zu gehen; Strg+Mausrad vergrößert und verkleinert</translation>
    </message>
    <message>
        <location filename="../src/windows/WaveformStrip.cpp" line="37"/>
        <source>Waveform</source>
        <translation>Wellenform</translation>
    </message>
</context>
<context>
    <name>X11Shortcuts</name>
    <message>
        <location filename="../src/inputs/X11Shortcuts.cpp" line="61"/>
        <source>X11 key grabs</source>
        <translation>die Tastenbelegung von X11</translation>
    </message>
    <message>
        <location filename="../src/inputs/X11Shortcuts.cpp" line="74"/>
        <source>The keyboard has no such key.</source>
        <translation>Die Tastatur hat keine solche Taste.</translation>
    </message>
    <message>
        <location filename="../src/inputs/X11Shortcuts.cpp" line="79"/>
        <source>The X server refused the key (error %1).</source>
        <translation>Der X-Server hat die Taste abgelehnt (Fehler %1).</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="18"/>
        <source>Copyright © 2026 the Parlanda developers. Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Copyright © 2026 die Parlanda-Entwickler. Freie Software unter der GNU General Public License, Version 3 oder neuer.</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="26"/>
        <source>Thanks to:</source>
        <translation>Dank an:</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="27"/>
        <source>The Qt Project, for the Qt toolkit</source>
        <translation>das Qt Project für das Qt-Toolkit</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="28"/>
        <source>The libsndfile developers, for reading sound files</source>
        <translation>die Entwickler von libsndfile für das Lesen von Audiodateien</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="29"/>
        <source>The PulseAudio developers, for playing them</source>
        <translation>die Entwickler von PulseAudio für das Abspielen</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="30"/>
        <source>The espeak-ng developers, for the voice of the sample</source>
        <translation>die Entwickler von espeak-ng für die Stimme des Beispiels</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="31"/>
        <source>and the transcribers who tried every step of it.</source>
        <translation>und die Transkribierenden, die jeden Schritt erprobt haben.</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="87"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="104"/>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="106"/>
        <source>Version %1.%2.%3,  %4</source>
        <translation>Version %1.%2.%3,  %4</translation>
    </message>
</context>
<context>
    <name>frmChooseFolder</name>
    <message>
        <location filename="../src/windows/frmChooseFolder.cpp" line="65"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/windows/frmChooseFolder.cpp" line="67"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmControls</name>
    <message>
        <location filename="../src/windows/frmControls.cpp" line="15"/>
        <source>Controls</source>
        <translation>Steuerung</translation>
    </message>
</context>
<context>
    <name>frmInfo</name>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="19"/>
        <source>Length: %1 (%2 seconds)</source>
        <translation>Länge: %1 (%2 Sekunden)</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="41"/>
        <source>stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="43"/>
        <source>mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="75"/>
        <source>Unable to obtain recording information.</source>
        <translation>Die Angaben zur Aufnahme lassen sich nicht ermitteln.</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="78"/>
        <source>%1 kHz, %2, %3</source>
        <translation>%1 kHz, %2, %3</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="80"/>
        <source>%1 kHz, %2, %3 bits per channel</source>
        <translation>%1 kHz, %2, %3 Bit pro Kanal</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="89"/>
        <source>Audio File Information</source>
        <translation>Informationen zur Audiodatei</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="98"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="118"/>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="239"/>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="255"/>
        <source>Click to adjust time</source>
        <translation>Klicken, um die Zeit einzustellen</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="290"/>
        <source>No audio output device</source>
        <translation>Kein Audioausgabegerät</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="298"/>
        <source>&amp;File</source>
        <comment>Menu bar</comment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="300"/>
        <source>&amp;Open...</source>
        <comment>File menu</comment>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="303"/>
        <source>Info</source>
        <comment>File menu</comment>
        <translation>Info</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="306"/>
        <source>E&amp;xit</source>
        <comment>File menu</comment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="315"/>
        <source>&amp;Play</source>
        <comment>Menu bar</comment>
        <translation>&amp;Wiedergabe</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="317"/>
        <source>Jump &amp;Back</source>
        <comment>Play menu</comment>
        <translation>&amp;Zurückspringen</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="318"/>
        <source>&amp;Stop</source>
        <comment>Play menu</comment>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="318"/>
        <source>&amp;Play</source>
        <comment>Play menu</comment>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="319"/>
        <source>Jump &amp;Forward</source>
        <comment>Play menu</comment>
        <translation>&amp;Vorspringen</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="328"/>
        <source>&amp;Walk</source>
        <comment>Play menu</comment>
        <translation>&amp;Durchgehen</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="328"/>
        <source>&amp;Previous Step</source>
        <comment>Play menu</comment>
        <translation>V&amp;orheriger Schritt</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="329"/>
        <source>&amp;Current Step</source>
        <comment>Play menu</comment>
        <translation>A&amp;ktueller Schritt</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="329"/>
        <source>&amp;Next Step</source>
        <comment>Play menu</comment>
        <translation>&amp;Nächster Schritt</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="334"/>
        <source>&amp;Looping</source>
        <comment>Menu bar</comment>
        <translation>&amp;Schleifen</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="337"/>
        <location filename="../src/windows/frmMainCommands.cpp" line="112"/>
        <source>Disable</source>
        <comment>Looping menu</comment>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="345"/>
        <source>&amp;Tools</source>
        <comment>Menu bar</comment>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="347"/>
        <source>&amp;Options</source>
        <comment>Tools menu</comment>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="349"/>
        <source>&amp;Clear File List</source>
        <comment>Tools menu</comment>
        <translation>Dateiliste &amp;leeren</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="352"/>
        <source>&amp;Go To Time</source>
        <comment>Tools menu</comment>
        <translation>&amp;Zu Zeitpunkt springen</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="354"/>
        <source>&amp;Update Time</source>
        <comment>Tools menu</comment>
        <translation>Zeit &amp;aktualisieren</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="358"/>
        <source>&amp;Time Stamp</source>
        <comment>Tools menu</comment>
        <translation>Zeit&amp;stempel</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="361"/>
        <source>Co&amp;ntrols...</source>
        <comment>Tools menu</comment>
        <translation>S&amp;teuerung...</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="363"/>
        <source>Show &amp;Waveform</source>
        <comment>Tools menu</comment>
        <translation>&amp;Wellenform anzeigen</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="366"/>
        <source>Always on &amp;Top</source>
        <comment>Tools menu</comment>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="372"/>
        <source>&amp;Help</source>
        <comment>Menu bar</comment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="374"/>
        <source>Contents..</source>
        <comment>Help menu</comment>
        <translation>Inhalt..</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="375"/>
        <source>Index..</source>
        <comment>Help menu</comment>
        <translation>Index..</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="376"/>
        <source>Search..</source>
        <comment>Help menu</comment>
        <translation>Suchen..</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="380"/>
        <source>&amp;About Parlanda..</source>
        <comment>Help menu</comment>
        <translation>Ü&amp;ber Parlanda..</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="383"/>
        <source>&amp;Start Here</source>
        <comment>Help menu</comment>
        <translation>&amp;Erste Schritte</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="398"/>
        <source>Slo&amp;wer</source>
        <comment>Play menu</comment>
        <translation>&amp;Langsamer</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="402"/>
        <source>&amp;Faster</source>
        <comment>Play menu</comment>
        <translation>S&amp;chneller</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="406"/>
        <source>Normal &amp;Speed</source>
        <comment>Play menu</comment>
        <translation>Normale &amp;Geschwindigkeit</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="424"/>
        <source>Speed %1 %</source>
        <translation>Geschwindigkeit %1 %</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="515"/>
        <source>Time stamp %1 copied</source>
        <translation>Zeitstempel %1 kopiert</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="518"/>
        <source>Resumed at %1</source>
        <translation>Fortgesetzt bei %1</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="521"/>
        <source>The file is damaged at %1; it plays as silence there.</source>
        <translation>Die Datei ist bei %1 beschädigt; dort wird Stille abgespielt.</translation>
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
        <translation>Parlanda konnte seine Einstellungen und die zuletzt geöffneten Dateien nicht in %1 speichern. Die Änderungen seit dem Programmstart gehen verloren.</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="646"/>
        <source>No audio file</source>
        <translation>Keine Audiodatei</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="65"/>
        <source>Overflow: the time %1 is too large.</source>
        <translation>Überlauf: Die Zeit %1 ist zu groß.</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="67"/>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="77"/>
        <source>Audio files</source>
        <translation>Audiodateien</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="113"/>
        <source>Enable</source>
        <comment>Looping menu</comment>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="146"/>
        <source>Wave (*.wav)|*.wav|All files (*.*)|*.*</source>
        <translation>Wave (*.wav)|*.wav|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="230"/>
        <source>Playback</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="231"/>
        <source>Time Stamps</source>
        <translation>Zeitstempel</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="233"/>
        <source>Global Keys</source>
        <translation>Globale Tasten</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="235"/>
        <source>Foot Pedal</source>
        <translation>Fußpedal</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="298"/>
        <source>Enter new time:</source>
        <translation>Neue Zeit eingeben:</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="298"/>
        <source>Go to new time</source>
        <translation>Zu neuer Zeit springen</translation>
    </message>
</context>
<context>
    <name>frmSettings</name>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="113"/>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="123"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="126"/>
        <source>Length (in seconds) for each step</source>
        <translation>Länge jedes Schritts (in Sekunden)</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="127"/>
        <source>Number of seconds between successive steps</source>
        <translation>Sekunden zwischen aufeinanderfolgenden Schritten</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="128"/>
        <source>Rest duration between loops</source>
        <translation>Pausendauer zwischen den Wiederholungen</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="129"/>
        <source>Number of seconds to jump forward or back</source>
        <translation>Sekunden, um die vor- oder zurückgesprungen wird</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="131"/>
        <source>Step Length</source>
        <translation>Schrittlänge</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="132"/>
        <source>Offset Time</source>
        <translation>Versatz</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="133"/>
        <source>Pause Interval</source>
        <translation>Pausendauer</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="134"/>
        <source>Jump Length</source>
        <translation>Sprungweite</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="148"/>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="149"/>
        <source>Reset to default values</source>
        <translation>Auf Standardwerte zurücksetzen</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="154"/>
        <source>Recent Files List</source>
        <translation>Liste der zuletzt geöffneten Dateien</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="160"/>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="161"/>
        <source>Clear recent file list</source>
        <translation>Liste der zuletzt geöffneten Dateien leeren</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="162"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="164"/>
        <source>Default Folder for Audio Files</source>
        <translation>Standardordner für Audiodateien</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="308"/>
        <source>Please enter a valid number of seconds.</source>
        <translation>Bitte geben Sie eine gültige Anzahl Sekunden ein.</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="308"/>
        <source>Invalid Entry</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="335"/>
        <source>Choose Default Audio Folder</source>
        <translation>Standardordner für Audiodateien wählen</translation>
    </message>
</context>
</TS>
