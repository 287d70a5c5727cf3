// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "presentation.h"

#include "paneview.h"
#include "rows.h"
#include "visualizer.h"
#include "words.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QVBoxLayout>
#include <QtMath>

namespace
{

// Pixels, still legible from the back of a hall.
constexpr qreal smallest_box = 40;
constexpr qreal smallest_digits = 20;

} // namespace

PresentationView::PresentationView(Visualizer *vis, QWidget *parent)
    : FullScreenView(tr("Vellora – Presentation"), parent), vis(vis)
{
    // The view's background too is white, whatever the desktop's colours.
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    setPalette(colours);

    view = new QGraphicsView(vis->scene, this);
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setRenderHint(QPainter::Antialiasing);
    // Keys go to the presentation, whose actions are the window's.
    view->setFocusPolicy(Qt::NoFocus);

    panes = new PaneView(vis, view, 1);

    text = new QLabel(this);
    text->setObjectName(QStringLiteral("statusText"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto *layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(view);
    layout->addLayout(make_notes());
    layout->addWidget(text, 2);

    make_blank();

    connect(vis->scene, &QGraphicsScene::sceneRectChanged, this, [this] { rescale(); });
}

QBoxLayout *PresentationView::make_notes()
{
    // What the colours and marks mean, for whoever cannot tell the colours apart.
    legend = new QLabel(canvas_legend(true), this);
    legend->setObjectName(QStringLiteral("legend"));
    legend->setTextFormat(Qt::PlainText);
    legend->setAlignment(Qt::AlignHCenter);
    legend->setWordWrap(true);

    score = new QLabel(this);
    score->setObjectName(QStringLiteral("score"));
    score->setTextFormat(Qt::PlainText);
    score->setAlignment(Qt::AlignHCenter);
    score->hide();
    auto *notes = new QVBoxLayout;
    notes->setSpacing(0);
    notes->addWidget(legend);
    notes->addWidget(score);
    return notes;
}

void PresentationView::make_blank()
{
    blank = new QWidget(this);
    QPalette black = blank->palette();
    black.setColor(QPalette::Window, Qt::black);
    blank->setPalette(black);
    blank->setAutoFillBackground(true);
    blank->hide();
}

void PresentationView::set_words(const StepWords &words)
{
    text->setText(words.text());
}

qreal PresentationView::scale_for(const QSizeF &picture, const QSize &screen, qreal height_share,
                                  qreal digit_height)
{
    const qreal margin = screen.width() * 0.05;
    qreal scale = (screen.width() - 2 * margin) / qMax<qreal>(picture.width(), 1);
    scale = qMin(scale, screen.height() * height_share / rows::height);
    qreal least = smallest_box / rows::box_size;
    if (digit_height > 0)
        least = qMax(least, smallest_digits / digit_height);
    return qMax(scale, least);
}

void PresentationView::follow()
{
    panes->follow();
}

const PaneLayout &PresentationView::pane_layout() const
{
    return panes->layout();
}

bool PresentationView::blanked() const
{
    return blank->isVisible();
}

void PresentationView::set_blanked(bool on)
{
    blank->setGeometry(rect());
    blank->raise();
    blank->setVisible(on);
}

void PresentationView::set_score(const QString &line)
{
    score->setText(line);
    score->setVisible(!line.isEmpty());
}

void PresentationView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        emit activated();
}

void PresentationView::resizeEvent(QResizeEvent *event)
{
    blank->setGeometry(rect());
    QFont font = text->font();
    font.setPixelSize(qMax(12, height() / 24));
    text->setFont(font);
    // Legible from the back of the hall too: 30 pixels on a full HD screen.
    font.setPixelSize(qMax(12, height() / 36));
    legend->setFont(font);
    score->setFont(font);
    layout()->setSpacing(height() / 20);
    FullScreenView::resizeEvent(event);
}

void PresentationView::rescale()
{
    const QRectF picture = vis->scene->sceneRect();
    const qreal digits = QFontMetricsF(vis->scene->font()).capHeight();
    const qreal scale = scale_for(picture.size(), size(), 0.55, digits);
    // Room below the rows for what panes say of the elements past their edges.
    view->setFixedHeight(qCeil((picture.height() + rows::box_size) * scale) + 2);
    panes->set_scale(scale);
    view->centerOn(picture.center());
}
