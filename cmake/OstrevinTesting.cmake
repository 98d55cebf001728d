include(GoogleTest)

# ostrevin_add_test(<name> SOURCES ... [LIBS ...])
# One GoogleTest executable; every test in it becomes its own ctest test.
# In the Windows build the executable runs under Wine through the
# cross-compiling emulator, so the tests are listed at test time, not at
# build time (the build never starts Wine).
function(ostrevin_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES TIMEOUT 120)
endfunction()

# ostrevin_add_skipped_test(<name> <reason>)
# A test that this build cannot run: ctest reports it as skipped, never as
# passed, and scripts/test.sh lists it by name with the reason printed here.
function(ostrevin_add_skipped_test name reason)
  add_test(NAME ${name} COMMAND sh -c "echo 'skipped: ${reason}'; exit 77")
  set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
endfunction()
