#!/usr/bin/env bash
# The browser version's figures beside their targets (a benchmark, not a test): transfer size,
# Start to first audio, key to silence, key to sound after the audio's rest and the browser's CPU
# at a key wait. Builds it first; takes about ten minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/web.sh build >/dev/null
exec /usr/bin/python3 scripts/bench_web.py build-web/site
