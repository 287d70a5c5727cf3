// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "costspage.h"

#include "barchart.h"
#include "compare.h"
#include "focusmark.h"
#include "formulatext.h"
#include "num_to_str.h"
#include "scrolling.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QTableWidget>

namespace
{

using compare_detail::Cost;

// The table's columns, in order, after the formula's name, which heads its
// row. A new one needs its header and its cell below, which the compiler asks for.
enum class Column { passes, comparisons, swaps, steps, gaps, count };
constexpr int column_count = int(Column::count);

// Sequences longer than this show their beginning.
constexpr int shown_numbers_max = 40;

// The least room for the gaps, which are cut short.
constexpr int gaps_least_width = 150;

QString header(Column column)
{
    switch (column) {
    case Column::passes:
        return CompareWindow::tr("Passes");
    case Column::comparisons:
        return CompareWindow::tr("Comparisons\n(operations)");
    case Column::swaps:
        return CompareWindow::tr("Swaps");
    case Column::steps:
        return CompareWindow::tr("Steps");
    case Column::gaps:
        return CompareWindow::tr("Gaps");
    case Column::count:
        break;
    }
    return {};
}

QString cell(Column column, const Cost &cost)
{
    switch (column) {
    case Column::passes:
        return num_to_str(qint32(cost.gaps.size()));
    case Column::comparisons:
        return num_to_str(cost.comparisons);
    case Column::swaps:
        return num_to_str(cost.swaps);
    case Column::steps:
        return num_to_str(cost.steps);
    case Column::gaps:
        return joined(cost.gaps, QStringLiteral(", "));
    case Column::count:
        break;
    }
    return {};
}

bool is_count(Column column)
{
    return column != Column::gaps;
}

// What heads the column of the rows' headers, in the numbers copied.
QString names_header()
{
    return CompareWindow::tr("Formula");
}

} // namespace

namespace compare_detail
{

CostsPage::CostsPage(QWidget *parent) : QWidget(parent)
{
    auto *content = new QWidget;
    sequence_label = new QLabel(content);
    sequence_label->setWordWrap(true);
    sequence_label->setTextFormat(Qt::PlainText);
    sequence_label->setTextInteractionFlags(Qt::TextSelectableByMouse);

    build_table(content);
    table_note = new QLabel(content);
    table_note->setWordWrap(true);
    table_note->setTextFormat(Qt::PlainText);

    bars = new BarChart(content);
    bars->setObjectName(QStringLiteral("barChart"));

    auto *left = new QWidget(content);
    auto *left_layout = new QVBoxLayout(left);
    left_layout->setContentsMargins(0, 0, 0, 0);
    left_layout->addWidget(table);
    left_layout->addWidget(table_note);
    left_layout->addStretch();
    sides = new QBoxLayout(QBoxLayout::LeftToRight);
    sides->addWidget(left, 3);
    sides->addWidget(bars, 2);
    auto *content_layout = new QVBoxLayout(content);
    content_layout->addWidget(sequence_label);
    content_layout->addLayout(sides, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrolling(content, this));
}

void CostsPage::build_table(QWidget *content)
{
    table = new QTableWidget(formula_count, column_count, content);
    table->setObjectName(QStringLiteral("costTable"));
    QStringList headers;
    for (int c = 0; c < column_count; ++c)
        headers << header(Column(c));
    table->setHorizontalHeaderLabels(headers);
    // Each row is headed by its formula, which a screen reader names with
    // each of its cells; the name is marked apart, as it changes with the
    // formula in force.
    for (int f = 0; f < formula_count; ++f)
        table->setVerticalHeaderItem(f, new QTableWidgetItem(formula_name(f)));
    table->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->setCornerButtonEnabled(false);
    // The corner over the names says what they are, as the column once did.
    if (auto *corner = table->findChild<QAbstractButton *>())
        corner->installEventFilter(this);
    table->setAccessibleName(CompareWindow::tr("Cost of each formula on this sequence"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->setItemDelegate(new MarkedCells(table));
    new FocusMark(table);
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideRight);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(int(Column::gaps), QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Every formula's row fits, and a long list of gaps is cut short with its
    // whole in a tooltip.
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void CostsPage::show_costs(const QVector<qint32> &sequence, const Costs &shown)
{
    costs = shown;
    for (int f = 0; f < formula_count; ++f) {
        for (int c = 0; c < column_count; ++c) {
            const auto column = Column(c);
            auto *item = new QTableWidgetItem(cell(column, costs[f]));
            if (is_count(column))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (column == Column::gaps)
                item->setToolTip(item->text());
            table->setItem(f, c, item);
        }
    }
    show_sequence(sequence);
}

void CostsPage::show_sequence(const QVector<qint32> &sequence)
{
    if (sequence.size() <= shown_numbers_max)
        sequence_label->setText(
            CompareWindow::tr("Sequence: %1").arg(joined(sequence, QStringLiteral(" "))));
    else
        sequence_label->setText(
            CompareWindow::tr("Sequence of %1 numbers: %2 …")
                .arg(num_to_str(qint32(sequence.size())),
                     joined(sequence.mid(0, shown_numbers_max), QStringLiteral(" "))));
}

bool CostsPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint)
        return QWidget::eventFilter(watched, event);
    auto *corner = static_cast<QWidget *>(watched);
    QStyleOptionHeader option;
    option.initFrom(corner);
    // Drawn as the headers beside it, though the corner does nothing.
    option.state |= QStyle::State_Enabled | QStyle::State_Raised | QStyle::State_Horizontal;
    option.palette.setCurrentColorGroup(QPalette::Active);
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = names_header();
    option.textAlignment = Qt::AlignCenter;
    QPainter painter(corner);
    corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
    return true;
}

bool CostsPage::shows_costs() const
{
    return table->item(0, 0) != nullptr;
}

void CostsPage::mark(int in_force)
{
    for (int f = 0; f < formula_count; ++f) {
        QFont font = table->font();
        font.setBold(f == in_force);
        table->verticalHeaderItem(f)->setText(marked_name(f, in_force));
        table->verticalHeaderItem(f)->setFont(font);
        for (int c = 0; c < column_count; ++c)
            table->item(f, c)->setFont(font);
    }
    table_note->setText(
        CompareWindow::tr("Comparisons are what the main window's status panel counts as "
                          "operations; each gap makes one pass.") +
        (in_force != -1
             ? u'\n' + CompareWindow::tr("In force: %1, marked ▶.").arg(formula_name(in_force))
             : QString()));
    table->setAccessibleDescription(table_note->text());
    bars->show_costs(costs, in_force);
}

void CostsPage::arrange(int width)
{
    // Every column whole but the gaps, which scroll into sight where the
    // page is narrower still.
    int least =
        2 * table->frameWidth() + table->verticalHeader()->sizeHint().width() + gaps_least_width;
    for (int c = 0; c < column_count; ++c)
        if (Column(c) != Column::gaps)
            least += table->horizontalHeader()->sectionSize(c);
    table->setMinimumWidth(least);
    const bool beside = width >= least + bars->minimumWidth();
    sides->setDirection(beside ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    sides->setStretch(0, beside ? 3 : 0);
}

QChartView *CostsPage::chart() const
{
    return bars;
}

QString CostsPage::numbers() const
{
    QStringList lines;
    QStringList cells{names_header()};
    for (int c = 0; c < table->columnCount(); ++c)
        cells << table->horizontalHeaderItem(c)->text().replace(u'\n', u' ');
    lines << cells.join(u'\t');
    for (int r = 0; r < table->rowCount(); ++r) {
        cells = QStringList{table->verticalHeaderItem(r)->text()};
        for (int c = 0; c < table->columnCount(); ++c)
            cells << table->item(r, c)->text();
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n');
}

} // namespace compare_detail
