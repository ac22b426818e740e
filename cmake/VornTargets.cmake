# Shared settings for every target of our own: warnings are errors, optional
# sanitizers, and the helpers that define libraries and tests.

function(vorn_target_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    target_compile_definitions(${target} PRIVATE QT_NO_FOREACH)
    if(VORN_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()

# vorn_add_library(NAME SOURCES <files...> LIBS <libs...>)
# A static library of program code from the given source files, named
# relative to the calling folder. Headers are found from the project root
# ("core/weightingdata.h").
function(vorn_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    vorn_target_defaults(${name})
endfunction()

# vorn_add_test(NAME SOURCES <files...> LIBS <libs...> [LABELS <labels...>]
#               [COMMAND_PREFIX <cmd...>] [ENVIRONMENT <VAR=value...>] [TIMEOUT s]
#               [STARTS_PROGRAM])
# One Qt Test executable, registered with CTest and run headless. Tests labelled
# "unit" are also run in the sanitizer build. Tests that start the real program
# (STARTS_PROGRAM) take turns: its single-instance guard is a System V segment
# whose key holds only the low 16 bits of a key file's inode, so two instances
# with different key folders can still share a key, and one of them would then
# leave as a second instance.
function(vorn_add_test name)
    cmake_parse_arguments(ARG "STARTS_PROGRAM" "TIMEOUT" "SOURCES;LIBS;LABELS;COMMAND_PREFIX;ENVIRONMENT" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt5::Test)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
    vorn_target_defaults(${name})
    add_test(NAME ${name} COMMAND ${ARG_COMMAND_PREFIX} $<TARGET_FILE:${name}>)
    set(env
        QT_QPA_PLATFORM=offscreen
        QT_QUICK_BACKEND=software
        XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-home/config
        XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/test-home/runtime
        VORN_SOURCE_DIR=${PROJECT_SOURCE_DIR}
        VORN_BINARY_DIR=${CMAKE_BINARY_DIR}
        LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0
        # Qt's libraries have no frame pointers: only full unwinding gives leak
        # stacks deep enough to tell Qt's own plugin leaks from ours.
        ASAN_OPTIONS=fast_unwind_on_malloc=0
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
        ${ARG_ENVIRONMENT})
    if(NOT ARG_LABELS)
        set(ARG_LABELS unit)
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" LABELS "${ARG_LABELS}" TIMEOUT ${ARG_TIMEOUT})
    if(ARG_STARTS_PROGRAM)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK vornview_single_instance_keys)
    endif()
endfunction()
