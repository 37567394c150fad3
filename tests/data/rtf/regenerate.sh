#!/bin/sh
# Rebuilds the word-processor RTF files from the hand-written sources in src/.
# Needs LibreOffice Writer; a private profile keeps it apart from any running instance.
set -e
cd "$(dirname "$0")"
soffice --headless -env:UserInstallation=file:///tmp/lo-rtf-profile \
    --infilter="HTML (StarWriter)" --convert-to rtf --outdir . src/*.html
