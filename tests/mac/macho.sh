# Small Mach-O files for the Mac checks, made on any host: clang targets
# arm64 macOS and LLVM's linker writes Mach-O against a stub of libSystem,
# so no macOS SDK is needed. Source it, then:
#   macho_init DIR                               scratch for the stub and sources
#   macho_dylib OUT INSTALL_NAME [LINK_ARGS...]  a library
#   macho_exe OUT [LINK_ARGS...]                 an executable
# LINK_ARGS name libraries to depend on and -Wl,-rpath,... run-paths.

macho_init() {
  _macho=$1
  mkdir -p "$_macho"
  _macho_linker=()
  [[ "$(uname)" == Darwin ]] || _macho_linker=(-fuse-ld=lld)
  command -v clang >/dev/null && { [[ "$(uname)" == Darwin ]] || command -v ld64.lld >/dev/null ||
    ls /usr/lib/llvm-*/bin/ld64.lld >/dev/null 2>&1; } ||
    { echo "macho.sh: needs clang and LLVM's ld64.lld (scripts/bootstrap installs them)" >&2; return 1; }
  cat > "$_macho/libSystem.tbd" <<'TBD'
--- !tapi-tbd
tbd-version: 4
targets: [ arm64-macos ]
install-name: '/usr/lib/libSystem.B.dylib'
exports:
  - targets: [ arm64-macos ]
    symbols: [ dyld_stub_binder ]
...
TBD
  echo 'int ludowell_fixture(void) { return 1; }' > "$_macho/lib.c"
  echo 'int main(void) { return 0; }' > "$_macho/main.c"
}

_macho_link() {
  mkdir -p "$(dirname "$1")"
  clang --target=arm64-apple-macos26 "${_macho_linker[@]}" -nostdlib -Wl,-platform_version,macos,26.0,26.0 \
    -o "$@" "$_macho/libSystem.tbd"
}

macho_dylib() { _macho_link "$1" -shared "$_macho/lib.c" -Wl,-install_name,"$2" "${@:3}"; }
macho_exe() { _macho_link "$1" "$_macho/main.c" -Wl,-e,_main "${@:2}"; }

# A framework folder DIR for NAME at version V, with its version links.
macho_framework() {
  macho_dylib "$1/Versions/$3/$2" "@rpath/$2.framework/Versions/$3/$2"
  mkdir -p "$1/Versions/$3/Resources"
  ln -s "$3" "$1/Versions/Current"
  ln -s "Versions/Current/$2" "$1/$2"
  ln -s Versions/Current/Resources "$1/Resources"
}

# A Mac-shaped Ludowell.app at DIR whose references all stay in it or the
# system: the app, both helpers, an engine with a dependency link, a Qt
# framework and a stand-in of Sparkle's framework with its nested code.
macho_bundle() {
  local contents=$1/Contents frameworks=$1/Contents/Frameworks engine=$1/Contents/Resources/Engine
  local sparkle=$frameworks/Sparkle.framework/Versions/B
  macho_framework "$frameworks/QtCore.framework" QtCore A
  macho_framework "$frameworks/Sparkle.framework" Sparkle B
  macho_exe "$sparkle/Autoupdate"
  macho_exe "$sparkle/Updater.app/Contents/MacOS/Updater"
  macho_exe "$sparkle/XPCServices/Installer.xpc/Contents/MacOS/Installer"
  macho_exe "$sparkle/XPCServices/Downloader.xpc/Contents/MacOS/Downloader"
  macho_dylib "$_macho/system/Foundation" /System/Library/Frameworks/Foundation.framework/Versions/C/Foundation
  macho_exe "$contents/MacOS/ludowell" "$frameworks/QtCore.framework/QtCore" "$frameworks/Sparkle.framework/Sparkle" \
    "$_macho/system/Foundation" -Wl,-rpath,@executable_path/../Frameworks
  macho_exe "$contents/Helpers/tessaline"
  macho_exe "$contents/Helpers/Corvantle"
  macho_dylib "$engine/lib/libwine.1.dylib" @rpath/libwine.1.dylib
  macho_dylib "$_macho/renderer/libd3dshared.dylib" @loader_path/../lib/external/libd3dshared.dylib
  macho_exe "$engine/bin/wine" "$engine/lib/libwine.1.dylib" "$_macho/renderer/libd3dshared.dylib" -Wl,-rpath,@loader_path/../lib
  macho_exe "$engine/bin/wineserver" "$engine/lib/libwine.1.dylib" -Wl,-rpath,@loader_path/../lib
  echo 'TESTBED-PE dll' > "$engine/lib/kernel32.dll"
  echo '{"lib/external/libd3dshared.dylib": "renderer/d3dmetal/external/libd3dshared.dylib"}' \
    > "$contents/Resources/dependency-links.json"
}
