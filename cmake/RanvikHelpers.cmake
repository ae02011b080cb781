# ranvik_library(<name> [DEPS <targets>...])
# One library per source folder: every .cpp of the folder (not of its
# sub-folders, which are libraries of their own).
function(ranvik_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${sources} ${headers})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# ranvik_test_folder(<name> [DEPS <targets>...])
# One test program per test folder; each case is its own CTest test.
function(ranvik_test_folder name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} ranvik_test_support GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    RANVIK_PROGRAM_DIR="${RANVIK_PROGRAM_DIR}"
    RANVIK_FIXTURE_DIR="${CMAKE_CURRENT_SOURCE_DIR}/fixtures")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TZ=Asia/Tokyo")
endfunction()
