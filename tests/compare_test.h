// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// What the tests of the window that compares the formulas share: the main
// window, the compare window F6 opens over it with its parts, and
// vellora-trace to check what it shows.
#pragma once

#include "compare.h"
#include "growthchart.h"
#include "trace_run.h"
#include "window_fixture.h"

#include <QChartView>

class CompareTest : public QObject
{
    Q_OBJECT

protected:
    std::optional<WindowFixture> w;

    CompareWindow *compare() const { return w->window->findChild<CompareWindow *>(); }
    template <class T = QWidget> T *get(const char *name) const
    {
        return compare()->findChild<T *>(QLatin1String(name));
    }
    QTableWidget *table() const { return get<QTableWidget>("costTable"); }
    QChartView *chart(int page) const
    {
        return get<QChartView>(page == 0 ? "barChart" : "growthChart");
    }
    QTabWidget *pages() const { return compare()->findChild<QTabWidget *>(); }
    compare_detail::GrowthChart *growth_chart() const
    {
        return static_cast<compare_detail::GrowthChart *>(chart(1));
    }

    // F6 opens the window, or brings it back, with the costs shown.
    bool open()
    {
        press(Qt::Key_F6);
        return compare() != nullptr && QTest::qWaitForWindowActive(compare()) &&
               QTest::qWaitFor([this] { return table()->item(0, 0) != nullptr; });
    }

    bool back_to_main_window()
    {
        w->window->activateWindow();
        return QTest::qWaitForWindowActive(w->window);
    }

    // The growth page shown with its chart drawn.
    bool growth_shown()
    {
        if (!open())
            return false;
        QSignalSpy drawn(compare(), &CompareWindow::growth_drawn);
        pages()->setCurrentIndex(1);
        return drawn.wait(60000);
    }

private slots:
    void init() { w.emplace(); }
    void cleanup() { w.reset(); }
};
