#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

class QLabel;

namespace slotmachine {

class Dialogs;
class HelpViewer;

// The running program's large pay chart (engine/display/LargePayChart.h).
QString largePayChartResource();

// A pay chart file and its large drawing.
struct PayChartFiles {
    QString path;       // the picture, empty when there is none
    QString largeChart; // the same chart drawn large
    bool operator==(const PayChartFiles&) const = default;
};

// The chart to show in `language`: where `chart` is the game's own (its large
// drawing names the file's bytes) and the chart in that language lies beside it
// ("Paychart-de.png" beside "Paychart.bmp", whatever the case of its name), that
// chart with its own large drawing ("Paychart-large-de.png" beside
// "Paychart-large.png"); else `chart` itself, as for English or a player's picture.
PayChartFiles payChartInLanguage(const PayChartFiles& chart, const QString& language);

// The chart to show at a window scale for the chart file at `path`, read as
// `chart`: the game's own chart grows with the machine, shown as its large drawing
// `largeChart` reduced to the scale (at most the drawing's own); a player's picture
// in its place (the large drawing names other bytes) keeps its own size.
QImage grownPayChart(const QString& path, const QImage& chart, const QString& largeChart, double scale);

// The pay chart window: the picture "Paychart.bmp" from beside the program, with
// nothing drawn over it, or the game's own chart in the player's language
// (payChartInLanguage). The game's own chart grows with the window scale, drawn
// from `largeChart`, the same chart drawn large; a player's picture in its place is
// shown at its own size. F1 opens its help topic.
class PayChartWindow final : public QDialog {
public:
    PayChartWindow(const QString& programDir, Dialogs& dialogs, HelpViewer& help, QWidget* parent = nullptr,
                   const QString& largeChart = largePayChartResource());

    QLabel* chartLabel = nullptr; // shows the pay chart picture

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showChart(const QString& programDir);

    Dialogs& dialogs_;
    HelpViewer& help_;
    QString largeChart_;
};

} // namespace slotmachine
