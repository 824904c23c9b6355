# Run after a QtTest program is built: asks it for its test functions (-functions) and writes one
# ctest test per function into CTEST_FILE, so that a QSKIP marks exactly that function skipped and
# one slow or failing function never hides the others.
#   cmake -DTEST_PROGRAM=... -DTEST_PREFIX=ui_Form2Test -DCTEST_FILE=... -DTEST_ENVIRONMENT=A=1|B=2 -P QtTestDiscovery.cmake
# A listing program ends without cleaning up after itself: whatever it makes goes into a scratch
# folder that is removed here.
string(RANDOM LENGTH 12 suffix)
set(scratch "${CTEST_FILE}.scratch-${suffix}")
file(MAKE_DIRECTORY ${scratch})
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen TMPDIR=${scratch}
                        ${TEST_PROGRAM} -functions
                OUTPUT_VARIABLE listing RESULT_VARIABLE result TIMEOUT 60)
file(REMOVE_RECURSE ${scratch})
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${TEST_PROGRAM} -functions failed (${result}):\n${listing}")
endif()
string(REPLACE "|" ";" environment "${TEST_ENVIRONMENT}")  # "|" stands for ";" on the command line
string(REPLACE "\n" ";" lines "${listing}")
set(script "")
foreach(line ${lines})
  string(STRIP "${line}" line)
  if(line MATCHES "^([A-Za-z_][A-Za-z0-9_]*)\\(\\)$")
    set(function ${CMAKE_MATCH_1})
    string(APPEND script
      "add_test([=[${TEST_PREFIX}.${function}]=] [=[${TEST_PROGRAM}]=] [=[${function}]=])\n"
      "set_tests_properties([=[${TEST_PREFIX}.${function}]=] PROPERTIES LABELS ui\n"
      "  ENVIRONMENT [=[${environment}]=] SKIP_REGULAR_EXPRESSION [=[SKIP   : ]=])\n")
  endif()
endforeach()
if(script STREQUAL "")
  message(FATAL_ERROR "${TEST_PROGRAM} lists no test functions")
endif()
file(WRITE ${CTEST_FILE} "${script}")
