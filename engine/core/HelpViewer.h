#pragma once

namespace slotmachine {

// Numbered topics of a game's manual.
inline constexpr int HelpBorrowWindow = 41003;
inline constexpr int HelpBorrowControls = 41005;
inline constexpr int HelpSaveOpenWindow = 41008;
inline constexpr int HelpCompanyInformation = 41009;
inline constexpr int HelpPayChart = 41010;

// Shows the game's manual: the programs open it in their help window, tests
// record what was asked for.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showContents() = 0;
    // The manual scrolled to the topic's anchor, named by its number.
    virtual void showTopic(int topic) = 0;
};

} // namespace slotmachine
