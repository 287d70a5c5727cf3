// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The compare window for every eye: a focus mark all round, progress text
// that reads on any desktop, and charts that grow at large print.
#include "compare_test.h"
#include "contrast.h"
#include "growthlegend.h"

#include <QBarSet>
#include <QHorizontalBarSeries>

namespace
{

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

} // namespace

class TestCompareLegibility : public CompareTest
{
    Q_OBJECT

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

private slots:
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
};

QTEST_MAIN(TestCompareLegibility)
#include "tst_compare_legibility.moc"
