# Every target of the project is built with the same strict warnings. The presets treat them as
# errors; a plain build does not, so that a distribution's newer compiler with a new or false
# warning still builds the program.
option(VEMLIK_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

add_library(vemlik_warnings INTERFACE)
target_compile_options(vemlik_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Woverloaded-virtual -Wold-style-cast
    $<$<BOOL:${VEMLIK_WARNINGS_AS_ERRORS}>:-Werror>)
