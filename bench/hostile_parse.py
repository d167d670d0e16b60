"""Times morvane.parse on hostile texts of 1 MB and 4 MB, with the growth ratio and the peak memory
that parse adds, in bytes per input byte.

Linear growth gives a ratio of about 4. Every row runs in fresh child processes (one a size), so
that one row's memory and a killed run leave the others alone. A row whose 1 MB run takes more
than --slow seconds is not run at 4 MB; a child past --timeout seconds is killed.

    PYTHONPATH=build/python python3 bench/hostile_parse.py [--only WORD] [--slow 20] [--timeout 300]
    PYTHONPATH=build/python python3 bench/hostile_parse.py --list

One row, one run, for an instruction count that caches cannot inflate (compare 1 MB with 4 MB).
--toggle-collect counts the module's parse alone, without Python's start and the building of the
text; it needs the function's whole name, since a pattern would also match the lambda inside it
and toggle the count off again (else read the inclusive count of that function with
callgrind_annotate --inclusive=yes):

    PYTHONPATH=build/python valgrind --tool=callgrind \\
        --toggle-collect='morvane::(anonymous namespace)::parse(_object*, _object*, _object*)' \\
        /usr/bin/python3 bench/hostile_parse.py --family 'copy index, many lengths' --size 1 --once

The colliding numbers come from the program bench/colliding_numbers (built with the benchmarks,
found through --build, which defaults to the build holding the imported module); without it, it
is compiled into a temporary folder.
"""

import argparse
import gc
import json
import math
import os
import random
import re
import resource
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
MB = 1 << 20
SMALL_MB, LARGE_MB = 1, 4


def lexicon_keys():
    # A sample of lexicon keys of every kind, glued together without separators.
    return ("kích thướcmàu sắcchất liệutôi cần muavà/hoặchoặcđếnxanh láđỏredlight greyxxlxs"
            "dn100schedule 40sch 80cottoncarbon steelinoxnamwomen'schinasouth koreaukraine"
            "kgpcs20ft fclm²cáiisodin astmen gb bs việt namhồ chí minhcần thơ")


# Set by main from --build before any text is made.
BUILD_DIR = None
NUMBER_DIGITS = 9  # as in colliding_numbers.hpp


def colliding_program():
    """The colliding_numbers program of the build, else one compiled from bench/ into a temporary folder."""
    built = os.path.join(BUILD_DIR, "bench", "colliding_numbers")
    if os.path.exists(built):
        return built
    source = os.path.join(HERE, "colliding_numbers.cpp")
    folder = os.path.join(tempfile.gettempdir(), f"morvane-bench-{os.getuid()}")
    program = os.path.join(folder, "colliding_numbers")
    if not os.path.exists(program) or os.path.getmtime(program) < max(
            os.path.getmtime(source), os.path.getmtime(os.path.join(HERE, "colliding_numbers.hpp"))):
        os.makedirs(folder, exist_ok=True)
        subprocess.run(["c++", "-std=c++20", "-O2", "-o", program, source], check=True)
    return program


def number_list(head, sep, n, colliding):
    """head, then as many nine-digit numbers joined by sep as fit in n bytes (as number_list in C++)."""
    count = max(1, (max(0, n - len(head)) + len(sep)) // (NUMBER_DIGITS + len(sep)))
    if colliding:
        out = subprocess.run([colliding_program(), str(count)], check=True, capture_output=True, text=True).stdout
        numbers = out.split()
    else:
        numbers = [str(10 ** (NUMBER_DIGITS - 1) + i) for i in range(count)]
    return head + sep.join(numbers)


def phrase_lengths(n):
    # sqrt(2n/3): phrases of lengths 18, 19, ... take about a third of n bytes.
    return int(math.sqrt(2 * n / 3))


def many_lengths(n):
    # Bounded unit ends with 17 bytes of room ("111111111111111mw": one end after "m", one after
    # "mw", both blocked by the next letter or digit), then dimension phrases of every length from
    # 18 on, sqrt(2n/3) of them: no end has room for any phrase, yet each length is asked about once.
    phrases = "".join("q" + "2" * (length - 1) + "v " for length in range(18, 19 + phrase_lengths(n)))
    runs = max(1, (n - 2 - len(phrases)) // 17)
    return "- " + "111111111111111mw" * runs + phrases


def long_rooms(n):
    # Random 318-digit runs, each ending in "mw" that the next run's digits block: ends with 320
    # bytes of room. Then phrases of random digits, of lengths 18 to 317 (300 of them from 135 KB
    # on), that match none of them: each end is read as far back as 317 bytes and asked about 300
    # lengths.
    rng = random.Random(318)

    def digits(k):
        return str(rng.randrange(10 ** (k - 1), 10 ** k))

    last = min(317, 18 + phrase_lengths(n))
    phrases = "".join("q" + digits(length - 1) + "v " for length in range(18, last + 1))
    runs = max(1, (n - 2 - len(phrases)) // 320)
    return "- " + "".join(digits(318) + "mw" for _ in range(runs)) + phrases


def rejoined_runs(n, lead=""):
    # Runs of 300 digits, each followed by the blocked units "5 m6 m7 m8 m9 m" and "Z ", on half
    # the text; then free phrases lead + "5 m" ... lead + "9 m" (after a letter, so that each is
    # its own match) repeated. The first free "5 m" cuts its copy from every run in turn, which
    # joins the run to the "6" after it, and so on: every cut makes a long room again, at the end
    # that the next phrase looks up.
    run = "1" * 300 + "".join(f"{d} m" for d in "56789") + "Z "
    tail = "".join(f" a{lead}{d} m" for d in "56789")
    text = "- " + run * max(1, n // 2 // len(run))
    return text + tail * max(1, (n - len(text)) // len(tail))


FAMILIES = {
    "blank runs": lambda n: " " * n,
    "blank lines": lambda n: "\n" * n,
    "digit runs": lambda n: "1" * n,
    "digits and blanks": lambda n: "12 " * (n // 3),
    "( and blanks": lambda n: "(" + " " * (n - 3) + "x)",
    "target without value": lambda n: "target " * (n // 7),
    "lead time without value": lambda n: "lead time " * (n // 10),
    "payment without value": lambda n: "payment " * (n // 8),
    "to without value": lambda n: "to " * (n // 3),
    "FOB without place": lambda n: "FOB " * (n // 4),
    "dimensions": lambda n: "- pipe " + "10x20 mm, " * ((n - 7) // 10),
    "dimension chain, no unit": lambda n: "- pipe " + "1,1x" * ((n - 7) // 4),
    "wide-gap chain, no unit": lambda n: "- pipe " + "1      x" * ((n - 7) // 8),
    "dimensions between numbers": lambda n: "- pipe " + "  2mm 5," * ((n - 7) // 8),
    "markers without items": lambda n: "1. \n" * (n // 4),
    "bullets without items": lambda n: "- \n" * (n // 3),
    "numbered items": lambda n: "".join(f"{i}. Cotton shirt 500 pcs target 2 USD\n"
                                        for i in range(n // 40)),
    "lexicon keys glued": lambda n: lexicon_keys() * (n // len(lexicon_keys().encode())),
    "query words": lambda n: "100 áo polo màu đỏ size M, " * (n // 30),
    # Numbers whose std::hash collides in a power-of-two table (bench/colliding_numbers.hpp), all
    # in one attribute list; the consecutive numbers are the control.
    "list flood, colliding hash": lambda n: number_list("abc ", ", ", n, True),
    "list flood, colliding hash, RFQ": lambda n: number_list("- abc ", "/", n, True),
    "list flood, consecutive": lambda n: number_list("abc ", ", ", n, False),
    "list flood, consecutive, RFQ": lambda n: number_list("- abc ", "/", n, False),
    "copy index, many lengths": many_lengths,
    "copy index, long rooms": long_rooms,
    "copy index, rejoined runs": rejoined_runs,
    # The same with phrases of 23 bytes, longer than the short ends' classes.
    "copy index, rejoined runs, long phrases": lambda n: rejoined_runs(n, "1" * 20),
}


def timed(morvane, text):
    start = time.perf_counter()
    result = morvane.parse(text)
    for item in result.items:
        item.chunks
    return time.perf_counter() - start


def status_kb(field):
    with open("/proc/self/status") as status:
        return int(re.search(rf"^{field}:\s+(\d+) kB", status.read(), re.M).group(1))


def timed_with_peak(morvane, text):
    """One timed parse and the most memory it added, in bytes.

    The kernel's high-water mark of resident memory (VmHWM) is reset to the current resident size
    by writing 5 to /proc/self/clear_refs, after the text is built and the module imported, so the
    mark after the parse less the resident size before it is what parse added at its peak (the
    result included, and the UTF-8 copy CPython keeps of a text that is not ASCII). Where the reset
    is refused, ru_maxrss after less ru_maxrss before: this misses whatever part of the peak stays
    below the peak of building the text.
    """
    gc.collect()
    try:
        with open("/proc/self/clear_refs", "w") as clear:
            clear.write("5")
        before = status_kb("VmRSS")
        seconds = timed(morvane, text)
        after = status_kb("VmHWM")
    except OSError:
        before = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
        seconds = timed(morvane, text)
        after = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
    return seconds, max(0, after - before) * 1024


def child(args):
    """One row at one size, in this process: prints its times and peak as JSON."""
    text = FAMILIES[args.family](int(args.size * MB))
    import morvane
    size = len(text.encode())
    if args.once:
        start = time.perf_counter()
        result = morvane.parse(text)
        seconds = time.perf_counter() - start
        dims = sum(len(item.dims) for item in result.items)
        print(f"{args.family}: {size} bytes, {seconds:.3f} s, {len(result.items)} items, {dims} dims")
        return
    first, peak = timed_with_peak(morvane, text)
    times = [first]
    # The best of a few runs: the first one of a size also pays for the allocator's fresh pages.
    # A run past --slow is not repeated.
    while len(times) < args.rounds and max(times) <= args.slow:
        times.append(timed(morvane, text))
    print(json.dumps({"best": min(times), "runs": len(times), "peak": peak / size}))


def run_row(family, size, args):
    """{"best", "runs", "peak"} of a child, or {"timeout": True} / {"error": text}."""
    command = [sys.executable, os.path.abspath(__file__), "--family", family, "--size", str(size),
               "--rounds", str(args.rounds), "--slow", str(args.slow), "--build", BUILD_DIR]
    try:
        done = subprocess.run(command, capture_output=True, text=True, timeout=args.timeout)
    except subprocess.TimeoutExpired:
        return {"timeout": True}
    if done.returncode != 0:
        return {"error": (done.stderr.strip().splitlines() or [f"exit {done.returncode}"])[-1]}
    return json.loads(done.stdout)


def seconds_text(row, args):
    if row is None:
        return "skipped"
    if "timeout" in row:
        return f">{args.timeout:.0f}"
    if "error" in row:
        return "failed"
    return f"{row['best']:.3f}" + ("" if row["runs"] == args.rounds else "*")


def peak_text(row):
    return f"{row['peak']:.1f}" if row and "best" in row else "-"


def table(args):
    names = [name for name in FAMILIES if not args.only or args.only.lower() in name.lower()]
    width = max(len(name) for name in names)
    print(f"best of {args.rounds} runs (* a single run, past {args.slow:.0f} s); 4 MB skipped when 1 MB "
          f"takes more than {args.slow:.0f} s; a child is killed after {args.timeout:.0f} s")
    print("peak: the memory parse adds at its peak, in bytes per input byte")
    print(f"{'family':{width}} {'1 MB s':>9} {'4 MB s':>9} {'ratio':>7} {'peak 1 MB':>10} {'peak 4 MB':>10}")
    errors = []
    for name in names:
        small = run_row(name, SMALL_MB, args)
        large = None
        if "best" in small and small["best"] <= args.slow:
            large = run_row(name, LARGE_MB, args)
        ratio = "-"
        if large and "best" in large:
            ratio = f"{large['best'] / max(small['best'], 1e-9):.1f}"
        elif large and "timeout" in large:
            ratio = f">{args.timeout / max(small['best'], 1e-9):.0f}"
        print(f"{name:{width}} {seconds_text(small, args):>9} {seconds_text(large, args):>9} {ratio:>7} "
              f"{peak_text(small):>10} {peak_text(large):>10}", flush=True)
        errors += [f"{name} at {mb} MB: {row['error']}" for mb, row in ((SMALL_MB, small), (LARGE_MB, large))
                   if row and "error" in row]
    for error in errors:
        print("failed:", error)


def default_build():
    # The build that holds the module imported here (BUILD/python/morvane.abi3.so), else build/.
    try:
        import morvane
        return os.path.dirname(os.path.dirname(os.path.abspath(morvane.__file__)))
    except ImportError:
        return "build"


def main():
    global BUILD_DIR
    parser = argparse.ArgumentParser(description="Growth and peak memory of morvane.parse on hostile texts.")
    parser.add_argument("--list", action="store_true", help="print the families and stop")
    parser.add_argument("--only", help="the families whose name holds this (any case)")
    parser.add_argument("--family", help="run one family in this process (with --size)")
    parser.add_argument("--size", type=float, default=SMALL_MB, help="MB (a fraction too), with --family")
    parser.add_argument("--once", action="store_true", help="with --family: one parse, no memory measure")
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("--slow", type=float, default=20.0, help="seconds: no 4 MB row, no more rounds")
    parser.add_argument("--timeout", type=float, default=300.0, help="seconds a child may take")
    parser.add_argument("--build", help="the build folder (for bench/colliding_numbers)")
    args = parser.parse_args()
    BUILD_DIR = args.build or default_build()
    if args.list:
        print("\n".join(FAMILIES))
    elif args.family:
        if args.family not in FAMILIES:
            parser.error(f"no family {args.family!r}; see --list")
        child(args)
    else:
        table(args)


if __name__ == "__main__":
    main()
