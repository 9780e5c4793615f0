#!/usr/bin/env python3
"""Random one-point slips: from a seed, draws mutation sites uniformly over the lines of the
game's C++ (src/framework, game, life, computer, leisure, ui), plants each in a separate work tree, rebuilds
incrementally and runs the tests, fastest first, until one fails. A slip that no test notices is
a survivor: the measure of the tests is the share of slips nobody chose that they catch.

usage: tools/slips/random_slips.py [--seed 1] [--count 60] [--report FILE] [--work DIR]
                                   [--rev REV] [--equivalent FILE] [--list]

A line is drawn uniformly among the code lines (no comment, blank or preprocessor line), then
one of the operators below that apply to it, then one of that operator's places on the line.
A slip that does not compile is discarded (the compiler caught it, not a test); one that leaves
every object file as it was is "no code change"; both are listed and replaced by new draws.
A test that runs past its time limit counts as catching the slip. Slips that a person judged
equivalent (same behaviour) are listed in equivalent.json as {"file", "before", "after", "why"},
before and after as the report shows them (lines stripped, "\\n" between two lines); those are
not tested and are left out of the share.
"""
import argparse, hashlib, json, os, random, re, signal, sys, time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from worktree import WorkTree  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE_DIRS = ["src/framework", "src/game", "src/life", "src/computer", "src/leisure", "src/ui"]


# ---- Reading C++: which characters are code, string literal or comment -------------------------

class Source:
    """One file's lines, and per line a class for each character: 'c' code, 's' inside a
    string literal, 'q' a quote (or raw-string delimiter), 'k' a character literal, '/' comment.
    `block[i]` is 'code' when line i starts inside a function body, 'data' otherwise."""

    def __init__(self, rel, text):
        self.rel, self.lines = rel, text.split("\n")
        cls = _classify(text)
        self.masks, pos = [], 0
        for line in self.lines:
            self.masks.append(cls[pos:pos + len(line)])
            pos += len(line) + 1
        self.block = _blocks(text, cls, self.lines)

    def code(self, i):
        """Line i with comments and literals blanked out (same length)."""
        return "".join(ch if m == "c" else " " for ch, m in zip(self.lines[i], self.masks[i]))

    def is_code_line(self, i):
        code = self.code(i).strip()
        return bool(code or "s" in self.masks[i]) and not self._preprocessor(i)

    def _preprocessor(self, i):
        while i > 0 and self.lines[i - 1].rstrip().endswith("\\"):
            i -= 1
        return self.code(i).lstrip().startswith("#")

    def statement(self, i):
        """Line i is one whole statement of a function body (no declaration of a name)."""
        code = self.code(i).strip()
        if self.block[i] != "code" or not code.endswith(";") or code.startswith(("}", "{")):
            return False
        j = i - 1
        while j >= 0 and not self.code(j).strip():
            j -= 1
        return j < 0 or self.code(j).rstrip().endswith((";", "{", "}", ":"))

    def declared(self, i):
        m = DECLARATION.match(self.code(i))
        return m.group(1) if m and m.group(0).split()[0] not in KEYWORDS else None


DECLARATION = re.compile(r"\s*(?:(?:const|constexpr|static)\s+)*[\w:<>,*& ]+?[\s*&]+(\w+)\s*[={(;]")
KEYWORDS = {"return", "delete", "new", "throw", "goto", "else", "case", "emit", "Q_EMIT"}


def _classify(text):
    cls, i, n = [], 0, len(text)
    while i < n:
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            cls += "/" * (j - i)
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            cls += "/" * (j - i)
        elif text.startswith('R"', i) and not (i and (text[i - 1].isalnum() or text[i - 1] == "_")):
            opener = text.index("(", i)
            closer = text.index(")" + text[i + 2:opener] + '"', opener)
            end = closer + opener - i
            cls += "q" * (opener + 1 - i) + "s" * (closer - opener - 1) + "q" * (end - closer)
            j = end
        elif text[i] in "\"'" and not (text[i] == "'" and i and text[i - 1].isdigit()):
            j = i + 1
            while j < n and text[j] != text[i]:
                j += 2 if text[j] == "\\" else 1
            inner = "s" if text[i] == '"' else "k"
            cls += "q" + inner * (j - i - 1) + "q"
            j += 1
        else:
            cls.append("c")
            j = i + 1
        i = j
    return "".join(cls)


def _blocks(text, cls, lines):
    """For each line, whether the innermost brace open at its start is a function body or a
    statement block ('code') or a class, namespace or initializer ('data')."""
    stack, since, result, pos = [], "", [], 0
    for line in lines:
        result.append(stack[-1] if stack else "data")
        for k, ch in enumerate(line):
            if cls[pos + k] != "c":
                continue
            if ch == "{":
                before = since.strip()
                if re.search(r"\b(struct|class|union|enum|namespace)\b", before):
                    kind = "data"
                elif re.search(r"(\)|\]|\b(else|do|try|const|override|noexcept|mutable))$", before):
                    kind = "code"
                elif before.endswith(":") and stack and stack[-1] == "code":
                    kind = "code"  # case X: {
                elif not before:
                    kind = stack[-1] if stack else "data"
                else:
                    kind = "data"
                stack.append(kind)
                since = ""
            elif ch == "}":
                if stack:
                    stack.pop()
                since = ""
            elif ch == ";":
                since = ""
            else:
                since += ch
        since += " "
        pos += len(line) + 1
    return result


# ---- The mutation operators --------------------------------------------------------------------
# Each takes a Source, a line index and the random generator, and returns None when it does not
# apply to that line, else (k, new_lines): the k lines from that line on become new_lines.

def _tokens(src, i, pattern, where="c"):
    """Matches of pattern on line i that lie wholly in characters of class `where`."""
    line, mask = src.lines[i], src.masks[i]
    return [m for m in re.finditer(pattern, line) if set(mask[m.start():m.end()]) <= set(where)]


def _replace_token(src, i, rng, pattern, swap, where="c"):
    found = _tokens(src, i, pattern, where)
    if not found:
        return None
    m = rng.choice(found)
    new = swap(m.group(0), rng)
    line = src.lines[i]
    return 1, [line[:m.start()] + new + line[m.end():]]


def comparison_flipped(src, i, rng):
    flip = {"<": ">", ">": "<", "<=": ">=", ">=": "<=", "==": "!=", "!=": "=="}
    return _replace_token(src, i, rng, r"(?<= )(<=|>=|==|!=|<|>)(?= )", lambda t, _: flip[t])


def comparison_bound(src, i, rng):
    bound = {"<": "<=", "<=": "<", ">": ">=", ">=": ">"}
    return _replace_token(src, i, rng, r"(?<= )(<=|>=|<|>)(?= )", lambda t, _: bound[t])


def integer_changed(src, i, rng):
    def step(t, rng):
        n = int(t) + (rng.choice((1, -1)) if int(t) > 0 else 1)
        return str(n).zfill(len(t))
    # Numbers inside string literals count too: the game keeps its numbers as texts.
    return _replace_token(src, i, rng, r"(?<![\w.])\d+(?![\w.])", step, where="cs")


def rows_swapped(src, i, rng):
    row = re.compile(r"\s*\{.*\},?\s*$")
    if i + 1 >= len(src.lines) or src.block[i] != "data" or src.block[i + 1] != "data":
        return None
    a, b = src.lines[i], src.lines[i + 1]
    if not (row.match(a) and row.match(b)) or "/" in src.masks[i] + src.masks[i + 1]:
        return None
    ca, cb = a.rstrip().endswith(","), b.rstrip().endswith(",")
    a, b = a.rstrip().rstrip(","), b.rstrip().rstrip(",")
    indent = lambda s: s[:len(s) - len(s.lstrip())]  # noqa: E731
    return 2, [indent(a) + b.lstrip() + "," * ca, indent(b) + a.lstrip() + "," * cb]


def statements_swapped(src, i, rng):
    if i + 1 >= len(src.lines) or not (src.statement(i) and src.statement(i + 1)):
        return None
    a, b = src.lines[i], src.lines[i + 1]
    indent = lambda s: s[:len(s) - len(s.lstrip())]  # noqa: E731
    name = src.declared(i)
    if indent(a) != indent(b) or (name and re.search(rf"\b{name}\b", src.code(i + 1))):
        return None
    return 2, [b, a]


def statement_dropped(src, i, rng):
    if not src.statement(i) or src.declared(i):
        return None
    return 1, []


CYRILLIC = "абвгдежзийклмнопрстуфхцчшщыьэюя"
LATIN = "abcdefghijklmnopqrstuvwxyz"


def string_changed(src, i, rng):
    line, mask = src.lines[i], src.masks[i]
    inside = [k for k, m in enumerate(mask) if m == "s" and not _escaped(line, k)]
    kinds = {
        "letter": [k for k in inside if line[k].lower() in CYRILLIC + LATIN],
        "blank removed": [k for k in inside if line[k] == " "],
        "blank added": inside,
    }
    kinds = {kind: places for kind, places in kinds.items() if places}
    if not kinds:
        return None
    kind = rng.choice(sorted(kinds))
    k = rng.choice(kinds[kind])
    if kind == "letter":
        alphabet = CYRILLIC if line[k].lower() in CYRILLIC else LATIN
        new = rng.choice([c for c in alphabet if c != line[k].lower()])
        new = new.upper() if line[k].isupper() else new
        return 1, [line[:k] + new + line[k + 1:]]
    if kind == "blank removed":
        return 1, [line[:k] + line[k + 1:]]
    return 1, [line[:k] + " " + line[k:]]


def _escaped(line, k):
    return line[k] == "\\" or (k and line[k - 1] == "\\")


def boolean_negated(src, i, rng):
    flip = {"true": "false", "false": "true", "&&": "||", "||": "&&", "!": ""}
    return _replace_token(src, i, rng, r"\btrue\b|\bfalse\b|(?<= )(&&|\|\|)(?= )|!(?!=)",
                          lambda t, _: flip[t])


OPERATORS = [
    ("comparison flipped", comparison_flipped),   # <  ->  >,  == -> !=
    ("comparison bound", comparison_bound),       # <  ->  <=, >= -> >
    ("integer +-1", integer_changed),             # 45 -> 46, "30" -> "29"
    ("rows swapped", rows_swapped),               # two adjacent rows of a table
    ("statements swapped", statements_swapped),   # two adjacent statements
    ("statement dropped", statement_dropped),
    ("string changed", string_changed),           # a letter replaced, a blank removed or added
    ("boolean negated", boolean_negated),         # true -> false, !x -> x, && -> ||
]


# ---- Drawing slips -----------------------------------------------------------------------------

def load_sources(tree):
    sources = []
    for d in SOURCE_DIRS:
        for root, _, files in os.walk(os.path.join(tree.tree, d)):
            for name in sorted(files):
                if name.endswith((".cpp", ".h")):
                    rel = os.path.relpath(os.path.join(root, name), tree.tree)
                    sources.append(Source(rel, tree.read(rel)))
    return sorted(sources, key=lambda s: s.rel)


def draw(sources, rng):
    """Endless slips: {file, line, operator, before, after, text} (text: the whole new file)."""
    sites = [(s, i) for s in sources for i in range(len(s.lines)) if s.is_code_line(i)]
    seen = set()
    while True:
        src, i = rng.choice(sites)
        applicable = [(name, e) for name, op in OPERATORS if (e := op(src, i, rng))]
        if not applicable:
            continue
        name, (k, new) = rng.choice(applicable)
        key = (src.rel, i, tuple(new))
        if key in seen or new == src.lines[i:i + k]:
            continue
        seen.add(key)
        lines = src.lines[:i] + new + src.lines[i + k:]
        yield {"file": src.rel, "line": i + 1, "operator": name,
               "before": "\n".join(s.strip() for s in src.lines[i:i + k]),
               "after": "\n".join(s.strip() for s in new), "text": "\n".join(lines)}


# ---- Object files: did the slip change any code? -----------------------------------------------

class Objects:
    def __init__(self, build_dir):
        self.build_dir, self.known = build_dir, {}
        self.baseline = {p: h for p, (_, h) in self.scan().items()}

    def scan(self):
        found = {}
        for root, _, files in os.walk(self.build_dir):
            for name in files:
                if name.endswith(".o"):
                    path = os.path.join(root, name)
                    stamp = os.stat(path).st_mtime_ns
                    if self.known.get(path, (None,))[0] != stamp:
                        with open(path, "rb") as f:
                            self.known[path] = (stamp, hashlib.sha1(f.read()).hexdigest())
                    found[path] = self.known[path]
        return found

    def changed(self):
        """Object files whose content differs from the clean build's."""
        return [p for p, (_, h) in self.scan().items() if self.baseline.get(p) != h]


# ---- Running --------------------------------------------------------------------------------------

def judge(tree, programs, timeouts):
    for p in programs:
        result = tree.run_program(p, timeouts[p["name"]])
        if result != "passes":
            return f"caught by {p['name']}" + (" (timeout)" if result == "timeout" else "")
    return "SURVIVED"


def one_line(i, m, verdict, seconds):
    show = lambda t: t.replace("\n", "  \u23ce  ") or "(nothing)"  # noqa: E731
    return (f"{i:>4} {m['file']}:{m['line']} [{m['operator']}] {verdict} {seconds:.0f}s | "
            f"{show(m['before'])}  =>  {show(m['after'])}")


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--count", type=int, default=60)
    ap.add_argument("--checkout", default=os.path.join(HERE, "..", ".."))
    ap.add_argument("--work", help="work folder (default: next to the checkout, NAME-slips)")
    ap.add_argument("--rev", help="measure this revision's files instead of the working files")
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--report", help="write the summary and the survivors to this file")
    ap.add_argument("--equivalent", default=os.path.join(HERE, "equivalent.json"))
    ap.add_argument("--list", action="store_true", help="only show the first COUNT slips drawn")
    a = ap.parse_args()
    equivalent = json.load(open(a.equivalent)) if os.path.exists(a.equivalent) else []

    def equivalent_to(m):
        for e in equivalent:
            after = "" if e["after"].strip() == "(nothing)" else e["after"].strip()
            if (e["file"], e["before"].strip(), after) == (m["file"], m["before"], m["after"]):
                return e["why"]
        return None

    tree = WorkTree(a.checkout, a.work, a.jobs, a.rev)
    if a.list:
        tree.sync()
        for i, m in zip(range(1, a.count + 1), draw(load_sources(tree), random.Random(a.seed))):
            print(one_line(i, m, "-", 0))
        return 0
    start = time.time()
    tree.prepare()
    programs, timeouts, broken = [], {}, []
    for p in tree.test_programs():
        t0 = time.time()
        if tree.run_program(p, 900) != "passes":
            broken.append(p["name"])  # it cannot tell a slip from the clean tree
            print(f"baseline: {p['name']} FAILS on the clean tree, left out", flush=True)
            continue
        took = time.time() - t0
        timeouts[p["name"]] = max(60.0, 5 * took)
        programs.append((took, p))
        print(f"baseline: {p['name']} passes ({took:.0f}s)", flush=True)
    programs = [p for _, p in sorted(programs, key=lambda tp: tp[0])]
    objects = Objects(tree.build_dir)

    results, skipped = [], []
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))  # the planted file is restored
    slips = draw(load_sources(tree), random.Random(a.seed))
    while len(results) < a.count:
        m = next(slips)
        t0 = time.time()
        why, verdict = equivalent_to(m), None
        if why:
            verdict = f"equivalent ({why})"
        else:
            with tree.planted(m["file"], m["text"]):
                ok, out = tree.build()
                if not ok and "Error running test executable" not in out:
                    skipped.append((m, "does not compile", time.time() - t0))
                elif ok and not objects.changed():
                    skipped.append((m, "no code change", time.time() - t0))
                else:
                    verdict = judge(tree, programs, timeouts) if ok else "caught by a test listing"
        if verdict is None:
            print(one_line("-", *skipped[-1]), flush=True)
            continue
        results.append((m, verdict, time.time() - t0))
        print(one_line(len(results), *results[-1]), flush=True)
        if a.report:  # after every slip, so that a stopped run leaves its report too
            lines = summary(a.seed, results, skipped, broken, time.time() - start)
            with open(a.report, "w", encoding="utf-8") as f:
                f.write("\n".join(lines) + "\n")
    tree.build()  # the tree as it is again, for the next run
    lines = summary(a.seed, results, skipped, broken, time.time() - start)
    print("\n" + "\n".join(lines[:lines.index("All slips:")]))
    return 0


def summary(seed, results, skipped, broken, seconds):
    caught = [r for r in results if r[1].startswith("caught")]
    survivors = [r for r in results if r[1] == "SURVIVED"]
    equivalents = [r for r in results if r[1].startswith("equivalent")]
    tested = len(caught) + len(survivors)
    numbered = lambda rs: [one_line(results.index(r) + 1, *r) for r in rs]  # noqa: E731
    lines = [f"Random slips, seed {seed}: {len(results)} slips, {len(equivalents)} of them "
             f"equivalent; caught {len(caught)} of {tested} = {len(caught) / max(1, tested):.0%}",
             f"replaced: {sum(1 for s in skipped if s[1] == 'does not compile')} did not compile, "
             f"{sum(1 for s in skipped if s[1] == 'no code change')} changed no code",
             f"took {seconds / 60:.0f} min"]
    lines += [f"left out, failing on the clean tree: {', '.join(broken)}"] if broken else []
    lines += [""]
    lines += [f"Survivors ({len(survivors)}):"] + numbered(survivors)
    lines += ["", f"Equivalent ({len(equivalents)}):"] + numbered(equivalents)
    lines += ["", "Replaced:"] + [one_line("-", *s) for s in skipped]
    lines += ["", "All slips:"] + numbered(results)
    return lines


if __name__ == "__main__":
    sys.exit(main())
