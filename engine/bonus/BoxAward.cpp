#include "engine/bonus/BoxAward.h"

#include <QFont>
#include <QImage>
#include <QPainter>

namespace slotmachine {

void drawPrizeText(QImage& picture, const QString& text, QColor color) {
    if (picture.isNull()) {
        return;
    }
    QPainter painter(&picture);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(24);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(color);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(QRect(40, 200, picture.width() - 40, picture.height() - 200),
                     Qt::AlignLeft | Qt::AlignTop, text);
}

void awardCreditPrize(BoxAward& award, QColor textColor) {
    if (award.BonusPrize <= 0) {
        return;
    }
    if (award.prizePicture != nullptr) {
        drawPrizeText(*award.prizePicture, QString::number(award.BonusPrize) + QStringLiteral(" Credits!"),
                      textColor);
    }
    award.state.SpinWin = award.BonusPrize;
}

} // namespace slotmachine
