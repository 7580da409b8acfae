// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the program shows itself, set beside a minimal Qt program that shows one empty
// window, measured in the same run. The parent starts itself as a child process in one of
// three roles and times, from the moment it starts the child, the child's report that a window
// has been painted:
//   minimal  an empty QWidget shown;
//   start    the start dialog shown (the program's own start-up: folders, prompts, StartDialog);
//            then "Open" pressed and the composed main window shown, timed inside the child.
// Usage: bench_startup [runs]   (default 15; uses the platform of the environment, e.g.
// QT_QPA_PLATFORM=offscreen, or a real display / xvfb-run).
#include "core/common/Services.h"
#include "ui/dialogs/StartDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/QtPromptService.h"
#include "ui/widgets/StyledButton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

// Reports the first paint of a widget and runs `then` once.
class FirstPaint : public QObject {
  public:
    FirstPaint(QWidget* watched, std::function<void()> then) : m_then(std::move(then)) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && m_then) {
            auto then = std::move(m_then);
            m_then = nullptr;
            object->removeEventFilter(this);
            QTimer::singleShot(0, then);
        }
        return false;
    }

  private:
    std::function<void()> m_then;
};

void say(const QString& line) {
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

int runChild(int argc, char* argv[], const QString& role) {
    QApplication app(argc, argv);
    if (role == QStringLiteral("minimal")) {
        QWidget window;
        FirstPaint watch(&window, [] {
            say(QStringLiteral("shown"));
            QApplication::quit();
        });
        window.resize(460, 280);
        window.show();
        return app.exec();
    }
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));
    QTemporaryDir home;
    vx::setFolders(vx::foldersForExecutable(
        QCoreApplication::applicationDirPath() + QStringLiteral("/../bin"), home.path()));
    vx::QtPromptService prompts;
    vx::setPrompts(&prompts);
    vx::StartDialog start;
    QElapsedTimer openTimer;
    std::unique_ptr<FirstPaint> mainWatch;
    FirstPaint startWatch(&start, [&] {
        say(QStringLiteral("shown"));
        openTimer.start();
        start.openButton->click();
        vx::MainWindow* main = start.mainWindow();
        mainWatch = std::make_unique<FirstPaint>(main, [&] {
            say(QStringLiteral("open %1").arg(openTimer.nsecsElapsed() / 1e6, 0, 'f', 2));
            QApplication::quit();
        });
    });
    start.show();
    return app.exec();
}

struct Run {
    double shown = -1;
    double open = -1;
};

Run runOnce(const QString& self, const QString& role) {
    QProcess child;
    QElapsedTimer timer;
    timer.start();
    child.start(self, {QStringLiteral("--role"), role});
    Run run;
    while (child.state() != QProcess::NotRunning || child.canReadLine()) {
        if (!child.canReadLine() && !child.waitForReadyRead(5000)) break;
        while (child.canReadLine()) {
            const QString line = QString::fromUtf8(child.readLine()).trimmed();
            if (line == QStringLiteral("shown"))
                run.shown = timer.nsecsElapsed() / 1e6;
            else if (line.startsWith(QStringLiteral("open ")))
                run.open = line.mid(5).toDouble();
        }
    }
    child.waitForFinished(5000);
    return run;
}

double median(std::vector<double> values) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    for (int i = 1; i + 1 < argc; ++i)
        if (QString::fromLocal8Bit(argv[i]) == QStringLiteral("--role"))
            return runChild(argc, argv, QString::fromLocal8Bit(argv[i + 1]));

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 15;
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> minimal, shown, open;
    for (int i = 0; i < runs; ++i) {
        // interleaved, so a busy moment of the machine hits both sides alike
        minimal.push_back(runOnce(self, QStringLiteral("minimal")).shown);
        const Run r = runOnce(self, QStringLiteral("start"));
        shown.push_back(r.shown);
        open.push_back(r.open);
    }
    const double base = median(minimal);
    QTextStream out(stdout);
    out << "platform: " << qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("(default)"))
        << ", runs: " << runs << "\n";
    out << QStringLiteral("minimal Qt window shown:        %1 ms (median)\n").arg(base, 7, 'f', 1);
    out << QStringLiteral("start dialog shown:             %1 ms (median)  = %2 x minimal\n")
               .arg(median(shown), 7, 'f', 1)
               .arg(median(shown) / base, 0, 'f', 2);
    out << QStringLiteral("\"Open\" to main window shown:    %1 ms (median)  = %2 x minimal\n")
               .arg(median(open), 7, 'f', 1)
               .arg(median(open) / base, 0, 'f', 2);
    return 0;
}
