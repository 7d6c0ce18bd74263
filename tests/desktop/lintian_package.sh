#!/bin/sh
# Builds the Debian package from the build tree given and checks it with lintian: no errors.
# Warnings are printed and allowed. Exit 77 (skipped) when lintian or dpkg-shlibdeps is missing.
set -eu
build=$1
command -v lintian >/dev/null && command -v dpkg-shlibdeps >/dev/null || { echo "lintian or dpkg-dev is not installed"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/pathora_*.deb)
echo "package: $(basename "$deb")"
report=$(lintian --info --tag-display-limit 0 "$deb" 2>&1) || true
printf '%s\n' "$report"
if printf '%s\n' "$report" | grep -q '^E: '; then
    exit 1
fi
