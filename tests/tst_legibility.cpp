// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The window at the default fonts of the common Linux desktops: the font
// chosen at start-up shows every caption whole and every status text without
// a scroll bar, and the few controls widened for it overlap nothing new.
#include "legibility.h"
#include "translations.h"
#include "ui_mainwindow.h"
#include "window_fixture.h"

class TestLegibility : public QObject
{
    Q_OBJECT

    const QFont original = QApplication::font();

    // The widened controls stay in the window and overlap nothing but what
    // they overlapped before.
    static void widened_controls_fit(const Ui_MainWindow &form, const QSize &size)
    {
        const QRect window(QPoint(0, 0), size);
        for (QWidget *moved :
             {static_cast<QWidget *>(form.label), static_cast<QWidget *>(form.chosenFormula),
              static_cast<QWidget *>(form.jumpStepNum)}) {
            QVERIFY(window.contains(moved->geometry()));
            for (QWidget *other :
                 form.centralWidget->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
                if (other != moved && other->geometry().intersects(moved->geometry()))
                    QVERIFY2(moved == form.jumpStepNum && other == form.label_3,
                             qPrintable(moved->objectName() + " overlaps " + other->objectName()));
        }
    }

    // Every kind of step sentence, with the largest numbers and a five-digit
    // step count, leaves the status panel without a scroll bar.
    static void status_holds_every_sentence(WindowFixture &w)
    {
        QStringList numbers;
        for (int i = 0; i < 1000; ++i)
            numbers << QString::number(2147483646 + (i * 7 % 3 == 0));
        w.get<QComboBox>("chosenFormula")->setCurrentIndex(3);
        w.apply(numbers.join(u' '));
        const QVector<TraceStep> &steps = w.vis->steps;
        QVERIFY(steps.size() >= 10000);
        QSet<QString> kinds;
        auto *status = w.get<QTextBrowser>("sortStatus");
        for (int i = 0; i < steps.size(); ++i) {
            const TraceStep &s = steps[i];
            w.vis->set_current_step(i);
            const QVector<qint32> &seq = w.vis->seq;
            const QString kind = s.pos_b == -1                  ? s.text.left(6)
                                 : s.is_swap                    ? "swap"
                                 : seq[s.pos_a] == seq[s.pos_b] ? "equal"
                                                                : "more";
            if (kinds.contains(kind) && i != steps.size() - 1)
                continue;
            kinds << kind;
            w.window->step_to(0); // draws the step on display
            QCoreApplication::processEvents();
            QVERIFY2(status->verticalScrollBar()->maximum() == 0,
                     qPrintable(status->toPlainText()));
        }
        QCOMPARE(kinds.size(), 8); // opening, gap, subsequence, swap, more, equal, front, closing
    }

    // The form, a step sentence and message boxes.
    static void german_throughout(WindowFixture &w)
    {
        QCOMPARE(w.get<QPushButton>("applyButton")->text(), QString("Anwenden!"));
        QVERIFY(w.status().startsWith("Fertig sortiert!"));
        w.apply(QStringLiteral("abc"));
        QCOMPARE(w.boxes, QStringList("Critical Fehler: Sie haben keine Folge eingegeben!\n"
                                      "(Eine Folge besteht aus Zahlen, getrennt durch "
                                      "Leerzeichen)"));
        w.boxes.clear();
        w.apply(QStringLiteral("1,2"));
        QCOMPARE(w.boxes, QStringList("Information Hinweis zur Eingabe: Ihre Eingabe enthält "
                                      "ungültige Zeichen (weder Ziffern noch Leerzeichen). "
                                      "Diese werden wie Leerzeichen behandelt."));
    }

private slots:
    void cleanup()
    {
        set_window_scale(1);
        QApplication::setFont(original);
        for (auto *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(QLocale::c());
    }

    void desktop_fonts_data()
    {
        QTest::addColumn<QFont>("desktop");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("cut"); // at the desktop's font as it is
        QTest::addColumn<int>("digits");      // the least height of a box's digits, in pixels
        const QStringList cut = {"label",           "prevSubseq",    "nextSubseq", "randomGenRadio",
                                 "userDefineRadio", "chosenFormula", "sortStatus"};
        QTest::newRow("Debian: DejaVu Sans 9") << QFont("DejaVu Sans", 9) << "en" << cut << 0;
        QTest::newRow("KDE Plasma: Noto Sans 10") << QFont("Noto Sans", 10) << "en" << cut << 0;
        QTest::newRow("GNOME: Cantarell 11")
            << QFont("Cantarell", 11) << "en" << cut + QStringList{"label_7", "label_6"} << 0;
        for (const QFont &font :
             {QFont("DejaVu Sans", 9), QFont("Noto Sans", 10), QFont("Cantarell", 11)})
            QTest::newRow(qPrintable(font.family() + " in German"))
                << font << "de" << QStringList() << 0;
        // Large text: the whole window grows with it.
        for (const char *language : {"en", "de"}) {
            QTest::newRow(qPrintable(QStringLiteral("large text, 14 points, ") + language))
                << QFont("DejaVu Sans", 14) << language << QStringList() << 12;
            QTest::newRow(qPrintable(QStringLiteral("large text, 18 points, ") + language))
                << QFont("DejaVu Sans", 18) << language << QStringList() << 15;
        }
    }

    void desktop_fonts()
    {
        QFETCH(QFont, desktop);
        QFETCH(QString, language);
        QFETCH(QStringList, cut);
        QFETCH(int, digits);
        QVERIFY2(QFontDatabase::hasFamily(desktop.family()), qPrintable(desktop.family()));
        QLocale::setDefault(QLocale(language));
        install_translations();
        QApplication::setFont(desktop);
        std::optional<WindowFixture> w; // the last to go, as it checks that nothing is left
        QMainWindow bare;
        Ui_MainWindow form;
        form.setupUi(&bare);
        for (const QString &name : cut) // what is cut is measured so
            QVERIFY2(clipped_controls(form).contains(name), qPrintable(name));

        // On a full HD screen; the usual sizes keep the window as it is.
        const QRect screen(0, 0, 1920, 1040);
        const qreal scale = text_scale(desktop, screen);
        QCOMPARE(scale == 1, digits == 0);
        set_window_scale(scale);
        enlarge_form(form, &bare, scale);
        const QFont chosen = fitting_font(desktop, scale);
        QVERIFY(chosen.pointSizeF() >= 8);
        QApplication::setFont(chosen);
        bare.setFont(chosen);
        QCOMPARE(clipped_controls(form), QStringList());
        w.emplace();
        const QSize size = w->window->size();
        QCOMPARE(size, QSize(qRound(678 * scale), qRound(412 * scale)));
        QVERIFY(screen.contains(QRect(QPoint(), size)));
        if (digits > 0) {
            // The digits' height on screen: the picture's font, as the canvas scales it.
            auto *canvas = w->get<QGraphicsView>("Canvas");
            const qreal height =
                QFontMetricsF(canvas->scene()->font()).capHeight() * canvas->transform().m11();
            QVERIFY2(height >= digits, qPrintable(QString::number(height)));
        }

        widened_controls_fit(form, bare.size());
        if (QTest::currentTestFailed())
            return;
        status_holds_every_sentence(*w);
        if (language == u"de" && !QTest::currentTestFailed())
            german_throughout(*w);
    }
};

QTEST_MAIN(TestLegibility)
#include "tst_legibility.moc"
