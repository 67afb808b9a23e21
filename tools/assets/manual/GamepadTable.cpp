#include "tools/assets/manual/GamepadTable.h"

namespace slotmachine::manual {

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The key with its stand-ins: "Left; 1 on the machine".
QString keyText(const PadBinding& binding) {
    QString text = padKeyName(binding.key);
    if (binding.onMachine) {
        text += QStringLiteral("; %1 on the machine").arg(padKeyName(*binding.onMachine));
    }
    if (binding.inMenuOrField) {
        text += QStringLiteral("; %1 in a menu or text field").arg(padKeyName(*binding.inMenuOrField));
    }
    return text;
}

} // namespace

QString padMachineAction(const PadBinding& binding, const Game& game) {
    QString action = fromView(binding.machineAction);
    if (!action.contains(QStringLiteral("{stock}"))) {
        return action;
    }
    // The game's feature by its stock's name: "holds" holds a reel, "nudges" nudges one.
    const std::optional<FeatureStock>& stock = game.values().stock;
    if (!stock) {
        return {};
    }
    QString verb = fromView(stock->name);
    verb.chop(verb.endsWith(QLatin1Char('s')) ? 1 : 0);
    verb[0] = verb[0].toUpper();
    return action.replace(QStringLiteral("{stock}"), verb);
}

QString padLabel(const PadBinding& binding, const Game& game) {
    const QString machine = padMachineAction(binding, game);
    const QString window = fromView(binding.windowAction);
    if (machine.isEmpty() || window.isEmpty() || machine == window) {
        return machine.isEmpty() ? window : machine;
    }
    return machine + QStringLiteral(" \u00b7 ") + window;
}

QString gamepadTableHtml(const Game& game) {
    auto th = [](const char* text) {
        return QStringLiteral("<th align=\"left\" style=\"color: #f6dc8c;\">%1</th>")
            .arg(QLatin1String(text));
    };
    QString html =
        QStringLiteral(
            "<table border=\"1\" cellspacing=\"0\" cellpadding=\"5\" style=\"border-color: #8a5f22;\">\n"
            "<tr bgcolor=\"#4a2c12\">") +
        th("Button") + th("Key") + th("On the machine") + th("In a window or menu") +
        QStringLiteral("</tr>\n");
    bool shaded = false;
    for (const PadBinding& binding : padBindings()) {
        const QString machine = padMachineAction(binding, game);
        const QString window = fromView(binding.windowAction);
        html +=
            shaded ? QStringLiteral("<tr bgcolor=\"#f3e4c0\">") : QStringLiteral("<tr bgcolor=\"#fbf3df\">");
        html += QStringLiteral("<td><b>%1</b></td><td>%2</td><td>%3</td><td>%4</td></tr>\n")
                    .arg(fromView(binding.name).toHtmlEscaped(), keyText(binding).toHtmlEscaped(),
                         machine.isEmpty() ? QStringLiteral("&mdash;") : machine.toHtmlEscaped(),
                         window.isEmpty() ? QStringLiteral("&mdash;") : window.toHtmlEscaped());
        shaded = !shaded;
    }
    html += QStringLiteral("</table>");
    return html;
}

} // namespace slotmachine::manual
