# Each folder below core/ is one static library of the core, named skiagraf_<folder>.
# Its sources are every .cpp in the folder, so adding a file needs no CMake edit.
# A folder without sources yet becomes an interface library, so that others may
# already link against it.
function(skiagraf_core_module name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
  set(target skiagraf_${name})
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/core)
    target_compile_options(${target} PRIVATE ${SKIAGRAF_WARNINGS})
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/core)
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# One GoogleTest program per folder below tests/, named test_<folder>, linked
# against the whole core.
function(skiagraf_test_module name)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
  if(NOT sources)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  set(target test_${name})
  add_executable(${target} ${sources})
  target_compile_options(${target} PRIVATE ${SKIAGRAF_WARNINGS})
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE skiagraf_core ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${target} PRIVATE
    SKIAGRAF_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data"
    SKIAGRAF_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    SKIAGRAF_CLI="$<TARGET_FILE:skiagraf-cli>")
  add_dependencies(${target} skiagraf-cli)
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
