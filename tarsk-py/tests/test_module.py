import importlib
import inspect
import sys

import pytest

import morvane


def test_module_contents():
    assert morvane.__all__ == ["ParsedItem", "TradeTerms", "ParseResult", "parse"]
    assert morvane.__doc__ == ""
    assert morvane.parse.__name__ == "parse"
    assert morvane.parse.__module__ == "morvane"
    assert morvane.parse.__self__ is morvane
    for name in ("ParsedItem", "TradeTerms", "ParseResult"):
        assert getattr(morvane, name).__name__ == name


def test_parse_signature_and_docstring():
    assert morvane.parse.__text_signature__ == "(query)"
    assert list(inspect.signature(morvane.parse).parameters) == ["query"]
    assert morvane.parse.__doc__ == (
        "Parse a raw query or RFQ document.\n"
        "Routes automatically: simple product queries return one ParsedItem per group,\n"
        "RFQ documents return one ParsedItem per line item.")


def test_import_again_gives_the_same_module():
    first = sys.modules.pop("morvane")
    try:
        again = importlib.import_module("morvane")
        assert again is first
        assert again.ParsedItem is first.ParsedItem
        assert again.parse("").is_rfq is False
    finally:
        sys.modules["morvane"] = first


SUBINTERPRETER_REFUSED = "PyO3 modules do not yet support subinterpreters, see "


@pytest.mark.parametrize("main_first", [True, False], ids=["main-first", "sub-first"])
def test_only_the_first_interpreter_may_import(run_python, main_first):
    outcome = run_python(f"""
        import _xxsubinterpreters as interpreters
        sub = interpreters.create()
        if {main_first}:
            import morvane
            try:
                interpreters.run_string(sub, "import morvane")
            except interpreters.RunFailedError as e:
                print("refused:", e)
        else:
            interpreters.run_string(sub, "import morvane")
            try:
                import morvane
            except ImportError as e:
                print("refused:", type(e).__name__, e)
        """)
    assert outcome.returncode == 0, outcome.stderr
    assert "refused: " in outcome.stdout
    assert "ImportError" in outcome.stdout
    assert SUBINTERPRETER_REFUSED in outcome.stdout
