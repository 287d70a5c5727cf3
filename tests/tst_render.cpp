// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Drawing a step: the boxes of the gap, sequence and subsequence rows with
// their colours, places and labels, and the status text.
#include "contrast.h"
#include "visualizer.h"

#include <QtTest>
#include <QtWidgets>

#include <optional>

using Numbers = QVector<qint32>;

namespace
{

Numbers fixed_gaps;
void fixed(qint32, QVector<qint32> *gaps)
{
    *gaps = fixed_gaps;
}

struct Box {
    QGraphicsRectItem *rect;
    QGraphicsSimpleTextItem *label;
};

// The visible boxes of the row at y, left to right, each with its label.
QVector<Box> row(QGraphicsScene &scene, qreal y)
{
    QVector<Box> boxes;
    for (QGraphicsItem *item : scene.items(Qt::AscendingOrder))
        if (auto *rect = qgraphicsitem_cast<QGraphicsRectItem *>(item))
            if (rect->isVisible() && rect->rect().y() == y) {
                QGraphicsSimpleTextItem *label = nullptr;
                for (QGraphicsItem *child : rect->childItems())
                    if (auto *text = qgraphicsitem_cast<QGraphicsSimpleTextItem *>(child))
                        label = text;
                boxes.append({rect, label});
            }
    std::sort(boxes.begin(), boxes.end(),
              [](const Box &a, const Box &b) { return a.rect->rect().x() < b.rect->rect().x(); });
    return boxes;
}

// The marks a box carries besides its colour: # a frame inside it, v a tick,
// | a line down from it; each drawn in black, thick enough to see.
QString marks(const QGraphicsRectItem *rect)
{
    QString found;
    for (QGraphicsItem *child : rect->childItems()) {
        if (!child->isVisible() || child->type() == QGraphicsSimpleTextItem::Type)
            continue;
        const QRectF r = child->sceneBoundingRect();
        QPen pen;
        QChar mark = u'?';
        if (auto *line = qgraphicsitem_cast<QGraphicsLineItem *>(child)) {
            pen = line->pen();
            if (r.top() >= rect->rect().bottom() - 1)
                mark = u'|';
        } else if (auto *shape = dynamic_cast<QAbstractGraphicsShapeItem *>(child)) {
            pen = shape->pen();
            if (rect->rect().contains(r))
                mark = qgraphicsitem_cast<QGraphicsRectItem *>(child) ? u'#' : u'v';
        }
        found += pen.color() == QColor(Qt::black) && pen.widthF() >= 1.5 ? mark : QChar(u'?');
    }
    return found;
}

// A row as "<colour><label><marks>" per box. Colours: w white, g gray, b light
// blue, p purple; in the gap row G green, Y yellow, R red.
QString codes(const QVector<Box> &boxes)
{
    static const QHash<QString, QString> letters = {
        {"#ffffff", "w"}, {"#a0a0a4", "g"}, {"#7f7fff", "b"}, {"#a020f0", "p"},
        {"#00ff00", "G"}, {"#ffff00", "Y"}, {"#ff0000", "R"}};
    QStringList parts;
    for (const Box &b : boxes)
        parts << letters.value(b.rect->brush().color().name(), b.rect->brush().color().name()) +
                     (b.label && b.label->isVisible() ? b.label->text() : QString()) +
                     marks(b.rect);
    return parts.join(u' ');
}

} // namespace

class TestRender : public QObject
{
    Q_OBJECT

    QGraphicsScene scene;
    QTextBrowser status;
    std::optional<Visualizer> vis;

    void show(const Numbers &gaps, const Numbers &seq, int step)
    {
        fixed_gaps = gaps;
        vis.emplace(nullptr, &scene, &status, fixed, seq);
        vis->build_trace();
        vis->set_current_step(step);
        vis->render();
    }

private slots:
    void step_rows_data()
    {
        QTest::addColumn<Numbers>("gaps");
        QTest::addColumn<Numbers>("seq");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("gap_row");
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QVector<int>>("sub_positions");
        QTest::addColumn<QString>("sub");
        const auto row = [](const char *name, const Numbers &gaps, const Numbers &seq, int step,
                            const char *gap_row, const char *sequence,
                            const QVector<int> &positions, const char *sub) {
            QTest::newRow(name) << gaps << seq << step << QString(gap_row) << QString(sequence)
                                << positions << QString(sub);
        };
        const Numbers ten = {10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
        row("opening", {2, 1}, {4, 3, 2, 1}, 0, "", "w4 w3 w2 w1", {}, "");
        row("a single number has no gap", {}, {7}, 1, "", "w7", {}, "");
        row("closing", {2, 1}, {4, 3, 2, 1}, 15, "", "w1 w2 w3 w4", {}, "");
        row("negative numbers", {1}, {-1, -7, 0}, 0, "", "w-1 w-7 w0", {}, "");
        row("subsequence", {7, 3, 1}, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, 17, "G7v Y3# R1",
            "w2 g1| w0 w3 g5| w4 w6 g9| w8 w7", {1, 4, 7}, "b1 b5 b9");
        row("swap, before", {5, 2, 1}, ten, 9, "Y5# R2 R1", "w5 w4 g8| w7 w6 w10 w9 g3| w2 w1",
            {2, 7}, "p8# p3#");
        row("swap, after", {5, 2, 1}, ten, 10, "Y5# R2 R1", "w5 w4 g3| w7 w6 w10 w9 g8| w2 w1",
            {2, 7}, "p3# b8");
        // 3 was swapped with 1, so 1 reached the front.
        row("front", {1}, {3, 1, 2}, 4, "Y1#", "g1| g3| g2|", {0, 1, 2}, "p1# b3 b2");
    }

    // Every box is solid with a cosmetic black outline, 25 wide for labels of
    // two digits, and carries a centred label above it; later rows lie above
    // earlier ones. A redraw after other steps, or after the scene was
    // cleared, shows the same.
    void step_rows()
    {
        QFETCH(Numbers, gaps);
        QFETCH(Numbers, seq);
        QFETCH(int, step);
        QFETCH(QString, gap_row);
        QFETCH(QString, sequence);
        QFETCH(QVector<int>, sub_positions);
        QFETCH(QString, sub);
        for (int pass = 0; pass < 3; ++pass) {
            if (pass == 0) {
                show(gaps, seq, step);
            } else {
                if (pass == 2)
                    scene.clear();
                vis->set_current_step(int(vis->steps.size()) / 2); // three rows, in the middle
                vis->render();
                vis->set_current_step(step);
                vis->render();
            }
            const QVector<Box> row0 = row(scene, 0), row50 = row(scene, 50),
                               row100 = row(scene, 100);
            QCOMPARE(codes(row0), gap_row);
            // The gaps share the sequence's width, each box at i * W / G.
            for (int i = 0; i < row0.size(); ++i)
                QCOMPARE(row0[i].rect->rect(), QRectF((i * 25 * seq.size()) / gaps.size(), 0,
                                                      (25 * seq.size()) / gaps.size(), 25));
            QCOMPARE(codes(row50), sequence);
            QCOMPARE(codes(row100), sub);
            QVector<int> positions;
            for (const Box &b : row100)
                positions << int(b.rect->rect().x()) / 25;
            QCOMPARE(positions, sub_positions);
            QCOMPARE(scene.sceneRect(), QRectF(0, 0, 25 * seq.size(), 125));

            const QList<QGraphicsItem *> order = scene.items(Qt::AscendingOrder);
            qsizetype previous_row_top = -1;
            for (const QVector<Box> &boxes : {row0, row50, row100}) {
                for (const Box &b : boxes) {
                    if (b.rect->rect().y() > 0)
                        QCOMPARE(b.rect->rect().size(), QSizeF(25, 25));
                    QCOMPARE(b.rect->pen().color(), QColor(Qt::black));
                    QCOMPARE(b.rect->pen().style(), Qt::SolidLine);
                    QVERIFY(b.rect->pen().isCosmetic());
                    QCOMPARE(b.rect->brush().style(), Qt::SolidPattern);
                    QVERIFY(b.label);
                    QCOMPARE(b.label->sceneBoundingRect().center(), b.rect->rect().center());
                    QVERIFY(order.indexOf(b.label) > order.indexOf(b.rect));
                    QVERIFY(order.indexOf(b.rect) > previous_row_top);
                }
                if (!boxes.isEmpty())
                    previous_row_top = order.indexOf(boxes.last().label);
            }
        }
    }

    // Numbers of any size and sign: one box width for the whole picture, wide
    // enough for every label, so that labels lie inside their boxes and never
    // overlap. Every label stands out from its box by 4.5:1, and in each row
    // two boxes of different colours also differ in their marks.
    void every_box_legible_without_colour()
    {
        QRandomGenerator rng(11);
        for (int round = 0; round < 40; ++round) {
            Numbers seq;
            const int n = int(rng.bounded(1, 30));
            for (int i = 0; i < n; ++i)
                seq << qint32(rng.bounded(1 << rng.bounded(1, 31))) * (rng.bounded(3) ? 1 : -1);
            if (round == 0)
                seq = {2147483647, -2147483647, 9};
            fixed_gaps.clear();
            for (int g = n / 2; g > 0; g = g * 2 / 5)
                fixed_gaps << g;
            fixed_gaps << 1;
            show(fixed_gaps, seq, 0);
            for (int step = 0; step < vis->steps.size(); ++step) {
                vis->set_current_step(step);
                vis->render();
                QRectF previous;
                for (qreal y : {0, 50, 100}) {
                    QHash<QRgb, QString> marks_of_colour;
                    for (const Box &b : row(scene, y)) {
                        QVERIFY(b.label);
                        const QRectF label = b.label->sceneBoundingRect();
                        QVERIFY2(b.rect->rect().contains(label), qPrintable(b.label->text()));
                        QVERIFY(!label.intersects(previous));
                        previous = label;
                        const QColor fill = b.rect->brush().color();
                        QVERIFY(contrast(b.label->brush().color(), fill) >= 4.5);
                        const QString cue = marks(b.rect);
                        QVERIFY(!cue.contains(u'?'));
                        QCOMPARE(marks_of_colour.value(fill.rgb(), cue), cue);
                        marks_of_colour.insert(fill.rgb(), cue);
                    }
                    QCOMPARE(QSet<QString>(marks_of_colour.cbegin(), marks_of_colour.cend()).size(),
                             marks_of_colour.size());
                }
            }
        }
    }

    void marks_on_any_desktop_data()
    {
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("text");
        QTest::newRow("light desktop") << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("Breeze Dark") << QColor(35, 38, 41) << QColor(252, 252, 252);
    }

    // The picture keeps a light background of its own, as a diagram does, so
    // that its black marks stand out by 3:1 whatever the desktop's colours.
    void marks_on_any_desktop()
    {
        QFETCH(QColor, base);
        QFETCH(QColor, text);
        const QPalette before = QApplication::palette();
        QPalette palette = before;
        for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window})
            palette.setColor(role, base);
        for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText})
            palette.setColor(role, text);
        QApplication::setPalette(palette);
        show({2, 1}, {4, 3, 2, 1}, 3); // 4 against 2 under gap 2
        QGraphicsView view(&scene);
        view.resize(300, 200);
        const QImage image = view.grab().toImage();
        QApplication::setPalette(before);
        const QColor background = image.pixelColor(3, 3);
        // The line from element 1 down to its copy, halfway between the rows.
        const QPoint link = view.mapFromScene(QPointF(12.5, 87.5));
        QColor line = background;
        for (int dx = -2; dx <= 2; ++dx)
            if (const QColor c = image.pixelColor(link + QPoint(dx, 0));
                c.lightness() < line.lightness())
                line = c;
        QVERIFY2(contrast(line, background) >= 3,
                 qPrintable(QStringLiteral("%1 on %2").arg(line.name(), background.name())));
        QVERIFY(contrast(Qt::black, background) >= 3);
    }
};

QTEST_MAIN(TestRender)
#include "tst_render.moc"
