// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/ScoreListPanel.h"

#include "core/common/Utilities.h"
#include "core/scorelist/ScoreList.h"
#include "ui/main/PanelLook.h"
#include "ui/widgets/FormLook.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QStaticText>
#include <QStyleOptionSlider>
#include <QStyledItemDelegate>
#include <QTableView>
#include <algorithm>
#include <limits>
#include <utility>

namespace vx {

namespace {

// The score list's cells are short plain texts, and the same few hundred of them ("-", the
// turn scores, the averages) come back in every row. The style's full item painter lays each
// one out anew, and every new row repaints the whole visible grid: this painter draws the text
// on its background from laid-out texts it keeps.
class PlainCellPainter final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        if (selected) painter->fillRect(option.rect, option.palette.brush(QPalette::Highlight));
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const QStaticText& text = laidOut(index.data(Qt::DisplayRole).toString(), option.font);
        const QRect room = option.rect.adjusted(3, 0, -2, 0);
        const QPointF at(room.left(), room.top() + (room.height() - text.size().height()) / 2);
        if (text.size().width() <= room.width()) {
            painter->drawStaticText(at, text);
            return;
        }
        painter->save();
        painter->setClipRect(room, Qt::IntersectClip);
        painter->drawStaticText(at, text);
        painter->restore();
    }

  private:
    const QStaticText& laidOut(const QString& text, const QFont& font) const {
        if (font != m_font || m_texts.size() > 4000) {
            m_texts.clear();
            m_font = font;
        }
        auto it = m_texts.find(text);
        if (it == m_texts.end()) {
            QStaticText laid(text);
            laid.setTextFormat(Qt::PlainText);
            laid.prepare(QTransform(), font);
            it = m_texts.insert(text, laid);
        }
        return *it;
    }
    mutable QHash<QString, QStaticText> m_texts;
    mutable QFont m_font;
};

// The grid of a list that grows by a leg at a time. A view lays its rows out anew after any
// change of the rows and then repaints all it shows; rows only added at the end leave every row
// above them where it was, so then only the scroll bar and the room from the first new row down
// are painted.
class ScoreTable final : public QTableView {
  public:
    using QTableView::QTableView;

    void setModel(QAbstractItemModel* model) override {
        QTableView::setModel(model);
        m_onlyAppended = false;
        if (!model) return;
        connect(model, &QAbstractItemModel::rowsInserted, this,
                [this, model](const QModelIndex&, int first, int last) {
                    if (last + 1 != model->rowCount()) m_onlyAppended = false;
                    m_firstAppended = std::min(m_firstAppended, first);
                });
        const auto relaid = [this] { m_onlyAppended = false; };
        connect(model, &QAbstractItemModel::rowsRemoved, this, relaid);
        connect(model, &QAbstractItemModel::rowsMoved, this, relaid);
        connect(model, &QAbstractItemModel::columnsInserted, this, relaid);
        connect(model, &QAbstractItemModel::columnsRemoved, this, relaid);
        connect(model, &QAbstractItemModel::columnsMoved, this, relaid);
        connect(model, &QAbstractItemModel::modelReset, this, relaid);
        connect(model, &QAbstractItemModel::layoutChanged, this, relaid);
    }

    void doItemsLayout() override {
        const bool onlyAppended = std::exchange(m_onlyAppended, true);
        const int first = std::exchange(m_firstAppended, std::numeric_limits<int>::max());
        if (!onlyAppended || first == std::numeric_limits<int>::max()) return QTableView::doItemsLayout();
        updateGeometries();
        const int top = rowViewportPosition(first);
        if (top < viewport()->height())
            viewport()->update(0, top, viewport()->width(), viewport()->height() - top);
    }

  private:
    bool m_onlyAppended = false; // since the last layout, nothing but rows added at the end
    int m_firstAppended = std::numeric_limits<int>::max();
};

// The list's scroll bars, shown from a picture of their last look. The view lays its scroll
// bars out again after every change of its rows, and Qt then raises each of the two above the
// other, which repaints both even when the slider has not moved by a pixel. The style paints
// them in gradients that Qt hands to its thread pool and waits for: at a leg end that wait was
// about half the time.
class ScoreScrollBar final : public QScrollBar {
  public:
    using QScrollBar::QScrollBar;

  protected:
    void paintEvent(QPaintEvent* event) override {
        // Under the mouse its parts light up and press in: drawn as they are, every time.
        if (underMouse() || isSliderDown()) {
            m_picture = {};
            return QScrollBar::paintEvent(event);
        }
        QStyleOptionSlider option;
        initStyleOption(&option);
        option.subControls = QStyle::SC_All;
        option.activeSubControls = QStyle::SC_None;
        const Look now{style(),
                       option.rect.size(),
                       style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this),
                       int(option.state),
                       value() == minimum(),
                       value() == maximum(),
                       palette().cacheKey(),
                       devicePixelRatioF()};
        if (m_picture.isNull() || !(now == m_look)) {
            m_look = now;
            m_picture = QPixmap(size() * now.ratio);
            m_picture.setDevicePixelRatio(now.ratio);
            m_picture.fill(palette().color(backgroundRole()));
            QPainter painter(&m_picture);
            style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
        }
        QPainter(this).drawPixmap(0, 0, m_picture);
    }

  private:
    struct Look {
        const QStyle* style = nullptr;
        QSize size;
        QRect slider;
        int state = 0;
        bool atMinimum = false; // the arrows at an end look disabled
        bool atMaximum = false;
        qint64 palette = 0;
        qreal ratio = 1;
        bool operator==(const Look&) const = default;
    };
    Look m_look;
    QPixmap m_picture;
};

} // namespace

ScoreListPanel::ScoreListPanel(QWidget* parent, ScoreListModel& list) : QFrame(parent), m_list(list) {
    setObjectName(QStringLiteral("Frame2"));
    m_table = MakeControl<ScoreTable>(this, QStringLiteral("ListView1"));
    m_table->setModel(&list);
    m_table->setVerticalScrollBar(new ScoreScrollBar(Qt::Vertical));
    m_table->setHorizontalScrollBar(new ScoreScrollBar(Qt::Horizontal));
    m_table->setItemDelegate(new PlainCellPainter(m_table));
    m_rowCountLabel = MakeControl<QLabel>(parent, QStringLiteral("Label19"));
    // The counter follows the list itself, so no way rows come or go (a leg, a load, the
    // editor) can leave an old count behind.
    connect(&list, &ScoreListModel::rowsInserted, this, &ScoreListPanel::showRowCount);
    connect(&list, &ScoreListModel::rowsRemoved, this, &ScoreListPanel::showRowCount);
    connect(&list, &ScoreListModel::modelReset, this, &ScoreListPanel::showRowCount);
}

void ScoreListPanel::compose(const QColor& screen) {
    placeTwips(this, 150, 3120, 12000, 4500);
    setBackColor(this, screen);
    placeTwips(m_table, 150, 270, 11685, 4050);
    m_table->setToolTip(tr(" Scorelijst Spelers "));
    m_table->setAccessibleName(tr("Scorelijst Spelers"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 4);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list.setFirstHeader(QString());
    QHeaderView* header = m_table->horizontalHeader();
    header->setMinimumSectionSize(8);
    header->resizeSection(0, twipsToPixels(1950));
    header->resizeSection(1, twipsToPixels(750));
    for (int c = 2; c <= 26; ++c)
        header->resizeSection(c, twipsToPixels(600));
    header->resizeSection(27, twipsToPixels(1200));
    placeCaption(m_rowCountLabel, m_list.itemsText(), 180, 7680);
    m_rowCountLabel->resize(twipsToPixels(9000), m_rowCountLabel->height());
}

void ScoreListPanel::showRowCount() {
    m_rowCountLabel->setText(m_list.itemsText());
}

void ScoreListPanel::showText(const QString& text) {
    m_rowCountLabel->setText(text);
}

} // namespace vx
