# Makes the Mac bundle self-contained and signs it for local use. After
# the executable and the bundle are built, Qt's macdeployqt copies in Qt's
# frameworks, the Cocoa platform plugin, the QML modules the views import
# and OpenSSL's libcrypto; scripts/check-bundle-links then fails the build
# on any library or run-path left outside the bundle; scripts/sign-bundle
# signs it inside out with the build's identity. A release is signed again
# with a Developer ID and notarized by scripts/package-mac.
#
#   ludowell_mac_deploy(BUNDLE dir EXECUTABLE target CODESIGN tool LIBPATHS dirs... DEPENDS targets...)
#
# macdeployqt is the one beside the Qt being built with, unless
# LUDOWELL_MACDEPLOYQT names another.

get_filename_component(_ludowell_deploy_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

function(ludowell_mac_deploy)
  cmake_parse_arguments(ARG "" "BUNDLE;EXECUTABLE;CODESIGN" "LIBPATHS;DEPENDS" ${ARGN})
  if(NOT LUDOWELL_MACDEPLOYQT)
    find_package(Qt6 6.4 REQUIRED COMPONENTS Core)
    find_program(LUDOWELL_MACDEPLOYQT macdeployqt HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" NO_DEFAULT_PATH)
    if(NOT LUDOWELL_MACDEPLOYQT)
      message(FATAL_ERROR "The Mac build needs Qt's macdeployqt, which is not in ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}: "
                          "pass -DLUDOWELL_MACDEPLOYQT=<path to macdeployqt>.")
    endif()
  endif()
  if(ARG_EXECUTABLE)
    # Only the bundle's run-path: a link-time path to Qt would outlive the
    # deployment and point at the build machine.
    set_target_properties(${ARG_EXECUTABLE} PROPERTIES BUILD_WITH_INSTALL_RPATH ON)
  endif()
  set(_libpaths)
  foreach(_path IN LISTS ARG_LIBPATHS)
    list(APPEND _libpaths "-libpath=${_path}")
  endforeach()
  set(_scripts "${_ludowell_deploy_root}/scripts")
  # Runs on every build: whatever changed in the bundle needs a new seal.
  add_custom_target(ludowell_deployed ALL
    COMMAND "${LUDOWELL_MACDEPLOYQT}" "${ARG_BUNDLE}" "-qmldir=${_ludowell_deploy_root}/src/ui/qml" ${_libpaths}
    COMMAND "${_scripts}/check-bundle-links" "${ARG_BUNDLE}"
    COMMAND "${CMAKE_COMMAND}" -E env "CODESIGN=${ARG_CODESIGN}"
            "${_scripts}/sign-bundle" --timestamp=none "${ARG_BUNDLE}" "${LUDOWELL_SIGNING_IDENTITY}"
            "${_ludowell_deploy_root}/resources/Ludowell.entitlements"
    COMMENT "Deploying Qt into the bundle, checking its links and signing it"
    VERBATIM)
  add_dependencies(ludowell_deployed ${ARG_DEPENDS})
endfunction()
