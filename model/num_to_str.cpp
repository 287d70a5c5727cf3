// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "num_to_str.h"

#include <QStringList>

QString num_to_str(qint32 v)
{
    return QString::number(v);
}

QString joined(const QVector<qint32> &values, const QString &separator)
{
    QStringList texts;
    texts.reserve(values.size());
    for (qint32 v : values)
        texts << num_to_str(v);
    return texts.join(separator);
}
