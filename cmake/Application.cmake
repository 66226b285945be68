# The background artwork is compiled into the panel as a byte array; it is never read from disk.
set (QYR_ARTWORK_PNG "${PROJECT_SOURCE_DIR}/assets/qyrdownloaderImageBg.png")
set (QYR_ARTWORK_HEADER_DIR "${PROJECT_BINARY_DIR}/generated/artwork")
qyr_embed_file ("${QYR_ARTWORK_PNG}" "${QYR_ARTWORK_HEADER_DIR}/QYRDownloaderArtwork.h"
                resource_GUI_qyrdownloaderImageBg_png)

# The panel and its links, which the tests and the benchmarks compile too. What the
# platform does differently lives in one file of its own for each part.
set (QYR_PANEL_SOURCES
    "${PROJECT_SOURCE_DIR}/src/GUI.cpp"
    "${PROJECT_SOURCE_DIR}/src/LinkButton.cpp"
    "${PROJECT_SOURCE_DIR}/src/BrowserHandOff_Linux.cpp")
set (QYR_WINDOW_SOURCES
    "${PROJECT_SOURCE_DIR}/src/NativeWindowSupport_Linux.cpp")

juce_add_gui_app (QYRDownloader
    PRODUCT_NAME "${PROJECT_NAME}"
    VERSION "${PROJECT_VERSION}")

target_sources (QYRDownloader
    PRIVATE
        src/Main.cpp
        ${QYR_PANEL_SOURCES}
        ${QYR_WINDOW_SOURCES}
        "${QYR_ARTWORK_HEADER_DIR}/QYRDownloaderArtwork.h")

target_include_directories (QYRDownloader PRIVATE "${QYR_ARTWORK_HEADER_DIR}")

target_link_libraries (QYRDownloader PRIVATE qyr_juce qyr_warnings)
