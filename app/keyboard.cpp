// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "keyboard.h"

#include "access/contrast.h"
#include "access/focus_ring.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"
#include "words.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>

Keyboard::Keyboard(MainWindow *window, Ui_MainWindow *ui) : QObject(window), window(window), ui(ui)
{
    name_controls();
    keep_about_legible();
    order_tabs();
    show_focus();
    play_on_space();
    // The first Right steps the trace.
    ui->Canvas->setFocus();
    add_stop_key();
}

void Keyboard::name_controls()
{
    ui->label->setBuddy(ui->chosenFormula);
    ui->label_3->setBuddy(ui->jumpStepNum);
    // Translated with the rest of what screen readers hear.
    ui->jumpStepNum->setAccessibleName(QCoreApplication::translate("Accessibility", "Step number"));
    ui->randomSeqSize->setAccessibleName(
        QCoreApplication::translate("Accessibility", "Size of the sequence"));
    ui->userDefLine->setAccessibleName(MainWindow::typed_caption());
    ui->sortStatus->setAccessibleName(
        QCoreApplication::translate("Accessibility", "Step explanation"));
    ui->Canvas->setToolTip(canvas_legend());
}

void Keyboard::keep_about_legible()
{
    ui->label_6->installEventFilter(this);
    dim_about_text();
}

// The about text is disabled, but must still be read: the window's text
// colour dimmed towards its background only as far as 4.5:1 allows, on a
// light desktop and a dark one, instead of the style's 1.6:1.
void Keyboard::dim_about_text()
{
    QLabel *about = ui->label_6;
    QPalette colours = about->palette();
    const QColor ink = dimmed_ink(colours.color(QPalette::Active, QPalette::WindowText),
                                  colours.color(QPalette::Active, QPalette::Window), 4.5);
    // Setting the colour changes the palette once more, to the same colour.
    if (colours.color(QPalette::Disabled, QPalette::WindowText) == ink &&
        colours.isBrushSet(QPalette::Disabled, QPalette::WindowText))
        return;
    colours.setColor(QPalette::Disabled, QPalette::WindowText, ink);
    about->setPalette(colours);
}

void Keyboard::order_tabs()
{
    // Top to bottom, left to right; the typed sequence right after the choice of it.
    const QList<QWidget *> order = {ui->Canvas,        ui->sortStatus,     ui->prevStep,
                                    ui->nextStep,      ui->prevSubseq,     ui->nextSubseq,
                                    ui->firstSlide,    ui->lastSlide,      ui->playSpeed,
                                    ui->playButton,    ui->jumpStepNum,    ui->jumpButton,
                                    ui->chosenFormula, ui->randomGenRadio, ui->userDefineRadio,
                                    ui->randomSeqSize, ui->userDefLine,    ui->applyButton};
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    ui->Canvas->setFocusPolicy(Qt::StrongFocus);
    ui->sortStatus->setTabChangesFocus(true);
}

// The canvas and the status panel, which the style draws alike with and
// without the focus.
void Keyboard::show_focus()
{
    new FocusRing(ui->Canvas);
    new FocusRing(ui->sortStatus);
}

// Where Space would type nothing and press no button.
void Keyboard::play_on_space()
{
    ui->Canvas->installEventFilter(this);
    ui->sortStatus->installEventFilter(this);
}

// Esc stops a playback wherever the focus is in the window.
void Keyboard::add_stop_key()
{
    auto *stop = new QAction(window);
    stop->setShortcut(Qt::Key_Escape);
    window->addAction(stop);
    connect(stop, &QAction::triggered, window, [window = window] {
        if (window->is_playing())
            window->play();
    });
}

bool Keyboard::eventFilter(QObject *watched, QEvent *event)
{
    // A new desktop palette, light or dark, reaches the about text too.
    if (watched == ui->label_6 && (event->type() == QEvent::PaletteChange ||
                                   event->type() == QEvent::ApplicationPaletteChange))
        dim_about_text();
    if (event->type() == QEvent::KeyPress) {
        // Space plays and stops.
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            if (!key->isAutoRepeat())
                window->play();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
