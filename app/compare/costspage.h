// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// What each formula costs on the sequence on display: a table with a note,
// and a bar chart beside it or, where the two do not fit, below it.
#pragma once

#include "cost.h"

#include <QWidget>

class QBoxLayout;
class QChartView;
class QLabel;
class QTableWidget;

namespace compare_detail
{

class BarChart;

class CostsPage : public QWidget
{
public:
    explicit CostsPage(QWidget *parent);

    // The sequence and each formula's cost on it, with no formula marked.
    void show_costs(const QVector<qint32> &sequence, const Costs &costs);
    bool shows_costs() const;
    // Marks the formula in force, or none for -1, in the table, its note and the chart.
    void mark(int in_force);
    // Puts the chart beside the table where both fit in the width, below it otherwise.
    void arrange(int width);

    QChartView *chart() const;
    // The table as tab-separated lines, its header first.
    QString numbers() const;

protected:
    // Paints the table's corner, which names the column of the rows' headers.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build_table(QWidget *content);
    void show_sequence(const QVector<qint32> &sequence);

    Costs costs;
    QLabel *sequence_label;
    QTableWidget *table;
    QLabel *table_note;
    BarChart *bars;
    QBoxLayout *sides;
};

} // namespace compare_detail
