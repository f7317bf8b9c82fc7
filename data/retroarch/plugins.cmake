# SPDX-License-Identifier: GPL-3.0-or-later
# The RetroArch plugins name their core by its full path, which lies in the
# machine's multiarch library folder; they are made from templates for the
# machine the build is for. Sets RETROARCH_PLUGINS to the files made.
set(multiarch "${CMAKE_LIBRARY_ARCHITECTURE}")
if(NOT multiarch)
  execute_process(COMMAND dpkg-architecture -qDEB_HOST_MULTIARCH
                  OUTPUT_VARIABLE multiarch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(multiarch)
  set(default_core_dir /usr/lib/${multiarch}/libretro)
else()
  set(default_core_dir /usr/lib/libretro)
endif()
set(KIVALTO_LIBRETRO_DIR ${default_core_dir} CACHE PATH "Folder of the libretro cores the RetroArch plugins name")
if(KIVALTO_LIBRETRO_DIR MATCHES "[ ,\"]")
  message(FATAL_ERROR "KIVALTO_LIBRETRO_DIR may hold no blank, comma or double quote: ${KIVALTO_LIBRETRO_DIR}")
endif()

set(LIBRETRO_DIR ${KIVALTO_LIBRETRO_DIR})
set(RETROARCH_PLUGINS)
foreach(name RASNES RANES RAGB RAPCE)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${name}.XPL.in ${KIVALTO_DIR}/${name}.XPL @ONLY NEWLINE_STYLE CRLF)
  list(APPEND RETROARCH_PLUGINS ${KIVALTO_DIR}/${name}.XPL)
endforeach()
