cmake_minimum_required(VERSION 3.25)
# The layers depend one way: nothing outside src/app/ includes app/, and the core library
# (services and ports) holds no widget code. Run by CTest with -DSOURCE=... -DCORE=... -DNM=...
file(GLOB_RECURSE sources ${SOURCE}/src/*.h ${SOURCE}/src/*.cpp)
foreach(file IN LISTS sources)
  if(NOT file MATCHES "/src/app/")
    file(STRINGS ${file} includes REGEX "#include \"app/")
    if(includes)
      message(SEND_ERROR "${file} includes the app layer: ${includes}")
    endif()
  endif()
endforeach()

execute_process(COMMAND ${NM} -C --undefined-only ${CORE} OUTPUT_VARIABLE undefined RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "nm could not read ${CORE}")
endif()
string(REGEX MATCHALL "[^\n]*(QWidget|QApplication|QAbstractButton|QMessageBox|QDialog)[^\n]*" widgets "${undefined}")
if(widgets)
  message(SEND_ERROR "corvalin_core uses widgets:\n${widgets}")
endif()
message(STATUS "layers: one way")

# Every file that `files` include, however indirectly, that matches `pattern` (other than `allowed`),
# as "includer -> included" lines in `out`.
function(find_reached files pattern allowed out)
  set(queue ${files})
  set(seen "")
  set(found "")
  while(queue)
    list(POP_FRONT queue file)
    if(NOT IS_ABSOLUTE "${file}")
      set(file "${SOURCE}/src/${file}")
    endif()
    if(file IN_LIST seen OR NOT EXISTS "${file}")
      continue()
    endif()
    list(APPEND seen "${file}")
    file(STRINGS "${file}" lines REGEX "^#include \"[^\"]+\"")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" included "${line}")
      if(included MATCHES "${pattern}" AND NOT included IN_LIST allowed)
        string(REPLACE "${SOURCE}/" "" shown "${file}")
        list(APPEND found "${shown} -> ${included}")
      endif()
      if(EXISTS "${SOURCE}/src/${included}")
        list(APPEND queue "${SOURCE}/src/${included}")
      endif()
    endforeach()
  endwhile()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

# The windows reach the bell thread only through its client: nothing the windows' library compiles
# includes, however indirectly, a file of the bell thread (src/bells/) other than the client's
# header and the plain values it answers with (bellsstatus.h), nor a port that only the bells use.
# UI_SOURCES is corvalin_ui's sources, joined by "|".
string(REPLACE "|" ";" uiSources "${UI_SOURCES}")
list(FILTER uiSources INCLUDE REGEX "\\.(h|cpp)$")
find_reached("${uiSources}" "^(bells/|ports/(belloutput|mixer|systemclock|power|sleepwatch|instanceguard)\\.h$)"
             "bells/bellsclient.h;bells/bellsstatus.h" crossings)
if(crossings)
  string(REPLACE ";" "\n  " crossings "${crossings}")
  message(SEND_ERROR "the windows reach the bell thread other than through its client:\n  ${crossings}")
endif()
message(STATUS "windows: only the client")

# The settings files have one owner on one thread: the bells are handed what they plan from, and
# nothing of the bell thread reaches the store, but the copy with no window, which owns its own.
file(GLOB bellSources ${SOURCE}/src/bells/*.h ${SOURCE}/src/bells/*.cpp ${SOURCE}/src/bells/linux/*.h
     ${SOURCE}/src/bells/linux/*.cpp)
list(FILTER bellSources EXCLUDE REGEX "/headlessbells\\.(h|cpp)$")
find_reached("${bellSources}" "^schedule/settingsstore\\.h$" "" storeUsers)
if(storeUsers)
  string(REPLACE ";" "\n  " storeUsers "${storeUsers}")
  message(SEND_ERROR "the bell thread reaches the settings store:\n  ${storeUsers}")
endif()
message(STATUS "bells: no settings file")
