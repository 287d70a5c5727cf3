// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#pragma once

namespace compare_detail
{

// Has screen readers told that a chart view is a chart, and lets the
// compare window say what its computation does. Once per program, however
// often it is called; before the first compare window is made.
void install_compare_accessibility();

} // namespace compare_detail
