#pragma once

#include "engine/bonus/BonusPictures.h"
#include "engine/bonus/BoxBonusRound.h"

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QTimer>
#include <cstdint>
#include <functional>

class QScreen;

namespace slotmachine {

class GameContext;

// The screen the bonus window covers.
struct BonusScreen {
    QRect geometry{0, 0, 640, 480};
    qreal logicalDpi = 96;

    static BonusScreen of(const QScreen& screen);
    // The primary screen; without one, a 640 by 480 screen.
    static BonusScreen primary();
};

// One of the bonus window's pictures and where it stands on the window. A picture
// is shown `scale` times its own size; the box areas are in its own coordinates.
struct BonusWindowPicture {
    QImage picture; // as shown
    QPoint place;
    bool visible = false;
    QSize own{640, 480}; // a missing picture takes the room of a 640 by 480 one
    QSize shown{640, 480};

    QSize size() const { return shown; }
    QRect rect() const { return {place, shown}; }
    // The point of the picture's own coordinates under window pixel `p`.
    QPoint toOwn(QPoint p) const;
};

// How many times their own size the bonus pictures are shown on a screen: the
// largest factor, in hundredths, that keeps a tenth of the screen free on each
// side, and never less than 1 (so a 640 by 480 or 800 by 600 screen shows them as
// they are).
double bonusPictureScale(QSize screen, QSize board);

// The box bonus window: the box board covers the screen on black, grown
// with the screen (bonusPictureScale); a box opened by pointer or key (the
// arrows move a focus frame over the boxes, Enter or Space opens the framed
// box, or one picked for the player before any arrow) shows the no-prize picture or the prize picture
// with the prize written on it, and the window closes 3 s later or at a
// press outside the picture. Only closeNow() ends it before a box is opened.
class BonusWindow final : public QDialog {
public:
    using PictureLoader = std::function<BonusPictures()>;

    BonusWindow(GameContext& machine, const PictureLoader& loadPictures, const BonusScreen& screen,
               QWidget* parent = nullptr);
    ~BonusWindow() override;

    // Stacked in this order, the prize picture on top.
    const BonusWindowPicture& board() const { return board_; }
    const BonusWindowPicture& noPrize() const { return noPrize_; }
    const BonusWindowPicture& prize() const { return prize_; }
    const QTimer& closeTimer() const { return closeTimer_; }
    const QTimer& startSoundTimer() const { return startSoundTimer_; }
    double scale() const { return scale_; }

    std::int32_t BonusPrize() const { return round_.BonusPrize(); }
    bool boxOpened() const { return round_.anyOpened(); }
    // The game has finished (and its prize, if any, has been added to BonusWon).
    bool finished() const { return finished_; }

    // The box the keyboard's focus frame is on, 1 to 8, or 0 before an arrow key.
    int framedBox() const { return framed_; }
    // Where box `position` (1 to 8) is drawn on the window.
    QRect boxOnWindow(int position) const;

    // The handlers; x and y of pressOnBoard are in the board's own coordinates.
    void pressOnBoard(int x, int y);
    void pressBesideBoard();
    void keyPressed(int key); // a Qt::Key
    void closeAfterDelay();
    void playStartSound();

    // The program is closing: a box already opened ends the game as usual,
    // otherwise the game is abandoned unplayed.
    void closeNow();

    void done(int result) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void setUp(const PictureLoader& loadPictures, const BonusScreen& screen);
    void finishGame();
    void openBox(int position);
    // An arrow key moves the focus frame; the first one puts it on box 1.
    void moveFrame(int key);

    GameContext& machine_;
    BonusWindowPicture board_;
    BonusWindowPicture noPrize_;
    BonusWindowPicture prize_;
    BoxBonusRound round_; // draws the prize onto prize_
    QTimer closeTimer_;
    QTimer startSoundTimer_;
    bool finished_ = false;
    double scale_ = 1;
    int framed_ = 0;
};

} // namespace slotmachine
