// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#pragma once

#include <QString>

// Decimal digits of v, after a minus sign when it is negative: "0" for zero,
// no plus sign, no grouping, whatever the locale.
QString num_to_str(qint32 v);
