#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""One club evening on two boards: two runs of the real program, each with its own home and its
own virtual X screen, both keeping their history on one PostgreSQL server of this script's own.
  1. both boards start a team evening of team "Oost", two players each, and play a leg;
  2. the server is stopped; both boards play on, their status lines say the server is away;
  3. the server is started again: every turn arrives once, and each board fetches the other's;
  4. the history window of each board shows the same league table of the four players.
Usage: two_boards.py --program build/bin/Vorlentix [--keep]
Exit status 0 all passed, 1 a step failed (screenshots are kept), 77 no Xvfb or no PostgreSQL."""

import argparse
import glob
import os
import pwd
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from club_night import NEXT_BUTTON, TEAM_FORM, Club  # noqa: E402
from vxdrive import Failure, missing_tool, wait_for  # noqa: E402

USER, PASSWORD, PORT, DATABASE = "vx", "pijl-180", 5432, "club"
# Every player's leg of 301 is their own, so that a row in the wrong place shows.
LEGS = {"Anna": ["T20 T20 T20", "T20 T17 D5 "], "Bert": ["T20 T20 20", "T20 T17 50 "],
        "Cor": ["T19 T19 T19", "T20 T10 D20 "], "Dirk": ["T20 T20 T19", "T20 T16 D8 "]}
TURNS_A_LEG = 2


class Server:
    """A PostgreSQL cluster in a folder of its own, reached through a socket there only."""

    def __init__(self, work):
        versions = sorted(glob.glob("/usr/lib/postgresql/*/bin/initdb"),
                          key=lambda p: [int(n) for n in p.split("/")[4].split(".")])
        if not versions:
            raise FileNotFoundError("PostgreSQL is not installed (./setup.sh test installs it)")
        self.bin = os.path.dirname(versions[-1])
        self.dir = os.path.join(work, "pg")
        os.makedirs(self.dir, mode=0o700)
        pwfile = os.path.join(self.dir, "pw")
        with open(pwfile, "w", encoding="utf-8") as f:
            f.write(PASSWORD)
        self.as_server = []
        if os.geteuid() == 0:  # the server refuses to run as root
            server = pwd.getpwnam("postgres")
            for root, dirs, files in os.walk(self.dir):
                for name in [root] + [os.path.join(root, n) for n in dirs + files]:
                    os.chown(name, server.pw_uid, server.pw_gid)
            os.chmod(work, 0o755)
            self.as_server = ["runuser", "-u", "postgres", "--"]
        self.run("initdb", "-D", self.data(), "-U", USER, f"--pwfile={pwfile}", "--auth=scram-sha-256",
                 "--no-sync", "--encoding=UTF8", "--locale=C")
        self.start()
        self.psql(f"CREATE DATABASE {DATABASE}", "postgres")

    def data(self):
        return os.path.join(self.dir, "data")

    def run(self, tool, *args):
        subprocess.run(self.as_server + [os.path.join(self.bin, tool), *args], cwd=self.dir, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT)

    def start(self):
        self.run("pg_ctl", "-D", self.data(), "-l", os.path.join(self.dir, "log"), "-w", "-o",
                 f"-c listen_addresses='' -c fsync=off -k {self.dir} -p {PORT}", "start")

    def stop(self):
        self.run("pg_ctl", "-D", self.data(), "-w", "-m", "fast", "stop")

    def psql(self, sql, database=DATABASE):
        result = subprocess.run([os.path.join(self.bin, "psql"), "-h", self.dir, "-p", str(PORT), "-U", USER,
                                 "-d", database, "-XAtq", "-v", "ON_ERROR_STOP=1", "-c", sql],
                                capture_output=True, text=True, env={**os.environ, "PGPASSWORD": PASSWORD})
        if result.returncode != 0:
            raise Failure(f"psql {sql}: {result.stderr.strip()}")
        return result.stdout.strip()

    def turns(self):
        try:
            return int(self.psql("SELECT count(*) FROM turns") or 0)
        except Failure:  # before the first board has made the tables
            return 0


class Board(Club):
    def __init__(self, exe, work, name, server):
        super().__init__(exe, work, None)
        self.name = name
        os.makedirs(self.home)
        # The settings dialog's "Clubserver" choice, as it writes it.
        with open(os.path.join(self.home, "Vorlentix-opties.ini"), "w", encoding="utf-8") as f:
            f.write(f'[Historie]\nplaats=clubserver\nserver="{server.dir}"\npoort={PORT}\n'
                    f'database="{DATABASE}"\ngebruiker="{USER}"\nbord="{name}"\n')

    def new_team(self, players):
        self.start()
        self.open_main(team=True)
        self.menu(0)
        form = self.window("Nieuw Team en Spelers")
        self.fill(form, TEAM_FORM["team"], "Oost")
        self.fill(form, TEAM_FORM["count"], str(len(players)))
        for i, name in enumerate(players):
            self.fill(form, (240, 1290 + i * 420, 2400, 300), name)
        self.fill(form, TEAM_FORM["start"], "301")
        self.screen.click(form, *TEAM_FORM["ok"])
        self.screen.wait_gone(form)

    def leg(self, player):
        first, out = LEGS[player]
        self.throw(first)
        self.throw(out, book=False)  # the leg ends at the double
        self.message()  # "Einde Leg, klik op 'Volgende Speler'..."

    def next_player(self, row):
        self.click(NEXT_BUTTON)
        self.screen.click_at(self.main, 12555 // 15 + 40, self.top + 3465 // 15 + 20 * row + 10)

    def history(self):
        """Opens the history window (Ctrl+H) on the league table."""
        self.screen.keys(self.main, "ctrl+h")
        window = self.window("Historie")
        self.screen.click_at(window, 455, 52)  # the tab "Competitie", as the style lays the tabs out
        return window


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--keep", action="store_true", help="keep the work folder")
    args = parser.parse_args()
    if missing := missing_tool():
        print(f"SKIP {missing} is not installed (./setup.sh test installs it)")
        return 77
    work = tempfile.mkdtemp(prefix="vx-boards-")
    try:
        server = Server(work)
    except FileNotFoundError as e:
        print(f"SKIP {e}")
        return 77
    pgpass = os.path.join(work, "pgpass")
    with open(pgpass, "w", encoding="utf-8") as f:
        f.write(f"*:*:*:{USER}:{PASSWORD}\n")
    os.chmod(pgpass, 0o600)
    os.environ["PGPASSFILE"] = pgpass
    exe = os.path.abspath(args.program)
    boards = [Board(exe, os.path.join(work, "bord1"), "Bord 1", server),
              Board(exe, os.path.join(work, "bord2"), "Bord 2", server)]
    for board in boards:
        os.makedirs(board.screen.shots_dir, exist_ok=True)
    players = [["Anna", "Bert"], ["Cor", "Dirk"]]
    step = "start"
    try:
        step = "1 both boards play a leg"
        for board, names in zip(boards, players):
            board.new_team(names)
        for board, names in zip(boards, players):
            board.leg(names[0])
        wait_for("both boards' first legs on the server", lambda: server.turns() == 2 * TURNS_A_LEG, timeout=30)

        step = "2 the server stopped, play goes on"
        server.stop()
        for board, names in zip(boards, players):
            board.next_player(1)
            board.leg(names[1])
        time.sleep(3)  # a send or two fails meanwhile
        for board in boards:
            board.screen.screenshot(f"{board.name.replace(' ', '')}-server-away")

        step = "3 the server back, every turn once"
        server.start()
        wait_for("every turn on the server", lambda: server.turns() == 4 * TURNS_A_LEG, timeout=30)
        time.sleep(3)  # each board's next round fetches the other's legs
        legs = server.psql("SELECT board || ':' || count(*) FROM legs GROUP BY board ORDER BY board")
        print(f"  legs on the server per board: {', '.join(legs.splitlines())}")

        step = "4 the same league table on both boards"
        tables = []
        for board in boards:
            window = board.history()
            time.sleep(1)
            tables.append(board.screen.pixels(window))
            board.screen.screenshot(f"{board.name.replace(' ', '')}-league")
        if tables[0][:2] != tables[1][:2]:
            raise Failure(f"the history windows differ in size: {tables[0][:2]} and {tables[1][:2]}")
        width, height, _ = tables[0]
        # Below the line with the source ("Alle borden, bijgewerkt om ..."): the tabs and the table.
        top = 60
        if tables[0][2][3 * width * top:] != tables[1][2][3 * width * top:]:
            raise Failure("the league tables of the two boards differ (see the screenshots)")
        print("PASS two boards, one league table")
        return 0
    except Exception as e:  # noqa: BLE001
        detail = str(e) if isinstance(e, Failure) else traceback.format_exc()
        print(f"FAIL step {step}: {detail}")
        for board in boards:
            print(f"  screenshot: {board.screen.screenshot('failed')}")
        args.keep = True
        return 1
    finally:
        for board in boards:
            board.close()
            board.screen.close()
        try:
            server.stop()
        except subprocess.CalledProcessError:
            pass  # stopped already
        print(f"work folder: {work}" if args.keep else "")
        if not args.keep:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
