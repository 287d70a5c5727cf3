// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "sequence_input.h"

#include <QTest>

using Numbers = QVector<qint32>;
Q_DECLARE_METATYPE(SequenceScan::Error)
Q_DECLARE_METATYPE(PlainSeparators)

class TestSequenceInput : public QObject
{
    Q_OBJECT

private slots:
    void scan_data();
    void scan();
    void too_large_number_is_named_briefly();
    void huge_input_is_counted_not_kept();
};

void TestSequenceInput::scan_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<PlainSeparators>("plain");
    QTest::addColumn<Numbers>("numbers");
    QTest::addColumn<bool>("odd");
    QTest::addColumn<SequenceScan::Error>("error");

    const auto blank = PlainSeparators::Blank;
    const auto white = PlainSeparators::Whitespace;
    QTest::newRow("blanks around and between")
        << "   12     7   " << blank << Numbers{12, 7} << false << SequenceScan::None;
    QTest::newRow("commas and semicolons")
        << "5,4;3" << blank << Numbers{5, 4, 3} << true << SequenceScan::None;
    QTest::newRow("leading zeros")
        << "007 0" << blank << Numbers{7, 0} << false << SequenceScan::None;
    QTest::newRow("empty") << "" << blank << Numbers{} << false << SequenceScan::NoNumber;
    QTest::newRow("letters only") << "abc" << blank << Numbers{} << true << SequenceScan::NoNumber;
    QTest::newRow("tab is odd in the line edit")
        << "1\t2" << blank << Numbers{1, 2} << true << SequenceScan::None;
    QTest::newRow("tab and newline are plain in files")
        << "1\t2\n3\r\n"
        << white << Numbers{1, 2, 3} << false << SequenceScan::None;
    QTest::newRow("comma is odd in files too")
        << "1,2" << white << Numbers{1, 2} << true << SequenceScan::None;
    QTest::newRow("non-ASCII digits separate")
        << QString::fromUtf8("1\u0663"
                             "2")
        << blank << Numbers{1, 2} << true << SequenceScan::None;
    QTest::newRow("emoji separates") << QString::fromUtf8("7\U0001F600"
                                                          "8")
                                     << blank << Numbers{7, 8} << true << SequenceScan::None;
    QTest::newRow("largest value with leading zeros")
        << "0000000000002147483647" << blank << Numbers{2147483647} << false << SequenceScan::None;
    QTest::newRow("one above the largest")
        << "1 2147483648 3" << blank << Numbers{} << false << SequenceScan::TooLarge;
    QTest::newRow("would wrap to a small value")
        << "4294967297" << blank << Numbers{} << false << SequenceScan::TooLarge;
    QTest::newRow("too large wins over too many")
        << QString(QStringLiteral("1 ").repeated(1200) + QStringLiteral("99999999999")) << blank
        << Numbers{} << false << SequenceScan::TooLarge;

    QString limit;
    Numbers limit_numbers;
    for (int i = 0; i < max_sequence_length; ++i) {
        limit += QString::number(i % 50) + u' ';
        limit_numbers.append(i % 50);
    }
    QTest::newRow("exactly the limit")
        << limit << blank << limit_numbers << false << SequenceScan::None;
    QTest::newRow("one over the limit")
        << limit + QStringLiteral("7") << blank << Numbers{} << false << SequenceScan::TooMany;
}

void TestSequenceInput::scan()
{
    QFETCH(QString, text);
    QFETCH(PlainSeparators, plain);
    QFETCH(Numbers, numbers);
    QFETCH(bool, odd);
    QFETCH(SequenceScan::Error, error);

    const SequenceScan result = scan_sequence(text, plain);
    QCOMPARE(result.error, error);
    QCOMPARE(result.numbers, numbers);
    if (error != SequenceScan::TooLarge)
        QCOMPARE(result.odd_separators, odd);
}

void TestSequenceInput::too_large_number_is_named_briefly()
{
    const SequenceScan first =
        scan_sequence(u"5 0009999999999 3 88888888888", PlainSeparators::Blank);
    QCOMPARE(first.too_large, QStringLiteral("9999999999"));

    const QString digits(100000, u'9');
    const SequenceScan pasted = scan_sequence(digits, PlainSeparators::Blank);
    QCOMPARE(pasted.error, SequenceScan::TooLarge);
    QVERIFY(pasted.too_large.startsWith(QStringLiteral("999999")));
    QVERIFY(pasted.too_large.endsWith(QStringLiteral("...")));
    QVERIFY(pasted.too_large.size() < 40);
}

void TestSequenceInput::huge_input_is_counted_not_kept()
{
    const QString text = QStringLiteral("1 ").repeated(1000000);
    const SequenceScan result = scan_sequence(text, PlainSeparators::Blank);
    QCOMPARE(result.error, SequenceScan::TooMany);
    QCOMPARE(result.number_count, qint64(1000000));
    QVERIFY(result.numbers.isEmpty());
}

QTEST_GUILESS_MAIN(TestSequenceInput)
#include "tst_sequence_input.moc"
