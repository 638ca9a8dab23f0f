# qb_add_layer(NAME DIR [DEPS ...])
# Declares one layer of the product as a library made of every .cpp below DIR
# (excluding files under SKIP subfolders). A layer without sources yet is an
# interface library, so that the layers above it can already name it.
function(qb_add_layer name)
  cmake_parse_arguments(ARG "" "" "DEPS;SKIP;PRIVATE_DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(skip IN LISTS ARG_SKIP)
    list(FILTER sources EXCLUDE REGEX "${CMAKE_CURRENT_SOURCE_DIR}/${skip}/")
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# qb_add_test_suite(NAME DIR DEPS ...)
# GoogleTest executables for one layer: one per subfolder of tests/DIR (named
# NAME_SUBFOLDER), and one (NAME) for the files directly in tests/DIR, so that
# work on one area never stops another area's tests from building.
function(qb_add_test_suite name dir)
  set(root ${PROJECT_SOURCE_DIR}/tests/${dir})
  file(GLOB direct CONFIGURE_DEPENDS ${root}/*.cpp)
  qb_add_test_executable(${name} "${direct}" ${ARGN})
  file(GLOB children LIST_DIRECTORIES true CONFIGURE_DEPENDS ${root}/*)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${child})
      get_filename_component(area ${child} NAME)
      file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${child}/*.cpp)
      qb_add_test_executable(${name}_${area} "${sources}" ${ARGN})
    endif()
  endforeach()
endfunction()

function(qb_add_test_executable name sources)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main qb_testsupport)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QUILLBROOK_BACKEND=headless")
endfunction()
