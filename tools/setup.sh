#!/usr/bin/env bash
# Installs what is missing (Debian 12, as root), configures and builds Skiagraf,
# then either starts the program ("run") or runs every test ("test").
set -euo pipefail

mode=${1:-run}
here=$(cd "$(dirname "$0")/.." && pwd)
build=${SKIAGRAF_BUILD_DIR:-$here/build}

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev libgl-dev libjpeg62-turbo-dev
  fonts-liberation fonts-dejavu-core
  qt6-translations-l10n
)
# The tests also open our plot files in real readers, and read settings files
# under a German locale (decimal comma) to show that "." is kept.
test_packages=(python3-ezdxf hp2xx locales)

wanted=("${packages[@]}")
[ "$mode" = test ] && wanted+=("${test_packages[@]}")

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [ "$mode" = test ] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$(nproc)"

case "$mode" in
  run)
    exec "$build/gui/skiagraf"
    ;;
  test)
    cd "$build"
    exec ctest --output-on-failure -j "$(nproc)"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
