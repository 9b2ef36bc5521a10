# One static library per source folder, built from every .cpp file directly in that folder.
# A folder without sources yet still yields a target, so dependants can name it.
function(quillon_library name dir)
  file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# A GoogleTest program from every *_test.cpp file of a tests folder.
function(quillon_test_program name dir)
  file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*_test.cpp)
  if(NOT srcs)
    return()
  endif()
  file(GLOB helpers CONFIGURE_DEPENDS ${dir}/*_support.cpp)
  add_executable(${name} ${srcs} ${helpers})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main)
  # tests/common sets the environment every test program expects (see test_environment.cpp).
  target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/common/test_environment.cpp
    ${PROJECT_SOURCE_DIR}/tests/common/test_folders.cpp)
  target_compile_definitions(${name} PRIVATE
    QUILLON_TEST_PROGRAM_DIR="${QUILLON_STAGED_PROGRAM_DIR}" QUILLON_TEST_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES TIMEOUT 120)
endfunction()

# The build tree's program folder: skin/ links to the sources, default files are linked one by one,
# so a change in the sources needs no copy step.
function(quillon_stage_program_dir dest)
  file(MAKE_DIRECTORY ${dest})
  if(NOT EXISTS ${dest}/skin)
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/skin ${dest}/skin SYMBOLIC)
  endif()
  file(GLOB defaults CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/defaults/*)
  foreach(f ${defaults})
    get_filename_component(n ${f} NAME)
    if(NOT n STREQUAL "README.md" AND NOT EXISTS ${dest}/${n})
      file(CREATE_LINK ${f} ${dest}/${n} SYMBOLIC)
    endif()
  endforeach()
endfunction()
