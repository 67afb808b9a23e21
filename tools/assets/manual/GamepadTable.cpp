#include "tools/assets/manual/GamepadTable.h"

#include "engine/shell/PlayerLanguage.h"

#include <QCoreApplication>
#include <QKeySequence>

namespace slotmachine::manual {

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString translated(const char* context, std::string_view text) {
    return text.empty() ? QString() : QCoreApplication::translate(context, std::string(text).c_str());
}

// The key as the keyboard names it, in the player's language once one is installed
// (Qt's own translation of "Space", "Shift" and the rest).
QString keyName(PadKey key) {
    return playerLanguage().isEmpty()
               ? padKeyName(key)
               : QKeySequence(QKeyCombination(key.modifiers, static_cast<Qt::Key>(key.key)))
                     .toString(QKeySequence::NativeText);
}

// The key with its stand-ins: "Left; 1 on the machine".
QString keyText(const PadBinding& binding) {
    QString text = keyName(binding.key);
    if (binding.onMachine) {
        text = QCoreApplication::translate("GamepadTable", "%1; %2 on the machine")
                   .arg(text, keyName(*binding.onMachine));
    }
    if (binding.inMenuOrField) {
        text = QCoreApplication::translate("GamepadTable", "%1; %2 in a menu or text field")
                   .arg(text, keyName(*binding.inMenuOrField));
    }
    return text;
}

// What the D-pad does to a reel in the games whose stock it spends, as translators
// see it whole ("{stock} reel 1" with the stock's verb in it).
[[maybe_unused]] constexpr const char* ReelActions[] = {
    QT_TRANSLATE_NOOP("GamepadTable", "Hold reel 1"),  QT_TRANSLATE_NOOP("GamepadTable", "Hold reel 2"),
    QT_TRANSLATE_NOOP("GamepadTable", "Hold reel 3"),  QT_TRANSLATE_NOOP("GamepadTable", "Nudge reel 1"),
    QT_TRANSLATE_NOOP("GamepadTable", "Nudge reel 2"), QT_TRANSLATE_NOOP("GamepadTable", "Nudge reel 3"),
};

} // namespace

QString padControlName(const PadBinding& binding) {
    return translated("GamepadMapping", binding.name);
}

QString padWindowAction(const PadBinding& binding) {
    return translated("GamepadMapping", binding.windowAction);
}

QString padMachineAction(const PadBinding& binding, const Game& game) {
    QString action = fromView(binding.machineAction);
    if (!action.contains(QStringLiteral("{stock}"))) {
        return translated("GamepadMapping", binding.machineAction);
    }
    // The game's feature by its stock's name: "holds" holds a reel, "nudges" nudges one.
    const std::optional<FeatureStock>& stock = game.values().stock;
    if (!stock) {
        return {};
    }
    QString verb = fromView(stock->name);
    verb.chop(verb.endsWith(QLatin1Char('s')) ? 1 : 0);
    verb[0] = verb[0].toUpper();
    return QCoreApplication::translate("GamepadTable",
                                       action.replace(QStringLiteral("{stock}"), verb).toUtf8().constData());
}

QString padLabel(const PadBinding& binding, const Game& game) {
    const QString machine = padMachineAction(binding, game);
    const QString window = padWindowAction(binding);
    if (machine.isEmpty() || window.isEmpty() || machine == window) {
        return machine.isEmpty() ? window : machine;
    }
    return machine + QStringLiteral(" \u00b7 ") + window;
}

QString gamepadTableHtml(const Game& game) {
    auto th = [](const char* text) {
        return QStringLiteral("<th align=\"left\" style=\"color: #f6dc8c;\">%1</th>")
            .arg(QCoreApplication::translate("GamepadTable", text));
    };
    QString html =
        QStringLiteral(
            "<table border=\"1\" cellspacing=\"0\" cellpadding=\"5\" style=\"border-color: #8a5f22;\">\n"
            "<tr bgcolor=\"#4a2c12\">") +
        th(QT_TRANSLATE_NOOP("GamepadTable", "Button")) + th(QT_TRANSLATE_NOOP("GamepadTable", "Key")) +
        th(QT_TRANSLATE_NOOP("GamepadTable", "On the machine")) +
        th(QT_TRANSLATE_NOOP("GamepadTable", "In a window or menu")) + QStringLiteral("</tr>\n");
    bool shaded = false;
    for (const PadBinding& binding : padBindings()) {
        const QString machine = padMachineAction(binding, game);
        const QString window = padWindowAction(binding);
        html +=
            shaded ? QStringLiteral("<tr bgcolor=\"#f3e4c0\">") : QStringLiteral("<tr bgcolor=\"#fbf3df\">");
        html += QStringLiteral("<td><b>%1</b></td><td>%2</td><td>%3</td><td>%4</td></tr>\n")
                    .arg(padControlName(binding).toHtmlEscaped(), keyText(binding).toHtmlEscaped(),
                         machine.isEmpty() ? QStringLiteral("&mdash;") : machine.toHtmlEscaped(),
                         window.isEmpty() ? QStringLiteral("&mdash;") : window.toHtmlEscaped());
        shaded = !shaded;
    }
    html += QStringLiteral("</table>");
    return html;
}

} // namespace slotmachine::manual
