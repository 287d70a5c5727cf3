# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Vellora contributors
# Debian package of Vellora: `cpack -G DEB` (or plain `cpack`) in the build
# directory makes vellora_<version>_<arch>.deb, installed under /usr (the DEB
# generator's own prefix, whatever CMAKE_INSTALL_PREFIX is).

# qt_standard_project_setup() gives installed programs an $ORIGIN run path for
# the project's own shared libraries; Vellora has none and links the system's Qt.
set_target_properties(vellora vellora-trace PROPERTIES INSTALL_RPATH "")

set(CPACK_PACKAGE_NAME "vellora")
set(CPACK_PACKAGE_VENDOR "Vellora contributors")
set(CPACK_PACKAGE_CONTACT "Vellora contributors <vellora@example.org>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "vellora")
set(CPACK_GENERATOR "DEB")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME "vellora")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The first line of the Description field is CPACK_PACKAGE_DESCRIPTION_SUMMARY.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Vellora is a teaching tool that shows Shell sort one elementary event at a
time. Generate a random sequence or type your own, pick one of seven gap
formulas (Shell, Hibbard, Sedgewick, Pratt, Fibonacci, Knuth, Ciura) and
step through the trace: every change of gap, every subsequence, every
comparison and exchange is drawn and explained in a sentence, and spoken
by a screen reader. A window compares the formulas and charts how their
cost grows, and a presentation races two of them on a projector.
.
The package also contains vellora-trace, which prints the same traces as
text or JSON, compares the gap formulas on a sequence and measures the
growth of their cost.")

# The Qt libraries come from dpkg-shlibdeps where it is there (Debian and its
# derivatives); elsewhere they are listed by hand. Either way the window also
# needs a platform plugin, which libqt6gui6 only recommends, and the narrow font
# its fixed form falls back on at the common desktop fonts.
find_program(VELLORA_DPKG_SHLIBDEPS dpkg-shlibdeps)
mark_as_advanced(VELLORA_DPKG_SHLIBDEPS)
if(VELLORA_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-extra")
else()
    string(CONCAT CPACK_DEBIAN_PACKAGE_DEPENDS
           "libqt6widgets6 (>= 6.2), libqt6gui6 (>= 6.2), libqt6core6 (>= 6.2), "
           "libqt6svg6 (>= 6.2), libqt6charts6 (>= 6.2), qt6-qpa-plugins, fonts-dejavu-extra")
endif()
# The help document opens in the desktop's browser; Qt's own translations
# give the standard buttons and dialogs the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")

set(CPACK_SOURCE_GENERATOR "TGZ")
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/_CPack_Packages/" "\\\\.deb$")

include(CPack)
