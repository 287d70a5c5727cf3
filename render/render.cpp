// Draws the current step of a Visualizer: the gap row, the sequence row and
// the current subsequence, plus the step's sentence in the status panel.
#include "num_to_str.h"
#include "visualizer.h"

#include <QBrush>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QPen>
#include <QStringBuilder>
#include <QTextBrowser>
#include <QTextDocument>

namespace
{

constexpr int box_size = 25;
const QColor purple(160, 32, 240, 255);
const QColor light_blue(127, 127, 255, 255);

} // namespace

void Visualizer::draw_box(int x, int y, int w, int h, int value, QBrush brush)
{
    // Cosmetic, so the outline stays one pixel at any zoom.
    QPen pen(Qt::black, 1, Qt::SolidLine);
    pen.setCosmetic(true);
    scene->addRect(QRectF(qreal(x), qreal(y), qreal(w), qreal(h)), pen, brush);
    if (value == -1)
        return;
    QGraphicsTextItem *label = scene->addText(num_to_str(value));
    const QSizeF size = label->document()->size();
    label->setPos(x + (w - size.width()) * 0.5, y + (h - size.height()) * 0.5);
}

void Visualizer::render()
{
    if (scene == nullptr || steps.isEmpty())
        return;
    scene->clear();

    const TraceStep &step = steps.at(cur_step);
    const int n = int(seq.size());
    const int gap_count = int(gaps.size());
    const int width = box_size * n;

    if (step.gap_idx != -1 && gap_count != 0) {
        for (int i = 0; i < gap_count; ++i) {
            const QBrush brush(i < step.gap_idx    ? Qt::green
                               : i == step.gap_idx ? Qt::yellow
                                                   : Qt::red);
            draw_box((i * width) / gap_count, 0, width / gap_count, box_size, gaps.at(i), brush);
        }
    }

    const int h = step.gap_idx != -1 ? gaps.at(step.gap_idx) : 0;
    for (int i = 0; i < n; ++i) {
        const bool member =
            step.sub_start != -1 && unsigned(h - step.sub_start + i) % unsigned(h) == 0;
        draw_box(box_size * i, 50, box_size, box_size, seq.at(i),
                 QBrush(member ? Qt::gray : Qt::white));
    }

    if (step.sub_start != -1 && step.sub_start < n) {
        for (int k = step.sub_start; k < n; k += gaps.at(step.gap_idx)) {
            const bool compared = k == step.pos_a || k == step.pos_b;
            draw_box(box_size * k, 100, box_size, box_size, seq.at(k),
                     QBrush(compared ? purple : light_blue));
        }
    }

    scene->setSceneRect(0, 0, width, 125.0);

    if (status != nullptr)
        status->setPlainText(step.text % u"\n\nCurrent step: " % num_to_str(cur_step + 1) % u'/' %
                             num_to_str(qint32(steps.size())) % u"\nTotal number of operations: " %
                             num_to_str(op_count) % u", incl. " % num_to_str(swap_count) %
                             u" swaps.");
}
