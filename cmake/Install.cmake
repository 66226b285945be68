# Install tree and Debian package, laid out as freedesktop and Debian expect.
include (GNUInstallDirs)

set (QYR_APP_ID "com.dazediri.QYRDownloader")
set (QYR_RELEASE_DATE "2026-12-11")
set (QYR_PACKAGE_NAME "qyrdownloader")
set (QYR_PACKAGING_DIR "${PROJECT_SOURCE_DIR}/packaging")
set (QYR_GENERATED_PACKAGING_DIR "${PROJECT_BINARY_DIR}/packaging")

install (TARGETS QYRDownloader RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")

install (FILES "${QYR_PACKAGING_DIR}/${QYR_APP_ID}.desktop"
         DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")

foreach (size IN LISTS QYR_ICON_SIZES)
    install (FILES "${QYR_PACKAGING_DIR}/icons/${size}x${size}/${QYR_APP_ID}.png"
             DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
endforeach()

configure_file ("${QYR_PACKAGING_DIR}/${QYR_APP_ID}.metainfo.xml.in"
                "${QYR_GENERATED_PACKAGING_DIR}/${QYR_APP_ID}.metainfo.xml" @ONLY)
install (FILES "${QYR_GENERATED_PACKAGING_DIR}/${QYR_APP_ID}.metainfo.xml"
         DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

# The manual page and the changelog go compressed, as Debian's policy asks; the
# copyright file stays plain text.
configure_file ("${QYR_PACKAGING_DIR}/QYRDownloader.1.in" "${QYR_GENERATED_PACKAGING_DIR}/QYRDownloader.1" @ONLY)

function (qyr_gzip source name)
    add_custom_command (OUTPUT "${QYR_GENERATED_PACKAGING_DIR}/${name}.gz"
        COMMAND gzip -9 -n -c "${source}" > "${QYR_GENERATED_PACKAGING_DIR}/${name}.gz"
        DEPENDS "${source}"
        VERBATIM)
endfunction()

qyr_gzip ("${QYR_GENERATED_PACKAGING_DIR}/QYRDownloader.1" QYRDownloader.1)
qyr_gzip ("${QYR_PACKAGING_DIR}/changelog" changelog)

add_custom_target (qyr_packaging_files ALL
    DEPENDS "${QYR_GENERATED_PACKAGING_DIR}/QYRDownloader.1.gz" "${QYR_GENERATED_PACKAGING_DIR}/changelog.gz")

install (FILES "${QYR_GENERATED_PACKAGING_DIR}/QYRDownloader.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install (FILES "${QYR_GENERATED_PACKAGING_DIR}/changelog.gz" "${QYR_PACKAGING_DIR}/copyright"
         DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/${QYR_PACKAGE_NAME}")

#===================================================================================================
set (CPACK_GENERATOR DEB)
set (CPACK_PACKAGE_NAME "${QYR_PACKAGE_NAME}")
set (CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set (CPACK_PACKAGE_VENDOR "DAZEdiri")
set (CPACK_PACKAGE_CONTACT "QYRDownloader developers <qyrdownloader@dazediri.com>")
set (CPACK_PACKAGE_DESCRIPTION_SUMMARY "download panel for DAZEdiri's audio plug-ins")
string (CONCAT CPACK_PACKAGE_DESCRIPTION
    "QYRDownloader opens one small window with download links for the three audio\n"
    "plug-ins of DAZEdiri and a link to the maker's product page. A click opens\n"
    "the link in the default web browser, which does the downloading; the program\n"
    "itself downloads nothing and stores nothing.")
set (CPACK_STRIP_FILES ON)
set (CPACK_PACKAGING_INSTALL_PREFIX "/usr")

set (CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set (CPACK_DEBIAN_PACKAGE_SECTION "sound")
set (CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set (CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.dazediri.com/qyr-products")
set (CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# The framework opens its X libraries with dlopen (juce_linux_X11_Symbols), so
# dpkg-shlibdeps cannot see them. Without libX11 or libXext it finds no X at all and
# shows no window; without the others it carries on with less: no image cursors
# (Xcursor), only opaque windows (Xrender), screens and refresh rate from the root
# window rather than per monitor (Xrandr, Xinerama). Each gets the version its package's
# shlibs file gives, as dpkg-shlibdeps would; CPack adds the computed ones.
set (QYR_DLOPENED_REQUIRED libX11.so.6 libXext.so.6)
set (QYR_DLOPENED_OPTIONAL libXcursor.so.1 libXrender.so.1 libXrandr.so.2 libXinerama.so.1)

# qyr_shlibs_dependency (<soname> <result variable>): "package (>= version)" for a library.
function (qyr_shlibs_dependency soname result)
    execute_process (COMMAND dpkg-query --search "*/${soname}" OUTPUT_VARIABLE owner OUTPUT_STRIP_TRAILING_WHITESPACE)
    string (REGEX REPLACE ":.*" "" package "${owner}")
    execute_process (COMMAND dpkg-query --control-path "${package}" shlibs OUTPUT_VARIABLE shlibsFile OUTPUT_STRIP_TRAILING_WHITESPACE)

    if (package STREQUAL "" OR NOT EXISTS "${shlibsFile}")
        message (FATAL_ERROR "No Debian package with a shlibs file holds ${soname}")
    endif()

    # "libX11 6 libx11-6 (>= 2:1.6.0)" for libX11.so.6
    string (REGEX MATCH "^(.*)\\.so\\.(.*)$" ignored "${soname}")
    file (STRINGS "${shlibsFile}" lines REGEX "^${CMAKE_MATCH_1} ${CMAKE_MATCH_2} ")
    list (GET lines 0 line)
    string (REGEX MATCH "^[^ ]+ [^ ]+ (.+)$" ignored "${line}")
    set (${result} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

set (dlopenedRequired)
foreach (soname IN LISTS QYR_DLOPENED_REQUIRED)
    qyr_shlibs_dependency (${soname} dependency)
    list (APPEND dlopenedRequired "${dependency}")
endforeach()

# The browser hand-off goes through xdg-open.
set (dlopenedOptional xdg-utils)
foreach (soname IN LISTS QYR_DLOPENED_OPTIONAL)
    qyr_shlibs_dependency (${soname} dependency)
    list (APPEND dlopenedOptional "${dependency}")
endforeach()

list (JOIN dlopenedRequired ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
list (JOIN dlopenedOptional ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS)
set (CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include (CPack)
