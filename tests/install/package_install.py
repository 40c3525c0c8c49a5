#!/usr/bin/env python3
"""The Debian package: built, checked, installed, started and removed.

scripts/package.sh makes build/tolvagame_<version>_<arch>.deb from a Release
build and fails on lintian's errors. The package's files must lie as an
installation lies (the checks of install_and_start.py, with the launcher in
/usr/games), the program stripped, with release notes for the package's
version in the metainfo. Then apt installs it, the command of the installed
menu entry starts the game under Xvfb, apt purges it again, and not one of
its files or folders is left.

Installing needs root: skipped (77) otherwise, and when a tolvagame package
is installed on the machine already (the test leaves it alone).
"""

import argparse
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from install_and_start import (APP_ID, TOOLS, check_layout, desktop_entry, run,  # noqa: E402
                               start_installed)
from xvfb_session import SKIP, Failure, check, log  # noqa: E402

PACKAGE = "tolvagame"
APT_ENV = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
PACKAGE_TOOLS = ("dpkg-deb", "dpkg-shlibdeps", "apt-get", "lintian", "readelf")
# Folders of the package alone; the others it shares with other packages.
OWN_FOLDERS = ("/usr/lib/tolvagame", f"/usr/share/doc/{PACKAGE}")


def installed():
    result = subprocess.run(["dpkg-query", "-W", "-f=${Status}", PACKAGE],
                            capture_output=True, text=True)
    return result.returncode == 0 and "install ok installed" in result.stdout


def build_package(source, out):
    started = time.time()
    with open(os.path.join(out, "package-output.txt"), "w") as log_file:
        result = subprocess.run([os.path.join(source, "scripts", "package.sh")], cwd=source,
                                stdout=log_file, stderr=subprocess.STDOUT, timeout=1500)
    with open(os.path.join(out, "package-output.txt"), encoding="utf-8") as f:
        output = f.read()
    if result.returncode != 0:
        raise Failure(f"scripts/package.sh failed ({result.returncode}):\n{output[-3000:]}")
    made = re.search(r"^(build/\S+\.deb): ", output, re.MULTILINE)
    check(made is not None, f"scripts/package.sh made a package and lintian found no error "
                            f"({time.time() - started:.0f} s)")
    return os.path.join(source, made.group(1))


def check_contents(deb):
    version = run(["dpkg-deb", "-f", deb, "Version"], "the package's version", show_output=False)
    depends = run(["dpkg-deb", "-f", deb, "Depends"], "its dependencies", show_output=False)
    check(all(name in depends for name in ("libqt6gui6", "libpulse0",
                                             "fonts-ipafont-gothic", "qt6-qpa-plugins")),
          f"it depends on the libraries it links and on the font and plugins it loads")
    with tempfile.TemporaryDirectory(prefix="tolva-deb-") as root:
        run(["dpkg-deb", "-x", deb, root], "dpkg-deb -x", show_output=False)
        usr = os.path.join(root, "usr")
        check_layout(usr, launcher_dir="games")
        program = os.path.join(usr, "lib", "tolvagame", "TolvaGame")
        sections = run(["readelf", "-S", "-W", program], "readelf -S", show_output=False)
        size = os.path.getsize(program)
        check(".symtab" not in sections and ".debug_info" not in sections,
              f"the program is stripped ({size / 1e6:.1f} MB)")
        metainfo = os.path.join(usr, "share", "metainfo", "io.github.tolvagame.TolvaGame.metainfo.xml")
        with open(metainfo, encoding="utf-8") as f:
            check(f'<release version="{version}"' in f.read(),
                  f"the metainfo has release notes for {version}")
        for document in ("copyright", "changelog.gz"):
            check(os.path.isfile(os.path.join(usr, "share", "doc", PACKAGE, document)),
                  f"/usr/share/doc/{PACKAGE}/{document} is there")
    return version


def owned_files():
    listing = run(["dpkg-query", "-L", PACKAGE], "dpkg-query -L", show_output=False)
    return [path for path in listing.splitlines() if path.startswith("/")]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)

    missing = [tool for tool in TOOLS + PACKAGE_TOOLS if not shutil.which(tool)]
    if missing:
        print(f"SKIPPED: {', '.join(missing)} not installed (scripts/setup.sh installs them)")
        return SKIP
    if os.geteuid() != 0:
        print("SKIPPED: installing a package needs root")
        return SKIP
    if installed():
        print(f"SKIPPED: a {PACKAGE} package is installed on this machine; it is left alone")
        return SKIP

    files = []
    try:
        deb = build_package(args.source, args.out)
        version = check_contents(deb)
        run(["apt-get", "install", "-y", "--no-install-recommends", deb],
            f"apt-get install {os.path.relpath(deb, args.source)}", env=APT_ENV, show_output=False)
        check(installed(), f"{PACKAGE} {version} is installed")
        files = owned_files()
        entry = desktop_entry(f"/usr/share/applications/{APP_ID}.desktop")
        start_installed(shlex.split(entry["Exec"]), "/usr/lib/tolvagame/TolvaGame", "/usr/games",
                        args.out)
    except Failure as failure:
        print(f"FAILED: {failure}")
        return 1
    finally:
        if installed():
            subprocess.run(["apt-get", "purge", "-y", PACKAGE], env=APT_ENV,
                           capture_output=True, timeout=300)
    left = [path for path in files if os.path.lexists(path)
            and (not os.path.isdir(path) or path.startswith(OWN_FOLDERS))]
    if installed() or left:
        print(f"FAILED: removing the package left {left or 'it installed'}")
        return 1
    log(f"ok: apt-get purge removes it with all {len(files)} of its files and folders")
    log("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
