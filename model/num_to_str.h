// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#pragma once

#include <QString>

// Decimal digits of v: "0" for zero, no sign or grouping, and an empty string
// for negative values (nothing in a trace is ever negative).
QString num_to_str(qint32 v);
