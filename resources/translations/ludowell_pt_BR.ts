<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ActivityPanel</name>
    <message>
        <source>Stopping…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting ready…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops the running step after asking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArtworkCard</name>
    <message>
        <source>IN YOUR LIBRARY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One-time setup
Your own Steam account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STRATEGY   ·   MULTIPLAYER</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiagnosticsSheet</name>
    <message>
        <source>Details for troubleshooting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No diagnostic details available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only output of the last step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open log folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Expanded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collapsed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A little help, whenever.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everything you need to get from setup to your first game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start with Get started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ludowell prepares Steam for this game. Review the component license, then let setup finish. Keep your Mac connected to the internet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in directly to Steam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam opens in a separate window. Use your Steam account or scan the QR code with the Steam mobile app. Complete Steam Guard if prompted. Ludowell never asks for your Steam password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install once. Play whenever.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After signing in, return here and choose I&apos;m signed in, then Install with Steam. You need to own the game on Steam. Keep Steam&apos;s suggested installation folder. When it&apos;s finished, Play now appears automatically.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something not quite right?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam is blank or hasn&apos;t appeared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first launch can take a few minutes while Steam updates. Look for Steam in the Dock. If it remains blank, save and close any running game, use Close Steam session in Settings, then open Steam again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I can&apos;t find my game in Steam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check that you signed in to the account that owns the game. If Steam shows a price instead of Install, ownership is managed by Steam. This app doesn&apos;t include a game license.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam finished, but Play now isn&apos;t showing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam may still be unpacking or verifying the download. Check its Downloads page. Install into the default Steam library; other installation folders aren&apos;t supported in this version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My game updated and won&apos;t launch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some game versions need specific compatibility fixes. If this app asks for an update, get a newer Ludowell release. Your existing game files and saves stay in place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check this Mac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open diagnostic logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Requires an Apple Silicon Mac, macOS 26 or later, and Rosetta. Ludowell is an independent app; it isn&apos;t affiliated with Apple, Microsoft or Valve. Game artwork and names belong to their respective owners.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryPage</name>
    <message>
        <source>Your next adventure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A home for your games on Mac.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n GAME(S)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The first Steam update can take a few minutes. Check the Dock for Steam. If it still doesn&apos;t appear, choose Open Steam again or visit Help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already playing with Ambrovel?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use your installed game and saves without downloading again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use existing setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More supported games will arrive in future updates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LicenseSheet</name>
    <message>
        <source>Let&apos;s prepare your Mac.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We&apos;ll download Steam and the components needed to run your game. You only need to do this once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple&apos;s graphics component license limits use to developing, testing or evaluating games on Apple hardware. Please review it before continuing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple&apos;s graphics component license, read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A few minutes · Internet connection required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agree &amp; set up Steam</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageCard</name>
    <message>
        <source>Show details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Nav</name>
    <message>
        <source>Current page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadyGuide</name>
    <message>
        <source>You&apos;re all set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch your game here. Steam takes care of your account, friends and updates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Expanded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collapsed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make yourself at home.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A few simple preferences. The rest is taken care of.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While you play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show performance overlay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays the frame rate in your game. Applies the next time you start a fresh Steam session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each game has its own setup. Your Steam login and saves stay on this Mac. Steam Cloud is managed by Steam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Steam session…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced &amp; diagnostics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game files and local settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show data folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check compatibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logs may contain local paths or Steam account information. Review them before sharing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetupGuide</name>
    <message>
        <source>A few steps, then you&apos;re in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let&apos;s get you playing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STEP %1 OF %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prepare your Mac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We&apos;ll install Steam and the components your game needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in to Steam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use your own account in the Steam window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install &amp; play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download your game with Steam. Play from here next time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in in the Steam window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use your Steam username and password or Steam&apos;s QR code. Complete Steam Guard if asked, then return here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&apos;m signed in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I can&apos;t see the Steam window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam is downloading your game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install your own copy through Steam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Steam open while your game downloads. You can check progress in Steam’s Downloads tab. This page updates when the game is ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Install in Steam and keep the suggested folder. Leave Steam open; this page will update when the game is ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game download progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1% downloaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1% downloaded · Steam may still need to unpack or verify files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not signed in yet? Open Steam</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>YOUR SPACE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made for your Mac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESIGN PREVIEW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VERSION %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>In progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdatesPanel</name>
    <message>
        <source>App updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation waits for your game and Steam to close. Your games and saves stay in place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>Ctrl+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Ludowell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Ludowell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ludowell::ChildLines</name>
    <message>
        <source>ERROR: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Silicon, macOS and Rosetta compatibility checks passed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Ludowell&apos;s game and Steam environment were stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data location: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runtime: %1 | Steam: %2 | AoE IV: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not set up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game version matches the optimized build.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game update needs revalidation; optimized launch is blocked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading the validated graphics and dependency package (about %1 MB)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing a fresh Windows environment; no existing Steam accounts are imported…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The independent runtime is ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading the official Windows Steam installer…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam is installed. Sign in with your own account and install %1 in the default Steam library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the installed game version…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam is already open. The HUD change takes effect after exiting Steam and reopening it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AoE IV launch requested. Steam may show a confirmation dialog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam launch requested. Initial client updates can take a few minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating game components. Steam, games and saves will stay in place…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game components updated. The previous engine has been retained for recovery.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is taking longer than expected. Please try again. Your downloads are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unexpected error stopped this step.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This build requires macOS 26 or later. Earlier macOS versions have not been validated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rosetta is required. Open an Intel app and follow macOS&apos;s Rosetta installation prompt, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The optimization is not compatible with this Mac&apos;s current Rosetta runtime. No system settings were changed. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tessaline did not answer within 25 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and close AoE IV and this app&apos;s Steam client before setting up or repairing the environment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 failed (%2). %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logs: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is full: this step needs about %1 MB more free space. Free up some space and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The downloaded file differs from the validated version. Setup stopped without executing it. A newer launcher may be needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped at your request. Finished steps and downloads are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected graphics package layout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wine did not finish creating the Windows environment. Check the setup logs and retry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Set up Steam first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam installation did not finish. Retry setup; your existing files will be kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Set up Steam before opening the library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install %1 in this Steam client&apos;s default library, then choose Play now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This game build has not been validated for the optimizations. Please update Ludowell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open the operation lock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another setup or launch is already in progress. Please wait for it to finish.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data folder given with --data-root is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please review the setup license in Ludowell first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown action.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open the update lock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An update or launch is already in progress. Please wait for it to finish.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and close your game and Steam before updating game components.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new game components failed verification. Your previous engine is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid runtime dependency manifest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing dependency: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The staged engine is incomplete. Your previous engine is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new engine didn&apos;t pass its startup check. Your previous engine is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsupported engine manifest format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid engine update manifest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid engine update path or hash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This game profile is invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Age of Empires optimization requires its validated game profile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game library contains duplicate or missing games.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game library is missing. Please reinstall this app.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is full: %1 could not be written. Free up some space and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: its disk is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be used: permission denied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read or written: the disk reported an input/output error.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ludowell::DownloadWatch</name>
    <message>
        <source>%1 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2/s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ludowell::LibraryModel</name>
    <message>
        <source>Steam couldn&apos;t connect. Check your internet connection, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working on it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in to Steam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready to install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready to play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting ready…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening your game…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Steam to sign in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install with Steam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading game components…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing your Mac for play…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing Steam…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking your game…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This version needs macOS 26 or later. Update macOS in System Settings, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rosetta is needed to run Steam. Open an Intel app and follow Apple&apos;s installation prompt, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The gaming components aren&apos;t compatible with this Mac&apos;s current Rosetta version. Please contact support with the details below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam has installed a newer game version. A Ludowell update is needed before this game can launch safely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A download has changed since this app was released. Please get an updated Ludowell app.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another setup or launch is in progress. Let it finish, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please save your game and exit Steam before preparing this setup again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We couldn&apos;t finish that step. Check your internet connection and try again. Your completed downloads are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing Steam…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening Steam…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam is opening in a separate window. The first launch may take a few minutes while Steam updates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Steam, confirm Install and keep the suggested folder. You can return here while the download finishes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your game is opening through Steam. If Steam asks for confirmation, choose Play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Mac passed the compatibility checks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This game&apos;s Steam session has closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a design preview. No game or Steam process was started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The step was stopped. Everything it finished is kept, so the next attempt picks up from there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your setup preference couldn&apos;t be saved. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We couldn&apos;t save your progress. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use your existing Steam setup?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ludowell will use the same Steam account, installed game and saves as Ambrovel. Close the old launcher before using this one. No files will be moved or deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use existing setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close this game&apos;s Steam session?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and exit your game first. Continuing will close its game and Steam processes, and unsaved progress will be lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data received for 15 s. Check your connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop this step?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ludowell stops where it is. Everything already finished is kept, and the next attempt picks up from there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop step</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ludowell::Updates</name>
    <message>
        <source>Checks securely for new versions of Ludowell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re using the latest version of Ludowell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates. Please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update ready. Save and close your game and Steam; Ludowell will then update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing update…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and close your game and its Steam session before checking for updates. Ludowell will check again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ludowell %1 is available.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ludowell::ui::Alerts</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new version of Ludowell is available!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ludowell %1 is now available—you have %2. Would you like to install it now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ludowell %1 is currently the newest version available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ludowell::ui::AppDelegate</name>
    <message>
        <source>Finish playing before updating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and close your game and Steam. Ludowell will keep the update ready for you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup is still working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let this step finish before closing Ludowell. You can minimize this window while you wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let this step finish before closing. You can minimize the window while you wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1
Play the Windows games you own on Steam, on your Mac.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Ludowell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Ludowell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
