# Installs what the build and the tests need, from Debian's packages only.
ORAVIN_PACKAGES=(
  cmake ninja-build g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64 xvfb x11-utils x11-apps imagemagick fonts-wqy-microhei locales file
  nsis p7zip-full unzip optipng python3 unicode-data
)

setup_install() {
  local missing=() p
  for p in "${ORAVIN_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
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

# Configures the two Windows trees: the 64-bit program with its tests, the
# 32-bit program that ships, which is built for size. CMake keeps the compilers
# a tree was first configured with, whatever its toolchain names later: the
# trees are configured afresh (a second or two; nothing is rebuilt for it).
configure_windows() {
  local root=$1 build=$2
  cmake --fresh -S "$root" -B "$build/win64" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64.cmake" >/dev/null
  cmake --fresh -S "$root" -B "$build/win32" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686.cmake" >/dev/null
}

# Configures and builds the three trees: native logic, the 64-bit program
# and its tests, the 32-bit program that ships.
build_all() {
  local root=$1 build=$2 jobs
  jobs=$(nproc)
  cmake -S "$root" -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORAVIN_SANITIZE=ON >/dev/null
  cmake --build "$build/native" -j "$jobs"
  configure_windows "$root" "$build"
  cmake --build "$build/win64" -j "$jobs"
  cmake --build "$build/win32" -j "$jobs" --target oravin
}

# Builds only the two programs: build/win32/oravin.exe and build/win64/oravin.exe.
build_programs() {
  local root=$1 build=$2
  configure_windows "$root" "$build"
  cmake --build "$build/win64" -j "$(nproc)" --target oravin
  cmake --build "$build/win32" -j "$(nproc)" --target oravin
}
