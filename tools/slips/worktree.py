"""A separate work tree for planting slips: a copy of the checkout's working files (committed or
not, so work in progress is measured), with its own build folder, never the checkout itself.

    <work>/tree   the copy; only files whose content differs are rewritten, so builds stay
                  incremental from one run to the next
    <work>/build  configured once like ./build.sh does, with ccache, without debug information
                  (so an object file changes only when its code does)
"""
import contextlib, fcntl, hashlib, json, os, shutil, signal, subprocess, tempfile, time

TEST_ENV = {"QT_QPA_PLATFORM": "offscreen", "QT_QPA_FONTDIR": "/usr/share/fonts/truetype/dejavu"}


def default_work(checkout):
    checkout = os.path.abspath(checkout)
    return os.path.join(os.path.dirname(checkout), os.path.basename(checkout) + "-slips")


class WorkTree:
    def __init__(self, checkout, work=None, jobs=2, rev=None):
        self.checkout, self.rev = os.path.abspath(checkout), rev
        self.work = os.path.abspath(work or default_work(checkout))
        if (self.work + os.sep).startswith(self.checkout + os.sep):
            raise SystemExit(f"the work folder {self.work} must be outside the checkout")
        self.tree = os.path.join(self.work, "tree")
        self.build_dir = os.path.join(self.work, "build")
        self.data_home = os.path.join(self.build_dir, "tests", "data-home")
        self.jobs = jobs

    def prepare(self):
        """Locks the work folder, copies the working files in, configures and builds."""
        os.makedirs(self.tree, exist_ok=True)
        self._lock = open(os.path.join(self.work, "lock"), "w")
        try:
            fcntl.flock(self._lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
        except BlockingIOError:
            raise SystemExit(f"another slip run is using {self.work}")
        changed = self.sync()
        print(f"work tree {self.tree}: {changed} files copied from {self.checkout}"
              + (f" at {self.rev}" if self.rev else " (working files)"), flush=True)
        if not os.path.exists(os.path.join(self.build_dir, "build.ninja")):
            subprocess.run(["cmake", "-S", self.tree, "-B", self.build_dir, "-G", "Ninja",
                            "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                            "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG",
                            "-DBRANKOR_WERROR=ON", "-DBRANKOR_CHECKED=ON"], check=True, stdout=subprocess.DEVNULL)
        t0 = time.time()
        ok, out = self.build()
        if not ok:
            print(out[-4000:])
            raise SystemExit("the work tree does not build as it is")
        print(f"work tree built ({time.time() - t0:.0f}s)", flush=True)

    def sync(self):
        """Makes the tree hold exactly the checkout's tracked and untracked, not ignored files,
        or with a revision, the files committed there."""
        if self.rev:
            with tempfile.TemporaryDirectory() as exported:
                archive = subprocess.run(["git", "archive", self.rev], cwd=self.checkout,
                                         check=True, stdout=subprocess.PIPE).stdout
                subprocess.run(["tar", "-x", "-C", exported], input=archive, check=True)
                return self._copy(exported, {os.path.relpath(os.path.join(r, n), exported)
                                             for r, _, ns in os.walk(exported) for n in ns})
        listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others",
                                 "--exclude-standard"], cwd=self.checkout, check=True,
                                stdout=subprocess.PIPE).stdout.decode().split("\0")
        return self._copy(self.checkout, {p for p in listed
                                          if p and os.path.isfile(os.path.join(self.checkout, p))})

    def _copy(self, origin, wanted):
        changed = 0
        for rel in sorted(wanted):
            src, dst = os.path.join(origin, rel), os.path.join(self.tree, rel)
            if os.path.isfile(dst) and _same(src, dst):
                continue
            os.makedirs(os.path.dirname(dst), exist_ok=True)
            shutil.copyfile(src, dst)  # a fresh time stamp: ninja rebuilds what uses it
            shutil.copymode(src, dst)
            changed += 1
        for root, _, files in os.walk(self.tree):
            for name in files:
                rel = os.path.relpath(os.path.join(root, name), self.tree)
                if rel not in wanted:
                    os.remove(os.path.join(root, name))
                    changed += 1
        return changed

    def build(self, targets=()):
        r = subprocess.run(["ninja", "-C", self.build_dir, f"-j{self.jobs}", *targets],
                           stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                           errors="replace")
        return r.returncode == 0, r.stdout

    def env(self, extra=()):
        return {**os.environ, **TEST_ENV, "XDG_DATA_HOME": self.data_home, **dict(extra)}

    @contextlib.contextmanager
    def planted(self, rel, text):
        """The file `rel` of the tree holds `text` inside the block, its own text again after."""
        path = os.path.join(self.tree, rel)
        with open(path, encoding="utf-8") as f:
            orig = f.read()
        try:
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
            yield
        finally:
            with open(path, "w", encoding="utf-8") as f:
                f.write(orig)

    def read(self, rel):
        with open(os.path.join(self.tree, rel), encoding="utf-8") as f:
            return f.read()

    def test_programs(self, skip=("desktop_endurance",)):
        """CTest's tests as programs to run: a GoogleTest program's discovered cases become one
        run of the whole program. Each is {name, command, env, cwd}."""
        out = subprocess.run(["ctest", "--test-dir", self.build_dir, "--show-only=json-v1"],
                             check=True, stdout=subprocess.PIPE, text=True).stdout
        programs = {}
        for t in json.loads(out)["tests"]:
            props = {p["name"]: p["value"] for p in t.get("properties", [])}
            command = t["command"]
            gtest = any(a.startswith("--gtest_filter") for a in command)
            name = os.path.basename(command[0]) if gtest else t["name"]
            if name in skip or t["name"] in skip or name in programs:
                continue
            if gtest:
                command = [command[0]]
            env = dict(e.split("=", 1) for e in props.get("ENVIRONMENT", []))
            programs[name] = {"name": name, "command": command, "env": env,
                              "cwd": props.get("WORKING_DIRECTORY", self.build_dir)}
        return list(programs.values())

    def run_program(self, program, timeout):
        """Runs one test program in a fresh data folder: 'passes', 'fails' or 'timeout'."""
        shutil.rmtree(self.data_home, ignore_errors=True)
        os.makedirs(self.data_home)
        env = self.env(program["env"])
        env["XDG_DATA_HOME"] = self.data_home
        p = subprocess.Popen(program["command"], cwd=program["cwd"], env=env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                             start_new_session=True)
        try:
            return "passes" if p.wait(timeout=timeout) == 0 else "fails"
        except subprocess.TimeoutExpired:
            os.killpg(p.pid, signal.SIGKILL)
            p.wait()
            return "timeout"
        except BaseException:
            os.killpg(p.pid, signal.SIGKILL)
            raise


def _same(a, b):
    if os.path.getsize(a) != os.path.getsize(b):
        return False
    with open(a, "rb") as fa, open(b, "rb") as fb:
        return hashlib.sha1(fa.read()).digest() == hashlib.sha1(fb.read()).digest()
