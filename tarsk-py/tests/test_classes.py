import sys

import pytest

from morvane import ParsedItem, ParseResult, TradeTerms, parse

PARSED_ITEM_DOC = (
    "One parsed item \u2014 either a group from a simple query or a line item from an RFQ.\n"
    'chunks  = C1 : product noun phrases joined with connectors ("polo shirt OR t-shirt")\n'
    "all other fields = S1 : ontology-matched and normalised specs (trusted, no SLM needed)")

CLASSES = {
    ParsedItem: (PARSED_ITEM_DOC, {
        "chunks", "index", "qty", "qty_max", "uom", "colors", "sizes", "materials", "genders", "specs",
        "standards", "ambiguous", "price", "currency", "origin", "dims"}),
    TradeTerms: ("Trade terms extracted from an RFQ document (None fields = not found).", {
        "currency", "incoterm", "destination", "lead_time", "payment"}),
    ParseResult: ("Top-level result returned by parse().\n"
                  "is_rfq = true when the input was routed through the RFQ pipeline.", {
                      "items", "is_rfq", "trade_currency", "trade_incoterm", "trade_destination",
                      "trade_lead_time", "trade_payment"}),
}

HAVE_GC = 1 << 14
BASETYPE = 1 << 10


def attributes(cls):
    return {name for name, value in vars(cls).items() if type(value).__name__ == "getset_descriptor"}


@pytest.mark.parametrize("cls", CLASSES, ids=lambda c: c.__name__)
class TestClass:
    def test_names_and_docstrings(self, cls):
        doc, fields = CLASSES[cls]
        assert cls.__module__ == "builtins"
        assert cls.__qualname__ == cls.__name__
        assert cls.__bases__ == (object,)
        assert cls.__doc__ == doc
        assert attributes(cls) == fields
        assert all(getattr(cls, name).__doc__ == "" for name in fields)

    def test_cannot_be_constructed(self, cls):
        for make in (cls, lambda: cls.__new__(cls), lambda: cls(1, key=2)):
            with pytest.raises(TypeError) as caught:
                make()
            assert caught.value.args == (f"No constructor defined for {cls.__name__}",)

    def test_cannot_be_subclassed(self, cls):
        with pytest.raises(TypeError):
            type("Sub", (cls,), {})

    def test_instances_have_no_dict_weakref_or_gc(self, cls):
        assert cls.__flags__ & HAVE_GC == 0
        assert cls.__flags__ & BASETYPE == 0
        assert cls.__dictoffset__ == 0
        assert cls.__weakrefoffset__ == 0

    def test_class_object_itself_takes_attributes(self, cls):
        cls.note = 1
        try:
            assert cls.note == 1
        finally:
            del cls.note


def test_result_is_read_only(read_only):
    read_only(parse("x"), "is_rfq")


def test_every_read_is_a_fresh_object():
    result = parse("x")
    assert result.items is not result.items
    assert result.is_rfq is False


def test_trade_terms_method():
    method = ParseResult.trade_terms
    assert method.__text_signature__ == "($self)"
    assert method.__doc__ == "Convenience: returns a TradeTerms object if any trade term was found."
    result = parse("x")
    assert result.trade_terms() is None
    with pytest.raises(TypeError):
        result.trade_terms(1)


def test_objects_release_their_class_reference():
    # Each instance holds a reference to its class; a missed release would show here.
    parse("warm up")
    before = sys.getrefcount(ParseResult)
    results = [parse("x") for _ in range(100)]
    assert sys.getrefcount(ParseResult) == before + 100
    del results
    assert sys.getrefcount(ParseResult) == before
