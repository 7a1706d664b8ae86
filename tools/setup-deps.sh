#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, once. Wine comes
# with its recommended packages (its fonts among them): dialog layout under
# Wine depends on them.
set -euo pipefail

# wine64 and the x86_64 compilers serve machines that cannot run 32-bit
# programs (see tools/test.sh); ghostscript reads printed pages back, clang
# builds the fuzzers, pre-commit runs the hooks' test, nsis makes the setup
# program.
packages=(cmake g++ make g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools wine wine32:i386 wine64
          fonts-wine googletest xvfb imagemagick xauth clang-format ghostscript clang libclang-rt-14-dev
          pre-commit nsis)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
