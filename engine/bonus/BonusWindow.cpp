#include "engine/bonus/BonusWindow.h"

#include "engine/bonus/BonusBoxes.h"
#include "engine/core/Dialogs.h"
#include "engine/core/GameContext.h"
#include "engine/core/Random.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstddef>

namespace slotmachine {

namespace {

constexpr int CloseDelayMs = 3000;
constexpr int StartSoundDelayMs = 200;
constexpr int StartSound = 7;

// The index of the box whose span holds v, or -1.
template <std::size_t N>
int spanIndex(const int (&starts)[N], int v) {
    for (std::size_t i = 0; i < N; ++i) {
        if (v >= starts[i] && v <= starts[i] + BonusBoxSpan) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The box at (x, y) on the board, 1 to 8, or 0 between and around the boxes.
int boxAt(int x, int y) {
    const int column = spanIndex(BonusBoxColumnLeft, x);
    const int row = spanIndex(BonusBoxRowTop, y);
    return column < 0 || row < 0 ? 0 : column * 4 + row + 1;
}

// The box one arrow key away from `from` (1 to 8): up and down within its column,
// wrapping round; left and right to the other column, at the same row.
int boxBeside(int from, int key) {
    const int column = (from - 1) / 4;
    const int row = (from - 1) % 4;
    switch (key) {
    case Qt::Key_Up:
        return column * 4 + (row + 3) % 4 + 1;
    case Qt::Key_Down:
        return column * 4 + (row + 1) % 4 + 1;
    case Qt::Key_Left:
    case Qt::Key_Right:
        return (1 - column) * 4 + row + 1;
    default:
        return from;
    }
}

// The width of the keyboard's focus frame on a board shown `scale` times its size.
qreal frameWidth(double scale) {
    return std::max(5.0, 6 * scale);
}

const QColor FrameColour(255, 200, 0);

// Keys that open a fixed box while none has been opened.
int letterBox(int key) {
    switch (key) {
    case Qt::Key_N:
        return 1;
    case Qt::Key_W:
        return 3;
    case Qt::Key_Y:
        return 4;
    case Qt::Key_E:
        return 5;
    case Qt::Key_A:
    case Qt::Key_R:
        return 7;
    default:
        return 0;
    }
}

} // namespace

QPoint BonusWindowPicture::toOwn(QPoint p) const {
    const QPoint offset = p - place;
    if (shown.isEmpty()) {
        return offset;
    }
    // Whole pixels of the shown picture map to the own pixel they lie in.
    auto own1 = [](int v, int ownSize, int shownSize) {
        return static_cast<int>(std::floor(static_cast<double>(v) * ownSize / shownSize));
    };
    return {own1(offset.x(), own.width(), shown.width()), own1(offset.y(), own.height(), shown.height())};
}

double bonusPictureScale(QSize screen, QSize board) {
    if (board.isEmpty()) {
        return 1;
    }
    const double fits = std::min(0.8 * screen.width() / board.width(), 0.8 * screen.height() / board.height());
    // In whole hundredths: a screen a few pixels larger than the room a picture
    // needs does not blur it by a fraction of a percent.
    return std::max(1.0, std::floor(fits * 100 + 1e-9) / 100);
}

BonusScreen BonusScreen::of(const QScreen& screen) {
    return {screen.geometry(), screen.logicalDotsPerInch()};
}

BonusScreen BonusScreen::primary() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? BonusScreen{} : of(*screen);
}

BonusWindow::BonusWindow(GameContext& machine, const PictureLoader& loadPictures, const BonusScreen& screen,
                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), machine_(machine), round_(machine, &prize_.picture) {
    closeTimer_.setInterval(CloseDelayMs);
    startSoundTimer_.setInterval(StartSoundDelayMs);
    connect(&closeTimer_, &QTimer::timeout, this, [this] { closeAfterDelay(); });
    connect(&startSoundTimer_, &QTimer::timeout, this, [this] { playStartSound(); });
    setUp(loadPictures, screen);
}

BonusWindow::~BonusWindow() {
    closeTimer_.stop();
    startSoundTimer_.stop();
}

void BonusWindow::setUp(const PictureLoader& loadPictures, const BonusScreen& screen) {
    resize(screen.geometry.size());
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    move(screen.geometry.left() + (screen.geometry.width() - width()) / 2,
         screen.geometry.top() + (screen.geometry.height() - height()) / 2);
    if (screen.logicalDpi < 100) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }

    setUpdatesEnabled(false);
    const BonusPictures pictures = loadPictures ? loadPictures() : BonusPictures{};
    const QSize ownBoard = pictures.Board.isNull() ? QSize(640, 480) : pictures.Board.size();
    scale_ = bonusPictureScale(screen.geometry.size(), ownBoard);
    int index = 0;
    for (BonusWindowPicture* p : {&board_, &noPrize_, &prize_}) {
        const QImage& own = index == 0 ? pictures.Board : index == 1 ? pictures.NoPrize : pictures.Prize;
        p->own = own.isNull() ? QSize(640, 480) : own.size();
        p->shown = QSize(static_cast<int>(std::lround(p->own.width() * scale_)),
                         static_cast<int>(std::lround(p->own.height() * scale_)));
        p->picture = bonusPictureAt(pictures, index, p->shown);
        ++index;
    }
    round_.setPrizeScale(static_cast<double>(prize_.shown.width()) / prize_.own.width());
    const QSize board = board_.size();
    board_.place = QPoint((width() - board.width()) / 2, (height() - board.height()) / 2);
    noPrize_.place = board_.place;
    prize_.place = board_.place;
    setUpdatesEnabled(true);

    board_.visible = true;
    noPrize_.visible = false;
    prize_.visible = false;
    startSoundTimer_.start();
}

void BonusWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    for (const BonusWindowPicture* p : {&board_, &noPrize_, &prize_}) {
        if (p->visible && !p->picture.isNull()) {
            painter.drawImage(p->place, p->picture);
        }
    }
    if (board_.visible && framed_ != 0) {
        // The framed box lit a little, in a thick gold frame on a dark rim: clear on
        // any board, light or dark.
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal width = frameWidth(scale_);
        const QRectF box(boxOnWindow(framed_));
        painter.fillRect(box, QColor(255, 255, 255, 60));
        const QRectF frame = box.adjusted(-width / 2, -width / 2, width / 2, width / 2);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(20, 20, 40), width * 2));
        painter.drawRoundedRect(frame, width * 1.5, width * 1.5);
        painter.setPen(QPen(FrameColour, width));
        painter.drawRoundedRect(frame, width * 1.5, width * 1.5);
    }
}

QRect BonusWindow::boxOnWindow(int position) const {
    if (position < 1 || position > 8) {
        return {};
    }
    const double sx = board_.own.isEmpty() ? 1 : static_cast<double>(board_.shown.width()) / board_.own.width();
    const double sy = board_.own.isEmpty() ? 1 : static_cast<double>(board_.shown.height()) / board_.own.height();
    const QRect own = bonusBoxArea(position);
    const QPointF topLeft(own.left() * sx, own.top() * sy);
    const QPointF bottomRight((own.right() + 1) * sx, (own.bottom() + 1) * sy);
    return QRectF(topLeft, bottomRight).toAlignedRect().translated(board_.place);
}

void BonusWindow::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    const QPoint p(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
    // The topmost visible picture takes the press; only the board answers it.
    if ((prize_.visible && prize_.rect().contains(p)) || (noPrize_.visible && noPrize_.rect().contains(p))) {
        return;
    }
    if (board_.visible && board_.rect().contains(p)) {
        const QPoint own = board_.toOwn(p);
        pressOnBoard(own.x(), own.y());
        return;
    }
    pressBesideBoard();
}

void BonusWindow::pressOnBoard(int x, int y) {
    if (!board_.visible) {
        return;
    }
    if (const int position = boxAt(x, y); position != 0) {
        openBox(position);
    }
}

void BonusWindow::pressBesideBoard() {
    if (board_.visible) {
        machine_.dialogs().information(
            QCoreApplication::translate("BonusWindow", "Click on one of the Boxes!"));
    } else {
        accept();
    }
}

void BonusWindow::keyPressEvent(QKeyEvent* event) {
    // Nothing goes on to QDialog, which would close the window on Escape.
    event->accept();
    keyPressed(event->key());
}

void BonusWindow::keyPressed(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        if (board_.visible) {
            // The framed box, or one picked for the player.
            openBox(framed_ != 0 ? framed_ : 1 + machine_.random()(7));
        }
        return;
    }
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right) {
        moveFrame(key);
        return;
    }
    if (const int position = letterBox(key); position != 0) {
        openBox(position);
    }
}

void BonusWindow::moveFrame(int key) {
    if (!board_.visible || finished_ || round_.anyOpened()) {
        return;
    }
    const int before = framed_;
    framed_ = framed_ == 0 ? 1 : boxBeside(framed_, key);
    const int grow = static_cast<int>(std::ceil(frameWidth(scale_) * 3));
    for (const int box : {before, framed_}) {
        if (box != 0) {
            update(boxOnWindow(box).adjusted(-grow, -grow, grow, grow));
        }
    }
}

void BonusWindow::openBox(int position) {
    if (finished_ || round_.anyOpened()) {
        return; // one box per bonus game
    }
    const std::int32_t value = round_.open(position);
    BonusWindowPicture& shown = value <= 0 ? noPrize_ : prize_;
    const QRect changed = board_.rect().united(shown.rect());
    shown.visible = true;
    board_.visible = false;
    // The prize text was drawn onto the picture itself.
    update(changed);
    closeTimer_.start();
}

void BonusWindow::closeAfterDelay() {
    accept();
}

void BonusWindow::playStartSound() {
    startSoundTimer_.stop();
    machine_.playSound(StartSound, false);
}

void BonusWindow::closeEvent(QCloseEvent* event) {
    // A close from outside (a window manager's close) counts only once the player
    // has chosen; before that only closeNow() ends the game.
    if (!round_.anyOpened()) {
        event->ignore();
        return;
    }
    event->accept();
    accept();
}

void BonusWindow::closeNow() {
    if (finished_) {
        return;
    }
    // A message box shown on top runs an event loop of its own, which would keep
    // this one waiting until the player answered it.
    for (QWidget* top = QApplication::activeModalWidget(); top != nullptr && top != this;) {
        if (!top->close() || QApplication::activeModalWidget() == top) {
            break;
        }
        top = QApplication::activeModalWidget();
    }
    done(round_.anyOpened() ? Accepted : Rejected);
}

void BonusWindow::done(int result) {
    if (!finished_) {
        finishGame();
    }
    QDialog::done(result);
}

void BonusWindow::finishGame() {
    finished_ = true;
    closeTimer_.stop();
    startSoundTimer_.stop();
    round_.close();
}

} // namespace slotmachine
