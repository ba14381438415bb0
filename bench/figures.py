"""Measures the program's figures and prints them as "name: value unit".

Start-up and idle figures run the real program under Xvfb on a 1920 x 1080
screen, where the book is drawn larger; the others come
from the Google Benchmark executables of the build tree.
"""
import json
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

BUILD = sys.argv[1]
APP = os.path.join(BUILD, "app")


def say(name, value, unit):
    print(f"{name}: {value} {unit}", flush=True)


def start_xvfb():
    """An X server of our own on a free display number. A socket left behind
    by a server that is gone makes -displayfd hand out a display nobody can
    reach, so numbers with a socket or a lock file are passed over, and the
    server must answer before it is used."""
    for number in range(20, 120):
        if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
            continue
        proc = subprocess.Popen(
            ["Xvfb", f":{number}", "-screen", "0", "1920x1080x24", "-nolisten", "tcp", "-noreset"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        display = f":{number}"
        for _ in range(100):
            if proc.poll() is not None:
                break
            if subprocess.run(["xprop", "-display", display, "-root"], stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0:
                return proc, display
            time.sleep(0.05)
        proc.terminate()
        proc.wait()
    raise RuntimeError("no X server could be started")


def program_env(display, work, general=""):
    env = dict(os.environ)
    env.pop("QT_QPA_PLATFORM", None)
    env.update(DISPLAY=display, XDG_CONFIG_HOME=os.path.join(work, "config"),
               XDG_DATA_HOME=os.path.join(work, "data"), XDG_RUNTIME_DIR=os.path.join(work, "run"),
               CLAVORA_STARTUP_PROBE="1")
    for d in ("config", "data"):
        os.makedirs(os.path.join(work, d), exist_ok=True)
    # An installed machine: no first-run question.
    os.makedirs(os.path.join(work, "config", "Veltrona"), exist_ok=True)
    with open(os.path.join(work, "config", "Veltrona", "Clavora.ini"), "w") as f:
        f.write("[General Settings]\nKeyboardLayout=English\nPlayTheme=0\n" + general +
                "[Keyboard Layouts]\nEnglish=qwerty.kbd\n")
    os.makedirs(os.path.join(work, "run"), mode=0o700, exist_ok=True)
    return env


def start_program(env, work):
    app = os.path.join(work, "app")
    if not os.path.exists(app):
        shutil.copytree(APP, app)
    started = time.perf_counter()
    proc = subprocess.Popen([os.path.join(app, "clavora")], env=env, stderr=subprocess.PIPE,
                            stdout=subprocess.DEVNULL, text=True)
    said = []
    for line in proc.stderr:
        if line.startswith("clavora-startup: cover-painted"):
            elapsed_ms = (time.perf_counter() - started) * 1000
            rss_kb = int(line.split("rss_kb=")[1])
            return proc, elapsed_ms, rss_kb
        said.append(line)
    raise RuntimeError("the program ended before painting its cover: " + "".join(said))


def stop_program(proc):
    proc.send_signal(signal.SIGTERM)
    try:
        proc.wait(timeout=10)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()


def cpu_seconds(pid):
    # Nanoseconds on a CPU, finer than the clock ticks of /proc/<pid>/stat.
    with open(f"/proc/{pid}/schedstat") as f:
        return int(f.read().split()[0]) / 1e9


def startup_and_idle(display):
    times, rss = [], []
    with tempfile.TemporaryDirectory() as work:
        env = program_env(display, work)
        for _ in range(5):
            proc, ms, kb = start_program(env, work)
            times.append(ms)
            rss.append(kb / 1024)
            stop_program(proc)
        say("startup_to_cover_ms", round(statistics.median(times), 1), "ms")
        say("startup_rss_mb", round(statistics.median(rss), 1), "MiB")

        proc, _, _ = start_program(env, work)
        time.sleep(2)  # the book is open on its first page
        before, t0 = cpu_seconds(proc.pid), time.perf_counter()
        time.sleep(10)
        after, t1 = cpu_seconds(proc.pid), time.perf_counter()
        stop_program(proc)
        say("idle_cpu_percent", round((after - before) / (t1 - t0) * 100, 3), "%")


def game_idle_cpu(display):
    """CPU of the program while a bubbles game runs: ten ticks a second, each
    moving the bubbles and drawing the play area."""
    with tempfile.TemporaryDirectory() as work:
        env = program_env(display, work)
        app = os.path.join(work, "app")
        shutil.copytree(APP, app)
        proc = subprocess.Popen([os.path.join(app, "clavora"), "--exercise", "Bubb=BUBBLES;1;0"],
                                env=env, stderr=subprocess.DEVNULL, stdout=subprocess.DEVNULL)
        try:
            window = None
            for _ in range(100):
                found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Clavora 98$"],
                                       env=env, capture_output=True, text=True).stdout.split()
                if found:
                    window = found[0]
                    break
                time.sleep(0.1)
            if window is None:
                raise RuntimeError("the game's window did not appear")
            time.sleep(1)
            # The first key starts the game.
            subprocess.run(["xdotool", "windowfocus", "--sync", window], env=env, check=False)
            subprocess.run(["xdotool", "key", "q"], env=env, check=True)
            time.sleep(1)
            before, t0 = cpu_seconds(proc.pid), time.perf_counter()
            time.sleep(10)
            after, t1 = cpu_seconds(proc.pid), time.perf_counter()
            say("game_idle_cpu_percent", round((after - before) / (t1 - t0) * 100, 2), "%")
        finally:
            stop_program(proc)


def startup_vs_bare_qt(display):
    """Exec to a mapped window, for the program and for a bare Qt window,
    started in turn on one X server; absolute times drift on a shared
    machine, their ratio does not."""
    bench = os.path.join(BUILD, "bench")
    with tempfile.TemporaryDirectory() as work:
        env = program_env(display, work)
        env.pop("CLAVORA_STARTUP_PROBE", None)
        app = os.path.join(work, "app")
        shutil.copytree(APP, app)

        def mapped(program):
            run = subprocess.run([os.path.join(bench, "time_to_map"), program], env=env,
                                 capture_output=True, text=True)
            if run.returncode != 0 or "mapped_ms=" not in run.stdout:
                raise RuntimeError(f"timing {program} failed: {run.stderr}")
            return float(run.stdout.split("mapped_ms=")[1])

        program, bare = [], []
        for _ in range(7):
            program.append(mapped(os.path.join(app, "clavora")))
            bare.append(mapped(os.path.join(bench, "bare_qt_window")))
        say("startup_mapped_ms", round(statistics.median(program), 1), "ms")
        say("bare_qt_mapped_ms", round(statistics.median(bare), 1), "ms")
        say("startup_vs_bare_qt", round(statistics.median(program) / statistics.median(bare), 2),
            "x")


def rss_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def xdotool(display, *args):
    env = dict(os.environ, DISPLAY=display)
    return subprocess.run(["xdotool", *args], env=env, capture_output=True, text=True).stdout


def login_rss(display):
    """Resident memory once a new learner has logged in, chosen the course on
    the studying profile and begun the first chapter's key drill."""
    keys = [("Return", 1.5),   # Yes, a new learner (the automatic login names the learner)
            ("alt+b", 1.5),    # Begin Studying
            ("Return", 2.0),   # the profile's Next: the course is loaded
            ("Down", 0.3),     # the key drill, the chapter's second exercise
            ("Return", 2.0)]   # begin it: the drill with its keyboard
    rss = []
    for _ in range(3):
        with tempfile.TemporaryDirectory() as work:
            env = program_env(display, work, "AutoLogon=Bench\n")
            proc, _, _ = start_program(env, work)
            window = xdotool(display, "search", "--sync", "--onlyvisible", "--name",
                             "^Clavora 98$").split()
            time.sleep(1.5)
            for key, pause in keys:
                if window:
                    xdotool(display, "windowfocus", "--sync", window[0])
                xdotool(display, "key", "--clearmodifiers", key)
                time.sleep(pause)
            rss.append(rss_kb(proc.pid) / 1024)
            stop_program(proc)
    say("login_rss_mb", round(statistics.median(rss), 1), "MiB")


def google_benchmarks():
    bench_dir = os.path.join(BUILD, "bench")
    # benchmark name: (figure, nanoseconds to the figure's unit, unit)
    names = {"BM_NextLine1MB": ("nextline_1mb_ms", 1e-6, "ms"),
             "BM_PlayEffect": ("play_effect_us", 1e-3, "us"),
             "BM_LoadEffectWithoutDevice": ("load_effect_no_device_ms", 1e-6, "ms"),
             "BM_FindUser10k": ("finduser_10k_ms", 1e-6, "ms"),
             "BM_Save10k": ("save_10k_ms", 1e-6, "ms"),
             "BM_UserList250": ("userlist_250_ms", 1e-6, "ms"),
             "BM_SeqRead2_5MB": ("seqread_2_5mb_ms", 1e-6, "ms"),
             "BM_PageLayout": ("page_layout_us", 1e-3, "us"),
             "BM_ErrorPercent": ("errorpercent_ns", 1, "ns"),
             "BM_ContentsLoad": ("contents_load_ms", 1e-6, "ms"),
             "BM_StatsPageOpen": ("stats_page_open_ms", 1e-6, "ms"),
             "BM_ReportPdf": ("report_pdf_ms", 1e-6, "ms"),
             "BM_BubblesTick": ("bubbles_tick_us", 1e-3, "us"),
             "BM_LexidropDraw": ("lexidrop_draw_us", 1e-3, "us"),
             "BM_KeyboardPaintFull": ("keyboard_paint_full_us", 1e-3, "us"),
             "BM_KeyboardHighlight": ("keyboard_highlight_us", 1e-3, "us"),
             "BM_LayoutSwitch": ("layout_switch_ms", 1e-6, "ms")}
    # benchmark name: (counter, figure, unit) for figures reported as a counter
    counters = {"BM_AdvanceRepaint": ("p99_us", "advance_repaint_p99_us", "us"),
                "BM_TypeCharRepaint": ("p99_us", "typechar_repaint_p99_us", "us")}
    # benchmark name: [(counter, figure, unit), ...] for benchmarks with several figures
    several = {"BM_Keystroke": [("p50_us", "keystroke_p50_us", "us"),
                                ("p99_us", "keystroke_p99_us", "us")],
               "BM_TypingSession30Min": [("rss_growth_mb", "rss_growth_30min_mb", "MiB")],
               "BM_DrillKeystroke": [("p50_us", "drill_keystroke_p50_us", "us"),
                                     ("p99_us", "drill_keystroke_p99_us", "us"),
                                     ("p99_cpu_us", "drill_keystroke_p99_cpu_us", "us")]}
    for exe in sorted(os.listdir(bench_dir)):
        path = os.path.join(bench_dir, exe)
        if not (exe.startswith("clavora_bench_") and os.access(path, os.X_OK)):
            continue
        out = subprocess.run([path, "--benchmark_format=json"], capture_output=True, text=True,
                             check=True).stdout
        for b in json.loads(out)["benchmarks"]:
            base = b["name"].split("/")[0]
            if base in names and not b.get("error_occurred"):
                figure, scale, unit = names[base]
                unit_ns = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[b["time_unit"]]
                say(figure, round(b["real_time"] * unit_ns * scale, 3), unit)
            if base in counters and not b.get("error_occurred"):
                counter, figure, unit = counters[base]
                say(figure, round(b[counter], 3), unit)
            if base in several and not b.get("error_occurred"):
                for counter, figure, unit in several[base]:
                    say(figure, round(b[counter], 3), unit)


def main():
    xvfb, display = start_xvfb()
    try:
        startup_and_idle(display)
        game_idle_cpu(display)
        startup_vs_bare_qt(display)
        login_rss(display)
    finally:
        xvfb.terminate()
        xvfb.wait()
    google_benchmarks()


if __name__ == "__main__":
    main()
