// SPDX-License-Identifier: GPL-3.0-or-later
// The checkout chart: one picture of every finish, opened from the help menu.
#pragma once

#include <QDialog>

class QLabel;

namespace vx {

class CheckoutChartDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CheckoutChartDialog(QWidget* parent = nullptr);

    // The chart, or a sentence saying why it is not there.
    QLabel* chartLabel = nullptr;
};

} // namespace vx
