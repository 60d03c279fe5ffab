#!/usr/bin/env bash
# The three downloads, made as scripts/package makes them, checked from outside:
# exactly the files a user should get, the right program in each, the version
# in every name. The installer is 32-bit, which this machine cannot run: its
# contents are read with 7z here; its logic runs under Wine in the 64-bit
# build of the same script (package_installer_test).
set -euo pipefail
export LC_ALL=C.UTF-8
root=$1 version=$2 x86=$3 x64=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/scripts/lib/make-package" all "$version" "$x86" "$x64" "$work/dist"
# Every list of the program's table, each empty as the program writes it.
mapfile -t lists < <("$root/scripts/lib/make-package" list-files)

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_same() { [ "$2" == "$3" ] || fail "$1: expected [$3], got [$2]"; }
[ ${#lists[@]} -gt 0 ] || fail "make-package finds no list files in data/list_kinds.h"

expect_same "packages" "$(ls "$work/dist")" \
  "$(printf '%s\n' "oravin-$version-setup.exe" "oravin-$version-x64.zip" "oravin-$version-x86.zip")"
settings=$(printf '1<Split>0<Split>0<Split>1<Split>100<Split>0\r\n' | od -An -tx1)
empty_list=$(printf '\r\n' | od -An -tx1)

# A folder as a user finds it after unpacking or installing.
check_program_folder() {
  local what=$1 folder=$2 program=$3 machine=$4
  cmp -s "$folder/oravin.exe" "$program" || fail "$what: oravin.exe is not $program"
  file "$folder/oravin.exe" | grep -q "$machine" || fail "$what: oravin.exe is not $machine: $(file "$folder/oravin.exe")"
  expect_same "$what: Bin/Settings.txt" "$(od -An -tx1 "$folder/Bin/Settings.txt")" "$settings"
  local list
  for list in "${lists[@]}"; do
    expect_same "$what: Bin/$list" "$(od -An -tx1 "$folder/Bin/$list")" "$empty_list"
  done
  local note=$folder/说明.txt
  expect_same "$what: 说明.txt starts with a UTF-8 byte-order mark" "$(head -c 3 "$note" | od -An -tx1)" " ef bb bf"
  [ "$(grep -c $'\r$' "$note")" -eq "$(wc -l < "$note")" ] || fail "$what: 说明.txt has lines without CR LF"
  grep -q "Oravin $version 收藏助手" "$note" || fail "$what: 说明.txt does not name version $version"
  grep -q '^English' "$note" || fail "$what: 说明.txt has no English paragraph"
  grep -q 'Bin\\Websites.txt' "$note" || fail "$what: 说明.txt does not say where the lists live"
}

for arch in x86 x64; do
  zip=$work/dist/oravin-$version-$arch.zip
  expect_same "$arch zip entries" "$(unzip -Z1 "$zip" | sort)" \
    "$(printf '%s\n' Oravin/Bin/Settings.txt "${lists[@]/#/Oravin/Bin/}" Oravin/oravin.exe Oravin/说明.txt | sort)"
  7z l -slt "$zip" | grep -A12 '^Path = Oravin/说明.txt' | grep -q '^Characteristics = .*UTF8' ||
    fail "$arch zip: the name 说明.txt is not marked as UTF-8"
  unzip -q "$zip" -d "$work/$arch"
  if [ $arch = x86 ]; then
    check_program_folder "x86 zip" "$work/x86/Oravin" "$x86" 'PE32 executable (GUI) Intel 80386'
  else
    check_program_folder "x64 zip" "$work/x64/Oravin" "$x64" 'PE32+ executable (GUI) x86-64'
  fi
done

setup=$work/dist/oravin-$version-setup.exe
file "$setup" | grep -q 'PE32 executable (GUI) Intel 80386.*Nullsoft' || fail "setup: not a 32-bit NSIS installer: $(file "$setup")"
expect_same "setup contents" "$(7z l -slt "$setup" | sed -n 's/^Path = //p' | grep -vx "$setup" | grep -v '^\$PLUGINSDIR/' | sort)" \
  "$(printf '%s\n' Bin/Settings.txt "${lists[@]/#/Bin/}" oravin.exe uninstall.exe 说明.txt | sort)"
7z x -bso0 -bsp0 "$setup" -o"$work/setup" oravin.exe Bin/Settings.txt "${lists[@]/#/Bin/}" 说明.txt
check_program_folder "setup" "$work/setup" "$x86" 'PE32 executable (GUI) Intel 80386'

# The version the packages are named after is the one the programs and the installer carry.
for exe in "$x86" "$x64" "$setup"; do
  resource=$(7z l -tPE "$exe" | grep -E '^(File|Product)Version: ' | sort -u)
  expect_same "version resource of $exe" "$resource" "$(printf '%s\n' "FileVersion: $version" "FileVersion: $version.0" \
    "ProductVersion: $version" "ProductVersion: $version.0")"
done

[ $failures -eq 0 ] && echo "packages of $version with lists ${lists[*]}: $(cd "$work/dist" && stat -c '%n %s bytes' ./* | tr '\n' ';')"
exit $(( failures > 0 ))
