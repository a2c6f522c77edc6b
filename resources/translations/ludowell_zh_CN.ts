<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ActivityPanel</name>
    <message>
        <source>Stopping…</source>
        <translation>正在停止…</translation>
    </message>
    <message>
        <source>Getting ready…</source>
        <translation>正在准备…</translation>
    </message>
    <message>
        <source>Stop…</source>
        <translation>停止…</translation>
    </message>
    <message>
        <source>Stops the running step after asking</source>
        <translation>询问后停止正在进行的步骤</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>下载进度</translation>
    </message>
</context>
<context>
    <name>ArtworkCard</name>
    <message>
        <source>IN YOUR LIBRARY</source>
        <translation>在你的游戏库中</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation>状态：%1</translation>
    </message>
    <message>
        <source>One-time setup
Your own Steam account</source>
        <translation>一次性配置
使用你自己的 Steam 账户</translation>
    </message>
    <message>
        <source>STRATEGY   ·   MULTIPLAYER</source>
        <translation>策略   ·   多人游戏</translation>
    </message>
</context>
<context>
    <name>DiagnosticsSheet</name>
    <message>
        <source>Details for troubleshooting</source>
        <translation>故障排除详情</translation>
    </message>
    <message>
        <source>No diagnostic details available.</source>
        <translation>没有可用的诊断详情。</translation>
    </message>
    <message>
        <source>Read-only output of the last step</source>
        <translation>上一步骤的输出，只读</translation>
    </message>
    <message>
        <source>Open log folder</source>
        <translation>打开日志文件夹</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Save Support Report…</source>
        <translation>保存支持报告…</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Expanded</source>
        <translation>已展开</translation>
    </message>
    <message>
        <source>Collapsed</source>
        <translation>已收起</translation>
    </message>
    <message>
        <source>A little help, whenever.</source>
        <translation>随时为你提供一点帮助。</translation>
    </message>
    <message>
        <source>Everything you need to get from setup to your first game.</source>
        <translation>从配置到第一局游戏，你需要的都在这里。</translation>
    </message>
    <message>
        <source>Start with Get started</source>
        <translation>从“开始”入手</translation>
    </message>
    <message>
        <source>Ludowell prepares Steam for this game. Review the component license, then let setup finish. Keep your Mac connected to the internet.</source>
        <translation>Ludowell 会为这款游戏准备 Steam。请阅读组件许可协议，然后等待配置完成。请让你的 Mac 保持联网。</translation>
    </message>
    <message>
        <source>Sign in directly to Steam</source>
        <translation>直接登录 Steam</translation>
    </message>
    <message>
        <source>Steam opens in a separate window. Use your Steam account or scan the QR code with the Steam mobile app. Complete Steam Guard if prompted. Ludowell never asks for your Steam password.</source>
        <translation>Steam 会在单独的窗口中打开。使用你的 Steam 账户登录，或用 Steam 手机应用扫描二维码。如有提示，请完成 Steam Guard 验证。Ludowell 绝不会索要你的 Steam 密码。</translation>
    </message>
    <message>
        <source>Install once. Play whenever.</source>
        <translation>安装一次，随时畅玩。</translation>
    </message>
    <message>
        <source>After signing in, return here and choose I&apos;m signed in, then Install with Steam. You need to own the game on Steam. Keep Steam&apos;s suggested installation folder. When it&apos;s finished, Play now appears automatically.</source>
        <translation>登录后回到这里，选择“我已登录”，然后选择“通过 Steam 安装”。你需要在 Steam 上拥有这款游戏。请保留 Steam 建议的安装文件夹。安装完成后，“立即开玩”会自动出现。</translation>
    </message>
    <message>
        <source>Something not quite right?</source>
        <translation>遇到问题了？</translation>
    </message>
    <message>
        <source>Steam is blank or hasn&apos;t appeared</source>
        <translation>Steam 一片空白或没有出现</translation>
    </message>
    <message>
        <source>The first launch can take a few minutes while Steam updates. Look for Steam in the Dock. If it remains blank, save and close any running game, use Close Steam session in Settings, then open Steam again.</source>
        <translation>首次启动时 Steam 会进行更新，可能需要几分钟。请在 Dock 中查找 Steam。如果仍然空白，请保存并关闭正在运行的游戏，在“设置”中使用“关闭 Steam 会话”，然后重新打开 Steam。</translation>
    </message>
    <message>
        <source>I can&apos;t find my game in Steam</source>
        <translation>我在 Steam 中找不到我的游戏</translation>
    </message>
    <message>
        <source>Check that you signed in to the account that owns the game. If Steam shows a price instead of Install, ownership is managed by Steam. This app doesn&apos;t include a game license.</source>
        <translation>请确认你登录的是拥有这款游戏的账户。如果 Steam 显示的是价格而不是“安装”，说明游戏所有权由 Steam 管理。本应用不包含游戏许可。</translation>
    </message>
    <message>
        <source>Steam finished, but Play now isn&apos;t showing</source>
        <translation>Steam 已完成，但没有出现“立即开玩”</translation>
    </message>
    <message>
        <source>Steam may still be unpacking or verifying the download. Check its Downloads page. Install into the default Steam library; other installation folders aren&apos;t supported in this version.</source>
        <translation>Steam 可能仍在解压或验证下载内容。请查看其“下载”页面。请安装到 Steam 的默认库中；此版本不支持其他安装文件夹。</translation>
    </message>
    <message>
        <source>My game updated and won&apos;t launch</source>
        <translation>我的游戏更新后无法启动</translation>
    </message>
    <message>
        <source>Some game versions need specific compatibility fixes. If this app asks for an update, get a newer Ludowell release. Your existing game files and saves stay in place.</source>
        <translation>某些游戏版本需要特定的兼容性修复。如果本应用要求更新，请获取更新版本的 Ludowell。你现有的游戏文件和存档会保持原样。</translation>
    </message>
    <message>
        <source>Check this Mac</source>
        <translation>检查这台 Mac</translation>
    </message>
    <message>
        <source>Open diagnostic logs</source>
        <translation>打开诊断日志</translation>
    </message>
    <message>
        <source>Requires an Apple Silicon Mac, macOS 26 or later, and Rosetta. Ludowell is an independent app; it isn&apos;t affiliated with Apple, Microsoft or Valve. Game artwork and names belong to their respective owners.</source>
        <translation>需要搭载 Apple Silicon 的 Mac、macOS 26 或更高版本以及 Rosetta。Ludowell 是一款独立应用，与 Apple、Microsoft 和 Valve 均无关联。游戏插图和名称归其各自所有者所有。</translation>
    </message>
    <message>
        <source>Save Support Report…</source>
        <translation>保存支持报告…</translation>
    </message>
</context>
<context>
    <name>LibraryPage</name>
    <message>
        <source>Your next adventure.</source>
        <translation>你的下一场冒险。</translation>
    </message>
    <message>
        <source>A home for your games on Mac.</source>
        <translation>你的游戏在 Mac 上的家。</translation>
    </message>
    <message numerus="yes">
        <source>%n GAME(S)</source>
        <translation>
            <numerusform>%n 款游戏</numerusform>
        </translation>
    </message>
    <message>
        <source>The first Steam update can take a few minutes. Check the Dock for Steam. If it still doesn&apos;t appear, choose Open Steam again or visit Help.</source>
        <translation>Steam 首次更新可能需要几分钟。请在 Dock 中查找 Steam。如果仍未出现，请再次选择“打开 Steam”或查看“帮助”。</translation>
    </message>
    <message>
        <source>Already playing with Ambrovel?</source>
        <translation>已经在用 Ambrovel 玩游戏？</translation>
    </message>
    <message>
        <source>Use your installed game and saves without downloading again.</source>
        <translation>直接使用已安装的游戏和存档，无需重新下载。</translation>
    </message>
    <message>
        <source>Use existing setup</source>
        <translation>使用现有配置</translation>
    </message>
    <message>
        <source>More supported games will arrive in future updates.</source>
        <translation>更多支持的游戏将在后续更新中推出。</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>需要帮助？</translation>
    </message>
</context>
<context>
    <name>LicenseSheet</name>
    <message>
        <source>Let&apos;s prepare your Mac.</source>
        <translation>来准备你的 Mac 吧。</translation>
    </message>
    <message>
        <source>We&apos;ll download Steam and the components needed to run your game. You only need to do this once.</source>
        <translation>我们将下载 Steam 以及运行游戏所需的组件。只需进行一次。</translation>
    </message>
    <message>
        <source>Apple&apos;s graphics component license limits use to developing, testing or evaluating games on Apple hardware. Please review it before continuing.</source>
        <translation>Apple 图形组件的许可协议仅允许将其用于在 Apple 硬件上开发、测试或评估游戏。请在继续之前阅读。</translation>
    </message>
    <message>
        <source>License</source>
        <translation>许可协议</translation>
    </message>
    <message>
        <source>Apple&apos;s graphics component license, read-only</source>
        <translation>Apple 图形组件许可协议，只读</translation>
    </message>
    <message>
        <source>A few minutes · Internet connection required</source>
        <translation>几分钟 · 需要联网</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>以后再说</translation>
    </message>
    <message>
        <source>Agree &amp; set up Steam</source>
        <translation>同意并配置 Steam</translation>
    </message>
</context>
<context>
    <name>MessageCard</name>
    <message>
        <source>Show details</source>
        <translation>显示详情</translation>
    </message>
    <message>
        <source>Get help</source>
        <translation>获取帮助</translation>
    </message>
    <message>
        <source>Dismiss message</source>
        <translation>关闭消息</translation>
    </message>
</context>
<context>
    <name>Nav</name>
    <message>
        <source>Current page</source>
        <translation>当前页面</translation>
    </message>
</context>
<context>
    <name>ReadyGuide</name>
    <message>
        <source>You&apos;re all set.</source>
        <translation>一切就绪。</translation>
    </message>
    <message>
        <source>Launch your game here. Steam takes care of your account, friends and updates.</source>
        <translation>在这里启动游戏。Steam 会负责你的账户、好友和更新。</translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation>打开 Steam</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Expanded</source>
        <translation>已展开</translation>
    </message>
    <message>
        <source>Collapsed</source>
        <translation>已收起</translation>
    </message>
    <message>
        <source>Make yourself at home.</source>
        <translation>把这里当自己家吧。</translation>
    </message>
    <message>
        <source>A few simple preferences. The rest is taken care of.</source>
        <translation>几项简单的偏好设置，其余的交给我们。</translation>
    </message>
    <message>
        <source>While you play</source>
        <translation>游戏时</translation>
    </message>
    <message>
        <source>Show performance overlay</source>
        <translation>显示性能叠加层</translation>
    </message>
    <message>
        <source>Displays the frame rate in your game. Applies the next time you start a fresh Steam session.</source>
        <translation>在游戏中显示帧率。下次启动新的 Steam 会话时生效。</translation>
    </message>
    <message>
        <source>Steam for %1</source>
        <translation>%1 的 Steam</translation>
    </message>
    <message>
        <source>Each game has its own setup. Your Steam login and saves stay on this Mac. Steam Cloud is managed by Steam.</source>
        <translation>每款游戏都有自己的配置。你的 Steam 登录信息和存档保存在这台 Mac 上。Steam Cloud 由 Steam 管理。</translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation>打开 Steam</translation>
    </message>
    <message>
        <source>Close Steam session…</source>
        <translation>关闭 Steam 会话…</translation>
    </message>
    <message>
        <source>Advanced &amp; diagnostics</source>
        <translation>高级与诊断</translation>
    </message>
    <message>
        <source>Game files and local settings</source>
        <translation>游戏文件和本地设置</translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <translation>数据文件夹：%1</translation>
    </message>
    <message>
        <source>Show data folder</source>
        <translation>显示数据文件夹</translation>
    </message>
    <message>
        <source>Show logs</source>
        <translation>显示日志</translation>
    </message>
    <message>
        <source>Check compatibility</source>
        <translation>检查兼容性</translation>
    </message>
    <message>
        <source>Logs may contain local paths or Steam account information. Review them before sharing.</source>
        <translation>日志可能包含本地路径或 Steam 账户信息。分享前请先检查。</translation>
    </message>
</context>
<context>
    <name>SetupGuide</name>
    <message>
        <source>A few steps, then you&apos;re in.</source>
        <translation>只需几步，即可开玩。</translation>
    </message>
    <message>
        <source>Let&apos;s get you playing.</source>
        <translation>马上开始游戏吧。</translation>
    </message>
    <message>
        <source>STEP %1 OF %2</source>
        <translation>第 %1 步，共 %2 步</translation>
    </message>
    <message>
        <source>Prepare your Mac</source>
        <translation>准备你的 Mac</translation>
    </message>
    <message>
        <source>We&apos;ll install Steam and the components your game needs.</source>
        <translation>我们将安装 Steam 以及游戏所需的组件。</translation>
    </message>
    <message>
        <source>Sign in to Steam</source>
        <translation>登录 Steam</translation>
    </message>
    <message>
        <source>Use your own account in the Steam window.</source>
        <translation>在 Steam 窗口中使用你自己的账户。</translation>
    </message>
    <message>
        <source>Install &amp; play</source>
        <translation>安装并开玩</translation>
    </message>
    <message>
        <source>Download your game with Steam. Play from here next time.</source>
        <translation>通过 Steam 下载游戏。下次直接从这里开玩。</translation>
    </message>
    <message>
        <source>Sign in in the Steam window</source>
        <translation>在 Steam 窗口中登录</translation>
    </message>
    <message>
        <source>Use your Steam username and password or Steam&apos;s QR code. Complete Steam Guard if asked, then return here.</source>
        <translation>使用你的 Steam 用户名和密码或 Steam 二维码登录。如有要求，请完成 Steam Guard 验证，然后回到这里。</translation>
    </message>
    <message>
        <source>I&apos;m signed in</source>
        <translation>我已登录</translation>
    </message>
    <message>
        <source>I can&apos;t see the Steam window</source>
        <translation>我看不到 Steam 窗口</translation>
    </message>
    <message>
        <source>Steam is downloading your game</source>
        <translation>Steam 正在下载你的游戏</translation>
    </message>
    <message>
        <source>Install your own copy through Steam</source>
        <translation>通过 Steam 安装你自己的副本</translation>
    </message>
    <message>
        <source>Keep Steam open while your game downloads. You can check progress in Steam’s Downloads tab. This page updates when the game is ready.</source>
        <translation>游戏下载期间请保持 Steam 打开。你可以在 Steam 的“下载”标签页中查看进度。游戏就绪后，此页面会自动更新。</translation>
    </message>
    <message>
        <source>Choose Install in Steam and keep the suggested folder. Leave Steam open; this page will update when the game is ready.</source>
        <translation>在 Steam 中选择“安装”并保留建议的文件夹。请让 Steam 保持打开；游戏就绪后，此页面会自动更新。</translation>
    </message>
    <message>
        <source>Game download progress</source>
        <translation>游戏下载进度</translation>
    </message>
    <message>
        <source>%1% downloaded</source>
        <translation>已下载 %1%</translation>
    </message>
    <message>
        <source>%1% downloaded · Steam may still need to unpack or verify files</source>
        <translation>已下载 %1% · Steam 可能仍需解压或验证文件</translation>
    </message>
    <message>
        <source>Not signed in yet? Open Steam</source>
        <translation>还没登录？打开 Steam</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>YOUR SPACE</source>
        <translation>你的空间</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>游戏库</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Made for your Mac</source>
        <translation>专为你的 Mac 打造</translation>
    </message>
    <message>
        <source>DESIGN PREVIEW</source>
        <translation>设计预览</translation>
    </message>
    <message>
        <source>VERSION %1</source>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>In progress</source>
        <translation>进行中</translation>
    </message>
</context>
<context>
    <name>StorageCard</name>
    <message>
        <source>Storage</source>
        <translation>存储空间</translation>
    </message>
    <message>
        <source>Measure again</source>
        <translation>重新计算</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>显示 %1</translation>
    </message>
    <message>
        <source>Remove downloaded installers…</source>
        <translation>移除已下载的安装程序…</translation>
    </message>
    <message>
        <source>Remove logs older than 30 days…</source>
        <translation>移除 30 天前的日志…</translation>
    </message>
</context>
<context>
    <name>UpdatesPanel</name>
    <message>
        <source>App updates</source>
        <translation>应用更新</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>自动检查更新</translation>
    </message>
    <message>
        <source>Installation waits for your game and Steam to close. Your games and saves stay in place.</source>
        <translation>安装会等到你的游戏和 Steam 关闭后再进行。你的游戏和存档会保持原样。</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>检查更新…</translation>
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
        <translation>关于 Ludowell</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>检查更新…</translation>
    </message>
    <message>
        <source>Quit Ludowell</source>
        <translation>退出 Ludowell</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>拷贝</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
</context>
<context>
    <name>ludowell::ChildLines</name>
    <message>
        <source>ERROR: %1</source>
        <translation>错误：%1</translation>
    </message>
    <message>
        <source>Apple Silicon, macOS and Rosetta compatibility checks passed.</source>
        <translation>Apple Silicon、macOS 和 Rosetta 兼容性检查已通过。</translation>
    </message>
    <message>
        <source>Only Ludowell&apos;s game and Steam environment were stopped.</source>
        <translation>仅停止了 Ludowell 的游戏和 Steam 环境。</translation>
    </message>
    <message>
        <source>Data location: %1</source>
        <translation>数据位置：%1</translation>
    </message>
    <message>
        <source>Runtime: %1 | Steam: %2 | AoE IV: %3</source>
        <translation>运行环境：%1 | Steam：%2 | AoE IV：%3</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>not set up</source>
        <translation>未配置</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>已安装</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>未安装</translation>
    </message>
    <message>
        <source>Game version matches the optimized build.</source>
        <translation>游戏版本与优化版本一致。</translation>
    </message>
    <message>
        <source>Game update needs revalidation; optimized launch is blocked.</source>
        <translation>游戏更新需要重新验证；优化启动已被阻止。</translation>
    </message>
    <message>
        <source>Downloading the validated graphics and dependency package (about %1 MB)…</source>
        <translation>正在下载经过验证的图形和依赖包（约 %1 MB）…</translation>
    </message>
    <message>
        <source>Preparing a fresh Windows environment; no existing Steam accounts are imported…</source>
        <translation>正在准备全新的 Windows 环境；不会导入现有的 Steam 账户…</translation>
    </message>
    <message>
        <source>The independent runtime is ready.</source>
        <translation>独立运行环境已就绪。</translation>
    </message>
    <message>
        <source>Downloading the official Windows Steam installer…</source>
        <translation>正在下载官方 Windows 版 Steam 安装程序…</translation>
    </message>
    <message>
        <source>Steam is installed. Sign in with your own account and install %1 in the default Steam library.</source>
        <translation>Steam 已安装。请使用你自己的账户登录，并将 %1 安装到 Steam 的默认库中。</translation>
    </message>
    <message>
        <source>Checking the installed game version…</source>
        <translation>正在检查已安装的游戏版本…</translation>
    </message>
    <message>
        <source>Steam is already open. The HUD change takes effect after exiting Steam and reopening it.</source>
        <translation>Steam 已经打开。退出并重新打开 Steam 后，HUD 更改才会生效。</translation>
    </message>
    <message>
        <source>AoE IV launch requested. Steam may show a confirmation dialog.</source>
        <translation>已请求启动 AoE IV。Steam 可能会显示确认对话框。</translation>
    </message>
    <message>
        <source>Steam launch requested. Initial client updates can take a few minutes.</source>
        <translation>已请求启动 Steam。客户端首次更新可能需要几分钟。</translation>
    </message>
    <message>
        <source>Updating game components. Steam, games and saves will stay in place…</source>
        <translation>正在更新游戏组件。Steam、游戏和存档都会保持原样…</translation>
    </message>
    <message>
        <source>Game components updated. The previous engine has been retained for recovery.</source>
        <translation>游戏组件已更新。之前的引擎已保留，以便恢复。</translation>
    </message>
    <message>
        <source>This is taking longer than expected. Please try again. Your downloads are kept.</source>
        <translation>耗时比预期更长。请重试。你的下载内容已保留。</translation>
    </message>
    <message>
        <source>An unexpected error stopped this step.</source>
        <translation>意外错误导致此步骤中止。</translation>
    </message>
    <message>
        <source>This build requires macOS 26 or later. Earlier macOS versions have not been validated.</source>
        <translation>此版本需要 macOS 26 或更高版本。更早的 macOS 版本尚未经过验证。</translation>
    </message>
    <message>
        <source>Rosetta is required. Open an Intel app and follow macOS&apos;s Rosetta installation prompt, then try again.</source>
        <translation>需要 Rosetta。请打开一个 Intel 应用并按照 macOS 的 Rosetta 安装提示操作，然后重试。</translation>
    </message>
    <message>
        <source>The optimization is not compatible with this Mac&apos;s current Rosetta runtime. No system settings were changed. %1</source>
        <translation>此优化与这台 Mac 当前的 Rosetta 运行环境不兼容。系统设置未做任何更改。%1</translation>
    </message>
    <message>
        <source>tessaline did not answer within 25 seconds.</source>
        <translation>tessaline 在 25 秒内没有响应。</translation>
    </message>
    <message>
        <source>Save and close AoE IV and this app&apos;s Steam client before setting up or repairing the environment.</source>
        <translation>在配置或修复环境之前，请保存并关闭 AoE IV 和本应用的 Steam 客户端。</translation>
    </message>
    <message>
        <source>%1 failed (%2). %3</source>
        <translation>%1 失败（%2）。%3</translation>
    </message>
    <message>
        <source>Logs: %1</source>
        <translation>日志：%1</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>磁盘已满。请释放一些空间后重试。</translation>
    </message>
    <message>
        <source>The disk is full: this step needs about %1 MB more free space. Free up some space and try again.</source>
        <translation>磁盘已满：此步骤还需要约 %1 MB 可用空间。请释放一些空间后重试。</translation>
    </message>
    <message>
        <source>The downloaded file differs from the validated version. Setup stopped without executing it. A newer launcher may be needed.</source>
        <translation>下载的文件与经过验证的版本不一致。配置已停止，文件未被执行。可能需要更新版本的启动器。</translation>
    </message>
    <message>
        <source>Stopped at your request. Finished steps and downloads are kept.</source>
        <translation>已按你的要求停止。已完成的步骤和下载内容都会保留。</translation>
    </message>
    <message>
        <source>Unexpected graphics package layout.</source>
        <translation>图形包的结构不符合预期。</translation>
    </message>
    <message>
        <source>Wine did not finish creating the Windows environment. Check the setup logs and retry.</source>
        <translation>Wine 未能完成 Windows 环境的创建。请检查配置日志后重试。</translation>
    </message>
    <message>
        <source>Run Set up Steam first.</source>
        <translation>请先配置 Steam。</translation>
    </message>
    <message>
        <source>Steam installation did not finish. Retry setup; your existing files will be kept.</source>
        <translation>Steam 安装未完成。请重新配置；你现有的文件会被保留。</translation>
    </message>
    <message>
        <source>Click Set up Steam before opening the library.</source>
        <translation>请先配置 Steam，再打开游戏库。</translation>
    </message>
    <message>
        <source>Install %1 in this Steam client&apos;s default library, then choose Play now.</source>
        <translation>请将 %1 安装到此 Steam 客户端的默认库中，然后选择“立即开玩”。</translation>
    </message>
    <message>
        <source>This game build has not been validated for the optimizations. Please update Ludowell.</source>
        <translation>此游戏版本尚未针对优化进行验证。请更新 Ludowell。</translation>
    </message>
    <message>
        <source>Could not open the operation lock.</source>
        <translation>无法打开操作锁。</translation>
    </message>
    <message>
        <source>Another setup or launch is already in progress. Please wait for it to finish.</source>
        <translation>另一项配置或启动正在进行中。请等待其完成。</translation>
    </message>
    <message>
        <source>The data folder given with --data-root is empty.</source>
        <translation>用 --data-root 指定的数据文件夹为空。</translation>
    </message>
    <message>
        <source>Please review the setup license in Ludowell first.</source>
        <translation>请先在 Ludowell 中阅读配置许可协议。</translation>
    </message>
    <message>
        <source>Unknown action.</source>
        <translation>未知操作。</translation>
    </message>
    <message>
        <source>Could not open the update lock.</source>
        <translation>无法打开更新锁。</translation>
    </message>
    <message>
        <source>An update or launch is already in progress. Please wait for it to finish.</source>
        <translation>另一项更新或启动正在进行中。请等待其完成。</translation>
    </message>
    <message>
        <source>Save and close your game and Steam before updating game components.</source>
        <translation>更新游戏组件前，请保存并关闭你的游戏和 Steam。</translation>
    </message>
    <message>
        <source>The new game components failed verification. Your previous engine is unchanged.</source>
        <translation>新的游戏组件未通过验证。你之前的引擎保持不变。</translation>
    </message>
    <message>
        <source>Invalid runtime dependency manifest.</source>
        <translation>运行环境依赖清单无效。</translation>
    </message>
    <message>
        <source>Missing dependency: %1</source>
        <translation>缺少依赖项：%1</translation>
    </message>
    <message>
        <source>The staged engine is incomplete. Your previous engine is unchanged.</source>
        <translation>暂存的引擎不完整。你之前的引擎保持不变。</translation>
    </message>
    <message>
        <source>The new engine didn&apos;t pass its startup check. Your previous engine is unchanged.</source>
        <translation>新引擎未通过启动检查。你之前的引擎保持不变。</translation>
    </message>
    <message>
        <source>Unsupported engine manifest format.</source>
        <translation>不支持的引擎清单格式。</translation>
    </message>
    <message>
        <source>Invalid engine update manifest.</source>
        <translation>引擎更新清单无效。</translation>
    </message>
    <message>
        <source>Invalid engine update path or hash.</source>
        <translation>引擎更新路径或哈希值无效。</translation>
    </message>
    <message>
        <source>This game profile is invalid.</source>
        <translation>此游戏配置文件无效。</translation>
    </message>
    <message>
        <source>The Age of Empires optimization requires its validated game profile.</source>
        <translation>Age of Empires 优化需要其经过验证的游戏配置文件。</translation>
    </message>
    <message>
        <source>The game library contains duplicate or missing games.</source>
        <translation>游戏库中有重复或缺失的游戏。</translation>
    </message>
    <message>
        <source>The game library is missing. Please reinstall this app.</source>
        <translation>游戏库缺失。请重新安装本应用。</translation>
    </message>
    <message>
        <source>A file</source>
        <translation>某个文件</translation>
    </message>
    <message>
        <source>The disk is full: %1 could not be written. Free up some space and try again.</source>
        <translation>磁盘已满：无法写入 %1。请释放一些空间后重试。</translation>
    </message>
    <message>
        <source>%1 cannot be written: its disk is read-only.</source>
        <translation>无法写入 %1：其所在磁盘为只读。</translation>
    </message>
    <message>
        <source>%1 cannot be used: permission denied.</source>
        <translation>无法使用 %1：权限被拒绝。</translation>
    </message>
    <message>
        <source>%1 cannot be read or written: the disk reported an input/output error.</source>
        <translation>无法读写 %1：磁盘报告了输入/输出错误。</translation>
    </message>
    <message>
        <source>The data folder&apos;s path contains &quot;:&quot; (shown as &quot;/&quot; in the Finder), which the game&apos;s Windows environment cannot use. Choose a folder whose path has neither.</source>
        <translation>数据文件夹的路径中含有“:”（在“访达”中显示为“/”），游戏的 Windows 环境无法使用。请选择路径中不含这两个字符的文件夹。</translation>
    </message>
    <message>
        <source>The data folder&apos;s path is too long for the game&apos;s Windows environment. Choose a folder with a shorter path.</source>
        <translation>数据文件夹的路径太长，游戏的 Windows 环境无法使用。请选择路径较短的文件夹。</translation>
    </message>
    <message>
        <source>Could not start %1</source>
        <translation>无法启动 %1</translation>
    </message>
    <message>
        <source>Writing the support report…</source>
        <translation>正在写入支持报告…</translation>
    </message>
    <message>
        <source>Support report saved: %1</source>
        <translation>支持报告已保存：%1</translation>
    </message>
    <message>
        <source>The folder for the support report does not exist: %1</source>
        <translation>支持报告的文件夹不存在：%1</translation>
    </message>
    <message>
        <source>The support report could not be packed.</source>
        <translation>无法打包支持报告。</translation>
    </message>
    <message>
        <source>Save and close your game and this app&apos;s Steam client before cleaning up.</source>
        <translation>清理之前，请保存并关闭你的游戏和本应用的 Steam 客户端。</translation>
    </message>
    <message>
        <source>No downloaded installers to remove.</source>
        <translation>没有可移除的已下载安装程序。</translation>
    </message>
    <message>
        <source>Removed the downloaded installers and freed %1. A later repair downloads them again.</source>
        <translation>已移除下载的安装程序，释放了 %1。以后修复时会重新下载它们。</translation>
    </message>
    <message>
        <source>No logs older than 30 days to remove.</source>
        <translation>没有 30 天前的日志可移除。</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n log(s) older than 30 days and freed %1.</source>
        <translation>
            <numerusform>已移除 %n 个 30 天前的日志，释放了 %1。</numerusform>
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
            <numerusform>%n 字节</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1 · %2/s</source>
        <translation>%1 · %2/秒</translation>
    </message>
</context>
<context>
    <name>ludowell::LibraryModel</name>
    <message>
        <source>Steam couldn&apos;t connect. Check your internet connection, then try again.</source>
        <translation>Steam 无法连接。请检查你的网络连接，然后重试。</translation>
    </message>
    <message>
        <source>Working on it</source>
        <translation>正在处理</translation>
    </message>
    <message>
        <source>Setup needed</source>
        <translation>需要配置</translation>
    </message>
    <message>
        <source>Sign in to Steam</source>
        <translation>登录 Steam</translation>
    </message>
    <message>
        <source>Ready to install</source>
        <translation>可以安装</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>正在安装</translation>
    </message>
    <message>
        <source>Ready to play</source>
        <translation>可以开玩</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>运行中</translation>
    </message>
    <message>
        <source>Getting ready…</source>
        <translation>正在准备…</translation>
    </message>
    <message>
        <source>Opening your game…</source>
        <translation>正在打开你的游戏…</translation>
    </message>
    <message>
        <source>Get started</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Open Steam to sign in</source>
        <translation>打开 Steam 登录</translation>
    </message>
    <message>
        <source>Install with Steam</source>
        <translation>通过 Steam 安装</translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation>打开 Steam</translation>
    </message>
    <message>
        <source>Play now</source>
        <translation>立即开玩</translation>
    </message>
    <message>
        <source>Downloading game components…</source>
        <translation>正在下载游戏组件…</translation>
    </message>
    <message>
        <source>Preparing your Mac for play…</source>
        <translation>正在为游戏准备你的 Mac…</translation>
    </message>
    <message>
        <source>Installing Steam…</source>
        <translation>正在安装 Steam…</translation>
    </message>
    <message>
        <source>Checking your game…</source>
        <translation>正在检查你的游戏…</translation>
    </message>
    <message>
        <source>This version needs macOS 26 or later. Update macOS in System Settings, then try again.</source>
        <translation>此版本需要 macOS 26 或更高版本。请在“系统设置”中更新 macOS，然后重试。</translation>
    </message>
    <message>
        <source>Rosetta is needed to run Steam. Open an Intel app and follow Apple&apos;s installation prompt, then try again.</source>
        <translation>运行 Steam 需要 Rosetta。请打开一个 Intel 应用并按照 Apple 的安装提示操作，然后重试。</translation>
    </message>
    <message>
        <source>The gaming components aren&apos;t compatible with this Mac&apos;s current Rosetta version. Please contact support with the details below.</source>
        <translation>游戏组件与这台 Mac 当前的 Rosetta 版本不兼容。请联系支持人员并提供下方的详情。</translation>
    </message>
    <message>
        <source>Steam has installed a newer game version. A Ludowell update is needed before this game can launch safely.</source>
        <translation>Steam 已安装了更新版本的游戏。需要先更新 Ludowell，才能安全启动这款游戏。</translation>
    </message>
    <message>
        <source>A download has changed since this app was released. Please get an updated Ludowell app.</source>
        <translation>自本应用发布以来，某个下载内容已发生变化。请获取更新版本的 Ludowell。</translation>
    </message>
    <message>
        <source>Another setup or launch is in progress. Let it finish, then try again.</source>
        <translation>另一项配置或启动正在进行中。请等它完成后再试。</translation>
    </message>
    <message>
        <source>Please save your game and exit Steam before preparing this setup again.</source>
        <translation>再次准备此配置前，请保存游戏并退出 Steam。</translation>
    </message>
    <message>
        <source>We couldn&apos;t finish that step. Check your internet connection and try again. Your completed downloads are kept.</source>
        <translation>我们无法完成该步骤。请检查你的网络连接后重试。已完成的下载内容会保留。</translation>
    </message>
    <message>
        <source>Preparing Steam…</source>
        <translation>正在准备 Steam…</translation>
    </message>
    <message>
        <source>Opening Steam…</source>
        <translation>正在打开 Steam…</translation>
    </message>
    <message>
        <source>Steam is opening in a separate window. The first launch may take a few minutes while Steam updates.</source>
        <translation>Steam 正在单独的窗口中打开。首次启动时 Steam 会进行更新，可能需要几分钟。</translation>
    </message>
    <message>
        <source>In Steam, confirm Install and keep the suggested folder. You can return here while the download finishes.</source>
        <translation>在 Steam 中确认“安装”并保留建议的文件夹。下载完成期间，你可以回到这里。</translation>
    </message>
    <message>
        <source>Your game is opening through Steam. If Steam asks for confirmation, choose Play.</source>
        <translation>你的游戏正在通过 Steam 打开。如果 Steam 要求确认，请选择“开始游戏”。</translation>
    </message>
    <message>
        <source>This Mac passed the compatibility checks.</source>
        <translation>这台 Mac 已通过兼容性检查。</translation>
    </message>
    <message>
        <source>This game&apos;s Steam session has closed.</source>
        <translation>这款游戏的 Steam 会话已关闭。</translation>
    </message>
    <message>
        <source>This is a design preview. No game or Steam process was started.</source>
        <translation>这是设计预览。未启动任何游戏或 Steam 进程。</translation>
    </message>
    <message>
        <source>The step was stopped. Everything it finished is kept, so the next attempt picks up from there.</source>
        <translation>该步骤已停止。已完成的部分都会保留，下次尝试会从那里继续。</translation>
    </message>
    <message>
        <source>Your setup preference couldn&apos;t be saved. Please try again.</source>
        <translation>无法保存你的配置偏好。请重试。</translation>
    </message>
    <message>
        <source>We couldn&apos;t save your progress. Please try again.</source>
        <translation>我们无法保存你的进度。请重试。</translation>
    </message>
    <message>
        <source>Use your existing Steam setup?</source>
        <translation>使用现有的 Steam 配置？</translation>
    </message>
    <message>
        <source>Ludowell will use the same Steam account, installed game and saves as Ambrovel. Close the old launcher before using this one. No files will be moved or deleted.</source>
        <translation>Ludowell 将使用与 Ambrovel 相同的 Steam 账户、已安装的游戏和存档。使用本应用前，请先关闭旧的启动器。不会移动或删除任何文件。</translation>
    </message>
    <message>
        <source>Use existing setup</source>
        <translation>使用现有配置</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close this game&apos;s Steam session?</source>
        <translation>关闭这款游戏的 Steam 会话？</translation>
    </message>
    <message>
        <source>Save and exit your game first. Continuing will close its game and Steam processes, and unsaved progress will be lost.</source>
        <translation>请先保存并退出游戏。继续操作将关闭其游戏和 Steam 进程，未保存的进度将会丢失。</translation>
    </message>
    <message>
        <source>Close session</source>
        <translation>关闭会话</translation>
    </message>
    <message>
        <source>No data received for 15 s. Check your connection.</source>
        <translation>已有 15 秒未收到数据。请检查你的网络连接。</translation>
    </message>
    <message>
        <source>Stop this step?</source>
        <translation>停止此步骤？</translation>
    </message>
    <message>
        <source>Ludowell stops where it is. Everything already finished is kept, and the next attempt picks up from there.</source>
        <translation>Ludowell 会在当前位置停止。已完成的部分都会保留，下次尝试会从那里继续。</translation>
    </message>
    <message>
        <source>Keep working</source>
        <translation>继续处理</translation>
    </message>
    <message>
        <source>Stop step</source>
        <translation>停止步骤</translation>
    </message>
    <message>
        <source>This data folder can&apos;t hold the game&apos;s Windows environment: a folder name in its path has a &quot;/&quot;, or the path is too long. Choose another folder, then try again.</source>
        <translation>此数据文件夹无法容纳游戏的 Windows 环境：其路径中的某个文件夹名含有“/”，或路径太长。请选择其他文件夹，然后重试。</translation>
    </message>
    <message>
        <source>Writing the support report…</source>
        <translation>正在写入支持报告…</translation>
    </message>
    <message>
        <source>Removing downloaded installers…</source>
        <translation>正在移除已下载的安装程序…</translation>
    </message>
    <message>
        <source>Removing old logs…</source>
        <translation>正在移除旧日志…</translation>
    </message>
    <message>
        <source>Ludowell was updated or moved while this window was open. Quit and reopen Ludowell, then try again.</source>
        <translation>此窗口打开期间，Ludowell 已被更新或移动。请退出并重新打开 Ludowell，然后重试。</translation>
    </message>
    <message>
        <source>Your support report is saved in Downloads as “%1”. Attach it to your request for help.</source>
        <translation>你的支持报告已保存到“下载”文件夹，文件名为“%1”。请在寻求帮助时附上它。</translation>
    </message>
    <message>
        <source>There are no downloaded installers to remove.</source>
        <translation>没有可移除的已下载安装程序。</translation>
    </message>
    <message>
        <source>Remove downloaded installers?</source>
        <translation>要移除已下载的安装程序吗？</translation>
    </message>
    <message>
        <source>This frees %1. The installers Ludowell downloaded during setup are removed; a later repair downloads them again. Steam, your game, saves and engines stay as they are.</source>
        <translation>这将释放 %1。Ludowell 在设置期间下载的安装程序会被移除；以后修复时会重新下载。Steam、你的游戏、存档和引擎都保持不变。</translation>
    </message>
    <message>
        <source>Remove installers</source>
        <translation>移除安装程序</translation>
    </message>
    <message>
        <source>There are no logs older than 30 days.</source>
        <translation>没有 30 天前的日志。</translation>
    </message>
    <message>
        <source>Remove logs older than 30 days?</source>
        <translation>要移除 30 天前的日志吗？</translation>
    </message>
    <message>
        <source>This frees %1 (%2). Logs from the last 30 days stay for troubleshooting; nothing else is touched.</source>
        <translation>这将释放 %1（%2）。最近 30 天的日志会保留以便排查问题；其他内容都不会改动。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln log(s)</source>
        <translation>
            <numerusform>%Ln 个日志</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove logs</source>
        <translation>移除日志</translation>
    </message>
    <message>
        <source>Ludowell Support Report %1 at %2</source>
        <translation>Ludowell 支持报告 %1 %2</translation>
    </message>
</context>
<context>
    <name>ludowell::LinuxUpdateService</name>
    <message>
        <source>The update feed is not an appcast.</source>
        <translation>更新源不是 appcast。</translation>
    </message>
    <message>
        <source>The update feed could not be read: %1</source>
        <translation>无法读取更新源：%1</translation>
    </message>
    <message>
        <source>Updates are not set up for this copy of Ludowell.</source>
        <translation>此 Ludowell 副本未设置更新。</translation>
    </message>
    <message>
        <source>The update settings of this copy of Ludowell are damaged.</source>
        <translation>此 Ludowell 副本的更新设置已损坏。</translation>
    </message>
    <message>
        <source>The update feed is larger than any feed Ludowell reads, so it was not read.</source>
        <translation>更新源超出了 Ludowell 可读取的大小，因此未读取。</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t reach the update server (%1).</source>
        <translation>Ludowell 无法连接更新服务器（%1）。</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t reach the update server.</source>
        <translation>Ludowell 无法连接更新服务器。</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t store the update (%1).</source>
        <translation>Ludowell 无法保存更新（%1）。</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t store the update.</source>
        <translation>Ludowell 无法保存更新。</translation>
    </message>
    <message>
        <source>The update download is larger than the feed announced, so it was stopped. Please try again later.</source>
        <translation>更新下载超出了更新源声明的大小，因此已停止。请稍后再试。</translation>
    </message>
    <message>
        <source>The update could not be downloaded (%1).</source>
        <translation>无法下载更新（%1）。</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>无法下载更新。</translation>
    </message>
    <message>
        <source>The update download is incomplete: expected %1 bytes, got %2. Please try again later.</source>
        <translation>更新下载不完整：应为 %1 字节，实际为 %2 字节。请稍后再试。</translation>
    </message>
    <message>
        <source>The update is not signed by Ludowell&apos;s developer, so it was not installed.</source>
        <translation>此更新没有 Ludowell 开发者的签名，因此未安装。</translation>
    </message>
    <message>
        <source>The update could not be unpacked (%1).</source>
        <translation>无法解压更新（%1）。</translation>
    </message>
    <message>
        <source>The update could not be unpacked.</source>
        <translation>无法解压更新。</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t replace itself with the new version (%1). The current version was kept.</source>
        <translation>Ludowell 无法用新版本替换自身（%1）。已保留当前版本。</translation>
    </message>
    <message>
        <source>its unpacked copy is no longer usable</source>
        <translation>解压后的副本已无法使用</translation>
    </message>
    <message>
        <source>The update does not contain a usable %1.</source>
        <translation>更新中没有可用的 %1。</translation>
    </message>
    <message>
        <source>The update holds version %1, not the offered %2, so it was not installed.</source>
        <translation>更新包含的是版本 %1，而不是提供的 %2，因此未安装。</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>ludowell::Storage</name>
    <message>
        <source>Windows environment</source>
        <translation>Windows 环境</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>引擎</translation>
    </message>
    <message>
        <source>Engine %1</source>
        <translation>引擎 %1</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>保留</translation>
    </message>
    <message>
        <source>Graphics package</source>
        <translation>图形包</translation>
    </message>
    <message>
        <source>Downloaded installers</source>
        <translation>已下载的安装程序</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>日志</translation>
    </message>
    <message>
        <source>%1 free on this disk</source>
        <translation>此磁盘可用空间：%1</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>正在计算…</translation>
    </message>
    <message numerus="yes">
        <source>Measuring… %Ln file(s) so far</source>
        <translation>
            <numerusform>正在计算… 目前已统计 %Ln 个文件</numerusform>
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
        <translation>安全地检查 Ludowell 的新版本。</translation>
    </message>
    <message>
        <source>You&apos;re using the latest version of Ludowell.</source>
        <translation>你正在使用最新版本的 Ludowell。</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates. Please try again later.</source>
        <translation>无法检查更新。请稍后再试。</translation>
    </message>
    <message>
        <source>Update ready. Save and close your game and Steam; Ludowell will then update.</source>
        <translation>更新已就绪。请保存并关闭你的游戏和 Steam，随后 Ludowell 将进行更新。</translation>
    </message>
    <message>
        <source>Installing update…</source>
        <translation>正在安装更新…</translation>
    </message>
    <message>
        <source>Save and close your game and its Steam session before checking for updates. Ludowell will check again later.</source>
        <translation>检查更新前，请保存并关闭你的游戏及其 Steam 会话。Ludowell 稍后会再次检查。</translation>
    </message>
    <message>
        <source>Ludowell %1 is available.</source>
        <translation>Ludowell %1 已推出。</translation>
    </message>
</context>
<context>
    <name>ludowell::ui::Alerts</name>
    <message>
        <source>OK</source>
        <translation>好</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t open</source>
        <translation>无法打开 Ludowell</translation>
    </message>
    <message>
        <source>A new version of Ludowell is available!</source>
        <translation>Ludowell 有新版本可用！</translation>
    </message>
    <message>
        <source>Ludowell %1 is now available—you have %2. Would you like to install it now?</source>
        <translation>Ludowell %1 现已推出——你当前的版本是 %2。要现在安装吗？</translation>
    </message>
    <message>
        <source>Install Update</source>
        <translation>安装更新</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>以后再说</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>已是最新版本！</translation>
    </message>
    <message>
        <source>Ludowell %1 is currently the newest version available.</source>
        <translation>Ludowell %1 是当前可用的最新版本。</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>更新出错！</translation>
    </message>
</context>
<context>
    <name>ludowell::ui::AppDelegate</name>
    <message>
        <source>Finish playing before updating</source>
        <translation>请先结束游戏再更新</translation>
    </message>
    <message>
        <source>Save and close your game and Steam. Ludowell will keep the update ready for you.</source>
        <translation>请保存并关闭你的游戏和 Steam。Ludowell 会为你准备好更新。</translation>
    </message>
    <message>
        <source>Setup is still working</source>
        <translation>配置仍在进行中</translation>
    </message>
    <message>
        <source>Let this step finish before closing Ludowell. You can minimize this window while you wait.</source>
        <translation>请等待此步骤完成后再关闭 Ludowell。等待期间，你可以将此窗口最小化。</translation>
    </message>
    <message>
        <source>Keep working</source>
        <translation>继续处理</translation>
    </message>
    <message>
        <source>Let this step finish before closing. You can minimize the window while you wait.</source>
        <translation>请等待此步骤完成后再关闭。等待期间，你可以将窗口最小化。</translation>
    </message>
    <message>
        <source>Version %1
Play the Windows games you own on Steam, on your Mac.</source>
        <translation>版本 %1
在你的 Mac 上畅玩你在 Steam 上拥有的 Windows 游戏。</translation>
    </message>
    <message>
        <source>About Ludowell</source>
        <translation>关于 Ludowell</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>检查更新…</translation>
    </message>
    <message>
        <source>Quit Ludowell</source>
        <translation>退出 Ludowell</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>拷贝</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>好</translation>
    </message>
</context>
<context>
    <name>ludowell::ui::LicenceDocument</name>
    <message>
        <source>The license could not be opened. Please reinstall Ludowell.</source>
        <translation>无法打开许可协议。请重新安装 Ludowell。</translation>
    </message>
</context>
<context>
    <name>ludowell::ui::StepAttention</name>
    <message>
        <source>Setup is done</source>
        <translation>设置已完成</translation>
    </message>
    <message>
        <source>Setup didn&apos;t finish</source>
        <translation>设置未完成</translation>
    </message>
    <message>
        <source>The repair is done</source>
        <translation>修复已完成</translation>
    </message>
    <message>
        <source>The repair didn&apos;t finish</source>
        <translation>修复未完成</translation>
    </message>
    <message>
        <source>Steam is installing your game</source>
        <translation>Steam 正在安装你的游戏</translation>
    </message>
    <message>
        <source>The game install didn&apos;t start</source>
        <translation>游戏安装未能开始</translation>
    </message>
    <message>
        <source>%1 is installed</source>
        <translation>%1 已安装</translation>
    </message>
    <message>
        <source>Play now is ready in Ludowell.</source>
        <translation>Ludowell 中的“立即开玩”已就绪。</translation>
    </message>
</context>
</TS>
