// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/BackgroundWork.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

namespace vx {

namespace {

// Less than this and a bar would only flash.
constexpr int kShowAfterMs = 400;
constexpr int kBarSteps = 1000;
constexpr int kBarUpdateMs = 50;

} // namespace

bool runWithProgress(QWidget* parent, const QString& label, const std::function<void(const Progress&)>& work) {
    std::atomic<qsizetype> done{0};
    std::atomic<qsizetype> total{1};
    std::atomic<bool> canceled{false};
    const Progress progress = [&](qsizetype now, qsizetype of) {
        done = now;
        total = std::max<qsizetype>(of, 1);
        return !canceled;
    };
    const std::unique_ptr<QThread> thread(QThread::create([&] { work(progress); }));

    QProgressDialog bar(label, QCoreApplication::translate("vx::BackgroundWork", "Annuleren"), 0, kBarSteps,
                        parent);
    bar.setObjectName(QStringLiteral("progressDialog"));
    bar.setWindowModality(Qt::ApplicationModal);
    bar.setAutoReset(false);
    bar.setAutoClose(false);
    bar.setMinimumDuration(kShowAfterMs);
    QObject::connect(&bar, &QProgressDialog::canceled, [&] { canceled = true; });
    QTimer barUpdate;
    barUpdate.setInterval(kBarUpdateMs);
    QObject::connect(&barUpdate, &QTimer::timeout, &bar,
                     [&] { bar.setValue(int(done * kBarSteps / std::max<qsizetype>(total, 1))); });

    QEventLoop wait;
    QObject::connect(thread.get(), &QThread::finished, &wait, &QEventLoop::quit);
    QTimer showBar;
    showBar.setSingleShot(true);
    QObject::connect(&showBar, &QTimer::timeout, &wait, &QEventLoop::quit);
    thread->start();
    showBar.start(kShowAfterMs);
    // Clicks and keys wait for the bar, which then takes them alone.
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    showBar.stop();
    if (!thread->isFinished()) {
        bar.show();
        barUpdate.start();
        wait.exec();
    }
    thread->wait();
    return canceled;
}

} // namespace vx
