// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "legibility.h"
#include "mainwindow.h"
#include "translations.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    install_translations();
    // The form's rectangles are fixed: pick the font at which its texts fit,
    // in the language they are shown in.
    QApplication::setFont(fitting_font(QApplication::font()));
    MainWindow window(nullptr);
    // The form takes its icon from ../icon2.png, which is missing when the
    // program is started from a menu or from PATH: then the icon theme's, and
    // failing that the copy built into the program. (An icon made from a missing
    // file is not isNull(), but it draws nothing.)
    if (window.windowIcon().pixmap(QSize(32, 32)).isNull()) {
        QIcon icon = QIcon::fromTheme(QStringLiteral(VELLORA_APP_ID));
        if (icon.isNull())
            icon = QIcon(QStringLiteral(":/vellora/icon2.png"));
        QApplication::setWindowIcon(icon);
        window.setWindowIcon(icon);
    }
    window.show();
    return app.exec();
}
