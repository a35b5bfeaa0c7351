<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AudioDecoder</name>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="94"/>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="97"/>
        <source>you do not have permission to read it</source>
        <translation>vous n’avez pas le droit de le lire</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="104"/>
        <source>it is a folder, not a file</source>
        <translation>c’est un dossier, pas un fichier</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="108"/>
        <source>it is a device or a pipe, not a file</source>
        <translation>c’est un périphérique ou un tube, pas un fichier</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="110"/>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="140"/>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="483"/>
        <source>it is not an audio file that can be played (%1)</source>
        <translation>ce n’est pas un fichier audio lisible (%1)</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="146"/>
        <source>1 channel</source>
        <translation>1 canal</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="147"/>
        <source>%1 channels</source>
        <translation>%1 canaux</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="148"/>
        <source>%1 at %2 Hz cannot be played</source>
        <translation>un son de %1 à %2 Hz ne peut pas être lu</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.cpp" line="366"/>
        <source>no sound in it can be decoded, so it has no length</source>
        <translation>aucun son ne peut y être décodé, il n’a donc pas de durée</translation>
    </message>
    <message>
        <location filename="../src/audio/AudioDecoder.h" line="26"/>
        <source>Cannot open %1: %2.</source>
        <translation>Impossible d’ouvrir %1 : %2.</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="434"/>
        <source>it holds no sound</source>
        <translation>il ne contient aucun son</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="438"/>
        <source>its sound is coded in a format that cannot be decoded (%1)</source>
        <translation>son audio est codé dans un format qui ne peut pas être décodé (%1)</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="446"/>
        <source>its sound cannot be decoded (%1)</source>
        <translation>son audio ne peut pas être décodé (%1)</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="450"/>
        <source>%1 channels at %2 Hz cannot be played</source>
        <translation>un son de %1 canaux à %2 Hz ne peut pas être lu</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="459"/>
        <source>its samples cannot be converted</source>
        <translation>ses échantillons ne peuvent pas être convertis</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="465"/>
        <source>its sound is encrypted</source>
        <translation>son audio est chiffré</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="467"/>
        <source>no sound in it can be decoded</source>
        <translation>aucun son ne peut y être décodé</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="481"/>
        <source>its index is missing: the recording was cut off before it was finished</source>
        <translation>son index manque : l’enregistrement a été interrompu avant d’être terminé</translation>
    </message>
    <message>
        <location filename="../src/audio/FfmpegDecoder.cpp" line="490"/>
        <source>its streams cannot be read (%1)</source>
        <translation>ses flux ne peuvent pas être lus (%1)</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="22"/>
        <source>Walk</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="23"/>
        <source>Previous Step</source>
        <translation>Segment précédent</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="24"/>
        <source>Current Step</source>
        <translation>Segment actuel</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="25"/>
        <source>Next Step</source>
        <translation>Segment suivant</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="26"/>
        <source>Jump Back</source>
        <translation>Reculer</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="27"/>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="28"/>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="29"/>
        <source>Jump Forward</source>
        <translation>Avancer</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="30"/>
        <source>Play Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="31"/>
        <source>Slower</source>
        <translation>Plus lentement</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="32"/>
        <source>Faster</source>
        <translation>Plus vite</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="33"/>
        <source>Normal Speed</source>
        <translation>Vitesse normale</translation>
    </message>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="34"/>
        <source>Copy Time Stamp</source>
        <translation>Copier l’horodatage</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/main.cpp" line="64"/>
        <source>Send %1 to the running player.</source>
        <translation>Envoyer « %1 » au lecteur en cours d’exécution.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="68"/>
        <source>Audio file to open (in the running player when there is one).</source>
        <translation>Fichier audio à ouvrir (dans le lecteur déjà lancé s’il y en a un).</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="84"/>
        <source>Give one command at a time.</source>
        <translation>Donnez une seule commande à la fois.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="87"/>
        <source>Usage: parlanda [file] | parlanda --walk (and the other commands of parlanda --help)</source>
        <translation>Utilisation : parlanda [fichier] | parlanda --walk (et les autres commandes de parlanda --help)</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="111"/>
        <source>Parlanda is not running</source>
        <translation>Parlanda n’est pas lancé</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="115"/>
        <source>Parlanda is not running: without a session bus (D-Bus) no running player can be reached (%1)</source>
        <translation>Parlanda n’est pas lancé : sans bus de session (D-Bus), aucun lecteur lancé n’est joignable (%1)</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="121"/>
        <source>The running Parlanda did not take the command: %1</source>
        <translation>Le Parlanda lancé n’a pas accepté la commande : %1</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="196"/>
        <source>No session bus (D-Bus): this player runs alone, and neither parlanda --walk nor media keys can reach it.</source>
        <translation>Pas de bus de session (D-Bus) : ce lecteur fonctionne seul, et ni parlanda --walk ni les touches multimédia ne peuvent l’atteindre.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="200"/>
        <source>Parlanda could not offer all its commands on the session bus: %1</source>
        <translation>Parlanda n’a pas pu proposer toutes ses commandes sur le bus de session : %1</translation>
    </message>
</context>
<context>
    <name>FootPedalPage</name>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="21"/>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="21"/>
        <source>Middle</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="21"/>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="22"/>
        <source>Fourth</source>
        <translation>Quatrième</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="28"/>
        <source>(nothing)</source>
        <translation>(rien)</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="39"/>
        <source>&amp;Hold to play (sound while held down)</source>
        <translation>&amp;Maintenir pour lire (son tant que la pédale est enfoncée)</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="42"/>
        <location filename="../src/windows/FootPedalPage.cpp" line="91"/>
        <source>Device</source>
        <translation>Périphérique</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="42"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="42"/>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="72"/>
        <source>Another device</source>
        <translation>Autre périphérique</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="76"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="81"/>
        <source>&amp;Teach</source>
        <translation>&amp;Apprendre</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="85"/>
        <source>Its keys reach only Parlanda from the first Teach on, until Parlanda ends.</source>
        <translation>Dès le premier apprentissage, ses touches ne vont plus qu’à Parlanda, jusqu’à la fermeture de Parlanda.</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="92"/>
        <source>Pedal</source>
        <translation>Pédale</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="104"/>
        <source>No foot pedal found.</source>
        <translation>Aucune pédale trouvée.</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="113"/>
        <source>Press the pedal &quot;%1&quot; now.</source>
        <translation>Appuyez maintenant sur la pédale « %1 ».</translation>
    </message>
    <message>
        <location filename="../src/windows/FootPedalPage.cpp" line="118"/>
        <source>The pedal &quot;%1&quot; is taught.</source>
        <translation>La pédale « %1 » est apprise.</translation>
    </message>
</context>
<context>
    <name>FootPedals</name>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="69"/>
        <source>Foot pedal %1 connected.</source>
        <translation>Pédale %1 connectée.</translation>
    </message>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="73"/>
        <source>unplugged</source>
        <translation>débranchée</translation>
    </message>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="120"/>
        <source>Cannot open the foot pedal %1: %2. Install the udev rule 70-parlanda-pedals.rules (see the help page &quot;Foot pedals&quot;) and plug the pedal in again.</source>
        <translation>Impossible d’ouvrir la pédale %1 : %2. Installez la règle udev 70-parlanda-pedals.rules (voir la page d’aide « Pédales ») puis rebranchez la pédale.</translation>
    </message>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="124"/>
        <source>Cannot open %1: %2. Give your user access to it with a udev rule (see the help page &quot;Foot pedals&quot;).</source>
        <translation>Impossible d’ouvrir %1 : %2. Donnez-y accès à votre utilisateur par une règle udev (voir la page d’aide « Pédales »).</translation>
    </message>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="129"/>
        <source>Cannot take over %1: another program holds it.</source>
        <translation>Impossible de prendre %1 : un autre programme l’utilise.</translation>
    </message>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="130"/>
        <source>Cannot open the foot pedal %1: %2.</source>
        <translation>Impossible d’ouvrir la pédale %1 : %2.</translation>
    </message>
    <message>
        <location filename="../src/inputs/FootPedals.cpp" line="160"/>
        <source>Foot pedal %1 disconnected (%2).</source>
        <translation>Pédale %1 déconnectée (%2).</translation>
    </message>
</context>
<context>
    <name>GlobalKeysPage</name>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="35"/>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="37"/>
        <source>Registered</source>
        <translation>Enregistrée</translation>
    </message>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="39"/>
        <source>Taken</source>
        <translation>Prise</translation>
    </message>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="41"/>
        <source>Unsupported</source>
        <translation>Non prise en charge</translation>
    </message>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="48"/>
        <source>Looking for the desktop&apos;s service for global keys...</source>
        <translation>Recherche du service de touches globales du bureau...</translation>
    </message>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="50"/>
        <source>Global keys work in every program through %1.</source>
        <translation>Les touches globales fonctionnent dans tous les programmes grâce à %1.</translation>
    </message>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="52"/>
        <source>Nothing on this desktop delivers global keys (a Wayland desktop without the desktop portal&apos;s global shortcuts or KDE&apos;s service). Bind a key in the desktop&apos;s own keyboard settings to a command line such as &quot;parlanda --walk&quot; instead: it gives the command to the running player.</source>
        <translation>Rien sur ce bureau ne fournit de touches globales (un bureau Wayland sans les raccourcis globaux du portail de bureau ni le service de KDE). Associez plutôt une touche, dans les paramètres du clavier du bureau, à une ligne de commande comme « parlanda --walk » : elle transmet la commande au lecteur lancé.</translation>
    </message>
    <message>
        <location filename="../src/windows/GlobalKeysPage.cpp" line="112"/>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <location filename="../src/inputs/GlobalShortcuts.cpp" line="92"/>
        <source>A global key is one key, with or without Ctrl, Alt, Shift or Meta.</source>
        <translation>Une touche globale est une seule touche, avec ou sans Ctrl, Alt, Maj ou Méta.</translation>
    </message>
    <message>
        <location filename="../src/inputs/GlobalShortcuts.cpp" line="94"/>
        <source>Already the key of &quot;%1&quot;.</source>
        <translation>Déjà la touche de « %1 ».</translation>
    </message>
    <message>
        <location filename="../src/inputs/GlobalShortcuts.cpp" line="97"/>
        <source>Looking for the desktop&apos;s service for global keys.</source>
        <translation>Recherche du service de touches globales du bureau.</translation>
    </message>
    <message>
        <location filename="../src/inputs/GlobalShortcuts.cpp" line="100"/>
        <source>This desktop lets no program take global keys. Bind a key in the desktop&apos;s own keyboard settings to a command line such as &quot;parlanda --walk&quot; instead.</source>
        <translation>Ce bureau ne laisse aucun programme prendre de touches globales. Associez plutôt une touche, dans les paramètres du clavier du bureau, à une ligne de commande comme « parlanda --walk ».</translation>
    </message>
    <message>
        <location filename="../src/inputs/GlobalShortcuts.cpp" line="145"/>
        <source>The global key &quot;%1&quot; of &quot;%2&quot; is not a key; the command has no global key.</source>
        <translation>La touche globale « %1 » de « %2 » n’est pas une touche ; la commande n’a pas de touche globale.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="97"/>
        <source>Parlanda Help</source>
        <translation>Aide de Parlanda</translation>
    </message>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="120"/>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="123"/>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="126"/>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="128"/>
        <source>&amp;Forward</source>
        <translation>S&amp;uivant</translation>
    </message>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="170"/>
        <source>Type a word to find</source>
        <translation>Tapez un mot à chercher</translation>
    </message>
    <message>
        <location filename="../src/windows/HelpViewer.cpp" line="187"/>
        <source>Find a topic:</source>
        <translation>Chercher un sujet :</translation>
    </message>
</context>
<context>
    <name>KdeShortcuts</name>
    <message>
        <location filename="../src/inputs/KdeShortcuts.cpp" line="45"/>
        <source>KDE&apos;s global shortcuts</source>
        <translation>les raccourcis globaux de KDE</translation>
    </message>
    <message>
        <location filename="../src/inputs/KdeShortcuts.cpp" line="75"/>
        <source>KDE&apos;s global shortcuts failed: %1</source>
        <translation>Les raccourcis globaux de KDE ont échoué : %1</translation>
    </message>
</context>
<context>
    <name>MediaControl</name>
    <message>
        <location filename="../src/audio/MediaControl.cpp" line="112"/>
        <source>No audio file is open.</source>
        <translation>Aucun fichier audio n’est ouvert.</translation>
    </message>
    <message>
        <location filename="../src/audio/MediaControl.cpp" line="152"/>
        <source>The play range ends (%1 ms) before it starts (%2 ms).</source>
        <translation>La plage de lecture se termine (%1 ms) avant de commencer (%2 ms).</translation>
    </message>
    <message>
        <location filename="../src/audio/MediaControl.cpp" line="238"/>
        <source>Invalid filename.</source>
        <translation>Nom de fichier non valide.</translation>
    </message>
</context>
<context>
    <name>MediaErrorText</name>
    <message>
        <location filename="../src/player/MediaErrorText.cpp" line="8"/>
        <source>Invalid device id.</source>
        <translation>Identifiant de périphérique non valide.</translation>
    </message>
    <message>
        <location filename="../src/player/MediaErrorText.cpp" line="10"/>
        <source>The device is not open or is not known.</source>
        <translation>Le périphérique n’est pas ouvert ou est inconnu.</translation>
    </message>
    <message>
        <location filename="../src/player/MediaErrorText.cpp" line="13"/>
        <source>Error load media device driver.</source>
        <translation>Erreur au chargement du pilote de périphérique multimédia.</translation>
    </message>
    <message>
        <location filename="../src/player/MediaErrorText.cpp" line="15"/>
        <source>Action not available for this device.</source>
        <translation>Action non disponible pour ce périphérique.</translation>
    </message>
    <message>
        <location filename="../src/player/MediaErrorText.cpp" line="18"/>
        <source>Invalid filename.</source>
        <translation>Nom de fichier non valide.</translation>
    </message>
    <message>
        <location filename="../src/player/MediaErrorText.cpp" line="20"/>
        <source>Unknown error (%1).</source>
        <translation>Erreur inconnue (%1).</translation>
    </message>
</context>
<context>
    <name>MprisPlayerAdaptor</name>
    <message>
        <location filename="../src/inputs/MprisService.cpp" line="140"/>
        <source>Parlanda opens only local files (file:// addresses).</source>
        <translation>Parlanda n’ouvre que des fichiers locaux (adresses file://).</translation>
    </message>
</context>
<context>
    <name>PedalReader</name>
    <message>
        <location filename="../src/inputs/PedalReader.cpp" line="33"/>
        <source>the device was closed</source>
        <translation>le périphérique a été fermé</translation>
    </message>
</context>
<context>
    <name>PlaybackPage</name>
    <message>
        <location filename="../src/windows/PlaybackPage.cpp" line="15"/>
        <source>Resume where I left off</source>
        <translation>Reprendre là où je m’étais arrêté</translation>
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
        <translation>Retour en arrière après Arrêt ou pause</translation>
    </message>
    <message>
        <location filename="../src/windows/PlaybackPage.cpp" line="28"/>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
</context>
<context>
    <name>PlayerController</name>
    <message>
        <location filename="../src/player/PlayerController.cpp" line="413"/>
        <source>Cannot Open Audio File</source>
        <translation>Impossible d’ouvrir le fichier audio</translation>
    </message>
</context>
<context>
    <name>PortalShortcuts</name>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="83"/>
        <source>the desktop portal</source>
        <translation>le portail de bureau</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="140"/>
        <source>The desktop portal failed: %1</source>
        <translation>Le portail de bureau a échoué : %1</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="159"/>
        <source>The desktop portal opened no session.</source>
        <translation>Le portail de bureau n’a ouvert aucune session.</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="166"/>
        <source>Refused in the desktop&apos;s dialog.</source>
        <translation>Refusé dans la boîte de dialogue du bureau.</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="167"/>
        <source>The desktop refused the keys.</source>
        <translation>Le bureau a refusé les touches.</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="177"/>
        <source>The desktop did not bind this key.</source>
        <translation>Le bureau n’a pas attribué cette touche.</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="182"/>
        <source>Bound by the desktop.</source>
        <translation>Attribuée par le bureau.</translation>
    </message>
    <message>
        <location filename="../src/inputs/PortalShortcuts.cpp" line="183"/>
        <source>The desktop binds it to %1.</source>
        <translation>Le bureau l’attribue à %1.</translation>
    </message>
</context>
<context>
    <name>ShortcutBackend</name>
    <message>
        <location filename="../src/inputs/ShortcutBackend.cpp" line="4"/>
        <source>Waiting for the desktop to accept the key.</source>
        <translation>En attente de l’accord du bureau pour la touche.</translation>
    </message>
    <message>
        <location filename="../src/inputs/ShortcutBackend.cpp" line="8"/>
        <source>Works in every program.</source>
        <translation>Fonctionne dans tous les programmes.</translation>
    </message>
    <message>
        <location filename="../src/inputs/ShortcutBackend.cpp" line="12"/>
        <source>Another program uses this key.</source>
        <translation>Un autre programme utilise cette touche.</translation>
    </message>
</context>
<context>
    <name>TimeStampPage</name>
    <message>
        <location filename="../src/windows/TimeStampPage.cpp" line="22"/>
        <source>%1, as in %2</source>
        <translation>%1, par exemple %2</translation>
    </message>
    <message>
        <location filename="../src/windows/TimeStampPage.cpp" line="24"/>
        <source>Form of the time stamps</source>
        <translation>Format des horodatages</translation>
    </message>
</context>
<context>
    <name>WaveformStrip</name>
    <message>
        <location filename="../src/windows/WaveformStrip.cpp" line="36"/>
        <source>Click to go there; Ctrl+wheel zooms in and out</source>
        <translation>Cliquez pour y aller ; Ctrl+molette pour zoomer et dézoomer</translation>
    </message>
    <message>
        <location filename="../src/windows/WaveformStrip.cpp" line="37"/>
        <source>Waveform</source>
        <translation>Forme d’onde</translation>
    </message>
</context>
<context>
    <name>X11Shortcuts</name>
    <message>
        <location filename="../src/inputs/X11Shortcuts.cpp" line="61"/>
        <source>X11 key grabs</source>
        <translation>la capture de touches X11</translation>
    </message>
    <message>
        <location filename="../src/inputs/X11Shortcuts.cpp" line="74"/>
        <source>The keyboard has no such key.</source>
        <translation>Le clavier n’a pas cette touche.</translation>
    </message>
    <message>
        <location filename="../src/inputs/X11Shortcuts.cpp" line="79"/>
        <source>The X server refused the key (error %1).</source>
        <translation>Le serveur X a refusé la touche (erreur %1).</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="18"/>
        <source>Copyright © 2026 the Parlanda developers. Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Copyright © 2026 les développeurs de Parlanda. Logiciel libre sous la licence publique générale GNU, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="26"/>
        <source>Thanks to:</source>
        <translation>Merci à :</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="27"/>
        <source>The Qt Project, for the Qt toolkit</source>
        <translation>The Qt Project, pour la bibliothèque Qt</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="28"/>
        <source>The libsndfile developers, for reading sound files</source>
        <translation>les développeurs de libsndfile, pour la lecture des fichiers son</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="29"/>
        <source>The PulseAudio developers, for playing them</source>
        <translation>les développeurs de PulseAudio, pour leur restitution</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="30"/>
        <source>The espeak-ng developers, for the voice of the sample</source>
        <translation>les développeurs d’espeak-ng, pour la voix de l’exemple</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="31"/>
        <source>and the transcribers who tried every step of it.</source>
        <translation>et les transcripteurs qui en ont essayé chaque étape.</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="87"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/windows/frmAbout.cpp" line="104"/>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>frmControls</name>
    <message>
        <location filename="../src/windows/frmControls.cpp" line="15"/>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
</context>
<context>
    <name>frmInfo</name>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="19"/>
        <source>Length: %1 (%2 seconds)</source>
        <translation>Durée : %1 (%2 secondes)</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="41"/>
        <source>stereo</source>
        <translation>stéréo</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="43"/>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="75"/>
        <source>Unable to obtain recording information.</source>
        <translation>Impossible d’obtenir les informations sur l’enregistrement.</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="78"/>
        <source>%1 kHz, %2, %3</source>
        <translation>%1 kHz, %2, %3</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="80"/>
        <source>%1 kHz, %2, %3 bits per channel</source>
        <translation>%1 kHz, %2, %3 bits par canal</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="89"/>
        <source>Audio File Information</source>
        <translation>Informations sur le fichier audio</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="98"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/windows/frmInfo.cpp" line="118"/>
        <source>File: %1</source>
        <translation>Fichier : %1</translation>
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
        <translation>Cliquez pour régler le temps</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="290"/>
        <source>No audio output device</source>
        <translation>Aucun périphérique de sortie audio</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="298"/>
        <source>&amp;File</source>
        <comment>Menu bar</comment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="300"/>
        <source>&amp;Open...</source>
        <comment>File menu</comment>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="303"/>
        <source>Info</source>
        <comment>File menu</comment>
        <translation>Informations</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="306"/>
        <source>E&amp;xit</source>
        <comment>File menu</comment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="315"/>
        <source>&amp;Play</source>
        <comment>Menu bar</comment>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="317"/>
        <source>Jump &amp;Back</source>
        <comment>Play menu</comment>
        <translation>&amp;Reculer</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="318"/>
        <source>&amp;Stop</source>
        <comment>Play menu</comment>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="318"/>
        <source>&amp;Play</source>
        <comment>Play menu</comment>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="319"/>
        <source>Jump &amp;Forward</source>
        <comment>Play menu</comment>
        <translation>A&amp;vancer</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="328"/>
        <source>&amp;Walk</source>
        <comment>Play menu</comment>
        <translation>&amp;Parcourir</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="328"/>
        <source>&amp;Previous Step</source>
        <comment>Play menu</comment>
        <translation>Segment pré&amp;cédent</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="329"/>
        <source>&amp;Current Step</source>
        <comment>Play menu</comment>
        <translation>Segment ac&amp;tuel</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="329"/>
        <source>&amp;Next Step</source>
        <comment>Play menu</comment>
        <translation>Segment &amp;suivant</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="334"/>
        <source>&amp;Looping</source>
        <comment>Menu bar</comment>
        <translation>&amp;Boucle</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="337"/>
        <location filename="../src/windows/frmMainCommands.cpp" line="112"/>
        <source>Disable</source>
        <comment>Looping menu</comment>
        <translation>Désactiver</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="345"/>
        <source>&amp;Tools</source>
        <comment>Menu bar</comment>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="347"/>
        <source>&amp;Options</source>
        <comment>Tools menu</comment>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="349"/>
        <source>&amp;Clear File List</source>
        <comment>Tools menu</comment>
        <translation>&amp;Effacer la liste des fichiers</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="352"/>
        <source>&amp;Go To Time</source>
        <comment>Tools menu</comment>
        <translation>&amp;Aller à un instant</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="354"/>
        <source>&amp;Update Time</source>
        <comment>Tools menu</comment>
        <translation>Actualiser le &amp;temps</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="358"/>
        <source>&amp;Time Stamp</source>
        <comment>Tools menu</comment>
        <translation>&amp;Horodatage</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="361"/>
        <source>Co&amp;ntrols...</source>
        <comment>Tools menu</comment>
        <translation>&amp;Commandes...</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="363"/>
        <source>Show &amp;Waveform</source>
        <comment>Tools menu</comment>
        <translation>Afficher la &amp;forme d’onde</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="366"/>
        <source>Always on &amp;Top</source>
        <comment>Tools menu</comment>
        <translation>Toujours au &amp;premier plan</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="372"/>
        <source>&amp;Help</source>
        <comment>Menu bar</comment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="374"/>
        <source>Contents..</source>
        <comment>Help menu</comment>
        <translation>Sommaire..</translation>
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
        <translation>Rechercher..</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="380"/>
        <source>&amp;About Parlanda..</source>
        <comment>Help menu</comment>
        <translation>À &amp;propos de Parlanda..</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="383"/>
        <source>&amp;Start Here</source>
        <comment>Help menu</comment>
        <translation>&amp;Commencer ici</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="398"/>
        <source>Slo&amp;wer</source>
        <comment>Play menu</comment>
        <translation>Plus le&amp;ntement</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="402"/>
        <source>&amp;Faster</source>
        <comment>Play menu</comment>
        <translation>Plus v&amp;ite</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="406"/>
        <source>Normal &amp;Speed</source>
        <comment>Play menu</comment>
        <translation>Vitesse nor&amp;male</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="424"/>
        <source>Speed %1 %</source>
        <translation>Vitesse %1 %</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="515"/>
        <source>Time stamp %1 copied</source>
        <translation>Horodatage %1 copié</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="518"/>
        <source>Resumed at %1</source>
        <translation>Reprise à %1</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="521"/>
        <source>The file is damaged at %1; it plays as silence there.</source>
        <translation>Le fichier est endommagé à %1 ; il est lu comme du silence à cet endroit.</translation>
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
        <translation>Parlanda n’a pas pu enregistrer ses paramètres et ses fichiers récents dans %1. Les modifications faites depuis le lancement du programme sont perdues.</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMain.cpp" line="646"/>
        <source>No audio file</source>
        <translation>Aucun fichier audio</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="65"/>
        <source>Overflow: the time %1 is too large.</source>
        <translation>Dépassement : le temps %1 est trop grand.</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="67"/>
        <source>Error!</source>
        <translation>Erreur !</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="77"/>
        <source>Audio files</source>
        <translation>Fichiers audio</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="113"/>
        <source>Enable</source>
        <comment>Looping menu</comment>
        <translation>Activer</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="146"/>
        <source>Wave (*.wav)|*.wav|All files (*.*)|*.*</source>
        <translation>Wave (*.wav)|*.wav|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="230"/>
        <source>Playback</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="231"/>
        <source>Time Stamps</source>
        <translation>Horodatages</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="233"/>
        <source>Global Keys</source>
        <translation>Touches globales</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="235"/>
        <source>Foot Pedal</source>
        <translation>Pédale</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="298"/>
        <source>Enter new time:</source>
        <translation>Entrez le nouveau temps :</translation>
    </message>
    <message>
        <location filename="../src/windows/frmMainCommands.cpp" line="298"/>
        <source>Go to new time</source>
        <translation>Aller au nouveau temps</translation>
    </message>
</context>
<context>
    <name>frmSettings</name>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="113"/>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="123"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="126"/>
        <source>Length (in seconds) for each step</source>
        <translation>Durée de chaque segment (en secondes)</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="127"/>
        <source>Number of seconds between successive steps</source>
        <translation>Nombre de secondes entre deux segments successifs</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="128"/>
        <source>Rest duration between loops</source>
        <translation>Durée de la pause entre les répétitions</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="129"/>
        <source>Number of seconds to jump forward or back</source>
        <translation>Nombre de secondes pour avancer ou reculer</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="131"/>
        <source>Step Length</source>
        <translation>Durée du segment</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="132"/>
        <source>Offset Time</source>
        <translation>Décalage</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="133"/>
        <source>Pause Interval</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="134"/>
        <source>Jump Length</source>
        <translation>Longueur du saut</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="148"/>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="149"/>
        <source>Reset to default values</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="154"/>
        <source>Recent Files List</source>
        <translation>Liste des fichiers récents</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="160"/>
        <source>Clear List</source>
        <translation>Effacer la liste</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="161"/>
        <source>Clear recent file list</source>
        <translation>Effacer la liste des fichiers récents</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="162"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="164"/>
        <source>Default Folder for Audio Files</source>
        <translation>Dossier par défaut des fichiers audio</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="308"/>
        <source>Please enter a valid number of seconds.</source>
        <translation>Veuillez entrer un nombre de secondes valide.</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="308"/>
        <source>Invalid Entry</source>
        <translation>Saisie non valide</translation>
    </message>
    <message>
        <location filename="../src/windows/frmSettings.cpp" line="335"/>
        <source>Choose Default Audio Folder</source>
        <translation>Choisir le dossier audio par défaut</translation>
    </message>
</context>
</TS>
