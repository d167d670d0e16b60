import os
import subprocess
import sys
import textwrap

import pytest


@pytest.fixture
def run_python():
    """Runs a script in a fresh interpreter (for process-wide state: interpreters, allocation hooks)."""

    def run(source):
        return subprocess.run([sys.executable, "-c", textwrap.dedent(source)], capture_output=True,
                              text=True, env=dict(os.environ), timeout=120)

    return run
