// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Panes over random traces too wide for their view: what each piece shows,
// where it goes, and what the break mark between two panes says.
#include "formulas.h"
#include "num_to_str.h"
#include "panes.h"
#include "rows.h"
#include "visualizer.h"

#include <QGraphicsScene>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

class TestPanes : public QObject
{
    Q_OBJECT

    // The first complaint about the layout of the step on display, or nothing.
    static QString check(const Visualizer &vis, const PaneLayout &layout)
    {
        const TraceStep &step = vis.steps.at(vis.cur_step);
        const auto fuzzy = [](qreal a, qreal b) { return std::abs(a - b) < 1e-6; };
        for (const PanePiece &piece : layout.pieces)
            if (!fuzzy(piece.target.width(), piece.source.width() * layout.scale) ||
                !fuzzy(piece.target.height(), piece.source.height() * layout.scale))
                return QStringLiteral("a piece drawn at another scale");
        const bool strip = !layout.pieces.isEmpty() && layout.pieces.first().source.y() < 0;
        if (strip != (step.gap_idx != -1))
            return QStringLiteral("a gap strip without a gap in force, or none with one");
        if (strip) {
            const PanePiece &piece = layout.pieces.first();
            if (!fuzzy(piece.target.center().x(), layout.view.width() / 2))
                return QStringLiteral("a gap strip off the middle");
            if (!piece.source.contains(gap_strip_box(vis, step.gap_idx)))
                return QStringLiteral("a gap strip without the gap in force");
        }
        if (layout.panes() == 2) {
            const int gap = vis.gaps.at(step.gap_idx);
            const QString said = QStringLiteral("… %1 apart …").arg(num_to_str(gap));
            if (layout.apart != said)
                return QStringLiteral("the mark says \"%1\" for gap %2").arg(layout.apart).arg(gap);
            if (layout.mark.isEmpty() || layout.pieces.size() != (strip ? 3 : 2))
                return QStringLiteral("two panes without a mark between them");
            const QRectF left = layout.pieces.at(strip ? 1 : 0).target;
            const QRectF right = layout.pieces.last().target;
            if (!fuzzy(layout.mark.left(), left.right()) ||
                !fuzzy(layout.mark.right(), right.left()))
                return QStringLiteral("a mark that is not between the panes");
        }
        return QString();
    }

private slots:
    void pieces_data()
    {
        QTest::addColumn<int>("formula");
        QTest::addColumn<int>("n");
        QTest::addColumn<QSizeF>("view");
        QTest::addColumn<qreal>("scale");
        for (int formula = 0; formula < formula_count; ++formula) {
            const QString name = formula_name(formula);
            QTest::addRow("the canvas, 200 numbers, %s", qPrintable(name))
                << formula << 200 << QSizeF(676, 209) << 1.0;
            QTest::addRow("a projector, 500 numbers, %s", qPrintable(name))
                << formula << 500 << QSizeF(1920, 1080) << 1.6;
        }
    }

    // At a hundred steps of every formula: every piece at the layout's
    // scale, the gap strip centred on the view and showing the gap in force,
    // and two panes parted by a mark that names the gap.
    void pieces()
    {
        QFETCH(int, formula);
        QFETCH(int, n);
        QFETCH(QSizeF, view);
        QFETCH(qreal, scale);
        QRandomGenerator rng(quint32(n * 31 + formula));
        QGraphicsScene scene;
        QVector<qint32> seq(n);
        for (qint32 &v : seq)
            v = rng.bounded(1, n + 1);
        Visualizer vis(nullptr, &scene, nullptr, gap_generators[formula], seq);
        vis.build_trace();
        qreal left = qQNaN();
        int split = 0;
        for (int i = 0; i < 100; ++i) {
            vis.set_current_step(rng.bounded(int(vis.steps.size())));
            vis.render();
            const PaneLayout layout = lay_out(vis, view, scale, &left);
            QVERIFY(!layout.whole);
            split += layout.panes() == 2;
            const QString complaint = check(vis, layout);
            QVERIFY2(complaint.isEmpty(),
                     qPrintable(complaint + QStringLiteral(" at step %1").arg(vis.cur_step)));
        }
        QVERIFY2(split > 0, "no step in two panes: the mark went untested");
    }
};

QTEST_MAIN(TestPanes)
#include "tst_panes.moc"
