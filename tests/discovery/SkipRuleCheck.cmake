# Checks the discovery end to end on SkipRuleProbe: writes its ctest tests with
# QtTestDiscovery.cmake into a scratch folder, runs ctest there, and expects each function's
# verdict. A failing function must be reported failed even when it also printed a skip.
#   cmake -DPROBE=... -DRUNNER=... -DDISCOVERY=... -DCTEST=... -P SkipRuleCheck.cmake
# Everything it writes goes into a scratch folder of its own under the temporary folder.
if(DEFINED ENV{TMPDIR} AND IS_DIRECTORY "$ENV{TMPDIR}")
  set(temp "$ENV{TMPDIR}")
else()
  set(temp /tmp)
endif()
string(RANDOM LENGTH 12 suffix)
set(SCRATCH "${temp}/tavlor-skip-rule-${suffix}")
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND ${CMAKE_COMMAND} -DTEST_PROGRAM=${PROBE} -DTEST_RUNNER=${RUNNER}
                        -DTEST_PREFIX=probe -DTEST_LABELS=probe -DCTEST_FILE=${SCRATCH}/probe_tests.cmake
                        "-DTEST_ENVIRONMENT=QT_QPA_PLATFORM=offscreen"
                        -P ${DISCOVERY}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "discovery failed (${result}):\n${out}")
endif()
file(WRITE ${SCRATCH}/CTestTestfile.cmake "include([=[${SCRATCH}/probe_tests.cmake]=])\n")
execute_process(COMMAND ${CTEST} --test-dir ${SCRATCH} --output-junit ${SCRATCH}/results.xml
                RESULT_VARIABLE ctest_result OUTPUT_VARIABLE ctest_out ERROR_VARIABLE ctest_out)
message("${ctest_out}")
file(READ ${SCRATCH}/results.xml junit)
file(REMOVE_RECURSE ${SCRATCH})
if(ctest_result EQUAL 0)
  message(FATAL_ERROR "ctest passed a run with failing functions")
endif()
set(problems "")
# ctest writes a skipped test as status="notrun".
foreach(expectation "Passes=run" "Skips=notrun" "FailsThenSkips=fail" "Fails=fail")
  string(REPLACE "=" ";" pair ${expectation})
  list(GET pair 0 function)
  list(GET pair 1 status)
  if(NOT junit MATCHES "name=\"probe\\.${function}\"[^>]*status=\"${status}\"")
    string(APPEND problems "probe.${function} is not reported '${status}'\n")
  endif()
endforeach()
if(NOT problems STREQUAL "")
  message(FATAL_ERROR "${problems}")
endif()
