// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// What every output mode of vellora-trace shares: failing with a message, the
// numbers as JSON, and knowing that all of the output arrived.
#pragma once

#include <QJsonArray>
#include <QString>
#include <QVector>

#include <functional>

class QTextStream;

// The exit status of a command line that cannot be carried out.
constexpr int exit_usage = 2;

// Prints the message on standard error and gives exit_usage.
int fail(const QString &message);

QJsonArray to_json(const QVector<qint32> &values);

// The gaps as a list, or the word for none.
QString gap_list(const QVector<qint32> &gaps);

// Lets print write to standard output: 0 when all of it arrived, and a
// failure when it did not, as on a full disk or a closed pipe.
int print_to_stdout(const std::function<void(QTextStream &)> &print);
