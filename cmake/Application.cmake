# The background artwork is compiled into the panel as a byte array; it is never read from disk.
set (QYR_ARTWORK_PNG "${PROJECT_SOURCE_DIR}/assets/qyrdownloaderImageBg.png")
set (QYR_ARTWORK_HEADER_DIR "${PROJECT_BINARY_DIR}/generated/artwork")
qyr_embed_file ("${QYR_ARTWORK_PNG}" "${QYR_ARTWORK_HEADER_DIR}/QYRDownloaderArtwork.h"
                resource_GUI_qyrdownloaderImageBg_png)

juce_add_gui_app (QYRDownloader
    PRODUCT_NAME "${PROJECT_NAME}"
    VERSION "${PROJECT_VERSION}")

target_sources (QYRDownloader
    PRIVATE
        src/Main.cpp
        src/GUI.cpp
        "${QYR_ARTWORK_HEADER_DIR}/QYRDownloaderArtwork.h")

target_include_directories (QYRDownloader PRIVATE "${QYR_ARTWORK_HEADER_DIR}")

target_link_libraries (QYRDownloader PRIVATE qyr_juce qyr_warnings)
