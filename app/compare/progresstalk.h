// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// What a screen reader is told of the growth computation: its start, its
// progress, each time the sentence before has been said, how it ended once
// that has been said too, and a cancel at once, as the user asked for it.
#pragma once

#include <QString>
#include <QtGlobal>

namespace compare_detail
{

class ProgressTalk
{
public:
    // The sentences, each noted as said at now, in milliseconds of any clock;
    // the start names the page it was shown on, if any.
    QString started(qint64 now, const QString &page = QString());
    // Empty while the sentence before is still being said, or where the
    // percentage is the one last told.
    QString progressed(int percent, qint64 now);
    QString cancelled(int percent, qint64 now);
    // Said at when, after the sentence before.
    QString done(quint32 seed, qint64 now, qint64 *when);

    // When the last sentence will have been said.
    qint64 quiet_at() const { return quiet; }

private:
    QString said(const QString &sentence, qint64 now);

    qint64 quiet = 0;
    int told = -1;
};

} // namespace compare_detail
