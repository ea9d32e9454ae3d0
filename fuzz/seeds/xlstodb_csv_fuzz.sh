#!/usr/bin/env bash
# Seeds for xlstodb_csv_fuzz: see xlstodb_seeds.sh.
exec "$(dirname "$0")/xlstodb_seeds.sh" csv "$1"
