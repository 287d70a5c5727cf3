// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#pragma once

#include <QChartView>

namespace compare_detail
{

// A chart, white to its edges, that shows when it has the keyboard focus,
// which the style does not.
class ChartView : public QChartView
{
public:
    explicit ChartView(QWidget *parent);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace compare_detail
