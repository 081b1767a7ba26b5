cmake_minimum_required(VERSION 3.25)
# Fails when a program loads a library it must not: the command line runs
# without Qt Widgets and Qt PrintSupport (what `ldd` lists, transitive
# libraries included).
#   -DPROGRAM=<file> -DFORBIDDEN=<name,name…>
execute_process(COMMAND ldd ${PROGRAM} OUTPUT_VARIABLE listed RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "ldd ${PROGRAM} failed")
endif()
string(REPLACE "," ";" forbidden "${FORBIDDEN}")
foreach(name ${forbidden})
  if(listed MATCHES "${name}")
    # Removed, so that the next build links it again and checks again.
    file(REMOVE ${PROGRAM})
    message(FATAL_ERROR "${PROGRAM} loads ${name}, which it must not:\n${listed}")
  endif()
endforeach()
