// The window form: every control's class, name, place, texts and properties, the
// order of the form's members, and how the form copes with the window icon.
#include "ui_mainwindow.h"

#include <QDockWidget>
#include <QFile>
#include <QMenuBar>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <functional>
#include <memory>

#ifndef VELLORA_ICON
#error "VELLORA_ICON must name the icon file that the build ships"
#endif

namespace
{

// One member of Ui_MainWindow: its name, the control it points at, and the member's address,
// which tells the declaration order.
struct Member {
    const char *name;
    QWidget *widget;
    const void *address;
};

Member member(const char *name, QWidget *widget, const void *address)
{
    return {name, widget, address};
}

#define VELLORA_MEMBER(m) member(#m, ui.m, &ui.m)

// In declaration order; the test checks that the addresses agree.
QList<Member> membersOf(const Ui_MainWindow &ui)
{
    return {VELLORA_MEMBER(centralWidget),   VELLORA_MEMBER(chosenFormula),
            VELLORA_MEMBER(label),           VELLORA_MEMBER(randomGenRadio),
            VELLORA_MEMBER(userDefineRadio), VELLORA_MEMBER(label_2),
            VELLORA_MEMBER(randomSeqSize),   VELLORA_MEMBER(seqPropsTitle),
            VELLORA_MEMBER(minLabel),        VELLORA_MEMBER(maxLabel),
            VELLORA_MEMBER(applyButton),     VELLORA_MEMBER(label_6),
            VELLORA_MEMBER(sortStatus),      VELLORA_MEMBER(prevStep),
            VELLORA_MEMBER(nextStep),        VELLORA_MEMBER(prevSubseq),
            VELLORA_MEMBER(nextSubseq),      VELLORA_MEMBER(firstSlide),
            VELLORA_MEMBER(lastSlide),       VELLORA_MEMBER(Canvas),
            VELLORA_MEMBER(playSpeed),       VELLORA_MEMBER(label_7),
            VELLORA_MEMBER(playButton),      VELLORA_MEMBER(userDefLine),
            VELLORA_MEMBER(label_3),         VELLORA_MEMBER(jumpButton),
            VELLORA_MEMBER(jumpStepNum)};
}

const QStringList expectedOrder = {
    "centralWidget", "chosenFormula", "label",         "randomGenRadio", "userDefineRadio",
    "label_2",       "randomSeqSize", "seqPropsTitle", "minLabel",       "maxLabel",
    "applyButton",   "label_6",       "sortStatus",    "prevStep",       "nextStep",
    "prevSubseq",    "nextSubseq",    "firstSlide",    "lastSlide",      "Canvas",
    "playSpeed",     "label_7",       "playButton",    "userDefLine",    "label_3",
    "jumpButton",    "jumpStepNum"};

QString textOf(const QWidget *w)
{
    if (auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->text();
    if (auto *line = qobject_cast<const QLineEdit *>(w))
        return line->text();
    if (auto *edit = qobject_cast<const QTextEdit *>(w))
        return edit->toPlainText();
    if (auto *combo = qobject_cast<const QComboBox *>(w))
        return combo->currentText();
    return QString();
}

// Builds the form on a bare window with the working directory set to `cwd` for the
// duration of setupUi, which is when the icon is loaded.
std::unique_ptr<QMainWindow> buildIn(const QString &cwd, Ui_MainWindow &ui)
{
    const QString saved = QDir::currentPath();
    const auto restore = qScopeGuard([&] { QDir::setCurrent(saved); });
    if (!QDir::setCurrent(cwd))
        return nullptr;
    auto window = std::make_unique<QMainWindow>();
    ui.setupUi(window.get());
    return window;
}

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void memberOrder();
    void window();
    void properties_data();
    void properties();
    void formulaList_data();
    void formulaList();
    void aboutPalette_data();
    void aboutPalette();
    void radioButtonsExclude_data();
    void radioButtonsExclude();
    void icon_data();
    void icon();
    void screenshot();

private:
    std::unique_ptr<QMainWindow> win;
    Ui_MainWindow ui{};
};

void TestForm::init()
{
    win = std::make_unique<QMainWindow>();
    ui.setupUi(win.get());
}

void TestForm::cleanup()
{
    win.reset();
    ui = Ui_MainWindow{};
}

void TestForm::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("geometry"); // null: not fixed by the form
    QTest::addColumn<QString>("text");

    const QString c = "centralWidget";
    QTest::newRow("central widget")
        << c << QByteArray("QWidget") << "MainWindow" << QRect() << QString();
    QTest::newRow("formula combo box") << "chosenFormula" << QByteArray("QComboBox") << c
                                       << QRect(100, 332, 121, 22) << "Shell's formula";
    QTest::newRow("formula caption (blank before the break)")
        << "label" << QByteArray("QLabel") << c << QRect(5, 327, 91, 31)
        << "Calculate gap sizes \naccording to:";
    QTest::newRow("random radio") << "randomGenRadio" << QByteArray("QRadioButton") << c
                                  << QRect(100, 365, 131, 21) << "Generate it randomly";
    QTest::newRow("user-defined radio") << "userDefineRadio" << QByteArray("QRadioButton") << c
                                        << QRect(100, 385, 82, 17) << "Apply yours";
    QTest::newRow("definition caption") << "label_2" << QByteArray("QLabel") << c
                                        << QRect(5, 368, 91, 31) << "How to define a\nsequence:";
    QTest::newRow("size slider") << "randomSeqSize" << QByteArray("QSlider") << c
                                 << QRect(240, 347, 231, 19) << QString();
    QTest::newRow("size title") << "seqPropsTitle" << QByteArray("QLabel") << c
                                << QRect(240, 327, 231, 20) << "Size of the sequence: 20";
    QTest::newRow("size minimum label")
        << "minLabel" << QByteArray("QLabel") << c << QRect(239, 367, 16, 16) << "10";
    QTest::newRow("size maximum label")
        << "maxLabel" << QByteArray("QLabel") << c << QRect(460, 367, 16, 16) << "25";
    QTest::newRow("apply button") << "applyButton" << QByteArray("QPushButton") << c
                                  << QRect(240, 382, 231, 23) << "Apply!";
    QTest::newRow("about text") << "label_6" << QByteArray("QLabel") << c
                                << QRect(480, 340, 191, 61)
                                << "Vellora\n\nThis program was written by\nVellora contributors";
    QTest::newRow("status panel") << "sortStatus" << QByteArray("QTextBrowser") << c
                                  << QRect(5, 220, 466, 75) << QString();
    QTest::newRow("previous step") << "prevStep" << QByteArray("QPushButton") << c
                                   << QRect(480, 220, 91, 23) << "<< Prev. step";
    QTest::newRow("next step") << "nextStep" << QByteArray("QPushButton") << c
                               << QRect(580, 220, 91, 23) << "Next step >>";
    QTest::newRow("previous subsequence") << "prevSubseq" << QByteArray("QPushButton") << c
                                          << QRect(480, 245, 91, 23) << "<< Prev. subseq.";
    QTest::newRow("next subsequence") << "nextSubseq" << QByteArray("QPushButton") << c
                                      << QRect(580, 245, 91, 23) << "Next subseq. >>";
    QTest::newRow("first slide") << "firstSlide" << QByteArray("QPushButton") << c
                                 << QRect(480, 270, 91, 23) << "First slide";
    QTest::newRow("last slide") << "lastSlide" << QByteArray("QPushButton") << c
                                << QRect(580, 270, 91, 23) << "Last slide";
    QTest::newRow("canvas") << "Canvas" << QByteArray("QGraphicsView") << c << QRect(0, 0, 678, 211)
                            << QString();
    QTest::newRow("speed slider") << "playSpeed" << QByteArray("QSlider") << c
                                  << QRect(50, 300, 321, 20) << QString();
    QTest::newRow("speed caption")
        << "label_7" << QByteArray("QLabel") << c << QRect(10, 300, 46, 13) << "Speed:";
    QTest::newRow("play button") << "playButton" << QByteArray("QPushButton") << c
                                 << QRect(380, 298, 91, 23) << "Play";
    QTest::newRow("sequence entry")
        << "userDefLine" << QByteArray("QLineEdit") << c << QRect(240, 350, 231, 20) << QString();
    QTest::newRow("step caption") << "label_3" << QByteArray("QLabel") << c
                                  << QRect(480, 300, 41, 20) << "Step #:";
    QTest::newRow("jump button") << "jumpButton" << QByteArray("QPushButton") << c
                                 << QRect(580, 298, 91, 23) << "Jump";
    QTest::newRow("step number") << "jumpStepNum" << QByteArray("QSpinBox") << c
                                 << QRect(520, 300, 51, 22) << QString();
}

void TestForm::controls()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, className);
    QFETCH(QString, parentName);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);

    const auto widgets = win->findChildren<QWidget *>(name);
    QCOMPARE(widgets.size(), 1);
    QWidget *w = widgets.first();
    QCOMPARE(QByteArray(w->metaObject()->className()), className);
    QVERIFY(w->parent());
    QCOMPARE(w->parent()->objectName(), parentName);
    if (!geometry.isNull())
        QCOMPARE(w->geometry(), geometry);
    QCOMPARE(textOf(w), text);
    // Only the about text starts disabled; nothing is hidden by the form itself.
    QCOMPARE(w->isEnabled(), name != "label_6");
    QVERIFY(w->isVisibleTo(win.get()));
}

void TestForm::memberOrder()
{
    // Nothing but the 27 pointers.
    QCOMPARE(sizeof(Ui_MainWindow), 27 * sizeof(QWidget *));

    const QList<Member> members = membersOf(ui);
    QStringList names;
    for (int i = 0; i < members.size(); ++i) {
        const Member &m = members[i];
        QVERIFY2(m.widget, m.name);
        QCOMPARE(m.widget->objectName(), QString::fromLatin1(m.name));
        if (i > 0)
            QVERIFY2(std::less<const void *>()(members[i - 1].address, m.address), m.name);
        names << m.widget->objectName();
    }
    QCOMPARE(names, expectedOrder);

    // Creation order shows in the central widget's list of children (and in the stacking:
    // userDefLine, made after randomSeqSize, lies above it).
    QStringList created;
    for (QObject *child : ui.centralWidget->children())
        created << child->objectName();
    QCOMPARE(created, expectedOrder.mid(1));
}

void TestForm::window()
{
    QCOMPARE(win->objectName(), QString("MainWindow"));
    QCOMPARE(win->windowTitle(), QString("Vellora"));
    QCOMPARE(win->size(), QSize(678, 412));
    QVERIFY(win->documentMode());
    QCOMPARE(win->centralWidget(), ui.centralWidget);
    QCOMPARE(ui.centralWidget->windowType(), Qt::Widget);
    QVERIFY(!ui.centralWidget->layout());
    QVERIFY(win->findChildren<QMenuBar *>().isEmpty());
    QVERIFY(win->findChildren<QToolBar *>().isEmpty());
    QVERIFY(win->findChildren<QStatusBar *>().isEmpty());
    QVERIFY(win->findChildren<QDockWidget *>().isEmpty());
}

void TestForm::properties_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("expected");

    const auto row = [](const char *tag, const char *name, const char *property,
                        const QVariant &value) {
        QTest::newRow(tag) << QString(name) << QByteArray(property) << value;
    };
    row("size slider minimum", "randomSeqSize", "minimum", 10);
    row("size slider maximum", "randomSeqSize", "maximum", 25);
    row("size slider value", "randomSeqSize", "value", 20);
    row("size slider single step", "randomSeqSize", "singleStep", 1);
    row("size slider orientation", "randomSeqSize", "orientation",
        QVariant::fromValue(Qt::Horizontal));
    row("size slider ticks", "randomSeqSize", "tickPosition",
        QVariant::fromValue(QSlider::TicksBelow));
    row("size slider tick interval", "randomSeqSize", "tickInterval", 1);
    row("size title alignment", "seqPropsTitle", "alignment",
        QVariant::fromValue(Qt::Alignment(Qt::AlignCenter)));
    row("about text alignment", "label_6", "alignment",
        QVariant::fromValue(Qt::Alignment(Qt::AlignCenter)));
    row("about text disabled", "label_6", "enabled", false);
    row("speed slider orientation", "playSpeed", "orientation",
        QVariant::fromValue(Qt::Horizontal));
    row("speed slider default minimum", "playSpeed", "minimum", 0);
    row("speed slider default maximum", "playSpeed", "maximum", 99);
    row("step number minimum", "jumpStepNum", "minimum", 1);
    row("step number starts at 1", "jumpStepNum", "value", 1);
    row("sequence entry enabled", "userDefLine", "enabled", true);
    row("sequence entry prefers numbers", "userDefLine", "inputMethodHints",
        QVariant::fromValue(Qt::InputMethodHints(Qt::ImhPreferNumbers)));
    row("random radio checked", "randomGenRadio", "checked", true);
    row("user-defined radio unchecked", "userDefineRadio", "checked", false);
    row("radios auto-exclusive", "userDefineRadio", "autoExclusive", true);
}

void TestForm::properties()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, expected);

    auto *w = win->findChild<QWidget *>(name);
    QVERIFY(w);
    const QVariant actual = w->property(property.constData());
    QVERIFY2(actual.isValid(), property.constData());
    QCOMPARE(actual, expected);
}

void TestForm::formulaList_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");

    const QStringList items = {"Shell's formula",    "Hibbard's formula",  "Sedgewick's formula",
                               "Pratt's formula",    "Fibonacci sequence", "Knuth formula",
                               "More information..."};
    for (int i = 0; i < items.size(); ++i)
        QTest::addRow("%d: %s", i, qPrintable(items[i])) << i << items[i];
}

void TestForm::formulaList()
{
    QFETCH(int, index);
    QFETCH(QString, text);

    QCOMPARE(ui.chosenFormula->count(), 7);
    QCOMPARE(ui.chosenFormula->currentIndex(), 0);
    QCOMPARE(ui.chosenFormula->itemText(index), text);

    // Re-running the texts replaces the list rather than appending to it.
    ui.retranslateUi(win.get());
    QCOMPARE(ui.chosenFormula->count(), 7);
    QCOMPARE(ui.chosenFormula->itemText(index), text);
}

void TestForm::aboutPalette_data()
{
    QTest::addColumn<QPalette::ColorGroup>("group");
    QTest::addColumn<QPalette::ColorRole>("role");
    QTest::addColumn<QColor>("colour");

    const QColor grey(134, 134, 134);
    const QColor black(0, 0, 0);
    QTest::newRow("active text") << QPalette::Active << QPalette::Text << grey;
    QTest::newRow("active button text") << QPalette::Active << QPalette::ButtonText << black;
    QTest::newRow("active tool tip text") << QPalette::Active << QPalette::ToolTipText << black;
    QTest::newRow("inactive text") << QPalette::Inactive << QPalette::Text << grey;
    QTest::newRow("inactive button text") << QPalette::Inactive << QPalette::ButtonText << black;
    QTest::newRow("inactive tool tip text") << QPalette::Inactive << QPalette::ToolTipText << black;
    QTest::newRow("disabled text") << QPalette::Disabled << QPalette::Text << QColor(120, 120, 120);
    QTest::newRow("disabled button text") << QPalette::Disabled << QPalette::ButtonText << black;
    QTest::newRow("disabled tool tip text")
        << QPalette::Disabled << QPalette::ToolTipText << QColor(95, 95, 95);
}

void TestForm::aboutPalette()
{
    QFETCH(QPalette::ColorGroup, group);
    QFETCH(QPalette::ColorRole, role);
    QFETCH(QColor, colour);

    const QPalette palette = ui.label_6->palette();
    QVERIFY(palette.isBrushSet(group, role));
    const QBrush brush = palette.brush(group, role);
    QCOMPARE(brush.style(), Qt::SolidPattern);
    QCOMPARE(brush.color(), colour);
    QCOMPARE(brush.color().alpha(), 255);

    // Roles the form leaves alone are inherited.
    QVERIFY(!palette.isBrushSet(group, QPalette::WindowText));
    QCOMPARE(palette.brush(group, QPalette::Window),
             ui.centralWidget->palette().brush(group, QPalette::Window));
}

void TestForm::radioButtonsExclude_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("checked");

    QTest::newRow("choosing yours unchecks random")
        << QStringList{"userDefineRadio"} << "userDefineRadio";
    QTest::newRow("choosing random again unchecks yours")
        << QStringList{"userDefineRadio", "randomGenRadio"} << "randomGenRadio";
    QTest::newRow("clicking the checked one keeps it")
        << QStringList{"randomGenRadio"} << "randomGenRadio";
}

void TestForm::radioButtonsExclude()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, checked);

    win->show();
    QVERIFY(QTest::qWaitForWindowExposed(win.get()));
    for (const QString &name : clicks) {
        auto *radio = win->findChild<QRadioButton *>(name);
        QVERIFY(radio);
        QTest::mouseClick(radio, Qt::LeftButton);
    }
    QCOMPARE(ui.randomGenRadio->isChecked(), checked == "randomGenRadio");
    QCOMPARE(ui.userDefineRadio->isChecked(), checked == "userDefineRadio");
}

void TestForm::icon_data()
{
    QTest::addColumn<bool>("present");

    QTest::newRow("no icon2.png in the parent directory") << false;
    QTest::newRow("icon2.png in the parent directory") << true;
}

void TestForm::icon()
{
    QFETCH(bool, present);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    QVERIFY(QDir(root.path()).mkdir("run"));
    if (present)
        QVERIFY(QFile::copy(QStringLiteral(VELLORA_ICON), root.filePath("icon2.png")));

    Ui_MainWindow form{};
    const auto window = buildIn(root.filePath("run"), form);
    QVERIFY(window);

    const QIcon icon = window->windowIcon();
    if (present) {
        QVERIFY(!icon.isNull());
        QVERIFY(icon.availableSizes().contains(QSize(128, 128)));
        QVERIFY(!icon.pixmap(32, 32).isNull());
    } else {
        QVERIFY(icon.isNull() || icon.availableSizes().isEmpty());
    }

    // With or without the picture the form is complete.
    for (const Member &m : membersOf(form)) {
        QVERIFY2(m.widget, m.name);
        QCOMPARE(m.widget->objectName(), QString::fromLatin1(m.name));
    }
    QCOMPARE(window->windowTitle(), QString("Vellora"));
}

void TestForm::screenshot()
{
    const QString dir = qEnvironmentVariable("VELLORA_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set VELLORA_SCREENSHOT_DIR to save a picture of the bare form");

    win->show();
    QVERIFY(QTest::qWaitForWindowExposed(win.get()));
    const QString file = QDir(dir).filePath("form.png");
    QVERIFY2(win->grab().save(file), qPrintable(file));
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
