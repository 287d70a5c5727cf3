// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The characters between typed or pasted numbers that the tests of reading
// them go through: every kind of whitespace, which separates silently, and
// characters that only look alike, which separate with a warning.
#pragma once

#include <QList>
#include <QString>
#include <QTest>

#include <utility>

using NamedSeparator = std::pair<const char *, QString>;

inline const QList<NamedSeparator> whitespace_separators = {
    {"space", QStringLiteral(" ")},
    {"newline", QStringLiteral("\n")},
    {"carriage return", QStringLiteral("\r")},
    {"carriage return and newline", QStringLiteral("\r\n")},
    {"tab", QStringLiteral("\t")},
    {"vertical tab", QStringLiteral("\v")},
    {"form feed", QStringLiteral("\f")},
    {"next line U+0085", QStringLiteral("\u0085")},
    {"no-break space U+00A0", QStringLiteral("\u00a0")},
    {"ogham space mark U+1680", QStringLiteral("\u1680")},
    {"en quad U+2000", QStringLiteral("\u2000")},
    {"em space U+2003", QStringLiteral("\u2003")},
    {"figure space U+2007", QStringLiteral("\u2007")},
    {"thin space U+2009", QStringLiteral("\u2009")},
    {"hair space U+200A", QStringLiteral("\u200a")},
    {"line separator U+2028", QStringLiteral("\u2028")},
    {"paragraph separator U+2029", QStringLiteral("\u2029")},
    {"narrow no-break space U+202F", QStringLiteral("\u202f")},
    {"medium mathematical space U+205F", QStringLiteral("\u205f")},
    {"ideographic space U+3000", QStringLiteral("\u3000")},
    {"a pasted column's line ends and a tab", QStringLiteral("\t\r\n")},
};

inline const QList<NamedSeparator> odd_separators = {
    {"comma", QStringLiteral(",")},
    {"letter", QStringLiteral("x")},
    {"minus sign U+2212", QStringLiteral("\u2212")},
    {"soft hyphen U+00AD", QStringLiteral("\u00ad")},
    {"zero width space U+200B", QStringLiteral("\u200b")},
    {"word joiner U+2060", QStringLiteral("\u2060")},
    {"byte order mark U+FEFF", QStringLiteral("\ufeff")},
    {"no-break space beside a comma", QStringLiteral("\u00a0,")},
};

// The numbers 5, -3 and 8 with the separator before, between (twice before
// -8) and after them.
inline QString separated_by(const QString &separator)
{
    return separator + QStringLiteral("5") + separator + QStringLiteral("-3") + separator +
           separator + QStringLiteral("8") + separator;
}

// The rows of a _data() function: each separator, and whether it warns.
inline void add_separator_rows()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("odd");
    for (const auto &[name, separator] : whitespace_separators)
        QTest::newRow(name) << separator << false;
    for (const auto &[name, separator] : odd_separators)
        QTest::newRow(name) << separator << true;
}
