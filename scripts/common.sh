# Shared by run.sh and test.sh: install what is missing, configure, build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PACKAGES=(build-essential cmake ninja-build pkg-config
  qtbase5-dev libqt5svg5-dev libjsoncpp-dev libminizip-dev zlib1g-dev
  libgl1-mesa-dri libglx-mesa0 xvfb xauth fonts-noto-cjk fonts-wqy-microhei
  libgtest-dev libbenchmark-dev zip unzip python3)
# Only the tests need these: the second compiler and its sanitizer runtime.
TEST_PACKAGES=(clang libclang-rt-dev)

install_missing() { # install_missing [extra packages...]
  local missing=()
  for p in "${PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

build() { # build <dir> <cmake args...>
  local dir="$1"; shift
  cmake -S "$ROOT" -B "$ROOT/$dir" -G Ninja "$@" >/dev/null
  cmake --build "$ROOT/$dir" -j "$(nproc)"
}

# Runs a command with an X display: the current one, or a private Xvfb.
with_display() {
  if [ -n "${DISPLAY:-}" ]; then
    "$@"
  else
    xvfb-run -a -s "-screen 0 2560x1600x24 -nolisten tcp" "$@"
  fi
}
