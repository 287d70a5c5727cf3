// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "sequence_input.h"

#include <QCoreApplication>

namespace
{

bool is_plain(char16_t c, PlainSeparators plain)
{
    if (c == u' ')
        return true;
    return plain == PlainSeparators::Whitespace && (c == u'\t' || c == u'\n' || c == u'\r');
}

// A pasted number may have a million digits; a message only needs its start.
QString shortened_number(QStringView digits)
{
    qsizetype first = 0;
    while (first + 1 < digits.size() && digits[first] == u'0')
        ++first;
    const QStringView significant = digits.mid(first);
    constexpr qsizetype shown = 24;
    if (significant.size() <= shown)
        return significant.toString();
    return significant.left(shown).toString() + QStringLiteral("...");
}

} // namespace

SequenceScan scan_sequence(QStringView text, PlainSeparators plain)
{
    SequenceScan scan;
    qsizetype run_start = -1; // start of the digits in progress, -1 for none
    qint64 value = 0;
    bool overflow = false;

    auto finish_number = [&](qsizetype end) {
        ++scan.number_count;
        if (overflow) {
            if (scan.too_large.isEmpty())
                scan.too_large = shortened_number(text.mid(run_start, end - run_start));
        } else if (scan.numbers.size() < max_sequence_length) {
            scan.numbers.append(qint32(value));
        }
        run_start = -1;
        value = 0;
        overflow = false;
    };

    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9') {
            if (run_start < 0)
                run_start = i;
            if (!overflow) {
                value = value * 10 + (c - u'0');
                overflow = value > max_sequence_value;
            }
            continue;
        }
        if (!is_plain(c, plain))
            scan.odd_separators = true;
        if (run_start >= 0)
            finish_number(i);
    }
    if (run_start >= 0)
        finish_number(text.size());

    if (!scan.too_large.isEmpty())
        scan.error = SequenceScan::TooLarge;
    else if (scan.number_count > max_sequence_length)
        scan.error = SequenceScan::TooMany;
    else if (scan.number_count == 0)
        scan.error = SequenceScan::NoNumber;
    else
        scan.error = SequenceScan::None;
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
            .arg(scan.too_large)
            .arg(max_sequence_value);
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
