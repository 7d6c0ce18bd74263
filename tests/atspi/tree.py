#!/usr/bin/python3
"""What a screen reader on Linux sees of Pathora, read over AT-SPI.

    tests/atspi/tree.py [BUILD_DIR]      (default: build)

Starts a private X server (Xvfb) and session bus, runs BUILD_DIR/pathora with accessibility on,
and reads its tree as a screen reader would: the enter links of the cover and the preface, pressed
through their actions, lead to the contents page; every link there has the link role, a name and a
press action; the contents entry of the EQ test leads to it, and each of its questions is a group
named with its number and prompt, of named radio buttons. Only the current page is shown.
Exits 1 naming what is missing, 2 when the check cannot run. Everything it starts shares one
process group and is ended with it, on success, failure, timeout or interruption.
"""
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TIMEOUT = float(os.environ.get("PATHORA_ATSPI_TIMEOUT", "120"))   # the whole run, in seconds
PRESS = ("press", "click", "activate", "jump")


# ---- the book's own data: what the reader sees, and so what a screen reader must say --------------

def read(path):
    with open(os.path.join(ROOT, path), encoding="utf-8") as f:
        return f.read()


def window_text(key):
    return read("data/pages/window.txt").split(f"@@ {key}\n")[1].split("\n")[0]


def book_data():
    links = read("src/book/linktable.cpp")
    sections = re.findall(r'\{"([^"]+)", \d+, "Label\d+"\}', links)
    topics = re.findall(r'\{\d+, "([^"]+)", (\d+), "Label\d+", "Label\d+"\}', links)
    headings = dict(re.findall(r'\{(\d+), \d+, K::\w+, "([^"]*)"', read("src/book/pagetable.cpp")))
    eq = read("data/quiz/eq.txt")
    entries = dict(re.findall(r"^@@ (q\d+(?:\.opts)?)\n(.*?)(?=^@@ |\Z)", eq, re.M | re.S))
    questions = {int(k[1:]): v.strip() for k, v in entries.items() if not k.endswith(".opts")}
    options = {int(k[1:-5]): [o.strip() for o in v.splitlines() if o.strip()]
               for k, v in entries.items() if k.endswith(".opts")}
    # The cover's enter picture opens the preface, whose entry link leads on to the contents.
    cover_target = re.findall(r'pageLink\(36, QStringLiteral\("\w+"\), QString\(\), (\d+), R::Picture\)',
                              links)
    entry = re.findall(r'pageLink\((\d+), QStringLiteral\("\w+"\), utf8\("([^"]+)"\), kContentsPage,'
                       r' R::EntryLink\)', links)
    eq_entry = [(caption, target) for caption, target in topics if "EQ" in caption]
    if not (sections and topics and questions and len(eq_entry) == 1 and eq_entry[0][1] in headings
            and len(cover_target) == 1 and len(entry) == 1 and cover_target[0] == entry[0][0]):
        sys.exit("tree.py: cannot read the entry links, page headings or EQ questions from the sources")
    return {
        "contents": sections + [c for c, _ in topics],
        "eq_caption": eq_entry[0][0],
        "eq_heading": headings[eq_entry[0][1]].strip(),
        "preface_heading": headings[entry[0][0]].strip(),
        "entry_caption": entry[0][1],
        "contents_heading": headings["38"].strip(),
        "cover_heading": window_text("page.cover"),
        "enter_caption": window_text("picture.enter.jpg"),
        "questions": questions,
        "options": options,
    }


# ---- inside the session: the checks, through pyatspi ----------------------------------------------

class Missing(Exception):
    pass


def check(pid):
    import pyatspi

    data = book_data()
    problems = []

    def shown(o):
        s = o.getState()
        return s.contains(pyatspi.STATE_SHOWING) and s.contains(pyatspi.STATE_VISIBLE)

    def actions(o):
        try:
            a = o.queryAction()
        except NotImplementedError:
            return None, []
        return a, [a.getName(i).lower() for i in range(a.nActions)]

    def press(o):
        a, names = actions(o)
        for i, name in enumerate(names):
            if name in PRESS:
                return a.doAction(i)
        raise Missing(f"{o.getRoleName()} '{o.name}' has no press action (actions: {names})")

    def children(o):
        return [c for c in (o.getChildAtIndex(i) for i in range(o.childCount)) if c is not None]

    def descendants(o):
        for c in children(o):
            yield c
            yield from descendants(c)

    def wait_for(what, probe, seconds=15):
        end = time.monotonic() + seconds
        while True:
            found = probe()
            if found is not None:
                return found
            if time.monotonic() > end:
                raise Missing(what)
            time.sleep(0.2)

    def application():
        desktop = pyatspi.Registry.getDesktop(0)
        for a in children(desktop):
            try:
                if a.get_process_id() == pid:
                    return a
            except Exception:
                pass
        return None

    app = wait_for("Pathora never appeared on the AT-SPI desktop", application, 30)

    def page_container():
        return next((o for o in descendants(app) if o.getRole() == pyatspi.ROLE_LAYERED_PANE), None)

    pages = wait_for("the window shows no page container", page_container)

    # Exactly one page is on screen: pages of other tabs stay in the tree but are not shown.
    def current_page(name):
        def probe():
            on = [p for p in children(pages) if shown(p)]
            return on[0] if len(on) == 1 and on[0].name == name else None
        try:
            return wait_for("", probe)
        except Missing:
            on = [p.name for p in children(pages) if shown(p)]
            raise Missing(f"expected page '{name}' alone on screen, but the shown pages are {on}")

    def link(page, name):
        for o in descendants(page):
            if o.name == name and o.getRole() == pyatspi.ROLE_LINK:
                return o
        named = [f"{o.getRoleName()} '{o.name}'" for o in descendants(page) if o.name == name]
        raise Missing(f"no link named '{name}' on page '{page.name}' (objects so named: {named})")

    # The cover.
    cover = current_page(data["cover_heading"])
    press(link(cover, data["enter_caption"]))
    preface = current_page(data["preface_heading"])
    press(link(preface, data["entry_caption"]))
    contents = current_page(data["contents_heading"])
    print("cover and preface: their enter links, pressed, lead to the contents page")

    # The contents page: whatever can be pressed is a named link with a press action.
    seen = set()
    count = 0
    for o in descendants(contents):
        if not shown(o):
            continue
        _, names = actions(o)
        is_link = o.getRole() == pyatspi.ROLE_LINK
        if not is_link and not any(n in PRESS for n in names):
            continue
        count += 1
        label = f"{o.getRoleName()} '{o.name}'"
        if not is_link:
            problems.append(f"contents: {label} can be pressed but is not a link")
        if not o.name.strip():
            problems.append(f"contents: a link has no name (actions: {names})")
        if not any(n in PRESS for n in names):
            problems.append(f"contents: {label} has no press action (actions: {names})")
        seen.add(o.name)
    for caption in data["contents"]:
        if caption not in seen:
            problems.append(f"contents: no shown link named '{caption}'")
    print(f"contents: {count} links")

    # The EQ test: a named group per question, its options named radio buttons.
    press(link(contents, data["eq_caption"]))
    eq = current_page(data["eq_heading"])
    groups = {}
    for o in descendants(eq):
        kids = children(o)
        if not any(k.getRole() == pyatspi.ROLE_RADIO_BUTTON or "toggle" in actions(k)[1] for k in kids):
            continue
        m = re.match(r"(\d+)\.", o.name)
        if not m:
            problems.append(f"EQ: a {o.getRoleName()} of options has no question number in '{o.name}'")
            continue
        groups[int(m.group(1))] = (o, kids)
    for number, prompt in sorted(data["questions"].items()):
        if number not in groups:
            problems.append(f"EQ: question {number} has no group named with its number")
            continue
        group, kids = groups[number]
        if prompt not in group.name:
            problems.append(f"EQ: question {number} is named '{group.name}', without its prompt")
        if group.getRole() not in (pyatspi.ROLE_PANEL, pyatspi.ROLE_GROUPING):
            problems.append(f"EQ: question {number} has the role {group.getRoleName()}, not a group")
        options = [k for k in kids if k.getRole() == pyatspi.ROLE_RADIO_BUTTON]
        names = [k.name for k in options]
        if names != data["options"].get(number):
            problems.append(f"EQ: question {number} offers radio buttons {names}, "
                            f"expected {data['options'].get(number)}")
        others = [f"{k.getRoleName()} '{k.name}'" for k in kids if k not in options and actions(k)[1]]
        if others:
            problems.append(f"EQ: question {number} has options that are not radio buttons: {others}")
    print(f"EQ: {len(groups)} questions checked")
    return problems


def inside():
    try:
        problems = check(int(os.environ["PATHORA_PID"]))
    except Missing as e:
        problems = [str(e)]
    except Exception as e:   # a call over the bus that failed: the tree is not readable
        problems = [f"the tree could not be read ({type(e).__name__}: {e})"]
    for p in problems:
        print(f"MISSING: {p}")
    return 1 if problems else 0


# ---- outside: a private X server, session bus and the program, all in one process group ----------

def read_line(stream, what, seconds=15):
    ready, _, _ = select.select([stream], [], [], seconds)
    line = stream.readline().strip() if ready else ""
    if not line:
        raise RuntimeError(f"{what} did not start")
    return line


def end_group(pgid):
    # The bus starts the accessibility services itself; as the subreaper we collect them too.
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(pgid, sig)
        except ProcessLookupError:
            return
        end = time.monotonic() + 5
        while time.monotonic() < end:
            try:
                while os.waitpid(-1, os.WNOHANG)[0]:
                    pass
            except ChildProcessError:
                pass
            try:
                os.killpg(pgid, 0)
            except ProcessLookupError:
                return
            time.sleep(0.05)


def become_subreaper():
    try:
        import ctypes
        ctypes.CDLL(None).prctl(36, 1, 0, 0, 0)   # PR_SET_CHILD_SUBREAPER
    except (OSError, AttributeError):
        pass


def outside(build_dir):
    program = os.path.join(build_dir, "pathora")
    for tool in ("Xvfb", "dbus-daemon"):
        if not shutil.which(tool):
            print(f"tree.py: {tool} is not installed (Debian: xvfb, dbus-daemon)", file=sys.stderr)
            return 2
    if not os.access(program, os.X_OK):
        print(f"tree.py: {program} is not built", file=sys.stderr)
        return 2
    if subprocess.run([sys.executable, "-c", "import pyatspi"], capture_output=True).returncode:
        print("tree.py: pyatspi is missing (Debian: python3-pyatspi, at-spi2-core)", file=sys.stderr)
        return 2

    signal.signal(signal.SIGTERM, lambda *_: sys.exit(130))
    become_subreaper()
    runtime = tempfile.mkdtemp(prefix="pathora-atspi-")
    log = open(os.path.join(runtime, "pathora.log"), "w+")
    pgid = None
    try:
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten",
                                 "tcp"],
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, process_group=0)
        pgid = xvfb.pid
        env = {k: v for k, v in os.environ.items() if not k.startswith(("AT_SPI", "DBUS_", "QT_", "WAYLAND"))}
        env.update(DISPLAY=":" + read_line(xvfb.stdout, "Xvfb"), XDG_RUNTIME_DIR=runtime)
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, env=env,
                               process_group=pgid)
        env["DBUS_SESSION_BUS_ADDRESS"] = read_line(bus.stdout, "the session bus")
        qt = dict(QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        app = subprocess.Popen([program], env=dict(env, **qt), stdout=log, stderr=log, process_group=pgid)
        checker = subprocess.Popen([sys.executable, os.path.abspath(__file__), "--inside"],
                                   env=dict(env, PATHORA_PID=str(app.pid)), process_group=pgid)
        try:
            status = checker.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            print(f"MISSING: no answer within {TIMEOUT:.0f} s (PATHORA_ATSPI_TIMEOUT)")
            status = 1
        if app.poll() is not None:
            print(f"MISSING: Pathora ended early with status {app.returncode}")
            status = 1
        if status:
            log.seek(0)
            print("Pathora's output:\n" + log.read()[-3000:])
        else:
            print("The screen-reader tree is complete.")
        return status
    except (RuntimeError, OSError) as e:
        print(f"tree.py: {e}", file=sys.stderr)
        return 2
    finally:
        # A second interruption must not cut the clean-up short; it takes ten seconds at most.
        signal.signal(signal.SIGTERM, signal.SIG_IGN)
        signal.signal(signal.SIGINT, signal.SIG_IGN)
        if pgid is not None:
            end_group(pgid)
        log.close()
        shutil.rmtree(runtime, ignore_errors=True)


if __name__ == "__main__":
    if sys.argv[1:] == ["--inside"]:
        sys.exit(inside())
    sys.exit(outside(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build")))
