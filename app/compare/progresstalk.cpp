// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "progresstalk.h"

#include "access/screen_reader.h"
#include "compare.h"
#include "num_to_str.h"

namespace compare_detail
{

QString ProgressTalk::said(const QString &sentence, qint64 now)
{
    quiet = now + ScreenReader::speaking_ms(sentence);
    return sentence;
}

QString ProgressTalk::started(qint64 now, const QString &page)
{
    told = 0;
    if (!page.isEmpty())
        return said(CompareWindow::tr("%1: computing the growth chart.").arg(page), now);
    return said(CompareWindow::tr("Computing the growth chart."), now);
}

QString ProgressTalk::progressed(int percent, qint64 now)
{
    if (now < quiet || percent == told)
        return {};
    told = percent;
    return said(CompareWindow::tr("%1 percent.").arg(num_to_str(percent)), now);
}

QString ProgressTalk::done(quint32 seed, qint64 now, qint64 *when)
{
    told = 100;
    // A computation of a second or less would cut its start short, and
    // Orca drops an item that is gone before it has been spoken.
    *when = qMax(now, quiet);
    return said(CompareWindow::tr("Done: the chart shows the averages for seed %1.").arg(seed),
                *when);
}

QString ProgressTalk::cancelled(int percent, qint64 now)
{
    told = percent;
    return said(CompareWindow::tr("Cancelled at %1 percent.").arg(num_to_str(percent)), now);
}

} // namespace compare_detail
