#include "engine/display/WindowScale.h"

#include <cmath>

namespace slotmachine {

namespace {
double currentScale = 1.0;
} // namespace

void setWindowScale(double scale) {
    currentScale = scale;
}

double windowScale() {
    return currentScale;
}

int scaledPixels(int pixels) {
    return static_cast<int>(std::lround(pixels * currentScale));
}

QSize scaledSize(QSize size) {
    return {scaledPixels(size.width()), scaledPixels(size.height())};
}

QRect scaledRect(const QRect& rect) {
    return {scaledPixels(rect.x()), scaledPixels(rect.y()), scaledPixels(rect.width()), scaledPixels(rect.height())};
}

qreal scaledPointSize(qreal points) {
    return points * currentScale;
}

} // namespace slotmachine
