#include "engine/shell/AutoplayWindow.h"

#include "engine/display/WindowPlacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

namespace slotmachine {

namespace {

QLineEdit* amountField(std::optional<std::int32_t> amount, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setValidator(new QIntValidator(1, std::numeric_limits<std::int32_t>::max(), field));
    //: Shown in an empty limit: autoplay never stops for it.
    field->setPlaceholderText(AutoplayWindow::tr("never"));
    if (amount) {
        field->setText(QString::number(*amount));
    }
    return field;
}

std::optional<std::int32_t> amountOf(const QLineEdit& field) {
    bool ok = false;
    const int value = field.text().trimmed().toInt(&ok);
    if (!ok || value < 1) {
        return std::nullopt;
    }
    return value;
}

} // namespace

AutoplayWindow::AutoplayWindow(const AutoplayChoices& choices, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(tr("Autoplay"));

    spins = new QComboBox(this);
    for (const int count : AutoplaySpinCounts) {
        spins->addItem(QString::number(count), count);
    }
    spins->setCurrentIndex(std::max(0, spins->findData(choices.spins)));
    creditsBelow = amountField(choices.creditsBelow, this);
    winAtLeast = amountField(choices.winAtLeast, this);
    stopOnBonusGame = new QCheckBox(tr("Stop when a &bonus game opens"), this);
    stopOnBonusGame->setChecked(choices.stopOnBonusGame);
    followAdvice = new QCheckBox(tr("Follow the machine's &advice on holds and nudges"), this);
    followAdvice->setChecked(choices.followAdvice);

    auto* form = new QFormLayout;
    form->addRow(tr("Number of &spins:"), spins);
    form->addRow(tr("Stop when credits fall &below:"), creditsBelow);
    form->addRow(tr("Stop after a single &win of:"), winAtLeast);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* startButton = buttons->button(QDialogButtonBox::Ok);
    //: The button that starts autoplay.
    startButton->setText(tr("Start"));
    startButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(stopOnBonusGame);
    layout->addWidget(followAdvice);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    placeOnScreen(*this, sizeHint());
}

AutoplayChoices AutoplayWindow::choices() const {
    AutoplayChoices c;
    c.spins = spins->currentData().toInt();
    c.creditsBelow = amountOf(*creditsBelow);
    c.winAtLeast = amountOf(*winAtLeast);
    c.stopOnBonusGame = stopOnBonusGame->isChecked();
    c.followAdvice = followAdvice->isChecked();
    return c;
}

} // namespace slotmachine
