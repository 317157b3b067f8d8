# Small helpers so each test directory reads as a list of test programs.

# lexaroo_gtest(NAME sources... LIBS libs...): a GoogleTest program, labelled "unit".
function(lexaroo_gtest name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_LABEL)
    set(ARG_LABEL unit)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS ${ARG_LABEL}
    ENVIRONMENT "LEXAROO_PROGRAM_DIR=${LEXAROO_PROGRAM_DIR};LEXAROO_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

# lexaroo_qtest(NAME sources... LIBS libs...): a QtTest program run on the
# offscreen platform, labelled "ui".
function(lexaroo_qtest name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_LABEL)
    set(ARG_LABEL ui)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS ${ARG_LABEL}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LEXAROO_PROGRAM_DIR=${LEXAROO_PROGRAM_DIR};LEXAROO_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
