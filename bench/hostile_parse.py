"""Times morvane.parse on hostile texts of 1 MB and 10 MB and prints the growth ratio.

Linear growth gives a ratio of about 10. Run with the module on PYTHONPATH:
    PYTHONPATH=build/python python3 bench/hostile_parse.py
"""

import time

import morvane

MB = 1 << 20


def lexicon_keys():
    # A sample of lexicon keys of every kind, glued together without separators.
    return ("kích thướcmàu sắcchất liệutôi cần muavà/hoặchoặcđếnxanh láđỏredlight greyxxlxs"
            "dn100schedule 40sch 80cottoncarbon steelinoxnamwomen'schinasouth koreaukraine"
            "kgpcs20ft fclm²cáiisodin astmen gb bs việt namhồ chí minhcần thơ")


KINDS = {
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
}


def timed(text):
    start = time.perf_counter()
    result = morvane.parse(text)
    for item in result.items:
        item.chunks
    return time.perf_counter() - start


def best(text, rounds=3):
    # The best of a few runs: the first one of a size also pays for the allocator's fresh pages.
    return min(timed(text) for _ in range(rounds))


def main():
    print(f"{'input':26} {'1 MB s':>9} {'10 MB s':>9} {'ratio':>7}")
    for name, make in KINDS.items():
        small = best(make(MB))
        large = best(make(10 * MB))
        print(f"{name:26} {small:9.3f} {large:9.3f} {large / small:7.1f}", flush=True)


if __name__ == "__main__":
    main()
