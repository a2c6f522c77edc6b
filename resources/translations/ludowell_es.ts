<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ActivityPanel</name>
    <message>
        <source>Stopping…</source>
        <translation>Deteniendo…</translation>
    </message>
    <message>
        <source>Getting ready…</source>
        <translation>Preparando…</translation>
    </message>
    <message>
        <source>Stop…</source>
        <translation>Detener…</translation>
    </message>
    <message>
        <source>Stops the running step after asking</source>
        <translation>Detiene el paso en curso tras preguntar</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progreso de la descarga</translation>
    </message>
</context>
<context>
    <name>ArtworkCard</name>
    <message>
        <source>IN YOUR LIBRARY</source>
        <translation>EN TU BIBLIOTECA</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation>Estado: %1</translation>
    </message>
    <message>
        <source>One-time setup
Your own Steam account</source>
        <translation>Configuración única
Tu propia cuenta de Steam</translation>
    </message>
    <message>
        <source>STRATEGY   ·   MULTIPLAYER</source>
        <translation>ESTRATEGIA   ·   MULTIJUGADOR</translation>
    </message>
</context>
<context>
    <name>DiagnosticsSheet</name>
    <message>
        <source>Details for troubleshooting</source>
        <translation>Detalles para solucionar problemas</translation>
    </message>
    <message>
        <source>No diagnostic details available.</source>
        <translation>No hay detalles de diagnóstico.</translation>
    </message>
    <message>
        <source>Read-only output of the last step</source>
        <translation>Salida del último paso, de solo lectura</translation>
    </message>
    <message>
        <source>Open log folder</source>
        <translation>Abrir carpeta de registros</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Save Support Report…</source>
        <translation>Guardar informe para soporte…</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Expanded</source>
        <translation>Desplegado</translation>
    </message>
    <message>
        <source>Collapsed</source>
        <translation>Contraído</translation>
    </message>
    <message>
        <source>A little help, whenever.</source>
        <translation>Un poco de ayuda, cuando la necesites.</translation>
    </message>
    <message>
        <source>Everything you need to get from setup to your first game.</source>
        <translation>Todo lo que necesitas desde la configuración hasta tu primera partida.</translation>
    </message>
    <message>
        <source>Start with Get started</source>
        <translation>Empieza con «Empezar»</translation>
    </message>
    <message>
        <source>Ludowell prepares Steam for this game. Review the component license, then let setup finish. Keep your Mac connected to the internet.</source>
        <translation>Ludowell prepara Steam para este juego. Revisa la licencia del componente y deja que termine la configuración. Mantén tu Mac conectado a Internet.</translation>
    </message>
    <message>
        <source>Sign in directly to Steam</source>
        <translation>Inicia sesión directamente en Steam</translation>
    </message>
    <message>
        <source>Steam opens in a separate window. Use your Steam account or scan the QR code with the Steam mobile app. Complete Steam Guard if prompted. Ludowell never asks for your Steam password.</source>
        <translation>Steam se abre en una ventana aparte. Usa tu cuenta de Steam o escanea el código QR con la app móvil de Steam. Completa Steam Guard si te lo pide. Ludowell nunca te pide tu contraseña de Steam.</translation>
    </message>
    <message>
        <source>Install once. Play whenever.</source>
        <translation>Instala una vez. Juega cuando quieras.</translation>
    </message>
    <message>
        <source>After signing in, return here and choose I&apos;m signed in, then Install with Steam. You need to own the game on Steam. Keep Steam&apos;s suggested installation folder. When it&apos;s finished, Play now appears automatically.</source>
        <translation>Después de iniciar sesión, vuelve aquí y elige «Ya inicié sesión» y luego «Instalar con Steam». Necesitas tener el juego en Steam. Mantén la carpeta de instalación que sugiere Steam. Cuando termine, «Jugar ahora» aparecerá automáticamente.</translation>
    </message>
    <message>
        <source>Something not quite right?</source>
        <translation>¿Algo no va bien?</translation>
    </message>
    <message>
        <source>Steam is blank or hasn&apos;t appeared</source>
        <translation>Steam está en blanco o no aparece</translation>
    </message>
    <message>
        <source>The first launch can take a few minutes while Steam updates. Look for Steam in the Dock. If it remains blank, save and close any running game, use Close Steam session in Settings, then open Steam again.</source>
        <translation>El primer inicio puede tardar unos minutos mientras Steam se actualiza. Busca Steam en el Dock. Si sigue en blanco, guarda y cierra cualquier juego abierto, usa «Cerrar sesión de Steam» en Ajustes y vuelve a abrir Steam.</translation>
    </message>
    <message>
        <source>I can&apos;t find my game in Steam</source>
        <translation>No encuentro mi juego en Steam</translation>
    </message>
    <message>
        <source>Check that you signed in to the account that owns the game. If Steam shows a price instead of Install, ownership is managed by Steam. This app doesn&apos;t include a game license.</source>
        <translation>Comprueba que iniciaste sesión con la cuenta que tiene el juego. Si Steam muestra un precio en lugar de Instalar, la propiedad la gestiona Steam. Esta app no incluye una licencia del juego.</translation>
    </message>
    <message>
        <source>Steam finished, but Play now isn&apos;t showing</source>
        <translation>Steam terminó, pero no aparece «Jugar ahora»</translation>
    </message>
    <message>
        <source>Steam may still be unpacking or verifying the download. Check its Downloads page. Install into the default Steam library; other installation folders aren&apos;t supported in this version.</source>
        <translation>Puede que Steam aún esté descomprimiendo o verificando la descarga. Revisa su página de Descargas. Instala en la biblioteca predeterminada de Steam; otras carpetas de instalación no son compatibles con esta versión.</translation>
    </message>
    <message>
        <source>My game updated and won&apos;t launch</source>
        <translation>Mi juego se actualizó y no se abre</translation>
    </message>
    <message>
        <source>Some game versions need specific compatibility fixes. If this app asks for an update, get a newer Ludowell release. Your existing game files and saves stay in place.</source>
        <translation>Algunas versiones del juego necesitan ajustes de compatibilidad específicos. Si esta app pide una actualización, consigue una versión más reciente de Ludowell. Tus archivos del juego y tus partidas guardadas se conservan.</translation>
    </message>
    <message>
        <source>Check this Mac</source>
        <translation>Comprobar este Mac</translation>
    </message>
    <message>
        <source>Open diagnostic logs</source>
        <translation>Abrir registros de diagnóstico</translation>
    </message>
    <message>
        <source>Requires an Apple Silicon Mac, macOS 26 or later, and Rosetta. Ludowell is an independent app; it isn&apos;t affiliated with Apple, Microsoft or Valve. Game artwork and names belong to their respective owners.</source>
        <translation>Requiere un Mac con Apple Silicon, macOS 26 o posterior y Rosetta. Ludowell es una app independiente; no está afiliada a Apple, Microsoft ni Valve. Las imágenes y los nombres de los juegos pertenecen a sus respectivos propietarios.</translation>
    </message>
    <message>
        <source>Save Support Report…</source>
        <translation>Guardar informe para soporte…</translation>
    </message>
</context>
<context>
    <name>LibraryPage</name>
    <message>
        <source>Your next adventure.</source>
        <translation>Tu próxima aventura.</translation>
    </message>
    <message>
        <source>A home for your games on Mac.</source>
        <translation>Un hogar para tus juegos en el Mac.</translation>
    </message>
    <message numerus="yes">
        <source>%n GAME(S)</source>
        <translation>
            <numerusform>%n JUEGO</numerusform>
            <numerusform>%n JUEGOS</numerusform>
        </translation>
    </message>
    <message>
        <source>The first Steam update can take a few minutes. Check the Dock for Steam. If it still doesn&apos;t appear, choose Open Steam again or visit Help.</source>
        <translation>La primera actualización de Steam puede tardar unos minutos. Busca Steam en el Dock. Si sigue sin aparecer, elige «Abrir Steam» de nuevo o consulta la Ayuda.</translation>
    </message>
    <message>
        <source>Already playing with Ambrovel?</source>
        <translation>¿Ya juegas con Ambrovel?</translation>
    </message>
    <message>
        <source>Use your installed game and saves without downloading again.</source>
        <translation>Usa tu juego instalado y tus partidas guardadas sin volver a descargar.</translation>
    </message>
    <message>
        <source>Use existing setup</source>
        <translation>Usar configuración existente</translation>
    </message>
    <message>
        <source>More supported games will arrive in future updates.</source>
        <translation>Llegarán más juegos en futuras actualizaciones.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>¿Necesitas ayuda?</translation>
    </message>
</context>
<context>
    <name>LicenseSheet</name>
    <message>
        <source>Let&apos;s prepare your Mac.</source>
        <translation>Preparemos tu Mac.</translation>
    </message>
    <message>
        <source>We&apos;ll download Steam and the components needed to run your game. You only need to do this once.</source>
        <translation>Descargaremos Steam y los componentes necesarios para ejecutar tu juego. Solo tienes que hacerlo una vez.</translation>
    </message>
    <message>
        <source>Apple&apos;s graphics component license limits use to developing, testing or evaluating games on Apple hardware. Please review it before continuing.</source>
        <translation>La licencia del componente gráfico de Apple limita su uso a desarrollar, probar o evaluar juegos en hardware de Apple. Revísala antes de continuar.</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>Apple&apos;s graphics component license, read-only</source>
        <translation>Licencia del componente gráfico de Apple, de solo lectura</translation>
    </message>
    <message>
        <source>A few minutes · Internet connection required</source>
        <translation>Unos minutos · Requiere conexión a Internet</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>Agree &amp; set up Steam</source>
        <translation>Aceptar y configurar Steam</translation>
    </message>
</context>
<context>
    <name>MessageCard</name>
    <message>
        <source>Show details</source>
        <translation>Mostrar detalles</translation>
    </message>
    <message>
        <source>Get help</source>
        <translation>Obtener ayuda</translation>
    </message>
    <message>
        <source>Dismiss message</source>
        <translation>Cerrar mensaje</translation>
    </message>
</context>
<context>
    <name>Nav</name>
    <message>
        <source>Current page</source>
        <translation>Página actual</translation>
    </message>
</context>
<context>
    <name>ReadyGuide</name>
    <message>
        <source>You&apos;re all set.</source>
        <translation>Todo listo.</translation>
    </message>
    <message>
        <source>Launch your game here. Steam takes care of your account, friends and updates.</source>
        <translation>Abre tu juego desde aquí. Steam se encarga de tu cuenta, tus amigos y las actualizaciones.</translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation>Abrir Steam</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Expanded</source>
        <translation>Desplegado</translation>
    </message>
    <message>
        <source>Collapsed</source>
        <translation>Contraído</translation>
    </message>
    <message>
        <source>Make yourself at home.</source>
        <translation>Ponte cómodo.</translation>
    </message>
    <message>
        <source>A few simple preferences. The rest is taken care of.</source>
        <translation>Unos pocos ajustes sencillos. Del resto nos encargamos nosotros.</translation>
    </message>
    <message>
        <source>While you play</source>
        <translation>Mientras juegas</translation>
    </message>
    <message>
        <source>Show performance overlay</source>
        <translation>Mostrar indicador de rendimiento</translation>
    </message>
    <message>
        <source>Displays the frame rate in your game. Applies the next time you start a fresh Steam session.</source>
        <translation>Muestra la tasa de fotogramas en tu juego. Se aplica la próxima vez que inicies una nueva sesión de Steam.</translation>
    </message>
    <message>
        <source>Steam for %1</source>
        <translation>Steam para %1</translation>
    </message>
    <message>
        <source>Each game has its own setup. Your Steam login and saves stay on this Mac. Steam Cloud is managed by Steam.</source>
        <translation>Cada juego tiene su propia configuración. Tu inicio de sesión de Steam y tus partidas guardadas se quedan en este Mac. Steam Cloud lo gestiona Steam.</translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation>Abrir Steam</translation>
    </message>
    <message>
        <source>Close Steam session…</source>
        <translation>Cerrar sesión de Steam…</translation>
    </message>
    <message>
        <source>Advanced &amp; diagnostics</source>
        <translation>Avanzado y diagnóstico</translation>
    </message>
    <message>
        <source>Game files and local settings</source>
        <translation>Archivos del juego y ajustes locales</translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <translation>Carpeta de datos: %1</translation>
    </message>
    <message>
        <source>Show data folder</source>
        <translation>Mostrar carpeta de datos</translation>
    </message>
    <message>
        <source>Show logs</source>
        <translation>Mostrar registros</translation>
    </message>
    <message>
        <source>Check compatibility</source>
        <translation>Comprobar compatibilidad</translation>
    </message>
    <message>
        <source>Logs may contain local paths or Steam account information. Review them before sharing.</source>
        <translation>Los registros pueden contener rutas locales o información de tu cuenta de Steam. Revísalos antes de compartirlos.</translation>
    </message>
</context>
<context>
    <name>SetupGuide</name>
    <message>
        <source>A few steps, then you&apos;re in.</source>
        <translation>Unos pasos y estarás dentro.</translation>
    </message>
    <message>
        <source>Let&apos;s get you playing.</source>
        <translation>Vamos a jugar.</translation>
    </message>
    <message>
        <source>STEP %1 OF %2</source>
        <translation>PASO %1 DE %2</translation>
    </message>
    <message>
        <source>Prepare your Mac</source>
        <translation>Preparar tu Mac</translation>
    </message>
    <message>
        <source>We&apos;ll install Steam and the components your game needs.</source>
        <translation>Instalaremos Steam y los componentes que necesita tu juego.</translation>
    </message>
    <message>
        <source>Sign in to Steam</source>
        <translation>Iniciar sesión en Steam</translation>
    </message>
    <message>
        <source>Use your own account in the Steam window.</source>
        <translation>Usa tu propia cuenta en la ventana de Steam.</translation>
    </message>
    <message>
        <source>Install &amp; play</source>
        <translation>Instalar y jugar</translation>
    </message>
    <message>
        <source>Download your game with Steam. Play from here next time.</source>
        <translation>Descarga tu juego con Steam. La próxima vez, juega desde aquí.</translation>
    </message>
    <message>
        <source>Sign in in the Steam window</source>
        <translation>Inicia sesión en la ventana de Steam</translation>
    </message>
    <message>
        <source>Use your Steam username and password or Steam&apos;s QR code. Complete Steam Guard if asked, then return here.</source>
        <translation>Usa tu nombre de usuario y contraseña de Steam o el código QR de Steam. Completa Steam Guard si te lo pide y vuelve aquí.</translation>
    </message>
    <message>
        <source>I&apos;m signed in</source>
        <translation>Ya inicié sesión</translation>
    </message>
    <message>
        <source>I can&apos;t see the Steam window</source>
        <translation>No veo la ventana de Steam</translation>
    </message>
    <message>
        <source>Steam is downloading your game</source>
        <translation>Steam está descargando tu juego</translation>
    </message>
    <message>
        <source>Install your own copy through Steam</source>
        <translation>Instala tu propia copia con Steam</translation>
    </message>
    <message>
        <source>Keep Steam open while your game downloads. You can check progress in Steam’s Downloads tab. This page updates when the game is ready.</source>
        <translation>Mantén Steam abierto mientras se descarga tu juego. Puedes ver el progreso en la pestaña Descargas de Steam. Esta página se actualiza cuando el juego esté listo.</translation>
    </message>
    <message>
        <source>Choose Install in Steam and keep the suggested folder. Leave Steam open; this page will update when the game is ready.</source>
        <translation>Elige Instalar en Steam y mantén la carpeta sugerida. Deja Steam abierto; esta página se actualizará cuando el juego esté listo.</translation>
    </message>
    <message>
        <source>Game download progress</source>
        <translation>Progreso de la descarga del juego</translation>
    </message>
    <message>
        <source>%1% downloaded</source>
        <translation>%1 % descargado</translation>
    </message>
    <message>
        <source>%1% downloaded · Steam may still need to unpack or verify files</source>
        <translation>%1 % descargado · Puede que Steam aún tenga que descomprimir o verificar archivos</translation>
    </message>
    <message>
        <source>Not signed in yet? Open Steam</source>
        <translation>¿Aún no iniciaste sesión? Abrir Steam</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>YOUR SPACE</source>
        <translation>TU ESPACIO</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Biblioteca</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Made for your Mac</source>
        <translation>Hecho para tu Mac</translation>
    </message>
    <message>
        <source>DESIGN PREVIEW</source>
        <translation>VISTA PREVIA DE DISEÑO</translation>
    </message>
    <message>
        <source>VERSION %1</source>
        <translation>VERSIÓN %1</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>In progress</source>
        <translation>En curso</translation>
    </message>
</context>
<context>
    <name>StorageCard</name>
    <message>
        <source>Storage</source>
        <translation>Almacenamiento</translation>
    </message>
    <message>
        <source>Measure again</source>
        <translation>Volver a medir</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Mostrar %1</translation>
    </message>
    <message>
        <source>Remove downloaded installers…</source>
        <translation>Eliminar instaladores descargados…</translation>
    </message>
    <message>
        <source>Remove logs older than 30 days…</source>
        <translation>Eliminar registros de más de 30 días…</translation>
    </message>
</context>
<context>
    <name>UpdatesPanel</name>
    <message>
        <source>App updates</source>
        <translation>Actualizaciones de la app</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Buscar actualizaciones automáticamente</translation>
    </message>
    <message>
        <source>Installation waits for your game and Steam to close. Your games and saves stay in place.</source>
        <translation>La instalación espera a que se cierren tu juego y Steam. Tus juegos y partidas guardadas se conservan.</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
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
        <translation>Acerca de Ludowell</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Quit Ludowell</source>
        <translation>Salir de Ludowell</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>ludowell::ChildLines</name>
    <message>
        <source>ERROR: %1</source>
        <translation>ERROR: %1</translation>
    </message>
    <message>
        <source>Apple Silicon, macOS and Rosetta compatibility checks passed.</source>
        <translation>Comprobaciones de compatibilidad de Apple Silicon, macOS y Rosetta superadas.</translation>
    </message>
    <message>
        <source>Only Ludowell&apos;s game and Steam environment were stopped.</source>
        <translation>Solo se detuvo el entorno de juego y de Steam de Ludowell.</translation>
    </message>
    <message>
        <source>Data location: %1</source>
        <translation>Ubicación de los datos: %1</translation>
    </message>
    <message>
        <source>Runtime: %1 | Steam: %2 | AoE IV: %3</source>
        <translation>Entorno: %1 | Steam: %2 | AoE IV: %3</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>listo</translation>
    </message>
    <message>
        <source>not set up</source>
        <translation>sin configurar</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>instalado</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>no instalado</translation>
    </message>
    <message>
        <source>Game version matches the optimized build.</source>
        <translation>La versión del juego coincide con la compilación optimizada.</translation>
    </message>
    <message>
        <source>Game update needs revalidation; optimized launch is blocked.</source>
        <translation>La actualización del juego necesita revalidación; el inicio optimizado está bloqueado.</translation>
    </message>
    <message>
        <source>Downloading the validated graphics and dependency package (about %1 MB)…</source>
        <translation>Descargando el paquete gráfico y de dependencias validado (unos %1 MB)…</translation>
    </message>
    <message>
        <source>Preparing a fresh Windows environment; no existing Steam accounts are imported…</source>
        <translation>Preparando un entorno de Windows nuevo; no se importa ninguna cuenta de Steam existente…</translation>
    </message>
    <message>
        <source>The independent runtime is ready.</source>
        <translation>El entorno independiente está listo.</translation>
    </message>
    <message>
        <source>Downloading the official Windows Steam installer…</source>
        <translation>Descargando el instalador oficial de Steam para Windows…</translation>
    </message>
    <message>
        <source>Steam is installed. Sign in with your own account and install %1 in the default Steam library.</source>
        <translation>Steam está instalado. Inicia sesión con tu propia cuenta e instala %1 en la biblioteca predeterminada de Steam.</translation>
    </message>
    <message>
        <source>Checking the installed game version…</source>
        <translation>Comprobando la versión instalada del juego…</translation>
    </message>
    <message>
        <source>Steam is already open. The HUD change takes effect after exiting Steam and reopening it.</source>
        <translation>Steam ya está abierto. El cambio del indicador se aplica después de salir de Steam y volver a abrirlo.</translation>
    </message>
    <message>
        <source>AoE IV launch requested. Steam may show a confirmation dialog.</source>
        <translation>Inicio de AoE IV solicitado. Steam puede mostrar un diálogo de confirmación.</translation>
    </message>
    <message>
        <source>Steam launch requested. Initial client updates can take a few minutes.</source>
        <translation>Inicio de Steam solicitado. Las primeras actualizaciones del cliente pueden tardar unos minutos.</translation>
    </message>
    <message>
        <source>Updating game components. Steam, games and saves will stay in place…</source>
        <translation>Actualizando los componentes del juego. Steam, los juegos y las partidas guardadas se conservan…</translation>
    </message>
    <message>
        <source>Game components updated. The previous engine has been retained for recovery.</source>
        <translation>Componentes del juego actualizados. El motor anterior se conservó para recuperación.</translation>
    </message>
    <message>
        <source>This is taking longer than expected. Please try again. Your downloads are kept.</source>
        <translation>Esto está tardando más de lo esperado. Inténtalo de nuevo. Tus descargas se conservan.</translation>
    </message>
    <message>
        <source>An unexpected error stopped this step.</source>
        <translation>Un error inesperado detuvo este paso.</translation>
    </message>
    <message>
        <source>This build requires macOS 26 or later. Earlier macOS versions have not been validated.</source>
        <translation>Esta compilación requiere macOS 26 o posterior. Las versiones anteriores de macOS no se han validado.</translation>
    </message>
    <message>
        <source>Rosetta is required. Open an Intel app and follow macOS&apos;s Rosetta installation prompt, then try again.</source>
        <translation>Se necesita Rosetta. Abre una app para Intel, sigue el aviso de instalación de Rosetta de macOS e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>The optimization is not compatible with this Mac&apos;s current Rosetta runtime. No system settings were changed. %1</source>
        <translation>La optimización no es compatible con el entorno Rosetta actual de este Mac. No se cambió ningún ajuste del sistema. %1</translation>
    </message>
    <message>
        <source>tessaline did not answer within 25 seconds.</source>
        <translation>tessaline no respondió en 25 segundos.</translation>
    </message>
    <message>
        <source>Save and close AoE IV and this app&apos;s Steam client before setting up or repairing the environment.</source>
        <translation>Guarda y cierra AoE IV y el cliente de Steam de esta app antes de configurar o reparar el entorno.</translation>
    </message>
    <message>
        <source>%1 failed (%2). %3</source>
        <translation>%1 falló (%2). %3</translation>
    </message>
    <message>
        <source>Logs: %1</source>
        <translation>Registros: %1</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>El disco está lleno. Libera espacio e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>The disk is full: this step needs about %1 MB more free space. Free up some space and try again.</source>
        <translation>El disco está lleno: este paso necesita unos %1 MB más de espacio libre. Libera espacio e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>The downloaded file differs from the validated version. Setup stopped without executing it. A newer launcher may be needed.</source>
        <translation>El archivo descargado no coincide con la versión validada. La configuración se detuvo sin ejecutarlo. Puede que necesites un lanzador más reciente.</translation>
    </message>
    <message>
        <source>Stopped at your request. Finished steps and downloads are kept.</source>
        <translation>Detenido a petición tuya. Los pasos terminados y las descargas se conservan.</translation>
    </message>
    <message>
        <source>Unexpected graphics package layout.</source>
        <translation>Estructura inesperada del paquete gráfico.</translation>
    </message>
    <message>
        <source>Wine did not finish creating the Windows environment. Check the setup logs and retry.</source>
        <translation>Wine no terminó de crear el entorno de Windows. Revisa los registros de configuración e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Run Set up Steam first.</source>
        <translation>Configura Steam primero.</translation>
    </message>
    <message>
        <source>Steam installation did not finish. Retry setup; your existing files will be kept.</source>
        <translation>La instalación de Steam no terminó. Repite la configuración; tus archivos existentes se conservarán.</translation>
    </message>
    <message>
        <source>Click Set up Steam before opening the library.</source>
        <translation>Configura Steam antes de abrir la biblioteca.</translation>
    </message>
    <message>
        <source>Install %1 in this Steam client&apos;s default library, then choose Play now.</source>
        <translation>Instala %1 en la biblioteca predeterminada de este cliente de Steam y luego elige «Jugar ahora».</translation>
    </message>
    <message>
        <source>This game build has not been validated for the optimizations. Please update Ludowell.</source>
        <translation>Esta compilación del juego no se ha validado para las optimizaciones. Actualiza Ludowell.</translation>
    </message>
    <message>
        <source>Could not open the operation lock.</source>
        <translation>No se pudo abrir el bloqueo de la operación.</translation>
    </message>
    <message>
        <source>Another setup or launch is already in progress. Please wait for it to finish.</source>
        <translation>Ya hay otra configuración o inicio en curso. Espera a que termine.</translation>
    </message>
    <message>
        <source>The data folder given with --data-root is empty.</source>
        <translation>La carpeta de datos indicada con --data-root está vacía.</translation>
    </message>
    <message>
        <source>Please review the setup license in Ludowell first.</source>
        <translation>Revisa primero la licencia de configuración en Ludowell.</translation>
    </message>
    <message>
        <source>Unknown action.</source>
        <translation>Acción desconocida.</translation>
    </message>
    <message>
        <source>Could not open the update lock.</source>
        <translation>No se pudo abrir el bloqueo de actualización.</translation>
    </message>
    <message>
        <source>An update or launch is already in progress. Please wait for it to finish.</source>
        <translation>Ya hay una actualización o un inicio en curso. Espera a que termine.</translation>
    </message>
    <message>
        <source>Save and close your game and Steam before updating game components.</source>
        <translation>Guarda y cierra tu juego y Steam antes de actualizar los componentes del juego.</translation>
    </message>
    <message>
        <source>The new game components failed verification. Your previous engine is unchanged.</source>
        <translation>Los nuevos componentes del juego no superaron la verificación. Tu motor anterior no ha cambiado.</translation>
    </message>
    <message>
        <source>Invalid runtime dependency manifest.</source>
        <translation>Manifiesto de dependencias del entorno no válido.</translation>
    </message>
    <message>
        <source>Missing dependency: %1</source>
        <translation>Falta una dependencia: %1</translation>
    </message>
    <message>
        <source>The staged engine is incomplete. Your previous engine is unchanged.</source>
        <translation>El motor preparado está incompleto. Tu motor anterior no ha cambiado.</translation>
    </message>
    <message>
        <source>The new engine didn&apos;t pass its startup check. Your previous engine is unchanged.</source>
        <translation>El motor nuevo no superó su prueba de inicio. Tu motor anterior no ha cambiado.</translation>
    </message>
    <message>
        <source>Unsupported engine manifest format.</source>
        <translation>Formato de manifiesto del motor no compatible.</translation>
    </message>
    <message>
        <source>Invalid engine update manifest.</source>
        <translation>Manifiesto de actualización del motor no válido.</translation>
    </message>
    <message>
        <source>Invalid engine update path or hash.</source>
        <translation>Ruta o hash de actualización del motor no válidos.</translation>
    </message>
    <message>
        <source>This game profile is invalid.</source>
        <translation>Este perfil de juego no es válido.</translation>
    </message>
    <message>
        <source>The Age of Empires optimization requires its validated game profile.</source>
        <translation>La optimización de Age of Empires requiere su perfil de juego validado.</translation>
    </message>
    <message>
        <source>The game library contains duplicate or missing games.</source>
        <translation>La biblioteca de juegos contiene juegos duplicados o que faltan.</translation>
    </message>
    <message>
        <source>The game library is missing. Please reinstall this app.</source>
        <translation>Falta la biblioteca de juegos. Vuelve a instalar esta app.</translation>
    </message>
    <message>
        <source>A file</source>
        <translation>Un archivo</translation>
    </message>
    <message>
        <source>The disk is full: %1 could not be written. Free up some space and try again.</source>
        <translation>El disco está lleno: no se pudo escribir %1. Libera espacio e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>%1 cannot be written: its disk is read-only.</source>
        <translation>No se puede escribir %1: su disco es de solo lectura.</translation>
    </message>
    <message>
        <source>%1 cannot be used: permission denied.</source>
        <translation>No se puede usar %1: permiso denegado.</translation>
    </message>
    <message>
        <source>%1 cannot be read or written: the disk reported an input/output error.</source>
        <translation>No se puede leer ni escribir %1: el disco informó de un error de entrada/salida.</translation>
    </message>
    <message>
        <source>The data folder&apos;s path contains &quot;:&quot; (shown as &quot;/&quot; in the Finder), which the game&apos;s Windows environment cannot use. Choose a folder whose path has neither.</source>
        <translation>La ruta de la carpeta de datos contiene «:» (que el Finder muestra como «/»), algo que el entorno de Windows del juego no puede usar. Elige una carpeta cuya ruta no tenga ninguno de los dos.</translation>
    </message>
    <message>
        <source>The data folder&apos;s path is too long for the game&apos;s Windows environment. Choose a folder with a shorter path.</source>
        <translation>La ruta de la carpeta de datos es demasiado larga para el entorno de Windows del juego. Elige una carpeta con una ruta más corta.</translation>
    </message>
    <message>
        <source>Could not start %1</source>
        <translation>No se pudo iniciar %1</translation>
    </message>
    <message>
        <source>Writing the support report…</source>
        <translation>Escribiendo el informe para soporte…</translation>
    </message>
    <message>
        <source>Support report saved: %1</source>
        <translation>Informe para soporte guardado: %1</translation>
    </message>
    <message>
        <source>The folder for the support report does not exist: %1</source>
        <translation>La carpeta del informe para soporte no existe: %1</translation>
    </message>
    <message>
        <source>The support report could not be packed.</source>
        <translation>No se pudo empaquetar el informe para soporte.</translation>
    </message>
    <message>
        <source>Save and close your game and this app&apos;s Steam client before cleaning up.</source>
        <translation>Guarda y cierra tu juego y el cliente de Steam de esta app antes de liberar espacio.</translation>
    </message>
    <message>
        <source>No downloaded installers to remove.</source>
        <translation>No hay instaladores descargados que eliminar.</translation>
    </message>
    <message>
        <source>Removed the downloaded installers and freed %1. A later repair downloads them again.</source>
        <translation>Se eliminaron los instaladores descargados y se liberaron %1. Una reparación posterior los volverá a descargar.</translation>
    </message>
    <message>
        <source>No logs older than 30 days to remove.</source>
        <translation>No hay registros de más de 30 días que eliminar.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n log(s) older than 30 days and freed %1.</source>
        <translation>
            <numerusform>Se eliminó %n registro de más de 30 días y se liberaron %1.</numerusform>
            <numerusform>Se eliminaron %n registros de más de 30 días y se liberaron %1.</numerusform>
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
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
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
        <translation>Steam no pudo conectarse. Revisa tu conexión a Internet e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Working on it</source>
        <translation>Trabajando en ello</translation>
    </message>
    <message>
        <source>Setup needed</source>
        <translation>Falta configurar</translation>
    </message>
    <message>
        <source>Sign in to Steam</source>
        <translation>Iniciar sesión en Steam</translation>
    </message>
    <message>
        <source>Ready to install</source>
        <translation>Listo para instalar</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instalando</translation>
    </message>
    <message>
        <source>Ready to play</source>
        <translation>Listo para jugar</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En ejecución</translation>
    </message>
    <message>
        <source>Getting ready…</source>
        <translation>Preparando…</translation>
    </message>
    <message>
        <source>Opening your game…</source>
        <translation>Abriendo tu juego…</translation>
    </message>
    <message>
        <source>Get started</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Open Steam to sign in</source>
        <translation>Abrir Steam para iniciar sesión</translation>
    </message>
    <message>
        <source>Install with Steam</source>
        <translation>Instalar con Steam</translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation>Abrir Steam</translation>
    </message>
    <message>
        <source>Play now</source>
        <translation>Jugar ahora</translation>
    </message>
    <message>
        <source>Downloading game components…</source>
        <translation>Descargando componentes del juego…</translation>
    </message>
    <message>
        <source>Preparing your Mac for play…</source>
        <translation>Preparando tu Mac para jugar…</translation>
    </message>
    <message>
        <source>Installing Steam…</source>
        <translation>Instalando Steam…</translation>
    </message>
    <message>
        <source>Checking your game…</source>
        <translation>Comprobando tu juego…</translation>
    </message>
    <message>
        <source>This version needs macOS 26 or later. Update macOS in System Settings, then try again.</source>
        <translation>Esta versión necesita macOS 26 o posterior. Actualiza macOS en Ajustes del Sistema e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Rosetta is needed to run Steam. Open an Intel app and follow Apple&apos;s installation prompt, then try again.</source>
        <translation>Se necesita Rosetta para ejecutar Steam. Abre una app para Intel, sigue el aviso de instalación de Apple e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>The gaming components aren&apos;t compatible with this Mac&apos;s current Rosetta version. Please contact support with the details below.</source>
        <translation>Los componentes del juego no son compatibles con la versión actual de Rosetta de este Mac. Contacta con soporte con los detalles de abajo.</translation>
    </message>
    <message>
        <source>Steam has installed a newer game version. A Ludowell update is needed before this game can launch safely.</source>
        <translation>Steam instaló una versión más reciente del juego. Se necesita una actualización de Ludowell para que este juego se abra de forma segura.</translation>
    </message>
    <message>
        <source>A download has changed since this app was released. Please get an updated Ludowell app.</source>
        <translation>Una descarga cambió desde que salió esta app. Consigue una versión actualizada de Ludowell.</translation>
    </message>
    <message>
        <source>Another setup or launch is in progress. Let it finish, then try again.</source>
        <translation>Hay otra configuración o inicio en curso. Deja que termine e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Please save your game and exit Steam before preparing this setup again.</source>
        <translation>Guarda tu partida y sal de Steam antes de volver a preparar esta configuración.</translation>
    </message>
    <message>
        <source>We couldn&apos;t finish that step. Check your internet connection and try again. Your completed downloads are kept.</source>
        <translation>No pudimos terminar ese paso. Revisa tu conexión a Internet e inténtalo de nuevo. Tus descargas completadas se conservan.</translation>
    </message>
    <message>
        <source>Preparing Steam…</source>
        <translation>Preparando Steam…</translation>
    </message>
    <message>
        <source>Opening Steam…</source>
        <translation>Abriendo Steam…</translation>
    </message>
    <message>
        <source>Steam is opening in a separate window. The first launch may take a few minutes while Steam updates.</source>
        <translation>Steam se abre en una ventana aparte. El primer inicio puede tardar unos minutos mientras Steam se actualiza.</translation>
    </message>
    <message>
        <source>In Steam, confirm Install and keep the suggested folder. You can return here while the download finishes.</source>
        <translation>En Steam, confirma Instalar y mantén la carpeta sugerida. Puedes volver aquí mientras termina la descarga.</translation>
    </message>
    <message>
        <source>Your game is opening through Steam. If Steam asks for confirmation, choose Play.</source>
        <translation>Tu juego se está abriendo con Steam. Si Steam pide confirmación, elige Jugar.</translation>
    </message>
    <message>
        <source>This Mac passed the compatibility checks.</source>
        <translation>Este Mac superó las comprobaciones de compatibilidad.</translation>
    </message>
    <message>
        <source>This game&apos;s Steam session has closed.</source>
        <translation>La sesión de Steam de este juego se cerró.</translation>
    </message>
    <message>
        <source>This is a design preview. No game or Steam process was started.</source>
        <translation>Esta es una vista previa de diseño. No se inició ningún proceso de juego ni de Steam.</translation>
    </message>
    <message>
        <source>The step was stopped. Everything it finished is kept, so the next attempt picks up from there.</source>
        <translation>El paso se detuvo. Todo lo terminado se conserva, así que el siguiente intento continúa desde ahí.</translation>
    </message>
    <message>
        <source>Your setup preference couldn&apos;t be saved. Please try again.</source>
        <translation>No se pudo guardar tu preferencia de configuración. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>We couldn&apos;t save your progress. Please try again.</source>
        <translation>No pudimos guardar tu progreso. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Use your existing Steam setup?</source>
        <translation>¿Usar tu configuración de Steam existente?</translation>
    </message>
    <message>
        <source>Ludowell will use the same Steam account, installed game and saves as Ambrovel. Close the old launcher before using this one. No files will be moved or deleted.</source>
        <translation>Ludowell usará la misma cuenta de Steam, el mismo juego instalado y las mismas partidas guardadas que Ambrovel. Cierra el lanzador anterior antes de usar este. No se moverá ni eliminará ningún archivo.</translation>
    </message>
    <message>
        <source>Use existing setup</source>
        <translation>Usar configuración existente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close this game&apos;s Steam session?</source>
        <translation>¿Cerrar la sesión de Steam de este juego?</translation>
    </message>
    <message>
        <source>Save and exit your game first. Continuing will close its game and Steam processes, and unsaved progress will be lost.</source>
        <translation>Primero guarda y sal de tu juego. Si continúas, se cerrarán sus procesos de juego y de Steam, y se perderá el progreso no guardado.</translation>
    </message>
    <message>
        <source>Close session</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>No data received for 15 s. Check your connection.</source>
        <translation>No se reciben datos desde hace 15 s. Revisa tu conexión.</translation>
    </message>
    <message>
        <source>Stop this step?</source>
        <translation>¿Detener este paso?</translation>
    </message>
    <message>
        <source>Ludowell stops where it is. Everything already finished is kept, and the next attempt picks up from there.</source>
        <translation>Ludowell se detiene donde está. Todo lo ya terminado se conserva y el siguiente intento continúa desde ahí.</translation>
    </message>
    <message>
        <source>Keep working</source>
        <translation>Seguir trabajando</translation>
    </message>
    <message>
        <source>Stop step</source>
        <translation>Detener paso</translation>
    </message>
    <message>
        <source>This data folder can&apos;t hold the game&apos;s Windows environment: a folder name in its path has a &quot;/&quot;, or the path is too long. Choose another folder, then try again.</source>
        <translation>Esta carpeta de datos no puede alojar el entorno de Windows del juego: el nombre de una carpeta de su ruta contiene «/» o la ruta es demasiado larga. Elige otra carpeta e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Writing the support report…</source>
        <translation>Escribiendo el informe para soporte…</translation>
    </message>
    <message>
        <source>Removing downloaded installers…</source>
        <translation>Eliminando los instaladores descargados…</translation>
    </message>
    <message>
        <source>Removing old logs…</source>
        <translation>Eliminando los registros antiguos…</translation>
    </message>
    <message>
        <source>Ludowell was updated or moved while this window was open. Quit and reopen Ludowell, then try again.</source>
        <translation>Ludowell se actualizó o se movió mientras esta ventana estaba abierta. Cierra y vuelve a abrir Ludowell, e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Your support report is saved in Downloads as “%1”. Attach it to your request for help.</source>
        <translation>Tu informe para soporte se guardó en Descargas como «%1». Adjúntalo a tu solicitud de ayuda.</translation>
    </message>
    <message>
        <source>There are no downloaded installers to remove.</source>
        <translation>No hay instaladores descargados que eliminar.</translation>
    </message>
    <message>
        <source>Remove downloaded installers?</source>
        <translation>¿Eliminar los instaladores descargados?</translation>
    </message>
    <message>
        <source>This frees %1. The installers Ludowell downloaded during setup are removed; a later repair downloads them again. Steam, your game, saves and engines stay as they are.</source>
        <translation>Esto libera %1. Se eliminan los instaladores que Ludowell descargó durante la configuración; una reparación posterior los volverá a descargar. Steam, tu juego, tus partidas guardadas y los motores quedan como están.</translation>
    </message>
    <message>
        <source>Remove installers</source>
        <translation>Eliminar instaladores</translation>
    </message>
    <message>
        <source>There are no logs older than 30 days.</source>
        <translation>No hay registros de más de 30 días.</translation>
    </message>
    <message>
        <source>Remove logs older than 30 days?</source>
        <translation>¿Eliminar los registros de más de 30 días?</translation>
    </message>
    <message>
        <source>This frees %1 (%2). Logs from the last 30 days stay for troubleshooting; nothing else is touched.</source>
        <translation>Esto libera %1 (%2). Los registros de los últimos 30 días se quedan para solucionar problemas; no se toca nada más.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln log(s)</source>
        <translation>
            <numerusform>%Ln registro</numerusform>
            <numerusform>%Ln registros</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove logs</source>
        <translation>Eliminar registros</translation>
    </message>
    <message>
        <source>Ludowell Support Report %1 at %2</source>
        <translation>Informe para soporte de Ludowell %1 a las %2</translation>
    </message>
</context>
<context>
    <name>ludowell::LinuxUpdateService</name>
    <message>
        <source>The update feed is not an appcast.</source>
        <translation>El canal de actualizaciones no es un appcast.</translation>
    </message>
    <message>
        <source>The update feed could not be read: %1</source>
        <translation>No se pudo leer el canal de actualizaciones: %1</translation>
    </message>
    <message>
        <source>Updates are not set up for this copy of Ludowell.</source>
        <translation>Las actualizaciones no están configuradas en esta copia de Ludowell.</translation>
    </message>
    <message>
        <source>The update settings of this copy of Ludowell are damaged.</source>
        <translation>Los ajustes de actualización de esta copia de Ludowell están dañados.</translation>
    </message>
    <message>
        <source>The update feed is larger than any feed Ludowell reads, so it was not read.</source>
        <translation>El canal de actualizaciones es más grande que cualquier canal que Ludowell lee, así que no se leyó.</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t reach the update server (%1).</source>
        <translation>Ludowell no pudo conectar con el servidor de actualizaciones (%1).</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t reach the update server.</source>
        <translation>Ludowell no pudo conectar con el servidor de actualizaciones.</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t store the update (%1).</source>
        <translation>Ludowell no pudo guardar la actualización (%1).</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t store the update.</source>
        <translation>Ludowell no pudo guardar la actualización.</translation>
    </message>
    <message>
        <source>The update download is larger than the feed announced, so it was stopped. Please try again later.</source>
        <translation>La descarga de la actualización es más grande de lo que anunció el canal, así que se detuvo. Vuelve a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>The update could not be downloaded (%1).</source>
        <translation>No se pudo descargar la actualización (%1).</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>No se pudo descargar la actualización.</translation>
    </message>
    <message>
        <source>The update download is incomplete: expected %1 bytes, got %2. Please try again later.</source>
        <translation>La descarga de la actualización está incompleta: se esperaban %1 bytes y llegaron %2. Vuelve a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>The update is not signed by Ludowell&apos;s developer, so it was not installed.</source>
        <translation>La actualización no está firmada por el desarrollador de Ludowell, así que no se instaló.</translation>
    </message>
    <message>
        <source>The update could not be unpacked (%1).</source>
        <translation>No se pudo descomprimir la actualización (%1).</translation>
    </message>
    <message>
        <source>The update could not be unpacked.</source>
        <translation>No se pudo descomprimir la actualización.</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t replace itself with the new version (%1). The current version was kept.</source>
        <translation>Ludowell no pudo reemplazarse por la nueva versión (%1). Se conservó la versión actual.</translation>
    </message>
    <message>
        <source>its unpacked copy is no longer usable</source>
        <translation>su copia descomprimida ya no se puede usar</translation>
    </message>
    <message>
        <source>The update does not contain a usable %1.</source>
        <translation>La actualización no contiene un %1 utilizable.</translation>
    </message>
    <message>
        <source>The update holds version %1, not the offered %2, so it was not installed.</source>
        <translation>La actualización contiene la versión %1, no la %2 ofrecida, así que no se instaló.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocida</translation>
    </message>
</context>
<context>
    <name>ludowell::Storage</name>
    <message>
        <source>Windows environment</source>
        <translation>Entorno de Windows</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Engine %1</source>
        <translation>Motor %1</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>en uso</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>conservado</translation>
    </message>
    <message>
        <source>Graphics package</source>
        <translation>Paquete gráfico</translation>
    </message>
    <message>
        <source>Downloaded installers</source>
        <translation>Instaladores descargados</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>%1 free on this disk</source>
        <translation>%1 libres en este disco</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Midiendo…</translation>
    </message>
    <message numerus="yes">
        <source>Measuring… %Ln file(s) so far</source>
        <translation>
            <numerusform>Midiendo… %Ln archivo hasta ahora</numerusform>
            <numerusform>Midiendo… %Ln archivos hasta ahora</numerusform>
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
        <translation>Busca de forma segura nuevas versiones de Ludowell.</translation>
    </message>
    <message>
        <source>You&apos;re using the latest version of Ludowell.</source>
        <translation>Estás usando la versión más reciente de Ludowell.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates. Please try again later.</source>
        <translation>No se pudieron buscar actualizaciones. Inténtalo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Update ready. Save and close your game and Steam; Ludowell will then update.</source>
        <translation>Actualización lista. Guarda y cierra tu juego y Steam; después Ludowell se actualizará.</translation>
    </message>
    <message>
        <source>Installing update…</source>
        <translation>Instalando actualización…</translation>
    </message>
    <message>
        <source>Save and close your game and its Steam session before checking for updates. Ludowell will check again later.</source>
        <translation>Guarda y cierra tu juego y su sesión de Steam antes de buscar actualizaciones. Ludowell volverá a buscar más tarde.</translation>
    </message>
    <message>
        <source>Ludowell %1 is available.</source>
        <translation>Ludowell %1 está disponible.</translation>
    </message>
</context>
<context>
    <name>ludowell::ui::Alerts</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t open</source>
        <translation>No se pudo abrir Ludowell</translation>
    </message>
    <message>
        <source>A new version of Ludowell is available!</source>
        <translation>¡Hay una nueva versión de Ludowell disponible!</translation>
    </message>
    <message>
        <source>Ludowell %1 is now available—you have %2. Would you like to install it now?</source>
        <translation>Ludowell %1 ya está disponible (tienes la %2). ¿Quieres instalarla ahora?</translation>
    </message>
    <message>
        <source>Install Update</source>
        <translation>Instalar actualización</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>¡Estás al día!</translation>
    </message>
    <message>
        <source>Ludowell %1 is currently the newest version available.</source>
        <translation>Ludowell %1 es la versión más reciente disponible.</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>¡Error de actualización!</translation>
    </message>
</context>
<context>
    <name>ludowell::ui::AppDelegate</name>
    <message>
        <source>Finish playing before updating</source>
        <translation>Termina de jugar antes de actualizar</translation>
    </message>
    <message>
        <source>Save and close your game and Steam. Ludowell will keep the update ready for you.</source>
        <translation>Guarda y cierra tu juego y Steam. Ludowell tendrá la actualización lista para ti.</translation>
    </message>
    <message>
        <source>Setup is still working</source>
        <translation>La configuración sigue en curso</translation>
    </message>
    <message>
        <source>Let this step finish before closing Ludowell. You can minimize this window while you wait.</source>
        <translation>Deja que este paso termine antes de cerrar Ludowell. Puedes minimizar esta ventana mientras esperas.</translation>
    </message>
    <message>
        <source>Keep working</source>
        <translation>Seguir trabajando</translation>
    </message>
    <message>
        <source>Let this step finish before closing. You can minimize the window while you wait.</source>
        <translation>Deja que este paso termine antes de cerrar. Puedes minimizar la ventana mientras esperas.</translation>
    </message>
    <message>
        <source>Version %1
Play the Windows games you own on Steam, on your Mac.</source>
        <translation>Versión %1
Juega en tu Mac a los juegos de Windows que tienes en Steam.</translation>
    </message>
    <message>
        <source>About Ludowell</source>
        <translation>Acerca de Ludowell</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Quit Ludowell</source>
        <translation>Salir de Ludowell</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ludowell::ui::LicenceDocument</name>
    <message>
        <source>The license could not be opened. Please reinstall Ludowell.</source>
        <translation>No se pudo abrir la licencia. Vuelve a instalar Ludowell.</translation>
    </message>
</context>
<context>
    <name>ludowell::ui::StepAttention</name>
    <message>
        <source>Setup is done</source>
        <translation>La configuración ha terminado</translation>
    </message>
    <message>
        <source>Setup didn&apos;t finish</source>
        <translation>La configuración no terminó</translation>
    </message>
    <message>
        <source>The repair is done</source>
        <translation>La reparación ha terminado</translation>
    </message>
    <message>
        <source>The repair didn&apos;t finish</source>
        <translation>La reparación no terminó</translation>
    </message>
    <message>
        <source>Steam is installing your game</source>
        <translation>Steam está instalando tu juego</translation>
    </message>
    <message>
        <source>The game install didn&apos;t start</source>
        <translation>La instalación del juego no empezó</translation>
    </message>
    <message>
        <source>%1 is installed</source>
        <translation>%1 está instalado</translation>
    </message>
    <message>
        <source>Play now is ready in Ludowell.</source>
        <translation>«Jugar ahora» está listo en Ludowell.</translation>
    </message>
</context>
</TS>
