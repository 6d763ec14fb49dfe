# Helpers shared by every folder's CMakeLists.txt.
#
# A deliverable is one folder; its concerns may sit in subfolders of it. Subfolders named
# tests and fuzz hold no library code.
#
# mv_library(<name> [PATH_INCLUDES] [PUBLIC_LINKS ...] [PRIVATE_LINKS ...] [INCLUDES ...])
#   A shared library from every *.cpp of the current folder and its subfolders; every folder
#   of it is on the include path, so a header is included by its bare name. With
#   PATH_INCLUDES (the platform layer) only INCLUDES is, and headers go by their path.
# mv_tests(<name> LINKS ...)
#   every tests/*.cpp of the folder tree as one unit-test program (label "unit"), and every
#   tests/integration/*.cpp as <name>_integration (label "integration").

# The library folders under the current one (itself included), skipping test and fuzz trees.
function(mv_code_dirs out)
  file(GLOB_RECURSE entries LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  set(dirs ${CMAKE_CURRENT_SOURCE_DIR})
  foreach(e ${entries})
    file(RELATIVE_PATH rel ${CMAKE_CURRENT_SOURCE_DIR} ${e})
    if(IS_DIRECTORY ${e} AND NOT "/${rel}/" MATCHES "/(tests|fuzz)/")
      list(APPEND dirs ${e})
    endif()
  endforeach()
  set(${out} ${dirs} PARENT_SCOPE)
endfunction()

# The sources of the library folders.
function(mv_code_sources out)
  mv_code_dirs(dirs)
  set(srcs)
  foreach(d ${dirs})
    file(GLOB found CONFIGURE_DEPENDS ${d}/*.cpp ${d}/*.c)
    list(APPEND srcs ${found})
  endforeach()
  set(${out} ${srcs} PARENT_SCOPE)
endfunction()

# Every tests/ folder of the tree (<sub> names a folder under each, such as integration).
function(mv_test_dirs out sub)
  file(GLOB_RECURSE entries LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  set(dirs)
  foreach(e ${CMAKE_CURRENT_SOURCE_DIR}/tests ${entries})
    file(RELATIVE_PATH rel ${CMAKE_CURRENT_SOURCE_DIR} ${e})
    if(IS_DIRECTORY ${e}${sub} AND "/${rel}" MATCHES "/tests$" AND NOT "/${rel}" MATCHES "/(tests|fuzz)/.*tests$")
      list(APPEND dirs ${e}${sub})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES dirs)
  set(${out} ${dirs} PARENT_SCOPE)
endfunction()
# mv_fuzz(<name> SOURCE <file> LINKS ... [CORPUS <dir>])
#   With MV_BUILD_FUZZ a libFuzzer target; otherwise, with tests on, a program that
#   replays the corpus through the same entry point, run by CTest as a unit test.

function(mv_library name)
  cmake_parse_arguments(A "PATH_INCLUDES" "" "PUBLIC_LINKS;PRIVATE_LINKS;INCLUDES;SOURCES" ${ARGN})
  mv_code_sources(srcs)
  if(A_PATH_INCLUDES)
    # Headers are included by their path under INCLUDES ("win32/kernel/File.h").
    set(dirs ${CMAKE_CURRENT_SOURCE_DIR})
  else()
    mv_code_dirs(dirs)
  endif()
  add_library(${name} SHARED ${srcs} ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${dirs} ${A_INCLUDES})
  target_link_libraries(${name} PUBLIC ${A_PUBLIC_LINKS} PRIVATE ${A_PRIVATE_LINKS})
  # The program's About box lists each library with its version.
  mv_version_resource(${name})
  mv_install_library(${name})
endfunction()

# mv_install_library(<target>)
#   Installs a shared library into the library folder, where the libraries find each other
#   (and the program finds them, and the libraries it loads by name, in ../lib).
function(mv_install_library target)
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN")
  install(TARGETS ${target} LIBRARY DESTINATION lib)
endfunction()

# mv_test_module(<name> SOURCE <file> LINKS ...)
#   A library that only tests load, built in its own folder: the program's library folder
#   holds what the program ships (its About box lists that folder).
function(mv_test_module name)
  cmake_parse_arguments(A "" "SOURCE" "LINKS" ${ARGN})
  add_library(${name} MODULE ${A_SOURCE})
  target_link_libraries(${name} PRIVATE ${A_LINKS})
  set_target_properties(${name} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/testlib)
  # A build tree from before kept it among the program's libraries.
  file(REMOVE ${CMAKE_LIBRARY_OUTPUT_DIRECTORY}/lib${name}.so)
endfunction()

# Test code is compiled for a quick build, not for speed: in an optimised build it takes -Og,
# which halves its compile time and still runs the tests well inside their limits (the code
# under test keeps the build's own optimisation). Under the sanitizers only the code under
# test is instrumented: the runtime still checks every allocation and leak the tests make,
# and a test source compiles in two thirds of the time.
function(mv_test_code_options target)
  target_compile_options(${target} PRIVATE $<$<NOT:$<CONFIG:Debug>>:-Og>)
  if(MV_SANITIZE)
    target_compile_options(${target} PRIVATE -fno-sanitize=address,undefined)
  endif()
endfunction()

# One GoogleTest program from the given sources, run by CTest under the given label.
function(mv_test_program name label timeout)
  cmake_parse_arguments(A "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  mv_test_dirs(test_dirs "")
  target_include_directories(${name} PRIVATE ${test_dirs} ${PROJECT_SOURCE_DIR}/platform)
  target_link_libraries(${name} PRIVATE ${A_LINKS} mvwin32 mv_test_main GTest::gtest GTest::gmock)
  mv_test_code_options(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS ${label} TIMEOUT ${timeout})
  mv_note_test_target(${name} ${label})
endfunction()

# Programs of each label are gathered, so a build can make only what one label runs
# (the sanitizer build of CI makes the unit tests alone: mv_unit_tests).
function(mv_note_test_target target label)
  set_property(GLOBAL APPEND PROPERTY MV_${label}_TEST_TARGETS ${target})
endfunction()

function(mv_tests name)
  cmake_parse_arguments(A "" "" "LINKS" ${ARGN})
  if(NOT MV_BUILD_TESTS)
    return()
  endif()
  mv_test_dirs(unit_dirs "")
  set(unit_srcs)
  foreach(d ${unit_dirs})
    file(GLOB found CONFIGURE_DEPENDS ${d}/*.cpp)
    list(APPEND unit_srcs ${found})
  endforeach()
  if(unit_srcs)
    mv_test_program(${name} unit 600 SOURCES ${unit_srcs} LINKS ${A_LINKS})
  endif()
  mv_test_dirs(int_dirs "/integration")
  set(int_srcs)
  foreach(d ${int_dirs})
    file(GLOB found CONFIGURE_DEPENDS ${d}/*.cpp)
    list(APPEND int_srcs ${found})
  endforeach()
  if(int_srcs)
    mv_test_program(${name}_integration integration 900 SOURCES ${int_srcs} LINKS ${A_LINKS})
  endif()
endfunction()

function(mv_fuzz name)
  cmake_parse_arguments(A "" "SOURCE;CORPUS" "LINKS" ${ARGN})
  if(MV_BUILD_FUZZ)
    add_executable(${name} ${A_SOURCE})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE ${A_LINKS})
  elseif(MV_BUILD_TESTS AND A_CORPUS)
    add_executable(${name}_replay ${A_SOURCE})
    target_link_libraries(${name}_replay PRIVATE ${A_LINKS} mv_fuzz_replay_main)
    add_test(NAME ${name}_replay COMMAND ${name}_replay ${A_CORPUS})
    set_tests_properties(${name}_replay PROPERTIES LABELS unit TIMEOUT 300)
    mv_note_test_target(${name}_replay unit)
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
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/platform)
  target_compile_definitions(${target} PRIVATE MV_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
    MV_VERSION_MINOR=${PROJECT_VERSION_MINOR} MV_VERSION_BUGFIX=${PROJECT_VERSION_PATCH}
    MV_VERSION_BUILD=${PROJECT_VERSION_TWEAK})
endfunction()
