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
