// SPDX-License-Identifier: GPL-3.0-or-later
// The page interface the reports draw on. Positions and sizes are twips from the top-left of the
// page, a text is placed by its top-left corner (as a printer's text position works), and the
// font and colour stay in force until they are set again. The reports know nothing else about
// the device: a printer, a PDF file, a preview picture or a test's recorder.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QPainter>
#include <QString>
#include <functional>

class QPagedPaintDevice;

namespace vx {

class PageSink {
  public:
    virtual ~PageSink() = default;
    virtual void setFont(const QString& family, double pointSize, bool bold) = 0;
    virtual void setColor(const QColor& color) = 0;
    virtual void text(int x, int y, const QString& text) = 0;
    // The whole image, scaled to width x height twips.
    virtual void picture(int x, int y, int width, int height, const QImage& image) = 0;
    virtual void newPage() = 0;
    // Ends the document and hands it over; false when it could not be delivered.
    virtual bool end() = 0;
};

// What a report asked for, one entry per drawing call, with the font and colour in force and
// the 1-based page it went on.
struct PageCall {
    enum Kind { Text, Picture, NewPage, End };
    Kind kind = Text;
    int page = 1;
    int x = 0;
    int y = 0;
    int width = 0;  // pictures only
    int height = 0; // pictures only
    QString text;
    QSize imageSize; // pictures only
    QString family;
    double pointSize = 0;
    bool bold = false;
    QColor color;
};

class RecordingPageSink final : public PageSink {
  public:
    void setFont(const QString& family, double pointSize, bool bold) override;
    void setColor(const QColor& color) override;
    void text(int x, int y, const QString& text) override;
    void picture(int x, int y, int width, int height, const QImage& image) override;
    void newPage() override;
    bool end() override;

    QList<PageCall> calls;
    int pageCount() const { return m_current.page; }
    // The text calls of one page, in order.
    QList<PageCall> textsOnPage(int page) const;

  private:
    PageCall m_current; // font, colour and page in force
};

// Draws on a real device through QPainter with one twip as the unit. The device is only opened
// at the first drawing call, so a report that gives up before drawing leaves nothing behind
// (no empty PDF file, no blank sheet).
class PainterPageSink final : public PageSink {
  public:
    // Printer or PDF writer: landscape pages of the device's paper without margins, the page
    // fitted onto them by twipScale().
    explicit PainterPageSink(QPagedPaintDevice& device);
    // One page onto an image, each twip `scale` pixels; later pages are left out.
    PainterPageSink(QImage& image, double scale);
    ~PainterPageSink() override;

    void setFont(const QString& family, double pointSize, bool bold) override;
    void setColor(const QColor& color) override;
    void text(int x, int y, const QString& text) override;
    void picture(int x, int y, int width, int height, const QImage& image) override;
    void newPage() override;
    bool end() override;

  private:
    bool drawing();

    QPaintDevice& m_device;
    QPagedPaintDevice* m_paged = nullptr;
    double m_scale = 1;
    QPainter m_painter;
    QFont m_font;
    QColor m_color = Qt::black;
    bool m_started = false;
    bool m_failed = false;
    bool m_ended = false;
    bool m_pastFirstPage = false;
};

// A4 landscape in twips, the page every report is laid out on and the previews show.
inline constexpr QSize kLandscapePageTwips{16838, 11906};

// Device pixels per twip on `paper` at `dpi`: a twip is 1/1440 inch from the corner of the
// printable area as long as the whole A4 landscape page fits there; on smaller paper (US Letter)
// or inside a printer's margins the page shrinks evenly until it fits, so nothing runs off the
// sheet and nothing is stretched.
double twipScale(const QPageLayout& paper, int dpi);

// The first page of a report as a small picture, e.g. for the print dialog.
QImage renderPagePreview(const std::function<void(PageSink&)>& report, QSize size = {186, 136});

// Draws text with its top-left at `topLeft`, the way every text of the program is placed.
void drawTextTop(QPainter& painter, QPointF topLeft, const QString& text);

} // namespace vx
