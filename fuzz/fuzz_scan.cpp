// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Fuzz target for scan_sequence: the input bytes are read as UTF-8, as Latin-1
// and as raw UTF-16, and each text is scanned. The result is compared with a
// plain recount of the digit runs, and whitespace of every kind in place of
// the other characters must read as blanks do, without a warning.
#include "fuzz_check.h"
#include "sequence_input.h"

#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <vector>

namespace
{

bool is_digit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Unicode's white space, listed here rather than asked of Qt, as the scanner does.
constexpr char16_t whitespace[] = {u'\t',     u'\n',     u'\v',     u'\f',     u'\r',
                                   u' ',      u'\u0085', u'\u00a0', u'\u1680', u'\u2000',
                                   u'\u2001', u'\u2002', u'\u2003', u'\u2004', u'\u2005',
                                   u'\u2006', u'\u2007', u'\u2008', u'\u2009', u'\u200a',
                                   u'\u2028', u'\u2029', u'\u202f', u'\u205f', u'\u3000'};

bool is_whitespace(char16_t c)
{
    return std::find(std::begin(whitespace), std::end(whitespace), c) != std::end(whitespace);
}

struct Expected {
    qint64 runs = 0;
    int first_out_of_range = 0; // +1 above the largest, -1 below the smallest, 0 none
    bool odd = false;
    std::vector<qint64> values; // the numbers that fit, in order
};

// A straightforward second reading of the text, kept independent of the scanner.
Expected recount(QStringView text)
{
    Expected e;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const char16_t c = text[i].unicode();
        const bool sign = c == u'-' && i + 1 < n && is_digit(text[i + 1].unicode()) &&
                          (i == 0 || !is_digit(text[i - 1].unicode()));
        if (!is_digit(c) && !sign) {
            if (!is_whitespace(c))
                e.odd = true;
            ++i;
            continue;
        }
        const qsizetype start = sign ? i + 1 : i;
        qsizetype j = start;
        while (j < n && is_digit(text[j].unicode()))
            ++j;
        ++e.runs;
        qsizetype first = start;
        while (first + 1 < j && text[first] == u'0')
            ++first;
        const qsizetype len = j - first;
        bool out = len > 10;
        if (len == 10)
            out = text.mid(first, len).toString() > QStringLiteral("2147483647");
        if (out) {
            if (e.first_out_of_range == 0)
                e.first_out_of_range = sign ? -1 : 1;
        } else {
            qint64 v = 0;
            for (qsizetype k = first; k < j; ++k)
                v = v * 10 + (text[k].unicode() - u'0');
            e.values.push_back(sign ? -v : v);
        }
        i = j;
    }
    return e;
}

void check_scan(QStringView text)
{
    const SequenceScan scan = scan_sequence(text);
    const Expected e = recount(text);

    FUZZ_CHECK(scan.number_count == e.runs);
    FUZZ_CHECK(scan.odd_separators == e.odd);
    FUZZ_CHECK((scan.error == SequenceScan::NoNumber) == (e.runs == 0));
    FUZZ_CHECK((scan.error == SequenceScan::TooLarge) == (e.first_out_of_range == 1));
    FUZZ_CHECK((scan.error == SequenceScan::TooSmall) == (e.first_out_of_range == -1));
    FUZZ_CHECK((e.first_out_of_range != 0) == !scan.out_of_range.isEmpty());
    if (!scan.out_of_range.isEmpty())
        FUZZ_CHECK(scan.out_of_range.startsWith(u'-') == (e.first_out_of_range == -1));
    FUZZ_CHECK((scan.error == SequenceScan::TooMany) ==
               (e.first_out_of_range == 0 && e.runs > max_sequence_length));
    if (scan.error != SequenceScan::None) {
        FUZZ_CHECK(scan.numbers.isEmpty());
        return;
    }
    FUZZ_CHECK(scan.numbers.size() == scan.number_count);
    FUZZ_CHECK(scan.numbers.size() >= 1 && scan.numbers.size() <= max_sequence_length);
    FUZZ_CHECK(qsizetype(e.values.size()) == scan.numbers.size());
    for (qsizetype k = 0; k < scan.numbers.size(); ++k) {
        const qint32 v = scan.numbers.at(k);
        FUZZ_CHECK(v >= min_sequence_value && v <= max_sequence_value);
        FUZZ_CHECK(v == e.values[size_t(k)]);
    }
}

// The text with every character but the digits turned into whitespace, of a
// kind its code picks, reads as the same text with blanks: no warning, the
// same numbers.
void check_whitespace(QStringView text)
{
    QString spaced, blank;
    for (const QChar c : text) {
        const bool digit = is_digit(c.unicode());
        spaced += digit ? c : QChar(whitespace[c.unicode() % std::size(whitespace)]);
        blank += digit ? c : QChar(u' ');
    }
    const SequenceScan read = scan_sequence(spaced);
    const SequenceScan expected = scan_sequence(blank);
    FUZZ_CHECK(!read.odd_separators && !expected.odd_separators);
    FUZZ_CHECK(read.error == expected.error && read.number_count == expected.number_count);
    FUZZ_CHECK(read.numbers == expected.numbers && read.out_of_range == expected.out_of_range);
}

void check_text(QStringView text)
{
    check_scan(text);
    check_whitespace(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    const qsizetype length = qsizetype(size);
    check_text(QString::fromUtf8(bytes, length));
    check_text(QString::fromLatin1(bytes, length));

    // Copied, so that the code units are aligned; lone surrogates are kept.
    std::vector<char16_t> units(size / 2);
    if (!units.empty())
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    check_text(QStringView(units.data(), qsizetype(units.size())));
    return 0;
}
