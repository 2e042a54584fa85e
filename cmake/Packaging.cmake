# `cpack -G DEB` in the build tree makes quillsong_<version>_<arch>.deb from
# what cmake/Install.cmake installs under /usr. The libraries it needs come
# from dpkg-shlibdeps; the General MIDI SoundFont is only recommended, since
# without one the program still draws, converts and plays silently.
set(CPACK_PACKAGE_NAME quillsong)
set(CPACK_PACKAGE_VENDOR "The Quillsong developers")
set(CPACK_PACKAGE_CONTACT "Quillsong maintainers <maintainers@users.noreply.c-seed-782caca6.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "music-notation composer for beginners")
# Lines of the package's long description, each short enough for dpkg.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Quillsong writes songs on A4 staves: notes, rests, lyrics and chords,\n"
    "with melody, bass and drum tracks and an accompaniment style playing\n"
    "along through a General MIDI synthesizer (FluidSynth).\n"
    "Songs are saved as XML files and export to MIDI files, WAV audio, PDF\n"
    "and PNG, from the window or the command line. File managers show songs\n"
    "as small scores.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY quillsong)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The SoundFonts the built-in synthesizer looks for in /usr/share/sounds/sf2,
# the faces that stand in for the fonts the score's texts name, the browser
# opener for the help pages and Qt's Wayland platform.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fluid-soundfont-gm | timgm6mb-soundfont, fonts-liberation2, fonts-dejavu-core, xdg-utils, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
