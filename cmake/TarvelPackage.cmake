# The Debian package, made from the install rules: `cpack -G DEB` in the build
# folder writes tarvel_<version>_<architecture>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvel)
set(CPACK_PACKAGE_VENDOR Melfort)
set(CPACK_PACKAGE_CONTACT ${TARVEL_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programmer for PIC microcontrollers and 24xx serial EEPROMs")
# Lines of at most 79 characters, as Debian shows them.
set(CPACK_PACKAGE_DESCRIPTION [[tarvel writes, reads, compares and erases Microchip PIC microcontrollers and
24xx I2C serial EEPROMs through a simple writer on a PC parallel port: 45 PIC
devices of the 12-bit and 14-bit EPROM and the flash families (PIC12C508 to
PIC16F877) and the serial EEPROMs 24xx01 to 24xx256. Program and data images
come from Intel HEX or binary files and are edited in hex grids; tarvel-cli
writes, reads and verifies them from a shell, with distinct exit statuses.

It runs without root through the kernel's parallel port device (add the user
to group lp), and offers a simulated writer with a virtual chip when no port
can be used.]])
set(CPACK_PACKAGE_HOMEPAGE_URL ${TARVEL_HOMEPAGE})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps (libqt6gui6 brings the X11 plugin);
# without a Japanese gothic font the menus and messages show empty boxes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-vlgothic | fonts-ipafont-gothic | fonts-noto-cjk")
# Qt's own buttons and file dialogs in Japanese, when that language is chosen.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
