# The Debian package: `cpack -G DEB` in a build tree makes parlanda_<version>_<arch>.deb
# from the install rules, with the dependencies read from the binary's libraries.
install(FILES "${PROJECT_SOURCE_DIR}/COPYING"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/parlanda RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME parlanda)
set(CPACK_PACKAGE_VENDOR "The Parlanda developers")
set(CPACK_PACKAGE_CONTACT "The Parlanda developers <developers@parlanda.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "player for transcribing recorded speech")
# Lines of the extended description as the package shows them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Parlanda plays an interview, a lecture or a dictation a short step at a time:"
    "it plays a step, rests while you type, and moves on by less than a step, so"
    "that successive steps overlap and no word is cut in half. Every command is on"
    "a function key, so your hands stay on the keyboard while you type in your"
    "editor.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/COPYING")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://parlanda.org")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Sound goes through a PulseAudio server: PulseAudio itself or PipeWire's. Qt's own texts
# (standard buttons, --help) are translated by the Qt translations package.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, qt6-translations-l10n")

include(CPack)
