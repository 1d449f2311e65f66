#!/usr/bin/env bash
# The Debian package unpacked into a scratch root (dpkg -x): its korvanta-cli tells the project's
# version and regenerates a golden post program, byte for byte, in a shop made here. Skips
# (exit 77) unless KORVANTA_PACKAGE names the package, as `make package-test` does after
# building it, so that `make test` never depends on an old package.
#     installed_package_test.sh VERSION MAKE_LIBRARY TEST_DATA
set -eu
version=$1 make_library=$2 data=$3
package=${KORVANTA_PACKAGE:-}
if [ -z "$package" ] || [ ! -f "$package" ]; then
  echo "skipped: KORVANTA_PACKAGE names no package (make package-test builds one)"
  exit 77
fi
command -v dpkg-deb >/dev/null || { echo "skipped: no dpkg-deb"; exit 77; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg -x "$package" "$scratch/root"
cli=$scratch/root/usr/bin/korvanta-cli
[ -x "$scratch/root/usr/bin/korvanta" ] || { echo "the package holds no korvanta"; exit 1; }

said=$("$cli" --version)
[ "$said" = "korvanta-cli $version" ] || { echo "--version said: $said"; exit 1; }

# The two-head machine and the libraries the golden post programs were written with.
shop=$scratch/shop
mkdir -p "$shop"
printf '%s\n' heads=2 headchars=ZW bit=0.5 bitname=1/2 toolnumber=T1 cutfeed=120 plungefeed=30 \
  clearance=0.5 depth=0.75 maxdepth=0 leadin=0.25 exit=0.125 'startpos=X10 Y40' 'endpos=X0 Y0' \
  spos2=22 start=1 direction=1 alignment=2 cutstyle=0 cutatonce=1 head1on=m3 head2on=m3 \
  head1off=m5 head2off=m5 "path=$shop" "autopath=$shop" >"$shop/korvanta.ini"
echo 'VINYL 5X5 | 48 | 5 | 0 | 3.5 | 0 | 0' >"$scratch/materials.txt"
printf '%s\n' 'RAIL 4X1.5 | 4 | 1.5 | 0.5 | 0' 'RAIL 3X1 | 3 | 1 | 0.375 | 0' >"$scratch/holes.txt"
echo '1/2 | 0.5' >"$scratch/bits.txt"
for kind in materials holes bits; do
  ASAN_OPTIONS=detect_leaks=0 "$make_library" "$kind" "$scratch/$kind.txt" "$shop" >/dev/null
done

cp "$data/programs/post/v1-sides2-alternate.tap" "$shop/source.tap"
(cd "$scratch" && "$cli" generate "$shop/source.tap" --out "$shop/target.tap" --home "$shop")
cmp "$shop/target.tap" "$data/cli/regenerated-post.tap"
echo "passed: the installed korvanta-cli $version regenerates the golden post program"
