#include "gaps.h"
#include "visualizer.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

namespace
{

void seven_three_one(qint32, QVector<qint32> *gaps)
{
    *gaps = {7, 3, 1};
}
void three_one(qint32, QVector<qint32> *gaps)
{
    *gaps = {3, 1};
}

struct Box {
    QRectF rect;
    QColor color;
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
        Box box{rect->rect(), rect->brush().color(), QString(), QRectF()};
        if (i + 1 < items.size())
            if (auto *text = qgraphicsitem_cast<QGraphicsTextItem *>(items[i + 1])) {
                box.label = text->toPlainText();
                box.label_rect = QRectF(text->pos(), text->document()->size());
            }
        boxes.append(box);
    }
    return boxes;
}

QVector<QColor> colors(const QVector<Box> &boxes)
{
    QVector<QColor> result;
    for (const Box &b : boxes)
        result.append(b.color);
    return result;
}

QStringList labels(const QVector<Box> &boxes)
{
    QStringList result;
    for (const Box &b : boxes)
        result.append(b.label);
    return result;
}

int find_step(const Visualizer &vis, int sub_start, int pos_a, int pos_b, bool is_swap)
{
    for (int i = 0; i < vis.steps.size(); ++i) {
        const TraceStep &s = vis.steps[i];
        if (s.sub_start == sub_start && s.pos_a == pos_a && s.pos_b == pos_b &&
            s.is_swap == is_swap)
            return i;
    }
    return -1;
}

const QColor purple(160, 32, 240);
const QColor light_blue(127, 127, 255);
const QColor gray(160, 160, 164);

} // namespace

class TestRender : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void gap_row_data();
    void gap_row();
    void opening_and_closing();
    void subsequence_step();
    void swap_step_before_and_after();
    void front_step();
    void labels_centred_data();
    void labels_centred();
    void outline_pen();
    void status_text_data();
    void status_text();
    void redraw_replaces_everything();

private:
    QGraphicsScene *scene = nullptr;
    QTextBrowser *status = nullptr;
    Visualizer *vis = nullptr;

    void make(GapGenerator gen, const QVector<qint32> &seq)
    {
        delete vis;
        vis = new Visualizer(nullptr, scene, status, gen, seq);
        vis->build_trace();
    }
};

void TestRender::init()
{
    scene = new QGraphicsScene;
    status = new QTextBrowser;
}

void TestRender::cleanup()
{
    delete vis;
    vis = nullptr;
    delete status;
    delete scene;
}

void TestRender::gap_row_data()
{
    QTest::addColumn<void *>("generator");
    QTest::addColumn<QVector<qreal>>("xs");
    QTest::addColumn<qreal>("width");

    QTest::newRow("four gaps tile 500")
        << reinterpret_cast<void *>(&shell_gaps) << QVector<qreal>{0, 125, 250, 375} << qreal(125);
    QTest::newRow("three gaps do not tile")
        << reinterpret_cast<void *>(&seven_three_one) << QVector<qreal>{0, 166, 333} << qreal(166);
}

void TestRender::gap_row()
{
    QFETCH(void *, generator);
    QFETCH(QVector<qreal>, xs);
    QFETCH(qreal, width);

    QVector<qint32> seq;
    for (int i = 0; i < 20; ++i)
        seq.append(20 - i);
    make(reinterpret_cast<GapGenerator>(generator), seq);
    // The first step of the second gap: earlier gap green, current yellow, later red.
    int step = 0;
    while (vis->steps[step].gap_idx != 1)
        ++step;
    vis->set_current_step(step);
    vis->render();

    const QVector<Box> gaps = row(*scene, 0);
    QCOMPARE(gaps.size(), xs.size());
    for (int i = 0; i < gaps.size(); ++i) {
        QCOMPARE(gaps[i].rect, QRectF(xs[i], 0, width, 25));
        QCOMPARE(gaps[i].label, QString::number(vis->gaps[i]));
        const QColor expected = i < 1    ? QColor(0, 255, 0)
                                : i == 1 ? QColor(255, 255, 0)
                                         : QColor(255, 0, 0);
        QCOMPARE(gaps[i].color, expected);
    }
    QCOMPARE(scene->sceneRect(), QRectF(0, 0, 500, 125));
}

void TestRender::opening_and_closing()
{
    make(shell_gaps, {4, 3, 2, 1});
    for (int step : {0, int(vis->steps.size()) - 1}) {
        vis->set_current_step(step);
        vis->render();
        QVERIFY(row(*scene, 0).isEmpty());
        QVERIFY(row(*scene, 100).isEmpty());
        const QVector<Box> sequence = row(*scene, 50);
        QCOMPARE(colors(sequence), QVector<QColor>(4, Qt::white));
        QCOMPARE(labels(sequence),
                 step == 0 ? (QStringList{"4", "3", "2", "1"}) : (QStringList{"1", "2", "3", "4"}));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(sequence[i].rect, QRectF(25 * i, 50, 25, 25));
        QCOMPARE(scene->items().size(), 8);
        QCOMPARE(scene->sceneRect(), QRectF(0, 0, 100, 125));
    }
}

void TestRender::subsequence_step()
{
    make(three_one, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0});
    vis->set_current_step(find_step(*vis, 1, -1, -1, false));
    QCOMPARE(vis->steps[vis->cur_step].gap_idx, 0);
    vis->render();

    QVector<QColor> expected(10, Qt::white);
    for (int i : {1, 4, 7})
        expected[i] = gray;
    QCOMPARE(colors(row(*scene, 50)), expected);

    const QVector<Box> sub = row(*scene, 100);
    QCOMPARE(sub.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(sub[i].rect, QRectF(25 * (1 + 3 * i), 100, 25, 25));
        QCOMPARE(sub[i].color, light_blue);
    }
    QCOMPARE(colors(row(*scene, 0)), (QVector<QColor>{QColor(255, 255, 0), QColor(255, 0, 0)}));
}

void TestRender::swap_step_before_and_after()
{
    make(shell_gaps, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1});
    const int swap = find_step(*vis, 2, 2, 7, true);
    QVERIFY(swap > 0);
    vis->set_current_step(swap);
    vis->render();

    const QVector<Box> sub = row(*scene, 100);
    QCOMPARE(colors(sub), (QVector<QColor>{purple, purple}));
    QCOMPARE(sub[0].rect.x(), 50.0);
    QCOMPARE(sub[1].rect.x(), 175.0);
    const QStringList before = labels(row(*scene, 50));
    QCOMPARE(before[2], QStringLiteral("8"));
    QCOMPARE(before[7], QStringLiteral("3"));

    vis->set_current_step(swap + 1);
    vis->render();
    QStringList after = labels(row(*scene, 50));
    QCOMPARE(after[2], QStringLiteral("3"));
    QCOMPARE(after[7], QStringLiteral("8"));
}

void TestRender::front_step()
{
    make(shell_gaps, {3, 1, 2});
    vis->set_current_step(4); // 3 was swapped with 1, so 1 reached the front
    vis->render();
    const QVector<Box> sub = row(*scene, 100);
    QCOMPARE(colors(sub), (QVector<QColor>{purple, light_blue, light_blue}));
    QCOMPARE(labels(sub), (QStringList{"1", "3", "2"}));
}

void TestRender::labels_centred_data()
{
    QTest::addColumn<int>("value");
    QTest::newRow("one digit") << 7;
    QTest::newRow("ten digits overflow the box") << 2147483647;
}

void TestRender::labels_centred()
{
    QFETCH(int, value);
    make(shell_gaps, {value, 0});
    vis->render();
    const Box box = row(*scene, 50).first();
    QCOMPARE(box.label, QString::number(value));
    QVERIFY(qAbs(box.label_rect.center().x() - box.rect.center().x()) < 1e-9);
    QVERIFY(qAbs(box.label_rect.center().y() - box.rect.center().y()) < 1e-9);
    if (value > 1000000)
        QVERIFY(box.label_rect.width() > 25);
}

void TestRender::outline_pen()
{
    make(shell_gaps, {3, 1, 2});
    vis->render();
    const QList<QGraphicsItem *> items = scene->items();
    QVERIFY(!items.isEmpty());
    for (QGraphicsItem *item : items)
        if (auto *rect = qgraphicsitem_cast<QGraphicsRectItem *>(item)) {
            QCOMPARE(rect->pen().color(), QColor(Qt::black));
            QCOMPARE(rect->pen().style(), Qt::SolidLine);
            QVERIFY(rect->pen().isCosmetic());
            QCOMPARE(rect->brush().style(), Qt::SolidPattern);
        }
}

void TestRender::status_text_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("text");
    QTest::newRow("first step")
        << 0
        << "This is where all begins. Now we're going to sort that array.\n\nCurrent step: 1/8\n"
           "Total number of operations: 3, incl. 2 swaps.";
    QTest::newRow("last step") << 7
                               << "Sorting finished!\n\nCurrent step: 8/8\n"
                                  "Total number of operations: 3, incl. 2 swaps.";
}

void TestRender::status_text()
{
    QFETCH(int, step);
    QFETCH(QString, text);
    make(shell_gaps, {3, 1, 2});
    status->setHtml(QStringLiteral("<b>old</b>"));
    vis->set_current_step(step);
    vis->render();
    QCOMPARE(status->toPlainText(), text);
    QVERIFY(!status->toHtml().contains(QStringLiteral("<b>")));
}

void TestRender::redraw_replaces_everything()
{
    make(shell_gaps, {3, 1, 2});
    vis->set_current_step(3);
    vis->render();
    const int count = int(scene->items().size());
    vis->render();
    vis->render();
    QCOMPARE(int(scene->items().size()), count);
}

QTEST_MAIN(TestRender)
#include "tst_render.moc"
