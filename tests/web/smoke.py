#!/usr/bin/env python3
"""Loads the web build in Debian's headless Chromium, waits for the first frame
on the game's canvas and saves a screenshot of it.

    tests/web/smoke.py SHOT.png [--url URL | --serve DIR] [--timeout SECONDS] [--title PNG]
                       [--play SHOT2.png] [--tour DIR [--scores SHOT3.png]]

With --serve the script serves DIR (build-web/page) itself on 127.0.0.1;
otherwise it loads URL (by default the page ./web.sh serves). It talks to
Chromium over its DevTools pipe, waits at most --timeout seconds in all, and
fails with a message instead of hanging. Python standard library only.
It prints the title's first frame, the cold start's longest task and, after the
tour, the tab renderer's resident memory, each held to a loose bound for a loaded
machine. It checks that every pass that paints level 0 behind the title's "Loading..." keeps
under 50 ms, that the title equals its picture outside the live labels (--title),
that the game's text is drawn in the game's own font (the page loads it under
the family the browser's SDL asks for), that the canvas takes whole multiples
of 640 x 480 (each game pixel a square block) at 800 x 600, 1280 x 720 and
1920 x 1080 windows and the exact fit below, and the page's manners (F5 and the
browser's other keys not cancelled, the controls listed, no 404, the mute). With
--play it then checks that a click on the title's Play starts a game, that the
full screen button works and Escape leaves it without leaving play, that a click
plays on after a lost focus, and that the sound wakes on the first
key that counts, presses 1, checks that play starts and that the hero moves on
Right, saves a second screenshot and measures the status line's contrast on it
(at least 4.5 : 1, as on the desktop), plays with a standard-mapping gamepad the
page is handed late, paints every level as the passes do (no pass over 50 ms,
each collision as the desktop's), bounds the wasm heap, and plays by touch in a
phone's window (tap Play, run right, run left and jump with two fingers, type a name). With --tour it plays
a whole game under each rule set, each level ended at its exit, saving a
screenshot of every screen; with --scores it then reloads the page and checks
that the tour's name and the mute were kept, then ends games in two windows
at once, five times, the last letters sent in the same millisecond: both names
must be kept every time. A pass's times are its busy time (the work
between the main loop's hooks), never the gaps between frames.
"""
import argparse
import base64
import functools
import http.server
import json
import os
import re
import select
import shutil
import subprocess
import struct
import sys
import tempfile
import threading
import time
import zlib

# Counts the lit pixels in a sample of the canvas: the page starts black, so
# any lit pixel is a frame the game drew.
LIT_PIXELS = """(() => {
  const c = document.getElementById('canvas');
  if (!c || !c.width) return 0;
  const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
  let lit = 0;
  for (let i = 0; i < d.length; i += 4 * 7) if (d[i] | d[i + 1] | d[i + 2]) ++lit;
  return lit;
})()"""
CANVAS_BOX = """(() => {
  const r = document.getElementById('canvas').getBoundingClientRect();
  return JSON.stringify([r.x, r.y, r.width, r.height]);
})()"""
# Records the gaps between the page's animation frames from its first script
# on: the longest is how long the page stood frozen. Printed, never asserted.
FRAME_GAPS = """window.thornwaldGaps = [];
(function watch(last) {
  requestAnimationFrame((now) => { if (last) window.thornwaldGaps.push(now - last); watch(now); });
})(0);"""
LONGEST_GAP = "Math.max(0, ...window.thornwaldGaps)"
# The longest task the page's main thread ran, from its first script on.
LONG_TASKS = """window.thornwaldLongest = 0;
new PerformanceObserver((list) => {
  for (const task of list.getEntries()) window.thornwaldLongest = Math.max(window.thornwaldLongest, task.duration);
}).observe({type: 'longtask', buffered: true});"""
# Times each pass's own work (its busy time, not the gaps between passes) with the
# main loop's hooks, from the first pass on: the page's own script sets Module,
# and the trap adds the hooks to it. Each entry notes whether level 0 was still
# being painted in that pass.
TIME_PASSES = """window.thornwaldPasses = [];
Object.defineProperty(window, 'Module', { configurable: true, get() { return window.thornwaldModule; },
  set(m) {
    m.preMainLoop = () => { window.thornwaldPassStart = performance.now(); };
    m.postMainLoop = () => {
      if (m._thornwaldScreen && m._thornwaldScreen() < 0) return;  // a step of start-up, not a pass
      const painting = m._thornwaldLevelReady ? !m._thornwaldLevelReady(0) : false;
      window.thornwaldPasses.push([performance.now() - window.thornwaldPassStart, painting]);
    };
    window.thornwaldModule = m;
  } });"""
MARK_PASSES = "window.thornwaldPasses.length"
# [count, median, 95th percentile, longest] of the passes from `from` on, painting ones or the others.
PASS_TIMES = """((from, painting) => {
  const t = window.thornwaldPasses.slice(from).filter((p) => p[1] == painting).map((p) => p[0]).sort((a, b) => a - b);
  return t.length ? JSON.stringify([t.length, t[Math.floor(t.length / 2)], t[Math.floor(t.length * 0.95)], t[t.length - 1]]) : null;
})(%d, %s)"""
# Loose bounds on a pass's busy time: a pass that paints a slice of a level must
# not freeze the page, and play must keep well inside a 60 Hz frame on a busy CI machine.
MAX_PAINTING_PASS_MS = 50
MAX_PLAY_P95_MS = 12
MAX_HEAP_MB = 200
# Loose bounds for a loaded CI machine on the cold start and the tab's memory.
MAX_FIRST_FRAME_MS = 6000
MAX_TASK_MS = 500
MAX_RESIDENT_MB = 350
PLAYING = 2  # the game's screen number for play
KEYS = {"Right": (39, "ArrowRight", ""), "Escape": (27, "Escape", ""), "Space": (32, "Space", " ")}
KEYS.update({digit: (ord(digit), "Digit" + digit, digit) for digit in "123456789"})
KEYS.update({c: (ord(c), "Key" + c, c.lower()) for c in "ABCDEFGHIJKLMNOPQRSTUVWXYZ"})
SCREENS = {"title": 1, "play": 2, "shop": 3, "statistics": 4, "scores": 5, "name entry": 10, "victory": 11}
TITLE = 1  # the game's screen number for the title
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
POLL_SECONDS = 0.1


class Failure(Exception):
    pass


class Browser:
    """Headless Chromium driven over --remote-debugging-pipe (fd 3 in, fd 4 out,
    one JSON message per NUL-terminated chunk)."""

    def __init__(self, deadline):
        self.deadline = deadline
        self.next_id = 0
        self.buffer = b""
        self.session = None
        self.console = []
        self.missing = []  # addresses the page asked for and did not get (404 and such)
        exe = shutil.which("chromium") or shutil.which("chromium-browser")
        if not exe:
            raise Failure("chromium is not installed (./web.sh installs it)")
        self.profile = tempfile.mkdtemp(prefix="thornwald-smoke-")
        to_browser_r, self.to_browser = os.pipe()
        self.from_browser, from_browser_w = os.pipe()

        def wire_pipe():
            # Through fresh numbers first, in case either end already is 3 or 4.
            into, out = os.dup(to_browser_r), os.dup(from_browser_w)
            os.dup2(into, 3)
            os.dup2(out, 4)

        # A container's small /dev/shm would not hold a level's canvases.
        args = [exe, "--headless", "--remote-debugging-pipe", "--no-sandbox", "--disable-gpu",
                "--disable-dev-shm-usage", "--mute-audio", "--no-first-run", "--no-default-browser-check", "--window-size=800,600",
                "--user-data-dir=" + self.profile, "about:blank"]
        self.process = subprocess.Popen(args, preexec_fn=wire_pipe, pass_fds=(3, 4),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser_r)
        os.close(from_browser_w)

    def left(self):
        remaining = self.deadline - time.monotonic()
        if remaining <= 0:
            raise Failure("timed out")
        return remaining

    def send(self, method, params=None, session=True):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session and self.session:
            message["sessionId"] = self.session
        os.write(self.to_browser, json.dumps(message).encode() + b"\0")
        while True:
            reply = self.receive()
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise Failure("%s failed: %s" % (method, reply["error"]))
                return reply.get("result", {})

    def receive(self):
        while b"\0" not in self.buffer:
            ready, _, _ = select.select([self.from_browser], [], [], self.left())
            if not ready:
                raise Failure("timed out waiting for Chromium")
            chunk = os.read(self.from_browser, 1 << 20)
            if not chunk:
                raise Failure("Chromium closed its pipe (exit code %s)" % self.process.poll())
            self.buffer += chunk
        raw, self.buffer = self.buffer.split(b"\0", 1)
        message = json.loads(raw)
        self.note(message)
        return message

    def note(self, message):
        method = message.get("method")
        if method == "Network.responseReceived" and message["params"]["response"]["status"] >= 400:
            self.missing.append("%s (%d)" % (message["params"]["response"]["url"],
                                             message["params"]["response"]["status"]))
        if method == "Runtime.consoleAPICalled":
            args = message["params"]["args"]
            self.console.append(" ".join(str(a.get("value", a.get("description", ""))) for a in args))
        elif method == "Runtime.exceptionThrown":
            details = message["params"]["exceptionDetails"]
            thrown = details.get("exception", {}).get("description", "")
            self.console.append("exception: %s %s" % (details.get("text", ""), thrown))

    def open_page(self):
        targets = self.send("Target.getTargets", session=False)["targetInfos"]
        pages = [t for t in targets if t["type"] == "page"]
        if pages:
            target = pages[0]["targetId"]
        else:
            target = self.send("Target.createTarget", {"url": "about:blank"}, session=False)["targetId"]
        self.session = self.send("Target.attachToTarget", {"targetId": target, "flatten": True},
                                 session=False)["sessionId"]
        self.send("Page.enable")
        self.send("Runtime.enable")
        self.send("Network.enable")
        # Room for the whole canvas: the window's own size leaves less.
        self.send("Emulation.setDeviceMetricsOverride",
                  {"width": 800, "height": 600, "deviceScaleFactor": 1, "mobile": False})
        self.send("Page.addScriptToEvaluateOnNewDocument", {"source": FRAME_GAPS})
        self.send("Page.addScriptToEvaluateOnNewDocument", {"source": TIME_PASSES})
        self.send("Page.addScriptToEvaluateOnNewDocument", {"source": LONG_TASKS})

    def renderer_resident_mb(self):
        """The resident memory of the browser's largest renderer (the game's tab), from /proc."""
        children = {}
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open("/proc/%s/stat" % pid) as stat:
                    parent = int(stat.read().rsplit(")", 1)[1].split()[1])
                children.setdefault(parent, []).append(int(pid))
            except (OSError, IndexError, ValueError):
                continue
        largest, todo = 0, [self.process.pid]
        while todo:
            pid = todo.pop()
            todo += children.get(pid, [])
            try:
                with open("/proc/%d/cmdline" % pid, "rb") as cmdline:
                    if b"--type=renderer" not in cmdline.read():
                        continue
                with open("/proc/%d/status" % pid) as status:
                    kb = next(int(line.split()[1]) for line in status if line.startswith("VmRSS:"))
                largest = max(largest, kb)
            except (OSError, StopIteration):
                continue
        return largest / 1024

    def key(self, name, down):
        code, dom_code, text = KEYS[name]
        event = {"type": ("keyDown" if text else "rawKeyDown") if down else "keyUp",
                 "windowsVirtualKeyCode": code, "nativeVirtualKeyCode": code, "code": dom_code,
                 "key": text or dom_code}
        if down and text:
            event["text"] = text
        self.send("Input.dispatchKeyEvent", event)

    def evaluate(self, expression, wait=False):
        result = self.send("Runtime.evaluate", {"expression": expression, "returnByValue": True,
                                                "awaitPromise": wait})
        if "exceptionDetails" in result:
            return None
        return result["result"].get("value")

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(timeout=5)
        shutil.rmtree(self.profile, ignore_errors=True)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, "http://127.0.0.1:%d/" % server.server_address[1]


def wait_for_first_frame(browser):
    """Milliseconds from navigation to the first frame of the title (start-up's bar comes before)."""
    while True:
        if browser.evaluate("window.Module && Module.calledRun && Module._thornwaldScreen() == %d" % TITLE) \
                and browser.evaluate(LIT_PIXELS):
            return browser.evaluate("performance.now()")
        wait = min(POLL_SECONDS, browser.left())
        time.sleep(wait)


def wait_until(browser, expression, what):
    while True:
        if browser.evaluate(expression):
            return
        try:
            time.sleep(min(POLL_SECONDS, browser.left()))
        except Failure:
            raise Failure("timed out waiting for " + what)


def play(browser, shot):
    """Key 1 starts the game; holding Right must move the hero."""
    browser.key("1", True)
    browser.key("1", False)
    started = time.monotonic()
    wait_until(browser, "Module._thornwaldScreen() == %d" % PLAYING, "play to start after key 1")
    print("key 1 reached play in %.0f ms" % ((time.monotonic() - started) * 1000))
    hash_of = "(Module._thornwaldCollisionHash(0, %d) >>> 0).toString(16).padStart(8, '0')"
    print("level 0's collision hash: 0x%s%s (the desktop's collision test knows it)"
          % (browser.evaluate(hash_of % 1), browser.evaluate(hash_of % 0)))
    mark = browser.evaluate(MARK_PASSES)
    before = browser.evaluate("Module._thornwaldHeroX()")
    browser.key("Right", True)
    time.sleep(min(1.0, browser.left()))
    browser.key("Right", False)
    after = browser.evaluate("Module._thornwaldHeroX()")
    print("the hero went from x %s to x %s on Right" % (before, after))
    if not after > before:
        raise Failure("the hero did not move right on Right")
    count, median, p95, longest = json.loads(browser.evaluate(PASS_TIMES % (mark, "false")))
    print("a pass's busy time while running: median %.1f ms, 95th percentile %.1f ms, longest %.1f ms"
          " (%d passes)" % (median, p95, longest, count))
    if p95 > MAX_PLAY_P95_MS:
        raise Failure("a pass's busy time in play is %.1f ms at the 95th percentile (bound %d ms)"
                      % (p95, MAX_PLAY_P95_MS))
    screenshot(browser, shot)
    print("play screenshot saved to %s" % shot)
    check_fullscreen(browser)
    # A page that loses the focus pauses the game: Right then moves nothing.
    browser.evaluate("window.dispatchEvent(new Event('blur')); true")
    time.sleep(min(0.2, browser.left()))
    before = browser.evaluate("Module._thornwaldHeroX()")
    browser.key("Right", True)
    time.sleep(min(0.5, browser.left()))
    browser.key("Right", False)
    after = browser.evaluate("Module._thornwaldHeroX()")
    if after != before:
        raise Failure("the hero moved from x %s to x %s after the page lost the focus" % (before, after))
    paused = os.path.join(os.path.dirname(shot), "paused.png")
    screenshot(browser, paused)
    # A click on the picture plays on, as its line under "Paused" says.
    click_canvas(browser, SCREEN_W // 2, SCREEN_H // 2)
    time.sleep(min(0.2, browser.left()))
    browser.key("Right", True)
    time.sleep(min(0.5, browser.left()))
    browser.key("Right", False)
    if not browser.evaluate("Module._thornwaldHeroX()") > after:
        raise Failure("the hero did not move after a click on the paused game")
    print("losing the focus paused the game (screenshot %s); a click played on" % paused)
    browser.key("Escape", True)
    browser.key("Escape", False)
    wait_until(browser, "Module._thornwaldScreen() == %d" % TITLE, "Escape to go back to the title")
    print("Escape went back to the title")


def click(browser, x, y):
    """A real left click at (x, y), CSS px in the window: a user gesture for the page."""
    for kind in ("mousePressed", "mouseReleased"):
        browser.send("Input.dispatchMouseEvent", {"type": kind, "x": x, "y": y, "button": "left", "clickCount": 1})


def click_canvas(browser, x, y):
    """A click on the game's pixel (x, y), wherever the canvas sits and however large."""
    left, top, w, h = json.loads(browser.evaluate(CANVAS_BOX))
    click(browser, left + (x + 0.5) * w / SCREEN_W, top + (y + 0.5) * h / SCREEN_H)


def click_element(browser, element_id):
    x, y, w, h = json.loads(browser.evaluate(
        "JSON.stringify((r => [r.x, r.y, r.width, r.height])(document.getElementById('%s').getBoundingClientRect()))"
        % element_id))
    click(browser, x + w / 2, y + h / 2)


# Whether a keydown sent to the focused canvas came back cancelled: [key, code, ctrl, shift].
KEY_CANCELLED = """((key, code, ctrl, shift) => {
  const e = new KeyboardEvent('keydown', {key: key, code: code, ctrlKey: ctrl, shiftKey: shift,
                                          bubbles: true, cancelable: true});
  document.getElementById('canvas').dispatchEvent(e);
  document.getElementById('canvas').dispatchEvent(new KeyboardEvent('keyup', {key: key, code: code, bubbles: true}));
  return e.defaultPrevented;
})(%s)"""
BROWSER_KEYS = [["F5", "F5", False, False], ["F11", "F11", False, False], ["F12", "F12", False, False],
                ["Tab", "Tab", False, False], ["Backspace", "Backspace", False, False],
                ["r", "KeyR", True, False], ["I", "KeyI", True, True]]
GAME_KEYS = [["ArrowDown", "ArrowDown", False, False], [" ", "Space", False, False]]
# What the page lists under the canvas: every key of the game's, as the README's table.
LISTED_KEYS = ["\u2190", "\u2192", "\u2191", "\u2193", "Space", "Z", "Left Shift", "Left Ctrl", "P", "1", "2", "5",
               "6", "7", "8", "A", "Esc", "F"]


def check_manners(browser):
    """On the title: the browser's own keys reach the browser, the game's are the game's
    (no scrolling); the page lists the controls; the mute button silences every channel and
    is remembered; the tab's icon loads."""
    for key in BROWSER_KEYS + GAME_KEYS:
        cancelled = browser.evaluate(KEY_CANCELLED % json.dumps(key)[1:-1])
        if cancelled != (key in GAME_KEYS):
            raise Failure("a keydown of %s came back %s" % ("+".join(
                ["Ctrl"] * key[2] + ["Shift"] * key[3] + [key[1]]), "cancelled" if cancelled else "not cancelled"))
    released = browser.evaluate("""(() => {
      let heard = false;
      const hear = () => { heard = true; };
      document.addEventListener('keyup', hear);
      document.getElementById('canvas').dispatchEvent(new KeyboardEvent('keyup', {key: 'ArrowRight',
          code: 'ArrowRight', altKey: true, bubbles: true}));
      document.removeEventListener('keyup', hear);
      return heard;
    })()""")
    if not released:
        raise Failure("a game key let go with Alt held did not reach the game")
    print("F5, F11, F12, Tab, Backspace, Ctrl+R and Ctrl+Shift+I reach the browser; Down and Space are the game's")
    listed = browser.evaluate("[...document.querySelectorAll('#controls kbd')].map((k) => k.textContent)")
    missing = [k for k in LISTED_KEYS if k not in listed]
    if missing:
        raise Failure("the page's controls do not list %s" % missing)
    if browser.evaluate("fetch('favicon.png').then((r) => r.ok && r.headers.get('content-type'))", wait=True) \
            != "image/png":
        raise Failure("the page's favicon.png does not load")
    if browser.missing:
        raise Failure("the page asked for what is not there: %s" % ", ".join(browser.missing))
    click_element(browser, "mute")
    if not soon(browser, "SDL.channels.length && SDL.channels.every((c) => c.volume == 0)"):
        raise Failure("the mute button did not silence the sound")
    if browser.evaluate("localStorage.getItem('thornwald.muted')") != "1":
        raise Failure("the mute button was not remembered")
    click_element(browser, "mute")
    if not soon(browser, "SDL.channels.every((c) => c.volume == 1)"):
        raise Failure("the mute button did not bring the sound back")
    print("the controls are listed, the favicon loads, mute silences %d channels and is remembered"
          % browser.evaluate("SDL.channels.length"))


def play_row_centre():
    """The middle of the title's "1 Play" row, game px, from the layout the generator's
    title painter and the game's click both read."""
    with open(os.path.join(ROOT, "src", "platform", "Layout.h")) as layout:
        menu = re.search(r"namespace titleMenu \{(.*?)\}", layout.read(), re.S).group(1)
    number = lambda name: int(re.search(name + r" = (\d+)", menu).group(1))
    return number("kX") + number("kWidth") // 2, number("kFirstRowY") + number("kRowHeight") // 2


def check_title_click(browser):
    """A click on the title's "Play" starts a game, as key 1 does; Escape goes back."""
    click_canvas(browser, *play_row_centre())
    if not soon(browser, "Module._thornwaldScreen() == %d" % PLAYING):
        raise Failure("a click on the title's Play did not start a game")
    press(browser, "Escape")
    wait_for_screen(browser, "title")
    print("a click on the title's Play started a game")


def check_fullscreen(browser):
    """During play, the page's button shows the game full screen, fitted to the screen; Escape
    leaves full screen and play goes on (it does not also go back to the title)."""
    click_element(browser, "fullscreen")
    if not soon(browser, "document.fullscreenElement && document.fullscreenElement.id == 'stage'"):
        raise Failure("the full screen button did not show the game full screen")
    size = json.loads(browser.evaluate(CANVAS_BOX))[2:]
    room = json.loads(browser.evaluate("JSON.stringify([innerWidth, innerHeight])"))
    print("full screen: the canvas is %g x %g in %d x %d" % (size[0], size[1], room[0], room[1]))
    press(browser, "Escape")
    if not soon(browser, "!document.fullscreenElement"):
        raise Failure("Escape did not leave full screen")
    time.sleep(min(0.3, browser.left()))
    if browser.evaluate("Module._thornwaldScreen()") != PLAYING:
        raise Failure("Escape that left full screen also left play")
    print("Escape left full screen and play went on")


# Paints level n afresh on the title as the passes of the statistics and the shop
# do, timing each pass's share, and hashes its collision. It runs in one go, so no
# pass of the game's own comes between; the title's next pass paints level 0 again.
PAINT_LEVEL = """(() => {
  Module._thornwaldPrepare(-1);  // frees every level, as a game over does
  const times = [];
  do {
    const start = performance.now();
    Module._thornwaldPrepare(%(n)d);
    times.push(performance.now() - start);
  } while (!Module._thornwaldLevelReady(%(n)d) && times.length < 100000);
  const half = (high) => (Module._thornwaldCollisionHash(%(n)d, high) >>> 0).toString(16).padStart(8, '0');
  return JSON.stringify([times, half(1) + half(0)]);
})()"""
# Each level is painted this many times, and a pass's busy time is the least it
# took: a pass the machine stopped for a while is not the game's own work.
PAINTINGS = 2


def desktop_hashes():
    """The collision hashes the desktop's collision test holds, read from it."""
    with open(os.path.join(ROOT, "tests", "level", "CollisionMapTest.cpp")) as test:
        table = re.search(r"kLevelHashes\[kLevelCount\] = \{([^}]*)\}", test.read())
    return ["%016x" % int(h, 16) for h in re.findall(r"0x[0-9a-fA-F]+", table.group(1))]


def paint_levels(browser):
    """Paints every level as the passes would, times each pass, and compares the collision with the desktop's."""
    expected = desktop_hashes()
    for n in list(range(1, len(expected))) + [0]:
        runs = []
        for _ in range(PAINTINGS):
            times, digest = json.loads(browser.evaluate(PAINT_LEVEL % {"n": n}))
            runs.append(times)
        if len(set(len(times) for times in runs)) != 1:
            raise Failure("level %d took %s passes to paint" % (n, [len(times) for times in runs]))
        longest = max(min(slice_times) for slice_times in zip(*runs))
        print("level %d: painted in %d passes, the longest %.1f ms; collision hash 0x%s"
              % (n, len(runs[0]), longest, digest))
        if digest != expected[n]:
            raise Failure("level %d's collision hash is 0x%s, the desktop's 0x%s" % (n, digest, expected[n]))
        if longest > MAX_PAINTING_PASS_MS:
            raise Failure("painting level %d took %.1f ms in one pass (bound %d ms)"
                          % (n, longest, MAX_PAINTING_PASS_MS))


def check_painting(browser):
    """Level 0 is painted a slice a pass behind the title's "Loading...": no such pass may freeze the page."""
    wait_until(browser, "Module._thornwaldLevelReady(0)", "level 0 to be painted")
    times = browser.evaluate(PASS_TIMES % (0, "true"))
    if not times:
        raise Failure("no pass painted level 0")
    count, median, p95, longest = json.loads(times)
    print("level 0 painted in %d passes: busy time median %.1f ms, longest %.1f ms" % (count, median, longest))
    if longest > MAX_PAINTING_PASS_MS:
        raise Failure("a pass that painted took %.1f ms (bound %d ms)" % (longest, MAX_PAINTING_PASS_MS))
    hash_of = "(Module._thornwaldCollisionHash(0, %d) >>> 0).toString(16).padStart(8, '0')"
    digest = browser.evaluate(hash_of % 1) + browser.evaluate(hash_of % 0)
    if digest != desktop_hashes()[0]:
        raise Failure("level 0's collision hash is 0x%s, the desktop's 0x%s" % (digest, desktop_hashes()[0]))


# The canvas's pixels, and a PNG's as the browser decodes it, each as base64 RGBA.
CANVAS_RGBA = """(() => {
  const c = document.getElementById('canvas');
  const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
  let s = '';
  for (let i = 0; i < d.length; i += 8192) s += String.fromCharCode.apply(null, d.subarray(i, i + 8192));
  return btoa(s);
})()"""
PNG_RGBA = """(async (b64) => {
  const bytes = Uint8Array.from(atob(b64), (c) => c.charCodeAt(0));
  const bitmap = await createImageBitmap(new Blob([bytes], {type: 'image/png'}),
                                         {colorSpaceConversion: 'none', premultiplyAlpha: 'none'});
  const c = new OffscreenCanvas(bitmap.width, bitmap.height);
  c.getContext('2d').drawImage(bitmap, 0, 0);
  const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
  let s = '';
  for (let i = 0; i < d.length; i += 8192) s += String.fromCharCode.apply(null, d.subarray(i, i + 8192));
  return btoa(s);
})(%s)"""
# The title's live label, drawn by the game over the picture: the rules line (x0, y0, x1, y1).
TITLE_LIVE_LABELS = [(150, 436, 350, 480)]
SCREEN_W, SCREEN_H = 640, 480


def compare_title(browser, picture):
    """Once level 0 is painted (no "Loading..."), the title must be the picture outside its live labels."""
    shown = base64.b64decode(browser.evaluate(CANVAS_RGBA))
    with open(picture, "rb") as f:
        wanted = base64.b64decode(browser.evaluate(PNG_RGBA % json.dumps(base64.b64encode(f.read()).decode()),
                                                   wait=True))
    if len(shown) != len(wanted) or len(shown) != SCREEN_W * SCREEN_H * 4:
        raise Failure("the canvas is not 640 x 480 or %s is not" % picture)
    differ = []
    for y in range(SCREEN_H):
        row = y * SCREEN_W * 4
        if shown[row:row + SCREEN_W * 4] == wanted[row:row + SCREEN_W * 4]:
            continue
        for x in range(SCREEN_W):
            at = row + x * 4
            live = any(x0 <= x < x1 and y0 <= y < y1 for x0, y0, x1, y1 in TITLE_LIVE_LABELS)
            if not live and shown[at:at + 3] != wanted[at:at + 3]:
                differ.append((x, y))
    if differ:
        xs, ys = [p[0] for p in differ], [p[1] for p in differ]
        raise Failure("the title differs from %s in %d pixels outside its live labels, within x %d-%d, y %d-%d"
                      % (picture, len(differ), min(xs), max(xs), min(ys), max(ys)))
    print("the title equals %s outside its live labels" % os.path.relpath(picture, ROOT))


def press(browser, name):
    browser.key(name, True)
    browser.key(name, False)


def wait_for_screen(browser, name):
    wait_until(browser, "Module._thornwaldScreen() == %d" % SCREENS[name], "the %s" % name)


def tour(browser, folder, rules):
    """Plays a whole game from the title to the high scores, each level ended at its
    exit, and saves a screenshot of every screen on the way into `folder`."""
    def shot(name):
        path = os.path.join(folder, "%s-%s.png" % (rules, name))
        screenshot(browser, path)
        print("  saved %s" % path)

    print("a whole game under %s rules:" % rules)
    wait_for_screen(browser, "title")
    if rules == "wild":
        press(browser, "8")
        time.sleep(min(0.2, browser.left()))
        shot("title")
    press(browser, "1")
    for n in range(5):
        wait_for_screen(browser, "play")
        time.sleep(min(0.3, browser.left()))
        if n in (0, 4):
            shot("level%d" % n)
        browser.evaluate("Module._thornwaldWarpToExit()")
        wait_for_screen(browser, "statistics")
        if n == 0:
            shot("statistics")
        press(browser, "Space")
        wait_for_screen(browser, "shop")
        if n == 0:
            shot("shop")
        # Walking out of the shop to the right starts the next level, or the ending.
        browser.key("Right", True)
        wait_until(browser, "Module._thornwaldScreen() != %d" % SCREENS["shop"], "the hero to leave the shop")
        browser.key("Right", False)
    wait_for_screen(browser, "victory")
    shot("victory")
    press(browser, "Space")
    wait_for_screen(browser, "name entry")
    shot("name-entry")
    for letter in SCORE_NAME:
        press(browser, letter)
        time.sleep(min(0.15, browser.left()))  # a letter too soon after the one before is dropped
    wait_for_screen(browser, "scores")
    shot("scores")
    press(browser, "1")


def check_memory(browser):
    """After every level was painted, the page's wasm heap (which never shrinks) must stay under the bound."""
    heap_mb = browser.evaluate("HEAP8.length / 1048576")
    print("memory: wasm heap %.0f MB after painting every level (bound %d MB), JavaScript heap %s MB" % (
        heap_mb, MAX_HEAP_MB,
        browser.evaluate("performance.memory ? Math.round(performance.memory.usedJSHeapSize / 1048576) : '?'")))
    if heap_mb > MAX_HEAP_MB:
        raise Failure("the wasm heap grew to %.0f MB" % heap_mb)


def check_resident(browser, empty_tab_mb):
    """After whole games to the victory screen, the tab's renderer must stay light. Measured
    after a garbage collection: what the tab holds, not what the collector has yet to free
    (the figure before it wanders by some 40 MB from run to run)."""
    browser.send("HeapProfiler.enable")
    browser.send("HeapProfiler.collectGarbage")
    time.sleep(min(1, browser.left()))
    resident = browser.renderer_resident_mb()
    print("renderer resident %.0f MB" % resident)
    print("an empty tab's renderer: %.0f MB" % empty_tab_mb)
    if resident > MAX_RESIDENT_MB:
        raise Failure("the tab's renderer holds %.0f MB (bound %d MB)" % (resident, MAX_RESIDENT_MB))


SCORE_NAME = "WEB"  # the name the tour saves
STORE_SECONDS = 10  # the save reaches IndexedDB within a few frames
# What the page's IndexedDB holds of the names file, as a reload finds it (null until stored).
STORED_NAMES = """new Promise((done) => {
  const open = indexedDB.open('/scores');
  open.onerror = () => done(null);
  open.onsuccess = () => {
    const db = open.result;
    try {
      const get = db.transaction('FILE_DATA').objectStore('FILE_DATA').get('/scores/scorenames.txt');
      get.onsuccess = () => { db.close(); done(get.result ? new TextDecoder().decode(get.result.contents) : null); };
      get.onerror = () => { db.close(); done(null); };
    } catch (e) { db.close(); done(null); }
  };
})"""
RELOADED_TITLE = "!window.thornwaldOldPage && window.Module && Module.calledRun && Module._thornwaldScreen() == %d"


def saved_score_survives_reload(browser, shot):
    """After the tour saved its name: the page keeps the table in IndexedDB, and a reload shows it."""
    stored_by = time.monotonic() + STORE_SECONDS
    while SCORE_NAME not in (browser.send("Runtime.evaluate", {"expression": STORED_NAMES, "awaitPromise": True,
                                                               "returnByValue": True})["result"].get("value") or ""):
        if time.monotonic() > stored_by:
            raise Failure("the name %s was not in the browser's IndexedDB %d s after the save"
                          % (SCORE_NAME, STORE_SECONDS))
        time.sleep(min(POLL_SECONDS, browser.left()))
    browser.evaluate("window.thornwaldOldPage = true; localStorage.setItem('thornwald.muted', '1')")
    browser.send("Page.reload")
    wait_until(browser, RELOADED_TITLE % TITLE, "the title after the reload")
    if browser.evaluate("document.getElementById('mute').textContent") != "Sound: off":
        raise Failure("the page did not keep the sound muted across the reload")
    browser.key("Right", True)  # the first key opens the sound (on the title it only turns the hero)
    browser.key("Right", False)
    if not soon(browser, "SDL.channels.length && SDL.channels.every((c) => c.volume == 0)"):
        raise Failure("the sound opened after the reload is not muted")
    click_element(browser, "mute")
    print("the mute was kept across the reload")
    names = browser.evaluate("Module.FS.readFile('/scorenames.txt', {encoding: 'utf8'})") or ""
    if SCORE_NAME not in names.split("\n"):
        raise Failure("after the reload the names file holds %r, not %s" % (names, SCORE_NAME))
    mode = browser.evaluate("Module.FS.stat('/scores/scorenames.txt').mode & 0o777")
    if mode != 0o644:
        raise Failure("the names file has mode %o, not 644" % (mode or 0))
    press(browser, "5")
    wait_for_screen(browser, "scores")
    screenshot(browser, shot)
    print("%s survived a reload in the browser's IndexedDB (mode 644); list screenshot saved to %s"
          % (SCORE_NAME, shot))


PHONE = {"width": 390, "height": 844, "deviceScaleFactor": 1, "mobile": True}  # CSS px, upright
TOUCH_NAME, TOUCH_SCORE = "TAP", 5000  # typed on the name entry's letter buttons
TOUCH_SHOWN = "getComputedStyle(document.getElementById('touch')).display != 'none'"


def tap(browser, x, y, seconds=0.05):
    """A finger on (x, y), CSS px, for `seconds`."""
    browser.send("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]})
    time.sleep(min(seconds, browser.left()))
    browser.send("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})


def centre_of(browser, selector):
    x, y, w, h = json.loads(browser.evaluate(
        "JSON.stringify((r => [r.x, r.y, r.width, r.height])(document.querySelector(%s).getBoundingClientRect()))"
        % json.dumps(selector)))
    return x + w / 2, y + h / 2


def check_touch(browser, url, shot):
    """In a window that plays by touch (a phone's, upright): the touch controls show under the
    game; a tap on the title's Play starts a game; holding the right button runs, and a second
    finger on Jump jumps while the first still runs."""
    if browser.evaluate(TOUCH_SHOWN):
        raise Failure("the touch controls show on a page played with a mouse")
    first = browser.session
    target = browser.send("Target.createTarget", {"url": "about:blank", "newWindow": True}, session=False)["targetId"]
    browser.session = browser.send("Target.attachToTarget", {"targetId": target, "flatten": True},
                                   session=False)["sessionId"]
    try:
        browser.send("Runtime.enable")
        browser.send("Emulation.setDeviceMetricsOverride", PHONE)
        browser.send("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
        browser.send("Page.navigate", {"url": url})
        wait_until(browser, PAGE_READY % TITLE + " && Module._thornwaldLevelReady(0)", "the title on the phone")
        if not browser.evaluate(TOUCH_SHOWN):
            raise Failure("the touch controls do not show on a touch screen")
        size = json.loads(browser.evaluate(CANVAS_BOX))[2:]
        left, top, w, h = json.loads(browser.evaluate(CANVAS_BOX))
        x, y = play_row_centre()
        tap(browser, left + x * w / SCREEN_W, top + y * h / SCREEN_H)
        if not soon(browser, "Module._thornwaldScreen() == %d" % PLAYING):
            raise Failure("a tap on the title's Play did not start a game")
        time.sleep(min(0.3, browser.left()))
        start_x = browser.evaluate("Module._thornwaldHeroX()")
        tap(browser, *centre_of(browser, "#touch [data-button='1']"), seconds=0.6)
        ran_to = browser.evaluate("Module._thornwaldHeroX()")
        if not ran_to > start_x:
            raise Failure("the hero did not run on the touch right button: x %s to %s" % (start_x, ran_to))
        time.sleep(min(0.5, browser.left()))  # to a stop
        ground = browser.evaluate("Module._thornwaldHeroY()")
        browser.evaluate("window.thornwaldHighest = 1e9; (function watch() { if (window.thornwaldHighest > -1) {"
                         " thornwaldHighest = Math.min(thornwaldHighest, Module._thornwaldHeroY());"
                         " requestAnimationFrame(watch); } })(); true")
        # Two fingers: Left held (back over the ground he came by), then Jump beside it;
        # he must jump while he runs on.
        left_button = centre_of(browser, "#touch [data-button='0']")
        jump = centre_of(browser, "#touch [data-button='2']")
        run_from = browser.evaluate("Module._thornwaldHeroX()")
        finger = lambda at, n: {"x": at[0], "y": at[1], "id": n}
        browser.send("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [finger(left_button, 0)]})
        time.sleep(min(0.15, browser.left()))
        browser.send("Input.dispatchTouchEvent", {"type": "touchStart",
                                                  "touchPoints": [finger(left_button, 0), finger(jump, 1)]})
        time.sleep(min(0.3, browser.left()))
        browser.send("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})
        run_to = browser.evaluate("Module._thornwaldHeroX()")
        time.sleep(min(0.6, browser.left()))
        highest = browser.evaluate("thornwaldHighest")
        if not highest < ground or not run_to < run_from:
            raise Failure("run and jump by two fingers: x %s to %s, y %s, highest %s" % (run_from, run_to, ground,
                                                                                        highest))
        browser_shot(browser, shot)
        # The name entry (reached here by key 7) shows letter buttons; P among them types P.
        browser.evaluate("Module._thornwaldSetScore(%d)" % TOUCH_SCORE)
        press_in_page(browser, "7")
        wait_for_screen(browser, "name entry")
        if not soon(browser, "getComputedStyle(document.getElementById('letters')).display != 'none'"):
            raise Failure("the name entry shows no letter buttons on a touch screen")
        browser_shot(browser, shot.replace(".png", "-name.png"))
        for letter in TOUCH_NAME:
            tap(browser, *centre_of(browser, "#letters button:nth-child(%d)" % (ord(letter) - ord("A") + 1)))
            time.sleep(min(0.2, browser.left()))  # a letter too soon after the one before is dropped
        wait_for_screen(browser, "scores")
        names = browser.evaluate("Module.FS.readFile('/scorenames.txt', {encoding: 'utf8'})") or ""
        if TOUCH_NAME not in names.split("\n"):
            raise Failure("the name tapped on the letter buttons is not in the table: %r" % names)
        print("touch: the controls show on a %d x %d phone (canvas %g x %g); a tap on Play started a game,"
              " the right button ran from x %s to x %s, Left and Jump held together ran from x %s to x %s and"
              " rose from y %s to y %s, the letter buttons typed %s; screenshot %s"
              % (PHONE["width"], PHONE["height"], size[0], size[1], start_x, ran_to, run_from, run_to, ground,
                 highest, TOUCH_NAME, shot))
    finally:
        browser.session = first
        browser.send("Target.closeTarget", {"targetId": target}, session=False)


# A key typed into the page as the keyboard would (the game's SDL reads keyCode), at
# once or at the wall-clock millisecond `at`; notes when it was sent (ms, fractional).
TYPE_KEY = """((letter, at) => {
  const send = () => {
    window.thornwaldSentAt = performance.timeOrigin + performance.now();
    for (const type of ['keydown', 'keyup']) {
      const e = new KeyboardEvent(type, {key: letter.toLowerCase(), code: 'Key' + letter, bubbles: true, cancelable: true});
      Object.defineProperty(e, 'keyCode', {value: letter.charCodeAt(0)});
      document.dispatchEvent(e);
    }
  };
  // A timer wakes a few ms early, and the last of the wait is spun, to the millisecond.
  const spin = () => { while (Date.now() < at); send(); };
  if (at) setTimeout(spin, at - Date.now() - 4); else send();
  return true;
})(%s, %s)"""
TAB_TRIES = 5
TAB_NAMES = ("B%sJ", "B%sK")  # each try's names in the two tabs: the last letters go together
TRY_LETTERS = "CDEGH"
PAGE_READY = "window.Module && Module.calledRun && Module._thornwaldScreen() == %d"


def type_letter(browser, letter, at=0):
    browser.evaluate(TYPE_KEY % (json.dumps(letter), at))


def two_tabs_keep_both_names(browser, url):
    """Two tabs of the page end games with their last letters sent in the same millisecond,
    TAB_TRIES times: the stored table keeps both names every time."""
    first = browser.session
    target = browser.send("Target.createTarget", {"url": url, "newWindow": True}, session=False)["targetId"]
    second = browser.send("Target.attachToTarget", {"targetId": target, "flatten": True}, session=False)["sessionId"]
    tabs = (first, second)
    try:
        browser.session = second
        browser.send("Runtime.enable")
        wait_until(browser, PAGE_READY % TITLE, "the second tab's title")
        gaps = []
        for t in range(TAB_TRIES):
            names = [pattern % TRY_LETTERS[t] for pattern in TAB_NAMES]
            for n, tab in enumerate(tabs):
                browser.session = tab
                if browser.evaluate("Module._thornwaldScreen()") == SCREENS["scores"]:
                    press_in_page(browser, "1")  # back to the title
                    wait_for_screen(browser, "title")
                browser.evaluate("Module._thornwaldSetScore(%d)" % (900000 + 10 * t + n))
                press_in_page(browser, "7")
                wait_for_screen(browser, "name entry")
                for letter in names[n][:2]:
                    type_letter(browser, letter)
                    time.sleep(min(0.15, browser.left()))  # a letter too soon after the one before is dropped
            at = int(time.time() * 1000) + 400
            for n, tab in enumerate(tabs):
                browser.session = tab
                type_letter(browser, names[n][2], at)
            sent = []
            for tab in tabs:
                browser.session = tab
                wait_for_screen(browser, "scores")
                sent.append(browser.evaluate("window.thornwaldSentAt"))
            gaps.append(abs(sent[0] - sent[1]))
            stored_by = time.monotonic() + STORE_SECONDS
            while True:
                stored = stored_names(browser).split("\n")
                if all(name in stored for name in names):
                    break
                if time.monotonic() > stored_by:
                    raise Failure("try %d: the stored table holds %s, not both %s" % (t + 1, stored, names))
                time.sleep(min(POLL_SECONDS, browser.left()))
        print("two tabs kept both names in %d of %d tries, the last letters sent %s ms apart"
              % (TAB_TRIES, TAB_TRIES, ", ".join("%.1f" % g for g in gaps)))
    finally:
        browser.session = first
        browser.send("Target.closeTarget", {"targetId": target}, session=False)


def press_in_page(browser, key):
    """A digit key typed into the page (any tab, shown or not)."""
    browser.evaluate(TYPE_KEY.replace("'Key' + letter", "'Digit' + letter") % (json.dumps(key), 0))


def stored_names(browser):
    return browser.send("Runtime.evaluate", {"expression": STORED_NAMES, "awaitPromise": True,
                                             "returnByValue": True})["result"].get("value") or ""


# The family the game's SDL asked for, and whether the page's font under it is loaded.
FONT_FAMILIES = "JSON.stringify(SDL.fonts.filter(Boolean).map((f) => f.name))"
FONT_LOADED = "[...document.fonts].some((f) => f.family.replace(/\"/g, '') == %s && f.status == 'loaded')"


def check_font(browser):
    """The browser's SDL draws text in the CSS family named by the font file: the page
    must have loaded the game's font under exactly that name before the first text."""
    families = set(json.loads(browser.evaluate(FONT_FAMILIES) or "[]"))
    if not families:
        raise Failure("the game opened no font")
    for family in families:
        loaded = browser.evaluate(FONT_LOADED % json.dumps(family))
        print("the game's text is drawn in the family %r: %s" % (family, "loaded" if loaded else "NOT loaded"))
        if not loaded:
            raise Failure("the page has no font loaded under %r; the text falls back to serif" % family)


def png_rows(path, last_row):
    """Rows 0 .. last_row of an 8-bit, non-interlaced RGB or RGBA PNG (as Chromium
    saves them), each a list of (r, g, b)."""
    with open(path, "rb") as f:
        data = f.read()
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, _, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or colour not in (2, 6) or interlace:
                raise Failure("%s: a PNG this test cannot read" % path)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    step = 3 if colour == 2 else 4
    stride = width * step
    rows, previous = [], bytearray(stride)
    for y in range(last_row + 1):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - step] if i >= step else 0
            b, c = previous[i], previous[i - step] if i >= step else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([tuple(line[x:x + 3]) for x in range(0, stride, step)])
        previous = line
    return rows


def luminance(rgb):
    """Relative luminance, as the web's contrast guidelines define it."""
    lin = [v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4 for v in (c / 255.0 for c in rgb)]
    return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2]


STATUS_COLOUR = (213, 187, 234)  # the status line's letters
STATUS_ROWS = (6, 40)  # where the status line lies, drawn at y 10


def check_status_contrast(shot):
    """As the desktop's test: the worst contrast between a letter's pixel and a
    neighbour that is not a letter's, which must be at least 4.5 : 1."""
    rows = png_rows(shot, STATUS_ROWS[1] + 1)
    letter = lambda x, y: all(abs(a - b) <= 8 for a, b in zip(rows[y][x], STATUS_COLOUR))
    worst, letters = 100.0, 0
    for y in range(*STATUS_ROWS):
        for x in range(1, len(rows[y]) - 1):
            if not letter(x, y):
                continue
            letters += 1
            for nx, ny in ((x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                if not letter(nx, ny):
                    l1, l2 = luminance(rows[y][x]), luminance(rows[ny][nx])
                    worst = min(worst, (max(l1, l2) + 0.05) / (min(l1, l2) + 0.05))
    if letters < 500:
        raise Failure("the status line is missing from the play screenshot (%d letter pixels)" % letters)
    print("the status line's contrast in the browser: %.2f : 1 (%d letter pixels)" % (worst, letters))
    if worst < 4.5:
        raise Failure("the status line's contrast is %.2f : 1, under 4.5 : 1" % worst)


def soon(browser, expression, seconds=3):
    """Whether `expression` comes true within a few seconds."""
    give_up = time.monotonic() + seconds
    while not browser.evaluate(expression):
        if time.monotonic() > give_up:
            return False
        time.sleep(min(POLL_SECONDS, browser.left()))
    return True


# A gamepad with the browser's standard mapping, pressed by the test.
FAKE_PAD = """(() => {
  const pad = {id: 'smoke test pad', index: 0, mapping: 'standard', connected: true, timestamp: 1,
               axes: [0, 0, 0, 0], buttons: []};
  for (let i = 0; i < 17; ++i) pad.buttons.push({pressed: false, touched: false, value: 0});
  Object.defineProperty(navigator, 'getGamepads', {value: () => [pad, null, null, null], configurable: true});
  window.padButton = (i, down) => {
    pad.buttons[i] = {pressed: down, touched: down, value: down ? 1 : 0};
    pad.timestamp += 1;
    return true;
  };
  return true;
})()"""
PAD_START, PAD_DPAD_RIGHT = 9, 15  # the standard mapping's Start and d-pad right


def pad_press(browser, button, seconds):
    browser.evaluate("padButton(%d, true)" % button)
    time.sleep(min(seconds, browser.left()))
    browser.evaluate("padButton(%d, false)" % button)
    time.sleep(min(0.1, browser.left()))


def check_gamepad(browser):
    """On the title, a pad that shows up late: Start plays, the d-pad runs, Start goes back."""
    browser.evaluate(FAKE_PAD)
    time.sleep(min(0.3, browser.left()))  # a pass or two, for the game to open it
    pad_press(browser, PAD_START, 0.1)
    if not soon(browser, "Module._thornwaldScreen() == %d" % PLAYING):
        raise Failure("the pad's Start (button 9) did not start play")
    time.sleep(min(0.3, browser.left()))
    before = browser.evaluate("Module._thornwaldHeroX()")
    pad_press(browser, PAD_DPAD_RIGHT, 0.6)
    after = browser.evaluate("Module._thornwaldHeroX()")
    if not after > before:
        raise Failure("the hero did not move on the pad's d-pad right (button 15): x %s to %s" % (before, after))
    pad_press(browser, PAD_START, 0.1)
    if not soon(browser, "Module._thornwaldScreen() == %d" % TITLE):
        raise Failure("the pad's Start did not go back to the title")
    print("the standard-mapping pad: Start played, d-pad right ran from x %s to x %s, Start went back" % (before, after))


AUDIO_STATE = "typeof SDL == 'object' && SDL.audioContext ? SDL.audioContext.state : 'none'"


def check_sound_wakes(browser):
    """Sound runs after the first key that counts: Escape first (browsers do not count
    it), then Right (which on the title only turns the hero)."""
    first = browser.evaluate(AUDIO_STATE)
    browser.key("Escape", True)
    browser.key("Escape", False)
    after_escape = browser.evaluate(AUDIO_STATE)
    browser.key("Right", True)
    browser.key("Right", False)
    if not soon(browser, "(%s) == 'running'" % AUDIO_STATE):
        raise Failure("the sound is %s after Escape and Right on the title" % browser.evaluate(AUDIO_STATE))
    print("sound: %s at the title, %s after Escape, running after Right" % (first, after_escape))


# The canvas's size on the page for a window of w x h.
def canvas_size_for(browser, w, h):
    browser.send("Emulation.setDeviceMetricsOverride", {"width": w, "height": h, "deviceScaleFactor": 1,
                                                        "mobile": False})
    time.sleep(min(0.2, browser.left()))
    return json.loads(browser.evaluate(CANVAS_BOX))[2:]


def block_size(browser, shown, block):
    """Whether the screenshot `shown` draws each of the canvas's pixels as a block x block
    square of its own colour (never smoothed): the rows of the title's heading are compared."""
    game = base64.b64decode(browser.evaluate(CANVAS_RGBA))
    last = int(HEADING_ROWS[1] * block)
    rows = png_rows(shown, last)
    wrong = total = 0
    for y in range(int(HEADING_ROWS[0] * block), last + 1, 3):
        for x, pixel in enumerate(rows[y]):
            at = (int(y / block) * SCREEN_W + int(x / block)) * 4
            total += 1
            wrong += any(abs(a - b) > 2 for a, b in zip(pixel, game[at:at + 3]))
    return wrong, total


HEADING_ROWS = (40, 110)  # the title's "Thornwald", game px: sharp edges that smoothing would blur
# The room the page keeps under the canvas for its buttons, CSS px.
BAR_ROOM = ("document.getElementById('bar').getBoundingClientRect().bottom"
            " - document.getElementById('stage').getBoundingClientRect().bottom + 8")

# A window, the canvas's CSS size in it, and the block each game pixel takes on the screen.
WINDOWS = (((800, 600), None, None), ((1280, 720), None, None), ((1920, 1080), (1280, 960), 2),
           ((2000, 1500), (1920, 1440), 3), ((500, 600), None, None))


def check_scaling(browser, folder):
    """Whole multiples of 640 x 480 from 2x up, the exact fit below 2x, never smoothed;
    the page's lines under the canvas (taller than the window at 800 x 600) do not shrink it.
    Saves the page at the three common windows into `folder`."""
    for (w, h), want, block in WINDOWS:
        got = canvas_size_for(browser, w, h)
        if not want:  # below 2x: the largest fit in the room the page leaves beside its scroll bar
            room = browser.evaluate("document.documentElement.clientWidth")
            block = min(room / SCREEN_W, (h - browser.evaluate(BAR_ROOM)) / SCREEN_H)
            want = (int(SCREEN_W * block), int(SCREEN_H * block))
        shot = os.path.join(folder, "canvas-%dx%d.png" % (w, h))
        whole = [round(v) for v in got] == list(want) and block >= 1 and block == int(block)
        if whole:
            screenshot(browser, shot)
            wrong, total = block_size(browser, shot, block)
        print("window %d x %d: canvas %g x %g CSS px%s" % (
            w, h, got[0], got[1], ", each game pixel a %d x %d block (%d of %d sampled pixels differ)"
            % (block, block, wrong, total) if whole else " (the exact fit, %.3fx)" % block))
        if [round(v) for v in got] != list(want):
            raise Failure("in a window of %d x %d the canvas is %s, not %s" % (w, h, got, want))
        if whole and wrong > total // 1000:
            raise Failure("in a window of %d x %d the game's pixels are not %d x %d blocks: %d of %d differ"
                          % (w, h, block, block, wrong, total))
        if (w, h) in ((800, 600), (1280, 720), (1920, 1080)):
            browser_shot(browser, os.path.join(folder, "page-%dx%d.png" % (w, h)))
    canvas_size_for(browser, 800, 600)
    rendering = browser.evaluate("getComputedStyle(document.getElementById('canvas')).imageRendering")
    if rendering not in ("pixelated", "crisp-edges"):
        raise Failure("the canvas is drawn with image-rendering %r" % rendering)


def browser_shot(browser, path):
    """The whole window, the page's own lines and buttons too."""
    data = browser.send("Page.captureScreenshot", {"format": "png"})["data"]
    with open(path, "wb") as out:
        out.write(base64.b64decode(data))


def screenshot(browser, path):
    x, y, w, h = json.loads(browser.evaluate(CANVAS_BOX))
    clip = {"x": x, "y": y, "width": w, "height": h, "scale": 1}
    data = browser.send("Page.captureScreenshot", {"format": "png", "clip": clip})["data"]
    with open(path, "wb") as out:
        out.write(base64.b64decode(data))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("shot", help="where to save the screenshot (PNG)")
    parser.add_argument("--url", default="http://127.0.0.1:8000/")
    parser.add_argument("--serve", metavar="DIR", help="serve this folder instead of loading --url")
    parser.add_argument("--timeout", type=float, default=120, help="seconds for the whole run")
    parser.add_argument("--play", metavar="SHOT", help="then start a game, run right, and save this screenshot")
    parser.add_argument("--tour", metavar="DIR", help="then play a whole game under each rule set, saving screenshots")
    parser.add_argument("--title", metavar="PNG", help="the title picture the page packs, to compare the title with")
    parser.add_argument("--scores", metavar="SHOT",
                        help="after the tour, reload and check its score is kept, saving the list's screenshot")
    args = parser.parse_args()
    deadline = time.monotonic() + args.timeout
    server, url = serve(args.serve) if args.serve else (None, args.url)
    browser = None
    try:
        browser = Browser(deadline)
        browser.open_page()
        empty_tab_mb = browser.renderer_resident_mb()
        browser.send("Page.navigate", {"url": url})
        try:
            shown_ms = wait_for_first_frame(browser)
        except Failure as failure:
            raise Failure("no title on the canvas: %s" % failure)
        print("first frame %.0f ms" % shown_ms)
        if shown_ms > MAX_FIRST_FRAME_MS:
            raise Failure("the title showed %.0f ms after the page began loading (bound %d ms)"
                          % (shown_ms, MAX_FIRST_FRAME_MS))
        longest_task = browser.evaluate("window.thornwaldLongest")
        print("longest task %.0f ms" % longest_task)
        if longest_task > MAX_TASK_MS:
            raise Failure("a task of the cold start took %.0f ms (bound %d ms)" % (longest_task, MAX_TASK_MS))
        check_painting(browser)
        # The page's own line under the canvas says "Loading..." only until the game runs.
        left = browser.evaluate("document.getElementById('status').textContent")
        if left:
            raise Failure("the page still says %r under the game" % left)
        screenshot(browser, args.shot)
        print("screenshot saved to %s" % args.shot)
        if args.title:
            compare_title(browser, args.title)
        check_font(browser)
        check_scaling(browser, os.path.dirname(os.path.abspath(args.shot)))
        if args.play:
            check_sound_wakes(browser)  # first: the mute button's click would wake it
        check_manners(browser)
        if args.play:
            check_title_click(browser)
            play(browser, args.play)
            check_status_contrast(args.play)
            check_gamepad(browser)
            paint_levels(browser)
            check_memory(browser)
            check_touch(browser, url, os.path.join(os.path.dirname(os.path.abspath(args.play)), "touch.png"))
        if args.scores and not args.tour:
            raise Failure("--scores checks the score the tour saves: give --tour too")
        if args.tour:
            for rules in ("classic", "wild"):
                tour(browser, args.tour, rules)
            check_resident(browser, empty_tab_mb)
        print("longest gap between the page's frames: %.0f ms" % browser.evaluate(LONGEST_GAP))
        # Last: it reloads the page, which starts the frame gaps and the memory afresh.
        if args.scores:
            saved_score_survives_reload(browser, args.scores)
            two_tabs_keep_both_names(browser, url)
        return 0
    except Failure as failure:
        print("web smoke test FAILED: %s" % failure, file=sys.stderr)
        if browser and browser.console:
            print("the page said:\n  " + "\n  ".join(browser.console[-20:]), file=sys.stderr)
        return 1
    finally:
        if browser:
            browser.close()
        if server:
            server.shutdown()


if __name__ == "__main__":
    sys.exit(main())
