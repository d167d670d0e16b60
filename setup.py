"""Builds the extension module with the project's CMake build and packs it as one abi3 wheel."""

import os
import shutil
import subprocess
import sys
from pathlib import Path

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = Path(__file__).parent.resolve()
# The module is installed as the initialiser of a package directory, morvane/__init__.abi3.so,
# so that its type stubs can ship beside it as a typed package (a lone module cannot be typed).
STUB_FILES = {"__init__.pyi": ROOT / "tarsk-py" / "morvane.pyi", "py.typed": ROOT / "tarsk-py" / "py.typed"}


class CMakeExtension(Extension):
    def __init__(self, name):
        super().__init__(name, sources=[], py_limited_api=True)


class CMakeBuild(build_ext):
    def build_extension(self, ext):
        build = Path(self.build_temp).resolve() / "cmake"
        subprocess.check_call([
            "cmake", "-S", str(ROOT), "-B", str(build),
            "-DCMAKE_BUILD_TYPE=Release", "-DMORVANE_TESTS=OFF", "-DMORVANE_BENCH=OFF",
            f"-DPython3_EXECUTABLE={sys.executable}",
        ])
        subprocess.check_call([
            "cmake", "--build", str(build), "--target", "morvane", "-j", str(os.cpu_count() or 1),
        ])
        dest = Path(self.get_ext_fullpath(ext.name))
        dest.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(build / "python" / "morvane.abi3.so", dest)
        for name, stub in STUB_FILES.items():
            shutil.copyfile(stub, dest.parent / name)


setup(
    ext_modules=[CMakeExtension("morvane.__init__")],
    cmdclass={"build_ext": CMakeBuild},
    options={"bdist_wheel": {"py_limited_api": "cp311"}, "build": {"build_base": "build-wheel"}},
    packages=[],
    py_modules=[],
    zip_safe=False,
)
