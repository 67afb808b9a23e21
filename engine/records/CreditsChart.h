#pragma once

#include "engine/core/GameValues.h"

#include <QCoreApplication>
#include <QWidget>
#include <cstdint>
#include <vector>

namespace slotmachine {

// A line chart of the credits a game held over its last plays (creditsCourse), oldest
// on the left, in the game's own colours: the credits axis on the left, the plays
// below, and a dashed line at the level the oldest play began with. Without plays
// it says so.
class CreditsChart final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(CreditsChart)

public:
    CreditsChart(std::vector<std::int32_t> credits, GameColours colours, QWidget* parent = nullptr);

    const std::vector<std::int32_t>& credits() const { return credits_; }
    // What the chart says when there is nothing to draw.
    static QString emptyText();

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<std::int32_t> credits_;
    GameColours colours_;
};

} // namespace slotmachine
