#include "engine/shell/GameHistoryWindow.h"

#include "engine/core/Game.h"
#include "engine/display/FixedSizes.h"
#include "engine/display/WindowPlacement.h"
#include "engine/state/ReelStrips.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace slotmachine {

namespace {

// The sizes at a layout width up to 1024 pixels; larger layouts grow them all alike.
constexpr int SheetCell = 76; // a symbol cell of the sheet
constexpr int PointSize = 10;
constexpr int StepsWidth = 370;
constexpr int Spacing = 10;

const QColor ReelsBackground(32, 32, 36);
const QColor OpenLineColour(220, 30, 30);
const QColor PaidLineColour(255, 200, 40);
const QColor ClosedRowShade(0, 0, 0, 120);
const QColor CaptionColour(235, 235, 235);

int grown(double scale, int pixels) {
    return std::max(1, static_cast<int>(std::lround(pixels * scale)));
}

} // namespace

// The three reels of a play at rest, as the machine showed them: each reel's stop
// and the two positions after it, drawn from the game's symbol sheet. Rows that no
// coin opened are shaded, open lines are crossed by a red line, and a line that
// paid is framed in gold with its pay beside it.
class HistoryReels final : public QWidget {
public:
    HistoryReels(const Game& game, const QImage& sheet, double scale, QWidget* parent)
        : QWidget(parent), game_(game), cell_(grown(scale, SheetCell)),
          sheetCell_(grown(scale * devicePixelRatioF(), SheetCell)), scale_(scale) {
        // Each cell of the sheet grown once, smoothly and on its own (so that no
        // neighbour bleeds into its edges), to its size in device pixels: drawn
        // pixel for pixel.
        for (int top = 0; top + SheetCell <= sheet.height(); top += SheetCell) {
            for (int left = 0; left < 4 * SheetCell; left += SheetCell) {
                if (left + SheetCell > sheet.width()) {
                    symbols_.emplace_back(); // a sheet too narrow for this column
                    continue;
                }
                const QImage cell = sheet.copy(left, top, SheetCell, SheetCell);
                symbols_.push_back(sheetCell_ == SheetCell ? cell
                                                           : cell.scaled(sheetCell_, sheetCell_, Qt::IgnoreAspectRatio,
                                                                         Qt::SmoothTransformation));
            }
        }
        setFixedSize(reelsLeft() + 3 * cell_ + 2 * gap() + payWidth() + margin(),
                     2 * margin() + 3 * cell_ + captionHeight());
    }

    void setPlay(const PlayRecord* play) {
        play_ = play;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), ReelsBackground);
        for (int reel = 0; reel < ReelCount; ++reel) {
            drawReel(painter, reel);
            drawCaption(painter, reel);
        }
        if (play_ == nullptr || play_->lines.empty()) {
            return;
        }
        for (int row = 0; row < 3; ++row) {
            if (std::find(play_->lines.begin(), play_->lines.end(), row) == play_->lines.end()) {
                painter.fillRect(rowRect(row), ClosedRowShade);
            }
        }
        painter.setRenderHint(QPainter::Antialiasing);
        for (const LineResult& line : play_->paylines) {
            drawLine(painter, line);
        }
    }

private:
    int margin() const { return grown(scale_, 10); }
    int gap() const { return grown(scale_, 6); }
    int reelsLeft() const { return margin(); }
    int payWidth() const { return grown(scale_, 84); }
    int captionHeight() const { return fontMetrics().height() + gap(); }
    QRect rowRect(int row) const {
        return {reelsLeft(), margin() + row * cell_, 3 * cell_ + 2 * gap(), cell_};
    }

    void drawReel(QPainter& painter, int reel) const {
        const int left = reelsLeft() + reel * (cell_ + gap());
        if (play_ == nullptr) {
            painter.fillRect(left, margin(), cell_, 3 * cell_, Qt::lightGray);
            return;
        }
        int position = play_->stops[static_cast<std::size_t>(reel)];
        for (int row = 0; row < 3; ++row) {
            const QRect target(left, margin() + row * cell_, cell_, cell_);
            const int n = game_.symbolNumber(reel, position);
            if (n < 0 || n >= static_cast<int>(symbols_.size()) || symbols_[static_cast<std::size_t>(n)].isNull()) {
                painter.fillRect(target, Qt::white); // a sheet too small for this symbol
            } else {
                painter.drawImage(target, symbols_[static_cast<std::size_t>(n)]);
            }
            position = nextPosition(position);
        }
    }

    // What moved or kept the reel, under it: "held", "moved up", "nudged".
    void drawCaption(QPainter& painter, int reel) const {
        if (play_ == nullptr) {
            return;
        }
        QStringList words;
        for (const ReelMove& move : play_->moves) {
            if (move.reel != reel) {
                continue;
            }
            //: Under a reel: what kept or moved it.
            const QString word = move.by == ReelMover::Held ? GameHistoryWindow::tr("held")
                                 : move.by == ReelMover::Up ? GameHistoryWindow::tr("moved up")
                                 : move.by == ReelMover::Down ? GameHistoryWindow::tr("moved down")
                                                              : GameHistoryWindow::tr("nudged");
            if (!words.contains(word)) {
                words << word;
            }
        }
        const QRect under(reelsLeft() + reel * (cell_ + gap()) - gap() / 2, margin() + 3 * cell_ + gap() / 2,
                          cell_ + gap(), captionHeight());
        painter.setPen(CaptionColour);
        QFont small = font();
        small.setPointSizeF(small.pointSizeF() * 0.9);
        painter.setFont(small);
        painter.drawText(under, Qt::AlignHCenter | Qt::AlignTop, words.join(QStringLiteral(", ")));
    }

    void drawLine(QPainter& painter, const LineResult& line) const {
        const QRect row = rowRect(line.row);
        const int y = row.center().y();
        if (line.pay <= 0) {
            painter.setPen(QPen(OpenLineColour, grown(scale_, 2)));
            painter.drawLine(row.left() - gap(), y, row.right() + gap(), y);
            return;
        }
        const int pen = grown(scale_, 4);
        painter.setPen(QPen(PaidLineColour, pen));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(row.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2));
        QFont font = this->font();
        font.setBold(true);
        painter.setFont(font);
        const QRect tag(row.right() + gap() * 2, row.top(), payWidth() - gap(), row.height());
        painter.drawText(tag, Qt::AlignLeft | Qt::AlignVCenter, GameHistoryWindow::tr("pays\n%1").arg(line.pay));
    }

    const Game& game_;
    std::vector<QImage> symbols_; // the sheet's cells, four to a row, left to right
    int cell_;      // a symbol's edge on the window
    int sheetCell_; // the same in device pixels
    double scale_;
    const PlayRecord* play_ = nullptr;
};

GameHistoryWindow::GameHistoryWindow(const RecallLog& log, const Game& game, const QImage& symbolSheet,
                                     int layoutWidth, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      plays_(log.begin(), log.end()), terms_(playTermsOf(game)) {
    std::reverse(plays_.begin(), plays_.end());
    setWindowTitle(tr("Game History"));
    // The layout width is in device pixels, the window's sizes are not.
    const double scale = fixedSizeScale(static_cast<int>(layoutWidth / devicePixelRatioF()));
    QFont font = this->font();
    font.setPointSizeF(PointSize * scale);
    setFont(font);

    position_ = new QLabel(this);
    QFont bold = font;
    bold.setBold(true);
    position_->setFont(bold);

    reels_ = new HistoryReels(game, symbolSheet, scale, this);

    heading_ = new QLabel(this);
    QFont headingFont = bold;
    headingFont.setPointSizeF(font.pointSizeF() * 1.3);
    heading_->setFont(headingFont);
    time_ = new QLabel(this);
    steps_ = new QTextBrowser(this);
    steps_->setFocusPolicy(Qt::NoFocus);
    steps_->setFrameShape(QFrame::NoFrame);
    steps_->viewport()->setAutoFillBackground(false);
    steps_->setMinimumWidth(grown(scale, StepsWidth));

    auto* words = new QVBoxLayout;
    words->addWidget(heading_);
    words->addWidget(time_);
    words->addWidget(steps_, 1);

    auto* play = new QHBoxLayout;
    play->addWidget(reels_, 0, Qt::AlignTop);
    play->addSpacing(grown(scale, Spacing));
    play->addLayout(words, 1);

    //: Shows the newest play.
    first_ = new QPushButton(tr("&First"), this);
    previous_ = new QPushButton(tr("&Previous"), this);
    next_ = new QPushButton(tr("&Next"), this);
    //: Shows the oldest play kept.
    last_ = new QPushButton(tr("&Last"), this);
    close_ = new QPushButton(tr("&Close"), this);
    first_->setToolTip(tr("The newest play (Home)"));
    previous_->setToolTip(tr("The next newer play (Left)"));
    next_->setToolTip(tr("The next older play (Right)"));
    last_->setToolTip(tr("The oldest play kept (End)"));
    connect(first_, &QPushButton::clicked, this, [this] { showFirst(); });
    connect(previous_, &QPushButton::clicked, this, [this] { showPrevious(); });
    connect(next_, &QPushButton::clicked, this, [this] { showNext(); });
    connect(last_, &QPushButton::clicked, this, [this] { showLast(); });
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {first_, previous_, next_, last_}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    buttons->addWidget(close_);
    close_->setDefault(true);
    // A button in focus would take the arrow keys to move the focus on.
    for (QPushButton* button : {first_, previous_, next_, last_, close_}) {
        button->installEventFilter(this);
    }

    auto* layout = new QVBoxLayout(this);
    const int margin = grown(scale, Spacing);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(grown(scale, 8));
    layout->addWidget(position_);
    layout->addLayout(play, 1);
    layout->addLayout(buttons);

    if (plays_.empty()) {
        showEmpty();
    } else {
        showPlay(0);
    }
    close_->setFocus();
    placeOnScreen(*this, sizeHint());
}

GameHistoryWindow::~GameHistoryWindow() = default;

void GameHistoryWindow::showFirst() {
    if (!plays_.empty()) {
        showPlay(0);
    }
}

void GameHistoryWindow::showPrevious() {
    if (shown_ && *shown_ > 0) {
        showPlay(*shown_ - 1);
    }
}

void GameHistoryWindow::showNext() {
    if (shown_ && *shown_ + 1 < plays_.size()) {
        showPlay(*shown_ + 1);
    }
}

void GameHistoryWindow::showLast() {
    if (!plays_.empty()) {
        showPlay(plays_.size() - 1);
    }
}

void GameHistoryWindow::showPlay(std::size_t fromNewest) {
    shown_ = fromNewest;
    const PlayRecord& play = plays_[fromNewest];
    const std::size_t count = plays_.size();
    QString where;
    if (count == 1) {
        where = tr("Play %1 of %2: the only one so far");
    } else if (fromNewest == 0) {
        where = tr("Play %1 of %2: the newest");
    } else if (fromNewest + 1 == count) {
        where = tr("Play %1 of %2: the oldest kept");
    } else {
        where = tr("Play %1 of %2, counted from the newest");
    }
    position_->setText(where.arg(fromNewest + 1).arg(count));

    const PlayDescription description = describePlay(play, terms_);
    heading_->setText(description.heading);
    time_->setText(description.time);
    heading_->show();
    time_->show();
    QString html;
    for (const QString& step : description.steps) {
        html += QStringLiteral("<p style=\"margin-top:0; margin-bottom:4px\">") + step.toHtmlEscaped() + QStringLiteral("</p>");
    }
    steps_->setHtml(html);
    reels_->setPlay(&play);

    first_->setEnabled(fromNewest > 0);
    previous_->setEnabled(fromNewest > 0);
    next_->setEnabled(fromNewest + 1 < count);
    last_->setEnabled(fromNewest + 1 < count);
}

void GameHistoryWindow::showEmpty() {
    shown_.reset();
    position_->setText(tr("No plays yet in this game."));
    heading_->hide();
    time_->hide();
    steps_->setPlainText(
        tr("The plays of this game show here once it has been played: up to the last %1, newest first.")
            .arg(RecallLog::Capacity));
    reels_->setPlay(nullptr);
    for (QPushButton* button : {first_, previous_, next_, last_}) {
        button->setEnabled(false);
    }
}

bool GameHistoryWindow::stepByKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        showPrevious();
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
        showNext();
        return true;
    case Qt::Key_Home:
        showFirst();
        return true;
    case Qt::Key_End:
        showLast();
        return true;
    default:
        return false;
    }
}

void GameHistoryWindow::keyPressEvent(QKeyEvent* event) {
    if (stepByKey(event->key())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool GameHistoryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && stepByKey(static_cast<QKeyEvent*>(event)->key())) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace slotmachine
