// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program as a scorer meets it, shown, with a leg played so that lists and
// figures are filled: for the tests that must go over all of them.
#pragma once

#include "playsupport.h"
#include "shellsupport.h"
#include "ui/dialogs/StartDialog.h"
#include "ui/dialogs/StatisticsDialog.h"
#include "ui/main/ScoreboardWindow.h"

#include <QTableView>

namespace vxtest {

inline const QStringList& everyWindow() {
    static const QStringList names = {"start dialog",
                                      "team match",
                                      "team players",
                                      "duo match",
                                      "help panel",
                                      "team setup",
                                      "duo setup",
                                      "save",
                                      "settings",
                                      "about",
                                      "print",
                                      "row editor",
                                      "statistics graph",
                                      "statistics numbers",
                                      "statistics overview",
                                      "checkout chart",
                                      "scoreboard",
                                      "history"};
    return names;
}

// Opens the window `name` (a session must be started), calls `visit` with it while it shows and
// closes it again.
inline void visitWindow(const QString& name, const std::function<void(QWidget&)>& visit) {
    const auto settle = [] { QCoreApplication::processEvents(); };
    if (name == u"start dialog") {
        vx::StartDialog start;
        start.show();
        settle();
        return visit(start);
    }
    DialogRecorder dialogs;
    dialogs.onOpen = [&](QDialog& dialog) {
        dialog.show();
        settle();
        visit(dialog);
        return int(QDialog::Rejected);
    };
    vx::MainWindow main;
    const bool duo = name == u"duo match" || name == u"duo setup";
    if (duo)
        StartDuoMatch(main, "Koos", "Fred", true, 2, 101, "Duel");
    else
        StartTeamMatch(main, "Oost", {"Anna", "Bert"}, 101);
    main.show();
    // A leg won: rows in the score list; in a duo match the next turn has begun.
    play(main, duo ? "T20 ADD T20 ADD 9 D16 ADD T20" : "T20 ADD 9 D16");
    if (!duo && name != u"team players") control(main, "SpelersList")->hide();
    control<QTableView>(main, "ListView1")->selectRow(0);
    settle();
    const QMap<QString, QString> menuButton = {{"team setup", "MenuKnop(0)"}, {"duo setup", "MenuKnop(1)"},
                                               {"save", "MenuKnop(2)"},       {"print", "MenuKnop(3)"},
                                               {"row editor", "MenuKnop(4)"}, {"settings", "MenuKnop(6)"},
                                               {"about", "MenuKnop(7)"}};
    const QMap<QString, QString> menuAction = {{"checkout chart", "HelpCheckout"},
                                               {"help panel", "HelpUitleg"},
                                               {"scoreboard", "ToolsScorebord"},
                                               {"history", "ToolsHistorie"}};
    if (menuButton.contains(name)) {
        click(main, menuButton[name]);
        if (dialogs.opened.size() != 1) qFatal("%s opened no dialog", qPrintable(name));
    } else if (name.startsWith(u"statistics")) {
        vx::StatisticsDialog form(main);
        if (name.endsWith(u"overview"))
            form.showOverview();
        else
            form.showGraph(name.endsWith(u"graph"));
        form.show();
        settle();
        visit(form);
    } else if (name == u"scoreboard") {
        control<QAction>(main, menuAction[name])->trigger();
        settle();
        visit(*main.findChild<vx::ScoreboardWindow*>());
    } else {
        if (menuAction.contains(name)) control<QAction>(main, menuAction[name])->trigger();
        settle();
        if (dialogs.opened.isEmpty()) visit(main);
    }
    main.hide();
}

} // namespace vxtest
