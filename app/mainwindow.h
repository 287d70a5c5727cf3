#pragma once

#include <QMainWindow>
#include <QMessageBox>

class QTimer;
class Sleeper;
class Ui_MainWindow;
class Visualizer;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The captions over the size slider and over the typed-sequence field.
    static QString size_caption(int val);
    static QString typed_caption();

public slots:
    void set_stepgen(int num);
    void display_size(int val);
    void new_seq();
    void switch_to_manual();
    void switch_to_random();
    void step_to(int wh);
    void step_back();
    void step_front();
    void prev_sub();
    void next_sub();
    void first();
    void last();
    void jump();
    void play();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void add_shortcuts();
    void redraw();
    void show_step();
    void follow_step();
    void set_playback_controls_enabled(bool enabled);

    int cur_formula;
    Visualizer *vis;
    bool playing;
    Sleeper *sleeper;
    Ui_MainWindow *ui;
    // Moves asked for by keys are drawn once the keys queued so far are handled,
    // so that a held key never leaves steps queued behind slow redraws.
    QTimer *key_redraw = nullptr;
    bool moving_by_key = false;
};

// Shows a parentless, application-modal message box without blocking and
// processes events until the user has closed it.
void show_message_and_wait(QMessageBox::Icon icon, const QString &title, const QString &text);
