#!/usr/bin/env bash
# Fetches a Debian source package into a folder through a private apt state, leaving the system's apt setup as it is.
#
# Usage: scripts/qt-source.sh PACKAGE VERSION FOLDER
#   Leaves PACKAGE_<upstream version>.dsc and its files in FOLDER (nothing is done when the .dsc is
#   there already) and keeps its apt state in FOLDER.apt. Progress goes to standard error.
# The deb-src entries are derived from the machine's own deb entries, so no other mirror is used.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

if [ $# -ne 3 ]; then
  echo "usage: $0 PACKAGE VERSION FOLDER" >&2
  exit 2
fi
source_package=$1
source_version=$2
source_dir=$3
upstream_version=${source_version#*:}
dsc=$source_dir/${source_package}_${upstream_version}.dsc
[ -f "$dsc" ] && exit 0

echo "fetching the $source_package $source_version source package" >&2
apt_dir=$source_dir.apt
rm -rf "$apt_dir"
mkdir -p "$apt_dir/state/lists/partial" "$apt_dir/cache/archives/partial" \
  "$apt_dir/etc/sources.list.d"
source_files=(/etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources)
existing=()
for file in "${source_files[@]}"; do
  [ -f "$file" ] && existing+=("$file")
done
codename=$(sed -n 's/^VERSION_CODENAME=//p' /etc/os-release | tr -d '"')
entries=0
if [ ${#existing[@]} -gt 0 ]; then
  entries=$(awk -v codename="$codename" \
    -v list_out="$apt_dir/etc/sources.list" \
    -v sources_out="$apt_dir/etc/sources.list.d/deb-src.sources" \
    -f "$repo/scripts/windows/deb-src-entries.awk" "${existing[@]}")
fi
if [ "$entries" -eq 0 ]; then
  echo "no enabled Debian 'deb' entry for '$codename' in the apt sources; cannot derive deb-src entries" >&2
  exit 1
fi
touch "$apt_dir/etc/sources.list"
# APT_CONFIG is read before /etc/apt/apt.conf.d, the "main" file after it: the latter is the
# only place that can drop the update hooks (cache clean-ups, PackageKit notices) that the
# system's configuration adds, which concern the system's own lists, not these.
cat >"$apt_dir/etc/apt.conf" <<APT
Dir::State "$apt_dir/state";
Dir::Cache "$apt_dir/cache";
Dir::Etc::SourceList "$apt_dir/etc/sources.list";
Dir::Etc::SourceParts "$apt_dir/etc/sources.list.d";
Dir::Etc::main "$apt_dir/etc/after-parts.conf";
APT
{
  echo '#clear APT::Update::Pre-Invoke;'
  echo '#clear APT::Update::Post-Invoke;'
  echo '#clear APT::Update::Post-Invoke-Success;'
  echo '#clear DPkg::Pre-Invoke;'
  echo '#clear DPkg::Post-Invoke;'
  [ -f /etc/apt/apt.conf ] && echo '#include "/etc/apt/apt.conf";'
} >"$apt_dir/etc/after-parts.conf"
# As root apt downloads as the _apt user, who cannot enter a private cache under /root.
apt_options=(-o APT::Sandbox::User="$(id -un)")
# One unreachable mirror must not stop us while another has the source.
APT_CONFIG=$apt_dir/etc/apt.conf apt-get "${apt_options[@]}" -q update >&2 ||
  echo "warning: apt-get update reported errors; trying the source anyway" >&2
rm -rf "$source_dir"
mkdir -p "$source_dir"
(cd "$source_dir" &&
  APT_CONFIG=$apt_dir/etc/apt.conf apt-get "${apt_options[@]}" -q source --download-only \
    "$source_package=$source_version") >&2
