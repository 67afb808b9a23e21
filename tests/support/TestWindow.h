#pragma once

#include "engine/records/GameRecords.h"
#include "engine/shell/MachineWindow.h"
#include "tests/support/SyntheticPictures.h"

#include <QDir>
#include <QString>
#include <memory>

namespace slotmachine::testing {

// Records that keep nothing, for a window whose game is never stored.
class NoRecords final : public GameRecords {
public:
    void readGame(int, GameState&, RecallLog&) override {}
    void writeGame(int, const GameState&, const RecallLog&, const QString&) override {}
    QString gameName() const override { return {}; }
    QString gameDate() const override { return {}; }
};

// A machine window for `game` in folder `dir`, as the program opens it: Orevein's
// symbol sheet file ("Orev.bmp") drawn there first, settings kept in `settingsPath`
// (empty: none kept).
inline std::unique_ptr<MachineWindow> openTestWindow(const QDir& dir, Game& game, GameRecords& records,
                                                     AudioOutputs audio, const QString& settingsPath = {}) {
    cells(4, 4, 76, 76, symbolColour).save(dir.filePath(QStringLiteral("Orev.bmp")), "BMP");
    return MachineWindow::create(game, records, audio, dir.filePath(QStringLiteral("orevein-slots")), nullptr,
                                 settingsPath);
}

} // namespace slotmachine::testing
