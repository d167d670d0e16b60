# Internal failures reach Python as pyo3_runtime.PanicException. The interpreter's test hooks make one
# allocation fail, in a separate process since the hooks are process-wide.

import re

LEAD_IN = "could not create a ParseResult object: "


def test_result_allocation_failure_is_a_panic(run_python):
    outcome = run_python("""
        import _testcapi
        import morvane
        morvane.parse("x")  # classes, patterns and lexicon exist before any allocation fails
        for start in range(50):
            _testcapi.set_nomemory(start, start + 1)
            try:
                morvane.parse("x")
                error = None
            except BaseException as caught:
                error = caught
            finally:
                _testcapi.remove_mem_hooks()
            if error is not None and type(error).__name__ == "PanicException":
                break
        else:
            raise SystemExit("no allocation of parse failed")
        cls = type(error)
        print(cls.__module__, cls.__name__, cls.__mro__[1].__name__, isinstance(error, Exception))
        print(len(error.args))
        print(error.args[0])
        """)
    assert outcome.returncode == 0, outcome.stderr
    kind, count, text = outcome.stdout.splitlines()
    assert kind == "pyo3_runtime PanicException BaseException False"
    assert count == "1"
    assert text.startswith(LEAD_IN)
    assert "MemoryError" in text
    assert "internal failure in parse" in outcome.stderr
    assert "uncaught panic" not in outcome.stderr


def test_exhausted_memory_in_the_core_aborts_with_its_size(run_python):
    # The text exists before the limit is set; its tokens need far more than the limit allows.
    outcome = run_python("""
        import resource
        import morvane
        text = "12 " * 20_000_000
        morvane.parse("x")
        with open("/proc/self/status") as status:
            used = next(int(line.split()[1]) for line in status if line.startswith("VmSize:")) * 1024
        resource.setrlimit(resource.RLIMIT_AS, (used + (256 << 20), resource.RLIM_INFINITY))
        morvane.parse(text)
        print("returned")
        """)
    assert outcome.returncode < 0, outcome.stdout
    assert "returned" not in outcome.stdout
    assert re.search(r"memory allocation of \d+ bytes failed", outcome.stderr), outcome.stderr
