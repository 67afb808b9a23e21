#pragma once

#include <QDialog>
#include <QString>

class QLabel;

namespace slotmachine {

class Dialogs;
class HelpViewer;

// The pay chart window: the picture "Paychart.bmp" from beside the program,
// shown at its own size with nothing drawn over it. F1 opens its help topic.
class PayChartWindow final : public QDialog {
public:
    PayChartWindow(const QString& programDir, Dialogs& dialogs, HelpViewer& help, QWidget* parent = nullptr);

    QLabel* chartLabel = nullptr; // shows the pay chart picture

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showChart(const QString& programDir);

    Dialogs& dialogs_;
    HelpViewer& help_;
};

} // namespace slotmachine
