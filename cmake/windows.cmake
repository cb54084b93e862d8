# SPDX-License-Identifier: GPL-3.0-or-later
# Windows: executables that need no DLL beside them, with an icon and version information.

# The C++ runtime, libgcc and winpthread linked in: velmora.exe and velmora-calc.exe run alone.
add_link_options(-static)
# Windows' headers: Unicode entry points, and no min/max macros over std::min and std::max.
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN)

if(CMAKE_CROSSCOMPILING)
  # The build machine's header-only libraries, through a folder that holds nothing else:
  # /usr/include itself would put glibc's headers before MinGW's.
  set(VELMORA_HOST_HEADERS ${PROJECT_BINARY_DIR}/host-headers)
  file(MAKE_DIRECTORY ${VELMORA_HOST_HEADERS})
  foreach(library boost nlohmann)
    if(EXISTS /usr/include/${library})
      file(CREATE_LINK /usr/include/${library} ${VELMORA_HOST_HEADERS}/${library} SYMBOLIC)
    endif()
  endforeach()
  set(Boost_INCLUDE_DIR ${VELMORA_HOST_HEADERS} CACHE PATH "Boost's headers")
  set(Boost_NO_BOOST_CMAKE ON)
  # nlohmann-json's own package would name /usr/include: a package of ours names the folder.
  set(json_package ${PROJECT_BINARY_DIR}/host-packages/nlohmann_json)
  file(COPY /usr/share/cmake/nlohmann_json/nlohmann_jsonConfigVersion.cmake
       DESTINATION ${json_package})
  file(WRITE ${json_package}/nlohmann_jsonConfig.cmake "
if(NOT TARGET nlohmann_json::nlohmann_json)
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${VELMORA_HOST_HEADERS})
endif()
")
  set(nlohmann_json_DIR ${json_package} CACHE PATH "nlohmann-json for the cross build" FORCE)

  # simdjson is compiled: built here from Debian's source (scripts/build-windows.sh fetches it),
  # its one-file form, and found through a package of ours.
  set(VELMORA_SIMDJSON_SOURCE "" CACHE PATH "Debian's simdjson source, for the cross build")
  if(VELMORA_SIMDJSON_SOURCE)
    add_library(velmora_simdjson STATIC ${VELMORA_SIMDJSON_SOURCE}/singleheader/simdjson.cpp)
    target_include_directories(velmora_simdjson SYSTEM PUBLIC
                               ${VELMORA_SIMDJSON_SOURCE}/singleheader)
    add_library(simdjson::simdjson ALIAS velmora_simdjson)
    set(simdjson_package ${PROJECT_BINARY_DIR}/host-packages/simdjson)
    file(WRITE ${simdjson_package}/simdjson-config.cmake "# velmora_simdjson stands for it\n")
    file(WRITE ${simdjson_package}/simdjson-config-version.cmake
         "set(PACKAGE_VERSION 3)\nset(PACKAGE_VERSION_COMPATIBLE TRUE)\n")
    set(simdjson_DIR ${simdjson_package} CACHE PATH "simdjson for the cross build" FORCE)
  endif()

  # zlib and libzip, static, built from Debian's sources by scripts/build-windows.sh.
  set(VELMORA_MINGW_DEPS "" CACHE PATH "zlib and libzip built for Windows")
  if(VELMORA_MINGW_DEPS)
    add_library(PkgConfig::LIBZIP INTERFACE IMPORTED GLOBAL)
    set_target_properties(PkgConfig::LIBZIP PROPERTIES
      INTERFACE_INCLUDE_DIRECTORIES ${VELMORA_MINGW_DEPS}/include
      INTERFACE_COMPILE_DEFINITIONS ZIP_STATIC
      INTERFACE_LINK_LIBRARIES
        "${VELMORA_MINGW_DEPS}/lib/libzip.a;${VELMORA_MINGW_DEPS}/lib/libz.a;advapi32")
  endif()
endif()

# The icon, drawn from the same picture as the Linux one.
find_program(VELMORA_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(VELMORA_IMAGEMAGICK NAMES convert magick REQUIRED)
set(VELMORA_ICON ${PROJECT_BINARY_DIR}/velmora.ico)
set(_velmora_icon_pngs)
foreach(size 16 24 32 48 64 256)
  list(APPEND _velmora_icon_pngs ${PROJECT_BINARY_DIR}/icon/velmora-${size}.png)
endforeach()
add_custom_command(
  OUTPUT ${VELMORA_ICON}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icon
  COMMAND ${VELMORA_RSVG_CONVERT} -w 16 -h 16 -o ${PROJECT_BINARY_DIR}/icon/velmora-16.png ${PROJECT_SOURCE_DIR}/packaging/velmora.svg
  COMMAND ${VELMORA_RSVG_CONVERT} -w 24 -h 24 -o ${PROJECT_BINARY_DIR}/icon/velmora-24.png ${PROJECT_SOURCE_DIR}/packaging/velmora.svg
  COMMAND ${VELMORA_RSVG_CONVERT} -w 32 -h 32 -o ${PROJECT_BINARY_DIR}/icon/velmora-32.png ${PROJECT_SOURCE_DIR}/packaging/velmora.svg
  COMMAND ${VELMORA_RSVG_CONVERT} -w 48 -h 48 -o ${PROJECT_BINARY_DIR}/icon/velmora-48.png ${PROJECT_SOURCE_DIR}/packaging/velmora.svg
  COMMAND ${VELMORA_RSVG_CONVERT} -w 64 -h 64 -o ${PROJECT_BINARY_DIR}/icon/velmora-64.png ${PROJECT_SOURCE_DIR}/packaging/velmora.svg
  COMMAND ${VELMORA_RSVG_CONVERT} -w 256 -h 256 -o ${PROJECT_BINARY_DIR}/icon/velmora-256.png ${PROJECT_SOURCE_DIR}/packaging/velmora.svg
  COMMAND ${VELMORA_IMAGEMAGICK} ${_velmora_icon_pngs} ${VELMORA_ICON}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/velmora.svg
  VERBATIM)
add_custom_target(velmora_icon DEPENDS ${VELMORA_ICON})

# velmora_windows_resources(TARGET DESCRIPTION): the icon and the version information of one
# executable; DESCRIPTION is what Explorer shows as the file's description.
function(velmora_windows_resources target description)
  set(VELMORA_RC_FILE_NAME ${target}.exe)
  set(VELMORA_RC_DESCRIPTION ${description})
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/velmora.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${VELMORA_ICON})
  add_dependencies(${target} velmora_icon)
endfunction()
