#!/usr/bin/env bash
# Checks a built Debian package as Debian would: lintian with every tag shown (it fails on errors only),
# and no package named twice in Depends. Usage: packaging/check-package.sh quillan_2.0_amd64.deb
set -euo pipefail
deb="$1"
fail() { echo "FAIL: $*"; exit 1; }
status=0
lintian --fail-on error --display-info --pedantic --display-experimental "$deb" || status=$?
[ "$status" -eq 0 ] || fail "lintian found errors (E: above) or could not check the package ($status)"
# Package names only, without their versions and alternatives' separators.
depends="$(dpkg-deb -f "$deb" Depends | tr ',|' '\n\n' | sed -E 's/\(.*\)//; s/[[:space:]]//g' | grep -v '^$')"
twice="$(sort <<<"$depends" | uniq -d)"
[ -z "$twice" ] || fail "Depends names $(tr '\n' ' ' <<<"$twice")more than once"
echo "package passes lintian and names each dependency once"
