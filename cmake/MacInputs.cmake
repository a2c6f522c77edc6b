# What a Mac build cannot make itself and takes from the builder. Each is
# checked at configure time; a missing one stops the configure with a
# sentence that names it and says how to supply it. Runs in script mode too
# (cmake -P), which is how scripts/check-mac-build exercises it on Linux.
#
#   LUDOWELL_ENGINE            the Wine engine folder (bin/wine, bin/wineserver, ...)
#   or LUDOWELL_ENGINE_ARCHIVE and LUDOWELL_ENGINE_SHA256
#                              a .tar.xz/.tar.gz/.zip of that folder, pinned
#   LUDOWELL_ENGINE_VERSION    the engine's version, e.g. 11-0-1
#   LUDOWELL_TESSALINE         the helper executable "tessaline"
#   LUDOWELL_CORVANTLE         the helper executable "Corvantle"
#   LUDOWELL_SPARKLE_FRAMEWORK the update framework, Sparkle.framework
#   LUDOWELL_SIGNING_IDENTITY  the codesign identity ("-" signs ad hoc)
#   LUDOWELL_UPDATE_PUBLIC_KEY the base64 Ed25519 key that signs updates

function(_ludowell_need variable what how)
  message(FATAL_ERROR "The Mac build needs ${what}: ${how}")
endfunction()

# Sets LUDOWELL_ENGINE_DIR in the caller: the engine folder to bundle.
function(ludowell_mac_inputs work)
  if(LUDOWELL_ENGINE)
    if(NOT IS_DIRECTORY "${LUDOWELL_ENGINE}" OR NOT EXISTS "${LUDOWELL_ENGINE}/bin/wine"
       OR NOT EXISTS "${LUDOWELL_ENGINE}/bin/wineserver")
      _ludowell_need(LUDOWELL_ENGINE "a Wine engine folder"
        "LUDOWELL_ENGINE is \"${LUDOWELL_ENGINE}\", which has no bin/wine and bin/wineserver.")
    endif()
    set(_engine "${LUDOWELL_ENGINE}")
  elseif(LUDOWELL_ENGINE_ARCHIVE)
    if(NOT EXISTS "${LUDOWELL_ENGINE_ARCHIVE}")
      _ludowell_need(LUDOWELL_ENGINE_ARCHIVE "the engine archive"
        "LUDOWELL_ENGINE_ARCHIVE names \"${LUDOWELL_ENGINE_ARCHIVE}\", which does not exist.")
    endif()
    if(NOT LUDOWELL_ENGINE_SHA256 MATCHES "^[0-9a-fA-F]+$")
      _ludowell_need(LUDOWELL_ENGINE_SHA256 "the engine archive's pin"
        "pass -DLUDOWELL_ENGINE_SHA256=<its SHA-256> with LUDOWELL_ENGINE_ARCHIVE.")
    endif()
    file(SHA256 "${LUDOWELL_ENGINE_ARCHIVE}" _actual)
    string(TOLOWER "${LUDOWELL_ENGINE_SHA256}" _pinned)
    if(NOT _actual STREQUAL _pinned)
      message(FATAL_ERROR "The engine archive's SHA-256 is ${_actual}, not the pinned ${_pinned}: it was not used.")
    endif()
    set(_unpacked "${work}/engine-${_actual}")
    if(NOT EXISTS "${_unpacked}/.complete")
      file(REMOVE_RECURSE "${_unpacked}")
      file(ARCHIVE_EXTRACT INPUT "${LUDOWELL_ENGINE_ARCHIVE}" DESTINATION "${_unpacked}")
      file(TOUCH "${_unpacked}/.complete")
    endif()
    # The archive holds the folder itself, or its contents.
    file(GLOB _top LIST_DIRECTORIES true "${_unpacked}/*")
    list(FILTER _top EXCLUDE REGEX "/\\.complete$")
    list(LENGTH _top _count)
    if(_count EQUAL 1 AND IS_DIRECTORY "${_top}" AND EXISTS "${_top}/bin/wine")
      set(_engine "${_top}")
    else()
      set(_engine "${_unpacked}")
    endif()
    if(NOT EXISTS "${_engine}/bin/wine" OR NOT EXISTS "${_engine}/bin/wineserver")
      _ludowell_need(LUDOWELL_ENGINE_ARCHIVE "a Wine engine"
        "the archive \"${LUDOWELL_ENGINE_ARCHIVE}\" holds no bin/wine and bin/wineserver.")
    endif()
  else()
    _ludowell_need(LUDOWELL_ENGINE "the Wine engine"
      "pass -DLUDOWELL_ENGINE=<engine folder>, or -DLUDOWELL_ENGINE_ARCHIVE=<archive> with -DLUDOWELL_ENGINE_SHA256=<its SHA-256>.")
  endif()
  if(NOT LUDOWELL_ENGINE_VERSION MATCHES "^[A-Za-z0-9-]+$")
    _ludowell_need(LUDOWELL_ENGINE_VERSION "the engine's version"
      "pass -DLUDOWELL_ENGINE_VERSION=<version>, letters, digits and hyphens only (for example 11-0-1).")
  endif()
  foreach(_helper TESSALINE CORVANTLE)
    set(_path "${LUDOWELL_${_helper}}")
    string(TOLOWER "${_helper}" _name)
    if(_helper STREQUAL "CORVANTLE")
      set(_name Corvantle)
    endif()
    if(NOT _path OR IS_DIRECTORY "${_path}" OR NOT EXISTS "${_path}")
      _ludowell_need(LUDOWELL_${_helper} "the helper \"${_name}\""
        "pass -DLUDOWELL_${_helper}=<path to the ${_name} executable>.")
    endif()
  endforeach()
  if(NOT IS_DIRECTORY "${LUDOWELL_SPARKLE_FRAMEWORK}" OR NOT LUDOWELL_SPARKLE_FRAMEWORK MATCHES "Sparkle\\.framework/?$"
     OR NOT EXISTS "${LUDOWELL_SPARKLE_FRAMEWORK}/Sparkle")
    _ludowell_need(LUDOWELL_SPARKLE_FRAMEWORK "the update framework"
      "pass -DLUDOWELL_SPARKLE_FRAMEWORK=<path to Sparkle.framework> (from Sparkle's release archive).")
  endif()
  if(NOT LUDOWELL_SIGNING_IDENTITY)
    _ludowell_need(LUDOWELL_SIGNING_IDENTITY "a signing identity"
      "pass -DLUDOWELL_SIGNING_IDENTITY=<Developer ID Application: …>, or \"-\" to sign ad hoc for local use.")
  endif()
  if(NOT LUDOWELL_UPDATE_PUBLIC_KEY)
    _ludowell_need(LUDOWELL_UPDATE_PUBLIC_KEY "the updates' public key"
      "pass -DLUDOWELL_UPDATE_PUBLIC_KEY=<base64 Ed25519 public key> (Sparkle's generate_keys prints it).")
  endif()
  set(LUDOWELL_ENGINE_DIR "${_engine}" PARENT_SCOPE)
endfunction()

# The Mac branch's bundle: the checked inputs, laid out by the shared
# assembly and signed with `codesign` (the Mac's, or a stand-in).
function(ludowell_mac_bundle contents codesign)
  # Dependency links are dangling until installed: not build inputs.
  file(GLOB_RECURSE _found LIST_DIRECTORIES false "${LUDOWELL_ENGINE_DIR}/*")
  set(_engine_files)
  foreach(_file IN LISTS _found)
    if(NOT IS_SYMLINK "${_file}")
      list(APPEND _engine_files "${_file}")
    endif()
  endforeach()
  ludowell_assemble_bundle(CONTENTS "${contents}"
    ENGINE "${LUDOWELL_ENGINE_DIR}" ENGINE_VERSION "${LUDOWELL_ENGINE_VERSION}" CODESIGN "${codesign}"
    ENGINE_FILES ${_engine_files}
    HELPERS "${LUDOWELL_TESSALINE}" "${LUDOWELL_CORVANTLE}"
    FRAMEWORKS "${LUDOWELL_SPARKLE_FRAMEWORK}"
    RESOURCES ${LUDOWELL_SHIPPED_RESOURCES} games.json)
endfunction()
