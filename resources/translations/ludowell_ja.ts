<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>ActivityPanel</name>
    <message>
        <source>Stopping…</source>
        <translation>停止しています…</translation>
    </message>
    <message>
        <source>Getting ready…</source>
        <translation>準備しています…</translation>
    </message>
    <message>
        <source>Stop…</source>
        <translation>停止…</translation>
    </message>
    <message>
        <source>Stops the running step after asking</source>
        <translation>確認のうえ、実行中のステップを停止します</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>ダウンロードの進行状況</translation>
    </message>
</context>
<context>
    <name>ArtworkCard</name>
    <message>
        <source>IN YOUR LIBRARY</source>
        <translation>ライブラリ内</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation>状況：%1</translation>
    </message>
    <message>
        <source>One-time setup
Your own Steam account</source>
        <translation>一度だけのセットアップ
ご自身の Steam アカウント</translation>
    </message>
    <message>
        <source>STRATEGY   ·   MULTIPLAYER</source>
        <translation>ストラテジー   ·   マルチプレイ</translation>
    </message>
</context>
<context>
    <name>DiagnosticsSheet</name>
    <message>
        <source>Details for troubleshooting</source>
        <translation>トラブルシューティングの詳細</translation>
    </message>
    <message>
        <source>No diagnostic details available.</source>
        <translation>診断の詳細はありません。</translation>
    </message>
    <message>
        <source>Read-only output of the last step</source>
        <translation>前回のステップの出力（読み取り専用）</translation>
    </message>
    <message>
        <source>Open log folder</source>
        <translation>ログフォルダを開く</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Save Support Report…</source>
        <translation>サポートレポートを保存…</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Expanded</source>
        <translation>展開</translation>
    </message>
    <message>
        <source>Collapsed</source>
        <translation>折りたたみ</translation>
    </message>
    <message>
        <source>A little help, whenever.</source>
        <translation>困ったときは、いつでもどうぞ。</translation>
    </message>
    <message>
        <source>Everything you need to get from setup to your first game.</source>
        <translation>セットアップから最初のプレイまでに必要なことをまとめました。</translation>
    </message>
    <message>
        <source>Start with Get started</source>
        <translation>まずは「はじめる」から</translation>
    </message>
    <message>
        <source>Ludowell prepares Steam for this game. Review the component license, then let setup finish. Keep your Mac connected to the internet.</source>
        <translation>Ludowell はこのゲーム用に Steam を準備します。コンポーネントのライセンスを確認し、セットアップが終わるまでお待ちください。Mac はインターネットに接続したままにしてください。</translation>
    </message>
    <message>
        <source>Sign in directly to Steam</source>
        <translation>Steam に直接サインイン</translation>
    </message>
    <message>
        <source>Steam opens in a separate window. Use your Steam account or scan the QR code with the Steam mobile app. Complete Steam Guard if prompted. Ludowell never asks for your Steam password.</source>
        <translation>Steam は別のウインドウで開きます。Steam アカウントを使うか、Steam モバイルアプリで QR コードを読み取ってください。求められたら Steam ガードを完了してください。Ludowell が Steam のパスワードを尋ねることはありません。</translation>
    </message>
    <message>
        <source>Install once. Play whenever.</source>
        <translation>インストールは一度。プレイはいつでも。</translation>
    </message>
    <message>
        <source>After signing in, return here and choose I&apos;m signed in, then Install with Steam. You need to own the game on Steam. Keep Steam&apos;s suggested installation folder. When it&apos;s finished, Play now appears automatically.</source>
        <translation>サインインしたらここに戻り、「サインインしました」を選んでから「Steam でインストール」を選びます。ゲームを Steam で所有している必要があります。Steam が提案するインストール先フォルダはそのままにしてください。完了すると「今すぐプレイ」が自動的に表示されます。</translation>
    </message>
    <message>
        <source>Something not quite right?</source>
        <translation>うまくいかないときは</translation>
    </message>
    <message>
        <source>Steam is blank or hasn&apos;t appeared</source>
        <translation>Steam が真っ白、または表示されない</translation>
    </message>
    <message>
        <source>The first launch can take a few minutes while Steam updates. Look for Steam in the Dock. If it remains blank, save and close any running game, use Close Steam session in Settings, then open Steam again.</source>
        <translation>初回の起動は Steam のアップデートのため数分かかることがあります。Dock で Steam を探してください。真っ白なままなら、実行中のゲームを保存して終了し、設定の「Steam セッションを終了」を使ってから、もう一度 Steam を開いてください。</translation>
    </message>
    <message>
        <source>I can&apos;t find my game in Steam</source>
        <translation>Steam でゲームが見つからない</translation>
    </message>
    <message>
        <source>Check that you signed in to the account that owns the game. If Steam shows a price instead of Install, ownership is managed by Steam. This app doesn&apos;t include a game license.</source>
        <translation>ゲームを所有しているアカウントでサインインしているか確認してください。「インストール」ではなく価格が表示される場合、所有権は Steam が管理しています。このアプリにゲームのライセンスは含まれていません。</translation>
    </message>
    <message>
        <source>Steam finished, but Play now isn&apos;t showing</source>
        <translation>Steam は終わったのに「今すぐプレイ」が表示されない</translation>
    </message>
    <message>
        <source>Steam may still be unpacking or verifying the download. Check its Downloads page. Install into the default Steam library; other installation folders aren&apos;t supported in this version.</source>
        <translation>Steam がまだダウンロードを展開または検証している可能性があります。Steam のダウンロードページを確認してください。インストール先は Steam の標準ライブラリにしてください。このバージョンでは、ほかのインストール先フォルダには対応していません。</translation>
    </message>
    <message>
        <source>My game updated and won&apos;t launch</source>
        <translation>ゲームがアップデートされて起動しない</translation>
    </message>
    <message>
        <source>Some game versions need specific compatibility fixes. If this app asks for an update, get a newer Ludowell release. Your existing game files and saves stay in place.</source>
        <translation>一部のゲームバージョンには専用の互換性修正が必要です。このアプリがアップデートを求めたら、新しい Ludowell を入手してください。既存のゲームファイルとセーブデータはそのまま残ります。</translation>
    </message>
    <message>
        <source>Check this Mac</source>
        <translation>この Mac をチェック</translation>
    </message>
    <message>
        <source>Open diagnostic logs</source>
        <translation>診断ログを開く</translation>
    </message>
    <message>
        <source>Requires an Apple Silicon Mac, macOS 26 or later, and Rosetta. Ludowell is an independent app; it isn&apos;t affiliated with Apple, Microsoft or Valve. Game artwork and names belong to their respective owners.</source>
        <translation>Apple シリコン搭載の Mac、macOS 26 以降、Rosetta が必要です。Ludowell は独立したアプリであり、Apple、Microsoft、Valve とは提携していません。ゲームのアートワークと名称は各権利者に帰属します。</translation>
    </message>
    <message>
        <source>Save Support Report…</source>
        <translation>サポートレポートを保存…</translation>
    </message>
</context>
<context>
    <name>LibraryPage</name>
    <message>
        <source>Your next adventure.</source>
        <translation>次の冒険へ。</translation>
    </message>
    <message>
        <source>A home for your games on Mac.</source>
        <translation>Mac でゲームを楽しむ場所。</translation>
    </message>
    <message numerus="yes">
        <source>%n GAME(S)</source>
        <translation>
            <numerusform>%n 本のゲーム</numerusform>
        </translation>
    </message>
    <message>
        <source>The first Steam update can take a few minutes. Check the Dock for Steam. If it still doesn&apos;t appear, choose Open Steam again or visit Help.</source>
        <translation>Steam の初回アップデートには数分かかることがあります。Dock で Steam を確認してください。それでも表示されない場合は、もう一度「Steam を開く」を選ぶか、ヘルプをご覧ください。</translation>
    </message>
    <message>
        <source>Already playing with Ambrovel?</source>
        <translation>Ambrovel ですでにプレイしていますか？</translation>
    </message>
    <message>
        <source>Use your installed game and saves without downloading again.</source>
        <translation>インストール済みのゲームとセーブデータを、再ダウンロードせずに使えます。</translation>
    </message>
    <message>
        <source>Use existing setup</source>
        <translation>既存のセットアップを使う</translation>
    </message>
    <message>
        <source>More supported games will arrive in future updates.</source>
        <translation>今後のアップデートで対応ゲームが増える予定です。</translation>
    </message>
    <message>
        <source>Need a hand?</source>
        <translation>お困りですか？</translation>
    </message>
</context>
<context>
    <name>LicenseSheet</name>
    <message>
        <source>Let&apos;s prepare your Mac.</source>
        <translation>Mac の準備をしましょう。</translation>
    </message>
    <message>
        <source>We&apos;ll download Steam and the components needed to run your game. You only need to do this once.</source>
        <translation>Steam と、ゲームの実行に必要なコンポーネントをダウンロードします。この作業は一度だけです。</translation>
    </message>
    <message>
        <source>Apple&apos;s graphics component license limits use to developing, testing or evaluating games on Apple hardware. Please review it before continuing.</source>
        <translation>Apple のグラフィックコンポーネントのライセンスでは、Apple のハードウェアでのゲームの開発、テスト、評価に用途が限られています。続ける前にご確認ください。</translation>
    </message>
    <message>
        <source>License</source>
        <translation>ライセンス</translation>
    </message>
    <message>
        <source>Apple&apos;s graphics component license, read-only</source>
        <translation>Apple のグラフィックコンポーネントのライセンス（読み取り専用）</translation>
    </message>
    <message>
        <source>A few minutes · Internet connection required</source>
        <translation>数分 · インターネット接続が必要</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>今はしない</translation>
    </message>
    <message>
        <source>Agree &amp; set up Steam</source>
        <translation>同意して Steam をセットアップ</translation>
    </message>
</context>
<context>
    <name>MessageCard</name>
    <message>
        <source>Show details</source>
        <translation>詳細を表示</translation>
    </message>
    <message>
        <source>Get help</source>
        <translation>ヘルプを見る</translation>
    </message>
    <message>
        <source>Dismiss message</source>
        <translation>メッセージを閉じる</translation>
    </message>
</context>
<context>
    <name>Nav</name>
    <message>
        <source>Current page</source>
        <translation>現在のページ</translation>
    </message>
</context>
<context>
    <name>ReadyGuide</name>
    <message>
        <source>You&apos;re all set.</source>
        <translation>準備完了です。</translation>
    </message>
    <message>
        <source>Launch your game here. Steam takes care of your account, friends and updates.</source>
        <translation>ここからゲームを起動できます。アカウント、フレンド、アップデートは Steam が管理します。</translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation>Steam を開く</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Expanded</source>
        <translation>展開</translation>
    </message>
    <message>
        <source>Collapsed</source>
        <translation>折りたたみ</translation>
    </message>
    <message>
        <source>Make yourself at home.</source>
        <translation>くつろいでください。</translation>
    </message>
    <message>
        <source>A few simple preferences. The rest is taken care of.</source>
        <translation>簡単な設定だけ。あとはおまかせください。</translation>
    </message>
    <message>
        <source>While you play</source>
        <translation>プレイ中</translation>
    </message>
    <message>
        <source>Show performance overlay</source>
        <translation>パフォーマンスオーバーレイを表示</translation>
    </message>
    <message>
        <source>Displays the frame rate in your game. Applies the next time you start a fresh Steam session.</source>
        <translation>ゲーム内にフレームレートを表示します。次に新しい Steam セッションを開始したときから適用されます。</translation>
    </message>
    <message>
        <source>Steam for %1</source>
        <translation>%1 の Steam</translation>
    </message>
    <message>
        <source>Each game has its own setup. Your Steam login and saves stay on this Mac. Steam Cloud is managed by Steam.</source>
        <translation>ゲームごとに専用のセットアップがあります。Steam のログイン情報とセーブデータはこの Mac に保存されます。Steam クラウドは Steam が管理します。</translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation>Steam を開く</translation>
    </message>
    <message>
        <source>Close Steam session…</source>
        <translation>Steam セッションを終了…</translation>
    </message>
    <message>
        <source>Advanced &amp; diagnostics</source>
        <translation>詳細設定と診断</translation>
    </message>
    <message>
        <source>Game files and local settings</source>
        <translation>ゲームファイルとローカル設定</translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <translation>データフォルダ：%1</translation>
    </message>
    <message>
        <source>Show data folder</source>
        <translation>データフォルダを表示</translation>
    </message>
    <message>
        <source>Show logs</source>
        <translation>ログを表示</translation>
    </message>
    <message>
        <source>Check compatibility</source>
        <translation>互換性をチェック</translation>
    </message>
    <message>
        <source>Logs may contain local paths or Steam account information. Review them before sharing.</source>
        <translation>ログにはローカルのパスや Steam アカウントの情報が含まれることがあります。共有する前に内容を確認してください。</translation>
    </message>
</context>
<context>
    <name>SetupGuide</name>
    <message>
        <source>A few steps, then you&apos;re in.</source>
        <translation>あと数ステップで始められます。</translation>
    </message>
    <message>
        <source>Let&apos;s get you playing.</source>
        <translation>さあ、プレイの準備をしましょう。</translation>
    </message>
    <message>
        <source>STEP %1 OF %2</source>
        <translation>ステップ %1/%2</translation>
    </message>
    <message>
        <source>Prepare your Mac</source>
        <translation>Mac を準備</translation>
    </message>
    <message>
        <source>We&apos;ll install Steam and the components your game needs.</source>
        <translation>Steam と、ゲームに必要なコンポーネントをインストールします。</translation>
    </message>
    <message>
        <source>Sign in to Steam</source>
        <translation>Steam にサインイン</translation>
    </message>
    <message>
        <source>Use your own account in the Steam window.</source>
        <translation>Steam のウインドウでご自身のアカウントを使います。</translation>
    </message>
    <message>
        <source>Install &amp; play</source>
        <translation>インストールしてプレイ</translation>
    </message>
    <message>
        <source>Download your game with Steam. Play from here next time.</source>
        <translation>Steam でゲームをダウンロードします。次回からはここからプレイできます。</translation>
    </message>
    <message>
        <source>Sign in in the Steam window</source>
        <translation>Steam のウインドウでサインイン</translation>
    </message>
    <message>
        <source>Use your Steam username and password or Steam&apos;s QR code. Complete Steam Guard if asked, then return here.</source>
        <translation>Steam のユーザー名とパスワード、または Steam の QR コードを使ってください。求められたら Steam ガードを完了し、ここに戻ってください。</translation>
    </message>
    <message>
        <source>I&apos;m signed in</source>
        <translation>サインインしました</translation>
    </message>
    <message>
        <source>I can&apos;t see the Steam window</source>
        <translation>Steam のウインドウが見つからない</translation>
    </message>
    <message>
        <source>Steam is downloading your game</source>
        <translation>Steam がゲームをダウンロードしています</translation>
    </message>
    <message>
        <source>Install your own copy through Steam</source>
        <translation>Steam でご自身のゲームをインストール</translation>
    </message>
    <message>
        <source>Keep Steam open while your game downloads. You can check progress in Steam’s Downloads tab. This page updates when the game is ready.</source>
        <translation>ダウンロード中は Steam を開いたままにしてください。進行状況は Steam のダウンロードタブで確認できます。ゲームの準備ができると、このページが更新されます。</translation>
    </message>
    <message>
        <source>Choose Install in Steam and keep the suggested folder. Leave Steam open; this page will update when the game is ready.</source>
        <translation>Steam で「インストール」を選び、提案されたフォルダはそのままにしてください。Steam は開いたままにしてください。ゲームの準備ができると、このページが更新されます。</translation>
    </message>
    <message>
        <source>Game download progress</source>
        <translation>ゲームのダウンロード状況</translation>
    </message>
    <message>
        <source>%1% downloaded</source>
        <translation>%1% ダウンロード済み</translation>
    </message>
    <message>
        <source>%1% downloaded · Steam may still need to unpack or verify files</source>
        <translation>%1% ダウンロード済み · Steam がファイルの展開や検証を続けることがあります</translation>
    </message>
    <message>
        <source>Not signed in yet? Open Steam</source>
        <translation>まだサインインしていませんか？ Steam を開く</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>YOUR SPACE</source>
        <translation>あなたのスペース</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>ライブラリ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Made for your Mac</source>
        <translation>Mac のために</translation>
    </message>
    <message>
        <source>DESIGN PREVIEW</source>
        <translation>デザインプレビュー</translation>
    </message>
    <message>
        <source>VERSION %1</source>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>In progress</source>
        <translation>処理中</translation>
    </message>
</context>
<context>
    <name>StorageCard</name>
    <message>
        <source>Storage</source>
        <translation>ストレージ</translation>
    </message>
    <message>
        <source>Measure again</source>
        <translation>再計測</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>%1 を表示</translation>
    </message>
    <message>
        <source>Remove downloaded installers…</source>
        <translation>ダウンロードしたインストーラを削除…</translation>
    </message>
    <message>
        <source>Remove logs older than 30 days…</source>
        <translation>30 日より前のログを削除…</translation>
    </message>
</context>
<context>
    <name>UpdatesPanel</name>
    <message>
        <source>App updates</source>
        <translation>アプリのアップデート</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>アップデートを自動的に確認</translation>
    </message>
    <message>
        <source>Installation waits for your game and Steam to close. Your games and saves stay in place.</source>
        <translation>インストールはゲームと Steam が終了するまで待機します。ゲームとセーブデータはそのまま残ります。</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
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
        <translation>Ludowell について</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <source>Quit Ludowell</source>
        <translation>Ludowell を終了</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべてを選択</translation>
    </message>
</context>
<context>
    <name>ludowell::ChildLines</name>
    <message>
        <source>ERROR: %1</source>
        <translation>エラー：%1</translation>
    </message>
    <message>
        <source>Apple Silicon, macOS and Rosetta compatibility checks passed.</source>
        <translation>Apple シリコン、macOS、Rosetta の互換性チェックに合格しました。</translation>
    </message>
    <message>
        <source>Only Ludowell&apos;s game and Steam environment were stopped.</source>
        <translation>Ludowell のゲームと Steam の環境のみを停止しました。</translation>
    </message>
    <message>
        <source>Data location: %1</source>
        <translation>データの場所：%1</translation>
    </message>
    <message>
        <source>Runtime: %1 | Steam: %2 | AoE IV: %3</source>
        <translation>ランタイム：%1 | Steam：%2 | AoE IV：%3</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>not set up</source>
        <translation>未セットアップ</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>インストール済み</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>未インストール</translation>
    </message>
    <message>
        <source>Game version matches the optimized build.</source>
        <translation>ゲームのバージョンは最適化済みのビルドと一致しています。</translation>
    </message>
    <message>
        <source>Game update needs revalidation; optimized launch is blocked.</source>
        <translation>ゲームのアップデートには再検証が必要です。最適化された起動はブロックされています。</translation>
    </message>
    <message>
        <source>Downloading the validated graphics and dependency package (about %1 MB)…</source>
        <translation>検証済みのグラフィックおよび依存関係パッケージ（約 %1 MB）をダウンロードしています…</translation>
    </message>
    <message>
        <source>Preparing a fresh Windows environment; no existing Steam accounts are imported…</source>
        <translation>新しい Windows 環境を準備しています。既存の Steam アカウントは取り込みません…</translation>
    </message>
    <message>
        <source>The independent runtime is ready.</source>
        <translation>独立したランタイムの準備ができました。</translation>
    </message>
    <message>
        <source>Downloading the official Windows Steam installer…</source>
        <translation>Windows 版 Steam の公式インストーラをダウンロードしています…</translation>
    </message>
    <message>
        <source>Steam is installed. Sign in with your own account and install %1 in the default Steam library.</source>
        <translation>Steam をインストールしました。ご自身のアカウントでサインインし、Steam の標準ライブラリに %1 をインストールしてください。</translation>
    </message>
    <message>
        <source>Checking the installed game version…</source>
        <translation>インストール済みのゲームバージョンを確認しています…</translation>
    </message>
    <message>
        <source>Steam is already open. The HUD change takes effect after exiting Steam and reopening it.</source>
        <translation>Steam はすでに開いています。HUD の変更は、Steam を終了して開き直すと反映されます。</translation>
    </message>
    <message>
        <source>AoE IV launch requested. Steam may show a confirmation dialog.</source>
        <translation>AoE IV の起動を要求しました。Steam に確認ダイアログが表示されることがあります。</translation>
    </message>
    <message>
        <source>Steam launch requested. Initial client updates can take a few minutes.</source>
        <translation>Steam の起動を要求しました。クライアントの初回アップデートには数分かかることがあります。</translation>
    </message>
    <message>
        <source>Updating game components. Steam, games and saves will stay in place…</source>
        <translation>ゲームコンポーネントをアップデートしています。Steam、ゲーム、セーブデータはそのまま残ります…</translation>
    </message>
    <message>
        <source>Game components updated. The previous engine has been retained for recovery.</source>
        <translation>ゲームコンポーネントをアップデートしました。以前のエンジンは復旧用に保持されています。</translation>
    </message>
    <message>
        <source>This is taking longer than expected. Please try again. Your downloads are kept.</source>
        <translation>予想より時間がかかっています。もう一度お試しください。ダウンロード済みのファイルは保持されます。</translation>
    </message>
    <message>
        <source>An unexpected error stopped this step.</source>
        <translation>予期しないエラーでこのステップが停止しました。</translation>
    </message>
    <message>
        <source>This build requires macOS 26 or later. Earlier macOS versions have not been validated.</source>
        <translation>このビルドには macOS 26 以降が必要です。それより前の macOS は検証されていません。</translation>
    </message>
    <message>
        <source>Rosetta is required. Open an Intel app and follow macOS&apos;s Rosetta installation prompt, then try again.</source>
        <translation>Rosetta が必要です。Intel 用アプリを開き、macOS の Rosetta インストールの案内に従ってから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The optimization is not compatible with this Mac&apos;s current Rosetta runtime. No system settings were changed. %1</source>
        <translation>最適化は、この Mac の現在の Rosetta ランタイムと互換性がありません。システム設定は変更されていません。%1</translation>
    </message>
    <message>
        <source>tessaline did not answer within 25 seconds.</source>
        <translation>tessaline が 25 秒以内に応答しませんでした。</translation>
    </message>
    <message>
        <source>Save and close AoE IV and this app&apos;s Steam client before setting up or repairing the environment.</source>
        <translation>環境をセットアップまたは修復する前に、AoE IV とこのアプリの Steam クライアントを保存して終了してください。</translation>
    </message>
    <message>
        <source>%1 failed (%2). %3</source>
        <translation>%1 が失敗しました（%2）。%3</translation>
    </message>
    <message>
        <source>Logs: %1</source>
        <translation>ログ：%1</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>ディスクがいっぱいです。空き容量を確保してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The disk is full: this step needs about %1 MB more free space. Free up some space and try again.</source>
        <translation>ディスクがいっぱいです。このステップにはあと約 %1 MB の空き容量が必要です。空き容量を確保してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The downloaded file differs from the validated version. Setup stopped without executing it. A newer launcher may be needed.</source>
        <translation>ダウンロードしたファイルが検証済みのバージョンと異なります。実行せずにセットアップを停止しました。新しいランチャーが必要な可能性があります。</translation>
    </message>
    <message>
        <source>Stopped at your request. Finished steps and downloads are kept.</source>
        <translation>ご要望により停止しました。完了したステップとダウンロードは保持されます。</translation>
    </message>
    <message>
        <source>Unexpected graphics package layout.</source>
        <translation>グラフィックパッケージの構成が想定と異なります。</translation>
    </message>
    <message>
        <source>Wine did not finish creating the Windows environment. Check the setup logs and retry.</source>
        <translation>Wine が Windows 環境の作成を完了しませんでした。セットアップのログを確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Run Set up Steam first.</source>
        <translation>先に Steam をセットアップしてください。</translation>
    </message>
    <message>
        <source>Steam installation did not finish. Retry setup; your existing files will be kept.</source>
        <translation>Steam のインストールが完了しませんでした。セットアップをやり直してください。既存のファイルは保持されます。</translation>
    </message>
    <message>
        <source>Click Set up Steam before opening the library.</source>
        <translation>ライブラリを開く前に Steam をセットアップしてください。</translation>
    </message>
    <message>
        <source>Install %1 in this Steam client&apos;s default library, then choose Play now.</source>
        <translation>この Steam クライアントの標準ライブラリに %1 をインストールしてから、「今すぐプレイ」を選んでください。</translation>
    </message>
    <message>
        <source>This game build has not been validated for the optimizations. Please update Ludowell.</source>
        <translation>このゲームビルドは最適化向けに検証されていません。Ludowell をアップデートしてください。</translation>
    </message>
    <message>
        <source>Could not open the operation lock.</source>
        <translation>操作ロックを開けませんでした。</translation>
    </message>
    <message>
        <source>Another setup or launch is already in progress. Please wait for it to finish.</source>
        <translation>別のセットアップまたは起動がすでに進行中です。完了するまでお待ちください。</translation>
    </message>
    <message>
        <source>The data folder given with --data-root is empty.</source>
        <translation>--data-root で指定したデータフォルダが空です。</translation>
    </message>
    <message>
        <source>Please review the setup license in Ludowell first.</source>
        <translation>先に Ludowell でセットアップのライセンスを確認してください。</translation>
    </message>
    <message>
        <source>Unknown action.</source>
        <translation>不明な操作です。</translation>
    </message>
    <message>
        <source>Could not open the update lock.</source>
        <translation>アップデートロックを開けませんでした。</translation>
    </message>
    <message>
        <source>An update or launch is already in progress. Please wait for it to finish.</source>
        <translation>アップデートまたは起動がすでに進行中です。完了するまでお待ちください。</translation>
    </message>
    <message>
        <source>Save and close your game and Steam before updating game components.</source>
        <translation>ゲームコンポーネントをアップデートする前に、ゲームと Steam を保存して終了してください。</translation>
    </message>
    <message>
        <source>The new game components failed verification. Your previous engine is unchanged.</source>
        <translation>新しいゲームコンポーネントが検証に失敗しました。以前のエンジンは変更されていません。</translation>
    </message>
    <message>
        <source>Invalid runtime dependency manifest.</source>
        <translation>ランタイムの依存関係マニフェストが無効です。</translation>
    </message>
    <message>
        <source>Missing dependency: %1</source>
        <translation>依存関係がありません：%1</translation>
    </message>
    <message>
        <source>The staged engine is incomplete. Your previous engine is unchanged.</source>
        <translation>準備したエンジンが不完全です。以前のエンジンは変更されていません。</translation>
    </message>
    <message>
        <source>The new engine didn&apos;t pass its startup check. Your previous engine is unchanged.</source>
        <translation>新しいエンジンが起動チェックに合格しませんでした。以前のエンジンは変更されていません。</translation>
    </message>
    <message>
        <source>Unsupported engine manifest format.</source>
        <translation>サポートされていないエンジンマニフェストの形式です。</translation>
    </message>
    <message>
        <source>Invalid engine update manifest.</source>
        <translation>エンジンアップデートのマニフェストが無効です。</translation>
    </message>
    <message>
        <source>Invalid engine update path or hash.</source>
        <translation>エンジンアップデートのパスまたはハッシュが無効です。</translation>
    </message>
    <message>
        <source>This game profile is invalid.</source>
        <translation>このゲームプロファイルは無効です。</translation>
    </message>
    <message>
        <source>The Age of Empires optimization requires its validated game profile.</source>
        <translation>Age of Empires の最適化には検証済みのゲームプロファイルが必要です。</translation>
    </message>
    <message>
        <source>The game library contains duplicate or missing games.</source>
        <translation>ゲームライブラリに重複または欠落したゲームがあります。</translation>
    </message>
    <message>
        <source>The game library is missing. Please reinstall this app.</source>
        <translation>ゲームライブラリが見つかりません。このアプリを再インストールしてください。</translation>
    </message>
    <message>
        <source>A file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>The disk is full: %1 could not be written. Free up some space and try again.</source>
        <translation>ディスクがいっぱいです。%1 に書き込めませんでした。空き容量を確保してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>%1 cannot be written: its disk is read-only.</source>
        <translation>%1 に書き込めません：ディスクが読み取り専用です。</translation>
    </message>
    <message>
        <source>%1 cannot be used: permission denied.</source>
        <translation>%1 を使用できません：アクセスが拒否されました。</translation>
    </message>
    <message>
        <source>%1 cannot be read or written: the disk reported an input/output error.</source>
        <translation>%1 を読み書きできません：ディスクが入出力エラーを報告しました。</translation>
    </message>
    <message>
        <source>The data folder&apos;s path contains &quot;:&quot; (shown as &quot;/&quot; in the Finder), which the game&apos;s Windows environment cannot use. Choose a folder whose path has neither.</source>
        <translation>データフォルダのパスに「:」（Finder では「/」と表示）が含まれており、ゲームの Windows 環境では使用できません。どちらも含まないパスのフォルダを選んでください。</translation>
    </message>
    <message>
        <source>The data folder&apos;s path is too long for the game&apos;s Windows environment. Choose a folder with a shorter path.</source>
        <translation>データフォルダのパスが長すぎて、ゲームの Windows 環境では使用できません。パスの短いフォルダを選んでください。</translation>
    </message>
    <message>
        <source>Could not start %1</source>
        <translation>%1 を起動できませんでした</translation>
    </message>
    <message>
        <source>Writing the support report…</source>
        <translation>サポートレポートを書き出しています…</translation>
    </message>
    <message>
        <source>Support report saved: %1</source>
        <translation>サポートレポートを保存しました：%1</translation>
    </message>
    <message>
        <source>The folder for the support report does not exist: %1</source>
        <translation>サポートレポートの保存先フォルダがありません：%1</translation>
    </message>
    <message>
        <source>The support report could not be packed.</source>
        <translation>サポートレポートをまとめられませんでした。</translation>
    </message>
    <message>
        <source>Save and close your game and this app&apos;s Steam client before cleaning up.</source>
        <translation>整理する前に、ゲームとこのアプリの Steam クライアントを保存して終了してください。</translation>
    </message>
    <message>
        <source>No downloaded installers to remove.</source>
        <translation>削除するダウンロード済みインストーラはありません。</translation>
    </message>
    <message>
        <source>Removed the downloaded installers and freed %1. A later repair downloads them again.</source>
        <translation>ダウンロードしたインストーラを削除し、%1 を解放しました。あとで修復すると、もう一度ダウンロードされます。</translation>
    </message>
    <message>
        <source>No logs older than 30 days to remove.</source>
        <translation>削除する 30 日より前のログはありません。</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n log(s) older than 30 days and freed %1.</source>
        <translation>
            <numerusform>30 日より前のログを %n 件削除し、%1 を解放しました。</numerusform>
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
            <numerusform>%n バイト</numerusform>
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
        <translation>Steam に接続できませんでした。インターネット接続を確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Working on it</source>
        <translation>処理中</translation>
    </message>
    <message>
        <source>Setup needed</source>
        <translation>セットアップが必要</translation>
    </message>
    <message>
        <source>Sign in to Steam</source>
        <translation>Steam にサインイン</translation>
    </message>
    <message>
        <source>Ready to install</source>
        <translation>インストール可能</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>インストール中</translation>
    </message>
    <message>
        <source>Ready to play</source>
        <translation>プレイ可能</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>実行中</translation>
    </message>
    <message>
        <source>Getting ready…</source>
        <translation>準備しています…</translation>
    </message>
    <message>
        <source>Opening your game…</source>
        <translation>ゲームを開いています…</translation>
    </message>
    <message>
        <source>Get started</source>
        <translation>はじめる</translation>
    </message>
    <message>
        <source>Open Steam to sign in</source>
        <translation>Steam を開いてサインイン</translation>
    </message>
    <message>
        <source>Install with Steam</source>
        <translation>Steam でインストール</translation>
    </message>
    <message>
        <source>Open Steam</source>
        <translation>Steam を開く</translation>
    </message>
    <message>
        <source>Play now</source>
        <translation>今すぐプレイ</translation>
    </message>
    <message>
        <source>Downloading game components…</source>
        <translation>ゲームコンポーネントをダウンロード中…</translation>
    </message>
    <message>
        <source>Preparing your Mac for play…</source>
        <translation>Mac をプレイ用に準備中…</translation>
    </message>
    <message>
        <source>Installing Steam…</source>
        <translation>Steam をインストール中…</translation>
    </message>
    <message>
        <source>Checking your game…</source>
        <translation>ゲームを確認中…</translation>
    </message>
    <message>
        <source>This version needs macOS 26 or later. Update macOS in System Settings, then try again.</source>
        <translation>このバージョンには macOS 26 以降が必要です。システム設定で macOS をアップデートしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Rosetta is needed to run Steam. Open an Intel app and follow Apple&apos;s installation prompt, then try again.</source>
        <translation>Steam の実行には Rosetta が必要です。Intel 用アプリを開いて Apple のインストールの案内に従ってから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The gaming components aren&apos;t compatible with this Mac&apos;s current Rosetta version. Please contact support with the details below.</source>
        <translation>ゲームコンポーネントが、この Mac の現在の Rosetta バージョンと互換性がありません。以下の詳細を添えてサポートにお問い合わせください。</translation>
    </message>
    <message>
        <source>Steam has installed a newer game version. A Ludowell update is needed before this game can launch safely.</source>
        <translation>Steam が新しいバージョンのゲームをインストールしました。このゲームを安全に起動するには Ludowell のアップデートが必要です。</translation>
    </message>
    <message>
        <source>A download has changed since this app was released. Please get an updated Ludowell app.</source>
        <translation>このアプリのリリース後にダウンロード内容が変更されました。最新の Ludowell を入手してください。</translation>
    </message>
    <message>
        <source>Another setup or launch is in progress. Let it finish, then try again.</source>
        <translation>別のセットアップまたは起動が進行中です。完了してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Please save your game and exit Steam before preparing this setup again.</source>
        <translation>このセットアップを再度準備する前に、ゲームを保存して Steam を終了してください。</translation>
    </message>
    <message>
        <source>We couldn&apos;t finish that step. Check your internet connection and try again. Your completed downloads are kept.</source>
        <translation>このステップを完了できませんでした。インターネット接続を確認して、もう一度お試しください。完了したダウンロードは保持されます。</translation>
    </message>
    <message>
        <source>Preparing Steam…</source>
        <translation>Steam を準備中…</translation>
    </message>
    <message>
        <source>Opening Steam…</source>
        <translation>Steam を開いています…</translation>
    </message>
    <message>
        <source>Steam is opening in a separate window. The first launch may take a few minutes while Steam updates.</source>
        <translation>Steam は別のウインドウで開きます。初回の起動は Steam のアップデートのため数分かかることがあります。</translation>
    </message>
    <message>
        <source>In Steam, confirm Install and keep the suggested folder. You can return here while the download finishes.</source>
        <translation>Steam で「インストール」を確定し、提案されたフォルダはそのままにしてください。ダウンロード中もこちらに戻ってかまいません。</translation>
    </message>
    <message>
        <source>Your game is opening through Steam. If Steam asks for confirmation, choose Play.</source>
        <translation>Steam からゲームを開いています。Steam が確認を求めたら「プレイ」を選んでください。</translation>
    </message>
    <message>
        <source>This Mac passed the compatibility checks.</source>
        <translation>この Mac は互換性チェックに合格しました。</translation>
    </message>
    <message>
        <source>This game&apos;s Steam session has closed.</source>
        <translation>このゲームの Steam セッションを終了しました。</translation>
    </message>
    <message>
        <source>This is a design preview. No game or Steam process was started.</source>
        <translation>これはデザインプレビューです。ゲームや Steam のプロセスは起動していません。</translation>
    </message>
    <message>
        <source>The step was stopped. Everything it finished is kept, so the next attempt picks up from there.</source>
        <translation>ステップを停止しました。完了した作業は保持され、次回はそこから再開します。</translation>
    </message>
    <message>
        <source>Your setup preference couldn&apos;t be saved. Please try again.</source>
        <translation>セットアップの設定を保存できませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>We couldn&apos;t save your progress. Please try again.</source>
        <translation>進行状況を保存できませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Use your existing Steam setup?</source>
        <translation>既存の Steam セットアップを使いますか？</translation>
    </message>
    <message>
        <source>Ludowell will use the same Steam account, installed game and saves as Ambrovel. Close the old launcher before using this one. No files will be moved or deleted.</source>
        <translation>Ludowell は Ambrovel と同じ Steam アカウント、インストール済みのゲーム、セーブデータを使います。使う前に以前のランチャーを終了してください。ファイルの移動や削除は行いません。</translation>
    </message>
    <message>
        <source>Use existing setup</source>
        <translation>既存のセットアップを使う</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Close this game&apos;s Steam session?</source>
        <translation>このゲームの Steam セッションを終了しますか？</translation>
    </message>
    <message>
        <source>Save and exit your game first. Continuing will close its game and Steam processes, and unsaved progress will be lost.</source>
        <translation>先にゲームを保存して終了してください。続けると、ゲームと Steam のプロセスが終了し、保存していない進行状況は失われます。</translation>
    </message>
    <message>
        <source>Close session</source>
        <translation>セッションを終了</translation>
    </message>
    <message>
        <source>No data received for 15 s. Check your connection.</source>
        <translation>15 秒間データを受信していません。接続を確認してください。</translation>
    </message>
    <message>
        <source>Stop this step?</source>
        <translation>このステップを停止しますか？</translation>
    </message>
    <message>
        <source>Ludowell stops where it is. Everything already finished is kept, and the next attempt picks up from there.</source>
        <translation>Ludowell は現在の位置で停止します。完了した作業は保持され、次回はそこから再開します。</translation>
    </message>
    <message>
        <source>Keep working</source>
        <translation>作業を続ける</translation>
    </message>
    <message>
        <source>Stop step</source>
        <translation>ステップを停止</translation>
    </message>
    <message>
        <source>This data folder can&apos;t hold the game&apos;s Windows environment: a folder name in its path has a &quot;/&quot;, or the path is too long. Choose another folder, then try again.</source>
        <translation>このデータフォルダにはゲームの Windows 環境を置けません。パス内のフォルダ名に「/」が含まれているか、パスが長すぎます。別のフォルダを選んでから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Writing the support report…</source>
        <translation>サポートレポートを書き出しています…</translation>
    </message>
    <message>
        <source>Removing downloaded installers…</source>
        <translation>ダウンロードしたインストーラを削除しています…</translation>
    </message>
    <message>
        <source>Removing old logs…</source>
        <translation>古いログを削除しています…</translation>
    </message>
    <message>
        <source>Ludowell was updated or moved while this window was open. Quit and reopen Ludowell, then try again.</source>
        <translation>このウインドウを開いている間に Ludowell がアップデートまたは移動されました。Ludowell を終了して開き直してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Your support report is saved in Downloads as “%1”. Attach it to your request for help.</source>
        <translation>サポートレポートを「ダウンロード」に「%1」として保存しました。サポートへのお問い合わせに添付してください。</translation>
    </message>
    <message>
        <source>There are no downloaded installers to remove.</source>
        <translation>削除するダウンロード済みインストーラはありません。</translation>
    </message>
    <message>
        <source>Remove downloaded installers?</source>
        <translation>ダウンロードしたインストーラを削除しますか？</translation>
    </message>
    <message>
        <source>This frees %1. The installers Ludowell downloaded during setup are removed; a later repair downloads them again. Steam, your game, saves and engines stay as they are.</source>
        <translation>%1 の空き容量ができます。Ludowell がセットアップ中にダウンロードしたインストーラを削除します。あとで修復すると、もう一度ダウンロードされます。Steam、ゲーム、セーブデータ、エンジンはそのまま残ります。</translation>
    </message>
    <message>
        <source>Remove installers</source>
        <translation>インストーラを削除</translation>
    </message>
    <message>
        <source>There are no logs older than 30 days.</source>
        <translation>30 日より前のログはありません。</translation>
    </message>
    <message>
        <source>Remove logs older than 30 days?</source>
        <translation>30 日より前のログを削除しますか？</translation>
    </message>
    <message>
        <source>This frees %1 (%2). Logs from the last 30 days stay for troubleshooting; nothing else is touched.</source>
        <translation>%1 の空き容量ができます（%2）。過去 30 日間のログはトラブルシューティングのために残り、ほかには何も変更しません。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln log(s)</source>
        <translation>
            <numerusform>ログ %Ln 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove logs</source>
        <translation>ログを削除</translation>
    </message>
    <message>
        <source>Ludowell Support Report %1 at %2</source>
        <translation>Ludowell サポートレポート %1 %2</translation>
    </message>
</context>
<context>
    <name>ludowell::LinuxUpdateService</name>
    <message>
        <source>The update feed is not an appcast.</source>
        <translation>アップデートフィードが appcast ではありません。</translation>
    </message>
    <message>
        <source>The update feed could not be read: %1</source>
        <translation>アップデートフィードを読み込めませんでした：%1</translation>
    </message>
    <message>
        <source>Updates are not set up for this copy of Ludowell.</source>
        <translation>この Ludowell ではアップデートが設定されていません。</translation>
    </message>
    <message>
        <source>The update settings of this copy of Ludowell are damaged.</source>
        <translation>この Ludowell のアップデート設定が壊れています。</translation>
    </message>
    <message>
        <source>The update feed is larger than any feed Ludowell reads, so it was not read.</source>
        <translation>アップデートフィードが Ludowell の読み込める大きさを超えているため、読み込みませんでした。</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t reach the update server (%1).</source>
        <translation>Ludowell はアップデートサーバに接続できませんでした（%1）。</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t reach the update server.</source>
        <translation>Ludowell はアップデートサーバに接続できませんでした。</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t store the update (%1).</source>
        <translation>Ludowell はアップデートを保存できませんでした（%1）。</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t store the update.</source>
        <translation>Ludowell はアップデートを保存できませんでした。</translation>
    </message>
    <message>
        <source>The update download is larger than the feed announced, so it was stopped. Please try again later.</source>
        <translation>アップデートのダウンロードがフィードで告知された大きさを超えたため、中止しました。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The update could not be downloaded (%1).</source>
        <translation>アップデートをダウンロードできませんでした（%1）。</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>アップデートをダウンロードできませんでした。</translation>
    </message>
    <message>
        <source>The update download is incomplete: expected %1 bytes, got %2. Please try again later.</source>
        <translation>アップデートのダウンロードが不完全です：%1 バイトのはずが %2 バイトでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The update is not signed by Ludowell&apos;s developer, so it was not installed.</source>
        <translation>このアップデートには Ludowell の開発元の署名がないため、インストールしませんでした。</translation>
    </message>
    <message>
        <source>The update could not be unpacked (%1).</source>
        <translation>アップデートを展開できませんでした（%1）。</translation>
    </message>
    <message>
        <source>The update could not be unpacked.</source>
        <translation>アップデートを展開できませんでした。</translation>
    </message>
    <message>
        <source>Ludowell couldn&apos;t replace itself with the new version (%1). The current version was kept.</source>
        <translation>Ludowell を新しいバージョンに置き換えられませんでした（%1）。現在のバージョンはそのまま残っています。</translation>
    </message>
    <message>
        <source>its unpacked copy is no longer usable</source>
        <translation>展開したコピーが使用できなくなりました</translation>
    </message>
    <message>
        <source>The update does not contain a usable %1.</source>
        <translation>アップデートに使用可能な %1 が含まれていません。</translation>
    </message>
    <message>
        <source>The update holds version %1, not the offered %2, so it was not installed.</source>
        <translation>アップデートの中身は提示された %2 ではなくバージョン %1 だったため、インストールしませんでした。</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
</context>
<context>
    <name>ludowell::Storage</name>
    <message>
        <source>Windows environment</source>
        <translation>Windows 環境</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>エンジン</translation>
    </message>
    <message>
        <source>Engine %1</source>
        <translation>エンジン %1</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>保管中</translation>
    </message>
    <message>
        <source>Graphics package</source>
        <translation>グラフィックパッケージ</translation>
    </message>
    <message>
        <source>Downloaded installers</source>
        <translation>ダウンロードしたインストーラ</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>ログ</translation>
    </message>
    <message>
        <source>%1 free on this disk</source>
        <translation>このディスクの空き容量：%1</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>計測中…</translation>
    </message>
    <message numerus="yes">
        <source>Measuring… %Ln file(s) so far</source>
        <translation>
            <numerusform>計測中… これまでに %Ln 個のファイル</numerusform>
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
        <translation>Ludowell の新しいバージョンを安全に確認します。</translation>
    </message>
    <message>
        <source>You&apos;re using the latest version of Ludowell.</source>
        <translation>最新バージョンの Ludowell を使用しています。</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates. Please try again later.</source>
        <translation>アップデートを確認できませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Update ready. Save and close your game and Steam; Ludowell will then update.</source>
        <translation>アップデートの準備ができました。ゲームと Steam を保存して終了すると、Ludowell がアップデートされます。</translation>
    </message>
    <message>
        <source>Installing update…</source>
        <translation>アップデートをインストール中…</translation>
    </message>
    <message>
        <source>Save and close your game and its Steam session before checking for updates. Ludowell will check again later.</source>
        <translation>アップデートを確認する前に、ゲームとその Steam セッションを保存して終了してください。Ludowell は後でもう一度確認します。</translation>
    </message>
    <message>
        <source>Ludowell %1 is available.</source>
        <translation>Ludowell %1 が利用可能です。</translation>
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
        <translation>Ludowell を開けませんでした</translation>
    </message>
    <message>
        <source>A new version of Ludowell is available!</source>
        <translation>Ludowell の新しいバージョンが利用可能です！</translation>
    </message>
    <message>
        <source>Ludowell %1 is now available—you have %2. Would you like to install it now?</source>
        <translation>Ludowell %1 が利用可能になりました（現在のバージョンは %2）。今すぐインストールしますか？</translation>
    </message>
    <message>
        <source>Install Update</source>
        <translation>アップデートをインストール</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>今はしない</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>最新の状態です！</translation>
    </message>
    <message>
        <source>Ludowell %1 is currently the newest version available.</source>
        <translation>Ludowell %1 は現在入手できる最新バージョンです。</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>アップデートエラー！</translation>
    </message>
</context>
<context>
    <name>ludowell::ui::AppDelegate</name>
    <message>
        <source>Finish playing before updating</source>
        <translation>プレイを終えてからアップデート</translation>
    </message>
    <message>
        <source>Save and close your game and Steam. Ludowell will keep the update ready for you.</source>
        <translation>ゲームと Steam を保存して終了してください。Ludowell はアップデートを準備したままお待ちします。</translation>
    </message>
    <message>
        <source>Setup is still working</source>
        <translation>セットアップはまだ作業中です</translation>
    </message>
    <message>
        <source>Let this step finish before closing Ludowell. You can minimize this window while you wait.</source>
        <translation>Ludowell を閉じる前に、このステップが終わるまでお待ちください。待っている間、このウインドウはしまっておけます。</translation>
    </message>
    <message>
        <source>Keep working</source>
        <translation>作業を続ける</translation>
    </message>
    <message>
        <source>Let this step finish before closing. You can minimize the window while you wait.</source>
        <translation>閉じる前に、このステップが終わるまでお待ちください。待っている間、ウインドウはしまっておけます。</translation>
    </message>
    <message>
        <source>Version %1
Play the Windows games you own on Steam, on your Mac.</source>
        <translation>バージョン %1
Steam で所有している Windows 用ゲームを Mac でプレイ。</translation>
    </message>
    <message>
        <source>About Ludowell</source>
        <translation>Ludowell について</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <source>Quit Ludowell</source>
        <translation>Ludowell を終了</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべてを選択</translation>
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
        <translation>ライセンスを開けませんでした。Ludowell を再インストールしてください。</translation>
    </message>
</context>
<context>
    <name>ludowell::ui::StepAttention</name>
    <message>
        <source>Setup is done</source>
        <translation>セットアップが完了しました</translation>
    </message>
    <message>
        <source>Setup didn&apos;t finish</source>
        <translation>セットアップが完了しませんでした</translation>
    </message>
    <message>
        <source>The repair is done</source>
        <translation>修復が完了しました</translation>
    </message>
    <message>
        <source>The repair didn&apos;t finish</source>
        <translation>修復が完了しませんでした</translation>
    </message>
    <message>
        <source>Steam is installing your game</source>
        <translation>Steam がゲームをインストールしています</translation>
    </message>
    <message>
        <source>The game install didn&apos;t start</source>
        <translation>ゲームのインストールが始まりませんでした</translation>
    </message>
    <message>
        <source>%1 is installed</source>
        <translation>%1 をインストールしました</translation>
    </message>
    <message>
        <source>Play now is ready in Ludowell.</source>
        <translation>Ludowell で「今すぐプレイ」を選べるようになりました。</translation>
    </message>
</context>
</TS>
