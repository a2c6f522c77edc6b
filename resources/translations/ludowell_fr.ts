<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ActivityPanel</name>
    <message>
        <source>Stopping…</source>
        <translation>Arrêt en cours…</translation>
    </message>
    <message>
        <source>Getting ready…</source>
        <translation>Préparation…</translation>
    </message>
    <message>
        <source>Stop…</source>
        <translation>Arrêter…</translation>
    </message>
    <message>
        <source>Stops the running step after asking</source>
        <translation>Arrête l’étape en cours après confirmation</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progression du téléchargement</translation>
    </message>
</context>
<context>
    <name>ArtworkCard</name>
    <message>
        <source>IN YOUR LIBRARY</source>
        <translation>DANS TA BIBLIOTHÈQUE</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation>État : %1</translation>
    </message>
    <message>
        <source>One-time setup
Your own Steam account</source>
        <translation>Configuration unique
Ton propre compte Steam</translation>
    </message>
    <message>
        <source>STRATEGY   ·   MULTIPLAYER</source>
        <translation>STRATÉGIE   ·   MULTIJOUEUR</translation>
    </message>
</context>
<context>
    <name>DiagnosticsSheet</name>
    <message>
        <source>Details for troubleshooting</source>
        <translation>Détails pour le dépannage</translation>
    </message>
    <message>
        <source>No diagnostic details available.</source>
        <translation>Aucun détail de diagnostic disponible.</translation>
    </message>
    <message>
        <source>Read-only output of the last step</source>
        <translation>Sortie de la dernière étape, en lecture seule</translation>
    </message>
    <message>
        <source>Open log folder</source>
        <translation>Ouvrir le dossier des journaux</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Save Support Report…</source>
        <translation>Enregistrer un rapport d’assistance…</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Expanded</source>
        <translation>Développé</translation>
    </message>
    <message>
        <source>Collapsed</source>
        <translation>Réduit</translation>
    </message>
    <message>
        <source>A little help, whenever.</source>
        <translation>Un peu d’aide, à tout moment.</translation>
    </message>
    <message>
        <source>Everything you need to get from setup to your first game.</source>
        <translation>Tout ce qu’il te faut, de la configuration à ta première partie.</translation>
    </message>
    <message>
        <source>Start with Get started</source>
        <translation>Commence par « Commencer »</translation>
    </message>
    <message>
        <source>Ludowell prepares Steam for this game. Review the component license, then let setup finish. Keep your Mac connected to the internet.</source>
        <translation>Ludowell prépare Steam pour ce jeu. Lis la licence du composant, puis laisse la configuration se terminer. Garde ton Mac connecté à Internet.</translation>
    </message>
    <message>
        <source>Sign in directly to Steam</source>
        <translation>Connecte-toi directement à Steam</translation>
    </message>
    <message>
        <source>Steam opens in a separate window. Use your Steam account or scan the QR code with the Steam mobile app. Complete Steam Guard if prompted. Ludowell never asks for your Steam password.</source>
        <translation>Steam s’ouvre dans une fenêtre séparée. Utilise ton compte Steam ou scanne le code QR avec l’app mobile Steam. Valide Steam Guard si on te le demande. Ludowell ne te demande jamais ton mot de passe Steam.</translation>
    </message>
    <message>
        <source>Install once. Play whenever.</source>
        <translation>Installe une fois. Joue quand tu veux.</translation>
    </message>
    <message>
        <source>After signing in, return here and choose I&apos;m signed in, then Install with Steam. You need to own the game on Steam. Keep Steam&apos;s suggested installation folder. When it&apos;s finished, Play now appears automatically.</source>
        <translation>Une fois connecté, reviens ici et choisis « Je suis connecté », puis « Installer avec Steam ». Tu dois posséder le jeu sur Steam. Garde le dossier d’installation proposé par Steam. Une fois terminé, « Jouer » apparaît automatiquement.</translation>
    </message>
    <message>
        <source>Something not quite right?</source>
        <translation>Quelque chose ne va pas ?</translation>
    </message>
    <message>
        <source>Steam is blank or hasn&apos;t appeared</source>
        <translation>Steam est vide ou ne s’affiche pas</translation>
    </message>
    <message>
        <source>The first launch can take a few minutes while Steam updates. Look for Steam in the Dock. If it remains blank, save and close any running game, use Close Steam session in Settings, then open Steam again.</source>
        <translation>Le premier lancement peut prendre quelques minutes pendant la mise à jour de Steam. Cherche Steam dans le Dock. S’il reste vide, enregistre et quitte tout jeu en cours, utilise « Fermer la session Steam » dans les Réglages, puis rouvre Steam.</translation>
    </message>
    <message>
        <source>I can&apos;t find my game in Steam</source>
        <translation>Je ne trouve pas mon jeu dans Steam</translation>
    </message>
    <message>
        <source>Check that you signed in to the account that owns the game. If Steam shows a price instead of Install, ownership is managed by Steam. This app doesn&apos;t include a game license.</source>
        <translation>Vérifie que tu es connecté au compte qui possède le jeu. Si Steam affiche un prix au lieu d’Installer, la possession est gérée par Steam. Cette app n’inclut pas de licence de jeu.</translation>
    </message>
    <message>
        <source>Steam finished, but Play now isn&apos;t showing</source>
        <translation>Steam a terminé, mais « Jouer » n’apparaît pas</translation>
    </message>
    <message>
        <source>Steam may still be unpacking or verifying the download. Check its Downloads page. Install into the default Steam library; other installation folders aren&apos;t supported in this version.</source>
        <translation>Steam est peut-être encore en train de décompresser ou de vérifier le téléchargement. Consulte sa page Téléchargements. Installe dans la bibliothèque Steam par défaut ; les autres dossiers d’installation ne sont pas pris en charge dans cette version.</translation>
    </message>
    <message>
        <source>My game updated and won&apos;t launch</source>
        <translation>Mon jeu s’est mis à jour et ne se lance plus</translation>
    </message>
    <message>
        <source>Some game versions need specific compatibility fixes. If this app asks for an update, get a newer Ludowell release. Your existing game files and saves stay in place.</source>
        <translation>Certaines versions du jeu demandent des correctifs de compatibilité spécifiques. Si cette app demande une mise à jour, installe une version plus récente de Ludowell. Tes fichiers de jeu et tes sauvegardes restent en place.</translation>
    </message>
    <message>
        <source>Check this Mac</source>
        <translation>Vérifier ce Mac</translation>
    </message>
    <message>
        <source>Open diagnostic logs</source>
        <translation>Ouvrir les journaux de diagnostic</translation>
    </message>
    <message>
        <source>Requires an Apple Silicon Mac, macOS 26 or later, and Rosetta. Ludowell is an independent app; it isn&apos;t affiliated with Apple, Microsoft or Valve. Game artwork and names belong to their respective owners.</source>
        <translation>Nécessite un Mac avec puce Apple Silicon, macOS 26 ou ultérieur et Rosetta. Ludowell est une app indépendante ; elle n’est affiliée ni à Apple, ni à Microsoft, ni à Valve. Les illustrations et noms des jeux appartiennent à leurs propriétaires respectifs.</translation>
    </message>
    <message>
        <source>Save Support Report…</source>
        <translation>Enregistrer un rapport d’assistance…</translation>
    </message>
</context>
<context>
    <name>LibraryPage</name>
    <message>
        <source>Your next adventure.</source>
        <translation>Ta prochaine aventure.</translation>
    </message>
    <message>
        <source>A home for your games on Mac.</source>
        <translation>Un foyer pour tes jeux sur Mac.</translation>
    </message>
    <message numerus="yes">
        <source>%n GAME(S)</source>
        <translation>
            <numerusform>%n JEU</numerusform>
            <numerusform>%n JEUX</numerusform>
        </translation>
    </message>
    <message>
        <source>The first Steam update can take a few minutes. Check the Dock for Steam. If it still doesn&apos;t appear, choose Open Steam again or visit Help.</source>
        <translation>La première mise à jour de Steam peut prendre quelques minutes. Cherche Steam dans le Dock. S’il n’apparaît toujours pas, choisis à nouveau « Ouvrir Steam » ou consulte l’Aide.</translation>
    </message>
    <message>
        <source>Already playing with Ambrovel?</source>
        <translation>Tu joues déjà avec Ambrovel ?</translation>
    </message>
    <message>
        <source>Use your installed game and saves without downloading again.</source>
        <translation>Utilise ton jeu installé et tes sauvegardes sans tout retélécharger.</translation>
    </message>
    <message>
        <source>Use existing setup</source>
        <translation>Utiliser la configuration existante</translation>
    </message>
    <message>
        <source>More supported games will arrive in future updates.</source>
        <translation>D’autres jeux arriveront avec les prochaines mises à jour.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Besoin d’un coup de main ?</translation>
    </message>
</context>
<context>
    <name>LicenseSheet</name>
    <message>
        <source>Let&apos;s prepare your Mac.</source>
        <translation>Préparons ton Mac.</translation>
    </message>
    <message>
        <source>We&apos;ll download Steam and the components needed to run your game. You only need to do this once.</source>
        <translation>Nous allons télécharger Steam et les composants nécessaires à ton jeu. Tu n’as besoin de le faire qu’une fois.</translation>
    </message>
    <message>
        <source>Apple&apos;s graphics component license limits use to developing, testing or evaluating games on Apple hardware. Please review it before continuing.</source>
        <translation>La licence du composant graphique d’Apple en limite l’usage au développement, au test ou à l’évaluation de jeux sur du matériel Apple. Lis-la avant de continuer.</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Apple&apos;s graphics component license, read-only</source>
        <translation>Licence du composant graphique d’Apple, en lecture seule</translation>
    </message>
    <message>
        <source>A few minutes · Internet connection required</source>
        <translation>Quelques minutes · Connexion Internet requise</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <source>Agree &amp; set up Steam</source>
        <translation>Accepter et configurer Steam</translation>
    </message>
</context>
<context>
    <name>MessageCard</name>
    <message>
        <source>Show details</source>
        <translation>Afficher les détails</translation>
    </message>
    <message>
        <source>Get help</source>
        <translation>Obtenir de l’aide</translation>
    </message>
    <message>
        <source>Dismiss message</source>
        <translation>Fermer le message</translation>
    </message>
</context>
<context>
    <name>Nav</name>
    <message>
        <source>Current page</source>
        <translation>Page actuelle</translation>
    </message>
</context>
<context>
    <name>ReadyGuide</name>
    <message>
        <source>You&apos;re all set.</source>
        <translation>Tout est prêt.</translation>
    </message>
    <message>
        <source>Launch your game here. Steam takes care of your account, friends and updates.</source>
        <translation>Lance ton jeu d’ici. Steam s’occupe de ton compte, de tes amis et des mises à jour.</translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation>Ouvrir Steam</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Expanded</source>
        <translation>Développé</translation>
    </message>
    <message>
        <source>Collapsed</source>
        <translation>Réduit</translation>
    </message>
    <message>
        <source>Make yourself at home.</source>
        <translation>Fais comme chez toi.</translation>
    </message>
    <message>
        <source>A few simple preferences. The rest is taken care of.</source>
        <translation>Quelques réglages simples. On s’occupe du reste.</translation>
    </message>
    <message>
        <source>While you play</source>
        <translation>Pendant que tu joues</translation>
    </message>
    <message>
        <source>Show performance overlay</source>
        <translation>Afficher l’indicateur de performances</translation>
    </message>
    <message>
        <source>Displays the frame rate in your game. Applies the next time you start a fresh Steam session.</source>
        <translation>Affiche la fréquence d’images dans ton jeu. S’applique au prochain démarrage d’une nouvelle session Steam.</translation>
    </message>
    <message>
        <source>Steam for %1</source>
        <translation>Steam pour %1</translation>
    </message>
    <message>
        <source>Each game has its own setup. Your Steam login and saves stay on this Mac. Steam Cloud is managed by Steam.</source>
        <translation>Chaque jeu a sa propre configuration. Ta connexion Steam et tes sauvegardes restent sur ce Mac. Steam Cloud est géré par Steam.</translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation>Ouvrir Steam</translation>
    </message>
    <message>
        <source>Close Steam session…</source>
        <translation>Fermer la session Steam…</translation>
    </message>
    <message>
        <source>Advanced &amp; diagnostics</source>
        <translation>Avancé et diagnostic</translation>
    </message>
    <message>
        <source>Game files and local settings</source>
        <translation>Fichiers du jeu et réglages locaux</translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <translation>Dossier de données : %1</translation>
    </message>
    <message>
        <source>Show data folder</source>
        <translation>Afficher le dossier de données</translation>
    </message>
    <message>
        <source>Show logs</source>
        <translation>Afficher les journaux</translation>
    </message>
    <message>
        <source>Check compatibility</source>
        <translation>Vérifier la compatibilité</translation>
    </message>
    <message>
        <source>Logs may contain local paths or Steam account information. Review them before sharing.</source>
        <translation>Les journaux peuvent contenir des chemins locaux ou des informations de compte Steam. Relis-les avant de les partager.</translation>
    </message>
</context>
<context>
    <name>SetupGuide</name>
    <message>
        <source>A few steps, then you&apos;re in.</source>
        <translation>Quelques étapes, et c’est parti.</translation>
    </message>
    <message>
        <source>Let&apos;s get you playing.</source>
        <translation>Préparons ta partie.</translation>
    </message>
    <message>
        <source>STEP %1 OF %2</source>
        <translation>ÉTAPE %1 SUR %2</translation>
    </message>
    <message>
        <source>Prepare your Mac</source>
        <translation>Préparer ton Mac</translation>
    </message>
    <message>
        <source>We&apos;ll install Steam and the components your game needs.</source>
        <translation>Nous installons Steam et les composants dont ton jeu a besoin.</translation>
    </message>
    <message>
        <source>Sign in to Steam</source>
        <translation>Se connecter à Steam</translation>
    </message>
    <message>
        <source>Use your own account in the Steam window.</source>
        <translation>Utilise ton propre compte dans la fenêtre Steam.</translation>
    </message>
    <message>
        <source>Install &amp; play</source>
        <translation>Installer et jouer</translation>
    </message>
    <message>
        <source>Download your game with Steam. Play from here next time.</source>
        <translation>Télécharge ton jeu avec Steam. La prochaine fois, joue depuis ici.</translation>
    </message>
    <message>
        <source>Sign in in the Steam window</source>
        <translation>Connecte-toi dans la fenêtre Steam</translation>
    </message>
    <message>
        <source>Use your Steam username and password or Steam&apos;s QR code. Complete Steam Guard if asked, then return here.</source>
        <translation>Utilise ton nom d’utilisateur et ton mot de passe Steam ou le code QR de Steam. Valide Steam Guard si besoin, puis reviens ici.</translation>
    </message>
    <message>
        <source>I&apos;m signed in</source>
        <translation>Je suis connecté</translation>
    </message>
    <message>
        <source>I can&apos;t see the Steam window</source>
        <translation>Je ne vois pas la fenêtre Steam</translation>
    </message>
    <message>
        <source>Steam is downloading your game</source>
        <translation>Steam télécharge ton jeu</translation>
    </message>
    <message>
        <source>Install your own copy through Steam</source>
        <translation>Installe ta propre copie avec Steam</translation>
    </message>
    <message>
        <source>Keep Steam open while your game downloads. You can check progress in Steam’s Downloads tab. This page updates when the game is ready.</source>
        <translation>Garde Steam ouvert pendant le téléchargement de ton jeu. Tu peux suivre la progression dans l’onglet Téléchargements de Steam. Cette page se met à jour quand le jeu est prêt.</translation>
    </message>
    <message>
        <source>Choose Install in Steam and keep the suggested folder. Leave Steam open; this page will update when the game is ready.</source>
        <translation>Choisis Installer dans Steam et garde le dossier proposé. Laisse Steam ouvert ; cette page se mettra à jour quand le jeu sera prêt.</translation>
    </message>
    <message>
        <source>Game download progress</source>
        <translation>Progression du téléchargement du jeu</translation>
    </message>
    <message>
        <source>%1% downloaded</source>
        <translation>%1 % téléchargés</translation>
    </message>
    <message>
        <source>%1% downloaded · Steam may still need to unpack or verify files</source>
        <translation>%1 % téléchargés · Steam doit peut-être encore décompresser ou vérifier des fichiers</translation>
    </message>
    <message>
        <source>Not signed in yet? Open Steam</source>
        <translation>Pas encore connecté ? Ouvrir Steam</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>YOUR SPACE</source>
        <translation>TON ESPACE</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothèque</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Made for your Mac</source>
        <translation>Conçu pour ton Mac</translation>
    </message>
    <message>
        <source>DESIGN PREVIEW</source>
        <translation>APERÇU DE CONCEPTION</translation>
    </message>
    <message>
        <source>VERSION %1</source>
        <translation>VERSION %1</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>In progress</source>
        <translation>En cours</translation>
    </message>
</context>
<context>
    <name>StorageCard</name>
    <message>
        <source>Storage</source>
        <translation>Stockage</translation>
    </message>
    <message>
        <source>Measure again</source>
        <translation>Mesurer à nouveau</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Afficher %1</translation>
    </message>
    <message>
        <source>Remove downloaded installers…</source>
        <translation>Supprimer les programmes d’installation téléchargés…</translation>
    </message>
    <message>
        <source>Remove logs older than 30 days…</source>
        <translation>Supprimer les journaux de plus de 30 jours…</translation>
    </message>
</context>
<context>
    <name>UpdatesPanel</name>
    <message>
        <source>App updates</source>
        <translation>Mises à jour de l’app</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Rechercher les mises à jour automatiquement</translation>
    </message>
    <message>
        <source>Installation waits for your game and Steam to close. Your games and saves stay in place.</source>
        <translation>L’installation attend la fermeture de ton jeu et de Steam. Tes jeux et sauvegardes restent en place.</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher les mises à jour…</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>Ctrl+</source>
        <translation>Ctrl+</translation>
    </message>
    <message>
        <source>About Ludowell</source>
        <translation>À propos de Ludowell</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher les mises à jour…</translation>
    </message>
    <message>
        <source>Quit Ludowell</source>
        <translation>Quitter Ludowell</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>ludowell::ChildLines</name>
    <message>
        <source>ERROR: %1</source>
        <translation>ERREUR : %1</translation>
    </message>
    <message>
        <source>Apple Silicon, macOS and Rosetta compatibility checks passed.</source>
        <translation>Vérifications de compatibilité Apple Silicon, macOS et Rosetta réussies.</translation>
    </message>
    <message>
        <source>Only Ludowell&apos;s game and Steam environment were stopped.</source>
        <translation>Seuls l’environnement de jeu et Steam de Ludowell ont été arrêtés.</translation>
    </message>
    <message>
        <source>Data location: %1</source>
        <translation>Emplacement des données : %1</translation>
    </message>
    <message>
        <source>Runtime: %1 | Steam: %2 | AoE IV: %3</source>
        <translation>Environnement : %1 | Steam : %2 | AoE IV : %3</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>prêt</translation>
    </message>
    <message>
        <source>not set up</source>
        <translation>non configuré</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>installé</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>non installé</translation>
    </message>
    <message>
        <source>Game version matches the optimized build.</source>
        <translation>La version du jeu correspond à la build optimisée.</translation>
    </message>
    <message>
        <source>Game update needs revalidation; optimized launch is blocked.</source>
        <translation>La mise à jour du jeu doit être revalidée ; le lancement optimisé est bloqué.</translation>
    </message>
    <message>
        <source>Downloading the validated graphics and dependency package (about %1 MB)…</source>
        <translation>Téléchargement du paquet graphique et de dépendances validé (environ %1 Mo)…</translation>
    </message>
    <message>
        <source>Preparing a fresh Windows environment; no existing Steam accounts are imported…</source>
        <translation>Préparation d’un nouvel environnement Windows ; aucun compte Steam existant n’est importé…</translation>
    </message>
    <message>
        <source>The independent runtime is ready.</source>
        <translation>L’environnement indépendant est prêt.</translation>
    </message>
    <message>
        <source>Downloading the official Windows Steam installer…</source>
        <translation>Téléchargement du programme d’installation officiel de Steam pour Windows…</translation>
    </message>
    <message>
        <source>Steam is installed. Sign in with your own account and install %1 in the default Steam library.</source>
        <translation>Steam est installé. Connecte-toi avec ton propre compte et installe %1 dans la bibliothèque Steam par défaut.</translation>
    </message>
    <message>
        <source>Checking the installed game version…</source>
        <translation>Vérification de la version installée du jeu…</translation>
    </message>
    <message>
        <source>Steam is already open. The HUD change takes effect after exiting Steam and reopening it.</source>
        <translation>Steam est déjà ouvert. Le changement de l’indicateur prendra effet après avoir quitté puis rouvert Steam.</translation>
    </message>
    <message>
        <source>AoE IV launch requested. Steam may show a confirmation dialog.</source>
        <translation>Lancement d’AoE IV demandé. Steam peut afficher une demande de confirmation.</translation>
    </message>
    <message>
        <source>Steam launch requested. Initial client updates can take a few minutes.</source>
        <translation>Lancement de Steam demandé. Les premières mises à jour du client peuvent prendre quelques minutes.</translation>
    </message>
    <message>
        <source>Updating game components. Steam, games and saves will stay in place…</source>
        <translation>Mise à jour des composants du jeu. Steam, les jeux et les sauvegardes restent en place…</translation>
    </message>
    <message>
        <source>Game components updated. The previous engine has been retained for recovery.</source>
        <translation>Composants du jeu mis à jour. Le moteur précédent a été conservé pour la récupération.</translation>
    </message>
    <message>
        <source>This is taking longer than expected. Please try again. Your downloads are kept.</source>
        <translation>Cela prend plus de temps que prévu. Réessaie. Tes téléchargements sont conservés.</translation>
    </message>
    <message>
        <source>An unexpected error stopped this step.</source>
        <translation>Une erreur inattendue a interrompu cette étape.</translation>
    </message>
    <message>
        <source>This build requires macOS 26 or later. Earlier macOS versions have not been validated.</source>
        <translation>Cette build nécessite macOS 26 ou ultérieur. Les versions antérieures de macOS n’ont pas été validées.</translation>
    </message>
    <message>
        <source>Rosetta is required. Open an Intel app and follow macOS&apos;s Rosetta installation prompt, then try again.</source>
        <translation>Rosetta est requis. Ouvre une app Intel et suis l’invite d’installation de Rosetta de macOS, puis réessaie.</translation>
    </message>
    <message>
        <source>The optimization is not compatible with this Mac&apos;s current Rosetta runtime. No system settings were changed. %1</source>
        <translation>L’optimisation n’est pas compatible avec l’environnement Rosetta actuel de ce Mac. Aucun réglage système n’a été modifié. %1</translation>
    </message>
    <message>
        <source>tessaline did not answer within 25 seconds.</source>
        <translation>tessaline n’a pas répondu dans les 25 secondes.</translation>
    </message>
    <message>
        <source>Save and close AoE IV and this app&apos;s Steam client before setting up or repairing the environment.</source>
        <translation>Enregistre et quitte AoE IV et le client Steam de cette app avant de configurer ou de réparer l’environnement.</translation>
    </message>
    <message>
        <source>%1 failed (%2). %3</source>
        <translation>Échec de %1 (%2). %3</translation>
    </message>
    <message>
        <source>Logs: %1</source>
        <translation>Journaux : %1</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>Le disque est plein. Libère de l’espace et réessaie.</translation>
    </message>
    <message>
        <source>The disk is full: this step needs about %1 MB more free space. Free up some space and try again.</source>
        <translation>Le disque est plein : cette étape a besoin d’environ %1 Mo d’espace libre en plus. Libère de l’espace et réessaie.</translation>
    </message>
    <message>
        <source>The downloaded file differs from the validated version. Setup stopped without executing it. A newer launcher may be needed.</source>
        <translation>Le fichier téléchargé diffère de la version validée. La configuration s’est arrêtée sans l’exécuter. Un lanceur plus récent est peut-être nécessaire.</translation>
    </message>
    <message>
        <source>Stopped at your request. Finished steps and downloads are kept.</source>
        <translation>Arrêté à ta demande. Les étapes terminées et les téléchargements sont conservés.</translation>
    </message>
    <message>
        <source>Unexpected graphics package layout.</source>
        <translation>Structure du paquet graphique inattendue.</translation>
    </message>
    <message>
        <source>Wine did not finish creating the Windows environment. Check the setup logs and retry.</source>
        <translation>Wine n’a pas fini de créer l’environnement Windows. Consulte les journaux de configuration et réessaie.</translation>
    </message>
    <message>
        <source>Run Set up Steam first.</source>
        <translation>Configure d’abord Steam.</translation>
    </message>
    <message>
        <source>Steam installation did not finish. Retry setup; your existing files will be kept.</source>
        <translation>L’installation de Steam ne s’est pas terminée. Relance la configuration ; tes fichiers existants seront conservés.</translation>
    </message>
    <message>
        <source>Click Set up Steam before opening the library.</source>
        <translation>Configure Steam avant d’ouvrir la bibliothèque.</translation>
    </message>
    <message>
        <source>Install %1 in this Steam client&apos;s default library, then choose Play now.</source>
        <translation>Installe %1 dans la bibliothèque par défaut de ce client Steam, puis choisis « Jouer ».</translation>
    </message>
    <message>
        <source>This game build has not been validated for the optimizations. Please update Ludowell.</source>
        <translation>Cette build du jeu n’a pas été validée pour les optimisations. Mets Ludowell à jour.</translation>
    </message>
    <message>
        <source>Could not open the operation lock.</source>
        <translation>Impossible d’ouvrir le verrou d’opération.</translation>
    </message>
    <message>
        <source>Another setup or launch is already in progress. Please wait for it to finish.</source>
        <translation>Une autre configuration ou un autre lancement est déjà en cours. Attends qu’il se termine.</translation>
    </message>
    <message>
        <source>The data folder given with --data-root is empty.</source>
        <translation>Le dossier de données indiqué avec --data-root est vide.</translation>
    </message>
    <message>
        <source>Please review the setup license in Ludowell first.</source>
        <translation>Lis d’abord la licence de configuration dans Ludowell.</translation>
    </message>
    <message>
        <source>Unknown action.</source>
        <translation>Action inconnue.</translation>
    </message>
    <message>
        <source>Could not open the update lock.</source>
        <translation>Impossible d’ouvrir le verrou de mise à jour.</translation>
    </message>
    <message>
        <source>An update or launch is already in progress. Please wait for it to finish.</source>
        <translation>Une mise à jour ou un lancement est déjà en cours. Attends qu’il se termine.</translation>
    </message>
    <message>
        <source>Save and close your game and Steam before updating game components.</source>
        <translation>Enregistre et quitte ton jeu et Steam avant la mise à jour des composants du jeu.</translation>
    </message>
    <message>
        <source>The new game components failed verification. Your previous engine is unchanged.</source>
        <translation>Les nouveaux composants du jeu n’ont pas passé la vérification. Ton moteur précédent n’a pas changé.</translation>
    </message>
    <message>
        <source>Invalid runtime dependency manifest.</source>
        <translation>Manifeste des dépendances de l’environnement non valide.</translation>
    </message>
    <message>
        <source>Missing dependency: %1</source>
        <translation>Dépendance manquante : %1</translation>
    </message>
    <message>
        <source>The staged engine is incomplete. Your previous engine is unchanged.</source>
        <translation>Le moteur préparé est incomplet. Ton moteur précédent n’a pas changé.</translation>
    </message>
    <message>
        <source>The new engine didn&apos;t pass its startup check. Your previous engine is unchanged.</source>
        <translation>Le nouveau moteur n’a pas passé son test de démarrage. Ton moteur précédent n’a pas changé.</translation>
    </message>
    <message>
        <source>Unsupported engine manifest format.</source>
        <translation>Format de manifeste du moteur non pris en charge.</translation>
    </message>
    <message>
        <source>Invalid engine update manifest.</source>
        <translation>Manifeste de mise à jour du moteur non valide.</translation>
    </message>
    <message>
        <source>Invalid engine update path or hash.</source>
        <translation>Chemin ou empreinte de mise à jour du moteur non valide.</translation>
    </message>
    <message>
        <source>This game profile is invalid.</source>
        <translation>Ce profil de jeu n’est pas valide.</translation>
    </message>
    <message>
        <source>The Age of Empires optimization requires its validated game profile.</source>
        <translation>L’optimisation d’Age of Empires nécessite son profil de jeu validé.</translation>
    </message>
    <message>
        <source>The game library contains duplicate or missing games.</source>
        <translation>La bibliothèque de jeux contient des jeux en double ou manquants.</translation>
    </message>
    <message>
        <source>The game library is missing. Please reinstall this app.</source>
        <translation>La bibliothèque de jeux est introuvable. Réinstalle cette app.</translation>
    </message>
    <message>
        <source>A file</source>
        <translation>Un fichier</translation>
    </message>
    <message>
        <source>The disk is full: %1 could not be written. Free up some space and try again.</source>
        <translation>Le disque est plein : impossible d’écrire %1. Libère de l’espace et réessaie.</translation>
    </message>
    <message>
        <source>%1 cannot be written: its disk is read-only.</source>
        <translation>Impossible d’écrire %1 : son disque est en lecture seule.</translation>
    </message>
    <message>
        <source>%1 cannot be used: permission denied.</source>
        <translation>Impossible d’utiliser %1 : autorisation refusée.</translation>
    </message>
    <message>
        <source>%1 cannot be read or written: the disk reported an input/output error.</source>
        <translation>Impossible de lire ou d’écrire %1 : le disque a signalé une erreur d’entrée/sortie.</translation>
    </message>
    <message>
        <source>The data folder&apos;s path contains &quot;:&quot; (shown as &quot;/&quot; in the Finder), which the game&apos;s Windows environment cannot use. Choose a folder whose path has neither.</source>
        <translation>Le chemin du dossier de données contient « : » (affiché comme « / » dans le Finder), ce que l’environnement Windows du jeu ne peut pas utiliser. Choisis un dossier dont le chemin ne contient ni l’un ni l’autre.</translation>
    </message>
    <message>
        <source>The data folder&apos;s path is too long for the game&apos;s Windows environment. Choose a folder with a shorter path.</source>
        <translation>Le chemin du dossier de données est trop long pour l’environnement Windows du jeu. Choisis un dossier au chemin plus court.</translation>
    </message>
    <message>
        <source>Could not start %1</source>
        <translation>Impossible de lancer %1</translation>
    </message>
    <message>
        <source>Writing the support report…</source>
        <translation>Rédaction du rapport d’assistance…</translation>
    </message>
    <message>
        <source>Support report saved: %1</source>
        <translation>Rapport d’assistance enregistré : %1</translation>
    </message>
    <message>
        <source>The folder for the support report does not exist: %1</source>
        <translation>Le dossier du rapport d’assistance n’existe pas : %1</translation>
    </message>
    <message>
        <source>The support report could not be packed.</source>
        <translation>Le rapport d’assistance n’a pas pu être compressé.</translation>
    </message>
    <message>
        <source>Save and close your game and this app&apos;s Steam client before cleaning up.</source>
        <translation>Enregistre et quitte ton jeu et le client Steam de cette app avant de faire le ménage.</translation>
    </message>
    <message>
        <source>No downloaded installers to remove.</source>
        <translation>Aucun programme d’installation téléchargé à supprimer.</translation>
    </message>
    <message>
        <source>Removed the downloaded installers and freed %1. A later repair downloads them again.</source>
        <translation>Les programmes d’installation téléchargés ont été supprimés et %1 libérés. Une réparation ultérieure les téléchargera à nouveau.</translation>
    </message>
    <message>
        <source>No logs older than 30 days to remove.</source>
        <translation>Aucun journal de plus de 30 jours à supprimer.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n log(s) older than 30 days and freed %1.</source>
        <translation>
            <numerusform>%n journal de plus de 30 jours a été supprimé et %1 libérés.</numerusform>
            <numerusform>%n journaux de plus de 30 jours ont été supprimés et %1 libérés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ludowell::DownloadWatch</name>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 · %2/s</source>
        <translation>%1 · %2/s</translation>
    </message>
</context>
<context>
    <name>ludowell::LibraryModel</name>
    <message>
        <source>Steam couldn&apos;t connect. Check your internet connection, then try again.</source>
        <translation>Steam n’a pas pu se connecter. Vérifie ta connexion Internet, puis réessaie.</translation>
    </message>
    <message>
        <source>Working on it</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Setup needed</source>
        <translation>Configuration requise</translation>
    </message>
    <message>
        <source>Sign in to Steam</source>
        <translation>Se connecter à Steam</translation>
    </message>
    <message>
        <source>Ready to install</source>
        <translation>Prêt à installer</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Ready to play</source>
        <translation>Prêt à jouer</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En cours d’exécution</translation>
    </message>
    <message>
        <source>Getting ready…</source>
        <translation>Préparation…</translation>
    </message>
    <message>
        <source>Opening your game…</source>
        <translation>Ouverture de ton jeu…</translation>
    </message>
    <message>
        <source>Get started</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Open Steam to sign in</source>
        <translation>Ouvrir Steam pour se connecter</translation>
    </message>
    <message>
        <source>Install with Steam</source>
        <translation>Installer avec Steam</translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation>Ouvrir Steam</translation>
    </message>
    <message>
        <source>Play now</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Downloading game components…</source>
        <translation>Téléchargement des composants du jeu…</translation>
    </message>
    <message>
        <source>Preparing your Mac for play…</source>
        <translation>Préparation de ton Mac…</translation>
    </message>
    <message>
        <source>Installing Steam…</source>
        <translation>Installation de Steam…</translation>
    </message>
    <message>
        <source>Checking your game…</source>
        <translation>Vérification de ton jeu…</translation>
    </message>
    <message>
        <source>This version needs macOS 26 or later. Update macOS in System Settings, then try again.</source>
        <translation>Cette version nécessite macOS 26 ou ultérieur. Mets macOS à jour dans Réglages Système, puis réessaie.</translation>
    </message>
    <message>
        <source>Rosetta is needed to run Steam. Open an Intel app and follow Apple&apos;s installation prompt, then try again.</source>
        <translation>Rosetta est nécessaire pour exécuter Steam. Ouvre une app Intel et suis l’invite d’installation d’Apple, puis réessaie.</translation>
    </message>
    <message>
        <source>The gaming components aren&apos;t compatible with this Mac&apos;s current Rosetta version. Please contact support with the details below.</source>
        <translation>Les composants du jeu ne sont pas compatibles avec la version actuelle de Rosetta sur ce Mac. Contacte l’assistance avec les détails ci-dessous.</translation>
    </message>
    <message>
        <source>Steam has installed a newer game version. A Ludowell update is needed before this game can launch safely.</source>
        <translation>Steam a installé une version plus récente du jeu. Une mise à jour de Ludowell est nécessaire pour le lancer en toute sécurité.</translation>
    </message>
    <message>
        <source>A download has changed since this app was released. Please get an updated Ludowell app.</source>
        <translation>Un téléchargement a changé depuis la sortie de cette app. Installe une version à jour de Ludowell.</translation>
    </message>
    <message>
        <source>Another setup or launch is in progress. Let it finish, then try again.</source>
        <translation>Une autre configuration ou un autre lancement est en cours. Laisse-le se terminer, puis réessaie.</translation>
    </message>
    <message>
        <source>Please save your game and exit Steam before preparing this setup again.</source>
        <translation>Enregistre ta partie et quitte Steam avant de relancer cette configuration.</translation>
    </message>
    <message>
        <source>We couldn&apos;t finish that step. Check your internet connection and try again. Your completed downloads are kept.</source>
        <translation>Impossible de terminer cette étape. Vérifie ta connexion Internet et réessaie. Tes téléchargements terminés sont conservés.</translation>
    </message>
    <message>
        <source>Preparing Steam…</source>
        <translation>Préparation de Steam…</translation>
    </message>
    <message>
        <source>Opening Steam…</source>
        <translation>Ouverture de Steam…</translation>
    </message>
    <message>
        <source>Steam is opening in a separate window. The first launch may take a few minutes while Steam updates.</source>
        <translation>Steam s’ouvre dans une fenêtre séparée. Le premier lancement peut prendre quelques minutes pendant la mise à jour de Steam.</translation>
    </message>
    <message>
        <source>In Steam, confirm Install and keep the suggested folder. You can return here while the download finishes.</source>
        <translation>Dans Steam, confirme Installer et garde le dossier proposé. Tu peux revenir ici pendant la fin du téléchargement.</translation>
    </message>
    <message>
        <source>Your game is opening through Steam. If Steam asks for confirmation, choose Play.</source>
        <translation>Ton jeu s’ouvre via Steam. Si Steam demande une confirmation, choisis Jouer.</translation>
    </message>
    <message>
        <source>This Mac passed the compatibility checks.</source>
        <translation>Ce Mac a réussi les vérifications de compatibilité.</translation>
    </message>
    <message>
        <source>This game&apos;s Steam session has closed.</source>
        <translation>La session Steam de ce jeu est fermée.</translation>
    </message>
    <message>
        <source>This is a design preview. No game or Steam process was started.</source>
        <translation>Ceci est un aperçu de conception. Aucun processus de jeu ou Steam n’a été lancé.</translation>
    </message>
    <message>
        <source>The step was stopped. Everything it finished is kept, so the next attempt picks up from there.</source>
        <translation>L’étape a été arrêtée. Tout ce qui était terminé est conservé ; la prochaine tentative reprendra à partir de là.</translation>
    </message>
    <message>
        <source>Your setup preference couldn&apos;t be saved. Please try again.</source>
        <translation>Ton choix de configuration n’a pas pu être enregistré. Réessaie.</translation>
    </message>
    <message>
        <source>We couldn&apos;t save your progress. Please try again.</source>
        <translation>Ta progression n’a pas pu être enregistrée. Réessaie.</translation>
    </message>
    <message>
        <source>Use your existing Steam setup?</source>
        <translation>Utiliser ta configuration Steam existante ?</translation>
    </message>
    <message>
        <source>Ludowell will use the same Steam account, installed game and saves as Ambrovel. Close the old launcher before using this one. No files will be moved or deleted.</source>
        <translation>Ludowell utilisera le même compte Steam, le même jeu installé et les mêmes sauvegardes qu’Ambrovel. Ferme l’ancien lanceur avant d’utiliser celui-ci. Aucun fichier ne sera déplacé ni supprimé.</translation>
    </message>
    <message>
        <source>Use existing setup</source>
        <translation>Utiliser la configuration existante</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close this game&apos;s Steam session?</source>
        <translation>Fermer la session Steam de ce jeu ?</translation>
    </message>
    <message>
        <source>Save and exit your game first. Continuing will close its game and Steam processes, and unsaved progress will be lost.</source>
        <translation>Enregistre et quitte d’abord ton jeu. Si tu continues, ses processus de jeu et Steam seront fermés et toute progression non enregistrée sera perdue.</translation>
    </message>
    <message>
        <source>Close session</source>
        <translation>Fermer la session</translation>
    </message>
    <message>
        <source>No data received for 15 s. Check your connection.</source>
        <translation>Aucune donnée reçue depuis 15 s. Vérifie ta connexion.</translation>
    </message>
    <message>
        <source>Stop this step?</source>
        <translation>Arrêter cette étape ?</translation>
    </message>
    <message>
        <source>Ludowell stops where it is. Everything already finished is kept, and the next attempt picks up from there.</source>
        <translation>Ludowell s’arrête là où il en est. Tout ce qui est déjà terminé est conservé ; la prochaine tentative reprendra à partir de là.</translation>
    </message>
    <message>
        <source>Keep working</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Stop step</source>
        <translation>Arrêter l’étape</translation>
    </message>
    <message>
        <source>This data folder can&apos;t hold the game&apos;s Windows environment: a folder name in its path has a &quot;/&quot;, or the path is too long. Choose another folder, then try again.</source>
        <translation>Ce dossier de données ne peut pas accueillir l’environnement Windows du jeu : un nom de dossier de son chemin contient « / », ou le chemin est trop long. Choisis un autre dossier, puis réessaie.</translation>
    </message>
    <message>
        <source>Writing the support report…</source>
        <translation>Rédaction du rapport d’assistance…</translation>
    </message>
    <message>
        <source>Removing downloaded installers…</source>
        <translation>Suppression des programmes d’installation téléchargés…</translation>
    </message>
    <message>
        <source>Removing old logs…</source>
        <translation>Suppression des anciens journaux…</translation>
    </message>
    <message>
        <source>Ludowell was updated or moved while this window was open. Quit and reopen Ludowell, then try again.</source>
        <translation>Ludowell a été mis à jour ou déplacé pendant que cette fenêtre était ouverte. Quitte et rouvre Ludowell, puis réessaie.</translation>
    </message>
    <message>
        <source>Your support report is saved in Downloads as “%1”. Attach it to your request for help.</source>
        <translation>Ton rapport d’assistance est enregistré dans Téléchargements sous le nom « %1 ». Joins-le à ta demande d’aide.</translation>
    </message>
    <message>
        <source>There are no downloaded installers to remove.</source>
        <translation>Il n’y a aucun programme d’installation téléchargé à supprimer.</translation>
    </message>
    <message>
        <source>Remove downloaded installers?</source>
        <translation>Supprimer les programmes d’installation téléchargés ?</translation>
    </message>
    <message>
        <source>This frees %1. The installers Ludowell downloaded during setup are removed; a later repair downloads them again. Steam, your game, saves and engines stay as they are.</source>
        <translation>Cela libère %1. Les programmes d’installation téléchargés par Ludowell pendant la configuration sont supprimés ; une réparation ultérieure les téléchargera à nouveau. Steam, ton jeu, tes sauvegardes et les moteurs restent tels quels.</translation>
    </message>
    <message>
        <source>Remove installers</source>
        <translation>Supprimer les programmes</translation>
    </message>
    <message>
        <source>There are no logs older than 30 days.</source>
        <translation>Il n’y a aucun journal de plus de 30 jours.</translation>
    </message>
    <message>
        <source>Remove logs older than 30 days?</source>
        <translation>Supprimer les journaux de plus de 30 jours ?</translation>
    </message>
    <message>
        <source>This frees %1 (%2). Logs from the last 30 days stay for troubleshooting; nothing else is touched.</source>
        <translation>Cela libère %1 (%2). Les journaux des 30 derniers jours restent pour le dépannage ; rien d’autre n’est modifié.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln log(s)</source>
        <translation>
            <numerusform>%Ln journal</numerusform>
            <numerusform>%Ln journaux</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove logs</source>
        <translation>Supprimer les journaux</translation>
    </message>
    <message>
        <source>Ludowell Support Report %1 at %2</source>
        <translation>Rapport d’assistance Ludowell %1 à %2</translation>
    </message>
</context>
<context>
    <name>ludowell::LinuxUpdateService</name>
    <message>
        <source>The update feed is not an appcast.</source>
        <translation>Le flux de mises à jour n’est pas un appcast.</translation>
    </message>
    <message>
        <source>The update feed could not be read: %1</source>
        <translation>Le flux de mises à jour n’a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>Updates are not set up for this copy of Ludowell.</source>
        <translation>Les mises à jour ne sont pas configurées pour cette copie de Ludowell.</translation>
    </message>
    <message>
        <source>The update settings of this copy of Ludowell are damaged.</source>
        <translation>Les réglages de mise à jour de cette copie de Ludowell sont endommagés.</translation>
    </message>
    <message>
        <source>The update feed is larger than any feed Ludowell reads, so it was not read.</source>
        <translation>Le flux de mises à jour dépasse la taille de tout flux que Ludowell lit ; il n’a donc pas été lu.</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t reach the update server (%1).</source>
        <translation>Ludowell n’a pas pu joindre le serveur de mises à jour (%1).</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t reach the update server.</source>
        <translation>Ludowell n’a pas pu joindre le serveur de mises à jour.</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t store the update (%1).</source>
        <translation>Ludowell n’a pas pu enregistrer la mise à jour (%1).</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t store the update.</source>
        <translation>Ludowell n’a pas pu enregistrer la mise à jour.</translation>
    </message>
    <message>
        <source>The update download is larger than the feed announced, so it was stopped. Please try again later.</source>
        <translation>Le téléchargement de la mise à jour dépasse la taille annoncée par le flux ; il a donc été arrêté. Réessaie plus tard.</translation>
    </message>
    <message>
        <source>The update could not be downloaded (%1).</source>
        <translation>La mise à jour n’a pas pu être téléchargée (%1).</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>La mise à jour n’a pas pu être téléchargée.</translation>
    </message>
    <message>
        <source>The update download is incomplete: expected %1 bytes, got %2. Please try again later.</source>
        <translation>Le téléchargement de la mise à jour est incomplet : %1 octets attendus, %2 reçus. Réessaie plus tard.</translation>
    </message>
    <message>
        <source>The update is not signed by Ludowell&apos;s developer, so it was not installed.</source>
        <translation>La mise à jour n’est pas signée par le développeur de Ludowell ; elle n’a donc pas été installée.</translation>
    </message>
    <message>
        <source>The update could not be unpacked (%1).</source>
        <translation>La mise à jour n’a pas pu être décompressée (%1).</translation>
    </message>
    <message>
        <source>The update could not be unpacked.</source>
        <translation>La mise à jour n’a pas pu être décompressée.</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t replace itself with the new version (%1). The current version was kept.</source>
        <translation>Ludowell n’a pas pu se remplacer par la nouvelle version (%1). La version actuelle a été conservée.</translation>
    </message>
    <message>
        <source>its unpacked copy is no longer usable</source>
        <translation>sa copie décompressée n’est plus utilisable</translation>
    </message>
    <message>
        <source>The update does not contain a usable %1.</source>
        <translation>La mise à jour ne contient pas de %1 utilisable.</translation>
    </message>
    <message>
        <source>The update holds version %1, not the offered %2, so it was not installed.</source>
        <translation>La mise à jour contient la version %1 et non la version proposée %2 ; elle n’a donc pas été installée.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
</context>
<context>
    <name>ludowell::Storage</name>
    <message>
        <source>Windows environment</source>
        <translation>Environnement Windows</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>Engine %1</source>
        <translation>Moteur %1</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>utilisé</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>conservé</translation>
    </message>
    <message>
        <source>Graphics package</source>
        <translation>Paquet graphique</translation>
    </message>
    <message>
        <source>Downloaded installers</source>
        <translation>Programmes d’installation téléchargés</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Journaux</translation>
    </message>
    <message>
        <source>%1 free on this disk</source>
        <translation>%1 libres sur ce disque</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Mesure en cours…</translation>
    </message>
    <message numerus="yes">
        <source>Measuring… %Ln file(s) so far</source>
        <translation>
            <numerusform>Mesure en cours… %Ln fichier jusqu’ici</numerusform>
            <numerusform>Mesure en cours… %Ln fichiers jusqu’ici</numerusform>
        </translation>
    </message>
    <message>
        <source>Steam</source>
        <translation>Steam</translation>
    </message>
</context>
<context>
    <name>ludowell::Updates</name>
    <message>
        <source>Checks securely for new versions of Ludowell.</source>
        <translation>Recherche en toute sécurité les nouvelles versions de Ludowell.</translation>
    </message>
    <message>
        <source>You&apos;re using the latest version of Ludowell.</source>
        <translation>Tu utilises la dernière version de Ludowell.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates. Please try again later.</source>
        <translation>Impossible de rechercher les mises à jour. Réessaie plus tard.</translation>
    </message>
    <message>
        <source>Update ready. Save and close your game and Steam; Ludowell will then update.</source>
        <translation>Mise à jour prête. Enregistre et ferme ton jeu et Steam ; Ludowell se mettra ensuite à jour.</translation>
    </message>
    <message>
        <source>Installing update…</source>
        <translation>Installation de la mise à jour…</translation>
    </message>
    <message>
        <source>Save and close your game and its Steam session before checking for updates. Ludowell will check again later.</source>
        <translation>Enregistre et ferme ton jeu et sa session Steam avant de rechercher des mises à jour. Ludowell réessaiera plus tard.</translation>
    </message>
    <message>
        <source>Ludowell %1 is available.</source>
        <translation>Ludowell %1 est disponible.</translation>
    </message>
</context>
<context>
    <name>ludowell::ui::Alerts</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t open</source>
        <translation>Impossible d’ouvrir Ludowell</translation>
    </message>
    <message>
        <source>A new version of Ludowell is available!</source>
        <translation>Une nouvelle version de Ludowell est disponible !</translation>
    </message>
    <message>
        <source>Ludowell %1 is now available—you have %2. Would you like to install it now?</source>
        <translation>Ludowell %1 est disponible (tu as la version %2). Veux-tu l’installer maintenant ?</translation>
    </message>
    <message>
        <source>Install Update</source>
        <translation>Installer la mise à jour</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Tu es à jour !</translation>
    </message>
    <message>
        <source>Ludowell %1 is currently the newest version available.</source>
        <translation>Ludowell %1 est la version la plus récente disponible.</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Erreur de mise à jour !</translation>
    </message>
</context>
<context>
    <name>ludowell::ui::AppDelegate</name>
    <message>
        <source>Finish playing before updating</source>
        <translation>Termine ta partie avant la mise à jour</translation>
    </message>
    <message>
        <source>Save and close your game and Steam. Ludowell will keep the update ready for you.</source>
        <translation>Enregistre et ferme ton jeu et Steam. Ludowell garde la mise à jour prête pour toi.</translation>
    </message>
    <message>
        <source>Setup is still working</source>
        <translation>La configuration est toujours en cours</translation>
    </message>
    <message>
        <source>Let this step finish before closing Ludowell. You can minimize this window while you wait.</source>
        <translation>Laisse cette étape se terminer avant de fermer Ludowell. Tu peux réduire cette fenêtre en attendant.</translation>
    </message>
    <message>
        <source>Keep working</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Let this step finish before closing. You can minimize the window while you wait.</source>
        <translation>Laisse cette étape se terminer avant de fermer. Tu peux réduire la fenêtre en attendant.</translation>
    </message>
    <message>
        <source>Version %1
Play the Windows games you own on Steam, on your Mac.</source>
        <translation>Version %1
Joue sur ton Mac aux jeux Windows que tu possèdes sur Steam.</translation>
    </message>
    <message>
        <source>About Ludowell</source>
        <translation>À propos de Ludowell</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher les mises à jour…</translation>
    </message>
    <message>
        <source>Quit Ludowell</source>
        <translation>Quitter Ludowell</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ludowell::ui::LicenceDocument</name>
    <message>
        <source>The license could not be opened. Please reinstall Ludowell.</source>
        <translation>La licence n’a pas pu être ouverte. Réinstalle Ludowell.</translation>
    </message>
</context>
<context>
    <name>ludowell::ui::StepAttention</name>
    <message>
        <source>Setup is done</source>
        <translation>La configuration est terminée</translation>
    </message>
    <message>
        <source>Setup didn&apos;t finish</source>
        <translation>La configuration n’a pas abouti</translation>
    </message>
    <message>
        <source>The repair is done</source>
        <translation>La réparation est terminée</translation>
    </message>
    <message>
        <source>The repair didn&apos;t finish</source>
        <translation>La réparation n’a pas abouti</translation>
    </message>
    <message>
        <source>Steam is installing your game</source>
        <translation>Steam installe ton jeu</translation>
    </message>
    <message>
        <source>The game install didn&apos;t start</source>
        <translation>L’installation du jeu n’a pas démarré</translation>
    </message>
    <message>
        <source>%1 is installed</source>
        <translation>%1 est installé</translation>
    </message>
    <message>
        <source>Play now is ready in Ludowell.</source>
        <translation>« Jouer » est prêt dans Ludowell.</translation>
    </message>
</context>
</TS>
