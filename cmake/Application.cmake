# The background artwork is compiled into the panel as a byte array; it is never read from disk.
set (QYR_ARTWORK_PNG "${PROJECT_SOURCE_DIR}/assets/qyrdownloaderImageBg.png")
set (QYR_ARTWORK_HEADER_DIR "${PROJECT_BINARY_DIR}/generated/artwork")
qyr_embed_file ("${QYR_ARTWORK_PNG}" "${QYR_ARTWORK_HEADER_DIR}/QYRDownloaderArtwork.h"
                resource_GUI_qyrdownloaderImageBg_png)

# Every program that compiles the panel waits for this target, wherever it is defined: a
# generated file is made only by targets in the directory of its command.
add_custom_target (qyr_artwork_header DEPENDS "${QYR_ARTWORK_HEADER_DIR}/QYRDownloaderArtwork.h")

# The panel's links and the program's look, shared with the tests and the benchmarks,
# which compile the panel itself around artwork of their own. What the platform does
# differently lives in one file of its own for each part.
set (QYR_FONT_HEADER_DIR "${PROJECT_BINARY_DIR}/generated/fonts")
set (fontHeaders)
foreach (face QYRLabel QYRLink)
    qyr_embed_file ("${PROJECT_SOURCE_DIR}/assets/fonts/${face}.typeface" "${QYR_FONT_HEADER_DIR}/${face}Typeface.h"
                    ${face}_typeface)
    list (APPEND fontHeaders "${QYR_FONT_HEADER_DIR}/${face}Typeface.h")
endforeach()

add_library (qyr_controls STATIC
    src/LinkButton.cpp
    src/LookAndFeel.cpp
    src/BrowserHandOff_Linux.cpp
    ${fontHeaders})
target_include_directories (qyr_controls PUBLIC "${PROJECT_SOURCE_DIR}/src" PRIVATE "${QYR_FONT_HEADER_DIR}")
target_link_libraries (qyr_controls PUBLIC qyr_juce PRIVATE qyr_warnings)

set (QYR_WINDOW_SOURCES "${PROJECT_SOURCE_DIR}/src/NativeWindowSupport_Linux.cpp")

juce_add_gui_app (QYRDownloader
    PRODUCT_NAME "${PROJECT_NAME}"
    VERSION "${PROJECT_VERSION}")

target_sources (QYRDownloader
    PRIVATE
        src/Main.cpp
        src/GUI.cpp
        ${QYR_WINDOW_SOURCES})

target_include_directories (QYRDownloader PRIVATE "${QYR_ARTWORK_HEADER_DIR}")
add_dependencies (QYRDownloader qyr_artwork_header)

target_link_libraries (QYRDownloader PRIVATE qyr_controls qyr_juce qyr_warnings)
