// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#pragma once

#include <QString>

// Decimal digits of v, with a minus sign below zero: "0" for zero, no leading
// zeros or grouping.
QString num_to_str(qint32 v);
