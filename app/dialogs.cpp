// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "dialogs.h"

#include "sequence_input.h"
#include "translations.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QPointer>
#include <QSettings>
#include <QSpinBox>
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

namespace
{

// What is remembered: the folder of the last picture saved and its kind, "png"
// or "svg", and the size of the last random sequence.
constexpr char picture_folder_key[] = "pictures/folder";
constexpr char picture_format_key[] = "pictures/format";
constexpr char random_size_key[] = "random/size";

// The last picture's folder while it still exists, else the pictures folder.
QString picture_folder(const QSettings &settings)
{
    const QString folder = settings.value(picture_folder_key).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

} // namespace

QString ask_picture_path(QWidget *parent, const std::function<QString(const QString &suffix)> &name)
{
    const QString png = QCoreApplication::translate("MainWindow", "PNG image (*.png)");
    const QString svg = QCoreApplication::translate("MainWindow", "SVG image (*.svg)");
    QSettings settings;
    QFileDialog dialog(parent, QCoreApplication::translate("MainWindow", "Save picture"),
                       picture_folder(settings), png + QStringLiteral(";;") + svg);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The name offered follows the kind of picture chosen.
    const auto choose = [&](const QString &suffix) {
        dialog.setDefaultSuffix(suffix);
        dialog.selectFile(name(suffix));
    };
    const bool was_svg = settings.value(picture_format_key).toString() == u"svg";
    dialog.selectNameFilter(was_svg ? svg : png);
    choose(was_svg ? QStringLiteral("svg") : QStringLiteral("png"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &filter) {
        choose(filter == svg ? QStringLiteral("svg") : QStringLiteral("png"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    QString path = dialog.selectedFiles().constFirst();
    // PNG or SVG, by the name's suffix; another suffix gets the chosen kind's.
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != u"png" && suffix != u"svg")
        path += u'.' + dialog.defaultSuffix();
    settings.setValue(picture_folder_key, QFileInfo(path).absolutePath());
    settings.setValue(picture_format_key, QFileInfo(path).suffix().toLower());
    return path;
}

std::optional<int> ask_random_size(QWidget *parent, int first)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("MainWindow", "Random sequence"));
    auto *size = new QSpinBox(&dialog);
    size->setRange(2, max_sequence_length);
    QSettings settings;
    size->setValue(settings.value(random_size_key, first).toInt());
    size->selectAll(); // so that typing replaces it
    // The label is the spin box's buddy, so screen readers say it as its name.
    auto *form = new QFormLayout(&dialog);
    form->setSizeConstraint(QLayout::SetFixedSize);
    form->addRow(QCoreApplication::translate("MainWindow", "&How many numbers (%1 to %2):")
                     .arg(size->minimum())
                     .arg(size->maximum()),
                 size);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    settings.setValue(random_size_key, size->value());
    return size->value();
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

void tell_unsaved_picture(const QString &path, const QString &error)
{
    show_message_and_wait(
        QMessageBox::Critical, QCoreApplication::translate("MainWindow", "Error"),
        QCoreApplication::translate("MainWindow", "The picture could not be saved as %1:\n%2")
            .arg(QDir::toNativeSeparators(path), error));
}
