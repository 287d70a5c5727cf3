// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Whether a screen reader is running, as the accessibility bus says, and how
// long it takes to say a text: playback waits for the sentence of each step
// while one runs. QAccessible::isActive() alone is true for any assistive
// tool, and sighted users must not find playback slowed.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

class ScreenReader : public QObject
{
    Q_OBJECT

public:
    // The one of the application, made on first use.
    static ScreenReader *instance();

    bool running() const { return on; }
    // What the bus said; tests say it too.
    void set_running(bool running);

    // About how long, in milliseconds, Orca takes to say the text at its
    // default rate.
    static int speaking_ms(const QString &text);
    // The pause after a step that says the text: the slider's, or as long
    // as the text takes to say while a screen reader runs.
    int pause_ms(int slider_ms, const QString &text) const;

signals:
    void changed(bool running);

private slots:
    void properties_changed(const QString &interface, const QVariantMap &changed,
                            const QStringList &invalidated);

private:
    explicit ScreenReader(QObject *parent);
    void ask();

    bool on = false;
};
