# One bundle assembly for every platform: the same rules lay out
#   Ludowell.app/Contents/Info.plist
#   Ludowell.app/Contents/MacOS/ludowell         (built straight into place)
#   Ludowell.app/Contents/Resources/             Engine, its manifest and links,
#                                                 the catalog, artwork, licence, icon
#   Ludowell.app/Contents/Helpers/               tessaline, Corvantle
#   Ludowell.app/Contents/Frameworks/            the update framework (Mac)
# from named inputs: on a Mac the ones the builder supplies, on Linux the
# testbed's stand-ins.

set(_ludowell_root "${CMAKE_CURRENT_LIST_DIR}/..")

# Also the user defaults' domain on a Mac, which the app names for Qt
# (Preferences::nameApplication): the two change together.
set(LUDOWELL_BUNDLE_IDENTIFIER "com.hollowmere.Ludowell")
set(LUDOWELL_FEED_URL "https://updates.ludowell.app/appcast.xml" CACHE STRING "The update feed (HTTPS)")
set(LUDOWELL_UPDATE_PUBLIC_KEY "" CACHE STRING "Base64 Ed25519 key that signs updates; empty turns updates off")
# LUDOWELL_MINIMUM_SYSTEM, the oldest macOS the app runs on.
include("${CMAKE_CURRENT_LIST_DIR}/MacSDK.cmake")

function(ludowell_info_plist contents)
  if(NOT LUDOWELL_FEED_URL MATCHES "^https://")
    message(FATAL_ERROR "LUDOWELL_FEED_URL must be an https:// address; it is \"${LUDOWELL_FEED_URL}\".")
  endif()
  set(LUDOWELL_SHORT_VERSION "${PROJECT_VERSION}")
  set(LUDOWELL_BUNDLE_VERSION "${PROJECT_VERSION}")
  # Written beside the bundle and copied in only when it changed: writing
  # in place would touch Contents/ at every configure, so that a build with
  # nothing to do would still look like a new bundle.
  configure_file("${_ludowell_root}/resources/Info.plist.in" "${CMAKE_BINARY_DIR}/Info.plist" @ONLY)
  file(COPY_FILE "${CMAKE_BINARY_DIR}/Info.plist" "${contents}/Info.plist" ONLY_IF_DIFFERENT)
endfunction()

# ludowell_assemble_bundle(CONTENTS dir ENGINE dir ENGINE_VERSION v CODESIGN tool
#                          ENGINE_FILES files... HELPERS files... FRAMEWORKS dirs...
#                          RESOURCES files under resources/...)
# Needs the targets ludowell_engine_tool and ludowell_icon_tool.
function(ludowell_assemble_bundle)
  cmake_parse_arguments(ARG "" "CONTENTS;ENGINE;ENGINE_VERSION;CODESIGN"
                        "ENGINE_FILES;HELPERS;FRAMEWORKS;RESOURCES" ${ARGN})
  set(_resources "${ARG_CONTENTS}/Resources")
  file(MAKE_DIRECTORY "${ARG_CONTENTS}/MacOS" "${_resources}" "${ARG_CONTENTS}/Helpers" "${ARG_CONTENTS}/Frameworks")
  ludowell_info_plist("${ARG_CONTENTS}")
  foreach(_file IN LISTS ARG_RESOURCES)
    configure_file("${_ludowell_root}/resources/${_file}" "${_resources}/${_file}" COPYONLY)
  endforeach()

  add_custom_command(
    OUTPUT "${_resources}/Ludowell.icns"
    COMMAND ludowell_icon_tool "${_ludowell_root}/resources/icon/Ludowell.svg" "${_resources}/Ludowell.icns"
    DEPENDS ludowell_icon_tool "${_ludowell_root}/resources/icon/Ludowell.svg"
    VERBATIM)

  add_custom_command(
    OUTPUT "${_resources}/engine-manifest.json" "${_resources}/dependency-links.json"
    COMMAND ludowell_engine_tool "${ARG_ENGINE}" "${_resources}" "${ARG_ENGINE_VERSION}" "${ARG_CODESIGN}"
    DEPENDS ludowell_engine_tool ${ARG_ENGINE_FILES}
    COMMENT "Assembling the engine, its manifest and its dependency links"
    VERBATIM)
  set(_outputs "${_resources}/engine-manifest.json" "${_resources}/Ludowell.icns")

  foreach(_helper IN LISTS ARG_HELPERS)
    # The names the app looks for, whatever the input file is called.
    if(_helper MATCHES "tessaline")
      set(_name tessaline)
    else()
      set(_name Corvantle)
    endif()
    add_custom_command(
      OUTPUT "${ARG_CONTENTS}/Helpers/${_name}"
      COMMAND "${CMAKE_COMMAND}" -E copy "${_helper}" "${ARG_CONTENTS}/Helpers/${_name}"
      DEPENDS "${_helper}"
      VERBATIM)
    list(APPEND _outputs "${ARG_CONTENTS}/Helpers/${_name}")
  endforeach()

  foreach(_framework IN LISTS ARG_FRAMEWORKS)
    get_filename_component(_name "${_framework}" NAME)
    # Frameworks keep their version links: copied with links as links.
    add_custom_command(
      OUTPUT "${CMAKE_CURRENT_BINARY_DIR}/${_name}.copied"
      COMMAND "${CMAKE_COMMAND}" -E rm -rf "${ARG_CONTENTS}/Frameworks/${_name}"
      COMMAND cp -R -P "${_framework}" "${ARG_CONTENTS}/Frameworks/${_name}"
      COMMAND "${CMAKE_COMMAND}" -E touch "${CMAKE_CURRENT_BINARY_DIR}/${_name}.copied"
      VERBATIM)
    list(APPEND _outputs "${CMAKE_CURRENT_BINARY_DIR}/${_name}.copied")
  endforeach()

  add_custom_target(ludowell_bundle ALL DEPENDS ${_outputs})
endfunction()

# Resources every bundle carries from resources/; a Mac build also ships
# the catalog, which on Linux the testbed writes.
set(LUDOWELL_SHIPPED_RESOURCES "Licenses/Apple-GPTK-License.rtf" "aoe4-hero.jpg")
