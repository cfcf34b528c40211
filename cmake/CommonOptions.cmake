# One interface target carries the language standard, warnings, defines and sanitizers for every target.
add_library(dovrel_options INTERFACE)
target_compile_features(dovrel_options INTERFACE cxx_std_20)
target_compile_options(dovrel_options INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(dovrel_options INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING QT_USE_QSTRINGBUILDER
    DOVREL_VERSION="${PROJECT_VERSION}")
if(DOVREL_WARNINGS_AS_ERRORS)
    target_compile_options(dovrel_options INTERFACE -Werror)
endif()
if(DOVREL_SANITIZE)
    target_compile_options(dovrel_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                    -fno-sanitize-recover=undefined)
    target_link_options(dovrel_options INTERFACE -fsanitize=address,undefined)
endif()

# The program's own web page. The about screen links to it and the new-version page lies under it, so a distributor
# sets this one address.
set(DOVREL_HOME_URL "https://dovrel.example.org" CACHE STRING "Web address of the program's home page")
