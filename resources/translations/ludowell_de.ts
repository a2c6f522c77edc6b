<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ActivityPanel</name>
    <message>
        <source>Stopping…</source>
        <translation>Wird gestoppt …</translation>
    </message>
    <message>
        <source>Getting ready…</source>
        <translation>Wird vorbereitet …</translation>
    </message>
    <message>
        <source>Stop…</source>
        <translation>Stoppen …</translation>
    </message>
    <message>
        <source>Stops the running step after asking</source>
        <translation>Stoppt den laufenden Schritt nach einer Rückfrage</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Download-Fortschritt</translation>
    </message>
</context>
<context>
    <name>ArtworkCard</name>
    <message>
        <source>IN YOUR LIBRARY</source>
        <translation>IN DEINER BIBLIOTHEK</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation>Status: %1</translation>
    </message>
    <message>
        <source>One-time setup
Your own Steam account</source>
        <translation>Einmalige Einrichtung
Dein eigenes Steam-Konto</translation>
    </message>
    <message>
        <source>STRATEGY   ·   MULTIPLAYER</source>
        <translation>STRATEGIE   ·   MEHRSPIELER</translation>
    </message>
</context>
<context>
    <name>DiagnosticsSheet</name>
    <message>
        <source>Details for troubleshooting</source>
        <translation>Details zur Fehlerbehebung</translation>
    </message>
    <message>
        <source>No diagnostic details available.</source>
        <translation>Keine Diagnosedetails verfügbar.</translation>
    </message>
    <message>
        <source>Read-only output of the last step</source>
        <translation>Schreibgeschützte Ausgabe des letzten Schritts</translation>
    </message>
    <message>
        <source>Open log folder</source>
        <translation>Protokollordner öffnen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Save Support Report…</source>
        <translation>Supportbericht speichern …</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Expanded</source>
        <translation>Aufgeklappt</translation>
    </message>
    <message>
        <source>Collapsed</source>
        <translation>Zugeklappt</translation>
    </message>
    <message>
        <source>A little help, whenever.</source>
        <translation>Ein wenig Hilfe, wann immer du sie brauchst.</translation>
    </message>
    <message>
        <source>Everything you need to get from setup to your first game.</source>
        <translation>Alles, was du von der Einrichtung bis zu deinem ersten Spiel brauchst.</translation>
    </message>
    <message>
        <source>Start with Get started</source>
        <translation>Beginne mit „Los geht’s“</translation>
    </message>
    <message>
        <source>Ludowell prepares Steam for this game. Review the component license, then let setup finish. Keep your Mac connected to the internet.</source>
        <translation>Ludowell bereitet Steam für dieses Spiel vor. Lies die Komponentenlizenz und lass dann die Einrichtung abschließen. Halte deinen Mac mit dem Internet verbunden.</translation>
    </message>
    <message>
        <source>Sign in directly to Steam</source>
        <translation>Melde dich direkt bei Steam an</translation>
    </message>
    <message>
        <source>Steam opens in a separate window. Use your Steam account or scan the QR code with the Steam mobile app. Complete Steam Guard if prompted. Ludowell never asks for your Steam password.</source>
        <translation>Steam öffnet sich in einem eigenen Fenster. Nutze dein Steam-Konto oder scanne den QR-Code mit der Steam-App. Bestätige Steam Guard, wenn du dazu aufgefordert wirst. Ludowell fragt nie nach deinem Steam-Passwort.</translation>
    </message>
    <message>
        <source>Install once. Play whenever.</source>
        <translation>Einmal installieren. Jederzeit spielen.</translation>
    </message>
    <message>
        <source>After signing in, return here and choose I&apos;m signed in, then Install with Steam. You need to own the game on Steam. Keep Steam&apos;s suggested installation folder. When it&apos;s finished, Play now appears automatically.</source>
        <translation>Kehre nach der Anmeldung hierher zurück und wähle „Ich bin angemeldet“, dann „Mit Steam installieren“. Du musst das Spiel auf Steam besitzen. Behalte den von Steam vorgeschlagenen Installationsordner. Sobald alles fertig ist, erscheint „Jetzt spielen“ automatisch.</translation>
    </message>
    <message>
        <source>Something not quite right?</source>
        <translation>Läuft etwas nicht ganz rund?</translation>
    </message>
    <message>
        <source>Steam is blank or hasn&apos;t appeared</source>
        <translation>Steam ist leer oder erscheint nicht</translation>
    </message>
    <message>
        <source>The first launch can take a few minutes while Steam updates. Look for Steam in the Dock. If it remains blank, save and close any running game, use Close Steam session in Settings, then open Steam again.</source>
        <translation>Der erste Start kann einige Minuten dauern, während Steam sich aktualisiert. Suche Steam im Dock. Bleibt es leer, speichere und beende laufende Spiele, wähle in den Einstellungen „Steam-Sitzung beenden“ und öffne Steam dann erneut.</translation>
    </message>
    <message>
        <source>I can&apos;t find my game in Steam</source>
        <translation>Ich finde mein Spiel nicht in Steam</translation>
    </message>
    <message>
        <source>Check that you signed in to the account that owns the game. If Steam shows a price instead of Install, ownership is managed by Steam. This app doesn&apos;t include a game license.</source>
        <translation>Prüfe, ob du mit dem Konto angemeldet bist, dem das Spiel gehört. Zeigt Steam einen Preis statt „Installieren“, verwaltet Steam den Besitz. Diese App enthält keine Spiellizenz.</translation>
    </message>
    <message>
        <source>Steam finished, but Play now isn&apos;t showing</source>
        <translation>Steam ist fertig, aber „Jetzt spielen“ erscheint nicht</translation>
    </message>
    <message>
        <source>Steam may still be unpacking or verifying the download. Check its Downloads page. Install into the default Steam library; other installation folders aren&apos;t supported in this version.</source>
        <translation>Steam entpackt oder überprüft den Download möglicherweise noch. Sieh auf der Downloads-Seite nach. Installiere in die Standard-Steam-Bibliothek; andere Installationsordner werden in dieser Version nicht unterstützt.</translation>
    </message>
    <message>
        <source>My game updated and won&apos;t launch</source>
        <translation>Mein Spiel wurde aktualisiert und startet nicht</translation>
    </message>
    <message>
        <source>Some game versions need specific compatibility fixes. If this app asks for an update, get a newer Ludowell release. Your existing game files and saves stay in place.</source>
        <translation>Manche Spielversionen brauchen bestimmte Kompatibilitätsanpassungen. Fordert diese App ein Update an, hol dir eine neuere Ludowell-Version. Deine Spieldateien und Spielstände bleiben erhalten.</translation>
    </message>
    <message>
        <source>Check this Mac</source>
        <translation>Diesen Mac prüfen</translation>
    </message>
    <message>
        <source>Open diagnostic logs</source>
        <translation>Diagnoseprotokolle öffnen</translation>
    </message>
    <message>
        <source>Requires an Apple Silicon Mac, macOS 26 or later, and Rosetta. Ludowell is an independent app; it isn&apos;t affiliated with Apple, Microsoft or Valve. Game artwork and names belong to their respective owners.</source>
        <translation>Erfordert einen Mac mit Apple Silicon, macOS 26 oder neuer und Rosetta. Ludowell ist eine unabhängige App und steht in keiner Verbindung zu Apple, Microsoft oder Valve. Spielgrafiken und -namen gehören ihren jeweiligen Eigentümern.</translation>
    </message>
    <message>
        <source>Save Support Report…</source>
        <translation>Supportbericht speichern …</translation>
    </message>
</context>
<context>
    <name>LibraryPage</name>
    <message>
        <source>Your next adventure.</source>
        <translation>Dein nächstes Abenteuer.</translation>
    </message>
    <message>
        <source>A home for your games on Mac.</source>
        <translation>Ein Zuhause für deine Spiele auf dem Mac.</translation>
    </message>
    <message numerus="yes">
        <source>%n GAME(S)</source>
        <translation>
            <numerusform>%n SPIEL</numerusform>
            <numerusform>%n SPIELE</numerusform>
        </translation>
    </message>
    <message>
        <source>The first Steam update can take a few minutes. Check the Dock for Steam. If it still doesn&apos;t appear, choose Open Steam again or visit Help.</source>
        <translation>Das erste Steam-Update kann einige Minuten dauern. Sieh im Dock nach Steam. Erscheint es weiterhin nicht, wähle erneut „Steam öffnen“ oder öffne die Hilfe.</translation>
    </message>
    <message>
        <source>Already playing with Ambrovel?</source>
        <translation>Spielst du schon mit Ambrovel?</translation>
    </message>
    <message>
        <source>Use your installed game and saves without downloading again.</source>
        <translation>Nutze dein installiertes Spiel und deine Spielstände, ohne erneut herunterzuladen.</translation>
    </message>
    <message>
        <source>Use existing setup</source>
        <translation>Vorhandene Einrichtung nutzen</translation>
    </message>
    <message>
        <source>More supported games will arrive in future updates.</source>
        <translation>Weitere Spiele folgen mit künftigen Updates.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Brauchst du Hilfe?</translation>
    </message>
</context>
<context>
    <name>LicenseSheet</name>
    <message>
        <source>Let&apos;s prepare your Mac.</source>
        <translation>Lass uns deinen Mac vorbereiten.</translation>
    </message>
    <message>
        <source>We&apos;ll download Steam and the components needed to run your game. You only need to do this once.</source>
        <translation>Wir laden Steam und die Komponenten herunter, die dein Spiel braucht. Das ist nur einmal nötig.</translation>
    </message>
    <message>
        <source>Apple&apos;s graphics component license limits use to developing, testing or evaluating games on Apple hardware. Please review it before continuing.</source>
        <translation>Die Lizenz für Apples Grafikkomponente erlaubt die Nutzung nur zum Entwickeln, Testen oder Bewerten von Spielen auf Apple-Hardware. Bitte lies sie, bevor du fortfährst.</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>Apple&apos;s graphics component license, read-only</source>
        <translation>Lizenz für Apples Grafikkomponente, schreibgeschützt</translation>
    </message>
    <message>
        <source>A few minutes · Internet connection required</source>
        <translation>Ein paar Minuten · Internetverbindung erforderlich</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>Agree &amp; set up Steam</source>
        <translation>Zustimmen und Steam einrichten</translation>
    </message>
</context>
<context>
    <name>MessageCard</name>
    <message>
        <source>Show details</source>
        <translation>Details anzeigen</translation>
    </message>
    <message>
        <source>Get help</source>
        <translation>Hilfe holen</translation>
    </message>
    <message>
        <source>Dismiss message</source>
        <translation>Meldung schließen</translation>
    </message>
</context>
<context>
    <name>Nav</name>
    <message>
        <source>Current page</source>
        <translation>Aktuelle Seite</translation>
    </message>
</context>
<context>
    <name>ReadyGuide</name>
    <message>
        <source>You&apos;re all set.</source>
        <translation>Alles bereit.</translation>
    </message>
    <message>
        <source>Launch your game here. Steam takes care of your account, friends and updates.</source>
        <translation>Starte dein Spiel hier. Um Konto, Freunde und Updates kümmert sich Steam.</translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation>Steam öffnen</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Expanded</source>
        <translation>Aufgeklappt</translation>
    </message>
    <message>
        <source>Collapsed</source>
        <translation>Zugeklappt</translation>
    </message>
    <message>
        <source>Make yourself at home.</source>
        <translation>Fühl dich wie zu Hause.</translation>
    </message>
    <message>
        <source>A few simple preferences. The rest is taken care of.</source>
        <translation>Ein paar einfache Einstellungen. Um den Rest kümmern wir uns.</translation>
    </message>
    <message>
        <source>While you play</source>
        <translation>Während du spielst</translation>
    </message>
    <message>
        <source>Show performance overlay</source>
        <translation>Leistungsanzeige einblenden</translation>
    </message>
    <message>
        <source>Displays the frame rate in your game. Applies the next time you start a fresh Steam session.</source>
        <translation>Zeigt die Bildrate in deinem Spiel an. Gilt ab dem nächsten Start einer neuen Steam-Sitzung.</translation>
    </message>
    <message>
        <source>Steam for %1</source>
        <translation>Steam für %1</translation>
    </message>
    <message>
        <source>Each game has its own setup. Your Steam login and saves stay on this Mac. Steam Cloud is managed by Steam.</source>
        <translation>Jedes Spiel hat seine eigene Einrichtung. Deine Steam-Anmeldung und Spielstände bleiben auf diesem Mac. Steam Cloud wird von Steam verwaltet.</translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation>Steam öffnen</translation>
    </message>
    <message>
        <source>Close Steam session…</source>
        <translation>Steam-Sitzung beenden …</translation>
    </message>
    <message>
        <source>Advanced &amp; diagnostics</source>
        <translation>Erweitert &amp; Diagnose</translation>
    </message>
    <message>
        <source>Game files and local settings</source>
        <translation>Spieldateien und lokale Einstellungen</translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <translation>Datenordner: %1</translation>
    </message>
    <message>
        <source>Show data folder</source>
        <translation>Datenordner zeigen</translation>
    </message>
    <message>
        <source>Show logs</source>
        <translation>Protokolle zeigen</translation>
    </message>
    <message>
        <source>Check compatibility</source>
        <translation>Kompatibilität prüfen</translation>
    </message>
    <message>
        <source>Logs may contain local paths or Steam account information. Review them before sharing.</source>
        <translation>Protokolle können lokale Pfade oder Angaben zu deinem Steam-Konto enthalten. Sieh sie durch, bevor du sie weitergibst.</translation>
    </message>
</context>
<context>
    <name>SetupGuide</name>
    <message>
        <source>A few steps, then you&apos;re in.</source>
        <translation>Ein paar Schritte, dann bist du dabei.</translation>
    </message>
    <message>
        <source>Let&apos;s get you playing.</source>
        <translation>Lass uns loslegen.</translation>
    </message>
    <message>
        <source>STEP %1 OF %2</source>
        <translation>SCHRITT %1 VON %2</translation>
    </message>
    <message>
        <source>Prepare your Mac</source>
        <translation>Mac vorbereiten</translation>
    </message>
    <message>
        <source>We&apos;ll install Steam and the components your game needs.</source>
        <translation>Wir installieren Steam und die Komponenten, die dein Spiel braucht.</translation>
    </message>
    <message>
        <source>Sign in to Steam</source>
        <translation>Bei Steam anmelden</translation>
    </message>
    <message>
        <source>Use your own account in the Steam window.</source>
        <translation>Nutze dein eigenes Konto im Steam-Fenster.</translation>
    </message>
    <message>
        <source>Install &amp; play</source>
        <translation>Installieren &amp; spielen</translation>
    </message>
    <message>
        <source>Download your game with Steam. Play from here next time.</source>
        <translation>Lade dein Spiel mit Steam herunter. Spiel beim nächsten Mal von hier aus.</translation>
    </message>
    <message>
        <source>Sign in in the Steam window</source>
        <translation>Im Steam-Fenster anmelden</translation>
    </message>
    <message>
        <source>Use your Steam username and password or Steam&apos;s QR code. Complete Steam Guard if asked, then return here.</source>
        <translation>Nutze deinen Steam-Benutzernamen und dein Passwort oder den QR-Code von Steam. Bestätige Steam Guard, falls gefragt, und kehre dann hierher zurück.</translation>
    </message>
    <message>
        <source>I&apos;m signed in</source>
        <translation>Ich bin angemeldet</translation>
    </message>
    <message>
        <source>I can&apos;t see the Steam window</source>
        <translation>Ich sehe das Steam-Fenster nicht</translation>
    </message>
    <message>
        <source>Steam is downloading your game</source>
        <translation>Steam lädt dein Spiel herunter</translation>
    </message>
    <message>
        <source>Install your own copy through Steam</source>
        <translation>Installiere deine eigene Kopie über Steam</translation>
    </message>
    <message>
        <source>Keep Steam open while your game downloads. You can check progress in Steam’s Downloads tab. This page updates when the game is ready.</source>
        <translation>Lass Steam geöffnet, während dein Spiel heruntergeladen wird. Den Fortschritt siehst du im Downloads-Tab von Steam. Diese Seite aktualisiert sich, sobald das Spiel bereit ist.</translation>
    </message>
    <message>
        <source>Choose Install in Steam and keep the suggested folder. Leave Steam open; this page will update when the game is ready.</source>
        <translation>Wähle in Steam „Installieren“ und behalte den vorgeschlagenen Ordner. Lass Steam geöffnet; diese Seite aktualisiert sich, sobald das Spiel bereit ist.</translation>
    </message>
    <message>
        <source>Game download progress</source>
        <translation>Download-Fortschritt des Spiels</translation>
    </message>
    <message>
        <source>%1% downloaded</source>
        <translation>%1 % heruntergeladen</translation>
    </message>
    <message>
        <source>%1% downloaded · Steam may still need to unpack or verify files</source>
        <translation>%1 % heruntergeladen · Steam muss Dateien eventuell noch entpacken oder prüfen</translation>
    </message>
    <message>
        <source>Not signed in yet? Open Steam</source>
        <translation>Noch nicht angemeldet? Steam öffnen</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>YOUR SPACE</source>
        <translation>DEIN BEREICH</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Made for your Mac</source>
        <translation>Für deinen Mac gemacht</translation>
    </message>
    <message>
        <source>DESIGN PREVIEW</source>
        <translation>DESIGNVORSCHAU</translation>
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
        <translation>Wird ausgeführt</translation>
    </message>
</context>
<context>
    <name>StorageCard</name>
    <message>
        <source>Storage</source>
        <translation>Speicherplatz</translation>
    </message>
    <message>
        <source>Measure again</source>
        <translation>Neu messen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>%1 zeigen</translation>
    </message>
    <message>
        <source>Remove downloaded installers…</source>
        <translation>Geladene Installationsprogramme entfernen …</translation>
    </message>
    <message>
        <source>Remove logs older than 30 days…</source>
        <translation>Protokolle älter als 30 Tage entfernen …</translation>
    </message>
</context>
<context>
    <name>UpdatesPanel</name>
    <message>
        <source>App updates</source>
        <translation>App-Updates</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Automatisch nach Updates suchen</translation>
    </message>
    <message>
        <source>Installation waits for your game and Steam to close. Your games and saves stay in place.</source>
        <translation>Die Installation wartet, bis dein Spiel und Steam geschlossen sind. Deine Spiele und Spielstände bleiben erhalten.</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Updates suchen …</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>Ctrl+</source>
        <translation>Strg+</translation>
    </message>
    <message>
        <source>About Ludowell</source>
        <translation>Über Ludowell</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Updates suchen …</translation>
    </message>
    <message>
        <source>Quit Ludowell</source>
        <translation>Ludowell beenden</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>ludowell::ChildLines</name>
    <message>
        <source>ERROR: %1</source>
        <translation>FEHLER: %1</translation>
    </message>
    <message>
        <source>Apple Silicon, macOS and Rosetta compatibility checks passed.</source>
        <translation>Prüfungen für Apple Silicon, macOS und Rosetta bestanden.</translation>
    </message>
    <message>
        <source>Only Ludowell&apos;s game and Steam environment were stopped.</source>
        <translation>Nur die Spiel- und Steam-Umgebung von Ludowell wurde beendet.</translation>
    </message>
    <message>
        <source>Data location: %1</source>
        <translation>Speicherort der Daten: %1</translation>
    </message>
    <message>
        <source>Runtime: %1 | Steam: %2 | AoE IV: %3</source>
        <translation>Laufzeitumgebung: %1 | Steam: %2 | AoE IV: %3</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>bereit</translation>
    </message>
    <message>
        <source>not set up</source>
        <translation>nicht eingerichtet</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>installiert</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>nicht installiert</translation>
    </message>
    <message>
        <source>Game version matches the optimized build.</source>
        <translation>Die Spielversion entspricht dem optimierten Build.</translation>
    </message>
    <message>
        <source>Game update needs revalidation; optimized launch is blocked.</source>
        <translation>Das Spiel-Update muss neu geprüft werden; der optimierte Start ist gesperrt.</translation>
    </message>
    <message>
        <source>Downloading the validated graphics and dependency package (about %1 MB)…</source>
        <translation>Das geprüfte Grafik- und Abhängigkeitspaket wird heruntergeladen (etwa %1 MB) …</translation>
    </message>
    <message>
        <source>Preparing a fresh Windows environment; no existing Steam accounts are imported…</source>
        <translation>Eine neue Windows-Umgebung wird vorbereitet; vorhandene Steam-Konten werden nicht übernommen …</translation>
    </message>
    <message>
        <source>The independent runtime is ready.</source>
        <translation>Die eigenständige Laufzeitumgebung ist bereit.</translation>
    </message>
    <message>
        <source>Downloading the official Windows Steam installer…</source>
        <translation>Das offizielle Windows-Installationsprogramm von Steam wird heruntergeladen …</translation>
    </message>
    <message>
        <source>Steam is installed. Sign in with your own account and install %1 in the default Steam library.</source>
        <translation>Steam ist installiert. Melde dich mit deinem eigenen Konto an und installiere %1 in der Standard-Steam-Bibliothek.</translation>
    </message>
    <message>
        <source>Checking the installed game version…</source>
        <translation>Die installierte Spielversion wird geprüft …</translation>
    </message>
    <message>
        <source>Steam is already open. The HUD change takes effect after exiting Steam and reopening it.</source>
        <translation>Steam ist bereits geöffnet. Die Änderung der Leistungsanzeige wirkt erst, nachdem du Steam beendet und wieder geöffnet hast.</translation>
    </message>
    <message>
        <source>AoE IV launch requested. Steam may show a confirmation dialog.</source>
        <translation>Start von AoE IV angefordert. Steam zeigt eventuell eine Bestätigung an.</translation>
    </message>
    <message>
        <source>Steam launch requested. Initial client updates can take a few minutes.</source>
        <translation>Start von Steam angefordert. Die ersten Client-Updates können einige Minuten dauern.</translation>
    </message>
    <message>
        <source>Updating game components. Steam, games and saves will stay in place…</source>
        <translation>Spielkomponenten werden aktualisiert. Steam, Spiele und Spielstände bleiben erhalten …</translation>
    </message>
    <message>
        <source>Game components updated. The previous engine has been retained for recovery.</source>
        <translation>Spielkomponenten aktualisiert. Die vorherige Engine wurde zur Wiederherstellung behalten.</translation>
    </message>
    <message>
        <source>This is taking longer than expected. Please try again. Your downloads are kept.</source>
        <translation>Das dauert länger als erwartet. Bitte versuche es erneut. Deine Downloads bleiben erhalten.</translation>
    </message>
    <message>
        <source>An unexpected error stopped this step.</source>
        <translation>Ein unerwarteter Fehler hat diesen Schritt gestoppt.</translation>
    </message>
    <message>
        <source>This build requires macOS 26 or later. Earlier macOS versions have not been validated.</source>
        <translation>Dieser Build erfordert macOS 26 oder neuer. Frühere macOS-Versionen wurden nicht geprüft.</translation>
    </message>
    <message>
        <source>Rosetta is required. Open an Intel app and follow macOS&apos;s Rosetta installation prompt, then try again.</source>
        <translation>Rosetta wird benötigt. Öffne eine Intel-App und folge der Rosetta-Installationsaufforderung von macOS. Versuche es dann erneut.</translation>
    </message>
    <message>
        <source>The optimization is not compatible with this Mac&apos;s current Rosetta runtime. No system settings were changed. %1</source>
        <translation>Die Optimierung ist nicht mit der aktuellen Rosetta-Laufzeit dieses Macs kompatibel. Es wurden keine Systemeinstellungen geändert. %1</translation>
    </message>
    <message>
        <source>tessaline did not answer within 25 seconds.</source>
        <translation>tessaline hat nicht innerhalb von 25 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>Save and close AoE IV and this app&apos;s Steam client before setting up or repairing the environment.</source>
        <translation>Speichere und beende AoE IV und den Steam-Client dieser App, bevor du die Umgebung einrichtest oder reparierst.</translation>
    </message>
    <message>
        <source>%1 failed (%2). %3</source>
        <translation>%1 ist fehlgeschlagen (%2). %3</translation>
    </message>
    <message>
        <source>Logs: %1</source>
        <translation>Protokolle: %1</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>Das Volume ist voll. Schaffe etwas Platz und versuche es erneut.</translation>
    </message>
    <message>
        <source>The disk is full: this step needs about %1 MB more free space. Free up some space and try again.</source>
        <translation>Das Volume ist voll: Dieser Schritt braucht etwa %1 MB mehr freien Speicher. Schaffe etwas Platz und versuche es erneut.</translation>
    </message>
    <message>
        <source>The downloaded file differs from the validated version. Setup stopped without executing it. A newer launcher may be needed.</source>
        <translation>Die heruntergeladene Datei weicht von der geprüften Version ab. Die Einrichtung wurde gestoppt, ohne sie auszuführen. Eventuell wird ein neuerer Launcher benötigt.</translation>
    </message>
    <message>
        <source>Stopped at your request. Finished steps and downloads are kept.</source>
        <translation>Auf deinen Wunsch gestoppt. Abgeschlossene Schritte und Downloads bleiben erhalten.</translation>
    </message>
    <message>
        <source>Unexpected graphics package layout.</source>
        <translation>Unerwarteter Aufbau des Grafikpakets.</translation>
    </message>
    <message>
        <source>Wine did not finish creating the Windows environment. Check the setup logs and retry.</source>
        <translation>Wine hat die Windows-Umgebung nicht fertig erstellt. Sieh in die Einrichtungsprotokolle und versuche es erneut.</translation>
    </message>
    <message>
        <source>Run Set up Steam first.</source>
        <translation>Richte zuerst Steam ein.</translation>
    </message>
    <message>
        <source>Steam installation did not finish. Retry setup; your existing files will be kept.</source>
        <translation>Die Installation von Steam wurde nicht abgeschlossen. Wiederhole die Einrichtung; deine vorhandenen Dateien bleiben erhalten.</translation>
    </message>
    <message>
        <source>Click Set up Steam before opening the library.</source>
        <translation>Richte Steam ein, bevor du die Bibliothek öffnest.</translation>
    </message>
    <message>
        <source>Install %1 in this Steam client&apos;s default library, then choose Play now.</source>
        <translation>Installiere %1 in der Standardbibliothek dieses Steam-Clients und wähle dann „Jetzt spielen“.</translation>
    </message>
    <message>
        <source>This game build has not been validated for the optimizations. Please update Ludowell.</source>
        <translation>Dieser Spiel-Build wurde für die Optimierungen nicht geprüft. Bitte aktualisiere Ludowell.</translation>
    </message>
    <message>
        <source>Could not open the operation lock.</source>
        <translation>Die Sperre für den Vorgang konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Another setup or launch is already in progress. Please wait for it to finish.</source>
        <translation>Eine andere Einrichtung oder ein anderer Start läuft bereits. Bitte warte, bis sie abgeschlossen sind.</translation>
    </message>
    <message>
        <source>The data folder given with --data-root is empty.</source>
        <translation>Der mit --data-root angegebene Datenordner ist leer.</translation>
    </message>
    <message>
        <source>Please review the setup license in Ludowell first.</source>
        <translation>Bitte lies zuerst die Einrichtungslizenz in Ludowell.</translation>
    </message>
    <message>
        <source>Unknown action.</source>
        <translation>Unbekannte Aktion.</translation>
    </message>
    <message>
        <source>Could not open the update lock.</source>
        <translation>Die Update-Sperre konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>An update or launch is already in progress. Please wait for it to finish.</source>
        <translation>Ein Update oder ein Start läuft bereits. Bitte warte, bis es abgeschlossen ist.</translation>
    </message>
    <message>
        <source>Save and close your game and Steam before updating game components.</source>
        <translation>Speichere und beende dein Spiel und Steam, bevor die Spielkomponenten aktualisiert werden.</translation>
    </message>
    <message>
        <source>The new game components failed verification. Your previous engine is unchanged.</source>
        <translation>Die neuen Spielkomponenten haben die Prüfung nicht bestanden. Deine bisherige Engine ist unverändert.</translation>
    </message>
    <message>
        <source>Invalid runtime dependency manifest.</source>
        <translation>Ungültiges Manifest der Laufzeitabhängigkeiten.</translation>
    </message>
    <message>
        <source>Missing dependency: %1</source>
        <translation>Fehlende Abhängigkeit: %1</translation>
    </message>
    <message>
        <source>The staged engine is incomplete. Your previous engine is unchanged.</source>
        <translation>Die bereitgestellte Engine ist unvollständig. Deine bisherige Engine ist unverändert.</translation>
    </message>
    <message>
        <source>The new engine didn&apos;t pass its startup check. Your previous engine is unchanged.</source>
        <translation>Die neue Engine hat ihre Startprüfung nicht bestanden. Deine bisherige Engine ist unverändert.</translation>
    </message>
    <message>
        <source>Unsupported engine manifest format.</source>
        <translation>Nicht unterstütztes Format des Engine-Manifests.</translation>
    </message>
    <message>
        <source>Invalid engine update manifest.</source>
        <translation>Ungültiges Manifest für das Engine-Update.</translation>
    </message>
    <message>
        <source>Invalid engine update path or hash.</source>
        <translation>Ungültiger Pfad oder Hash im Engine-Update.</translation>
    </message>
    <message>
        <source>This game profile is invalid.</source>
        <translation>Dieses Spielprofil ist ungültig.</translation>
    </message>
    <message>
        <source>The Age of Empires optimization requires its validated game profile.</source>
        <translation>Die Optimierung für Age of Empires erfordert ihr geprüftes Spielprofil.</translation>
    </message>
    <message>
        <source>The game library contains duplicate or missing games.</source>
        <translation>Die Spielebibliothek enthält doppelte oder fehlende Spiele.</translation>
    </message>
    <message>
        <source>The game library is missing. Please reinstall this app.</source>
        <translation>Die Spielebibliothek fehlt. Bitte installiere diese App neu.</translation>
    </message>
    <message>
        <source>A file</source>
        <translation>Eine Datei</translation>
    </message>
    <message>
        <source>The disk is full: %1 could not be written. Free up some space and try again.</source>
        <translation>Das Volume ist voll: %1 konnte nicht geschrieben werden. Schaffe etwas Platz und versuche es erneut.</translation>
    </message>
    <message>
        <source>%1 cannot be written: its disk is read-only.</source>
        <translation>%1 kann nicht geschrieben werden: Das Volume ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>%1 cannot be used: permission denied.</source>
        <translation>%1 kann nicht verwendet werden: Zugriff verweigert.</translation>
    </message>
    <message>
        <source>%1 cannot be read or written: the disk reported an input/output error.</source>
        <translation>%1 kann nicht gelesen oder geschrieben werden: Das Volume meldet einen Ein-/Ausgabefehler.</translation>
    </message>
    <message>
        <source>The data folder&apos;s path contains &quot;:&quot; (shown as &quot;/&quot; in the Finder), which the game&apos;s Windows environment cannot use. Choose a folder whose path has neither.</source>
        <translation>Der Pfad des Datenordners enthält „:“ (im Finder als „/“ angezeigt), was die Windows-Umgebung des Spiels nicht verwenden kann. Wähle einen Ordner, dessen Pfad keines von beiden enthält.</translation>
    </message>
    <message>
        <source>The data folder&apos;s path is too long for the game&apos;s Windows environment. Choose a folder with a shorter path.</source>
        <translation>Der Pfad des Datenordners ist für die Windows-Umgebung des Spiels zu lang. Wähle einen Ordner mit einem kürzeren Pfad.</translation>
    </message>
    <message>
        <source>Could not start %1</source>
        <translation>%1 konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>Writing the support report…</source>
        <translation>Der Supportbericht wird geschrieben …</translation>
    </message>
    <message>
        <source>Support report saved: %1</source>
        <translation>Supportbericht gespeichert: %1</translation>
    </message>
    <message>
        <source>The folder for the support report does not exist: %1</source>
        <translation>Der Ordner für den Supportbericht existiert nicht: %1</translation>
    </message>
    <message>
        <source>The support report could not be packed.</source>
        <translation>Der Supportbericht konnte nicht gepackt werden.</translation>
    </message>
    <message>
        <source>Save and close your game and this app&apos;s Steam client before cleaning up.</source>
        <translation>Speichere und beende dein Spiel und den Steam-Client dieser App, bevor du aufräumst.</translation>
    </message>
    <message>
        <source>No downloaded installers to remove.</source>
        <translation>Keine geladenen Installationsprogramme zu entfernen.</translation>
    </message>
    <message>
        <source>Removed the downloaded installers and freed %1. A later repair downloads them again.</source>
        <translation>Die geladenen Installationsprogramme wurden entfernt und %1 freigegeben. Eine spätere Reparatur lädt sie erneut herunter.</translation>
    </message>
    <message>
        <source>No logs older than 30 days to remove.</source>
        <translation>Keine Protokolle älter als 30 Tage zu entfernen.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n log(s) older than 30 days and freed %1.</source>
        <translation>
            <numerusform>%n Protokoll älter als 30 Tage wurde entfernt und %1 freigegeben.</numerusform>
            <numerusform>%n Protokolle älter als 30 Tage wurden entfernt und %1 freigegeben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ludowell::DownloadWatch</name>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Byte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
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
        <translation>Steam konnte keine Verbindung herstellen. Prüfe deine Internetverbindung und versuche es dann erneut.</translation>
    </message>
    <message>
        <source>Working on it</source>
        <translation>Wird erledigt</translation>
    </message>
    <message>
        <source>Setup needed</source>
        <translation>Einrichtung nötig</translation>
    </message>
    <message>
        <source>Sign in to Steam</source>
        <translation>Bei Steam anmelden</translation>
    </message>
    <message>
        <source>Ready to install</source>
        <translation>Bereit zur Installation</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Wird installiert</translation>
    </message>
    <message>
        <source>Ready to play</source>
        <translation>Bereit zum Spielen</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Getting ready…</source>
        <translation>Wird vorbereitet …</translation>
    </message>
    <message>
        <source>Opening your game…</source>
        <translation>Dein Spiel wird geöffnet …</translation>
    </message>
    <message>
        <source>Get started</source>
        <translation>Los geht’s</translation>
    </message>
    <message>
        <source>Open Steam to sign in</source>
        <translation>Steam zum Anmelden öffnen</translation>
    </message>
    <message>
        <source>Install with Steam</source>
        <translation>Mit Steam installieren</translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation>Steam öffnen</translation>
    </message>
    <message>
        <source>Play now</source>
        <translation>Jetzt spielen</translation>
    </message>
    <message>
        <source>Downloading game components…</source>
        <translation>Spielkomponenten werden geladen …</translation>
    </message>
    <message>
        <source>Preparing your Mac for play…</source>
        <translation>Dein Mac wird vorbereitet …</translation>
    </message>
    <message>
        <source>Installing Steam…</source>
        <translation>Steam wird installiert …</translation>
    </message>
    <message>
        <source>Checking your game…</source>
        <translation>Dein Spiel wird geprüft …</translation>
    </message>
    <message>
        <source>This version needs macOS 26 or later. Update macOS in System Settings, then try again.</source>
        <translation>Diese Version erfordert macOS 26 oder neuer. Aktualisiere macOS in den Systemeinstellungen und versuche es dann erneut.</translation>
    </message>
    <message>
        <source>Rosetta is needed to run Steam. Open an Intel app and follow Apple&apos;s installation prompt, then try again.</source>
        <translation>Rosetta wird für Steam benötigt. Öffne eine Intel-App und folge Apples Installationsaufforderung. Versuche es dann erneut.</translation>
    </message>
    <message>
        <source>The gaming components aren&apos;t compatible with this Mac&apos;s current Rosetta version. Please contact support with the details below.</source>
        <translation>Die Spielkomponenten sind nicht mit der aktuellen Rosetta-Version dieses Macs kompatibel. Bitte wende dich mit den folgenden Details an den Support.</translation>
    </message>
    <message>
        <source>Steam has installed a newer game version. A Ludowell update is needed before this game can launch safely.</source>
        <translation>Steam hat eine neuere Spielversion installiert. Ein Ludowell-Update ist nötig, bevor dieses Spiel sicher starten kann.</translation>
    </message>
    <message>
        <source>A download has changed since this app was released. Please get an updated Ludowell app.</source>
        <translation>Ein Download hat sich seit dem Erscheinen dieser App geändert. Bitte hol dir eine aktualisierte Ludowell-App.</translation>
    </message>
    <message>
        <source>Another setup or launch is in progress. Let it finish, then try again.</source>
        <translation>Eine andere Einrichtung oder ein anderer Start läuft. Warte, bis sie abgeschlossen sind, und versuche es dann erneut.</translation>
    </message>
    <message>
        <source>Please save your game and exit Steam before preparing this setup again.</source>
        <translation>Bitte speichere dein Spiel und beende Steam, bevor du diese Einrichtung erneut vorbereitest.</translation>
    </message>
    <message>
        <source>We couldn&apos;t finish that step. Check your internet connection and try again. Your completed downloads are kept.</source>
        <translation>Dieser Schritt konnte nicht abgeschlossen werden. Prüfe deine Internetverbindung und versuche es erneut. Abgeschlossene Downloads bleiben erhalten.</translation>
    </message>
    <message>
        <source>Preparing Steam…</source>
        <translation>Steam wird vorbereitet …</translation>
    </message>
    <message>
        <source>Opening Steam…</source>
        <translation>Steam wird geöffnet …</translation>
    </message>
    <message>
        <source>Steam is opening in a separate window. The first launch may take a few minutes while Steam updates.</source>
        <translation>Steam öffnet sich in einem eigenen Fenster. Der erste Start kann einige Minuten dauern, während Steam sich aktualisiert.</translation>
    </message>
    <message>
        <source>In Steam, confirm Install and keep the suggested folder. You can return here while the download finishes.</source>
        <translation>Bestätige in Steam „Installieren“ und behalte den vorgeschlagenen Ordner. Du kannst hierher zurückkehren, während der Download läuft.</translation>
    </message>
    <message>
        <source>Your game is opening through Steam. If Steam asks for confirmation, choose Play.</source>
        <translation>Dein Spiel wird über Steam geöffnet. Fragt Steam nach einer Bestätigung, wähle „Spielen“.</translation>
    </message>
    <message>
        <source>This Mac passed the compatibility checks.</source>
        <translation>Dieser Mac hat die Kompatibilitätsprüfungen bestanden.</translation>
    </message>
    <message>
        <source>This game&apos;s Steam session has closed.</source>
        <translation>Die Steam-Sitzung dieses Spiels wurde beendet.</translation>
    </message>
    <message>
        <source>This is a design preview. No game or Steam process was started.</source>
        <translation>Dies ist eine Designvorschau. Es wurde kein Spiel- oder Steam-Prozess gestartet.</translation>
    </message>
    <message>
        <source>The step was stopped. Everything it finished is kept, so the next attempt picks up from there.</source>
        <translation>Der Schritt wurde gestoppt. Alles Abgeschlossene bleibt erhalten, der nächste Versuch macht dort weiter.</translation>
    </message>
    <message>
        <source>Your setup preference couldn&apos;t be saved. Please try again.</source>
        <translation>Deine Einstellung zur Einrichtung konnte nicht gespeichert werden. Bitte versuche es erneut.</translation>
    </message>
    <message>
        <source>We couldn&apos;t save your progress. Please try again.</source>
        <translation>Dein Fortschritt konnte nicht gespeichert werden. Bitte versuche es erneut.</translation>
    </message>
    <message>
        <source>Use your existing Steam setup?</source>
        <translation>Vorhandene Steam-Einrichtung nutzen?</translation>
    </message>
    <message>
        <source>Ludowell will use the same Steam account, installed game and saves as Ambrovel. Close the old launcher before using this one. No files will be moved or deleted.</source>
        <translation>Ludowell nutzt dasselbe Steam-Konto, dasselbe installierte Spiel und dieselben Spielstände wie Ambrovel. Schließe den alten Launcher, bevor du diesen nutzt. Es werden keine Dateien verschoben oder gelöscht.</translation>
    </message>
    <message>
        <source>Use existing setup</source>
        <translation>Vorhandene Einrichtung nutzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close this game&apos;s Steam session?</source>
        <translation>Steam-Sitzung dieses Spiels beenden?</translation>
    </message>
    <message>
        <source>Save and exit your game first. Continuing will close its game and Steam processes, and unsaved progress will be lost.</source>
        <translation>Speichere und beende zuerst dein Spiel. Wenn du fortfährst, werden die Spiel- und Steam-Prozesse beendet und ungespeicherter Fortschritt geht verloren.</translation>
    </message>
    <message>
        <source>Close session</source>
        <translation>Sitzung beenden</translation>
    </message>
    <message>
        <source>No data received for 15 s. Check your connection.</source>
        <translation>Seit 15 s keine Daten empfangen. Prüfe deine Verbindung.</translation>
    </message>
    <message>
        <source>Stop this step?</source>
        <translation>Diesen Schritt stoppen?</translation>
    </message>
    <message>
        <source>Ludowell stops where it is. Everything already finished is kept, and the next attempt picks up from there.</source>
        <translation>Ludowell hält an, wo es gerade ist. Alles Abgeschlossene bleibt erhalten, der nächste Versuch macht dort weiter.</translation>
    </message>
    <message>
        <source>Keep working</source>
        <translation>Weiterarbeiten</translation>
    </message>
    <message>
        <source>Stop step</source>
        <translation>Schritt stoppen</translation>
    </message>
    <message>
        <source>This data folder can&apos;t hold the game&apos;s Windows environment: a folder name in its path has a &quot;/&quot;, or the path is too long. Choose another folder, then try again.</source>
        <translation>Dieser Datenordner kann die Windows-Umgebung des Spiels nicht aufnehmen: Ein Ordnername in seinem Pfad enthält „/“, oder der Pfad ist zu lang. Wähle einen anderen Ordner und versuche es dann erneut.</translation>
    </message>
    <message>
        <source>Writing the support report…</source>
        <translation>Der Supportbericht wird geschrieben …</translation>
    </message>
    <message>
        <source>Removing downloaded installers…</source>
        <translation>Geladene Installationsprogramme werden entfernt …</translation>
    </message>
    <message>
        <source>Removing old logs…</source>
        <translation>Alte Protokolle werden entfernt …</translation>
    </message>
    <message>
        <source>Ludowell was updated or moved while this window was open. Quit and reopen Ludowell, then try again.</source>
        <translation>Ludowell wurde aktualisiert oder verschoben, während dieses Fenster geöffnet war. Beende Ludowell, öffne es erneut und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>Your support report is saved in Downloads as “%1”. Attach it to your request for help.</source>
        <translation>Dein Supportbericht ist unter „%1“ im Ordner „Downloads“ gespeichert. Hänge ihn an deine Supportanfrage an.</translation>
    </message>
    <message>
        <source>There are no downloaded installers to remove.</source>
        <translation>Es gibt keine geladenen Installationsprogramme zu entfernen.</translation>
    </message>
    <message>
        <source>Remove downloaded installers?</source>
        <translation>Geladene Installationsprogramme entfernen?</translation>
    </message>
    <message>
        <source>This frees %1. The installers Ludowell downloaded during setup are removed; a later repair downloads them again. Steam, your game, saves and engines stay as they are.</source>
        <translation>Dadurch werden %1 frei. Die Installationsprogramme, die Ludowell bei der Einrichtung geladen hat, werden entfernt; eine spätere Reparatur lädt sie erneut herunter. Steam, dein Spiel, Spielstände und Engines bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Remove installers</source>
        <translation>Installationsprogramme entfernen</translation>
    </message>
    <message>
        <source>There are no logs older than 30 days.</source>
        <translation>Es gibt keine Protokolle, die älter als 30 Tage sind.</translation>
    </message>
    <message>
        <source>Remove logs older than 30 days?</source>
        <translation>Protokolle entfernen, die älter als 30 Tage sind?</translation>
    </message>
    <message>
        <source>This frees %1 (%2). Logs from the last 30 days stay for troubleshooting; nothing else is touched.</source>
        <translation>Dadurch werden %1 frei (%2). Protokolle der letzten 30 Tage bleiben für die Fehlersuche erhalten; sonst wird nichts angetastet.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln log(s)</source>
        <translation>
            <numerusform>%Ln Protokoll</numerusform>
            <numerusform>%Ln Protokolle</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove logs</source>
        <translation>Protokolle entfernen</translation>
    </message>
    <message>
        <source>Ludowell Support Report %1 at %2</source>
        <translation>Ludowell-Supportbericht %1 um %2</translation>
    </message>
</context>
<context>
    <name>ludowell::LinuxUpdateService</name>
    <message>
        <source>The update feed is not an appcast.</source>
        <translation>Der Update-Feed ist kein Appcast.</translation>
    </message>
    <message>
        <source>The update feed could not be read: %1</source>
        <translation>Der Update-Feed konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Updates are not set up for this copy of Ludowell.</source>
        <translation>Updates sind für diese Kopie von Ludowell nicht eingerichtet.</translation>
    </message>
    <message>
        <source>The update settings of this copy of Ludowell are damaged.</source>
        <translation>Die Update-Einstellungen dieser Kopie von Ludowell sind beschädigt.</translation>
    </message>
    <message>
        <source>The update feed is larger than any feed Ludowell reads, so it was not read.</source>
        <translation>Der Update-Feed ist größer als jeder Feed, den Ludowell liest, und wurde daher nicht gelesen.</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t reach the update server (%1).</source>
        <translation>Ludowell konnte den Update-Server nicht erreichen (%1).</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t reach the update server.</source>
        <translation>Ludowell konnte den Update-Server nicht erreichen.</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t store the update (%1).</source>
        <translation>Ludowell konnte das Update nicht speichern (%1).</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t store the update.</source>
        <translation>Ludowell konnte das Update nicht speichern.</translation>
    </message>
    <message>
        <source>The update download is larger than the feed announced, so it was stopped. Please try again later.</source>
        <translation>Der Update-Download ist größer, als der Feed angekündigt hat, und wurde daher abgebrochen. Bitte versuche es später noch einmal.</translation>
    </message>
    <message>
        <source>The update could not be downloaded (%1).</source>
        <translation>Das Update konnte nicht heruntergeladen werden (%1).</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>Das Update konnte nicht heruntergeladen werden.</translation>
    </message>
    <message>
        <source>The update download is incomplete: expected %1 bytes, got %2. Please try again later.</source>
        <translation>Der Update-Download ist unvollständig: %1 Bytes erwartet, %2 erhalten. Bitte versuche es später noch einmal.</translation>
    </message>
    <message>
        <source>The update is not signed by Ludowell&apos;s developer, so it was not installed.</source>
        <translation>Das Update ist nicht vom Entwickler von Ludowell signiert und wurde daher nicht installiert.</translation>
    </message>
    <message>
        <source>The update could not be unpacked (%1).</source>
        <translation>Das Update konnte nicht entpackt werden (%1).</translation>
    </message>
    <message>
        <source>The update could not be unpacked.</source>
        <translation>Das Update konnte nicht entpackt werden.</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t replace itself with the new version (%1). The current version was kept.</source>
        <translation>Ludowell konnte sich nicht durch die neue Version ersetzen (%1). Die aktuelle Version wurde beibehalten.</translation>
    </message>
    <message>
        <source>its unpacked copy is no longer usable</source>
        <translation>die entpackte Kopie ist nicht mehr verwendbar</translation>
    </message>
    <message>
        <source>The update does not contain a usable %1.</source>
        <translation>Das Update enthält kein verwendbares %1.</translation>
    </message>
    <message>
        <source>The update holds version %1, not the offered %2, so it was not installed.</source>
        <translation>Das Update enthält Version %1 statt der angebotenen %2 und wurde daher nicht installiert.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
</context>
<context>
    <name>ludowell::Storage</name>
    <message>
        <source>Windows environment</source>
        <translation>Windows-Umgebung</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>Engine %1</source>
        <translation>Engine %1</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>in Verwendung</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>aufbewahrt</translation>
    </message>
    <message>
        <source>Graphics package</source>
        <translation>Grafikpaket</translation>
    </message>
    <message>
        <source>Downloaded installers</source>
        <translation>Geladene Installationsprogramme</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Protokolle</translation>
    </message>
    <message>
        <source>%1 free on this disk</source>
        <translation>%1 frei auf diesem Volume</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Wird gemessen …</translation>
    </message>
    <message numerus="yes">
        <source>Measuring… %Ln file(s) so far</source>
        <translation>
            <numerusform>Wird gemessen … bisher %Ln Datei</numerusform>
            <numerusform>Wird gemessen … bisher %Ln Dateien</numerusform>
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
        <translation>Sucht sicher nach neuen Versionen von Ludowell.</translation>
    </message>
    <message>
        <source>You&apos;re using the latest version of Ludowell.</source>
        <translation>Du verwendest die neueste Version von Ludowell.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates. Please try again later.</source>
        <translation>Die Suche nach Updates ist fehlgeschlagen. Bitte versuche es später erneut.</translation>
    </message>
    <message>
        <source>Update ready. Save and close your game and Steam; Ludowell will then update.</source>
        <translation>Update bereit. Speichere und schließe dein Spiel und Steam; danach aktualisiert sich Ludowell.</translation>
    </message>
    <message>
        <source>Installing update…</source>
        <translation>Update wird installiert …</translation>
    </message>
    <message>
        <source>Save and close your game and its Steam session before checking for updates. Ludowell will check again later.</source>
        <translation>Speichere und beende dein Spiel und seine Steam-Sitzung, bevor du nach Updates suchst. Ludowell sucht später erneut.</translation>
    </message>
    <message>
        <source>Ludowell %1 is available.</source>
        <translation>Ludowell %1 ist verfügbar.</translation>
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
        <translation>Ludowell konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>A new version of Ludowell is available!</source>
        <translation>Eine neue Version von Ludowell ist verfügbar!</translation>
    </message>
    <message>
        <source>Ludowell %1 is now available—you have %2. Would you like to install it now?</source>
        <translation>Ludowell %1 ist jetzt verfügbar – du hast %2. Möchtest du es jetzt installieren?</translation>
    </message>
    <message>
        <source>Install Update</source>
        <translation>Update installieren</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Du bist auf dem neuesten Stand!</translation>
    </message>
    <message>
        <source>Ludowell %1 is currently the newest version available.</source>
        <translation>Ludowell %1 ist die neueste verfügbare Version.</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Update-Fehler!</translation>
    </message>
</context>
<context>
    <name>ludowell::ui::AppDelegate</name>
    <message>
        <source>Finish playing before updating</source>
        <translation>Spiel erst beenden, dann aktualisieren</translation>
    </message>
    <message>
        <source>Save and close your game and Steam. Ludowell will keep the update ready for you.</source>
        <translation>Speichere und schließe dein Spiel und Steam. Ludowell hält das Update für dich bereit.</translation>
    </message>
    <message>
        <source>Setup is still working</source>
        <translation>Die Einrichtung läuft noch</translation>
    </message>
    <message>
        <source>Let this step finish before closing Ludowell. You can minimize this window while you wait.</source>
        <translation>Lass diesen Schritt abschließen, bevor du Ludowell schließt. Du kannst dieses Fenster währenddessen minimieren.</translation>
    </message>
    <message>
        <source>Keep working</source>
        <translation>Weiterarbeiten</translation>
    </message>
    <message>
        <source>Let this step finish before closing. You can minimize the window while you wait.</source>
        <translation>Lass diesen Schritt abschließen, bevor du schließt. Du kannst das Fenster währenddessen minimieren.</translation>
    </message>
    <message>
        <source>Version %1
Play the Windows games you own on Steam, on your Mac.</source>
        <translation>Version %1
Spiele die Windows-Spiele, die du auf Steam besitzt, auf deinem Mac.</translation>
    </message>
    <message>
        <source>About Ludowell</source>
        <translation>Über Ludowell</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Updates suchen …</translation>
    </message>
    <message>
        <source>Quit Ludowell</source>
        <translation>Ludowell beenden</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
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
        <translation>Die Lizenz konnte nicht geöffnet werden. Bitte installiere Ludowell neu.</translation>
    </message>
</context>
<context>
    <name>ludowell::ui::StepAttention</name>
    <message>
        <source>Setup is done</source>
        <translation>Die Einrichtung ist fertig</translation>
    </message>
    <message>
        <source>Setup didn&apos;t finish</source>
        <translation>Die Einrichtung wurde nicht abgeschlossen</translation>
    </message>
    <message>
        <source>The repair is done</source>
        <translation>Die Reparatur ist fertig</translation>
    </message>
    <message>
        <source>The repair didn&apos;t finish</source>
        <translation>Die Reparatur wurde nicht abgeschlossen</translation>
    </message>
    <message>
        <source>Steam is installing your game</source>
        <translation>Steam installiert dein Spiel</translation>
    </message>
    <message>
        <source>The game install didn&apos;t start</source>
        <translation>Die Installation des Spiels hat nicht begonnen</translation>
    </message>
    <message>
        <source>%1 is installed</source>
        <translation>%1 ist installiert</translation>
    </message>
    <message>
        <source>Play now is ready in Ludowell.</source>
        <translation>„Jetzt spielen“ ist in Ludowell bereit.</translation>
    </message>
</context>
</TS>
