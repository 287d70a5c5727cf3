// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#pragma once

#include <QString>
#include <QVector>

// Decimal digits of v, after a minus sign when it is negative: "0" for zero,
// no plus sign, no grouping, whatever the locale.
QString num_to_str(qint32 v);

// The numbers through num_to_str, with the separator between them.
QString joined(const QVector<qint32> &values, const QString &separator = QStringLiteral(", "));
