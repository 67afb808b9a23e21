#include "engine/bonus/BoxAward.h"

#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QPainter>

namespace slotmachine {

void drawPrizeText(const BoxAward& award, const QString& text, QColor color) {
    if (award.prizePicture == nullptr || award.prizePicture->isNull()) {
        return;
    }
    QImage& picture = *award.prizePicture;
    QPainter painter(&picture);
    // Drawn in the picture's own coordinates, so the text keeps its place and
    // size relative to the picture however large it is shown.
    const double scale = award.prizeScale > 0 ? award.prizeScale : 1;
    painter.scale(scale, scale);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(24);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(color);
    painter.setBackgroundMode(Qt::TransparentMode);
    const int width = static_cast<int>(picture.width() / scale);
    const int height = static_cast<int>(picture.height() / scale);
    painter.drawText(QRect(40, 200, width - 40, height - 200), Qt::AlignLeft | Qt::AlignTop, text);
}

void awardCreditPrize(BoxAward& award, QColor textColor) {
    if (award.BonusPrize <= 0) {
        return;
    }
    drawPrizeText(award, QCoreApplication::translate("BoxAward", "%1 Credits!").arg(award.BonusPrize),
                  textColor);
    award.state.SpinWin = award.BonusPrize;
}

} // namespace slotmachine
