// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The translations for the user's language: Vellora's own, built into the
// programs, and Qt's for its standard buttons and dialogs.
#pragma once

#include <QString>

// Installs them into the running application; English needs none.
void install_translations();

// The file name of the help page in the user's language: sequences.de.html
// where the German translation is the one installed, else sequences.html.
QString help_page_name();
