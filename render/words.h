// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// What a step says in words, made in one place and handed to every view: the
// status panel, the presentation, the race, screen readers and captions.
#pragma once

#include <QString>

class Visualizer;

struct StepWords {
    // The step's sentence, or what stands in for it, as a question of the
    // predict mode.
    QString sentence;
    // The step number (from 1) with the trace's length, then the counters.
    QString counters;

    // As the status panel shows them: the sentence, a blank line, the counters.
    QString text() const;
    bool operator==(const StepWords &other) const
    {
        return sentence == other.sentence && counters == other.counters;
    }
};

// The words of a step whose counters are given.
StepWords step_words(const QString &sentence, qint32 step, qint32 steps, qint32 ops, qint32 swaps);
// The words of the step on display; a non-empty sentence stands in for its own.
StepWords step_words(const Visualizer &vis, const QString &sentence = QString());

// What the colours and marks of the canvas mean, on a few lines or on one.
QString canvas_legend(bool one_line = false);
