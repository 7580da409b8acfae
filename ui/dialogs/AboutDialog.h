// SPDX-License-Identifier: GPL-3.0-or-later
// The about window: a picture, the maker's credits and the version, size and date of the
// program's own file.
#pragma once

#include <QDialog>

class QLabel;

namespace vx {

class StyledButton;

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // The file whose size and date are shown; empty means the running program's own file.
    static inline QString executableFile;

    QLabel* pictureFrame = nullptr; // the white frame behind the picture
    QLabel* pictureLabel = nullptr;
    QLabel* infoLabel = nullptr; // the information text
    StyledButton* closeButton = nullptr;
};

} // namespace vx
