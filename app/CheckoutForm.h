// The checkout chart: one picture of every finish, opened from the help menu.
#pragma once

#include <QDialog>

class QLabel;

namespace vx {

class CheckoutForm : public QDialog {
    Q_OBJECT
  public:
    explicit CheckoutForm(QWidget* parent = nullptr);

    // The chart, or a sentence saying why it is not there.
    QLabel* Picture = nullptr;
};

} // namespace vx
