#include "visualizer.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

using Numbers = QVector<qint32>;

namespace
{

Numbers fixed_gaps;
void fixed(qint32, QVector<qint32> *gaps)
{
    *gaps = fixed_gaps;
}

struct Box {
    QRectF rect;
    QPen pen;
    QBrush brush;
    QString label;
    QRectF label_rect; // the label's document box in scene coordinates
};

// The boxes of one row, read in stacking order; every label must sit directly
// above the box it belongs to.
QVector<Box> row(QGraphicsScene &scene, qreal y)
{
    QVector<Box> boxes;
    const QList<QGraphicsItem *> items = scene.items(Qt::AscendingOrder);
    for (int i = 0; i < items.size(); ++i) {
        auto *rect = qgraphicsitem_cast<QGraphicsRectItem *>(items[i]);
        if (rect == nullptr || rect->rect().y() != y)
            continue;
        Box box{rect->rect(), rect->pen(), rect->brush(), QString(), QRectF()};
        if (i + 1 < items.size())
            if (auto *text = qgraphicsitem_cast<QGraphicsTextItem *>(items[i + 1])) {
                box.label = text->toPlainText();
                box.label_rect = QRectF(text->pos(), text->document()->size());
            }
        boxes.append(box);
    }
    return boxes;
}

// A row as "<colour><label>" per box. Colours: w white, g gray, b light blue,
// p purple; in the gap row G green, Y yellow, R red.
QString codes(const QVector<Box> &boxes)
{
    const std::pair<QColor, char> known[] = {{Qt::white, 'w'},
                                             {QColor(160, 160, 164), 'g'},
                                             {QColor(127, 127, 255), 'b'},
                                             {QColor(160, 32, 240), 'p'},
                                             {QColor(0, 255, 0), 'G'},
                                             {QColor(255, 255, 0), 'Y'},
                                             {QColor(255, 0, 0), 'R'}};
    QStringList parts;
    for (const Box &b : boxes) {
        QString code = b.brush.color().name();
        for (const auto &[color, letter] : known)
            if (b.brush.color() == color)
                code = QChar::fromLatin1(letter);
        parts << code + b.label;
    }
    return parts.join(u' ');
}

} // namespace

class TestRender : public QObject
{
    Q_OBJECT

    QGraphicsScene *scene = nullptr;
    QTextBrowser *status = nullptr;
    Visualizer *vis = nullptr;

    void show(const Numbers &gaps, const Numbers &seq, int step)
    {
        fixed_gaps = gaps;
        vis = new Visualizer(nullptr, scene, status, fixed, seq);
        vis->build_trace();
        vis->set_current_step(step);
        vis->render();
    }

private slots:
    void init()
    {
        scene = new QGraphicsScene;
        status = new QTextBrowser;
    }

    void cleanup()
    {
        delete vis;
        vis = nullptr;
        delete status;
        delete scene;
    }

    void gap_row_data()
    {
        QTest::addColumn<Numbers>("gaps");
        QTest::addColumn<QVector<qreal>>("xs");
        QTest::addColumn<qreal>("width");
        QTest::addColumn<QString>("boxes");
        QTest::newRow("four gaps tile 500")
            << Numbers{10, 5, 2, 1} << QVector<qreal>{0, 125, 250, 375} << qreal(125)
            << "G10 Y5 R2 R1";
        QTest::newRow("three gaps do not tile")
            << Numbers{7, 3, 1} << QVector<qreal>{0, 166, 333} << qreal(166) << "G7 Y3 R1";
    }

    // The first step of the second gap at n = 20.
    void gap_row()
    {
        QFETCH(Numbers, gaps);
        QFETCH(QVector<qreal>, xs);
        QFETCH(qreal, width);
        QFETCH(QString, boxes);
        show(gaps, Numbers(20, 7), 0);
        while (vis->steps[vis->cur_step].gap_idx != 1)
            vis->set_current_step(vis->cur_step + 1);
        vis->render();

        const QVector<Box> row0 = row(*scene, 0);
        QCOMPARE(codes(row0), boxes);
        for (int i = 0; i < row0.size(); ++i)
            QCOMPARE(row0[i].rect, QRectF(xs[i], 0, width, 25));
        QCOMPARE(scene->sceneRect(), QRectF(0, 0, 500, 125));
    }

    void step_rows_data()
    {
        QTest::addColumn<Numbers>("gaps");
        QTest::addColumn<Numbers>("seq");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("gap_row");
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QVector<int>>("sub_positions");
        QTest::addColumn<QString>("sub");
        using V = QVector<int>;
        const Numbers ten = {10, 9, 8, 7, 6, 5, 4, 3, 2, 1};

        QTest::newRow("opening") << Numbers{2, 1} << Numbers{4, 3, 2, 1} << 0 << ""
                                 << "w4 w3 w2 w1" << V{} << "";
        QTest::newRow("closing") << Numbers{2, 1} << Numbers{4, 3, 2, 1} << 15 << ""
                                 << "w1 w2 w3 w4" << V{} << "";
        QTest::newRow("subsequence")
            << Numbers{7, 3, 1} << Numbers{9, 8, 7, 6, 5, 4, 3, 2, 1, 0} << 17 << "G7 Y3 R1"
            << "w2 g1 w0 w3 g5 w4 w6 g9 w8 w7" << V{1, 4, 7} << "b1 b5 b9";
        QTest::newRow("swap, before") << Numbers{5, 2, 1} << ten << 9 << "Y5 R2 R1"
                                      << "w5 w4 g8 w7 w6 w10 w9 g3 w2 w1" << V{2, 7} << "p8 p3";
        QTest::newRow("swap, after") << Numbers{5, 2, 1} << ten << 10 << "Y5 R2 R1"
                                     << "w5 w4 g3 w7 w6 w10 w9 g8 w2 w1" << V{2, 7} << "p3 b8";
        // 3 was swapped with 1, so 1 reached the front.
        QTest::newRow("front") << Numbers{1} << Numbers{3, 1, 2} << 4 << "Y1"
                               << "g1 g3 g2" << V{0, 1, 2} << "p1 b3 b2";
        QTest::newRow("ten-digit label") << Numbers{1} << Numbers{2147483647, 0} << 0 << ""
                                         << "w2147483647 w0" << V{} << "";
    }

    // Every box is solid with a cosmetic black outline and carries a centred
    // label; a redraw replaces everything.
    void step_rows()
    {
        QFETCH(Numbers, gaps);
        QFETCH(Numbers, seq);
        QFETCH(int, step);
        QFETCH(QString, gap_row);
        QFETCH(QString, sequence);
        QFETCH(QVector<int>, sub_positions);
        QFETCH(QString, sub);
        show(gaps, seq, step);
        vis->render();

        QCOMPARE(codes(row(*scene, 0)), gap_row);
        const QVector<Box> row50 = row(*scene, 50), row100 = row(*scene, 100);
        QCOMPARE(codes(row50), sequence);
        QCOMPARE(codes(row100), sub);
        for (int i = 0; i < row50.size(); ++i)
            QCOMPARE(row50[i].rect, QRectF(25 * i, 50, 25, 25));
        QCOMPARE(row100.size(), sub_positions.size());
        for (int i = 0; i < row100.size(); ++i)
            QCOMPARE(row100[i].rect, QRectF(25 * sub_positions[i], 100, 25, 25));
        QCOMPARE(scene->sceneRect(), QRectF(0, 0, 25 * seq.size(), 125));

        const QVector<Box> all = row(*scene, 0) + row50 + row100;
        QCOMPARE(scene->items().size(), 2 * all.size());
        for (const Box &b : all) {
            QCOMPARE(b.pen.color(), QColor(Qt::black));
            QCOMPARE(b.pen.style(), Qt::SolidLine);
            QVERIFY(b.pen.isCosmetic());
            QCOMPARE(b.brush.style(), Qt::SolidPattern);
            QCOMPARE(b.label_rect.center(), b.rect.center());
        }
    }

    void status_text_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("text");
        QTest::newRow("first step") << 0
                                    << "This is where all begins. Now we're going to sort that "
                                       "array.\n\nCurrent step: 1/8\n"
                                       "Total number of operations: 3, incl. 2 swaps.";
        QTest::newRow("last step") << 7
                                   << "Sorting finished!\n\nCurrent step: 8/8\n"
                                      "Total number of operations: 3, incl. 2 swaps.";
    }

    void status_text()
    {
        QFETCH(int, step);
        QFETCH(QString, text);
        status->setHtml(QStringLiteral("<b>old</b>"));
        show({1}, {3, 1, 2}, step);
        QCOMPARE(status->toPlainText(), text);
        QVERIFY(!status->toHtml().contains(QStringLiteral("<b>")));
    }
};

QTEST_MAIN(TestRender)
#include "tst_render.moc"
