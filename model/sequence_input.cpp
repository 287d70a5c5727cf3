// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "sequence_input.h"

#include <QCoreApplication>

namespace
{

bool is_digit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// A pasted number may have a million digits; a message only needs its start.
QString shortened_number(QStringView number)
{
    const bool negative = number.startsWith(u'-');
    const QStringView digits = number.mid(negative ? 1 : 0);
    qsizetype first = 0;
    while (first + 1 < digits.size() && digits[first] == u'0')
        ++first;
    const QStringView significant = digits.mid(first);
    constexpr qsizetype shown = 24;
    const QString sign = negative ? QStringLiteral("-") : QString();
    if (significant.size() <= shown)
        return sign + significant.toString();
    return sign + significant.left(shown).toString() + QStringLiteral("...");
}

// A number being read: where it starts, its sign included, and its value so far.
struct Run {
    qsizetype start = -1; // -1 between numbers
    bool negative = false;
    qint64 magnitude = 0;
    bool overflow = false;
};

void add_digit(Run *run, qsizetype at, char16_t digit)
{
    if (run->start < 0)
        run->start = at;
    if (!run->overflow) {
        run->magnitude = run->magnitude * 10 + (digit - u'0');
        run->overflow = run->magnitude > max_sequence_value;
    }
}

// Ends the run at end: its number is kept, up to the most a sequence holds, or
// the first number out of range is noted as the scan's error.
void finish_number(QStringView text, qsizetype end, Run *run, SequenceScan *scan)
{
    ++scan->number_count;
    if (run->overflow) {
        if (scan->out_of_range.isEmpty()) {
            scan->out_of_range = shortened_number(text.mid(run->start, end - run->start));
            scan->error = run->negative ? SequenceScan::TooSmall : SequenceScan::TooLarge;
        }
    } else if (scan->numbers.size() < max_sequence_length) {
        scan->numbers.append(qint32(run->negative ? -run->magnitude : run->magnitude));
    }
    *run = Run();
}

} // namespace

SequenceScan scan_sequence(QStringView text)
{
    SequenceScan scan;
    scan.error = SequenceScan::None; // until a number out of range is met
    Run run;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (is_digit(c)) {
            add_digit(&run, i, c);
            continue;
        }
        // A minus after a digit, as in 5-3, separates; one before digits is a sign.
        if (c == u'-' && run.start < 0 && i + 1 < text.size() && is_digit(text[i + 1].unicode())) {
            run.start = i;
            run.negative = true;
            continue;
        }
        // Tabs, newlines, no-break and other Unicode spaces are spaces too.
        if (!QChar::isSpace(c))
            scan.odd_separators = true;
        if (run.start >= 0)
            finish_number(text, i, &run, &scan);
    }
    if (run.start >= 0)
        finish_number(text, text.size(), &run, &scan);

    if (scan.error == SequenceScan::None && scan.number_count > max_sequence_length)
        scan.error = SequenceScan::TooMany;
    else if (scan.number_count == 0)
        scan.error = SequenceScan::NoNumber;
    if (scan.error != SequenceScan::None)
        scan.numbers.clear();
    return scan;
}

QString scan_error_message(const SequenceScan &scan)
{
    switch (scan.error) {
    case SequenceScan::NoNumber:
        return QCoreApplication::translate("MainWindow",
                                           "You have not written a sequence!\n(A sequence "
                                           "consists of numbers divided by spaces)");
    case SequenceScan::TooLarge:
        return QCoreApplication::translate("MainWindow",
                                           "The number %1 is too large: numbers can be at most %2.")
            .arg(scan.out_of_range)
            .arg(max_sequence_value);
    case SequenceScan::TooSmall:
        return QCoreApplication::translate(
                   "MainWindow", "The number %1 is too small: numbers must be at least %2.")
            .arg(scan.out_of_range)
            .arg(min_sequence_value);
    case SequenceScan::TooMany:
        return QCoreApplication::translate(
                   "MainWindow", "You have typed %1 numbers, but at most %2 can be sorted here.")
            .arg(scan.number_count)
            .arg(max_sequence_length);
    case SequenceScan::None:
        break;
    }
    return QString();
}
