"""Calls per second of morvane.parse on the query and RFQ corpora, and the module's own share.

The texts are those of the C++ benchmarks (bench/corpus_queries.hpp, bench/corpus_rfq.hpp) when
those headers are present, else the small corpus of bench/corpus.py. The module's own cost is the time of parse minus the time of the C++ core on the same texts, the
latter measured by the program bench_core_for_py (built with the benchmarks). parse("") shows the
cost of a call whose core work is close to nothing. Reading every attribute of each result is timed
separately, since parse itself makes only the ParseResult object.

Usage: PYTHONPATH=build/python python3 bench/bench_parse.py [--build build] [--seconds 1]
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import corpus  # noqa: E402

import morvane  # noqa: E402

# String literals of a C++ header: raw R"d(...)d" or plain "..." (adjacent ones join), commas and comments.
LITERAL = re.compile(r'//[^\n]*|/\*.*?\*/|R"([^(\s]*)\((.*?)\)\1"|"((?:[^"\\\n]|\\.)*)"|(,)', re.S)
ESCAPES = {"n": "\n", "t": "\t", "r": "\r", "0": "\0", "\\": "\\", '"': '"', "'": "'"}


def unescape_cpp(body):
    return re.sub(r"\\(.)", lambda m: ESCAPES[m.group(1)], body)


def read_header_corpus(name):
    """The texts of the array in bench/<name>, or None when there is no such header."""
    path = os.path.join(HERE, name)
    if not os.path.exists(path):
        return None
    with open(path, encoding="utf-8") as header:
        source = header.read()
    source = source[source.index("{", source.index("std::")):]  # the array's initialiser
    texts, current = [], None
    for match in LITERAL.finditer(source):
        raw_delimiter, raw_body, plain_body, comma = match.groups()
        if comma:
            if current is not None:
                texts.append(current)
            current = None
        elif raw_body is not None or plain_body is not None:
            piece = raw_body if raw_body is not None else unescape_cpp(plain_body)
            current = piece if current is None else current + piece
    if current is not None:
        texts.append(current)
    return texts

ITEM_FIELDS = ("chunks", "index", "qty", "qty_max", "uom", "colors", "sizes", "materials", "genders", "specs",
               "standards", "ambiguous", "price", "currency", "origin", "dims")


def read_all(result):
    result.is_rfq, result.trade_currency, result.trade_payment, result.trade_terms()
    for item in result.items:
        for name in ITEM_FIELDS:
            getattr(item, name)


REPEATS = 5  # the best of several runs: the least disturbed by other work on the machine


def per_call_ns(texts, seconds, action):
    texts = texts * max(1, 100 // len(texts))  # read the clock once per batch, not per call
    for text in texts:
        action(text)
    best = None
    for _ in range(REPEATS):
        calls, start = 0, time.perf_counter()
        while True:
            for text in texts:
                action(text)
            calls += len(texts)
            elapsed = time.perf_counter() - start
            if elapsed >= seconds / REPEATS:
                break
        ns = elapsed * 1e9 / calls
        best = ns if best is None else min(best, ns)
    return best


def core_ns(program, texts, seconds):
    if not os.path.exists(program):
        return None
    with tempfile.NamedTemporaryFile("wb", delete=False) as out:
        for text in texts:
            data = text.encode()
            out.write(b"%d\n" % len(data) + data)
    try:
        runs = [subprocess.run([program, out.name, str(seconds / REPEATS)], capture_output=True, text=True,
                               check=True) for _ in range(REPEATS)]
        return min(float(run.stdout.strip()) for run in runs)
    finally:
        os.unlink(out.name)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default="build")
    parser.add_argument("--seconds", type=float, default=1.0)
    args = parser.parse_args()
    program = os.path.join(args.build, "bench", "bench_core_for_py")

    queries = read_header_corpus("corpus_queries.hpp") or corpus.QUERIES
    rfqs = read_header_corpus("corpus_rfq.hpp") or corpus.RFQS
    print(f"python {sys.version.split()[0]}, {len(queries)} queries, {len(rfqs)} RFQ documents")
    empty = per_call_ns([""], args.seconds, morvane.parse)
    print(f"parse(''): {1e9 / empty:,.0f} calls/s ({empty:,.0f} ns per call)")
    for name, texts in (("queries", queries), ("RFQ documents", rfqs)):
        parse = per_call_ns(texts, args.seconds, morvane.parse)
        full = per_call_ns(texts, args.seconds, lambda text: read_all(morvane.parse(text)))
        core = core_ns(program, texts, args.seconds)
        line = f"{name}: parse {1e9 / parse:,.0f} calls/s ({parse:,.0f} ns)"
        line += f"; with every attribute read {full:,.0f} ns"
        if core is None:
            line += f"; core not measured ({program} missing)"
        else:
            line += f"; C++ core {core:,.0f} ns; module layer {parse - core:,.0f} ns per call"
        print(line)


if __name__ == "__main__":
    main()
