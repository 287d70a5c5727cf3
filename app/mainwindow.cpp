// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "mainwindow.h"

#include "access/accessibility.h"
#include "access/screen_reader.h"
#include "classroom.h"
#include "dialogs.h"
#include "formulas.h"
#include "keyboard.h"
#include "legibility.h"
#include "paneview.h"
#include "sequence_input.h"
#include "sleeper.h"
#include "ui_mainwindow.h"
#include "visualizer.h"
#include "words.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QTextBrowser>
#include <QTimer>

#include <cstdlib>
#include <ctime>

void ensure_window_icon(QWidget *window)
{
    // An icon made from a missing file is not isNull(), but it draws nothing.
    if (!window->windowIcon().pixmap(QSize(32, 32)).isNull())
        return;
    QIcon icon = QIcon::fromTheme(QStringLiteral(VELLORA_APP_ID));
    if (icon.isNull())
        icon = QIcon(QStringLiteral(":/vellora/icon2.png"));
    QApplication::setWindowIcon(icon);
    window->setWindowIcon(icon);
}

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    Accessibility::install();
    ui = new Ui_MainWindow;
    ui->setupUi(this);
    enlarge_form(*ui, this, window_scale());

    ui->playSpeed->setMaximum(ui->playSpeed->width());
    ui->playSpeed->setValue(ui->playSpeed->maximum() * 9 / 10);

    ui->userDefLine->hide();

    setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    fit_in(this, available_room(screen()));

    auto *scene = new QGraphicsScene(ui->Canvas);
    if (window_scale() != 1) // the canvas's views draw it larger
        scene->setFont(picture_font(QApplication::font(), window_scale()));
    ui->Canvas->setScene(scene);

    playing = false;

    // The window writes the status panel itself, from the words it hands every view.
    vis = new Visualizer(this, scene, nullptr, shell_gaps, QVector<qint32>());
    access = new Accessibility(this, ui, vis);
    new Keyboard(this, ui);
    panes = new PaneView(vis, ui->Canvas, window_scale());
    classroom = new Classroom(this, ui, vis, panes);

    srand(unsigned(time(nullptr)));

    new_seq();

    cur_formula = 0;

    sleeper = new Sleeper(this);

    key_redraw = new QTimer(this);
    key_redraw->setSingleShot(true);
    key_redraw->setInterval(0);
    connect(key_redraw, &QTimer::timeout, this, &MainWindow::show_step);

    connect_controls();
    add_step_keys();
}

MainWindow::~MainWindow()
{
    delete ui;
}

// The controls to the slots, and the classroom to the window and to screen readers.
void MainWindow::connect_controls()
{
    connect(ui->chosenFormula, &QComboBox::currentIndexChanged, this, &MainWindow::set_stepgen);
    connect(ui->randomSeqSize, &QSlider::valueChanged, this, &MainWindow::display_size);
    connect(ui->applyButton, &QPushButton::clicked, this, &MainWindow::new_seq);
    connect(ui->randomGenRadio, &QRadioButton::clicked, this, &MainWindow::switch_to_random);
    connect(ui->userDefineRadio, &QRadioButton::clicked, this, &MainWindow::switch_to_manual);
    connect(ui->userDefLine, &QLineEdit::returnPressed, this, &MainWindow::new_seq);
    connect(ui->jumpStepNum->findChild<QLineEdit *>(), &QLineEdit::returnPressed, this,
            &MainWindow::jump);
    connect(ui->prevStep, &QPushButton::clicked, this, &MainWindow::step_back);
    connect(ui->nextStep, &QPushButton::clicked, this, &MainWindow::step_front);
    connect(ui->prevSubseq, &QPushButton::clicked, this, &MainWindow::prev_sub);
    connect(ui->nextSubseq, &QPushButton::clicked, this, &MainWindow::next_sub);
    connect(ui->firstSlide, &QPushButton::clicked, this, &MainWindow::first);
    connect(ui->lastSlide, &QPushButton::clicked, this, &MainWindow::last);
    connect(ui->jumpButton, &QPushButton::clicked, this, &MainWindow::jump);
    connect(ui->playButton, &QPushButton::clicked, this, &MainWindow::play);

    connect(classroom, &Classroom::sentence_changed, this, &MainWindow::show_step);
    connect(classroom, &Classroom::presentation_activated, access, &Accessibility::step_shown);
}

void MainWindow::add_step_keys()
{
    struct Binding {
        QList<QKeySequence> keys;
        void (MainWindow::*slot)();
    };
    const Binding bindings[] = {
        {{Qt::Key_PageDown, Qt::Key_Right}, &MainWindow::step_front},
        {{Qt::Key_PageUp, Qt::Key_Left}, &MainWindow::step_back},
        {{Qt::Key_Home}, &MainWindow::first},
        {{Qt::Key_End}, &MainWindow::last},
        {{Qt::CTRL | Qt::Key_Right}, &MainWindow::next_sub},
        {{Qt::CTRL | Qt::Key_Left}, &MainWindow::prev_sub},
    };
    for (const Binding &b : bindings) {
        const auto slot = b.slot;
        classroom->add_step_key(b.keys, [this, slot] {
            moving_by_key = true;
            (this->*slot)();
            moving_by_key = false;
        });
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A running playback or a window of the window's own, as the presentation,
    // would otherwise keep the program alive after the window is gone.
    playing = false;
    for (QWidget *window : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (window->isWindow())
            window->close();
    QMainWindow::closeEvent(event);
}

void MainWindow::set_stepgen(int num)
{
    if (num < 0) // an emptied list; the formula in force stays
        return;
    if (num < formula_count) {
        vis->stepgen = gap_generators[num];
        cur_formula = num;
        return;
    }
    ui->chosenFormula->setCurrentIndex(cur_formula);
    open_help_page();
}

QString MainWindow::size_caption(int val)
{
    return tr("Size of the sequence: ") + QChar(u'0' + val / 10) + QChar(u'0' + val % 10);
}

QString MainWindow::typed_caption()
{
    return tr("Please type in your sequence:");
}

void MainWindow::display_size(int val)
{
    ui->seqPropsTitle->setText(size_caption(val));
}

void MainWindow::switch_to_manual()
{
    ui->randomSeqSize->hide();
    ui->minLabel->hide();
    ui->maxLabel->hide();
    ui->userDefLine->show();
    ui->seqPropsTitle->setText(typed_caption());
}

void MainWindow::switch_to_random()
{
    ui->randomSeqSize->show();
    ui->minLabel->show();
    ui->maxLabel->show();
    ui->userDefLine->hide();
    display_size(ui->randomSeqSize->sliderPosition());
}

void MainWindow::new_seq()
{
    if (ui->randomGenRadio->isChecked()) {
        const int n = ui->randomSeqSize->sliderPosition();
        QVector<qint32> seq;
        seq.reserve(n);
        for (int i = 0; i < n; ++i)
            seq.append(rand() % n + 1);
        vis->seq = seq;
    } else {
        const QString text = ui->userDefLine->text();
        // A paste longer than the field was cut short by it: sorting what
        // arrived would silently sort another sequence.
        if (text.size() >= ui->userDefLine->maxLength()) {
            show_message_and_wait(QMessageBox::Critical, tr("Error"),
                                  tr("Your sequence is longer than the field can hold (%1 "
                                     "characters), so only its beginning arrived. At most "
                                     "%2 numbers can be sorted here.")
                                      .arg(ui->userDefLine->maxLength())
                                      .arg(max_sequence_length));
            return;
        }
        const SequenceScan scan = scan_sequence(text + u' ', PlainSeparators::Blank);
        switch (scan.error) {
        case SequenceScan::None:
            if (scan.odd_separators)
                show_message_and_wait(
                    QMessageBox::Information, tr("Input Warning"),
                    tr("Some incorrect symbols (not digits or spaces) were found in your "
                       "input. They will be interpreted as spaces."));
            vis->seq = scan.numbers;
            break;
        default:
            show_message_and_wait(QMessageBox::Critical, tr("Error"), scan_error_message(scan));
            return;
        }
    }

    vis->build_trace();
    emit trace_applied();
    ui->jumpStepNum->setMaximum(int(vis->steps.size()));
    draw_step();
    panes->centre();
    const QRectF rect = vis->scene->sceneRect();
    ui->Canvas->centerOn(rect.width() * 0.5, rect.height() * 0.5);
    ui->Canvas->show();
}

void MainWindow::redraw()
{
    if (moving_by_key)
        key_redraw->start();
    else
        show_step();
}

void MainWindow::settle()
{
    if (key_redraw->isActive())
        show_step();
}

void MainWindow::show_step()
{
    key_redraw->stop();
    draw_step();
    panes->follow();
    ui->Canvas->show();
}

// Draws the step on display with what the window adds to it: the question or
// verdict of the predict mode, which alone reaches the status panel so that
// nothing gives the answer away, the step box, the title and the score of the
// mode, the presentation following the step, and screen readers told of it.
void MainWindow::draw_step()
{
    const StepWords words = step_words(*vis, classroom->sentence());
    vis->render();
    ui->sortStatus->setPlainText(words.text());
    ui->jumpStepNum->setValue(vis->cur_step + 1);
    setWindowTitle(classroom->title());
    classroom->show_words(words);
    access->step_shown(words);
}

void MainWindow::step_to(int wh)
{
    vis->set_current_step(vis->cur_step + wh);
    redraw();
}

void MainWindow::step_back()
{
    step_to(-1);
}

void MainWindow::step_front()
{
    // A question of the predict mode is revealed before the trace moves on.
    if (classroom->reveal())
        return redraw();
    step_to(1);
}

void MainWindow::prev_sub()
{
    vis->jump_sub(false);
    redraw();
}

void MainWindow::next_sub()
{
    vis->jump_sub(true);
    redraw();
}

void MainWindow::first()
{
    vis->set_current_step(0);
    redraw();
}

void MainWindow::last()
{
    vis->set_current_step(int(vis->steps.size()) - 1);
    redraw();
}

void MainWindow::jump()
{
    vis->set_current_step(ui->jumpStepNum->value() - 1);
    redraw();
}

void MainWindow::set_playback_controls_enabled(bool enabled)
{
    const QList<QWidget *> disable_order = {
        ui->chosenFormula,   ui->randomSeqSize, ui->applyButton, ui->randomGenRadio,
        ui->userDefineRadio, ui->userDefLine,   ui->prevStep,    ui->nextStep,
        ui->prevSubseq,      ui->nextSubseq,    ui->firstSlide,  ui->lastSlide,
        ui->jumpButton,      ui->playSpeed,     ui->jumpStepNum};
    const QList<QWidget *> enable_order = {ui->jumpStepNum,     ui->playSpeed,   ui->chosenFormula,
                                           ui->randomSeqSize,   ui->applyButton, ui->randomGenRadio,
                                           ui->userDefineRadio, ui->userDefLine, ui->prevStep,
                                           ui->nextStep,        ui->prevSubseq,  ui->nextSubseq,
                                           ui->firstSlide,      ui->lastSlide,   ui->jumpButton};
    for (QWidget *w : enabled ? enable_order : disable_order)
        w->setEnabled(enabled);
    ui->playButton->setText(enabled ? tr("Play") : tr("Stop"));
    classroom->set_playing(!enabled);
}

qint32 MainWindow::playback_delay() const
{
    return playback_delay_ms(ui->playSpeed->value(), ui->playSpeed->maximum());
}

void MainWindow::play()
{
    if (playing) {
        playing = false;
        return;
    }
    set_playback_controls_enabled(false);
    playing = true;

    // A sleep left over from an earlier playback ends at once.
    sleeper->interrupt();
    sleeper->wait();
    // A screen reader is let finish the sentence of each step.
    const auto pause = [this] {
        return ScreenReader::instance()->pause_ms(playback_delay(),
                                                  step_words(*vis, classroom->sentence()).sentence);
    };
    sleeper->delay_ms = pause();
    sleeper->rearm();
    // The end of every sleep posts an event here, which wakes the loop below.
    const QMetaObject::Connection wake = connect(sleeper, &QThread::finished, this, [] {});
    sleeper->start(QThread::InheritPriority);

    const auto at_last_step = [this] { return vis->cur_step >= int(vis->steps.size()) - 1; };
    while (playing && !at_last_step()) {
        if (sleeper->isFinished()) {
            vis->set_current_step(vis->cur_step + 1);
            classroom->reveal(); // playback asks nothing
            redraw();
            sleeper->delay_ms = pause();
            sleeper->start(QThread::InheritPriority);
        }
        // Past the end there is nothing left to wait for.
        if (playing && !at_last_step())
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }

    sleeper->quit();
    sleeper->interrupt();
    disconnect(wake);
    playing = false;
    set_playback_controls_enabled(true);
}
