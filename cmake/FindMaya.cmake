# FindMaya
# --------
#
# Finds the host's developer kit, for building plug-ins against it.
#
# The kit's root is the cache variable DEVKIT_LOCATION or, when that is not
# set, the environment variable of the same name. Headers are searched in
# <root>/include/maya; the libraries in <root>/lib (Linux and Windows) or in
# the application bundle's Contents/MacOS beside or inside <root> (macOS).
#
# Imported targets:
#
#   Maya::Foundation, Maya::OpenMaya, Maya::OpenMayaAnim,
#   Maya::OpenMayaRender, Maya::OpenMayaUI, Maya::OpenMayaFX
#     One per host library. Each carries the kit's include folder and the
#     compile definitions the kit's headers expect on this platform.
#   Maya::Maya
#     All of the above.
#   Maya::tbb
#     The host's TBB, where the kit ships it: its headers in the kit's
#     include folder (tbb/task_group.h beside maya/), its library beside the
#     host's (libtbb.so, tbb.lib, or libtbb.dylib in the application bundle).
#     Plug-ins that run work on threads use this one, the runtime the host
#     process already has. Not part of Maya::Maya, and not needed for
#     Maya_FOUND.
#
# Result variables:
#
#   Maya_FOUND          the headers and every library were found
#   Maya_INCLUDE_DIR    the folder that holds maya/MTypes.h
#   Maya_API_VERSION    MAYA_API_VERSION from maya/MTypes.h (201500, ...)
#   Maya_PLUGIN_SUFFIX  the host's plug-in file name ending on this platform:
#                       .so (Linux), .mll (Windows), .bundle (macOS)
#
# And one function, maya_plugin(<target>), which names a MODULE library the
# way the host looks for plug-ins: no "lib" prefix, the platform's suffix.

# The environment fills the cache variable until it names a kit, so a first
# configure without either can be mended by setting either.
if(NOT DEVKIT_LOCATION AND DEFINED ENV{DEVKIT_LOCATION})
  set(DEVKIT_LOCATION "$ENV{DEVKIT_LOCATION}" CACHE PATH "Root of the host's developer kit" FORCE)
endif()
set(DEVKIT_LOCATION "${DEVKIT_LOCATION}" CACHE PATH "Root of the host's developer kit")

set(_maya_libraries Foundation OpenMaya OpenMayaAnim OpenMayaRender OpenMayaUI OpenMayaFX)

# Another kit: search again rather than keep the old kit's files.
if(NOT "${DEVKIT_LOCATION}" STREQUAL "${_Maya_SEARCHED_LOCATION}")
  unset(Maya_INCLUDE_DIR CACHE)
  foreach(_maya_library IN LISTS _maya_libraries)
    unset(Maya_${_maya_library}_LIBRARY CACHE)
  endforeach()
  unset(Maya_tbb_LIBRARY CACHE)
  set(_Maya_SEARCHED_LOCATION "${DEVKIT_LOCATION}" CACHE INTERNAL "The kit the host's files were searched in")
endif()

if(WIN32)
  set(Maya_PLUGIN_SUFFIX ".mll")
  set(_maya_definitions NT_PLUGIN _BOOL REQUIRE_IOSTREAM)
  set(_maya_library_hints "${DEVKIT_LOCATION}/lib")
elseif(APPLE)
  set(Maya_PLUGIN_SUFFIX ".bundle")
  set(_maya_definitions OSMac_ _BOOL REQUIRE_IOSTREAM)
  # The kit's headers sit in devkit/include; the libraries live in the
  # application bundle, which an installation keeps beside the kit folder.
  set(_maya_library_hints
    "${DEVKIT_LOCATION}/lib"
    "${DEVKIT_LOCATION}/Maya.app/Contents/MacOS"
    "${DEVKIT_LOCATION}/../Maya.app/Contents/MacOS")
else()
  set(Maya_PLUGIN_SUFFIX ".so")
  # The kits are 64-bit only; Bits64_ selects the headers' 64-bit types.
  set(_maya_definitions LINUX Bits64_ _BOOL REQUIRE_IOSTREAM)
  set(_maya_library_hints "${DEVKIT_LOCATION}/lib")
endif()

# Only the kit is searched: a copy of the host's libraries elsewhere on the
# system must not be picked up by accident.
find_path(Maya_INCLUDE_DIR maya/MTypes.h
  HINTS "${DEVKIT_LOCATION}/include"
  NO_DEFAULT_PATH)

set(_maya_library_vars)
foreach(_maya_library IN LISTS _maya_libraries)
  find_library(Maya_${_maya_library}_LIBRARY ${_maya_library}
    HINTS ${_maya_library_hints}
    NO_DEFAULT_PATH)
  list(APPEND _maya_library_vars Maya_${_maya_library}_LIBRARY)
endforeach()

find_library(Maya_tbb_LIBRARY tbb
  HINTS ${_maya_library_hints}
  NO_DEFAULT_PATH)

if(Maya_INCLUDE_DIR AND EXISTS "${Maya_INCLUDE_DIR}/maya/MTypes.h")
  file(STRINGS "${Maya_INCLUDE_DIR}/maya/MTypes.h" _maya_version_line
    REGEX "^#define[ \t]+MAYA_API_VERSION[ \t]+[0-9]+")
  string(REGEX MATCH "[0-9]+$" Maya_API_VERSION "${_maya_version_line}")
endif()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Maya
  REQUIRED_VARS Maya_INCLUDE_DIR ${_maya_library_vars}
  VERSION_VAR Maya_API_VERSION
  REASON_FAILURE_MESSAGE "Set DEVKIT_LOCATION (cache or environment variable) to the developer kit's root.")

if(Maya_FOUND)
  if(NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
    message(FATAL_ERROR "The host's developer kit is 64-bit only: configure with a 64-bit compiler.")
  endif()
  if(NOT TARGET Maya::Maya)
    add_library(Maya::Maya INTERFACE IMPORTED)
  endif()
  foreach(_maya_library IN LISTS _maya_libraries)
    if(NOT TARGET Maya::${_maya_library})
      add_library(Maya::${_maya_library} UNKNOWN IMPORTED)
      set_target_properties(Maya::${_maya_library} PROPERTIES
        IMPORTED_LOCATION "${Maya_${_maya_library}_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${Maya_INCLUDE_DIR}"
        INTERFACE_COMPILE_DEFINITIONS "${_maya_definitions}")
      target_link_libraries(Maya::Maya INTERFACE Maya::${_maya_library})
    endif()
  endforeach()
  if(NOT TARGET Maya::tbb AND Maya_tbb_LIBRARY AND EXISTS "${Maya_INCLUDE_DIR}/tbb/task_group.h")
    add_library(Maya::tbb UNKNOWN IMPORTED)
    set_target_properties(Maya::tbb PROPERTIES
      IMPORTED_LOCATION "${Maya_tbb_LIBRARY}"
      INTERFACE_INCLUDE_DIRECTORIES "${Maya_INCLUDE_DIR}")
  endif()
  mark_as_advanced(Maya_INCLUDE_DIR ${_maya_library_vars} Maya_tbb_LIBRARY)
endif()

function(maya_plugin target)
  set_target_properties(${target} PROPERTIES PREFIX "" SUFFIX "${Maya_PLUGIN_SUFFIX}")
endfunction()

unset(_maya_libraries)
unset(_maya_library_hints)
unset(_maya_library_vars)
unset(_maya_definitions)
unset(_maya_version_line)
