// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the history window, drawn by the program itself with QPainter: the dartboard
// coloured by where the darts land, and the averages over the evenings as a line chart. The
// same functions paint the window and the printed page, so no chart package is needed and the
// paper shows what the screen shows.
#pragma once

#include "core/history/HistoryFigures.h"

#include <QColor>
#include <QImage>
#include <QMap>
#include <QWidget>
#include <functional>

class QPainter;

namespace vx {

// From the page's white for no darts to dark red for the spot hit most.
QColor heatColor(double share, double mostHit);

// The board in the square centred in `area`, every spot coloured by its share of the darts,
// with a legend of the colours beside it.
void drawHeatBoard(QPainter& painter, const QRectF& area, const QMap<QString, double>& shares);

// The three-dart and first-nine average per evening, the number of legs at each point.
void drawProgressChart(QPainter& painter, const QRectF& area, const QList<EveningFigures>& evenings);

// A picture of `size` pixels drawn by `draw`, for the printed page.
QImage drawnImage(QSize size, const std::function<void(QPainter&, const QRectF&)>& draw);

// A widget that paints itself with one of the functions above.
class DrawnView : public QWidget {
  public:
    explicit DrawnView(QWidget* parent = nullptr) : QWidget(parent) {}
    void setDrawing(std::function<void(QPainter&, const QRectF&)> draw);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::function<void(QPainter&, const QRectF&)> m_draw;
};

} // namespace vx
