// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "race.h"

#include "access/accessibility.h"
#include "formulas.h"
#include "num_to_str.h"
#include "paneview.h"
#include "presentation.h"
#include "visualizer.h"
#include "words.h"

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QtMath>

namespace
{

bool at_last(const Visualizer &vis)
{
    return vis.cur_step + 1 == vis.steps.size();
}

} // namespace

RaceView::RaceView(const QVector<qint32> &sequence, int formula, QWidget *parent)
    : FullScreenView(tr("Vellora – Race"), parent), sequence(sequence)
{
    auto *layout = new QVBoxLayout(this);
    layout->addStretch(1);
    for (Lane &lane : lanes) {
        lane.title = new QLabel(this);
        lane.title->setAlignment(Qt::AlignHCenter);
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
    keys = new QLabel(tr("Right, Left: both a step · Space: play · Up, Down: another second "
                         "formula · Esc: back to the presentation"),
                      this);
    keys->setAlignment(Qt::AlignHCenter);
    layout->addWidget(keys);

    ticks = new QTimer(this);
    connect(ticks, &QTimer::timeout, this, [this] { step(1); });

    start(0, formula);
    start(1, (formula + 1) % formula_count);
}

void RaceView::start(int lane, int formula)
{
    lanes[lane].formula = formula;
    for (Lane &each : lanes) {
        each.vis->stepgen = gap_generators[each.formula];
        each.vis->seq = sequence;
        each.vis->build_trace();
        each.panes->centre();
    }
    show_steps();
}

void RaceView::step(int by)
{
    for (Lane &lane : lanes)
        lane.vis->set_current_step(lane.vis->cur_step + by);
    show_steps();
    if (at_last(*lanes[0].vis) && at_last(*lanes[1].vis))
        ticks->stop();
}

void RaceView::to_end(bool last)
{
    for (Lane &lane : lanes)
        lane.vis->set_current_step(last ? int(lane.vis->steps.size()) - 1 : 0);
    show_steps();
}

void RaceView::choose_second(int by)
{
    int next = lanes[1].formula;
    do
        next = (next + by + formula_count) % formula_count;
    while (next == lanes[0].formula);
    ticks->stop();
    start(1, next);
}

void RaceView::play(int delay_ms)
{
    if (ticks->isActive() || (at_last(*lanes[0].vis) && at_last(*lanes[1].vis))) {
        ticks->stop();
        return;
    }
    ticks->start(qMax(delay_ms, 1));
}

bool RaceView::playing() const
{
    return ticks->isActive();
}

int RaceView::formula(int lane) const
{
    return lanes[lane].formula;
}

const Visualizer &RaceView::racer(int lane) const
{
    return *lanes[lane].vis;
}

QString RaceView::progress(const Visualizer &vis)
{
    int comparisons = 0, swaps = 0;
    for (int i = 0; i <= vis.cur_step; ++i)
        if (const TraceStep &s = vis.steps.at(i); s.pos_b != -1) {
            ++comparisons;
            swaps += s.is_swap;
        }
    return tr("comparisons so far: %1 of %2 · swaps so far: %3 of %4 · step %5 of %6")
        .arg(num_to_str(comparisons), num_to_str(vis.op_count), num_to_str(swaps),
             num_to_str(vis.swap_count), num_to_str(vis.cur_step + 1),
             num_to_str(qint32(vis.steps.size())));
}

void RaceView::show_steps()
{
    // The lane home first, by fewer steps; both at once is a tie.
    const bool home[2] = {at_last(*lanes[0].vis), at_last(*lanes[1].vis)};
    first_home = !home[0] && !home[1] ? -1
                 : home[0] != home[1] ? (home[0] ? 0 : 1)
                 : lanes[0].vis->steps.size() == lanes[1].vis->steps.size()
                     ? 2
                     : (lanes[0].vis->steps.size() < lanes[1].vis->steps.size() ? 0 : 1);
    QString sentences[2];
    for (int i = 0; i < 2; ++i) {
        Lane &lane = lanes[i];
        lane.vis->render();
        lane.panes->follow();
        QString title = formula_name(lane.formula) + u' ' +
                        (i == 0 ? tr("(in force)") : tr("(Up, Down: another)"));
        if (first_home == i)
            title += u' ' + tr("✓ finished first");
        else if (first_home == 2)
            title += u' ' + tr("✓ finished together");
        lane.title->setText(title);
        sentences[i] = step_words(*lane.vis).sentence;
        lane.text->setText(sentences[i] + u'\n' + progress(*lane.vis));
    }
    if (isActiveWindow())
        Accessibility::say(this, lanes[0].title->text() + QStringLiteral(": ") + sentences[0] +
                                     u' ' + lanes[1].title->text() + QStringLiteral(": ") +
                                     sentences[1]);
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

void RaceView::rescale()
{
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
    for (Lane &lane : lanes) {
        const QRectF picture = lane.vis->scene->sceneRect();
        // Two pictures above each other, each at most a quarter of the height.
        const qreal scale = PresentationView::scale_for(picture.size(), size(), 0.25);
        lane.view->setFixedHeight(qCeil(picture.height() * scale) + 2);
        lane.panes->set_scale(scale);
        lane.view->centerOn(picture.center());
    }
}
