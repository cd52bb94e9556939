# One place for the language level, the warnings and Qt's strictness switches.
# Every target of the project links quenvalle_settings.
add_library(quenvalle_settings INTERFACE)
target_compile_features(quenvalle_settings INTERFACE cxx_std_20)
target_compile_options(quenvalle_settings INTERFACE
    -Wall -Wextra -Wpedantic
    $<$<BOOL:${QUENVALLE_WERROR}>:-Werror>)
target_compile_definitions(quenvalle_settings INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_URL_CAST_FROM_STRING)

# AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer for every
# target. Undefined behaviour aborts rather than printing and going on, so a
# test that meets it fails instead of passing with a line in its output; the
# frame pointers keep the leak reports' stacks whole.
option(QUENVALLE_SANITIZE "Build with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer" OFF)
if(QUENVALLE_SANITIZE)
    set(quenvalle_sanitize_flags
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_compile_options(quenvalle_settings INTERFACE ${quenvalle_sanitize_flags})
    target_link_options(quenvalle_settings INTERFACE ${quenvalle_sanitize_flags})
    # Every executable carries the sanitizers' default options, the leak
    # suppressions among them; libraries do not, so each program has one copy.
    set(QUENVALLE_LSAN_SUPPRESSIONS ${CMAKE_CURRENT_LIST_DIR}/sanitizers/lsan-suppressions.txt)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/sanitizers/SanitizerDefaults.cpp.in
        ${CMAKE_BINARY_DIR}/SanitizerDefaults.cpp @ONLY)
    target_sources(quenvalle_settings INTERFACE
        $<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:${CMAKE_BINARY_DIR}/SanitizerDefaults.cpp>)
endif()
