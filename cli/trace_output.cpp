// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "trace_output.h"

#include "formulas.h"
#include "num_to_str.h"
#include "output.h"
#include "visualizer.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTextStream>

#include <iterator>

namespace
{

// The arrangement at the current step, with the highlighted positions in
// brackets and the members of the current subsequence marked by a dot.
QString arrangement(const Visualizer &vis)
{
    const TraceStep &step = vis.steps.at(vis.cur_step);
    const qint32 h = step.gap_idx >= 0 ? vis.gaps.at(step.gap_idx) : 0;
    QStringList cells;
    for (qint32 i = 0; i < qint32(vis.seq.size()); ++i) {
        const QString value = num_to_str(vis.seq.at(i));
        const bool member =
            step.sub_start >= 0 && h > 0 && i >= step.sub_start && (i - step.sub_start) % h == 0;
        if (i == step.pos_a || i == step.pos_b)
            cells << u'[' + value + u']';
        else if (member)
            cells << u'.' + value;
        else
            cells << value;
    }
    return cells.join(u' ');
}

QString sequence_line(const QVector<qint32> &sequence)
{
    return QCoreApplication::translate("vellora-trace", "Sequence: %1")
        .arg(joined(sequence, QStringLiteral(" ")));
}

struct CompareRow {
    int formula;
    QVector<qint32> gaps;
    qint32 operations;
    qint32 swaps;
    qint32 steps;
};

QVector<CompareRow> compare_rows(const QVector<qint32> &sequence)
{
    QVector<CompareRow> rows;
    for (int f = 0; f < formula_count; ++f) {
        Visualizer vis(nullptr, nullptr, nullptr, gap_generators[f], sequence);
        vis.build_trace();
        rows.append({f, vis.gaps, vis.op_count, vis.swap_count, qint32(vis.steps.size())});
    }
    return rows;
}

void print_compare_json(QTextStream &out, const QVector<CompareRow> &rows)
{
    QJsonArray array;
    for (const CompareRow &row : rows)
        array.append(QJsonObject{{"formula", formulas[row.formula].name},
                                 {"gaps", to_json(row.gaps)},
                                 {"operations", row.operations},
                                 {"swaps", row.swaps},
                                 {"steps", row.steps}});
    out << QJsonDocument(array).toJson(QJsonDocument::Indented);
}

// Names to the left, numbers to the right, each column as wide as its widest
// cell, the heading's included, and the gaps last as they come.
void print_compare_table(QTextStream &out, const QVector<qint32> &sequence,
                         const QVector<CompareRow> &rows)
{
    QStringList columns[] = {{QCoreApplication::translate("vellora-trace", "Formula")},
                             {QCoreApplication::translate("vellora-trace", "Operations")},
                             {QCoreApplication::translate("vellora-trace", "Swaps")},
                             {QCoreApplication::translate("vellora-trace", "Steps")},
                             {QCoreApplication::translate("vellora-trace", "Gaps")}};
    for (const CompareRow &row : rows) {
        columns[0] << formula_name(row.formula);
        columns[1] << num_to_str(row.operations);
        columns[2] << num_to_str(row.swaps);
        columns[3] << num_to_str(row.steps);
        columns[4] << gap_list(row.gaps);
    }
    constexpr int gaps = std::size(columns) - 1;
    qsizetype widths[gaps] = {};
    for (int c = 0; c < gaps; ++c)
        for (const QString &cell : columns[c])
            widths[c] = qMax(widths[c], cell.size());
    out << sequence_line(sequence) << "\n\n";
    for (qsizetype r = 0; r < columns[0].size(); ++r) {
        out << columns[0][r].leftJustified(widths[0]);
        for (int c = 1; c < gaps; ++c)
            out << "  " << columns[c][r].rightJustified(widths[c]);
        out << "  " << columns[gaps][r] << '\n';
    }
}

} // namespace

void print_trace_text(QTextStream &out, Visualizer &vis, int formula)
{
    const qint32 total = qint32(vis.steps.size());
    out << QCoreApplication::translate("vellora-trace", "Formula: %1").arg(formula_name(formula))
        << '\n'
        << sequence_line(vis.seq) << '\n'
        << QCoreApplication::translate("vellora-trace", "Gaps: %1").arg(gap_list(vis.gaps)) << '\n'
        << QCoreApplication::translate("MainWindow",
                                       "Total number of operations: %1, incl. %2 swaps.")
               .arg(num_to_str(vis.op_count), num_to_str(vis.swap_count))
        << '\n'
        << QCoreApplication::translate("vellora-trace", "Steps: %1").arg(num_to_str(total)) << '\n';
    for (qint32 i = 0; i < total; ++i) {
        vis.set_current_step(i);
        out << '\n'
            << QCoreApplication::translate("vellora-trace", "Step %1/%2: %3")
                   .arg(num_to_str(i + 1), num_to_str(total), vis.steps.at(i).text)
            << '\n'
            << "    " << arrangement(vis) << '\n';
    }
}

void print_trace_json(QTextStream &out, Visualizer &vis, int formula)
{
    QJsonArray steps;
    for (qint32 i = 0; i < qint32(vis.steps.size()); ++i) {
        vis.set_current_step(i);
        const TraceStep &s = vis.steps.at(i);
        steps.append(QJsonObject{{"gap_idx", s.gap_idx},
                                 {"sub_start", s.sub_start},
                                 {"pos_a", s.pos_a},
                                 {"pos_b", s.pos_b},
                                 {"is_swap", s.is_swap},
                                 {"text", s.text},
                                 {"seq", to_json(vis.seq)}});
    }
    vis.set_current_step(0);
    const QJsonObject trace{{"formula", formulas[formula].name}, {"sequence", to_json(vis.seq)},
                            {"gaps", to_json(vis.gaps)},         {"operations", vis.op_count},
                            {"swaps", vis.swap_count},           {"steps", steps}};
    out << QJsonDocument(trace).toJson(QJsonDocument::Indented);
}

void print_compare(QTextStream &out, const QVector<qint32> &sequence, bool json)
{
    const QVector<CompareRow> rows = compare_rows(sequence);
    if (json)
        print_compare_json(out, rows);
    else
        print_compare_table(out, sequence, rows);
}
