# What `cmake --install` puts under the prefix: the program in bin/, its data
# in share/quillsong/ (the same folders the build puts beside the program, so
# ProgramPaths finds them as ../share/quillsong), and the desktop's parts: the
# menu entry, the song MIME type, the thumbnailer, icons, AppStream metainfo
# and the manual page.
include(GNUInstallDirs)

# The program finds its data only at ../share/quillsong relative to bin/.
if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
    message(WARNING "Quillsong looks for its data in ../share/quillsong beside its bin/ "
        "folder; with CMAKE_INSTALL_BINDIR=${CMAKE_INSTALL_BINDIR} and "
        "CMAKE_INSTALL_DATADIR=${CMAKE_INSTALL_DATADIR} it will not find it")
endif()
set(QUILLSONG_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/quillsong)
set(QUILLSONG_DESKTOP_ID org.fernwick.Quillsong)
set(_desktop ${CMAKE_SOURCE_DIR}/assets/desktop)

install(TARGETS quillsong RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUILLSONG_PATTERN_FILES} DESTINATION ${QUILLSONG_DATA_DESTINATION}/Pattern)
install(FILES ${CMAKE_SOURCE_DIR}/assets/fonts/LarkNotation.otf ${CMAKE_SOURCE_DIR}/assets/fonts/OFL.txt
    DESTINATION ${QUILLSONG_DATA_DESTINATION}/fonts)
install(FILES ${QUILLSONG_HELP_FILES} DESTINATION ${QUILLSONG_DATA_DESTINATION}/help)
install(FILES ${QUILLSONG_HELP_ICONS} DESTINATION ${QUILLSONG_DATA_DESTINATION}/help/icons)
install(FILES ${CMAKE_BINARY_DIR}/TraditionalChinese.qm DESTINATION ${QUILLSONG_DATA_DESTINATION})

install(FILES ${_desktop}/${QUILLSONG_DESKTOP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_desktop}/${QUILLSONG_DESKTOP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_desktop}/quillsong.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${_desktop}/quillsong.thumbnailer DESTINATION ${CMAKE_INSTALL_DATADIR}/thumbnailers)
install(FILES ${_desktop}/${QUILLSONG_DESKTOP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The icon at the usual sizes, drawn from the SVG by librsvg's rsvg-convert.
set(QUILLSONG_ICON_SIZES 16 22 24 32 48 64 128 256)
find_program(QUILLSONG_RSVG_CONVERT rsvg-convert)
set(_icons "")
# The sizes installed, comma-separated, for the test that installs.
set(QUILLSONG_INSTALLED_ICON_SIZES "")
if(QUILLSONG_RSVG_CONVERT)
    string(REPLACE ";" "," QUILLSONG_INSTALLED_ICON_SIZES "${QUILLSONG_ICON_SIZES}")
    foreach(_size IN LISTS QUILLSONG_ICON_SIZES)
        set(_dir ${CMAKE_BINARY_DIR}/icons/hicolor/${_size}x${_size}/apps)
        set(_png ${_dir}/${QUILLSONG_DESKTOP_ID}.png)
        add_custom_command(OUTPUT ${_png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${_dir}
            COMMAND ${QUILLSONG_RSVG_CONVERT} -w ${_size} -h ${_size}
                -o ${_png} ${_desktop}/${QUILLSONG_DESKTOP_ID}.svg
            DEPENDS ${_desktop}/${QUILLSONG_DESKTOP_ID}.svg
            COMMENT "Drawing the ${_size}x${_size} application icon")
        list(APPEND _icons ${_png})
        install(FILES ${_png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps)
    endforeach()
else()
    message(WARNING "rsvg-convert (Debian's librsvg2-bin) is missing: only the scalable "
        "application icon will be installed")
endif()

# The manual page, with the version filled in, compressed as Debian wants it
# (gzip -n: no name or time stamp, so the same page gives the same bytes).
configure_file(${CMAKE_SOURCE_DIR}/assets/man/quillsong.1.in ${CMAKE_BINARY_DIR}/man/quillsong.1 @ONLY)
find_program(QUILLSONG_GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/quillsong.1.gz
    COMMAND ${QUILLSONG_GZIP} -9 -n -f -k ${CMAKE_BINARY_DIR}/man/quillsong.1
    DEPENDS ${CMAKE_BINARY_DIR}/man/quillsong.1)
add_custom_target(quillsong_desktop_files ALL DEPENDS ${_icons} ${CMAKE_BINARY_DIR}/man/quillsong.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/man/quillsong.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# What a Debian package needs besides: the copyright and the change log.
set(_doc ${CMAKE_INSTALL_DATADIR}/doc/quillsong)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/debian/copyright DESTINATION ${_doc})
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/doc/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/doc
    COMMAND ${QUILLSONG_GZIP} -9 -n -c ${CMAKE_SOURCE_DIR}/packaging/debian/changelog
        > ${CMAKE_BINARY_DIR}/doc/changelog.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/debian/changelog)
add_custom_target(quillsong_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/doc/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/doc/changelog.gz DESTINATION ${_doc})
