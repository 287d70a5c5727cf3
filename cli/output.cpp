// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "output.h"

#include "num_to_str.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

int fail(const QString &message)
{
    QTextStream(stderr) << "vellora-trace: " << message << '\n';
    return exit_usage;
}

QJsonArray to_json(const QVector<qint32> &values)
{
    QJsonArray array;
    for (qint32 v : values)
        array.append(v);
    return array;
}

QString gap_list(const QVector<qint32> &gaps)
{
    return gaps.isEmpty() ? QCoreApplication::translate("vellora-trace", "none")
                          : joined(gaps, QStringLiteral(", "));
}

int print_to_stdout(const std::function<void(QTextStream &)> &print)
{
    QFile file;
    file.open(stdout, QIODevice::WriteOnly);
    QTextStream out(&file);
    print(out);
    out.flush();
    return out.status() == QTextStream::Ok && file.error() == QFile::NoError
               ? 0
               : fail(QCoreApplication::translate("vellora-trace", "Cannot write the output: %1.")
                          .arg(file.errorString()));
}
