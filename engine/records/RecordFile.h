#pragma once

#include "engine/core/GameState.h"
#include "engine/records/GameRecords.h"
#include "engine/records/RecallSections.h"
#include "engine/records/RecordValues.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace slotmachine {

// Longest game name and date that a read keeps, and the longest text value read
// at all: a longer one is not a value this program wrote and reads as its default.
inline constexpr int MaxGameNameLength = 30;
inline constexpr int MaxGameDateLength = 10;
inline constexpr int MaxTextValueLength = 1023;

// The record file of one program: a settings file of sections and "key=value"
// lines, sections and keys compared without regard to case. Every read loads the
// whole file afresh; every write replaces the whole file at once (a crash leaves
// the old file or the new one, never a mix), keeping the sections and keys it does
// not know.
class RecordFile final : public GameRecords {
public:
    // `keepsStock`: the game has a feature stock (GameState::Stock), kept under the
    // key "Nudges"; a game without one neither writes nor reads it.
    RecordFile(QString path, bool keepsStock, QString dateSeparator,
               std::function<QDate()> today = &QDate::currentDate);

    // What the stock reads as from a section that is not there at all (a slot never
    // written, or no running game yet): a fresh game's stock. A section without
    // the key reads 0.
    void setStockOfAFreshGame(std::int32_t value) { stockOfAFreshGame_ = value; }

    using GameRecords::readGame;
    using GameRecords::writeGame;
    void readGame(int index, GameState& state, RecallLog& log) override;
    void writeGame(int index, const GameState& state, const RecallLog& log, const QString& name) override;
    QString gameName() const override { return gameName_; }
    QString gameDate() const override { return gameDate_; }

    const QString& path() const { return path_; }

private:
    // What a load of the file had to say: damage kept aside, or why it cannot be read.
    struct LoadOutcome {
        std::optional<QString> notice;
        std::optional<QString> whyUnreadable;
    };
    void noteLoad(const LoadOutcome& outcome);

    QString path_;
    bool keepsStock_;
    std::int32_t stockOfAFreshGame_ = 0;
    QString dateSeparator_;
    std::function<QDate()> today_;
    QString gameName_;
    QString gameDate_;
    bool unreadableTold_ = false; // the player knows the file cannot be read
};

// The record file of a program: its base name + ".ini" in the user's settings folder.
QString recordFilePath(const QString& programBaseName);

} // namespace slotmachine
