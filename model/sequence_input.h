// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Reading a typed sequence: digits make numbers, a minus sign right before
// them at the start or after a separator makes them negative, and anything
// else separates them; whitespace of any kind silently, as a pasted column or
// a no-break space from a word processor should.
#pragma once

#include <QString>
#include <QStringView>
#include <QVector>

// The most numbers one sequence may hold; longer input is refused, never cut.
constexpr int max_sequence_length = 1000;

// The largest value a number may have, and the smallest: symmetric, so that
// every number's magnitude fits.
constexpr qint32 max_sequence_value = 2147483647;
constexpr qint32 min_sequence_value = -max_sequence_value;

struct SequenceScan {
    enum Error {
        None,
        NoNumber, // no digit at all
        TooLarge, // a number above max_sequence_value
        TooSmall, // a number below min_sequence_value
        TooMany,  // more than max_sequence_length numbers
    };

    QVector<qint32> numbers;     // the numbers in order; empty unless error is None
    bool odd_separators = false; // some character other than whitespace or a sign was met
    Error error = NoNumber;
    QString
        out_of_range; // with TooLarge or TooSmall: the first such number, shortened if very long
    qint64 number_count = 0; // how many numbers the text holds, whether or not kept
};

SequenceScan scan_sequence(QStringView text);

// The window's field and files once differed in what separates silently; now
// every whitespace character does in both, and this is scan_sequence(text).
enum class PlainSeparators { Blank, Whitespace };
inline SequenceScan scan_sequence(QStringView text, PlainSeparators)
{
    return scan_sequence(text);
}

// What to tell the user when a scan finds no sequence to sort; the window and
// vellora-trace say the same.
QString scan_error_message(const SequenceScan &scan);
