// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The built vellora-trace, run as a user would, and what it printed.
#pragma once

#include <QtTest>

inline QJsonObject object(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

struct Run {
    int exit_code = -1;
    QByteArray out;
    QByteArray err;
};

inline Run run_trace(const QStringList &args, const QByteArray &input = QByteArray(),
                     const QString &language = QStringLiteral("C"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.insert(QLatin1String(name), language);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELLORA_TRACE), args);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

inline QVector<int> ints(const QJsonValue &array)
{
    QVector<int> values;
    for (const QJsonValue &v : array.toArray())
        values.append(v.toInt());
    return values;
}

// The formulas' English names, by index.
inline const QString names[] = {"Shell's formula", "Hibbard's formula",  "Sedgewick's formula",
                                "Pratt's formula", "Fibonacci sequence", "Knuth formula",
                                "Ciura's sequence"};
