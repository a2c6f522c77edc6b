# The oldest macOS the app runs on, and on a Mac what building for it
# takes: the macOS 26 SDK, which comes with Xcode 26, and the deployment
# target. Included before project(), the only place the deployment target
# takes effect. A build with an older SDK or target would make an app
# that macOS runs in compatibility mode, reporting an older version, and
# the host check would refuse every Mac.
include_guard(GLOBAL)

# Info.plist's LSMinimumSystemVersion; the host check's oldest macOS too.
set(LUDOWELL_MINIMUM_SYSTEM "26.0")

if(NOT (CMAKE_SYSTEM_NAME STREQUAL "Darwin" OR (NOT CMAKE_SYSTEM_NAME AND CMAKE_HOST_APPLE)))
  return()
endif()
string(REGEX MATCH "^[0-9]+" _ludowell_major "${LUDOWELL_MINIMUM_SYSTEM}")

if(CMAKE_OSX_DEPLOYMENT_TARGET AND NOT CMAKE_OSX_DEPLOYMENT_TARGET VERSION_EQUAL LUDOWELL_MINIMUM_SYSTEM)
  message(FATAL_ERROR "CMAKE_OSX_DEPLOYMENT_TARGET is ${CMAKE_OSX_DEPLOYMENT_TARGET}, but Ludowell runs on "
                      "macOS ${LUDOWELL_MINIMUM_SYSTEM} and later: leave it unset.")
endif()
set(CMAKE_OSX_DEPLOYMENT_TARGET "${LUDOWELL_MINIMUM_SYSTEM}" CACHE STRING "The oldest macOS the app runs on" FORCE)

# The SDK CMake will use: CMAKE_OSX_SYSROOT or SDKROOT (a folder or an SDK
# name), else the selected Xcode's.
set(_ludowell_sdk "${CMAKE_OSX_SYSROOT}")
if(NOT _ludowell_sdk)
  set(_ludowell_sdk "$ENV{SDKROOT}")
endif()
if(NOT IS_DIRECTORY "${_ludowell_sdk}")
  if(NOT _ludowell_sdk)
    set(_ludowell_sdk macosx)
  endif()
  execute_process(COMMAND xcrun --sdk "${_ludowell_sdk}" --show-sdk-path
    OUTPUT_VARIABLE _ludowell_sdk OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE _ludowell_failed)
  if(_ludowell_failed)
    set(_ludowell_sdk "")
  endif()
endif()
set(_ludowell_version "")
if(EXISTS "${_ludowell_sdk}/SDKSettings.json")
  file(READ "${_ludowell_sdk}/SDKSettings.json" _ludowell_settings)
  string(JSON _ludowell_version ERROR_VARIABLE _ludowell_failed GET "${_ludowell_settings}" Version)
elseif(_ludowell_sdk)
  execute_process(COMMAND xcrun --sdk "${_ludowell_sdk}" --show-sdk-version
    OUTPUT_VARIABLE _ludowell_version OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()

if(NOT _ludowell_version MATCHES "^[0-9]+(\\.[0-9]+)*$" OR _ludowell_version VERSION_LESS LUDOWELL_MINIMUM_SYSTEM)
  if(_ludowell_version MATCHES "^[0-9]")
    set(_ludowell_found "the macOS ${_ludowell_version} SDK (${_ludowell_sdk})")
  elseif(_ludowell_sdk)
    set(_ludowell_found "an SDK of no readable version (${_ludowell_sdk})")
  else()
    set(_ludowell_found "no macOS SDK")
  endif()
  message(FATAL_ERROR "The Mac build needs the macOS ${_ludowell_major} SDK, which comes with Xcode "
                      "${_ludowell_major} or later, and found ${_ludowell_found}: install Xcode ${_ludowell_major} "
                      "or later and select it with xcode-select, or pass -DCMAKE_OSX_SYSROOT=<a macOS "
                      "${_ludowell_major} SDK>.")
endif()
