/* The testbed's Windows programs as one real Windows executable, built
 * with MinGW for the real-engine tier. Its file name picks its part, so
 * the installer can install the client and the client the game by copying
 * itself, exactly as the simulated engine's programs do:
 *   SteamSetup.exe /S      installs steam.exe to the default place
 *   steam.exe [args]       the client: one per prefix; installs and launches
 *   anything else          a game or a waiting program: runs until killed */
#include <windows.h>

#include <stdio.h>
#include <string.h>

#define STEAM_DIR "C:\\Program Files (x86)\\Steam"
#define APP_ID "1466860"
#define APP_NAME "Age of Empires IV"
#define APP_EXE "RelicCardinal.exe"
#define APP_BYTES 250000000LL
#define INSTALL_STEPS 10

static char self[MAX_PATH];

static const char *baseName(const char *path) {
    const char *slash = strrchr(path, '\\');
    return slash ? slash + 1 : path;
}

static void stamp(char *out, size_t size) {
    SYSTEMTIME t;
    GetLocalTime(&t);
    snprintf(out, size, "[%04d-%02d-%02d %02d:%02d:%02d] ", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
             t.wSecond);
}

/* Whole file under a temporary name, then moved over the old one. */
static void writeAtomically(const char *path, const char *text) {
    char temporary[MAX_PATH + 8];
    snprintf(temporary, sizeof temporary, "%s.tmp", path);
    FILE *file = fopen(temporary, "wb");
    if (!file) return;
    fputs(text, file);
    fclose(file);
    MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING);
}

static void appendLines(const char *path, const char *const *lines, int count) {
    char prefix[32], text[4096] = "";
    stamp(prefix, sizeof prefix);
    for (int i = 0; i < count; ++i) {
        strncat(text, prefix, sizeof text - strlen(text) - 1);
        strncat(text, lines[i], sizeof text - strlen(text) - 1);
        strncat(text, "\n", sizeof text - strlen(text) - 1);
    }
    FILE *file = fopen(path, "ab");
    if (!file) return;
    fputs(text, file);
    fclose(file);
}

static int installer(void) {
    CreateDirectoryA("C:\\Program Files (x86)", NULL);
    CreateDirectoryA(STEAM_DIR, NULL);
    CreateDirectoryA(STEAM_DIR "\\logs", NULL);
    CreateDirectoryA(STEAM_DIR "\\steamapps", NULL);
    CreateDirectoryA(STEAM_DIR "\\steamapps\\common", NULL);
    if (!CopyFileA(self, STEAM_DIR "\\steam.exe.partial", FALSE) ||
        !MoveFileExA(STEAM_DIR "\\steam.exe.partial", STEAM_DIR "\\steam.exe", MOVEFILE_REPLACE_EXISTING)) {
        fprintf(stderr, "SteamSetup: could not install steam.exe (%lu)\n", GetLastError());
        return 1;
    }
    printf("Steam installed to %s\n", STEAM_DIR);
    return 0;
}

/* ---- the client ---- */

static int installing = -1; /* step, or -1 when no install runs */
static HANDLE game = NULL;
static DWORD gamePid = 0;
static char gameExe[MAX_PATH];

static void writeManifest(int flags, long long done) {
    char text[2048];
    snprintf(text, sizeof text,
             "\"AppState\"\n{\n\t\"appid\"\t\t\"%s\"\n\t\"name\"\t\t\"%s\"\n\t\"StateFlags\"\t\t\"%d\"\n"
             "\t\"installdir\"\t\t\"%s\"\n\t\"SizeOnDisk\"\t\t\"%lld\"\n\t\"BytesToDownload\"\t\t\"%lld\"\n"
             "\t\"BytesDownloaded\"\t\t\"%lld\"\n}\n",
             APP_ID, APP_NAME, flags, APP_NAME, done, APP_BYTES, done);
    writeAtomically(STEAM_DIR "\\steamapps\\appmanifest_" APP_ID ".acf", text);
}

static void advanceInstall(void) {
    if (installing < 0) return;
    if (++installing < INSTALL_STEPS) {
        writeManifest(1026, APP_BYTES * installing / INSTALL_STEPS);
        return;
    }
    CreateDirectoryA(STEAM_DIR "\\steamapps\\common\\" APP_NAME, NULL);
    CopyFileA(self, gameExe, FALSE);  /* the executable lands before "installed" */
    writeManifest(4, APP_BYTES);
    installing = -1;
}

static void launch(void) {
    if (game || installing >= 0 || GetFileAttributesA(gameExe) == INVALID_FILE_ATTRIBUTES) return;
    STARTUPINFOA startup;
    PROCESS_INFORMATION process;
    memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    char command[MAX_PATH + 4];
    snprintf(command, sizeof command, "\"%s\"", gameExe);
    if (!CreateProcessA(gameExe, command, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) return;
    CloseHandle(process.hThread);
    game = process.hProcess;
    gamePid = process.dwProcessId;
    char added[1024], process_line[1024];
    snprintf(added, sizeof added, "AppID %s adding PID %lu as a tracked process \"%s\"", APP_ID, gamePid, gameExe);
    snprintf(process_line, sizeof process_line, "Game process added : AppID %s \"%s\", ProcID %lu, IP 0.0.0.0:0",
             APP_ID, gameExe, gamePid);
    const char *lines[] = {"AppID " APP_ID " state changed : Fully Installed,App Running,", added, process_line};
    appendLines(STEAM_DIR "\\logs\\gameprocess_log.txt", lines, 3);
}

static void reapGame(void) {
    DWORD code = 0;
    if (!game || WaitForSingleObject(game, 0) != WAIT_OBJECT_0) return;
    GetExitCodeProcess(game, &code);
    char ended[256], removed[1024];
    snprintf(ended, sizeof ended, "AppID %s no longer tracking PID %lu, exit code %lu", APP_ID, gamePid, code);
    snprintf(removed, sizeof removed, "Game process removed: AppID %s \"%s\", ProcID %lu", APP_ID, gameExe, gamePid);
    const char *lines[] = {ended, removed, "AppID " APP_ID " state changed : Fully Installed,",
                           "Remove " APP_ID " from running list"};
    appendLines(STEAM_DIR "\\logs\\gameprocess_log.txt", lines, 4);
    CloseHandle(game);
    game = NULL;
}

static void handle(int argc, char **argv) {
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "-applaunch") == 0 && i + 1 < argc && strcmp(argv[++i], APP_ID) == 0) launch();
        else if (strcmp(argv[i], "steam://install/" APP_ID) == 0 && installing < 0 &&
                 GetFileAttributesA(gameExe) == INVALID_FILE_ATTRIBUTES) {
            installing = 0;
            writeManifest(1026, 0);
        }
    }
}

/* A second start leaves its arguments, one a line, for the running client. */
static void forward(int argc, char **argv) {
    char name[MAX_PATH], text[4096] = "";
    snprintf(name, sizeof name, STEAM_DIR "\\queue-%lu-%lu.cmd", GetTickCount(), GetCurrentProcessId());
    for (int i = 1; i < argc; ++i) {
        strncat(text, argv[i], sizeof text - strlen(text) - 2);
        strcat(text, "\n");
    }
    writeAtomically(name, text);
}

static void dropQueue(void) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(STEAM_DIR "\\queue-*.cmd", &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        char path[MAX_PATH];
        snprintf(path, sizeof path, STEAM_DIR "\\%s", found.cFileName);
        DeleteFileA(path);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

static void drainQueue(void) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(STEAM_DIR "\\queue-*.cmd", &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        char path[MAX_PATH], text[4096];
        char *args[64] = {"steam.exe"};
        int count = 1;
        snprintf(path, sizeof path, STEAM_DIR "\\%s", found.cFileName);
        FILE *file = fopen(path, "rb");
        if (!file) continue;
        size_t length = fread(text, 1, sizeof text - 1, file);
        fclose(file);
        DeleteFileA(path);
        text[length] = '\0';
        for (char *line = strtok(text, "\n"); line && count < 64; line = strtok(NULL, "\n")) args[count++] = line;
        handle(count, args);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

static int client(int argc, char **argv) {
    snprintf(gameExe, sizeof gameExe, STEAM_DIR "\\steamapps\\common\\" APP_NAME "\\" APP_EXE);
    /* Named objects belong to the prefix's server: one client per prefix. */
    CreateMutexA(NULL, TRUE, "LudowellTestbedSteamClient");
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        forward(argc, argv);
        return 0;
    }
    dropQueue(); /* left by a client that was killed */
    printf("Steam client started (testbed)\n");
    fflush(stdout);
    handle(argc, argv);
    for (;;) {
        Sleep(200);
        drainQueue();
        advanceInstall();
        reapGame();
    }
}

int main(int argc, char **argv) {
    GetModuleFileNameA(NULL, self, sizeof self);
    const char *name = baseName(self);
    if (_stricmp(name, "SteamSetup.exe") == 0) return installer();
    if (_stricmp(name, "steam.exe") == 0) return client(argc, argv);
    for (;;) Sleep(1000);
}
