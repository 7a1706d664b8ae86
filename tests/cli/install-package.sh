#!/usr/bin/env bash
# cmake --install into a DESTDIR and the Debian package of cpack: both hold
# quillet-cli, which runs, and its manual page. In a Windows build: the zip
# of cpack holds QLShared.dll and the README.
# Usage: install-package.sh BUILD_DIR [windows]
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ "${2:-}" = windows ]; then
  cpack --config "$build/CPackConfig.cmake" -B "$work/packages" >/dev/null
  contents=$(unzip -Z1 "$work"/packages/quillet-windows-*.zip)
  for file in QLShared.dll README.md; do
    grep -qx "$file" <<<"$contents" || fail "$file not in the zip: $contents"
  done
  echo "zip: ok"
  exit 0
fi

DESTDIR="$work/root" cmake --install "$build" --prefix /usr --component cli >/dev/null
"$work/root/usr/bin/quillet-cli" --help | grep -q '^Usage: quillet-cli' || fail "installed quillet-cli does not run"
page="$work/root/usr/share/man/man1/quillet-cli.1"
[ -f "$page" ] || fail "no manual page at $page"
echo "install: ok"

cpack --config "$build/CPackConfig.cmake" -B "$work/packages" >/dev/null
deb=$(ls "$work"/packages/quillet-cli_*.deb)
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/quillet-cli ./usr/share/man/man1/quillet-cli.1; do
  grep -q " $path\$" <<<"$contents" || fail "$path not in $deb"
done
[ "$(dpkg-deb -f "$deb" Package)" = quillet-cli ] || fail "package name"
dpkg-deb -f "$deb" Depends | grep -q libstdc++ || fail "no dependencies listed"
echo "package: ok ($(basename "$deb"))"
