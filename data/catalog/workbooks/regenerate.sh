#!/bin/sh
# Rebuilds the template and the reference workbooks from their flat spreadsheet sources in src/.
# Needs LibreOffice Calc; runs with a profile of its own so an office already running is not disturbed.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
profile=${LO_CONV_PROFILE:-/tmp/lo-conv-profile}
soffice=${SOFFICE:-soffice}

convert() {
    filter=$1
    shift
    "$soffice" --headless -env:UserInstallation="file://$profile" --convert-to "$filter" --outdir "$here" "$@"
}

convert 'xlt:MS Excel 97 Vorlage/Template' "$here/src/Spec.fods"
convert 'xls:MS Excel 97' "$here/src/Sovmest.fods" "$here/src/Connect.fods" "$here/src/Podves.fods" \
    "$here/src/Nagruzki.fods"
