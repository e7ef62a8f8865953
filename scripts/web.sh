#!/usr/bin/env bash
# The game in a web browser.
#   bash scripts/web.sh serve   installs what is missing, builds build-web/site/ and serves it on
#                               127.0.0.1 (port $DRAVLEN_WEB_PORT, default 8020), printing the address
#   bash scripts/web.sh build   the same without serving
# build-web/site/ is one static folder: any web server can serve it, with no special headers.
set -euo pipefail
cd "$(dirname "$0")/.."
what=${1:-serve}
case "$what" in build | serve) ;; *) echo "usage: scripts/web.sh [build | serve]" >&2; exit 2 ;; esac

# Commands and the Debian packages that bring them (node and npm may come from elsewhere too).
needs=(cmake:cmake emcc:emscripten node:nodejs npm:npm python3:python3 git:git)
missing=()
for need in "${needs[@]}"; do
  command -v "${need%%:*}" >/dev/null 2>&1 || missing+=("${need#*:}")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  root=(); [ "$(id -u)" -eq 0 ] || root=(sudo)  # root directly; a desktop user through sudo
  "${root[@]}" apt-get update -qq
  "${root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y -qq "${missing[@]}"
fi

# The speech engine, as pinned in web/package-lock.json.
(cd web && npm ci --no-audit --no-fund --loglevel=error)
# Debian's node does not search its own module folder, which Emscripten's linker needs.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DDRAVLEN_WERROR="${DRAVLEN_WERROR:-OFF}" >/dev/null
cmake --build build-web -j"$(nproc)"
# The page links to the source it was built from.
if git rev-parse --git-dir >/dev/null 2>&1; then
  git archive --format=tar.gz --prefix=dravlen/ -o build-web/site/dravlen-source.tar.gz HEAD
else
  tar -czf build-web/site/dravlen-source.tar.gz --exclude='./build*' --exclude='./web/node_modules' --transform 's,^\.,dravlen,' .
fi

if [ "$what" = serve ]; then
  port=${DRAVLEN_WEB_PORT:-8020}
  echo "Dravlen in your browser: http://127.0.0.1:$port/ (Ctrl+C stops the server)"
  exec python3 -m http.server --bind 127.0.0.1 "$port" --directory build-web/site
fi
