<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ActivityPanel</name>
    <message>
        <source>Stopping…</source>
        <translation>Parando…</translation>
    </message>
    <message>
        <source>Getting ready…</source>
        <translation>Preparando…</translation>
    </message>
    <message>
        <source>Stop…</source>
        <translation>Parar…</translation>
    </message>
    <message>
        <source>Stops the running step after asking</source>
        <translation>Para a etapa em andamento depois de perguntar</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progresso do download</translation>
    </message>
</context>
<context>
    <name>ArtworkCard</name>
    <message>
        <source>IN YOUR LIBRARY</source>
        <translation>NA SUA BIBLIOTECA</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation>Status: %1</translation>
    </message>
    <message>
        <source>One-time setup
Your own Steam account</source>
        <translation>Configuração única
Sua própria conta Steam</translation>
    </message>
    <message>
        <source>STRATEGY   ·   MULTIPLAYER</source>
        <translation>ESTRATÉGIA   ·   MULTIJOGADOR</translation>
    </message>
</context>
<context>
    <name>DiagnosticsSheet</name>
    <message>
        <source>Details for troubleshooting</source>
        <translation>Detalhes para solução de problemas</translation>
    </message>
    <message>
        <source>No diagnostic details available.</source>
        <translation>Nenhum detalhe de diagnóstico disponível.</translation>
    </message>
    <message>
        <source>Read-only output of the last step</source>
        <translation>Saída da última etapa, somente leitura</translation>
    </message>
    <message>
        <source>Open log folder</source>
        <translation>Abrir pasta de registros</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Save Support Report…</source>
        <translation>Salvar relatório de suporte…</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Expanded</source>
        <translation>Expandido</translation>
    </message>
    <message>
        <source>Collapsed</source>
        <translation>Recolhido</translation>
    </message>
    <message>
        <source>A little help, whenever.</source>
        <translation>Uma ajudinha, sempre que precisar.</translation>
    </message>
    <message>
        <source>Everything you need to get from setup to your first game.</source>
        <translation>Tudo o que você precisa, da configuração até a sua primeira partida.</translation>
    </message>
    <message>
        <source>Start with Get started</source>
        <translation>Comece com “Começar”</translation>
    </message>
    <message>
        <source>Ludowell prepares Steam for this game. Review the component license, then let setup finish. Keep your Mac connected to the internet.</source>
        <translation>O Ludowell prepara o Steam para este jogo. Leia a licença do componente e deixe a configuração terminar. Mantenha o seu Mac conectado à internet.</translation>
    </message>
    <message>
        <source>Sign in directly to Steam</source>
        <translation>Entre diretamente no Steam</translation>
    </message>
    <message>
        <source>Steam opens in a separate window. Use your Steam account or scan the QR code with the Steam mobile app. Complete Steam Guard if prompted. Ludowell never asks for your Steam password.</source>
        <translation>O Steam abre em uma janela separada. Use sua conta Steam ou escaneie o código QR com o app Steam para celular. Conclua o Steam Guard se for solicitado. O Ludowell nunca pede a sua senha do Steam.</translation>
    </message>
    <message>
        <source>Install once. Play whenever.</source>
        <translation>Instale uma vez. Jogue quando quiser.</translation>
    </message>
    <message>
        <source>After signing in, return here and choose I&apos;m signed in, then Install with Steam. You need to own the game on Steam. Keep Steam&apos;s suggested installation folder. When it&apos;s finished, Play now appears automatically.</source>
        <translation>Depois de entrar, volte aqui e escolha “Já entrei” e depois “Instalar com o Steam”. Você precisa ter o jogo no Steam. Mantenha a pasta de instalação sugerida pelo Steam. Quando terminar, “Jogar agora” aparece automaticamente.</translation>
    </message>
    <message>
        <source>Something not quite right?</source>
        <translation>Algo não está certo?</translation>
    </message>
    <message>
        <source>Steam is blank or hasn&apos;t appeared</source>
        <translation>O Steam está em branco ou não apareceu</translation>
    </message>
    <message>
        <source>The first launch can take a few minutes while Steam updates. Look for Steam in the Dock. If it remains blank, save and close any running game, use Close Steam session in Settings, then open Steam again.</source>
        <translation>A primeira abertura pode levar alguns minutos enquanto o Steam se atualiza. Procure o Steam no Dock. Se continuar em branco, salve e feche qualquer jogo aberto, use “Encerrar sessão do Steam” em Ajustes e abra o Steam de novo.</translation>
    </message>
    <message>
        <source>I can&apos;t find my game in Steam</source>
        <translation>Não encontro meu jogo no Steam</translation>
    </message>
    <message>
        <source>Check that you signed in to the account that owns the game. If Steam shows a price instead of Install, ownership is managed by Steam. This app doesn&apos;t include a game license.</source>
        <translation>Verifique se você entrou na conta que tem o jogo. Se o Steam mostrar um preço em vez de Instalar, a posse do jogo é gerenciada pelo Steam. Este app não inclui uma licença do jogo.</translation>
    </message>
    <message>
        <source>Steam finished, but Play now isn&apos;t showing</source>
        <translation>O Steam terminou, mas “Jogar agora” não aparece</translation>
    </message>
    <message>
        <source>Steam may still be unpacking or verifying the download. Check its Downloads page. Install into the default Steam library; other installation folders aren&apos;t supported in this version.</source>
        <translation>O Steam talvez ainda esteja descompactando ou verificando o download. Confira a página Downloads dele. Instale na biblioteca padrão do Steam; outras pastas de instalação não são compatíveis nesta versão.</translation>
    </message>
    <message>
        <source>My game updated and won&apos;t launch</source>
        <translation>Meu jogo foi atualizado e não abre</translation>
    </message>
    <message>
        <source>Some game versions need specific compatibility fixes. If this app asks for an update, get a newer Ludowell release. Your existing game files and saves stay in place.</source>
        <translation>Algumas versões do jogo precisam de ajustes de compatibilidade específicos. Se este app pedir uma atualização, baixe uma versão mais recente do Ludowell. Seus arquivos do jogo e jogos salvos continuam onde estão.</translation>
    </message>
    <message>
        <source>Check this Mac</source>
        <translation>Verificar este Mac</translation>
    </message>
    <message>
        <source>Open diagnostic logs</source>
        <translation>Abrir registros de diagnóstico</translation>
    </message>
    <message>
        <source>Requires an Apple Silicon Mac, macOS 26 or later, and Rosetta. Ludowell is an independent app; it isn&apos;t affiliated with Apple, Microsoft or Valve. Game artwork and names belong to their respective owners.</source>
        <translation>Requer um Mac com Apple Silicon, macOS 26 ou posterior e Rosetta. O Ludowell é um app independente, sem vínculo com a Apple, a Microsoft ou a Valve. As imagens e os nomes dos jogos pertencem aos seus respectivos donos.</translation>
    </message>
    <message>
        <source>Save Support Report…</source>
        <translation>Salvar relatório de suporte…</translation>
    </message>
</context>
<context>
    <name>LibraryPage</name>
    <message>
        <source>Your next adventure.</source>
        <translation>Sua próxima aventura.</translation>
    </message>
    <message>
        <source>A home for your games on Mac.</source>
        <translation>Um lar para seus jogos no Mac.</translation>
    </message>
    <message numerus="yes">
        <source>%n GAME(S)</source>
        <translation>
            <numerusform>%n JOGO</numerusform>
            <numerusform>%n JOGOS</numerusform>
        </translation>
    </message>
    <message>
        <source>The first Steam update can take a few minutes. Check the Dock for Steam. If it still doesn&apos;t appear, choose Open Steam again or visit Help.</source>
        <translation>A primeira atualização do Steam pode levar alguns minutos. Procure o Steam no Dock. Se ainda não aparecer, escolha “Abrir o Steam” de novo ou consulte a Ajuda.</translation>
    </message>
    <message>
        <source>Already playing with Ambrovel?</source>
        <translation>Já joga com o Ambrovel?</translation>
    </message>
    <message>
        <source>Use your installed game and saves without downloading again.</source>
        <translation>Use o jogo instalado e seus jogos salvos sem baixar tudo de novo.</translation>
    </message>
    <message>
        <source>Use existing setup</source>
        <translation>Usar configuração existente</translation>
    </message>
    <message>
        <source>More supported games will arrive in future updates.</source>
        <translation>Mais jogos compatíveis chegarão em futuras atualizações.</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>Precisa de ajuda?</translation>
    </message>
</context>
<context>
    <name>LicenseSheet</name>
    <message>
        <source>Let&apos;s prepare your Mac.</source>
        <translation>Vamos preparar o seu Mac.</translation>
    </message>
    <message>
        <source>We&apos;ll download Steam and the components needed to run your game. You only need to do this once.</source>
        <translation>Vamos baixar o Steam e os componentes necessários para rodar o seu jogo. Você só precisa fazer isso uma vez.</translation>
    </message>
    <message>
        <source>Apple&apos;s graphics component license limits use to developing, testing or evaluating games on Apple hardware. Please review it before continuing.</source>
        <translation>A licença do componente gráfico da Apple limita o uso ao desenvolvimento, teste ou avaliação de jogos em hardware Apple. Leia-a antes de continuar.</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licença</translation>
    </message>
    <message>
        <source>Apple&apos;s graphics component license, read-only</source>
        <translation>Licença do componente gráfico da Apple, somente leitura</translation>
    </message>
    <message>
        <source>A few minutes · Internet connection required</source>
        <translation>Alguns minutos · Requer conexão com a internet</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Agora não</translation>
    </message>
    <message>
        <source>Agree &amp; set up Steam</source>
        <translation>Aceitar e configurar o Steam</translation>
    </message>
</context>
<context>
    <name>MessageCard</name>
    <message>
        <source>Show details</source>
        <translation>Mostrar detalhes</translation>
    </message>
    <message>
        <source>Get help</source>
        <translation>Obter ajuda</translation>
    </message>
    <message>
        <source>Dismiss message</source>
        <translation>Dispensar mensagem</translation>
    </message>
</context>
<context>
    <name>Nav</name>
    <message>
        <source>Current page</source>
        <translation>Página atual</translation>
    </message>
</context>
<context>
    <name>ReadyGuide</name>
    <message>
        <source>You&apos;re all set.</source>
        <translation>Tudo pronto.</translation>
    </message>
    <message>
        <source>Launch your game here. Steam takes care of your account, friends and updates.</source>
        <translation>Abra o seu jogo por aqui. O Steam cuida da sua conta, dos amigos e das atualizações.</translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation>Abrir o Steam</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Expanded</source>
        <translation>Expandido</translation>
    </message>
    <message>
        <source>Collapsed</source>
        <translation>Recolhido</translation>
    </message>
    <message>
        <source>Make yourself at home.</source>
        <translation>Fique à vontade.</translation>
    </message>
    <message>
        <source>A few simple preferences. The rest is taken care of.</source>
        <translation>Algumas preferências simples. O resto fica por nossa conta.</translation>
    </message>
    <message>
        <source>While you play</source>
        <translation>Enquanto você joga</translation>
    </message>
    <message>
        <source>Show performance overlay</source>
        <translation>Mostrar indicador de desempenho</translation>
    </message>
    <message>
        <source>Displays the frame rate in your game. Applies the next time you start a fresh Steam session.</source>
        <translation>Mostra a taxa de quadros no seu jogo. Vale a partir da próxima vez que você iniciar uma nova sessão do Steam.</translation>
    </message>
    <message>
        <source>Steam for %1</source>
        <translation>Steam para %1</translation>
    </message>
    <message>
        <source>Each game has its own setup. Your Steam login and saves stay on this Mac. Steam Cloud is managed by Steam.</source>
        <translation>Cada jogo tem a sua própria configuração. Seu login do Steam e seus jogos salvos ficam neste Mac. O Steam Cloud é gerenciado pelo Steam.</translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation>Abrir o Steam</translation>
    </message>
    <message>
        <source>Close Steam session…</source>
        <translation>Encerrar sessão do Steam…</translation>
    </message>
    <message>
        <source>Advanced &amp; diagnostics</source>
        <translation>Avançado e diagnóstico</translation>
    </message>
    <message>
        <source>Game files and local settings</source>
        <translation>Arquivos do jogo e ajustes locais</translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <translation>Pasta de dados: %1</translation>
    </message>
    <message>
        <source>Show data folder</source>
        <translation>Mostrar pasta de dados</translation>
    </message>
    <message>
        <source>Show logs</source>
        <translation>Mostrar registros</translation>
    </message>
    <message>
        <source>Check compatibility</source>
        <translation>Verificar compatibilidade</translation>
    </message>
    <message>
        <source>Logs may contain local paths or Steam account information. Review them before sharing.</source>
        <translation>Os registros podem conter caminhos locais ou informações da conta Steam. Revise-os antes de compartilhar.</translation>
    </message>
</context>
<context>
    <name>SetupGuide</name>
    <message>
        <source>A few steps, then you&apos;re in.</source>
        <translation>Alguns passos e pronto.</translation>
    </message>
    <message>
        <source>Let&apos;s get you playing.</source>
        <translation>Vamos começar a jogar.</translation>
    </message>
    <message>
        <source>STEP %1 OF %2</source>
        <translation>ETAPA %1 DE %2</translation>
    </message>
    <message>
        <source>Prepare your Mac</source>
        <translation>Preparar o seu Mac</translation>
    </message>
    <message>
        <source>We&apos;ll install Steam and the components your game needs.</source>
        <translation>Vamos instalar o Steam e os componentes de que o seu jogo precisa.</translation>
    </message>
    <message>
        <source>Sign in to Steam</source>
        <translation>Entrar no Steam</translation>
    </message>
    <message>
        <source>Use your own account in the Steam window.</source>
        <translation>Use a sua própria conta na janela do Steam.</translation>
    </message>
    <message>
        <source>Install &amp; play</source>
        <translation>Instalar e jogar</translation>
    </message>
    <message>
        <source>Download your game with Steam. Play from here next time.</source>
        <translation>Baixe o seu jogo com o Steam. Da próxima vez, jogue daqui.</translation>
    </message>
    <message>
        <source>Sign in in the Steam window</source>
        <translation>Entre na janela do Steam</translation>
    </message>
    <message>
        <source>Use your Steam username and password or Steam&apos;s QR code. Complete Steam Guard if asked, then return here.</source>
        <translation>Use seu nome de usuário e senha do Steam ou o código QR do Steam. Conclua o Steam Guard se for solicitado e volte aqui.</translation>
    </message>
    <message>
        <source>I&apos;m signed in</source>
        <translation>Já entrei</translation>
    </message>
    <message>
        <source>I can&apos;t see the Steam window</source>
        <translation>Não estou vendo a janela do Steam</translation>
    </message>
    <message>
        <source>Steam is downloading your game</source>
        <translation>O Steam está baixando o seu jogo</translation>
    </message>
    <message>
        <source>Install your own copy through Steam</source>
        <translation>Instale a sua própria cópia pelo Steam</translation>
    </message>
    <message>
        <source>Keep Steam open while your game downloads. You can check progress in Steam’s Downloads tab. This page updates when the game is ready.</source>
        <translation>Mantenha o Steam aberto enquanto o jogo é baixado. Você pode acompanhar o progresso na aba Downloads do Steam. Esta página é atualizada quando o jogo estiver pronto.</translation>
    </message>
    <message>
        <source>Choose Install in Steam and keep the suggested folder. Leave Steam open; this page will update when the game is ready.</source>
        <translation>Escolha Instalar no Steam e mantenha a pasta sugerida. Deixe o Steam aberto; esta página será atualizada quando o jogo estiver pronto.</translation>
    </message>
    <message>
        <source>Game download progress</source>
        <translation>Progresso do download do jogo</translation>
    </message>
    <message>
        <source>%1% downloaded</source>
        <translation>%1% baixado</translation>
    </message>
    <message>
        <source>%1% downloaded · Steam may still need to unpack or verify files</source>
        <translation>%1% baixado · O Steam talvez ainda precise descompactar ou verificar arquivos</translation>
    </message>
    <message>
        <source>Not signed in yet? Open Steam</source>
        <translation>Ainda não entrou? Abrir o Steam</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>YOUR SPACE</source>
        <translation>SEU ESPAÇO</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Biblioteca</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Made for your Mac</source>
        <translation>Feito para o seu Mac</translation>
    </message>
    <message>
        <source>DESIGN PREVIEW</source>
        <translation>PRÉVIA DE DESIGN</translation>
    </message>
    <message>
        <source>VERSION %1</source>
        <translation>VERSÃO %1</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>In progress</source>
        <translation>Em andamento</translation>
    </message>
</context>
<context>
    <name>StorageCard</name>
    <message>
        <source>Storage</source>
        <translation>Armazenamento</translation>
    </message>
    <message>
        <source>Measure again</source>
        <translation>Medir de novo</translation>
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
        <translation>Remover instaladores baixados…</translation>
    </message>
    <message>
        <source>Remove logs older than 30 days…</source>
        <translation>Remover registros com mais de 30 dias…</translation>
    </message>
</context>
<context>
    <name>UpdatesPanel</name>
    <message>
        <source>App updates</source>
        <translation>Atualizações do app</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Procurar atualizações automaticamente</translation>
    </message>
    <message>
        <source>Installation waits for your game and Steam to close. Your games and saves stay in place.</source>
        <translation>A instalação espera o seu jogo e o Steam fecharem. Seus jogos e jogos salvos continuam onde estão.</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Procurar atualizações…</translation>
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
        <translation>Sobre o Ludowell</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Procurar atualizações…</translation>
    </message>
    <message>
        <source>Quit Ludowell</source>
        <translation>Sair do Ludowell</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
</context>
<context>
    <name>ludowell::ChildLines</name>
    <message>
        <source>ERROR: %1</source>
        <translation>ERRO: %1</translation>
    </message>
    <message>
        <source>Apple Silicon, macOS and Rosetta compatibility checks passed.</source>
        <translation>Verificações de compatibilidade de Apple Silicon, macOS e Rosetta aprovadas.</translation>
    </message>
    <message>
        <source>Only Ludowell&apos;s game and Steam environment were stopped.</source>
        <translation>Apenas o ambiente de jogo e do Steam do Ludowell foi parado.</translation>
    </message>
    <message>
        <source>Data location: %1</source>
        <translation>Local dos dados: %1</translation>
    </message>
    <message>
        <source>Runtime: %1 | Steam: %2 | AoE IV: %3</source>
        <translation>Ambiente: %1 | Steam: %2 | AoE IV: %3</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>pronto</translation>
    </message>
    <message>
        <source>not set up</source>
        <translation>não configurado</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>instalado</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>não instalado</translation>
    </message>
    <message>
        <source>Game version matches the optimized build.</source>
        <translation>A versão do jogo corresponde à compilação otimizada.</translation>
    </message>
    <message>
        <source>Game update needs revalidation; optimized launch is blocked.</source>
        <translation>A atualização do jogo precisa ser validada de novo; a abertura otimizada está bloqueada.</translation>
    </message>
    <message>
        <source>Downloading the validated graphics and dependency package (about %1 MB)…</source>
        <translation>Baixando o pacote validado de gráficos e dependências (cerca de %1 MB)…</translation>
    </message>
    <message>
        <source>Preparing a fresh Windows environment; no existing Steam accounts are imported…</source>
        <translation>Preparando um novo ambiente Windows; nenhuma conta Steam existente é importada…</translation>
    </message>
    <message>
        <source>The independent runtime is ready.</source>
        <translation>O ambiente independente está pronto.</translation>
    </message>
    <message>
        <source>Downloading the official Windows Steam installer…</source>
        <translation>Baixando o instalador oficial do Steam para Windows…</translation>
    </message>
    <message>
        <source>Steam is installed. Sign in with your own account and install %1 in the default Steam library.</source>
        <translation>O Steam está instalado. Entre com a sua própria conta e instale %1 na biblioteca padrão do Steam.</translation>
    </message>
    <message>
        <source>Checking the installed game version…</source>
        <translation>Verificando a versão instalada do jogo…</translation>
    </message>
    <message>
        <source>Steam is already open. The HUD change takes effect after exiting Steam and reopening it.</source>
        <translation>O Steam já está aberto. A mudança no indicador vale depois de sair do Steam e abri-lo de novo.</translation>
    </message>
    <message>
        <source>AoE IV launch requested. Steam may show a confirmation dialog.</source>
        <translation>Abertura do AoE IV solicitada. O Steam pode mostrar uma caixa de confirmação.</translation>
    </message>
    <message>
        <source>Steam launch requested. Initial client updates can take a few minutes.</source>
        <translation>Abertura do Steam solicitada. As primeiras atualizações do cliente podem levar alguns minutos.</translation>
    </message>
    <message>
        <source>Updating game components. Steam, games and saves will stay in place…</source>
        <translation>Atualizando os componentes do jogo. O Steam, os jogos e os jogos salvos continuam onde estão…</translation>
    </message>
    <message>
        <source>Game components updated. The previous engine has been retained for recovery.</source>
        <translation>Componentes do jogo atualizados. O motor anterior foi mantido para recuperação.</translation>
    </message>
    <message>
        <source>This is taking longer than expected. Please try again. Your downloads are kept.</source>
        <translation>Isso está demorando mais do que o esperado. Tente de novo. Seus downloads foram mantidos.</translation>
    </message>
    <message>
        <source>An unexpected error stopped this step.</source>
        <translation>Um erro inesperado interrompeu esta etapa.</translation>
    </message>
    <message>
        <source>This build requires macOS 26 or later. Earlier macOS versions have not been validated.</source>
        <translation>Esta versão requer o macOS 26 ou posterior. Versões anteriores do macOS não foram validadas.</translation>
    </message>
    <message>
        <source>Rosetta is required. Open an Intel app and follow macOS&apos;s Rosetta installation prompt, then try again.</source>
        <translation>O Rosetta é necessário. Abra um app para Intel, siga o aviso de instalação do Rosetta do macOS e tente de novo.</translation>
    </message>
    <message>
        <source>The optimization is not compatible with this Mac&apos;s current Rosetta runtime. No system settings were changed. %1</source>
        <translation>A otimização não é compatível com o Rosetta atual deste Mac. Nenhum ajuste do sistema foi alterado. %1</translation>
    </message>
    <message>
        <source>tessaline did not answer within 25 seconds.</source>
        <translation>O tessaline não respondeu em 25 segundos.</translation>
    </message>
    <message>
        <source>Save and close AoE IV and this app&apos;s Steam client before setting up or repairing the environment.</source>
        <translation>Salve e feche o AoE IV e o cliente Steam deste app antes de configurar ou reparar o ambiente.</translation>
    </message>
    <message>
        <source>%1 failed (%2). %3</source>
        <translation>%1 falhou (%2). %3</translation>
    </message>
    <message>
        <source>Logs: %1</source>
        <translation>Registros: %1</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>O disco está cheio. Libere espaço e tente de novo.</translation>
    </message>
    <message>
        <source>The disk is full: this step needs about %1 MB more free space. Free up some space and try again.</source>
        <translation>O disco está cheio: esta etapa precisa de cerca de %1 MB a mais de espaço livre. Libere espaço e tente de novo.</translation>
    </message>
    <message>
        <source>The downloaded file differs from the validated version. Setup stopped without executing it. A newer launcher may be needed.</source>
        <translation>O arquivo baixado é diferente da versão validada. A configuração parou sem executá-lo. Talvez seja preciso um inicializador mais recente.</translation>
    </message>
    <message>
        <source>Stopped at your request. Finished steps and downloads are kept.</source>
        <translation>Parado a seu pedido. As etapas concluídas e os downloads foram mantidos.</translation>
    </message>
    <message>
        <source>Unexpected graphics package layout.</source>
        <translation>Estrutura inesperada do pacote gráfico.</translation>
    </message>
    <message>
        <source>Wine did not finish creating the Windows environment. Check the setup logs and retry.</source>
        <translation>O Wine não terminou de criar o ambiente Windows. Confira os registros da configuração e tente de novo.</translation>
    </message>
    <message>
        <source>Run Set up Steam first.</source>
        <translation>Configure o Steam primeiro.</translation>
    </message>
    <message>
        <source>Steam installation did not finish. Retry setup; your existing files will be kept.</source>
        <translation>A instalação do Steam não terminou. Repita a configuração; seus arquivos existentes serão mantidos.</translation>
    </message>
    <message>
        <source>Click Set up Steam before opening the library.</source>
        <translation>Configure o Steam antes de abrir a biblioteca.</translation>
    </message>
    <message>
        <source>Install %1 in this Steam client&apos;s default library, then choose Play now.</source>
        <translation>Instale %1 na biblioteca padrão deste cliente Steam e depois escolha “Jogar agora”.</translation>
    </message>
    <message>
        <source>This game build has not been validated for the optimizations. Please update Ludowell.</source>
        <translation>Esta versão do jogo não foi validada para as otimizações. Atualize o Ludowell.</translation>
    </message>
    <message>
        <source>Could not open the operation lock.</source>
        <translation>Não foi possível abrir a trava da operação.</translation>
    </message>
    <message>
        <source>Another setup or launch is already in progress. Please wait for it to finish.</source>
        <translation>Outra configuração ou abertura já está em andamento. Aguarde até que termine.</translation>
    </message>
    <message>
        <source>The data folder given with --data-root is empty.</source>
        <translation>A pasta de dados indicada com --data-root está vazia.</translation>
    </message>
    <message>
        <source>Please review the setup license in Ludowell first.</source>
        <translation>Primeiro, leia a licença de configuração no Ludowell.</translation>
    </message>
    <message>
        <source>Unknown action.</source>
        <translation>Ação desconhecida.</translation>
    </message>
    <message>
        <source>Could not open the update lock.</source>
        <translation>Não foi possível abrir a trava de atualização.</translation>
    </message>
    <message>
        <source>An update or launch is already in progress. Please wait for it to finish.</source>
        <translation>Uma atualização ou abertura já está em andamento. Aguarde até que termine.</translation>
    </message>
    <message>
        <source>Save and close your game and Steam before updating game components.</source>
        <translation>Salve e feche o seu jogo e o Steam antes de atualizar os componentes do jogo.</translation>
    </message>
    <message>
        <source>The new game components failed verification. Your previous engine is unchanged.</source>
        <translation>Os novos componentes do jogo não passaram na verificação. Seu motor anterior não foi alterado.</translation>
    </message>
    <message>
        <source>Invalid runtime dependency manifest.</source>
        <translation>Manifesto de dependências do ambiente inválido.</translation>
    </message>
    <message>
        <source>Missing dependency: %1</source>
        <translation>Dependência ausente: %1</translation>
    </message>
    <message>
        <source>The staged engine is incomplete. Your previous engine is unchanged.</source>
        <translation>O motor preparado está incompleto. Seu motor anterior não foi alterado.</translation>
    </message>
    <message>
        <source>The new engine didn&apos;t pass its startup check. Your previous engine is unchanged.</source>
        <translation>O novo motor não passou na verificação de inicialização. Seu motor anterior não foi alterado.</translation>
    </message>
    <message>
        <source>Unsupported engine manifest format.</source>
        <translation>Formato de manifesto do motor não compatível.</translation>
    </message>
    <message>
        <source>Invalid engine update manifest.</source>
        <translation>Manifesto de atualização do motor inválido.</translation>
    </message>
    <message>
        <source>Invalid engine update path or hash.</source>
        <translation>Caminho ou hash de atualização do motor inválido.</translation>
    </message>
    <message>
        <source>This game profile is invalid.</source>
        <translation>Este perfil de jogo é inválido.</translation>
    </message>
    <message>
        <source>The Age of Empires optimization requires its validated game profile.</source>
        <translation>A otimização do Age of Empires requer o perfil de jogo validado.</translation>
    </message>
    <message>
        <source>The game library contains duplicate or missing games.</source>
        <translation>A biblioteca de jogos contém jogos duplicados ou ausentes.</translation>
    </message>
    <message>
        <source>The game library is missing. Please reinstall this app.</source>
        <translation>A biblioteca de jogos está faltando. Reinstale este app.</translation>
    </message>
    <message>
        <source>A file</source>
        <translation>Um arquivo</translation>
    </message>
    <message>
        <source>The disk is full: %1 could not be written. Free up some space and try again.</source>
        <translation>O disco está cheio: não foi possível gravar %1. Libere espaço e tente de novo.</translation>
    </message>
    <message>
        <source>%1 cannot be written: its disk is read-only.</source>
        <translation>Não é possível gravar %1: o disco é somente leitura.</translation>
    </message>
    <message>
        <source>%1 cannot be used: permission denied.</source>
        <translation>Não é possível usar %1: permissão negada.</translation>
    </message>
    <message>
        <source>%1 cannot be read or written: the disk reported an input/output error.</source>
        <translation>Não é possível ler nem gravar %1: o disco informou um erro de entrada/saída.</translation>
    </message>
    <message>
        <source>The data folder&apos;s path contains &quot;:&quot; (shown as &quot;/&quot; in the Finder), which the game&apos;s Windows environment cannot use. Choose a folder whose path has neither.</source>
        <translation>O caminho da pasta de dados contém “:” (exibido como “/” no Finder), que o ambiente Windows do jogo não consegue usar. Escolha uma pasta cujo caminho não tenha nenhum dos dois.</translation>
    </message>
    <message>
        <source>The data folder&apos;s path is too long for the game&apos;s Windows environment. Choose a folder with a shorter path.</source>
        <translation>O caminho da pasta de dados é longo demais para o ambiente Windows do jogo. Escolha uma pasta com um caminho mais curto.</translation>
    </message>
    <message>
        <source>Could not start %1</source>
        <translation>Não foi possível iniciar %1</translation>
    </message>
    <message>
        <source>Writing the support report…</source>
        <translation>Gravando o relatório de suporte…</translation>
    </message>
    <message>
        <source>Support report saved: %1</source>
        <translation>Relatório de suporte salvo: %1</translation>
    </message>
    <message>
        <source>The folder for the support report does not exist: %1</source>
        <translation>A pasta do relatório de suporte não existe: %1</translation>
    </message>
    <message>
        <source>The support report could not be packed.</source>
        <translation>Não foi possível compactar o relatório de suporte.</translation>
    </message>
    <message>
        <source>Save and close your game and this app&apos;s Steam client before cleaning up.</source>
        <translation>Salve e feche o seu jogo e o cliente Steam deste app antes de fazer a limpeza.</translation>
    </message>
    <message>
        <source>No downloaded installers to remove.</source>
        <translation>Nenhum instalador baixado para remover.</translation>
    </message>
    <message>
        <source>Removed the downloaded installers and freed %1. A later repair downloads them again.</source>
        <translation>Os instaladores baixados foram removidos e %1 foram liberados. Um reparo posterior vai baixá-los de novo.</translation>
    </message>
    <message>
        <source>No logs older than 30 days to remove.</source>
        <translation>Nenhum registro com mais de 30 dias para remover.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n log(s) older than 30 days and freed %1.</source>
        <translation>
            <numerusform>%n registro com mais de 30 dias foi removido e %1 foram liberados.</numerusform>
            <numerusform>%n registros com mais de 30 dias foram removidos e %1 foram liberados.</numerusform>
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
        <translation>O Steam não conseguiu se conectar. Verifique sua conexão com a internet e tente de novo.</translation>
    </message>
    <message>
        <source>Working on it</source>
        <translation>Trabalhando nisso</translation>
    </message>
    <message>
        <source>Setup needed</source>
        <translation>Configuração necessária</translation>
    </message>
    <message>
        <source>Sign in to Steam</source>
        <translation>Entrar no Steam</translation>
    </message>
    <message>
        <source>Ready to install</source>
        <translation>Pronto para instalar</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instalando</translation>
    </message>
    <message>
        <source>Ready to play</source>
        <translation>Pronto para jogar</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Em execução</translation>
    </message>
    <message>
        <source>Getting ready…</source>
        <translation>Preparando…</translation>
    </message>
    <message>
        <source>Opening your game…</source>
        <translation>Abrindo o seu jogo…</translation>
    </message>
    <message>
        <source>Get started</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Open Steam to sign in</source>
        <translation>Abrir o Steam para entrar</translation>
    </message>
    <message>
        <source>Install with Steam</source>
        <translation>Instalar com o Steam</translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation>Abrir o Steam</translation>
    </message>
    <message>
        <source>Play now</source>
        <translation>Jogar agora</translation>
    </message>
    <message>
        <source>Downloading game components…</source>
        <translation>Baixando componentes do jogo…</translation>
    </message>
    <message>
        <source>Preparing your Mac for play…</source>
        <translation>Preparando o seu Mac para jogar…</translation>
    </message>
    <message>
        <source>Installing Steam…</source>
        <translation>Instalando o Steam…</translation>
    </message>
    <message>
        <source>Checking your game…</source>
        <translation>Verificando o seu jogo…</translation>
    </message>
    <message>
        <source>This version needs macOS 26 or later. Update macOS in System Settings, then try again.</source>
        <translation>Esta versão precisa do macOS 26 ou posterior. Atualize o macOS nos Ajustes do Sistema e tente de novo.</translation>
    </message>
    <message>
        <source>Rosetta is needed to run Steam. Open an Intel app and follow Apple&apos;s installation prompt, then try again.</source>
        <translation>O Rosetta é necessário para rodar o Steam. Abra um app para Intel, siga o aviso de instalação da Apple e tente de novo.</translation>
    </message>
    <message>
        <source>The gaming components aren&apos;t compatible with this Mac&apos;s current Rosetta version. Please contact support with the details below.</source>
        <translation>Os componentes de jogo não são compatíveis com a versão atual do Rosetta deste Mac. Entre em contato com o suporte e informe os detalhes abaixo.</translation>
    </message>
    <message>
        <source>Steam has installed a newer game version. A Ludowell update is needed before this game can launch safely.</source>
        <translation>O Steam instalou uma versão mais recente do jogo. É preciso atualizar o Ludowell para que este jogo possa abrir com segurança.</translation>
    </message>
    <message>
        <source>A download has changed since this app was released. Please get an updated Ludowell app.</source>
        <translation>Um download mudou desde o lançamento deste app. Baixe uma versão atualizada do Ludowell.</translation>
    </message>
    <message>
        <source>Another setup or launch is in progress. Let it finish, then try again.</source>
        <translation>Outra configuração ou abertura está em andamento. Deixe terminar e tente de novo.</translation>
    </message>
    <message>
        <source>Please save your game and exit Steam before preparing this setup again.</source>
        <translation>Salve o seu jogo e saia do Steam antes de preparar esta configuração de novo.</translation>
    </message>
    <message>
        <source>We couldn&apos;t finish that step. Check your internet connection and try again. Your completed downloads are kept.</source>
        <translation>Não conseguimos concluir essa etapa. Verifique sua conexão com a internet e tente de novo. Seus downloads concluídos foram mantidos.</translation>
    </message>
    <message>
        <source>Preparing Steam…</source>
        <translation>Preparando o Steam…</translation>
    </message>
    <message>
        <source>Opening Steam…</source>
        <translation>Abrindo o Steam…</translation>
    </message>
    <message>
        <source>Steam is opening in a separate window. The first launch may take a few minutes while Steam updates.</source>
        <translation>O Steam está abrindo em uma janela separada. A primeira abertura pode levar alguns minutos enquanto o Steam se atualiza.</translation>
    </message>
    <message>
        <source>In Steam, confirm Install and keep the suggested folder. You can return here while the download finishes.</source>
        <translation>No Steam, confirme Instalar e mantenha a pasta sugerida. Você pode voltar aqui enquanto o download termina.</translation>
    </message>
    <message>
        <source>Your game is opening through Steam. If Steam asks for confirmation, choose Play.</source>
        <translation>Seu jogo está abrindo pelo Steam. Se o Steam pedir confirmação, escolha Jogar.</translation>
    </message>
    <message>
        <source>This Mac passed the compatibility checks.</source>
        <translation>Este Mac passou nas verificações de compatibilidade.</translation>
    </message>
    <message>
        <source>This game&apos;s Steam session has closed.</source>
        <translation>A sessão do Steam deste jogo foi encerrada.</translation>
    </message>
    <message>
        <source>This is a design preview. No game or Steam process was started.</source>
        <translation>Esta é uma prévia de design. Nenhum processo de jogo ou do Steam foi iniciado.</translation>
    </message>
    <message>
        <source>The step was stopped. Everything it finished is kept, so the next attempt picks up from there.</source>
        <translation>A etapa foi parada. Tudo o que ela concluiu foi mantido, então a próxima tentativa continua de onde parou.</translation>
    </message>
    <message>
        <source>Your setup preference couldn&apos;t be saved. Please try again.</source>
        <translation>Não foi possível salvar a sua preferência de configuração. Tente de novo.</translation>
    </message>
    <message>
        <source>We couldn&apos;t save your progress. Please try again.</source>
        <translation>Não conseguimos salvar o seu progresso. Tente de novo.</translation>
    </message>
    <message>
        <source>Use your existing Steam setup?</source>
        <translation>Usar a sua configuração existente do Steam?</translation>
    </message>
    <message>
        <source>Ludowell will use the same Steam account, installed game and saves as Ambrovel. Close the old launcher before using this one. No files will be moved or deleted.</source>
        <translation>O Ludowell vai usar a mesma conta Steam, o mesmo jogo instalado e os mesmos jogos salvos do Ambrovel. Feche o inicializador antigo antes de usar este. Nenhum arquivo será movido ou apagado.</translation>
    </message>
    <message>
        <source>Use existing setup</source>
        <translation>Usar configuração existente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close this game&apos;s Steam session?</source>
        <translation>Encerrar a sessão do Steam deste jogo?</translation>
    </message>
    <message>
        <source>Save and exit your game first. Continuing will close its game and Steam processes, and unsaved progress will be lost.</source>
        <translation>Salve e saia do seu jogo primeiro. Se continuar, os processos do jogo e do Steam serão fechados e o progresso não salvo será perdido.</translation>
    </message>
    <message>
        <source>Close session</source>
        <translation>Encerrar sessão</translation>
    </message>
    <message>
        <source>No data received for 15 s. Check your connection.</source>
        <translation>Nenhum dado recebido há 15 s. Verifique sua conexão.</translation>
    </message>
    <message>
        <source>Stop this step?</source>
        <translation>Parar esta etapa?</translation>
    </message>
    <message>
        <source>Ludowell stops where it is. Everything already finished is kept, and the next attempt picks up from there.</source>
        <translation>O Ludowell para onde está. Tudo o que já foi concluído é mantido, e a próxima tentativa continua de onde parou.</translation>
    </message>
    <message>
        <source>Keep working</source>
        <translation>Continuar trabalhando</translation>
    </message>
    <message>
        <source>Stop step</source>
        <translation>Parar etapa</translation>
    </message>
    <message>
        <source>This data folder can&apos;t hold the game&apos;s Windows environment: a folder name in its path has a &quot;/&quot;, or the path is too long. Choose another folder, then try again.</source>
        <translation>Esta pasta de dados não comporta o ambiente Windows do jogo: o nome de uma pasta no caminho contém “/” ou o caminho é longo demais. Escolha outra pasta e tente de novo.</translation>
    </message>
    <message>
        <source>Writing the support report…</source>
        <translation>Gravando o relatório de suporte…</translation>
    </message>
    <message>
        <source>Removing downloaded installers…</source>
        <translation>Removendo os instaladores baixados…</translation>
    </message>
    <message>
        <source>Removing old logs…</source>
        <translation>Removendo os registros antigos…</translation>
    </message>
    <message>
        <source>Ludowell was updated or moved while this window was open. Quit and reopen Ludowell, then try again.</source>
        <translation>O Ludowell foi atualizado ou movido enquanto esta janela estava aberta. Feche e abra o Ludowell de novo e tente outra vez.</translation>
    </message>
    <message>
        <source>Your support report is saved in Downloads as “%1”. Attach it to your request for help.</source>
        <translation>O seu relatório de suporte foi salvo em Downloads como “%1”. Anexe-o ao seu pedido de ajuda.</translation>
    </message>
    <message>
        <source>There are no downloaded installers to remove.</source>
        <translation>Não há instaladores baixados para remover.</translation>
    </message>
    <message>
        <source>Remove downloaded installers?</source>
        <translation>Remover os instaladores baixados?</translation>
    </message>
    <message>
        <source>This frees %1. The installers Ludowell downloaded during setup are removed; a later repair downloads them again. Steam, your game, saves and engines stay as they are.</source>
        <translation>Isso libera %1. Os instaladores que o Ludowell baixou durante a configuração são removidos; um reparo posterior vai baixá-los de novo. O Steam, o seu jogo, os jogos salvos e os motores continuam como estão.</translation>
    </message>
    <message>
        <source>Remove installers</source>
        <translation>Remover instaladores</translation>
    </message>
    <message>
        <source>There are no logs older than 30 days.</source>
        <translation>Não há registros com mais de 30 dias.</translation>
    </message>
    <message>
        <source>Remove logs older than 30 days?</source>
        <translation>Remover os registros com mais de 30 dias?</translation>
    </message>
    <message>
        <source>This frees %1 (%2). Logs from the last 30 days stay for troubleshooting; nothing else is touched.</source>
        <translation>Isso libera %1 (%2). Os registros dos últimos 30 dias ficam para a solução de problemas; nada mais é alterado.</translation>
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
        <translation>Remover registros</translation>
    </message>
    <message>
        <source>Ludowell Support Report %1 at %2</source>
        <translation>Relatório de suporte do Ludowell %1 às %2</translation>
    </message>
</context>
<context>
    <name>ludowell::LinuxUpdateService</name>
    <message>
        <source>The update feed is not an appcast.</source>
        <translation>O feed de atualizações não é um appcast.</translation>
    </message>
    <message>
        <source>The update feed could not be read: %1</source>
        <translation>Não foi possível ler o feed de atualizações: %1</translation>
    </message>
    <message>
        <source>Updates are not set up for this copy of Ludowell.</source>
        <translation>As atualizações não estão configuradas nesta cópia do Ludowell.</translation>
    </message>
    <message>
        <source>The update settings of this copy of Ludowell are damaged.</source>
        <translation>Os ajustes de atualização desta cópia do Ludowell estão danificados.</translation>
    </message>
    <message>
        <source>The update feed is larger than any feed Ludowell reads, so it was not read.</source>
        <translation>O feed de atualizações é maior do que qualquer feed que o Ludowell lê, então não foi lido.</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t reach the update server (%1).</source>
        <translation>O Ludowell não conseguiu acessar o servidor de atualizações (%1).</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t reach the update server.</source>
        <translation>O Ludowell não conseguiu acessar o servidor de atualizações.</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t store the update (%1).</source>
        <translation>O Ludowell não conseguiu salvar a atualização (%1).</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t store the update.</source>
        <translation>O Ludowell não conseguiu salvar a atualização.</translation>
    </message>
    <message>
        <source>The update download is larger than the feed announced, so it was stopped. Please try again later.</source>
        <translation>O download da atualização é maior do que o feed anunciou, então foi interrompido. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>The update could not be downloaded (%1).</source>
        <translation>Não foi possível baixar a atualização (%1).</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>Não foi possível baixar a atualização.</translation>
    </message>
    <message>
        <source>The update download is incomplete: expected %1 bytes, got %2. Please try again later.</source>
        <translation>O download da atualização está incompleto: eram esperados %1 bytes, chegaram %2. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>The update is not signed by Ludowell&apos;s developer, so it was not installed.</source>
        <translation>A atualização não foi assinada pelo desenvolvedor do Ludowell, então não foi instalada.</translation>
    </message>
    <message>
        <source>The update could not be unpacked (%1).</source>
        <translation>Não foi possível descompactar a atualização (%1).</translation>
    </message>
    <message>
        <source>The update could not be unpacked.</source>
        <translation>Não foi possível descompactar a atualização.</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t replace itself with the new version (%1). The current version was kept.</source>
        <translation>O Ludowell não conseguiu se substituir pela nova versão (%1). A versão atual foi mantida.</translation>
    </message>
    <message>
        <source>its unpacked copy is no longer usable</source>
        <translation>a cópia descompactada não pode mais ser usada</translation>
    </message>
    <message>
        <source>The update does not contain a usable %1.</source>
        <translation>A atualização não contém um %1 utilizável.</translation>
    </message>
    <message>
        <source>The update holds version %1, not the offered %2, so it was not installed.</source>
        <translation>A atualização contém a versão %1, não a %2 oferecida, então não foi instalada.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecida</translation>
    </message>
</context>
<context>
    <name>ludowell::Storage</name>
    <message>
        <source>Windows environment</source>
        <translation>Ambiente Windows</translation>
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
        <translation>em uso</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>mantido</translation>
    </message>
    <message>
        <source>Graphics package</source>
        <translation>Pacote gráfico</translation>
    </message>
    <message>
        <source>Downloaded installers</source>
        <translation>Instaladores baixados</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>%1 free on this disk</source>
        <translation>%1 livres neste disco</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Medindo…</translation>
    </message>
    <message numerus="yes">
        <source>Measuring… %Ln file(s) so far</source>
        <translation>
            <numerusform>Medindo… %Ln arquivo até agora</numerusform>
            <numerusform>Medindo… %Ln arquivos até agora</numerusform>
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
        <translation>Procura novas versões do Ludowell com segurança.</translation>
    </message>
    <message>
        <source>You&apos;re using the latest version of Ludowell.</source>
        <translation>Você está usando a versão mais recente do Ludowell.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates. Please try again later.</source>
        <translation>Não foi possível procurar atualizações. Tente de novo mais tarde.</translation>
    </message>
    <message>
        <source>Update ready. Save and close your game and Steam; Ludowell will then update.</source>
        <translation>Atualização pronta. Salve e feche o seu jogo e o Steam; o Ludowell será atualizado em seguida.</translation>
    </message>
    <message>
        <source>Installing update…</source>
        <translation>Instalando atualização…</translation>
    </message>
    <message>
        <source>Save and close your game and its Steam session before checking for updates. Ludowell will check again later.</source>
        <translation>Salve e feche o seu jogo e a sessão do Steam dele antes de procurar atualizações. O Ludowell vai procurar de novo mais tarde.</translation>
    </message>
    <message>
        <source>Ludowell %1 is available.</source>
        <translation>O Ludowell %1 está disponível.</translation>
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
        <translation>Não foi possível abrir o Ludowell</translation>
    </message>
    <message>
        <source>A new version of Ludowell is available!</source>
        <translation>Uma nova versão do Ludowell está disponível!</translation>
    </message>
    <message>
        <source>Ludowell %1 is now available—you have %2. Would you like to install it now?</source>
        <translation>O Ludowell %1 já está disponível — você tem a %2. Quer instalar agora?</translation>
    </message>
    <message>
        <source>Install Update</source>
        <translation>Instalar atualização</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Agora não</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Você está em dia!</translation>
    </message>
    <message>
        <source>Ludowell %1 is currently the newest version available.</source>
        <translation>O Ludowell %1 é a versão mais recente disponível.</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Erro de atualização!</translation>
    </message>
</context>
<context>
    <name>ludowell::ui::AppDelegate</name>
    <message>
        <source>Finish playing before updating</source>
        <translation>Termine de jogar antes de atualizar</translation>
    </message>
    <message>
        <source>Save and close your game and Steam. Ludowell will keep the update ready for you.</source>
        <translation>Salve e feche o seu jogo e o Steam. O Ludowell vai deixar a atualização pronta para você.</translation>
    </message>
    <message>
        <source>Setup is still working</source>
        <translation>A configuração ainda está em andamento</translation>
    </message>
    <message>
        <source>Let this step finish before closing Ludowell. You can minimize this window while you wait.</source>
        <translation>Deixe esta etapa terminar antes de fechar o Ludowell. Você pode minimizar esta janela enquanto espera.</translation>
    </message>
    <message>
        <source>Keep working</source>
        <translation>Continuar trabalhando</translation>
    </message>
    <message>
        <source>Let this step finish before closing. You can minimize the window while you wait.</source>
        <translation>Deixe esta etapa terminar antes de fechar. Você pode minimizar a janela enquanto espera.</translation>
    </message>
    <message>
        <source>Version %1
Play the Windows games you own on Steam, on your Mac.</source>
        <translation>Versão %1
Jogue no seu Mac os jogos de Windows que você tem no Steam.</translation>
    </message>
    <message>
        <source>About Ludowell</source>
        <translation>Sobre o Ludowell</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Procurar atualizações…</translation>
    </message>
    <message>
        <source>Quit Ludowell</source>
        <translation>Sair do Ludowell</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
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
        <translation>Não foi possível abrir a licença. Reinstale o Ludowell.</translation>
    </message>
</context>
<context>
    <name>ludowell::ui::StepAttention</name>
    <message>
        <source>Setup is done</source>
        <translation>A configuração foi concluída</translation>
    </message>
    <message>
        <source>Setup didn&apos;t finish</source>
        <translation>A configuração não foi concluída</translation>
    </message>
    <message>
        <source>The repair is done</source>
        <translation>O reparo foi concluído</translation>
    </message>
    <message>
        <source>The repair didn&apos;t finish</source>
        <translation>O reparo não foi concluído</translation>
    </message>
    <message>
        <source>Steam is installing your game</source>
        <translation>O Steam está instalando o seu jogo</translation>
    </message>
    <message>
        <source>The game install didn&apos;t start</source>
        <translation>A instalação do jogo não começou</translation>
    </message>
    <message>
        <source>%1 is installed</source>
        <translation>%1 está instalado</translation>
    </message>
    <message>
        <source>Play now is ready in Ludowell.</source>
        <translation>“Jogar agora” está pronto no Ludowell.</translation>
    </message>
</context>
</TS>
