// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The compare window's table and bar chart against vellora-trace --compare,
// where the window opens, how it lays them out, and pictures of the chart.
#include "compare_test.h"

#include <QAccessible>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QHorizontalBarSeries>
#include <QSvgRenderer>

namespace
{

// Pixels of the colour, every other one each way.
int pixels_of(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            count += image.pixelColor(x, y) == colour;
    return count;
}

QString joined(const QJsonArray &values)
{
    QStringList texts;
    for (const QJsonValue &v : values)
        texts << QString::number(v.toInt());
    return texts.join(QStringLiteral(", "));
}

} // namespace

class TestCompare : public CompareTest
{
    Q_OBJECT

    QString row_name(int row) const
    {
        return table()->model()->headerData(row, Qt::Vertical).toString();
    }
    bool row_name_bold(int row) const
    {
        return table()->model()->headerData(row, Qt::Vertical, Qt::FontRole).value<QFont>().bold();
    }
    // What a screen reader hears heads the cell's row.
    QStringList row_headers(int row, int column) const
    {
        QAccessibleInterface *cell =
            QAccessible::queryAccessibleInterface(table())->tableInterface()->cellAt(row, column);
        QStringList names;
        // Qt 6.4 makes new header interfaces at each call and leaves them to the caller.
        for (QAccessibleInterface *header : cell->tableCellInterface()->rowHeaderCells()) {
            names << header->text(QAccessible::Name);
            QAccessible::deleteAccessibleInterface(
                QAccessible::registerAccessibleInterface(header));
        }
        return names;
    }
    QString in_force() const
    {
        QString marked;
        for (int r = 0; r < table()->rowCount(); ++r)
            if (row_name(r).contains(u'▶'))
                marked += row_name(r);
        return marked;
    }

private slots:
    void opens_over_the_window_data()
    {
        QTest::addColumn<QPoint>("window_at");
        QTest::newRow("window at the top left") << QPoint(0, 0);
        QTest::newRow("window at the bottom right") << QPoint(500, 400);
    }

    // The window opens inside the screen's available area, centred on the
    // main window as far as that area allows.
    void opens_over_the_window()
    {
        QFETCH(QPoint, window_at);
        w->window->move(window_at);
        QVERIFY(open());
        const QRect area = compare()->screen()->availableGeometry();
        QVERIFY2(area.contains(compare()->frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(compare()->x())
                                .arg(compare()->y())
                                .arg(compare()->width())
                                .arg(compare()->height())));
        const QPoint centre = compare()->frameGeometry().center();
        const QPoint wanted = w->window->frameGeometry().center();
        // Off by no more than the area forces it.
        const int dx = qAbs(centre.x() - wanted.x()), dy = qAbs(centre.y() - wanted.y());
        QVERIFY(dx <= qMax(0, area.width() - compare()->frameGeometry().width()) / 2 +
                          qAbs(wanted.x() - area.center().x()) + 1);
        QVERIFY(dy <= qMax(0, area.height() - compare()->frameGeometry().height()) / 2 +
                          qAbs(wanted.y() - area.center().y()) + 1);
    }

    void costs_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("formula");
        QTest::addColumn<int>("step");
        QTest::newRow("ten numbers under Knuth's formula, in the middle of the trace")
            << "5 3 8 1 9 2 7 4 6 0" << 5 << 20;
        QTest::newRow("Shell's worst case of the help page, at the start")
            << "9 1 10 2 11 3 12 4 13 5 14 6 15 7 16 8" << 0 << 0;
        QTest::newRow("one number, nothing to sort") << "7" << 6 << 1;
    }

    // For the trace's sequence, whatever the step on display: each formula's
    // numbers as vellora-trace --compare gives them, in the table and the
    // bars, with the formula in force marked by a sign and in words.
    void costs()
    {
        QFETCH(QString, typed);
        QFETCH(int, formula);
        QFETCH(int, step);
        w->apply_under(formula, typed);
        w->window->step_to(step);
        QVERIFY(open());
        const QJsonArray expected =
            QJsonDocument::fromJson(
                run_trace(QStringList{"--compare", "--json"} + typed.split(u' ')).out)
                .array();
        QCOMPARE(expected.size(), formula_count);

        const auto *series =
            static_cast<QHorizontalBarSeries *>(chart(0)->chart()->series().constFirst());
        QBarSet *swaps = series->barSets().at(0), *comparisons = series->barSets().at(1);
        const QStringList categories =
            static_cast<QBarCategoryAxis *>(chart(0)->chart()->axes(Qt::Vertical).constFirst())
                ->categories();
        for (int f = 0; f < formula_count; ++f) {
            const QJsonObject row = expected[f].toObject();
            QString name = row["formula"].toString();
            if (f == formula)
                name = "▶ " + name + " (in force)";
            // The formula heads its row, for the eye and for a screen
            // reader, which names it with each cell of the row.
            QCOMPARE(row_name(f), name);
            const QStringList cells = {
                QString::number(row["gaps"].toArray().size()),
                QString::number(row["operations"].toInt()), QString::number(row["swaps"].toInt()),
                QString::number(row["steps"].toInt()), joined(row["gaps"].toArray())};
            QCOMPARE(table()->columnCount(), cells.size());
            for (int c = 0; c < cells.size(); ++c) {
                QCOMPARE(table()->item(f, c)->text(), cells[c]);
                QCOMPARE(row_headers(f, c), QStringList{name});
            }
            // The first formula on top, where a bar chart draws its last category.
            const int bar = formula_count - 1 - f;
            QCOMPARE(categories[bar], name);
            QCOMPARE(comparisons->at(bar), row["operations"].toDouble());
            QCOMPARE(swaps->at(bar), row["swaps"].toDouble());
        }
        QCOMPARE(comparisons->selectedBars(), QList<int>{formula_count - 1 - formula});
        QVERIFY(row_name_bold(formula));
        QVERIFY(table()->item(formula, 0)->font().bold());
        QVERIFY(!row_name_bold((formula + 1) % formula_count));

        QAccessibleInterface *bars = QAccessible::queryAccessibleInterface(chart(0));
        QCOMPARE(bars->role(), QAccessible::Chart);
        QVERIFY(bars->text(QAccessible::Description)
                    .endsWith("In force: " + expected[formula]["formula"].toString() + '.'));
        QCOMPARE(QAccessible::queryAccessibleInterface(table())->role(), QAccessible::Table);
    }

    // The open window follows a new formula and a new Apply; F6 brings the
    // same window back.
    void follows_the_window()
    {
        w->apply(QStringLiteral("5 3 8 1 9 2 7 4 6 0"));
        QVERIFY(open());
        QCOMPARE(in_force(), "▶ Shell's formula (in force)");
        w->get<QComboBox>("chosenFormula")->setCurrentIndex(3);
        QCOMPARE(in_force(), "▶ Pratt's formula (in force)");
        w->apply(QStringLiteral("3 1 2"));
        QTRY_COMPARE(table()->item(0, 1)->text(), "3");

        compare()->close();
        w->apply(QStringLiteral("2 1"));
        QVERIFY(back_to_main_window());
        QVERIFY(open());
        QTRY_COMPARE(table()->item(0, 1)->text(), "1");
        QVERIFY(back_to_main_window());
        QVERIFY(open());
        QCOMPARE(w->window->findChildren<CompareWindow *>().size(), 1);
    }

    // Left larger than the screen and partly off it, the window opens
    // again within it.
    void opens_within_the_screen()
    {
        QVERIFY(open());
        const QRect room = compare()->screen()->availableGeometry();
        compare()->setGeometry(QRect(room.bottomRight() - QPoint(300, 200), room.size() * 2));
        compare()->close();
        QVERIFY(back_to_main_window());
        QVERIFY(open());
        QVERIFY2(room.contains(compare()->frameGeometry()),
                 qPrintable(QDebug::toString(compare()->frameGeometry())));
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("PNG") << "png";
        QTest::newRow("SVG") << "svg";
    }

    // The bar chart as PNG at twice its size on screen, as on the clipboard
    // with the table's numbers, or as SVG; an unwritable name gets a box.
    void pictures()
    {
        QFETCH(QString, suffix);
        w->apply(QStringLiteral("5 3 8 1 9 2 7 4 6 0"));
        QVERIFY(open());
        QCOMPARE(compare()->chart_name(suffix), "shell-sort-formulas-compared." + suffix);
        QTemporaryDir dir;
        const QString path = dir.filePath(compare()->chart_name(suffix));
        QVERIFY(compare()->save_chart(path));
        QImage image(chart(0)->viewport()->size() * 2, QImage::Format_RGB32);
        if (suffix == u"svg") {
            QSvgRenderer svg(path);
            QVERIFY(svg.isValid());
            QCOMPARE(svg.viewBoxF().size(), QSizeF(chart(0)->viewport()->size()));
            // Drawn as the PNG is, it shows the bars too.
            image.fill(Qt::white);
            QPainter painter(&image);
            svg.render(&painter);
        } else {
            QVERIFY(image.load(path));
            QCOMPARE(image.size(), chart(0)->viewport()->size() * 2);
            press(QKeyCombination(Qt::CTRL, Qt::Key_C));
            QCOMPARE(QGuiApplication::clipboard()->image(),
                     image.convertToFormat(QImage::Format_RGB32));
            QVERIFY(QGuiApplication::clipboard()->text().startsWith(
                "Formula\tPasses\tComparisons (operations)\tSwaps\tSteps\tGaps\n"));
            QVERIFY(QGuiApplication::clipboard()->text().contains(
                "\n▶ Shell's formula (in force)\t3\t25\t8\t43\t5, 2, 1\n"));
        }
        QVERIFY(pixels_of(image, QColor(0, 114, 178)) > 1000); // the bars of the comparisons
        QVERIFY(!compare()->save_chart(dir.filePath("no/such/folder/chart." + suffix)));
        QCOMPARE(w->boxes.size(), 1);
    }

    void arrangement_data()
    {
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<bool>("beside");
        QTest::newRow("wide") << QList<int>{1600} << true;
        QTest::newRow("narrow") << QList<int>{500} << false;
        QTest::newRow("narrowed after wide") << QList<int>{1600, 500} << false;
        QTest::newRow("widened after narrow") << QList<int>{500, 1600} << true;
    }

    // The bar chart stands beside the table where the window is wide enough
    // for both, and below it where it is not.
    void arrangement()
    {
        QFETCH(QList<int>, widths);
        QFETCH(bool, beside);
        w->apply(QStringLiteral("5 3 8 1 9 2 7 4 6 0"));
        QVERIFY(open());
        for (int width : widths)
            compare()->resize(width, compare()->height());
        const auto place = [this](QWidget *widget) {
            return QRect(widget->mapTo(compare(), QPoint()), widget->size());
        };
        const auto chart_beside = [&] {
            const QRect bars = place(chart(0)), cells = place(table());
            return bars.left() > cells.right() && bars.top() < cells.bottom();
        };
        const auto chart_below = [&] { return place(chart(0)).top() > place(table()).bottom(); };
        QTRY_VERIFY(beside ? chart_beside() : chart_below());
        QVERIFY(beside ? !chart_below() : !chart_beside());
    }
};

QTEST_MAIN(TestCompare)
#include "tst_compare.moc"
