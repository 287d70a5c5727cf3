// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "compare.h"

#include "mainwindow.h"
#include "num_to_str.h"
#include "visualizer.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGraphicsLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QImageWriter>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QLocale>
#include <QLogValueAxis>
#include <QMimeData>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QtConcurrent>

#include <array>
#include <utility>

namespace
{

// Sequences longer than this show their beginning.
constexpr int shown_numbers_max = 40;

// The formula's name, with a sign and words when it is the one in force.
QString marked_name(int f, int in_force)
{
    return f == in_force ? CompareWindow::tr("▶ %1 (in force)").arg(formula_name(f))
                         : formula_name(f);
}

QString exponent_text(double e)
{
    return QLocale().toString(e, 'f', 2);
}

// A chart view is a QGraphicsView, which screen readers would otherwise be
// told is a view of a trace.
QAccessibleInterface *chart_interface(const QString &class_name, QObject *object)
{
    if (class_name == u"QChartView")
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Chart);
    return nullptr;
}

} // namespace

namespace compare_detail
{

// A chart that shows when it has the keyboard focus, which the style does not.
class ChartView : public QChartView
{
public:
    explicit ChartView(QWidget *parent) : QChartView(new QChart, parent)
    {
        setFocusPolicy(Qt::StrongFocus);
        setRenderHint(QPainter::Antialiasing);
        // White to the edges, as a picture of it is.
        chart()->setBackgroundRoundness(0);
        chart()->layout()->setContentsMargins(0, 0, 0, 0);
    }

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QChartView::focusInEvent(event);
        viewport()->update();
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        QChartView::focusOutEvent(event);
        viewport()->update();
    }
    void paintEvent(QPaintEvent *event) override
    {
        QChartView::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(viewport());
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(viewport()->rect()).adjusted(1, 1, -1, -1));
    }
};

// Comparisons and swaps per formula, the first formula on top.
class BarChart : public ChartView
{
public:
    explicit BarChart(QWidget *parent) : ChartView(parent)
    {
        chart()->setTitle(CompareWindow::tr("Comparisons and swaps on this sequence"));
        comparisons = new QBarSet(CompareWindow::tr("Comparisons (operations)"));
        comparisons->setColor(QColor(0, 114, 178));
        comparisons->setSelectedColor(QColor(0, 57, 89));
        swaps = new QBarSet(CompareWindow::tr("Swaps"));
        swaps->setColor(QColor(230, 159, 0));
        swaps->setSelectedColor(QColor(140, 90, 0));
        for (QBarSet *set : {comparisons, swaps})
            set->setLabelColor(Qt::black);
        // Within a formula, too, the first set is drawn at the bottom.
        auto *series = new QHorizontalBarSeries;
        series->append(swaps);
        series->append(comparisons);
        series->setLabelsVisible(true);
        series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
        chart()->addSeries(series);
        names = new QBarCategoryAxis;
        chart()->addAxis(names, Qt::AlignLeft);
        series->attachAxis(names);
        counts = new QValueAxis;
        counts->setLabelFormat(QStringLiteral("%d"));
        chart()->addAxis(counts, Qt::AlignBottom);
        series->attachAxis(counts);
        chart()->legend()->setAlignment(Qt::AlignBottom);
        chart()->legend()->setReverseMarkers(true);
        setAccessibleName(CompareWindow::tr("Bar chart: comparisons and swaps per formula"));
    }

    void show_costs(const Costs &costs, int in_force)
    {
        // A horizontal bar series draws its first category at the bottom.
        QStringList labels;
        QList<qreal> compared, swapped;
        qint32 most = 1;
        QStringList said;
        for (int f = formula_count - 1; f >= 0; --f) {
            labels << marked_name(f, in_force);
            compared << costs[f].comparisons;
            swapped << costs[f].swaps;
            most = qMax(most, costs[f].comparisons);
        }
        for (int f = 0; f < formula_count; ++f)
            said << CompareWindow::tr("%1: %2 comparisons, %3 swaps.")
                        .arg(formula_name(f), num_to_str(costs[f].comparisons),
                             num_to_str(costs[f].swaps));
        if (in_force != -1)
            said << CompareWindow::tr("In force: %1.").arg(formula_name(in_force));
        names->setCategories(labels);
        comparisons->remove(0, comparisons->count());
        comparisons->append(compared);
        swaps->remove(0, swaps->count());
        swaps->append(swapped);
        // Room at the end of the longest bar for its label.
        counts->setRange(0, most * 1.15);
        counts->applyNiceNumbers();
        for (QBarSet *set : {comparisons, swaps}) {
            set->deselectAllBars();
            if (in_force != -1)
                set->selectBar(formula_count - 1 - in_force);
        }
        setAccessibleDescription(said.join(u' '));
    }

    QBarSet *comparisons;
    QBarSet *swaps;
    QBarCategoryAxis *names;
    QValueAxis *counts;
};

QLogValueAxis *log_axis(qreal from, qreal to, const QString &title)
{
    auto *axis = new QLogValueAxis;
    axis->setBase(10);
    axis->setRange(from, to);
    axis->setMinorTickCount(8);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setTitleText(title);
    return axis;
}

// The average comparisons of each formula against n, on log–log axes.
class GrowthChart : public ChartView
{
public:
    explicit GrowthChart(QWidget *parent) : ChartView(parent)
    {
        sizes_axis =
            log_axis(10, 1000, CompareWindow::tr("n, the length of the sequence (log scale)"));
        averages_axis = log_axis(20, 50000, CompareWindow::tr("average comparisons (log scale)"));
        chart()->addAxis(sizes_axis, Qt::AlignBottom);
        chart()->addAxis(averages_axis, Qt::AlignLeft);
        for (int f = 0; f < formula_count; ++f) {
            auto *line = new QLineSeries;
            line->setPen(QPen(QColor::fromRgb(formulas[f].rgb), 2, formulas[f].pen));
            line->setPointsVisible(f >= formula_count - 2);
            line->setMarkerSize(5);
            chart()->addSeries(line);
            line->attachAxis(sizes_axis);
            line->attachAxis(averages_axis);
            lines[f] = line;
        }
        chart()->legend()->setAlignment(Qt::AlignRight);
        chart()->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
        setAccessibleName(CompareWindow::tr("Line chart: average comparisons against n, log–log"));
    }

    void show_growth(const std::optional<Growth> &growth, quint32 seed, int in_force)
    {
        chart()->setTitle(CompareWindow::tr("Average number of comparisons over random sequences "
                                            "of n numbers from 1 to n, seed %1")
                              .arg(growth ? growth->seed : seed));
        QStringList said{chart()->title()};
        if (growth)
            said << CompareWindow::tr("Sizes n: %1.")
                        .arg(joined(growth->sizes, QStringLiteral(", ")));
        for (int f = 0; f < formula_count; ++f) {
            const QString name = marked_name(f, in_force);
            if (!growth) {
                lines[f]->setName(
                    CompareWindow::tr("%1 (worst case: %2)").arg(name, formula_bound(f)));
                lines[f]->clear();
                continue;
            }
            const QString exponent = exponent_text(growth->exponents[f]);
            lines[f]->setName(CompareWindow::tr("%1: n^%2 (worst case: %3)")
                                  .arg(name, exponent, formula_bound(f)));
            QList<QPointF> points;
            QStringList averages;
            for (qsizetype i = 0; i < growth->sizes.size(); ++i) {
                points << QPointF(growth->sizes[i], growth->averages[f][i]);
                averages << QLocale().toString(growth->averages[f][i], 'f', 1);
            }
            lines[f]->replace(points);
            said << CompareWindow::tr("%1: averages %2; n^%3; worst case: %4.")
                        .arg(name, averages.join(QStringLiteral(", ")), exponent, formula_bound(f));
        }
        for (int f = 0; f < formula_count; ++f) {
            QPen pen = lines[f]->pen();
            pen.setWidthF(f == in_force ? 3.5 : 2);
            lines[f]->setPen(pen);
        }
        setAccessibleDescription(said.join(u' '));
    }

    QLogValueAxis *sizes_axis;
    QLogValueAxis *averages_axis;
    std::array<QLineSeries *, formula_count> lines{};
};

// compute_growth on a thread of its own; progress and the end are posted to
// the window, whose thread never waits for it.
class GrowthRun : public QThread
{
public:
    GrowthRun(quint32 seed, CompareWindow *window) : QThread(window), seed(seed), window(window) {}

    const quint32 seed;
    std::optional<Growth> result;

protected:
    void run() override
    {
        int told = -1;
        result = compute_growth(seed, [this, &told](double done) {
            const int percent = int(done * 100);
            if (percent != told) {
                told = percent;
                QMetaObject::invokeMethod(
                    window, [w = window, r = this, percent] { w->growth_progress(r, percent); },
                    Qt::QueuedConnection);
            }
            return !isInterruptionRequested();
        });
    }

private:
    CompareWindow *window;
};

Costs costs_of(const QVector<qint32> &sequence)
{
    Costs costs;
    for (int f = 0; f < formula_count; ++f) {
        Visualizer trace(nullptr, nullptr, nullptr, gap_generators[f], sequence);
        trace.build_trace();
        costs[f] = {trace.gaps, trace.op_count, trace.swap_count, qint32(trace.steps.size())};
    }
    return costs;
}

} // namespace compare_detail

using namespace compare_detail;

CompareWindow::CompareWindow(const Visualizer *vis, QWidget *parent)
    : QWidget(parent, Qt::Window), vis(vis)
{
    [[maybe_unused]] static const bool charts_named = [] {
        QAccessible::installFactory(chart_interface);
        return true;
    }();
    setWindowTitle(tr("Vellora – Compare the formulas"));

    pages = new QTabWidget(this);
    build_costs_page();
    build_growth_page();

    auto *copy_button = new QPushButton(tr("Copy picture"), this);
    auto *save_button = new QPushButton(tr("Save picture…"), this);
    auto *close_button = new QPushButton(tr("Close"), this);
    copy_button->setToolTip(QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText));
    save_button->setToolTip(QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText));
    connect(copy_button, &QPushButton::clicked, this, &CompareWindow::copy_chart);
    connect(save_button, &QPushButton::clicked, this, &CompareWindow::save_chart_as);
    connect(close_button, &QPushButton::clicked, this, &QWidget::close);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(copy_button);
    buttons->addWidget(save_button);
    buttons->addStretch();
    buttons->addWidget(close_button);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addLayout(buttons);
    connect(pages, &QTabWidget::currentChanged, this, &CompareWindow::page_shown);
    connect(&costs_watcher, &QFutureWatcher<Costs>::finished, this, &CompareWindow::show_costs);
    build_keys();

    const QSize room = parent != nullptr && parent->screen() != nullptr
                           ? parent->screen()->availableSize()
                           : QSize(1280, 800);
    resize(qMin(1180, room.width() * 9 / 10), qMin(680, room.height() * 9 / 10));
}

CompareWindow::~CompareWindow()
{
    // A cancelled computation ends within a millisecond or so of work.
    for (QThread *other : findChildren<QThread *>(Qt::FindDirectChildrenOnly)) {
        other->requestInterruption();
        other->wait();
    }
}

void CompareWindow::build_costs_page()
{
    auto *page = new QWidget(pages);
    sequence_label = new QLabel(page);
    sequence_label->setWordWrap(true);
    sequence_label->setTextFormat(Qt::PlainText);
    sequence_label->setTextInteractionFlags(Qt::TextSelectableByMouse);

    table = new QTableWidget(formula_count, 6, page);
    table->setObjectName(QStringLiteral("costTable"));
    table->setHorizontalHeaderLabels({tr("Formula"), tr("Passes"), tr("Comparisons\n(operations)"),
                                      tr("Swaps"), tr("Steps"), tr("Gaps")});
    table->setAccessibleName(tr("Cost of each formula on this sequence"));
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideRight);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(5, QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Seven rows fit, and a long list of gaps is cut short with its whole in a tooltip.
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    table_note = new QLabel(page);
    table_note->setWordWrap(true);
    table_note->setTextFormat(Qt::PlainText);

    bars = new BarChart(page);
    bars->setObjectName(QStringLiteral("barChart"));

    auto *left = new QWidget(page);
    auto *left_layout = new QVBoxLayout(left);
    left_layout->setContentsMargins(0, 0, 0, 0);
    left_layout->addWidget(table);
    left_layout->addWidget(table_note);
    left_layout->addStretch();
    sides = new QBoxLayout(QBoxLayout::LeftToRight);
    sides->addWidget(left, 3);
    sides->addWidget(bars, 2);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(sequence_label);
    layout->addLayout(sides, 1);
    pages->addTab(page, tr("On this sequence"));
}

void CompareWindow::build_growth_page()
{
    auto *page = new QWidget(pages);
    auto *seed_label = new QLabel(tr("Seed:"), page);
    seed_box = new QDoubleSpinBox(page);
    seed_box->setObjectName(QStringLiteral("seedBox"));
    seed_box->setDecimals(0);
    seed_box->setRange(0, 4294967295.0);
    seed_box->setValue(growth_default_seed);
    seed_label->setBuddy(seed_box);
    compute_button = new QPushButton(tr("Compute"), page);
    compute_button->setObjectName(QStringLiteral("computeButton"));
    progress = new QProgressBar(page);
    progress->setRange(0, 100);
    progress->setValue(0);
    progress->setFormat(QString());
    progress->setAccessibleName(tr("Progress of the computation"));
    cancel_button = new QPushButton(tr("Cancel"), page);
    cancel_button->setToolTip(QKeySequence(Qt::Key_Escape).toString(QKeySequence::NativeText));
    cancel_button->setEnabled(false);
    connect(compute_button, &QPushButton::clicked, this, &CompareWindow::start_growth);
    connect(seed_box->findChild<QLineEdit *>(), &QLineEdit::returnPressed, this,
            &CompareWindow::start_growth);
    connect(cancel_button, &QPushButton::clicked, this, &CompareWindow::cancel_growth);

    growth_chart = new GrowthChart(page);
    growth_chart->setObjectName(QStringLiteral("growthChart"));
    growth_chart->show_growth(std::nullopt, growth_default_seed, in_force);

    auto *note = new QLabel(
        tr("n^e: the power of n that fits the averages best for n from 10 to 1000 (least "
           "squares on the log–log axes). The worst cases of the help page are bounds for the "
           "least favourable sequences as n grows large; averages over random sequences of at "
           "most a thousand numbers need not reach them."),
        page);
    note->setWordWrap(true);
    note->setTextFormat(Qt::PlainText);

    auto *controls = new QHBoxLayout;
    controls->addWidget(seed_label);
    controls->addWidget(seed_box);
    controls->addWidget(compute_button);
    controls->addWidget(progress, 1);
    controls->addWidget(cancel_button);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(controls);
    layout->addWidget(growth_chart, 1);
    layout->addWidget(note);
    pages->addTab(page, tr("Growth with n"));
}

void CompareWindow::build_keys()
{
    const auto key = [this](const QKeySequence &keys, void (CompareWindow::*what)()) {
        auto *action = new QAction(this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, what);
        addAction(action);
    };
    key(QKeySequence::Copy, &CompareWindow::copy_chart);
    key(QKeySequence::Save, &CompareWindow::save_chart_as);
    auto *escape = new QAction(this);
    escape->setShortcut(Qt::Key_Escape);
    connect(escape, &QAction::triggered, this, [this] {
        if (computing())
            cancel_growth();
        else
            close();
    });
    addAction(escape);
}

void CompareWindow::refresh()
{
    if (isHidden())
        return;
    const QVector<qint32> now = initial_sequence(*vis);
    if (now != sequence) {
        sequence = now;
        // Seven traces of a thousand numbers take tens of milliseconds: off
        // the window's thread. A newer sequence's costs replace these unseen.
        costs_watcher.setFuture(QtConcurrent::run(costs_of, sequence));
    }
    mark(formula_index(vis->stepgen));
}

void CompareWindow::show_costs()
{
    costs = costs_watcher.result();
    for (int f = 0; f < formula_count; ++f) {
        const QString cells[6] = {QString(),
                                  num_to_str(qint32(costs[f].gaps.size())),
                                  num_to_str(costs[f].comparisons),
                                  num_to_str(costs[f].swaps),
                                  num_to_str(costs[f].steps),
                                  joined(costs[f].gaps, QStringLiteral(", "))};
        for (int c = 0; c < 6; ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            if (c >= 1 && c <= 4)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c == 5)
                item->setToolTip(cells[c]);
            table->setItem(f, c, item);
        }
    }
    if (sequence.size() <= shown_numbers_max)
        sequence_label->setText(tr("Sequence: %1").arg(joined(sequence, QStringLiteral(" "))));
    else
        sequence_label->setText(
            tr("Sequence of %1 numbers: %2 …")
                .arg(num_to_str(qint32(sequence.size())),
                     joined(sequence.mid(0, shown_numbers_max), QStringLiteral(" "))));
    in_force = -2; // marked anew below
    mark(formula_index(vis->stepgen));
    arrange();
}

void CompareWindow::arrange()
{
    // The chart goes below the table where the two do not fit side by side.
    int needed = 2 * table->frameWidth() + 150 + 400;
    for (int c = 0; c < 5; ++c)
        needed += table->horizontalHeader()->sectionSize(c);
    const bool beside = pages->width() >= needed;
    sides->setDirection(beside ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    sides->setStretch(0, beside ? 3 : 0);
}

void CompareWindow::mark(int force)
{
    if (force == in_force || table->item(0, 0) == nullptr)
        return;
    in_force = force;
    for (int f = 0; f < formula_count; ++f) {
        table->item(f, 0)->setText(marked_name(f, in_force));
        QFont font = table->font();
        font.setBold(f == in_force);
        for (int c = 0; c < 6; ++c)
            table->item(f, c)->setFont(font);
    }
    table_note->setText(
        tr("Comparisons are what the main window's status panel counts as operations; each gap "
           "makes one pass.") +
        (in_force != -1 ? u'\n' + tr("In force: %1, marked ▶.").arg(formula_name(in_force))
                        : QString()));
    table->setAccessibleDescription(table_note->text());
    bars->show_costs(costs, in_force);
    growth_chart->show_growth(growth, quint32(seed_box->value()), in_force);
}

void CompareWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refresh();
    page_shown();
}

void CompareWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void CompareWindow::closeEvent(QCloseEvent *event)
{
    // Reopened, the growth page computes again.
    stop_run();
    QWidget::closeEvent(event);
}

void CompareWindow::page_shown()
{
    if (pages->currentIndex() == 1 && !growth && run == nullptr && !cancelled_by_user &&
        !isHidden())
        start_growth();
}

void CompareWindow::start_growth()
{
    if (run != nullptr)
        run->requestInterruption();
    cancelled_by_user = false;
    run = new GrowthRun(quint32(seed_box->value()), this);
    connect(run, &QThread::finished, this, [this, ended = run] { growth_finished(ended); });
    progress->setValue(0);
    progress->setFormat(tr("Computing… %p%"));
    cancel_button->setEnabled(true);
    run->start(QThread::LowPriority);
}

void CompareWindow::cancel_growth()
{
    if (!computing())
        return;
    // The chart waits for Compute, even where the page is shown again.
    cancelled_by_user = true;
    stop_run();
}

void CompareWindow::stop_run()
{
    if (!computing())
        return;
    run->requestInterruption();
    progress->setFormat(tr("Cancelled"));
    cancel_button->setEnabled(false);
}

bool CompareWindow::computing() const
{
    return run != nullptr && !run->isInterruptionRequested();
}

void CompareWindow::growth_progress(GrowthRun *from, int percent)
{
    if (from == run && computing())
        progress->setValue(percent);
}

void CompareWindow::growth_finished(GrowthRun *ended)
{
    if (ended == run) {
        run = nullptr;
        cancel_button->setEnabled(false);
        if (ended->result) {
            growth = std::move(ended->result);
            growth_chart->show_growth(growth, growth->seed, in_force);
            progress->setValue(100);
            progress->setFormat(tr("Done"));
            emit growth_drawn();
        } else {
            progress->setFormat(tr("Cancelled"));
            page_shown(); // a window closed and opened again at once computes anew
        }
    }
    ended->deleteLater();
}

QChartView *CompareWindow::shown_chart() const
{
    // A chart lays out its legend and axes anew once the events queued so
    // far are handled; a picture taken sooner would show what was there before.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    return pages->currentIndex() == 0 ? static_cast<QChartView *>(bars) : growth_chart;
}

QImage CompareWindow::chart_image() const
{
    QChartView *view = shown_chart();
    QImage image(view->viewport()->size() * 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    view->scene()->render(&painter, QRectF(image.rect()), view->sceneRect());
    return image;
}

QString CompareWindow::chart_name(const QString &suffix) const
{
    if (pages->currentIndex() == 0)
        return QStringLiteral("shell-sort-formulas-compared.") + suffix;
    const quint32 seed = growth ? growth->seed : quint32(seed_box->value());
    return QStringLiteral("shell-sort-growth-seed-%1.%2").arg(seed).arg(suffix);
}

bool CompareWindow::save_chart(const QString &path)
{
    QSaveFile file(path);
    QString error;
    if (file.open(QIODevice::WriteOnly)) {
        if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
            QChartView *view = shown_chart();
            QSvgGenerator svg;
            svg.setOutputDevice(&file);
            // At the screen's size in a browser, whose pixels are 1/96 inch.
            svg.setResolution(96);
            svg.setSize(view->viewport()->size());
            svg.setViewBox(view->viewport()->rect());
            svg.setTitle(view->chart()->title());
            svg.setDescription(view->accessibleDescription());
            QPainter painter(&svg);
            view->scene()->render(&painter, QRectF(view->viewport()->rect()), view->sceneRect());
        } else {
            QImageWriter writer(&file, "png");
            if (!writer.write(chart_image())) {
                error = writer.errorString();
                file.cancelWriting();
            }
        }
        if (error.isEmpty() && file.commit())
            return true;
    }
    if (error.isEmpty())
        error = file.errorString();
    show_message_and_wait(
        QMessageBox::Critical, QCoreApplication::translate("MainWindow", "Error"),
        QCoreApplication::translate("MainWindow", "The picture could not be saved as %1:\n%2")
            .arg(QDir::toNativeSeparators(path), error));
    return false;
}

QString CompareWindow::shown_numbers() const
{
    QStringList lines;
    if (pages->currentIndex() == 0) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << table->horizontalHeaderItem(c)->text().replace(u'\n', u' ');
        lines << cells.join(u'\t');
        for (int r = 0; r < table->rowCount(); ++r) {
            cells.clear();
            for (int c = 0; c < table->columnCount(); ++c)
                cells << table->item(r, c)->text();
            lines << cells.join(u'\t');
        }
    } else if (growth) {
        QStringList cells{QStringLiteral("n")};
        for (int f = 0; f < formula_count; ++f)
            cells << formula_name(f);
        lines << cells.join(u'\t');
        for (qsizetype i = 0; i < growth->sizes.size(); ++i) {
            cells = QStringList{num_to_str(growth->sizes[i])};
            for (int f = 0; f < formula_count; ++f)
                cells << QLocale().toString(growth->averages[f][i], 'f', 1);
            lines << cells.join(u'\t');
        }
        cells = QStringList{tr("Exponent")};
        for (int f = 0; f < formula_count; ++f)
            cells << exponent_text(growth->exponents[f]);
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n');
}

void CompareWindow::copy_chart()
{
    // A picture for slides, and the numbers for a spreadsheet.
    auto *data = new QMimeData;
    data->setImageData(chart_image());
    data->setText(shown_numbers());
    QGuiApplication::clipboard()->setMimeData(data);
}

void CompareWindow::save_chart_as()
{
    const QString path =
        ask_picture_path(this, [this](const QString &suffix) { return chart_name(suffix); });
    if (!path.isEmpty())
        save_chart(path);
}
