#pragma once

#include <QCoreApplication>
#include <QDialog>

class QLabel;
class QSlider;

namespace slotmachine {

class MachineAudio;

// The volume window: one slider for the sound effects and one for the music, 0 to
// 100 %, each heard at once as it moves. The arrow keys move the slider that has
// the focus by 5 %, Page Up and Page Down by 20 %; Tab goes from the effects to the
// music to Close; Enter and Escape close the window, keeping what was set.
class VolumeWindow final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(VolumeWindow)

public:
    VolumeWindow(MachineAudio& audio, QWidget* parent);

    QSlider* effects = nullptr;
    QSlider* music = nullptr;
    QLabel* effectsValue = nullptr;
    QLabel* musicValue = nullptr;
};

} // namespace slotmachine
