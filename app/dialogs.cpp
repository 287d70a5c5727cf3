// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "dialogs.h"

#include "translations.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QStandardPaths>
#include <QUrl>

void show_message_and_wait(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QPointer<QMessageBox> box = new QMessageBox(icon, title, text, QMessageBox::Ok);
    box->show();
    // Sleep in the event loop until something happens; the box's own input,
    // painting and timers run meanwhile.
    while (box && box->isVisible())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    delete box;
}

QString ask_picture_path(QWidget *parent, const std::function<QString(const QString &suffix)> &name)
{
    const QString png = QCoreApplication::translate("MainWindow", "PNG image (*.png)");
    const QString svg = QCoreApplication::translate("MainWindow", "SVG image (*.svg)");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QFileDialog dialog(parent, QCoreApplication::translate("MainWindow", "Save picture"), folder,
                       png + QStringLiteral(";;") + svg);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.selectFile(name(QStringLiteral("png")));
    // The name offered follows the kind of picture chosen.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &filter) {
        const QString suffix = filter == svg ? QStringLiteral("svg") : QStringLiteral("png");
        dialog.setDefaultSuffix(suffix);
        dialog.selectFile(name(suffix));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    QString path = dialog.selectedFiles().constFirst();
    // PNG or SVG, by the name's suffix; another suffix gets the chosen kind's.
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != u"png" && suffix != u"svg")
        path += u'.' + dialog.defaultSuffix();
    return path;
}

void open_help_page()
{
    // A self-contained page opens in every browser.
    const QString path = QCoreApplication::applicationDirPath() + u'/' + help_page_name();
    const bool opened =
        QFileInfo::exists(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    if (!opened)
        show_message_and_wait(
            QMessageBox::Information, QCoreApplication::translate("MainWindow", "More information"),
            QCoreApplication::translate("MainWindow", "The help document could not be opened:\n%1")
                .arg(QDir::toNativeSeparators(path)));
}
