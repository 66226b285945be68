# One static library holds the four framework modules. JUCE wants its module targets linked
# PRIVATE, so the library re-exports their definitions and include directories itself; the
# includes are SYSTEM so that framework headers raise no warnings in our own code.
add_library (qyr_juce STATIC)

# Debian's JUCE leaves out its bundled codecs and links the system's instead.
find_package (PNG REQUIRED)
find_package (JPEG REQUIRED)
find_package (ZLIB REQUIRED)

target_link_libraries (qyr_juce
    PRIVATE
        juce::juce_core
        juce::juce_events
        juce::juce_graphics
        juce::juce_gui_basics
        PNG::PNG
        JPEG::JPEG
        ZLIB::ZLIB
    PUBLIC
        juce::juce_recommended_config_flags
        juce::juce_recommended_lto_flags)

target_compile_definitions (qyr_juce
    PUBLIC
        # The window is a plain native window: no web view, no network code, no splash.
        JUCE_WEB_BROWSER=0
        JUCE_USE_CURL=0
        JUCE_DISPLAY_SPLASH_SCREEN=0
        JUCE_STANDALONE_APPLICATION=1
        JUCE_APPLICATION_NAME_STRING="${PROJECT_NAME}"
        JUCE_APPLICATION_VERSION_STRING="${PROJECT_VERSION}"
    INTERFACE
        $<TARGET_PROPERTY:qyr_juce,COMPILE_DEFINITIONS>)

target_include_directories (qyr_juce SYSTEM
    INTERFACE
        $<TARGET_PROPERTY:qyr_juce,INCLUDE_DIRECTORIES>)

# Link-time optimisation spreads its work over every core.
target_link_options (qyr_juce INTERFACE $<$<CONFIG:Release>:-flto=auto>)

# Our own targets add the framework's recommended warnings on top of this library.
add_library (qyr_warnings INTERFACE)
target_link_libraries (qyr_warnings INTERFACE juce::juce_recommended_warning_flags)
target_compile_options (qyr_warnings INTERFACE -Werror=return-type)
