#include "engine/shell/HistoryCommand.h"

#include "engine/core/GameValues.h"
#include "engine/records/GameRecords.h"
#include "engine/records/RecallTable.h"
#include "engine/records/RecallText.h"
#include "engine/records/RecordFile.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace slotmachine {

std::optional<int> answerHistory(int argc, char** argv, const GameValues& values) {
    bool history = false;
    bool json = false;
    const char* other = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--history") == 0) {
            history = true;
        } else if (std::strcmp(argv[i], "--json") == 0) {
            json = true;
        } else if (other == nullptr) {
            other = argv[i];
        }
    }
    if (!history) {
        return std::nullopt;
    }
    const std::string program(values.programName);
    if (other != nullptr) {
        std::fprintf(stderr, "%s: --history takes only --json beside it, not '%s'\n", program.c_str(), other);
        return 2;
    }
    const RecallReading<RecallLog> log =
        readRecallLog(recordFilePath(QString::fromStdString(program)), CurrentGameIndex);
    if (!log.value) {
        std::fprintf(stderr, "%s: %s\n", program.c_str(), log.error.toLocal8Bit().constData());
        return 1;
    }
    const QString stockName =
        values.stock ? QString::fromUtf8(values.stock->name.data(), static_cast<qsizetype>(values.stock->name.size()))
                     : QStringLiteral("stock");
    QString shown = json ? recallLogToText(*log.value) : recallTable(*log.value, stockName);
    if (!json && log.value->empty()) {
        shown += QStringLiteral("No plays yet: the running game has not been played.\n");
    }
    const QByteArray text = shown.toUtf8();
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
    return 0;
}

} // namespace slotmachine
