// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Fuzz target for the recorded trace and the navigation over it.
//
// Input layout: the first byte picks one of the gap formulas; the bytes up
// to the next zero byte are the sequence text (scanned like a file); the bytes
// after that zero drive the navigation: single steps, jumps to any step (also
// out of range) and jumps between subsequences.
#include "formulas.h"
#include "fuzz_check.h"
#include "sequence_input.h"
#include "visualizer.h"

#include <QString>
#include <QVariant>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace
{

bool is_sorted_ascending(const QVector<qint32> &v)
{
    return std::is_sorted(v.begin(), v.end());
}

void check_structure(const Visualizer &vis, qint32 n)
{
    const qsizetype gap_count = vis.gaps.size();
    for (qsizetype g = 0; g < gap_count; ++g) {
        FUZZ_CHECK(vis.gaps.at(g) > 0);
        if (g > 0)
            FUZZ_CHECK(vis.gaps.at(g) < vis.gaps.at(g - 1));
    }
    // Every formula ends with a pass of gap 1 when there is something to sort.
    if (n >= 2)
        FUZZ_CHECK(gap_count > 0 && vis.gaps.last() == 1);

    FUZZ_CHECK(vis.steps.size() >= 2);
    qint64 ops = 0;
    qint64 swaps = 0;
    for (const TraceStep &s : vis.steps) {
        FUZZ_CHECK(s.gap_idx == -1 || (s.gap_idx >= 0 && s.gap_idx < gap_count));
        FUZZ_CHECK(s.sub_start == -1 || (s.sub_start >= 0 && s.sub_start < n));
        FUZZ_CHECK(s.pos_a == -1 || (s.pos_a >= 0 && s.pos_a < n));
        FUZZ_CHECK(s.pos_b == -1 || (s.pos_b >= 0 && s.pos_b < n));
        FUZZ_CHECK(!s.text.isEmpty());
        if (s.sub_start != -1) {
            FUZZ_CHECK(s.gap_idx != -1);
            FUZZ_CHECK(s.sub_start < vis.gaps.at(s.gap_idx));
        }
        if (s.pos_b != -1) {
            // A comparison: the left element is one gap before the right one.
            FUZZ_CHECK(s.pos_a != -1 && s.gap_idx != -1);
            FUZZ_CHECK(s.pos_b - s.pos_a == vis.gaps.at(s.gap_idx));
            ++ops;
        }
        if (s.is_swap) {
            FUZZ_CHECK(s.pos_a != -1 && s.pos_b != -1);
            ++swaps;
        }
    }
    FUZZ_CHECK(vis.op_count == ops);
    FUZZ_CHECK(vis.swap_count == swaps);
    const TraceStep &opening = vis.steps.first();
    const TraceStep &closing = vis.steps.last();
    FUZZ_CHECK(opening.gap_idx == -1 && opening.pos_a == -1 && !opening.is_swap);
    FUZZ_CHECK(closing.gap_idx == -1 && closing.pos_a == -1 && !closing.is_swap);
}

void check_position(const Visualizer &vis, const QVector<qint32> &initial)
{
    FUZZ_CHECK(vis.cur_step >= 0 && vis.cur_step < vis.steps.size());
    FUZZ_CHECK(vis.seq.size() == initial.size());
    if (vis.cur_step == 0)
        FUZZ_CHECK(vis.seq == initial);
}

// The arrangement is always a permutation of the initial one.
void check_permutation(const Visualizer &vis, QVector<qint32> sorted_initial)
{
    QVector<qint32> now = vis.seq;
    std::sort(now.begin(), now.end());
    FUZZ_CHECK(now == sorted_initial);
}

// Forward one step at a time to the closing step and past it, then back to
// the opening step and before it.
void walk_whole_trace(Visualizer &vis, const QVector<qint32> &initial,
                      const QVector<qint32> &sorted_initial)
{
    const int last = int(vis.steps.size()) - 1;
    for (int i = 0; i < last; ++i) {
        vis.set_current_step(vis.cur_step + 1);
        FUZZ_CHECK(vis.cur_step == i + 1);
    }
    vis.set_current_step(vis.cur_step + 1); // beyond the end stays at the end
    FUZZ_CHECK(vis.cur_step == last);
    check_permutation(vis, sorted_initial);
    if (!vis.gaps.isEmpty() && vis.gaps.last() == 1)
        FUZZ_CHECK(is_sorted_ascending(vis.seq));
    if (vis.gaps.isEmpty() || initial.size() < 2)
        FUZZ_CHECK(vis.seq == initial);

    for (int i = last; i > 0; --i) {
        vis.set_current_step(vis.cur_step - 1);
        FUZZ_CHECK(vis.cur_step == i - 1);
    }
    vis.set_current_step(-1);
    check_position(vis, initial);
    FUZZ_CHECK(vis.cur_step == 0);
}

// A jump to a step from the next two bytes, spread over and beyond the trace,
// or far outside it on either side; set directly or through the property, as
// animations do.
void jump(Visualizer &vis, uint8_t op, const uint8_t *&p, const uint8_t *end)
{
    const int last = int(vis.steps.size()) - 1;
    int raw = 0;
    for (int k = 0; k < 2 && p < end; ++k)
        raw = raw * 256 + *p++;
    int target = raw % (last + 3) - 1;
    if (op & 0x40)
        target = op & 0x80 ? std::numeric_limits<int>::max() : std::numeric_limits<int>::min();
    if (op & 0x20)
        vis.setProperty("current_step", target);
    else
        vis.set_current_step(target);
    FUZZ_CHECK(vis.cur_step == std::clamp(target, 0, last));
}

// To the start of the next or previous subsequence, skipping none.
void jump_subsequence(Visualizer &vis, bool forward)
{
    const int last = int(vis.steps.size()) - 1;
    const int before = vis.cur_step;
    vis.jump_sub(forward);
    const int now = vis.cur_step;
    if (forward)
        FUZZ_CHECK(now > before || before == last);
    else
        FUZZ_CHECK(now < before || before == 0);
    if (now != 0 && now != last) {
        const TraceStep &s = vis.steps.at(now);
        FUZZ_CHECK(s.sub_start != -1 && s.pos_a == -1);
    }
    for (int i = std::min(before, now) + 1; i < std::max(before, now); ++i) {
        const TraceStep &s = vis.steps.at(i);
        FUZZ_CHECK(!(s.sub_start != -1 && s.pos_a == -1));
    }
}

// Up to 256 moves, one per byte from p: a step either way, a jump, or a jump
// between subsequences.
void navigate(Visualizer &vis, const uint8_t *p, const uint8_t *end, const QVector<qint32> &initial)
{
    const int last = int(vis.steps.size()) - 1;
    vis.set_current_step(last);
    const QVector<qint32> at_last = vis.seq;
    vis.set_current_step(0);
    for (int moves = 0; p < end && moves < 256; ++moves) {
        const uint8_t op = *p++;
        const int before = vis.cur_step;
        switch (op % 5) {
        case 0:
            vis.set_current_step(before + 1);
            FUZZ_CHECK(vis.cur_step == std::min(before + 1, last));
            break;
        case 1:
            vis.set_current_step(before - 1);
            FUZZ_CHECK(vis.cur_step == std::max(before - 1, 0));
            break;
        case 2:
            jump(vis, op, p, end);
            break;
        default:
            jump_subsequence(vis, op % 5 == 3);
            break;
        }
        check_position(vis, initial);
        if (vis.cur_step == last)
            FUZZ_CHECK(vis.seq == at_last);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const GapGenerator gen = gap_generators[size_t(data[0] % formula_count)];
    const uint8_t *text_begin = data + 1;
    const uint8_t *end = data + size;
    const uint8_t *text_end = std::find(text_begin, end, uint8_t(0));
    const uint8_t *nav = text_end == end ? end : text_end + 1;

    const SequenceScan scan = scan_sequence(QString::fromUtf8(
        reinterpret_cast<const char *>(text_begin), qsizetype(text_end - text_begin)));
    if (scan.error != SequenceScan::None)
        return 0;
    const QVector<qint32> initial = scan.numbers;
    QVector<qint32> sorted_initial = initial;
    std::sort(sorted_initial.begin(), sorted_initial.end());

    Visualizer vis(nullptr, nullptr, nullptr, gen, initial);
    vis.build_trace();
    check_structure(vis, qint32(initial.size()));
    FUZZ_CHECK(vis.cur_step == 0);
    check_position(vis, initial);
    walk_whole_trace(vis, initial, sorted_initial);
    navigate(vis, nav, end, initial);
    check_permutation(vis, sorted_initial);
    // Wherever the moves ended, the arrangement is the one a plain replay of
    // the recorded exchanges gives.
    QVector<qint32> replay = initial;
    for (int i = 0; i < vis.cur_step; ++i) {
        const TraceStep &s = vis.steps.at(i);
        if (s.is_swap)
            std::swap(replay[s.pos_a], replay[s.pos_b]);
    }
    FUZZ_CHECK(vis.seq == replay);
    vis.set_current_step(0);
    check_position(vis, initial);
    return 0;
}
