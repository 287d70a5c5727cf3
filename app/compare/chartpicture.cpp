// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "chartpicture.h"

#include <QChart>
#include <QChartView>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTextDocumentFragment>

namespace
{

void write_svg(const QChartView *view, QIODevice *file)
{
    QSvgGenerator svg;
    svg.setOutputDevice(file);
    // At the screen's size in a browser, whose pixels are 1/96 inch.
    svg.setResolution(96);
    svg.setSize(view->viewport()->size());
    svg.setViewBox(view->viewport()->rect());
    // The title as said, not as wrapped to the chart's width.
    svg.setTitle(QTextDocumentFragment::fromHtml(view->chart()->title())
                     .toPlainText()
                     .replace(QChar::LineSeparator, u' '));
    svg.setDescription(view->accessibleDescription());
    QPainter painter(&svg);
    view->scene()->render(&painter, QRectF(view->viewport()->rect()), view->sceneRect());
}

} // namespace

namespace compare_detail
{

QImage chart_image(const QChartView *view)
{
    QImage image(view->viewport()->size() * 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    view->scene()->render(&painter, QRectF(image.rect()), view->sceneRect());
    return image;
}

bool save_chart_picture(const QChartView *view, const QString &path, QString *error)
{
    QSaveFile file(path);
    error->clear();
    if (file.open(QIODevice::WriteOnly)) {
        if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
            write_svg(view, &file);
        } else {
            QImageWriter writer(&file, "png");
            if (!writer.write(chart_image(view))) {
                *error = writer.errorString();
                file.cancelWriting();
            }
        }
        if (error->isEmpty() && file.commit())
            return true;
    }
    if (error->isEmpty())
        *error = file.errorString();
    return false;
}

} // namespace compare_detail
