"""Builds the extension module with the project's CMake build and packs it as one abi3 wheel."""

import importlib.util
import os
import platform
import shutil
import subprocess
import sys
import sysconfig
from pathlib import Path

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = Path(__file__).parent.resolve()
# The module is installed as the initialiser of a package directory, morvane/__init__.abi3.so,
# so that its type stubs can ship beside it as a typed package (a lone module cannot be typed).
STUB_FILES = {"__init__.pyi": ROOT / "tarsk-py" / "morvane.pyi", "py.typed": ROOT / "tarsk-py" / "py.typed"}
# The commands that compile the module or pack a wheel (pip runs dist_info, bdist_wheel or
# editable_wheel); egg_info, sdist and the like need none of the build tools.
BUILD_COMMANDS = {"build", "build_ext", "bdist", "bdist_wheel", "bdist_egg", "dist_info", "editable_wheel",
                  "install", "develop"}
DEBIAN_PYTHON = "/usr/bin/python3"
DEBIAN_PACKAGES = "python3-setuptools python3-wheel python3-dev python3-venv cmake"


def importable(name):
    try:
        return importlib.util.find_spec(name) is not None
    except ImportError:  # the parent package is missing
        return False


def missing_build_tools(which=shutil.which, include=None):
    """What this interpreter lacks to build the module, as (what, Debian package) pairs."""
    missing = []
    # setuptools before 70.1 gets bdist_wheel, which pip calls for every install, from `wheel`.
    if not importable("setuptools.command.bdist_wheel") and not importable("wheel.bdist_wheel"):
        missing.append(("the `wheel` package (setuptools' bdist_wheel command, which pip calls)",
                        "python3-wheel"))
    include = include or sysconfig.get_path("include")
    if not Path(include, "Python.h").is_file():
        missing.append((f"this interpreter's development headers ({include}/Python.h)", "python3-dev"))
    if which("cmake") is None:
        missing.append(("cmake", "cmake"))
    return missing


def describe_interpreter():
    text = f"{sys.executable} (Python {platform.python_version()}"
    if sys.prefix != sys.base_prefix:
        text += f", a virtual environment of {sys.base_prefix}"
    return text + ")"


def missing_tools_message(missing, is_debian_python):
    lines = ["morvane cannot be built here: something the build needs is missing.",
             f"  interpreter: {describe_interpreter()}"]
    lines += [f"  missing: {what}" for what, _ in missing]
    if is_debian_python:
        packages = " ".join(package for _, package in missing)
        lines += ["Install the missing Debian packages (scripts/install-deps installs everything the build needs):",
                  f"  sudo apt-get install {packages}"]
    else:
        lines += [f"The build is made for Debian's own interpreter, {DEBIAN_PYTHON}, and its packages",
                  "(scripts/install-deps installs them); build from a virtual environment of that one:",
                  f"  sudo apt-get install {DEBIAN_PACKAGES}",
                  f"  {DEBIAN_PYTHON} -m venv --clear --system-site-packages .venv",
                  "  .venv/bin/python -m pip install --no-build-isolation ."]
    return "\n".join(lines)


def check_build_tools():
    """Stops before setuptools does, with what is missing and how to get it."""
    if not BUILD_COMMANDS.intersection(sys.argv[1:]):
        return
    missing = missing_build_tools()
    if missing:
        sys.exit(missing_tools_message(missing, is_debian_python=sys.base_prefix == "/usr"))


class CMakeExtension(Extension):
    def __init__(self, name):
        super().__init__(name, sources=[], py_limited_api=True)


def run_cmake(step, args):
    try:
        subprocess.check_call(["cmake", *args])
    except subprocess.CalledProcessError as failure:
        sys.exit(f"morvane: cmake {step} failed (exit status {failure.returncode}; its output is above).\n"
                 "The build needs a C++20 compiler, pkg-config, libpcre2-dev and libicu-dev besides "
                 f"{DEBIAN_PACKAGES}; scripts/install-deps installs them all.")


class CMakeBuild(build_ext):
    def build_extension(self, ext):
        build = Path(self.build_temp).resolve() / "cmake"
        run_cmake("configure", [
            "-S", str(ROOT), "-B", str(build),
            "-DCMAKE_BUILD_TYPE=Release", "-DMORVANE_TESTS=OFF", "-DMORVANE_BENCH=OFF",
            f"-DPython3_EXECUTABLE={sys.executable}",
        ])
        jobs = os.environ.get("CMAKE_BUILD_PARALLEL_LEVEL") or str(os.cpu_count() or 1)
        run_cmake("build", ["--build", str(build), "--target", "morvane", "-j", jobs])
        dest = Path(self.get_ext_fullpath(ext.name))
        dest.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(build / "python" / "morvane.abi3.so", dest)
        for name, stub in STUB_FILES.items():
            shutil.copyfile(stub, dest.parent / name)


if __name__ == "__main__":
    check_build_tools()
    setup(
        ext_modules=[CMakeExtension("morvane.__init__")],
        cmdclass={"build_ext": CMakeBuild},
        options={"bdist_wheel": {"py_limited_api": "cp311"}, "build": {"build_base": "build-wheel"}},
        packages=[],
        py_modules=[],
        zip_safe=False,
    )
