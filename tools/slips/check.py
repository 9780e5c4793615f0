#!/usr/bin/env python3
"""Plants realistic one-point slips in the rules, one at a time, and checks that a test fails for
each: the measure of whether the tests would catch the mistakes we really make.

usage: tools/slips/check.py [--tree .] [--build build] [--only ID,ID] [tools/slips/slips.json ...]

The tree must be built first (any build type; ./build.sh test builds `build`). A slip file is a
JSON list of objects:
  {"id": "work-salary", "file": "src/life/work.cpp", "old": "55", "new": "50",
   "targets": ["brankor_rule_tests"],
   "run": "{build}/tests/brankor_rule_tests --gtest_filter='Work*'"}
"old" must occur exactly once in the file (a slip whose "old" no longer does is reported, not
run: rewrite it after a change to that rule). "run" is a shell command run from the tree, {build}
standing for the build folder, with QT_QPA_PLATFORM=offscreen and XDG_DATA_HOME set; it must exit
non-zero with the slip in place.
Every file is restored after each slip, whatever happens, and the tree is rebuilt at the end.
"""
import argparse, json, os, subprocess, sys, time

ap = argparse.ArgumentParser()
ap.add_argument("--tree", default=".")
ap.add_argument("--build", default="build")
ap.add_argument("--only", default="")
ap.add_argument("--baseline-only", action="store_true")
ap.add_argument("--timeout", type=int, default=400)
ap.add_argument("files", nargs="*",
                default=[os.path.join(os.path.dirname(os.path.abspath(__file__)), "slips.json")])
a = ap.parse_args()

plants = []
for f in a.files:
    plants += json.load(open(f))
if a.only:
    keep = set(a.only.split(","))
    plants = [p for p in plants if p["id"] in keep]

env = dict(os.environ, QT_QPA_PLATFORM="offscreen",
           QT_QPA_FONTDIR="/usr/share/fonts/truetype/dejavu",
           XDG_DATA_HOME=os.path.join(a.tree, a.build, "tests", "data-home"))
# Every command must pass on the clean tree first, or a "caught" would mean nothing.
for p in plants:
    p["run"] = p["run"].replace("{build}", a.build)
for cmd in sorted({p["run"] for p in plants}):
    targets = sorted({t for p in plants if p["run"] == cmd for t in p["targets"]})
    subprocess.run(["cmake", "--build", a.build, "--target", *targets], cwd=a.tree,
                   stdout=subprocess.DEVNULL)
    r = subprocess.run(cmd, shell=True, cwd=a.tree, env=env, timeout=a.timeout,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    print(f"baseline {'passes' if r.returncode == 0 else 'FAILS'}: {cmd}", flush=True)
    if r.returncode != 0:
        sys.exit(2)
if a.baseline_only:
    sys.exit(0)
results = []
for p in plants:
    path = os.path.join(a.tree, p["file"])
    orig = open(path, encoding="utf-8").read()
    n = orig.count(p["old"])
    if n != 1:
        results.append((p["id"], f"BAD-SLIP (old occurs {n} times)"))
        print(p["id"], results[-1][1], flush=True)
        continue
    t0 = time.time()
    try:
        open(path, "w", encoding="utf-8").write(orig.replace(p["old"], p["new"]))
        b = subprocess.run(["cmake", "--build", a.build, "--target", *p["targets"]], cwd=a.tree,
                           stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        if b.returncode != 0:
            verdict = "BUILD-FAILS (not a valid slip)"
        else:
            try:
                r = subprocess.run(p["run"], shell=True, cwd=a.tree, env=env, timeout=a.timeout,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                verdict = "caught" if r.returncode != 0 else "MISSED"
            except subprocess.TimeoutExpired:
                verdict = "caught (timeout)"
    finally:
        open(path, "w", encoding="utf-8").write(orig)
    results.append((p["id"], verdict))
    print(f"{p['id']}: {verdict}  ({time.time() - t0:.0f}s)", flush=True)

caught = sum(1 for _, v in results if v.startswith("caught"))
valid = sum(1 for _, v in results if v.startswith("caught") or v == "MISSED")
print(f"\n{caught}/{valid} slips caught")
for i, v in results:
    if not v.startswith("caught"):
        print("  ", i, v)
# Rebuild the clean tree so the build folder matches the sources again.
subprocess.run(["cmake", "--build", a.build], cwd=a.tree, stdout=subprocess.DEVNULL)
sys.exit(0 if caught == valid else 1)
