# Compiles a one-line source that includes HEADER with the include directories of a layer target and
# checks the outcome: EXPECT "fail" (the header must not be reachable from that layer) or "pass".
#   cmake -DCOMPILER=... -DINCLUDES="a;b" -DHEADER=view/Canvas.h -DEXPECT=fail -DWORK=dir -P CheckInclude.cmake
file(MAKE_DIRECTORY ${WORK})
# Probes of one header from several layers run in parallel: each gets a file of its own.
string(MD5 key "${INCLUDES}|${HEADER}")
string(MAKE_C_IDENTIFIER "${HEADER}_${key}" probe)
set(source ${WORK}/${probe}.cpp)
file(WRITE ${source} "#include <${HEADER}>\n")
set(flags -std=c++20 -fsyntax-only)
foreach(dir ${INCLUDES})
  list(APPEND flags -I${dir})
endforeach()
execute_process(COMMAND ${COMPILER} ${flags} ${source}
  RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_QUIET)
if(EXPECT STREQUAL "fail")
  if(result EQUAL 0)
    message(FATAL_ERROR "${HEADER} is reachable from this layer, but must not be")
  endif()
  if(NOT errors MATCHES "No such file or directory")
    message(FATAL_ERROR "${HEADER} failed for another reason than being unreachable:\n${errors}")
  endif()
  message(STATUS "${HEADER}: unreachable, as it must be")
else()
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${HEADER} must compile from this layer:\n${errors}")
  endif()
  message(STATUS "${HEADER}: reachable")
endif()
