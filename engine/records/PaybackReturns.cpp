#include "engine/records/PaybackReturns.h"

#include "engine/core/GameText.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace slotmachine {

namespace {

const QString ColumnsKey = QStringLiteral("columns");
const QString CaptionKey = QStringLiteral("caption");
const QString ReturnsKey = QStringLiteral("returns");
const QString RtpKey = QStringLiteral("rtp");
const QString ExactKey = QStringLiteral("exact");

std::optional<ReturnColumn> readColumn(const QJsonValue& value) {
    const QJsonObject column = value.toObject();
    const QJsonValue caption = column.value(CaptionKey);
    const QJsonValue returns = column.value(ReturnsKey);
    if (!caption.isString() || !returns.isArray() || returns.toArray().isEmpty()) {
        return std::nullopt;
    }
    ReturnColumn read{caption.toString(), {}};
    for (const QJsonValue& entry : returns.toArray()) {
        const QJsonValue rtp = entry.toObject().value(RtpKey);
        const QJsonValue exact = entry.toObject().value(ExactKey);
        if (!rtp.isDouble() || !exact.isBool()) {
            return std::nullopt;
        }
        read.byCoins.push_back(MachineReturn{rtp.toDouble(), exact.toBool()});
    }
    return read;
}

} // namespace

QString paybackReturnsResource(std::string_view programName) {
    return QStringLiteral(":/figures/%1/payback.json")
        .arg(QString::fromUtf8(programName.data(), static_cast<qsizetype>(programName.size())));
}

QByteArray paybackReturnsJson(const PaybackReturns& returns) {
    QJsonArray columns;
    for (const ReturnColumn& column : returns) {
        QJsonArray values;
        for (const MachineReturn& value : column.byCoins) {
            values.append(QJsonObject{{RtpKey, value.rtp}, {ExactKey, value.exact}});
        }
        columns.append(QJsonObject{{CaptionKey, column.caption}, {ReturnsKey, values}});
    }
    return QJsonDocument(QJsonObject{{ColumnsKey, columns}}).toJson();
}

std::optional<PaybackReturns> readPaybackReturns(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QJsonValue columns = QJsonDocument::fromJson(file.readAll()).object().value(ColumnsKey);
    if (!columns.isArray() || columns.toArray().isEmpty()) {
        return std::nullopt;
    }
    PaybackReturns returns;
    for (const QJsonValue& value : columns.toArray()) {
        std::optional<ReturnColumn> column = readColumn(value);
        if (!column || column->byCoins.size() !=
                           (returns.empty() ? column->byCoins.size() : returns.front().byCoins.size())) {
            return std::nullopt;
        }
        returns.push_back(std::move(*column));
    }
    return returns;
}

QString machineReturnText(const MachineReturn& value, const QLocale& locale) {
    if (value.exact) {
        //: An exact return in percent: "98.01%".
        return QCoreApplication::translate("PaybackReturns", "%1%").arg(locale.toString(100.0 * value.rtp, 'f', 2));
    }
    //: An estimated return in percent: "about 105%".
    return QCoreApplication::translate("PaybackReturns", "about %1%").arg(locale.toString(100.0 * value.rtp, 'f', 0));
}

QString returnCaptionText(const QString& caption) {
    if (caption == QLatin1String("Pays back")) {
        //: The machine's return when the player makes no choices.
        return QCoreApplication::translate("PaybackReturns", "Pays back");
    }
    if (caption == QLatin1String("With the machine's advice")) {
        return QCoreApplication::translate("PaybackReturns", "With the machine's advice");
    }
    static const QRegularExpression playedWell(QStringLiteral("^With (.+) played well$"));
    if (const QRegularExpressionMatch match = playedWell.match(caption); match.hasMatch()) {
        //: %1 is the game's stock: "holds", "nudges".
        return QCoreApplication::translate("PaybackReturns", "With %1 played well")
            .arg(gameText(match.captured(1).toStdString()));
    }
    return caption;
}

} // namespace slotmachine
