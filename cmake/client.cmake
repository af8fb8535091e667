# The client library: controllers, list bases, image loader and the QML views,
# as one static QML module, plus the thin `nuvora` executable.
# Included from the top level so that src/ and qml/ are both inside the module's tree.

file(GLOB client_sources CONFIGURE_DEPENDS
    src/ui/*.cpp src/ui/*.h src/app/*.cpp src/app/*.h src/share/*.cpp src/share/*.h
    src/screens/*/*.cpp src/screens/*/*.h)
file(GLOB_RECURSE client_qml RELATIVE ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS qml/*.qml)

qt_add_library(nuvora_client STATIC)
qt_add_qml_module(nuvora_client
    URI Nuvora
    VERSION 1.0
    SOURCES ${client_sources}
    QML_FILES ${client_qml}
)
target_include_directories(nuvora_client PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(nuvora_client PUBLIC
    nuvora_core Qt6::Qml Qt6::Quick Qt6::QuickControls2 Qt6::Svg)

qt_add_executable(nuvora src/main.cpp)
target_link_libraries(nuvora PRIVATE nuvora_client nuvora_clientplugin)
