#!/usr/bin/env bash
# Plays one scenario and compares what the driver prints with the transcript beside the script.
# usage: run_scenario.sh DRIVE GENCAT DEMO_APP_DIR SCRIPT [--update]
# Header lines of the script choose the catalog:
#   # fixture: NAME     tests/fixtures/NAME.catalog (default: small); "demo" copies the built demo catalog
#   # overlay: DIR      tests/fixtures/DIR laid over the catalog (files ending .utf8 become Windows-1251)
#   # remove: PATH      a catalog file removed (relative to 0_TELVA)
#   # exit: N           the driver's expected exit status (default 0)
#   # no-catalog        the app folder has no 0_TELVA at all
#   # projects: DIR     tests/fixtures/DIR copied into the app folder's Projects (files ending .utf8 become
#                       Windows-1251 and lose the suffix), for saved projects and name lists on disk
set -u
drive=$(realpath "$1") gencat=$(realpath "$2") demo=$(realpath "$3") script=$(realpath "$4") update=${5:-}
here=$(cd "$(dirname "$0")" && pwd)
expected="${script%.script}.out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fixture=small overlays=() removes=() want_exit=0 no_catalog=0 projects=
while IFS= read -r line; do
  case "$line" in
    "# fixture: "*) fixture=${line#"# fixture: "} ;;
    "# overlay: "*) overlays+=(--overlay "$here/fixtures/${line#"# overlay: "}") ;;
    "# remove: "*) removes+=(--remove "${line#"# remove: "}") ;;
    "# exit: "*) want_exit=${line#"# exit: "} ;;
    "# no-catalog") no_catalog=1 ;;
    "# projects: "*) projects=${line#"# projects: "} ;;
  esac
done < "$script"

app="$work/app"
mkdir -p "$app"
if [ "$no_catalog" = 1 ]; then
  mkdir -p "$app/Projects" && : > "$app/Projects/ListNmPr"
elif [ "$fixture" = demo ]; then
  cp -r "$demo/0_TELVA" "$demo/Projects" "$app/"
  [ ${#overlays[@]} -gt 0 ] || [ ${#removes[@]} -gt 0 ] && { echo "overlay/remove need a fixture source" >&2; exit 2; }
else
  QT_QPA_PLATFORM=offscreen "$gencat" "$here/fixtures/$fixture.catalog" "$app" "${overlays[@]}" "${removes[@]}" \
    > "$work/gencat.log" 2>&1 || { cat "$work/gencat.log" >&2; exit 2; }
fi

if [ -n "$projects" ]; then
  source_dir="$here/fixtures/$projects"
  [ -d "$source_dir" ] || { echo "no projects fixture $source_dir" >&2; exit 2; }
  while IFS= read -r -d '' file; do
    relative=${file#"$source_dir/"}
    mkdir -p "$app/Projects/$(dirname "$relative")"
    case "$relative" in
      *.utf8) iconv -f UTF-8 -t CP1251 "$file" > "$app/Projects/${relative%.utf8}" || exit 2 ;;
      *) cp "$file" "$app/Projects/$relative" ;;
    esac
  done < <(find "$source_dir" -type f -print0)
fi

export XDG_RUNTIME_DIR="$work/xdg" && mkdir -m 700 -p "$XDG_RUNTIME_DIR"
# Messages that name files show the temporary app folder as <app>.
(cd "$app" && QT_QPA_PLATFORM=offscreen "$drive" --app-dir "$app" "$script") > "$work/raw" 2> "$work/stderr"
status=$?
sed "s|$app|<app>|g" "$work/raw" > "$work/actual"

if [ "$update" = --update ]; then
  cp "$work/actual" "$expected"
  echo "updated $expected (exit $status)"
  exit 0
fi
if [ "$status" != "$want_exit" ]; then
  echo "driver exited with $status, expected $want_exit"; cat "$work/stderr"; exit 1
fi
if ! diff -u "$expected" "$work/actual"; then
  echo "transcript differs from $expected"; exit 1
fi
