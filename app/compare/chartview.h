// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#pragma once

#include <QChartView>
#include <QHash>

class QAbstractAxis;

namespace compare_detail
{

// A chart, white to its edges, that shows when it has the keyboard focus,
// which the style does not, and that lays out its parts anew at each size:
// its titles wrap where Qt would cut them short.
class ChartView : public QChartView
{
public:
    explicit ChartView(QWidget *parent);

    // The chart's title and an axis's, as said, on one line.
    void set_title(const QString &title);
    QString title() const { return title_text; }
    void set_axis_title(QAbstractAxis *axis, const QString &title);

    // Its least size: Qt's view would ask for its scene's, which grows with
    // it, so that a page that scrolls would scroll ever further.
    QSize sizeHint() const override;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

    // Lays out the chart's parts at its new size; an override lays out its
    // own before it calls this one.
    virtual void reflow();
    // The least size at which the chart's parts are whole and apart.
    virtual QSize least_size() const { return {}; }
    // Keeps the view at least that large, as what it shows changes.
    void keep_least_size();
    // The height the title, the axes and the margins take, as laid out.
    qreal height_around_plot() const;

private:
    void wrap_axis_titles();

    QString title_text;
    QHash<QAbstractAxis *, QString> axis_titles;
    int rewraps_left = 0; // a new plot area rewraps, a few times per size at most
};

} // namespace compare_detail
