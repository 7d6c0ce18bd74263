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
    common = read("data/quiz/common.txt")
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
        "incomplete": common.split("@@ incomplete\n")[1].split("\n")[0],
        "finish": common.split("@@ finish\n")[1].split("\n")[0],
        "result_heard": common.split("@@ result.heard\n")[1].split("\n")[0].replace("%1", ""),
        "notice_title": "提示",
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

    def press(o, accepted=PRESS):
        a, names = actions(o)
        for i, name in enumerate(names):
            if name in accepted:
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

    # What a screen reader is told as things happen: focus changes and windows that open.
    from gi.repository import GLib
    heard = []

    def on_event(e):
        try:
            if e.type.startswith("object:state-changed:focused") and not e.detail1:
                return
            o = e.source
            heard.append((e.type, o.getRoleName(), o.name or "", o.description or "", o))
        except Exception:
            pass

    pyatspi.Registry.registerEventListener(on_event, "object:state-changed:focused", "window:activate")

    def pump():
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)

    def next_heard(what, after, want, seconds=15):
        """The first event after index `after` for which want(event) holds."""
        def probe():
            pump()
            for i in range(after, len(heard)):
                if want(heard[i]):
                    return i
            return None
        return wait_for(what, probe, seconds)

    def text_of(o):
        try:
            t = o.queryText()
            return t.getText(0, t.characterCount)
        except NotImplementedError:
            return None

    def keys(*syms):
        for sym in syms:
            pyatspi.Registry.generateKeyboardEvent(sym, None, pyatspi.KEY_SYM)
            time.sleep(0.05)

    def click(o):
        e = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        pyatspi.Registry.generateMouseEvent(e.x + e.width // 2, e.y + e.height // 2, pyatspi.MOUSE_B1C)

    def scroll_into_view(o):
        # The window's vertical scroll bar, set over AT-SPI, as a reader drags it.
        bars = [b for b in descendants(app) if b.getRole() == pyatspi.ROLE_SCROLL_BAR and shown(b)
                and b.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).height > 200]
        bar = max(bars, key=lambda b: b.queryValue().maximumValue, default=None)
        view = next((v for v in descendants(app) if v.getRole() == pyatspi.ROLE_LAYERED_PANE), None)
        if bar is None or view is None:
            raise Missing("no vertical scroll bar to bring the Finish button into view")
        value = bar.queryValue()
        window = next(w for w in children(app) if w.getRole() == pyatspi.ROLE_FRAME)
        frame = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)

        # Set again while the page below grows (idle time may still be building it).
        def inside():
            e = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            if frame.y < e.y and e.y + e.height < frame.y + frame.height:
                return True
            value.currentValue = max(0, value.currentValue + (e.y - frame.y) - frame.height // 2)
            time.sleep(0.2)
            return None
        try:
            wait_for("", inside, 10)
        except Missing:
            e = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            raise Missing(f"the Finish button never came into view (at {e.y}, {e.height} high; window at {frame.y},"
                          f" {frame.height} high; scroll bar {value.currentValue} of {value.maximumValue})")
        time.sleep(0.3)

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


    def moments(app, eq, groups, data, problems):
        finish = next((o for o in descendants(eq) if o.getRole() == pyatspi.ROLE_PUSH_BUTTON
                       and o.name == data["finish"]), None)
        if finish is None:
            raise Missing(f"EQ: no push button '{data['finish']}'")
        missing = 29
        def first_option(number):
            return next(k for k in groups[number][1] if k.getRole() == pyatspi.ROLE_RADIO_BUTTON)
        for number in sorted(groups):
            if number != missing:
                press(first_option(number), ("toggle",) + PRESS)
        # An incomplete Finish pressed with the mouse: the alert, whole, and afterwards the question.
        scroll_into_view(finish)
        mark = len(heard)
        click(finish)
        def opened():
            pump()
            # The box's own activation, or the focus entering it: either way the reader is in it.
            for h in heard[mark:]:
                if h[1] == "alert" or (h[0].startswith("window:activate") and h[2] == data["notice_title"]):
                    return h[4]
                if h[0].startswith("object:state-changed:focused") and h[4].parent is not None:
                    top = h[4]
                    while top.parent is not None and top.parent.getRole() != pyatspi.ROLE_APPLICATION:
                        top = top.parent
                    if top.getRole() == pyatspi.ROLE_ALERT:
                        return top
            return None
        try:
            alert = wait_for("", opened)
        except Missing:
            windows = [f"{w.getRoleName()} '{w.name}'" for w in children(app)]
            e = finish.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            raise Missing(f"the incomplete-answers box never opened (windows: {windows}; "
                          f"clicked at {e.x + e.width // 2},{e.y + e.height // 2}; heard {[h[:3] for h in heard[mark:]]})")
        told = f"{alert.getRoleName()} '{alert.name}': {alert.description}"
        expected = f"{missing},{data['incomplete']}"
        print(f"incomplete Finish, mouse: the reader hears {told!r}")
        if alert.getRole() != pyatspi.ROLE_ALERT:
            problems.append(f"the incomplete-answers box is a {alert.getRoleName()}, not an alert")
        if alert.name != data["notice_title"]:
            problems.append(f"the incomplete-answers box is named '{alert.name}', not '{data['notice_title']}'")
        if expected not in alert.description:
            problems.append(f"the incomplete-answers box tells '{alert.description}', not '{expected}'")
        ok = next((o for o in descendants(alert) if o.getRole() == pyatspi.ROLE_PUSH_BUTTON), None)
        if ok is None:
            raise Missing("the incomplete-answers box has no button")
        mark = len(heard)
        press(ok)
        try:
            i = next_heard("", mark, lambda h: h[0].startswith("object:state-changed:focused")
                           and h[1] not in ("frame", "alert", "layered pane", "filler"))
            h = heard[i]
            parent = h[4].parent
            print(f"  the box closed: focus on {h[1]} '{h[2]}' in {parent.getRoleName()} '{parent.name}'")
            if not (h[1] == "radio button" and parent.name.startswith(f"{missing}.")):
                problems.append(f"after the box the focus is on {h[1]} '{h[2]}' in '{parent.name}', "
                                f"not on question {missing}")
        except Missing:
            problems.append("after the incomplete-answers box no control took the focus")

        # The complete Finish, pressed with the mouse: the result is heard first.
        press(first_option(missing), ("toggle",) + PRESS)
        scroll_into_view(finish)
        mark = len(heard)
        click(finish)
        score = next((o for o in descendants(eq) if o.getRole() == pyatspi.ROLE_TEXT
                      and (text_of(o) or "").strip().endswith("分")), None)
        try:
            # The click itself focuses the button; what the Finish then says comes after it.
            i = next_heard("", mark, lambda h: h[0].startswith("object:state-changed:focused")
                           and not (h[1] == "push button" and h[2] == data["finish"]))
            h = heard[i]
            shown = (text_of(score) or "").strip() if score else "?"
            print(f"complete Finish, mouse: the reader hears {h[1]} '{h[2]}', then '{h[3][:60]}…'")
            if not (h[2].startswith(data["result_heard"]) and shown in h[2]):
                problems.append(f"after a complete Finish the focus is on {h[1]} '{h[2]}', "
                                f"whose name does not state the score '{shown}'")
            verdict = next((text_of(o) for o in descendants(eq) if o.getRole() == pyatspi.ROLE_TEXT
                            and o is not score and len(text_of(o) or "") > 10), "")
            if verdict and verdict.strip() not in h[3]:
                problems.append("the result's description does not hold the verdict")
        except Missing:
            problems.append("after a complete Finish nothing took the focus")

        keyboard_alone(data, problems)

    def keyboard_alone(data, problems):
        # The EQ test entered afresh (a page entry resets the answers), then the keyboard alone:
        # Tab to each question, Space to answer it, Return on the Finish button.
        KEY_TAB, KEY_SPACE, KEY_RETURN = 0xff09, 0x20, 0xff0d
        contents = None
        for o in descendants(app):
            if o.getRole() in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_PUSH_BUTTON) and o.name == "返回目录页":
                contents = o
        if contents is None:
            raise Missing("no menu command '返回目录页'")
        press(contents)
        page = current_page(data["contents_heading"])
        press(link(page, data["eq_caption"]))
        eq = current_page(data["eq_heading"])
        tabs = answered = 0
        for _ in range(200):
            mark = len(heard)
            keys(KEY_TAB)
            tabs += 1
            try:
                i = next_heard("", mark, lambda h: h[0].startswith("object:state-changed:focused"), 5)
            except Missing:
                problems.append(f"Tab {tabs} moved the focus nowhere")
                break
            h = heard[i]
            if h[1] == "radio button":
                keys(KEY_SPACE)
                answered += 1
            elif h[1] == "push button" and h[2] == data["finish"]:
                break
        questions = len(data["questions"])
        print(f"EQ by keyboard: {tabs} Tabs to the Finish button, {answered} questions answered on the way")
        if answered != questions or tabs > questions + 6:
            problems.append(f"EQ by keyboard: {tabs} Tabs for {questions} questions ({answered} answered)")
        mark = len(heard)
        keys(KEY_RETURN)
        try:
            i = next_heard("", mark, lambda h: h[0].startswith("object:state-changed:focused"))
            print(f"complete Finish, keyboard: the reader hears {heard[i][1]} '{heard[i][2]}'")
            if not heard[i][2].startswith(data["result_heard"]):
                problems.append(f"after a keyboard Finish the focus is on '{heard[i][2]}'")
        except Missing:
            problems.append("after a keyboard Finish nothing took the focus")

    def label_in_name(app, pages, problems):
        # Every page in turn (the menu's next-page command): what a control shows is in its name,
        # and nothing of another page is showing.
        nxt = next((o for o in descendants(app) if o.getRole() in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_PUSH_BUTTON)
                    and o.name == "下一页"), None)
        home = next((o for o in descendants(app) if o.getRole() in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_PUSH_BUTTON)
                     and o.name == "返回首页"), None)
        if nxt is None or home is None:
            raise Missing("no menu commands '返回首页' and '下一页'")
        press(home)
        seen, checked = set(), 0
        for step in range(len(children(pages))):
            on = wait_for("no page is shown", lambda: [p for p in children(pages) if shown(p)] or None)
            if len(on) != 1:
                problems.append(f"pages shown at once: {[p.name for p in on]}")
            page = on[0]
            if page.getIndexInParent() in seen:
                break
            seen.add(page.getIndexInParent())
            for o in descendants(page):
                if not shown(o) or o.getRole() not in (pyatspi.ROLE_LINK, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON,
                                                       pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_LABEL):
                    continue
                visible = " ".join((text_of(o) or "").split())
                if visible and visible not in " ".join(o.name.split()):
                    problems.append(f"{page.name}: {o.getRoleName()} shows '{visible}' but is named '{o.name}'")
                checked += 1
            if step + 1 < len(children(pages)):
                press(nxt)
                time.sleep(0.2)
        print(f"label in name: {checked} controls on {len(seen)} pages")

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

    moments(app, eq, groups, data, problems)
    label_in_name(app, pages, problems)
    return problems


def inside(mode):
    try:
        pid = int(os.environ["PATHORA_PID"])
        problems = check_fit(pid) if mode == "fit" else check(pid)
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


# The two screens the program is read on: the checks above on a roomy one, and the window's fit on
# a laptop screen and a full-HD one at every scale from 100 % to 200 %.
SESSIONS = (("tree", "1280x1024", "1"),) + tuple(
    ("fit", screen, scale) for screen in ("1280x800", "1920x1080") for scale in ("1", "1.25", "1.5", "1.75", "2"))


def outside(build_dir):
    program = os.path.join(build_dir, "pathora")
    for tool, package in (("Xvfb", "xvfb"), ("dbus-daemon", "dbus-daemon"), ("openbox", "openbox"),
                          ("xprop", "x11-utils")):
        if not shutil.which(tool):
            print(f"tree.py: {tool} is not installed (Debian: {package})", file=sys.stderr)
            return 2
    if not os.access(program, os.X_OK):
        print(f"tree.py: {program} is not built", file=sys.stderr)
        return 2
    if subprocess.run([sys.executable, "-c", "import pyatspi"], capture_output=True).returncode:
        print("tree.py: pyatspi is missing (Debian: python3-pyatspi, at-spi2-core)", file=sys.stderr)
        return 2
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(130))
    become_subreaper()
    status = 0
    for mode, screen, scale in SESSIONS:
        status = max(status, session(program, mode, screen, scale))
    if not status:
        print("The screen-reader tree is complete.")
    return status


def session(program, mode, screen, scale):
    runtime = tempfile.mkdtemp(prefix="pathora-atspi-")
    log = open(os.path.join(runtime, "pathora.log"), "w+")
    pgid = None
    try:
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", f"{screen}x24", "-nolisten", "tcp"],
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, process_group=0)
        pgid = xvfb.pid
        env = {k: v for k, v in os.environ.items() if not k.startswith(("AT_SPI", "DBUS_", "QT_", "WAYLAND"))}
        env.update(DISPLAY=":" + read_line(xvfb.stdout, "Xvfb"), XDG_RUNTIME_DIR=runtime)
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, env=env,
                               process_group=pgid)
        env["DBUS_SESSION_BUS_ADDRESS"] = read_line(bus.stdout, "the session bus")
        # A real window manager: it frames the window, gives it the focus and tells its work area.
        subprocess.Popen(["openbox", "--sm-disable"], env=env, stdout=log, stderr=log, process_group=pgid)
        wait_for_window_manager(env)
        qt = dict(QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                  QT_SCALE_FACTOR=scale)
        app = subprocess.Popen([program], env=dict(env, **qt), stdout=log, stderr=log, process_group=pgid)
        checker = subprocess.Popen([sys.executable, os.path.abspath(__file__), "--inside", mode],
                                   env=dict(env, PATHORA_PID=str(app.pid), PATHORA_SCALE=f"{float(scale):.0%}"), process_group=pgid)
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
        return status
    except (RuntimeError, OSError) as e:
        print(f"tree.py: {e}", file=sys.stderr)
        return 2
    finally:
        # A second interruption must not cut the clean-up short; it takes ten seconds at most.
        previous = signal.signal(signal.SIGTERM, signal.SIG_IGN), signal.signal(signal.SIGINT, signal.SIG_IGN)
        if pgid is not None:
            end_group(pgid)
        log.close()
        shutil.rmtree(runtime, ignore_errors=True)
        signal.signal(signal.SIGTERM, previous[0])
        signal.signal(signal.SIGINT, previous[1])


def wait_for_window_manager(env, seconds=15):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if "_NET_WORKAREA(CARDINAL)" in root_property("_NET_WORKAREA", env):
            return
        time.sleep(0.1)
    raise RuntimeError("the window manager")


def root_property(name, env=None):
    return subprocess.run(["xprop", "-root", name], capture_output=True, text=True, env=env).stdout


def numbers(text):
    return [int(n) for n in re.findall(r"-?\d+", text.split("=", 1)[-1])] if "=" in text else []


# ---- the window on a small screen: frame, menu, page area and status bar inside the work area -------

def check_fit(pid):
    import pyatspi

    def children(o):
        return [c for c in (o.getChildAtIndex(i) for i in range(o.childCount)) if c is not None]

    def descendants(o):
        for c in children(o):
            yield c
            yield from descendants(c)

    end = time.monotonic() + 30
    app = None
    while app is None and time.monotonic() < end:
        for a in children(pyatspi.Registry.getDesktop(0)):
            try:
                if a.get_process_id() == pid and a.childCount:
                    app = a
            except Exception:
                pass
        time.sleep(0.2)
    if app is None:
        return ["Pathora never appeared on the AT-SPI desktop"]
    time.sleep(2)   # the window manager frames and places the window
    area = numbers(root_property("_NET_WORKAREA"))[:4]
    ids = re.findall(r"0x[0-9a-f]+", subprocess.run(["xprop", "-root", "_NET_CLIENT_LIST"], capture_output=True,
                                                    text=True).stdout)
    window = None
    for wid in ids:
        info = subprocess.run(["xwininfo", "-id", wid], capture_output=True, text=True).stdout
        if '"Pathora"' in info:
            window = wid, info
    if len(area) != 4 or window is None:
        return ["the work area or the window cannot be read from the window manager"]
    wid, info = window
    get = lambda key: int(re.search(key + r":\s+(-?\d+)", info).group(1))
    left, right, top, bottom = (numbers(subprocess.run(["xprop", "-id", wid, "_NET_FRAME_EXTENTS"], capture_output=True,
                                                       text=True).stdout) + [0, 0, 0, 0])[:4]
    x, y, w, h = get("Absolute upper-left X"), get("Absolute upper-left Y"), get("Width"), get("Height")
    frame = (x - left, y - top, x + w + right, y + h + bottom)
    ax, ay, aw, ah = area
    print(f"fit: the framed window {frame} in the work area {(ax, ay, ax + aw, ay + ah)} at {os.environ.get('PATHORA_SCALE', '?')}")
    problems = []
    if frame[0] < ax or frame[1] < ay or frame[2] > ax + aw or frame[3] > ay + ah:
        problems.append(f"the framed window {frame} reaches outside the work area {(ax, ay, ax + aw, ay + ah)}")
    # Menu, page area and status bar inside the window (window coordinates, as Qt reports them).
    top_window = children(app)[0]
    outer = top_window.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    for role in (pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_STATUS_BAR, pyatspi.ROLE_SCROLL_PANE):
        part = next((o for o in descendants(top_window) if o.getRole() == role), None)
        if part is None:
            continue
        e = part.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
        if e.y < 0 or e.x < 0 or e.y + e.height > outer.height or e.x + e.width > outer.width:
            problems.append(f"the {part.getRoleName()} lies at {e.x},{e.y} {e.width}x{e.height}, "
                            f"outside the window's {outer.width}x{outer.height}")
    return problems


if __name__ == "__main__":
    if sys.argv[1:2] == ["--inside"]:
        sys.exit(inside(sys.argv[2]))
    sys.exit(outside(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build")))
