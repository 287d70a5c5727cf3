#include "visualizer.h"

#include "num_to_str.h"

#include <QStringBuilder>

#include <utility>

Visualizer::Visualizer(QObject *parent, QGraphicsScene *scene, QTextBrowser *status,
                       GapGenerator stepgen, const QVector<qint32> &initial)
    : QObject(parent), status(status), seq(initial), cur_step(0), op_count(0), swap_count(0),
      scene(scene), stepgen(stepgen)
{
}

Visualizer::~Visualizer() = default;

void Visualizer::set_current_step(int target)
{
    if (steps.isEmpty())
        return;
    const int last = int(steps.size()) - 1;
    int t = target > 0 ? target : 0;
    if (t >= last)
        t = last;
    while (cur_step < t) {
        const TraceStep &s = steps.at(cur_step);
        if (s.is_swap)
            std::swap(seq[s.pos_a], seq[s.pos_b]);
        ++cur_step;
    }
    while (cur_step > t) {
        const TraceStep &s = steps.at(cur_step - 1);
        if (s.is_swap)
            std::swap(seq[s.pos_a], seq[s.pos_b]);
        --cur_step;
    }
}

void Visualizer::jump_sub(bool forward)
{
    if (steps.isEmpty())
        return;
    const int count = int(steps.size());
    int i = cur_step;
    for (;;) {
        i += forward ? 1 : -1;
        // Unsigned, so that -1 stops the search as well as count does.
        if (unsigned(i) >= unsigned(count))
            break;
        const TraceStep &s = steps.at(i);
        if (s.sub_start != -1 && s.pos_a == -1)
            break;
    }
    set_current_step(i);
}

void Visualizer::build_trace()
{
    // The sentences that never vary share one string each.
    static const QString opening_text =
        QStringLiteral("This is where all begins. Now we're going to sort that array.");
    static const QString front_text =
        QStringLiteral("The current element is in the beginning of the subsequence, there is no "
                       "need to continue working with it.");
    static const QString closing_text = QStringLiteral("Sorting finished!");

    steps.clear();
    QVector<qint32> work = seq;
    const qint32 n = qint32(work.size());
    op_count = 0;
    swap_count = 0;
    stepgen(n, &gaps);

    steps.append(TraceStep{-1, -1, -1, -1, opening_text, false});
    // QStringBuilder sizes each sentence once, so no text carries spare capacity.
    for (qint32 g = 0; g < qint32(gaps.size()); ++g) {
        const qint32 h = gaps.at(g);
        steps.append(TraceStep{g, -1, -1, -1,
                               QString(u"Setting gap length to " % num_to_str(h) % u'.'), false});
        for (qint32 s = 0; s < qMin(h, n - h); ++s) {
            steps.append(TraceStep{
                g, s, -1, -1,
                QString(u"Now we are going to work with a subsequence starting from element " %
                        num_to_str(s + 1) % u'.'),
                false});
            for (qint32 j = s + h; j < n; j += h) {
                qint32 k = j;
                for (;;) {
                    ++op_count;
                    const qint32 r = work.at(k);
                    const qint32 l = work.at(k - h);
                    if (r >= l) {
                        steps.append(TraceStep{
                            g, s, k - h, k,
                            QString(num_to_str(r) % (r > l ? u" is more than " : u" is equal to ") %
                                    num_to_str(l) % u", we don't need to replace it anymore."),
                            false});
                        break;
                    }
                    steps.append(TraceStep{g, s, k - h, k,
                                           QString(num_to_str(l) % u" is more than " %
                                                   num_to_str(r) % u", we need to swap them."),
                                           true});
                    std::swap(work[k], work[k - h]);
                    k -= h;
                    ++swap_count;
                    if (k < h)
                        break;
                }
                if (k < h)
                    steps.append(TraceStep{g, s, k, -1, front_text, false});
            }
        }
    }
    steps.append(TraceStep{-1, -1, -1, -1, closing_text, false});
    steps.squeeze();
    cur_step = 0;
}
