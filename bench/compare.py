"""Old against new: times two builds of morvane on the same inputs in one run.

Each side is a build dir that holds python/morvane*.so, a source tree to build, or a git ref of
the repository, which is checked out into a temporary worktree, built (module target only) and
removed at the end. Every measurement runs in a fresh interpreter with only that build on its
path; the sides alternate, and the best of --rounds runs is kept. Inputs: the generated corpora
of gen_corpus.py (parse alone, and parse with every attribute read), and two item-heavy 1 MiB
documents (parse and read every item's attributes once), with the peak resident memory of an
interpreter that does only that, less the peak of one that only imports the module and builds
the text. Both sides must give the same results: a digest of every attribute of every result is
compared, text by text.

Usage: python3 bench/compare.py OLD NEW [--rounds 5] [--count 20000] [--repo DIR] [--jobs 4]
  e.g. python3 bench/compare.py main build     (the main branch against the build dir ./build)
"""
import argparse
import contextlib
import glob
import hashlib
import json
import os
import re
import resource
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
MIB = 1 << 20
HEAVY_UNITS = ("- shirt 5 pcs\n", "- a\\n")  # the second is a literal backslash-n, unescaped by parse
TRADE_FIELDS = ("currency", "incoterm", "destination", "lead_time", "payment")


# --- worker: runs in a fresh interpreter with one build on its path ----------------------------
def peak_rss_kib():
    """The peak resident memory of this process since it started. ru_maxrss would not do: Linux
    carries it over exec from the process that spawned us, so it holds this script's own peak."""
    try:
        with open("/proc/self/status") as status:
            return int(re.search(r"VmHWM:\s*(\d+)", status.read()).group(1))
    except (OSError, AttributeError):
        return resource.getrusage(resource.RUSAGE_SELF).ru_maxrss


def heavy_text(unit):
    return unit * (MIB // len(unit.encode()))


def describe(result, item_fields):
    """Every attribute of a result, as plain values; the digest of two equal results is equal."""
    terms = result.trade_terms()
    return (result.is_rfq, [getattr(result, "trade_" + name) for name in TRADE_FIELDS],
            None if terms is None else [getattr(terms, name) for name in TRADE_FIELDS],
            [[getattr(item, name) for name in item_fields] for item in result.items])


def readable(described, item_fields):
    is_rfq, trade, terms, items = described
    return repr({"is_rfq": is_rfq, "trade": dict(zip(TRADE_FIELDS, trade)), "trade_terms": terms,
                 "items": [dict(zip(item_fields, item)) for item in items]})


def digest(value):
    return hashlib.sha256(repr(value).encode()).hexdigest()[:16]


def worker(task):
    sys.path.insert(0, task["python_dir"])
    sys.path.insert(1, HERE)
    import morvane
    loaded = os.path.dirname(os.path.realpath(morvane.__file__))
    if loaded != os.path.realpath(task["python_dir"]):
        sys.exit(f"morvane came from {loaded}, not {task['python_dir']}")
    if task["kind"] == "baseline":
        heavy_text(task["unit"])
        return {"peak_kib": peak_rss_kib()}
    from bench_parse import ITEM_FIELDS, read_all  # noqa: E402 (needs morvane on the path)
    if task["kind"] == "heavy":
        text = heavy_text(task["unit"])
        start = time.perf_counter()
        read_all(morvane.parse(text))
        seconds = time.perf_counter() - start
        peak = peak_rss_kib()  # before the digest adds its own
        return {"seconds": seconds, "peak_kib": peak,
                "digest": digest(describe(morvane.parse(text), ITEM_FIELDS))}
    with open(task["corpus"], encoding="utf-8") as source:
        corpora = json.load(source)
    if task["kind"] == "show":
        return [readable(describe(morvane.parse(text), ITEM_FIELDS), ITEM_FIELDS) for text in corpora]
    out = {}
    for name, texts in corpora.items():
        for text in texts[:500]:  # warm-up: patterns are compiled on first use
            read_all(morvane.parse(text))
        start = time.perf_counter()
        for text in texts:
            morvane.parse(text)
        middle = time.perf_counter()
        for text in texts:
            read_all(morvane.parse(text))
        end = time.perf_counter()
        out[name] = {"parse": middle - start, "read": end - middle,
                     "digests": [digest(describe(morvane.parse(text), ITEM_FIELDS)) for text in texts]}
    return out


def run_worker(build, task):
    task = dict(task, python_dir=build["python_dir"])
    env = dict(os.environ, PYTHONPATH=build["python_dir"])
    done = subprocess.run([sys.executable, os.path.abspath(__file__), "--worker", json.dumps(task)],
                          env=env, capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit(f"worker {task['kind']} on {build['label']} failed:\n{done.stderr[-3000:]}")
    return json.loads(done.stdout)


# --- builds ------------------------------------------------------------------------------------
def git(repo, *args, check=True):
    return subprocess.run(["git", "-C", repo, *args], capture_output=True, text=True, check=check)


def module_target(src):
    """The name of the extension module's target, read from its CMakeLists.txt."""
    with open(os.path.join(src, "tarsk-py", "CMakeLists.txt"), encoding="utf-8") as lists:
        found = re.search(r"add_library\(\s*(\w+)\s+MODULE", lists.read())
    return found.group(1) if found else "morvane"


def build_source(src, build_dir, jobs):
    log_path = build_dir + ".log"
    with open(log_path, "w") as log:
        for command in (["cmake", "-S", src, "-B", build_dir, "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                         "-DPython3_EXECUTABLE=/usr/bin/python3"],
                        ["cmake", "--build", build_dir, "--target", module_target(src), "-j", str(jobs)]):
            if subprocess.run(command, stdout=log, stderr=subprocess.STDOUT).returncode != 0:
                with open(log_path) as failed:
                    sys.exit(f"build of {src} failed:\n{failed.read()[-3000:]}")
    return os.path.join(build_dir, "python")


def resolve(spec, repo, tmp, jobs, cleanup, built):
    """A build for one side: {"label", "python_dir"}; a commit is built once for both sides."""
    if os.path.isdir(spec):
        python_dir = os.path.join(spec, "python")
        if glob.glob(os.path.join(python_dir, "morvane*.so")):
            return {"label": f"{spec} (build dir)", "python_dir": os.path.abspath(python_dir)}
        if not os.path.exists(os.path.join(spec, "CMakeLists.txt")):
            sys.exit(f"{spec}: neither a build dir with python/morvane*.so nor a source tree")
        name = f"build-dir{len(built)}"
        print(f"building {spec} in {tmp}/{name} ...", file=sys.stderr, flush=True)
        built[name] = {"label": f"{spec} (source tree)",
                       "python_dir": build_source(os.path.abspath(spec), os.path.join(tmp, name), jobs)}
        return built[name]
    found = git(repo, "rev-parse", "--verify", "--quiet", spec + "^{commit}", check=False)
    if found.returncode != 0:
        sys.exit(f"{spec}: not a directory nor a commit of {repo}")
    commit = found.stdout.strip()
    if commit not in built:
        src = os.path.join(tmp, "src-" + commit[:12])
        git(repo, "worktree", "add", "--detach", src, commit)
        cleanup.callback(git, repo, "worktree", "remove", "--force", src, check=False)
        print(f"building {spec} ({commit[:12]}) in {tmp} ...", file=sys.stderr, flush=True)
        built[commit] = {"label": f"{spec} ({commit[:12]})",
                         "python_dir": build_source(src, os.path.join(tmp, "build-" + commit[:12]), jobs)}
    return built[commit]


# --- report ------------------------------------------------------------------------------------
def spread(values):
    return f"{(max(values) - min(values)) / min(values) * 100:.1f}%" if min(values) > 0 else "-"


def row(name, old, new, unit_of, ratio_of):
    """One table line from the per-round values of each side; the best is the smallest."""
    best_old, best_new = min(old), min(new)
    print(f"{name:54} {unit_of(best_old):>10} {unit_of(best_new):>10} {ratio_of(best_old, best_new):>8.3f}"
          f" {spread(old):>7} {spread(new):>7}")


def report(runs, corpora, rounds):
    print(f"\n{'input':54} {'old':>10} {'new':>10} {'old/new':>8} {'spread':>7} {'spread':>7}")
    for name, texts in corpora.items():
        count, size = len(texts), sum(len(text.encode()) for text in texts)
        for key, what in (("parse", "parse"), ("read", "parse + read all")):
            old = [run[name][key] for run in runs["old"]["corpus"]]
            new = [run[name][key] for run in runs["new"]["corpus"]]
            row(f"{count} {name}: {what}, µs/text", old, new, lambda s, n=count: f"{s * 1e6 / n:.2f}",
                lambda o, n: o / n)
            row(f"{count} {name}: {what}, MB/s", old, new, lambda s, b=size: f"{b / s / 1e6:.2f}",
                lambda o, n: o / n)
    for unit in HEAVY_UNITS:
        label = f"{unit!r} x{len(heavy_text(unit)) // len(unit.encode())}, 1 MiB"
        old = [run["seconds"] for run in runs["old"]["heavy", unit]]
        new = [run["seconds"] for run in runs["new"]["heavy", unit]]
        row(f"{label}: parse + read, ms", old, new, lambda s: f"{s * 1e3:.1f}", lambda o, n: o / n)
        old, new = ([(heavy["peak_kib"] - base["peak_kib"]) / 1024
                     for heavy, base in zip(runs[side]["heavy", unit], runs[side]["baseline", unit])]
                    for side in ("old", "new"))
        row(f"{label}: peak RSS - base, MiB", old, new, lambda m: f"{m:.1f}", lambda o, n: o / n)
    base = {side: min(run["peak_kib"] for run in runs[side]["baseline", HEAVY_UNITS[0]]) / 1024
            for side in ("old", "new")}
    print(f"old/new above 1: new is faster or smaller. Best of {rounds} rounds; spread = (worst - best) / best.")
    print(f"base: peak RSS of an interpreter that imported the module and built the text: "
          f"old {base['old']:.1f} MiB, new {base['new']:.1f} MiB")


def check_results(runs, corpora, builds, tmp):
    """Says whether both sides gave the same results; shows a few texts that differ."""
    same = True
    for side in ("old", "new"):
        first = runs[side]["corpus"][0]
        if any(run[name]["digests"] != first[name]["digests"] for run in runs[side]["corpus"] for name in corpora):
            print(f"{side}: results changed from one round to another (not deterministic)")
            same = False
    for name, texts in corpora.items():
        old, new = (runs[side]["corpus"][0][name]["digests"] for side in ("old", "new"))
        differing = [i for i, (a, b) in enumerate(zip(old, new)) if a != b]
        print(f"{name}: {len(texts) - len(differing)}/{len(texts)} texts give identical results")
        if differing:
            same = False
            show(builds, [texts[i] for i in differing[:3]], tmp)
    for unit in HEAVY_UNITS:
        old, new = ({run["digest"] for run in runs[side]["heavy", unit]} for side in ("old", "new"))
        identical = len(old) == 1 and old == new
        same = same and identical
        print(f"{unit!r} document: results {'identical' if identical else 'DIFFER'}")
    print("RESULTS IDENTICAL" if same else "RESULTS DIFFER: a speed-up here may come from a change of results")
    return same


def show(builds, texts, tmp):
    path = os.path.join(tmp, "differing.json")
    with open(path, "w", encoding="utf-8") as out:
        json.dump(texts, out)
    shown = {side: run_worker(builds[side], {"kind": "show", "corpus": path}) for side in ("old", "new")}
    for i, text in enumerate(texts):
        print(f"  text {text!r}\n    old {shown['old'][i]}\n    new {shown['new'][i]}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("old", nargs="?")
    parser.add_argument("new", nargs="?")
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--count", type=int, default=20000, help="texts in each generated corpus")
    parser.add_argument("--repo", default=HERE, help="repository in which git refs are looked up")
    parser.add_argument("--jobs", type=int, default=4)
    parser.add_argument("--worker", help=argparse.SUPPRESS)
    args = parser.parse_args()
    if args.worker:
        print(json.dumps(worker(json.loads(args.worker))))
        return
    if not args.old or not args.new:
        parser.error("two checkouts are needed: OLD NEW")
    sys.path.insert(0, HERE)
    import gen_corpus

    with contextlib.ExitStack() as cleanup:
        tmp = cleanup.enter_context(tempfile.TemporaryDirectory(prefix="morvane-compare-"))
        built = {}
        builds = {side: resolve(spec, args.repo, tmp, args.jobs, cleanup, built)
                  for side, spec in (("old", args.old), ("new", args.new))}
        corpora = {"queries": gen_corpus.queries(args.count), "RFQ documents": gen_corpus.rfq_documents(args.count)}
        corpus_path = os.path.join(tmp, "corpus.json")
        with open(corpus_path, "w", encoding="utf-8") as out:
            json.dump(corpora, out)
        for side in ("old", "new"):
            print(f"{side}: {builds[side]['label']} -> {builds[side]['python_dir']}")
        if builds["old"] is builds["new"]:
            print("both sides are the same build: the ratios show the noise of the machine")
        tasks = [("corpus", {"kind": "corpus", "corpus": corpus_path})]
        for unit in HEAVY_UNITS:
            tasks += [(("heavy", unit), {"kind": "heavy", "unit": unit}),
                      (("baseline", unit), {"kind": "baseline", "unit": unit})]
        runs = {side: {key: [] for key, _ in tasks} for side in ("old", "new")}
        load = os.getloadavg()[0]
        for round_number in range(args.rounds):
            print(f"round {round_number + 1}/{args.rounds}", file=sys.stderr, flush=True)
            order = ("old", "new") if round_number % 2 == 0 else ("new", "old")
            for key, task in tasks:  # old and new back to back, so both see the same load
                for side in order:
                    runs[side][key].append(run_worker(builds[side], task))
        print(f"python {sys.version.split()[0]}; load average {load:.1f} at the start, "
              f"{os.getloadavg()[0]:.1f} at the end (8 cores shared)")
        report(runs, corpora, args.rounds)
        print()
        same = check_results(runs, corpora, builds, tmp)
    sys.exit(0 if same else 1)


if __name__ == "__main__":
    main()
