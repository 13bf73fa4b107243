#!/bin/sh
# Installs what is missing, builds TAVI into build/bin and starts it.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVI_TESTS=OFF
cmake --build build
if [ -x build/bin/tavi ]; then
  exec build/bin/tavi
else
  echo "Built the libraries and the language file into build/bin; the program itself is not there yet."
fi
