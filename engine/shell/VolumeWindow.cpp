#include "engine/shell/VolumeWindow.h"

#include "engine/audio/MachineAudio.h"
#include "engine/display/WindowPlacement.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace slotmachine {

namespace {

QString percentText(int value) {
    //: A volume in percent.
    return QCoreApplication::translate("VolumeWindow", "%1 %").arg(value);
}

// A slider from 0 to 100 % with its value shown beside it; `moved` hears every value
// it takes.
QSlider* volumeSlider(int value, QLabel*& shown, QWidget* parent, const std::function<void(int)>& moved) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(0, 100);
    slider->setSingleStep(5);
    slider->setPageStep(20);
    slider->setFocusPolicy(Qt::StrongFocus);
    slider->setMinimumWidth(200);
    slider->setValue(value);
    shown = new QLabel(percentText(value), parent);
    // Wide enough for "100 %", so that the slider does not move as the text changes.
    shown->setMinimumWidth(shown->fontMetrics().horizontalAdvance(percentText(100)));
    shown->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QObject::connect(slider, &QSlider::valueChanged, slider, [shown, moved](int v) {
        shown->setText(percentText(v));
        moved(v);
    });
    return slider;
}

QHBoxLayout* row(QSlider* slider, QLabel* value) {
    auto* layout = new QHBoxLayout;
    layout->addWidget(slider, 1);
    layout->addWidget(value);
    return layout;
}

} // namespace

VolumeWindow::VolumeWindow(MachineAudio& audio, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(tr("Volume"));
    effects = volumeSlider(audio.effectsVolume(), effectsValue, this,
                           [&audio](int v) { audio.setEffectsVolume(v); });
    effects->setAccessibleName(tr("Sound effects volume"));
    music = volumeSlider(audio.musicVolume(), musicValue, this, [&audio](int v) { audio.setMusicVolume(v); });
    music->setAccessibleName(tr("Music volume"));

    // The captions' mnemonics (Alt+E, Alt+M) move the focus to their slider.
    auto* effectsCaption = new QLabel(tr("Sound &effects:"), this);
    effectsCaption->setBuddy(effects);
    auto* musicCaption = new QLabel(tr("&Music:"), this);
    musicCaption->setBuddy(music);
    auto* form = new QFormLayout;
    form->addRow(effectsCaption, row(effects, effectsValue));
    form->addRow(musicCaption, row(music, musicValue));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setDefault(true);
    // Enter closes from a slider too; the values have been taken as they moved.
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(effects, music);
    setTabOrder(music, close);
    effects->setFocus();
    placeOnScreen(*this, sizeHint());
}

} // namespace slotmachine
