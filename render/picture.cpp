// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "picture.h"

#include "visualizer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontInfo>
#include <QGraphicsLineItem>
#include <QGraphicsPathItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QXmlStreamWriter>

namespace
{

constexpr qreal picture_scale = 2;
constexpr qreal widest_whole = 4096; // pixels at twice the scene's size
// The font the boxes were measured in, then fonts that browsers know, ending
// in the generic family.
QString svg_fonts(const QGraphicsScene *scene)
{
    QString family = QFontInfo(scene->font()).family();
    family.remove(u'\'');
    return u'\'' + family +
           QStringLiteral("', 'DejaVu Sans', Verdana, Arial, Helvetica, sans-serif");
}

// The scene with half a unit more on every side, so that the outlines of the
// outermost boxes, drawn on the scene's edges, show whole.
QRectF framed(const QGraphicsScene *scene)
{
    return scene->sceneRect().adjusted(-0.5, -0.5, 0.5, 0.5);
}

QString number(qreal v)
{
    return QString::number(v, 'g', 6);
}

// A rectangle as an SVG view box.
QString box(const QRectF &r)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(number(r.x()), number(r.y()), number(r.width()), number(r.height()));
}

QString colour(const QColor &c)
{
    return c.name();
}

class SvgWriter
{
public:
    explicit SvgWriter(QIODevice *device) : xml(device) { xml.setAutoFormatting(true); }

    void begin(const QGraphicsScene *scene, const QSizeF &size, const QRectF &view_box)
    {
        xml.writeStartDocument();
        xml.writeStartElement(QStringLiteral("svg"));
        xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
        xml.writeAttribute(QStringLiteral("width"), number(size.width()));
        xml.writeAttribute(QStringLiteral("height"), number(size.height()));
        xml.writeAttribute(QStringLiteral("viewBox"), box(view_box));
        xml.writeAttribute(QStringLiteral("font-family"), svg_fonts(scene));
        xml.writeTextElement(QStringLiteral("title"),
                             QCoreApplication::translate("Picture", "A step of Shell sort"));
        rect(view_box, Qt::white, QPen(Qt::NoPen));
    }

    void end() { xml.writeEndDocument(); }

    // The items of the scene that show in source, bottom first.
    void items(QGraphicsScene *scene, const QRectF &source)
    {
        font_size = QFontInfo(scene->font()).pixelSize();
        for (QGraphicsItem *item :
             scene->items(source, Qt::IntersectsItemBoundingRect, Qt::AscendingOrder)) {
            if (!item->isVisible())
                continue;
            if (auto *box = qgraphicsitem_cast<QGraphicsRectItem *>(item)) {
                rect(box->rect(),
                     box->brush().style() == Qt::NoBrush ? QColor() : box->brush().color(),
                     box->pen());
            } else if (auto *path = qgraphicsitem_cast<QGraphicsPathItem *>(item)) {
                xml.writeEmptyElement(QStringLiteral("path"));
                xml.writeAttribute(QStringLiteral("d"), path_data(path->path()));
                xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
                stroke(path->pen());
            } else if (auto *line = qgraphicsitem_cast<QGraphicsLineItem *>(item)) {
                xml.writeEmptyElement(QStringLiteral("line"));
                xml.writeAttribute(QStringLiteral("x1"), number(line->line().x1()));
                xml.writeAttribute(QStringLiteral("y1"), number(line->line().y1()));
                xml.writeAttribute(QStringLiteral("x2"), number(line->line().x2()));
                xml.writeAttribute(QStringLiteral("y2"), number(line->line().y2()));
                stroke(line->pen());
            } else if (auto *label = qgraphicsitem_cast<QGraphicsSimpleTextItem *>(item)) {
                // Centred on its box by the browser, whatever font it has.
                const QPointF centre = item->parentItem() != nullptr
                                           ? item->parentItem()->boundingRect().center()
                                           : label->sceneBoundingRect().center();
                text(centre, label->text(), label->brush().color(), font_size);
            }
        }
    }

    // A piece of the scene drawn into a rectangle of the picture.
    void piece(QGraphicsScene *scene, const QRectF &source, const QRectF &target)
    {
        xml.writeStartElement(QStringLiteral("svg"));
        xml.writeAttribute(QStringLiteral("x"), number(target.x()));
        xml.writeAttribute(QStringLiteral("y"), number(target.y()));
        xml.writeAttribute(QStringLiteral("width"), number(target.width()));
        xml.writeAttribute(QStringLiteral("height"), number(target.height()));
        xml.writeAttribute(QStringLiteral("viewBox"), box(source));
        xml.writeAttribute(QStringLiteral("preserveAspectRatio"), QStringLiteral("none"));
        items(scene, source);
        xml.writeEndElement();
    }

    void mark(const PaneLayout &layout, qreal size)
    {
        const QRectF mark = layout.mark;
        for (const QPainterPath &line : break_lines(layout)) {
            xml.writeEmptyElement(QStringLiteral("path"));
            xml.writeAttribute(QStringLiteral("d"), path_data(line));
            xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
            stroke(QPen(Qt::black, layout.scale));
        }
        const QRectF behind(mark.left() + 8, mark.center().y() - size * 0.7, mark.width() - 16,
                            size * 1.4);
        rect(behind, Qt::white, QPen(Qt::NoPen));
        text(mark.center(), layout.apart, Qt::black, size);
    }

    // The element numbers and the cut edges' notes, as paint_layout places them.
    void notes(const PaneLayout &layout, qreal size)
    {
        for (const PaneNote &note : layout.notes) {
            const Qt::Alignment h = note.align & Qt::AlignHorizontal_Mask;
            const qreal x = h == Qt::AlignLeft    ? note.place.left()
                            : h == Qt::AlignRight ? note.place.right()
                                                  : note.place.center().x();
            text(QPointF(x, note.place.center().y()), note.text, Qt::black, size,
                 h == Qt::AlignLeft    ? QStringLiteral("start")
                 : h == Qt::AlignRight ? QStringLiteral("end")
                                       : QStringLiteral("middle"));
        }
    }

private:
    void rect(const QRectF &r, const QColor &fill, const QPen &pen)
    {
        xml.writeEmptyElement(QStringLiteral("rect"));
        xml.writeAttribute(QStringLiteral("x"), number(r.x()));
        xml.writeAttribute(QStringLiteral("y"), number(r.y()));
        xml.writeAttribute(QStringLiteral("width"), number(r.width()));
        xml.writeAttribute(QStringLiteral("height"), number(r.height()));
        xml.writeAttribute(QStringLiteral("fill"),
                           fill.isValid() ? colour(fill) : QStringLiteral("none"));
        stroke(pen);
    }

    void stroke(const QPen &pen)
    {
        if (pen.style() == Qt::NoPen)
            return;
        xml.writeAttribute(QStringLiteral("stroke"), colour(pen.color()));
        xml.writeAttribute(QStringLiteral("stroke-width"), number(qMax<qreal>(pen.widthF(), 1)));
        // A cosmetic outline stays one pixel at any size, as on screen.
        if (pen.isCosmetic())
            xml.writeAttribute(QStringLiteral("vector-effect"),
                               QStringLiteral("non-scaling-stroke"));
    }

    void text(const QPointF &centre, const QString &content, const QColor &fill, qreal size,
              const QString &anchor = QStringLiteral("middle"))
    {
        xml.writeStartElement(QStringLiteral("text"));
        xml.writeAttribute(QStringLiteral("x"), number(centre.x()));
        xml.writeAttribute(QStringLiteral("y"), number(centre.y()));
        xml.writeAttribute(QStringLiteral("font-size"), number(size));
        xml.writeAttribute(QStringLiteral("text-anchor"), anchor);
        xml.writeAttribute(QStringLiteral("dominant-baseline"), QStringLiteral("central"));
        xml.writeAttribute(QStringLiteral("fill"), colour(fill));
        xml.writeCharacters(content);
        xml.writeEndElement();
    }

    static QString path_data(const QPainterPath &path)
    {
        QStringList parts;
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            parts << (e.isMoveTo() ? u'M' : u'L') + number(e.x) + u' ' + number(e.y);
        }
        return parts.join(u' ');
    }

    QXmlStreamWriter xml;
    qreal font_size = 12;
};

// The whole scene drawn on white at the given scale.
QImage scene_image(QGraphicsScene *scene, qreal scale)
{
    QImage image((scene->sceneRect().size() * scale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // Twice the scene's size exactly, the frame's half unit squeezed in.
    scene->render(&painter, QRectF(image.rect()), framed(scene), Qt::IgnoreAspectRatio);
    return image;
}

} // namespace

PaneLayout picture_layout(const Visualizer &vis, const PaneLayout &shown)
{
    if (vis.scene == nullptr || vis.scene->sceneRect().width() * picture_scale <= widest_whole)
        return PaneLayout();
    return shown;
}

QSizeF picture_size(QGraphicsScene *scene, const PaneLayout &layout, qreal scale)
{
    return (layout.whole ? scene->sceneRect().size() : layout.view) * scale;
}

QImage picture_image(QGraphicsScene *scene, const PaneLayout &layout, qreal scale)
{
    if (layout.whole)
        return scene_image(scene, scale);
    QImage image(picture_size(scene, layout, scale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paint_layout(&painter, scene, layout);
    return image;
}

QByteArray picture_svg(QGraphicsScene *scene, const PaneLayout &layout)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SvgWriter svg(&buffer);
    if (layout.whole) {
        const QRectF source = framed(scene);
        svg.begin(scene, source.size(), source);
        svg.items(scene, source);
    } else {
        svg.begin(scene, layout.view * picture_scale, QRectF(QPointF(0, 0), layout.view));
        for (const PanePiece &piece : layout.pieces)
            svg.piece(scene, piece.source, piece.target);
        const qreal size = QFontInfo(mark_font(scene, layout.scale)).pixelSize();
        if (!layout.mark.isEmpty())
            svg.mark(layout, size);
        svg.notes(layout, size);
    }
    svg.end();
    return buffer.data();
}

QString picture_file_name(int step, int steps, const QString &suffix)
{
    const int digits = qMax(3, int(QString::number(steps).size()));
    return QStringLiteral("shell-sort-step-%1-of-%2.%3")
        .arg(step, digits, 10, QChar(u'0'))
        .arg(steps, digits, 10, QChar(u'0'))
        .arg(suffix);
}

bool write_picture(QGraphicsScene *scene, const PaneLayout &layout, const QString &path,
                   QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        file.write(picture_svg(scene, layout));
    } else {
        QImageWriter writer(&file, "png");
        if (!writer.write(picture_image(scene, layout))) {
            *error = writer.errorString();
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
