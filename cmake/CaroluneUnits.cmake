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

# A test binary per folder of tests/, built from all of its .cpp files. A
# folder that needs its own main (a Qt application, say) has TestMain.cpp.
function(carolune_test_binary name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock)
  if(NOT EXISTS ${dir}/TestMain.cpp)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE
    CAROLUNE_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    CAROLUNE_CORPUS_DIR="${CAROLUNE_CORPUS_DIR}"
    CAROLUNE_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "CAROLUNE_TEST=1")
endfunction()
