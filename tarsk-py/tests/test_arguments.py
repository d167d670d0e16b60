import pytest

from morvane import ParseResult, parse

MISSING = "parse() missing 1 required positional argument: 'query'"
MULTIPLE = "parse() got multiple values for argument 'query'"


def too_many(n):
    return f"parse() takes 1 positional arguments but {n} were given"


def unexpected(name):
    return f"parse() got an unexpected keyword argument '{name}'"


def not_a_string(type_name):
    return f"argument 'query': '{type_name}' object cannot be converted to 'PyString'"


class Outer:
    class Inner:
        pass


# Errors are decided in a fixed order; among keywords, the first one written decides.
CASES = [
    ((), {}, MISSING),
    (("a", "b"), {}, too_many(2)),
    (("a", "b", "c"), {}, too_many(3)),
    (("a", "b"), {"q": 1}, too_many(2)),
    (("a",), {"query": "b"}, MULTIPLE),
    ((), {"q": "a"}, unexpected("q")),
    ((), {"Query": "a"}, unexpected("Query")),
    (("a",), {"q": 1, "query": "b"}, unexpected("q")),
    (("a",), {"query": "b", "q": 1}, MULTIPLE),
    ((), {"query": "a", "q": 1}, unexpected("q")),
    ((), {"\ud800x": 1}, unexpected("\ufffd\ufffd\ufffdx")),
    ((None,), {}, not_a_string("NoneType")),
    ((), {"query": None}, not_a_string("NoneType")),
    ((b"abc",), {}, not_a_string("bytes")),
    ((5,), {}, not_a_string("int")),
    ((["a"],), {}, not_a_string("list")),
    ((Outer.Inner(),), {}, not_a_string("Outer.Inner")),
]


@pytest.mark.parametrize("args, kwargs, message", CASES)
def test_argument_errors(args, kwargs, message):
    with pytest.raises(TypeError) as caught:
        parse(*args, **kwargs)
    assert type(caught.value) is TypeError
    assert caught.value.args == (message,)


def test_wrong_type_error_has_no_cause():
    with pytest.raises(TypeError) as caught:
        parse(1.5)
    assert caught.value.__cause__ is None


@pytest.mark.parametrize("call", [lambda: parse("a\ud800b"), lambda: parse(query="\udfff")])
def test_lone_surrogate_raises_the_interpreters_encode_error(call):
    with pytest.raises(UnicodeEncodeError) as caught:
        call()
    assert type(caught.value) is UnicodeEncodeError
    assert "surrogates not allowed" in str(caught.value)


@pytest.mark.parametrize("call", [
    lambda: parse(""), lambda: parse(query=""), lambda: parse("x"), lambda: parse(query="x"),
    lambda: parse(*["x"]), lambda: parse(**{"query": "x"}),
])
def test_valid_calls_return_a_parse_result(call):
    assert type(call()) is ParseResult


def test_empty_text_gives_an_empty_query_result():
    result = parse("")
    assert result.items == []
    assert result.is_rfq is False
    assert [result.trade_currency, result.trade_incoterm, result.trade_destination, result.trade_lead_time,
            result.trade_payment] == [None] * 5
    assert result.trade_terms() is None


def test_str_subclass_is_accepted():
    class Text(str):
        def __str__(self):
            raise AssertionError("the string's own characters are read, not str()")

    assert type(parse(Text("100 shirts"))) is ParseResult
