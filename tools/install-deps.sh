#!/usr/bin/env bash
# Installs the Debian packages the project needs, if any are missing:
#   tools/install-deps.sh run    what building and running the programs needs (make run, install)
#   tools/install-deps.sh test   that, and what the tests, the fuzzer and the package check need,
#                                with the glTF validator the export tests run (npm, into
#                                tools/gltf-validator/node_modules)
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
    netpbm imagemagick
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

install_validator() {
  [[ "$need" == test ]] || return 0
  local folder
  folder="$(dirname "$0")/gltf-validator"
  [[ -d "$folder/node_modules/gltf-validator" ]] && return 0
  echo "Installing the glTF validator (npm) into $folder"
  (cd "$folder" && npm ci --no-audit --no-fund --silent)
}

if [[ ${#missing[@]} -eq 0 ]]; then
  install_validator
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
install_validator
