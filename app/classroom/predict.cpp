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

// The letter the question names for an answer. Translations that could be
// mistaken for each other, or for S and K, which answer in every language,
// fall back on S and K.
QString key_letter(bool swap)
{
    //: The key that answers "swap" in the predict mode: one letter that fits the
    //: word for swapping and is no other key of the window (B, P, R are taken).
    const QString swap_letter = QCoreApplication::translate("Predictor", "S").toUpper();
    //: The key that answers "keep" in the predict mode: one letter, as for "swap".
    const QString keep_letter = QCoreApplication::translate("Predictor", "K").toUpper();
    const bool usable = swap_letter.size() == 1 && keep_letter.size() == 1 &&
                        swap_letter.front().isLetter() && keep_letter.front().isLetter() &&
                        swap_letter != keep_letter && swap_letter != u"K" && keep_letter != u"S";
    if (!usable)
        return swap ? QStringLiteral("S") : QStringLiteral("K");
    return swap ? swap_letter : keep_letter;
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

QString Predictor::sentence(const Visualizer &vis) const
{
    if (!active || !is_comparison(vis))
        return QString();
    const TraceStep &step = vis.steps.at(vis.cur_step);
    if (!outcomes.contains(vis.cur_step))
        return question(vis.seq.at(step.pos_a), vis.seq.at(step.pos_b), vis.gaps.at(step.gap_idx));
    if (outcomes.value(vis.cur_step) != Revealed)
        return verdict(outcomes.value(vis.cur_step), step.text, right_count, answered_count);
    return QString();
}

QString Predictor::question(qint32 left, qint32 right, qint32 gap)
{
    //: %4 and %5 are the keys that answer "swap" and "keep".
    return QCoreApplication::translate(
               "Predictor",
               "Compare %1 and %2 (gap %3): swap them or keep them? %4 = swap, %5 = keep.")
        .arg(num_to_str(left), num_to_str(right), num_to_str(gap), key_letter(true),
             key_letter(false));
}

QList<QKeySequence> Predictor::keys(bool swap)
{
    const QKeySequence usual(swap ? Qt::Key_S : Qt::Key_K);
    const QKeySequence own(key_letter(swap));
    return own == usual ? QList<QKeySequence>{usual} : QList<QKeySequence>{own, usual};
}

QString Predictor::title() const
{
    if (!active)
        return QCoreApplication::translate("Predictor", "Vellora");
    if (answered_count == 0)
        return QCoreApplication::translate("Predictor", "Vellora – predicting");
    return QCoreApplication::translate("Predictor", "Vellora – predicting (%1 of %2 right)")
        .arg(num_to_str(right_count), num_to_str(answered_count));
}

QString Predictor::score() const
{
    if (!active)
        return QString();
    if (answered_count == 0)
        return QCoreApplication::translate("Predictor", "Predicting: no answers yet");
    return QCoreApplication::translate("Predictor", "Predicting: %1 of %2 right")
        .arg(num_to_str(right_count), num_to_str(answered_count));
}

QString Predictor::verdict(Outcome outcome, const QString &sentence, int right, int answered)
{
    const QString text =
        outcome == Right
            ? QCoreApplication::translate("Predictor", "Right. %1 (%2 of %3 right)")
            : QCoreApplication::translate("Predictor", "Not quite: %1 (%2 of %3 right)");
    return text.arg(sentence, num_to_str(right), num_to_str(answered));
}
