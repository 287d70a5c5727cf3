// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "words.h"

#include "num_to_str.h"
#include "visualizer.h"

#include <QCoreApplication>
#include <QStringBuilder>

QString StepWords::text() const
{
    return sentence % u"\n\n" % counters;
}

StepWords step_words(const Visualizer &vis, const QString &sentence)
{
    if (vis.steps.isEmpty())
        return {};
    return step_words(sentence.isEmpty() ? vis.steps.at(vis.cur_step).text : sentence,
                      vis.cur_step + 1, qint32(vis.steps.size()), vis.op_count, vis.swap_count);
}

QString canvas_legend(bool one_line)
{
    if (one_line)
        return QCoreApplication::translate(
            "MainWindow", "Gaps: ✓ applied, framed in force, plain to come · line down: in the "
                          "subsequence · framed below: compared");
    return QCoreApplication::translate(
        "MainWindow",
        "Top row, the gaps: applied in green with a tick ✓, in force in yellow with a frame, to "
        "come in red.\nMiddle row, the sequence: the members of the current subsequence in grey, "
        "each with a line down to its copy below.\nBottom row, that subsequence: the elements "
        "compared in purple with a frame.");
}

StepWords step_words(const QString &sentence, qint32 step, qint32 steps, qint32 ops, qint32 swaps)
{
    return {sentence, QString(QCoreApplication::translate("MainWindow", "Current step: %1/%2")
                                  .arg(num_to_str(step), num_to_str(steps)) %
                              u'\n' %
                              QCoreApplication::translate(
                                  "MainWindow", "Total number of operations: %1, incl. %2 swaps.")
                                  .arg(num_to_str(ops), num_to_str(swaps)))};
}
