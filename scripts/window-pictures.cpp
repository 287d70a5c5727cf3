// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// window-pictures: a developer's tool, not part of Vellora. Takes pictures of
// the real window offscreen, as the program would show it at the default fonts
// of the common desktops, in each language: a front step, sixty numbers in
// the middle of their trace, eight numbers of four to ten digits, the error
// box of a typed text without numbers, the presentation view, and the window
// that compares the formulas on 25 random numbers, on Shell's worst case of
// the help page, and in the growth chart.
//
// Usage, on a full HD screen as the fonts are measured on:
//   QT_QPA_PLATFORM=offscreen:configfile=tests/fullhd-screen.json window-pictures OUTPUT_DIR
// Prints the font each desktop font becomes; the pictures are named
// <font>-<language>-<scene>.png.
#include "compare.h"
#include "legibility.h"
#include "mainwindow.h"
#include "presentation.h"
#include "translations.h"
#include "visualizer.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>

namespace
{

void settle(int ms = 100)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void apply(MainWindow &window, const QString &numbers)
{
    window.findChild<QRadioButton *>(QStringLiteral("userDefineRadio"))->click();
    window.findChild<QLineEdit *>(QStringLiteral("userDefLine"))->setText(numbers);
    window.new_seq();
}

QString random_numbers(int count, int top)
{
    QStringList numbers;
    srand(7);
    for (int i = 0; i < count; ++i)
        numbers << QString::number(rand() % top + 1);
    return numbers.join(u' ');
}

void trigger(MainWindow &window, const QKeySequence &key)
{
    for (QAction *action : window.actions())
        if (action->shortcut() == key)
            action->trigger();
}

// Where the pictures of one font and language go, and what their names begin with.
struct Album {
    QDir folder;
    QString stem;
    void save(QWidget *widget, const QString &scene) const
    {
        widget->grab().save(folder.filePath(stem + scene + QStringLiteral(".png")));
    }
};

// The window at a front step, at sixty numbers in the middle of their trace,
// and at numbers of many digits.
void take_window(MainWindow &window, const Album &album)
{
    window.show();
    settle();
    auto *vis = window.findChild<Visualizer *>();
    for (int i = 0; i < vis->steps.size(); ++i)
        if (vis->steps[i].pos_a != -1 && vis->steps[i].pos_b == -1) {
            window.step_to(i);
            break;
        }
    settle();
    album.save(&window, QStringLiteral("front"));

    apply(window, random_numbers(60, 99));
    vis->set_current_step(150);
    window.step_front();
    settle();
    album.save(&window, QStringLiteral("sixty"));

    apply(window, QStringLiteral("1234 98765 4444444 12 2147483647 55555 1000000000 31337"));
    window.step_to(5);
    settle();
    album.save(&window, QStringLiteral("digits"));
}

// The window that compares the formulas: on 25 random numbers, on Shell's
// worst case of the help page, and its growth chart.
void take_compare(MainWindow &window, const Album &album)
{
    apply(window, random_numbers(25, 25));
    trigger(window, QKeySequence(Qt::Key_F6));
    auto *compare = window.findChild<CompareWindow *>();
    if (compare == nullptr)
        return;
    settle(300);
    album.save(compare, QStringLiteral("compare-random"));
    apply(window, QStringLiteral("9 1 10 2 11 3 12 4 13 5 14 6 15 7 16 8"));
    settle(300);
    album.save(compare, QStringLiteral("compare-worst"));
    compare->findChild<QTabWidget *>()->setCurrentIndex(1);
    while (compare->computing())
        settle(50);
    settle(300);
    album.save(compare, QStringLiteral("compare-growth"));
    compare->close();
}

// The error box of a typed text without numbers, over the window.
void take_error(MainWindow &window, const Album &album)
{
    QTimer::singleShot(300, &window, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            QImage picture = window.grab().toImage();
            QPainter(&picture).drawPixmap(40, 150, box->grab());
            picture.save(album.folder.filePath(album.stem + QStringLiteral("error.png")));
            box->done(QMessageBox::Ok);
        }
    });
    apply(window, QStringLiteral("abc"));
}

// Takes the pictures of one font and language into folder.
void take(const QFont &desktop, const QString &language, const QDir &folder)
{
    QLocale::setDefault(QLocale(language));
    install_translations();
    // As on a full HD screen, whatever the offscreen one is.
    set_window_scale(text_scale(desktop, QRect(0, 0, 1920, 1040)));
    QApplication::setFont(fitting_font(desktop, window_scale()));
    const Album album{folder, desktop.family().remove(u' ') + QString::number(desktop.pointSize()) +
                                  u'-' + language + u'-'};
    QTextStream(stdout) << desktop.family() << ' ' << desktop.pointSize() << " (" << language
                        << ") -> " << QFontInfo(QApplication::font()).family() << ' '
                        << QApplication::font().pointSizeF() << ", window scale " << window_scale()
                        << '\n';

    MainWindow window;
    take_window(window, album);
    take_compare(window, album);
    take_error(window, album);
    trigger(window, QKeySequence(Qt::Key_F5));
    settle(300);
    if (auto *presentation = window.findChild<PresentationView *>())
        album.save(presentation, QStringLiteral("presentation"));

    for (auto *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: window-pictures OUTPUT_DIR\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "window-pictures: cannot make " << folder.path() << '\n';
        return 1;
    }
    for (const QFont &desktop :
         {QFont(QStringLiteral("DejaVu Sans"), 9), QFont(QStringLiteral("Noto Sans"), 10),
          QFont(QStringLiteral("Cantarell"), 11), QFont(QStringLiteral("DejaVu Sans"), 14),
          QFont(QStringLiteral("DejaVu Sans"), 18)})
        for (const char *language : {"en", "de"})
            take(desktop, QLatin1String(language), folder);
    return 0;
}
