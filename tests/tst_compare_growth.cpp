// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The compare window's growth chart against vellora-trace --growth, its lines
// told apart, and its computation told, cancelled or cut short by closing.
#include "access/accessibility.h"
#include "compare_test.h"
#include "contrast.h"
#include "growth.h"
#include "growthlegend.h"
#include "markers.h"
#include "progresstalk.h"

#include <QLineSeries>

namespace
{

// Whether a pixel of a chart is drawn on, rather than left white or ruled
// by the faint grid.
bool inked(const QImage &image, int x, int y)
{
    return contrast_ratio(image.pixelColor(x, y), Qt::white) >= 2;
}

// Along a row from x to x + length: how many stretches of ink there are,
// and what share of the row is inked.
std::pair<int, qreal> ink_runs(const QImage &image, int y, int x, int length)
{
    int runs = 0, inked_count = 0;
    for (int i = 0; i < length; ++i) {
        inked_count += inked(image, x + i, y);
        runs += inked(image, x + i, y) && (i == 0 || !inked(image, x + i - 1, y));
    }
    return {runs, qreal(inked_count) / length};
}

// The pixels of a square around centre that are inked, as a share.
qreal ink_share(const QImage &image, QPointF centre, int side)
{
    int inked_count = 0;
    const QPoint corner = (centre - QPointF(side, side) / 2).toPoint();
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            inked_count += inked(image, corner.x() + x, corner.y() + y);
    return qreal(inked_count) / (side * side);
}

// What screen readers are told, for as long as it lives: the name of each
// item the accessible focus moves to, with the interface it belongs to.
struct Listening {
    struct Told {
        QString name;
        QAccessibleInterface *parent;
        QAccessible::Role role;
    };
    static QList<Told> &told()
    {
        static QList<Told> list;
        return list;
    }
    Listening()
    {
        told().clear();
        Accessibility::listen([](QAccessibleEvent *event) {
            QAccessibleInterface *item = event->accessibleInterface();
            if (event->type() == QAccessible::Focus && item != nullptr)
                told() << Told{item->text(QAccessible::Name), item->parent(), item->role()};
        });
    }
    ~Listening()
    {
        Accessibility::listen(nullptr);
        told().clear();
    }
    // What the window said, in order; a complaint where something else was told.
    static QStringList said_by(QWidget *window)
    {
        QStringList sentences;
        for (const Told &t : std::as_const(told()))
            if (t.parent == QAccessible::queryAccessibleInterface(window) &&
                t.role == QAccessible::ListItem)
                sentences << t.name;
            else
                sentences << QStringLiteral("(told elsewhere: %1)").arg(t.name);
        return sentences;
    }
};

} // namespace

class TestCompareGrowth : public CompareTest
{
    Q_OBJECT

    // The growth chart as a picture, at twice its size as copied, where a
    // point of the chart lies at twice its coordinates.
    QImage growth_picture() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        return compare()->chart_image();
    }

    // The computation's thread has ended, and drawn nothing.
    bool nothing_computed()
    {
        if (!QTest::qWaitFor([this] { return compare()->findChildren<QThread *>().isEmpty(); }))
            return false;
        const QList<QAbstractSeries *> lines = chart(1)->chart()->series();
        return !compare()->computing() &&
               std::all_of(lines.begin(), lines.end(), [](QAbstractSeries *line) {
                   return static_cast<QLineSeries *>(line)->count() == 0;
               });
    }

private slots:
    void growth_data()
    {
        QTest::addColumn<double>("seed");
        QTest::newRow("the default seed") << double(growth_default_seed);
        QTest::newRow("the largest seed") << 4294967295.0;
    }

    // The chart shows the averages and exponents vellora-trace --growth
    // prints for the same seed, the seed in its title, and each bound; its
    // description and tooltips give each average's interval, its note the widest.
    void growth()
    {
        QFETCH(double, seed);
        QVERIFY(open());
        get<QDoubleSpinBox>("seedBox")->setValue(seed);
        QSignalSpy drawn(compare(), &CompareWindow::growth_drawn);
        pages()->setCurrentIndex(1); // computes when first shown
        QVERIFY(compare()->computing());
        QVERIFY(drawn.wait(60000));
        // A picture taken at once shows the new legend, as the chart will.
        const QImage at_once = compare()->chart_image();
        QCoreApplication::processEvents();
        QCOMPARE(compare()->chart_image(), at_once);

        const QString seed_text = QString::number(quint32(seed));
        const QJsonObject expected =
            object(run_trace({"--growth", "--json", "--seed", seed_text}).out);
        const QJsonArray sizes = expected["sizes"].toArray();
        const QJsonArray formulas = expected["formulas"].toArray();
        QCOMPARE(formulas.size(), formula_count);
        QVERIFY(growth_chart()->title().endsWith("seed " + seed_text));
        const QStringList bounds = {"Θ(n²)",      "Θ(n^(3/2))", "O(n^(4/3))", "Θ(n log² n)",
                                    "none known", "O(n^(3/2))", "none proved"};
        double widest = 0;
        for (int f = 0; f < formula_count; ++f) {
            const auto *line = static_cast<QLineSeries *>(chart(1)->chart()->series().at(f));
            const QJsonArray averages = formulas[f]["averages"].toArray();
            const QJsonArray intervals = formulas[f]["intervals"].toArray();
            QCOMPARE(line->count(), sizes.size());
            QStringList said;
            for (int i = 0; i < sizes.size(); ++i) {
                QCOMPARE(line->at(i), QPointF(sizes[i].toDouble(), averages[i].toDouble()));
                said << QLocale().toString(averages[i].toDouble(), 'f', 1) + " ± " +
                            QLocale().toString(intervals[i].toDouble(), 'f', 1);
                widest = std::max(widest, intervals[i].toDouble() / averages[i].toDouble());
            }
            QVERIFY(chart(1)->accessibleDescription().contains(": averages " + said.join(", ")));
            const QString exponent = QLocale().toString(formulas[f]["exponent"].toDouble(), 'f', 2);
            QVERIFY2(line->name().contains(": n^" + exponent + " (worst case: " + bounds[f]),
                     qPrintable(line->name()));
        }
        // Pratt's last point stands apart: its tooltip a pixel or two off, none far off.
        auto *pratt = static_cast<QLineSeries *>(chart(1)->chart()->series().at(3));
        const QPoint at = chart(1)->mapFromScene(chart(1)->chart()->mapToScene(
            chart(1)->chart()->mapToPosition(pratt->points().last(), pratt)));
        const QString average = QLocale().toString(pratt->points().last().y(), 'f', 1) + " ± " +
                                QLocale().toString(formulas[3]["intervals"][12].toDouble(), 'f', 1);
        QCOMPARE(growth_chart()->point_text(at + QPoint(1, 2)),
                 "Pratt's formula, n = 1000: " + average +
                     " comparisons on average (95% confidence), over " +
                     QString::number(expected["samples"][12].toInt()) + " random permutations");
        QCOMPARE(growth_chart()->point_text(at + QPoint(30, 30)), QString());
        QCOMPARE(compare()->chart_name("png"), "shell-sort-growth-seed-" + seed_text + ".png");
        QVERIFY(get("intervalNote")->isVisible());
        QVERIFY(
            get<QLabel>("intervalNote")
                ->text()
                .endsWith("The widest here: ± " + QLocale().toString(widest * 100, 'f', 2) + "%."));
    }

    void computation_is_told_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("the growth page shown the first time") << "shown";
        QTest::newRow("Compute clicked") << "clicked";
        QTest::newRow("Space on Compute") << "space";
        QTest::newRow("Enter in the seed box") << "enter";
    }

    // However the computation starts, the window tells a screen reader that
    // it started, how far it got, if it is slow enough for that, and, once
    // that has been said, that it ended, each in an item of its own that the
    // accessible focus moves to.
    void computation_is_told()
    {
        QFETCH(QString, how);
        QVERIFY(how == u"shown" || growth_shown());
        if (how == u"shown")
            QVERIFY(open());
        auto *seed_box = get<QDoubleSpinBox>("seedBox");
        seed_box->setValue(growth_default_seed + 7);
        const Listening listening;
        QSignalSpy drawn(compare(), &CompareWindow::growth_drawn);
        if (how == u"shown") {
            pages()->setCurrentIndex(1);
        } else if (how == u"clicked") {
            QTest::mouseClick(get("computeButton"), Qt::LeftButton);
        } else if (how == u"space") {
            get("computeButton")->setFocus();
            press(Qt::Key_Space);
        } else {
            seed_box->setFocus();
            press(Qt::Key_Return);
        }
        QVERIFY(drawn.wait(60000));
        // The end is told once the start has been said.
        const QString seed = QString::number(growth_default_seed + 7);
        const QString done = "Done: the chart shows the averages for seed " + seed + '.';
        const auto last_said = [this] {
            const QStringList said = Listening::said_by(compare());
            return said.isEmpty() ? QString() : said.last();
        };
        QTRY_COMPARE_WITH_TIMEOUT(last_said(), done, 10000);
        const QStringList said = Listening::said_by(compare());
        // Shown, the start names the page, whose name it cuts short.
        QCOMPARE(said.first(), how == u"shown" ? "Growth with n: computing the growth chart."
                                               : "Computing the growth chart.");
        QCOMPARE(said.count(done), 1);
        int told = 0;
        for (const QString &sentence : said.mid(1, said.size() - 2)) {
            const QRegularExpressionMatch percent =
                QRegularExpression(QStringLiteral("^(\\d+) percent\\.$")).match(sentence);
            QVERIFY2(percent.hasMatch() && percent.captured(1).toInt() > told,
                     qPrintable(said.join(u'|')));
            told = percent.captured(1).toInt();
        }
    }

    // Esc, or Cancel, tells where the computation stood, as the progress bar shows.
    void cancel_is_told()
    {
        QVERIFY(open());
        const Listening listening;
        pages()->setCurrentIndex(1);
        QVERIFY(compare()->computing());
        press(Qt::Key_Escape);
        const auto *progress = compare()->findChild<QProgressBar *>();
        QCOMPARE(progress->text(), "Cancelled");
        const QStringList said = Listening::said_by(compare());
        QVERIFY(!said.isEmpty());
        QCOMPARE(said.last(), QStringLiteral("Cancelled at %1 percent.").arg(progress->value()));
        QVERIFY(nothing_computed());
    }

    void progress_talk_paces_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u, 4u, 5u, 6u})
            QTest::addRow("computation %u", seed) << seed;
    }

    // Over computations of random speed: each sentence is told once the one
    // before it has been said, and a step of progress after a silence at
    // once; a share is told once; the start and the end are always told.
    void progress_talk_paces()
    {
        QFETCH(quint32, seed);
        QRandomGenerator rng(seed);
        compare_detail::ProgressTalk talk;
        qint64 now = rng.bounded(100000);
        QCOMPARE(talk.started(now, "Growth with n"), "Growth with n: computing the growth chart.");
        QCOMPARE(talk.started(now), "Computing the growth chart.");
        qint64 quiet = talk.quiet_at();
        QVERIFY(quiet > now);
        int told = 0;
        for (int percent = 1; percent < 100; percent += int(rng.bounded(1, 4))) {
            now += rng.bounded(700);
            const bool silent = now >= quiet;
            const QString said = talk.progressed(percent, now);
            QCOMPARE(said.isEmpty(), !silent);
            if (!said.isEmpty()) {
                QCOMPARE(said, QStringLiteral("%1 percent.").arg(percent));
                told = percent;
                quiet = talk.quiet_at();
                QVERIFY(quiet > now);
                // The same share again is news to no one, however late.
                QCOMPARE(talk.progressed(percent, quiet + 100000), QString());
            }
        }
        // The end once the sentence before has been said; a cancel at once.
        if (rng.bounded(2) == 0) {
            qint64 when = -1;
            QCOMPARE(talk.done(1959, now, &when),
                     "Done: the chart shows the averages for seed 1959.");
            QCOMPARE(when, qMax(now, quiet));
        } else {
            QCOMPARE(talk.cancelled(told, now),
                     QStringLiteral("Cancelled at %1 percent.").arg(told));
            QVERIFY(talk.quiet_at() > now);
        }
    }

    // Each line's sample in the legend is long enough to show its dashes
    // and gaps whole on either side of its marker, and shows them; the
    // markers differ from each other in shape, and the sample is in the
    // line's pen and the name is the line's.
    void legend_tells_lines_apart()
    {
        QVERIFY(growth_shown());
        const QImage picture = growth_picture();
        const compare_detail::GrowthLegend *legend = growth_chart()->legend();
        const qreal marker = growth_chart()->markers()->size();
        QList<QImage> shapes;
        for (int f = 0; f < formula_count; ++f) {
            const auto *line = static_cast<QLineSeries *>(chart(1)->chart()->series().at(f));
            const compare_detail::LegendEntry &entry = legend->entries().at(f);
            QCOMPARE(entry.pen, line->pen());
            QCOMPARE(entry.text, line->name());
            QCOMPARE(entry.marker, formulas[f].marker);

            const QRectF sample = legend->mapRectToScene(legend->sample_rect(f))
                                      .translated(-chart(1)->sceneRect().topLeft());
            qreal pattern = 0;
            for (qreal part : entry.pen.dashPattern())
                pattern += part * entry.pen.widthF();
            const qreal side = (sample.width() - marker) / 2;
            QVERIFY2(side >= pattern, qPrintable(line->name()));
            // Either side of the marker, on the picture at twice the size.
            const int y = qRound(sample.center().y() * 2);
            const int dashes = int(entry.pen.dashPattern().size()) / 2;
            for (qreal from : {sample.left(), sample.right() - side}) {
                const auto [runs, share] =
                    ink_runs(picture, y, qRound(from * 2) + 2, int(side * 2) - 4);
                QVERIFY2(dashes == 0 ? runs == 1 && share > 0.95 : runs >= dashes && share < 0.8,
                         qPrintable(QStringLiteral("%1: %2 dashes, %3 inked")
                                        .arg(line->name())
                                        .arg(runs)
                                        .arg(share)));
            }
            const int box = int(std::ceil(marker * 2 * 1.3));
            shapes << picture
                          .copy(QRect((sample.center() * 2).toPoint() - QPoint(box, box) / 2,
                                      QSize(box, box)))
                          .convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
        }
        // Two markers differ in a tenth of their box at least, whatever the pens.
        for (int f = 0; f < formula_count; ++f)
            for (int g = f + 1; g < formula_count; ++g) {
                int differ = 0;
                for (int y = 0; y < shapes[f].height(); ++y)
                    for (int x = 0; x < shapes[f].width(); ++x)
                        differ += shapes[f].pixelIndex(x, y) != shapes[g].pixelIndex(x, y);
                QVERIFY2(differ * 10 >= shapes[f].width() * shapes[f].height(),
                         qPrintable(QStringLiteral("formulas %1 and %2").arg(f).arg(g)));
            }
    }

    // Each line carries a marker on every point, drawn over the line: with
    // the line alone shown, the square as wide as a marker around each
    // point is inked to two fifths or more, where the line alone, even the
    // wide one in force, inks under three tenths.
    void markers_on_every_point()
    {
        QVERIFY(growth_shown());
        const QList<QAbstractSeries *> lines = chart(1)->chart()->series();
        const qreal marker = growth_chart()->markers()->size();
        for (int f = 0; f < formula_count; ++f) {
            for (int g = 0; g < formula_count; ++g)
                lines[g]->setVisible(g == f);
            const QImage picture = growth_picture();
            const auto *line = static_cast<QLineSeries *>(lines[f]);
            QCOMPARE(growth_chart()->markers()->centres(f).size(), line->count());
            for (const QPointF &point : line->points()) {
                const QPointF at = chart(1)->chart()->mapToPosition(point, lines[f]);
                QVERIFY2(
                    ink_share(picture, at * 2, int(marker * 2)) >= 0.38,
                    qPrintable(QStringLiteral("%1 at n = %2").arg(line->name()).arg(point.x())));
            }
        }
    }

    // Esc and closing cancel; the computation's thread ends and draws
    // nothing; a window reopened on its growth page computes again, and the
    // main window's end ends the computation too.
    void cancelling_and_closing()
    {
        QVERIFY(open());
        QSignalSpy drawn(compare(), &CompareWindow::growth_drawn);
        pages()->setCurrentIndex(1); // computes when first shown
        QVERIFY(compare()->computing());
        press(Qt::Key_Escape);
        QVERIFY(nothing_computed());
        QVERIFY(compare()->isVisible());
        press(Qt::Key_Escape);
        QVERIFY(!compare()->isVisible());

        QVERIFY(back_to_main_window());
        QVERIFY(open());
        QVERIFY(!compare()->computing()); // a cancelled chart waits for Compute
        QTest::mouseClick(get("computeButton"), Qt::LeftButton);
        QVERIFY(compare()->computing());
        compare()->close();
        QVERIFY(nothing_computed());

        QVERIFY(back_to_main_window());
        QVERIFY(open());
        QVERIFY(compare()->computing());
        delete w->window;
        QCOMPARE(drawn.count(), 0);
    }
};

QTEST_MAIN(TestCompareGrowth)
#include "tst_compare_growth.moc"
