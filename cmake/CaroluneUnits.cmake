# The third-party test corpus lives beside the checkout, not in it.
set(CAROLUNE_CORPUS_DIR "" CACHE PATH "Folder of third-party test tunes")
if(NOT CAROLUNE_CORPUS_DIR)
  foreach(candidate ${PROJECT_SOURCE_DIR}/../shared/corpus ${PROJECT_SOURCE_DIR}/../../shared/corpus)
    if(EXISTS ${candidate}/README.md)
      get_filename_component(CAROLUNE_CORPUS_DIR ${candidate} ABSOLUTE)
      break()
    endif()
  endforeach()
endif()

# Every folder is a set of units: one .h/.cpp pair per unit. The folders list
# their units by globbing so that adding a unit needs no edit here.
function(carolune_units out dir)
  file(GLOB units CONFIGURE_DEPENDS ${dir}/*.cpp)
  set(${out} ${units} PARENT_SCOPE)
endfunction()

# A test binary per folder of tests/, built from all of its .cpp files and
# linked with the given libraries; plain suites use GoogleTest's main.
function(carolune_test_binary name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock)
  if(NOT CAROLUNE_OWN_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE
    CAROLUNE_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    CAROLUNE_CORPUS_DIR="${CAROLUNE_CORPUS_DIR}"
    CAROLUNE_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  # Real-window suites run on an X server only (carolune_real_window_suite).
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    TEST_FILTER "-*RealWindow.*:*OnDesktop.*:*UnderWindowManager.*"
    PROPERTIES ENVIRONMENT "CAROLUNE_TEST=1")
endfunction()

# A suite of real-window tests of a test binary, run by
# tests/skin/frame-xvfb.sh on a private X server. By its name: a
# ...RealWindow suite runs there alone, an ...OnDesktop suite also under a
# window manager, an ...UnderWindowManager suite only under one.
function(carolune_real_window_suite target suite)
  set(script ${PROJECT_SOURCE_DIR}/tests/skin/frame-xvfb.sh)
  set(runs)
  if(NOT suite MATCHES "UnderWindowManager$")
    list(APPEND runs UnderXvfb)
  endif()
  if(suite MATCHES "(OnDesktop|UnderWindowManager)$")
    list(APPEND runs UnderOpenbox)
  endif()
  foreach(run ${runs})
    set(manager)
    if(run STREQUAL UnderOpenbox)
      set(manager --window-manager)
    endif()
    add_test(NAME ${suite}.${run} COMMAND ${script} ${manager} $<TARGET_FILE:${target}> "${suite}.*")
    set_tests_properties(${suite}.${run} PROPERTIES RESOURCE_LOCK xvfb)
  endforeach()
endfunction()

# A test binary whose tests need a QApplication (headless unless the caller
# sets QT_QPA_PLATFORM).
function(carolune_qt_test_binary name dir)
  set(CAROLUNE_OWN_MAIN ON)
  carolune_test_binary(${name} ${dir} ${ARGN})
  target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/QtTestMain.cpp)
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
endfunction()
