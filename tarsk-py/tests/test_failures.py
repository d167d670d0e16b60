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


def test_class_creation_failure_at_import_always_has_a_cause(run_python):
    # Each forked child fails one allocation of its import, a different one each: every failure
    # while a class is made is a RuntimeError naming the class, whose cause is the creation's error
    # (a creation that failed without setting one gets the interpreter's SystemError, never None).
    outcome = run_python("""
        import os
        import _testcapi
        for start in range(0, 1200, 3):
            read, write = os.pipe()
            if os.fork() == 0:
                os.close(read)
                _testcapi.set_nomemory(start, start + 1)
                try:
                    import morvane
                    result = "ok"
                except RuntimeError as error:
                    result = str(error) + " | " + type(error.__cause__).__name__
                except BaseException:
                    result = "other"
                finally:
                    _testcapi.remove_mem_hooks()
                os.write(write, result.encode())
                os._exit(0)
            os.close(write)
            with os.fdopen(read) as pipe:
                result = pipe.read()
            os.wait()
            if result.startswith("An error occurred while initializing class "):
                print(result)
        """)
    assert outcome.returncode == 0, outcome.stderr
    lines = outcome.stdout.splitlines()
    assert lines, "no class creation failed"
    for line in lines:
        assert line.split(" | ")[1] in ("MemoryError", "SystemError"), line
