// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Predict the steps: before a comparison shows its verdict, the class is asked
// whether the two elements will be swapped or kept. Each comparison of a trace
// is asked once; its answer, or that it was revealed unanswered, is kept.
#pragma once

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QString>

class Visualizer;

class Predictor
{
public:
    enum Outcome { Right, Wrong, Revealed };

    bool active = false;

    // Forgets the answers and the score, for a new trace.
    void reset();
    // Whether the step on display is a comparison still waiting for its answer.
    bool asking(const Visualizer &vis) const;
    // Answers the question on display; does nothing when there is none.
    void answer(const Visualizer &vis, bool swap);
    // Shows the verdict on display without an answer.
    void reveal(const Visualizer &vis);
    // The question or verdict that stands in for the step's sentence in the
    // mode; empty where the sentence is as usual.
    QString sentence(const Visualizer &vis) const;

    int right() const { return right_count; }
    int answered() const { return answered_count; }

    // The window's title, which says while the mode is on, with the score.
    QString title() const;
    // The score for the presentation; empty while the mode is off.
    QString score() const;

    // The keys that answer: the language's own and S or K, which work in
    // every language.
    static QList<QKeySequence> keys(bool swap);

    // The texts, for measuring what the status panel must hold.
    static QString question(qint32 left, qint32 right, qint32 gap);
    static QString verdict(Outcome outcome, const QString &sentence, int right, int answered);

private:
    QHash<int, Outcome> outcomes; // by step
    int right_count = 0;
    int answered_count = 0;
};
