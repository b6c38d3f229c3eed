# Sourced by scripts/run and tests/e2e/wine-run: private Wine prefixes inside the build tree.
# Wine behaves like a Windows desktop only with its virtual desktop on: then every top-level
# window lives in one desktop and no X window manager is waited for.

# Exports the environment for a prefix in folder $1 (prefix in $1/prefix, HOME in $1/home).
qiv_wine_env() {
  local dir=$1
  export WINEPREFIX="$dir/prefix"
  export HOME="$dir/home"
  export WINEDEBUG=-all
  # winemenubuilder would write desktop entries into $HOME for every saved .lnk;
  # mono and gecko cannot be downloaded here and are not needed.
  export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
  mkdir -p "$HOME/Desktop"
}

# Makes the template prefix in $1 once (10-15 s); later calls return at once.
# A lock keeps parallel test suites from building it twice.
qiv_wine_template() {
  local dir=$1
  mkdir -p "$dir"
  (
    flock 9
    [ -f "$dir/ready" ] && exit 0
    rm -rf "$dir/prefix" "$dir/home"
    qiv_wine_env "$dir"
    timeout 120 wineboot -i >/dev/null 2>&1 || true
    timeout 60 wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    timeout 60 wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
    timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    timeout 30 wineserver -k >/dev/null 2>&1 || true
    timeout 30 wineserver -w >/dev/null 2>&1 || true
    [ -f "$dir/prefix/system.reg" ] || { echo "wine: could not make the prefix in $dir" >&2; exit 1; }
    touch "$dir/ready"
  ) 9>"$dir.lock"
}

# Makes folder $2 a fresh copy of the template in $1 and exports its environment.
qiv_wine_fresh_copy() {
  local template=$1 dir=$2
  qiv_wine_template "$template" || return 1
  rm -rf "$dir"
  mkdir -p "$dir"
  cp -a "$template/prefix" "$dir/prefix"
  qiv_wine_env "$dir"
}
