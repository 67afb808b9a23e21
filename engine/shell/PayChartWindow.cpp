#include "engine/shell/PayChartWindow.h"

#include "engine/core/Dialogs.h"
#include "engine/core/HelpViewer.h"
#include "engine/display/LargePayChart.h"
#include "engine/display/MachinePictures.h"
#include "engine/display/WindowPlacement.h"
#include "engine/display/WindowScale.h"
#include "engine/shell/PlayerLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace slotmachine {

namespace {

const QString ChartFile = QStringLiteral("Paychart.bmp");
// The window's size when it has no picture to take its size from.
constexpr QSize DesignClientSize(632, 413);

} // namespace

QString largePayChartResource() {
    return QStringLiteral(":/figures/%1/Paychart-large.png").arg(QCoreApplication::applicationName());
}

PayChartFiles payChartInLanguage(const PayChartFiles& chart, const QString& language) {
    if (language.isEmpty() || chart.path.isEmpty() || !chart.largeChart.endsWith(QLatin1String(".png"))) {
        return chart;
    }
    // The game's own chart file is the one its large drawing names.
    const QString named = QImageReader(chart.largeChart).text(QString::fromLatin1(ChartDigestKey));
    if (named.isEmpty() || named != chartFileDigest(chart.path)) {
        return chart;
    }
    const QString file =
        findFileIgnoringCase(QFileInfo(chart.path).dir(), QStringLiteral("Paychart-%1.png").arg(language));
    if (file.isEmpty()) {
        return chart;
    }
    return {file, chart.largeChart.chopped(4) + QStringLiteral("-%1.png").arg(language)};
}

PayChartWindow::PayChartWindow(const QString& programDir, Dialogs& dialogs, HelpViewer& help, QWidget* parent,
                               const QString& largeChart)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      dialogs_(dialogs), help_(help), largeChart_(largeChart) {
    setWindowTitle(QCoreApplication::translate("PayChartWindow", "Payoff Chart"));
    chartLabel = new QLabel(this);
    chartLabel->move(0, 0);
    showChart(programDir);
    placeOnScreen(*this, size());
}

void PayChartWindow::showChart(const QString& programDir) {
    const QDir dir(programDir);
    QString failure;

    setUpdatesEnabled(false);
    // The game's own chart in the player's language, or the file as it is.
    const PayChartFiles shown =
        payChartInLanguage({findFileIgnoringCase(dir, ChartFile), largeChart_}, playerLanguage());
    QImage chart;
    if (shown.path.isEmpty()) {
        failure =
            QCoreApplication::translate("PayChartWindow", "The pay chart picture %1 could not be found.")
                .arg(dir.filePath(ChartFile));
    } else {
        QImageReader reader(shown.path);
        chart = reader.read();
        if (chart.isNull()) {
            //: %1 is the picture's file, %2 what went wrong.
            failure = QCoreApplication::translate("PayChartWindow",
                                                  "The pay chart picture %1 could not be read: %2.")
                          .arg(shown.path, reader.errorString());
        }
    }
    if (!chart.isNull()) {
        chart = grownPayChart(shown.path, chart, shown.largeChart, windowScale());
    }
    if (!chart.isNull()) {
        // A chart larger than the screen leaves room for is shown smaller, whole.
        if (const QScreen* screen = this->screen(); screen != nullptr) {
            const QSize room =
                fittedClientArea(chart.size(), screen->availableGeometry(), ExpectedFrame, false).size();
            if (room != chart.size()) {
                chart = chart.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            }
        }
    }
    const QSize client = chart.isNull() ? DesignClientSize : chart.size();
    if (!chart.isNull()) {
        chartLabel->setPixmap(QPixmap::fromImage(chart));
    }
    chartLabel->resize(client);
    setFixedSize(client);
    setUpdatesEnabled(true);

    // Reported once drawing runs again: the message box runs an event loop of its own.
    if (!failure.isEmpty()) {
        dialogs_.error(failure);
    }
}

QImage grownPayChart(const QString& path, const QImage& chart, const QString& largeChart, double scale) {
    QImage large(largeChart);
    if (scale <= 1 || large.isNull() ||
        large.text(QString::fromLatin1(ChartDigestKey)) != chartFileDigest(path)) {
        return chart;
    }
    scale = std::min(scale, static_cast<double>(LargeChartScale));
    const QSize size(static_cast<int>(std::lround(chart.width() * scale)),
                     static_cast<int>(std::lround(chart.height() * scale)));
    return large.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void PayChartWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 || event->key() == Qt::Key_Help) {
        event->accept();
        help_.showTopic(HelpPayChart);
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace slotmachine
