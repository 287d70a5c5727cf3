// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Sequences worth showing in a lesson, at any size: the two ends of order,
// nearly sorted, few distinct values, and the help page's 16 numbers on which
// Shell's gaps leave quadratic work to the last pass; and random ones of any
// size. And the way back from a trace to the numbers it started from, so that
// a random example can be typed again.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVector>

class QRandomGenerator;

class Examples
{
    Q_DECLARE_TR_FUNCTIONS(Examples)

public:
    enum Kind { Reversed, Sorted, NearlySorted, ThreeValues, BadForShell };
    static constexpr int count = 5;

    // The name in the menu, which says what is random about it.
    static QString name(Kind kind);
    // n numbers from 1 to n (1 to 3 for ThreeValues); the random ones drawn
    // from rng. The bad case for Shell's formula has 16 whatever n: at most
    // sizes some gap of Shell's is odd and mixes the halves early.
    static QVector<qint32> make(Kind kind, int n, QRandomGenerator &rng);
    // n numbers, each from 1 to n, drawn from rng as the window's random
    // sequences are.
    static QVector<qint32> random(int n, QRandomGenerator &rng);

    // The numbers as the typed-sequence field reads them.
    static QString as_text(const QVector<qint32> &numbers);
};
