// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/CheckoutChartDialog.h"

#include "core/common/Language.h"
#include "core/common/Services.h"
#include "core/common/Utilities.h"
#include "ui/widgets/FormLook.h"

#include <QDir>
#include <QLabel>
#include <QPixmap>

namespace vx {

CheckoutChartDialog::CheckoutChartDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CheckoutForm"));
    setWindowTitle(tr("Darts Checkout Lijst"));
    sizeTwips(this, 9840, 7425);

    chartLabel = new QLabel(this);
    chartLabel->setObjectName(QStringLiteral("Picture"));
    placeTwips(chartLabel, 0, 0, 9840, 7425);
    const QString file = folders().dataFile(dataFileInUiLanguage(QStringLiteral("Dart Checkout.jpg")));
    const QPixmap chart(file);
    if (!chart.isNull()) {
        chartLabel->setPixmap(chart);
        return;
    }
    // An empty window would look like a fault of the program rather than of the installation.
    chartLabel->setAlignment(Qt::AlignCenter);
    chartLabel->setWordWrap(true);
    chartLabel->setMargin(twipsToPixels(600));
    chartLabel->setText(tr("De checkout lijst kan niet worden getoond: het bestand %1 is niet gevonden.")
                            .arg(QDir::toNativeSeparators(file)));
}

} // namespace vx
