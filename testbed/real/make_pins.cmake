# The real tier's resources that differ from the simulated world's:
#   cmake -DSETUP=<exe> -DBUILT=<testbed.json> -DRESOURCES=<dir> -P make_pins.cmake
# The installer is served beside the simulated one; the game is the same
# executable (the client installs itself under the game's name), so one
# digest pins both.
file(SHA256 "${SETUP}" _sha)
file(READ "${BUILT}" _built)
string(JSON _package_url GET "${_built}" packageURL)
string(JSON _package_sha GET "${_built}" packageSHA)
file(WRITE "${RESOURCES}/testbed.json"
  "{\"packageURL\":\"${_package_url}\",\"packageSHA\":\"${_package_sha}\","
  "\"steamURL\":\"https://localhost:47443/real/SteamSetup.exe\",\"steamSHA\":\"${_sha}\"}\n")
include("${CMAKE_CURRENT_LIST_DIR}/../world/catalog_entry.cmake")
testbed_aoe4_entry("${_sha}" _entry)
file(WRITE "${RESOURCES}/games.json" "[\n${_entry}\n]\n")
