# Sourced by scripts/package and tests/package/check-package: the release package's name and contents.

# The version as resources/Version.h gives it to the version resource ("2.0").
qiv_version() {
  local root=$1 version
  version=$(sed -n 's/^#define QIV_VERSION_TEXT "\(.*\)"$/\1/p' "$root/resources/Version.h")
  [ -n "$version" ] || { echo "no QIV_VERSION_TEXT in $root/resources/Version.h" >&2; return 1; }
  echo "$version"
}

# The zip of architecture $2 (win64 or win32).
qiv_package_zip() {
  local root=$1 arch=$2
  echo "$root/build/dist/Qivdesk-$(qiv_version "$root")-$arch.zip"
}

# The folder the zip unpacks into.
qiv_package_folder=Qivdesk
