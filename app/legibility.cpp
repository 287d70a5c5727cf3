// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "legibility.h"

#include "gaps.h"
#include "mainwindow.h"
#include "predict.h"
#include "ui_mainwindow.h"
#include "visualizer.h"
#include "words.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMainWindow>
#include <QPainterPath>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>
#include <QtMath>

#include <optional>

namespace
{

// The widest step number the step box must show: traces of the longest
// sequences run to tens of thousands of steps.
const QString widest_step = QStringLiteral("99999");

// The narrow family to fall back on, and the smallest size worth reading.
// Narrow cuts of common families, the first the package brings along.
const char *const narrow_families[] = {"DejaVu Sans Condensed", "Liberation Sans Narrow",
                                       "Noto Sans Condensed"};
constexpr qreal smallest_points = 8;

TextFit across(const QWidget *w, const QString &text, int available)
{
    return {w->objectName(), text, w->fontMetrics().horizontalAdvance(text), available};
}

// A label shows each line of its text within its contents rectangle; two
// entries, one across and one down. Down, what counts is the ink of the
// first and last lines, centred as the label centres its text.
void measure_label(const QLabel *label, const QString &text, QList<TextFit> *fits)
{
    const QFontMetricsF fm(label->font());
    const QSizeF block = fm.size(0, text);
    const QStringList lines = text.split(u'\n');
    // The glyphs' outlines, which do not depend on the screen's pixel ratio
    // as the font metrics' tight rectangles do.
    const auto ink = [&label](const QString &line) {
        QPainterPath path;
        path.addText(0, 0, label->font(), line);
        return path.boundingRect();
    };
    const QRectF first = ink(lines.first());
    const QRectF last = lines.size() == 1 ? first : ink(lines.last());
    const qreal ink_top = fm.ascent() + first.top();
    const qreal ink_bottom = (lines.size() - 1) * fm.lineSpacing() + fm.ascent() + last.bottom();
    const qreal half = qMax(block.height() / 2 - ink_top, ink_bottom - block.height() / 2);
    const QRect room = label->contentsRect();
    fits->append({label->objectName(), text, qCeil(block.width()), room.width()});
    fits->append({label->objectName(), text, qCeil(2 * half), room.height()});
}

int button_room(const QAbstractButton *button, QStyle::SubElement element)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(element, &option, button).width();
}

int combo_room(const QComboBox *combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    // The label is drawn one pixel in from each side of the field.
    return field.width() - 2;
}

int spin_box_room(const QSpinBox *spin)
{
    QStyleOptionSpinBox option;
    option.initFrom(spin);
    option.frame = spin->hasFrame();
    option.buttonSymbols = spin->buttonSymbols();
    option.subControls = QStyle::SC_SpinBoxEditField | QStyle::SC_SpinBoxUp |
                         QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame;
    const QRect editor = spin->style()->subControlRect(QStyle::CC_SpinBox, &option,
                                                       QStyle::SC_SpinBoxEditField, spin);
    // The editor is a frameless line edit, which keeps two pixels clear on
    // each side of its text.
    return editor.width() - 4;
}

// Every sentence kind, with the largest numbers a trace can hold, followed by
// the counters of the longest traces.
QStringList status_texts()
{
    Visualizer vis(nullptr, nullptr, nullptr, shell_gaps,
                   {2147483647, 2147483646, 2147483647, 2147483647, 2147483646});
    vis.build_trace();
    QStringList texts;
    for (const TraceStep &step : vis.steps)
        texts << step_words(step.text, 40936, 40936, 2147483647, 2147483646).text();
    texts << step_words(QStringLiteral("Now we are going to work with a subsequence starting "
                                       "from element 1000."),
                        40936, 40936, 2147483647, 2147483646)
                 .text();
    // The predict mode's question and verdicts.
    QStringList predicted = {Predictor::question(2147483647, 2147483646, 999)};
    for (const TraceStep &step : vis.steps)
        if (step.pos_b != -1)
            predicted << Predictor::verdict(Predictor::Wrong, step.text, 40000, 40000);
    for (const QString &sentence : predicted)
        texts << step_words(sentence, 40936, 40936, 2147483647, 2147483646).text();
    return texts;
}

void measure_status(const QTextBrowser *status, QList<TextFit> *fits)
{
    // Without a vertical scroll bar the text has the whole viewport.
    const QRect room = status->contentsRect();
    QTextDocument document;
    document.setDefaultFont(status->font());
    document.setDocumentMargin(status->document()->documentMargin());
    for (const QString &text : status_texts()) {
        document.setPlainText(text);
        document.setTextWidth(room.width());
        fits->append({status->objectName(), text,
                      qCeil(document.documentLayout()->documentSize().height()), room.height()});
    }
}

bool fits_at(QWidget *probe, const Ui_MainWindow &ui, const QFont &font)
{
    probe->setFont(font);
    return clipped_controls(ui).isEmpty();
}

} // namespace

QList<TextFit> measure_texts(const Ui_MainWindow &ui)
{
    QList<TextFit> fits;
    for (const QLabel *label :
         {ui.label, ui.label_2, ui.minLabel, ui.maxLabel, ui.label_6, ui.label_7, ui.label_3})
        measure_label(label, label->text(), &fits);
    for (const QString &caption : {MainWindow::size_caption(25), MainWindow::typed_caption()})
        measure_label(ui.seqPropsTitle, caption, &fits);

    for (const QPushButton *button :
         {ui.applyButton, ui.prevStep, ui.nextStep, ui.prevSubseq, ui.nextSubseq, ui.firstSlide,
          ui.lastSlide, ui.playButton, ui.jumpButton})
        fits << across(button, button->text(), button_room(button, QStyle::SE_PushButtonContents));
    // Play reads Stop while playing.
    fits << across(ui.playButton, QCoreApplication::translate("MainWindow", "Stop"),
                   button_room(ui.playButton, QStyle::SE_PushButtonContents));
    for (const QRadioButton *radio : {ui.randomGenRadio, ui.userDefineRadio})
        fits << across(radio, radio->text(), button_room(radio, QStyle::SE_RadioButtonContents));

    const QComboBox *formulas = ui.chosenFormula;
    QString widest;
    for (int i = 0; i < formulas->count(); ++i)
        if (formulas->fontMetrics().horizontalAdvance(formulas->itemText(i)) >
            formulas->fontMetrics().horizontalAdvance(widest))
            widest = formulas->itemText(i);
    fits << across(formulas, widest, combo_room(formulas));

    fits << across(ui.jumpStepNum, widest_step, spin_box_room(ui.jumpStepNum));
    measure_status(ui.sortStatus, &fits);
    return fits;
}

QStringList clipped_controls(const Ui_MainWindow &ui)
{
    QStringList clipped;
    for (const TextFit &fit : measure_texts(ui))
        if (fit.needed > fit.available && !clipped.contains(fit.control))
            clipped << fit.control;
    return clipped;
}

namespace
{

qreal points(const QFont &font)
{
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    // A font set in pixels, at the usual 96 pixels an inch.
    return QFontInfo(font).pixelSize() * 72.0 / 96;
}

qreal scale_in_force = 1;

} // namespace

qreal text_scale(const QFont &desktop, const QRect &available)
{
    // The largest of the usual desktop sizes, and the size the form was made for.
    constexpr qreal usual = 11, made_for = 9;
    const qreal size = points(desktop);
    if (size <= usual)
        return 1;
    // Room for the window's frame and title bar.
    const qreal fits = qMin(available.width() / 690.0, available.height() / 450.0);
    return qMax<qreal>(1, qMin(size / made_for, fits));
}

qreal window_scale()
{
    return scale_in_force;
}

void set_window_scale(qreal scale)
{
    scale_in_force = scale;
}

void enlarge_form(Ui_MainWindow &ui, QMainWindow *window, qreal scale)
{
    if (scale == 1)
        return;
    const auto scaled = [scale](const QRect &r) {
        return QRect(qRound(r.x() * scale), qRound(r.y() * scale), qRound(r.width() * scale),
                     qRound(r.height() * scale));
    };
    for (QWidget *control :
         ui.centralWidget->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        control->setGeometry(scaled(control->geometry()));
    window->resize(scaled(QRect(QPoint(), window->size())).size());
}

QFont picture_font(const QFont &window, qreal scale)
{
    QFont font = window;
    if (scale != 1)
        font.setPointSizeF(points(window) / scale);
    return font;
}

QFont fitting_font(const QFont &desktop, qreal scale)
{
    QMainWindow probe;
    Ui_MainWindow ui;
    ui.setupUi(&probe);
    enlarge_form(ui, &probe, scale);

    // Sizes from the desktop's down to the smallest, in half points.
    const qreal start = desktop.pointSizeF() > 0 ? desktop.pointSizeF() : 10;
    const auto largest_fitting = [&](QFont font) -> std::optional<QFont> {
        for (qreal size = start; size >= smallest_points; size -= 0.5) {
            font.setPointSizeF(size);
            if (fits_at(&probe, ui, font))
                return font;
        }
        return std::nullopt;
    };
    if (const auto font = largest_fitting(desktop))
        return *font;
    for (const char *family : narrow_families) {
        if (!QFontDatabase::hasFamily(QLatin1String(family)))
            continue;
        QFont narrow = desktop;
        narrow.setFamilies({QLatin1String(family)});
        if (const auto font = largest_fitting(narrow))
            return *font;
    }
    // Nothing fits: the desktop's family at the smallest size worth reading.
    QFont smallest = desktop;
    smallest.setPointSizeF(smallest_points);
    return smallest;
}

void fit_in(QMainWindow *window, const QSize &room)
{
    const QSize full = window->size();
    if (full.width() <= room.width() && full.height() <= room.height()) {
        window->setFixedSize(full);
        return;
    }
    auto *scroll = new QScrollArea(window);
    scroll->setObjectName(QStringLiteral("formScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    QWidget *form = window->takeCentralWidget();
    form->setFixedSize(full);
    scroll->setWidget(form);
    window->setCentralWidget(scroll);
    // As large as the room allows, and never larger than the form.
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    window->setMinimumSize(QSize(200, 150).boundedTo(room));
    window->setMaximumSize(full + QSize(bar, bar));
    window->resize(full.boundedTo(room));
}

QSize available_room(const QScreen *screen)
{
    // A title bar and borders, as the common window managers draw them.
    constexpr QSize frame(8, 40);
    return screen != nullptr ? screen->availableGeometry().size() - frame
                             : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void place_over(QWidget *window, const QWidget *over)
{
    QScreen *screen = over->screen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    const QSize room = available_room(screen);
    window->resize(window->size().expandedTo(window->sizeHint()).boundedTo(room));
    QRect placed(QPoint(), window->size());
    placed.moveCenter(over->frameGeometry().center());
    // Inside the area, the frame's title bar included.
    const QSize frame = area.size() - room;
    placed.moveLeft(
        qBound(area.left(), placed.left(), area.right() - placed.width() - frame.width()));
    placed.moveTop(
        qBound(area.top() + frame.height(), placed.top(), area.bottom() - placed.height()));
    window->move(placed.topLeft() - QPoint(0, frame.height()));
}
