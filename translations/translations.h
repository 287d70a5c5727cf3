// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The translations for the user's language: Vellora's own, built into the
// programs, and Qt's for its standard buttons and dialogs.
#pragma once

// Installs them into the running application; English needs none.
void install_translations();
