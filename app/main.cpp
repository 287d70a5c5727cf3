// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "commandline.h"
#include "legibility.h"
#include "mainwindow.h"
#include "translations.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    if (const std::optional<int> answered = answer_without_display(argc, argv))
        return *answered;
    const std::unique_ptr<QApplication> app = open_application(argc, argv);
    // What the dialogs remember goes to vellora/vellora.conf among the user's settings.
    QCoreApplication::setOrganizationName(QStringLiteral("vellora"));
    QCoreApplication::setApplicationName(QStringLiteral("vellora"));
    install_translations();
    const WindowCommandLine command = read_command_line(QCoreApplication::arguments());
    if (!check_command_line(command))
        return exit_usage;
    // The form's rectangles are fixed, but grow with a large desktop font: pick
    // the font at which its texts fit, in the language they are shown in.
    const QFont desktop = QApplication::font();
    set_window_scale(text_scale(desktop, QGuiApplication::primaryScreen()->availableGeometry()));
    QApplication::setFont(fitting_font(desktop, window_scale()));
    MainWindow window(nullptr);
    ensure_window_icon(&window);
    prepare_window(&window, command);
    window.show();
    return app->exec();
}
