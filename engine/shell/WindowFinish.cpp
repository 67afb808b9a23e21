#include "engine/shell/WindowFinish.h"

#include "engine/display/WindowScale.h"
#include "engine/shell/FinishStyle.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QWidget>
#include <cmath>

namespace slotmachine {

namespace {

QString hex(std::uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb)).name();
}

QString shade(std::uint32_t rgb, int factor) {
    const QColor c = QColor::fromRgb(static_cast<QRgb>(rgb));
    return (factor >= 100 ? c.lighter(factor) : c.darker(100 * 100 / factor)).name();
}

// The application's font as it was before any finish grew it.
QFont baseFont() {
    static const QFont font = QApplication::font();
    return font;
}

// Beside its caption a title bar holds the window's icon and up to three buttons.
constexpr int CaptionBarRoom = 4 * 28;

} // namespace

QString finishStyleSheet(const GameColours& c, double scale, double menuBarPointSize) {
    const auto px = [scale](int pixels) {
        return QString::number(std::max(1L, std::lround(pixels * scale))) + QStringLiteral("px");
    };
    QString sheet = QStringLiteral(R"(
QDialog, QMessageBox, QWidget#HelpWindow { background: @ground; color: @text; }
QDialog QLabel, QMessageBox QLabel, QCheckBox, QRadioButton, QGroupBox { color: @text; background: transparent; }
QDialog QTextBrowser { color: @text; background: transparent; }
QGroupBox { border: 1px solid @line; border-radius: @r6; margin-top: @m14; padding-top: @p4; background: @panel; }
QGroupBox::title { subcontrol-origin: margin; left: @p10; padding: 0 @p4; color: @line; }
QDialog QFrame[frameShape="1"], QDialog QFrame[frameShape="2"] { border: 1px solid @line; border-radius: @r6; background: @panel; }
QPushButton, QToolButton {
  color: @buttonText; border: 1px solid @buttonRim; border-radius: @r6; padding: @p4 @p12;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @buttonLight, stop:0.5 @button, stop:1 @buttonDark);
}
QPushButton:hover, QToolButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @buttonLighter, stop:1 @button); }
QPushButton:pressed, QToolButton:pressed, QToolButton:checked { background: @buttonDark; }
QPushButton:default { border: 2px solid @line; }
QLabel#Mode { color: @line; }
QPushButton:focus, QToolButton:focus { border: 2px solid @accent; }
QPushButton:disabled, QToolButton:disabled { color: @textDim; background: @panel; border-color: @panel; }
QLineEdit, QComboBox, QAbstractSpinBox {
  color: @fieldText; background: @field; border: 1px solid @line; border-radius: @r3; padding: @p2 @p4;
  selection-background-color: @accent; selection-color: @ground;
}
QLineEdit:focus, QComboBox:focus { border: 2px solid @accent; }
QComboBox::drop-down { border: none; width: @p18; }
QComboBox QAbstractItemView { color: @fieldText; background: @field; selection-background-color: @accent; selection-color: @ground; }
QCheckBox::indicator, QRadioButton::indicator { width: @p14; height: @p14; border: 1px solid @line; background: @field; }
QCheckBox::indicator { border-radius: @r3; }
QRadioButton::indicator { border-radius: @r7; }
QCheckBox::indicator:checked { background: @accent; border: 2px solid @field; }
QRadioButton::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5, stop:0 @accent, stop:0.55 @accent, stop:0.65 @field, stop:1 @field); }
QCheckBox:focus, QRadioButton:focus { color: @accent; }
QTableView, QTableWidget { color: @fieldText; background: @field; gridline-color: @panel; border: 1px solid @line; }
QHeaderView::section { color: @accent; background: @panel; border: none; padding: @p2 @p4; }
QScrollBar:vertical { background: @panel; width: @p14; margin: 0; }
QScrollBar:horizontal { background: @panel; height: @p14; margin: 0; }
QScrollBar::handle { background: @button; border: 1px solid @line; border-radius: @r5; min-height: @p24; min-width: @p24; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }
QSlider::groove:horizontal { height: @p6; background: @field; border: 1px solid @line; border-radius: @r3; }
QSlider::groove:vertical { width: @p6; background: @field; border: 1px solid @line; border-radius: @r3; }
QSlider::sub-page:horizontal { background: @accent; border-radius: @r3; }
QSlider::handle { background: @button; border: 1px solid @line; width: @p16; height: @p16; margin: -@p6; border-radius: @r8; }
QMenuBar { background: @ground; color: @text; font-size: @menuBarPt; }
QMenuBar::item { background: transparent; }
QMenuBar::item:selected, QMenuBar::item:pressed { background: @button; color: @buttonText; }
QMenu { background: @panel; color: @text; border: 1px solid @line; padding: @p4 0; }
QMenu::item { padding: @p4 @p24 @p4 @p24; }
QMenu::item:selected { background: @button; color: @buttonText; }
QMenu::item:disabled { color: @textDim; }
QMenu::separator { height: 1px; background: @line; margin: @p4 @p8; }
QToolTip { color: @text; background: @panel; border: 1px solid @line; }
)");
    const std::pair<const char*, QString> values[] = {
        {"@buttonLighter", shade(c.button, 135)},
        {"@buttonLight", shade(c.button, 125)},
        {"@buttonDark", shade(c.button, 70)},
        {"@buttonRim", shade(c.button, 55)},
        {"@buttonText", hex(c.buttonText)},
        {"@button", hex(c.button)},
        {"@ground", hex(c.ground)},
        {"@line", hex(c.line)},
        {"@panel", hex(c.panel)},
        {"@textDim", shade(c.text, 60)},
        {"@text", hex(c.text)},
        {"@accent", hex(c.accent)},
        {"@fieldText", hex(c.fieldText)},
        {"@field", hex(c.field)},
        {"@menuBarPt", QString::number(menuBarPointSize) + QStringLiteral("pt")},
    };
    for (const auto& [name, value] : values) {
        sheet.replace(QLatin1String(name), value);
    }
    // Lengths: "@p12" is a padding or size of 12 design pixels, "@r6" a radius, "@m14"
    // a margin, each grown by the scale; the longest names first.
    for (const QChar kind : {QLatin1Char('p'), QLatin1Char('r'), QLatin1Char('m')}) {
        for (int n = 30; n >= 1; --n) {
            sheet.replace(QLatin1Char('@') + kind + QString::number(n), px(n));
        }
    }
    return sheet;
}

void keepCaptionWhole(QWidget& window) {
    QFont bold = window.font();
    bold.setBold(true);
    const int titleBarRoom = scaledPixels(CaptionBarRoom);
    const int width = QFontMetrics(bold).horizontalAdvance(window.windowTitle()) + titleBarRoom;
    window.setMinimumWidth(std::max(window.minimumWidth(), width));
    // A window whose layout sets its least size takes the width as its size.
    window.resize(std::max(window.sizeHint().width(), width), window.sizeHint().height());
}

void applyWindowFinish(const GameColours& colours, double scale) {
    setWindowScale(scale);
    const QFont base = baseFont();
    QApplication::setStyle(new FinishStyle(colours, scale));
    QFont grown = base;
    grown.setPointSizeF(base.pointSizeF() * scale);
    QApplication::setFont(grown);
    qApp->setStyleSheet(finishStyleSheet(colours, scale, base.pointSizeF()));
}

} // namespace slotmachine
