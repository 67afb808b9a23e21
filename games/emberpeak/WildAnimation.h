#pragma once

namespace slotmachine {
class MachineDisplay;
}

namespace slotmachine::emberpeak {

// The wild symbol on the payline of the right reel, animated through the sheet
// cells 9, 10 and 11: each frame moves one cell on, turning at both ends, so the
// cells shown from the start are 10, 11, 10, 9, 10, 11 and so on.
class WildAnimation {
public:
    // The sheet cell of the wild symbol's first picture.
    static constexpr int FirstCell = 9;

    // One frame: the next cell drawn over the middle row of reel 2, then the payline.
    void tick(MachineDisplay& display);

    // The cell the last frame showed.
    int cell() const { return FirstCell + frame_; }

private:
    int frame_ = 0;
    int step_ = 1;
};

} // namespace slotmachine::emberpeak
