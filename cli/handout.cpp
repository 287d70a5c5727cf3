// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "handout.h"

#include "num_to_str.h"
#include "picture.h"
#include "visualizer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QSaveFile>
#include <QStringList>
#include <QTemporaryDir>

namespace
{

QString page(const Visualizer &vis, const QString &formula, const QStringList &pictures, int first,
             int width)
{
    const int total = int(vis.steps.size());
    QStringList numbers;
    for (qint32 v : vis.seq)
        numbers << num_to_str(v);
    //: The language code of this translation, for the page's lang attribute.
    const QString language = QCoreApplication::translate("Handout", "en");
    QString html =
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>%2</title>\n<style>\n"
                       "body { font-family: sans-serif; max-width: 60em; margin: 2em auto; }\n"
                       "section { margin: 3em 0; page-break-inside: avoid; }\n"
                       "img { max-width: 100%; height: auto; border: 1px solid #ccc; }\n"
                       "nav a { margin-right: 1em; }\n</style>\n</head>\n<body>\n"
                       "<h1>%2</h1>\n<p>%3</p>\n")
            .arg(language,
                 QCoreApplication::translate("Handout", "Shell sort, step by step").toHtmlEscaped(),
                 QCoreApplication::translate("Handout", "%1, sequence %2")
                     .arg(formula, numbers.join(u' '))
                     .toHtmlEscaped());
    const int last = first + int(pictures.size()) - 1;
    for (int i = first; i <= last; ++i) {
        const QString title =
            QCoreApplication::translate("Handout", "Step %1 of %2").arg(i).arg(total);
        html += QStringLiteral("<section id=\"step-%1\">\n<h2>%2</h2>\n<img src=\"%3\" alt=\"%2\" "
                               "width=\"%5\">\n<p>%4</p>\n<nav>")
                    .arg(QString::number(i), title.toHtmlEscaped(), pictures.at(i - first),
                         vis.steps.at(i - 1).text.toHtmlEscaped(), QString::number(width));
        if (i > first)
            html +=
                QStringLiteral("<a href=\"#step-%1\">%2</a>")
                    .arg(i - 1)
                    .arg(QCoreApplication::translate("Handout", "Previous step").toHtmlEscaped());
        if (i < last)
            html += QStringLiteral("<a href=\"#step-%1\">%2</a>")
                        .arg(i + 1)
                        .arg(QCoreApplication::translate("Handout", "Next step").toHtmlEscaped());
        html += QStringLiteral("</nav>\n</section>\n");
    }
    return html + QStringLiteral("</body>\n</html>\n");
}

} // namespace

bool write_handout(Visualizer &vis, const QString &formula, const QString &folder, int first,
                   int last, QString *error)
{
    QDir dir(folder);
    const bool existed = dir.exists();
    if (!dir.mkpath(QStringLiteral("."))) {
        *error = QCoreApplication::translate("Handout", "cannot make the folder %1")
                     .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    // Everything is written aside first and moved in when all of it is there,
    // so that a failure leaves the folder as it was.
    QTemporaryDir staging(dir.filePath(QStringLiteral(".handout-XXXXXX")));
    bool ok = staging.isValid();
    if (!ok)
        *error = dir.filePath(QStringLiteral(".handout-XXXXXX")) + QStringLiteral(": ") +
                 staging.errorString();
    QGraphicsScene scene;
    QGraphicsScene *shown = vis.scene;
    vis.scene = &scene;
    const int step = vis.cur_step;
    QStringList names;
    // A long sequence is drawn as the window's canvas shows it, following the steps.
    qreal left = qQNaN();
    int width = 0;
    for (int i = first; ok && i <= last; ++i) {
        vis.set_current_step(i - 1);
        vis.render();
        names << picture_file_name(i, int(vis.steps.size()), QStringLiteral("svg"));
        const PaneLayout shown = lay_out(vis, canvas_view_size, 1, &left);
        const PaneLayout layout = picture_layout(vis, shown);
        // Twice the scene's size, as the window's pictures, so that small steps are not tiny.
        width = qRound(picture_size(&scene, layout).width());
        ok = write_picture(&scene, layout, staging.filePath(names.last()), error);
    }
    vis.scene = shown;
    if (ok) {
        vis.set_current_step(0);
        QSaveFile index(staging.filePath(QStringLiteral("index.html")));
        ok = index.open(QIODevice::WriteOnly) &&
             index.write(page(vis, formula, names, first, width).toUtf8()) >= 0 && index.commit();
        if (!ok)
            *error = index.errorString();
    }
    vis.set_current_step(step);
    names << QStringLiteral("index.html");
    for (const QString &name : std::as_const(names)) {
        const QFileInfo target(dir.filePath(name));
        if (ok && target.exists() && !target.isFile()) {
            ok = false;
            *error = QCoreApplication::translate("Handout", "%1 is in the way")
                         .arg(QDir::toNativeSeparators(target.filePath()));
        }
    }
    for (const QString &name : std::as_const(names)) {
        if (!ok)
            break;
        QFile::remove(dir.filePath(name));
        ok = QFile::rename(staging.filePath(name), dir.filePath(name));
        if (!ok)
            *error = QCoreApplication::translate("Handout", "cannot write %1")
                         .arg(QDir::toNativeSeparators(dir.filePath(name)));
    }
    if (!ok && !existed) {
        staging.remove();
        QDir().rmdir(dir.absolutePath());
    }
    return ok;
}
