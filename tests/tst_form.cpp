// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// The window form: every control's name, class and parent in member order, the
// texts the window relies on, the about text's palette, the excluding radio
// buttons, and how the form copes with a missing window icon.
#include "ui_mainwindow.h"

#include <QtTest>

#include <iterator>
#include <memory>

namespace
{

// Every member of Ui_MainWindow, in declaration order, with its class.
const char *const members[][2] = {
    {"centralWidget", "QWidget"},
    {"chosenFormula", "QComboBox"},
    {"label", "QLabel"},
    {"randomGenRadio", "QRadioButton"},
    {"userDefineRadio", "QRadioButton"},
    {"label_2", "QLabel"},
    {"randomSeqSize", "QSlider"},
    {"seqPropsTitle", "QLabel"},
    {"minLabel", "QLabel"},
    {"maxLabel", "QLabel"},
    {"applyButton", "QPushButton"},
    {"label_6", "QLabel"},
    {"sortStatus", "QTextBrowser"},
    {"prevStep", "QPushButton"},
    {"nextStep", "QPushButton"},
    {"prevSubseq", "QPushButton"},
    {"nextSubseq", "QPushButton"},
    {"firstSlide", "QPushButton"},
    {"lastSlide", "QPushButton"},
    {"Canvas", "QGraphicsView"},
    {"playSpeed", "QSlider"},
    {"label_7", "QLabel"},
    {"playButton", "QPushButton"},
    {"userDefLine", "QLineEdit"},
    {"label_3", "QLabel"},
    {"jumpButton", "QPushButton"},
    {"jumpStepNum", "QSpinBox"},
};

// Nothing but these members: no layout, menu, tool or status bar, dock or other control.
static_assert(sizeof(Ui_MainWindow) == std::size(members) * sizeof(QWidget *));

QWidget *member(const Ui_MainWindow &ui, int index)
{
    return reinterpret_cast<QWidget *const *>(&ui)[index];
}

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
        for (int i = 0; i < int(std::size(members)); ++i) {
            QWidget *w = member(ui, i);
            QCOMPARE(win->findChildren<QWidget *>(members[i][0]), QList<QWidget *>{w});
            QCOMPARE(w->metaObject()->className(), members[i][1]);
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
                                     "More information..."}));
        QCOMPARE(ui.chosenFormula->currentIndex(), 0);
        const auto *size = ui.randomSeqSize;
        QCOMPARE(QList<int>({size->minimum(), size->maximum(), size->value()}),
                 QList<int>({10, 25, 20}));
        QCOMPARE(ui.jumpStepNum->minimum(), 1);
        QCOMPARE(ui.playSpeed->width(), 321); // the playback speed's range
        QCOMPARE(ui.label->text(), QString("Calculate gap sizes \naccording to:"));
        QCOMPARE(ui.seqPropsTitle->text(), QString("Size of the sequence: 20"));
    }

    // The about text's palette sets Text, ButtonText and ToolTipText in each group, nothing else.
    void about_palette()
    {
        const QPalette p = ui.label_6->palette();
        const QList set{QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText};
        QList<QColor> colours;
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            for (int role = 0; role < QPalette::NColorRoles; ++role)
                QCOMPARE(p.isBrushSet(group, QPalette::ColorRole(role)),
                         set.contains(QPalette::ColorRole(role)));
            for (auto role : set) {
                QCOMPARE(p.brush(group, role).style(), Qt::SolidPattern);
                colours << p.color(group, role);
            }
        }
        const QColor grey(134, 134, 134), black(0, 0, 0);
        QCOMPARE(colours, QList<QColor>({grey, black, black, grey, black, black,
                                         QColor(120, 120, 120), black, QColor(95, 95, 95)}));
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
        for (const auto &m : members)
            QVERIFY2(window.findChild<QWidget *>(m[0]), m[0]);
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
