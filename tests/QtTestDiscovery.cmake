# Run after a QtTest program is built: asks it for its test functions (-functions) and writes one
# ctest test per function into CTEST_FILE, so that a QSKIP marks exactly that function skipped and
# one slow or failing function never hides the others.
#   cmake -DTEST_PROGRAM=... -DTEST_RUNNER=... -DTEST_PREFIX=ui_Form2Test -DTEST_LABELS=ui
#         -DCTEST_FILE=... -DTEST_ENVIRONMENT=A=1|B=2 -P QtTestDiscovery.cmake
# Each test runs through TEST_RUNNER (QtTestCtestRunner), which reports a skip by the exit code 77
# only when the function exited cleanly; a skip printed after a failure never hides the failure.
# A listing program ends without cleaning up after itself: whatever it makes goes into a scratch
# folder that is removed here.
foreach(required TEST_PROGRAM TEST_RUNNER TEST_PREFIX CTEST_FILE)
  if(NOT ${required})
    message(FATAL_ERROR "QtTestDiscovery.cmake needs -D${required}=...")
  endif()
endforeach()
if(NOT TEST_LABELS)
  set(TEST_LABELS ui)
endif()
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
      "add_test([=[${TEST_PREFIX}.${function}]=] [=[${TEST_RUNNER}]=] [=[${TEST_PROGRAM}]=] [=[${function}]=])\n"
      "set_tests_properties([=[${TEST_PREFIX}.${function}]=] PROPERTIES LABELS [=[${TEST_LABELS}]=]\n"
      "  ENVIRONMENT [=[${environment}]=] SKIP_RETURN_CODE 77)\n")
  endif()
endforeach()
if(script STREQUAL "")
  message(FATAL_ERROR "${TEST_PROGRAM} lists no test functions")
endif()
file(WRITE ${CTEST_FILE} "${script}")
