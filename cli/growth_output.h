// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// vellora-trace --growth: how the average number of comparisons grows with n,
// over random sequences, as a table or JSON.
#pragma once

class QTextStream;
struct Growth;

void print_growth_table(QTextStream &out, const Growth &growth);
void print_growth_json(QTextStream &out, const Growth &growth);
