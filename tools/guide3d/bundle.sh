#!/usr/bin/env bash
# Regenerates the 3D guide's vendored WebGL library from the locked npm packages: one
# minified classic script and the library's licence, both committed under
# instructions/guide3d/ and built into the brik binary.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
out="$here/../../instructions/guide3d"
cd "$here"
[[ -d node_modules/three ]] || npm ci --no-audit --no-fund --silent
version="$(node -p "require('./node_modules/three/package.json').version")"
npx esbuild three-entry.js --bundle --minify --format=iife --target=es2020 \
  --legal-comments=none --outfile="$out/three-bundle.js" \
  --banner:js="/* three $version with its glTF loader and orbit controls, bundled by tools/guide3d/bundle.sh; MIT licence: three-LICENSE.txt */"
cp node_modules/three/LICENSE "$out/three-LICENSE.txt"
