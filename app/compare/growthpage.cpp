// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "growthpage.h"

#include "access/accessibility.h"
#include "compare.h"
#include "contrast.h"
#include "formulatext.h"
#include "growthchart.h"
#include "num_to_str.h"
#include "scrolling.h"

#include <QBoxLayout>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>

#include <algorithm>

namespace
{

// The least time between two steps of the progress bar.
constexpr qint64 bar_step_ms = 200;

// How many permutations the averages took, and how close they are to the
// averages over every permutation.
QString interval_text(const Growth &growth)
{
    double widest = 0;
    for (int f = 0; f < formula_count; ++f)
        for (qsizetype i = 0; i < growth.sizes.size(); ++i)
            if (growth.averages[f][i] > 0)
                widest = qMax(widest, growth.intervals[f][i] / growth.averages[f][i]);
    const auto [fewest, most] = std::minmax_element(growth.samples.begin(), growth.samples.end());
    return CompareWindow::tr("Each average is over %1 to %2 random permutations: as many as it "
                             "takes for its 95% confidence interval to be within ± %3 of it, "
                             "but at most %4. The widest here: ± %5.")
        .arg(num_to_str(*fewest), num_to_str(*most),
             compare_detail::percent_text(growth_precision, 1), num_to_str(growth_max_samples),
             compare_detail::percent_text(widest, 2));
}

} // namespace

namespace compare_detail
{

// compute_growth on a thread of its own; progress and the end are posted to
// the page, whose thread never waits for it.
class GrowthRun : public QThread
{
public:
    GrowthRun(quint32 seed, GrowthPage *page) : QThread(page), seed(seed), page(page) {}

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
                    page, [p = page, r = this, percent] { p->show_progress(r, percent); },
                    Qt::QueuedConnection);
            }
            return !isInterruptionRequested();
        });
    }

private:
    GrowthPage *page;
};

GrowthPage::GrowthPage(QWidget *parent) : QWidget(parent)
{
    clock.start();
    told_later.setSingleShot(true);
    connect(&told_later, &QTimer::timeout, this, [this] { tell(told_end); });
    QLayout *controls = build_controls();
    growth_chart = new GrowthChart(this);
    growth_chart->setObjectName(QStringLiteral("growthChart"));
    growth_chart->show_growth(std::nullopt, growth_default_seed, in_force);

    auto *note = new QLabel(
        CompareWindow::tr(
            "n^e: the power of n that fits the averages best for n from 10 to 1000 (least "
            "squares on the log–log axes). The worst cases of the help page are bounds for the "
            "least favourable sequences as n grows large; averages over random permutations of "
            "at most a thousand numbers need not reach them."),
        this);
    // Until there are averages, there is nothing to say of their intervals.
    interval_note = new QLabel(this);
    interval_note->setObjectName(QStringLiteral("intervalNote"));
    interval_note->hide();
    for (QLabel *label : {note, interval_note}) {
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
    }

    // The controls stay in sight while the chart and its notes scroll.
    auto *content = new QWidget;
    auto *content_layout = new QVBoxLayout(content);
    content_layout->setContentsMargins(0, 0, 0, 0);
    content_layout->addWidget(growth_chart, 1);
    content_layout->addWidget(note);
    content_layout->addWidget(interval_note);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(scrolling(content, this), 1);
}

QLayout *GrowthPage::build_controls()
{
    auto *seed_label = new QLabel(CompareWindow::tr("Seed:"), this);
    seed_box = new QDoubleSpinBox(this);
    seed_box->setObjectName(QStringLiteral("seedBox"));
    seed_box->setDecimals(0);
    seed_box->setRange(0, 4294967295.0);
    seed_box->setValue(growth_default_seed);
    seed_label->setBuddy(seed_box);
    compute_button = new QPushButton(CompareWindow::tr("Compute"), this);
    compute_button->setObjectName(QStringLiteral("computeButton"));
    progress = new QProgressBar(this);
    progress->setRange(0, 100);
    progress->setValue(0);
    progress->setFormat(QString());
    progress->setAccessibleName(CompareWindow::tr("Progress of the computation"));
    cancel_button = new QPushButton(CompareWindow::tr("Cancel"), this);
    cancel_button->setToolTip(QKeySequence(Qt::Key_Escape).toString(QKeySequence::NativeText));
    cancel_button->setEnabled(false);
    tune_progress_text();
    connect(compute_button, &QPushButton::clicked, this, &GrowthPage::start);
    connect(seed_box->findChild<QLineEdit *>(), &QLineEdit::returnPressed, this,
            &GrowthPage::start);
    connect(cancel_button, &QPushButton::clicked, this, &GrowthPage::cancel);

    auto *controls = new QHBoxLayout;
    controls->addWidget(seed_label);
    controls->addWidget(seed_box);
    controls->addWidget(compute_button);
    controls->addWidget(progress, 1);
    controls->addWidget(cancel_button);
    return controls;
}

// The text over the bar's chunk, which the style draws in the highlight
// colour, shaded, is black or white, whichever stands out more from it:
// the style's own choice, white, stands 2.6:1 from Fusion's blue.
void GrowthPage::tune_progress_text()
{
    const QColor chunk = palette().color(QPalette::Highlight);
    const auto least = [&chunk](const QColor &text) {
        qreal worst = 21;
        for (const QColor &shade : {chunk, chunk.lighter(130), chunk.darker(130)})
            worst = qMin(worst, contrast_ratio(text, shade));
        return worst;
    };
    QPalette colours;
    colours.setColor(QPalette::HighlightedText,
                     least(Qt::black) >= least(Qt::white) ? Qt::black : Qt::white);
    progress->setPalette(colours);
}

void GrowthPage::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        tune_progress_text();
}

GrowthPage::~GrowthPage()
{
    for (QThread *other : findChildren<QThread *>(Qt::FindDirectChildrenOnly)) {
        other->requestInterruption();
        other->wait();
    }
}

void GrowthPage::start()
{
    start_shown(QString());
}

void GrowthPage::start_shown(const QString &page)
{
    if (run != nullptr)
        run->requestInterruption();
    cancelled_by_user = false;
    run = new GrowthRun(quint32(seed_box->value()), this);
    connect(run, &QThread::finished, this, [this, ended = run] { finished(ended); });
    progress->setValue(0);
    progress->setFormat(CompareWindow::tr("Computing… %p%"));
    cancel_button->setEnabled(true);
    run->start(QThread::LowPriority);
    told_later.stop();
    tell(talk.started(clock.elapsed(), page));
}

void GrowthPage::tell(const QString &sentence)
{
    if (!sentence.isEmpty() && window()->isActiveWindow())
        Accessibility::say(window(), sentence);
}

void GrowthPage::cancel()
{
    if (!computing())
        return;
    // The chart waits for Compute, even where the page is shown again.
    cancelled_by_user = true;
    stop();
    told_later.stop();
    tell(talk.cancelled(progress->value(), clock.elapsed()));
}

void GrowthPage::stop()
{
    if (!computing())
        return;
    run->requestInterruption();
    progress->setFormat(CompareWindow::tr("Cancelled"));
    cancel_button->setEnabled(false);
}

bool GrowthPage::computing() const
{
    return run != nullptr && !run->isInterruptionRequested();
}

bool GrowthPage::waiting() const
{
    return !growth && run == nullptr && !cancelled_by_user;
}

void GrowthPage::show_progress(GrowthRun *from, int percent)
{
    // Each step of the bar reaches screen readers as an event of its own:
    // a hundred within a second make Orca drop what the window tells.
    const qint64 now = clock.elapsed();
    if (from == run && computing() && now - bar_moved >= bar_step_ms) {
        bar_moved = now;
        progress->setValue(percent);
        tell(talk.progressed(percent, now));
    }
}

void GrowthPage::finished(GrowthRun *ended)
{
    if (ended == run) {
        run = nullptr;
        cancel_button->setEnabled(false);
        if (ended->result) {
            growth = std::move(ended->result);
            growth_chart->show_growth(growth, growth->seed, in_force);
            interval_note->setText(interval_text(*growth));
            interval_note->show();
            progress->setValue(100);
            progress->setFormat(CompareWindow::tr("Done"));
            qint64 when = 0;
            told_end = talk.done(growth->seed, clock.elapsed(), &when);
            told_later.start(int(when - clock.elapsed()));
            emit drawn();
        } else {
            progress->setFormat(CompareWindow::tr("Cancelled"));
            emit stopped();
        }
    }
    ended->deleteLater();
}

void GrowthPage::mark(int force)
{
    in_force = force;
    growth_chart->show_growth(growth, quint32(seed_box->value()), in_force);
}

quint32 GrowthPage::seed() const
{
    return growth ? growth->seed : quint32(seed_box->value());
}

QChartView *GrowthPage::chart() const
{
    return growth_chart;
}

QString GrowthPage::numbers() const
{
    if (!growth)
        return {};
    QStringList lines;
    QStringList cells{QStringLiteral("n")};
    for (int f = 0; f < formula_count; ++f)
        cells << formula_name(f);
    lines << cells.join(u'\t');
    for (qsizetype i = 0; i < growth->sizes.size(); ++i) {
        cells = QStringList{num_to_str(growth->sizes[i])};
        for (int f = 0; f < formula_count; ++f)
            cells << average_text(growth->averages[f][i]);
        lines << cells.join(u'\t');
    }
    cells = QStringList{CompareWindow::tr("Exponent")};
    for (int f = 0; f < formula_count; ++f)
        cells << exponent_text(growth->exponents[f]);
    lines << cells.join(u'\t');
    return lines.join(u'\n');
}

} // namespace compare_detail
