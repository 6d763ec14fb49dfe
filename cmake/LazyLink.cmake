# mv_lazy_link(<target> <pkg-config prefix>...)
#   Links the libraries that pkg_check_modules found under each prefix through stubs that
#   load a library when one of its functions is first called, so that a program starts
#   without the libraries only some of its jobs need. Each stub jumps through a table
#   whose entries first lead to the loader (cmake/lazy). On other processors than x86-64
#   the libraries are linked as usual.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64")
  enable_language(ASM)
endif()
# The sanitizer build links as usual: a library unloaded before the leak check (one that
# only a module loaded by name had pulled in) leaves its own start-up blocks unnamed.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64" AND NOT MV_SANITIZE)
  set(MV_LAZY_LINKS ON)
else()
  set(MV_LAZY_LINKS OFF)
endif()

function(mv_lazy_link target)
  foreach(prefix ${ARGN})
    target_include_directories(${target} SYSTEM PRIVATE ${${prefix}_INCLUDE_DIRS})
    target_compile_options(${target} PRIVATE ${${prefix}_CFLAGS_OTHER})
    if(NOT MV_LAZY_LINKS)
      target_link_libraries(${target} PRIVATE ${${prefix}_LINK_LIBRARIES})
      continue()
    endif()
    foreach(library ${${prefix}_LINK_LIBRARIES})
      # The C library's own parts are there anyway.
      if(library MATCHES "/lib(m|pthread|dl|rt|c)\\.(so|a)$")
        target_link_libraries(${target} PRIVATE ${library})
      else()
        mv_lazy_stubs(${target} ${library})
      endif()
    endforeach()
  endforeach()
  get_target_property(done ${target} MV_LAZY_LOADER)
  if(NOT done)
    set_target_properties(${target} PROPERTIES MV_LAZY_LOADER ON)
    if(MV_LAZY_LINKS)
      target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/lazy/LazyResolve.S
                                       ${PROJECT_SOURCE_DIR}/cmake/lazy/LazyBind.cpp)
      target_link_libraries(${target} PRIVATE ${CMAKE_DL_LIBS})
    endif()
  endif()
endfunction()

# The stubs of every function the shared library exports, in one assembly file.
function(mv_lazy_stubs target library)
  execute_process(COMMAND objdump -p ${library} OUTPUT_VARIABLE dump)
  if(NOT dump MATCHES "SONAME +([^\n ]+)")
    message(FATAL_ERROR "mv_lazy_link: no SONAME in ${library}")
  endif()
  set(soname ${CMAKE_MATCH_1})
  string(MAKE_C_IDENTIFIER ${soname} id)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/lazy/${id}.S)
  execute_process(COMMAND nm -D --defined-only --format=posix ${library} OUTPUT_VARIABLE symbols)
  string(REPLACE "\n" ";" lines "${symbols}")
  set(names "")
  foreach(line ${lines})
    # "name[@@VERSION] T address size": functions only
    if(line MATCHES "^([A-Za-z_][A-Za-z0-9_]*)(@@?[A-Za-z0-9_.]+)? [TWi] ")
      list(APPEND names ${CMAKE_MATCH_1})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES names)
  list(REMOVE_ITEM names _init _fini)
  set(code "// Stubs of ${soname}, made by LazyLink.cmake.\n")
  string(APPEND code "    .text\n")
  set(index 0)
  set(table "")
  set(strings "")
  set(pointers "")
  foreach(name ${names})
    string(APPEND code "    .globl ${name}\n    .hidden ${name}\n    .type ${name}, @function\n${name}:\n"
                       "    jmp *${id}_table+${index}*8(%rip)\n"
                       "${id}_bind_${index}:\n    mov $${index}, %r11d\n    jmp ${id}_bind\n")
    string(APPEND table "    .quad ${id}_bind_${index}\n")
    string(APPEND strings "${id}_name_${index}: .asciz \"${name}\"\n")
    string(APPEND pointers "    .quad ${id}_name_${index}\n")
    math(EXPR index "${index} + 1")
  endforeach()
  string(APPEND code "${id}_bind:\n    lea ${id}_library(%rip), %r10\n    jmp MvLazyResolve\n"
                     "    .data\n    .balign 8\n${id}_table:\n${table}"
                     "${id}_library:\n    .quad ${id}_soname\n    .quad ${id}_names\n    .quad ${id}_table\n"
                     "    .section .data.rel.ro,\"aw\"\n    .balign 8\n${id}_names:\n${pointers}"
                     "    .section .rodata\n${id}_soname: .asciz \"${soname}\"\n${strings}"
                     "    .section .note.GNU-stack,\"\",@progbits\n")
  set(old "")
  if(EXISTS ${out})
    file(READ ${out} old)
  endif()
  if(NOT old STREQUAL code)
    file(WRITE ${out} "${code}")
  endif()
  target_sources(${target} PRIVATE ${out})
endfunction()
