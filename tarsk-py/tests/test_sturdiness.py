# Any str gives a result or the documented exception; results keep their invariants.
import math
import random

import pytest

from morvane import parse

ODD_TEXTS = [
    "",
    " \t\n\r\x0b\x0c\x85\xa0\u1680\u2000\u2028\u2029\u3000",
    "\x00" * 1000,
    "1. \x00\n- \x00\ntarget 5\x00",
    "e\u0301\u0301\u0301 100 pcs \u200d\u200c",
    "\U0001F600 100 \U0001F455 size M \U0001F1FB\U0001F1F3",
    "\u05e9\u05dc\u05d5\u05dd 100 \u0645\u0631\u062d\u0628\u0627 \u0663\u0664 kg",
    "\u0130stanbul \u212a\u212b\u2126\u1e9e 50 pcs, \u0130\u0130\u0130 2000X1000 MM",
    "\ufeff\ufffe\uffff\U0010ffff 5 kg",
    "1" * 100_000 + " kg",
    "(" + " " * 100_000 + "x)",
    "\\n- " * 10_000,
    "".join(chr(c) for c in range(0x20, 0x3000) if not 0xD800 <= c <= 0xDFFF),
]


def check(result):
    assert isinstance(result.is_rfq, bool)
    for expected_index, item in enumerate(result.items, 1):
        assert item.index == expected_index
        for value in (item.qty, item.qty_max, item.price):
            assert value is None or not math.isnan(value)
        if not result.is_rfq:
            assert item.qty is not None or item.chunks != ""
        for name in ("colors", "sizes", "materials", "genders", "specs", "standards", "ambiguous"):
            values = getattr(item, name)
            assert len(values) == len(set(values)), name


@pytest.mark.parametrize("text", ODD_TEXTS, ids=range(len(ODD_TEXTS)))
def test_odd_texts_give_results(text):
    check(parse(text))


def test_random_texts_over_a_hostile_alphabet():
    pieces = ["1", "1.5", "1,000", " ", "\n", "\r\n", "\t", "- ", "* ", "• ", "1. ", "2) ", "target ", "lead time ",
              "payment terms: ", "FOB ", "Hamburg", "to ", "xuất xứ ", "Việt Nam", "(", ")", ",", ".", ":", "pcs", "kg",
              "cái", "x", "mm", "màu đỏ", "size", "S", "đến", "XL", "và", "or", "/", "@", "USD", "\u0130", "\u212a",
              "\x00", "é", "\u0301", "china", "ISO ", "9001"]
    rng = random.Random(5)
    for _ in range(3000):
        check(parse("".join(rng.choice(pieces) for _ in range(rng.randrange(40)))))


def test_ten_megabytes():
    query = "100 áo polo màu đỏ size M, 5 kg cotton / t-shirt " * (10_000_000 // 50)
    result = parse(query)
    assert result.is_rfq is False and len(result.items) > 100_000
    document = "1. Cotton shirts 500 pcs target 2 USD (China) 10x20 mm\n" * (10_000_000 // 56)
    result = parse(document)
    assert result.is_rfq is True and len(result.items) == 10_000_000 // 56
    assert result.items[-1].dims == ["10x20 mm"]


@pytest.mark.parametrize("text", ["\ud800", "abc\udfff", "1. a\n\udc80"])
def test_lone_surrogates_raise_the_interpreters_error(text):
    with pytest.raises(UnicodeEncodeError):
        parse(text)


def available_memory():
    try:
        with open("/proc/meminfo") as meminfo:
            for line in meminfo:
                if line.startswith("MemAvailable:"):
                    return int(line.split()[1]) * 1024
    except OSError:
        pass
    return None


# Case mapping cuts texts over 256 MiB into slices; one with nowhere to cut once overflowed the stack.
# The child interpreter peaks near 1.6 GB.
@pytest.mark.skipif((available_memory() or 1 << 40) < 3 << 30, reason="needs about 3 GB of free memory")
def test_a_text_over_256_mib_parses_like_a_short_one(run_python):
    # A crash must not take the whole test run with it, hence a child interpreter.
    result = run_python(f"""
        from morvane import parse
        NAMES = ("is_rfq", "trade_currency", "trade_incoterm", "trade_destination", "trade_lead_time", "trade_payment")
        def fields(item):
            return {{name: getattr(item, name) for name in dir(item) if not name.startswith("_") and name != "chunks"}}
        text = "a" * {2**28 + 1000}
        small, big = parse("aaaa"), parse(text)
        assert [getattr(big, name) for name in NAMES] == [getattr(small, name) for name in NAMES]
        assert len(big.items) == len(small.items) == 1
        assert big.items[0].chunks == text and small.items[0].chunks == "aaaa"
        assert fields(big.items[0]) == fields(small.items[0])
        print("ok")
    """)
    assert result.returncode == 0, result.stderr
    assert result.stdout == "ok\n"
