#pragma once

#include "engine/core/GameValues.h"

#include <QProxyStyle>

namespace slotmachine {

// The application's style in a game's finish: Fusion underneath, with the message
// boxes' icons drawn clean in the game's colours, the help window's arrows drawn in
// its button text colour, a clean check mark, and no icons on the other dialog
// buttons, as today's desktops show them; icons grow with the window scale.
class FinishStyle final : public QProxyStyle {
public:
    FinishStyle(const GameColours& colours, double scale);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

private:
    GameColours colours_;
    double scale_;
};

} // namespace slotmachine
