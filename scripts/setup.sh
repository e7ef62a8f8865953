#!/usr/bin/env bash
# Installs whatever Debian packages are missing, then configures and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake pkg-config libsdl2-dev libopenal-dev libsndfile1-dev
          libespeak-ng-dev espeak-ng-data libgtest-dev googletest
          libspeechd-dev speech-dispatcher speech-dispatcher-espeak-ng
          xvfb xdotool xfonts-base x11-utils sox python3)
packages+=(dpkg-dev file)  # cpack's Debian package: dpkg-shlibdeps reads its dependencies
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
  else
    # A desktop user: sudo for the install alone; the build and the game stay the user's own.
    if ! command -v sudo >/dev/null; then
      echo "setup.sh: missing packages: ${missing[*]}; install them as root, or install sudo." >&2
      exit 1
    fi
    echo "Installing them as root through sudo (it may ask for your password)."
    sudo apt-get update -qq
    sudo apt-get install -y -qq "${missing[@]}"
  fi
fi

# DRAVLEN_WERROR=ON (CI sets it) turns every compiler warning into an error.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRAVLEN_WERROR="${DRAVLEN_WERROR:-OFF}"
cmake --build build -j"$(nproc)"

# The browser version: build-web/site/ (scripts/web.sh), with its tests in the suite. Chromium and
# its driver run the page's tests; a failed install stops here.
web_test_packages=(chromium chromium-driver python3-selenium python3-numpy)
missing=()
for p in "${web_test_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  root=(); [ "$(id -u)" -eq 0 ] || root=(sudo)  # as above: root directly, a desktop user through sudo
  "${root[@]}" apt-get update -qq
  "${root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y -qq "${missing[@]}"
fi
bash scripts/web.sh build
cmake -S . -B build -DDRAVLEN_WEB_TESTS=ON >/dev/null
cmake --build build -j"$(nproc)"
