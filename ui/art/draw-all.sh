#!/bin/sh
# Re-draws every picture source in this folder (PNG files and skin-runs.txt).
# Needs Debian's python3 with python3-pil and python3-numpy, and the
# fonts-liberation package. The build does not run this: the results are
# committed.
set -e
cd "$(dirname "$0")"
PYTHON=/usr/bin/python3
export PYTHONDONTWRITEBYTECODE=1
$PYTHON draw_text_pictures.py
$PYTHON draw_portrait.py
$PYTHON draw_flowers.py
$PYTHON draw_digits.py
$PYTHON draw_skin.py
$PYTHON draw_icon.py
