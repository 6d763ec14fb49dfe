# Helpers shared by every folder's CMakeLists.txt.
#
# mv_library(<name> [PUBLIC_LINKS ...] [PRIVATE_LINKS ...] [INCLUDES ...])
#   A shared library from every *.cpp of the current folder.
# mv_tests(<name> LINKS ...)
#   tests/*.cpp as one unit-test program (label "unit"), and
#   tests/integration/*.cpp, when present, as <name>_integration (label "integration").
# mv_fuzz(<name> SOURCE <file> LINKS ... [CORPUS <dir>])
#   With MV_BUILD_FUZZ a libFuzzer target; otherwise, with tests on, a program that
#   replays the corpus through the same entry point, run by CTest as a unit test.

function(mv_library name)
  cmake_parse_arguments(A "" "" "PUBLIC_LINKS;PRIVATE_LINKS;INCLUDES;SOURCES" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.c)
  add_library(${name} SHARED ${srcs} ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${A_INCLUDES})
  target_link_libraries(${name} PUBLIC ${A_PUBLIC_LINKS} PRIVATE ${A_PRIVATE_LINKS})
endfunction()

# One GoogleTest program from the given sources, run by CTest under the given label.
function(mv_test_program name label timeout)
  cmake_parse_arguments(A "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${A_LINKS} GTest::gtest GTest::gmock GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS ${label} TIMEOUT ${timeout})
endfunction()

function(mv_tests name)
  cmake_parse_arguments(A "" "" "LINKS" ${ARGN})
  if(NOT MV_BUILD_TESTS)
    return()
  endif()
  file(GLOB unit_srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp)
  if(unit_srcs)
    mv_test_program(${name} unit 600 SOURCES ${unit_srcs} LINKS ${A_LINKS})
  endif()
  file(GLOB int_srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/integration/*.cpp)
  if(int_srcs)
    mv_test_program(${name}_integration integration 900 SOURCES ${int_srcs} LINKS ${A_LINKS})
  endif()
endfunction()

function(mv_fuzz name)
  cmake_parse_arguments(A "" "SOURCE;CORPUS" "LINKS" ${ARGN})
  if(MV_BUILD_FUZZ)
    add_executable(${name} ${A_SOURCE})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE ${A_LINKS})
  elseif(MV_BUILD_TESTS AND A_CORPUS)
    add_executable(${name}_replay ${A_SOURCE} ${PROJECT_SOURCE_DIR}/cmake/FuzzReplayMain.cpp)
    target_link_libraries(${name}_replay PRIVATE ${A_LINKS})
    add_test(NAME ${name}_replay COMMAND ${name}_replay ${A_CORPUS})
    set_tests_properties(${name}_replay PROPERTIES LABELS unit TIMEOUT 300)
  endif()
endfunction()

# mv_version_resource(<target>)
#   Gives a program the version record that the version-information calls find in it:
#   the project's version.
function(mv_version_resource target)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.cpp)
  file(CONFIGURE OUTPUT ${out} CONTENT
       "#include \"win32/VersionResource.h\"\nMV_VERSION_RESOURCE(@PROJECT_VERSION_MAJOR@, @PROJECT_VERSION_MINOR@, @PROJECT_VERSION_PATCH@, @PROJECT_VERSION_TWEAK@);\n")
  target_sources(${target} PRIVATE ${out})
endfunction()
