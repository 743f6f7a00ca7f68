#!/bin/sh
# Starts Tessivar in this folder, where its "Orvane ScreenShots" lie: Finder
# would start the bundle with / as its working folder.
cd "$(dirname "$0")" && exec ./tessivar.app/Contents/MacOS/tessivar
