#!/usr/bin/env bash
# Builds the Debian package build/tolvagame_<version>_<arch>.deb from a Release
# build in build-release/ (apart from build/, which stays as it is), and checks
# it with lintian. Install it with:
#
#   sudo apt install ./build/tolvagame_*.deb
#
# The program with its card face sheet and help pages goes to /usr/lib/tolvagame
# (it reads them beside itself), the launcher to /usr/games, the menu entry,
# metainfo, icons, manual page and Debian's documents under /usr/share. The
# dependencies are the libraries the program links (dpkg-shlibdeps) and the
# fonts, plugins and translations it loads at run time.
set -euo pipefail
cd "$(dirname "$0")/.."

release=build-release
package=tolvagame
maintainer="TolvaGame developers <tolvagame@users.noreply.github.com>"
# Loaded at run time, so no library dependency names them: the Japanese font
# and the Latin one of the English help pages,
# the platform plugins (X11), the TIFF reader for card backs, Qt's Japanese
# button texts, the SQLite driver of the chronicle; native Wayland comes with
# qt6-wayland.
run_time_depends="fonts-ipafont-gothic, fonts-dejavu-core, qt6-qpa-plugins, qt6-image-formats-plugins, qt6-translations-l10n, libqt6sql6-sqlite"
recommends="qt6-wayland"

# Debian's hardening flags (stack protector, fortified functions, read-only
# relocations, bind now) on top of the Release build. Warnings do not stop
# this build: at -O3 with the fortified library g++ 12 raises false alarms
# inside the standard library's own copies (-Wrestrict, -Wstringop-overflow
# in char_traits.h and stl_algobase.h). The development
# and sanitizer builds, which the tests run on, keep warnings as errors.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTOLVA_BUILD_TESTS=OFF -DTOLVA_BUILD_BENCH=OFF -DTOLVA_WARNINGS_AS_ERRORS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
  -DTOLVA_DESKTOP_EXEC=/usr/games/tolvagame \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" > /dev/null
cmake --build "$release" -j "${JOBS:-2}" --target TolvaGame

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$release/CMakeCache.txt")
arch=$(dpkg --print-architecture)
changelog_version=$(dpkg-parsechangelog -l res/debian/changelog -S Version)
if [ "$changelog_version" != "$version" ]; then
  echo "res/debian/changelog is at $changelog_version, the program at $version" >&2
  exit 1
fi
metainfo=res/desktop/io.github.tolvagame.TolvaGame.metainfo.xml
if ! grep -q "<release version=\"$version\"" "$metainfo"; then
  echo "$metainfo has no release notes for $version" >&2
  exit 1
fi

stage="$release/deb/$package"
rm -rf "$release/deb"
mkdir -p "$stage/DEBIAN"
DESTDIR="$PWD/$stage" cmake --install "$release" > /dev/null

# Debian's documents: the copyright file instead of the licence's full text
# (/usr/share/common-licenses has it), the changelog (of a native package)
# and the manual page
# compressed for good.
doc="$stage/usr/share/doc/$package"
rm -f "$doc/LICENSE"
install -m 644 res/debian/copyright "$doc/copyright"
gzip -9nc res/debian/changelog > "$doc/changelog.gz"
gzip -9n "$stage/usr/share/man/man6/tolvagame.6"
chmod 644 "$doc/changelog.gz" "$stage/usr/share/man/man6/tolvagame.6.gz"

# The program without its symbols: 3 MB instead of 20.
strip --strip-unneeded --remove-section=.comment --remove-section=.note \
  "$stage/usr/lib/tolvagame/TolvaGame"

# dpkg-shlibdeps reads the package's name from a control file of the source.
work="$release/deb/source"
mkdir -p "$work/debian"
printf 'Source: %s\n\nPackage: %s\nArchitecture: any\n' "$package" "$package" \
  > "$work/debian/control"
shlib_depends=$(cd "$work" && dpkg-shlibdeps -O "$PWD/../$package/usr/lib/tolvagame/TolvaGame" \
  | sed -n 's/^shlibs:Depends=//p')

installed_size=$(du -k -s --exclude=DEBIAN "$stage" | cut -f1)
cat > "$stage/DEBIAN/control" <<EOF
Package: $package
Version: $version
Architecture: $arch
Maintainer: $maintainer
Installed-Size: $installed_size
Depends: $shlib_depends, $run_time_depends
Recommends: $recommends
Section: games
Priority: optional
Homepage: https://github.com/tolvagame/TolvaGame
Description: rummy card game with mahjong-style calls and a world map campaign
 TolvaGame (トルヴァゲーム) is a single-player card game of the rummy family.
 King Alexander holds seven cards against his four generals: draw from the
 stock or take the last discard, lay sets and runs on the table, discard.
 Four pairs win; jokers stand in for missing partners and multiply every
 payment. Discards can be claimed with Pon and Kan, and a hand one card from
 winning can declare Reach; the declarations Tolva and Seventy can turn a game.
 .
 Around the games runs a campaign along the conqueror's march: every city on
 the world map is worth ten games. The game speaks Japanese and English,
 following the language of the desktop.
EOF
(cd "$stage" && find usr -type f -print0 | sort -z | xargs -0 md5sum) > "$stage/DEBIAN/md5sums"
chmod 644 "$stage/DEBIAN/control" "$stage/DEBIAN/md5sums"

deb="build/${package}_${version}_${arch}.deb"
mkdir -p build
dpkg-deb --root-owner-group -Zxz --build "$stage" "$deb" > /dev/null
echo "$deb: $(du -h "$deb" | cut -f1)"

# Lintian's errors fail the package; its warnings are shown.
lintian --fail-on error --suppress-tags-from-file /dev/null "$deb"
