// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The window form: every control's name, class and parent in member order, the
// texts the window relies on, the about text's palette, the excluding radio
// buttons, and how the form copes with a missing window icon.
#include "ui_mainwindow.h"

#include <QtTest>

#include <memory>

namespace
{

// Every member of Ui_MainWindow, in declaration order, as name:class.
const QStringList members =
    QStringLiteral("centralWidget:QWidget chosenFormula:QComboBox label:QLabel "
                   "randomGenRadio:QRadioButton userDefineRadio:QRadioButton label_2:QLabel "
                   "randomSeqSize:QSlider seqPropsTitle:QLabel minLabel:QLabel maxLabel:QLabel "
                   "applyButton:QPushButton label_6:QLabel sortStatus:QTextBrowser "
                   "prevStep:QPushButton nextStep:QPushButton prevSubseq:QPushButton "
                   "nextSubseq:QPushButton firstSlide:QPushButton lastSlide:QPushButton "
                   "Canvas:QGraphicsView playSpeed:QSlider label_7:QLabel playButton:QPushButton "
                   "userDefLine:QLineEdit label_3:QLabel jumpButton:QPushButton "
                   "jumpStepNum:QSpinBox")
        .split(u' ');

// Nothing but these members: no layout, menu, tool or status bar, dock or other control.
static_assert(sizeof(Ui_MainWindow) == 27 * sizeof(QWidget *));

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

    std::unique_ptr<QMainWindow> win;
    Ui_MainWindow ui{};

private slots:
    void init() { ui.setupUi((win = std::make_unique<QMainWindow>()).get()); }

    // Names, classes, parents and creation order (later controls lie above
    // earlier ones); all enabled and visible but the about text.
    void controls()
    {
        for (int i = 0; i < members.size(); ++i) {
            QWidget *w = reinterpret_cast<QWidget *const *>(&ui)[i];
            QCOMPARE(win->findChildren<QWidget *>(members[i].section(u':', 0, 0)),
                     QList<QWidget *>{w});
            QCOMPARE(w->metaObject()->className(), members[i].section(u':', 1));
            QCOMPARE(w->parentWidget(), i ? ui.centralWidget : static_cast<QWidget *>(win.get()));
            QCOMPARE(ui.centralWidget->children().indexOf(w), i - 1);
            QCOMPARE(w->isEnabled(), w != ui.label_6);
            QVERIFY(w->isVisibleTo(win.get()));
        }
        QCOMPARE(win->centralWidget(), ui.centralWidget);
        QCOMPARE(win->objectName(), QString("MainWindow"));
        QCOMPARE(win->windowTitle(), QString("Vellora"));
        QCOMPARE(win->size(), QSize(678, 412));
        QStringList items;
        for (int i = 0; i < ui.chosenFormula->count(); ++i)
            items << ui.chosenFormula->itemText(i);
        QCOMPARE(items, QStringList({"Shell's formula", "Hibbard's formula", "Sedgewick's formula",
                                     "Pratt's formula", "Fibonacci sequence", "Knuth formula",
                                     "Ciura's sequence", "More information..."}));
        QCOMPARE(ui.chosenFormula->currentIndex(), 0);
        const auto *size = ui.randomSeqSize;
        QCOMPARE(QList<int>({size->minimum(), size->maximum(), size->value()}),
                 QList<int>({10, 25, 20}));
        QCOMPARE(ui.jumpStepNum->minimum(), 1);
        QCOMPARE(ui.playSpeed->width(), 321); // the playback speed's range
    }

    // The about text's palette sets Text, ButtonText and ToolTipText, solid, in
    // each group, and nothing else.
    void about_palette()
    {
        const QPalette p = ui.label_6->palette();
        QStringList set;
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            for (int role = 0; role < QPalette::NColorRoles; ++role)
                if (const QBrush brush = p.brush(group, QPalette::ColorRole(role));
                    p.isBrushSet(group, QPalette::ColorRole(role)))
                    set << QString::number(role) + (brush.style() == Qt::SolidPattern ? ':' : '?') +
                               brush.color().name();
        QCOMPARE(set.join(u' '), "6:#868686 8:#000000 19:#000000 6:#868686 8:#000000 19:#000000 "
                                 "6:#787878 8:#000000 19:#5f5f5f");
    }

    void radio_buttons_exclude()
    {
        ui.userDefineRadio->click();
        QVERIFY(!ui.randomGenRadio->isChecked() && ui.userDefineRadio->isChecked());
        ui.randomGenRadio->click();
        ui.randomGenRadio->click();
        QVERIFY(ui.randomGenRadio->isChecked() && !ui.userDefineRadio->isChecked());
    }

    void icon_data()
    {
        QTest::addColumn<bool>("present");
        QTest::newRow("no icon2.png in the parent directory") << false;
        QTest::newRow("icon2.png in the parent directory") << true;
    }

    // setupUi loads the icon relative to the working directory; without it the
    // form is complete all the same.
    void icon()
    {
        QFETCH(bool, present);
        QTemporaryDir root;
        QVERIFY(root.isValid() && QDir(root.path()).mkdir("run"));
        QVERIFY(!present || QFile::copy(QStringLiteral(VELLORA_ICON), root.filePath("icon2.png")));
        const auto back = qScopeGuard([saved = QDir::currentPath()] { QDir::setCurrent(saved); });
        QVERIFY(QDir::setCurrent(root.filePath("run")));
        QMainWindow window;
        Ui_MainWindow form{};
        form.setupUi(&window);
        QCOMPARE(window.windowIcon().pixmap(32, 32).isNull(), !present);
        for (const QString &m : members)
            QVERIFY(window.findChild<QWidget *>(m.section(u':', 0, 0)));
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
