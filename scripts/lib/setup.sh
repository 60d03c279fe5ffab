# Installs what the build and the tests need, from Debian's packages only, and
# configures and builds the trees under build/.
ORAVIN_PACKAGES=(
  cmake ninja-build g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64 xvfb x11-utils x11-apps imagemagick fonts-wqy-microhei locales file
  nsis p7zip-full unzip optipng python3 unicode-data nlohmann-json3-dev
)

setup_install() {
  local missing=() p state
  local -A installed=()
  # One query for all: a warm run spends no time here.
  while read -r p state; do
    [ "$state" != installed ] || installed[$p]=1
  done < <(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${ORAVIN_PACKAGES[@]}" 2>/dev/null)
  for p in "${ORAVIN_PACKAGES[@]}"; do
    [ -n "${installed[$p]:-}" ] || missing+=("$p")
  done
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    # Another build on the machine may be installing at the same moment: wait for its lock.
    $sudo apt-get update -qq -o DPkg::Lock::Timeout=600
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
      -o DPkg::Lock::Timeout=600 "${missing[@]}" >/dev/null
  fi
  if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
    echo "setup: generating the zh_CN.UTF-8 locale"
    $sudo sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
  fi
}

# configure_tree ROOT TREE CMAKE_ARGUMENTS...
# CMake keeps the compilers a tree was first configured with, whatever its
# toolchain file names later, so a tree is configured afresh when its
# arguments or the toolchain files have changed since it last was (the cache
# keeps a digest of them). Otherwise it is left to `cmake --build`, which
# re-runs CMake itself when a CMakeLists changes.
configure_tree() {
  local root=$1 tree=$2 digest
  shift 2
  digest=$({ printf '%s\n' "$@"; cat "$root"/cmake/toolchain-*.cmake "$root/cmake/mingw-common.cmake"; } | md5sum)
  digest=${digest%% *}
  if grep -qx "ORAVIN_CONFIGURED_WITH:STRING=$digest" "$tree/CMakeCache.txt" 2>/dev/null; then
    return 0
  fi
  rm -rf "$tree/CMakeCache.txt" "$tree/CMakeFiles"
  cmake -S "$root" -B "$tree" -G Ninja "$@" -DORAVIN_CONFIGURED_WITH:STRING="$digest" --no-warn-unused-cli >/dev/null
}

# Configures the two Windows trees: the 64-bit program with its tests and the
# checks of the program that ships, the 32-bit program that ships, which is
# built for size.
configure_windows() {
  local root=$1 build=$2
  configure_tree "$root" "$build/win64" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64.cmake" -DORAVIN_SHIPPED_PROGRAM="$build/win32/oravin.exe"
  configure_tree "$root" "$build/win32" -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686.cmake"
}

# Two runs in one work tree share its build: the second waits here until the
# first has built, then finds nothing left to do.
build_lock() {
  local build=$1
  mkdir -p "$build"
  exec {ORAVIN_BUILD_LOCK}<"$build"
  if ! flock -n "$ORAVIN_BUILD_LOCK"; then
    echo "setup: waiting for another build in $build"
    flock "$ORAVIN_BUILD_LOCK"
  fi
}

build_unlock() {
  flock -u "$ORAVIN_BUILD_LOCK"
  exec {ORAVIN_BUILD_LOCK}<&-
}

# Configures and builds the three trees: native logic, the 64-bit program
# and its tests, the 32-bit program that ships.
build_all() {
  local root=$1 build=$2 jobs
  jobs=$(nproc)
  build_lock "$build"
  configure_tree "$root" "$build/native" -DCMAKE_BUILD_TYPE=Debug -DORAVIN_SANITIZE=ON
  cmake --build "$build/native" -j "$jobs"
  configure_windows "$root" "$build"
  cmake --build "$build/win64" -j "$jobs"
  cmake --build "$build/win32" -j "$jobs" --target oravin
  build_unlock
}

# Builds only the two programs: build/win32/oravin.exe and build/win64/oravin.exe.
build_programs() {
  local root=$1 build=$2
  build_lock "$build"
  configure_windows "$root" "$build"
  cmake --build "$build/win64" -j "$(nproc)" --target oravin
  cmake --build "$build/win32" -j "$(nproc)" --target oravin
  build_unlock
}
