#!/usr/bin/env bash
# The hooks of .pre-commit-hooks.yaml as a team uses them: in a git
# repository with its own .quillet.reg, through pre-commit and a real git
# commit (tools/setup-deps.sh installs pre-commit).
# Usage: precommit-hooks.sh QUILLET_CLI REPOSITORY_ROOT
set -euo pipefail
cli=$(realpath "$1")
root=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PATH="$(dirname "$cli"):$PATH" XDG_CONFIG_HOME="$work/config" PRE_COMMIT_HOME="$work/cache"
export GIT_AUTHOR_NAME=test GIT_AUTHOR_EMAIL=test@example.com GIT_COMMITTER_NAME=test GIT_COMMITTER_EMAIL=test@example.com
fail() { echo "FAIL: $*" >&2; exit 1; }

# A project whose team settings delete trailing white space.
new_project() {
  rm -rf "$work/project"
  mkdir -p "$work/project/src"
  cd "$work/project"
  git init -q .
  printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Tamsel Software\\Quillet]\r\n"DeleteTrailingWhiteSpace"=dword:00000001\r\n\r\n' >.quillet.reg
  printf 'int a;\nint b;  \n' >src/messy.c
  printf 'int c;\n' >src/tidy.c
  git add -A
}

if ! command -v pre-commit >/dev/null; then
  echo "pre-commit is not installed: the hooks were not run"
  exit 0
fi

# The hooks' own repository, as pre-commit fetches it.
mkdir "$work/hooks"
cp "$root/.pre-commit-hooks.yaml" "$work/hooks/"
(cd "$work/hooks" && git init -q . && git add -A && git commit -qm hooks)
rev=$(git -C "$work/hooks" rev-parse HEAD)
config() {
  printf 'repos:\n- repo: %s\n  rev: %s\n  hooks:\n  - id: %s\n' "$work/hooks" "$rev" "$1" >.pre-commit-config.yaml
  git add .pre-commit-config.yaml
}

new_project
config quillet-check
pre-commit install >/dev/null
if git commit -qm messy >"$work/log" 2>&1; then fail "commit of unformatted code passed"; fi
grep -q "src/messy.c:2: would reformat" "$work/log" || fail "pre-commit log: $(cat "$work/log")"
printf 'int a;\nint b;\n' >src/messy.c
git add src/messy.c
git commit -qm tidy >"$work/log" 2>&1 || fail "commit of formatted code failed: $(cat "$work/log")"

new_project
config quillet-format
if pre-commit run --all-files >"$work/log" 2>&1; then fail "rewrite hook passed on unformatted code"; fi
[ "$(cat src/messy.c)" = $'int a;\nint b;' ] || fail "pre-commit rewrite left '$(cat src/messy.c)'"
pre-commit run --all-files >"$work/log" 2>&1 || fail "rewrite hook fails on formatted code: $(cat "$work/log")"
echo "pre-commit runs: ok"
