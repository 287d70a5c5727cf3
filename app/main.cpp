// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "legibility.h"
#include "mainwindow.h"
#include "translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    install_translations();
    // The form's rectangles are fixed: pick the font at which its texts fit,
    // in the language they are shown in.
    QApplication::setFont(fitting_font(QApplication::font()));
    MainWindow window(nullptr);
    ensure_window_icon(&window);
    window.show();
    return app.exec();
}
