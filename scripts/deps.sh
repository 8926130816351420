#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that are missing for the given purpose: run, test, fuzz, bench or package.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev libgl-dev fonts-liberation2 fonts-dejavu-core)
for purpose in "$@"; do
  case "$purpose" in
    run) packages+=(fonts-wine) ;;
    test) packages+=(fonts-wine libgtest-dev python3 xvfb xdotool imagemagick x11-utils tesseract-ocr) ;;
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    bench) packages+=(libbenchmark-dev libx11-dev libxdamage-dev xvfb x11-utils) ;;
    package) packages+=(dpkg-dev file desktop-file-utils appstream lintian) ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
# fonts-wine is a nicety (a Tahoma); a distribution without it still builds and runs.
optional=(fonts-wine)
$sudo apt-get update -qq
required=()
for p in "${missing[@]}"; do [[ " ${optional[*]} " == *" $p "* ]] || required+=("$p"); done
[ ${#required[@]} -gt 0 ] && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${required[@]}"
for p in "${optional[@]}"; do
  [[ " ${missing[*]} " == *" $p "* ]] && { DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$p" || echo "($p not available; using DejaVu Sans instead)"; }
done
exit 0
