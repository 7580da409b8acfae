#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A club night on the real program, as a separate process on a virtual X screen:
  1. a duo match of three legs saved through "Data Opslaan", the program still running;
  2. a team evening of three players, killed twice around a resume, every file as played;
  3. statistics, overview, the score list printed to a PDF queue and a CSV export, read back;
  4. a save on a full home: the old file intact and a message;
  5. "Naar Keuzemenu" -> Exit: exit code 0, no recovery file, no temporary files.
Usage: club_night.py --program build/bin/Vorlentix | --deb build/vorlentix_X_amd64.deb
Exit status 0 all passed, 1 a step failed (its screenshot path is printed), 77 no Xvfb."""

import argparse
import datetime
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from vxdrive import Failure, PrintQueue, Program, Screen, missing_tool, pdf_red_ink, px, read, wait_for  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
TITLE = "Vorlentix"
RECOVERY = "Vorlentix-herstel.json"
HISTORY = "Vorlentix-historie.sqlite"
TEAM_SCREEN, DUO_SCREEN = (170, 200, 170), (230, 230, 180)

# Controls in twips on their window: (left, top, width, height).
START_OPEN, START_EXIT = (5610, 3120, 990, 360), (4560, 3120, 990, 360)
START_TEAM_OPTION = (450, 1590, 1500, 270)
MENU_BUTTON = [(285 + 675 * i, 8130, 600, 600) for i in range(9)]  # menu strip at 150, 7890
NEXT_BUTTON = (12480, 8310, 4290, 390)  # "Volgende Speler" / "Volgende Ronde"
FIRST_LIST_ROW = (300, 3660, 1500, 150)  # below the headings of the score list
DUO_FORM = {"file": (180, 240, 3315, 300), "legs": (2700, 2220, 1200, 300),
            "target": (1350, 1980, 900, 300), "start": (1350, 2520, 900, 300), "ok": (5430, 2910, 990, 360)}
TEAM_FORM = {"team": (240, 240, 2400, 300), "count": (240, 780, 690, 300), "start": (240, 5580, 900, 300),
             "ok": (3270, 6000, 990, 360)}
SAVE_FORM = {"save": (4650, 600, 990, 360), "cancel": (3630, 600, 990, 360)}
PRINT_BUTTON = (5625, 2850, 990, 360)

# Legs of 301, each a turn of 180, then 60 by the other player, then 121 out.
LEG = [["T20 T20 T20"], ["20 20 20"], ["T20 T17 D5"]]


class Club:
    def __init__(self, exe, work, queue):
        self.exe, self.work, self.queue = exe, work, queue
        self.home = os.path.join(work, "home")
        # The user's Documents folder, where the file dialogs open the first time.
        self.documents = os.path.join(work, "documents")
        self.config = os.path.join(work, "config")
        self.screen = Screen(os.path.join(work, "shots"))
        self.program = None
        self.main = self.top = None

    # --- the program and its windows ---
    def start(self, home=None, **kwargs):
        env = {"CUPS_SERVER": self.queue.socket} if self.queue and self.queue.socket else {}
        os.makedirs(self.documents, exist_ok=True)
        os.makedirs(self.config, exist_ok=True)
        with open(os.path.join(self.config, "user-dirs.dirs"), "w", encoding="utf-8") as f:
            f.write(f'XDG_DOCUMENTS_DIR="{self.documents}"\n')
        env["XDG_CONFIG_HOME"] = self.config
        self.program = Program(self.screen, self.exe, home or self.home, env=env, **kwargs)
        return self.program

    def window(self, title=TITLE):
        return self.program.new_window(title)

    def new_window(self):
        """The next window the program shows, whatever its title: a menu, a dialog."""
        self.program.forget_closed()
        window = wait_for("a new window", lambda: next(
            (w for w in self.screen.windows_any() if w not in self.program.known), None))
        self.program.known.add(window)
        return window

    def open_main(self, team=False):
        start = self.window()
        if team:
            self.screen.click(start, *START_TEAM_OPTION)
        self.screen.click(start, *START_OPEN)
        self.take_main(TEAM_SCREEN if team else DUO_SCREEN)
        return start

    def take_main(self, colour):
        # After a resume the start dialog comes up too, under the same title.
        self.program.forget_closed()
        self.main = wait_for("the main window", lambda: next(
            (w for w in self.screen.windows(TITLE)
             if w not in self.program.known and self.screen.geometry(w)[2] > px(17000)), None))
        self.program.known.update(self.screen.windows(TITLE))  # the start dialog beneath it
        # The client area begins below the menu line, whose height is the style's.
        self.top = wait_for("the main window drawn", lambda: self._client_top(colour))

    def _client_top(self, colour):
        try:
            return self.screen.first_row_of(self.main, 2, colour)
        except Failure:
            return None

    def click(self, control):
        self.screen.click(self.main, *control, offset=(0, self.top))

    def menu(self, index):
        self.click(MENU_BUTTON[index])

    def message(self, key="Return"):
        """Answers the next message box: Return for OK or "Ja", Escape for "Nee"."""
        box = self.new_window()
        self.screen.keys(box, key)
        self.screen.wait_gone(box)
        return box

    def fill(self, window, control, text):
        self.screen.click(window, *control)
        self.screen.keys(window, "ctrl+a")
        self.screen.type(window, text)

    def recovery(self, home=None):
        try:
            with open(os.path.join(home or self.home, RECOVERY), encoding="utf-8") as f:
                return json.load(f)
        except (OSError, ValueError):
            return None

    def throw(self, darts, book=True):
        """Types one turn and books it; waits until the recovery file has taken it in."""
        before = self.recovery()
        self.screen.type(self.main, darts)
        if book:
            self.screen.keys(self.main, "Return")
        wait_for(f"the turn {darts} in the recovery file", lambda: self.recovery() not in (None, before))

    def to_start_menu(self):
        """Bestand -> Naar Keuzemenu."""
        self.screen.click_at(self.main, 25, max(self.top // 2, 5))
        self.screen.keys(self.new_window(), "Down", "Return")
        self.screen.wait_gone(self.main)

    def save_through_dialog(self, expect_message=False):
        self.menu(2)
        form = self.window("Data Opslaan")
        self.screen.click(form, *SAVE_FORM["save"])
        if expect_message:
            return form
        # The progress run takes about four seconds, then the dialog closes.
        self.screen.wait_gone(form, timeout=60)

    def help_text_shown(self):
        """Whether the help page shows lines of the help text (light grey on dark green)."""
        self.menu(8)
        box = (px(300), self.top + px(3120 + 270 + 540), px(9000), px(240 * 6))
        count = wait_for("the help page", lambda: self.screen.count_colour(self.main, box, (230, 230, 230)))
        self.menu(8)
        return count > 200

    def exit_through_start_menu(self):
        """Bestand -> Naar Keuzemenu, then Exit: a normal end, with no match left to recover."""
        self.to_start_menu()
        self.screen.click(self.screen.windows(TITLE)[0], *START_EXIT)
        code = self.program.wait_exit()
        if code != 0:
            raise Failure(f"exit code {code}, not 0")
        if os.path.exists(os.path.join(self.home, RECOVERY)):
            raise Failure("the recovery file is still there after a normal close")

    def close(self):
        if self.program and self.program.running():
            self.program.kill()


# --- what the files must hold ---

def player_file(name, rows):
    """A player's score list as a pattern: every byte as written, the time stamps as played."""
    rule = b"-" * 28 + b"\r\n"
    out = re.escape(b"Vorlentix scorelijst\r\n" + name + b"\r\n" + rule)
    for turns, average in rows:
        cells = [b"", *turns] + [b"-"] * (25 - len(turns)) + [average]
        out += rb"(\d\d-\d\d-\d{4} / \d?\d:\d\d:\d\d)\r\n" + re.escape(b"".join(c + b"\r\n" for c in cells) + rule)
    return re.compile(out + rb"\Z")


def check_file(path, pattern, since):
    data = read(path) if os.path.exists(path) else b"(missing)"
    m = pattern.match(data)
    if not m:
        raise Failure(f"{path} is not as played:\n{data.decode('cp1252')}")
    for stamp in m.groups():
        at = datetime.datetime.strptime(stamp.decode(), "%d-%m-%Y / %H:%M:%S").timestamp()
        if not since - 2 <= at <= time.time() + 2:
            raise Failure(f"{path}: time stamp {stamp} is not of this run")


def leftovers(home):
    """Temporary files a save or the recovery writer left in the home."""
    found = []
    for folder, _, files in os.walk(home):
        # The match history's ".sqlite" has the shape of a save's temporary name but is kept.
        found += [os.path.join(folder, f) for f in files
                  if re.search(r"\.[A-Za-z0-9]{6}$|~$|\.tmp$", f) and f != HISTORY]
    return found


# --- the steps ---

def step1_duo_match(club):
    club.start()
    club.open_main()
    if not club.help_text_shown():
        raise Failure("the help text does not show: Data/Help.lib was not found")
    club.menu(1)
    form = club.window("Duo Match")
    club.fill(form, DUO_FORM["file"], "Clubavond")
    club.screen.click(form, *DUO_FORM["legs"])
    club.fill(form, DUO_FORM["target"], "2")
    club.fill(form, DUO_FORM["start"], "301")
    club.screen.click(form, *DUO_FORM["ok"])
    club.screen.wait_gone(form)
    for leg in range(3):
        for darts in LEG:  # the starter alternates: Koos, Fred, Koos
            club.throw(darts[0])
        club.message()  # "Einde ronde, klik op 'Volgende Ronde'..."
        if leg < 2:
            club.click(NEXT_BUTTON)
    club.message("Escape")  # "Einde Duo Match ... Wil je een nieuwe Match starten?" Nee
    club.save_through_dialog()
    if not club.program.running():
        raise Failure(f"the program ended during the save (exit {club.program.process.returncode})")
    path = os.path.join(club.home, "Teams", "Clubavond.lib")
    text = read(path).decode("cp1252").split("\r\n")
    rows = [text[i:i + 29] for i in range(3, len(text) - 1, 29)]
    got = [(r[0], r[1], [t for t in r[2:27] if t != "-"]) for r in rows]
    want = [("Koos", "v", ["180", "121"]), ("Fred", "-", ["60"]), ("Koos", "-", ["60"]),
            ("Fred", "v", ["180", "121"]), ("Koos", "v", ["180", "121"]), ("Fred", "-", ["60"])]
    if got != want:
        raise Failure(f"{path} holds {got}, not {want}")
    if (club.recovery() or {}).get("listChanged", False):
        raise Failure("the recovery file still marks the saved list as changed")
    # Still running and still answering: the menu leads back to the start dialog, Exit ends it.
    club.exit_through_start_menu()


def step2_team_evening(club):
    since = time.time()
    club.start()
    club.open_main(team=True)
    club.menu(0)
    form = club.window("Nieuw Team en Spelers")
    club.fill(form, TEAM_FORM["team"], "Oost")
    club.fill(form, TEAM_FORM["count"], "3")
    for i, name in enumerate(["Anna", "Bert", "Cor"]):
        club.fill(form, (240, 1290 + i * 420, 2400, 300), name)
    club.fill(form, TEAM_FORM["start"], "301")
    club.screen.click(form, *TEAM_FORM["ok"])
    club.screen.wait_gone(form)

    def leg(first_turn_booked=False):
        if not first_turn_booked:
            club.throw("T20 T20 T20")
        club.throw("T20 T17 D5 ", book=False)  # the leg ends at the double
        club.message()  # "Einde Leg, klik op 'Volgende Speler'..."

    def next_player(row):
        club.click(NEXT_BUTTON)
        # The list of players, at 12555, 3465 twips, has rows of about 20 pixels.
        club.screen.click_at(club.main, px(12555) + 40, club.top + px(3465) + 20 * row + 10)

    leg()
    next_player(1)
    wait_for("Anna's file", lambda: os.path.exists(os.path.join(club.home, "Teams", "Oost", "Anna.lib")))
    club.throw("T20 T20 T20")
    if (club.recovery() or {}).get("team", {}).get("turns") != [180]:
        raise Failure(f"Bert's 180 is not in the recovery file: {club.recovery()}")
    club.program.kill()  # mid-leg
    for _ in range(2):
        club.start()
        club.message()  # "De vorige wedstrijd is niet afgesloten (...). Wilt u verder spelen?" Ja
        club.take_main(TEAM_SCREEN)
        if _ == 0:
            club.program.kill()  # right after the resume
    if (club.recovery() or {}).get("team", {}).get("turns") != [180]:
        raise Failure(f"after two resumes the recovery file holds {club.recovery()}, not Bert's 180")
    leg(first_turn_booked=True)
    next_player(2)
    leg()
    club.save_through_dialog()
    row = ([b"180", b"121"], b"50.2")
    for name in [b"Anna", b"Bert", b"Cor"]:
        check_file(os.path.join(club.home, "Teams", "Oost", name.decode() + ".lib"), player_file(name, [row]), since)
    club.exit_through_start_menu()


def step3_review_print_export(club, printing):
    club.start()
    club.open_main(team=True)
    club.menu(1)
    form = club.window("Open Teams en Spelers")
    club.screen.click(form, *TEAM_FORM["ok"])  # team Oost, its players, Anna at the board
    club.screen.wait_gone(form)
    club.click(FIRST_LIST_ROW)
    club.menu(5)
    popup = club.new_window()
    club.screen.keys(popup, "Down", "Return")  # "Geselecteerde Item"
    stats = club.new_window()
    club.screen.click_at(stats, 60, 8)  # "Show"
    club.screen.keys(club.new_window(), "Up", "Return")  # "Overzicht", the last entry
    time.sleep(0.5)
    club.screen.screenshot("overview")
    club.screen.keys(stats, "Escape")
    club.screen.wait_gone(stats)

    if printing:
        since = time.time() - 2
        club.menu(3)
        form = club.new_window()
        club.screen.click(form, *PRINT_BUTTON)
        club.screen.wait_gone(form)
        pdf = club.queue.wait_pdf("Vorlentix_Scorelijst", since)
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
        text = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True).stdout
        rows_ink = pdf_red_ink(pdf)
        os.remove(pdf)
        if not re.search(r"Pages:\s+1\n", info):
            raise Failure(f"the score list of one row did not print on one page:\n{info}")
        # The rows in dark red (the page number alone is a few dozen pixels), or pdftotext's
        # letters where the queue kept them.
        print(f"  printed: {rows_ink} pixels of red ink")
        if "121" not in text and rows_ink < 300:
            raise Failure(f"the printed score list shows no rows ({rows_ink} pixels of red ink)")

    club.screen.keys(club.main, "ctrl+e")
    dialog = club.window("Exporteren naar CSV")
    club.screen.keys(dialog, "Return")  # under the name offered: Anna.csv in Documents
    csv_path = os.path.join(club.documents, "Anna.csv")
    text = wait_for("the CSV file", lambda: os.path.exists(csv_path) and read(csv_path)).decode("utf-8-sig")
    if "180" not in text or "121" not in text or "50" not in text:
        raise Failure(f"the CSV export does not hold Anna's leg:\n{text}")


def step5_close(club):
    """Ends the run of step 3 (or a run of its own, when that one failed)."""
    if not (club.program and club.program.running()):
        club.start()
        club.open_main(team=True)
    club.exit_through_start_menu()
    if leftovers(club.home):
        raise Failure(f"temporary files left in the home: {leftovers(club.home)}")


def step4_full_home(club):
    home = os.path.join(club.work, "full")
    os.makedirs(home)
    # Room for what a start writes (the history's tables among them); the rest is filled below.
    mounted = os.geteuid() == 0 and subprocess.run(
        ["mount", "-t", "tmpfs", "-o", "size=4m", "tmpfs", home]).returncode == 0
    try:
        shutil.copytree(os.path.join(club.home, "Teams"), os.path.join(home, "Teams"))
        path = os.path.join(home, "Teams", "Clubavond.lib")
        before = read(path)
        # Without root, a file size limit stands in for the full disk: a write past it fails.
        club.start(home=home, limit_file_size=None if mounted else len(before) // 2)
        club.open_main()
        club.menu(1)
        form = club.window("Duo Match")
        club.fill(form, DUO_FORM["file"], "Clubavond")
        club.screen.click(form, *DUO_FORM["ok"])
        club.screen.wait_gone(form)
        if mounted:
            subprocess.run(["dd", "if=/dev/zero", f"of={home}/vol", "bs=4k"], capture_output=True)
        form = club.save_through_dialog(expect_message=True)

        def outcome():  # a message over the dialog, or the dialog gone as after a save
            club.program.forget_closed()
            fresh = [w for w in club.screen.windows_any() if w not in club.program.known]
            return fresh[0] if fresh else (form not in club.screen.windows_any() and "closed")
        box = wait_for("the end of the save", outcome, timeout=60)
        if read(path) != before:
            raise Failure(f"{path} changed on a full home: {len(read(path))} bytes, was {len(before)}")
        if box == "closed":
            raise Failure("the save on a full home went through without a word")
        print(f"  the message on a full home: {club.screen.screenshot('full-home-message')}")
        club.screen.keys(box, "Return")
        if form not in club.screen.windows("Data Opslaan"):
            raise Failure("the save dialog closed as if the save had worked")
    finally:
        if mounted:  # lazily: the program may still hold it until it is ended
            subprocess.run(["umount", "-l", home])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program")
    parser.add_argument("--deb")
    parser.add_argument("--keep", action="store_true", help="keep the work folder")
    args = parser.parse_args()
    if missing := missing_tool():
        print(f"SKIP {missing} is not installed (./setup.sh test installs it)")
        return 77
    work = tempfile.mkdtemp(prefix="vx-e2e-")
    exe = args.program
    if args.deb:
        subprocess.run(["dpkg-deb", "-x", args.deb, os.path.join(work, "pkg")], check=True)
        exe = os.path.join(work, "pkg", "usr", "bin", "vorlentix")
    os.makedirs(os.path.join(work, "shots"))
    queue = PrintQueue(os.path.join(HERE, "..", "start-cups-pdf.sh"), "VorlentixE2E")
    if queue.skipped:
        print(f"  printing left out: {queue.skipped}")
    club = Club(os.path.abspath(exe), work, queue)
    failed = []
    steps = [("1 duo match saved through Data Opslaan", step1_duo_match),
             ("2 team evening, killed twice around a resume", step2_team_evening),
             ("3 statistics, overview, print and CSV", lambda c: step3_review_print_export(c, not queue.skipped)),
             ("5 Naar Keuzemenu and Exit", step5_close),
             ("4 a save on a full home", step4_full_home)]
    try:
        for name, step in steps:
            began = time.monotonic()
            try:
                step(club)
                print(f"PASS step {name} ({time.monotonic() - began:.0f} s)")
            except Exception as e:  # noqa: BLE001 - every failure is reported, the night goes on
                shot = club.screen.screenshot("failed")
                detail = str(e) if isinstance(e, Failure) else traceback.format_exc()
                print(f"FAIL step {name}: {detail}\n  screenshot: {shot}")
                failed.append(name)
                club.close()
                # The next step starts on a closed match, not on this one's remains.
                if os.path.exists(os.path.join(club.home, RECOVERY)):
                    os.rename(os.path.join(club.home, RECOVERY), os.path.join(work, "shots", name[0] + RECOVERY))
    finally:
        club.close()
        club.screen.close()
        queue.close()
    print(f"club night: {len(steps) - len(failed)} of {len(steps)} steps passed; screenshots and log in "
          f"{work}/shots")
    if not failed and not args.keep:
        shutil.rmtree(work, ignore_errors=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
