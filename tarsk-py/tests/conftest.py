import os
import subprocess
import sys
import textwrap
import gc
import re
import weakref

import pytest


@pytest.fixture
def run_python():
    """Runs a script in a fresh interpreter (for process-wide state: interpreters, allocation hooks)."""

    def run(source):
        return subprocess.run([sys.executable, "-c", textwrap.dedent(source)], capture_output=True,
                              text=True, env=dict(os.environ), timeout=120)

    return run


def check_read_only(obj, attribute):
    """An object of the module's classes: no setting, deleting or adding attributes, no weak
    references, not tracked by the collector, the interpreter's default repr."""
    with pytest.raises(AttributeError):
        setattr(obj, attribute, getattr(obj, attribute))
    with pytest.raises(AttributeError):
        delattr(obj, attribute)
    with pytest.raises(AttributeError):
        obj.note = 1
    with pytest.raises(TypeError):
        weakref.ref(obj)
    assert not gc.is_tracked(obj)
    assert not hasattr(obj, "__dict__")
    assert re.fullmatch(rf"<builtins\.{type(obj).__name__} object at 0x[0-9a-f]+>", repr(obj))


@pytest.fixture
def read_only():
    return check_read_only
