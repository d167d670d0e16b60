# Whole texts through parse, checked attribute by attribute. These need the parsing core.
import gc
import math

import pytest

from fields import ITEM_FIELDS, LIST_FIELDS as LISTS, TRADE_FIELDS
from morvane import ParsedItem, TradeTerms, parse


def expected_item(index, **fields):
    item = {name: ([] if name in LISTS else None) for name in ITEM_FIELDS}
    item.update(chunks="", index=index)
    item.update(fields)
    return item


def snapshot(item):
    return {name: getattr(item, name) for name in ITEM_FIELDS}


def trade_of(result):
    return {name: getattr(result, "trade_" + name) for name in TRADE_FIELDS}


NO_TRADE = {name: None for name in TRADE_FIELDS}

QUERIES = {
    "100 áo polo màu đỏ size M": [
        expected_item(1, chunks="áo polo", qty=100.0, colors=["red"], sizes=["M"])],
    "polo shirt 100 pcs, t-shirt 200 pcs": [
        expected_item(1, chunks="polo shirt AND t-shirt", qty=100.0, uom="pcs", specs=["200"])],
    "100 áo, 200 quần": [
        expected_item(1, chunks="áo", qty=100.0),
        expected_item(2, chunks="quần", qty=200.0)],
    "5 cái hoặc 10 cái": [
        expected_item(1, qty=5.0, qty_max=10.0, uom="cái")],
    "áo size S đến XL": [
        expected_item(1, chunks="áo", sizes=["S", "M", "L", "XL"])],
    "200 pcs valve DN50 iso 9001 stainless": [
        expected_item(1, chunks="valve", qty=200.0, uom="pcs", sizes=["DN50"], standards=["ISO 9001"],
                      materials=["stainless_steel"])],
    "100 pcs bolts from China": [
        expected_item(1, chunks="bolts from", qty=100.0, uom="pcs", ambiguous=["China"])],
    "women's cotton t-shirt 50 pcs": [
        expected_item(1, chunks="t-shirt", qty=50.0, uom="pcs", genders=["female"], materials=["cotton"])],
    "Need bolts - 100 pcs M8": [
        expected_item(1, chunks="bolts - m8", qty=100.0, uom="pcs")],
    "red": [],
}


@pytest.mark.parametrize("text", QUERIES)
def test_product_queries(text):
    result = parse(text)
    assert result.is_rfq is False
    assert [snapshot(item) for item in result.items] == QUERIES[text]
    assert trade_of(result) == NO_TRADE
    assert result.trade_terms() is None


def test_quantity_too_large_for_a_double_is_infinite():
    [item] = parse("1" + "0" * 400 + " kg").items
    assert item.qty == math.inf and item.uom == "kg"


DOCUMENTS = {
    "numbered, with trade terms": (
        "Incoterm FOB Shanghai, payment T/T\n"
        "1. Cotton shirts 500 pcs\n"
        "2. Polo shirt (target 5.5 USD/pc), 1,000 pcs",
        [expected_item(1, chunks="shirts", qty=500.0, uom="pcs", materials=["cotton"], currency="USD"),
         expected_item(2, chunks="polo shirt", qty=1000.0, uom="pcs", price=5.5, currency="USD")],
        dict(NO_TRADE, currency="USD", incoterm="FOB", destination="Shanghai", payment="T/T")),
    "line by line, dimensions": (
        "Please quote the following\n"
        "Steel plate 2000X1000 MM, thickness 5mm, 20 sheets\n"
        "Lead time: 30 days",
        [expected_item(1, chunks="plate thickness", qty=20.0, uom="sheets", materials=["steel"],
                       dims=["2000x1000 mm", "5mm"])],
        dict(NO_TRADE, lead_time="30 days")),
    "bulleted, Vietnamese, origins": (
        "- Áo polo cotton, xuất xứ Việt Nam, 200 cái\n"
        "- Van bi (Đài Loan)",
        [expected_item(1, chunks="áo polo", qty=200.0, uom="pcs", materials=["cotton"], origin="Vietnam"),
         expected_item(2, chunks="van bi", origin="Taiwan")],
        NO_TRADE),
    # The first item gives no group; the second item's group has a quantity of its own but the
    # normaliser found none, and its range end still shows.
    "no group, quantity only in the group": (
        "1. Red\n2. 100 pcs bolts\n3. 5 or 10 bolts",
        [expected_item(1),
         expected_item(2, chunks="bolts", qty=100.0, uom="pcs"),
         expected_item(3, chunks="bolts", qty_max=10.0)],
        NO_TRADE),
    "escaped line feed": (
        "Need bolts\\n- 100 pcs M8",
        [expected_item(1, chunks="m8", qty=100.0, uom="pcs")],
        NO_TRADE),
    "empty lead time": (
        "100 pcs bolts\nLead time: .",
        [expected_item(1, chunks="bolts", qty=100.0, uom="pcs")],
        dict(NO_TRADE, lead_time="")),
}


@pytest.mark.parametrize("name", DOCUMENTS)
def test_rfq_documents(name):
    text, items, trade = DOCUMENTS[name]
    result = parse(text)
    assert result.is_rfq is True
    assert [snapshot(item) for item in result.items] == items
    assert trade_of(result) == trade
    terms = result.trade_terms()
    if trade == NO_TRADE:
        assert terms is None
    else:
        assert type(terms) is TradeTerms
        assert {name: getattr(terms, name) for name in TRADE_FIELDS} == trade
        assert result.trade_terms() is not terms


def test_str_subclass_is_parsed_by_its_characters():
    class Text(str):
        def __str__(self):
            return "red"

    text = "100 pcs bolts from China"
    assert [snapshot(i) for i in parse(Text(text)).items] == [snapshot(i) for i in parse(text).items]


def test_items_are_fresh_copies():
    result = parse("100 áo polo màu đỏ size M")
    first, second = result.items, result.items
    assert first is not second
    assert first[0] is not second[0]
    assert first[0] != second[0]  # no equality of their own: identity
    assert snapshot(first[0]) == snapshot(second[0])
    item = first[0]
    assert item.colors is not item.colors
    item.colors.append("blue")
    first.clear()
    assert item.colors == ["red"]
    assert len(result.items) == 1
    assert item.index is int("1")  # the interpreter's shared small integer


def test_item_outlives_its_result():
    item = parse("polo shirt 100 pcs, t-shirt 200 pcs").items[0]
    gc.collect()
    assert item.chunks == "polo shirt AND t-shirt"
    assert item.specs == ["200"]


def test_rfq_items_outlive_their_result_and_keep_their_own_values():
    # Items share their records with the result they were read from; nothing read from one
    # item, once changed, reaches another read of the same record.
    result = parse("1. 100 pcs red shirts 10x20 cm (China)\n2. blue caps, target 2 USD")
    items, again = result.items, result.items
    items[0].colors.append("green")
    items[0].dims.clear()
    items.clear()
    del result
    gc.collect()
    first, second = again
    assert (first.colors, first.dims, first.origin, first.qty) == (["red"], ["10x20 cm"], "China", 100.0)
    assert (second.chunks, second.price, second.currency) == ("caps", 2.0, "USD")
    assert first.colors is not first.colors


def test_item_and_trade_objects_are_read_only(read_only):
    result = parse("Incoterm FOB Shanghai, payment T/T\n1. Cotton shirts 500 pcs")
    item, terms = result.items[0], result.trade_terms()
    assert type(item) is ParsedItem and type(terms) is TradeTerms
    read_only(item, "qty")
    read_only(terms, "currency")


# Allocation failures while values are built (the interpreter's test hooks; separate processes).

def _failures(run_python, setup, action):
    """Fails each allocation of `action` in turn; returns the distinct errors as "module.name: text"."""
    outcome = run_python(f"""
        import _testcapi
        import morvane
        {setup}
        {action}  # warm up
        seen = set()
        for start in range(200):
            _testcapi.set_nomemory(start, start + 1)
            try:
                {action}
                error = None
            except BaseException as caught:
                error = caught
            finally:
                _testcapi.remove_mem_hooks()
            if error is not None:
                seen.add(f"{{type(error).__module__}}.{{type(error).__name__}}: {{error.args[0] if error.args else ''}}")
        print("\\n".join(sorted(seen)))
        """)
    assert outcome.returncode == 0, outcome.stderr
    assert "uncaught panic" not in outcome.stderr
    return outcome.stdout.splitlines()


PANIC = "pyo3_runtime.PanicException: "


@pytest.mark.parametrize("action, expected", [
    ("item.chunks", ["Python API call failed"]),
    ("item.colors", ["Python API call failed"]),
    ("result.items", ["Python API call failed", "could not create a ParsedItem object: "]),
])
def test_failed_value_is_a_panic(run_python, action, expected):
    errors = _failures(run_python, "result = morvane.parse('100 áo polo màu đỏ size M'); item = result.items[0]",
                       action)
    assert errors
    assert all(error.startswith(PANIC) for error in errors)
    for text in expected:
        assert any(error[len(PANIC):].startswith(text) for error in errors)


def test_failed_trade_terms_raises_the_interpreters_error(run_python):
    errors = _failures(run_python, "result = morvane.parse('1. bolts 5 pcs\\nPayment terms: T/T')",
                       "result.trade_terms()")
    assert errors == ["builtins.MemoryError: "]
