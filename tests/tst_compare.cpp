// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The window that compares the formulas: its table and bar chart against
// vellora-trace --compare, its growth chart against vellora-trace --growth,
// and a computation cancelled or cut short by closing.
#include "access/accessibility.h"
#include "compare.h"
#include "contrast.h"
#include "growth.h"
#include "growthchart.h"
#include "growthlegend.h"
#include "markers.h"
#include "progresstalk.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QSvgRenderer>

namespace
{

QJsonDocument run_trace(const QStringList &args)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELLORA_TRACE), args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(process.readAllStandardOutput());
}

// The key goes where a user's key would: to the active window's focus.
void press(QKeyCombination key)
{
    QWidget *target =
        QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
    QCoreApplication::processEvents();
}

// Pixels of the colour, every other one each way.
int pixels_of(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            count += image.pixelColor(x, y) == colour;
    return count;
}

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

// Breeze Dark's colours, as a dark desktop gives them.
QPalette dark_palette()
{
    QPalette palette;
    const QColor window(0x31363b), base(0x232629), text(0xfcfcfc), highlight(0x3daee9);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
        palette.setColor(role, window);
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::AlternateBase})
        palette.setColor(role, base);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                     QPalette::HighlightedText, QPalette::BrightText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Highlight, highlight);
    return palette;
}

// What of rect, in the widget's coordinates, a page that scrolls shows:
// what lies within every widget around it in its window.
QRect in_sight(const QWidget *widget, QRect rect)
{
    for (const QWidget *inner = widget; !inner->isWindow(); inner = inner->parentWidget())
        rect &=
            QRect(widget->mapFrom(inner->parentWidget(), QPoint()), inner->parentWidget()->size());
    return rect;
}

// Where the pictures of a widget with and without the focus show no mark
// around rect, in its outermost four pixels: along every edge, but for the
// corners, some pixel of that band changes by 3:1 with the focus and stands
// out 3:1 from the pixel just outside the rect, and some from the pixel just
// inside the band. Empty where the mark shows all round.
QString unmarked(const QImage &without, const QImage &with, const QRect &rect)
{
    constexpr int band = 4, outside = 1, inside = band + 1, corner = 6;
    const QRect picture = with.rect();
    QStringList places;
    int checked = 0;
    const auto check = [&](QPoint edge, QPoint inward) {
        const QPoint out = edge - outside * inward, in = edge + inside * inward;
        bool changes = false, from_outside = !picture.contains(out), from_inside = false;
        for (int k = 0; k < band; ++k) {
            const QColor mark = with.pixelColor(edge + k * inward);
            changes |= contrast_ratio(mark, without.pixelColor(edge + k * inward)) >= 3;
            from_outside |=
                picture.contains(out) && contrast_ratio(mark, with.pixelColor(out)) >= 3;
            from_inside |= contrast_ratio(mark, with.pixelColor(in)) >= 3;
        }
        ++checked;
        if (!(changes && from_outside && from_inside))
            places << QStringLiteral("(%1, %2)%3%4%5")
                          .arg(edge.x())
                          .arg(edge.y())
                          .arg(changes ? "" : " unchanged")
                          .arg(from_outside ? "" : " like the outside")
                          .arg(from_inside ? "" : " like the inside");
    };
    for (int x = rect.left() + corner; x <= rect.right() - corner; x += 2) {
        check({x, rect.top()}, {0, 1});
        check({x, rect.bottom()}, {0, -1});
    }
    for (int y = rect.top() + corner; y <= rect.bottom() - corner; y += 2) {
        check({rect.left(), y}, {1, 0});
        check({rect.right(), y}, {-1, 0});
    }
    if (places.isEmpty())
        return QString();
    return QStringLiteral("%1 of %2 places, such as %3")
        .arg(places.size())
        .arg(checked)
        .arg(places.mid(0, 4).join(QStringLiteral(", ")));
}

// The visible texts of a chart, with where they lie in the scene.
QList<QGraphicsTextItem *> chart_texts(const QChartView *view)
{
    QList<QGraphicsTextItem *> texts;
    for (QGraphicsItem *item : view->scene()->items())
        if (auto *text = dynamic_cast<QGraphicsTextItem *>(item);
            text != nullptr && text->isVisible() && !text->toPlainText().isEmpty())
            texts << text;
    return texts;
}

// Where a one-line text's glyphs lie in the scene, without the margins of its box.
QRectF glyphs(const QGraphicsTextItem *text)
{
    const QFontMetricsF metrics(text->font());
    const qreal margin = text->document()->documentMargin();
    return metrics.tightBoundingRect(text->toPlainText())
        .translated(text->scenePos() + QPointF(margin, margin + metrics.ascent()));
}

// Complaints about the bar chart's numbers: each bar's number clear of the
// other numbers and of every bar, and within the chart.
QStringList crowded_numbers(const QChartView *view, const QList<QColor> &bar_colours)
{
    const QRectF plot = view->chart()->plotArea();
    QList<QRectF> bars, numbers;
    for (QGraphicsItem *item : view->scene()->items())
        if (auto *bar = dynamic_cast<QGraphicsRectItem *>(item);
            bar != nullptr && bar->isVisible() && bar_colours.contains(bar->brush().color()) &&
            plot.contains(bar->sceneBoundingRect().center()))
            bars << bar->sceneBoundingRect();
    for (QGraphicsTextItem *text : chart_texts(view))
        if (QRegularExpression(QStringLiteral("^\\d+$")).match(text->toPlainText()).hasMatch() &&
            plot.contains(glyphs(text).center()))
            numbers << glyphs(text);
    QStringList complaints;
    if (numbers.size() != bars.size() || bars.size() != 2 * formula_count)
        complaints << QStringLiteral("%1 numbers for %2 bars").arg(numbers.size()).arg(bars.size());
    for (int i = 0; i < numbers.size(); ++i) {
        for (int j = i + 1; j < numbers.size(); ++j)
            if (numbers[i].intersects(numbers[j]))
                complaints << QStringLiteral("numbers at %1 and %2 overlap")
                                  .arg(numbers[i].y())
                                  .arg(numbers[j].y());
        for (const QRectF &bar : std::as_const(bars))
            if (numbers[i].intersects(bar))
                complaints << QStringLiteral("the number at %1 lies on a bar").arg(numbers[i].y());
        if (!view->sceneRect().contains(numbers[i]))
            complaints << QStringLiteral("the number at %1 is cut off").arg(numbers[i].y());
    }
    return complaints;
}

QString joined(const QJsonArray &values)
{
    QStringList texts;
    for (const QJsonValue &v : values)
        texts << QString::number(v.toInt());
    return texts.join(QStringLiteral(", "));
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

class TestCompare : public QObject
{
    Q_OBJECT

    std::optional<WindowFixture> w;

    CompareWindow *compare() const { return w->window->findChild<CompareWindow *>(); }
    template <class T = QWidget> T *get(const char *name) const
    {
        return compare()->findChild<T *>(QLatin1String(name));
    }
    QTableWidget *table() const { return get<QTableWidget>("costTable"); }
    QChartView *chart(int page) const
    {
        return get<QChartView>(page == 0 ? "barChart" : "growthChart");
    }
    QTabWidget *pages() const { return compare()->findChild<QTabWidget *>(); }
    compare_detail::GrowthChart *growth_chart() const
    {
        return static_cast<compare_detail::GrowthChart *>(chart(1));
    }
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
        for (QAccessibleInterface *header : cell->tableCellInterface()->rowHeaderCells())
            names << header->text(QAccessible::Name);
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

    // F6 opens the window, or brings it back, with the costs shown.
    bool open()
    {
        press(Qt::Key_F6);
        return compare() != nullptr && QTest::qWaitForWindowActive(compare()) &&
               QTest::qWaitFor([this] { return table()->item(0, 0) != nullptr; });
    }

    bool back_to_main_window()
    {
        w->window->activateWindow();
        return QTest::qWaitForWindowActive(w->window);
    }

    // The widget of a row of focus_shows, brought to where the user would
    // have it, and where its mark should lie, in its coordinates.
    QWidget *focus_target(const QString &target, std::function<QRect()> *area)
    {
        if (target == u"tab after F6 and Left") {
            press(Qt::Key_Right);
            press(Qt::Key_Left);
            QTabBar *bar = pages()->tabBar();
            if (QApplication::focusWidget() != bar || bar->currentIndex() != 0)
                return nullptr;
            *area = [bar] { return bar->tabRect(0); };
            return bar;
        }
        if (target == u"table" || target == u"current cell") {
            QTableWidget *cells = table();
            cells->setFocus(Qt::TabFocusReason);
            press(Qt::Key_Down);
            press(Qt::Key_Right);
            *area = [cells, whole = target == u"table"] {
                return in_sight(cells,
                                whole ? cells->rect()
                                      : cells->visualRect(cells->currentIndex())
                                            .translated(cells->viewport()->mapTo(cells, QPoint())));
            };
            return cells;
        }
        QWidget *widget = nullptr;
        if (target.contains(u" chart"))
            widget = chart(target == u"growth chart" ? 1 : 0);
        for (auto *button : compare()->findChildren<QPushButton *>())
            if (button->text() + QStringLiteral(" button") == target && button->isVisible())
                widget = button;
        *area = [widget] { return in_sight(widget, widget->rect()); };
        return widget;
    }

    // The growth page shown with its chart drawn.
    bool growth_shown()
    {
        if (!open())
            return false;
        QSignalSpy drawn(compare(), &CompareWindow::growth_drawn);
        pages()->setCurrentIndex(1);
        return drawn.wait(60000);
    }

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

    void init() { w.emplace(); }
    void cleanup() { w.reset(); }

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
            run_trace(QStringList{"--compare", "--json"} + typed.split(u' ')).array();
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
            run_trace({"--growth", "--json", "--seed", seed_text}).object();
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

    void focus_shows_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("dark");
        for (bool dark : {false, true})
            for (const char *target :
                 {"tab after F6 and Left", "table", "current cell", "bar chart",
                  "bar chart, its page scrolled to the end", "growth chart", "Compute button",
                  "Copy picture button", "Close button"})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(target).arg(
                    dark ? "dark desktop" : "light desktop")))
                    << QString::fromLatin1(target) << dark;
    }

    // Whatever has the focus shows a mark all round, 3:1 or more against
    // what it was without the focus and against what lies around it, on a
    // light desktop and on a dark one.
    void focus_shows()
    {
        QFETCH(QString, target);
        QFETCH(bool, dark);
        const QPalette light = QApplication::palette();
        const auto restore = qScopeGuard([&light] { QApplication::setPalette(light); });
        if (dark)
            QApplication::setPalette(dark_palette());
        const bool on_growth = target == u"growth chart" || target == u"Compute button";
        QVERIFY(on_growth ? growth_shown() : open());
        std::function<QRect()> area;
        QWidget *widget = focus_target(target, &area);
        QVERIFY(widget != nullptr);
        widget->setFocus(Qt::TabFocusReason);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
        if (target.endsWith(u"scrolled to the end")) {
            QScrollArea *page = nullptr;
            for (auto *area : compare()->findChildren<QScrollArea *>())
                if (area->isAncestorOf(widget))
                    page = area;
            QVERIFY(page != nullptr && page->verticalScrollBar()->maximum() > 0);
            page->verticalScrollBar()->setValue(page->verticalScrollBar()->maximum());
            QCoreApplication::processEvents();
        }
        const QImage with = compare()->grab().toImage();
        const QRect rect = area().translated(widget->mapTo(compare(), QPoint()));
        widget->clearFocus();
        QCoreApplication::processEvents();
        const QImage without = compare()->grab().toImage();
        QCOMPARE(area().translated(widget->mapTo(compare(), QPoint())), rect);
        const QString faults = unmarked(without, with, rect);
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
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
        QCOMPARE(said.first(), "Computing the growth chart.");
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

    void progress_text_reads_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("dark");
        for (bool dark : {false, true})
            for (const char *state : {"Computing", "Cancelled", "Done"})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(state).arg(
                    dark ? "dark desktop" : "light desktop")))
                    << QString::fromLatin1(state) << dark;
    }

    // The progress bar's text stands 4.5:1 or more from what it is drawn
    // on, over the bar's chunk and beside it: of the pixels the text
    // changes, the strongest fifth, its strokes rather than their soft
    // edges, stand that far from the bar drawn without it.
    void progress_text_reads()
    {
        QFETCH(QString, state);
        QFETCH(bool, dark);
        const QPalette light = QApplication::palette();
        const auto restore = qScopeGuard([&light] { QApplication::setPalette(light); });
        if (dark)
            QApplication::setPalette(dark_palette());
        QVERIFY(state == u"Done" ? growth_shown() : open());
        if (state != u"Done") {
            pages()->setCurrentIndex(1);
            if (state == u"Cancelled")
                press(Qt::Key_Escape);
        }
        auto *progress = compare()->findChild<QProgressBar *>();
        QVERIFY(progress->text().startsWith(state));
        const QImage with = progress->grab().toImage();
        const QString format = progress->format();
        progress->setFormat(QString());
        const QImage without = progress->grab().toImage();
        progress->setFormat(format);
        QList<qreal> strokes;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x)
                if (with.pixel(x, y) != without.pixel(x, y))
                    strokes << contrast_ratio(with.pixelColor(x, y), without.pixelColor(x, y));
        QVERIFY(strokes.size() > 20);
        std::sort(strokes.begin(), strokes.end());
        const qreal strong = strokes[strokes.size() * 4 / 5];
        QVERIFY2(strong >= 4.5, qPrintable(QStringLiteral("%1:1").arg(strong)));
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

    void large_print_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<QSize>("screen");
        QTest::newRow("the desktop's own font, 1280 × 1024 at twice the scale")
            << 0 << QSize(640, 512);
        QTest::newRow("14 pt, 800 × 600") << 14 << QSize(800, 600);
        QTest::newRow("18 pt, 800 × 600") << 18 << QSize(800, 600);
    }

    // At large fonts the charts grow, in pages that scroll, rather than cut
    // their texts short or crowd them: no text of either chart ends in an
    // ellipsis, the bars' numbers stand apart from each other and from the
    // bars, the legend lies within the chart and clear of the plot; and the
    // window lies within the screen, and would fit in nine tenths of a
    // small one, as its first size does.
    void large_print()
    {
        QFETCH(int, points);
        QFETCH(QSize, screen);
        const QFont desktop = QApplication::font();
        const auto restore = qScopeGuard([&desktop] { QApplication::setFont(desktop); });
        QFont large = desktop;
        if (points > 0)
            large.setPointSize(points);
        QApplication::setFont(large);
        w->apply(QStringLiteral("9 1 10 2 11 3 12 4 13 5 14 6 15 7 16 8 1000 999 3 77"));
        QVERIFY(growth_shown());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
        QVERIFY2(compare()->screen()->availableGeometry().contains(compare()->frameGeometry()),
                 qPrintable(QDebug::toString(compare()->frameGeometry())));
        const QSize least = compare()->minimumSizeHint();
        QVERIFY2(least.width() <= screen.width() * 9 / 10 &&
                     least.height() <= screen.height() * 9 / 10,
                 qPrintable(QDebug::toString(least)));
        for (const QChartView *view : {chart(0), chart(1)})
            for (const QGraphicsTextItem *text : chart_texts(view))
                QVERIFY2(!text->toPlainText().contains(u'…') &&
                             !text->toPlainText().contains(QStringLiteral("...")),
                         qPrintable(text->toPlainText()));
        const auto *series =
            static_cast<QHorizontalBarSeries *>(chart(0)->chart()->series().constFirst());
        QList<QColor> bar_colours;
        for (QBarSet *set : series->barSets())
            bar_colours << set->color() << set->selectedColor();
        const QStringList crowded = crowded_numbers(chart(0), bar_colours);
        QVERIFY2(crowded.isEmpty(), qPrintable(crowded.join(QStringLiteral("; "))));

        const compare_detail::GrowthLegend *legend = growth_chart()->legend();
        const QRectF plot = chart(1)->chart()->plotArea();
        for (int f = 0; f < formula_count; ++f) {
            const QRectF entry =
                legend->mapRectToScene(legend->sample_rect(f) | legend->text_rect(f));
            QVERIFY2(chart(1)->sceneRect().contains(entry) && !entry.intersects(plot),
                     qPrintable(legend->entries().at(f).text));
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
