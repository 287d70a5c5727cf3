// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "classroom.h"

#include "compare.h"
#include "dialogs.h"
#include "examples.h"
#include "keys.h"
#include "legibility.h"
#include "mainwindow.h"
#include "paneview.h"
#include "picture.h"
#include "presentation.h"
#include "race.h"
#include "ui_mainwindow.h"
#include "visualizer.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QRandomGenerator>
#include <QScreen>

Classroom::Classroom(MainWindow *window, Ui_MainWindow *ui, Visualizer *vis, const PaneView *panes)
    : QObject(window), window(window), ui(ui), vis(vis), panes(panes),
      keys(new WindowKeys(window, this))
{
    // A new trace asks its questions afresh.
    connect(window, &MainWindow::trace_applied, this, [this] { predictor.reset(); });
    add_menu_items();
    add_predicting_keys();
    // The menu opens by the Menu key, by Shift+F10 where a keyboard lacks it,
    // or by a right click on the canvas.
    keys->add(QString(), {Qt::Key_Menu, QKeySequence(Qt::SHIFT | Qt::Key_F10)}, false,
              [this, canvas = ui->Canvas] { open_menu(canvas->viewport()->rect().center()); });
    ui->Canvas->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->Canvas, &QWidget::customContextMenuRequested, this, &Classroom::open_menu);
    add_presentation_keys();
    keys->guard(
        {ui->userDefLine, ui->jumpStepNum, ui->playSpeed, ui->randomSeqSize, ui->chosenFormula});
}

// The menu's texts are in the window's translation context, where they began.
void Classroom::add_menu_items()
{
    menu = new QMenu(window);
    menu->addAction(keys->add(QCoreApplication::translate("MainWindow", "Present"), {Qt::Key_F5},
                              true, [this] { toggle_presentation(); }));
    present_elsewhere = menu->addAction(
        QCoreApplication::translate("MainWindow", "Present on the other screen"), this, [this] {
            for (QScreen *other : QGuiApplication::screens())
                if (other != window->screen())
                    return present(other);
        });
    menu->addAction(keys->add(QCoreApplication::translate("MainWindow", "Copy picture"),
                              {QKeySequence::Copy}, false, [this] { copy_picture(); }));
    menu->addAction(keys->add(QCoreApplication::translate("MainWindow", "Save picture…"),
                              {QKeySequence::Save}, false, [this] { save_picture_as(); }));
    menu->addAction(keys->add(QCoreApplication::translate("MainWindow", "Random sequence…"), {},
                              false, [this] { apply_random(); }));
    add_examples(menu->addMenu(QCoreApplication::translate("MainWindow", "Example")));
    menu->addAction(keys->add(QCoreApplication::translate("MainWindow", "Copy the sequence"),
                              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}, false,
                              [this] { copy_sequence(); }));
    predict_action = keys->add(QCoreApplication::translate("MainWindow", "Predict the steps"),
                               {Qt::Key_P}, false, [this] { toggle_predicting(); });
    predict_action->setCheckable(true);
    menu->addAction(predict_action);
    menu->addAction(keys->add(QCoreApplication::translate("MainWindow", "Race two formulas"),
                              {Qt::Key_R}, false, [this] { race(); }));
    menu->addAction(keys->add(QCoreApplication::translate("MainWindow", "Compare formulas…"),
                              {Qt::Key_F6}, false, [this] { open_compare(); }));
    menu->addAction(keys->add(QCoreApplication::translate("MainWindow", "Help"),
                              {QKeySequence::HelpContents}, false, [] { open_help_page(); }));
}

// Applied at once as if typed, so that the field shows the numbers.
void Classroom::add_examples(QMenu *examples)
{
    for (int kind = 0; kind < Examples::count; ++kind)
        examples->addAction(keys->add(Examples::name(Examples::Kind(kind)), {}, false,
                                      [this, kind] { apply_example(kind); }));
}

void Classroom::apply_example(int kind)
{
    const int n = ui->randomSeqSize->value();
    apply_typed(Examples::make(Examples::Kind(kind), n, *QRandomGenerator::global()));
}

// Of any size the window sorts, where the slider offers only a few.
void Classroom::apply_random()
{
    if (const std::optional<int> n = ask_random_size(window, ui->randomSeqSize->value()))
        apply_typed(Examples::random(*n, *QRandomGenerator::global()));
}

void Classroom::apply_typed(const QVector<qint32> &numbers)
{
    ui->userDefineRadio->setChecked(true);
    window->switch_to_manual();
    ui->userDefLine->setText(Examples::as_text(numbers));
    window->new_seq();
}

// The answers, and Return, which shows the verdict unanswered as Right does.
void Classroom::add_predicting_keys()
{
    keys->add(QString(), Predictor::keys(true), false, [this] { answer(true); });
    keys->add(QString(), Predictor::keys(false), false, [this] { answer(false); });
    keys->add(QString(), {Qt::Key_Return, Qt::Key_Enter}, false, [this] {
        if (predictor.asking(*vis))
            window->step_front();
    });
}

void Classroom::add_presentation_keys()
{
    keys->add_presenting({Qt::Key_Escape}, true, [this] { leave_presentation(); });
    keys->add_presenting({Qt::Key_Space}, true, [this] {
        if (presentation->blanked())
            return presentation->set_blanked(false);
        window->play();
    });
    keys->add_presenting({Qt::Key_B, Qt::Key_Period}, false,
                         [this] { presentation->set_blanked(!presentation->blanked()); });
}

void Classroom::add_step_key(const QList<QKeySequence> &keys, const std::function<void()> &move)
{
    this->keys->add(QString(), keys, false, [this, move] {
        if (presentation && presentation->blanked())
            return presentation->set_blanked(false);
        move();
    });
}

void Classroom::set_playing(bool playing)
{
    keys->set_playing(playing);
}

void Classroom::open_menu(const QPoint &where)
{
    present_elsewhere->setVisible(QGuiApplication::screens().size() > 1);
    menu->popup(ui->Canvas->viewport()->mapToGlobal(where));
}

void Classroom::present(QScreen *screen)
{
    if (presentation == nullptr) {
        presentation = new PresentationView(vis, window);
        presentation->set_words(words);
        keys->give_to(presentation);
        connect(presentation, &PresentationView::activated, this,
                [this] { emit presentation_activated(words); });
        presentation->set_score(predictor.score());
    }
    presentation->set_blanked(false);
    presentation->present_on(screen);
}

void Classroom::toggle_presentation()
{
    if (presentation && presentation->isVisible())
        leave_presentation();
    else
        present(window->screen());
}

void Classroom::leave_presentation()
{
    presentation->close();
    window->activateWindow();
}

// The race is a part of the presentation, over it on its screen.
void Classroom::race()
{
    window->settle();
    if (!presentation || !presentation->isVisible())
        present(window->screen());
    auto *race = new RaceView(initial_sequence(*vis), window->formula(), window);
    race->setAttribute(Qt::WA_DeleteOnClose);
    race->set_pause(window->playback_delay());
    connect(race, &RaceView::left, presentation, [this] { presentation->activateWindow(); });
    race->present_on(presentation->screen());
}

void Classroom::toggle_predicting()
{
    predictor.active = !predictor.active;
    predict_action->setChecked(predictor.active);
    emit sentence_changed();
}

void Classroom::answer(bool swap)
{
    if (!predictor.asking(*vis))
        return;
    predictor.answer(*vis, swap);
    emit sentence_changed();
}

QString Classroom::sentence() const
{
    return predictor.sentence(*vis);
}

QString Classroom::title() const
{
    return predictor.title();
}

bool Classroom::reveal()
{
    if (!predictor.asking(*vis))
        return false;
    predictor.reveal(*vis);
    return true;
}

void Classroom::show_words(const StepWords &shown)
{
    words = shown;
    if (presentation == nullptr)
        return;
    presentation->set_score(predictor.score());
    presentation->set_words(words);
    if (presentation->isVisible())
        presentation->follow();
}

// The numbers the trace on display started from, as the typed-sequence field reads them.
void Classroom::copy_sequence()
{
    QGuiApplication::clipboard()->setText(Examples::as_text(initial_sequence(*vis)));
}

void Classroom::copy_picture()
{
    window->settle();
    QGuiApplication::clipboard()->setImage(
        picture_image(vis->scene, picture_layout(*vis, panes->layout())));
}

QString Classroom::picture_name(const QString &suffix) const
{
    return picture_file_name(vis->cur_step + 1, int(vis->steps.size()), suffix);
}

void Classroom::save_picture_as()
{
    window->settle();
    const QString path =
        ask_picture_path(window, [this](const QString &suffix) { return picture_name(suffix); });
    if (!path.isEmpty())
        save_picture(path);
}

bool Classroom::save_picture(const QString &path)
{
    QString error;
    if (write_picture(vis->scene, picture_layout(*vis, panes->layout()), path, &error))
        return true;
    tell_unsaved_picture(path, error);
    return false;
}

void Classroom::open_compare()
{
    if (compare == nullptr) {
        compare = new CompareWindow(vis, window);
        connect(window, &MainWindow::trace_applied, compare, &CompareWindow::refresh);
        connect(ui->chosenFormula, &QComboBox::currentIndexChanged, compare,
                &CompareWindow::refresh);
        place_over(compare, window);
    }
    // A new window comes up on top; one already open is brought there.
    if (compare->isVisible())
        compare->raise();
    compare->setWindowState(compare->windowState() & ~Qt::WindowMinimized);
    compare->show();
    compare->activateWindow();
}
