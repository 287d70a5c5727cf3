// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "num_to_str.h"

QString num_to_str(qint32 v)
{
    return QString::number(v);
}
