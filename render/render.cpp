// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Draws the current step of a Visualizer: the gap row, the sequence row and
// the current subsequence, plus the step's sentence in the status panel.
//
// The boxes of a trace are made once and then only changed where a step
// changes them, so that a step costs little even with a thousand numbers. Box
// labels are plain text items, centred on their boxes.
#include "num_to_str.h"
#include "rows.h"
#include "visualizer.h"
#include "words.h"

#include <QBrush>
#include <QFontMetricsF>
#include <QGraphicsLineItem>
#include <QGraphicsObject>
#include <QGraphicsPathItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QPainterPath>
#include <QPen>
#include <QPointer>
#include <QTextBrowser>
#include <QtMath>

#include <vector>

namespace
{

using rows::box_size;
// Room a label keeps clear on either side inside its box.
constexpr int label_padding = 2;
const QColor purple(160, 32, 240, 255);
const QColor light_blue(127, 127, 255, 255);

// What a box stands for, shown by its fill and, since colour alone does not
// reach everyone, by a mark: a frame around what the step is about (the gap
// in force, the elements compared), a tick on the gaps applied, and a line
// from each member of the subsequence down to its copy in the row below.
struct Look {
    QColor fill;
    bool framed = false;
    bool ticked = false;
    bool linked = false;
    bool operator==(const Look &other) const
    {
        return fill == other.fill && framed == other.framed && ticked == other.ticked &&
               linked == other.linked;
    }
};

// Relative luminance, for the label colour that stands out most on a fill.
qreal luminance(const QColor &c)
{
    const auto channel = [](qreal v) {
        return v <= 0.04045 ? v / 12.92 : qPow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QColor label_colour(const QColor &fill)
{
    // Contrast against black is (L + 0.05) / 0.05, against white 1.05 / (L + 0.05).
    const qreal l = luminance(fill) + 0.05;
    return l / 0.05 >= 1.05 / l ? Qt::black : Qt::white;
}

struct Box {
    QGraphicsRectItem *rect = nullptr;
    QGraphicsSimpleTextItem *label = nullptr;
    // The marks, made when first needed.
    QGraphicsRectItem *frame = nullptr;
    QGraphicsPathItem *tick = nullptr;
    QGraphicsLineItem *link = nullptr;
    qint32 value = no_label;
    Look look;
};

void centre_label(QGraphicsRectItem *rect, QGraphicsSimpleTextItem *label)
{
    const QRectF r = rect->rect();
    const QRectF text = label->boundingRect();
    label->setPos(r.x() + (r.width() - text.width()) * 0.5,
                  r.y() + (r.height() - text.height()) * 0.5);
}

QPen mark_pen(qreal width)
{
    QPen pen(Qt::black, width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// Shows or hides one mark of a box, making it on first need; returns it when shown.
template <class Item> Item *mark(Item *&item, QGraphicsRectItem *box, bool shown, qreal width)
{
    if (item == nullptr) {
        if (!shown)
            return nullptr;
        item = new Item(box);
        item->setPen(mark_pen(width));
    }
    item->setVisible(shown);
    return shown ? item : nullptr;
}

// Places the marks of a box on its rectangle.
void place_marks(Box &box)
{
    const QRectF r = box.rect->rect();
    constexpr qreal frame_width = 3;
    if (auto *frame = mark(box.frame, box.rect, box.look.framed, frame_width)) {
        frame->setBrush(Qt::NoBrush);
        const qreal inset = frame_width / 2;
        frame->setRect(r.adjusted(inset, inset, -inset, -inset));
    }
    if (auto *tick = mark(box.tick, box.rect, box.look.ticked, 1.8)) {
        // In the top left corner, above the digits' ink.
        QPainterPath path(r.topLeft() + QPointF(3, 5.5));
        path.lineTo(r.topLeft() + QPointF(6, 8.5));
        path.lineTo(r.topLeft() + QPointF(11.5, 2.5));
        tick->setPath(path);
    }
    if (auto *link = mark(box.link, box.rect, box.look.linked, 2))
        link->setLine(r.center().x(), r.bottom(), r.center().x(), r.bottom() + box_size);
}

// Changes a box only where it differs from what it shows.
void update_box(Box &box, const QRect &r, qint32 value, const Look &look)
{
    bool moved = false;
    if (box.rect->rect() != QRectF(r)) {
        box.rect->setRect(QRectF(r));
        moved = true;
    }
    if (box.value != value) {
        box.value = value;
        box.label->setVisible(value != no_label);
        if (value != no_label)
            box.label->setText(num_to_str(value));
        moved = true;
    }
    if (moved && value != no_label)
        centre_label(box.rect, box.label);
    if (!(box.look == look)) {
        if (box.look.fill != look.fill) {
            box.rect->setBrush(look.fill);
            box.label->setBrush(label_colour(look.fill));
        }
        box.look = look;
        moved = true;
    }
    if (moved)
        place_marks(box);
    box.rect->show();
}

// An invisible item whose deletion tells that the scene was cleared.
class Sentinel : public QGraphicsObject
{
public:
    QRectF boundingRect() const override { return QRectF(); }
    void paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *) override {}
};

// The boxes of the three rows, kept from one step to the next.
class Boxes : public QObject
{
public:
    using QObject::QObject;

    // The boxes go with the Visualizer that drew them, unless the scene went first.
    ~Boxes() override
    {
        if (sentinel.isNull())
            return;
        for (int row = 0; row < row_count; ++row)
            trim(row, 0);
        delete sentinel;
    }

    QPointer<Sentinel> sentinel; // in the scene the boxes are in
    // The gap, sequence and subsequence rows, and the gap strip.
    static constexpr int row_count = 4;
    std::vector<Box> rows[row_count];

    // Shows the row's box number i as given, making it if need be.
    void set(int row, std::size_t i, const QRect &r, qint32 value, const Look &look)
    {
        std::vector<Box> &boxes = rows[row];
        if (i == boxes.size()) {
            auto *vis = static_cast<Visualizer *>(parent());
            Box box;
            box.rect = vis->draw_box(r.x(), r.y(), r.width(), r.height(), value, look.fill);
            box.rect->setZValue(row);
            box.label = static_cast<QGraphicsSimpleTextItem *>(box.rect->childItems().constFirst());
            box.label->setBrush(label_colour(look.fill));
            box.value = value;
            box.look = Look{look.fill};
            boxes.push_back(box);
        }
        update_box(boxes[i], r, value, look);
    }

    // Hides the row's boxes from number used on.
    void hide_rest(int row, std::size_t used)
    {
        for (std::size_t i = used; i < rows[row].size(); ++i)
            rows[row][i].rect->hide();
    }

    // Deletes the row's boxes from number kept on.
    void trim(int row, std::size_t kept)
    {
        for (std::size_t i = kept; i < rows[row].size(); ++i)
            delete rows[row][i].rect;
        rows[row].resize(qMin(kept, rows[row].size()));
    }
};

Boxes *boxes_of(Visualizer *vis)
{
    Boxes *boxes = nullptr;
    for (QObject *child : vis->children())
        if ((boxes = dynamic_cast<Boxes *>(child)))
            break;
    if (boxes != nullptr && (boxes->sentinel.isNull() || boxes->sentinel->scene() != vis->scene)) {
        // Another scene, or this one cleared: start over.
        delete boxes;
        boxes = nullptr;
    }
    if (boxes == nullptr) {
        boxes = new Boxes(vis);
        boxes->sentinel = new Sentinel;
        vis->scene->addItem(boxes->sentinel);
    }
    // No more boxes kept than this sequence and its gaps can use.
    for (int row = 0; row < Boxes::row_count; ++row)
        boxes->trim(row, row == 0 || row == 3 ? vis->gaps.size() : vis->seq.size());
    return boxes;
}

// The widest label of the given number of characters, digits or a minus sign,
// in the font the labels of the scene take.
qreal label_width(const Visualizer &vis, int chars)
{
    // Measured again only when the font changes: every step asks.
    static QFont measured;
    static qreal widest = -1;
    if (const QFont font = vis.scene != nullptr ? vis.scene->font() : QFont();
        widest < 0 || !(font == measured)) {
        const QFontMetricsF fm(font);
        widest = fm.horizontalAdvance(QChar(u'-'));
        for (char16_t d = u'0'; d <= u'9'; ++d)
            widest = qMax(widest, fm.horizontalAdvance(QChar(d)));
        measured = font;
    }
    return widest * chars;
}

// Characters of a value's label: its digits and, below zero, the sign.
int label_chars(qint32 v)
{
    int count = v < 0 ? 2 : 1;
    for (qint64 rest = qAbs(qint64(v)); rest >= 10; rest /= 10)
        ++count;
    return count;
}

int widest_label(const QVector<qint32> &values)
{
    int chars = 1;
    for (qint32 v : values)
        chars = qMax(chars, label_chars(v));
    return chars;
}

} // namespace

int box_width(const Visualizer &vis)
{
    const qreal widest = label_width(vis, widest_label(vis.seq)) + 2 * label_padding;
    int width = qMax(box_size, qCeil(widest));
    // The gap boxes share the width of the sequence among them.
    const int n = int(vis.seq.size());
    const int gap_count = int(vis.gaps.size());
    if (n > 0 && gap_count > 0) {
        const qreal gap_label = label_width(vis, widest_label(vis.gaps)) + 2 * label_padding;
        while ((width * n) / gap_count < gap_label)
            ++width;
    }
    return width;
}

QRectF gap_strip_box(const Visualizer &vis, int index)
{
    // Room for the label, with the tick of an applied gap clear of it.
    constexpr int tick_room = 12;
    const int width = qMax(2 * box_size, qCeil(label_width(vis, widest_label(vis.gaps)) +
                                               2 * (label_padding + tick_room)));
    return QRectF(index * width, rows::strip_y, width, box_size);
}

QGraphicsRectItem *Visualizer::draw_box(int x, int y, int w, int h, int value, QBrush brush)
{
    // Cosmetic, so the outline stays one pixel at any zoom.
    QPen pen(Qt::black, 1, Qt::SolidLine);
    pen.setCosmetic(true);
    QGraphicsRectItem *rect =
        scene->addRect(QRectF(qreal(x), qreal(y), qreal(w), qreal(h)), pen, brush);
    // As the rectangle's child, the label lies above it and goes with it.
    auto *label = new QGraphicsSimpleTextItem(rect);
    label->setFont(scene->font());
    label->setZValue(1); // above the marks of its box
    label->setVisible(value != no_label);
    if (value != no_label) {
        label->setText(num_to_str(value));
        centre_label(rect, label);
    }
    return rect;
}

namespace
{

// The gap row, and the gap strip that views in panes show: applied, in force,
// to come.
void draw_gaps(Visualizer &vis, Boxes *boxes, const TraceStep &step, int width)
{
    const int gap_count = int(vis.gaps.size());
    int used = 0;
    if (step.gap_idx != -1 && gap_count != 0) {
        for (; used < gap_count; ++used) {
            Look look;
            look.fill = used < step.gap_idx    ? Qt::green
                        : used == step.gap_idx ? Qt::yellow
                                               : Qt::red;
            look.ticked = used < step.gap_idx;
            look.framed = used == step.gap_idx;
            boxes->set(0, used,
                       QRect((used * width) / gap_count, rows::gap_y, width / gap_count, box_size),
                       vis.gaps.at(used), look);
            boxes->set(3, used, gap_strip_box(vis, used).toRect(), vis.gaps.at(used), look);
        }
    }
    boxes->hide_rest(0, used);
    boxes->hide_rest(3, used);
}

// The sequence, the members of the current subsequence shaded and linked down.
void draw_sequence(const Visualizer &vis, Boxes *boxes, const TraceStep &step, int unit)
{
    const int n = int(vis.seq.size());
    const int h = step.gap_idx != -1 ? vis.gaps.at(step.gap_idx) : 0;
    for (int i = 0; i < n; ++i) {
        const bool member =
            step.sub_start != -1 && unsigned(h - step.sub_start + i) % unsigned(h) == 0;
        Look look;
        look.fill = member ? Qt::gray : Qt::white;
        look.linked = member && step.sub_start < n;
        boxes->set(1, i, QRect(unit * i, rows::sequence_y, unit, box_size), vis.seq.at(i), look);
    }
    boxes->hide_rest(1, n);
}

// The current subsequence under its members, the compared elements framed.
void draw_subsequence(const Visualizer &vis, Boxes *boxes, const TraceStep &step, int unit)
{
    const int n = int(vis.seq.size());
    int used = 0;
    if (step.sub_start != -1 && step.sub_start < n) {
        for (int k = step.sub_start; k < n; k += vis.gaps.at(step.gap_idx), ++used) {
            const bool compared = k == step.pos_a || k == step.pos_b;
            Look look;
            look.fill = compared ? purple : light_blue;
            look.framed = compared;
            boxes->set(2, used, QRect(unit * k, rows::subsequence_y, unit, box_size), vis.seq.at(k),
                       look);
        }
    }
    boxes->hide_rest(2, used);
}

} // namespace

void Visualizer::render()
{
    if (scene == nullptr || steps.isEmpty())
        return;
    Boxes *boxes = boxes_of(this);
    // A diagram with a light ground of its own: its black marks and outlines
    // keep their contrast on a dark desktop too.
    if (const QBrush &ground = scene->backgroundBrush();
        ground.style() != Qt::SolidPattern || ground.color() != Qt::white)
        scene->setBackgroundBrush(Qt::white);

    const TraceStep &step = steps.at(cur_step);
    const int unit = box_width(*this);
    const int width = unit * int(seq.size());
    draw_gaps(*this, boxes, step, width);
    draw_sequence(*this, boxes, step, unit);
    draw_subsequence(*this, boxes, step, unit);
    scene->setSceneRect(0, 0, width, rows::height);

    if (status != nullptr)
        status->setPlainText(step_words(*this).text());
}
