#!/usr/bin/env bash
# The main job on a built-in example: installs what is missing, configures
# and builds the command-line host with the plug-in, then deforms a torus
# with the noise deformer and writes the deformed mesh and a preview image
# into out/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --target kavo-deform

mkdir -p out
build/bin/kavo-deform @torus:64x32 -o out/torus.obj --preview out/torus.png

echo
echo "Deformed mesh: $(pwd)/out/torus.obj"
echo "Preview:       $(pwd)/out/torus.png"
