// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "race.h"

#include "access/accessibility.h"
#include "access/screen_reader.h"
#include "formulas.h"
#include "num_to_str.h"
#include "paneview.h"
#include "presentation.h"
#include "visualizer.h"
#include "words.h"

#include <QBoxLayout>
#include <QEvent>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QtMath>

#include <algorithm>

namespace
{

QString counters(const Visualizer &vis, int comparisons, int swaps, int step)
{
    return RaceView::tr("comparisons so far: %1 of %2 · swaps so far: %3 of %4 · step %5 of %6")
        .arg(num_to_str(comparisons), num_to_str(vis.op_count), num_to_str(swaps),
             num_to_str(vis.swap_count), num_to_str(step), num_to_str(qint32(vis.steps.size())));
}

QString lane_title(int lane, int formula, const QString &mark)
{
    const QString title =
        formula_name(formula) + u' ' +
        (lane == 0 ? RaceView::tr("(in force)") : RaceView::tr("(Up, Down: another)"));
    return mark.isEmpty() ? title : title + u' ' + mark;
}

// The longest sentence a lane shows: its first step's, a comparison's or its last's.
QString longest_sentence(const Visualizer &vis, const QVector<qint32> &comparisons)
{
    QString longest = vis.steps.constFirst().text;
    for (const qint32 step : comparisons)
        if (vis.steps.at(step).text.size() > longest.size())
            longest = vis.steps.at(step).text;
    return vis.steps.constLast().text.size() > longest.size() ? vis.steps.constLast().text
                                                              : longest;
}

// How high a label is with the text at the width.
int text_height(const QLabel *label, const QString &text, int width)
{
    return label->fontMetrics()
        .boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), Qt::AlignHCenter | Qt::TextWordWrap,
                      text)
        .height();
}

} // namespace

RaceView::RaceView(const QVector<qint32> &sequence, int formula, QWidget *parent)
    : FullScreenView(tr("Vellora – Race"), parent), sequence(sequence)
{
    // The lanes' views too are white, whatever the desktop's colours.
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    setPalette(colours);

    auto *layout = new QVBoxLayout(this);
    // The race takes its screen's size and fits its lanes to it (rescale), not
    // the other way round.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addStretch(1);
    for (Lane &lane : lanes) {
        lane.title = new QLabel(this);
        lane.title->setAlignment(Qt::AlignHCenter);
        lane.title->setWordWrap(true);
        auto *scene = new QGraphicsScene(this);
        lane.view = new QGraphicsView(scene, this);
        lane.view->setFrameShape(QFrame::NoFrame);
        lane.view->setRenderHint(QPainter::Antialiasing);
        lane.view->setFocusPolicy(Qt::NoFocus);
        lane.vis = new Visualizer(this, scene, nullptr, shell_gaps, sequence);
        Accessibility::add_trace(lane.vis);
        lane.panes = new PaneView(lane.vis, lane.view, 1);
        lane.text = new QLabel(this);
        lane.text->setTextFormat(Qt::PlainText);
        lane.text->setWordWrap(true);
        lane.text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        layout->addWidget(lane.title);
        layout->addWidget(lane.view);
        layout->addWidget(lane.text);
        layout->addStretch(1);
    }
    keys = new QLabel(tr("Right, Left: both to the next or previous comparison · Space: play · "
                         "Up, Down: another second formula · Esc: back to the presentation"),
                      this);
    keys->setAlignment(Qt::AlignHCenter);
    keys->setWordWrap(true);
    layout->addWidget(keys);

    ticks = new QTimer(this);
    ticks->setObjectName(QStringLiteral("playback"));
    ticks->setSingleShot(true);
    connect(ticks, &QTimer::timeout, this, &RaceView::tick);

    start(lanes[0], formula);
    start(lanes[1], (formula + 1) % formula_count);
    go_to(0);
}

void RaceView::start(Lane &lane, int formula)
{
    lane.formula = formula;
    lane.vis->stepgen = gap_generators[formula];
    lane.vis->seq = sequence;
    lane.vis->build_trace();
    lane.comparisons.clear();
    for (qint32 i = 0; i < lane.vis->steps.size(); ++i)
        if (lane.vis->steps.at(i).pos_b != -1)
            lane.comparisons << i;
    lane.panes->centre();
}

int RaceView::finish_line() const
{
    return int(qMax(lanes[0].comparisons.size(), lanes[1].comparisons.size())) + 1;
}

void RaceView::go_to(int comparisons)
{
    reached = qBound(0, comparisons, finish_line());
    for (Lane &lane : lanes) {
        const int last = int(lane.vis->steps.size()) - 1;
        lane.vis->set_current_step(reached == 0 ? 0
                                   : reached <= lane.comparisons.size()
                                       ? lane.comparisons.at(reached - 1)
                                       : last);
    }
    show_steps();
    if (reached == finish_line())
        ticks->stop();
    else if (ticks->isActive())
        ticks->start(tick_ms()); // the new line is heard out too
}

void RaceView::step(int by)
{
    go_to(reached + by);
}

void RaceView::to_end(bool last)
{
    go_to(last ? finish_line() : 0);
}

void RaceView::choose_second(int by)
{
    int next = lanes[1].formula;
    do
        next = (next + by + formula_count) % formula_count;
    while (next == lanes[0].formula);
    ticks->stop();
    start(lanes[1], next);
    go_to(reached);
    rescale();
}

void RaceView::play(int delay_ms)
{
    if (ticks->isActive() || reached == finish_line()) {
        ticks->stop();
        return;
    }
    pause_ms = delay_ms;
    ticks->start(tick_ms());
}

void RaceView::tick()
{
    go_to(reached + 1);
    if (reached < finish_line())
        ticks->start(tick_ms());
}

bool RaceView::playing() const
{
    return ticks->isActive();
}

int RaceView::tick_ms() const
{
    return qMax(1, ScreenReader::instance()->pause_ms(pause_ms, said));
}

int RaceView::formula(int lane) const
{
    return lanes[lane].formula;
}

const Visualizer &RaceView::racer(int lane) const
{
    return *lanes[lane].vis;
}

int RaceView::winner() const
{
    const qsizetype made[2] = {lanes[0].comparisons.size(), lanes[1].comparisons.size()};
    if (reached <= qMin(made[0], made[1]))
        return -1;
    return made[0] == made[1] ? 2 : (made[0] < made[1] ? 0 : 1);
}

QString RaceView::progress(const Visualizer &vis)
{
    int comparisons = 0, swaps = 0;
    for (int i = 0; i <= vis.cur_step; ++i)
        if (const TraceStep &s = vis.steps.at(i); s.pos_b != -1) {
            ++comparisons;
            swaps += s.is_swap;
        }
    return counters(vis, comparisons, swaps, vis.cur_step + 1);
}

QString RaceView::opening() const
{
    return tr("Race: %1 against %2.")
        .arg(formula_name(lanes[0].formula), formula_name(lanes[1].formula));
}

void RaceView::show_steps()
{
    const int first = winner();
    said.clear();
    for (int i = 0; i < 2; ++i) {
        Lane &lane = lanes[i];
        lane.vis->render();
        lane.panes->follow();
        const QString mark = first == i   ? tr("✓ finished first")
                             : first == 2 ? tr("✓ finished together")
                                          : QString();
        lane.title->setText(lane_title(i, lane.formula, mark));
        const QString sentence = step_words(*lane.vis).sentence;
        lane.text->setText(sentence + u'\n' + progress(*lane.vis));
        said += (i == 0 ? QString() : QStringLiteral(" ")) + lane.title->text() +
                QStringLiteral(": ") + sentence;
    }
    if (isActiveWindow())
        Accessibility::say(this, said);
}

void RaceView::changeEvent(QEvent *event)
{
    FullScreenView::changeEvent(event);
    // Once, as the race opens: which formulas race.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !introduced) {
        introduced = true;
        said = opening();
        Accessibility::say(this, said);
    }
}

void RaceView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_PageDown:
        step(1);
        break;
    case Qt::Key_Left:
    case Qt::Key_PageUp:
        step(-1);
        break;
    case Qt::Key_Home:
    case Qt::Key_End:
        to_end(event->key() == Qt::Key_End);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        choose_second(event->key() == Qt::Key_Down ? 1 : -1);
        break;
    case Qt::Key_Space:
        play(pause_ms);
        break;
    case Qt::Key_Escape:
    case Qt::Key_R:
        ticks->stop();
        close();
        emit left();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void RaceView::fit_texts()
{
    const QMargins margins = layout()->contentsMargins();
    const int across = qMax(1, width() - margins.left() - margins.right());
    // Room for the longest text each label can show, so that the lanes keep
    // their places from step to step.
    int words = 0;
    for (int i = 0; i < 2; ++i) {
        const Lane &lane = lanes[i];
        const QString title = lane_title(
            i, lane.formula,
            std::max(tr("✓ finished first"), tr("✓ finished together"),
                     [](const QString &a, const QString &b) { return a.size() < b.size(); }));
        lane.title->setFixedHeight(text_height(lane.title, title, across));
        const QString end = counters(*lane.vis, lane.vis->op_count, lane.vis->swap_count,
                                     int(lane.vis->steps.size()));
        words = qMax(words, text_height(lane.text,
                                        longest_sentence(*lane.vis, lane.comparisons) + u'\n' + end,
                                        across));
    }
    for (const Lane &lane : lanes)
        lane.text->setFixedHeight(words);
    keys->setFixedHeight(text_height(keys, keys->text(), across));
}

int RaceView::picture_room() const
{
    const QLayout *box = layout();
    const QMargins margins = box->contentsMargins();
    int taken = margins.top() + margins.bottom() + box->spacing() * (box->count() - 1) +
                keys->minimumHeight();
    for (const Lane &lane : lanes)
        taken += lane.title->minimumHeight() + lane.text->minimumHeight();
    return height() - taken;
}

void RaceView::rescale()
{
    // Texts and pictures are measured by the height, so that the race looks
    // alike on every screen and at every scale.
    layout()->setSpacing(qMax(2, height() / 100));
    QFont font = this->font();
    font.setPixelSize(qMax(12, height() / 40));
    for (Lane &lane : lanes)
        lane.text->setFont(font);
    font.setBold(true);
    for (Lane &lane : lanes)
        lane.title->setFont(font);
    font.setBold(false);
    font.setPixelSize(qMax(10, height() / 60));
    keys->setFont(font);
    fit_texts();
    // Each picture at most a quarter of the height, and within its half of
    // what the texts leave, even if its boxes then fall under 40 pixels.
    const int room = picture_room() / 2;
    for (Lane &lane : lanes) {
        const QRectF picture = lane.vis->scene->sceneRect();
        const qreal fitting = qMax<qreal>(room - 3, 1) / qMax<qreal>(picture.height(), 1);
        const qreal scale =
            qMin(PresentationView::scale_for(picture.size(), size(), 0.25), fitting);
        lane.view->setFixedHeight(qCeil(picture.height() * scale) + 2);
        lane.panes->set_scale(scale);
        lane.view->centerOn(picture.center());
    }
}
