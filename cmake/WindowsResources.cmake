# Windows shows a program's icon and version from resources linked into its .exe. The .ico is
# made at build time from the icon's committed PNGs, all sizes in one file.
enable_language(RC)

find_program(CONVERT_PROGRAM convert REQUIRED)
set(VEMLIK_WINDOWS_ICON ${PROJECT_BINARY_DIR}/generated/${VEMLIK_APPLICATION_ID}.ico)
file(GLOB icon_pngs ${PROJECT_SOURCE_DIR}/data/icons/*x*/${VEMLIK_APPLICATION_ID}.png)
add_custom_command(OUTPUT ${VEMLIK_WINDOWS_ICON}
                   COMMAND ${CONVERT_PROGRAM} ${icon_pngs} ${VEMLIK_WINDOWS_ICON}
                   DEPENDS ${icon_pngs})
add_custom_target(vemlik_windows_icon DEPENDS ${VEMLIK_WINDOWS_ICON})

# A version resource wants four numbers; the project's version may give fewer.
set(version_numbers)
foreach(part IN ITEMS MAJOR MINOR PATCH TWEAK)
    set(number "${PROJECT_VERSION_${part}}")
    if(number STREQUAL "")
        set(number 0)
    endif()
    list(APPEND version_numbers ${number})
endforeach()
list(JOIN version_numbers "," VEMLIK_WINDOWS_VERSION_NUMBERS)

# Gives the program `target` the icon and a version resource with the Czech `description`.
function(vemlik_windows_resource target description)
    set(name ${target})
    set(icon ${VEMLIK_WINDOWS_ICON})
    set(version_numbers ${VEMLIK_WINDOWS_VERSION_NUMBERS})
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/data/windows/vemlik.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    add_dependencies(${target} vemlik_windows_icon)
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${VEMLIK_WINDOWS_ICON})
endfunction()

# What the window program finds beside itself on Windows: the DejaVu faces that the windows are
# laid out with (Windows has none of them) and Qt's Czech texts, which a static Qt looks for in
# the folder "translations" there.
set(dejavu /usr/share/fonts/truetype/dejavu)
set(VEMLIK_WINDOWS_FONTS ${dejavu}/DejaVuSans.ttf ${dejavu}/DejaVuSans-Bold.ttf
                         ${dejavu}/DejaVuSansCondensed.ttf ${dejavu}/DejaVuSansCondensed-Bold.ttf)
set(VEMLIK_WINDOWS_QT_TEXTS /usr/share/qt6/translations/qtbase_cs.qm)

# Puts those files beside the program `target` in the build folder, so that it runs there as
# installed.
function(vemlik_windows_files_beside target)
    set(folder $<TARGET_FILE_DIR:${target}>)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/fonts ${folder}/translations
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VEMLIK_WINDOWS_FONTS} ${folder}/fonts
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VEMLIK_WINDOWS_QT_TEXTS}
                ${folder}/translations)
endfunction()
