#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need. Quiet and quick
# when everything is there already.
set -euo pipefail

packages=(g++ cmake make binutils clang-format libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi
