#pragma once

namespace slotmachine {
struct BoxAward;
}

namespace slotmachine::pawlane {

// The award step of Pawlane's bonus game, in red: a credit prize as the engine
// pays it, or the holds prize (a box of 1), two holds for every coin of the spin
// that started the bonus, given once however often its box is opened again.
void awardPawlaneBox(BoxAward& award);

} // namespace slotmachine::pawlane
