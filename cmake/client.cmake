# The client library: controllers, list bases, image loader and the QML views,
# as one static QML module, plus the thin `nuvora` executable.
# Included from the top level so that src/ and qml/ are both inside the module's tree.

file(GLOB client_sources CONFIGURE_DEPENDS
    src/ui/*.cpp src/ui/*.h src/app/*.cpp src/app/*.h src/share/*.cpp src/share/*.h
    src/screens/*/*.cpp src/screens/*/*.h)
file(GLOB_RECURSE client_qml RELATIVE ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS qml/*.qml)

# The night theme's colours and metrics, one instance for every view.
set_source_files_properties(qml/ui/Theme.qml PROPERTIES QT_QML_SINGLETON_TYPE TRUE)

qt_add_library(nuvora_client STATIC)
qt_add_qml_module(nuvora_client
    URI Nuvora
    VERSION 1.0
    DEPENDENCIES QtQuick
    OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/Nuvora
    SOURCES ${client_sources}
    QML_FILES ${client_qml}
)
target_include_directories(nuvora_client PUBLIC ${PROJECT_SOURCE_DIR}/src)
# The generated QML type registrations include each header by its bare name.
set(client_header_dirs)
foreach(source ${client_sources})
    get_filename_component(dir ${source} DIRECTORY)
    list(APPEND client_header_dirs ${dir})
endforeach()
list(REMOVE_DUPLICATES client_header_dirs)
target_include_directories(nuvora_client PRIVATE ${client_header_dirs})
target_link_libraries(nuvora_client PUBLIC
    nuvora_core Qt6::Qml Qt6::Quick Qt6::QuickControls2 Qt6::Svg)

# Images: every resources/images/NAME.svg is rendered at build time to NAME.png
# and NAME@2x.png (NAME.jpg.svg to NAME.jpg and NAME@2x.jpg), served as
# qrc:/Nuvora/images/NAME.png; Qt picks the @2x file on a doubled screen.
qt_add_executable(nuvora_render_images resources/render_images.cpp)
target_link_libraries(nuvora_render_images PRIVATE Qt6::Gui Qt6::Svg)

file(GLOB image_sources CONFIGURE_DEPENDS resources/images/*.svg)
set(image_dir ${CMAKE_CURRENT_BINARY_DIR}/images)
set(image_outputs)
foreach(source ${image_sources})
    get_filename_component(name ${source} NAME_WLE)
    get_filename_component(extension ${name} LAST_EXT)
    if(NOT extension STREQUAL ".jpg")
        set(extension ".png")
        set(name "${name}.png")
    endif()
    string(REGEX REPLACE "\\.[a-z]+$" "@2x${extension}" name2x ${name})
    add_custom_command(
        OUTPUT ${image_dir}/${name} ${image_dir}/${name2x}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${image_dir}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
                $<TARGET_FILE:nuvora_render_images> ${source} ${image_dir}/${name} ${image_dir}/${name2x}
        DEPENDS ${source} nuvora_render_images
        COMMENT "Rendering ${name}"
        VERBATIM)
    list(APPEND image_outputs ${image_dir}/${name} ${image_dir}/${name2x})
endforeach()
qt_add_resources(nuvora_client nuvora_images
    PREFIX /Nuvora/images
    BASE ${image_dir}
    FILES ${image_outputs})

# Emoji: the keyboard's private-use characters are shown as the standard emoji that
# Unicode's own mapping table (Debian's unicode-data) gives for them.
find_file(NUVORA_EMOJI_SOURCES EmojiSources.txt
    PATHS /usr/share/unicode /usr/share/unicode-data NO_DEFAULT_PATH)
if(NOT NUVORA_EMOJI_SOURCES)
    message(FATAL_ERROR "EmojiSources.txt not found: install the package unicode-data (scripts/setup)")
endif()
add_executable(nuvora_emoji_table resources/emoji_table.cpp)
set_target_properties(nuvora_emoji_table PROPERTIES AUTOMOC OFF)
set(emoji_table ${CMAKE_CURRENT_BINARY_DIR}/generated/EmojiTable.inc)
add_custom_command(
    OUTPUT ${emoji_table}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/generated
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:nuvora_emoji_table> ${NUVORA_EMOJI_SOURCES} ${emoji_table}
    DEPENDS ${NUVORA_EMOJI_SOURCES} nuvora_emoji_table
    COMMENT "Mapping the keyboard's emoji"
    VERBATIM)
target_sources(nuvora_client PRIVATE ${emoji_table})
target_include_directories(nuvora_client PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated)

qt_add_executable(nuvora src/main.cpp)
target_link_libraries(nuvora PRIVATE nuvora_client nuvora_clientplugin)
