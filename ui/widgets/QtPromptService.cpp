// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/QtPromptService.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace vx {

void QtPromptService::message(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool QtPromptService::question(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtPromptService::input(const QString& prompt, const QString& title,
                                        const QString& defaultText) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal,
                                               defaultText, &ok);
    if (!ok) return std::nullopt;
    return text;
}

} // namespace vx
