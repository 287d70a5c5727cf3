// The window form: every control's class, name, place, texts and properties, the
// order of the form's members, and how the form copes with the window icon.
#include "ui_mainwindow.h"

#include <QtTest>

#include <cstddef>
#include <iterator>
#include <memory>

namespace
{

struct Control {
    // props: "property=value;...", each value as QVariant::toString() gives it
    const char *tag, *name, *className, *props;
    QRect geometry;     // empty: not fixed by the form
    std::size_t offset; // of the member in Ui_MainWindow
    QWidget *(*member)(const Ui_MainWindow &);
};

#define CONTROL(tag, m, cls, x, y, w, h, props)                                                    \
    {                                                                                              \
        tag, #m, #cls, props, QRect(x, y, w, h), offsetof(Ui_MainWindow, m),                       \
            [](const Ui_MainWindow &ui) -> QWidget * { return ui.m; }                              \
    }

// Every member of Ui_MainWindow, in declaration order.
const Control formControls[] = {
    CONTROL("central widget", centralWidget, QWidget, 0, 0, 0, 0, ""),
    CONTROL("formula combo box", chosenFormula, QComboBox, 100, 332, 121, 22,
            "currentText=Shell's formula;currentIndex=0"),
    CONTROL("formula caption (blank before the break)", label, QLabel, 5, 327, 91, 31,
            "text=Calculate gap sizes \naccording to:"),
    CONTROL("random radio", randomGenRadio, QRadioButton, 100, 365, 131, 21,
            "text=Generate it randomly;checked=true"),
    CONTROL("user-defined radio", userDefineRadio, QRadioButton, 100, 385, 82, 17,
            "text=Apply yours;checked=false"),
    CONTROL("source caption", label_2, QLabel, 5, 368, 91, 31, "text=How to define a\nsequence:"),
    CONTROL("size slider", randomSeqSize, QSlider, 240, 347, 231, 19,
            "minimum=10;maximum=25;value=20;singleStep=1;orientation=Horizontal;"
            "tickPosition=TicksBelow;tickInterval=1"),
    CONTROL("size title", seqPropsTitle, QLabel, 240, 327, 231, 20,
            "text=Size of the sequence: 20;alignment=AlignCenter"),
    CONTROL("size minimum label", minLabel, QLabel, 239, 367, 16, 16, "text=10"),
    CONTROL("size maximum label", maxLabel, QLabel, 460, 367, 16, 16, "text=25"),
    CONTROL("apply button", applyButton, QPushButton, 240, 382, 231, 23, "text=Apply!"),
    CONTROL("about text", label_6, QLabel, 480, 340, 191, 61,
            "text=Vellora\n\nThis program was written by\nVellora contributors;"
            "alignment=AlignCenter"),
    CONTROL("status panel", sortStatus, QTextBrowser, 5, 220, 466, 75, "plainText="),
    CONTROL("previous step", prevStep, QPushButton, 480, 220, 91, 23, "text=<< Prev. step"),
    CONTROL("next step", nextStep, QPushButton, 580, 220, 91, 23, "text=Next step >>"),
    CONTROL("previous subseq.", prevSubseq, QPushButton, 480, 245, 91, 23, "text=<< Prev. subseq."),
    CONTROL("next subsequence", nextSubseq, QPushButton, 580, 245, 91, 23, "text=Next subseq. >>"),
    CONTROL("first slide", firstSlide, QPushButton, 480, 270, 91, 23, "text=First slide"),
    CONTROL("last slide", lastSlide, QPushButton, 580, 270, 91, 23, "text=Last slide"),
    CONTROL("canvas", Canvas, QGraphicsView, 0, 0, 678, 211, ""),
    CONTROL("speed slider (default range)", playSpeed, QSlider, 50, 300, 321, 20,
            "orientation=Horizontal;minimum=0;maximum=99"),
    CONTROL("speed caption", label_7, QLabel, 10, 300, 46, 13, "text=Speed:"),
    CONTROL("play button", playButton, QPushButton, 380, 298, 91, 23, "text=Play"),
    CONTROL("sequence entry", userDefLine, QLineEdit, 240, 350, 231, 20,
            "text=;inputMethodHints=ImhPreferNumbers"),
    CONTROL("step caption", label_3, QLabel, 480, 300, 41, 20, "text=Step #:"),
    CONTROL("jump button", jumpButton, QPushButton, 580, 298, 91, 23, "text=Jump"),
    CONTROL("step number", jumpStepNum, QSpinBox, 520, 300, 51, 22, "minimum=1;value=1"),
};

// Nothing but these members: no layout, menu, tool or status bar, dock or other control.
static_assert(sizeof(Ui_MainWindow) == std::size(formControls) * sizeof(QWidget *));

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

    std::unique_ptr<QMainWindow> win;
    Ui_MainWindow ui{};

private slots:
    void init() { ui.setupUi((win = std::make_unique<QMainWindow>()).get()); }

    void controls_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(formControls)); ++i)
            QTest::newRow(formControls[i].tag) << i;
    }

    void controls()
    {
        QFETCH(int, index);
        const Control &c = formControls[index];
        QWidget *w = c.member(ui);
        QCOMPARE(win->findChildren<QWidget *>(c.name), QList<QWidget *>{w});
        QCOMPARE(c.offset, index * sizeof(QWidget *));
        QCOMPARE(w->metaObject()->className(), c.className);
        QCOMPARE(w->parentWidget(), index ? ui.centralWidget : static_cast<QWidget *>(win.get()));
        // Made in declaration order, so later controls lie above earlier ones.
        QCOMPARE(ui.centralWidget->children().indexOf(w), index - 1);
        if (!c.geometry.isEmpty())
            QCOMPARE(w->geometry(), c.geometry);
        for (const QString &expected : QString(c.props).split(';', Qt::SkipEmptyParts)) {
            const QString name = expected.section('=', 0, 0);
            QCOMPARE(name + '=' + w->property(name.toLatin1()).toString(), expected);
        }
        QCOMPARE(w->isEnabled(), w != ui.label_6); // nothing else starts disabled
        QVERIFY(w->isVisibleTo(win.get()));
    }

    void window()
    {
        QCOMPARE(win->objectName(), QString("MainWindow"));
        QCOMPARE(win->windowTitle(), QString("Vellora"));
        QCOMPARE(win->size(), QSize(678, 412));
        QVERIFY(win->documentMode());
        QStringList items;
        for (int i = 0; i < ui.chosenFormula->count(); ++i)
            items << ui.chosenFormula->itemText(i);
        QCOMPARE(items, QStringList({"Shell's formula", "Hibbard's formula", "Sedgewick's formula",
                                     "Pratt's formula", "Fibonacci sequence", "Knuth formula",
                                     "More information..."}));
    }

    // The about text's palette sets Text, ButtonText and ToolTipText in each group, nothing else.
    void aboutPalette()
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

    void radioButtonsExclude()
    {
        const auto click = [&](QRadioButton *radio, bool random) {
            radio->click();
            return ui.randomGenRadio->isChecked() == random &&
                   ui.userDefineRadio->isChecked() == !random;
        };
        QVERIFY2(click(ui.userDefineRadio, false), "choosing yours unchecks random");
        QVERIFY2(click(ui.randomGenRadio, true), "choosing random again unchecks yours");
        QVERIFY2(click(ui.randomGenRadio, true), "clicking the checked one keeps it");
    }

    void icon_data()
    {
        QTest::addColumn<bool>("present");
        QTest::newRow("no icon2.png in the parent directory") << false;
        QTest::newRow("icon2.png in the parent directory") << true;
    }

    // setupUi loads the icon relative to the working directory.
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
        const QIcon icon = window.windowIcon();
        QCOMPARE(icon.availableSizes().contains(QSize(128, 128)), present);
        QCOMPARE(icon.pixmap(32, 32).isNull(), !present);
        // With or without the picture the form is complete.
        for (const Control &c : formControls)
            QVERIFY2(c.member(form) && c.member(form)->objectName() == c.name, c.name);
        QCOMPARE(window.windowTitle(), QString("Vellora"));
    }

    void screenshot()
    {
        const QString dir = qEnvironmentVariable("VELLORA_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("set VELLORA_SCREENSHOT_DIR to save a picture of the bare form");
        win->show();
        QVERIFY(QTest::qWaitForWindowExposed(win.get()));
        QVERIFY2(win->grab().save(QDir(dir).filePath("form.png")), qPrintable(dir));
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
