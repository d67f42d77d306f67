#!/usr/bin/env bash
# Installs the Debian packages the project needs, if any are missing:
#   tools/install-deps.sh run    what building and running the programs needs (make run, install)
#   tools/install-deps.sh test   that, and what the tests, the fuzzer and the package check need,
#                                with the npm packages the tests run (the glTF validator
#                                into tools/gltf-validator, the browser driver into tools/guide3d)
# As root it runs apt-get; otherwise it prints the command to run and fails.
set -euo pipefail

need=${1:-test}
if [[ "$need" != run && "$need" != test ]]; then
  echo "usage: $0 [run|test]" >&2
  exit 2
fi

packages=(
  cmake make g++ pkg-config
  freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri libepoxy-dev libpng-dev
  libcli11-dev libx11-dev libtinygltf-dev nlohmann-json3-dev
  xvfb xauth
)
if [[ "$need" == test ]]; then
  packages+=(
    libgtest-dev
    assimp-utils chromium
    clang libclang-rt-dev
    netpbm imagemagick poppler-utils
    dpkg-dev file man-db
  )
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

# node and npm may come from another packaging of nodejs; only ask for them when absent.
if [[ "$need" == test ]]; then
  command -v npm > /dev/null || missing+=(nodejs npm)
fi

# The npm folders the tests run, each with a package whose presence shows it installed: the
# glTF validator; the 3D guide's browser driver (with the WebGL library and the bundler that
# tools/guide3d/bundle.sh uses).
install_npm_folders() {
  [[ "$need" == test ]] || return 0
  local tools entry folder
  tools="$(dirname "$0")"
  for entry in gltf-validator:gltf-validator guide3d:puppeteer-core; do
    folder="$tools/${entry%%:*}"
    [[ -d "$folder/node_modules/${entry#*:}" ]] && continue
    echo "Installing the npm packages of $folder"
    (cd "$folder" && npm ci --no-audit --no-fund --silent)
  done
}

if [[ ${#missing[@]} -eq 0 ]]; then
  install_npm_folders
  exit 0
fi

command="apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Run as root: $command" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
install_npm_folders
