// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "visualizer.h"

#include "num_to_str.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QVarLengthArray>

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

QVector<qint32> initial_sequence(const Visualizer &vis)
{
    QVector<qint32> seq = vis.seq;
    for (int i = vis.cur_step - 1; i >= 0; --i)
        if (const TraceStep &s = vis.steps.at(i); s.is_swap)
            std::swap(seq[s.pos_a], seq[s.pos_b]);
    return seq;
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

namespace
{

// A translated sentence with numbered places, looked up once per trace and
// then filled for each step. The text is sized once, so no sentence of a long
// trace carries spare capacity.
class Sentence
{
public:
    explicit Sentence(const char *source)
        : pattern(QCoreApplication::translate("MainWindow", source))
    {
        static const QRegularExpression place(QStringLiteral("%([1-9])"));
        qsizetype from = 0;
        for (const QRegularExpressionMatch &m : place.globalMatch(pattern)) {
            pieces.append(QStringView(pattern).mid(from, m.capturedStart() - from));
            places.append(m.captured(1).toInt() - 1);
            from = m.capturedEnd();
        }
        pieces.append(QStringView(pattern).mid(from));
    }

    QString operator()(std::initializer_list<qint32> numbers) const
    {
        QVarLengthArray<QString, 2> texts;
        qsizetype size = 0;
        for (qint32 number : numbers) {
            texts.append(num_to_str(number));
            size += texts.last().size();
        }
        for (const QStringView &piece : pieces)
            size += piece.size();
        QString sentence;
        sentence.reserve(size);
        for (qsizetype i = 0; i < places.size(); ++i)
            sentence.append(pieces.at(i)).append(texts.value(places.at(i)));
        return sentence.append(pieces.last());
    }

private:
    QString pattern;
    QList<QStringView> pieces;
    QList<int> places;
};

// The events of a trace as steps with their sentences, each looked up once
// per trace.
class TraceRecorder
{
public:
    explicit TraceRecorder(QVector<TraceStep> *steps) : steps(steps) {}

    void gap(qint32 g, qint32 h) { steps->append(TraceStep{g, -1, -1, -1, gap_text({h}), false}); }
    void subsequence(qint32 g, qint32 s)
    {
        steps->append(TraceStep{g, s, -1, -1, sub_text({s + 1}), false});
    }
    void keep(qint32 g, qint32 s, qint32 left, qint32 right, qint32 l, qint32 r)
    {
        steps->append(
            TraceStep{g, s, left, right, (r > l ? more_text : equal_text)({r, l}), false});
    }
    void exchange(qint32 g, qint32 s, qint32 left, qint32 right, qint32 l, qint32 r)
    {
        steps->append(TraceStep{g, s, left, right, swap_text({l, r}), true});
    }
    void front(qint32 g, qint32 s, qint32 k)
    {
        steps->append(TraceStep{g, s, k, -1, front_text, false});
    }

private:
    QVector<TraceStep> *steps;
    // The sentences that never vary share one string each.
    const QString front_text = QCoreApplication::translate(
        "MainWindow", "The current element is in the beginning of the subsequence, "
                      "there is no need to continue working with it.");
    const Sentence gap_text{QT_TRANSLATE_NOOP("MainWindow", "Setting gap length to %1.")};
    const Sentence sub_text{QT_TRANSLATE_NOOP(
        "MainWindow", "Now we are going to work with a subsequence starting from element %1.")};
    const Sentence more_text{QT_TRANSLATE_NOOP(
        "MainWindow", "%1 is more than %2, we don't need to replace it anymore.")};
    const Sentence equal_text{
        QT_TRANSLATE_NOOP("MainWindow", "%1 is equal to %2, we don't need to replace it anymore.")};
    const Sentence swap_text{
        QT_TRANSLATE_NOOP("MainWindow", "%1 is more than %2, we need to swap them.")};
};

// Counting alone: every event is dropped.
struct NoRecord {
    void gap(qint32, qint32) {}
    void subsequence(qint32, qint32) {}
    void keep(qint32, qint32, qint32, qint32, qint32, qint32) {}
    void exchange(qint32, qint32, qint32, qint32, qint32, qint32) {}
    void front(qint32, qint32, qint32) {}
};

// The program's one Shell sort, insertion by exchanges: for each gap g in
// order, each subsequence with at least two elements, each of its elements
// from the second on moves left while its neighbour a gap away is larger.
// The sink hears every event as it happens, with the values then compared.
template <class Sink>
SortCount shell_sort(qint32 *a, qint32 n, const QVector<qint32> &gaps, Sink &sink)
{
    SortCount count;
    for (qint32 g = 0; g < qint32(gaps.size()); ++g) {
        const qint32 h = gaps.at(g);
        sink.gap(g, h);
        for (qint32 s = 0; s < qMin(h, n - h); ++s) {
            sink.subsequence(g, s);
            for (qint32 j = s + h; j < n; j += h) {
                qint32 k = j;
                for (;;) {
                    ++count.comparisons;
                    const qint32 r = a[k];
                    const qint32 l = a[k - h];
                    if (r >= l) {
                        sink.keep(g, s, k - h, k, l, r);
                        break;
                    }
                    sink.exchange(g, s, k - h, k, l, r);
                    std::swap(a[k], a[k - h]);
                    k -= h;
                    ++count.swaps;
                    if (k < h)
                        break;
                }
                if (k < h)
                    sink.front(g, s, k);
            }
        }
    }
    return count;
}

} // namespace

SortCount count_shell_sort(QVector<qint32> *work, const QVector<qint32> &gaps)
{
    NoRecord none;
    return shell_sort(work->data(), qint32(work->size()), gaps, none);
}

void Visualizer::build_trace()
{
    steps.clear();
    QVector<qint32> work = seq;
    stepgen(qint32(work.size()), &gaps);
    TraceRecorder recorder(&steps);
    steps.append(TraceStep{
        -1, -1, -1, -1,
        QCoreApplication::translate(
            "MainWindow", "This is where all begins. Now we're going to sort that array."),
        false});
    const SortCount count = shell_sort(work.data(), qint32(work.size()), gaps, recorder);
    op_count = count.comparisons;
    swap_count = count.swaps;
    steps.append(TraceStep{-1, -1, -1, -1,
                           QCoreApplication::translate("MainWindow", "Sorting finished!"), false});
    steps.squeeze();
    cur_step = 0;
}
