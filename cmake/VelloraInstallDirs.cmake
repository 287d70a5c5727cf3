# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Vellora contributors
# Where Vellora installs its files, below CMAKE_INSTALL_PREFIX. Included once,
# by the top-level CMakeLists.txt, so that every directory sees the variables.
include(GNUInstallDirs)

# The reverse-DNS id of the application: the desktop entry, the AppStream
# metainfo and the themed icon all carry this name.
set(VELLORA_APP_ID "io.github.vellora.Vellora")

# The window binary is a private program: it looks for its help document in
# its own directory, so the binary and the forms of the document
# (sequences.html, sequences.mht, sequences.de.html) live together in
# lib/vellora, and bin/vellora is a relative link to the binary. This is the
# /usr/lib/<package> place that Debian policy and the FHS give to internal
# programs; the multiarch libdir (lib/<triplet>) is meant for shared libraries
# that several architectures install side by side, which a program is not.
set(VELLORA_INSTALL_PKGLIBDIR "lib/vellora" CACHE STRING
    "Directory, relative to the prefix, for the vellora window binary and its help document")
