#!/usr/bin/env python3
"""Plants realistic one-point slips in the rules, one at a time, and checks that a test fails for
each: the measure of whether the tests would catch the mistakes we really make.

usage: tools/slips/check.py [--work DIR] [--rev REV] [--only ID,ID] [tools/slips/slips.json ...]

The slips are planted in a separate work tree (a copy of the checkout's working files, or of
revision REV, with its own build folder; see worktree.py), never in the checkout. A slip file is
a JSON list of objects:
  {"id": "work-salary", "file": "src/life/work.cpp", "old": "55", "new": "50",
   "targets": ["brankor_rule_tests"],
   "run": "{build}/tests/brankor_rule_tests --gtest_filter='Work*'"}
"old" must occur exactly once in the file, and the tree must build with the slip in place:
otherwise the run fails (rewrite the slip after a change to that rule). "run" is a shell command
run from the work tree, {build} standing for its build folder, with QT_QPA_PLATFORM=offscreen
and XDG_DATA_HOME set; it must exit non-zero with the slip in place.
"""
import argparse, json, os, sys, time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from worktree import WorkTree  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
ap = argparse.ArgumentParser()
ap.add_argument("--checkout", default=os.path.join(HERE, "..", ".."))
ap.add_argument("--work", help="work folder (default: next to the checkout, NAME-slips)")
ap.add_argument("--rev", help="plant in this revision's files instead of the working files")
ap.add_argument("--jobs", type=int, default=2)
ap.add_argument("--only", default="")
ap.add_argument("--baseline-only", action="store_true")
ap.add_argument("--timeout", type=int, default=400)
ap.add_argument("files", nargs="*", default=[os.path.join(HERE, "slips.json")])
a = ap.parse_args()

plants = []
for f in a.files:
    plants += json.load(open(f))
if a.only:
    keep = set(a.only.split(","))
    plants = [p for p in plants if p["id"] in keep]

tree = WorkTree(a.checkout, a.work, a.jobs, a.rev)
tree.prepare()
# A slip whose text is gone no longer measures anything: stop before planting any.
stale = []
for p in plants:
    n = tree.read(p["file"]).count(p["old"])
    if n != 1:
        stale.append(f"{p['id']}: \"old\" occurs {n} times in {p['file']}")
if stale:
    print("Slips to write again for the code as it is now:\n  " + "\n  ".join(stale))
    sys.exit(2)



def run(cmd):
    """'passes', 'fails' or 'timeout'."""
    cmd = cmd.replace("{build}", tree.build_dir)
    return tree.run_program({"command": ["sh", "-c", cmd], "env": {}, "cwd": tree.tree}, a.timeout)


# Every command must pass on the clean tree first, or a "caught" would mean nothing.
for cmd in sorted({p["run"] for p in plants}):
    r = run(cmd)
    print(f"baseline {'passes' if r == 'passes' else 'FAILS'}: {cmd}", flush=True)
    if r != "passes":
        sys.exit(2)
if a.baseline_only:
    sys.exit(0)

results = []
for p in plants:
    t0 = time.time()
    with tree.planted(p["file"], tree.read(p["file"]).replace(p["old"], p["new"])):
        ok, out = tree.build(p["targets"])
        if not ok:
            verdict = "BUILD-FAILS (write the slip again)"
        else:
            verdict = {"passes": "MISSED", "fails": "caught", "timeout": "caught (timeout)"}[
                run(p["run"])]
    results.append((p["id"], verdict))
    print(f"{p['id']}: {verdict}  ({time.time() - t0:.0f}s)", flush=True)
tree.build()  # the work tree as it is again, for the next run

caught = sum(1 for _, v in results if v.startswith("caught"))
print(f"\n{caught}/{len(results)} slips caught")
for i, v in results:
    if not v.startswith("caught"):
        print("  ", i, v)
sys.exit(0 if caught == len(results) else 1)
