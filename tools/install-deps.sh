#!/usr/bin/env bash
# Installs the Debian packages the viewer and its tests need, if any are missing, and the
# npm packages the tests run (into tools/gltf-validator and tools/guide3d, node_modules).
# As root it runs apt-get; otherwise it prints the command to run and fails.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri libepoxy-dev libpng-dev
  libgtest-dev libcli11-dev libx11-dev libtinygltf-dev nlohmann-json3-dev
  assimp-utils chromium
  clang libclang-rt-dev
  xvfb xauth
  netpbm imagemagick poppler-utils
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

# node and npm may come from another packaging of nodejs; only ask for them when absent.
command -v npm > /dev/null || missing+=(nodejs npm)

# The npm folders the tests run, each with a package whose presence shows it installed: the
# glTF validator; the 3D guide's browser driver (with the WebGL library and the bundler that
# tools/guide3d/bundle.sh uses).
install_npm_folders() {
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
