// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "picture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgGenerator>

namespace
{

// The scene with half a unit more on every side, so that the outlines of the
// outermost boxes, drawn on the scene's edges, show whole.
QRectF framed(const QGraphicsScene *scene)
{
    return scene->sceneRect().adjusted(-0.5, -0.5, 0.5, 0.5);
}

} // namespace

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

QString picture_file_name(int step, int steps, const QString &suffix)
{
    const int digits = qMax(3, int(QString::number(steps).size()));
    return QStringLiteral("shell-sort-step-%1-of-%2.%3")
        .arg(step, digits, 10, QChar(u'0'))
        .arg(steps, digits, 10, QChar(u'0'))
        .arg(suffix);
}

bool write_picture(QGraphicsScene *scene, const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        const QRectF source = framed(scene);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(source.size().toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), source.size()));
        svg.setTitle(QCoreApplication::translate("Picture", "A step of Shell sort"));
        QPainter painter(&svg);
        painter.fillRect(QRectF(QPointF(0, 0), source.size()), Qt::white);
        scene->render(&painter, QRectF(QPointF(0, 0), source.size()), source);
        painter.end();
        // The generator opens a group at every change of pen or font, most of
        // them left empty; without them the file is less than half as long.
        static const QRegularExpression empty_group(QStringLiteral("<g [^>]*>\\s*</g>\\s*"));
        file.write(QString::fromUtf8(buffer.data()).remove(empty_group).toUtf8());
    } else {
        QImageWriter writer(&file, "png");
        if (!writer.write(scene_image(scene))) {
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
