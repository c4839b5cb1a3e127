"""The Python module kelvo_smbios, with the library built from this source tree inside it.

    pip install ./bindings/python

Its build step configures and builds the library with CMake (optimized, no tests, no tool) in
build/python/ of the source tree, and puts the library and the error library beside the module,
where it loads them from. It needs what the library's build needs (scripts/install-deps.sh), and
no network: setuptools and wheel come from the system (Debian: python3-setuptools, python3-wheel).
"""
import glob
import os
import re
import shutil
import subprocess
import sys

from setuptools import Distribution, setup
from setuptools.command.build_py import build_py

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
BUILD = os.path.join(ROOT, "build", "python")


def version():
    """The project's version, from the one place that states it."""
    with open(os.path.join(ROOT, "CMakeLists.txt"), encoding="utf-8") as file:
        return re.search(r"project\(kelvo-shared-smbios VERSION ([0-9.]+)", file.read()).group(1)


class BuildWithLibrary(build_py):
    def run(self):
        super().run()
        subprocess.check_call(["cmake", "-S", ROOT, "-B", BUILD, "-DCMAKE_BUILD_TYPE=Release",
                               "-DKELVO_SMBIOS_BUILD_TESTS=OFF", "-DKELVO_SMBIOS_BUILD_TOOLS=OFF"])
        subprocess.check_call(["cmake", "--build", BUILD, "-j", str(os.cpu_count() or 1)])
        # Installed, the libraries look for each other in their own folder, not in the build.
        stage = os.path.join(BUILD, "stage")
        shutil.rmtree(stage, ignore_errors=True)
        subprocess.check_call(["cmake", "--install", BUILD, "--component", "runtime", "--prefix",
                               stage])
        package = os.path.join(self.build_lib, "kelvo_smbios")
        if sys.platform == "win32":
            libraries = glob.glob(os.path.join(stage, "bin", "*.dll"))
        else:  # each library under its soname, the name that the other one asks for
            major = version().split(".")[0]
            libraries = glob.glob(os.path.join(stage, "lib*", "**", "lib*.so." + major),
                                  recursive=True)
        for library in libraries:
            shutil.copyfile(library, os.path.join(package, os.path.basename(library)))
        main = [os.path.basename(f) for f in libraries if "kelvo-shared-smbios" in f]
        with open(os.path.join(package, "_built.py"), "w", encoding="utf-8") as file:
            file.write("VERSION = %r\nLIBRARY = %r\n" % (version(), main[0]))


class WithLibrary(Distribution):
    def has_ext_modules(self):  # a wheel for this platform, not a pure-Python one
        return True


setup(
    name="kelvo-smbios",
    version=version(),
    description="Reads SMBIOS tables through kelvo-shared-smbios's C interface",
    packages=["kelvo_smbios"],
    python_requires=">=3.7",
    cmdclass={"build_py": BuildWithLibrary},
    distclass=WithLibrary,
    # Setuptools' own scratch files go into the build folder, not beside this file.
    options={"build": {"build_base": os.path.join(BUILD, "setuptools")},
             "egg_info": {"egg_base": BUILD}},
)
