// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/review/PageSink.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <algorithm>
#include <cmath>

namespace vx {

void drawTextTop(QPainter& painter, QPointF topLeft, const QString& text) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
}

// ---- recording ----

void RecordingPageSink::setFont(const QString& family, double pointSize, bool bold) {
    m_current.family = family;
    m_current.pointSize = pointSize;
    m_current.bold = bold;
}

void RecordingPageSink::setColor(const QColor& color) {
    m_current.color = color;
}

void RecordingPageSink::text(int x, int y, const QString& text) {
    PageCall call = m_current;
    call.kind = PageCall::Text;
    call.x = x;
    call.y = y;
    call.text = text;
    calls.append(call);
}

void RecordingPageSink::picture(int x, int y, int width, int height, const QImage& image) {
    PageCall call = m_current;
    call.kind = PageCall::Picture;
    call.x = x;
    call.y = y;
    call.width = width;
    call.height = height;
    call.imageSize = image.size();
    calls.append(call);
}

void RecordingPageSink::newPage() {
    PageCall call = m_current;
    call.kind = PageCall::NewPage;
    calls.append(call);
    ++m_current.page;
}

bool RecordingPageSink::end() {
    PageCall call = m_current;
    call.kind = PageCall::End;
    calls.append(call);
    return true;
}

QList<PageCall> RecordingPageSink::textsOnPage(int page) const {
    QList<PageCall> found;
    for (const PageCall& call : calls)
        if (call.kind == PageCall::Text && call.page == page) found.append(call);
    return found;
}

// ---- painting ----

PainterPageSink::PainterPageSink(QPagedPaintDevice& device) : m_device(device), m_paged(&device) {}

PainterPageSink::PainterPageSink(QImage& image, double scale) : m_device(image), m_scale(scale) {}

PainterPageSink::~PainterPageSink() {
    if (m_started && !m_ended) m_painter.end();
}

bool PainterPageSink::drawing() {
    if (!m_started) {
        m_started = true;
        if (m_paged) {
            m_paged->setPageOrientation(QPageLayout::Landscape);
            // Positions are measured from the sheet's edge. A printer that cannot print that far
            // out refuses the zero margins and keeps its own printable area as the origin.
            m_paged->setPageMargins(QMarginsF(0, 0, 0, 0));
            m_scale = twipScale(m_paged->pageLayout(), m_device.logicalDpiX());
        }
        if (!m_painter.begin(&m_device)) {
            m_failed = true;
            return false;
        }
        m_painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                                 QPainter::SmoothPixmapTransform);
        m_painter.scale(m_scale, m_scale);
    }
    return !m_failed && !m_ended && !m_pastFirstPage;
}

void PainterPageSink::setFont(const QString& family, double pointSize, bool bold) {
    m_font = QFont(family);
    // The painter's unit is the twip, 20 to the point.
    m_font.setPixelSize(std::max(1, static_cast<int>(std::lround(pointSize * 20))));
    m_font.setBold(bold);
}

void PainterPageSink::setColor(const QColor& color) {
    m_color = color;
}

void PainterPageSink::text(int x, int y, const QString& text) {
    if (!drawing()) return;
    m_painter.setFont(m_font);
    m_painter.setPen(m_color);
    drawTextTop(m_painter, QPointF(x, y), text);
}

void PainterPageSink::picture(int x, int y, int width, int height, const QImage& image) {
    if (!drawing() || image.isNull()) return;
    m_painter.drawImage(QRectF(x, y, width, height), image, QRectF(image.rect()));
}

void PainterPageSink::newPage() {
    if (!drawing()) return;
    if (!m_paged) {
        m_pastFirstPage = true;
        return;
    }
    if (!m_paged->newPage()) m_failed = true;
}

bool PainterPageSink::end() {
    drawing();
    if (m_ended) return !m_failed;
    m_ended = true;
    if (m_painter.isActive() && !m_painter.end()) m_failed = true;
    return !m_failed;
}

double twipScale(const QPageLayout& paper, int dpi) {
    const QRectF printable = paper.paintRect(QPageLayout::Point); // 20 twips to the point
    const double fit = std::min({1.0, printable.width() * 20 / kLandscapePageTwips.width(),
                                 printable.height() * 20 / kLandscapePageTwips.height()});
    return fit * dpi / 1440.0;
}

QImage renderPagePreview(const std::function<void(PageSink&)>& report, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const double scale = std::min(double(size.width()) / kLandscapePageTwips.width(),
                                  double(size.height()) / kLandscapePageTwips.height());
    PainterPageSink sink(image, scale);
    report(sink);
    sink.end();
    return image;
}

} // namespace vx
