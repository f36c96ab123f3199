# Every target of the project is built with the same strict warnings, treated as errors.
add_library(vemlik_warnings INTERFACE)
target_compile_options(vemlik_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Woverloaded-virtual -Wold-style-cast -Werror)
