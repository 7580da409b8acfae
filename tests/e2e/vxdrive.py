# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the built program as a user does: a virtual X screen, real windows found by their
titles, controls clicked where the windows place them (in twips), keys typed, screenshots
read. Nothing inside the program is replaced; state is read from the files it writes."""

import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

TWIPS_PER_PIXEL = 15
# Generous for a loaded two-core machine: every wait polls and ends as soon as it can.
TIMEOUT = float(os.environ.get("VX_E2E_TIMEOUT", "30"))


class Failure(Exception):
    pass


def missing_tool():
    """The first tool of the virtual screen that is not installed, or None."""
    return next((tool for tool in ["Xvfb", "xdotool", "import"] if not shutil.which(tool)), None)


def px(twips):
    return round(twips / TWIPS_PER_PIXEL)


def wait_for(what, probe, timeout=TIMEOUT, interval=0.1):
    """Polls probe() until it returns something true, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"waited {timeout:.0f} s for {what}")
        time.sleep(interval)


def read(path):
    with open(path, "rb") as f:
        return f.read()


class Screen:
    """A private Xvfb display, at 96 dpi so that 15 twips are one pixel."""

    def __init__(self, shots_dir):
        self.shots_dir = shots_dir
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-dpi", "96",
             # Without -noreset the server starts over whenever its last client goes (as the
             # program does at every kill), and a program started in that moment finds no display.
             "-nolisten", "tcp", "-noreset"], pass_fds=[write_end], stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as f:
            number = f.readline().strip()
        if not number:
            raise Failure("Xvfb did not start")
        self.display = ":" + number
        self.shot_count = 0

    def close(self):
        self.server.terminate()
        self.server.wait(10)

    def run(self, *args, check=True):
        result = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True,
                                env={**os.environ, "DISPLAY": self.display})
        if check and result.returncode != 0:
            raise Failure(f"xdotool {' '.join(map(str, args))}: {result.stderr.strip()}")
        return result.stdout

    def windows(self, title):
        """The visible windows of exactly this title, oldest first."""
        out = self.run("search", "--onlyvisible", "--name", f"^{re.escape(title)}$", check=False)
        return [int(w) for w in out.split()]

    def wait_window(self, title, known=(), timeout=TIMEOUT):
        """A visible window of this title that is not one of `known`."""
        return wait_for(f'a window "{title}"',
                        lambda: next((w for w in self.windows(title) if w not in known), None),
                        timeout)

    def wait_gone(self, window, timeout=TIMEOUT):
        wait_for(f"window {window} to close",
                 lambda: window not in self.windows_any(), timeout)

    def windows_any(self):
        out = self.run("search", "--onlyvisible", "--classname", ".", check=False)
        return [int(w) for w in out.split()]

    def geometry(self, window):
        out = self.run("getwindowgeometry", "--shell", window)
        g = dict(line.split("=", 1) for line in out.split())
        return int(g["X"]), int(g["Y"]), int(g["WIDTH"]), int(g["HEIGHT"])

    def click_at(self, window, x, y, button=1, repeat=1):
        wx, wy, _, _ = self.geometry(window)
        self.run("mousemove", "--sync", wx + x, wy + y)
        self.run("click", "--repeat", repeat, button)
        # Off every window, so that no tool tip comes up over what is looked for next.
        self.run("mousemove", "--sync", 1279, 1023)

    def click(self, window, left, top, width, height, offset=(0, 0)):
        """Clicks the middle of a control placed at left, top, width, height twips."""
        self.click_at(window, offset[0] + px(left + width / 2), offset[1] + px(top + height / 2))

    def focus(self, window):
        self.run("windowfocus", "--sync", window)

    def keys(self, window, *keys):
        if window:  # a menu has the keyboard to itself
            self.focus(window)
        self.run("key", "--delay", "40", *keys)

    def type(self, window, text):
        self.focus(window)
        self.run("type", "--delay", "40", text)

    def pixels(self, window=None):
        """The window (or the whole screen) as (width, height, rgb bytes)."""
        raw = subprocess.run(["import", "-window", str(window or "root"), "-depth", "8", "ppm:-"], capture_output=True,
                             env={**os.environ, "DISPLAY": self.display}, check=True).stdout
        m = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", raw)
        width, height = int(m.group(1)), int(m.group(2))
        return width, height, raw[m.end():]

    def count_colour(self, window, box, colour, tolerance=30):
        """Pixels of about `colour` in box = (x, y, w, h) pixels of the window."""
        width, _, rgb = self.pixels(window)
        x0, y0, w, h = box
        count = 0
        for y in range(y0, y0 + h):
            row = rgb[3 * (y * width + x0):3 * (y * width + x0 + w)]
            for i in range(0, len(row), 3):
                if sum(abs(row[i + k] - colour[k]) for k in range(3)) <= tolerance:
                    count += 1
        return count

    def first_row_of(self, window, x, colour):
        """The first row of the window whose pixel at x is `colour`: where a panel begins."""
        width, height, rgb = self.pixels(window)
        for y in range(height):
            if tuple(rgb[3 * (y * width + x):3 * (y * width + x) + 3]) == tuple(colour):
                return y
        raise Failure(f"no pixel of colour {colour} in column {x} of window {window}")

    def screenshot(self, name):
        self.shot_count += 1
        path = os.path.join(self.shots_dir, f"{self.shot_count:02d}-{name}.png")
        subprocess.run(["import", "-window", "root", path], env={**os.environ, "DISPLAY": self.display})
        return path


class Program:
    """One run of the program on the screen, with its own home folder."""

    def __init__(self, screen, exe, home, env=None, limit_file_size=None):
        self.screen = screen
        self.known = set(screen.windows_any())
        self.log = open(os.path.join(screen.shots_dir, "program.log"), "ab")

        def preexec():
            if limit_file_size is not None:
                import resource
                # A write past the limit then fails with EFBIG instead of ending the program.
                signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
                resource.setrlimit(resource.RLIMIT_FSIZE, (limit_file_size, limit_file_size))

        self.process = subprocess.Popen(
            # -nograb: one of Qt's options for X11, which the program lets through.
            [exe, "--home", home, "-nograb"], stdout=self.log, stderr=self.log, preexec_fn=preexec,
            env={**os.environ, **(env or {}), "DISPLAY": screen.display, "QT_QPA_PLATFORM": "xcb"})

    def new_window(self, title, timeout=TIMEOUT):
        """The next window of this title the program opens."""
        self.forget_closed()
        window = self.screen.wait_window(title, self.known, timeout)
        self.known.add(window)
        return window

    def forget_closed(self):
        # X reuses the number of a closed window for a new one.
        self.known &= set(self.screen.windows_any())

    def running(self):
        return self.process.poll() is None

    def kill(self):
        self.process.send_signal(signal.SIGKILL)
        self.process.wait(10)
        self.log.close()

    def wait_exit(self, timeout=TIMEOUT):
        try:
            code = self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program did not end within {timeout:.0f} s")
        self.log.close()
        return code


class PrintQueue:
    """The suite's private print server with one PDF printer, for a program run as root."""

    def __init__(self, script, printer):
        self.dir = tempfile.mkdtemp(prefix="vx-e2e-cups-")
        self.server = subprocess.Popen(["bash", script, self.dir, printer], stdout=subprocess.PIPE,
                                       text=True, env={**os.environ, "LIFETIME": "900"})
        line = self.server.stdout.readline()
        while line and not line.startswith(("READY ", "SKIP ", "FAIL ")):
            line = self.server.stdout.readline()
        self.skipped = None if line.startswith("READY ") else (line.strip() or "no print server")
        self.socket = line.split(" ", 1)[1].strip() if not self.skipped else None

    def close(self):
        if self.server.poll() is None:
            self.server.terminate()
            self.server.wait(20)
        shutil.rmtree(self.dir, ignore_errors=True)

    @staticmethod
    def pdf_folders():
        """Where the PDF printer leaves its files: its Out folder for our user, and for others."""
        import pwd
        user = pwd.getpwuid(os.geteuid())
        out, anonymous = "${HOME}/PDF", "/var/spool/cups-pdf/ANONYMOUS"
        try:
            for line in open("/etc/cups/cups-pdf.conf"):
                m = re.match(r"\s*(Out|AnonDirName)\s+(\S+)", line)
                if m and m.group(1) == "Out":
                    out = m.group(2)
                elif m:
                    anonymous = m.group(2)
        except OSError:
            pass
        out = out.replace("${HOME}", user.pw_dir).replace("${USER}", user.pw_name)
        return [out, anonymous]

    def wait_pdf(self, name, since, timeout=90):
        """The first PDF written since `since` whose file name holds `name` (the job's title)."""
        def probe():
            for folder in self.pdf_folders():
                for file in os.listdir(folder) if os.path.isdir(folder) else []:
                    path = os.path.join(folder, file)
                    # The queue writes the file in steps: it is done once it reads as a PDF.
                    if name in file and file.endswith(".pdf") and os.path.getmtime(path) >= since and \
                            subprocess.run(["pdfinfo", path], capture_output=True).returncode == 0:
                        return path
            return None
        return wait_for(f'a PDF "{name}" from the print queue', probe, timeout, 0.5)


def pdf_red_ink(path):
    """Reddish pixels on the first page: the queue turns text into drawn glyphs, which pdftotext
    cannot read, so what was printed is told by its colour (dark red, softened at the edges)."""
    raw = subprocess.run(["pdftoppm", "-r", "100", "-f", "1", "-l", "1", path], capture_output=True).stdout
    m = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", raw)
    rgb = raw[m.end():]
    return sum(1 for i in range(0, len(rgb), 3) if rgb[i] > rgb[i + 1] + 40 and rgb[i] > rgb[i + 2] + 40)
