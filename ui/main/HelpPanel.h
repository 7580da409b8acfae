// SPDX-License-Identifier: GPL-3.0-or-later
// The help panel: the short help page in the score list's place, dragged with the
// mouse or moved with its scroll bar. The page is painted once from the help text and the
// illustrations; both are kept in never-shown controls under their names.
#pragma once

#include <QFrame>
#include <QImage>
#include <QList>
#include <QStringList>
#include <array>

class QLabel;
class QListWidget;
class QScrollBar;

namespace vx {

class HelpPanel : public QFrame {
    Q_OBJECT
  public:
    // The never-shown controls are placed in `parent`.
    explicit HelpPanel(QWidget* parent);

    void setHelpLines(const QStringList& lines);
    const QStringList& helpLines() const { return m_lines; }
    QList<QImage> illustrations() const;

    // Places the panel and paints the page.
    void compose(const QColor& screen);
    // Shows the page from wherever it was left.
    void open();

    const QImage& pageImage() const { return m_pageImage; }
    // How far the page can move, in pixels, and its top now (0 or less).
    int scrollRange() const { return m_scrollRange; }
    int pageTop() const { return m_pageTop; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void dragPage(Qt::MouseButtons buttons, int y);
    void followScrollBar();

    QStringList m_lines;
    QFrame* m_pageViewport = nullptr;
    QLabel* m_page = nullptr;
    QLabel* m_scrollBarBack = nullptr;
    QScrollBar* m_scrollBar = nullptr;
    QLabel* m_wholePage = nullptr;
    QListWidget* m_lineList = nullptr;
    std::array<QLabel*, 5> m_illustrationLabels{};
    QImage m_pageImage;
    int m_grabY = 0;
    int m_pageTop = 0;
    int m_scrollRange = 0;
};

} // namespace vx
