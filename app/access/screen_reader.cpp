// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "screen_reader.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QPointer>
#include <QRegularExpression>

namespace
{

const QString bus_service = QStringLiteral("org.a11y.Bus");
const QString bus_path = QStringLiteral("/org/a11y/bus");
const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString status = QStringLiteral("org.a11y.Status");
const QString enabled = QStringLiteral("ScreenReaderEnabled");

// Orca's default rate is about 180 words a minute.
constexpr int ms_per_word = 330;
// Orca's pause before it starts, and between two utterances.
constexpr int ms_lead = 400;

} // namespace

ScreenReader *ScreenReader::instance()
{
    static QPointer<ScreenReader> reader;
    if (reader.isNull())
        reader = new ScreenReader(QCoreApplication::instance());
    return reader;
}

ScreenReader::ScreenReader(QObject *parent) : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(bus_service, bus_path, properties, QStringLiteral("PropertiesChanged"), this,
                SLOT(properties_changed(QString, QVariantMap, QStringList)));
    ask();
}

// Asked without waiting: the window's thread never blocks on the bus.
void ScreenReader::ask()
{
    QDBusMessage get =
        QDBusMessage::createMethodCall(bus_service, bus_path, properties, QStringLiteral("Get"));
    get << status << enabled;
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *w) {
        const QDBusPendingReply<QDBusVariant> reply = *w;
        if (!reply.isError())
            set_running(reply.value().variant().toBool());
        w->deleteLater();
    });
}

void ScreenReader::properties_changed(const QString &interface, const QVariantMap &changed,
                                      const QStringList &)
{
    if (interface == status && changed.contains(enabled))
        set_running(changed.value(enabled).toBool());
}

void ScreenReader::set_running(bool running)
{
    if (on == running)
        return;
    on = running;
    emit changed(on);
}

int ScreenReader::speaking_ms(const QString &text)
{
    static const QRegularExpression blank(QStringLiteral("\\s+"));
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    int words = 0;
    for (const QString &word : text.split(blank, Qt::SkipEmptyParts)) {
        // A long number is said as several words: "two billion one hundred…".
        int longest = 0;
        for (auto m = digits.globalMatch(word); m.hasNext();)
            longest = qMax(longest, int(m.next().capturedLength()));
        words += qMax(1, longest);
    }
    return words == 0 ? 0 : ms_lead + words * ms_per_word;
}

int ScreenReader::pause_ms(int slider_ms, const QString &text) const
{
    return on ? qMax(slider_ms, speaking_ms(text)) : slider_ms;
}
