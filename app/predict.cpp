// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "predict.h"

#include "num_to_str.h"
#include "visualizer.h"

#include <QCoreApplication>

namespace
{

bool is_comparison(const Visualizer &vis)
{
    return !vis.steps.isEmpty() && vis.steps.at(vis.cur_step).pos_b != -1;
}

} // namespace

void Predictor::reset()
{
    outcomes.clear();
    right_count = 0;
    answered_count = 0;
}

bool Predictor::asking(const Visualizer &vis) const
{
    return active && is_comparison(vis) && !outcomes.contains(vis.cur_step);
}

void Predictor::answer(const Visualizer &vis, bool swap)
{
    if (!asking(vis))
        return;
    const bool right = swap == vis.steps.at(vis.cur_step).is_swap;
    outcomes.insert(vis.cur_step, right ? Right : Wrong);
    right_count += right;
    ++answered_count;
}

void Predictor::reveal(const Visualizer &vis)
{
    if (asking(vis))
        outcomes.insert(vis.cur_step, Revealed);
}

QString Predictor::status(const Visualizer &vis) const
{
    if (!active || !is_comparison(vis))
        return QString();
    const TraceStep &step = vis.steps.at(vis.cur_step);
    QString sentence;
    if (!outcomes.contains(vis.cur_step))
        sentence =
            question(vis.seq.at(step.pos_a), vis.seq.at(step.pos_b), vis.gaps.at(step.gap_idx));
    else if (outcomes.value(vis.cur_step) != Revealed)
        sentence = verdict(outcomes.value(vis.cur_step), step.text, right_count, answered_count);
    else
        return QString();
    return status_text(sentence, vis.cur_step + 1, qint32(vis.steps.size()), vis.op_count,
                       vis.swap_count);
}

QString Predictor::question(qint32 left, qint32 right, qint32 gap)
{
    return QCoreApplication::translate(
               "Predictor",
               "Compare %1 and %2 (gap %3): swap them or keep them? S = swap, K = keep.")
        .arg(num_to_str(left), num_to_str(right), num_to_str(gap));
}

QString Predictor::verdict(Outcome outcome, const QString &sentence, int right, int answered)
{
    const QString text =
        outcome == Right
            ? QCoreApplication::translate("Predictor", "Right. %1 (%2 of %3 right)")
            : QCoreApplication::translate("Predictor", "Not quite: %1 (%2 of %3 right)");
    return text.arg(sentence, num_to_str(right), num_to_str(answered));
}
