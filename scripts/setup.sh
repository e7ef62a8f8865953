#!/usr/bin/env bash
# Installs whatever Debian packages are missing, then configures and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake pkg-config libsdl2-dev libopenal-dev libsndfile1-dev
          libespeak-ng-dev espeak-ng-data libgtest-dev googletest
          libspeechd-dev speech-dispatcher speech-dispatcher-espeak-ng
          xvfb xdotool xfonts-base x11-utils sox python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
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
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y -qq "${missing[@]}"
fi
bash scripts/web.sh build
cmake -S . -B build -DDRAVLEN_WEB_TESTS=ON >/dev/null
cmake --build build -j"$(nproc)"
