# The Debian package (cpack -G DEB, or scripts/package): orvane_<version>_amd64.deb
# of everything cmake --install puts under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vexa Communications")
set(CPACK_PACKAGE_CONTACT "Vexa Communications <orvane@vexa-communications.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The manual opens in the user's browser through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "programming software for Lmr, Pmr and BiisPmr radios
Orvane reads the whole memory image of a two-way radio over a serial
cloning cable, edits its channels, banks, signalling and settings on
sheets, checks the image for mistakes and writes it back, to one radio or
to a fleet of radios in a row. Images are kept as clone files; channels
can be exchanged with a spreadsheet as CSV.
.
The package holds the window program orvane, the command-line tool
orvane-cli, a simulated radio for trying the clone protocol without
hardware (orvane-radio-sim), the HTML manual, and a udev rule that lets
the logged-in user open common USB serial cloning cables.")
include(CPack)
