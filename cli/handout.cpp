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
#include <QScopeGuard>
#include <QStringList>
#include <QTemporaryDir>
#include <QtGlobal>

#include <cerrno>
#include <cstring>
#include <optional>

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

// Why the folder path cannot be made: the part of it that is a file, or the
// system's reason for the failure that left error_number.
QString blocked(const QString &path, int error_number)
{
    for (QString part = QDir::cleanPath(path);;) {
        const QFileInfo info(part);
        if (info.exists() && !info.isDir())
            return QCoreApplication::translate("Handout", "%1 is a file, not a folder")
                .arg(QDir::toNativeSeparators(part));
        const QString above = info.path();
        if (info.exists() || above == part)
            break;
        part = above;
    }
    return QString::fromLocal8Bit(std::strerror(error_number));
}

const QDir::Filters everything =
    QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;

// Why the handout may not go into path, as folder names it: a file in its
// place, or contents that only replace may replace. Empty when it may.
QString refusal(const QString &folder, const QString &path, bool replace)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isDir())
        return blocked(folder, ENOTDIR);
    if (target.exists() && !replace && !QDir(path).isEmpty(everything))
        return QCoreApplication::translate("Handout",
                                           "the folder is not empty (--force replaces it whole)");
    return QString();
}

// The folders of path, itself included, that do not exist yet, outermost first.
QStringList missing_folders(const QString &path)
{
    QStringList missing;
    for (QFileInfo above(path); !above.exists() && above.filePath() != above.path();
         above.setFile(above.path()))
        missing.prepend(above.filePath());
    return missing;
}

// Draws steps first to last into the folder staging, a picture each and the
// page, and appends the files' names to *names; the reason when it fails.
QString draw_handout(Visualizer &vis, const QString &formula, const QTemporaryDir &staging,
                     int first, int last, QStringList *names)
{
    QGraphicsScene scene;
    QGraphicsScene *shown = vis.scene;
    vis.scene = &scene;
    const int step = vis.cur_step;
    const auto restore = qScopeGuard([&] {
        vis.scene = shown;
        vis.set_current_step(step);
    });
    QString reason;
    // A long sequence is drawn as the window's canvas shows it, following the steps.
    qreal left = qQNaN();
    int width = 0;
    for (int i = first; i <= last; ++i) {
        vis.set_current_step(i - 1);
        vis.render();
        *names << picture_file_name(i, int(vis.steps.size()), QStringLiteral("svg"));
        const PaneLayout followed = lay_out(vis, canvas_view_size, 1, &left);
        const PaneLayout layout = picture_layout(vis, followed);
        // Twice the scene's size, as the window's pictures, so that small steps are not tiny.
        width = qRound(picture_size(&scene, layout).width());
        if (!write_picture(&scene, layout, staging.filePath(names->last()), &reason))
            return reason;
    }
    vis.scene = shown;
    vis.set_current_step(0);
    QSaveFile index(staging.filePath(QStringLiteral("index.html")));
    if (!(index.open(QIODevice::WriteOnly) &&
          index.write(page(vis, formula, *names, first, width).toUtf8()) >= 0 && index.commit()))
        return index.errorString();
    *names << QStringLiteral("index.html");
    return QString();
}

// Puts what dir holds, replaced, aside and moves names in from staging, one
// move at a time; a failed move undoes those before it, and the old contents
// go last. The reason when it fails.
QString move_in(const QDir &dir, const QStringList &replaced, const QTemporaryDir &staging,
                const QStringList &names)
{
    QTemporaryDir old(dir.filePath(QStringLiteral(".replaced-XXXXXX")));
    if (!old.isValid())
        return old.errorString();
    QList<std::pair<QString, QString>> moves;
    QString reason;
    const auto move = [&](const QString &from, const QString &to) {
        if (!QDir().rename(from, to)) {
            reason = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        moves.append({from, to});
        return true;
    };
    bool ok = true;
    for (const QString &name : replaced)
        ok = ok && move(dir.filePath(name), old.filePath(name));
    for (const QString &name : names)
        ok = ok && move(staging.filePath(name), dir.filePath(name));
    if (ok)
        return QString();
    for (auto it = moves.crbegin(); it != moves.crend(); ++it)
        if (!QDir().rename(it->second, it->first)) {
            old.setAutoRemove(false);
            return QCoreApplication::translate("Handout", "%1; what it held is in %2")
                .arg(reason, QDir::toNativeSeparators(old.path()));
        }
    return reason;
}

} // namespace

bool write_handout(Visualizer &vis, const QString &formula, const QString &folder, bool replace,
                   int first, int last, QString *error)
{
    const auto failed = [&](const QString &reason) {
        *error = QCoreApplication::translate("Handout", "Cannot write the handout to %1: %2.")
                     .arg(QDir::toNativeSeparators(folder), reason);
        return false;
    };
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (const QString refused = refusal(folder, path, replace); !refused.isEmpty())
        return failed(refused);

    // Folders made for the handout go again when it fails.
    QStringList made = missing_folders(path);
    const auto clean_up = qScopeGuard([&] {
        for (auto it = made.crbegin(); it != made.crend(); ++it)
            QDir().rmdir(*it);
    });
    if (!QDir().mkpath(path))
        return failed(blocked(folder, errno));
    const QDir dir(path);
    const QStringList replaced = dir.entryList(everything);

    // Everything is made aside in the folder itself, which may be writable
    // where its parent is not, and moved in when all of it is there.
    QTemporaryDir staging(dir.filePath(QStringLiteral(".handout-XXXXXX")));
    if (!staging.isValid())
        return failed(staging.errorString());
    QStringList names;
    if (const QString reason = draw_handout(vis, formula, staging, first, last, &names);
        !reason.isEmpty())
        return failed(reason);
    if (const QString reason = move_in(dir, replaced, staging, names); !reason.isEmpty())
        return failed(reason);
    made.clear();
    return true;
}
