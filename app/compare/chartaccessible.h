// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#pragma once

namespace compare_detail
{

// Has screen readers told that a chart view is a chart. Once per program,
// however often it is called.
void install_chart_accessibility();

} // namespace compare_detail
