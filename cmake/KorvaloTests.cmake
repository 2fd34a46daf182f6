# korvalo_test(NAME source... LIBS lib...): one GoogleTest executable registered with ctest.
# NAME carries the layer prefix (engine_, simulation_, scoring_, ui_, tools_, cli_) so that
# `ctest -R '^engine_'` selects a layer.
function(korvalo_test name)
  cmake_parse_arguments(KT "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${KT_SOURCES})
  target_link_libraries(${name} PRIVATE ${KT_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST TEST_PREFIX "${name}."
    PROPERTIES ENVIRONMENT "KORVALO_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
endfunction()
