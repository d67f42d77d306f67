#!/usr/bin/env bash
# Checks the Debian package `make package` built: its control fields (name, version,
# architecture, run-time dependencies only) and that it holds every installed file.
#   tools/check-package.sh build/brik_VERSION_ARCH.deb
set -euo pipefail
deb=$1
fail() { echo "check-package: $deb: $*" >&2; exit 1; }

[[ "$(dpkg-deb -f "$deb" Package)" == brik ]] || fail "Package is not brik"
[[ -n "$(dpkg-deb -f "$deb" Version)" ]] || fail "no Version"
[[ "$(dpkg-deb -f "$deb" Architecture)" == "$(dpkg --print-architecture)" ]] ||
  fail "Architecture is not $(dpkg --print-architecture)"
depends=$(dpkg-deb -f "$deb" Depends)
# Run-time libraries only: none of the headers, compilers or test tools the build needed.
for library in libc6 libstdc++6 libglut libepoxy0 libpng16 libx11-6; do
  [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
if grep -Eq -- '-dev\b|cmake|g\+\+|gtest|clang|xvfb' <<< "$depends"; then
  fail "Depends names a build or test package: $depends"
fi

files=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
for file in ./usr/bin/brik ./usr/bin/brik-house ./usr/share/brik/Floor.rgb \
    ./usr/share/man/man1/brik.1 ./usr/share/man/man1/brik-house.1 \
    ./usr/share/bash-completion/completions/brik \
    ./usr/share/bash-completion/completions/brik-house \
    ./usr/share/applications/brik-house.desktop \
    ./usr/share/icons/hicolor/256x256/apps/brik-house.png; do
  grep -qx -- "$file" <<< "$files" || fail "lacks $file"
done
if grep -v -e '/$' -e '^./usr/bin/' -e '^./usr/share/' <<< "$files"; then
  fail "holds files outside /usr/bin and /usr/share (above)"
fi
echo "check-package: $deb: control fields and files as expected (Depends: $depends)"
