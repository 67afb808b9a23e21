#pragma once

namespace slotmachine {

// The reel animation's timeline: one frame every 25 ms, 47 frames in all. Reel r
// spins until its own frame 20, stops with a click in its frame 21 and bounces in
// frames 22 to 29; its frames lag the animation's by 9 per reel, so the reels stop
// left to right at 525, 750 and 975 ms and the last comes to rest at 1175 ms.
inline constexpr int FrameMs = 25;
inline constexpr int AnimationFrames = 47;
inline constexpr int LastSpinningFrame = 20;
inline constexpr int StopFrame = 21;
inline constexpr int ReelFrameLag = 9;
// Design pixels the motion picture moves down per frame.
inline constexpr int MotionStep = 61;

// Reel `reel`'s own frame number in animation frame `frame`.
constexpr int reelFrame(int frame, int reel) {
    return frame - ReelFrameLag * reel;
}

} // namespace slotmachine
