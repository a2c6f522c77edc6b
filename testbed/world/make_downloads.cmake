# Builds the files the testbed serves and the resources that point at them:
#   cmake -DWWW=<dir> -DRESOURCES=<dir> -DWORK=<dir> -P make_downloads.cmake
# The output depends only on this script, so every build yields the same
# bytes and the same pins.
foreach(_var WWW RESOURCES WORK)
  if(NOT DEFINED ${_var})
    message(FATAL_ERROR "make_downloads.cmake needs -D${_var}=...")
  endif()
endforeach()

set(_package "Template-1.0.15")
set(_frameworks "${_package}.app/Contents/Frameworks")
set(_stage "${WORK}/package")

file(REMOVE_RECURSE "${_stage}")
file(MAKE_DIRECTORY "${_stage}" "${WWW}" "${RESOURCES}")

# Windows DLLs start with the marker line the testbed engine recognises.
set(_dlls dxgi d3d11 d3d12 atidxx64)
foreach(_dll IN LISTS _dlls)
  file(WRITE "${_stage}/${_frameworks}/renderer/d3dmetal/wine/x86_64-windows/${_dll}.dll"
       "TESTBED-PE dll ${_dll}\n")
endforeach()
set(_libraries
  "renderer/d3dmetal/wine/x86_64-unix/d3d12.so"
  "renderer/d3dmetal/external/libd3dshared.dylib"
  "GStreamer.framework/Versions/1.0/lib/libgstreamer-1.0.0.dylib"
  "GStreamer.framework/Versions/1.0/lib/gstreamer-1.0/libgstcoreelements.dylib")
foreach(_library IN LISTS _libraries)
  get_filename_component(_name "${_library}" NAME)
  file(WRITE "${_stage}/${_frameworks}/${_library}" "testbed library ${_name}\n")
endforeach()

# Fixed names, owners, times and modes: the archive's bytes must not depend
# on who builds it, when, or with which umask.
execute_process(
  COMMAND /usr/bin/tar --format=gnu --sort=name --mtime=@0 --owner=0 --group=0 --numeric-owner
          --mode=u=rwX,go=rX -cf "${WORK}/${_package}.tar" "${_package}.app"
  WORKING_DIRECTORY "${_stage}"
  RESULT_VARIABLE _tar)
if(NOT _tar EQUAL 0)
  message(FATAL_ERROR "tar failed (${_tar}) while packing ${_package}.app")
endif()
# Single-threaded xz writes the same stream on every machine.
function(compress tar archive)
  execute_process(
    COMMAND xz --threads=1 -6 --check=crc64 --stdout "${tar}"
    OUTPUT_FILE "${archive}"
    RESULT_VARIABLE _xz)
  if(NOT _xz EQUAL 0)
    message(FATAL_ERROR "xz failed (${_xz}) while compressing ${tar}")
  endif()
  file(REMOVE "${tar}")
endfunction()
compress("${WORK}/${_package}.tar" "${WWW}/${_package}.tar.xz")
file(REMOVE_RECURSE "${_stage}")

file(WRITE "${WWW}/SteamSetup.exe" "TESTBED-PE steam-setup\n")

# The same package with 384 KiB of incompressible filler beside the app, for
# tests that watch a transfer's progress: curl writes its file in 4 KiB
# blocks, so the small package arrives in one step. An AES keystream with a
# fixed key gives the same bytes on every machine.
file(MAKE_DIRECTORY "${_stage}/${_package}.app/Contents/Resources" "${WWW}/large")
execute_process(
  COMMAND /usr/bin/tar -xJf "${WWW}/${_package}.tar.xz"
  WORKING_DIRECTORY "${_stage}"
  RESULT_VARIABLE _unpack)
execute_process(
  COMMAND dd if=/dev/zero bs=1024 count=384 status=none
  COMMAND openssl enc -aes-128-ctr -nosalt -K 00112233445566778899aabbccddeeff -iv 00000000000000000000000000000000
  OUTPUT_FILE "${_stage}/${_package}.app/Contents/Resources/filler.bin"
  RESULT_VARIABLE _filler)
execute_process(
  COMMAND /usr/bin/tar --format=gnu --sort=name --mtime=@0 --owner=0 --group=0 --numeric-owner
          --mode=u=rwX,go=rX -cf "${WORK}/${_package}-large.tar" "${_package}.app"
  WORKING_DIRECTORY "${_stage}"
  RESULT_VARIABLE _large)
if(NOT _unpack EQUAL 0 OR NOT _filler EQUAL 0 OR NOT _large EQUAL 0)
  message(FATAL_ERROR "Could not make the large package (${_unpack}, ${_filler}, ${_large})")
endif()
compress("${WORK}/${_package}-large.tar" "${WWW}/large/${_package}.tar.xz")
file(REMOVE_RECURSE "${_stage}")
file(SHA256 "${WWW}/large/${_package}.tar.xz" _large_sha)
file(SIZE "${WWW}/large/${_package}.tar.xz" _large_size)

file(SHA256 "${WWW}/${_package}.tar.xz" _package_sha)
file(SHA256 "${WWW}/SteamSetup.exe" _steam_sha)
file(SIZE "${WWW}/${_package}.tar.xz" _package_size)
file(SIZE "${WWW}/SteamSetup.exe" _steam_size)
# The testbed Steam client installs "TESTBED-PE game <appid>\n" as the game;
# the first game is pinned to exactly that build.
string(SHA256 _game_sha "TESTBED-PE game 1466860\n")

# 47443 is the demo server's port; tests rewrite it for their own server.
file(WRITE "${RESOURCES}/testbed.json"
  "{\"packageURL\":\"https://localhost:47443/${_package}.tar.xz\",\"packageSHA\":\"${_package_sha}\","
  "\"packageSize\":${_package_size},"
  "\"steamURL\":\"https://localhost:47443/SteamSetup.exe\",\"steamSHA\":\"${_steam_sha}\","
  "\"steamSize\":${_steam_size},"
  "\"largePackageURL\":\"https://localhost:47443/large/${_package}.tar.xz\",\"largePackageSHA\":\"${_large_sha}\","
  "\"largePackageSize\":${_large_size}}\n")

include("${CMAKE_CURRENT_LIST_DIR}/catalog_entry.cmake")
testbed_aoe4_entry("${_game_sha}" _entry)
file(WRITE "${RESOURCES}/games.json" "[
${_entry},
  {
    \"id\": \"lantern-keep\",
    \"title\": \"Lantern Keep\",
    \"edition\": \"TESTBED EDITION\",
    \"subtitle\": \"A small game for trying things out.\",
    \"steamID\": \"2000001\",
    \"installFolder\": \"Lantern Keep\",
    \"executable\": \"LanternKeep.exe\",
    \"artwork\": \"lantern-keep-hero.jpg\",
    \"optimization\": \"none\"
  }
]
")
