// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Teaching in a room: the canvas's menu and the keys of its actions, the
// full-screen presentation, pictures of a step, and the predict mode.
#include "mainwindow.h"

#include "access/accessibility.h"
#include "compare.h"
#include "examples.h"
#include "paneview.h"
#include "picture.h"
#include "presentation.h"
#include "race.h"
#include "sleeper.h"
#include "ui_mainwindow.h"
#include "visualizer.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QRandomGenerator>
#include <QScreen>
#include <QStandardPaths>

QAction *MainWindow::add_key_action(const QString &text, const QList<QKeySequence> &keys,
                                    bool while_playing, const std::function<void()> &what)
{
    auto *action = new QAction(text, this);
    action->setShortcuts(keys);
    // Like the buttons, which are disabled then, most keys rest during playback.
    connect(action, &QAction::triggered, this, [this, while_playing, what] {
        if (!playing || while_playing)
            what();
    });
    addAction(action);
    window_keys << action;
    if (!while_playing)
        resting_keys << action;
    return action;
}

void MainWindow::add_classroom_actions()
{
    menu = new QMenu(this);
    menu->addAction(add_key_action(tr("Present"), {Qt::Key_F5}, true, [this] {
        if (presentation && presentation->isVisible())
            leave_presentation();
        else
            present(screen());
    }));
    present_elsewhere = menu->addAction(tr("Present on the other screen"), this, [this] {
        for (QScreen *other : QGuiApplication::screens())
            if (other != screen())
                return present(other);
    });
    menu->addAction(add_key_action(tr("Copy picture"), {QKeySequence::Copy}, false,
                                   [this] { copy_picture(); }));
    menu->addAction(add_key_action(tr("Save picture…"), {QKeySequence::Save}, false,
                                   [this] { save_picture_as(); }));
    // Applied at once as if typed, so that the field shows the numbers.
    QMenu *examples = menu->addMenu(tr("Example"));
    for (int kind = 0; kind < Examples::count; ++kind)
        examples->addAction(
            add_key_action(Examples::name(Examples::Kind(kind)), {}, false, [this, kind] {
                const int n = ui->randomSeqSize->value();
                const auto numbers =
                    Examples::make(Examples::Kind(kind), n, *QRandomGenerator::global());
                ui->userDefineRadio->setChecked(true);
                switch_to_manual();
                ui->userDefLine->setText(Examples::as_text(numbers));
                new_seq();
            }));
    menu->addAction(add_key_action(
        tr("Copy the sequence"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}, false, [this] {
            QGuiApplication::clipboard()->setText(Examples::as_text(initial_sequence(*vis)));
        }));
    predict_action = add_key_action(tr("Predict the steps"), {Qt::Key_P}, false, [this] {
        predictor.active = !predictor.active;
        predict_action->setChecked(predictor.active);
        show_step();
    });
    predict_action->setCheckable(true);
    menu->addAction(predict_action);
    menu->addAction(
        add_key_action(tr("Race two formulas"), {Qt::Key_R}, false, [this] { race(); }));
    menu->addAction(
        add_key_action(tr("Compare formulas…"), {Qt::Key_F6}, false, [this] { open_compare(); }));
    menu->addAction(
        add_key_action(tr("Help"), {QKeySequence::HelpContents}, false, [this] { open_help(); }));

    add_key_action(QString(), Predictor::keys(true), false, [this] { answer(true); });
    add_key_action(QString(), Predictor::keys(false), false, [this] { answer(false); });
    add_key_action(QString(), {Qt::Key_Return, Qt::Key_Enter}, false, [this] {
        if (predictor.asking(*vis))
            step_front();
    });
    add_key_action(QString(), {Qt::Key_Menu}, false,
                   [this] { open_menu(ui->Canvas->viewport()->rect().center()); });
    ui->Canvas->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->Canvas, &QWidget::customContextMenuRequested, this, &MainWindow::open_menu);

    // Keys of the presentation alone.
    const auto presentation_key = [this](const QList<QKeySequence> &keys, bool while_playing,
                                         const std::function<void()> &what) {
        QAction *action = add_key_action(QString(), keys, while_playing, what);
        removeAction(action);
        window_keys.removeOne(action);
        presentation_keys << action;
    };
    presentation_key({Qt::Key_Escape}, true, [this] { leave_presentation(); });
    presentation_key({Qt::Key_Space}, true, [this] {
        if (presentation->blanked())
            return presentation->set_blanked(false);
        play();
    });
    presentation_key({Qt::Key_B, Qt::Key_Period}, false,
                     [this] { presentation->set_blanked(!presentation->blanked()); });
}

void MainWindow::open_menu(const QPoint &where)
{
    present_elsewhere->setVisible(QGuiApplication::screens().size() > 1);
    menu->popup(ui->Canvas->viewport()->mapToGlobal(where));
}

void MainWindow::present(QScreen *target)
{
    if (presentation == nullptr) {
        presentation = new PresentationView(vis, this);
        presentation->set_words(words);
        presentation->addActions(window_keys);
        presentation->addActions(presentation_keys);
        connect(presentation, &PresentationView::activated, access,
                [this] { access->step_shown(words); });
        presentation->set_score(predictor.score());
    }
    presentation->set_blanked(false);
    presentation->present_on(target);
}

// The race is a part of the presentation, over it on its screen.
void MainWindow::race()
{
    settle();
    if (!presentation || !presentation->isVisible())
        present(screen());
    auto *race = new RaceView(initial_sequence(*vis), cur_formula, this);
    race->setAttribute(Qt::WA_DeleteOnClose);
    race->set_pause(playback_delay());
    connect(race, &RaceView::left, presentation, [this] { presentation->activateWindow(); });
    race->present_on(presentation->screen());
}

void MainWindow::leave_presentation()
{
    presentation->close();
    activateWindow();
}

void MainWindow::copy_picture()
{
    settle();
    QGuiApplication::clipboard()->setImage(
        picture_image(vis->scene, picture_layout(*vis, panes->layout())));
}

QString MainWindow::picture_name(const QString &suffix) const
{
    return picture_file_name(vis->cur_step + 1, int(vis->steps.size()), suffix);
}

QString ask_picture_path(QWidget *parent, const std::function<QString(const QString &suffix)> &name)
{
    const QString png = QCoreApplication::translate("MainWindow", "PNG image (*.png)");
    const QString svg = QCoreApplication::translate("MainWindow", "SVG image (*.svg)");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QFileDialog dialog(parent, QCoreApplication::translate("MainWindow", "Save picture"), folder,
                       png + QStringLiteral(";;") + svg);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.selectFile(name(QStringLiteral("png")));
    // The name offered follows the kind of picture chosen.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &filter) {
        const QString suffix = filter == svg ? QStringLiteral("svg") : QStringLiteral("png");
        dialog.setDefaultSuffix(suffix);
        dialog.selectFile(name(suffix));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    QString path = dialog.selectedFiles().constFirst();
    // PNG or SVG, by the name's suffix; another suffix gets the chosen kind's.
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != u"png" && suffix != u"svg")
        path += u'.' + dialog.defaultSuffix();
    return path;
}

void MainWindow::save_picture_as()
{
    settle();
    const QString path =
        ask_picture_path(this, [this](const QString &suffix) { return picture_name(suffix); });
    if (!path.isEmpty())
        save_picture(path);
}

bool MainWindow::save_picture(const QString &path)
{
    QString error;
    if (write_picture(vis->scene, picture_layout(*vis, panes->layout()), path, &error))
        return true;
    show_message_and_wait(
        QMessageBox::Critical, tr("Error"),
        tr("The picture could not be saved as %1:\n%2").arg(QDir::toNativeSeparators(path), error));
    return false;
}

void MainWindow::open_compare()
{
    if (compare == nullptr) {
        compare = new CompareWindow(vis, this);
        connect(this, &MainWindow::trace_applied, compare, &CompareWindow::refresh);
        connect(ui->chosenFormula, &QComboBox::currentIndexChanged, compare,
                &CompareWindow::refresh);
    }
    // A new window comes up on top; one already open is brought there.
    if (compare->isVisible())
        compare->raise();
    compare->setWindowState(compare->windowState() & ~Qt::WindowMinimized);
    compare->show();
    compare->activateWindow();
}

void MainWindow::answer(bool swap)
{
    if (!predictor.asking(*vis))
        return;
    predictor.answer(*vis, swap);
    show_step();
}
