// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "growth_output.h"

#include "formulas.h"
#include "growth.h"
#include "num_to_str.h"
#include "output.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>

namespace
{

QString decimals(double value, int places)
{
    return QString::number(value, 'f', places);
}

// A column per size and sample count, then one per formula with its name over
// two lines, each average with its interval, and the fitted exponents last.
QVector<QStringList> growth_columns(const Growth &growth)
{
    QVector<QStringList> columns(formula_count + 2);
    columns[0] << QString() << QStringLiteral("n");
    columns[1] << QString() << QCoreApplication::translate("vellora-trace", "Sequences");
    // A name breaks after its first word: at a space, or after a hyphen.
    static const QRegularExpression first_word(QStringLiteral("^[^ -]+(-| )"));
    for (int f = 0; f < formula_count; ++f) {
        const QString name = formula_name(f);
        const QRegularExpressionMatch word = first_word.match(name);
        const qsizetype cut = word.hasMatch() ? word.capturedEnd() : 0;
        columns[f + 2] << name.left(cut).trimmed() << name.mid(cut);
    }
    for (qsizetype i = 0; i < growth.sizes.size(); ++i) {
        columns[0] << num_to_str(growth.sizes.at(i));
        columns[1] << num_to_str(growth.samples.at(i));
        for (int f = 0; f < formula_count; ++f)
            columns[f + 2] << decimals(growth.averages[f].at(i), 1) + QStringLiteral(" ± ") +
                                  decimals(growth.intervals[f].at(i), 1);
    }
    columns[0] << QCoreApplication::translate("vellora-trace", "Exponent");
    columns[1] << QString();
    for (int f = 0; f < formula_count; ++f)
        columns[f + 2] << decimals(growth.exponents[f], 2);
    return columns;
}

} // namespace

void print_growth_table(QTextStream &out, const Growth &growth)
{
    const QVector<QStringList> columns = growth_columns(growth);
    out << QCoreApplication::translate("vellora-trace",
                                       "Average number of comparisons over random permutations "
                                       "of 1 to n, seed %1")
               .arg(growth.seed)
        << "\n\n";
    QVector<qsizetype> widths;
    for (const QStringList &column : columns) {
        widths.append(0);
        for (const QString &cell : column)
            widths.last() = qMax(widths.last(), cell.size());
    }
    // The label of the last row to the left, everything else to the right.
    const qsizetype rows = columns[0].size();
    for (qsizetype r = 0; r < rows; ++r) {
        QString line = r == rows - 1 ? columns[0][r].leftJustified(widths[0])
                                     : columns[0][r].rightJustified(widths[0]);
        for (qsizetype c = 1; c < columns.size(); ++c)
            line += QStringLiteral("  ") + columns[c][r].rightJustified(widths[c]);
        if (!line.trimmed().isEmpty()) // names of one word leave the first line empty
            out << line << '\n';
    }
    out << '\n'
        << QCoreApplication::translate("vellora-trace",
                                       "Exponent: the slope of log(average) against log(n), fitted "
                                       "by least squares.")
        << '\n'
        << QCoreApplication::translate("vellora-trace",
                                       "±: half the width of the average's 95% confidence "
                                       "interval; permutations are drawn until it is within %1% "
                                       "of the average, but at most %2.")
               .arg(growth_precision * 100)
               .arg(growth_max_samples)
        << '\n';
}

void print_growth_json(QTextStream &out, const Growth &growth)
{
    QJsonArray rows;
    for (int f = 0; f < formula_count; ++f) {
        QJsonArray averages, intervals;
        for (qsizetype i = 0; i < growth.sizes.size(); ++i) {
            averages.append(growth.averages[f].at(i));
            intervals.append(growth.intervals[f].at(i));
        }
        rows.append(QJsonObject{{"formula", formulas[f].name},
                                {"averages", averages},
                                {"intervals", intervals},
                                {"exponent", growth.exponents[f]}});
    }
    out << QJsonDocument(QJsonObject{{"seed", qint64(growth.seed)},
                                     {"sizes", to_json(growth.sizes)},
                                     {"samples", to_json(growth.samples)},
                                     {"formulas", rows}})
               .toJson(QJsonDocument::Indented);
}
