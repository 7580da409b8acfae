#include "ui/main/MainWindowLayout.h"

#include "core/common/Utilities.h"
#include "ui/widgets/FormLook.h"
#include "ui/main/MainWindow.h"
#include "core/common/Services.h"
#include "ui/widgets/StyledButton.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QTableView>

namespace vx {

namespace {

// Labels that hold a number the scorer reads from a distance.
void ScoreBox(QLabel* label, int pointSize) {
    QFont font(QStringLiteral("Arial"), pointSize, QFont::Bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
}

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

void Caption(QLabel* label, const QString& text, int left, int top) {
    label->setText(text);
    PlaceTwips(label, left, top);
}

} // namespace

void ComposeBoard(MainWindow& m) {
    const QColor& screen = m.state.ScreenColor;
    PlaceTwips(m.Frame1, 150, 60, 11400, 3000);
    SetBackColor(m.Frame1, screen);
    const std::array<QColor, 3> rowColour = {QColor(90, 0, 0), QColor(0, 90, 0), QColor(0, 0, 90)};
    const std::array<int, 3> rowTop = {300, 840, 1380};
    for (int i = 1; i <= 20; ++i) {
        const std::array<StyledButton*, 3> row = {m.Knop1[i], m.Knop2[i], m.Knop3[i]};
        for (int r = 0; r < 3; ++r) {
            PlaceTwips(row[r], 180 + 450 * (i - 1), rowTop[r], 420, 420);
            row[r]->setText(QString::number(i));
            row[r]->setForeColor(rowColour[r]);
            row[r]->setEnabled(false);
        }
    }
    Caption(m.Label1, QStringLiteral("Single"), 9240, 390);
    SetForeColor(m.Label1, rowColour[0]);
    Caption(m.Label2, QStringLiteral("Double"), 9240, 930);
    SetForeColor(m.Label2, rowColour[1]);
    Caption(m.Label3, QStringLiteral("Triple"), 9240, 1470);
    SetForeColor(m.Label3, rowColour[2]);
    Caption(m.Label4, QStringLiteral("Bull           Bull's Eye     Zero"), 600, 2160);

    PlaceTwips(m.Bull25, 180, 2460, 1200, 360);
    m.Bull25->setText(QStringLiteral("25"));
    m.Bull25->setEnabled(false);
    PlaceTwips(m.Bull50, 1455, 2460, 1200, 360);
    m.Bull50->setText(QStringLiteral("50"));
    m.Bull50->setEnabled(false);
    PlaceTwips(m.ZeroKnop, 2715, 2460, 750, 360);
    m.ZeroKnop->setText(QStringLiteral("0"));
    m.ZeroKnop->setEnabled(false);
    m.ZeroKnop->setToolTip(QStringLiteral(" Misser / Buiten de ring "));

    m.UitgooiLabel->setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
    Caption(m.UitgooiLabel, QStringLiteral("Darts Checkout"), 4800, 2490);
    // The suggestion grows and shrinks with every dart; give it the room up to Correctie.
    m.UitgooiLabel->resize(TwipsToPixels(3100), m.UitgooiLabel->height());

    PlaceTwips(m.CorrectieKnop, 8010, 2460, 990, 375);
    m.CorrectieKnop->setText(QStringLiteral("Correctie"));
    m.CorrectieKnop->setEnabled(true);
    m.CorrectieKnop->setToolTip(QStringLiteral(" Dart scores ongedaan maken "));

    Caption(m.Label6, QStringLiteral("Dart 1     Dart 2     Dart 3"), 9210, 2160);
    for (int j = 1; j <= 3; ++j) {
        PlaceTwips(m.Label5[j], 9180 + 750 * (j - 1), 2460, 600, 390);
        SetBackColor(m.Label5[j], m.state.DartBoxColor);
        ScoreBox(m.Label5[j], 11);
        m.Label5[j]->setFrameStyle(QFrame::Box | QFrame::Plain);
        m.Label5[j]->setText(QStringLiteral("0"));
    }

    PlaceTwips(m.AddKnop, 11690, 165, 480, 2880);
    m.AddKnop->setText(QStringLiteral("A\nD\nD"));
    m.AddKnop->setToolTip(QStringLiteral(" Score toevoegen van de 3 darts "));
}

void ComposeTeamPanel(MainWindow& m) {
    PlaceTwips(m.Frame4, 12300, 60, 4665, 8820);
    SetBackColor(m.Frame4, m.state.ScreenColor);

    PlaceTwips(m.Label7, 180, 300, 1350, 630);
    SetBackColor(m.Label7, QColor(230, 230, 0));
    ScoreBox(m.Label7, 22);
    Caption(m.Label8, QStringLiteral("Team :"), 1620, 315);
    Caption(m.Label12, QStringLiteral("?"), 2400, 315);
    Caption(m.Label11, QStringLiteral("Speler :"), 1620, 660);
    Caption(m.Label9, QStringLiteral("?"), 2475, 660);
    // Names arrive later and may be long: give them the width of the panel.
    for (QLabel* name : {m.Label12, m.Label9})
        name->resize(m.Frame4->width() - name->x() - 6, name->height());

    PlaceTwips(m.Label10, 180, 1080, 4290, 2040);
    m.Label10->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PlaceTwips(m.List1, 300, 1200, 4080, 1830);
    SetBackColor(m.List1, QColor(250, 250, 220));
    SetForeColor(m.List1, QColor(50, 50, 20));
    m.List1->setFont(QFont(QStringLiteral("Arial"), 16));
    // Five columns, filled top to bottom and then the next column.
    m.List1->setFlow(QListView::TopToBottom);
    m.List1->setWrapping(true);
    m.List1->setResizeMode(QListView::Adjust);
    m.List1->setGridSize(QSize(m.List1->width() / 5 - 1, m.List1->fontMetrics().height() + 4));
    m.List1->setFocusPolicy(Qt::NoFocus);

    PlaceTwips(m.PicLabel, 180, 3330, 4290, 4275);
    m.PicLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PlaceTwips(m.Pic, 300, 3435, 4065, 4065);
    Caption(m.Label21, QStringLiteral("Team Match"), 1560, 7740);
    Caption(m.Label18, QStringLiteral("1"), 4320, 7650);

    PlaceTwips(m.SpelersList, 255, 3405, 4155, 4140);
    SetBackColor(m.SpelersList, QColor(0, 40, 0));
    SetForeColor(m.SpelersList, QColor(230, 230, 230));
    m.SpelersList->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    m.SpelersList->setToolTip(QStringLiteral(" Klik op een spelersnaam "));
    m.SpelersList->hide();

    PlaceTwips(m.NextPlayerKnop, 180, 8250, 4290, 390);
    m.NextPlayerKnop->setText(QStringLiteral("Volgende Speler"));
    m.NextPlayerKnop->setEnabled(true);

    // A missing or unreadable board picture leaves the box empty; the rest goes on.
    m.boardImage = QImage(folders().dataFile(QStringLiteral("Dartbord.jpg")));
    if (!m.boardImage.isNull()) m.boardImage = m.boardImage.convertToFormat(QImage::Format_RGB32);
    m.picImage = m.boardImage;
    m.Pic->setPixmap(m.picImage.isNull() ? QPixmap() : QPixmap::fromImage(m.picImage));
}

void ComposeDuoPanel(MainWindow& m) {
    PlaceTwips(m.DuoFrame, 12300, 60, 4665, 8820);
    SetBackColor(m.DuoFrame, m.state.ScreenColor);
    const QPixmap startBol = UiPicture(QStringLiteral("StartBol.png"));
    for (int k = 1; k <= 2; ++k) {
        const bool one = k == 1;
        const QString n = QString::number(k);
        PlaceTwips(m.ScoreLabel[k], one ? 180 : 3120, 300, 1350, 630);
        SetBackColor(m.ScoreLabel[k], QColor(230, 230, 0));
        ScoreBox(m.ScoreLabel[k], 22);
        Caption(m.SpelerLabel[k], QStringLiteral("Speler ") + n, one ? 210 : 3570, 1140);
        m.SpelerLabel[k]->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
        m.SpelerLabel[k]->adjustSize();

        PlaceTwips(m.ListSpeler[k], one ? 180 : 3090, 1590, 1350, 3030);
        SetBackColor(m.ListSpeler[k], one ? QColor(150, 250, 120) : QColor(250, 250, 220));
        SetForeColor(m.ListSpeler[k], QColor(0, 0, 0));
        m.ListSpeler[k]->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
        m.ListSpeler[k]->setFocusPolicy(Qt::NoFocus);

        PlaceTwips(m.PuntenLabel[k], one ? 1620 : 2400, 2100, 600, 330);
        SetBackColor(m.PuntenLabel[k], m.state.DartBoxColor);
        ScoreBox(m.PuntenLabel[k], 10);
        m.PuntenLabel[k]->setFrameStyle(QFrame::Box | QFrame::Plain);
        m.PuntenLabel[k]->setText(QStringLiteral("0"));
        m.PuntenLabel[k]->setToolTip(QStringLiteral(" Totaalscore 3 darts speler ") + n +
                                     QStringLiteral(" "));

        m.StartBol[k]->setPixmap(startBol);
        PlaceTwips(m.StartBol[k], one ? 1620 : 2400, 2550);
        m.StartBol[k]->setToolTip(QStringLiteral(" Deze speler gooit als 1e "));
        m.StartBol[k]->hide();

        PlaceTwips(m.AddKnopDuo[k], one ? 180 : 3090, 4740, 1365, 360);
        m.AddKnopDuo[k]->setText(QStringLiteral("Add"));
        m.AddKnopDuo[k]->setEnabled(false);
        m.AddKnopDuo[k]->setToolTip(QStringLiteral(" Score toevoegen aan Speler ") + n + QStringLiteral(" "));

        PlaceTwips(m.UitgooiSpeler[k], one ? 180 : 3090, 5190, 1365, 330);
        m.UitgooiSpeler[k]->setText(QStringLiteral("Checkout"));
        m.UitgooiSpeler[k]->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));

        Caption(m.GemidLabel[k], QStringLiteral("Gemiddelde"), one ? 840 : 3750, 5490);
        m.GemidLabel[k]->setToolTip(QStringLiteral(" Gemiddelde van speler ") + n + QStringLiteral(" "));
    }
    Caption(m.Label14, QStringLiteral("Duo Match"), 1710, 450);
    Caption(m.Label15, QStringLiteral("Score"), 2010, 1740);
    Caption(m.Label17, QStringLiteral("First to 3 Sets"), 360, 6150);
    m.Label17->resize(TwipsToPixels(4000), m.Label17->height());
    PlaceTwips(m.Frame5, 210, 6390, 4260, 1200);
    SetBackColor(m.Frame5, m.state.ScreenColor);
    m.Frame5->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Caption(m.Label16, QStringLiteral("Naam Spelers                     Sets    Legs"), 360, 7680);
    PlaceTwips(m.NextKnop, 180, 8250, 4290, 390);
    m.NextKnop->setText(QStringLiteral("Volgende Ronde"));
    m.NextKnop->setEnabled(false);

    for (int k = 1; k <= 2; ++k) {
        const int top = k == 1 ? 270 : 690;
        PlaceTwips(m.NaamLabel[k], 150, top, 2640, 360);
        m.NaamLabel[k]->setText(QStringLiteral("Player %1").arg(k));
        m.NaamLabel[k]->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
        PlaceTwips(m.SetsLabel[k], 2850, top, 600, 360);
        PlaceTwips(m.LegsLabel[k], 3510, top, 600, 360);
        for (QLabel* count : {m.SetsLabel[k], m.LegsLabel[k]}) {
            count->setText(QStringLiteral("0"));
            SetBackColor(count, m.state.DartBoxColor);
            ScoreBox(count, 11);
            count->setFrameStyle(QFrame::Box | QFrame::Plain);
        }
    }
}

void ComposeMenuBar(MainWindow& m) {
    PlaceTwips(m.Frame3, 150, 7890, 12000, 990);
    SetBackColor(m.Frame3, m.state.ScreenColor);
    for (int i = 0; i <= 8; ++i) {
        PlaceTwips(m.MenuKnop[i], 135 + 675 * i, 240, 600, 600);
        m.MenuKnop[i]->setPicture(UiPicture(QStringLiteral("MenuKnop%1.png").arg(i)));
        m.MenuKnop[i]->setText(QString());
    }
    m.KlokLabel->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
    Caption(m.KlokLabel, QStringLiteral("00:00:00"), 10380, 360);
}

namespace {

// The whole help page, painted once: title, the help lines by their number, the pictures,
// the closing line. Lines are never moved aside for the pictures; the text leaves room.
QImage PaintHelpPage(const MainWindow& m) {
    QImage page(TwipsToPixels(11295), TwipsToPixels(9750), QImage::Format_RGB32);
    page.fill(QColor(0, 30, 0));
    QPainter p(&page);
    QFont font(QStringLiteral("Arial"), 8);
    auto print = [&](int left, int top, const QString& text) {
        p.setFont(font);
        p.drawText(TwipsToPixels(left), TwipsToPixels(top) + QFontMetrics(font).ascent(), text);
    };
    font.setBold(true);
    p.setPen(QColor(230, 230, 30));
    print(150, 150, QStringLiteral("Beknopte uitleg programma Vorlentix"));
    font.setBold(false);
    p.setPen(QColor(230, 230, 230));
    for (int n = 0; n < m.HelpList->count(); ++n)
        print(150, 540 + 240 * n, m.HelpList->item(n)->text());
    const std::array<int, 6> tops = {0, 1800, 3480, 5140, 6360, 7800};
    for (int i = 1; i <= 5; ++i) {
        p.drawPixmap(TwipsToPixels(165), TwipsToPixels(tops[i]), m.Image[i]->pixmap());
    }
    p.setPen(QColor(230, 230, 30));
    print(150, 9000, QStringLiteral("Klik nogmaals op de Helpknop om dit scherm weer te verlaten."));
    return page;
}

} // namespace

void ComposeListAndHelp(MainWindow& m) {
    PlaceTwips(m.Frame2, 150, 3120, 12000, 4500);
    SetBackColor(m.Frame2, m.state.ScreenColor);
    PlaceTwips(m.ListView1, 150, 270, 11685, 4050);
    m.ListView1->setToolTip(QStringLiteral(" Scorelijst Spelers "));
    m.ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    m.ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    m.ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m.ListView1->verticalHeader()->hide();
    m.ListView1->verticalHeader()->setDefaultSectionSize(m.ListView1->fontMetrics().height() + 4);
    m.ListView1->setWordWrap(false);
    m.ListView1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    if (!dynamic_cast<PlainCellPainter*>(m.ListView1->itemDelegate()))
        m.ListView1->setItemDelegate(new PlainCellPainter(m.ListView1));
    m.scoreList.setFirstHeader(QStringLiteral("Naam Speler"));
    QHeaderView* header = m.ListView1->horizontalHeader();
    header->setMinimumSectionSize(8);
    header->resizeSection(0, TwipsToPixels(1950));
    header->resizeSection(1, TwipsToPixels(750));
    for (int c = 2; c <= 26; ++c)
        header->resizeSection(c, TwipsToPixels(600));
    header->resizeSection(27, TwipsToPixels(1200));
    Caption(m.Label19, QStringLiteral("0 Items"), 180, 7680);
    m.Label19->resize(TwipsToPixels(9000), m.Label19->height());

    PlaceTwips(m.HelpFrame, 150, 3120, 12000, 4500);
    SetBackColor(m.HelpFrame, m.state.ScreenColor);
    PlaceTwips(m.PicCont, 150, 270, 11295, 4050);
    PlaceTwips(m.SlidePic, 0, 0, 11295, 4050);
    PlaceTwips(m.Label20, 11490, 270, 360, 4050);
    PlaceTwips(m.VScroll1, 11520, 300, 300, 3990);
    PlaceTwips(m.SlideBackPic, 0, 0, 11295, 9750);

    for (int i = 1; i <= 5; ++i)
        m.Image[i]->setPixmap(UiPicture(QStringLiteral("HelpImage%1.png").arg(i)));
    m.slideBackImage = PaintHelpPage(m);
    m.SlideBackPic->setPixmap(QPixmap::fromImage(m.slideBackImage));
}

void ComposeMainWindow(MainWindow& m, bool duoMatch) {
    if (duoMatch) {
        m.Frame4->hide();
        m.DuoFrame->show();
        m.AddKnop->setEnabled(false);
        m.UitgooiLabel->hide();
        m.state.ScreenColor = QColor(230, 230, 180);
        SetForeColor(m.KlokLabel, QColor(180, 180, 180));
    } else {
        m.DuoFrame->hide();
        m.Frame4->show();
        m.AddKnop->setEnabled(true);
        m.UitgooiLabel->show();
        m.state.ScreenColor = QColor(170, 200, 170);
        SetForeColor(m.KlokLabel, QColor(150, 150, 150));
    }
    SetBackColor(m.centralWidget(), m.state.ScreenColor);
    ComposeBoard(m);
    ComposeTeamPanel(m);
    ComposeDuoPanel(m);
    ComposeMenuBar(m);
    ComposeListAndHelp(m);
}

} // namespace vx
