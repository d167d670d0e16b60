"""Runs parse many times on mixed texts, reading every attribute, and prints the resident memory.

A leak in the module (a missed reference release, a record never destroyed) shows as RSS that keeps
growing; a sound module stays flat once the first calls have built the lexicon and the patterns.
Exits with status 1 when RSS grows by more than the allowed slack between the first and last sample.
"""
import argparse
import sys

import morvane
from fields import ITEM_FIELDS, RESULT_FIELDS, TRADE_FIELDS

TEXTS = [
    "",
    "100 áo polo màu đỏ size M",
    "polo shirt 100 pcs, t-shirt 200 pcs",
    "5 cái hoặc 10 cái",
    "áo size S đến XL",
    "200 pcs valve DN50 iso 9001 stainless from China",
    "Need bolts\\n- 100 pcs M8",
    "Incoterm FOB Shanghai, payment T/T\n1. Cotton shirts 500 pcs\n2. Polo shirt (target 5.5 USD/pc), 1,000 pcs",
    "Please quote the following\nSteel plate 2000X1000 MM, thickness 5mm, 20 sheets\nLead time: 30 days",
    "- Áo polo cotton, xuất xứ Việt Nam, 200 cái\n- Van bi (Đài Loan)",
    "100 pcs bolts\nLead time: .",
    "nul\x00inside 5 kg",
    "x" * 5000,
    "1. " + "cotton shirt 5 pcs, " * 50,
]

# Calls that fail in argument binding: their error objects must be released too.
BAD_CALLS = [((), {}), (("a", "b"), {}), ((), {"q": 1}), ((None,), {}), (("a\ud800",), {}),
             (("a",), {"query": "b"})]



def rss_kib():
    with open("/proc/self/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise RuntimeError("no VmRSS")


def touch(result):
    for name in RESULT_FIELDS:
        getattr(result, name)
    for item in result.items:
        for name in ITEM_FIELDS:
            getattr(item, name)
    terms = result.trade_terms()
    if terms is not None:
        for name in TRADE_FIELDS:
            getattr(terms, name)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--calls", type=int, default=1_000_000)
    parser.add_argument("--slack-kib", type=int, default=8192)
    args = parser.parse_args()

    for text in TEXTS:  # first use builds the lexicon and patterns
        touch(morvane.parse(text))
    start = rss_kib()
    print(f"start: {start} KiB", flush=True)
    step = max(args.calls // 10, 1)
    for n in range(1, args.calls + 1):
        touch(morvane.parse(TEXTS[n % len(TEXTS)]))
        if n % 50 == 0:
            call_args, call_kwargs = BAD_CALLS[(n // 50) % len(BAD_CALLS)]
            try:
                morvane.parse(*call_args, **call_kwargs)
            except (TypeError, UnicodeEncodeError):
                pass
        if n % step == 0:
            print(f"{n:>9} calls: {rss_kib()} KiB", flush=True)
    end = rss_kib()
    print(f"end: {end} KiB (growth {end - start} KiB)")
    return 0 if end - start <= args.slack_kib else 1


if __name__ == "__main__":
    sys.exit(main())
