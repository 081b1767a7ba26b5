cmake_minimum_required(VERSION 3.25)
# Checks that a library's sources include only what its layer may use: the
# headers of its own folders and of the libraries it links, and the Qt
# modules among them. Run by the build before the library compiles (see
# kl_library in the top CMakeLists.txt); a breach stops the build, naming
# the file, the line and the header.
#   -DRULES=<file>  sets KL_NAME, KL_SOURCES, KL_DIRS (folders it may include
#                   from), KL_QT (Qt modules it may use), KL_QT_DIRS
#                   ("Module=include dir" for every module the program uses)
#                   and KL_STAMP (touched when all is well).
include(${RULES})

set(breaches "")
foreach(src ${KL_SOURCES})
  file(STRINGS ${src} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line ${lines})
    if(NOT line MATCHES "#[ \t]*include[ \t]*([<\"])([^>\"]+)[>\"]")
      continue()
    endif()
    set(quote ${CMAKE_MATCH_1})
    set(header ${CMAKE_MATCH_2})
    if(quote STREQUAL "\"")
      # The program's own headers are named from the source root.
      get_filename_component(dir ${header} DIRECTORY)
      if(dir AND NOT dir IN_LIST KL_DIRS)
        list(APPEND breaches "${src}: ${header} (${KL_NAME} may include from: ${KL_DIRS})")
      endif()
      continue()
    endif()
    # A Qt header: by its module's folder, or found in a module's folder.
    set(module "")
    if(header MATCHES "^Qt([A-Za-z]+)/")
      set(module ${CMAKE_MATCH_1})
    elseif(header MATCHES "^Q")
      foreach(entry ${KL_QT_DIRS})
        string(REPLACE "=" ";" pair ${entry})
        list(GET pair 0 name)
        list(GET pair 1 path)
        if(EXISTS ${path}/${header})
          set(module ${name})
          break()
        endif()
      endforeach()
    endif()
    if(module AND NOT module IN_LIST KL_QT)
      list(APPEND breaches "${src}: <${header}> is Qt ${module}, which ${KL_NAME} does not use")
    endif()
  endforeach()
endforeach()

if(breaches)
  list(JOIN breaches "\n  " text)
  string(REPLACE ";" ", " text "${text}")
  message(FATAL_ERROR "Layer rule broken in ${KL_NAME}:\n  ${text}")
endif()
file(TOUCH ${KL_STAMP})
